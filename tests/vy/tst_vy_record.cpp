// The state dump decoder: offsets, byte order, bounds, and which groups changed.

#include "device_record.h"
#include "edition_frames.h"

#include <QtTest>
#include <functional>
#include <vector>

using namespace DevState;
using Bytes = QMap<int, quint8>;
Q_DECLARE_METATYPE(Bytes)

namespace {

const QMap<QString, std::function<int(const Record&)>>& fields()
{
    static const QMap<QString, std::function<int(const Record&)>> f = {
        {"pgm", [](const Record& r) { return r.pgm; }},
        {"pvw", [](const Record& r) { return r.pvw; }},
        {"ch2Level", [](const Record& r) { return r.ch2Level; }},
        {"mute", [](const Record& r) { return r.mute; }},
        {"group10", [](const Record& r) { return r.transition[11]; }},
        {"patternOn", [](const Record& r) { return r.patternOn; }},
        {"pipHPos", [](const Record& r) { return r.pipHPos.value; }},
        {"pipVPos", [](const Record& r) { return r.pipVPos.value; }},
        {"popVPos", [](const Record& r) { return r.popVPos.value; }},
        {"patternNum", [](const Record& r) { return r.patternNum; }},
        {"patternSize", [](const Record& r) { return r.patternSize.value; }},
        {"patternVStretch", [](const Record& r) { return r.patternVStretch.value; }},
        {"camZoom", [](const Record& r) { return r.camZoom; }},
        {"gpi6", [](const Record& r) { return r.gpi[5]; }},
        {"fanSpeed", [](const Record& r) { return r.fanSpeed.value; }},
        {"hdrOn", [](const Record& r) { return r.hdrOn(); }},
        {"hdrCfg", [](const Record& r) { return r.hdrCfg(); }},
        {"f7Mode", [](const Record& r) { return r.f7Mode; }},
    };
    return f;
}

// The datagram in a heap block of exactly its size, so a read past its end is caught by the sanitizer.
struct ExactBuffer {
    explicit ExactBuffer(const QByteArray& src) : bytes(src.cbegin(), src.cend()) {}
    QByteArray view() const { return QByteArray::fromRawData(bytes.data(), int(bytes.size())); }
    std::vector<char> bytes;
};

StateDump decoded(const QByteArray& reply, int minSize = kVyMinDumpSize)
{
    StateDump d;
    ExactBuffer buf(reply);
    if (!decodeStateDump(buf.view(), minSize, d))
        qFatal("dump not accepted");
    return d;
}

} // namespace

class TestVyRecord : public QObject
{
    Q_OBJECT

private slots:
    void field_data()
    {
        QTest::addColumn<Bytes>("record");
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("expected");
        QTest::newRow("PGM input 3 at reply byte 18") << Bytes{{0, 3}} << "pgm" << 3;
        QTest::newRow("PVW bar at byte 19") << Bytes{{1, 9}} << "pvw" << 9;
        QTest::newRow("CH2 level") << Bytes{{8, 60}} << "ch2Level" << 60;
        QTest::newRow("mute at r38") << Bytes{{38, 1}} << "mute" << 1;
        QTest::newRow("effect of group 10") << Bytes{{22, 88}} << "group10" << 88;
        QTest::newRow("pattern on at r57") << Bytes{{57, 1}} << "patternOn" << 1;
        QTest::newRow("PIP H high byte first") << Bytes{{29, 0x01}, {30, 0x2C}} << "pipHPos" << 300;
        QTest::newRow("PIP V") << Bytes{{31, 0x02}, {32, 0x1C}} << "pipVPos" << 540;
        QTest::newRow("POP V") << Bytes{{48, 0x00}, {49, 0x64}} << "popVPos" << 100;
        QTest::newRow("pattern number at r59") << Bytes{{59, 5}} << "patternNum" << 5;
        QTest::newRow("pattern size 1080") << Bytes{{64, 0x04}, {65, 0x38}} << "patternSize" << 1080;
        QTest::newRow("pattern V stretching") << Bytes{{68, 0x00}, {69, 0xFF}} << "patternVStretch" << 255;
        QTest::newRow("zoom or focus at r78") << Bytes{{78, 1}} << "camZoom" << 1;
        QTest::newRow("GPI6 at r84") << Bytes{{84, 3}} << "gpi6" << 3;
        QTest::newRow("fan speed 300") << Bytes{{86, 1}, {87, 44}} << "fanSpeed" << 300;
        QTest::newRow("HDR on is bit 0") << Bytes{{92, 0x05}} << "hdrOn" << 1;
        QTest::newRow("HDR configuration is the rest") << Bytes{{92, 0x05}} << "hdrCfg" << 2;
        QTest::newRow("F7 mode at reply byte 133") << Bytes{{115, 2}} << "f7Mode" << 2;
    }
    void field()
    {
        QFETCH(Bytes, record);
        QFETCH(QString, field);
        QFETCH(int, expected);
        const StateDump d = decoded(EditionFrames::stateDump(record));
        QVERIFY(fields().contains(field));
        QCOMPARE(fields()[field](d.record), expected);
    }

