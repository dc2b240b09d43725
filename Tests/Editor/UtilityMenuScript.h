#pragma once
// Scripted answers for the Utility menu and its file dialogs: the menu chooses an item by its text
// (as a person would: a disabled item or a separator is never chosen), the file dialog answers with
// a folder, a name and the type entries picked on the way. What was shown is kept for the test.
#include <functional>
#include <string>
#include <vector>

#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcPopupMenu.h"

namespace UtilityScript {

struct Script {
    // What was shown, in order.
    std::vector<std::vector<CHfcPopupMenu::Item>> menus;
    std::vector<HfcFileDialogRequest> dialogs;
    // The next choice: the item's text ("" chooses nothing) and the file dialog's answer.
    std::string choose;
    HfcFileDialogAnswer answer;
    // Runs inside the dialog, after it started and before it answers (what a person sees there).
    std::function<void(const HfcFileDialogRequest&)> inDialog;

    void Install() {
        HfcSetPopupMenuHook([this](const HfcPopupMenuRequest& r) {
            menus.push_back(r.items);
            for (const CHfcPopupMenu::Item& item : r.items)
                if (item.text == choose && (item.flags & 3u) == 0) return item.id;
            return 0;
        });
        HfcSetFileDialogHook([this](const HfcFileDialogRequest& r) {
            dialogs.push_back(r);
            if (inDialog) inDialog(r);
            return answer;
        });
    }
    static void Remove() {
        HfcSetPopupMenuHook(nullptr);
        HfcSetFileDialogHook(nullptr);
    }
    // Chooses item, then answers its file dialog with folder/name after picking the type entries.
    void Choose(const std::string& item, const std::string& folder = "", const std::string& name = "",
                std::vector<int> typeChanges = {}, bool accepted = true) {
        choose = item;
        answer = HfcFileDialogAnswer{accepted, folder, name, std::move(typeChanges)};
    }
    // The texts of the last menu shown, with "-" for a separator.
    std::vector<std::string> LastMenuTexts() const {
        std::vector<std::string> out;
        if (menus.empty()) return out;
        for (const CHfcPopupMenu::Item& item : menus.back())
            out.push_back((item.flags & 1u) ? "-" : item.text);
        return out;
    }
};

}  // namespace UtilityScript
