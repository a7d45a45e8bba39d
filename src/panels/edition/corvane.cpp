#include "corvane.h"
#include "audio_mode_keys.h"
#include "ui_corvane.h"

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
#include "support_page.h"
#include "widget_show.h"
#include "window_placement.h"

#include <QButtonGroup>
#include <QDebug>
#include <QTimer>

#include <initializer_list>

using PanelFaces::Face;
using PanelFaces::FaceRule;

namespace {

const QString kRoot = QStringLiteral(":/images/4k/");

Face keyFace(const QString& litSet, const QString& unlitFile, const QString& litFile)
{
    return PanelFaces::buttonFace(kRoot, QStringLiteral("default"), unlitFile, litSet, litFile, FaceRule::Bare);
}

Face keyFace(const QString& litSet, const QString& file)
{
    return keyFace(litSet, file, file);
}

Face lampFace()
{
    return Face{QStringLiteral("QLabel"), FaceRule::Bare, kRoot + QStringLiteral("default/off.png"),
                kRoot + QStringLiteral("green/on.png")};
}

constexpr int kWipeGroups = 10;
constexpr int kFlashCut = 300;
constexpr int kFlashShort = 200;
constexpr int kFlashFKey = 400;
constexpr uchar kMuteOff = 0;
constexpr uchar kMuteOn = 255;

} // namespace

Corvane::Corvane(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Corvane)
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
    init_function();
    init_AFVorMIXfunction();
    init_connect();
    init_record_targets();
}

Corvane::~Corvane()
{
    delete ui;
    // The settings windows have no parent.
    m_pages.deleteWindows();
}

void Corvane::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_fun->DevTypeID(ip, a, b, ip2, c, d);
    m_pages.menu->getDevIP(ip);
}

// ---- construction ---------------------------------------------------------

void Corvane::init_widget()
{
    m_fun = new onlyFun(this);
    m_pages.create(m_fun, nullptr);
}

