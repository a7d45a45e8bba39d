#pragma once
// The switcher's side of a panel test: a socket at 127.0.0.2:7000 that keeps
// what the panel sends and answers it; and the panel under test.

#include "panel_command.h"
#include "udp_capture.h"

#include "model_tables.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QPushButton>
#include <QSet>
#include <QSlider>
#include <QTimer>
#include <QtTest>

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

    QByteArray nextCommand(int ms = 5000)
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

    // The next n commands, and "more" when anything follows them.
    QList<QByteArray> take(int n)
    {
        QList<QByteArray> out;
        for (int i = 0; i < n; ++i)
            out << nextCommand();
        if (!nothingSent())
            out << "more";
        return out;
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
        while (t.elapsed() < 5000) {
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

// One panel bound to a SwitcherWire. The test functions share it (building one
// is the slow part under the sanitizers), except those named fresh.
template <class Panel>
class PanelFixture
{
public:
    explicit PanelFixture(QSet<QByteArray> fresh) : m_fresh(std::move(fresh)) {}
    ~PanelFixture() { delete panel.data(); }

    SwitcherWire* wire = nullptr;
    QPointer<Panel> panel;

    // Before each test function; false when a new panel did not ask for the state first.
    bool init(unsigned char devType)
    {
        DEV_CHILD_TYPE = devType;
        bool asked = true;
        if (!panel || !shared()) {
            delete panel.data();
            wire->commands();
            panel = new Panel(nullptr);
            panel->DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
            asked = wire->nextCommand() == panelCommand(0x0A);
        }
        wire->commands();
        return asked;
    }
    void cleanup()
    {
        if (!shared() || QTest::currentTestFailed())
            delete panel.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool shared() const { return !m_fresh.contains(QByteArray(QTest::currentTestFunction())); }

    template <class T = QPushButton>
    T* w(const char* name) const
    {
        T* x = panel->template findChild<T*>(QLatin1String(name));
        if (!x)
            qFatal("no widget %s", name);
        return x;
    }
    QString face(const char* name) const { return w<QWidget>(name)->styleSheet(); }
    // Sets a slider as the device's report would: nothing goes out.
    void quietly(const char* slider, int v)
    {
        DevStateGuard quiet;
        w<QSlider>(slider)->setValue(v);
    }

private:
    QSet<QByteArray> m_fresh;
};
