#pragma once
// Frames as the 4K switcher and the panel exchange them.

#include <QByteArray>

#include "edition_frames.h"
#include "panel_command.h"
#include <initializer_list>
#include <utility>

namespace k4 {

inline QByteArray command(unsigned char cmd, const QByteArray& data = QByteArray())
{
    return panelCommand(cmd, data);
}

inline QByteArray command(unsigned char cmd, unsigned char d1)
{
    return panelCommand(cmd, QByteArray(1, char(d1)));
}

// A reply of the given type whose payload (from byte 17 on) is the given bytes.
inline QByteArray reply(unsigned char type, const QByteArray& payload)
{
    return panelCommand(type, payload);
}

using Field = std::pair<int, unsigned char>;

// A state dump of size bytes in all with the given record fields and status word W.
inline QByteArray stateDump(std::initializer_list<Field> fields, int size = 140, unsigned char status = 0,
                            quint32 w = 0)
{
    QMap<int, quint8> record;
    for (const Field& f : fields)
        record[f.first] = f.second;
    return EditionFrames::stateDump(record, w, 0, size, status);
}

// Record offsets the tests name.
enum R : int {
    rPgm = 0, rPvw = 1, rAudioMode = 2, rCh1Level = 5, rCh2Level = 8, rMaster = 10,
    rTrans = 11, rWipe = 12, rGroup1 = 13, rFtb = 23, rPip = 24, rStill = 33, rRate = 34,
    rMute = 38, rCamMenu = 70, rCamAddress = 71, rFanHi = 86, rFanLo = 87, rHdr = 92, rF7Mode = 115
};

} // namespace k4
