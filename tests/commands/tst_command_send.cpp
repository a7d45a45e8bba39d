// Every send operation of the command layer, checked on the wire: exact bytes, destination and
// source port, and the debug line it writes. Runs on loopback only (127.0.0.2 main/stream board,
// 127.0.0.3 His board).

#include "druvela_workdata.h"
#include "log_capture.h"
#include "reply_frames.h"
#include "marker_frames.h"

#include <QtTest>

#include <cstring>
#include <functional>

using Op = std::function<void(Druvela_workdata&)>;
Q_DECLARE_METATYPE(Op)

namespace {

const QHostAddress kMainHost(QStringLiteral("127.0.0.2"));
const QHostAddress kHisHost(QStringLiteral("127.0.0.3"));
const QString kMainIp = QStringLiteral("127.0.0.2");
const QString kHisIp = QStringLiteral("127.0.0.3");
constexpr int kDevA = 0xA5;
// Not 0xFF, so a frame shows which board's byte B it carries.
constexpr int kDevB = 0xFE;
constexpr int kHisA = 0xE0;
constexpr int kHisB = 0x7E;

enum class Board { Main, Stream, His };

QByteArray frameFor(Board board, int cmd, const QByteArray& data, int flag = 0x01)
{
    switch (board) {
    case Board::Main: return switcherFrame(kDevA, kDevB, cmd, data, flag);
    case Board::Stream: return switcherFrame(0xE0, kDevB, cmd, data, flag);
    case Board::His: return switcherFrame(kHisA, kHisB, cmd, data, flag);
    }
    return {};
}

QByteArray padded(const QByteArray& bytes, int size)
{
    return bytes + QByteArray(size - bytes.size(), '\0');
}

QByteArray le16(int v)
{
    return bytesOf({v & 0xFF, (v >> 8) & 0xFF});
}

// A main-board frame's datagram is the one sent after nothing else on that board, etc.
struct Expect
{
    QList<QByteArray> main;
    QList<QByteArray> his;
    QStringList log;
};

void addRow(const char* tag, const Op& op, const Expect& e)
{
    QTest::newRow(tag) << op << e.main << e.his << e.log;
}

// One frame to one board, one debug line.
void one(const char* tag, const Op& op, Board board, int cmd, const QByteArray& data, const char* label, int flag = 0x01)
{
    const QByteArray f = frameFor(board, cmd, data, flag);
    Expect e;
    (board == Board::His ? e.his : e.main) << f;
    e.log << commandLine(label, f);
    addRow(tag, op, e);
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

void plain(const char* tag, const Op& op, Board board, int cmd, std::initializer_list<int> data, const char* label)
{
    one(tag, op, board, cmd, bytesOf(data), label);
}

} // namespace

class tst_command_send : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void catalogue_data();
    void catalogue();

    void retargeting();
    void streamEntryNameShrinks();

    void brokenRecordSendsNothing_data();
    void brokenRecordSendsNothing();
    void unsetTargetLogsButSendsNothing_data();
    void unsetTargetLogsButSendsNothing();

    void hisBuilders();

private:
    // Sends one marker per board and collects everything up to it.
    void collect(QList<QByteArray>& main, QList<QByteArray>& his);

    Druvela_workdata* m_dev = nullptr;
    UdpCapture* m_main = nullptr;
    UdpCapture* m_his = nullptr;
};

void tst_command_send::initTestCase()
{
    m_dev = new Druvela_workdata;
    m_main = new UdpCapture(kMainHost, 7000);
    m_his = new UdpCapture(kHisHost, 7000);
    QVERIFY(m_main->isBound());
    QVERIFY(m_his->isBound());
    QVERIFY(commandSocketOf(*m_dev));
}

void tst_command_send::init()
{
    m_dev->get_DevTypeID(kMainIp, kDevA, kDevB);
    m_dev->get_HISTypeID(kHisIp, kHisA, kHisB);
    m_main->takeAll();
    m_his->takeAll();
}

void tst_command_send::cleanupTestCase()
{
    delete m_main;
    delete m_his;
    delete m_dev;
}

void tst_command_send::collect(QList<QByteArray>& main, QList<QByteArray>& his)
{
    LogCapture quiet;
    // Marker frames no row sends.
    const QByteArray mainMarker = frameFor(Board::Main, 0xCF, bytesOf({0xEE}));
    const QByteArray hisMarker = frameFor(Board::His, 0x6A, bytesOf({0xEE}));
    const MarkedFrames m = collectUntilMarker(
        *m_main, [this] { m_dev->SendCMDSTILL(0xEE); }, [&](const QByteArray& f) { return f == mainMarker; });
    const MarkedFrames h = collectUntilMarker(
        *m_his, [this] { m_dev->SendCMD_Read_Url(0xEE); }, [&](const QByteArray& f) { return f == hisMarker; });
    QVERIFY2(m.markerSeen && h.markerSeen, "marker datagram never arrived");
    main = m.before;
    his = h.before;
}

