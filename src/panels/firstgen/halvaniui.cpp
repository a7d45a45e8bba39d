#include "halvaniui.h"

#include "devlog.h"
#include "druvela_workdata.h"
#include "firstgen_style.h"
#include "halvani_audio.h"
#include "halvani_bus.h"
#include "halvani_pip.h"
#include "halvani_pop.h"
#include "halvani_transitions.h"
#include "ip_dialog.h"
#include "onlyfun.h"
#include "widget_show.h"

#include <QFont>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

using PanelFaces::FaceRule;

namespace {

constexpr int kNarrow = 1000;
constexpr int kWide = 1280;
constexpr int kHeight = 600;
constexpr int kTbarTop = 126;

const char kTitleFace[] = "Adobe 黑体 Std R";
const char kWideSeparator[] = "QLabel{border-image: url(:/images/StyleSheet/limit.png);}";
const char kNarrowSeparator[] = "QLabel {background-color: transparent;}";

QPushButton* key(QWidget* parent, const char* objectName)
{
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(objectName));
    return b;
}

// CUT and AUTO light as a bare picture, without a frame.
PanelFaces::Face redKey(const QString& file, const QString& unlitFrame)
{
    PanelFaces::Face f = PanelFaces::framedFace(FaceRule::ImageSpacedTight, QStringLiteral(":/images/white/") + file,
                                                unlitFrame, QStringLiteral(":/images/red/") + file, QString());
    f.litRule = FaceRule::SpacedTight;
    return f;
}

} // namespace

void HalvaniUI::LampKey::show(bool on) const { PanelFaces::showFace(button, face, on); }

HalvaniUI::HalvaniUI(QWidget* parent)
    : QDialog(parent)
    , greyStyle(QLatin1String(FirstGenStyle::kGroupGrey213))
    , greenStyle(QLatin1String(FirstGenStyle::kGroupGreen))
{
    init();
}

void HalvaniUI::init()
{
    initUI1();
    initUI2();
}

