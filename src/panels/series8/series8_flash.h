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

namespace Series8Flash {

// One tick of a once-a-second blink (FTB, STILL): lit and a pixel larger for
// 200 ms, then unlit at the key's own 55 x 32. False when the owner went
// during the wait (the key is then left alone).
bool blinkTick(QObject* owner, QWidget* key, const QString& lit, const QString& unlit);

constexpr int kBlinkIntervalMs = 1000;

} // namespace Series8Flash
