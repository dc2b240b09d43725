// The editor bridge on the headless screen, driven as a host drives it: open inside the host's window,
// the idle timer, close undoing everything, and the host closing the editor while one of our nested
// loops (message box, menu, file dialog) runs under a layer's handler.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Common/Plugin/AudioEffectX.h"
#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/HfcDialogDriver.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/Vst/HfcVstEditor.h"
#include "Support/ManualClock.h"

namespace {

// A layer that runs something on a click and, after it returns, writes to the log through itself
// (a freed layer would be caught by ASan there).
class CClickLayer : public CHfcWindowLayer {
public:
    CClickLayer(HfcLog* log) : m_log(log) {}
    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) override {
        m_log->push_back(m_name + HfcPointText(" down", x, y));
        if (onClick) {
            const std::string result = onClick();
            m_log->push_back(m_name + " after " + result);
        }
        return true;
    }
    std::function<std::string()> onClick;
    std::string m_name = "layer";
    HfcLog* m_log;
};

class CTestEditor : public CHfcVstEditor {
public:
    explicit CTestEditor(HfcLog* log) : CHfcVstEditor(nullptr), m_log(log) {
        HfcSetRect(&m_rcClient, 0, 0, 320, 200);
    }
    bool OnCreate() override {
        ++creates;
        layer = std::make_unique<CClickLayer>(m_log);
        layer->Create(0, 0, 320, 200, this);
        layer->GetContext()->SetBrushColor(0xFF204060);
        layer->GetContext()->FillRect(0, 0, 320, 200);
        layer->Show(false);
        return createResult;
    }
    void OnDestroy() override {
        ++destroys;
        CHfcVstEditor::OnDestroy();
        // As the plug-in's editor does: its layers go with the window.
        if (layer != nullptr) layer->Destroy();
        layer.reset();
    }
    void OnIdle() override {
        ++idles;
        if (onIdle) onIdle();
    }
    std::unique_ptr<CClickLayer> layer;
    std::function<void()> onIdle;
    bool createResult = true;
    int creates = 0;
    int destroys = 0;
    int idles = 0;
    HfcLog* m_log;
};

class RecordingFileListener : public CHfcFileDialogListener {
public:
    explicit RecordingFileListener(HfcLog* log) : m_log(log) {}
    void OnHfcFileDialogAction(CHfcFileDialog* dialog, int accepted, void*) override {
        FSRef ref{};
        const int err = dialog->MacGetItemFSRef(0, &ref);
        m_log->push_back("action " + std::to_string(accepted) + " items " +
                         std::to_string(dialog->GetNumItems()) + " err " + std::to_string(err));
    }
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) override {
        m_log->push_back("terminate");
        CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, userData);
    }
    HfcLog* m_log;
};

// A folder of its own holding one empty file "c", where the next file dialog starts; gone with it.
struct FolderWithAFile {
    FolderWithAFile() {
        char pattern[] = "/tmp/tolva-dialog-XXXXXX";
        if (mkdtemp(pattern) == nullptr) return;
        folder = pattern;
        file = folder + "/c";
        if (FILE* f = std::fopen(file.c_str(), "w")) std::fclose(f);
        HfcFileDialogSetStartFolder(folder.c_str());
    }
    ~FolderWithAFile() {
        std::remove(file.c_str());
        rmdir(folder.c_str());
    }
    bool Made() const { return !folder.empty() && access(file.c_str(), F_OK) == 0; }
    std::string folder;
    std::string file;
};

}  // namespace

class VstEditor : public testing::Test {
protected:
    void SetUp() override {
        HfcTestClock::Now() = 100000;
        m_oldClock = HfcSetSystemTimeHook(&HfcTestClock::Read);
        m_screen.Install();
        HfcInstallToolkitWindows();
        m_host = m_screen.CreateForeignWindow(50, 40, 900, 700);
        m_editor = std::make_unique<CTestEditor>(&m_log);
        m_refs = CHfcVstEditor::sm_iRefCount;
    }
    void TearDown() override {
        m_editor.reset();
        HfcUninstallToolkitWindows();
        HfcSetPlatform(nullptr);
        HfcSetSystemTimeHook(m_oldClock);
    }
    void* Host() { return reinterpret_cast<void*>(m_host); }
    // Runs fn as a posted task of the outermost loop, as a host's call on the UI thread runs, and
    // serves the loop until it is done.
    void AtTopLevel(const std::function<void()>& fn) {
        bool done = false;
        m_loop.Post(nullptr, [&] {
            fn();
            done = true;
        });
        ASSERT_TRUE(m_loop.RunUntil([&] { return done; }, 5000));
        m_loop.RunPending();
    }
    int ChildFrames() {
        int n = 0;
        for (CHfcHeadlessFrame* f : m_screen.Frames())
            if (f->GetKind() == HfcFrameKind::Child) ++n;
        return n;
    }
    void ClickButton(const char* text) { HfcClickDialogButton(m_screen, text); }

