// What every panel shares: the state dump and T-bar decoders (offsets, byte
// order, bounds, which groups changed) and the record applier. Each
// datagram lies in a heap block of exactly its size, so a read past its end is
// caught by the sanitizer.

#include "audio_page.h"
#include "cam_page.h"
#include "device_record.h"
#include "edition_frames.h"
#include "key_page.h"
#include "main_menu.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "record_apply.h"
#include "zv_resources.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QtTest>
#include <functional>
#include <memory>
#include <vector>

using namespace DevState;
using Bytes = QMap<int, quint8>;
Q_DECLARE_METATYPE(Bytes)

namespace {

struct ExactBuffer {
    explicit ExactBuffer(const QByteArray& src) : bytes(src.cbegin(), src.cend()) {}
    QByteArray view() const { return QByteArray::fromRawData(bytes.data(), int(bytes.size())); }
    std::vector<char> bytes;
};

bool decode(const QByteArray& reply, StateDump& d, LastByte last = kThroughF7Mode)
{
    ExactBuffer buf(reply);
    return decodeStateDump(buf.view(), last, d);
}

StateDump decoded(const QByteArray& reply, LastByte last = kThroughF7Mode)
{
    StateDump d;
    if (!decode(reply, d, last))
        qFatal("dump not accepted");
    return d;
}

using Field = std::function<int(const Record&)>;
const QMap<QString, Field> kFields = {
    {"pgm", [](const Record& r) { return r.pgm; }},
    {"pvw", [](const Record& r) { return r.pvw; }},
    {"ch1On", [](const Record& r) { return r.ch1On; }},
    {"ch2On", [](const Record& r) { return r.ch2On; }},
    {"masterOn", [](const Record& r) { return r.masterOn; }},
    {"group10", [](const Record& r) { return r.transition[11]; }},
    {"pipHPos", [](const Record& r) { return r.pipHPos.value; }},
    {"popVPos", [](const Record& r) { return r.popVPos.value; }},
    {"fanSpeed", [](const Record& r) { return r.fanSpeed.value; }},
    {"hdrOn", [](const Record& r) { return r.hdrOn(); }},
    {"hdrCfg", [](const Record& r) { return r.hdrCfg(); }},
    {"f7Mode", [](const Record& r) { return r.f7Mode; }},
    {"ch3On", [](const Record& r) { return r.ch3On; }},
    {"ch3Source", [](const Record& r) { return r.ch3Source; }},
    {"ch3Level", [](const Record& r) { return r.ch3Level; }},
    {"gotoPreset", [](const Record& r) { return r.presets[2]; }},
    {"groupSwitch", [](const Record& r) { return r.groupSwitch; }},
    {"aux", [](const Record& r) { return r.aux; }},
    {"auxPvw", [](const Record& r) { return r.auxPvw; }},
    {"storageKeys", [](const Record& r) { return r.storageKeys; }},
};

// A controller and every settings window a record reaches, on one model type.
struct Windows {
    Windows(quint32 type, const QString& luma, const QString& chroma)
    {
        zvInitResources();
        DEV_CHILD_TYPE = type;
        fun.reset(new onlyFun);
        pip.reset(new PIP_PAGE(nullptr, fun.get()));
        pop.reset(new POP_PAGE(nullptr, fun.get()));
        lumaPage.reset(new KEY_PAGE(nullptr, fun.get(), luma));
        chromaPage.reset(new KEY_PAGE(nullptr, fun.get(), chroma));
        pattern.reset(new PATTERN_PAGE(nullptr, fun.get()));
        cam.reset(new CAM_PAGE(nullptr, fun.get()));
        menu.reset(new MainMenu(nullptr, fun.get()));
        audio.reset(new AUDIO_PAGE(nullptr, fun.get()));
    }
    RecordTargets targets(bool withCamera) const
    {
        return RecordTargets{fun.get(), pip.get(), pop.get(), lumaPage.get(), chromaPage.get(), pattern.get(),
                             withCamera ? cam.get() : nullptr, menu.get(), audio.get(), withCamera};
    }
    std::unique_ptr<onlyFun> fun;
    std::unique_ptr<PIP_PAGE> pip;
    std::unique_ptr<POP_PAGE> pop;
    std::unique_ptr<KEY_PAGE> lumaPage, chromaPage;
    std::unique_ptr<PATTERN_PAGE> pattern;
    std::unique_ptr<CAM_PAGE> cam;
    std::unique_ptr<MainMenu> menu;
    std::unique_ptr<AUDIO_PAGE> audio;
};

Bytes changedBase() { return {{0, 1}, {1, 2}, {29, 1}, {30, 10}, {70, 0}, {71, 1}, {86, 0}, {87, 100}, {92, 2}}; }

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
        QTest::newRow("PGM at reply byte 18") << Bytes{{0, 3}} << "pgm" << 3;
        QTest::newRow("PVW bar at byte 19") << Bytes{{1, 9}} << "pvw" << 9;
        QTest::newRow("CH1 on at byte 21") << Bytes{{3, 1}, {4, 7}} << "ch1On" << 1;
        QTest::newRow("CH2 on at byte 24") << Bytes{{6, 1}, {5, 9}} << "ch2On" << 1;
        QTest::newRow("MASTER on at byte 27") << Bytes{{9, 1}, {10, 50}} << "masterOn" << 1;
        QTest::newRow("effect of group 10") << Bytes{{22, 88}} << "group10" << 88;
        QTest::newRow("PIP H high byte first") << Bytes{{29, 0x01}, {30, 0x2C}} << "pipHPos" << 300;
        QTest::newRow("POP V") << Bytes{{48, 0x00}, {49, 0x64}} << "popVPos" << 100;
        QTest::newRow("fan speed 300") << Bytes{{86, 1}, {87, 44}} << "fanSpeed" << 300;
        QTest::newRow("HDR on is bit 0") << Bytes{{92, 0x05}} << "hdrOn" << 1;
        QTest::newRow("HDR configuration is the rest") << Bytes{{92, 0x05}} << "hdrCfg" << 2;
        QTest::newRow("F7 mode at reply byte 133") << Bytes{{115, 2}} << "f7Mode" << 2;
        QTest::newRow("CH3 on at byte 111") << Bytes{{93, 1}, {92, 7}} << "ch3On" << 1;
        QTest::newRow("SRC3 code at byte 112") << Bytes{{94, 0x21}} << "ch3Source" << 0x21;
        QTest::newRow("CH3 level at byte 113") << Bytes{{95, 60}, {96, 1}} << "ch3Level" << 60;
        QTest::newRow("GOTO PRESET at byte 116") << Bytes{{98, 1}, {97, 0}} << "gotoPreset" << 1;
        QTest::newRow("group switch at byte 117") << Bytes{{99, 1}} << "groupSwitch" << 1;
        QTest::newRow("AUX at byte 118") << Bytes{{100, 1}, {101, 4}} << "aux" << 1;
        QTest::newRow("PVW under AUX at byte 119") << Bytes{{101, 12}, {100, 3}} << "auxPvw" << 12;
        QTest::newRow("SSD at byte 120") << Bytes{{102, 2}, {101, 1}, {103, 1}} << "storageKeys" << 2;
    }
    void field()
    {
        QFETCH(Bytes, record);
        QFETCH(QString, field);
        QFETCH(int, expected);
        QVERIFY(kFields.contains(field));
        QCOMPARE(kFields[field](decoded(EditionFrames::stateDump(record)).record), expected);
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
    }

    // The status sits where the length field puts it, and only where that lies inside the datagram.
    void statusBounds_data()
    {
        QTest::addColumn<int>("lengthField");
        QTest::addColumn<bool>("hasStatus");
        QTest::newRow("L equals the size") << 160 << true;
        QTest::newRow("L shorter than the datagram") << 140 << true;
        QTest::newRow("L of 26, the smallest") << 26 << true;
        QTest::newRow("L of 25 lands before the record") << 25 << false;
        QTest::newRow("L of 0") << 0 << false;
        QTest::newRow("L past the end") << 161 << false;
        QTest::newRow("L far past the end") << 0xFFFF << false;
    }
    void statusBounds()
    {
        QFETCH(int, lengthField);
        QFETCH(bool, hasStatus);
        QByteArray f(160, '\0');
        for (int i = 0; i < 4; ++i)
            if (lengthField - 8 + i >= 18 && lengthField - 8 + i < f.size())
                f[lengthField - 8 + i] = char(0x11 * (i + 1));
        EditionFrames::seal(f, 0x0A, lengthField);
        if (lengthField >= 26 && lengthField <= f.size())
            f[lengthField - 4] = char(0x5A);
        StateDump d;
        QVERIFY(decode(f, d));
        QCOMPARE(d.hasStatus, hasStatus);
        if (hasStatus) {
            QCOMPARE(d.status.word, 0x44332211u);
            QCOMPARE(d.status.byte, quint8(0x5A));
        }
    }

    // A dump ends with its checksum and end byte: a reader's last byte must lie before them, so
    // each reader's smallest dump is its last byte plus four. The record alone (readRecord) takes
    // any reply of that size, whatever its type and status.
    void accepted_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("lastByte");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<bool>("readAlone");
        using EditionFrames::stateDump;
        const struct {
            const char* reader;
            int last;
            int size;
        } readers[] = {{"Vy, F7 mode", 133, 137},       {"4K, HDR", 110, 114},
                       {"model panels, microphone", 109, 113}, {"twelve inputs, PVW under AUX", 119, 123},
                       {"record bytes 0..38", 56, 60},  {"record byte 147", 165, 169}};
        for (const auto& r : readers) {
            QTest::addRow("%s: %d bytes", r.reader, r.size) << stateDump({{0, 2}}, 0, 0, r.size) << r.last << true
                                                             << true;
            QTest::addRow("%s: %d bytes", r.reader, r.size - 1)
                << stateDump({{0, 2}}, 0, 0, r.size - 1) << r.last << false << false;
        }
        QTest::newRow("T-bar type") << EditionFrames::reply(0x82, 160, {{18, 2}}) << 110 << false << true;
        QTest::newRow("record status 1") << stateDump({{0, 2}}, 0, 0, 160, 1) << 110 << false << true;
        QTest::newRow("20 bytes") << stateDump({}, 0, 0, 20) << 110 << false << false;
        QTest::newRow("record start only") << stateDump({}, 0, 0, 18) << 18 << false << false;
        QTest::newRow("a last byte before the record") << stateDump({{0, 2}}, 0, 0, 160) << 17 << false << false;
        QTest::newRow("empty") << QByteArray() << 110 << false << false;
    }
    void accepted()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, lastByte);
        QFETCH(bool, accepted);
        QFETCH(bool, readAlone);
        const LastByte last{lastByte};
        QCOMPARE(minDumpSize(last), lastByte + 4);
        StateDump d;
        QCOMPARE(decode(reply, d, last), accepted);
        // The F7 byte counts only before the checksum: in a shorter dump its group is neither present nor changed.
        const bool f7Present = reply.size() - kTrailerSize > 133;
        if (accepted) {
            QCOMPARE(d.record.pgm, quint8(2));
            QCOMPARE(d.record.present.test(F7Mode), f7Present);
            QCOMPARE(changedGroups(d, nullptr).test(F7Mode), f7Present);
        }
        Record alone;
        alone.pgm = 77;
        QCOMPARE(readRecord(reply, last, alone), readAlone);
        QCOMPARE(alone.pgm, quint8(readAlone ? 2 : 77));
        if (readAlone)
            QCOMPARE(alone.present.test(F7Mode), f7Present);
    }

    // The fault the size rule mends: in a dump one byte short, the HDR byte would be the end byte 0xAE.
    void trailerIsNoRecord()
    {
        QByteArray shortDump = EditionFrames::stateDump({{92, 0x01}}, 0, 0, 111);
        QCOMPARE(quint8(shortDump.at(110)), quint8(0xAE));
        StateDump d;
        QVERIFY(!decode(shortDump, d, kThroughHdr));
        QVERIFY(decode(EditionFrames::stateDump({{92, 0x01}}, 0, 0, 114), d, kThroughHdr));
        QCOMPARE(d.record.hdrOn(), quint8(1));
        QCOMPARE(d.record.hdrCfg(), quint8(0));
    }

    void changed_data()
    {
        QTest::addColumn<Bytes>("after");
        QTest::addColumn<QList<int>>("groups");
        const Bytes base = changedBase();
        auto with = [&base](int r, quint8 v) {
            Bytes b = base;
            b[r] = v;
            return b;
        };
        QTest::newRow("identical dump") << base << QList<int>{};
        QTest::newRow("PGM") << with(0, 3) << QList<int>{Pgm};
        QTest::newRow("low byte of PIP H") << with(30, 11) << QList<int>{PipHPos};
        QTest::newRow("low byte of fan speed") << with(87, 101) << QList<int>{FanSpeed};
        QTest::newRow("camera address r71") << with(71, 2) << QList<int>{CamMenu, CamAddress};
        QTest::newRow("camera menu r70") << with(70, 1) << QList<int>{CamMenu};
        QTest::newRow("HDR on bit") << with(92, 3) << QList<int>{HdrOn};
        QTest::newRow("HDR configuration bits") << with(92, 4) << QList<int>{HdrCfg};
        QTest::newRow("one wipe group") << with(20, 5) << QList<int>{Transition};
        QTest::newRow("chroma on, within the function group") << with(51, 1) << QList<int>{Function};
        QTest::newRow("CH1 on r3") << with(3, 1) << QList<int>{Ch1On};
        QTest::newRow("MASTER on r9") << with(9, 1) << QList<int>{MasterOn};
        QTest::newRow("unread byte r37") << with(37, 9) << QList<int>{};
        QTest::newRow("F7 mode") << with(115, 1) << QList<int>{F7Mode};
    }
    void changed()
    {
        QFETCH(Bytes, after);
        QFETCH(QList<int>, groups);
        // The base dump is decoded from a buffer gone before the comparison: the dump keeps
        // bytes of its own. A different status word does not count as a record change.
        StateDump prev;
        {
            ExactBuffer buf(EditionFrames::stateDump(changedBase(), 0x1234));
            QVERIFY(decodeStateDump(buf.view(), kThroughF7Mode, prev));
            std::fill(buf.bytes.begin(), buf.bytes.end(), char(0x77));
        }
        Groups expected;
        for (int x : groups)
            expected.set(size_t(x));
        const Groups g = changedGroups(decoded(EditionFrames::stateDump(after, 0x4321)), &prev);
        QCOMPARE(QString::fromStdString(g.to_string()), QString::fromStdString(expected.to_string()));
        // Without a previous dump every group counts.
        QCOMPARE(changedGroups(prev, nullptr).count(), size_t(GroupCount));
    }

    // The T-bar report: a position of 128 or more is the stroke's end; reverse runs 127 down to 0.
    void tbar_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("lever");  // -1: the lever stays
        QTest::addColumn<bool>("autoLit");
        QTest::addColumn<bool>("upLit");
        QTest::addColumn<bool>("family");
        QTest::addColumn<bool>("showsAuto");
        using EditionFrames::tbar;
        const bool edition = false, family = true;
        QTest::newRow("forward 64") << tbar(0, 64) << true << 64 << true << false << edition << true;
        QTest::newRow("reverse 10") << tbar(1, 10) << true << 117 << true << true << edition << true;
        QTest::newRow("forward end") << tbar(0, 0x80) << true << 127 << false << false << edition << true;
        QTest::newRow("reverse 0xFF") << tbar(1, 0xFF) << true << 0 << false << true << edition << true;
        QTest::newRow("forward 0") << tbar(0, 0) << true << 0 << false << false << edition << true;
        QTest::newRow("forward 127") << tbar(0, 127) << true << 127 << false << false << edition << true;
        QTest::newRow("direction 2") << tbar(2, 0x10) << true << -1 << true << true << edition << true;
        QTest::newRow("21 bytes") << EditionFrames::reply(0x82, 21, {{18, 0}}) << false << -1 << false << false
                                  << edition << true;
        QTest::newRow("type 0x83") << EditionFrames::reply(0x83, 23, {{19, 0x10}}) << false << -1 << false << false
                                   << edition << true;
        // The model panels: 0 moves nothing, 1..127 light AUTO, 128 and above are the end.
        QTest::newRow("family: reverse 30") << tbar(1, 30) << true << 97 << true << true << family << true;
        QTest::newRow("family: forward 127") << tbar(0, 127) << true << 127 << true << false << family << true;
        QTest::newRow("family: forward 128") << tbar(0, 128) << true << 127 << false << false << family << true;
        QTest::newRow("family: reverse 200") << tbar(1, 200) << true << 0 << false << true << family << true;
        QTest::newRow("family: forward 0") << tbar(0, 0) << true << -1 << false << false << family << true;
        QTest::newRow("family: direction 2") << tbar(2, 30) << true << -1 << false << true << family << false;
    }
    void tbar()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, valid);
        QFETCH(int, lever);
        QFETCH(bool, autoLit);
        QFETCH(bool, upLit);
        QFETCH(bool, family);
        QFETCH(bool, showsAuto);
        ExactBuffer buf(reply);
        TbarReport t;
        QCOMPARE(readTbarReport(buf.view(), t, family ? TbarRule::Family : TbarRule::Edition), valid);
        if (!valid)
            return;
        QCOMPARE(t.moves, lever >= 0);
        if (t.moves)
            QCOMPARE(t.lever, lever);
        QCOMPARE(t.showsAuto, showsAuto);
        if (t.showsAuto)
            QCOMPARE(t.autoLit, autoLit);
        QCOMPARE(t.upLit, upLit);
    }

    // The applier as each panel uses it: a panel with a camera section and a key-page
    // F7 key gets those fields, grouped as the record groups them; one without, never.
    void applier_data()
    {
        QTest::addColumn<bool>("withCamera");
        QTest::newRow("camera and F7 mode") << true;
        QTest::newRow("neither") << false;
    }
    void applier()
    {
        QFETCH(bool, withCamera);
        const Windows w(0x28, QStringLiteral("Luma Key"), QStringLiteral("Chroma Key"));
        const RecordTargets to = w.targets(withCamera);
        onlyFun& fun = *w.fun;
        CAM_PAGE& cam = *w.cam;
        QList<int> pgm;
        PanelFields fields;
        fields.pgm = [&pgm](quint8 v) { pgm << v; };
        auto address = [&cam] { return cam.findChild<QLineEdit*>()->text(); };
        DevStateGuard guard;
        cam.set_Address_Type(99);

        const StateDump first = decoded(EditionFrames::stateDump({{0, 2}, {70, 1}, {71, 7}, {115, 2}}));
        applyRecord(first.record, first.record.present, fields, to);
        QCOMPARE(pgm, QList<int>{2});
        QCOMPARE(address(), withCamera ? QStringLiteral("7") : QStringLiteral("99"));
        QCOMPARE(int(fun.f7Mode()), withCamera ? 2 : 0);
        if (!withCamera)
            return;
        // A change of the camera menu byte alone leaves the address as shown; PGM is not applied again.
        cam.set_Address_Type(99);
        const StateDump second = decoded(EditionFrames::stateDump({{0, 2}, {70, 0}, {71, 7}, {115, 2}}));
        applyRecord(second.record, changedGroups(second, &first), fields, to);
        QCOMPARE(address(), QStringLiteral("99"));
        QCOMPARE(pgm, QList<int>{2});
        const StateDump third = decoded(EditionFrames::stateDump({{0, 2}, {70, 0}, {71, 8}, {115, 1}}));
        applyRecord(third.record, changedGroups(third, &second), fields, to);
        QCOMPARE(address(), QStringLiteral("8"));
        QCOMPARE(int(fun.f7Mode()), 1);
    }

    // A panel without the audio page: the line gain and the microphone still reach the settings
    // window, and the applier reads nothing for the missing page.
    void applierWithoutAudioPage()
    {
        const Windows w(105, QStringLiteral("LUMA"), QStringLiteral("CHROMA"));
        RecordTargets to = w.targets(true);
        to.audio = nullptr;
        auto* lineGain = w.menu->findChild<QSpinBox*>(QStringLiteral("spinBoxLineGain"));
        auto* mic = w.menu->findChild<QSpinBox*>(QStringLiteral("spinBoxMIC"));
        QVERIFY(lineGain && mic);
        const QList<QSpinBox*> audioFields = w.audio->findChildren<QSpinBox*>();
        QVERIFY(!audioFields.isEmpty());
        QList<int> audioBefore;
        for (QSpinBox* f : audioFields)
            audioBefore << f->value();
        DevStateGuard guard;
        const StateDump d = decoded(EditionFrames::stateDump({{89, 4}, {90, 1}, {91, 30}}));
        applyRecord(d.record, d.record.present, PanelFields(), to);
        QCOMPARE(lineGain->value(), 12);
        QCOMPARE(mic->value(), 12);
        QList<int> audioAfter;
        for (QSpinBox* f : audioFields)
            audioAfter << f->value();
        QCOMPARE(audioAfter, audioBefore);
    }

    // The version reply: its first value at byte 18 (the edition and HD panels) or 19 (the 4K
    // family), then byte 14 and bytes 23..31; of another type or shorter than 32 bytes: ignored whole.
    void version_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("firstByte");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QList<int>>("values");  // empty: not compared
        // Byte 14 lies in the head: the frame is written out by hand.
        auto reply = [](quint8 type, int size) {
            QByteArray f = testFrameHead(type);
            f[14] = char(0x0E);
            f.append(QByteArray(size - 3 - f.size(), '\0'));
            const std::pair<int, quint8> values[] = {{18, 0x18}, {19, 0x19}, {23, 0x23}, {24, 0x24}, {25, 0x25},
                                                     {26, 0x26}, {27, 0x27}, {28, 0x28}, {29, 0x29}, {30, 0x30},
                                                     {31, 0x31}};
            for (const auto& v : values)
                if (v.first < f.size())
                    f[v.first] = char(v.second);
            sealTestFrame(f);
            return f;
        };
        const QList<int> tail = {0x0E, 0x23, 0x24, 0x25, 0x26, 0x27, 0x28, 0x29, 0x30, 0x31};
        QTest::newRow("byte 18 first") << reply(0x49, 40) << 18 << true << (QList<int>{0x18} + tail);
        QTest::newRow("byte 19 first") << reply(0x49, 40) << 19 << true << (QList<int>{0x19} + tail);
        QTest::newRow("32 bytes, byte 19 first") << reply(0x49, 32) << 19 << true << QList<int>();
        QTest::newRow("31 bytes") << reply(0x49, 31) << 18 << false << QList<int>();
        QTest::newRow("31 bytes, byte 19 first") << reply(0x49, 31) << 19 << false << QList<int>();
        QTest::newRow("type 0x48") << reply(0x48, 40) << 18 << false << QList<int>();
    }
    void version()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, firstByte);
        QFETCH(bool, accepted);
        QFETCH(QList<int>, values);
        ExactBuffer buf(reply);
        VersionReport v;
        v.values.fill(0x77);
        QCOMPARE(readVersionReply(buf.view(), firstByte, v), accepted);
        if (!accepted) {
            QCOMPARE(int(v.values[0]), 0x77);
            return;
        }
        QCOMPARE(int(v.values[0]), int(quint8(reply.at(firstByte))));
        if (!values.isEmpty())
            QCOMPARE(QList<int>(v.values.begin(), v.values.end()), values);
    }

    // The model panels' applier: the channel keys follow the audio mode they are reset by, and
    // neither the HDR byte nor the settings window's microphone entry is touched.
    void familyApplier()
    {
        const Windows w(105, QStringLiteral("LUMA"), QStringLiteral("CHROMA"));
        RecordTargets to = w.targets(true);
        to.readsF7Mode = false;
        MainMenu& menu = *w.menu;
        to.readsHdr = false;
        to.menuShowsMic = false;
        QStringList order;
        PanelFields fields;
        auto log = [&order](const char* name) { return [&order, name](quint8 v) { order << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(v); }; };
        fields.audioMode = log("mode");
        fields.ch1On = log("ch1");
        fields.ch1Level = log("ch1 level");
        fields.ch2On = log("ch2");
        fields.ch2Level = log("ch2 level");
        fields.masterOn = log("master");
        fields.master = log("master level");
        auto* mic = menu.findChild<QSpinBox*>(QStringLiteral("spinBoxMIC"));
        auto* hdr = menu.findChild<QComboBox*>(QStringLiteral("comboBoxHDR_CFG"));
        QVERIFY(mic && hdr);
        const int micBefore = mic->value();
        const int hdrBefore = hdr->currentIndex();
        DevStateGuard guard;
        const StateDump d = decoded(EditionFrames::stateDump(
            {{2, 1}, {3, 1}, {5, 40}, {6, 0}, {8, 60}, {9, 1}, {10, 80}, {71, 5}, {91, 30}, {92, 0x05}}, 0, 0,
            minDumpSize(kThroughHdr)),
            kThroughMicVolume);
        applyRecord(d.record, d.record.present, fields, to);
        QCOMPARE(order, QStringList({"mode 1", "ch1 1", "ch1 level 40", "ch2 0", "ch2 level 60", "master 1",
                                     "master level 80"}));
        QCOMPARE(mic->value(), micBefore);
        QCOMPARE(hdr->currentIndex(), hdrBefore);
        QCOMPARE(w.cam->findChild<QLineEdit*>()->text(), QStringLiteral("5"));
    }
};

QTEST_MAIN(TestVyRecord)
#include "tst_vy_record.moc"
