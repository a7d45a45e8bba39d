#pragma once
// The Sarnowe model's panel: the Druvela design with four inputs and the
// colour bar, no camera block or joystick, the edition panels' audio keys
// (an AFV/MIX pair, MUTE, sources showing the channel pictures, volume
// steps), a resolution key and recorder keys the model table may switch off.
// Only what differs from the Druvela panel is written here.

#include "family_panel.h"
#include "ftb_blink.h"
#include "record_apply.h"

#include <QByteArray>
#include <QWidget>

#include <cstdint>

class QButtonGroup;

namespace Ui {
class Sarnowe;
}

class Sarnowe : public QWidget
{
    Q_OBJECT

public:
    explicit Sarnowe(QWidget* parent = nullptr);
    ~Sarnowe() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // ---- lamps ----------------------------------------------------------------
    void on_Style_btnMUTE(bool on);
    void on_Style_btnSRC1(bool on);
    void on_Style_btnSRC2(bool on);
    void on_Style_btnCH1_VOL_ADD(bool on);
    void on_Style_btnCH1_VOL_SUB(bool on);
    void on_Style_btnCH2_VOL_ADD(bool on);
    void on_Style_btnCH2_VOL_SUB(bool on);
    void on_Style_btnRec(bool on);
    void on_Style_btnPause(bool on);
    void on_Style_btnStream(bool on);
    void on_Style_btnF4(bool on);
    void on_Style_btnLNGE(bool on);
    void on_Style_btnMIC(bool on);
    void on_Style_btnSTILL(bool on);
    void on_Style_btnFTB(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);

    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void init_AFVorMix_style();
    void init_btnTRANSITONSStyle();
    void init_function_style();

    // ---- rows and device state ----------------------------------------------
    void set_PGMCH_Style(uchar ch);  // 1..4, bar 9
    void set_PVWCH_Style(uchar ch);
    void set_Rate_Style(uchar r);
    void set_TRANSITONS_Style(uchar id, uchar icon);
    void set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                         uchar g7, uchar g8, uchar g9, uchar g10);
    void set_FTB_Style(uchar v);
    void set_Stll_Style(uchar v);
    void set_CH1VOL_Style(uchar v);
    void set_CH2VOL_Style(uchar v);
    void set_MasterVOL_Style(uchar v);

    void getTXSliderDate(const QByteArray& by);
    void getPOPWinState(const QByteArray& by);
    void getDevVersionState(const QByteArray& by);

    onlyFun* controller() const { return m_kit.fun; }
    MainMenu* mainMenu() const { return m_kit.pages.menu; }
    bool muteOn() const { return m_muteOn != 0; }
    bool ftbBlinking() const { return m_ftb.running(); }

signals:
    void ExitSignals();
    void show_lnge_cfg(bool Enable);
    void show_mic_cfg(bool Enable);

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_Rate_clicked(uint8_t id);
    void m_on_btnGrp_AFVorMix_clicked(uint8_t id);
    void m_on_btnCut_clicked();
    void on_btn_ftb_clicked();
    void m_on_timerour_FTB();
    void on_btn_still_clicked();
    void on_btn_src1_clicked();
    void on_btn_src2_clicked();
    void on_btnSet_clicked();
    void getDate(const QByteArray& by);
    void set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);
    void setBtnAFVorMIXStyle(uint8_t mode);
    void on_btn_mute_clicked();
    void set_MUTE_style(uint8_t on);
    void on_btn_ch1_vol_sub_clicked();
    void on_btn_ch1_vol_add_clicked();
    void on_btn_ch2_vol_sub_clicked();
    void on_btn_ch2_vol_add_clicked();
    void set_Rec_Enable(bool on);
    void on_btn_lnge_cfg_clicked();
    void on_btn_mic_cfg_clicked();
    void on_btn_F4_clicked();

private:
    void init_widget();
    void init_button_style();
    void init_faces();
    void init_label_style();
    void init_pgm_pvw();
    void init_Toggle_key();
    void init_AFVorMIXfunction();
    void init_connect();
    void init_record_fields();
    FamilyPanel::FunctionKeys functionKeys() const;

    Ui::Sarnowe* ui = nullptr;
    FamilyPanel m_kit;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpFunction = nullptr;
    QButtonGroup* m_grpAFVorMix = nullptr;

    FtbBlink m_ftb;
    uint8_t m_stillOn = 0;
    uint8_t m_muteOn = 0;

    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;
};
