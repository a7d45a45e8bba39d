#include "showsearch.h"

#include "corvane.h"

void showsearch::setCorvaneUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Corvane(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    hide();
    moveToScreenCentre(panel);
    panel->show();
    // The panel deletes itself on close; the search comes back for the next device.
    connect(panel, &Corvane::ExitSignals, panel, [this, panel]() {
        panel->close();
        showSearchPage();
    }, Qt::DirectConnection);
}
