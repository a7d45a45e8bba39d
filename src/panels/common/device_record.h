#pragma once
// The switcher's state dump (reply type 0x0A): the record from reply byte 18
// on, and the record/stream status word and byte near the frame's end.
//
// Every panel reads the same record; each applies only the fields it shows.
// A field group counts as changed when any of its bytes differs from the
// previous dump, so an edition panel's repeated dump touches nothing (the
// model panels apply every field of every dump).

#include "bytes.h"

#include <QByteArray>
#include <QtGlobal>
#include <array>
#include <bitset>

namespace DevState {

constexpr int kReplyType = 0x0A;
constexpr int kRecordStart = 18;
// A dump, like every frame, ends with its 16-bit checksum and the end byte
// (bytes L-3..L-1): they are no record bytes.
constexpr int kTrailerSize = 3;

// The last reply byte a reader takes from the record. A dump is applied only
// when that byte lies before the checksum, so the smallest dump a reader
// applies is that byte plus four; every reader states its last byte and the
// decoders derive the size from it.
struct LastByte {
    int offset;
};
constexpr int minDumpSize(LastByte last) { return last.offset + 1 + kTrailerSize; }

// The last bytes the panels read, by the field that ends their reading.
constexpr LastByte kThroughMicVolume{109};    // the model panels
constexpr LastByte kThroughHdr{110};          // the 4K edition panel, the panels reading HDR
constexpr LastByte kThroughAuxPvw{119};       // the twelve-input panel (PVW under AUX)
constexpr LastByte kThroughStorageKeys{120};  // the 4K panel with storage keys (Mirelth)
constexpr LastByte kThroughF7Mode{133};       // the Vy panel

// Field groups, in the order the panels apply them.
enum Group : int {
    Pgm, Pvw, AudioMode, Ch1On, Ch1Source, Ch1Level, Ch2On, Ch2Source, Ch2Level, MasterOn, Master, Mute,
    Transition, Ftb, Function,
    PipBorderOn, PipBorderColor, PipBorderWidth, PipSize, PipHPos, PipVPos,
    Still, Rate,
    PopWindow, PopBorderOn, PopBorderColor, PopBorderWidth, PopSize, PopHPos, PopVPos,
    Chroma,
    PatternType, PatternHPos, PatternVPos, PatternSize, PatternHStretch, PatternVStretch, PatternNum,
    CamMenu, CamAddress, CamBaud, CamProtocol, CamRate, CamZoom,
    PgmOut, Gpi1, Gpi2, Gpi3, Gpi4, Gpi5, Gpi6, FanCtrl, FanSpeed, AudioDelay,
    LineGain, HdrOn, HdrCfg, MicVolume, MicHpf,
    F7Mode,
    GroupCount
};
using Groups = std::bitset<GroupCount>;

// A 16-bit record value; the settings pages take it as (high, low).
struct Pair16 {
    quint16 value = 0;
    quint8 hi() const { return hiByte(value); }
    quint8 lo() const { return loByte(value); }
};

struct Record {
    quint8 pgm = 0, pvw = 0, audioMode = 0;
    quint8 ch1On = 0, ch1Source = 0, ch1Level = 0, ch2On = 0, ch2Source = 0, ch2Level = 0;
    quint8 masterOn = 0, master = 0, mute = 0;
    std::array<quint8, 12> transition{};  // kind, current effect, groups 1..10
    quint8 ftb = 0;
    quint8 pipOn = 0, popOn = 0, lumaOn = 0, chromaOn = 0, patternOn = 0;
    quint8 pipBorderOn = 0, pipBorderColor = 0, pipBorderWidth = 0, pipSize = 0;
    Pair16 pipHPos, pipVPos;
    quint8 still = 0, rate = 0, pgmOut = 0;
    quint8 popWindow = 0, popBorderOn = 0, popBorderColor = 0, popBorderWidth = 0, popSize = 0;
    Pair16 popHPos, popVPos;
    quint8 chromaBackground = 0, lumaLevel = 0, chromaBlueLevel = 0, chromaGreenLevel = 0;
    quint8 patternType = 0, patternNum = 0;
    Pair16 patternHPos, patternVPos, patternSize, patternHStretch, patternVStretch;
    quint8 camMenu = 0, camAddress = 0, camBaud = 0, camProtocol = 0, camRate = 0, camZoom = 0;
    std::array<quint8, 6> gpi{};
    quint8 fanCtrl = 0;
    Pair16 fanSpeed;
    quint8 audioDelay = 0, lineGain = 0, micHpf = 0, micVolume = 0, hdr = 0;
    quint8 f7Mode = 0;
    // Reply bytes 111..120: the third audio channel, the camera presets
    // blinking, the camera group switch, AUX and the PVW channel under AUX,
    // the storage keys (1 USB, 2 SSD, 0 neither).
    quint8 ch3On = 0, ch3Source = 0, ch3Level = 0;
    std::array<quint8, 3> presets{};  // SET, CLEAR, GOTO
    quint8 groupSwitch = 0, aux = 0, auxPvw = 0;
    quint8 storageKeys = 0;

    quint8 hdrOn() const { return hdr & 0x01; }
    quint8 hdrCfg() const { return quint8(hdr >> 1); }

    Groups present;  // groups whose bytes all lie before the dump's checksum
};

// Record and stream status: word W (u32, low byte first) at L-8 and byte S
// at L-4, L being the frame's length field.
struct RecStreamStatus {
    quint32 word = 0;
    quint8 byte = 0;

    quint8 rec() const { return quint8((word >> 1) & 0x1); }
    quint8 pause() const { return quint8((word >> 3) & 0x3); }
    quint8 stream() const { return quint8((word >> 10) & 0x1); }
    quint8 streamIndex() const { return quint8((word >> 24) & 0x7); }
    quint8 streamRate() const { return quint8((byte >> 2) & 0xF); }
    quint8 quality() const { return quint8(((word >> 30) & 0x3) + 4 * (byte & 0x3)); }
    quint8 encoding() const { return quint8((word >> 28) & 0x3); }
    quint8 storage() const { return quint8((word >> 11) & 0x3); }
};

struct StateDump {
    Record record;
    bool hasStatus = false;  // false when the length field does not fit the datagram
    RecStreamStatus status;
    QByteArray raw;          // the datagram, kept for the next comparison
};

// True for a state dump to apply: type 0x0A, record status 0, last before
// its checksum. Reads nothing outside reply.
bool decodeStateDump(const QByteArray& reply, LastByte last, StateDump& out);

// The record alone, for the panels that read it from any reply the command
// layer hands them as a state dump: no type or status check, no comparison.
// False (and out untouched) when last does not lie before the reply's checksum.
bool readRecord(const QByteArray& reply, LastByte last, Record& out);

// The status alone; false when 26 <= L <= reply size does not hold.
bool readRecStreamStatus(const QByteArray& reply, RecStreamStatus& out);

// Groups present in now whose bytes differ from prev; every present group when prev is null.
Groups changedGroups(const StateDump& now, const StateDump* prev);

} // namespace DevState
