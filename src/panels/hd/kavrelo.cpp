#include "kavrelo.h"
#include "ui_kavrelo.h"

#include "cam_page.h"
#include "main_menu.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QTimer>

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

const QString kDruvela = QStringLiteral(":/images/Druvela/");
const QString kKavrelo = QStringLiteral(":/images/Kavrelo/");
constexpr unsigned kFlashCut = 300;
constexpr unsigned kFlashSource = 200;
constexpr unsigned kFlashKeypad = 300;

} // namespace

Kavrelo::Kavrelo(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Kavrelo)
{
    ui->setupUi(this);
    init_widget();
    init_button_style();
    init_label_style();
    m_grpTransitions = m_kit.transitionGroup(this);
    init_pgm_pvw();
    init_btnPGMStyle();
    init_btnPVWStyle();
    init_sliders();
    init_Toggle_key();
    init_btn_Cal();
    init_btn_Cam();
    m_grpFunction = FamilyPanel::keyGroup(
        this, {{ui->btn_pip, 1}, {ui->btn_pop, 2}, {ui->btn_key1, 3}, {ui->btn_key2, 4}, {ui->btn_key3, 5}});
    init_connect();
    init_record_fields();
}

Kavrelo::~Kavrelo()
{
    delete ui;
    m_kit.deleteWindows();
}

void Kavrelo::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_kit.fun->DevTypeID(ip, a, b, ip2, c, d);
    m_kit.pages.menu->getDevIP(ip);
}

// ---- construction ---------------------------------------------------------

void Kavrelo::init_widget()
{
    m_kit.createWindows(this, ui->widget_2);
    m_kit.pages.cam->hideCam_ZOOM();
    m_kit.setTransitions(FamilyPanel::transitionKeys(ui), kDruvela, QStringLiteral(".bmp"));
}

void Kavrelo::init_button_style()
{
    auto blink = [this](void (Kavrelo::*tick)(), void (Kavrelo::*lamp)(bool)) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, tick);
        return FtbBlink(timer, [this, lamp](bool on) { (this->*lamp)(on); });
    };
    m_ftb = blink(&Kavrelo::m_on_timerour_FTB, &Kavrelo::on_Style_btnFTB);
    // The preset blinks have no slot of their own: the timer ticks the blink directly.
    const std::array<void (Kavrelo::*)(bool), 3> presetLamps = {
        &Kavrelo::on_Style_btnSet_preset, &Kavrelo::on_Style_btnClear_preset, &Kavrelo::on_Style_btnGoto_preset};
    for (size_t p = 0; p < m_presets.size(); ++p) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, p] { m_presets[p].tick(); });
        const auto lamp = presetLamps[p];
        m_presets[p] = FtbBlink(timer, [this, lamp](bool on) { (this->*lamp)(on); });
    }

    m_kit.setBottomBar(ui->btnSet, ui->btn_ds, ui->btn_exit, ui->label_version);
    init_faces();

    for (auto lamp : {&Kavrelo::on_Style_btnCH1, &Kavrelo::on_Style_btnCH2, &Kavrelo::on_Style_btnCH3,
                      &Kavrelo::on_Style_btnMASTER, &Kavrelo::on_Style_btnSRC1, &Kavrelo::on_Style_btnSRC2,
                      &Kavrelo::on_Style_btnSRC3})
        (this->*lamp)(false);
    set_AFVorMIX_Enable(false);
    for (auto lamp : {&Kavrelo::on_Style_btnSet_preset, &Kavrelo::on_Style_btnClear_preset,
                      &Kavrelo::on_Style_btnGoto_preset, &Kavrelo::on_Style_btnRec, &Kavrelo::on_Style_btnPause,
                      &Kavrelo::on_Style_btnStream, &Kavrelo::on_Style_btnAux})
        (this->*lamp)(false);
    init_btnTRANSITONSStyle();
    init_function_style();
    for (auto lamp : {&Kavrelo::on_Style_btnFTB, &Kavrelo::on_Style_btnSTILL, &Kavrelo::on_Style_btnCamMeun,
                      &Kavrelo::on_Style_btn_z_add, &Kavrelo::on_Style_btn_z_sub, &Kavrelo::on_Style_btn_speed,
                      &Kavrelo::on_Style_btn_f_add, &Kavrelo::on_Style_btn_f_sub, &Kavrelo::on_Style_btn_grpsw,
                      &Kavrelo::on_Style_btn_menu, &Kavrelo::on_Style_btnShitf})
        (this->*lamp)(false);
}

