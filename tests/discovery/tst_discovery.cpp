// Discovery: the request bytes, which answers enter the device table, and what the log shows.

#include "bytes.h"
#include "discovery_answer.h"
#include "log_capture.h"
#include "switcher_data.h"

#include <QtTest>
#include <QUdpSocket>

namespace {

const QHostAddress kSender(QStringLiteral("127.0.0.2"));

// Exposes the discovery socket so a test can give it a loopback address to receive on.
class LoopbackSwitcherData : public SWITCHER_DATA
{
public:
    using SWITCHER_DATA::discoverySocket;
};

// The smallest answer the table takes: 20 bytes, name "Zv" running to the end of the datagram.
QByteArray minimalAnswer()
{
    QByteArray a(20, '\0');
    a[4] = char(0xA5);
    a[5] = char(0xFF);
    a[14] = char(0x69);
    a[16] = char(0xFF);
    a[18] = 'Z';
    a[19] = 'v';
    return a;
}

QByteArray withByte(QByteArray a, int i, char v)
{
    a[i] = v;
    return a;
}

QDateTime at(int y, int mo, int d, int h, int mi, int s)
{
    return QDateTime(QDate(y, mo, d), QTime(h, mi, s));
}

void answerRow(const char* tag, const QByteArray& datagram, bool stored, bool logged, const QString& name = QString(),
               int type = 0, const QByteArray& tail = "01 02 03")
{
    QTest::newRow(tag) << datagram << stored << logged << name << type << tail;
}

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void request_data();
    void request();
    void searchWithoutCardLogsAndEmptiesTheTable();
    void answers_data();
    void answers();
    void headerCheckWithoutFilter();
    void tableLimit();
    void socketSkipsEmptyAndShortDatagrams();
    void socketDualStackSenderIsDotted();
};

void TestDiscovery::request_data()
{
    QTest::addColumn<QList<QDateTime>>("readings");
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("Saturday evening") << QList<QDateTime>{at(2026, 12, 5, 20, 3, 9)}
        << QByteArray("a5 6c 1b 00 81 ff 01 00 00 00 00 00 00 00 00 00 ff 26 12 05 06 20 03 09 1b 04 ae");
    QTest::newRow("Sunday is 7, year modulo 100") << QList<QDateTime>{at(2100, 1, 3, 0, 0, 0)}
        << QByteArray("a5 6c 1b 00 81 ff 01 00 00 00 00 00 00 00 00 00 ff 00 01 03 07 00 00 00 b7 03 ae");
    // A clock moving past midnight between two readings must not yield a request mixing both days.
    QTest::newRow("clock read once") << QList<QDateTime>{at(2026, 12, 31, 23, 59, 59), at(2027, 1, 1, 0, 0, 0)}
        << QByteArray("a5 6c 1b 00 81 ff 01 00 00 00 00 00 00 00 00 00 ff 26 12 31 04 23 59 59 ee 04 ae");
}

void TestDiscovery::request()
{
    QFETCH(QList<QDateTime>, readings);
    QFETCH(QByteArray, frame);
    SWITCHER_DATA sd;
    sd.setClock([&readings] { return readings.size() > 1 ? readings.takeFirst() : readings.first(); });
    QByteArray buf(40, char(0xCC));
    QCOMPARE(sd.SendBroadcastBuf(buf.data()), 27);
    QCOMPARE(toSpacedHex(buf.left(27)), frame);
    QCOMPARE(buf.mid(27), QByteArray(13, char(0xCC)));
}

void TestDiscovery::searchWithoutCardLogsAndEmptiesTheTable()
{
    SWITCHER_DATA sd;
    sd.setClock([] { return at(2026, 12, 5, 20, 3, 9); });
    sd.MYanalysis(kSender, discoveryAnswer("Zv-Solvenzari-Vy", 0x27));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    LogCapture log;
    sd.setSearcheQuipment();
    QCOMPARE(log.messages(), QStringList{"SendBroadcastBuf \"a5 6c 1b 00 81 ff 01 00 00 00 00 00 00 00 00 00 ff 26 12 05 06 20 03 09 1b 04 ae\""});
    QCOMPARE(sd.DevInfo_DATA_IDX(), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&sd.devInfo(0)), 48), QByteArray(48, '\0'));
}

