#pragma once
// A first-generation panel's side of a test: its Druvela_workdata aimed at the
// SwitcherWire at 127.0.0.2, and the frames the wire got from it.

#include "druvela_workdata.h"
#include "panel_rig.h"

struct WorkdataWire {
    SwitcherWire wire;
    Druvela_workdata ws;

    WorkdataWire() { ws.get_DevTypeID(QStringLiteral("127.0.0.2"), 0xA5, 0xFF); }

    // The next n frames, and "more" when anything follows them.
    QList<QByteArray> take(int n)
    {
        QList<QByteArray> out;
        for (int i = 0; i < n; ++i)
            out << wire.nextCommand();
        if (!wire.nothingSent())
            out << "more";
        return out;
    }
};
