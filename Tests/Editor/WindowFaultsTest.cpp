// The editor window's own rules where a careless window would lose, stall or crash: the pitch wheel's
// centre, one modal at a time, input stopping at the modal, nothing opened or closed inside a nested
// loop, what a mode change leaves behind, notes off the keyboard, the MIDI ring after the end, the
// host closing the window under a handler's nested loop, and the host's calls made from its threads.
#include "Editor/WindowFixture.h"

#include <atomic>
#include <thread>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcModal.h"

using namespace WindowTest;

// The pitch wheel's rest is the bend's centre both ways; every other value keeps the plain scale.
TEST(WindowPitchWheel, RestIsTheCentreBothWays) {
    struct Case {
        int wheel, bend;
    };
    for (const Case& c : {Case{0, 0}, Case{1270, 16383}, Case{640, 8192}, Case{635, 8191}, Case{641, 8268}}) {
        EXPECT_EQ(BackgroundLayer::PitchWheelToBend(c.wheel, BackgroundLayer::kWheelMax), c.bend) << c.wheel;
    }
    for (const Case& c : {Case{0, 0}, Case{1270, 16383}, Case{640, 8192}, Case{634, 8191}, Case{1, 16}}) {
        EXPECT_EQ(BackgroundLayer::BendToPitchWheel(c.bend, BackgroundLayer::kWheelMax), c.wheel) << c.bend;
    }
}

TEST(WindowVersion, CutBeforeTheThirdDot) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case& c : {Case{"1.0.0", "1.0.0"}, Case{"1.2.3.4", "1.2.3"}, Case{"1.2", "1.2"}, Case{"", ""}})
        EXPECT_EQ(BackgroundLayer::CutVersion(c.in), c.out) << c.in;
    EXPECT_EQ(BackgroundLayer::GetVersionString(), "1.0.0");
}

TEST(WindowCommandQueue, OneCommandPerTickInPostingOrderAndBrowserRequestsDroppable) {
    QnCommandQueue queue;
    queue.Post({QnCommand::kOpenRedBrowser, 3, 1, 2});
    queue.Post({QnCommand::kOpenAbout, 0, 0, 0});
    queue.Post({QnCommand::kOpenWriteBrowser, 0, 0, 0});
    QnCommand c;
    ASSERT_TRUE(queue.Peek(c));
    EXPECT_EQ(c.kind, QnCommand::kOpenRedBrowser);
    EXPECT_EQ(c.a, 3);
    queue.Post({QnCommand::kOpenRedBrowser, 0, 0, 0});
    queue.DropBrowserRequests();
    ASSERT_TRUE(queue.Peek(c));
    EXPECT_EQ(c.kind, QnCommand::kOpenAbout);
    EXPECT_FALSE(queue.Peek(c));
    EXPECT_EQ(c.kind, QnCommand::kOpenAbout);
}

class WindowFaults : public EditorWindow {};

// Two requests in one tick, or one while a modal is open: one dimming layer, and it goes for good.
TEST_F(WindowFaults, OneModalAtATime) {
    Start();
    const int layersBefore = Editor()->GetNumLayers();
    // A rename opened at once, then two pick lists asked for in one tick while it is up.
    Root()->OpenRenameBrowser(0);
    ASSERT_NE(Root()->GetModalLayer(), nullptr);
    Root()->RequestOpenRedBrowser(1, QorX0::kModeProgEdit, 0x1E00);
    Root()->RequestOpenRedBrowser(3, QorX0::kModeProgEdit, 0x1E00);
    Pump(200);
    int modals = 0;
    for (int i = 0; i < Editor()->GetNumLayers(); ++i)
        modals += dynamic_cast<ModalLayer*>(Editor()->GetLayerByIndex(i)) != nullptr;
    EXPECT_EQ(modals, 1);
    EXPECT_EQ(Root()->GetModalTab()->GetActivePage()->GetName(), "RenameBrowser");
    // A click beside the page closes it; nothing dimmed is left.
    Click(600, 300);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() == nullptr; }, 1000));
    EXPECT_EQ(Editor()->GetNumLayers(), layersBefore);
}