void Kavrelo::init_faces()
{
    m_kit.addCommonFaces(FamilyPanel::cameraPanelKeys(ui));
    // Kavrelo's own keys light in the tight spelling whatever their unlit one.
    auto own = [this](QWidget* key, FaceRule unlitRule, const QString& file) {
        m_kit.addFace(key, unlitRule, kKavrelo + QStringLiteral("white/") + file, FaceRule::ImageTight,
                      kKavrelo + QStringLiteral("green/") + file, Lit::Green);
    };
    m_kit.addFace(ui->btn_ch3, FaceRule::Image, kKavrelo + QStringLiteral("white/CH3.bmp"),
                  kKavrelo + QStringLiteral("green/CH3.bmp"), Lit::Green);
    m_kit.addFace(ui->btn_src3, FaceRule::Image, QStringLiteral(":/images/Tavrine/white/SRC3.bmp"),
                  QStringLiteral(":/images/Tavrine/green/SRC3.bmp"), Lit::Green);
    const std::pair<QWidget*, const char*> camKeys[] = {
        {ui->btn_set_preset, "SET_PRESET.bmp"}, {ui->btn_clear_preset, "CLEAR_PRESET.bmp"},
        {ui->btn_goto_preset, "GOTO_PRESET.bmp"}, {ui->btn_focus_add, "F+.bmp"}, {ui->btn_focus_sub, "F-.bmp"},
        {ui->btn_grpsw, "GRPSW.bmp"}, {ui->btn_speed, "SPEED.bmp"}, {ui->btn_menu, "MENU.bmp"},
        {ui->btn_shift, "SHIFT.bmp"}};
    for (const auto& k : camKeys)
        own(k.first, FaceRule::ImageTight, QLatin1String(k.second));

    QPushButton* const pgm[] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3,  ui->btn_pgm_4,
                                ui->btn_pgm_5, ui->btn_pgm_6, ui->btn_pgm_7,  ui->btn_pgm_8,
                                ui->btn_pgm_9, ui->btn_pgm_10, ui->btn_pgm_11, ui->btn_pgm_12};
    QPushButton* const pvw[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3,  ui->btn_pvw_4,
                                ui->btn_pvw_5, ui->btn_pvw_6, ui->btn_pvw_7,  ui->btn_pvw_8,
                                ui->btn_pvw_9, ui->btn_pvw_10, ui->btn_pvw_11, ui->btn_pvw_12};
    for (int n = 1; n <= 12; ++n) {
        m_kit.addInputFaces(pgm[n - 1], pvw[n - 1], n);
        m_kit.addAltFace(pvw[n - 1], FaceRule::ImageTight, kKavrelo + QStringLiteral("yellow/%1.bmp").arg(n),
                         Lit::Yellow);
    }
    QPushButton* const cams[] = {ui->btn_cam_p1, ui->btn_cam_p2, ui->btn_cam_p3,
                                 ui->btn_cam_p4, ui->btn_cam_p5, ui->btn_cam_p6};
    for (int n = 1; n <= 6; ++n)
        own(cams[n - 1], FaceRule::Image, QStringLiteral("cam_p%1.bmp").arg(n));
    QPushButton* const digits[] = {ui->btn_0, ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4,
                                   ui->btn_5, ui->btn_6, ui->btn_7, ui->btn_8, ui->btn_9};
    for (int d = 0; d <= 9; ++d)
        own(digits[d], FaceRule::Image, QStringLiteral("cal_%1.bmp").arg(d));
}

void Kavrelo::init_label_style()
{
    FamilyPanel::styleWindow(this);
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio}, {});
}

void Kavrelo::init_pgm_pvw()
{
    m_grpPGM = FamilyPanel::keyGroup(
        this, {{ui->btn_pgm_1, 1}, {ui->btn_pgm_2, 2}, {ui->btn_pgm_3, 3}, {ui->btn_pgm_4, 4}, {ui->btn_pgm_5, 5},
               {ui->btn_pgm_6, 6}, {ui->btn_pgm_7, 7}, {ui->btn_pgm_8, 8}, {ui->btn_pgm_9, 9},
               {ui->btn_pgm_10, 10}, {ui->btn_pgm_11, 11}, {ui->btn_pgm_12, 12}});
    m_grpPVW = FamilyPanel::keyGroup(
        this, {{ui->btn_pvw_1, 1}, {ui->btn_pvw_2, 2}, {ui->btn_pvw_3, 3}, {ui->btn_pvw_4, 4}, {ui->btn_pvw_5, 5},
               {ui->btn_pvw_6, 6}, {ui->btn_pvw_7, 7}, {ui->btn_pvw_8, 8}, {ui->btn_pvw_9, 9},
               {ui->btn_pvw_10, 10}, {ui->btn_pvw_11, 11}, {ui->btn_pvw_12, 12}});
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
}

