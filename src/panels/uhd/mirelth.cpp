#include "mirelth.h"
#include "ui_mirelth.h"

#include "onlyfun.h"
#include "panel_wiring.h"
#include "uhd_frame.h"
#include "widget_show.h"

#include <QButtonGroup>

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

const QString kImages = QStringLiteral(":/images/");
constexpr unsigned kFlashKey = 200;

} // namespace

Mirelth::Mirelth(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughStorageKeys, DevState::k4kFamilyVersionFirstByte)
    , ui(new Ui::Mirelth)
{
    ui->setupUi(this);
    build();
}

Mirelth::~Mirelth() { delete ui; }

// ---- construction ---------------------------------------------------------

void Mirelth::init_button_style()
{
    FamilyWindow::init_button_style();
    for (auto lamp : {&Mirelth::on_Style_btnPGMSTILL, &Mirelth::on_Style_btnPVWSTILL, &Mirelth::on_Style_btnPlay_Pause,
                      &Mirelth::on_Style_btnPrv, &Mirelth::on_Style_btnNext, &Mirelth::on_Style_btnSSD_EXIT,
                      &Mirelth::on_Style_btnUSB_EXIT, &Mirelth::on_Style_btnCam, &Mirelth::on_Style_btnEnter})
        (this->*lamp)(false);
}

void Mirelth::init_faces()
{
    FamilyWindow::init_faces();
    FamilyPanel& k = kit();
    auto face = [&k](QWidget* key, FaceRule rule, const char* unlit, const char* lit, Lit colour) {
        k.addFace(key, rule, kImages + QLatin1String(unlit), kImages + QLatin1String(lit), colour);
    };
    // The function row and SHIFT light yellow.
    face(ui->btn_pip, FaceRule::ImageSpaced, "white/PIP.bmp", "Mirelth/yellow/PIP.bmp", Lit::Yellow);
    face(ui->btn_pop, FaceRule::ImageTight, "white/POP.bmp", "Mirelth/yellow/POP.bmp", Lit::Yellow);
    face(ui->btn_key1, FaceRule::ImageSpaced, "Druvela/white/switcher_key1_w.bmp", "Mirelth/yellow/LUMA.bmp",
         Lit::Yellow);
    face(ui->btn_key2, FaceRule::ImageSpaced, "Druvela/white/switcher_key2_w.bmp", "Mirelth/yellow/CHROMA.bmp",
         Lit::Yellow);
    face(ui->btn_key3, FaceRule::ImageSpaced, "Druvela/white/switcher_key3_w.bmp", "Mirelth/yellow/PATTERN.bmp",
         Lit::Yellow);
    face(ui->btn_shift, FaceRule::ImageTight, "Kavrelo/white/SHIFT.bmp", "Mirelth/yellow/SHIFT.bmp", Lit::Yellow);
    face(ui->btn_cam, FaceRule::ImageSpaced, "Mirelth/white/CAM.bmp", "Mirelth/green/CAM.bmp", Lit::Green);
    face(ui->btn_enter, FaceRule::ImageSpaced, "Mirelth/white/ENTER.bmp", "Mirelth/green/ENTER.bmp", Lit::Green);
    k.addFace(ui->btn_pgm_Still, FaceRule::ImageSpaced, UhdFrame::stillUnlit(),
              kImages + QStringLiteral("Tavrine/red/STILL.bmp"), Lit::Red);
    k.addFace(ui->btn_pvw_Still, FaceRule::ImageSpaced, UhdFrame::stillUnlit(),
              kImages + QStringLiteral("Mirelth/green/STILL.bmp"), Lit::Green);
    UhdFrame::addTransportFaces(k, ui);
    // The yellow faces SHIFT flashes on preview keys 3..6.
    QPushButton* const pvw[] = {ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6};
    for (int n = 3; n <= 6; ++n)
        k.addAltFace(pvw[n - 3], FaceRule::ImageTight, kImages + QStringLiteral("Kavrelo/yellow/%1.bmp").arg(n),
                     Lit::Yellow);
}

void Mirelth::init_label_style()
{
    FamilyPanel::styleWindow(this);
    UhdFrame::styleBoxes(ui);
}

void Mirelth::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_5, ui->btn_pgm_6},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6},
                 ui->btn_pgm_bar, ui->btn_pvw_bar);
}

