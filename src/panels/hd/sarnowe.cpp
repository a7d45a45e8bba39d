#include "sarnowe.h"
#include "ui_sarnowe.h"

#include "audio_mode_keys.h"
#include "audio_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QTimer>

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

constexpr unsigned kFlashCut = 300;
constexpr unsigned kFlashShort = 200;  // sources and volume steps
constexpr unsigned kFlashReso = 400;

} // namespace

Sarnowe::Sarnowe(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Sarnowe)
{
    ui->setupUi(this);
    init_widget();
    init_button_style();
    init_label_style();
    m_grpTransitions = m_kit.transitionGroup(this);
    init_pgm_pvw();
    init_btnPGMStyle();
    init_btnPVWStyle();
    FamilyPanel::styleFaders({ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_master});
    FamilyPanel::styleTbar(ui->verticalSlider_4);
    init_Toggle_key();
    m_grpFunction = FamilyPanel::keyGroup(
        this, {{ui->btn_pip, 1}, {ui->btn_pop, 2}, {ui->btn_key1, 3}, {ui->btn_key2, 4}, {ui->btn_key3, 5}});
    init_AFVorMIXfunction();
    init_connect();
    init_record_fields();
}

Sarnowe::~Sarnowe()
{
    delete ui;
    m_kit.deleteWindows();
}

void Sarnowe::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_kit.fun->DevTypeID(ip, a, b, ip2, c, d);
    m_kit.pages.menu->getDevIP(ip);
}

// ---- construction ---------------------------------------------------------

void Sarnowe::init_widget()
{
    m_kit.createWindows(this, nullptr);
    m_kit.setTransitions(FamilyPanel::transitionKeys(ui), QStringLiteral(":/images/Druvela/"),
                         QStringLiteral(".bmp"));
}

void Sarnowe::init_button_style()
{
    auto* ftbTimer = new QTimer(this);
    connect(ftbTimer, &QTimer::timeout, this, &Sarnowe::m_on_timerour_FTB);
    m_ftb = FtbBlink(ftbTimer, [this](bool on) { on_Style_btnFTB(on); });

    m_kit.setBottomBar(ui->btnSet, ui->btn_ds, ui->btn_exit, ui->label_version);
    init_faces();
    for (QWidget* unused : {ui->btn_F7, ui->btn_F8})
        m_kit.setPlainFace(unused, FaceRule::Spaced, QStringLiteral(":/images/Druvela/white/NULL.bmp"));

    for (auto lamp : {&Sarnowe::on_Style_btnMUTE, &Sarnowe::on_Style_btnSRC1, &Sarnowe::on_Style_btnSRC2,
                      &Sarnowe::on_Style_btnCH1_VOL_ADD, &Sarnowe::on_Style_btnCH1_VOL_SUB,
                      &Sarnowe::on_Style_btnCH2_VOL_ADD, &Sarnowe::on_Style_btnCH2_VOL_SUB, &Sarnowe::on_Style_btnRec,
                      &Sarnowe::on_Style_btnPause, &Sarnowe::on_Style_btnStream, &Sarnowe::on_Style_btnF4})
        (this->*lamp)(false);
    init_btnTRANSITONSStyle();
    init_function_style();
    for (auto lamp : {&Sarnowe::on_Style_btnFTB, &Sarnowe::on_Style_btnSTILL, &Sarnowe::on_Style_btnLNGE,
                      &Sarnowe::on_Style_btnMIC})
        (this->*lamp)(false);

    // Models whose table row has no stream settings have no recorder either;
    // a type without a row keeps the keys.
    if (const std::optional<ModelRow> model = modelRowFor(DEV_CHILD_TYPE))
        for (QWidget* k : {ui->btn_rec, ui->btn_pause, ui->btn_stream})
            k->setEnabled(model->hasStreamDns);
}

