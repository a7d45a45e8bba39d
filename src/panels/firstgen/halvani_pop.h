#pragma once
// POP settings box of the six-input first-generation panel: which of the two
// POP windows is set, its position, and the border.

#include <QGroupBox>

#include <cstdint>

class Druvela_workdata;
class QComboBox;
class QPushButton;
class QSpinBox;

class POP : public QGroupBox
{
    Q_OBJECT
public:
    POP(QWidget* parent, Druvela_workdata* ws);

    // 1 after window 1 was chosen last, else 0.
    uint8_t POP_WindowMode() const;

public slots:
    void setlwindowindex();
    // Sent only once a window was chosen; before, a warning and nothing sent.
    void setSpboxHPosition(int value);
    void setSpboxVPosition(int value);
    void setbtnBorder_Enable();
    void setSpboxBorder_Width(int value);
    void setCoboxBorder_Color(int index);

private:
    void init();
    bool windowChosenOrWarn();

    uint8_t m_windowFlag = 0;
    uint8_t m_windowChosen = 0;
    uint8_t m_borderFlag = 0;
    QPushButton* m_window = nullptr;
    QSpinBox* m_h = nullptr;
    QSpinBox* m_v = nullptr;
    QPushButton* m_size = nullptr;
    QPushButton* m_border = nullptr;
    QSpinBox* m_borderWidth = nullptr;
    QComboBox* m_borderColor = nullptr;
    // The panel's.
    Druvela_workdata* m_ws = nullptr;
};
