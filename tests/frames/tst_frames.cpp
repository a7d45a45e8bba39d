// Frame builders: exact bytes on the wire, field limits, and no write past the frame.

#include "bytes.h"
#include "switcher_data.h"

#include <QtTest>

#include <cstring>

namespace {

constexpr int kBufSize = 1024;
constexpr char kCanary = char(0xCC);

// fromHex skips the blanks.
QByteArray hex(const char* spaced)
{
    return QByteArray::fromHex(spaced);
}

// A buffer zeroed up to `zeroed` bytes and filled with a canary after them.
QByteArray preparedBuffer(int zeroed)
{
    QByteArray buf(kBufSize, kCanary);
    std::memset(buf.data(), 0, static_cast<size_t>(zeroed));
    return buf;
}

bool canaryIntact(const QByteArray& buf, int from)
{
    for (int i = from; i < buf.size(); ++i)
        if (buf.at(i) != kCanary)
            return false;
    return true;
}

SET_DEV_IP sampleIp()
{
    SET_DEV_IP r{};
    const unsigned char bytes[13] = {192, 168, 1, 100, 255, 255, 255, 0, 192, 168, 1, 1, 1};
    std::memcpy(&r, bytes, sizeof r);
    return r;
}

SET_DEV_IP_DNS sampleIpDns()
{
    SET_DEV_IP_DNS r{};
    const SET_DEV_IP base = sampleIp();
    std::memcpy(&r, &base, sizeof base);
    const unsigned char dns[4] = {8, 8, 4, 4};
    std::memcpy(r.dns, dns, 4);
    return r;
}

rtmp_settings streamEntry(unsigned char index, const QByteArray& name, const QByteArray& url)
{
    rtmp_settings r{};
    r.index = index;
    r.name_len = static_cast<unsigned char>(name.size());
    std::memcpy(r.name, name.constData(), static_cast<size_t>(qMin(name.size(), 16)));
    r.url_len = static_cast<quint16>(url.size());
    std::memcpy(r.rtmp_url, url.constData(), static_cast<size_t>(qMin(url.size(), 768)));
    return r;
}

enum Builder { None, Single, Double, Three, Four, Ip, IpDns };

quint16 build(int builder, void* buf, unsigned char a, unsigned char b, unsigned char cmd, const QByteArray& d)
{
    auto at = [&](int i) { return static_cast<unsigned char>(i < d.size() ? d.at(i) : 0); };
    switch (builder) {
    case None: return SWITCHER_DATA::None_Char_Data(buf, a, b, cmd);
    case Single: return SWITCHER_DATA::Single_Char_Data(buf, a, b, cmd, at(0));
    case Double: return SWITCHER_DATA::Double_Char_Data(buf, a, b, cmd, at(0), at(1));
    case Three: return SWITCHER_DATA::Three_Char_Data(buf, a, b, cmd, at(0), at(1), at(2));
    case Four: return SWITCHER_DATA::Four_Char_Data(buf, a, b, cmd, at(0), at(1), at(2), at(3));
    case Ip: return SWITCHER_DATA::Set_ipCom(buf, a, b, cmd, sampleIp());
    case IpDns: return SWITCHER_DATA::Set_ipCom(buf, a, b, cmd, sampleIpDns());
    }
    return 0;
}

} // namespace

class TestFrames : public QObject
{
    Q_OBJECT
private slots:
    void shortAndIpFrames_data();
    void shortAndIpFrames();
    void streamFrameLayout();
    void streamFrameClearsDirtyBuffer();
    void streamFrameLimits_data();
    void streamFrameLimits();
    void checksumAndByteHelpers();
    void timeCrc();
    void byteReadersStayInside();
};

void TestFrames::shortAndIpFrames_data()
{
    QTest::addColumn<int>("builder");
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("cmd");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("CUT, no data (20)")
        << int(None) << 0xA5 << 0x83 << QByteArray()
        << hex("a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83 4d 03 ae");
    QTest::newRow("PGM source 3 (21)")
        << int(Single) << 0xA5 << 0x80 << hex("03")
        << hex("a5 6c 15 00 a5 ff 01 00 00 00 00 00 00 00 00 00 80 03 4e 03 ae");
    QTest::newRow("16-bit value low byte first (22)")
        << int(Double) << 0xA5 << 0x84 << hex("34 12")
        << hex("a5 6c 16 00 a5 ff 01 00 00 00 00 00 00 00 00 00 84 34 12 96 03 ae");
    QTest::newRow("stream board, three bytes (23)")
        << int(Three) << 0xE0 << 0x69 << hex("01 02 03")
        << hex("a5 6c 17 00 e0 ff 01 00 00 00 00 00 00 00 00 00 69 01 02 03 77 03 ae");
    QTest::newRow("four bytes of 0xff (24)")
        << int(Four) << 0xA5 << 0x90 << hex("ff ff ff ff")
        << hex("a5 6c 18 00 a5 ff 01 00 00 00 00 00 00 00 00 00 90 ff ff ff ff 5a 07 ae");
    QTest::newRow("set IP, main board flag 00 (33)")
        << int(Ip) << 0xA5 << 0x20 << QByteArray()
        << hex("a5 6c 21 00 a5 ff 00 00 00 00 00 00 00 00 00 00 20 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 2b 09 ae");
    QTest::newRow("set IP, stream board flag 01 (33)")
        << int(Ip) << 0xE0 << 0x20 << QByteArray()
        << hex("a5 6c 21 00 e0 ff 01 00 00 00 00 00 00 00 00 00 20 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 67 09 ae");
    QTest::newRow("set IP with DNS (37)")
        << int(IpDns) << 0xA5 << 0x22 << QByteArray()
        << hex("a5 6c 25 00 a5 ff 00 00 00 00 00 00 00 00 00 00 22 c0 a8 01 64 ff ff ff 00 c0 a8 01 01 01 08 08 04 04 "
               "49 09 ae");
}

