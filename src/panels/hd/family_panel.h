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

    // Title "Qavo", a frameless dialog with a styled background.
    static void styleWindow(QWidget* panel);
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
    // The faces of the keys every model panel's form names alike (the audio
    // keys of CH1, CH2 and MASTER, recorder and stream, AUX, STILL, CAM MENU,
    // the function row, FTB, CUT, AUTO, zoom, MIX, FADE, the rates), from
    // the panel's own picture folder where the key has its own picture.
    template <class Form>
    void addCommonFaces(Form* ui, const QString& ownRoot)
    {
        addCommonFaces({ui->btn_ch1, ui->btn_ch2, ui->btn_master, ui->btn_src1, ui->btn_src2, ui->btn_afv_mix,
                        ui->btn_rec, ui->btn_pause, ui->btn_stream, ui->btn_aux, ui->btn_still, ui->btn_cam_meun,
                        ui->btn_pip, ui->btn_pop, ui->btn_key1, ui->btn_key2, ui->btn_key3, ui->btn_ftb, ui->btn_cut,
                        ui->btn_auto, ui->btn_z_add, ui->btn_z_sub, ui->btn_mix, ui->btn_fade, ui->btn_rate1,
                        ui->btn_rate2, ui->btn_rate3},
                       ownRoot);
    }
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
    // operations of the same names; PGM and PVW are left to the panel.
    template <class Panel>
    DevState::PanelFields sharedFields(Panel* p) const
    {
        DevState::PanelFields d;
        onlyFun* f = fun;
        d.audioMode = [f](quint8 v) { setAudioMode(f, v); };
        d.ch1On = [p](quint8 v) { p->set_CH1_Enable(v); };
        d.ch1Level = [p](quint8 v) { p->set_CH1VOL_Style(v); };
        d.ch2On = [p](quint8 v) { p->set_CH2_Enable(v); };
        d.ch2Level = [p](quint8 v) { p->set_CH2VOL_Style(v); };
        d.masterOn = [p](quint8 v) { p->set_Master_Enable(v); };
        d.master = [p](quint8 v) { p->set_MasterVOL_Style(v); };
        d.ftb = [p](quint8 v) { p->set_FTB_Style(v); };
        d.still = [p](quint8 v) { p->set_Stll_Style(v); };
        d.rate = [p](quint8 v) { p->set_Rate_Style(v); };
        return d;
    }

    // Where a state dump goes: the panel's keys (fields), the controller and
    // every settings window; neither the HDR byte nor the settings window's
    // microphone entry.
    DevState::RecordTargets recordTargets() const;
    // A state reply of at least minSize bytes, type 0x0A, record status 0:
    // the panel's own first step, every field, the panel's own last step,
    // then the record and stream status when its length field lies inside
    // the datagram, all under the device-state guard. Anything else is
    // ignored whole.
    using RecordStep = std::function<void(const DevState::Record&)>;
    static void applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                const DevState::RecordTargets& to, int minSize = DevState::kFamilyMinDumpSize,
                                const RecordStep& first = {}, const RecordStep& last = {});

    onlyFun* fun = nullptr;
    EditionWindows pages;
    QString white, red, green, yellow;

private:
    static void setAudioMode(onlyFun* f, quint8 v);
    void addCommonFaces(const std::array<QWidget*, 27>& keys, const QString& ownRoot);
    QString suffix(Lit colour) const;
    QHash<const QWidget*, PanelFaces::Face> m_faces;
    QHash<const QWidget*, QString> m_altFaces;
    TransitionKeys m_transitions{};
    QString m_sfxRoot, m_sfxExtension;
};
