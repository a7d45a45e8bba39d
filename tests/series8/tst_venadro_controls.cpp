// The Venadro panel's keys, faders and T-bar on the wire: what each sends, in
// which order, what its lamps show, the SET key's late opening, and the panel
// deleted while a key waits.

#include "edition_frames.h"
#include "panel_rig.h"
#include "series8_rig.h"
#include "series8_style.h"
#include "widget_events.h"
#include "zv_resources.h"

#include "venadro.h"
#include "venadro_set.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {

const QString kKeyOn = Series8Style::key(true);
const QString kKeyOff = Series8Style::key(false);
const QString kKeyGrey = QLatin1String(Series8Style::kKeyDisabled);

} // namespace

class tst_venadro_controls : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Venadro> m_rig{{"transitionKeys", "channelKeysCycle", "autoRuns", "autoPressedDuringARun",
                                 "tbarPushAndPull", "setKey", "setKeyTwiceWithinItsWait", "resoAndRate",
                                 "deletedWhileWaiting"}};
    SwitcherWire* m_wire = nullptr;

    template <class T = QPushButton>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    QString face(const char* name) const { return m_rig.face(name); }
    Frames next(int n)
    {
        Frames out;
        for (int i = 0; i < n; ++i)
            out << m_wire->nextCommand();
        return out;
    }
    // The input marked as on program (0: neither box, 3: both).
    int program() const
    {
        const QString red = QStringLiteral("QGroupBox{border:1px solid red;}");
        return (face("g_left1") == red ? 1 : 0) + (face("g_left2") == red ? 2 : 0);
    }
    void pickInput(int input)
    {
        w<QToolButton>(input == 1 ? "tbtn_in1" : "tbtn_in2")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x80, {input}));
    }
    QWidget* setWindow() const { return toolWindow("setWidget"); }
    Set* set() const { return toolContent<Set>("setWidget"); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_rig.wire = m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init() { QVERIFY(m_rig.init(0)); }
    void cleanup()
    {
        QVERIFY(m_wire->nothingSent());
        m_rig.cleanup();
    }
    void cleanupTestCase()
    {
        delete m_rig.panel.data();
        delete m_wire;
    }

    void inputs();
    void channelKeysCycle();
    void audioMode();
    void muteAndFaders();
    void transitionKeys_data();
    void transitionKeys();
    void tbarPushAndPull();
    void autoBetweenTheEndsDoesNothing();
    void autoRuns_data();
    void autoRuns();
    void autoPressedDuringARun();
    void overlays();
    void stillBlinksUntilOff();
    void recAndRtmp();
    void resoAndRate();
    void micvolIsDisabled();
    void setKey();
    void setKeyTwiceWithinItsWait();
    void deletedWhileWaiting_data();
    void deletedWhileWaiting();
};

void tst_venadro_controls::inputs()
{
    // The red border moves from IN1's box to IN2's.
    pickInput(1);
    QCOMPARE(program(), 1);
    pickInput(2);
    QCOMPARE(program(), 2);
}

void tst_venadro_controls::channelKeysCycle()
{
    // Four presses walk the label round; the switcher is not told.
    const QStringList names = {"IN2", "MIC_IN1", "MIC_IN2", "IN1"};
    w("btn_afv")->window()->show();
    for (const QString& name : names) {
        QElapsedTimer since;
        since.start();
        const ClickSeen seen = clickWatching(w("btn_ch1"));
        QVERIFY(since.elapsed() >= 200);
        QCOMPARE(seen.lookChanges, 2);  // lit, then unlit
        QVERIFY(!seen.sent);
        QCOMPARE(w<QLabel>("label_ch1")->text(), name);
        QCOMPARE(face("btn_ch1"), kKeyOff);
    }
    w("btn_ch2")->click();
    QCOMPARE(w<QLabel>("label_ch2")->text(), QStringLiteral("IN2"));
    QCOMPARE(w<QLabel>("label_ch1")->text(), QStringLiteral("IN1"));
    w("btn_afv")->window()->hide();
}

