// Every send operation of the command layer, checked on the wire: exact bytes, destination and
// source port, and the debug line it writes. Runs on loopback only (127.0.0.2 main/stream board,
// 127.0.0.3 His board).

#include "druvela_workdata.h"
#include "log_capture.h"
#include "marker_frames.h"
#include "reply_frames.h"

#include <QtTest>

#include <cstring>
#include <functional>

using Op = std::function<void(Druvela_workdata&)>;
Q_DECLARE_METATYPE(Op)

namespace {

const QString kMainIp = QStringLiteral("127.0.0.2");
const QString kHisIp = QStringLiteral("127.0.0.3");
constexpr int kDevA = 0xA5;
constexpr int kDevB = 0xFE;  // not 0xFF, so a frame shows which board's byte B it carries
constexpr int kHisA = 0xE0;
constexpr int kHisB = 0x7E;
const char* const kTrans = "TRANSITONS设置 senbuf的数据";

enum class Board { Main, Stream, His };

QByteArray frameFor(Board board, int cmd, const QByteArray& data, int flag = 0x01)
{
    const int a = board == Board::Main ? kDevA : board == Board::His ? kHisA : 0xE0;
    return switcherFrame(a, board == Board::His ? kHisB : kDevB, cmd, data, flag);
}

QByteArray padded(const QByteArray& b, int size)
{
    return b.leftJustified(size, '\0');
}

QByteArray le16(int v)
{
    return bytes({v & 0xFF, (v >> 8) & 0xFF});
}

void addRow(const char* tag, const Op& op, const QList<QByteArray>& main, const QList<QByteArray>& his, const QStringList& log)
{
    QTest::newRow(tag) << op << main << his << log;
}

// One frame to one board, its debug line, then any further lines.
void one(const char* tag, const Op& op, Board board, int cmd, const QByteArray& data, const char* label, int flag = 0x01,
         const QStringList& more = {})
{
    const QByteArray f = frameFor(board, cmd, data, flag);
    const QList<QByteArray> frames{f};
    addRow(tag, op, board == Board::His ? QList<QByteArray>() : frames, board == Board::His ? frames : QList<QByteArray>(),
           QStringList{commandLine(label, f)} + more);
}

// Runs op with other address bytes A for the device and the His board, then puts the usual ones back.
Op withBytesA(int devA, int hisA, const Op& op)
{
    return [=](Druvela_workdata& d) {
        d.get_DevTypeID(kMainIp, quint8(devA), kDevB);
        d.get_HISTypeID(kHisIp, quint8(hisA), kHisB);
        op(d);
        d.get_DevTypeID(kMainIp, kDevA, kDevB);
        d.get_HISTypeID(kHisIp, kHisA, kHisB);
    };
}

QStringList lines(const char* joined)
{
    return QString::fromUtf8(joined).split(QLatin1Char('|'));
}

} // namespace

// A plain command: call, board, command byte, label, data bytes. N: a call that sends nothing.
#define W(call, board, cmd, label, ...) one(#call, [](Druvela_workdata& d) { d.call; }, Board::board, cmd, bytes({__VA_ARGS__}), label)
#define N(call) addRow(#call, [](Druvela_workdata& d) { d.call; }, {}, {}, {})

class tst_command_send : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void catalogue_data();
    void catalogue();
    void retargeting();
    void setIpMovesToTheBytesItSends_data();
    void setIpMovesToTheBytesItSends();
    void unsetTargetLogsButSendsNothing_data();
    void unsetTargetLogsButSendsNothing();
    void hisBuilders();

private:
    // Sends one marker per board and compares everything up to it.
    void expectSent(const QList<QByteArray>& main, const QList<QByteArray>& his);
    QStringList logOf(const Op& op);

    Druvela_workdata m_dev;
    UdpCapture m_main{QHostAddress(kMainIp), 7000};
    UdpCapture m_his{QHostAddress(kHisIp), 7000};
};

void tst_command_send::initTestCase()
{
    QVERIFY(m_main.isBound() && m_his.isBound());
    QVERIFY(commandSocketOf(m_dev));
}

void tst_command_send::init()
{
    m_dev.get_DevTypeID(kMainIp, kDevA, kDevB);
    m_dev.get_HISTypeID(kHisIp, kHisA, kHisB);
    m_dev.get_HIS_INFO(kHisIp, QStringLiteral("255.255.255.0"), QStringLiteral("127.0.0.1"), QStringLiteral("8.8.4.4"));
    m_main.takeAll();
    m_his.takeAll();
}