void Sarnowe::init_faces()
{
    FamilyPanel::CommonKeys keys = FamilyPanel::busKeys(ui);
    keys.lineCfg = ui->btn_lnge_cfg;
    keys.micCfg = ui->btn_mic_cfg;
    m_kit.addCommonFaces(keys);
    auto shared = [this](QWidget* key, FaceRule rule, const QString& file) {
        m_kit.addFace(key, rule, QStringLiteral(":/images/white/") + file, QStringLiteral(":/images/green/") + file,
                      Lit::Green);
    };
    shared(ui->btn_mute, FaceRule::Image, QStringLiteral("MUTE.bmp"));
    shared(ui->btn_src1, FaceRule::Image, QStringLiteral("CH1.bmp"));
    shared(ui->btn_src2, FaceRule::Image, QStringLiteral("CH2.bmp"));
    shared(ui->btn_ch1_vol_add, FaceRule::Image, QStringLiteral("VOL+.bmp"));
    shared(ui->btn_ch1_vol_sub, FaceRule::Image, QStringLiteral("VOL-.bmp"));
    shared(ui->btn_ch2_vol_add, FaceRule::Image, QStringLiteral("VOL+.bmp"));
    shared(ui->btn_ch2_vol_sub, FaceRule::Image, QStringLiteral("VOL-.bmp"));
    shared(ui->btn_F4, FaceRule::ImageTight, QStringLiteral("RESO.bmp"));
    shared(ui->btn_audio_afv, FaceRule::ImageSpaced, QStringLiteral("AFV.bmp"));
    shared(ui->btn_audio_mix, FaceRule::ImageSpaced, QStringLiteral("MIX.bmp"));
    QPushButton* const pgm[] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4};
    QPushButton* const pvw[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4};
    for (int n = 1; n <= 4; ++n)
        m_kit.addInputFaces(pgm[n - 1], pvw[n - 1], n);
    m_kit.addBarFaces(ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Sarnowe::init_label_style()
{
    FamilyPanel::styleWindow(this, Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet(QString());
    setStyleSheet(QStringLiteral("QWidget#Sarnowe{background-color:rgb(58,58,58);}"));
    setAutoFillBackground(true);
    FamilyPanel::styleBusLabels({ui->label_CH1, ui->label_CH2});
    ui->label_MASTER->setStyleSheet(QStringLiteral("color:#FFFFFF"));
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBox_function}, {});
}

void Sarnowe::init_pgm_pvw()
{
    m_grpPGM = FamilyPanel::keyGroup(this, {{ui->btn_pgm_1, 1}, {ui->btn_pgm_2, 2}, {ui->btn_pgm_3, 3},
                                            {ui->btn_pgm_4, 4}, {ui->btn_pgm_bar, 9}});
    m_grpPVW = FamilyPanel::keyGroup(this, {{ui->btn_pvw_1, 1}, {ui->btn_pvw_2, 2}, {ui->btn_pvw_3, 3},
                                            {ui->btn_pvw_4, 4}, {ui->btn_pvw_bar, 9}});
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
}

void Sarnowe::init_Toggle_key()
{
    m_grpRate = FamilyPanel::keyGroup(this, {{ui->btn_rate1, 0}, {ui->btn_rate2, 1}, {ui->btn_rate3, 2}});
    init_btnRateStyle();
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Rate_clicked(uint8_t(id)); });
    connect(ui->btn_cut, &QPushButton::clicked, this, &Sarnowe::m_on_btnCut_clicked);
}

void Sarnowe::init_AFVorMIXfunction()
{
    m_grpAFVorMix = FamilyPanel::keyGroup(this, {{ui->btn_audio_afv, 0}, {ui->btn_audio_mix, 1}});
    init_AFVorMix_style();
    connect(m_grpAFVorMix, &QButtonGroup::idClicked, this,
            [this](int id) { m_on_btnGrp_AFVorMix_clicked(uint8_t(id)); });
}

void Sarnowe::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = m_kit.fun;
    // The panel's flash slots on these keys were connected by name, before the controller's.
    connectAudioKeys(ui, f);
    connectTbar(ui->verticalSlider_4, f);
    connectById(m_grpPGM, f, &onlyFun::m_on_btnGrp_PGM_clicked);
    connectById(m_grpPVW, f, &onlyFun::m_on_btnGrp_PVW_clicked);
    connectById(m_grpRate, f, &onlyFun::m_on_btnGrp_Rate_clicked);
    connectKey(ui->btn_ftb, f, &onlyFun::m_on_btn_ftb_clicked);
    connectKey(ui->btn_still, f, &onlyFun::m_on_btn_still_clicked);
    connectKey(ui->btn_F4, f, &onlyFun::m_on_btn_reso_clicked);
    connectKey(ui->btn_lnge_cfg, f, &onlyFun::m_on_btn_lnge_cfg_clicked);
    connectKey(ui->btn_mic_cfg, f, &onlyFun::m_on_btn_mic_cfg_clicked);
    connect(this, &Sarnowe::show_lnge_cfg, m_kit.pages.audio, &AUDIO_PAGE::show_lnge_cfg_slots);
    connect(this, &Sarnowe::show_mic_cfg, m_kit.pages.audio, &AUDIO_PAGE::show_mic_cfg_slots);
    connectById(m_grpAFVorMix, f, &onlyFun::m_on_btn_AFVorMIX_clicked);
    connectKey(ui->btn_mute, f, &onlyFun::m_on_btn_master_clicked);
    connectFamilyFunctions(ui, f, this, m_grpTransitions, m_grpFunction);
    connectFamilyEnd(ui, f, this);
}

