// Frame builders: exact bytes on the wire, field limits, and no write past the frame.

#include "bytes.h"
#include "switcher_data.h"
#include "test_frame.h"

#include <QtTest>

#include <cstring>

namespace {

constexpr char kCanary = char(0xCC);

enum Builder { None, Single, Double, Three, Four, Ip, IpDns };

quint16 build(int builder, void* buf, unsigned char a, unsigned char cmd, const QByteArray& d)
{
    auto at = [&](int i) { return static_cast<unsigned char>(i < d.size() ? d.at(i) : 0); };
    SET_DEV_IP_DNS rec{{192, 168, 1, 100}, {255, 255, 255, 0}, {192, 168, 1, 1}, 1, {8, 8, 4, 4}};
    SET_DEV_IP ip;
    std::memcpy(&ip, &rec, sizeof ip);
    switch (builder) {
    case None: return SWITCHER_DATA::None_Char_Data(buf, a, 0xFF, cmd);
    case Single: return SWITCHER_DATA::Single_Char_Data(buf, a, 0xFF, cmd, at(0));
    case Double: return SWITCHER_DATA::Double_Char_Data(buf, a, 0xFF, cmd, at(0), at(1));
    case Three: return SWITCHER_DATA::Three_Char_Data(buf, a, 0xFF, cmd, at(0), at(1), at(2));
    case Four: return SWITCHER_DATA::Four_Char_Data(buf, a, 0xFF, cmd, at(0), at(1), at(2), at(3));
    case Ip: return SWITCHER_DATA::Set_ipCom(buf, a, 0xFF, cmd, ip);
    case IpDns: return SWITCHER_DATA::Set_ipCom(buf, a, 0xFF, cmd, rec);
    }
    return 0;
}

QByteArray hex(const char* spaced)
{
    return QByteArray::fromHex(spaced);
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void shortAndIpFrames_data();
    void shortAndIpFrames();
    void streamFrame_data();
    void streamFrame();
    void checksumAndTimeBytes();
    void byteReadersStayInside();
};

void TestFrames::shortAndIpFrames_data()
{
    QTest::addColumn<int>("builder");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("CUT, no data") << int(None) << 0xA5 << 0x83 << QByteArray() << hex("a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83 4d 03 ae");
    QTest::newRow("PGM source 3") << int(Single) << 0xA5 << 0x80 << hex("03") << hex("a5 6c 15 00 a5 ff 01 00 00 00 00 00 00 00 00 00 80 03 4e 03 ae");
    QTest::newRow("16-bit value, low byte first") << int(Double) << 0xA5 << 0x84 << hex("34 12")
        << hex("a5 6c 16 00 a5 ff 01 00 00 00 00 00 00 00 00 00 84 34 12 96 03 ae");
    QTest::newRow("stream board, three bytes") << int(Three) << 0xE0 << 0x69 << hex("01 02 03")
        << hex("a5 6c 17 00 e0 ff 01 00 00 00 00 00 00 00 00 00 69 01 02 03 77 03 ae");
    QTest::newRow("four bytes of 0xff") << int(Four) << 0xA5 << 0x90 << hex("ff ff ff ff")
        << hex("a5 6c 18 00 a5 ff 01 00 00 00 00 00 00 00 00 00 90 ff ff ff ff 5a 07 ae");
    QTest::newRow("set IP, main board flag 00") << int(Ip) << 0xA5 << 0x20 << QByteArray()
        << hex("a5 6c 21 00 a5 ff 00 00 00 00 00 00 00 00 00 00 20 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 2b 09 ae");
    QTest::newRow("set IP, stream board flag 01") << int(Ip) << 0xE0 << 0x20 << QByteArray()
        << hex("a5 6c 21 00 e0 ff 01 00 00 00 00 00 00 00 00 00 20 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 67 09 ae");
    QTest::newRow("set IP with DNS") << int(IpDns) << 0xA5 << 0x22 << QByteArray()
        << hex("a5 6c 25 00 a5 ff 00 00 00 00 00 00 00 00 00 00 22 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 08 08 04 04 49 09 ae");
}

void TestFrames::shortAndIpFrames()
{
    QFETCH(int, builder);
    QFETCH(int, a);
    QFETCH(int, cmd);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);
    QByteArray buf(1024, kCanary);
    std::memset(buf.data(), 0, size_t(expected.size()));
    const quint16 len = build(builder, buf.data(), quint8(a), quint8(cmd), data);
    QCOMPARE(buf.left(len), expected);
    QCOMPARE(buf.mid(len), QByteArray(1024 - len, kCanary));
}

