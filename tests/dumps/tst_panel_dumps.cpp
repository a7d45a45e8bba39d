// Every panel that applies a state dump, shown and bound to a switcher on
// 127.0.0.2: a dump that repeats the last one changes no widget's look and
// sends nothing; a dump after a local key press shows the switcher's state
// again.

#include "dump_panels.h"
#include "panel_rig.h"
#include "widget_events.h"
#include "zv_resources.h"

#include <QAbstractButton>
#include <QtTest>

namespace {

// Counts the style changes of a widget and its children, by name.
class StyleChanges : public QObject
{
public:
    explicit StyleChanges(QWidget* root)
    {
        root->installEventFilter(this);
        for (QWidget* w : root->findChildren<QWidget*>())
            w->installEventFilter(this);
    }
    QStringList changed;

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::StyleChange)
            changed << o->objectName();
        return false;
    }
};

// What the operator sees of every key, lamp and box: each widget's style sheet.
QStringList looks(const QWidget* panel)
{
    QStringList s;
    for (const QWidget* w : panel->findChildren<QWidget*>())
        s << w->objectName() + QLatin1Char('=') + w->styleSheet();
    return s;
}

int panelIndex(const char* name)
{
    const auto& all = DumpPanels::all();
    for (size_t i = 0; i < all.size(); ++i)
        if (qstrcmp(all[i].name, name) == 0)
            return int(i);
    qFatal("no panel %s", name);
}

} // namespace

class tst_panel_dumps : public QObject
{
    Q_OBJECT
    QScopedPointer<SwitcherWire> m_wire;

    QWidget* open(int index)
    {
        QWidget* panel = DumpPanels::open(DumpPanels::all()[size_t(index)]);
        m_wire->nextCommand();  // the state request
        return panel;
    }
    // Anything a first dump starts from the event loop (a stream slot read back) is done and taken.
    void settle()
    {
        QTest::qWait(300);
        m_wire->commands();
    }

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire.reset(new SwitcherWire);
        QVERIFY(m_wire->isBound());
    }
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void repeatedDumpChangesNothing_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QByteArray>("dump");
        for (size_t i = 0; i < DumpPanels::all().size(); ++i) {
            const char* name = DumpPanels::all()[i].name;
            QTest::addRow("%s, in use", name) << int(i) << DumpPanels::fullDump();
            QTest::addRow("%s, other state", name) << int(i) << DumpPanels::otherDump();
        }
    }
    void repeatedDumpChangesNothing()
    {
        QFETCH(int, panel);
        QFETCH(QByteArray, dump);
        QScopedPointer<QWidget> p(open(panel));
        DumpPanels::feed(p.data(), dump);
        settle();
        StyleChanges seen(p.data());
        DumpPanels::feed(p.data(), dump);
        QCOMPARE(seen.changed, QStringList());
        QVERIFY(m_wire->nothingSent());
    }

    // The panels that apply every dump whole; the edition panels apply a later
    // dump's changed field groups only, so an unchanged dump leaves them be.
    void dumpAfterKeyPressRestores_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("key");
        const struct {
            const char* panel;
            const char* key;
        } rows[] = {{"Druvela", "btn_still"},   {"Druvela", "btn_pgm_3"},     {"Druvela", "btn_ch1"},
                    {"Kavrelo", "btn_still"},   {"Kavrelo", "btn_pgm_3"},     {"Kavrelo", "btn_ch1"},
                    {"Sarnowe", "btn_still"},   {"Sarnowe", "btn_pgm_3"},     {"Tavrine", "btn_pgm_Still"},
                    {"Tavrine", "btn_pgm_3"},   {"Quillet", "btn_still"},     {"Quillet", "btn_pgm_3"},
                    {"Venadro", "btn_still"},   {"Venadro", "btn_mix"},       {"TesmondUI", "btn_still"},
                    {"TesmondUI", "btn_pgm_3"}, {"OriskanUI", "btn_still"},   {"OriskanUI", "btn_pgm_3"},
                    {"Lunesko", "btn_still"},   {"Lunesko", "btn_pgm_3"},     {"Mirelth", "btn_pgm_Still"},
                    {"Mirelth", "btn_pgm_3"}};
        for (const auto& r : rows)
            QTest::addRow("%s, %s", r.panel, r.key) << panelIndex(r.panel) << QString::fromLatin1(r.key);
    }
    void dumpAfterKeyPressRestores()
    {
        QFETCH(int, panel);
        QFETCH(QString, key);
        QScopedPointer<QWidget> p(open(panel));
        const QByteArray dump = DumpPanels::fullDump();
        DumpPanels::feed(p.data(), dump);
        settle();
        const QStringList device = looks(p.data());
        QTest::mouseClick(namedChild<QAbstractButton>(p.data(), key), Qt::LeftButton);
        QVERIFY(looks(p.data()) != device);
        DumpPanels::feed(p.data(), dump);
        QCOMPARE(looks(p.data()), device);
    }
};

QTEST_MAIN(tst_panel_dumps)
#include "tst_panel_dumps.moc"
