// The zone slope bar on plain synthetic art: which end a press grabs, unclamped drag reports (fine
// and accelerated by the stepped clock), hover and double clicks, the parameter kinds, and the zone,
// slopes and needles in pixel columns.
#include <gtest/gtest.h>

#include "Common/Controls/QorZoneSlopeBar.h"
#include "GraphTestSupport.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace GraphTest;
using G = HfcGesture;

namespace {

constexpr uint32_t kBack = 0xFF202020;
constexpr uint32_t kZoneColour = 0xFF00A0FF;
constexpr uint32_t kSlopeColour = 0xFFFFA000;
constexpr uint32_t kInZone = 0xFF0000FF;
constexpr uint32_t kOutside = 0xFFFF0000;
constexpr int kLeft = 5, kTop = 10, kBarX = 8, kBarY = 3;

class ZoneSlopeBarTest : public ControlFixture<QorZoneSlopeBar, tagJxCtrlZoneSlopeBarParam> {
protected:
    ZoneSlopeBarTest() {
        Solid(&back, 280, 12, kBack);
        Solid(&zone, 256, 4, kZoneColour);
        Solid(&slope, 256, 4, kSlopeColour);
        param.x = kLeft;
        param.y = kTop;
        param.back = &back;
        param.barX = kBarX;
        param.barY = kBarY;
        param.zoneImage = &zone;
        param.slopeImage = &slope;
        param.needleColourInZone = kInZone;
        param.needleColourOutside = kOutside;
        param.minimum = 0;
        param.maximum = 127;
        param.scale = 10.0f;
    }
    void Ends(int zoneMin, int zoneMax, int slopeMin, int slopeMax) {
        bar.SetParamZoneMin(zoneMin, true);
        bar.SetParamZoneMax(zoneMax, true);
        bar.SetParamSlopeMin(slopeMin, true);
        bar.SetParamSlopeMax(slopeMax, true);
    }
    // The pixel of bar column c, in the middle row of the bar.
    uint32_t BarPixel(CHfcBmp* bmp, int c) { return bmp->GetPixel(kLeft + kBarX + c, kTop + kBarY + 1); }

