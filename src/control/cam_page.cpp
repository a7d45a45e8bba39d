#include "cam_page.h"

#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

CAM_PAGE::CAM_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("CAM"), QStringLiteral("CAM"))
{
    init();
}

void CAM_PAGE::init()
{
    using namespace pageframe;
    m_title = fixedTitleStrip(this, QStringLiteral("CAM"));

    m_addressLabel = fixedLabel(this, tr("Address"), 0, 20);
    m_baudLabel = fixedLabel(this, tr("Baud"), 1, 24);
    m_protocolLabel = fixedLabel(this, tr("Protocol"), 2, 24);
    m_rateLabel = fixedLabel(this, tr("Rotation_Rote"), 3, 20);
    m_zoomLabel = fixedLabel(this, tr("ZOOM"), 4, 24);

    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("lineAddress"));
    m_address->setReadOnly(true);
    m_address->setStyleSheet(QStringLiteral("color:#ffffff"));
    placeFixedControl(m_address, 0, 20);

    m_baud = fixedComboBox(this,
                           {QStringLiteral("300"), QStringLiteral("600"), QStringLiteral("1200"),
                            QStringLiteral("2400"), QStringLiteral("4800"), QStringLiteral("9600"),
                            QStringLiteral("14400"), QStringLiteral("19200"), QStringLiteral("38400"),
                            QStringLiteral("57600"), QStringLiteral("115200")},
                           1);
    m_baud->setObjectName(QStringLiteral("comboBox_baud"));
    m_protocol = fixedComboBox(
        this, {QStringLiteral("PELCO D"), QStringLiteral("PELCO P"), QStringLiteral("VISCA")}, 2);
    m_protocol->setObjectName(QStringLiteral("comboBox_protocol"));

    m_rate = new QSpinBox(this);
    m_rate->setObjectName(QStringLiteral("spinBoxRotationRote"));
    m_rate->setRange(0, 64);
    m_rate->setStyleSheet(oldSpinStyle(true));
    placeFixedControl(m_rate, 3, 20);

    m_zoom = fixedComboBox(this, {QStringLiteral("ZOOM"), QStringLiteral("FOCUS")}, 4);
    m_zoom->setObjectName(QStringLiteral("comboBox_zoom"));

    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    connect(m_baud, indexChanged, m_fun, &onlyFun::setQComboxBaud);
    connect(m_protocol, indexChanged, m_fun, &onlyFun::setQComboxProtocol);
    connect(m_rate, QOverload<int>::of(&QSpinBox::valueChanged), m_fun, &onlyFun::setQEditRotationRote);
    connect(m_zoom, indexChanged, m_fun, &onlyFun::setSpboxZOOM);
}

void CAM_PAGE::hideCam_ZOOM()
{
    m_zoomLabel->hide();
    m_zoom->hide();
}

void CAM_PAGE::set_Address_Type(uint8_t v)
{
    Show::text(m_address, QString::number(v));
}

void CAM_PAGE::set_Baud_Style(uint8_t v)
{
    Show::index(m_baud, v);
}

void CAM_PAGE::set_Protocol_Style(uint8_t v)
{
    Show::index(m_protocol, v);
}

void CAM_PAGE::set_camRate_Style(uint8_t v)
{
    Show::value(m_rate, v);
}

void CAM_PAGE::set_Zoom_Style(uint8_t v)
{
    Show::index(m_zoom, v);
}
