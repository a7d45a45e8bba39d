#pragma once
// Wiring the panels share: their forms give these keys the same object
// names, and each key reaches the same controller operation.

#include "audio_page.h"
#include "onlyfun.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPushButton>
#include <QSlider>

#include <type_traits>
#include <utility>

namespace PanelWiring {

// Forms with a third audio channel: its fader, and its on/off and source keys.
template <class Form, class = void>
struct HasThirdFader : std::false_type {};
template <class Form>
struct HasThirdFader<Form, std::void_t<decltype(std::declval<Form&>().verticalSlider_3)>> : std::true_type {};
template <class Form, class = void>
struct HasThirdChannel : std::false_type {};
template <class Form>
struct HasThirdChannel<Form, std::void_t<decltype(std::declval<Form&>().btn_ch3)>> : std::true_type {};
// Forms with the recorder and stream keys.
template <class Form, class = void>
struct HasRecorder : std::false_type {};
template <class Form>
struct HasRecorder<Form, std::void_t<decltype(std::declval<Form&>().btn_rec)>> : std::true_type {};

// A key's click to one controller operation.
inline void connectKey(QAbstractButton* key, onlyFun* f, void (onlyFun::*op)())
{
    QObject::connect(key, &QAbstractButton::clicked, f, op);
}

// A button group's clicked id, narrowed to a byte, to one controller operation.
inline void connectById(QButtonGroup* group, onlyFun* f, void (onlyFun::*op)(uchar))
{
    QObject::connect(group, &QButtonGroup::idClicked, f, [f, op](int id) { (f->*op)(uchar(id)); });
}

// A key that sends one command on press and another on release.
inline void connectPressRelease(QAbstractButton* key, onlyFun* f, void (onlyFun::*press)(),
                                void (onlyFun::*release)())
{
    QObject::connect(key, &QAbstractButton::pressed, f, press);
    QObject::connect(key, &QAbstractButton::released, f, release);
}

// The switcher's menu keys: one command on press, one on release.
template <class Form>
void connectMenuKeys(Form* ui, onlyFun* f)
{
    connectPressRelease(ui->btn_menu, f, &onlyFun::on_btnclicked_Menu_Pressed, &onlyFun::on_btnclicked_Menu_Released);
    connectPressRelease(ui->btn_up, f, &onlyFun::on_btnclicked_MenuUP_Pressed, &onlyFun::on_btnclicked_MenuUP_Released);
    connectPressRelease(ui->btn_down, f, &onlyFun::on_btnclicked_MenuDOWN_Pressed,
                        &onlyFun::on_btnclicked_MenuDOWN_Released);
    connectPressRelease(ui->btn_left, f, &onlyFun::on_btnclicked_MenuLEFT_Pressed,
                        &onlyFun::on_btnclicked_MenuLEFT_Released);
    connectPressRelease(ui->btn_right, f, &onlyFun::on_btnclicked_MenuRIGHT_Pressed,
                        &onlyFun::on_btnclicked_MenuRIGHT_Released);
}

// The audio faders (CH1, CH2, CH3 where the form has it, MASTER); the
// controller sends nothing while a reply moves them.
template <class Form>
void connectFaders(Form* ui, onlyFun* f)
{
    QObject::connect(ui->verticalSlider_1, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_1_valueChanged);
    QObject::connect(ui->verticalSlider_2, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_2_valueChanged);
    if constexpr (HasThirdFader<Form>::value)
        QObject::connect(ui->verticalSlider_3, &QSlider::valueChanged, f,
                         &onlyFun::m_on_verticalSlider_3_valueChanged);
    QObject::connect(ui->verticalSlider_master, &QSlider::valueChanged, f,
                     &onlyFun::m_on_verticalSlider_master_valueChanged);
}

// The T-bar on every value change; a reply moves it under the device-state guard, which sends nothing.
inline void connectTbar(QSlider* tbar, onlyFun* f)
{
    QObject::connect(tbar, &QSlider::valueChanged, f, &onlyFun::setslider0);
}

// While the operator strokes the T-bar, AUTO shows red and CUT and AUTO are
// locked. The handler runs directly inside the controller's emission; it lives
// as long as context does.
template <class Panel, class Lamp>
void connectAutoLock(onlyFun* f, QObject* context, Panel* panel, Lamp autoLamp, QAbstractButton* cut,
                     QAbstractButton* autoKey)
{
    QObject::connect(f, &onlyFun::m_on_Style_btnAuto, context, [panel, autoLamp, cut, autoKey](bool moving) {
        (panel->*autoLamp)(moving);
        cut->setEnabled(!moving);
        autoKey->setEnabled(!moving);
    }, Qt::DirectConnection);
}

// The four reply signals to the panel's decoders, and the end of the run forwarded.
template <class Panel>
void connectReplies(onlyFun* f, Panel* panel)
{
    QObject::connect(f, &onlyFun::getDateSignals, panel, &Panel::getDate);
    QObject::connect(f, &onlyFun::getTXSliderDateSignals, panel, &Panel::getTXSliderDate);
    QObject::connect(f, &onlyFun::getPOPWinStateSignals, panel, &Panel::getPOPWinState);
    QObject::connect(f, &onlyFun::getDevVersionStateSignals, panel, &Panel::getDevVersionState);
    QObject::connect(f, &onlyFun::ExitSignals, panel, &Panel::ExitSignals);
}

// The audio block: channel-source and volume keys, the three faders, and the
// faders following the controller's volume steps. A panel that flashes these
// keys connects its own slots before calling this.
template <class Form>
void connectAudioKeys(Form* ui, onlyFun* f)
{
    QObject::connect(ui->btn_src1, &QPushButton::clicked, f, &onlyFun::m_on_btn_src1_clicked);
    QObject::connect(ui->btn_src2, &QPushButton::clicked, f, &onlyFun::m_on_btn_src2_clicked);
    QObject::connect(ui->btn_ch1_vol_add, &QPushButton::clicked, f, &onlyFun::m_on_btn_ch1_vol_add_clicked);
    QObject::connect(ui->btn_ch1_vol_sub, &QPushButton::clicked, f, &onlyFun::m_on_btn_ch1_vol_sub_clicked);
    QObject::connect(ui->btn_ch2_vol_add, &QPushButton::clicked, f, &onlyFun::m_on_btn_ch2_vol_add_clicked);
    QObject::connect(ui->btn_ch2_vol_sub, &QPushButton::clicked, f, &onlyFun::m_on_btn_ch2_vol_sub_clicked);
    connectFaders(ui, f);
    QSlider* fader1 = ui->verticalSlider_1;
    QSlider* fader2 = ui->verticalSlider_2;
    QObject::connect(f, &onlyFun::setSlider1Vol, fader1, [fader1](uint8_t v) { fader1->setValue(v); });
    QObject::connect(f, &onlyFun::setSlider2Vol, fader2, [fader2](uint8_t v) { fader2->setValue(v); });
}

// ---- the model panels' rows, block by block, in their shared order ----------
// A panel calls the blocks in this order and adds its own rows between them.

// Faders, T-bar, the PGM, PVW and rate groups.
template <class Form>
void connectFamilyBuses(Form* ui, onlyFun* f, QButtonGroup* pgm, QButtonGroup* pvw, QButtonGroup* rate)
{
    connectFaders(ui, f);
    connectTbar(ui->verticalSlider_4, f);
    connectById(pgm, f, &onlyFun::m_on_btnGrp_PGM_clicked);
    connectById(pvw, f, &onlyFun::m_on_btnGrp_PVW_clicked);
    connectById(rate, f, &onlyFun::m_on_btnGrp_Rate_clicked);
}

// The channel on/off and source keys, AFV/MIX and its answer.
template <class Form, class Panel>
void connectFamilyChannels(Form* ui, onlyFun* f, Panel* panel)
{
    connectKey(ui->btn_ch1, f, &onlyFun::m_on_btn_ch1_clicked);
    connectKey(ui->btn_ch2, f, &onlyFun::m_on_btn_ch2_clicked);
    if constexpr (HasThirdChannel<Form>::value)
        connectKey(ui->btn_ch3, f, &onlyFun::m_on_btn_ch3_clicked);
    connectKey(ui->btn_master, f, &onlyFun::m_on_btn_master_clicked);
    connectKey(ui->btn_src1, f, &onlyFun::m_on_btn_src1_clicked);
    connectKey(ui->btn_src2, f, &onlyFun::m_on_btn_src2_clicked);
    if constexpr (HasThirdChannel<Form>::value)
        connectKey(ui->btn_src3, f, &onlyFun::m_on_btn_src3_clicked);
    connectKey(ui->btn_afv_mix, f, &onlyFun::m_on_btn_afv_mix_clicked);
    QObject::connect(f, &onlyFun::AFV_MIX_Enable_Signals, panel, &Panel::set_AFVorMIX_Enable);
}

// FTB, STILL (the still command without data unless the panel names another),
// then the channel keys.
template <class Form, class Panel>
void connectFamilyAudio(Form* ui, onlyFun* f, Panel* panel,
                        void (onlyFun::*still)() = &onlyFun::m_on_btn_still_clicked)
{
    connectKey(ui->btn_ftb, f, &onlyFun::m_on_btn_ftb_clicked);
    connectKey(ui->btn_still, f, still);
    connectFamilyChannels(ui, f, panel);
}

// The recorder and stream keys.
template <class Form>
void connectRecorderKeys(Form* ui, onlyFun* f)
{
    connectKey(ui->btn_rec, f, &onlyFun::m_on_btn_rec_clicked);
    connectKey(ui->btn_pause, f, &onlyFun::m_on_btn_pause_clicked);
    connectKey(ui->btn_stream, f, &onlyFun::m_on_btn_stream_clicked);
}

// The controller's recorder, pause and stream states to their lamps.
template <class Panel>
void connectRecorderLamps(onlyFun* f, Panel* panel)
{
    QObject::connect(f, &onlyFun::m_on_Style_btnRec_Signals, panel, &Panel::set_Rec_Enable);
    QObject::connect(f, &onlyFun::m_on_Style_btnPause_Signals, panel, &Panel::on_Style_btnPause);
    QObject::connect(f, &onlyFun::m_on_Style_btnStream_Signals, panel, &Panel::on_Style_btnStream);
}

// The transitions and the function row, each with the controller's answer.
template <class Panel>
void connectFamilyTransitions(onlyFun* f, Panel* panel, QButtonGroup* transitions, QButtonGroup* functions)
{
    connectById(transitions, f, &onlyFun::m_on_btnGrp_TRANSITONS_clicked);
    QObject::connect(f, &onlyFun::Send_ICON_CURRENT_INDEX, panel, &Panel::set_TRANSITONS_Style);
    QObject::connect(f, &onlyFun::Send_Trans_Style, panel, &Panel::set_Trans_Style);
    connectById(functions, f, &onlyFun::m_on_btnGrp_Function_clicked);
    QObject::connect(f, &onlyFun::set_Function_EnableSignals, panel, &Panel::set_Function_Enable);
}

// Recorder and stream keys and their lamps (on a form that has them), the
// transitions, the function row, each with the controller's answer.
template <class Form, class Panel>
void connectFamilyFunctions(Form* ui, onlyFun* f, Panel* panel, QButtonGroup* transitions, QButtonGroup* functions)
{
    if constexpr (HasRecorder<Form>::value) {
        connectRecorderKeys(ui, f);
        connectRecorderLamps(f, panel);
    }
    connectFamilyTransitions(f, panel, transitions, functions);
}

// The camera menu and its answer, the camera group, zoom.
template <class Form, class Panel>
void connectFamilyCamera(Form* ui, onlyFun* f, Panel* panel, QButtonGroup* cameras)
{
    QObject::connect(f, &onlyFun::set_CAMMENU_StyleSignals, panel, &Panel::set_CAMMENU_Style);
    connectKey(ui->btn_cam_meun, f, &onlyFun::m_on_btn_cam_meun_clicked);
    connectById(cameras, f, &onlyFun::m_on_btnGrp_Cam_clicked);
    connectPressRelease(ui->btn_z_add, f, &onlyFun::m_on_btn_z_add_pressed, &onlyFun::m_on_btn_z_add_released);
    connectPressRelease(ui->btn_z_sub, f, &onlyFun::m_on_btn_z_sub_pressed, &onlyFun::m_on_btn_z_sub_released);
}

// LINE CFG and MIC CFG to the controller, and the panel's choice of row to the audio window.
template <class Form, class Panel>
void connectFamilyAudioRows(Form* ui, onlyFun* f, Panel* panel, AUDIO_PAGE* audio)
{
    connectKey(ui->btn_lnge_cfg, f, &onlyFun::m_on_btn_lnge_cfg_clicked);
    connectKey(ui->btn_mic_cfg, f, &onlyFun::m_on_btn_mic_cfg_clicked);
    QObject::connect(panel, &Panel::show_lnge_cfg, audio, &AUDIO_PAGE::show_lnge_cfg_slots);
    QObject::connect(panel, &Panel::show_mic_cfg, audio, &AUDIO_PAGE::show_mic_cfg_slots);
}

// Whether a manual T-bar stroke locks CUT and AUTO, or only lights AUTO.
enum class AutoLamp { LocksCutAndAuto, Alone };

// AUTO with its lamp, and CUT.
template <class Form, class Panel>
void connectFamilyAutoCut(Form* ui, onlyFun* f, Panel* panel, AutoLamp lamp = AutoLamp::LocksCutAndAuto)
{
    connectKey(ui->btn_auto, f, &onlyFun::m_on_btnAuto_clicked);
    if (lamp == AutoLamp::LocksCutAndAuto)
        connectAutoLock(f, f, panel, &Panel::on_Style_btnAuto, ui->btn_cut, ui->btn_auto);
    else
        QObject::connect(f, &onlyFun::m_on_Style_btnAuto, panel, &Panel::on_Style_btnAuto);
    connectKey(ui->btn_cut, f, &onlyFun::m_on_btnCut_clicked);
}

// AUTO with its lamp, CUT, the replies and the end of the run.
template <class Form, class Panel>
void connectFamilyEnd(Form* ui, onlyFun* f, Panel* panel, AutoLamp lamp = AutoLamp::LocksCutAndAuto)
{
    connectFamilyAutoCut(ui, f, panel, lamp);
    connectReplies(f, panel);
}

} // namespace PanelWiring