    CHfcBmp back, zone, slope;
    QorZoneSlopeBar& bar = control;
};

TEST_F(ZoneSlopeBarTest, CreationAndGeometry) {
    QorZoneSlopeBar b;
    EXPECT_FALSE(b.Create(nullptr, 1, 0));
    struct Case {
        const char* what;
        void (*change)(tagJxCtrlZoneSlopeBarParam&);
    };
    const Case cases[] = {
        {"no back image", [](tagJxCtrlZoneSlopeBarParam& p) { p.back = nullptr; }},
        {"no zone image", [](tagJxCtrlZoneSlopeBarParam& p) { p.zoneImage = nullptr; }},
        {"maximum below the minimum", [](tagJxCtrlZoneSlopeBarParam& p) { p.minimum = 10, p.maximum = 9; }},
        {"a bar without width", [](tagJxCtrlZoneSlopeBarParam& p) { p.barWidth = -4; }},
        {"more values than needles", [](tagJxCtrlZoneSlopeBarParam& p) { p.minimum = -2000000000; }},
    };
    for (const Case& c : cases) {
        tagJxCtrlZoneSlopeBarParam p = param;
        c.change(p);
        EXPECT_FALSE(b.Create(&p, 1, 0)) << c.what;
    }
    Make();
    // Sizes from the images; ends at the range's ends; u = 256 / 128 = 2.
    EXPECT_EQ(bar.GetRect().right - bar.GetRect().left, 280);
    EXPECT_EQ(bar.GetRect().bottom - bar.GetRect().top, 12);
    EXPECT_EQ(bar.GetBarWidth(), 256);
    EXPECT_EQ(bar.GetBarHeight(), 4);
    EXPECT_EQ(bar.GetUserValue(), 0);
    EXPECT_EQ(bar.GetNumValues(), 128);
    EXPECT_FLOAT_EQ(bar.UnitWidth(), 2.0f);
    EXPECT_EQ(bar.GetZoneMin(), 0);
    EXPECT_EQ(bar.GetSlopeMax(), 127);
    const int values[][2] = {{kBarX, 0},         {kBarX + 1, 0},  {kBarX + 2, 1},
                             {kBarX + 255, 127}, {kBarX - 10, 0}, {kBarX + 1000, 127}};
    for (const auto& v : values) EXPECT_EQ(bar.GetValueOnTheBar(v[0]), v[1]) << v[0];
    const int areas[][3] = {{kBarX, kBarY - 2, 1},   {kBarX - 1, kBarY, 0},     {kBarX + 255, kBarY, 1},
                            {kBarX + 256, kBarY, 0}, {kBarX, kBarY + 4 + 3, 1}, {kBarX, kBarY + 4 + 4, 0},
                            {kBarX, kBarY - 3, 0}};
    for (const auto& a : areas) EXPECT_EQ(bar.IsBarArea(a[0], a[1]), a[2] != 0) << a[0] << "," << a[1];
}

// On a 256-pixel bar over 0..127 (two pixels a value), a press grabs the first end whose pixel lies
// strictly within 4 pixels of it, in the order zone max, zone min, slope max, slope min; else the
// zone end of the half pressed. The end jumps to the value pressed at once.
TEST_F(ZoneSlopeBarTest, GrabRules) {
    Make();
    struct Case {
        const char* what;
        int ends[4];
        int d;  // press, pixels from the bar's left
        std::string report;
        int mode;
    };
    const Case cases[] = {
        {"zone max first, zone min as close", {40, 43, 0, 127}, 83, Recorder::Zone(1, 41), 2},
        {"middle, lower half", {20, 100, 0, 127}, 100, Recorder::Zone(0, 50), 1},
        {"middle, upper half", {20, 100, 0, 127}, 150, Recorder::Zone(1, 75), 2},
        {"slope min", {20, 100, 0, 127}, 2, Recorder::Zone(2, 1), 3},
        {"slope max", {20, 100, 0, 127}, 252, Recorder::Zone(3, 126), 4},
        {"4 pixels is not within", {20, 100, 10, 110}, 24, Recorder::Zone(0, 12), 1},
        {"3 pixels is", {20, 100, 10, 110}, 23, Recorder::Zone(2, 11), 3},
        {"zone max before slope max", {20, 110, 10, 110}, 221, Recorder::Zone(1, 110), 2},
    };
    for (const Case& c : cases) {
        Ends(c.ends[0], c.ends[1], c.ends[2], c.ends[3]);
        EXPECT_TRUE(driver.Step(&bar, {G::Down, kBarX + c.d, kBarY + 1, 0})) << c.what;
        EXPECT_EQ(recorder.Take(), std::vector<std::string>{c.report}) << c.what;
        EXPECT_EQ(bar.GetDragMode(), c.mode) << c.what;
        EXPECT_TRUE(driver.Captured(&bar)) << c.what;
        driver.Step(&bar, {G::Up, kBarX + c.d, kBarY + 1, 0});
        EXPECT_EQ(bar.GetDragMode(), QorZoneSlopeBar::kDragNone) << c.what;
        // The bar changes nothing itself: the page sets the ends back.
        EXPECT_EQ(bar.GetZoneMin(), c.ends[0]) << c.what;
    }
    // Off the bar, or disabled, a press is not the bar's.
    EXPECT_FALSE(driver.Step(&bar, {G::Down, kBarX + 50, kBarY - 3, 0}));
    EXPECT_FALSE(driver.Step(&bar, {G::Down, kBarX - 1, kBarY, 0}));
    bar.Disable(false);
    EXPECT_FALSE(driver.Step(&bar, {G::Down, kBarX + 50, kBarY, 0}));
    EXPECT_TRUE(recorder.Take().empty());
    bar.Enable(false);
    // The listener may take the press over.
    recorder.takeMouse = true;
    EXPECT_TRUE(driver.Step(&bar, {G::Down, kBarX + 50, kBarY, 0}));
    EXPECT_FALSE(driver.Captured(&bar));
    EXPECT_TRUE(recorder.Take().empty());
}

// Drag reports follow the pointer unclamped (the page clamps and orders the ends): without Shift a
// pixel is 128 x 10 / 256 = 5 accumulated units (half a value), scaled by the clock's delta ratio;
// Shift moves a tenth of a value a pixel.
TEST_F(ZoneSlopeBarTest, DragTable) {
    Make();
    Ends(20, 100, 0, 127);
    const int x = kBarX + 200, y = kBarY + 1;
    const std::vector<DragStep> steps = {
        {G::Down, x, y, 0, 0, {Recorder::Zone(1, 100)}},
        {G::Move, x, y + 5, 0, 0, {}},  // no horizontal move
        {G::Move, x + 100, y, 0, 0, {Recorder::Zone(1, 150)}},
        {G::Move, x - 300, y, 0, 0, {Recorder::Zone(1, -49)}},
        {G::Move, x - 290, y, 1, 0, {Recorder::Zone(1, -48)}},
        {G::Move, x - 289, y, 1, 0, {}},                          // a tenth of a value
        {G::Move, x - 249, y, 0, 400, {Recorder::Zone(1, -45)}},  // 200 units at 1/8
        {G::Move, x - 248, y, 0, 2000, {}},                       // 5 units at 1/32
        {G::Up, x, y, 0, 0, {}},
        {G::Move, 40, y, 0, 0, {"move 40," + std::to_string(y)}},
        {G::Move, 40, y + 20, 0, 0, {}},  // off the bar: no hover
        {G::Double, kBarX + 30, y, 0, 0, {"offer double"}},
    };
    RunSteps(driver, &bar, recorder, steps);
    // A double click off the bar acts as a press (which it is not the bar's either).
    EXPECT_FALSE(driver.Step(&bar, {G::Double, 2, 0, 0}));
}

TEST_F(ZoneSlopeBarTest, ParameterKinds) {
    Make();
    struct Case {
        int kind, value;
        int zone[2], slope[2];
    };
    const Case cases[] = {
        {QorZoneSlopeBar::kZoneMin, 200, {127, 127}, {0, 127}},  // clamped, not ordered
        {QorZoneSlopeBar::kZoneMax, -3, {127, 0}, {0, 127}},
        {QorZoneSlopeBar::kSlopeMin, 64, {127, 0}, {64, 127}},
        {QorZoneSlopeBar::kSlopeMax, 70, {127, 0}, {64, 70}},
        {9, 5, {127, 0}, {64, 70}},
    };
    for (const Case& c : cases) {
        const tagZoneSlopeBarValue record{c.kind, c.value};
        bar.SetPtrValue(const_cast<tagZoneSlopeBarValue*>(&record), true);
        EXPECT_EQ(bar.GetZoneMin(), c.zone[0]) << c.kind;
        EXPECT_EQ(bar.GetZoneMax(), c.zone[1]) << c.kind;
        EXPECT_EQ(bar.GetSlopeMin(), c.slope[0]) << c.kind;
        EXPECT_EQ(bar.GetSlopeMax(), c.slope[1]) << c.kind;
    }
    bar.SetParameter(QorZoneSlopeBar::kNeedleOn, 60, true);
    bar.SetParameter(QorZoneSlopeBar::kNeedleOff, 61, true);
    bar.SetParameter(QorZoneSlopeBar::kNeedleOn, 128, true);  // outside the range: ignored
    bar.SetParameter(QorZoneSlopeBar::kNeedleOn, -1, true);
    EXPECT_EQ(bar.GetNeedle(60), 1);
    EXPECT_EQ(bar.GetNeedle(61), -1);
    EXPECT_EQ(bar.GetNeedle(128), 0);
    bar.SetParameter(QorZoneSlopeBar::kClearAllNeedles, 0, true);
    EXPECT_EQ(bar.GetNeedle(60), 0);
    EXPECT_EQ(bar.GetNeedle(61), 0);
}

// Column probes on the bar's middle row (bar column c at 2 pixels a value).
TEST_F(ZoneSlopeBarTest, ZoneSlopesAndNeedles) {
    Make();
    // Zone 20..40: columns 40 to 2 x 40 + 2 - 40 = 82; no slopes (min above max).
    Ends(20, 40, 100, 10);
    CHfcBmp* bmp = Render();
    const std::pair<int, uint32_t> zoneOnly[] = {
        {39, kBack}, {40, kZoneColour}, {82, kZoneColour}, {83, kBack}};
    for (const auto& [c, colour] : zoneOnly) EXPECT_EQ(Hex(BarPixel(bmp, c)), Hex(colour)) << c;
    // The back image over the whole control.
    EXPECT_EQ(Hex(bmp->GetPixel(kLeft, kTop)), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(kLeft + 279, kTop + 11)), Hex(kBack));

