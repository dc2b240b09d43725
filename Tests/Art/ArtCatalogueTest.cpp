// The editor's art against what the code loads: every image name the editor asks for resolves to a
// picture of the size and face count the code expects, and the catalogue that the generator draws
// from holds exactly those names.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

#include "Common/Controls/ArtCatalogue.h"
#include "Common/Controls/ArtGeometry.h"
#include "Common/FontManager/ResourceManager.h"
#include "Hfc/Draw/HfcBmp.h"

namespace {

namespace G = ArtGeometry;

// Every image name the editor loads, as its pages, browsers, window and controls spell them.
const char* const kLoadedNames[] = {
    "Background_Base",
    "Background_BlueBrowser_Large",
    "Background_BlueBrowser_Small",
    "Background_MainTab_Large",
    "Background_MainTab_Small",
    "Background_RedBrowser",
    "Background_SubTab",
    "Background_SubTab_Small",
    "Container_ArpControls",
    "Container_CombiInsertFX",
    "Container_CombiPlay_Timbre",
    "Container_Graph_Large",
    "Container_Graph_Small",
    "Container_Graph_Unsigned_Large",
    "Container_HorizontalBar",
    "Container_MasterFX_Routing",
    "Container_MultiPlay_Track",
    "Container_Plane_170X31",
    "Container_Plane_221X29",
    "Container_Plane_260X21",
    "Container_Plane_298X43",
    "Container_Plane_543X21",
    "Container_ProgPlay_Overview_Basic",
    "Container_ProgPlay_Overview_EG",
    "Container_ProgPlay_Overview_FG",
    "Container_ProgPlay_Overview_LFO",
    "Container_ProgPlay_Overview_MasterEQ",
    "Container_ProgPlay_Overview_MasterFX",
    "Container_ProgPlay_Overview_OSC",
    "Container_SectionLabel",
    "Container_ToneAdj_Timbre",
    "Container_UserScale_Octave",
    "Container_UserScale_Octave10",
    "ControllerKeyboard",
    "ControllerWheel",
    "DropdownListLCD_99X25",
    "DropdownList_129X13",
    "DropdownList_154X13",
    "DropdownList_31X13",
    "DropdownList_37X13",
    "DropdownList_40X13",
    "DropdownList_65X13",
    "DropdownList_96X13",
    "DropdownList_BlueBrowser",
    "DropdownList_LCD_68x13",
    "DropdownSwitch_BlueBrowser",
    "DropdownSwitch_RedBrowser",
    "EditText_114X13",
    "EditText_154X13",
    "EditText_164X16",
    "EditText_23X13",
    "EditText_37X13",
    "EditText_40X13",
    "EditText_96X13",
    "HorizontalValueBar",
    "HorizontalValueBarBack_103X13",
    "HorizontalValueBarBack_96X13",
    "HorizontalValueBarBack_96X13_4C",
    "HorizontalValueBar_ArpLength",
    "HorizontalValueBar_ArpLength_Back",
    "Image_About",
    "Image_Keyboard",
    "Image_Logo_QnEditor",
    "Image_Logo_VELK",
    "Image_MFX_Routing_MFX1ToMFX2",
    "Image_MFX_Routing_MFX2ToMFX1",
    "Image_RedArrow_Down",
    "Image_RedArrow_Up_W6",
    "Image_VelocityScale",
    "Knob_Meter",
    "Knob_MeterBack",
    "Knob_RealTimeKnob",
    "MiniProgramSelector",
    "PointNameFilter",
    "PointNameFilterAmpEg",
    "Scrollbar_Blue_Horizontal_IncDec",
    "Scrollbar_Blue_Vertical_IncDec",
    "Scrollbar_Red_Vertical_IncDec",
    "SlopeBar",
    "SoundSelector_LCD_139X25",
    "SoundSelector_LCD_180X25",
    "Switch_AB",
    "Switch_Arp_FrameCircle",
    "Switch_Arp_FrameSquare",
    "Switch_Arp_SolidCircle",
    "Switch_Arp_SolidSquare",
    "Switch_Arrow_Down",
    "Switch_Arrow_Up",
    "Switch_BankDisplay",
    "Switch_Blue_106X17",
    "Switch_Blue_Cancel",
    "Switch_Blue_OK",
    "Switch_CategoryDisplay",
    "Switch_CheckBox",
    "Switch_CheckBox_Small",
    "Switch_FilterType",
    "Switch_GlobalDump",
    "Switch_MFX1",
    "Switch_MFX2",
    "Switch_MasterEQ",
    "Switch_ModeSelect_COMBI",
    "Switch_ModeSelect_GLOBAL",
    "Switch_ModeSelect_MULTI",
    "Switch_ModeSelect_PROG",
    "Switch_Multi_TrackShift",
    "Switch_Multi_TrackShift_Disable",
    "Switch_ON",
    "Switch_OscillatorMode",
    "Switch_Oval",
    "Switch_RTKnob_Select_Arp",
    "Switch_RTKnob_Select_Filter",
    "Switch_RTKnob_Select_User",
    "Switch_Red_Cancel",
    "Switch_Red_OK",
    "Switch_Return",
    "Switch_SmallON",
    "Switch_Utility",
    "Tab_BlueBrowser_Browser",
    "Tab_Combi_Main",
    "Tab_Global_Main_Nerimo",
    "Tab_Global_Main_Tolva",
    "Tab_Low_Combi_Arp",
    "Tab_Low_InsertFX",
    "Tab_Low_MasterFX",
    "Tab_Low_Prog_Amp",
    "Tab_Low_Prog_Basic",
    "Tab_Low_Prog_Filter",
    "Tab_Low_Prog_LFOs",
    "Tab_Low_Prog_Pitch",
    "Tab_Multi_Main",
    "Tab_Prog_Main",
    "Tab_RedBrowser_LoadArpeggiator",
    "Tab_RedBrowser_LoadDrumKit",
    "Tab_RedBrowser_LoadDrumSample",
    "Tab_RedBrowser_LoadEffect",
    "Tab_RedBrowser_LoadMultisample",
    "Tab_RedBrowser_LoadProgram",
    "Tab_Rename",
    "Tab_Rename_ArpPattern",
    "Tab_Rename_DrumKit",
    "Tab_Write_Combi",
    "Tab_Write_Multi",
    "Tab_Write_Prog",
    "VerticalValueBarBack",
    "VerticalValueBarBack_Multi",
    "VerticalValueBarBack_Prog",
    "VerticalValueBarUnsigned",
    "VerticalValueBar_Multi",
    "VerticalValueBar_Prog",
    "ZoneBar",
    "ZoneSlopeBarBack",
    // Activity lamps by index: eight narrow ones, sixteen wide ones.
    "MidiIndicatorNum01",
    "MidiIndicatorNum02",
    "MidiIndicatorNum03",
    "MidiIndicatorNum04",
    "MidiIndicatorNum05",
    "MidiIndicatorNum06",
    "MidiIndicatorNum07",
    "MidiIndicatorNum08",
    "MidiIndicatorNum01Sw",
    "MidiIndicatorNum02Sw",
    "MidiIndicatorNum03Sw",
    "MidiIndicatorNum04Sw",
    "MidiIndicatorNum05Sw",
    "MidiIndicatorNum06Sw",
    "MidiIndicatorNum07Sw",
    "MidiIndicatorNum08Sw",
    "MidiIndicatorNum09Sw",
    "MidiIndicatorNum10Sw",
    "MidiIndicatorNum11Sw",
    "MidiIndicatorNum12Sw",
    "MidiIndicatorNum13Sw",
    "MidiIndicatorNum14Sw",
    "MidiIndicatorNum15Sw",
    "MidiIndicatorNum16Sw",
};

// What the code states or implies of a face: its size (0 where the size is our own) and the face
// count (0 where it is ours).
struct Stated {
    const char* name;
    int faceWidth;
    int faceHeight;
    int frames;
};

const Stated kStated[] = {
    // Forms and pages: the form page is 559 x 230 and takes the image's size.
    {"Background_SubTab", 559, 230, 1},
    {"Background_SubTab_Small", 559, 0, 1},
    // Switches created with a state count: one face per state.
    {"Switch_CheckBox", 13, 13, 2},
    {"Switch_CheckBox_Small", 7, 7, 2},
    {"Switch_Arp_FrameCircle", 7, 7, 2},
    {"Switch_Arp_SolidCircle", 7, 7, 2},
    {"Switch_Arp_FrameSquare", 7, 7, 2},
    {"Switch_Arp_SolidSquare", 7, 7, 2},
    {"Switch_ON", 0, 0, 2},
    {"Switch_SmallON", 0, 0, 2},
    {"Switch_AB", 0, 0, 2},
    {"Switch_OscillatorMode", 0, 0, 3},
    {"Switch_FilterType", 0, 0, 2},
    {"Switch_Multi_TrackShift", 0, 0, 2},
    {"Switch_Blue_106X17", 106, 17, 2},
    {"Switch_Blue_OK", 0, 0, 2},
    {"Switch_Blue_Cancel", 0, 0, 2},
    {"Switch_Red_OK", 0, 0, 2},
    {"Switch_Red_Cancel", 0, 0, 2},
    {"Switch_MFX1", 0, 0, 2},
    {"Switch_MFX2", 0, 0, 2},
    {"Switch_Return", 0, 0, 2},
    {"Switch_MasterEQ", 0, 0, 2},
    {"Switch_ModeSelect_COMBI", 0, 0, 2},
    {"Switch_ModeSelect_MULTI", 0, 0, 2},
    {"Switch_ModeSelect_PROG", 0, 0, 2},
    {"Switch_ModeSelect_GLOBAL", 0, 0, 2},
    {"Switch_RTKnob_Select_Filter", 0, 0, 2},
    {"Switch_RTKnob_Select_User", 0, 0, 2},
    {"Switch_RTKnob_Select_Arp", 0, 0, 2},
    {"Switch_Oval", 0, 0, 2},
    {"Switch_CategoryDisplay", 0, 0, 2},
    {"Switch_BankDisplay", 0, 0, 2},
    {"Image_Logo_QnEditor", 0, 0, 2},
    {"Image_Logo_VELK", 0, 0, 2},
    {"DropdownSwitch_BlueBrowser", 0, 0, 2},
    {"DropdownSwitch_RedBrowser", 0, 0, 2},
    // Dropdown looks 0 to 9 have one face.
    {"DropdownList_BlueBrowser", 0, 0, 1},
    {"DropdownList_LCD_68x13", 68, 13, 1},
    // Scroll bars: decrement, pressed, increment, pressed.
    {"Scrollbar_Blue_Vertical_IncDec", 0, 0, 4},
    {"Scrollbar_Blue_Horizontal_IncDec", 0, 0, 4},
    {"Scrollbar_Red_Vertical_IncDec", 0, 0, 4},
    // Point labels: a row per point.
    {"PointNameFilterAmpEg", 0, 0, 6},
    {"PointNameFilter", 0, 0, 2},
    // The on-screen keyboard: a row per region state; the keyboard picture of the selectors: an
    // octave frame of 51 x 26 drawn 2 pixels around it, octaves 49 pixels apart, the last one 37 wide.
    {"ControllerKeyboard", G::kCtlWhiteKeys* G::kCtlWhiteWidth, 0, 8},
    {"Image_Keyboard", 0, 26 - 4, 1},
    // The knob ring is the knob.
    {"Knob_Meter", G::kKnobWidth, G::kKnobHeight, 1},
    {"Knob_MeterBack", G::kKnobWidth, G::kKnobHeight, 1},
    // The horizontal bar is 63 wide.
    {"HorizontalValueBar", 63, 0, 1},
    {"Container_CombiInsertFX", 71, 0, 1},
    {"Container_ToneAdj_Timbre", 71, 0, 1},
};

int Frames(const char* name) {
    const ArtCatalogue::ImageInfo* info = ArtCatalogue::FindImage(name);
    return info != nullptr ? info->frames : 1;
}

// The face size a name carries ("_154X13", "_68x13"), or false.
bool SizeInName(const std::string& name, int* w, int* h) {
    for (size_t at = name.find('_'); at != std::string::npos; at = name.find('_', at + 1)) {
        int a = 0, b = 0, n = 0;
        if (std::sscanf(name.c_str() + at, "_%d%*[Xx]%d%n", &a, &b, &n) == 2 && at + n == name.size()) {
            *w = a;
            *h = b;
            return true;
        }
        // A suffix after the size, as in "_96X13_4C".
        if (std::sscanf(name.c_str() + at, "_%d%*[Xx]%d_%n", &a, &b, &n) == 2 && n > 0) {
            *w = a;
            *h = b;
            return true;
        }
    }
    return false;
}

class ArtCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ResourceManager::Initialize()); }
    void TearDown() override { ResourceManager::Uninitialize(); }

    CHfcBmp* Load(const std::string& name) { return ResourceManager::GetInstance()->LoadImage(name); }
};

