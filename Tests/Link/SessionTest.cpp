// Transfer sessions over a fake output port: busy, replies early and late, error replies, time-outs
// counted from the last activity, cancel through the headless dialog, and the worker never touching a
// session's buffers after it ended.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "Common/Link/Session.h"
#include "Common/Link/SysexMessages.h"
#include "Linux/SysTick.h"
#include "Common/Model/SynthData.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/RunLoop.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;

// Records every exclusive send; can be slowed down, made to fail, or told about each block.
class FakeOutput : public ISXOutput {
public:
    void LockPort() override { m_port.lock(); }
    void UnlockPort() override { m_port.unlock(); }
    QNRESULT SendLong(const void* data, unsigned length) override {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            sends.emplace_back(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + length);
        }
        if (delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
        if (onSend) onSend(length);
        return fail ? QN_FAIL : QS_OK;
    }
    std::vector<Bytes> Sends() {
        std::lock_guard<std::mutex> lock(m_lock);
        return sends;
    }
    size_t Count() {
        std::lock_guard<std::mutex> lock(m_lock);
        return sends.size();
    }

    std::atomic<int> delayMs{0};
    std::atomic<bool> fail{false};
    std::function<void(unsigned)> onSend;

private:
    std::recursive_mutex m_port;
    std::mutex m_lock;
    std::vector<Bytes> sends;
};

const SXSig kReply = SXFrameSig(0, SX_LOADCOMPLETE);
const SXSig kError = SXFrameSig(0, SX_LOADERROR);
const Bytes kLoadComplete{0xF0, 0x42, 0x30, 0x7A, 0x23};
const Bytes kLoadError{0xF0, 0x42, 0x30, 0x7A, 0x24, 0x01};
const Bytes kHeader{0xF0, 0x42, 0x30, 0x7A, 0x52, 0x01, 0x05, 0x00};  // one drum kit

// Every test runs the worker thread.
class SessionThreaded : public ::testing::Test {
protected:
    SessionThreaded() { worker.Start(&session, &output); }
    ~SessionThreaded() override { worker.Stop(); }

    QNRESULT Begin(unsigned flags, const Bytes& header, const Bytes* body = nullptr) {
        return session.Begin(flags, 100, header.data(), static_cast<unsigned>(header.size()),
                             body ? body->data() : nullptr, body ? static_cast<unsigned>(body->size()) : 0, 8,
                             kReply, kError);
    }
    // Begin, wake the worker, wait, end: what the link does for each message.
    QNRESULT Run(unsigned flags, const Bytes& header, const Bytes* body, unsigned ms) {
        const QNRESULT begun = Begin(flags, header, body);
        if (begun < 0) return begun;
        worker.Wake();
        const QNRESULT r = session.Wait(ms, (flags & (SXF_TXPROGRESS | SXF_RXPROGRESS)) != 0);
        session.End();
        return r;
    }
    void PostSecondPass(std::function<void()> work) {
        loop.Post(this, [this, work] { loop.Post(this, work); });
    }

    RunLoop loop;
    CAsyncProgressHeadless headless;
    FakeOutput output;
    SXSessionCtx session{kPmidTolva};
    SXSessionWorker worker;
};

Bytes Record(size_t n) {
    Bytes r(n);
    for (size_t i = 0; i < n; ++i) r[i] = static_cast<uint8_t>(i * 37 + 5);
    return r;
}

Bytes Joined(const std::vector<Bytes>& sends) {
    Bytes all;
    for (const Bytes& s : sends) all.insert(all.end(), s.begin(), s.end());
    return all;
}

TEST_F(SessionThreaded, SendsHeaderPackedBodyAndF7InBlocksOf1024) {
    const Bytes body = Record(kSizeDrumKit);
    ASSERT_EQ(Begin(SXF_TRANSMIT, kHeader, &body), QS_OK);
    worker.Wake();
    EXPECT_EQ(session.Wait(2000, false), QS_OK);
    session.End();
    const auto sends = output.Sends();
    ASSERT_EQ(sends.size(), 5u);  // 4709 bytes
    for (size_t i = 0; i + 1 < sends.size(); ++i) EXPECT_EQ(sends[i].size(), 1024u);
    const Bytes all = Joined(sends);
    ASSERT_EQ(all.size(), 4709u);
    EXPECT_TRUE(std::equal(kHeader.begin(), kHeader.end(), all.begin()));
    ChunkDecode decode;
    decode.Begin();
    decode.Write(all.data() + kHeader.size(), all.size() - kHeader.size() - 1, true);
    EXPECT_EQ(Bytes(decode.data(), decode.data() + decode.size()), body);
    EXPECT_EQ(all.back(), 0xF7);
}

