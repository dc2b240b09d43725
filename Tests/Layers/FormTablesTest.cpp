// The form tables checked as data, for both models: the forms, their counts, captions and sizes as
// their table gives them; every control's parameter found in the section its page links, of a kind
// the control can show; every caption and every value text fitting its control in the bitmap
// fonts; no two rows overlapping; every row inside its page.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/FormRows.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Layers/FormTestSupport.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;
using FormTest::ForEachForm;

namespace {

int ClassOf(const UI_FORMINFO& row) {
    return UI_FORM_Utils::GetItemClassInt(row);
}

std::string Where(const UI_FORMINFO& form, const UI_FORMINFO& row) {
    std::ostringstream s;
    s << form.caption << " row (" << row.x << ", " << row.y << ") ";
    if (row.controlId != -1)
        s << "PID 0x" << std::hex << row.controlId;
    else
        s << '"' << row.caption << '"';
    return s.str();
}

TEST(FormTables, FormsInTableOrderWithTheirIdsNamesAndRows) {
    const auto& stated = FormTest::StatedForms();
    ASSERT_EQ(UIForms::_g_uiFormInfoBlock.count, 53);
    ASSERT_EQ(stated.size(), 53u);
    int total = 0;
    for (int i = 0; i < 53; ++i) {
        const UI_FORMINFO& form = UIForms::_g_uiFormInfoBlock.forms[i];
        SCOPED_TRACE(stated[i].name);
        EXPECT_STREQ(form.className, "Layer");
        EXPECT_EQ(form.kindId, stated[i].id);
        EXPECT_STREQ(form.caption, stated[i].name);
        EXPECT_EQ(form.fontName, nullptr);
        EXPECT_EQ(form.controlId, -1);
        EXPECT_EQ(form.x, 0);
        EXPECT_EQ(form.y, 0);
        EXPECT_EQ(form.width, 559);
        EXPECT_EQ(form.height, 230);
        EXPECT_EQ(form.childCount, stated[i].rows);
        ASSERT_NE(form.children, nullptr);
        total += form.childCount;
    }
    EXPECT_EQ(total, 1142);
}

TEST(FormTables, CategoryCaptionsInRowOrderAndClassCountsPerForm) {
    std::map<int, int> classes;
    for (const FormTest::Stated& s : FormTest::StatedForms()) {
        const UI_FORMINFO* form = nullptr;
        for (int i = 0; i < UIForms::_g_uiFormInfoBlock.count; ++i)
            if (UIForms::_g_uiFormInfoBlock.forms[i].kindId == s.id)
                form = &UIForms::_g_uiFormInfoBlock.forms[i];
        ASSERT_NE(form, nullptr) << s.name;
        SCOPED_TRACE(s.name);
        std::vector<std::string> categories;
        std::map<int, int> kinds;
        for (int r = 0; r < form->childCount; ++r) {
            const UI_FORMINFO& row = form->children[r];
            if (row.kindId == UIForms::kKindCategoryCaption) categories.push_back(row.caption);
            ++kinds[row.kindId];
            ++classes[ClassOf(row)];
        }
        EXPECT_EQ(categories, s.categories);
        EXPECT_EQ(kinds[UIForms::kKindParamCaption], s.paramCaptions);
        EXPECT_EQ(kinds[UIForms::kKindCheckBox], s.checkBoxes);
        EXPECT_EQ(kinds[UIForms::kKindEditText], s.editTexts);
        EXPECT_EQ(kinds[UIForms::kKindPopupMenu], s.popupMenus);
        EXPECT_EQ(kinds[UIForms::kKindValueBar], s.valueBars);
        // One parameter caption per control.
        EXPECT_EQ(s.paramCaptions, s.checkBoxes + s.editTexts + s.popupMenus + s.valueBars);
    }
    EXPECT_EQ(classes[UI_FORM_Utils::kClassNumText], 624);
    EXPECT_EQ(classes[UI_FORM_Utils::kClassNumValueBar], 201);
    EXPECT_EQ(classes[UI_FORM_Utils::kClassNumPopupMenu], 182);
    EXPECT_EQ(classes[UI_FORM_Utils::kClassNumEditText], 92);
    EXPECT_EQ(classes[UI_FORM_Utils::kClassNumCheckBox], 43);
    EXPECT_EQ(classes[-1], 0);
}

TEST(FormTables, EveryRowHasTheKindFontAndSizeOfItsClass) {
    // What the factory can make of each class, by size; captions in the two caption fonts.
    std::map<std::pair<int, std::pair<int, int>>, int> sizes;
    int categories = 0, params = 0;
    ForEachForm([&](const UI_FORMINFO& form) {
        for (int r = 0; r < form.childCount; ++r) {
            const UI_FORMINFO& row = form.children[r];
            SCOPED_TRACE(Where(form, row));
            EXPECT_EQ(row.childCount, 0);
            EXPECT_EQ(row.children, nullptr);
            ASSERT_NE(row.caption, nullptr);
            ASSERT_NE(row.fontName, nullptr);
            switch (ClassOf(row)) {
                case UI_FORM_Utils::kClassNumText:
                    EXPECT_EQ(row.controlId, -1);
                    EXPECT_EQ(row.height, 13);
                    if (row.kindId == UIForms::kKindCategoryCaption) {
                        ++categories;
                        EXPECT_STREQ(row.fontName, "FontHelvB11_Shadow");
                        EXPECT_GE(row.width, 100);
                    } else {
                        ++params;
                        EXPECT_EQ(row.kindId, UIForms::kKindParamCaption);
                        EXPECT_STREQ(row.fontName, "FontGeneva10");
                        EXPECT_NE(row.caption[0], '\0');
                    }
                    break;
                case UI_FORM_Utils::kClassNumCheckBox:
                    EXPECT_EQ(row.kindId, UIForms::kKindCheckBox);
                    break;
                case UI_FORM_Utils::kClassNumEditText:
                    EXPECT_EQ(row.kindId, UIForms::kKindEditText);
                    break;
                case UI_FORM_Utils::kClassNumPopupMenu:
                    EXPECT_EQ(row.kindId, UIForms::kKindPopupMenu);
                    break;
                case UI_FORM_Utils::kClassNumValueBar:
                    EXPECT_EQ(row.kindId, UIForms::kKindValueBar);
                    break;
                default:
                    ADD_FAILURE() << "row of no item class: " << row.className;
            }
            if (ClassOf(row) != UI_FORM_Utils::kClassNumText) {
                EXPECT_STREQ(row.caption, "");
                EXPECT_STREQ(row.fontName, "");
                EXPECT_NE(row.controlId, -1);
                ++sizes[{ClassOf(row), {row.width, row.height}}];
            }
        }
    });
    EXPECT_EQ(categories, 106);
    EXPECT_EQ(params, 518);
    using S = std::map<std::pair<int, std::pair<int, int>>, int>;
    const S expected = {
        {{UI_FORM_Utils::kClassNumValueBar, {96, 13}}, 195},
        {{UI_FORM_Utils::kClassNumValueBar, {103, 13}}, 6},  // with the oscillators' delay start
        {{UI_FORM_Utils::kClassNumPopupMenu, {96, 13}}, 132},
        {{UI_FORM_Utils::kClassNumPopupMenu, {31, 13}}, 32},
        {{UI_FORM_Utils::kClassNumPopupMenu, {154, 13}}, 18},
        {{UI_FORM_Utils::kClassNumEditText, {96, 13}}, 52},
        {{UI_FORM_Utils::kClassNumEditText, {37, 13}}, 34},
        {{UI_FORM_Utils::kClassNumEditText, {40, 13}}, 6},
        {{UI_FORM_Utils::kClassNumCheckBox, {13, 13}}, 43},
    };
    EXPECT_EQ(sizes, expected);
}

TEST(FormTables, PitchEnvelopeFormBeginsWithItsStatedRows) {
    const UI_FORMINFO* form = nullptr;
    ForEachForm([&](const UI_FORMINFO& f) {
        if (f.kindId == 1043) form = &f;
    });
    ASSERT_NE(form, nullptr);
    ASSERT_EQ(form->childCount, 39);
    const UI_FORMINFO* r = form->children;
    const char* categories[] = {"Pitch EG", "Level Mod.", "Time Mod."};
    const int categoryX[] = {10, 145, 368};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(r[i].className, "text");
        EXPECT_STREQ(r[i].caption, categories[i]);
        EXPECT_EQ(r[i].fontName, FontName_CategoryLabel);
        EXPECT_EQ(r[i].kindId, 1025);
        EXPECT_EQ(r[i].controlId, -1);
        EXPECT_EQ(r[i].x, categoryX[i]);
        EXPECT_EQ(r[i].y, 10);
        EXPECT_EQ(r[i].width, 100);
        EXPECT_EQ(r[i].height, 13);
    }
    const char* captions[] = {"Level:Start", "Level:Attack", "Level:Release",
                              "Time:Attack", "Time:Decay",   "Time:Release"};
    const int pids[] = {256, 258, 261, 0x0101, 0x0103, 0x0104};
    for (int i = 0; i < 6; ++i) {
        const UI_FORMINFO& caption = r[3 + i];
        EXPECT_STREQ(caption.caption, captions[i]);
        EXPECT_EQ(caption.fontName, FontName_ParamLabel);
        EXPECT_EQ(caption.kindId, 1026);
        EXPECT_EQ(caption.x, 15);
        EXPECT_EQ(caption.y, 35 + 22 * i);
        EXPECT_EQ(caption.width, 60);
        EXPECT_EQ(caption.height, 13);
        const UI_FORMINFO& edit = r[9 + i];
        EXPECT_STREQ(edit.className, "edittext");
        EXPECT_EQ(edit.kindId, 1033);
        EXPECT_EQ(edit.controlId, pids[i]);
        EXPECT_EQ(edit.x, 80);
        EXPECT_EQ(edit.y, 35 + 22 * i);
        EXPECT_EQ(edit.width, 40);
        EXPECT_EQ(edit.height, 13);
    }
}

