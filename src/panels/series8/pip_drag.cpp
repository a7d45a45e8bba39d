#include "pip_drag.h"

#include "druvela_workdata.h"

#include <QMouseEvent>

#include <cmath>

namespace PipDrag {

quint16 scaled(double factor, int value)
{
    return quint16(static_cast<qint64>(std::trunc(factor * value)));
}

QPoint clamped(const QPoint& p, const Scale& s)
{
    return QPoint(qBound(0, p.x(), s.limitX), qBound(0, p.y(), s.limitY));
}

} // namespace PipDrag

PipDragButton::PipDragButton(const PipDrag::Scales& scales, QWidget* parent)
    : QToolButton(parent)
    , m_scales(scales)
    , m_link(new Druvela_workdata(this))
{
}

void PipDragButton::DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char c,
                              unsigned char d)
{
    m_link->get_DevTypeID(ip, a, b);
    m_link->get_HISTypeID(hisIp, c, d);
}

// Sizes come from the SET window's key and from reported state; one outside
// the three has no area or factors, so it is not taken.
void PipDragButton::setRARE_V(int size)
{
    if (size >= PipDrag::Small && size <= PipDrag::Large)
        m_size = size;
}

void PipDragButton::getPIP_SIZ(int sz)
{
    setRARE_V(sz);
    if (m_size != sz || !scale().pullBack)
        return;
    const QPoint inside(qMin(x(), scale().limitX), qMin(y(), scale().limitY));
    if (inside != pos())
        move(inside);
}

void PipDragButton::set_H_Vposition_Style(uint16_t Hnum, uint16_t Lnum)
{
    move(PipDrag::scaled(scale().toPreviewH, Hnum), PipDrag::scaled(scale().toPreviewV, Lnum));
}

void PipDragButton::mousePressEvent(QMouseEvent* event)
{
    m_dragging = true;
    m_anchor = event->globalPos();
    setStyleSheet(QStringLiteral("QToolButton{border:2px solid red;}"));
    // The plain widget's handler: the button never looks pressed nor clicks.
    QWidget::mousePressEvent(event);
}

void PipDragButton::mouseMoveEvent(QMouseEvent* event)
{
    if (m_dragging) {
        const QPoint current = event->globalPos();
        const QPoint to = PipDrag::clamped(pos() + (current - m_anchor), scale());
        m_anchor = current;
        movedTo(to);
        move(to);
        // Every move event sends both, changed or not.
        m_link->SendCMDPIP_H_Position(PipDrag::scaled(scale().toDeviceH, to.x()));
        m_link->SendCMDPIP_V_Position(PipDrag::scaled(scale().toDeviceV, to.y()));
    }
    QWidget::mouseMoveEvent(event);
}

void PipDragButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_dragging = false;
    setStyleSheet(QStringLiteral("QToolButton{border:1px solid white;}"));
    QWidget::mouseReleaseEvent(event);
}
