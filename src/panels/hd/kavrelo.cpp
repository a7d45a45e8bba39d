#include "kavrelo.h"
#include "ui_kavrelo.h"

#include "cam_page.h"
#include "onlyfun.h"
#include "panel_wiring.h"
#include "widget_show.h"

#include <QButtonGroup>
#include <QTimer>

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

const QString kKavrelo = QStringLiteral(":/images/Kavrelo/");

} // namespace

Kavrelo::Kavrelo(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughAuxPvw, DevState::kVersionFirstByte)
    , ui(new Ui::Kavrelo)
{
    ui->setupUi(this);
    build();
}

Kavrelo::~Kavrelo() { delete ui; }

void Kavrelo::init_widget()
{
    createWindows();
    camPage()->hideCam_ZOOM();
}

void Kavrelo::init_button_style()
{
    // The preset blinks have no slot of their own: the timer ticks the blink directly.
    const std::array<void (Kavrelo::*)(bool), 3> presetLamps = {
        &Kavrelo::on_Style_btnSet_preset, &Kavrelo::on_Style_btnClear_preset, &Kavrelo::on_Style_btnGoto_preset};
    for (size_t p = 0; p < m_presets.size(); ++p) {
        auto* timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, p] { m_presets[p].tick(); });
        const auto lamp = presetLamps[p];
        m_presets[p] = FtbBlink(timer, [this, lamp](bool on) { (this->*lamp)(on); });
    }
    FamilyWindow::init_button_style();
    for (auto lamp : {&Kavrelo::on_Style_btnClear_preset, &Kavrelo::on_Style_btn_speed, &Kavrelo::on_Style_btn_grpsw,
                      &Kavrelo::on_Style_btn_menu})
        (this->*lamp)(false);
}

void Kavrelo::init_faces()
{
    FamilyWindow::init_faces();
    // Kavrelo's own keys light in the tight spelling whatever their unlit one.
    auto own = [this](QWidget* key, FaceRule unlitRule, const QString& file) {
        kit().addFace(key, unlitRule, kKavrelo + QStringLiteral("white/") + file, FaceRule::ImageTight,
                      kKavrelo + QStringLiteral("green/") + file, Lit::Green);
    };
    const std::pair<QWidget*, const char*> camKeys[] = {{ui->btn_clear_preset, "CLEAR_PRESET.bmp"},
                                                        {ui->btn_grpsw, "GRPSW.bmp"},
                                                        {ui->btn_speed, "SPEED.bmp"},
                                                        {ui->btn_menu, "MENU.bmp"}};
    for (const auto& k : camKeys)
        own(k.first, FaceRule::ImageTight, QLatin1String(k.second));

    QPushButton* const pvw[] = {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3,  ui->btn_pvw_4,
                                ui->btn_pvw_5, ui->btn_pvw_6, ui->btn_pvw_7,  ui->btn_pvw_8,
                                ui->btn_pvw_9, ui->btn_pvw_10, ui->btn_pvw_11, ui->btn_pvw_12};
    for (int n = 1; n <= 12; ++n)
        kit().addAltFace(pvw[n - 1], FaceRule::ImageTight, kKavrelo + QStringLiteral("yellow/%1.bmp").arg(n),
                         Lit::Yellow);
    QPushButton* const cams[] = {ui->btn_cam_p1, ui->btn_cam_p2, ui->btn_cam_p3,
                                 ui->btn_cam_p4, ui->btn_cam_p5, ui->btn_cam_p6};
    for (int n = 1; n <= 6; ++n)
        own(cams[n - 1], FaceRule::Image, QStringLiteral("cam_p%1.bmp").arg(n));
}

void Kavrelo::init_label_style()
{
    FamilyPanel::styleWindow(this);
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio}, {});
}

void Kavrelo::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4, ui->btn_pgm_5, ui->btn_pgm_6,
                  ui->btn_pgm_7, ui->btn_pgm_8, ui->btn_pgm_9, ui->btn_pgm_10, ui->btn_pgm_11, ui->btn_pgm_12},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4, ui->btn_pvw_5, ui->btn_pvw_6,
                  ui->btn_pvw_7, ui->btn_pvw_8, ui->btn_pvw_9, ui->btn_pvw_10, ui->btn_pvw_11, ui->btn_pvw_12});
}

void Kavrelo::init_btn_Cam()
{
    setKeypad({ui->btn_0, ui->btn_1, ui->btn_2, ui->btn_3, ui->btn_4, ui->btn_5, ui->btn_6, ui->btn_7, ui->btn_8,
               ui->btn_9});
    setCameraRow({ui->btn_cam_p1, ui->btn_cam_p2, ui->btn_cam_p3, ui->btn_cam_p4, ui->btn_cam_p5, ui->btn_cam_p6});
}

