#include "switcher_data.h"

#include "bytes.h"
#include "datagram_queue.h"

#include <QDate>
#include <QDebug>
#include <QNetworkAddressEntry>
#include <QTime>
#include <QUdpSocket>

#include <cstring>

namespace {

unsigned char* bytesOf(void* buf)
{
    return static_cast<unsigned char*>(buf);
}

// Copies the used part of a fixed field and zeroes the rest, so a frame never carries stale buffer bytes.
void putField(unsigned char* at, const unsigned char* src, int used, int room)
{
    std::memcpy(at, src, static_cast<size_t>(used));
    std::memset(at + used, 0, static_cast<size_t>(room - used));
}

} // namespace

QString devInfoName(const DevInfo_DATA& rec)
{
    return QString::fromLatin1(rec.name, static_cast<int>(qstrnlen(rec.name, sizeof rec.name)));
}

QString devInfoIp(const DevInfo_DATA& rec)
{
    return QHostAddress(rec.ip).toString();
}

SWITCHER_DATA::SWITCHER_DATA(QObject* parent)
    : QObject(parent)
    , m_udpSocket(new QUdpSocket(this))
    , m_received(new DatagramQueue(this))
    , m_clock([] { return QDateTime::currentDateTime(); })
{
    std::memset(m_devTable, 0, sizeof m_devTable);
    connect(m_received, &DatagramQueue::datagramReady, this,
            [this](int source, const QByteArray& datagram, const QHostAddress& sender) {
                if (source == FromDiscovery)
                    MYanalysis(sender, datagram);
            });
}

SWITCHER_DATA::~SWITCHER_DATA() = default;

// ---- frame builders -------------------------------------------------------

quint16 SWITCHER_DATA::CalcCheckSum(const void* data, int n)
{
    const auto* p = static_cast<const unsigned char*>(data);
    quint16 sum = 0;
    for (int i = 0; i < n; ++i)
        sum = static_cast<quint16>(sum + p[i]);
    return sum;
}

unsigned char SWITCHER_DATA::TimeCRC(unsigned char v)
{
    return static_cast<unsigned char>(((v / 10) << 4) | (v % 10));
}

void SWITCHER_DATA::writeFrameHeader(unsigned char* p, quint16 len, unsigned char a, unsigned char b,
                                     unsigned char flag, unsigned char cmd)
{
    p[0] = MCU_UDP_FRAME::HEAD0;
    p[1] = MCU_UDP_FRAME::HEAD1;
    putLeU16(p + MCU_UDP_FRAME::OFF_LEN, len);
    p[MCU_UDP_FRAME::OFF_ADDR_A] = a;
    p[MCU_UDP_FRAME::OFF_ADDR_B] = b;
    p[MCU_UDP_FRAME::OFF_FLAG] = flag;
    std::memset(p + 7, 0, 9);
    p[MCU_UDP_FRAME::OFF_CMD] = cmd;
}

void SWITCHER_DATA::sealFrame(unsigned char* p, quint16 len)
{
    putLeU16(p + len - 3, CalcCheckSum(p, len - 3));
    p[len - 1] = MCU_UDP_FRAME::TAIL;
}

unsigned char SWITCHER_DATA::recordFlag(unsigned char a)
{
    return a == MCU_UDP_FRAME::ADDR_MAIN ? 0x00 : 0x01;
}

namespace {

quint16 shortFrame(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                   std::initializer_list<unsigned char> data)
{
    unsigned char* p = bytesOf(buf);
    const auto len = static_cast<quint16>(MCU_UDP_FRAME::MIN_LEN + data.size());
    SWITCHER_DATA::writeFrameHeader(p, len, a, b, MCU_UDP_FRAME::FLAG, cmd);
    std::copy(data.begin(), data.end(), p + MCU_UDP_FRAME::OFF_DATA);
    SWITCHER_DATA::sealFrame(p, len);
    return len;
}

template <typename Record>
quint16 ipFrame(void* buf, unsigned char a, unsigned char b, unsigned char cmd, const Record& rec)
{
    unsigned char* p = bytesOf(buf);
    constexpr auto len = static_cast<quint16>(MCU_UDP_FRAME::MIN_LEN + sizeof(Record));
    SWITCHER_DATA::writeFrameHeader(p, len, a, b, SWITCHER_DATA::recordFlag(a), cmd);
    std::memcpy(p + MCU_UDP_FRAME::OFF_DATA, &rec, sizeof(Record));
    SWITCHER_DATA::sealFrame(p, len);
    return len;
}

} // namespace

