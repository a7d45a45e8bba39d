#include "support_page.h"

#include <QDesktopServices>

namespace {

bool openInDesktop(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

SupportPageOpener g_opener = &openInDesktop;

}  // namespace

SupportPageOpener setSupportPageOpener(SupportPageOpener opener)
{
    SupportPageOpener previous = g_opener;
    g_opener = opener ? opener : &openInDesktop;
    return previous;
}

QUrl supportPageUrl()
{
    return QUrl(QString::fromLatin1(kSupportPageUrl), QUrl::TolerantMode);
}

bool openSupportPage()
{
    return g_opener(supportPageUrl());
}
