#include "halvani_pop.h"

#include "druvela_workdata.h"
#include "halvani_box.h"
#include "pip_settings.h"
#include "settings_page_frame.h"

#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

const char kButtonStyle[] =
    "QPushButton{color:#ffffff;border-radius:0px;font-size:10pt}QPushButton:hover{background-color:rgb(83,83,83);}";

QPushButton* rowButton(QWidget* box, const QString& text, const char* objectName, int row)
{
    auto* button = new QPushButton(text, box);
    button->setObjectName(QLatin1String(objectName));
    button->setStyleSheet(QLatin1String(kButtonStyle));
    pageframe::placeFixedControl(button, row, 20);
    return button;
}

} // namespace

POP::POP(QWidget* parent, Druvela_workdata* ws)
    : QGroupBox(parent)
    , m_ws(ws)
{
    init();
}

void POP::init()
{
    using namespace HalvaniBox;
    frame(this, QStringLiteral("POP"));

    rowLabel(this, tr("Window"), 0);
    m_window = rowButton(this, QStringLiteral("---"), "btn_window", 0);
    // The POP picture has one size, Large, and its positions range as a large PIP's.
    const PipSettings::PositionRange large = PipSettings::kPositionRanges[2];
    rowLabel(this, tr("H Position"), 1);
    m_h = spinBox(this, "spinBoxHPosition", 0, large.h, PipSettings::kPositionStep, 1, 25);
    rowLabel(this, tr("V Position"), 2);
    m_v = spinBox(this, "spinBoxVPosition", 0, large.v, PipSettings::kPositionStep, 2, 25);
    rowLabel(this, tr("Size"), 3, false);
    m_size = rowButton(this, QStringLiteral("Large"), "btn_size", 3);
    m_size->setEnabled(false);
    rowLabel(this, tr("Border Enable"), 4);
    m_border = rowButton(this, QStringLiteral("On"), "btn_borderEnable", 4);
    rowLabel(this, tr("Border Width"), 5);
    m_borderWidth =
        spinBox(this, "spinBoxBorderWidth", PipSettings::kBorderWidthMin, PipSettings::kBorderWidthMax, 1, 5, 25);
    rowLabel(this, tr("Border Color"), 6);
    m_borderColor = colourBox(this, 6);

    const auto valueChanged = QOverload<int>::of(&QSpinBox::valueChanged);
    connect(m_window, &QPushButton::clicked, this, &POP::setlwindowindex);
    connect(m_border, &QPushButton::clicked, this, &POP::setbtnBorder_Enable);
    connect(m_h, valueChanged, this, &POP::setSpboxHPosition);
    connect(m_v, valueChanged, this, &POP::setSpboxVPosition);
    connect(m_borderWidth, valueChanged, this, &POP::setSpboxBorder_Width);
    connect(m_borderColor, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &POP::setCoboxBorder_Color);
}

uint8_t POP::POP_WindowMode() const
{
    return m_windowFlag;
}

void POP::setlwindowindex()
{
    const uint8_t window = m_windowFlag ? 2 : 1;
    m_ws->SendCMDPOP_Window(window);
    m_window->setText(QString::number(window));
    m_windowFlag = window == 1 ? 1 : 0;
    m_windowChosen = 1;
}

bool POP::windowChosenOrWarn()
{
    if (m_windowChosen)
        return true;
    // The answer changes nothing; the spin box keeps its new value.
    QMessageBox::warning(this, QStringLiteral("Warning"), QStringLiteral("please choose Window source"),
                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return false;
}

void POP::setSpboxHPosition(int value)
{
    if (windowChosenOrWarn())
        m_ws->SendCMDPOP_H_Position(static_cast<unsigned short>(value));
}

void POP::setSpboxVPosition(int value)
{
    if (windowChosenOrWarn())
        m_ws->SendCMDPOP_V_Position(static_cast<unsigned short>(value));
}

void POP::setbtnBorder_Enable()
{
    m_borderFlag = m_borderFlag ? 0 : 1;
    m_ws->SendCMDPOP_Border_Enable(m_borderFlag);
    m_border->setText(m_borderFlag ? QStringLiteral("On") : QStringLiteral("Off"));
}

void POP::setSpboxBorder_Width(int value)
{
    m_ws->SendCMDPOP_Border_Width(static_cast<unsigned char>(value));
}

void POP::setCoboxBorder_Color(int index)
{
    m_ws->SendCMDPOP_Border_Color(static_cast<unsigned char>(index));
}
