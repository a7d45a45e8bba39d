#pragma once
// Wiring the panels share: their forms give these keys the same object
// names, and each key reaches the same controller operation.

#include "onlyfun.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QSlider>

namespace PanelWiring {

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

// The three audio faders; the controller sends nothing while a reply moves them.
template <class Form>
void connectFaders(Form* ui, onlyFun* f)
{
    QObject::connect(ui->verticalSlider_1, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_1_valueChanged);
    QObject::connect(ui->verticalSlider_2, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_2_valueChanged);
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
template <class Panel>
void connectAutoLock(onlyFun* f, QObject* context, Panel* panel, void (Panel::*autoLamp)(bool),
                     QAbstractButton* cut, QAbstractButton* autoKey)
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

} // namespace PanelWiring
