#pragma once
// The one way a panel shows a state on a widget: each call changes the widget
// only when it does not already show that state, and says whether it did.
//
// A switcher's state reply reaches every key, lamp and field of a panel, most
// of them unchanged. Setting a style sheet again re-parses it and re-polishes
// the widget (its picture decoded again); a spin box re-formats its text. So
// panels never call the setters directly with a state they are told.

#include <QString>

class QAbstractButton;
class QAbstractSlider;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QWidget;

namespace Show {

bool sheet(QWidget* w, const QString& styleSheet);
bool text(QLabel* w, const QString& text);
bool text(QAbstractButton* w, const QString& text);
bool text(QLineEdit* w, const QString& text);
// A value outside the range shows as the nearest end, as the setter has it.
bool value(QAbstractSlider* w, int value);
bool value(QSpinBox* w, int value);
bool index(QComboBox* w, int index);
bool checked(QAbstractButton* w, bool on);
bool enabled(QWidget* w, bool on);
bool visible(QWidget* w, bool on);

} // namespace Show
