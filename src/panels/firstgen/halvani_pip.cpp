#include "halvani_pip.h"

#include "druvela_workdata.h"
#include "halvani_box.h"
#include "pip_settings.h"
#include "settings_page_frame.h"

#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>

PIP::PIP(QWidget* parent, Druvela_workdata* ws)
    : QGroupBox(parent)
    , m_ws(ws)
{
    init();
}

void PIP::init()
{
    using namespace HalvaniBox;
    frame(this, QStringLiteral("PIP"));

    rowLabel(this, tr("Window"), 0, false);
    auto* window = new QPushButton(QStringLiteral("---"), this);
    window->setObjectName(QStringLiteral("btn_window"));
    window->setStyleSheet(QStringLiteral("QPushButton{color:#787878;border-radius:0px;font-size:10pt}"));
    window->setEnabled(false);
    pageframe::placeFixedControl(window, 0, 20);

    rowLabel(this, tr("H Position"), 1);
    // Before a size is chosen the positions range as for Large.
    const PipSettings::PositionRange large = PipSettings::kPositionRanges[2];
    m_h = spinBox(this, "spinBoxHPosition", 0, large.h, PipSettings::kPositionStep, 1, 100);
    rowLabel(this, tr("V Position"), 2);
    m_v = spinBox(this, "spinBoxVPosition", 0, large.v, PipSettings::kPositionStep, 2, 100);

    rowLabel(this, tr("Size"), 3);
    m_size = pageframe::fixedComboBox(this, PipSettings::sizeEntries(), 3);
    m_size->setObjectName(QStringLiteral("comboBox_size"));
    m_size->setCurrentIndex(-1);

    rowLabel(this, tr("Border Enable"), 4);
    m_borderEnable = pageframe::fixedComboBox(this, PipSettings::borderEntries(), 4);
    m_borderEnable->setObjectName(QStringLiteral("comboBox_borderEnable"));
    m_borderEnable->setCurrentIndex(-1);
    pageframe::placeFixedControl(m_borderEnable, 4, 20);

    rowLabel(this, tr("Border Width"), 5);
    m_borderWidth =
        spinBox(this, "spinBoxBorderWidth", PipSettings::kBorderWidthMin, PipSettings::kBorderWidthMax, 1, 5, 100);
    rowLabel(this, tr("Border Color"), 6);
    m_borderColor = colourBox(this, 6);

    // Connected once the start values stand: building the box sends nothing.
    const auto indexChanged = QOverload<int>::of(&QComboBox::currentIndexChanged);
    const auto valueChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_size, indexChanged, this, &PIP::setCoboxSize);
    connect(m_h, valueChanged, this, &PIP::setSpboxHPosition);
    connect(m_v, valueChanged, this, &PIP::setSpboxVPosition);
    connect(m_borderWidth, valueChanged, this, &PIP::setSpboxBorder_Width);
    connect(m_borderColor, indexChanged, this, &PIP::setCoboxBorder_Color);
    connect(m_borderEnable, indexChanged, this, &PIP::setCoboxBorder_Enable);
}

void PIP::setSpboxHPosition(int value)
{
    m_ws->SendCMDPIP_H_Position(static_cast<unsigned short>(value));
}

void PIP::setSpboxVPosition(int value)
{
    m_ws->SendCMDPIP_V_Position(static_cast<unsigned short>(value));
}

void PIP::setCoboxSize(int index)
{
    if (index >= 0 && index < PipSettings::kSizeCount) {
        m_h->setRange(0, PipSettings::kPositionRanges[index].h);
        m_v->setRange(0, PipSettings::kPositionRanges[index].v);
    }
    m_ws->SendCMDPIP_Border_Size(static_cast<unsigned char>(index));
}

void PIP::setCoboxBorder_Enable(int index)
{
    m_ws->SendCMDPIP_Border_Enable(static_cast<unsigned char>(index));
}

void PIP::setSpboxBorder_Width(int value)
{
    m_ws->SendCMDPIP_Border_Width(static_cast<unsigned char>(value));
}

void PIP::setCoboxBorder_Color(int index)
{
    m_ws->SendCMDPIP_Border_Color(static_cast<unsigned char>(index));
}
