#pragma once
// The Halvani panel's audio box: audio mode (AFV "Follow" or MIX "Mixing"),
// the sources and volumes of CH1 and CH2, and the program output resolution.
// It reads nothing back: what it shows is what the operator chose last.

#include "panel_faces.h"

#include <QGroupBox>

class Druvela_workdata;
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

class AUDIO : public QGroupBox
{
    Q_OBJECT
public:
    AUDIO(QWidget* parent, Druvela_workdata* ws);

    // Shows mode 0 (Follow) or 1 (Mixing) without sending; other values change nothing.
    void setStyle(int mode);
    void setbtnStyle_AFV(bool lit);
    void setbtnStyle_MIX(bool lit);

public slots:
    void on_btnGrp_clicked(int index);
    void setboxch1(int index);
    void setboxch2(int index);
    void setboxch1_vol(int value);
    void setboxch2_vol(int value);
    void setboxPGM_OUT(int index);

private:
    void init();
    // Sends the volume while the channel has a source, warns otherwise.
    void sendVolume(const QComboBox* source, unsigned char channel, int value, const QString& warning);

    Druvela_workdata* m_ws = nullptr;
    QButtonGroup* m_btnGrp = nullptr;
    QPushButton* m_afv = nullptr;
    QPushButton* m_mix = nullptr;
    PanelFaces::Face m_afvFace;
    PanelFaces::Face m_mixFace;
    QLabel* m_ch1Label = nullptr;
    QLabel* m_ch2Label = nullptr;
    QComboBox* m_ch1 = nullptr;
    QComboBox* m_ch2 = nullptr;
    QSpinBox* m_ch1Vol = nullptr;
    QSpinBox* m_ch2Vol = nullptr;
    QPushButton* m_mode = nullptr;
    QComboBox* m_pgmOut = nullptr;
};
