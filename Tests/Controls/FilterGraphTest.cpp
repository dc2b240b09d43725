// The filter graph: its coefficient and cutoff tables, the response of each filter kind against the
// closed forms, where the curve is drawn (checked on plain synthetic art and through a context that
// records the fills), the handles' hit order and drawing order, drags, keys and refused records.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>

#include "Common/Controls/FilterGraphTables.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "GraphTestSupport.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace GraphTest;
using G = HfcGesture;

namespace {

constexpr uint32_t kBack = 0xFF101030;
constexpr uint32_t kLine = 0xFFFFFF00;
constexpr uint32_t kFillColour = 0xFF00C000;
constexpr uint32_t kHandle = 0xFFFF0000;
constexpr uint32_t kFrame = 0xFF0000FF;
constexpr uint32_t kLabel0 = 0xFFFF00FF;
constexpr uint32_t kLabel1 = 0xFF00FFFF;
constexpr int kX = 10, kY = 20;
constexpr double kPi = 3.14159265358979323846;

class FilterGraphTest : public ControlFixture<CXBCtrlFilterGraph, tagXBCtrlFilterGraphParam> {
protected:
    FilterGraphTest() {
        Solid(&back, 161, 85, kBack);
        mark.Create(6, 14);
        for (int y = 0; y < 14; ++y)
            for (int x = 0; x < 6; ++x) mark.SetPixel(x, y, y < 7 ? kLabel0 : kLabel1);
        param.x = kX;
        param.y = kY;
        param.width = 155;
        param.height = 79;
        param.back = &back;
        param.backX = 2;
        param.backY = 2;
        param.filterType = 0;
        param.markSize = 11;
        param.minimum = 0;
        param.maximum = 198;
        param.lineColour = kLine;
        param.fillColour = kFillColour;
        param.pointFillColour = kHandle;
        param.pointFrameColour = kFrame;
        param.scale = 10.0f;
    }
    void Set(int i, int resonance, int cutoff) {
        const tagFilterValue v{i, resonance, cutoff};
        graph.SetFilterValue(&v, true);
    }

