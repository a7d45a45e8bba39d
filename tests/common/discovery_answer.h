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
    QByteArray a(17, '\0');
    a[0] = char(0xA5);
    a[1] = char(0x6C);
    a[4] = char(0xA5);
    a[5] = char(0xFF);
    a[6] = char(0x01);
    a[14] = char(devType);
    a[16] = char(0xFF);
    a.append('\0');
    a.append(name);
    a.append('\0');
    a.append(status.left(3).leftJustified(3, '\0'));
    sealTestFrame(a);
    return a;
}
