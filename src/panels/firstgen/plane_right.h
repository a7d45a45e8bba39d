#pragma once
// The PIP side panel of the four-input first-generation panels: size,
// position and border of the PIP window. Each operator change sends one
// command; a position needs a size first. The status setters show what the
// switcher reports and send nothing back.

#include <QWidget>

class Druvela_workdata;
class QComboBox;
class QGroupBox;
class QSpinBox;

class Plane_Right : public QWidget
{
    Q_OBJECT
public:
    Plane_Right(QWidget* parent, Druvela_workdata* ws);

    void set_BorderEnable_Style(uchar v);
    void set_BorderColor_Style(uchar v);
    void set_BorderWidth_Style(uchar v);
    // Also sets the position ranges of the size.
    void set_Size_Style(uchar v);
    // high x 256 + low, held in the range of the size shown.
    void set_Hposition_Style(uchar high, uchar low);
    void set_Vposition_Style(uchar high, uchar low);

public slots:
    void on_coboxIndexChanged_Size(int index);
    void on_spboxValueChanged_Hposition(int value);
    void on_spboxValueChanged_Vposition(int value);
    void on_coboxIndexChanged_BorderColor(int index);
    void on_spboxValueChanged_BorderWidth(int value);
    void on_coboxIndexChanged_BorderEnable(int index);

private:
    void init_PIP();
    // H first, then V; a clamped position emits its change.
    void setPositionRanges(int size);
    // False, after the warning, while no size is shown.
    bool sizeShown();

    QGroupBox* m_group = nullptr;
    QSpinBox* m_hPosition = nullptr;
    QSpinBox* m_vPosition = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_borderEnable = nullptr;
    QSpinBox* m_borderWidth = nullptr;
    QComboBox* m_borderColor = nullptr;
    Druvela_workdata* m_ws = nullptr;
};
