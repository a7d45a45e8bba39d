// Feeds arbitrary datagrams to the bottom bar's two second-board readers.

#include "druvela_workdata.h"
#include "plane_botton.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

namespace {

Plane_Botton* bar()
{
    static Plane_Botton* b = [] {
        static int argc = 1;
        static char name[] = "fuzz_his_replies";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        auto* ws = new Druvela_workdata;
        ws->get_HISTypeID(QStringLiteral("0.0.0.0"), 0xA5, 0xFF);
        return new Plane_Botton(nullptr, ws);
    }();
    return b;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Plane_Botton* b = bar();
    // A copy, so reads past the datagram's end land outside the allocation and are caught.
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<int>(size));

    Plane_Botton::HisInfo info;
    check(Plane_Botton::decodeHisInfo(reply, info) == (size >= 24));
    Plane_Botton::HisUrl url;
    if (Plane_Botton::decodeHisUrl(reply, url)) {
        check(size >= 21);
        check(url.index >= -1 && url.index <= 7);
        check(url.name.size() <= 16 && url.url.size() <= 768);
        check(url.url.size() <= int(size) - 21);
    } else {
        check(size < 21);
    }
    b->on_ToShow_HisInfo(reply);
    b->on_ToShow_HisUrl(reply);
    return 0;
}
