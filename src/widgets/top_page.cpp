#include "top_page.h"

#include "title_styles.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

TOP_PAGE::TOP_PAGE(QWidget *parent)
    : ParentDragging<QWidget>(parent)
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
    m_upperStrip->setStyleSheet(QLatin1String(TitleStyles::kUpperBand));
    m_lowerStrip->setStyleSheet(QLatin1String(TitleStyles::kLowerBand));

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
    m_titleLabel->setStyleSheet(QLatin1String(TitleStyles::kTitle));

    m_spacer = new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum);

    m_btnMin = new QPushButton;
    m_btnMin->setFixedSize(30, 21);
    m_btnMin->setStyleSheet(QLatin1String(TitleStyles::kMinKey));

    m_btnClose = new QPushButton;
    m_btnClose->setFixedSize(30, 21);
    m_btnClose->setStyleSheet(QLatin1String(TitleStyles::kCloseKey));

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
