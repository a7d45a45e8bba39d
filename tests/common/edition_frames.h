#pragma once
// Switcher replies as the edition models send them, built byte by byte for the tests.

#include "test_frame.h"

#include <QMap>
#include <QtGlobal>
#include <initializer_list>
#include <utility>

namespace EditionFrames {

// Writes the frame head with the given type and length field, and the checksum and end byte.
inline void seal(QByteArray& f, quint8 type, int lengthField)
{
    f.replace(0, 17, testFrameHead(type));
    f[2] = char(lengthField & 0xFF);
    f[3] = char((lengthField >> 8) & 0xFF);
    const int n = f.size();
    if (n >= 20) {
        quint32 sum = 0;
        for (int i = 0; i < n - 3; ++i)
            sum += quint8(f[i]);
        f[n - 3] = char(sum & 0xFF);
        f[n - 2] = char((sum >> 8) & 0xFF);
        f[n - 1] = char(0xAE);
    }
}

// A reply of the given size with data bytes from offset 17 on.
inline QByteArray reply(quint8 type, int size, std::initializer_list<std::pair<int, quint8>> bytes = {})
{
    QByteArray f(size, '\0');
    for (const auto& b : bytes)
        if (b.first < size)
            f[b.first] = char(b.second);
    seal(f, type, size);
    return f;
}

// A state dump (type 0x0A) whose record bytes r (reply byte 18 + r) are set as given, with
// the status word W at L-8 and byte S at L-4 (left alone when both are 0), and the record
// status at 17.
inline QByteArray stateDump(const QMap<int, quint8>& record, quint32 w = 0, quint8 s = 0, int size = 160,
                            quint8 recordStatus = 0)
{
    QByteArray f(size, '\0');
    if (size > 17)
        f[17] = char(recordStatus);
    for (auto it = record.cbegin(); it != record.cend(); ++it)
        if (18 + it.key() < size)
            f[18 + it.key()] = char(it.value());
    if (size >= 26 && (w || s)) {
        for (int i = 0; i < 4; ++i)
            f[size - 8 + i] = char((w >> (8 * i)) & 0xFF);
        f[size - 4] = char(s);
    }
    seal(f, 0x0A, size);
    return f;
}

// A stream-entry reply as the stream board sends it: header, status, then one slot record.
inline QByteArray streamReply(quint8 status, quint8 index, const QByteArray& name, const QByteArray& url,
                              int size = 808)
{
    QByteArray r = QByteArray::fromHex("a56c2803e0ff01000000000000000000") + char(0x6A) + char(status) + char(index)
                   + char(name.size()) + name.leftJustified(16, '\0') + char(url.size() & 0xFF) + char(url.size() >> 8)
                   + url;
    return r.leftJustified(size, '\0', true);
}

// A T-bar report: direction at 18, position at 19, then the checksum and end byte.
inline QByteArray tbar(quint8 dir, quint8 pos) { return reply(0x82, 23, {{18, dir}, {19, pos}}); }

} // namespace EditionFrames
