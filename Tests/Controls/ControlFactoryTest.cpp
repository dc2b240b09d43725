// The control factory's shared rules (placement by the creator's offset, the background slice, images
// by name) and its stock controls: edit fields by size, switches, check boxes, text switches and slide
// switches.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <typeinfo>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSlideSwitch.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

// Records every bitmap copy with the bitmap it reads, and the frames drawn with their pen.
class CopyLog : public CHfcDrawContext {
public:
    CopyLog() : CHfcDrawContext(nullptr) {}
    using CHfcDrawContext::CopyBmp;
    using CHfcDrawContext::CopyBmpAlpha;
    using CHfcDrawContext::FrameRect;
    struct Copy {
        const CHfcBmp* bmp;
        int x, y, w, h, sx, sy;
    };
    std::vector<Copy> copies;
    std::vector<std::string> frames;
    void CopyBmp(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) override {
        copies.push_back({bmp, x, y, w, h, sx, sy});
    }
    void CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp* bmp, float, int sx, int sy) override {
        copies.push_back({bmp, x, y, w, h, sx, sy});
    }
    void FrameRect(int x, int y, int w, int h) override {
        char text[80];
        std::snprintf(text, sizeof text, "%d,%d %dx%d %08x", x, y, w, h, GetPenColor());
        frames.push_back(text);
    }
    // The first copy that reads bmp.
    const Copy* From(const CHfcBmp* bmp) const {
        for (const Copy& c : copies) {
            if (c.bmp == bmp) return &c;
        }
        return nullptr;
    }
};

std::string RectText(const tagHfcRect& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) +
           "x" + std::to_string(r.bottom - r.top);
}

class ControlFactory : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        ASSERT_TRUE(m_page.Create(559, 230));
    }
    void TearDown() override {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    static CHfcBmp* Image(const char* name) { return ResourceManager::GetInstance()->LoadImage(name); }
    static tagHfcBmpFontInfo* Font(const char* name) {
        return FontManager::GetInstance()->GetBmpFontInfo(name);
    }

    // Draws a created control (shown) into log.
    static void Draw(CHfcControl* control, CopyLog& log) {
        control->Show(false);
        control->Draw(&log);
    }
    template <class C>
    static void Delete(C* control) {
        if (control == nullptr) return;
        control->Destroy();
        delete control;
    }

    CHfcBmp m_page;
};

// A creator with an offset places every stock control at the point plus the offset and cuts its
// background from the point itself, on the page's background.
TEST_F(ControlFactory, StockControlsArePlacedByTheOffsetAndCutTheirBackgroundThere) {
    QnControlCreater creater(&m_page, 100, 50);
    struct Case {
        const char* what;
        CHfcControl* control;
        const char* image;
        int states;
        const std::type_info& type;
    };
    const Case cases[] = {
        {"switch", creater.CreateSwitch(10, 20, "Switch_OscillatorMode", 3, 41), "Switch_OscillatorMode", 3,
         typeid(CHfcCtrlSwitch)},
        {"check box", creater.CreateCehckBox(10, 20, 42), "Switch_CheckBox", 2, typeid(CHfcCtrlSwitch)},
        {"switch, short form", creater.CreateSwitch(10, 20, 43), "Switch_CheckBox", 2,
         typeid(CHfcCtrlSwitch)},
        {"text switch", creater.CreateTextSwitch(10, 20, "Switch_Blue_106X17", 2, 0xFFFFFFFF, 44, 3),
         "Switch_Blue_106X17", 2, typeid(CHfcCtrlTextSwitch)},
        {"slide switch", creater.CreateSlideSwitch(10, 20, "Switch_OscillatorMode", 3, 45),
         "Switch_OscillatorMode", 3, typeid(CHfcCtrlSlideSwitch)},
        {"horizontal slide switch",
         creater.CreateHorizontalSlideSwitch(10, 20, "Switch_OscillatorMode", 3, 46), "Switch_OscillatorMode",
         3, typeid(CHfcCtrlHorizontalSlideSwitch)},
    };
    int id = 41;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.control, nullptr);
        EXPECT_EQ(typeid(*c.control), c.type);
        CHfcBmp* strip = Image(c.image);
        ASSERT_NE(strip, nullptr);
        const int w = strip->GetWidth(), h = strip->GetHeight() / c.states;
        EXPECT_EQ(RectText(c.control->GetRect()), RectText({110, 70, 110 + w, 70 + h}));
        EXPECT_EQ(c.control->GetId(), id++);
        EXPECT_EQ(c.control->GetListener(), nullptr);
        EXPECT_EQ(c.control->GetMinIntValue(), 0);
        EXPECT_EQ(c.control->GetMaxIntValue(), c.states - 1);
        CopyLog log;
        Draw(c.control, log);
        const CopyLog::Copy* back = log.From(&m_page);
        ASSERT_NE(back, nullptr);
        EXPECT_EQ((std::vector<int>{back->x, back->y, back->w, back->h, back->sx, back->sy}),
                  (std::vector<int>{110, 70, w, h, 10, 20}));
        EXPECT_NE(log.From(strip), nullptr);
    }
    for (const Case& c : cases) Delete(c.control);
}

