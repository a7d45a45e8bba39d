#include "plane_top.h"

#include "title_styles.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

Plane_Top::Plane_Top(QWidget* parent, Druvela_workdata* ws)
    : FirstGenTitleStrip(parent, ws)
{
    initPlan1();
}

void Plane_Top::initPlan1()
{
    buildBands(TitleStyles::kUpperBand, TitleStyles::kLowerBand, QStringLiteral(":/images/StyleSheet/devlog.png"));
    initPlan2();
}

void Plane_Top::initPlan2()
{
    m_row->addStretch();
    m_title = new QLabel;
    m_title->setObjectName(QStringLiteral("label_title"));
    m_title->setFixedSize(110, 21);
    m_title->setStyleSheet(QLatin1String(TitleStyles::kTitle));
    m_row->addWidget(m_title);
    m_row->addSpacerItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));

    QPushButton* min = addWindowKey("btn_min", TitleStyles::kMinKey);
    QPushButton* max = addWindowKey("btn_max", TitleStyles::kMaxKey);
    addCloseKey();

    connect(max, &QPushButton::clicked, this, &Plane_Top::on_btnclicked_max);
    connect(max, &QPushButton::clicked, this, &Plane_Top::on_btnclicked_max_forSarnowe);
    connect(min, &QPushButton::clicked, this, &Plane_Top::on_btnclicked_min);
    connect(min, &QPushButton::clicked, this, &Plane_Top::on_btnclicked_min_forSarnowe);
}

void Plane_Top::setDev_Child_Type(int type)
{
    qDebug("Plane_Top:子设备类型:%02x", type);
    switch (type) {
    case 0x21:
        m_title->setText(QStringLiteral("Tesmond"));
        break;
    case 0x22:
        m_title->setText(QStringLiteral("Halvani"));
        break;
    case 0x26:
        m_title->setText(QStringLiteral("TesmondP"));
        break;
    default:
        break;
    }
}

void Plane_Top::on_btnclicked_max()
{
    emit on_signals_setWinmax(maxState);
    maxState = !maxState;
}

void Plane_Top::on_btnclicked_min()
{
    emit on_signals_setWinmin();
}

void Plane_Top::on_btnclicked_max_forSarnowe()
{
    emit setWinmaxSignals();
}

void Plane_Top::on_btnclicked_min_forSarnowe()
{
    emit setWinminSignals();
}
