// The program's spine without windows: idle tasks, menu commands, window placement, About text.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "Host/Shell/ShellCore.h"

namespace {

struct RecordingActions final : IShellActions {
    bool hasDevice = false;
    bool throwOnAbout = false;
    std::vector<std::string> log;
    bool StartAudio() override {
        log.push_back(hasDevice ? "start" : "start refused");
        return hasDevice;
    }
    void StopAudio() override { log.push_back("stop"); }
    void SetEditWindowLock(bool locked) override { log.push_back(locked ? "lock" : "unlock"); }
    void ShowAbout() override {
        if (throwOnAbout) throw std::runtime_error("no bundle");
        log.push_back("about");
    }
    void ShowPreferences() override { log.push_back("pref"); }
    void PluginOperation(int slot) override { log.push_back("op " + std::to_string(slot)); }
    void Quit() override { log.push_back("quit"); }
    void NoteAlert(const char* key) override { log.push_back(std::string("alert ") + key); }
};

}  // namespace

TEST(ShellIdleTasks, DuplicatesAndTheAlertBeingShownAreNotQueuedAgain) {
    CIdleTaskQueue queue;
    std::vector<int> ran;
    int idles = 0;
    queue.DemandIdleTask(7);
    queue.DemandIdleTask(7);
    queue.DemandIdleTask(9);
    EXPECT_EQ(queue.Queued(), (std::vector<int>{7, 9}));
    EXPECT_EQ(queue.Tick([&](int id) { ran.push_back(id); }, [&] { ++idles; }), 2);
    EXPECT_EQ(ran, (std::vector<int>{7, 9}));
    EXPECT_EQ(idles, 0);

    // Task 2 demands itself while its alert is shown: not queued. Task 6 demanded meanwhile runs
    // in the same tick, and task 2 may be demanded again by another task afterwards.
    ran.clear();
    queue.DemandIdleTask(2);
    queue.Tick(
        [&](int id) {
            ran.push_back(id);
            EXPECT_EQ(queue.DoingTask(), id);
            if (id == 2) queue.DemandIdleTask(2);
            if (id == 2 && ran.size() == 1) queue.DemandIdleTask(6);
            if (id == 6) queue.DemandIdleTask(2);
        },
        [&] { ++idles; });
    EXPECT_EQ(ran, (std::vector<int>{2, 6, 2}));
    EXPECT_EQ(queue.DoingTask(), 0);

    // Nothing queued: the idle work runs instead. An unlisted id reaches the runner, which ignores it.
    EXPECT_EQ(queue.Tick([&](int id) { ran.push_back(id); }, [&] { ++idles; }), 0);
    EXPECT_EQ(idles, 1);
    // A task that fails does not stop the queue.
    queue.DemandIdleTask(8);
    queue.DemandIdleTask(9);
    ran.clear();
    queue.Tick(
        [&](int id) {
            ran.push_back(id);
            if (id == 8) throw std::runtime_error("gone");
        },
        nullptr);
    EXPECT_EQ(ran, (std::vector<int>{8, 9}));

    // Two tasks that keep demanding each other end the tick after a bounded number; the rest waits.
    queue.DemandIdleTask(6);
    const auto pingPong = [&](int id) { queue.DemandIdleTask(id == 6 ? 7 : 6); };
    EXPECT_EQ(queue.Tick(pingPong, nullptr), CIdleTaskQueue::kMaxTasksPerTick);
    EXPECT_EQ(queue.Queued().size(), 1u);
}

