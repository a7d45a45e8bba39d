#pragma once
// Tables the series-8 panels share.

#include "device_record.h"

namespace Series8 {

// The state dump the series-8 panels read: record bytes 0..38, reply bytes
// 18..56. A dump without them all before its checksum is not applied in part.
inline constexpr DevState::LastByte kStateDumpLastByte{DevState::kRecordStart + 38};

// The serial number the SET windows show: reply bytes 31..38 (record bytes
// 13..20, the first eight wipe-group bytes of the shared record), which no
// series-8 decoder reads; every dump the panels apply holds them.
inline constexpr int kSerialFirstByte = DevState::kRecordStart + 13;
inline constexpr int kSerialSize = 8;
inline constexpr DevState::LastByte kSerialLastByte{kSerialFirstByte + kSerialSize - 1};
static_assert(kSerialLastByte.offset <= kStateDumpLastByte.offset, "the serial lies inside the applied dump");

// The serial bytes of a full-state reply; none when they do not all lie before its checksum.
inline QByteArray serialBytes(const QByteArray& reply)
{
    if (reply.size() < DevState::minDumpSize(kSerialLastByte))
        return QByteArray();
    return reply.mid(kSerialFirstByte, kSerialSize);
}

struct Resolution {
    int code;
    const char* text;
};
// The output resolutions by position, as the RESO keys step through them.
inline constexpr Resolution kResolutions[7] = {{7, "1080P60"}, {11, "1080P50"}, {9, "1080I60"}, {1, "1080I50"},
                                               {3, "1080P30"}, {13, "1080P25"}, {5, "1080P24"}};

// The position of a resolution code, -1 for a code outside the table.
inline int resolutionPosition(int code)
{
    for (int position = 0; position < 7; ++position)
        if (kResolutions[position].code == code)
            return position;
    return -1;
}

} // namespace Series8
