#include "ftb_blink.h"

#include <QTimer>

#include <utility>

namespace {
constexpr int kFtbBlinkMs = 400;
}

FtbBlink::FtbBlink(QTimer* timer, std::function<void(bool)> face)
    : m_timer(timer)
    , m_face(std::move(face))
{
}

void FtbBlink::start()
{
    m_running = true;
    m_timer->start(kFtbBlinkMs);
}

void FtbBlink::stop() { hold(false); }

void FtbBlink::hold(bool lit)
{
    m_running = false;
    m_face(lit);
    m_timer->stop();
}

void FtbBlink::toggle()
{
    if (m_running)
        stop();
    else
        start();
}

void FtbBlink::follow(quint8 v)
{
    if (v == 1)
        start();
    else if (v == 0)
        stop();
}

void FtbBlink::tick()
{
    const bool wasLit = m_lit;
    m_lit = !m_lit;
    m_face(wasLit);
}
