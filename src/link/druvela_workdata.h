#pragma once
// The command layer of one switcher: one send operation per device command, three targets
// inside the switcher (main board, stream board, His board) and the dispatch of its replies.

#include "switcher_data.h"

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <initializer_list>

class QUdpSocket;

class Druvela_workdata : public SWITCHER_DATA
{
    Q_OBJECT
public:
    // Frame byte 4 of every stream-board command.
    static constexpr unsigned char STREAM_BOARD_A = MCU_UDP_FRAME::ADDR_STREAM;

    explicit Druvela_workdata(QObject* parent = nullptr);
    ~Druvela_workdata() override;

    // Targets. None of these sends a frame or rebinds the socket.
    void get_DevTypeID(QString ip, unsigned char a, unsigned char b);
    void get_HISTypeID(QString ip, unsigned char a, unsigned char b);
    void get_HIS_INFO(QString ip, QString subnet, QString gateway, QString dns);
    QString on_DevIP() const;
    QString on_HIS_IP() const;
    QString on_HIS_Subnet() const;
    QString on_HIS_Gateway() const;
    QString on_HIS_DNS() const;

    // Second-board record frames. Return the frame length, or 0 when the record breaks a field
    // limit (DNS not exactly 4 bytes; name over 16 or URL over 768 bytes); buf is then untouched.
    quint16 CreateMcuUdpDataBuf_ipDns(void* buf, unsigned char a, unsigned char b, QByteArray const& dns);
    quint16 CreateMcuUdpDataBuf_url(void* buf, unsigned char a, unsigned char b, ST_RTMP_URL& url);

    // Buses, transitions and still.
    void SendCDMPGMCH(unsigned char ch);
    void SendCMDPVWCH(unsigned char ch);
    void SwndCMDslider(unsigned char direction, unsigned char position);
    void SendCMDCUT();
    void SendCMDAUTO();
    void SendCMDFTB();
    void SendCMDTRANSITIONS(unsigned char mode, unsigned char code);
    void SendCMDTRANSITIONS(unsigned char t);
    void SET_WIPE();
    void SendCMDRATE(unsigned char rate);
    void SendCMDSRC1(unsigned char src);
    void SendCMDSRC2(unsigned char src);
    void SendCMDSRC3(unsigned char src);
    void SendCMDAux(unsigned char state);
    void SendCMDSTILL();
    void SendCMDSTILL(unsigned char state);

    // Audio.
    void SendCMDCH1_CH2_MASTER(int channel);
    void SendCMDMIXorAFV(unsigned char mode);
    void SendCMDSLIDER(unsigned char channel, unsigned char level);
    void SendCMDF3();
    void SendCMDLINE_VOL();
    void SendCMDMIC_VOL();
    void SendCMDAUDIO_PAGE(unsigned char item, unsigned char value);

    // PIP and POP.
    void SendCMDPIP(unsigned char state);
    void SendCMDPIP_Border_Enable(unsigned char state);
    void SendCMDPIP_Border_Color(unsigned char colour);
    void SendCMDPIP_Border_Width(unsigned char width);
    void SendCMDPIP_H_Position(unsigned short pos);
    void SendCMDPIP_V_Position(unsigned short pos);
    void SendCMDPIP_Border_Size(unsigned char size);
    void SendCMDPOP(unsigned char state);
    void SendCMDPOP_Window(unsigned char window);
    void SendCMDPOP_Border_Enable(unsigned char state);
    void SendCMDPOP_Border_Color(unsigned char colour);
    void SendCMDPOP_Border_Width(unsigned char width);
    void SendCMDPOP_H_Position(unsigned short pos);
    void SendCMDPOP_V_Position(unsigned short pos);

    // Keys and pattern.
    void SendCMD_SET_C0LORBAR(unsigned char state);
    void SendCMDLUMA(unsigned char state);
    void SendCMDCHROMA(unsigned char state);
    void SendCMDLUMA_LEVEL(unsigned char level);
    void SendCMDCHROMA_BK_COLOR(unsigned char colour);
    void SendCMDCHROMA_LEVEL(unsigned char level);
    void SendCMDPATTERN(unsigned char state);
    void SendCMDPATTERN_PAGE(int item, unsigned short value);

    // Camera control.
    void SendCMDCAM_CTRL(unsigned char state);
    void SendCMDCAM_CTRL_PAGE(unsigned char item, unsigned char value);
    void SendCMDCAM_INC(unsigned char state);
    void SendCMDCAM_DEC(unsigned char state);
    void SendCMDCAM_POSITION(unsigned char direction);
    void SendCMDCAM_GROUP(unsigned char state);
    void SendCMDCAM_FOCUS_INC(unsigned char state);
    void SendCMDCAM_FOCUS_DEC(unsigned char state);
    void SendCMDSet_preset();
    void SendCMDSet_preset(unsigned char state);
    void SendCMDClear_preset();
    void SendCMDClear_preset(unsigned char state);
    void SendCMDGoto_preset();
    void SendCMDGoto_preset(unsigned char state);
    void SendCMDNUMBER_KEY(unsigned char number);
    void SendCMD_CAM_MIENU();
    void SendCMD_NUMBER_CAM();
    void SendCMD_NUMBER_MON();
    void SendCMDCAM_INDEX(unsigned char camera);
    void SendCMDJoystick(unsigned char x, unsigned char y);

