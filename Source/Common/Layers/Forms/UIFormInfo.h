#pragma once
// The editor's form tables: sub-pages declared as data. A form is a row of class "Layer" whose child
// rows are its items, each naming a control class, a caption, a font, a parameter and a rectangle
// in page pixels. Text and pointer fields are pointer-sized.
#include <string>

class CHfcBmp;
struct tagHfcBmpFontInfo;

struct UI_FORMINFO {
    const char* className;  // "Layer" for a form; "text", "checkbox", "edittext", "popupmenu", "valuebar"
    const char* caption;    // caption text ("" when none); a form's own name for a form row
    const char* fontName;   // the caption font; "" for controls; none for forms
    int kindId;             // a form's id, or the item's kind (UIForms::kKind...)
    int controlId;          // the PID a control edits; -1 for captions and forms
    int x, y, width, height;
    int childCount;               // item rows of a form; 0 for items
    const UI_FORMINFO* children;  // the form's item table; none for items
};

struct UI_FORMINFOBLOCK {
    int count;
    const UI_FORMINFO* forms;
};

struct UI_IMAGEINFO {
    const char* name;
    int frames;
};

struct UI_IMAGEINFOBLOCK {
    int count;
    const UI_IMAGEINFO* images;
};

// A caption for a page's own drawing.
struct stTextDrawInfo {
    int kindId = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int reserved = 0;
    std::string caption;
    tagHfcBmpFontInfo* font = nullptr;
    CHfcBmp* image = nullptr;
};

namespace UIForms {

// Row classes.
inline constexpr char kClassLayer[] = "Layer";
inline constexpr char kClassText[] = "text";
inline constexpr char kClassCheckBox[] = "checkbox";
inline constexpr char kClassEditText[] = "edittext";
inline constexpr char kClassPopupMenu[] = "popupmenu";
inline constexpr char kClassValueBar[] = "valuebar";

// Item kinds.
enum : int {
    kKindCategoryCaption = 1025,
    kKindParamCaption = 1026,
    kKindPopupMenu = 1027,
    kKindCheckBox = 1028,
    kKindValueBar = 1030,
    kKindEditText = 1033,
};

// Every form's own rectangle; a page built from a form takes its background's size instead.
inline constexpr int kFormWidth = 559;
inline constexpr int kFormHeight = 230;

// The 53 forms and the images the forms use, with their frame counts.
extern const UI_FORMINFOBLOCK _g_uiFormInfoBlock;
extern const UI_IMAGEINFOBLOCK _g_uiImageInfoBlock;

}  // namespace UIForms
