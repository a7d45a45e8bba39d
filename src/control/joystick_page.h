#pragma once

// Painted pan/tilt pad: while the knob is dragged off its rest position every
// repaint sends the knob's position through the controller.

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

class onlyFun;

class Joystick_PAGE : public QWidget
{
    Q_OBJECT

public:
    explicit Joystick_PAGE(QWidget* parent = nullptr);

    void getOnlyfunPoint(onlyFun* fun);
    void Init();

    QPoint knobCentre() const { return m_knob; }
    QString baseImage() const { return m_baseImage; }
    QString knobImage() const { return m_knobImage; }
    bool isMoved() const { return m_moved; }

    // Device byte of one knob coordinate: 64 at the centre, 65..127 left/up,
    // 1..63 right/down.
    static uchar axisByte(int k);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void showHover(bool over);

    QPointer<onlyFun> m_fun;
    QPoint m_knob{64, 64};
    QPoint m_centre{64, 64};
    bool m_dragging = false;
    QString m_baseImage;
    QString m_knobImage;
    bool m_moved = false;
};
