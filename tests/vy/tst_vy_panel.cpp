// The Vy panel bound to a loopback switcher at 127.0.0.2: what its keys put on
// the wire, and what the switcher's replies do to its keys.

#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "oriskan_new.h"
#include "udp_capture.h"
#include "vy_frames.h"

#include <QApplication>
#include <QButtonGroup>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QUdpSocket>
#include <QtTest>
#include <functional>
#include <vector>

using Bytes = QMap<int, quint8>;

namespace {

const QHostAddress kDevice(QStringLiteral("127.0.0.2"));
const QHostAddress kPanelSide(QStringLiteral("127.0.0.1"));

// A command frame as the switcher expects it: head, A5 FF, flag 1, command, data, sum, 0xAE.
QByteArray commandFrame(quint8 cmd, const QByteArray& data = {})
{
    QByteArray f(20 + data.size(), '\0');
    f[0] = char(0xA5);
    f[1] = char(0x6C);
    f[2] = char(f.size());
    f[4] = char(0xA5);
    f[5] = char(0xFF);
    f[6] = char(0x01);
    f[16] = char(cmd);
    for (int i = 0; i < data.size(); ++i)
        f[17 + i] = data[i];
    quint32 sum = 0;
    for (int i = 0; i < 17 + data.size(); ++i)
        sum += quint8(f[i]);
    f[17 + data.size()] = char(sum & 0xFF);
    f[18 + data.size()] = char((sum >> 8) & 0xFF);
    f[19 + data.size()] = char(0xAE);
    return f;
}

QByteArray bytes(std::initializer_list<int> v)
{
    QByteArray b;
    for (int x : v)
        b.append(char(x));
    return b;
}

QString vyFace(const char* set, const char* file)
{
    return QStringLiteral("QPushButton{border-image:url(:/images/Vy/%1/%2);}").arg(QLatin1String(set), QLatin1String(file));
}

// Runs a callback for every debug line, i.e. at the moment each frame leaves.
std::function<void(const QString&)>& logHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}
void hookHandler(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    if (logHook())
        logHook()(msg);
}

} // namespace

class TestVyPanel : public QObject
{
    Q_OBJECT

private:
    UdpCapture* m_capture = nullptr;
    QUdpSocket* m_device = nullptr;   // the switcher's replies come from here
    QTimer* m_heartbeat = nullptr;
    QPointer<Oriskan_NEW> m_panel;

    template <class T = QPushButton>
    T* w(const char* name) const
    {
        T* x = m_panel->findChild<T*>(QLatin1String(name));
        if (!x)
            qFatal("no widget %s", name);
        return x;
    }

    // Frames other than heartbeats, in order.
    QList<QByteArray> commands()
    {
        QList<QByteArray> out;
        for (const CapturedDatagram& d : m_capture->takeAll())
            if (!(d.data.size() > 16 && quint8(d.data[16]) == 0x06))
                out << d.data;
        return out;
    }

