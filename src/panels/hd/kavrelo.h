#pragma once
// The Kavrelo model's panel: the Druvela design with twelve inputs and no
// colour bar, a third audio channel, AUX choosing yellow preview faces, and a
// camera block with focus, group switch, a numeric keypad and three preset
// keys that blink. Only what differs from the Druvela panel is written here;
// the rest comes from FamilyWindow.

#include "family_window.h"

#include <array>

namespace Ui {
class Kavrelo;
}

class Kavrelo : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Kavrelo(QWidget* parent = nullptr);
    ~Kavrelo() override;

    // ---- lamps: one key lit or unlit ----------------------------------------
    void on_Style_btnClear_preset(bool on);
    void on_Style_btn_speed(bool on);
    void on_Style_btn_menu(bool on);
    void on_Style_btn_grpsw(bool on);

    // ---- rows and device state ----------------------------------------------
    // 1..12, yellow while AUX is on, else green.
    void set_PVWCH_Style(uchar ch) override;
    // The whole camera block; leaving the menu also stops the preset blinks and the group switch.
    void cam_menu_ctl(bool on) override;
    void set_set_preset_Style(uchar v);
    void set_clear_preset_Style(uchar v);
    void set_goto_preset_Style(uchar v);

    // SET, CLEAR, GOTO PRESET (0..2) blinking.
    bool presetBlinking(int which) const { return m_presets[size_t(which)].running(); }
    bool auxOn() const { return m_auxOn != 0; }

public slots:
    void on_btn_set_preset_clicked();
    void on_btn_clear_preset_clicked();
    void on_btn_goto_preset_clicked();
    void set_aux_state(uint8_t v);

protected:
    void init_widget() override;
    void init_button_style() override;
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    // The keypad, then the camera row.
    void init_btn_Cam() override;
    void init_connect() override;
    void init_record_fields() override;

    // Cameras 7..12 light the keys of cameras 1..6.
    uchar cameraKeyFor(uchar cam) const override;
    // Reply bytes 111..119 around the shared fields.
    void applyOwnFirst(const DevState::Record& r) override;
    void applyOwnLast(const DevState::Record& r) override;

private:
    enum Preset { SetPreset, ClearPreset, GotoPreset };

    // An operator's preset key: the other two stop, this one toggles.
    void clickPreset(Preset p);
    // The device's word for one preset key: 1 blinks, 0 stops.
    void followPreset(Preset p, uchar v) { m_presets[p].follow(v); }

    Ui::Kavrelo* ui = nullptr;
    std::array<FtbBlink, 3> m_presets;
    uint8_t m_auxOn = 0;
};
