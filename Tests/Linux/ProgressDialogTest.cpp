// The progress dialog over the headless view: what it shows, repeats, break and cancel, the end of a
// window, and dialogs that cannot get a window.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "Linux/AsyncProgress.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/RunLoop.h"

namespace {

class CountingHandler : public IAsyncProgressHandler {
public:
    void OnAsyncCanceled() override { ++cancels; }
    int cancels = 0;
};

class ProgressDialog : public ::testing::Test {
protected:
    RunLoop loop;
    CAsyncProgressHeadless headless;
    std::unique_ptr<IAsyncProgressUI> ui{AsyncProgressUICreate()};
    CountingHandler handler;

    bool Begin() { return ui->BeginModal(nullptr, "Tolva Plug-In Editor", true, &handler); }
    void Pump() { loop.RunPending(); }

    // Posts work that runs one loop pass later, so a break handled in the first pass is seen first.
    void PostSecondPass(std::function<void()> work) {
        loop.Post(this, [this, work] { loop.Post(this, work); });
    }
};

struct PercentCase {
    int total;
    int done;
    int percent;
};

TEST_F(ProgressDialog, ShowsIntegerPercentages) {
    const PercentCase cases[] = {{1024, 512, 50}, {0, 5, 0}, {10, 7, 70}, {3, 2, 66}, {1024, 1024, 100}};
    ASSERT_TRUE(Begin());
    for (const PercentCase& c : cases) {
        ui->NotifyProgress("Receiving", c.total, c.done);
        Pump();
        EXPECT_EQ(headless.Percent(), c.percent) << c.total << " " << c.done;
        EXPECT_EQ(headless.Text(), "Receiving");
    }
    ui->EndModal();
}

TEST_F(ProgressDialog, RepeatedProgressPostsNothing) {
    ASSERT_TRUE(Begin());
    ui->NotifyProgress("Receiving", 1024, 512);
    ui->NotifyProgress("Receiving", 1024, 512);
    ui->NotifyProgress("Receiving", 1024, 513);  // still 50 %
    Pump();
    EXPECT_EQ(headless.Percents().size(), 1u);
    ui->NotifyProgress("Sending", 1024, 513);
    Pump();
    EXPECT_EQ(headless.Texts().back(), "Sending");
    EXPECT_EQ(headless.Texts().size(), 2u);
    EXPECT_EQ(headless.Percents().size(), 1u);  // the bar did not move
    ui->EndModal();
}

TEST_F(ProgressDialog, TitleAndTextAreMadeValidUtf8) {
    ASSERT_TRUE(ui->BeginModal(nullptr, "Port \xC3\xA9\xFF", true, &handler));
    EXPECT_EQ(headless.Title(), "Port \xC3\xA9\xEF\xBF\xBD");
    ui->NotifyProgress("\"In\xC0\xAF\" -> \"\xE2\x82\"", 1, 0);
    Pump();
    EXPECT_EQ(headless.Text(), "\"In\xEF\xBF\xBD\xEF\xBF\xBD\" -> \"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    ui->EndModal();
}

TEST(ProgressUtf8, KeepsWellFormedAndReplacesEveryBadByte) {
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"plain", "plain"},
        {"\xE2\x82\xAC \xF0\x9F\x8E\xB9", "\xE2\x82\xAC \xF0\x9F\x8E\xB9"},        // euro sign, a keyboard
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},                  // a surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // above U+10FFFF
        {"\xC3", "\xEF\xBF\xBD"},                                                  // cut short at the end
    };
    for (const auto& c : cases) EXPECT_EQ(MakeValidUtf8(c.in), c.out) << c.in;
    EXPECT_EQ(MakeValidUtf8(nullptr), "");
}

TEST_F(ProgressDialog, SecondBeginWhileShownIsRefused) {
    ASSERT_TRUE(Begin());
    EXPECT_FALSE(Begin());
    EXPECT_EQ(headless.WindowsOpened(), 1);
    ui->EndModal();
    EXPECT_TRUE(Begin());
    ui->EndModal();
}

TEST_F(ProgressDialog, NoWindowCanBeCreated) {
    headless.SetRefuse(true);
    EXPECT_FALSE(Begin());
    EXPECT_FALSE(ui->IsActive());
    EXPECT_FALSE(ui->RunModal());
    EXPECT_FALSE(ui->SetTitle("x"));
    ui->NotifyProgress("Receiving", 2, 1);
    ui->NotifyBreak();
    Pump();
    EXPECT_TRUE(headless.Percents().empty());
}

