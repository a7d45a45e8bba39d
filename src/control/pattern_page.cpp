#include "pattern_page.h"

#include "bytes.h"
#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QLabel>
#include <QSpinBox>

namespace {

struct FieldSpec
{
    const char* label;
    const char* objectName;
    int minimum;
    int maximum;
    int step;
    void (onlyFun::*send)(int);
};

// In item order: the row of a field is the item its command carries.
const FieldSpec kFields[PATTERN_PAGE::FieldCount] = {
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "Pattern"), "spinBoxPattern", 0, 9, 1, &onlyFun::setSpboxPattern_Value},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "H Position"), "spinBoxHPosition", 0, 1920, 10,
     &onlyFun::setSpboxPatternHPosition},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "V Position"), "spinBoxVPosition", 0, 1080, 10,
     &onlyFun::setSpboxPatternVPosition},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "Size"), "spinBoxSize", 50, 1080, 2, &onlyFun::setSpboxPattern_Size},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "H Stretching"), "spinBoxHStretching", 0, 255, 1,
     &onlyFun::setSpboxPatternHStretching},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "V Stretching"), "spinBoxVStretching", 0, 255, 1,
     &onlyFun::setSpboxPatternVStretching},
    {QT_TRANSLATE_NOOP("PATTERN_PAGE", "Pattern Num"), "spinBoxPatternNum", 0, 5, 1, &onlyFun::setSpboxPattern_Num},
};

}  // namespace

PATTERN_PAGE::PATTERN_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("PATTERN"), QStringLiteral("PATTERN"))
{
    init();
}

void PATTERN_PAGE::init()
{
    using namespace pageframe;
    m_title = fixedTitleStrip(this, QStringLiteral("PATTERN"));

    for (int r = 0; r < FieldCount; ++r)
        m_labels[r] = fixedLabel(this, tr(kFields[r].label), r, 20);

    const QString spinStyle = oldSpinStyle(false);
    for (int r = 0; r < FieldCount; ++r) {
        auto* box = new QSpinBox(this);
        box->setObjectName(QLatin1String(kFields[r].objectName));
        box->setRange(kFields[r].minimum, kFields[r].maximum);
        box->setSingleStep(kFields[r].step);
        box->setStyleSheet(spinStyle);
        placeFixedControl(box, r, r == PatternNum ? 24 : 20);
        m_fields[r] = box;
    }

    // Connected once the ranges are set: Size moving up to its minimum sends nothing.
    for (int r = 0; r < FieldCount; ++r)
        connect(m_fields[r], QOverload<int>::of(&QSpinBox::valueChanged), m_fun, kFields[r].send);
}

void PATTERN_PAGE::set_PATTERN_Type(uint8_t v)
{
    Show::value(m_fields[Pattern], v);
}

void PATTERN_PAGE::set_Hposition_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_fields[HPosition], joinU16(hi, lo));
}

void PATTERN_PAGE::set_Vposition_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_fields[VPosition], joinU16(hi, lo));
}

void PATTERN_PAGE::set_Size_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_fields[Size], joinU16(hi, lo));
}

void PATTERN_PAGE::set_HStretching_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_fields[HStretching], joinU16(hi, lo));
}

void PATTERN_PAGE::set_VStretching_Style(uint8_t hi, uint8_t lo)
{
    Show::value(m_fields[VStretching], joinU16(hi, lo));
}

void PATTERN_PAGE::set_tretching_Style(uint8_t v)
{
    Show::value(m_fields[PatternNum], v);
}
