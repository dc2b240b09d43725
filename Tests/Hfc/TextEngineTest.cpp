#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hfc/Core/HfcTextEngine.h"
#include "Hfc/Draw/HfcBmp.h"
#include "HfcRecordingContext.h"

namespace {

// Records every notice in order, as short words.
class Notices : public CHfcEditTextEngineListener {
public:
    std::vector<std::string> seen;
    void OnHfcEditTextEngineBufferIsModified(CHfcEditTextEngine*) override { seen.push_back("modified"); }
    void OnHfcEditTextEngineCursorPositionIsChanged(CHfcEditTextEngine*, int caret) override {
        seen.push_back("caret " + std::to_string(caret));
    }
    void OnHfcEditTextEngineSelectionIsChanged(CHfcEditTextEngine*, int start, int end) override {
        seen.push_back("selection " + std::to_string(start) + " " + std::to_string(end));
    }
    void OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine*) override { seen.push_back("redraw"); }
    void OnHfcEditTextEngineReturn(CHfcEditTextEngine*) override { seen.push_back("return"); }
    void OnHfcEditTextEngineEsc(CHfcEditTextEngine*) override { seen.push_back("esc"); }
};

using Words = std::vector<std::string>;

enum : int {
    kBackspace = 8,
    kReturn = 13,
    kEscape = 27,
    kLeft = 28,
    kRight = 29,
    kHome = 30,
    kEnd = 31,
    kDelete = 127,
    kShift = 1
};

class TextEngine : public testing::Test {
protected:
    TextEngine() : engine(&notices, 16) { engine.SetDrawParameters(nullptr, 0, 0, 8, 12, 20); }
    void Start(const char* text) {
        engine.SetText(text);
        notices.seen.clear();
    }
    // Text, caret, selection start and end in one line, for readable failures.
    std::string State() const {
        return std::string(engine.GetText()) + " | " + std::to_string(engine.GetCursorPosition()) + " " +
               std::to_string(engine.GetSelectionStart()) + "-" + std::to_string(engine.GetSelectionEnd());
    }
    Notices notices;
    CHfcEditTextEngine engine;
};

TEST_F(TextEngine, SetSelectionRefusesEmptyAndOutOfRangeRanges) {
    struct Case {
        int start, end;
        bool taken;
    };
    const Case cases[] = {{2, 2, false}, {0, 6, false}, {-1, 2, false}, {5, 5, false}, {3, 1, false},
                          {5, 6, false}, {1, 3, true},  {0, 5, true},   {4, 5, true}};
    for (const Case& c : cases) {
        Start("abcde");
        engine.SetSelection(c.start, c.end);
        if (c.taken) {
            EXPECT_EQ(notices.seen,
                      (Words{"selection " + std::to_string(c.start) + " " + std::to_string(c.end), "redraw"}))
                << c.start << "," << c.end;
            EXPECT_EQ(engine.GetSelectionStart(), c.start);
            EXPECT_EQ(engine.GetSelectionEnd(), c.end);
        } else {
            EXPECT_TRUE(notices.seen.empty()) << c.start << "," << c.end;
            EXPECT_EQ(State(), "abcde | 5 5-5") << c.start << "," << c.end;
        }
    }
    // The same selection again changes nothing and tells nobody.
    Start("abcde");
    engine.SetSelection(1, 3);
    notices.seen.clear();
    engine.SetSelection(1, 3);
    EXPECT_TRUE(notices.seen.empty());
}

TEST_F(TextEngine, TypingReplacesTheSelection) {
    Start("abcde");
    engine.SetSelection(1, 3);
    notices.seen.clear();
    engine.Input('x');
    EXPECT_EQ(State(), "axde | 2 2-2");
    EXPECT_EQ(notices.seen,
              (Words{"redraw", "modified", "redraw", "selection 1 1", "redraw", "modified", "redraw"}));
}

