#pragma once
// A small window of four selection boxes; three of them drive the PIP
// operations of the controller.

#include "settings_page_frame.h"

class QComboBox;
class QLabel;
class QPushButton;

class SOURCE_PAGE : public SettingsPage
{
public:
    SOURCE_PAGE(QWidget* parent, onlyFun* fun);

    void setCoboxSize(int index);

private:
    void init();

    QLabel* m_labels[4] = {};
    QComboBox* m_boxes[4] = {};
    QPushButton* m_exit = nullptr;
};
