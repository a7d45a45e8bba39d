#pragma once

// Title strip of the settings windows: a title with a close button; dragging
// the strip moves its window.

#include "window_drag.h"

#include <QLabel>
#include <QString>

class QPushButton;

class myLable : public ParentDragging<QLabel>
{
    Q_OBJECT

public:
    myLable(QString title, QWidget* parent, bool withClose);

    QLabel* titleLabel() const { return m_titleLabel; }
    QPushButton* closeButton() const { return m_closeButton; }

public slots:
    void closeWidget();

private:
    QString m_title;
    bool m_withClose = false;
    QLabel* m_titleLabel = nullptr;
    QPushButton* m_closeButton = nullptr;
};