// A press on the modal's disabled tab strip stays with the modal: it does not end it, and nothing
// under it (the sound browsers' tab) reacts.
TEST_F(WindowFaults, PressOnADisabledPartOfTheModalGoesNoFurther) {
    Start();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeCombiEdit, 0x100);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() != nullptr; }, 1000));
    CTabControl* browsers = Root()->GetBrowserTab();
    const int active = browsers->GetActiveIndex();
    // The first tab of the sound browsers lies under the modal's strip.
    Click(ArtGeometry::kBrowserTabX + 20, ArtGeometry::kBrowserTabY + 10);
    Pump(200);
    EXPECT_NE(Root()->GetModalLayer(), nullptr);
    EXPECT_EQ(browsers->GetActiveIndex(), active);
    EXPECT_FALSE(browsers->IsSwitchPending());
}

// A mode change while a browser waits in the queue: the request belonged to the old mode.
TEST_F(WindowFaults, AModeChangeDropsQueuedBrowsersAndClosesAnOpenOne) {
    Start();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeProgEdit, 0x100);
    Root()->RequestOpenWriteBrowser();
    Root()->OnModeChanged();
    EXPECT_EQ(Root()->GetQueuedCommandCount(), 0);
    Pump(200);
    EXPECT_EQ(Root()->GetModalLayer(), nullptr);
    // An open one closes at the next tick.
    Root()->RequestOpenRedBrowser(0, QorX0::kModeProgEdit, 0x100);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() != nullptr; }, 1000));
    m_sim->With([](Sim::SimCore& c) { c.PanelModeChange(Sim::Mode::CombiPlay); });
    EXPECT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() == nullptr; }, 3000));
}

// A page asked for in one mode is never applied to the tab of another.
TEST_F(WindowFaults, APendingPageOnlyAppliesToItsOwnMode) {
    Start();
    synth->PutMode(QorX0::kModeCombiPlay);
    Settle();
    // Program edit page 7 asked for; the instrument refuses and stays in combination play.
    m_sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::kAnyCode).Times(0));
    });
    Root()->SelectEditTabPage(QorX0::kModeProgEdit, 7, -1);
    EXPECT_EQ(Root()->GetPendingPage(), 7);
    // The instrument reports combination play again (what it shows): the page is not applied there.
    m_sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    synth->PutMode(QorX0::kModeCombiPlay);
    Settle();
    EXPECT_EQ(Root()->GetPendingPage(), -1);
    EXPECT_EQ(Tab(BackgroundLayer::kTabCombi)->GetActiveIndex(), 0);
    // Asked for and granted: the program tab shows page 7.
    Root()->SelectEditTabPage(QorX0::kModeProgEdit, 7, -1);
    Settle();
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg);
    EXPECT_EQ(Tab(BackgroundLayer::kTabProg)->GetActiveIndex(), 7);
}

// While a handler waits in a message box, the window's tick goes on drawing but neither opens nor
// closes modals: the page under the handler is still there when the box returns.
TEST_F(WindowFaults, NothingOpensOrClosesInsideANestedLoop) {
    Start();
    Root()->RequestOpenRedBrowser(0, QorX0::kModeProgEdit, 0x100);
    ASSERT_TRUE(PumpUntil([&] { return Root()->GetModalLayer() != nullptr; }, 1000));
    CTabPageLayer* page = Root()->GetModalTab()->GetActivePage();
    bool pageAliveInBox = false;
    int ticksInBox = 0;
    boxAnswer = [&](const HfcMessageBoxRequest&) {
        // A mode change arrives while the box is up, and a command is queued; ticks run.
        Root()->GetModalLayer()->SetCloseRequest(true);
        Root()->PostCommand(QnCommand::kOpenAbout, 0, 0, 0);
        const int before = Editor()->GetTickCount();
        Pump(300);
        ticksInBox = Editor()->GetTickCount() - before;
        pageAliveInBox = Root()->GetModalTab() != nullptr && Root()->GetModalTab()->GetActivePage() == page &&
                         Root()->GetAboutLayer() == nullptr;
        return static_cast<int>(HFC_MB_RESULT_DEFAULT);
    };
    {
        BackgroundLayer::NestedLoopScope nested(Editor());
        HfcMessageBoxForWindow("Are you sure?", "Tolva Plug-In Editor", Editor(), 1, 0);
    }
    EXPECT_GT(ticksInBox, 3);
    EXPECT_TRUE(pageAliveInBox);
    // Once it has returned the queued work runs.
    EXPECT_TRUE(PumpUntil(
        [&] { return Root()->GetModalLayer() == nullptr && Root()->GetAboutLayer() != nullptr; }, 1000));
}