TEST(FormTables, ImageBlockListsTheFormsImagesWithTheirFrames) {
    const UI_IMAGEINFOBLOCK& block = UIForms::_g_uiImageInfoBlock;
    const std::vector<std::pair<std::string, int>> expected = {
        {"FontGeneva9", 128},      {"FontGeneva9_Shadow", 1},   {"FontGeneva10", 128},
        {"FontHelvB11", 128},      {"FontHelvB11_Shadow", 128}, {"Background_SubTab", 1},
        {"EditText_96X13", 1},     {"DropdownList_96X13", 1},   {"HorizontalValueBarBack_96X13", 1},
        {"DropdownList_31X13", 1}, {"Switch_CheckBox", 1},      {"EditText_40X13", 1},
        {"EditText_37X13", 1},
    };
    std::vector<std::pair<std::string, int>> actual;
    for (int i = 0; i < block.count; ++i) actual.emplace_back(block.images[i].name, block.images[i].frames);
    EXPECT_EQ(actual, expected);
}

// Every row lies inside the page its form is shown on, no two rows of a form overlap, and each
// parameter caption has exactly one control on its line just right of it (the next column's
// controls sit further on).
TEST(FormTables, RowsInsideTheirPageWithoutOverlapsCaptionsBesideTheirControls) {
    ForEachForm([](const UI_FORMINFO& form) {
        const FormTest::Host host = FormTest::HostOf(form);
        for (int i = 0; i < form.childCount; ++i) {
            const UI_FORMINFO& a = form.children[i];
            SCOPED_TRACE(Where(form, a));
            EXPECT_GE(a.x, 0);
            EXPECT_GE(a.y, 0);
            EXPECT_LE(a.x + a.width, host.width);
            EXPECT_LE(a.y + a.height, host.height);
            for (int j = i + 1; j < form.childCount; ++j) {
                const UI_FORMINFO& b = form.children[j];
                const bool overlap = a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height &&
                                     b.y < a.y + a.height;
                EXPECT_FALSE(overlap) << "overlaps " << Where(form, b);
            }
            if (a.kindId == UIForms::kKindParamCaption) {
                EXPECT_NE(FormTest::ControlBeside(form, a), nullptr);
            }
        }
    });
}

