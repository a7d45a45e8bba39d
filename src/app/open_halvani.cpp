#include "showsearch.h"

#include "halvaniui.h"
#include "window_placement.h"

// The Halvani panel runs modally; its return key ends the run. It is deleted
// whatever the run returns, so no panel (and no socket) outlives it.
void showsearch::setHalvaniUI(QString ip, uchar a, uchar b)
{
    auto* panel = new HalvaniUI(nullptr);
    panel->DevTypeID(ip, a, b);
    WindowPlacement::execDormantPanel(panel, this, [this] { showSearchPage(); });
}
