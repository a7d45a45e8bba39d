#include "quillet.h"
#include "ui_quillet.h"

#include "druvela_workdata.h"
#include "f1qwidget.h"
#include "onlyfun.h"
#include "series8_style.h"
#include "series8_tables.h"
#include "setdialog.h"
#include "series8_flash.h"
#include "sub_window.h"
#include "tbar_stroke.h"

#include "device_record.h"

#include <QButtonGroup>
#include <QDebug>
#include <QTimer>

namespace {

const QString kBoxWhite = QStringLiteral("QGroupBox{border:2px solid white;}");
const QString kBoxRed = QStringLiteral("QGroupBox{border:2px solid rgb(210,46,0);}");
const QString kBoxGreen = QStringLiteral("QGroupBox{border:2px solid rgb(25,232,0);}");

QString keyStyle(bool on) { return Series8Style::key(on); }
QString rowWhite() { return QLatin1String(Series8Style::kRowWhite); }
QString rowRed() { return QLatin1String(Series8Style::kRowRed); }
QString rowGreen() { return QLatin1String(Series8Style::kRowGreen); }

} // namespace

bool Quillet::autoLampLit = false;

Quillet::Quillet(QWidget* parent)
    : QWidget(parent)
    , ui(new Ui::Quillet)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("dialog"));
    setWindowTitle(QStringLiteral("Qavo"));
    setStyleSheet(QStringLiteral("QWidget#dialog{background-color:rgb(32,30,32);border:0px solid white;}"));

    ui->g_left->setStyleSheet(QStringLiteral("QGroupBox{border:2px solid green;}"));
    ui->g_right->setStyleSheet(QStringLiteral("QGroupBox{border:2px solid red;}"));
    for (QLabel* label : {ui->label_title, ui->label_rec, ui->label_f1_disk, ui->label_f1_level, ui->label_f1_rate,
                          ui->label_f1_addr, ui->label_ch1, ui->label_ch2, ui->label_reso, ui->label_micvol,
                          ui->label_fan, ui->label_rate, ui->label_pip_sz, ui->label_key, ui->label_level, ui->label_t})
        label->setStyleSheet(QStringLiteral("color:white"));

    const QString previewStyle = QStringLiteral("QToolButton{background-color:rgb(32,30,32);border:1px solid white;}");
    ui->tbtn_pip->setStyleSheet(previewStyle);
    ui->tbtn_pop->setStyleSheet(previewStyle);
    ui->tbtn_pip->hide();
    ui->tbtn_pop->hide();

    // The preview's own layer bound port 7000 in the form; this one binds
    // after it, so the switcher's replies reach the panel's layer.
    m_link = new Druvela_workdata(this);

    f1Content = new F1QWidget(nullptr, m_link);
    f1Window = Series8::makeSubWindow(QStringLiteral("f1Widget"), QStringLiteral("F1"), QSize(300, 222), f1Content);
    setContent = new SetDialog(nullptr, m_link);
    setWindow = Series8::makeSubWindow(QStringLiteral("setWidget"), QStringLiteral("SET"), QSize(300, 268), setContent);

    connect(setContent, &SetDialog::setPIPSZ_Style, this, &Quillet::setPIP_SZ_State);
    connect(setContent, &SetDialog::setRATE_Style, this, &Quillet::setRATE_State);
    connect(setContent, &SetDialog::setRESO_Style, this, &Quillet::setRESO_State);
    connect(setContent, &SetDialog::setPIPSZ_Style, ui->tbtn_pip, &PIPGro::getPIP_SIZ);
    connect(this, &Quillet::setPIP_size_unlock_falg, setContent, &SetDialog::setPIP_size_unlock_falg_slots);

    initUpper();
    initRows();
    initLower();

    connect(m_link, &Druvela_workdata::on_signals_allData, this, &Quillet::m_on_toRead_QuilletDtat);
    connect(m_link, &Druvela_workdata::on_signals_allData, setContent, &SetDialog::on_toRead_QuilletSMDtat);
    connect(this, &Quillet::setPIP_POST, ui->tbtn_pip, &PIPGro::set_H_Vposition_Style);

    ui->btn_key->setEnabled(false);
}

// The tool windows, button groups and timers have no parent.
Quillet::~Quillet()
{
    delete f1Window;
    delete setWindow;
    delete pgmGroup;
    delete pvwGroup;
    delete mwfGroup;
    delete cutTimer;
    delete ftbTimer;
    delete ui;
}

