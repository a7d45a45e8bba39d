#pragma once
// The window every model panel (HD and 4K families) is. It owns the kit
// (FamilyPanel: controller, settings windows, faces), the key rows, the lamps
// of the keys the panels' forms name alike, the row and device-state
// operations, those keys' own operator actions, the four reply slots and the
// accessors, under the names the panels share, so that the controller's
// signals, the wiring blocks of panel_wiring.h and the tests reach them on
// any panel.
//
// How a panel uses it:
// - Derive from it, naming the last state-dump byte the panel reads and where
//   its version reply starts (DevState::kVersionFirstByte, or the 4K family's
//   k4kFamilyVersionFirstByte); in the constructor build the form
//   (setupUi(this)), then call build(), which runs the construction steps in
//   the model panels' order. The keys' own actions (flashes, toggles) are
//   connected by the base before the controller's. A panel overrides the
//   steps it fills in (init_label_style, init_pgm_pvw, init_connect, and where
//   it has them init_faces, init_btn_Cam, ...), calling the base's step first
//   where it only adds to it, and uses the step helpers (setInputRows,
//   setCameraRow) and the kit (kit()) for its own keys.
// - The shared keys, faders, T-bar and bottom bar are found by their object
//   names (btn_ch1, btn_hdr_on, verticalSlider_3, btnSet, ...). A key the form
//   lacks stays null: its lamp, flash and state operations do nothing and its
//   own action is never connected. Optional parts therefore need no code: a
//   recording row, an HDR ON key, a third channel, a camera row, the audio page.
// - Where a panel behaves differently, it overrides a hook: set_PVWCH_Style
//   (another face for the lit key), cam_menu_ctl (more camera keys),
//   cameraKeyFor (which key a camera number lights), the transition block's
//   steps and operations (another set of transition keys), applyOwnFirst/
//   applyOwnLast (its own dump bytes around the shared ones),
//   readsRecStreamStatus (the dump's tail); init_record_fields adjusts the
//   fields and targets the shared applier uses.

#include "family_panel.h"
#include "ftb_blink.h"
#include "record_apply.h"

#include <QByteArray>
#include <QVector>
#include <QWidget>

#include <array>
#include <cstdint>

class AUDIO_PAGE;
class CAM_PAGE;
class KEY_PAGE;
class MainMenu;
class PATTERN_PAGE;
class PIP_PAGE;
class POP_PAGE;
class QButtonGroup;
class QSlider;

class FamilyWindow : public QWidget
{
    Q_OBJECT

public:
    ~FamilyWindow() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // ---- lamps: one key lit or unlit (a key the form lacks: nothing) ---------
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnCH3(bool on);
    void on_Style_btnMASTER(bool on);
    void on_Style_btnSRC1(bool on);
    void on_Style_btnSRC2(bool on);
    void on_Style_btnSRC3(bool on);
    void on_Style_btnAFV(bool afv);  // lit: green "AFV"; unlit: white "MIX"
    void on_Style_btnRec(bool on);
    void on_Style_btnPause(bool on);
    void on_Style_btnStream(bool on);
    void on_Style_btnLNGE(bool on);
    void on_Style_btnMIC(bool on);
    void on_Style_btnAux(bool on);
    void on_Style_btnHDR_ON(bool on);
    void on_Style_btnSTILL(bool on);
    void on_Style_btnCamMeun(bool on);
    void on_Style_btnPIP(bool on);
    void on_Style_btnPOP(bool on);
    void on_Style_btnKey1(bool on);
    void on_Style_btnKey2(bool on);
    void on_Style_btnKey3(bool on);
    void on_Style_btnFTB(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btn_z_add(bool on);
    void on_Style_btn_z_sub(bool on);
    void on_Style_btn_f_add(bool on);
    void on_Style_btn_f_sub(bool on);
    void on_Style_btnSet_preset(bool on);
    void on_Style_btnGoto_preset(bool on);
    void on_Style_btnShitf(bool on);

    // One key of a row lit, by its id in the row's group; callers reset the row first.
    void on_Style_btnpgm_red(int id);
    void on_Style_btnpvw_green(int id);
    void on_Style_btnRate_green(int r);          // 0..2
    void on_Style_btnCam_green(int cam);
    void on_Style_btnTransitions_green(int id);  // MIX 0, FADE 1, wipe groups 2..11

    // Rows unlit.
    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void init_btnCamStyle();
    void init_btnCalStyle();
    virtual void init_btnTRANSITONSStyle();
    void init_function_style();

    // The face a wipe group (1..10) shows, lit or unlit, at its stored effect.
    QString wipeFaceStyle(int group, bool lit) const;

    // ---- rows and device state ----------------------------------------------
    void set_PGMCH_Style(uchar ch);
    virtual void set_PVWCH_Style(uchar ch);
    void set_Rate_Style(uchar r);
    void set_Cam_Style(uchar cam);
    // The camera section enabled or not: the camera row and the zoom keys.
    virtual void cam_menu_ctl(bool on);
    // A transition block of other keys than MIX, FADE and the ten wipe groups
    // overrides these and init_transitions.
    virtual void set_TRANSITONS_Style(uchar id, uchar icon);
    virtual void set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                         uchar g7, uchar g8, uchar g9, uchar g10);
    void set_Trans_Group_Style(uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6, uchar g7,
                               uchar g8, uchar g9, uchar g10);
    void set_AFVorMIX_Enable(bool mix);
    void set_CAMMENU_Style(uchar on, uchar cam);
    void set_FTB_Style(uchar v);
    void set_Stll_Style(uchar v);
    void set_CH1_Enable(uchar v);
    void set_CH2_Enable(uchar v);
    void set_CH3_Enable(uchar v);
    void set_Master_Enable(uchar v);
    void set_CH1VOL_Style(uchar v);
    void set_CH2VOL_Style(uchar v);
    void set_CH3VOL_Style(uchar v);
    void set_MasterVOL_Style(uchar v);

