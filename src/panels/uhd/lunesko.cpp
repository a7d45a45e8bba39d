#include "lunesko.h"
#include "ui_lunesko.h"

#include "onlyfun.h"
#include "panel_wiring.h"

Lunesko::Lunesko(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughHdr, DevState::k4kFamilyVersionFirstByte)
    , ui(new Ui::Lunesko)
{
    ui->setupUi(this);
    build();
}

Lunesko::~Lunesko() { delete ui; }

void Lunesko::init_widget() { createWindows(false); }

void Lunesko::init_faces()
{
    FamilyWindow::init_faces();
    kit().addCameraFaces({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6});
}

void Lunesko::init_label_style()
{
    FamilyPanel::styleWindow(this);
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBox_function},
                                 {ui->groupBox_1});
}

void Lunesko::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4}, ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Lunesko::init_btn_Cam() { setCameraRow({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6}); }

void Lunesko::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    connectFamilyBuses(ui, f, pgmGroup(), pvwGroup(), rateGroup());
    // STILL sends its data byte (0) on this model.
    connectFamilyAudio(ui, f, this, &onlyFun::m_on_btn_still_clicked_data1);
    connectFamilyFunctions(ui, f, this, transitionsGroup(), functionGroup());
    connectFamilyCamera(ui, f, this, cameraGroup());
    connectFamilyAutoCut(ui, f, this);
    // HDR ON: the controller keeps the state (the device's, after a dump) and the lamp follows it.
    connectKey(ui->btn_hdr_on, f, &onlyFun::m_on_btn_hdr_on_clicked);
    connect(f, &onlyFun::setHDR_ON_EnableSignals, this, &Lunesko::on_Style_btnHDR_ON);
    connectReplies(f, this);
}

void Lunesko::init_record_fields()
{
    FamilyWindow::init_record_fields();
    recordTargets().readsHdr = true;
    recordTargets().menuShowsMic = true;
}