TEST_F(SessionThreaded, SecondBeginIsBusyOnTheSameThreadAndOnAnother) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader), QS_OK);
    EXPECT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader), QN_BUSY);
    QNRESULT other = QS_OK;
    std::thread t([&] { other = Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader); });
    t.join();
    EXPECT_EQ(other, QN_BUSY);
    EXPECT_EQ(output.Count(), 0u);
    session.End();
    EXPECT_EQ(Begin(0, {}), QS_OK);
    session.End();
}

TEST_F(SessionThreaded, ReplyBeforeWaitIsKept) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader), QS_OK);
    session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), 7);
    EXPECT_EQ(session.Wait(60000, false), 7);
    session.End();
}

TEST_F(SessionThreaded, ReplyBeforeWaitIsKeptInTheDialogPath) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY | SXF_TXPROGRESS, kHeader), QS_OK);
    ASSERT_TRUE(headless.IsShown());
    session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK);
    EXPECT_EQ(session.Wait(60000, true), QS_OK);
    session.End();
    EXPECT_FALSE(headless.IsShown());
}

struct ReplyCase {
    Bytes reply;
    QNRESULT callbackResult;
    QNRESULT expected;
};

TEST_F(SessionThreaded, ReplyAndErrorSignatures) {
    const ReplyCase cases[] = {
        {kLoadComplete, QS_OK, QS_OK},
        {kLoadComplete, QN_FAIL, QN_FAIL},                          // the owner refused the data
        {kLoadError, QS_OK, QN_FAIL},                               // error reply
        {{0xF0, 0x42, 0x31, 0x7A, 0x23}, QS_OK, QN_TIMEOUT},        // another channel
        {{0xF0, 0x42, 0x30, 0x7A, 0x26, 0x00}, QS_OK, QN_TIMEOUT},  // format error ends nothing
    };
    for (const ReplyCase& c : cases) {
        ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader), QS_OK);
        worker.Wake();
        session.NotifyEndRX(c.reply.data(), c.reply.size(), c.callbackResult);
        EXPECT_EQ(session.Wait(50, false), c.expected);
        session.End();
    }
}

TEST_F(SessionThreaded, TransmitOnlySessionEndsWhenSentOrWithTheSendFailure) {
    EXPECT_EQ(Run(SXF_TRANSMIT, kHeader, nullptr, 2000), QS_OK);
    output.fail = true;
    EXPECT_EQ(Run(SXF_TRANSMIT, kHeader, nullptr, 2000), QN_FAIL);
    const auto sends = output.Sends();
    ASSERT_EQ(sends.size(), 3u);
    EXPECT_EQ(sends.back(), Bytes{0xF7});  // closes the interrupted message
}

TEST_F(SessionThreaded, TimeOutCountsFromTheEndOfTransmission) {
    // Five blocks at 60 ms each: on the wire far longer than the wait of 100 ms.
    const Bytes body = Record(kSizeDrumKit);
    output.delayMs = 60;
    output.onSend = [&](unsigned length) {
        if (length < 1024) session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK);
    };
    EXPECT_EQ(Run(SXF_TRANSMIT | SXF_WAITREPLY, kHeader, &body, 100), QS_OK);
    EXPECT_EQ(output.Count(), 5u);
}

// One block that takes longer on the wire than the whole wait: the time-out does not run while it
// is being sent, with or without the progress window.
TEST_F(SessionThreaded, OneBlockOnTheWireLongerThanTheWaitDoesNotTimeOut) {
    for (unsigned flags : {SXF_TRANSMIT | SXF_WAITREPLY, SXF_TRANSMIT | SXF_WAITREPLY | SXF_TXPROGRESS}) {
        SCOPED_TRACE(flags);
        output.delayMs = 400;
        output.onSend = [&](unsigned) {
            session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK);
        };
        const size_t before = output.Count();
        EXPECT_EQ(Run(flags, kHeader, nullptr, 100), QS_OK);
        EXPECT_EQ(output.Count(), before + 1);
    }
}

