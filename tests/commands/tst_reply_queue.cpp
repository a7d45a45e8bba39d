// How received datagrams reach their handlers: after the socket's own notification, one at a
// time and in arrival order across the link's two sockets, never inside a handler that waits,
// and not at all once the link's owner is gone. A stand-in switcher on 127.0.0.5 sends to the
// command socket (127.0.0.1:7000) and to the discovery socket (127.0.0.1, its own port).

#include "datagram_queue.h"
#include "discovery_answer.h"
#include "druvela_workdata.h"
#include "log_capture.h"
#include "reply_frames.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest>

namespace {

// The link with its discovery socket listening on loopback, as a search would leave it.
class OpenLink : public Druvela_workdata
{
public:
    explicit OpenLink(QObject* parent = nullptr) : Druvela_workdata(parent)
    {
        bindUDPSOCKET(QNetworkInterface());
        discoverySocket()->bind(QHostAddress(QHostAddress::LocalHost), 0);
    }
    quint16 discoveryPort() const { return discoverySocket()->localPort(); }
};

// A wait that keeps the event loop running, as a panel's flash does.
void waitWithEvents(int ms)
{
    QElapsedTimer clock;
    clock.start();
    QTimer wake;
    wake.start(ms);
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

QByteArray stateDump(char fill)
{
    return switcherFrame(0xA5, 0xFF, 0x0A, QByteArray(140, fill));
}

// What reaches a handler: "dump" (a state dump on the command socket) or "answer" (a discovery
// answer stored from the discovery socket).
enum class Via { Dump, Answer };

} // namespace

Q_DECLARE_METATYPE(Via)

class tst_reply_queue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_switcher.bind(QHostAddress(QStringLiteral("127.0.0.5")), 0)); }
    void ownerDeletedInsideAWait_data();
    void ownerDeletedInsideAWait();
    void arrivalOrderAcrossSockets_data();
    void arrivalOrderAcrossSockets();
    void floodWhileAHandlerWaits();

private:
    void send(OpenLink& link, Via via, char tag)
    {
        const bool dump = via == Via::Dump;
        const QByteArray d = dump ? stateDump(tag) : discoveryAnswer(QByteArray("Zv") + tag, 0x69);
        QVERIFY(m_switcher.writeDatagram(d, QHostAddress::LocalHost, dump ? 7000 : link.discoveryPort()) == d.size());
    }
    // Connects f to whatever raises a handler for datagrams sent that way; f gets the tag.
    template <class F>
    static void onHandled(OpenLink& link, Via via, F f)
    {
        if (via == Via::Dump)
            QObject::connect(&link, &Druvela_workdata::on_signals_allData, [f](const QByteArray& by) { f(by.at(20)); });
        else
            QObject::connect(&link, &SWITCHER_DATA::sigend_datapack, [f, &link] {
                f(link.devInfo(link.DevInfo_DATA_IDX() - 1).name[2]);
            });
    }

    QUdpSocket m_switcher;
};

void tst_reply_queue::ownerDeletedInsideAWait_data()
{
    QTest::addColumn<Via>("via");
    QTest::newRow("state dump on the command socket") << Via::Dump;
    QTest::newRow("answer on the discovery socket") << Via::Answer;
}

// The receiver ends its owner's run (deleteLater, as a panel's end does) from inside a wait, while
// a second datagram waits behind the first: the link, its sockets and its queue go, nothing of
// them is touched afterwards (the sanitizers watch) and the second datagram is never handled.
void tst_reply_queue::ownerDeletedInsideAWait()
{
    QFETCH(Via, via);
    LogCapture quiet;
    auto* owner = new QObject;
    QPointer<QObject> alive(owner);
    auto* link = new OpenLink(owner);
    QUdpSocket* socket = via == Via::Dump ? commandSocketOf(*link) : link->findChild<QUdpSocket*>();
    QVERIFY(socket);
    // Connected after the link's own slot: runs once the socket's notification is over.
    int notificationsEnded = 0;
    connect(socket, &QUdpSocket::readyRead, socket, [&notificationsEnded] { ++notificationsEnded; });
    QString handled;
    bool insideNotification = false;
    onHandled(*link, via, [&, owner](char tag) {
        handled += QLatin1Char(tag);
        insideNotification = insideNotification || notificationsEnded == 0;
        QTimer::singleShot(20, owner, [owner] { owner->deleteLater(); });
        waitWithEvents(150);
    });
    send(*link, via, 'A');
    send(*link, via, 'B');
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 5000);
    QTest::qWait(50);
    QVERIFY2(!insideNotification, "the handler ran inside the socket's readyRead");
    QCOMPARE(handled, QStringLiteral("A"));
}

