#include <gtest/gtest.h>

#include "HfcFixture.h"

namespace {

TEST(Input, ModifiersFromTheWindowSystemState) {
    struct Case {
        unsigned xState;  // Shift 1, Control 4, Mod1 8, Mod4 0x40
        int keys;
        int drag;
    };
    const Case cases[] = {
        {0x00, 0, 0},  {0x01, 1, 1}, {0x04, 2, 2},  {0x05, 3, 3},  // shift + command
        {0x08, 4, 4},  {0x40, 8, 0}, {0x48, 12, 4},                // option + control; drags drop control
        {0x4D, 15, 7}, {0x02, 0, 0}, {0x10, 0, 0},                 // Lock and NumLock count for nothing
    };
    for (const Case& c : cases) {
        const uint32_t mac = HfcX11StateToMacModifiers(c.xState);
        EXPECT_EQ(CHfcMouse::MacConvertKeyModifiers(mac), c.keys) << c.xState;
        EXPECT_EQ(CHfcMouse::MacConvertDragModifiers(mac), c.drag) << c.xState;
    }
}

TEST(Input, KeysymsToCharacterAndVirtualKey) {
    struct Case {
        unsigned long keysym;
        int ch, vkey;
    };
    const Case cases[] = {
        {0xff0d, 13, 0},  {0xff8d, 13, 13}, {0xff08, 8, 8},   {0xff1b, 27, 27},  {0xff51, 28, 37},
        {0xff53, 29, 39}, {0xff52, 30, 38}, {0xff54, 31, 40}, {0xffff, 127, 46}, {0xff9f, 127, 46},
        {0x20, 32, 0},    {0x7e, 126, 0},   {'a', 'a', 0},    {0xe9, 0, 0},      {0xffbe, 0, 0},
    };
    for (const Case& c : cases) {
        int ch = -1, vkey = -1;
        HfcKeysymToKey(c.keysym, &ch, &vkey);
        EXPECT_EQ(ch, c.ch) << std::hex << c.keysym;
        EXPECT_EQ(vkey, c.vkey) << std::hex << c.keysym;
    }
}

class FocusRecorder : public CHfcKeyFocusListener {
public:
    FocusRecorder(const char* name, HfcLog* log) : m_name(name), m_log(log) {}
    void OnHfcKeySetFocus(CHfcKeyFocus*) override { m_log->push_back(m_name + ":set"); }
    void OnHfcKeyLostFocus(CHfcKeyFocus* focus) override {
        m_log->push_back(m_name + ":lost");
        if (onLost) onLost(focus);
    }
    bool OnHfcKeyDown(CHfcKeyFocus*, int ch, int vkey, int mods) override {
        m_log->push_back(m_name + ":down " + std::to_string(ch) + "/" + std::to_string(vkey) + "/" +
                         std::to_string(mods));
        return false;
    }
    bool OnHfcKeyUp(CHfcKeyFocus*, int ch, int vkey, int) override {
        m_log->push_back(m_name + ":up " + std::to_string(ch) + "/" + std::to_string(vkey));
        return false;
    }
    bool OnHfcKeyChar(CHfcKeyFocus*, int ch) override {
        m_log->push_back(m_name + ":char " + std::to_string(ch));
        return true;
    }
    std::string m_name;
    HfcLog* m_log;
    std::function<void(CHfcKeyFocus*)> onLost;
};

class KeyFocus : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        w = MakeWindow();
    }
    CTestWindow* w = nullptr;
    HfcLog log;
};