void Kavrelo::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    connectFamilyBuses(ui, f, pgmGroup(), pvwGroup(), rateGroup());
    connectFamilyAudio(ui, f, this);
    connectFamilyFunctions(ui, f, this, transitionsGroup(), functionGroup());
    connectKey(ui->btn_aux, f, &onlyFun::m_on_btn_aux_clicked);
    connect(f, &onlyFun::set_aux_state_signals, this, [this](bool on) { set_aux_state(on ? 1 : 0); });
    connectFamilyCamera(ui, f, this, cameraGroup());
    connectPressRelease(ui->btn_focus_add, f, &onlyFun::m_on_btn_focus_add_pressed,
                        &onlyFun::m_on_btn_focus_add_released);
    connectPressRelease(ui->btn_focus_sub, f, &onlyFun::m_on_btn_focus_sub_pressed,
                        &onlyFun::m_on_btn_focus_sub_released);
    connectKey(ui->btn_grpsw, f, &onlyFun::m_on_btn_grpsw_clicked);
    connect(f, &onlyFun::setGROUPStyleSignals, this, &Kavrelo::on_Style_btn_grpsw);
    connectById(keypadGroup(), f, &onlyFun::m_on_btnGrp_Cal_clicked);
    connectKey(ui->btn_set_preset, f, &onlyFun::m_on_btn_set_preset_clicked);
    connectKey(ui->btn_clear_preset, f, &onlyFun::m_on_btn_clear_preset_clicked);
    connectKey(ui->btn_goto_preset, f, &onlyFun::m_on_btn_goto_preset_clicked);
    connectFamilyEnd(ui, f, this);
}

void Kavrelo::init_record_fields()
{
    FamilyWindow::init_record_fields();
    // PGM and PVW go with AUX (applyOwnFirst), before the shared fields.
    recordFields().pgm = nullptr;
    recordFields().pvw = nullptr;
}

// ---- lamps ----------------------------------------------------------------

void Kavrelo::on_Style_btnClear_preset(bool on) { kit().show(ui->btn_clear_preset, on); }
void Kavrelo::on_Style_btn_speed(bool on) { kit().show(ui->btn_speed, on); }
void Kavrelo::on_Style_btn_menu(bool on) { kit().show(ui->btn_menu, on); }
void Kavrelo::on_Style_btn_grpsw(bool on) { kit().show(ui->btn_grpsw, on); }

// ---- rows and device state ------------------------------------------------

void Kavrelo::set_PVWCH_Style(uchar ch) { kit().showRow(pvwGroup(), ch, m_auxOn != 0); }

void Kavrelo::cam_menu_ctl(bool on)
{
    FamilyWindow::cam_menu_ctl(on);
    for (QWidget* k : {ui->btn_focus_add, ui->btn_focus_sub, ui->btn_grpsw})
        Show::enabled(k, on);
    for (QAbstractButton* k : keypadGroup()->buttons())
        Show::enabled(k, on);
    for (QWidget* k : {ui->btn_set_preset, ui->btn_clear_preset, ui->btn_goto_preset})
        Show::enabled(k, on);
    if (on)
        return;
    for (FtbBlink& p : m_presets)
        p.stop();
    controller()->setGROUPStyle(0);
}

uchar Kavrelo::cameraKeyFor(uchar cam) const { return cam >= 7 && cam <= 12 ? uchar(cam - 6) : cam; }

void Kavrelo::set_aux_state(uint8_t v)
{
    m_auxOn = v != 0 ? 1 : 0;
    on_Style_btnAux(m_auxOn != 0);
}

void Kavrelo::set_set_preset_Style(uchar v) { followPreset(SetPreset, v); }
void Kavrelo::set_clear_preset_Style(uchar v) { followPreset(ClearPreset, v); }
void Kavrelo::set_goto_preset_Style(uchar v) { followPreset(GotoPreset, v); }

// ---- operator keys --------------------------------------------------------

void Kavrelo::on_btn_set_preset_clicked() { clickPreset(SetPreset); }
void Kavrelo::on_btn_clear_preset_clicked() { clickPreset(ClearPreset); }
void Kavrelo::on_btn_goto_preset_clicked() { clickPreset(GotoPreset); }

void Kavrelo::clickPreset(Preset p)
{
    for (size_t other = 0; other < m_presets.size(); ++other)
        if (other != size_t(p))
            m_presets[other].stop();
    m_presets[p].toggle();
}

// ---- replies --------------------------------------------------------------

void Kavrelo::applyOwnFirst(const DevState::Record& r)
{
    controller()->set_aux_state(r.aux);
    if (r.aux == 1)
        set_PVWCH_Style(r.auxPvw);
    set_PGMCH_Style(r.pgm);
    if (r.aux == 0)
        set_PVWCH_Style(r.pvw);
}

void Kavrelo::applyOwnLast(const DevState::Record& r)
{
    applyThirdChannel(r);
    set_set_preset_Style(r.presets[SetPreset]);
    set_clear_preset_Style(r.presets[ClearPreset]);
    set_goto_preset_Style(r.presets[GotoPreset]);
    controller()->setGROUPStyle(r.groupSwitch);
}
