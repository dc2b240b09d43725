// The envelope-graph binding on a tab page over the real sections of a recording remote synthesizer:
// parameters move the graph's points through hidden proxies, dragged points write the parameters
// (which go to the instrument), signed and unsigned levels, point 3 holding for point 4, slots
// without a parameter, two managers on one page, and proxies that never show.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/XBCtrlEnvelopeGraph.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/EnvelopeGraphManager.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/HfcFixture.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

// Program edit rows: the filter envelope (levels -99..99, times 0..99) and the amplifier envelope
// (levels and times 0..99).
constexpr int kFilterLevels[6] = {0x0900, 0x0902, 0x0904, 0x0906, -1, 0x0908};
constexpr int kFilterTimes[6] = {-1, 0x0901, 0x0903, 0x0905, -1, 0x0907};
constexpr int kAmpLevels[6] = {0x0C00, 0x0C02, 0x0C04, 0x0C06, -1, -1};
constexpr int kAmpTimes[6] = {-1, 0x0C01, 0x0C03, 0x0C05, -1, 0x0C07};
constexpr int kPitchLevels[6] = {0x0100, 0x0102, -1, -1, -1, 0x0105};
constexpr int kPitchTimes[6] = {-1, 0x0101, 0x0103, -1, -1, 0x0104};
constexpr uint32_t kPageColour = 0xFF123456;

class EnvelopeBinding : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        synth = std::make_unique<RecordingRemoteSynth>();
        synth->sections.host.SetMode(kModeProgEdit);
        window = MakeWindow(0, 0, 700, 300);
        background.Create(700, 300);
        for (int y = 0; y < 300; ++y)
            for (int x = 0; x < 700; ++x) background.SetPixel(x, y, kPageColour);
        page = std::make_unique<CTabPageLayer>(synth.get(), "page");
        ASSERT_TRUE(page->Create(0, 0, 700, 300, &background, window));
        page->OnCreate();
        page->SetTargetMode(kModeProgEdit);
    }
    void TearDown() override {
        // The page deletes its controls (proxies and graphs) and its managers.
        page->OnDestroy();
        window->RemoveLayer(page.get(), false);
        page.reset();
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
        HfcWindowFixture::TearDown();
        synth.reset();
    }
    CXBCtrlEnvelopeGraph* Graph(int x, int look, int id) {
        QnControlCreater creator(nullptr, 0, 0);
        CXBCtrlEnvelopeGraph* graph = creator.CreateEnvelopeGraph(x, 30, look, id);
        EXPECT_NE(graph, nullptr);
        graph->SetListener(page.get());
        page->AddControl(graph, false);
        return graph;
    }
    ISection* Prog() { return synth->GetEditBuffer(kModeProgEdit); }
    void Tick() {
        synth->sections.host.Pump();
        page->Idle(0);
    }
    tagEnvelopeValue Point(CXBCtrlEnvelopeGraph* graph, int i) {
        tagEnvelopeValue v{};
        EXPECT_TRUE(graph->GetEnvelopeValue(&v, i));
        return v;
    }
    unsigned Sends() { return synth->sections.host.link.count; }
    // The graph reports a point, as a drag does.
    void Report(CXBCtrlEnvelopeGraph* graph, int index, int level, int time) {
        tagEnvelopeValue v{index, level, time};
        page->OnHfcCtrlPtrValueChanged(graph, &v);
    }

    CHfcBmp background;
    std::unique_ptr<RecordingRemoteSynth> synth;
    CTestWindow* window = nullptr;
    std::unique_ptr<CTabPageLayer> page;
};

// The proxies show the parameters at once: a proxy per PID, hidden, 1 x 1 at the page's corner,
// with the PID as id and the point as sub-id.
TEST_F(EnvelopeBinding, ProxiesPlaceThePointsAtOnce) {
    Prog()->PutParamIEx(0x0902, -20, kPutNotify);
    Prog()->PutParamIEx(0x0903, 35, kPutNotify);
    CXBCtrlEnvelopeGraph* graph = Graph(10, 1, 0x10001);
    const int before = page->GetNumControls();
    auto* manager = new EnvelopeGraphManager(page.get(), graph, kFilterLevels, kFilterTimes);
    EXPECT_EQ(page->GetNumControls() - before, 5 + 4);
    ASSERT_EQ(page->GetEnvelopeGraphManagers().size(), 1u);
    EXPECT_EQ(page->GetEnvelopeGraphManagers().front(), manager);
    EXPECT_EQ(Point(graph, 1).level, 79);
    EXPECT_EQ(Point(graph, 2).time, 70);
    for (int point = 0; point < 6; ++point) {
        for (const int pid : {kFilterLevels[point], kFilterTimes[point]}) {
            if (pid == -1) continue;
            CHfcControl* proxy = page->GetControlById(pid, point);
            ASSERT_NE(proxy, nullptr) << pid;
            EXPECT_FALSE(proxy->IsVisible());
            EXPECT_EQ(proxy->GetRect().right - proxy->GetRect().left, 1);
            EXPECT_EQ(proxy->GetRect().bottom - proxy->GetRect().top, 1);
            EXPECT_EQ(page->GetParameterIdByControl(proxy).pid, pid);
        }
    }
}

