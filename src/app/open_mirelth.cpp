#include "showsearch.h"

#include "mirelth.h"
#include "window_placement.h"

// The title bar's close only hides the panel; its end signal closes and deletes it.
void showsearch::setMirelthUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Mirelth(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &Mirelth::ExitSignals, WindowPlacement::PanelEnd::Close,
                                      [this] { showSearchPage(); });
}
