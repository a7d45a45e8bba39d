#pragma once
// The device settings window of the newer panels: GPI, output format, HDR,
// fan, audio values, network settings and the streaming slots.

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <cstdint>

class onlyFun;
class QLabel;
class QValidator;

namespace Ui {
class MainMenu;
}

class MainMenu : public QWidget
{
    Q_OBJECT

public:
    // Room of the slot record's text fields, in encoded bytes.
    static constexpr int kStreamNameBytes = 16;
    static constexpr int kStreamUrlBytes = 768;
    // The slot index and the stream-entry reply are wired this long after construction.
    static constexpr int kStreamWiringDelayMs = 2000;

    // What a stream-entry reply says about the slot.
    struct StreamEntry
    {
        enum Kind {
            NoSlot,  // status other than 0, or a reply too short to name a slot: fields cleared
            Slot,    // index, name and URL follow
            Ignored  // index byte outside 0..7: the reply is not shown at all
        };
        Kind kind = NoSlot;
        int index = -1;
        QString name;
        QString url;
    };
    // Reads a stream-entry reply datagram; never reads past its end.
    static StreamEntry decodeStreamEntry(const QByteArray& data);

    // True for four dot-separated decimal numbers 0..255 (at most three digits each).

    MainMenu(QWidget* parent, onlyFun* fun);
    ~MainMenu() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // Network settings (filled once the panel is bound to its device).
    void getDevIP(QString ip);

    // Device values handed over by the panels' reply decoders.
    void set_GPI1_Value(uint8_t v);
    void set_GPI2_Value(uint8_t v);
    void set_GPI3_Value(uint8_t v);
    void set_GPI4_Value(uint8_t v);
    void set_GPI5_Value(uint8_t v);
    void set_GPI6_Value(uint8_t v);
    void set_fanCtrl_Value(uint8_t v);
    void set_fanSpeed_Value(uint8_t hi, uint8_t lo);
    void set_AudioDelay_Value(uint8_t v);
    void set_LineGain_Value(uint8_t v);
    void set_MIC_Value(uint8_t v);
    void set_HDR_ON_Value(uint8_t v);
    void set_PGM_Style(uint8_t code);
    void setRecStreamValue(uint8_t index, uint8_t rate, uint8_t quality, uint8_t encoding, uint8_t storage);
    void setStreamServer(uint8_t v);
    void setStreamBitRate(uint8_t v);
    void set_Encoding_Value(uint8_t v);
    void set_Qualityty_Value(uint8_t v);
    void set_StorageType_Value(uint8_t v);
    void setVersion(uint8_t a1, uint8_t a2, uint8_t a3, uint8_t a4, uint8_t a5, uint8_t a6, uint8_t a7,
                    uint8_t a8, uint8_t a9, uint8_t a10, uint8_t a11);

    bool streamDnsEnabled() const { return streamDnsEnable; }

signals:
    void saveIP_Signals(const QString& strIP, const QString& strSubnet, const QString& strGateway,
                        uint8_t static_dynamic);
    void saveIP_DNS_Signals(const QString& strIP, const QString& strSubnet, const QString& strGateway,
                            const QString& strNDS, uint8_t static_dynamic);
    void goBack();
    void setStreamData(uint8_t index, uint8_t name_len, char* name, uint16_t url_len, char* rtmp_url);

public slots:
    void readStreamData(const QByteArray& data);

private slots:
    void on_comboBox_fanCtrl_currentTextChanged(const QString& arg1);
    void on_btnSave_clicked();
    void on_comboBoxIPA_currentTextChanged(const QString& arg1);
    void on_btn_back_clicked();
    void on_btn_help_clicked();
    void on_combURL_editingFinished();

private:
    void init();
    void init_connect();
    void applyEditionLook();
    void applyModelRules();
    void wireStreamIndex();

    Ui::MainMenu* ui;
    onlyFun* fun;
    QValidator* ipValidator = nullptr;
    QString strIP;
    QString strSubnet;
    QString strGateway;
    QString strNDS;
    uint8_t static_dynamic = 1;
    bool streamDnsEnable = false;
};