quint16 SWITCHER_DATA::None_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd)
{
    return shortFrame(buf, a, b, cmd, {});
}

quint16 SWITCHER_DATA::Single_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                        unsigned char d1)
{
    return shortFrame(buf, a, b, cmd, {d1});
}

quint16 SWITCHER_DATA::Double_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                        unsigned char d1, unsigned char d2)
{
    return shortFrame(buf, a, b, cmd, {d1, d2});
}

quint16 SWITCHER_DATA::Three_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                       unsigned char d1, unsigned char d2, unsigned char d3)
{
    return shortFrame(buf, a, b, cmd, {d1, d2, d3});
}

quint16 SWITCHER_DATA::Four_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                      unsigned char d1, unsigned char d2, unsigned char d3, unsigned char d4)
{
    return shortFrame(buf, a, b, cmd, {d1, d2, d3, d4});
}

quint16 SWITCHER_DATA::Set_ipCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                 const SET_DEV_IP& rec)
{
    return ipFrame(buf, a, b, cmd, rec);
}

quint16 SWITCHER_DATA::Set_ipCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                 const SET_DEV_IP_DNS& rec)
{
    return ipFrame(buf, a, b, cmd, rec);
}

quint16 SWITCHER_DATA::Set_StreamCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                     const rtmp_settings& rec)
{
    const int nameLen = rec.name_len;
    const int urlLen = rec.url_len;
    if (nameLen > MCU_UDP_FRAME::STREAM_NAME_MAX || urlLen > MCU_UDP_FRAME::STREAM_URL_MAX)
        return 0;

    constexpr quint16 len = MCU_UDP_FRAME::MIN_LEN + sizeof(rtmp_settings);  // 808
    unsigned char* p = bytesOf(buf);
    writeFrameHeader(p, len, a, b, recordFlag(a), cmd);
    p[17] = rec.index;
    p[18] = rec.name_len;
    putField(p + 19, rec.name, nameLen, MCU_UDP_FRAME::STREAM_NAME_MAX);
    putLeU16(p + 35, rec.url_len);
    putField(p + 37, rec.rtmp_url, urlLen, MCU_UDP_FRAME::STREAM_URL_MAX);
    sealFrame(p, len);
    return len;
}

// ---- discovery --------------------------------------------------------------

void SWITCHER_DATA::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

QByteArray SWITCHER_DATA::discoveryRequest(const QDateTime& when)
{
    QByteArray out(MCU_UDP_FRAME::DISCOVERY_LEN, '\0');
    auto* p = reinterpret_cast<unsigned char*>(out.data());
    writeFrameHeader(p, MCU_UDP_FRAME::DISCOVERY_LEN, MCU_UDP_FRAME::ADDR_DISCOVERY, MCU_UDP_FRAME::ADDR_B,
                     MCU_UDP_FRAME::FLAG, MCU_UDP_FRAME::CMD_DISCOVERY);
    const QDate d = when.date();
    const QTime t = when.time();
    p[17] = TimeCRC(static_cast<unsigned char>(d.year() % 100));
    p[18] = TimeCRC(static_cast<unsigned char>(d.month()));
    p[19] = TimeCRC(static_cast<unsigned char>(d.day()));
    p[20] = TimeCRC(static_cast<unsigned char>(d.dayOfWeek()));
    p[21] = TimeCRC(static_cast<unsigned char>(t.hour()));
    p[22] = TimeCRC(static_cast<unsigned char>(t.minute()));
    p[23] = TimeCRC(static_cast<unsigned char>(t.second()));
    sealFrame(p, MCU_UDP_FRAME::DISCOVERY_LEN);
    return out;
}

int SWITCHER_DATA::SendBroadcastBuf(void* buf)
{
    // One reading of the clock, so a request sent at midnight never mixes two days.
    const QByteArray req = discoveryRequest(m_clock ? m_clock() : QDateTime::currentDateTime());
    std::memcpy(buf, req.constData(), static_cast<size_t>(req.size()));
    return req.size();
}

