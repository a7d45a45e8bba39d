#include "druvela.h"
#include "ui_druvela.h"

#include "audio_page.h"
#include "cam_page.h"
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

const QString kDruvela = QStringLiteral(":/images/Druvela/");
constexpr unsigned kFlashCut = 300;
constexpr unsigned kFlashSource = 200;
constexpr unsigned kFlashAux = 300;

} // namespace

Druvela::Druvela(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Druvela)
{
    ui->setupUi(this);
    init_widget();
    init_button_style();
    init_label_style();
    init_transitions();
    init_pgm_pvw();
    init_btnPGMStyle();
    init_btnPVWStyle();
    init_audio_verticalSlider();
    init_bus_verticalSlider();
    init_Toggle_key();
    init_btn_Cam();
    init_function();
    init_connect();
    init_record_fields();
}

Druvela::~Druvela()
{
    delete ui;
    m_kit.deleteWindows();
}

void Druvela::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_kit.fun->DevTypeID(ip, a, b, ip2, c, d);
    m_kit.pages.menu->getDevIP(ip);
}

// ---- construction ---------------------------------------------------------

void Druvela::init_widget()
{
    m_kit.createWindows(this, ui->widget_2);
    m_kit.setTransitions(FamilyPanel::transitionKeys(ui), kDruvela, QStringLiteral(".bmp"));
}

void Druvela::init_button_style()
{
    auto* ftbTimer = new QTimer(this);
    connect(ftbTimer, &QTimer::timeout, this, &Druvela::m_on_timerour_FTB);
    m_ftb = FtbBlink(ftbTimer, [this](bool on) { on_Style_btnFTB(on); });

    m_kit.setBottomBar(ui->btnSet, ui->btn_ds, ui->btn_exit, ui->label_version);
    init_faces();
    for (QWidget* unused : {ui->btn_null1, ui->btn_null2, ui->btn_null3})
        m_kit.setPlainFace(unused, FaceRule::ImageTight, QStringLiteral(":/images/Druvela/white/NULL.bmp"));
    m_kit.setPlainFace(ui->btn_null4, FaceRule::ImageTight, QStringLiteral(":/images/Druvela/white/EXIT.bmp"));

    on_Style_btnSRC1(false);
    on_Style_btnSRC2(false);
    set_AFVorMIX_Enable(false);
    for (auto lamp : {&Druvela::on_Style_btnRec, &Druvela::on_Style_btnPause, &Druvela::on_Style_btnStream,
                      &Druvela::on_Style_btnLNGE, &Druvela::on_Style_btnMIC, &Druvela::on_Style_btnAux})
        (this->*lamp)(false);
    init_btnTRANSITONSStyle();
    init_function_style();
    on_Style_btnFTB(false);
    on_Style_btnSTILL(false);
    on_Style_btnCamMeun(false);
    for (QWidget* cam : {ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6})
        m_kit.show(cam, false);
    on_Style_btn_z_add(false);
    on_Style_btn_z_sub(false);
}

void Druvela::init_faces()
{
    FamilyPanel::CommonKeys keys = FamilyPanel::cameraPanelKeys(ui);
    keys.lineCfg = ui->btn_lnge_cfg;
    keys.micCfg = ui->btn_mic_cfg;
    m_kit.addCommonFaces(keys);
    QPushButton* const pgm[] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_5, ui->btn_pgm_6};
    QPushButton* const pvw[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6};
    QPushButton* const cams[] = {ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6};
    for (int n = 1; n <= 6; ++n) {
        m_kit.addInputFaces(pgm[n - 1], pvw[n - 1], n);
        m_kit.addFace(cams[n - 1], FaceRule::ImageTight, kDruvela + QStringLiteral("white/%1.png").arg(n),
                      kDruvela + QStringLiteral("green/cam_%1.bmp").arg(n), Lit::Green);
    }
    m_kit.addBarFaces(ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Druvela::init_label_style()
{
    FamilyPanel::styleWindow(this);
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBox_function},
                                 {ui->groupBox_1, ui->groupBox_2, ui->groupBox_3});
}

void Druvela::init_transitions()
{
    m_grpTransitions = m_kit.transitionGroup(this);
}