void Corvane::init_button_style()
{
    const QString red = QStringLiteral("red");
    const QString green = QStringLiteral("green");
    auto add = [this](QWidget* w, const Face& f) { m_faces.insert(w, f); };

    add(ui->btn_pgm_1, keyFace(red, QStringLiteral("1 big 1.png"), QStringLiteral("1 big 1.png")));
    add(ui->btn_pgm_2, keyFace(red, QStringLiteral("2 big 3.png"), QStringLiteral("2 big 2.png")));
    add(ui->btn_pgm_3, keyFace(red, QStringLiteral("3 big 1.png")));
    add(ui->btn_pgm_4, keyFace(red, QStringLiteral("4 big 1.png")));
    add(ui->btn_pgm_bar, keyFace(red, QStringLiteral("BAR big 1.png")));
    add(ui->btn_pvw_1, keyFace(green, QStringLiteral("1 big 2.png"), QStringLiteral("1 big 1.png")));
    add(ui->btn_pvw_2, keyFace(green, QStringLiteral("2 big 2.png")));
    add(ui->btn_pvw_3, keyFace(green, QStringLiteral("3 big 2.png"), QStringLiteral("3 big 1.png")));
    add(ui->btn_pvw_4, keyFace(green, QStringLiteral("4 big 2.png"), QStringLiteral("4 big 1.png")));
    add(ui->btn_pvw_bar, keyFace(green, QStringLiteral("bar big 2.png")));
    add(ui->btn_cut, keyFace(red, QStringLiteral("cut.png")));
    add(ui->btn_auto, keyFace(red, QStringLiteral("auto.png")));
    add(ui->btn_ftb, keyFace(red, QStringLiteral("FTB.png")));
    add(ui->btn_rate1, keyFace(green, QStringLiteral("Rate 1.png")));
    add(ui->btn_rate2, keyFace(green, QStringLiteral("Rate 2.png")));
    add(ui->btn_rate3, keyFace(green, QStringLiteral("Rate 3.png")));
    add(ui->btn_mix, keyFace(green, QStringLiteral("mix_tx.png"), QStringLiteral("mix.png")));
    add(ui->btn_fade, keyFace(green, QStringLiteral("fade.png")));
    add(ui->btn_audio_afv, keyFace(green, QStringLiteral("AFV.png")));
    add(ui->btn_audio_mix, keyFace(green, QStringLiteral("mix.png")));
    add(ui->btn_mute, keyFace(green, QStringLiteral("mute.png")));
    add(ui->btn_src1, keyFace(green, QStringLiteral("ch1.png")));
    add(ui->btn_src2, keyFace(green, QStringLiteral("btn 16.png")));
    add(ui->btn_ch1_vol_add, keyFace(green, QStringLiteral("vol+-1.png")));
    add(ui->btn_ch2_vol_add, keyFace(green, QStringLiteral("vol+-1.png")));
    add(ui->btn_ch1_vol_sub, keyFace(green, QStringLiteral("vol--1.png")));
    add(ui->btn_ch2_vol_sub, keyFace(green, QStringLiteral("vol--1.png")));
    add(ui->btn_F1, keyFace(green, QStringLiteral("F1.png")));
    add(ui->btn_F2, keyFace(green, QStringLiteral("F2.png")));
    add(ui->btn_F3, keyFace(green, QStringLiteral("F3.png")));
    QPushButton* const upperF[] = {ui->btn_F4, ui->btn_F5, ui->btn_F6, ui->btn_F7, ui->btn_F8, ui->btn_F9};
    for (int i = 0; i < 6; ++i)
        add(upperF[i], keyFace(green, QStringLiteral("f%1.png").arg(i + 4)));
    add(ui->btn_still, keyFace(green, QStringLiteral("still.png")));
    add(ui->btn_key_pattern, keyFace(green, QStringLiteral("pattern.png")));
    add(ui->btn_pip, keyFace(green, QStringLiteral("pip.png")));
    add(ui->btn_pop, keyFace(green, QStringLiteral("pop.png")));
    add(ui->btn_key1, keyFace(green, QStringLiteral("luma.png")));
    add(ui->btn_key2, keyFace(green, QStringLiteral("chroma.png")));
    add(ui->btn_key3, keyFace(green, QStringLiteral("pattern.png")));
    add(ui->label_lightUP, lampFace());
    add(ui->label_lightDown, lampFace());

    auto* ftbTimer = new QTimer(this);
    connect(ftbTimer, &QTimer::timeout, this, &Corvane::m_on_timerour_FTB);
    m_ftb = FtbBlink(ftbTimer, [this](bool on) { on_Style_btnFTB(on); });

    ui->btn_exit->hide();
    ui->btn_key3->hide();
    ui->btn_help->setStyleSheet(QStringLiteral("border:0px;border-bottom-width:1px;"));

    on_Style_btnMUTE(false);
    on_Style_btnSRC1(false);
    on_Style_btnSRC2(false);
    on_Style_btnCH1_VOL_ADD(false);
    on_Style_btnCH1_VOL_SUB(false);
    on_Style_btnCH2_VOL_ADD(false);
    on_Style_btnCH2_VOL_SUB(false);
    for (QPushButton* f : {ui->btn_F1, ui->btn_F2, ui->btn_F3, ui->btn_F4, ui->btn_F5, ui->btn_F6, ui->btn_F7,
                           ui->btn_F8, ui->btn_F9})
        showFace(f, false);
    init_btnTRANSITONSStyle();
    init_function_style();
    on_Style_btnSTILL(false);
    on_Style_btnPattern(false);
}

void Corvane::init_label_style()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setWindowTitle(QStringLiteral("Zv-Solvenzari-4K"));
    setAttribute(Qt::WA_DeleteOnClose);
}