void tst_venadro_controls::audioMode()
{
    w("btn_afv")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB6, {0}));
    QCOMPARE(face("btn_afv"), kKeyOn);
    QVERIFY(!w("btn_ch1")->isEnabled() && !w("btn_ch2")->isEnabled() && !w<QSlider>("slider_ch2")->isEnabled());
    QVERIFY(w<QSlider>("slider_ch1")->isEnabled());
    QCOMPARE(face("btn_ch1"), kKeyGrey);
    QCOMPARE(face("btn_ch2"), kKeyGrey);
    QCOMPARE(w("btn_afv")->text(), QStringLiteral("AFV"));

    w("btn_afv")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB6, {1}));
    QCOMPARE(face("btn_afv"), kKeyOff);
    QVERIFY(w("btn_ch1")->isEnabled() && w("btn_ch2")->isEnabled() && w<QSlider>("slider_ch2")->isEnabled());
    QCOMPARE(face("btn_ch1"), kKeyOff);
    QCOMPARE(face("btn_ch2"), kKeyOff);
}

void tst_venadro_controls::muteAndFaders()
{
    w("btn_mute")->click();
    QCOMPARE(face("btn_mute"), kKeyOn);
    w("btn_mute")->click();
    QCOMPARE(face("btn_mute"), kKeyOff);
    QCOMPARE(next(2), (Frames{panelCommand(0xD6), panelCommand(0xD6)}));
    // The faders only show levels (the cleanup checks that nothing went out).
    w<QSlider>("slider_ch1")->setValue(40);
    w<QSlider>("slider_ch2")->setValue(70);
}

void tst_venadro_controls::transitionKeys_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("wipeText");
    QTest::addColumn<QString>("litKey");

    QTest::newRow("first WIPE steps from L to U") << QStringList{"btn_wipe"} << QList<int>{3} << "WIPE-U" << "btn_wipe";
    QTest::newRow("WIPE five times: U R D L U")
        << QStringList{"btn_wipe", "btn_wipe", "btn_wipe", "btn_wipe", "btn_wipe"} << QList<int>{3, 6, 4, 5, 3}
        << "WIPE-U" << "btn_wipe";
    QTest::newRow("MIX, then WIPE repeats the direction, then steps")
        << QStringList{"btn_wipe", "btn_mix", "btn_wipe", "btn_wipe"} << QList<int>{3, 1, 3, 6} << "WIPE-R"
        << "btn_wipe";
    QTest::newRow("FADE shows WIPE plain")
        << QStringList{"btn_wipe", "btn_fade"} << QList<int>{3, 2} << "WIPE" << "btn_fade";
    QTest::newRow("MIX first, then WIPE: still L")
        << QStringList{"btn_mix", "btn_wipe"} << QList<int>{1, 5} << "WIPE-L" << "btn_wipe";
}

void tst_venadro_controls::transitionKeys()
{
    QFETCH(QStringList, keys);
    QFETCH(QList<int>, codes);
    QFETCH(QString, wipeText);
    QFETCH(QString, litKey);
    for (int i = 0; i < keys.size(); ++i) {
        w(qPrintable(keys[i]))->click();
        const Frames expected = transitionFrames(codes[i]);
        QCOMPARE(next(expected.size()), expected);
    }
    QCOMPARE(w("btn_wipe")->text(), wipeText);
    for (const char* key : {"btn_mix", "btn_fade", "btn_wipe"})
        QCOMPARE(face(key), QLatin1String(key) == litKey ? kKeyOn : kKeyOff);
}

