#include "ambrelo_top.h"

#include "series8_style.h"

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

QPushButton* makeStripButton(QWidget* parent, const char* image)
{
    auto* b = new QPushButton(parent);
    b->setStyleSheet(QStringLiteral("QPushButton{image: url(:/images/StyleSheet/%1);color: white;border-radius:0px;}"
                                    "QPushButton:hover{background-color:white; color: black;}")
                         .arg(QLatin1String(image)));
    b->setFixedSize(30, 21);
    return b;
}

} // namespace

Ambrelo_TOP::Ambrelo_TOP(QWidget* parent)
    : QWidget(parent)
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
    m_lower->setStyleSheet(QLatin1String(Series8Style::kLowerBand));
    m_layout->addWidget(m_upper, 6);
    m_layout->addWidget(m_lower, 1);
}

void Ambrelo_TOP::initPlan2()
{
    m_logo = makeLogo(this);
    m_btnMin = makeStripButton(this, "min.png");
    m_btnClose = makeStripButton(this, "close.png");
    m_title = new QLabel(this);
    m_title->setStyleSheet(QStringLiteral("color: white;font-size:28px;"));
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

void Ambrelo_TOP::mousePressEvent(QMouseEvent* event)
{
    m_drag.press(event->globalPos());
    QWidget::mousePressEvent(event);
}

void Ambrelo_TOP::mouseMoveEvent(QMouseEvent* event)
{
    m_drag.move(parentWidget(), event->globalPos());
    QWidget::mouseMoveEvent(event);
}

void Ambrelo_TOP::mouseReleaseEvent(QMouseEvent* event)
{
    m_drag.release();
    QWidget::mouseReleaseEvent(event);
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