void TestDiscovery::answers_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("tail");

    const QByteArray vy = discoveryAnswer("Zv-Solvenzari-Vy", 0x27);
    QByteArray longer = discoveryAnswer("Zv-X", 0x27, QByteArray::fromHex("0a 0b 0c"));
    longer[2] = char(0xE8);  // the length field claims 1000 bytes
    longer[3] = char(0x03);
    answerRow("edition answer", vy, true, true, "Zv", 0x27);
    answerRow("4K answer", discoveryAnswer("Zv-Solvenzari-4K", 0x69), true, true, "Zv", 0x69);
    answerRow("name without dash", discoveryAnswer("MyZvBox", 0x28), true, true, "MyZvBox", 0x28);
    answerRow("20 bytes", minimalAnswer(), true, true, "Zv", 0x69, "69 00 ff");
    answerRow("19 bytes", minimalAnswer().left(19), false, false);
    answerRow("1056 bytes", vy.leftJustified(1056, '\0'), true, true, "Zv", 0x27, "00 00 00");
    answerRow("1057 bytes", vy.leftJustified(1057, '\0'), false, false);
    answerRow("empty", QByteArray(), false, false);
    answerRow("tail taken from the real size", longer, true, true, "Zv", 0x27, "0a 0b 0c");
    answerRow("long name is cut, fields after it intact", discoveryAnswer("Zv" + QByteArray(38, 'x') + "-Vy", 0x27), true, true,
              "Zv" + QString(29, 'x'), 0x27);
    answerRow("Zv only past the field's room", discoveryAnswer(QByteArray(35, 'y') + "Zv", 0x28), true, true, QString(31, 'y'), 0x28);
    answerRow("byte 16 not ff", withByte(vy, 16, 0x0A), false, false);
    answerRow("byte 4 not a5", withByte(vy, 4, char(0xE0)), false, true);
    answerRow("byte 5 not ff", withByte(withByte(vy, 5, 0x00), 3, char(0xFF)), false, true);
    answerRow("lower-case zv", discoveryAnswer("zv-Solvenzari", 0x27), false, true);
    answerRow("upper-case ZV", discoveryAnswer("ZV-Solvenzari", 0x27), false, true);
    answerRow("Zv only after dash", discoveryAnswer("Ab-Zv", 0x27), false, true);
    answerRow("Zv only after NUL", discoveryAnswer(QByteArray("Ab\0Zv", 5), 0x27), false, true);
    answerRow("empty name", discoveryAnswer("-Zv", 0x27), false, false);
    answerRow("0xff in the header hides the name", withByte(vy, 8, char(0xFF)), false, true);
}

void TestDiscovery::answers()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, stored);
    QFETCH(bool, logged);
    QFETCH(QString, name);
    QFETCH(int, type);
    QFETCH(QByteArray, tail);

    SWITCHER_DATA sd;
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture log;
    sd.MYanalysis(kSender, datagram);
    QCOMPARE(sd.DevInfo_DATA_IDX(), int(stored));
    QCOMPARE(spy.count(), int(stored));
    QCOMPARE(log.messages().size(), logged ? 3 : 0);
    if (!stored)
        return;
    const DevInfo_DATA& rec = sd.devInfo(0);
    QCOMPARE(devInfoName(rec), name);
    QCOMPARE(rec.name[31], '\0');
    QCOMPARE(int(rec.devType), type);
    QCOMPARE(toSpacedHex(rec.tail, 3), tail);
    QCOMPARE(devInfoIp(rec), QStringLiteral("127.0.0.2"));
    QCOMPARE(rec.byteA, quint8(0xA5));
    QCOMPARE(rec.byteB, quint8(0xFF));
    QCOMPARE(rec.hisIp, quint32(0));
}

