// Centring on the primary screen's available area: the rule measures from
// (0, 0) of the area's size, and a window's top-left never leaves the area.

#include "window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

class TestWindowPlacement : public QObject
{
    Q_OBJECT

private slots:
    void centredOrigin_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("window");
        QTest::addColumn<QPoint>("origin");
        const QRect fullHd(0, 0, 1920, 1080);
        const QRect laptop(0, 0, 1440, 900);
        QTest::newRow("smaller window, centred") << fullHd << QSize(800, 600) << QPoint(560, 240);
        QTest::newRow("exact fit") << laptop << QSize(1440, 900) << QPoint(0, 0);
        QTest::newRow("4K panel on a 900-pixel screen") << laptop << QSize(1600, 1000) << QPoint(0, 0);
        QTest::newRow("taller only: the title bar stays on screen") << laptop << QSize(1000, 1000) << QPoint(220, 0);
        QTest::newRow("wider only") << laptop << QSize(1500, 500) << QPoint(0, 200);
        QTest::newRow("one pixel taller") << laptop << QSize(1000, 901) << QPoint(220, 0);
        // A bar along the top: the rule keeps measuring from (0, 0).
        const QRect underABar(0, 30, 1920, 1050);
        QTest::newRow("under a top bar") << underABar << QSize(800, 600) << QPoint(560, 225);
        QTest::newRow("under a top bar, taller than the area") << underABar << QSize(800, 1200) << QPoint(560, 30);
        // The primary screen right of another one: centring from (0, 0) lands off it.
        QTest::newRow("primary screen right of another")
            << QRect(1920, 0, 1920, 1080) << QSize(800, 600) << QPoint(1920, 240);
        QTest::newRow("primary screen left of another, taller")
            << QRect(-1440, 0, 1440, 900) << QSize(800, 1000) << QPoint(-1440, 0);
    }
    void centredOrigin()
    {
        QFETCH(QRect, available);
        QFETCH(QSize, window);
        QFETCH(QPoint, origin);
        const QPoint at = WindowPlacement::centredOrigin(available, window);
        QCOMPARE(at, origin);
        QVERIFY(available.contains(at));
    }

    // A window is moved only as far as it takes to come inside the area.
    void keptInside_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QPoint>("origin");
        const QRect fullHd(0, 0, 1920, 1080);
        QTest::newRow("inside: stays") << fullHd << QRect(106, 500, 650, 370) << QPoint(106, 500);
        QTest::newRow("below: up to the bottom edge") << fullHd << QRect(106, 900, 650, 370) << QPoint(106, 710);
        QTest::newRow("left of it: right to the edge") << QRect(0, 0, 1366, 768) << QRect(-3, 344, 650, 370) << QPoint(0, 344);
        QTest::newRow("past the right edge") << fullHd << QRect(1500, 10, 650, 370) << QPoint(1270, 10);
        QTest::newRow("above a top bar") << QRect(0, 27, 1366, 741) << QRect(10, 0, 650, 370) << QPoint(10, 27);
        QTest::newRow("taller than the area: its top edge") << QRect(0, 30, 800, 600) << QRect(0, 500, 100, 700) << QPoint(0, 30);
        QTest::newRow("second screen") << QRect(1920, 0, 1280, 1024) << QRect(2000, 900, 650, 370) << QPoint(2000, 654);
    }
    void keptInside()
    {
        QFETCH(QRect, available);
        QFETCH(QRect, wanted);
        QFETCH(QPoint, origin);
        QCOMPARE(WindowPlacement::keptInside(available, wanted), origin);
    }

    // The same on the screen the tests run on, through the widget.
    void centreKeepsALargeWindowOnScreen()
    {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget w;
        w.resize(area.width() + 200, area.height() + 100);
        WindowPlacement::centre(&w);
        QCOMPARE(w.pos(), area.topLeft());
        w.resize(area.width() / 2, area.height() / 2);
        WindowPlacement::centre(&w);
        QCOMPARE(w.pos(), QPoint((area.width() - w.width()) / 2, (area.height() - w.height()) / 2));
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_window_placement.moc"
