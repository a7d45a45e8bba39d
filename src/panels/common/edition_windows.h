#pragma once
// The settings windows a panel owns, all driving its controller.

#include <QString>

class AUDIO_PAGE;
class CAM_PAGE;
class KEY_PAGE;
class MainMenu;
class PATTERN_PAGE;
class PIP_PAGE;
class POP_PAGE;
class QWidget;
class SOURCE_PAGE;
class onlyFun;

struct EditionWindows {
    PIP_PAGE* pip = nullptr;
    POP_PAGE* pop = nullptr;
    KEY_PAGE* luma = nullptr;
    KEY_PAGE* chroma = nullptr;
    PATTERN_PAGE* pattern = nullptr;
    CAM_PAGE* cam = nullptr;
    AUDIO_PAGE* audio = nullptr;
    MainMenu* menu = nullptr;
    SOURCE_PAGE* source = nullptr;

    // The pages get pagesParent (the panel, or none); the settings menu is always a window of its own.
    // The key pages are named as the edition panels name them, and the source page is made.
    void create(onlyFun* fun, QWidget* pagesParent);
    // The same with the key pages' names given; the source and audio pages only when asked for.
    void create(onlyFun* fun, QWidget* pagesParent, const QString& lumaName, const QString& chromaName,
                bool withSource, bool withAudio);
    // Deletes those without a parent, in the order they were made.
    void deleteWindows();

    // The function windows (1 PIP, 2 POP, 3 luma, 4 chroma, 5 pattern): the
    // one numbered open is shown, every other closed; any other number closes
    // them all. A window already so is left alone.
    void showFunctionWindow(int open) const;
    // One window shown or closed; left alone when it already is.
    static void showWindow(QWidget* w, bool shown);
};
