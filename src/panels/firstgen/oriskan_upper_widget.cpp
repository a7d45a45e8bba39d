#include "oriskan_upper_widget.h"

#include "druvela_workdata.h"

#include <QPushButton>
#include <QTimer>

namespace {
constexpr int kStatePollMs = 3000;
}

Oriskan_Upper_Widget::Oriskan_Upper_Widget(QWidget* parent, Druvela_workdata* ws)
    : FirstGenUpperStrip(parent, ws,
                         {{" RESO", 55},
                          {"SOURCE", 55},
                          {"MUTE", 53},
                          {"REC", 52},
                          {"PAUSE", 53},
                          {"STREAM", 55},
                          {nullptr, 52},
                          {"ROTATE", 55}},
                         FirstGenStyle::Lamp::Red)
{
    m_recTimer = new QTimer(this);
    m_recTimer->setObjectName(QStringLiteral("timer_rec"));
    m_recBlink = FtbBlink(m_recTimer, [this](bool lit) { on_Style_btnF4(lit); });
    m_pollTimer = new QTimer(this);
    m_pollTimer->setObjectName(QStringLiteral("timer_poll"));
    connect(fKey(4), &QPushButton::clicked, this, &Oriskan_Upper_Widget::on_btnclicked_F4);
    connect(fKey(5), &QPushButton::clicked, this, &Oriskan_Upper_Widget::on_btnclicked_F5);
    connect(fKey(6), &QPushButton::clicked, this, &Oriskan_Upper_Widget::on_btnclicked_F6);
    connect(fKey(8), &QPushButton::clicked, this, &Oriskan_Upper_Widget::on_btnclicked_F8);
    connect(m_recTimer, &QTimer::timeout, this, &Oriskan_Upper_Widget::on_timerour_REC);
    connect(m_pollTimer, &QTimer::timeout, this, &Oriskan_Upper_Widget::on_timerour_DS);
    m_pollTimer->start(kStatePollMs);
}

// The REC blink is left alone: a blinking F4 goes on blinking until the
// switcher reports another recording state.
void Oriskan_Upper_Widget::on_btnclicked_F4()
{
    if (m_recording) {
        m_recording = false;
        on_Style_btnF4(false);
        m_pause = false;
        on_Style_btnF5(false);
        m_ws->SendCMDREC(0);
    } else {
        m_recording = true;
        on_Style_btnF4(true);
        m_ws->SendCMDREC(1);
    }
}

void Oriskan_Upper_Widget::on_btnclicked_F5()
{
    if (!m_recording)
        return;
    m_pause = !m_pause;
    on_Style_btnF5(m_pause);
    m_ws->SendCMDPAUSE();
}

void Oriskan_Upper_Widget::on_btnclicked_F6()
{
    m_streaming = !m_streaming;
    on_Style_btnF6(m_streaming);
    m_ws->SendCMDSTREAM(m_streaming ? 1 : 0);
}

void Oriskan_Upper_Widget::on_btnclicked_F8()
{
    m_rotate = !m_rotate;
    on_Style_btnF8(m_rotate);
    m_ws->SendCMDROTATE();
}

void Oriskan_Upper_Widget::on_timerour_REC()
{
    m_recBlink.tick();
}

void Oriskan_Upper_Widget::on_timerour_DS()
{
    m_ws->SendCMDReadDevState();
}

// The poll ends with the first DS press and never starts again.
void Oriskan_Upper_Widget::beforeStateRequest()
{
    m_pollTimer->stop();
}

void Oriskan_Upper_Widget::set_Style_btnF4(uchar value)
{
    const int state = (value >> 3) & 3;
    m_recording = state != 0;
    m_pause = state == 2;
    if (state == 3)
        m_recBlink.start();
    else
        m_recBlink.hold(m_recording);
    on_Style_btnF5(m_pause);
}

void Oriskan_Upper_Widget::set_Style_btnF6(uchar value)
{
    m_streaming = (value & 0x04) != 0;
    on_Style_btnF6(m_streaming);
}

void Oriskan_Upper_Widget::set_Style_btnF8(uchar value)
{
    m_rotate = (value & 0xC0) == 0x40;
    on_Style_btnF8(m_rotate);
}