TEST(ProgressDialogNoView, WithoutAnyViewFactoryNoWindowIsShown) {
    RunLoop loop;
    std::unique_ptr<IAsyncProgressUI> ui(AsyncProgressUICreate());
    EXPECT_FALSE(ui->BeginModal(nullptr, "x", true, nullptr));
    EXPECT_FALSE(ui->IsActive());
}

TEST_F(ProgressDialog, CancelInformsTheHandlerOncePerPressAndLeavesTheWindowOpen) {
    ASSERT_TRUE(Begin());
    PostSecondPass([&] {
        EXPECT_TRUE(headless.PressCancel());
        EXPECT_TRUE(headless.PressCancel());
        loop.Post(this, [&] {
            EXPECT_TRUE(ui->IsActive());
            ui->NotifyBreak();
        });
    });
    EXPECT_TRUE(ui->RunModal());
    EXPECT_EQ(handler.cancels, 2);
    EXPECT_TRUE(ui->IsActive());
    ui->SetCancellable(false);
    EXPECT_FALSE(headless.PressCancel());
    ui->EndModal();
    EXPECT_FALSE(headless.PressCancel());
    EXPECT_EQ(handler.cancels, 2);
}

TEST_F(ProgressDialog, EndModalFromTheLoopEndsRunModal) {
    ASSERT_TRUE(Begin());
    PostSecondPass([&] { ui->EndModal(); });
    EXPECT_TRUE(ui->RunModal());
    EXPECT_FALSE(ui->IsActive());
    EXPECT_FALSE(headless.IsShown());
}

// A quitting loop ends every nested loop at once: that is no break of the window, and calling again
// would return at once forever, so it is reported as a failure.
TEST_F(ProgressDialog, QuitOfTheLoopEndsRunModalAsAFailure) {
    ASSERT_TRUE(Begin());
    PostSecondPass([&] { loop.Quit(); });
    EXPECT_FALSE(ui->RunModal());
    EXPECT_FALSE(ui->RunModal());
    EXPECT_TRUE(ui->IsActive());
    ui->EndModal();
}

TEST_F(ProgressDialog, QueuedProgressIsDiscardedAfterEndModal) {
    ASSERT_TRUE(Begin());
    ui->NotifyProgress("Receiving", 100, 40);
    ui->EndModal();
    EXPECT_FALSE(ui->IsActive());
    Pump();
    EXPECT_TRUE(headless.Percents().empty());
}

TEST_F(ProgressDialog, BreakBeforeRunModalEndsItAtOnce) {
    ASSERT_TRUE(Begin());
    ui->NotifyBreak();
    Pump();
    EXPECT_TRUE(ui->RunModal());
    ui->EndModal();
}

TEST_F(ProgressDialog, StaleBreakOfAnEarlierWindowEndsNothing) {
    ASSERT_TRUE(Begin());
    ui->NotifyBreak();  // still queued when the window goes
    ui->EndModal();
    ASSERT_TRUE(Begin());
    bool reached = false;
    PostSecondPass([&] {
        reached = true;
        ui->NotifyBreak();
    });
    EXPECT_TRUE(ui->RunModal());
    EXPECT_TRUE(reached);
    ui->EndModal();
}

TEST_F(ProgressDialog, AnotherDialogsBreakEndsNothing) {
    std::unique_ptr<IAsyncProgressUI> other(AsyncProgressUICreate());
    ASSERT_TRUE(Begin());
    ASSERT_TRUE(other->BeginModal(nullptr, "other", true, nullptr));
    other->NotifyBreak();
    bool reached = false;
    PostSecondPass([&] {
        reached = true;
        ui->NotifyBreak();
    });
    EXPECT_TRUE(ui->RunModal());
    EXPECT_TRUE(reached);
    other->EndModal();
    ui->EndModal();
}

class ProgressDialogThreaded : public ProgressDialog {};

TEST_F(ProgressDialogThreaded, BreakFromAWorkerEndsRunModal) {
    ASSERT_TRUE(Begin());
    std::thread worker([&] {
        for (int i = 0; i <= 1024; i += 128) ui->NotifyProgress("Receiving", 1024, i);
        ui->NotifyBreak();
    });
    EXPECT_TRUE(ui->RunModal());
    worker.join();
    Pump();
    EXPECT_EQ(headless.Percent(), 100);
    ui->EndModal();
}

}  // namespace
