// The Halvani panel window against a loopback switcher at 127.0.0.2: what its
// keys and T-bar send, their faces, the lamp swaps, the narrow and the
// wide window, and the waits that the panel may not outlive.

#include "face_pictures.h"
#include "firstgen_style.h"
#include "halvani_bus.h"
#include "halvaniui.h"
#include "ip_dialog.h"
#include "panel_rig.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QLineEdit>
#include <QPixmap>

Q_DECLARE_METATYPE(QList<QByteArray>)

namespace {

QByteArray tbar(int dir, int pos) { return panelCommand(0x82, {dir, pos}); }
QByteArray pip(int on) { return panelCommand(0x86, {on}); }
QByteArray pop(int on) { return panelCommand(0xA7, {on}); }
const QByteArray kCut = panelCommand(0x83);
const QByteArray kAuto = panelCommand(0x84);

const QString kGrey = QLatin1String(FirstGenStyle::kGroupGrey213);
const QString kGreen = QLatin1String(FirstGenStyle::kGroupGreen);
const QString kWideSeparator = QStringLiteral("QLabel{border-image: url(:/images/StyleSheet/limit.png);}");
const QString kNarrowSeparator = QStringLiteral("QLabel {background-color: transparent;}");

// A direct child of the window by object name, or else by class.
QWidget* part(const QWidget* panel, const QString& name)
{
    for (QWidget* w : panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w->objectName() == name || QLatin1String(w->metaObject()->className()) == name)
            return w;
    qFatal("no part %s", qPrintable(name));
    return nullptr;
}

} // namespace

class tst_halvani_panel : public QObject
{
    Q_OBJECT
    SwitcherWire* m_wire = nullptr;
    QPointer<HalvaniUI> m_panel;

    QWidget* w(const QString& name) const { return part(m_panel, name); }
    QPushButton* key(const char* name) const { return qobject_cast<QPushButton*>(w(QLatin1String(name))); }
    PGM* pgm() const { return m_panel->findChild<PGM*>(); }
    PVW* pvw() const { return m_panel->findChild<PVW*>(); }
    QList<QByteArray> take(int n) { return m_wire->take(n); }
    bool lit(const char* name, const char* litFile) const
    {
        return key(name)->styleSheet().contains(QLatin1String(litFile));
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire = new SwitcherWire;
        QVERIFY(m_wire->isBound());
    }
    void init()
    {
        m_panel = new HalvaniUI(nullptr);
        m_panel->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
        m_panel->show();
    }
    void cleanup()
    {
        delete m_panel.data();
        m_wire->commands();
    }
    void cleanupTestCase() { delete m_wire; }

    void opening()
    {
        QVERIFY(m_wire->nothingSent());
        const QSize desk = FirstGenStyle::desktopSize();
        QCOMPARE(m_panel->geometry(), QRect((desk.width() - 1000) / 2, (desk.height() - 600) / 2, 1000, 600));
        QVERIFY(w("PIP")->isHidden() && w("POP")->isHidden());
        // Every picture the window names is in the image set.
        QStringList sheets{m_panel->styleSheet()};
        for (const QWidget* c : m_panel->findChildren<QWidget*>())
            sheets << c->styleSheet();
        const QStringList pictures = picturesIn(sheets.join(QString()));
        QVERIFY(pictures.contains(QStringLiteral(":/images/StyleSheet/set.png")));
        for (const QString& p : pictures)
            QVERIFY2(!QPixmap(p).isNull(), qPrintable(p));
    }

