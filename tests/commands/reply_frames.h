#pragma once
// Frames as a switcher lays them out, built here independently of the code under test.

#include "druvela_workdata.h"
#include "marker_frames.h"
#include "test_frame.h"

#include <QUdpSocket>

// A5 6C len A B flag 0*9 cmd data.. sum AE, with the 16-bit sum of everything before it.
inline QByteArray switcherFrame(int a, int b, int cmd, const QByteArray& data, int flag = 0x01)
{
    QByteArray f = testFrameHead(quint8(cmd), quint8(a), quint8(b), quint8(flag)) + data;
    sealTestFrame(f);
    return f;
}

// The debug line every command writes: label, blank, quoted lower-case spaced hex.
inline QString commandLine(const char* label, const QByteArray& frame)
{
    return QString::fromUtf8(label) + QStringLiteral(" \"") + QString::fromLatin1(frame.toHex(' ')) + QLatin1Char('"');
}

// The command socket is the child bound to port 7000 (the base class owns a discovery socket too).
inline QUdpSocket* commandSocketOf(Druvela_workdata& d)
{
    for (QUdpSocket* s : d.findChildren<QUdpSocket*>())
        if (s->localPort() == 7000)
            return s;
    return nullptr;
}
