#include "venadro.h"
#include "ui_venadro.h"

#include "device_record.h"
#include "druvela_workdata.h"
#include "onlyfun.h"
#include "series8_flash.h"
#include "series8_style.h"
#include "series8_tables.h"
#include "sub_window.h"
#include "tbar_stroke.h"
#include "venadro_set.h"
#include "widget_show.h"

#include <QButtonGroup>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>

namespace {

const QString kInputOnProgram = QStringLiteral("QGroupBox{border:1px solid red;}");
const QString kInputOff = QStringLiteral("QGroupBox{border:1px solid white;}");

QString keyStyle(bool on) { return Series8Style::key(on); }

// PIP size -> its label and the preview's size.
struct PipSize {
    const char* label;
    QSize preview;
};
const PipSize kPipSizes[3] = {{"PIP_SZ:S", {154, 86}}, {"PIP_SZ:M", {205, 115}}, {"PIP_SZ:L", {308, 173}}};

} // namespace

bool Venadro::autoLampLit = false;

Venadro::Venadro(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Venadro)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setStyleSheet(QStringLiteral("QWidget{background-color:rgb(32,32,32);border:0px solid white;}"));
    setWindowTitle(QStringLiteral("Qavo"));

    // The preview's own layer bound port 7000 in the form; this one binds
    // after it, so the switcher's replies reach the panel's layer.
    m_link = new Druvela_workdata(this);

    ui->g_upper->setStyleSheet(QStringLiteral("QGroupBox{border:2px solid red;}"));
    ui->g_left1->setStyleSheet(kInputOff);
    // Red before any input is reported, as the switcher's own panel has it.
    ui->g_left2->setStyleSheet(kInputOnProgram);
    ui->g_right->setStyleSheet(QStringLiteral("QGroupBox{border:0px solid green;}"));
    // The form's labels, not the title strip's logo.
    for (QLabel* label : findChildren<QLabel*>(QRegularExpression(QStringLiteral("^label_"))))
        label->setStyleSheet(QStringLiteral("color:white"));
    for (QToolButton* input : {ui->tbtn_in1, ui->tbtn_in2})
        input->setStyleSheet(QStringLiteral("QToolButton{background-color:rgba(32,30,32,0);}"));
    for (QToolButton* preview : {static_cast<QToolButton*>(ui->tbtn_pip), ui->tbtn_pop, ui->tbtn_pop_2}) {
        preview->setStyleSheet(QStringLiteral("QToolButton{background-color:rgb(32,30,32);border:1px solid white;}"));
        preview->hide();
    }

    setContent = new Set(nullptr, m_link);
    setWindow = Series8::makeSubWindow(QStringLiteral("setWidget"), QStringLiteral("SET"), QSize(300, 268), setContent);

    connect(setContent, &Set::setPIPSZ_Style, this, &Venadro::setPIP_SZ_State);
    connect(setContent, &Set::setPIPSZ_Style, ui->tbtn_pip, &PIPGroVenadro::getPIP_SIZ);
    connect(this, &Venadro::setenablefalg, setContent, &Set::setenablefalgSlots);
    connect(this, &Venadro::setPIP_size_unlock_falg, setContent, &Set::setPIP_size_unlock_falg_slots);

    initUpper();
    initRight();

    connect(m_link, &Druvela_workdata::on_signals_allData, this, &Venadro::m_on_toRead_QuilletDtat);
    connect(m_link, &Druvela_workdata::on_signals_allData, setContent, &Set::on_toRead_QuilletSMDtat);
    // The preview follows the switcher's PIP position as well as the drags.
    connect(this, &Venadro::setPIP_POST, ui->tbtn_pip, &PIPGroVenadro::set_H_Vposition_Style);

    ui->btn_micvol->setEnabled(false);
}

// The SET window and the button group have no parent.
Venadro::~Venadro()
{
    delete setWindow;
    delete mwfGroup;
    delete ui;
}

void Venadro::initUpper()
{
    on_Style_btnCH1(false);
    on_Style_btnAfv(false);
    on_Style_btnMute(false);
    on_Style_btnCH2(false);
    ui->slider_ch1->setStyleSheet(Series8Style::venadroSliderCh1());
    ui->slider_ch2->setStyleSheet(Series8Style::venadroSliderCh2());
    ui->slider_auto->setStyleSheet(Series8Style::venadroSliderAuto());
    ui->slider_ch1->setRange(0, 100);
    ui->slider_ch2->setRange(0, 100);
    ui->slider_auto->setRange(0, 127);
    connect(ui->slider_ch1, &QSlider::valueChanged, this, &Venadro::set_audio_vol);
    connect(ui->slider_ch2, &QSlider::valueChanged, this, &Venadro::set_audio_vol);
    m_tbar = std::make_unique<TbarStroke>(
        ui->slider_auto, m_link, autoLampLit, [this] { setPGM_PVWCH(); }, [this](bool on) { on_Style_btnAuto(on); });
    connect(ui->slider_auto, &QSlider::valueChanged, this, &Venadro::setslider0);
}

