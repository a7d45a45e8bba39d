#pragma once
// One offscreen application and one panel for a fuzz target's whole run.

#include "druvela_workdata.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "support_page.h"

#include <QApplication>
#include <QTimer>
#include <cstdint>
#include <cstdlib>
#include <vector>

// The offscreen application every panel target runs in, made once.
inline void fuzzApplication()
{
    static bool made = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_panel";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        return true;
    }();
    (void)made;
}

template <class Panel>
Panel* fuzzPanel(unsigned char devType)
{
    static Panel* p = [devType] {
        fuzzApplication();
        DEV_CHILD_TYPE = devType;
        // A version reply opens the support page: never the desktop's browser here.
        setSupportPageOpener([](const QUrl&) { return true; });
        auto* panel = new Panel(nullptr);
        // No device is bound and no event loop runs: keep the heartbeat quiet all the same.
        for (QTimer* t : panel->controller()->template findChildren<QTimer*>())
            t->stop();
        return panel;
    }();
    return p;
}

// The decoders raise the device-state guard only while they apply a reply.
inline void fuzzCheckGuard()
{
    if (updateDevStateEnable)
        std::abort();
}

// Hands one datagram, in a buffer of exactly its size, through the controller's relay to the
// panel's slot for kind (0 state dump, 1 T-bar, 2 POP window, 3 version). With ownType it
// carries that slot's type, and a dump record status 0 unless it is 1.
template <class Panel>
void fuzzReply(Panel* p, int kind, const uint8_t* data, size_t size, bool ownType)
{
    static const char types[4] = {0x0A, char(0x82), 0x6F, 0x49};
    std::vector<char> bytes(data, data + size);
    if (ownType && bytes.size() > 17) {
        bytes[16] = types[kind];
        if (kind == 0 && bytes[17] != 1)
            bytes[17] = 0;
    }
    const QByteArray reply = QByteArray::fromRawData(bytes.data(), int(bytes.size()));
    onlyFun* f = p->controller();
    switch (kind) {
    case 0: emit f->getDateSignals(reply); break;
    case 1: emit f->getTXSliderDateSignals(reply); break;
    case 2: emit f->getPOPWinStateSignals(reply); break;
    default: emit f->getDevVersionStateSignals(reply); break;
    }
    fuzzCheckGuard();
}

// A series-8 panel made once, fed a fuzzed full-state reply (20..1056 bytes,
// type 0x0A) through its own layer's reply signal, as the layer hands on only
// what it received in that window of sizes.
template <class Panel>
void fuzzOwnLayerState(const uint8_t* data, size_t size)
{
    static Panel* panel = [] {
        fuzzApplication();
        return new Panel(nullptr);
    }();
    static Druvela_workdata* link = panel->template findChild<Druvela_workdata*>(QString(), Qt::FindDirectChildrenOnly);
    if (size < 20 || size > 1056)
        return;
    std::vector<char> bytes(data, data + size);
    bytes[16] = 0x0A;
    emit link->on_signals_allData(QByteArray::fromRawData(bytes.data(), int(bytes.size())));
}
