// The Quillet panel as built: its form, its tool windows, the SET window's
// keys, the device it is given and the replies its own layer receives.

#include "edition_frames.h"
#include "panel_rig.h"
#include "quillet_rig.h"
#include "series8_style.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QGroupBox>
#include <QLabel>
#include <QSignalSpy>
#include <QToolButton>

using Bytes = QMap<int, quint8>;

namespace {

const QString kNormal = QLatin1String(Series8Style::kRowWhite);
const QString kRed = QLatin1String(Series8Style::kRowRed);

} // namespace

class tst_quillet_window : public QObject
{
    Q_OBJECT
private:
    PanelFixture<Quillet> m_rig{{"newPanelIsDark", "buildAndDestroyTwice", "childTypes"}};
    SwitcherWire* m_wire = nullptr;

    template <class T = QPushButton>
    T* w(const char* name) const { return m_rig.w<T>(name); }
    SetDialog* set() const { return toolContent<SetDialog>("setWidget"); }
    QPushButton* setKey(const char* name) const { return namedChild<QPushButton>(set(), name); }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_rig.wire = m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init() { QVERIFY(m_rig.init(0)); }
    void cleanup() { m_rig.cleanup(); }
    void cleanupTestCase()
    {
        delete m_rig.panel.data();
        delete m_wire;
    }

    void newPanelIsDark();
    void devTypeIdAimsEveryLayer();
    void repliesReachThePanelsOwnLayer();
    void setKeySendsAfterItsFlash_data();
    void setKeySendsAfterItsFlash();
    void resoCyclesThroughThePositions();
    void resoCarriesOnFromTheShownState();
    void disabledKeysCannotBePressed();
    void serialText_data();
    void serialText();
    void serialLabelFromTheReply_data();
    void serialLabelFromTheReply();
    void setWindowDeletedDuringAFlash();
    void childTypes();
    void buildAndDestroyTwice();
    void looks();
};

void tst_quillet_window::newPanelIsDark()
{
    // A panel not yet given its device sends nothing and shows no state.
    m_rig.panel->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_wire->commands();
    QScopedPointer<Quillet> panel(new Quillet);
    QVERIFY(m_wire->nothingSent());

    QCOMPARE(panel->objectName(), QStringLiteral("dialog"));
    QCOMPARE(panel->windowTitle(), QStringLiteral("Qavo"));
    QCOMPARE(panel->size(), QSize(959, 689));
    QVERIFY(panel->windowFlags() & Qt::FramelessWindowHint);
    const QString off = Series8Style::key(false);
    for (const char* key : {"btn_f1", "btn_afv", "btn_ch1", "btn_set", "btn_mute", "btn_ch2", "btn_mix", "btn_wipe",
                            "btn_pip", "btn_fade", "btn_key", "btn_pop", "btn_cut", "btn_auto", "btn_rec", "btn_rtmp",
                            "btn_pause"})
        QVERIFY2(panel->findChild<QPushButton*>(key)->styleSheet() == off, key);
    for (const char* key : {"btn_pgm_1", "btn_pgm_2", "btn_pgm_3", "btn_pgm_4", "btn_pvw_1", "btn_pvw_2", "btn_pvw_3",
                            "btn_pvw_4", "btn_ftb", "btn_still", "btn_bar"})
        QVERIFY2(panel->findChild<QPushButton*>(key)->styleSheet() == kNormal, key);
    for (const char* box : {"g_1", "g_2", "g_3", "g_4"})
        QCOMPARE(panel->findChild<QGroupBox*>(box)->styleSheet(), QStringLiteral("QGroupBox{border:2px solid white;}"));
    QCOMPARE(panel->findChild<QPushButton*>("btn_afv")->text(), QStringLiteral("MIX"));
    QCOMPARE(panel->findChild<QLabel*>("label_ch1")->text(), QStringLiteral("IN1"));
    QCOMPARE(panel->findChild<QLabel*>("label_ch2")->text(), QStringLiteral("IN1"));
    QVERIFY(panel->findChild<QToolButton*>("tbtn_pip")->isHidden());
    QVERIFY(panel->findChild<QToolButton*>("tbtn_pop")->isHidden());
    QVERIFY(!panel->findChild<QPushButton*>("btn_key")->isEnabled());
    const QStringList status = {"RESO:1080P30", "MicVol:20dB", "FAN-A:490", "RATE:1", "PIP_SZ:L", "KEY:Luma", "Level:0", "T:55 C"};
    const QStringList names = {"label_reso", "label_micvol", "label_fan", "label_rate", "label_pip_sz", "label_key", "label_level", "label_t"};
    for (int i = 0; i < names.size(); ++i)
        QCOMPARE(panel->findChild<QLabel*>(names[i])->text(), status[i]);
    QVERIFY(toolWindow("setWidget")->isHidden() && toolWindow("f1Widget")->isHidden());
    QCOMPARE(toolWindow("setWidget")->size(), QSize(300, 268));
    QCOMPARE(toolWindow("f1Widget")->size(), QSize(300, 222));
    QCOMPARE(set()->windowTitle(), QStringLiteral("Set"));
    QCOMPARE(toolContent<F1QWidget>("f1Widget")->windowTitle(), QStringLiteral("F1"));
}