void HalvaniUI::initUI1()
{
    setWindowTitle(QStringLiteral("Qavo"));
    const QSize desk = FirstGenStyle::desktopSize();
    setGeometry((desk.width() - kNarrow) / 2, (desk.height() - kHeight) / 2, kNarrow, kHeight);
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("background-color: rgb(58, 58,58);"));

    m_title = new QLabel(tr("HD VIDEO <br/>SWITCHER"), this);
    m_title->setObjectName(QStringLiteral("label_title"));
    m_separator = new QLabel(this);
    m_separator->setObjectName(QStringLiteral("label_separator"));
    m_tbar = new QSlider(Qt::Vertical, this);
    m_tbar->setObjectName(QStringLiteral("verticalSlider_auto"));
    m_tbar->setRange(0, kTbarTop);
    m_pip.button = key(this, "btn_pip");
    m_pop.button = key(this, "btn_pop");
    m_cut.button = key(this, "btn_cut");
    m_auto.button = key(this, "btn_auto");
    m_ip = key(this, "btn_ip");
    m_return = key(this, "btn_return");
    m_ws = new Druvela_workdata(this);
    m_devlog = new Devlog(this, m_ws);
    m_audio = new AUDIO(this, m_ws);
    m_transitions = new Transitions(this, m_ws);
    m_pgm = new PGM(this, m_ws);
    m_pvw = new PVW(this, m_ws);
    m_pipBox = new PIP(this, m_ws);
    m_popBox = new POP(this, m_ws);
    m_cutTimer = new QTimer(this);
    m_cutTimer->setObjectName(QStringLiteral("timer_cut"));

    // Where the title's face is not installed, a sans face narrow enough for its box.
    QFont::insertSubstitutions(QString::fromUtf8(kTitleFace), {QStringLiteral("Heiti SC"), QStringLiteral("Helvetica"),
                                                             QStringLiteral("Arial"), QStringLiteral("DejaVu Sans Condensed")});
    m_title->setStyleSheet(QStringLiteral("font: 20pt %1;color:#fffffb;").arg(QString::fromUtf8(kTitleFace)));
    m_ip->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/images/StyleSheet/set.png);border-radius:0px;}"
                                       "QPushButton:hover{background-color:rgb(120,120,120);}"));
    m_return->setStyleSheet(QStringLiteral("QPushButton{border-image: url(:/images/StyleSheet/return.bmp);}"
                                           "QPushButton:hover{background-color:rgb(83,83,83);}"));
    m_tbar->setStyleSheet(QStringLiteral("QSlider::groove{image: url(:/images/StyleSheet/vsliderbg.png);}"
                                         "QSlider::handle{ height: 90px;image: url(:/images/StyleSheet/vslider.png);}"));
    m_cut.face = redKey(QStringLiteral("CUT.bmp"), greyStyle);
    m_auto.face = redKey(QStringLiteral("AUTO.bmp"), greyStyle);
    m_pip.face = FirstGenStyle::groupKey(FaceRule::ImageTight, QStringLiteral("PIP.bmp"), QStringLiteral("PIP.bmp"),
                                         FirstGenStyle::kGroupGrey213);
    m_pop.face = FirstGenStyle::groupKey(FaceRule::ImageTight, QStringLiteral("POP.bmp"), QStringLiteral("pop.bmp"),
                                         FirstGenStyle::kGroupGrey213);
    for (LampKey* k : {&m_cut, &m_auto, &m_pip, &m_pop})
        k->show(false);

    connect(m_tbar, &QSlider::valueChanged, this, &HalvaniUI::setslider0);
    connect(m_cut.button, &QPushButton::clicked, this, &HalvaniUI::setBtncut);
    connect(m_auto.button, &QPushButton::clicked, this, &HalvaniUI::setBtnAUTO);
    connect(m_pip.button, &QPushButton::clicked, this, &HalvaniUI::setBtnPIP);
    connect(m_pop.button, &QPushButton::clicked, this, &HalvaniUI::setBtnPOP);
    connect(m_ip, &QPushButton::clicked, this, &HalvaniUI::setBtnip);
    connect(m_return, &QPushButton::clicked, this, &QDialog::close);
    connect(m_cutTimer, &QTimer::timeout, this, &HalvaniUI::setTimercut);
}

void HalvaniUI::initUI2()
{
    m_devlog->setGeometry(0, 0, kNarrow, 30);
    m_return->setGeometry(0, 50, 30, 30);
    m_audio->setGeometry(40, 95, 320, 220);
    m_transitions->setGeometry(390, 95, 250, 220);
    m_title->setGeometry(730, 70, 140, 70);
    m_pip.button->setGeometry(700, 180, 55, 55);
    m_pop.button->setGeometry(850, 180, 55, 55);
    m_tbar->setGeometry(680, 280, 110, 300);
    m_auto.button->setGeometry(850, 310, 66, 63);
    m_cut.button->setGeometry(850, 460, 66, 63);
    m_pgm->setGeometry(40, 340, 610, 125);
    m_pvw->setGeometry(40, 450, 610, 125);
    m_separator->setGeometry(950, 30, 10, 570);
    m_ip->setGeometry(5, 575, 20, 20);
    m_pipBox->setGeometry(kNarrow, 150, 250, 350);
    m_popBox->setGeometry(kNarrow, 150, 250, 350);
    m_pipBox->hide();
    m_popBox->hide();
}

void HalvaniUI::DevTypeID(QString ip, uchar a, uchar b)
{
    m_ws->get_DevTypeID(ip, a, b);
}

void HalvaniUI::btnCutStyle(bool lit) { m_cut.show(lit); }
void HalvaniUI::btnAutoStyle(bool lit) { m_auto.show(lit); }
void HalvaniUI::btnPIPStyle(bool lit) { m_pip.show(lit); }
void HalvaniUI::btnPOPStyle(bool lit) { m_pop.show(lit); }

