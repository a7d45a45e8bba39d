#include "showsearch.h"

#include "venadro.h"
#include "window_placement.h"

// The Venadro panel has no way back to the search: its close key ends the program.
void showsearch::setVenadroUI(QString ip, uchar a, uchar b, QString ip2, uchar c, uchar d)
{
    auto* panel = new Venadro(nullptr);
    panel->DevTypeID(ip, a, b, ip2, c, d);
    WindowPlacement::showDormantPanel(panel, this);
}