void Venadro::initRight()
{
    stillTimer = new QTimer(this);
    stillTimer->setInterval(Series8Flash::kBlinkIntervalMs);
    connect(stillTimer, &QTimer::timeout, this, &Venadro::Time_still);
    on_Style_btnAuto(false);
    on_Style_btnReso(false);
    on_Style_btnRate(false);
    on_Style_btnRec(false);
    on_Style_btnMicvol(false);
    on_Style_btnPip(false);
    on_Style_btnPop(false);
    on_Style_btnStill(false);
    stillOn = false;
    on_Style_btnSet(false);
    on_Style_btnRtmp(false);

    mwfGroup = new QButtonGroup;
    mwfGroup->addButton(ui->btn_mix, 1);
    mwfGroup->addButton(ui->btn_fade, 2);
    mwfGroup->addButton(ui->btn_wipe, 4);
    connect(mwfGroup, &QButtonGroup::idClicked, this, &Venadro::m_on_btnGrp_MWF_clicked);
    init_btnMWFStyle();
}

void Venadro::DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char c,
                        unsigned char d)
{
    setContent->getDevIP(ip);
    ui->tbtn_pip->DevTypeID(ip, a, b, hisIp, c, d);
    m_link->get_DevTypeID(ip, a, b);
    m_link->get_HISTypeID(hisIp, c, d);
    m_link->SendCMDReadDevState();
}

// ---- what the panel shows ----

void Venadro::setPIP_SZ_State(int size)
{
    if (size < 0 || size > 2)
        return;
    Show::text(ui->label_pip_size, QLatin1String(kPipSizes[size].label));
    ui->tbtn_pip->setFixedSize(kPipSizes[size].preview);
    setContent->setPIP_S_V(size);
    ui->tbtn_pip->setRARE_V(size);
}

void Venadro::in1_in2_style(int input)
{
    programInput = uint8_t(input);
    if (input == 1 || input == 2) {
        Show::sheet(ui->g_left1, input == 1 ? kInputOnProgram : kInputOff);
        Show::sheet(ui->g_left2, input == 2 ? kInputOnProgram : kInputOff);
    }
}

void Venadro::setPGM_PVWCH()
{
    in1_in2_style(programInput == 1 ? 2 : programInput == 2 ? 1 : programInput);
}

namespace {

// Source code -> (name, position in the cycle); other codes have none.
bool sourceOf(int code, QString& name, int& position)
{
    switch (code) {
    case 3: name = QStringLiteral("IN1"); position = 0; return true;
    case 4: name = QStringLiteral("IN2"); position = 1; return true;
    case 8: name = QStringLiteral("MIC_IN1"); position = 2; return true;
    case 0: name = QStringLiteral("MIC_IN2"); position = 3; return true;
    default: return false;
    }
}

} // namespace

void Venadro::setCH1State(int code)
{
    QString name;
    if (sourceOf(code, name, ch1Index))
        Show::text(ui->label_ch1, name);
}

void Venadro::setCH2State(int code)
{
    QString name;
    if (sourceOf(code, name, ch2Index))
        Show::text(ui->label_ch2, name);
}

void Venadro::setRATE_State(int rate)
{
    rateValue = rate;
    if (rate < 0 || rate > 2)
        return;
    Show::text(ui->btn_rate, QStringLiteral("RARE%1").arg(rate + 1));
    rateIndex = rate;
}

void Venadro::set_X_Yposition_Style(uint8_t Hnum1, uint8_t Lnum1, uint8_t Hnum2, uint8_t Lnum2)
{
    emit setPIP_POST(uint16_t(Hnum1 * 256 + Lnum1), uint16_t(Hnum2 * 256 + Lnum2));
}

void Venadro::set_audio_vol() {}

void Venadro::Delay_MSec(unsigned int ms)
{
    onlyFun::Delay_MSec(ms);
}

// ---- lamps ----

void Venadro::light(QPushButton* key, bool on) { Show::sheet(key, keyStyle(on)); }