TEST_F(ArtCatalogueTest, EveryLoadedNameIsInTheCatalogueAndNothingElse) {
    std::set<std::string> loaded(std::begin(kLoadedNames), std::end(kLoadedNames));
    EXPECT_EQ(loaded.size(), std::size(kLoadedNames)) << "a name listed twice";
    std::set<std::string> catalogue;
    for (const ArtCatalogue::ImageInfo& info : ArtCatalogue::kImages) catalogue.insert(info.name);
    for (const std::string& name : loaded) EXPECT_TRUE(catalogue.count(name)) << name;
    for (const std::string& name : catalogue)
        EXPECT_TRUE(loaded.count(name)) << name << " is drawn but never loaded";
}

TEST_F(ArtCatalogueTest, EveryLoadedNameResolvesWithTheCatalogueSize) {
    for (const char* name : kLoadedNames) {
        const ArtCatalogue::ImageInfo* info = ArtCatalogue::FindImage(name);
        ASSERT_NE(info, nullptr) << name;
        CHfcBmp* image = Load(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->GetWidth(), info->width) << name;
        EXPECT_EQ(image->GetHeight(), info->height) << name;
        ASSERT_GT(info->frames, 0) << name;
        EXPECT_EQ(info->height % info->frames, 0) << name << ": faces of unequal height";
    }
}

