#include "druvela_workdata.h"

#include "bytes.h"
#include "datagram_queue.h"
#include "his_replies.h"

#include <QDebug>
#include <QStringBuilder>
#include <QUdpSocket>

#include <cstring>

namespace {

constexpr unsigned char CMD_SET_IP = 0x05;
constexpr unsigned char CMD_HIS_DNS = 0x23;
constexpr unsigned char CMD_READ_HIS_IP = 0x24;
constexpr unsigned char CMD_STREAM_DATA = 0x67;
constexpr unsigned char CMD_READ_URL = 0x6A;
constexpr unsigned char CMD_SET_WIPE = 0x8F;
constexpr unsigned char CMD_WIPE_CODE = 0x92;

constexpr int SHORT_BUF = 128;
constexpr int STREAM_BUF = 1000;
constexpr int URL_BUF = 1024;
constexpr int HIS_DNS_LEN = 28;
constexpr int HIS_URL_LEN = 809;

const char* const TRANSITIONS_LABEL = "TRANSITONS设置 senbuf的数据";

unsigned char low(int v)
{
    return static_cast<unsigned char>(v & 0xFF);
}

// An address array fills four record bytes; a shorter one must not be read past its end.
bool holdsAddress(const QByteArray& a)
{
    return a.size() >= 4;
}

void copyAddress(unsigned char* to, const QByteArray& from)
{
    std::memcpy(to, from.constData(), 4);
}

// Unset or wildcard targets would land on our own port 7000 (Linux delivers 0.0.0.0 locally).
QHostAddress sendableAddress(const QHostAddress& addr)
{
    if (addr.isNull() || addr == QHostAddress::AnyIPv4 || addr == QHostAddress::AnyIPv6 || addr == QHostAddress::Any)
        return QHostAddress();
    return addr;
}

// Where a set-IP command moves a board: the four address bytes it carries, first byte first.
// Not the operator's text: QHostAddress reads "010" as octal 8 and "08" as no address at all.
QHostAddress addressIn(const unsigned char (&ip)[4])
{
    return QHostAddress(quint32(ip[0]) << 24 | quint32(ip[1]) << 16 | quint32(ip[2]) << 8 | ip[3]);
}

// label "a5 6c ..." - the same text a debug stream writes for a label and a byte array, built in one
// piece because a command's line costs more than its datagram when it goes through QDebug.
void logCommand(const char* label, const QByteArray& frame)
{
    const QByteArray hex = toSpacedHex(frame);
    const QString line = QString::fromUtf8(label) % QLatin1String(" \"") % QLatin1String(hex) % QLatin1Char('"');
    qt_message_output(QtDebugMsg, QMessageLogContext(nullptr, 0, nullptr, "default"), line);
}

} // namespace

Druvela_workdata::Druvela_workdata(QObject* parent)
    : SWITCHER_DATA(parent)
{
    initUdp();
}

Druvela_workdata::~Druvela_workdata() = default;

void Druvela_workdata::initUdp()
{
    m_cmdSocket = new QUdpSocket(this);
    // A failed bind leaves a socket that can still send; replies then simply never arrive.
    m_cmdSocket->bind(QHostAddress::AnyIPv4, MCU_UDP_FRAME::PORT, QAbstractSocket::ShareAddress);
    connect(m_cmdSocket, &QUdpSocket::readyRead, this, &Druvela_workdata::ReceiveData);
    connect(receivedQueue(), &DatagramQueue::datagramReady, this,
            [this](int source, const QByteArray& datagram, const QHostAddress&) {
                if (source == FromCommand)
                    CheckReceiveData(datagram);
            });
}

// ---- targets ----

void Druvela_workdata::setDevIp(const QString& ip, const QHostAddress& to)
{
    m_devIP = ip;
    m_devAddr = sendableAddress(to);
}

void Druvela_workdata::setHisIp(const QString& ip, const QHostAddress& to)
{
    m_hisIP = ip;
    m_hisAddr = sendableAddress(to);
}

void Druvela_workdata::get_DevTypeID(QString ip, unsigned char a, unsigned char b)
{
    setDevIp(ip, QHostAddress(ip));
    m_devA = a;
    m_devB = b;
}

void Druvela_workdata::get_HISTypeID(QString ip, unsigned char a, unsigned char b)
{
    setHisIp(ip, QHostAddress(ip));
    m_hisA = a;
    m_hisB = b;
}

void Druvela_workdata::get_HIS_INFO(QString ip, QString subnet, QString gateway, QString dns)
{
    setHisIp(ip, QHostAddress(ip));
    m_hisSubnet = subnet;
    m_hisGateway = gateway;
    m_hisDNS = dns;
}