void tst_command_send::catalogue_data()
{
    QTest::addColumn<Op>("op");
    QTest::addColumn<QList<QByteArray>>("mainFrames");
    QTest::addColumn<QList<QByteArray>>("hisFrames");
    QTest::addColumn<QStringList>("log");

    plain("SendCDMPGMCH", [](Druvela_workdata& d) { d.SendCDMPGMCH(0x1E); }, Board::Main, 0x80, {0x1E}, "点击PGM通道senbuf的数据");
    plain("SendCMDPVWCH", [](Druvela_workdata& d) { d.SendCMDPVWCH(0x2B); }, Board::Main, 0x81, {0x2B}, "点击PVW通道senbuf的数据");
    plain("SwndCMDslider", [](Druvela_workdata& d) { d.SwndCMDslider(0x38, 0x78); }, Board::Main, 0x82, {0x38, 0x78}, "视频推杆:");
    plain("SendCMDCUT", [](Druvela_workdata& d) { d.SendCMDCUT(); }, Board::Main, 0x83, {}, "点击CUT切换senbuf的数据");
    plain("SendCMDAUTO", [](Druvela_workdata& d) { d.SendCMDAUTO(); }, Board::Main, 0x84, {}, "点击AUTO切换senbuf的数据");
    plain("SendCMDFTB", [](Druvela_workdata& d) { d.SendCMDFTB(); }, Board::Main, 0x85, {}, "FTB senbuf的数据");
    plain("SendCMDRATE", [](Druvela_workdata& d) { d.SendCMDRATE(0x6C); }, Board::Main, 0xB1, {0x6C}, "点击RATE切换特效senbuf的数据");
    plain("SendCMDSRC1", [](Druvela_workdata& d) { d.SendCMDSRC1(0x79); }, Board::Main, 0xB9, {0x79}, "SRC1 senbuf的数据");
    plain("SendCMDSRC2", [](Druvela_workdata& d) { d.SendCMDSRC2(0x86); }, Board::Main, 0xBA, {0x86}, "SRC2 senbuf的数据");
    plain("SendCMDSRC3", [](Druvela_workdata& d) { d.SendCMDSRC3(0x93); }, Board::Main, 0xBB, {0x93}, "SRC3 senbuf的数据");
    plain("SendCMDAux", [](Druvela_workdata& d) { d.SendCMDAux(0xA0); }, Board::Main, 0xC8, {0xA0}, "点击AUX按钮senbuf的数据");
    plain("SendCMDSTILL(0)", [](Druvela_workdata& d) { d.SendCMDSTILL(); }, Board::Main, 0xCF, {}, "STILL senbuf的数据");
    plain("SendCMDSTILL(1)", [](Druvela_workdata& d) { d.SendCMDSTILL(0xBA); }, Board::Main, 0xCF, {0xBA}, "STILL senbuf的数据");
    plain("SendCMDCH1_CH2_MASTER", [](Druvela_workdata& d) { d.SendCMDCH1_CH2_MASTER(0x1C7); }, Board::Main, 0xB3, {0xC7}, "点击CH1_CH2_MASTER senbuf的数据(参数:0-CH1,1-CH2,3-MASTER)");
    plain("SendCMDMIXorAFV", [](Druvela_workdata& d) { d.SendCMDMIXorAFV(0xD4); }, Board::Main, 0xB6, {0xD4}, "点击MIXorAFV senbuf的数据(参数:0-AFV,1-MIX)");
    plain("SendCMDSLIDER", [](Druvela_workdata& d) { d.SendCMDSLIDER(0xE1, 0x21); }, Board::Main, 0xB8, {0xE1, 0x21}, "音频推子 senbuf的数据");
    plain("SendCMDF3", [](Druvela_workdata& d) { d.SendCMDF3(); }, Board::Main, 0xD6, {}, "F3 senbuf的数据");
    plain("SendCMDLINE_VOL", [](Druvela_workdata& d) { d.SendCMDLINE_VOL(); }, Board::Main, 0xDC, {}, "点击LINE senbuf的数据");
    plain("SendCMDMIC_VOL", [](Druvela_workdata& d) { d.SendCMDMIC_VOL(); }, Board::Main, 0xDD, {}, "点击MIC senbuf的数据");
    plain("SendCMDAUDIO_PAGE", [](Druvela_workdata& d) { d.SendCMDAUDIO_PAGE(0x15, 0x55); }, Board::Main, 0xDE, {0x15, 0x55}, "AUDIO_PAGE senbuf的数据");
    plain("SendCMDPIP", [](Druvela_workdata& d) { d.SendCMDPIP(0x22); }, Board::Main, 0x86, {0x22}, "PIP senbuf的数据");
    plain("SendCMDPIP_Border_Enable", [](Druvela_workdata& d) { d.SendCMDPIP_Border_Enable(0x2F); }, Board::Main, 0x9D, {0x2F}, "PIP_Border_Enable senbuf的数据");
    plain("SendCMDPIP_Border_Color", [](Druvela_workdata& d) { d.SendCMDPIP_Border_Color(0x3C); }, Board::Main, 0x9E, {0x3C}, "PIP_Border_Color senbuf的数据");
    plain("SendCMDPIP_Border_Width", [](Druvela_workdata& d) { d.SendCMDPIP_Border_Width(0x49); }, Board::Main, 0x9F, {0x49}, "PIP_Border_Width senbuf的数据");
    plain("SendCMDPIP_H_Position", [](Druvela_workdata& d) { d.SendCMDPIP_H_Position(0x0756); }, Board::Main, 0xA0, {0x56, 0x07}, "PIP_H_Position senbuf的数据");
    plain("SendCMDPIP_V_Position", [](Druvela_workdata& d) { d.SendCMDPIP_V_Position(0x0763); }, Board::Main, 0xA1, {0x63, 0x07}, "PIP_V_Position senbuf的数据");
    plain("SendCMDPIP_Border_Size", [](Druvela_workdata& d) { d.SendCMDPIP_Border_Size(0x70); }, Board::Main, 0xA2, {0x70}, "PIP_Border_Size senbuf的数据");
    plain("SendCMDPOP", [](Druvela_workdata& d) { d.SendCMDPOP(0x7D); }, Board::Main, 0xA7, {0x7D}, "点击POP按钮senbuf的数据");
    plain("SendCMDPOP_Window", [](Druvela_workdata& d) { d.SendCMDPOP_Window(0x8A); }, Board::Main, 0xA8, {0x8A}, "点击POP WINDOW按钮senbuf的数据");
    plain("SendCMDPOP_Border_Enable", [](Druvela_workdata& d) { d.SendCMDPOP_Border_Enable(0x97); }, Board::Main, 0xA9, {0x97}, "点击POP BORDER ENABLE按钮senbuf的数据");
    plain("SendCMDPOP_Border_Color", [](Druvela_workdata& d) { d.SendCMDPOP_Border_Color(0xA4); }, Board::Main, 0xAA, {0xA4}, "点击POP BORDER CLOLOR按钮senbuf的数据");
    plain("SendCMDPOP_Border_Width", [](Druvela_workdata& d) { d.SendCMDPOP_Border_Width(0xB1); }, Board::Main, 0xAB, {0xB1}, "点击POP BORDER WIDTH按钮senbuf的数据");
    plain("SendCMDPOP_H_Position", [](Druvela_workdata& d) { d.SendCMDPOP_H_Position(0x07BE); }, Board::Main, 0xAC, {0xBE, 0x07}, "点击POP H按钮senbuf的数据");
    plain("SendCMDPOP_V_Position", [](Druvela_workdata& d) { d.SendCMDPOP_V_Position(0x07CB); }, Board::Main, 0xAD, {0xCB, 0x07}, "点击POP V 按钮senbuf的数据");
    plain("SendCMD_SET_C0LORBAR", [](Druvela_workdata& d) { d.SendCMD_SET_C0LORBAR(0xD8); }, Board::Main, 0x6B, {0xD8}, "点击SET_C0LORBAR senbuf的数据");
    plain("SendCMDLUMA", [](Druvela_workdata& d) { d.SendCMDLUMA(0xE5); }, Board::Main, 0x8B, {0xE5}, "点击LUMA按钮senbuf的数据");
    plain("SendCMDCHROMA", [](Druvela_workdata& d) { d.SendCMDCHROMA(0xF2); }, Board::Main, 0x8C, {0xF2}, "CHROMA按钮senbuf的数据");
    plain("SendCMDLUMA_LEVEL", [](Druvela_workdata& d) { d.SendCMDLUMA_LEVEL(0xFF); }, Board::Main, 0x94, {0xFF}, "点击luma按钮senbuf的数据");
    plain("SendCMDCHROMA_BK_COLOR", [](Druvela_workdata& d) { d.SendCMDCHROMA_BK_COLOR(0x0C); }, Board::Main, 0x98, {0x0C}, "点击CHROMA_BK按钮senbuf的数据");
    plain("SendCMDCHROMA_LEVEL", [](Druvela_workdata& d) { d.SendCMDCHROMA_LEVEL(0x19); }, Board::Main, 0x99, {0x19}, "点击CHROMA_LEVEL按钮senbuf的数据");
    plain("SendCMDPATTERN", [](Druvela_workdata& d) { d.SendCMDPATTERN(0x26); }, Board::Main, 0xDA, {0x26}, "点击PATTERN按钮senbuf的数据");
    plain("SendCMDCAM_CTRL", [](Druvela_workdata& d) { d.SendCMDCAM_CTRL(0x33); }, Board::Main, 0x70, {0x33}, "点击CAM菜单总开关键按钮senbuf的数据");
    plain("SendCMDCAM_INC", [](Druvela_workdata& d) { d.SendCMDCAM_INC(0x40); }, Board::Main, 0x72, {0x40}, "点击Z+按钮senbuf的数据");
    plain("SendCMDCAM_DEC", [](Druvela_workdata& d) { d.SendCMDCAM_DEC(0x4D); }, Board::Main, 0x73, {0x4D}, "点击Z-按钮senbuf的数据");
    plain("SendCMDCAM_GROUP", [](Druvela_workdata& d) { d.SendCMDCAM_GROUP(0x5A); }, Board::Main, 0x76, {0x5A}, "点击CAM GROUP按钮senbuf的数据");
    plain("SendCMDCAM_FOCUS_INC", [](Druvela_workdata& d) { d.SendCMDCAM_FOCUS_INC(0x67); }, Board::Main, 0x77, {0x67}, "点击CAM_FOCUS_INC按钮senbuf的数据");
    plain("SendCMDCAM_FOCUS_DEC", [](Druvela_workdata& d) { d.SendCMDCAM_FOCUS_DEC(0x74); }, Board::Main, 0x78, {0x74}, "点击CAM_FOCUS_DEC按钮senbuf的数据");
    plain("SendCMDSet_preset(0)", [](Druvela_workdata& d) { d.SendCMDSet_preset(); }, Board::Main, 0x79, {}, "点击Set_preset senbuf的数据");
    plain("SendCMDSet_preset(1)", [](Druvela_workdata& d) { d.SendCMDSet_preset(0x8E); }, Board::Main, 0x79, {0x8E}, "点击Set_preset senbuf的数据");
    plain("SendCMDClear_preset(0)", [](Druvela_workdata& d) { d.SendCMDClear_preset(); }, Board::Main, 0x7A, {}, "点击Clear_preset senbuf的数据");
    plain("SendCMDClear_preset(1)", [](Druvela_workdata& d) { d.SendCMDClear_preset(0xA8); }, Board::Main, 0x7A, {0xA8}, "点击Clear_preset senbuf的数据");
    plain("SendCMDGoto_preset(0)", [](Druvela_workdata& d) { d.SendCMDGoto_preset(); }, Board::Main, 0x7B, {}, "点击Goto_preset senbuf的数据");
    plain("SendCMDGoto_preset(1)", [](Druvela_workdata& d) { d.SendCMDGoto_preset(0xC2); }, Board::Main, 0x7B, {0xC2}, "点击Goto_preset senbuf的数据");
    plain("SendCMDNUMBER_KEY", [](Druvela_workdata& d) { d.SendCMDNUMBER_KEY(0xCF); }, Board::Main, 0x7C, {0xCF}, "点击NUMBER_KEY senbuf的数据");
    plain("SendCMD_CAM_MIENU", [](Druvela_workdata& d) { d.SendCMD_CAM_MIENU(); }, Board::Main, 0x7D, {}, "点击CAM_MIENU senbuf的数据");
    plain("SendCMD_NUMBER_CAM", [](Druvela_workdata& d) { d.SendCMD_NUMBER_CAM(); }, Board::Main, 0x7E, {}, "点击NUMBER_CAM senbuf的数据");
    plain("SendCMD_NUMBER_MON", [](Druvela_workdata& d) { d.SendCMD_NUMBER_MON(); }, Board::Main, 0x7F, {}, "点击NUMBER_MON senbuf的数据");
    plain("SendCMDCAM_INDEX", [](Druvela_workdata& d) { d.SendCMDCAM_INDEX(0x03); }, Board::Main, 0xAF, {0x03}, "点击CAM1~6按钮senbuf的数据");
    plain("SendCMDF2", [](Druvela_workdata& d) { d.SendCMDF2(); }, Board::Main, 0xD2, {}, "F2 senbuf的数据");
    plain("SendCMDROTATE", [](Druvela_workdata& d) { d.SendCMDROTATE(); }, Board::Main, 0xD7, {}, "点击暂停按钮senbuf的数据");
    plain("SendCMDF7", [](Druvela_workdata& d) { d.SendCMDF7(); }, Board::Main, 0xD8, {}, "F7 senbuf的数据");
    plain("SendCMDMenu", [](Druvela_workdata& d) { d.SendCMDMenu(0x37, 0x77); }, Board::Main, 0xD9, {0x37, 0x77}, "点击菜单按钮senbuf的数据");
    plain("SendCMD_SW_SET_RTMP_RATE", [](Druvela_workdata& d) { d.SendCMD_SW_SET_RTMP_RATE(0x44, 0x84); }, Board::Stream, 0x31, {0x44, 0x84}, "点击SendCMD_SW_SET_RTMP_RATE senbuf的数据");
    plain("SendCMD_REC_SET_PLAY_PAUSE", [](Druvela_workdata& d) { d.SendCMD_REC_SET_PLAY_PAUSE(); }, Board::Main, 0x51, {}, "点击REC_SET_PLAY_PAUSE senbuf的数据");
    plain("SendCMD_REC_SET_USB", [](Druvela_workdata& d) { d.SendCMD_REC_SET_USB(); }, Board::Main, 0x52, {}, "点击REC_SET_USB senbuf的数据");
    plain("SendCMD_REC_SET_SSD", [](Druvela_workdata& d) { d.SendCMD_REC_SET_SSD(); }, Board::Main, 0x53, {}, "点击REC_SET_SSD senbuf的数据");
    plain("SendCMD_REC_SET_PRE", [](Druvela_workdata& d) { d.SendCMD_REC_SET_PRE(); }, Board::Main, 0x54, {}, "点击REC_SET_PRE senbuf的数据");
    plain("SendCMD_REC_SET_NEXT", [](Druvela_workdata& d) { d.SendCMD_REC_SET_NEXT(); }, Board::Main, 0x55, {}, "点击REC_SET_NEXT senbuf的数据");
    plain("SendCMD_Read_Url", [](Druvela_workdata& d) { d.SendCMD_Read_Url(0x192); }, Board::His, 0x6A, {0x92}, "读取设备上His板URL信息 senbuf的数据");
    plain("SendCMD_SW_READ_STREAM_DATA", [](Druvela_workdata& d) { d.SendCMD_SW_READ_STREAM_DATA(0x9F); }, Board::Stream, 0x6A, {0x9F}, "点击READ_STREAM_DATA senbuf的数据");
    plain("SendCMDSTREAM", [](Druvela_workdata& d) { d.SendCMDSTREAM(0x1AC); }, Board::Main, 0x87, {0xAC}, "点击RTMP按钮senbuf的数据");
    plain("SendCMDREC", [](Druvela_workdata& d) { d.SendCMDREC(0x1B9); }, Board::Main, 0xB2, {0xB9}, "点击REC按钮senbuf的数据");
    plain("SendCMDPAUSE", [](Druvela_workdata& d) { d.SendCMDPAUSE(); }, Board::Main, 0xC7, {}, "点击暂停按钮senbuf的数据");
    plain("SendCMDHEART", [](Druvela_workdata& d) { d.SendCMDHEART(); }, Board::Main, 0x06, {}, "点击HEART senbuf的数据");
    plain("SendCMDReadDevState", [](Druvela_workdata& d) { d.SendCMDReadDevState(); }, Board::Main, 0x0A, {}, "点击DS按钮senbuf的数据");
    plain("SendCMDRESET", [](Druvela_workdata& d) { d.SendCMDRESET(); }, Board::Main, 0x0B, {}, "点击复位按钮senbuf的数据");
    plain("SendCMDVersion", [](Druvela_workdata& d) { d.SendCMDVersion(); }, Board::Main, 0x49, {}, "读取版本信息senbuf的数据");
    plain("SendCMDFAN_mod", [](Druvela_workdata& d) { d.SendCMDFAN_mod(0x07); }, Board::Main, 0x6C, {0x07}, "点击FAN_mod senbuf的数据");
    plain("SendCMDFAN_speed", [](Druvela_workdata& d) { d.SendCMDFAN_speed(0x0714); }, Board::Main, 0x6D, {0x14, 0x07}, "点击FAN_speed senbuf的数据");
    plain("SendCMDGPI", [](Druvela_workdata& d) { d.SendCMDGPI(0x121, 0x61); }, Board::Main, 0x6E, {0x21, 0x61}, "GPIsenbuf的数据");
    plain("SendCMDF1", [](Druvela_workdata& d) { d.SendCMDF1(0x12E); }, Board::Main, 0xA3, {0x2E}, "F1 分辨率设置 senbuf的数据");
    plain("SendCMDHDR_ON", [](Druvela_workdata& d) { d.SendCMDHDR_ON(0x3B); }, Board::Main, 0xDF, {0x3B}, "点击HDR_ON senbuf的数据");
    plain("SendCMDHDR_CFG", [](Druvela_workdata& d) { d.SendCMDHDR_CFG(0x48); }, Board::Main, 0xE0, {0x48}, "点击HDR_CFG senbuf的数据");

    const char* trans = "TRANSITONS设置 senbuf的数据";
    plain("SendCMDTRANSITIONS(0, code)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(0, 0x33); }, Board::Main, 0x8D, {}, trans);
    plain("SendCMDTRANSITIONS(1, code)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(1, 0x33); }, Board::Main, 0x8E, {}, trans);
    plain("SendCMDTRANSITIONS(2, 0x33)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(2, 0x33); }, Board::Main, 0x92, {0x33}, trans);
    plain("SendCMDTRANSITIONS(11, 0x75)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(11, 0x75); }, Board::Main, 0x92, {0x75}, trans);
    addRow("SendCMDTRANSITIONS(12, 5)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(12, 5); }, {});
    addRow("SendCMDTRANSITIONS(255, 5)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(255, 5); }, {});
    addRow("SendCMDTRANSITIONS(0)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(0); }, {});
    addRow("SendCMDTRANSITIONS(7)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(7); }, {});
    plain("SendCMDTRANSITIONS(1)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(1); }, Board::Main, 0x8D, {}, trans);
    plain("SendCMDTRANSITIONS(2)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(2); }, Board::Main, 0x8E, {}, trans);
    const QByteArray wipe = frameFor(Board::Main, 0x8F, {});
    const struct { const char* tag; int t; int code; } wipes[] = {
        {"SendCMDTRANSITIONS(3)", 3, 0x25},
        {"SendCMDTRANSITIONS(4)", 4, 0x29},
        {"SendCMDTRANSITIONS(5)", 5, 0x23},
        {"SendCMDTRANSITIONS(6)", 6, 0x27},
    };
    for (const auto& w : wipes) {
        const QByteArray f = frameFor(Board::Main, 0x92, bytesOf({w.code}));
        const unsigned char t = static_cast<unsigned char>(w.t);
        addRow(w.tag, [t](Druvela_workdata& d) { d.SendCMDTRANSITIONS(t); },
               {{wipe, f}, {}, {commandLine("SET_WIPE senbuf的数据", wipe), commandLine(trans, f)}});
    }
    addRow("SET_WIPE", [](Druvela_workdata& d) { d.SET_WIPE(); },
           {{wipe}, {}, {commandLine("SET_WIPE senbuf的数据", wipe)}});

    plain("SendCMD_SW_SET_STREAM_INDEX", [](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_INDEX(3); }, Board::Stream, 0x6C, {0x00, 0x03}, "点击SET_STREAM_INDEX senbuf的数据");
    addRow("SendCMDJoystick", [](Druvela_workdata& d) { d.SendCMDJoystick(0x40, 0xC0); },
           {{frameFor(Board::Main, 0xB5, bytesOf({0x40, 0xC0}))}, {}, {}});
    {
        const QByteArray f = frameFor(Board::Main, 0x75, bytesOf({0x02}));
        addRow("SendCMDCAM_POSITION", [](Druvela_workdata& d) { d.SendCMDCAM_POSITION(2); },
               {{f}, {}, {QString::fromUtf8("点击CAM方向键senbuf的数据"),
                          QLatin1Char('"') + QString::fromLatin1(f.toHex(' ')) + QLatin1Char('"')}});
    }
    const QStringList patternItems = {
        QString::fromUtf8("0设置PATTERN的类型\t{0,9}"),
        QString::fromUtf8("1设置PATTERN水平位置\t{0,1920}"),
        QString::fromUtf8("2设置PATTERN垂直位置\t{0,1080}"),
        QString::fromUtf8("3设置PATTERN大小\t{10,1080}"),
        QString::fromUtf8("4设置PATTE水平拉伸\t{0,255}"),
        QString::fromUtf8("5设置PATTE垂直拉伸\t{0,255}"),
        QString::fromUtf8("6设置PATTERN个数\t{0,5}"),
    };
    {
        const QByteArray f = frameFor(Board::Main, 0xDB, bytesOf({0x02, 0x1C, 0x02}));
        addRow("SendCMDPATTERN_PAGE(2, 540)", [](Druvela_workdata& d) { d.SendCMDPATTERN_PAGE(2, 540); },
               {{f}, {}, QStringList{commandLine("点击SendCMDPATTERN_PAGE按钮senbuf的数据", f)} + patternItems
                            + QStringList{QString::fromUtf8("PATTERN的INDEX\t02")}});
        const QByteArray g = frameFor(Board::Main, 0xDB, bytesOf({0x0B, 0x0A, 0x00}));
        addRow("SendCMDPATTERN_PAGE(0x10B, 10)", [](Druvela_workdata& d) { d.SendCMDPATTERN_PAGE(0x10B, 10); },
               {{g}, {}, QStringList{commandLine("点击SendCMDPATTERN_PAGE按钮senbuf的数据", g)} + patternItems
                            + QStringList{QString::fromUtf8("PATTERN的INDEX\t10b")}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x71, bytesOf({0x03, 0x40}));
        addRow("SendCMDCAM_CTRL_PAGE", [](Druvela_workdata& d) { d.SendCMDCAM_CTRL_PAGE(3, 64); },
               {{f}, {}, {commandLine("更新CAM菜单页面里的数据senbuf的数据", f),
                          QString::fromUtf8("0设置CAM地址\t{1,6}"),
                          QString::fromUtf8("1设置CAM通信波特率\t{0,10}"),
                          QString::fromUtf8("2设置CAM通信协议\t{0,2}"),
                          QString::fromUtf8("3设置CAM控制转动速率\t{0,64}"),
                          QString::fromUtf8("4设置ZOOM按键功能复用\t{0,1}")}});
    }

    // Record-carrying commands.
    const QByteArray ip = bytesOf({192, 168, 1, 50});
    const QByteArray mask = bytesOf({255, 255, 255, 0});
    const QByteArray gw = bytesOf({192, 168, 1, 1});
    const QByteArray dns = bytesOf({8, 8, 4, 4});
    one("SendCMD_SetIP(ip, subnet, gateway, mode, newIp)", [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); },
        Board::Main, 0x05, ip + mask + gw + bytesOf({0x01}), "Set IP 无DNS senbuf的数据", 0x00);
    one("SendCMD_SetIP(ip, subnet, gateway, dns, mode, newIp)", [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); },
        Board::Main, 0x05, ip + mask + gw + bytesOf({0x00}) + dns, "Set IP 有DNS senbuf的数据", 0x00);
    one("SendCMD_SetIP(ip, newIp)", [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, kMainIp); },
        Board::Main, 0x05, ip + QByteArray(9, '\0'), "SetHis_IP senbuf的数据", 0x00);
    // His byte A is 0xE0 here, so the record frame's flag byte is 0x01.
    one("SendCMD_Set_HIS_IP", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(ip, mask, gw, {kHisIp, "255.255.255.0", "127.0.0.1"}); },
        Board::His, 0x05, ip + mask + gw + bytesOf({0x00}), "设置设备上His板IP、网关、掩码、senbuf的数据");
    one("SendCMD_Set_HIS_DNS", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, QStringLiteral("8.8.4.4")); },
        Board::His, 0x23, dns + bytesOf({0x02, 0x50, 0x3B, 0x8C}), "设置设备上His板DNS senbuf的数据");
    one("SendCMD_Read_His_IP", [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); },
        Board::His, 0x24, QByteArray(13, '\0'), "ReadHis_IP senbuf的数据");
    // Byte 6 of the record frames: the IP frames carry 0x00 for byte A 0xA5 and 0x01 otherwise; the
    // second board's DNS and URL frames always carry 0x01.
    const struct { const char* tag; int devA; int hisA; Op op; bool his; int cmd; QByteArray data; int flag; const char* label; } flags[] = {
        {"Read_His_IP, His A5", kDevA, 0xA5, [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); }, true, 0x24, QByteArray(13, '\0'), 0x00, "ReadHis_IP senbuf的数据"},
        {"Set_HIS_IP, His A5", kDevA, 0xA5, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(ip, mask, gw, {kHisIp, "255.255.0.0", "127.0.0.1"}); },
         true, 0x05, ip + mask + gw + bytesOf({0x00}), 0x00, "设置设备上His板IP、网关、掩码、senbuf的数据"},
        {"Set_HIS_DNS, His A5", kDevA, 0xA5, [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, "8.8.4.4"); },
         true, 0x23, dns + bytesOf({0x02, 0x50, 0x3B, 0x8C}), 0x01, "设置设备上His板DNS senbuf的数据"},
        {"Set_Url, His A5", kDevA, 0xA5, [](Druvela_workdata& d) { d.SendCMD_Set_Url(1, "n", "u"); },
         true, 0x67, bytesOf({0x00, 0x01, 0x01}) + padded("n", 16) + le16(1) + padded("u", 768), 0x01, "设置设备上His板URL信息 senbuf的数据"},
        {"SetIP, device E0", 0xE0, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); },
         false, 0x05, ip + mask + gw + bytesOf({0x01}), 0x01, "Set IP 无DNS senbuf的数据"},
        {"SetIP+DNS, device 11", 0x11, kHisA, [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); },
         false, 0x05, ip + mask + gw + bytesOf({0x00}) + dns, 0x01, "Set IP 有DNS senbuf的数据"},
    };
    for (const auto& r : flags) {
        const QByteArray f = switcherFrame(r.his ? r.hisA : r.devA, r.his ? kHisB : kDevB, r.cmd, r.data, r.flag);
        addRow(r.tag, withBytesA(r.devA, r.hisA, r.op), {r.his ? QList<QByteArray>() : QList<QByteArray>{f},
                                                         r.his ? QList<QByteArray>{f} : QList<QByteArray>(),
                                                         {commandLine(r.label, f)}});
    }
    {
        const QByteArray name("cam-2");
        const QByteArray url("rtmp://127.0.0.9/live/key");
        const QByteArray rec = bytesOf({0x00, 0x02, name.size()}) + padded(name, 16) + le16(url.size()) + padded(url, 768);
        one("SendCMD_Set_Url", [=](Druvela_workdata& d) { d.SendCMD_Set_Url(0x102, name, url); }, Board::His, 0x67, rec,
            "设置设备上His板URL信息 senbuf的数据");
    }
    {
        QByteArray name("abc");
        QByteArray url("rtmp://127.0.0.9/a");
        const QByteArray rec = bytesOf({0x04, name.size()}) + padded(name, 16) + le16(url.size()) + padded(url, 768);
        one("SendCMD_SW_SET_STREAM_DATA",
            [=](Druvela_workdata& d) mutable { d.SendCMD_SW_SET_STREAM_DATA(4, 3, name.data(), quint16(url.size()), url.data()); },
            Board::Stream, 0x67, rec, "点击SET_STREAM_DATA的数据");
    }
}

