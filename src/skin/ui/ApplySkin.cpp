#include "ApplySkin.h"

#include "TLum3ObrazkiFrame.h"
#include "TLumBelka.h"
#include "TLumDymek.h"
#include "TLumGroupFrame.h"
#include "TLumMsgBoxWindow.h"
#include "TLumProgress.h"
#include "TLumResButton.h"
#include "TLumZeszytStatystyki.h"

#include <QWidget>

template <typename T>
static bool giveLibrary(QWidget* w, const char* cls, const char* name, const ISkinImages* library)
{
    if (qstrcmp(cls, name) != 0)
        return false;
    static_cast<T*>(w)->setLibrary(library);
    return true;
}

void ApplySkin(QWidget* window, const SkinRecord& skin)
{
    const ISkinImages* lib = skin.library;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const char* cls = w->metaObject()->className();
        if (qstrcmp(cls, "TLumDialogWindow") == 0 || qstrcmp(cls, "TLumMsgBoxWindow") == 0) {
            static_cast<TLumDialogWindow*>(w)->setSkin(skin);
            continue;
        }
        giveLibrary<TLumResButton>(w, cls, "TLumResButton", lib)
            || giveLibrary<TLumBelka>(w, cls, "TLumBelka", lib)
            || giveLibrary<TLumGroupFrame>(w, cls, "TLumGroupFrame", lib)
            || giveLibrary<TLumZeszytStatystyki>(w, cls, "TLumZeszytStatystyki", lib)
            || giveLibrary<TLumProgress>(w, cls, "TLumProgress", lib)
            || giveLibrary<TLum3ObrazkiFrame>(w, cls, "TLum3ObrazkiFrame", lib)
            || giveLibrary<TLumDymek>(w, cls, "TLumDymek", lib);
    }
}
