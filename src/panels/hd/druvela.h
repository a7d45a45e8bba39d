#pragma once
// The Druvela model's panel: six inputs and a colour bar on the program and
// preview rows, MIX, FADE and ten wipe groups, rates, CUT, AUTO and the T-bar,
// FTB and STILL, the function row, a two-channel audio mixer, recorder and
// stream keys, LINE and MIC settings, AUX, camera keys with zoom and the
// joystick. Its design is the one FamilyWindow holds; this class adds the
// form, the unused keys' faces and the AUX flash.

#include "family_window.h"

namespace Ui {
class Druvela;
}

class Druvela : public FamilyWindow
{
    Q_OBJECT

public:
    explicit Druvela(QWidget* parent = nullptr);
    ~Druvela() override;

public slots:
    void on_btn_aux_clicked();

protected:
    void init_faces() override;
    void init_label_style() override;
    void init_pgm_pvw() override;
    void init_btn_Cam() override;
    void init_connect() override;

private:
    Ui::Druvela* ui = nullptr;
};