void Sarnowe::init_record_fields()
{
    // The on/off bytes of CH1 and CH2 are not shown; MASTER's is the MUTE key.
    m_recordFields = FamilyPanel::sharedFields(this);
    m_recordFields.masterOn = [this](quint8 v) { set_MUTE_style(v); };
    m_recordFields.audioMode = [this](quint8 v) { setBtnAFVorMIXStyle(v); };
    m_recordFields.pgm = [this](quint8 v) { set_PGMCH_Style(v); };
    m_recordFields.pvw = [this](quint8 v) { set_PVWCH_Style(v); };
    m_recordTargets = m_kit.recordTargets();
    m_recordTargets.readsHdr = true;
    m_recordTargets.menuShowsMic = true;
}

// ---- lamps ----------------------------------------------------------------

void Sarnowe::on_Style_btnMUTE(bool on) { m_kit.show(ui->btn_mute, on); }
void Sarnowe::on_Style_btnSRC1(bool on) { m_kit.show(ui->btn_src1, on); }
void Sarnowe::on_Style_btnSRC2(bool on) { m_kit.show(ui->btn_src2, on); }
void Sarnowe::on_Style_btnCH1_VOL_ADD(bool on) { m_kit.show(ui->btn_ch1_vol_add, on); }
void Sarnowe::on_Style_btnCH1_VOL_SUB(bool on) { m_kit.show(ui->btn_ch1_vol_sub, on); }
void Sarnowe::on_Style_btnCH2_VOL_ADD(bool on) { m_kit.show(ui->btn_ch2_vol_add, on); }
void Sarnowe::on_Style_btnCH2_VOL_SUB(bool on) { m_kit.show(ui->btn_ch2_vol_sub, on); }
void Sarnowe::on_Style_btnRec(bool on) { m_kit.show(ui->btn_rec, on); }
void Sarnowe::on_Style_btnPause(bool on) { m_kit.show(ui->btn_pause, on); }
void Sarnowe::on_Style_btnStream(bool on) { m_kit.show(ui->btn_stream, on); }
void Sarnowe::on_Style_btnF4(bool on) { m_kit.show(ui->btn_F4, on); }
void Sarnowe::on_Style_btnLNGE(bool on) { m_kit.show(ui->btn_lnge_cfg, on); }
void Sarnowe::on_Style_btnMIC(bool on) { m_kit.show(ui->btn_mic_cfg, on); }
void Sarnowe::on_Style_btnSTILL(bool on) { m_kit.show(ui->btn_still, on); }
void Sarnowe::on_Style_btnFTB(bool on) { m_kit.show(ui->btn_ftb, on); }
void Sarnowe::on_Style_btnCut(bool on) { m_kit.show(ui->btn_cut, on); }
void Sarnowe::on_Style_btnAuto(bool on) { m_kit.show(ui->btn_auto, on); }

void Sarnowe::init_btnPGMStyle() { m_kit.resetRow(m_grpPGM); }
void Sarnowe::init_btnPVWStyle() { m_kit.resetRow(m_grpPVW); }
void Sarnowe::init_btnRateStyle() { m_kit.resetRow(m_grpRate); }
void Sarnowe::init_AFVorMix_style() { m_kit.resetRow(m_grpAFVorMix); }
void Sarnowe::init_btnTRANSITONSStyle() { m_kit.resetTransitions(); }

FamilyPanel::FunctionKeys Sarnowe::functionKeys() const
{
    return {ui->btn_pip, ui->btn_pop, ui->btn_key1, ui->btn_key2, ui->btn_key3};
}

void Sarnowe::init_function_style() { m_kit.resetFunctions(functionKeys()); }

// ---- rows and device state ------------------------------------------------

void Sarnowe::set_PGMCH_Style(uchar ch)
{
    init_btnPGMStyle();
    m_kit.lightRow(m_grpPGM, ch);
}

void Sarnowe::set_PVWCH_Style(uchar ch)
{
    init_btnPVWStyle();
    m_kit.lightRow(m_grpPVW, ch);
}

void Sarnowe::set_Rate_Style(uchar r)
{
    init_btnRateStyle();
    m_kit.lightRow(m_grpRate, r);
}

void Sarnowe::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void Sarnowe::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void Sarnowe::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void Sarnowe::m_on_btnGrp_AFVorMix_clicked(uint8_t id) { setBtnAFVorMIXStyle(id); }

