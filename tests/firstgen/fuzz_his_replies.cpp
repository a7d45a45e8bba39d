// Feeds arbitrary datagrams to the second board's two reply readers, and
// through the reply dispatch to a bottom bar with no dialog open, where no
// answer may change the second board's target.

#include "druvela_workdata.h"
#include "his_replies.h"
#include "plane_botton.h"

#include <QApplication>

#include <cstdint>
#include <cstdlib>

namespace {

Druvela_workdata* g_ws = nullptr;

void setUp()
{
    static const bool done = [] {
        static int argc = 1;
        static char name[] = "fuzz_his_replies";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        g_ws = new Druvela_workdata;
        g_ws->get_HISTypeID(QStringLiteral("0.0.0.0"), 0xA5, 0xFF);
        new Plane_Botton(nullptr, g_ws);
        return true;
    }();
    Q_UNUSED(done);
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    setUp();
    // A copy, so reads past the datagram's end land outside the allocation and are caught.
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const int type = size > 16 ? data[16] : -1;

    HisReplies::Settings settings;
    check(HisReplies::readSettings(reply, settings) == (type == 0x24 && size >= 34));
    HisReplies::UrlEntry entry;
    const bool headed = type == 0x6A && size >= 38;
    const int nameLen = headed ? data[19] : 0;
    const int urlLen = headed ? data[36] | data[37] << 8 : 0;
    const bool whole = headed && nameLen <= 16 && urlLen <= 768 && 38 + urlLen <= int(size);
    check(HisReplies::readUrlEntry(reply, entry) == whole);
    if (whole)
        check(entry.name.size() <= nameLen && entry.url.size() <= urlLen && entry.index == data[18]);
    g_ws->AnalysisData(reply);
    check(g_ws->on_HIS_IP() == QLatin1String("0.0.0.0"));
    return 0;
}
