// Reply reception: the size window, the classifications (the six of the main and stream boards,
// then the His board's two by its own address bytes), and reading every pending datagram.
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
            {&Druvela_workdata::on_signals_HisInfoData, "HisInfoData"}, {&Druvela_workdata::on_signals_HisUrlData, "HisUrlData"},
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
    void hisBoard_data();
    void hisBoard();
    void shortInputToAnalysisIsIgnored();
    void severalPendingInOnePass();

private:
    void sendToCommandPort(const QByteArray& datagram)
    {
        QCOMPARE(m_switcher.writeDatagram(datagram, QHostAddress::LocalHost, 7000), qint64(datagram.size()));
    }
    void checkClassified(Druvela_workdata& d, const QByteArray& datagram, const QString& signal);

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

void tst_reply_dispatch::classify()
{
    QFETCH(QByteArray, datagram);
    QFETCH(QString, signal);
    Druvela_workdata d;
    d.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    d.get_HISTypeID(QStringLiteral("127.0.0.3"), 0x5A, 0x11);
    checkClassified(d, datagram, signal);
}

// Straight through the size window, then on the wire with a version reply behind it to mark the
// end of the pass. The sender is not the target: replies are taken from any host.
void tst_reply_dispatch::checkClassified(Druvela_workdata& d, const QByteArray& datagram, const QString& signal)
{
    const QList<QPair<QString, QByteArray>> expected = signal.isEmpty() ? QList<QPair<QString, QByteArray>>()
                                                                        : QList<QPair<QString, QByteArray>>{{signal, datagram}};
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

// The His board's answers are known by the address bytes it was given; they are tested after
// the six, so bytes it shares with another board never take that board's replies.
void tst_reply_dispatch::hisBoard_data()
{
    QTest::addColumn<int>("hisA");
    QTest::addColumn<int>("hisB");
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<QString>("signal");
    QTest::newRow("settings") << 0x5A << 0x11 << reply(0x5A, 0x11, 0x24, 17) << "HisInfoData";
    QTest::newRow("url entry") << 0x5A << 0x11 << reply(0x5A, 0x11, 0x6A, 789) << "HisUrlData";
    QTest::newRow("state type") << 0x5A << 0x11 << reply(0x5A, 0x11, 0x0A, 140) << QString();
    QTest::newRow("Set Url's type") << 0x5A << 0x11 << reply(0x5A, 0x11, 0x67, 789) << QString();
    QTest::newRow("byte B differs") << 0x5A << 0x11 << reply(0x5A, 0x12, 0x24, 17) << QString();
    QTest::newRow("settings type, main board") << 0x5A << 0x11 << reply(0xA5, 0xFF, 0x24, 17) << QString();
    QTest::newRow("His bytes zero, as discovery leaves them") << 0 << 0 << reply(0x00, 0x00, 0x24, 17) << "HisInfoData";
    QTest::newRow("main board's bytes: settings") << 0xA5 << 0xFF << reply(0xA5, 0xFF, 0x24, 17) << "HisInfoData";
    QTest::newRow("main board's bytes: url entry") << 0xA5 << 0xFF << reply(0xA5, 0xFF, 0x6A, 789) << "HisUrlData";
    QTest::newRow("main board's bytes: state") << 0xA5 << 0xFF << reply(0xA5, 0xFF, 0x0A, 140) << "allData";
    QTest::newRow("stream board's bytes: entry") << 0xE0 << 0xFF << reply(0xE0, 0xFF, 0x6A, 788) << "StreamData";
}

void tst_reply_dispatch::hisBoard()
{
    QFETCH(int, hisA);
    QFETCH(int, hisB);
    QFETCH(QByteArray, datagram);
    QFETCH(QString, signal);
    Druvela_workdata d;
    d.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
    d.get_HISTypeID(QStringLiteral("127.0.0.3"), quint8(hisA), quint8(hisB));
    checkClassified(d, datagram, signal);
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

// One pass reads every pending datagram, the empty one included; the ones in the size window are
// handed on afterwards, from the event loop, in their order.
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
    QVERIFY(!sock->hasPendingDatagrams());
    QVERIFY(rec.events.isEmpty());
    QTRY_COMPARE(rec.names(), QStringList({"allData", "tx_sliderData", "StreamData", "heartData"}));
    QCOMPARE(rec.events.at(2).second, replies.at(4));
}

QTEST_GUILESS_MAIN(tst_reply_dispatch)
#include "tst_reply_dispatch.moc"
