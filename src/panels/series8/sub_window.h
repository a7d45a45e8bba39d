#pragma once
// A series-8 tool window: frameless, parentless, fixed in size, the logo
// strip (22 high) above its content.

#include <QSize>
#include <QString>

class QWidget;

namespace Series8 {

// objectName also names the window's dark background rule.
QWidget* makeSubWindow(const QString& objectName, const QString& title, QSize size, QWidget* content);

} // namespace Series8
