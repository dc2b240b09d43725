// The knob and the horizontal value bar the factory makes, linked on a page to a real parameter: the
// page sizes the knob's display and sets the centres from the row, a drag or typed text writes the
// parameter, and the change comes back to the control at the next tick.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "Common/Controls/QnKnob.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Common/Model/ParamTable.h"
#include "PageFixture.h"

using namespace QorX0;

namespace {

constexpr int kStartLevel = 0x0100;  // program edit, -99..99
constexpr int kNone = 1000;

using ValuePage = FactoryPageFixture<CTabPageLayer>;

TEST_F(ValuePage, AKnobShowsWritesAndFollowsItsParameter) {
    QnKnob* knob = Place(creater.CreateKnob(10, 10, 0, 127, 0, false, 3, kStartLevel), kStartLevel);
    ASSERT_NE(knob, nullptr);
    PARAMDESC desc{};
    ASSERT_TRUE(Prog()->GetParamDesc(kStartLevel, &desc));
    // The display holds the longest of the texts of the minimum, the value below the maximum and
    // the maximum; the lit arc starts at the row's default.
    size_t width = 0;
    for (int v : {desc.minval, desc.maxval - 1, desc.maxval})
        width = std::max(width, Text(kStartLevel, v).size());
    EXPECT_EQ(knob->GetTextLength(), static_cast<int>(width));
    EXPECT_EQ(knob->GetTextX(), 19 - 3 * static_cast<int>(width));
    EXPECT_EQ(knob->GetCentreValue(), desc.defval);
    EXPECT_EQ(knob->GetMinIntValue(), -99);
    EXPECT_EQ(knob->GetMaxIntValue(), 99);

    Prog()->PutParamIEx(kStartLevel, -12, kPutNotify);
    Tick();
    EXPECT_EQ(knob->GetIntValue(), -12);
    EXPECT_EQ(std::string(knob->GetText()), Text(kStartLevel, -12));

    // A drag of 5 pixels up at full speed writes -7 and sends it.
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    const unsigned before = Sends();
    ASSERT_TRUE(knob->OnHfcMouseLButtonDown(mouse, 18, 10, 0));
    Advance(20);
    knob->OnHfcMouseMove(mouse, 18, 5, 0);
    knob->OnHfcMouseLButtonUp(mouse, 18, 5, 0);
    EXPECT_EQ(Prog()->GetParamI(kStartLevel), -7);
    EXPECT_EQ(Sends() - before, 1u);
    Tick();
    EXPECT_EQ(knob->GetIntValue(), -7);
    EXPECT_EQ(std::string(knob->GetText()), Text(kStartLevel, -7));

    // Typed text (with the font's plus glyph code) is parsed by the page.
    knob->EnterEdit(
        "\x02"
        "34");
    knob->OnKeyDown(13, 0, 0);
    EXPECT_EQ(Prog()->GetParamI(kStartLevel), 34);
    Tick();
    EXPECT_EQ(knob->GetIntValue(), 34);
}

TEST_F(ValuePage, AHorizontalBarTakesItsCentreAndSignFromTheRow) {
    CXBCtrlHorizontalValueBar* bar =
        Place(creater.CreateHorizontalValueBar(10, 40, 96, 0, 127, 0, kStartLevel), kStartLevel);
    ASSERT_NE(bar, nullptr);
    PARAMDESC desc{};
    ASSERT_TRUE(Prog()->GetParamDesc(kStartLevel, &desc));
    EXPECT_EQ(bar->GetCentreValue(), desc.defval);
    EXPECT_EQ(bar->IsSignedDisplay(), desc.atype == kATypeSBF8 || desc.atype == kATypeSBF16);
    Prog()->PutParamIEx(kStartLevel, 50, kPutNotify);
    Tick();
    EXPECT_EQ(bar->GetIntValue(), 50);
    EXPECT_EQ(std::string(static_cast<const char*>(bar->GetPtrValue())), Text(kStartLevel, 50));
    // An arrow key asks for one more; the page writes it and sets the bar back.
    EXPECT_TRUE(bar->OnKeyDown(29, 0, 0));
    EXPECT_EQ(Prog()->GetParamI(kStartLevel), 51);
    Tick();
    EXPECT_EQ(bar->GetIntValue(), 51);
    // Its lit span starts at the centre (the row's default) and reaches right.
    const QnBarSpan span = bar->GetSpan();
    EXPECT_GT(span.length, 1);
    EXPECT_GE(span.start, 0);
    EXPECT_LE(span.start + span.length, 63);
}

// Typed text on every kind of field goes through the page's one write path: a text that names no
// value writes and sends nothing and the field shows the parameter's value again; a value is written.
TEST_F(ValuePage, TypedTextThatNamesNoValueWritesNothingAndTheFieldShowsTheValueAgain) {
    QnKnob* knob = Place(creater.CreateKnob(10, 10, 0, 127, 0, false, 3, kStartLevel), kStartLevel);
    CXBCtrlHorizontalValueBar* bar =
        Place(creater.CreateHorizontalValueBar(10, 60, 96, 0, 127, 0, 0x10000 | kStartLevel), kStartLevel);
    CHfcCtrlCharEditText* edit =
        Place(creater.CreateTextEdit(10, 90, 96, 13, 0x20000 | kStartLevel), kStartLevel);
    ASSERT_TRUE(knob && bar && edit);
    struct Field {
        const char* name;
        CHfcControl* control;
        std::function<void(const char*)> type;  // enters the text and presses Return
    } fields[] = {
        {"knob", knob, [&](const char* t) { knob->EnterEdit(t), knob->OnKeyDown(13, 0, 0); }},
        {"value bar", bar, [&](const char* t) { bar->EnterEdit(t), bar->OnKeyDown(13, 0, 0); }},
        {"edit text", edit, [&](const char* t) { edit->EnterEdit(t), edit->OnKeyDown(13, 0, 0); }},
    };
    const struct {
        const char* text;
        int written;  // kNone: the parameter keeps -42
    } cases[] = {{"x7", kNone},  {"", kNone}, {"3O", kNone}, {"  ", kNone},
                 {"+5x", kNone}, {"-5", -5},  {" 17 ", 17}};
    for (const Field& f : fields) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(f.name) + " <- \"" + c.text + "\"");
            Prog()->PutParamIEx(kStartLevel, -42, kPutNotify);
            Tick();
            const unsigned before = Sends();
            f.type(c.text);
            if (c.written == kNone) {
                EXPECT_EQ(Prog()->GetParamI(kStartLevel), -42);
                EXPECT_EQ(Sends(), before);
                EXPECT_EQ(std::string(static_cast<const char*>(f.control->GetPtrValue())),
                          Text(kStartLevel, -42));
                EXPECT_EQ(f.control->GetIntValue(), -42);
            } else {
                EXPECT_EQ(Prog()->GetParamI(kStartLevel), c.written);
                EXPECT_EQ(Sends() - before, 1u);
                Tick();
                EXPECT_EQ(std::string(static_cast<const char*>(f.control->GetPtrValue())),
                          Text(kStartLevel, c.written));
            }
        }
    }
}

