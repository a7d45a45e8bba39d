#pragma once
// The middle strip the Tesmond and Oriskan panels share: the AUDIO group
// (audio mode, sources and volumes of CH1 and CH2), the TRANSITIONS group (MIX,
// FADE, four wipes) and the FUNC group (PIP, STILL). Middle_widget is this
// strip; Oriskan_Middle_widget adds a menu group.
//
// A status setter shows what the switcher reports without sending it back:
// the boxes change under a signal blocker. What the operator does sends.

#include "panel_faces.h"

#include <QMargins>
#include <QWidget>

#include <cstdint>

class Druvela_workdata;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QPushButton;
class QSpinBox;

class FirstGenMiddleStrip : public QWidget
{
    Q_OBJECT
public:
    // PIP is on (1) or off (0); the panel reads it when it resizes.
    uint8_t pipState = 0;

    // Status setters (one record byte each).
    void set_AFVorMIX_Style(uint8_t mode);
    void set_CH1_Style(uint8_t code);
    void set_CH1VOL_Style(uint8_t volume);
    void set_CH2_Style(uint8_t code);
    void set_CH2VOL_Style(uint8_t volume);
    void set_Trans_Style(uint8_t mode, uint8_t direction);
    void set_Wipe_Style(uint8_t direction);
    void set_PIP_Style(uint8_t state);
    void set_Stll_Style(uint8_t state);

    // Looks.
    void on_Style_btnAFV(bool lit);
    void on_Style_btnMIX(bool lit);
    void on_Style_btnPIP(bool lit);
    void on_Style_btnSTILL(bool lit);
    void init_Style_btnTRANSI();
    void on_Style_btnMIX_green() { lightTransition(1); }
    void on_Style_btnFADE_green() { lightTransition(2); }
    void on_Style_btnUp_green() { lightTransition(3); }
    void on_Style_btnDown_green() { lightTransition(4); }
    void on_Style_btnLeft_green() { lightTransition(5); }
    void on_Style_btnRight_green() { lightTransition(6); }

signals:
    void on_Singnale_btnPIP(bool checked);

public slots:
    void on_btnclicked_AFV();
    void on_btnclicked_MIX();
    void on_Coboxch1_IndexChanged(int idx);
    void on_Coboxch2_IndexChanged(int idx);
    void on_SpinBoxch1_valueChanged(uint8_t value);
    void on_SpinBoxch2_valueChanged(uint8_t value);
    void on_btnGrp_clicked(uint8_t id);
    void on_btnclicked_PIP();
    void on_btnclicked_STILL();

protected:
    struct Key {
        QPushButton* button = nullptr;
        PanelFaces::Face face;
        void show(bool lit) const;
    };

    FirstGenMiddleStrip(QWidget* parent, Druvela_workdata* ws);

    // The three groups in a row with these margins (spacing 80).
    void initlayout(const QMargins& margins);
    // The operator's connections, made once the start values stand.
    void connectControls();
    // A key of this strip's look (white unlitFile, green litFile), side x side.
    static Key makeKey(const char* objectName, int side, const QString& unlitFile, const QString& litFile);

    Druvela_workdata* m_ws = nullptr;
    QHBoxLayout* m_groups = nullptr;

private:
    void init_AUDIO(QGroupBox* box);
    void init_TRANSITIONS(QGroupBox* box);
    void init_FUNCTIONS(QGroupBox* box);
    void lightTransition(int id);
    void showTransitions(int lit);
    // Source-box position for a reported source code, or -1.
    static int sourcePosition(uint8_t code);
    void volumeChanged(QComboBox* source, int channel, uint8_t value, const char* warning);
    void showAudioMode(bool mix);

    Key m_afv, m_mix, m_pip, m_still;
    Key m_transitions[6];  // ids 1..6
    QButtonGroup* m_transGroup = nullptr;
    QComboBox* m_src1 = nullptr;
    QComboBox* m_src2 = nullptr;
    QSpinBox* m_vol1 = nullptr;
    QSpinBox* m_vol2 = nullptr;
    uint8_t stillState = 0;
};
