// The Vy panel bound to a loopback switcher at 127.0.0.2: what its keys put on
// the wire, and what the switcher's replies do to its keys. The decoding itself
// is the shared decoder's (tst_vy_record); here only this panel's own part.

#include "edition_frames.h"
#include "key_page.h"
#include "main_menu.h"
#include "onlyfun.h"
#include "oriskan_new.h"
#include "pip_page.h"
#include "panel_rig.h"
#include "window_placement.h"
#include "widget_events.h"
#include "wire_rig.h"

#include <QApplication>
#include <QLineEdit>
#include <QScreen>
#include <functional>
#include <vector>

using Bytes = QMap<int, quint8>;
Q_DECLARE_METATYPE(Bytes)

namespace {

// Record bytes of the functions and of F7's key mode.
enum Record : int { rPip = 24, rPop = 40, rLuma = 50, rChroma = 51, rPattern = 57, rF7Mode = 115 };

QString vyFace(const char* set, const char* file)
{
    return QStringLiteral("QPushButton{border-image:url(:/images/Vy/%1/%2);}").arg(QLatin1String(set), QLatin1String(file));
}

// Runs a callback for every debug line, i.e. at the moment each frame leaves.
std::function<void(const QString&)> g_logHook;
void hookHandler(QtMsgType, const QMessageLogContext&, const QString& msg)
{
    if (g_logHook)
        g_logHook(msg);
}

} // namespace

class TestVyPanel : public QObject
{
    Q_OBJECT

private:
    // Those about a first dump, the panel's end or which pages are open get a panel of their own.
    PanelFixture<Oriskan_NEW> m_rig{
        {"firstWholeDumpAppliesEverything", "closingDuringAFlash", "panelEnds", "streamSlotFromTheDump",
         "keyPageStaysThroughFunctionReports", "pipKeepsToItsOwnPage"}};
    SwitcherWire* m_wire = nullptr;
    QPointer<Oriskan_NEW>& m_panel = m_rig.panel;

    template <class T = QPushButton>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    QString face(const char* name) const { return m_rig.face(name); }
    QByteArray nextCommand() { return m_wire->nextCommand(); }
    bool nothingSent() { return m_wire->nothingSent(); }
    // Straight through the controller's relay, the road every dump takes.
    void applyDump(const QByteArray& dump) { emit m_panel->controller()->getDateSignals(dump); }
    // Over the wire; true once the panel has it.
    bool deliverDump(const Bytes& record)
    {
        QSignalSpy applied(m_panel->controller(), &onlyFun::getDateSignals);
        m_wire->reply(EditionFrames::stateDump(record));
        return applied.wait(10000) || !applied.isEmpty();
    }
    // PIP lit with its page open, or unlit with it closed.
    bool pipShows(bool on) const
    {
        const QString pip = QStringLiteral("QPushButton{border-image: url(:/images/Vy/%1/PIP.png)}");
        return face("btn_pip") == pip.arg(QLatin1String(on ? "green" : "default"))
               && m_panel->pipPage()->isVisible() == on;
    }
    // The face a key shows a moment into its flash.
    QString faceDuringClick(const char* name, int ms = 100)
    {
        QString during;
        QTimer::singleShot(ms, this, [&] { during = face(name); });
        w(name)->click();
        return during;
    }

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(hookHandler);
        m_rig.wire = m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init() { QVERIFY(m_rig.init(0x28)); }
    void cleanup()
    {
        g_logHook = nullptr;
        QVERIFY(!updateDevStateEnable);
        m_rig.cleanup();
    }
    void cleanupTestCase()
    {
        delete m_panel.data();
        qInstallMessageHandler(nullptr);
        delete m_wire;
    }

    // ---- keys to frames ----------------------------------------------------