    ManualClock m_clock{1000};
    RunLoop m_loop{m_clock.Fn()};
    CHfcHeadlessScreen m_screen{1280, 1024};
    uintptr_t m_host = 0;
    HfcLog m_log;
    std::unique_ptr<CTestEditor> m_editor;
    int m_refs = 0;
    HfcSystemTimeHook m_oldClock = nullptr;
};

TEST_F(VstEditor, OpenMakesAChildThatTicksAndCloseUndoesEverything) {
    ERect* rect = nullptr;
    ASSERT_TRUE(m_editor->getRect(&rect));
    EXPECT_EQ(rect->right, 320);
    EXPECT_EQ(rect->bottom, 200);
    ASSERT_TRUE(m_editor->open(Host()));
    EXPECT_TRUE(m_editor->IsEditorOpen());
    EXPECT_TRUE(m_editor->isOpen());
    ASSERT_NE(m_editor->GetFrame(), nullptr);
    EXPECT_EQ(static_cast<CHfcHeadlessFrame*>(m_editor->GetFrame())->GetParentId(), m_host);
    EXPECT_NE(CHfcMouse::GetInstance(), nullptr);
    EXPECT_NE(CHfcKey::GetInstance(), nullptr);
    EXPECT_EQ(m_editor->creates, 1);
    // The first tick after 1/6 s, then every tick.
    m_clock.Advance(165);
    m_loop.RunPending();
    EXPECT_EQ(m_editor->idles, 0);
    m_clock.Advance(1);
    m_loop.RunPending();
    EXPECT_EQ(m_editor->idles, 1);
    m_clock.Advance(17);
    m_loop.RunPending();
    EXPECT_EQ(m_editor->idles, 2);
    // With the timer the host's idle does nothing.
    m_editor->idle();
    EXPECT_EQ(m_editor->idles, 2);
    // The layer shows in the host's window.
    m_screen.ExposeAll();
    EXPECT_EQ(m_screen.Snapshot()->GetPixel(60, 50), 0xFF204060u);

    m_editor->close();
    EXPECT_FALSE(m_editor->IsEditorOpen());
    EXPECT_FALSE(m_editor->isOpen());
    EXPECT_EQ(m_editor->GetFrame(), nullptr);
    EXPECT_EQ(ChildFrames(), 0);
    EXPECT_EQ(m_editor->destroys, 1);
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);
    EXPECT_EQ(CHfcKey::GetInstance(), nullptr);
    m_clock.Advance(100);
    m_loop.RunPending();
    EXPECT_EQ(m_editor->idles, 2);
    // Closing twice changes nothing; the object's count goes with it.
    m_editor->close();
    EXPECT_EQ(m_editor->destroys, 1);
    EXPECT_EQ(CHfcVstEditor::sm_iRefCount, m_refs);
    m_editor.reset();
    EXPECT_EQ(CHfcVstEditor::sm_iRefCount, m_refs - 1);
}

// The host closes the editor (or its connection breaks) while a control holds the mouse: the
// control's gesture ends as a release would end it, before the window goes.
TEST_F(VstEditor, CloseInTheMiddleOfAGestureEndsIt) {
    ASSERT_TRUE(m_editor->open(Host()));
    CRecordingControl control("key", &m_log);
    CHfcMouse::GetInstance()->SetCapture(&control, m_editor.get());
    m_log.clear();
    m_editor->close();
    EXPECT_EQ(m_log, HfcLog{"key:lost-capture"});
}

