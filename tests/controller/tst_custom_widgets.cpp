// The title strip of the settings windows, the pop-up button and the
// click-to-position slider.

#include "my_button.h"
#include "my_lable.h"
#include "my_slider.h"
#include "widget_events.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

class TestCustomWidgets : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(button->popup()->y(), button->mapToGlobal(QPoint(0, 30)).y());

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
        QVERIFY(!button->popup()->isVisible());
    }

    void sliderJumpsToTheClick_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("expected");
        QTest::newRow("top gives the minimum") << 0 << 0;
        QTest::newRow("bottom gives the maximum") << 200 << 100;
        QTest::newRow("a quarter down") << 50 << 25;
    }

    void sliderJumpsToTheClick()
    {
        QFETCH(int, y);
        QFETCH(int, expected);
        MySlider slider;
        slider.setOrientation(Qt::Vertical);
        slider.setRange(0, 100);
        slider.setValue(60);
        slider.resize(20, 200);
        QSignalSpy changed(&slider, &QSlider::valueChanged);
        sendMouse(&slider, QEvent::MouseButtonPress, QPoint(10, y));
        QVERIFY(!changed.isEmpty());
        QCOMPARE(changed.first().first().toInt(), expected);
        sendMouse(&slider, QEvent::MouseButtonRelease, QPoint(10, y));
    }
};

QTEST_MAIN(TestCustomWidgets)
#include "tst_custom_widgets.moc"
