#pragma once
// A command frame as a main board answering with A5 FF receives it from a panel.

#include "test_frame.h"

#include <initializer_list>

inline QByteArray panelCommand(unsigned char cmd, const QByteArray& data = QByteArray())
{
    QByteArray f = testFrameHead(cmd) + data;
    sealTestFrame(f);
    return f;
}

inline QByteArray panelCommand(unsigned char cmd, std::initializer_list<int> data)
{
    QByteArray d;
    for (int b : data)
        d.append(char(b));
    return panelCommand(cmd, d);
}
