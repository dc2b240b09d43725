#include "Hfc/Core/HfcModal.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {
struct Entry {
    CHfcWindow* window;
    std::function<void()> abort;
};
CHfcWindow* g_lastInput = nullptr;
std::vector<Entry>& Stack() {
    static std::vector<Entry> stack;
    return stack;
}
}  // namespace

void HfcModalPush(CHfcWindow* window, std::function<void()> abort) {
    Stack().push_back(Entry{window, std::move(abort)});
}

void HfcModalPop(CHfcWindow* window) {
    auto& stack = Stack();
    auto it =
        std::find_if(stack.begin(), stack.end(), [window](const Entry& e) { return e.window == window; });
    if (it != stack.end()) stack.erase(it);
}

CHfcWindow* HfcModalTop() {
    return Stack().empty() ? nullptr : Stack().back().window;
}

int HfcModalCount() {
    return static_cast<int>(Stack().size());
}

bool HfcModalBlocksInput(const CHfcWindow* window) {
    return !Stack().empty() && Stack().back().window != window;
}

void HfcModalAbortAll() {
    // A copy: an abort may pop its own entry (or others).
    std::vector<Entry> entries = Stack();
    for (auto it = entries.rbegin(); it != entries.rend(); ++it) {
        if (it->abort) it->abort();
    }
}

void HfcNoteInputWindow(CHfcWindow* window) {
    g_lastInput = window;
}

CHfcWindow* HfcLastInputWindow() {
    return g_lastInput;
}

void HfcForgetWindow(CHfcWindow* window) {
    if (g_lastInput == window) g_lastInput = nullptr;
}
