#include "showsearch.h"

#include "oriskan_new.h"
#include "window_placement.h"

void showsearch::setOriskanUI_NEW(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Oriskan_NEW(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showPanelInstead(panel, this, [this] { showSearchPage(); });
}
