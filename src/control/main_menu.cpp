#include "main_menu.h"
#include "ui_main_menu.h"

#include "bytes.h"
#include "ipv4_text.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "support_page.h"
#include "widget_show.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QListView>
#include <QTimer>

namespace {

const char kWhiteLabel[] =
    "width: 100px;height: 16px;font-family: 'Arial';font-style: normal;font-weight: 400;font-size: 14px;"
    "line-height: 16px;color: #FFFFFF;";
const char kGreyLabel[] =
    "width: 100px;height: 16px;font-family: 'Arial';font-style: normal;font-weight: 400;font-size: 14px;"
    "line-height: 16px;color: #787878;";

const char kLineEditStyle[] =
    "QLineEdit{padding: 12px 15px 12px 15px;border-radius: 5px;border: 1px solid #8D8D8D;"
    "background-color: rgba(0,0,0,0);font-family: Arial;font-size: 14px;font-weight: 500;line-height: 16px;"
    "text-align: center;color: #FFFFFF;}";

// Everything of the edition style sheet but the background picture: the
// controls look as on the small settings pages.
QString editionControls()
{
    return QString::fromLatin1(pageframe::kSpinStyle) + QString::fromLatin1(kLineEditStyle)
        + QString::fromLatin1(pageframe::kComboStyle);
}

const char kVyBackground[] = "QWidget#MainMenu{background-image:url(:/images/4k/default/settings_zv_vy.png);}";
const char k4kBackground[] = "QWidget#MainMenu{background-image:url(:/images/4k/default/settings_zv_4k.png);}";

constexpr quint32 kTypeVyA = 0x27;
constexpr quint32 kTypeVyB = 0x28;
constexpr quint32 kType4k = 0x69;

void setLabelWhite(QLabel* label, bool white)
{
    Show::sheet(label, QString::fromLatin1(white ? kWhiteLabel : kGreyLabel));
}

// "PGM1".."PGMn" (or "BAR" after them), then the keys every model has.
QStringList gpiItems(int pgmCount, bool bar, const char* stillName, bool wipes)
{
    QStringList items{QStringLiteral("OFF")};
    for (int i = 1; i <= pgmCount; ++i)
        items << QStringLiteral("PGM%1").arg(i);
    if (bar)
        items << QStringLiteral("BAR");
    items << QStringLiteral("CUT") << QStringLiteral("AUTO") << QStringLiteral("MUTE") << QStringLiteral("FTB")
          << QString::fromLatin1(stillName);
    if (wipes)
        for (int i = 1; i <= 10; ++i)
            items << QStringLiteral("WIPE%1").arg(i);
    return items;
}

// The controller drops an emptied selection (-1), so the index goes over as it is.
void wireIndex(QComboBox* box, onlyFun* fun, void (onlyFun::*op)(int))
{
    QObject::connect(box, qOverload<int>(&QComboBox::currentIndexChanged), fun, op);
}

}  // namespace

MainMenu::StreamEntry MainMenu::decodeStreamEntry(const QByteArray& data)
{
    constexpr int kStatus = 17;
    constexpr int kIndex = 18;
    constexpr int kName = 20;
    constexpr int kUrl = 38;
    constexpr int kSlots = 8;

    StreamEntry entry;
    if (byteAt(data, kStatus, 0xFF) != 0 || !hasBytes(data, kIndex))
        return entry;
    const int index = byteAt(data, kIndex);
    if (index >= kSlots) {
        entry.kind = StreamEntry::Ignored;
        return entry;
    }
    // A text ends at its first NUL, at the end of its field or at the end of the datagram.
    auto text = [&data](int offset, int room) {
        if (!hasBytes(data, offset))
            return QString();
        const char* p = data.constData() + offset;
        const int n = static_cast<int>(qstrnlen(p, static_cast<uint>(qMin(room, data.size() - offset))));
        return QString::fromUtf8(p, n);
    };
    entry.kind = StreamEntry::Slot;
    entry.index = index;
    entry.name = text(kName, kStreamNameBytes);
    entry.url = text(kUrl, kStreamUrlBytes);
    return entry;
}