void tst_quillet_window::devTypeIdAimsEveryLayer()
{
    // The fixture's DevTypeID sent exactly the state request (checked by init): nothing more came.
    QVERIFY(m_wire->nothingSent());
    QCOMPARE(namedChild<QLabel>(set(), "label_IP")->text(), QStringLiteral("IP:127.0.0.2"));
    QCOMPARE(namedChild<QLabel>(toolContent<F1QWidget>("f1Widget"), "label_IP")->text(), QStringLiteral("IP:127.0.0.2"));

    // The preview's own layer is aimed too: a drag step reaches the switcher.
    auto* pip = w<QToolButton>("tbtn_pip");
    pip->show();
    const QPoint at = pip->mapToGlobal(QPoint(5, 5));
    sendMouse(pip, QEvent::MouseButtonPress, pip->mapFromGlobal(at));
    sendMouse(pip, QEvent::MouseMove, pip->mapFromGlobal(at));
    sendMouse(pip, QEvent::MouseButtonRelease, pip->mapFromGlobal(at));
    pip->hide();
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA0, {384 & 0xFF, 384 >> 8}));
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA1, {289 & 0xFF, 289 >> 8}));
}

void tst_quillet_window::repliesReachThePanelsOwnLayer()
{
    // The preview bound port 7000 first; the panel's layer, bound later, gets the datagram.
    QSignalSpy own(panelLink(m_rig.panel), &Druvela_workdata::on_signals_allData);
    const QByteArray dump = EditionFrames::stateDump({{0, 2}});
    m_wire->reply(dump);
    QVERIFY(own.wait(5000));
    QCOMPARE(own.first().first().toByteArray(), dump);
}

void tst_quillet_window::setKeySendsAfterItsFlash_data()
{
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<bool>("pipOn");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("RESO: position 1") << QByteArray("btn_reso") << false << panelCommand(0xA3, {1});
    QTest::newRow("RATE: rate 1") << QByteArray("btn_rate") << false << panelCommand(0xB1, {1});
    QTest::newRow("PIP_S with PIP on: Small") << QByteArray("btn_pip_s") << true << panelCommand(0xA2, {0});
    QTest::newRow("RESET") << QByteArray("btn_reset") << false << panelCommand(0x0B);
    QTest::newRow("PIP_S with PIP off: nothing at all") << QByteArray("btn_pip_s") << false << QByteArray();
}