void TestFrames::shortAndIpFrames()
{
    QFETCH(int, builder);
    QFETCH(int, a);
    QFETCH(int, cmd);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, expected);

    QByteArray buf = preparedBuffer(expected.size());
    const quint16 len = build(builder, buf.data(), quint8(a), 0xFF, quint8(cmd), data);
    QCOMPARE(int(len), expected.size());
    QCOMPARE(toSpacedHex(buf.left(len)), toSpacedHex(expected));
    QVERIFY2(canaryIntact(buf, len), "builder wrote past the end of its frame");
}

void TestFrames::streamFrameLayout()
{
    QByteArray buf = preparedBuffer(808);
    const rtmp_settings rec = streamEntry(2, "abc", "rtmp://10.0.0.1/live");
    QCOMPARE(int(SWITCHER_DATA::Set_StreamCom(buf.data(), 0xE0, 0xFF, 0x67, rec)), 808);

    QByteArray expected(808, '\0');
    expected.replace(0, 17, hex("a5 6c 28 03 e0 ff 01 00 00 00 00 00 00 00 00 00 67"));
    expected[17] = 2;
    expected[18] = 3;
    expected.replace(19, 3, "abc");
    expected[35] = 20;
    expected[36] = 0;
    expected.replace(37, 20, "rtmp://10.0.0.1/live");
    expected.replace(805, 3, hex("78 0a ae"));
    QCOMPARE(buf.left(808), expected);
    QVERIFY(canaryIntact(buf, 808));

    // Byte A 0xA5 (main board) carries flag 00; any other byte A flag 01, the rest of the layout unchanged.
    for (const auto& other : {qMakePair(0xA5, hex("00")), qMakePair(0x30, hex("01"))}) {
        QByteArray got = preparedBuffer(808);
        QCOMPARE(int(SWITCHER_DATA::Set_StreamCom(got.data(), quint8(other.first), 0xFF, 0x67, rec)), 808);
        QByteArray want = expected;
        want[4] = char(other.first);
        want.replace(6, 1, other.second);
        QCOMPARE(got.mid(0, 805), want.left(805));
    }
}

void TestFrames::streamFrameClearsDirtyBuffer()
{
    // Unused name and URL bytes go out as zero even when the caller's buffer was not clean.
    QByteArray dirty(kBufSize, char(0x5A));
    const rtmp_settings rec = streamEntry(1, "abc", QByteArray());
    QCOMPARE(int(SWITCHER_DATA::Set_StreamCom(dirty.data(), 0xE0, 0xFF, 0x67, rec)), 808);
    QCOMPARE(dirty.mid(22, 13), QByteArray(13, '\0'));
    QCOMPARE(dirty.mid(37, 768), QByteArray(768, '\0'));
    QCOMPARE(dirty.mid(7, 9), QByteArray(9, '\0'));
    QCOMPARE(leU16(dirty, 35), quint16(0));
    QCOMPARE(dirty.mid(808, 8), QByteArray(8, char(0x5A)));
}

void TestFrames::streamFrameLimits_data()
{
    QTest::addColumn<int>("nameLen");
    QTest::addColumn<int>("urlLen");
    QTest::addColumn<int>("expectedLen");

    QTest::newRow("full fields") << 16 << 768 << 808;
    QTest::newRow("empty fields") << 0 << 0 << 808;
    QTest::newRow("name one too long") << 17 << 10 << 0;
    QTest::newRow("name length 255") << 255 << 10 << 0;
    QTest::newRow("url one too long") << 3 << 769 << 0;
    QTest::newRow("url length 65535") << 3 << 65535 << 0;
}

void TestFrames::streamFrameLimits()
{
    QFETCH(int, nameLen);
    QFETCH(int, urlLen);
    QFETCH(int, expectedLen);

    rtmp_settings rec = streamEntry(1, "n", "u");
    rec.name_len = static_cast<unsigned char>(nameLen);
    rec.url_len = static_cast<quint16>(urlLen);
    QByteArray buf = preparedBuffer(808);
    QCOMPARE(int(SWITCHER_DATA::Set_StreamCom(buf.data(), 0xE0, 0xFF, 0x67, rec)), expectedLen);
    if (expectedLen == 0) {
        // A refused frame leaves the buffer as it was: nothing half-built can be sent.
        QCOMPARE(buf.left(808), QByteArray(808, '\0'));
    } else {
        QCOMPARE(quint8(buf.at(18)), quint8(nameLen));
        QCOMPARE(int(leU16(buf, 35)), urlLen);
    }
    QVERIFY(canaryIntact(buf, 808));
}

void TestFrames::checksumAndByteHelpers()
{
    QCOMPARE(SWITCHER_DATA::CalcCheckSum("", 0), quint16(0));
    const QByteArray cut = hex("a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83");
    QCOMPARE(SWITCHER_DATA::CalcCheckSum(cut.constData(), cut.size()), quint16(0x034D));
    const QByteArray ff(300, char(0xFF));  // 76500 wraps to 10964
    QCOMPARE(SWITCHER_DATA::CalcCheckSum(ff.constData(), ff.size()), quint16(76500 % 65536));
    QCOMPARE(toSpacedHex(cut.constData(), 3), QByteArray("a5 6c 14"));
}

void TestFrames::timeCrc()
{
    const QVector<QPair<int, int>> rows = {{0, 0x00}, {9, 0x09}, {10, 0x10}, {26, 0x26}, {59, 0x59}, {99, 0x99}};
    for (const auto& r : rows)
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