MainMenu::MainMenu(QWidget* parent, onlyFun* fun_)
    : QWidget(parent), ui(new Ui::MainMenu), fun(fun_)
{
    ui->setupUi(this);
    init();
    init_connect();
}

MainMenu::~MainMenu()
{
    delete ui;
}

void MainMenu::init()
{
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(QStringLiteral("Zv-Solvenzari"));
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_StyledBackground);

    applyEditionLook();

    for (QAbstractSpinBox* spin : findChildren<QAbstractSpinBox*>())
        spin->installEventFilter(this);
    for (QComboBox* box : findChildren<QComboBox*>()) {
        box->setView(new QListView(box));
        box->installEventFilter(this);
    }

    ui->btn_help->setStyleSheet(QStringLiteral("border:0px;border-bottom-width:1px;"));
    ui->comboBoxIPA->setCurrentIndex(1);
    ipValidator = Ipv4Text::newValidator(this);
    ui->lineIP->setValidator(ipValidator);
    ui->lineMask->setValidator(ipValidator);
    ui->lineGateWay->setValidator(ipValidator);
    ui->spinBoxMIC->setReadOnly(true);
    setLabelWhite(ui->label_6, false);
    ui->spinBox_fanSpeed->setReadOnly(true);

    // The slot record has no room for more; the byte count is checked again on sending.
    ui->combName->setMaxLength(kStreamNameBytes);
    ui->combURL->setMaxLength(kStreamUrlBytes);

    applyModelRules();
}

void MainMenu::applyEditionLook()
{
    if (DEV_CHILD_TYPE == kTypeVyA || DEV_CHILD_TYPE == kTypeVyB) {
        setStyleSheet(QString::fromLatin1(kVyBackground) + editionControls());
        ui->label_bk_4K_Vy->resize(201, ui->label_bk_4K_Vy->height());
        ui->label_bk_4K_Vy->setStyleSheet(
            QStringLiteral("background-image:url(:/images/Vy/default/Zv-Solvenzari-Vy.png)"));
    } else if (DEV_CHILD_TYPE == kType4k) {
        setStyleSheet(QString::fromLatin1(k4kBackground) + editionControls());
        ui->label_bk_4K_Vy->resize(208, ui->label_bk_4K_Vy->height());
        ui->label_bk_4K_Vy->setStyleSheet(
            QStringLiteral("background-image:url(:/images/4k/default/Zv-Solvenzari-4K.png)"));
    }
}