TEST_F(ArtCatalogueTest, SizesInNamesHold) {
    for (const char* name : kLoadedNames) {
        int w = 0, h = 0;
        if (!SizeInName(name, &w, &h)) continue;
        CHfcBmp* image = Load(name);
        ASSERT_NE(image, nullptr) << name;
        EXPECT_EQ(image->GetWidth(), w) << name;
        EXPECT_EQ(image->GetHeight() / Frames(name), h) << name;
    }
}

TEST_F(ArtCatalogueTest, StatedSizesAndFaceCountsHold) {
    for (const Stated& s : kStated) {
        CHfcBmp* image = Load(s.name);
        ASSERT_NE(image, nullptr) << s.name;
        const int frames = Frames(s.name);
        if (s.frames != 0) {
            EXPECT_EQ(frames, s.frames) << s.name;
        }
        if (s.faceWidth != 0) {
            EXPECT_EQ(image->GetWidth(), s.faceWidth) << s.name;
        }
        if (s.faceHeight != 0) {
            EXPECT_EQ(image->GetHeight() / frames, s.faceHeight) << s.name;
        }
    }
}

TEST_F(ArtCatalogueTest, LampsAreSixFacesOfTheirWidth) {
    for (const char* name : kLoadedNames) {
        const std::string n = name;
        if (n.rfind("MidiIndicatorNum", 0) != 0) continue;
        CHfcBmp* image = Load(n);
        ASSERT_NE(image, nullptr) << n;
        EXPECT_EQ(Frames(name), 6) << n;
        EXPECT_EQ(image->GetWidth(), n.size() > 18 ? 26 : 13) << n;
        // The lamp sits centred in a 40 x 20 container, one pixel down.
        EXPECT_LE(image->GetHeight() / 6, 18) << n;
    }
}

