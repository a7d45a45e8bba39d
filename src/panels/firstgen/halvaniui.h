#pragma once
// The six-input first-generation panel window: its group boxes at fixed
// places, the T-bar, CUT, AUTO, PIP, POP, IP and return keys. PIP and POP
// widen the window for their settings box. It sends, and reads nothing back.

#include "panel_faces.h"
#include "tbar_ends.h"

#include <QDialog>
#include <QString>

class AUDIO;
class Devlog;
class Druvela_workdata;
class PGM;
class PIP;
class POP;
class PVW;
class QLabel;
class QPushButton;
class QSlider;
class QTimer;
class Transitions;

class HalvaniUI : public QDialog, public TbarEnds
{
    Q_OBJECT
public:
    explicit HalvaniUI(QWidget* parent = nullptr);

    // The switcher's address and header bytes; nothing is sent.
    void DevTypeID(QString ip, uchar a, uchar b);

    // At most one of them is set.
    bool pipOn = false;
    bool popOn = false;

    const QString greyStyle;
    const QString greenStyle;

public slots:
    void setslider0(int v);
    void setslider1(int v);
    void setBtncut();
    void setTimercut();
    void setBtnAUTO();
    void setBtnPIP();
    void setBtnPOP();
    void setRightUIshow();
    void setRightUIclos();
    void setBtnip();
    void btnCutStyle(bool lit);
    void btnAutoStyle(bool lit);
    void btnPIPStyle(bool lit);
    void btnPOPStyle(bool lit);
    void setPGM_PVWCH();
    void Delay_MSec(uint ms);

private:
    // A key and its faces.
    struct LampKey {
        QPushButton* button = nullptr;
        PanelFaces::Face face;
        void show(bool on) const;
    };

    void init();
    void initUI1();
    void initUI2();
    // PIP and POP keys: the one pressed toggles; the other goes off unsent.
    void toggleBox(bool& on, bool& other, QWidget* box, QWidget* otherBox, void (Druvela_workdata::*send)(unsigned char),
                   LampKey& key);
    void setSeparatorSheet(const QString& sheet);

    QLabel* m_title = nullptr;
    QLabel* m_separator = nullptr;
    QSlider* m_tbar = nullptr;
    LampKey m_pip;
    LampKey m_pop;
    LampKey m_cut;
    LampKey m_auto;
    QPushButton* m_ip = nullptr;
    QPushButton* m_return = nullptr;
    Druvela_workdata* m_ws = nullptr;
    Devlog* m_devlog = nullptr;
    AUDIO* m_audio = nullptr;
    Transitions* m_transitions = nullptr;
    PGM* m_pgm = nullptr;
    PVW* m_pvw = nullptr;
    PIP* m_pipBox = nullptr;
    POP* m_popBox = nullptr;
    QTimer* m_cutTimer = nullptr;
};
