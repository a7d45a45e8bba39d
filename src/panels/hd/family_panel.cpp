#include "family_panel.h"

#include "audio_page.h"
#include "joystick_page.h"
#include "key_page.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "model_tables.h"
#include "my_button.h"
#include "onlyfun.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

using PanelFaces::FaceRule;

namespace {
constexpr int kWipeGroups = 10;
constexpr unsigned kFlashAudioCfg = 400;
}

void FamilyPanel::createWindows(QWidget* panel, Joystick_PAGE* joystick)
{
    fun = new onlyFun(panel);
    // These panels name their key pages so that the controller's key rules
    // leave them alone: they open and close, and send and show nothing.
    pages.create(fun, nullptr, QStringLiteral("LUMA"), QStringLiteral("CHROMA"), false);
    if (joystick)
        joystick->getOnlyfunPoint(fun);
}

void FamilyPanel::setBottomBar(MyButton* set, MyButton* sync, MyButton* exit, QLabel* version)
{
    fun->setBottonFun(set, sync, exit, version);
    white = fun->setColorWhite();
    red = fun->setColorRed();
    green = fun->setColorGreen();
    yellow = fun->setColorYellow();
}

void FamilyPanel::styleWindow(QWidget* panel, Qt::WindowFlags flags)
{
    panel->setWindowTitle(QStringLiteral("Qavo"));
    panel->setWindowFlags(flags);
    panel->setAttribute(Qt::WA_StyledBackground);
}

void FamilyPanel::styleBusLabels(std::initializer_list<QLabel*> labels)
{
    for (QLabel* l : labels)
        l->setStyleSheet(QStringLiteral("color:white;"));
}

void FamilyPanel::styleGroupBoxes(std::initializer_list<QGroupBox*> titled, std::initializer_list<QGroupBox*> plain)
{
    // "top centre" is no valid position: the title stays where Qt puts it.
    const QString frame = QStringLiteral(
        "QGroupBox{font-size:18px;font-weight:bold;margin-top:2ex;color:#898989;border:2px solid rgb(137,137,137);"
        "border-radius:15px}QGroupBox::title{subcontrol-origin: margin;subcontrol-position:top centre;padding:3 3px;}");
    for (QGroupBox* g : titled)
        g->setStyleSheet(frame);
    for (QGroupBox* g : plain)
        g->setStyleSheet(QStringLiteral("border:0px;"));
}

void FamilyPanel::styleFaders(std::initializer_list<QSlider*> faders)
{
    const QString style = QStringLiteral(
        "QSlider::groove:vertical {border: 1px solid ;border-radius:5px;background-color:rgb(31,31,31);}"
        "QSlider::handle:vertical {border-image: url(:/images/StyleSheet/vslider_2.png);width: 19px;height: 35px;}");
    for (QSlider* s : faders) {
        s->setRange(0, 100);
        s->setSingleStep(1);
        s->setTickInterval(20);
        s->setStyleSheet(style);
    }
}

void FamilyPanel::styleTbar(QSlider* tbar)
{
    tbar->setRange(0, 127);
    tbar->setSingleStep(1);
    tbar->setTickInterval(20);
    // "width: 136;" has no unit and is dropped by Qt; the handle takes the slider's width.
    tbar->setStyleSheet(QStringLiteral(
        "QSlider::groove:vertical {border: 0px solid ;border-image: url(:/images/StyleSheet/vsliderbg.png);}"
        "QSlider::handle:vertical {border-image: url(:/images/StyleSheet/vslider.png);width: 136;height: 37px;}"));
}

QString FamilyPanel::suffix(Lit colour) const
{
    switch (colour) {
    case Lit::Red:
        return red;
    case Lit::Yellow:
        return yellow;
    case Lit::Green:
        break;
    }
    return green;
}

void FamilyPanel::addFace(QWidget* key, FaceRule rule, const QString& unlit, const QString& lit, Lit colour)
{
    m_faces.insert(key, PanelFaces::framedFace(rule, unlit, white, lit, suffix(colour)));
}

void FamilyPanel::addFace(QWidget* key, FaceRule rule, const QString& unlit, FaceRule litRule, const QString& lit,
                          Lit colour)
{
    PanelFaces::Face face = PanelFaces::framedFace(rule, unlit, white, lit, suffix(colour));
    face.litRule = litRule;
    m_faces.insert(key, face);
}

