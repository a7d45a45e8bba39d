#pragma once
// A well-formed discovery answer as a switcher sends it, for tests, fuzz seeds and the stand-in switcher.
//
// Layout: A5 6C len(le16) A5 FF 01, zeros, [14] device type, [16] FF, [17] 00,
// [18..] name, NUL, three status bytes, checksum (le16), AE.

#include "test_frame.h"

#include <QByteArray>

inline QByteArray discoveryAnswer(const QByteArray& name, unsigned char devType,
                                  const QByteArray& status = QByteArray("\x01\x02\x03", 3))
{
    QByteArray a = testFrameHead(0xFF);
    a[14] = char(devType);
    a.append('\0');
    a.append(name);
    a.append('\0');
    a.append(status.left(3).leftJustified(3, '\0'));
    sealTestFrame(a);
    return a;
}
