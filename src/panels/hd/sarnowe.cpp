#include "sarnowe.h"
#include "ui_sarnowe.h"

#include "audio_mode_keys.h"
#include "model_tables.h"
#include "onlyfun.h"
#include "panel_wiring.h"

#include <QButtonGroup>

using PanelFaces::FaceRule;
using Lit = FamilyPanel::Lit;

namespace {

constexpr unsigned kFlashShort = 200;  // volume steps
constexpr unsigned kFlashReso = 400;

} // namespace

Sarnowe::Sarnowe(QWidget* parent)
    : FamilyWindow(parent, DevState::kThroughHdr, DevState::kVersionFirstByte)
    , ui(new Ui::Sarnowe)
{
    ui->setupUi(this);
    build();
}

Sarnowe::~Sarnowe() { delete ui; }

void Sarnowe::init_button_style()
{
    FamilyWindow::init_button_style();
    for (auto lamp : {&Sarnowe::on_Style_btnMUTE, &Sarnowe::on_Style_btnCH1_VOL_ADD, &Sarnowe::on_Style_btnCH1_VOL_SUB,
                      &Sarnowe::on_Style_btnCH2_VOL_ADD, &Sarnowe::on_Style_btnCH2_VOL_SUB, &Sarnowe::on_Style_btnF4})
        (this->*lamp)(false);

    // Models whose table row has no stream settings have no recorder either;
    // a type without a row keeps the keys.
    if (const std::optional<ModelRow> model = modelRowFor(DEV_CHILD_TYPE))
        for (QWidget* k : {ui->btn_rec, ui->btn_pause, ui->btn_stream})
            k->setEnabled(model->hasStreamDns);
}

void Sarnowe::init_faces()
{
    FamilyWindow::init_faces();
    for (QWidget* unused : {ui->btn_F7, ui->btn_F8})
        kit().setPlainFace(unused, FaceRule::Spaced, QStringLiteral(":/images/Druvela/white/NULL.bmp"));
    auto shared = [this](QWidget* key, FaceRule rule, const QString& file) {
        kit().addFace(key, rule, QStringLiteral(":/images/white/") + file, QStringLiteral(":/images/green/") + file,
                      Lit::Green);
    };
    shared(ui->btn_mute, FaceRule::Image, QStringLiteral("MUTE.bmp"));
    shared(ui->btn_src1, FaceRule::Image, QStringLiteral("CH1.bmp"));
    shared(ui->btn_src2, FaceRule::Image, QStringLiteral("CH2.bmp"));
    shared(ui->btn_ch1_vol_add, FaceRule::Image, QStringLiteral("VOL+.bmp"));
    shared(ui->btn_ch1_vol_sub, FaceRule::Image, QStringLiteral("VOL-.bmp"));
    shared(ui->btn_ch2_vol_add, FaceRule::Image, QStringLiteral("VOL+.bmp"));
    shared(ui->btn_ch2_vol_sub, FaceRule::Image, QStringLiteral("VOL-.bmp"));
    shared(ui->btn_F4, FaceRule::ImageTight, QStringLiteral("RESO.bmp"));
    shared(ui->btn_audio_afv, FaceRule::ImageSpaced, QStringLiteral("AFV.bmp"));
    shared(ui->btn_audio_mix, FaceRule::ImageSpaced, QStringLiteral("MIX.bmp"));
}