void tst_venadro_controls::tbarPushAndPull()
{
    pickInput(1);
    auto* bar = w<QSlider>("slider_auto");
    Frames expected;
    for (int v = 1; v <= 126; ++v) {
        bar->setValue(v);
        expected << tbarFrame(1, v);
        QCOMPARE(face("btn_auto"), kKeyOn);
    }
    QCOMPARE(program(), 1);
    bar->setValue(127);
    expected << tbarFrame(1, 128);
    QCOMPARE(face("btn_auto"), kKeyOff);
    QCOMPARE(program(), 2);
    QCOMPARE(next(expected.size()), expected);

    expected.clear();
    for (int v = 126; v >= 1; --v) {
        bar->setValue(v);
        expected << tbarFrame(0, 127 - v);
    }
    QCOMPARE(program(), 2);
    bar->setValue(0);
    expected << tbarFrame(0, 128) << tbarFrame(1, 0);
    QCOMPARE(program(), 1);
    QCOMPARE(next(expected.size()), expected);
}

void tst_venadro_controls::autoBetweenTheEndsDoesNothing()
{
    auto* bar = w<QSlider>("slider_auto");
    bar->setValue(64);
    QCOMPARE(m_wire->nextCommand(), tbarFrame(1, 64));
    w("btn_auto")->click();
    QVERIFY(m_wire->nothingSent());
    QCOMPARE(bar->value(), 64);
    bar->setValue(0);
    QCOMPARE(m_wire->nextCommand(), tbarFrame(1, 0));
}

void tst_venadro_controls::autoRuns_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("steps");
    QTest::newRow("rate 0: 40 steps") << 0 << 40;
    QTest::newRow("rate 1: 72 steps") << 1 << 72;
    QTest::newRow("rate 2: 139 steps") << 2 << 139;
    // A rate outside the table runs as rate 0.
    QTest::newRow("rate 3: 40 steps") << 3 << 40;
    QTest::newRow("rate -1: 40 steps") << -1 << 40;
}

void tst_venadro_controls::autoRuns()
{
    QFETCH(int, rate);
    QFETCH(int, steps);
    pickInput(1);
    m_rig.panel->setRATE_State(rate);
    auto* bar = w<QSlider>("slider_auto");
    QSignalSpy range(bar, &QSlider::rangeChanged);
    QSignalSpy values(bar, &QSlider::valueChanged);
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QVERIFY(m_wire->nothingSent());  // the run sends no T-bar frame
    QCOMPARE(range.first(), (QVariantList{0, steps}));
    QCOMPARE(range.last(), (QVariantList{0, 127}));
    QCOMPARE(values.count(), steps + 1);  // 1..steps, then 127
    QCOMPARE(bar->value(), 127);
    QCOMPARE(program(), 2);
    QCOMPARE(face("btn_auto"), kKeyOff);

    // A second runs it back down and swaps again.
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 127);
    QCOMPARE(program(), 1);
}

void tst_venadro_controls::autoPressedDuringARun()
{
    pickInput(1);
    auto* bar = w<QSlider>("slider_auto");
    auto* autoKey = w("btn_auto");
    int nestedAt = 0;
    connect(bar, &QSlider::valueChanged, autoKey, [&](int v) {
        if (v == 5 && !nestedAt) {
            nestedAt = v;
            autoKey->click();
        }
    });
    autoKey->click();
    QCOMPARE(nestedAt, 5);
    // One AUTO frame, one run, one swap.
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(bar->value(), 127);
    QCOMPARE(program(), 2);
    disconnect(bar, nullptr, autoKey, nullptr);
}

void tst_venadro_controls::overlays()
{
    auto* pip = w<QToolButton>("tbtn_pip");
    auto* pop = w<QToolButton>("tbtn_pop");
    auto* pop2 = w<QToolButton>("tbtn_pop_2");
    QSignalSpy unlock(m_rig.panel.data(), &Venadro::setPIP_size_unlock_falg);

    w("btn_pip")->click();
    QVERIFY(!pip->isHidden());
    QCOMPARE(face("btn_pip"), kKeyOn);
    w("btn_pop")->click();  // PIP goes off on the panel only
    QVERIFY(pip->isHidden() && !pop->isHidden() && !pop2->isHidden());
    QCOMPARE(face("btn_pip"), kKeyOff);
    QCOMPARE(face("btn_pop"), kKeyOn);
    w("btn_pip")->click();  // and the reverse
    QVERIFY(!pip->isHidden() && pop->isHidden() && pop2->isHidden());
    QCOMPARE(face("btn_pop"), kKeyOff);
    w("btn_pip")->click();
    QVERIFY(pip->isHidden());
    w("btn_pop")->click();
    w("btn_pop")->click();
    QVERIFY(pop->isHidden() && pop2->isHidden());
    QCOMPARE(next(6), (Frames{panelCommand(0x86, {1}), panelCommand(0xA7, {1}), panelCommand(0x86, {1}),
                              panelCommand(0x86, {0}), panelCommand(0xA7, {1}), panelCommand(0xA7, {0})}));
    QList<bool> flags;
    for (const QVariantList& args : unlock)
        flags << args.first().toBool();
    QCOMPARE(flags, (QList<bool>{true, false, true, false, false}));
}

