#pragma once
// What the form tests share: the forms as the pages host them (section kind, background, models),
// the forms' stated contents, text widths in the bitmap fonts' records, and iteration over rows.
#include <functional>
#include <string>
#include <vector>

#include "Common/Layers/Forms/UIFormInfo.h"
#include "Common/Model/SynthData.h"

struct tagHfcBmpFontInfo;

namespace FormTest {

// How a page hosts a form: the section kind it links to, its background and its size.
struct Host {
    int kind;
    const char* background;
    int width, height;
};
Host HostOf(const UI_FORMINFO& form);
// The models a form serves: the sister model's variants only that model, the rest both.
std::vector<unsigned char> ModelsOf(const UI_FORMINFO& form);

// One form as its table states it.
struct Stated {
    int id;
    const char* name;
    int rows;
    std::vector<std::string> categories;
    int paramCaptions, checkBoxes, editTexts, popupMenus, valueBars;
};
const std::vector<Stated>& StatedForms();

// The width a text takes in a bitmap font record: the advances of every character but the last,
// then the last one's drawn width (where its pixels end).
int InkWidth(const tagHfcBmpFontInfo& font, const std::string& text);

// The text room of each control class (the factory's looks): a dropdown's face left of its arrow
// zone inside its margins, a value bar's display right of its text origin, an edit field shrunk by
// its focus margins, and the characters an edit field holds.
int PopupTextRoom(int width);
int ValueBarTextRoom(int width);
int EditTextRoom(int width);
int EditTextMaxChars(int width, int height);

void ForEachForm(const std::function<void(const UI_FORMINFO& form)>& visit);

}  // namespace FormTest
