#pragma once
// The kit the six model panels (HD and 4K families) are built with: the
// controller and settings windows they own, the construction steps that style
// their window, group boxes, faders and T-bar, their key faces (an image rule
// and one of the controller's colour suffixes), key rows addressed by id, the
// wipe-group faces and the acknowledgement flash. FamilyWindow owns one and
// holds the operations every panel shares; a panel adds its own faces here.

#include "edition_windows.h"
#include "panel_faces.h"
#include "record_apply.h"

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

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
    // the key pages named "LUMA" and "CHROMA", no source page, the audio page
    // where the panel has one; the joystick, where the form has one, drives
    // the same controller.
    void createWindows(QWidget* panel, Joystick_PAGE* joystick, bool withAudio);
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
    // Audio faders 0..100 (null: no such fader), the T-bar 0..127.
    static void styleFaders(std::initializer_list<QSlider*> faders);
    static void styleTbar(QSlider* tbar);

    // A key with its unlit and lit pictures in the given image rule.
    void addFace(QWidget* key, PanelFaces::FaceRule rule, const QString& unlit, const QString& lit, Lit colour);
    // The same, the lit picture spelt in its own rule.
    void addFace(QWidget* key, PanelFaces::FaceRule rule, const QString& unlit, PanelFaces::FaceRule litRule,
                 const QString& lit, Lit colour);
    // A key whose two faces both show lit in one colour, each naming a mode (off: unlit).
    void addModeFaces(QWidget* key, PanelFaces::FaceRule rule, const QString& off, const QString& on, Lit colour);
    // A second lit face of a key that has one (shown by lightRow's alternate).
    void addAltFace(QWidget* key, PanelFaces::FaceRule rule, const QString& lit, Lit colour);
    // The keys the model panels' forms name alike, found by their object names
    // (btn_ch1, btn_rec, btn_hdr_on, ...); a form without one leaves it null.
    // STILL is btn_still, or the program row's on a form with one on each row.
    struct CommonKeys {
        QWidget *ch1 = nullptr, *ch2 = nullptr, *ch3 = nullptr, *master = nullptr, *src1 = nullptr,
                *src2 = nullptr, *src3 = nullptr, *afvMix = nullptr, *rec = nullptr, *pause = nullptr,
                *stream = nullptr, *aux = nullptr, *hdrOn = nullptr, *still = nullptr, *camMenu = nullptr,
                *pip = nullptr, *pop = nullptr, *key1 = nullptr, *key2 = nullptr, *key3 = nullptr, *ftb = nullptr,
                *cut = nullptr, *autoKey = nullptr, *zAdd = nullptr, *zSub = nullptr, *mix = nullptr,
                *fade = nullptr, *rate1 = nullptr, *rate2 = nullptr, *rate3 = nullptr, *lineCfg = nullptr,
                *micCfg = nullptr;
        // The camera keypad's neighbours (Kavrelo, Mirelth).
        QWidget *focusAdd = nullptr, *focusSub = nullptr, *setPreset = nullptr, *gotoPreset = nullptr,
                *shift = nullptr;
    };
    static CommonKeys commonKeys(const QWidget* window);
    // Their faces, from the Druvela folder where the key has a picture of its own
    // (the keypad's neighbours from the Kavrelo folder).
    void addCommonFaces(const CommonKeys& keys);
    // The camera keypad's digits 0..9, unlit and lit.
    void addKeypadFaces(const std::array<QAbstractButton*, 10>& digits);
    // The colour-bar keys of the program (red) and preview (green) rows.
    void addBarFaces(QWidget* pgmBar, QWidget* pvwBar);
    // Input n of the program row (red) and of the preview row (green).
    void addInputFaces(QWidget* pgm, QWidget* pvw, int n);
    // Camera n's key (n from 1, in the order given) with the Druvela camera pictures.
    void addCameraFaces(std::initializer_list<QWidget*> cameras);
    // A key that only ever shows one picture, unlit.
    void setPlainFace(QWidget* key, PanelFaces::FaceRule rule, const QString& picture) const;
    void show(QWidget* key, bool on) const;
    // Lights key, waits with events running, unlights it; false when owner went meanwhile.
    bool flash(QObject* owner, QWidget* key, unsigned ms) const;

    // A button group of (key, id) pairs, child of parent.
    static QButtonGroup* keyGroup(QObject* parent, std::initializer_list<std::pair<QAbstractButton*, int>> keys);
    // Every key of the group unlit; then one key, by id, lit (ids without a key,
    // or no group: nothing).
    void resetRow(const QButtonGroup* group) const;
    void lightRow(const QButtonGroup* group, int id, bool alternate = false) const;
    // Every key of the group shown once: the key with id lit (in its second lit
    // face with alternate, where it has one), the others unlit.
    void showRow(const QButtonGroup* group, int id, bool alternate = false) const;

    // While one lives, the kit keeps the faces its keys are given and shows
    // each key's last one when it ends: a state dump that clears a key and
    // lights it again further on sets it once. Nothing that waits with events
    // running (a flash) may run meanwhile: its faces would not be seen.
    class HeldFaces
    {
    public:
        explicit HeldFaces(const FamilyPanel& kit);
        ~HeldFaces();
        HeldFaces(const HeldFaces&) = delete;
        HeldFaces& operator=(const HeldFaces&) = delete;

    private:
        const FamilyPanel& m_kit;
        bool m_outer;
    };

    // An on/off key: the flag flipped and shown; device state 0 or 1 taken, other values ignored.
    void toggleLamp(uint8_t& flag, QWidget* key) const;
    void followLamp(uint8_t& flag, QWidget* key, quint8 v) const;

    // A wipe group's face: the effect stored for it in ICON_CURRENT_INDEX,
    // read signed (a device byte 0 names effect -1, a picture the set lacks),
    // from root + "white|green/special_effect/GROUP<g>/SFX<n>" + extension.
    QString sfxFaceStyle(const QString& root, const QString& extension, int group, bool lit) const;

    // The transition block: MIX (id 0), FADE (1) and the wipe groups 1..10
    // (ids 2..11, btnGroup1..btnGroup10), whose faces come from sfxRoot (see
    // sfxFaceStyle); keys the form lacks stay null and show nothing. A group
    // key given a face of its own (addFace) keeps it. Only the groups with a
    // key store a clicked effect and are looked through for the device's.
    using TransitionKeys = std::array<QAbstractButton*, 12>;
    static TransitionKeys transitionKeys(const QWidget* window);
    void setTransitions(const TransitionKeys& keys, const QString& sfxRoot, const QString& sfxExtension);
    // The keys in a button group by their ids, child of parent.
    QButtonGroup* transitionGroup(QObject* parent) const;
    QString wipeFaceStyle(int group, bool lit) const { return sfxFaceStyle(m_sfxRoot, m_sfxExtension, group, lit); }
    void resetTransitions() const;
    // The whole block shown once, the key with id lit (0..11) lit.
    void showTransitions(int lit) const;
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
    // Key idx (1..5) lit and its window open when its own flag is set, every
    // other key unlit and window closed; other idx: all unlit and closed. A
    // key given for two functions is lit by either and shown once.
    void showFunction(const FunctionKeys& keys, int idx, const std::array<bool, 5>& on) const;

    // Where a state dump goes: the controller and every settings window the
    // panel has; neither the HDR byte nor the settings window's microphone entry.
    DevState::RecordTargets recordTargets() const;

    onlyFun* fun = nullptr;
    EditionWindows pages;
    QString white, red, green, yellow;

private:
    // Every face the kit shows goes here, held while a HeldFaces lives.
    void showSheet(QWidget* key, const QString& sheet) const;
    QString suffix(Lit colour) const;
    QAbstractButton* transitionKey(int id) const;
    void showTransitionKey(int id, bool lit) const;
    QHash<const QWidget*, PanelFaces::Face> m_faces;
    QHash<const QWidget*, QString> m_altFaces;
    TransitionKeys m_transitions{};
    QString m_sfxRoot, m_sfxExtension;
    mutable bool m_holding = false;
    mutable std::vector<std::pair<QPointer<QWidget>, QString>> m_held;
};
