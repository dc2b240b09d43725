// The envelope graph on plain synthetic art: point geometry, drags (fine, accelerated by the stepped
// clock), the end of a drag, the arrow keys of the focused point, the zone towards its baseline, and
// the records it refuses.
#include <gtest/gtest.h>

#include <utility>

#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "GraphTestSupport.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace GraphTest;
using G = HfcGesture;

namespace {

constexpr uint32_t kBack = 0xFF101030;
constexpr uint32_t kLine = 0xFFFFFF00;
constexpr uint32_t kZone = 0xFF00C000;
constexpr uint32_t kFill = 0xFFFF0000;
constexpr uint32_t kFrame = 0xFF0000FF;
// The graph's origin in the layer.
constexpr int kX = 10, kY = 20;

class EnvelopeGraphTest : public ControlFixture<CXBCtrlEnvelopeGraph, tagXBCtrlEnvelopeGraphParam> {
protected:
    EnvelopeGraphTest() {
        Solid(&back, 212, 109, kBack);
        param.x = kX;
        param.y = kY;
        param.width = 206;
        param.height = 103;
        param.back = &back;
        param.backX = 2;
        param.backY = 2;
        param.pointCount = 6;
        param.markSize = 11;
        param.minimum = 0;
        param.maximum = 198;
        param.lineColour = kLine;
        param.zoneColour = kZone;
        param.pointFillColour = kFill;
        param.pointFrameColour = kFrame;
        param.scale = 10.0f;
        param.zoneBaseline = 1;
        param.handleFlags = flags;
    }
    void SetPoint(int i, int level, int time) {
        const tagEnvelopeValue v{i, level, time};
        graph.SetEnvelopeValue(&v, true);
    }

