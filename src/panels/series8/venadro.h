#pragma once
// The two-input series-8 panel: the inputs as large preview buttons, MIX,
// FADE and WIPE with an AUTO and a T-bar, PIP and POP with their previews, the
// audio strip, STILL, recording and streaming, resolution and rate, and the
// SET window. It owns its command layer and shows the switcher's state.

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class Druvela_workdata;
class QButtonGroup;
class QPushButton;
class QTimer;
class Set;
class TbarStroke;

namespace Ui {
class Venadro;
}

class Venadro : public QWidget
{
    Q_OBJECT
public:
    explicit Venadro(QWidget* parent = nullptr);
    ~Venadro() override;

    void DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char c, unsigned char d);

    // What the panel shows.
    void setPIP_SZ_State(int size);
    void in1_in2_style(int input);
    void setPGM_PVWCH();
    void setCH1State(int code);
    void setCH2State(int code);
    void setRATE_State(int rate);
    void set_AFVorMIX_Style(unsigned char mode);
    void set_MWFCH_Style(unsigned char type);
    int set_btnGrp_MWF_State(int code);
    void setRESO_State(int code);
    void btnStill2_Style(bool on);

    // T-bar and AUTO, on the shared T-bar stroke.
    void setslider0(int value);
    void setslider1(int value);
    void set_audio_vol();
    static void Delay_MSec(unsigned int ms);

    // Lamps; the ones with a flag keep it in step.
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btnReso(bool on);
    void on_Style_btnRate(bool on);
    void on_Style_btnMicvol(bool on);
    void on_Style_btnStill(bool on);
    void on_Style_btnAfv(bool on);
    void on_Style_btnMute(bool on);
    void on_Style_btnSet(bool on);
    void on_Style_btnRec(bool on);
    void on_Style_btnRtmp(bool on);
    void on_Style_btnPip(bool on);
    void on_Style_btnPop(bool on);
    void on_Style_btnMix_red();
    void on_Style_btnFade_red();
    void on_Style_btnWipe_red();
    void init_btnMWFStyle();

    // Audio sources in cycling order.
    static constexpr int kSourceCycle[4] = {3, 4, 8, 0};
    // The wipe direction's code by step, in pressing order L, U, R, D.
    static constexpr int kWipeCycle[4] = {0, 3, 1, 2};

signals:
    void setPIP_POST(uint16_t sumx, uint16_t sumy);
    void setenablefalg(bool open);
    void setPIP_size_unlock_falg(bool unlocked);

public slots:
    void on_btn_ch1_clicked();
    void on_btn_ch2_clicked();
    void on_btn_mute_clicked();
    void on_btn_afv_clicked();
    void on_btn_reso_clicked();
    void on_btn_rate_clicked();
    void on_btn_rec_clicked();
    void on_btn_micvol_clicked();
    void on_btn_auto_clicked();
    void on_btn_set_clicked();
    void on_btn_rtmp_clicked();
    void on_btn_pip_clicked();
    void on_btn_pop_clicked();
    void on_btn_still_clicked();
    void on_tbtn_in1_clicked();
    void on_tbtn_in2_clicked();
    void Time_still();
    void m_on_btnGrp_MWF_clicked(uint8_t type);
    void m_on_toRead_QuilletDtat(QByteArray const& data);
    void set_X_Yposition_Style(uint8_t Hnum1, uint8_t Lnum1, uint8_t Hnum2, uint8_t Lnum2);

private:
    void initUpper();
    void initRight();
    void light(QPushButton* key, bool on);
    void flashKey(QPushButton* key, const std::function<void()>& work = {});

    Ui::Venadro* ui;
    Druvela_workdata* m_link = nullptr;
    QWidget* setWindow = nullptr;
    Set* setContent = nullptr;
    QButtonGroup* mwfGroup = nullptr;
    QTimer* stillTimer = nullptr;
    std::unique_ptr<TbarStroke> m_tbar;

    bool setOpen = false;
    int ch1Index = 0;
    int ch2Index = 0;
    int resoIndex = 0;
    int rateIndex = 0;
    // Picks AUTO's run length; 0 until a rate is shown.
    int rateValue = 0;
    int wipeStep = 0;
    bool wipeAdvance = true;
    bool recOn = false;
    bool rtmpOn = false;
    bool stillOn = false;
    bool afvOn = false;
    bool muteOn = false;
    bool pipOn = false;
    bool popOn = false;
    uint8_t programInput = 0;
    static bool autoLampLit;
};
