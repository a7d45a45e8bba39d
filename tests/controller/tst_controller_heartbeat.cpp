// The heartbeat and the offline rule against a stand-in switcher on
// 127.0.0.2:7000 that answers the heartbeat as a scenario says. Each scenario
// runs for several seconds of real time, so every one is its own executable
// (HEARTBEAT_SCENARIO selects it) and ctest runs them side by side.

#include "panel_command.h"
#include "wire_rig.h"
#include "widget_events.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QtTest>

#include <functional>

#ifndef HEARTBEAT_SCENARIO
#define HEARTBEAT_SCENARIO 0
#endif

namespace {

struct Scenario
{
    const char* name;
    std::function<bool(qint64 ms)> answers; // does the device answer a heartbeat sent at ms?
    int runMs;                              // how long the run is watched when no box comes
    // The check that declares the device offline, every 5 s: the box comes no
    // earlier than that check and before the next one, however late a busy
    // machine runs the timers. -1: no offline box expected.
    int boxFromMs;
    int boxToMs;
};

const Scenario kScenarios[] = {
    {"answers every heartbeat", [](qint64) { return true; }, 11000, -1, -1},
    {"first answer at 4 s", [](qint64 ms) { return ms >= 3500; }, 10600, -1, -1},
    {"silent until 6 s", [](qint64 ms) { return ms >= 6000; }, 0, 4800, 9800},
    {"stops after 3 s", [](qint64 ms) { return ms < 3500; }, 0, 9800, 14800},
};

// The switcher's side: counts heartbeats and answers them from port 7000.
struct StandIn
{
    explicit StandIn(std::function<bool(qint64)> answers)
    {
        QObject::connect(&device.socket(), &QUdpSocket::readyRead, [this, answers] {
            for (const CapturedDatagram& d : device.takeAll()) {
                if (frameCommand(d.data) != rig::kHeartbeatCmd)
                    continue;
                heartbeats << now();
                if (answers(heartbeats.last()))
                    device.socket().writeDatagram(panelCommand(rig::kHeartbeatCmd), d.sender, d.senderPort);
            }
        });
        clock.start();
    }
    qint64 now() const { return clock.elapsed(); }

    UdpCapture device{rig::kDevice, rig::kPort};
    QElapsedTimer clock;
    QList<qint64> heartbeats;
};

} // namespace

class TestControllerHeartbeat : public QObject
{
    Q_OBJECT

private slots:
    void offlineRule()
    {
        const Scenario& s = kScenarios[HEARTBEAT_SCENARIO];
        qInfo("scenario: %s", s.name);
        rig::resetGlobals(0x69);

        StandIn device(s.answers);
        QVERIFY(device.device.isBound());
        onlyFun fun(nullptr);
        fun.DevTypeID(rig::kDevice.toString(), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
        QSignalSpy exits(&fun, &onlyFun::ExitSignals);

        if (s.boxFromMs < 0) {
            QTimer watch;
            bool boxSeen = false;
            watchBoxes(watch, [&](QMessageBox* box) {
                boxSeen = true;
                box->button(QMessageBox::Ok)->click();
            });
            QTest::qWait(s.runMs);
            QVERIFY2(!boxSeen, "the device answered, yet the panel declared it offline");
            QCOMPARE(exits.count(), 0);
            QVERIFY(fun.heartbeatRunning());
            // One heartbeat a second, all the way through.
            QVERIFY(device.heartbeats.size() >= s.runMs / 1000 - 1);
            return;
        }

        // The box is modal: it is found and read from a timer that runs in its
        // own event loop, held open a while, then accepted.
        qint64 boxAt = -1;
        int heartbeatsAtBox = -1;
        QString title, text;
        int heartbeatsWhileOpen = -1;
        int exitsWhileOpen = -1;
        QTimer watch;
        watchBoxes(watch, [&](QMessageBox* box) {
            if (boxAt < 0) {
                boxAt = device.now();
                exitsWhileOpen = exits.count();
                heartbeatsAtBox = device.heartbeats.size();
                title = box->windowTitle();
                text = box->text();
                return;
            }
            if (device.now() - boxAt >= 2500) {
                heartbeatsWhileOpen = device.heartbeats.size() - heartbeatsAtBox;
                box->button(QMessageBox::Ok)->click();
            }
        });

        QVERIFY(exits.wait(s.boxToMs + 10000));
        QVERIFY2(boxAt >= s.boxFromMs && boxAt <= s.boxToMs,
                 qPrintable(QStringLiteral("offline box at %1 ms").arg(boxAt)));
        QCOMPARE(title, QStringLiteral("Warning"));
        QCOMPARE(text, QStringLiteral("Device offline"));
        QCOMPARE(heartbeatsWhileOpen, 0);
        QCOMPARE(exitsWhileOpen, 0); // the run ends only once the box is answered
        QCOMPARE(exits.count(), 1);
        QVERIFY(!fun.heartbeatRunning());

        // Stopped for good: no heartbeat and no second box afterwards.
        const int before = device.heartbeats.size();
        QTest::qWait(1500);
        QCOMPARE(device.heartbeats.size(), before);
        QVERIFY(!visibleBox());
        QCOMPARE(exits.count(), 1);
    }
};

QTEST_MAIN(TestControllerHeartbeat)
#include "tst_controller_heartbeat.moc"
