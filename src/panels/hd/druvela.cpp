#include "druvela.h"
#include "ui_druvela.h"

#include "onlyfun.h"
#include "panel_wiring.h"

using PanelFaces::FaceRule;

namespace {
constexpr unsigned kFlashAux = 300;
}

Druvela::Druvela(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughMicVolume, DevState::kVersionFirstByte)
    , ui(new Ui::Druvela)
{
    ui->setupUi(this);
    build();
}

Druvela::~Druvela() { delete ui; }

void Druvela::init_faces()
{
    FamilyWindow::init_faces();
    for (QWidget* unused : {ui->btn_null1, ui->btn_null2, ui->btn_null3})
        kit().setPlainFace(unused, FaceRule::ImageTight, QStringLiteral(":/images/Druvela/white/NULL.bmp"));
    kit().setPlainFace(ui->btn_null4, FaceRule::ImageTight, QStringLiteral(":/images/Druvela/white/EXIT.bmp"));
    kit().addCameraFaces({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6});
}

void Druvela::init_label_style()
{
    FamilyPanel::styleWindow(this);
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBox_function},
                                 {ui->groupBox_1, ui->groupBox_2, ui->groupBox_3});
}

void Druvela::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_5, ui->btn_pgm_6},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6},
                 ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Druvela::init_btn_Cam() { setCameraRow({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6}); }

void Druvela::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    connectFamilyBuses(ui, f, pgmGroup(), pvwGroup(), rateGroup());
    connectFamilyAudio(ui, f, this);
    connectFamilyFunctions(ui, f, this, transitionsGroup(), functionGroup());
    connectKey(ui->btn_aux, f, &onlyFun::m_on_btn_aux_clicked);
    connectFamilyCamera(ui, f, this, cameraGroup());
    connectFamilyAudioRows(ui, f, this, audioPage());
    connectFamilyEnd(ui, f, this);
}

void Druvela::on_btn_aux_clicked() { kit().flash(this, ui->btn_aux, kFlashAux); }
