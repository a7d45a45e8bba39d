// The Quillet panel showing the switcher's state: full-state replies sent over
// the wire to the panel's own layer, applied whole, echoing nothing; the keys
// carry on from what was reported.

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

using Bytes = QMap<int, quint8>;

namespace {
const QString kKeyOn = Series8Style::key(true);
const QString kKeyOff = Series8Style::key(false);
const QString kRowRed = QLatin1String(Series8Style::kRowRed);
const QString kRowGreen = QLatin1String(Series8Style::kRowGreen);
const QString kRowWhite = QLatin1String(Series8Style::kRowWhite);
const QString kBoxRed = QStringLiteral("QGroupBox{border:2px solid rgb(210,46,0);}");
const QString kBoxGreen = QStringLiteral("QGroupBox{border:2px solid rgb(25,232,0);}");
const QString kBoxWhite = QStringLiteral("QGroupBox{border:2px solid white;}");
} // namespace

class tst_quillet_state : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Quillet> m_rig{{"shortRepliesChangeNothing", "keysCarryOnFromTheReport", "pipReport"}};
    SwitcherWire* m_wire = nullptr;

    template <class T = QPushButton>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    QString face(const char* name) const { return m_rig.face(name); }
    QString text(const char* label) const { return w<QLabel>(label)->text(); }

    // Sends a reply as the switcher would, and waits until the panel's own layer has it.
    bool reply(const QByteArray& frame)
    {
        QSignalSpy own(panelLink(m_rig.panel), &Druvela_workdata::on_signals_allData);
        m_wire->reply(frame);
        return own.wait(5000) && own.first().first().toByteArray() == frame;
    }
    bool dump(const Bytes& record, int size = 160) { return reply(EditionFrames::stateDump(record, 0, 0, size)); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        qRegisterMetaType<uint16_t>("uint16_t");
        m_rig.wire = m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init() { QVERIFY(m_rig.init(0)); }
    void cleanup()
    {
        // A reply never reaches a sending slot.
        QVERIFY(m_wire->nothingSent());
        m_rig.cleanup();
    }
    void cleanupTestCase()
    {
        delete m_rig.panel.data();
        delete m_wire;
    }

    void rows_data();
    void rows();
    void audio_data();
    void audio();
    void transition_data();
    void transition();
    void pipReport();
    void ftbBlinksThenStops();
    void stillAndMute();
    void rateAndResolution_data();
    void rateAndResolution();
    void shortRepliesChangeNothing_data();
    void shortRepliesChangeNothing();
    void keysCarryOnFromTheReport();
};

void tst_quillet_state::rows_data()
{
    QTest::addColumn<int>("pgm");
    QTest::addColumn<int>("pvw");
    QTest::addColumn<QStringList>("boxes");
    QTest::newRow("PGM 2, PVW 3") << 2 << 3 << QStringList{kBoxWhite, kBoxRed, kBoxGreen, kBoxWhite};
    QTest::newRow("both on 4: green box") << 4 << 4 << QStringList{kBoxWhite, kBoxWhite, kBoxWhite, kBoxGreen};
    QTest::newRow("outside 1..4 lights nothing") << 0 << 9 << QStringList{kBoxWhite, kBoxWhite, kBoxWhite, kBoxWhite};
    QTest::newRow("PGM 1 alone") << 1 << 0 << QStringList{kBoxRed, kBoxWhite, kBoxWhite, kBoxWhite};
}

void tst_quillet_state::rows()
{
    QFETCH(int, pgm);
    QFETCH(int, pvw);
    QFETCH(QStringList, boxes);
    QVERIFY(dump({{0, quint8(pgm)}, {1, quint8(pvw)}}));
    for (int n = 1; n <= 4; ++n) {
        const QByteArray i = QByteArray::number(n);
        QCOMPARE(face("btn_pgm_" + i), n == pgm ? kRowRed : kRowWhite);
        QCOMPARE(face("btn_pvw_" + i), n == pvw ? kRowGreen : kRowWhite);
        QCOMPARE(w<QGroupBox>("g_" + i)->styleSheet(), boxes[n - 1]);
    }
}

void tst_quillet_state::audio_data()
{
    QTest::addColumn<Bytes>("record");
    QTest::addColumn<QString>("afvText");
    QTest::addColumn<bool>("chEnabled");
    QTest::addColumn<QString>("ch1");
    QTest::addColumn<QString>("ch2");
    QTest::addColumn<int>("level1");
    QTest::addColumn<int>("level2");
    QTest::newRow("AFV, IN3 and PHONE_IN") << Bytes{{2, 0}, {4, 5}, {5, 30}, {7, 7}, {8, 80}} << "AFV" << false
                                          << "IN3" << "PHONE_IN" << 30 << 80;
    QTest::newRow("MIX, MIC_IN2 and MIC_IN1") << Bytes{{2, 1}, {4, 0}, {5, 0}, {7, 8}, {8, 100}} << "MIX" << true
                                             << "MIC_IN2" << "MIC_IN1" << 0 << 100;
    QTest::newRow("levels beyond 100 show 100, codes 1 and 9 change nothing")
        << Bytes{{2, 1}, {4, 1}, {5, 200}, {7, 9}, {8, 101}} << "MIX" << true << "MIC_IN2" << "MIC_IN1" << 100 << 100;
    QTest::newRow("AFV again") << Bytes{{2, 0}, {4, 6}, {7, 3}} << "AFV" << false << "IN4" << "IN1" << 0 << 0;
    QTest::newRow("mode 2: MIX look, enabling kept") << Bytes{{2, 2}, {4, 6}, {7, 3}} << "MIX" << false << "IN4"
                                                    << "IN1" << 0 << 0;
}

