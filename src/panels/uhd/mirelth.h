#pragma once
// The Mirelth model's panel (4K family): the Druvela design with a red PGM
// STILL and a green PVW STILL key, a third audio channel, yellow function
// faces and a SHIFT key under which the preview keys 3..6 only flash yellow,
// a camera keypad with CAM, ENTER and the SET and GOTO PRESET keys, focus
// keys, and transport and storage keys. Only what differs from the Druvela
// panel is written here; the rest comes from FamilyWindow.

#include "family_window.h"

namespace Ui {
class Mirelth;
}

class Mirelth : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Mirelth(QWidget* parent = nullptr);
    ~Mirelth() override;

    // ---- lamps: one key lit or unlit ----------------------------------------
    void on_Style_btnPGMSTILL(bool on) { on_Style_btnSTILL(on); }
    void on_Style_btnPVWSTILL(bool on);
    void on_Style_btnPlay_Pause(bool on);
    void on_Style_btnPrv(bool on);
    void on_Style_btnNext(bool on);
    void on_Style_btnSSD_EXIT(bool on);
    void on_Style_btnUSB_EXIT(bool on);
    void on_Style_btnCam(bool on);
    void on_Style_btnEnter(bool on);

    // ---- rows and device state ----------------------------------------------
    // SHIFT off: as every panel; on: keys 3..6 flash yellow and end unlit, the rest shows nothing.
    void set_PVWCH_Style(uchar ch) override;
    // The keypad, zoom, focus, CAM, ENTER and the two preset keys.
    void cam_menu_ctl(bool on) override;
    // The program row's STILL is the window's STILL key; it and the preview
    // one each take half of the device's still byte.
    void set_PGM_Still_Style(uchar v);  // the low four bits
    void set_PVW_Still_Style(uchar v);  // the high four bits
    void set_SSD_USB_Style(uchar v);    // 1 USB, 2 SSD, 0 neither

    bool shiftOn() const { return m_shiftOn != 0; }

public slots:
    // REC is enabled together with PAUSE.
    void set_Rec_Enable(bool on);
    void on_btn_pvw_Still_clicked();
    void on_btn_set_preset_clicked();
    void on_btn_goto_preset_clicked();
    void on_btn_cam_clicked();
    void on_btn_enter_clicked();
    void on_btnPrv_clicked();
    void on_btnNext_clicked();
    void on_btnPlay_Pause_clicked();
    void on_btn_shift_clicked();

protected:
    void init_button_style() override;
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    void init_btn_Cam() override;
    void init_connect() override;
    void init_record_fields() override;

    // PGM and PVW first: the preview flash may wait.
    void applyOwnFirst(const DevState::Record& r) override;
    // Reply bytes 111..120 after the shared fields.
    void applyOwnLast(const DevState::Record& r) override;
    bool readsRecStreamStatus() const override { return false; }

private:
    Ui::Mirelth* ui = nullptr;
    uint8_t m_pvwStillOn = 0;
    uint8_t m_shiftOn = 0;
};
