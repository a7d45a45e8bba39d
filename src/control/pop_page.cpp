#include "pop_page.h"

#include "bytes.h"
#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace {

const char* const kSizeButtonStyle = "font-weight:400; color:#787878;border-radius:0px;font-size:10pt;";
const char* const kToggleButtonStyle =
    "QPushButton{color:#ffffff;border-radius:0px;font-family: Arial;font-size: 14px;font-weight: 500;"
    "line-height: 16px;text-align:center center;color: #FFFFFF;}";

QPushButton* rowButton(QWidget* page, const QString& text, const QString& style, const char* objectName)
{
    auto* button = new QPushButton(text, page);
    button->setObjectName(QLatin1String(objectName));
    button->setStyleSheet(style);
    return button;
}

}  // namespace

POP_PAGE::POP_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("POP"), QStringLiteral("POP"))
{
    init();
}

void POP_PAGE::init()
{
    using namespace pageframe;
    m_title = gridTitleStrip(this, QStringLiteral("POP"), QString::fromLatin1(kTitleStyle));

    const QString on = rowLabelStyle(true);
    m_windowLabel = new QLabel(tr("Window"), this);
    m_windowLabel->setStyleSheet(on);
    m_hLabel = gridLabel(this, tr("H Position"), on);
    m_vLabel = gridLabel(this, tr("V Position"), on);
    m_sizeLabel = gridLabel(this, tr("Size"), QString::fromLatin1(kGreyLabelStyle));
    m_borderEnableLabel = gridLabel(this, tr("Border Enable"), on);
    m_borderWidthLabel = gridLabel(this, tr("Border Width"), on);
    m_borderColorLabel = gridLabel(this, tr("Border Color"), on);

    const QString toggleStyle = QLatin1String(kToggleButtonStyle) + QLatin1String(kHoverStyle);
    m_window = rowButton(this, QStringLiteral("1"), toggleStyle, "btn_window");
    m_h = gridSpinBox(this, 0, 960, 10);
    m_h->setObjectName(QStringLiteral("spinBoxHPosition"));
    m_v = gridSpinBox(this, 0, 540, 10);
    m_v->setObjectName(QStringLiteral("spinBoxVPosition"));
    // The POP size is always Large: shown, never chosen.
    m_size = rowButton(this, QStringLiteral("Large"), QLatin1String(kSizeButtonStyle), "btn_size");
    m_size->setFixedSize(137, 40);
    m_size->setEnabled(false);
    m_borderEnable = rowButton(this, QStringLiteral("ON"), toggleStyle, "btn_borderEnable");
    m_borderEnable->setFixedSize(137, 40);
    m_borderWidth = gridSpinBox(this, 2, 7, 1);
    m_borderWidth->setObjectName(QStringLiteral("spinBoxBorderWidth"));
    m_borderColor = gridComboBox(
        this, {QStringLiteral("White"), QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Green")});
    m_borderColor->setObjectName(QStringLiteral("comboBox_borderColor"));
    m_borderColor->setCurrentIndex(-1);

    layoutGrid(this, m_title,
               {{m_windowLabel, m_window},
                {m_hLabel, m_h},
                {m_vLabel, m_v},
                {m_sizeLabel, m_size},
                {m_borderEnableLabel, m_borderEnable},
                {m_borderWidthLabel, m_borderWidth},
                {m_borderColorLabel, m_borderColor}});

    const auto valueChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_window, &QPushButton::clicked, m_fun, &onlyFun::setlwindowindex);
    connect(m_h, valueChanged, m_fun, &onlyFun::setPOP_SpboxHPosition);
    connect(m_v, valueChanged, m_fun, &onlyFun::setPOP_SpboxVPosition);
    connect(m_borderEnable, &QPushButton::clicked, m_fun, &onlyFun::setbtnBorder_Enable);
    connect(m_borderWidth, valueChanged, m_fun, &onlyFun::setPOP_SpboxBorder_Width);
    connect(m_borderColor, QOverload<int>::of(&QComboBox::currentIndexChanged), m_fun,
            &onlyFun::setPOP_CoboxBorder_Color);

    connect(m_fun, &onlyFun::POP_CUT_WindowSignals, this, &POP_PAGE::POP_CUT_WindowEnable);
    connect(m_fun, &onlyFun::setWinText, this, [this](const QString& text) { Show::text(m_window, text); });
    connect(m_fun, &onlyFun::setWinBorderText, this,
            [this](const QString& text) { Show::text(m_borderEnable, text); });

    m_h->setEnabled(false);
    m_v->setEnabled(false);
}

void POP_PAGE::POP_CUT_WindowEnable(bool on)
{
    const QString style = pageframe::rowLabelStyle(on);
    Show::enabled(m_h, on);
    Show::enabled(m_v, on);
    Show::sheet(m_hLabel, style);
    Show::sheet(m_vLabel, style);
}

void POP_PAGE::set_BorderEnable_Style(uchar v)
{
    // The controller's toggle follows too, so the next click sends the opposite.
    if (v <= 1)
        m_fun->applyPopBorderState(v == 1);
}

void POP_PAGE::set_BorderColor_Style(uchar v)
{
    if (v <= 3)
        Show::index(m_borderColor, v);
}

void POP_PAGE::set_BorderWidth_Style(uchar v)
{
    if (v >= 2 && v <= 7)
        Show::value(m_borderWidth, v);
}

void POP_PAGE::set_Size_Style(uchar)
{
}

void POP_PAGE::set_Hposition_Style(uchar hi, uchar lo)
{
    Show::value(m_h, joinU16(hi, lo));
}

void POP_PAGE::set_Vposition_Style(uchar hi, uchar lo)
{
    Show::value(m_v, joinU16(hi, lo));
}