void Druvela::init_pgm_pvw()
{
    m_grpPGM = FamilyPanel::keyGroup(this, {{ui->btn_pgm_1, 1}, {ui->btn_pgm_2, 2}, {ui->btn_pgm_3, 3},
                                            {ui->btn_pgm_4, 4}, {ui->btn_pgm_5, 5}, {ui->btn_pgm_6, 6},
                                            {ui->btn_pgm_bar, 9}});
    m_grpPVW = FamilyPanel::keyGroup(this, {{ui->btn_pvw_1, 1}, {ui->btn_pvw_2, 2}, {ui->btn_pvw_3, 3},
                                            {ui->btn_pvw_4, 4}, {ui->btn_pvw_5, 5}, {ui->btn_pvw_6, 6},
                                            {ui->btn_pvw_bar, 9}});
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
}

void Druvela::init_audio_verticalSlider()
{
    FamilyPanel::styleFaders({ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_master});
}

void Druvela::init_bus_verticalSlider()
{
    FamilyPanel::styleTbar(ui->verticalSlider_4);
}

void Druvela::init_Toggle_key()
{
    m_grpRate = FamilyPanel::keyGroup(this, {{ui->btn_rate1, 0}, {ui->btn_rate2, 1}, {ui->btn_rate3, 2}});
    init_btnRateStyle();
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Rate_clicked(uint8_t(id)); });
}

void Druvela::init_btn_Cam()
{
    m_grpCam = FamilyPanel::keyGroup(this, {{ui->btn_1, 1}, {ui->btn_2, 2}, {ui->btn_3, 3}, {ui->btn_4, 4},
                                            {ui->btn_5, 5}, {ui->btn_6, 6}});
    connect(m_grpCam, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Cam_clicked(uint8_t(id)); });
    cam_menu_ctl(false);
}

void Druvela::init_function()
{
    m_grpFunction = FamilyPanel::keyGroup(
        this, {{ui->btn_pip, 1}, {ui->btn_pop, 2}, {ui->btn_key1, 3}, {ui->btn_key2, 4}, {ui->btn_key3, 5}});
}

void Druvela::init_connect()
{
    onlyFun* f = m_kit.fun;
    PanelWiring::connectFamilyBuses(ui, f, m_grpPGM, m_grpPVW, m_grpRate);
    PanelWiring::connectFamilyAudio(ui, f, this);
    PanelWiring::connectFamilyFunctions(ui, f, this, m_grpTransitions, m_grpFunction);
    PanelWiring::connectKey(ui->btn_aux, f, &onlyFun::m_on_btn_aux_clicked);
    PanelWiring::connectFamilyCamera(ui, f, this, m_grpCam);
    PanelWiring::connectKey(ui->btn_lnge_cfg, f, &onlyFun::m_on_btn_lnge_cfg_clicked);
    PanelWiring::connectKey(ui->btn_mic_cfg, f, &onlyFun::m_on_btn_mic_cfg_clicked);
    connect(this, &Druvela::show_lnge_cfg, m_kit.pages.audio, &AUDIO_PAGE::show_lnge_cfg_slots);
    connect(this, &Druvela::show_mic_cfg, m_kit.pages.audio, &AUDIO_PAGE::show_mic_cfg_slots);
    PanelWiring::connectFamilyEnd(ui, f, this);
}

void Druvela::init_record_fields()
{
    m_recordFields = m_kit.channelKeyFields(this);
    m_recordFields.pgm = [this](quint8 v) { set_PGMCH_Style(v); };
    m_recordFields.pvw = [this](quint8 v) { set_PVWCH_Style(v); };
    m_recordTargets = m_kit.recordTargets();
}

// ---- lamps ----------------------------------------------------------------

