#pragma once
// Modal message boxes. The answer comes from, in this order: a hook a test has set, the window
// toolkit's presenter (when a display is there), or, with neither, the text is written to standard
// error and the default button is the answer.
#include <functional>
#include <string>
#include <vector>

class CHfcWindow;

// buttons
enum : long {
    HFC_MB_OK = 0,
    HFC_MB_OKCANCEL = 1,
    HFC_MB_YESNO = 2,
    HFC_MB_OKCANCELOTHER = 3,  // and any other value
};

// icon; any other value takes the icon that goes with the buttons
enum : long {
    HFC_MB_ICONDEFAULT = 0,
    HFC_MB_ICONPLAIN = 1,
    HFC_MB_ICONNOTE = 2,
    HFC_MB_ICONCAUTION = 3,
    HFC_MB_ICONSTOP = 4,
};

// results
enum : int {
    HFC_MB_RESULT_DEFAULT = 1,  // OK, Yes
    HFC_MB_RESULT_CANCEL = 2,   // Cancel, No
    HFC_MB_RESULT_OTHER = 3,    // the third button
};

enum class HfcAlertType { Plain, Note, Caution, Stop };

// What a message box shows, worked out from its arguments.
struct HfcMessageBoxRequest {
    std::string caption;               // the main message, at most 255 characters
    std::string text;                  // the explanation, at most 255 characters
    std::vector<std::string> buttons;  // in result order: buttons[0] answers 1, buttons[1] 2, ...
    HfcAlertType alert;
};

HfcMessageBoxRequest HfcMessageBoxDescribe(const char* text, const char* caption, long buttons, long icon);

// Returns the number of the button pressed (1-based). An answer outside the shown buttons counts as
// the default button.
using HfcMessageBoxHook = std::function<int(const HfcMessageBoxRequest&)>;
// For tests; null removes it.
void HfcSetMessageBoxHook(HfcMessageBoxHook hook);
// For the window toolkit; null removes it.
void HfcSetMessageBoxPresenter(HfcMessageBoxHook presenter);

// Whether a message box reaches anyone (a hook or a presenter is set). Without, a box only writes its
// text to standard error and answers with the default button.
bool HfcMessageBoxCanAsk();

int HfcMessageBoxForWindow(const char* text, const char* caption, CHfcWindow* window, long buttons,
                           long icon);
int HfcMessageBox(const char* text, const char* caption, long buttons, long icon);
