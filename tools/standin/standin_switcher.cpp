#include "standin_switcher.h"

#include "bytes.h"
#include "discovery_answer.h"
#include "his_replies.h"
#include "model_tables.h"
#include "switcher_data.h"

#include <QRegularExpression>

#include <algorithm>
#include <cstddef>

namespace {

constexpr quint8 kCmdHeart = 0x06;
constexpr quint8 kCmdState = 0x0A;
constexpr quint8 kCmdVersion = 0x49;
constexpr quint8 kCmdStreamRead = 0x6A;
constexpr int kDeviceTypeOffset = 14;
constexpr int kStateRecordLen = 200;

quint16 key(quint8 addrA, quint8 cmd)
{
    return quint16(addrA << 8 | cmd);
}

// A stream entry from byte 17 on, as both boards send it: status byte, index,
// name length and field, URL length (low byte first on the wire, whatever the
// host order) and field.
QByteArray entryPayload(quint8 index, const QByteArray &name, const QByteArray &url)
{
    ST_RTMP_URL entry{};
    entry.index = index;
    entry.name_len = quint8(name.size());
    std::copy(name.cbegin(), name.cend(), entry.name);
    std::copy(url.cbegin(), url.cend(), entry.rtmp_url);
    QByteArray payload(reinterpret_cast<const char *>(&entry), int(sizeof entry));
    putLeU16(reinterpret_cast<unsigned char *>(payload.data()) + offsetof(ST_RTMP_URL, url_len), quint16(url.size()));
    return payload;
}

} // namespace

StandinSwitcher::StandinSwitcher(QObject *parent)
    : QObject(parent)
{
    // A plain state: PGM 1, PVW 2, each wipe group on its first effect, the rest zero; status
    // byte 0 first. A group byte is the effect number plus one.
    QByteArray state(1 + kStateRecordLen, '\0');
    state[1] = 1;
    state[2] = 2;
    for (int g = 0; g < 10; ++g)
        state[1 + 13 + g] = char(ICON_GROUP_Table[g][0] + 1);
    m_payloads.insert(key(MCU_UDP_FRAME::ADDR_MAIN, kCmdState), state);
    // Version: status, then bytes 18..31.
    m_payloads.insert(key(MCU_UDP_FRAME::ADDR_MAIN, kCmdVersion),
                      QByteArray::fromHex("00" "02" "00000000" "0102030405060708" "09"));
    m_payloads.insert(key(MCU_UDP_FRAME::ADDR_MAIN, kCmdHeart), QByteArray(1, '\0'));
}

void StandinSwitcher::setReplyPayload(quint8 addrA, quint8 cmd, const QByteArray &payload)
{
    m_payloads.insert(key(addrA, cmd), payload);
}

QByteArray StandinSwitcher::frame(quint8 addrA, quint8 cmd, const QByteArray &payload, quint8 addrB) const
{
    const int len = MCU_UDP_FRAME::HEADER_LEN + payload.size() + MCU_UDP_FRAME::TRAILER_LEN;
    QByteArray out(len, '\0');
    auto *p = reinterpret_cast<unsigned char *>(out.data());
    SWITCHER_DATA::writeFrameHeader(p, quint16(len), addrA, addrB, MCU_UDP_FRAME::FLAG, cmd);
    p[kDeviceTypeOffset] = m_type;
    std::copy(payload.cbegin(), payload.cend(), out.begin() + MCU_UDP_FRAME::HEADER_LEN);
    SWITCHER_DATA::sealFrame(p, quint16(len));
    return out;
}

QByteArray StandinSwitcher::discoveryAnswer() const
{
    return ::discoveryAnswer(m_name, m_type, QByteArray::fromHex("112233"));
}

QByteArray StandinSwitcher::streamEntry(quint8 index) const
{
    const auto it = m_payloads.constFind(key(MCU_UDP_FRAME::ADDR_STREAM, kCmdStreamRead));
    if (it != m_payloads.constEnd())
        return frame(MCU_UDP_FRAME::ADDR_STREAM, kCmdStreamRead, it.value());

    const QByteArray n = QByteArray::number(index);
    return frame(MCU_UDP_FRAME::ADDR_STREAM, kCmdStreamRead, entryPayload(index, "Slot" + n, "rtmp://192.0.2.200/live/" + n));
}

