#pragma once
// The Halvani panel's bus rows: six inputs on program (PGM, red lamps) and on
// preview (PVW, green lamps). A click lights the input and sends it; the panel
// swaps the two rows' lamps after a transition, which sends nothing.

#include "panel_faces.h"

#include <QGroupBox>

#include <cstdint>

class Druvela_workdata;
class QButtonGroup;
class QPushButton;

// What PGM and PVW share; they differ in placement, lamp colour and command.
class HalvaniBusRow : public QGroupBox
{
    Q_OBJECT
public:
    // Shows channel 1..6 (any other value lights nothing) and keeps it as the
    // current channel, whatever its value; sends nothing.
    void setStyle(unsigned char ch);
    void initbtnStyle();

public slots:
    void on_btnGrp_clicked(uint8_t index);

protected:
    struct Row {
        const char* name;  // "PGM" or "PVW", also the keys' "btn_pgm_n" / "btn_pvw_n"
        int keyY;
        int titleY;
        int ruleY;
        const char* litFolder;
        const char* litFrame;
        void (Druvela_workdata::*send)(unsigned char);
    };

    HalvaniBusRow(QWidget* parent, Druvela_workdata* ws, const Row& row);

    // Light key 1..6.
    void lightKey(int n);
    unsigned char current() const { return m_current; }

private:
    struct Key {
        QPushButton* button = nullptr;
        PanelFaces::Face face;
    };

    Druvela_workdata* m_ws = nullptr;
    void (Druvela_workdata::*m_send)(unsigned char) = nullptr;
    QButtonGroup* m_btnGrp = nullptr;
    Key m_keys[6];
    // Starts at 0, which no key stands for: the all-unlit start.
    unsigned char m_current = 0;
};

class PGM : public HalvaniBusRow
{
    Q_OBJECT
public:
    PGM(QWidget* parent, Druvela_workdata* ws);

    void setPGMCHstate(unsigned char ch) { setStyle(ch); }
    unsigned char BtnPGMstate() const { return current(); }
    void setbtnStyle_red1() { lightKey(1); }
    void setbtnStyle_red2() { lightKey(2); }
    void setbtnStyle_red3() { lightKey(3); }
    void setbtnStyle_red4() { lightKey(4); }
    void setbtnStyle_red5() { lightKey(5); }
    void setbtnStyle_red6() { lightKey(6); }
};

class PVW : public HalvaniBusRow
{
    Q_OBJECT
public:
    PVW(QWidget* parent, Druvela_workdata* ws);

    void setPVWCHstate(unsigned char ch) { setStyle(ch); }
    unsigned char BtnPVWstate() const { return current(); }
    void setbtnStyle_green1() { lightKey(1); }
    void setbtnStyle_green2() { lightKey(2); }
    void setbtnStyle_green3() { lightKey(3); }
    void setbtnStyle_green4() { lightKey(4); }
    void setbtnStyle_green5() { lightKey(5); }
    void setbtnStyle_green6() { lightKey(6); }
};
