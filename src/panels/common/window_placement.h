#pragma once
// Where the program's windows appear: centred on the primary screen's
// available area, measured from (0, 0) of that area's size.

#include <QObject>
#include <QWidget>

namespace WindowPlacement {

// Moves w so that it sits centred; nothing happens without a screen.
void centre(QWidget* w);

// Centres w and shows it.
void showCentred(QWidget* w);

// The panel's SET key: swaps the panel for its settings window, or closes
// that window when it is the active one.
void toggleSettings(QWidget* panel, QWidget* settings);

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

} // namespace WindowPlacement
