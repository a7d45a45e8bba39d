// The Quillet panel's keys, faders and T-bar on the wire: what each sends, in
// which order, what its lamps show, and the panel deleted while a key waits.

#include "edition_frames.h"
#include "panel_rig.h"
#include "quillet_rig.h"
#include "series8_style.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

namespace {

const QString kKeyOn = Series8Style::key(true);
const QString kKeyOff = Series8Style::key(false);
const QString kRowWhite = QLatin1String(Series8Style::kRowWhite);
const QString kRowRed = QLatin1String(Series8Style::kRowRed);
const QString kRowGreen = QLatin1String(Series8Style::kRowGreen);

} // namespace

class tst_quillet_controls : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Quillet> m_rig{{"transitionKeys", "channelOneCycles", "autoRuns", "autoPressedDuringARun",
                                 "autoWithRateOutsideTheTable", "tbarPushAndPull", "deletedWhileWaiting"}};
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
    // Which input each row lights (0 none), by the buttons' looks.
    int lit(const char* row, const QString& look) const
    {
        for (int n = 1; n <= 4; ++n)
            if (face(qPrintable(QStringLiteral("btn_%1_%2").arg(QLatin1String(row)).arg(n))) == look)
                return n;
        return 0;
    }
    void pickRows(int pgm, int pvw)
    {
        w(qPrintable(QStringLiteral("btn_pgm_%1").arg(pgm)))->click();
        w(qPrintable(QStringLiteral("btn_pvw_%1").arg(pvw)))->click();
        QCOMPARE(next(2), (Frames{panelCommand(0x80, {pgm}), panelCommand(0x81, {pvw})}));
    }

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

    void rows();
    void transitionKeys_data();
    void transitionKeys();
    void channelOneCycles();
    void audioMode();
    void mute();
    void cutSwapsUnlessAnOverlayIsOn_data();
    void cutSwapsUnlessAnOverlayIsOn();
    void autoBetweenTheEndsDoesNothing();
    void autoRuns();
    void autoPressedDuringARun();
    void autoWithRateOutsideTheTable();
    void tbarPushAndPull();
    void recAndPause();
    void rtmp();
    void stillAndBar();
    void ftbBlinksUntilOff();
    void overlays();
    void toolWindows();
    void deletedWhileWaiting_data();
    void deletedWhileWaiting();
};

void tst_quillet_controls::rows()
{
    pickRows(2, 3);
    QCOMPARE(lit("pgm", kRowRed), 2);
    QCOMPARE(lit("pvw", kRowGreen), 3);
    QCOMPARE(w<QGroupBox>("g_2")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid rgb(210,46,0);}"));
    QCOMPARE(w<QGroupBox>("g_3")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid rgb(25,232,0);}"));
    // One input on both rows: its box takes the colour of the row pressed last.
    w("btn_pgm_3")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x80, {3}));
    QCOMPARE(w<QGroupBox>("g_3")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid rgb(210,46,0);}"));
    QCOMPARE(w<QGroupBox>("g_2")->styleSheet(), QStringLiteral("QGroupBox{border:2px solid white;}"));
}

void tst_quillet_controls::transitionKeys_data()
{
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("wipeText");
    QTest::addColumn<QString>("litKey");

    QTest::newRow("first WIPE steps from L to U") << QStringList{"btn_wipe"} << QList<int>{3} << "WIPE-U" << "btn_wipe";
    QTest::newRow("WIPE five times: U R D L U") << QStringList{"btn_wipe", "btn_wipe", "btn_wipe", "btn_wipe", "btn_wipe"} << QList<int>{3, 6, 4, 5, 3}
                                                << "WIPE-U" << "btn_wipe";
    QTest::newRow("MIX, then WIPE repeats the direction, then steps")
        << QStringList{"btn_wipe", "btn_mix", "btn_wipe", "btn_wipe"} << QList<int>{3, 1, 3, 6} << "WIPE-R" << "btn_wipe";
    QTest::newRow("FADE shows WIPE plain") << QStringList{"btn_wipe", "btn_fade"} << QList<int>{3, 2} << "WIPE"
                                           << "btn_fade";
    QTest::newRow("MIX first, then WIPE: still L") << QStringList{"btn_mix", "btn_wipe"} << QList<int>{1, 5}
                                                   << "WIPE-L" << "btn_wipe";
}

void tst_quillet_controls::transitionKeys()
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