// The second board answers with its own address bytes, in the layout of the
// frames the panel writes to it: its settings at 192.0.2.2 (the stand-in's
// address in the README), and entry n named "Second<n>".
QByteArray StandinSwitcher::secondBoardAnswer(quint8 addrA, quint8 addrB, quint8 cmd, quint8 index) const
{
    const auto it = m_payloads.constFind(key(addrA, cmd));
    if (it != m_payloads.constEnd())
        return frame(addrA, cmd, it.value(), addrB);
    if (cmd == HisReplies::TYPE_SETTINGS) {
        const SET_DEV_IP_DNS settings{{192, 0, 2, 2}, {255, 255, 255, 0}, {192, 0, 2, 1}, 0, {192, 0, 2, 1}};
        return frame(addrA, cmd, QByteArray(reinterpret_cast<const char *>(&settings), int(sizeof settings)), addrB);
    }
    const QByteArray n = QByteArray::number(index);
    return frame(addrA, cmd, entryPayload(index, "Second" + n, "rtmp://192.0.2.201/second/" + n), addrB);
}

QByteArray StandinSwitcher::answer(const QByteArray &request) const
{
    if (m_silent || request.size() < MCU_UDP_FRAME::MIN_LEN)
        return QByteArray();
    if (byteAt(request, 0) != MCU_UDP_FRAME::HEAD0 || byteAt(request, 1) != MCU_UDP_FRAME::HEAD1)
        return QByteArray();
    const quint8 addrA = byteAt(request, MCU_UDP_FRAME::OFF_ADDR_A);
    const quint8 cmd = byteAt(request, MCU_UDP_FRAME::OFF_CMD);

    if (addrA == MCU_UDP_FRAME::ADDR_DISCOVERY && cmd == MCU_UDP_FRAME::CMD_DISCOVERY)
        return discoveryAnswer();
    if (addrA == MCU_UDP_FRAME::ADDR_STREAM && cmd == kCmdStreamRead)
        return streamEntry(byteAt(request, MCU_UDP_FRAME::OFF_DATA));
    // The reads of the second board, whatever address bytes it was given.
    if (cmd == HisReplies::TYPE_SETTINGS || cmd == HisReplies::TYPE_URL_ENTRY)
        return secondBoardAnswer(addrA, byteAt(request, MCU_UDP_FRAME::OFF_ADDR_B), cmd,
                                 byteAt(request, MCU_UDP_FRAME::OFF_DATA));
    const auto it = m_payloads.constFind(key(addrA, cmd));
    if (it == m_payloads.constEnd())
        return QByteArray();
    return frame(addrA, cmd, it.value());
}

QByteArray StandinSwitcher::fromHex(const QString &text, bool *ok)
{
    static const QRegularExpression blanks(QStringLiteral("[\\s:]"));
    QString digits = text;
    digits.remove(blanks);
    static const QRegularExpression hex(QStringLiteral("^([0-9a-fA-F]{2})*$"));
    const bool valid = hex.match(digits).hasMatch();
    if (ok)
        *ok = valid;
    return valid ? QByteArray::fromHex(digits.toLatin1()) : QByteArray();
}

bool StandinSwitcher::control(const QString &line)
{
    const QString cmd = line.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty).toLower();
    const QString rest = line.section(QLatin1Char(' '), 1, -1, QString::SectionSkipEmpty);
    bool ok = true;
    if (cmd == QLatin1String("silent")) {
        m_silent = true;
    } else if (cmd == QLatin1String("answer")) {
        m_silent = false;
    } else if (cmd == QLatin1String("name")) {
        m_name = rest.toLatin1();
    } else if (cmd == QLatin1String("type")) {
        const uint t = rest.toUInt(&ok, 16);
        ok = ok && t <= 0xFF;
        if (ok)
            m_type = quint8(t);
    } else if (cmd == QLatin1String("reply")) {
        const QStringList parts = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() < 2)
            return false;
        bool okA = false, okC = false, okP = true;
        const uint a = parts.at(0).toUInt(&okA, 16);
        const uint c = parts.at(1).toUInt(&okC, 16);
        const QByteArray payload = fromHex(parts.mid(2).join(QString()), &okP);
        ok = okA && okC && okP && a <= 0xFF && c <= 0xFF;
        if (ok)
            setReplyPayload(quint8(a), quint8(c), payload);
    } else if (cmd == QLatin1String("send")) {
        const QByteArray bytes = fromHex(rest, &ok);
        ok = ok && !bytes.isEmpty();
        if (ok)
            emit sendRequested(bytes, QString(), 0);
    } else if (cmd == QLatin1String("sendto")) {
        const QStringList parts = rest.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (parts.size() < 3)
            return false;
        const QHostAddress to(parts.at(0));
        const uint port = parts.at(1).toUInt(&ok);
        bool okHex = false;
        const QByteArray bytes = fromHex(parts.mid(2).join(QString()), &okHex);
        ok = ok && okHex && !to.isNull() && port > 0 && port <= 0xFFFF && !bytes.isEmpty();
        if (ok)
            emit sendRequested(bytes, to.toString(), quint16(port));
    } else {
        ok = false;
    }
    return ok;
}
