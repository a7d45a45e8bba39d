#pragma once
// The second (His) board's answers to its own read commands. Each carries its
// record from byte 17 on, in the layout the panel writes to that board:
// 0x24 the IP settings with DNS (SET_DEV_IP_DNS), 0x6A one stream URL entry
// (ST_RTMP_URL, as "Set Url" frames it).

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace HisReplies {

constexpr unsigned char TYPE_SETTINGS = 0x24;
constexpr unsigned char TYPE_URL_ENTRY = 0x6A;

// Addresses with their first octet most significant (QHostAddress's order).
struct Settings
{
    quint32 ip = 0;
    quint32 subnet = 0;
    quint32 gateway = 0;
    quint32 dns = 0;
};

struct UrlEntry
{
    quint8 index = 0;
    QString name;
    QString url;
};

// False, out untouched, when data is not that reply or does not hold the whole
// record; reads nothing outside data.
bool readSettings(const QByteArray& data, Settings& out);
// A name or URL longer than its field, or than the datagram holds, is refused
// the same way. Texts are Latin-1 with zero bytes skipped (they do not end them).
bool readUrlEntry(const QByteArray& data, UrlEntry& out);

} // namespace HisReplies
