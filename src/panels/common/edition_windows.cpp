#include "edition_windows.h"

#include "audio_page.h"
#include "cam_page.h"
#include "key_names.h"
#include "key_page.h"
#include "main_menu.h"
#include "pattern_page.h"
#include "pip_page.h"
#include "pop_page.h"
#include "source_page.h"

#include <QWidget>

void EditionWindows::create(onlyFun* fun, QWidget* pagesParent)
{
    create(fun, pagesParent, lumaKeyName(), chromaKeyName(), true, true);
}

void EditionWindows::create(onlyFun* fun, QWidget* pagesParent, const QString& lumaName, const QString& chromaName,
                            bool withSource, bool withAudio)
{
    pip = new PIP_PAGE(pagesParent, fun);
    pop = new POP_PAGE(pagesParent, fun);
    luma = new KEY_PAGE(pagesParent, fun, lumaName);
    chroma = new KEY_PAGE(pagesParent, fun, chromaName);
    pattern = new PATTERN_PAGE(pagesParent, fun);
    cam = new CAM_PAGE(pagesParent, fun);
    if (withAudio)
        audio = new AUDIO_PAGE(pagesParent, fun);
    menu = new MainMenu(nullptr, fun);
    if (withSource)
        source = new SOURCE_PAGE(pagesParent, fun);
}

void EditionWindows::deleteWindows()
{
    QWidget* const all[] = {pip, pop, luma, chroma, pattern, cam, audio, menu, source};
    for (QWidget* w : all)
        if (w && !w->parent())
            delete w;
    *this = EditionWindows{};
}

void EditionWindows::showFunctionWindow(int open) const
{
    QWidget* const windows[5] = {pip, pop, luma, chroma, pattern};
    for (int i = 0; i < 5; ++i)
        showWindow(windows[i], i + 1 == open);
}

void EditionWindows::showWindow(QWidget* w, bool shown)
{
    if (shown && w->isHidden())
        w->show();
    else if (!shown && !w->isHidden())
        w->close();
}