TEST_F(ControlFactory, TextSwitchStartsWithoutText) {
    QnControlCreater creater(&m_page, 0, 0);
    CHfcCtrlTextSwitch* control = creater.CreateTextSwitch(0, 0, "Switch_Blue_106X17", 2, 0xFF6178C2, 9, 2);
    ASSERT_NE(control, nullptr);
    ASSERT_NE(control->GetText(), nullptr);
    EXPECT_STREQ(control->GetText(), "");
    Delete(control);
}

// What cannot be made is not made: a missing strip or no states give none.
TEST_F(ControlFactory, MissingImagesAndNoStatesGiveNone) {
    QnControlCreater creater(&m_page, 0, 0);
    EXPECT_EQ(creater.CreateSwitch(0, 0, "No_Such_Switch", 2, 1), nullptr);
    EXPECT_EQ(creater.CreateSwitch(0, 0, "", 2, 1), nullptr);
    EXPECT_EQ(creater.CreateSwitch(0, 0, "Switch_ON", 0, 1), nullptr);
    EXPECT_EQ(creater.CreateTextSwitch(0, 0, "No_Such_Switch", 2, 0, 1, 0), nullptr);
    EXPECT_EQ(creater.CreateSlideSwitch(0, 0, "No_Such_Switch", 3, 1), nullptr);
    EXPECT_EQ(creater.CreateSlideSwitch(0, 0, "Switch_OscillatorMode", -1, 1), nullptr);
    EXPECT_EQ(creater.CreateHorizontalSlideSwitch(0, 0, "No_Such_Switch", 3, 1), nullptr);
}

// Without the image cache nothing is made, and nothing crashes.
TEST(ControlFactoryWithoutManagers, CreatesNothing) {
    ASSERT_EQ(ResourceManager::GetInstance(), nullptr);
    QnControlCreater creater(nullptr, 0, 0);
    EXPECT_EQ(creater.CreateCehckBox(0, 0, 1), nullptr);
    EXPECT_EQ(creater.CreateTextEdit(0, 0, 37, 13, 1), nullptr);
    EXPECT_EQ(QnControlCreater::GetFont(FontName_Geneva9), nullptr);
}

// The characters a field holds when the caller gives only its size.
TEST_F(ControlFactory, TextEditCharactersFollowTheFieldSize) {
    struct Case {
        int width, height, characters;
    };
    const Case cases[] = {{37, 13, 5}, {40, 13, 6}, {96, 13, 11}, {114, 13, 14}, {154, 13, 16}, {164, 16, 16},
                          {50, 13, 1}, {23, 13, 1}, {37, 12, 1},  {164, 13, 1},  {96, 16, 1},   {0, 0, 1}};
    QnControlCreater creater(&m_page, 0, 0);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        CHfcCtrlCharEditText* field = creater.CreateTextEdit(3, 4, c.width, c.height, 77);
        ASSERT_NE(field, nullptr);
        field->SetPtrValue(const_cast<char*>(alphabet.c_str()), false);
        EXPECT_EQ(std::strlen(static_cast<const char*>(field->GetPtrValue())),
                  static_cast<size_t>(c.characters));
        EXPECT_EQ(QnControlCreater::TextEditCharacters(c.width, c.height), c.characters);
        Delete(field);
    }
}