void tst_command_send::catalogue()
{
    QFETCH(Op, op);
    QFETCH(QList<QByteArray>, mainFrames);
    QFETCH(QList<QByteArray>, hisFrames);
    QFETCH(QStringList, log);

    QStringList lines;
    {
        LogCapture capture;
        op(*m_dev);
        lines = capture.takeAll();
    }
    QCOMPARE(lines, log);

    QList<QByteArray> main, his;
    collect(main, his);
    QCOMPARE(main, mainFrames);
    QCOMPARE(his, hisFrames);
}

// A new device address moves the main and stream board frames, not the His board's; SetIP moves it
// only after its own frame has gone to the old address. The same socket keeps sending from port 7000.
void tst_command_send::retargeting()
{
    UdpCapture moved(QHostAddress(QStringLiteral("127.0.0.4")), 7000);
    UdpCapture other(QHostAddress(QStringLiteral("127.0.0.5")), 7000);
    QVERIFY(moved.isBound() && other.isBound());
    QUdpSocket* sock = commandSocketOf(*m_dev);
    QVERIFY(sock);
    {
        LogCapture quiet;
        m_dev->SendCMD_SetIP(bytesOf({127, 0, 0, 4}), bytesOf({255, 0, 0, 0}), bytesOf({127, 0, 0, 1}), 0,
                             QStringLiteral("127.0.0.4"));
        m_dev->SendCMDHEART();
        m_dev->SendCMD_SW_SET_STREAM_INDEX(1);
        m_dev->get_DevTypeID(QStringLiteral("127.0.0.5"), kDevA, kDevB);
        m_dev->SendCMDCUT();
        m_dev->SendCMD_SW_READ_STREAM_DATA(2);
        m_dev->SendCMD_Read_Url(2);
    }
    QCOMPARE(sock, commandSocketOf(*m_dev));
    QVERIFY(m_main->waitForDatagram());
    const QList<CapturedDatagram> old = m_main->takeAll();
    QCOMPARE(old.size(), 1);
    QCOMPARE(old.at(0).data.size(), 33);
    QCOMPARE(quint8(old.at(0).data.at(16)), quint8(0x05));

    QVERIFY(moved.waitForCount(2));
    const QList<CapturedDatagram> now = moved.takeAll();
    QCOMPARE(now.at(0).data, frameFor(Board::Main, 0x06, {}));
    QCOMPARE(now.at(1).data, frameFor(Board::Stream, 0x6C, bytesOf({0x00, 0x01})));
    QCOMPARE(now.at(0).senderPort, quint16(7000));

    QVERIFY(other.waitForCount(2));
    const QList<CapturedDatagram> got = other.takeAll();
    QCOMPARE(got.at(0).data, frameFor(Board::Main, 0x83, {}));
    QCOMPARE(got.at(1).data, frameFor(Board::Stream, 0x6A, bytesOf({0x02})));
    QVERIFY(m_his->waitForDatagram());
    QCOMPARE(m_his->takeAll().at(0).data, frameFor(Board::His, 0x6A, bytesOf({0x02})));
}

