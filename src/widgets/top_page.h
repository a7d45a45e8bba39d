#pragma once

#include "window_drag.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QSpacerItem;
class QVBoxLayout;

// Title strip of the frameless windows: logo, title, minimise and close, and
// the only way to move such a window (drag by the global mouse delta).
class TOP_PAGE : public ParentDragging<QWidget>
{
    Q_OBJECT
public:
    explicit TOP_PAGE(QWidget *parent = nullptr);

private slots:
    void on_btnclicked_min();
    void do_btnExitClicked();

private:
    void initPlan1();
    void initPlan2();

    QWidget *m_upperStrip = nullptr;
    QWidget *m_lowerStrip = nullptr;
    QLabel *m_logoLabel = nullptr;
    QLabel *m_titleLabel = nullptr;
    QPushButton *m_btnMin = nullptr;
    QPushButton *m_btnClose = nullptr;
    QSpacerItem *m_spacer = nullptr;
    QVBoxLayout *m_layout = nullptr;
};
