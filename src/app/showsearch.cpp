#include "showsearch.h"
#include "ui_showsearch.h"

#include "model_tables.h"
#include "switcher_data.h"
#include "window_placement.h"

#include <QHostAddress>
#include <QIcon>
#include <QListView>

#include <algorithm>

namespace {

const char kListStyle[] =
    "QListWidget{background-color:rgba(0,0,0,0);border:0px;outline:0px;font-family: Arial;font-size: 17px;"
    "font-weight: 400;line-height: 20px;text-align: center;color: #9B9B9B;}"
    "QListWidget::Item {width:407px;height:40px;padding:0px, 0px, 0px, 0px;margin:0px, 0px, 0px, 0px;"
    "border: 0px, 0px, 1px, 0px;border-bottom: 1px solid #777777;}"
    "QListWidget::Item:selected {background-color:#506B82;color: #000000;}";

const char kCardBoxStyle[] =
    "QComboBox{padding: 12px 1px 12px 1px;border-radius: 5px;border: 1px solid #8D8D8D;"
    "background-color: rgba(0,0,0,0);font-family: Arial;font-size: 10px;font-weight: 300;line-height: 16px;"
    "text-align: center;color: #FFFFFF;}"
    "QComboBox QAbstractItemView {outline:0px;width:214px;height:160px;border-radius: 5px;"
    "border: 1px solid #434547;background:#434547;font-family: Arial;font-size: 10px;font-weight: 300;"
    "line-height: 16px;text-align: center;color: #FFFFFF;}"
    "QComboBox QAbstractItemView::item {width:214px;height:40px;padding: 0px 0px 0px 1px;border-radius: 5px;}"
    "QComboBox QAbstractItemView::item:selected {width:214px;height:40px;padding: 0px 1px 0px 1px;"
    "background-color: #545761;}"
    "QComboBox::drop-down{border:none;}"
    "QComboBox::down-arrow    {background-image: url(:/images/4k/default/setting/Vector 1.png);width:16px;"
    "height:10px;right:1px;}"
    "QComboBox::down-arrow:on {background-image: url(:/images/4k/default/setting/Vector 2.png);width:16px;"
    "height:10px;right:1px;}";

int recordCount(const SWITCHER_DATA &switcher)
{
    return std::min(switcher.DevInfo_DATA_IDX(), int(SWITCHER_DATA::DEV_TABLE_SIZE));
}

} // namespace