void tst_command_send::expectSent(const QList<QByteArray>& main, const QList<QByteArray>& his)
{
    LogCapture quiet;
    // Marker frames no row sends.
    const QByteArray mainMarker = frameFor(Board::Main, 0xCF, bytes({0xEE}));
    const QByteArray hisMarker = frameFor(Board::His, 0x6A, bytes({0xEE}));
    const MarkedFrames m = collectUntilMarker(m_main, [this] { m_dev.SendCMDSTILL(0xEE); }, [&](const QByteArray& f) { return f == mainMarker; });
    const MarkedFrames h = collectUntilMarker(m_his, [this] { m_dev.SendCMD_Read_Url(0xEE); }, [&](const QByteArray& f) { return f == hisMarker; });
    QVERIFY2(m.markerSeen && h.markerSeen, "marker datagram never arrived");
    QCOMPARE(m.before, main);
    QCOMPARE(h.before, his);
}

QStringList tst_command_send::logOf(const Op& op)
{
    LogCapture capture;
    op(m_dev);
    return capture.takeAll();
}

void tst_command_send::catalogue_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QList<QByteArray>>("mainFrames");
    QTest::addColumn<QList<QByteArray>>("hisFrames");
    QTest::addColumn<QStringList>("log");

    W(SendCDMPGMCH(0x1E), Main, 0x80, "点击PGM通道senbuf的数据", 0x1E);
    W(SendCMDPVWCH(0x2B), Main, 0x81, "点击PVW通道senbuf的数据", 0x2B);
    W(SwndCMDslider(0x38, 0x78), Main, 0x82, "视频推杆:", 0x38, 0x78);
    W(SendCMDCUT(), Main, 0x83, "点击CUT切换senbuf的数据");
    W(SendCMDAUTO(), Main, 0x84, "点击AUTO切换senbuf的数据");
    W(SendCMDFTB(), Main, 0x85, "FTB senbuf的数据");
    W(SendCMDRATE(0x6C), Main, 0xB1, "点击RATE切换特效senbuf的数据", 0x6C);
    W(SendCMDSRC1(0x79), Main, 0xB9, "SRC1 senbuf的数据", 0x79);
    W(SendCMDSRC2(0x86), Main, 0xBA, "SRC2 senbuf的数据", 0x86);
    W(SendCMDSRC3(0x93), Main, 0xBB, "SRC3 senbuf的数据", 0x93);
    W(SendCMDAux(0xA0), Main, 0xC8, "点击AUX按钮senbuf的数据", 0xA0);
    W(SendCMDSTILL(), Main, 0xCF, "STILL senbuf的数据");
    W(SendCMDSTILL(0xBA), Main, 0xCF, "STILL senbuf的数据", 0xBA);
    W(SendCMDCH1_CH2_MASTER(0x1C7), Main, 0xB3, "点击CH1_CH2_MASTER senbuf的数据(参数:0-CH1,1-CH2,3-MASTER)", 0xC7);
    W(SendCMDMIXorAFV(0xD4), Main, 0xB6, "点击MIXorAFV senbuf的数据(参数:0-AFV,1-MIX)", 0xD4);
    W(SendCMDSLIDER(0xE1, 0x21), Main, 0xB8, "音频推子 senbuf的数据", 0xE1, 0x21);
    W(SendCMDF3(), Main, 0xD6, "F3 senbuf的数据");
    W(SendCMDLINE_VOL(), Main, 0xDC, "点击LINE senbuf的数据");
    W(SendCMDMIC_VOL(), Main, 0xDD, "点击MIC senbuf的数据");
    W(SendCMDAUDIO_PAGE(0x15, 0x55), Main, 0xDE, "AUDIO_PAGE senbuf的数据", 0x15, 0x55);
    W(SendCMDPIP(0x22), Main, 0x86, "PIP senbuf的数据", 0x22);
    W(SendCMDPIP_Border_Enable(0x2F), Main, 0x9D, "PIP_Border_Enable senbuf的数据", 0x2F);
    W(SendCMDPIP_Border_Color(0x3C), Main, 0x9E, "PIP_Border_Color senbuf的数据", 0x3C);
    W(SendCMDPIP_Border_Width(0x49), Main, 0x9F, "PIP_Border_Width senbuf的数据", 0x49);
    W(SendCMDPIP_H_Position(0x0756), Main, 0xA0, "PIP_H_Position senbuf的数据", 0x56, 0x07);
    W(SendCMDPIP_V_Position(0x0763), Main, 0xA1, "PIP_V_Position senbuf的数据", 0x63, 0x07);
    W(SendCMDPIP_Border_Size(0x70), Main, 0xA2, "PIP_Border_Size senbuf的数据", 0x70);
    W(SendCMDPOP(0x7D), Main, 0xA7, "点击POP按钮senbuf的数据", 0x7D);
    W(SendCMDPOP_Window(0x8A), Main, 0xA8, "点击POP WINDOW按钮senbuf的数据", 0x8A);
    W(SendCMDPOP_Border_Enable(0x97), Main, 0xA9, "点击POP BORDER ENABLE按钮senbuf的数据", 0x97);
    W(SendCMDPOP_Border_Color(0xA4), Main, 0xAA, "点击POP BORDER CLOLOR按钮senbuf的数据", 0xA4);
    W(SendCMDPOP_Border_Width(0xB1), Main, 0xAB, "点击POP BORDER WIDTH按钮senbuf的数据", 0xB1);
    W(SendCMDPOP_H_Position(0x07BE), Main, 0xAC, "点击POP H按钮senbuf的数据", 0xBE, 0x07);
    W(SendCMDPOP_V_Position(0x07CB), Main, 0xAD, "点击POP V 按钮senbuf的数据", 0xCB, 0x07);
    W(SendCMD_SET_C0LORBAR(0xD8), Main, 0x6B, "点击SET_C0LORBAR senbuf的数据", 0xD8);
    W(SendCMDLUMA(0xE5), Main, 0x8B, "点击LUMA按钮senbuf的数据", 0xE5);
    W(SendCMDCHROMA(0xF2), Main, 0x8C, "CHROMA按钮senbuf的数据", 0xF2);
    W(SendCMDLUMA_LEVEL(0xFF), Main, 0x94, "点击luma按钮senbuf的数据", 0xFF);
    W(SendCMDCHROMA_BK_COLOR(0x0C), Main, 0x98, "点击CHROMA_BK按钮senbuf的数据", 0x0C);
    W(SendCMDCHROMA_LEVEL(0x19), Main, 0x99, "点击CHROMA_LEVEL按钮senbuf的数据", 0x19);
    W(SendCMDPATTERN(0x26), Main, 0xDA, "点击PATTERN按钮senbuf的数据", 0x26);
    W(SendCMDCAM_CTRL(0x33), Main, 0x70, "点击CAM菜单总开关键按钮senbuf的数据", 0x33);
    W(SendCMDCAM_INC(0x40), Main, 0x72, "点击Z+按钮senbuf的数据", 0x40);
    W(SendCMDCAM_DEC(0x4D), Main, 0x73, "点击Z-按钮senbuf的数据", 0x4D);
    W(SendCMDCAM_GROUP(0x5A), Main, 0x76, "点击CAM GROUP按钮senbuf的数据", 0x5A);
    W(SendCMDCAM_FOCUS_INC(0x67), Main, 0x77, "点击CAM_FOCUS_INC按钮senbuf的数据", 0x67);
    W(SendCMDCAM_FOCUS_DEC(0x74), Main, 0x78, "点击CAM_FOCUS_DEC按钮senbuf的数据", 0x74);
    W(SendCMDSet_preset(), Main, 0x79, "点击Set_preset senbuf的数据");
    W(SendCMDSet_preset(0x8E), Main, 0x79, "点击Set_preset senbuf的数据", 0x8E);
    W(SendCMDClear_preset(), Main, 0x7A, "点击Clear_preset senbuf的数据");
    W(SendCMDClear_preset(0xA8), Main, 0x7A, "点击Clear_preset senbuf的数据", 0xA8);
    W(SendCMDGoto_preset(), Main, 0x7B, "点击Goto_preset senbuf的数据");
    W(SendCMDGoto_preset(0xC2), Main, 0x7B, "点击Goto_preset senbuf的数据", 0xC2);
    W(SendCMDNUMBER_KEY(0xCF), Main, 0x7C, "点击NUMBER_KEY senbuf的数据", 0xCF);
    W(SendCMD_CAM_MIENU(), Main, 0x7D, "点击CAM_MIENU senbuf的数据");
    W(SendCMD_NUMBER_CAM(), Main, 0x7E, "点击NUMBER_CAM senbuf的数据");
    W(SendCMD_NUMBER_MON(), Main, 0x7F, "点击NUMBER_MON senbuf的数据");
    W(SendCMDCAM_INDEX(0x03), Main, 0xAF, "点击CAM1~6按钮senbuf的数据", 0x03);
    W(SendCMDF2(), Main, 0xD2, "F2 senbuf的数据");
    W(SendCMDROTATE(), Main, 0xD7, "点击暂停按钮senbuf的数据");
    W(SendCMDF7(), Main, 0xD8, "F7 senbuf的数据");
    W(SendCMDMenu(0x37, 0x77), Main, 0xD9, "点击菜单按钮senbuf的数据", 0x37, 0x77);
    W(SendCMD_SW_SET_RTMP_RATE(0x44, 0x84), Stream, 0x31, "点击SendCMD_SW_SET_RTMP_RATE senbuf的数据", 0x44, 0x84);
    W(SendCMD_REC_SET_PLAY_PAUSE(), Main, 0x51, "点击REC_SET_PLAY_PAUSE senbuf的数据");
    W(SendCMD_REC_SET_USB(), Main, 0x52, "点击REC_SET_USB senbuf的数据");
    W(SendCMD_REC_SET_SSD(), Main, 0x53, "点击REC_SET_SSD senbuf的数据");
    W(SendCMD_REC_SET_PRE(), Main, 0x54, "点击REC_SET_PRE senbuf的数据");
    W(SendCMD_REC_SET_NEXT(), Main, 0x55, "点击REC_SET_NEXT senbuf的数据");
    W(SendCMD_Read_Url(0x192), His, 0x6A, "读取设备上His板URL信息 senbuf的数据", 0x92);
    W(SendCMD_SW_READ_STREAM_DATA(0x9F), Stream, 0x6A, "点击READ_STREAM_DATA senbuf的数据", 0x9F);
    W(SendCMDSTREAM(0x1AC), Main, 0x87, "点击RTMP按钮senbuf的数据", 0xAC);
    W(SendCMDREC(0x1B9), Main, 0xB2, "点击REC按钮senbuf的数据", 0xB9);
    W(SendCMDPAUSE(), Main, 0xC7, "点击暂停按钮senbuf的数据");
    W(SendCMDHEART(), Main, 0x06, "点击HEART senbuf的数据");
    W(SendCMDReadDevState(), Main, 0x0A, "点击DS按钮senbuf的数据");
    W(SendCMDRESET(), Main, 0x0B, "点击复位按钮senbuf的数据");
    W(SendCMDVersion(), Main, 0x49, "读取版本信息senbuf的数据");
    W(SendCMDFAN_mod(0x07), Main, 0x6C, "点击FAN_mod senbuf的数据", 0x07);
    W(SendCMDFAN_speed(0x0714), Main, 0x6D, "点击FAN_speed senbuf的数据", 0x14, 0x07);
    W(SendCMDGPI(0x121, 0x61), Main, 0x6E, "GPIsenbuf的数据", 0x21, 0x61);
    W(SendCMDF1(0x12E), Main, 0xA3, "F1 分辨率设置 senbuf的数据", 0x2E);
    W(SendCMDHDR_ON(0x3B), Main, 0xDF, "点击HDR_ON senbuf的数据", 0x3B);
    W(SendCMDHDR_CFG(0x48), Main, 0xE0, "点击HDR_CFG senbuf的数据", 0x48);
    W(SendCMDTRANSITIONS(0, 0x33), Main, 0x8D, kTrans);
    W(SendCMDTRANSITIONS(1, 0x33), Main, 0x8E, kTrans);
    W(SendCMDTRANSITIONS(2, 0x33), Main, 0x92, kTrans, 0x33);
    W(SendCMDTRANSITIONS(11, 0x75), Main, 0x92, kTrans, 0x75);
    W(SendCMDTRANSITIONS(1), Main, 0x8D, kTrans);
    W(SendCMDTRANSITIONS(2), Main, 0x8E, kTrans);
    W(SendCMD_SW_SET_STREAM_INDEX(3), Stream, 0x6C, "点击SET_STREAM_INDEX senbuf的数据", 0x00, 0x03);
    N(SendCMDTRANSITIONS(12, 5));
    N(SendCMDTRANSITIONS(255, 5));
    N(SendCMDTRANSITIONS(0));
    N(SendCMDTRANSITIONS(7));
    // The wipe groups 3..6 set the wipe first.
    const QByteArray wipe = frameFor(Board::Main, 0x8F, {});
    const int wipeCodes[] = {0x25, 0x29, 0x23, 0x27};
    for (unsigned char t = 3; t <= 6; ++t) {
        const QByteArray f = frameFor(Board::Main, 0x92, bytes({wipeCodes[t - 3]}));
        QTest::addRow("SendCMDTRANSITIONS(%d)", t) << Op([t](Druvela_workdata& d) { d.SendCMDTRANSITIONS(t); }) << QList<QByteArray>{wipe, f}
            << QList<QByteArray>() << QStringList{commandLine("SET_WIPE senbuf的数据", wipe), commandLine(kTrans, f)};
    }
    addRow("SET_WIPE", [](Druvela_workdata& d) { d.SET_WIPE(); }, {wipe}, {}, {commandLine("SET_WIPE senbuf的数据", wipe)});
    addRow("SendCMDJoystick", [](Druvela_workdata& d) { d.SendCMDJoystick(0x40, 0xC0); }, {frameFor(Board::Main, 0xB5, bytes({0x40, 0xC0}))}, {}, {});
    const QByteArray cam = frameFor(Board::Main, 0x75, bytes({0x02}));
    addRow("SendCMDCAM_POSITION", [](Druvela_workdata& d) { d.SendCMDCAM_POSITION(2); }, {cam}, {},
           {QString::fromUtf8("点击CAM方向键senbuf的数据"), '"' + QString::fromLatin1(cam.toHex(' ')) + '"'});
    const QStringList pattern = lines("0设置PATTERN的类型\t{0,9}|1设置PATTERN水平位置\t{0,1920}|2设置PATTERN垂直位置\t{0,1080}|3设置PATTERN大小\t{10,1080}|"
                                      "4设置PATTE水平拉伸\t{0,255}|5设置PATTE垂直拉伸\t{0,255}|6设置PATTERN个数\t{0,5}");
    one("SendCMDPATTERN_PAGE(2, 540)", [](Druvela_workdata& d) { d.SendCMDPATTERN_PAGE(2, 540); }, Board::Main, 0xDB, bytes({0x02, 0x1C, 0x02}),
        "点击SendCMDPATTERN_PAGE按钮senbuf的数据", 0x01, pattern + lines("PATTERN的INDEX\t02"));
    one("SendCMDPATTERN_PAGE(0x10B, 10)", [](Druvela_workdata& d) { d.SendCMDPATTERN_PAGE(0x10B, 10); }, Board::Main, 0xDB, bytes({0x0B, 0x0A, 0x00}),
        "点击SendCMDPATTERN_PAGE按钮senbuf的数据", 0x01, pattern + lines("PATTERN的INDEX\t10b"));
    one("SendCMDCAM_CTRL_PAGE", [](Druvela_workdata& d) { d.SendCMDCAM_CTRL_PAGE(3, 64); }, Board::Main, 0x71, bytes({0x03, 0x40}),
        "更新CAM菜单页面里的数据senbuf的数据", 0x01,
        lines("0设置CAM地址\t{1,6}|1设置CAM通信波特率\t{0,10}|2设置CAM通信协议\t{0,2}|3设置CAM控制转动速率\t{0,64}|4设置ZOOM按键功能复用\t{0,1}"));

    // Record-carrying commands. Byte 6: the IP frames carry 0x00 for byte A 0xA5 and 0x01 otherwise;
    // the second board's DNS and URL frames always carry 0x01.
    const QByteArray ip = bytes({192, 168, 1, 50}), mask = bytes({255, 255, 255, 0}), gw = bytes({192, 168, 1, 1}), dns = bytes({8, 8, 4, 4});
    const QByteArray rec = ip + mask + gw;
    const QByteArray url = bytes({0x00, 0x01, 0x01}) + padded("n", 16) + le16(1) + padded("u", 768);
    const struct { const char* tag; int devA, hisA; Op op; Board board; int cmd; QByteArray data; int flag; const char* label; } records[] = {
        {"SetIP(ip, subnet, gateway, mode, newIp)", kDevA, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); }, Board::Main, 0x05, rec + char(1), 0x00, "Set IP 无DNS senbuf的数据"},
        {"SetIP(ip, subnet, gateway, dns, mode, newIp)", kDevA, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); }, Board::Main, 0x05, rec + char(0) + dns, 0x00, "Set IP 有DNS senbuf的数据"},
        {"SetIP(ip, newIp)", kDevA, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, kMainIp); }, Board::Main, 0x05, ip + QByteArray(9, '\0'), 0x00, "SetHis_IP senbuf的数据"},
        {"SetIP, device E0", 0xE0, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); }, Board::Main, 0x05, rec + char(1), 0x01, "Set IP 无DNS senbuf的数据"},
        {"SetIP+DNS, device 11", 0x11, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); }, Board::Main, 0x05, rec + char(0) + dns, 0x01, "Set IP 有DNS senbuf的数据"},
        {"Set_HIS_IP", kDevA, kHisA, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(ip, mask, gw, {kHisIp, "255.255.255.0", "127.0.0.1"}); }, Board::His, 0x05, rec + char(0), 0x01, "设置设备上His板IP、网关、掩码、senbuf的数据"},
        {"Set_HIS_IP, His A5", kDevA, 0xA5, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(ip, mask, gw, {kHisIp, "255.255.255.0", "127.0.0.1"}); }, Board::His, 0x05, rec + char(0), 0x00, "设置设备上His板IP、网关、掩码、senbuf的数据"},
        {"Set_HIS_DNS", kDevA, kHisA, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, "8.8.4.4"); }, Board::His, 0x23, dns + bytes({0x02, 0x50, 0x3B, 0x8C}), 0x01, "设置设备上His板DNS senbuf的数据"},
        {"Set_HIS_DNS, His A5", kDevA, 0xA5, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, "8.8.4.4"); }, Board::His, 0x23, dns + bytes({0x02, 0x50, 0x3B, 0x8C}), 0x01, "设置设备上His板DNS senbuf的数据"},
        {"Read_His_IP", kDevA, kHisA, [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); }, Board::His, 0x24, QByteArray(13, '\0'), 0x01, "ReadHis_IP senbuf的数据"},
        {"Read_His_IP, His A5", kDevA, 0xA5, [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); }, Board::His, 0x24, QByteArray(13, '\0'), 0x00, "ReadHis_IP senbuf的数据"},
        {"Set_Url, His A5", kDevA, 0xA5, [](Druvela_workdata& d) { d.SendCMD_Set_Url(1, "n", "u"); }, Board::His, 0x67, url, 0x01, "设置设备上His板URL信息 senbuf的数据"},
        {"Set_Url", kDevA, kHisA, [](Druvela_workdata& d) { d.SendCMD_Set_Url(0x102, "cam-2", "rtmp://127.0.0.9/live/key"); }, Board::His, 0x67,
         bytes({0x00, 0x02, 5}) + padded("cam-2", 16) + le16(25) + padded("rtmp://127.0.0.9/live/key", 768), 0x01, "设置设备上His板URL信息 senbuf的数据"},
        {"SW_SET_STREAM_DATA", kDevA, kHisA, [](Druvela_workdata& d) { char n[] = "abc", u[] = "rtmp://127.0.0.9/a"; d.SendCMD_SW_SET_STREAM_DATA(4, 3, n, 18, u); }, Board::Stream, 0x67,
         bytes({0x04, 3}) + padded("abc", 16) + le16(18) + padded("rtmp://127.0.0.9/a", 768), 0x01, "点击SET_STREAM_DATA的数据"},
    };
    for (const auto& r : records) {
        const int a = r.board == Board::Main ? r.devA : r.board == Board::His ? r.hisA : 0xE0;
        const QByteArray f = switcherFrame(a, r.board == Board::His ? kHisB : kDevB, r.cmd, r.data, r.flag);
        const QList<QByteArray> frames{f};
        addRow(r.tag, withBytesA(r.devA, r.hisA, r.op), r.board == Board::His ? QList<QByteArray>() : frames,
               r.board == Board::His ? frames : QList<QByteArray>(), {commandLine(r.label, f)});
    }
    // Broken records: nothing logged, nothing sent, and no retargeting either.
    const QByteArray four = bytes({10, 0, 0, 1}), three = bytes({10, 0, 0});
    const QStringList his = {QStringLiteral("127.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("127.0.0.1")};
    static char name[32] = "seventeen-bytes!!";
    static char longUrl[800] = "rtmp://x";
    addRow("SetIP short ip", [=](Druvela_workdata& d) { d.SendCMD_SetIP(three, four, four, 0, "127.0.0.9"); }, {}, {}, {});
    addRow("SetIP short subnet", [=](Druvela_workdata& d) { d.SendCMD_SetIP(four, three, four, 0, "127.0.0.9"); }, {}, {}, {});
    addRow("SetIP short gateway", [=](Druvela_workdata& d) { d.SendCMD_SetIP(four, four, three, 0, "127.0.0.9"); }, {}, {}, {});
    addRow("SetIP+DNS short dns", [=](Druvela_workdata& d) { d.SendCMD_SetIP(four, four, four, three, 0, "127.0.0.9"); }, {}, {}, {});
    addRow("SetIP+DNS empty ip", [=](Druvela_workdata& d) { d.SendCMD_SetIP(QByteArray(), four, four, four, 0, "127.0.0.9"); }, {}, {}, {});
    addRow("SetIP address only, short", [=](Druvela_workdata& d) { d.SendCMD_SetIP(three, "127.0.0.9"); }, {}, {}, {});
    addRow("His IP short gateway", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(four, four, three, his); }, {}, {}, {});
    addRow("His IP two texts", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(four, four, four, his.mid(0, 2)); }, {}, {}, {});
    addRow("His DNS 3 bytes", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(three, "9.9.9.9"); }, {}, {}, {});
    addRow("His DNS 5 bytes", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(four + four.left(1), "9.9.9.9"); }, {}, {}, {});
    addRow("His URL name 17", [](Druvela_workdata& d) { d.SendCMD_Set_Url(1, QByteArray(17, 'n'), "rtmp://x"); }, {}, {}, {});
    addRow("His URL url 769", [](Druvela_workdata& d) { d.SendCMD_Set_Url(1, "n", QByteArray(769, 'u')); }, {}, {}, {});
    addRow("stream name_len 17", [](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 17, name, 8, longUrl); }, {}, {}, {});
    addRow("stream url_len 769", [](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 1, name, 769, longUrl); }, {}, {}, {});
    addRow("stream null name", [](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 4, nullptr, 8, longUrl); }, {}, {}, {});
}

