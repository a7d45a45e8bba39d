// The stand-in switcher as the end-to-end tests use it: its discovery answer enters the device
// table, and the control lines they send change what it answers.

#include "his_replies.h"
#include "standin_switcher.h"
#include "switcher_data.h"

#include <QHostAddress>

#include <QtTest>

class tst_standin : public QObject
{
    Q_OBJECT
private slots:
    void discoveryAnswerIsStored_data();
    void discoveryAnswerIsStored();
    void controlLines_data();
    void controlLines();
    void secondBoardReads_data();
    void secondBoardReads();
};

void tst_standin::discoveryAnswerIsStored_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("Vy") << 0x28 << QByteArray("Zv-Solvenzari-Vy");
    QTest::newRow("4K") << 0x69 << QByteArray("Zv-Solvenzari-4K");
}

void tst_standin::discoveryAnswerIsStored()
{
    QFETCH(int, type);
    QFETCH(QByteArray, name);
    StandinSwitcher s;
    QVERIFY(s.control(QStringLiteral("type %1").arg(type, 0, 16)));
    QVERIFY(s.control(QStringLiteral("name ") + QString::fromLatin1(name)));
    SWITCHER_DATA table;
    const QByteArray answer = s.answer(SWITCHER_DATA::discoveryRequest(QDateTime::currentDateTime()));
    table.Get_Bind_Dev(QHostAddress(QStringLiteral("192.0.2.2")), answer);
    QCOMPARE(table.DevInfo_DATA_IDX(), 1);
    QCOMPARE(devInfoName(table.devInfo(0)), QStringLiteral("Zv"));
    QCOMPARE(int(table.devInfo(0).devType), type);
    QCOMPARE(table.devInfo(0).byteA, quint8(0xA5));
}

void tst_standin::controlLines_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("heartReply");  // bytes from offset 17; empty: no answer
    QTest::addColumn<bool>("accepted");          // every line taken
    QTest::newRow("default") << QStringList() << QByteArray::fromHex("00") << true;
    QTest::newRow("silent") << QStringList{"silent"} << QByteArray() << true;
    QTest::newRow("silent, answer") << QStringList{"silent", "answer"} << QByteArray::fromHex("00") << true;
    QTest::newRow("reply sets a payload") << QStringList{"reply a5 06 00 7f"} << QByteArray::fromHex("007f")
                                          << true;
    QTest::newRow("odd hex refused") << QStringList{"reply a5 06 0"} << QByteArray::fromHex("00") << false;
}

void tst_standin::controlLines()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, heartReply);
    QFETCH(bool, accepted);
    StandinSwitcher s;
    bool allTaken = true;
    for (const QString& line : lines)
        allTaken = s.control(line) && allTaken;
    QCOMPARE(allTaken, accepted);
    const QByteArray reply = s.answer(s.frame(0xA5, 0x06, QByteArray()));
    QCOMPARE(reply.mid(17, reply.size() - 20), heartReply);
    if (!reply.isEmpty())  // what the panel takes for a heartbeat
        QCOMPARE(reply.mid(4, 2) + reply.at(16), QByteArray::fromHex("a5ff06"));
}

namespace {

// The panel's two reads of the second board, as its frame builders write them.
QByteArray settingsRead(quint8 a, quint8 b)
{
    unsigned char buf[64] = {};
    const quint16 n = SWITCHER_DATA::Set_ipCom(buf, a, b, 0x24, SET_DEV_IP{});
    return QByteArray(reinterpret_cast<const char*>(buf), n);
}

QByteArray urlRead(quint8 a, quint8 b, quint8 index)
{
    unsigned char buf[64] = {};
    const quint16 n = SWITCHER_DATA::Single_Char_Data(buf, a, b, 0x6A, index);
    return QByteArray(reinterpret_cast<const char*>(buf), n);
}

} // namespace

// The answers carry the reads' own address bytes and read back with the panel's decoders.
void tst_standin::secondBoardReads_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<QByteArray>("head");  // answer bytes 4, 5 and 16
    QTest::addColumn<int>("size");
    QTest::addColumn<QStringList>("shown");  // four addresses, or index, name and URL
    QTest::newRow("settings") << QStringList() << settingsRead(0x5A, 0x11) << QByteArray::fromHex("5a1124") << 37
                              << QStringList{"192.0.2.2", "255.255.255.0", "192.0.2.1", "192.0.2.1"};
    QTest::newRow("settings from a control line")
        << QStringList{"reply 5a 24 0a000005 ffff0000 0a000001 00 01010101"} << settingsRead(0x5A, 0x11)
        << QByteArray::fromHex("5a1124") << 37 << QStringList{"10.0.0.5", "255.255.0.0", "10.0.0.1", "1.1.1.1"};
    QTest::newRow("url entry 3") << QStringList() << urlRead(0x5A, 0x11, 3) << QByteArray::fromHex("5a116a") << 809
                                 << QStringList{"3", "Second3", "rtmp://192.0.2.201/second/3"};
    QTest::newRow("url entry, main board's bytes") << QStringList() << urlRead(0xA5, 0xFF, 0) << QByteArray::fromHex("a5ff6a")
                                                   << 809 << QStringList{"0", "Second0", "rtmp://192.0.2.201/second/0"};
    QTest::newRow("stream board's entry unchanged") << QStringList() << urlRead(0xE0, 0xFF, 1) << QByteArray::fromHex("e0ff6a")
                                                    << 809 << QStringList{"1", "Slot1", "rtmp://192.0.2.200/live/1"};
}

void tst_standin::secondBoardReads()
{
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, request);
    QFETCH(QByteArray, head);
    QFETCH(int, size);
    QFETCH(QStringList, shown);
    StandinSwitcher s;
    for (const QString& line : lines)
        QVERIFY(s.control(line));
    const QByteArray answer = s.answer(request);
    QCOMPARE(answer.size(), size);
    QCOMPARE(answer.mid(4, 2) + answer.at(16), head);
    QCOMPARE(answer.back(), char(0xAE));
    QStringList read;
    HisReplies::Settings settings;
    HisReplies::UrlEntry entry;
    if (HisReplies::readSettings(answer, settings)) {
        for (quint32 v : {settings.ip, settings.subnet, settings.gateway, settings.dns})
            read << QHostAddress(v).toString();
    } else if (HisReplies::readUrlEntry(answer, entry)) {
        read << QString::number(entry.index) << entry.name << entry.url;
    }
    QCOMPARE(read, shown);
}

QTEST_GUILESS_MAIN(tst_standin)
#include "tst_standin.moc"