// No camera row; the keypad stays enabled until the device's camera menu is off.
void Mirelth::init_btn_Cam()
{
    setKeypad({ui->btn_0, ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6, ui->btn_7, ui->btn_8,
               ui->btn_9});
}

void Mirelth::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    connectFamilyBuses(ui, f, pgmGroup(), pvwGroup(), rateGroup());
    connectKey(ui->btn_ftb, f, &onlyFun::m_on_btn_ftb_clicked);
    connectKey(ui->btn_pgm_Still, f, &onlyFun::m_on_btn_still_clicked_data1);
    connectKey(ui->btn_pvw_Still, f, &onlyFun::m_on_btn_still_clicked_data2);
    connectFamilyChannels(ui, f, this);
    connectKey(ui->btn_rec, f, &onlyFun::m_on_btn_rec_clicked);
    connectKey(ui->btn_pause, f, &onlyFun::m_on_btn_pause_clicked);
    connect(f, &onlyFun::m_on_Style_btnRec_Signals, this, &Mirelth::set_Rec_Enable);
    connect(f, &onlyFun::m_on_Style_btnPause_Signals, this, &Mirelth::on_Style_btnPause);
    connectKey(ui->btnPlay_Pause, f, &onlyFun::btn_btnPlay_Pause_clicked);
    connectKey(ui->btnPrv, f, &onlyFun::btn_btnPrv_clicked);
    connectKey(ui->btnNext, f, &onlyFun::btn_btnNext_clicked);
    connectKey(ui->btnUSB_EXIT, f, &onlyFun::btn_btnUSB_clicked);
    connectKey(ui->btnSSD_EXIT, f, &onlyFun::btn_btnSSD_clicked);
    connectFamilyTransitions(f, this, transitionsGroup(), functionGroup());
    connect(f, &onlyFun::set_CAMMENU_StyleSignals, this, &Mirelth::set_CAMMENU_Style);
    connectKey(ui->btn_cam_meun, f, &onlyFun::m_on_btn_cam_meun_clicked);
    connectPressRelease(ui->btn_z_add, f, &onlyFun::m_on_btn_z_add_pressed, &onlyFun::m_on_btn_z_add_released);
    connectPressRelease(ui->btn_z_sub, f, &onlyFun::m_on_btn_z_sub_pressed, &onlyFun::m_on_btn_z_sub_released);
    connectPressRelease(ui->btn_focus_add, f, &onlyFun::m_on_btn_focus_add_pressed,
                        &onlyFun::m_on_btn_focus_add_released);
    connectPressRelease(ui->btn_focus_sub, f, &onlyFun::m_on_btn_focus_sub_pressed,
                        &onlyFun::m_on_btn_focus_sub_released);
    connectKey(ui->btn_cam, f, &onlyFun::m_on_btn_cal_cam_clicked);
    connectKey(ui->btn_enter, f, &onlyFun::m_on_btn_cal_nom_clicked);
    connectById(keypadGroup(), f, &onlyFun::m_on_btnGrp_Cal_clicked);
    // The presets send on press and on release; the panel's flash follows the click.
    connectPressRelease(ui->btn_set_preset, f, &onlyFun::m_on_btn_set_preset_pressed,
                        &onlyFun::m_on_btn_set_preset_released);
    connectPressRelease(ui->btn_goto_preset, f, &onlyFun::m_on_btn_goto_preset_pressed,
                        &onlyFun::m_on_btn_goto_preset_released);
    // CUT and AUTO stay usable while the operator moves the T-bar.
    connectFamilyEnd(ui, f, this, AutoLamp::Alone);
}

void Mirelth::init_record_fields()
{
    FamilyWindow::init_record_fields();
    // PGM and PVW go first (applyOwnFirst); one still byte holds both STILL keys.
    recordFields().pgm = nullptr;
    recordFields().pvw = nullptr;
    recordFields().still = [this](quint8 v) {
        set_PGM_Still_Style(v);
        set_PVW_Still_Style(v);
    };
    // The HDR byte and the microphone volume go to the settings window too.
    recordTargets().readsHdr = true;
    recordTargets().menuShowsMic = true;
}

// ---- lamps ----------------------------------------------------------------