void tst_command_send::catalogue()
{
    QFETCH(Op, op);
    QFETCH(QList<QByteArray>, mainFrames);
    QFETCH(QList<QByteArray>, hisFrames);
    QFETCH(QStringList, log);
    QCOMPARE(logOf(op), log);
    expectSent(mainFrames, hisFrames);
    // No row leaves another address or His setting behind (SetIP and the His setters are given the current ones).
    QCOMPARE(QStringList({m_dev.on_DevIP(), m_dev.on_HIS_IP(), m_dev.on_HIS_Subnet(), m_dev.on_HIS_DNS()}),
             QStringList({kMainIp, kHisIp, "255.255.255.0", "8.8.4.4"}));
}

// A new device address moves the main and stream board frames, not the His board's; SetIP moves it
// only after its own frame has gone to the old address. The same socket keeps sending from port 7000.
void tst_command_send::retargeting()
{
    UdpCapture moved(QHostAddress(QStringLiteral("127.0.0.4")), 7000);
    UdpCapture other(QHostAddress(QStringLiteral("127.0.0.5")), 7000);
    QVERIFY(moved.isBound() && other.isBound());
    QUdpSocket* sock = commandSocketOf(m_dev);
    logOf([](Druvela_workdata& d) {
        d.SendCMD_SetIP(bytes({127, 0, 0, 4}), bytes({255, 0, 0, 0}), bytes({127, 0, 0, 1}), 0, QStringLiteral("127.0.0.4"));
        d.SendCMDHEART();
        d.SendCMD_SW_SET_STREAM_INDEX(1);
        d.get_DevTypeID(QStringLiteral("127.0.0.5"), kDevA, kDevB);
        d.SendCMDCUT();
        d.SendCMD_SW_READ_STREAM_DATA(2);
        d.SendCMD_Read_Url(2);
    });
    QCOMPARE(commandSocketOf(m_dev), sock);
    QVERIFY(m_main.waitForDatagram());
    const QList<CapturedDatagram> old = m_main.takeAll();
    QCOMPARE(old.size(), 1);
    QCOMPARE(frameCommand(old.at(0).data), 0x05);
    QVERIFY(moved.waitForCount(2) && other.waitForCount(2) && m_his.waitForDatagram());
    const QList<CapturedDatagram> now = moved.takeAll(), got = other.takeAll();
    QCOMPARE(now.at(0).data, frameFor(Board::Main, 0x06, {}));
    QCOMPARE(now.at(1).data, frameFor(Board::Stream, 0x6C, bytes({0x00, 0x01})));
    QCOMPARE(now.at(0).senderPort, quint16(7000));
    QCOMPARE(got.at(0).data, frameFor(Board::Main, 0x83, {}));
    QCOMPARE(got.at(1).data, frameFor(Board::Stream, 0x6A, bytes({0x02})));
    QCOMPARE(m_his.takeAll().at(0).data, frameFor(Board::His, 0x6A, bytes({0x02})));
}

