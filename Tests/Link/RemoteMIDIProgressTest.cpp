// The link's progress display for multi-step work of its owner: activate, configure, progress,
// waits inside the dialog, and the user's Cancel refusing further messages until the dialog goes.
#include <gtest/gtest.h>

#include "Linux/SysTick.h"
#include "RemoteMIDIFixture.h"

using namespace LinkTest;
using namespace QorX0;

namespace {

class RemoteMIDIProgressThreaded : public LinkFixture {};

TEST_F(RemoteMIDIProgressThreaded, StepsShowInTheDialogAndWaitsKeepItAlive) {
    Instrument& tolva = AddInstrument(Sim::Model::Tolva, 1);
    MakeLink(kPmidTolva);
    ASSERT_TRUE(link->Connect(&recorder, true, tolva.port.KeyName(), tolva.port.KeyName()));
    ASSERT_TRUE(link->UIActivate());
    EXPECT_TRUE(link->UIIsActive());
    EXPECT_FALSE(link->UIActivate());  // already up
    EXPECT_EQ(headless.Title(), "Tolva Editor");
    ASSERT_TRUE(link->UIConfigure("Receiving all...", 4, 1, 0));
    link->UIProgress(4, 1, "Programs");
    EXPECT_EQ(link->UIWait(50), 0);
    EXPECT_EQ(headless.Text(), "Receiving all...\nPrograms");
    // A session inside the activated dialog keeps it and its caption.
    EXPECT_EQ(link->SendCombiDumpReq(0, -1), QS_OK);
    EXPECT_TRUE(link->UIIsActive());
    EXPECT_EQ(headless.WindowsOpened(), 2);  // the search's, then this one
    // Opening the dialog silenced the instrument: all sound off on its channel.
    ASSERT_TRUE(tolva.sim.WaitIdle());
    EXPECT_EQ(tolva.sim.With([](Sim::SimCore& c) { return c.ControlValue(0x78); }), 0);
    link->UIDeactivate();
    EXPECT_FALSE(link->UIIsActive());
    EXPECT_FALSE(headless.IsShown());
}

TEST_F(RemoteMIDIProgressThreaded, CancelDuringAWaitRefusesMessagesUntilTheDialogGoes) {
    Instrument& tolva = AddInstrument(Sim::Model::Nerimo);
    MakeLink(kPmidNerimo);
    ASSERT_TRUE(ConnectSaved(tolva));
    ASSERT_TRUE(link->UIActivate());
    bool pressed = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 20, [&](RunLoop::TimerMessage) {
        if (!pressed) pressed = headless.PressCancel();
    });
    const uint32_t start = ::GetSysTick();
    EXPECT_EQ(link->UIWait(6000), 0);
    const uint32_t took = ::GetSysTick() - start;
    loop.RemoveTimer(timer);
    EXPECT_LT(took, 3000u) << "the Cancel did not end the wait";
    EXPECT_TRUE(pressed);
    EXPECT_TRUE(link->UIIsAborted());
    EXPECT_EQ(link->SendGlobalDumpReq(), QN_ABORT);
    EXPECT_EQ(recorder.DumpCount(), 0u);
    link->UIDeactivate();
    EXPECT_FALSE(link->UIIsAborted());
    EXPECT_EQ(link->SendGlobalDumpReq(), QS_OK);
}

TEST_F(RemoteMIDIProgressThreaded, WithoutAWindowWaitsStillPassAndNothingIsShown) {
    headless.SetRefuse(true);
    MakeLink(kPmidTolva);
    EXPECT_FALSE(link->UIActivate());
    EXPECT_FALSE(link->UIConfigure("x", 1, 1, 0));
    link->UIProgress(2, 1, "y");
    EXPECT_EQ(link->UIWait(20), 0);
    EXPECT_TRUE(headless.Texts().empty());
}

}  // namespace
