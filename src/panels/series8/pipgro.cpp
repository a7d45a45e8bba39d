#include "pipgro.h"

// The switcher's factors as written (960/200, 540/112, 1280/266, 720/149 and
// their inverses), not the exact ratios; the Medium area is 266 x 149.
const PipDrag::Scales PIPGro::kScales = {{
    {300, 168, 4.8, 4.821428571428571, 0.20833333333333334, 0.2074074074074074, false},  // Small
    {266, 149, 4.81203007518797, 4.832214765100671, 0.2078125, 0.20694444444444443, true},  // Medium
    {200, 112, 4.8, 4.821428571428571, 0.20833333333333334, 0.2074074074074074, true},  // Large
}};

PIPGro::PIPGro(QWidget* parent)
    : PipDragButton(kScales, parent)
{
}
