#include "oriskan_new.h"
#include "ui_oriskan_new.h"

#include "audio_mode_keys.h"
#include "audio_page.h"
#include "bytes.h"
#include "cam_page.h"
#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "record_apply.h"
#include "source_page.h"
#include "widget_show.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QDebug>
#include <QSlider>
#include <QTimer>

using PanelFaces::Face;
using PanelFaces::FaceRule;
using PanelFaces::buttonFace;

namespace {

const QString kVy = QStringLiteral(":/images/Vy/");
const QString kDefault = QStringLiteral("default");
const QString kGreen = QStringLiteral("green");
const QString kRed = QStringLiteral("red");

Face vyFace(const QString& litSet, const QString& file, FaceRule rule = FaceRule::Tight)
{
    return buttonFace(kVy, kDefault, litSet, file, rule);
}

// Index order: inputs 1..4, then the bar.
const Face kPgmFaces[5] = {
    vyFace(kRed, QStringLiteral("1 big 1.png")), vyFace(kRed, QStringLiteral("1 big 2.png")),
    vyFace(kRed, QStringLiteral("1 big 3.png")), vyFace(kRed, QStringLiteral("1 big 4.png")),
    vyFace(kRed, QStringLiteral("1 bar.png")),
};
const Face kPvwFaces[5] = {
    buttonFace(kVy, kDefault, QStringLiteral("2 big 1.png"), kGreen, QStringLiteral("1 big 1.png"), FaceRule::Tight),
    buttonFace(kVy, kDefault, QStringLiteral("2 big 2.png"), kGreen, QStringLiteral("1 big 2.png"), FaceRule::Tight),
    buttonFace(kVy, kDefault, QStringLiteral("3 big 3.png"), kGreen, QStringLiteral("1 big 3.png"), FaceRule::Tight),
    buttonFace(kVy, kDefault, QStringLiteral("2 big 4.png"), kGreen, QStringLiteral("1 big 4.png"), FaceRule::Tight),
    buttonFace(kVy, kDefault, QStringLiteral("2 big  bar.png"), kGreen, QStringLiteral("1 bar.png"), FaceRule::Tight),
};
// btn_mix, btn_fade, btnGroup1..btnGroup4
const Face kTransitionFaces[6] = {
    buttonFace(kVy, kDefault, QStringLiteral("AFV (2).png"), kGreen, QStringLiteral("AFV.png"), FaceRule::Tight),
    vyFace(kGreen, QStringLiteral("AFV-1.png")), vyFace(kGreen, QStringLiteral("AFV-4.png")),
    vyFace(kGreen, QStringLiteral("AFV-2.png")), vyFace(kGreen, QStringLiteral("AFV-5.png")),
    vyFace(kGreen, QStringLiteral("AFV-3.png")),
};
const Face kRateFaces[3] = {
    vyFace(kGreen, QStringLiteral("Rate 1.png")), vyFace(kGreen, QStringLiteral("Rate 2.png")),
    vyFace(kGreen, QStringLiteral("Rate 3.png")),
};
const Face kCutFace = vyFace(kRed, QStringLiteral("cut.png"));
const Face kAutoFace = vyFace(kRed, QStringLiteral("auto.png"));
const Face kFtbFace = vyFace(kRed, QStringLiteral("FTB.png"));
const Face kFFaces[8] = {
    vyFace(kGreen, QStringLiteral("F1.png")), vyFace(kGreen, QStringLiteral("F2.png")),
    vyFace(kGreen, QStringLiteral("F3.png")), vyFace(kGreen, QStringLiteral("F4.png")),
    vyFace(kGreen, QStringLiteral("F5.png")), vyFace(kGreen, QStringLiteral("F6.png")),
    vyFace(kGreen, QStringLiteral("F7.png")), vyFace(kGreen, QStringLiteral("F8.png")),
};
const Face kSrc1Face = vyFace(kGreen, QStringLiteral("CH1.png"), FaceRule::Bare);
const Face kSrc2Face = vyFace(kGreen, QStringLiteral("CH2.png"), FaceRule::Bare);
const Face kVolAddFace = vyFace(kGreen, QStringLiteral("vol+.png"), FaceRule::Bare);
const Face kVolSubFace = vyFace(kGreen, QStringLiteral("vol-.png"), FaceRule::Bare);
const Face kStillFace = vyFace(kGreen, QStringLiteral("still.png"), FaceRule::Spaced);
const Face kPipFace = vyFace(kGreen, QStringLiteral("PIP.png"), FaceRule::Spaced);
const Face kAfvFace =
    buttonFace(kVy, kDefault, QStringLiteral("AFV.png"), kGreen, QStringLiteral("AFV-6.png"), FaceRule::Spaced);
const Face kMixFace = vyFace(kGreen, QStringLiteral("mix.png"), FaceRule::Spaced);
const Face kLampFace{QStringLiteral("QLabel"), FaceRule::Spaced, QStringLiteral(":/images/4k/default/off.png"),
                     QStringLiteral(":/images/4k/green/on.png")};

// Keys shown once with their faces: the key at index lit lit, the others unlit.
template <size_t N>
void showKeys(QPushButton* const (&keys)[N], const Face (&faces)[N], int lit)
{
    for (size_t i = 0; i < N; ++i)
        PanelFaces::showFace(keys[i], faces[i], int(i) == lit);
}

const char kFaderStyle[] =
    "QSlider::groove:vertical {border-image: url(:/images/Vy/default/Rectangle 44.png);width:25px;}"
    "QSlider::handle:vertical {border-image: url(:/images/Vy/default/Component 1.png);width:38px;height:40px;"
    "margin-left:-5px;margin-right:-5px;}";
const char kTbarStyle[] =
    "QSlider::groove:vertical{border-image: url(:/images/Vy/default/Rectangle 44.png);width:18px;height: 284px;}"
    "QSlider::handle:vertical{border-image: url(:/images/Vy/default/Component 2);width:200px;height: 52.5px;"
    "margin:0px -50px 0px -50px;}";

} // namespace

