#pragma once
// The Tavrine model's panel: the Druvela design with a STILL key on each row
// (only the program one keeps a lamp), eight transitions with faces of their
// own, a third audio channel the dump does not report, MIC CFG, LEVEL and
// placeholder keys wired to nothing, a recording and transport row that only
// the recording models (types 100..103) enable, and an AUTO lamp that locks
// neither CUT nor AUTO. The rest is FamilyWindow's.

#include "family_window.h"

namespace Ui {
class Tavrine;
}

class Tavrine : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Tavrine(QWidget* parent = nullptr);
    ~Tavrine() override;

    // ---- lamps of its own keys ----------------------------------------------
    void on_Style_btnPGMSTILL(bool on) { on_Style_btnSTILL(on); }
    void on_Style_btnPVWSTILL(bool);  // never lit
    void on_Style_btnLevelAdd(bool on);
    void on_Style_btnLevelSub(bool on);
    void on_Style_btnPlay_Pause(bool on);
    void on_Style_btnPrv(bool on);
    void on_Style_btnNext(bool on);
    void on_Style_btnSSD_EXIT(bool on);
    void on_Style_btnUSB_EXIT(bool on);

protected:
    void init_widget() override;
    void init_button_style() override;
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    void init_btn_Cam() override;
    void init_connect() override;

    // The recorder status at the dump's end is not this model's.
    bool readsRecStreamStatus() const override { return false; }
    // No KEY3: KEY2 shows the pattern.
    QWidget* patternKey() const override;

private:
    Ui::Tavrine* ui = nullptr;
};
