#pragma once
// The frame the Tavrine and Mirelth forms share: the same window, block
// places, four-channel mixer, rate box and bottom bar, the menu box's
// transport and storage keys, SRC3 and the STILL keys' white face.

#include "family_panel.h"

namespace UhdFrame {

// The unlit face of both STILL keys.
inline QString stillUnlit() { return QStringLiteral(":/images/Tavrine/white/STILL.bmp"); }

// A key's white and green faces from the Tavrine folder; lit names the green
// picture where its file name differs from the white one.
inline void addTavrineFace(FamilyPanel& kit, QWidget* key, PanelFaces::FaceRule rule, const char* unlit,
                           const char* lit = nullptr)
{
    const QString root = QStringLiteral(":/images/Tavrine/");
    kit.addFace(key, rule, root + QStringLiteral("white/") + QLatin1String(unlit),
                root + QStringLiteral("green/") + QLatin1String(lit ? lit : unlit), FamilyPanel::Lit::Green);
}

// Titled boxes framed, the camera and function boxes without a border, the
// bus labels white.
template <class Form>
void styleBoxes(Form* ui)
{
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBoxMutilFunction,
                                  ui->groupBoxMenu, ui->groupBoxRATE},
                                 {ui->groupBoxCAMERA, ui->groupBox_function});
}

template <class Form>
void styleFaders(Form* ui)
{
    FamilyPanel::styleFaders({ui->verticalSlider_1, ui->verticalSlider_2, ui->verticalSlider_3,
                              ui->verticalSlider_master});
}

// PLAY/PAUSE, PREV, NEXT, SSD and USB, and SRC3, from the Tavrine folder.
template <class Form>
void addTransportFaces(FamilyPanel& kit, Form* ui)
{
    using PanelFaces::FaceRule;
    auto own = [&kit](QWidget* key, FaceRule rule, const char* file) { addTavrineFace(kit, key, rule, file); };
    own(ui->btnPlay_Pause, FaceRule::ImageSpaced, "PLAY_PAUSE.bmp");
    own(ui->btnPrv, FaceRule::ImageSpaced, "PRE.bmp");
    own(ui->btnNext, FaceRule::ImageSpaced, "NEXT.bmp");
    own(ui->btnSSD_EXIT, FaceRule::ImageSpaced, "SSD.bmp");
    own(ui->btnUSB_EXIT, FaceRule::ImageSpaced, "USB.bmp");
    own(ui->btn_src3, FaceRule::Image, "SRC3.bmp");
}

} // namespace UhdFrame
