// Feeds fuzzed T-bar, POP window and version replies to one Vy panel.

#include "fuzz_panel.h"
#include "oriskan_new.h"

#include <cstdint>
#include <vector>

// The first byte picks the reply kind; the rest is the datagram.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    onlyFun* f = fuzzPanel<Oriskan_NEW>(0x28)->controller();
    const uint8_t kind = data[0] % 3;
    static const char types[3] = {char(0x82), 0x6F, 0x49};
    std::vector<char> bytes(data + 1, data + size);
    if (bytes.size() > 16)
        bytes[16] = types[kind];
    const QByteArray reply = QByteArray::fromRawData(bytes.data(), int(bytes.size()));
    switch (kind) {
    case 0: emit f->getTXSliderDateSignals(reply); break;
    case 1: emit f->getPOPWinStateSignals(reply); break;
    default: emit f->getDevVersionStateSignals(reply); break;
    }
    fuzzCheckGuard();
    return 0;
}