TEST(ShellCommandsTest, CommandTableAndExclusivePairs) {
    RecordingActions actions;
    CShellCommands commands(&actions);
    commands.SetPlaying(false);
    EXPECT_TRUE(commands.IsEnabled(kCmdPlay));
    EXPECT_FALSE(commands.IsEnabled(kCmdStop));

    struct Step {
        uint32_t command;
        bool hasDevice;
        CommandResult result;
        const char* logged;
        bool playEnabled, lockEnabled;
    };
    const Step steps[] = {
        {kCmdPlay, false, CommandResult::kHandled, "alert Can not play Audio", true, true},
        {kCmdPlay, true, CommandResult::kHandled, "start", false, true},
        {kCmdStop, true, CommandResult::kHandled, "stop", true, true},
        {kCmdLock, true, CommandResult::kNotHandled, "lock", true, false},
        {kCmdUnlock, true, CommandResult::kNotHandled, "unlock", true, true},
        {kCmdAbout, true, CommandResult::kHandled, "about", true, true},
        {kCmdPreferences, true, CommandResult::kHandled, "pref", true, true},
        {kCmdBankOpen, true, CommandResult::kHandled, "op 10", true, true},
        {kCmdBankSaveAs, true, CommandResult::kHandled, "op 12", true, true},
        {kCmdPresetImport, true, CommandResult::kHandled, "op 13", true, true},
        {kCmdPresetExport, true, CommandResult::kHandled, "op 14", true, true},
        {kCmdQuit, true, CommandResult::kHandled, "quit", true, true},
    };
    for (const Step& s : steps) {
        actions.hasDevice = s.hasDevice;
        actions.log.clear();
        EXPECT_EQ(commands.Handle(s.command), s.result) << s.logged;
        ASSERT_FALSE(actions.log.empty()) << s.logged;
        EXPECT_EQ(actions.log.back(), s.logged);
        EXPECT_EQ(commands.IsEnabled(kCmdPlay), s.playEnabled) << s.logged;
        EXPECT_NE(commands.IsEnabled(kCmdPlay), commands.IsEnabled(kCmdStop));
        EXPECT_EQ(commands.IsEnabled(kCmdLock), s.lockEnabled) << s.logged;
        EXPECT_NE(commands.IsEnabled(kCmdLock), commands.IsEnabled(kCmdUnlock));
    }
    actions.log.clear();
    EXPECT_EQ(commands.Handle(ShellCommandId("xyzw")), CommandResult::kNotHandled);
    actions.throwOnAbout = true;
    EXPECT_EQ(commands.Handle(kCmdAbout), CommandResult::kNotHandled);
    EXPECT_TRUE(actions.log.empty());
}

TEST(ShellPlacementTest, CentredAndBelowTheMenuBar) {
    struct Case {
        int screenW, screenH;
        double viewW, viewH;
        int menuBar, titleBar;
        ShellPlacement expected;
    };
    const Case cases[] = {
        {1280, 1024, 816, 600, 0, 0, {232, 212, 816, 600}},
        {1280, 1024, 815.5, 599.4, 0, 0, {232, 212, 816, 599}},  // halves round up
        {1280, 1024, 816, 600, 22, 0, {232, 212, 816, 600}},     // the menu bar is above anyway
        {1024, 640, 816, 600, 22, 0, {104, 24, 816, 600}},       // small screen: below the menu bar
        {800, 600, 816, 600, 27, 20, {-8, 49, 816, 600}},        // smaller than the view
    };
    for (const Case& c : cases) {
        const ShellPlacement p =
            PlaceEditorWindow(c.screenW, c.screenH, c.viewW, c.viewH, c.menuBar, c.titleBar);
        EXPECT_EQ(p.left, c.expected.left);
        EXPECT_EQ(p.top, c.expected.top) << c.screenW << "x" << c.screenH;
        EXPECT_EQ(p.width, c.expected.width);
        EXPECT_EQ(p.height, c.expected.height);
    }
}

TEST(ShellAbout, TextOfBothVersions) {
    EXPECT_EQ(ShellAboutText("Tolva Editor", "0.3.0", "Tolva Plug-In Editor", "1.0.0"),
              "Host: Tolva Editor version 0.3.0\nCore: Tolva Plug-In Editor version 1.0.0");
}
