// The model panels' reply decoders fed arbitrary datagrams: nothing may read
// outside the datagram, whatever its length, type or length field. The first
// byte picks the slot (bits 0..1), whether the datagram carries that slot's
// type (bit 2) and the panel (the rest, over the panels listed).

#include "druvela.h"
#include "fuzz_panel.h"
#include "kavrelo.h"
#include "lunesko.h"
#include "mirelth.h"
#include "sarnowe.h"
#include "tavrine.h"

namespace {

using Feed = void (*)(int kind, const uint8_t* data, size_t size, bool ownType);

// The family's panels as they are built; each is made once, on its model's type.
const Feed kPanels[] = {
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        fuzzReply(fuzzPanel<Druvela>(105), kind, data, size, ownType);
    },
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        fuzzReply(fuzzPanel<Kavrelo>(105), kind, data, size, ownType);
    },
    // The Sarnowe panel reads the recorder status on type 83 only.
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        Sarnowe* p = fuzzPanel<Sarnowe>(83);
        DEV_CHILD_TYPE = 83;
        fuzzReply(p, kind, data, size, ownType);
    },
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        Sarnowe* p = fuzzPanel<Sarnowe>(83);
        DEV_CHILD_TYPE = 84;
        fuzzReply(p, kind, data, size, ownType);
    },
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        fuzzReply(fuzzPanel<Lunesko>(105), kind, data, size, ownType);
    },
    // The Tavrine panel, built as a recording model.
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        fuzzReply(fuzzPanel<Tavrine>(100), kind, data, size, ownType);
    },
    // SHIFT stays off: with it on, a dump's preview byte would flash for 200 ms on every input.
    [](int kind, const uint8_t* data, size_t size, bool ownType) {
        fuzzReply(fuzzPanel<Mirelth>(105), kind, data, size, ownType);
    },
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1 || size > 1 + 1056)
        return 0;
    const size_t panel = size_t(data[0] >> 3) % (sizeof(kPanels) / sizeof(kPanels[0]));
    kPanels[panel](data[0] & 0x03, data + 1, size - 1, (data[0] & 0x04) != 0);
    return 0;
}