    void status_data()
    {
        QTest::addColumn<quint32>("w");
        QTest::addColumn<quint8>("s");
        QTest::addColumn<QList<int>>("expected");  // rec, pause, stream, index, rate, quality, encoding, storage
        QTest::newRow("all clear") << quint32(0) << quint8(0) << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("recording, paused, streaming")
            << quint32((1u << 1) | (2u << 3) | (1u << 10)) << quint8(0) << QList<int>{1, 2, 1, 0, 0, 0, 0, 0};
        QTest::newRow("slot 6, rate 7, quality 11, encoding 1, storage 2")
            << quint32((5u << 24) | (3u << 30) | (1u << 28) | (2u << 11)) << quint8((7 << 2) | 2)
            << QList<int>{0, 0, 0, 5, 7, 11, 1, 2};
    }
    void status()
    {
        QFETCH(quint32, w);
        QFETCH(quint8, s);
        QFETCH(QList<int>, expected);
        const StateDump d = decoded(EditionFrames::stateDump({}, w, s));
        QVERIFY(d.hasStatus);
        const RecStreamStatus& st = d.status;
        QCOMPARE(QList<int>({st.rec(), st.pause(), st.stream(), st.streamIndex(), st.streamRate(), st.quality(),
                             st.encoding(), st.storage()}),
                 expected);
        QCOMPARE(st.word, w);
    }

