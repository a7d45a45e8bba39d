#include "widget_show.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace Show {
namespace {

// QSpinBox keeps its number-to-text rule protected; a member pointer taken
// through a subclass calls it on any spin box, overrides included.
struct SpinText : QSpinBox {
    static QString of(const QSpinBox* w, int v)
    {
        if (v == w->minimum() && !w->specialValueText().isEmpty())
            return w->specialValueText();
        QString (QSpinBox::*format)(int) const = &SpinText::textFromValue;
        return w->prefix() + (w->*format)(v) + w->suffix();
    }
};

} // namespace

bool sheet(QWidget* w, const QString& styleSheet)
{
    if (!w || w->styleSheet() == styleSheet)
        return false;
    w->setStyleSheet(styleSheet);
    return true;
}

bool text(QLabel* w, const QString& text)
{
    if (!w || w->text() == text)
        return false;
    w->setText(text);
    return true;
}

bool text(QAbstractButton* w, const QString& text)
{
    if (!w || w->text() == text)
        return false;
    w->setText(text);
    return true;
}

bool text(QLineEdit* w, const QString& text)
{
    if (!w || w->text() == text)
        return false;
    w->setText(text);
    return true;
}

bool value(QAbstractSlider* w, int value)
{
    if (!w || w->value() == qBound(w->minimum(), value, w->maximum()))
        return false;
    w->setValue(value);
    return true;
}

bool value(QSpinBox* w, int value)
{
    if (!w)
        return false;
    // The text too: a field the operator left half typed shows the value again.
    const int shown = qBound(w->minimum(), value, w->maximum());
    if (w->value() == shown && w->text() == SpinText::of(w, shown))
        return false;
    w->setValue(value);
    return true;
}

bool index(QComboBox* w, int index)
{
    if (!w || w->currentIndex() == index)
        return false;
    w->setCurrentIndex(index);
    return true;
}

bool checked(QAbstractButton* w, bool on)
{
    if (!w || w->isChecked() == on)
        return false;
    w->setChecked(on);
    return true;
}

// The widget's own setting, not what its parent makes of it.
bool enabled(QWidget* w, bool on)
{
    if (!w || w->testAttribute(Qt::WA_ForceDisabled) != on)
        return false;
    w->setEnabled(on);
    return true;
}

bool visible(QWidget* w, bool on)
{
    if (!w || (w->testAttribute(Qt::WA_WState_ExplicitShowHide) && w->isHidden() != on))
        return false;
    w->setVisible(on);
    return true;
}

} // namespace Show