void Druvela::on_Style_btnCH1(bool on) { m_kit.show(ui->btn_ch1, on); }
void Druvela::on_Style_btnCH2(bool on) { m_kit.show(ui->btn_ch2, on); }
void Druvela::on_Style_btnMASTER(bool on) { m_kit.show(ui->btn_master, on); }
void Druvela::on_Style_btnSRC1(bool on) { m_kit.show(ui->btn_src1, on); }
void Druvela::on_Style_btnSRC2(bool on) { m_kit.show(ui->btn_src2, on); }
void Druvela::on_Style_btnAFV(bool afv) { m_kit.show(ui->btn_afv_mix, afv); }
void Druvela::on_Style_btnRec(bool on) { m_kit.show(ui->btn_rec, on); }
void Druvela::on_Style_btnPause(bool on) { m_kit.show(ui->btn_pause, on); }
void Druvela::on_Style_btnStream(bool on) { m_kit.show(ui->btn_stream, on); }
void Druvela::on_Style_btnLNGE(bool on) { m_kit.show(ui->btn_lnge_cfg, on); }
void Druvela::on_Style_btnMIC(bool on) { m_kit.show(ui->btn_mic_cfg, on); }
void Druvela::on_Style_btnAux(bool on) { m_kit.show(ui->btn_aux, on); }
void Druvela::on_Style_btnSTILL(bool on) { m_kit.show(ui->btn_still, on); }
void Druvela::on_Style_btnCamMeun(bool on) { m_kit.show(ui->btn_cam_meun, on); }
void Druvela::on_Style_btnPIP(bool on) { m_kit.show(ui->btn_pip, on); }
void Druvela::on_Style_btnPOP(bool on) { m_kit.show(ui->btn_pop, on); }
void Druvela::on_Style_btnKey1(bool on) { m_kit.show(ui->btn_key1, on); }
void Druvela::on_Style_btnKey2(bool on) { m_kit.show(ui->btn_key2, on); }
void Druvela::on_Style_btnKey3(bool on) { m_kit.show(ui->btn_key3, on); }
void Druvela::on_Style_btnFTB(bool on) { m_kit.show(ui->btn_ftb, on); }
void Druvela::on_Style_btnCut(bool on) { m_kit.show(ui->btn_cut, on); }
void Druvela::on_Style_btnAuto(bool on) { m_kit.show(ui->btn_auto, on); }
void Druvela::on_Style_btn_z_add(bool on) { m_kit.show(ui->btn_z_add, on); }
void Druvela::on_Style_btn_z_sub(bool on) { m_kit.show(ui->btn_z_sub, on); }

void Druvela::on_Style_btnpgm_red(int id) { m_kit.lightRow(m_grpPGM, id); }
void Druvela::on_Style_btnpvw_green(int id) { m_kit.lightRow(m_grpPVW, id); }
void Druvela::on_Style_btnRate_green(int r) { m_kit.lightRow(m_grpRate, r); }
void Druvela::on_Style_btnCam_green(int cam) { m_kit.lightRow(m_grpCam, cam); }

QString Druvela::wipeFaceStyle(int group, bool lit) const { return m_kit.wipeFaceStyle(group, lit); }
void Druvela::on_Style_btnTransitions_green(int id) { m_kit.lightTransition(id); }

void Druvela::init_btnPGMStyle() { m_kit.resetRow(m_grpPGM); }
void Druvela::init_btnPVWStyle() { m_kit.resetRow(m_grpPVW); }
void Druvela::init_btnRateStyle() { m_kit.resetRow(m_grpRate); }
void Druvela::init_btnCamStyle() { m_kit.resetRow(m_grpCam); }

void Druvela::init_btnTRANSITONSStyle() { m_kit.resetTransitions(); }

FamilyPanel::FunctionKeys Druvela::functionKeys() const
{
    return {ui->btn_pip, ui->btn_pop, ui->btn_key1, ui->btn_key2, ui->btn_key3};
}

void Druvela::init_function_style() { m_kit.resetFunctions(functionKeys()); }

// ---- rows and device state ------------------------------------------------

void Druvela::set_PGMCH_Style(uchar ch)
{
    init_btnPGMStyle();
    on_Style_btnpgm_red(ch);
}

void Druvela::set_PVWCH_Style(uchar ch)
{
    init_btnPVWStyle();
    on_Style_btnpvw_green(ch);
}

void Druvela::set_Rate_Style(uchar r)
{
    init_btnRateStyle();
    on_Style_btnRate_green(r);
}

void Druvela::set_Cam_Style(uchar cam)
{
    init_btnCamStyle();
    on_Style_btnCam_green(cam);
}

void Druvela::cam_menu_ctl(bool on)
{
    for (QWidget* k : {ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6, ui->btn_z_add, ui->btn_z_sub})
        k->setEnabled(on);
}

void Druvela::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void Druvela::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void Druvela::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void Druvela::m_on_btnGrp_Cam_clicked(uint8_t id) { set_Cam_Style(id); }

void Druvela::set_TRANSITONS_Style(uchar id, uchar icon) { m_kit.showTransition(id, icon); }

