#pragma once
// Byte lists for expected frames, and the marker-frame technique for "what was
// sent": the test sends a frame of its own after the action and collects until
// it arrives. Datagrams on loopback keep their order, so everything sent before
// the marker is in by then, and "nothing was sent" needs no fixed wait.

#include "udp_capture.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <functional>
#include <initializer_list>

inline QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// The command byte of a frame, or -1 for a datagram too short to hold one.
inline int frameCommand(const QByteArray& frame)
{
    return frame.size() > 16 ? quint8(frame.at(16)) : -1;
}

struct MarkedFrames
{
    QList<QByteArray> before;  // frames before the marker, in order
    bool markerSeen = false;
};

// Sends the marker, then collects from `at` until a frame that isMarker accepts
// arrives (or ms has passed). Frames that skip accepts are dropped.
inline MarkedFrames collectUntilMarker(UdpCapture& at, const std::function<void()>& sendMarker,
                                       const std::function<bool(const QByteArray&)>& isMarker,
                                       const std::function<bool(const QByteArray&)>& skip = {}, int ms = 3000)
{
    sendMarker();
    MarkedFrames out;
    QElapsedTimer timer;
    timer.start();
    while (!out.markerSeen && timer.elapsed() < ms) {
        if (!at.waitForDatagram(int(qMax<qint64>(1, ms - timer.elapsed()))))
            break;
        for (const CapturedDatagram& d : at.takeAll()) {
            if (out.markerSeen)
                break;
            if (isMarker(d.data))
                out.markerSeen = true;
            else if (!skip || !skip(d.data))
                out.before << d.data;
        }
    }
    return out;
}