// The pan of every timbre of a combination and every track of a multi takes back the text its
// field shows: typed "L001" is hard left, not random.
TEST_F(ValuePage, EveryTimbreAndTrackPanTakesTheTextItsFieldShows) {
    CHfcCtrlCharEditText* field = Place(creater.CreateTextEdit(10, 90, 96, 13, 0x20000), -1);
    ASSERT_NE(field, nullptr);
    int fields = 0;
    for (int kind : {kModeCombiEdit, kModeMulti}) {
        ISectionList* tracks = synth->GetEditBuffer(kind)->GetTrack();
        ASSERT_NE(tracks, nullptr);
        for (unsigned t = 0; t < tracks->GetCount(); ++t) {
            ISection* track = tracks->GetAt(t);
            int pan = -1;
            for (int i = 0; i < track->GetParamCount(); ++i) {
                PARAMDESC d{};
                if (track->GetParamDescByIndex(static_cast<unsigned>(i), &d) && RowLongName(d) == "PAN")
                    pan = d.pid;
            }
            ASSERT_NE(pan, -1) << kind << " track " << t;
            page->RelinkControlWithParam(field, kind, pan);
            for (const auto& [text, value] : {std::pair<const char*, int>{"L001", 1},
                                              {"L063", 63},
                                              {"C064", 64},
                                              {"R065", 65},
                                              {"R127", 127},
                                              {"RND", 0}}) {
                track->PutParamIEx(pan, 32, kPutNotify);
                field->EnterEdit(text);
                field->OnKeyDown(13, 0, 0);
                EXPECT_EQ(track->GetParamI(pan), value) << kind << " track " << t << " <- " << text;
            }
            ++fields;
        }
    }
    EXPECT_EQ(fields, 8 + 16);
}

}  // namespace
