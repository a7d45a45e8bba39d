#include "pipgro_venadro.h"

#include "model_tables.h"

#include <QDebug>

namespace {

// Device range over drag limit, divided first as the switcher does; the limits
// bound the drag truncated to whole pixels.
PipDrag::Scale sizeArea(double limitX, double limitY, double rangeH, double rangeV, bool pullBack)
{
    return {int(limitX), int(limitY), rangeH / limitX, rangeV / limitY, limitX / rangeH, limitY / rangeV, pullBack};
}

} // namespace

PipDrag::Scales PIPGroVenadro::scales()
{
    // Small has the largest area: a change to it never moves the button.
    return {{
        sizeArea(m_x1, m_y1, 1440.0, 810.0, false),
        sizeArea(m_x2, m_y2, 1280.0, 720.0, true),
        sizeArea(m_x3, m_y3, 960.0, 540.0, true),
    }};
}

PIPGroVenadro::PIPGroVenadro(QWidget* parent)
    : PipDragButton(scales(), parent)
{
}

void PIPGroVenadro::movedTo(const QPoint& to)
{
    qDebug() << "移动到的坐标：" << to.x() << "," << to.y();
}
