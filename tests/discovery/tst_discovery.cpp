// Discovery: the request bytes, which answers enter the device table, and what the log shows.

#include "bytes.h"
#include "discovery_answer.h"
#include "log_capture.h"
#include "switcher_data.h"

#include <QtTest>
#include <QUdpSocket>

#include <memory>

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

QByteArray sized(QByteArray answer, int size)
{
    return answer.leftJustified(size, '\0', true);
}

QByteArray withByte(QByteArray a, int i, char v)
{
    a[i] = v;
    return a;
}

} // namespace

class TestDiscovery : public QObject
{
    Q_OBJECT
private slots:
    void requestBytesAndSearch();
    void requestReadsClockOnce();
    void answers_data();
    void answers();
    void headerCheckWithoutFilter();
    void tailComesFromRealSize();
    void longNameIsCut();
    void answerLogLinesAndMappedSender();
    void repeatedAnswersAreEachStored();
    void tableLimit();
    void socketSkipsEmptyAndShortDatagrams();
    void socketDualStackSenderIsDotted();
};

// The request as built and as logged when Search runs without a card: the bytes, and nothing past them.
void TestDiscovery::requestBytesAndSearch()
{
    SWITCHER_DATA sd;
    sd.setClock([] { return QDateTime(QDate(2026, 12, 5), QTime(20, 3, 9)); });
    const QByteArray golden("a5 6c 1b 00 81 ff 01 00 00 00 00 00 00 00 00 00 ff 26 12 05 06 20 03 09 1b 04 ae");
    QByteArray buf(40, char(0xCC));
    QCOMPARE(sd.SendBroadcastBuf(buf.data()), 27);
    QCOMPARE(toSpacedHex(buf.left(27)), golden);
    QCOMPARE(buf.mid(27), QByteArray(13, char(0xCC)));

    sd.MYanalysis(kSender, discoveryAnswer("Zv-Solvenzari-Vy", 0x27));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    LogCapture log;
    sd.setSearcheQuipment();  // no card chosen: nothing goes out
    QCOMPARE(log.messages(), QStringList{QStringLiteral("SendBroadcastBuf \"%1\"").arg(QLatin1String(golden))});
    QCOMPARE(sd.DevInfo_DATA_IDX(), 0);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(&sd.devInfo(0)), 48), QByteArray(48, '\0'));

    // Sunday is 7, the year is taken modulo 100.
    const QByteArray sunday = SWITCHER_DATA::discoveryRequest(QDateTime(QDate(2100, 1, 3), QTime(0, 0, 0)));
    QCOMPARE(toSpacedHex(sunday.mid(17, 7)), QByteArray("00 01 03 07 00 00 00"));
}

void TestDiscovery::requestReadsClockOnce()
{
    // A clock that moves past midnight between two readings must not yield a request mixing both days.
    int readings = 0;
    SWITCHER_DATA sd;
    sd.setClock([&readings] {
        return readings++ == 0 ? QDateTime(QDate(2026, 12, 31), QTime(23, 59, 59))
                               : QDateTime(QDate(2027, 1, 1), QTime(0, 0, 0));
    });
    unsigned char buf[27] = {};
    sd.SendBroadcastBuf(buf);
    QCOMPARE(readings, 1);
    QCOMPARE(toSpacedHex(buf + 17, 7), QByteArray("26 12 31 04 23 59 59"));
}

