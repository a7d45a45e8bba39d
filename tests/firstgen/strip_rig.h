#pragma once
// A first-generation strip's side of the wire: the panel's command layer aimed
// at a loopback switcher at 127.0.0.2, and that switcher (SwitcherWire), which
// keeps what the strip sends.

#include "druvela_workdata.h"
#include "panel_rig.h"
#include "zv_resources.h"

struct StripRig
{
    SwitcherWire* wire = nullptr;
    Druvela_workdata* ws = nullptr;

    ~StripRig()
    {
        dropLink();
        delete wire;
    }
    // Once per test program; false when the switcher's port is taken.
    bool start()
    {
        zvInitResources();
        wire = new SwitcherWire;
        return wire->isBound();
    }
    // A fresh command layer for the next test, with nothing left on the wire.
    void newLink()
    {
        ws = new Druvela_workdata;
        ws->get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF);
        wire->commands();
    }
    void dropLink()
    {
        delete ws;
        ws = nullptr;
    }
};
