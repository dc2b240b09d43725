#pragma once
// Driving the toolkit's dialog on top of the modal stack on the headless screen.
#include <gtest/gtest.h>

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Headless/HfcHeadless.h"

inline CHfcDialogWindow* HfcTopDialog() {
    return dynamic_cast<CHfcDialogWindow*>(HfcModalTop());
}

// Clicks the button with this text of the dialog on top.
inline void HfcClickDialogButton(CHfcHeadlessScreen& screen, const char* text) {
    CHfcDialogWindow* dialog = HfcTopDialog();
    ASSERT_NE(dialog, nullptr);
    for (const auto& b : dialog->GetButtons()) {
        if (b.text != text) continue;
        int ox = 0, oy = 0;
        dialog->GetFrame()->GetRootOrigin(&ox, &oy);
        screen.MoveTo(ox + (b.rect.left + b.rect.right) / 2, oy + (b.rect.top + b.rect.bottom) / 2);
        screen.Click();
        return;
    }
    ADD_FAILURE() << "no button " << text;
}
