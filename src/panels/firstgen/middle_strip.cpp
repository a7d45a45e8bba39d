#include "middle_strip.h"

#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "widget_show.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDebug>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <iterator>

namespace {

// The source boxes' entries and the source code the switcher reports for each.
struct Source {
    const char* entry;
    uint8_t code;
};
constexpr Source kSources[] = {{"PHONE_IN", 7}, {"IN1", 3}, {"IN2", 4}, {"IN3", 5},
                               {"IN4", 6},      {"MIC_IN1", 8}, {"MIC_IN2", 0}};

// Transition key of a reported wipe direction (0 Left, 2 Up, 4 Right, 6 Down), or 0.
int wipeKeyId(uint8_t direction)
{
    switch (direction) {
    case 0: return 5;
    case 2: return 3;
    case 4: return 6;
    case 6: return 4;
    default: return 0;
    }
}

QLabel* caption(const QString& text, const char* style)
{
    auto* l = new QLabel(text);
    l->setFixedHeight(20);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QLatin1String(style));
    return l;
}

QComboBox* sourceBox(const char* objectName)
{
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(objectName));
    for (const Source& s : kSources)
        box->addItem(QLatin1String(s.entry));
    box->setCurrentIndex(0);
    box->setMaximumWidth(75);
    box->setStyleSheet(FirstGenStyle::dropDownStyle());
    return box;
}

QSpinBox* volumeBox(const char* objectName)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(objectName));
    box->setRange(0, 100);
    box->setSingleStep(5);
    box->setValue(50);
    box->setMaximumWidth(75);
    box->setStyleSheet(FirstGenStyle::spinStyle());
    return box;
}

} // namespace

void FirstGenMiddleStrip::Key::show(bool lit) const
{
    PanelFaces::showFace(button, face, lit);
}

FirstGenMiddleStrip::FirstGenMiddleStrip(QWidget* parent, Druvela_workdata* ws)
    : QWidget(parent)
    , m_ws(ws)
{
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QLatin1String(FirstGenStyle::kStripBackground));
}

FirstGenMiddleStrip::Key FirstGenMiddleStrip::makeKey(const char* objectName, int side, const QString& unlitFile,
                                                      const QString& litFile)
{
    Key k;
    k.button = new QPushButton;
    k.button->setObjectName(QLatin1String(objectName));
    k.button->setFixedSize(side, side);
    k.face = FirstGenStyle::groupKey(PanelFaces::FaceRule::ImageSpaced, unlitFile, litFile);
    k.show(false);
    return k;
}

void FirstGenMiddleStrip::initlayout(const QMargins& margins)
{
    m_groups = new QHBoxLayout(this);
    m_groups->setSpacing(80);
    m_groups->setContentsMargins(margins);
    auto group = [](const char* title) {
        auto* box = new QGroupBox(QLatin1String(title));
        box->setStyleSheet(QLatin1String(FirstGenStyle::kGroupBox));
        return box;
    };
    QGroupBox* audio = group("AUDIO");
    QGroupBox* transitions = group("TRANSITIONS");
    QGroupBox* functions = group("FUNC");
    init_AUDIO(audio);
    init_TRANSITIONS(transitions);
    init_FUNCTIONS(functions);
    m_groups->addWidget(audio, 3);
    m_groups->addWidget(transitions, 2);
    m_groups->addWidget(functions, 1);
}

void FirstGenMiddleStrip::init_AUDIO(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    m_afv = makeKey("btn_afv", 55, QStringLiteral("AFV.bmp"), QStringLiteral("AFV.bmp"));
    // The lit AFV key keeps the grey frame.
    m_afv.face.litFrame = QLatin1String(FirstGenStyle::kGroupGrey196);
    m_mix = makeKey("btn_mix", 55, QStringLiteral("MIX.bmp"), QStringLiteral("MIX.bmp"));
    auto* mode = new QVBoxLayout;
    mode->setSpacing(15);
    mode->setContentsMargins(0, 0, 0, 0);
    mode->addWidget(m_afv.button);
    mode->addWidget(m_mix.button);
    grid->addLayout(mode, 0, 0, 4, 1);

    m_src1 = sourceBox("comboBox_ch1");
    m_src2 = sourceBox("comboBox_ch2");
    m_vol1 = volumeBox("spinBoxCh1Vol");
    m_vol2 = volumeBox("spinBoxCh2Vol");
    grid->addWidget(caption(QStringLiteral("CH1"), "font-weight:600; color:rgb(59,115,160);"), 0, 1);
    grid->addWidget(caption(QStringLiteral("CH1_VOL"), "font-weight:600; color:#3b73a0;"), 0, 2);
    grid->addWidget(m_src1, 1, 1);
    grid->addWidget(m_vol1, 1, 2);
    grid->addWidget(caption(QStringLiteral("CH2"), "font-weight:600; color:#3b73a0;"), 2, 1);
    grid->addWidget(caption(QStringLiteral("CH2_VOL"), "font-weight:600; color:#3b73a0;"), 2, 2);
    grid->addWidget(m_src2, 3, 1);
    grid->addWidget(m_vol2, 3, 2);
}