showsearch::showsearch(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::showsearch)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    setWindowIcon(QIcon(QStringLiteral(":/images/4k/default/logo.png")));
    setWindowTitle(QStringLiteral("Zv-Solvenzari"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    init();
}

showsearch::~showsearch()
{
    delete ui;
}

void showsearch::init()
{
    m_switcher = new SWITCHER_DATA(this);

    ui->listWidget->setItemAlignment(Qt::AlignCenter);
    ui->listWidget->setStyleSheet(QLatin1String(kListStyle));

    connect(ui->groupBox_rightWidget, &GroupBox_right::btnScan_clicked, this, &showsearch::m_on_SendCMD_Scan);
    connect(ui->groupBox_rightWidget, &GroupBox_right::btnGrp_clicked, this, &showsearch::m_on_Radbtn_select);
    connect(m_switcher, &SWITCHER_DATA::sigend_datapack, this, &showsearch::m_on_ReceiveDatagram);
    connect(ui->groupBox_rightWidget, &GroupBox_right::btnPelimor_clicked, this, &showsearch::setPelimorUI);

    fillNetworkCards();

    ui->comboBox_network_card->setStyleSheet(QLatin1String(kCardBoxStyle));
    ui->comboBox_network_card->setView(new QListView);

    startSearch();
}

QList<QNetworkInterface> showsearch::eligibleCards(const QList<QNetworkInterface> &all, int *preferred)
{
    QList<QNetworkInterface> eligible;
    int running = -1;
    for (const QNetworkInterface &card : all) {
        const auto flags = card.flags();
        if ((flags & (QNetworkInterface::IsLoopBack | QNetworkInterface::CanMulticast))
            != QNetworkInterface::CanMulticast)
            continue;
        eligible << card;
        if (flags & QNetworkInterface::IsRunning)
            running = eligible.size() - 1;
    }
    if (preferred)
        *preferred = running;
    return eligible;
}

void showsearch::fillNetworkCards()
{
    ui->comboBox_network_card->clear();
    m_eligibleCards.clear();
    m_preferredCard.clear();

    int preferred = -1;
    const QList<QNetworkInterface> eligible = eligibleCards(QNetworkInterface::allInterfaces(), &preferred);
    if (preferred >= 0)
        m_preferredCard = eligible.at(preferred).humanReadableName();
    // Each card joins the list before its name reaches the box: adding the
    // first name makes it current, and the selection slot binds it at once.
    for (const QNetworkInterface &card : eligible) {
        m_eligibleCards << card;
        ui->comboBox_network_card->addItem(card.humanReadableName());
    }
    ui->comboBox_network_card->setCurrentText(m_preferredCard);
}

void showsearch::on_comboBox_network_card_currentIndexChanged(int index)
{
    if (m_eligibleCards.isEmpty() || index < 0 || index >= m_eligibleCards.size())
        return;
    m_switcher->bindUDPSOCKET(m_eligibleCards.at(index));
}

void showsearch::startSearch()
{
    ui->listWidget->clear();
    ui->groupBox_rightWidget->on_Radiobtn_checked(true);
    m_switcher->setSearcheQuipment();
}

void showsearch::m_on_SendCMD_Scan()
{
    startSearch();
}

void showsearch::m_on_ReceiveDatagram()
{
    setBtnall();
}

void showsearch::m_on_Radbtn_select(int idx)
{
    switch (idx) {
    case 0:
        setBtnall();
        break;
    case 1:
        setBtnTesmond();
        break;
    case 2:
        setBtnHalvani();
        break;
    default:
        break;
    }
}

void showsearch::rebuildList(const std::function<QString(const DevInfo_DATA &)> &labelFor)
{
    ui->listWidget->clear();
    const int count = recordCount(*m_switcher);
    for (int i = 0; i < count; ++i) {
        const DevInfo_DATA &rec = m_switcher->devInfo(i);
        const QString label = labelFor(rec);
        if (!label.isNull())
            ui->listWidget->addItem(label + devInfoIp(rec));
    }
    setliswidget_ItemAlignment();
}

void showsearch::setBtnall()
{
    rebuildList([](const DevInfo_DATA &rec) {
        switch (rec.devType) {
        case 0x27:
        case 0x28:
            return QStringLiteral("Zv-Solvenzari-Vy: ");
        case 0x69:
            return QStringLiteral("Zv-Solvenzari-4K: ");
        default:
            return devInfoName(rec) + QStringLiteral(": ");
        }
    });
}

void showsearch::setBtnTesmond()
{
    rebuildList([](const DevInfo_DATA &rec) {
        switch (rec.devType) {
        case 0x21:
            return QStringLiteral("Tesmond: ");
        case 0x24:
            return QStringLiteral("TesmondS: ");
        case 0x25:
            return QStringLiteral("Tesmond(2021): ");
        case 0x26:
            return QStringLiteral("TesmondP: ");
        default:
            return QString();
        }
    });
}

void showsearch::setBtnHalvani()
{
    rebuildList([](const DevInfo_DATA &rec) {
        return rec.devType == 0x22 ? QStringLiteral("Halvani: ") : QString();
    });
}

void showsearch::setliswidget_ItemAlignment()
{
    ui->listWidget->sortItems(Qt::AscendingOrder);
    for (int i = 0; i < ui->listWidget->count(); ++i)
        ui->listWidget->item(i)->setTextAlignment(Qt::AlignCenter);
}

QList<int> showsearch::recordsAt(const SWITCHER_DATA &switcher, const QString &ipText)
{
    QList<int> found;
    const int count = recordCount(switcher);
    for (int i = 0; i < count; ++i) {
        if (devInfoIp(switcher.devInfo(i)) == ipText)
            found << i;
    }
    return found;
}

void showsearch::on_listWidget_itemDoubleClicked(QListWidgetItem *)
{
    const QListWidgetItem *current = ui->listWidget->currentItem();
    if (!current)
        return;
    const QList<QByteArray> pieces = current->text().toLatin1().split(' ');
    if (pieces.size() < 2)
        return;
    const QString ipText = QString::fromLatin1(pieces.at(1).constData());
    DEV_NAME = QString::fromLatin1(pieces.at(0));
    const QStringList nameParts = DEV_NAME.split(QLatin1Char(':'));
    if (nameParts.size() < 2)
        return;
    DEV_NAME = nameParts.at(0);

    // A device stored twice is opened twice.
    for (int i : recordsAt(*m_switcher, ipText)) {
        const DevInfo_DATA rec = m_switcher->devInfo(i);
        DEV_CHILD_TYPE = rec.devType;
        const QString ip2 = QHostAddress(rec.hisIp).toString();
        switch (rec.devType) {
        case 0x27:
        case 0x28:
            setOriskanUI_NEW(ipText, rec.byteA, rec.byteB, ip2, rec.hisByteA, rec.hisByteB);
            break;
        case 0x69:
            setCorvaneUI(ipText, rec.byteA, rec.byteB, ip2, rec.hisByteA, rec.hisByteB);
            break;
        default:
            break;
        }
    }
}

void showsearch::moveToScreenCentre(QWidget *window)
{
    WindowPlacement::centre(window);
}

void showsearch::showSearchPage()
{
    moveToScreenCentre(this);
    show();
    startSearch();
}
