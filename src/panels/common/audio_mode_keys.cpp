#include "audio_mode_keys.h"

#include <QAbstractButton>
#include <QButtonGroup>

namespace AudioModeKeys {

void show(quint8 mode, const QButtonGroup* pair, const std::function<void(QWidget*, bool)>& face,
          std::initializer_list<QWidget*> sources)
{
    for (QAbstractButton* k : pair->buttons())
        face(k, false);
    if (mode > 1)
        return;
    face(pair->button(mode), true);
    for (QWidget* s : sources)
        s->setEnabled(mode == 1);
}

} // namespace AudioModeKeys