void Quillet::initUpper()
{
    ftbTimer = new QTimer;
    ftbTimer->setInterval(1000);
    connect(ftbTimer, &QTimer::timeout, this, &Quillet::Time_ftb);
    recOn = false;
    ui->btn_rec->setStyleSheet(keyStyle(false));
    rtmpOn = false;
    ui->btn_rtmp->setStyleSheet(keyStyle(false));
    ui->btn_ftb->setStyleSheet(rowWhite());
    stillOn = false;
    ui->btn_still->setStyleSheet(rowWhite());
    barOn = false;
    ui->btn_bar->setStyleSheet(rowWhite());
    pauseOn = false;
    ui->btn_pause->setStyleSheet(keyStyle(false));
}

void Quillet::initRows()
{
    pgmGroup = new QButtonGroup;
    pvwGroup = new QButtonGroup;
    for (int n = 1; n <= 4; ++n) {
        pgmGroup->addButton(pgmKey(n), n);
        pvwGroup->addButton(pvwKey(n), n);
    }
    init_btnPGMStyle();
    init_btnPVWStyle();
    connect(pgmGroup, &QButtonGroup::idClicked, this, &Quillet::m_on_btnGrp_PGM_clicked);
    connect(pvwGroup, &QButtonGroup::idClicked, this, &Quillet::m_on_btnGrp_PVW_clicked);
}

void Quillet::initLower()
{
    cutTimer = new QTimer;
    cutTimer->setInterval(300);
    connect(cutTimer, &QTimer::timeout, this, &Quillet::on_Time_cut);
    for (QGroupBox* box : {ui->g_5, ui->g_6, ui->g_7, ui->g_8})
        box->setStyleSheet(QStringLiteral("QGroupBox{border:0px solid white;}"));
    f1Open = false;
    ui->btn_f1->setStyleSheet(keyStyle(false));
    on_Style_btnAFV(false);
    ui->btn_ch1->setStyleSheet(keyStyle(false));
    setOpen = false;
    ui->btn_set->setStyleSheet(keyStyle(false));
    muteOn = false;
    ui->btn_mute->setStyleSheet(keyStyle(false));
    ui->btn_ch2->setStyleSheet(keyStyle(false));

    ui->slider_1->setStyleSheet(Series8Style::sliderBlue());
    ui->slider_2->setStyleSheet(Series8Style::sliderGreen());
    ui->slider_3->setStyleSheet(Series8Style::sliderTbar());
    ui->slider_1->setRange(0, 100);
    ui->slider_2->setRange(0, 100);
    ui->slider_3->setRange(0, 127);
    connect(ui->slider_1, &QSlider::valueChanged, this, &Quillet::set_audio_vol);
    connect(ui->slider_2, &QSlider::valueChanged, this, &Quillet::set_audio_vol);
    m_tbar = std::make_unique<TbarStroke>(
        ui->slider_3, m_link, autoLampLit, [this] { setPGM_PVWCH(); }, [this](bool on) { on_Style_btnAuto(on); });
    connect(ui->slider_3, &QSlider::valueChanged, this, &Quillet::setslider0);

    mwfGroup = new QButtonGroup;
    mwfGroup->addButton(ui->btn_mix, 1);
    mwfGroup->addButton(ui->btn_fade, 2);
    mwfGroup->addButton(ui->btn_wipe, 4);
    connect(mwfGroup, &QButtonGroup::idClicked, this, &Quillet::m_on_btnGrp_MWF_clicked);
    for (QPushButton* key : {ui->btn_mix, ui->btn_wipe, ui->btn_fade, ui->btn_pip, ui->btn_key, ui->btn_pop,
                             ui->btn_cut, ui->btn_auto})
        key->setStyleSheet(keyStyle(false));
}

void Quillet::DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char hisA,
                        unsigned char hisB)
{
    setContent->getDevIP(ip);
    f1Content->getDevIP(ip);
    ui->tbtn_pip->DevTypeID(ip, a, b, hisIp, hisA, hisB);
    m_link->get_DevTypeID(ip, a, b);
    m_link->get_HISTypeID(hisIp, hisA, hisB);
    m_link->SendCMDReadDevState();
}

