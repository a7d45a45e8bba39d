#pragma once
// Synthetic input for widget tests, and the modal box a test has to answer.

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>

// A mouse event at a widget-local point, delivered at once.
inline void sendMouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, QPointF(local), QPointF(w->mapToGlobal(local)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The message box on screen, if any.
inline QMessageBox* visibleBox()
{
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible())
            return box;
    }
    return nullptr;
}