QString Druvela_workdata::on_DevIP() const { return m_devIP; }
QString Druvela_workdata::on_HIS_IP() const { return m_hisIP; }
QString Druvela_workdata::on_HIS_Subnet() const { return m_hisSubnet; }
QString Druvela_workdata::on_HIS_Gateway() const { return m_hisGateway; }
QString Druvela_workdata::on_HIS_DNS() const { return m_hisDNS; }

unsigned char Druvela_workdata::boardA(Board board) const
{
    switch (board) {
    case Board::Main: return m_devA;
    case Board::Stream: return STREAM_BOARD_A;
    case Board::His: return m_hisA;
    }
    return m_devA;
}

unsigned char Druvela_workdata::boardB(Board board) const
{
    return board == Board::His ? m_hisB : m_devB;
}

// ---- send path ----

void Druvela_workdata::sendShort(Board board, const char* label, unsigned char cmd,
                                 std::initializer_list<unsigned char> data, LogStyle style)
{
    unsigned char buf[SHORT_BUF] = {};
    const unsigned char a = boardA(board);
    const unsigned char b = boardB(board);
    const unsigned char* d = data.begin();
    quint16 len = 0;
    switch (data.size()) {
    case 0: len = None_Char_Data(buf, a, b, cmd); break;
    case 1: len = Single_Char_Data(buf, a, b, cmd, d[0]); break;
    case 2: len = Double_Char_Data(buf, a, b, cmd, d[0], d[1]); break;
    case 3: len = Three_Char_Data(buf, a, b, cmd, d[0], d[1], d[2]); break;
    default: break;
    }
    if (len == 0)
        return;
    sendFrame(board, label, buf, len, style);
}

void Druvela_workdata::sendLe16(const char* label, unsigned char cmd, quint16 value)
{
    sendShort(Board::Main, label, cmd, {QLOBYTE(value), QHIBYTE(value)});
}

void Druvela_workdata::sendPageCommand(const char* label, unsigned char cmd,
                                       std::initializer_list<unsigned char> data,
                                       std::initializer_list<const char*> items)
{
    sendShort(Board::Main, label, cmd, data);
    for (const char* line : items)
        qDebug() << line;
}

void Druvela_workdata::sendFrame(Board board, const char* label, const unsigned char* frame, int len,
                                 LogStyle style)
{
    const QByteArray bytes(reinterpret_cast<const char*>(frame), len);
    switch (style) {
    case LogStyle::OneLine:
        logCommand(label, bytes);
        break;
    case LogStyle::TwoLines:
        qDebug() << label;
        qDebug() << toSpacedHex(bytes);
        break;
    case LogStyle::None:
        break;
    }
    const QHostAddress& to = board == Board::His ? m_hisAddr : m_devAddr;
    if (to.isNull())
        return;
    m_cmdSocket->writeDatagram(bytes, to, MCU_UDP_FRAME::PORT);
}

// ---- second-board record frames ----

quint16 Druvela_workdata::CreateMcuUdpDataBuf_ipDns(void* buf, unsigned char a, unsigned char b,
                                                    QByteArray const& dns)
{
    if (dns.size() != 4)
        return 0;
    auto* p = static_cast<unsigned char*>(buf);
    writeFrameHeader(p, HIS_DNS_LEN, a, b, MCU_UDP_FRAME::FLAG, CMD_HIS_DNS);
    copyAddress(p + MCU_UDP_FRAME::OFF_DATA, dns);
    static const unsigned char fixedTail[4] = {0x02, 0x50, 0x3B, 0x8C};
    std::memcpy(p + 21, fixedTail, sizeof fixedTail);
    sealFrame(p, HIS_DNS_LEN);
    return HIS_DNS_LEN;
}

quint16 Druvela_workdata::CreateMcuUdpDataBuf_url(void* buf, unsigned char a, unsigned char b, ST_RTMP_URL& url)
{
    if (url.name_len > MCU_UDP_FRAME::STREAM_NAME_MAX || url.url_len > MCU_UDP_FRAME::STREAM_URL_MAX)
        return 0;
    auto* p = static_cast<unsigned char*>(buf);
    writeFrameHeader(p, HIS_URL_LEN, a, b, MCU_UDP_FRAME::FLAG, CMD_STREAM_DATA);
    p[17] = 0x00;
    p[18] = url.index;
    p[19] = url.name_len;
    std::memcpy(p + 20, url.name, sizeof url.name);
    putLeU16(p + 36, url.url_len);
    std::memcpy(p + 38, url.rtmp_url, sizeof url.rtmp_url);
    sealFrame(p, HIS_URL_LEN);
    return HIS_URL_LEN;
}