void Quillet::setDev_Child_Type(int type)
{
    qDebug().noquote() << QString::asprintf("Quillet:子设备类型:%02x", type);
    switch (type) {
    case 0x56:
        ui->btn_rtmp->hide();
        break;
    case 0x52:
        ui->btn_rtmp->show();
        break;
    case 0x51:
        for (QWidget* w : std::initializer_list<QWidget*>{ui->btn_rtmp, ui->btn_rec, ui->btn_pause, ui->label_rec,
                                                          ui->label_f1_disk, ui->label_f1_addr, ui->label_f1_rate,
                                                          ui->label_f1_level})
            w->hide();
        f1Enabled = false;
        ui->btn_f1->setEnabled(false);
        break;
    default:
        break;
    }
}

// ---- rows and input boxes ----

QGroupBox* Quillet::inputBox(int n) const
{
    QGroupBox* boxes[] = {ui->g_1, ui->g_2, ui->g_3, ui->g_4};
    return boxes[n - 1];
}

QPushButton* Quillet::pgmKey(int n) const
{
    QPushButton* keys[] = {ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4};
    return keys[n - 1];
}

QPushButton* Quillet::pvwKey(int n) const
{
    QPushButton* keys[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4};
    return keys[n - 1];
}

void Quillet::lightPgm(int n)
{
    pgmKey(n)->setStyleSheet(rowRed());
    inputBox(n)->setStyleSheet(kBoxRed);
}

void Quillet::lightPvw(int n)
{
    pvwKey(n)->setStyleSheet(rowGreen());
    inputBox(n)->setStyleSheet(kBoxGreen);
}

// Every key of one row white, every input box white.
void Quillet::resetRow(QPushButton* (Quillet::*key)(int) const)
{
    for (int n = 1; n <= 4; ++n) {
        (this->*key)(n)->setStyleSheet(rowWhite());
        inputBox(n)->setStyleSheet(kBoxWhite);
    }
}

void Quillet::init_btnPGMStyle()
{
    resetRow(&Quillet::pgmKey);
    init_GroPGMStyle();
}

void Quillet::init_GroPGMStyle()
{
    if (pvwChannel >= 1 && pvwChannel <= 4) {
        qDebug() << "PVWCH_idx:" << pvwChannel;
        inputBox(pvwChannel)->setStyleSheet(kBoxGreen);
    }
}

void Quillet::init_btnPVWStyle()
{
    resetRow(&Quillet::pvwKey);
    init_GroPVWStyle();
}

void Quillet::init_GroPVWStyle()
{
    if (pgmChannel >= 1 && pgmChannel <= 4) {
        qDebug() << "PGMCH_idx:" << pgmChannel;
        inputBox(pgmChannel)->setStyleSheet(kBoxRed);
    }
}

void Quillet::on_Style_btnpgm1_red() { lightPgm(1); }
void Quillet::on_Style_btnpgm2_red() { lightPgm(2); }
void Quillet::on_Style_btnpgm3_red() { lightPgm(3); }
void Quillet::on_Style_btnpgm4_red() { lightPgm(4); }
void Quillet::on_Style_btnpvw1_green() { lightPvw(1); }
void Quillet::on_Style_btnpvw2_green() { lightPvw(2); }
void Quillet::on_Style_btnpvw3_green() { lightPvw(3); }
void Quillet::on_Style_btnpvw4_green() { lightPvw(4); }

void Quillet::set_PGMCH_Style(unsigned char n)
{
    init_btnPGMStyle();
    if (n >= 1 && n <= 4)
        lightPgm(n);
    pgmChannel = n;
}

void Quillet::set_PVWCH_Style(unsigned char n)
{
    init_btnPVWStyle();
    if (n >= 1 && n <= 4)
        lightPvw(n);
    pvwChannel = n;
}

void Quillet::setPGM_PVWCH()
{
    const uint8_t p = pgmChannel, q = pvwChannel;
    set_PGMCH_Style(q);
    set_PVWCH_Style(p);
}

// ---- transitions and audio ----

void Quillet::init_btnMWFStyle()
{
    for (QPushButton* key : {ui->btn_mix, ui->btn_wipe, ui->btn_fade})
        key->setStyleSheet(keyStyle(false));
}

void Quillet::set_MWFCH_Style(unsigned char t)
{
    init_btnMWFStyle();
    if (t == 1)
        on_Style_btnMix_red();
    else if (t == 2)
        on_Style_btnFade_red();
    else if (t == 4)
        on_Style_btnWipe_red();
}

