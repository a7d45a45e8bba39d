// Feeds arbitrary datagrams to the settings window as stream-entry replies.

#include "main_menu.h"
#include "model_tables.h"
#include "zv_resources.h"

#include <QApplication>
#include <QComboBox>

#include <cstdint>
#include <cstdlib>

namespace {

// No controller: the window reads replies but sends nothing.
MainMenu* window()
{
    static MainMenu* w = [] {
        static int argc = 1;
        static char name[] = "fuzz_stream_entry";
        static char* argv[] = {name, nullptr};
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
        zvInitResources();
        DEV_CHILD_TYPE = 0x28;
        return new MainMenu(nullptr, nullptr);
    }();
    return w;
}

void check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainMenu* w = window();
    // A copy, so reads past the datagram's end land outside the allocation and are caught.
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<int>(size));

    using E = MainMenu::StreamEntry;
    const E e = MainMenu::decodeStreamEntry(reply);
    const bool slot = e.kind == E::Slot;
    check(slot ? (e.index >= 0 && e.index <= 7) : (e.index == -1 && e.name.isEmpty() && e.url.isEmpty()));
    check(e.name.toUtf8().size() <= 3 * MainMenu::kStreamNameBytes && e.url.size() <= MainMenu::kStreamUrlBytes);

    auto* index = w->findChild<QComboBox*>(QStringLiteral("combIndex"));
    const int before = index->currentIndex();
    w->readStreamData(reply);
    const int after = index->currentIndex();
    check(after >= 0 && after <= 7 && after == (slot ? e.index : before));
    return 0;
}