Oriskan_NEW::Oriskan_NEW(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Oriskan_NEW)
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
    m_grpFunction = new QButtonGroup(this);
    m_grpFunction->addButton(ui->btn_pip, 1);
    init_AFVorMIXfunction();
    init_connect();
    init_record_targets();
}

Oriskan_NEW::~Oriskan_NEW()
{
    delete ui;
    m_pages.deleteWindows();
}

void Oriskan_NEW::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_fun->DevTypeID(ip, a, b, ip2, c, d);
    m_pages.menu->getDevIP(ip);
}

// ---- construction -----------------------------------------------------------

void Oriskan_NEW::init_widget()
{
    m_fun = new onlyFun(this);
    m_pages.create(m_fun, this);
}

void Oriskan_NEW::init_button_style()
{
    auto* ftbTimer = new QTimer(this);
    connect(ftbTimer, &QTimer::timeout, this, &Oriskan_NEW::m_on_timerour_FTB);
    m_ftb = FtbBlink(ftbTimer, [this](bool on) { on_Style_btnFTB(on); });

    on_Style_btnSRC1(false);
    on_Style_btnSRC2(false);
    on_Style_btnCH1_VOL_ADD(false);
    on_Style_btnCH1_VOL_SUB(false);
    on_Style_btnCH2_VOL_ADD(false);
    on_Style_btnCH2_VOL_SUB(false);
    on_Style_btnF1(false);
    on_Style_btnF2(false);
    on_Style_btnF3(false);
    on_Style_btnF4(false);
    on_Style_btnF5(false);
    on_Style_btnF6(false);
    on_Style_btnF7(false);
    on_Style_btnF8(false);

    connect(ui->btn_F4, &QPushButton::clicked, m_fun, &onlyFun::m_on_btn_rec_clicked);
    connect(ui->btn_F5, &QPushButton::clicked, m_fun, &onlyFun::m_on_btn_pause_clicked);
    connect(ui->btn_F6, &QPushButton::clicked, m_fun, &onlyFun::m_on_btn_stream_clicked);
}

void Oriskan_NEW::init_label_style()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(QStringLiteral("Zv-Solvenzari-Vy"));
    setAttribute(Qt::WA_DeleteOnClose);
}