enum class SetIp { Plain, WithDns, AddressOnly, His };
Q_DECLARE_METATYPE(SetIp)

void tst_command_send::setIpMovesToTheBytesItSends_data()
{
    QTest::addColumn<SetIp>("command");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("ip");
    QTest::addColumn<QString>("next");
    // The operator's text, the four bytes the callers read from it in decimal, and where the next
    // command must go. Every first part is 127 to stay on loopback, so it has no room for a zero.
    const struct { const char* typed; QByteArray ip; const char* next; } typed[] = {
        {"127.000.000.010", bytes({127, 0, 0, 10}), "127.0.0.10"},
        {"127.010.0.1", bytes({127, 10, 0, 1}), "127.10.0.1"},
        {"127.0.010.1", bytes({127, 0, 10, 1}), "127.0.10.1"},
        {"127.0.0.012", bytes({127, 0, 0, 12}), "127.0.0.12"},
        {"127.0.0.08", bytes({127, 0, 0, 8}), "127.0.0.8"},
        {"127.0.09.1", bytes({127, 0, 9, 1}), "127.0.9.1"},
        {"127.0.0.11", bytes({127, 0, 0, 11}), "127.0.0.11"},
    };
    const struct { SetIp command; const char* name; } commands[] = {
        {SetIp::Plain, "SetIP"}, {SetIp::WithDns, "SetIP+DNS"}, {SetIp::AddressOnly, "SetIP address only"}, {SetIp::His, "Set_HIS_IP"}};
    for (const auto& c : commands)
        for (const auto& t : typed)
            QTest::addRow("%s %s", c.name, t.typed) << c.command << QString::fromLatin1(t.typed) << t.ip << QString::fromLatin1(t.next);
}

