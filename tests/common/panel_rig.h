#pragma once
// The switcher's side of a panel test: a socket at 127.0.0.2:7000 that keeps
// what the panel sends and answers it.

#include "panel_command.h"
#include "udp_capture.h"

#include <QElapsedTimer>
#include <QTimer>

class SwitcherWire
{
public:
    SwitcherWire()
        : m_capture(QHostAddress(QStringLiteral("127.0.0.2")), 7000)
    {
        // Answering the heartbeat keeps the offline rule (and its modal box) out of a long test.
        QObject::connect(&m_heartbeatAnswer, &QTimer::timeout, [this] { reply(panelCommand(0x06)); });
        m_heartbeatAnswer.start(300);
    }
    bool isBound() const { return m_capture.isBound(); }
    UdpCapture& capture() { return m_capture; }

    // Sends a reply to the panel's port as the switcher would.
    void reply(const QByteArray& frame)
    {
        m_capture.socket().writeDatagram(frame, QHostAddress(QStringLiteral("127.0.0.1")), 7000);
    }

    // Commands received so far, heartbeats left out.
    QList<QByteArray> commands()
    {
        QList<QByteArray> out;
        out.swap(m_pending);
        for (const CapturedDatagram& d : m_capture.takeAll())
            if (!isHeartbeat(d.data))
                out << d.data;
        return out;
    }

    QByteArray nextCommand(int ms = 2000)
    {
        QElapsedTimer t;
        t.start();
        for (;;) {
            m_pending << commands();
            if (!m_pending.isEmpty())
                return m_pending.takeFirst();
            if (t.elapsed() >= ms)
                return QByteArray();
            m_capture.waitForDatagram(int(qMax<qint64>(1, ms - t.elapsed())));
        }
    }

    // True when nothing but heartbeats came in before a marker sent now: the
    // panel writes synchronously, so anything it sent earlier is queued first.
    bool nothingSent()
    {
        QUdpSocket marker;
        const QByteArray tag("marker");
        marker.writeDatagram(tag, QHostAddress(QStringLiteral("127.0.0.2")), 7000);
        QList<QByteArray> seen;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 2000) {
            for (const CapturedDatagram& d : m_capture.takeAll()) {
                if (d.data == tag)
                    return seen.isEmpty() && m_pending.isEmpty();
                if (!isHeartbeat(d.data))
                    seen << d.data;
            }
            m_capture.waitForDatagram(50);
        }
        return false;
    }

private:
    static bool isHeartbeat(const QByteArray& d) { return d.size() > 16 && quint8(d.at(16)) == 0x06; }

    UdpCapture m_capture;
    QTimer m_heartbeatAnswer;
    QList<QByteArray> m_pending;
};