void Oriskan_NEW::init_transitions()
{
    m_grpTransitions = new QButtonGroup(this);
    m_grpTransitions->addButton(ui->btn_mix, 0);
    m_grpTransitions->addButton(ui->btn_fade, 1);
    m_grpTransitions->addButton(ui->btnGroup1, 2);
    m_grpTransitions->addButton(ui->btnGroup2, 3);
    m_grpTransitions->addButton(ui->btnGroup3, 4);
    m_grpTransitions->addButton(ui->btnGroup4, 5);
    init_btnTRANSITONSStyle();

    m_grpRate = new QButtonGroup(this);
    m_grpRate->addButton(ui->btn_rate1, 0);
    m_grpRate->addButton(ui->btn_rate2, 1);
    m_grpRate->addButton(ui->btn_rate3, 2);
    init_btnRateStyle();
}

void Oriskan_NEW::init_pgm_pvw()
{
    m_grpPGM = new QButtonGroup(this);
    m_grpPGM->addButton(ui->btn_pgm_1, 1);
    m_grpPGM->addButton(ui->btn_pgm_2, 2);
    m_grpPGM->addButton(ui->btn_pgm_3, 3);
    m_grpPGM->addButton(ui->btn_pgm_4, 4);
    m_grpPGM->addButton(ui->btn_pgm_bar, 9);

    m_grpPVW = new QButtonGroup(this);
    m_grpPVW->addButton(ui->btn_pvw_1, 1);
    m_grpPVW->addButton(ui->btn_pvw_2, 2);
    m_grpPVW->addButton(ui->btn_pvw_3, 3);
    m_grpPVW->addButton(ui->btn_pvw_4, 4);
    m_grpPVW->addButton(ui->btn_pvw_bar, 9);
}

void Oriskan_NEW::init_audio_verticalSlider()
{
    for (QSlider* s : {ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_master}) {
        s->setRange(0, 100);
        s->setSingleStep(10);
        s->setStyleSheet(QString::fromLatin1(kFaderStyle));
    }
}

void Oriskan_NEW::init_bus_verticalSlider()
{
    ui->verticalSlider_4->setRange(0, 127);
    ui->verticalSlider_4->setSingleStep(5);
    ui->verticalSlider_4->setStyleSheet(QString::fromLatin1(kTbarStyle));
}

void Oriskan_NEW::init_Toggle_key()
{
    on_Style_btnPIP(false);
    on_Style_btnSTILL(false);
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    on_Style_label_lightUP(false);
    on_Style_label_lightDown(true);
    m_pages.pip->close();
}

void Oriskan_NEW::init_AFVorMIXfunction()
{
    m_grpAFVorMix = new QButtonGroup(this);
    m_grpAFVorMix->addButton(ui->btn_audio_afv, 0);
    m_grpAFVorMix->addButton(ui->btn_audio_mix, 1);
    init_AFVorMix_style();
}