    // The status sits where the length field puts it, and only where that lies inside the datagram.
    void statusBounds_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("lengthField");
        QTest::addColumn<bool>("hasStatus");
        QTest::newRow("L equals the size") << 160 << 160 << true;
        QTest::newRow("L shorter than the datagram") << 160 << 140 << true;
        QTest::newRow("L of 26, the smallest") << 160 << 26 << true;
        QTest::newRow("L of 25 lands before the record") << 160 << 25 << false;
        QTest::newRow("L of 0") << 160 << 0 << false;
        QTest::newRow("L past the end") << 160 << 161 << false;
        QTest::newRow("L far past the end") << 160 << 0xFFFF << false;
    }
    void statusBounds()
    {
        QFETCH(int, size);
        QFETCH(int, lengthField);
        QFETCH(bool, hasStatus);
        QByteArray f(size, '\0');
        for (int i = 0; i < 4; ++i) {
            const int at = lengthField - 8 + i;
            if (at >= 18 && at < size)
                f[at] = char(0x11 * (i + 1));
        }
        EditionFrames::seal(f, 0x0A, lengthField);
        if (lengthField >= 26 && lengthField <= size)
            f[lengthField - 4] = char(0x5A);
        ExactBuffer buf(f);
        StateDump d;
        QVERIFY(decodeStateDump(buf.view(), kVyMinDumpSize, d));
        QCOMPARE(d.hasStatus, hasStatus);
        if (hasStatus) {
            QCOMPARE(d.status.word, 0x44332211u);
            QCOMPARE(d.status.byte, quint8(0x5A));
        }
    }

    void rejected_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("T-bar type") << EditionFrames::reply(0x82, 160);
        QTest::newRow("record status 1") << [] { QByteArray f = EditionFrames::stateDump({{0, 2}}); f[17] = 1; return f; }();
        QTest::newRow("133 bytes, one short of the record") << EditionFrames::stateDump({{0, 2}}, 0, 0, 133);
        QTest::newRow("110 bytes") << EditionFrames::stateDump({{0, 2}}, 0, 0, 110);
        QTest::newRow("20 bytes") << EditionFrames::stateDump({}, 0, 0, 20);
        QTest::newRow("empty") << QByteArray();
    }
    void rejected()
    {
        QFETCH(QByteArray, reply);
        ExactBuffer buf(reply);
        StateDump d;
        QVERIFY(!decodeStateDump(buf.view(), kVyMinDumpSize, d));
    }

    // The 4K panel reads up to reply byte 110: shorter dumps serve it, without the F7 byte.
    void shortDumpForThe4kPanel()
    {
        const QByteArray f = EditionFrames::stateDump({{92, 1}, {0, 4}}, 0, 0, 111);
        const StateDump d = decoded(f, k4kMinDumpSize);
        QCOMPARE(d.record.pgm, quint8(4));
        QVERIFY(d.record.present.test(HdrOn));
        QVERIFY(!d.record.present.test(F7Mode));
        QCOMPARE(changedGroups(d, nullptr).test(F7Mode), false);
        StateDump none;
        ExactBuffer buf(EditionFrames::stateDump({}, 0, 0, 110));
        QVERIFY(!decodeStateDump(buf.view(), k4kMinDumpSize, none));
    }

    void changed_data()
    {
        QTest::addColumn<Bytes>("before");
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<QList<int>>("groups");
        const Bytes base{{0, 1}, {1, 2}, {29, 1}, {30, 10}, {70, 0}, {71, 1}, {86, 0}, {87, 100}, {92, 2}};
        auto with = [&base](std::initializer_list<std::pair<int, int>> changes) {
            Bytes b = base;
            for (const auto& c : changes)
                b[c.first] = quint8(c.second);
            return b;
        };
        QTest::newRow("identical dump") << base << base << QList<int>{};
        QTest::newRow("PGM") << base << with({{0, 3}}) << QList<int>{Pgm};
        QTest::newRow("low byte of PIP H") << base << with({{30, 11}}) << QList<int>{PipHPos};
        QTest::newRow("low byte of fan speed") << base << with({{87, 101}}) << QList<int>{FanSpeed};
        QTest::newRow("camera address r71") << base << with({{71, 2}}) << QList<int>{CamMenu, CamAddress};
        QTest::newRow("camera menu r70") << base << with({{70, 1}}) << QList<int>{CamMenu};
        QTest::newRow("HDR on bit") << base << with({{92, 3}}) << QList<int>{HdrOn};
        QTest::newRow("HDR configuration bits") << base << with({{92, 4}}) << QList<int>{HdrCfg};
        QTest::newRow("one wipe group") << base << with({{20, 5}}) << QList<int>{Transition};
        QTest::newRow("chroma on, within the function group") << base << with({{51, 1}}) << QList<int>{Function};
        QTest::newRow("unread byte r3") << base << with({{3, 9}}) << QList<int>{};
        QTest::newRow("F7 mode") << base << with({{115, 1}}) << QList<int>{F7Mode};
    }
    void changed()
    {
        QFETCH(Bytes, before);
        QFETCH(Bytes, after);
        QFETCH(QList<int>, groups);
        // A different status word does not count as a record change.
        const StateDump prev = decoded(EditionFrames::stateDump(before, 0x1234));
        const StateDump now = decoded(EditionFrames::stateDump(after, 0x4321));
        const Groups g = changedGroups(now, &prev);
        Groups expected;
        for (int x : groups)
            expected.set(size_t(x));
        QCOMPARE(QString::fromStdString(g.to_string()), QString::fromStdString(expected.to_string()));
    }

    // The decoded dump is compared with the next one long after the datagram's
    // own storage is gone, so it keeps bytes of its own.
    void dumpOwnsItsBytes()
    {
        StateDump prev;
        {
            ExactBuffer buf(EditionFrames::stateDump({{0, 2}}));
            QVERIFY(decodeStateDump(buf.view(), kVyMinDumpSize, prev));
            buf.bytes[18] = 7;
        }
        QCOMPARE(quint8(prev.raw.at(18)), quint8(2));
        const StateDump now = decoded(EditionFrames::stateDump({{0, 2}}));
        QVERIFY(changedGroups(now, &prev).none());
    }

    void firstDumpAppliesEverything()
    {
        const StateDump d = decoded(EditionFrames::stateDump({}));
        QCOMPARE(changedGroups(d, nullptr).count(), size_t(GroupCount));
    }
};

QTEST_APPLESS_MAIN(TestVyRecord)
#include "tst_vy_record.moc"
