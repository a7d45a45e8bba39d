#pragma once
// The series-8 keys' flash: lit, a wait with events running, the key's work,
// unlit. The command thus leaves at the end of the flash.

#include <QString>

#include <functional>

class QObject;
class QWidget;

namespace Series8Flash {

// Shows `lit` on key, waits ms, runs work, shows `unlit`. The wait lets
// anything happen: when the owner is gone by then, neither the work nor the
// unlighting runs, and the result is false.
bool flash(QObject* owner, QWidget* key, const QString& lit, const QString& unlit, unsigned ms,
           const std::function<void()>& work = {});

} // namespace Series8Flash
