#include "panel_faces.h"

#include <QPointer>
#include <QWidget>

namespace PanelFaces {

QString faceStyle(const QString& selector, FaceRule rule, const QString& path)
{
    switch (rule) {
    case FaceRule::Tight:
        return selector + QStringLiteral("{border-image:url(") + path + QStringLiteral(");}");
    case FaceRule::Bare:
        return selector + QStringLiteral("{border-image:url(") + path + QStringLiteral(")}");
    case FaceRule::Spaced:
        return selector + QStringLiteral("{border-image: url(") + path + QStringLiteral(")}");
    }
    return QString();
}

Face buttonFace(const QString& root, const QString& unlitSet, const QString& litSet,
                const QString& file, FaceRule rule)
{
    return buttonFace(root, unlitSet, file, litSet, file, rule);
}

Face buttonFace(const QString& root, const QString& unlitSet, const QString& unlitFile,
                const QString& litSet, const QString& litFile, FaceRule rule)
{
    return Face{QStringLiteral("QPushButton"), rule,
                root + unlitSet + QLatin1Char('/') + unlitFile,
                root + litSet + QLatin1Char('/') + litFile};
}

void showFace(QWidget* w, const Face& face, bool on)
{
    if (w)
        w->setStyleSheet(face.style(on));
}

bool flash(QObject* owner, const LightFn& light, const WaitFn& wait, unsigned ms)
{
    QPointer<QObject> alive(owner);
    light(true);
    wait(ms);
    if (!alive)
        return false;
    light(false);
    return true;
}

} // namespace PanelFaces