TEST_F(VstEditor, OpenWithoutAWindowFailsAndHoldsNothing) {
    // A parent the screen does not know.
    EXPECT_FALSE(m_editor->open(reinterpret_cast<void*>(uintptr_t{0x7777})));
    EXPECT_FALSE(m_editor->isOpen());
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);
    EXPECT_EQ(m_editor->creates, 0);
    EXPECT_FALSE(m_editor->open(nullptr));
    // No platform and no display to open one on.
    HfcSetPlatform(nullptr);
    const char* display = std::getenv("DISPLAY");
    const std::string saved = display != nullptr ? display : "";
    setenv("DISPLAY", ":65000", 1);
    EXPECT_FALSE(m_editor->open(Host()));
    if (display != nullptr) {
        setenv("DISPLAY", saved.c_str(), 1);
    } else {
        unsetenv("DISPLAY");
    }
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);
    EXPECT_EQ(HfcGetPlatform(), nullptr);
    m_editor->close();
    EXPECT_EQ(m_editor->destroys, 0);
}

TEST_F(VstEditor, OpeningTwiceMovesToTheNewParentAndOnCreateSayingNoKeepsTheWindow) {
    const uintptr_t other = m_screen.CreateForeignWindow(300, 300, 400, 300);
    ASSERT_TRUE(m_editor->open(Host()));
    ASSERT_TRUE(m_editor->open(reinterpret_cast<void*>(other)));
    EXPECT_EQ(ChildFrames(), 1);
    EXPECT_EQ(static_cast<CHfcHeadlessFrame*>(m_editor->GetFrame())->GetParentId(), other);
    EXPECT_EQ(m_editor->destroys, 1);
    m_editor->close();
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);  // counted once per open, released once per close

    m_editor->createResult = false;
    EXPECT_TRUE(m_editor->open(Host()));
    EXPECT_FALSE(m_editor->IsEditorOpen());
    EXPECT_EQ(ChildFrames(), 1);
    m_editor->close();
    EXPECT_EQ(ChildFrames(), 0);
}

TEST_F(VstEditor, KnobModeAndFocusCalls) {
    const int before = CHfcControl::sm_iGlobalKnobMode;
    EXPECT_FALSE(m_editor->setKnobMode(2));
    EXPECT_EQ(CHfcControl::sm_iGlobalKnobMode, 2);
    CHfcControl::sm_iGlobalKnobMode = before;
    ASSERT_TRUE(m_editor->open(Host()));
    m_editor->top();
    EXPECT_TRUE(m_editor->IsActive());
    m_editor->sleep();
    EXPECT_FALSE(m_editor->IsActive());
    EXPECT_FALSE(m_editor->Resize(100, 100, true));
    m_editor->close();
}

TEST_F(VstEditor, ATickDoesNotRunAgainInsideANestedLoopItOpened) {
    ASSERT_TRUE(m_editor->open(Host()));
    int depthInside = 0;
    m_editor->onIdle = [&] {
        if (m_editor->idles != 1) return;
        // A nested loop opened from the tick, in which the timer is due again and again.
        m_clock.Advance(100);
        m_loop.RunUntil([&] { return m_editor->GetSkippedTicks() > 0; }, 2000);
        depthInside = m_editor->idles;
    };
    m_clock.Advance(166);
    m_loop.RunPending();
    EXPECT_GT(m_editor->GetSkippedTicks(), 0);
    EXPECT_EQ(depthInside, 1);  // OnIdle was not entered again
    m_editor->close();
}

TEST_F(VstEditor, CloseWhileAMessageBoxRunsEndsItAndTearsDownLayersAfterwards) {
    ASSERT_TRUE(m_editor->open(Host()));
    m_editor->layer->onClick = [&] {
        m_screen.Later([&] {
            // The host closes the editor while the box is up.
            ASSERT_NE(HfcModalTop(), nullptr);
            m_editor->close();
            EXPECT_EQ(m_editor->destroys, 0);  // not under the box's loop
            EXPECT_EQ(ChildFrames(), 0);       // but the window is gone already
        });
        return std::to_string(HfcMessageBoxForWindow("text", "Save?", m_editor.get(), HFC_MB_OKCANCEL, 0));
    };
    AtTopLevel([&] {
        m_screen.MoveTo(50 + 10, 40 + 10);
        m_screen.Click();
    });
    EXPECT_EQ(m_log, (HfcLog{"layer down 10,10", "layer after 2"}));
    EXPECT_EQ(m_editor->destroys, 1);
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(CHfcMouse::GetInstance(), nullptr);
}