void tst_quillet_controls::channelOneCycles()
{
    const QStringList names = {"IN2", "IN3", "IN4", "MIC_IN1", "MIC_IN2", "PHONE_IN", "IN1"};
    const int sent[] = {2, 3, 4, 5, 6, 0, 1};
    w("btn_afv")->window()->show();
    for (int i = 0; i < 7; ++i) {
        const ClickSeen seen = clickWatching(w("btn_ch1"));
        QCOMPARE(w<QLabel>("label_ch1")->text(), names[i]);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xB9, {sent[i]}));
        // Sent lit, after the wait; unlit after.
        QCOMPARE(seen.lookAtSend, kKeyOn);
        QVERIFY(seen.msAtSend >= 200);
        QCOMPARE(face("btn_ch1"), kKeyOff);
    }
    w("btn_ch2")->click();
    QCOMPARE(w<QLabel>("label_ch2")->text(), QStringLiteral("IN2"));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xBA, {2}));
    w("btn_afv")->window()->hide();
}

void tst_quillet_controls::audioMode()
{
    w("btn_afv")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB6, {0}));
    QCOMPARE(w("btn_afv")->text(), QStringLiteral("AFV"));
    QCOMPARE(face("btn_afv"), kKeyOn);
    QVERIFY(!w("btn_ch1")->isEnabled() && !w("btn_ch2")->isEnabled() && !w<QSlider>("slider_2")->isEnabled());
    QVERIFY(w<QSlider>("slider_1")->isEnabled());
    QCOMPARE(face("btn_ch1"), QLatin1String(Series8Style::kKeyDisabled));

    w("btn_afv")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB6, {1}));
    QCOMPARE(w("btn_afv")->text(), QStringLiteral("MIX"));
    QCOMPARE(face("btn_afv"), kKeyOff);
    QVERIFY(w("btn_ch1")->isEnabled() && w("btn_ch2")->isEnabled() && w<QSlider>("slider_2")->isEnabled());
    QCOMPARE(face("btn_ch2"), kKeyOff);

    // The faders only show levels.
    w<QSlider>("slider_1")->setValue(40);
    w<QSlider>("slider_2")->setValue(70);
}

void tst_quillet_controls::mute()
{
    w("btn_mute")->click();
    QCOMPARE(face("btn_mute"), kKeyOn);
    w("btn_mute")->click();
    QCOMPARE(face("btn_mute"), kKeyOff);
    QCOMPARE(next(2), (Frames{panelCommand(0xD6), panelCommand(0xD6)}));
}

void tst_quillet_controls::cutSwapsUnlessAnOverlayIsOn_data()
{
    QTest::addColumn<QByteArray>("overlay");
    QTest::addColumn<bool>("swaps");
    QTest::newRow("no overlay") << QByteArray() << true;
    QTest::newRow("PIP on") << QByteArray("btn_pip") << false;
    QTest::newRow("POP on") << QByteArray("btn_pop") << false;
}

void tst_quillet_controls::cutSwapsUnlessAnOverlayIsOn()
{
    QFETCH(QByteArray, overlay);
    QFETCH(bool, swaps);
    pickRows(1, 2);
    if (!overlay.isEmpty()) {
        w(overlay.constData())->click();
        m_wire->nextCommand();
    }
    w("btn_cut")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
    QCOMPARE(face("btn_cut"), kKeyOn);
    QCOMPARE(lit("pgm", kRowRed), swaps ? 2 : 1);
    QCOMPARE(lit("pvw", kRowGreen), swaps ? 1 : 2);
    QTRY_COMPARE_WITH_TIMEOUT(face("btn_cut"), kKeyOff, 5000);
    if (!overlay.isEmpty()) {
        w(overlay.constData())->click();
        m_wire->nextCommand();
    }
}

void tst_quillet_controls::autoBetweenTheEndsDoesNothing()
{
    auto* bar = w<QSlider>("slider_3");
    bar->setValue(60);
    QCOMPARE(m_wire->nextCommand(), tbarFrame(1, 60));
    QCOMPARE(face("btn_auto"), kKeyOn);  // the bar stands between its ends
    w("btn_auto")->click();
    QVERIFY(m_wire->nothingSent());
    QCOMPARE(bar->value(), 60);
    QCOMPARE(face("btn_auto"), kKeyOn);
    bar->setValue(0);
    QCOMPARE(m_wire->nextCommand(), tbarFrame(1, 0));
    QCOMPARE(face("btn_auto"), kKeyOff);
}

void tst_quillet_controls::autoRuns()
{
    auto* bar = w<QSlider>("slider_3");
    pickRows(1, 2);
    // Rate 0: a 40-step run up; the bar ends at the top of its own range.
    QSignalSpy range(bar, &QSlider::rangeChanged);
    QSignalSpy values(bar, &QSlider::valueChanged);
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QVERIFY(m_wire->nothingSent());  // the run sends no T-bar frame
    QCOMPARE(range.first(), (QVariantList{0, 40}));
    QCOMPARE(range.last(), (QVariantList{0, 127}));
    QCOMPARE(values.count(), 41);  // 1..40, then 127
    QCOMPARE(bar->value(), 127);
    QCOMPARE(lit("pgm", kRowRed), 2);
    QCOMPARE(lit("pvw", kRowGreen), 1);
    QCOMPARE(face("btn_auto"), kKeyOff);

    // The second runs it back down and swaps again.
    values.clear();
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(values.first().first().toInt(), 40);  // clamped into the run's range
    QCOMPARE(bar->value(), 0);
    QCOMPARE(lit("pgm", kRowRed), 1);
    QCOMPARE(lit("pvw", kRowGreen), 2);
    QCOMPARE(face("btn_auto"), kKeyOff);

    // AUTO with PIP on swaps all the same.
    w("btn_pip")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x86, {1}));
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(lit("pgm", kRowRed), 2);
}

