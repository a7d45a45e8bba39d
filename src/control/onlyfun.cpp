#include "onlyfun.h"

#include "druvela_workdata.h"
#include "key_frames.h"
#include "model_tables.h"
#include "my_button.h"
#include "settings_page_frame.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

namespace {

constexpr int kHeartbeatMs = 1000;
constexpr int kCheckMs = 5000;

} // namespace

onlyFun::onlyFun(QObject* parent)
    : QObject(parent)
{
    // The signals carry bytes under this name; queued connections and signal
    // spies need it known to the meta-type system.
    static const int byteType = qRegisterMetaType<uint8_t>("uint8_t");
    Q_UNUSED(byteType)
    init();
    init_data();
}

onlyFun::~onlyFun() = default;

void onlyFun::init()
{
    m_link = new Druvela_workdata(this);

    // Precise: a coarse timer may fire 5 % early, which would shorten the
    // device's 5 s to answer.
    m_heartTimer = new QTimer(this);
    m_heartTimer->setTimerType(Qt::PreciseTimer);
    connect(m_heartTimer, &QTimer::timeout, this, &onlyFun::sendHEART);
    m_heartTimer->start(kHeartbeatMs);

    m_checkTimer = new QTimer(this);
    m_checkTimer->setTimerType(Qt::PreciseTimer);
    connect(m_checkTimer, &QTimer::timeout, this, &onlyFun::judgHEART);
    m_checkTimer->start(kCheckMs);

    connect(m_link, &Druvela_workdata::on_signals_allData, this, &onlyFun::getDateSignals);
    connect(m_link, &Druvela_workdata::on_signals_tx_sliderData, this, &onlyFun::getTXSliderDateSignals);
    connect(m_link, &Druvela_workdata::on_signals_pop_stateData, this, &onlyFun::getPOPWinStateSignals);
    connect(m_link, &Druvela_workdata::on_signals_version_stateData, this, &onlyFun::getDevVersionStateSignals);
    connect(m_link, &Druvela_workdata::on_signals_heartData, this, &onlyFun::getHeart);
    connect(m_link, &Druvela_workdata::on_signals_StreamData, this, &onlyFun::getStreamData);
}

void onlyFun::init_data()
{
    m_popWinMode = 1;
    m_hdrCfg = 1;
    m_selectedIcon = 0;
    m_src1Index = m_src2Index = m_src3Index = 0;
    m_srcStep = 1;
    m_srcWrapIndex = 0;
    m_srcTable = nullptr;

    // A type without a row keeps the previous resolution table and its length.
    const std::optional<ModelRow> model = modelRowFor(DEV_CHILD_TYPE);
    if (!model)
        return;
    m_srcTableLen = static_cast<int>(model->srcLen);
    m_srcTable = model->srcTable;
    Maxpgm = model->pgmLen;
    if (model->pgmTable)
        PGM_TABLE_POINT = model->pgmTable;
}

void onlyFun::DevTypeID(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    m_link->get_DevTypeID(ip, a, b);
    m_link->get_HISTypeID(ip2, c, d);
    m_link->SendCMDReadDevState();
}

// ---- heartbeat and offline rule -------------------------------------------

void onlyFun::sendHEART()
{
    m_link->SendCMDHEART();
}

void onlyFun::getHeart(QByteArray const&)
{
    m_heartReceived = 1;
}

void onlyFun::judgHEART()
{
    if (m_heartReceived) {
        m_heartReceived = 0;
        return;
    }
    m_heartTimer->stop();
    m_checkTimer->stop();

    QPointer<onlyFun> self(this);
    QMessageBox::warning(nullptr, QStringLiteral("Warning"), QStringLiteral("Device offline"), QMessageBox::Ok);
    // The panel may have been closed while the box was up.
    if (!self)
        return;
    emit ExitSignals();
}

bool onlyFun::heartbeatRunning() const
{
    return m_heartTimer->isActive() || m_checkTimer->isActive();
}

void onlyFun::btnReset_clicked()
{
    m_link->SendCMDRESET();
    emit ExitSignals();
}

void onlyFun::Delay_MSec(unsigned int ms)
{
    if (ms == 0)
        return;
    QElapsedTimer clock;
    clock.start();
    // The timer only wakes the loop at the end; the wait itself does not spin.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(static_cast<int>(ms));
    while (static_cast<quint64>(clock.elapsed()) < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

bool onlyFun::Delay_MSec(QObject* owner, unsigned int ms)
{
    QPointer<QObject> guard(owner);
    Delay_MSec(ms);
    return !guard.isNull();
}

int onlyFun::ValueChgInRange(int value, int step, int min, int max, bool up, bool wrap)
{
    if (up) {
        value += step;
        if (value > max)
            value = wrap ? min : max;
    } else {
        value -= step;
        if (value < min)
            value = wrap ? max : min;
    }
    return value;
}

// ---- bottom buttons and style strings ---------------------------------------

void onlyFun::setBottonFun(MyButton* set, MyButton* read, MyButton* exit, QLabel* version)
{
    version->setStyleSheet(QStringLiteral("color:#FFFFFF"));
    const QLatin1String hover(pageframe::kHoverStyle);
    set->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/images/StyleSheet/set_1.png)}") + hover);
    read->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/images/StyleSheet/read.png)}") + hover);
    exit->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/StyleSheet/getBack.png)}") + hover);
    set->setPopupText(QStringLiteral("SET"));
    read->setPopupText(QStringLiteral("SYNC. STATUS"));
    exit->setPopupText(QStringLiteral("EXIT"));
    version->setText(PC_VERSION);
    connect(set, &QPushButton::clicked, this, &onlyFun::m_on_btnSet_clicked);
    connect(read, &QPushButton::clicked, this, &onlyFun::m_on_btn_ds_clicked);
    connect(exit, &QPushButton::clicked, this, &onlyFun::ExitSignals);
}

QString onlyFun::setColorWhite()
{
    m_styleWhite = QLatin1String(KeyFrames::kGrey);
    return m_styleWhite;
}

QString onlyFun::setColorRed()
{
    m_styleRed = QLatin1String(KeyFrames::kRed);
    return m_styleRed;
}

QString onlyFun::setColorGreen()
{
    m_styleGreen = QLatin1String(KeyFrames::kGreen);
    return m_styleGreen;
}

QString onlyFun::setColorYellow()
{
    m_styleYellow = QLatin1String(KeyFrames::kYellow);
    return m_styleYellow;
}

void onlyFun::m_on_btnSet_clicked()
{
    m_link->SendCMDVersion();
}

void onlyFun::m_on_btn_ds_clicked()
{
    m_link->SendCMDReadDevState();
}

bool onlyFun::guardRaised() const
{
    return updateDevStateEnable;
}

int onlyFun::srcIndex(int channel) const
{
    switch (channel) {
    case 1: return m_src1Index;
    case 2: return m_src2Index;
    case 3: return m_src3Index;
    default: return -1;
    }
}
