#include "panel_faces.h"

#include "widget_show.h"

#include <QAbstractButton>
#include <QButtonGroup>
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
    case FaceRule::SpacedTight:
        return selector + QStringLiteral("{border-image: url(") + path + QStringLiteral(");}");
    case FaceRule::Image:
        return selector + QStringLiteral("{image:url(") + path + QStringLiteral(")}");
    case FaceRule::ImageSpaced:
        return selector + QStringLiteral("{image: url(") + path + QStringLiteral(")}");
    case FaceRule::ImageTight:
        return selector + QStringLiteral("{image:url(") + path + QStringLiteral(");}");
    case FaceRule::ImageSpacedTight:
        return selector + QStringLiteral("{image: url(") + path + QStringLiteral(");}");
    }
    return QString();
}

QString Face::style(bool on) const
{
    if (on)
        return faceStyle(selector, litRule.value_or(rule), lit) + litFrame;
    return faceStyle(selector, rule, unlit) + unlitFrame;
}

Face framedFace(FaceRule rule, const QString& unlit, const QString& unlitFrame,
                const QString& lit, const QString& litFrame)
{
    return Face{QStringLiteral("QPushButton"), rule, unlit, lit, unlitFrame, litFrame};
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
        Show::sheet(w, face.style(on));
}

void showRow(const QButtonGroup* group, int litId, const KeyFaceFn& show)
{
    const QAbstractButton* lit = group->button(litId);
    for (QAbstractButton* key : group->buttons())
        show(key, key == lit);
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