// Sublevel strips are made with tab width 61, gap 2, first extra 2, last extra 4: 63 n + 4 wide,
// two rows of 32, one tab per sublevel page.
TEST_F(ArtCatalogueTest, SublevelStripsFitTheirPages) {
    const struct {
        const char* name;
        int pages;
    } strips[] = {{"Tab_Low_Prog_Basic", 5},  {"Tab_Low_Prog_Pitch", 5}, {"Tab_Low_Prog_LFOs", 4},
                  {"Tab_Low_Prog_Filter", 5}, {"Tab_Low_Prog_Amp", 6},   {"Tab_Low_InsertFX", 2},
                  {"Tab_Low_MasterFX", 4},    {"Tab_Low_Combi_Arp", 4}};
    for (const auto& s : strips) {
        CHfcBmp* image = Load(s.name);
        ASSERT_NE(image, nullptr) << s.name;
        EXPECT_EQ(image->GetWidth(), 63 * s.pages + 4) << s.name;
        EXPECT_EQ(image->GetHeight(), 64) << s.name;
    }
}

TEST_F(ArtCatalogueTest, MainStripsAndPagesFitTheWindow) {
    CHfcBmp* base = Load("Background_Base");
    ASSERT_NE(base, nullptr);
    // Sublevel pages of 559 pixels sit at 244 + 7; the keyboard and logos fill the bottom row.
    EXPECT_GE(base->GetWidth(), 244 + 7 + 559);
    EXPECT_GE(base->GetWidth(), G::kCtlKeyboardX + G::kCtlKeyboardWidth);
    EXPECT_GE(base->GetHeight(), G::kCtlKeyboardY + G::kCtlKeyboardHeight);
    const struct {
        const char* name;
        int tabs;
    } strips[] = {{"Tab_Prog_Main", 10},
                  {"Tab_Combi_Main", 8},
                  {"Tab_Multi_Main", 8},
                  {"Tab_Global_Main_Tolva", 6},
                  {"Tab_Global_Main_Nerimo", 6}};
    for (const auto& s : strips) {
        CHfcBmp* image = Load(s.name);
        ASSERT_NE(image, nullptr) << s.name;
        EXPECT_EQ(image->GetWidth(), G::MainTabStripWidth(s.tabs)) << s.name;
        EXPECT_EQ(image->GetHeight(), 2 * G::kMainTabHeight) << s.name;
        EXPECT_LE(G::kMainTabX + image->GetWidth(), base->GetWidth()) << s.name;
    }
    CHfcBmp* large = Load("Background_MainTab_Large");
    CHfcBmp* small = Load("Background_MainTab_Small");
    ASSERT_NE(large, nullptr);
    ASSERT_NE(small, nullptr);
    EXPECT_GE(large->GetWidth(), 7 + 559);
    EXPECT_LE(G::kMainTabX + large->GetWidth(), base->GetWidth());
    // Pages end at the keyboard row; the program play page ends above the overview at y 343.
    EXPECT_LE(G::kMainTabY + G::kMainTabHeight + large->GetHeight(), 528);
    EXPECT_LE(G::kMainTabY + G::kMainTabHeight + small->GetHeight(), 343);
    CHfcBmp* about = Load("Image_About");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->GetWidth(), base->GetWidth());
    EXPECT_EQ(about->GetHeight(), base->GetHeight());
}