// ---- buses, transitions and still ----

void Druvela_workdata::SendCDMPGMCH(unsigned char ch) { sendShort(Board::Main, "点击PGM通道senbuf的数据", 0x80, {ch}); }
void Druvela_workdata::SendCMDPVWCH(unsigned char ch) { sendShort(Board::Main, "点击PVW通道senbuf的数据", 0x81, {ch}); }
void Druvela_workdata::SwndCMDslider(unsigned char direction, unsigned char position)
{
    sendShort(Board::Main, "视频推杆:", 0x82, {direction, position});
}
void Druvela_workdata::SendCMDCUT() { sendShort(Board::Main, "点击CUT切换senbuf的数据", 0x83, {}); }
void Druvela_workdata::SendCMDAUTO() { sendShort(Board::Main, "点击AUTO切换senbuf的数据", 0x84, {}); }
void Druvela_workdata::SendCMDFTB() { sendShort(Board::Main, "FTB senbuf的数据", 0x85, {}); }

void Druvela_workdata::SendCMDTRANSITIONS(unsigned char mode, unsigned char code)
{
    // Modes compared as they are: 0 and 1 are the fixed keys, 2..11 the wipe groups.
    if (mode == 0)
        sendShort(Board::Main, TRANSITIONS_LABEL, 0x8D, {});
    else if (mode == 1)
        sendShort(Board::Main, TRANSITIONS_LABEL, 0x8E, {});
    else if (mode <= 11)
        sendShort(Board::Main, TRANSITIONS_LABEL, CMD_WIPE_CODE, {code});
}

void Druvela_workdata::SendCMDTRANSITIONS(unsigned char t)
{
    static const unsigned char wipeCodes[4] = {0x25, 0x29, 0x23, 0x27};
    if (t == 1) {
        sendShort(Board::Main, TRANSITIONS_LABEL, 0x8D, {});
    } else if (t == 2) {
        sendShort(Board::Main, TRANSITIONS_LABEL, 0x8E, {});
    } else if (t >= 3 && t <= 6) {
        SET_WIPE();
        sendShort(Board::Main, TRANSITIONS_LABEL, CMD_WIPE_CODE, {wipeCodes[t - 3]});
    }
}

void Druvela_workdata::SET_WIPE() { sendShort(Board::Main, "SET_WIPE senbuf的数据", CMD_SET_WIPE, {}); }
void Druvela_workdata::SendCMDRATE(unsigned char rate) { sendShort(Board::Main, "点击RATE切换特效senbuf的数据", 0xB1, {rate}); }
void Druvela_workdata::SendCMDSRC1(unsigned char src) { sendShort(Board::Main, "SRC1 senbuf的数据", 0xB9, {src}); }
void Druvela_workdata::SendCMDSRC2(unsigned char src) { sendShort(Board::Main, "SRC2 senbuf的数据", 0xBA, {src}); }
void Druvela_workdata::SendCMDSRC3(unsigned char src) { sendShort(Board::Main, "SRC3 senbuf的数据", 0xBB, {src}); }
void Druvela_workdata::SendCMDAux(unsigned char state) { sendShort(Board::Main, "点击AUX按钮senbuf的数据", 0xC8, {state}); }
void Druvela_workdata::SendCMDSTILL() { sendShort(Board::Main, "STILL senbuf的数据", 0xCF, {}); }
void Druvela_workdata::SendCMDSTILL(unsigned char state) { sendShort(Board::Main, "STILL senbuf的数据", 0xCF, {state}); }

// ---- audio ----

void Druvela_workdata::SendCMDCH1_CH2_MASTER(int channel)
{
    sendShort(Board::Main, "点击CH1_CH2_MASTER senbuf的数据(参数:0-CH1,1-CH2,3-MASTER)", 0xB3, {low(channel)});
}
void Druvela_workdata::SendCMDMIXorAFV(unsigned char mode)
{
    sendShort(Board::Main, "点击MIXorAFV senbuf的数据(参数:0-AFV,1-MIX)", 0xB6, {mode});
}
void Druvela_workdata::SendCMDSLIDER(unsigned char channel, unsigned char level)
{
    sendShort(Board::Main, "音频推子 senbuf的数据", 0xB8, {channel, level});
}
void Druvela_workdata::SendCMDF3() { sendShort(Board::Main, "F3 senbuf的数据", 0xD6, {}); }
void Druvela_workdata::SendCMDLINE_VOL() { sendShort(Board::Main, "点击LINE senbuf的数据", 0xDC, {}); }
void Druvela_workdata::SendCMDMIC_VOL() { sendShort(Board::Main, "点击MIC senbuf的数据", 0xDD, {}); }
void Druvela_workdata::SendCMDAUDIO_PAGE(unsigned char item, unsigned char value)
{
    sendShort(Board::Main, "AUDIO_PAGE senbuf的数据", 0xDE, {item, value});
}