TEST_F(KeyFocus, KeysReachTheFocusWithCharactersOnlyForTyping) {
    FocusRecorder a("a", &log);
    ASSERT_TRUE(w->SetFocus(&a));
    struct Case {
        unsigned long keysym;
        HfcLog expected;
    };
    const Case cases[] = {
        {0xff8d, {"a:down 13/13/0", "a:up 13/13"}},              // keypad Enter
        {0xff0d, {"a:down 13/0/0", "a:up 13/0"}},                // Return
        {0x20, {"a:down 32/0/0", "a:char 32", "a:up 32/0"}},     // space: down, then char
        {0x7e, {"a:down 126/0/0", "a:char 126", "a:up 126/0"}},  // tilde
        {0xffff, {"a:down 127/46/0", "a:up 127/46"}},            // delete: no char
        {0xff1b, {"a:down 27/27/0", "a:up 27/27"}},              // escape: no char
    };
    for (const Case& c : cases) {
        log.clear();
        int ch = 0, vkey = 0;
        HfcKeysymToKey(c.keysym, &ch, &vkey);
        m_screen.Key(ch, vkey);
        EXPECT_EQ(log, c.expected) << std::hex << c.keysym;
    }
    // Character 3 counts as keypad Enter; a shortcut (Control held) types nothing.
    log.clear();
    m_screen.Key(3, 13);
    m_screen.SetModifiers(kHfcMacCmdKey);
    m_screen.Key('c', 0);
    m_screen.SetModifiers(0);
    EXPECT_EQ(log, (HfcLog{"a:down 13/13/0", "a:up 13/13", "a:down 99/0/2", "a:up 99/0"}));
    // A repeat is a down (and types).
    log.clear();
    m_screen.KeyDown('z', 0, true);
    EXPECT_EQ(log, (HfcLog{"a:down 122/0/0", "a:char 122"}));
}

TEST_F(KeyFocus, SwitchingAndReleasingTellEachListenerOnce) {
    FocusRecorder a("a", &log), b("b", &log), c("c", &log);
    ASSERT_TRUE(w->SetFocus(&a));
    ASSERT_TRUE(w->SetFocus(&a));  // the same listener: nothing new
    EXPECT_EQ(log, (HfcLog{"a:set"}));
    log.clear();
    ASSERT_TRUE(w->SetFocus(&b));
    EXPECT_EQ(log, (HfcLog{"a:lost", "b:set"}));
    // b releases the focus from inside its own lost-focus call (as an edit field leaving edit does).
    b.onLost = [&](CHfcKeyFocus*) { w->ReleaseFocus(&b); };
    log.clear();
    ASSERT_TRUE(w->SetFocus(&c));
    EXPECT_EQ(log, (HfcLog{"b:lost", "c:set"}));
    EXPECT_TRUE(w->IsFocused(&c));
    // Release: told once, even when the listener releases again from the call.
    c.onLost = [&](CHfcKeyFocus*) { w->ReleaseFocus(nullptr); };
    log.clear();
    EXPECT_TRUE(w->ReleaseFocus(nullptr));
    EXPECT_EQ(log, (HfcLog{"c:lost"}));
    EXPECT_FALSE(w->ReleaseFocus(nullptr));
    EXPECT_FALSE(w->IsFocused(nullptr));
    // Releasing for a listener that does not hold it does nothing.
    w->SetFocus(&a);
    log.clear();
    EXPECT_FALSE(w->ReleaseFocus(&b));
    EXPECT_TRUE(log.empty());
    // The frame losing and getting the input focus back.
    m_screen.Deactivate();
    w->Activate();
    EXPECT_EQ(log, (HfcLog{"a:lost", "a:set"}));
}

class CaptureRecorder : public CHfcMouseListener {
public:
    bool OnHfcMouseLostCapture(CHfcMouse*) override {
        ++lost;
        return true;
    }
    int lost = 0;
};

TEST_F(KeyFocus, CaptureCursorsAndRawListeners) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    CaptureRecorder a, b;
    mouse->SetCapture(&a, w);
    mouse->SetCapture(&a, w);  // the same holder: told once, keeps it
    EXPECT_EQ(a.lost, 1);
    EXPECT_EQ(mouse->GetCapture(), &a);
    mouse->SetCapture(&b, w);
    EXPECT_EQ(a.lost, 2);
    mouse->ReleaseCapture();
    EXPECT_EQ(b.lost, 1);
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    mouse->ReleaseCapture();
    EXPECT_EQ(b.lost, 1);

    CHfcMouse::SetCursorById(17);
    EXPECT_EQ(CHfcMouse::GetCursorIndex(), 17);
    EXPECT_EQ(m_screen.GetCursor(), 17);
    for (int id : {128, -1, 18, 127}) CHfcMouse::SetCursorById(id);
    EXPECT_EQ(CHfcMouse::GetCursorIndex(), 17);
    // Reference counts: a second Initialize keeps the instance.
    EXPECT_TRUE(CHfcMouse::Initialize(false));
    EXPECT_EQ(CHfcMouse::GetInstance(), mouse);
    EXPECT_FALSE(CHfcMouse::Uninitialize());
    EXPECT_NE(CHfcMouse::GetInstance(), nullptr);
}

