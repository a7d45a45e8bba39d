// The Venadro panel shows the switcher's full-state replies as they come in
// on the wire: record bytes 0..38 (reply bytes 18..56), nothing sent back, a
// shorter reply not applied in part, and the keys carrying on from what was
// shown.

#include "edition_frames.h"
#include "panel_rig.h"
#include "series8_rig.h"
#include "series8_style.h"
#include "zv_resources.h"

#include "pipgro_venadro.h"
#include "venadro.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QSlider>
#include <QToolButton>

using Bytes = QMap<int, quint8>;

namespace {

const QString kKeyOn = Series8Style::key(true);
const QString kKeyOff = Series8Style::key(false);
const QString kKeyGrey = QLatin1String(Series8Style::kKeyDisabled);
const QString kRed = QStringLiteral("QGroupBox{border:1px solid red;}");
const QString kWhite = QStringLiteral("QGroupBox{border:1px solid white;}");

} // namespace

class tst_venadro_state : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Venadro> m_rig{{"shows", "wipeCarriesOn", "keysCarryOn", "boundary", "stillStopsBlinking"}};
    SwitcherWire* m_wire = nullptr;

    template <class T = QWidget>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    // The reply as the switcher sends it, once the panel's layer has it.
    void reply(const Bytes& record, int size = 160)
    {
        QSignalSpy own(panelLink(m_rig.panel), &Druvela_workdata::on_signals_allData);
        m_wire->reply(EditionFrames::stateDump(record, 0, 0, size));
        QVERIFY(own.wait(5000));
    }
    QTimer* blink() const
    {
        return m_rig.panel->findChild<QTimer*>(QString(), Qt::FindDirectChildrenOnly);
    }

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
        // No reply sends anything back.
        QVERIFY(m_wire->nothingSent());
        m_rig.cleanup();
    }
    void cleanupTestCase()
    {
        delete m_rig.panel.data();
        delete m_wire;
    }

    void shows_data();
    void shows();
    void pipOnAndItsSize();
    void pipPosition();
    void stillStopsBlinking();
    void afvReported();
    void wipeCarriesOn_data();
    void wipeCarriesOn();
    void keysCarryOn();
    void boundary_data();
    void boundary();
    void looks();
};

// Each row: the record bytes set, then "object.property=value" checks.
void tst_venadro_state::shows_data()
{
    QTest::addColumn<Bytes>("record");
    QTest::addColumn<QStringList>("checks");

    QTest::newRow("IN1 on program") << Bytes{{0, 1}} << QStringList{"g_left1.styleSheet=" + kRed, "g_left2.styleSheet=" + kWhite};
    QTest::newRow("IN2 on program") << Bytes{{0, 2}} << QStringList{"g_left1.styleSheet=" + kWhite, "g_left2.styleSheet=" + kRed};
    QTest::newRow("input 0 keeps the boxes") << Bytes{{0, 0}} << QStringList{"g_left1.styleSheet=" + kWhite, "g_left2.styleSheet=" + kRed};
    QTest::newRow("channels and levels")
        << Bytes{{2, 1}, {4, 8}, {5, 70}, {7, 0}, {8, 30}}
        << QStringList{"label_ch1.text=MIC_IN1", "slider_ch1.value=70", "label_ch2.text=MIC_IN2", "slider_ch2.value=30"};
    QTest::newRow("a level above 100 is clamped") << Bytes{{2, 1}, {4, 4}, {5, 200}, {7, 3}}
                                                  << QStringList{"label_ch1.text=IN2", "slider_ch1.value=100", "label_ch2.text=IN1"};
    QTest::newRow("a source outside the table keeps the label")
        << Bytes{{2, 1}, {4, 5}, {7, 9}} << QStringList{"label_ch1.text=IN1", "label_ch2.text=IN1"};
    QTest::newRow("MIX with WIPE-U shown") << Bytes{{11, 1}, {12, 3}}
                                           << QStringList{"btn_mix.styleSheet=" + kKeyOn, "btn_wipe.styleSheet=" + kKeyOff, "btn_wipe.text=WIPE-U"};
    QTest::newRow("FADE, WIPE-D") << Bytes{{11, 2}, {12, 2}}
                                  << QStringList{"btn_fade.styleSheet=" + kKeyOn, "btn_mix.styleSheet=" + kKeyOff, "btn_wipe.text=WIPE-D"};
    QTest::newRow("WIPE-R lit") << Bytes{{11, 4}, {12, 1}} << QStringList{"btn_wipe.styleSheet=" + kKeyOn, "btn_wipe.text=WIPE-R"};
    QTest::newRow("type 3 lights none, direction 4 keeps the text")
        << Bytes{{11, 3}, {12, 4}}
        << QStringList{"btn_mix.styleSheet=" + kKeyOff, "btn_fade.styleSheet=" + kKeyOff, "btn_wipe.styleSheet=" + kKeyOff, "btn_wipe.text=WIPE"};
    QTest::newRow("MUTE on") << Bytes{{38, 1}} << QStringList{"btn_mute.styleSheet=" + kKeyOn};
    QTest::newRow("MUTE 0xFF is on") << Bytes{{38, 0xFF}} << QStringList{"btn_mute.styleSheet=" + kKeyOn};
    QTest::newRow("rate 2") << Bytes{{34, 2}} << QStringList{"btn_rate.text=RARE3"};
    QTest::newRow("rate 3 keeps the text") << Bytes{{34, 3}} << QStringList{"btn_rate.text=Rate"};
    QTest::newRow("resolution 13") << Bytes{{35, 13}} << QStringList{"label_reso.text=1080P25"};
    QTest::newRow("resolution 2 keeps the label") << Bytes{{35, 2}} << QStringList{"label_reso.text=1080P60"};
    QTest::newRow("PIP size 3 keeps the label") << Bytes{{28, 3}} << QStringList{"label_pip_size.text=PIP_SIZE:L"};
    QTest::newRow("POP and REC are not reported")
        << Bytes{{24, 1}} << QStringList{"btn_pop.styleSheet=" + kKeyOff, "btn_rec.styleSheet=" + kKeyOff, "tbtn_pop.visible=false"};
}

