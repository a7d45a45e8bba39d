#include "plane_botton.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "his_replies.h"
#include "ipv4_text.h"
#include "switcher_ip.h"
#include "widget_show.h"
#include "window_placement.h"

#include <QComboBox>
#include <QDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <memory>

namespace {

const char kBarStyle[] = "QWidget#bwidgt{border-image: url(:/images/StyleSheet/bottom_label_2.png);}";
const char kSetKeyStyle[] =
    "QPushButton{border-image: url(:/images/StyleSheet/set_1.png)}"
    "QPushButton:hover{border-image: url(:/images/StyleSheet/set_black.png)}";
const char kDialogStyle[] =
    "QDialog#_dlog{background-color:rgb(58,58,58);border:1px solid rgb(83, 83,83);border-radius:5px;};";
const char kButtonStyle[] =
    "QPushButton{color:rgb(200,200,200);border-image: url(:/images/StyleSheet/button.png);"
    "border:3px solid rgb(100, 100, 100)}"
    "QPushButton:pressed{border-image: url(:/images/StyleSheet/btn.bmp);border:3px solid rgb(83, 83,83);"
    "border-radius:15px};";
const char kEntryStyle[] = "background-color:rgb(220,220,220);border:1px solid rgb(58, 58,58);border-radius:5px;";
const char kLabelStyle[] = "color: rgb(220,220,220);";
const char kTitlePictureStyle[] = "image: url(:/images/StyleSheet/devlog.png);";
const char kCloseStyle[] =
    "QPushButton{image: url(:/images/StyleSheet/close.png);color: white;border-radius:0px;}"
    "QPushButton:hover{background-color:white;}";

constexpr int kUrlSlots = 8;

QLabel* groupLabel(const QString& text)
{
    auto* label = new QLabel(text);
    label->setStyleSheet(QLatin1String(kLabelStyle));
    return label;
}

QGroupBox* groupBox(const QString& title, const QString& objectName)
{
    auto* box = new QGroupBox(title);
    box->setObjectName(objectName);
    box->setStyleSheet(QLatin1String(FirstGenStyle::kGroupBox));
    return box;
}

QString dotted(quint32 address)
{
    return QHostAddress(address).toString();
}

// The available area of the screen the formula points at; the primary
// screen's when no screen holds that point.
QRect availableAt(const QPoint& at)
{
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
}

} // namespace

Plane_Botton::Plane_Botton(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , m_ws(ws)
{
    setAttribute(Qt::WA_StyledBackground);
    setObjectName(QStringLiteral("bwidgt"));
    setStyleSheet(QLatin1String(kBarStyle));
    initlayot();
    // The slots look only while the dialog is open.
    connect(m_ws, &Druvela_workdata::on_signals_HisInfoData, this, &Plane_Botton::on_ToShow_HisInfo);
    connect(m_ws, &Druvela_workdata::on_signals_HisUrlData, this, &Plane_Botton::on_ToShow_HisUrl);
}

Plane_Botton::~Plane_Botton()
{
    // Ends a running dialog's loop; the frame that runs it deletes it.
    if (m_dialog)
        m_dialog->reject();
}

void Plane_Botton::initlayot()
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(5, 5, 45, 10);
    m_set = new QPushButton;
    m_set->setObjectName(QStringLiteral("btn_set"));
    m_set->setFixedSize(20, 20);
    m_set->setStyleSheet(QLatin1String(kSetKeyStyle));
    row->addWidget(m_set);
    row->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    connect(m_set, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_SET);
}