void tst_command_send::streamEntryNameShrinks()
{
    QByteArray longName("ten-bytes!");
    QByteArray shortName("abc");
    QByteArray longUrl("rtmp://127.0.0.9/a-rather-long-path");
    QByteArray shortUrl("rtmp://x");
    {
        LogCapture quiet;
        m_dev->SendCMD_SW_SET_STREAM_DATA(1, 10, longName.data(), quint16(longUrl.size()), longUrl.data());
        m_dev->SendCMD_SW_SET_STREAM_DATA(2, 3, shortName.data(), quint16(shortUrl.size()), shortUrl.data());
    }
    QVERIFY(m_main->waitForCount(2));
    const QByteArray f = m_main->takeAll().at(1).data;
    QCOMPARE(f.size(), 808);
    QCOMPARE(f.mid(17, 2), bytesOf({0x02, 0x03}));
    QCOMPARE(f.mid(19, 16), padded(shortName, 16));
    QCOMPARE(f.mid(35, 2), le16(shortUrl.size()));
    QCOMPARE(f.mid(37, 768), padded(shortUrl, 768));
}

void tst_command_send::brokenRecordSendsNothing_data()
{
    QTest::addColumn<Op>("op");
    const QByteArray four = bytesOf({10, 0, 0, 1});
    const QByteArray three = bytesOf({10, 0, 0});
    const QStringList his = {QStringLiteral("127.0.0.9"), QStringLiteral("255.0.0.0"), QStringLiteral("127.0.0.1")};

    QTest::newRow("SetIP short ip") << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(three, four, four, 0, "127.0.0.9"); });
    QTest::newRow("SetIP short subnet") << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(four, three, four, 0, "127.0.0.9"); });
    QTest::newRow("SetIP short gateway") << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(four, four, three, 0, "127.0.0.9"); });
    QTest::newRow("SetIP+DNS short dns")
        << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(four, four, four, three, 0, "127.0.0.9"); });
    QTest::newRow("SetIP+DNS empty ip")
        << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(QByteArray(), four, four, four, 0, "127.0.0.9"); });
    QTest::newRow("SetIP address only, short") << Op([=](Druvela_workdata& d) { d.SendCMD_SetIP(three, "127.0.0.9"); });
    QTest::newRow("His IP short gateway") << Op([=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(four, four, three, his); });
    QTest::newRow("His IP two texts") << Op([=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(four, four, four, his.mid(0, 2)); });
    QTest::newRow("His DNS 3 bytes") << Op([=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(three, "9.9.9.9"); });
    QTest::newRow("His DNS 5 bytes") << Op([=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(four + four.left(1), "9.9.9.9"); });
    QTest::newRow("His URL name 17") << Op([](Druvela_workdata& d) { d.SendCMD_Set_Url(1, QByteArray(17, 'n'), "rtmp://x"); });
    QTest::newRow("His URL url 769") << Op([](Druvela_workdata& d) { d.SendCMD_Set_Url(1, "n", QByteArray(769, 'u')); });
    static char name[32] = "seventeen-bytes!!";
    static char url[800] = "rtmp://x";
    QTest::newRow("stream name_len 17") << Op([](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 17, name, 8, url); });
    QTest::newRow("stream url_len 769") << Op([](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 1, name, 769, url); });
    QTest::newRow("stream null name") << Op([](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_DATA(1, 4, nullptr, 8, url); });
}

