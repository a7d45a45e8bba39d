#pragma once
// A controller pointed at a stand-in switcher on 127.0.0.2:7000, with a
// receiver there that hands back what each operator action put on the wire.

#include "../commands/reply_frames.h"
#include "druvela_workdata.h"
#include "loopback_controller.h"
#include "marker_frames.h"

#include <QStringList>

namespace rig {

using loopback::kDevice;
using loopback::kPort;
using loopback::resetGlobals;
using loopback::stopTimers;
constexpr int kHeartbeatCmd = 0x06;

// "cmd data.." of a frame, as lower-case spaced hex ("83", "80 03", "b8 00 05").
inline QString body(const QByteArray& frame)
{
    if (frame.size() < 20)
        return QStringLiteral("short:") + QString::fromLatin1(frame.toHex(' '));
    return QString::fromLatin1(frame.mid(16, frame.size() - 19).toHex(' '));
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

    // Bodies of every frame sent since the last call. A heartbeat sent
    // afterwards on the same socket marks the end: once it is in, nothing
    // sent before it is still on its way.
    QStringList frames()
    {
        const MarkedFrames got = collectUntilMarker(
            capture, [this] { fun->link()->SendCMDHEART(); },
            [](const QByteArray& f) { return frameCommand(f) == kHeartbeatCmd; });
        QStringList out;
        for (const QByteArray& f : got.before)
            out << body(f);
        if (!got.markerSeen)
            out << QStringLiteral("marker lost");
        return out;
    }

    // Whole frames since the last call (no marker; waits for n of them).
    QList<QByteArray> rawFrames(int n)
    {
        capture.waitForCount(n, 2000);
        QList<QByteArray> out;
        for (const CapturedDatagram& d : capture.takeAll())
            out << d.data;
        return out;
    }

    UdpCapture capture{kDevice, kPort};
    std::unique_ptr<onlyFun> fun;
    QStringList initial;
};

} // namespace rig