void FamilyPanel::addAltFace(QWidget* key, FaceRule rule, const QString& lit, Lit colour)
{
    m_altFaces.insert(key, PanelFaces::faceStyle(QStringLiteral("QPushButton"), rule, lit) + suffix(colour));
}

void FamilyPanel::addCommonFaces(const CommonKeys& k)
{
    const QString druvela = QStringLiteral(":/images/Druvela/");
    auto own = [this, &druvela](QWidget* key, FaceRule rule, const QString& file) {
        if (key)
            addFace(key, rule, druvela + QStringLiteral("white/") + file, druvela + QStringLiteral("green/") + file,
                    Lit::Green);
    };
    auto shared = [this](QWidget* key, FaceRule rule, const QString& unlit, const QString& lit, Lit colour) {
        if (key)
            addFace(key, rule, QStringLiteral(":/images/") + unlit, QStringLiteral(":/images/") + lit, colour);
    };
    own(k.ch1, FaceRule::Image, QStringLiteral("CH1.bmp"));
    own(k.ch2, FaceRule::Image, QStringLiteral("CH2.bmp"));
    own(k.master, FaceRule::Image, QStringLiteral("MASTER.bmp"));
    own(k.src1, FaceRule::Image, QStringLiteral("SRC1.bmp"));
    own(k.src2, FaceRule::Image, QStringLiteral("SRC2.bmp"));
    shared(k.afvMix, FaceRule::ImageSpaced, QStringLiteral("white/MIX.bmp"), QStringLiteral("green/AFV.bmp"),
           Lit::Green);
    own(k.rec, FaceRule::ImageSpaced, QStringLiteral("REC.bmp"));
    own(k.pause, FaceRule::ImageSpaced, QStringLiteral("PAUSE.bmp"));
    own(k.stream, FaceRule::ImageSpaced, QStringLiteral("STREAM.bmp"));
    own(k.lineCfg, FaceRule::ImageSpaced, QStringLiteral("LNGE_CFG.bmp"));
    own(k.micCfg, FaceRule::ImageSpaced, QStringLiteral("MIC_CFG.bmp"));
    own(k.aux, FaceRule::ImageSpaced, QStringLiteral("M_AUX.bmp"));
    shared(k.still, FaceRule::ImageSpaced, QStringLiteral("white/STILL.bmp"), QStringLiteral("green/STILL.bmp"),
           Lit::Green);
    own(k.camMenu, FaceRule::ImageSpaced, QStringLiteral("CAM_MEUN.bmp"));
    shared(k.pip, FaceRule::ImageSpaced, QStringLiteral("white/PIP.bmp"), QStringLiteral("green/PIP.bmp"), Lit::Green);
    // The lit POP picture is spelt in lower case.
    shared(k.pop, FaceRule::ImageTight, QStringLiteral("white/POP.bmp"), QStringLiteral("green/pop.bmp"), Lit::Green);
    own(k.key1, FaceRule::ImageSpaced, QStringLiteral("switcher_key1_w.bmp"));
    own(k.key2, FaceRule::ImageSpaced, QStringLiteral("switcher_key2_w.bmp"));
    own(k.key3, FaceRule::ImageSpaced, QStringLiteral("switcher_key3_w.bmp"));
    shared(k.ftb, FaceRule::ImageTight, QStringLiteral("white/FTB.bmp"), QStringLiteral("red/FTB.bmp"), Lit::Red);
    shared(k.cut, FaceRule::ImageTight, QStringLiteral("white/CUT.bmp"), QStringLiteral("red/CUT.bmp"), Lit::Red);
    shared(k.autoKey, FaceRule::ImageTight, QStringLiteral("white/AUTO.bmp"), QStringLiteral("red/AUTO.bmp"),
           Lit::Red);
    own(k.zAdd, FaceRule::ImageTight, QStringLiteral("Z+.bmp"));
    own(k.zSub, FaceRule::ImageTight, QStringLiteral("Z-.bmp"));
    shared(k.mix, FaceRule::ImageTight, QStringLiteral("white/MIX.bmp"), QStringLiteral("green/MIX.bmp"), Lit::Green);
    shared(k.fade, FaceRule::ImageTight, QStringLiteral("white/FADE.bmp"), QStringLiteral("green/FADE.bmp"),
           Lit::Green);
    QWidget* const rates[] = {k.rate1, k.rate2, k.rate3};
    for (int r = 1; r <= 3; ++r)
        shared(rates[r - 1], FaceRule::ImageTight, QStringLiteral("white/RATE%1.bmp").arg(r),
               QStringLiteral("green/RATE%1.bmp").arg(r), Lit::Green);
}

