#pragma once
// Settings window of the pattern generator: seven numeric fields.

#include "settings_page_frame.h"

#include <cstdint>

class QLabel;
class QSpinBox;

class PATTERN_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    PATTERN_PAGE(QWidget* parent, onlyFun* fun);

    void set_PATTERN_Type(uint8_t v);
    void set_Hposition_Style(uint8_t hi, uint8_t lo);
    void set_Vposition_Style(uint8_t hi, uint8_t lo);
    void set_Size_Style(uint8_t hi, uint8_t lo);
    void set_HStretching_Style(uint8_t hi, uint8_t lo);
    void set_VStretching_Style(uint8_t hi, uint8_t lo);
    void set_tretching_Style(uint8_t v);

    enum Field { Pattern, HPosition, VPosition, Size, HStretching, VStretching, PatternNum, FieldCount };

private:
    void init();

    QLabel* m_labels[FieldCount] = {};
    QSpinBox* m_fields[FieldCount] = {};
};