// The worked example: point 2 of a signed graph dragged to level 150, time 40 writes the level 51
// and the time 20, both sent to the instrument; the change comes back and sets the point to
// 150 / 40 again. Odd graph values round down.
TEST_F(EnvelopeBinding, SignedGraphTable) {
    CXBCtrlEnvelopeGraph* graph = Graph(10, 1, 0x10001);
    new EnvelopeGraphManager(page.get(), graph, kFilterLevels, kFilterTimes);
    page->Show(false);
    Tick();
    struct Row {
        int index, level, time;
        int levelPid, levelValue, timePid, timeValue;
        int shownLevel, shownTime;
    };
    const Row rows[] = {
        {2, 150, 40, 0x0904, 51, 0x0903, 20, 150, 40},
        {2, 0, 198, 0x0904, -99, 0x0903, 99, 0, 198},
        {1, 99, 41, 0x0902, 0, 0x0901, 20, 99, 40},
        {5, 198, 0, 0x0908, 99, 0x0907, 0, 198, 0},
    };
    for (const Row& r : rows) {
        const unsigned sends = Sends();
        Report(graph, r.index, r.level, r.time);
        EXPECT_EQ(Prog()->GetParamI(r.levelPid), r.levelValue) << r.index;
        EXPECT_EQ(Prog()->GetParamI(r.timePid), r.timeValue) << r.index;
        EXPECT_GE(Sends() - sends, 1u) << r.index;
        Tick();
        EXPECT_EQ(Point(graph, r.index).level, r.shownLevel) << r.index;
        EXPECT_EQ(Point(graph, r.index).time, r.shownTime) << r.index;
    }
    // A level of point 3 moves points 3 and 4 together.
    Prog()->PutParamIEx(0x0906, 40, kPutNotify);
    Tick();
    EXPECT_EQ(Point(graph, 3).level, 139);
    EXPECT_EQ(Point(graph, 4).level, 139);
    // A point without parameters writes nothing; a record for another control is not the manager's.
    const unsigned sends = Sends();
    Report(graph, 4, 10, 10);
    Report(graph, 6, 10, 10);
    EXPECT_EQ(Sends(), sends);
    tagEnvelopeValue v{2, 10, 10};
    EXPECT_FALSE(page->GetEnvelopeGraphManagers().front()->ControlToParam(nullptr, &v));
}

// An unsigned graph holds twice the parameter: 50 shows as 100, a dragged 101 writes 50.
TEST_F(EnvelopeBinding, UnsignedGraph) {
    CXBCtrlEnvelopeGraph* graph = Graph(10, 2, 0x10000);
    new EnvelopeGraphManager(page.get(), graph, kAmpLevels, kAmpTimes);
    page->Show(false);
    Prog()->PutParamIEx(0x0C02, 50, kPutNotify);
    Prog()->PutParamIEx(0x0C07, 33, kPutNotify);
    Tick();
    EXPECT_EQ(Point(graph, 1).level, 100);
    EXPECT_EQ(Point(graph, 5).time, 66);
    Report(graph, 1, 101, 77);
    EXPECT_EQ(Prog()->GetParamI(0x0C02), 50);
    EXPECT_EQ(Prog()->GetParamI(0x0C01), 38);
    Tick();
    EXPECT_EQ(Point(graph, 1).level, 100);
    EXPECT_EQ(Point(graph, 1).time, 76);
}

// A slot whose level has no parameter keeps its level; a drag of it writes only its time. The
// drag goes through the window to the graph, from the graph to the page.
TEST_F(EnvelopeBinding, PointWithoutLevelParameter) {
    CXBCtrlEnvelopeGraph* graph = Graph(10, 0, 0x10000);
    new EnvelopeGraphManager(page.get(), graph, kPitchLevels, kPitchTimes);
    page->Show(false);
    Prog()->PutParamIEx(0x0103, 30, kPutNotify);
    Tick();
    const tagEnvelopeValue before = Point(graph, 2);
    EXPECT_EQ(before.time, 60);
    EXPECT_EQ(before.level, 99);  // as made
    const unsigned sends = Sends();
    const tagHfcPoint p = graph->GetPointPosition(2);
    // Graph coordinates + the graph's origin (10, 30) in the page at the window's corner.
    m_screen.MoveTo(10 + p.x, 30 + p.y);
    m_screen.ButtonDown();
    // Shift: 0.05 units a pixel, 40 pixels right (time 62) and 20 up (level 100, not written).
    m_screen.SetModifiers(kHfcMacShiftKey);
    m_screen.MoveTo(10 + p.x + 40, 30 + p.y - 20);
    m_screen.SetModifiers(0);
    m_screen.ButtonUp();
    EXPECT_GT(Sends(), sends);
    EXPECT_EQ(Prog()->GetParamI(0x0103), 31);
    Tick();
    EXPECT_EQ(Point(graph, 2).time, 62);
    EXPECT_EQ(Point(graph, 2).level, 99);
}

