#pragma once
// The bridge between a VST host's editor calls and a toolkit window: open makes our window a child of
// the host's window (on our own display connection, opened here when no platform is installed), an
// idle timer drives the editor (first after 1/6 s, then about 60 times a second), close undoes it all.
// The plug-in's editor derives from it, builds its layers in OnCreate and does its periodic work in
// OnIdle. Main thread only.
//
// Our child window gets its pointer, wheel and key events itself, so the host's mouse calls and the
// pointer polling are only for hosts that deliver no events. The window is never composited here.
//
// Closing while one of our nested loops runs (a menu, a message box, a file dialog, a transfer's
// progress): every such loop is ended, our window is taken down and the server synced before close
// returns, and the layers are torn down only once the loop is back at its outermost level.
#include <cstdint>

#include "Common/Plugin/AEffEditor.h"
#include "Hfc/Core/HfcWindow.h"
#include "Linux/RunLoop.h"

class CHfcVstEditor : public AEffEditor, public CHfcWindow, public CHfcKeyListener {
public:
    explicit CHfcVstEditor(AudioEffect* effect);
    ~CHfcVstEditor() override;

    // Live bridges in the process.
    static int sm_iRefCount;

    // The host's calls.
    bool getRect(ERect** rect) override;
    // False when no window could be made in the host's (no display, a parent the server does not
    // know); opening again without close first closes the old window.
    bool open(void* window) override;
    // Safe twice, and without open.
    void close() override;
    void idle() override;
    void draw(ERect* rect) override;
    VstInt32 mouse(VstInt32 x, VstIntPtr y) override;
    void top() override;
    void sleep() override;
    bool setKnobMode(VstInt32 mode) override;
    virtual void update();

    void Update(const tagHfcRect* rect) override;
    void GetClientRect(tagHfcRect* rect) override;
    bool OnCreate() override { return true; }
    virtual void OnIdle() {}
    bool IsWindowActive() override;
    bool IsMouseOnWindow() override;
    bool Resize(int width, int height, bool redraw) override;
    virtual void* GetMouse() { return m_pMouse; }
    virtual void ValueChanged(int, float) {}
    bool OnHfcMouseMacMouseMove(CHfcMouse* mouse, const HfcPlatformEvent* event) override;
    bool OnHfcMouseMacMouseWheelMove(CHfcMouse* mouse, const HfcPlatformEvent* event) override;

    // Set-up of the plug-in's editor: drags are available while it is initialised.
    virtual bool Initialize();
    virtual bool Uninitialize();
    // The size the editor opens with when no client rectangle was set.
    virtual void GetDefaultWindowSize(long* width, long* height);
    // Whether open installs the idle timer (on by default).
    void SetInstallTimer(bool install) { m_bInstallTimer = install; }

    bool IsEditorOpen() const { return m_bOpen; }
    bool IsActive() const { return m_bActive; }
    // Ticks of the idle timer that ran OnIdle, and ticks skipped because one was still running.
    int GetTickCount() const { return m_iTicks; }
    int GetSkippedTicks() const { return m_iSkippedTicks; }
    // Close has run and the teardown of the layers waits for the outermost loop.
    bool IsTeardownPending() const { return m_bTeardownPending; }

    // The timer's tick and the pointer polling (for hosts that deliver no pointer events).
    void MacIdle();
    void MacMouseMoveEmulate();
    bool MacInstallIdleTimer();
    void MacRemoveIdleTimer();

    // The double-click time in 1/60 s ticks.
    static uint32_t GetDblTime() { return 30; }

    void OnPlatformEvent(const HfcPlatformEvent& event) override;

protected:
    tagHfcRect m_rcClient{};

private:
    void FinishClose();
    void ReleaseHeld();
    void ScheduleTeardown();

    ERect m_rcHost{};
    void* m_pMouse = nullptr;
    bool m_bOpen = false;
    bool m_bActive = false;
    bool m_bIdleFromHost = true;
    RunLoop::TimerId m_timer = 0;
    RunLoop* m_pTimerLoop = nullptr;
    int m_iLastPollX = -1;
    int m_iLastPollY = -1;
    uint32_t m_uLastDownTime = 0;
    bool m_bInMouse = false;
    int m_iLastDownX = -1;
    int m_iLastDownY = -1;
    bool m_bInstallTimer = true;
    bool m_bInTick = false;
    bool m_bRealMotion = false;  // the frame reports pointer motion itself
    bool m_bSingletons = false;  // mouse and key singletons held by this editor
    bool m_bOwnsPlatform = false;
    bool m_bTeardownPending = false;
    const HfcPlatformEvent* m_pDelivering = nullptr;  // the event our frame is delivering now
    int m_iTicks = 0;
    int m_iSkippedTicks = 0;
};
