// The stand-in switcher as the end-to-end tests use it: its discovery answer enters the device
// table, and the control lines they send change what it answers.

#include "standin_switcher.h"
#include "switcher_data.h"

#include <QtTest>

class tst_standin : public QObject
{
    Q_OBJECT
private slots:
    void discoveryAnswerIsStored_data();
    void discoveryAnswerIsStored();
    void controlLines_data();
    void controlLines();
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

QTEST_GUILESS_MAIN(tst_standin)
#include "tst_standin.moc"
