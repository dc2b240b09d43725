#include "Common/Pages/PageCatalogue.h"

namespace {
constexpr const char* kSmall = "Background_MainTab_Small";
constexpr const char* kLarge = "Background_MainTab_Large";
}  // namespace

int EditPageCount(int tab) {
    switch (tab) {
        case kEditTabCombi:
            return 8;
        case kEditTabMulti:
            return 8;
        case kEditTabProg:
            return 10;
        case kEditTabGlobal:
            return 6;
        default:
            return 0;
    }
}

CTabPageLayer* NewEditPage(QorX0::IRemoteSynth* synth, int tab, int index) {
    if (index < 0 || index >= EditPageCount(tab)) return nullptr;
    switch (tab) {
        case kEditTabCombi:
            return NewCombiMultiPage(synth, false, index);
        case kEditTabMulti:
            return NewCombiMultiPage(synth, true, index);
        case kEditTabProg:
            return NewProgPage(synth, index);
        case kEditTabGlobal:
            return NewGlobalPage(synth, index);
        default:
            return nullptr;
    }
}

const char* EditPageBackground(int tab, int index) {
    if (index < 0 || index >= EditPageCount(tab)) return nullptr;
    // The program play page is the only short one: the window's overview sits below it.
    return tab == kEditTabProg && index == 0 ? kSmall : kLarge;
}
