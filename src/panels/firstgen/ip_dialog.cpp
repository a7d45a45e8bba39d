#include "ip_dialog.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "switcher_ip.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

constexpr int kWidth = 270;
constexpr int kHeight = 90;

QPushButton* dialogButton(const QString& text, const char* objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(50, 25);
    button->setStyleSheet(QString::fromUtf8(
        "QPushButton {background-color:rgb(190,192,193);border-radius:5px;font:bold 14px;color:rgb(64,65,66);"
        "font-family:华文新魏;padding:5px;}QPushButton:pressed{border:1px solid rgb(0,0,0)}"));
    return button;
}

} // namespace

IPDialog::IPDialog(QWidget* parent, Druvela_workdata* ws)
    : QDialog(parent)
    , m_ws(ws)
{
    const QSize desktop = FirstGenStyle::desktopSize();
    setGeometry((desktop.width() - kWidth) / 2, (desktop.height() - kHeight) / 2, kWidth, kHeight);
    setFixedSize(kWidth, kHeight);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color:rgb(64,65,66);"));
    init();
}

void IPDialog::init()
{
    m_layout = new QVBoxLayout;
    m_addressRow = new QHBoxLayout;
    m_buttonRow = new QHBoxLayout;

    auto* label = new QLabel(QStringLiteral("IP addr"));
    label->setStyleSheet(QStringLiteral("color:rgb(190,192,193);font:bold 14px;"));
    // The address as the panel holds it, shown unchecked.
    m_ip = new QLineEdit(m_ws->on_DevIP());
    m_ip->setObjectName(QStringLiteral("lineIP"));
    m_ip->setStyleSheet(QStringLiteral("background-color:rgb(212,208,200);"));
    SwitcherIp::guardEntry(m_ip, this);

    m_close = dialogButton(QStringLiteral("close"), "btn_close");
    m_ok = dialogButton(QStringLiteral("ok"), "btn_ok");
    m_spacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

    m_addressRow->setSpacing(10);
    m_addressRow->setContentsMargins(15, 0, 15, 0);
    m_addressRow->addWidget(label);
    m_addressRow->addWidget(m_ip);

    m_buttonRow->setSpacing(10);
    m_buttonRow->setContentsMargins(0, 15, 35, 20);
    m_buttonRow->addSpacerItem(m_spacer);
    m_buttonRow->addWidget(m_close);
    m_buttonRow->addWidget(m_ok);

    m_layout->addLayout(m_addressRow, 2);
    m_layout->addLayout(m_buttonRow, 1);
    setLayout(m_layout);

    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ok, &QPushButton::clicked, this, &IPDialog::on_btnip_clicked);
}

void IPDialog::on_btnip_clicked()
{
    SwitcherIp::send(this, m_ws, m_ip->text());
}