void tst_venadro_controls::stillBlinksUntilOff()
{
    auto* still = w("btn_still");
    still->window()->show();
    {
        ResizeLog log(still);
        still->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xCF));
        QCOMPARE(face("btn_still"), kKeyOn);
        // A tick: a pixel larger and lit for 200 ms, then unlit at 55 x 32.
        QTRY_COMPARE_WITH_TIMEOUT(log.seen.size(), 2, 5000);
        QCOMPARE(log.seen[0], qMakePair(QSize(56, 33), kKeyOn));
        QCOMPARE(log.seen[1], qMakePair(QSize(55, 32), kKeyOff));
    }
    still->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xCF));
    QCOMPARE(face("btn_still"), kKeyOff);
    // Stopped at once: no tick comes.
    ResizeLog after(still);
    QTest::qWait(1500);
    QVERIFY(after.seen.isEmpty());
    still->window()->hide();
}

void tst_venadro_controls::recAndRtmp()
{
    // REC lights, then sends; RTMP sends, then lights.
    const ClickSeen recOn = clickWatching(w("btn_rec"));
    QCOMPARE(recOn.lookAtSend, kKeyOn);
    const ClickSeen recOff = clickWatching(w("btn_rec"));
    QCOMPARE(recOff.lookAtSend, kKeyOff);
    const ClickSeen rtmpOn = clickWatching(w("btn_rtmp"));
    QCOMPARE(rtmpOn.lookAtSend, kKeyOff);
    QCOMPARE(face("btn_rtmp"), kKeyOn);
    const ClickSeen rtmpOff = clickWatching(w("btn_rtmp"));
    QCOMPARE(rtmpOff.lookAtSend, kKeyOn);
    QCOMPARE(face("btn_rtmp"), kKeyOff);
    QCOMPARE(next(4), (Frames{panelCommand(0xB2, {1}), panelCommand(0xB2, {0}), panelCommand(0x87, {1}),
                              panelCommand(0x87, {0})}));
}

void tst_venadro_controls::resoAndRate()
{
    // Seven RESO presses come back to 1080P60, sending the positions, not the codes.
    const QStringList names = {"1080P50", "1080I60", "1080I50", "1080P30", "1080P25", "1080P24", "1080P60"};
    w("btn_afv")->window()->show();
    for (int i = 0; i < 7; ++i) {
        const ClickSeen seen = clickWatching(w("btn_reso"));
        QCOMPARE(seen.lookAtSend, kKeyOn);
        QVERIFY(seen.msAtSend >= 200);
        QCOMPARE(face("btn_reso"), kKeyOff);
        QCOMPARE(w<QLabel>("label_reso")->text(), names[i]);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {(i + 1) % 7}));
    }
    const QStringList rates = {"RARE2", "RARE3", "RARE1"};
    for (int i = 0; i < 3; ++i) {
        const ClickSeen seen = clickWatching(w("btn_rate"));
        QCOMPARE(seen.lookAtSend, kKeyOn);
        QVERIFY(seen.msAtSend >= 200);
        QCOMPARE(w("btn_rate")->text(), rates[i]);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xB1, {(i + 1) % 3}));
    }
    w("btn_afv")->window()->hide();
}

