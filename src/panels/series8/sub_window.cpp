#include "sub_window.h"

#include "ambrelo_top.h"

#include <QVBoxLayout>
#include <QWidget>

namespace Series8 {

QWidget* makeSubWindow(const QString& objectName, const QString& title, QSize size, QWidget* content)
{
    auto* window = new QWidget;
    window->setObjectName(objectName);
    window->setWindowTitle(title);
    window->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    window->setStyleSheet(QStringLiteral("QWidget#%1{background-color:rgb(32,30,32);}").arg(objectName));
    window->setFixedSize(size);
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    auto* strip = new Ambrelo_subWinTOP(window);
    strip->setFixedHeight(22);
    column->addWidget(strip);
    column->addWidget(content);
    return window;
}

} // namespace Series8