void tst_quillet_state::audio()
{
    QFETCH(Bytes, record);
    QFETCH(QString, afvText);
    QFETCH(bool, chEnabled);
    QVERIFY(dump(record));
    QCOMPARE(w("btn_afv")->text(), afvText);
    QCOMPARE(face("btn_afv"), afvText == QLatin1String("AFV") ? kKeyOn : kKeyOff);
    QCOMPARE(w("btn_ch1")->isEnabled(), chEnabled);
    QCOMPARE(w("btn_ch2")->isEnabled(), chEnabled);
    QCOMPARE(w<QSlider>("slider_2")->isEnabled(), chEnabled);
    QTEST(text("label_ch1"), "ch1");
    QTEST(text("label_ch2"), "ch2");
    QTEST(w<QSlider>("slider_1")->value(), "level1");
    QTEST(w<QSlider>("slider_2")->value(), "level2");
}

void tst_quillet_state::transition_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("wipe");
    QTest::addColumn<QString>("litKey");
    QTest::addColumn<QString>("wipeText");
    QTest::newRow("WIPE, R") << 4 << 4 << "btn_wipe" << "WIPE-R";
    QTest::newRow("MIX, D") << 1 << 6 << "btn_mix" << "WIPE-D";
    QTest::newRow("FADE, U") << 2 << 2 << "btn_fade" << "WIPE-U";
    QTest::newRow("unknown type and direction: none lit, text kept") << 3 << 7 << "" << "WIPE-U";
}

void tst_quillet_state::transition()
{
    QFETCH(int, type);
    QFETCH(int, wipe);
    QFETCH(QString, litKey);
    QVERIFY(dump({{11, quint8(type)}, {12, quint8(wipe)}}));
    for (const char* key : {"btn_mix", "btn_fade", "btn_wipe"})
        QCOMPARE(face(key), QLatin1String(key) == litKey ? kKeyOn : kKeyOff);
    QTEST(w("btn_wipe")->text(), "wipeText");
}

void tst_quillet_state::pipReport()
{
    QSignalSpy unlock(m_rig.panel.data(), &Quillet::setPIP_size_unlock_falg);
    QSignalSpy where(m_rig.panel.data(), &Quillet::setPIP_POST);
    auto* pip = w<QToolButton>("tbtn_pip");
    QVERIFY(dump({{24, 1}, {28, 1}, {29, 0x01}, {30, 0x2C}, {31, 0x00}, {32, 0xA0}}));
    QCOMPARE(face("btn_pip"), kKeyOn);
    QVERIFY(!pip->isHidden());
    QCOMPARE(pip->size(), QSize(133, 74));
    QCOMPARE(text("label_pip_sz"), QStringLiteral("PIP_SZ:M"));
    QCOMPARE(where.count(), 1);
    QCOMPARE(where.first(), (QVariantList{QVariant::fromValue(uint16_t(300)), QVariant::fromValue(uint16_t(160))}));
    QCOMPARE(pip->pos(), QPoint(62, 33));  // Medium factors
    QCOMPARE(unlock.takeFirst().first().toBool(), true);

    QVERIFY(dump({{24, 0}, {28, 5}}));
    QCOMPARE(face("btn_pip"), kKeyOff);
    QVERIFY(pip->isHidden());
    QCOMPARE(text("label_pip_sz"), QStringLiteral("PIP_SZ:M"));  // size 5 changes nothing
    QCOMPARE(unlock.takeFirst().first().toBool(), false);
}

void tst_quillet_state::ftbBlinksThenStops()
{
    auto* ftb = w("btn_ftb");
    m_rig.panel->show();
    {
        ResizeLog log(ftb);
        QVERIFY(dump({{23, 1}}));
        QCOMPARE(face("btn_ftb"), kRowRed);
        QTRY_COMPARE_WITH_TIMEOUT(log.seen.size(), 2, 5000);
        QCOMPARE(log.seen[0], qMakePair(QSize(56, 33), kRowRed));
    }
    QVERIFY(dump({{23, 0}}));
    QCOMPARE(face("btn_ftb"), kRowWhite);
    ResizeLog after(ftb);
    QTest::qWait(1300);
    QVERIFY(after.seen.isEmpty());
    QCOMPARE(face("btn_ftb"), kRowWhite);
    m_rig.panel->hide();
}

