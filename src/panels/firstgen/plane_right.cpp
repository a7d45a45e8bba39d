#include "plane_right.h"

#include "bytes.h"
#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "widget_show.h"
#include "pip_settings.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

using namespace PipSettings;

namespace {

const QSize kControlMinimum(80, 24);

QLabel* rowLabel(const char* text)
{
    auto* label = new QLabel(QLatin1String(text));
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("font-weight:600;color:#3b73a0;"));
    return label;
}

QSpinBox* spinBox(const char* objectName, int minimum, int maximum, int step)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(objectName));
    box->setRange(minimum, maximum);
    box->setSingleStep(step);
    box->setValue(minimum);
    box->setMinimumSize(kControlMinimum);
    box->setStyleSheet(FirstGenStyle::spinStyle());
    return box;
}

// Filled, with nothing selected.
QComboBox* comboBox(const char* objectName, const QStringList& entries)
{
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(objectName));
    box->addItems(entries);
    box->setCurrentIndex(-1);
    box->setMinimumSize(kControlMinimum);
    box->setStyleSheet(FirstGenStyle::dropDownStyle());
    return box;
}

} // namespace

Plane_Right::Plane_Right(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , m_ws(ws)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color:rgb(58,58,58);"));
    init_PIP();
}

void Plane_Right::init_PIP()
{
    m_group = new QGroupBox(QStringLiteral("PIP"));
    m_group->setObjectName(QStringLiteral("groupBox_pip"));
    m_group->setStyleSheet(QLatin1String(FirstGenStyle::kGroupBox));

    // Until a size is chosen both positions range over the Large width.
    m_hPosition = spinBox("spinBoxHPosition", 0, kPositionRanges[2].h, kPositionStep);
    m_vPosition = spinBox("spinBoxVPosition", 0, kPositionRanges[2].h, kPositionStep);
    m_size = comboBox("comboBox_size", sizeEntries());
    m_borderEnable = comboBox("comboBox_borderEnable", borderEntries());
    m_borderWidth = spinBox("spinBoxBorderWidth", kBorderWidthMin, kBorderWidthMax, 1);
    m_borderColor = comboBox("comboBox_borderColor", colourEntries());

    auto* grid = new QGridLayout(m_group);
    const std::pair<const char*, QWidget*> rows[] = {
        {"H_Position", m_hPosition}, {"V_Position", m_vPosition},     {"Size", m_size},
        {"Border_Enable", m_borderEnable}, {"Border_Width", m_borderWidth}, {"Border_Color", m_borderColor}};
    int row = 0;
    for (const auto& [text, control] : rows) {
        grid->addWidget(rowLabel(text), row, 0);
        grid->addWidget(control, row, 1);
        ++row;
    }

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(50, 5, 50, 5);
    column->addWidget(new QLabel, 1);
    column->addWidget(m_group, 3);
    column->addWidget(new QLabel, 1);

    connect(m_size, qOverload<int>(&QComboBox::currentIndexChanged), this, &Plane_Right::on_coboxIndexChanged_Size);
    connect(m_hPosition, qOverload<int>(&QSpinBox::valueChanged), this, &Plane_Right::on_spboxValueChanged_Hposition);
    connect(m_vPosition, qOverload<int>(&QSpinBox::valueChanged), this, &Plane_Right::on_spboxValueChanged_Vposition);
    connect(m_borderColor, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Plane_Right::on_coboxIndexChanged_BorderColor);
    connect(m_borderWidth, qOverload<int>(&QSpinBox::valueChanged), this,
            &Plane_Right::on_spboxValueChanged_BorderWidth);
    connect(m_borderEnable, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &Plane_Right::on_coboxIndexChanged_BorderEnable);
}

void Plane_Right::setPositionRanges(int size)
{
    m_hPosition->setRange(0, kPositionRanges[size].h);
    m_vPosition->setRange(0, kPositionRanges[size].v);
}

bool Plane_Right::sizeShown()
{
    if (m_size->currentIndex() != -1)
        return true;
    QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("please choose Size"), QMessageBox::Ok);
    return false;
}

void Plane_Right::on_coboxIndexChanged_Size(int index)
{
    if (index < 0 || index >= kSizeCount)
        return;
    // A position the narrower range clamps goes out first, through its own slot.
    setPositionRanges(index);
    m_ws->SendCMDPIP_Border_Size(uchar(index));
}

void Plane_Right::on_spboxValueChanged_Hposition(int value)
{
    if (sizeShown())
        m_ws->SendCMDPIP_H_Position(ushort(value));
}

void Plane_Right::on_spboxValueChanged_Vposition(int value)
{
    if (sizeShown())
        m_ws->SendCMDPIP_V_Position(ushort(value));
}

void Plane_Right::on_coboxIndexChanged_BorderColor(int index)
{
    if (index >= 0)
        m_ws->SendCMDPIP_Border_Color(uchar(index));
}

void Plane_Right::on_spboxValueChanged_BorderWidth(int value)
{
    m_ws->SendCMDPIP_Border_Width(uchar(value));
}

void Plane_Right::on_coboxIndexChanged_BorderEnable(int index)
{
    if (index >= 0)
        m_ws->SendCMDPIP_Border_Enable(uchar(index));
}

// A report is shown, never sent back: the controls change with their
// notifications blocked, so no slot above runs and no warning opens.
void Plane_Right::set_BorderEnable_Style(uchar v)
{
    if (v >= borderEntries().size())
        return;
    const QSignalBlocker quiet(m_borderEnable);
    Show::index(m_borderEnable, v);
}

void Plane_Right::set_BorderColor_Style(uchar v)
{
    if (v >= colourEntries().size())
        return;
    const QSignalBlocker quiet(m_borderColor);
    Show::index(m_borderColor, v);
}

void Plane_Right::set_BorderWidth_Style(uchar v)
{
    if (v < kBorderWidthMin || v > kBorderWidthMax)
        return;
    const QSignalBlocker quiet(m_borderWidth);
    Show::value(m_borderWidth, v);
}

void Plane_Right::set_Size_Style(uchar v)
{
    if (v >= kSizeCount)
        return;
    const QSignalBlocker quietSize(m_size);
    const QSignalBlocker quietH(m_hPosition);
    const QSignalBlocker quietV(m_vPosition);
    Show::index(m_size, v);
    setPositionRanges(v);
}

void Plane_Right::set_Hposition_Style(uchar high, uchar low)
{
    const QSignalBlocker quiet(m_hPosition);
    Show::value(m_hPosition, joinU16(high, low));
}

void Plane_Right::set_Vposition_Style(uchar high, uchar low)
{
    const QSignalBlocker quiet(m_vPosition);
    Show::value(m_vPosition, joinU16(high, low));
}
