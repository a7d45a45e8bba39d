#pragma once
// The maker's support page, opened by the help buttons of the settings window
// and of the 4K panel.

#include <QUrl>

inline constexpr char kSupportPageUrl[] = "https://support.zv-solvenzari.example/";

// Opens a URL in the desktop's browser; returns whether the desktop took it.
using SupportPageOpener = bool (*)(const QUrl& url);

// Replaces the opener (tests put one in that records the URL instead of
// starting a browser); returns the one it replaces.
SupportPageOpener setSupportPageOpener(SupportPageOpener opener);

// The support page URL, parsed tolerantly.
QUrl supportPageUrl();

// Opens the support page through the current opener.
bool openSupportPage();
