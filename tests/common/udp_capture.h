#pragma once
// A UDP receiver on a loopback address that collects every datagram with its sender.
// Tests bind it where a switcher would listen (e.g. 127.0.0.2:7000) and point the target there.

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QUdpSocket>

#include <utility>

struct CapturedDatagram
{
    QByteArray data;
    QHostAddress sender;
    quint16 senderPort = 0;
};

class UdpCapture
{
public:
    // Shared-address bind, so it can sit on port 7000 beside a command socket bound to any address.
    UdpCapture(const QHostAddress& address, quint16 port)
        : m_bound(m_socket.bind(address, port, QAbstractSocket::ShareAddress | QAbstractSocket::ReuseAddressHint))
    {
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { drain(); });
    }

    bool isBound() const { return m_bound; }
    QUdpSocket& socket() { return m_socket; }

    // True once at least one datagram is collected; waits up to ms with the event loop running.
    bool waitForDatagram(int ms = 2000) { return waitForCount(1, ms); }

    // Waits until n datagrams are collected in all (or ms has passed).
    bool waitForCount(int n, int ms = 2000)
    {
        QElapsedTimer timer;
        timer.start();
        drain();
        while (m_received.size() < n && timer.elapsed() < ms) {
            QSignalSpy(&m_socket, &QUdpSocket::readyRead).wait(qMax(1, ms - int(timer.elapsed())));
            drain();
        }
        return m_received.size() >= n;
    }

    // Reads what is pending and hands over everything collected so far.
    QList<CapturedDatagram> takeAll()
    {
        drain();
        return std::exchange(m_received, {});
    }

    int count()
    {
        drain();
        return m_received.size();
    }

private:
    void drain()
    {
        while (m_socket.hasPendingDatagrams()) {
            CapturedDatagram d;
            d.data.resize(int(qMax<qint64>(0, m_socket.pendingDatagramSize())));
            const qint64 n = m_socket.readDatagram(d.data.data(), d.data.size(), &d.sender, &d.senderPort);
            if (n < 0)
                break;
            d.data.resize(int(n));
            m_received.append(d);
        }
    }

    QUdpSocket m_socket;
    bool m_bound;
    QList<CapturedDatagram> m_received;
};