    // ---- the shared keys' own actions, connected before the controller's -----
    void on_btn_ftb_clicked();
    void on_btn_still_clicked();
    void on_btn_ch1_clicked();
    void on_btn_ch2_clicked();
    void on_btn_ch3_clicked();
    void on_btn_master_clicked();
    void on_btn_src1_clicked();
    void on_btn_src2_clicked();
    void on_btn_src3_clicked();
    void on_btn_z_add_pressed();
    void on_btn_z_add_released();
    void on_btn_z_sub_pressed();
    void on_btn_z_sub_released();
    void on_btn_focus_add_pressed();
    void on_btn_focus_add_released();
    void on_btn_focus_sub_pressed();
    void on_btn_focus_sub_released();
    void on_btnSet_clicked();
    void on_btn_lnge_cfg_clicked();
    void on_btn_mic_cfg_clicked();
    void on_btn_cut_clicked();

    // ---- replies ----------------------------------------------------------------
    void getTXSliderDate(const QByteArray& by);
    void getPOPWinState(const QByteArray& by);
    void getDevVersionState(const QByteArray& by);

    // The controller and the settings windows, for the opener and for tests.
    onlyFun* controller() const { return m_kit.fun; }
    MainMenu* mainMenu() const { return m_kit.pages.menu; }
    AUDIO_PAGE* audioPage() const { return m_kit.pages.audio; }
    CAM_PAGE* camPage() const { return m_kit.pages.cam; }
    PIP_PAGE* pipPage() const { return m_kit.pages.pip; }
    POP_PAGE* popPage() const { return m_kit.pages.pop; }
    KEY_PAGE* lumaPage() const { return m_kit.pages.luma; }
    KEY_PAGE* chromaPage() const { return m_kit.pages.chroma; }
    PATTERN_PAGE* patternPage() const { return m_kit.pages.pattern; }
    bool ftbBlinking() const { return m_ftb.running(); }
    bool ch1On() const { return m_ch1On != 0; }
    bool ch2On() const { return m_ch2On != 0; }
    bool ch3On() const { return m_ch3On != 0; }
    bool masterOn() const { return m_masterOn != 0; }
    bool stillOn() const { return m_stillOn != 0; }

signals:
    void ExitSignals();
    void show_lnge_cfg(bool Enable);
    void show_mic_cfg(bool Enable);

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_Rate_clicked(uint8_t id);
    void m_on_btnGrp_Cam_clicked(uint8_t id);
    // Keypad digit d: the digits unlit, d lit, a wait, all unlit again.
    void m_on_btnGrp_Cal_clicked(uint8_t d);
    void m_on_timerour_FTB();
    void getDate(const QByteArray& by);
    void set_Rec_Enable(bool on);
    void set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);