// A Tolva and a Nerimo editor in one host: a nested loop over one window (raised by its handler, or a
// toolkit box over it while the user works there) holds back that window's commands only; the other
// window's run at its next tick.
TEST_F(WindowFaults, ANestedLoopInOneEditorWindowHoldsBackOnlyThatWindow) {
    Start();
    // The Nerimo editor beside it, in a host window of its own; it finds no instrument.
    g_portName = "nowhere";
    AEffect* nerimo = static_cast<AEffect*>(QorVst::CreateInstance(QorX0::kPmidNerimo, &HostLog::Callback));
    ASSERT_NE(nerimo, nullptr);
    Pump(300);
    const uintptr_t nerimoHost = m_screen.CreateForeignWindow(kHostX + 60, kHostY + 40, 900, 700);
    ASSERT_EQ(nerimo->dispatcher(nerimo, effEditOpen, 0, 0, reinterpret_cast<void*>(nerimoHost), 0), 1);
    auto* shell =
        dynamic_cast<QorVstEditorShell*>(static_cast<QorVst*>(AudioEffect::FromAEffect(nerimo))->getEditor());
    ASSERT_NE(shell, nullptr);
    QorVstEditor* windows[2] = {Editor(), shell->GetWindow()};
    ASSERT_NE(windows[1]->GetRootLayer(), nullptr);
    Pump(300);

    enum class Loop { OwnScope, ToolkitBox };
    for (int busy : {0, 1}) {
        for (Loop loop : {Loop::OwnScope, Loop::ToolkitBox}) {
            SCOPED_TRACE(std::string(busy == 0 ? "Tolva" : "Nerimo") +
                         (loop == Loop::OwnScope ? " raises a loop" : " has a toolkit box"));
            QorVstEditor* held = windows[busy];
            QorVstEditor* other = windows[1 - busy];
            HfcNoteInputWindow(held);  // the user works in the busy window
            bool looked = false, otherOpened = false, heldOpened = true;
            auto inTheLoop = [&] {
                looked = true;
                held->GetRootLayer()->PostCommand(QnCommand::kOpenAbout, 0, 0, 0);
                other->GetRootLayer()->PostCommand(QnCommand::kOpenAbout, 0, 0, 0);
                Pump(300);
                otherOpened = other->GetRootLayer()->GetAboutLayer() != nullptr;
                heldOpened = held->GetRootLayer()->GetAboutLayer() != nullptr;
            };
            if (loop == Loop::OwnScope) {
                boxAnswer = [&](const HfcMessageBoxRequest&) {
                    inTheLoop();
                    return static_cast<int>(HFC_MB_RESULT_DEFAULT);
                };
                BackgroundLayer::NestedLoopScope nested(held);
                HfcMessageBoxForWindow("Are you sure?", "Tolva Plug-In Editor", held, HFC_MB_OKCANCEL, 0);
                boxAnswer = nullptr;
            } else {
                HfcSetMessageBoxHook(nullptr);
                HfcInstallToolkitWindows();
                const RunLoop::TimerId looker = m_loop.AddTimer(this, 5, [&](RunLoop::TimerMessage) {
                    if (looked || HfcModalCount() == 0) return;
                    inTheLoop();
                    HfcModalAbortAll();
                });
                HfcMessageBoxForWindow("Are you sure?", "Tolva Plug-In Editor", held, HFC_MB_OKCANCEL, 0);
                m_loop.RemoveTimer(looker);
                HfcUninstallToolkitWindows();
                HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
                    boxes.push_back(r.caption + " / " + r.text);
                    return boxAnswer ? boxAnswer(r) : static_cast<int>(HFC_MB_RESULT_CANCEL);
                });
            }
            EXPECT_TRUE(looked);
            EXPECT_TRUE(otherOpened);
            EXPECT_FALSE(heldOpened);
            // Once the loop has returned the held window's command runs too.
            EXPECT_TRUE(PumpUntil([&] { return held->GetRootLayer()->GetAboutLayer() != nullptr; }, 1000));
            for (QorVstEditor* w : windows)
                if (AboutLayer* about = w->GetRootLayer()->GetAboutLayer()) about->SetCloseRequest(true);
            EXPECT_TRUE(PumpUntil(
                [&] {
                    return windows[0]->GetRootLayer()->GetAboutLayer() == nullptr &&
                           windows[1]->GetRootLayer()->GetAboutLayer() == nullptr;
                },
                1000));
        }
    }
    nerimo->dispatcher(nerimo, effEditClose, 0, 0, nullptr, 0);
    nerimo->dispatcher(nerimo, effClose, 0, 0, nullptr, 0);
}