void Oriskan_NEW::init_connect()
{
    onlyFun* f = m_fun;
    // The panel's own face or flash runs first, the controller's command after it.
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPGM, &QButtonGroup::idClicked, f, [f](int id) { f->m_on_btnGrp_PGM_clicked(uchar(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, f, [f](int id) { f->m_on_btnGrp_PVW_clicked(uchar(id)); });
    connect(ui->btn_cut, &QPushButton::clicked, this, &Oriskan_NEW::m_on_btnCut_clicked);
    connect(ui->btn_cut, &QPushButton::clicked, f, &onlyFun::m_on_btnCut_clicked);
    connect(ui->btn_auto, &QPushButton::clicked, f, &onlyFun::m_on_btnAuto_clicked);
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Rate_clicked(uint8_t(id)); });
    connect(m_grpRate, &QButtonGroup::idClicked, f, [f](int id) { f->m_on_btnGrp_Rate_clicked(uchar(id)); });
    // Transitions: the controller first, so its icon signal precedes the panel's face.
    connect(m_grpTransitions, &QButtonGroup::idClicked, f,
            [f](int id) { f->m_on_btnGrp_TRANSITONS_clicked(uchar(id)); });
    connect(m_grpTransitions, &QButtonGroup::idClicked, this,
            [this](int id) { m_on_btnGrp_TRANSITONS_clicked(uint8_t(id)); });
    connect(m_grpFunction, &QButtonGroup::idClicked, f, [f](int id) { f->m_on_btnGrp_Function_clicked(uchar(id)); });
    connect(m_grpAFVorMix, &QButtonGroup::idClicked, this,
            [this](int id) { m_on_btnGrp_AFVorMix_clicked(uint8_t(id)); });
    connect(m_grpAFVorMix, &QButtonGroup::idClicked, f, [f](int id) { f->m_on_btn_AFVorMIX_clicked(uchar(id)); });

    // Keys whose own slot is connected by name in setupUi (so it runs first).
    connect(ui->btn_still, &QPushButton::clicked, f, &onlyFun::m_on_btn_still_clicked);
    connect(ui->btn_ftb, &QPushButton::clicked, f, &onlyFun::m_on_btn_ftb_clicked);
    PanelWiring::connectAudioKeys(ui, f);
    connect(ui->btn_F1, &QPushButton::clicked, f, &onlyFun::m_on_btn_reso_clicked);
    connect(ui->btn_F2, &QPushButton::clicked, f, &onlyFun::m_on_btn_DPorHDMI_clicked);
    connect(ui->btn_F3, &QPushButton::clicked, f, &onlyFun::m_on_btn_ADUIO_MUTE_clicked);
    connect(ui->btn_F7, &QPushButton::clicked, f, &onlyFun::m_on_btnF7_clicked);
    connect(ui->btn_F8, &QPushButton::clicked, f, &onlyFun::m_on_btn_mic_cfg_clicked);

    connect(ui->verticalSlider_4, &QSlider::valueChanged, f, &onlyFun::setslider0);

    PanelWiring::connectMenuKeys(ui, f);

    // The controller and the settings window back to the panel.
    connect(f, &onlyFun::Send_ICON_CURRENT_INDEX, this, &Oriskan_NEW::set_TRANSITONS_Style);
    connect(f, &onlyFun::Send_Trans_Style, this, &Oriskan_NEW::set_Trans_Style);
    connect(f, &onlyFun::set_Function_EnableSignals, this, &Oriskan_NEW::set_Function_Enable);
    // CUT and AUTO wait while the operator holds the T-bar between its ends.
    PanelWiring::connectAutoLock(f, this, this, &Oriskan_NEW::on_Style_btnAuto, ui->btn_cut, ui->btn_auto);
    connect(f, &onlyFun::setlightStyle, this, [this](bool b) {
        on_Style_label_lightUP(b);
        on_Style_label_lightDown(!b);
    });
    connect(f, &onlyFun::setF7Widget, this, &Oriskan_NEW::setF7Widget);
    connect(f, &onlyFun::m_on_Style_btnRec_Signals, this, &Oriskan_NEW::set_Rec_Enable);
    connect(f, &onlyFun::m_on_Style_btnPause_Signals, this, &Oriskan_NEW::on_Style_btnF5);
    connect(f, &onlyFun::m_on_Style_btnStream_Signals, this, &Oriskan_NEW::on_Style_btnF6);
    PanelWiring::connectReplies(f, this);
    connect(m_pages.menu, &MainMenu::goBack, this, &Oriskan_NEW::do_btnBack_clicked);
    connect(this, &Oriskan_NEW::show_lnge_cfg, m_pages.audio, &AUDIO_PAGE::show_lnge_cfg_slots);
    connect(this, &Oriskan_NEW::show_mic_cfg, m_pages.audio, &AUDIO_PAGE::show_mic_cfg_slots);
}

// ---- settings road ----------------------------------------------------------

void Oriskan_NEW::on_btnSet_clicked() { WindowPlacement::toggleSettings(this, m_pages.menu); }
void Oriskan_NEW::do_btnBack_clicked() { WindowPlacement::backFromSettings(this, m_pages.menu); }

// ---- faces ------------------------------------------------------------------

