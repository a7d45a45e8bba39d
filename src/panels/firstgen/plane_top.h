#pragma once
// Title strip of the four-input first-generation panels: logo, model title,
// minimise, maximise and close.

#include "title_strip.h"

class Plane_Top : public FirstGenTitleStrip
{
    Q_OBJECT
public:
    Plane_Top(QWidget* parent, Druvela_workdata* ws);

    // The title for a found device's type (0x21, 0x22, 0x26); other types keep it.
    void setDev_Child_Type(int type);

signals:
    // The maximise key was clicked; carries the state from before the click.
    void on_signals_setWinmax(bool maximised);
    void on_signals_setWinmin();
    void setWinmaxSignals();
    void setWinminSignals();

public slots:
    void on_btnclicked_max();
    void on_btnclicked_min();
    void on_btnclicked_max_forSarnowe();
    void on_btnclicked_min_forSarnowe();

private:
    void initPlan1();
    void initPlan2();

    QLabel* m_title = nullptr;
    bool maxState = false;
};