void tst_reply_queue::arrivalOrderAcrossSockets_data()
{
    QTest::addColumn<Via>("first");
    QTest::addColumn<Via>("second");
    QTest::newRow("dump behind a dump") << Via::Dump << Via::Dump;
    QTest::newRow("answer behind a dump") << Via::Dump << Via::Answer;
    QTest::newRow("dump behind an answer") << Via::Answer << Via::Dump;
}

// The first datagram's handler waits; the second arrives during the wait, on the same socket or
// on the other one. It is handled after the first handler has returned, never inside it.
void tst_reply_queue::arrivalOrderAcrossSockets()
{
    QFETCH(Via, first);
    QFETCH(Via, second);
    LogCapture quiet;
    OpenLink link;
    QStringList events;
    auto handler = [&](char tag) {
        events << QStringLiteral("%1 begins").arg(tag);
        if (tag == 'A') {
            QTimer::singleShot(20, &link, [&] { send(link, second, 'B'); });
            waitWithEvents(150);
        }
        events << QStringLiteral("%1 ends").arg(tag);
    };
    onHandled(link, first, handler);
    if (second != first)
        onHandled(link, second, handler);
    send(link, first, 'A');
    QTRY_COMPARE_WITH_TIMEOUT(events.size(), 4, 5000);
    QCOMPARE(events, QStringList({"A begins", "A ends", "B begins", "B ends"}));
}

// Version replies numbered 0, 1, 2...: while the handler of number 0 waits, more than the
// queue's bound arrive. The queue never holds more than its bound, the oldest are handled in
// order once the handler returns, the newest past the bound are dropped and counted, and a
// reply after the flood is handled as usual.
void tst_reply_queue::floodWhileAHandlerWaits()
{
    OpenLink link;
    const DatagramQueue& queue = link.receivedDatagrams();
    constexpr int kFlood = DatagramQueue::kBound + 40;
    auto numbered = [](int n) { return switcherFrame(0xA5, 0xFF, 0x49, QByteArray(1, char(n >> 8)) + char(n & 0xFF)); };
    QList<int> handled;
    QObject::connect(&link, &Druvela_workdata::on_signals_version_stateData, [&](const QByteArray& by) {
        handled << (quint8(by.at(17)) << 8 | quint8(by.at(18)));
        if (handled.size() > 1)
            return;
        // A few at a time, so the socket's own buffer never overflows.
        QElapsedTimer clock;
        clock.start();
        int sent = 0;
        while (queue.size() + int(queue.dropped()) < kFlood && clock.elapsed() < 10000) {
            for (int i = 0; i < 16 && sent < kFlood; ++i)
                m_switcher.writeDatagram(numbered(++sent), QHostAddress::LocalHost, 7000);
            QCoreApplication::processEvents();
        }
    });
    m_switcher.writeDatagram(numbered(0), QHostAddress::LocalHost, 7000);
    QTRY_COMPARE_WITH_TIMEOUT(handled.size(), DatagramQueue::kBound + 1, 15000);
    QCOMPARE(queue.largestSize(), DatagramQueue::kBound);
    QCOMPARE(queue.dropped(), quint64(kFlood - DatagramQueue::kBound));
    for (int i = 0; i < handled.size(); ++i)
        QCOMPARE(handled.at(i), i);

    m_switcher.writeDatagram(numbered(1000), QHostAddress::LocalHost, 7000);
    QTRY_COMPARE(handled.last(), 1000);
    QCOMPARE(queue.size(), 0);
}

QTEST_GUILESS_MAIN(tst_reply_queue)
#include "tst_reply_queue.moc"
