// Feeds fuzzed state dumps to one Vy panel, through the controller's relay.

#include "fuzz_panel.h"
#include "oriskan_new.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Oriskan_NEW* p = fuzzPanel<Oriskan_NEW>(0x28);
    // An exact-size copy: a read past the datagram's end is caught.
    std::vector<char> bytes(data, data + size);
    // The dispatch hands this slot only type 0x0A; keep most inputs there.
    if (bytes.size() > 17) {
        bytes[16] = 0x0A;
        if (bytes[17] != 1)
            bytes[17] = 0;
    }
    emit p->controller()->getDateSignals(QByteArray::fromRawData(bytes.data(), int(bytes.size())));
    fuzzCheckGuard();
    return 0;
}
