#pragma once
// The Druvela model's panel: six inputs and a colour bar on the program and
// preview rows, MIX, FADE and ten wipe groups, rates, CUT, AUTO and the T-bar,
// FTB and STILL, the function row, a two-channel audio mixer, recorder and
// stream keys, LINE and MIC settings, AUX, camera keys with zoom and the
// joystick. The other model panels are built the same way.

#include "family_panel.h"
#include "ftb_blink.h"
#include "record_apply.h"

#include <QByteArray>
#include <QWidget>

#include <cstdint>

class QButtonGroup;

namespace Ui {
class Druvela;
}

class Druvela : public QWidget
{
    Q_OBJECT

public:
    explicit Druvela(QWidget* parent = nullptr);
    ~Druvela() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // ---- lamps: one key lit or unlit ----------------------------------------
    void on_Style_btnCH1(bool on);
    void on_Style_btnCH2(bool on);
    void on_Style_btnMASTER(bool on);
    void on_Style_btnSRC1(bool on);
    void on_Style_btnSRC2(bool on);
    void on_Style_btnAFV(bool afv);  // lit: green "AFV"; unlit: white "MIX"
    void on_Style_btnRec(bool on);
    void on_Style_btnPause(bool on);
    void on_Style_btnStream(bool on);
    void on_Style_btnLNGE(bool on);
    void on_Style_btnMIC(bool on);
    void on_Style_btnAux(bool on);
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

    // One key of a row lit, by its id in the row's group; callers reset the row first.
    void on_Style_btnpgm_red(int id);          // 1..6, 9
    void on_Style_btnpvw_green(int id);        // 1..6, 9
    void on_Style_btnRate_green(int r);        // 0..2
    void on_Style_btnCam_green(int cam);       // 1..6
    void on_Style_btnTransitions_green(int id); // MIX 0, FADE 1, wipe groups 2..11

    // Rows unlit.
    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void init_btnCamStyle();
    void init_btnTRANSITONSStyle();
    void init_function_style();

    // ---- rows and device state ----------------------------------------------
    void set_PGMCH_Style(uchar ch);
    void set_PVWCH_Style(uchar ch);
    void set_Rate_Style(uchar r);
    void set_Cam_Style(uchar cam);
    void cam_menu_ctl(bool on);
    void set_TRANSITONS_Style(uchar id, uchar icon);
    void set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                         uchar g7, uchar g8, uchar g9, uchar g10);
    void set_Trans_Group_Style(uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6, uchar g7,
                               uchar g8, uchar g9, uchar g10);
    void set_AFVorMIX_Enable(bool mix);
    void set_CAMMENU_Style(uchar on, uchar cam);
    void set_FTB_Style(uchar v);
    void set_Stll_Style(uchar v);
    void set_CH1_Enable(uchar v);
    void set_CH2_Enable(uchar v);
    void set_Master_Enable(uchar v);
    void set_CH1VOL_Style(uchar v);
    void set_CH2VOL_Style(uchar v);
    void set_MasterVOL_Style(uchar v);

    void getTXSliderDate(const QByteArray& by);
    void getPOPWinState(const QByteArray& by);
    void getDevVersionState(const QByteArray& by);

    // The controller and the settings windows, for the opener and for tests.
    onlyFun* controller() const { return m_kit.fun; }
    MainMenu* mainMenu() const { return m_kit.pages.menu; }
    AUDIO_PAGE* audioPage() const { return m_kit.pages.audio; }
    CAM_PAGE* camPage() const { return m_kit.pages.cam; }
    PIP_PAGE* pipPage() const { return m_kit.pages.pip; }
    KEY_PAGE* lumaPage() const { return m_kit.pages.luma; }
    KEY_PAGE* chromaPage() const { return m_kit.pages.chroma; }
    bool ftbBlinking() const { return m_ftb.running(); }
    bool ch1On() const { return m_ch1On != 0; }
    bool ch2On() const { return m_ch2On != 0; }
    bool masterOn() const { return m_masterOn != 0; }
    bool stillOn() const { return m_stillOn != 0; }

    // The face a wipe group (1..10) shows, lit or unlit, at its stored effect.
    QString wipeFaceStyle(int group, bool lit) const;

signals:
    void ExitSignals();
    void show_lnge_cfg(bool Enable);
    void show_mic_cfg(bool Enable);

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_Rate_clicked(uint8_t id);
    void m_on_btnGrp_Cam_clicked(uint8_t id);
    void on_btn_ftb_clicked();
    void m_on_timerour_FTB();
    void on_btn_still_clicked();
    void on_btn_aux_clicked();
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
    void on_btn_lnge_cfg_clicked();
    void on_btn_mic_cfg_clicked();
    void on_btn_cut_clicked();

private:
    void init_widget();
    void init_button_style();
    void init_faces();
    void init_label_style();
    void init_transitions();
    void init_pgm_pvw();
    void init_audio_verticalSlider();
    void init_bus_verticalSlider();
    void init_Toggle_key();
    void init_btn_Cam();
    void init_function();
    void init_connect();
    void init_record_fields();

    FamilyPanel::FunctionKeys functionKeys() const;

    Ui::Druvela* ui = nullptr;
    FamilyPanel m_kit;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpCam = nullptr;
    QButtonGroup* m_grpFunction = nullptr;

    FtbBlink m_ftb;
    uint8_t m_ch1On = 0;
    uint8_t m_ch2On = 0;
    uint8_t m_masterOn = 0;
    uint8_t m_stillOn = 0;

    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;
};