void TestDiscovery::answers_data()
{
    QTest::addColumn<QByteArray>("datagram");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<bool>("logged");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("type");

    const QByteArray vy = discoveryAnswer("Zv-Solvenzari-Vy", 0x27);
    QTest::newRow("edition answer") << vy << true << true << "Zv" << 0x27;
    QTest::newRow("4K answer") << discoveryAnswer("Zv-Solvenzari-4K", 0x69) << true << true << "Zv" << 0x69;
    QTest::newRow("name without dash") << discoveryAnswer("MyZvBox", 0x28) << true << true << "MyZvBox" << 0x28;
    QTest::newRow("20 bytes") << minimalAnswer() << true << true << "Zv" << 0x69;
    QTest::newRow("19 bytes") << minimalAnswer().left(19) << false << false << "" << 0;
    QTest::newRow("1056 bytes") << sized(vy, 1056) << true << true << "Zv" << 0x27;
    QTest::newRow("1057 bytes") << sized(vy, 1057) << false << false << "" << 0;
    QTest::newRow("empty") << QByteArray() << false << false << "" << 0;
    QTest::newRow("byte 16 not ff") << withByte(vy, 16, 0x0A) << false << false << "" << 0;
    QTest::newRow("byte 4 not a5") << withByte(vy, 4, char(0xE0)) << false << true << "" << 0;
    QTest::newRow("byte 5 not ff") << withByte(withByte(vy, 5, 0x00), 3, char(0xFF)) << false << true << "" << 0;
    QTest::newRow("lower-case zv") << discoveryAnswer("zv-Solvenzari", 0x27) << false << true << "" << 0;
    QTest::newRow("upper-case ZV") << discoveryAnswer("ZV-Solvenzari", 0x27) << false << true << "" << 0;
    QTest::newRow("Zv only after dash") << discoveryAnswer("Ab-Zv", 0x27) << false << true << "" << 0;
    QTest::newRow("Zv only after NUL") << discoveryAnswer(QByteArray("Ab\0Zv", 5), 0x27) << false << true << ""
                                       << 0;
    QTest::newRow("empty name") << discoveryAnswer("-Zv", 0x27) << false << false << "" << 0;
    QTest::newRow("0xff in the header hides the name")
        << withByte(vy, 8, char(0xFF)) << false << true << "" << 0;
}

void TestDiscovery::answers()
{
    QFETCH(QByteArray, datagram);
    QFETCH(bool, stored);
    QFETCH(bool, logged);
    QFETCH(QString, name);
    QFETCH(int, type);

    SWITCHER_DATA sd;
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture log;
    sd.MYanalysis(kSender, datagram);

    QCOMPARE(sd.DevInfo_DATA_IDX(), stored ? 1 : 0);
    QCOMPARE(spy.count(), stored ? 1 : 0);
    QCOMPARE(log.messages().size(), logged ? 3 : 0);
    if (stored) {
        const DevInfo_DATA& rec = sd.devInfo(0);
        QCOMPARE(devInfoName(rec), name);
        QCOMPARE(int(rec.devType), type);
        QCOMPARE(devInfoIp(rec), QStringLiteral("127.0.0.2"));
        QCOMPARE(rec.byteA, quint8(0xA5));
        QCOMPARE(rec.byteB, quint8(0xFF));
        QCOMPARE(rec.hisIp, quint32(0));
        QCOMPARE(rec.hisByteA, quint8(0));
        QCOMPARE(rec.hisByteB, quint8(0));
    }
}

void TestDiscovery::headerCheckWithoutFilter()
{
    // Get_Bind_Dev is also reachable without the size filter; it reads only inside what it is given.
    SWITCHER_DATA sd;
    LogCapture log;
    sd.Get_Bind_Dev(kSender, QByteArray::fromHex("a5 6c 06 00 a5 ff"));  // two pieces: silent
    QCOMPARE(log.messages().size(), 0);
    sd.Get_Bind_Dev(kSender, QByteArray::fromHex("a5 6c"));  // too short for the address bytes: logged, not stored
    QCOMPARE(log.messages().size(), 3);
    sd.Get_Bind_Dev(kSender, QByteArray("\xa5\x6c\x00\x00\xa5\xff\xff\x00Zv", 10));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    const DevInfo_DATA& rec = sd.devInfo(0);
    QCOMPARE(devInfoName(rec), QStringLiteral("Zv"));
    QCOMPARE(rec.devType, quint8(0));  // byte 14 lies outside this datagram
    QCOMPARE(toSpacedHex(rec.tail, 3), QByteArray("a5 ff ff"));  // bytes 4..6 of this 10-byte datagram
}

