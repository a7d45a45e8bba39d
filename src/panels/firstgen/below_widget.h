#pragma once
// The bus rows of the four-input first-generation panels: PGM and PVW (inputs
// 1..4 and BAR, code 9), the three RATE keys, CUT and AUTO. Each key lights its
// lamp and sends one command; the panel's decoder sets the same lamps.

#include "panel_faces.h"

#include <QWidget>

#include <cstdint>
#include <vector>

class Druvela_workdata;
class QButtonGroup;
class QGroupBox;
class QPushButton;
class QTimer;

class Below_Widget : public QWidget
{
    Q_OBJECT
public:
    Below_Widget(QWidget* parent, Druvela_workdata* ws);

    // While set, CUT and AUTO leave the lamps where they are.
    bool pipOnFlag = false;

    uchar BtnPGMstate() const { return pgmState; }
    uchar BtnPVWstate() const { return pvwState; }

    // Row unlit, then 1..4 or 9 lit; any code becomes the row's state.
    void set_PGMCH_Style(uchar ch);
    void set_PVWCH_Style(uchar ch);
    // All unlit, then 0..2 lit.
    void set_Rate_Style(uchar r);
    void on_Style_btnCut(bool lit);
    void on_Style_btnAuto(bool lit);

    void init_btnPGMStyle();
    void init_btnPVWStyle();
    void init_btnRateStyle();
    void on_Style_btnpgm1_red() { lightKey(m_pgm, 0); }
    void on_Style_btnpgm2_red() { lightKey(m_pgm, 1); }
    void on_Style_btnpgm3_red() { lightKey(m_pgm, 2); }
    void on_Style_btnpgm4_red() { lightKey(m_pgm, 3); }
    void on_Style_btnpgmbar_red() { lightKey(m_pgm, 4); }
    void on_Style_btnpvw1_green() { lightKey(m_pvw, 0); }
    void on_Style_btnpvw2_green() { lightKey(m_pvw, 1); }
    void on_Style_btnpvw3_green() { lightKey(m_pvw, 2); }
    void on_Style_btnpvw4_green() { lightKey(m_pvw, 3); }
    void on_Style_btnpvwbar_green() { lightKey(m_pvw, 4); }
    void on_Style_btnRate1_green() { lightKey(m_rate, 0); }
    void on_Style_btnRate2_green() { lightKey(m_rate, 1); }
    void on_Style_btnRate3_green() { lightKey(m_rate, 2); }

    // Waits with events running.
    void Delay_MSec(uint ms);

signals:
    // Declared for the panel; this strip emits neither.
    void on_get_slider_vol();
    void on_slider_auto_vol(uint8_t value);

public slots:
    void on_btnGrp_PGM_clicked(uchar id);
    void on_btnGrp_PVW_clicked(uchar id);
    void on_btnGrp_Rate_clicked(uchar id);
    void on_btnCut_clicked();
    void on_btnAuto_clicked();
    void on_Time_cut();

private:
    struct Key {
        QPushButton* button;
        PanelFaces::Face face;
    };
    using Row = std::vector<Key>;

    void initlayout();
    void initPGM_PVWCH();
    void init_Toggle_key();
    QGroupBox* busRow(Row& row, QButtonGroup*& group, const char* name, bool program);
    // Every key of the row shown once: the one at index lit lit, the others unlit.
    static void showRow(const Row& row, int lit);
    static void lightKey(const Row& row, std::size_t index);
    // PGM from the former PVW and the other way round.
    void swapRows();

    Druvela_workdata* m_ws = nullptr;
    uchar pgmState = 0;
    uchar pvwState = 0;
    Row m_pgm;
    Row m_pvw;
    Row m_rate;
    Key m_cut{};
    Key m_auto{};
    QButtonGroup* m_pgmGroup = nullptr;
    QButtonGroup* m_pvwGroup = nullptr;
    QButtonGroup* m_rateGroup = nullptr;
    QTimer* m_cutTimer = nullptr;
};
