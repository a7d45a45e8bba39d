// The title strip of the frameless windows: dragging moves its window, its buttons minimise and
// close it, and a strip without a window does nothing.

#include "image_button.h"
#include "top_page.h"
#include "zv_resources.h"

#include <QMouseEvent>
#include <QtTest>

namespace {

void send(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPoint(5, 5), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press on `pressed` (the strip, a button's picture, or nothing when empty), move by each step
// on the strip, release; after the release the strip no longer drags.
void drag(TOP_PAGE* strip, const QString& pressed, const QList<QPoint>& steps)
{
    QPoint global(500, 500);
    if (!pressed.isEmpty())
        send(pressed == QLatin1String("strip") ? static_cast<QWidget*>(strip) : buttonShowing(strip, qPrintable(pressed)),
             QEvent::MouseButtonPress, global, Qt::LeftButton);
    for (const QPoint& step : steps)
        send(strip, QEvent::MouseMove, global += step, pressed.isEmpty() ? Qt::NoButton : Qt::LeftButton);
    send(strip, QEvent::MouseButtonRelease, global, Qt::NoButton);
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
    void stripWithoutWindowIgnoresEverything();
};

void tst_titlebar::drag_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("100 px right") << "strip" << QList<QPoint>{{100, 0}} << QPoint(100, 0);
    QTest::newRow("three steps, back and forth") << "strip" << QList<QPoint>{{30, 5}, {-10, 20}, {80, -5}} << QPoint(100, 20);
    QTest::newRow("up and left") << "strip" << QList<QPoint>{{-40, -30}} << QPoint(-40, -30);
    QTest::newRow("moves without a press") << "" << QList<QPoint>{{100, 0}} << QPoint();
    QTest::newRow("press on a button starts no drag") << "min.png" << QList<QPoint>{{100, 0}} << QPoint();
}

void tst_titlebar::drag()
{
    QFETCH(QString, pressed);
    QFETCH(QList<QPoint>, steps);
    QFETCH(QPoint, expected);
    QWidget window;
    auto* strip = new TOP_PAGE(&window);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    ::drag(strip, pressed, steps);
    QCOMPARE(window.pos(), start + expected);
}

void tst_titlebar::buttons()
{
    QWidget window;
    auto* strip = new TOP_PAGE(&window);
    window.show();
    QTest::mouseClick(buttonShowing(strip, "min.png"), Qt::LeftButton);
    QTRY_VERIFY(window.windowState() & Qt::WindowMinimized);
    QVERIFY(window.isVisible());
    QTest::mouseClick(buttonShowing(strip, "close.png"), Qt::LeftButton);
    QVERIFY(!window.isVisible());
}

void tst_titlebar::stripWithoutWindowIgnoresEverything()
{
    TOP_PAGE strip;
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
