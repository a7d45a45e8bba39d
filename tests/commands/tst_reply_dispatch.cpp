// Reply reception: the size window, the six classifications, and reading every pending datagram.
// A stand-in switcher on 127.0.0.5 sends to the command socket on 127.0.0.1:7000.

#include "druvela_workdata.h"
#include "log_capture.h"
#include "reply_frames.h"

#include <QtTest>
#include <QUdpSocket>

namespace {

// Records every reply signal in arrival order as (signal name, datagram).
struct ReplyRecorder
{
    explicit ReplyRecorder(Druvela_workdata& d)
    {
        using Signal = void (Druvela_workdata::*)(const QByteArray&);
        const QPair<Signal, const char*> all[] = {
            {&Druvela_workdata::on_signals_allData, "allData"},
            {&Druvela_workdata::on_signals_tx_sliderData, "tx_sliderData"},
            {&Druvela_workdata::on_signals_pop_stateData, "pop_stateData"},
            {&Druvela_workdata::on_signals_version_stateData, "version_stateData"},
            {&Druvela_workdata::on_signals_heartData, "heartData"},
            {&Druvela_workdata::on_signals_StreamData, "StreamData"},
        };
        for (const auto& s : all) {
            const QString n = QString::fromLatin1(s.second);
            QObject::connect(&d, s.first, &d, [this, n](const QByteArray& by) { events.append({n, by}); });
        }
    }
    QStringList names() const
    {
        QStringList out;
        for (const auto& e : events)
            out << e.first;
        return out;
    }
    QList<QPair<QString, QByteArray>> events;
};

QByteArray reply(int a, int b, int type, int payloadSize, char fill = 0x11)
{
    return switcherFrame(a, b, type, QByteArray(payloadSize, fill));
}

// Resizes a frame to exactly n bytes, keeping bytes 4, 5 and 16.
QByteArray sized(QByteArray f, int n)
{
    f.resize(n);
    return f;
}

} // namespace

class tst_reply_dispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void classify_data();
    void classify();
    void overTheSocket_data();
    void overTheSocket();
    void shortInputToAnalysisIsIgnored();
    void severalPendingInOnePass();

private:
    void sendToCommandPort(const QByteArray& datagram);

    QUdpSocket m_switcher;
};

void tst_reply_dispatch::initTestCase()
{
    QVERIFY(m_switcher.bind(QHostAddress(QStringLiteral("127.0.0.5")), 0));
}

void tst_reply_dispatch::sendToCommandPort(const QByteArray& datagram)
{
    QCOMPARE(m_switcher.writeDatagram(datagram, QHostAddress::LocalHost, 7000), qint64(datagram.size()));
}

void tst_reply_dispatch::classify_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("signal");  // empty: nothing raised

    QTest::newRow("state dump 160") << reply(0xA5, 0xFF, 0x0A, 140) << "allData";
    QTest::newRow("T-bar") << reply(0xA5, 0xFF, 0x82, 2) << "tx_sliderData";
    QTest::newRow("POP window") << reply(0xA5, 0xFF, 0x6F, 6) << "pop_stateData";
    QTest::newRow("version") << reply(0xA5, 0xFF, 0x49, 8) << "version_stateData";
    QTest::newRow("heartbeat 20") << reply(0xA5, 0xFF, 0x06, 0) << "heartData";
    QTest::newRow("stream entry") << reply(0xE0, 0xFF, 0x6A, 788) << "StreamData";

    QTest::newRow("0x6A on the main board") << reply(0xA5, 0xFF, 0x6A, 788) << QString();
    QTest::newRow("stream board, state type") << reply(0xE0, 0xFF, 0x0A, 140) << QString();
    QTest::newRow("stream board, heartbeat type") << reply(0xE0, 0xFF, 0x06, 0) << QString();
    QTest::newRow("byte B not 0xFF") << reply(0xA5, 0xFE, 0x0A, 140) << QString();
    QTest::newRow("discovery request")
        << SWITCHER_DATA::discoveryRequest(QDateTime(QDate(2026, 12, 6), QTime(21, 40, 5))) << QString();
    QTest::newRow("discovery reply") << reply(0xA5, 0xFF, 0xFF, 40) << QString();
    QTest::newRow("unknown type") << reply(0xA5, 0xFF, 0x83, 0) << QString();

    QTest::newRow("19 bytes") << sized(reply(0xA5, 0xFF, 0x06, 0), 19) << QString();
    QTest::newRow("1056 bytes") << reply(0xA5, 0xFF, 0x0A, 1036) << "allData";
    QTest::newRow("1057 bytes") << reply(0xA5, 0xFF, 0x0A, 1037) << QString();

    QByteArray badSum = reply(0xA5, 0xFF, 0x0A, 140);
    badSum[158] = char(badSum.at(158) ^ 0x5A);
    QTest::newRow("bad checksum") << badSum << "allData";
    QByteArray badLen = reply(0xA5, 0xFF, 0x49, 8);
    badLen[2] = char(0x99);
    QTest::newRow("bad length field") << badLen << "version_stateData";
    QByteArray badEnds = reply(0xA5, 0xFF, 0x82, 2);
    badEnds[0] = 0;
    badEnds[badEnds.size() - 1] = 0;
    QTest::newRow("bad start and end bytes") << badEnds << "tx_sliderData";
}

