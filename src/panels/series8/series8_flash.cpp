#include "series8_flash.h"

#include "onlyfun.h"
#include "panel_faces.h"
#include "widget_show.h"

#include <QPointer>
#include <QWidget>

namespace Series8Flash {

bool flash(QObject* owner, QWidget* key, const QString& lit, const QString& unlit, unsigned ms,
           const std::function<void()>& work)
{
    QPointer<QObject> alive(owner);
    return PanelFaces::flash(
        owner, [key, &lit, &unlit](bool on) { Show::sheet(key, on ? lit : unlit); },
        [&alive, &work](unsigned t) {
            onlyFun::Delay_MSec(t);
            if (alive && work)
                work();
        },
        ms);
}

} // namespace Series8Flash

namespace Series8Flash {

bool blinkTick(QObject* owner, QWidget* key, const QString& lit, const QString& unlit)
{
    return PanelFaces::flash(
        owner,
        [key, &lit, &unlit](bool on) {
            Show::sheet(key, on ? lit : unlit);
            key->setFixedSize(on ? QSize(56, 33) : QSize(55, 32));
        },
        [](unsigned t) { onlyFun::Delay_MSec(t); }, 200);
}

} // namespace Series8Flash
