// Feeds fuzzed T-bar, POP window and version replies to one Vy panel.

#include "fuzz_panel.h"
#include "oriskan_new.h"

// The first byte picks the reply kind; the rest is the datagram.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size >= 1)
        fuzzReply(fuzzPanel<Oriskan_NEW>(0x28), 1 + data[0] % 3, data + 1, size - 1, true);
    return 0;
}