void TestFrames::streamFrame_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("url");
    QTest::addColumn<int>("flag");  // -1: refused
    QTest::newRow("stream board") << 0xE0 << QByteArray("abc") << QByteArray("rtmp://10.0.0.1/live") << 0x01;
    QTest::newRow("main board flag 00") << 0xA5 << QByteArray("abc") << QByteArray("rtmp://10.0.0.1/live") << 0x00;
    QTest::newRow("other byte A flag 01") << 0x30 << QByteArray("abc") << QByteArray() << 0x01;
    QTest::newRow("full fields") << 0xE0 << QByteArray(16, 'n') << QByteArray(768, 'u') << 0x01;
    QTest::newRow("empty fields") << 0xE0 << QByteArray() << QByteArray() << 0x01;
    QTest::newRow("name one too long") << 0xE0 << QByteArray(17, 'n') << QByteArray(10, 'u') << -1;
    QTest::newRow("name length 255") << 0xE0 << QByteArray(255, 'n') << QByteArray(10, 'u') << -1;
    QTest::newRow("url one too long") << 0xE0 << QByteArray(3, 'n') << QByteArray(769, 'u') << -1;
    QTest::newRow("url length 65535") << 0xE0 << QByteArray(3, 'n') << QByteArray(65535, 'u') << -1;
}

// The record's unused name and URL bytes hold garbage and the buffer is not clean: neither may
// reach the wire, and a refused frame leaves the buffer as it was.
void TestFrames::streamFrame()
{
    QFETCH(int, a);
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, url);
    QFETCH(int, flag);
    rtmp_settings rec;
    std::memset(&rec, 'G', sizeof rec);
    rec.index = 2;
    rec.name_len = static_cast<unsigned char>(name.size());
    std::memcpy(rec.name, name.constData(), size_t(qMin(name.size(), 16)));
    rec.url_len = static_cast<quint16>(url.size());
    std::memcpy(rec.rtmp_url, url.constData(), size_t(qMin(url.size(), 768)));
    QByteArray buf(1024, kCanary);
    const quint16 len = SWITCHER_DATA::Set_StreamCom(buf.data(), quint8(a), 0xFF, 0x67, rec);
    if (flag < 0) {
        QCOMPARE(len, quint16(0));
        QCOMPARE(buf, QByteArray(1024, kCanary));
        return;
    }
    QByteArray expected = testFrameHead(0x67, quint8(a), 0xFF, quint8(flag)) + char(2) + char(name.size())
                          + name.leftJustified(16, '\0') + char(url.size() & 0xFF) + char(url.size() >> 8)
                          + url.leftJustified(768, '\0');
    sealTestFrame(expected);
    QCOMPARE(len, quint16(808));
    QCOMPARE(buf.left(len), expected);
    QCOMPARE(buf.mid(len), QByteArray(1024 - len, kCanary));
}

void TestFrames::checksumAndTimeBytes()
{
    QCOMPARE(SWITCHER_DATA::CalcCheckSum("", 0), quint16(0));
    const QByteArray cut = hex("a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83");
    QCOMPARE(SWITCHER_DATA::CalcCheckSum(cut.constData(), cut.size()), quint16(0x034D));
    const QByteArray ff(300, char(0xFF));  // 76500 wraps
    QCOMPARE(SWITCHER_DATA::CalcCheckSum(ff.constData(), ff.size()), quint16(76500 % 65536));
    QCOMPARE(toSpacedHex(cut.constData(), 3), QByteArray("a5 6c 14"));
    for (const auto& r : QVector<QPair<int, int>>{{0, 0x00}, {9, 0x09}, {10, 0x10}, {26, 0x26}, {59, 0x59}, {99, 0x99}})
        QCOMPARE(int(SWITCHER_DATA::TimeCRC(quint8(r.first))), r.second);
}

void TestFrames::byteReadersStayInside()
{
    const QByteArray d = hex("12 34 56");
    QCOMPARE(beU16(d, 0), quint16(0x1234));
    QCOMPARE(leU16(d, 0), quint16(0x3412));
    QCOMPARE(beU16(d, 1), quint16(0x3456));
    QCOMPARE(beU16(d, 2, 0xBEEF), quint16(0xBEEF));
    QCOMPARE(leU16(d, -1, 7), quint16(7));
    QCOMPARE(byteAt(d, 2), quint8(0x56));
    QCOMPARE(byteAt(d, 3, 0xEE), quint8(0xEE));
    QCOMPARE(byteAt(d, -1, 0xEE), quint8(0xEE));
    QVERIFY(hasBytes(d, 0, 3));
    QVERIFY(!hasBytes(d, 1, 3));
    QVERIFY(!hasBytes(d, 0, -1));
    QVERIFY(!hasBytes(d, 2, INT_MAX));
    QVERIFY(!hasBytes(QByteArray(), 0));
}

QTEST_GUILESS_MAIN(TestFrames)
#include "tst_frames.moc"
