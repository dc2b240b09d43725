#pragma once
// How form rows are written: one helper per item class and size the control factory supports, so a
// row of another class, size or font cannot be written. Captions take the caption fonts' own name
// objects; controls carry the PID of the parameter they edit.
#include "Common/FontManager/FontManager.h"
#include "Common/Layers/Forms/UIFormInfo.h"

namespace UIForms {

inline constexpr int kRowHeight = 13;
inline constexpr int kCategoryCaptionWidth = 100;
inline constexpr int kParamCaptionWidth = 60;

constexpr UI_FORMINFO Item(const char* cls, const char* caption, const char* font, int kind, int pid, int x,
                           int y, int w, int h) {
    return UI_FORMINFO{cls, caption, font, kind, pid, x, y, w, h, 0, nullptr};
}

// A category caption above a column (wider for a long one), and a parameter caption left of its
// control.
constexpr UI_FORMINFO Cat(const char* text, int x, int y, int w = kCategoryCaptionWidth) {
    return Item(kClassText, text, FontName_CategoryLabel, kKindCategoryCaption, -1, x, y, w, kRowHeight);
}
constexpr UI_FORMINFO Lbl(const char* text, int x, int y, int w = kParamCaptionWidth) {
    return Item(kClassText, text, FontName_ParamLabel, kKindParamCaption, -1, x, y, w, kRowHeight);
}

// A control row of a class in one of its sizes.
constexpr UI_FORMINFO Control(const char* cls, int kind, int pid, int x, int y, int w, int h = kRowHeight) {
    return Item(cls, "", "", kind, pid, x, y, w, h);
}

// clang-format off
constexpr UI_FORMINFO Chk(int pid, int x, int y) { return Control(kClassCheckBox, kKindCheckBox, pid, x, y, 13, 13); }
constexpr UI_FORMINFO Edit37(int pid, int x, int y) { return Control(kClassEditText, kKindEditText, pid, x, y, 37); }
constexpr UI_FORMINFO Edit40(int pid, int x, int y) { return Control(kClassEditText, kKindEditText, pid, x, y, 40); }
constexpr UI_FORMINFO Edit96(int pid, int x, int y) { return Control(kClassEditText, kKindEditText, pid, x, y, 96); }
constexpr UI_FORMINFO Pop31(int pid, int x, int y) { return Control(kClassPopupMenu, kKindPopupMenu, pid, x, y, 31); }
constexpr UI_FORMINFO Pop96(int pid, int x, int y) { return Control(kClassPopupMenu, kKindPopupMenu, pid, x, y, 96); }
constexpr UI_FORMINFO Pop154(int pid, int x, int y) { return Control(kClassPopupMenu, kKindPopupMenu, pid, x, y, 154); }
constexpr UI_FORMINFO Bar96(int pid, int x, int y) { return Control(kClassValueBar, kKindValueBar, pid, x, y, 96); }
constexpr UI_FORMINFO Bar103(int pid, int x, int y) { return Control(kClassValueBar, kKindValueBar, pid, x, y, 103); }
// clang-format on

// A form row over its item table; the name is the form's caption.
template <int N>
constexpr UI_FORMINFO Form(int id, const char* name, const UI_FORMINFO (&items)[N]) {
    return UI_FORMINFO{kClassLayer, name, nullptr, id, -1, 0, 0, kFormWidth, kFormHeight, N, items};
}

}  // namespace UIForms
