#pragma once
// A small window of four selection boxes; three of them drive the PIP
// operations of the controller.

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class myLable;
class onlyFun;

class SOURCE_PAGE : public QWidget
{
public:
    SOURCE_PAGE(QWidget* parent, onlyFun* fun);

    void setCoboxSize(int index);

private:
    void init();

    myLable* m_title = nullptr;
    QLabel* m_labels[4] = {};
    QComboBox* m_boxes[4] = {};
    QPushButton* m_exit = nullptr;
    onlyFun* m_fun = nullptr;
};
