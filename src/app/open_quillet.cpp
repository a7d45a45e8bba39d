#include "showsearch.h"

#include "quillet.h"
#include "window_placement.h"

// The Quillet panel has no way back to the search: its close key ends the program.
void showsearch::setQuilletUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Quillet(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this);
}
