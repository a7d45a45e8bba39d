// Feeds fuzzed full-state replies (20..1056 bytes, type 0x0A) to one Quillet
// panel through its own layer's reply signal, so the panel's decoder and the
// SET window's reader both run.

#include "druvela_workdata.h"
#include "fuzz_panel.h"
#include "quillet.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Quillet* panel = [] {
        fuzzApplication();
        return new Quillet(nullptr);
    }();
    static Druvela_workdata* link = panel->findChild<Druvela_workdata*>(QString(), Qt::FindDirectChildrenOnly);
    // The layer hands on only what it received in that window of sizes.
    if (size < 20 || size > 1056)
        return 0;
    std::vector<char> bytes(data, data + size);
    bytes[16] = 0x0A;
    emit link->on_signals_allData(QByteArray::fromRawData(bytes.data(), int(bytes.size())));
    return 0;
}
