#pragma once
// Frames as the 4K switcher and the panel exchange them, written out from the
// wire layout: A5 6C, length (le16), two address bytes, flag 01, nine zeros,
// the command or reply type at 16, data, the 16-bit sum (le16), AE.

#include <QByteArray>

#include "test_frame.h"
#include <initializer_list>
#include <utility>

namespace k4 {

// A frame the panel sends to a main board answering with A5 FF.
inline QByteArray command(unsigned char cmd, const QByteArray& data = QByteArray())
{
    QByteArray f(17, '\0');
    f[0] = char(0xA5);
    f[1] = char(0x6C);
    f[4] = char(0xA5);
    f[5] = char(0xFF);
    f[6] = char(0x01);
    f[16] = char(cmd);
    f.append(data);
    sealTestFrame(f);
    return f;
}

inline QByteArray command(unsigned char cmd, unsigned char d1)
{
    return command(cmd, QByteArray(1, char(d1)));
}

// A reply of the given type whose payload (from byte 17 on) is the given bytes.
inline QByteArray reply(unsigned char type, const QByteArray& payload)
{
    return command(type, payload);
}

using Field = std::pair<int, unsigned char>;

// A state dump (type 0x0A, record status 0) of size bytes in all, with the
// given record fields (offsets from reply byte 18); every other byte is 0.
inline QByteArray stateDump(std::initializer_list<Field> fields, int size = 140, unsigned char status = 0)
{
    QByteArray payload(size - 20, '\0');
    payload[0] = char(status);
    for (const Field& f : fields)
        if (1 + f.first < payload.size())
            payload[1 + f.first] = char(f.second);
    return reply(0x0A, payload);
}

// Writes the record and stream status word W (le32 at L-8) and byte S (at L-4) of a dump.
inline QByteArray withRecStream(QByteArray dump, quint32 w, unsigned char s)
{
    const int len = dump.size();
    for (int i = 0; i < 4; ++i)
        dump[len - 8 + i] = char((w >> (8 * i)) & 0xFF);
    dump[len - 4] = char(s);
    dump.chop(3);
    sealTestFrame(dump);
    return dump;
}

// Record offsets the tests name.
enum R : int {
    rPgm = 0, rPvw = 1, rAudioMode = 2, rCh1Level = 5, rCh2Level = 8, rMaster = 10,
    rTrans = 11, rWipe = 12, rGroup1 = 13, rFtb = 23, rPip = 24, rStill = 33, rRate = 34,
    rMute = 38, rCamMenu = 70, rCamAddress = 71, rFanHi = 86, rFanLo = 87, rHdr = 92, rF7Mode = 115
};

} // namespace k4