TEST_F(VstEditor, CloseWhileAMenuTracksCancelsIt) {
    ASSERT_TRUE(m_editor->open(Host()));
    m_editor->layer->onClick = [&] {
        m_screen.Later([&] { m_editor->close(); });
        CHfcPopupMenu menu;
        menu.Create(0);
        menu.InsertItem(0, 7, "Seven", 0);
        return std::to_string(menu.TrackPopupById(10, 10, m_editor.get(), 0));
    };
    AtTopLevel([&] {
        m_screen.MoveTo(50 + 10, 40 + 10);
        m_screen.Click();
    });
    EXPECT_EQ(m_log, (HfcLog{"layer down 10,10", "layer after -1"}));
    EXPECT_EQ(m_editor->destroys, 1);
}

TEST_F(VstEditor, CloseWhileAFileDialogIsUpCancelsAndEndsIt) {
    ASSERT_TRUE(m_editor->open(Host()));
    RecordingFileListener listener(&m_log);
    AtTopLevel([&] {
        auto* dialog = new CHfcOpenFileDialog();
        ASSERT_TRUE(dialog->Create(m_editor.get(), &listener, nullptr));
        ASSERT_TRUE(dialog->GetOneFile());
    });
    EXPECT_EQ(HfcModalCount(), 1);
    // The editor takes no input meanwhile.
    m_screen.MoveTo(50 + 10, 40 + 10);
    m_screen.Click();
    EXPECT_TRUE(m_log.empty());
    AtTopLevel([&] { m_editor->close(); });
    // Cancelled and ended (the default end deletes the dialog) before close returned.
    EXPECT_EQ(m_log, (HfcLog{"action 0 items 0 err -50", "terminate"}));
    EXPECT_EQ(HfcModalCount(), 0);
}

TEST_F(VstEditor, InputToTheEditorStopsWhileAMessageBoxIsUp) {
    ASSERT_TRUE(m_editor->open(Host()));
    int clicksDuringBox = -1;
    m_editor->layer->onClick = [&] {
        if (m_editor->layer->m_name != "layer") return std::string("inner");
        m_editor->layer->m_name = "again";
        m_screen.Later([&] {
            // A click on the editor beside the box reaches nothing; the box's own button does.
            const size_t before = m_log.size();
            m_screen.MoveTo(50 + 5, 40 + 190);
            m_screen.Click();
            clicksDuringBox = static_cast<int>(m_log.size() - before);
            ClickButton("OK");
        });
        return std::to_string(HfcMessageBoxForWindow("text", "Sure?", m_editor.get(), HFC_MB_OKCANCEL, 0));
    };
    AtTopLevel([&] {
        m_screen.MoveTo(50 + 10, 40 + 10);
        m_screen.Click();
    });
    EXPECT_EQ(clicksDuringBox, 0);
    EXPECT_EQ(m_log.back(), "again after 1");
    m_editor->close();
}

namespace {
// An effect whose host records what the plug-in asks of it.
std::vector<VstInt32> g_hostCalls;
VstIntPtr RecordHost(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    g_hostCalls.push_back(opcode);
    return opcode == audioMasterVersion ? 2400 : 0;
}
class RecordedEffect : public AudioEffectX {
public:
    RecordedEffect() : AudioEffectX(&RecordHost, 1, 0) {}
    void processReplacing(float**, float**, VstInt32) override {}
};

class CLoggingEditor : public CHfcVstEditor {
public:
    CLoggingEditor(AudioEffect* effect, HfcLog* log) : CHfcVstEditor(effect), m_layer("ed", log) {
        HfcSetRect(&m_rcClient, 0, 0, 320, 200);
    }
    bool OnCreate() override {
        m_layer.Create(0, 0, 320, 200, this);
        m_layer.Show(false);
        return true;
    }
    void OnDestroy() override {
        CHfcVstEditor::OnDestroy();
        m_layer.Destroy();
    }
    CRecordingLayer m_layer;
};
}  // namespace

