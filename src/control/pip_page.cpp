#include "pip_page.h"

#include "bytes.h"
#include "model_tables.h"
#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

const char* const kPipTitleStyle =
    "QLabel{background-color:#D9D9D9;border-top-left-radius:15px;border-top-right-radius:15px;"
    "color:#3A3A3A;font-family: Arial;font-size: 14px;font-weight: 400;line-height: 16px;"
    "text-align: left;}";

// Position maxima by size index: Small, Medium, Large.
const int kHMax[3] = {1440, 1280, 960};
const int kVMax[3] = {810, 720, 540};

}  // namespace

PIP_PAGE::PIP_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("PIP"), QStringLiteral("PIP"))
{
    init();
}

void PIP_PAGE::init()
{
    using namespace pageframe;
    m_title = gridTitleStrip(this, QStringLiteral("PIP"), QString::fromLatin1(kPipTitleStyle));

    const QString labelStyle = rowLabelStyle(true);
    m_hLabel = gridLabel(this, tr("H Position"), labelStyle);
    m_vLabel = gridLabel(this, tr("V Position"), labelStyle);
    m_sizeLabel = gridLabel(this, tr("Size"), labelStyle);
    m_borderEnableLabel = gridLabel(this, tr("Border Enable"), labelStyle);
    m_borderWidthLabel = gridLabel(this, tr("Border Width"), labelStyle);
    m_borderColorLabel = gridLabel(this, tr("Border Color"), labelStyle);

    m_h = gridSpinBox(this, 0, kHMax[2], 10);
    m_h->setObjectName(QStringLiteral("spinBoxHPosition"));
    m_v = gridSpinBox(this, 0, kVMax[2], 10);
    m_v->setObjectName(QStringLiteral("spinBoxVPosition"));
    m_size = gridComboBox(this, {QStringLiteral("Small"), QStringLiteral("Medium"), QStringLiteral("Large")});
    m_size->setObjectName(QStringLiteral("comboBox_size"));
    m_borderEnable = gridComboBox(this, {QStringLiteral("OFF"), QStringLiteral("ON")});
    m_borderEnable->setObjectName(QStringLiteral("comboBox_borderEnable"));
    m_borderWidth = gridSpinBox(this, 2, 7, 1);
    m_borderWidth->setObjectName(QStringLiteral("spinBoxBorderWidth"));
    m_borderColor = gridComboBox(
        this, {QStringLiteral("White"), QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Green")});
    m_borderColor->setObjectName(QStringLiteral("comboBox_borderColor"));
    m_size->setCurrentIndex(-1);
    m_borderColor->setCurrentIndex(-1);
    m_borderEnable->setCurrentIndex(-1);

    layoutGrid(this, m_title,
               {{m_hLabel, m_h},
                {m_vLabel, m_v},
                {m_sizeLabel, m_size},
                {m_borderEnableLabel, m_borderEnable},
                {m_borderWidthLabel, m_borderWidth},
                {m_borderColorLabel, m_borderColor}});

    // The re-ranging comes first, so the size command leaves with the new ranges in place.
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    const auto valueChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_size, indexChanged, this, &PIP_PAGE::setCoboxSize);
    connect(m_size, indexChanged, m_fun, &onlyFun::setCoboxSize);
    connect(m_h, valueChanged, m_fun, &onlyFun::setSpboxHPosition);
    connect(m_v, valueChanged, m_fun, &onlyFun::setSpboxVPosition);
    connect(m_borderWidth, valueChanged, m_fun, &onlyFun::setSpboxBorder_Width);
    connect(m_borderColor, indexChanged, m_fun, &onlyFun::setCoboxBorder_Color);
    connect(m_borderEnable, indexChanged, m_fun, &onlyFun::setCoboxBorder_Enable);
}

void PIP_PAGE::setCoboxSize(int index)
{
    ScopedFlag resizing(pipSizeFalg);
    if (index < 0 || index > 2)
        return;
    m_h->setRange(0, kHMax[index]);
    m_v->setRange(0, kVMax[index]);
}

void PIP_PAGE::set_BorderEnable_Style(uint8_t v)
{
    if (v <= 1)
        Show::index(m_borderEnable, v);
}

void PIP_PAGE::set_BorderColor_Style(uint8_t v)
{
    if (v <= 3)
        Show::index(m_borderColor, v);
}

void PIP_PAGE::set_BorderWidth_Style(uint8_t v)
{
    if (v >= 2 && v <= 7)
        Show::value(m_borderWidth, v);
}

void PIP_PAGE::set_Size_Style(uint8_t v)
{
    if (v <= 2)
        Show::index(m_size, v);
}

void PIP_PAGE::set_Hposition_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_h, joinU16(hi, lo));
}

void PIP_PAGE::set_Vposition_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_v, joinU16(hi, lo));
}