void HalvaniUI::setPGM_PVWCH()
{
    const uchar formerPgm = m_pgm->BtnPGMstate();
    m_pgm->setPGMCHstate(m_pvw->BtnPVWstate());
    m_pvw->setPVWCHstate(formerPgm);
}

void HalvaniUI::Delay_MSec(uint ms)
{
    onlyFun::Delay_MSec(ms);
}

void HalvaniUI::setSeparatorSheet(const QString& sheet) { Show::sheet(m_separator, sheet); }

void HalvaniUI::setRightUIshow()
{
    m_devlog->setGeometry(0, 0, kWide, 30);
    setSeparatorSheet(QLatin1String(kWideSeparator));
    resize(kWide, kHeight);
}

void HalvaniUI::setRightUIclos()
{
    m_devlog->setGeometry(0, 0, kNarrow, 30);
    setSeparatorSheet(QLatin1String(kNarrowSeparator));
    resize(kNarrow, kHeight);
    m_pipBox->close();
    m_popBox->close();
}

void HalvaniUI::toggleBox(bool& on, bool& other, QWidget* box, QWidget* otherBox,
                          void (Druvela_workdata::*send)(unsigned char), LampKey& key)
{
    btnPIPStyle(false);
    btnPOPStyle(false);
    if (!on) {
        setRightUIshow();
        otherBox->hide();
        box->show();
    } else {
        setRightUIclos();
    }
    const bool now = !on;
    // The other box was only hidden: no off command goes out for it.
    (m_ws->*send)(now ? 1 : 0);
    key.show(now);
    on = now;
    other = false;
}

void HalvaniUI::setBtnPIP()
{
    toggleBox(pipOn, popOn, m_pipBox, m_popBox, &Druvela_workdata::SendCMDPIP, m_pip);
}

void HalvaniUI::setBtnPOP()
{
    toggleBox(popOn, pipOn, m_popBox, m_pipBox, &Druvela_workdata::SendCMDPOP, m_pop);
}

void HalvaniUI::setBtncut()
{
    btnCutStyle(true);
    m_ws->SendCMDCUT();
    if (!pipOn)
        setPGM_PVWCH();
    m_cutTimer->start(300);
}

void HalvaniUI::setTimercut()
{
    btnCutStyle(false);
    m_cutTimer->stop();
}

void HalvaniUI::setBtnAUTO()
{
    btnAutoStyle(true);
    m_ws->SendCMDAUTO();
    // The panel may be closed and deleted during the wait; then nothing more is done.
    if (!onlyFun::Delay_MSec(this, 900))
        return;
    if (!pipOn)
        setPGM_PVWCH();
    btnAutoStyle(false);
}

// This switcher's T-bar reports the stroke up with direction 0 and the stroke
// back with direction 1 and the distance from the top; it takes no 128.
void HalvaniUI::setslider0(int v)
{
    const int top = m_tbar->maximum();
    btnAutoStyle(v > 0 && v < top);
    if (v == top) {
        reachTop([this] { setPGM_PVWCH(); });
        setslider1(v);
        return;
    }
    if (!reverseStroke) {
        m_ws->SwndCMDslider(0, uchar(v));
        return;
    }
    setslider1(v);
}

void HalvaniUI::setslider1(int v)
{
    const int top = m_tbar->maximum();
    const int back = top - v;
    m_ws->SwndCMDslider(1, uchar(back));
    // The stroke back ends at 1, not at 0: a jump from 2 to 0 keeps it going.
    if (back == top - 1)
        reachBottom([this] { setPGM_PVWCH(); });
}

void HalvaniUI::setBtnip()
{
    QPointer<HalvaniUI> self(this);
    QPointer<IPDialog> dialog = new IPDialog(this, m_ws);
    dialog->exec();
    // The dialog is the panel's child: either may have gone during its run.
    if (!self || !dialog)
        return;
    delete dialog.data();
}
