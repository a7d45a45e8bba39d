#include "window_placement.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace WindowPlacement {

QPoint centredOrigin(const QRect& available, const QSize& window)
{
    const auto axis = [](int first, int last, int length, int size) {
        const int at = (length - size) / 2;
        return at < first || at > last ? first : at;
    };
    return {axis(available.left(), available.right(), available.width(), window.width()),
            axis(available.top(), available.bottom(), available.height(), window.height())};
}

QPoint keptInside(const QRect& available, const QRect& wanted)
{
    const auto axis = [](int at, int size, int first, int length) {
        return qMax(first, qMin(at, first + length - size));
    };
    return {axis(wanted.x(), wanted.width(), available.x(), available.width()),
            axis(wanted.y(), wanted.height(), available.y(), available.height())};
}

void centre(QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!w || !screen)
        return;
    w->move(centredOrigin(screen->availableGeometry(), w->size()));
}

void showCentred(QWidget* w)
{
    centre(w);
    w->show();
}

void toggleSettings(QWidget* panel, QWidget* settings)
{
    if (!settings->isActiveWindow()) {
        panel->hide();
        showCentred(settings);
    } else {
        settings->close();
    }
}

void toggleSettingsWindow(QWidget* settings)
{
    if (settings->isActiveWindow())
        settings->close();
    else
        settings->show();
}

void backFromSettings(QWidget* panel, QWidget* settings)
{
    settings->close();
    showCentred(panel);
}

void prepareDormantPanel(QWidget* panel, QWidget* search)
{
    panel->setWindowIcon(QIcon(QStringLiteral(":/images/StyleSheet/DEVapplication.png")));
    search->hide();
}

void showDormantPanel(QWidget* panel, QWidget* search)
{
    prepareDormantPanel(panel, search);
    panel->show();
}

} // namespace WindowPlacement
