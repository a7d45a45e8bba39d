// Every send operation of the command layer, checked on the wire: exact bytes, destination and
// source port, and the debug line it writes. Runs on loopback only (127.0.0.2 main/stream board,
// 127.0.0.3 His board).

#include "druvela_workdata.h"
#include "log_capture.h"
#include "reply_frames.h"
#include "udp_capture.h"

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
constexpr int kDevB = 0xFF;
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
void plain(const char* tag, const Op& op, Board board, int cmd, std::initializer_list<int> data, const char* label)
{
    const QByteArray f = frameFor(board, cmd, bytesOf(data));
    Expect e;
    (board == Board::His ? e.his : e.main) << f;
    e.log << commandLine(label, f);
    addRow(tag, op, e);
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
    void goldenFrames();

    void setIpRetargetsAfterItsOwnFrame();
    void devTypeRedirectsMainAndStreamOnly();
    void streamBoardCarriesE0AndDeviceByteB();
    void streamEntryNameShrinks();

    void brokenRecordSendsNothing_data();
    void brokenRecordSendsNothing();
    void unsetTargetLogsButSendsNothing_data();
    void unsetTargetLogsButSendsNothing();
    void addressBytesStartAtZero();

    void hisBuilders();
    void recordFlagFollowsByteA_data();
    void recordFlagFollowsByteA();

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
    const QByteArray mainMarker = frameFor(Board::Main, 0x06, {});
    const QByteArray hisMarker = frameFor(Board::His, 0x6A, bytesOf({0xEE}));
    {
        LogCapture quiet;
        m_dev->SendCMDHEART();
        m_dev->SendCMD_Read_Url(0xEE);
    }
    auto drainUntil = [](UdpCapture* cap, const QByteArray& marker, QList<QByteArray>& out) {
        QElapsedTimer t;
        t.start();
        QList<CapturedDatagram> got;
        while (t.elapsed() < 3000) {
            cap->waitForDatagram(200);
            got += cap->takeAll();
            if (!got.isEmpty() && got.last().data == marker)
                break;
        }
        QVERIFY2(!got.isEmpty() && got.last().data == marker, "marker datagram never arrived");
        got.removeLast();
        for (const CapturedDatagram& d : got) {
            QCOMPARE(d.senderPort, quint16(7000));
            out << d.data;
        }
    };
    drainUntil(m_main, mainMarker, main);
    drainUntil(m_his, hisMarker, his);
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
    {
        const QByteArray f = frameFor(Board::Main, 0x8D, {});
        addRow("SendCMDTRANSITIONS(0, code)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(0, 0x33); },
               {{f}, {}, {commandLine(trans, f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x8E, {});
        addRow("SendCMDTRANSITIONS(1, code)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(1, 0x33); },
               {{f}, {}, {commandLine(trans, f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x92, bytesOf({0x33}));
        addRow("SendCMDTRANSITIONS(2, 0x33)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(2, 0x33); },
               {{f}, {}, {commandLine(trans, f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x92, bytesOf({0x75}));
        addRow("SendCMDTRANSITIONS(11, 0x75)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(11, 0x75); },
               {{f}, {}, {commandLine(trans, f)}});
    }
    addRow("SendCMDTRANSITIONS(12, 5)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(12, 5); }, {});
    addRow("SendCMDTRANSITIONS(255, 5)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(255, 5); }, {});

    addRow("SendCMDTRANSITIONS(0)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(0); }, {});
    addRow("SendCMDTRANSITIONS(7)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(7); }, {});
    {
        const QByteArray f = frameFor(Board::Main, 0x8D, {});
        addRow("SendCMDTRANSITIONS(1)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(1); },
               {{f}, {}, {commandLine(trans, f)}});
        const QByteArray g = frameFor(Board::Main, 0x8E, {});
        addRow("SendCMDTRANSITIONS(2)", [](Druvela_workdata& d) { d.SendCMDTRANSITIONS(2); },
               {{g}, {}, {commandLine(trans, g)}});
    }
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

    {
        const QByteArray f = frameFor(Board::Stream, 0x6C, bytesOf({0x00, 0x03}));
        addRow("SendCMD_SW_SET_STREAM_INDEX", [](Druvela_workdata& d) { d.SendCMD_SW_SET_STREAM_INDEX(3); },
               {{f}, {}, {commandLine("点击SET_STREAM_INDEX senbuf的数据", f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0xB5, bytesOf({0x40, 0xC0}));
        addRow("SendCMDJoystick", [](Druvela_workdata& d) { d.SendCMDJoystick(0x40, 0xC0); }, {{f}, {}, {}});
    }
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
    {
        const QByteArray f = frameFor(Board::Main, 0x05, ip + mask + gw + bytesOf({0x01}), 0x00);
        addRow("SendCMD_SetIP(ip, subnet, gateway, mode, newIp)",
               [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); },
               {{f}, {}, {commandLine("Set IP 无DNS senbuf的数据", f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x05, ip + mask + gw + bytesOf({0x00}) + dns, 0x00);
        addRow("SendCMD_SetIP(ip, subnet, gateway, dns, mode, newIp)",
               [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); },
               {{f}, {}, {commandLine("Set IP 有DNS senbuf的数据", f)}});
    }
    {
        const QByteArray f = frameFor(Board::Main, 0x05, ip + QByteArray(9, '\0'), 0x00);
        addRow("SendCMD_SetIP(ip, newIp)", [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, kMainIp); },
               {{f}, {}, {commandLine("SetHis_IP senbuf的数据", f)}});
    }
    {
        // His byte A is 0xE0 here, so the record frame's flag byte is 0x01.
        const QByteArray f = frameFor(Board::His, 0x05, ip + mask + gw + bytesOf({0x00}), 0x01);
        addRow("SendCMD_Set_HIS_IP",
               [=](Druvela_workdata& d) {
                   d.SendCMD_Set_HIS_IP(ip, mask, gw, {kHisIp, QStringLiteral("255.255.255.0"), QStringLiteral("127.0.0.1")});
               },
               {{}, {f}, {commandLine("设置设备上His板IP、网关、掩码、senbuf的数据", f)}});
    }
    {
        const QByteArray f = frameFor(Board::His, 0x23, dns + bytesOf({0x02, 0x50, 0x3B, 0x8C}));
        addRow("SendCMD_Set_HIS_DNS", [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, QStringLiteral("8.8.4.4")); },
               {{}, {f}, {commandLine("设置设备上His板DNS senbuf的数据", f)}});
    }
    {
        const QByteArray f = frameFor(Board::His, 0x24, QByteArray(13, '\0'), 0x01);
        addRow("SendCMD_Read_His_IP", [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); },
               {{}, {f}, {commandLine("ReadHis_IP senbuf的数据", f)}});
    }
    {
        const QByteArray name("cam-2");
        const QByteArray url("rtmp://127.0.0.9/live/key");
        const QByteArray rec = bytesOf({0x00, 0x02, name.size()}) + padded(name, 16) + le16(url.size()) + padded(url, 768);
        const QByteArray f = frameFor(Board::His, 0x67, rec);
        QCOMPARE(f.size(), 809);
        addRow("SendCMD_Set_Url", [=](Druvela_workdata& d) { d.SendCMD_Set_Url(0x102, name, url); },
               {{}, {f}, {commandLine("设置设备上His板URL信息 senbuf的数据", f)}});
    }
    {
        QByteArray name("abc");
        QByteArray url("rtmp://127.0.0.9/a");
        const QByteArray rec = bytesOf({0x04, name.size()}) + padded(name, 16) + le16(url.size()) + padded(url, 768);
        const QByteArray f = frameFor(Board::Stream, 0x67, rec);
        QCOMPARE(f.size(), 808);
        addRow("SendCMD_SW_SET_STREAM_DATA",
               [=](Druvela_workdata& d) mutable {
                   d.SendCMD_SW_SET_STREAM_DATA(4, static_cast<unsigned char>(name.size()), name.data(),
                                                static_cast<unsigned short>(url.size()), url.data());
               },
               {{f}, {}, {commandLine("点击SET_STREAM_DATA的数据", f)}});
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

// The wire examples the switcher's documentation gives, byte for byte.
void tst_command_send::goldenFrames()
{
    LogCapture capture;
    m_dev->SendCMDCUT();
    QCOMPARE(capture.takeAll(),
             QStringList{QString::fromUtf8("点击CUT切换senbuf的数据 \"a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83 4d 03 ae\"")});
    m_dev->SendCDMPGMCH(3);
    m_dev->SendCMDF1(0x10B);
    QVERIFY(m_main->waitForCount(3));
    const QList<CapturedDatagram> got = m_main->takeAll();
    QCOMPARE(got.at(0).data, QByteArray::fromHex("a5 6c 14 00 a5 ff 01 00 00 00 00 00 00 00 00 00 83 4d 03 ae"));
    QCOMPARE(got.at(1).data.size(), 21);
    QCOMPARE(got.at(1).data.mid(16), QByteArray::fromHex("80034e03ae"));
    QCOMPARE(got.at(2).data.at(17), char(0x0B));
}

void tst_command_send::setIpRetargetsAfterItsOwnFrame()
{
    UdpCapture moved(QHostAddress(QStringLiteral("127.0.0.4")), 7000);
    QVERIFY(moved.isBound());
    QUdpSocket* sock = commandSocketOf(*m_dev);
    QVERIFY(sock);
    {
        LogCapture quiet;
        m_dev->SendCMD_SetIP(bytesOf({127, 0, 0, 4}), bytesOf({255, 0, 0, 0}), bytesOf({127, 0, 0, 1}), 0,
                             QStringLiteral("127.0.0.4"));
        m_dev->SendCMDHEART();
        m_dev->SendCMD_SW_SET_STREAM_INDEX(1);
    }
    QCOMPARE(m_dev->on_DevIP(), QStringLiteral("127.0.0.4"));
    QVERIFY(m_main->waitForDatagram());
    const QList<CapturedDatagram> old = m_main->takeAll();
    QCOMPARE(old.size(), 1);
    QCOMPARE(old.at(0).data.size(), 33);
    QCOMPARE(quint8(old.at(0).data.at(16)), quint8(0x05));

    QVERIFY(moved.waitForCount(2));
    const QList<CapturedDatagram> now = moved.takeAll();
    QCOMPARE(now.at(0).data, frameFor(Board::Main, 0x06, {}));
    QCOMPARE(now.at(1).data, frameFor(Board::Stream, 0x6C, bytesOf({0x00, 0x01})));
    // Same socket, still on port 7000.
    QCOMPARE(now.at(0).senderPort, quint16(7000));
    QCOMPARE(commandSocketOf(*m_dev), sock);
}

void tst_command_send::devTypeRedirectsMainAndStreamOnly()
{
    UdpCapture other(QHostAddress(QStringLiteral("127.0.0.5")), 7000);
    QVERIFY(other.isBound());
    m_dev->get_DevTypeID(QStringLiteral("127.0.0.5"), kDevA, kDevB);
    {
        LogCapture quiet;
        m_dev->SendCMDCUT();
        m_dev->SendCMD_SW_READ_STREAM_DATA(2);
        m_dev->SendCMD_Read_Url(2);
    }
    QVERIFY(other.waitForCount(2));
    const QList<CapturedDatagram> got = other.takeAll();
    QCOMPARE(got.size(), 2);
    QCOMPARE(got.at(0).data, frameFor(Board::Main, 0x83, {}));
    QCOMPARE(got.at(1).data, frameFor(Board::Stream, 0x6A, bytesOf({0x02})));
    QVERIFY(m_his->waitForDatagram());
    QCOMPARE(m_his->takeAll().at(0).data, frameFor(Board::His, 0x6A, bytesOf({0x02})));
    QCOMPARE(m_main->count(), 0);
}

void tst_command_send::streamBoardCarriesE0AndDeviceByteB()
{
    m_dev->get_DevTypeID(kMainIp, 0x11, 0x22);
    {
        LogCapture quiet;
        m_dev->SendCMDFAN_mod(1);
        m_dev->SendCMD_SW_SET_STREAM_INDEX(1);
        m_dev->SendCMD_SW_SET_RTMP_RATE(1, 4);
    }
    QVERIFY(m_main->waitForCount(3));
    const QList<CapturedDatagram> got = m_main->takeAll();
    QCOMPARE(got.at(0).data, switcherFrame(0x11, 0x22, 0x6C, bytesOf({0x01})));
    QCOMPARE(got.at(1).data, switcherFrame(0xE0, 0x22, 0x6C, bytesOf({0x00, 0x01})));
    QCOMPARE(got.at(2).data, switcherFrame(0xE0, 0x22, 0x31, bytesOf({0x01, 0x04})));
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
    QTest::newRow("stream name_len 17") << Op([](Druvela_workdata& d) {
        char name[32] = "seventeen-bytes!!";
        char url[] = "rtmp://x";
        d.SendCMD_SW_SET_STREAM_DATA(1, 17, name, 8, url);
    });
    QTest::newRow("stream url_len 769") << Op([](Druvela_workdata& d) {
        QByteArray url(800, 'u');
        char name[] = "n";
        d.SendCMD_SW_SET_STREAM_DATA(1, 1, name, 769, url.data());
    });
    QTest::newRow("stream null name") << Op([](Druvela_workdata& d) {
        char url[] = "rtmp://x";
        d.SendCMD_SW_SET_STREAM_DATA(1, 4, nullptr, 8, url);
    });
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
    QCOMPARE(got.at(0).data, frameFor(Board::Main, 0x83, {}));
    QCOMPARE(heart.count(), 0);
    QCOMPARE(stream.count(), 0);
}

void tst_command_send::addressBytesStartAtZero()
{
    Druvela_workdata d;
    LogCapture capture;
    d.SendCMDCUT();
    d.SendCMD_Read_Url(1);
    QCOMPARE(capture.takeAll(),
             QStringList({commandLine("点击CUT切换senbuf的数据", switcherFrame(0, 0, 0x83, {})),
                          commandLine("读取设备上His板URL信息 senbuf的数据", switcherFrame(0, 0, 0x6A, bytesOf({1})))}));
    QCOMPARE(d.on_DevIP(), QString());
    QCOMPARE(d.on_HIS_IP(), QString());
}

// The two second-board builders: golden frames, limits, and no write past the frame.
void tst_command_send::hisBuilders()
{
    unsigned char buf[1100];
    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_ipDns(buf, 0xE0, 0xFF, bytesOf({8, 8, 8, 8})), quint16(28));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 29),
             QByteArray::fromHex("a5 6c 1c 00 e0 ff 01 00 00 00 00 00 00 00 00 00 23 08 08 08 08 02 50 3b 8c")
                 + le16(0xA5 + 0x6C + 0x1C + 0xE0 + 0xFF + 1 + 0x23 + 32 + 0x02 + 0x50 + 0x3B + 0x8C) + bytesOf({0xAE, 0xCC}));

    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_ipDns(buf, 0xE0, 0xFF, bytesOf({8, 8, 8})), quint16(0));
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_ipDns(buf, 0xE0, 0xFF, bytesOf({8, 8, 8, 8, 8})), quint16(0));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 40), QByteArray(40, char(0xCC)));

    ST_RTMP_URL rec{};
    rec.reserved = 0x77;  // never sent
    rec.index = 9;
    rec.name_len = 16;
    std::memset(rec.name, 'N', 16);
    rec.url_len = 768;
    std::memset(rec.rtmp_url, 0xFF, 768);
    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_url(buf, 0xE0, 0x7E, rec), quint16(809));
    const QByteArray expected = switcherFrame(0xE0, 0x7E, 0x67,
                                              bytesOf({0x00, 9, 16}) + QByteArray(16, 'N') + le16(768) + QByteArray(768, char(0xFF)));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 809), expected);
    QCOMPARE(buf[809], quint8(0xCC));
    // The byte sum passes 65535 here: only its low 16 bits are stored.
    quint32 sum = 0;
    for (int i = 0; i < 806; ++i)
        sum += buf[i];
    QVERIFY(sum > 0xFFFF);
    QCOMPARE(int(buf[806] | (buf[807] << 8)), int(sum & 0xFFFF));

    rec.name_len = 17;
    std::memset(buf, 0xCC, sizeof buf);
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_url(buf, 0xE0, 0x7E, rec), quint16(0));
    rec.name_len = 16;
    rec.url_len = 769;
    QCOMPARE(m_dev->CreateMcuUdpDataBuf_url(buf, 0xE0, 0x7E, rec), quint16(0));
    QCOMPARE(QByteArray(reinterpret_cast<char*>(buf), 40), QByteArray(40, char(0xCC)));
}

// Byte 6 of the record frames: the IP and stream-entry frames carry 0x00 for the main board's 0xA5
// and 0x01 otherwise; the second board's DNS and URL frames always carry 0x01.
void tst_command_send::recordFlagFollowsByteA_data()
{
    QTest::addColumn<int>("devA");
    QTest::addColumn<int>("hisA");
    QTest::addColumn<Op>("op");
    QTest::addColumn<bool>("toHis");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray ip = bytesOf({10, 1, 2, 3});
    const QByteArray mask = bytesOf({255, 255, 0, 0});
    const QByteArray gw = bytesOf({10, 1, 0, 1});
    const QByteArray dns = bytesOf({1, 0, 0, 1});
    const QStringList texts = {kHisIp, QStringLiteral("255.255.0.0"), QStringLiteral("127.0.0.1")};
    const Op readHis = [](Druvela_workdata& d) { d.SendCMD_Read_His_IP(); };
    const Op setHis = [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_IP(ip, mask, gw, texts); };
    const Op setDns = [=](Druvela_workdata& d) { d.SendCMD_Set_HIS_DNS(dns, QStringLiteral("1.0.0.1")); };
    const Op setUrl = [](Druvela_workdata& d) { d.SendCMD_Set_Url(1, "n", "u"); };
    const Op setIp = [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, 0x01, kMainIp); };
    const Op setIpDns = [=](Druvela_workdata& d) { d.SendCMD_SetIP(ip, mask, gw, dns, 0x00, kMainIp); };

    const QByteArray zeros13(13, '\0');
    const QByteArray ipRec = ip + mask + gw + bytesOf({0x00});
    const QByteArray dnsData = dns + bytesOf({0x02, 0x50, 0x3B, 0x8C});
    const QByteArray urlRec = bytesOf({0x00, 0x01, 0x01}) + padded("n", 16) + le16(1) + padded("u", 768);

    QTest::newRow("Read_His_IP, His A5") << kDevA << 0xA5 << readHis << true
                                         << switcherFrame(0xA5, kHisB, 0x24, zeros13, 0x00);
    QTest::newRow("Read_His_IP, His 30") << kDevA << 0x30 << readHis << true
                                         << switcherFrame(0x30, kHisB, 0x24, zeros13, 0x01);
    QTest::newRow("Set_HIS_IP, His A5") << kDevA << 0xA5 << setHis << true
                                        << switcherFrame(0xA5, kHisB, 0x05, ipRec, 0x00);
    QTest::newRow("Set_HIS_IP, His 30") << kDevA << 0x30 << setHis << true
                                        << switcherFrame(0x30, kHisB, 0x05, ipRec, 0x01);
    QTest::newRow("Set_HIS_DNS, His A5") << kDevA << 0xA5 << setDns << true
                                         << switcherFrame(0xA5, kHisB, 0x23, dnsData, 0x01);
    QTest::newRow("Set_Url, His A5") << kDevA << 0xA5 << setUrl << true
                                     << switcherFrame(0xA5, kHisB, 0x67, urlRec, 0x01);
    QTest::newRow("SetIP, device E0") << 0xE0 << kHisA << setIp << false
                                      << switcherFrame(0xE0, kDevB, 0x05, ip + mask + gw + bytesOf({0x01}), 0x01);
    QTest::newRow("SetIP+DNS, device 11") << 0x11 << kHisA << setIpDns << false
                                          << switcherFrame(0x11, kDevB, 0x05, ipRec + dns, 0x01);
}

void tst_command_send::recordFlagFollowsByteA()
{
    QFETCH(int, devA);
    QFETCH(int, hisA);
    QFETCH(Op, op);
    QFETCH(bool, toHis);
    QFETCH(QByteArray, expected);

    m_dev->get_DevTypeID(kMainIp, quint8(devA), kDevB);
    m_dev->get_HISTypeID(kHisIp, quint8(hisA), kHisB);
    {
        LogCapture quiet;
        op(*m_dev);
    }
    m_dev->get_DevTypeID(kMainIp, kDevA, kDevB);
    m_dev->get_HISTypeID(kHisIp, kHisA, kHisB);
    QList<QByteArray> main, his;
    collect(main, his);
    QCOMPARE(toHis ? his : main, QList<QByteArray>{expected});
    QCOMPARE(toHis ? main : his, QList<QByteArray>());
}

QTEST_GUILESS_MAIN(tst_command_send)
#include "tst_command_send.moc"
