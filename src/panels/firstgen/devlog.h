#pragma once
// Title strip of the six-input first-generation panel: logo and close.

#include "title_strip.h"

class Devlog : public FirstGenTitleStrip
{
    Q_OBJECT
public:
    Devlog(QWidget* parent, Druvela_workdata* ws);

private:
    void init();
    void initlayout();
};