// The checker itself: a right form passes; PIDs swapped between two envelope rows of one kind
// ("Start Lvl" and "Attack Lvl", "Attack Time" and "Decay Time"), an envelope row's PID given to its
// modulation row, or one PID on two controls are each found.
TEST(FormChecker, FindsSwappedEnvelopeRowsAndRepeatedPids) {
    RecordingRemoteSynth synth(kPmidTolva);
    QnSynthLayer layer(&synth);
    const UI_FORMINFO* form = nullptr;
    ForEachForm([&](const UI_FORMINFO& f) {
        if (f.kindId == 1052) form = &f;  // the filter 1 envelope
    });
    ASSERT_NE(form, nullptr);
    const auto withPids = [&](std::map<int, int> swaps) {
        std::vector<UI_FORMINFO> rows(form->children, form->children + form->childCount);
        for (UI_FORMINFO& row : rows) {
            const auto to = swaps.find(row.controlId);
            if (to != swaps.end() && UI_FORM_Utils::IsControlClass(ClassOf(row))) {
                row.controlId = to->second;
                swaps.erase(to);  // each PID's first control only
            }
        }
        UI_FORMINFO copy = *form;
        copy.children = rows.data();
        return FormTest::FormProblems(copy, layer).size();
    };
    EXPECT_EQ(withPids({}), 0u);
    const struct {
        const char* what;
        std::map<int, int> swaps;
        size_t problems;
    } cases[] = {
        {"start and attack level swapped", {{0x0900, 0x0902}, {0x0902, 0x0900}}, 2},
        {"attack and decay time swapped", {{0x0901, 0x0903}, {0x0903, 0x0901}}, 2},
        {"start level and its modulation swapped", {{0x0900, 0x0913}, {0x0913, 0x0900}}, 2},
        {"sustain level on the release level's field too", {{0x0908, 0x0906}}, 2},
    };
    for (const auto& c : cases) EXPECT_EQ(withPids(c.swaps), c.problems) << c.what;
}

