// The user scale and category name pages.
#include <gtest/gtest.h>

#include <string>

#include "Common/Layers/QnControlContainer.h"
#include "Common/Pages/GlobalSystemPages.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;
using GlobalTest::TextOf;

namespace {

using UserScaleTest = GlobalPageFixture<GlobalUserScaleLayer>;

int LinkedPid(QnSynthLayer& page, CHfcControl* c) {
    return page.GetParameterIdByControl(c).pid;
}

TEST_F(UserScaleTest, ScaleNumberRelinksTheTwelveOctaveFieldsAndIsHeldToItsRange) {
    struct Case {
        const char* typed;
        int scale;
    };
    // A scale number changed by the field itself, then typed: out of range, no number.
    Report(0x100001, 15);
    EXPECT_EQ(LinkedPid(*page, Control(0x8E00 + 11)), 0x8EBF);
    const Case cases[] = {{"3", 3}, {"20", 15}, {"-4", 0}, {"99999999999", 15}, {"abc", 15}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(0x100001, c.typed);
        EXPECT_EQ(TextOf(Control(0x100001)), std::to_string(c.scale));
        for (int i = 0; i < 12; ++i)
            EXPECT_EQ(LinkedPid(*page, Control(0x8E00 + i)), 0x8E00 + 12 * c.scale + i);
    }
    // The fields show the scale's values.
    synth->sections.global.PutParamI(0x8E00 + 12 * 15 + 4, 7);
    Tick();
    EXPECT_EQ(TextOf(Control(0x8E00 + 4)), "+7");
}

TEST_F(UserScaleTest, OctaveTenShowsOnlyTheNotesUpToG9AndOctaveNineAllTwelve) {
    CHfcBmp* normal = QnControlCreater::LoadImage("Container_UserScale_Octave");
    CHfcBmp* last = QnControlCreater::LoadImage("Container_UserScale_Octave10");
    QnControlContainer* notes = page->GetContianerByIndex(3);
    ASSERT_NE(notes, nullptr);
    struct Case {
        int octave;
        int shown;
        CHfcBmp* image;
    };
    for (const Case& c : {Case{10, 8, last}, Case{9, 12, normal}, Case{10, 8, last}, Case{0, 12, normal}}) {
        SCOPED_TRACE(c.octave);
        Report(0x100002, c.octave);
        EXPECT_EQ(Control(0x100002)->GetIntValue(), c.octave);
        EXPECT_EQ(notes->m_pBackground, c.image);
        for (int i = 0; i < 12; ++i) {
            CHfcControl* label = Control(0x120000 + i);
            CHfcControl* field = Control(0x8F00 + i);
            const int note = 12 * c.octave + i;
            if (i < c.shown) {
                EXPECT_TRUE(label->IsVisible() && field->IsVisible()) << i;
                EXPECT_EQ(TextOf(label), GlobalPageLayerBase::NoteName(note));
                EXPECT_EQ(LinkedPid(*page, field), 0x8F00 + note);
            } else {
                // No name past the table and no parameter past the scale.
                EXPECT_FALSE(label->IsVisible() || field->IsVisible()) << i;
                EXPECT_EQ(TextOf(label), "");
                EXPECT_LE(LinkedPid(*page, field), 0x8F7F);
            }
        }
    }
    EXPECT_EQ(TextOf(Control(0x120000 + 7)), "G-1");
    Report(0x100002, 10);
    EXPECT_EQ(TextOf(Control(0x120000 + 7)), "G9");
    Report(0x100002, 11);  // beyond the keyboard: held to octave 10
    EXPECT_EQ(Control(0x100002)->GetIntValue(), 10);
}

TEST_F(UserScaleTest, AFieldBeingEditedLosesItsEditWhenOctaveTenHidesIt) {
    Report(0x100002, 9);
    auto* field = static_cast<CHfcCtrlCharEditText*>(Control(0x8F00 + 10));
    ASSERT_TRUE(field->EnterEdit("5"));
    ASSERT_TRUE(field->IsEditing());
    Report(0x100002, 10);
    EXPECT_FALSE(field->IsEditing());
    EXPECT_FALSE(field->IsFocused());
}

using CategoryNameTest = GlobalPageFixture<GlobalCategoryNameLayer>;

std::string Trimmed(std::string s) {
    s = s.substr(0, s.find('\0'));
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

TEST_F(CategoryNameTest, NamesAreWrittenExactlySixteenCharactersLong) {
    struct Case {
        int pid;
        const char* typed;
        const char* stored;
    };
    const Case cases[] = {
        {0x9000, "ABCDEFGHIJKLMNOPQRSTUVWX", "ABCDEFGHIJKLMNOP"},
        {0x9000, "Pads", "Pads"},
        {0x910F, "Exactly Sixteen!", "Exactly Sixteen!"},
        {0x9105, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(c.pid, c.typed);
        Tick();
        EXPECT_EQ(Trimmed(synth->sections.global.GetParamS(c.pid)), c.stored);
        EXPECT_EQ(Trimmed(TextOf(Control(c.pid))), c.stored);
    }
}

TEST_F(CategoryNameTest, ThirtyTwoNameFieldsLinkedToTheirCategories) {
    for (int c = 0; c < 16; ++c) {
        for (int base : {0x9000, 0x9100}) {
            CHfcControl* field = Control(base + c);
            ASSERT_NE(field, nullptr);
            EXPECT_EQ(LinkedPid(*page, field), base + c);
            EXPECT_EQ(Trimmed(TextOf(field)), Trimmed(synth->sections.global.GetParamS(base + c)));
        }
    }
}

}  // namespace
