#pragma once
// A blinking lamp: FTB while the output is faded to black, a model panel's preset keys.

#include <QtGlobal>
#include <functional>

class QTimer;

class FtbBlink
{
public:
    FtbBlink() = default;
    // The timer's timeout reaches tick() through the panel's own slot; face lights the lamp.
    FtbBlink(QTimer* timer, std::function<void(bool)> face);

    void start();
    void stop(); // also leaves the lamp dark
    // Stops the blink and leaves the lamp lit or dark, shown once.
    void hold(bool lit);
    void toggle();
    // Device state: 1 blinks, 0 stops, any other value leaves the lamp as it is.
    void follow(quint8 v);
    // One blink step: shows the current phase, then flips it.
    void tick();

    bool running() const { return m_running; }

private:
    QTimer* m_timer = nullptr;
    std::function<void(bool)> m_face;
    bool m_running = false;
    bool m_lit = false;
};