TEST(InputDrag, FlavorItemsKeepTheirIndexes) {
    CHfcDragFlavor flavor;
    ASSERT_TRUE(flavor.Create(32, 32));
    EXPECT_FALSE(flavor.Create(32, 32));
    FSRef one{}, two{};
    std::snprintf(one.path, sizeof one.path, "/tmp/one.Xall");
    std::snprintf(two.path, sizeof two.path, "/tmp/two.Xall");
    flavor.AddMacFSRef(&one, 1);
    flavor.AddMacFSRef(&two, 2);
    const char text[] = "data";
    flavor.AddData(HfcFourCC('T', 'E', 'X', 'T'), text, 4, -1);
    ASSERT_EQ(flavor.GetItems().size(), 3u);
    EXPECT_EQ(flavor.GetItems()[0].type, HfcFourCC('F', 'I', 'L', 'E'));
    EXPECT_EQ(flavor.GetItems()[0].index, 1);
    EXPECT_EQ(flavor.GetItems()[1].index, 2);
    EXPECT_STREQ(flavor.GetItems()[1].ref.path, "/tmp/two.Xall");
    EXPECT_EQ(flavor.GetItems()[2].index, 2);  // -1 stores the count so far
    EXPECT_TRUE(flavor.Destroy());
    EXPECT_TRUE(flavor.GetItems().empty());
    EXPECT_FALSE(flavor.Destroy());
}

class FileDropControl : public CRecordingControl {
public:
    using CRecordingControl::CRecordingControl;
    bool OnHfcDragReceive(CHfcDrag*, CHfcDragFlavor* flavor, int, int, int, int* result) override {
        for (const auto& item : flavor->GetItems()) {
            m_log->push_back(std::string(item.ref.path) + "#" + std::to_string(item.index));
        }
        *result = 2;
        return true;
    }
};

TEST_F(KeyFocus, TwoDroppedFilesReachTheControlAsTwoItems) {
    CRecordingLayer layer("layer", &log);
    layer.Create(0, 0, 320, 200, w);
    layer.Show(false);
    FileDropControl drop("drop", &log);
    drop.Create(10, 10, 50, 50, 1);
    drop.Show(false);
    layer.AddControl(&drop, false);
    FSRef a{}, b{};
    std::snprintf(a.path, sizeof a.path, "/tmp/a.Xall");
    std::snprintf(b.path, sizeof b.path, "/tmp/b.XALL");
    EXPECT_EQ(m_screen.InjectDrag(5, 100 + 20, 80 + 20, {a, b}), 2);
    EXPECT_EQ(log, (HfcLog{"/tmp/a.Xall#1", "/tmp/b.XALL#2"}));
}

// The whole path: injected input routed through two layers to the right controls.
TEST_F(KeyFocus, InputRoutedThroughLayersToTheRightControl) {
    CRecordingLayer back("back", &log), front("front", &log, false);
    back.Create(0, 0, 320, 200, w);
    front.Create(160, 0, 160, 200, w);
    CRecordingControl left("left", &log), right("right", &log);
    left.Create(10, 10, 40, 40, 1);
    right.Create(10, 10, 40, 40, 2);
    back.AddControl(&left, false);
    front.AddControl(&right, false);
    for (CHfcControl* c : {static_cast<CHfcControl*>(&left), static_cast<CHfcControl*>(&right)}) {
        c->Show(false);
        c->Enable(false);
    }
    back.Show(false);
    front.Show(false);
    const int wx = 100, wy = 80;  // the window's origin
    log.clear();
    m_screen.MoveTo(wx + 20, wy + 20);
    m_screen.Click();
    m_screen.MoveTo(wx + 160 + 25, wy + 30);
    m_screen.DoubleClick();
    m_screen.Wheel(1);
    m_screen.Click(2);
    EXPECT_EQ(log, (HfcLog{"left:move 10,10", "left:down 10,10", "left:up 10,10", "right:move 15,20",
                           "right:down 15,20", "right:up 15,20", "right:double 15,20", "right:up 15,20",
                           "right:wheel 1/1 15,20", "right:rdown 15,20"}));
    // A control drags with the capture beyond its layer.
    CHfcMouse::GetInstance()->SetCapture(&right, w);
    log.clear();
    m_screen.ButtonDown();
    m_screen.MoveTo(wx + 5, wy + 190);
    m_screen.ButtonUp();
    EXPECT_EQ(log, (HfcLog{"right:down 15,20", "right:move -165,180", "right:up -165,180"}));
    CHfcMouse::GetInstance()->ReleaseCapture();
}

}  // namespace