void tst_quillet_controls::autoPressedDuringARun()
{
    pickRows(1, 2);
    auto* bar = w<QSlider>("slider_3");
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
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(bar->value(), 127);
    QCOMPARE(lit("pgm", kRowRed), 2);  // swapped once
    disconnect(bar, nullptr, autoKey, nullptr);
}

void tst_quillet_controls::autoWithRateOutsideTheTable()
{
    // The switcher reports rate 3: rate 0's length.
    QSignalSpy own(panelLink(m_rig.panel), &Druvela_workdata::on_signals_allData);
    m_wire->reply(EditionFrames::stateDump({{34, 3}}));
    QVERIFY(own.wait(5000));
    QSignalSpy range(w<QSlider>("slider_3"), &QSlider::rangeChanged);
    w("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(range.first(), (QVariantList{0, 40}));
}

void tst_quillet_controls::tbarPushAndPull()
{
    pickRows(1, 2);
    auto* bar = w<QSlider>("slider_3");
    Frames expected;
    for (int v = 1; v <= 126; ++v) {
        bar->setValue(v);
        expected << tbarFrame(1, v);
        QCOMPARE(face("btn_auto"), kKeyOn);
    }
    bar->setValue(127);
    expected << tbarFrame(1, 128);
    QCOMPARE(face("btn_auto"), kKeyOff);
    QCOMPARE(lit("pgm", kRowRed), 2);
    QCOMPARE(next(expected.size()), expected);

    expected.clear();
    for (int v = 126; v >= 1; --v) {
        bar->setValue(v);
        expected << tbarFrame(0, 127 - v);
    }
    QCOMPARE(lit("pgm", kRowRed), 2);
    bar->setValue(0);
    expected << tbarFrame(0, 128) << tbarFrame(1, 0);
    QCOMPARE(lit("pgm", kRowRed), 1);
    QCOMPARE(lit("pvw", kRowGreen), 2);
    QCOMPARE(next(expected.size()), expected);
}

void tst_quillet_controls::recAndPause()
{
    w("btn_rec")->click();
    w("btn_pause")->click();
    QCOMPARE(face("btn_rec"), kKeyOn);
    QCOMPARE(face("btn_pause"), kKeyOn);
    w("btn_rec")->click();
    QCOMPARE(face("btn_rec"), kKeyOff);
    QCOMPARE(face("btn_pause"), kKeyOff);
    // PAUSE does not depend on REC.
    w("btn_pause")->click();
    QCOMPARE(face("btn_pause"), kKeyOn);
    w("btn_pause")->click();
    QCOMPARE(next(5), (Frames{panelCommand(0xB2, {1}), panelCommand(0xC7), panelCommand(0xB2, {0}), panelCommand(0xC7),
                              panelCommand(0xC7)}));
}

void tst_quillet_controls::rtmp()
{
    w("btn_rtmp")->click();
    QCOMPARE(face("btn_rtmp"), kKeyOn);
    w("btn_rtmp")->click();
    QCOMPARE(face("btn_rtmp"), kKeyOff);
    QCOMPARE(next(2), (Frames{panelCommand(0x87, {1}), panelCommand(0x87, {0})}));
}

void tst_quillet_controls::stillAndBar()
{
    w("btn_still")->click();
    w("btn_bar")->click();
    QCOMPARE(face("btn_still"), kRowRed);
    QCOMPARE(face("btn_bar"), kRowRed);
    w("btn_still")->click();
    w("btn_bar")->click();
    QCOMPARE(face("btn_still"), kRowWhite);
    QCOMPARE(face("btn_bar"), kRowWhite);
    // BAR sends nothing.
    QCOMPARE(next(2), (Frames{panelCommand(0xCF), panelCommand(0xCF)}));
}

void tst_quillet_controls::ftbBlinksUntilOff()
{
    auto* ftb = w("btn_ftb");
    w("btn_afv")->window()->show();
    {
        ResizeLog log(ftb);
        ftb->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x85));
        QCOMPARE(face("btn_ftb"), kRowRed);
        // A tick: a pixel larger and lit for 200 ms, then back to white at 55 x 32.
        QTRY_COMPARE_WITH_TIMEOUT(log.seen.size(), 2, 5000);
        QCOMPARE(log.seen[0], qMakePair(QSize(56, 33), kRowRed));
        QCOMPARE(log.seen[1], qMakePair(QSize(55, 32), kRowWhite));
    }

    ftb->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x85));
    QCOMPARE(face("btn_ftb"), kRowWhite);
    int looks = 0;
    struct Count : QObject {
        int* n;
        explicit Count(int* c) : n(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::StyleChange)
                ++*n;
            return false;
        }
    } count(&looks);
    ftb->installEventFilter(&count);
    QTest::qWait(1500);
    ftb->removeEventFilter(&count);
    QCOMPARE(looks, 0);
    QCOMPARE(face("btn_ftb"), kRowWhite);
    w("btn_afv")->window()->hide();
}