int Quillet::set_btnGrp_MWF_State(int w)
{
    static const struct { int value; const char* text; int code; } kDirections[] = {
        {0, "WIPE-L", 5}, {2, "WIPE-U", 3}, {4, "WIPE-R", 6}, {6, "WIPE-D", 4}};
    for (int i = 0; i < 4; ++i) {
        if (kDirections[i].value == w) {
            ui->btn_wipe->setText(QLatin1String(kDirections[i].text));
            wipeIndex = i;
            return kDirections[i].code;
        }
    }
    return w;
}

void Quillet::on_Style_btnMix_red() { ui->btn_mix->setStyleSheet(keyStyle(true)); }
void Quillet::on_Style_btnFade_red() { ui->btn_fade->setStyleSheet(keyStyle(true)); }
void Quillet::on_Style_btnWipe_red() { ui->btn_wipe->setStyleSheet(keyStyle(true)); }

void Quillet::init_btnPKPStyle()
{
    for (QPushButton* key : {ui->btn_pip, ui->btn_key, ui->btn_pop})
        key->setStyleSheet(keyStyle(false));
}

void Quillet::on_Style_btnAFV(bool on)
{
    afvOn = on;
    ui->btn_afv->setText(on ? QStringLiteral("AFV") : QStringLiteral("MIX"));
    ui->btn_afv->setStyleSheet(keyStyle(on));
}

void Quillet::set_AFVorMIX_Style(unsigned char m)
{
    on_Style_btnAFV(false);
    if (m > 1)
        return;
    const bool mix = m == 1;
    if (!mix)
        on_Style_btnAFV(true);
    ui->btn_ch1->setEnabled(mix);
    ui->btn_ch2->setEnabled(mix);
    ui->slider_2->setEnabled(mix);
    const QString look = mix ? keyStyle(false) : QLatin1String(Series8Style::kKeyDisabled);
    ui->btn_ch1->setStyleSheet(look);
    ui->btn_ch2->setStyleSheet(look);
}

namespace {

// Source code -> (name, position in the cycle); codes 1, 2 and 9 up have none.
bool sourceOf(int code, QString& name, int& position)
{
    static const char* const kNames[] = {"MIC_IN2", nullptr, nullptr, "IN1", "IN2", "IN3", "IN4", "PHONE_IN", "MIC_IN1"};
    static const int kPositions[] = {6, -1, -1, 1, 2, 3, 4, 0, 5};
    if (code < 0 || code > 8 || !kNames[code])
        return false;
    name = QLatin1String(kNames[code]);
    position = kPositions[code];
    return true;
}

} // namespace

void Quillet::setCH1State(int code)
{
    QString name;
    if (sourceOf(code, name, ch1Index))
        ui->label_ch1->setText(name);
}

void Quillet::setCH2State(int code)
{
    QString name;
    if (sourceOf(code, name, ch2Index))
        ui->label_ch2->setText(name);
}

// ---- lamps the panel offers ----

