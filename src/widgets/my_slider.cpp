#include "my_slider.h"

#include <QMouseEvent>
#include <QStyle>

MySlider::MySlider(QWidget* parent)
    : QSlider(parent)
{
}

void MySlider::mousePressEvent(QMouseEvent* event)
{
    const int value = QStyle::sliderValueFromPosition(minimum(), maximum(), event->pos().y(), height(), false);
    setValue(value);
    QSlider::mousePressEvent(event);
}
