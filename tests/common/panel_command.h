#pragma once
// A command frame as a main board answering with A5 FF receives it from a panel.

#include "test_frame.h"

#include <initializer_list>

inline QByteArray panelCommand(unsigned char cmd, const QByteArray& data = QByteArray())
{
    QByteArray f(17, '\0');
    f[0] = char(0xA5);
    f[1] = char(0x6C);
    f[4] = char(0xA5);
    f[5] = char(0xFF);
    f[6] = char(0x01);
    f[16] = char(cmd);
    f.append(data);
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