// ---- PIP and POP ----

void Druvela_workdata::SendCMDPIP(unsigned char state) { sendShort(Board::Main, "PIP senbuf的数据", 0x86, {state}); }
void Druvela_workdata::SendCMDPIP_Border_Enable(unsigned char state) { sendShort(Board::Main, "PIP_Border_Enable senbuf的数据", 0x9D, {state}); }
void Druvela_workdata::SendCMDPIP_Border_Color(unsigned char colour) { sendShort(Board::Main, "PIP_Border_Color senbuf的数据", 0x9E, {colour}); }
void Druvela_workdata::SendCMDPIP_Border_Width(unsigned char width) { sendShort(Board::Main, "PIP_Border_Width senbuf的数据", 0x9F, {width}); }
void Druvela_workdata::SendCMDPIP_H_Position(unsigned short pos) { sendLe16("PIP_H_Position senbuf的数据", 0xA0, pos); }
void Druvela_workdata::SendCMDPIP_V_Position(unsigned short pos) { sendLe16("PIP_V_Position senbuf的数据", 0xA1, pos); }
void Druvela_workdata::SendCMDPIP_Border_Size(unsigned char size) { sendShort(Board::Main, "PIP_Border_Size senbuf的数据", 0xA2, {size}); }
void Druvela_workdata::SendCMDPOP(unsigned char state) { sendShort(Board::Main, "点击POP按钮senbuf的数据", 0xA7, {state}); }
void Druvela_workdata::SendCMDPOP_Window(unsigned char window) { sendShort(Board::Main, "点击POP WINDOW按钮senbuf的数据", 0xA8, {window}); }
void Druvela_workdata::SendCMDPOP_Border_Enable(unsigned char state)
{
    sendShort(Board::Main, "点击POP BORDER ENABLE按钮senbuf的数据", 0xA9, {state});
}
void Druvela_workdata::SendCMDPOP_Border_Color(unsigned char colour)
{
    sendShort(Board::Main, "点击POP BORDER CLOLOR按钮senbuf的数据", 0xAA, {colour});
}
void Druvela_workdata::SendCMDPOP_Border_Width(unsigned char width)
{
    sendShort(Board::Main, "点击POP BORDER WIDTH按钮senbuf的数据", 0xAB, {width});
}
void Druvela_workdata::SendCMDPOP_H_Position(unsigned short pos) { sendLe16("点击POP H按钮senbuf的数据", 0xAC, pos); }
void Druvela_workdata::SendCMDPOP_V_Position(unsigned short pos) { sendLe16("点击POP V 按钮senbuf的数据", 0xAD, pos); }

// ---- keys and pattern ----

void Druvela_workdata::SendCMD_SET_C0LORBAR(unsigned char state) { sendShort(Board::Main, "点击SET_C0LORBAR senbuf的数据", 0x6B, {state}); }
void Druvela_workdata::SendCMDLUMA(unsigned char state) { sendShort(Board::Main, "点击LUMA按钮senbuf的数据", 0x8B, {state}); }
void Druvela_workdata::SendCMDCHROMA(unsigned char state) { sendShort(Board::Main, "CHROMA按钮senbuf的数据", 0x8C, {state}); }
void Druvela_workdata::SendCMDLUMA_LEVEL(unsigned char level) { sendShort(Board::Main, "点击luma按钮senbuf的数据", 0x94, {level}); }
void Druvela_workdata::SendCMDCHROMA_BK_COLOR(unsigned char colour)
{
    sendShort(Board::Main, "点击CHROMA_BK按钮senbuf的数据", 0x98, {colour});
}
void Druvela_workdata::SendCMDCHROMA_LEVEL(unsigned char level)
{
    sendShort(Board::Main, "点击CHROMA_LEVEL按钮senbuf的数据", 0x99, {level});
}
void Druvela_workdata::SendCMDPATTERN(unsigned char state) { sendShort(Board::Main, "点击PATTERN按钮senbuf的数据", 0xDA, {state}); }