void Sarnowe::init_label_style()
{
    FamilyPanel::styleWindow(this, Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet(QString());
    setStyleSheet(QStringLiteral("QWidget#Sarnowe{background-color:rgb(58,58,58);}"));
    setAutoFillBackground(true);
    FamilyPanel::styleBusLabels({ui->label_CH1, ui->label_CH2});
    ui->label_MASTER->setStyleSheet(QStringLiteral("color:#FFFFFF"));
    FamilyPanel::styleBusLabels({ui->label_a_bus, ui->label_b_bus});
    FamilyPanel::styleGroupBoxes({ui->groupBox_audio, ui->groupBox_transition_type, ui->groupBox_function}, {});
}

void Sarnowe::init_pgm_pvw()
{
    setInputRows({ui->btn_pgm_1, ui->btn_pgm_2, ui->btn_pgm_3, ui->btn_pgm_4},
                 {ui->btn_pvw_1, ui->btn_pvw_2, ui->btn_pvw_3, ui->btn_pvw_4}, ui->btn_pgm_bar, ui->btn_pvw_bar);
}

void Sarnowe::init_function()
{
    FamilyWindow::init_function();
    init_AFVorMIXfunction();
}

void Sarnowe::init_AFVorMIXfunction()
{
    m_grpAFVorMix = FamilyPanel::keyGroup(this, {{ui->btn_audio_afv, 0}, {ui->btn_audio_mix, 1}});
    init_AFVorMix_style();
    connect(m_grpAFVorMix, &QButtonGroup::idClicked, this,
            [this](int id) { m_on_btnGrp_AFVorMix_clicked(uint8_t(id)); });
}

void Sarnowe::init_connect()
{
    using namespace PanelWiring;
    onlyFun* f = controller();
    // The panel's flash slots on these keys were connected before the controller's.
    connectAudioKeys(ui, f);
    connectTbar(ui->verticalSlider_4, f);
    connectById(pgmGroup(), f, &onlyFun::m_on_btnGrp_PGM_clicked);
    connectById(pvwGroup(), f, &onlyFun::m_on_btnGrp_PVW_clicked);
    connectById(rateGroup(), f, &onlyFun::m_on_btnGrp_Rate_clicked);
    connectKey(ui->btn_ftb, f, &onlyFun::m_on_btn_ftb_clicked);
    connectKey(ui->btn_still, f, &onlyFun::m_on_btn_still_clicked);
    connectKey(ui->btn_F4, f, &onlyFun::m_on_btn_reso_clicked);
    connectFamilyAudioRows(ui, f, this, audioPage());
    connectById(m_grpAFVorMix, f, &onlyFun::m_on_btn_AFVorMIX_clicked);
    connectKey(ui->btn_mute, f, &onlyFun::m_on_btn_master_clicked);
    connectFamilyFunctions(ui, f, this, transitionsGroup(), functionGroup());
    connectFamilyEnd(ui, f, this);
}

void Sarnowe::init_record_fields()
{
    FamilyWindow::init_record_fields();
    // The on/off bytes of CH1 and CH2 are not shown; MASTER's is the MUTE key.
    recordFields().ch1On = nullptr;
    recordFields().ch2On = nullptr;
    recordFields().masterOn = [this](quint8 v) { set_MUTE_style(v); };
    recordFields().audioMode = [this](quint8 v) { setBtnAFVorMIXStyle(v); };
    recordTargets().readsHdr = true;
    recordTargets().menuShowsMic = true;
}

bool Sarnowe::readsRecStreamStatus() const { return DEV_CHILD_TYPE == 83; }

// ---- lamps ----------------------------------------------------------------

void Sarnowe::on_Style_btnMUTE(bool on) { kit().show(ui->btn_mute, on); }
void Sarnowe::on_Style_btnCH1_VOL_ADD(bool on) { kit().show(ui->btn_ch1_vol_add, on); }
void Sarnowe::on_Style_btnCH1_VOL_SUB(bool on) { kit().show(ui->btn_ch1_vol_sub, on); }
void Sarnowe::on_Style_btnCH2_VOL_ADD(bool on) { kit().show(ui->btn_ch2_vol_add, on); }
void Sarnowe::on_Style_btnCH2_VOL_SUB(bool on) { kit().show(ui->btn_ch2_vol_sub, on); }
void Sarnowe::on_Style_btnF4(bool on) { kit().show(ui->btn_F4, on); }

void Sarnowe::init_AFVorMix_style() { kit().resetRow(m_grpAFVorMix); }

// ---- device state ---------------------------------------------------------

void Sarnowe::m_on_btnGrp_AFVorMix_clicked(uint8_t id) { setBtnAFVorMIXStyle(id); }

void Sarnowe::setBtnAFVorMIXStyle(uint8_t mode)
{
    AudioModeKeys::show(mode, m_grpAFVorMix, [this](QWidget* k, bool on) { kit().show(k, on); },
                        {ui->btn_src1, ui->btn_src2});
}

// The device reports the master channel: off (0) is MUTE lit.
void Sarnowe::set_MUTE_style(uint8_t on)
{
    if (on > 1)
        return;
    m_muteOn = on == 0 ? 1 : 0;
    on_Style_btnMUTE(m_muteOn != 0);
}

// ---- operator keys --------------------------------------------------------

void Sarnowe::on_btn_mute_clicked() { kit().toggleLamp(m_muteOn, ui->btn_mute); }
void Sarnowe::on_btn_ch1_vol_sub_clicked() { kit().flash(this, ui->btn_ch1_vol_sub, kFlashShort); }
void Sarnowe::on_btn_ch1_vol_add_clicked() { kit().flash(this, ui->btn_ch1_vol_add, kFlashShort); }
void Sarnowe::on_btn_ch2_vol_sub_clicked() { kit().flash(this, ui->btn_ch2_vol_sub, kFlashShort); }
void Sarnowe::on_btn_ch2_vol_add_clicked() { kit().flash(this, ui->btn_ch2_vol_add, kFlashShort); }
void Sarnowe::on_btn_F4_clicked() { kit().flash(this, ui->btn_F4, kFlashReso); }
