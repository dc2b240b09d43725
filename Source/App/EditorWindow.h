#pragma once
// The program's editor window: a strip of menus across the top (File, Audio, Window) and below it
// the frame the plug-in's editor view is opened in. Closing the window is the owner's business (the
// program ends). Main thread only.
#include <cstdint>
#include <functional>

#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Host/Shell/ShellCore.h"

// Where the strip's menus are, shared with tests that click them.
struct EditorWindowLayout {
    static constexpr int kMenuHeight = 24;
    static constexpr int kTitleLeft = 6;
    static constexpr int kTitleWidth = 64;
    static constexpr int TitleLeft(int menu) { return kTitleLeft + menu * kTitleWidth; }
    enum : int { kFileMenu = 0, kAudioMenu = 1, kWindowMenu = 2, kMenuCount = 3 };
};

// One item of a strip menu: its command (0 a separator) and text.
struct EditorMenuItem {
    uint32_t command;
    const char* text;
};
// The items of a menu, ending with a {0, nullptr} row.
const EditorMenuItem* EditorMenuItems(int menu);
const char* EditorMenuTitle(int menu);
// The top of an item within its open menu (rows of the toolkit's menu window).
int EditorMenuItemTop(int menu, int item);

class CEditorWindow final : public CHfcWindow {
public:
    struct Client {
        std::function<void(uint32_t)> command;    // a menu command was chosen
        std::function<bool(uint32_t)> isEnabled;  // whether an item is enabled
        std::function<void()> close;              // the user closes the window
        std::function<void()> gone;               // the window went away by itself
    };

    explicit CEditorWindow(Client client);
    ~CEditorWindow() override;

    // The window of the view's size (plus the menu strip) at (x, y) on the screen, titled, shown,
    // with the view's frame in it. False when either frame cannot be made.
    bool Open(const char* title, int x, int y, int viewWidth, int viewHeight);
    void Close();
    // The frame's id for the plug-in's view.
    uintptr_t ViewParentId() const;
    // The view asks for another size.
    void ResizeView(int width, int height);
    // Opens menu n as a click on its title does; returns the command chosen (0 none).
    uint32_t TrackMenu(int menu);

    void OnPlatformEvent(const HfcPlatformEvent& event) override;

private:
    class Strip;
    void DrawStrip(int highlighted);

    Client m_client;
    Strip* m_strip = nullptr;
    IHfcFrame* m_viewFrame = nullptr;
    bool m_closing = false;
};