void Kavrelo::init_sliders()
{
    FamilyPanel::styleFaders({ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_3,
                              ui->verticalSlider_master});
    FamilyPanel::styleTbar(ui->verticalSlider_4);
}

void Kavrelo::init_Toggle_key()
{
    m_grpRate = FamilyPanel::keyGroup(this, {{ui->btn_rate1, 0}, {ui->btn_rate2, 1}, {ui->btn_rate3, 2}});
    init_btnRateStyle();
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Rate_clicked(uint8_t(id)); });
}

void Kavrelo::init_btn_Cal()
{
    m_grpCal = FamilyPanel::keyGroup(this, {{ui->btn_0, 0}, {ui->btn_1, 1}, {ui->btn_2, 2}, {ui->btn_3, 3},
                                            {ui->btn_4, 4}, {ui->btn_5, 5}, {ui->btn_6, 6}, {ui->btn_7, 7},
                                            {ui->btn_8, 8}, {ui->btn_9, 9}});
    init_btnCalStyle();
    connect(m_grpCal, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Cal_clicked(uint8_t(id)); });
}

void Kavrelo::init_btn_Cam()
{
    m_grpCam = FamilyPanel::keyGroup(this, {{ui->btn_cam_p1, 1}, {ui->btn_cam_p2, 2}, {ui->btn_cam_p3, 3},
                                            {ui->btn_cam_p4, 4}, {ui->btn_cam_p5, 5}, {ui->btn_cam_p6, 6}});
    init_btnCamStyle();
    connect(m_grpCam, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Cam_clicked(uint8_t(id)); });
    cam_menu_ctl(false);
}

void Kavrelo::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = m_kit.fun;
    connectFamilyBuses(ui, f, m_grpPGM, m_grpPVW, m_grpRate);
    connectFamilyAudio(ui, f, this);
    connectFamilyFunctions(ui, f, this, m_grpTransitions, m_grpFunction);
    connectKey(ui->btn_aux, f, &onlyFun::m_on_btn_aux_clicked);
    connect(f, &onlyFun::set_aux_state_signals, this, [this](bool on) { set_aux_state(on ? 1 : 0); });
    connectFamilyCamera(ui, f, this, m_grpCam);
    connectPressRelease(ui->btn_focus_add, f, &onlyFun::m_on_btn_focus_add_pressed,
                        &onlyFun::m_on_btn_focus_add_released);
    connectPressRelease(ui->btn_focus_sub, f, &onlyFun::m_on_btn_focus_sub_pressed,
                        &onlyFun::m_on_btn_focus_sub_released);
    connectKey(ui->btn_grpsw, f, &onlyFun::m_on_btn_grpsw_clicked);
    connect(f, &onlyFun::setGROUPStyleSignals, this, &Kavrelo::on_Style_btn_grpsw);
    connectById(m_grpCal, f, &onlyFun::m_on_btnGrp_Cal_clicked);
    connectKey(ui->btn_set_preset, f, &onlyFun::m_on_btn_set_preset_clicked);
    connectKey(ui->btn_clear_preset, f, &onlyFun::m_on_btn_clear_preset_clicked);
    connectKey(ui->btn_goto_preset, f, &onlyFun::m_on_btn_goto_preset_clicked);
    connectFamilyEnd(ui, f, this);
}

void Kavrelo::init_record_fields()
{
    // PGM and PVW go with AUX (applyAuxAndRows), before the shared fields.
    m_recordFields = m_kit.channelKeyFields(this);
    m_recordTargets = m_kit.recordTargets();
}

// ---- lamps ----------------------------------------------------------------

