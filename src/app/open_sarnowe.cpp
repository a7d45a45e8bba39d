#include "showsearch.h"

#include "sarnowe.h"
#include "window_placement.h"

// The title bar's close only hides the panel; its end signal closes and deletes it.
void showsearch::setSarnoweUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Sarnowe(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &Sarnowe::ExitSignals, WindowPlacement::PanelEnd::Close,
                                      [this] { showSearchPage(); });
}
