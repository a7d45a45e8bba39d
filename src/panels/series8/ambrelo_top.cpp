#include "ambrelo_top.h"

#include "series8_style.h"
#include "title_styles.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyleOption>
#include <QVBoxLayout>

namespace {

QLabel* makeLogo(QWidget* parent)
{
    auto* logo = new QLabel(parent);
    logo->setStyleSheet(QLatin1String(Series8Style::kLogo));
    logo->setFixedSize(Series8Style::kLogoWidth, Series8Style::kLogoHeight);
    return logo;
}

QPushButton* makeStripButton(QWidget* parent, const char* sheet)
{
    auto* b = new QPushButton(parent);
    b->setStyleSheet(QLatin1String(sheet));
    b->setFixedSize(30, 21);
    return b;
}

} // namespace

Ambrelo_TOP::Ambrelo_TOP(QWidget* parent)
    : ParentDragging<QWidget>(parent)
{
    initPlan1();
}

void Ambrelo_TOP::initPlan1()
{
    m_layout = new QVBoxLayout(this);
    m_upper = new QWidget;
    m_lower = new QWidget;
    initPlan2();
    m_layout->setSpacing(0);
    m_layout->setContentsMargins(0, 0, 0, 0);

    m_upper->setAttribute(Qt::WA_StyledBackground);
    m_lower->setAttribute(Qt::WA_StyledBackground);
    m_upper->setStyleSheet(QLatin1String(Series8Style::kDark));
    m_lower->setStyleSheet(QLatin1String(TitleStyles::kLowerBand));
    m_layout->addWidget(m_upper, 6);
    m_layout->addWidget(m_lower, 1);
}

void Ambrelo_TOP::initPlan2()
{
    m_logo = makeLogo(this);
    m_btnMin = makeStripButton(this, TitleStyles::kMinKey);
    m_btnClose = makeStripButton(this, TitleStyles::kCloseKey);
    m_title = new QLabel(this);
    m_title->setStyleSheet(QLatin1String(TitleStyles::kTitle));
    m_title->setFixedSize(110, 21);

    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 2, 0);
    row->addWidget(m_logo);
    row->addStretch();
    row->addWidget(m_title);
    row->addStretch();
    row->addWidget(m_btnMin);
    row->addWidget(m_btnClose);

    // The click's checked flag (false) becomes the exit code 0.
    connect(m_btnClose, &QPushButton::clicked, &QCoreApplication::exit);
    connect(m_btnMin, &QPushButton::clicked, this, &Ambrelo_TOP::on_btnclicked_min);
    m_upper->setLayout(row);
}

void Ambrelo_TOP::on_btnclicked_min()
{
    if (QWidget* window = parentWidget())
        window->showMinimized();
}

Ambrelo_subWinTOP::Ambrelo_subWinTOP(QWidget* parent)
    : QWidget(parent)
{
    setStyleSheet(QLatin1String(Series8Style::kDark));
    init();
}

void Ambrelo_subWinTOP::init()
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(0, 0, 2, 0);
    m_logo = makeLogo(this);
    row->addWidget(m_logo);
    row->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    setLayout(row);
}

void Ambrelo_subWinTOP::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.press(event->globalPos());
    QWidget::mousePressEvent(event);
}

void Ambrelo_subWinTOP::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(parentWidget(), event->globalPos());
    QWidget::mouseMoveEvent(event);
}

void Ambrelo_subWinTOP::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.release();
    QWidget::mouseReleaseEvent(event);
}

void Ambrelo_subWinTOP::paintEvent(QPaintEvent* event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
