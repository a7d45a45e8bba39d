// Show (widget_show.h): a state the widget already shows costs no restyle, no
// signal and no event; any other state ends as the plain setter leaves it,
// also where the setter's own rules (ranges, a disabled or hidden parent, a
// half-typed field) make "already shown" less obvious.

#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QtTest>

#include <functional>

namespace {

// The events a repeated state must not cause.
class Changes : public QObject
{
public:
    explicit Changes(QWidget* w) { w->installEventFilter(this); }
    QList<QEvent::Type> seen;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::StyleChange:
        case QEvent::EnabledChange:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
            seen << e->type();
            break;
        default:
            break;
        }
        return false;
    }
};

using Apply = std::function<bool(QWidget*)>;
using Make = std::function<QWidget*(QWidget* parent)>;

} // namespace

Q_DECLARE_METATYPE(Apply)
Q_DECLARE_METATYPE(Make)

class tst_widget_show : public QObject
{
    Q_OBJECT

private slots:
    void secondTimeChangesNothing_data()
    {
        QTest::addColumn<Make>("make");
        QTest::addColumn<Apply>("apply");
        QTest::addColumn<QByteArray>("signal");  // what the widget would announce
        QTest::newRow("sheet") << Make([](QWidget* p) { return new QPushButton(p); })
                               << Apply([](QWidget* w) { return Show::sheet(w, QStringLiteral("QPushButton{color:red}")); })
                               << QByteArray();
        QTest::newRow("label text") << Make([](QWidget* p) { return new QLabel(p); })
                                    << Apply([](QWidget* w) { return Show::text(static_cast<QLabel*>(w), "IN1"); })
                                    << QByteArray();
        QTest::newRow("key text") << Make([](QWidget* p) { return new QPushButton(p); })
                                  << Apply([](QWidget* w) { return Show::text(static_cast<QPushButton*>(w), "AFV"); })
                                  << QByteArray();
        QTest::newRow("field text") << Make([](QWidget* p) { return new QLineEdit(p); })
                                    << Apply([](QWidget* w) { return Show::text(static_cast<QLineEdit*>(w), "rtmp"); })
                                    << QByteArray(SIGNAL(textChanged(QString)));
        QTest::newRow("fader") << Make([](QWidget* p) { return new QSlider(p); })
                               << Apply([](QWidget* w) { return Show::value(static_cast<QSlider*>(w), 60); })
                               << QByteArray(SIGNAL(valueChanged(int)));
        QTest::newRow("spin box") << Make([](QWidget* p) {
            auto* s = new QSpinBox(p);
            s->setRange(0, 1920);
            s->setSuffix(QStringLiteral(" px"));
            return s;
        }) << Apply([](QWidget* w) { return Show::value(static_cast<QSpinBox*>(w), 1080); })
                                  << QByteArray(SIGNAL(valueChanged(int)));
        QTest::newRow("list") << Make([](QWidget* p) {
            auto* c = new QComboBox(p);
            c->addItems({QStringLiteral("OFF"), QStringLiteral("ON")});
            return c;
        }) << Apply([](QWidget* w) { return Show::index(static_cast<QComboBox*>(w), 1); })
                              << QByteArray(SIGNAL(currentIndexChanged(int)));
        QTest::newRow("checked") << Make([](QWidget* p) {
            auto* b = new QPushButton(p);
            b->setCheckable(true);
            return b;
        }) << Apply([](QWidget* w) { return Show::checked(static_cast<QPushButton*>(w), true); })
                                 << QByteArray(SIGNAL(toggled(bool)));
        QTest::newRow("disabled") << Make([](QWidget* p) { return new QPushButton(p); })
                                  << Apply([](QWidget* w) { return Show::enabled(w, false); }) << QByteArray();
        QTest::newRow("hidden") << Make([](QWidget* p) { return new QPushButton(p); })
                                << Apply([](QWidget* w) { return Show::visible(w, false); }) << QByteArray();
    }
    void secondTimeChangesNothing()
    {
        QFETCH(Make, make);
        QFETCH(Apply, apply);
        QFETCH(QByteArray, signal);
        QWidget window;
        QWidget* w = make(&window);
        window.show();
        QVERIFY(apply(w));
        Changes changes(w);
        QScopedPointer<QSignalSpy> spy(signal.isEmpty() ? nullptr : new QSignalSpy(w, signal.constData()));
        QVERIFY(!apply(w));
        QCOMPARE(changes.seen, QList<QEvent::Type>());
        if (spy)
            QCOMPARE(spy->count(), 0);
    }

    // A field the operator left half typed shows the value again, as after the plain setter.
    void halfTypedFieldShowsValueAgain()
    {
        QSpinBox box;
        box.setRange(0, 100);
        box.show();
        QVERIFY(Show::value(&box, 42));
        box.findChild<QLineEdit*>()->setText(QString());
        QVERIFY(Show::value(&box, 42));
        QCOMPARE(box.text(), QStringLiteral("42"));
    }

    // A value past the range shows as the nearest end: nothing to do when that end shows.
    void valuePastRange()
    {
        QSlider fader;
        fader.setRange(0, 100);
        fader.setValue(100);
        QVERIFY(!Show::value(&fader, 150));
        QVERIFY(Show::value(&fader, -5));
        QCOMPARE(fader.value(), 0);
        QSpinBox box;
        box.setRange(2, 7);
        box.setValue(7);
        QVERIFY(!Show::value(&box, 9));
    }

    // An index the list lacks clears it, as the setter does.
    void indexPastList()
    {
        QComboBox list;
        list.addItems({QStringLiteral("S"), QStringLiteral("M"), QStringLiteral("L")});
        list.setCurrentIndex(1);
        QVERIFY(Show::index(&list, 7));
        QCOMPARE(list.currentIndex(), -1);
    }

    // Disabled (or hidden) only through its parent is not the widget's own
    // state: asked for, it is set, and outlasts the parent's change.
    void ownStateUnderParent()
    {
        QWidget parent;
        auto* key = new QPushButton(&parent);
        parent.show();
        parent.setEnabled(false);
        QVERIFY(Show::enabled(key, false));
        parent.setEnabled(true);
        QVERIFY(!key->isEnabled());

        parent.hide();
        QVERIFY(Show::visible(key, false));
        parent.show();
        QVERIFY(!key->isVisible());
        QVERIFY(Show::visible(key, true));
        QVERIFY(key->isVisible());
    }

    void nullWidget()
    {
        QVERIFY(!Show::sheet(nullptr, QStringLiteral("x")));
        QVERIFY(!Show::value(static_cast<QSpinBox*>(nullptr), 1));
        QVERIFY(!Show::enabled(nullptr, true));
    }
};

QTEST_MAIN(tst_widget_show)
#include "tst_widget_show.moc"