// The set-IP frame goes to the old address with the typed bytes; the next command goes to the
// address those bytes name, however the text spelled them; the text itself is kept as typed.
void tst_command_send::setIpMovesToTheBytesItSends()
{
    QFETCH(SetIp, command);
    QFETCH(QString, typed);
    QFETCH(QByteArray, ip);
    QFETCH(QString, next);
    UdpCapture moved(QHostAddress(next), 7000);
    QVERIFY(moved.isBound());
    const QByteArray mask = bytes({255, 0, 0, 0}), gw = bytes({127, 0, 0, 1}), dns = bytes({127, 0, 0, 53});
    const bool his = command == SetIp::His;
    QByteArray setIp, after;
    {
        LogCapture quiet;
        switch (command) {
        case SetIp::Plain:
            m_dev.SendCMD_SetIP(ip, mask, gw, 0x00, typed);
            setIp = frameFor(Board::Main, 0x05, ip + mask + gw + char(0), 0x00);
            break;
        case SetIp::WithDns:
            m_dev.SendCMD_SetIP(ip, mask, gw, dns, 0x01, typed);
            setIp = frameFor(Board::Main, 0x05, ip + mask + gw + char(1) + dns, 0x00);
            break;
        case SetIp::AddressOnly:
            m_dev.SendCMD_SetIP(ip, typed);
            setIp = frameFor(Board::Main, 0x05, ip + QByteArray(9, '\0'), 0x00);
            break;
        case SetIp::His:
            m_dev.SendCMD_Set_HIS_IP(ip, mask, gw, {typed, QStringLiteral("255.0.0.0"), QStringLiteral("127.0.0.1")});
            setIp = frameFor(Board::His, 0x05, ip + mask + gw + char(0));
            break;
        }
        if (his) {
            m_dev.SendCMD_Read_His_IP();
            after = frameFor(Board::His, 0x24, QByteArray(13, '\0'));
        } else {
            m_dev.SendCMDHEART();
            after = frameFor(Board::Main, 0x06, {});
        }
    }
    UdpCapture& old = his ? m_his : m_main;
    QVERIFY(old.waitForDatagram());
    const QList<CapturedDatagram> first = old.takeAll();
    QCOMPARE(first.size(), 1);
    QCOMPARE(first.at(0).data, setIp);
    QVERIFY2(moved.waitForDatagram(), "the next command did not reach the address the set-IP command sent");
    QCOMPARE(moved.takeAll().at(0).data, after);
    QCOMPARE(his ? m_dev.on_HIS_IP() : m_dev.on_DevIP(), typed);
}

