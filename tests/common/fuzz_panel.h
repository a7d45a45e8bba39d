#pragma once
// One offscreen application and one panel for a fuzz target's whole run.

#include "model_tables.h"
#include "onlyfun.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

template <class Panel>
Panel* fuzzPanel(unsigned char devType)
{
    static Panel* p = [devType] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_panel";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        DEV_CHILD_TYPE = devType;
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
