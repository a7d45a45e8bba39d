#pragma once
// Wiring the edition panels share: their forms give these keys the same
// object names, and each key reaches the same controller operation.

#include "onlyfun.h"

#include <QPushButton>
#include <QSlider>

namespace PanelWiring {

// The switcher's menu keys: one command on press, one on release.
template <class Form>
void connectMenuKeys(Form* ui, onlyFun* f)
{
    QObject::connect(ui->btn_menu, &QPushButton::pressed, f, &onlyFun::on_btnclicked_Menu_Pressed);
    QObject::connect(ui->btn_menu, &QPushButton::released, f, &onlyFun::on_btnclicked_Menu_Released);
    QObject::connect(ui->btn_up, &QPushButton::pressed, f, &onlyFun::on_btnclicked_MenuUP_Pressed);
    QObject::connect(ui->btn_up, &QPushButton::released, f, &onlyFun::on_btnclicked_MenuUP_Released);
    QObject::connect(ui->btn_down, &QPushButton::pressed, f, &onlyFun::on_btnclicked_MenuDOWN_Pressed);
    QObject::connect(ui->btn_down, &QPushButton::released, f, &onlyFun::on_btnclicked_MenuDOWN_Released);
    QObject::connect(ui->btn_left, &QPushButton::pressed, f, &onlyFun::on_btnclicked_MenuLEFT_Pressed);
    QObject::connect(ui->btn_left, &QPushButton::released, f, &onlyFun::on_btnclicked_MenuLEFT_Released);
    QObject::connect(ui->btn_right, &QPushButton::pressed, f, &onlyFun::on_btnclicked_MenuRIGHT_Pressed);
    QObject::connect(ui->btn_right, &QPushButton::released, f, &onlyFun::on_btnclicked_MenuRIGHT_Released);
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
    QObject::connect(ui->verticalSlider_1, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_1_valueChanged);
    QObject::connect(ui->verticalSlider_2, &QSlider::valueChanged, f, &onlyFun::m_on_verticalSlider_2_valueChanged);
    QObject::connect(ui->verticalSlider_master, &QSlider::valueChanged, f,
                     &onlyFun::m_on_verticalSlider_master_valueChanged);
    QSlider* fader1 = ui->verticalSlider_1;
    QSlider* fader2 = ui->verticalSlider_2;
    QObject::connect(f, &onlyFun::setSlider1Vol, fader1, [fader1](uint8_t v) { fader1->setValue(v); });
    QObject::connect(f, &onlyFun::setSlider2Vol, fader2, [fader2](uint8_t v) { fader2->setValue(v); });
}

} // namespace PanelWiring
