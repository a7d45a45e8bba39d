#include "showsearch.h"

#include "corvane.h"
#include "window_placement.h"

void showsearch::setCorvaneUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Corvane(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showPanelInstead(panel, this, [this] { showSearchPage(); });
}
