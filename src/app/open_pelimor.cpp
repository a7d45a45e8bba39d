#include "showsearch.h"

#include "pelimor.h"
#include "window_placement.h"

// The Pelimor window is given no device and has no way back to the search.
void showsearch::setPelimorUI()
{
    WindowPlacement::showDormantPanel(new Pelimor(nullptr), this);
}
