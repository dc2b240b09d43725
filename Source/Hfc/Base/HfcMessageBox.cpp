#include "Hfc/Base/HfcMessageBox.h"

#include <cstdio>
#include <mutex>

namespace {

constexpr size_t kMaxTextLength = 255;

std::mutex g_hookLock;
HfcMessageBoxHook g_hook;
HfcMessageBoxHook g_presenter;

std::string Cut(const char* s) {
    return s == nullptr ? std::string() : std::string(s).substr(0, kMaxTextLength);
}

}  // namespace

HfcMessageBoxRequest HfcMessageBoxDescribe(const char* text, const char* caption, long buttons, long icon) {
    HfcMessageBoxRequest request{Cut(caption), Cut(text), {}, HfcAlertType::Note};
    switch (buttons) {
        case HFC_MB_OK:
            request.buttons = {"OK"};
            break;
        case HFC_MB_OKCANCEL:
            request.buttons = {"OK", "Cancel"};
            break;
        case HFC_MB_YESNO:
            request.buttons = {"Yes", "No"};
            break;
        default:
            request.buttons = {"OK", "Cancel", "Other"};
            request.alert = HfcAlertType::Plain;
            break;
    }
    switch (icon) {
        case HFC_MB_ICONPLAIN:
            request.alert = HfcAlertType::Plain;
            break;
        case HFC_MB_ICONNOTE:
            request.alert = HfcAlertType::Note;
            break;
        case HFC_MB_ICONCAUTION:
            request.alert = HfcAlertType::Caution;
            break;
        case HFC_MB_ICONSTOP:
            request.alert = HfcAlertType::Stop;
            break;
        default:
            break;
    }
    return request;
}

void HfcSetMessageBoxHook(HfcMessageBoxHook hook) {
    std::lock_guard<std::mutex> lock(g_hookLock);
    g_hook = std::move(hook);
}

void HfcSetMessageBoxPresenter(HfcMessageBoxHook presenter) {
    std::lock_guard<std::mutex> lock(g_hookLock);
    g_presenter = std::move(presenter);
}

bool HfcMessageBoxCanAsk() {
    std::lock_guard<std::mutex> lock(g_hookLock);
    return g_hook || g_presenter;
}

int HfcMessageBoxForWindow(const char* text, const char* caption, CHfcWindow*, long buttons, long icon) {
    const HfcMessageBoxRequest request = HfcMessageBoxDescribe(text, caption, buttons, icon);
    HfcMessageBoxHook answer;
    {
        std::lock_guard<std::mutex> lock(g_hookLock);
        answer = g_hook ? g_hook : g_presenter;
    }
    // A presenter that cannot show the box here (another thread, no display) answers 0.
    const int result = answer ? answer(request) : 0;
    if (result == 0) {
        std::fprintf(stderr, "%s\n%s\n", request.caption.c_str(), request.text.c_str());
        return HFC_MB_RESULT_DEFAULT;
    }
    return result >= 1 && result <= static_cast<int>(request.buttons.size()) ? result : HFC_MB_RESULT_DEFAULT;
}

int HfcMessageBox(const char* text, const char* caption, long buttons, long icon) {
    return HfcMessageBoxForWindow(text, caption, nullptr, buttons, icon);
}
