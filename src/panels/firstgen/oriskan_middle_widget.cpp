#include "oriskan_middle_widget.h"

#include "druvela_workdata.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

constexpr uint8_t kMenuUp = 65;
constexpr uint8_t kMenu = 107;
constexpr uint8_t kMenuDown = 66;

} // namespace

Oriskan_Middle_widget::Oriskan_Middle_widget(QWidget* parent, Druvela_workdata* ws)
    : FirstGenMiddleStrip(parent, ws)
{
    initlayout(QMargins(50, 10, 50, 20));
    auto* menu = new QGroupBox;
    menu->setStyleSheet(QStringLiteral("border:0px"));
    init_Menu(menu);
    m_groups->addWidget(menu, 1);
    connectControls();
}

void Oriskan_Middle_widget::init_Menu(QGroupBox* box)
{
    m_menuUp = makeKey("btn_menu_up", 50, QStringLiteral("MENU_UP.bmp"), QStringLiteral("MENU_UP.bmp"));
    m_menu = makeKey("btn_menu", 50, QStringLiteral("MENU.bmp"), QStringLiteral("MENU.bmp"));
    m_menuDown = makeKey("btn_menu_down", 50, QStringLiteral("MENU_DOWN.bmp"), QStringLiteral("MENU_DOWN.bmp"));
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const Key* k : {&m_menuUp, &m_menu, &m_menuDown}) {
        QFont f = k->button->font();
        f.setPointSize(15);
        k->button->setFont(f);
        grid->addWidget(k->button, row++, 1);
    }
    connect(m_menuUp.button, &QPushButton::pressed, this, &Oriskan_Middle_widget::on_btnclicked_MenuUP_Pressed);
    connect(m_menuUp.button, &QPushButton::released, this, &Oriskan_Middle_widget::on_btnclicked_MenuUP_Released);
    connect(m_menu.button, &QPushButton::pressed, this, &Oriskan_Middle_widget::on_btnclicked_Menu_Pressed);
    connect(m_menu.button, &QPushButton::released, this, &Oriskan_Middle_widget::on_btnclicked_Menu_Released);
    connect(m_menuDown.button, &QPushButton::pressed, this, &Oriskan_Middle_widget::on_btnclicked_MenuDOWN_Pressed);
    connect(m_menuDown.button, &QPushButton::released, this, &Oriskan_Middle_widget::on_btnclicked_MenuDOWN_Released);
}

// A key is lit exactly while it is held; the switcher sees the press and the release.
void Oriskan_Middle_widget::menuKey(const Key& key, uint8_t code, bool pressed)
{
    key.show(pressed);
    m_ws->SendCMDMenu(code, pressed ? 1 : 0);
}

void Oriskan_Middle_widget::on_btnclicked_MenuUP_Pressed() { menuKey(m_menuUp, kMenuUp, true); }
void Oriskan_Middle_widget::on_btnclicked_MenuUP_Released() { menuKey(m_menuUp, kMenuUp, false); }
void Oriskan_Middle_widget::on_btnclicked_Menu_Pressed() { menuKey(m_menu, kMenu, true); }
void Oriskan_Middle_widget::on_btnclicked_Menu_Released() { menuKey(m_menu, kMenu, false); }
void Oriskan_Middle_widget::on_btnclicked_MenuDOWN_Pressed() { menuKey(m_menuDown, kMenuDown, true); }
void Oriskan_Middle_widget::on_btnclicked_MenuDOWN_Released() { menuKey(m_menuDown, kMenuDown, false); }
