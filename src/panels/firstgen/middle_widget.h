#pragma once
// Middle strip of the Tesmond panel.

#include "middle_strip.h"

class Middle_widget : public FirstGenMiddleStrip
{
    Q_OBJECT
public:
    Middle_widget(QWidget* parent, Druvela_workdata* ws);
};