    void faces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("setter");
        QTest::addColumn<QString>("unlit");
        QTest::addColumn<QString>("lit");
        QTest::newRow("CUT") << "btn_cut" << QByteArray("btnCutStyle")
                             << "QPushButton{image: url(:/images/white/CUT.bmp);}" + kGrey
                             << "QPushButton{border-image: url(:/images/red/CUT.bmp);}";
        QTest::newRow("AUTO") << "btn_auto" << QByteArray("btnAutoStyle")
                              << "QPushButton{image: url(:/images/white/AUTO.bmp);}" + kGrey
                              << "QPushButton{border-image: url(:/images/red/AUTO.bmp);}";
        QTest::newRow("PIP") << "btn_pip" << QByteArray("btnPIPStyle")
                             << "QPushButton{image:url(:/images/white/PIP.bmp);}" + kGrey
                             << "QPushButton{image:url(:/images/green/PIP.bmp);}" + kGreen;
        QTest::newRow("POP") << "btn_pop" << QByteArray("btnPOPStyle")
                             << "QPushButton{image:url(:/images/white/POP.bmp);}" + kGrey
                             << "QPushButton{image:url(:/images/green/pop.bmp);}" + kGreen;
    }
    void faces()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, setter);
        QFETCH(QString, unlit);
        QFETCH(QString, lit);
        QCOMPARE(w(name)->styleSheet(), unlit);
        for (bool on : {true, true, false}) {
            QVERIFY(QMetaObject::invokeMethod(m_panel, setter.constData(), Q_ARG(bool, on)));
            QCOMPARE(w(name)->styleSheet(), on ? lit : unlit);
        }
    }

    // PGM on 2 and PVW on 3, with PIP or POP on first.
    void cutAndAuto_data()
    {
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("pressed");
        QTest::addColumn<bool>("swapped");
        for (const char* k : {"btn_cut", "btn_auto"}) {
            QTest::addRow("%s", k) << QByteArray() << QByteArray(k) << true;
            QTest::addRow("%s, PIP on", k) << QByteArray("btn_pip") << QByteArray(k) << false;
            QTest::addRow("%s, POP on", k) << QByteArray("btn_pop") << QByteArray(k) << true;
        }
    }
    void cutAndAuto()
    {
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, pressed);
        QFETCH(bool, swapped);
        if (!first.isEmpty())
            key(first.constData())->click();
        pgm()->setPGMCHstate(2);
        pvw()->setPVWCHstate(3);
        m_wire->commands();
        const bool isAuto = pressed == "btn_auto";
        // During AUTO's wait: its frame is out, its lamp lit, the rows not yet swapped.
        QList<QByteArray> during;
        bool litDuring = false;
        int pgmDuring = 0;
        if (isAuto)
            QTimer::singleShot(100, m_panel, [&] {
                during << m_wire->nextCommand();
                litDuring = lit("btn_auto", "red/AUTO");
                pgmDuring = pgm()->BtnPGMstate();
            });
        key(pressed.constData())->click();
        if (isAuto) {
            QCOMPARE(during, QList<QByteArray>{kAuto});
            QVERIFY(litDuring);
            QCOMPARE(pgmDuring, 2);
            QVERIFY(!lit("btn_auto", "red/AUTO"));
            QVERIFY(m_wire->nothingSent());
        } else {
            QVERIFY(lit("btn_cut", "red/CUT"));
            QCOMPARE(take(1), QList<QByteArray>{kCut});
            QTRY_VERIFY_WITH_TIMEOUT(!lit("btn_cut", "red/CUT"), 5000);
        }
        QCOMPARE(int(pgm()->BtnPGMstate()), swapped ? 3 : 2);
        QCOMPARE(int(pvw()->BtnPVWstate()), swapped ? 2 : 3);
    }

    void pipPop_data()
    {
        QTest::addColumn<QList<QByteArray>>("presses");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<QString>("shownBox");  // empty: narrow
        using F = QList<QByteArray>;
        const QByteArray P("btn_pip"), O("btn_pop");
        QTest::newRow("PIP on") << F{P} << F{pip(1)} << "PIP";
        QTest::newRow("PIP on, off") << F{P, P} << F{pip(1), pip(0)} << "";
        QTest::newRow("POP on") << F{O} << F{pop(1)} << "POP";
        QTest::newRow("POP on, off") << F{O, O} << F{pop(1), pop(0)} << "";
        QTest::newRow("PIP, then POP: no PIP off") << F{P, O} << F{pip(1), pop(1)} << "POP";
        QTest::newRow("POP, then PIP: no POP off") << F{O, P} << F{pop(1), pip(1)} << "PIP";
        QTest::newRow("PIP, POP, POP") << F{P, O, O} << F{pip(1), pop(1), pop(0)} << "";
        QTest::newRow("POP, PIP, PIP") << F{O, P, P} << F{pop(1), pip(1), pip(0)} << "";
    }
    void pipPop()
    {
        QFETCH(QList<QByteArray>, presses);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(QString, shownBox);
        const QPoint where = m_panel->pos();
        for (const QByteArray& k : presses)
            key(k.constData())->click();
        QCOMPARE(take(frames.size()), frames);
        const bool wide = !shownBox.isEmpty();
        QCOMPARE(m_panel->geometry(), QRect(where, QSize(wide ? 1280 : 1000, 600)));
        QCOMPARE(w("Devlog")->geometry(), QRect(0, 0, wide ? 1280 : 1000, 30));
        QCOMPARE(w("label_separator")->styleSheet(), wide ? kWideSeparator : kNarrowSeparator);
        QCOMPARE(w("PIP")->isVisible(), shownBox == "PIP");
        QCOMPARE(w("POP")->isVisible(), shownBox == "POP");
        QCOMPARE(lit("btn_pip", "green/PIP"), shownBox == "PIP");
        QCOMPARE(lit("btn_pop", "green/pop"), shownBox == "POP");
        QCOMPARE(m_panel->pipOn, shownBox == "PIP");
        QCOMPARE(m_panel->popOn, shownBox == "POP");
    }

    // The stroke up sends (0, v), the top (1, 0), the way back (1, 126 - v) and
    // ends at 1; the rows swap once at each end. PGM 1, PVW 2 to start.
    void tbarStroke_data()
    {
        QTest::addColumn<QList<int>>("values");
        QTest::addColumn<QList<QByteArray>>("frames");
        QTest::addColumn<bool>("swapped");
        QTest::addColumn<bool>("reverse");
        QTest::addColumn<bool>("autoLit");
        using F = QList<QByteArray>;
        using V = QList<int>;
        QTest::newRow("up") << V{5, 125} << F{tbar(0, 5), tbar(0, 125)} << false << false << true;
        QTest::newRow("1 on the way up") << V{1, 0} << F{tbar(0, 1), tbar(0, 0)} << false << false << false;
        QTest::newRow("top") << V{60, 126} << F{tbar(0, 60), tbar(1, 0)} << true << true << false;
        QTest::newRow("down") << V{126, 100, 2} << F{tbar(1, 0), tbar(1, 26), tbar(1, 124)} << true << true << true;
        QTest::newRow("down to 1") << V{126, 2, 1} << F{tbar(1, 0), tbar(1, 124), tbar(1, 125)} << false << false << true;
        QTest::newRow("1, then 0") << V{126, 1, 0} << F{tbar(1, 0), tbar(1, 125), tbar(0, 0)} << false << false << false;
        QTest::newRow("2 straight to 0") << V{126, 2, 0, 5} << F{tbar(1, 0), tbar(1, 124), tbar(1, 126), tbar(1, 121)}
                                         << true << true << true;
        QTest::newRow("top twice") << V{126, 100, 126} << F{tbar(1, 0), tbar(1, 26), tbar(1, 0)} << true << true << false;
        QTest::newRow("there and back twice") << V{126, 1, 126, 1} << F{tbar(1, 0), tbar(1, 125), tbar(1, 0), tbar(1, 125)}
                                              << false << false << true;
    }
    void tbarStroke()
    {
        QFETCH(QList<int>, values);
        QFETCH(QList<QByteArray>, frames);
        QFETCH(bool, swapped);
        QFETCH(bool, reverse);
        QFETCH(bool, autoLit);
        pgm()->setPGMCHstate(1);
        pvw()->setPVWCHstate(2);
        auto* bar = qobject_cast<QSlider*>(w("verticalSlider_auto"));
        for (int v : values)
            bar->setValue(v);
        QCOMPARE(take(frames.size()), frames);
        QCOMPARE(int(pgm()->BtnPGMstate()), swapped ? 2 : 1);
        QCOMPARE(int(pvw()->BtnPVWstate()), swapped ? 1 : 2);
        QCOMPARE(m_panel->reverseStroke, reverse);
        QCOMPARE(lit("btn_auto", "red/AUTO"), autoLit);
    }

    // The IP key runs the dialog modally over the panel; closing it deletes it.
    // Deleting the panel during the run takes the dialog with it.
    void ipKey_data()
    {
        QTest::addColumn<bool>("deletePanel");
        QTest::newRow("closed") << false;
        QTest::newRow("panel deleted during the run") << true;
    }
    void ipKey()
    {
        QFETCH(bool, deletePanel);
        QPointer<IPDialog> dialog;
        bool modalOverPanel = false;
        QString shown;
        QTimer::singleShot(0, m_panel, [&] {
            dialog = m_panel->findChild<IPDialog*>();
            if (!dialog)
                return;
            modalOverPanel = dialog->isVisible() && dialog->isModal() && dialog->parent() == m_panel;
            shown = dialog->findChild<QLineEdit*>(QStringLiteral("lineIP"))->text();
            if (deletePanel)
                delete m_panel.data();
            else
                namedChild<QPushButton>(dialog, QStringLiteral("btn_close"))->click();
        });
        QTimer guard;  // a run the test could not end still ends
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [&] {
            if (dialog)
                dialog->reject();
        });
        guard.start(10000);
        key("btn_ip")->click();
        QVERIFY(guard.isActive());
        QVERIFY(modalOverPanel);
        QCOMPARE(shown, QStringLiteral("127.0.0.2"));
        QVERIFY(!dialog);
        QCOMPARE(m_panel.isNull(), deletePanel);
        if (m_panel)
            QVERIFY(!m_panel->findChild<IPDialog*>());
        QVERIFY(m_wire->nothingSent());
    }

    void closedDuringAuto()
    {
        QTimer::singleShot(100, m_panel, [this] {
            m_panel->close();
            delete m_panel.data();
        });
        key("btn_auto")->click();
        QVERIFY(!m_panel);
        QCOMPARE(take(1), QList<QByteArray>{kAuto});
    }

    // For a look at the window: /tmp/zv_halvani_narrow.png and _wide.png.
    void pictures()
    {
        QVERIFY(m_panel->grab().save(QStringLiteral("/tmp/zv_halvani_narrow.png")));
        key("btn_pip")->click();
        QVERIFY(m_panel->grab().save(QStringLiteral("/tmp/zv_halvani_wide.png")));
    }
};

QTEST_MAIN(tst_halvani_panel)
#include "tst_halvani_panel.moc"
