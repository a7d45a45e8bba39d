#pragma once
// A controller pointed at a stand-in switcher on 127.0.0.2:7000, with a receiver
// there that hands back what each operator action put on the wire, as text.

#include "druvela_workdata.h"
#include "loopback_controller.h"
#include "marker_frames.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTest>

namespace rig {

using loopback::kDevice;
using loopback::kPort;
using loopback::resetGlobals;
using loopback::stopTimers;
constexpr int kHeartbeatCmd = 0x06;

// "cmd data.." of a frame as lower-case spaced hex ("83", "b8 00 05"); frames for a
// board other than the main one (byte A not A5) carry it in front: "e0:6c 00 03".
inline QString body(const QByteArray& frame)
{
    if (frame.size() < 20)
        return QStringLiteral("short:") + QString::fromLatin1(frame.toHex(' '));
    const QString text = QString::fromLatin1(frame.mid(16, frame.size() - 19).toHex(' '));
    const quint8 a = quint8(frame.at(4));
    return a == 0xA5 ? text : QStringLiteral("%1:").arg(a, 2, 16, QLatin1Char('0')) + text;
}

// Bodies of what reached `at` up to a heartbeat that `fun` sends now. Loopback
// keeps the order, so nothing sent before it is still on its way.
inline QStringList sentBefore(UdpCapture& at, onlyFun& fun)
{
    const MarkedFrames got = collectUntilMarker(
        at, [&fun] { fun.link()->SendCMDHEART(); },
        [](const QByteArray& f) { return frameCommand(f) == kHeartbeatCmd; });
    QStringList out;
    for (const QByteArray& f : got.before)
        out << body(f);
    if (!got.markerSeen)
        out << QStringLiteral("marker lost");
    return out;
}

struct Rig
{
    // quiet: heartbeat and check timers stopped, so no heartbeat and no
    // offline box interferes with a table of actions. frames() needs that.
    explicit Rig(quint32 devType, bool quiet = true)
    {
        resetGlobals(devType);
        fun = loopback::controller(quiet);
        initial = frames();
    }
    ~Rig()
    {
        fun.reset();
        updateDevStateEnable = false;
        pipSizeFalg = false;
    }

    // Bodies of every frame sent since the last call.
    QStringList frames() { return sentBefore(capture, *fun); }
    // The same once at least n have come, or after 10 s: some leave from a timer.
    QStringList frames(int atLeast)
    {
        QStringList out = frames();
        QElapsedTimer waited;
        waited.start();
        while (out.size() < atLeast && waited.elapsed() < 10000) {
            QTest::qWait(20);
            out << frames();
        }
        return out;
    }

    UdpCapture capture{kDevice, kPort};
    std::unique_ptr<onlyFun> fun;
    QStringList initial;
};

} // namespace rig
