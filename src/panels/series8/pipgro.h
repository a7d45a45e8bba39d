#pragma once
// The Quillet panel's PIP preview: a 400 x 224 box stands for the 1920 x 1080
// program picture.

#include "pip_drag.h"

class PIPGro : public PipDragButton
{
    Q_OBJECT
public:
    explicit PIPGro(QWidget* parent = nullptr);

    static const PipDrag::Scales kScales;
};