// What a closing owner does from another thread: the running wait ends at once with QN_ABORT and
// every later session, wait and progress window fails at once.
TEST_F(SessionThreaded, AnAbortForGoodEndsTheWaitAndEveryLaterSession) {
    for (unsigned flags : {SXF_TRANSMIT | SXF_WAITREPLY, SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS}) {
        SXSessionCtx ctx{kPmidTolva};
        SXSessionWorker w;
        w.Start(&ctx, &output);
        ASSERT_EQ(ctx.Begin(flags, 100, kHeader.data(), static_cast<unsigned>(kHeader.size()), nullptr, 0, 8,
                            kReply, kError),
                  QS_OK);
        w.Wake();
        std::thread closer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            ctx.AbortSessions();
        });
        const auto t0 = std::chrono::steady_clock::now();
        EXPECT_EQ(ctx.Wait(20000, (flags & SXF_RXPROGRESS) != 0), QN_ABORT);
        EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(10));
        ctx.End();
        closer.join();
        EXPECT_TRUE(ctx.UIIsAborted());
        EXPECT_EQ(ctx.Begin(flags, 100, kHeader.data(), static_cast<unsigned>(kHeader.size()), nullptr, 0, 8,
                            kReply, kError),
                  QN_ABORT);
        EXPECT_FALSE(ctx.UIActivate());
        EXPECT_FALSE(headless.IsShown());
        w.Stop();
    }
}

TEST_F(SessionThreaded, NoReplyTimesOut) {
    EXPECT_EQ(Run(SXF_TRANSMIT | SXF_WAITREPLY, kHeader, nullptr, 50), QN_TIMEOUT);
    EXPECT_EQ(Run(SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS, kHeader, nullptr, 50), QN_TIMEOUT);
}

TEST_F(SessionThreaded, EndAfterAnEarlyErrorWaitsForTheWorkerAndSendsNothingStale) {
    auto body = std::make_unique<Bytes>(Record(20000));
    output.delayMs = 5;
    output.onSend = [&](unsigned) {
        if (output.Count() == 2) session.NotifyEndRX(kLoadError.data(), kLoadError.size(), QS_OK);
    };
    EXPECT_EQ(Run(SXF_TRANSMIT | SXF_WAITREPLY, kHeader, body.get(), 2000), QN_FAIL);
    body.reset();  // the caller's buffer goes as soon as the session ended
    const size_t afterEnd = output.Count();
    EXPECT_EQ(afterEnd, 3u);  // two blocks, then the closing 0xF7 at once
    EXPECT_EQ(output.Sends().back(), Bytes{0xF7});
    output.onSend = nullptr;
    output.delayMs = 0;
    const Bytes request{0xF0, 0x42, 0x30, 0x7A, 0x12, 0xF7};
    EXPECT_EQ(Run(SXF_TRANSMIT, request, nullptr, 2000), QS_OK);
    const auto sends = output.Sends();
    ASSERT_EQ(sends.size(), afterEnd + 1);
    EXPECT_EQ(sends.back(), request);
}

TEST_F(SessionThreaded, ProgressBarAndTextFollowTheConfiguredScale) {
    ASSERT_TRUE(session.UIActivate());
    ASSERT_TRUE(session.UIConfigure("Receiving...", 1024, 1024, 0));
    session.NotifyPos(10, 7, nullptr);
    loop.RunPending();
    EXPECT_EQ(headless.Text(), "Receiving...\n69 %");
    EXPECT_EQ(headless.Percent(), 69);  // bar 716 of 1024
    // Six steps, the third half done: the percentage is of the whole bar.
    ASSERT_TRUE(session.UIConfigure("Sending all...", 6, 1, 2));
    session.NotifyPos(2, 1, nullptr);
    loop.RunPending();
    EXPECT_EQ(headless.Text(), "Sending all...\n33 %");
    session.UIDeactivate();
    EXPECT_FALSE(session.UIConfigure("x", 1, 1, 0));
}

TEST_F(SessionThreaded, CancelDuringABankDumpStopsAfterTheCurrentBlock) {
    const Bytes body = Record(kAreaPrograms.BankSize());
    output.delayMs = 2;
    const RunLoop::TimerId timer = loop.AddTimer(this, 5, [&](RunLoop::TimerMessage) {
        if (output.Count() >= 3) headless.PressCancel();
    });
    const QNRESULT r = Run(SXF_TRANSMIT | SXF_WAITREPLY | SXF_TXPROGRESS, kHeader, &body, 10000);
    loop.RemoveTimer(timer);
    EXPECT_EQ(r, QN_ABORT);
    const auto sends = output.Sends();
    EXPECT_LT(sends.size(), 60u);
    EXPECT_EQ(sends.back(), Bytes{0xF7});
    EXPECT_FALSE(headless.IsShown());
    EXPECT_NE(headless.Texts().size(), 0u);
    EXPECT_EQ(headless.Texts().front().rfind("Transmitting...\n", 0), 0u);
    // The abort ended with the dialog the session opened: the next session runs.
    EXPECT_EQ(Run(SXF_TRANSMIT, kHeader, nullptr, 1000), QS_OK);
}