void Druvela_workdata::SendCMDPATTERN_PAGE(int item, unsigned short value)
{
    sendPageCommand("点击SendCMDPATTERN_PAGE按钮senbuf的数据", 0xDB, {low(item), QLOBYTE(value), QHIBYTE(value)},
                    {
                        "0设置PATTERN的类型\t{0,9}",
                        "1设置PATTERN水平位置\t{0,1920}",
                        "2设置PATTERN垂直位置\t{0,1080}",
                        "3设置PATTERN大小\t{10,1080}",
                        "4设置PATTE水平拉伸\t{0,255}",
                        "5设置PATTE垂直拉伸\t{0,255}",
                        "6设置PATTERN个数\t{0,5}",
                    });
    qDebug("PATTERN的INDEX\t%02x", item);
}

// ---- camera control ----

void Druvela_workdata::SendCMDCAM_CTRL(unsigned char state) { sendShort(Board::Main, "点击CAM菜单总开关键按钮senbuf的数据", 0x70, {state}); }

void Druvela_workdata::SendCMDCAM_CTRL_PAGE(unsigned char item, unsigned char value)
{
    sendPageCommand("更新CAM菜单页面里的数据senbuf的数据", 0x71, {item, value},
                    {
                        "0设置CAM地址\t{1,6}",
                        "1设置CAM通信波特率\t{0,10}",
                        "2设置CAM通信协议\t{0,2}",
                        "3设置CAM控制转动速率\t{0,64}",
                        "4设置ZOOM按键功能复用\t{0,1}",
                    });
}

void Druvela_workdata::SendCMDCAM_INC(unsigned char state) { sendShort(Board::Main, "点击Z+按钮senbuf的数据", 0x72, {state}); }
void Druvela_workdata::SendCMDCAM_DEC(unsigned char state) { sendShort(Board::Main, "点击Z-按钮senbuf的数据", 0x73, {state}); }
void Druvela_workdata::SendCMDCAM_POSITION(unsigned char direction)
{
    sendShort(Board::Main, "点击CAM方向键senbuf的数据", 0x75, {direction}, LogStyle::TwoLines);
}
void Druvela_workdata::SendCMDCAM_GROUP(unsigned char state) { sendShort(Board::Main, "点击CAM GROUP按钮senbuf的数据", 0x76, {state}); }
void Druvela_workdata::SendCMDCAM_FOCUS_INC(unsigned char state)
{
    sendShort(Board::Main, "点击CAM_FOCUS_INC按钮senbuf的数据", 0x77, {state});
}
void Druvela_workdata::SendCMDCAM_FOCUS_DEC(unsigned char state)
{
    sendShort(Board::Main, "点击CAM_FOCUS_DEC按钮senbuf的数据", 0x78, {state});
}
void Druvela_workdata::SendCMDSet_preset() { sendShort(Board::Main, "点击Set_preset senbuf的数据", 0x79, {}); }
void Druvela_workdata::SendCMDSet_preset(unsigned char state) { sendShort(Board::Main, "点击Set_preset senbuf的数据", 0x79, {state}); }
void Druvela_workdata::SendCMDClear_preset() { sendShort(Board::Main, "点击Clear_preset senbuf的数据", 0x7A, {}); }
void Druvela_workdata::SendCMDClear_preset(unsigned char state) { sendShort(Board::Main, "点击Clear_preset senbuf的数据", 0x7A, {state}); }
void Druvela_workdata::SendCMDGoto_preset() { sendShort(Board::Main, "点击Goto_preset senbuf的数据", 0x7B, {}); }
void Druvela_workdata::SendCMDGoto_preset(unsigned char state) { sendShort(Board::Main, "点击Goto_preset senbuf的数据", 0x7B, {state}); }
void Druvela_workdata::SendCMDNUMBER_KEY(unsigned char number) { sendShort(Board::Main, "点击NUMBER_KEY senbuf的数据", 0x7C, {number}); }
void Druvela_workdata::SendCMD_CAM_MIENU() { sendShort(Board::Main, "点击CAM_MIENU senbuf的数据", 0x7D, {}); }
void Druvela_workdata::SendCMD_NUMBER_CAM() { sendShort(Board::Main, "点击NUMBER_CAM senbuf的数据", 0x7E, {}); }
void Druvela_workdata::SendCMD_NUMBER_MON() { sendShort(Board::Main, "点击NUMBER_MON senbuf的数据", 0x7F, {}); }
void Druvela_workdata::SendCMDCAM_INDEX(unsigned char camera) { sendShort(Board::Main, "点击CAM1~6按钮senbuf的数据", 0xAF, {camera}); }
void Druvela_workdata::SendCMDJoystick(unsigned char x, unsigned char y)
{
    // Joystick positions stream while the stick moves; they are not logged.
    sendShort(Board::Main, nullptr, 0xB5, {x, y}, LogStyle::None);
}