void Oriskan_NEW::on_Style_btnSRC1(bool on) { PanelFaces::showFace(ui->btn_src1, kSrc1Face, on); }
void Oriskan_NEW::on_Style_btnSRC2(bool on) { PanelFaces::showFace(ui->btn_src2, kSrc2Face, on); }
void Oriskan_NEW::on_Style_btnCH1_VOL_ADD(bool on) { PanelFaces::showFace(ui->btn_ch1_vol_add, kVolAddFace, on); }
void Oriskan_NEW::on_Style_btnCH1_VOL_SUB(bool on) { PanelFaces::showFace(ui->btn_ch1_vol_sub, kVolSubFace, on); }
void Oriskan_NEW::on_Style_btnCH2_VOL_ADD(bool on) { PanelFaces::showFace(ui->btn_ch2_vol_add, kVolAddFace, on); }
void Oriskan_NEW::on_Style_btnCH2_VOL_SUB(bool on) { PanelFaces::showFace(ui->btn_ch2_vol_sub, kVolSubFace, on); }
void Oriskan_NEW::on_Style_btnF1(bool on) { PanelFaces::showFace(ui->btn_F1, kFFaces[0], on); }
void Oriskan_NEW::on_Style_btnF2(bool on) { PanelFaces::showFace(ui->btn_F2, kFFaces[1], on); }
void Oriskan_NEW::on_Style_btnF3(bool on) { PanelFaces::showFace(ui->btn_F3, kFFaces[2], on); }
void Oriskan_NEW::on_Style_btnF4(bool on) { PanelFaces::showFace(ui->btn_F4, kFFaces[3], on); }
void Oriskan_NEW::on_Style_btnF5(bool on) { PanelFaces::showFace(ui->btn_F5, kFFaces[4], on); }
void Oriskan_NEW::on_Style_btnF6(bool on) { PanelFaces::showFace(ui->btn_F6, kFFaces[5], on); }
void Oriskan_NEW::on_Style_btnF7(bool on) { PanelFaces::showFace(ui->btn_F7, kFFaces[6], on); }
void Oriskan_NEW::on_Style_btnF8(bool on) { PanelFaces::showFace(ui->btn_F8, kFFaces[7], on); }
void Oriskan_NEW::on_Style_btnSTILL(bool on) { PanelFaces::showFace(ui->btn_still, kStillFace, on); }
void Oriskan_NEW::on_Style_btnPIP(bool on) { PanelFaces::showFace(ui->btn_pip, kPipFace, on); }
void Oriskan_NEW::on_Style_btnCut(bool on) { PanelFaces::showFace(ui->btn_cut, kCutFace, on); }
void Oriskan_NEW::on_Style_btnAuto(bool on) { PanelFaces::showFace(ui->btn_auto, kAutoFace, on); }
void Oriskan_NEW::on_Style_btnFTB(bool on) { PanelFaces::showFace(ui->btn_ftb, kFtbFace, on); }
void Oriskan_NEW::on_Style_label_lightUP(bool on) { PanelFaces::showFace(ui->label_lightUP, kLampFace, on); }
void Oriskan_NEW::on_Style_label_lightDown(bool on) { PanelFaces::showFace(ui->label_lightDown, kLampFace, on); }

// A channel, rate or transition no key stands for leaves its row unlit.
void Oriskan_NEW::init_btnPGMStyle() { set_PGMCH_Style(0); }
void Oriskan_NEW::init_btnPVWStyle() { set_PVWCH_Style(0); }
void Oriskan_NEW::init_btnTRANSITONSStyle() { showTransitions(-1); }
void Oriskan_NEW::init_btnRateStyle() { set_Rate_Style(0xFF); }
void Oriskan_NEW::init_AFVorMix_style() { setBtnAFVorMIXStyle(0xFF); }

void Oriskan_NEW::showTransitions(int lit)
{
    QPushButton* const row[6] = {ui->btn_mix,   ui->btn_fade,  ui->btnGroup1,
                                 ui->btnGroup2, ui->btnGroup3, ui->btnGroup4};
    showKeys(row, kTransitionFaces, lit);
}

