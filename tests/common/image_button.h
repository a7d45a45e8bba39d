#pragma once
// Buttons carry no names worth testing; a test finds one by the picture its style sheet shows.

#include <QPushButton>

inline QPushButton *buttonShowing(const QWidget *parent, const char *imageName)
{
    const auto buttons = parent->findChildren<QPushButton *>();
    for (QPushButton *b : buttons) {
        if (b->styleSheet().contains(QLatin1String(imageName)))
            return b;
    }
    return nullptr;
}