    CHfcBmp back;
    unsigned char flags[6] = {1, 1, 1, 1, 0, 1};
    CXBCtrlEnvelopeGraph& graph = control;
};

TEST_F(EnvelopeGraphTest, RefusesRecordsItCannotPlace) {
    struct Case {
        const char* what;
        void (*change)(tagXBCtrlEnvelopeGraphParam&);
    };
    const Case cases[] = {
        {"width 0", [](tagXBCtrlEnvelopeGraphParam& p) { p.width = 0; }},
        {"height 0", [](tagXBCtrlEnvelopeGraphParam& p) { p.height = -3; }},
        {"one point", [](tagXBCtrlEnvelopeGraphParam& p) { p.pointCount = 1; }},
        {"maximum 0", [](tagXBCtrlEnvelopeGraphParam& p) { p.maximum = 0; }},
        {"maximum below the minimum", [](tagXBCtrlEnvelopeGraphParam& p) { p.minimum = 50, p.maximum = 20; }},
        {"negative range", [](tagXBCtrlEnvelopeGraphParam& p) { p.minimum = -20, p.maximum = -10; }},
        {"handles wider than the graph", [](tagXBCtrlEnvelopeGraphParam& p) { p.markSize = 206; }},
        {"handles taller than the graph", [](tagXBCtrlEnvelopeGraphParam& p) { p.markSize = 103; }},
    };
    CXBCtrlEnvelopeGraph g;
    EXPECT_FALSE(g.Create(nullptr, 1, 0));
    for (const Case& c : cases) {
        tagXBCtrlEnvelopeGraphParam p = param;
        c.change(p);
        EXPECT_FALSE(g.Create(&p, 1, 0)) << c.what;
        EXPECT_FALSE(g.IsCreated()) << c.what;
    }
    ASSERT_TRUE(g.Create(&param, 1, 3));
    // Two pixels more on the left and top, four on the right and bottom.
    EXPECT_EQ(g.GetRect().left, kX - 2);
    EXPECT_EQ(g.GetRect().top, kY - 2);
    EXPECT_EQ(g.GetRect().right, kX + 206 + 4);
    EXPECT_EQ(g.GetRect().bottom, kY + 103 + 4);
    EXPECT_EQ(g.GetUserValue(), 3);
    EXPECT_EQ(g.GetMaxIntValue(), 198);
    EXPECT_TRUE(g.IsVisible() && g.IsEnabled() && g.IsDirty());
}

// Width 206, mark size 11: W = 39, H = 92. A time of the maximum moves a point 39 pixels right of
// its predecessor, 0 leaves it there; level 0 sits s / 2 above the bottom of the usable height and
// the maximum s / 2 below the top. Checked as the handle colour at each computed centre.
TEST_F(EnvelopeGraphTest, PointGeometry) {
    Make();
    EXPECT_EQ(graph.GetTimeShare(), 39);
    struct Row {
        int level, time;
        int x, y;  // graph coordinates
    };
    const Row rows[6] = {
        {0, 50, 5, 97},      // point 0: x = s / 2 whatever its time
        {198, 198, 44, 5},   // + 39
        {99, 0, 44, 51},     // + 0
        {150, 99, 63, 28},   // + 39 x 99 / 198 = 19; 97 - 92 x 150 / 198 = 97 - 69
        {300, 400, 102, 5},  // out of range: placed at the maximum
        {-20, -5, 102, 97},  // below 0: placed at 0
    };
    for (int i = 0; i < 6; ++i) SetPoint(i, rows[i].level, rows[i].time);
    CHfcBmp* bmp = Render();
    for (int i = 0; i < 6; ++i) {
        const tagHfcPoint p = graph.GetPointPosition(i);
        EXPECT_EQ(p.x, rows[i].x) << "point " << i;
        EXPECT_EQ(p.y, rows[i].y) << "point " << i;
        // Point 4 has no handle: a 5 x 5 square of the fill colour; the others an 11 x 11 handle
        // framed in the frame colour.
        const int cx = kX + rows[i].x, cy = kY + rows[i].y;
        EXPECT_EQ(Hex(bmp->GetPixel(cx, cy)), Hex(kFill)) << "point " << i;
        if (i != 4) {
            EXPECT_EQ(Hex(bmp->GetPixel(cx - 5, cy)), Hex(kFrame)) << "point " << i;
            EXPECT_EQ(Hex(bmp->GetPixel(cx + 5, cy + 3)), Hex(kFrame)) << "point " << i;
        }
    }
    // The values keep what was set; only the drawing is held inside the graph.
    tagEnvelopeValue v{};
    ASSERT_TRUE(graph.GetEnvelopeValue(&v, 4));
    EXPECT_EQ(v.level, 300);
    EXPECT_EQ(v.time, 400);
    EXPECT_FALSE(graph.GetEnvelopeValue(&v, 6));
    EXPECT_FALSE(graph.GetEnvelopeValue(&v, -1));
    // Bad indices are ignored.
    const tagEnvelopeValue bad{6, 1, 1};
    graph.SetEnvelopeValue(&bad, true);
    graph.SetEnvelopeValue(-1, &bad, true);
    tagEnvelopeValue all[6];
    graph.GetEnvelopeAllValue(all);
    EXPECT_EQ(all[5].level, -20);
    EXPECT_EQ(all[5].index, 5);
}

// Presses hit a handle strictly inside the square of side s + 6 around it; where two overlap the
// higher index wins; a point without a handle is not hit, and a press off every handle starts nothing.
TEST_F(EnvelopeGraphTest, HitTest) {
    Make();
    SetPoint(1, 99, 0);  // point 1 on top of point 0's column
    SetPoint(0, 99, 0);
    SetPoint(2, 99, 198);
    SetPoint(4, 30, 198);  // no handle
    const tagHfcPoint c0 = Centre(0), c2 = Centre(2), c4 = Centre(4);
    struct Probe {
        int x, y, hit;
    };
    const Probe probes[] = {
        {c0.x, c0.y, 1},  // points 0 and 1 share the spot: the higher index
        {c2.x, c2.y, 2},      {c2.x - 7, c2.y, 2}, {c2.x + 8, c2.y, 2},  {c2.x - 8, c2.y, -2},
        {c2.x + 9, c2.y, -2}, {c2.x, c2.y - 7, 2}, {c2.x, c2.y + 9, -2}, {c4.x, c4.y, -2},
    };
    for (const Probe& p : probes) {
        const tagHfcPoint at{p.x, p.y};
        EXPECT_EQ(graph.GetPointNumberFromPosition(&at), p.hit) << p.x << "," << p.y;
    }
    EXPECT_FALSE(driver.Step(&graph, {G::Down, c4.x, c4.y, 0}));
    EXPECT_FALSE(driver.Captured(&graph));
    EXPECT_EQ(graph.GetActivePoint(), -2);
    EXPECT_TRUE(recorder.Take().empty());
}

// A drag of point 2 (level 99, time 100; scale 10, range 0..198, W 39, H 92). The press reports the
// point, then each move reports the point the pointer asks for: Shift moves 0.05 units a pixel in
// both directions without acceleration; otherwise one pixel is 199 / 39 units of time and 199 / 92 of
// level, scaled by half the delta ratio of the clock (50 / ms after 100 ms, 1/32 after 1.6 s).
TEST_F(EnvelopeGraphTest, DragTable) {
    Make();
    SetPoint(2, 99, 100);
    const tagHfcPoint c = Centre(2);
    const std::vector<DragStep> steps = {
        {G::Down, c.x, c.y, 0, 0, {"begin", Recorder::Env(2, 99, 100)}},
        // Shift: time accumulator 1005 + 5 = 1010 -> 101; the level first differs from the press's
        // inverted record, so it reports.
        {G::Move, c.x + 10, c.y, 1, 0, {Recorder::Env(2, 99, 101)}},
        {G::Move, c.x + 20, c.y + 10, 1, 0, {Recorder::Env(2, 98, 101)}},
        {G::Move, c.x + 20, c.y + 12, 1, 0, {}},  // level accumulator 1051: still 105 -> 98
        // No Shift, within 100 ms: one pixel = 51.03 accumulated time.
        {G::Move, c.x + 21, c.y + 12, 0, 50, {Recorder::Env(2, 98, 106)}},
        // 200 ms later: ratio 0.25, halved: 8 pixels move as one.
        {G::Move, c.x + 29, c.y + 12, 0, 200, {Recorder::Env(2, 98, 111)}},
        // 2 s later: 1/32, halved: 64 pixels move as one.
        {G::Move, c.x + 93, c.y + 12, 0, 2000, {Recorder::Env(2, 98, 116)}},
        // Upwards, fast: one pixel is 21.6 accumulated level units (1051 -> 1029.4): 3 levels up.
        {G::Move, c.x + 93, c.y + 11, 0, 10, {Recorder::Env(2, 101, 116)}},
        // Far beyond the range: clamped to the maximum time and level 0.
        {G::Move, c.x + 2000, c.y + 2000, 0, 0, {Recorder::Env(2, 0, 198)}},
        {G::Move, c.x + 3000, c.y + 3000, 0, 0, {}},
        // The release ends the capture: the last value asked for is reported once more (the point
        // itself was not set back here).
        {G::Up, c.x, c.y, 0, 0, {Recorder::Env(2, 0, 198), "end"}},
        // A move without the capture is the listener's hover.
        {G::Move, 40, 50, 0, 0, {"move 40,50"}},
    };
    RunSteps(driver, &graph, recorder, steps);
    EXPECT_FALSE(driver.Captured(&graph));
    EXPECT_EQ(graph.GetActivePoint(), -2);
}

// With the page setting each report back, the end of the drag repeats the last value.
TEST_F(EnvelopeGraphTest, EchoedDragEndsOnTheLastValue) {
    Make();
    recorder.echo = true;
    SetPoint(1, 40, 60);
    const tagHfcPoint c = Centre(1);
    driver.Step(&graph, {G::Down, c.x, c.y, 0});
    driver.Step(&graph, {G::Move, c.x + 40, c.y + 40, 1});
    recorder.Take();
    driver.Step(&graph, {G::Up, c.x, c.y, 0});
    EXPECT_EQ(recorder.Take(), (std::vector<std::string>{Recorder::Env(1, 38, 62), "end"}));
}

// The listener may take the press over; Command asks it for a default value.
TEST_F(EnvelopeGraphTest, PressOfferAndDefault) {
    Make();
    const tagHfcPoint c = Centre(0);
    recorder.takeMouse = true;
    EXPECT_TRUE(driver.Step(&graph, {G::Down, c.x, c.y, 0}));
    EXPECT_TRUE(recorder.Take().empty());
    EXPECT_FALSE(driver.Captured(&graph));
    recorder.takeMouse = false;
    recorder.hasDefault = true;
    recorder.defaultValue = 42;
    driver.Step(&graph, {G::Down, 200, 5, 2});
    EXPECT_EQ(recorder.Take(), (std::vector<std::string>{"default?"}));
    EXPECT_EQ(graph.GetIntValue(), 42);
    EXPECT_FALSE(driver.Captured(&graph));
}

// Arrow keys step the point set by SetActivePoint (left and right by 2 - key time adjust, up and
// down by one level), clamped to the range; not without a focused point nor during a drag.
TEST_F(EnvelopeGraphTest, ArrowKeys) {
    Make();
    recorder.echo = true;
    SetPoint(3, 197, 1);
    EXPECT_FALSE(driver.Step(&graph, {G::Key, CXBCtrlGraph::kKeyLeft, 0, 0}));
    EXPECT_TRUE(recorder.Take().empty());
    graph.SetActivePoint(3, false);
    EXPECT_EQ(recorder.Take(), (std::vector<std::string>{"lost capture"}));
    struct Key {
        int code;
        bool handled;
        std::vector<std::string> reports;
    };
    const Key keys[] = {
        {CXBCtrlGraph::kKeyRight, true, {Recorder::Env(3, 197, 3)}},
        {CXBCtrlGraph::kKeyLeft, true, {Recorder::Env(3, 197, 1)}},
        {CXBCtrlGraph::kKeyLeft, true, {Recorder::Env(3, 197, 0)}},  // clamped at 0
        {CXBCtrlGraph::kKeyLeft, true, {}},                          // no change, no report
        {CXBCtrlGraph::kKeyUp, true, {Recorder::Env(3, 198, 0)}},
        {CXBCtrlGraph::kKeyUp, true, {}},
        {CXBCtrlGraph::kKeyDown, true, {Recorder::Env(3, 197, 0)}},
        {'a', false, {}},
    };
    for (const Key& k : keys) {
        EXPECT_EQ(driver.Step(&graph, {G::Key, k.code, 0, 0}), k.handled) << k.code;
        EXPECT_EQ(recorder.Take(), k.reports) << k.code;
    }
    // A key time adjust of 1 steps the time by one.
    param.keyTimeAdjust = 1;
    CXBCtrlEnvelopeGraph g;
    ASSERT_TRUE(g.Create(&param, 1, 0));
    g.SetListener(&recorder);
    const tagEnvelopeValue v{1, 50, 50};
    g.SetEnvelopeValue(&v, true);
    g.SetActivePoint(1, false);
    recorder.Take();
    driver.Step(&g, {G::Key, CXBCtrlGraph::kKeyRight, 0, 0});
    driver.Step(&g, {G::Key, CXBCtrlGraph::kKeyLeft, 0, 0});
    EXPECT_EQ(recorder.Take(),
              (std::vector<std::string>{Recorder::Env(1, 50, 51), Recorder::Env(1, 50, 50)}));
    // During a drag the keys are not the graph's; the press clears the focused point.
    const tagHfcPoint c = Centre(3);
    driver.Step(&graph, {G::Down, c.x, c.y, 0});
    recorder.Take();
    EXPECT_FALSE(driver.Step(&graph, {G::Key, CXBCtrlGraph::kKeyUp, 0, 0}));
    driver.Step(&graph, {G::Up, c.x, c.y, 0});
    recorder.Take();
    EXPECT_FALSE(driver.Step(&graph, {G::Key, CXBCtrlGraph::kKeyUp, 0, 0}));
    EXPECT_EQ(graph.GetFocusedPoint(), -2);
    // SetActivePoint ignores indices it has no point for.
    graph.SetActivePoint(6, false);
    graph.SetActivePoint(-2, false);
    EXPECT_EQ(graph.GetFocusedPoint(), -2);
    EXPECT_TRUE(recorder.Take().empty());
}

// The zone fills one-pixel columns from the curve towards its baseline: the bottom (0), the middle
// (1) or the top (any other). Every point at level 150 puts the curve at graph y 28; at level 30 at
// graph y 84.
TEST_F(EnvelopeGraphTest, ZoneBaselines) {
    struct Case {
        int baseline, level;
        int zoneRows[2];  // graph rows expected in the zone colour
        int backRows[2];  // and in the back colour
    };
    const Case cases[] = {
        {0, 150, {40, 101}, {20, 26}}, {1, 150, {30, 50}, {20, 60}}, {1, 30, {60, 83}, {40, 90}},
        {2, 150, {0, 26}, {30, 60}},   {7, 30, {10, 80}, {88, 100}},
    };
    for (const Case& c : cases) {
        param.zoneBaseline = c.baseline;
        CXBCtrlEnvelopeGraph g;
        ASSERT_TRUE(g.Create(&param, 1, 0));
        for (int i = 0; i < 6; ++i) {
            const tagEnvelopeValue v{i, c.level, 99};
            g.SetEnvelopeValue(&v, false);
        }
        CHfcOffscreenContext context(240, 140);
        g.Draw(&context);
        // A column between points 2 and 3 and one right of the last point.
        for (const int column : {kX + 70, kX + 180}) {
            for (const int row : c.zoneRows)
                EXPECT_EQ(Hex(context.GetBmp()->GetPixel(column, kY + row)), Hex(kZone))
                    << "baseline " << c.baseline << " column " << column << " row " << row;
            for (const int row : c.backRows)
                EXPECT_EQ(Hex(context.GetBmp()->GetPixel(column, kY + row)), Hex(kBack))
                    << "baseline " << c.baseline << " column " << column << " row " << row;
        }
    }
}

// Lines, zone and handles fade by the disabled alpha; the value range marks the active point's
// time span; the focus brackets sit 6 pixels around the focused point.
TEST_F(EnvelopeGraphTest, DisabledRangeAndFocus) {
    param.zoneBaseline = 0;
    Make();
    for (int i = 0; i < 6; ++i) SetPoint(i, 99, 198);
    graph.SetDisabledAlpha(0.4f);
    graph.Disable(true);
    CHfcBmp* bmp = Render();
    // At 40 %: the zone's green over the back (0x10, 0x10, 0x30), and the handle's red above the curve.
    const uint32_t zone = bmp->GetPixel(kX + 60, kY + 80);
    EXPECT_TRUE(Near(zone, 0xFF0A561D, 3)) << Hex(zone);
    const uint32_t fill =
        bmp->GetPixel(kX + graph.GetPointPosition(1).x, kY + graph.GetPointPosition(1).y - 3);
    EXPECT_TRUE(Near(fill, 0xFF700A1D, 3)) << Hex(fill);

    graph.Enable(true);
    graph.SetActivePoint(2, false);
    bmp = Render();
    // The range of point 2: from point 1's x - s / 2, s + W wide, from graph y - 1 for H + 11 rows;
    // a 0x25 grey over the back above the curve.
    const int from = kX + graph.GetPointPosition(1).x - 5;
    const uint32_t inside = bmp->GetPixel(from + 1, kY + 10);
    EXPECT_NE(Hex(inside), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(from - 1, kY + 10)), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(from + 11 + 39, kY + 10)), Hex(kBack));
    EXPECT_NE(Hex(bmp->GetPixel(from + 11 + 38, kY + 10)), Hex(kBack));

    graph.SetFocusColor(0xFF00FFFF);
    graph.DrawFocus(surface.get());
    const tagHfcPoint p = graph.GetPointPosition(2);
    EXPECT_EQ(Hex(bmp->GetPixel(kX + p.x - 5, kY + p.y - 6)), Hex(0xFF00FFFF));
    EXPECT_EQ(Hex(bmp->GetPixel(kX + p.x + 6, kY + p.y + 5)), Hex(0xFF00FFFF));
}

// The back image covers the whole control, the four pixels right of and below the graph too (no
// strip left cleared); Erase puts it back over everything.
TEST_F(EnvelopeGraphTest, BackCoversTheControl) {
    Make();
    CHfcBmp* bmp = Render();
    const tagHfcRect& r = graph.GetRect();
    for (const auto& corner :
         {std::pair{r.left, r.top}, std::pair{r.right - 1, r.top}, std::pair{r.left, r.bottom - 1},
          std::pair{r.right - 1, r.bottom - 1}, std::pair{r.right - 2, r.bottom - 2}})
        EXPECT_EQ(Hex(bmp->GetPixel(corner.first, corner.second)), Hex(kBack))
            << corner.first << "," << corner.second;
    const tagHfcPoint p = graph.GetPointPosition(0);
    EXPECT_EQ(Hex(bmp->GetPixel(kX + p.x, kY + p.y)), Hex(kFill));
    graph.Erase(surface.get());
    EXPECT_EQ(Hex(bmp->GetPixel(kX + p.x, kY + p.y)), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(r.right - 1, r.bottom - 1)), Hex(kBack));
}

}  // namespace