void Kavrelo::on_Style_btnCH1(bool on) { m_kit.show(ui->btn_ch1, on); }
void Kavrelo::on_Style_btnCH2(bool on) { m_kit.show(ui->btn_ch2, on); }
void Kavrelo::on_Style_btnCH3(bool on) { m_kit.show(ui->btn_ch3, on); }
void Kavrelo::on_Style_btnMASTER(bool on) { m_kit.show(ui->btn_master, on); }
void Kavrelo::on_Style_btnSRC1(bool on) { m_kit.show(ui->btn_src1, on); }
void Kavrelo::on_Style_btnSRC2(bool on) { m_kit.show(ui->btn_src2, on); }
void Kavrelo::on_Style_btnSRC3(bool on) { m_kit.show(ui->btn_src3, on); }
void Kavrelo::on_Style_btnAFV(bool afv) { m_kit.show(ui->btn_afv_mix, afv); }
void Kavrelo::on_Style_btnRec(bool on) { m_kit.show(ui->btn_rec, on); }
void Kavrelo::on_Style_btnPause(bool on) { m_kit.show(ui->btn_pause, on); }
void Kavrelo::on_Style_btnStream(bool on) { m_kit.show(ui->btn_stream, on); }
void Kavrelo::on_Style_btnAux(bool on) { m_kit.show(ui->btn_aux, on); }
void Kavrelo::on_Style_btnSTILL(bool on) { m_kit.show(ui->btn_still, on); }
void Kavrelo::on_Style_btnCamMeun(bool on) { m_kit.show(ui->btn_cam_meun, on); }
void Kavrelo::on_Style_btnFTB(bool on) { m_kit.show(ui->btn_ftb, on); }
void Kavrelo::on_Style_btnCut(bool on) { m_kit.show(ui->btn_cut, on); }
void Kavrelo::on_Style_btnAuto(bool on) { m_kit.show(ui->btn_auto, on); }
void Kavrelo::on_Style_btn_z_add(bool on) { m_kit.show(ui->btn_z_add, on); }
void Kavrelo::on_Style_btn_z_sub(bool on) { m_kit.show(ui->btn_z_sub, on); }
void Kavrelo::on_Style_btn_f_add(bool on) { m_kit.show(ui->btn_focus_add, on); }
void Kavrelo::on_Style_btn_f_sub(bool on) { m_kit.show(ui->btn_focus_sub, on); }
void Kavrelo::on_Style_btnSet_preset(bool on) { m_kit.show(ui->btn_set_preset, on); }
void Kavrelo::on_Style_btnClear_preset(bool on) { m_kit.show(ui->btn_clear_preset, on); }
void Kavrelo::on_Style_btnGoto_preset(bool on) { m_kit.show(ui->btn_goto_preset, on); }
void Kavrelo::on_Style_btn_speed(bool on) { m_kit.show(ui->btn_speed, on); }
void Kavrelo::on_Style_btn_menu(bool on) { m_kit.show(ui->btn_menu, on); }
void Kavrelo::on_Style_btnShitf(bool on) { m_kit.show(ui->btn_shift, on); }
void Kavrelo::on_Style_btn_grpsw(bool on) { m_kit.show(ui->btn_grpsw, on); }

void Kavrelo::init_btnPGMStyle() { m_kit.resetRow(m_grpPGM); }
void Kavrelo::init_btnPVWStyle() { m_kit.resetRow(m_grpPVW); }
void Kavrelo::init_btnRateStyle() { m_kit.resetRow(m_grpRate); }
void Kavrelo::init_btnCamStyle() { m_kit.resetRow(m_grpCam); }
void Kavrelo::init_btnCalStyle() { m_kit.resetRow(m_grpCal); }
void Kavrelo::init_btnTRANSITONSStyle() { m_kit.resetTransitions(); }

FamilyPanel::FunctionKeys Kavrelo::functionKeys() const
{
    return {ui->btn_pip, ui->btn_pop, ui->btn_key1, ui->btn_key2, ui->btn_key3};
}

void Kavrelo::init_function_style() { m_kit.resetFunctions(functionKeys()); }

// ---- rows and device state ------------------------------------------------

void Kavrelo::set_PGMCH_Style(uchar ch)
{
    init_btnPGMStyle();
    m_kit.lightRow(m_grpPGM, ch);
}

void Kavrelo::set_PVWCH_Style(uchar ch)
{
    init_btnPVWStyle();
    m_kit.lightRow(m_grpPVW, ch, m_auxOn != 0);
}

void Kavrelo::set_Rate_Style(uchar r)
{
    init_btnRateStyle();
    m_kit.lightRow(m_grpRate, r);
}

void Kavrelo::set_Cam_Style(uchar cam)
{
    init_btnCamStyle();
    m_kit.lightRow(m_grpCam, cam);
}

