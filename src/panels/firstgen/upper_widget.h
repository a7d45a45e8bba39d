#pragma once
// The top key strip of the Tesmond panel: F1 "PGM Out", F2 flash, F3 mute,
// F7, FTB, DS and return; F4, F5, F6 and F8 are shown but do nothing.

#include "upper_strip.h"

class Upper_Widget : public FirstGenUpperStrip
{
    Q_OBJECT
public:
    Upper_Widget(QWidget* parent, Druvela_workdata* ws);
};
