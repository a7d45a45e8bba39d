#include "halvani_transitions.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"

#include <QButtonGroup>
#include <QPushButton>

using PanelFaces::FaceRule;

Transitions::Transitions(QWidget* parent, Druvela_workdata* ws)
    : QGroupBox(parent)
    , m_ws(ws)
{
    init();
}

void Transitions::init()
{
    m_btnGrp = new QButtonGroup(this);
    FirstGenStyle::halvaniTitle(this, tr("TRANSITIONS"), 250);

    // The wipes spell their unlit and lit picture rules differently.
    struct Spec {
        const char* name;
        QRect geometry;
        FaceRule unlitRule;
        const char* unlit;
        FaceRule litRule;
        const char* lit;
    };
    static const Spec specs[6] = {
        {"btn_trans_mix", {20, 60, 55, 55}, FaceRule::Image, "MIX.bmp", FaceRule::Image, "MIX.bmp"},
        {"btn_trans_fade", {20, 140, 55, 55}, FaceRule::Image, "FADE.bmp", FaceRule::Image, "FADE.bmp"},
        {"btn_trans_up", {100, 60, 50, 50}, FaceRule::ImageTight, "up.bmp", FaceRule::ImageSpaced, "UP.bmp"},
        {"btn_trans_down", {100, 140, 50, 50}, FaceRule::ImageTight, "down.bmp", FaceRule::ImageSpaced, "DOWN.bmp"},
        {"btn_trans_left", {180, 60, 50, 50}, FaceRule::ImageTight, "Left.bmp", FaceRule::ImageSpaced, "LEFT.bmp"},
        {"btn_trans_right", {180, 140, 50, 50}, FaceRule::ImageTight, "Right.bmp", FaceRule::ImageSpaced,
         "Right.bmp"},
    };
    for (int i = 0; i < 6; ++i) {
        const Spec& s = specs[i];
        Key& k = m_keys[i];
        k.button = new QPushButton(this);
        k.button->setObjectName(QLatin1String(s.name));
        k.button->setGeometry(s.geometry);
        k.face = FirstGenStyle::groupKey(s.unlitRule, QLatin1String(s.unlit), QLatin1String(s.lit));
        k.face.litRule = s.litRule;
    }
    initbtnStyle();
    setStyleSheet(QLatin1String(FirstGenStyle::kHalvaniBox));
    for (int i = 0; i < 6; ++i)
        m_btnGrp->addButton(m_keys[i].button, i + 1);
    connect(m_btnGrp, &QButtonGroup::idClicked, this, &Transitions::on_btnGrp_clicked);
}

void Transitions::showKey(int id, bool lit)
{
    if (id >= 1 && id <= 6)
        PanelFaces::showFace(m_keys[id - 1].button, m_keys[id - 1].face, lit);
}

void Transitions::initbtnStyle()
{
    for (int id = 1; id <= 6; ++id)
        showKey(id, false);
}

void Transitions::on_btnGrp_clicked(uint8_t index)
{
    initbtnStyle();
    showKey(index, true);
    m_ws->SendCMDTRANSITIONS(index);
}