TEST_F(TextEngine, TypingStopsAtTheLengthLimitAndSetTextCutsThere) {
    engine.SetMaxLength(4);
    struct Case {
        const char* start;
        int selStart, selEnd;  // equal: no selection
        const char* typed;
        const char* state;
    };
    const Case cases[] = {
        {"", 0, 0, "abcdef", "abcd | 4 4-4"},  {"abcd", 0, 0, "x", "abcd | 4 4-4"},
        {"abcd", 1, 3, "xyz", "axyd | 3 3-3"}, {"abcdefgh", 0, 0, "", "abcd | 4 4-4"},
        {"ab", 0, 0, "cde", "abcd | 4 4-4"},
    };
    for (const Case& c : cases) {
        Start(c.start);
        if (c.selEnd > c.selStart) engine.SetSelection(c.selStart, c.selEnd);
        for (const char* p = c.typed; *p != 0; ++p) engine.Input(*p);
        EXPECT_EQ(State(), c.state) << c.start << " + " << c.typed;
    }
    engine.SetMaxLength(0);  // no limit again
    Start("abcd");
    engine.Input('e');
    EXPECT_EQ(State(), "abcde | 5 5-5");
}

TEST_F(TextEngine, FilterAndControlCharactersAreNotInserted) {
    Start("12");
    engine.SetInputFilter("0123456789");
    engine.Input('a');
    engine.Input(31);
    engine.Input(0);
    EXPECT_EQ(State(), "12 | 2 2-2");
    EXPECT_TRUE(notices.seen.empty());
    engine.Input('7');
    EXPECT_EQ(State(), "127 | 3 3-3");
    // An empty filter removes it; character 31 stays refused without one.
    engine.SetInputFilter("");
    engine.Input('a');
    engine.Input(31);
    engine.Input(300);
    EXPECT_STREQ(engine.GetText(), "127a");
}

TEST_F(TextEngine, KeysMoveTheCaretAndTheSelection) {
    struct Step {
        int character, modifiers;
        const char* after;  // text | caret start-end
    };
    const Step steps[] = {
        {kLeft, 0, "abcde | 4 4-4"},
        {kLeft, 0, "abcde | 3 3-3"},
        {kLeft, kShift, "abcde | 2 2-3"},
        {kLeft, kShift, "abcde | 1 1-3"},  // bc selected, caret at its start
        {kLeft, 0, "abcde | 1 1-1"},       // a plain left collapses to the start
        {kRight, kShift, "abcde | 2 1-2"},
        {kRight, kShift, "abcde | 3 1-3"},
        {kLeft, kShift, "abcde | 2 1-2"},  // caret at the end: the end moves back
        {kRight, 0, "abcde | 2 2-2"},      // collapses to the end
        {kEnd, kShift, "abcde | 5 2-5"},
        {kRight, kShift, "abcde | 5 2-5"},  // end of the text: nothing more to take
        {kHome, 0, "abcde | 0 0-0"},
        {kLeft, 0, "abcde | 0 0-0"},
        {kBackspace, 0, "abcde | 0 0-0"},
        {kEnd, 0, "abcde | 5 5-5"},
        {kDelete, 0, "abcde | 5 5-5"},
        {kRight, 0, "abcde | 5 5-5"},
        {kBackspace, 0, "abcd | 4 4-4"},
        {kLeft, 0, "abcd | 3 3-3"},
        {kDelete, 0, "abc | 3 3-3"},
        {kHome, kShift, "abc | 0 0-3"},  // from the caret back to the start
        {kDelete, 0, " | 0 0-0"},
        {'x', 0, " | 0 0-0"},  // only the arrows, Return, Escape and the deletes act
    };
    Start("abcde");
    for (const Step& s : steps) {
        engine.KeyDown(s.character, s.modifiers);
        EXPECT_EQ(State(), s.after) << "after key " << s.character << " modifiers " << s.modifiers;
    }
}

