#pragma once
// Settings window of the POP windows: window choice, position and border.
// The POP state that decides what the controls send lives in the controller.

#include "settings_page_frame.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class POP_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    POP_PAGE(QWidget* parent, onlyFun* fun);

    // The position fields are usable exactly when the controller last said so.
    void POP_CUT_WindowEnable(bool on);

    void set_BorderEnable_Style(uchar v);
    void set_BorderColor_Style(uchar v);
    void set_BorderWidth_Style(uchar v);
    void set_Size_Style(uchar v);
    void set_Hposition_Style(uchar hi, uchar lo);
    void set_Vposition_Style(uchar hi, uchar lo);

private:
    void init();

    QLabel* m_windowLabel = nullptr;
    QLabel* m_hLabel = nullptr;
    QLabel* m_vLabel = nullptr;
    QLabel* m_sizeLabel = nullptr;
    QLabel* m_borderEnableLabel = nullptr;
    QLabel* m_borderWidthLabel = nullptr;
    QLabel* m_borderColorLabel = nullptr;
    QPushButton* m_window = nullptr;
    QSpinBox* m_h = nullptr;
    QSpinBox* m_v = nullptr;
    QPushButton* m_size = nullptr;
    QPushButton* m_borderEnable = nullptr;
    QSpinBox* m_borderWidth = nullptr;
    QComboBox* m_borderColor = nullptr;
};
