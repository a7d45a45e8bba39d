#pragma once
// Frame layout, frame builders and discovery of the switchers on one network card.

#include "bytes.h"

#include <QByteArray>
#include <QDateTime>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QObject>
#include <QString>
#include <functional>

class DatagramQueue;
class QUdpSocket;

// Layout of every datagram exchanged with a switcher:
// A5 6C len(le16) A B flag 0*9 cmd data.. sum(le16) AE
struct MCU_UDP_FRAME
{
    static constexpr unsigned char HEAD0 = 0xA5;
    static constexpr unsigned char HEAD1 = 0x6C;
    static constexpr unsigned char TAIL = 0xAE;

    static constexpr int OFF_LEN = 2;
    static constexpr int OFF_ADDR_A = 4;
    static constexpr int OFF_ADDR_B = 5;
    static constexpr int OFF_FLAG = 6;
    static constexpr int OFF_CMD = 16;
    static constexpr int OFF_DATA = 17;     // first data byte; also the record status byte of a reply
    static constexpr int OFF_PAYLOAD = 18;  // first payload byte of a reply

    static constexpr int HEADER_LEN = 17;   // bytes before the data
    static constexpr int TRAILER_LEN = 3;   // checksum and end byte
    static constexpr int MIN_LEN = HEADER_LEN + TRAILER_LEN;  // 20
    static constexpr int MAX_REPLY_LEN = 1056;

    static constexpr unsigned char ADDR_MAIN = 0xA5;
    static constexpr unsigned char ADDR_STREAM = 0xE0;
    static constexpr unsigned char ADDR_DISCOVERY = 0x81;
    static constexpr unsigned char ADDR_B = 0xFF;
    static constexpr unsigned char FLAG = 0x01;

    static constexpr unsigned char CMD_DISCOVERY = 0xFF;
    static constexpr int DISCOVERY_LEN = 27;
    static constexpr quint16 PORT = 7000;

    static constexpr int STREAM_NAME_MAX = 16;     // name bytes of a stream entry
    static constexpr int STREAM_URL_MAX = 768;     // URL bytes of a stream entry
};

#pragma pack(push, 1)
// IP settings of a board; addresses first octet first.
struct SET_DEV_IP
{
    unsigned char ip[4];
    unsigned char subnet[4];
    unsigned char gateway[4];
    unsigned char static_dynamic;
};

struct SET_DEV_IP_DNS
{
    unsigned char ip[4];
    unsigned char subnet[4];
    unsigned char gateway[4];
    unsigned char static_dynamic;
    unsigned char dns[4];
};

// One stream entry of the switcher. url_len is the host value; builders write it low byte first.
struct rtmp_settings
{
    unsigned char index;
    unsigned char name_len;
    unsigned char name[16];
    quint16 url_len;
    unsigned char rtmp_url[768];
};

// One stream URL entry of the second board; the leading byte is never sent.
struct ST_RTMP_URL
{
    unsigned char reserved;
    unsigned char index;
    unsigned char name_len;
    unsigned char name[16];
    quint16 url_len;
    unsigned char rtmp_url[768];
};

// One found switcher.
struct DevInfo_DATA
{
    quint32 ip;               // sender's IPv4 address, first octet most significant
    unsigned char byteA;      // answer byte 4
    unsigned char byteB;      // answer byte 5
    char name[32];            // NUL-terminated, zero-filled
    unsigned char devType;    // answer byte 14
    unsigned char tail[3];    // the three answer bytes before the checksum
    quint32 hisIp;            // second board, never filled by discovery
    unsigned char hisByteA;
    unsigned char hisByteB;
};
#pragma pack(pop)

static_assert(sizeof(SET_DEV_IP) == 13, "SET_DEV_IP is 13 bytes on the wire");
static_assert(sizeof(SET_DEV_IP_DNS) == 17, "SET_DEV_IP_DNS is 17 bytes on the wire");
static_assert(sizeof(rtmp_settings) == 788, "rtmp_settings is 788 bytes on the wire");
static_assert(sizeof(ST_RTMP_URL) == 789, "ST_RTMP_URL is 789 bytes");
static_assert(sizeof(DevInfo_DATA) == 48, "DevInfo_DATA is 48 bytes");