void MainMenu::applyModelRules()
{
    const std::optional<ModelRow> model = modelRowFor(DEV_CHILD_TYPE);
    if (!model)
        return;

    streamDnsEnable = model->hasStreamDns;
    if (streamDnsEnable) {
        for (QLabel* label : {ui->label_8, ui->label_9, ui->label_18, ui->label_19, ui->label_21, ui->lineStreamIP})
            setLabelWhite(label, true);
    } else {
        const QList<QWidget*> streamColumn{
            ui->lineDNS,        ui->label_27,         ui->label_7,         ui->label_10,
            ui->label_17,       ui->label_20,         ui->label_8,         ui->label_9,
            ui->label_18,       ui->label_19,         ui->label_21,        ui->lineStreamIP,
            ui->combIndex,      ui->combRtmpRate,     ui->combVideoQuality, ui->combStorageType,
            ui->combName,       ui->combURL,          ui->combEncoding,    ui->combStreamType};
        for (QWidget* w : streamColumn)
            w->hide();
        // The IP block takes the freed right-hand column.
        ui->label_2->move(960, 223);
        ui->comboBoxIPA->move(1088, 210);
        ui->label_3->move(960, 270);
        ui->lineIP->move(1088, 260);
        ui->label_5->move(960, 321);
        ui->lineMask->move(1088, 310);
        ui->label_24->move(960, 370);
        ui->lineGateWay->move(1088, 360);
        ui->btnSave->move(1236, 440);
    }

    QComboBox* const gpiBoxes[] = {ui->comboBox_GPI1, ui->comboBox_GPI2, ui->comboBox_GPI3,
                                   ui->comboBox_GPI4, ui->comboBox_GPI5, ui->comboBox_GPI6};
    if (!model->hasGpi) {
        for (QLabel* label : {ui->label_11, ui->label_12, ui->label_13, ui->label_14, ui->label_15, ui->label_16})
            setLabelWhite(label, false);
    } else {
        QStringList items;
        switch (model->inputs) {
        case 12: items = gpiItems(12, false, "STLm", true); break;
        case 6: items = gpiItems(6, true, "STLm", true); break;
        case 4:
            items = (model->type == kTypeVyA || model->type == kTypeVyB) ? gpiItems(4, true, "STILL", false)
                                                                          : gpiItems(4, true, "STILL", true);
            break;
        default: break;
        }
        for (QComboBox* box : gpiBoxes)
            box->addItems(items);
    }

    if (model->pgmTableId == 1)
        ui->comboBoxPGM->addItems({"1080P60", "1080P50", "1080I60", "1080I50", "1080P30", "1080P25", "1080P24"});
    else if (model->pgmTableId == 2)
        ui->comboBoxPGM->addItems({"2160P60", "2160P50", "2160P30", "2160P25", "2160P24"});

    ui->comboBoxIPA->setEnabled(model->ipEditable);
    ui->btnSave->setEnabled(model->ipEditable);
    if (!model->ipEditable)
        setLabelWhite(ui->label_2, false);

    if (!model->hasHdr) {
        ui->comboBoxHDR_CFG->hide();
        ui->label_26->hide();
    }
}

void MainMenu::init_connect()
{
    if (!fun)
        return;

    wireIndex(ui->comboBox_GPI1, fun, &onlyFun::GPI1_CurrentIndexChanged);
    wireIndex(ui->comboBox_GPI2, fun, &onlyFun::GPI2_CurrentIndexChanged);
    wireIndex(ui->comboBox_GPI3, fun, &onlyFun::GPI3_CurrentIndexChanged);
    wireIndex(ui->comboBox_GPI4, fun, &onlyFun::GPI4_CurrentIndexChanged);
    wireIndex(ui->comboBox_GPI5, fun, &onlyFun::GPI5_CurrentIndexChanged);
    wireIndex(ui->comboBox_GPI6, fun, &onlyFun::GPI6_CurrentIndexChanged);
    wireIndex(ui->comboBoxPGM, fun, &onlyFun::PGM_currentIndexChanged);
    wireIndex(ui->comboBoxHDR_CFG, fun, &onlyFun::m_on_btn_hdr_cfg_valueChanged);
    connect(ui->btnReset, &QPushButton::clicked, fun, &onlyFun::btnReset_clicked);
    wireIndex(ui->comboBox_fanCtrl, fun, &onlyFun::setFAN_mod);
    connect(ui->spinBox_fanSpeed, qOverload<int>(&QSpinBox::valueChanged), fun, &onlyFun::setFAN_speed);
    wireIndex(ui->combRtmpRate, fun, &onlyFun::setStreamRtmpRate);
    wireIndex(ui->combVideoQuality, fun, &onlyFun::setVideoQuality);
    connect(this, &MainMenu::saveIP_Signals, fun, &onlyFun::btnSaveIP_clicked);
    connect(this, &MainMenu::saveIP_DNS_Signals, fun, &onlyFun::btnSaveIP_clicked_DNS);
    connect(this, &MainMenu::setStreamData, fun, &onlyFun::setStreamData);

    // The slot index and its reply wait until the panel has applied its first state.
    QTimer::singleShot(kStreamWiringDelayMs, this, &MainMenu::wireStreamIndex);
}

void MainMenu::wireStreamIndex()
{
    connect(fun, &onlyFun::getStreamData, this, &MainMenu::readStreamData);
    wireIndex(ui->combIndex, fun, &onlyFun::setStreamIndex);
}

