#pragma once
// What the six model panels (HD and 4K families) share: the controller and
// settings windows they own, the construction steps that style their window,
// group boxes, faders and T-bar, their key faces (an image rule and one of
// the controller's colour suffixes), key rows addressed by id, the wipe-group
// faces and the acknowledgement flash. A panel class keeps one FamilyPanel
// and says only which keys it has and how they look.

#include "edition_windows.h"
#include "panel_faces.h"
#include "record_apply.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>

class Joystick_PAGE;
class MyButton;
class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QSlider;
class QWidget;
class QByteArray;
class onlyFun;

class FamilyPanel
{
public:
    enum class Lit { Green, Red, Yellow };

    // The controller (child of panel) and the settings windows (no parent),
    // the key pages named "LUMA" and "CHROMA", no source page; the joystick,
    // where the form has one, drives the same controller.
    void createWindows(QWidget* panel, Joystick_PAGE* joystick);
    // Deletes the settings windows; the controller goes with the panel.
    void deleteWindows() { pages.deleteWindows(); }

    // The bottom bar (SET, SYNC. STATUS, EXIT, version), then the colour
    // suffixes the faces use.
    void setBottomBar(MyButton* set, MyButton* sync, MyButton* exit, QLabel* version);

    // Title "Qavo", frameless (a dialog unless flags say otherwise), a styled background.
    static void styleWindow(QWidget* panel, Qt::WindowFlags flags = Qt::Dialog | Qt::FramelessWindowHint);
    static void styleBusLabels(std::initializer_list<QLabel*> labels);
    // Titled boxes get the rounded grey frame, the others no border.
    static void styleGroupBoxes(std::initializer_list<QGroupBox*> titled, std::initializer_list<QGroupBox*> plain);
    // Audio faders 0..100, the T-bar 0..127.
    static void styleFaders(std::initializer_list<QSlider*> faders);
    static void styleTbar(QSlider* tbar);

    // A key with its unlit and lit pictures in the given image rule.
    void addFace(QWidget* key, PanelFaces::FaceRule rule, const QString& unlit, const QString& lit, Lit colour);
    // The same, the lit picture spelt in its own rule.
    void addFace(QWidget* key, PanelFaces::FaceRule rule, const QString& unlit, PanelFaces::FaceRule litRule,
                 const QString& lit, Lit colour);
    // A second lit face of a key that has one (shown by lightRow's alternate).
    void addAltFace(QWidget* key, PanelFaces::FaceRule rule, const QString& lit, Lit colour);
    // The keys the model panels' forms name alike; a form without one leaves it null.
    struct CommonKeys {
        QWidget *ch1 = nullptr, *ch2 = nullptr, *master = nullptr, *src1 = nullptr, *src2 = nullptr,
                *afvMix = nullptr, *rec = nullptr, *pause = nullptr, *stream = nullptr, *aux = nullptr,
                *still = nullptr, *camMenu = nullptr, *pip = nullptr, *pop = nullptr, *key1 = nullptr,
                *key2 = nullptr, *key3 = nullptr, *ftb = nullptr, *cut = nullptr, *autoKey = nullptr,
                *zAdd = nullptr, *zSub = nullptr, *mix = nullptr, *fade = nullptr, *rate1 = nullptr,
                *rate2 = nullptr, *rate3 = nullptr, *lineCfg = nullptr, *micCfg = nullptr;
    };
    // The keys of the panels with a camera block and CH1, CH2, MASTER on/off keys.
    template <class Form>
    static CommonKeys cameraPanelKeys(Form* ui)
    {
        CommonKeys k = busKeys(ui);
        k.ch1 = ui->btn_ch1;
        k.ch2 = ui->btn_ch2;
        k.master = ui->btn_master;
        k.src1 = ui->btn_src1;
        k.src2 = ui->btn_src2;
        k.afvMix = ui->btn_afv_mix;
        k.aux = ui->btn_aux;
        k.camMenu = ui->btn_cam_meun;
        k.zAdd = ui->btn_z_add;
        k.zSub = ui->btn_z_sub;
        return k;
    }
    // The keys every model panel has: recorder and stream, STILL, the
    // function row, FTB, CUT, AUTO, MIX, FADE, the rates.
    template <class Form>
    static CommonKeys busKeys(Form* ui)
    {
        CommonKeys k;
        k.rec = ui->btn_rec;
        k.pause = ui->btn_pause;
        k.stream = ui->btn_stream;
        k.still = ui->btn_still;
        k.pip = ui->btn_pip;
        k.pop = ui->btn_pop;
        k.key1 = ui->btn_key1;
        k.key2 = ui->btn_key2;
        k.key3 = ui->btn_key3;
        k.ftb = ui->btn_ftb;
        k.cut = ui->btn_cut;
        k.autoKey = ui->btn_auto;
        k.mix = ui->btn_mix;
        k.fade = ui->btn_fade;
        k.rate1 = ui->btn_rate1;
        k.rate2 = ui->btn_rate2;
        k.rate3 = ui->btn_rate3;
        return k;
    }
    // Their faces, from the Druvela folder where the key has a picture of its own.
    void addCommonFaces(const CommonKeys& keys);
    // The colour-bar keys of the program (red) and preview (green) rows.
    void addBarFaces(QWidget* pgmBar, QWidget* pvwBar);
    // Input n of the program row (red) and of the preview row (green).
    void addInputFaces(QWidget* pgm, QWidget* pvw, int n);
    // A key that only ever shows one picture, unlit.
    void setPlainFace(QWidget* key, PanelFaces::FaceRule rule, const QString& picture) const;
    void show(QWidget* key, bool on) const;
    // Lights key, waits with events running, unlights it; false when owner went meanwhile.
    bool flash(QObject* owner, QWidget* key, unsigned ms) const;