void Kavrelo::cam_menu_ctl(bool on)
{
    for (QAbstractButton* k : m_grpCam->buttons())
        k->setEnabled(on);
    for (QWidget* k : {ui->btn_z_add, ui->btn_z_sub, ui->btn_focus_add, ui->btn_focus_sub, ui->btn_grpsw})
        k->setEnabled(on);
    for (QAbstractButton* k : m_grpCal->buttons())
        k->setEnabled(on);
    for (QWidget* k : {ui->btn_set_preset, ui->btn_clear_preset, ui->btn_goto_preset})
        k->setEnabled(on);
    if (on)
        return;
    for (FtbBlink& p : m_presets)
        p.stop();
    m_kit.fun->setGROUPStyle(0);
}

void Kavrelo::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void Kavrelo::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void Kavrelo::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void Kavrelo::m_on_btnGrp_Cam_clicked(uint8_t id) { set_Cam_Style(id); }

void Kavrelo::m_on_btnGrp_Cal_clicked(uint8_t d)
{
    init_btnCalStyle();
    if (QAbstractButton* digit = m_grpCal->button(d))
        m_kit.flash(this, digit, kFlashKeypad);
}

void Kavrelo::set_TRANSITONS_Style(uchar id, uchar icon) { m_kit.showTransition(id, icon); }

