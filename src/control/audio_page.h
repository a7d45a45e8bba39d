#pragma once
// Settings window of the audio inputs: line gain, microphone volume and the
// microphone high-pass filter.

#include "settings_page_frame.h"

#include <cstdint>

class QComboBox;
class QLabel;
class QSpinBox;

class AUDIO_PAGE : public SettingsPage
{
    Q_OBJECT

public:
    AUDIO_PAGE(QWidget* parent, onlyFun* fun);

    void set_LineGain_Value(uchar v);
    void set_MicVolume_Value(uchar v);
    void set_MicHPFS_Value(uchar v);

    void show_lnge_cfg_slots(bool on);
    void show_mic_cfg_slots(bool on);

public slots:
    void setLineGainvalue(uint8_t value);
    void setMicValumevalue(uint8_t value);
    void setMicHPFSValue(uint8_t value);

private:
    void init();

    QLabel* m_lineGainLabel = nullptr;
    QLabel* m_micVolumeLabel = nullptr;
    QLabel* m_micHpfsLabel = nullptr;
    QSpinBox* m_lineGain = nullptr;
    QSpinBox* m_micVolume = nullptr;
    QComboBox* m_micHpfs = nullptr;
};
