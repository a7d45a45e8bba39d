// Linked into every widget test program (zv_add_qtest): it starts with the
// application and
//   - fails the running test at once when a message box it did not expect
//     opens, naming the box's text, and closes the box: a modal box never
//     blocks a run until ctest kills it (ExpectedBoxes: widget_events.h);
//   - keeps the offscreen platform plugin's screens reachable: the plugin never
//     frees them, and a pointer held here lets the leak checker see them as
//     alive without a suppression that needs a full stack to match.

#include "widget_events.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include <cstdio>
#include <cstdlib>

namespace {

// Plain pointers in static storage: the leak checker scans them as roots, and
// nothing runs at exit that would clear them before it does.
constexpr int kKeptScreens = 8;
const void* volatile g_keptScreens[2 * kKeptScreens];
int g_keptCount = 0;

void keepScreen(QScreen* screen)
{
    if (!screen || g_keptCount >= kKeptScreens)
        return;
    g_keptScreens[2 * g_keptCount] = screen;
    g_keptScreens[2 * g_keptCount + 1] = screen->handle();
    ++g_keptCount;
}

void closeBox(QMessageBox* box)
{
    if (QAbstractButton* escape = box->escapeButton())
        escape->click();
    else
        box->reject();
}

class BoxWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show || ExpectedBoxes::active())
            return false;
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box)
            return false;
        const QByteArray what = QStringLiteral("a message box the test did not expect opened: \"%1\" (title \"%2\")")
                                    .arg(box->text(), box->windowTitle())
                                    .toUtf8();
        // Closed from inside its own event loop, which starts once the box is shown.
        QPointer<QMessageBox> guard(box);
        QTimer::singleShot(0, box, [guard] {
            if (guard)
                closeBox(guard);
        });
        if (QTest::currentTestFunction()) {
            QTest::qFail(what.constData(), __FILE__, __LINE__);
        } else {
            std::fprintf(stderr, "%s, outside any test function\n", what.constData());
            std::fflush(stderr);
            std::abort();
        }
        return false;
    }
};

void installTestRig()
{
    auto* app = QCoreApplication::instance();
    if (!qobject_cast<QGuiApplication*>(app))
        return;
    app->installEventFilter(new BoxWatcher(app));
    for (QScreen* s : QGuiApplication::screens())
        keepScreen(s);
    QObject::connect(qGuiApp, &QGuiApplication::screenAdded, app, &keepScreen);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installTestRig)
