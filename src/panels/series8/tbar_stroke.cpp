#include "tbar_stroke.h"

#include "druvela_workdata.h"
#include "onlyfun.h"

#include <QDebug>
#include <QPointer>
#include <QSlider>

namespace {
constexpr int kAutoEnds[3] = {40, 72, 139};
constexpr int kBarTop = 127;
}

TbarStroke::TbarStroke(QSlider* bar, Druvela_workdata* link, bool& autoLampLit, std::function<void()> swapRows,
                       std::function<void(bool)> autoLamp)
    : m_bar(bar)
    , m_link(link)
    , m_autoLampLit(autoLampLit)
    , m_swapRows(std::move(swapRows))
    , m_autoLamp(std::move(autoLamp))
{
}

int TbarStroke::autoEnd(int rateIndex)
{
    return rateIndex >= 0 && rateIndex <= 2 ? kAutoEnds[rateIndex] : kAutoEnds[0];
}

void TbarStroke::setslider0(int v)
{
    if (autoRunning)
        return;
    if (!m_autoLampLit) {
        m_autoLamp(true);
        m_autoLampLit = true;
    }
    const int top = m_bar->maximum();
    if (v == top || v == m_bar->minimum()) {
        m_autoLamp(false);
        m_autoLampLit = false;
    }
    if (tbarReverse) {
        setslider1(v);
        return;
    }
    if (v < top) {
        m_link->SwndCMDslider(1, static_cast<unsigned char>(v));
    } else {
        if (!swappedAtTop) {
            m_swapRows();
            swappedAtTop = true;
            swappedAtBottom = false;
        }
        tbarReverse = true;
        m_link->SwndCMDslider(1, 128);
    }
    qDebug() << "value_up:" << v;
}

void TbarStroke::setslider1(int v)
{
    if (autoRunning)
        return;
    const int down = m_bar->maximum() - v;
    if (down == 127) {
        if (!swappedAtBottom) {
            m_swapRows();
            swappedAtTop = false;
            swappedAtBottom = true;
        }
        tbarReverse = false;
        m_link->SwndCMDslider(0, 128);
        m_link->SwndCMDslider(1, 0);
    } else {
        m_link->SwndCMDslider(0, static_cast<unsigned char>(down));
    }
    qDebug() << "向下推 value:" << v;
    qDebug() << "value_down:" << down;
}

void TbarStroke::autoPress(QObject* owner, int rateIndex)
{
    const int v = m_bar->value();
    if (autoRunning || (v > 0 && v < kBarTop))
        return;
    m_autoLamp(true);
    m_link->SendCMDAUTO();
    autoRunning = true;
    if (!btnAuto_and_slider(owner, rateIndex))
        return;
    // The range comes back while the guard still holds: setRange and
    // setValue emit, and those changes are not strokes.
    m_bar->setRange(0, kBarTop);
    if (m_bar->value() != 0)
        m_bar->setValue(kBarTop);
    autoRunning = false;
    m_swapRows();
    m_autoLamp(false);
}

bool TbarStroke::btnAuto_and_slider(QObject* owner, int rateIndex)
{
    const int end = autoEnd(rateIndex);
    m_bar->setRange(0, end);
    if (m_bar->value() != 0)
        m_bar->setValue(end);
    for (;;) {
        if (!onlyFun::Delay_MSec(owner, 1))
            return false;
        if (tbarReverse) {
            m_bar->setValue(m_bar->value() - 1);
            qDebug() << "temp_val 下:" << m_bar->value();
            if (m_bar->value() <= 0) {
                tbarReverse = false;
                if (!swappedAtBottom) {
                    swappedAtTop = false;
                    swappedAtBottom = true;
                }
                return true;
            }
        } else {
            m_bar->setValue(m_bar->value() + 1);
            qDebug() << "temp_val 上:" << m_bar->value();
            if (m_bar->value() >= end) {
                tbarReverse = true;
                if (!swappedAtTop) {
                    swappedAtTop = true;
                    swappedAtBottom = false;
                }
                return true;
            }
        }
    }
}