void tst_quillet_controls::overlays()
{
    auto* pip = w<QToolButton>("tbtn_pip");
    auto* pop = w<QToolButton>("tbtn_pop");
    QSignalSpy unlock(m_rig.panel.data(), &Quillet::setPIP_size_unlock_falg);

    w("btn_pip")->click();
    QVERIFY(!pip->isHidden());
    QCOMPARE(face("btn_pip"), kKeyOn);
    w("btn_pop")->click();  // PIP goes off locally, no PIP frame
    QVERIFY(pip->isHidden() && !pop->isHidden());
    QCOMPARE(face("btn_pip"), kKeyOff);
    QCOMPARE(face("btn_pop"), kKeyOn);
    w("btn_pip")->click();  // and the reverse
    QVERIFY(!pip->isHidden() && pop->isHidden());
    w("btn_pip")->click();
    QVERIFY(pip->isHidden());
    QCOMPARE(next(4), (Frames{panelCommand(0x86, {1}), panelCommand(0xA7, {1}), panelCommand(0x86, {1}),
                              panelCommand(0x86, {0})}));
    QList<bool> flags;
    for (const QVariantList& args : unlock)
        flags << args.first().toBool();
    QCOMPARE(flags, (QList<bool>{true, false, true, false}));

    // KEY is disabled: nothing happens.
    QTest::mouseClick(w("btn_key"), Qt::LeftButton);
    QCOMPARE(face("btn_key"), kKeyOff);
}

void tst_quillet_controls::toolWindows()
{
    QWidget* f1 = toolWindow("f1Widget");
    QWidget* set = toolWindow("setWidget");
    w("btn_f1")->click();
    QVERIFY(f1->isVisible() && !set->isVisible());
    QCOMPARE(face("btn_f1"), kKeyOn);

    w("btn_set")->click();
    QVERIFY(!f1->isVisible() && set->isVisible());
    QCOMPARE(face("btn_f1"), kKeyOff);
    QCOMPARE(face("btn_set"), kKeyOn);

    w("btn_set")->click();
    QVERIFY(!f1->isVisible() && !set->isVisible());
    QCOMPARE(face("btn_set"), kKeyOff);

    w("btn_f1")->click();
    w("btn_f1")->click();
    QVERIFY(!f1->isVisible());
    QCOMPARE(face("btn_f1"), kKeyOff);
}

void tst_quillet_controls::deletedWhileWaiting_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<Frames>("before");
    QTest::newRow("CH1 flash") << QByteArray("btn_ch1") << Frames{};
    QTest::newRow("AUTO run") << QByteArray("slider_3") << Frames{panelCommand(0x84)};
    QTest::newRow("FTB blink") << QByteArray("btn_ftb") << Frames{panelCommand(0x85)};
}

void tst_quillet_controls::deletedWhileWaiting()
{
    QFETCH(QByteArray, key);
    QFETCH(Frames, before);
    QPointer<Quillet> panel = m_rig.panel;
    panel->show();
    QWidget* watched = w<QWidget>(key.constData());
    DeleteOnLight deleter(panel);
    if (key == "slider_3") {
        // The first step of the run deletes the panel.
        connect(w<QSlider>("slider_3"), &QSlider::valueChanged, panel, [panel](int v) {
            if (v == 1)
                QMetaObject::invokeMethod(qApp, [panel] { delete panel.data(); }, Qt::QueuedConnection);
        });
        w("btn_auto")->click();
    } else if (key == "btn_ftb") {
        w("btn_ftb")->click();
        watched->installEventFilter(&deleter);  // the first tick lights it
        QTRY_VERIFY_WITH_TIMEOUT(panel.isNull(), 5000);
    } else {
        watched->installEventFilter(&deleter);
        w(key.constData())->click();
    }
    QVERIFY(panel.isNull());
    QCOMPARE(next(before.size()), before);
}

QTEST_MAIN(tst_quillet_controls)
#include "tst_quillet_controls.moc"
