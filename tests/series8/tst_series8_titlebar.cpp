// The series-8 title strips: a drag moves their window by the exact mouse
// displacement; the main strip drags with any button, the sub-window strip
// with the left one only; minimise minimises the window; close ends the
// application with code 0 (in a child process, as it ends every event loop).

#include "ambrelo_top.h"
#include "image_button.h"
#include "zv_resources.h"

#include <QMouseEvent>
#include <QProcess>
#include <QtTest>

using Steps = QList<QPoint>;

namespace {

void send(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPoint(5, 5), global, button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Press with `button` (or no press), move by each step, release; then one more
// move, which must not drag any more.
void drag(QWidget* strip, bool press, Qt::MouseButton button, const Steps& steps)
{
    QPoint global(500, 500);
    if (press)
        send(strip, QEvent::MouseButtonPress, global, button, button);
    for (const QPoint& step : steps)
        send(strip, QEvent::MouseMove, global += step, Qt::NoButton, press ? Qt::MouseButtons(button) : Qt::NoButton);
    send(strip, QEvent::MouseButtonRelease, global, button, Qt::NoButton);
    send(strip, QEvent::MouseMove, global + QPoint(50, 50), Qt::NoButton, Qt::NoButton);
}

QWidget* makeStrip(bool sub, QWidget* window)
{
    return sub ? static_cast<QWidget*>(new Ambrelo_subWinTOP(window)) : new Ambrelo_TOP(window);
}

} // namespace

class tst_series8_titlebar : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { zvInitResources(); }
    void drag_data();
    void drag();
    void stripWithoutWindowIgnoresDrags_data();
    void stripWithoutWindowIgnoresDrags();
    void minimiseMinimisesTheWindow();
    void closeEndsTheApplicationWithZero();
    void looks();
};

void tst_series8_titlebar::drag_data()
{
    QTest::addColumn<bool>("sub");
    QTest::addColumn<bool>("press");
    QTest::addColumn<int>("button");
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QPoint>("moved");

    for (bool sub : {false, true}) {
        const QByteArray bar = sub ? "sub-window strip: " : "main strip: ";
        QTest::newRow(bar + "100 px right") << sub << true << int(Qt::LeftButton) << Steps{{100, 0}} << QPoint(100, 0);
        QTest::newRow(bar + "three steps") << sub << true << int(Qt::LeftButton)
                                          << Steps{{30, 5}, {-10, 20}, {80, -5}} << QPoint(100, 20);
        QTest::newRow(bar + "up and left") << sub << true << int(Qt::LeftButton) << Steps{{-40, -30}} << QPoint(-40, -30);
        QTest::newRow(bar + "no move, no jump") << sub << true << int(Qt::LeftButton) << Steps{{0, 0}} << QPoint();
        QTest::newRow(bar + "moves without a press") << sub << false << int(Qt::LeftButton) << Steps{{100, 0}} << QPoint();
        QTest::newRow(bar + "right button") << sub << true << int(Qt::RightButton) << Steps{{60, 10}}
                                           << (sub ? QPoint() : QPoint(60, 10));
        QTest::newRow(bar + "middle button") << sub << true << int(Qt::MiddleButton) << Steps{{-5, 7}}
                                            << (sub ? QPoint() : QPoint(-5, 7));
    }
}

void tst_series8_titlebar::drag()
{
    QFETCH(bool, sub);
    QFETCH(bool, press);
    QFETCH(int, button);
    QFETCH(Steps, steps);
    QFETCH(QPoint, moved);

    QWidget window;
    QWidget* strip = makeStrip(sub, &window);
    window.move(100, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QPoint start = window.pos();
    ::drag(strip, press, Qt::MouseButton(button), steps);
    QCOMPARE(window.pos(), start + moved);
}

void tst_series8_titlebar::stripWithoutWindowIgnoresDrags_data()
{
    QTest::addColumn<bool>("sub");
    QTest::newRow("main strip") << false;
    QTest::newRow("sub-window strip") << true;
}

void tst_series8_titlebar::stripWithoutWindowIgnoresDrags()
{
    QFETCH(bool, sub);
    QScopedPointer<QWidget> strip(makeStrip(sub, nullptr));
    strip->show();
    QVERIFY(QTest::qWaitForWindowExposed(strip.data()));
    const QPoint start = strip->pos();
    ::drag(strip.data(), true, Qt::LeftButton, {{100, 0}});
    QCOMPARE(strip->pos(), start);
}

void tst_series8_titlebar::minimiseMinimisesTheWindow()
{
    QWidget window;
    auto* strip = new Ambrelo_TOP(&window);
    window.show();
    QTest::mouseClick(buttonShowing(strip, "min.png"), Qt::LeftButton);
    QTRY_VERIFY(window.windowState() & Qt::WindowMinimized);
    QVERIFY(!(strip->windowState() & Qt::WindowMinimized));
}

void tst_series8_titlebar::closeEndsTheApplicationWithZero()
{
    QProcess harness;
    harness.setProcessChannelMode(QProcess::ForwardedChannels);
    harness.start(QStringLiteral(ZV_CLOSE_HARNESS), QStringList());
    QVERIFY(harness.waitForStarted());
    QVERIFY(harness.waitForFinished(120000));
    QCOMPARE(harness.exitStatus(), QProcess::NormalExit);
    QCOMPARE(harness.exitCode(), 0);
}

// The strips as the operator sees them, saved for a look.
void tst_series8_titlebar::looks()
{
    QWidget window;
    window.resize(400, 60);
    auto* top = new Ambrelo_TOP(&window);
    top->setGeometry(0, 0, 400, 30);
    auto* sub = new Ambrelo_subWinTOP(&window);
    sub->setGeometry(0, 36, 300, 22);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QImage shot = window.grab().toImage();
    shot.save(QStringLiteral("/tmp/zv_series8_titlebars.png"));
    // The dark strip shows under each logo's right (no plain window grey).
    QVERIFY(qGray(shot.pixel(300, 3)) < 0x30);
    QVERIFY(qGray(shot.pixel(250, 40)) < 0x30);
}

QTEST_MAIN(tst_series8_titlebar)
#include "tst_series8_titlebar.moc"
