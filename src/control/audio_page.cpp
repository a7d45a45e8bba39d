#include "audio_page.h"

#include "my_lable.h"
#include "onlyfun.h"
#include "settings_page_frame.h"
#include "widget_show.h"

#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

namespace {

// The switcher counts line gain in units of 3 on the box, and microphone
// volume from 0 where the box shows -18.
constexpr int kLineGainStep = 3;
constexpr int kMicOffset = 18;

enum Item : uchar { LineGain = 0, MicVolume = 1, MicHpfs = 2 };

}  // namespace

AUDIO_PAGE::AUDIO_PAGE(QWidget* parent, onlyFun* fun)
    : SettingsPage(parent, fun, QStringLiteral("AUDIO"), QStringLiteral("AUDIO SETTINGS"))
{
    init();
}

void AUDIO_PAGE::init()
{
    using namespace pageframe;
    m_title = gridTitleStrip(this, QStringLiteral("AUDIO SETTINGS"), QString::fromLatin1(kTitleStyle));

    m_lineGainLabel = gridLabel(this, tr("Line Gain"), rowLabelStyle(true));
    m_micVolumeLabel = gridLabel(this, tr("Mic Volume"), rowLabelStyle(true));
    m_micHpfsLabel = gridLabel(this, tr("Mic HPFS"), rowLabelStyle(true));

    m_lineGain = gridSpinBox(this, 0, 8 * kLineGainStep, kLineGainStep);
    m_lineGain->setObjectName(QStringLiteral("spinBoxLineGain"));
    m_micVolume = gridSpinBox(this, -kMicOffset, 32, 1);
    m_micVolume->setObjectName(QStringLiteral("spinBoxMicVolume"));
    m_micHpfs = gridComboBox(this,
                             {QStringLiteral("OFF"), QStringLiteral("16"), QStringLiteral("30"),
                              QStringLiteral("60"), QStringLiteral("90"), QStringLiteral("120"),
                              QStringLiteral("243"), QStringLiteral("495")});
    m_micHpfs->setObjectName(QStringLiteral("comboBox_micHpfs"));

    layoutGrid(this, m_title,
               {{m_lineGainLabel, m_lineGain}, {m_micVolumeLabel, m_micVolume}, {m_micHpfsLabel, m_micHpfs}});

    // The controller is the context: these reach it and must end with it.
    connect(m_lineGain, QOverload<int>::of(&QSpinBox::valueChanged), m_fun,
            [this](int v) { setLineGainvalue(static_cast<uint8_t>(v)); });
    connect(m_micVolume, QOverload<int>::of(&QSpinBox::valueChanged), m_fun,
            [this](int v) { setMicValumevalue(static_cast<uint8_t>(v)); });
    connect(m_micHpfs, QOverload<int>::of(&QComboBox::currentIndexChanged), m_fun,
            [this](int i) {
                // A device value past the list blanks the box; that is no filter index.
                if (i >= 0)
                    setMicHPFSValue(static_cast<uint8_t>(i));
            });
}

void AUDIO_PAGE::setLineGainvalue(uint8_t value)
{
    m_fun->SetAUDIO_PAGE(LineGain, static_cast<uchar>(value / kLineGainStep));
}

void AUDIO_PAGE::setMicValumevalue(uint8_t value)
{
    // value is the low byte of the shown -18..32, so the sum wraps to 0..50.
    m_fun->SetAUDIO_PAGE(MicVolume, static_cast<uchar>(value + kMicOffset));
}

void AUDIO_PAGE::setMicHPFSValue(uint8_t value)
{
    m_fun->SetAUDIO_PAGE(MicHpfs, value);
}

void AUDIO_PAGE::set_LineGain_Value(uchar v)
{
    Show::value(m_lineGain, int(v) * kLineGainStep);
}

void AUDIO_PAGE::set_MicVolume_Value(uchar v)
{
    Show::value(m_micVolume, int(v) - kMicOffset);
}

void AUDIO_PAGE::set_MicHPFS_Value(uchar v)
{
    Show::index(m_micHpfs, v);
}

void AUDIO_PAGE::show_lnge_cfg_slots(bool on)
{
    Show::sheet(m_lineGainLabel, pageframe::rowLabelStyle(on));
    Show::enabled(m_lineGain, on);
}

void AUDIO_PAGE::show_mic_cfg_slots(bool on)
{
    Show::sheet(m_micVolumeLabel, pageframe::rowLabelStyle(on));
    Show::sheet(m_micHpfsLabel, pageframe::rowLabelStyle(on));
    Show::enabled(m_micVolume, on);
    Show::enabled(m_micHpfs, on);
}
