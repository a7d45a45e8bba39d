#pragma once
// The draggable PIP previews of the series-8 panels. The button stands for the
// PIP window on the program picture: dragging it sends the position in device
// pixels, a reported position moves it, and its area follows the PIP size.
// The panels' previews differ only in their areas and scale factors.

#include <QPoint>
#include <QToolButton>

#include <array>
#include <cstdint>

class Druvela_workdata;

namespace PipDrag {

// One PIP size: the area the button's top-left may take, the factors from
// preview to device pixels and back, and whether a change to this size pulls
// the button back into the area.
struct Scale {
    int limitX = 0;
    int limitY = 0;
    double toDeviceH = 0;
    double toDeviceV = 0;
    double toPreviewH = 0;
    double toPreviewV = 0;
    bool pullBack = true;
};

enum Size : int { Small = 0, Medium = 1, Large = 2 };
using Scales = std::array<Scale, 3>;  // indexed by Size

// factor * value in double, truncated toward zero, kept to 16 bits.
quint16 scaled(double factor, int value);

// The button's position clamped to 0..limit.
QPoint clamped(const QPoint& p, const Scale& s);

} // namespace PipDrag

class PipDragButton : public QToolButton
{
    Q_OBJECT
public:
    PipDragButton(const PipDrag::Scales& scales, QWidget* parent);

    // The preview's own command layer aims where the panel's does. Sends nothing.
    void DevTypeID(QString ip, unsigned char a, unsigned char b, QString hisIp, unsigned char c,
                   unsigned char d);
    // The PIP size alone: the button stays where it is.
    void setRARE_V(int size);
    int pipSize() const { return m_size; }
    Druvela_workdata* link() const { return m_link; }

public slots:
    // A new PIP size, pulling the button back into its area; sends nothing.
    void getPIP_SIZ(int sz);
    // A reported device position; no clamping, nothing sent.
    void set_H_Vposition_Style(uint16_t Hnum, uint16_t Lnum);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Hook for a preview that logs where each drag step lands.
    virtual void movedTo(const QPoint&) {}

private:
    const PipDrag::Scale& scale() const { return m_scales[size_t(m_size)]; }

    PipDrag::Scales m_scales;
    Druvela_workdata* m_link = nullptr;
    bool m_dragging = false;
    QPoint m_anchor;
    int m_size = PipDrag::Large;
};
