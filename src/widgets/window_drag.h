#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <QWidget>

// Moves a frameless window by the global mouse delta between a press and a
// release on its title strip.
class WindowDrag
{
public:
    void press(const QPoint &globalPos)
    {
        m_dragging = true;
        m_last = globalPos;
    }

    void move(QWidget *window, const QPoint &globalPos)
    {
        if (!m_dragging || !window)
            return;
        window->move(window->pos() + (globalPos - m_last));
        m_last = globalPos;
    }

    void release() { m_dragging = false; }

private:
    bool m_dragging = false;
    QPoint m_last;
};

// A title strip (any widget class) that drags its parent widget: a press with
// any button starts, every move shifts the parent by the delta, the release
// ends. Each event then goes on to the widget class's own handler.
template <class Base>
class ParentDragging : public Base
{
public:
    using Base::Base;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        m_drag.press(event->globalPos());
        Base::mousePressEvent(event);
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        m_drag.move(this->parentWidget(), event->globalPos());
        Base::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        m_drag.release();
        Base::mouseReleaseEvent(event);
    }

private:
    WindowDrag m_drag;
};
