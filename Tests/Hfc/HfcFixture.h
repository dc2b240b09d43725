#pragma once
// A headless screen, the input singletons and a stepped toolkit clock for window and control tests,
// with recording layers and controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Linux/RunLoop.h"

using HfcLog = std::vector<std::string>;

inline std::string HfcPointText(const char* what, int x, int y) {
    return std::string(what) + " " + std::to_string(x) + "," + std::to_string(y);
}

// The toolkit clock the tests step.
struct HfcTestClock {
    static uint32_t& Now() {
        static uint32_t now = 100000;
        return now;
    }
    static uint32_t Read() { return Now(); }
};

// A window that owns its frame and is deleted by the test, not by its dispose handler.
class CTestWindow : public CHfcWindow {
public:
    CTestWindow() { m_bDeleteOnDispose = false; }
    void OnPostUpdate(CHfcDrawContext* context, tagHfcRect* rect) override {
        ++postUpdates;
        if (onPaint) onPaint();
        CHfcWindow::OnPostUpdate(context, rect);
    }
    int postUpdates = 0;
    std::function<void()> onPaint;
};

// A layer filled with one colour that records what reaches it.
class CRecordingLayer : public CHfcWindowLayer {
public:
    CRecordingLayer(const char* name, HfcLog* log, bool consume = true)
        : m_name(name), m_log(log), m_consume(consume) {}
    void Fill(uint32_t argb) {
        GetContext()->SetBrushColor(argb);
        GetContext()->FillRect(0, 0, GetWidth(), GetHeight());
    }
    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) override { return Note("down", x, y); }
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse*, int x, int y, int) override { return Note("double", x, y); }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int) override { return Note("up", x, y); }
    bool OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int) override { return Note("rdown", x, y); }
    bool OnHfcMouseMove(CHfcMouse*, int x, int y, int) override { return Note("move", x, y); }
    bool OnHfcMouseWheelMoved(CHfcMouse*, int x, int y, int, int axis, int delta) override {
        return Note(("wheel " + std::to_string(axis) + "/" + std::to_string(delta)).c_str(), x, y);
    }
    bool OnHfcDragTrackingEnterWindow(CHfcDrag*, CHfcDragFlavor*, int x, int y, int, int*) override {
        return Note("drag-enter", x, y);
    }
    bool OnHfcDragReceive(CHfcDrag*, CHfcDragFlavor*, int x, int y, int, int* result) override {
        *result = 2;
        return Note("drop", x, y);
    }
    bool Note(const char* what, int x, int y) {
        if (m_log != nullptr) m_log->push_back(m_name + ":" + HfcPointText(what, x, y));
        return m_consume;
    }
    using CHfcMouseListener::OnHfcMouseWheelMoved;
    std::string m_name;
    HfcLog* m_log;
    bool m_consume;
};

// A control that records its mouse, key and drag calls and fills its rectangle when drawn.
class CRecordingControl : public CHfcControl {
public:
    CRecordingControl(const char* name, HfcLog* log, bool consume = true)
        : m_name(name), m_log(log), m_consume(consume) {}
    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) override { return Note("down", x, y); }
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse*, int x, int y, int) override { return Note("double", x, y); }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int) override { return Note("up", x, y); }
    bool OnHfcMouseRButtonDown(CHfcMouse*, int x, int y, int) override { return Note("rdown", x, y); }
    bool OnHfcMouseMove(CHfcMouse*, int x, int y, int) override { return Note("move", x, y); }
    bool OnHfcMouseWheelMoved(CHfcMouse*, int x, int y, int, int axis, int delta) override {
        return Note(("wheel " + std::to_string(axis) + "/" + std::to_string(delta)).c_str(), x, y);
    }
    bool OnHfcMouseLostCapture(CHfcMouse*) override {
        m_log->push_back(m_name + ":lost-capture");
        return true;
    }
    bool OnHfcDragTrackingEnterWindow(CHfcDrag*, CHfcDragFlavor*, int x, int y, int, int*) override {
        return NoteDrag("enter", x, y);
    }
    bool OnHfcDragTrackingInWindow(CHfcDrag*, CHfcDragFlavor*, int x, int y, int, int*) override {
        return NoteDrag("in", x, y);
    }
    bool OnHfcDragTrackingLeaveWindow(CHfcDrag*) override {
        m_log->push_back(m_name + ":leave");
        return false;
    }
    bool OnHfcDragReceive(CHfcDrag*, CHfcDragFlavor*, int x, int y, int, int* result) override {
        *result = 2;
        return NoteDrag("receive", x, y) || m_takesDrop;
    }
    bool OnKeyDown(int ch, int vkey, int modifiers) override {
        m_log->push_back(m_name + ":own-down " + std::to_string(ch) + "/" + std::to_string(vkey) + "/" +
                         std::to_string(modifiers));
        return false;
    }
    bool OnKeyChar(int ch) override {
        m_log->push_back(m_name + ":own-char " + std::to_string(ch));
        return false;
    }
    void Draw(CHfcDrawContext* context) override {
        ++draws;
        context->SetBrushColor(m_colour);
        context->FillRect(&m_rect);
    }
    void Erase(CHfcDrawContext* context) override {
        ++erases;
        context->ClearRect(&m_rect);
    }
    bool Note(const char* what, int x, int y) {
        m_log->push_back(m_name + ":" + HfcPointText(what, x, y));
        return m_consume;
    }
    bool NoteDrag(const char* what, int x, int y) {
        m_log->push_back(m_name + ":" + HfcPointText(what, x, y));
        return false;
    }
    using CHfcMouseListener::OnHfcMouseWheelMoved;
    std::string m_name;
    HfcLog* m_log;
    bool m_consume;
    bool m_takesDrop = false;
    uint32_t m_colour = 0xFF0000FF;
    int draws = 0;
    int erases = 0;
};

class HfcWindowFixture : public testing::Test {
protected:
    void SetUp() override {
        HfcTestClock::Now() = 100000;
        m_oldClock = HfcSetSystemTimeHook(&HfcTestClock::Read);
        m_screen.Install();
        CHfcMouse::Initialize(true);
        CHfcKey::Initialize();
        CHfcDrag::Initialize();
    }
    void TearDown() override {
        m_window.reset();
        CHfcDrag::Uninitialize();
        CHfcKey::Uninitialize();
        CHfcMouse::Uninitialize();
        HfcSetSystemTimeHook(m_oldClock);
    }
    // A shown window of width x height at (x, y) on the screen, focused.
    CTestWindow* MakeWindow(int x = 100, int y = 80, int width = 320, int height = 200) {
        m_window = std::make_unique<CTestWindow>();
        EXPECT_TRUE(m_window->Create("test", x, y, width, height, 0, nullptr, nullptr, nullptr));
        m_window->Show();
        m_window->Activate();
        return m_window.get();
    }
    CHfcHeadlessFrame* Frame() { return static_cast<CHfcHeadlessFrame*>(m_window->GetFrame()); }
    uint32_t Pixel(int x, int y) { return m_window->GetFrame()->GetBackBuffer()->GetPixel(x, y); }
    void Advance(uint32_t ms) { HfcTestClock::Now() += ms; }

    RunLoop m_loop;
    CHfcHeadlessScreen m_screen{1024, 768};
    std::unique_ptr<CTestWindow> m_window;
    HfcSystemTimeHook m_oldClock = nullptr;
};

inline bool operator==(const tagHfcRect& a, const tagHfcRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline std::ostream& operator<<(std::ostream& os, const tagHfcRect& r) {
    return os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}