void FamilyPanel::addBarFaces(QWidget* pgmBar, QWidget* pvwBar)
{
    addFace(pgmBar, FaceRule::ImageTight, QStringLiteral(":/images/white/BAR.bmp"),
            QStringLiteral(":/images/red/BAR.bmp"), Lit::Red);
    addFace(pvwBar, FaceRule::ImageTight, QStringLiteral(":/images/white/BAR.bmp"),
            QStringLiteral(":/images/green/BAR.bmp"), Lit::Green);
}

void FamilyPanel::flashAudioRow(QObject* owner, QWidget* key, const std::function<void()>& pickRow) const
{
    show(key, true);
    if (!onlyFun::Delay_MSec(owner, kFlashAudioCfg))
        return;
    pickRow();
    pages.audio->show();
    show(key, false);
}

void FamilyPanel::addInputFaces(QWidget* pgm, QWidget* pvw, int n)
{
    const QString png = QStringLiteral("/png/%1.png").arg(n);
    const QString root = QStringLiteral(":/images/");
    addFace(pgm, FaceRule::ImageTight, root + QStringLiteral("white") + png, root + QStringLiteral("red") + png,
            Lit::Red);
    addFace(pvw, FaceRule::ImageTight, root + QStringLiteral("white") + png, root + QStringLiteral("green") + png,
            Lit::Green);
}

void FamilyPanel::setPlainFace(QWidget* key, FaceRule rule, const QString& picture) const
{
    key->setStyleSheet(PanelFaces::faceStyle(QStringLiteral("QPushButton"), rule, picture) + white);
}

void FamilyPanel::show(QWidget* key, bool on) const
{
    const auto it = m_faces.constFind(key);
    if (it != m_faces.constEnd())
        PanelFaces::showFace(key, *it, on);
}

bool FamilyPanel::flash(QObject* owner, QWidget* key, unsigned ms) const
{
    return PanelFaces::flash(
        owner, [this, key](bool on) { show(key, on); }, [](unsigned wait) { onlyFun::Delay_MSec(wait); }, ms);
}

QButtonGroup* FamilyPanel::keyGroup(QObject* parent, std::initializer_list<std::pair<QAbstractButton*, int>> keys)
{
    auto* group = new QButtonGroup(parent);
    for (const auto& k : keys)
        group->addButton(k.first, k.second);
    return group;
}

void FamilyPanel::resetRow(const QButtonGroup* group) const
{
    for (QAbstractButton* b : group->buttons())
        show(b, false);
}

void FamilyPanel::lightRow(const QButtonGroup* group, int id, bool alternate) const
{
    QAbstractButton* b = group->button(id);
    if (!b)
        return;
    const auto alt = m_altFaces.constFind(b);
    if (alternate && alt != m_altFaces.constEnd())
        b->setStyleSheet(*alt);
    else
        show(b, true);
}

QString FamilyPanel::sfxFaceStyle(const QString& root, const QString& extension, int group, bool lit) const
{
    const qint32 icon = qint32(ICON_CURRENT_INDEX[group - 1]);
    const QString path = root + (lit ? QStringLiteral("green") : QStringLiteral("white")) +
                         QStringLiteral("/special_effect/GROUP%1/SFX").arg(group) + QString::number(icon) + extension;
    return PanelFaces::faceStyle(QStringLiteral("QPushButton"), FaceRule::ImageTight, path) + (lit ? green : white);
}

void FamilyPanel::toggleLamp(uint8_t& flag, QWidget* key) const
{
    flag ^= 1;
    show(key, flag != 0);
}

void FamilyPanel::followLamp(uint8_t& flag, QWidget* key, quint8 v) const
{
    if (v > 1)
        return;
    flag = v;
    show(key, v == 1);
}

void FamilyPanel::setTransitions(const TransitionKeys& keys, const QString& sfxRoot, const QString& sfxExtension)
{
    m_transitions = keys;
    m_sfxRoot = sfxRoot;
    m_sfxExtension = sfxExtension;
}