void FirstGenMiddleStrip::init_TRANSITIONS(QGroupBox* box)
{
    struct Spec {
        const char* name;
        int side;
        const char* unlit;
        const char* lit;
        int row, column;
    };
    static const Spec keys[6] = {
        {"btn_trans_mix", 55, "MIX.bmp", "MIX.bmp", 0, 0},     {"btn_trans_fade", 55, "FADE.bmp", "FADE.bmp", 1, 0},
        {"btn_trans_up", 50, "up.bmp", "UP.bmp", 0, 1},        {"btn_trans_down", 50, "down.bmp", "DOWN.bmp", 1, 1},
        {"btn_trans_left", 50, "Left.bmp", "LEFT.bmp", 0, 2},  {"btn_trans_right", 50, "Right.bmp", "Right.bmp", 1, 2},
    };
    auto* grid = new QGridLayout(box);
    m_transGroup = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        const Spec& s = keys[i];
        m_transitions[i] = makeKey(s.name, s.side, QLatin1String(s.unlit), QLatin1String(s.lit));
        m_transGroup->addButton(m_transitions[i].button, i + 1);
        grid->addWidget(m_transitions[i].button, s.row, s.column);
    }
}

void FirstGenMiddleStrip::init_FUNCTIONS(QGroupBox* box)
{
    auto* grid = new QGridLayout(box);
    grid->setSpacing(15);
    m_pip = makeKey("btn_pip", 55, QStringLiteral("PIP.bmp"), QStringLiteral("PIP.bmp"));
    m_still = makeKey("btn_still", 55, QStringLiteral("STILL.bmp"), QStringLiteral("STILL.bmp"));
    grid->addWidget(m_pip.button, 0, 0);
    grid->addWidget(m_still.button, 1, 0);
}

void FirstGenMiddleStrip::connectControls()
{
    connect(m_afv.button, &QPushButton::clicked, this, &FirstGenMiddleStrip::on_btnclicked_AFV);
    connect(m_mix.button, &QPushButton::clicked, this, &FirstGenMiddleStrip::on_btnclicked_MIX);
    connect(m_src1, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FirstGenMiddleStrip::on_Coboxch1_IndexChanged);
    connect(m_src2, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &FirstGenMiddleStrip::on_Coboxch2_IndexChanged);
    connect(m_vol1, QOverload<int>::of(&QSpinBox::valueChanged), this, &FirstGenMiddleStrip::on_SpinBoxch1_valueChanged);
    connect(m_vol2, QOverload<int>::of(&QSpinBox::valueChanged), this, &FirstGenMiddleStrip::on_SpinBoxch2_valueChanged);
    connect(m_transGroup, &QButtonGroup::idClicked, this, &FirstGenMiddleStrip::on_btnGrp_clicked);
    connect(m_pip.button, &QPushButton::clicked, this, &FirstGenMiddleStrip::on_btnclicked_PIP);
    connect(m_still.button, &QPushButton::clicked, this, &FirstGenMiddleStrip::on_btnclicked_STILL);
}

// ---- looks -------------------------------------------------------------------

void FirstGenMiddleStrip::on_Style_btnAFV(bool lit) { m_afv.show(lit); }
void FirstGenMiddleStrip::on_Style_btnMIX(bool lit) { m_mix.show(lit); }
void FirstGenMiddleStrip::on_Style_btnPIP(bool lit) { m_pip.show(lit); }
void FirstGenMiddleStrip::on_Style_btnSTILL(bool lit) { m_still.show(lit); }

void FirstGenMiddleStrip::init_Style_btnTRANSI() { showTransitions(0); }

// The six keys shown once, the one with id lit (1..6) lit.
void FirstGenMiddleStrip::showTransitions(int lit)
{
    for (int id = 1; id <= 6; ++id)
        m_transitions[id - 1].show(id == lit);
}

void FirstGenMiddleStrip::lightTransition(int id)
{
    if (id >= 1 && id <= 6)
        m_transitions[id - 1].show(true);
}

// ---- the operator ----------------------------------------------------------

