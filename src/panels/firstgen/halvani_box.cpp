#include "halvani_box.h"

#include "firstgen_style.h"
#include "pip_settings.h"
#include "settings_page_frame.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QSpinBox>

namespace HalvaniBox {

void frame(QGroupBox* box, const QString& title)
{
    box->setStyleSheet(QStringLiteral("QGroupBox{border:1px solid white;border-radius:25px};"));
    auto* label = new QLabel(title, box);
    label->setObjectName(QStringLiteral("label_title"));
    label->setAlignment(Qt::AlignCenter);
    label->setGeometry(0, 0, 250, 20);
    label->setStyleSheet(QLatin1String(FirstGenStyle::kHalvaniTitle));
}

QLabel* rowLabel(QWidget* box, const QString& text, int row, bool usable)
{
    QLabel* label = pageframe::fixedLabel(box, text, row, 20);
    if (!usable)
        label->setStyleSheet(QStringLiteral("font-weight:600; color:#787878"));
    return label;
}

QSpinBox* spinBox(QWidget* box, const char* objectName, int minimum, int maximum, int step, int row, int pressedGrey)
{
    auto* spin = new QSpinBox(box);
    spin->setObjectName(QLatin1String(objectName));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    spin->setStyleSheet(pageframe::oldSpinStyle(false, 83, pressedGrey));
    pageframe::placeFixedControl(spin, row, 20);
    return spin;
}

QComboBox* colourBox(QWidget* box, int row)
{
    QComboBox* colour = pageframe::fixedComboBox(box, PipSettings::colourEntries(), row);
    colour->setObjectName(QStringLiteral("comboBox_borderColor"));
    colour->setCurrentIndex(-1);
    return colour;
}

} // namespace HalvaniBox
