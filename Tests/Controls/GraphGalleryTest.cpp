// The graphs and the zone slope bar as the factory makes them, with the editor's art, in their
// states: written to build/<preset>/Tests/gallery/EditorControls_Graphs.png for review. The art is
// not asserted; the factory's records are (the tables below), and every control is checked to have
// drawn over the paper.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/FontManager/ResourceManager.h"
#include "GraphTestSupport.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/HfcGallery.h"

using namespace GraphTest;
using G = HfcGesture;

namespace {

constexpr uint32_t kPaper = 0xFF303438;

class GraphGallery : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(ResourceManager::Initialize()); }
    void TearDown() override {
        for (auto& control : controls) control->Destroy();
        controls.clear();
        ResourceManager::Uninitialize();
    }
    template <class T>
    T* Keep(T* control) {
        EXPECT_NE(control, nullptr);
        if (control != nullptr) controls.emplace_back(control);
        return control;
    }

    ClockScope clock;
    HfcControlDriver driver;
    Recorder recorder;
    std::vector<std::unique_ptr<CHfcControl>> controls;
};

// The factory's records: sizes, positions (with and without the creator's offset), ranges, looks,
// handles and initial points.
TEST_F(GraphGallery, FactoryRecords) {
    CHfcBmp background;
    Solid(&background, 400, 300, 0xFF000000);
    QnControlCreater creator(&background, 100, 50);
    struct EnvelopeCase {
        int look;
        bool mini;
        const char* back;  // none: the creator's background
        int baseline, level, width, height;
        unsigned char handles[6];
        int time4;
        float disabledAlpha;
    };
    const EnvelopeCase envelopes[] = {
        {0, false, "Container_Graph_Large", 1, 99, 206, 103, {1, 1, 1, 0, 0, 1}, 0, 0.4f},
        {1, false, "Container_Graph_Large", 1, 99, 206, 103, {1, 1, 1, 1, 0, 1}, 198, 0.4f},
        {2, false, "Container_Graph_Unsigned_Large", 0, 0, 206, 103, {1, 1, 1, 1, 0, 1}, 198, 0.4f},
        {2, true, nullptr, 0, 99, 84, 55, {1, 1, 1, 1, 0, 1}, 198, 0.5f},
        {0, true, nullptr, 1, 99, 84, 55, {1, 1, 1, 0, 0, 1}, 0, 0.5f},
    };
    for (const EnvelopeCase& c : envelopes) {
        CXBCtrlEnvelopeGraph* g = Keep(c.mini ? creator.CreateMiniEnvelopeGraph(10, 20, c.look, 77)
                                              : creator.CreateEnvelopeGraph(10, 20, c.look, 77));
        ASSERT_NE(g, nullptr);
        const tagXBCtrlEnvelopeGraphParam& p = g->GetParam();
        EXPECT_EQ(g->GetId(), 77);
        EXPECT_EQ(p.x, 110);
        EXPECT_EQ(p.y, 70);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        EXPECT_EQ(p.back, c.back ? ResourceManager::GetInstance()->LoadImage(c.back) : &background);
        EXPECT_EQ(p.backX, c.back ? 2 : 10);
        EXPECT_EQ(p.backY, c.back ? 2 : 20);
        EXPECT_EQ(p.markImage,
                  c.mini ? nullptr : ResourceManager::GetInstance()->LoadImage("PointNameFilterAmpEg"));
        EXPECT_EQ(p.pointCount, 6);
        EXPECT_EQ(p.markSize, 11);
        EXPECT_EQ(p.maximum, 198);
        EXPECT_EQ(p.lineColour, c.mini ? 0xFFFFFFFFu : 0xFFFF0000u);
        EXPECT_EQ(p.zoneColour, c.mini ? 0u : 0x7EFF0000u);
        EXPECT_EQ(p.pointFillColour, c.mini ? 0u : 0xFF990000u);
        EXPECT_FLOAT_EQ(p.scale, 10.0f);
        EXPECT_EQ(p.zoneBaseline, c.baseline);
        EXPECT_EQ(g->IsSignedLevel(), c.baseline == 1);
        EXPECT_FLOAT_EQ(g->GetDisabledAlpha(), c.disabledAlpha);
        for (int i = 0; i < 6; ++i) {
            EXPECT_EQ(p.handleFlags[i], c.handles[i]) << "look " << c.look << " point " << i;
            tagEnvelopeValue v{};
            ASSERT_TRUE(g->GetEnvelopeValue(&v, i));
            EXPECT_EQ(v.level, c.level) << "look " << c.look << " point " << i;
            EXPECT_EQ(v.time, i == 4 ? c.time4 : 198) << "look " << c.look << " point " << i;
        }
    }
    struct FilterCase {
        bool mini;
        int width, height;
    };
    for (const FilterCase c : {FilterCase{false, 155, 79}, FilterCase{true, 85, 55}}) {
        CXBCtrlFilterGraph* g =
            Keep(c.mini ? creator.CreateMiniFilterGraph(10, 20, 78) : creator.CreateFilterGraph(10, 20, 78));
        ASSERT_NE(g, nullptr);
        const tagXBCtrlFilterGraphParam& p = g->GetParam();
        // Not moved by the creator's offset.
        EXPECT_EQ(p.x, 10);
        EXPECT_EQ(p.y, 20);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        EXPECT_EQ(p.back,
                  c.mini ? &background : ResourceManager::GetInstance()->LoadImage("Container_Graph_Small"));
        EXPECT_EQ(p.markImage,
                  c.mini ? nullptr : ResourceManager::GetInstance()->LoadImage("PointNameFilter"));
        EXPECT_EQ(p.filterType, 0);
        EXPECT_EQ(g->GetHandleCount(), 2);
        EXPECT_EQ(p.lineColour, c.mini ? 0xFFFFFFFFu : 0xFFFF0000u);
        EXPECT_EQ(p.fillColour, c.mini ? 0u : 0x10FF0000u);
        EXPECT_FLOAT_EQ(g->GetDisabledAlpha(), 0.4f);
        tagFilterValue v[2];
        g->GetFilterAllValue(v);
        EXPECT_EQ(v[0].resonance, 99);
        EXPECT_EQ(v[0].cutoff, 0);
        EXPECT_EQ(v[1].resonance, 0);
        EXPECT_EQ(v[1].cutoff, 50);
        EXPECT_EQ(g->GetTopPoint(), 1);
    }
    QorZoneSlopeBar* bar = Keep(creator.CreateZoneSlopeBar(10, 20, 79));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->GetRect().left, 10);
    EXPECT_EQ(bar->GetRect().top, 20);
    EXPECT_EQ(bar->GetRect().right - bar->GetRect().left, ArtGeometry::kZoneSlopeBackWidth);
    EXPECT_EQ(bar->GetBarX(), 8);
    EXPECT_EQ(bar->GetBarY(), 3);
    EXPECT_EQ(bar->GetBarWidth(), ArtGeometry::kZoneBarWidth);
    EXPECT_EQ(bar->GetNumValues(), 128);
    EXPECT_EQ(bar->GetZoneMin(), 0);
    EXPECT_EQ(bar->GetSlopeMax(), 127);
}

