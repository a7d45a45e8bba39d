#pragma once
// PIP settings box of the six-input first-generation panel: size, position and
// border of the inset picture, each change sent at once.

#include <QGroupBox>

class Druvela_workdata;
class QComboBox;
class QSpinBox;

class PIP : public QGroupBox
{
    Q_OBJECT
public:
    PIP(QWidget* parent, Druvela_workdata* ws);

public slots:
    void setSpboxHPosition(int value);
    void setSpboxVPosition(int value);
    // A narrower range moves a position first, and that move is sent before the size.
    void setCoboxSize(int index);
    void setCoboxBorder_Enable(int index);
    void setSpboxBorder_Width(int value);
    void setCoboxBorder_Color(int index);

private:
    void init();

    QSpinBox* m_h = nullptr;
    QSpinBox* m_v = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_borderEnable = nullptr;
    QSpinBox* m_borderWidth = nullptr;
    QComboBox* m_borderColor = nullptr;
    // The panel's.
    Druvela_workdata* m_ws = nullptr;
};