// Notes from the wire beyond the keyboard's 88 keys light nothing and break nothing; the pages still
// hear note-ons.
TEST_F(WindowFaults, IncomingNotesOffTheKeyboardAreNotShown) {
    Start();
    auto* keyboard = static_cast<CHfcCtrlKeyboard*>(Control(BackgroundLayer::kIdKeyboard));
    std::vector<uint32_t> before;
    for (int r = 0; r < ArtGeometry::kCtlWhiteKeys; ++r) before.push_back(keyboard->GetRegionState(r));
    for (int note : {0, 20, 109, 127}) {
        Root()->OnMidiIn(0x90, static_cast<unsigned char>(note), 100);
        Root()->OnMidiIn(0x80, static_cast<unsigned char>(note), 0);
    }
    for (int r = 0; r < ArtGeometry::kCtlWhiteKeys; ++r)
        EXPECT_EQ(keyboard->GetRegionState(r), before[r]) << r;
    // Notes on the keyboard light their key; a note-on of velocity 0 puts it out.
    Root()->OnMidiIn(0x91, 60, 90);
    const int region = ArtGeometry::CtlWhiteIndex(60 - 21);
    EXPECT_NE(keyboard->GetRegionState(region) & 1, 0u);
    Root()->OnMidiIn(0x91, 60, 0);
    EXPECT_EQ(keyboard->GetRegionState(region) & 1, 0u);
    // An incoming centre bend shows the wheel centred.
    Root()->OnMidiIn(0xE0, 0x00, 0x40);
    EXPECT_EQ(Control(BackgroundLayer::kIdWheel, 0)->GetIntValue(), BackgroundLayer::kPitchWheelRest);
}

// Messages pushed before a tick reach the window in order within that tick; after the end of the
// editor a late message is dropped, not pushed into freed memory.
TEST_F(WindowFaults, RingInOrderAndClosedForGoodAfterUninitialize) {
    Start();
    auto* keyboard = static_cast<CHfcCtrlKeyboard*>(Control(BackgroundLayer::kIdKeyboard));
    const int region = ArtGeometry::CtlWhiteIndex(64 - 21);
    EXPECT_TRUE(Editor()->MidiIn(0x90, 64, 100));
    EXPECT_TRUE(Editor()->MidiIn(0x80, 64, 0));
    EXPECT_TRUE(Editor()->MidiIn(0x90, 64, 100));
    Editor()->OnIdle();
    EXPECT_NE(keyboard->GetRegionState(region) & 1, 0u);
    EXPECT_EQ(Editor()->PendingMidi(), 0);
    // The window open while the editor ends: it closes first, and the ring is gone.
    QorVstEditor* editor = Editor();
    editor->Uninitialize();
    EXPECT_EQ(editor->GetRootLayer(), nullptr);
    EXPECT_FALSE(editor->MidiIn(0x90, 60, 100));
    // The plug-in's own end does it again: nothing is done twice.
}

