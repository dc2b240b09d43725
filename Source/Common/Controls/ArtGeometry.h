#pragma once

// Geometry shared by the art generator and the editor's code: the generator draws every picture
// from these numbers and the controls, pages and tests read the same ones, so that a knob ring, a
// key rectangle or a tab never sits a pixel away from where the code expects it.
// Header only and constexpr: no dependency on the toolkit, cairo or X11.

namespace ArtGeometry {

struct Rect {
    int x, y, w, h;
};

// The editor window is the image "Background_Base".
inline constexpr int kWindowWidth = 816;
inline constexpr int kWindowHeight = 600;

// Main edit tabs: strips "Tab_Prog_Main" (10 tabs), "Tab_Combi_Main", "Tab_Multi_Main" (8) and
// "Tab_Global_Main_*" (6), placed at (244, 82). Tab j starts at j * (width + gap).
inline constexpr int kMainTabX = 244;
inline constexpr int kMainTabY = 82;
inline constexpr int kMainTabWidth = 55;
inline constexpr int kMainTabHeight = 29;
inline constexpr int kMainTabGap = 2;
inline constexpr int kMainTabFirstExtra = 0;
inline constexpr int kMainTabLastExtra = 0;
constexpr int MainTabStripWidth(int tabs) {
    return tabs * (kMainTabWidth + kMainTabGap) - kMainTabGap + kMainTabFirstExtra + kMainTabLastExtra;
}
// Pages of the main tabs sit below the strip and reach the keyboard row.
inline constexpr int kMainPageWidth = kWindowWidth - kMainTabX;
inline constexpr int kMainPageLargeHeight = 527 - kMainTabY - kMainTabHeight;
// The program play page ends above the overview boxes at y 343.
inline constexpr int kMainPageSmallHeight = 343 - kMainTabY - kMainTabHeight;

// Sublevel tab strips ("Tab_Low_*"): the page base creates them with these metrics, so a strip of
// n tabs is 63 n + 4 wide and two rows of 32 high.
inline constexpr int kSubTabWidth = 61;
inline constexpr int kSubTabHeight = 32;
inline constexpr int kSubTabGap = 2;
inline constexpr int kSubTabFirstExtra = 2;
inline constexpr int kSubTabLastExtra = 4;
constexpr int SubTabStripWidth(int tabs) {
    return tabs * (kSubTabWidth + kSubTabGap) - kSubTabGap + kSubTabFirstExtra + kSubTabLastExtra;
}
// The form pages under a sublevel strip.
inline constexpr int kSubPageWidth = 559;
inline constexpr int kSubPageHeight = 230;
// The smaller form pages of the arpeggiator pages (strip at y 186).
inline constexpr int kSubPageSmallHeight = 190;

// Sound browsers: tab strip "Tab_BlueBrowser_Browser" at (4, 83) with two tabs; the pages below it
// reach the keyboard row. The Utility switch at (165, 83) lies right of the strip.
inline constexpr int kBrowserTabX = 4;
inline constexpr int kBrowserTabY = 83;
inline constexpr int kBrowserTabWidth = 74;
inline constexpr int kBrowserTabHeight = 31;
inline constexpr int kBrowserTabGap = 2;
inline constexpr int kBrowserPageTop = kBrowserTabY + kBrowserTabHeight;
inline constexpr int kBrowserPageHeight = 527 - kBrowserPageTop;
inline constexpr int kBrowserSmallWidth = 236;
inline constexpr int kBrowserLargeWidth = kWindowWidth - 2 * kBrowserTabX;

// Modal browsers (pick lists, write, rename): one tab of this size above the page.
inline constexpr int kModalTabWidth = 154;
inline constexpr int kModalTabHeight = 31;

// Knob of the edit pages ("Knob_Meter", "Knob_MeterBack"): the control cuts the unlit sectors of
// the ring with these centre, radius and angles (radians, the arc runs clockwise over the top).
inline constexpr int kKnobWidth = 36;
inline constexpr int kKnobHeight = 36;
inline constexpr float kKnobCentreX = 17.5f;
inline constexpr float kKnobCentreY = 18.0f;
inline constexpr float kKnobRadius = 17.0f;
inline constexpr float kKnobStartAngle = 4.00553f;
inline constexpr float kKnobEndAngle = -0.820305f;
inline constexpr float kKnobHalfGap = 0.05f;
// The lit band of the ring, in pixels inward from the radius.
inline constexpr float kKnobRingThickness = 4.0f;

// Realtime knobs ("Knob_RealTimeKnob"): a strip of frames.
inline constexpr int kRealtimeKnobSize = 40;
inline constexpr int kRealtimeKnobFrames = 64;

// Horizontal value bars: the lit bar "HorizontalValueBar" is copied at (2, 2) of the back images
// "HorizontalValueBarBack_96X13[_4C]" and "HorizontalValueBarBack_103X13"; the value text at x 71.
inline constexpr int kHBarX = 2;
inline constexpr int kHBarY = 2;
inline constexpr int kHBarWidth = 63;
inline constexpr int kHBarHeight = 9;
inline constexpr int kHBarTextX = 71;

// Vertical value bars: back images and lit bars (bar at (2, 2) of the back).
inline constexpr int kVBarX = 2;
inline constexpr int kVBarY = 2;
inline constexpr int kVBarBackWidth = 23;
inline constexpr int kVBarBackHeight = 108;      // "VerticalValueBarBack"
inline constexpr int kVBarBackMultiHeight = 90;  // "VerticalValueBarBack_Multi"
inline constexpr int kVBarBackProgHeight = 98;   // "VerticalValueBarBack_Prog"
constexpr int VBarLength(int backHeight) {
    return backHeight - 2 * kVBarY;
}
inline constexpr int kVBarWidth = kVBarBackWidth - 2 * kVBarX;

// Arpeggio length bar: back "HorizontalValueBar_ArpLength_Back" and bar
// "HorizontalValueBar_ArpLength", over the 48-step grid (7 pixels a step).
inline constexpr int kArpStepPitch = 7;
inline constexpr int kArpSteps = 48;
inline constexpr int kArpLengthBarWidth = kArpSteps * kArpStepPitch;
inline constexpr int kArpLengthBarHeight = 9;

// Graph boxes: envelope graph 206 x 103 and filter graph 155 x 79 in back images that reach two
// pixels left and above and four right and below the graph.
inline constexpr int kEnvGraphWidth = 206;
inline constexpr int kEnvGraphHeight = 103;
inline constexpr int kFilterGraphWidth = 155;
inline constexpr int kFilterGraphHeight = 79;
inline constexpr int kGraphMarginLow = 2;
inline constexpr int kGraphMarginHigh = 4;
inline constexpr int kEnvGraphBoxWidth = kEnvGraphWidth + kGraphMarginLow + kGraphMarginHigh;
inline constexpr int kEnvGraphBoxHeight = kEnvGraphHeight + kGraphMarginLow + kGraphMarginHigh;
inline constexpr int kFilterGraphBoxWidth = kFilterGraphWidth + kGraphMarginLow + kGraphMarginHigh;
inline constexpr int kFilterGraphBoxHeight = kFilterGraphHeight + kGraphMarginLow + kGraphMarginHigh;
// Point labels: one row per point ("PointNameFilterAmpEg" 6 rows, "PointNameFilter" 2 rows).
inline constexpr int kPointLabelWidth = 6;
inline constexpr int kPointLabelRowHeight = 7;
inline constexpr int kEnvPointCount = 6;
inline constexpr int kFilterPointCount = 2;

// Keyboard picture of the selectors and the key and velocity zone page ("Image_Keyboard"): 11
// octaves of 49 pixels (7 white keys of 7), the last one ending at G; the octave selector frames
// an octave 51 x 26 (37 x 26 for octave 10).
inline constexpr int kOctavePitch = 49;
inline constexpr int kKeyWhiteWidth = 7;
inline constexpr int kKeyboardPictureWidth = 10 * kOctavePitch + 5 * kKeyWhiteWidth + 1;
inline constexpr int kKeyboardPictureHeight = 22;
inline constexpr int kKeyboardBlackWidth = 5;
inline constexpr int kKeyboardBlackHeight = 13;
// Where the key selector's arrow points for each key of an octave, lowest first.
inline constexpr int kKeyArrowOffset[12] = {4, 8, 11, 15, 20, 25, 29, 32, 36, 39, 43, 48};
// Left edge of each black key of an octave (-1 for white keys), centred on the arrow offsets.
inline constexpr int kKeyBlackLeft[12] = {-1, 6, -1, 13, -1, -1, 27, -1, 34, -1, 41, -1};
inline constexpr int kKeyArrowWidth = 7;
inline constexpr int kKeyArrowHeight = 6;

// Zone slope bars of the key and velocity zone page: the bar at (8, 3) spans the 128 notes over
// the keyboard picture's width.
inline constexpr int kZoneBarX = 8;
inline constexpr int kZoneBarY = 3;
inline constexpr int kZoneBarWidth = 523;
inline constexpr int kZoneBarHeight = 4;
inline constexpr int kZoneSlopeBackWidth = kZoneBarX + kZoneBarWidth + 8;
inline constexpr int kZoneSlopeBackHeight = 9;

// Activity lamps: "MidiIndicatorNumNN" (13 wide) and "MidiIndicatorNumNNSw" (26 wide), six faces
// each: five brightness levels, then the disabled face.
inline constexpr int kLampWidth = 13;
inline constexpr int kLampWideWidth = 26;
inline constexpr int kLampHeight = 11;
inline constexpr int kLampFaces = 6;

// Scroll-bar end switches: four faces (decrement, pressed, increment, pressed) of a square.
inline constexpr int kScrollButtonSize = 14;

// Wheels ("ControllerWheel") at (91, 539) and (112, 539).
inline constexpr int kWheelWidth = 18;
inline constexpr int kWheelHeight = 56;
inline constexpr int kWheelFrames = 32;

// The on-screen keyboard ("ControllerKeyboard"): 88 keys from note 21 (A0), 52 white keys of 13
// pixels, at (131, 529). The picture has 8 rows, one per region state.
//
// Regions are the 52 white-key columns. A region's state has bit 0 for its white key and two more
// bits for the black keys that reach into it: black keys, counted from the lowest, alternate bits
// 1 and 2, so the two black keys touching one white key never share a bit. A black key names both
// regions it overlaps with the same bit, as the keyboard control requires.
inline constexpr int kCtlKeyboardX = 131;
inline constexpr int kCtlKeyboardY = 529;
inline constexpr int kCtlKeyCount = 88;
inline constexpr int kCtlLowestNote = 21;
inline constexpr int kCtlWhiteKeys = 52;
inline constexpr int kCtlWhiteWidth = 13;
inline constexpr int kCtlKeyboardWidth = kCtlWhiteKeys * kCtlWhiteWidth;
inline constexpr int kCtlKeyboardHeight = 64;
inline constexpr int kCtlBlackWidth = 8;
inline constexpr int kCtlBlackHeight = 40;
inline constexpr int kCtlKeyboardRows = 8;

constexpr bool IsBlackNote(int note) {
    const int n = note % 12;
    return n == 1 || n == 3 || n == 6 || n == 8 || n == 10;
}
// White-key index of a white note of the keyboard, or of the white key left of a black one.
constexpr int CtlWhiteIndex(int key) {
    int white = -1;
    for (int k = 0; k <= key; ++k) {
        if (!IsBlackNote(kCtlLowestNote + k)) ++white;
    }
    return white;
}
// Index among the black keys (0 for the lowest), or -1 for a white key.
constexpr int CtlBlackIndex(int key) {
    if (!IsBlackNote(kCtlLowestNote + key)) return -1;
    int black = -1;
    for (int k = 0; k <= key; ++k) {
        if (IsBlackNote(kCtlLowestNote + k)) ++black;
    }
    return black;
}
// Region state bit of a key: 1 for white keys, 2 or 4 for black keys.
constexpr int CtlKeyBits(int key) {
    const int black = CtlBlackIndex(key);
    return black < 0 ? 1 : (black % 2 == 0 ? 2 : 4);
}
struct KeyRegions {
    int first, second, bits;
};
// The key table row: the regions a key covers and its state bits.
constexpr KeyRegions CtlKeyRegions(int key) {
    const int white = CtlWhiteIndex(key);
    if (CtlBlackIndex(key) < 0) return {white, -1, 1};
    return {white, white + 1, CtlKeyBits(key)};
}
constexpr Rect CtlRegionRect(int region) {
    return {region * kCtlWhiteWidth, 0, kCtlWhiteWidth, kCtlKeyboardHeight};
}
constexpr Rect CtlBlackKeyRect(int key) {
    const int boundary = (CtlWhiteIndex(key) + 1) * kCtlWhiteWidth;
    return {boundary - kCtlBlackWidth / 2, 0, kCtlBlackWidth, kCtlBlackHeight};
}
// The key under a pixel of the keyboard (0-based from the lowest key), or 255 for none.
constexpr int CtlKeyAt(int x, int y) {
    if (x < 0 || y < 0 || x >= kCtlKeyboardWidth || y >= kCtlKeyboardHeight) return 255;
    if (y < kCtlBlackHeight) {
        for (int key = 0; key < kCtlKeyCount; ++key) {
            if (CtlBlackIndex(key) < 0) continue;
            const Rect r = CtlBlackKeyRect(key);
            if (x >= r.x && x < r.x + r.w) return key;
        }
    }
    const int white = x / kCtlWhiteWidth;
    for (int key = 0; key < kCtlKeyCount; ++key) {
        if (CtlBlackIndex(key) < 0 && CtlWhiteIndex(key) == white) return key;
    }
    return 255;
}

// Overview boxes of the program play page (x 244 to 816, y 343 to 527).
inline constexpr int kOverviewBasicWidth = 134;
inline constexpr int kOverviewBasicHeight = 42;
inline constexpr int kOverviewEgWidth = 112;
inline constexpr int kOverviewEgHeight = 88;
// The six OSC and LFO rows (a line of text below a 5-pixel top) stacked from y 343, and under them
// a row of the four filter and amplifier boxes down to y 527, each holding a mini graph at (3, 30)
// whose control reaches 2 pixels left of and above the graph and 4 right of and below it.
inline constexpr int kOverviewOscWidth = 276;
inline constexpr int kOverviewOscHeight = 16;
inline constexpr int kOverviewFgWidth = 92;
inline constexpr int kOverviewFgHeight = 89;
inline constexpr int kOverviewFxWidth = 140;
inline constexpr int kOverviewMasterFxHeight = 50;
inline constexpr int kOverviewMasterEqWidth = 51;
inline constexpr int kOverviewMasterEqHeight = 76;

// Columns of the combination and multi pages: eight containers of this width from x 4.
inline constexpr int kColumnWidth = 71;

}  // namespace ArtGeometry