void tst_quillet_window::setKeySendsAfterItsFlash()
{
    QFETCH(QByteArray, key);
    QFETCH(bool, pipOn);
    QFETCH(QByteArray, frame);

    // Each row from the SET window's first state.
    delete m_rig.panel.data();
    QVERIFY(m_rig.init(0));
    emit m_rig.panel->setPIP_size_unlock_falg(pipOn);

    // Shown, so that each new look is applied at once.
    toolWindow("setWidget")->show();
    QPushButton* b = setKey(key.constData());
    const ClickSeen seen = clickWatching(b);
    toolWindow("setWidget")->hide();
    QCOMPARE(b->styleSheet(), kNormal);
    if (frame.isEmpty()) {
        QCOMPARE(seen.lookChanges, 0);
        QVERIFY(!seen.sent);
        QVERIFY(m_wire->nothingSent());
        return;
    }
    // Lit, then unlit; the frame left lit, after the wait.
    QCOMPARE(seen.lookChanges, 2);
    QVERIFY(seen.sent);
    QCOMPARE(seen.lookAtSend, kRed);
    QVERIFY2(seen.msAtSend >= 200, qPrintable(QString::number(seen.msAtSend)));
    QCOMPARE(m_wire->nextCommand(), frame);
    QVERIFY(m_wire->nothingSent());
}

void tst_quillet_window::resoCyclesThroughThePositions()
{
    delete m_rig.panel.data();
    QVERIFY(m_rig.init(0));
    QSignalSpy reso(set(), &SetDialog::setRESO_Style);
    QSignalSpy rate(set(), &SetDialog::setRATE_Style);
    const int codes[] = {11, 9, 1, 3, 13, 5, 7};
    for (int i = 0; i < 7; ++i) {
        setKey("btn_reso")->click();
        QCOMPARE(reso.takeFirst().first().toInt(), codes[i]);
        QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {(i + 1) % 7}));
    }
    QCOMPARE(rate.count(), 0);
    setKey("btn_rate")->click();
    QCOMPARE(reso.count(), 0);
    QCOMPARE(rate.count(), 1);
    m_wire->commands();
}

void tst_quillet_window::resoCarriesOnFromTheShownState()
{
    QSignalSpy reso(set(), &SetDialog::setRESO_Style);
    set()->setRESO_V(5);
    setKey("btn_reso")->click();
    QCOMPARE(reso.takeFirst().first().toInt(), 5);
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA3, {6}));

    QSignalSpy size(set(), &SetDialog::setPIPSZ_Style);
    emit m_rig.panel->setPIP_size_unlock_falg(true);
    set()->setPIP_S_V(1);
    setKey("btn_pip_s")->click();
    QCOMPARE(size.takeFirst().first().toInt(), 2);
    QCOMPARE(m_wire->nextCommand(), panelCommand(0xA2, {2}));
    emit m_rig.panel->setPIP_size_unlock_falg(false);
}

void tst_quillet_window::disabledKeysCannotBePressed()
{
    QList<QPushButton*> keys;
    for (const char* name : {"btn_micvol", "btn_fan", "btn_key", "btn_l_1", "btn_l_2"})
        keys << setKey(name);
    for (const char* name : {"btn_disk", "btn_leuel", "btn_rate_add", "btn_rate_sub", "btn_addr_add", "btn_addr_sub"})
        keys << namedChild<QPushButton>(toolContent<F1QWidget>("f1Widget"), name);
    toolWindow("setWidget")->show();
    toolWindow("f1Widget")->show();
    for (QPushButton* key : keys) {
        QVERIFY2(!key->isEnabled(), qPrintable(key->objectName()));
        QSignalSpy clicked(key, &QPushButton::clicked);
        QTest::mouseClick(key, Qt::LeftButton);
        key->click();
        QCOMPARE(clicked.count(), 0);
        QCOMPARE(key->styleSheet(), kNormal);
    }
    toolWindow("setWidget")->hide();
    toolWindow("f1Widget")->hide();
    QVERIFY(m_wire->nothingSent());
}

