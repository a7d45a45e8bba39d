#pragma once
// The Venadro panel's PIP preview: its drag areas are the shared limits of
// the three PIP sizes, each scaled to that size's device range.

#include "pip_drag.h"

class PIPGroVenadro : public PipDragButton
{
    Q_OBJECT
public:
    explicit PIPGroVenadro(QWidget* parent = nullptr);

    static PipDrag::Scales scales();

protected:
    void movedTo(const QPoint& to) override;
};