void Corvane::init_transitions()
{
    m_grpTransitions = new QButtonGroup(this);
    QPushButton* const keys[] = {ui->btn_mix,   ui->btn_fade,  ui->btnGroup1, ui->btnGroup2,
                                 ui->btnGroup3, ui->btnGroup4, ui->btnGroup5, ui->btnGroup6,
                                 ui->btnGroup7, ui->btnGroup8, ui->btnGroup9, ui->btnGroup10};
    for (int id = 0; id < 12; ++id)
        m_grpTransitions->addButton(keys[id], id);
}

void Corvane::init_pgm_pvw()
{
    m_grpPGM = new QButtonGroup(this);
    m_grpPVW = new QButtonGroup(this);
    QPushButton* const pgm[] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_bar};
    QPushButton* const pvw[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_bar};
    const int ids[] = {1, 2, 3, 4, 9};
    for (int i = 0; i < 5; ++i) {
        m_grpPGM->addButton(pgm[i], ids[i]);
        m_grpPVW->addButton(pvw[i], ids[i]);
    }
    connect(m_grpPGM, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PGM_clicked(uint8_t(id)); });
    connect(m_grpPVW, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_PVW_clicked(uint8_t(id)); });
}

void Corvane::init_audio_verticalSlider()
{
    const QString style = QStringLiteral(
        "QSlider::groove:vertical {border-image: url(:/images/4k/default/Rectangle 46.png);width:25px;}"
        "QSlider::handle:vertical {border-image: url(:/images/4k/default/Component 1.png);width:38px;height:40px;"
        "margin-left:-5px;margin-right:-5px;}");
    for (QSlider* s : {ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_master}) {
        s->setRange(0, 100);
        s->setSingleStep(10);
        s->setStyleSheet(style);
    }
}

void Corvane::init_bus_verticalSlider()
{
    ui->verticalSlider_4->setRange(0, 127);
    ui->verticalSlider_4->setSingleStep(5);
    ui->verticalSlider_4->setStyleSheet(QStringLiteral(
        "QSlider::groove:vertical{border-image: url(:/images/4k/default/Rectangle 46.png);width:18px;height: 284px;}"
        "QSlider::handle:vertical{border-image: url(:/images/4k/default/Component 2);width:200px;height: 52.5px;"
        "margin:0px -50px 0px -50px;}"));
    on_Style_label_lightUP(false);
    on_Style_label_lightDown(true);
    on_Style_btnCut(false);
    on_Style_btnAuto(false);
    on_Style_btnFTB(false);
}

void Corvane::init_Toggle_key()
{
    m_grpRate = new QButtonGroup(this);
    m_grpRate->addButton(ui->btn_rate1, 0);
    m_grpRate->addButton(ui->btn_rate2, 1);
    m_grpRate->addButton(ui->btn_rate3, 2);
    init_btnRateStyle();
    connect(m_grpRate, &QButtonGroup::idClicked, this, [this](int id) { m_on_btnGrp_Rate_clicked(uint8_t(id)); });
    connect(ui->btn_cut, &QPushButton::clicked, this, &Corvane::m_on_btnCut_clicked);
}

void Corvane::init_function()
{
    m_grpFunction = new QButtonGroup(this);
    m_grpFunction->addButton(ui->btn_pip, 1);
    m_grpFunction->addButton(ui->btn_pop, 2);
    m_grpFunction->addButton(ui->btn_key1, 3);
    m_grpFunction->addButton(ui->btn_key2, 4);
    m_grpFunction->addButton(ui->btn_key3, 5);
}

void Corvane::init_AFVorMIXfunction()
{
    m_grpAFVorMix = new QButtonGroup(this);
    m_grpAFVorMix->addButton(ui->btn_audio_afv, 0);
    m_grpAFVorMix->addButton(ui->btn_audio_mix, 1);
    init_AFVorMix_style();
    connect(m_grpAFVorMix, &QButtonGroup::idClicked, this,
            [this](int id) { m_on_btnGrp_AFVorMix_clicked(uint8_t(id)); });
}