void Plane_Botton::on_btnclicked_SET()
{
    if (m_dialog)
        return;
    std::unique_ptr<QDialog> dialog(new QDialog);
    m_dialog = dialog.get();
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    const QSize desktop = FirstGenStyle::desktopSize();
    const QPoint formula = setDialogOrigin(desktop, winNormalFlag, QRect(), QSize());
    dialog->setGeometry(QRect(formula, QSize(110, 20)));
    dialog->setObjectName(QStringLiteral("_dlog"));
    dialog->setStyleSheet(QLatin1String(kDialogStyle));
    m_buttonStyle = QLatin1String(kButtonStyle);
    m_entryStyle = QLatin1String(kEntryStyle);

    auto* whole = new QVBoxLayout(dialog.get());
    whole->setContentsMargins(0, 0, 0, 0);
    auto* titleRow = new QHBoxLayout;
    titleRow->setContentsMargins(0, 0, 2, 0);
    auto* picture = new QLabel;
    picture->setObjectName(QStringLiteral("label_title"));
    picture->setFixedSize(90, 20);
    picture->setStyleSheet(QLatin1String(kTitlePictureStyle));
    titleRow->addWidget(picture);
    titleRow->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto* close = new QPushButton;
    close->setObjectName(QStringLiteral("btn_close"));
    close->setStyleSheet(QLatin1String(kCloseStyle));
    connect(close, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_Close);
    titleRow->addWidget(close);
    whole->addLayout(titleRow);

    m_ipGroup = groupBox(QStringLiteral("SWITCHER IP"), QStringLiteral("groupBox_switcherIp"));
    whole->addWidget(m_ipGroup, 1);
    init_groubxo1();
    init_groubxo2();
    whole->addWidget(m_hisGroup, 1);
    init_groubxo3();
    whole->addWidget(m_urlGroup, 1);
    // Grown to its contents now rather than when shown, so that it can be
    // kept on the screen.
    dialog->ensurePolished();
    whole->activate();
    dialog->move(setDialogOrigin(desktop, winNormalFlag, availableAt(formula), dialog->size()));

    QPointer<Plane_Botton> self(this);
    dialog->exec();
    // Every end of the loop, the bar alive or not.
    dialog.reset();
    if (self)
        forgetDialog();
}

QPoint Plane_Botton::setDialogOrigin(const QSize& desktop, bool winNormal, const QRect& available, const QSize& dialog)
{
    const int x = (desktop.width() - 110) / 8;
    const QPoint formula = winNormal ? QPoint(x - 120, desktop.height() / 2 + 360) : QPoint(x - 160, desktop.height() / 2 - 40);
    if (available.isNull())
        return formula;
    return WindowPlacement::keptInside(available, QRect(formula, dialog));
}

void Plane_Botton::forgetDialog()
{
    m_ipGroup = m_hisGroup = m_urlGroup = nullptr;
    m_ip = m_hisIp = m_hisSubnet = m_hisGateway = m_hisDns = m_urlName = m_url = nullptr;
    m_setIp = m_readHis = m_setDns = m_setHisIp = m_readUrl = m_setUrl = nullptr;
    m_urlIndex = nullptr;
}

QLineEdit* Plane_Botton::addressEntry(const QString& objectName, const QString& text)
{
    auto* entry = new QLineEdit(text);
    entry->setObjectName(objectName);
    entry->setAlignment(Qt::AlignCenter);
    entry->setStyleSheet(m_entryStyle);
    SwitcherIp::guardEntry(entry, m_dialog);
    entry->setMinimumWidth(SwitcherIp::wholeAddressWidth(entry));
    return entry;
}

QPushButton* Plane_Botton::groupButton(const QString& objectName, const QString& text)
{
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    button->setStyleSheet(m_buttonStyle);
    return button;
}

void Plane_Botton::init_groubxo1()
{
    auto* row = new QHBoxLayout(m_ipGroup);
    m_ip = addressEntry(QStringLiteral("lineIP"), m_ws->on_DevIP());
    m_ip->setFixedSize(qMax(110, m_ip->minimumWidth()), 20);
    m_setIp = groupButton(QStringLiteral("btn_setIP"), QStringLiteral("Set IP"));
    row->addWidget(groupLabel(QStringLiteral("IP ADDR")));
    row->addWidget(m_ip);
    row->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    row->addWidget(m_setIp);
    connect(m_setIp, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_SetIP);
}

