#pragma once
// The four-input series-8 panel: input rows, transitions, audio, T-bar, CUT
// and AUTO, FTB/STILL/BAR, recording keys, PIP/KEY/POP, and the F1 and SET
// tool windows. It owns its command layer and shows the switcher's state.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class Druvela_workdata;
class F1QWidget;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTimer;
class SetDialog;
class TbarStroke;

namespace Ui {
class Quillet;
}

class Quillet : public QWidget
{
    Q_OBJECT
public:
    explicit Quillet(QWidget* parent = nullptr);
    ~Quillet() override;

    void DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char hisA,
                   unsigned char hisB);
    // Adapts the panel to a device sub-type (0x51, 0x52, 0x56).
    void setDev_Child_Type(int type);

    // Rows and input boxes.
    void init_btnPGMStyle();
    void init_GroPGMStyle();
    void init_btnPVWStyle();
    void init_GroPVWStyle();
    void on_Style_btnpgm1_red();
    void on_Style_btnpgm2_red();
    void on_Style_btnpgm3_red();
    void on_Style_btnpgm4_red();
    void on_Style_btnpvw1_green();
    void on_Style_btnpvw2_green();
    void on_Style_btnpvw3_green();
    void on_Style_btnpvw4_green();
    void set_PGMCH_Style(unsigned char n);
    void set_PVWCH_Style(unsigned char n);
    void setPGM_PVWCH();

    // Transitions and audio.
    void set_MWFCH_Style(unsigned char t);
    int set_btnGrp_MWF_State(int w);
    void on_Style_btnAFV(bool on);
    void set_AFVorMIX_Style(unsigned char m);
    void setCH1State(int code);
    void setCH2State(int code);

    // Lamps the panel offers and does not call itself.
    void on_Style_btnRec(bool on);
    void on_Style_btnRtmp(bool on);
    void on_Style_btnPause(bool on);
    void on_Style_btnF1(bool on);
    void on_Style_btnSet(bool on);
    void on_Style_btnMute(bool on);
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btnFtb(bool on);
    void on_Style_btnStill(bool on);
    void on_Style_btnBar(bool on);
    void btnFtb2_Style(bool on);
    void btnPip_Style(bool on);
    void btnPop_Style(bool on);
    void btnKey_Style(bool on);
    void on_Style_btnMix_red();
    void on_Style_btnFade_red();
    void on_Style_btnWipe_red();
    void init_btnMWFStyle();
    void init_btnPKPStyle();

    // T-bar, AUTO, timers, waits.
    void setslider0(int v);
    void setslider1(int v);
    void set_audio_vol();
    void on_Time_cut();
    void Time_ftb();
    static void Delay_MSec(unsigned int ms);
    // A key's 200 ms flash with its work after the wait.
    void flashKey(QPushButton* key, const std::function<void()>& work);

    // State shared with the SET window and the PIP preview.
    void setPIP_SZ_State(int size);
    void setRATE_State(int rate);
    void setRESO_State(int code);

    // Audio sources in cycling order; the position is what CH1/CH2 send.
    static constexpr int kSourceCycle[7] = {7, 3, 4, 5, 6, 8, 0};
    // The device's wipe values for L, U, R, D.
    static constexpr int kWipeTable[4] = {0, 2, 4, 6};
    // AUTO's run length by transition rate.
    static constexpr int kAutoEndTable[3] = {40, 72, 139};

signals:
    void setPIP_POST(uint16_t sumx, uint16_t sumy);
    void setPIP_size_unlock_falg(bool unlocked);

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_MWF_clicked(uint8_t t);
    void on_btn_cut_clicked();
    void on_btn_auto_clicked();
    void on_btn_f1_clicked();
    void on_btn_afv_clicked();
    void on_btn_ch1_clicked();
    void on_btn_ch2_clicked();
    void on_btn_set_clicked();
    void on_btn_mute_clicked();
    void on_btn_rec_clicked();
    void on_btn_rtmp_clicked();
    void on_btn_ftb_clicked();
    void on_btn_still_clicked();
    void on_btn_bar_clicked();
    void m_on_toRead_QuilletDtat(QByteArray const& data);
    void on_btn_pip_clicked();
    void on_btn_key_clicked();
    void on_btn_pop_clicked();
    void set_X_Yposition_Style(uint8_t Hnum1, uint8_t Lnum1, uint8_t Hnum2, uint8_t Lnum2);
    void on_btn_pause_clicked();

private:
    void initUpper();
    void initRows();
    void initLower();
    QGroupBox* inputBox(int n) const;
    QPushButton* pgmKey(int n) const;
    QPushButton* pvwKey(int n) const;
    void showRow(QPushButton* (Quillet::*key)(int) const, int lit, const QString& litFace);
    void showBoxes(int top, const QString& topFace, int other, const QString& otherFace);
    static void logChannel(const char* what, uint8_t channel);
    void showChannels(unsigned char pgm, unsigned char pvw);
    void lightPgm(int n);
    void lightPvw(int n);

    Ui::Quillet* ui;
    Druvela_workdata* m_link = nullptr;
    QButtonGroup* pgmGroup = nullptr;
    QButtonGroup* pvwGroup = nullptr;
    QButtonGroup* mwfGroup = nullptr;
    QTimer* cutTimer = nullptr;
    QTimer* ftbTimer = nullptr;
    QWidget* f1Window = nullptr;
    F1QWidget* f1Content = nullptr;
    QWidget* setWindow = nullptr;
    SetDialog* setContent = nullptr;

    uint8_t pgmChannel = 0;
    uint8_t pvwChannel = 0;
    int ch1Index = 1;
    int ch2Index = 1;
    int wipeIndex = 0;
    bool wipeStepOn = true;
    // The stroke state (direction, the ends' swaps, the AUTO run) lives in it.
    std::unique_ptr<TbarStroke> m_tbar;
    static bool autoLampLit;
    int rateIndex = 0;
    bool pipOn = false;
    bool keyOn = false;
    bool popOn = false;
    bool overlayOn = false;
    bool ftbOn = false;
    bool stillOn = false;
    bool barOn = false;
    bool afvOn = false;
    bool muteOn = false;
    bool recOn = false;
    bool rtmpOn = false;
    bool pauseOn = false;
    bool f1Open = false;
    bool setOpen = false;
    bool f1Enabled = true;
};