QButtonGroup* FamilyPanel::transitionGroup(QObject* parent) const
{
    auto* group = new QButtonGroup(parent);
    for (size_t id = 0; id < m_transitions.size(); ++id)
        group->addButton(m_transitions[id], int(id));
    return group;
}

void FamilyPanel::resetTransitions() const
{
    show(m_transitions[0], false);
    show(m_transitions[1], false);
    for (int g = 1; g <= kWipeGroups; ++g)
        m_transitions[size_t(g + 1)]->setStyleSheet(wipeFaceStyle(g, false));
}

void FamilyPanel::lightTransition(int id) const
{
    if (id == 0 || id == 1)
        show(m_transitions[size_t(id)], true);
    else if (id >= 2 && id <= kWipeGroups + 1)
        m_transitions[size_t(id)]->setStyleSheet(wipeFaceStyle(id - 1, true));
}

void FamilyPanel::showTransition(quint8 id, quint8 icon) const
{
    resetTransitions();
    if (id >= 2 && id <= kWipeGroups + 1)
        ICON_CURRENT_INDEX[id - 2] = icon;
    lightTransition(id);
}

void FamilyPanel::showTransitionState(quint8 kind, quint8 cur, const quint8 (&groups)[10]) const
{
    DevState::storeGroupIcons(groups);
    resetTransitions();
    if (kind == 1)
        lightTransition(0);
    else if (kind == 2)
        lightTransition(1);
    else if (kind == 4 || kind == 8)
        lightTransitionGroup(cur, groups);
}

void FamilyPanel::lightTransitionGroup(quint8 cur, const quint8 (&groups)[10]) const
{
    for (int i = 0; i < kWipeGroups; ++i) {
        if (groups[i] == cur) {
            lightTransition(i + 2);
            return;
        }
    }
}

void FamilyPanel::applyTbarReply(const QByteArray& reply, QSlider* tbar, QWidget* autoKey) const
{
    DevState::TbarReport t;
    if (!DevState::readTbarReport(reply, t, DevState::TbarRule::Family))
        return;
    DevStateGuard guard;
    if (t.moves)
        tbar->setValue(t.lever);
    if (t.showsAuto)
        show(autoKey, t.autoLit);
}

void FamilyPanel::resetFunctions(const FunctionKeys& keys) const
{
    for (QWidget* k : keys)
        show(k, false);
    for (QWidget* page : {static_cast<QWidget*>(pages.pip), static_cast<QWidget*>(pages.pop),
                          static_cast<QWidget*>(pages.luma), static_cast<QWidget*>(pages.chroma),
                          static_cast<QWidget*>(pages.pattern)})
        page->close();
}

void FamilyPanel::showFunction(const FunctionKeys& keys, int idx, const std::array<bool, 5>& on) const
{
    resetFunctions(keys);
    if (idx < 1 || idx > 5)
        return;
    QWidget* const windows[5] = {pages.pip, pages.pop, pages.luma, pages.chroma, pages.pattern};
    const size_t i = size_t(idx - 1);
    show(keys[i], on[i]);
    if (on[i])
        windows[i]->show();
}

void FamilyPanel::setAudioMode(onlyFun* f, quint8 v) { f->set_AFVorMIX_Style(v); }

DevState::RecordTargets FamilyPanel::recordTargets() const
{
    DevState::RecordTargets to;
    to.fun = fun;
    to.pip = pages.pip;
    to.pop = pages.pop;
    to.luma = pages.luma;
    to.chroma = pages.chroma;
    to.pattern = pages.pattern;
    to.cam = pages.cam;
    to.menu = pages.menu;
    to.audio = pages.audio;
    to.readsF7Mode = false;
    to.readsHdr = false;
    to.menuShowsMic = false;
    return to;
}

void FamilyPanel::applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                  const DevState::RecordTargets& to)
{
    applyStateReply(reply, fields, to, StateRules());
}

void FamilyPanel::applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                  const DevState::RecordTargets& to, const StateRules& rules)
{
    DevState::StateDump dump;
    if (!DevState::decodeStateDump(reply, rules.minSize, dump))
        return;
    DevStateGuard guard;
    if (rules.first)
        rules.first(dump.record);
    DevState::applyRecord(dump.record, dump.record.present, fields, to);
    if (rules.last)
        rules.last(dump.record);
    if (rules.readsStatus && dump.hasStatus)
        DevState::applyRecStreamStatus(dump.status, to);
}
