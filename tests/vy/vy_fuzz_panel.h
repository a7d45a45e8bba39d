#pragma once
// One offscreen application and one Vy panel for a fuzz target's whole run.

#include "model_tables.h"
#include "onlyfun.h"
#include "oriskan_new.h"

#include <QApplication>
#include <cstdlib>
#include <vector>

inline Oriskan_NEW* vyFuzzPanel()
{
    static Oriskan_NEW* p = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz_vy";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        DEV_CHILD_TYPE = 0x28;
        return new Oriskan_NEW(nullptr);
    }();
    return p;
}

// The decoders run with the device-state guard raised and must leave it lowered.
inline void vyFuzzCheckGuard()
{
    if (updateDevStateEnable)
        std::abort();
}
