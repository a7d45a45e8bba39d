#pragma once

// Registers the compiled image set (":/images/..."). A resource collection in
// a static library is only linked in when something calls this; call it once
// before the first window is built.
void zvInitResources();