// Get_Bind_Dev is also reachable without the size filter; it reads only inside what it is given.
// Its log shows the sender as dotted IPv4, also when it came IPv4-mapped.
void TestDiscovery::headerCheckWithoutFilter()
{
    SWITCHER_DATA sd;
    LogCapture log;
    sd.Get_Bind_Dev(kSender, QByteArray::fromHex("a5 6c 06 00 a5 ff"));  // two pieces: silent
    QCOMPARE(log.messages().size(), 0);
    sd.Get_Bind_Dev(kSender, QByteArray::fromHex("a5 6c"));  // too short for the address bytes: logged, not stored
    QCOMPARE(log.takeAll().size(), 3);
    const QByteArray tiny("\xa5\x6c\x00\x00\xa5\xff\xff\x00Zv", 10);
    sd.Get_Bind_Dev(QHostAddress(QStringLiteral("::ffff:127.0.0.9")), tiny);
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    QCOMPARE(sd.devInfo(0).ip, quint32(0x7F000009));
    QCOMPARE(devInfoName(sd.devInfo(0)), QStringLiteral("Zv"));
    QCOMPARE(sd.devInfo(0).devType, quint8(0));                             // byte 14 lies outside this datagram
    QCOMPARE(toSpacedHex(sd.devInfo(0).tail, 3), QByteArray("a5 ff ff"));  // bytes 4..6 of these 10
    QCOMPARE(log.messages(), (QStringList{"addrIP: \"127.0.0.9\"", "data: \"" + QString::fromLatin1(toSpacedHex(tiny)) + "\"", "\n"}));
}

void TestDiscovery::tableLimit()
{
    SWITCHER_DATA sd;
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture quiet;
    for (int i = 0; i < SWITCHER_DATA::DEV_TABLE_SIZE + 5; ++i)
        sd.MYanalysis(QHostAddress(quint32(0x7F000001 + (i % 250))), discoveryAnswer("Zv-N", quint8(i % 200)));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1024);
    QCOMPARE(spy.count(), 1024);
    QCOMPARE(sd.devInfo(1023).devType, quint8(1023 % 200));
}

// Binds the discovery socket where a loopback "switcher" can reach it; false when that address cannot be had.
static bool bindRig(LoopbackSwitcherData& sd, QUdpSocket& device, const QHostAddress& at)
{
    sd.bindUDPSOCKET(QNetworkInterface());
    return sd.discoverySocket()->bind(at, 0) && device.bind(kSender, 0);
}

void TestDiscovery::socketSkipsEmptyAndShortDatagrams()
{
    LoopbackSwitcherData sd;
    QUdpSocket device;
    sd.bindUDPSOCKET(QNetworkInterface());  // a second bind must not make every answer count twice
    QVERIFY(bindRig(sd, device, QHostAddress::LocalHost));
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture quiet;
    for (const QByteArray& d : {QByteArray(), discoveryAnswer("Zv-Vy", 0x27), QByteArray(), minimalAnswer().left(19), discoveryAnswer("Zv-4K", 0x69)})
        device.writeDatagram(d, QHostAddress::LocalHost, sd.discoverySocket()->localPort());
    QTRY_COMPARE(spy.count(), 2);
    QTest::qWait(20);
    QCOMPARE(sd.DevInfo_DATA_IDX(), 2);
    QCOMPARE(devInfoIp(sd.devInfo(1)), QStringLiteral("127.0.0.2"));
    QCOMPARE(sd.devInfo(1).devType, quint8(0x69));
}

void TestDiscovery::socketDualStackSenderIsDotted()
{
    LoopbackSwitcherData sd;
    QUdpSocket device;
    if (!bindRig(sd, device, QHostAddress::Any))
        QSKIP("no dual-stack socket here");
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture log;
    device.writeDatagram(discoveryAnswer("Zv-Vy", 0x27), QHostAddress::LocalHost, sd.discoverySocket()->localPort());
    QTRY_COMPARE(spy.count(), 1);
    QCOMPARE(devInfoIp(sd.devInfo(0)), QStringLiteral("127.0.0.2"));
    QCOMPARE(log.messages().value(0), QStringLiteral("addrIP: \"127.0.0.2\""));
}

QTEST_GUILESS_MAIN(TestDiscovery)
#include "tst_discovery.moc"
