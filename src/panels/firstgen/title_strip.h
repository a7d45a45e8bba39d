#pragma once
// The frame both first-generation title strips share: an upper band (stretch 6)
// holding a row that starts with the 180 x 22 logo, a lower band (stretch 1),
// the close key that ends the whole program, and the window drag: a press with
// any button, then every move shifts the parent widget by the mouse's delta
// (also while it is maximised), until the release.

#include "window_drag.h"

#include <QWidget>

class Druvela_workdata;
class QHBoxLayout;
class QLabel;
class QPushButton;

class FirstGenTitleStrip : public ParentDragging<QWidget>
{
    Q_OBJECT
public:
    FirstGenTitleStrip(QWidget* parent, Druvela_workdata* ws);

protected:
    // The two bands with their sheets; the row of the upper band (margins
    // 0, 0, 2, 0) with the logo showing `logoPicture`.
    void buildBands(const char* upperSheet, const char* lowerSheet, const QString& logoPicture);
    // A 30 x 21 window key with its sheet, appended to the row.
    QPushButton* addWindowKey(const char* objectName, const char* sheet);
    // The close key: the program ends with code 0.
    void addCloseKey();

    QWidget* m_upper = nullptr;
    QWidget* m_lower = nullptr;
    QHBoxLayout* m_row = nullptr;
    QLabel* m_logo = nullptr;
    // The panel's; the strips send nothing.
    Druvela_workdata* m_ws = nullptr;
};
