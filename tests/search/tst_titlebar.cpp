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

void send(QWidget *target, QEvent::Type type, QPoint local, QPoint global, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QPushButton *stripButton(TOP_PAGE *strip, const char *imageName)
{
    const auto buttons = strip->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->styleSheet().contains(QLatin1String(imageName)))
            return b;
    }
    return nullptr;
}

} // namespace

class tst_titlebar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { zvInitResources(); }
    void dragMovesTheWindow_data();
    void dragMovesTheWindow();
    void moveWithoutPressDoesNothing();
    void pressOnAButtonStartsNoDrag();
    void closeButtonClosesTheWindow();
    void minimiseButtonMinimisesTheWindow();
    void stripWithoutParentIgnoresEverything();
};

void tst_titlebar::dragMovesTheWindow_data()
{
    QTest::addColumn<QList<QPoint>>("steps");
    QTest::addColumn<QPoint>("expected");
    QTest::newRow("100 px right") << QList<QPoint>{{100, 0}} << QPoint(100, 0);
    QTest::newRow("in three steps, back and forth")
        << QList<QPoint>{{30, 5}, {-10, 20}, {80, -5}} << QPoint(100, 20);
    QTest::newRow("up and left") << QList<QPoint>{{-40, -30}} << QPoint(-40, -30);
}

void tst_titlebar::dragMovesTheWindow()
{
    QFETCH(QList<QPoint>, steps);
    QFETCH(QPoint, expected);
    Framed f;
    QVERIFY(QTest::qWaitForWindowExposed(&f.window));
    const QPoint start = f.window.pos();
    QPoint global(500, 500);
    const QPoint local(200, 10);
    send(f.strip, QEvent::MouseButtonPress, local, global, Qt::LeftButton);
    for (const QPoint &step : steps) {
        global += step;
        send(f.strip, QEvent::MouseMove, local, global, Qt::LeftButton);
    }
    send(f.strip, QEvent::MouseButtonRelease, local, global, Qt::NoButton);
    QCOMPARE(f.window.pos(), start + expected);

    // After the release the strip no longer drags.
    send(f.strip, QEvent::MouseMove, local, global + QPoint(50, 50), Qt::NoButton);
    QCOMPARE(f.window.pos(), start + expected);
}

void tst_titlebar::moveWithoutPressDoesNothing()
{
    Framed f;
    const QPoint start = f.window.pos();
    send(f.strip, QEvent::MouseMove, QPoint(10, 10), QPoint(300, 300), Qt::NoButton);
    send(f.strip, QEvent::MouseMove, QPoint(10, 10), QPoint(400, 300), Qt::NoButton);
    QCOMPARE(f.window.pos(), start);
}

void tst_titlebar::pressOnAButtonStartsNoDrag()
{
    Framed f;
    QPushButton *min = stripButton(f.strip, "min.png");
    QVERIFY(min);
    const QPoint start = f.window.pos();
    send(min, QEvent::MouseButtonPress, QPoint(5, 5), QPoint(300, 300), Qt::LeftButton);
    send(f.strip, QEvent::MouseMove, QPoint(10, 10), QPoint(400, 300), Qt::LeftButton);
    QCOMPARE(f.window.pos(), start);
}

void tst_titlebar::closeButtonClosesTheWindow()
{
    Framed f;
    QPushButton *close = stripButton(f.strip, "close.png");
    QVERIFY(close);
    QVERIFY(f.window.isVisible());
    QTest::mouseClick(close, Qt::LeftButton);
    QVERIFY(!f.window.isVisible());
}

void tst_titlebar::minimiseButtonMinimisesTheWindow()
{
    Framed f;
    QPushButton *min = stripButton(f.strip, "min.png");
    QVERIFY(min);
    QTest::mouseClick(min, Qt::LeftButton);
    QTRY_VERIFY(f.window.windowState() & Qt::WindowMinimized);
}

void tst_titlebar::stripWithoutParentIgnoresEverything()
{
    TOP_PAGE strip;
    strip.resize(400, 20);
    strip.show();
    QVERIFY(QTest::qWaitForWindowExposed(&strip));
    const QPoint start = strip.pos();
    QTest::mouseClick(stripButton(&strip, "close.png"), Qt::LeftButton);
    QTest::mouseClick(stripButton(&strip, "min.png"), Qt::LeftButton);
    QVERIFY(strip.isVisible());
    QVERIFY(!(strip.windowState() & Qt::WindowMinimized));
    send(&strip, QEvent::MouseButtonPress, QPoint(200, 10), QPoint(500, 500), Qt::LeftButton);
    send(&strip, QEvent::MouseMove, QPoint(200, 10), QPoint(600, 500), Qt::LeftButton);
    send(&strip, QEvent::MouseButtonRelease, QPoint(200, 10), QPoint(600, 500), Qt::NoButton);
    QCOMPARE(strip.pos(), start);
}

QTEST_MAIN(tst_titlebar)
#include "tst_titlebar.moc"
