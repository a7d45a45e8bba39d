#include "device_record.h"

#include "bytes.h"

namespace DevState {
namespace {

// Record offsets (reply byte - 18) of each group, and the bits that count.
struct GroupBytes {
    std::array<quint8, 12> r;
    quint8 count;
    quint8 mask;
};

constexpr GroupBytes one(quint8 r, quint8 mask = 0xFF) { return {{r}, 1, mask}; }
constexpr GroupBytes pair(quint8 r) { return {{r, quint8(r + 1)}, 2, 0xFF}; }

constexpr std::array<GroupBytes, GroupCount> kGroups = {{
    one(0), one(1), one(2), one(3), one(4), one(5), one(6), one(7), one(8), one(9), one(10), one(38),
    {{11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22}, 12, 0xFF},
    one(23),
    {{24, 40, 50, 51, 57}, 5, 0xFF},
    one(25), one(26), one(27), one(28), pair(29), pair(31),
    one(33), one(34),
    one(41), one(42), one(43), one(44), one(45), pair(46), pair(48),
    {{53, 54, 55, 56}, 4, 0xFF},
    one(58), pair(60), pair(62), pair(64), pair(66), pair(68), one(59),
    {{70, 71}, 2, 0xFF}, one(71), one(72), one(73), one(77), one(78),
    one(35), one(79), one(80), one(81), one(82), one(83), one(84), one(85), pair(86), one(88),
    one(89), one(92, 0x01), one(92, 0xFE), one(91), one(90),
    one(115),
}};

int lastReplyByte(const GroupBytes& g)
{
    int last = 0;
    for (int i = 0; i < g.count; ++i)
        last = qMax(last, int(g.r[size_t(i)]));
    return kRecordStart + last;
}

quint8 rb(const QByteArray& reply, int r) { return byteAt(reply, kRecordStart + r); }
Pair16 rp(const QByteArray& reply, int r) { return Pair16{beU16(reply, kRecordStart + r)}; }

} // namespace

bool readRecStreamStatus(const QByteArray& reply, RecStreamStatus& out)
{
    const int len = leU16(reply, 2);
    if (!hasBytes(reply, 2, 2) || len < 26 || len > reply.size())
        return false;
    out.word = quint32(leU16(reply, len - 8)) | (quint32(leU16(reply, len - 6)) << 16);
    out.byte = byteAt(reply, len - 4);
    return true;
}

bool readRecord(const QByteArray& reply, LastByte last, Record& r)
{
    if (reply.size() < minDumpSize(last) || last.offset < kRecordStart)
        return false;
    r.pgm = rb(reply, 0);
    r.pvw = rb(reply, 1);
    r.audioMode = rb(reply, 2);
    r.ch1On = rb(reply, 3);
    r.ch1Source = rb(reply, 4);
    r.ch1Level = rb(reply, 5);
    r.ch2On = rb(reply, 6);
    r.ch2Source = rb(reply, 7);
    r.ch2Level = rb(reply, 8);
    r.masterOn = rb(reply, 9);
    r.master = rb(reply, 10);
    for (int i = 0; i < 12; ++i)
        r.transition[size_t(i)] = rb(reply, 11 + i);
    r.ftb = rb(reply, 23);
    r.pipOn = rb(reply, 24);
    r.pipBorderOn = rb(reply, 25);
    r.pipBorderColor = rb(reply, 26);
    r.pipBorderWidth = rb(reply, 27);
    r.pipSize = rb(reply, 28);
    r.pipHPos = rp(reply, 29);
    r.pipVPos = rp(reply, 31);
    r.still = rb(reply, 33);
    r.rate = rb(reply, 34);
    r.pgmOut = rb(reply, 35);
    r.mute = rb(reply, 38);
    r.popOn = rb(reply, 40);
    r.popWindow = rb(reply, 41);
    r.popBorderOn = rb(reply, 42);
    r.popBorderColor = rb(reply, 43);
    r.popBorderWidth = rb(reply, 44);
    r.popSize = rb(reply, 45);
    r.popHPos = rp(reply, 46);
    r.popVPos = rp(reply, 48);
    r.lumaOn = rb(reply, 50);
    r.chromaOn = rb(reply, 51);
    r.chromaBackground = rb(reply, 53);
    r.lumaLevel = rb(reply, 54);
    r.chromaBlueLevel = rb(reply, 55);
    r.chromaGreenLevel = rb(reply, 56);
    r.patternOn = rb(reply, 57);
    r.patternType = rb(reply, 58);
    r.patternNum = rb(reply, 59);
    r.patternHPos = rp(reply, 60);
    r.patternVPos = rp(reply, 62);
    r.patternSize = rp(reply, 64);
    r.patternHStretch = rp(reply, 66);
    r.patternVStretch = rp(reply, 68);
    r.camMenu = rb(reply, 70);
    r.camAddress = rb(reply, 71);
    r.camBaud = rb(reply, 72);
    r.camProtocol = rb(reply, 73);
    r.camRate = rb(reply, 77);
    r.camZoom = rb(reply, 78);
    for (int i = 0; i < 6; ++i)
        r.gpi[size_t(i)] = rb(reply, 79 + i);
    r.fanCtrl = rb(reply, 85);
    r.fanSpeed = rp(reply, 86);
    r.audioDelay = rb(reply, 88);
    r.lineGain = rb(reply, 89);
    r.micHpf = rb(reply, 90);
    r.micVolume = rb(reply, 91);
    r.hdr = rb(reply, 92);
    r.ch3On = rb(reply, 93);
    r.ch3Source = rb(reply, 94);
    r.ch3Level = rb(reply, 95);
    for (int i = 0; i < 3; ++i)
        r.presets[size_t(i)] = rb(reply, 96 + i);
    r.groupSwitch = rb(reply, 99);
    r.aux = rb(reply, 100);
    r.auxPvw = rb(reply, 101);
    r.storageKeys = rb(reply, 102);
    r.f7Mode = rb(reply, 115);

    r.present.reset();
    for (int g = 0; g < GroupCount; ++g)
        r.present.set(size_t(g), lastReplyByte(kGroups[size_t(g)]) < reply.size() - kTrailerSize);

    return true;
}

bool decodeStateDump(const QByteArray& reply, LastByte last, StateDump& out)
{
    if (byteAt(reply, 16) != kReplyType || byteAt(reply, 17) != 0)
        return false;
    if (!readRecord(reply, last, out.record))
        return false;
    out.hasStatus = readRecStreamStatus(reply, out.status);
    // Owned bytes: the caller's array may only borrow its storage.
    out.raw = QByteArray(reply.constData(), reply.size());
    return true;
}

Groups changedGroups(const StateDump& now, const StateDump* prev)
{
    Groups changed = now.record.present;
    if (!prev)
        return changed;
    for (int g = 0; g < GroupCount; ++g) {
        if (!changed.test(size_t(g)))
            continue;
        if (!prev->record.present.test(size_t(g)))
            continue;  // newly present: apply
        const GroupBytes& gb = kGroups[size_t(g)];
        bool differs = false;
        for (int i = 0; i < gb.count && !differs; ++i) {
            const int at = kRecordStart + gb.r[size_t(i)];
            differs = ((byteAt(now.raw, at) ^ byteAt(prev->raw, at)) & gb.mask) != 0;
        }
        changed.set(size_t(g), differs);
    }
    return changed;
}

} // namespace DevState