TEST_F(SessionThreaded, AbortRefusesSessionsUntilTheDialogIsReopened) {
    ASSERT_TRUE(session.UIActivate());
    session.OnAsyncCanceled();
    EXPECT_TRUE(session.UIIsAborted());
    EXPECT_EQ(Begin(SXF_TRANSMIT, kHeader), QN_ABORT);
    session.UIDeactivate();
    EXPECT_FALSE(session.UIIsAborted());
    EXPECT_EQ(Run(SXF_TRANSMIT, kHeader, nullptr, 1000), QS_OK);
}

TEST_F(SessionThreaded, StaleBreakNeverMakesTheWaitReportSuccess) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS, kHeader), QS_OK);
    session.Dialog()->NotifyBreak();  // left over, not this wait's
    loop.RunPending();
    EXPECT_EQ(session.Wait(150, true), QN_TIMEOUT);
    session.End();

    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS, kHeader), QS_OK);
    session.Dialog()->NotifyBreak();
    PostSecondPass([&] { session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), 3); });
    EXPECT_EQ(session.Wait(5000, true), 3);
    session.End();
}

// The loop quits (the host closes the editor's thread) while a wait runs in the dialog: the wait
// ends with a failure at once, instead of spinning until the instrument answers.
TEST_F(SessionThreaded, WaitInTheDialogOfAQuittingLoopFails) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS, kHeader), QS_OK);
    worker.Wake();
    ASSERT_TRUE(session.UIIsActive());
    XEvent stop;
    ASSERT_TRUE(stop.Create());
    std::thread instrument([&] {
        if (!stop.Wait(3000)) session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK);
    });
    loop.Quit();
    const uint32_t start = ::GetSysTick();
    const QNRESULT r = session.Wait(60000, true);
    const uint32_t took = ::GetSysTick() - start;
    stop.Set();
    instrument.join();
    session.End();
    EXPECT_EQ(r, QN_FAIL);
    EXPECT_LT(took, 2000u);
}

TEST_F(SessionThreaded, DialogInactivityTimeOutRestartsWithProgress) {
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY | SXF_RXPROGRESS, kHeader), QS_OK);
    worker.Wake();
    int ticks = 0;
    const RunLoop::TimerId timer = loop.AddTimer(this, 40, [&](RunLoop::TimerMessage) {
        if (++ticks < 12)
            session.NotifyPosRX(kLoadComplete.data(), kLoadComplete.size(), ticks * 100);
        else
            session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK);
    });
    // Far longer in all than the inactivity limit, but never that long without a piece.
    EXPECT_EQ(session.Wait(300, true), QS_OK);
    loop.RemoveTimer(timer);
    session.End();
    EXPECT_GE(ticks, 12);
}

// ---- Races

TEST_F(SessionThreaded, AbortRacingCompletionGivesOneOfTheTwo) {
    for (int i = 0; i < 200; ++i) {
        ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader), QS_OK);
        worker.Wake();
        std::thread reply([&] { session.NotifyEndRX(kLoadComplete.data(), kLoadComplete.size(), QS_OK); });
        std::thread cancel([&] { session.OnAsyncCanceled(); });
        const QNRESULT r = session.Wait(5000, false);
        reply.join();
        cancel.join();
        session.End();
        EXPECT_TRUE(r == QS_OK || r == QN_ABORT) << r;
        session.UIDeactivate();  // clears the aborted flag
    }
}

TEST_F(SessionThreaded, WorkerStopsDuringATransfer) {
    const Bytes body = Record(kAreaPrograms.BankSize());
    output.delayMs = 3;
    ASSERT_EQ(Begin(SXF_TRANSMIT | SXF_WAITREPLY, kHeader, &body), QS_OK);
    worker.Wake();
    while (output.Count() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    worker.Stop();  // what disconnecting does
    EXPECT_EQ(session.Wait(5000, false), QN_FAIL);
    session.End();
    const size_t sent = output.Count();
    EXPECT_LT(sent, 60u);
    EXPECT_EQ(output.Sends().back(), Bytes{0xF7});
}

}  // namespace
