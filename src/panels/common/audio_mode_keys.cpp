#include "audio_mode_keys.h"

#include "panel_faces.h"
#include "widget_show.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace AudioModeKeys {

void show(quint8 mode, const QButtonGroup* pair, const std::function<void(QWidget*, bool)>& face,
          std::initializer_list<QWidget*> sources)
{
    PanelFaces::showRow(pair, mode > 1 ? -1 : int(mode), [&face](QAbstractButton* k, bool on) { face(k, on); });
    if (mode > 1)
        return;
    for (QWidget* s : sources)
        Show::enabled(s, mode == 1);
}

} // namespace AudioModeKeys
