#pragma once
// The looks the control factory gives dropdowns, lists, scroll bars and sound selectors: images,
// fonts, colours and metrics by look number, as data (the factory, its tests and the gallery walk
// the same tables).
#include <cstdint>

#include "Common/FontManager/FontManager.h"

namespace QnListLooks {

struct DropdownLook {
    const char* image;  // null: no image
    int faces;          // faces of the image (a pressed face when 2)
    int arrowZone;
    const char* font;  // null: none
    uint32_t colour;
    int hAlign;  // 0 left, 1 centre
    int margin;
};

// Looks 0 to 11 of CreateDropdownList; any other look has no image, no zone and colour 0.
inline constexpr DropdownLook kDropdownLooks[] = {
    {"DropdownList_154X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_129X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_96X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_65X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_40X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_37X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_31X13", 1, 10, FontName_Geneva9, 0xFFFFFFFF, 0, 3},
    {"DropdownList_LCD_68x13", 1, 14, FontName_Geneva9, 0xFFFFFFFF, 0, 5},
    {"DropdownListLCD_99X25", 1, 20, FontName_Geneva9, 0xFFFFFFFF, 0, 5},
    {"DropdownList_BlueBrowser", 1, 22, FontName_HelvB11, 0xFF6178C2, 0, 3},
    {"DropdownSwitch_BlueBrowser", 2, 22, FontName_HelvB11, 0xFF6178C2, 1, 2},
    {"DropdownSwitch_RedBrowser", 2, 22, FontName_HelvB11, 0xFFFF0000, 1, 2},
};
inline constexpr int kDropdownLookCount = static_cast<int>(sizeof kDropdownLooks / sizeof kDropdownLooks[0]);
inline constexpr DropdownLook kNoDropdownLook = {nullptr, 1, 0, FontName_Geneva9, 0, 0, 3};

inline const DropdownLook& Dropdown(int look) {
    return look >= 0 && look < kDropdownLookCount ? kDropdownLooks[look] : kNoDropdownLook;
}

struct DropdownSwitchLook {
    const char* image;  // two faces: off and on
    uint32_t colour;
};

// Looks 0 (blue) and 1 (red) of CreateDropdownListSwitch.
inline constexpr DropdownSwitchLook kDropdownSwitchLooks[] = {
    {"DropdownSwitch_BlueBrowser", 0xFF6178C2},
    {"DropdownSwitch_RedBrowser", 0xFFFF0000},
};
inline constexpr int kSwitchZoneWidth = 22;

inline const DropdownSwitchLook* DropdownSwitch(int look) {
    return look == 0 || look == 1 ? &kDropdownSwitchLooks[look] : nullptr;
}

// Sound selector LCDs by look (0, 1); null for any other look.
inline constexpr const char* kSoundSelectorImages[] = {"SoundSelector_LCD_139X25",
                                                       "SoundSelector_LCD_180X25"};
inline constexpr int kSoundSelectorInset = 8;

inline const char* SoundSelectorImage(int look) {
    return look == 0 || look == 1 ? kSoundSelectorImages[look] : nullptr;
}

// Cell list selection colours: look 0 blue, look 1 (and any other) red.
inline constexpr uint32_t ListSelectionColour(int look) {
    return look == 0 ? 0xFF6178C2 : 0xFFFF0000;
}

struct ScrollBarLook {
    const char* image;  // four faces: decrement, pressed, increment, pressed
    uint32_t thumb;
    uint32_t track;
};

inline constexpr ScrollBarLook kScrollBarLooks[] = {
    {"Scrollbar_Blue_Horizontal_IncDec", 0xFF6178C2, 0xFF07080F},
    {"Scrollbar_Blue_Vertical_IncDec", 0xFF6178C2, 0xFF07080F},
    {"Scrollbar_Red_Vertical_IncDec", 0xFFFF0000, 0xFF220000},
};

// Look 0: blue, by orientation; look 1 (and any other): the red vertical strip.
inline const ScrollBarLook& ScrollBar(int look, bool vertical) {
    if (look == 0) return kScrollBarLooks[vertical ? 1 : 0];
    return kScrollBarLooks[2];
}

}  // namespace QnListLooks
