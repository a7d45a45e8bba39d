#pragma once
// The Kavrelo model's panel: the Druvela design with twelve inputs and no
// colour bar, a third audio channel, AUX choosing yellow preview faces, and a
// camera block with focus, group switch, a numeric keypad and three preset
// keys that blink. Only what differs from the Druvela panel is written here;
// the rest comes from FamilyPanel.

#include "family_panel.h"
#include "ftb_blink.h"
#include "record_apply.h"

#include <QByteArray>
#include <QWidget>

#include <cstdint>

class QButtonGroup;

namespace Ui {
class Kavrelo;
}

class Kavrelo : public QWidget
{
    Q_OBJECT

public:
    explicit Kavrelo(QWidget* parent = nullptr);
    ~Kavrelo() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // ---- lamps: one key lit or unlit ----------------------------------------
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnCH3(bool on);
    void on_Style_btnMASTER(bool on);
    void on_Style_btnSRC1(bool on);
    void on_Style_btnSRC2(bool on);
    void on_Style_btnSRC3(bool on);
    void on_Style_btnAFV(bool afv);
    void on_Style_btnRec(bool on);
    void on_Style_btnPause(bool on);
    void on_Style_btnStream(bool on);
    void on_Style_btnAux(bool on);
    void on_Style_btnSTILL(bool on);
    void on_Style_btnCamMeun(bool on);
    void on_Style_btnFTB(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btn_z_add(bool on);
    void on_Style_btn_z_sub(bool on);
    void on_Style_btn_f_add(bool on);
    void on_Style_btn_f_sub(bool on);
    void on_Style_btnSet_preset(bool on);
    void on_Style_btnClear_preset(bool on);
    void on_Style_btnGoto_preset(bool on);
    void on_Style_btn_speed(bool on);
    void on_Style_btn_menu(bool on);
    void on_Style_btnShitf(bool on);

    // Rows unlit.
    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void init_btnCamStyle();
    void init_btnCalStyle();
    void init_btnTRANSITONSStyle();
    void init_function_style();

    // ---- rows and device state ----------------------------------------------
    void set_PGMCH_Style(uchar ch);  // 1..12 red
    void set_PVWCH_Style(uchar ch);  // 1..12 yellow while AUX is on, else green
    void set_Rate_Style(uchar r);
    void set_Cam_Style(uchar cam);
    void cam_menu_ctl(bool on);
    void set_TRANSITONS_Style(uchar id, uchar icon);
    void set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                         uchar g7, uchar g8, uchar g9, uchar g10);
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
    void set_set_preset_Style(uchar v);
    void set_clear_preset_Style(uchar v);
    void set_goto_preset_Style(uchar v);
    void on_Style_btn_grpsw(bool on);

    void getTXSliderDate(const QByteArray& by);
    void getPOPWinState(const QByteArray& by);
    void getDevVersionState(const QByteArray& by);

    onlyFun* controller() const { return m_kit.fun; }
    MainMenu* mainMenu() const { return m_kit.pages.menu; }
    CAM_PAGE* camPage() const { return m_kit.pages.cam; }
    bool ftbBlinking() const { return m_ftb.running(); }
    // SET, CLEAR, GOTO PRESET (0..2) blinking.
    bool presetBlinking(int which) const { return m_presets[size_t(which)].running(); }
    bool auxOn() const { return m_auxOn != 0; }
    bool ch3On() const { return m_ch3On != 0; }

signals:
    void ExitSignals();

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_Rate_clicked(uint8_t id);
    void m_on_btnGrp_Cam_clicked(uint8_t id);
    void m_on_btnGrp_Cal_clicked(uint8_t d);
    void on_btn_ftb_clicked();
    void m_on_timerour_FTB();
    void on_btn_still_clicked();
    void on_btn_ch1_clicked();
    void on_btn_ch2_clicked();
    void on_btn_master_clicked();
    void on_btn_src1_clicked();
    void on_btn_src2_clicked();
    void on_btn_z_add_pressed();
    void on_btn_z_add_released();
    void on_btn_z_sub_pressed();
    void on_btn_z_sub_released();
    void on_btnSet_clicked();
    void getDate(const QByteArray& by);
    void set_Rec_Enable(bool on);
    void set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);
    void on_btn_cut_clicked();
    void on_btn_ch3_clicked();
    void on_btn_src3_clicked();
    void on_btn_focus_add_pressed();
    void on_btn_focus_add_released();
    void on_btn_focus_sub_pressed();
    void on_btn_focus_sub_released();
    void on_btn_set_preset_clicked();
    void on_btn_clear_preset_clicked();
    void on_btn_goto_preset_clicked();
    void set_aux_state(uint8_t v);

private:
    enum Preset { SetPreset, ClearPreset, GotoPreset };

    void init_widget();
    void init_button_style();
    void init_faces();
    void init_label_style();
    void init_pgm_pvw();
    void init_sliders();
    void init_Toggle_key();
    void init_btn_Cal();
    void init_btn_Cam();
    void init_connect();
    void init_record_fields();

    // An operator's preset key: the other two stop, this one toggles.
    void clickPreset(Preset p);
    // The device's word for one preset key: 1 blinks, 0 stops.
    void followPreset(Preset p, uchar v) { m_presets[p].follow(v); }
    // Device record bytes 111..119 around the shared fields.
    void applyAuxAndRows(const DevState::Record& r);
    void applyCameraExtras(const DevState::Record& r);
    FamilyPanel::FunctionKeys functionKeys() const;

    Ui::Kavrelo* ui = nullptr;
    FamilyPanel m_kit;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpPVWAux = nullptr;  // the same keys with their AUX faces
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpCam = nullptr;
    QButtonGroup* m_grpCal = nullptr;
    QButtonGroup* m_grpFunction = nullptr;

    FtbBlink m_ftb;
    std::array<FtbBlink, 3> m_presets;
    uint8_t m_ch1On = 0;
    uint8_t m_ch2On = 0;
    uint8_t m_ch3On = 0;
    uint8_t m_masterOn = 0;
    uint8_t m_stillOn = 0;
    uint8_t m_auxOn = 0;

    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;
};
