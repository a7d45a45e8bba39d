#pragma once
// Middle strip of the Oriskan panel: the Tesmond strip with a group of three
// menu keys (MENU_UP, MENU, MENU_DOWN) at its right end. A key is lit while it
// is held; its press and its release each send one menu command.

#include "middle_strip.h"

class Oriskan_Middle_widget : public FirstGenMiddleStrip
{
    Q_OBJECT
public:
    Oriskan_Middle_widget(QWidget* parent, Druvela_workdata* ws);

    void on_Style_btnMenuUP(bool lit) { m_menuUp.show(lit); }
    void on_Style_btnMenu(bool lit) { m_menu.show(lit); }
    void on_Style_btnMenuDown(bool lit) { m_menuDown.show(lit); }

public slots:
    void on_btnclicked_MenuUP_Pressed();
    void on_btnclicked_MenuUP_Released();
    void on_btnclicked_Menu_Pressed();
    void on_btnclicked_Menu_Released();
    void on_btnclicked_MenuDOWN_Pressed();
    void on_btnclicked_MenuDOWN_Released();

private:
    void init_Menu(QGroupBox* box);
    void menuKey(const Key& key, uint8_t code, bool pressed);

    Key m_menuUp, m_menu, m_menuDown;
};