// ---- menu and function keys ----

void Druvela_workdata::SendCMDF2() { sendShort(Board::Main, "F2 senbuf的数据", 0xD2, {}); }
void Druvela_workdata::SendCMDROTATE() { sendShort(Board::Main, "点击暂停按钮senbuf的数据", 0xD7, {}); }
void Druvela_workdata::SendCMDF7() { sendShort(Board::Main, "F7 senbuf的数据", 0xD8, {}); }
void Druvela_workdata::SendCMDMenu(unsigned char key, unsigned char state)
{
    sendShort(Board::Main, "点击菜单按钮senbuf的数据", 0xD9, {key, state});
}

// ---- recording and streaming ----

void Druvela_workdata::SendCMD_SW_SET_RTMP_RATE(unsigned char selector, unsigned char value)
{
    sendShort(Board::Stream, "点击SendCMD_SW_SET_RTMP_RATE senbuf的数据", 0x31, {selector, value});
}
void Druvela_workdata::SendCMD_REC_SET_PLAY_PAUSE() { sendShort(Board::Main, "点击REC_SET_PLAY_PAUSE senbuf的数据", 0x51, {}); }
void Druvela_workdata::SendCMD_REC_SET_USB() { sendShort(Board::Main, "点击REC_SET_USB senbuf的数据", 0x52, {}); }
void Druvela_workdata::SendCMD_REC_SET_SSD() { sendShort(Board::Main, "点击REC_SET_SSD senbuf的数据", 0x53, {}); }
void Druvela_workdata::SendCMD_REC_SET_PRE() { sendShort(Board::Main, "点击REC_SET_PRE senbuf的数据", 0x54, {}); }
void Druvela_workdata::SendCMD_REC_SET_NEXT() { sendShort(Board::Main, "点击REC_SET_NEXT senbuf的数据", 0x55, {}); }

void Druvela_workdata::SendCMD_Set_Url(int index, QByteArray const& name, QByteArray const& url)
{
    if (name.size() > MCU_UDP_FRAME::STREAM_NAME_MAX || url.size() > MCU_UDP_FRAME::STREAM_URL_MAX)
        return;
    ST_RTMP_URL rec{};
    rec.index = low(index);
    rec.name_len = static_cast<unsigned char>(name.size());
    std::memcpy(rec.name, name.constData(), size_t(name.size()));
    rec.url_len = static_cast<quint16>(url.size());
    std::memcpy(rec.rtmp_url, url.constData(), size_t(url.size()));
    unsigned char buf[URL_BUF] = {};
    if (CreateMcuUdpDataBuf_url(buf, m_hisA, m_hisB, rec) == 0)
        return;
    sendFrame(Board::His, "设置设备上His板URL信息 senbuf的数据", buf, HIS_URL_LEN);
}

void Druvela_workdata::SendCMD_SW_SET_STREAM_DATA(unsigned char index, unsigned char name_len, char* name,
                                                  unsigned short url_len, char* rtmp_url)
{
    if (name_len > MCU_UDP_FRAME::STREAM_NAME_MAX || url_len > MCU_UDP_FRAME::STREAM_URL_MAX)
        return;
    if ((name_len > 0 && !name) || (url_len > 0 && !rtmp_url))
        return;
    m_streamRec.index = index;
    m_streamRec.name_len = name_len;
    if (name_len > 0)
        std::memcpy(m_streamRec.name, name, name_len);
    m_streamRec.url_len = url_len;
    if (url_len > 0)
        std::memcpy(m_streamRec.rtmp_url, rtmp_url, url_len);
    unsigned char buf[STREAM_BUF] = {};
    const quint16 len = Set_StreamCom(buf, STREAM_BOARD_A, m_devB, CMD_STREAM_DATA, m_streamRec);
    if (len == 0)
        return;
    sendFrame(Board::Stream, "点击SET_STREAM_DATA的数据", buf, len);
}