TEST_F(TextEngine, KeyNoticesFollowTheirOrder) {
    struct Case {
        int start, end, caret;  // selection set first, then the caret
        int character, modifiers;
        Words notices;
    };
    const Case cases[] = {
        {0, 0, 3, kLeft, 0, {"redraw"}},
        {0, 0, 3, kLeft, kShift, {"selection 2 3", "redraw", "redraw"}},
        // A plain right moves the caret and asks for a redraw so the caret shows at once.
        {0, 0, 3, kRight, 0, {"redraw"}},
        {0, 0, 5, kRight, 0, {}},
        {1, 3, 5, kRight, 0, {"selection 3 3", "redraw"}},
        {0, 0, 3, kHome, 0, {"redraw"}},
        {1, 3, 5, kHome, 0, {"selection 0 0", "redraw", "redraw"}},
        {0, 0, 0, kBackspace, 0, {"redraw", "redraw"}},
        {0, 0, 2, kBackspace, 0, {"modified", "redraw", "redraw", "redraw"}},
        {1, 3, 5, kBackspace, 0, {"redraw", "modified", "redraw", "selection 1 1", "redraw", "redraw"}},
        {0, 0, 5, kDelete, 0, {"redraw"}},
        {0, 0, 2, kReturn, 0, {"return"}},
        {0, 0, 2, kEscape, 0, {"esc"}},
    };
    for (const Case& c : cases) {
        Start("abcde");
        if (c.end > c.start) engine.SetSelection(c.start, c.end);
        engine.SetCursorPosition(c.caret);
        notices.seen.clear();
        engine.KeyDown(c.character, c.modifiers);
        EXPECT_EQ(notices.seen, c.notices)
            << "key " << c.character << " from " << c.start << "-" << c.end << " caret " << c.caret;
    }
}

TEST_F(TextEngine, SetTextGrowsTheBufferAndPlacesTheCaretAtTheEnd) {
    EXPECT_EQ(engine.GetCapacity(), 1024);
    const std::string text(2000, 'q');
    engine.SetText(text.c_str());
    EXPECT_EQ(engine.GetCapacity(), 2048);
    EXPECT_EQ(std::string(engine.GetText()), text);
    EXPECT_EQ(engine.GetCursorPosition(), 2000);
    // No limit beyond memory: typing grows it again.
    for (int i = 0; i < 100; ++i) engine.Input('w');
    EXPECT_EQ(engine.GetLength(), 2100);
    EXPECT_EQ(engine.GetCapacity(), 4096);
    // A selection before SetText is reported gone.
    Start("abcde");
    engine.SetSelection(0, 2);
    notices.seen.clear();
    engine.SetText("xy");
    EXPECT_EQ(notices.seen, (Words{"modified", "redraw", "selection 2 2", "redraw"}));
    engine.SetText(nullptr);
    EXPECT_STREQ(engine.GetText(), "");
}

TEST_F(TextEngine, MousePlacesTheCaretAndDragsASelection) {
    Start("abcdef");  // 8-pixel cells
    struct Case {
        int x, position;
    };
    const Case cases[] = {{-20, 0}, {0, 0}, {3, 0}, {4, 1}, {11, 1}, {12, 2}, {44, 6}, {47, 6}, {400, 6}};
    for (const Case& c : cases) {
        engine.MouseLButtonDown(nullptr, c.x, 0, 0);
        EXPECT_EQ(engine.GetCursorPosition(), c.position) << c.x;
        engine.MouseLostCapture(nullptr);
    }

    engine.MouseLButtonDown(nullptr, 16, 0, 0);
    engine.MouseMove(nullptr, 40, 0, 0);
    EXPECT_EQ(State(), "abcdef | 5 2-5");
    engine.MouseMove(nullptr, 0, 0, 0);
    EXPECT_EQ(State(), "abcdef | 0 0-2");
    // Back to the anchor: nothing stays selected, so typing inserts instead of replacing ab.
    notices.seen.clear();
    engine.MouseMove(nullptr, 16, 0, 0);
    EXPECT_EQ(State(), "abcdef | 2 2-2");
    EXPECT_EQ(notices.seen, (Words{"caret 2", "redraw", "selection 2 2", "redraw"}));
    engine.MouseLostCapture(nullptr);
    engine.Input('x');
    EXPECT_EQ(State(), "abxcdef | 3 3-3");
    // After the capture is lost moves select nothing.
    engine.MouseMove(nullptr, 0, 0, 0);
    EXPECT_EQ(State(), "abxcdef | 3 3-3");
    // A press clears an existing selection and says so.
    engine.SetSelection(1, 4);
    notices.seen.clear();
    engine.MouseLButtonDown(nullptr, 40, 0, 0);
    EXPECT_EQ(notices.seen, (Words{"caret 5", "redraw", "selection 5 5", "redraw"}));
}