void Plane_Botton::init_groubxo2()
{
    m_hisGroup = groupBox(QStringLiteral("SECOND BOARD IP"), QStringLiteral("groupBox_hisIp"));
    auto* grid = new QGridLayout(m_hisGroup);
    m_hisIp = addressEntry(QStringLiteral("lineHisIP"), m_ws->on_HIS_IP());
    m_hisSubnet = addressEntry(QStringLiteral("lineHisSubnet"), m_ws->on_HIS_Subnet());
    m_hisGateway = addressEntry(QStringLiteral("lineHisGateway"), m_ws->on_HIS_Gateway());
    m_hisDns = addressEntry(QStringLiteral("lineHisDNS"), m_ws->on_HIS_DNS());
    m_readHis = groupButton(QStringLiteral("btn_readHis"), QStringLiteral("Read Staus"));
    m_setHisIp = groupButton(QStringLiteral("btn_setHisIP"), QStringLiteral("Set IP"));
    m_setDns = groupButton(QStringLiteral("btn_setDNS"), QStringLiteral("Set DNS"));
    grid->addWidget(groupLabel(QStringLiteral("IP ADDR")), 0, 0);
    grid->addWidget(m_hisIp, 0, 1);
    grid->addWidget(m_readHis, 0, 6);
    grid->addWidget(groupLabel(QStringLiteral("SUBNET")), 1, 0);
    grid->addWidget(m_hisSubnet, 1, 1);
    grid->addWidget(groupLabel(QStringLiteral("GATEWAY")), 2, 0);
    grid->addWidget(m_hisGateway, 2, 1);
    grid->addWidget(m_setHisIp, 2, 2);
    grid->addWidget(new QLabel, 2, 3);
    grid->addWidget(groupLabel(QStringLiteral("DNS")), 2, 4);
    grid->addWidget(m_hisDns, 2, 5);
    grid->addWidget(m_setDns, 2, 6);
    connect(m_readHis, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_ReadHis);
    connect(m_setHisIp, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_SetHisIP);
    connect(m_setDns, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_SetDNS);
}

void Plane_Botton::init_groubxo3()
{
    m_urlGroup = groupBox(QStringLiteral("STREAM URL"), QStringLiteral("groupBox_url"));
    auto* grid = new QGridLayout(m_urlGroup);
    m_urlIndex = new QComboBox;
    m_urlIndex->setObjectName(QStringLiteral("comboBox_urlIndex"));
    for (int i = 1; i <= kUrlSlots; ++i)
        m_urlIndex->addItem(QString::number(i));
    m_urlIndex->setCurrentIndex(-1);
    m_urlIndex->setFixedSize(80, 20);
    m_urlIndex->setStyleSheet(FirstGenStyle::dropDownStyle());
    m_urlName = new QLineEdit;
    m_urlName->setObjectName(QStringLiteral("lineUrlName"));
    m_urlName->setFixedSize(110, 20);
    m_urlName->setStyleSheet(m_entryStyle);
    m_url = new QLineEdit;
    m_url->setObjectName(QStringLiteral("lineUrl"));
    m_url->setStyleSheet(m_entryStyle);
    m_readUrl = groupButton(QStringLiteral("btn_readUrl"), QStringLiteral("Read Status"));
    m_setUrl = groupButton(QStringLiteral("btn_setUrl"), QStringLiteral("Set Url"));
    grid->addWidget(groupLabel(QStringLiteral("Index")), 0, 0);
    grid->addWidget(m_urlIndex, 0, 1);
    grid->addWidget(m_readUrl, 0, 2);
    grid->addWidget(groupLabel(QStringLiteral("Other Name")), 1, 0);
    grid->addWidget(m_urlName, 1, 1);
    grid->addWidget(groupLabel(QStringLiteral("Url")), 2, 0);
    grid->addWidget(m_url, 2, 1);
    grid->addWidget(m_setUrl, 2, 2);
    connect(m_readUrl, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_ReadUrl);
    connect(m_setUrl, &QPushButton::clicked, this, &Plane_Botton::on_btnclicked_Set_Url);
}

