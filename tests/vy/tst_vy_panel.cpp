// The Vy panel bound to a loopback switcher at 127.0.0.2: what its keys put on
// the wire, and what the switcher's replies do to its keys.

#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "oriskan_new.h"
#include "panel_rig.h"
#include "edition_frames.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <vector>

namespace {

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

// Most tests share one panel (building one is the slow part under the
// sanitizers); those about a first dump or the panel's end get their own.
bool sharesThePanel()
{
    static const QSet<QByteArray> fresh = {"firstDumpAppliesZeros", "closingDuringAFlash",
                                           "exitClosesThePanelWithItsSettingsWindow",
                                           "titleBarCloseEndsThePanelWithoutExit"};
    return !fresh.contains(QByteArray(QTest::currentTestFunction()));
}

} // namespace

class TestVyPanel : public QObject
{
    Q_OBJECT

private:
    SwitcherWire* m_wire = nullptr;
    QPointer<Oriskan_NEW> m_panel;

    template <class T = QPushButton>
    T* w(const char* name) const
    {
        T* x = m_panel->findChild<T*>(QLatin1String(name));
        if (!x)
            qFatal("no widget %s", name);
        return x;
    }
    QByteArray nextCommand() { return m_wire->nextCommand(); }
    bool nothingSent() { return m_wire->nothingSent(); }

    void applyDump(const QByteArray& dump)
    {
        // Straight through the controller's relay, the road every dump takes.
        emit m_panel->controller()->getDateSignals(dump);
    }

    void newPanel()
    {
        delete m_panel.data();
        DEV_CHILD_TYPE = 0x28;
        m_wire->commands();
        m_panel = new Oriskan_NEW(nullptr);
        m_panel->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QCOMPARE(nextCommand(), panelCommand(0x0A));
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(hookHandler);
        m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }

    void init()
    {
        if (!m_panel || !sharesThePanel())
            newPanel();
        m_wire->commands();
    }

