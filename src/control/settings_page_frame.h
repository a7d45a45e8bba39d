#pragma once
// The frame every small settings window shares: a frameless dialog window with
// a tiled background and a draggable title strip, and the rows of a label and a
// control, either in a grid (the newer look) or at fixed positions (the older
// look).

#include <QString>
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class myLable;
class onlyFun;

// A small settings window: the frame set up, the controller its controls drive.
class SettingsPage : public QWidget
{
    Q_OBJECT

public:
    SettingsPage(QWidget* parent, onlyFun* fun, const QString& objectName, const QString& windowTitle);

protected:
    onlyFun* m_fun = nullptr;
    myLable* m_title = nullptr;
};

namespace pageframe {

// Grid look.
extern const char* const kTitleStyle;
extern const char* const kRowLabelOnStyle;
extern const char* const kRowLabelOffStyle;
extern const char* const kSpinStyle;
extern const char* const kComboStyle;
// The white and grey labels of a row that can or cannot be used (audio and
// POP pages).
extern const char* const kWhiteLabelStyle;
extern const char* const kGreyLabelStyle;
QString rowLabelStyle(bool usable);

// The darker background of a push button under the pointer, appended to its style.
extern const char* const kHoverStyle;

// Fixed-position look.
extern const char* const kOldTitleStyle;
extern const char* const kOldLabelStyle;
extern const char* const kOldComboStyle;
// The spin box style of the older look; the camera page pads its text. The
// arrow keys are rgb(g,g,g) with g = buttonGrey, pressedGrey while pressed.
QString oldSpinStyle(bool padded, int buttonGrey = 83, int pressedGrey = 25);

// Icon, minimum size, frameless dialog flags, object name, background rule,
// window title.
void setupFrame(QWidget* page, const QString& objectName, const QString& windowTitle);

// The title strip of a grid page (340 x 20, centred) with its style.
myLable* gridTitleStrip(QWidget* page, const QString& text, const QString& style);
// The title strip of a fixed-position page (0, 0, 250 x 20, older style).
myLable* fixedTitleStrip(QWidget* page, const QString& text);

// Grid rows: label 100 x 16, control 137 x 40.
QLabel* gridLabel(QWidget* page, const QString& text, const QString& style);
QSpinBox* gridSpinBox(QWidget* page, int minimum, int maximum, int step);
// Filled, with a plain list view so the item-view rules of the style apply.
QComboBox* gridComboBox(QWidget* page, const QStringList& items);

using Row = std::pair<QWidget*, QWidget*>;
// Title strip, stretch 1, the grid of rows, stretch 2.
void layoutGrid(QWidget* page, myLable* title, const std::vector<Row>& rows);

// Fixed-position rows: row r sits at y = 55 + 40 r; label at x 25 (120 wide),
// control at x 150 (80 wide).
int fixedRowY(int row);
QLabel* fixedLabel(QWidget* page, const QString& text, int row, int height);
void placeFixedControl(QWidget* control, int row, int height);
QComboBox* fixedComboBox(QWidget* page, const QStringList& items, int row);

}  // namespace pageframe
