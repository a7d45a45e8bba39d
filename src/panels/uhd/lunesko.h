#pragma once
// The Lunesko model's panel, the first of the 4K family: the Druvela design
// on a smaller window, with four inputs and the colour bar, an HDR ON key
// that follows the device, STILL sending its data byte, and no recorder,
// AUX, audio-settings or spare keys. Only what differs is written here.

#include "family_window.h"

namespace Ui {
class Lunesko;
}

class Lunesko : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Lunesko(QWidget* parent = nullptr);
    ~Lunesko() override;

protected:
    // No audio settings window.
    void init_widget() override;
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    void init_btn_Cam() override;
    void init_connect() override;
    // The HDR byte to the HDR ON lamp and the settings window, the microphone
    // volume to the settings window.
    void init_record_fields() override;
    // The dump's tail carries no recorder here.
    bool readsRecStreamStatus() const override { return false; }

private:
    Ui::Lunesko* ui = nullptr;
};
