#include "my_lable.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPushButton>

myLable::myLable(QString title, QWidget* parent, bool withClose)
    : ParentDragging<QLabel>(parent)
    , m_title(std::move(title))
    , m_withClose(withClose)
{
    if (!m_withClose) {
        setText(m_title);
        return;
    }
    m_titleLabel = new QLabel(m_title, this);
    m_titleLabel->setFixedHeight(16);
    m_closeButton = new QPushButton(this);
    m_closeButton->setStyleSheet(QStringLiteral("QPushButton{border-image:url(:/images/4k/default/close.png);}"));
    m_closeButton->setFixedSize(11, 10);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(9, 3, 9, 3);
    layout->addStretch();
    layout->addWidget(m_titleLabel);
    layout->addStretch();
    layout->addWidget(m_closeButton);
    setLayout(layout);

    connect(m_closeButton, &QPushButton::clicked, this, &myLable::closeWidget);
}

void myLable::closeWidget()
{
    if (QWidget* w = parentWidget())
        w->close();
}
