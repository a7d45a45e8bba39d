// Feeds fuzzed full-state replies to one Tesmond and one Oriskan panel through
// their own layers' reply signal.

#include "fuzz_panel.h"
#include "tesmondui.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzzOwnLayerState<TesmondUI>(data, size);
    fuzzOwnLayerState<OriskanUI>(data, size);
    return 0;
}
