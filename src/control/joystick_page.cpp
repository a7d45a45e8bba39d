#include "joystick_page.h"

#include "onlyfun.h"

#include <QDebug>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cmath>

namespace {

const QString kBaseImage = QStringLiteral(":/images/Tavrine/StyleSheet/Zv.png");
const QString kBaseImageHover = QStringLiteral(":/images/Tavrine/StyleSheet/Zv_S.png");
const QString kKnobImage = QStringLiteral(":/images/Tavrine/StyleSheet/CENTER_2.png");
const QString kKnobImageHover = QStringLiteral(":/images/Tavrine/StyleSheet/CENTER_3.png");

constexpr int kCentre = 64;
constexpr int kGrabRadiusSq = 90 * 90;
constexpr int kFreeRadiusSq = 74 * 74;
constexpr double kRimDistance = 45.0;
constexpr int kPadSize = 128;
constexpr int kKnobHalf = 30;

} // namespace

Joystick_PAGE::Joystick_PAGE(QWidget* parent)
    : QWidget(parent)
    , m_baseImage(kBaseImage)
    , m_knobImage(kKnobImage)
{
}

void Joystick_PAGE::getOnlyfunPoint(onlyFun* fun)
{
    m_fun = fun;
}

void Joystick_PAGE::Init()
{
    m_knob = QPoint(kCentre, kCentre);
    m_centre = QPoint(kCentre, kCentre);
    m_dragging = false;
}

uchar Joystick_PAGE::axisByte(int k)
{
    // The pad's edges (0 and 128) would map onto the centre code and stop the
    // camera: they send the extreme values instead.
    k = std::clamp(k, 1, kPadSize - 1);
    if (k < kCentre)
        return static_cast<uchar>(k + kCentre);
    if (k == kCentre)
        return kCentre;
    return static_cast<uchar>(k - kCentre);
}

void Joystick_PAGE::mousePressEvent(QMouseEvent* event)
{
    m_moved = false;
    const QPoint p = event->localPos().toPoint();
    qDebug() << "摇杆坐标： " << p;
    const QPoint d = p - m_centre;
    if (d.x() * d.x() + d.y() * d.y() <= kGrabRadiusSq)
        m_dragging = true;
}

void Joystick_PAGE::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint p = event->localPos().toPoint();
    const QPoint d = p - m_centre;
    if (d.x() * d.x() + d.y() * d.y() > kFreeRadiusSq) {
        const double angle = std::atan2(std::abs(d.y()), std::abs(d.x()));
        const int ox = static_cast<int>(std::cos(angle) * kRimDistance);
        const int oy = static_cast<int>(std::sin(angle) * kRimDistance);
        const int cx = m_centre.x();
        const int cy = m_centre.y();
        if (d.x() > 0 && d.y() > 0) {
            m_knob = QPoint(cx + ox, cy + oy);
            qDebug() << "第一象限";
        } else if (d.x() < 0 && d.y() > 0) {
            m_knob = QPoint(cx - ox, cy + oy);
            qDebug() << "第二象限";
        } else if (d.x() < 0 && d.y() < 0) {
            m_knob = QPoint(cx - ox, cy - oy);
            qDebug() << "第三象限";
        } else if (d.x() > 0 && d.y() < 0) {
            m_knob = QPoint(cx + ox, cy - oy);
            qDebug() << "第四象限";
        }
    } else {
        m_knob = p;
        qDebug() << "第五象限";
    }
    m_knob.setX(std::clamp(m_knob.x(), 0, kPadSize));
    m_knob.setY(std::clamp(m_knob.y(), 0, kPadSize));
    m_moved = true;
    update();
}

void Joystick_PAGE::mouseReleaseEvent(QMouseEvent*)
{
    m_moved = false;
    m_dragging = false;
    m_knob = m_centre;
    update();
}

void Joystick_PAGE::showHover(bool over)
{
    m_knobImage = over ? kKnobImageHover : kKnobImage;
    m_baseImage = over ? kBaseImageHover : kBaseImage;
    m_moved = false;
    update();
}

void Joystick_PAGE::enterEvent(QEvent*)
{
    showHover(true);
}

void Joystick_PAGE::leaveEvent(QEvent*)
{
    showHover(false);
}

void Joystick_PAGE::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap base(m_baseImage);
    const QPixmap knob(m_knobImage);
    painter.drawPixmap(QRect(m_centre.x() - kCentre, m_centre.y() - kCentre, kPadSize, kPadSize), base);
    painter.drawPixmap(QRect(m_knob.x() - kKnobHalf, m_knob.y() - kKnobHalf, 2 * kKnobHalf, 2 * kKnobHalf), knob);

    if (!m_moved)
        return;
    qDebug() << "小圆圆心坐标" << m_knob;
    qDebug() << "大圆圆心坐标" << m_centre;
    if (m_fun)
        m_fun->getJoystickPoint(axisByte(m_knob.x()), axisByte(m_knob.y()));
}