TEST_F(ControlFactory, TextEditTakesTheCharactersItIsGiven) {
    QnControlCreater creater(&m_page, 0, 0);
    CHfcCtrlCharEditText* field = creater.CreateTextEdit(0, 0, 37, 13, 3, 5);
    ASSERT_NE(field, nullptr);
    field->SetPtrValue(const_cast<char*>("123456"), false);
    EXPECT_STREQ(static_cast<const char*>(field->GetPtrValue()), "123");
    Delete(field);
    EXPECT_EQ(creater.CreateTextEdit(0, 0, 37, 13, 0, 5), nullptr);
}

// A field is made at the point plus the offset with its frame's height, then moved in by its focus
// margin of 2 and shrunk by twice it; its background is drawn over the whole rectangle asked for:
// the frame image from its corner, or the page's slice where there is no frame for that size.
TEST_F(ControlFactory, TextEditSitsInsideItsFocusMargin) {
    QnControlCreater creater(&m_page, 100, 50);
    struct Case {
        int width, height;
        const char* frame;
        const char* font;
    };
    const Case cases[] = {
        {37, 13, "EditText_37X13", FontName_Geneva9},
        {154, 13, "EditText_154X13", FontName_Geneva9},
        {164, 16, "EditText_164X16", FontName_HelvB11},
        {23, 13, "EditText_23X13", FontName_Geneva9},
        {50, 13, nullptr, FontName_Geneva9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
        CHfcCtrlCharEditText* field = creater.CreateTextEdit(10, 20, c.width, c.height, 31);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(typeid(*field), typeid(CHfcCtrlCharEditText));
        EXPECT_EQ(field->GetId(), 31);
        EXPECT_EQ(RectText(field->GetRect()), RectText({112, 72, 110 + c.width - 2, 70 + c.height - 2}));
        EXPECT_EQ(RectText(field->GetFocusRect()), RectText({110, 70, 110 + c.width, 70 + c.height}));
        // A proportional field measures its cells by the letter W of its font.
        EXPECT_EQ(field->GetCharWidth(), Font(c.font)->widths['W' + 128]);

        CopyLog log;
        Draw(field, log);
        const CHfcBmp* back = c.frame != nullptr ? Image(c.frame) : &m_page;
        ASSERT_NE(back, nullptr);
        if (c.frame != nullptr) {
            EXPECT_EQ(back->GetHeight(), c.height);
        }
        ASSERT_FALSE(log.copies.empty());
        const CopyLog::Copy& first = log.copies.front();
        EXPECT_EQ(first.bmp, back);
        const int sx = c.frame != nullptr ? 0 : 10, sy = c.frame != nullptr ? 0 : 20;
        EXPECT_EQ((std::vector<int>{first.x, first.y, first.w, first.h, first.sx, first.sy}),
                  (std::vector<int>{110, 70, c.width, c.height, sx, sy}));
        Delete(field);
    }
}

// The focus shows as a red glow in the margin around the field.
TEST_F(ControlFactory, TextEditFocusIsRed) {
    QnControlCreater creater(&m_page, 0, 0);
    CHfcCtrlCharEditText* field = creater.CreateTextEdit(0, 0, 96, 13, 1);
    ASSERT_NE(field, nullptr);
    field->Show(false);
    CopyLog log;
    field->DrawFocus(&log);
    EXPECT_EQ(log.frames, (std::vector<std::string>{"1,1 94x11 7fff0000", "0,0 96x13 ffff0000"}));
    Delete(field);
}

}  // namespace
