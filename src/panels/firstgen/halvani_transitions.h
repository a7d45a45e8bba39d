#pragma once
// The Halvani panel's transition box: MIX, FADE and the four wipes. A click
// lights the chosen key and sends the transition type; nothing is read back.

#include "panel_faces.h"

#include <QGroupBox>

#include <cstdint>

class Druvela_workdata;
class QButtonGroup;
class QPushButton;

class Transitions : public QGroupBox
{
    Q_OBJECT
public:
    Transitions(QWidget* parent, Druvela_workdata* ws);

    void setbtnStyle_MIX(bool lit) { showKey(1, lit); }
    void setbtnStyle_FADE(bool lit) { showKey(2, lit); }
    void setbtnStyle_Up(bool lit) { showKey(3, lit); }
    void setbtnStyle_Down(bool lit) { showKey(4, lit); }
    void setbtntStyle_Lef(bool lit) { showKey(5, lit); }
    void setbtnStyle_Right(bool lit) { showKey(6, lit); }
    void initbtnStyle();

public slots:
    void on_btnGrp_clicked(uint8_t index);

private:
    void init();
    // Key id 1..6.
    void showKey(int id, bool lit);

    struct Key {
        QPushButton* button = nullptr;
        PanelFaces::Face face;
    };

    Druvela_workdata* m_ws = nullptr;
    QButtonGroup* m_btnGrp = nullptr;
    Key m_keys[6];  // ids 1..6
};
