// Feeds arbitrary datagrams to the settings window as stream-entry replies.

#include "main_menu.h"
#include "model_tables.h"
#include "zv_resources.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <cstdint>
#include <cstdlib>

namespace {

MainMenu* window()
{
    static int argc = 1;
    static char name[] = "fuzz_stream_entry";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* a = new QApplication(argc, argv);
        zvInitResources();
        return a;
    }();
    Q_UNUSED(app);
    // No controller: the window reads replies but sends nothing.
    static MainMenu* w = [] {
        DEV_CHILD_TYPE = 0x28;
        return new MainMenu(nullptr, nullptr);
    }();
    return w;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    MainMenu* w = window();
    // A copy, so reads past the datagram's end land outside the allocation and are caught.
    const QByteArray reply(reinterpret_cast<const char*>(data), static_cast<int>(size));

    const MainMenu::StreamEntry e = MainMenu::decodeStreamEntry(reply);
    if (e.kind == MainMenu::StreamEntry::Slot && (e.index < 0 || e.index > 7))
        std::abort();
    if (e.kind != MainMenu::StreamEntry::Slot && (e.index != -1 || !e.name.isEmpty() || !e.url.isEmpty()))
        std::abort();
    if (e.name.toUtf8().size() > 3 * MainMenu::kStreamNameBytes || e.url.size() > MainMenu::kStreamUrlBytes)
        std::abort();

    const int before = w->findChild<QComboBox*>(QStringLiteral("combIndex"))->currentIndex();
    w->readStreamData(reply);
    const int after = w->findChild<QComboBox*>(QStringLiteral("combIndex"))->currentIndex();
    if (after < 0 || after > 7 || (e.kind != MainMenu::StreamEntry::Slot && after != before))
        std::abort();
    if (e.kind == MainMenu::StreamEntry::Slot && after != e.index)
        std::abort();
    return 0;
}
