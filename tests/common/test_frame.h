#pragma once
// Finishes a frame written out by hand in a test: length field, 16-bit sum (low byte first), end byte.
// `f` holds everything up to the checksum.

#include <QByteArray>

inline void sealTestFrame(QByteArray& f)
{
    const int len = f.size() + 3;
    f[2] = char(len & 0xFF);
    f[3] = char(len >> 8);
    unsigned sum = 0;
    for (char c : f)
        sum += static_cast<unsigned char>(c);
    f.append(char(sum & 0xFF));
    f.append(char((sum >> 8) & 0xFF));
    f.append(char(0xAE));
}
