#pragma once
// The Venadro panel's SET window content: the PIP size and device RESET keys,
// the computer's date and time, the device IP and the serial-number line. Its
// other keys are there but disabled.

#include <QWidget>

#include <functional>

class Druvela_workdata;
class QPushButton;
class QTimer;

namespace Ui {
class Set;
}

class Set : public QWidget
{
    Q_OBJECT
public:
    Set(QWidget* parent, Druvela_workdata* ws);
    ~Set() override;

    void getDevIP(QString ip);
    // Every full-state reply. No reply byte is known to carry the serial
    // number, so the label keeps its placeholder.
    void on_toRead_QuilletSMDtat(QByteArray const& data);
    // The PIP size the panel shows, so that the next press carries on from it.
    void setPIP_S_V(int size);
    int pipSize() const { return m_pipSize; }
    bool clockRunning() const;

    void my_Style_btnDisk(bool on);
    void my_Style_btnLeuel(bool on);
    void my_Style_btnRateADD(bool on);
    void my_Style_btnRateSUB(bool on);
    void my_Style_btnAddrADD(bool on);
    void my_Style_btnAddrSUB(bool on);
    void on_Style_btnPip_s(bool on);
    void on_Style_btnFan(bool on);
    void on_Style_Reset(bool on);

    static void Delay_MSec(unsigned int ms);

signals:
    void setPIPSZ_Style(int idx);

public slots:
    // The clock runs while the SET window is open.
    void setenablefalgSlots(bool on);
    void setPIP_size_unlock_falg_slots(bool on);
    void show_current_time();

private slots:
    void on_btn_reset_clicked();
    void on_btn_pip_sz_clicked();
    void on_btn_fan_clicked();
    void on_btn_disk_clicked();
    void on_btn_leuel_clicked();
    void on_btn_rate_add_clicked();
    void on_btn_rate_sub_clicked();
    void on_btn_addr_add_clicked();
    void on_btn_addr_sub_clicked();

private:
    void flash(QPushButton* key, unsigned ms, const std::function<void()>& work = {});

    Ui::Set* ui;
    Druvela_workdata* m_link;
    QTimer* m_clock = nullptr;
    int m_pipSize = 0;
    bool m_pipSizeUnlocked = false;
};
