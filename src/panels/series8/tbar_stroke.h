#pragma once
// The series-8 T-bar: a stroke up reports (1, value) and (1, 128) at the top,
// a stroke down reports (0, distance from the top) and (0, 128), (1, 0) at the
// bottom; the row lamps swap once at each end. AUTO runs the same stroke by
// itself, one step a millisecond, over a length set by the transition rate.

#include <functional>

class Druvela_workdata;
class QObject;
class QSlider;

class TbarStroke
{
public:
    // swapRows swaps the panel's row lamps; autoLamp lights or unlights AUTO.
    // autoLampLit is the panel class's one flag for the AUTO lamp.
    TbarStroke(QSlider* bar, Druvela_workdata* link, bool& autoLampLit, std::function<void()> swapRows,
               std::function<void(bool)> autoLamp);

    // The bar's value changed (by the operator or a run).
    void setslider0(int v);
    // The stroke down.
    void setslider1(int v);
    // The AUTO key. Ignored with the bar between its ends, and during a run:
    // a nested run would end the outer one's guard, which would then walk
    // the bar back sending T-bar frames. owner is the panel; it may be
    // deleted during the run, which then ends at once.
    void autoPress(QObject* owner, int rateIndex);

    // The run length of a rate; a rate outside 0..2 takes rate 0's.
    static int autoEnd(int rateIndex);

    bool tbarReverse = false;
    bool swappedAtTop = false;
    bool swappedAtBottom = false;
    bool autoRunning = false;

private:
    // Steps the bar to the other end, a millisecond a step; false when the owner went.
    bool btnAuto_and_slider(QObject* owner, int rateIndex);

    QSlider* m_bar;
    Druvela_workdata* m_link;
    bool& m_autoLampLit;
    std::function<void()> m_swapRows;
    std::function<void(bool)> m_autoLamp;
};
