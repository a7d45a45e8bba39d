#include "tavrine.h"
#include "ui_tavrine.h"

#include "model_tables.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "uhd_frame.h"

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

const QString kNull = QStringLiteral(":/images/Druvela/white/NULL.bmp");

// Only the recording models have the recorder and the transport keys; the
// panel decides once, when it is built.
bool recordingModel() { return DEV_CHILD_TYPE >= 100 && DEV_CHILD_TYPE <= 103; }

} // namespace

Tavrine::Tavrine(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughMicVolume, DevState::k4kFamilyVersionFirstByte)
    , ui(new Ui::Tavrine)
{
    ui->setupUi(this);
    build();
}

Tavrine::~Tavrine() { delete ui; }

void Tavrine::init_widget()
{
    FamilyWindow::init_widget();
    // Eight transitions: MIX, FADE and wipe groups 1..6 on keys with fixed faces.
    kit().setTransitions({ui->btn_mix, ui->btn_fade, ui->btnWipe, ui->btnInv, ui->btn_sfx1, ui->btn_sfx2,
                          ui->btn_sfx3, ui->btn_sfx4, nullptr, nullptr, nullptr, nullptr},
                         QString(), QString());
}

void Tavrine::init_faces()
{
    FamilyWindow::init_faces();
    FamilyPanel& k = kit();
    // Unlit and lit pictures of one name, or of two.
    auto own = [&k](QWidget* key, FaceRule rule, const char* unlit, const char* lit = nullptr) {
        UhdFrame::addTavrineFace(k, key, rule, unlit, lit);
    };
    own(ui->btn_ch1, FaceRule::Image, "INPUT1.bmp");
    own(ui->btn_ch2, FaceRule::Image, "INPUT2.bmp");
    own(ui->btn_ch3, FaceRule::Image, "INPUT3.bmp");
    own(ui->btnLevelAdd, FaceRule::ImageSpaced, "LEVEL+.bmp");
    own(ui->btnLevelSub, FaceRule::ImageSpaced, "LEVEL-.bmp");
    own(ui->btn_pgm_Still, FaceRule::ImageSpaced, "STILL.bmp");
    own(ui->btnWipe, FaceRule::ImageTight, "WIPE.bmp");
    own(ui->btnInv, FaceRule::ImageTight, "INV.bmp");
    own(ui->btn_sfx1, FaceRule::ImageTight, "SFX_LEFT.bmp");
    own(ui->btn_sfx3, FaceRule::ImageTight, "SFX_UP.bmp");
    // The unlit diagonal SFX faces are spelt with two underscores, their lit ones with one.
    own(ui->btn_sfx2, FaceRule::ImageTight, "SFX__LEFT_DOWN.bmp", "SFX_LEFT_DOWN.bmp");
    own(ui->btn_sfx4, FaceRule::ImageTight, "SFX__LEFT_UP.bmp", "SFX_LEFT_UP.bmp");
    UhdFrame::addTransportFaces(k, ui);
    // Both faces of the AFV/MIX key are green: it names its mode.
    k.addModeFaces(ui->btn_afv_mix, FaceRule::ImageSpaced, QStringLiteral(":/images/green/MIX.bmp"),
                   QStringLiteral(":/images/green/AFV.bmp"), Lit::Green);
}

void Tavrine::init_button_style()
{
    FamilyWindow::init_button_style();
    for (QWidget* unused : {ui->btn_null1, ui->btn_null2, ui->btn_null3, ui->btn_null4})
        kit().setPlainFace(unused, FaceRule::ImageTight, kNull);
    on_Style_btnLevelAdd(false);
    on_Style_btnLevelSub(false);
    on_Style_btnPVWSTILL(false);

    QPushButton* const row[] = {ui->btn_rec, ui->btn_pause,  ui->btn_stream,   ui->btnPlay_Pause,
                                ui->btnPrv,  ui->btnNext,   ui->btnSSD_EXIT, ui->btnUSB_EXIT};
    if (!recordingModel()) {
        for (QPushButton* key : row) {
            kit().setPlainFace(key, FaceRule::ImageSpaced, kNull);
            key->setEnabled(false);
        }
        return;
    }
    for (QPushButton* key : row)
        kit().show(key, false);
    PanelWiring::connectRecorderLamps(controller(), this);
}

void Tavrine::init_label_style()
{
    FamilyPanel::styleWindow(this);
    UhdFrame::styleBoxes(ui);
}

void Tavrine::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_5, ui->btn_pgm_6},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6},
                 ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Tavrine::init_btn_Cam()
{
    kit().addCameraFaces({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6});
    setCameraRow({ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6});
}

// PLAY/PAUSE, PREV, NEXT, SSD, USB, LEVEL and the placeholders are wired to
// nothing; MIC CFG enables only the audio window's microphone rows.
void Tavrine::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    connectFamilyBuses(ui, f, pgmGroup(), pvwGroup(), rateGroup());
    connectKey(ui->btn_ftb, f, &onlyFun::m_on_btn_ftb_clicked);
    // Both STILL keys send the same command; only the program one has a lamp.
    connectKey(ui->btn_pgm_Still, f, &onlyFun::m_on_btn_still_clicked);
    connectKey(ui->btn_pvw_Still, f, &onlyFun::m_on_btn_still_clicked);
    connectFamilyChannels(ui, f, this);
    connectRecorderKeys(ui, f);
    connectFamilyTransitions(f, this, transitionsGroup(), functionGroup());
    connectFamilyCamera(ui, f, this, cameraGroup());
    connectKey(ui->btn_mic_cfg, f, &onlyFun::m_on_btn_mic_cfg_clicked);
    connect(this, &Tavrine::show_mic_cfg, audioPage(), &AUDIO_PAGE::show_mic_cfg_slots);
    connectFamilyEnd(ui, f, this, AutoLamp::Alone);
}

QWidget* Tavrine::patternKey() const { return ui->btn_key2; }

void Tavrine::on_Style_btnPVWSTILL(bool)
{
    kit().setPlainFace(ui->btn_pvw_Still, FaceRule::ImageSpaced, UhdFrame::stillUnlit());
}
void Tavrine::on_Style_btnLevelAdd(bool on) { kit().show(ui->btnLevelAdd, on); }
void Tavrine::on_Style_btnLevelSub(bool on) { kit().show(ui->btnLevelSub, on); }
void Tavrine::on_Style_btnPlay_Pause(bool on) { kit().show(ui->btnPlay_Pause, on); }
void Tavrine::on_Style_btnPrv(bool on) { kit().show(ui->btnPrv, on); }
void Tavrine::on_Style_btnNext(bool on) { kit().show(ui->btnNext, on); }
void Tavrine::on_Style_btnSSD_EXIT(bool on) { kit().show(ui->btnSSD_EXIT, on); }
void Tavrine::on_Style_btnUSB_EXIT(bool on) { kit().show(ui->btnUSB_EXIT, on); }