void Sarnowe::setBtnAFVorMIXStyle(uint8_t mode)
{
    AudioModeKeys::show(mode, m_grpAFVorMix, [this](QWidget* k, bool on) { m_kit.show(k, on); },
                        {ui->btn_src1, ui->btn_src2});
}

void Sarnowe::set_TRANSITONS_Style(uchar id, uchar icon) { m_kit.showTransition(id, icon); }

void Sarnowe::set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                              uchar g7, uchar g8, uchar g9, uchar g10)
{
    m_kit.showTransitionState(kind, cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void Sarnowe::set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e)
{
    m_kit.showFunction(functionKeys(), f, {pip_e, pop_e, key1_e, key2_e, key3_e});
}

void Sarnowe::set_Rec_Enable(bool on)
{
    on_Style_btnRec(on);
    if (!on)
        on_Style_btnPause(false);
    ui->btn_pause->setEnabled(on);
}

// The device reports the master channel: off (0) is MUTE lit.
void Sarnowe::set_MUTE_style(uint8_t on)
{
    if (on > 1)
        return;
    m_muteOn = on == 0 ? 1 : 0;
    on_Style_btnMUTE(m_muteOn != 0);
}

void Sarnowe::set_FTB_Style(uchar v) { m_ftb.follow(v); }
void Sarnowe::set_Stll_Style(uchar v) { m_kit.followLamp(m_stillOn, ui->btn_still, v); }
void Sarnowe::set_CH1VOL_Style(uchar v) { ui->verticalSlider_1->setValue(v); }
void Sarnowe::set_CH2VOL_Style(uchar v) { ui->verticalSlider_2->setValue(v); }
void Sarnowe::set_MasterVOL_Style(uchar v) { ui->verticalSlider_master->setValue(v); }

// ---- operator keys --------------------------------------------------------

void Sarnowe::on_btn_ftb_clicked() { m_ftb.toggle(); }
void Sarnowe::m_on_timerour_FTB() { m_ftb.tick(); }
void Sarnowe::on_btn_still_clicked() { m_kit.toggleLamp(m_stillOn, ui->btn_still); }
void Sarnowe::on_btn_mute_clicked() { m_kit.toggleLamp(m_muteOn, ui->btn_mute); }
void Sarnowe::m_on_btnCut_clicked() { m_kit.flash(this, ui->btn_cut, kFlashCut); }
void Sarnowe::on_btn_src1_clicked() { m_kit.flash(this, ui->btn_src1, kFlashShort); }
void Sarnowe::on_btn_src2_clicked() { m_kit.flash(this, ui->btn_src2, kFlashShort); }
void Sarnowe::on_btn_ch1_vol_sub_clicked() { m_kit.flash(this, ui->btn_ch1_vol_sub, kFlashShort); }
void Sarnowe::on_btn_ch1_vol_add_clicked() { m_kit.flash(this, ui->btn_ch1_vol_add, kFlashShort); }
void Sarnowe::on_btn_ch2_vol_sub_clicked() { m_kit.flash(this, ui->btn_ch2_vol_sub, kFlashShort); }
void Sarnowe::on_btn_ch2_vol_add_clicked() { m_kit.flash(this, ui->btn_ch2_vol_add, kFlashShort); }
void Sarnowe::on_btn_F4_clicked() { m_kit.flash(this, ui->btn_F4, kFlashReso); }
void Sarnowe::on_btn_lnge_cfg_clicked() { m_kit.openAudioRow(this, ui->btn_lnge_cfg, true); }
void Sarnowe::on_btn_mic_cfg_clicked() { m_kit.openAudioRow(this, ui->btn_mic_cfg, false); }

void Sarnowe::on_btnSet_clicked() { WindowPlacement::toggleSettingsWindow(m_kit.pages.menu); }

// ---- replies --------------------------------------------------------------

void Sarnowe::getDate(const QByteArray& by)
{
    FamilyPanel::StateRules rules;
    rules.minSize = DevState::k4kMinDumpSize;  // up to the HDR byte, 110
    // The recorder and stream status is read on type 83 only, not on the other types of its table row.
    rules.readsStatus = DEV_CHILD_TYPE == 83;
    FamilyPanel::applyStateReply(by, m_recordFields, m_recordTargets, rules);
}

void Sarnowe::getTXSliderDate(const QByteArray& by) { m_kit.applyTbarReply(by, ui->verticalSlider_4, ui->btn_auto); }
void Sarnowe::getPOPWinState(const QByteArray& by) { DevState::applyPopWindowReply(by, m_recordTargets); }
void Sarnowe::getDevVersionState(const QByteArray& by) { DevState::applyVersionReply(by, m_recordTargets); }
