#pragma once
// Panel window of the Vy edition (device types 0x27 and 0x28).

#include "device_record.h"
#include "edition_windows.h"
#include "ftb_blink.h"
#include "record_apply.h"
#include "panel_faces.h"

#include <QByteArray>
#include <QWidget>
#include <cstdint>
#include <optional>

class QButtonGroup;
class QPushButton;

namespace Ui {
class Oriskan_NEW;
}

class Oriskan_NEW : public QWidget
{
    Q_OBJECT

public:
    explicit Oriskan_NEW(QWidget* parent = nullptr);
    ~Oriskan_NEW() override;

    void DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d);

    // Replies that are not the state dump.
    void getTXSliderDate(const QByteArray& reply);
    void getPOPWinState(const QByteArray& reply);
    void getDevVersionState(const QByteArray& reply);

    void set_TRANSITONS_Style(uint8_t id, uint8_t icon);
    void set_Trans_Style(uint8_t kind, uint8_t current, uint8_t g1, uint8_t g2, uint8_t g3, uint8_t g4,
                         uint8_t g5, uint8_t g6, uint8_t g7, uint8_t g8, uint8_t g9, uint8_t g10);

    // Faces of single controls (true = lit).
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
    void on_Style_btnSTILL(bool on);
    void on_Style_btnPIP(bool on);
    void on_Style_btnCut(bool on);
    void on_Style_btnAuto(bool on);
    void on_Style_btnFTB(bool on);
    void on_Style_label_lightUP(bool on);
    void on_Style_label_lightDown(bool on);

    // Whole rows unlit.
    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnTRANSITONSStyle();
    void init_btnRateStyle();
    void init_AFVorMix_style();

    // One key of a row lit.
    void on_Style_btnpgm1_red();
    void on_Style_btnpgm2_red();
    void on_Style_btnpgm3_red();
    void on_Style_btnpgm4_red();
    void on_Style_btnpgmbar_red();
    void on_Style_btnpvw1_green();
    void on_Style_btnpvw2_green();
    void on_Style_btnpvw3_green();
    void on_Style_btnpvw4_green();
    void on_Style_btnpvwbar_green();
    void on_Style_btnRate1_green();
    void on_Style_btnRate2_green();
    void on_Style_btnRate3_green();
    void on_Style_btnAFV_green();
    void on_Style_btnAUDIOMIX_green();
    void on_Style_btnTransitions0_green();
    void on_Style_btnTransitions1_green();
    void on_Style_btnTransitions2_green();
    void on_Style_btnTransitions3_green();
    void on_Style_btnTransitions4_green();
    void on_Style_btnTransitions5_green();
    void on_Style_btnTransitions6_green() {}
    void on_Style_btnTransitions7_green() {}
    void on_Style_btnTransitions8_green() {}
    void on_Style_btnTransitions9_green() {}
    void on_Style_btnTransitions10_green() {}
    void on_Style_btnTransitions11_green() {}

    void set_PGMCH_Style(uint8_t ch);
    void set_PVWCH_Style(uint8_t ch);
    void set_Rate_Style(uint8_t r);
    void set_Stll_Style(uint8_t v);
    void set_Mute_Style(uint8_t v);
    void set_FTB_Style(uint8_t v);

    // Applied by getDate only: the whole record, or the groups that changed.
    void setDevInitState();
    void updateDevState();

    // For tests and tools: the pieces a reply has set.
    onlyFun* controller() const { return m_fun; }
    MainMenu* mainMenu() const { return m_pages.menu; }
    KEY_PAGE* lumaPage() const { return m_pages.luma; }
    KEY_PAGE* chromaPage() const { return m_pages.chroma; }
    PIP_PAGE* pipPage() const { return m_pages.pip; }
    bool hasPreviousDump() const { return m_previous.has_value(); }
    quint32 lastRecStreamWord() const { return m_recStream.word; }
    bool ftbBlinking() const { return m_ftb.running(); }

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
    void on_btn_ftb_clicked();
    void m_on_timerour_FTB();
    void on_btn_still_clicked();
    void on_btn_src1_clicked();
    void on_btn_src2_clicked();
    void on_btnSet_clicked();
    void do_btnBack_clicked();
    void getDate(QByteArray reply);
    void set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e);
    void setBtnAFVorMIXStyle(uint8_t m);
    void on_btn_ch1_vol_sub_clicked();
    void on_btn_ch1_vol_add_clicked();
    void on_btn_ch2_vol_sub_clicked();
    void on_btn_ch2_vol_add_clicked();
    void on_btn_F1_clicked();
    void on_btn_F3_clicked();
    void on_btn_F2_clicked();
    void set_Rec_Enable(bool rec);
    void m_on_btnGrp_TRANSITONS_clicked(uint8_t id);
    void on_btn_F8_clicked();
    void setF7Widget(uint8_t mode, bool state1, bool state2);

private:
    void init_widget();
    void init_button_style();
    void init_label_style();
    void init_transitions();
    void init_pgm_pvw();
    void init_audio_verticalSlider();
    void init_bus_verticalSlider();
    void init_Toggle_key();
    void init_AFVorMIXfunction();
    void init_connect();
    void init_record_targets();

    void applyRecord(const DevState::Groups& groups);
    // MIX, FADE and the four wipe keys shown once, the one at index lit lit.
    void showTransitions(int lit);
    // Lights a key for ms while events run; false when the panel went away meanwhile.
    bool flashKey(void (Oriskan_NEW::*face)(bool), unsigned ms);

    Ui::Oriskan_NEW* ui = nullptr;
    onlyFun* m_fun = nullptr;
    EditionWindows m_pages;

    QButtonGroup* m_grpTransitions = nullptr;
    QButtonGroup* m_grpPGM = nullptr;
    QButtonGroup* m_grpPVW = nullptr;
    QButtonGroup* m_grpRate = nullptr;
    QButtonGroup* m_grpFunction = nullptr;
    QButtonGroup* m_grpAFVorMix = nullptr;

    FtbBlink m_ftb;
    uint8_t m_still = 0;
    uint8_t m_mute = 0;

    // The dump being applied and the last one applied, kept for comparison.
    DevState::StateDump m_dump;
    std::optional<DevState::StateDump> m_previous;
    DevState::RecStreamStatus m_recStream;
    DevState::PanelFields m_recordFields;
    DevState::RecordTargets m_recordTargets;
};
