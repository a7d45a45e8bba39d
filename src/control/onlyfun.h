#pragma once

// Per-panel controller: turns panel actions into commands, relays the device's
// replies, keeps the device alive with a heartbeat and ends the panel run when
// the device goes silent. Every operation is a plain member function; the
// panels and settings windows connect to them by member-function pointer.

#include <QByteArray>
#include <QObject>
#include <QString>

#include <cstdint>

class Druvela_workdata;
class MyButton;
class QLabel;
class QTimer;

class onlyFun : public QObject
{
    Q_OBJECT

public:
    explicit onlyFun(QObject* parent = nullptr);
    ~onlyFun() override;

    // The command layer this controller owns.
    Druvela_workdata* link() const { return m_link; }

    // ---- life, heartbeat, common -------------------------------------------
    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);
    void sendHEART();
    void judgHEART();
    void getHeart(QByteArray const& data);
    void btnReset_clicked();

    // Waits ms milliseconds on a monotonic clock while events keep running.
    static void Delay_MSec(unsigned int ms);
    // The same wait; returns false when owner was destroyed meanwhile, in which
    // case the caller must not touch it any more.
    static bool Delay_MSec(QObject* owner, unsigned int ms);

    static int ValueChgInRange(int value, int step, int min, int max, bool up, bool wrap);

    void setBottonFun(MyButton* set, MyButton* read, MyButton* exit, QLabel* version);
    QString setColorWhite();
    QString setColorRed();
    QString setColorGreen();
    QString setColorYellow();
    void m_on_btnSet_clicked();
    void m_on_btn_ds_clicked();

    // ---- buses, transition controls, audio ---------------------------------
    void m_on_btnGrp_PGM_clicked(uchar ch);
    void m_on_btnGrp_PVW_clicked(uchar ch);
    void m_on_btnCut_clicked();
    void m_on_btnAuto_clicked();
    void m_on_btn_ftb_clicked();
    void m_on_btnGrp_Rate_clicked(uchar r);
    void m_on_btn_still_clicked();
    void m_on_btn_still_clicked_data1();
    void m_on_btn_still_clicked_data2();
    void m_on_verticalSlider_1_valueChanged(int v);
    void m_on_verticalSlider_2_valueChanged(int v);
    void m_on_verticalSlider_3_valueChanged(int v);
    void m_on_verticalSlider_master_valueChanged(int v);
    void m_on_btn_ch1_vol_sub_clicked();
    void m_on_btn_ch1_vol_add_clicked();
    void m_on_btn_ch2_vol_sub_clicked();
    void m_on_btn_ch2_vol_add_clicked();
    void m_on_btn_ch1_clicked();
    void m_on_btn_ch2_clicked();
    void m_on_btn_ch3_clicked();
    void m_on_btn_master_clicked();
    void m_on_btn_src1_clicked();
    void m_on_btn_src2_clicked();
    void m_on_btn_src3_clicked();
    void m_on_btn_afv_mix_clicked();
    void m_on_btn_AFVorMIX_clicked(uchar id);
    void m_on_btn_ADUIO_MUTE_clicked();
    void m_on_btn_lnge_cfg_clicked();
    void m_on_btn_mic_cfg_clicked();

    // ---- recorder, stream, menu keys, functions, display -------------------
    void m_on_btn_rec_clicked();
    void m_on_btn_pause_clicked();
    void m_on_btn_stream_clicked();
    void btn_btnUSB_clicked();
    void btn_btnSSD_clicked();
    void btn_btnPlay_Pause_clicked();
    void btn_btnPrv_clicked();
    void btn_btnNext_clicked();
    void on_btnclicked_MenuUP_Pressed();
    void on_btnclicked_MenuUP_Released();
    void on_btnclicked_Menu_Pressed();
    void on_btnclicked_Menu_Released();
    void on_btnclicked_MenuDOWN_Pressed();
    void on_btnclicked_MenuDOWN_Released();
    void on_btnclicked_MenuLEFT_Pressed();
    void on_btnclicked_MenuLEFT_Released();
    void on_btnclicked_MenuRIGHT_Pressed();
    void on_btnclicked_MenuRIGHT_Released();
    void m_on_btnGrp_Function_clicked(uchar id);
    void m_on_btnF7_clicked();
    void btn_pattern_pressed();
    void btn_pattern_released();
    void m_on_btn_aux_clicked();
    void m_on_btn_hdr_on_clicked();
    void m_on_btn_hdr_cfg_clicked();
    void m_on_btn_hdr_cfg_valueChanged(int v);
    void m_on_btn_reso_clicked();
    void PGM_currentIndexChanged(int i);
    void m_on_btn_DPorHDMI_clicked();

    // ---- camera keys --------------------------------------------------------
    void m_on_btn_cam_meun_clicked();
    void m_on_btnGrp_Cam_clicked(uchar id);
    void m_on_btn_z_add_pressed();
    void m_on_btn_z_add_released();
    void m_on_btn_z_sub_pressed();
    void m_on_btn_z_sub_released();
    void m_on_btn_focus_add_pressed();
    void m_on_btn_focus_add_released();
    void m_on_btn_focus_sub_pressed();
    void m_on_btn_focus_sub_released();
    void m_on_btn_grpsw_clicked();
    void m_on_btnGrp_Cal_clicked(uchar n);
    void m_on_btn_cal_cam_clicked();
    void m_on_btn_cal_nom_clicked();
    void m_on_btn_set_preset_clicked();
    void m_on_btn_clear_preset_clicked();
    void m_on_btn_goto_preset_clicked();
    void m_on_btn_set_preset_pressed();
    void m_on_btn_set_preset_released();
    void m_on_btn_goto_preset_pressed();
    void m_on_btn_goto_preset_released();

    // ---- settings window and settings pages (all guarded) ------------------
    // Operations fed by a list's current index take an int: an empty list
    // reports -1, which is refused rather than sent as 255.
    void GPI1_CurrentIndexChanged(int index);
    void GPI2_CurrentIndexChanged(int index);
    void GPI3_CurrentIndexChanged(int index);
    void GPI4_CurrentIndexChanged(int index);
    void GPI5_CurrentIndexChanged(int index);
    void GPI6_CurrentIndexChanged(int index);
    void setFAN_mod(int v);
    void setFAN_speed(ushort v);
    void setStreamData(uchar index, uchar name_len, char* name, ushort url_len, char* rtmp_url);
    // Selects the stream slot (not while a reply is applied) and reads it back
    // kStreamReadBackMs later, from the event loop; never once this controller is gone.
    void setStreamIndex(int index);
    static constexpr int kStreamReadBackMs = 100;
    void setStreamRtmpRate(int v);
    void setVideoQuality(int v);
    void readStreamData(int index);
    // Packs "a.b.c.d" into four bytes; empty when the text is not such an
    // address (fewer than four parts, a part that is not a number 0..255).
    static QByteArray packIP_INFO(QString s);
    void btnSaveIP_clicked(QString strIP, QString strSubnet, QString strGateway, uchar static_dynamic);
    void btnSaveIP_clicked_DNS(QString strIP, QString strSubnet, QString strGateway, QString strNDS,
                               uchar static_dynamic);
    void SetAUDIO_PAGE(uchar item, int value);
    void setSpboxHPosition(int v);
    void setSpboxVPosition(int v);
    void setCoboxSize(int v);
    void setCoboxBorder_Enable(int v);
    void setSpboxBorder_Width(int v);
    void setCoboxBorder_Color(int v);
    void setlwindowindex();
    void setPOP_SpboxHPosition(int v);
    void setPOP_SpboxVPosition(int v);
    void setbtnBorder_Enable();
    // The border state the device reports: the toggle and its text follow it, nothing is sent.
    void applyPopBorderState(bool on);
    void setPOP_SpboxBorder_Width(int v);
    void setPOP_CoboxBorder_Color(int v);
    void setQComboxBaud(int v);
    void setQComboxProtocol(int v);
    void setQEditRotationRote(int v);
    void setSpboxZOOM(int v);
    void getKeyName(QString name);
    void setSpbox_Level(int v);
    void setCoboxbackground_Color(int i);
    void setSpboxPattern_Value(int v);
    void setSpboxPatternHPosition(int v);
    void setSpboxPatternVPosition(int v);
    void setSpboxPattern_Size(int v);
    void setSpboxPatternHStretching(int v);
    void setSpboxPatternVStretching(int v);
    void setSpboxPattern_Num(int v);
    void getJoystickPoint(uchar x, uchar y);

    // ---- transitions and T-bar ---------------------------------------------
    void m_on_btnGrp_TRANSITONS_clicked(uchar id);
    void set_TRANSITONS_Style(uchar id);
    void setslider0(int v);
    void setslider1(int v);
    void setSliderDirection(uchar dir, uchar pos);

    // ---- device state handed back (these send nothing) ---------------------
    void set_CH1_Style(uchar code);
    void set_CH2_Style(uchar code);
    void set_CH3_Style(uchar code);
    void set_AFVorMIX_Style(uchar v);
    void setRecStreamEnable(uchar rec, uchar pause, uchar stream);
    void set_Rec_Style(uchar v);
    void set_Pause_Style(uchar v);
    void set_Stream_Style(uchar v);
    void set_FUNCTION_Style(uchar pip, uchar pop, uchar luma, uchar chroma, uchar pattern);
    void set_btnF7_state(uchar mode);
    void set_aux_state(uchar v);
    void setGROUPStyle(uchar v);
    void setHDR_ON_Style(uchar v);
    void set_CAMMENU_Style(uchar on, uchar cam);
    void set_Trans_Style(uchar Trans, uchar wipe, uchar Group0, uchar Group1, uchar Group2, uchar Group3,
                         uchar Group4, uchar Group5, uchar Group6, uchar Group7, uchar Group8, uchar Group9);
    void set_POP_WIN_Style(uchar v);
    void POP_CUT_WindowMode(uchar m);
    void POP_CUT_Win();

    // ---- read-only view of the controller state ----------------------------
    uint8_t ch1Level() const { return m_ch1Level; }
    uint8_t ch2Level() const { return m_ch2Level; }
    uint8_t hdrConfiguration() const { return m_hdrCfg; }
    uint8_t hdrOn() const { return m_hdrOn; }
    uint8_t f7Mode() const { return m_f7Mode; }
    bool popControlsEnabled() const { return m_popCtrlEnabled != 0; }
    uint8_t popWindowMode() const { return m_popWinMode; }
    uint32_t selectedIcon() const { return m_selectedIcon; }
    uint32_t wipeCode() const { return m_wipeCode; }
    int srcIndex(int channel) const;
    const uint32_t* sourceTable() const { return m_srcTable; }
    int sourceTableLength() const { return m_srcTableLen; }
    bool recording() const { return m_recording != 0; }
    bool paused() const { return m_pause != 0; }
    bool streaming() const { return m_streaming != 0; }
    QString keyName() const { return m_keyName; }
    bool heartbeatRunning() const;