TEST(TextEngineNoFont, MousePositionsBeforeTheCellSizeIsKnownAreTheStart) {
    Notices notices;
    CHfcEditTextEngine engine(&notices, 0);
    engine.SetText("abc");
    engine.MouseLButtonDown(nullptr, 17, 0, 0);
    engine.MouseMove(nullptr, 40, 0, 0);
    EXPECT_EQ(engine.GetCursorPosition(), 0);
    EXPECT_FALSE(engine.HasSelection());
    // Without a listener nothing is told and nothing breaks.
    CHfcEditTextEngine quiet(nullptr, 1);
    quiet.SetText("abc");
    quiet.KeyDown(kBackspace, 0);
    quiet.Input('z');
    EXPECT_STREQ(quiet.GetText(), "abz");
}

TEST_F(TextEngine, ProportionalPositionsFollowTheWidthTableAndAlignment) {
    tagHfcBmpFontInfo font{};
    for (int c = 0; c < 128; ++c) font.widths[c + 128] = 6;
    font.widths['i' + 128] = 2;
    font.widths['W' + 128] = 10;
    engine.SetDrawParameters(nullptr, 0, 0, 10, 12, 10);  // field of 100 pixels
    engine.SetProportionalFont(&font, 0xff000000);
    engine.SetProportional(true);
    Start("iWa");  // right edges 2, 12, 18
    EXPECT_EQ(engine.GetTextWidth(), 18);
    struct Case {
        int alignment, x, position;
    };
    const Case cases[] = {
        {0, 0, 0},
        {0, 1, 0},
        {0, 2, 1},
        {0, 11, 1},
        {0, 12, 2},
        {0, 17, 2},
        {0, 18, 3},
        {0, 99, 3},
        // Centre: the text starts at (100 - 18) / 2 = 41.
        {1, 41, 0},
        {1, 43, 1},
        {1, 58, 2},
        {1, 59, 3},
        // Right: the text starts at 82.
        {2, 82, 0},
        {2, 84, 1},
        {2, 99, 2},
        {2, 100, 3},
        {2, 0, 0},
    };
    for (const Case& c : cases) {
        engine.SetAlignment(c.alignment);
        EXPECT_EQ(engine.PositionFromX(c.x), c.position) << "alignment " << c.alignment << " x " << c.x;
    }
}

TEST_F(TextEngine, CaretBlinksTwelveTicksOnAndThirteenOff) {
    Start("ab");
    std::string pattern;
    for (int i = 0; i < 50; ++i) {
        engine.Idle(0);
        pattern += engine.IsCaretShown() ? '1' : '0';
    }
    EXPECT_EQ(pattern,
              std::string(12, '1') + std::string(13, '0') + std::string(12, '1') + std::string(13, '0'));
    // A redraw notice at each change only: on, off, on, off.
    EXPECT_EQ(notices.seen, (Words{"redraw", "redraw", "redraw", "redraw"}));
}

// Drawing, checked against the glyph cells computed from the text.
class TextEngineDraw : public TextEngine {
protected:
    TextEngineDraw() {
        strip.Create(8, 12 * 128);
        engine.SetDrawParameters(&strip, 0xff3f3f7f, 0xffffffff, 0, 0, 6);
    }
    CHfcBmp strip;
    HfcRecordingContext context;
};

TEST_F(TextEngineDraw, FixedWidthGlyphsStopWhenLessThanHalfFits) {
    EXPECT_EQ(engine.GetCharWidth(), 8);
    EXPECT_EQ(engine.GetCharHeight(), 12);
    Start("ABCDEFGH");
    engine.Draw(&context, 10, 20, 50, 12);
    std::vector<std::string> expected;
    for (int i = 0; i < 6; ++i) {
        expected.push_back(HfcRecordingContext::Copy(10 + 8 * i, 20, 8, 12, 0, 12 * ('A' + i)));
    }
    EXPECT_EQ(context.ops, expected);  // the 7th cell would be 2 pixels: not drawn; no caret (hidden)

    // 54 pixels: the 7th cell has 6 of 8 pixels and is drawn cut.
    context.ops.clear();
    engine.Draw(&context, 0, 0, 54, 12);
    ASSERT_EQ(context.ops.size(), 7u);
    EXPECT_EQ(context.ops[6], HfcRecordingContext::Copy(48, 0, 6, 12, 0, 12 * 'G'));
}