namespace {

class RawListener : public CHfcMouseListener {
public:
    RawListener(const char* name, HfcLog* log) : m_name(name), m_log(log) {}
    bool OnHfcMouseMacMouseMove(CHfcMouse* mouse, const HfcPlatformEvent* event) override {
        m_log->push_back(m_name + ":raw " + std::to_string(event->rootX));
        if (removeSelf) mouse->MacRemoveEventListener(this);
        return false;
    }
    bool OnHfcMouseMacMouseWheelMove(CHfcMouse*, const HfcPlatformEvent* event) override {
        m_log->push_back(m_name + ":raw-wheel " + std::to_string(event->delta));
        return true;
    }
    std::string m_name;
    HfcLog* m_log;
    bool removeSelf = false;
};

TEST_F(KeyFocus, PluginModeRawListenersMayLeaveDuringTheWalk) {
    // The editor of the plug-in runs the mouse in its plug-in mode.
    CHfcMouse::Uninitialize();
    CHfcMouse::Initialize(false);
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    RawListener a("a", &log), b("b", &log);
    a.removeSelf = true;
    mouse->MacAddEventListener(&a);
    mouse->MacAddEventListener(&b);
    m_screen.MoveTo(150, 100);
    m_screen.MoveTo(160, 100);
    m_screen.Wheel(-1);
    EXPECT_EQ(log, (HfcLog{"a:raw 150", "b:raw 150", "b:raw 160", "b:raw-wheel -1"}));
    mouse->MacRemoveEventListener(&b);
    CHfcMouse::Uninitialize();
    CHfcMouse::Initialize(true);
}

TEST_F(KeyFocus, ApplicationModeSendsStrayReleasesToTheCapture) {
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    CRecordingControl c("c", &log);
    c.Create(0, 0, 10, 10, 1);
    c.Enable(false);
    mouse->SetCapture(&c, w);
    HfcPlatformEvent up;
    up.kind = HfcEventKind::MouseUp;
    up.button = 1;
    up.rootX = 7;
    up.rootY = 8;
    EXPECT_EQ(mouse->OnMacMouseUp(up), kHfcEventNotHandledErr);
    up.button = 2;  // other buttons are ignored
    mouse->OnMacMouseUp(up);
    HfcPlatformEvent moved;
    moved.kind = HfcEventKind::MouseMoved;
    moved.rootX = 3;
    moved.rootY = 4;
    EXPECT_EQ(mouse->OnMacMouseMoved(moved), kHfcNoErr);  // the capture handled it
    EXPECT_EQ(mouse->OnMacMouseDown(up), kHfcEventNotHandledErr);
    EXPECT_EQ(log, (HfcLog{"c:up 7,8", "c:move 3,4"}));
    mouse->ReleaseCapture();
    // The key singleton forgets its listener when it loses the keys, telling it once.
    class Lost : public CHfcKeyListener {
    public:
        bool OnHfcKeyLostFocus(CHfcKey*) override {
            ++lost;
            return true;
        }
        int lost = 0;
    } listener;
    CHfcKey::GetInstance()->SetListener(&listener);
    CHfcKey::GetInstance()->OnKeyLostFocus();
    CHfcKey::GetInstance()->OnKeyLostFocus();
    EXPECT_EQ(listener.lost, 1);
    EXPECT_EQ(CHfcKey::GetInstance()->GetListener(), nullptr);
    EXPECT_FALSE(CHfcKey::GetInstance()->OnKeyChar('a', 0));
}

}  // namespace