void FirstGenMiddleStrip::showAudioMode(bool mix)
{
    on_Style_btnMIX(mix);
    on_Style_btnAFV(!mix);
    Show::enabled(m_src1, mix);
    Show::enabled(m_src2, mix);
}

void FirstGenMiddleStrip::on_btnclicked_AFV()
{
    showAudioMode(false);
    m_ws->SendCMDMIXorAFV(0);
}

void FirstGenMiddleStrip::on_btnclicked_MIX()
{
    showAudioMode(true);
    m_ws->SendCMDMIXorAFV(1);
}

void FirstGenMiddleStrip::on_Coboxch1_IndexChanged(int idx) { m_ws->SendCMDSRC1(uint8_t(idx)); }
void FirstGenMiddleStrip::on_Coboxch2_IndexChanged(int idx) { m_ws->SendCMDSRC2(uint8_t(idx)); }

void FirstGenMiddleStrip::volumeChanged(QComboBox* source, int channel, uint8_t value, const char* warning)
{
    if (source->currentIndex() != -1) {
        m_ws->SendCMDSLIDER(uint8_t(channel), value);
        return;
    }
    QMessageBox::warning(this, QStringLiteral("Warning"), QLatin1String(warning), QMessageBox::Yes);
}

void FirstGenMiddleStrip::on_SpinBoxch1_valueChanged(uint8_t value)
{
    volumeChanged(m_src1, 0, value, "please choose CH1 source");
}

void FirstGenMiddleStrip::on_SpinBoxch2_valueChanged(uint8_t value)
{
    volumeChanged(m_src2, 1, value, "please choose CH2 source");
}

void FirstGenMiddleStrip::on_btnGrp_clicked(uint8_t id)
{
    showTransitions(id);
    m_ws->SendCMDTRANSITIONS(id);
}

void FirstGenMiddleStrip::on_btnclicked_PIP()
{
    pipState = pipState ? 0 : 1;
    on_Style_btnPIP(pipState == 1);
    m_ws->SendCMDPIP(pipState);
    emit on_Singnale_btnPIP(pipState == 1);
}

void FirstGenMiddleStrip::on_btnclicked_STILL()
{
    stillState = stillState ? 0 : 1;
    on_Style_btnSTILL(stillState == 1);
    m_ws->SendCMDSTILL();
}

// ---- the switcher's state --------------------------------------------------

int FirstGenMiddleStrip::sourcePosition(uint8_t code)
{
    for (int i = 0; i < int(std::size(kSources)); ++i)
        if (kSources[i].code == code)
            return i;
    return -1;
}

void FirstGenMiddleStrip::set_AFVorMIX_Style(uint8_t mode)
{
    if (mode == 0 || mode == 1) {
        showAudioMode(mode == 1);
        return;
    }
    on_Style_btnMIX(false);
    on_Style_btnAFV(false);
}

void FirstGenMiddleStrip::set_CH1_Style(uint8_t code)
{
    const int pos = sourcePosition(code);
    if (pos < 0)
        return;
    const QSignalBlocker quiet(m_src1);
    Show::index(m_src1, pos);
    qDebug().noquote() << kSources[pos].entry;
}

void FirstGenMiddleStrip::set_CH2_Style(uint8_t code)
{
    const int pos = sourcePosition(code);
    if (pos < 0)
        return;
    const QSignalBlocker quiet(m_src2);
    Show::index(m_src2, pos);
}

void FirstGenMiddleStrip::set_CH1VOL_Style(uint8_t volume)
{
    const QSignalBlocker quiet(m_vol1);
    Show::value(m_vol1, volume);
}

void FirstGenMiddleStrip::set_CH2VOL_Style(uint8_t volume)
{
    const QSignalBlocker quiet(m_vol2);
    Show::value(m_vol2, volume);
}

void FirstGenMiddleStrip::set_Trans_Style(uint8_t mode, uint8_t direction)
{
    if (mode == 1 || mode == 2)
        showTransitions(mode);
    else if (mode == 4)
        showTransitions(wipeKeyId(direction));
    else
        showTransitions(0);
}

void FirstGenMiddleStrip::set_Wipe_Style(uint8_t direction)
{
    lightTransition(wipeKeyId(direction));
}

void FirstGenMiddleStrip::set_PIP_Style(uint8_t state)
{
    if (state > 1)
        return;
    pipState = state;
    on_Style_btnPIP(state == 1);
    emit on_Singnale_btnPIP(state == 1);
}

void FirstGenMiddleStrip::set_Stll_Style(uint8_t state)
{
    if (state > 1)
        return;
    stillState = state;
    on_Style_btnSTILL(state == 1);
}
