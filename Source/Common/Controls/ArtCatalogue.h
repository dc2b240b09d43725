#pragma once

// Every named image of the editor with its size and the number of faces stacked in it (faces
// stack vertically, each height / frames high). The art generator draws exactly these, and the
// code that splits a strip into faces reads the frame counts from here.

#include "Common/Controls/ArtGeometry.h"

#include <cstddef>
#include <string_view>

namespace ArtCatalogue {

struct ImageInfo {
    const char* name;
    int width;
    int height;
    int frames;
};

// The glyph strips of the bitmap fonts: 128 cells stacked vertically.
struct StripInfo {
    const char* name;
    int cellWidth;
    int cellHeight;
};
inline constexpr int kStripCells = 128;
inline constexpr StripInfo kStrips[] = {
    {"TextW4H9", 5, 10},
    {"FontGeneva9", 10, 10},
    {"FontGeneva9_Shadow", 10, 10},
    {"FontGeneva9ForControls", 10, 10},
    {"FontGeneva10", 10, 11},
    {"FontHelvB11", 11, 12},
    {"FontHelvB11_Shadow", 11, 12},
    {"FontHelvB18", 18, 21},
    {"TextW6H9", 6, 9},
};

namespace G = ArtGeometry;

inline constexpr int kSwitchStates = 2;

inline constexpr ImageInfo kImages[] = {
    // Panels and page backgrounds.
    {"Background_Base", G::kWindowWidth, G::kWindowHeight, 1},
    {"Background_MainTab_Large", G::kMainPageWidth, G::kMainPageLargeHeight, 1},
    {"Background_MainTab_Small", G::kMainPageWidth, G::kMainPageSmallHeight, 1},
    {"Background_SubTab", G::kSubPageWidth, G::kSubPageHeight, 1},
    {"Background_SubTab_Small", G::kSubPageWidth, G::kSubPageSmallHeight, 1},
    {"Background_BlueBrowser_Large", G::kBrowserLargeWidth, G::kBrowserPageHeight, 1},
    {"Background_BlueBrowser_Small", G::kBrowserSmallWidth, G::kBrowserPageHeight, 1},
    {"Background_RedBrowser", G::kBrowserSmallWidth, G::kBrowserPageHeight, 1},
    {"Image_About", G::kWindowWidth, G::kWindowHeight, 1},

    // Containers.
    {"Container_Plane_170X31", 170, 31, 1},
    {"Container_Plane_221X29", 221, 29, 1},
    {"Container_Plane_260X21", 260, 21, 1},
    {"Container_Plane_298X43", 298, 43, 1},
    {"Container_Plane_543X21", 543, 21, 1},
    {"Container_Graph_Large", G::kEnvGraphBoxWidth, G::kEnvGraphBoxHeight, 1},
    {"Container_Graph_Unsigned_Large", G::kEnvGraphBoxWidth, G::kEnvGraphBoxHeight, 1},
    {"Container_Graph_Small", G::kFilterGraphBoxWidth, G::kFilterGraphBoxHeight, 1},
    {"Container_HorizontalBar", 560, 21, 1},
    {"Container_SectionLabel", 110, 21, 1},
    {"Container_ArpControls", G::kColumnWidth, 86, 1},
    {"Container_CombiInsertFX", G::kColumnWidth, 92, 1},
    {"Container_CombiPlay_Timbre", G::kColumnWidth, 252, 1},
    {"Container_MultiPlay_Track", G::kColumnWidth, 200, 1},
    {"Container_ToneAdj_Timbre", G::kColumnWidth, 406, 1},
    {"Container_MasterFX_Routing", 240, 92, 1},
    {"Container_UserScale_Octave", 500, 124, 1},
    {"Container_UserScale_Octave10", 500, 124, 1},
    {"Container_ProgPlay_Overview_Basic", G::kOverviewBasicWidth, G::kOverviewBasicHeight, 1},
    {"Container_ProgPlay_Overview_EG", G::kOverviewEgWidth, G::kOverviewEgHeight, 1},
    {"Container_ProgPlay_Overview_OSC", G::kOverviewOscWidth, G::kOverviewOscHeight, 1},
    {"Container_ProgPlay_Overview_LFO", G::kOverviewOscWidth, G::kOverviewOscHeight, 1},
    {"Container_ProgPlay_Overview_FG", G::kOverviewFgWidth, G::kOverviewFgHeight, 1},
    {"Container_ProgPlay_Overview_MasterFX", G::kOverviewFxWidth, G::kOverviewMasterFxHeight, 1},
    {"Container_ProgPlay_Overview_MasterEQ", G::kOverviewMasterEqWidth, G::kOverviewMasterEqHeight, 1},

    // Text fields, dropdowns and displays.
    {"EditText_23X13", 23, 13, 1},
    {"EditText_37X13", 37, 13, 1},
    {"EditText_40X13", 40, 13, 1},
    {"EditText_96X13", 96, 13, 1},
    {"EditText_114X13", 114, 13, 1},
    {"EditText_154X13", 154, 13, 1},
    {"EditText_164X16", 164, 16, 1},
    {"DropdownList_154X13", 154, 13, 1},
    {"DropdownList_129X13", 129, 13, 1},
    {"DropdownList_96X13", 96, 13, 1},
    {"DropdownList_65X13", 65, 13, 1},
    {"DropdownList_40X13", 40, 13, 1},
    {"DropdownList_37X13", 37, 13, 1},
    {"DropdownList_31X13", 31, 13, 1},
    {"DropdownList_LCD_68x13", 68, 13, 1},
    {"DropdownListLCD_99X25", 99, 25, 1},
    {"DropdownList_BlueBrowser", 100, 20, 1},
    {"DropdownSwitch_BlueBrowser", 100, 40, 2},
    {"DropdownSwitch_RedBrowser", 100, 40, 2},
    {"SoundSelector_LCD_139X25", 139, 25, 1},
    {"SoundSelector_LCD_180X25", 180, 25, 1},
    {"MiniProgramSelector", 69, 24, 1},

    // Knobs and bars.
    {"Knob_Meter", G::kKnobWidth, G::kKnobHeight, 1},
    {"Knob_MeterBack", G::kKnobWidth, G::kKnobHeight, 1},
    {"Knob_RealTimeKnob", G::kRealtimeKnobSize, G::kRealtimeKnobSize* G::kRealtimeKnobFrames,
     G::kRealtimeKnobFrames},
    {"HorizontalValueBar", G::kHBarWidth, G::kHBarHeight, 1},
    {"HorizontalValueBarBack_96X13", 96, 13, 1},
    {"HorizontalValueBarBack_96X13_4C", 96, 13, 1},
    {"HorizontalValueBarBack_103X13", 103, 13, 1},
    {"HorizontalValueBar_ArpLength", G::kArpLengthBarWidth, G::kArpLengthBarHeight, 1},
    {"HorizontalValueBar_ArpLength_Back", G::kArpLengthBarWidth, G::kArpLengthBarHeight, 1},
    {"VerticalValueBarBack", G::kVBarBackWidth, G::kVBarBackHeight, 1},
    {"VerticalValueBarUnsigned", G::kVBarWidth, G::VBarLength(G::kVBarBackHeight), 1},
    {"VerticalValueBarBack_Multi", G::kVBarBackWidth, G::kVBarBackMultiHeight, 1},
    {"VerticalValueBar_Multi", G::kVBarWidth, G::VBarLength(G::kVBarBackMultiHeight), 1},
    {"VerticalValueBarBack_Prog", G::kVBarBackWidth, G::kVBarBackProgHeight, 1},
    {"VerticalValueBar_Prog", G::kVBarWidth, G::VBarLength(G::kVBarBackProgHeight), 1},
    {"ZoneSlopeBarBack", G::kZoneSlopeBackWidth, G::kZoneSlopeBackHeight, 1},
    {"ZoneBar", G::kZoneBarWidth, G::kZoneBarHeight, 1},
    {"SlopeBar", G::kZoneBarWidth, G::kZoneBarHeight, 1},
    {"PointNameFilterAmpEg", G::kPointLabelWidth, G::kPointLabelRowHeight* G::kEnvPointCount,
     G::kEnvPointCount},
    {"PointNameFilter", G::kPointLabelWidth, G::kPointLabelRowHeight* G::kFilterPointCount,
     G::kFilterPointCount},
    {"Scrollbar_Blue_Vertical_IncDec", G::kScrollButtonSize, 4 * G::kScrollButtonSize, 4},
    {"Scrollbar_Blue_Horizontal_IncDec", G::kScrollButtonSize, 4 * G::kScrollButtonSize, 4},
    {"Scrollbar_Red_Vertical_IncDec", G::kScrollButtonSize, 4 * G::kScrollButtonSize, 4},

    // Keyboards, wheels and small pictures.
    {"ControllerKeyboard", G::kCtlKeyboardWidth, G::kCtlKeyboardHeight* G::kCtlKeyboardRows,
     G::kCtlKeyboardRows},
    {"ControllerWheel", G::kWheelWidth, G::kWheelHeight* G::kWheelFrames, G::kWheelFrames},
    {"Image_Keyboard", G::kKeyboardPictureWidth, G::kKeyboardPictureHeight, 1},
    {"Image_VelocityScale", G::kZoneBarWidth, 12, 1},
    {"Image_RedArrow_Down", G::kKeyArrowWidth, G::kKeyArrowHeight, 1},
    {"Image_RedArrow_Up_W6", 6, 6, 1},
    {"Image_MFX_Routing_MFX1ToMFX2", 8, 24, 1},
    {"Image_MFX_Routing_MFX2ToMFX1", 8, 24, 1},
    {"Image_Logo_QnEditor", 80, 40, 2},
    {"Image_Logo_VELK", 60, 44, 2},

    // Switches: two faces (off, on) unless noted; one-state buttons have a pressed face.
    {"Switch_ModeSelect_COMBI", 47, 58, 2},
    {"Switch_ModeSelect_MULTI", 47, 58, 2},
    {"Switch_ModeSelect_PROG", 47, 58, 2},
    {"Switch_ModeSelect_GLOBAL", 47, 58, 2},
    {"Switch_Arrow_Up", 20, 20, 2},
    {"Switch_Arrow_Down", 20, 20, 2},
    {"Switch_CategoryDisplay", 84, 34, 2},
    {"Switch_BankDisplay", 20, 34, 2},
    {"Switch_RTKnob_Select_Filter", 54, 30, 2},
    {"Switch_RTKnob_Select_User", 54, 30, 2},
    {"Switch_RTKnob_Select_Arp", 54, 30, 2},
    {"Switch_Oval", 32, 28, 2},
    {"Switch_Utility", 74, 50, 2},
    {"Switch_Multi_TrackShift", 52, 48, 2},
    {"Switch_Multi_TrackShift_Disable", 52, 24, 1},
    {"Switch_GlobalDump", 64, 44, 2},
    {"Switch_Blue_OK", 80, 44, 2},
    {"Switch_Blue_Cancel", 80, 44, 2},
    {"Switch_Red_OK", 80, 44, 2},
    {"Switch_Red_Cancel", 80, 44, 2},
    {"Switch_Blue_106X17", 106, 34, 2},
    {"Switch_CheckBox", 13, 26, 2},
    {"Switch_CheckBox_Small", 7, 14, 2},
    {"Switch_Arp_FrameCircle", 7, 14, 2},
    {"Switch_Arp_SolidCircle", 7, 14, 2},
    {"Switch_Arp_FrameSquare", 7, 14, 2},
    {"Switch_Arp_SolidSquare", 7, 14, 2},
    {"Switch_ON", 34, 50, 2},
    {"Switch_SmallON", 28, 30, 2},
    {"Switch_AB", 40, 30, 2},
    {"Switch_OscillatorMode", 80, 126, 3},
    {"Switch_FilterType", 64, 56, 2},
    {"Switch_MFX1", 50, 44, 2},
    {"Switch_MFX2", 50, 44, 2},
    {"Switch_MasterEQ", 56, 44, 2},
    {"Switch_Return", 44, 32, 2},

// Activity lamps, "MidiIndicatorNum01" .. "08" and "MidiIndicatorNum01Sw" .. "16Sw".
#define TOLVA_LAMP(n) \
    { "MidiIndicatorNum" n, G::kLampWidth, G::kLampHeight *G::kLampFaces, G::kLampFaces }
#define TOLVA_LAMP_SW(n) \
    { "MidiIndicatorNum" n "Sw", G::kLampWideWidth, G::kLampHeight *G::kLampFaces, G::kLampFaces }
    TOLVA_LAMP("01"),
    TOLVA_LAMP("02"),
    TOLVA_LAMP("03"),
    TOLVA_LAMP("04"),
    TOLVA_LAMP("05"),
    TOLVA_LAMP("06"),
    TOLVA_LAMP("07"),
    TOLVA_LAMP("08"),
    TOLVA_LAMP_SW("01"),
    TOLVA_LAMP_SW("02"),
    TOLVA_LAMP_SW("03"),
    TOLVA_LAMP_SW("04"),
    TOLVA_LAMP_SW("05"),
    TOLVA_LAMP_SW("06"),
    TOLVA_LAMP_SW("07"),
    TOLVA_LAMP_SW("08"),
    TOLVA_LAMP_SW("09"),
    TOLVA_LAMP_SW("10"),
    TOLVA_LAMP_SW("11"),
    TOLVA_LAMP_SW("12"),
    TOLVA_LAMP_SW("13"),
    TOLVA_LAMP_SW("14"),
    TOLVA_LAMP_SW("15"),
    TOLVA_LAMP_SW("16"),
#undef TOLVA_LAMP
#undef TOLVA_LAMP_SW

    // Tab strips: two rows, the active tab's face and the others'.
    {"Tab_Prog_Main", G::MainTabStripWidth(10), 2 * G::kMainTabHeight, 2},
    {"Tab_Combi_Main", G::MainTabStripWidth(8), 2 * G::kMainTabHeight, 2},
    {"Tab_Multi_Main", G::MainTabStripWidth(8), 2 * G::kMainTabHeight, 2},
    {"Tab_Global_Main_Tolva", G::MainTabStripWidth(6), 2 * G::kMainTabHeight, 2},
    {"Tab_Global_Main_Nerimo", G::MainTabStripWidth(6), 2 * G::kMainTabHeight, 2},
    {"Tab_Low_Prog_Basic", G::SubTabStripWidth(5), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_Prog_Pitch", G::SubTabStripWidth(5), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_Prog_LFOs", G::SubTabStripWidth(4), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_Prog_Filter", G::SubTabStripWidth(5), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_Prog_Amp", G::SubTabStripWidth(6), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_InsertFX", G::SubTabStripWidth(2), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_MasterFX", G::SubTabStripWidth(4), 2 * G::kSubTabHeight, 2},
    {"Tab_Low_Combi_Arp", G::SubTabStripWidth(4), 2 * G::kSubTabHeight, 2},
    {"Tab_BlueBrowser_Browser", 2 * G::kBrowserTabWidth + G::kBrowserTabGap, 2 * G::kBrowserTabHeight, 2},
    {"Tab_RedBrowser_LoadProgram", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_RedBrowser_LoadEffect", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_RedBrowser_LoadMultisample", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_RedBrowser_LoadDrumSample", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_RedBrowser_LoadDrumKit", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_RedBrowser_LoadArpeggiator", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Write_Prog", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Write_Multi", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Write_Combi", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Rename", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Rename_DrumKit", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
    {"Tab_Rename_ArpPattern", G::kModalTabWidth, 2 * G::kModalTabHeight, 2},
};

inline constexpr std::size_t kImageCount = sizeof(kImages) / sizeof(kImages[0]);

constexpr const ImageInfo* FindImage(std::string_view name) {
    for (const ImageInfo& info : kImages) {
        if (name == info.name) return &info;
    }
    return nullptr;
}

constexpr const StripInfo* FindStrip(std::string_view name) {
    for (const StripInfo& info : kStrips) {
        if (name == info.name) return &info;
    }
    return nullptr;
}

}  // namespace ArtCatalogue
