// The 4K panel's reply decoders fed arbitrary datagrams: nothing may read
// outside the datagram, whatever its length, type or length field. The first
// byte picks the slot, whether the datagram carries the slot's type, and the
// model (only one applies the record and stream status).

#include "corvane.h"
#include "fuzz_panel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1 + 1056)
        return 0;
    Corvane* p = fuzzPanel<Corvane>(0x69);
    DEV_CHILD_TYPE = (data[0] & 0x10) ? HardwareID_Table[4][HW_TYPE] : 0x69;
    fuzzReply(p, data[0] & 0x03, data + 1, size - 1, data[0] & 0x04);
    return 0;
}
