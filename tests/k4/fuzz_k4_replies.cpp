// The 4K panel's reply decoders fed arbitrary datagrams: nothing may read
// outside the datagram, whatever its length, type or length field.

#include <cstddef>
#include <cstdint>

#include "corvane.h"
#include "fuzz_panel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Corvane* p = fuzzPanel<Corvane>(0x69);
    if (size < 1 || size > 1 + 1056)
        return 0;
    const uint8_t mode = data[0];
    QByteArray reply(reinterpret_cast<const char*>(data + 1), int(size - 1));
    static const uint8_t kTypes[4] = {0x0A, 0x82, 0x6F, 0x49};
    // Half of the inputs carry the slot's own type, so the decoders get past the type test.
    if ((mode & 0x04) && reply.size() > 16)
        reply[16] = char(kTypes[mode & 0x03]);
    if ((mode & 0x08) && reply.size() > 17)
        reply[17] = 0;
    // Now and then a type whose record and stream status is applied.
    DEV_CHILD_TYPE = (mode & 0x10) ? HardwareID_Table[4][HW_TYPE] : 0x69;
    switch (mode & 0x03) {
    case 0: p->getDate(reply); break;
    case 1: p->getTXSliderDate(reply); break;
    case 2: p->getPOPWinState(reply); break;
    default: p->getDevVersionState(reply); break;
    }
    fuzzCheckGuard();
    return 0;
}
