#pragma once
// What the Halvani panel's PIP and POP settings boxes share: the box frame with
// its title, and the rows at fixed places (label left, control right).

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QWidget;

namespace HalvaniBox {

// The rounded white frame and the title label across the top.
void frame(QGroupBox* box, const QString& title);
// A row's label; grey for a row that cannot be used.
QLabel* rowLabel(QWidget* box, const QString& text, int row, bool usable = true);
// The spin box of a row; its arrow keys darken to rgb(g,g,g) while pressed.
QSpinBox* spinBox(QWidget* box, const char* objectName, int minimum, int maximum, int step, int row, int pressedGrey);
// The border colour row: "White", "Red", "Blue", "Green", nothing chosen.
QComboBox* colourBox(QWidget* box, int row);

} // namespace HalvaniBox
