#pragma once
// A controller pointed at a stand-in switcher on 127.0.0.2:7000, with a
// receiver there that hands back what each operator action put on the wire.

#include "../commands/reply_frames.h"
#include "druvela_workdata.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "udp_capture.h"

#include <QHostAddress>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace rig {

inline const QHostAddress kDevice{QStringLiteral("127.0.0.2")};
constexpr quint16 kPort = 7000;
constexpr int kHeartbeatCmd = 0x06;

// "cmd data.." of a frame, as lower-case spaced hex ("83", "80 03", "b8 00 05").
inline QString body(const QByteArray& frame)
{
    if (frame.size() < 20)
        return QStringLiteral("short:") + QString::fromLatin1(frame.toHex(' '));
    return QString::fromLatin1(frame.mid(16, frame.size() - 19).toHex(' '));
}

// Shared model state back to a freshly started program for the given device type.
inline void resetGlobals(quint32 devType)
{
    static const quint32 icons[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};
    for (int i = 0; i < 12; ++i)
        ICON_CURRENT_INDEX[i] = icons[i];
    DEV_CHILD_TYPE = devType;
    PGM_TABLE_POINT = nullptr;
    Maxpgm = 0;
    PGM_CURRENT_VAL = 0;
    updateDevStateEnable = false;
    pipSizeFalg = false;
}

inline void stopTimers(onlyFun* fun)
{
    for (QTimer* t : fun->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        t->stop();
}

struct Rig
{
    // quiet: heartbeat and check timers stopped, so no heartbeat and no
    // offline box interferes with a table of actions. frames() needs that.
    explicit Rig(quint32 devType, bool quiet = true)
    {
        resetGlobals(devType);
        fun = std::make_unique<onlyFun>(nullptr);
        if (quiet)
            stopTimers(fun.get());
        fun->DevTypeID(kDevice.toString(), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
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
        fun->link()->SendCMDHEART();
        QStringList out;
        for (int tries = 0; tries < 200; ++tries) {
            capture.waitForDatagram(50);
            for (const CapturedDatagram& d : capture.takeAll()) {
                if (d.data.size() > 16 && quint8(d.data.at(16)) == kHeartbeatCmd)
                    return out;
                out << body(d.data);
            }
        }
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