// Only values that change are written: a plain click on a point sends nothing, and every step of a
// drag sends exactly the level and time changes it makes (a sideways drag moves only the time).
TEST_F(EnvelopeBinding, OnlyChangedLevelsAndTimesAreWrittenAndSent) {
    CXBCtrlEnvelopeGraph* graph = Graph(10, 1, 0x10001);
    new EnvelopeGraphManager(page.get(), graph, kFilterLevels, kFilterTimes);
    page->Show(false);
    Prog()->PutParamIEx(0x0904, 10, kPutNotify);
    Prog()->PutParamIEx(0x0903, 30, kPutNotify);
    Prog()->PutParamIEx(0x0905, 60, kPutNotify);
    Tick();
    std::vector<int> pids;
    for (const int* list : {kFilterLevels, kFilterTimes})
        for (int i = 0; i < 6; ++i)
            if (list[i] != -1) pids.push_back(list[i]);
    const auto values = [&] {
        std::vector<int> v;
        for (int pid : pids) v.push_back(Prog()->GetParamI(pid));
        return v;
    };
    const auto changes = [](const std::vector<int>& a, const std::vector<int>& b) {
        unsigned n = 0;
        for (size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
        return n;
    };
    const tagHfcPoint p = graph->GetPointPosition(2);
    const int x = 10 + p.x, y = 30 + p.y;
    m_screen.MoveTo(x, y);
    std::vector<int> before = values();
    unsigned sends = Sends();
    m_screen.ButtonDown();
    m_screen.ButtonUp();
    Tick();
    EXPECT_EQ(Sends(), sends);
    EXPECT_EQ(values(), before);

    m_screen.ButtonDown();
    const size_t timeAt = static_cast<size_t>(std::find(pids.begin(), pids.end(), 0x0903) - pids.begin());
    unsigned timeChanges = 0;
    for (int step = 1; step <= 10; ++step) {
        sends = Sends();
        m_screen.MoveTo(x + 3 * step, y);
        const std::vector<int> after = values();
        EXPECT_EQ(Sends() - sends, changes(before, after)) << "step " << step;
        EXPECT_EQ(Prog()->GetParamI(0x0904), 10) << "step " << step;  // sideways: the level stays
        timeChanges += after[timeAt] != before[timeAt];
        before = after;
        Tick();
    }
    m_screen.ButtonUp();
    EXPECT_GT(timeChanges, 0u);
}

// Two managers on one page: a parameter both hold moves the graph of the first in the page's list;
// a graph's drag goes only to its own manager.
TEST_F(EnvelopeBinding, TwoManagersOnOnePage) {
    CXBCtrlEnvelopeGraph* first = Graph(10, 1, 0x10000);
    CXBCtrlEnvelopeGraph* second = Graph(300, 1, 0x10001);
    new EnvelopeGraphManager(page.get(), first, kFilterLevels, kFilterTimes);
    const int shared[6] = {-1, -1, 0x0904, -1, -1, -1};
    const int none[6] = {-1, -1, -1, -1, -1, -1};
    const int times[6] = {-1, -1, 0x0C03, -1, -1, -1};
    new EnvelopeGraphManager(page.get(), second, shared, times);
    page->Show(false);
    Tick();
    const int secondLevel = Point(second, 2).level;
    Prog()->PutParamIEx(0x0904, 30, kPutNotify);
    Tick();
    EXPECT_EQ(Point(first, 2).level, 129);
    EXPECT_EQ(Point(second, 2).level, secondLevel);
    // The second graph's drag writes its own parameters (level 0 and time 45), not the first's time.
    const int firstTime = Prog()->GetParamI(0x0903);
    Report(second, 2, 99, 90);
    EXPECT_EQ(Prog()->GetParamI(0x0C03), 45);
    EXPECT_EQ(Prog()->GetParamI(0x0903), firstTime);
    EXPECT_EQ(Prog()->GetParamI(0x0904), 0);
    // A manager with no parameters makes no proxies and takes nothing.
    const int before = page->GetNumControls();
    new EnvelopeGraphManager(page.get(), second, none, none);
    EXPECT_EQ(page->GetNumControls(), before);
    EXPECT_EQ(page->GetEnvelopeGraphManagers().size(), 3u);
}

// The proxies never show: the page's pixels under them stay the page's.
TEST_F(EnvelopeBinding, ProxiesNeverShow) {
    CXBCtrlEnvelopeGraph* graph = Graph(100, 1, 0x10001);
    new EnvelopeGraphManager(page.get(), graph, kFilterLevels, kFilterTimes);
    page->Show(false);
    for (int i = 0; i < 3; ++i) {
        Prog()->PutParamIEx(0x0900, i * 10, kPutNotify);
        Tick();
        page->OnRefresh();  // the whole page drawn again, every control forced
        window->FlushUpdateRect();
    }
    EXPECT_EQ(page->GetContext()->GetBmp()->GetPixel(0, 0), kPageColour);
    EXPECT_EQ(Pixel(0, 0), kPageColour);
}

}  // namespace
