#pragma once
// The panel of the 4K edition (device type 0x69): program and preview rows,
// CUT/AUTO/T-bar, MIX, FADE and ten wipe groups, keyer and picture keys,
// audio section, F1..F9, the menu pad, SET and the help link.

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QWidget>
#include <optional>

#include "device_record.h"
#include "edition_windows.h"
#include "ftb_blink.h"
#include "panel_faces.h"
#include "record_apply.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QPushButton;

namespace Ui {
class Corvane;
}

class Corvane : public QWidget
{
    Q_OBJECT

public:
    explicit Corvane(QWidget* parent = nullptr);
    ~Corvane() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // ---- lamps ------------------------------------------------------------
    void set_PGMCH_Style(uchar ch);
    void set_PVWCH_Style(uchar ch);
    void set_Rate_Style(uchar r);
    void setBtnAFVorMIXStyle(uchar v);
    void set_FTB_Style(uchar v);
    void set_Stll_Style(uchar v);
    void set_MUTE_style(uchar v);
    void set_CH1VOL_Style(uchar v);
    void set_CH2VOL_Style(uchar v);
    void set_MasterVOL_Style(uchar v);
    void set_TRANSITONS_Style(uchar id, uchar icon);
    void set_Trans_Style(uchar Trans, uchar wipe, uchar Group0, uchar Group1, uchar Group2, uchar Group3,
                         uchar Group4, uchar Group5, uchar Group6, uchar Group7, uchar Group8, uchar Group9);
    void set_Function_Enable(uint8_t idx, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);

    void on_Style_btnMUTE(bool on);
    void on_Style_btnSRC1(bool on);
    void on_Style_btnSRC2(bool on);
    void on_Style_btnCH1_VOL_ADD(bool on);
    void on_Style_btnCH1_VOL_SUB(bool on);
    void on_Style_btnCH2_VOL_ADD(bool on);
    void on_Style_btnCH2_VOL_SUB(bool on);
    void on_Style_btnF1(bool on);
    void on_Style_btnF2(bool on);
    void on_Style_btnF3(bool on);
    void on_Style_btnF4(bool on);
    void on_Style_btnF5(bool on);
    void on_Style_btnF6(bool on);
    void on_Style_btnF7(bool on);
    void on_Style_btnF8(bool on);
    void on_Style_btnF9(bool on);
    void on_Style_btnSTILL(bool on);
    void on_Style_btnPattern(bool on);
    void on_Style_btnPIP(bool on);
    void on_Style_btnPOP(bool on);
    void on_Style_btnKey1(bool on);
    void on_Style_btnKey2(bool on);
    void on_Style_btnKey3(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btnFTB(bool on);
    void on_Style_label_lightUP(bool on);
    void on_Style_label_lightDown(bool on);

    // Transition faces: MIX 0, FADE 1, wipe groups 2..11.
    void on_Style_btnTransitions_green(int id);
    void on_Style_btnpgm_red(int id);     // 1..4, 9
    void on_Style_btnpvw_green(int id);   // 1..4, 9
    void on_Style_btnRate_green(int r);   // 0..2
    void on_Style_btnAFV_green();
    void on_Style_btnAUDIOMIX_green();

    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void init_AFVorMix_style();
    void init_btnTRANSITONSStyle();
    void init_function_style();

    // ---- replies ----------------------------------------------------------
    void getDate(const QByteArray& by);
    void getTXSliderDate(const QByteArray& by);
    void getPOPWinState(const QByteArray& by);
    void getDevVersionState(const QByteArray& by);
    void setDevInitState();
    void updateDevState();

    // The controller and the settings windows, for the opener and for tests.
    onlyFun* controller() const { return m_fun; }
    MainMenu* mainMenu() const { return m_pages.menu; }
    AUDIO_PAGE* audioPage() const { return m_pages.audio; }
    PIP_PAGE* pipPage() const { return m_pages.pip; }
    KEY_PAGE* lumaPage() const { return m_pages.luma; }
    KEY_PAGE* chromaPage() const { return m_pages.chroma; }
    PATTERN_PAGE* patternPage() const { return m_pages.pattern; }
    bool ftbBlinking() const { return m_ftb.running(); }
    bool muteOn() const { return m_muteOn != 0; }
    bool hasPreviousDump() const { return m_previous.has_value(); }

    // The face shown for a wipe group (1..10) with the given lit state.
    static QString wipeFaceStyle(int group, bool lit);

signals:
    void ExitSignals();
    void show_mic_cfg(bool Enable);
    void show_lnge_cfg(bool Enable);

public slots:
    void m_on_btnGrp_PGM_clicked(uint8_t id);
    void m_on_btnGrp_PVW_clicked(uint8_t id);
    void m_on_btnGrp_Rate_clicked(uint8_t id);
    void m_on_btnGrp_AFVorMix_clicked(uint8_t id);
    void m_on_btnCut_clicked();
    void m_on_timerour_FTB();
    void do_btnBack_clicked();

private slots:
    // Connected by name by the form.
    void on_btnSet_clicked();
    void on_btn_help_clicked();
    void on_btn_ftb_clicked();
    void on_btn_still_clicked();
    void on_btn_mute_clicked();
    void on_btn_src1_clicked();
    void on_btn_src2_clicked();
    void on_btn_ch1_vol_sub_clicked();
    void on_btn_ch1_vol_add_clicked();
    void on_btn_ch2_vol_sub_clicked();
    void on_btn_ch2_vol_add_clicked();
    void on_btn_key_pattern_clicked();
    void on_btn_F1_clicked();
    void on_btn_F2_clicked();
    void on_btn_F3_clicked();
    void on_btn_F7_clicked();

private:
    void init_widget();
    void init_button_style();
    void init_label_style();
    void init_transitions();
    void init_pgm_pvw();
    void init_audio_verticalSlider();
    void init_bus_verticalSlider();
    void init_Toggle_key();
    void init_function();
    void init_AFVorMIXfunction();
    void init_connect();

    void showFace(QWidget* w, bool on);
    void unlightGroup(QButtonGroup* group);
    // Every key of the group shown once, the key with id lit lit.
    void showRow(QButtonGroup* group, int lit);
    void showTransitions(int lit);
    void showFunction(int lit);
    bool flashKey(void (Corvane::*style)(bool), unsigned ms);
    void init_record_targets();

    Ui::Corvane* ui = nullptr;
    onlyFun* m_fun = nullptr;
    EditionWindows m_pages;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpFunction = nullptr;
    QButtonGroup* m_grpAFVorMix = nullptr;

    FtbBlink m_ftb;
    uint8_t m_stillOn = 0;
    uint8_t m_muteOn = 0;

    // The dump being applied and the last one applied, kept for comparison.
    DevState::StateDump m_dump;
    std::optional<DevState::StateDump> m_previous;
    DevState::RecStreamStatus m_recStream;
    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;

    QHash<const QWidget*, PanelFaces::Face> m_faces;
};