    // A button group of (key, id) pairs, child of parent.
    static QButtonGroup* keyGroup(QObject* parent, std::initializer_list<std::pair<QAbstractButton*, int>> keys);
    // Every key of the group unlit; then one key, by id, lit (ids without a key: nothing).
    void resetRow(const QButtonGroup* group) const;
    void lightRow(const QButtonGroup* group, int id, bool alternate = false) const;

    // An on/off key: the flag flipped and shown; device state 0 or 1 taken, other values ignored.
    void toggleLamp(uint8_t& flag, QWidget* key) const;
    void followLamp(uint8_t& flag, QWidget* key, quint8 v) const;

    // A wipe group's face: the effect stored for it in ICON_CURRENT_INDEX,
    // read signed (a device byte 0 names effect -1, a picture the set lacks),
    // from root + "white|green/special_effect/GROUP<g>/SFX<n>" + extension.
    QString sfxFaceStyle(const QString& root, const QString& extension, int group, bool lit) const;

    // The transition block: MIX (id 0), FADE (1) and the wipe groups 1..10
    // (ids 2..11), whose faces come from sfxRoot (see sfxFaceStyle).
    using TransitionKeys = std::array<QAbstractButton*, 12>;
    template <class Form>
    static TransitionKeys transitionKeys(Form* ui)
    {
        return {ui->btn_mix,    ui->btn_fade,   ui->btnGroup1, ui->btnGroup2, ui->btnGroup3, ui->btnGroup4,
                ui->btnGroup5, ui->btnGroup6, ui->btnGroup7, ui->btnGroup8, ui->btnGroup9, ui->btnGroup10};
    }
    void setTransitions(const TransitionKeys& keys, const QString& sfxRoot, const QString& sfxExtension);
    // The keys in a button group by their ids, child of parent.
    QButtonGroup* transitionGroup(QObject* parent) const;
    QString wipeFaceStyle(int group, bool lit) const { return sfxFaceStyle(m_sfxRoot, m_sfxExtension, group, lit); }
    void resetTransitions() const;
    // One key lit by id; callers reset the block first.
    void lightTransition(int id) const;
    // A clicked transition: the block reset, a wipe group's effect stored, the key lit.
    void showTransition(quint8 id, quint8 icon) const;
    // The device's transition: kind 1 MIX, 2 FADE, 4 or 8 the wipe group holding effect cur.
    void showTransitionState(quint8 kind, quint8 cur, const quint8 (&groups)[10]) const;
    void lightTransitionGroup(quint8 cur, const quint8 (&groups)[10]) const;

