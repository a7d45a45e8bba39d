#pragma once
// Tables the series-8 panels share.

#include "device_record.h"

namespace Series8 {

// The state dump the series-8 panels read: record bytes 0..38, reply bytes
// 18..56. A dump without them all before its checksum is not applied in part.
inline constexpr DevState::LastByte kStateDumpLastByte{DevState::kRecordStart + 38};

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
