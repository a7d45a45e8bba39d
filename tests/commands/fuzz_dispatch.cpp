// Arbitrary datagrams through the reply dispatch: no read outside the datagram, at most one
// signal per datagram, only inside the size window, and the datagram handed on unchanged.

#include "druvela_workdata.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

namespace {

int g_raised = 0;
QByteArray g_last;

Druvela_workdata& target()
{
    static int argc = 1;
    static char name[] = "fuzz_dispatch";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static Druvela_workdata d;
    static const bool connected = [] {
        auto note = [](const QByteArray& by) { ++g_raised, g_last = by; };
        for (auto s : {&Druvela_workdata::on_signals_allData, &Druvela_workdata::on_signals_tx_sliderData, &Druvela_workdata::on_signals_pop_stateData,
                       &Druvela_workdata::on_signals_version_stateData, &Druvela_workdata::on_signals_heartData, &Druvela_workdata::on_signals_StreamData,
                       &Druvela_workdata::on_signals_HisInfoData, &Druvela_workdata::on_signals_HisUrlData})
            QObject::connect(&d, s, note);
        return true;
    }();
    Q_UNUSED(connected);
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Druvela_workdata& d = target();
    // A fresh copy, so the sanitizer sees the datagram's true end.
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<int>(size));
    const bool inWindow = size >= 20 && size <= 1056;
    for (bool windowed : {false, true}) {
        g_raised = 0;
        windowed ? d.CheckReceiveData(datagram) : d.AnalysisData(datagram);
        if (g_raised > 1 || (g_raised == 1 && (g_last != datagram || (windowed && !inWindow))))
            std::abort();
    }
    return 0;
}