void Oriskan_NEW::on_Style_btnpgm1_red() { PanelFaces::showFace(ui->btn_pgm_1, kPgmFaces[0], true); }
void Oriskan_NEW::on_Style_btnpgm2_red() { PanelFaces::showFace(ui->btn_pgm_2, kPgmFaces[1], true); }
void Oriskan_NEW::on_Style_btnpgm3_red() { PanelFaces::showFace(ui->btn_pgm_3, kPgmFaces[2], true); }
void Oriskan_NEW::on_Style_btnpgm4_red() { PanelFaces::showFace(ui->btn_pgm_4, kPgmFaces[3], true); }
void Oriskan_NEW::on_Style_btnpgmbar_red() { PanelFaces::showFace(ui->btn_pgm_bar, kPgmFaces[4], true); }
void Oriskan_NEW::on_Style_btnpvw1_green() { PanelFaces::showFace(ui->btn_pvw_1, kPvwFaces[0], true); }
void Oriskan_NEW::on_Style_btnpvw2_green() { PanelFaces::showFace(ui->btn_pvw_2, kPvwFaces[1], true); }
void Oriskan_NEW::on_Style_btnpvw3_green() { PanelFaces::showFace(ui->btn_pvw_3, kPvwFaces[2], true); }
void Oriskan_NEW::on_Style_btnpvw4_green() { PanelFaces::showFace(ui->btn_pvw_4, kPvwFaces[3], true); }
void Oriskan_NEW::on_Style_btnpvwbar_green() { PanelFaces::showFace(ui->btn_pvw_bar, kPvwFaces[4], true); }
void Oriskan_NEW::on_Style_btnRate1_green() { PanelFaces::showFace(ui->btn_rate1, kRateFaces[0], true); }
void Oriskan_NEW::on_Style_btnRate2_green() { PanelFaces::showFace(ui->btn_rate2, kRateFaces[1], true); }
void Oriskan_NEW::on_Style_btnRate3_green() { PanelFaces::showFace(ui->btn_rate3, kRateFaces[2], true); }
void Oriskan_NEW::on_Style_btnAFV_green() { PanelFaces::showFace(ui->btn_audio_afv, kAfvFace, true); }
void Oriskan_NEW::on_Style_btnAUDIOMIX_green() { PanelFaces::showFace(ui->btn_audio_mix, kMixFace, true); }
void Oriskan_NEW::on_Style_btnTransitions0_green() { PanelFaces::showFace(ui->btn_mix, kTransitionFaces[0], true); }
void Oriskan_NEW::on_Style_btnTransitions1_green() { PanelFaces::showFace(ui->btn_fade, kTransitionFaces[1], true); }
void Oriskan_NEW::on_Style_btnTransitions2_green() { PanelFaces::showFace(ui->btnGroup1, kTransitionFaces[2], true); }
void Oriskan_NEW::on_Style_btnTransitions3_green() { PanelFaces::showFace(ui->btnGroup2, kTransitionFaces[3], true); }
void Oriskan_NEW::on_Style_btnTransitions4_green() { PanelFaces::showFace(ui->btnGroup3, kTransitionFaces[4], true); }
void Oriskan_NEW::on_Style_btnTransitions5_green() { PanelFaces::showFace(ui->btnGroup4, kTransitionFaces[5], true); }

// ---- rows and toggles -------------------------------------------------------

namespace {
// Inputs 1..4 at index 0..3, the colour bar (9) at 4.
int busIndex(uint8_t ch) { return ch >= 1 && ch <= 4 ? ch - 1 : ch == 9 ? 4 : -1; }
}

void Oriskan_NEW::set_PGMCH_Style(uint8_t ch)
{
    QPushButton* const row[5] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_bar};
    showKeys(row, kPgmFaces, busIndex(ch));
}

void Oriskan_NEW::set_PVWCH_Style(uint8_t ch)
{
    QPushButton* const row[5] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_bar};
    showKeys(row, kPvwFaces, busIndex(ch));
}

void Oriskan_NEW::set_Rate_Style(uint8_t r)
{
    QPushButton* const row[3] = {ui->btn_rate1, ui->btn_rate2, ui->btn_rate3};
    showKeys(row, kRateFaces, r <= 2 ? r : -1);
}

void Oriskan_NEW::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void Oriskan_NEW::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void Oriskan_NEW::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void Oriskan_NEW::m_on_btnGrp_AFVorMix_clicked(uint8_t id) { setBtnAFVorMIXStyle(id); }

void Oriskan_NEW::setBtnAFVorMIXStyle(uint8_t m)
{
    AudioModeKeys::show(
        m, m_grpAFVorMix,
        [this](QWidget* k, bool on) { PanelFaces::showFace(k, k == ui->btn_audio_afv ? kAfvFace : kMixFace, on); },
        {ui->btn_src1, ui->btn_src2});
}

void Oriskan_NEW::set_Stll_Style(uint8_t v)
{
    if (v > 1)
        return;
    m_still = v;
    on_Style_btnSTILL(v != 0);
}

void Oriskan_NEW::set_Mute_Style(uint8_t v)
{
    if (v <= 1)
        m_mute = v;
    on_Style_btnF3(v != 0);
}

