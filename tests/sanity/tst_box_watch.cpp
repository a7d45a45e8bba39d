// The test rig's box watcher, through the controller's own offline box: a test
// that did not expect the box fails at once, naming it, and the box is closed so
// the run goes on. ctest passes this program when its output shows both.

#include "onlyfun.h"

#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

class TestBoxWatch : public QObject
{
    Q_OBJECT

private slots:
    void unexpectedBoxFailsTheTest()
    {
        onlyFun fun(nullptr);
        QSignalSpy exits(&fun, &onlyFun::ExitSignals);
        // No heartbeat answer since construction: the check declares the device offline.
        fun.judgHEART();
        QCOMPARE(exits.count(), 1);
        for (QWidget* w : QApplication::topLevelWidgets())
            QVERIFY(!w->isVisible());
        qInfo("the run went on");
    }
};

QTEST_MAIN(TestBoxWatch)
#include "tst_box_watch.moc"
