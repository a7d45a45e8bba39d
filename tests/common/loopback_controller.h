#pragma once
// A controller pointed at a stand-in switcher on 127.0.0.2:7000, as the tests
// of the controller, the settings window and the settings pages use it.

#include "model_tables.h"
#include "onlyfun.h"

#include <QHostAddress>
#include <QTimer>

#include <memory>

namespace loopback {

inline const QHostAddress kDevice{QStringLiteral("127.0.0.2")};
constexpr quint16 kPort = 7000;

// Shared model state back to a freshly started program for the given device type.
inline void resetGlobals(quint32 devType)
{
    static const quint32 icons[12] = {1, 12, 30, 39, 55, 64, 71, 78, 82, 88, 0, 0};
    for (int i = 0; i < 12; ++i)
        ICON_CURRENT_INDEX[i] = icons[i];
    DEV_CHILD_TYPE = devType;
    PGM_TABLE_POINT = nullptr;
    Maxpgm = 0;
    PGM_CURRENT_VAL = 0;
    updateDevStateEnable = false;
    pipSizeFalg = false;
}

// The heartbeat and its offline check stopped: no heartbeat and no offline box
// interferes with a test that is not about them.
inline void stopTimers(onlyFun* fun)
{
    for (QTimer* t : fun->findChildren<QTimer*>(QString(), Qt::FindDirectChildrenOnly))
        t->stop();
}

inline std::unique_ptr<onlyFun> controller(bool quiet = true)
{
    auto fun = std::make_unique<onlyFun>(nullptr);
    if (quiet)
        stopTimers(fun.get());
    fun->DevTypeID(kDevice.toString(), 0xA5, 0xFF, QStringLiteral("0.0.0.0"), 0, 0);
    return fun;
}

} // namespace loopback
