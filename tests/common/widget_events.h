#pragma once
// Synthetic input for widget tests, and the modal box a test has to answer.

#include <QApplication>
#include <QTimer>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>

#include <functional>

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

// While one lives, message boxes are the test's to answer; any other box fails
// the running test at once and is closed (qtest_rig.cpp).
class ExpectedBoxes : public QObject
{
public:
    explicit ExpectedBoxes(QObject* parent = nullptr) : QObject(parent) { ++count(); }
    ~ExpectedBoxes() override { --count(); }
    static bool active() { return count() > 0; }

private:
    static int& count()
    {
        static int n = 0;
        return n;
    }
};

// Hands every visible message box to `answer` from a timer, as long as `watch`
// lives: the box is modal and runs its own event loop, so the test can only
// reach it this way.
inline void watchBoxes(QTimer& watch, std::function<void(QMessageBox*)> answer)
{
    new ExpectedBoxes(&watch);
    QObject::connect(&watch, &QTimer::timeout, [answer] {
        if (QMessageBox* box = visibleBox())
            answer(box);
    });
    watch.start(20);
}

// The named child of a form or page; a test cannot go on without it.
template <class T = QWidget>
T* namedChild(const QObject* parent, const QString& name)
{
    T* w = parent->findChild<T*>(name);
    if (!w)
        qFatal("no widget %s", qPrintable(name));
    return w;
}