void Druvela_workdata::SendCMD_Read_Url(int index)
{
    sendShort(Board::His, "读取设备上His板URL信息 senbuf的数据", CMD_READ_URL, {low(index)});
}
void Druvela_workdata::SendCMD_SW_READ_STREAM_DATA(unsigned char index)
{
    sendShort(Board::Stream, "点击READ_STREAM_DATA senbuf的数据", CMD_READ_URL, {index});
}
void Druvela_workdata::SendCMD_SW_SET_STREAM_INDEX(unsigned char index)
{
    sendShort(Board::Stream, "点击SET_STREAM_INDEX senbuf的数据", 0x6C, {0x00, index});
}
void Druvela_workdata::SendCMDSTREAM(int state) { sendShort(Board::Main, "点击RTMP按钮senbuf的数据", 0x87, {low(state)}); }
void Druvela_workdata::SendCMDREC(int state) { sendShort(Board::Main, "点击REC按钮senbuf的数据", 0xB2, {low(state)}); }
void Druvela_workdata::SendCMDPAUSE() { sendShort(Board::Main, "点击暂停按钮senbuf的数据", 0xC7, {}); }

// ---- network settings ----

void Druvela_workdata::SendCMD_SetIP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                                     unsigned char static_dynamic, QString newIp)
{
    if (!holdsAddress(ip) || !holdsAddress(subnet) || !holdsAddress(gateway))
        return;
    m_devIpRec = SET_DEV_IP{};
    copyAddress(m_devIpRec.ip, ip);
    copyAddress(m_devIpRec.subnet, subnet);
    copyAddress(m_devIpRec.gateway, gateway);
    m_devIpRec.static_dynamic = static_dynamic;
    unsigned char buf[SHORT_BUF] = {};
    const quint16 len = Set_ipCom(buf, m_devA, m_devB, CMD_SET_IP, m_devIpRec);
    if (len == 0)
        return;
    sendFrame(Board::Main, "Set IP 无DNS senbuf的数据", buf, len);
    setDevIp(newIp, addressIn(m_devIpRec.ip));
}

void Druvela_workdata::SendCMD_SetIP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                                     QByteArray const& dns, unsigned char static_dynamic, QString newIp)
{
    if (!holdsAddress(ip) || !holdsAddress(subnet) || !holdsAddress(gateway) || !holdsAddress(dns))
        return;
    m_devIpDnsRec = SET_DEV_IP_DNS{};
    copyAddress(m_devIpDnsRec.ip, ip);
    copyAddress(m_devIpDnsRec.subnet, subnet);
    copyAddress(m_devIpDnsRec.gateway, gateway);
    m_devIpDnsRec.static_dynamic = static_dynamic;
    copyAddress(m_devIpDnsRec.dns, dns);
    unsigned char buf[SHORT_BUF] = {};
    const quint16 len = Set_ipCom(buf, m_devA, m_devB, CMD_SET_IP, m_devIpDnsRec);
    if (len == 0)
        return;
    sendFrame(Board::Main, "Set IP 有DNS senbuf的数据", buf, len);
    setDevIp(newIp, addressIn(m_devIpDnsRec.ip));
}

void Druvela_workdata::SendCMD_SetIP(QByteArray const& ip, QString newIp)
{
    if (!holdsAddress(ip))
        return;
    m_devIpRec = SET_DEV_IP{};
    copyAddress(m_devIpRec.ip, ip);
    unsigned char buf[SHORT_BUF] = {};
    const quint16 len = Set_ipCom(buf, m_devA, m_devB, CMD_SET_IP, m_devIpRec);
    if (len == 0)
        return;
    sendFrame(Board::Main, "SetHis_IP senbuf的数据", buf, len);
    setDevIp(newIp, addressIn(m_devIpRec.ip));
}

void Druvela_workdata::SendCMD_Set_HIS_IP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                                          QStringList texts)
{
    if (!holdsAddress(ip) || !holdsAddress(subnet) || !holdsAddress(gateway) || texts.size() < 3)
        return;
    m_hisIpRec = SET_DEV_IP{};
    copyAddress(m_hisIpRec.ip, ip);
    copyAddress(m_hisIpRec.subnet, subnet);
    copyAddress(m_hisIpRec.gateway, gateway);
    unsigned char buf[SHORT_BUF] = {};
    const quint16 len = Set_ipCom(buf, m_hisA, m_hisB, CMD_SET_IP, m_hisIpRec);
    if (len == 0)
        return;
    sendFrame(Board::His, "设置设备上His板IP、网关、掩码、senbuf的数据", buf, len);
    setHisIp(texts.at(0), addressIn(m_hisIpRec.ip));
    m_hisSubnet = texts.at(1);
    m_hisGateway = texts.at(2);
}