void SWITCHER_DATA::bindUDPSOCKET(QNetworkInterface card)
{
    m_card = card;
    m_bound = true;
    connect(m_udpSocket, &QUdpSocket::readyRead, this, &SWITCHER_DATA::ReceiveDatagram, Qt::UniqueConnection);
}

void SWITCHER_DATA::initUDPSOCKET()
{
    delete m_udpSocket;
    m_udpSocket = new QUdpSocket(this);
    if (m_bound)
        connect(m_udpSocket, &QUdpSocket::readyRead, this, &SWITCHER_DATA::ReceiveDatagram, Qt::UniqueConnection);
}

void SWITCHER_DATA::setSearcheQuipment()
{
    unsigned char buf[MCU_UDP_FRAME::DISCOVERY_LEN] = {};
    const int len = SendBroadcastBuf(buf);
    qDebug() << "SendBroadcastBuf" << toSpacedHex(buf, len);

    m_devCount = 0;
    std::memset(m_devTable, 0, sizeof m_devTable);

    const auto entries = m_card.addressEntries();
    for (const QNetworkAddressEntry& entry : entries) {
        if (entry.broadcast().toString().isEmpty())
            continue;
        m_udpSocket->writeDatagram(reinterpret_cast<const char*>(buf), len, entry.broadcast(),
                                   MCU_UDP_FRAME::PORT);
    }
}

void SWITCHER_DATA::ReceiveDatagram()
{
    m_received->readPending(m_udpSocket, FromDiscovery);
}

void SWITCHER_DATA::MYanalysis(QHostAddress sender, QByteArray datagram)
{
    const int size = datagram.size();
    if (size < MCU_UDP_FRAME::MIN_LEN || size > MCU_UDP_FRAME::MAX_REPLY_LEN)
        return;
    if (byteAt(datagram, MCU_UDP_FRAME::OFF_CMD) != MCU_UDP_FRAME::CMD_DISCOVERY)
        return;
    Get_Bind_Dev(sender, datagram);
}

void SWITCHER_DATA::logAnswer(const QHostAddress& sender, const QByteArray& datagram)
{
    qDebug() << "addrIP:" << QHostAddress(sender.toIPv4Address()).toString();
    qDebug() << "data:" << toSpacedHex(datagram);
    qDebug() << "\n";
}

void SWITCHER_DATA::Get_Bind_Dev(QHostAddress sender, const QByteArray& datagram)
{
    if (byteAt(datagram, MCU_UDP_FRAME::OFF_ADDR_A) != MCU_UDP_FRAME::ADDR_MAIN
        || byteAt(datagram, MCU_UDP_FRAME::OFF_ADDR_B) != MCU_UDP_FRAME::ADDR_B) {
        logAnswer(sender, datagram);
        return;
    }

    const QList<QByteArray> pieces = datagram.split(char(0xFF));
    if (pieces.size() < 3)
        return;
    QByteArray name = pieces.at(2);
    const int dash = name.indexOf('-');
    if (dash >= 0)
        name.truncate(dash);
    name = name.mid(1);
    if (name.isEmpty())
        return;
    const int nul = name.indexOf('\0');
    if (nul >= 0)
        name.truncate(nul);
    if (!QString::fromLatin1(name).contains(QLatin1String("Zv"))) {
        logAnswer(sender, datagram);
        return;
    }

    // A full table takes no more answers until the next search.
    if (m_devCount < DEV_TABLE_SIZE) {
        DevInfo_DATA& rec = m_devTable[m_devCount];
        std::memset(&rec, 0, sizeof rec);
        // toIPv4Address also unwraps an IPv4-mapped IPv6 sender.
        rec.ip = sender.toIPv4Address();
        rec.byteA = byteAt(datagram, MCU_UDP_FRAME::OFF_ADDR_A);
        rec.byteB = byteAt(datagram, MCU_UDP_FRAME::OFF_ADDR_B);
        // The field keeps room for its NUL: a longer name is cut.
        const int keep = qMin(name.size(), int(sizeof rec.name) - 1);
        std::memcpy(rec.name, name.constData(), static_cast<size_t>(keep));
        rec.devType = byteAt(datagram, 14);
        const int size = datagram.size();
        for (int i = 0; i < 3; ++i)
            rec.tail[i] = byteAt(datagram, size - 6 + i);
        ++m_devCount;
        emit sigend_datapack();
    }

    logAnswer(sender, datagram);
}
