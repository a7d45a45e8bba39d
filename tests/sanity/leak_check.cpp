// The leak checker, run with the options and suppressions of the test run, is
// quiet for a widget program that frees what it made (the offscreen plugin's
// screens are kept reachable by the test rig), and still reports a leak of the
// program's own. Built in the sanitizer tree only.

#include <QApplication>
#include <QLabel>

#include <sanitizer/lsan_interface.h>

#include <cstdint>
#include <cstdio>
#include <thread>

namespace {

// The only trace of the leaked object, scrambled so no scan takes it for a pointer.
volatile std::uintptr_t g_hidden = 0;
constexpr std::uintptr_t kScramble = ~std::uintptr_t(0);

bool check(bool expectLeak, const char* what)
{
    const bool leaked = __lsan_do_recoverable_leak_check() != 0;
    if (leaked != expectLeak)
        std::fprintf(stderr, "leak_check: %s\n", what);
    return leaked == expectLeak;
}

} // namespace

int main(int argc, char** argv)
{
    {
        QApplication app(argc, argv);
        QLabel label(QStringLiteral("leak check"));
        label.show();
        QApplication::processEvents();
    }
    bool ok = check(false, "a program that freed everything was reported");

    // Made on a thread that is gone by the check, so no stack or register of
    // this one still holds the pointer.
    std::fprintf(stderr, "leak_check: the report of one deliberate leak follows\n");
    std::thread([] { g_hidden = reinterpret_cast<std::uintptr_t>(new QByteArray(4096, 'x')) ^ kScramble; }).join();
    ok = check(true, "a leaked object was not reported") && ok;

    delete reinterpret_cast<QByteArray*>(g_hidden ^ kScramble);
    return ok ? 0 : 1;
}