void tst_command_send::unsetTargetLogsButSendsNothing_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<bool>("his");
    QTest::newRow("device empty") << QString() << false;
    QTest::newRow("device 0.0.0.0") << QStringLiteral("0.0.0.0") << false;
    QTest::newRow("His 0.0.0.0") << QStringLiteral("0.0.0.0") << true;
    QTest::newRow("His empty") << QString() << true;
}

// Linux hands a datagram for 0.0.0.0 to the local host: it would come back on our own port 7000.
void tst_command_send::unsetTargetLogsButSendsNothing()
{
    QFETCH(QString, target);
    QFETCH(bool, his);
    UdpCapture local(QHostAddress::LocalHost, 7000);
    QVERIFY(local.isBound());
    Druvela_workdata d;
    QSignalSpy heart(&d, &Druvela_workdata::on_signals_heartData);
    QSignalSpy stream(&d, &Druvela_workdata::on_signals_StreamData);
    LogCapture capture;
    if (his) {
        d.get_HISTypeID(target, 0xE0, 0xFF);
        d.SendCMD_Read_Url(0x06);
    } else {
        d.get_DevTypeID(target, 0xA5, 0xFF);
        d.SendCMDHEART();
    }
    QCOMPARE(capture.takeAll(), QStringList{his ? commandLine("读取设备上His板URL信息 senbuf的数据", switcherFrame(0xE0, 0xFF, 0x6A, bytes({0x06})))
                                                : commandLine("点击HEART senbuf的数据", switcherFrame(0xA5, 0xFF, 0x06, {}))});
    // A real target behind it arrives alone.
    d.get_DevTypeID(QStringLiteral("127.0.0.1"), 0xA5, 0xFF);
    d.SendCMDCUT();
    QVERIFY(local.waitForDatagram());
    const QList<CapturedDatagram> got = local.takeAll();
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.at(0).data, switcherFrame(0xA5, 0xFF, 0x83, {}));
    QCOMPARE(heart.count() + stream.count(), 0);
}

// The second-board builders write their frame and nothing past it; the URL frame's byte sum passes
// 65535 and only its low 16 bits are stored; the record's leading byte is never sent.
void tst_command_send::hisBuilders()
{
    unsigned char buf[1100];
    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev.CreateMcuUdpDataBuf_ipDns(buf, 0xE0, 0xFF, bytes({8, 8, 8, 8})), quint16(28));
    QCOMPARE(buf[28], quint8(0xCC));
    ST_RTMP_URL rec{0x77, 9, 16, {}, 768, {}};
    std::memset(rec.name, 'N', 16);
    std::memset(rec.rtmp_url, 0xFF, 768);
    QCOMPARE(m_dev.CreateMcuUdpDataBuf_url(buf, 0xE0, 0x7E, rec), quint16(809));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 810),
             switcherFrame(0xE0, 0x7E, 0x67, bytes({0x00, 9, 16}) + QByteArray(16, 'N') + le16(768) + QByteArray(768, char(0xFF))) + char(0xCC));
}

QTEST_GUILESS_MAIN(tst_command_send)
#include "tst_command_send.moc"