void Corvane::init_connect()
{
    onlyFun* f = m_fun;
    auto byId = [](QButtonGroup* g, onlyFun* fun, void (onlyFun::*op)(uchar)) {
        connect(g, &QButtonGroup::idClicked, fun, [fun, op](int id) { (fun->*op)(uchar(id)); });
    };

    PanelWiring::connectAudioKeys(ui, f);
    PanelWiring::connectMenuKeys(ui, f);
    // Only the operator's drag strokes the T-bar; a reply that moves it sends nothing.
    connect(ui->verticalSlider_4, &QSlider::sliderMoved, f, &onlyFun::setslider0);
    byId(m_grpPGM, f, &onlyFun::m_on_btnGrp_PGM_clicked);
    byId(m_grpPVW, f, &onlyFun::m_on_btnGrp_PVW_clicked);
    byId(m_grpRate, f, &onlyFun::m_on_btnGrp_Rate_clicked);
    connect(ui->btn_ftb, &QPushButton::clicked, f, &onlyFun::m_on_btn_ftb_clicked);
    connect(ui->btn_still, &QPushButton::clicked, f, &onlyFun::m_on_btn_still_clicked);
    byId(m_grpAFVorMix, f, &onlyFun::m_on_btn_AFVorMIX_clicked);
    connect(ui->btn_mute, &QPushButton::clicked, f, &onlyFun::m_on_btn_ADUIO_MUTE_clicked);
    byId(m_grpTransitions, f, &onlyFun::m_on_btnGrp_TRANSITONS_clicked);
    connect(f, &onlyFun::Send_ICON_CURRENT_INDEX, this, &Corvane::set_TRANSITONS_Style);
    connect(f, &onlyFun::Send_Trans_Style, this, &Corvane::set_Trans_Style);
    connect(ui->btn_key_pattern, &QPushButton::pressed, f, &onlyFun::btn_pattern_pressed);
    connect(ui->btn_key_pattern, &QPushButton::released, f, &onlyFun::btn_pattern_released);
    byId(m_grpFunction, f, &onlyFun::m_on_btnGrp_Function_clicked);
    connect(f, &onlyFun::set_Function_EnableSignals, this, &Corvane::set_Function_Enable);
    connect(ui->btn_auto, &QPushButton::clicked, f, &onlyFun::m_on_btnAuto_clicked);
    PanelWiring::connectAutoLock(f, this, this, &Corvane::on_Style_btnAuto, ui->btn_cut, ui->btn_auto);
    connect(f, &onlyFun::setlightStyle, this, [this](bool b) {
        on_Style_label_lightUP(b);
        on_Style_label_lightDown(!b);
    }, Qt::DirectConnection);
    connect(ui->btn_cut, &QPushButton::clicked, f, &onlyFun::m_on_btnCut_clicked);
    connect(ui->btn_F1, &QPushButton::clicked, f, &onlyFun::m_on_btn_reso_clicked);
    connect(ui->btn_F2, &QPushButton::clicked, f, &onlyFun::m_on_btn_DPorHDMI_clicked);
    connect(ui->btn_F3, &QPushButton::clicked, f, &onlyFun::m_on_btn_mic_cfg_clicked);
    connect(ui->btn_F7, &QPushButton::clicked, f, &onlyFun::m_on_btn_hdr_cfg_clicked);
    connect(this, &Corvane::show_lnge_cfg, m_pages.audio, &AUDIO_PAGE::show_lnge_cfg_slots);
    connect(this, &Corvane::show_mic_cfg, m_pages.audio, &AUDIO_PAGE::show_mic_cfg_slots);
    connect(ui->btn_F8, &QPushButton::clicked, f, &onlyFun::m_on_btn_hdr_on_clicked);
    connect(f, &onlyFun::setHDR_ON_EnableSignals, this, &Corvane::on_Style_btnF8);
    PanelWiring::connectReplies(f, this);
    connect(m_pages.menu, &MainMenu::goBack, this, &Corvane::do_btnBack_clicked);
}

// ---- faces ----------------------------------------------------------------

