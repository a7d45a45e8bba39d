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
#include "widget_show.h"

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

    // A group box sizes its frame from its sheet when restyled once polished,
    // not before: the input boxes are restyled here, so their keys sit as they
    // will after any later change of lamp.
    ensurePolished();
    for (int n = 1; n <= 4; ++n)
        inputBox(n)->setStyleSheet(inputBox(n)->styleSheet());
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
    Show::sheet(pgmKey(n), rowRed());
    Show::sheet(inputBox(n), kBoxRed);
}

void Quillet::lightPvw(int n)
{
    Show::sheet(pvwKey(n), rowGreen());
    Show::sheet(inputBox(n), kBoxGreen);
}

// One row's keys shown once: input lit in litFace, the others white.
void Quillet::showRow(QPushButton* (Quillet::*key)(int) const, int lit, const QString& litFace)
{
    for (int n = 1; n <= 4; ++n)
        Show::sheet((this->*key)(n), n == lit ? litFace : rowWhite());
}

// The input boxes shown once: input top in topFace, input other (where it is
// another) in otherFace, the rest white.
void Quillet::showBoxes(int top, const QString& topFace, int other, const QString& otherFace)
{
    for (int n = 1; n <= 4; ++n)
        Show::sheet(inputBox(n), n == top ? topFace : n == other ? otherFace : kBoxWhite);
}

void Quillet::logChannel(const char* what, uint8_t channel)
{
    if (channel >= 1 && channel <= 4)
        qDebug() << what << channel;
}

// The row white, the boxes white but the other row's input.
void Quillet::init_btnPGMStyle()
{
    showRow(&Quillet::pgmKey, 0, rowRed());
    logChannel("PVWCH_idx:", pvwChannel);
    showBoxes(pvwChannel, kBoxGreen, 0, kBoxWhite);
}

void Quillet::init_GroPGMStyle()
{
    logChannel("PVWCH_idx:", pvwChannel);
    if (pvwChannel >= 1 && pvwChannel <= 4)
        Show::sheet(inputBox(pvwChannel), kBoxGreen);
}

void Quillet::init_btnPVWStyle()
{
    showRow(&Quillet::pvwKey, 0, rowGreen());
    logChannel("PGMCH_idx:", pgmChannel);
    showBoxes(pgmChannel, kBoxRed, 0, kBoxWhite);
}

void Quillet::init_GroPVWStyle()
{
    logChannel("PGMCH_idx:", pgmChannel);
    if (pgmChannel >= 1 && pgmChannel <= 4)
        Show::sheet(inputBox(pgmChannel), kBoxRed);
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
    logChannel("PVWCH_idx:", pvwChannel);
    showRow(&Quillet::pgmKey, n, rowRed());
    showBoxes(n, kBoxRed, pvwChannel, kBoxGreen);
    pgmChannel = n;
}

void Quillet::set_PVWCH_Style(unsigned char n)
{
    logChannel("PGMCH_idx:", pgmChannel);
    showRow(&Quillet::pvwKey, n, rowGreen());
    showBoxes(n, kBoxGreen, pgmChannel, kBoxRed);
    pvwChannel = n;
}

// A dump's two channels: what set_PGMCH_Style and then set_PVWCH_Style show,
// each key and box set once.
void Quillet::showChannels(unsigned char pgm, unsigned char pvw)
{
    logChannel("PVWCH_idx:", pvwChannel);
    logChannel("PGMCH_idx:", pgm);
    showRow(&Quillet::pgmKey, pgm, rowRed());
    showRow(&Quillet::pvwKey, pvw, rowGreen());
    showBoxes(pvw, kBoxGreen, pgm, kBoxRed);
    pgmChannel = pgm;
    pvwChannel = pvw;
}

void Quillet::setPGM_PVWCH()
{
    const uint8_t p = pgmChannel, q = pvwChannel;
    set_PGMCH_Style(q);
    set_PVWCH_Style(p);
}

// ---- transitions and audio ----

void Quillet::init_btnMWFStyle() { set_MWFCH_Style(0); }

void Quillet::set_MWFCH_Style(unsigned char t)
{
    Show::sheet(ui->btn_mix, keyStyle(t == 1));
    Show::sheet(ui->btn_wipe, keyStyle(t == 4));
    Show::sheet(ui->btn_fade, keyStyle(t == 2));
}

int Quillet::set_btnGrp_MWF_State(int w)
{
    static const struct { int value; const char* text; int code; } kDirections[] = {
        {0, "WIPE-L", 5}, {2, "WIPE-U", 3}, {4, "WIPE-R", 6}, {6, "WIPE-D", 4}};
    for (int i = 0; i < 4; ++i) {
        if (kDirections[i].value == w) {
            Show::text(ui->btn_wipe, QLatin1String(kDirections[i].text));
            wipeIndex = i;
            return kDirections[i].code;
        }
    }
    return w;
}

void Quillet::on_Style_btnMix_red() { Show::sheet(ui->btn_mix, keyStyle(true)); }
void Quillet::on_Style_btnFade_red() { Show::sheet(ui->btn_fade, keyStyle(true)); }
void Quillet::on_Style_btnWipe_red() { Show::sheet(ui->btn_wipe, keyStyle(true)); }