TEST_F(GraphGallery, EditorControlsGraphs) {
    CHfcOffscreenContext canvas(700, 560);
    canvas.SetBrushColor(kPaper);
    canvas.FillRect(0, 0, 700, 560);
    QnControlCreater creator(nullptr, 0, 0);
    std::vector<CHfcControl*> drawn;
    auto draw = [&](CHfcControl* control) {
        ASSERT_NE(control, nullptr);
        control->Draw(&canvas);
        drawn.push_back(control);
    };

    // Row 1: the three looks as made.
    for (int look = 0; look < 3; ++look)
        draw(Keep(creator.CreateEnvelopeGraph(12 + 230 * look, 12, look, 1)));

    // Row 2: a shaped envelope with a point held by the mouse; one stepped by the keys (focus
    // brackets); a disabled one.
    const tagEnvelopeValue shape[6] = {{0, 99, 0},    {1, 190, 40}, {2, 60, 90},
                                       {3, 130, 120}, {4, 130, 0},  {5, 99, 150}};
    CXBCtrlEnvelopeGraph* held = Keep(creator.CreateEnvelopeGraph(12, 134, 1, 2));
    CXBCtrlEnvelopeGraph* stepped = Keep(creator.CreateEnvelopeGraph(242, 134, 2, 3));
    CXBCtrlEnvelopeGraph* disabled = Keep(creator.CreateEnvelopeGraph(472, 134, 0, 4));
    for (CXBCtrlEnvelopeGraph* g : {held, stepped, disabled}) {
        for (const tagEnvelopeValue& v : shape) g->SetEnvelopeValue(&v, false);
        g->SetListener(&recorder);
    }
    const tagHfcPoint p2 = held->GetPointPosition(2);
    driver.Step(held, {G::Down, p2.x + 2, p2.y + 2, 0});
    draw(held);
    stepped->SetActivePoint(3, false);
    stepped->SetFocusColor(0xFFBDFF00);
    draw(stepped);
    stepped->DrawFocus(&canvas);
    disabled->Disable(true);
    draw(disabled);
    driver.Step(held, {G::Up, p2.x + 2, p2.y + 2, 0});

    // Row 3: the filter graph as made; type 0 with resonance; a handle held; disabled.
    draw(Keep(creator.CreateFilterGraph(12, 258, 5)));
    CXBCtrlFilterGraph* resonant = Keep(creator.CreateFilterGraph(184, 258, 6));
    resonant->SetFilterType(0, false);
    const tagFilterValue peak{0, 180, 120};
    resonant->SetFilterValue(&peak, false);
    draw(resonant);
    CXBCtrlFilterGraph* dragged = Keep(creator.CreateFilterGraph(356, 258, 7));
    const tagFilterValue lowPass{0, 99, 170}, highPass{1, 30, 60};
    dragged->SetFilterValue(&highPass, false);
    dragged->SetFilterValue(&lowPass, false);
    dragged->SetListener(&recorder);
    const tagHfcPoint h0 = dragged->GetPointPosition(0);
    driver.Step(dragged, {G::Down, h0.x + 2, h0.y + 2, 0});
    draw(dragged);
    driver.Step(dragged, {G::Up, h0.x + 2, h0.y + 2, 0});
    CXBCtrlFilterGraph* off = Keep(creator.CreateFilterGraph(528, 258, 8));
    off->SetFilterValue(&lowPass, false);
    off->Disable(true);
    draw(off);

    // Row 4: the mini graphs on the overview's boxes (drawn in each box, then the box on the canvas).
    CHfcBmp* fgBox = ResourceManager::GetInstance()->LoadImage("Container_ProgPlay_Overview_FG");
    CHfcBmp* egBox = ResourceManager::GetInstance()->LoadImage("Container_ProgPlay_Overview_EG");
    ASSERT_NE(fgBox, nullptr);
    ASSERT_NE(egBox, nullptr);
    struct Box {
        CHfcBmp* image;
        int x;
    };
    const Box boxes[] = {{fgBox, 12}, {egBox, 120}, {fgBox, 248}, {egBox, 356}};
    for (int i = 0; i < 4; ++i) {
        const Box& b = boxes[i];
        CHfcOffscreenContext box(b.image->GetWidth(), b.image->GetHeight() + 2);
        box.CopyBmp(0, 0, b.image->GetWidth(), b.image->GetHeight(), b.image, 0, 0);
        QnControlCreater inBox(b.image, 0, 0);
        CHfcControl* mini = nullptr;
        if (b.image == fgBox) {
            CXBCtrlFilterGraph* f = Keep(inBox.CreateMiniFilterGraph(3, 30, 9));
            if (i == 2) f->SetFilterValue(&peak, false);
            mini = f;
        } else {
            CXBCtrlEnvelopeGraph* e = Keep(inBox.CreateMiniEnvelopeGraph(3, 30, i == 1 ? 1 : 2, 10));
            if (i == 3)
                for (const tagEnvelopeValue& v : shape) e->SetEnvelopeValue(&v, false);
            mini = e;
        }
        ASSERT_NE(mini, nullptr);
        mini->Draw(&box);
        box.CopyToContext(&canvas, b.x, 382, box.GetBmp()->GetWidth(), box.GetBmp()->GetHeight(), 0, 0);
    }

    // Row 5: the zone slope bar as made; a zone with slopes and needles inside and outside it; a
    // press holding the zone's top.
    draw(Keep(creator.CreateZoneSlopeBar(12, 486, 11)));
    QorZoneSlopeBar* zone = Keep(creator.CreateZoneSlopeBar(12, 504, 12));
    const int ends[][2] = {{QorZoneSlopeBar::kZoneMin, 36},   {QorZoneSlopeBar::kZoneMax, 84},
                           {QorZoneSlopeBar::kSlopeMin, 24},  {QorZoneSlopeBar::kSlopeMax, 96},
                           {QorZoneSlopeBar::kNeedleOn, 30},  {QorZoneSlopeBar::kNeedleOn, 60},
                           {QorZoneSlopeBar::kNeedleOn, 100}, {QorZoneSlopeBar::kNeedleOff, 70}};
    for (const auto& e : ends) zone->SetParameter(e[0], e[1], false);
    draw(zone);
    QorZoneSlopeBar* pressed = Keep(creator.CreateZoneSlopeBar(12, 522, 13));
    for (const auto& e : ends) pressed->SetParameter(e[0], e[1], false);
    pressed->SetListener(&recorder);
    driver.Step(pressed, {G::Down, 8 + pressed->PixelOf(84), 4, 0});
    draw(pressed);
    driver.Step(pressed, {G::Up, 8 + pressed->PixelOf(84), 4, 0});

    // Every control drew over the paper.
    for (CHfcControl* control : drawn) {
        const tagHfcRect& r = control->GetRect();
        bool painted = false;
        for (int y = r.top; y < r.bottom && !painted; ++y)
            for (int x = r.left; x < r.right && !painted; ++x)
                painted = canvas.GetBmp()->GetPixel(x, y) != kPaper;
        EXPECT_TRUE(painted) << control->GetId();
    }
    EXPECT_TRUE(HfcWritePng(canvas.GetBmp(), HfcGalleryPath("EditorControls_Graphs").c_str()));
}

}  // namespace
