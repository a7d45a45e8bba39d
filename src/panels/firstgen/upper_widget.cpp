#include "upper_widget.h"

Upper_Widget::Upper_Widget(QWidget* parent, Druvela_workdata* ws)
    : FirstGenUpperStrip(parent, ws, {{" Reso", 55}, {"Source", 55}, {"Mute", 53}}, FirstGenStyle::Lamp::Green)
{
}