bool MainMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel
        && (watched->inherits("QAbstractSpinBox") || watched->inherits("QComboBox")))
        return true;
    return QWidget::eventFilter(watched, event);
}

// ---- navigation ------------------------------------------------------------

void MainMenu::on_btn_back_clicked()
{
    emit goBack();
}

void MainMenu::on_btn_help_clicked()
{
    openSupportPage();
}

// ---- network settings ------------------------------------------------------

void MainMenu::getDevIP(QString ip)
{
    strIP = ip;
    if (streamDnsEnable)
        ui->lineStreamIP->setText(ip);
    ui->lineIP->setText(ip);
    strSubnet = QStringLiteral("255.255.255.0");
    ui->lineMask->setText(strSubnet);
    strGateway = ip.left(ip.lastIndexOf(QLatin1Char('.')) + 1) + QLatin1Char('1');
    ui->lineGateWay->setText(strGateway);
}

void MainMenu::on_comboBoxIPA_currentTextChanged(const QString& arg1)
{
    bool editable;
    if (arg1 == QLatin1String("Static")) {
        static_dynamic = 0;
        editable = true;
    } else if (arg1 == QLatin1String("Dynamic")) {
        static_dynamic = 1;
        editable = false;
    } else {
        return;
    }
    for (QLineEdit* edit : {ui->lineIP, ui->lineMask, ui->lineGateWay, ui->lineDNS})
        edit->setReadOnly(!editable);
    for (QLabel* label : {ui->label_3, ui->label_5, ui->label_24, ui->label_27})
        setLabelWhite(label, editable);
}

void MainMenu::on_btnSave_clicked()
{
    // An empty field keeps what was stored before; a text that is no address
    // refuses the whole save, so the device is never pointed at a bad address.
    auto pick = [](const QLineEdit* edit, const QString& stored) {
        return edit->text().isEmpty() ? stored : edit->text();
    };
    const QString ip = pick(ui->lineIP, strIP);
    const QString subnet = pick(ui->lineMask, strSubnet);
    const QString gateway = pick(ui->lineGateWay, strGateway);

    const std::optional<ModelRow> model = modelRowFor(DEV_CHILD_TYPE);
    if (!model)
        return;
    const bool withDns = model->hasStreamDns;

    QString dns = ui->lineDNS->text();
    if (dns.isEmpty())
        dns = QStringLiteral("8.8.8.8");
    using Ipv4Text::isAddress;
    if (!isAddress(ip) || !isAddress(subnet) || !isAddress(gateway) || (withDns && !isAddress(dns)))
        return;

    strIP = ip;
    strSubnet = subnet;
    strGateway = gateway;
    if (withDns) {
        strNDS = dns;
        emit saveIP_DNS_Signals(strIP, strSubnet, strGateway, strNDS, static_dynamic);
    } else {
        emit saveIP_Signals(strIP, strSubnet, strGateway, static_dynamic);
    }
}

// ---- streaming slots -------------------------------------------------------

void MainMenu::on_combURL_editingFinished()
{
    const int index = ui->combIndex->currentIndex();
    const QString nameText = ui->combName->text();
    const QString urlText = ui->combURL->text();
    if (index < 0 || nameText.isEmpty() || urlText.isEmpty())
        return;
    QByteArray name = nameText.toLocal8Bit();
    QByteArray url = urlText.toLocal8Bit();
    // A text that does not fit its field is not written at all rather than cut.
    if (name.size() > kStreamNameBytes || url.size() > kStreamUrlBytes)
        return;
    emit setStreamData(static_cast<uint8_t>(index), static_cast<uint8_t>(name.size()), name.data(),
                       static_cast<uint16_t>(url.size()), url.data());
}

void MainMenu::readStreamData(const QByteArray& data)
{
    const StreamEntry entry = decodeStreamEntry(data);
    if (entry.kind == StreamEntry::Ignored)
        return;
    // setText rather than clear(): a program's change must not pile up in the fields' undo history.
    ui->combName->setText(QString());
    ui->combURL->setText(QString());
    if (entry.kind != StreamEntry::Slot)
        return;
    // A slot past the list selects nothing and shows nothing.
    ui->combIndex->setCurrentIndex(entry.index);
    if (ui->combIndex->currentIndex() != entry.index)
        return;
    ui->combName->setText(entry.name);
    ui->combURL->setText(entry.url);
}

