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
    // A key that only ever shows one picture, unlit.
    void setPlainFace(QWidget* key, PanelFaces::FaceRule rule, const QString& picture) const;
    void show(QWidget* key, bool on) const;
    // Lights key, waits with events running, unlights it; false when owner went meanwhile.
    bool flash(QObject* owner, QWidget* key, unsigned ms) const;

    // A button group of (key, id) pairs, child of parent.
    static QButtonGroup* keyGroup(QObject* parent, std::initializer_list<std::pair<QAbstractButton*, int>> keys);
    // Every key of the group unlit; then one key, by id, lit (ids without a key: nothing).
    void resetRow(const QButtonGroup* group) const;
    void lightRow(const QButtonGroup* group, int id) const;

    // A wipe group's face: the effect stored for it in ICON_CURRENT_INDEX,
    // read signed (a device byte 0 names effect -1, a picture the set lacks),
    // from root + "white|green/special_effect/GROUP<g>/SFX<n>" + extension.
    QString sfxFaceStyle(const QString& root, const QString& extension, int group, bool lit) const;

    // The function row (PIP, POP, KEY1, KEY2, KEY3): every key unlit and its window closed.
    using FunctionKeys = std::array<QWidget*, 5>;
    void resetFunctions(const FunctionKeys& keys) const;
    // After the reset, key idx (1..5) takes its own flag and its window opens when set; other idx: nothing.
    void showFunction(const FunctionKeys& keys, int idx, const std::array<bool, 5>& on) const;

    // Where a state dump goes: the panel's keys (fields), the controller and
    // every settings window; neither the HDR byte nor the settings window's
    // microphone entry.
    DevState::RecordTargets recordTargets() const;
    // A state reply of at least 110 bytes, type 0x0A, record status 0: every
    // field applied, then the record and stream status when its length field
    // lies inside the datagram. Anything else is ignored whole.
    static void applyStateReply(const QByteArray& reply, const DevState::PanelFields& fields,
                                const DevState::RecordTargets& to);

    onlyFun* fun = nullptr;
    EditionWindows pages;
    QString white, red, green, yellow;

private:
    QString suffix(Lit colour) const;
    QHash<const QWidget*, PanelFaces::Face> m_faces;
};
