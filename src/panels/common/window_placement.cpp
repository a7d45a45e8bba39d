#include "window_placement.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace WindowPlacement {

void centre(QWidget* w)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!w || !screen)
        return;
    const QSize area = screen->availableGeometry().size();
    w->move((area.width() - w->width()) / 2, (area.height() - w->height()) / 2);
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