TEST_F(ArtCatalogueTest, BarsFitInTheirBacks) {
    const struct {
        const char* bar;
        const char* back;
    } pairs[] = {{"VerticalValueBarUnsigned", "VerticalValueBarBack"},
                 {"VerticalValueBar_Multi", "VerticalValueBarBack_Multi"},
                 {"VerticalValueBar_Prog", "VerticalValueBarBack_Prog"},
                 {"HorizontalValueBar", "HorizontalValueBarBack_96X13"},
                 {"HorizontalValueBar", "HorizontalValueBarBack_103X13"}};
    for (const auto& p : pairs) {
        CHfcBmp* bar = Load(p.bar);
        CHfcBmp* back = Load(p.back);
        ASSERT_NE(bar, nullptr) << p.bar;
        ASSERT_NE(back, nullptr) << p.back;
        // Bars are drawn at (2, 2) of their back.
        EXPECT_LE(2 + bar->GetHeight(), back->GetHeight()) << p.bar;
        EXPECT_LE(2 + bar->GetWidth(), back->GetWidth()) << p.bar;
    }
    // The graphs copy their back from two pixels left and above to four right and below.
    const struct {
        const char* name;
        int w, h;
    } graphs[] = {{"Container_Graph_Large", 206, 103},
                  {"Container_Graph_Unsigned_Large", 206, 103},
                  {"Container_Graph_Small", 155, 79}};
    for (const auto& g : graphs) {
        CHfcBmp* image = Load(g.name);
        ASSERT_NE(image, nullptr) << g.name;
        EXPECT_GE(image->GetWidth(), g.w + 6) << g.name;
        EXPECT_GE(image->GetHeight(), g.h + 6) << g.name;
    }
    // Zone bars span the keyboard picture's notes; the velocity scale sits under them.
    EXPECT_EQ(Load("ZoneBar")->GetWidth(), Load("Image_VelocityScale")->GetWidth());
    EXPECT_GE(Load("ZoneSlopeBarBack")->GetWidth(), G::kZoneBarX + Load("ZoneBar")->GetWidth());
    EXPECT_GE(Load("HorizontalValueBar_ArpLength_Back")->GetWidth(), 48 * 7);
    // The keyboard picture: eleven octaves of 49, the last one up to G.
    EXPECT_GE(Load("Image_Keyboard")->GetWidth(), 10 * 49 + 33);
}

