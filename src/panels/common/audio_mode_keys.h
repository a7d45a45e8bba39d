#pragma once
// The AFV/MIX key pair of the panels that show each audio mode on a key of
// its own: the faces change at once on a click, before the controller sends.

#include <QtGlobal>

#include <functional>
#include <initializer_list>

class QButtonGroup;
class QWidget;

namespace AudioModeKeys {

// Both keys of pair (AFV id 0, MIX id 1) shown once through face, the mode's
// key lit: MIX enables the source keys, AFV disables them; any other mode
// leaves both unlit and the source keys as they are.
void show(quint8 mode, const QButtonGroup* pair, const std::function<void(QWidget*, bool)>& face,
          std::initializer_list<QWidget*> sources);

} // namespace AudioModeKeys