void Venadro::on_Style_btnCH1(bool on) { light(ui->btn_ch1, on); }
void Venadro::on_Style_btnCH2(bool on) { light(ui->btn_ch2, on); }
void Venadro::on_Style_btnAuto(bool on) { light(ui->btn_auto, on); }
void Venadro::on_Style_btnReso(bool on) { light(ui->btn_reso, on); }
void Venadro::on_Style_btnRate(bool on) { light(ui->btn_rate, on); }
void Venadro::on_Style_btnMicvol(bool on) { light(ui->btn_micvol, on); }
void Venadro::on_Style_btnStill(bool on) { light(ui->btn_still, on); }
void Venadro::on_Style_btnAfv(bool on) { afvOn = on; light(ui->btn_afv, on); }
void Venadro::on_Style_btnMute(bool on) { muteOn = on; light(ui->btn_mute, on); }
void Venadro::on_Style_btnSet(bool on) { setOpen = on; light(ui->btn_set, on); }
void Venadro::on_Style_btnRec(bool on) { recOn = on; light(ui->btn_rec, on); }
void Venadro::on_Style_btnRtmp(bool on) { rtmpOn = on; light(ui->btn_rtmp, on); }

void Venadro::on_Style_btnPip(bool on)
{
    light(ui->btn_pip, on);
    Show::visible(ui->tbtn_pip, on);
    pipOn = on;
    emit setPIP_size_unlock_falg(on);
}

void Venadro::on_Style_btnPop(bool on)
{
    light(ui->btn_pop, on);
    Show::visible(ui->tbtn_pop, on);
    Show::visible(ui->tbtn_pop_2, on);
    popOn = on;
}

void Venadro::on_Style_btnMix_red() { light(ui->btn_mix, true); }
void Venadro::on_Style_btnFade_red() { light(ui->btn_fade, true); }
void Venadro::on_Style_btnWipe_red() { light(ui->btn_wipe, true); }

void Venadro::init_btnMWFStyle() { set_MWFCH_Style(0); }

void Venadro::flashKey(QPushButton* key, const std::function<void()>& work)
{
    Series8Flash::flash(this, key, keyStyle(true), keyStyle(false), 200, work);
}

// AFV (0) lights the key and greys the source keys, MIX (1) frees them; any other mode: the key unlit.
void Venadro::set_AFVorMIX_Style(unsigned char mode)
{
    on_Style_btnAfv(mode == 0);
    if (mode > 1)
        return;
    const bool mix = mode == 1;
    // CH1's fader stays usable in both modes.
    Show::enabled(ui->btn_ch1, mix);
    Show::enabled(ui->btn_ch2, mix);
    Show::enabled(ui->slider_ch2, mix);
    const QString look = mix ? keyStyle(false) : QLatin1String(Series8Style::kKeyDisabled);
    Show::sheet(ui->btn_ch1, look);
    Show::sheet(ui->btn_ch2, look);
}

void Venadro::set_MWFCH_Style(unsigned char type)
{
    light(ui->btn_mix, type == 1);
    light(ui->btn_wipe, type == 4);
    light(ui->btn_fade, type == 2);
}

int Venadro::set_btnGrp_MWF_State(int code)
{
    // Wipe code -> key text, step in the pressing order, transition code.
    static const struct { const char* text; int step; int transition; } kWipes[4] = {
        {"WIPE-L", 0, 5}, {"WIPE-R", 2, 6}, {"WIPE-D", 3, 4}, {"WIPE-U", 1, 3}};
    if (code < 0 || code > 3)
        return code;
    Show::text(ui->btn_wipe, QLatin1String(kWipes[code].text));
    wipeStep = kWipes[code].step;
    return kWipes[code].transition;
}

void Venadro::setRESO_State(int code)
{
    const int position = Series8::resolutionPosition(code);
    if (position < 0)
        return;
    Show::text(ui->label_reso, QLatin1String(Series8::kResolutions[position].text));
    resoIndex = position;
}

void Venadro::btnStill2_Style(bool on)
{
    stillOn = on;
    on_Style_btnStill(on);
    if (on)
        stillTimer->start();
    else
        stillTimer->stop();
}

// ---- controls ----

void Venadro::on_tbtn_in1_clicked()
{
    in1_in2_style(1);
    m_link->SendCDMPGMCH(1);
}

void Venadro::on_tbtn_in2_clicked()
{
    in1_in2_style(2);
    m_link->SendCDMPGMCH(2);
}

// The channel keys name the source on the panel only: the switcher is not told.
void Venadro::on_btn_ch1_clicked()
{
    flashKey(ui->btn_ch1, [this] {
        ch1Index = (ch1Index + 1) % 4;
        setCH1State(kSourceCycle[ch1Index]);
    });
}

void Venadro::on_btn_ch2_clicked()
{
    flashKey(ui->btn_ch2, [this] {
        ch2Index = (ch2Index + 1) % 4;
        setCH2State(kSourceCycle[ch2Index]);
    });
}

void Venadro::on_btn_afv_clicked()
{
    const bool intoAfv = !afvOn;
    set_AFVorMIX_Style(intoAfv ? 0 : 1);
    m_link->SendCMDMIXorAFV(intoAfv ? 0 : 1);
}