void Corvane::showFace(QWidget* w, bool on)
{
    const auto it = m_faces.constFind(w);
    if (it != m_faces.constEnd())
        PanelFaces::showFace(w, *it, on);
}

QString Corvane::wipeFaceStyle(int group, bool lit)
{
    // ICON_CURRENT_INDEX holds a device byte less one; read it signed so a zero byte names icon -1.
    const qint32 icon = qint32(ICON_CURRENT_INDEX[group - 1]);
    const QString file = QStringLiteral("special_effect/GROUP%1/SFX%2.png").arg(group).arg(icon);
    return keyFace(QStringLiteral("green"), file).style(lit);
}

bool Corvane::flashKey(void (Corvane::*style)(bool), unsigned ms)
{
    return PanelFaces::flash(
        this, [this, style](bool on) { (this->*style)(on); },
        [](unsigned wait) { onlyFun::Delay_MSec(wait); }, ms);
}

void Corvane::on_Style_btnMUTE(bool on) { showFace(ui->btn_mute, on); }
void Corvane::on_Style_btnSRC1(bool on) { showFace(ui->btn_src1, on); }
void Corvane::on_Style_btnSRC2(bool on) { showFace(ui->btn_src2, on); }
void Corvane::on_Style_btnCH1_VOL_ADD(bool on) { showFace(ui->btn_ch1_vol_add, on); }
void Corvane::on_Style_btnCH1_VOL_SUB(bool on) { showFace(ui->btn_ch1_vol_sub, on); }
void Corvane::on_Style_btnCH2_VOL_ADD(bool on) { showFace(ui->btn_ch2_vol_add, on); }
void Corvane::on_Style_btnCH2_VOL_SUB(bool on) { showFace(ui->btn_ch2_vol_sub, on); }
void Corvane::on_Style_btnF1(bool on) { showFace(ui->btn_F1, on); }
void Corvane::on_Style_btnF2(bool on) { showFace(ui->btn_F2, on); }
void Corvane::on_Style_btnF3(bool on) { showFace(ui->btn_F3, on); }
void Corvane::on_Style_btnF4(bool on) { showFace(ui->btn_F4, on); }
void Corvane::on_Style_btnF5(bool on) { showFace(ui->btn_F5, on); }
void Corvane::on_Style_btnF6(bool on) { showFace(ui->btn_F6, on); }
void Corvane::on_Style_btnF7(bool on) { showFace(ui->btn_F7, on); }
void Corvane::on_Style_btnF8(bool on) { showFace(ui->btn_F8, on); }
void Corvane::on_Style_btnF9(bool on) { showFace(ui->btn_F9, on); }
void Corvane::on_Style_btnSTILL(bool on) { showFace(ui->btn_still, on); }
void Corvane::on_Style_btnPattern(bool on) { showFace(ui->btn_key_pattern, on); }
void Corvane::on_Style_btnPIP(bool on) { showFace(ui->btn_pip, on); }
void Corvane::on_Style_btnPOP(bool on) { showFace(ui->btn_pop, on); }
void Corvane::on_Style_btnKey1(bool on) { showFace(ui->btn_key1, on); }
void Corvane::on_Style_btnKey2(bool on) { showFace(ui->btn_key2, on); }
void Corvane::on_Style_btnKey3(bool on) { showFace(ui->btn_key3, on); }
void Corvane::on_Style_btnCut(bool on) { showFace(ui->btn_cut, on); }
void Corvane::on_Style_btnAuto(bool on) { showFace(ui->btn_auto, on); }
void Corvane::on_Style_btnFTB(bool on) { showFace(ui->btn_ftb, on); }
void Corvane::on_Style_label_lightUP(bool on) { showFace(ui->label_lightUP, on); }
void Corvane::on_Style_label_lightDown(bool on) { showFace(ui->label_lightDown, on); }

void Corvane::on_Style_btnTransitions_green(int id)
{
    if (id == 0 || id == 1)
        showFace(m_grpTransitions->button(id), true);
    else if (id >= 2 && id <= 11)
        Show::sheet(m_grpTransitions->button(id), wipeFaceStyle(id - 1, true));
}

