// Arbitrary datagrams through the reply dispatch: no read outside the datagram, at most one
// signal per datagram, and the datagram handed on unchanged.

#include "druvela_workdata.h"

#include <QByteArray>
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
    static Druvela_workdata* d = [] {
        auto* w = new Druvela_workdata;
        auto note = [](const QByteArray& by) {
            ++g_raised;
            g_last = by;
        };
        QObject::connect(w, &Druvela_workdata::on_signals_allData, note);
        QObject::connect(w, &Druvela_workdata::on_signals_tx_sliderData, note);
        QObject::connect(w, &Druvela_workdata::on_signals_pop_stateData, note);
        QObject::connect(w, &Druvela_workdata::on_signals_version_stateData, note);
        QObject::connect(w, &Druvela_workdata::on_signals_heartData, note);
        QObject::connect(w, &Druvela_workdata::on_signals_StreamData, note);
        return w;
    }();
    return *d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Druvela_workdata& d = target();
    // A fresh copy, so the sanitizer sees the datagram's true end.
    const QByteArray datagram(reinterpret_cast<const char*>(data), static_cast<int>(size));

    g_raised = 0;
    d.AnalysisData(datagram);
    if (g_raised > 1 || (g_raised == 1 && g_last != datagram))
        std::abort();

    g_raised = 0;
    d.CheckReceiveData(datagram);
    const bool inWindow = size >= 20 && size <= 1056;
    if (g_raised > 1 || (g_raised == 1 && (!inWindow || g_last != datagram)))
        std::abort();
    return 0;
}
