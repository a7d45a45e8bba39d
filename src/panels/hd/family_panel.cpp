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
#include "widget_show.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QSlider>

#include <algorithm>

using PanelFaces::FaceRule;

namespace {
constexpr int kWipeGroups = 10;

QWidget* named(const QWidget* window, const char* name)
{
    return window->findChild<QWidget*>(QLatin1String(name));
}
}

void FamilyPanel::createWindows(QWidget* panel, Joystick_PAGE* joystick, bool withAudio)
{
    fun = new onlyFun(panel);
    // These panels name their key pages so that the controller's key rules
    // leave them alone: they open and close, and send and show nothing.
    pages.create(fun, nullptr, QStringLiteral("LUMA"), QStringLiteral("CHROMA"), false, withAudio);
    if (joystick)
        joystick->getOnlyfunPoint(fun);
}

FamilyPanel::CommonKeys FamilyPanel::commonKeys(const QWidget* w)
{
    CommonKeys k;
    k.ch1 = named(w, "btn_ch1");
    k.ch2 = named(w, "btn_ch2");
    k.ch3 = named(w, "btn_ch3");
    k.master = named(w, "btn_master");
    k.src1 = named(w, "btn_src1");
    k.src2 = named(w, "btn_src2");
    k.src3 = named(w, "btn_src3");
    k.afvMix = named(w, "btn_afv_mix");
    k.rec = named(w, "btn_rec");
    k.pause = named(w, "btn_pause");
    k.stream = named(w, "btn_stream");
    k.aux = named(w, "btn_aux");
    k.hdrOn = named(w, "btn_hdr_on");
    k.still = named(w, "btn_still");
    if (!k.still)
        k.still = named(w, "btn_pgm_Still");
    k.camMenu = named(w, "btn_cam_meun");
    k.pip = named(w, "btn_pip");
    k.pop = named(w, "btn_pop");
    k.key1 = named(w, "btn_key1");
    k.key2 = named(w, "btn_key2");
    k.key3 = named(w, "btn_key3");
    k.ftb = named(w, "btn_ftb");
    k.cut = named(w, "btn_cut");
    k.autoKey = named(w, "btn_auto");
    k.zAdd = named(w, "btn_z_add");
    k.zSub = named(w, "btn_z_sub");
    k.mix = named(w, "btn_mix");
    k.fade = named(w, "btn_fade");
    k.rate1 = named(w, "btn_rate1");
    k.rate2 = named(w, "btn_rate2");
    k.rate3 = named(w, "btn_rate3");
    k.lineCfg = named(w, "btn_lnge_cfg");
    k.micCfg = named(w, "btn_mic_cfg");
    k.focusAdd = named(w, "btn_focus_add");
    k.focusSub = named(w, "btn_focus_sub");
    k.setPreset = named(w, "btn_set_preset");
    k.gotoPreset = named(w, "btn_goto_preset");
    k.shift = named(w, "btn_shift");
    return k;
}