    // The T-bar report under the family rule, to the lever and the AUTO lamp.
    void applyTbarReply(const QByteArray& reply, QSlider* tbar, QWidget* autoKey) const;

    // The function row (PIP, POP, KEY1, KEY2, KEY3): every key unlit and its window closed.
    using FunctionKeys = std::array<QWidget*, 5>;
    void resetFunctions(const FunctionKeys& keys) const;
    // After the reset, key idx (1..5) takes its own flag and its window opens when set; other idx: nothing.
    void showFunction(const FunctionKeys& keys, int idx, const std::array<bool, 5>& on) const;

    // The dump's fields every model panel shows through its device-state
    // operations of the same names: levels, FTB, STILL, rate. PGM, PVW and
    // the channel keys are left to the panel.
    template <class Panel>
    static DevState::PanelFields sharedFields(Panel* p)
    {
        DevState::PanelFields d;
        d.ch1Level = [p](quint8 v) { p->set_CH1VOL_Style(v); };
        d.ch2Level = [p](quint8 v) { p->set_CH2VOL_Style(v); };
        d.master = [p](quint8 v) { p->set_MasterVOL_Style(v); };
        d.ftb = [p](quint8 v) { p->set_FTB_Style(v); };
        d.still = [p](quint8 v) { p->set_Stll_Style(v); };
        d.rate = [p](quint8 v) { p->set_Rate_Style(v); };
        return d;
    }
    // With the on/off keys of CH1, CH2 and MASTER and the controller's audio mode.
    template <class Panel>
    DevState::PanelFields channelKeyFields(Panel* p) const
    {
        DevState::PanelFields d = sharedFields(p);
        onlyFun* f = fun;
        d.audioMode = [f](quint8 v) { setAudioMode(f, v); };
        d.ch1On = [p](quint8 v) { p->set_CH1_Enable(v); };
        d.ch2On = [p](quint8 v) { p->set_CH2_Enable(v); };
        d.masterOn = [p](quint8 v) { p->set_Master_Enable(v); };
        return d;
    }

    // Where a state dump goes: the panel's keys (fields), the controller and
    // every settings window; neither the HDR byte nor the settings window's
    // microphone entry.
    DevState::RecordTargets recordTargets() const;
    // A state reply of at least minSize bytes, type 0x0A, record status 0:
    // the panel's own first step, every field, the panel's own last step,
    // then (where the panel reads it) the record and stream status when its
    // length field lies inside the datagram, all under the device-state
    // guard. Anything else is ignored whole.
    using RecordStep = std::function<void(const DevState::Record&)>;
    struct StateRules {
        int minSize = DevState::kFamilyMinDumpSize;
        RecordStep first, last;
        bool readsStatus = true;
    };
    static void applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                const DevState::RecordTargets& to, const StateRules& rules);
    static void applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                const DevState::RecordTargets& to);

    // LINE CFG (line) or MIC CFG: the key lit, a wait, the panel's signals
    // enable the audio window's row, the window shows and the key goes dark;
    // nothing after the wait when the panel went meanwhile.
    template <class Panel>
    void openAudioRow(Panel* panel, QWidget* key, bool line) const
    {
        flashAudioRow(panel, key, [panel, line] {
            if (line) {
                emit panel->show_lnge_cfg(true);
                emit panel->show_mic_cfg(false);
            } else {
                emit panel->show_mic_cfg(true);
                emit panel->show_lnge_cfg(false);
            }
        });
    }

    onlyFun* fun = nullptr;
    EditionWindows pages;
    QString white, red, green, yellow;

private:
    void flashAudioRow(QObject* owner, QWidget* key, const std::function<void()>& pickRow) const;
    static void setAudioMode(onlyFun* f, quint8 v);
    QString suffix(Lit colour) const;
    QHash<const QWidget*, PanelFaces::Face> m_faces;
    QHash<const QWidget*, QString> m_altFaces;
    TransitionKeys m_transitions{};
    QString m_sfxRoot, m_sfxExtension;
};