void tst_command_send::brokenRecordSendsNothing()
{
    QFETCH(Op, op);
    m_dev->get_HIS_INFO(kHisIp, QStringLiteral("s"), QStringLiteral("g"), QStringLiteral("d"));
    QStringList lines;
    {
        LogCapture capture;
        op(*m_dev);
        lines = capture.takeAll();
    }
    QVERIFY2(lines.isEmpty(), qPrintable(lines.join('\n')));
    // No retargeting either: the device never heard of the new address.
    QCOMPARE(m_dev->on_DevIP(), kMainIp);
    QCOMPARE(m_dev->on_HIS_IP(), kHisIp);
    QCOMPARE(m_dev->on_HIS_Subnet(), QStringLiteral("s"));
    QCOMPARE(m_dev->on_HIS_DNS(), QStringLiteral("d"));
    QList<QByteArray> main, his;
    collect(main, his);
    QCOMPARE(main, QList<QByteArray>());
    QCOMPARE(his, QList<QByteArray>());
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
    QStringList lines;
    {
        LogCapture capture;
        if (his) {
            d.get_HISTypeID(target, 0xE0, 0xFF);
            d.SendCMD_Read_Url(0x06);
        } else {
            d.get_DevTypeID(target, 0xA5, 0xFF);
            d.SendCMDHEART();
        }
        lines = capture.takeAll();
    }
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.at(0), his ? commandLine("读取设备上His板URL信息 senbuf的数据", switcherFrame(0xE0, 0xFF, 0x6A, bytesOf({0x06})))
                              : commandLine("点击HEART senbuf的数据", switcherFrame(0xA5, 0xFF, 0x06, {})));

    LogCapture quiet;
    d.get_DevTypeID(QStringLiteral("127.0.0.1"), 0xA5, 0xFF);
    d.SendCMDCUT();
    QVERIFY(local.waitForDatagram());
    const QList<CapturedDatagram> got = local.takeAll();
    QCOMPARE(got.size(), 1);
    QCOMPARE(got.at(0).data, switcherFrame(0xA5, 0xFF, 0x83, {}));
    QCOMPARE(heart.count(), 0);
    QCOMPARE(stream.count(), 0);
}

// The second-board builders write their frame and nothing past it.
void tst_command_send::hisBuilders()
{
    unsigned char buf[1100];
    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_ipDns(buf, 0xE0, 0xFF, bytesOf({8, 8, 8, 8})), quint16(28));
    QCOMPARE(buf[28], quint8(0xCC));

    ST_RTMP_URL rec{};
    rec.reserved = 0x77;  // never sent
    rec.index = 9;
    rec.name_len = 16;
    std::memset(rec.name, 'N', 16);
    rec.url_len = 768;
    std::memset(rec.rtmp_url, 0xFF, 768);  // the byte sum passes 65535: only its low 16 bits are stored
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_url(buf, 0xE0, 0x7E, rec), quint16(809));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 810),
             switcherFrame(0xE0, 0x7E, 0x67, bytesOf({0x00, 9, 16}) + QByteArray(16, 'N') + le16(768) + QByteArray(768, char(0xFF)))
                 + char(0xCC));
}

QTEST_GUILESS_MAIN(tst_command_send)
#include "tst_command_send.moc"