FamilyPanel::TransitionKeys FamilyPanel::transitionKeys(const QWidget* w)
{
    TransitionKeys keys{};
    keys[0] = w->findChild<QAbstractButton*>(QStringLiteral("btn_mix"));
    keys[1] = w->findChild<QAbstractButton*>(QStringLiteral("btn_fade"));
    for (int g = 1; g <= kWipeGroups; ++g)
        keys[size_t(g + 1)] = w->findChild<QAbstractButton*>(QStringLiteral("btnGroup%1").arg(g));
    return keys;
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
        if (!s)
            continue;
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

void FamilyPanel::addModeFaces(QWidget* key, FaceRule rule, const QString& off, const QString& on, Lit colour)
{
    m_faces.insert(key, PanelFaces::framedFace(rule, off, suffix(colour), on, suffix(colour)));
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
    if (k.ch3)
        addFace(k.ch3, FaceRule::Image, QStringLiteral(":/images/Kavrelo/white/CH3.bmp"),
                QStringLiteral(":/images/Kavrelo/green/CH3.bmp"), Lit::Green);
    own(k.master, FaceRule::Image, QStringLiteral("MASTER.bmp"));
    own(k.src1, FaceRule::Image, QStringLiteral("SRC1.bmp"));
    own(k.src2, FaceRule::Image, QStringLiteral("SRC2.bmp"));
    if (k.src3)
        addFace(k.src3, FaceRule::Image, QStringLiteral(":/images/Tavrine/white/SRC3.bmp"),
                QStringLiteral(":/images/Tavrine/green/SRC3.bmp"), Lit::Green);
    shared(k.afvMix, FaceRule::ImageSpaced, QStringLiteral("white/MIX.bmp"), QStringLiteral("green/AFV.bmp"),
           Lit::Green);
    own(k.rec, FaceRule::ImageSpaced, QStringLiteral("REC.bmp"));
    own(k.pause, FaceRule::ImageSpaced, QStringLiteral("PAUSE.bmp"));
    own(k.stream, FaceRule::ImageSpaced, QStringLiteral("STREAM.bmp"));
    own(k.lineCfg, FaceRule::ImageSpaced, QStringLiteral("LNGE_CFG.bmp"));
    own(k.micCfg, FaceRule::ImageSpaced, QStringLiteral("MIC_CFG.bmp"));
    own(k.aux, FaceRule::ImageSpaced, QStringLiteral("M_AUX.bmp"));
    shared(k.hdrOn, FaceRule::ImageSpaced, QStringLiteral("white/HDR_ON.bmp"), QStringLiteral("green/HDR_ON.bmp"),
           Lit::Green);
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
    const std::pair<QWidget*, const char*> keypadNeighbours[] = {
        {k.focusAdd, "F+.bmp"}, {k.focusSub, "F-.bmp"}, {k.setPreset, "SET_PRESET.bmp"},
        {k.gotoPreset, "GOTO_PRESET.bmp"}, {k.shift, "SHIFT.bmp"}};
    for (const auto& n : keypadNeighbours)
        shared(n.first, FaceRule::ImageTight, QStringLiteral("Kavrelo/white/") + QLatin1String(n.second),
               QStringLiteral("Kavrelo/green/") + QLatin1String(n.second), Lit::Green);
}

void FamilyPanel::addKeypadFaces(const std::array<QAbstractButton*, 10>& digits)
{
    // Unlit in the plain spelling, lit in the tight one.
    for (int d = 0; d <= 9; ++d)
        addFace(digits[size_t(d)], FaceRule::Image, QStringLiteral(":/images/Kavrelo/white/cal_%1.bmp").arg(d),
                FaceRule::ImageTight, QStringLiteral(":/images/Kavrelo/green/cal_%1.bmp").arg(d), Lit::Green);
}

void FamilyPanel::addBarFaces(QWidget* pgmBar, QWidget* pvwBar)
{
    addFace(pgmBar, FaceRule::ImageTight, QStringLiteral(":/images/white/BAR.bmp"),
            QStringLiteral(":/images/red/BAR.bmp"), Lit::Red);
    addFace(pvwBar, FaceRule::ImageTight, QStringLiteral(":/images/white/BAR.bmp"),
            QStringLiteral(":/images/green/BAR.bmp"), Lit::Green);
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

void FamilyPanel::addCameraFaces(std::initializer_list<QWidget*> cameras)
{
    int n = 0;
    for (QWidget* cam : cameras) {
        ++n;
        addFace(cam, FaceRule::ImageTight, QStringLiteral(":/images/Druvela/white/%1.png").arg(n),
                QStringLiteral(":/images/Druvela/green/cam_%1.bmp").arg(n), Lit::Green);
    }
}

void FamilyPanel::setPlainFace(QWidget* key, FaceRule rule, const QString& picture) const
{
    showSheet(key, PanelFaces::faceStyle(QStringLiteral("QPushButton"), rule, picture) + white);
}

void FamilyPanel::show(QWidget* key, bool on) const
{
    const auto it = m_faces.constFind(key);
    if (key && it != m_faces.constEnd())
        showSheet(key, it->style(on));
}

void FamilyPanel::showSheet(QWidget* key, const QString& sheet) const
{
    if (!m_holding) {
        Show::sheet(key, sheet);
        return;
    }
    for (auto& held : m_held) {
        if (held.first == key) {
            held.second = sheet;
            return;
        }
    }
    m_held.emplace_back(key, sheet);
}

FamilyPanel::HeldFaces::HeldFaces(const FamilyPanel& kit)
    : m_kit(kit)
    , m_outer(!kit.m_holding)
{
    m_kit.m_holding = true;
}

FamilyPanel::HeldFaces::~HeldFaces()
{
    if (!m_outer)
        return;
    m_kit.m_holding = false;
    std::vector<std::pair<QPointer<QWidget>, QString>> held;
    held.swap(m_kit.m_held);
    for (const auto& key : held)
        Show::sheet(key.first, key.second);
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
    if (!group)
        return;
    for (QAbstractButton* b : group->buttons())
        show(b, false);
}

void FamilyPanel::lightRow(const QButtonGroup* group, int id, bool alternate) const
{
    QAbstractButton* b = group ? group->button(id) : nullptr;
    if (!b)
        return;
    const auto alt = m_altFaces.constFind(b);
    if (alternate && alt != m_altFaces.constEnd())
        showSheet(b, *alt);
    else
        show(b, true);
}

void FamilyPanel::showRow(const QButtonGroup* group, int id, bool alternate) const
{
    if (!group)
        return;
    PanelFaces::showRow(group, id, [this, alternate](QAbstractButton* key, bool on) {
        const auto alt = m_altFaces.constFind(key);
        if (on && alternate && alt != m_altFaces.constEnd())
            showSheet(key, *alt);
        else
            show(key, on);
    });
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
        if (m_transitions[id])
            group->addButton(m_transitions[id], int(id));
    return group;
}

QAbstractButton* FamilyPanel::transitionKey(int id) const
{
    return id >= 0 && id <= kWipeGroups + 1 ? m_transitions[size_t(id)] : nullptr;
}

void FamilyPanel::showTransitionKey(int id, bool lit) const
{
    QAbstractButton* key = transitionKey(id);
    if (!key)
        return;
    if (id < 2 || m_faces.contains(key))
        show(key, lit);
    else
        showSheet(key, wipeFaceStyle(id - 1, lit));
}

void FamilyPanel::resetTransitions() const { showTransitions(-1); }

void FamilyPanel::showTransitions(int lit) const
{
    for (int id = 0; id <= kWipeGroups + 1; ++id)
        showTransitionKey(id, id == lit);
}

void FamilyPanel::lightTransition(int id) const { showTransitionKey(id, true); }

void FamilyPanel::showTransition(quint8 id, quint8 icon) const
{
    if (id >= 2 && transitionKey(id))
        ICON_CURRENT_INDEX[id - 2] = icon;
    showTransitions(id);
}

void FamilyPanel::showTransitionState(quint8 kind, quint8 cur, const quint8 (&groups)[10]) const
{
    DevState::storeGroupIcons(groups);
    const auto hasKey = [this](int id) { return transitionKey(id) != nullptr; };
    showTransitions(DevState::litTransition(kind, cur, groups, hasKey));
}

void FamilyPanel::lightTransitionGroup(quint8 cur, const quint8 (&groups)[10]) const
{
    for (int i = 0; i < kWipeGroups; ++i) {
        if (transitionKey(i + 2) && groups[i] == cur) {
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
        Show::value(tbar, t.lever);
    if (t.showsAuto)
        show(autoKey, t.autoLit);
}

void FamilyPanel::resetFunctions(const FunctionKeys& keys) const { showFunction(keys, 0, {}); }

void FamilyPanel::showFunction(const FunctionKeys& keys, int idx, const std::array<bool, 5>& on) const
{
    const int lit = idx >= 1 && idx <= 5 && on[size_t(idx - 1)] ? idx : 0;
    QWidget* const litKey = lit ? keys[size_t(lit - 1)] : nullptr;
    // A key may stand for two functions (the pattern on Tavrine's KEY2): it is
    // lit when either is, and shown once.
    for (auto k = keys.begin(); k != keys.end(); ++k)
        if (std::find(keys.begin(), k, *k) == k)
            show(*k, *k == litKey);
    pages.showFunctionWindow(lit);
}

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
    to.audio = pages.audio;  // null on a panel without the audio page
    to.readsF7Mode = false;
    to.readsHdr = false;
    to.menuShowsMic = false;
    return to;
}
