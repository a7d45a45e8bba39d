// Reply reception: the size window, the six classifications, and reading every pending datagram.
// A stand-in switcher on 127.0.0.5 sends to the command socket on 127.0.0.1:7000.

#include "druvela_workdata.h"
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
        const QPair<Signal, QString> all[] = {
            {&Druvela_workdata::on_signals_allData, "allData"}, {&Druvela_workdata::on_signals_tx_sliderData, "tx_sliderData"},
            {&Druvela_workdata::on_signals_pop_stateData, "pop_stateData"}, {&Druvela_workdata::on_signals_version_stateData, "version_stateData"},
            {&Druvela_workdata::on_signals_heartData, "heartData"}, {&Druvela_workdata::on_signals_StreamData, "StreamData"},
        };
        for (const auto& s : all)
            QObject::connect(&d, s.first, &d, [this, n = s.second](const QByteArray& by) { events.append({n, by}); });
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

QByteArray changed(QByteArray f, std::initializer_list<QPair<int, int>> bytes)
{
    for (const auto& b : bytes)
        f[b.first < 0 ? f.size() + b.first : b.first] = char(b.second);
    return f;
}

} // namespace

class tst_reply_dispatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(m_switcher.bind(QHostAddress(QStringLiteral("127.0.0.5")), 0)); }
    void classify_data();
    void classify();
    void shortInputToAnalysisIsIgnored();
    void severalPendingInOnePass();

private:
    void sendToCommandPort(const QByteArray& datagram)
    {
        QCOMPARE(m_switcher.writeDatagram(datagram, QHostAddress::LocalHost, 7000), qint64(datagram.size()));
    }

    QUdpSocket m_switcher;
};

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
    QTest::newRow("discovery request") << SWITCHER_DATA::discoveryRequest(QDateTime(QDate(2026, 12, 6), QTime(21, 40, 5))) << QString();
    QTest::newRow("discovery reply") << reply(0xA5, 0xFF, 0xFF, 40) << QString();
    QTest::newRow("unknown type") << reply(0xA5, 0xFF, 0x83, 0) << QString();
    QTest::newRow("19 bytes") << reply(0xA5, 0xFF, 0x06, 0).left(19) << QString();
    QTest::newRow("1056 bytes") << reply(0xA5, 0xFF, 0x0A, 1036) << "allData";
    QTest::newRow("1057 bytes") << reply(0xA5, 0xFF, 0x0A, 1037) << QString();
    // Only the header bytes decide.
    QTest::newRow("bad checksum") << changed(reply(0xA5, 0xFF, 0x0A, 140), {{158, 0x5A}}) << "allData";
    QTest::newRow("bad length field") << changed(reply(0xA5, 0xFF, 0x49, 8), {{2, 0x99}}) << "version_stateData";
    QTest::newRow("bad start and end bytes") << changed(reply(0xA5, 0xFF, 0x82, 2), {{0, 0}, {-1, 0}}) << "tx_sliderData";
}

// Straight through the size window, then on the wire with a version reply behind it to mark the
// end of the pass. The sender is not the target: replies are taken from any host.
void tst_reply_dispatch::classify()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, signal);
    const QList<QPair<QString, QByteArray>> expected = signal.isEmpty() ? QList<QPair<QString, QByteArray>>()
                                                                        : QList<QPair<QString, QByteArray>>{{signal, datagram}};
    Druvela_workdata d;
    d.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    ReplyRecorder rec(d);
    d.CheckReceiveData(datagram);
    QCOMPARE(rec.events, expected);

    rec.events.clear();
    const QByteArray marker = reply(0xA5, 0xFF, 0x49, 4, char(0x7B));
    sendToCommandPort(datagram);
    sendToCommandPort(marker);
    QTRY_VERIFY(!rec.events.isEmpty() && rec.events.last().second == marker);
    rec.events.removeLast();
    QCOMPARE(rec.events, expected);
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

// An empty datagram is consumed and the ones behind it are dispatched in the same pass.
void tst_reply_dispatch::severalPendingInOnePass()
{
    Druvela_workdata d;
    ReplyRecorder rec(d);
    QUdpSocket* sock = commandSocketOf(d);
    QVERIFY(sock);
    const QList<QByteArray> replies = {QByteArray(), reply(0xA5, 0xFF, 0x0A, 140), reply(0xA5, 0xFF, 0x82, 2),
                                       reply(0xA5, 0xFF, 0x06, 0).left(19), reply(0xE0, 0xFF, 0x6A, 788), reply(0xA5, 0xFF, 0x06, 0)};
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