// The window's size is the panel's, the least that holds every place the panel's parts stand at.
TEST_F(WindowFaults, WindowIsThePanelsSize) {
    Start(false);
    ERect* rect = nullptr;
    ASSERT_EQ(effect->dispatcher(effect, effEditGetRect, 0, 0, &rect, 0), 1);
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->right - rect->left, ArtGeometry::kWindowWidth);
    EXPECT_EQ(rect->bottom - rect->top, ArtGeometry::kWindowHeight);
    Open();
    // Every control of the root layer lies inside the window.
    std::vector<CHfcControl*> controls;
    Root()->GetControlVec(controls);
    int right = 0, bottom = 0;
    for (CHfcControl* c : controls) {
        EXPECT_LE(c->GetRect().right, ArtGeometry::kWindowWidth) << c->GetId();
        EXPECT_LE(c->GetRect().bottom, ArtGeometry::kWindowHeight) << c->GetId();
        right = std::max(right, c->GetRect().right);
        bottom = std::max(bottom, c->GetRect().bottom);
    }
    // The sub-pages of 559 start at x 251 (the main tab at 244 and the page's own 7).
    EXPECT_GE(ArtGeometry::kWindowWidth, 251 + ArtGeometry::kSubPageWidth);
    EXPECT_GE(ArtGeometry::kWindowWidth, right);
}

namespace {

// What a handler of the window may have up when the host closes it: a box and a transfer's progress
// run a loop of their own; a file dialog answers later through its listener.
enum class Nested { MessageBox, Progress, FileDialog };
struct NestedCase {
    Nested kind;
    const char* name;
    bool ownLoop;
    // What the handler gets back: the box's Cancel; the transfer's success (it goes on to its end
    // without its window); the dialog's Cancel.
    int answer;
};

class RecordingListener : public CHfcFileDialogListener {
public:
    std::function<void(int)> onAction;
    bool terminated = false;
    void OnHfcFileDialogAction(CHfcFileDialog*, int accepted, void*) override {
        if (onAction) onAction(accepted);
    }
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) override {
        terminated = true;
        CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, userData);
    }
};

// The toolkit's own boxes, progress window and file dialogs, as in a host.
class WindowHostClose : public EditorWindow, public ::testing::WithParamInterface<NestedCase> {
protected:
    void SetUp() override {
        EditorWindow::SetUp();
        HfcSetMessageBoxHook(nullptr);
        HfcInstallToolkitWindows();
    }
    void TearDown() override {
        HfcUninstallToolkitWindows();
        EditorWindow::TearDown();
    }
};

}  // namespace