void tst_venadro_controls::micvolIsDisabled()
{
    QSignalSpy clicked(w("btn_micvol"), &QPushButton::clicked);
    QTest::mouseClick(w("btn_micvol"), Qt::LeftButton);
    w("btn_micvol")->click();
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(face("btn_micvol"), kKeyOff);
}

void tst_venadro_controls::setKey()
{
    // Opening: the clock starts at once, the window a second later.
    QSignalSpy flag(m_rig.panel.data(), &Venadro::setenablefalg);
    bool wrongAtHalfTime = false;
    QTimer::singleShot(500, [&] { wrongAtHalfTime = setWindow()->isVisible() || set()->clockRunning() == false; });
    QElapsedTimer since;
    since.start();
    w("btn_set")->click();
    QVERIFY(since.elapsed() >= 1000);
    QVERIFY(!wrongAtHalfTime);
    QVERIFY(setWindow()->isVisible());
    QCOMPARE(face("btn_set"), kKeyOn);
    QVERIFY(set()->clockRunning());

    // Closing: at once.
    since.restart();
    w("btn_set")->click();
    QVERIFY(since.elapsed() < 1000);
    QVERIFY(!setWindow()->isVisible());
    QCOMPARE(face("btn_set"), kKeyOff);
    QVERIFY(!set()->clockRunning());
    QCOMPARE(flag.count(), 2);
    QCOMPARE(flag[0].first().toBool(), true);
    QCOMPARE(flag[1].first().toBool(), false);
}

void tst_venadro_controls::setKeyTwiceWithinItsWait()
{
    // The second press closes it during the first one's wait: it stays closed.
    QTimer::singleShot(300, w("btn_set"), [this] { w("btn_set")->click(); });
    w("btn_set")->click();
    QVERIFY(!setWindow()->isVisible());
    QCOMPARE(face("btn_set"), kKeyOff);
    QVERIFY(!set()->clockRunning());
    // And the next press opens it as usual.
    w("btn_set")->click();
    QVERIFY(setWindow()->isVisible());
    QCOMPARE(face("btn_set"), kKeyOn);
    w("btn_set")->click();
}

void tst_venadro_controls::deletedWhileWaiting_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<Frames>("before");
    QTest::newRow("CH1 flash") << QByteArray("btn_ch1") << Frames{};
    QTest::newRow("RESO flash") << QByteArray("btn_reso") << Frames{};
    QTest::newRow("SET wait") << QByteArray("btn_set") << Frames{};
    QTest::newRow("AUTO run") << QByteArray("slider_auto") << Frames{panelCommand(0x84)};
    QTest::newRow("STILL blink") << QByteArray("btn_still") << Frames{panelCommand(0xCF)};
}

void tst_venadro_controls::deletedWhileWaiting()
{
    QFETCH(QByteArray, key);
    QFETCH(Frames, before);
    QPointer<Venadro> panel = m_rig.panel;
    panel->show();
    QWidget* watched = w<QWidget>(key.constData());
    DeleteOnLight deleter(panel);
    if (key == "slider_auto") {
        // The first step of the run deletes the panel.
        connect(w<QSlider>("slider_auto"), &QSlider::valueChanged, panel, [panel](int v) {
            if (v == 1)
                QMetaObject::invokeMethod(qApp, [panel] { delete panel.data(); }, Qt::QueuedConnection);
        });
        w("btn_auto")->click();
    } else if (key == "btn_still") {
        w("btn_still")->click();
        watched->installEventFilter(&deleter);  // the first tick lights it
        QTRY_VERIFY_WITH_TIMEOUT(panel.isNull(), 5000);
    } else if (key == "btn_set") {
        QTimer::singleShot(300, qApp, [panel] { delete panel.data(); });
        w("btn_set")->click();
    } else {
        watched->installEventFilter(&deleter);
        w(key.constData())->click();
    }
    QVERIFY(panel.isNull());
    QVERIFY(!toolWindow("setWidget"));
    QCOMPARE(next(before.size()), before);
}

QTEST_MAIN(tst_venadro_controls)
#include "tst_venadro_controls.moc"
