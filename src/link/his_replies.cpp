#include "his_replies.h"

#include "bytes.h"
#include "switcher_data.h"

#include <cstddef>

namespace HisReplies {

namespace {

constexpr int kRecord = MCU_UDP_FRAME::OFF_DATA;

int at(std::size_t fieldOffset)
{
    return kRecord + int(fieldOffset);
}

// Both types are nonzero, so a datagram too short for a type byte is neither.
bool isType(const QByteArray& data, unsigned char type)
{
    return byteAt(data, MCU_UDP_FRAME::OFF_CMD) == type;
}

QString latin1Skipping0(const QByteArray& data, int offset, int count)
{
    QString out;
    out.reserve(count);
    for (int i = 0; i < count; ++i) {
        if (const quint8 b = byteAt(data, offset + i))
            out += QChar(b);
    }
    return out;
}

} // namespace

bool readSettings(const QByteArray& data, Settings& out)
{
    if (!isType(data, TYPE_SETTINGS) || !hasBytes(data, kRecord, int(sizeof(SET_DEV_IP_DNS))))
        return false;
    out.ip = beU32(data, at(offsetof(SET_DEV_IP_DNS, ip)));
    out.subnet = beU32(data, at(offsetof(SET_DEV_IP_DNS, subnet)));
    out.gateway = beU32(data, at(offsetof(SET_DEV_IP_DNS, gateway)));
    out.dns = beU32(data, at(offsetof(SET_DEV_IP_DNS, dns)));
    return true;
}

bool readUrlEntry(const QByteArray& data, UrlEntry& out)
{
    const int nameAt = at(offsetof(ST_RTMP_URL, name));
    const int urlAt = at(offsetof(ST_RTMP_URL, rtmp_url));
    if (!isType(data, TYPE_URL_ENTRY) || !hasBytes(data, kRecord, urlAt - kRecord))
        return false;
    const int nameLen = byteAt(data, at(offsetof(ST_RTMP_URL, name_len)));
    const int urlLen = leU16(data, at(offsetof(ST_RTMP_URL, url_len)));
    if (nameLen > MCU_UDP_FRAME::STREAM_NAME_MAX || urlLen > MCU_UDP_FRAME::STREAM_URL_MAX
        || !hasBytes(data, urlAt, urlLen))
        return false;
    out.index = byteAt(data, at(offsetof(ST_RTMP_URL, index)));
    out.name = latin1Skipping0(data, nameAt, nameLen);
    out.url = latin1Skipping0(data, urlAt, urlLen);
    return true;
}

} // namespace HisReplies
