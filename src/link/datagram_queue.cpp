#include "datagram_queue.h"

#include "switcher_data.h"

#include <QPointer>
#include <QUdpSocket>

DatagramQueue::DatagramQueue(QObject* parent)
    : QObject(parent)
{
}

void DatagramQueue::readPending(QUdpSocket* socket, int source)
{
    while (socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        if (size < 0)
            break;
        QByteArray datagram(int(qMin<qint64>(size, 65536)), Qt::Uninitialized);
        QHostAddress sender;
        // An empty datagram must still be read, or the socket stops announcing the next ones.
        const qint64 got = socket->readDatagram(datagram.data(), datagram.size(), &sender);
        if (got < 0)
            break;
        if (got < MCU_UDP_FRAME::MIN_LEN || got > MCU_UDP_FRAME::MAX_REPLY_LEN)
            continue;
        if (m_waiting.size() >= size_t(kBound)) {
            ++m_dropped;
            continue;
        }
        datagram.truncate(int(got));
        m_waiting.push_back({source, std::move(datagram), std::move(sender)});
        m_largest = qMax(m_largest, int(m_waiting.size()));
    }
    // While a handler waits further up the stack, it hands on the rest when it returns.
    if (!m_waiting.empty() && !m_posted && !m_handing) {
        m_posted = true;
        QMetaObject::invokeMethod(this, &DatagramQueue::handOn, Qt::QueuedConnection);
    }
}

void DatagramQueue::handOn()
{
    m_posted = false;
    if (m_handing)
        return;
    m_handing = true;
    const QPointer<DatagramQueue> self(this);
    while (!m_waiting.empty()) {
        const Waiting next = std::move(m_waiting.front());
        m_waiting.pop_front();
        emit datagramReady(next.source, next.datagram, next.sender);
        // A receiver may have ended the run of the link's owner, and with it this queue.
        if (!self)
            return;
    }
    m_handing = false;
}