void Venadro::on_btn_mute_clicked()
{
    on_Style_btnMute(!muteOn);
    m_link->SendCMDF3();
}

void Venadro::m_on_btnGrp_MWF_clicked(uint8_t type)
{
    set_MWFCH_Style(type);
    if (type == 1 || type == 2) {
        wipeAdvance = false;
        ui->btn_wipe->setText(QStringLiteral("WIPE"));
        m_link->SendCMDTRANSITIONS(type);
    } else if (type == 4) {
        // After MIX or FADE the first WIPE repeats the shown direction.
        if (wipeAdvance)
            wipeStep = (wipeStep + 1) % 4;
        const int transition = set_btnGrp_MWF_State(kWipeCycle[wipeStep]);
        wipeAdvance = true;
        m_link->SendCMDTRANSITIONS(static_cast<unsigned char>(transition));
    }
}

void Venadro::setslider0(int value)
{
    m_tbar->setslider0(value);
}

void Venadro::setslider1(int value)
{
    m_tbar->setslider1(value);
}

void Venadro::on_btn_auto_clicked()
{
    m_tbar->autoPress(this, rateValue);
}

void Venadro::on_btn_pip_clicked()
{
    if (pipOn) {
        on_Style_btnPip(false);
        m_link->SendCMDPIP(0);
        return;
    }
    on_Style_btnPip(true);
    on_Style_btnPop(false);
    m_link->SendCMDPIP(1);
}

void Venadro::on_btn_pop_clicked()
{
    if (popOn) {
        on_Style_btnPop(false);
        m_link->SendCMDPOP(0);
        return;
    }
    on_Style_btnPop(true);
    on_Style_btnPip(false);
    m_link->SendCMDPOP(1);
}

void Venadro::on_btn_still_clicked()
{
    btnStill2_Style(!stillOn);
    m_link->SendCMDSTILL();
}

void Venadro::Time_still()
{
    Series8Flash::blinkTick(this, ui->btn_still, keyStyle(true), keyStyle(false));
}

void Venadro::on_btn_rec_clicked()
{
    const bool on = !recOn;
    on_Style_btnRec(on);
    m_link->SendCMDREC(on ? 1 : 0);
}

void Venadro::on_btn_rtmp_clicked()
{
    const bool on = !rtmpOn;
    m_link->SendCMDSTREAM(on ? 1 : 0);
    on_Style_btnRtmp(on);
}

void Venadro::on_btn_reso_clicked()
{
    flashKey(ui->btn_reso, [this] {
        resoIndex = (resoIndex + 1) % 7;
        setRESO_State(Series8::kResolutions[resoIndex].code);
        // The device takes the position here, not the code.
        m_link->SendCMDF1(resoIndex);
    });
}

void Venadro::on_btn_rate_clicked()
{
    flashKey(ui->btn_rate, [this] {
        rateIndex = (rateIndex + 1) % 3;
        setRATE_State(rateIndex);
        m_link->SendCMDRATE(static_cast<unsigned char>(rateIndex));
    });
}

void Venadro::on_btn_micvol_clicked()
{
    flashKey(ui->btn_micvol);
}

void Venadro::on_btn_set_clicked()
{
    if (setOpen) {
        setOpen = false;
        emit setenablefalg(false);
        setWindow->hide();
        on_Style_btnSet(false);
        return;
    }
    setOpen = true;
    // The clock starts a second ahead, so its first tick comes as the window shows.
    emit setenablefalg(true);
    if (!onlyFun::Delay_MSec(this, 1000))
        return;
    // A second press during the wait closed it again.
    if (!setOpen)
        return;
    setWindow->show();
    on_Style_btnSet(true);
}

// ---- the switcher's state ----

void Venadro::m_on_toRead_QuilletDtat(QByteArray const& data)
{
    DevState::Record r;
    if (!DevState::readRecord(data, Series8::kStateDumpLastByte, r))
        return;
    in1_in2_style(r.pgm);
    set_AFVorMIX_Style(r.audioMode);
    setCH1State(r.ch1Source);
    Show::value(ui->slider_ch1, r.ch1Level);
    setCH2State(r.ch2Source);
    Show::value(ui->slider_ch2, r.ch2Level);
    set_MWFCH_Style(r.transition[0]);
    set_btnGrp_MWF_State(r.transition[1]);
    on_Style_btnPip(r.pipOn != 0);
    setPIP_SZ_State(r.pipSize);
    emit setPIP_POST(r.pipHPos.value, r.pipVPos.value);
    btnStill2_Style(r.still != 0);
    on_Style_btnMute(r.mute != 0);
    setRATE_State(r.rate);
    setRESO_State(r.pgmOut);
}