void Kavrelo::set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                              uchar g7, uchar g8, uchar g9, uchar g10)
{
    m_kit.showTransitionState(kind, cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void Kavrelo::set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e)
{
    m_kit.showFunction(functionKeys(), f, {pip_e, pop_e, key1_e, key2_e, key3_e});
}

void Kavrelo::set_AFVorMIX_Enable(bool mix)
{
    on_Style_btnAFV(!mix);
    for (QWidget* k : {ui->btn_ch1, ui->btn_ch2, ui->btn_ch3, ui->btn_src1, ui->btn_src2, ui->btn_src3})
        k->setEnabled(mix);
    m_ch1On = m_ch2On = m_ch3On = m_masterOn = 0;
    for (QWidget* k : {ui->btn_ch1, ui->btn_ch2, ui->btn_ch3, ui->btn_master})
        m_kit.show(k, false);
}

void Kavrelo::set_Rec_Enable(bool on)
{
    on_Style_btnRec(on);
    if (!on)
        on_Style_btnPause(false);
    ui->btn_pause->setEnabled(on);
}

void Kavrelo::set_CAMMENU_Style(uchar on, uchar cam)
{
    if (on > 1)
        return;
    on_Style_btnCamMeun(on == 1);
    if (on == 1)
        set_Cam_Style(cam >= 7 && cam <= 12 ? uchar(cam - 6) : cam);
    else
        init_btnCamStyle();
    cam_menu_ctl(on == 1);
    if (on == 1)
        m_kit.pages.cam->show();
    else
        m_kit.pages.cam->close();
}

void Kavrelo::set_aux_state(uint8_t v)
{
    m_auxOn = v != 0 ? 1 : 0;
    on_Style_btnAux(m_auxOn != 0);
}

void Kavrelo::set_FTB_Style(uchar v) { m_ftb.follow(v); }
void Kavrelo::set_Stll_Style(uchar v) { m_kit.followLamp(m_stillOn, ui->btn_still, v); }
void Kavrelo::set_CH1_Enable(uchar v) { m_kit.followLamp(m_ch1On, ui->btn_ch1, v); }
void Kavrelo::set_CH2_Enable(uchar v) { m_kit.followLamp(m_ch2On, ui->btn_ch2, v); }
void Kavrelo::set_CH3_Enable(uchar v) { m_kit.followLamp(m_ch3On, ui->btn_ch3, v); }
void Kavrelo::set_Master_Enable(uchar v) { m_kit.followLamp(m_masterOn, ui->btn_master, v); }
void Kavrelo::set_CH1VOL_Style(uchar v) { ui->verticalSlider_1->setValue(v); }
void Kavrelo::set_CH2VOL_Style(uchar v) { ui->verticalSlider_2->setValue(v); }
void Kavrelo::set_CH3VOL_Style(uchar v) { ui->verticalSlider_3->setValue(v); }
void Kavrelo::set_MasterVOL_Style(uchar v) { ui->verticalSlider_master->setValue(v); }
void Kavrelo::set_set_preset_Style(uchar v) { followPreset(SetPreset, v); }
void Kavrelo::set_clear_preset_Style(uchar v) { followPreset(ClearPreset, v); }
void Kavrelo::set_goto_preset_Style(uchar v) { followPreset(GotoPreset, v); }

// ---- operator keys --------------------------------------------------------

void Kavrelo::on_btn_ftb_clicked() { m_ftb.toggle(); }
void Kavrelo::m_on_timerour_FTB() { m_ftb.tick(); }
void Kavrelo::on_btn_still_clicked() { m_kit.toggleLamp(m_stillOn, ui->btn_still); }
void Kavrelo::on_btn_ch1_clicked() { m_kit.toggleLamp(m_ch1On, ui->btn_ch1); }
void Kavrelo::on_btn_ch2_clicked() { m_kit.toggleLamp(m_ch2On, ui->btn_ch2); }
void Kavrelo::on_btn_ch3_clicked() { m_kit.toggleLamp(m_ch3On, ui->btn_ch3); }
void Kavrelo::on_btn_master_clicked() { m_kit.toggleLamp(m_masterOn, ui->btn_master); }
void Kavrelo::on_btn_cut_clicked() { m_kit.flash(this, ui->btn_cut, kFlashCut); }
void Kavrelo::on_btn_src1_clicked() { m_kit.flash(this, ui->btn_src1, kFlashSource); }
void Kavrelo::on_btn_src2_clicked() { m_kit.flash(this, ui->btn_src2, kFlashSource); }
void Kavrelo::on_btn_src3_clicked() { m_kit.flash(this, ui->btn_src3, kFlashSource); }
void Kavrelo::on_btn_z_add_pressed() { on_Style_btn_z_add(true); }
void Kavrelo::on_btn_z_add_released() { on_Style_btn_z_add(false); }
void Kavrelo::on_btn_z_sub_pressed() { on_Style_btn_z_sub(true); }
void Kavrelo::on_btn_z_sub_released() { on_Style_btn_z_sub(false); }
void Kavrelo::on_btn_focus_add_pressed() { on_Style_btn_f_add(true); }
void Kavrelo::on_btn_focus_add_released() { on_Style_btn_f_add(false); }
void Kavrelo::on_btn_focus_sub_pressed() { on_Style_btn_f_sub(true); }
void Kavrelo::on_btn_focus_sub_released() { on_Style_btn_f_sub(false); }
void Kavrelo::on_btn_set_preset_clicked() { clickPreset(SetPreset); }
void Kavrelo::on_btn_clear_preset_clicked() { clickPreset(ClearPreset); }
void Kavrelo::on_btn_goto_preset_clicked() { clickPreset(GotoPreset); }

void Kavrelo::clickPreset(Preset p)
{
    for (size_t other = 0; other < m_presets.size(); ++other)
        if (other != size_t(p))
            m_presets[other].stop();
    m_presets[p].toggle();
}

void Kavrelo::on_btnSet_clicked() { WindowPlacement::toggleSettingsWindow(m_kit.pages.menu); }

// ---- replies --------------------------------------------------------------

void Kavrelo::applyAuxAndRows(const DevState::Record& r)
{
    m_kit.fun->set_aux_state(r.aux);
    if (r.aux == 1)
        set_PVWCH_Style(r.auxPvw);
    set_PGMCH_Style(r.pgm);
    if (r.aux == 0)
        set_PVWCH_Style(r.pvw);
}

void Kavrelo::applyCameraExtras(const DevState::Record& r)
{
    set_CH3_Enable(r.ch3On);
    m_kit.fun->set_CH3_Style(r.ch3Source);
    set_CH3VOL_Style(r.ch3Level);
    set_set_preset_Style(r.presets[SetPreset]);
    set_clear_preset_Style(r.presets[ClearPreset]);
    set_goto_preset_Style(r.presets[GotoPreset]);
    m_kit.fun->setGROUPStyle(r.groupSwitch);
}

void Kavrelo::getDate(const QByteArray& by)
{
    FamilyPanel::StateRules rules;
    rules.minSize = DevState::kTwelveInputMinDumpSize;
    rules.first = [this](const DevState::Record& r) { applyAuxAndRows(r); };
    rules.last = [this](const DevState::Record& r) { applyCameraExtras(r); };
    FamilyPanel::applyStateReply(by, m_recordFields, m_recordTargets, rules);
}

void Kavrelo::getTXSliderDate(const QByteArray& by) { m_kit.applyTbarReply(by, ui->verticalSlider_4, ui->btn_auto); }
void Kavrelo::getPOPWinState(const QByteArray& by) { DevState::applyPopWindowReply(by, m_recordTargets); }
void Kavrelo::getDevVersionState(const QByteArray& by) { DevState::applyVersionReply(by, m_recordTargets); }
