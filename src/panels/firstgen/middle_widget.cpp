#include "middle_widget.h"

Middle_widget::Middle_widget(QWidget* parent, Druvela_workdata* ws)
    : FirstGenMiddleStrip(parent, ws)
{
    initlayout(QMargins(50, 10, 120, 20));
    connectControls();
}