    // "name" clicks, "name:press" and "name:release" press and release.
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
        QTest::newRow("wipe group 3") << "btnGroup3" << panelCommand(0x92, {41});
        QTest::newRow("wipe group 4") << "btnGroup4" << panelCommand(0x92, {39});
        QTest::newRow("STILL") << "btn_still" << panelCommand(0xCF);
        QTest::newRow("PIP") << "btn_pip" << panelCommand(0x86, {1});
        QTest::newRow("F2 DP/HDMI") << "btn_F2" << panelCommand(0xAF, {1});
        QTest::newRow("F3 mute") << "btn_F3" << panelCommand(0xD6);
        QTest::newRow("CH1 vol +") << "btn_ch1_vol_add" << panelCommand(0xB8, {0, 5});
        QTest::newRow("SRC1 first press") << "btn_src1" << panelCommand(0xB9, {3});
        // The menu keys send one frame on press and one on release.
        const std::pair<const char*, int> menu[] = {
            {"btn_menu", 107}, {"btn_up", 65}, {"btn_down", 66}, {"btn_left", 108}, {"btn_right", 109}};
        for (const auto& m : menu) {
            QTest::addRow("%s press", m.first) << QString(m.first) + ":press" << panelCommand(0xD9, {m.second, 1});
            QTest::addRow("%s release", m.first) << QString(m.first) + ":release" << panelCommand(0xD9, {m.second, 0});
        }
    }
    void keySendsFrame()
    {
        QFETCH(QString, key);
        QFETCH(QByteArray, frame);
        const QStringList how = key.split(QLatin1Char(':'));
        QPushButton* b = w(how.at(0).toLatin1().constData());
        if (how.size() == 1)
            b->click();
        else if (how.at(1) == QLatin1String("press"))
            QTest::mousePress(b, Qt::LeftButton);
        else
            QTest::mouseRelease(b, Qt::LeftButton);
        QCOMPARE(nextCommand(), frame);
        QVERIFY(nothingSent());
    }

    void pgmLightsBeforeItsFrameLeaves()
    {
        QString faceWhenSent;
        g_logHook = [&](const QString&) {
            if (faceWhenSent.isNull())
                faceWhenSent = face("btn_pgm_3");
        };
        w("btn_pgm_3")->click();
        g_logHook = nullptr;
        QCOMPARE(faceWhenSent, vyFace("red", "1 big 3.png"));
        QCOMPARE(nextCommand(), panelCommand(0x80, {3}));
    }

    // The shared flash helper: the key is lit for 300 ms and its frame leaves after.
    void cutLeavesAfterItsFlash()
    {
        int framesDuring = -1;
        QTimer::singleShot(100, this, [&] { framesDuring = m_wire->commands().size(); });
        QElapsedTimer t;
        t.start();
        QCOMPARE(faceDuringClick("btn_cut", 150), vyFace("red", "cut.png"));
        QVERIFY(t.elapsed() >= 290);
        QCOMPARE(framesDuring, 0);
        QCOMPARE(face("btn_cut"), vyFace("default", "cut.png"));
        QCOMPARE(nextCommand(), panelCommand(0x83));
    }

    void wipeGroupLightsAndResetsItsIcon()
    {
        ICON_CURRENT_INDEX[1] = 12;
        w("btnGroup2")->click();
        QCOMPARE(face("btnGroup2"), vyFace("green", "AFV-2.png"));
        QCOMPARE(ICON_CURRENT_INDEX[1], 0u);
        QCOMPARE(nextCommand(), panelCommand(0x92, {35}));
    }

    void audioModeEnablesTheSourceKeys()
    {
        w("btn_audio_afv")->click();
        QCOMPARE(nextCommand(), panelCommand(0xB6, {0}));
        QVERIFY(!w("btn_src1")->isEnabled() && !w("btn_src2")->isEnabled());
        w("btn_audio_mix")->click();
        QCOMPARE(nextCommand(), panelCommand(0xB6, {1}));
        QVERIFY(w("btn_src1")->isEnabled());
        // A mode the panel does not know unlights both and keeps the enabling.
        applyDump(EditionFrames::stateDump({{2, 2}}));
        QVERIFY(!face("btn_audio_mix").contains("green") && !face("btn_audio_afv").contains("green"));
        QVERIFY(w("btn_src1")->isEnabled());
    }

    void f8FlashesWithoutOpeningTheAudioPage()
    {
        QCOMPARE(faceDuringClick("btn_F8", 150), vyFace("green", "F8.png"));
        QCOMPARE(face("btn_F8"), vyFace("default", "F8.png"));
        QCOMPARE(nextCommand(), panelCommand(0xDD));
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!(top->isVisible() && top->objectName().contains(QLatin1String("AUDIO"), Qt::CaseInsensitive)),
                     qPrintable(top->objectName()));
    }

    void f7FollowsTheKeyMode()
    {
        // Luma key on, F7 in luma mode: F7 lit, the luma page shown; then the chroma pair.
        applyDump(EditionFrames::stateDump({{50, 1}, {115, 1}}));
        QCOMPARE(face("btn_F7"), vyFace("green", "F7.png"));
        QVERIFY(m_panel->lumaPage()->isVisible() && !m_panel->chromaPage()->isVisible());
        applyDump(EditionFrames::stateDump({{51, 1}, {115, 2}}));
        QVERIFY(m_panel->chromaPage()->isVisible());
        QVERIFY(nothingSent());
        // F7 in chroma mode turns the chroma key off and closes its page.
        w("btn_F7")->click();
        QCOMPARE(nextCommand(), panelCommand(0x8C, {0}));
        QCOMPARE(face("btn_F7"), vyFace("default", "F7.png"));
        QVERIFY(!m_panel->chromaPage()->isVisible());
    }

    // F7 opens the luma page; the function reports that follow (the luma key
    // confirmed, or any other function on or off) leave it to F7.
    void keyPageStaysThroughFunctionReports_data()
    {
        QTest::addColumn<QList<Bytes>>("dumps");
        QTest::addColumn<bool>("pipLit");
        QTest::newRow("luma key reported on") << QList<Bytes>{{{rLuma, 1}}} << false;
        QTest::newRow("PIP on") << QList<Bytes>{{{rPip, 1}}} << true;
        QTest::newRow("POP on") << QList<Bytes>{{{rPop, 1}}} << false;
        QTest::newRow("chroma key on") << QList<Bytes>{{{rLuma, 1}, {rChroma, 1}}} << false;
        QTest::newRow("pattern on") << QList<Bytes>{{{rLuma, 1}, {rPattern, 1}}} << false;
        QTest::newRow("all on, then all off")
            << QList<Bytes>{{{rPip, 1}, {rPop, 1}, {rLuma, 1}, {rChroma, 1}, {rPattern, 1}}, {}} << false;
    }
    void keyPageStaysThroughFunctionReports()
    {
        QFETCH(QList<Bytes>, dumps);
        QFETCH(bool, pipLit);
        QVERIFY(deliverDump({{rF7Mode, 1}}));
        QVERIFY(!m_panel->lumaPage()->isVisible());
        w("btn_F7")->click();
        QCOMPARE(nextCommand(), panelCommand(0x8B, {1}));
        QVERIFY(m_panel->lumaPage()->isVisible());

        for (Bytes record : dumps) {
            record.insert(rF7Mode, 1);
            QVERIFY(deliverDump(record));
            QVERIFY(m_panel->lumaPage()->isVisible() && !m_panel->chromaPage()->isVisible());
            QCOMPARE(face("btn_F7"), vyFace("green", "F7.png"));
        }
        QVERIFY(pipShows(pipLit));
        QVERIFY(nothingSent());
    }

    // PIP lights and opens its page, and goes off and closes it, from a click
    // or a dump; another function reported on takes it off. The chroma page F7
    // opened stays open throughout.
    void pipKeepsToItsOwnPage_data()
    {
        QTest::addColumn<bool>("click");
        QTest::addColumn<QList<Bytes>>("dumps");  // after a click, if any
        QTest::addColumn<bool>("pipLit");
        QTest::newRow("click on") << true << QList<Bytes>{} << true;
        QTest::newRow("click on, dump confirms") << true << QList<Bytes>{{{rPip, 1}}} << true;
        QTest::newRow("dump on") << false << QList<Bytes>{{{rPip, 1}}} << true;
        QTest::newRow("dump on, then off") << false << QList<Bytes>{{{rPip, 1}}, {}} << false;
        QTest::newRow("dump on, then POP on") << false << QList<Bytes>{{{rPip, 1}}, {{rPip, 1}, {rPop, 1}}} << false;
        QTest::newRow("click on, then off") << true << QList<Bytes>{} << false;
    }
    void pipKeepsToItsOwnPage()
    {
        QFETCH(bool, click);
        QFETCH(QList<Bytes>, dumps);
        QFETCH(bool, pipLit);
        QVERIFY(deliverDump({{rF7Mode, 2}}));
        w("btn_F7")->click();
        QCOMPARE(nextCommand(), panelCommand(0x8C, {1}));
        QVERIFY(m_panel->chromaPage()->isVisible() && pipShows(false));

        if (click) {
            w("btn_pip")->click();
            QCOMPARE(nextCommand(), panelCommand(0x86, {1}));
            QVERIFY(pipShows(true));
            if (!pipLit) {
                w("btn_pip")->click();
                QCOMPARE(nextCommand(), panelCommand(0x86, {0}));
            }
        }
        for (Bytes record : dumps) {
            record.insert(rF7Mode, 2);
            QVERIFY(deliverDump(record));
        }
        QVERIFY(pipShows(pipLit));
        QVERIFY(m_panel->chromaPage()->isVisible() && !m_panel->lumaPage()->isVisible());
        QCOMPARE(face("btn_F7"), vyFace("green", "F7.png"));
        QVERIFY(nothingSent());
    }

    // ---- replies -----------------------------------------------------------

    void dumpLightsKeysAndSendsNothing()
    {
        const Bytes record{{0, 3}, {1, 9}, {5, 40}, {10, 80}, {34, 1}, {38, 1}};
        QSignalSpy applied(m_panel->controller(), &onlyFun::getDateSignals);
        m_wire->reply(EditionFrames::stateDump(record, 0x402, 0));
        QVERIFY(applied.wait(10000));
        QCOMPARE(face("btn_pgm_3"), vyFace("red", "1 big 3.png"));
        QCOMPARE(face("btn_pvw_bar"), vyFace("green", "1 bar.png"));
        QCOMPARE(face("btn_rate2"), vyFace("green", "Rate 2.png"));
        QCOMPARE(face("btn_F3"), vyFace("green", "F3.png"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 40);
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 80);
        QVERIFY(m_panel->controller()->recording() && m_panel->controller()->streaming());
        QCOMPARE(face("btn_F4"), vyFace("green", "F4.png"));
        QVERIFY(nothingSent());
        // The same record again touches no widget; the status is still applied.
        w("btn_pgm_3")->setStyleSheet(QStringLiteral("marker"));
        m_rig.quietly("verticalSlider_1", 10);
        applyDump(EditionFrames::stateDump(record, 0x2, 0));
        QCOMPARE(face("btn_pgm_3"), QStringLiteral("marker"));
        QCOMPARE(w<QSlider>("verticalSlider_1")->value(), 10);
        QVERIFY(!m_panel->controller()->streaming());
        QVERIFY(nothingSent());
    }

    // A dump one byte short of the record is dropped and not kept for comparison,
    // so the next whole dump is the first one and applies even its zeros.
    void firstWholeDumpAppliesEverything()
    {
        m_rig.quietly("verticalSlider_master", 50);
        applyDump(EditionFrames::stateDump({{0, 2}}, 0x2, 0, DevState::minDumpSize(DevState::kThroughF7Mode) - 1));
        QCOMPARE(face("btn_pgm_2"), vyFace("default", "1 big 2.png"));
        QCOMPARE(m_panel->lastRecStreamWord(), 0u);
        QVERIFY(!m_panel->hasPreviousDump());
        applyDump(EditionFrames::stateDump({{0, 2}}, 0, 0, DevState::minDumpSize(DevState::kThroughF7Mode)));
        QCOMPARE(face("btn_pgm_2"), vyFace("red", "1 big 2.png"));
        QCOMPARE(w<QSlider>("verticalSlider_master")->value(), 0);
        QCOMPARE(face("btn_rate1"), vyFace("green", "Rate 1.png"));
        QVERIFY(nothingSent());
    }

    void ftbFromTheDumpBlinks()
    {
        applyDump(EditionFrames::stateDump({{23, 1}}));
        QTRY_COMPARE_WITH_TIMEOUT(face("btn_ftb"), vyFace("red", "FTB.png"), 10000);
        // A value the rule ignores leaves it blinking; 0 stops it.
        applyDump(EditionFrames::stateDump({{23, 2}}));
        QVERIFY(m_panel->ftbBlinking());
        applyDump(EditionFrames::stateDump({{23, 0}}));
        QVERIFY(!m_panel->ftbBlinking());
        QCOMPARE(face("btn_ftb"), vyFace("default", "FTB.png"));
        // The FTB key starts it again and stops it.
        w("btn_ftb")->click();
        QCOMPARE(nextCommand(), panelCommand(0x85));
        QVERIFY(m_panel->ftbBlinking());
        w("btn_ftb")->click();
        QVERIFY(!m_panel->ftbBlinking());
    }

    void tbarAndPopReplies()
    {
        m_rig.quietly("verticalSlider_4", 33);
        emit m_panel->controller()->getTXSliderDateSignals(EditionFrames::tbar(0, 64));
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), 64);
        QCOMPARE(face("btn_auto"), vyFace("red", "auto.png"));
        QVERIFY(face("label_lightDown").contains("green/on.png") && !face("label_lightUP").contains("green/on.png"));
        // A direction other than 0 or 1 leaves the lever; the lever moved by a report is not sent back.
        emit m_panel->controller()->getTXSliderDateSignals(EditionFrames::tbar(2, 10));
        QCOMPARE(w<QSlider>("verticalSlider_4")->value(), 64);
        QVERIFY(face("label_lightUP").contains("green/on.png"));
        QVERIFY(nothingSent());

        emit m_panel->controller()->getPOPWinStateSignals(EditionFrames::reply(0x6F, 22, {{18, 0}}));
        QVERIFY(!m_panel->controller()->popControlsEnabled());
        m_wire->reply(EditionFrames::reply(0x6F, 22, {{18, 1}}));
        QTRY_VERIFY_WITH_TIMEOUT(m_panel->controller()->popControlsEnabled(), 10000);
        // A reply ending before its mode byte is dropped without reading past its end.
        const QByteArray pop = EditionFrames::reply(0x6F, 18);
        std::vector<char> exact(pop.cbegin(), pop.cend());
        m_panel->getPOPWinState(QByteArray::fromRawData(exact.data(), int(exact.size())));
        QVERIFY(m_panel->controller()->popControlsEnabled());
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
        QTimer::singleShot(80, this, [this, deleteNow] { deleteNow ? delete m_panel.data() : void(m_panel->close()); });
        button->click();
        QTRY_VERIFY(m_panel.isNull());
        QVERIFY(button.isNull());
        // Deleted at once, its controller went with it: the key's frame never leaves.
        QVERIFY(!deleteNow || nothingSent());
    }

    // A dump that moves the stream slot is applied without running events; the settings
    // window's read-back of that slot leaves from the controller's timer afterwards, and
    // never once a panel deleted at once has taken the controller along.
    void streamSlotFromTheDump_data()
    {
        QTest::addColumn<bool>("deleteAtOnce");
        QTest::newRow("slot read back") << false;
        QTest::newRow("panel deleted at once") << true;
    }
    void streamSlotFromTheDump()
    {
        QFETCH(bool, deleteAtOnce);
        onlyFun* fun = m_panel->controller();
        auto* name = namedChild<QLineEdit>(m_panel->mainMenu(), QStringLiteral("combName"));
        // The settings window wires its slot index a while after it opens; a reply for the
        // slot it shows tells when.
        const QByteArray shown = EditionFrames::streamReply(0, 0, "wired", "rtmp://127.0.0.9/w");
        QTRY_VERIFY_WITH_TIMEOUT((emit fun->getStreamData(shown), name->text() == QLatin1String("wired")),
                                 MainMenu::kStreamWiringDelayMs + 10000);
        QVERIFY(nothingSent());

        if (deleteAtOnce)
            QTimer::singleShot(0, this, [this] { delete m_panel.data(); });
        applyDump(EditionFrames::stateDump({}, 2u << 24, 0));
        if (deleteAtOnce) {
            QTRY_VERIFY(m_panel.isNull());
            // A read-back would have come a tenth of a second after the dump.
            QTest::qWait(4 * onlyFun::kStreamReadBackMs);
            QVERIFY(nothingSent());
            return;
        }
        QCOMPARE(rig::body(nextCommand()), QStringLiteral("e0:6a 02"));
        QVERIFY(nothingSent());
    }

    // The controller's end of run is forwarded and, on the opener's road, closes the panel with
    // its settings window; the title bar's close ends the panel without it. The heartbeat ends too.
    void panelEnds_data()
    {
        QTest::addColumn<bool>("exit");
        QTest::newRow("end of run") << true;
        QTest::newRow("title bar close") << false;
    }
    void panelEnds()
    {
        QFETCH(bool, exit);
        QSignalSpy exits(m_panel.data(), &Oriskan_NEW::ExitSignals);
        connect(m_panel.data(), &Oriskan_NEW::ExitSignals, m_panel.data(), [this] { m_panel->close(); });
        m_panel->show();
        QPointer<MainMenu> menu = m_panel->mainMenu();
        if (exit) {
            w("btnSet")->click();
            QVERIFY(menu->isVisible());
            emit m_panel->controller()->ExitSignals();
        }
        for (QPushButton* b : w<QWidget>("widget_2")->findChildren<QPushButton*>())
            if (!exit && b->styleSheet().contains(QLatin1String("close.png")))
                b->click();
        QTRY_VERIFY(m_panel.isNull());
        QCOMPARE(exits.count(), exit ? 1 : 0);
        QVERIFY(!exit || menu.isNull());
        m_wire->capture().takeAll();
        QTest::qWait(1100);
        QCOMPARE(m_wire->capture().count(), 0);
    }

    void setKeyOpensTheSettingsAndBackRecentres()
    {
        m_panel->show();
        m_panel->move(5, 5);
        w("btnSet")->click();
        QVERIFY(!m_panel->isVisible() && m_panel->mainMenu()->isVisible());
        emit m_panel->mainMenu()->goBack();
        QVERIFY(m_panel->isVisible() && !m_panel->mainMenu()->isVisible());
        QCOMPARE(m_panel->pos(),
                 WindowPlacement::centredOrigin(QGuiApplication::primaryScreen()->availableGeometry(), m_panel->size()));
        // The set key while the settings are the active window closes them.
        w("btnSet")->click();
        MainMenu* menu = m_panel->mainMenu();
        menu->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(menu));
        w("btnSet")->click();
        QVERIFY(!menu->isVisible() && !m_panel->isVisible());
    }
};

QTEST_MAIN(TestVyPanel)
#include "tst_vy_panel.moc"
