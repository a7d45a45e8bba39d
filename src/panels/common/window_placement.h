#pragma once
// Where the program's windows appear: centred on the primary screen's
// available area, measured from (0, 0) of that area's size.

#include <QDialog>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace WindowPlacement {

// The top-left corner for a window of the given size: centred by the rule
// above, but never outside the available area. A window larger than the area
// would otherwise go to a negative origin, its title bar (its only drag
// handle) above the screen; on such an axis it starts at the area's edge.
QPoint centredOrigin(const QRect& available, const QSize& window);

// The top-left corner of wanted moved only as far as it takes to bring the
// whole rectangle inside available; on an axis where it is larger than the
// area it starts at the area's edge.
QPoint keptInside(const QRect& available, const QRect& wanted);

// Moves w so that it sits centred; nothing happens without a screen.
void centre(QWidget* w);

// Centres w and shows it.
void showCentred(QWidget* w);

// The panel's SET key: swaps the panel for its settings window, or closes
// that window when it is the active one.
void toggleSettings(QWidget* panel, QWidget* settings);

// A SET key that leaves the panel in place: closes the settings window when
// it is the active one, else shows it.
void toggleSettingsWindow(QWidget* settings);

// Back from the settings window: closes it and shows the panel again, centred.
void backFromSettings(QWidget* panel, QWidget* settings);

// Shows a model's panel in place of the search window. The panel deletes
// itself on close; its end signal closes it and hands back to the search.
template <class Panel, class Back>
void showPanelInstead(Panel* panel, QWidget* search, Back backToSearch)
{
    search->hide();
    showCentred(panel);
    QObject::connect(panel, &Panel::ExitSignals, panel, [panel, backToSearch]() {
        panel->close();
        backToSearch();
    }, Qt::DirectConnection);
}

// Icon and hidden search window, without showing the panel.
void prepareDormantPanel(QWidget* panel, QWidget* search);

// The openers the search window holds for the models no double click opens.
// Their common step: the panel gets the program's window icon, the search
// window hides, and the panel shows where the toolkit puts it (no centring).
void showDormantPanel(QWidget* panel, QWidget* search);

// How a dormant panel leaves when it signals its end.
enum class PanelEnd { Hide, Close };

// The same, with the panel's end signal handing back to the search: the panel
// is hidden or closed, then deleted, then backToSearch runs.
template <class Panel, class Signal, class Back>
void showDormantPanel(Panel* panel, QWidget* search, Signal endSignal, PanelEnd end, Back backToSearch)
{
    showDormantPanel(panel, search);
    QObject::connect(panel, endSignal, panel, [panel, end, backToSearch]() {
        if (end == PanelEnd::Hide)
            panel->hide();
        else
            panel->close();
        panel->deleteLater();
        backToSearch();
    }, Qt::DirectConnection);
}

// A modal dormant panel: runs it until it is done, deletes it, then hands
// back to the search.
template <class Back>
void execDormantPanel(QDialog* panel, QWidget* search, Back backToSearch)
{
    prepareDormantPanel(panel, search);
    panel->exec();
    delete panel;
    backToSearch();
}

} // namespace WindowPlacement
