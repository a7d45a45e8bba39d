#include "my_button.h"

#include <QEvent>
#include <QCursor>
#include <QHBoxLayout>
#include <QLabel>

MyButton::MyButton(QWidget* parent)
    : QPushButton(parent)
{
    m_popup = new QWidget(this, Qt::ToolTip);
    m_popup->setObjectName(QStringLiteral("MyButton"));
    auto* layout = new QHBoxLayout(m_popup);
    m_popupLabel = new QLabel(m_popup);
    layout->addWidget(m_popupLabel);
    m_popup->setLayout(layout);
    m_popup->setStyleSheet(QStringLiteral("QWidget#MyButton{background-color:rgb(239,228,176);border:1px solid black;}"));
}

void MyButton::setPopupText(QString const& text)
{
    m_popupLabel->setText(text);
}

QString MyButton::popupText() const
{
    return m_popupLabel->text();
}

void MyButton::enterEvent(QEvent* event)
{
    QPushButton::enterEvent(event);
    const int x = mapFromGlobal(QCursor::pos()).x();
    m_popup->move(mapToGlobal(QPoint(x - 5, 30)));
    m_popup->show();
}

void MyButton::leaveEvent(QEvent* event)
{
    QPushButton::leaveEvent(event);
    m_popup->hide();
}
