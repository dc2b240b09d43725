#pragma once
// Plain test art for the dropdowns, lists, scroll bars and selectors: solid images, a block font whose
// glyphs are solid rectangles (so text positions are exact pixel columns), scripted popup answers and
// a listener that marks list items the way the pick-list pages do.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "Hfc/Core/HfcCtrlList.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcControlRecorder.h"

namespace ListsTest {

inline void Solid(CHfcBmp* bmp, int w, int h, uint32_t argb) {
    bmp->Create(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) bmp->SetPixel(x, y, argb);
    }
}

// frames faces of w × h stacked, face f filled with colours[f].
inline void Faces(CHfcBmp* bmp, int w, int h, const std::vector<uint32_t>& colours) {
    bmp->Create(w, h * static_cast<int>(colours.size()));
    for (size_t f = 0; f < colours.size(); ++f) {
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) bmp->SetPixel(x, static_cast<int>(f) * h + y, colours[f]);
        }
    }
}

// Every printable glyph a white block kInk wide and kTextHeight high at the top of a kCell-high
// cell, advancing kAdvance; the space advances without ink.
struct BlockFont {
    static constexpr int kInk = 4;
    static constexpr int kAdvance = 5;
    static constexpr int kCell = 10;
    static constexpr int kTextHeight = 8;

    BlockFont() {
        bitmap.Create(8, kCell * 128);
        for (int c = 33; c < 127; ++c) {
            for (int y = 0; y < kTextHeight; ++y) {
                for (int x = 0; x < kInk; ++x) bitmap.SetPixel(x, c * kCell + y, 0xFFFFFFFF);
            }
        }
        info.bitmap = &bitmap;
        for (int c = 0; c < 128; ++c) {
            info.widths[c] = c > 32 && c < 127 ? kInk : 0;
            info.widths[c + 128] = c >= 32 && c < 127 ? kAdvance : 0;
        }
        info.height = kCell;
        info.textHeight = kTextHeight;
    }
    static int Width(const std::string& text) { return static_cast<int>(text.size()) * kAdvance; }

    CHfcBmp bitmap;
    tagHfcBmpFontInfo info{};
};

// The first and last columns (and rows) of a rectangle of a snapshot showing the colour; -1 when
// none does.
struct Extent {
    int left = -1, right = -1, top = -1, bottom = -1;
    bool operator==(const Extent&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const Extent& e) {
    return os << "[" << e.left << ".." << e.right << " x " << e.top << ".." << e.bottom << "]";
}

// Whether a pixel shows the colour: tinted glyphs come out a step darker than their colour (the
// tint scales by 255/256), so each colour channel may differ by a few steps.
inline bool Shows(uint32_t pixel, uint32_t argb) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = static_cast<int>((pixel >> shift) & 0xFF);
        const int b = static_cast<int>((argb >> shift) & 0xFF);
        if (a - b > 6 || b - a > 6) return false;
    }
    return true;
}

inline Extent ExtentOf(const CHfcBmp* bmp, uint32_t argb, int x0 = 0, int y0 = 0, int x1 = -1, int y1 = -1) {
    if (x1 < 0) x1 = bmp->GetWidth();
    if (y1 < 0) y1 = bmp->GetHeight();
    Extent e;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            if (!Shows(bmp->GetPixel(x, y), argb)) continue;
            if (e.left < 0 || x < e.left) e.left = x;
            if (x > e.right) e.right = x;
            if (e.top < 0) e.top = y;
            e.bottom = y;
        }
    }
    return e;
}

// Answers popups from a script and keeps what each one showed.
class ScriptedPopup {
public:
    struct Shown {
        std::vector<std::string> texts;
        std::vector<int> ids;
        int checked = -1;  // the checked entry, -1 for none
        int rootX = 0;
        int rootY = 0;
        int selected = 0;
    };

    ScriptedPopup() {
        HfcSetPopupMenuHook([this](const HfcPopupMenuRequest& request) {
            Shown s;
            for (size_t i = 0; i < request.items.size(); ++i) {
                s.texts.push_back(request.items[i].text);
                s.ids.push_back(request.items[i].id);
                if (request.items[i].checked) s.checked = static_cast<int>(i);
            }
            s.rootX = request.rootX;
            s.rootY = request.rootY;
            s.selected = request.selected;
            shown.push_back(s);
            if (whileShown) whileShown();
            return answer;
        });
    }
    ~ScriptedPopup() { HfcSetPopupMenuHook(nullptr); }
    ScriptedPopup(const ScriptedPopup&) = delete;
    ScriptedPopup& operator=(const ScriptedPopup&) = delete;

    int answer = 0;
    std::vector<Shown> shown;
    std::function<void()> whileShown;
};

// A recorder that also marks list items selected or not as the list reports them, and notes the
// list's other events.
class ListRecorder : public HfcControlRecorder {
public:
    bool OnHfcCtrlEvent(CHfcControl*, int event, int argument, void* pointer) override {
        char text[48];
        if (event == CHfcCtrlList::kEventSelect) {
            auto* item = static_cast<CHfcCtrlListItem*>(pointer);
            item->SetSelected(argument != 0);
            std::snprintf(text, sizeof text, "%s %d", argument ? "select" : "deselect", item->m_index);
        } else if (event == CHfcCtrlList::kEventFinish) {
            std::snprintf(text, sizeof text, "finish");
        } else {
            std::snprintf(text, sizeof text, "event %d %d", event, argument);
        }
        calls.push_back(text);
        return true;
    }
};

}  // namespace ListsTest