signals:
    void getDateSignals(QByteArray by);
    void getTXSliderDateSignals(QByteArray by);
    void getPOPWinStateSignals(QByteArray by);
    void getDevVersionStateSignals(QByteArray by);
    void AFV_MIX_Enable_Signals(bool bl);
    void m_on_Style_btnAuto(bool bl);
    void m_on_Style_btnStream_Signals(bool bl);
    void m_on_Style_btnRec_Signals(bool bl);
    void m_on_Style_btnPause_Signals(bool bl);
    void set_Function_EnableSignals(uint8_t idx, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);
    void set_CAMMENU_StyleSignals(uint8_t Enable, uint8_t idx);
    void Send_ICON_CURRENT_INDEX(uint8_t idx, uint8_t value);
    void Send_Trans_Style(uint8_t Trans, uint8_t wipe, uint8_t Group0, uint8_t Group1, uint8_t Group2,
                          uint8_t Group3, uint8_t Group4, uint8_t Group5, uint8_t Group6, uint8_t Group7,
                          uint8_t Group8, uint8_t Group9);
    void POP_CUT_WindowSignals(bool bl);
    void setWinText(QString str);
    void setWinBorderText(QString str);
    void setHDR_ON_EnableSignals(bool bl);
    void ExitSignals();
    void setSlider1Vol(uint8_t vol);
    void setSlider2Vol(uint8_t vol);
    void setGROUPStyleSignals(bool bl);
    void set_aux_state_signals(bool bl);
    void setF7Widget(uint8_t idx, bool state1, bool state2);
    void setlightStyle(bool bl);
    void getStreamData(QByteArray data);