void Corvane::on_Style_btnpgm_red(int id) { showFace(m_grpPGM->button(id), true); }
void Corvane::on_Style_btnpvw_green(int id) { showFace(m_grpPVW->button(id), true); }
void Corvane::on_Style_btnRate_green(int r) { showFace(m_grpRate->button(r), true); }
void Corvane::on_Style_btnAFV_green() { showFace(ui->btn_audio_afv, true); }
void Corvane::on_Style_btnAUDIOMIX_green() { showFace(ui->btn_audio_mix, true); }

void Corvane::unlightGroup(QButtonGroup* group) { showRow(group, -1); }

void Corvane::showRow(QButtonGroup* group, int lit)
{
    PanelFaces::showRow(group, lit, [this](QAbstractButton* k, bool on) { showFace(k, on); });
}

void Corvane::init_btnPGMStyle() { unlightGroup(m_grpPGM); }
void Corvane::init_btnPVWStyle() { unlightGroup(m_grpPVW); }
void Corvane::init_btnRateStyle() { unlightGroup(m_grpRate); }

void Corvane::init_AFVorMix_style()
{
    showFace(ui->btn_audio_afv, false);
    showFace(ui->btn_audio_mix, false);
}

void Corvane::init_btnTRANSITONSStyle() { showTransitions(-1); }

// MIX (id 0), FADE (1) and the wipe groups (2..11) shown once, the key with id lit lit.
void Corvane::showTransitions(int lit)
{
    showFace(ui->btn_mix, lit == 0);
    showFace(ui->btn_fade, lit == 1);
    QPushButton* const groups[kWipeGroups] = {ui->btnGroup1, ui->btnGroup2, ui->btnGroup3, ui->btnGroup4,
                                              ui->btnGroup5, ui->btnGroup6, ui->btnGroup7, ui->btnGroup8,
                                              ui->btnGroup9, ui->btnGroup10};
    for (int g = 1; g <= kWipeGroups; ++g)
        Show::sheet(groups[g - 1], wipeFaceStyle(g, lit == g + 1));
}

void Corvane::init_function_style() { showFunction(0); }

// The function key lit (1 PIP, 2 POP, 3..5 the keys) and its window open; 0 none.
void Corvane::showFunction(int lit)
{
    on_Style_btnPIP(lit == 1);
    on_Style_btnPOP(lit == 2);
    on_Style_btnKey1(lit == 3);
    on_Style_btnKey2(lit == 4);
    on_Style_btnKey3(lit == 5);
    m_pages.showFunctionWindow(lit);
}

// ---- rows -----------------------------------------------------------------

void Corvane::set_PGMCH_Style(uchar ch) { showRow(m_grpPGM, ch); }
void Corvane::set_PVWCH_Style(uchar ch) { showRow(m_grpPVW, ch); }
void Corvane::set_Rate_Style(uchar r) { showRow(m_grpRate, r <= 2 ? r : -1); }

void Corvane::setBtnAFVorMIXStyle(uchar v)
{
    AudioModeKeys::show(v, m_grpAFVorMix, [this](QWidget* k, bool on) { showFace(k, on); },
                        {ui->btn_src1, ui->btn_src2});
}

void Corvane::set_CH1VOL_Style(uchar v) { Show::value(ui->verticalSlider_1, v); }
void Corvane::set_CH2VOL_Style(uchar v) { Show::value(ui->verticalSlider_2, v); }
void Corvane::set_MasterVOL_Style(uchar v) { Show::value(ui->verticalSlider_master, v); }

void Corvane::m_on_btnGrp_PGM_clicked(uint8_t id) { set_PGMCH_Style(id); }
void Corvane::m_on_btnGrp_PVW_clicked(uint8_t id) { set_PVWCH_Style(id); }
void Corvane::m_on_btnGrp_Rate_clicked(uint8_t id) { set_Rate_Style(id); }
void Corvane::m_on_btnGrp_AFVorMix_clicked(uint8_t id) { setBtnAFVorMIXStyle(id); }