void TestDiscovery::tailComesFromRealSize()
{
    SWITCHER_DATA sd;
    QByteArray answer = discoveryAnswer("Zv-X", 0x27, QByteArray::fromHex("0a 0b 0c"));
    answer[2] = char(0xE8);  // the length field claims 1000 bytes
    answer[3] = char(0x03);
    sd.MYanalysis(kSender, answer);
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    QCOMPARE(toSpacedHex(sd.devInfo(0).tail, 3), QByteArray("0a 0b 0c"));
}

void TestDiscovery::longNameIsCut()
{
    SWITCHER_DATA sd;
    sd.MYanalysis(kSender, discoveryAnswer("Zv" + QByteArray(38, 'x') + "-Vy", 0x27));
    // "Zv" only past the field's room: the whole name is tested, the stored one is cut.
    sd.MYanalysis(kSender, discoveryAnswer(QByteArray(35, 'y') + "Zv", 0x28));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 2);

    const DevInfo_DATA& first = sd.devInfo(0);
    QCOMPARE(devInfoName(first), QString("Zv" + QString(29, 'x')));
    QCOMPARE(first.name[31], '\0');
    QCOMPARE(first.devType, quint8(0x27));  // the fields after the name are intact
    QCOMPARE(toSpacedHex(first.tail, 3), QByteArray("01 02 03"));

    const DevInfo_DATA& second = sd.devInfo(1);
    QCOMPARE(devInfoName(second), QString(31, 'y'));
    QCOMPARE(second.devType, quint8(0x28));
}

void TestDiscovery::answerLogLinesAndMappedSender()
{
    SWITCHER_DATA sd;
    LogCapture log;
    const QByteArray answer = discoveryAnswer("Zv-Vy", 0x27);
    sd.Get_Bind_Dev(QHostAddress(QStringLiteral("::ffff:127.0.0.9")), answer);
    QCOMPARE(sd.DevInfo_DATA_IDX(), 1);
    QCOMPARE(sd.devInfo(0).ip, quint32(0x7F000009));
    QCOMPARE(log.messages(), (QStringList{QStringLiteral("addrIP: \"127.0.0.9\""),
                                          QStringLiteral("data: \"%1\"").arg(QString::fromLatin1(toSpacedHex(answer))),
                                          QStringLiteral("\n")}));
}

void TestDiscovery::repeatedAnswersAreEachStored()
{
    SWITCHER_DATA sd;
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    sd.MYanalysis(kSender, discoveryAnswer("Zv-One", 0x27));
    sd.MYanalysis(kSender, discoveryAnswer("Zv-One", 0x27));
    QCOMPARE(sd.DevInfo_DATA_IDX(), 2);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(sd.devInfo(1).ip, sd.devInfo(0).ip);
}

void TestDiscovery::tableLimit()
{
    SWITCHER_DATA sd;
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture quiet;
    for (int i = 0; i < SWITCHER_DATA::DEV_TABLE_SIZE + 5; ++i)
        sd.MYanalysis(QHostAddress(quint32(0x7F000000 + 1 + (i % 250))), discoveryAnswer("Zv-N", quint8(i % 200)));
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
    // A second bind must not make every answer count twice.
    sd.bindUDPSOCKET(QNetworkInterface());
    QVERIFY(bindRig(sd, device, QHostAddress::LocalHost));
    const quint16 port = sd.discoverySocket()->localPort();
    QSignalSpy spy(&sd, &SWITCHER_DATA::sigend_datapack);
    LogCapture quiet;
    device.writeDatagram(QByteArray(), QHostAddress::LocalHost, port);
    device.writeDatagram(discoveryAnswer("Zv-Vy", 0x27), QHostAddress::LocalHost, port);
    device.writeDatagram(QByteArray(), QHostAddress::LocalHost, port);
    device.writeDatagram(minimalAnswer().left(19), QHostAddress::LocalHost, port);
    device.writeDatagram(discoveryAnswer("Zv-4K", 0x69), QHostAddress::LocalHost, port);
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