protected:
    // lastDumpByte: the last state-dump byte the panel reads (the dump's size
    // rule follows from it); versionFirstByte: the version reply's first value.
    FamilyWindow(QWidget* parent, DevState::LastByte lastDumpByte, int versionFirstByte);

    // The construction steps in the model panels' order, from the panel's
    // constructor right after its form is built.
    void build();

    // ---- construction steps ---------------------------------------------------
    // The controller and settings windows, the joystick (the form's
    // Joystick_PAGE, if any), the shared keys, faders and transition block
    // found by name, and the shared keys' own actions connected.
    virtual void init_widget() { createWindows(); }
    void createWindows(bool withAudioPage = true);
    // The bottom bar and colour suffixes, the faces, then every shared key
    // unlit, the AFV face where the form has the AFV/MIX key (its channel keys
    // then wait for MIX), the transitions and the function row reset.
    virtual void init_button_style();
    // The shared keys' faces; a panel adds its own after these.
    virtual void init_faces();
    virtual void init_label_style() = 0;
    virtual void init_transitions();
    // Calls setInputRows.
    virtual void init_pgm_pvw() = 0;
    void init_audio_verticalSlider();
    void init_bus_verticalSlider();
    // The rate group, its faces reset, CUT and AUTO unlit.
    void init_Toggle_key();
    // A panel with a camera row calls setCameraRow.
    virtual void init_btn_Cam() {}
    virtual void init_function();
    // The controller's wiring, with the blocks of panel_wiring.h.
    virtual void init_connect() = 0;
    // The dump's fields as the Druvela panel applies them, and every settings window as target.
    virtual void init_record_fields();

    // The PGM and PVW rows: key i of each list is input i + 1 with the shared
    // input pictures; a bar key, if any, is id 9. Clicks light the row at once.
    void setInputRows(const QVector<QAbstractButton*>& pgm, const QVector<QAbstractButton*>& pvw,
                      QAbstractButton* pgmBar = nullptr, QAbstractButton* pvwBar = nullptr);
    // The camera row (key i is camera i + 1), unlit and disabled until the camera menu is on.
    void setCameraRow(const QVector<QAbstractButton*>& cameras);
    // The camera keypad (key d is digit d), unlit; a click flashes the digit.
    void setKeypad(const std::array<QAbstractButton*, 10>& digits);

    // The third channel's dump bytes (111..113) for a panel that reads them.
    void applyThirdChannel(const DevState::Record& r);

    // ---- hooks ------------------------------------------------------------------
    // The camera key the device's camera number lights with the camera menu on.
    virtual uchar cameraKeyFor(uchar cam) const { return cam; }
    // The panel's own dump steps, before and after the shared fields, under the
    // guard. The first may wait with events running: the dump stops there when
    // the panel went meanwhile.
    virtual void applyOwnFirst(const DevState::Record&) {}
    virtual void applyOwnLast(const DevState::Record&) {}
    // Whether the dump's record and stream status is applied.
    virtual bool readsRecStreamStatus() const { return true; }
    // The key that shows the pattern's state: KEY3, or another on a form without one.
    virtual QWidget* patternKey() const { return m_keys.key3; }

    FamilyPanel& kit() { return m_kit; }
    QButtonGroup* transitionsGroup() const { return m_grpTransitions; }
    QButtonGroup* pgmGroup() const { return m_grpPGM; }
    QButtonGroup* pvwGroup() const { return m_grpPVW; }
    QButtonGroup* rateGroup() const { return m_grpRate; }
    QButtonGroup* cameraGroup() const { return m_grpCam; }
    QButtonGroup* keypadGroup() const { return m_grpCal; }
    QButtonGroup* functionGroup() const { return m_grpFunction; }
    DevState::PanelFields& recordFields() { return m_recordFields; }
    DevState::RecordTargets& recordTargets() { return m_recordTargets; }

private:
    void setBottomBar();
    void showStartFaces();
    void connectOwnKeys();
    void openAudioRow(QWidget* key, bool line);
    FamilyPanel::FunctionKeys functionKeys() const;

    FamilyPanel m_kit;
    FamilyPanel::CommonKeys m_keys;
    QSlider* m_fader1 = nullptr;
    QSlider* m_fader2 = nullptr;
    QSlider* m_fader3 = nullptr;
    QSlider* m_faderMaster = nullptr;
    QSlider* m_tbar = nullptr;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpCam = nullptr;
    QButtonGroup* m_grpCal = nullptr;
    QButtonGroup* m_grpFunction = nullptr;

    FtbBlink m_ftb;
    uint8_t m_ch1On = 0;
    uint8_t m_ch2On = 0;
    uint8_t m_ch3On = 0;
    uint8_t m_masterOn = 0;
    uint8_t m_stillOn = 0;

    const DevState::LastByte m_lastDumpByte;
    const int m_versionFirstByte;
    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;
};
