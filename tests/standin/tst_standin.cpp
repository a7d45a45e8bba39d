#include "standin_switcher.h"
#include "switcher_data.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QByteArray request(quint8 addrA, quint8 cmd, const QByteArray &data = QByteArray())
{
    return StandinSwitcher().frame(addrA, cmd, data);
}

// Length field, checksum and end byte agree with the datagram's size.
bool wellFormed(const QByteArray &f)
{
    if (f.size() < 20 || quint8(f.at(0)) != 0xA5 || quint8(f.at(1)) != 0x6C || quint8(f.back()) != 0xAE)
        return false;
    const int len = quint8(f.at(2)) | quint8(f.at(3)) << 8;
    int sum = 0;
    for (int i = 0; i < f.size() - 3; ++i)
        sum += quint8(f.at(i));
    const int stored = quint8(f.at(f.size() - 3)) | quint8(f.at(f.size() - 2)) << 8;
    return len == f.size() && stored == (sum & 0xFFFF);
}

} // namespace

class tst_standin : public QObject
{
    Q_OBJECT
private slots:
    void discoveryAnswerIsStoredAsTheSwitcher_data();
    void discoveryAnswerIsStoredAsTheSwitcher();
    void requestsAreAnswered_data();
    void requestsAreAnswered();
    void controlLines_data();
    void controlLines();
    void sendLinesAreRaised();
};

void tst_standin::discoveryAnswerIsStoredAsTheSwitcher_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("stored");
    QTest::newRow("Vy") << 0x28 << QByteArray("Zv-Solvenzari-Vy") << "Zv";
    QTest::newRow("4K") << 0x69 << QByteArray("Zv-Solvenzari-4K") << "Zv";
}

void tst_standin::discoveryAnswerIsStoredAsTheSwitcher()
{
    QFETCH(int, type);
    QFETCH(QByteArray, name);
    QFETCH(QString, stored);
    StandinSwitcher s;
    s.setDeviceType(quint8(type));
    s.setName(name);
    const QByteArray reply = s.answer(SWITCHER_DATA::discoveryRequest(QDateTime::currentDateTime()));
    QVERIFY(wellFormed(reply));
    QCOMPARE(quint8(reply.at(14)), quint8(type));
    QCOMPARE(reply.mid(18, name.size()), name);

    SWITCHER_DATA table;
    QSignalSpy spy(&table, &SWITCHER_DATA::sigend_datapack);
    table.Get_Bind_Dev(QHostAddress(QStringLiteral("192.0.2.2")), reply);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(devInfoName(table.devInfo(0)), stored);
    QCOMPARE(table.devInfo(0).devType, quint8(type));
    QCOMPARE(table.devInfo(0).byteA, quint8(0xA5));
    QCOMPARE(table.devInfo(0).byteB, quint8(0xFF));
}

void tst_standin::requestsAreAnswered_data()
{
    QTest::addColumn<QByteArray>("req");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("minSize");  // 0: no answer
    QTest::newRow("heartbeat") << request(0xA5, 0x06) << "answer" << 20;
    QTest::newRow("state") << request(0xA5, 0x0A) << "answer" << 100;
    QTest::newRow("version holds bytes 14..31") << request(0xA5, 0x49) << "answer" << 32;
    QTest::newRow("stream entry") << request(0xE0, 0x6A, QByteArray(1, 3)) << "answer" << 809;
    QTest::newRow("silent heartbeat") << request(0xA5, 0x06) << "silent" << 0;
    QTest::newRow("silent discovery") << SWITCHER_DATA::discoveryRequest(QDateTime::currentDateTime()) << "silent" << 0;
    QTest::newRow("not a frame") << QByteArray(19, char(0xA5)) << "answer" << 0;
    QTest::newRow("zeros") << QByteArray(30, '\0') << "answer" << 0;
    QTest::newRow("command without answer") << request(0xA5, 0x80, QByteArray(1, 3)) << "answer" << 0;
}

void tst_standin::requestsAreAnswered()
{
    QFETCH(QByteArray, req);
    QFETCH(QString, control);
    QFETCH(int, minSize);
    StandinSwitcher s;
    QVERIFY(s.control(control));
    const QByteArray reply = s.answer(req);
    if (minSize == 0) {
        QVERIFY(reply.isEmpty());
        return;
    }
    QVERIFY(wellFormed(reply));
    QVERIFY(reply.size() >= minSize && reply.size() <= 1056);
    QCOMPARE(reply.mid(4, 2), req.mid(4, 1) + char(0xFF));
    QCOMPARE(reply.mid(16, 2), req.mid(16, 1) + char(0));
    if (quint8(req.at(16)) == 0x6A) {
        QCOMPARE(reply.mid(20, 6), QByteArray("Slot3\0", 6));
        const QByteArray url = "rtmp://192.0.2.200/live/3";
        QCOMPARE(quint8(reply.at(36)) | quint8(reply.at(37)) << 8, url.size());
        QCOMPARE(reply.mid(38, url.size() + 1), url + '\0');
    }
}

void tst_standin::controlLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("known");
    QTest::addColumn<QByteArray>("heartReply");
    QTest::newRow("reply sets a payload") << "reply a5 06 00 7f" << true << QByteArray::fromHex("007f");
    QTest::newRow("odd hex refused") << "reply a5 06 0" << false << QByteArray::fromHex("00");
    QTest::newRow("unknown word") << "explode" << false << QByteArray::fromHex("00");
    QTest::newRow("type out of range") << "type 100" << false << QByteArray::fromHex("00");
}

void tst_standin::controlLines()
{
    QFETCH(QString, line);
    QFETCH(bool, known);
    QFETCH(QByteArray, heartReply);
    StandinSwitcher s;
    QCOMPARE(s.control(line), known);
    const QByteArray reply = s.answer(request(0xA5, 0x06));
    QCOMPARE(reply.mid(17, reply.size() - 20), heartReply);
    QCOMPARE(s.deviceType(), quint8(0x28));
}

void tst_standin::sendLinesAreRaised()
{
    StandinSwitcher s;
    QSignalSpy spy(&s, &StandinSwitcher::sendRequested);
    QVERIFY(s.control(QStringLiteral("send a56c1400")));
    QVERIFY(s.control(QStringLiteral("sendto 127.0.0.2 7000 ae")));
    QVERIFY(!s.control(QStringLiteral("sendto nowhere 7000 ae")));
    QVERIFY(!s.control(QStringLiteral("send")));
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).toByteArray(), QByteArray::fromHex("a56c1400"));
    QVERIFY(spy.at(0).at(1).toString().isEmpty());
    QCOMPARE(spy.at(1).at(1).toString(), QStringLiteral("127.0.0.2"));
    QCOMPARE(spy.at(1).at(2).value<quint16>(), quint16(7000));
    QVERIFY(s.control(QStringLiteral("type 69")));
    QVERIFY(s.control(QStringLiteral("name Zv-Other")));
    const QByteArray reply = s.answer(SWITCHER_DATA::discoveryRequest(QDateTime::currentDateTime()));
    QCOMPARE(quint8(reply.at(14)), quint8(0x69));
    QCOMPARE(reply.mid(18, 8), QByteArray("Zv-Other"));
}

QTEST_GUILESS_MAIN(tst_standin)
#include "tst_standin.moc"