void Plane_Botton::on_btnclicked_Close()
{
    if (m_dialog)
        m_dialog->close();
}

void Plane_Botton::on_btnclicked_SetIP()
{
    if (m_ip)
        SwitcherIp::send(this, m_ws, m_ip->text());
}

void Plane_Botton::on_btnclicked_ReadHis()
{
    m_ws->SendCMD_Read_His_IP();
}

void Plane_Botton::on_btnclicked_SetHisIP()
{
    if (!m_hisIp)
        return;
    const QString ip = m_hisIp->text();
    const QString subnet = m_hisSubnet->text();
    const QString gateway = m_hisGateway->text();
    // Refused silently like the group's other incomplete entries.
    const QByteArray ipBytes = Ipv4Text::toBytes(ip, Ipv4Text::ZeroAddress::Refused);
    const QByteArray subnetBytes = Ipv4Text::toBytes(subnet);
    const QByteArray gatewayBytes = Ipv4Text::toBytes(gateway);
    if (ipBytes.isEmpty() || subnetBytes.isEmpty() || gatewayBytes.isEmpty())
        return;
    m_ws->SendCMD_Set_HIS_IP(ipBytes, subnetBytes, gatewayBytes, {ip, subnet, gateway});
}

void Plane_Botton::on_btnclicked_SetDNS()
{
    if (!m_hisDns)
        return;
    const QString text = m_hisDns->text();
    const QByteArray dns = Ipv4Text::toBytes(text);
    if (!dns.isEmpty())
        m_ws->SendCMD_Set_HIS_DNS(dns, text);
}

void Plane_Botton::on_ToShow_HisInfo(QByteArray const& data)
{
    HisReplies::Settings his;
    if (!m_dialog || !m_hisIp || !HisReplies::readSettings(data, his))
        return;
    const QString ip = dotted(his.ip);
    const QString subnet = dotted(his.subnet);
    const QString gateway = dotted(his.gateway);
    const QString dns = dotted(his.dns);
    Show::text(m_hisIp, ip);
    Show::text(m_hisSubnet, subnet);
    Show::text(m_hisGateway, gateway);
    Show::text(m_hisDns, dns);
    m_ws->get_HIS_INFO(ip, subnet, gateway, dns);
}

void Plane_Botton::on_ToShow_HisUrl(QByteArray const& data)
{
    HisReplies::UrlEntry entry;
    if (!m_dialog || !m_urlIndex || !HisReplies::readUrlEntry(data, entry))
        return;
    Show::index(m_urlIndex, entry.index < kUrlSlots ? entry.index : -1);
    Show::text(m_urlName, entry.name);
    Show::text(m_url, entry.url);
}

void Plane_Botton::on_btnclicked_ReadUrl()
{
    if (m_urlIndex && m_urlIndex->currentIndex() >= 0)
        m_ws->SendCMD_Read_Url(m_urlIndex->currentIndex());
}

void Plane_Botton::stringWarning(const QString& text)
{
    QMessageBox::warning(this, QStringLiteral("Warning"), text, QMessageBox::Yes);
}

void Plane_Botton::on_btnclicked_Set_Url()
{
    if (!m_urlIndex)
        return;
    const int index = m_urlIndex->currentIndex();
    const QByteArray name = m_urlName->text().toLatin1();
    const QByteArray url = m_url->text().toLatin1();
    if (name.size() > MCU_UDP_FRAME::STREAM_NAME_MAX) {
        stringWarning(QStringLiteral("OtherName Text Errors"));
        return;
    }
    if (url.size() > MCU_UDP_FRAME::STREAM_URL_MAX) {
        stringWarning(QStringLiteral("Url Text Errors"));
        return;
    }
    // There is no slot 0xFF to write.
    if (index < 0)
        return;
    m_ws->SendCMD_Set_Url(index, name, url);
}
