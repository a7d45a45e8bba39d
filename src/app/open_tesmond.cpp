#include "showsearch.h"

#include "tesmondui.h"
#include "window_placement.h"

// The first-generation panels go back to the search with their return key; a
// panel only hidden would keep its socket (and Oriskan its 3 s poll), so it is deleted.
void showsearch::setTesmondUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new TesmondUI(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &TesmondUI::m_on_Singnals_returnloginwin,
                                      WindowPlacement::PanelEnd::Hide, [this] { showSearchPage(); });
}

void showsearch::setOriskanUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new OriskanUI(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this, &OriskanUI::ExitSignals, WindowPlacement::PanelEnd::Hide,
                                      [this] { showSearchPage(); });
}