// Straight through the size window, no network.
void tst_reply_dispatch::classify()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, signal);
    Druvela_workdata d;
    ReplyRecorder rec(d);
    d.CheckReceiveData(datagram);
    if (signal.isEmpty()) {
        QCOMPARE(rec.names(), QStringList());
    } else {
        QCOMPARE(rec.names(), QStringList{signal});
        QCOMPARE(rec.events.at(0).second, datagram);
    }
}

void tst_reply_dispatch::overTheSocket_data()
{
    classify_data();
}

// The same datagrams sent on the wire; a version reply behind each marks the end of the pass. The
// sender is not the target: replies are taken from any host, only the header bytes decide.
void tst_reply_dispatch::overTheSocket()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, signal);
    Druvela_workdata d;
    d.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    ReplyRecorder rec(d);
    const QByteArray marker = reply(0xA5, 0xFF, 0x49, 4, char(0x7B));
    sendToCommandPort(datagram);
    sendToCommandPort(marker);
    QTRY_VERIFY(!rec.events.isEmpty() && rec.events.last().second == marker);
    rec.events.removeLast();
    if (signal.isEmpty()) {
        QCOMPARE(rec.names(), QStringList());
    } else {
        QCOMPARE(rec.names(), QStringList{signal});
        QCOMPARE(rec.events.at(0).second, datagram);
    }
}

void tst_reply_dispatch::shortInputToAnalysisIsIgnored()
{
    Druvela_workdata d;
    ReplyRecorder rec(d);
    const QByteArray heart = reply(0xA5, 0xFF, 0x06, 0);
    for (int n = 0; n <= 16; ++n)
        d.AnalysisData(heart.left(n));
    QCOMPARE(rec.events.size(), 0);
    d.AnalysisData(heart.left(17));
    QCOMPARE(rec.names(), QStringList{"heartData"});
}

void tst_reply_dispatch::severalPendingInOnePass()
{
    Druvela_workdata d;
    ReplyRecorder rec(d);
    QUdpSocket* sock = commandSocketOf(d);
    QVERIFY(sock);
    // An empty datagram is consumed and the ones behind it are dispatched in the same pass.
    const QList<QByteArray> replies = {QByteArray(), reply(0xA5, 0xFF, 0x0A, 140), reply(0xA5, 0xFF, 0x82, 2),
                                       sized(reply(0xA5, 0xFF, 0x06, 0), 19), reply(0xE0, 0xFF, 0x6A, 788),
                                       reply(0xA5, 0xFF, 0x06, 0)};
    sock->blockSignals(true);
    for (const QByteArray& r : replies)
        sendToCommandPort(r);
    QTRY_VERIFY(sock->hasPendingDatagrams());
    QTest::qWait(50);  // let loopback finish queueing; readyRead stays blocked meanwhile
    sock->blockSignals(false);

    d.ReceiveData();
    QCOMPARE(rec.names(), QStringList({"allData", "tx_sliderData", "StreamData", "heartData"}));
    QCOMPARE(rec.events.at(2).second, replies.at(4));
    QVERIFY(!sock->hasPendingDatagrams());
}

QTEST_GUILESS_MAIN(tst_reply_dispatch)
#include "tst_reply_dispatch.moc"