TEST_F(TextEngineDraw, SelectionFillAndCaretLine) {
    Start("abcd");
    engine.SetSelection(1, 3);
    engine.Draw(&context, 5, 7, 48, 12);
    ASSERT_FALSE(context.ops.empty());
    EXPECT_EQ(context.ops[0], HfcRecordingContext::Fill(13, 7, 16, 12, 0xff3f3f7f));

    // No selection, caret shown at position 2: a one-pixel line just before the third cell.
    engine.SetCursorPosition(2);
    engine.KeyDown(kLeft, 0);
    engine.KeyDown(kRight, 0);
    engine.Idle(0);  // shown
    context.ops.clear();
    engine.Draw(&context, 5, 7, 48, 12);
    ASSERT_EQ(context.ops.size(), 5u);
    EXPECT_EQ(context.ops[4], HfcRecordingContext::Fill(5 + 16 - 1, 7, 1, 12, 0xffffffff));
    // A caret beyond the field's width is not drawn.
    context.ops.clear();
    engine.Draw(&context, 5, 7, 15, 12);
    for (const std::string& op : context.ops) EXPECT_EQ(op.rfind("fill", 0), std::string::npos) << op;
}

TEST_F(TextEngine, DrawsNothingWithoutAFontBitmap) {
    HfcRecordingContext context;
    Start("abc");
    engine.Draw(&context, 0, 0, 100, 12);
    EXPECT_TRUE(context.ops.empty());
}

}  // namespace

namespace {

// The leftmost and rightmost columns holding a pixel that is not transparent, -1 when none.
void InkColumns(const CHfcBmp* bmp, int* left, int* right) {
    *left = *right = -1;
    for (int x = 0; x < bmp->GetWidth(); ++x) {
        for (int y = 0; y < bmp->GetHeight(); ++y) {
            if (bmp->GetPixel(x, y) >> 24) {
                if (*left < 0) *left = x;
                *right = x;
                break;
            }
        }
    }
}

TEST(TextEngineProportional, AlignmentPlacesTheTextAndTheCaretFollowsTheWidths) {
    tagHfcBmpFontInfo font{};
    ASSERT_TRUE(HfcLoadBmpFont("HfcUiFont", &font));
    Notices notices;
    CHfcEditTextEngine engine(&notices, 0);
    const int cell = font.widths['W' + 128];
    engine.SetDrawParameters(font.bitmap, 0xff3f3f7f, 0xffff0000, cell, font.height, 10);
    engine.SetProportionalFont(&font, 0xffffffff);
    engine.SetProportional(true);
    engine.SetText("Pad");
    const int textWidth = HfcGetBmpTextWidth(&font, "Pad");
    EXPECT_EQ(engine.GetTextWidth(), textWidth);
    struct Case {
        int alignment, start;
    };
    const Case cases[] = {{0, 0}, {1, (100 - textWidth) / 2}, {2, 100 - textWidth}};
    for (const Case& c : cases) {
        engine.SetAlignment(c.alignment);
        CHfcOffscreenContext context(100, font.height);
        engine.Draw(&context, 0, 0, 100, font.height);
        int left = 0, right = 0;
        InkColumns(context.GetBmp(), &left, &right);
        EXPECT_GE(left, c.start) << c.alignment;
        EXPECT_LT(right, c.start + textWidth) << c.alignment;
        EXPECT_LE(left, c.start + 2) << c.alignment;
    }
    // Caret after "Pa" (shown): the sum of (width - 1) of P and a, one pixel before.
    engine.SetAlignment(0);
    engine.KeyDown(28, 0);
    engine.Idle(0);
    ASSERT_TRUE(engine.IsCaretShown());
    CHfcOffscreenContext context(100, font.height);
    engine.Draw(&context, 0, 0, 100, font.height);
    const int caretX = (font.widths['P' + 128] - 1) + (font.widths['a' + 128] - 1) - 1;
    EXPECT_EQ(context.GetBmp()->GetPixel(caretX, 0), 0xffff0000u);
    EXPECT_EQ(context.GetBmp()->GetPixel(caretX, font.height - 1), 0xffff0000u);
    HfcFreeBmpFont(&font);
}

}  // namespace
