#include "standin_switcher.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A private copy, so a read past the end is a heap overflow.
    const QByteArray datagram(reinterpret_cast<const char *>(data), int(size));
    StandinSwitcher s;
    const QByteArray reply = s.answer(datagram);
    if (!reply.isEmpty()) {
        const int len = quint8(reply.at(2)) | quint8(reply.at(3)) << 8;
        if (len != reply.size() || quint8(reply.back()) != 0xAE)
            std::abort();
    }
    // The same bytes as a control line.
    s.control(QString::fromUtf8(datagram));
    return 0;
}
