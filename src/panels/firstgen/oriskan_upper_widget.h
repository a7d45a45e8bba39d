#pragma once
// The top key strip of the Oriskan panel: the Tesmond strip with F4 REC (red,
// blinking while the switcher reports that state), F5 PAUSE, F6 STREAM and
// F8 ROTATE, and a state request every 3000 ms until the operator presses DS.

#include "upper_strip.h"

class Oriskan_Upper_Widget : public FirstGenUpperStrip
{
    Q_OBJECT
public:
    Oriskan_Upper_Widget(QWidget* parent, Druvela_workdata* ws);

    // Recording state in bits 3 and 4: 0 off, 1 recording, 2 paused, 3 blinking.
    void set_Style_btnF4(uchar value);
    // Streaming in bit 2.
    void set_Style_btnF6(uchar value);
    // Rotated while bits 6 and 7 read 01.
    void set_Style_btnF8(uchar value);

public slots:
    void on_btnclicked_F4();
    void on_btnclicked_F5();
    void on_btnclicked_F6();
    void on_btnclicked_F8();
    void on_timerour_REC();
    void on_timerour_DS();

protected:
    void beforeStateRequest() override;

private:
    QTimer* m_recTimer = nullptr;
    QTimer* m_pollTimer = nullptr;
    FtbBlink m_recBlink;
    bool m_recording = false;
    bool m_pause = false;
    bool m_streaming = false;
    bool m_rotate = false;
};