// The host closes the window while a handler has a box, a transfer's progress or a file dialog up:
// that ends (cancelled), the window goes at once, and its layers only once the handler has returned,
// so nothing the handler still touches has been freed (and nothing leaks).
TEST_P(WindowHostClose, EndsWhatIsUpAndTearsDownAfterTheHandler) {
    const NestedCase& k = GetParam();
    Start();
    QorVstEditor* editor = Editor();
    bool closed = false, layersWhenClosed = false;
    const RunLoop::TimerId closer = m_loop.AddTimer(this, 5, [&](RunLoop::TimerMessage) {
        if (closed || HfcModalCount() == 0) return;
        closed = true;
        CloseWindow();
        layersWhenClosed = editor->GetRootLayer() != nullptr;
    });
    int answer = -1;
    bool layersAtAnswer = false;
    RecordingListener listener;
    listener.onAction = [&](int accepted) {
        answer = accepted;
        layersAtAnswer = editor->GetRootLayer() != nullptr && editor->GetRootLayer()->GetGUIMode() >= 0;
    };
    bool handled = false, layersAfterHandler = false;
    // A handler of the window, run by the loop as input is.
    m_loop.Post(nullptr, [&] {
        BackgroundLayer* root = editor->GetRootLayer();
        {
            BackgroundLayer::NestedLoopScope nested(editor);
            switch (k.kind) {
                case Nested::MessageBox:
                    answer = HfcMessageBoxForWindow("Are you sure?", "Tolva Plug-In Editor", editor,
                                                    HFC_MB_OKCANCEL, 0);
                    break;
                case Nested::Progress:
                    answer = synth->ExecCommand(1, 0, 0, 0, 0) ? 1 : 0;
                    break;
                case Nested::FileDialog: {
                    auto* dialog = new CHfcOpenFileDialog();
                    if (!dialog->Create(editor, &listener, nullptr) || !dialog->GetOneFile()) delete dialog;
                    break;
                }
            }
            if (k.ownLoop) layersAtAnswer = editor->GetRootLayer() == root;
        }
        // On its way out the handler touches its layers: they are still there.
        layersAfterHandler = editor->GetRootLayer() == root && root->GetGUIMode() >= 0;
        handled = true;
    });
    ASSERT_TRUE(m_loop.RunUntil([&] { return handled && closed; }, 30000));
    m_loop.RemoveTimer(closer);
    Pump(100);
    EXPECT_EQ(answer, k.answer);
    EXPECT_TRUE(layersAtAnswer);
    EXPECT_TRUE(layersAfterHandler);
    // Under a loop of the handler's, the layers outlived the close; without one they went with it.
    EXPECT_EQ(layersWhenClosed, k.ownLoop);
    EXPECT_EQ(editor->GetRootLayer(), nullptr);
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(listener.terminated, k.kind == Nested::FileDialog);
    // Opened again, the window is whole.
    Open();
    EXPECT_NE(Root(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Nested, WindowHostClose,
                         ::testing::Values(NestedCase{Nested::MessageBox, "MessageBox", true,
                                                      HFC_MB_RESULT_CANCEL},
                                           NestedCase{Nested::Progress, "Progress", true, 1},
                                           NestedCase{Nested::FileDialog, "FileDialog", false, 0}),
                         [](const ::testing::TestParamInfo<NestedCase>& info) { return info.param.name; });

// Where a host thread may wait for the main thread, the realtime knob's host calls (begin edit,
// automation, end edit) are queued on the main thread and made from the host's thread, in order.
TEST_F(WindowFaults, KnobHostCallsAreMadeFromTheHostsThreadInOrder) {
    Start();
    vst->SetDeferHostCalls(true);
    ClickControl(BackgroundLayer::kIdGroupSwitch, 2);
    Settle();
    QorX0::ISection* rtc = synth->GetRealtimeControl();
    ASSERT_EQ(rtc->GetParamI(0x8000), 2);
    const int before = rtc->GetParamI(0x800A);
    HostLog::Clear();
    DragKnobUp(BackgroundLayer::kIdKnob1 + 1);
    ASSERT_NE(rtc->GetParamI(0x800A), before);
    auto edits = [] {
        std::vector<TestHost::Call> out;
        std::lock_guard<std::mutex> hold(HostLog::lock);
        for (const TestHost::Call& c : HostLog::calls)
            if (c.opcode == audioMasterAutomate || c.opcode == audioMasterBeginEdit ||
                c.opcode == audioMasterEndEdit)
                out.push_back(c);
        return out;
    };
    // The main thread has called the host for none of them.
    EXPECT_TRUE(edits().empty());

    // A host call that waits for the main thread returns, and they are made on its thread.
    std::thread::id hostThread;
    std::atomic<bool> done{false};
    std::thread host([&] {
        hostThread = std::this_thread::get_id();
        effect->dispatcher(effect, effGetProgram, 0, 0, nullptr, 0);
        done = true;
    });
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 10000));
    host.join();
    const std::vector<TestHost::Call> calls = edits();
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls.front().opcode, audioMasterBeginEdit);
    EXPECT_EQ(calls.back().opcode, audioMasterEndEdit);
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].index, 9) << i;
        EXPECT_EQ(calls[i].thread, hostThread) << i;
        if (i > 0 && i + 1 < calls.size()) {
            EXPECT_EQ(calls[i].opcode, audioMasterAutomate) << i;
        }
    }
    QorX0::PARAMDESC desc{};
    ASSERT_TRUE(rtc->GetParamDescByIndex(10, &desc));
    EXPECT_FLOAT_EQ(calls[calls.size() - 2].opt,
                    static_cast<float>(rtc->GetParamI(0x800A) - desc.minval) / (desc.maxval - desc.minval));
}
