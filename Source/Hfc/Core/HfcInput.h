#pragma once
// The toolkit's input sources: the mouse singleton (capture, cursors, raw listeners), the key singleton,
// the key focus of one window, and drags with their items. Main thread only; the raw listener list of
// the mouse is guarded by a lock all the same.
#include <cstdint>
#include <vector>

#include "Hfc/Base/HfcFsRef.h"
#include "Hfc/Core/HfcListeners.h"
#include "Hfc/Core/HfcPlatform.h"
#include "Linux/Sync.h"

class CHfcWindow;
class CHfcOffscreenContext;

// Platform status codes of the event handlers.
enum : int { kHfcNoErr = 0, kHfcEventNotHandledErr = -9874 };

class CHfcMouse {
public:
    // Reference counted: the first Initialize makes the instance (appMode: mouse-up, moves and drags
    // outside our windows go to the capture; plug-in mode: raw moves and wheel go to the listeners).
    static bool Initialize(bool appMode);
    static bool Uninitialize();
    static CHfcMouse* GetInstance();

    // The listener becomes the capture; the previous one (even the same) is then told it lost it.
    void SetCapture(CHfcMouseListener* listener, CHfcWindow* window);
    // The capture is told it lost it, then cleared.
    void ReleaseCapture();
    virtual void OnLostCaptureBySystem();
    CHfcMouseListener* GetCapture() const { return m_pCapture; }
    bool IsAppMode() const { return m_bAppMode; }

    // Theme cursors 0-17; ids 0-127 map to the index of the same number.
    static void SetCursorByIndex(int index);
    static void SetCursorById(int id);
    // The theme cursor set last (-1 none yet).
    static int GetCursorIndex();

    void MacAddEventListener(CHfcMouseListener* listener);
    void MacRemoveEventListener(CHfcMouseListener* listener);

    // Carbon modifier word to the toolkit's bits (1 shift, 2 command, 4 option, 8 control); drags
    // never report control.
    static int MacConvertKeyModifiers(uint32_t modifiers);
    static int MacConvertDragModifiers(uint32_t modifiers);

    // Events that reached no window (application mode) and raw events (plug-in mode).
    virtual int OnMacMouseDown(const HfcPlatformEvent& event);
    virtual int OnMacMouseUp(const HfcPlatformEvent& event);
    virtual int OnMacMouseMoved(const HfcPlatformEvent& event);
    virtual int OnMacMouseDragged(const HfcPlatformEvent& event);
    virtual int OnMacMouseWheelMoved(const HfcPlatformEvent& event);
    virtual int OnMacMouseMoved2(const HfcPlatformEvent& event);

    // The record of the last event, filled by the window before it dispatches.
    CHfcWindow* m_pWindow = nullptr;
    int m_iGlobalX = 0;
    int m_iGlobalY = 0;
    int m_iLocalX = 0;
    int m_iLocalY = 0;
    int m_iModifiers = 0;

protected:
    explicit CHfcMouse(bool appMode);
    virtual ~CHfcMouse();

private:
    std::vector<CHfcMouseListener*> ListenersCopy();

    CHfcMouseListener* m_pCapture = nullptr;
    bool m_bAppMode;
    bool m_bTellingLoss = false;
    CHfcCriticalSection m_lock;
    std::vector<CHfcMouseListener*> m_listeners;
};

class CHfcKey {
public:
    static bool Initialize();
    static bool Uninitialize();
    static CHfcKey* GetInstance();

    // Does nothing.
    void ReleaseFocus() {}
    void SetListener(CHfcKeyListener* listener) { m_pListener = listener; }
    CHfcKeyListener* GetListener() const { return m_pListener; }

    virtual bool OnKeyDown(int a, int b);
    virtual bool OnKeyUp(int a, int b);
    virtual bool OnKeyChar(int a, int b);
    // Tells the listener it lost the keys and forgets it.
    virtual void OnKeyLostFocus();

protected:
    CHfcKey() = default;
    virtual ~CHfcKey() = default;

private:
    CHfcKeyListener* m_pListener = nullptr;
    int m_iValue = 0;
};

// The keyboard focus of one window: one listener gets the window's keys.
class CHfcKeyFocus {
public:
    explicit CHfcKeyFocus(CHfcWindow* window);
    ~CHfcKeyFocus();

    // False for a null listener or window, or when the window has no frame (the listener is kept).
    // A new listener: the old one is cleared first, then told it lost the focus (once). The system
    // focus is asserted in every case; the listener hears OnHfcKeySetFocus when the frame has it.
    bool SetFocus(CHfcKeyFocusListener* listener, CHfcWindow* window);
    // False without a listener; else the listener is cleared, then told it lost the focus (once).
    bool ReleaseFocus();
    void SetSystemKeyFocus();

    CHfcKeyFocusListener* GetListener() const { return m_pListener; }
    bool HasSystemFocus() const { return m_bHasSystemFocus; }

    // From the window: raw keys (down, repeat, up); true when the listener handled it.
    bool OnRawKey(const HfcPlatformEvent& event);
    // From the window: its frame got or lost the input focus.
    void OnFrameFocus(bool focused);

private:
    CHfcWindow* m_pWindow;
    CHfcKeyFocusListener* m_pListener = nullptr;
    bool m_bHasSystemFocus = false;
};

// Drag support: its existence switches incoming drags on.
class CHfcDrag {
public:
    static bool Initialize();
    static bool Uninitialize();
    static CHfcDrag* GetInstance();

private:
    CHfcDrag() = default;
};

class CHfcDragFlavor {
public:
    struct Item {
        uint32_t type;  // four-character code; 'FILE' for a file
        const void* data;
        int size;
        int index;
        FSRef ref;
    };

    CHfcDragFlavor();
    ~CHfcDragFlavor();
    bool Create(int width, int height);
    bool Destroy();
    // index -1 stores the item count instead.
    void AddMacFSRef(const FSRef* ref, int index);
    void AddData(uint32_t type, const void* data, int size, int index);

    const std::vector<Item>& GetItems() const { return m_items; }
    int m_iFromOutside = 0;

private:
    CHfcOffscreenContext* m_pImage = nullptr;
    std::vector<Item> m_items;
    bool m_bCreated = false;
};

constexpr uint32_t HfcFourCC(char a, char b, char c, char d) {
    return static_cast<uint32_t>(static_cast<uint8_t>(a)) << 24 |
           static_cast<uint32_t>(static_cast<uint8_t>(b)) << 16 |
           static_cast<uint32_t>(static_cast<uint8_t>(c)) << 8 |
           static_cast<uint32_t>(static_cast<uint8_t>(d));
}

// Keyboard mapping of the platform: an X keysym to (character, virtual key); 0/0 for keys that type
// nothing the toolkit knows (the key-down still happens).
void HfcKeysymToKey(unsigned long keysym, int* character, int* virtualKey);
// X modifier state (Shift 1, Control 4, Mod1 8, Mod4 0x40) to the Carbon word.
uint32_t HfcX11StateToMacModifiers(unsigned int state);

// Click counting of the backends: the same button again within 510 ms (30 ticks) and 4 pixels counts up.
class CHfcClickCounter {
public:
    int Press(uint32_t timeMs, int button, int rootX, int rootY);
    void Reset() { m_iCount = 0; }

private:
    uint32_t m_uTime = 0;
    int m_iButton = 0;
    int m_iX = 0;
    int m_iY = 0;
    int m_iCount = 0;
};
