#pragma once

// Slider whose value jumps to the clicked position.

#include <QSlider>

class MySlider : public QSlider
{
    Q_OBJECT

public:
    explicit MySlider(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