    // Waits for the next frame that is not a heartbeat.
    QByteArray nextCommand(int ms = 2000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms) {
            for (const CapturedDatagram& d : m_capture->takeAll())
                if (!(d.data.size() > 16 && quint8(d.data[16]) == 0x06))
                    return d.data;
            m_capture->waitForDatagram(50);
        }
        return {};
    }

    // No command frame within ms (heartbeats aside).
    bool silentFor(int ms)
    {
        QTest::qWait(ms);
        return commands().isEmpty();
    }

    void deliver(const QByteArray& reply)
    {
        m_device->writeDatagram(reply, kPanelSide, 7000);
    }

    void applyDump(const QByteArray& dump)
    {
        // Straight through the controller's relay, the road every dump takes.
        emit m_panel->controller()->getDateSignals(dump);
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(hookHandler);
        m_capture = new UdpCapture(kDevice, 7000);
        QVERIFY(m_capture->isBound());
        m_device = new QUdpSocket(this);
        QVERIFY(m_device->bind(kDevice, 0));
        // Answer the heartbeat so the offline rule stays out of these tests.
        m_heartbeat = new QTimer(this);
        connect(m_heartbeat, &QTimer::timeout, this, [this] { deliver(VyFrames::reply(0x06, 20)); });
        m_heartbeat->start(300);
    }

    void init()
    {
        DEV_CHILD_TYPE = 0x28;
        m_capture->takeAll();
        m_panel = new Oriskan_NEW(nullptr);
        m_panel->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QCOMPARE(nextCommand(), commandFrame(0x0A));
    }

    void cleanup()
    {
        logHook() = nullptr;
        delete m_panel.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!updateDevStateEnable);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(nullptr);
        delete m_capture;
    }

    // ---- keys to frames ----------------------------------------------------

    void keySendsFrame_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("PGM 3") << "btn_pgm_3" << commandFrame(0x80, bytes({3}));
        QTest::newRow("PGM bar") << "btn_pgm_bar" << commandFrame(0x80, bytes({9}));
        QTest::newRow("PVW 1") << "btn_pvw_1" << commandFrame(0x81, bytes({1}));
        QTest::newRow("AUTO") << "btn_auto" << commandFrame(0x84);
        QTest::newRow("rate 3") << "btn_rate3" << commandFrame(0xB1, bytes({2}));
        QTest::newRow("MIX transition") << "btn_mix" << commandFrame(0x8D);
        QTest::newRow("FADE transition") << "btn_fade" << commandFrame(0x8E);
        QTest::newRow("wipe group 1") << "btnGroup1" << commandFrame(0x92, bytes({37}));
        QTest::newRow("wipe group 2") << "btnGroup2" << commandFrame(0x92, bytes({35}));
        QTest::newRow("wipe group 3") << "btnGroup3" << commandFrame(0x92, bytes({41}));
        QTest::newRow("wipe group 4") << "btnGroup4" << commandFrame(0x92, bytes({39}));
        QTest::newRow("STILL") << "btn_still" << commandFrame(0xCF);
        QTest::newRow("FTB") << "btn_ftb" << commandFrame(0x85);
        QTest::newRow("PIP") << "btn_pip" << commandFrame(0x86, bytes({1}));
        QTest::newRow("AFV") << "btn_audio_afv" << commandFrame(0xB6, bytes({0}));
        QTest::newRow("audio MIX") << "btn_audio_mix" << commandFrame(0xB6, bytes({1}));
        QTest::newRow("F2 DP/HDMI") << "btn_F2" << commandFrame(0xAF, bytes({1}));
        QTest::newRow("F3 mute") << "btn_F3" << commandFrame(0xD6);
        QTest::newRow("F8 microphone") << "btn_F8" << commandFrame(0xDD);
        QTest::newRow("CH1 vol +") << "btn_ch1_vol_add" << commandFrame(0xB8, bytes({0, 5}));
        QTest::newRow("SRC1 first press") << "btn_src1" << commandFrame(0xB9, bytes({3}));
    }
    void keySendsFrame()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, frame);
        w(key.toLatin1().constData())->click();
        QCOMPARE(nextCommand(), frame);
        QVERIFY(silentFor(100));
    }

    void menuKeyPressAndRelease_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("menu") << "btn_menu" << 107;
        QTest::newRow("up") << "btn_up" << 65;
        QTest::newRow("down") << "btn_down" << 66;
        QTest::newRow("left") << "btn_left" << 108;
        QTest::newRow("right") << "btn_right" << 109;
    }
    void menuKeyPressAndRelease()
    {
        QFETCH(QString, key);
        QFETCH(int, code);
        QPushButton* b = w(key.toLatin1().constData());
        QTest::mousePress(b, Qt::LeftButton);
        QCOMPARE(nextCommand(), commandFrame(0xD9, bytes({code, 1})));
        QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(nextCommand(), commandFrame(0xD9, bytes({code, 0})));
    }

    void pgmLightsBeforeItsFrameLeaves()
    {
        QString faceWhenSent;
        logHook() = [&](const QString&) {
            if (faceWhenSent.isNull())
                faceWhenSent = w("btn_pgm_3")->styleSheet();
        };
        w("btn_pgm_3")->click();
        logHook() = nullptr;
        QCOMPARE(faceWhenSent, vyFace("red", "1 big 3.png"));
        QCOMPARE(w("btn_pgm_1")->styleSheet(), vyFace("default", "1 big 1.png"));
        QCOMPARE(nextCommand(), commandFrame(0x80, bytes({3})));
        // The device's own report then moves the red key.
        applyDump(VyFrames::stateDump({{0, 2}}));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace("red", "1 big 2.png"));
        QCOMPARE(w("btn_pgm_3")->styleSheet(), vyFace("default", "1 big 3.png"));
    }

    void cutLeavesAfterItsFlash()
    {
        QString faceDuring;
        int framesDuring = -1;
        QTimer::singleShot(100, this, [&] {
            faceDuring = w("btn_cut")->styleSheet();
            framesDuring = commands().size();
        });
        QElapsedTimer t;
        t.start();
        w("btn_cut")->click();
        QVERIFY(t.elapsed() >= 290);
        QCOMPARE(faceDuring, vyFace("red", "cut.png"));
        QCOMPARE(framesDuring, 0);
        QCOMPARE(w("btn_cut")->styleSheet(), vyFace("default", "cut.png"));
        QCOMPARE(nextCommand(), commandFrame(0x83));
    }

    void wipeGroupLightsAndResetsItsIcon()
    {
        ICON_CURRENT_INDEX[1] = 12;
        w("btnGroup2")->click();
        QCOMPARE(w("btnGroup2")->styleSheet(), vyFace("green", "AFV-2.png"));
        QCOMPARE(w("btn_mix")->styleSheet(), vyFace("default", "AFV (2).png"));
        QCOMPARE(ICON_CURRENT_INDEX[1], 0u);
        QCOMPARE(nextCommand(), commandFrame(0x92, bytes({35})));
    }

    void audioModeEnablesTheSourceKeys()
    {
        w("btn_audio_afv")->click();
        QVERIFY(!w("btn_src1")->isEnabled());
        QVERIFY(!w("btn_src2")->isEnabled());
        QCOMPARE(w("btn_audio_afv")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/green/AFV-6.png)}"));
        w("btn_audio_mix")->click();
        QVERIFY(w("btn_src1")->isEnabled());
        // A mode the panel does not know unlights both and keeps the enabling.
        applyDump(VyFrames::stateDump({{2, 2}}));
        QCOMPARE(w("btn_audio_mix")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/default/mix.png)}"));
        QCOMPARE(w("btn_audio_afv")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/default/AFV.png)}"));
        QVERIFY(w("btn_src1")->isEnabled());
    }

    void f8FlashesWithoutOpeningTheAudioPage()
    {
        QString faceDuring;
        QTimer::singleShot(150, this, [&] { faceDuring = w("btn_F8")->styleSheet(); });
        w("btn_F8")->click();
        QCOMPARE(faceDuring, vyFace("green", "F8.png"));
        QCOMPARE(w("btn_F8")->styleSheet(), vyFace("default", "F8.png"));
        QCOMPARE(nextCommand(), commandFrame(0xDD));
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!(top->isVisible() && top->objectName().contains(QLatin1String("AUDIO"), Qt::CaseInsensitive)),
                     qPrintable(top->objectName()));
    }

    void f7FollowsTheKeyMode()
    {
        // Luma key on, F7 in luma mode: F7 lit, the luma page shown.
        applyDump(VyFrames::stateDump({{50, 1}, {115, 1}}));
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("green", "F7.png"));
        QVERIFY(m_panel->lumaPage()->isVisible());
        QVERIFY(!m_panel->chromaPage()->isVisible());
        // Chroma key on, chroma mode: the chroma page.
        applyDump(VyFrames::stateDump({{51, 1}, {115, 2}}));
        QVERIFY(m_panel->chromaPage()->isVisible());
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("green", "F7.png"));
        QVERIFY(silentFor(100));
        // F7 in chroma mode turns the chroma key off and closes its page.
        w("btn_F7")->click();
        QCOMPARE(nextCommand(), commandFrame(0x8C, bytes({0})));
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("default", "F7.png"));
        QVERIFY(!m_panel->chromaPage()->isVisible());
    }

    // ---- the state dump ----------------------------------------------------

    void dumpLightsKeysAndSendsNothing()
    {
        const QByteArray dump = VyFrames::stateDump(
            {{0, 3}, {1, 9}, {5, 40}, {8, 60}, {10, 80}, {33, 1}, {34, 1}, {38, 1}, {92, 0}}, 0x402, 0);
        applyDump(dump);
        QVERIFY(!updateDevStateEnable);
        QCOMPARE(w("btn_pgm_3")->styleSheet(), vyFace("red", "1 big 3.png"));
        QCOMPARE(w("btn_pvw_bar")->styleSheet(), vyFace("green", "1 bar.png"));
        QCOMPARE(w("btn_pvw_1")->styleSheet(), vyFace("default", "2 big 1.png"));
        QCOMPARE(w("btn_rate2")->styleSheet(), vyFace("green", "Rate 2.png"));
        QCOMPARE(w("btn_rate1")->styleSheet(), vyFace("default", "Rate 1.png"));
        QCOMPARE(w("btn_still")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/green/still.png)}"));
        QCOMPARE(w("btn_F3")->styleSheet(), vyFace("green", "F3.png"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 40);
        QCOMPARE(w<QSlider>("verticalSlider_2")->value(), 60);
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 80);
        QVERIFY(m_panel->hasPreviousDump());
        QCOMPARE(m_panel->lastRecStreamWord(), 0x402u);
        // Recording and streaming as the status word says.
        QVERIFY(m_panel->controller()->recording());
        QVERIFY(m_panel->controller()->streaming());
        QCOMPARE(w("btn_F4")->styleSheet(), vyFace("green", "F4.png"));
        QVERIFY(silentFor(300));

        // The same record again touches no widget; the status is still applied.
        w("btn_pgm_3")->setStyleSheet(QStringLiteral("marker"));
        {
            DevStateGuard quiet;
            w<QSlider>("verticalSlider_1")->setValue(10);
        }
        applyDump(VyFrames::stateDump({{0, 3}, {1, 9}, {5, 40}, {8, 60}, {10, 80}, {33, 1}, {34, 1}, {38, 1}},
                                      0x2, 0));
        QCOMPARE(w("btn_pgm_3")->styleSheet(), QStringLiteral("marker"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 10);
        QCOMPARE(m_panel->lastRecStreamWord(), 0x2u);
        QVERIFY(!m_panel->controller()->streaming());
        QVERIFY(silentFor(200));
    }

    void dumpThroughTheSocket()
    {
        deliver(VyFrames::stateDump({{0, 4}}));
        QTRY_COMPARE(w("btn_pgm_4")->styleSheet(), vyFace("red", "1 big 4.png"));
        QVERIFY(m_panel->hasPreviousDump());
    }

    // A dump whose array only borrows its bytes (storage freed right after) is still
    // the one the next dump is compared with.
    void borrowedDumpIsCopied()
    {
        {
            const QByteArray src = VyFrames::stateDump({{0, 2}, {10, 30}});
            std::vector<char> exact(src.cbegin(), src.cend());
            applyDump(QByteArray::fromRawData(exact.data(), int(exact.size())));
            exact[18] = 4;  // what a reused buffer would hold next
        }
        w("btn_pgm_2")->setStyleSheet(QStringLiteral("marker"));
        applyDump(VyFrames::stateDump({{0, 2}, {10, 30}}));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), QStringLiteral("marker"));
    }

    void firstDumpAppliesZeros()
    {
        w<QSlider>("verticalSlider_master")->setValue(50);
        commands();
        applyDump(VyFrames::stateDump({}));
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 0);
        QCOMPARE(w("btn_rate1")->styleSheet(), vyFace("green", "Rate 1.png"));
        QCOMPARE(w("btn_still")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/default/still.png)}"));
        QVERIFY(silentFor(150));
    }

    void recordStatusOneIsIgnored()
    {
        QByteArray dump = VyFrames::stateDump({{0, 2}, {10, 70}}, 0x2);
        dump[17] = 1;
        applyDump(dump);
        QVERIFY(!m_panel->hasPreviousDump());
        QCOMPARE(m_panel->lastRecStreamWord(), 0u);
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace("default", "1 big 2.png"));
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 0);
    }

    void truncatedDumpIsIgnored_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("applied");
        QTest::newRow("20 bytes") << 20 << false;
        QTest::newRow("110 bytes") << 110 << false;
        QTest::newRow("133 bytes") << 133 << false;
        QTest::newRow("134 bytes") << 134 << true;
    }
    void truncatedDumpIsIgnored()
    {
        QFETCH(int, size);
        QFETCH(bool, applied);
        applyDump(VyFrames::stateDump({{0, 2}}, 0x2, 0, size));
        QCOMPARE(m_panel->hasPreviousDump(), applied);
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace(applied ? "red" : "default", "1 big 2.png"));
        QCOMPARE(m_panel->lastRecStreamWord(), applied ? 0x2u : 0u);
        // A dropped dump is not the one later dumps are compared with.
        applyDump(VyFrames::stateDump({{0, 2}}));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace("red", "1 big 2.png"));
    }

    void statusSkippedWhenTheLengthFieldDoesNotFit_data()
    {
        QTest::addColumn<int>("lengthField");
        QTest::newRow("below 26") << 20;
        QTest::newRow("past the datagram") << 400;
    }
    void statusSkippedWhenTheLengthFieldDoesNotFit()
    {
        QFETCH(int, lengthField);
        QByteArray dump = VyFrames::stateDump({{0, 1}}, 0x2);
        dump[2] = char(lengthField & 0xFF);
        dump[3] = char(lengthField >> 8);
        applyDump(dump);
        QCOMPARE(w("btn_pgm_1")->styleSheet(), vyFace("red", "1 big 1.png"));
        QVERIFY(m_panel->hasPreviousDump());
        QCOMPARE(m_panel->lastRecStreamWord(), 0u);
        QVERIFY(!m_panel->controller()->recording());
    }

    void ftbFromTheDumpBlinks()
    {
        applyDump(VyFrames::stateDump({{23, 1}}));
        QVERIFY(m_panel->ftbBlinking());
        QTRY_COMPARE_WITH_TIMEOUT(w("btn_ftb")->styleSheet(), vyFace("red", "FTB.png"), 1500);
        // A value the rule ignores leaves it blinking.
        applyDump(VyFrames::stateDump({{23, 2}}));
        QVERIFY(m_panel->ftbBlinking());
        applyDump(VyFrames::stateDump({{23, 0}}));
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(w("btn_ftb")->styleSheet(), vyFace("default", "FTB.png"));
    }

    void ftbKeyStartsAndStopsTheBlink()
    {
        w("btn_ftb")->click();
        QVERIFY(m_panel->ftbBlinking());
        QCOMPARE(w("btn_ftb")->styleSheet(), QStringLiteral("QPushButton{border-image:url(:/images/Vy/default/FTB.png)}\n"));
        QTRY_COMPARE_WITH_TIMEOUT(w("btn_ftb")->styleSheet(), vyFace("red", "FTB.png"), 1500);
        w("btn_ftb")->click();
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(w("btn_ftb")->styleSheet(), vyFace("default", "FTB.png"));
        QTest::qWait(500);
        QCOMPARE(w("btn_ftb")->styleSheet(), vyFace("default", "FTB.png"));
    }

    // ---- T-bar, POP and version replies ------------------------------------

    void tbarReport_data()
    {
        QTest::addColumn<int>("dir");
        QTest::addColumn<int>("pos");
        QTest::addColumn<int>("tbar");
        QTest::addColumn<bool>("autoLit");
        QTest::addColumn<bool>("upperLamp");
        QTest::newRow("forward, 64") << 0 << 64 << 64 << true << false;
        QTest::newRow("reverse, 64") << 1 << 64 << 63 << true << true;
        QTest::newRow("forward, end") << 0 << 128 << 127 << false << false;
        QTest::newRow("reverse, end") << 1 << 128 << 0 << false << true;
        QTest::newRow("forward, 0") << 0 << 0 << 0 << false << false;
        QTest::newRow("forward, 255") << 0 << 255 << 127 << false << false;
        QTest::newRow("direction 2 leaves the T-bar") << 2 << 50 << 33 << true << true;
    }
    void tbarReport()
    {
        QFETCH(int, dir);
        QFETCH(int, pos);
        QFETCH(int, tbar);
        QFETCH(bool, autoLit);
        QFETCH(bool, upperLamp);
        {
            DevStateGuard quiet;
            w<QSlider>("verticalSlider_4")->setValue(33);
        }
        emit m_panel->controller()->getTXSliderDateSignals(VyFrames::tbar(quint8(dir), quint8(pos)));
        QVERIFY(!updateDevStateEnable);
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), tbar);
        QCOMPARE(w("btn_auto")->styleSheet(), vyFace(autoLit ? "red" : "default", "auto.png"));
        const QString on = QStringLiteral("QLabel{border-image: url(:/images/4k/green/on.png)}");
        const QString off = QStringLiteral("QLabel{border-image: url(:/images/4k/default/off.png)}");
        QCOMPARE(w<QLabel>("label_lightUP")->styleSheet(), upperLamp ? on : off);
        QCOMPARE(w<QLabel>("label_lightDown")->styleSheet(), upperLamp ? off : on);
        // Moving the T-bar to the device's report sends no T-bar frame back.
        QVERIFY(silentFor(150));
    }

    void shortRepliesAreIgnored()
    {
        {
            DevStateGuard quiet;
            w<QSlider>("verticalSlider_4")->setValue(10);
        }
        emit m_panel->controller()->getTXSliderDateSignals(VyFrames::reply(0x82, 21, {{18, 0}}));
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), 10);
        // Version bytes run to 31: a 31-byte reply is dropped without reading past its end.
        const QByteArray version = VyFrames::reply(0x49, 31, {{18, 2}, {30, 7}});
        std::vector<char> exact(version.cbegin(), version.cend());
        m_panel->getDevVersionState(QByteArray::fromRawData(exact.data(), int(exact.size())));
        const QByteArray pop = VyFrames::reply(0x6F, 18);
        std::vector<char> exactPop(pop.cbegin(), pop.cend());
        m_panel->getPOPWinState(QByteArray::fromRawData(exactPop.data(), int(exactPop.size())));
        QVERIFY(!updateDevStateEnable);
    }

    void popWindowReplyEnablesThePopFields()
    {
        // With the POP window mode at 1, the reply's mode alone decides.
        emit m_panel->controller()->getPOPWinStateSignals(VyFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
        deliver(VyFrames::reply(0x6F, 22, {{18, 1}}));
        QTRY_VERIFY(m_panel->controller()->popControlsEnabled());
        emit m_panel->controller()->getPOPWinStateSignals(VyFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
        QVERIFY(!updateDevStateEnable);
    }

    // ---- lifetimes ----------------------------------------------------------

    void closingDuringAFlash_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("deleteNow");
        QTest::newRow("close during CUT") << "btn_cut" << false;
        QTest::newRow("delete during CUT") << "btn_cut" << true;
        QTest::newRow("close during F1") << "btn_F1" << false;
        QTest::newRow("delete during SRC2") << "btn_src2" << true;
    }
    void closingDuringAFlash()
    {
        QFETCH(QString, key);
        QFETCH(bool, deleteNow);
        QPointer<QPushButton> button = w(key.toLatin1().constData());
        QTimer::singleShot(80, this, [this, deleteNow] {
            if (deleteNow)
                delete m_panel.data();
            else
                m_panel->close();
        });
        button->click();
        QTRY_VERIFY(m_panel.isNull());
        QVERIFY(button.isNull());
        QVERIFY(!updateDevStateEnable);
        // The panel's heartbeat ends with it.
        m_capture->takeAll();
        QTest::qWait(1300);
        QCOMPARE(m_capture->count(), 0);
        init();  // cleanup() expects a panel
    }

    void exitClosesThePanelWithItsSettingsWindow()
    {
        QSignalSpy exits(m_panel.data(), &Oriskan_NEW::ExitSignals);
        // The opener's return road: close the panel on its end signal.
        connect(m_panel.data(), &Oriskan_NEW::ExitSignals, m_panel.data(), [this] { m_panel->close(); });
        m_panel->show();
        w("btnSet")->click();
        QPointer<MainMenu> menu = m_panel->mainMenu();
        QVERIFY(menu->isVisible());
        emit m_panel->controller()->ExitSignals();
        QCOMPARE(exits.count(), 1);
        QTRY_VERIFY(m_panel.isNull());
        QVERIFY(menu.isNull());
        init();
    }

    void titleBarCloseEndsThePanelWithoutExit()
    {
        QSignalSpy exits(m_panel.data(), &Oriskan_NEW::ExitSignals);
        m_panel->show();
        QPushButton* close = nullptr;
        for (QPushButton* b : w<QWidget>("widget_2")->findChildren<QPushButton*>())
            if (b->styleSheet().contains(QLatin1String("close.png")))
                close = b;
        QVERIFY(close);
        close->click();
        QTRY_VERIFY(m_panel.isNull());
        QCOMPARE(exits.count(), 0);
        m_capture->takeAll();
        QTest::qWait(1200);
        QCOMPARE(m_capture->count(), 0);
        init();
    }

    void setKeyOpensTheSettingsAndBackRecentres()
    {
        m_panel->show();
        m_panel->move(5, 5);
        QVERIFY(m_panel->isVisible());
        w("btnSet")->click();
        QVERIFY(!m_panel->isVisible());
        QVERIFY(m_panel->mainMenu()->isVisible());
        emit m_panel->mainMenu()->goBack();
        QVERIFY(m_panel->isVisible());
        QVERIFY(!m_panel->mainMenu()->isVisible());
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(m_panel->pos(), QPoint((area.width() - 1400) / 2, (area.height() - 597) / 2));
    }

    void setKeyWhileTheSettingsAreActiveClosesThem()
    {
        m_panel->show();
        w("btnSet")->click();
        MainMenu* menu = m_panel->mainMenu();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        w("btnSet")->click();
        QVERIFY(!menu->isVisible());
        QVERIFY(!m_panel->isVisible());
    }

    void formGeometryAndWindow()
    {
        QCOMPARE(m_panel->size(), QSize(1400, 597));
        QCOMPARE(m_panel->minimumSize(), QSize(1400, 597));
        QCOMPARE(m_panel->maximumSize(), QSize(1400, 597));
        QCOMPARE(m_panel->windowTitle(), QStringLiteral("Zv-Solvenzari-Vy"));
        QCOMPARE(int(m_panel->windowFlags() & (Qt::Dialog | Qt::FramelessWindowHint)),
                 int(Qt::Dialog | Qt::FramelessWindowHint));
        QVERIFY(m_panel->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w("btn_cut")->geometry(), QRect(904, 450, 86, 62));
        QCOMPARE(w("btn_F8")->geometry(), QRect(756, 173, 56, 32));
        QCOMPARE(w("btn_down")->geometry(), QRect(1034, 294, 56, 33));
        QCOMPARE(w<QSlider>("verticalSlider_4")->geometry(), QRect(1199, 216, 143, 278));
        QCOMPARE(w<QSlider>("verticalSlider_4")->maximum(), 127);
        QCOMPARE(w<QLabel>("label_lightDown")->styleSheet(),
                 QStringLiteral("QLabel{border-image: url(:/images/4k/green/on.png)}"));
        QCOMPARE(w("btn_src1")->styleSheet(), QStringLiteral("QPushButton{border-image:url(:/images/Vy/default/CH1.png)}"));
        QCOMPARE(w("btn_pvw_3")->styleSheet(), vyFace("default", "3 big 3.png"));
        QCOMPARE(w("btn_pvw_bar")->styleSheet(), vyFace("default", "2 big  bar.png"));
    }
};

QTEST_MAIN(TestVyPanel)
#include "tst_vy_panel.moc"
