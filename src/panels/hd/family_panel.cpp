#include "family_panel.h"

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

void FamilyPanel::styleWindow(QWidget* panel)
{
    panel->setWindowTitle(QStringLiteral("Qavo"));
    panel->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
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

void FamilyPanel::lightRow(const QButtonGroup* group, int id) const
{
    if (QAbstractButton* b = group->button(id))
        show(b, true);
}

QString FamilyPanel::sfxFaceStyle(const QString& root, const QString& extension, int group, bool lit) const
{
    const qint32 icon = qint32(ICON_CURRENT_INDEX[group - 1]);
    const QString path = root + (lit ? QStringLiteral("green") : QStringLiteral("white")) +
                         QStringLiteral("/special_effect/GROUP%1/SFX").arg(group) + QString::number(icon) + extension;
    return PanelFaces::faceStyle(QStringLiteral("QPushButton"), FaceRule::ImageTight, path) + (lit ? green : white);
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
    DevState::StateDump dump;
    if (!DevState::decodeStateDump(reply, DevState::kFamilyMinDumpSize, dump))
        return;
    DevStateGuard guard;
    DevState::applyRecord(dump.record, dump.record.present, fields, to);
    if (dump.hasStatus)
        DevState::applyRecStreamStatus(dump.status, to);
}
