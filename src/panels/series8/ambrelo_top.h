#pragma once
// Title strips of the series-8 windows. Ambrelo_TOP heads a main window (logo,
// empty title, minimise, close, which ends the application); Ambrelo_subWinTOP
// heads a sub-window (logo only). Both move their parent while dragged.

#include "window_drag.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QVBoxLayout;

// Drags with any button.
class Ambrelo_TOP : public ParentDragging<QWidget>
{
    Q_OBJECT
public:
    explicit Ambrelo_TOP(QWidget* parent = nullptr);

private slots:
    void on_btnclicked_min();

private:
    void initPlan1();
    void initPlan2();

    QVBoxLayout* m_layout = nullptr;
    QWidget* m_upper = nullptr;
    QWidget* m_lower = nullptr;
    QLabel* m_logo = nullptr;
    QLabel* m_title = nullptr;
    QPushButton* m_btnMin = nullptr;
    QPushButton* m_btnClose = nullptr;
};

// Drags with the left button only.
class Ambrelo_subWinTOP : public QWidget
{
    Q_OBJECT
public:
    explicit Ambrelo_subWinTOP(QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // A plain QWidget subclass draws no style-sheet background by itself.
    void paintEvent(QPaintEvent* event) override;

private:
    void init();

    WindowDrag m_drag;
    QLabel* m_logo = nullptr;
};
