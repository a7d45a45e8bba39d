#pragma once
// The Quillet panel's SET window content: resolution, transition rate, PIP
// size and device reset keys, the serial-number and IP labels.

#include <QDialog>

#include <functional>

class Druvela_workdata;
class QPushButton;

namespace Ui {
class SetDialog;
}

class SetDialog : public QDialog
{
    Q_OBJECT
public:
    SetDialog(QWidget* parent, Druvela_workdata* ws);
    ~SetDialog() override;

    // The state the panel shows, so that the next press carries on from it.
    void setRESO_V(int position);
    void setRARE_V(int rate);
    void setPIP_S_V(int size);

    void getDevIP(QString ip);
    // Every full-state reply. No reply byte is known to carry the serial
    // number, so the label keeps its placeholder.
    void on_toRead_QuilletSMDtat(QByteArray const& data);

    void on_Style_btnReso(bool on);
    void on_Style_btnMicVol(bool on);
    void on_Style_btnFan(bool on);
    void on_Style_btnRate(bool on);
    void on_Style_btnPip_s(bool on);
    void on_Style_btnKey(bool on);
    void on_Style_btnL_1(bool on);
    void on_Style_btnL_2(bool on);
    void on_Style_Reset(bool on);

    static void Delay_MSec(unsigned int ms);

    // Position -> resolution code.
    static constexpr int kResolutionCodes[7] = {7, 11, 9, 1, 3, 13, 5};

signals:
    void setPIPSZ_Style(int idx);
    void setRATE_Style(int idx);
    void setRESO_Style(int idx);

public slots:
    void setPIP_size_unlock_falg_slots(bool bl);

private slots:
    void on_btn_reso_clicked();
    void on_btn_micvol_clicked();
    void on_btn_fan_clicked();
    void on_btn_rate_clicked();
    void on_btn_pip_s_clicked();
    void on_btn_key_clicked();
    void on_btn_l_1_clicked();
    void on_btn_l_2_clicked();
    void on_btn_reset_clicked();

private:
    void flash(QPushButton* key, unsigned ms, const std::function<void()>& work = {});

    Ui::SetDialog* ui;
    Druvela_workdata* m_link;
    int m_resoPosition = 0;
    int m_rate = 0;
    int m_pipSize = 2;
    bool m_pipSizeUnlocked = false;
};