// ---- transitions and functions --------------------------------------------

void Corvane::set_TRANSITONS_Style(uchar id, uchar icon)
{
    if (id >= 2 && id <= 11)
        ICON_CURRENT_INDEX[id - 2] = icon;
    showTransitions(id <= 11 ? id : -1);
}

void Corvane::set_Trans_Style(uchar Trans, uchar wipe, uchar Group0, uchar Group1, uchar Group2, uchar Group3,
                              uchar Group4, uchar Group5, uchar Group6, uchar Group7, uchar Group8, uchar Group9)
{
    const uchar groups[kWipeGroups] = {Group0, Group1, Group2, Group3, Group4,
                                       Group5, Group6, Group7, Group8, Group9};
    DevState::storeGroupIcons(groups);
    showTransitions(DevState::litTransition(Trans, wipe, groups));
}

void Corvane::set_Function_Enable(uint8_t idx, bool pip_e, bool pop_e, bool key1_e, bool key2_e, bool key3_e)
{
    const bool on[5] = {pip_e, pop_e, key1_e, key2_e, key3_e};
    showFunction(idx >= 1 && idx <= 5 && on[idx - 1] ? idx : 0);
}

// ---- FTB, STILL, MUTE -----------------------------------------------------

void Corvane::on_btn_ftb_clicked() { m_ftb.toggle(); }
void Corvane::m_on_timerour_FTB() { m_ftb.tick(); }
void Corvane::set_FTB_Style(uchar v) { m_ftb.follow(v); }

void Corvane::on_btn_still_clicked()
{
    m_stillOn ^= 1;
    on_Style_btnSTILL(m_stillOn);
}

void Corvane::set_Stll_Style(uchar v)
{
    if (v > 1)
        return;
    m_stillOn = v;
    on_Style_btnSTILL(v == 1);
}

void Corvane::on_btn_mute_clicked()
{
    m_muteOn ^= 1;
    on_Style_btnMUTE(m_muteOn);
}

void Corvane::set_MUTE_style(uchar v)
{
    if (v != kMuteOff && v != kMuteOn)
        return;
    m_muteOn = v == kMuteOn ? 1 : 0;
    on_Style_btnMUTE(m_muteOn);
}

// ---- flashed keys ---------------------------------------------------------

void Corvane::m_on_btnCut_clicked() { flashKey(&Corvane::on_Style_btnCut, kFlashCut); }
void Corvane::on_btn_src1_clicked() { flashKey(&Corvane::on_Style_btnSRC1, kFlashShort); }
void Corvane::on_btn_src2_clicked() { flashKey(&Corvane::on_Style_btnSRC2, kFlashShort); }
void Corvane::on_btn_ch1_vol_sub_clicked() { flashKey(&Corvane::on_Style_btnCH1_VOL_SUB, kFlashShort); }
void Corvane::on_btn_ch1_vol_add_clicked() { flashKey(&Corvane::on_Style_btnCH1_VOL_ADD, kFlashShort); }
void Corvane::on_btn_ch2_vol_sub_clicked() { flashKey(&Corvane::on_Style_btnCH2_VOL_SUB, kFlashShort); }
void Corvane::on_btn_ch2_vol_add_clicked() { flashKey(&Corvane::on_Style_btnCH2_VOL_ADD, kFlashShort); }
void Corvane::on_btn_key_pattern_clicked() { flashKey(&Corvane::on_Style_btnPattern, kFlashShort); }
void Corvane::on_btn_F1_clicked() { flashKey(&Corvane::on_Style_btnF1, kFlashFKey); }
void Corvane::on_btn_F2_clicked() { flashKey(&Corvane::on_Style_btnF2, kFlashFKey); }
void Corvane::on_btn_F7_clicked() { flashKey(&Corvane::on_Style_btnF7, kFlashFKey); }