void Druvela_workdata::SendCMD_Set_HIS_DNS(QByteArray const& dns, QString text)
{
    unsigned char buf[SHORT_BUF] = {};
    if (CreateMcuUdpDataBuf_ipDns(buf, m_hisA, m_hisB, dns) == 0)
        return;
    sendFrame(Board::His, "设置设备上His板DNS senbuf的数据", buf, HIS_DNS_LEN);
    m_hisDNS = text;
}

void Druvela_workdata::SendCMD_Read_His_IP()
{
    const SET_DEV_IP empty{};
    unsigned char buf[SHORT_BUF] = {};
    const quint16 len = Set_ipCom(buf, m_hisA, m_hisB, CMD_READ_HIS_IP, empty);
    if (len == 0)
        return;
    sendFrame(Board::His, "ReadHis_IP senbuf的数据", buf, len);
}

// ---- system ----

void Druvela_workdata::SendCMDHEART() { sendShort(Board::Main, "点击HEART senbuf的数据", 0x06, {}); }
void Druvela_workdata::SendCMDReadDevState() { sendShort(Board::Main, "点击DS按钮senbuf的数据", 0x0A, {}); }
void Druvela_workdata::SendCMDRESET() { sendShort(Board::Main, "点击复位按钮senbuf的数据", 0x0B, {}); }
void Druvela_workdata::SendCMDVersion() { sendShort(Board::Main, "读取版本信息senbuf的数据", 0x49, {}); }
void Druvela_workdata::SendCMDFAN_mod(unsigned char mode) { sendShort(Board::Main, "点击FAN_mod senbuf的数据", 0x6C, {mode}); }
void Druvela_workdata::SendCMDFAN_speed(unsigned short speed) { sendLe16("点击FAN_speed senbuf的数据", 0x6D, speed); }
void Druvela_workdata::SendCMDGPI(int gpi, unsigned char function)
{
    sendShort(Board::Main, "GPIsenbuf的数据", 0x6E, {low(gpi), function});
}
void Druvela_workdata::SendCMDF1(int code) { sendShort(Board::Main, "F1 分辨率设置 senbuf的数据", 0xA3, {low(code)}); }
void Druvela_workdata::SendCMDHDR_ON(unsigned char state) { sendShort(Board::Main, "点击HDR_ON senbuf的数据", 0xDF, {state}); }
void Druvela_workdata::SendCMDHDR_CFG(unsigned char cfg) { sendShort(Board::Main, "点击HDR_CFG senbuf的数据", 0xE0, {cfg}); }

// ---- replies ----

// The receivers run later, from the queue: a reply's handling may wait or close its panel,
// which must not happen inside the socket's own notification.
void Druvela_workdata::ReceiveData()
{
    receivedQueue()->readPending(m_cmdSocket, FromCommand);
}

void Druvela_workdata::CheckReceiveData(QByteArray const& data)
{
    if (data.size() < MCU_UDP_FRAME::MIN_LEN || data.size() > MCU_UDP_FRAME::MAX_REPLY_LEN)
        return;
    AnalysisData(data);
}

void Druvela_workdata::AnalysisData(QByteArray const& data)
{
    if (!hasBytes(data, MCU_UDP_FRAME::OFF_CMD))
        return;
    const unsigned char a = byteAt(data, MCU_UDP_FRAME::OFF_ADDR_A);
    const unsigned char b = byteAt(data, MCU_UDP_FRAME::OFF_ADDR_B);
    const unsigned char type = byteAt(data, MCU_UDP_FRAME::OFF_CMD);
    if (b == MCU_UDP_FRAME::ADDR_B) {
        if (a == MCU_UDP_FRAME::ADDR_MAIN) {
            switch (type) {
            case 0x0A: emit on_signals_allData(data); return;
            case 0x82: emit on_signals_tx_sliderData(data); return;
            case 0x6F: emit on_signals_pop_stateData(data); return;
            case 0x49: emit on_signals_version_stateData(data); return;
            case 0x06: emit on_signals_heartData(data); return;
            default: break;
            }
        } else if (a == MCU_UDP_FRAME::ADDR_STREAM && type == CMD_READ_URL) {
            emit on_signals_StreamData(data);
            return;
        }
    }
    // Tested last: His address bytes equal to another board's never take that board's replies.
    if (a == m_hisA && b == m_hisB) {
        if (type == HisReplies::TYPE_SETTINGS)
            emit on_signals_HisInfoData(data);
        else if (type == HisReplies::TYPE_URL_ENTRY)
            emit on_signals_HisUrlData(data);
    }
}