    // Menu and function keys.
    void SendCMDF2();
    void SendCMDROTATE();
    void SendCMDF7();
    void SendCMDMenu(unsigned char key, unsigned char state);

    // Recording and streaming.
    void SendCMD_SW_SET_RTMP_RATE(unsigned char selector, unsigned char value);
    void SendCMD_REC_SET_PLAY_PAUSE();
    void SendCMD_REC_SET_USB();
    void SendCMD_REC_SET_SSD();
    void SendCMD_REC_SET_PRE();
    void SendCMD_REC_SET_NEXT();
    void SendCMD_Set_Url(int index, QByteArray const& name, QByteArray const& url);
    void SendCMD_SW_SET_STREAM_DATA(unsigned char index, unsigned char name_len, char* name,
                                    unsigned short url_len, char* rtmp_url);
    void SendCMD_Read_Url(int index);
    void SendCMD_SW_READ_STREAM_DATA(unsigned char index);
    void SendCMD_SW_SET_STREAM_INDEX(unsigned char index);
    void SendCMDSTREAM(int state);
    void SendCMDREC(int state);
    void SendCMDPAUSE();

    // Network settings. The SetIP variants and the His setters retarget after their own frame: to the
    // address bytes the frame carries, while on_DevIP / on_HIS_IP keep the text as given.
    void SendCMD_SetIP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                       unsigned char static_dynamic, QString newIp);
    void SendCMD_SetIP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                       QByteArray const& dns, unsigned char static_dynamic, QString newIp);
    void SendCMD_SetIP(QByteArray const& ip, QString newIp);
    void SendCMD_Set_HIS_IP(QByteArray const& ip, QByteArray const& subnet, QByteArray const& gateway,
                            QStringList texts);
    void SendCMD_Set_HIS_DNS(QByteArray const& dns, QString text);
    void SendCMD_Read_His_IP();

    // System.
    void SendCMDHEART();
    void SendCMDReadDevState();
    void SendCMDRESET();
    void SendCMDVersion();
    void SendCMDFAN_mod(unsigned char mode);
    void SendCMDFAN_speed(unsigned short speed);
    void SendCMDGPI(int gpi, unsigned char function);
    void SendCMDF1(int code);
    void SendCMDHDR_ON(unsigned char state);
    void SendCMDHDR_CFG(unsigned char cfg);

    // Reply side: the size window, then the classification into the signals below.
    void CheckReceiveData(QByteArray const& data);
    void AnalysisData(QByteArray const& data);

public slots:
    void ReceiveData();

signals:
    void on_signals_allData(QByteArray const& by);
    void on_signals_tx_sliderData(QByteArray const& by);
    void on_signals_pop_stateData(QByteArray const& by);
    void on_signals_version_stateData(QByteArray const& by);
    void on_signals_heartData(QByteArray const& by);
    void on_signals_StreamData(QByteArray const& by);
    // The His board's answers to its reads (his_replies.h), known by its own address bytes.
    void on_signals_HisInfoData(QByteArray const& by);
    void on_signals_HisUrlData(QByteArray const& by);

private:
    enum class Board { Main, Stream, His };
    enum class LogStyle { OneLine, TwoLines, None };

    void initUdp();
    unsigned char boardA(Board board) const;
    unsigned char boardB(Board board) const;
    // Builds the 20..23-byte frame for up to three data bytes, logs it and sends it.
    void sendShort(Board board, const char* label, unsigned char cmd,
                   std::initializer_list<unsigned char> data, LogStyle style = LogStyle::OneLine);
    // A 16-bit value (position, speed) to the main board, low byte first.
    void sendLe16(const char* label, unsigned char cmd, quint16 value);
    // A settings-page command: its line, then the page's item list.
    void sendPageCommand(const char* label, unsigned char cmd, std::initializer_list<unsigned char> data,
                         std::initializer_list<const char*> items);
    // Logs a built frame and sends it to the board's address.
    void sendFrame(Board board, const char* label, const unsigned char* frame, int len,
                   LogStyle style = LogStyle::OneLine);
    // ip is the text the owners read back; to is where the board's commands go from now on.
    void setDevIp(const QString& ip, const QHostAddress& to);
    void setHisIp(const QString& ip, const QHostAddress& to);

    QString m_devIP;
    unsigned char m_devA = 0;
    unsigned char m_devB = 0;
    QUdpSocket* m_cmdSocket = nullptr;
    QString m_hisIP;
    QString m_hisSubnet;
    QString m_hisGateway;
    QString m_hisDNS;
    unsigned char m_hisA = 0;
    unsigned char m_hisB = 0;
    SET_DEV_IP m_devIpRec{};
    SET_DEV_IP m_hisIpRec{};
    rtmp_settings m_streamRec{};
    SET_DEV_IP_DNS m_devIpDnsRec{};

    // Where the two targets' commands go: the parsed target text, or after a set-IP command the
    // address bytes it carried; null when that names no host we may send to.
    QHostAddress m_devAddr;
    QHostAddress m_hisAddr;
};
