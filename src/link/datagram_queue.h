#pragma once
// Datagrams read from a link's sockets wait here and are handed on one at a time from a
// queued call. A handler may wait with the event loop running (a flash) or end its panel's
// run: neither may happen inside a socket's own notification, and a datagram that arrives
// meanwhile must not be applied inside, or before the end of, the one being handled.

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

#include <deque>

class QUdpSocket;

class DatagramQueue : public QObject
{
    Q_OBJECT
public:
    // At most this many datagrams wait (about 270 KB of the largest replies) while a handler
    // does; a switcher sends a few a second, so only a flood reaches it. Past it the newest
    // are read and dropped, and counted.
    static constexpr int kBound = 256;

    explicit DatagramQueue(QObject* parent = nullptr);

    // Reads every datagram pending on socket and queues those of 20..1056 bytes, tagged with
    // source. An empty datagram is skipped; a failed read ends the pass (the next readyRead
    // resumes it).
    void readPending(QUdpSocket* socket, int source);

    int size() const { return int(m_waiting.size()); }
    // The most that ever waited at once, and how many were dropped past the bound.
    int largestSize() const { return m_largest; }
    quint64 dropped() const { return m_dropped; }

signals:
    // One queued datagram; the next one follows only after every receiver has returned.
    void datagramReady(int source, const QByteArray& datagram, const QHostAddress& sender);

private:
    struct Waiting
    {
        int source;
        QByteArray datagram;
        QHostAddress sender;
    };

    void handOn();

    std::deque<Waiting> m_waiting;
    bool m_posted = false;
    bool m_handing = false;
    int m_largest = 0;
    quint64 m_dropped = 0;
};
