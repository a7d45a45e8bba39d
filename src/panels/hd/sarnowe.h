#pragma once
// The Sarnowe model's panel: the Druvela design with four inputs and the
// colour bar, no camera block or joystick, the edition panels' audio keys
// (an AFV/MIX pair, MUTE, sources showing the channel pictures, volume
// steps), a resolution key and recorder keys the model table may switch off.
// Only what differs from the Druvela panel is written here.

#include "family_window.h"

namespace Ui {
class Sarnowe;
}

class Sarnowe : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Sarnowe(QWidget* parent = nullptr);
    ~Sarnowe() override;

    // ---- lamps ----------------------------------------------------------------
    void on_Style_btnMUTE(bool on);
    void on_Style_btnCH1_VOL_ADD(bool on);
    void on_Style_btnCH1_VOL_SUB(bool on);
    void on_Style_btnCH2_VOL_ADD(bool on);
    void on_Style_btnCH2_VOL_SUB(bool on);
    void on_Style_btnF4(bool on);

    void init_AFVorMix_style();

    bool muteOn() const { return m_muteOn != 0; }

public slots:
    void m_on_btnGrp_AFVorMix_clicked(uint8_t id);
    void setBtnAFVorMIXStyle(uint8_t mode);
    void on_btn_mute_clicked();
    void set_MUTE_style(uint8_t on);
    void on_btn_ch1_vol_sub_clicked();
    void on_btn_ch1_vol_add_clicked();
    void on_btn_ch2_vol_sub_clicked();
    void on_btn_ch2_vol_add_clicked();
    void on_btn_F4_clicked();

protected:
    void init_button_style() override;
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    // The function group, then the AFV/MIX pair.
    void init_function() override;
    void init_connect() override;
    void init_record_fields() override;

    // The recorder and stream status is read on type 83 only, not on the other types of its table row.
    bool readsRecStreamStatus() const override;

private:
    void init_AFVorMIXfunction();

    Ui::Sarnowe* ui = nullptr;
    QButtonGroup* m_grpAFVorMix = nullptr;
    uint8_t m_muteOn = 0;
};