    void cleanup()
    {
        logHook() = nullptr;
        QVERIFY(!updateDevStateEnable);
        if (!sharesThePanel() || QTest::currentTestFailed())
            delete m_panel.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void cleanupTestCase()
    {
        delete m_panel.data();
        qInstallMessageHandler(nullptr);
        delete m_wire;
    }

    // ---- keys to frames ----------------------------------------------------

    void keySendsFrame_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("frame");
        QTest::newRow("PGM 3") << "btn_pgm_3" << panelCommand(0x80, {3});
        QTest::newRow("PGM bar") << "btn_pgm_bar" << panelCommand(0x80, {9});
        QTest::newRow("PVW 1") << "btn_pvw_1" << panelCommand(0x81, {1});
        QTest::newRow("AUTO") << "btn_auto" << panelCommand(0x84);
        QTest::newRow("rate 3") << "btn_rate3" << panelCommand(0xB1, {2});
        QTest::newRow("MIX transition") << "btn_mix" << panelCommand(0x8D);
        QTest::newRow("FADE transition") << "btn_fade" << panelCommand(0x8E);
        QTest::newRow("wipe group 1") << "btnGroup1" << panelCommand(0x92, {37});
        QTest::newRow("wipe group 2") << "btnGroup2" << panelCommand(0x92, {35});
        QTest::newRow("wipe group 3") << "btnGroup3" << panelCommand(0x92, {41});
        QTest::newRow("wipe group 4") << "btnGroup4" << panelCommand(0x92, {39});
        QTest::newRow("STILL") << "btn_still" << panelCommand(0xCF);
        QTest::newRow("FTB") << "btn_ftb" << panelCommand(0x85);
        QTest::newRow("PIP") << "btn_pip" << panelCommand(0x86, {1});
        QTest::newRow("AFV") << "btn_audio_afv" << panelCommand(0xB6, {0});
        QTest::newRow("audio MIX") << "btn_audio_mix" << panelCommand(0xB6, {1});
        QTest::newRow("F2 DP/HDMI") << "btn_F2" << panelCommand(0xAF, {1});
        QTest::newRow("F3 mute") << "btn_F3" << panelCommand(0xD6);
        QTest::newRow("F8 microphone") << "btn_F8" << panelCommand(0xDD);
        QTest::newRow("CH1 vol +") << "btn_ch1_vol_add" << panelCommand(0xB8, {0, 5});
        QTest::newRow("SRC1 first press") << "btn_src1" << panelCommand(0xB9, {3});
    }
    void keySendsFrame()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, frame);
        w(key.toLatin1().constData())->click();
        QCOMPARE(nextCommand(), frame);
        QVERIFY(nothingSent());
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
        QCOMPARE(nextCommand(), panelCommand(0xD9, {code, 1}));
        QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(nextCommand(), panelCommand(0xD9, {code, 0}));
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
        QCOMPARE(nextCommand(), panelCommand(0x80, {3}));
        // The device's own report then moves the red key.
        applyDump(EditionFrames::stateDump({{0, 2}}));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace("red", "1 big 2.png"));
        QCOMPARE(w("btn_pgm_3")->styleSheet(), vyFace("default", "1 big 3.png"));
    }

    void cutLeavesAfterItsFlash()
    {
        QString faceDuring;
        int framesDuring = -1;
        QTimer::singleShot(100, this, [&] {
            faceDuring = w("btn_cut")->styleSheet();
            framesDuring = m_wire->commands().size();
        });
        QElapsedTimer t;
        t.start();
        w("btn_cut")->click();
        QVERIFY(t.elapsed() >= 290);
        QCOMPARE(faceDuring, vyFace("red", "cut.png"));
        QCOMPARE(framesDuring, 0);
        QCOMPARE(w("btn_cut")->styleSheet(), vyFace("default", "cut.png"));
        QCOMPARE(nextCommand(), panelCommand(0x83));
    }

    void wipeGroupLightsAndResetsItsIcon()
    {
        ICON_CURRENT_INDEX[1] = 12;
        w("btnGroup2")->click();
        QCOMPARE(w("btnGroup2")->styleSheet(), vyFace("green", "AFV-2.png"));
        QCOMPARE(w("btn_mix")->styleSheet(), vyFace("default", "AFV (2).png"));
        QCOMPARE(ICON_CURRENT_INDEX[1], 0u);
        QCOMPARE(nextCommand(), panelCommand(0x92, {35}));
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
        applyDump(EditionFrames::stateDump({{2, 2}}));
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
        QCOMPARE(nextCommand(), panelCommand(0xDD));
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!(top->isVisible() && top->objectName().contains(QLatin1String("AUDIO"), Qt::CaseInsensitive)),
                     qPrintable(top->objectName()));
    }

    void f7FollowsTheKeyMode()
    {
        // Luma key on, F7 in luma mode: F7 lit, the luma page shown.
        applyDump(EditionFrames::stateDump({{50, 1}, {115, 1}}));
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("green", "F7.png"));
        QVERIFY(m_panel->lumaPage()->isVisible());
        QVERIFY(!m_panel->chromaPage()->isVisible());
        // Chroma key on, chroma mode: the chroma page.
        applyDump(EditionFrames::stateDump({{51, 1}, {115, 2}}));
        QVERIFY(m_panel->chromaPage()->isVisible());
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("green", "F7.png"));
        QVERIFY(nothingSent());
        // F7 in chroma mode turns the chroma key off and closes its page.
        w("btn_F7")->click();
        QCOMPARE(nextCommand(), panelCommand(0x8C, {0}));
        QCOMPARE(w("btn_F7")->styleSheet(), vyFace("default", "F7.png"));
        QVERIFY(!m_panel->chromaPage()->isVisible());
    }

    // ---- the state dump ----------------------------------------------------

    void dumpLightsKeysAndSendsNothing()
    {
        const QByteArray dump = EditionFrames::stateDump(
            {{0, 3}, {1, 9}, {5, 40}, {8, 60}, {10, 80}, {33, 1}, {34, 1}, {38, 1}, {92, 0}}, 0x402, 0);
        // Over the wire, the road every dump takes.
        QSignalSpy applied(m_panel->controller(), &onlyFun::getDateSignals);
        m_wire->reply(dump);
        QVERIFY(applied.wait(2000));
        QCOMPARE(w("btn_pgm_3")->styleSheet(), vyFace("red", "1 big 3.png"));
        QCOMPARE(w("btn_pvw_bar")->styleSheet(), vyFace("green", "1 bar.png"));
        QCOMPARE(w("btn_rate2")->styleSheet(), vyFace("green", "Rate 2.png"));
        QCOMPARE(w("btn_F3")->styleSheet(), vyFace("green", "F3.png"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 40);
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 80);
        QCOMPARE(m_panel->lastRecStreamWord(), 0x402u);
        // Recording and streaming as the status word says.
        QVERIFY(m_panel->controller()->recording());
        QVERIFY(m_panel->controller()->streaming());
        QCOMPARE(w("btn_F4")->styleSheet(), vyFace("green", "F4.png"));
        QVERIFY(nothingSent());

        // The same record again touches no widget; the status is still applied.
        w("btn_pgm_3")->setStyleSheet(QStringLiteral("marker"));
        {
            DevStateGuard quiet;
            w<QSlider>("verticalSlider_1")->setValue(10);
        }
        applyDump(EditionFrames::stateDump({{0, 3}, {1, 9}, {5, 40}, {8, 60}, {10, 80}, {33, 1}, {34, 1}, {38, 1}},
                                      0x2, 0));
        QCOMPARE(w("btn_pgm_3")->styleSheet(), QStringLiteral("marker"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 10);
        QCOMPARE(m_panel->lastRecStreamWord(), 0x2u);
        QVERIFY(!m_panel->controller()->streaming());
        QVERIFY(nothingSent());
    }

    void truncatedDumpIsIgnored_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("applied");
        QTest::newRow("20 bytes") << 20 << 0 << false;
        QTest::newRow("133 bytes") << 133 << 0 << false;
        QTest::newRow("134 bytes") << 134 << 0 << true;
        QTest::newRow("record status 1") << 160 << 1 << false;
    }
    void truncatedDumpIsIgnored()
    {
        QFETCH(int, size);
        QFETCH(int, status);
        QFETCH(bool, applied);
        applyDump(EditionFrames::stateDump({{0, 1}}));
        applyDump(EditionFrames::stateDump({{0, 2}}, 0x2, 0, size, quint8(status)));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace(applied ? "red" : "default", "1 big 2.png"));
        QCOMPARE(m_panel->lastRecStreamWord(), applied ? 0x2u : 0u);
        // A dropped dump is not the one later dumps are compared with.
        applyDump(EditionFrames::stateDump({{0, 2}}));
        QCOMPARE(w("btn_pgm_2")->styleSheet(), vyFace("red", "1 big 2.png"));
    }

    void ftbFromTheDumpBlinks()
    {
        applyDump(EditionFrames::stateDump({{23, 1}}));
        QVERIFY(m_panel->ftbBlinking());
        QTRY_COMPARE_WITH_TIMEOUT(w("btn_ftb")->styleSheet(), vyFace("red", "FTB.png"), 1500);
        // A value the rule ignores leaves it blinking.
        applyDump(EditionFrames::stateDump({{23, 2}}));
        QVERIFY(m_panel->ftbBlinking());
        applyDump(EditionFrames::stateDump({{23, 0}}));
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(w("btn_ftb")->styleSheet(), vyFace("default", "FTB.png"));
        // The FTB key starts it again (frame checked with the other keys) and stops it for good.
        w("btn_ftb")->click();
        QVERIFY(m_panel->ftbBlinking());
        w("btn_ftb")->click();
        QVERIFY(!m_panel->ftbBlinking());
        QTest::qWait(450);
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
        QTest::newRow("reverse, end") << 1 << 128 << 0 << false << true;
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
        emit m_panel->controller()->getTXSliderDateSignals(EditionFrames::tbar(quint8(dir), quint8(pos)));
        QVERIFY(!updateDevStateEnable);
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), tbar);
        QCOMPARE(w("btn_auto")->styleSheet(), vyFace(autoLit ? "red" : "default", "auto.png"));
        const QString on = QStringLiteral("QLabel{border-image: url(:/images/4k/green/on.png)}");
        const QString off = QStringLiteral("QLabel{border-image: url(:/images/4k/default/off.png)}");
        QCOMPARE(w<QLabel>("label_lightUP")->styleSheet(), upperLamp ? on : off);
        QCOMPARE(w<QLabel>("label_lightDown")->styleSheet(), upperLamp ? off : on);
        // Moving the T-bar to the device's report sends no T-bar frame back.
        QVERIFY(nothingSent());
    }

    void shortRepliesAreIgnored()
    {
        {
            DevStateGuard quiet;
            w<QSlider>("verticalSlider_4")->setValue(10);
        }
        emit m_panel->controller()->getTXSliderDateSignals(EditionFrames::reply(0x82, 21, {{18, 0}}));
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), 10);
        // Version bytes run to 31: a 31-byte reply is dropped without reading past its end.
        const QByteArray version = EditionFrames::reply(0x49, 31, {{18, 2}, {30, 7}});
        std::vector<char> exact(version.cbegin(), version.cend());
        m_panel->getDevVersionState(QByteArray::fromRawData(exact.data(), int(exact.size())));
        const QByteArray pop = EditionFrames::reply(0x6F, 18);
        std::vector<char> exactPop(pop.cbegin(), pop.cend());
        m_panel->getPOPWinState(QByteArray::fromRawData(exactPop.data(), int(exactPop.size())));
        QVERIFY(!updateDevStateEnable);
    }

    void popWindowReplyEnablesThePopFields()
    {
        // With the POP window mode at 1, the reply's mode alone decides.
        emit m_panel->controller()->getPOPWinStateSignals(EditionFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
        m_wire->reply(EditionFrames::reply(0x6F, 22, {{18, 1}}));
        QTRY_VERIFY(m_panel->controller()->popControlsEnabled());
        emit m_panel->controller()->getPOPWinStateSignals(EditionFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
        QVERIFY(!updateDevStateEnable);
    }

    void firstDumpAppliesZeros()
    {
        QVERIFY(!m_panel->hasPreviousDump());
        w<QSlider>("verticalSlider_master")->setValue(50);
        m_wire->commands();
        applyDump(EditionFrames::stateDump({}));
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 0);
        QCOMPARE(w("btn_rate1")->styleSheet(), vyFace("green", "Rate 1.png"));
        QCOMPARE(w("btn_still")->styleSheet(),
                 QStringLiteral("QPushButton{border-image: url(:/images/Vy/default/still.png)}"));
        QVERIFY(nothingSent());
    }

    // ---- lifetimes ----------------------------------------------------------

    void closingDuringAFlash_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("deleteNow");
        QTest::newRow("close during CUT") << "btn_cut" << false;
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
        // The heartbeat (every second) ends with the panel.
        m_wire->capture().takeAll();
        QTest::qWait(1100);
        QCOMPARE(m_wire->capture().count(), 0);
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
};

QTEST_MAIN(TestVyPanel)
#include "tst_vy_panel.moc"