// The caption rule on its own: abbreviations, numbers of the row's own name, groups of the table.
TEST(FormChecker, CaptionsNameTheirParameters) {
    const struct {
        const char* caption;
        const char* name;
        const char* group;
        bool names;
    } cases[] = {
        {"Start Lvl", "START LEVEL", "OSCILLATOR 1 FILTER EG", true},
        {"Break Lvl", "BREAK POINT LEVEL", "OSCILLATOR 1 FILTER EG", true},
        {"Time:Decay", "DECAY TIME", "PITCH EG", true},
        {"Start", "START (A.M.LEVEL)", "OSCILLATOR 1 FILTER EG", true},
        {"Start", "START LEVEL", "OSCILLATOR 1 FILTER EG", false},
        {"Start Lvl", "START (A.M.LEVEL)", "OSCILLATOR 1 FILTER EG", false},
        {"Attack Lvl", "ATTACK TIME", "OSCILLATOR 1 FILTER EG", false},
        {"AMS Int. B", "INT BY A.M.(EG)", "OSCILLATOR 1 FILTER B", true},
        {"AMS Int. B", "INT BY A.M.(EG)", "OSCILLATOR 1 FILTER A", false},
        {"Intensity 1", "INT BY A.M.(TIME1)", "OSCILLATOR 2 FILTER EG", true},
        {"Intensity 1", "INT BY A.M.(TIME2)", "OSCILLATOR 1 FILTER EG", false},
        {"LFO2 Sync", "MIDI/TEMPO SYNC.", "OSCILLATOR 1 LFO 2", true},
        {"LFO1 Sync", "MIDI/TEMPO SYNC.", "OSCILLATOR 1 LFO 2", false},
        {"Joystick -X", "PITCH BY JS(-X)", "OSCILLATOR 1 PITCH", true},
        {"Joystick +X", "PITCH BY JS(-X)", "OSCILLATOR 1 PITCH", false},
        {"Delay Start", "DELAY START", "OSCILLATOR 1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormTest::CaptionNamesParameter(c.caption, c.name, c.group), c.names)
            << '"' << c.caption << "\" for " << c.group << " / " << c.name;
}

class FormFonts : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
    }
    static void TearDownTestSuite() {
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
    }
    static const tagHfcBmpFontInfo& Font(const char* name) {
        tagHfcBmpFontInfo* font = FontManager::GetInstance()->GetBmpFontInfo(name);
        EXPECT_NE(font, nullptr) << name;
        return *font;
    }
};

TEST_F(FormFonts, EveryCaptionFitsItsRectangle) {
    ForEachForm([](const UI_FORMINFO& form) {
        for (int i = 0; i < form.childCount; ++i) {
            const UI_FORMINFO& row = form.children[i];
            if (ClassOf(row) != UI_FORM_Utils::kClassNumText) continue;
            const int width = FormTest::InkWidth(Font(row.fontName), row.caption);
            EXPECT_LE(width, row.width) << Where(form, row);
            EXPECT_LE(Font(row.fontName).textHeight, row.height) << Where(form, row);
        }
    });
}