void Quillet::init_btnPKPStyle()
{
    for (QPushButton* key : {ui->btn_pip, ui->btn_key, ui->btn_pop})
        Show::sheet(key, keyStyle(false));
}

void Quillet::on_Style_btnAFV(bool on)
{
    afvOn = on;
    Show::text(ui->btn_afv, on ? QStringLiteral("AFV") : QStringLiteral("MIX"));
    Show::sheet(ui->btn_afv, keyStyle(on));
}

// AFV (0) lights the key and greys the source keys, MIX (1) frees them; any other mode: the key unlit.
void Quillet::set_AFVorMIX_Style(unsigned char m)
{
    on_Style_btnAFV(m == 0);
    if (m > 1)
        return;
    const bool mix = m == 1;
    Show::enabled(ui->btn_ch1, mix);
    Show::enabled(ui->btn_ch2, mix);
    Show::enabled(ui->slider_2, mix);
    const QString look = mix ? keyStyle(false) : QLatin1String(Series8Style::kKeyDisabled);
    Show::sheet(ui->btn_ch1, look);
    Show::sheet(ui->btn_ch2, look);
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
        Show::text(ui->label_ch1, name);
}

void Quillet::setCH2State(int code)
{
    QString name;
    if (sourceOf(code, name, ch2Index))
        Show::text(ui->label_ch2, name);
}

// ---- lamps the panel offers ----

void Quillet::on_Style_btnRec(bool on) { recOn = on; Show::sheet(ui->btn_rec, keyStyle(on)); }
void Quillet::on_Style_btnRtmp(bool on) { rtmpOn = on; Show::sheet(ui->btn_rtmp, keyStyle(on)); }
void Quillet::on_Style_btnPause(bool on) { pauseOn = on; Show::sheet(ui->btn_pause, keyStyle(on)); }
void Quillet::on_Style_btnF1(bool on) { f1Open = on; Show::sheet(ui->btn_f1, keyStyle(on)); }
void Quillet::on_Style_btnSet(bool on) { setOpen = on; Show::sheet(ui->btn_set, keyStyle(on)); }
void Quillet::on_Style_btnMute(bool on) { muteOn = on; Show::sheet(ui->btn_mute, keyStyle(on)); }
void Quillet::on_Style_btnCH1(bool on) { Show::sheet(ui->btn_ch1, keyStyle(on)); }
void Quillet::on_Style_btnCH2(bool on) { Show::sheet(ui->btn_ch2, keyStyle(on)); }
void Quillet::on_Style_btnCut(bool on) { Show::sheet(ui->btn_cut, keyStyle(on)); }
void Quillet::on_Style_btnAuto(bool on) { Show::sheet(ui->btn_auto, keyStyle(on)); }
void Quillet::on_Style_btnFtb(bool on) { Show::sheet(ui->btn_ftb, Series8Style::row(on)); }
void Quillet::on_Style_btnStill(bool on) { stillOn = on; Show::sheet(ui->btn_still, Series8Style::row(on)); }
void Quillet::on_Style_btnBar(bool on) { barOn = on; Show::sheet(ui->btn_bar, Series8Style::row(on)); }

void Quillet::btnFtb2_Style(bool on)
{
    ftbOn = on;
    Show::sheet(ui->btn_ftb, Series8Style::row(on));
    if (on)
        ftbTimer->start();
    else
        ftbTimer->stop();
}

void Quillet::btnPip_Style(bool on)
{
    pipOn = on;
    Show::sheet(ui->btn_pip, keyStyle(on));
    Show::visible(ui->tbtn_pip, on);
    emit setPIP_size_unlock_falg(on);
}

void Quillet::btnPop_Style(bool on)
{
    popOn = on;
    Show::sheet(ui->btn_pop, keyStyle(on));
    Show::visible(ui->tbtn_pop, on);
}

void Quillet::btnKey_Style(bool on)
{
    keyOn = on;
    Show::sheet(ui->btn_key, keyStyle(on));
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
    if (!DevState::readRecord(data, Series8::kStateDumpLastByte, r))
        return;
    showChannels(r.pgm, r.pvw);
    set_AFVorMIX_Style(r.audioMode);
    setCH1State(r.ch1Source);
    Show::value(ui->slider_1, r.ch1Level);
    setCH2State(r.ch2Source);
    Show::value(ui->slider_2, r.ch2Level);
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
    Show::text(ui->label_pip_sz, QLatin1String(kSizes[size].text));
    ui->tbtn_pip->setFixedSize(kSizes[size].box);
    setContent->setPIP_S_V(size);
    ui->tbtn_pip->setRARE_V(size);
}

void Quillet::setRATE_State(int rate)
{
    rateIndex = rate;
    if (rate < 0 || rate > 2)
        return;
    Show::text(ui->label_rate, QStringLiteral("RARE:%1").arg(rate + 1));
    setContent->setRARE_V(rate);
}

void Quillet::setRESO_State(int code)
{
    const int position = Series8::resolutionPosition(code);
    if (position < 0)
        return;
    Show::text(ui->label_reso, QLatin1String(Series8::kResolutions[position].text));
    setContent->setRESO_V(position);
}
