#include "groupbox_right.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

GroupBox_right::GroupBox_right(QWidget *parent, QListWidget *list)
    : QGroupBox(parent)
    , m_list(list)
{
    setStyleSheet(QStringLiteral(
        "QGroupBox{background-image:url(:/images/4k/default/search/Rectangle 71.png);border:0px;}"));
    init();
}

void GroupBox_right::init()
{
    m_layout = new QVBoxLayout(this);
    m_btnGroup = new QButtonGroup(this);
    m_btnScan = new QPushButton(this);
    m_btnExit = new QPushButton(this);
    m_radAll = new QRadioButton(tr("all"), this);
    m_radTesmond = new QRadioButton(tr("Tesmond"), this);
    m_radHalvani = new QRadioButton(tr("Halvani"), this);
    m_radQuillet = new QRadioButton(tr("Quillet"), this);
    m_radPelimor = new QRadioButton(tr("Pelimor"), this);

    QFont font;
    font.setWeight(25);
    font.setPointSize(10);
    const QList<QRadioButton *> radios = {m_radAll, m_radTesmond, m_radHalvani, m_radQuillet, m_radPelimor};
    m_btnScan->setFont(font);
    m_btnExit->setFont(font);
    for (QRadioButton *radio : radios) {
        radio->setFont(font);
        radio->setFixedSize(90, 25);
    }
    m_btnScan->setFixedSize(104, 46);
    m_btnExit->setFixedSize(104, 46);

    m_btnScan->setStyleSheet(QStringLiteral(
        "QPushButton{background-image:url(:/images/4k/default/search/SEARCH_D.png);padding: 13px, 21px, 13px,21px;"
        "border-radius: 9px;border: 1px;}"
        "QPushButton:pressed{background-image:url(:/images/4k/default/search/SEARCH_G.png);}"));
    m_btnExit->setStyleSheet(QStringLiteral(
        "QPushButton{background-image:url(:/images/4k/default/search/EXIT_D.png);padding: 13px, 21px, 13px,21px;"
        "border-radius: 9px;border: 1px;}"
        "QPushButton:pressed{background-image:url(:/images/4k/default/search/EXIT_G.png);}"));

    m_btnGroup->addButton(m_radAll, 0);
    m_btnGroup->addButton(m_radTesmond, 1);
    m_btnGroup->addButton(m_radHalvani, 2);
    m_btnGroup->addButton(m_radQuillet, 3);

    for (QRadioButton *radio : radios)
        m_layout->addWidget(radio, 1);
    m_layout->addWidget(new QLabel(this), 3);
    m_layout->addWidget(m_btnScan, 1);
    m_layout->addWidget(m_btnExit, 1);
    m_layout->setAlignment(Qt::AlignCenter);
    setLayout(m_layout);

    connect(m_btnExit, &QPushButton::clicked, this, [] { QCoreApplication::exit(0); });
    connect(m_btnScan, &QPushButton::clicked, this, &GroupBox_right::on_btnScan_clicked);
    connect(m_btnGroup, &QButtonGroup::idClicked, this, &GroupBox_right::on_btnGrp_clicked);
    connect(m_radPelimor, &QRadioButton::clicked, this, &GroupBox_right::on_btnPelimor_clicked);

    for (QRadioButton *radio : radios)
        radio->hide();
}

void GroupBox_right::on_Radiobtn_checked(bool checked)
{
    m_radAll->setChecked(checked);
}

void GroupBox_right::on_btnScan_clicked()
{
    emit btnScan_clicked();
}

void GroupBox_right::on_btnGrp_clicked(int idx)
{
    emit btnGrp_clicked(idx);
}

void GroupBox_right::on_btnPelimor_clicked()
{
    emit btnPelimor_clicked();
}