void tst_quillet_state::stillAndMute()
{
    QVERIFY(dump({{33, 1}, {38, 2}}));
    QCOMPARE(face("btn_still"), kRowRed);
    QCOMPARE(face("btn_mute"), kKeyOn);
    QVERIFY(dump({{33, 0}, {38, 0}}));
    QCOMPARE(face("btn_still"), kRowWhite);
    QCOMPARE(face("btn_mute"), kKeyOff);
}

void tst_quillet_state::rateAndResolution_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("reso");
    QTest::addColumn<QString>("rateText");
    QTest::addColumn<QString>("resoText");
    QTest::newRow("rate 0, 1080P60") << 0 << 7 << "RARE:1" << "1080P60";
    QTest::newRow("rate 2, 1080P50") << 2 << 11 << "RARE:3" << "1080P50";
    QTest::newRow("rate 3 and code 0 keep the texts") << 3 << 0 << "RARE:3" << "1080P50";
    QTest::newRow("rate 1, 1080P24") << 1 << 5 << "RARE:2" << "1080P24";
    QTest::newRow("code 14 keeps the text") << 1 << 14 << "RARE:2" << "1080P24";
}

void tst_quillet_state::rateAndResolution()
{
    QFETCH(int, rate);
    QFETCH(int, reso);
    QVERIFY(dump({{34, quint8(rate)}, {35, quint8(reso)}}));
    QTEST(text("label_rate"), "rateText");
    QTEST(text("label_reso"), "resoText");
}

void tst_quillet_state::shortRepliesChangeNothing_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("applied");
    QTest::newRow("20 bytes") << 20 << false;
    QTest::newRow("59 bytes: MUTE not before the checksum") << 59 << false;
    QTest::newRow("60 bytes") << 60 << true;
}

void tst_quillet_state::shortRepliesChangeNothing()
{
    QFETCH(int, size);
    QFETCH(bool, applied);
    QVERIFY(dump({{0, 2}, {2, 0}, {33, 1}, {38, 1}}, size));
    QCOMPARE(face("btn_pgm_2") == kRowRed, applied);
    QCOMPARE(w("btn_afv")->text() == QLatin1String("AFV"), applied);
    QCOMPARE(face("btn_mute") == kKeyOn, applied);
    // The panel's own request, looped back as the switcher's port would see it.
    QVERIFY(reply(panelCommand(0x0A)));
    QCOMPARE(face("btn_pgm_2") == kRowRed, applied);
}

void tst_quillet_state::keysCarryOnFromTheReport()
{
    // IN3 on channel 1, WIPE-R shown, PIP on at Medium, rate 2, 1080P25.
    QVERIFY(dump({{0, 1}, {1, 2}, {2, 1}, {4, 5}, {11, 4}, {12, 4}, {24, 1}, {28, 1}, {34, 2}, {35, 13}}));

    w("btn_ch1")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB9, {4}));
    QCOMPARE(text("label_ch1"), QStringLiteral("IN4"));

    w("btn_wipe")->click();  // from R the next is D, code 4
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x8F));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x92, {0x29}));

    // The preview drags with the Medium factors: one step right, one down from (0, 0).
    auto* pip = w<QToolButton>("tbtn_pip");
    const QPoint at = pip->mapToGlobal(QPoint(5, 5));
    sendMouse(pip, QEvent::MouseButtonPress, pip->mapFromGlobal(at));
    sendMouse(pip, QEvent::MouseMove, pip->mapFromGlobal(at + QPoint(1, 1)));
    sendMouse(pip, QEvent::MouseButtonRelease, pip->mapFromGlobal(at + QPoint(1, 1)));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA0, {4, 0}));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA1, {4, 0}));

    // SET: PIP_S goes on from Medium (PIP is on), RATE from 2, RESO from 1080P25.
    SetDialog* set = toolContent<SetDialog>("setWidget");
    namedChild<QPushButton>(set, "btn_pip_s")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA2, {2}));
    QCOMPARE(text("label_pip_sz"), QStringLiteral("PIP_SZ:L"));
    QCOMPARE(pip->size(), QSize(200, 112));
    namedChild<QPushButton>(set, "btn_rate")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB1, {0}));
    QCOMPARE(text("label_rate"), QStringLiteral("RARE:1"));
    namedChild<QPushButton>(set, "btn_reso")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {6}));
    QCOMPARE(text("label_reso"), QStringLiteral("1080P24"));

    // CUT leaves the rows alone only after the operator's own PIP press: a
    // reported PIP leaves that mark as it was, so the reported rows swap.
    w("btn_cut")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x83));
    QCOMPARE(face("btn_pgm_2"), kRowRed);
    QCOMPARE(face("btn_pvw_1"), kRowGreen);
}

QTEST_MAIN(tst_quillet_state)
#include "tst_quillet_state.moc"
