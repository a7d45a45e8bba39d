#include "showsearch.h"

#include "lunesko.h"
#include "window_placement.h"

// The title bar's close only hides the panel; its end signal closes and deletes it.
void showsearch::setLuneskoUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Lunesko(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &Lunesko::ExitSignals, WindowPlacement::PanelEnd::Close,
                                      [this] { showSearchPage(); });
}
