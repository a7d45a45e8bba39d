#include "image_button.h"
#include "top_page.h"
#include "zv_resources.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {

// A frameless window with the strip on top, as the windows build it.
struct Framed
{
    QWidget window;
    TOP_PAGE *strip;

    Framed()
        : strip(new TOP_PAGE(&window))
    {
        window.setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
        window.resize(400, 300);
        strip->setGeometry(0, 0, 400, 20);
        window.move(100, 100);
        window.show();
    }
};

void send(QWidget *target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const QPoint local = qobject_cast<TOP_PAGE *>(target) ? QPoint(200, 10) : QPoint(5, 5);
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press on `pressed` (the strip, a button's picture, or nothing when empty), move the mouse by each step on the strip, release.
void drag(TOP_PAGE *strip, const QString &pressed, const QList<QPoint> &steps)
{
    QPoint global(500, 500);
    if (pressed == QLatin1String("strip"))
        send(strip, QEvent::MouseButtonPress, global, Qt::LeftButton);
    else if (!pressed.isEmpty())
        send(buttonShowing(strip, qPrintable(pressed)), QEvent::MouseButtonPress, global, Qt::LeftButton);
    for (const QPoint &step : steps) {
        global += step;
        send(strip, QEvent::MouseMove, global, pressed.isEmpty() ? Qt::NoButton : Qt::LeftButton);
    }
    send(strip, QEvent::MouseButtonRelease, global, Qt::NoButton);
    // After the release the strip no longer drags.
    send(strip, QEvent::MouseMove, global + QPoint(50, 50), Qt::NoButton);
}

} // namespace

class tst_titlebar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { zvInitResources(); }
    void drag_data();
    void drag();
    void buttons();
    void stripWithoutParentIgnoresEverything();
};

void tst_titlebar::drag_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("100 px right") << "strip" << QList<QPoint>{{100, 0}} << QPoint(100, 0);
    QTest::newRow("in three steps, back and forth")
        << "strip" << QList<QPoint>{{30, 5}, {-10, 20}, {80, -5}} << QPoint(100, 20);
    QTest::newRow("up and left") << "strip" << QList<QPoint>{{-40, -30}} << QPoint(-40, -30);
    QTest::newRow("moves without a press") << "" << QList<QPoint>{{100, 0}} << QPoint();
    QTest::newRow("press on a button starts no drag") << "min.png" << QList<QPoint>{{100, 0}} << QPoint();
}

void tst_titlebar::drag()
{
    QFETCH(QString, pressed);
    QFETCH(QList<QPoint>, steps);
    QFETCH(QPoint, expected);
    Framed f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QPoint start = f.window.pos();
    ::drag(f.strip, pressed, steps);
    QCOMPARE(f.window.pos(), start + expected);
}

void tst_titlebar::buttons()
{
    Framed f;
    QTest::mouseClick(buttonShowing(f.strip, "min.png"), Qt::LeftButton);
    QTRY_VERIFY(f.window.windowState() & Qt::WindowMinimized);
    QVERIFY(f.window.isVisible());
    QTest::mouseClick(buttonShowing(f.strip, "close.png"), Qt::LeftButton);
    QVERIFY(!f.window.isVisible());
}

void tst_titlebar::stripWithoutParentIgnoresEverything()
{
    TOP_PAGE strip;
    strip.resize(400, 20);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const QPoint start = strip.pos();
    QTest::mouseClick(buttonShowing(&strip, "close.png"), Qt::LeftButton);
    QTest::mouseClick(buttonShowing(&strip, "min.png"), Qt::LeftButton);
    QVERIFY(strip.isVisible());
    QVERIFY(!(strip.windowState() & Qt::WindowMinimized));
    ::drag(&strip, QStringLiteral("strip"), {{100, 0}});
    QCOMPARE(strip.pos(), start);
}

QTEST_MAIN(tst_titlebar)
#include "tst_titlebar.moc"
