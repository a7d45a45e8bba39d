#include "venadro.h"
#include "ui_venadro.h"

#include "druvela_workdata.h"
#include "onlyfun.h"
#include "series8_style.h"
#include "sub_window.h"
#include "venadro_set.h"

#include <QButtonGroup>
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
    connect(ui->slider_auto, &QSlider::valueChanged, this, &Venadro::setslider0);
}

void Venadro::initRight()
{
    stillTimer = new QTimer(this);
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
    ui->label_pip_size->setText(QLatin1String(kPipSizes[size].label));
    ui->tbtn_pip->setFixedSize(kPipSizes[size].preview);
    setContent->setPIP_S_V(size);
    ui->tbtn_pip->setRARE_V(size);
}

void Venadro::in1_in2_style(int input)
{
    programInput = uint8_t(input);
    if (input == 1) {
        ui->g_left1->setStyleSheet(kInputOnProgram);
        ui->g_left2->setStyleSheet(kInputOff);
    } else if (input == 2) {
        ui->g_left1->setStyleSheet(kInputOff);
        ui->g_left2->setStyleSheet(kInputOnProgram);
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
        ui->label_ch1->setText(name);
}

void Venadro::setCH2State(int code)
{
    QString name;
    if (sourceOf(code, name, ch2Index))
        ui->label_ch2->setText(name);
}

void Venadro::setRATE_State(int rate)
{
    rateValue = rate;
    if (rate < 0 || rate > 2)
        return;
    ui->btn_rate->setText(QStringLiteral("RARE%1").arg(rate + 1));
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

void Venadro::light(QPushButton* key, bool on) { key->setStyleSheet(keyStyle(on)); }

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
    ui->tbtn_pip->setVisible(on);
    pipOn = on;
    emit setPIP_size_unlock_falg(on);
}

void Venadro::on_Style_btnPop(bool on)
{
    light(ui->btn_pop, on);
    ui->tbtn_pop->setVisible(on);
    ui->tbtn_pop_2->setVisible(on);
    popOn = on;
}

void Venadro::on_Style_btnMix_red() { light(ui->btn_mix, true); }
void Venadro::on_Style_btnFade_red() { light(ui->btn_fade, true); }
void Venadro::on_Style_btnWipe_red() { light(ui->btn_wipe, true); }

void Venadro::init_btnMWFStyle()
{
    for (QPushButton* key : {ui->btn_mix, ui->btn_wipe, ui->btn_fade})
        light(key, false);
}

// ---- controls and decoder: next ----

void Venadro::set_AFVorMIX_Style(unsigned char) {}
void Venadro::set_MWFCH_Style(unsigned char) {}
int Venadro::set_btnGrp_MWF_State(int code) { return code; }
void Venadro::setRESO_State(int) {}
void Venadro::btnStill2_Style(bool) {}
void Venadro::setslider0(int) {}
void Venadro::setslider1(int) {}
void Venadro::btnAuto_and_slider() {}
void Venadro::on_btn_ch1_clicked() {}
void Venadro::on_btn_ch2_clicked() {}
void Venadro::on_btn_mute_clicked() {}
void Venadro::on_btn_afv_clicked() {}
void Venadro::on_btn_reso_clicked() {}
void Venadro::on_btn_rate_clicked() {}
void Venadro::on_btn_rec_clicked() {}
void Venadro::on_btn_micvol_clicked() {}
void Venadro::on_btn_auto_clicked() {}
void Venadro::on_btn_set_clicked() {}
void Venadro::on_btn_rtmp_clicked() {}
void Venadro::on_btn_pip_clicked() {}
void Venadro::on_btn_pop_clicked() {}
void Venadro::on_btn_still_clicked() {}
void Venadro::on_tbtn_in1_clicked() {}
void Venadro::on_tbtn_in2_clicked() {}
void Venadro::Time_still() {}
void Venadro::m_on_btnGrp_MWF_clicked(uint8_t) {}
void Venadro::m_on_toRead_QuilletDtat(QByteArray const&) {}
