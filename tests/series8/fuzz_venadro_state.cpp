// Feeds fuzzed full-state replies to one Venadro panel through its own layer's
// reply signal, so the panel's decoder and the SET window's reader both run.

#include "fuzz_panel.h"
#include "venadro.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzOwnLayerState<Venadro>(data, size);
    return 0;
}
