#pragma once
// Button and lamp faces of the panels, and the acknowledgement flash.
//
// A face is a one-rule style sheet that sets a control's border-image to one
// picture of the resource set. The panels' families differ only in the file
// name and in small spellings of that rule, so the spelling is a parameter.

#include <QString>
#include <functional>

class QObject;
class QWidget;

namespace PanelFaces {

// How the rule is spelt, as the device families' style sheets have it.
enum class FaceRule {
    Tight,   // Sel{border-image:url(p);}
    Bare,    // Sel{border-image:url(p)}
    Spaced,  // Sel{border-image: url(p)}
};

// The style sheet of one face.
QString faceStyle(const QString& selector, FaceRule rule, const QString& path);

// One control's unlit and lit face.
struct Face {
    QString selector;
    FaceRule rule;
    QString unlit;  // picture path, ":/images/..."
    QString lit;

    QString style(bool on) const { return faceStyle(selector, rule, on ? lit : unlit); }
};

// A push-button face whose two pictures share one file name in two sets,
// e.g. buttonFace(":/images/Vy/", "default", "red", "cut.png", FaceRule::Tight).
Face buttonFace(const QString& root, const QString& unlitSet, const QString& litSet,
                const QString& file, FaceRule rule);
// Same with a different file name in the lit set.
Face buttonFace(const QString& root, const QString& unlitSet, const QString& unlitFile,
                const QString& litSet, const QString& litFile, FaceRule rule);

// Shows the face on w (lit or unlit).
void showFace(QWidget* w, const Face& face, bool on);

// Lights a key, waits with events running, unlights it. The wait lets
// anything happen, the deletion of the owner included: returns false when the
// owner is gone (the key is then left alone), true otherwise.
using LightFn = std::function<void(bool on)>;
using WaitFn = std::function<void(unsigned ms)>;
bool flash(QObject* owner, const LightFn& light, const WaitFn& wait, unsigned ms);

} // namespace PanelFaces