void tst_venadro_state::shows()
{
    QFETCH(Bytes, record);
    QFETCH(QStringList, checks);
    m_rig.panel->show();
    reply(record);
    for (const QString& check : checks) {
        const int dot = check.indexOf(QLatin1Char('.'));
        const int eq = check.indexOf(QLatin1Char('='));
        QWidget* widget = w(qPrintable(check.left(dot)));
        const QString actual = widget->property(qPrintable(check.mid(dot + 1, eq - dot - 1))).toString();
        QVERIFY2(actual == check.mid(eq + 1), qPrintable(check + QStringLiteral(" but is ") + actual));
    }
}

void tst_venadro_state::pipOnAndItsSize()
{
    QSignalSpy unlock(m_rig.panel.data(), &Venadro::setPIP_size_unlock_falg);
    reply({{24, 1}, {28, 2}});
    auto* pip = w<PIPGroVenadro>("tbtn_pip");
    QVERIFY(!pip->isHidden());
    QCOMPARE(pip->size(), QSize(308, 173));
    QCOMPARE(pip->pipSize(), 2);
    QCOMPARE(w<QLabel>("label_pip_size")->text(), QStringLiteral("PIP_SZ:L"));
    QCOMPARE(w<QPushButton>("btn_pip")->styleSheet(), kKeyOn);
    QCOMPARE(unlock.count(), 1);
    QCOMPARE(unlock.first().first().toBool(), true);

    // Small, with the preview where it stands: a report does not pull it back.
    pip->move(400, 200);
    reply({{24, 1}, {28, 0}, {29, 0x05}, {30, 0xA0}, {31, 0x03}, {32, 0x2A}});
    QCOMPARE(pip->size(), QSize(154, 86));
    QCOMPARE(pip->pipSize(), 0);
    QCOMPARE(pip->pos(), QPoint(462, 260));  // H 1440, V 810 at the small factors

    reply({{24, 0}});
    QVERIFY(pip->isHidden());
    QCOMPARE(w<QPushButton>("btn_pip")->styleSheet(), kKeyOff);
    QCOMPARE(unlock.last().first().toBool(), false);
}

void tst_venadro_state::pipPosition()
{
    QSignalSpy post(m_rig.panel.data(), &Venadro::setPIP_POST);
    reply({{28, 2}, {29, 0x01}, {30, 0x2C}, {31, 0x00}, {32, 0x96}});
    QCOMPARE(post.count(), 1);
    QCOMPARE(post.first()[0].value<uint16_t>(), uint16_t(300));
    QCOMPARE(post.first()[1].value<uint16_t>(), uint16_t(150));
    // Large factors: 307/960 x 300, 172/540 x 150.
    QCOMPARE(w<QToolButton>("tbtn_pip")->pos(), QPoint(95, 47));
}

void tst_venadro_state::stillStopsBlinking()
{
    reply({{33, 1}});
    QCOMPARE(w<QPushButton>("btn_still")->styleSheet(), kKeyOn);
    QVERIFY(blink()->isActive());
    QCOMPARE(blink()->interval(), 1000);
    reply({{33, 0}});
    QCOMPARE(w<QPushButton>("btn_still")->styleSheet(), kKeyOff);
    QVERIFY(!blink()->isActive());
    // The next press carries on from there: on again.
    w<QPushButton>("btn_still")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xCF));
    QVERIFY(blink()->isActive());
    w<QPushButton>("btn_still")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xCF));
}

