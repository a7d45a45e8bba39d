#include "showsearch.h"

#include "oriskan_new.h"

void showsearch::setOriskanUI_NEW(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Oriskan_NEW(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    hide();
    moveToScreenCentre(panel);
    panel->show();
    // Closing deletes the panel with its controller and timers; the search starts over.
    connect(panel, &Oriskan_NEW::ExitSignals, panel, [this, panel]() {
        panel->close();
        showSearchPage();
    }, Qt::DirectConnection);
}
