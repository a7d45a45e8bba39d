#include "halvani_audio.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>

namespace {

constexpr char kLabelStyle[] = "font-weight:600; color:#ffffff;";
constexpr char kDimLabelStyle[] = "font-weight:600; color:#dcdcdc;";

QLabel* caption(QWidget* box, const QString& text, const QRect& geometry)
{
    auto* l = new QLabel(text, box);
    l->setGeometry(geometry);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QLatin1String(kLabelStyle));
    return l;
}

// Entries sent as their index.
QComboBox* listBox(QWidget* box, const char* name, const QStringList& entries, const QRect& geometry)
{
    auto* c = new QComboBox(box);
    c->setObjectName(QLatin1String(name));
    c->setGeometry(geometry);
    c->addItems(entries);
    c->setCurrentIndex(-1);
    c->setStyleSheet(FirstGenStyle::dropDownStyle());
    return c;
}

QSpinBox* volumeBox(QWidget* box, const char* name, const QRect& geometry)
{
    auto* s = new QSpinBox(box);
    s->setObjectName(QLatin1String(name));
    s->setGeometry(geometry);
    s->setRange(0, 100);
    s->setSingleStep(10);
    s->setValue(60);
    s->setStyleSheet(FirstGenStyle::spinStyle());
    return s;
}

QPushButton* modeKey(QWidget* box, const char* name, const QRect& geometry)
{
    auto* b = new QPushButton(box);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(geometry);
    return b;
}

} // namespace

AUDIO::AUDIO(QWidget* parent, Druvela_workdata* ws)
    : QGroupBox(parent)
    , m_ws(ws)
{
    init();
}

void AUDIO::init()
{
    FirstGenStyle::halvaniTitle(this, tr("AUDIO"), 320);

    m_btnGrp = new QButtonGroup(this);
    m_afv = modeKey(this, "btn_afv", QRect(20, 60, 55, 55));
    m_mix = modeKey(this, "btn_mix", QRect(20, 142, 55, 55));
    m_afvFace = FirstGenStyle::groupKey(PanelFaces::FaceRule::ImageSpaced, QStringLiteral("AFV.bmp"),
                                        QStringLiteral("AFV.bmp"));
    m_mixFace = FirstGenStyle::groupKey(PanelFaces::FaceRule::ImageSpaced, QStringLiteral("MIX.bmp"),
                                        QStringLiteral("MIX.bmp"));
    setbtnStyle_AFV(false);
    setbtnStyle_MIX(false);
    m_btnGrp->addButton(m_afv, 0);
    m_btnGrp->addButton(m_mix, 1);

    const QStringList sources{QStringLiteral("Phone_IN"), QStringLiteral("RCA_IN"), QStringLiteral("IN1"),
                              QStringLiteral("IN2"),      QStringLiteral("IN3"),    QStringLiteral("IN4"),
                              QStringLiteral("IN5"),      QStringLiteral("IN6")};
    m_ch1Label = caption(this, tr("CH1"), QRect(100, 35, 75, 20));
    m_ch1 = listBox(this, "comboBox_ch1", sources, QRect(95, 65, 90, 24));
    m_ch2Label = caption(this, tr("CH2"), QRect(100, 95, 75, 20));
    m_ch2 = listBox(this, "comboBox_ch2", sources, QRect(95, 125, 90, 24));
    caption(this, tr("CH1_VOL"), QRect(210, 35, 75, 20));
    m_ch1Vol = volumeBox(this, "spinBoxCh1Vol", QRect(210, 65, 75, 22));
    caption(this, tr("CH2_VOL"), QRect(210, 95, 75, 20));
    m_ch2Vol = volumeBox(this, "spinBoxCh2Vol", QRect(210, 125, 75, 22));
    caption(this, tr("Audio Mode"), QRect(95, 155, 90, 20));
    m_mode = modeKey(this, "btn_audio_mode", QRect(100, 185, 75, 22));
    m_mode->setStyleSheet(QStringLiteral("QPushButton{color:#ffffff;border-radius:0px;font-size:10pt}"));
    caption(this, tr("PGM Out"), QRect(210, 155, 75, 20));
    m_pgmOut = listBox(this, "comboBox_pgm_out",
                       {QStringLiteral("1080p60"), QStringLiteral("1080p50"), QStringLiteral("1080I60"),
                        QStringLiteral("1080I50"), QStringLiteral("1080p30"), QStringLiteral("1080p25"),
                        QStringLiteral("1080p24")},
                       QRect(210, 185, 90, 24));
    setStyleSheet(QLatin1String(FirstGenStyle::kHalvaniBox));

    connect(m_btnGrp, &QButtonGroup::idClicked, this, &AUDIO::on_btnGrp_clicked);
    connect(m_ch1, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AUDIO::setboxch1);
    connect(m_ch2, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AUDIO::setboxch2);
    connect(m_ch1Vol, QOverload<int>::of(&QSpinBox::valueChanged), this, &AUDIO::setboxch1_vol);
    connect(m_ch2Vol, QOverload<int>::of(&QSpinBox::valueChanged), this, &AUDIO::setboxch2_vol);
    connect(m_pgmOut, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &AUDIO::setboxPGM_OUT);
}

void AUDIO::setbtnStyle_AFV(bool lit) { PanelFaces::showFace(m_afv, m_afvFace, lit); }
void AUDIO::setbtnStyle_MIX(bool lit) { PanelFaces::showFace(m_mix, m_mixFace, lit); }

void AUDIO::setStyle(int mode)
{
    if (mode != 0 && mode != 1)
        return;
    const bool mixing = mode == 1;
    m_ch1->setEnabled(mixing);
    m_ch2->setEnabled(mixing);
    m_mode->setText(mixing ? QStringLiteral("Mixing") : QStringLiteral("Follow"));
    const QString labels = QLatin1String(mixing ? kLabelStyle : kDimLabelStyle);
    m_ch1Label->setStyleSheet(labels);
    m_ch2Label->setStyleSheet(labels);
    setbtnStyle_MIX(mixing);
    setbtnStyle_AFV(!mixing);
}

void AUDIO::on_btnGrp_clicked(int index)
{
    setStyle(index);
    m_ws->SendCMDMIXorAFV(static_cast<unsigned char>(index));
}

void AUDIO::setboxch1(int index) { m_ws->SendCMDSRC1(static_cast<unsigned char>(index)); }
void AUDIO::setboxch2(int index) { m_ws->SendCMDSRC2(static_cast<unsigned char>(index)); }

void AUDIO::sendVolume(const QComboBox* source, unsigned char channel, int value, const QString& warning)
{
    if (source->currentIndex() != -1) {
        m_ws->SendCMDSLIDER(channel, static_cast<unsigned char>(value));
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Warning"), warning, QMessageBox::Yes);
}

void AUDIO::setboxch1_vol(int value) { sendVolume(m_ch1, 0, value, QStringLiteral("please choose CH1 source")); }
void AUDIO::setboxch2_vol(int value) { sendVolume(m_ch2, 1, value, QStringLiteral("please choose CH2 source")); }

void AUDIO::setboxPGM_OUT(int index) { m_ws->SendCMDF1(index); }