// ---- device values ---------------------------------------------------------

void MainMenu::set_GPI1_Value(uint8_t v) { Show::index(ui->comboBox_GPI1, v); }
void MainMenu::set_GPI2_Value(uint8_t v) { Show::index(ui->comboBox_GPI2, v); }
void MainMenu::set_GPI3_Value(uint8_t v) { Show::index(ui->comboBox_GPI3, v); }
void MainMenu::set_GPI4_Value(uint8_t v) { Show::index(ui->comboBox_GPI4, v); }
void MainMenu::set_GPI5_Value(uint8_t v) { Show::index(ui->comboBox_GPI5, v); }
void MainMenu::set_GPI6_Value(uint8_t v) { Show::index(ui->comboBox_GPI6, v); }

void MainMenu::set_fanCtrl_Value(uint8_t v)
{
    Show::index(ui->comboBox_fanCtrl, v);
}

void MainMenu::set_fanSpeed_Value(uint8_t hi, uint8_t lo)
{
    Show::value(ui->spinBox_fanSpeed, joinU16(hi, lo));
}

void MainMenu::set_AudioDelay_Value(uint8_t v)
{
    Show::value(ui->spinBoxAudioDelay, v);
    Show::enabled(ui->spinBoxAudioDelay, false);
}

void MainMenu::set_LineGain_Value(uint8_t v)
{
    Show::value(ui->spinBoxLineGain, 3 * v);
    Show::enabled(ui->spinBoxLineGain, false);
}

void MainMenu::set_MIC_Value(uint8_t v)
{
    Show::value(ui->spinBoxMIC, v - 18);
}

void MainMenu::set_HDR_ON_Value(uint8_t v)
{
    Show::index(ui->comboBoxHDR_CFG, v);
}

void MainMenu::set_PGM_Style(uint8_t code)
{
    if (!PGM_TABLE_POINT)
        return;
    for (quint32 i = 0; i < Maxpgm; ++i) {
        if (PGM_TABLE_POINT[i] == code) {
            PGM_CURRENT_VAL = i;
            break;
        }
    }
    Show::index(ui->comboBoxPGM, static_cast<int>(PGM_CURRENT_VAL));
}

void MainMenu::setRecStreamValue(uint8_t index, uint8_t rate, uint8_t quality, uint8_t encoding, uint8_t storage)
{
    Show::index(ui->combIndex, index);
    Show::index(ui->combRtmpRate, rate);
    Show::index(ui->combEncoding, encoding);
    Show::index(ui->combVideoQuality, quality);
    Show::index(ui->combStorageType, storage);
    Show::enabled(ui->combStorageType, false);
}

void MainMenu::setStreamServer(uint8_t v) { Show::index(ui->combIndex, v); }
void MainMenu::setStreamBitRate(uint8_t v) { Show::index(ui->combRtmpRate, v); }
void MainMenu::set_Encoding_Value(uint8_t v) { Show::index(ui->combEncoding, v); }
void MainMenu::set_Qualityty_Value(uint8_t v) { Show::index(ui->combVideoQuality, v); }

void MainMenu::set_StorageType_Value(uint8_t v)
{
    Show::index(ui->combStorageType, v);
    Show::enabled(ui->combStorageType, false);
}

// The window has no version field.
void MainMenu::setVersion(uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t, uint8_t,
                          uint8_t, uint8_t)
{
}

void MainMenu::on_comboBox_fanCtrl_currentTextChanged(const QString& arg1)
{
    bool custom;
    if (arg1 == QLatin1String("Auto"))
        custom = false;
    else if (arg1 == QLatin1String("Custom"))
        custom = true;
    else
        return;
    ui->spinBox_fanSpeed->setReadOnly(!custom);
    setLabelWhite(ui->label_6, custom);
}