// Name of a record up to its first NUL (never past the field).
QString devInfoName(const DevInfo_DATA& rec);
// Dotted IPv4 text of a record's address.
QString devInfoIp(const DevInfo_DATA& rec);

class SWITCHER_DATA : public QObject
{
    Q_OBJECT
public:
    static constexpr int DEV_TABLE_SIZE = 1024;
    using Clock = std::function<QDateTime()>;

    explicit SWITCHER_DATA(QObject* parent = nullptr);
    ~SWITCHER_DATA() override;

    // Frame builders: write one frame into buf (zeroed by the caller, large enough) and return its
    // length, or 0 when the arguments break a field limit (then buf is left untouched and nothing may be sent).
    static quint16 None_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd);
    static quint16 Single_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                    unsigned char d1);
    static quint16 Double_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                    unsigned char d1, unsigned char d2);
    static quint16 Three_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                   unsigned char d1, unsigned char d2, unsigned char d3);
    static quint16 Four_Char_Data(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                  unsigned char d1, unsigned char d2, unsigned char d3, unsigned char d4);
    static quint16 Set_ipCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                             const SET_DEV_IP& rec);
    static quint16 Set_ipCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                             const SET_DEV_IP_DNS& rec);
    static quint16 Set_StreamCom(void* buf, unsigned char a, unsigned char b, unsigned char cmd,
                                 const rtmp_settings& rec);

    static quint16 CalcCheckSum(const void* data, int n);
    static unsigned char QLOBYTE(ushort v) { return loByte(v); }
    static unsigned char QHIBYTE(ushort v) { return hiByte(v); }
    static unsigned char TimeCRC(unsigned char v);

    // Shared frame plumbing for every builder (also the derived command layer's own frames).
    // writeFrameHeader fills bytes 0..16; sealFrame writes the checksum of bytes 0..len-4 and the end byte.
    static void writeFrameHeader(unsigned char* p, quint16 len, unsigned char a, unsigned char b,
                                 unsigned char flag, unsigned char cmd);
    static void sealFrame(unsigned char* p, quint16 len);
    // Flag byte of the record frames: 0x00 for the main board, 0x01 otherwise.
    static unsigned char recordFlag(unsigned char a);

    // Discovery.
    void bindUDPSOCKET(QNetworkInterface card);
    void setSearcheQuipment();
    int SendBroadcastBuf(void* buf);
    void Get_Bind_Dev(QHostAddress sender, const QByteArray& datagram);
    void MYanalysis(QHostAddress sender, QByteArray datagram);
    void initUDPSOCKET();
    int DevInfo_DATA_IDX() const { return m_devCount; }

    // The device table; records at or beyond DevInfo_DATA_IDX() are zero or stale.
    const DevInfo_DATA* devTable() const { return m_devTable; }
    const DevInfo_DATA& devInfo(int i) const { return m_devTable[i]; }

    // Date and time source of the discovery request (local time by default).
    void setClock(Clock clock);

    // The discovery request for a given moment; pure, for tests and the stand-in switcher.
    static QByteArray discoveryRequest(const QDateTime& when);

    // Datagrams read from this link's sockets and not yet handed on.
    const DatagramQueue& receivedDatagrams() const { return *m_received; }

public slots:
    void ReceiveDatagram();

signals:
    void sigend_datapack();

protected:
    QUdpSocket* discoverySocket() const { return m_udpSocket; }

    // Every socket of one link reads into one queue, so replies and answers are handled in the
    // order they arrived, one at a time; the tag says which socket a datagram came from.
    enum DatagramSource { FromDiscovery, FromCommand };
    DatagramQueue* receivedQueue() const { return m_received; }

private:
    // Static: it follows sigend_datapack, whose receiver may have deleted this object.
    static void logAnswer(const QHostAddress& sender, const QByteArray& datagram);

    QUdpSocket* m_udpSocket = nullptr;
    DatagramQueue* m_received = nullptr;
    QNetworkInterface m_card;
    bool m_bound = false;
    int m_devCount = 0;
    Clock m_clock;
    DevInfo_DATA m_devTable[DEV_TABLE_SIZE];
};
