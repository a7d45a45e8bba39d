#include "showsearch.h"

#include "tavrine.h"
#include "window_placement.h"

// The title bar's close only hides the panel; its end signal closes and deletes it.
void showsearch::setTavrineUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Tavrine(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &Tavrine::ExitSignals, WindowPlacement::PanelEnd::Close,
                                      [this] { showSearchPage(); });
}
