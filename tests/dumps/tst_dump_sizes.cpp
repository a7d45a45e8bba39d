// Every panel that applies a state dump, fed its smallest dump through its
// own command layer: its last byte read plus four, so that byte lies before
// the checksum. One byte short (that byte then falls on the checksum)
// changes nothing on the panel or its windows; exactly that size is applied.

#include "dump_panels.h"
#include "panel_rig.h"
#include "zv_resources.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// What the operator could see of every window: faces, texts, values, choices, enabling, visibility.
// The series-8 SET windows' serial line is left out: it reads bytes of its own
// on every full-state reply, and each of these dumps holds them.
QStringList snapshot()
{
    QStringList all;
    for (QWidget* w : QApplication::allWidgets()) {
        if (w->objectName() == QLatin1String("label_SM"))
            continue;
        QString s = w->objectName() + QLatin1Char('|') + QLatin1String(w->metaObject()->className()) +
                    QLatin1Char('|') + w->styleSheet() + QLatin1Char('|') + QString::number(w->isEnabled()) +
                    QString::number(w->isHidden());
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            s += b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            s += l->text();
        else if (auto* e = qobject_cast<QLineEdit*>(w))
            s += e->text();
        else if (auto* v = qobject_cast<QAbstractSlider*>(w))
            s += QString::number(v->value());
        else if (auto* n = qobject_cast<QSpinBox*>(w))
            s += QString::number(n->value());
        else if (auto* c = qobject_cast<QComboBox*>(w))
            s += QString::number(c->currentIndex());
        all << s;
    }
    all.sort();
    return all;
}

// Each panel's last record byte read and so its smallest dump; a panel added to
// DumpPanels without a line here fails.
const QMap<QByteArray, int> kSmallestDump = {
    {"Oriskan_NEW", 133 + 4},  // F7 mode (was 134)
    {"Corvane", 110 + 4},      // HDR (was 111)
    {"Druvela", 109 + 4},      // microphone volume (was 110)
    {"Kavrelo", 119 + 4},      // PVW under AUX (was 120)
    {"Sarnowe", 110 + 4},      // HDR (was 111)
    {"Lunesko", 110 + 4},      // HDR
    {"Tavrine", 109 + 4},      // microphone volume
    {"Quillet", 56 + 4},       // mute (was 57)
    {"Venadro", 56 + 4},       // mute (was 57)
    {"TesmondUI", 56 + 4},     // mute (was 57)
    {"OriskanUI", 165 + 4},    // F8 state (was 166)
    {"Mirelth", 120 + 4},      // storage keys (was 121)
};

} // namespace

class tst_dump_sizes : public QObject
{
    Q_OBJECT
    QScopedPointer<SwitcherWire> m_wire;

private slots:
    void initTestCase()
    {
        zvInitResources();
        m_wire.reset(new SwitcherWire);
        QVERIFY(m_wire->isBound());
    }

    void smallestDump_data()
    {
        QTest::addColumn<int>("index");
        const auto& all = DumpPanels::all();
        for (size_t i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name) << int(i);
    }
    void smallestDump()
    {
        QFETCH(int, index);
        const DumpPanels::Entry& e = DumpPanels::all()[size_t(index)];
        QVERIFY2(kSmallestDump.contains(e.name), e.name);
        const int size = kSmallestDump.value(e.name);
        std::unique_ptr<QWidget> panel(DumpPanels::open(e));
        // PGM 2, a source none of them shows at the start.
        const QStringList before = snapshot();
        DumpPanels::feed(panel.get(), EditionFrames::stateDump({{0, 2}}, 0, 0, size - 1));
        QCOMPARE(snapshot(), before);
        DumpPanels::feed(panel.get(), EditionFrames::stateDump({{0, 2}}, 0, 0, size));
        QVERIFY(snapshot() != before);
        QVERIFY(!updateDevStateEnable);
    }
};

QTEST_MAIN(tst_dump_sizes)
#include "tst_dump_sizes.moc"
