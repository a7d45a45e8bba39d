#pragma once
// The Pelimor switcher's window: its front panel drawn, nothing wired. No key
// or fader does anything and no reply is shown.

#include <QWidget>

class Druvela_workdata;
class QPushButton;

namespace Ui {
class Pelimor;
}

class Pelimor : public QWidget
{
    Q_OBJECT
public:
    explicit Pelimor(QWidget* parent = nullptr);
    ~Pelimor() override;

    void initUpper();
    void initBootom();

    // Lamps nothing calls.
    void on_Style_btnAfv(bool on);
    void on_Style_btnMute(bool on);
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnMix(bool on);
    void on_Style_btnFADE(bool on);
    void on_Style_btnWipe(bool on);
    void on_Style_btnPip(bool on);
    void on_Style_btnPop(bool on);
    void on_Style_btnStill(bool on);
    void on_Style_btnRate(bool on);
    void on_Style_btnReso(bool on);
    void on_Style_btnReset(bool on);

private:
    QList<QPushButton*> keys() const;

    Ui::Pelimor* ui;
    // Never aimed nor used; its socket binds all the same.
    [[maybe_unused]] Druvela_workdata* m_link = nullptr;
};