void Druvela::set_Trans_Style(uchar kind, uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6,
                              uchar g7, uchar g8, uchar g9, uchar g10)
{
    m_kit.showTransitionState(kind, cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void Druvela::set_Trans_Group_Style(uchar cur, uchar g1, uchar g2, uchar g3, uchar g4, uchar g5, uchar g6, uchar g7,
                                    uchar g8, uchar g9, uchar g10)
{
    m_kit.lightTransitionGroup(cur, {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10});
}

void Druvela::set_Function_Enable(uint8_t f, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e)
{
    m_kit.showFunction(functionKeys(), f, {pip_e, pop_e, key1_e, key2_e, key3_e});
}

void Druvela::set_AFVorMIX_Enable(bool mix)
{
    on_Style_btnAFV(!mix);
    for (QWidget* k : {ui->btn_ch1, ui->btn_src1, ui->btn_ch2, ui->btn_src2})
        k->setEnabled(mix);
    m_ch1On = m_ch2On = m_masterOn = 0;
    on_Style_btnCH1(false);
    on_Style_btnCH2(false);
    on_Style_btnMASTER(false);
}

void Druvela::set_Rec_Enable(bool on)
{
    on_Style_btnRec(on);
    if (!on)
        on_Style_btnPause(false);
    ui->btn_pause->setEnabled(on);
}

void Druvela::set_CAMMENU_Style(uchar on, uchar cam)
{
    if (on > 1)
        return;
    on_Style_btnCamMeun(on == 1);
    if (on == 1)
        set_Cam_Style(cam);
    else
        init_btnCamStyle();
    cam_menu_ctl(on == 1);
    if (on == 1)
        m_kit.pages.cam->show();
    else
        m_kit.pages.cam->close();
}

void Druvela::set_FTB_Style(uchar v) { m_ftb.follow(v); }
void Druvela::set_Stll_Style(uchar v) { m_kit.followLamp(m_stillOn, ui->btn_still, v); }
void Druvela::set_CH1_Enable(uchar v) { m_kit.followLamp(m_ch1On, ui->btn_ch1, v); }
void Druvela::set_CH2_Enable(uchar v) { m_kit.followLamp(m_ch2On, ui->btn_ch2, v); }
void Druvela::set_Master_Enable(uchar v) { m_kit.followLamp(m_masterOn, ui->btn_master, v); }
void Druvela::set_CH1VOL_Style(uchar v) { ui->verticalSlider_1->setValue(v); }
void Druvela::set_CH2VOL_Style(uchar v) { ui->verticalSlider_2->setValue(v); }
void Druvela::set_MasterVOL_Style(uchar v) { ui->verticalSlider_master->setValue(v); }

// ---- operator keys --------------------------------------------------------

void Druvela::on_btn_ftb_clicked() { m_ftb.toggle(); }
void Druvela::m_on_timerour_FTB() { m_ftb.tick(); }
void Druvela::on_btn_still_clicked() { m_kit.toggleLamp(m_stillOn, ui->btn_still); }
void Druvela::on_btn_ch1_clicked() { m_kit.toggleLamp(m_ch1On, ui->btn_ch1); }
void Druvela::on_btn_ch2_clicked() { m_kit.toggleLamp(m_ch2On, ui->btn_ch2); }
void Druvela::on_btn_master_clicked() { m_kit.toggleLamp(m_masterOn, ui->btn_master); }
void Druvela::on_btn_cut_clicked() { m_kit.flash(this, ui->btn_cut, kFlashCut); }
void Druvela::on_btn_src1_clicked() { m_kit.flash(this, ui->btn_src1, kFlashSource); }
void Druvela::on_btn_src2_clicked() { m_kit.flash(this, ui->btn_src2, kFlashSource); }
void Druvela::on_btn_aux_clicked() { m_kit.flash(this, ui->btn_aux, kFlashAux); }
void Druvela::on_btn_z_add_pressed() { on_Style_btn_z_add(true); }
void Druvela::on_btn_z_add_released() { on_Style_btn_z_add(false); }
void Druvela::on_btn_z_sub_pressed() { on_Style_btn_z_sub(true); }
void Druvela::on_btn_z_sub_released() { on_Style_btn_z_sub(false); }
void Druvela::on_btn_lnge_cfg_clicked() { m_kit.openAudioRow(this, ui->btn_lnge_cfg, true); }
void Druvela::on_btn_mic_cfg_clicked() { m_kit.openAudioRow(this, ui->btn_mic_cfg, false); }


void Druvela::on_btnSet_clicked() { WindowPlacement::toggleSettingsWindow(m_kit.pages.menu); }

// ---- replies --------------------------------------------------------------

void Druvela::getDate(const QByteArray& by)
{
    FamilyPanel::applyStateReply(by, m_recordFields, m_recordTargets);
}

void Druvela::getTXSliderDate(const QByteArray& by) { m_kit.applyTbarReply(by, ui->verticalSlider_4, ui->btn_auto); }

void Druvela::getPOPWinState(const QByteArray& by) { DevState::applyPopWindowReply(by, m_recordTargets); }
void Druvela::getDevVersionState(const QByteArray& by) { DevState::applyVersionReply(by, m_recordTargets); }
