#pragma once

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
