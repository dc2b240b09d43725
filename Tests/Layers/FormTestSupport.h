#pragma once
// What the form tests share: the forms as the pages host them (section kind, background, models),
// the forms' stated contents, text widths in the bitmap fonts' records, and iteration over rows.
#include <functional>
#include <string>
#include <vector>

#include "Common/Layers/Forms/UIFormInfo.h"
#include "Common/Model/SynthData.h"

struct tagHfcBmpFontInfo;
class QnSynthLayer;

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

// The one control a parameter caption labels: on its line, starting at most 10 pixels right of the
// caption's end; none when there is not exactly one.
const UI_FORMINFO* ControlBeside(const UI_FORMINFO& form, const UI_FORMINFO& caption);

// Whether a caption names the parameter of row name `name` in table group `group` (the caption row
// of the table the parameter stands under): every word of the caption is found in the two (with
// the pages' abbreviations: "Lvl" is LEVEL, "Int." INT, "AMS" A.M.), a number of the caption in the
// row's own name; and an envelope caption ("Start Lvl", "Time:Decay") names exactly the envelope
// row of its stage and kind, nothing else, and no other caption names such a row.
bool CaptionNamesParameter(const std::string& caption, const std::string& name, const std::string& group);

// What is wrong with a form's controls as the page linking the form's section kind sees them: a
// PID that stands on two controls, a parameter the caption beside its control does not name. Empty
// for a right form.
std::vector<std::string> FormProblems(const UI_FORMINFO& form, const QnSynthLayer& layer);

}  // namespace FormTest