// The key table and hit map of the on-screen keyboard against its picture: every key can be hit,
// every key's regions exist, and a black key's two regions share its state bit with no other key
// touching either region.
TEST(ControllerKeyboardGeometry, KeysRegionsAndHitMapAgree) {
    std::set<int> hit;
    for (int y = 0; y < G::kCtlKeyboardHeight; ++y) {
        for (int x = 0; x < G::kCtlKeyboardWidth; ++x) {
            const int key = G::CtlKeyAt(x, y);
            ASSERT_NE(key, 255) << x << "," << y;
            hit.insert(key);
        }
    }
    EXPECT_EQ(hit.size(), static_cast<size_t>(G::kCtlKeyCount));
    for (int region = 0; region < G::kCtlWhiteKeys; ++region) {
        std::set<int> bits;
        for (int key = 0; key < G::kCtlKeyCount; ++key) {
            const G::KeyRegions k = G::CtlKeyRegions(key);
            if (k.first == region || k.second == region) {
                EXPECT_TRUE(bits.insert(k.bits).second) << "two keys share a bit in region " << region;
            }
        }
    }
    EXPECT_EQ(G::CtlKeyRegions(G::kCtlKeyCount - 1).first, G::kCtlWhiteKeys - 1);
    EXPECT_EQ(G::CtlKeyAt(-1, 0), 255);
    EXPECT_EQ(G::CtlKeyAt(G::kCtlKeyboardWidth, 0), 255);
}

}  // namespace