private:
    void init();
    void init_data();
    void stepSource(int& index, void (Druvela_workdata::*send)(unsigned char));
    void stepVolume(uint8_t& level, int fader, bool up);
    void toggleKey(uint8_t& state, void (onlyFun::*restyle)(bool), void (Druvela_workdata::*send)(unsigned char));
    void recorderKeyDone();
    void sendTbar(uchar direction, uchar value, bool light);
    void applySourcePosition(int& index, uchar code);
    void selectOrAdvance(int group);
    bool guardRaised() const;

    Druvela_workdata* m_link = nullptr;
    int m_src1Index = 0;
    int m_src2Index = 0;
    int m_src3Index = 0;
    int m_srcStep = 1;
    int m_srcWrapIndex = 0;
    int m_srcTableLen = 0;
    uint8_t m_afvMix = 0;
    uint8_t m_tbarTop = 0;
    uint8_t m_tbarBottom = 0;
    uint8_t m_tbarReverse = 0;
    uint32_t m_tbarForwardStarted = 0;
    uint32_t m_tbarReverseStarted = 0;
    uint8_t m_recording = 0;
    uint8_t m_pause = 0;
    uint8_t m_streaming = 0;
    uint8_t m_pip = 0;
    uint8_t m_pop = 0;
    uint8_t m_luma = 0;
    uint8_t m_chroma = 0;
    uint8_t m_pattern = 0;
    uint8_t m_aux = 0;
    uint8_t m_camMenu = 0;
    uint32_t m_rememberedIcon = 0;
    uint32_t m_wipeCode = 0;
    uint32_t m_selectedIcon = 0;
    uint8_t m_popWinMode = 1;
    uint8_t m_popCutWinMode = 0;
    uint8_t m_popWinToggle = 0;
    uint8_t m_popCtrlEnabled = 0;
    uint8_t m_popBorder = 0;
    QString m_keyName;
    uint8_t m_hdrOn = 0;
    uint8_t m_hdrCfg = 1;
    uint8_t m_ch1Level = 0;
    uint8_t m_ch2Level = 0;
    QTimer* m_heartTimer = nullptr;
    QTimer* m_checkTimer = nullptr;
    uint8_t m_heartReceived = 0;
    const uint32_t* m_srcTable = nullptr;
    uint8_t m_camGroup = 0;
    QString m_styleWhite;
    QString m_styleRed;
    QString m_styleGreen;
    QString m_styleYellow;
    uint8_t m_f7Mode = 0;
};
