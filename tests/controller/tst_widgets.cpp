// The panels' own widgets: the camera joystick (where a drag puts the knob, what
// it paints, the position bytes that reach the switcher), the title strip of the
// settings windows, the pop-up button and the click-to-position slider.

#include "wire_rig.h"
#include "widget_events.h"
#include "joystick_page.h"
#include "my_button.h"
#include "my_lable.h"
#include "my_slider.h"
#include "zv_resources.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest>

using rig::Rig;

namespace {

struct Pad
{
    Pad()
    {
        pad.resize(128, 128);
        pad.getOnlyfunPoint(r.fun.get());
    }
    // One repaint, as a drag's update() would cause; returns what it sent.
    QStringList paint()
    {
        image = pad.grab().toImage();
        return r.frames();
    }
    Rig r{0x69};
    Joystick_PAGE pad;
    QImage image;
};

bool knobAt(const QImage& img, QPoint p)
{
    // The knob picture is light, the pad's base is dark.
    return qGray(img.pixel(p)) > 128;
}

} // namespace

class TestWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { zvInitResources(); }

    void dragSends_data()
    {
        QTest::addColumn<QPoint>("press");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("knob");
        QTest::addColumn<QStringList>("frames");

        QTest::newRow("10 px right") << QPoint(64, 64) << QPoint(74, 64) << QPoint(74, 64) << QStringList{"b5 0a 40"};
        QTest::newRow("left, inside the free radius")
            << QPoint(64, 64) << QPoint(20, 64) << QPoint(20, 64) << QStringList{"b5 54 40"};
        QTest::newRow("far up-left: held at the rim")
            << QPoint(64, 64) << QPoint(0, 0) << QPoint(33, 33) << QStringList{"b5 61 61"};
        QTest::newRow("far down-right: held at the rim")
            << QPoint(60, 60) << QPoint(200, 200) << QPoint(95, 95) << QStringList{"b5 1f 1f"};
        QTest::newRow("straight below and far: knob stays")
            << QPoint(64, 64) << QPoint(64, 140) << QPoint(64, 64) << QStringList{"b5 40 40"};
        QTest::newRow("straight up at the edge: full tilt up")
            << QPoint(64, 64) << QPoint(64, 0) << QPoint(64, 0) << QStringList{"b5 40 41"};
        QTest::newRow("right edge clamped to 128: full tilt right")
            << QPoint(64, 64) << QPoint(130, 64) << QPoint(128, 64) << QStringList{"b5 3f 40"};
        QTest::newRow("just inside the right edge") << QPoint(64, 64) << QPoint(127, 64) << QPoint(127, 64)
                                                    << QStringList{"b5 3f 40"};
        QTest::newRow("press beyond radius 90 grabs nothing")
            << QPoint(164, 64) << QPoint(70, 70) << QPoint(64, 64) << QStringList();
    }
    void dragSends()
    {
        QFETCH(QPoint, press);
        QFETCH(QPoint, to);
        QFETCH(QPoint, knob);
        QFETCH(QStringList, frames);
        Pad p;
        sendMouse(&p.pad, QEvent::MouseButtonPress, press);
        QCOMPARE(p.paint(), QStringList());
        sendMouse(&p.pad, QEvent::MouseMove, to);
        QCOMPARE(p.pad.knobCentre(), knob);
        QCOMPARE(p.paint(), frames);
        if (knob.x() > 2 && knob.x() < 126 && knob.y() > 2 && knob.y() < 126)
            QVERIFY(knobAt(p.image, knob));
        // Every repaint while moved sends again.
        QCOMPARE(p.paint(), frames);
    }

    void releaseRecentresWithoutAFrame()
    {
        Pad p;
        sendMouse(&p.pad, QEvent::MouseButtonPress, QPoint(64, 64));
        sendMouse(&p.pad, QEvent::MouseMove, QPoint(20, 64));
        {
            DevStateGuard replying; // a repaint while a reply is applied sends nothing
            QCOMPARE(p.paint(), QStringList());
        }
        QCOMPARE(p.paint(), QStringList{"b5 54 40"});
        QVERIFY(knobAt(p.image, QPoint(20, 64)) && !knobAt(p.image, QPoint(110, 64)));

        sendMouse(&p.pad, QEvent::MouseButtonRelease, QPoint(20, 64));
        QCOMPARE(p.pad.knobCentre(), QPoint(64, 64));
        QCOMPARE(p.paint(), QStringList());
        QVERIFY(knobAt(p.image, QPoint(64, 64)) && !knobAt(p.image, QPoint(20, 64)));
        // Moves after the release do nothing.
        sendMouse(&p.pad, QEvent::MouseMove, QPoint(30, 64));
        QCOMPARE(p.pad.knobCentre(), QPoint(64, 64));
        QCOMPARE(p.paint(), QStringList());
    }

    void enterAndLeaveSwapImagesAndEndTheMove()
    {
        Pad p;
        const QString base = p.pad.baseImage();
        sendMouse(&p.pad, QEvent::MouseButtonPress, QPoint(64, 64));
        sendMouse(&p.pad, QEvent::MouseMove, QPoint(70, 64));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&p.pad, &enter);
        QVERIFY(p.pad.baseImage() != base);
        QCOMPARE(p.paint(), QStringList());

        sendMouse(&p.pad, QEvent::MouseMove, QPoint(74, 64)); // still dragging
        QCOMPARE(p.paint(), QStringList{"b5 0a 40"});
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&p.pad, &leave);
        QCOMPARE(p.pad.baseImage(), base);
        QCOMPARE(p.paint(), QStringList());
    }

    // Knob coordinate -> byte. Only the centre sends 64; the edges send the extremes.
    void axisBytes_data()
    {
        QTest::addColumn<int>("coordinate");
        QTest::addColumn<int>("byte");
        QTest::newRow("left edge") << 0 << 65;
        QTest::newRow("one in from the left") << 1 << 65;
        QTest::newRow("just left of centre") << 63 << 127;
        QTest::newRow("centre") << 64 << 64;
        QTest::newRow("just right of centre") << 65 << 1;
        QTest::newRow("one in from the right") << 127 << 63;
        QTest::newRow("right edge") << 128 << 63;
    }
    void axisBytes()
    {
        QFETCH(int, coordinate);
        QFETCH(int, byte);
        QCOMPARE(int(Joystick_PAGE::axisByte(coordinate)), byte);
    }

    void withoutAControllerNothingBreaks()
    {
        Joystick_PAGE pad;
        pad.resize(128, 128);
        sendMouse(&pad, QEvent::MouseButtonPress, QPoint(64, 64));
        sendMouse(&pad, QEvent::MouseMove, QPoint(80, 64));
        QVERIFY(!pad.grab().isNull());
        QCOMPARE(pad.knobCentre(), QPoint(80, 64));
    }

    void closeHidesTheWindow()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint | Qt::Dialog);
        auto* strip = new myLable(QStringLiteral("KEY"), &window, true);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        strip->closeButton()->click();
        QVERIFY(!window.isVisible());
    }

    void draggingTheStripMovesItsWindow()
    {
        QWidget window(nullptr, Qt::FramelessWindowHint | Qt::Dialog);
        window.resize(340, 200);
        auto* strip = new myLable(QStringLiteral("CAM"), &window, true);
        strip->setGeometry(0, 0, 340, 20);
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint start = window.pos();

        sendMouse(strip, QEvent::MouseButtonPress, QPoint(10, 10));
        sendMouse(strip, QEvent::MouseMove, QPoint(40, 10));
        QCOMPARE(window.pos(), start + QPoint(30, 0));
        // The strip moved with its window: the same local point is 30 px further on screen.
        sendMouse(strip, QEvent::MouseMove, QPoint(10, 25));
        QCOMPARE(window.pos(), start + QPoint(30, 15));
        sendMouse(strip, QEvent::MouseButtonRelease, QPoint(10, 25));

        const QPoint dropped = window.pos();
        sendMouse(strip, QEvent::MouseMove, QPoint(90, 90), Qt::NoButton);
        QCOMPARE(window.pos(), dropped);
    }

    void popupTextOnlyWhilePointerIsOver()
    {
        QWidget window;
        auto* button = new MyButton(&window);
        button->setPopupText(QStringLiteral("SYNC. STATUS"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(!button->popup()->isVisible());

        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(button, &enter);
        QVERIFY(button->popup()->isVisible());

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!button->popup()->isVisible());
    }

    void sliderJumpsToTheClick()
    {
        // Top gives the minimum, bottom the maximum, a quarter down a quarter.
        for (const QPoint& yValue : {QPoint(0, 0), QPoint(200, 100), QPoint(50, 25)}) {
            MySlider slider;
            slider.setOrientation(Qt::Vertical);
            slider.setRange(0, 100);
            slider.setValue(60);
            slider.resize(20, 200);
            QSignalSpy changed(&slider, &QSlider::valueChanged);
            sendMouse(&slider, QEvent::MouseButtonPress, QPoint(10, yValue.x()));
            QCOMPARE(changed.value(0).value(0).toInt(), yValue.y());
        }
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