    // No zone (min above max); slopes 10..30 at 70 % over the back.
    Ends(50, 20, 10, 30);
    bmp = Render();
    const uint32_t mixed = BarPixel(bmp, 30);
    EXPECT_TRUE(Near(mixed, 0xFFBC7A0A, 3)) << Hex(mixed);
    EXPECT_EQ(Hex(BarPixel(bmp, 19)), Hex(kBack));
    EXPECT_EQ(Hex(BarPixel(bmp, 100)), Hex(kBack));

    // Needles: one value wide in the zone's colour inside the zone, the other outside, with a half
    // transparent halo a value either side; -1 and values outside the range draw nothing.
    Ends(20, 40, 100, 10);
    bar.SetParamNeedleOn(60, true);
    bar.SetParamNeedleOn(30, true);
    bar.SetParamNeedleOff(80, true);
    bar.SetParamNeedleOn(500, true);
    bmp = Render();
    EXPECT_EQ(Hex(BarPixel(bmp, 120)), Hex(kOutside));
    EXPECT_EQ(Hex(BarPixel(bmp, 121)), Hex(kOutside));
    EXPECT_TRUE(Near(BarPixel(bmp, 118), 0xFF8F1010, 3)) << Hex(BarPixel(bmp, 118));
    EXPECT_TRUE(Near(BarPixel(bmp, 123), 0xFF8F1010, 3)) << Hex(BarPixel(bmp, 123));
    EXPECT_EQ(Hex(BarPixel(bmp, 124)), Hex(kBack));
    EXPECT_EQ(Hex(BarPixel(bmp, 60)), Hex(kInZone));
    EXPECT_EQ(Hex(BarPixel(bmp, 61)), Hex(kInZone));
    EXPECT_EQ(Hex(BarPixel(bmp, 160)), Hex(kBack));
    // Needles do not reach below or above the bar.
    EXPECT_EQ(Hex(bmp->GetPixel(kLeft + kBarX + 120, kTop + kBarY - 1)), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(kLeft + kBarX + 120, kTop + kBarY + 4)), Hex(kBack));
}

}  // namespace
