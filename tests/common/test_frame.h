#pragma once
// Frames written out by hand in tests, independently of the code under test.

#include <QByteArray>

// The first 17 bytes of a frame: A5 6C, room for the length, byte A, byte B, flag, nine zeros, command.
inline QByteArray testFrameHead(unsigned char cmd, unsigned char a = 0xA5, unsigned char b = 0xFF,
                                unsigned char flag = 0x01)
{
    QByteArray f(17, '\0');
    f[0] = char(0xA5);
    f[1] = char(0x6C);
    f[4] = char(a);
    f[5] = char(b);
    f[6] = char(flag);
    f[16] = char(cmd);
    return f;
}

// Finishes a frame: length field, 16-bit sum (low byte first), end byte. `f` holds everything up to the checksum.
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
