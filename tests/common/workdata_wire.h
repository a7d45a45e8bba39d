#pragma once
// A first-generation panel's side of a test: its Druvela_workdata aimed at the
// SwitcherWire at 127.0.0.2, and the frames the wire got from it.

#include "druvela_workdata.h"
#include "panel_rig.h"

struct WorkdataWire {
    SwitcherWire wire;
    Druvela_workdata ws;

    WorkdataWire() { ws.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF); }

    QList<QByteArray> take(int n) { return wire.take(n); }
};