void Corvane::on_btn_F3_clicked()
{
    on_Style_btnF3(true);
    if (!onlyFun::Delay_MSec(this, kFlashFKey))
        return;
    emit show_mic_cfg(true);
    m_pages.audio->show();
    on_Style_btnF3(false);
}

// ---- settings window and help ---------------------------------------------

void Corvane::on_btnSet_clicked() { WindowPlacement::toggleSettings(this, m_pages.menu); }
void Corvane::do_btnBack_clicked() { WindowPlacement::backFromSettings(this, m_pages.menu); }

void Corvane::on_btn_help_clicked()
{
    openSupportPage();
}

// ---- replies --------------------------------------------------------------

void Corvane::getDate(const QByteArray& by)
{
    // Too short for the fields this panel reads, a wrong type or a busy record: ignored whole.
    if (!DevState::decodeStateDump(by, DevState::kThroughHdr, m_dump))
        return;

    DevStateGuard guard;
    if (m_previous)
        updateDevState();
    else
        setDevInitState();

    // The record and stream status belongs to the type of the model table's fifth row only.
    if (DEV_CHILD_TYPE == HardwareID_Table[4][HW_TYPE] && m_dump.hasStatus) {
        m_recStream = m_dump.status;
        DevState::applyRecStreamStatus(m_recStream, m_recordTargets);
    }
    m_previous = m_dump;
}

void Corvane::setDevInitState()
{
    DevState::applyRecord(m_dump.record, m_dump.record.present, m_recordFields, m_recordTargets);
}

void Corvane::updateDevState()
{
    DevState::applyRecord(m_dump.record, DevState::changedGroups(m_dump, m_previous ? &*m_previous : nullptr),
                          m_recordFields, m_recordTargets);
}

void Corvane::init_record_targets()
{
    m_recordFields.pgm = [this](quint8 v) { set_PGMCH_Style(v); };
    m_recordFields.pvw = [this](quint8 v) { set_PVWCH_Style(v); };
    m_recordFields.audioMode = [this](quint8 v) { setBtnAFVorMIXStyle(v); };
    m_recordFields.ch1Level = [this](quint8 v) { set_CH1VOL_Style(v); };
    m_recordFields.ch2Level = [this](quint8 v) { set_CH2VOL_Style(v); };
    m_recordFields.master = [this](quint8 v) { set_MasterVOL_Style(v); };
    m_recordFields.mute = [this](quint8 v) { set_MUTE_style(v); };
    m_recordFields.ftb = [this](quint8 v) { set_FTB_Style(v); };
    m_recordFields.still = [this](quint8 v) { set_Stll_Style(v); };
    m_recordFields.rate = [this](quint8 v) { set_Rate_Style(v); };
    // No camera section (its page is never fed), and F7 is the HDR configuration key.
    m_recordTargets = DevState::RecordTargets{m_fun,         m_pages.pip,  m_pages.pop,   m_pages.luma, m_pages.chroma,
                                              m_pages.pattern, nullptr,    m_pages.menu,  m_pages.audio, false};
}

void Corvane::getTXSliderDate(const QByteArray& by)
{
    DevState::TbarReport t;
    if (!DevState::readTbarReport(by, t))
        return;
    DevStateGuard guard;
    qDebug() << "by" << toSpacedHex(by);
    on_Style_btnAuto(t.autoLit);
    on_Style_label_lightUP(t.upLit);
    on_Style_label_lightDown(!t.upLit);
    if (t.moves)
        Show::value(ui->verticalSlider_4, t.lever);
    m_fun->setSliderDirection(t.direction, uchar(ui->verticalSlider_4->value()));
}

void Corvane::getPOPWinState(const QByteArray& by) { DevState::applyPopWindowReply(by, m_recordTargets); }
void Corvane::getDevVersionState(const QByteArray& by)
{
    DevState::applyVersionReply(by, DevState::kVersionFirstByte, m_recordTargets);
}