// The page links each control through the section its kind names (for combinations and multis the
// edit buffer finds the PID among its sub-sections); the parameter must be one the control can show,
// and every text of its range must fit the control.
class FormParameters : public FormFonts, public ::testing::WithParamInterface<unsigned char> {};

TEST_P(FormParameters, EveryControlFindsItsParameterShowsItsKindAndFitsItsTexts) {
    const unsigned char model = GetParam();
    RecordingRemoteSynth synth(model);
    QnSynthLayer layer(&synth);
    const tagHfcBmpFontInfo& valueFont = Font(FontName_ParamValue);
    int checked = 0;
    ForEachForm([&](const UI_FORMINFO& form) {
        const auto models = FormTest::ModelsOf(form);
        if (std::find(models.begin(), models.end(), model) == models.end()) return;
        const int kind = FormTest::HostOf(form).kind;
        for (const std::string& problem : FormTest::FormProblems(form, layer)) ADD_FAILURE() << problem;
        for (int i = 0; i < form.childCount; ++i) {
            const UI_FORMINFO& row = form.children[i];
            const int cls = ClassOf(row);
            if (!UI_FORM_Utils::IsControlClass(cls)) continue;
            SCOPED_TRACE(Where(form, row));
            ISection* section = layer.GetParamSection(kind, row.controlId);
            ASSERT_NE(section, nullptr) << "not found in kind " << kind;
            PARAMDESC desc{};
            ASSERT_TRUE(section->GetParamDesc(row.controlId, &desc));
            ASSERT_NE(desc.converter, nullptr);
            const int values = desc.maxval - desc.minval + 1;
            switch (cls) {
                case UI_FORM_Utils::kClassNumCheckBox:
                    EXPECT_TRUE(desc.ptype == kPTypeSwitch || desc.ptype == kPTypeList) << desc.ptype;
                    EXPECT_EQ(values, 2);
                    break;
                case UI_FORM_Utils::kClassNumPopupMenu:
                    // Lists, or a short numbered range offered as one.
                    EXPECT_TRUE(desc.ptype == kPTypeList || desc.ptype == kPTypeSwitch ||
                                (desc.ptype == kPTypeCont && values <= 512))
                        << desc.ptype << " over " << values;
                    break;
                case UI_FORM_Utils::kClassNumValueBar:
                    EXPECT_EQ(desc.ptype, kPTypeCont);
                    break;
                case UI_FORM_Utils::kClassNumEditText:
                    EXPECT_TRUE(desc.ptype == kPTypeCont || desc.ptype == kPTypeList) << desc.ptype;
                    break;
            }
            for (int v = desc.minval; v <= desc.maxval; ++v) {
                const std::string text = desc.converter->Format(v);
                const size_t nul = text.find('\0');
                const std::string longText = text.substr(0, nul);
                std::string shortText = nul == std::string::npos ? longText : text.substr(nul + 1);
                shortText = shortText.substr(0, shortText.find('\0'));
                if (shortText.empty()) shortText = longText;
                switch (cls) {
                    case UI_FORM_Utils::kClassNumPopupMenu:
                        EXPECT_LE(FormTest::InkWidth(valueFont, shortText),
                                  FormTest::PopupTextRoom(row.width))
                            << '"' << shortText << '"';
                        break;
                    case UI_FORM_Utils::kClassNumValueBar:
                        EXPECT_LE(FormTest::InkWidth(valueFont, longText),
                                  FormTest::ValueBarTextRoom(row.width))
                            << '"' << longText << '"';
                        break;
                    case UI_FORM_Utils::kClassNumEditText:
                        EXPECT_LE(FormTest::InkWidth(valueFont, longText), FormTest::EditTextRoom(row.width))
                            << '"' << longText << '"';
                        EXPECT_LE(static_cast<int>(longText.size()),
                                  FormTest::EditTextMaxChars(row.width, row.height))
                            << '"' << longText << '"';
                        break;
                    default:
                        break;
                }
            }
            ++checked;
        }
    });
    // Every control of every form serving this model was looked at: the sister model's six
    // variants (42 controls) serve the Nerimo only.
    EXPECT_EQ(checked, model == kPmidTolva ? 518 - 42 : 518);
}

INSTANTIATE_TEST_SUITE_P(BothModels, FormParameters, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