void tst_venadro_state::afvReported()
{
    // Reported AFV greys the channel keys without a press.
    reply({{2, 0}});
    QCOMPARE(w<QPushButton>("btn_afv")->styleSheet(), kKeyOn);
    QVERIFY(!w("btn_ch1")->isEnabled() && !w("btn_ch2")->isEnabled() && !w("slider_ch2")->isEnabled());
    QVERIFY(w("slider_ch1")->isEnabled());
    QCOMPARE(w("btn_ch1")->styleSheet(), kKeyGrey);
    // AFV pressed now goes to MIX.
    w<QPushButton>("btn_afv")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB6, {1}));
    QVERIFY(w("btn_ch1")->isEnabled());
    // A mode outside 0..1 only unlights AFV.
    reply({{2, 0}});
    reply({{2, 7}});
    QCOMPARE(w<QPushButton>("btn_afv")->styleSheet(), kKeyOff);
    QVERIFY(!w("btn_ch1")->isEnabled());
    reply({{2, 1}});
}

void tst_venadro_state::wipeCarriesOn_data()
{
    QTest::addColumn<bool>("mixFirst");
    QTest::addColumn<int>("sent");
    QTest::newRow("after MIX on the panel: U again") << true << 3;
    QTest::newRow("no MIX or FADE pressed: on to R") << false << 6;
}

void tst_venadro_state::wipeCarriesOn()
{
    QFETCH(bool, mixFirst);
    QFETCH(int, sent);
    if (mixFirst) {
        w<QPushButton>("btn_mix")->click();
        QCOMPARE(m_wire->nextCommand(), panelCommand(0x8D));
    }
    reply({{11, 1}, {12, 3}});
    QCOMPARE(w<QPushButton>("btn_wipe")->text(), QStringLiteral("WIPE-U"));
    QCOMPARE(w("btn_mix")->styleSheet(), kKeyOn);
    w<QPushButton>("btn_wipe")->click();
    const Frames expected = transitionFrames(sent);
    QCOMPARE((Frames{m_wire->nextCommand(), m_wire->nextCommand()}), expected);
}

void tst_venadro_state::keysCarryOn()
{
    reply({{4, 8}, {2, 1}, {34, 2}, {35, 13}, {38, 1}});
    // CH1 goes on from MIC_IN1, RATE from 2, RESO from 1080P25, MUTE from on.
    w<QPushButton>("btn_ch1")->click();
    QCOMPARE(w<QLabel>("label_ch1")->text(), QStringLiteral("MIC_IN2"));
    w<QPushButton>("btn_rate")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xB1, {0}));
    QCOMPARE(w<QPushButton>("btn_rate")->text(), QStringLiteral("RARE1"));
    w<QPushButton>("btn_reso")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {6}));
    QCOMPARE(w<QLabel>("label_reso")->text(), QStringLiteral("1080P24"));
    w<QPushButton>("btn_mute")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xD6));
    QCOMPARE(w("btn_mute")->styleSheet(), kKeyOff);

    // The rate value picks AUTO's length, whatever it is.
    reply({{34, 1}});
    QSignalSpy range(w<QSlider>("slider_auto"), &QSlider::rangeChanged);
    w<QPushButton>("btn_auto")->click();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0x84));
    QCOMPARE(range.first(), (QVariantList{0, 72}));
}

void tst_venadro_state::boundary_data()
{
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("applied");
    QTest::newRow("20: the request's size") << 20 << false;
    QTest::newRow("59: MUTE not before the checksum") << 59 << false;
    QTest::newRow("60: MUTE the last byte before it") << 60 << true;
    QTest::newRow("1056") << 1056 << true;
}

void tst_venadro_state::boundary()
{
    QFETCH(int, size);
    QFETCH(bool, applied);
    reply({{0, 1}, {24, 1}, {38, 1}}, size);
    QCOMPARE(w("g_left1")->styleSheet(), applied ? kRed : kWhite);
    QCOMPARE(w("tbtn_pip")->isHidden(), !applied);
    QCOMPARE(w("btn_mute")->styleSheet(), applied ? kKeyOn : kKeyOff);
}

// A panel showing a reply, saved for a look.
void tst_venadro_state::looks()
{
    m_rig.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_rig.panel));
    reply({{0, 1}, {2, 0}, {4, 4}, {5, 60}, {7, 8}, {8, 25}, {11, 4}, {12, 1}, {24, 1}, {28, 1}, {29, 0x01}, {30, 0x2C},
           {31, 0x00}, {32, 0x96}, {33, 1}, {34, 2}, {35, 11}, {38, 1}});
    m_rig.panel->grab().save(QStringLiteral("/tmp/zv_venadro_reply.png"));
    reply({{2, 1}, {33, 0}});
    m_rig.panel->hide();
}

QTEST_MAIN(tst_venadro_state)
#include "tst_venadro_state.moc"
