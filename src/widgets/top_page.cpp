#include "top_page.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

TOP_PAGE::TOP_PAGE(QWidget *parent)
    : QWidget(parent)
{
    initPlan1();
}

void TOP_PAGE::initPlan1()
{
    m_layout = new QVBoxLayout;
    m_upperStrip = new QWidget;
    m_lowerStrip = new QWidget;

    initPlan2();

    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_upperStrip->setAttribute(Qt::WA_StyledBackground);
    m_lowerStrip->setAttribute(Qt::WA_StyledBackground);
    m_upperStrip->setStyleSheet(QStringLiteral(
        "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0   #414141 , stop:0.05 #404040 ,"
        "stop:0.1 #3f3f3f , stop:0.15 #3e3e3e ,stop:0.2 #3d3d3d , stop:0.25 #3c3c3c ,stop:0.3 #3b3b3b , "
        "stop:0.35 #3a3a3a ,stop:0.4 #393939 , stop:0.45 #383838 ,stop:0.5 #373737 , stop:0.55 #363636 ,"
        "stop:0.6 #353535 , stop:0.65 #343434 ,stop:0.7 #333333 , stop:0.75 #323232 ,stop:0.8 #313131 , "
        "stop:0.85 #303030 ,stop:0.9 #2f2f2f , stop:0.95 #2e2e2e ,stop:1   #2d2d2d );"));
    m_lowerStrip->setStyleSheet(QStringLiteral(
        "background:qlineargradient(spread:pad,x1:0,y1:0,x2:0,y2:1,stop:0 #404040 , stop:1 #535353)"));

    m_layout->addWidget(m_upperStrip, 6);
    m_layout->addWidget(m_lowerStrip, 1);
    setLayout(m_layout);
}

void TOP_PAGE::initPlan2()
{
    auto *row = new QHBoxLayout(m_upperStrip);
    row->setContentsMargins(0, 0, 2, 0);

    m_logoLabel = new QLabel;
    m_logoLabel->setFixedSize(30, 22);
    m_logoLabel->setAlignment(Qt::AlignLeft);
    m_logoLabel->setStyleSheet(QStringLiteral("image: url(:/images/4k/default/logo.png);"));

    m_titleLabel = new QLabel;
    m_titleLabel->setFixedSize(110, 21);
    m_titleLabel->setStyleSheet(QStringLiteral("color: white;font-size:28px;"));

    m_spacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

    m_btnMin = new QPushButton;
    m_btnMin->setFixedSize(30, 21);
    m_btnMin->setStyleSheet(QStringLiteral(
        "QPushButton{image: url(:/images/StyleSheet/min.png);color: white;border-radius:0px;}"
        "QPushButton:hover{background-color:white; color: black;}"));

    m_btnClose = new QPushButton;
    m_btnClose->setFixedSize(30, 21);
    m_btnClose->setStyleSheet(QStringLiteral(
        "QPushButton{image: url(:/images/StyleSheet/close.png);color: white;border-radius:0px;}"
        "QPushButton:hover{background-color:white; color: black;}"));

    row->addWidget(m_logoLabel);
    row->addStretch();
    row->addWidget(m_titleLabel);
    row->addItem(m_spacer);
    row->addWidget(m_btnMin);
    row->addWidget(m_btnClose);

    connect(m_btnClose, &QPushButton::clicked, this, &TOP_PAGE::do_btnExitClicked);
    connect(m_btnMin, &QPushButton::clicked, this, &TOP_PAGE::on_btnclicked_min);
}

void TOP_PAGE::on_btnclicked_min()
{
    if (QWidget *window = parentWidget())
        window->showMinimized();
}

void TOP_PAGE::do_btnExitClicked()
{
    if (QWidget *window = parentWidget())
        window->close();
}

void TOP_PAGE::mousePressEvent(QMouseEvent *event)
{
    m_drag.press(event->globalPos());
    QWidget::mousePressEvent(event);
}

void TOP_PAGE::mouseMoveEvent(QMouseEvent *event)
{
    m_drag.move(parentWidget(), event->globalPos());
    QWidget::mouseMoveEvent(event);
}

void TOP_PAGE::mouseReleaseEvent(QMouseEvent *event)
{
    m_drag.release();
    QWidget::mouseReleaseEvent(event);
}
