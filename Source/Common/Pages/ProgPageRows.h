#pragma once
// A page's own controls as one table of rows: each row makes one control through the factory at
// fixed pixels, adds it to the page, makes the page its listener, shows it and, for a PID other than
// -1, links and synchronises it. Container rows place the rows that follow inside the container
// (positions relative to it, background taken from the container's image) up to the next
// kEndContainer row.
#include <vector>

class CHfcControl;
class EditTabPageLayerBase;

namespace ProgRows {

enum Kind {
    kCategoryLabel,  // text at (x, y), width w, align a (0 left, 1 centre)
    kParamLabel,     // text at (x, y), width w, height h (0: the font's), align a (0 left, 1 centre)
    kKnob,           // range a..b, centre 0, text length c (0: 3)
    kVerticalBar,    // range a..b, centre 0, signed; images text (bar) and image (back)
    kHorizontalBar,  // width w, range a..b, centre 0
    kTextEdit,       // w x h, at most c characters (0: what the field holds)
    kDropdown,       // look a
    kSwitch,         // image (none: the check box), a states (0: 2)
    kCheckBox,       //
    kSlideSwitch,    // image, a positions
    kSoundSelector,  // selector kind a, look b
    kContainer,      // image, w x h, framed when a is 1
    kEndContainer,
};

struct Row {
    Kind kind;
    int x, y;
    int pid;  // -1: not linked
    int id;   // control id; 0: the PID (or -1 for labels)
    const char* text;
    const char* image;
    int w, h;
    int a, b, c;
    bool hidden;  // created hidden
};

// Rows in the order given; the controls made, in the same order (none for a row that made none
// and for container rows).
std::vector<CHfcControl*> Build(EditTabPageLayerBase* page, const Row* rows, int count);
template <int N>
std::vector<CHfcControl*> Build(EditTabPageLayerBase* page, const Row (&rows)[N]) {
    return Build(page, rows, N);
}

// Row makers, so that tables read as what they make.
constexpr Row Category(int x, int y, int w, const char* text, int align = 0) {
    return Row{kCategoryLabel, x, y, -1, -1, text, nullptr, w, 0, align, 0, 0, false};
}
constexpr Row Label(int x, int y, int w, const char* text, int h = 0, int align = 0, int id = -1) {
    return Row{kParamLabel, x, y, -1, id, text, nullptr, w, h, align, 0, 0, false};
}
constexpr Row Knob(int x, int y, int pid, int min, int max, int textLength = 3, bool hidden = false) {
    return Row{kKnob, x, y, pid, 0, nullptr, nullptr, 0, 0, min, max, textLength, hidden};
}
constexpr Row VerticalBar(int x, int y, int pid, int min, int max, const char* bar, const char* back) {
    return Row{kVerticalBar, x, y, pid, 0, bar, back, 0, 0, min, max, 0, false};
}
constexpr Row HorizontalBar(int x, int y, int pid, int w, int min, int max) {
    return Row{kHorizontalBar, x, y, pid, 0, nullptr, nullptr, w, 0, min, max, 0, false};
}
constexpr Row TextEdit(int x, int y, int pid, int w, int h, int maxChars = 0, int id = 0) {
    return Row{kTextEdit, x, y, pid, id, nullptr, nullptr, w, h, 0, 0, maxChars, false};
}
constexpr Row Dropdown(int x, int y, int pid, int look) {
    return Row{kDropdown, x, y, pid, 0, nullptr, nullptr, 0, 0, look, 0, 0, false};
}
constexpr Row Switch(int x, int y, int pid, const char* image = nullptr, int states = 2, int id = 0) {
    return Row{kSwitch, x, y, pid, id, nullptr, image, 0, 0, states, 0, 0, false};
}
constexpr Row CheckBox(int x, int y, int pid) {
    return Row{kCheckBox, x, y, pid, 0, nullptr, nullptr, 0, 0, 0, 0, 0, false};
}
constexpr Row SlideSwitch(int x, int y, int pid, const char* image, int positions) {
    return Row{kSlideSwitch, x, y, pid, 0, nullptr, image, 0, 0, positions, 0, 0, false};
}
constexpr Row SoundSelector(int x, int y, int pid, int selectorKind, int look) {
    return Row{kSoundSelector, x, y, pid, 0, nullptr, nullptr, 0, 0, selectorKind, look, 0, false};
}
constexpr Row Container(int x, int y, const char* image, int w, int h, bool framed = false) {
    return Row{kContainer, x, y, -1, -1, nullptr, image, w, h, framed ? 1 : 0, 0, 0, false};
}
constexpr Row EndContainer() {
    return Row{kEndContainer, 0, 0, -1, -1, nullptr, nullptr, 0, 0, 0, 0, 0, false};
}

}  // namespace ProgRows