void Oriskan_NEW::on_btn_still_clicked()
{
    m_still = m_still ? 0 : 1;
    on_Style_btnSTILL(m_still != 0);
}

void Oriskan_NEW::on_btn_F3_clicked()
{
    m_mute = m_mute ? 0 : 1;
    on_Style_btnF3(m_mute != 0);
}

void Oriskan_NEW::set_Rec_Enable(bool rec)
{
    if (rec) {
        on_Style_btnF4(true);
    } else {
        on_Style_btnF4(false);
        on_Style_btnF5(false);
    }
    Show::enabled(ui->btn_F5, rec);
}

void Oriskan_NEW::m_on_btnGrp_TRANSITONS_clicked(uint8_t id) { set_TRANSITONS_Style(id, 0); }

void Oriskan_NEW::set_TRANSITONS_Style(uint8_t id, uint8_t icon)
{
    if (id >= 2 && id <= 5)
        ICON_CURRENT_INDEX[id - 2] = icon;
    showTransitions(id <= 5 ? id : -1);
}

void Oriskan_NEW::set_Trans_Style(uint8_t kind, uint8_t current, uint8_t g1, uint8_t g2, uint8_t g3, uint8_t g4,
                                  uint8_t g5, uint8_t g6, uint8_t g7, uint8_t g8, uint8_t g9, uint8_t g10)
{
    const uint8_t groups[10] = {g1, g2, g3, g4, g5, g6, g7, g8, g9, g10};
    DevState::storeGroupIcons(groups);
    int lit = -1;
    if (kind == 1) {
        lit = 0;
    } else if (kind == 2) {
        lit = 1;
    } else if (kind == 4 || kind == 8) {
        // The current effect is the group's wipe code less 35.
        switch (current) {
        case 0: lit = 3; break;
        case 2: lit = 2; break;
        case 4: lit = 5; break;
        case 6: lit = 4; break;
        default: break;
        }
    }
    showTransitions(lit);
}

// PIP is this panel's only function key; the key pages follow F7 alone.
void Oriskan_NEW::set_Function_Enable(uint8_t f, bool pip_e, bool, bool, bool, bool)
{
    const bool open = f == 1 && pip_e;
    on_Style_btnPIP(open);
    EditionWindows::showWindow(m_pages.pip, open);
}

void Oriskan_NEW::setF7Widget(uint8_t mode, bool state1, bool state2)
{
    if (mode == 1) {
        if (state1) {
            on_Style_btnF7(true);
            m_pages.luma->show();
            if (m_pages.chroma->isActiveWindow())
                m_pages.chroma->close();
        } else {
            on_Style_btnF7(false);
            m_pages.luma->close();
        }
    } else if (mode == 2) {
        if (state2) {
            on_Style_btnF7(true);
            m_pages.chroma->show();
            if (m_pages.luma->isActiveWindow())
                m_pages.luma->close();
        } else {
            on_Style_btnF7(false);
            m_pages.chroma->close();
        }
    }
}

// ---- flashes ----------------------------------------------------------------

bool Oriskan_NEW::flashKey(void (Oriskan_NEW::*face)(bool), unsigned ms)
{
    return PanelFaces::flash(
        this, [this, face](bool on) { (this->*face)(on); }, [](unsigned t) { onlyFun::Delay_MSec(t); }, ms);
}

void Oriskan_NEW::m_on_btnCut_clicked() { flashKey(&Oriskan_NEW::on_Style_btnCut, 300); }
void Oriskan_NEW::on_btn_src1_clicked() { flashKey(&Oriskan_NEW::on_Style_btnSRC1, 200); }
void Oriskan_NEW::on_btn_src2_clicked() { flashKey(&Oriskan_NEW::on_Style_btnSRC2, 200); }
void Oriskan_NEW::on_btn_ch1_vol_sub_clicked() { flashKey(&Oriskan_NEW::on_Style_btnCH1_VOL_SUB, 200); }
void Oriskan_NEW::on_btn_ch1_vol_add_clicked() { flashKey(&Oriskan_NEW::on_Style_btnCH1_VOL_ADD, 200); }
void Oriskan_NEW::on_btn_ch2_vol_sub_clicked() { flashKey(&Oriskan_NEW::on_Style_btnCH2_VOL_SUB, 200); }
void Oriskan_NEW::on_btn_ch2_vol_add_clicked() { flashKey(&Oriskan_NEW::on_Style_btnCH2_VOL_ADD, 200); }
void Oriskan_NEW::on_btn_F1_clicked() { flashKey(&Oriskan_NEW::on_Style_btnF1, 400); }
void Oriskan_NEW::on_btn_F2_clicked() { flashKey(&Oriskan_NEW::on_Style_btnF2, 400); }
void Oriskan_NEW::on_btn_F8_clicked() { flashKey(&Oriskan_NEW::on_Style_btnF8, 400); }