void Mirelth::on_Style_btnPVWSTILL(bool on) { kit().show(ui->btn_pvw_Still, on); }
void Mirelth::on_Style_btnPlay_Pause(bool on) { kit().show(ui->btnPlay_Pause, on); }
void Mirelth::on_Style_btnPrv(bool on) { kit().show(ui->btnPrv, on); }
void Mirelth::on_Style_btnNext(bool on) { kit().show(ui->btnNext, on); }
void Mirelth::on_Style_btnSSD_EXIT(bool on) { kit().show(ui->btnSSD_EXIT, on); }
void Mirelth::on_Style_btnUSB_EXIT(bool on) { kit().show(ui->btnUSB_EXIT, on); }
void Mirelth::on_Style_btnCam(bool on) { kit().show(ui->btn_cam, on); }
void Mirelth::on_Style_btnEnter(bool on) { kit().show(ui->btn_enter, on); }

// ---- rows and device state ------------------------------------------------

void Mirelth::set_PVWCH_Style(uchar ch)
{
    if (!m_shiftOn) {
        FamilyWindow::set_PVWCH_Style(ch);
        return;
    }
    QAbstractButton* key = ch >= 3 && ch <= 6 ? pvwGroup()->button(ch) : nullptr;
    if (!key)
        return;
    // The yellow face, then the key's unlit face whatever it showed before; the rest of the row stays.
    PanelFaces::flash(
        this,
        [this, key, ch](bool on) {
            if (on)
                kit().lightRow(pvwGroup(), ch, true);
            else
                kit().show(key, false);
        },
        [](unsigned ms) { onlyFun::Delay_MSec(ms); }, kFlashKey);
}

void Mirelth::cam_menu_ctl(bool on)
{
    for (QAbstractButton* k : keypadGroup()->buttons())
        Show::enabled(k, on);
    for (QWidget* k : {ui->btn_z_add, ui->btn_z_sub, ui->btn_focus_add, ui->btn_focus_sub, ui->btn_cam, ui->btn_enter,
                       ui->btn_set_preset, ui->btn_goto_preset})
        Show::enabled(k, on);
}

void Mirelth::set_PGM_Still_Style(uchar v) { set_Stll_Style(v & 0x0F); }
void Mirelth::set_PVW_Still_Style(uchar v) { kit().followLamp(m_pvwStillOn, ui->btn_pvw_Still, v >> 4); }

void Mirelth::set_SSD_USB_Style(uchar v)
{
    if (v > 2)
        return;
    on_Style_btnSSD_EXIT(v == 2);
    on_Style_btnUSB_EXIT(v == 1);
}

void Mirelth::set_Rec_Enable(bool on)
{
    FamilyWindow::set_Rec_Enable(on);
    Show::enabled(ui->btn_rec, on);
}

// ---- operator keys --------------------------------------------------------

void Mirelth::on_btn_pvw_Still_clicked() { kit().toggleLamp(m_pvwStillOn, ui->btn_pvw_Still); }
void Mirelth::on_btn_set_preset_clicked() { kit().flash(this, ui->btn_set_preset, kFlashKey); }
void Mirelth::on_btn_goto_preset_clicked() { kit().flash(this, ui->btn_goto_preset, kFlashKey); }
void Mirelth::on_btn_cam_clicked() { kit().flash(this, ui->btn_cam, kFlashKey); }
void Mirelth::on_btn_enter_clicked() { kit().flash(this, ui->btn_enter, kFlashKey); }
void Mirelth::on_btnPrv_clicked() { kit().flash(this, ui->btnPrv, kFlashKey); }
void Mirelth::on_btnNext_clicked() { kit().flash(this, ui->btnNext, kFlashKey); }
void Mirelth::on_btnPlay_Pause_clicked() { kit().flash(this, ui->btnPlay_Pause, kFlashKey); }
void Mirelth::on_btn_shift_clicked() { kit().toggleLamp(m_shiftOn, ui->btn_shift); }

// ---- replies --------------------------------------------------------------

void Mirelth::applyOwnFirst(const DevState::Record& r)
{
    set_PGMCH_Style(r.pgm);
    set_PVWCH_Style(r.pvw);
}

void Mirelth::applyOwnLast(const DevState::Record& r)
{
    applyThirdChannel(r);
    controller()->setGROUPStyle(r.groupSwitch);
    set_SSD_USB_Style(r.storageKeys);
}
