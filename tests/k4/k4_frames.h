#pragma once
// Frames as the 4K switcher and the panel exchange them.

#include "edition_frames.h"
#include "panel_command.h"

#include <initializer_list>
#include <utility>

namespace k4 {

// A command, or a reply whose payload (from byte 17 on) is data.
inline QByteArray command(unsigned char cmd, const QByteArray& data = QByteArray()) { return panelCommand(cmd, data); }
inline QByteArray command(unsigned char cmd, unsigned char d1) { return panelCommand(cmd, {d1}); }

// A state dump of size bytes in all with the given record fields and status word W.
inline QByteArray stateDump(std::initializer_list<std::pair<int, unsigned char>> fields, int size = 140,
                            unsigned char status = 0, quint32 w = 0)
{
    QMap<int, quint8> record;
    for (const auto& f : fields)
        record[f.first] = f.second;
    return EditionFrames::stateDump(record, w, 0, size, status);
}

// Record offsets the tests name.
enum R : int {
    rPgm = 0, rPvw = 1, rCh1Level = 5, rMaster = 10, rTrans = 11, rWipe = 12, rGroup1 = 13, rRate = 34,
    rMute = 38, rCamMenu = 70, rCamAddress = 71, rHdr = 92, rF7Mode = 115
};

} // namespace k4