TEST_F(VstEditor, TheHostsMouseCallsFollowTheDoubleClickAndControlClickRulesWithoutIdlingTheHost) {
    RecordedEffect effect;
    auto* editor = new CLoggingEditor(&effect, &m_log);
    effect.setEditor(editor);  // deleted with the effect
    ASSERT_TRUE(editor->open(Host()));
    // The pointer rests on (100, 50) of our window and is polled there.
    m_screen.MoveTo(50 + 100, 40 + 50);
    editor->MacMouseMoveEmulate();
    g_hostCalls.clear();
    // One press from the host: the button is held until the tracking loop sees it go up.
    auto press = [&] {
        m_screen.ButtonDown();
        m_screen.Later([&] { m_screen.ButtonUp(); });
        m_log.clear();
        EXPECT_EQ(editor->mouse(100, 50), 1);
        return m_log.empty() ? std::string() : m_log.front();
    };
    EXPECT_EQ(press(), "ed:down 100,50");
    HfcTestClock::Now() += 200;
    EXPECT_EQ(press(), "ed:double 100,50");
    // Moved and polled elsewhere in between: two presses.
    HfcTestClock::Now() += 600;
    EXPECT_EQ(press(), "ed:down 100,50");
    HfcTestClock::Now() += 100;
    m_screen.MoveTo(50 + 120, 40 + 60);
    editor->MacMouseMoveEmulate();
    m_screen.MoveTo(50 + 100, 40 + 50);
    EXPECT_EQ(press(), "ed:down 100,50");
    // Control-click is the right button only.
    HfcTestClock::Now() += 1000;
    m_screen.SetModifiers(kHfcMacControlKey);
    const std::string first = press();
    m_screen.SetModifiers(0);
    EXPECT_EQ(first, "ed:rdown 100,50");
    for (const std::string& line : m_log) EXPECT_EQ(line.find("ed:down"), std::string::npos) << line;
    // The tracking loop never asked the host to idle (a host thread may be waiting for us).
    for (VstInt32 opcode : g_hostCalls) EXPECT_NE(opcode, audioMasterIdle);
    editor->close();
}

TEST_F(VstEditor, CloseWhileASaveDialogAsksAboutReplacingAFile) {
    FolderWithAFile folder;
    ASSERT_TRUE(folder.Made());
    ASSERT_TRUE(m_editor->open(Host()));
    RecordingFileListener listener(&m_log);
    AtTopLevel([&] {
        auto* dialog = new CHfcSaveFileDialog();
        ASSERT_TRUE(dialog->Create(m_editor.get(), &listener, nullptr));
        dialog->SetFilePath("c");
        ASSERT_TRUE(dialog->GetOneFile());
    });
    bool asked = false;
    auto closeUnderTheQuestion = [&] {
        // The replace question is up over the dialog; the host closes the editor now.
        asked = HfcModalCount() == 2;
        m_editor->close();
        EXPECT_EQ(m_log, (HfcLog{"action 0 items 0 err -50"}));  // cancelled at once
    };
    AtTopLevel([&] {
        m_screen.Later(closeUnderTheQuestion);  // runs inside the question's loop
        m_screen.Key(13, 0);
    });
    EXPECT_TRUE(asked);
    // Ended once the question's loop had returned, before anything else ran.
    EXPECT_EQ(m_log, (HfcLog{"action 0 items 0 err -50", "terminate"}));
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(m_editor->destroys, 1);
}

// A window's own layer listens to its dialogs and goes with the window: released, the dialog ends
// without calling the gone listener and deletes itself once the question's loop has returned.
TEST_F(VstEditor, AReleasedDialogEndsUnderItsQuestionWithoutItsListener) {
    FolderWithAFile folder;
    ASSERT_TRUE(folder.Made());
    ASSERT_TRUE(m_editor->open(Host()));
    auto listener = std::make_unique<RecordingFileListener>(&m_log);
    CHfcSaveFileDialog* dialog = nullptr;
    AtTopLevel([&] {
        dialog = new CHfcSaveFileDialog();
        ASSERT_TRUE(dialog->Create(m_editor.get(), listener.get(), nullptr));
        dialog->SetFilePath("c");
        ASSERT_TRUE(dialog->GetOneFile());
    });
    bool asked = false;
    auto closeUnderTheQuestion = [&] {
        asked = HfcModalCount() == 2;
        // What the editor's root layer does as it goes: release its dialog, then go.
        dialog->AbortAndRelease();
        listener.reset();
        m_editor->close();
    };
    AtTopLevel([&] {
        m_screen.Later(closeUnderTheQuestion);
        m_screen.Key(13, 0);
    });
    EXPECT_TRUE(asked);
    // The Cancel was heard while the listener stood; nothing after (the sanitizer build would see a
    // call into the deleted listener, and the dialog not deleted as a leak).
    EXPECT_EQ(m_log, (HfcLog{"action 0 items 0 err -50"}));
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(m_editor->destroys, 1);
}
