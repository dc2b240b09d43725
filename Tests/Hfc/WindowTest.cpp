#include <gtest/gtest.h>

#include "HfcFixture.h"

namespace {

using Rects = std::vector<tagHfcRect>;

class Window : public HfcWindowFixture {};

TEST_F(Window, DirtyRectanglesByUnionAndByList) {
    struct Case {
        const char* what;
        int method;
        Rects added;
        Rects presented;  // after one flush
    };
    const Case cases[] = {
        {"union: the first replaces the empty pending one", 0, {{10, 10, 20, 20}}, {{10, 10, 20, 20}}},
        {"union: a later one unions", 0, {{10, 10, 20, 20}, {50, 40, 60, 45}}, {{10, 10, 60, 45}}},
        {"union: zero width at flush paints nothing", 0, {{10, 10, 10, 20}}, {}},
        {"union: zero height at flush paints nothing", 0, {{10, 10, 20, 10}}, {}},
        {"list: inside an entry adds nothing", 1, {{0, 0, 100, 100}, {10, 10, 20, 20}}, {{0, 0, 100, 100}}},
        {"list: holding an entry replaces it", 1, {{10, 10, 20, 20}, {0, 0, 100, 100}}, {{0, 0, 100, 100}}},
        {"list: partial overlap is appended",
         1,
         {{0, 0, 50, 50}, {40, 40, 80, 80}},
         {{0, 0, 50, 50}, {40, 40, 80, 80}}},
        // The first entry decides: a later entry the new one also holds stays.
        {"list: only the first match",
         1,
         {{10, 10, 20, 20}, {30, 30, 40, 40}, {0, 0, 100, 100}},
         {{0, 0, 100, 100}, {30, 30, 40, 40}}},
        {"list: clipped to the client area", 1, {{300, 150, 400, 300}}, {{300, 150, 320, 200}}},
    };
    CTestWindow* w = MakeWindow();
    for (const Case& c : cases) {
        w->SetUpdateMethod(c.method);
        w->SetUpdateMethod(2);  // ignored: the method stays
        EXPECT_EQ(w->GetUpdateMethod(), c.method);
        Frame()->ClearPresented();
        for (const tagHfcRect& r : c.added) w->AddUpdateRect(&r);
        w->FlushUpdateRect();
        EXPECT_EQ(Frame()->Presented(), c.presented) << c.what;
        Frame()->ClearPresented();
        w->FlushUpdateRect();  // nothing left
        EXPECT_TRUE(Frame()->Presented().empty()) << c.what;
    }
    // A null rectangle stands for the client area.
    w->SetUpdateMethod(0);
    w->AddUpdateRect(nullptr);
    w->FlushUpdateRect();
    EXPECT_EQ(Frame()->Presented(), (Rects{{0, 0, 320, 200}}));
}

TEST_F(Window, APaintHookThatAddsARectangleDoesNotHang) {
    CTestWindow* w = MakeWindow();
    for (int method : {0, 1}) {
        w->SetUpdateMethod(method);
        int added = 0;
        w->onPaint = [&] {
            // Added while the flush paints: goes to the next flush.
            if (added++ == 0) {
                const tagHfcRect r = {5, 5, 9, 9};
                w->AddUpdateRect(&r);
            }
        };
        const tagHfcRect first = {0, 0, 50, 50};
        w->AddUpdateRect(&first);
        w->FlushUpdateRect();
        w->onPaint = nullptr;
        Frame()->ClearPresented();
        w->FlushUpdateRect();
        // Method 1 presents without OnPostUpdate; method 0 runs the hook. Either way nothing waits.
        if (method == 0) {
            EXPECT_EQ(Frame()->Presented(), (Rects{{5, 5, 9, 9}}));
        }
    }
}

TEST_F(Window, LayersStackInAddingOrderAndTransparentPixelsShowTheOneBelow) {
    CTestWindow* w = MakeWindow();
    HfcLog log;
    CRecordingLayer bottom("bottom", &log), top("top", &log);
    ASSERT_TRUE(bottom.Create(0, 0, 320, 200, w));
    ASSERT_TRUE(top.Create(100, 50, 100, 100, w));
    EXPECT_EQ(w->GetNumLayers(), 2);
    EXPECT_EQ(w->GetLayerByIndex(0), &bottom);
    EXPECT_EQ(w->GetLayerByIndex(1), &top);
    EXPECT_EQ(w->GetLayerByIndex(2), nullptr);
    EXPECT_EQ(w->GetLayerByIndex(-1), nullptr);
    EXPECT_FALSE(w->AddLayer(&top, false));  // already there
    EXPECT_FALSE(w->AddLayer(nullptr, false));
    CRecordingLayer stranger("stranger", &log);
    EXPECT_FALSE(w->RemoveLayer(&stranger, false));

    bottom.Fill(0xFFFF0000);
    top.Fill(0xFF00FF00);
    top.GetContext()->ClearRect(0, 0, 50, 100);  // left half transparent
    top.GetContext()->ClearRect(50, 0, 10, 10);
    top.GetContext()->SetBrushColor(0x80000000);
    top.GetContext()->FillRect(50, 0, 10, 10);  // half-transparent black
    // Nothing visible yet.
    w->DrawLayers(true);
    EXPECT_EQ(Pixel(10, 10) & 0xFFFFFF, 0u);
    bottom.Show(false);  // queued for the next flush
    top.Show(true);      // painted at once over the top's rectangle
    EXPECT_EQ(Pixel(10, 10) & 0xFFFFFF, 0u);
    w->FlushUpdateRect();
    EXPECT_EQ(Pixel(10, 10), 0xFFFF0000u);   // bottom only
    EXPECT_EQ(Pixel(120, 60), 0xFFFF0000u);  // through the top's transparent half
    EXPECT_EQ(Pixel(170, 70), 0xFF00FF00u);  // the top's opaque half
    // Source-over into the opaque buffer: (s a + d (255 - a) + 127) / 255 with a = 128.
    const uint32_t g = (0 * 128 + 0xFF * 127 + 127) / 255;  // red channel over red
    EXPECT_EQ(Pixel(150, 50), 0xFF000000u | g << 16);
    // Removing keeps the others in order; raising is remove and add.
    ASSERT_TRUE(w->RemoveLayer(&bottom, false));
    ASSERT_TRUE(w->AddLayer(&bottom, true));
    EXPECT_EQ(w->GetLayerByIndex(1), &bottom);
    EXPECT_EQ(Pixel(170, 70), 0xFFFF0000u);
    w->RemoveAllLayers(false);
    EXPECT_EQ(w->GetNumLayers(), 0);
}

TEST_F(Window, MouseGoesTopDownAndFallsThroughToTheLayerBelow) {
    CTestWindow* w = MakeWindow(100, 80);
    HfcLog log;
    CRecordingLayer bottom("bottom", &log, true), top("top", &log, false);
    bottom.Create(0, 0, 320, 200, w);
    top.Create(50, 40, 100, 100, w);
    bottom.Show(false);
    top.Show(false);
    m_screen.MoveTo(100 + 60, 80 + 50);  // window (60, 50): inside both
    m_screen.Click();
    // The top refuses; the bottom gets it with its own local point.
    EXPECT_EQ(log, (HfcLog{"top:move 10,10", "bottom:move 60,50", "top:down 10,10", "bottom:down 60,50",
                           "top:up 10,10", "bottom:up 60,50"}));
    log.clear();
    top.m_consume = true;
    m_screen.Click(2);
    EXPECT_EQ(log, (HfcLog{"top:rdown 10,10"}));
    log.clear();
    m_screen.Wheel(-1);
    EXPECT_EQ(log, (HfcLog{"top:wheel 1/-1 10,10"}));
    log.clear();
    top.Hide(false);  // hidden layers get nothing
    m_screen.Click();
    EXPECT_EQ(log, (HfcLog{"bottom:down 60,50", "bottom:up 60,50"}));
    // The mouse record holds the window, global and local points.
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    EXPECT_EQ(mouse->m_pWindow, w);
    EXPECT_EQ(mouse->m_iGlobalX, 160);
    EXPECT_EQ(mouse->m_iLocalX, 60);
    EXPECT_EQ(mouse->m_iLocalY, 50);
}

TEST_F(Window, DoubleClicksNeedTheArmedFlagAndTheTime) {
    CTestWindow* w = MakeWindow(0, 0);
    HfcLog log;
    CRecordingLayer layer("layer", &log);
    layer.Create(0, 0, 320, 200, w);
    layer.Show(false);
    m_screen.MoveTo(10, 10);
    log.clear();
    m_screen.Click();
    Advance(200);
    m_screen.ButtonDown();
    EXPECT_EQ(log.back(), "layer:double 10,10");
    m_screen.ButtonUp();
    // Too late: a plain press.
    Advance(600);
    m_screen.ButtonDown();
    EXPECT_EQ(log.back(), "layer:down 10,10");
    m_screen.ButtonUp();
    // Moved between the clicks: two presses.
    Advance(100);
    m_screen.MoveTo(30, 10);
    m_screen.ButtonDown();
    EXPECT_EQ(log.back(), "layer:down 30,10");
    m_screen.ButtonUp();
    // A second click after the window was deactivated is a plain press even with a count of 2.
    Advance(100);
    m_screen.Deactivate();
    m_screen.ButtonDown();
    EXPECT_EQ(log.back(), "layer:down 30,10");
    m_screen.ButtonUp();
}

class KeyRecorder : public CHfcKeyListener {
public:
    bool OnHfcKeyChar(CHfcKey*, int a, int b) override {
        chars.push_back(a * 1000 + b);
        return true;
    }
    std::vector<int> chars;
};

TEST_F(Window, RawKeysWithoutAFocusReachTheKeySingletonMapped) {
    MakeWindow();
    KeyRecorder recorder;
    CHfcKey::GetInstance()->SetListener(&recorder);
    const std::pair<int, int> cases[] = {{28, 37}, {29, 39}, {30, 38}, {31, 40},  {127, 46},
                                         {8, 8},   {13, 13}, {27, 27}, {'a', 'a'}};
    for (const auto& [raw, mapped] : cases) {
        recorder.chars.clear();
        m_screen.KeyDown(raw, 0);
        m_screen.KeyDown(raw, 0, true);  // repeat too
        m_screen.KeyUp(raw, 0);          // never on key-up
        EXPECT_EQ(recorder.chars, (std::vector<int>{mapped * 1000, mapped * 1000})) << raw;
    }
    CHfcKey::GetInstance()->SetListener(nullptr);
}

TEST_F(Window, DragsWalkTheLayersBottomUpAndStopAtTheFirstTaker) {
    CTestWindow* w = MakeWindow(0, 0);
    ASSERT_TRUE(w->HasDragHandlers());
    HfcLog log;
    CRecordingLayer bottom("bottom", &log, true), top("top", &log, true);
    bottom.Create(0, 0, 320, 200, w);
    top.Create(0, 0, 320, 200, w);
    bottom.Show(false);
    top.Show(false);
    FSRef file{};
    std::snprintf(file.path, sizeof file.path, "/tmp/a.Xall");
    EXPECT_EQ(m_screen.InjectDrag(2, 5, 6, {file}), 0);
    EXPECT_EQ(log, (HfcLog{"bottom:drag-enter 5,6"}));
    log.clear();
    EXPECT_EQ(m_screen.InjectDrag(5, 5, 6, {file}), 2);  // copy
    EXPECT_EQ(log, (HfcLog{"bottom:drop 5,6"}));
    EXPECT_EQ(CHfcMouse::GetCursorIndex(), 1);  // the copy arrow
    // Without the drag singleton at install time, drags are not reported.
    w->MacUninstallDragEventHandler();
    log.clear();
    EXPECT_EQ(m_screen.InjectDrag(5, 5, 6, {file}), 0);
    EXPECT_TRUE(log.empty());
}

TEST_F(Window, HandlersThatRemoveLayersDuringTheWalkKeepOrderAndMemory) {
    CTestWindow* w = MakeWindow(0, 0);
    HfcLog log;
    auto a = std::make_unique<CRecordingLayer>("a", &log, false);
    auto b = std::make_unique<CRecordingLayer>("b", &log, false);
    auto c = std::make_unique<CRecordingLayer>("c", &log, false);
    for (auto* l : {a.get(), b.get(), c.get()}) {
        l->Create(0, 0, 100, 100, w);
        l->Show(false);
    }
    // c (the top) removes b and itself while handling the press.
    class Remover : public CRecordingLayer {
    public:
        using CRecordingLayer::CRecordingLayer;
        bool OnHfcMouseLButtonDown(CHfcMouse* m, int x, int y, int mods) override {
            CRecordingLayer::OnHfcMouseLButtonDown(m, x, y, mods);
            GetWindow()->RemoveLayer(victim, false);
            GetWindow()->RemoveLayer(this, false);
            return false;
        }
        CHfcWindowLayer* victim = nullptr;
    };
    auto remover = std::make_unique<Remover>("r", &log, false);
    remover->Create(0, 0, 100, 100, w);
    remover->Show(false);
    remover->victim = b.get();
    m_screen.MoveTo(5, 5);
    log.clear();
    m_screen.ButtonDown();
    b.reset();  // freed right away: the walk must not touch it
    EXPECT_EQ(log, (HfcLog{"r:down 5,5", "c:down 5,5", "a:down 5,5"}));
    EXPECT_EQ(w->GetNumLayers(), 2);
}

TEST_F(Window, WithoutAFrameOperationsRefuse) {
    CTestWindow w;
    tagHfcPoint p = {1, 2};
    EXPECT_FALSE(w.Show());
    EXPECT_FALSE(w.Hide());
    EXPECT_FALSE(w.Destroy());
    EXPECT_FALSE(w.GlobalToLocal(&p));
    EXPECT_FALSE(w.SetTitle("x"));
    EXPECT_FALSE(w.Resize(10, 10, true));
    w.Update(nullptr);
    w.FlushUpdateRect();
    tagHfcRect r = {7, 7, 7, 7};
    w.GetClientRect(&r);
    EXPECT_EQ(r.left, 7);
    EXPECT_FALSE(w.Activate());
    EXPECT_FALSE(w.IsWindowActive());
}

TEST_F(Window, TitlesFramesAndTheDisposePath) {
    CTestWindow* w = MakeWindow(30, 40, 200, 100);
    char title[300];
    EXPECT_TRUE(w->SetTitle(std::string(300, 'x').c_str()));
    ASSERT_TRUE(w->GetTitle(title));
    EXPECT_EQ(std::string(title).size(), 255u);
    EXPECT_TRUE(w->SetTitle("Tolva"));
    EXPECT_EQ(w->FindChildWindow("Tolva"), w);
    EXPECT_EQ(w->FindChildWindow("none"), nullptr);
    tagHfcRect rect;
    w->GetWindowRect(&rect);
    EXPECT_EQ(rect, (tagHfcRect{30, 40, 230, 140}));
    tagHfcPoint p = {35, 45};
    ASSERT_TRUE(w->GlobalToLocal(&p));
    EXPECT_EQ(p.x, 5);
    EXPECT_EQ(p.y, 5);
    EXPECT_FALSE(w->Create("again", 0, 0, 10, 10, 0, nullptr, nullptr, nullptr));  // exists
    EXPECT_EQ(w->MacAttrToWindowAttributes(0xFFFFFFFF), 0x1F27003Fu | 0x02000000u);

    // A window that deletes itself on dispose: Destroy runs OnDestroy, then deletes.
    class SelfDeleting : public CHfcWindow {
    public:
        explicit SelfDeleting(int* destroyed) : m_destroyed(destroyed) {}
        void OnDestroy() override {
            ++*m_destroyed;
            CHfcWindow::OnDestroy();
        }
        int* m_destroyed;
    };
    int destroyed = 0;
    auto* own = new SelfDeleting(&destroyed);
    ASSERT_TRUE(own->Create("own", 0, 0, 50, 50, 0, nullptr, nullptr, nullptr));
    HfcLog log;
    CRecordingLayer layer("l", &log);
    layer.Create(0, 0, 10, 10, own);
    EXPECT_TRUE(own->Destroy());  // deleted here (ASan sees any later use)
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(layer.GetWindow(), nullptr);  // detached by OnDestroy

    // OnCreate refusing: no window, nothing deleted under the caller.
    class Refusing : public CHfcWindow {
    public:
        bool OnCreate() override { return false; }
    };
    Refusing refusing;
    EXPECT_FALSE(refusing.Create("no", 0, 0, 10, 10, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(refusing.GetFrame(), nullptr);
}

}  // namespace