void Quillet::on_Style_btnRec(bool on) { recOn = on; ui->btn_rec->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnRtmp(bool on) { rtmpOn = on; ui->btn_rtmp->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnPause(bool on) { pauseOn = on; ui->btn_pause->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnF1(bool on) { f1Open = on; ui->btn_f1->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnSet(bool on) { setOpen = on; ui->btn_set->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnMute(bool on) { muteOn = on; ui->btn_mute->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnCH1(bool on) { ui->btn_ch1->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnCH2(bool on) { ui->btn_ch2->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnCut(bool on) { ui->btn_cut->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnAuto(bool on) { ui->btn_auto->setStyleSheet(keyStyle(on)); }
void Quillet::on_Style_btnFtb(bool on) { ui->btn_ftb->setStyleSheet(Series8Style::row(on)); }
void Quillet::on_Style_btnStill(bool on) { stillOn = on; ui->btn_still->setStyleSheet(Series8Style::row(on)); }
void Quillet::on_Style_btnBar(bool on) { barOn = on; ui->btn_bar->setStyleSheet(Series8Style::row(on)); }

void Quillet::btnFtb2_Style(bool on)
{
    ftbOn = on;
    ui->btn_ftb->setStyleSheet(Series8Style::row(on));
    if (on)
        ftbTimer->start();
    else
        ftbTimer->stop();
}

void Quillet::btnPip_Style(bool on)
{
    pipOn = on;
    ui->btn_pip->setStyleSheet(keyStyle(on));
    ui->tbtn_pip->setVisible(on);
    emit setPIP_size_unlock_falg(on);
}

void Quillet::btnPop_Style(bool on)
{
    popOn = on;
    ui->btn_pop->setStyleSheet(keyStyle(on));
    ui->tbtn_pop->setVisible(on);
}

void Quillet::btnKey_Style(bool on)
{
    keyOn = on;
    ui->btn_key->setStyleSheet(keyStyle(on));
}

void Quillet::set_X_Yposition_Style(uint8_t Hnum1, uint8_t Lnum1, uint8_t Hnum2, uint8_t Lnum2)
{
    emit setPIP_POST(uint16_t(Hnum1 * 256 + Lnum1), uint16_t(Hnum2 * 256 + Lnum2));
}

void Quillet::Delay_MSec(unsigned int ms)
{
    onlyFun::Delay_MSec(ms);
}

void Quillet::flashKey(QPushButton* key, const std::function<void()>& work)
{
    Series8Flash::flash(this, key, keyStyle(true), keyStyle(false), 200, work);
}

// ---- controls ----

void Quillet::m_on_btnGrp_PGM_clicked(uint8_t id)
{
    set_PGMCH_Style(id);
    m_link->SendCDMPGMCH(id);
}

void Quillet::m_on_btnGrp_PVW_clicked(uint8_t id)
{
    set_PVWCH_Style(id);
    m_link->SendCMDPVWCH(id);
}

void Quillet::m_on_btnGrp_MWF_clicked(uint8_t t)
{
    set_MWFCH_Style(t);
    if (t == 1 || t == 2) {
        wipeStepOn = false;
        ui->btn_wipe->setText(QStringLiteral("WIPE"));
        m_link->SendCMDTRANSITIONS(t);
    } else if (t == 4) {
        // After MIX or FADE the first WIPE repeats the shown direction.
        if (wipeStepOn)
            wipeIndex = (wipeIndex + 1) % 4;
        const int code = set_btnGrp_MWF_State(kWipeTable[wipeIndex]);
        wipeStepOn = true;
        m_link->SendCMDTRANSITIONS(static_cast<unsigned char>(code));
    }
}

void Quillet::on_btn_afv_clicked()
{
    const bool intoAfv = !afvOn;
    set_AFVorMIX_Style(intoAfv ? 0 : 1);
    m_link->SendCMDMIXorAFV(intoAfv ? 0 : 1);
}

void Quillet::on_btn_ch1_clicked()
{
    flashKey(ui->btn_ch1, [this] {
        ch1Index = (ch1Index + 1) % 7;
        setCH1State(kSourceCycle[ch1Index]);
        // The position in the cycle, not the source code.
        m_link->SendCMDSRC1(static_cast<unsigned char>(ch1Index));
    });
}

void Quillet::on_btn_ch2_clicked()
{
    flashKey(ui->btn_ch2, [this] {
        ch2Index = (ch2Index + 1) % 7;
        setCH2State(kSourceCycle[ch2Index]);
        m_link->SendCMDSRC2(static_cast<unsigned char>(ch2Index));
    });
}

void Quillet::set_audio_vol() {}

void Quillet::on_btn_mute_clicked()
{
    on_Style_btnMute(!muteOn);
    m_link->SendCMDF3();
}

void Quillet::setslider0(int v)
{
    m_tbar->setslider0(v);
}

void Quillet::setslider1(int v)
{
    m_tbar->setslider1(v);
}

void Quillet::on_btn_cut_clicked()
{
    on_Style_btnCut(true);
    m_link->SendCMDCUT();
    if (!overlayOn)
        setPGM_PVWCH();
    cutTimer->start();
}

void Quillet::on_Time_cut()
{
    on_Style_btnCut(false);
    cutTimer->stop();
}

void Quillet::on_btn_auto_clicked()
{
    m_tbar->autoPress(this, rateIndex);
}

void Quillet::on_btn_ftb_clicked()
{
    btnFtb2_Style(!ftbOn);
    m_link->SendCMDFTB();
}

void Quillet::Time_ftb()
{
    Series8Flash::blinkTick(this, ui->btn_ftb, rowRed(), rowWhite());
}

void Quillet::on_btn_still_clicked()
{
    on_Style_btnStill(!stillOn);
    m_link->SendCMDSTILL();
}

void Quillet::on_btn_bar_clicked()
{
    on_Style_btnBar(!barOn);
}

void Quillet::on_btn_rec_clicked()
{
    if (!recOn) {
        on_Style_btnRec(true);
        m_link->SendCMDREC(1);
        return;
    }
    on_Style_btnRec(false);
    on_Style_btnPause(false);
    m_link->SendCMDREC(0);
}

void Quillet::on_btn_rtmp_clicked()
{
    const bool on = !rtmpOn;
    m_link->SendCMDSTREAM(on ? 1 : 0);
    on_Style_btnRtmp(on);
}

void Quillet::on_btn_pause_clicked()
{
    on_Style_btnPause(!pauseOn);
    m_link->SendCMDPAUSE();
}

void Quillet::on_btn_pip_clicked()
{
    if (pipOn) {
        btnPip_Style(false);
        overlayOn = false;
        m_link->SendCMDPIP(0);
        return;
    }
    btnPip_Style(true);
    btnKey_Style(false);
    btnPop_Style(false);
    overlayOn = true;
    m_link->SendCMDPIP(1);
}

void Quillet::on_btn_pop_clicked()
{
    if (popOn) {
        btnPop_Style(false);
        overlayOn = false;
        m_link->SendCMDPOP(0);
        return;
    }
    btnPop_Style(true);
    btnPip_Style(false);
    btnKey_Style(false);
    overlayOn = true;
    m_link->SendCMDPOP(1);
}

// The key is disabled; the handler stands all the same and sends nothing.
void Quillet::on_btn_key_clicked()
{
    btnKey_Style(!keyOn);
    if (keyOn) {
        btnPip_Style(false);
        btnPop_Style(false);
    }
    overlayOn = keyOn;
}

void Quillet::on_btn_f1_clicked()
{
    if (!f1Enabled)
        return;
    if (f1Open) {
        f1Window->hide();
        on_Style_btnF1(false);
        return;
    }
    f1Open = true;
    setWindow->hide();
    on_Style_btnSet(false);
    on_Style_btnF1(true);
    f1Window->show();
}

void Quillet::on_btn_set_clicked()
{
    if (setOpen) {
        setWindow->hide();
        on_Style_btnSet(false);
        return;
    }
    setOpen = true;
    // Marked open so that the F1 handler closes the F1 window.
    f1Open = true;
    on_btn_f1_clicked();
    setWindow->show();
    on_Style_btnSet(true);
}

// ---- the switcher's state ----

void Quillet::m_on_toRead_QuilletDtat(QByteArray const& data)
{
    // A reply too short for the last byte read (the panel's own 20-byte
    // request looped back, for one) is not applied in part.
    DevState::Record r;
    if (!DevState::readRecord(data, Series8::kStateDumpSize, r))
        return;
    set_PGMCH_Style(r.pgm);
    set_PVWCH_Style(r.pvw);
    set_AFVorMIX_Style(r.audioMode);
    setCH1State(r.ch1Source);
    ui->slider_1->setValue(r.ch1Level);
    setCH2State(r.ch2Source);
    ui->slider_2->setValue(r.ch2Level);
    set_MWFCH_Style(r.transition[0]);
    set_btnGrp_MWF_State(r.transition[1]);
    btnFtb2_Style(r.ftb != 0);
    btnPip_Style(r.pipOn != 0);
    setPIP_SZ_State(r.pipSize);
    emit setPIP_POST(r.pipHPos.value, r.pipVPos.value);
    on_Style_btnStill(r.still != 0);
    on_Style_btnMute(r.mute != 0);
    setRATE_State(r.rate);
    setRESO_State(r.pgmOut);
}

void Quillet::setPIP_SZ_State(int size)
{
    static const struct { const char* text; QSize box; } kSizes[3] = {
        {"PIP_SZ:S", {100, 56}}, {"PIP_SZ:M", {133, 74}}, {"PIP_SZ:L", {200, 112}}};
    if (size < 0 || size > 2)
        return;
    ui->label_pip_sz->setText(QLatin1String(kSizes[size].text));
    ui->tbtn_pip->setFixedSize(kSizes[size].box);
    setContent->setPIP_S_V(size);
    ui->tbtn_pip->setRARE_V(size);
}

void Quillet::setRATE_State(int rate)
{
    rateIndex = rate;
    if (rate < 0 || rate > 2)
        return;
    ui->label_rate->setText(QStringLiteral("RARE:%1").arg(rate + 1));
    setContent->setRARE_V(rate);
}

void Quillet::setRESO_State(int code)
{
    const int position = Series8::resolutionPosition(code);
    if (position < 0)
        return;
    ui->label_reso->setText(QLatin1String(Series8::kResolutions[position].text));
    setContent->setRESO_V(position);
}
