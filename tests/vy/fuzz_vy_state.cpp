// Feeds fuzzed state dumps to one Vy panel, through the controller's relay.

#include "fuzz_panel.h"
#include "oriskan_new.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // The dispatch hands this slot only type 0x0A; keep the inputs there.
    fuzzReply(fuzzPanel<Oriskan_NEW>(0x28), 0, data, size, true);
    return 0;
}
