#pragma once
// Small readers and writers for byte arrays that come off the wire.
// Every read is bounds-checked: a datagram is untrusted and may be short.

#include <QByteArray>
#include <QtGlobal>

// True when bytes [offset, offset + count) lie inside data.
inline bool hasBytes(const QByteArray& data, int offset, int count = 1)
{
    return offset >= 0 && count >= 0 && offset <= data.size() && count <= data.size() - offset;
}

// Byte at i, or fallback when i lies outside data.
inline quint8 byteAt(const QByteArray& data, int i, quint8 fallback = 0)
{
    return hasBytes(data, i) ? static_cast<quint8>(data.at(i)) : fallback;
}

// A 16-bit value as its two bytes, and back: how the decoders hand values to
// the pages (high, low) and how commands carry them.
inline quint8 hiByte(quint16 v) { return static_cast<quint8>(v >> 8); }
inline quint8 loByte(quint16 v) { return static_cast<quint8>(v & 0xFF); }
inline quint16 joinU16(quint8 hi, quint8 lo) { return static_cast<quint16>((hi << 8) | lo); }

// 16-bit value stored high byte first (the state record's order); fallback when out of range.
inline quint16 beU16(const QByteArray& data, int offset, quint16 fallback = 0)
{
    if (!hasBytes(data, offset, 2))
        return fallback;
    return joinU16(quint8(data.at(offset)), quint8(data.at(offset + 1)));
}

// 16-bit value stored low byte first (the order of commands and frame fields); fallback when out of range.
inline quint16 leU16(const QByteArray& data, int offset, quint16 fallback = 0)
{
    if (!hasBytes(data, offset, 2))
        return fallback;
    return joinU16(quint8(data.at(offset + 1)), quint8(data.at(offset)));
}

// 32-bit value stored first byte most significant (an IPv4 address in dotted order); fallback when out of range.
inline quint32 beU32(const QByteArray& data, int offset, quint32 fallback = 0)
{
    if (!hasBytes(data, offset, 4))
        return fallback;
    return quint32(beU16(data, offset)) << 16 | beU16(data, offset + 2);
}

// Writes v low byte first at p[0], p[1].
inline void putLeU16(unsigned char* p, quint16 v)
{
    p[0] = loByte(v);
    p[1] = hiByte(v);
}

// The hex form used by every debug line: lower-case two-digit bytes separated by one blank ("a5 6c 14 00").
inline QByteArray toSpacedHex(const QByteArray& data)
{
    return data.toHex(' ');
}

inline QByteArray toSpacedHex(const void* data, int n)
{
    return QByteArray::fromRawData(static_cast<const char*>(data), n).toHex(' ');
}
