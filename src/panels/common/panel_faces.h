#pragma once
// Button and lamp faces of the panels, and the acknowledgement flash.
//
// A face is a style sheet that shows one picture of the resource set, through
// the control's border-image or image property. The panels' families differ
// only in the file name and in small spellings of that rule, so the spelling
// is a parameter. The older panels append a frame rule (see key_frames.h) and
// some spell a key's lit rule differently from its unlit one.
//
// Faces reach their widgets through Show::sheet (widget_show.h), which leaves
// a widget alone when it already shows the face; a row works out each key's
// face and shows it once.

#include <QString>
#include <functional>
#include <optional>

class QAbstractButton;
class QButtonGroup;
class QObject;
class QWidget;

namespace PanelFaces {

// How the rule is spelt, as the device families' style sheets have it.
enum class FaceRule {
    Tight,             // Sel{border-image:url(p);}
    Bare,              // Sel{border-image:url(p)}
    Spaced,            // Sel{border-image: url(p)}
    SpacedTight,       // Sel{border-image: url(p);}
    Image,             // Sel{image:url(p)}
    ImageSpaced,       // Sel{image: url(p)}
    ImageTight,        // Sel{image:url(p);}
    ImageSpacedTight,  // Sel{image: url(p);}
};

// The style sheet of one face.
QString faceStyle(const QString& selector, FaceRule rule, const QString& path);

// One control's unlit and lit face.
struct Face {
    QString selector;
    FaceRule rule;
    QString unlit;  // picture path, ":/images/..."
    QString lit;
    // Appended to the picture rule of each state: the older panels' frame
    // rule, the model panels' colour suffix; empty on the edition panels.
    QString unlitFrame = QString();
    QString litFrame = QString();
    // The lit state's spelling where it differs from `rule`.
    std::optional<FaceRule> litRule = std::nullopt;

    QString style(bool on) const;
};

// A push-button face whose two pictures share one file name in two sets,
// e.g. buttonFace(":/images/Vy/", "default", "red", "cut.png", FaceRule::Tight).
Face buttonFace(const QString& root, const QString& unlitSet, const QString& litSet,
                const QString& file, FaceRule rule);
// Same with a different file name in the lit set.
Face buttonFace(const QString& root, const QString& unlitSet, const QString& unlitFile,
                const QString& litSet, const QString& litFile, FaceRule rule);

// A push-button face of the older panels: the picture rule, then the frame
// rule of the state.
Face framedFace(FaceRule rule, const QString& unlit, const QString& unlitFrame,
                const QString& lit, const QString& litFrame);

// Shows the face on w (lit or unlit).
void showFace(QWidget* w, const Face& face, bool on);

// Every key of a group shown once through show: the key with id litId lit,
// the others unlit (all unlit when no key has that id).
using KeyFaceFn = std::function<void(QAbstractButton* key, bool on)>;
void showRow(const QButtonGroup* group, int litId, const KeyFaceFn& show);

// Lights a key, waits with events running, unlights it. The wait lets
// anything happen, the deletion of the owner included: returns false when the
// owner is gone (the key is then left alone), true otherwise.
using LightFn = std::function<void(bool on)>;
using WaitFn = std::function<void(unsigned ms)>;
bool flash(QObject* owner, const LightFn& light, const WaitFn& wait, unsigned ms);

} // namespace PanelFaces