    CHfcBmp back, mark;
    CXBCtrlFilterGraph& graph = control;
};

TEST(FilterGraphTables, KnownRowsAndShape) {
    struct Row {
        int row;
        float c0, c1, c2;
    };
    const Row known[] = {{0, 0.998358f, 0.998358f, -0.000400f},  {20, 0.992712f, 0.992712f, -0.001832f},
                         {40, 0.967953f, 0.967953f, -0.008211f}, {60, 0.865181f, 0.865181f, -0.037687f},
                         {80, 0.535709f, 0.535709f, -0.194137f}, {87, 0.369728f, 0.369768f, -0.368102f},
                         {90, 0.298394f, 0.304656f, -0.486097f}, {95, 0.170315f, 0.218450f, -0.748233f},
                         {99, 0.056332f, 0.178479f, -0.954657f}};
    for (const Row& r : known) {
        EXPECT_FLOAT_EQ(FilterCoefTBLHighPassWave[r.row][0], r.c0) << r.row;
        EXPECT_FLOAT_EQ(FilterCoefTBLHighPassWave[r.row][1], r.c1) << r.row;
        EXPECT_FLOAT_EQ(FilterCoefTBLHighPassWave[r.row][2], r.c2) << r.row;
    }
    // Cutoffs that roughly double every ten rows (column 0 = e^(-2 pi f / 31250)).
    const double hz[] = {8.2, 17, 36, 77, 162, 342, 720, 1510, 3100};
    for (int i = 0; i < 9; ++i) {
        const double f = -std::log(FilterCoefTBLHighPassWave[i * 10][0]) * 31250.0 / (2.0 * kPi);
        EXPECT_NEAR(f / hz[i], 1.0, 0.03) << "row " << i * 10;
    }
    for (int row = 1; row < 100; ++row) {
        const float* a = FilterCoefTBLHighPassWave[row - 1];
        const float* b = FilterCoefTBLHighPassWave[row];
        EXPECT_LT(b[0], a[0]) << row;
        EXPECT_LT(b[1], a[1]) << row;
        EXPECT_LT(b[2], a[2]) << row;
        if (row < 87)
            EXPECT_EQ(b[1], b[0]) << row;
        else
            EXPECT_GT(b[1], b[0]) << row;
    }
    // The cutoff conversions: through the known entries, rising by 0 or 1, then four zeros.
    struct Table {
        const int32_t* values;
        std::vector<std::pair<int, int>> known;
    };
    const Table tables[] = {
        {CXBCtrlFilterGraph::sm_aiConvertCutoffRealWave,
         {{0, 6},
          {10, 15},
          {20, 24},
          {30, 33},
          {40, 42},
          {50, 51},
          {60, 60},
          {70, 69},
          {80, 78},
          {90, 87},
          {99, 95}}},
        {CXBCtrlFilterGraph::sm_aiConvertCutoffRoutingJumpWave,
         {{0, 3},
          {10, 11},
          {20, 17},
          {30, 23},
          {40, 28},
          {50, 34},
          {60, 39},
          {70, 44},
          {80, 50},
          {90, 55},
          {99, 60}}},
    };
    for (const Table& t : tables) {
        for (const auto& [at, row] : t.known) EXPECT_EQ(t.values[at], row) << at;
        for (int i = 1; i < 100; ++i) {
            const int rise = t.values[i] - t.values[i - 1];
            EXPECT_TRUE(rise == 0 || rise == 1) << i;
        }
        for (int i = 100; i < 104; ++i) EXPECT_EQ(t.values[i], 0);
    }
}

// Cutoff parameter 99 uses row 95 on a wide graph and row 60 on a narrow one; a cutoff outside
// 0..99 (the graph stores whatever it is given) takes the nearer end of the table.
TEST_F(FilterGraphTest, CutoffRows) {
    Make();
    tagXBCtrlFilterGraphParam narrow = param;
    narrow.width = 85;
    narrow.height = 55;
    CXBCtrlFilterGraph mini;
    ASSERT_TRUE(mini.Create(&narrow, 1, 0));
    const int cases[][3] = {{99, 95, 60}, {0, 6, 3}, {50, 51, 34}, {-7, 6, 3}, {150, 95, 60}, {103, 95, 60}};
    for (const auto& c : cases) {
        EXPECT_EQ(graph.ConvertCutoffValue(c[0]), c[1]) << c[0];
        EXPECT_EQ(mini.ConvertCutoffValue(c[0]), c[2]) << c[0];
    }
    // Drawn with a far too large cutoff, the graph uses the last row.
    Set(0, 99, 100000);
    Render();
}

// |H| of each kind against its closed form: with no resonance (below 99 graph units) column 0 and
// no feedback; from 99 units column 1 with feedback column 2 and amount k = min(r, 99) x 3.9 / 99.
TEST(FilterGraphResponse, ClosedForms) {
    using C = std::complex<double>;
    auto z = [](double hz) { return std::polar(1.0, -2.0 * kPi * hz / 31250.0); };
    // The four-pole low-pass written as (1 - c z)(1 - d z)^4 + k g z (z - c) below g (1 - c z).
    auto fourPole = [&](double d, double c, double k, double hz) {
        const C zz = z(hz);
        const double g = std::pow(1.0 - d, 4.0);
        const C h =
            g * (1.0 - c * zz) / ((1.0 - c * zz) * std::pow(1.0 - d * zz, 4.0) + k * g * zz * (zz - c));
        return 20.0 * std::log10(std::abs(h));
    };
    auto lowPass = [&](double d, double hz) {
        const double w = 2.0 * kPi * hz / 31250.0;
        return 20.0 * std::log10((1.0 - d) * (1.0 - d) / (1.0 - 2.0 * d * std::cos(w) + d * d));
    };
    auto highPass = [&](double d, double hz) {
        const double w = 2.0 * kPi * hz / 31250.0;
        return 20.0 * std::log10((1.0 + d) * (1.0 + d) * (2.0 - 2.0 * std::cos(w)) /
                                 (4.0 * (1.0 - 2.0 * d * std::cos(w) + d * d)));
    };
    const float* r95 = FilterCoefTBLHighPassWave[95];
    const float* r60 = FilterCoefTBLHighPassWave[60];
    struct Case {
        const char* what;
        int row, resonance, kind;
        double hz, expected;
    };
    const Case cases[] = {
        {"98 units: column 0, none", 95, -1, 0, 5000, fourPole(r95[0], 0, 0, 5000)},
        {"99 units: column 1, k 0", 95, 0, 0, 5000, fourPole(r95[1], r95[2], 0, 5000)},
        {"150 units: k 2.0", 95, 51, 0, 7000, fourPole(r95[1], r95[2], 51 * 3.9 / 99, 7000)},
        {"198 units: k 3.9", 95, 99, 0, 7000, fourPole(r95[1], r95[2], 3.9, 7000)},
        {"above 198: still 3.9", 95, 140, 0, 7000, fourPole(r95[1], r95[2], 3.9, 7000)},
        {"row clamped", 140, 99, 0, 7000,
         fourPole(FilterCoefTBLHighPassWave[99][1], FilterCoefTBLHighPassWave[99][2], 3.9, 7000)},
        {"two-pole low-pass", 60, -1, 1, 2000, lowPass(r60[0], 2000)},
        {"two-pole high-pass", 60, -1, 2, 300, highPass(r60[0], 300)},
        {"two-pole high-pass, resonance column", 95, 30, 2, 3000, highPass(r95[1], 3000)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CXBCtrlFilterGraph::ResponseDb(c.row, c.resonance, c.kind, c.hz), c.expected, 1e-9)
            << c.what;
    // Resonance shows as a peak at the cutoff (row 80: about 3.1 kHz).
    EXPECT_GT(CXBCtrlFilterGraph::ResponseDb(80, 99, 0, 3160),
              CXBCtrlFilterGraph::ResponseDb(80, -1, 0, 3160) + 12);
}

// The evaluation runs 1/24 octave a step from about 8.24 Hz and stops above 15625 Hz (step 1305 is
// the last below it) or at n = width x 10, whichever comes first.
TEST_F(FilterGraphTest, EvaluationStops) {
    EXPECT_NEAR(CXBCtrlFilterGraph::StepFrequency(0), 8.18, 0.01);
    EXPECT_LT(CXBCtrlFilterGraph::StepFrequency(1305), 15625.0);
    EXPECT_GT(CXBCtrlFilterGraph::StepFrequency(1310), 15625.0);
    struct Case {
        int width, height, type;
        int lastN;
    };
    const Case cases[] = {{300, 79, 0, 1305}, {85, 79, 1, 845}};
    for (const Case& c : cases) {
        tagXBCtrlFilterGraphParam p = param;
        p.width = c.width;
        p.height = c.height;
        p.filterType = c.type;
        CXBCtrlFilterGraph g;
        ASSERT_TRUE(g.Create(&p, 1, 0));
        // Resonance 98 units: none; cutoff 99 (graph 198): the highest row of the graph's table.
        const auto segments = g.CurveSegments(g.ConvertCutoffValue(99), -1, c.type == 0 ? 0 : 1);
        ASSERT_FALSE(segments.empty()) << c.width;
        EXPECT_EQ(segments.back().n, c.lastN) << c.width;
        EXPECT_DOUBLE_EQ(segments.back().x1,
                         CXBCtrlFilterGraph::CurveX(c.width, CXBCtrlFilterGraph::StepFrequency(c.lastN)));
        // Every step drawn lies inside the graph.
        for (const auto& segment : segments) {
            EXPECT_GT(segment.x1, 2.0);
            EXPECT_LT(segment.x1, c.width - 1);
            EXPECT_GT(segment.y1, 2.0);
            EXPECT_LT(segment.y1, c.height + 1);
        }
    }
}

// A step below -90 dB draws nothing, and the next one drawn starts its line at its own point; the
// first audible step only places the pen.
TEST_F(FilterGraphTest, QuietStepsBreakTheLine) {
    Make();
    // A high-pass with its highest row is far below -90 dB at the lowest frequencies.
    EXPECT_LT(CXBCtrlFilterGraph::ResponseDb(99, -1, 2, CXBCtrlFilterGraph::StepFrequency(0)), -90.0);
    const auto highPass = graph.CurveSegments(99, -1, 2);
    ASSERT_FALSE(highPass.empty());
    EXPECT_EQ(highPass.front().x0, highPass.front().x1);
    EXPECT_EQ(highPass.front().y0, highPass.front().y1);
    for (size_t i = 1; i < highPass.size(); ++i) EXPECT_EQ(highPass[i].x0, highPass[i - 1].x1) << i;
    // A low-pass is audible from the first step: its first line starts at the pen the steps before
    // left, not at its own point.
    const auto lowPass = graph.CurveSegments(60, -1, 1);
    ASSERT_FALSE(lowPass.empty());
    EXPECT_LT(lowPass.front().x0, lowPass.front().x1);
}

// On plain art, the top of the drawn curve in a column lies within a pixel of the formula's y for
// the steps whose 4-pixel column covers it.
TEST_F(FilterGraphTest, CurvePixels) {
    Make();
    Set(0, 120, 120);  // row 60, k = 0.83; the handle at graph x 92
    CHfcBmp* bmp = Render();
    const int row = graph.ConvertCutoffValue(60);
    for (const int column : {12, 30, 50, 70, 80, 100, 104}) {
        double low = 1e9, high = -1e9;
        for (int n = 0; n < 1310; n += 5) {
            const double hz = CXBCtrlFilterGraph::StepFrequency(n);
            const double x = CXBCtrlFilterGraph::CurveX(155, hz);
            if (x <= column - 2.5 || x >= column + 2.5) continue;
            const double y = CXBCtrlFilterGraph::CurveY(155, CXBCtrlFilterGraph::ResponseDb(row, 21, 0, hz));
            low = std::min(low, y);
            high = std::max(high, y);
        }
        ASSERT_LT(low, high + 1) << column;
        int top = -1;
        for (int y = 0; y < 85; ++y) {
            if (bmp->GetPixel(kX - 2 + column, kY - 2 + y) != kBack) {
                top = y;
                break;
            }
        }
        EXPECT_GE(top, std::floor(low) - 1) << column;
        EXPECT_LE(top, std::ceil(high) + 1) << column;
        // Below the curve the column is filled down to the graph's bottom.
        EXPECT_EQ(Hex(bmp->GetPixel(kX - 2 + column, kY - 2 + 79)), Hex(kFillColour)) << column;
    }
}

// A handle is hit strictly inside the square of side s + 10 around it; where handles overlap, the
// one drawn on top: the highest index unless handle 0 was set last. The active handle is drawn last.
TEST_F(FilterGraphTest, HandleOrder) {
    param.filterType = 1;
    param.markImage = &mark;
    Make();
    Set(0, 99, 100);
    Set(1, 99, 100);
    const tagHfcPoint c = Centre(0);
    auto hit = [&](int x, int y) {
        const tagHfcPoint p{x, y};
        return graph.GetPointNumberFromPosition(&p);
    };
    // The label row is drawn at (square left + 4, square top + 3): the centre pixel shows it.
    auto labelOnTop = [&] { return Render()->GetPixel(kX - 2 + c.x, kY - 2 + c.y); };
    EXPECT_EQ(hit(c.x, c.y), 1);
    EXPECT_EQ(Hex(labelOnTop()), Hex(kLabel1));
    Set(0, 99, 100);
    EXPECT_EQ(graph.GetTopPoint(), 0);
    EXPECT_EQ(hit(c.x, c.y), 0);
    EXPECT_EQ(Hex(labelOnTop()), Hex(kLabel0));
    const int probes[][3] = {{c.x - 9, c.y, 0},   {c.x + 10, c.y, 0}, {c.x - 10, c.y, -2},
                             {c.x + 11, c.y, -2}, {c.x, c.y + 10, 0}, {c.x, c.y - 10, -2}};
    for (const auto& p : probes) EXPECT_EQ(hit(p[0], p[1]), p[2]) << p[0] << "," << p[1];
    // Dragging handle 1 from under handle 0 is not possible, but once active it is drawn on top.
    Set(1, 99, 100);
    driver.Step(&graph, {G::Down, c.x, c.y, 0});
    EXPECT_EQ(graph.GetActivePoint(), 1);
    Set(0, 99, 100);
    EXPECT_EQ(Hex(labelOnTop()), Hex(kLabel1));
    driver.Step(&graph, {G::Up, c.x, c.y, 0});
    EXPECT_EQ(Hex(labelOnTop()), Hex(kLabel0));
}

// Type 1 draws the two-pole low-pass and the two-pole high-pass over one another; type 0 one curve.
// Probed without fill: at column 120 (2.4 kHz) the high-pass line lies some 4 pixels below the
// low-pass one.
TEST_F(FilterGraphTest, TypesAndHandles) {
    param.fillColour = 0;
    Make();
    EXPECT_EQ(graph.GetHandleCount(), 1);
    Set(0, 98, 198);  // row 95
    Set(1, 98, 150);  // no second handle on type 0
    tagFilterValue v{};
    EXPECT_FALSE(graph.GetFilterValue(&v, 1));
    const int column = 120;
    const double hz = std::pow(10.0, (column + 49) / 50.0);
    auto lineAt = [&](CHfcBmp* bmp, double y) {
        for (int row = static_cast<int>(std::floor(y)) - 1; row <= static_cast<int>(std::floor(y)) + 2; ++row)
            if (bmp->GetPixel(kX - 2 + column, kY - 2 + row) != kBack) return true;
        return false;
    };
    const double lowPass = CXBCtrlFilterGraph::CurveY(155, CXBCtrlFilterGraph::ResponseDb(95, -1, 1, hz));
    const double highPass = CXBCtrlFilterGraph::CurveY(155, CXBCtrlFilterGraph::ResponseDb(72, -1, 2, hz));
    const double fourPole = CXBCtrlFilterGraph::CurveY(155, CXBCtrlFilterGraph::ResponseDb(95, -1, 0, hz));
    ASSERT_GT(highPass, lowPass + 3.5);
    ASSERT_GT(highPass, fourPole + 3.5);
    CHfcBmp* bmp = Render();
    EXPECT_TRUE(lineAt(bmp, fourPole));
    EXPECT_FALSE(lineAt(bmp, highPass));
    graph.SetFilterType(1, true);
    EXPECT_EQ(graph.GetHandleCount(), 2);
    Set(1, 98, 150);
    ASSERT_TRUE(graph.GetFilterValue(&v, 1));
    EXPECT_EQ(v.cutoff, 150);
    bmp = Render();
    EXPECT_TRUE(lineAt(bmp, lowPass));
    EXPECT_TRUE(lineAt(bmp, highPass));
    graph.SetFilterType(5, true);
    EXPECT_EQ(graph.GetHandleCount(), 2);
    const tagFilterValue all{0, 120, 60};
    graph.SetFilterAllValue(&all, true);
    tagFilterValue out[2];
    graph.GetFilterAllValue(out);
    EXPECT_EQ(out[1].resonance, 120);
    EXPECT_EQ(out[1].index, 1);
    // Back to one handle: the second can no longer be set or read.
    graph.SetFilterType(0, true);
    EXPECT_FALSE(graph.GetFilterValue(&v, 1));
}

TEST_F(FilterGraphTest, RefusesRecordsItCannotPlace) {
    CXBCtrlFilterGraph g;
    EXPECT_FALSE(g.Create(nullptr, 1, 0));
    struct Case {
        const char* what;
        void (*change)(tagXBCtrlFilterGraphParam&);
    };
    const Case cases[] = {
        {"width 0", [](tagXBCtrlFilterGraphParam& p) { p.width = 0; }},
        {"height 0", [](tagXBCtrlFilterGraphParam& p) { p.height = 0; }},
        {"maximum 0", [](tagXBCtrlFilterGraphParam& p) { p.maximum = 0; }},
        {"maximum below the minimum", [](tagXBCtrlFilterGraphParam& p) { p.minimum = 10, p.maximum = 5; }},
        {"handles as wide as the graph", [](tagXBCtrlFilterGraphParam& p) { p.markSize = 155; }},
    };
    for (const Case& c : cases) {
        tagXBCtrlFilterGraphParam p = param;
        c.change(p);
        EXPECT_FALSE(g.Create(&p, 1, 0)) << c.what;
    }
    ASSERT_TRUE(g.Create(&param, 1, 2));
    EXPECT_EQ(g.GetRect().left, kX - 2);
    EXPECT_EQ(g.GetRect().bottom, kY + 79 + 4);
}

// Handle 0 at resonance 150, cutoff 100 (graph x 77, y 22; scale 10, range 0..198, room 144 x 68).
// Shift moves 0.5 units a pixel; otherwise a pixel is 199 / 144 units of cutoff and 199 / 68 of
// resonance; the clock's delta ratio slows the resonance only.
TEST_F(FilterGraphTest, DragTable) {
    Make();
    Set(0, 150, 100);
    const tagHfcPoint c = Centre(0);
    ASSERT_EQ(c.x, 79);
    ASSERT_EQ(c.y, 24);
    const std::vector<DragStep> steps = {
        {G::Down, 79, 24, 0, 0, {"begin", Recorder::Filter(0, 150, 100)}},
        {G::Move, 80, 25, 1, 0, {Recorder::Filter(0, 149, 101)}},
        {G::Move, 81, 25, 0, 50, {Recorder::Filter(0, 149, 102)}},
        // 400 ms later: the cutoff moves as fast as ever, the resonance at 1/8 (no change yet).
        {G::Move, 82, 26, 0, 400, {Recorder::Filter(0, 149, 103)}},
        {G::Move, 82, 28, 0, 0, {Recorder::Filter(0, 143, 103)}},
        {G::Move, 600, -500, 0, 0, {Recorder::Filter(0, 198, 198)}},
        // The last value asked for is reported once more.
        {G::Up, 600, -500, 0, 0, {Recorder::Filter(0, 198, 198), "end", "lost capture"}},
        {G::Move, 30, 30, 0, 0, {"move 30,30"}},
    };
    RunSteps(driver, &graph, recorder, steps);
    // The handle just dragged takes the arrow keys: left and right by 2 - key adjust, up and down by 1.
    EXPECT_EQ(graph.GetFocusedPoint(), 0);
    const std::pair<int, std::string> keys[] = {
        {CXBCtrlGraph::kKeyLeft, Recorder::Filter(0, 150, 98)},
        {CXBCtrlGraph::kKeyRight, Recorder::Filter(0, 150, 102)},
        {CXBCtrlGraph::kKeyUp, Recorder::Filter(0, 151, 100)},
        {CXBCtrlGraph::kKeyDown, Recorder::Filter(0, 149, 100)},
    };
    for (const auto& [key, report] : keys) {
        EXPECT_TRUE(driver.Step(&graph, {G::Key, key, 0, 0}));
        EXPECT_EQ(recorder.Take(), std::vector<std::string>{report});
    }
    EXPECT_FALSE(driver.Step(&graph, {G::Key, 'x', 0, 0}));
    // Focus brackets 5 pixels around the focused handle.
    graph.SetFocusColor(0xFF00FFFF);
    CHfcBmp* bmp = Render();
    graph.DrawFocus(surface.get());
    EXPECT_EQ(Hex(bmp->GetPixel(kX + 77 - 4, kY + 22 - 5)), Hex(0xFF00FFFF));
    // A press off the handle starts nothing and clears the focused handle.
    EXPECT_FALSE(driver.Step(&graph, {G::Down, 150, 70, 0}));
    EXPECT_FALSE(driver.Captured(&graph));
    EXPECT_FALSE(driver.Step(&graph, {G::Key, CXBCtrlGraph::kKeyUp, 0, 0}));
    EXPECT_TRUE(recorder.Take().empty());
}

// The region a dragged handle can move in is shaded: the upper half for type 0.
TEST_F(FilterGraphTest, RegionWhileDragging) {
    Make();
    Set(0, 150, 20);
    const tagHfcPoint c = Centre(0);
    driver.Step(&graph, {G::Down, c.x, c.y, 0});
    CHfcBmp* bmp = Render();
    // Top left corner of the graph, above any curve: shaded inside the region, plain below it.
    EXPECT_NE(Hex(bmp->GetPixel(kX + 100, kY + 0)), Hex(kBack));
    EXPECT_EQ(Hex(bmp->GetPixel(kX + 100, kY - 2)), Hex(kBack));
    driver.Step(&graph, {G::Up, c.x, c.y, 0});
    bmp = Render();
    EXPECT_EQ(Hex(bmp->GetPixel(kX + 100, kY + 0)), Hex(kBack));
}

}  // namespace