void tst_quillet_window::serialText_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QByteArray() << "SN:";
    QTest::newRow("a") << QByteArray("\x0a", 1) << "SN:a ";
    QTest::newRow("ff, unsigned") << QByteArray("\xff", 1) << "SN:ff ";
    QTest::newRow("zeros skipped") << QByteArray("\x00\x01\x00\x2b\x00", 5) << "SN:1 2b ";
    QTest::newRow("only zeros") << QByteArray(8, '\0') << "SN:";
}

void tst_quillet_window::serialText()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(Series8Style::serialText(bytes), text);
}

void tst_quillet_window::serialLabelFromTheReply_data() { addSerialLabelRows(); }

void tst_quillet_window::serialLabelFromTheReply()
{
    QFETCH(QByteArray, reply);
    QFETCH(QString, label);
    const QLabel* serial = namedChild<QLabel>(set(), "label_SM");
    m_wire->reply(serialPrimer());
    QTRY_COMPARE_WITH_TIMEOUT(serial->text(), serialPrimerLabel(), 10000);
    m_wire->reply(reply);
    QTRY_COMPARE_WITH_TIMEOUT(serial->text(), label, 10000);
    QVERIFY(m_wire->nothingSent());
}

void tst_quillet_window::setWindowDeletedDuringAFlash()
{
    // A SET window of its own on the panel's layer, deleted from the event
    // loop as soon as RESO lights, i.e. inside the flash's wait.
    auto* window = new QWidget;
    auto* dialog = new SetDialog(window, panelLink(m_rig.panel));
    QPushButton* reso = namedChild<QPushButton>(dialog, "btn_reso");
    DeleteOnLight onLight(window);
    reso->installEventFilter(&onLight);
    window->show();
    QPointer<SetDialog> alive(dialog);
    reso->click();
    QVERIFY(alive.isNull());
    QVERIFY(m_wire->nothingSent());
}

void tst_quillet_window::childTypes()
{
    auto visible = [this](const char* name) { return !w<QWidget>(name)->isHidden(); };
    m_rig.panel->show();
    m_rig.panel->setDev_Child_Type(0x51);
    for (const char* name : {"btn_rtmp", "btn_rec", "btn_pause", "label_rec", "label_f1_disk", "label_f1_addr",
                             "label_f1_rate", "label_f1_level"})
        QVERIFY2(!visible(name), name);
    QVERIFY(!w("btn_f1")->isEnabled());

    m_rig.panel->setDev_Child_Type(0x52);
    QVERIFY(visible("btn_rtmp"));
    QVERIFY(!visible("btn_rec") && !visible("btn_pause") && !visible("label_rec"));
    QVERIFY(!w("btn_f1")->isEnabled());

    m_rig.panel->setDev_Child_Type(0x56);
    QVERIFY(!visible("btn_rtmp"));
    m_rig.panel->setDev_Child_Type(0x57);
    QVERIFY(!visible("btn_rtmp"));
    QVERIFY(m_wire->nothingSent());
}

// The sanitizer tree reports any leak or bad free at exit.
void tst_quillet_window::buildAndDestroyTwice()
{
    for (int i = 0; i < 2; ++i) {
        delete m_rig.panel.data();
        QVERIFY(m_rig.init(0));
        QVERIFY(toolWindow("setWidget") && toolWindow("f1Widget"));
    }
    delete m_rig.panel.data();
    QVERIFY(!toolWindow("setWidget") && !toolWindow("f1Widget"));
}

// The panel and its tool windows, saved for a look.
void tst_quillet_window::looks()
{
    m_rig.panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_rig.panel));
    m_rig.panel->grab().save(QStringLiteral("/tmp/zv_quillet.png"));
    for (const char* name : {"setWidget", "f1Widget"}) {
        QWidget* window = toolWindow(name);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        window->grab().save(QStringLiteral("/tmp/zv_quillet_%1.png").arg(QLatin1String(name)));
        window->hide();
    }
    m_rig.panel->hide();
}

QTEST_MAIN(tst_quillet_window)
#include "tst_quillet_window.moc"