// ---- FTB lamp ---------------------------------------------------------------

void Oriskan_NEW::on_btn_ftb_clicked() { m_ftb.toggle(); }
void Oriskan_NEW::m_on_timerour_FTB() { m_ftb.tick(); }
void Oriskan_NEW::set_FTB_Style(uint8_t v) { m_ftb.follow(v); }

// ---- replies ----------------------------------------------------------------

void Oriskan_NEW::getDate(QByteArray reply)
{
    DevState::StateDump dump;
    // A dump too short for the record is dropped whole and not kept for comparison.
    if (!DevState::decodeStateDump(reply, DevState::kThroughF7Mode, dump))
        return;
    DevStateGuard guard;
    m_dump = std::move(dump);
    if (m_previous)
        updateDevState();
    else
        setDevInitState();
    // A length field that does not fit the datagram leaves the status alone.
    if (m_dump.hasStatus) {
        m_recStream = m_dump.status;
        DevState::applyRecStreamStatus(m_recStream, m_recordTargets);
    }
    m_previous = m_dump;
}

void Oriskan_NEW::setDevInitState() { applyRecord(m_dump.record.present); }

void Oriskan_NEW::updateDevState()
{
    applyRecord(DevState::changedGroups(m_dump, m_previous ? &*m_previous : nullptr));
}

void Oriskan_NEW::applyRecord(const DevState::Groups& g)
{
    DevState::applyRecord(m_dump.record, g, m_recordFields, m_recordTargets);
}

void Oriskan_NEW::init_record_targets()
{
    m_recordFields.pgm = [this](quint8 v) { set_PGMCH_Style(v); };
    m_recordFields.pvw = [this](quint8 v) { set_PVWCH_Style(v); };
    m_recordFields.audioMode = [this](quint8 v) { setBtnAFVorMIXStyle(v); };
    m_recordFields.ch1Level = [this](quint8 v) { Show::value(ui->verticalSlider_1, v); };
    m_recordFields.ch2Level = [this](quint8 v) { Show::value(ui->verticalSlider_2, v); };
    m_recordFields.master = [this](quint8 v) { Show::value(ui->verticalSlider_master, v); };
    m_recordFields.mute = [this](quint8 v) { set_Mute_Style(v); };
    m_recordFields.ftb = [this](quint8 v) { set_FTB_Style(v); };
    m_recordFields.still = [this](quint8 v) { set_Stll_Style(v); };
    m_recordFields.rate = [this](quint8 v) { set_Rate_Style(v); };
    // This panel feeds its camera page and reads the F7 key mode.
    m_recordTargets = DevState::RecordTargets{m_fun,         m_pages.pip, m_pages.pop,  m_pages.luma, m_pages.chroma,
                                              m_pages.pattern, m_pages.cam, m_pages.menu, m_pages.audio, true};
}

void Oriskan_NEW::getTXSliderDate(const QByteArray& reply)
{
    DevState::TbarReport t;
    if (!DevState::readTbarReport(reply, t))
        return;
    DevStateGuard guard;
    qDebug() << "by" << toSpacedHex(reply);
    on_Style_btnAuto(t.autoLit);
    on_Style_label_lightUP(t.upLit);
    on_Style_label_lightDown(!t.upLit);
    if (t.moves)
        Show::value(ui->verticalSlider_4, t.lever);
    m_fun->setSliderDirection(t.direction, uchar(ui->verticalSlider_4->value() & 0xFF));
}

void Oriskan_NEW::getPOPWinState(const QByteArray& reply) { DevState::applyPopWindowReply(reply, m_recordTargets); }
void Oriskan_NEW::getDevVersionState(const QByteArray& reply)
{
    DevState::applyVersionReply(reply, DevState::kVersionFirstByte, m_recordTargets);
}
