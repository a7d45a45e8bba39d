#pragma once
// Settings window of the PIP window: position, size and border.

#include "settings_page_frame.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QSpinBox;

class PIP_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    PIP_PAGE(QWidget* parent, onlyFun* fun);

    void set_BorderEnable_Style(uint8_t v);
    void set_BorderColor_Style(uint8_t v);
    void set_BorderWidth_Style(uint8_t v);
    void set_Size_Style(uint8_t v);
    void set_Hposition_Style(uint8_t hi, uint8_t lo);
    void set_Vposition_Style(uint8_t hi, uint8_t lo);

public slots:
    // Keeps the position ranges in step with the size; the clamped positions are not sent.
    void setCoboxSize(int index);

private:
    void init();

    QLabel* m_hLabel = nullptr;
    QLabel* m_vLabel = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QLabel* m_borderEnableLabel = nullptr;
    QLabel* m_borderWidthLabel = nullptr;
    QLabel* m_borderColorLabel = nullptr;
    QSpinBox* m_h = nullptr;
    QSpinBox* m_v = nullptr;
    QComboBox* m_size = nullptr;
    QComboBox* m_borderEnable = nullptr;
    QSpinBox* m_borderWidth = nullptr;
    QComboBox* m_borderColor = nullptr;
};
