#pragma once
// What the two first-generation set-IP dialogs (the bottom bar's SET dialog and
// the six-input panel's IPDialog) share: the address entry's typing check and
// the send of the switcher's new address.

#include <QString>

class Druvela_workdata;
class QLineEdit;
class QWidget;

namespace SwitcherIp {

// Gives entry the address validator, owned by dialog so none outlives it.
void guardEntry(QLineEdit* entry, QWidget* dialog);

// The width entry needs to show "255.255.255.255" whole in its own font,
// frame and margins.
int wholeAddressWidth(QLineEdit* entry);

// An empty or all-zero address gives the "Text cannot be empty" warning over
// warningParent; a text that is no full dotted quad is dropped silently;
// otherwise the set-IP command goes to the current address and text becomes
// the address of every later command.
void send(QWidget* warningParent, Druvela_workdata* ws, const QString& text);

} // namespace SwitcherIp
