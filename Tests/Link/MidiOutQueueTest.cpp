// Timed output: the time-ordered queue and the sender thread on the loopback backend.
#include <gtest/gtest.h>

#include <time.h>

#include <atomic>
#include <climits>
#include <thread>
#include <vector>

#include "Common/Link/MidiOutQueue.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;

EventQueue::Event Ev(long long time, uint8_t tag) {
    return EventQueue::Event{time, {0x90, tag, 0x40, 0}, 3};
}

std::vector<uint8_t> PopTags(EventQueue& q) {
    std::vector<uint8_t> tags;
    EventQueue::Event e{};
    while (q.pop(&e)) tags.push_back(e.data[1]);
    return tags;
}

TEST(EventQueue, KeepsTimeOrderAndPushOrderForEqualTimes) {
    EventQueue q;
    ASSERT_TRUE(q.commit(8));
    q.push(Ev(30, 3));
    q.push(Ev(10, 1));
    q.push(Ev(20, 2));
    q.push(Ev(20, 4));
    q.push(Ev(-5, 0));
    long long t = 0;
    ASSERT_TRUE(q.peeknext(&t));
    EXPECT_EQ(t, -5);
    EXPECT_EQ(PopTags(q), (std::vector<uint8_t>{0, 1, 2, 4, 3}));
    EXPECT_FALSE(q.peeknext(&t));
    EXPECT_FALSE(q.pop(nullptr));
}

TEST(EventQueue, InsertionIntoARingThatWrapsKeepsOrder) {
    EventQueue q;
    ASSERT_TRUE(q.commit(5));
    for (uint8_t i = 0; i < 4; ++i) q.push(Ev(100 + i, i));
    EventQueue::Event e{};
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(q.pop(&e));  // read index now 3, one event left
    q.push(Ev(200, 10));
    q.push(Ev(150, 11));  // wraps around the end of the array
    q.push(Ev(50, 12));
    q.push(Ev(150, 13));
    EXPECT_TRUE(q.isfull());
    EXPECT_FALSE(q.push(Ev(0, 99)));
    EXPECT_EQ(PopTags(q), (std::vector<uint8_t>{12, 3, 11, 13, 10}));
}

TEST(EventQueue, FullAndEmptyAndDecommitted) {
    EventQueue q;
    EXPECT_TRUE(q.isfull());  // no capacity yet
    EXPECT_FALSE(q.push(Ev(0, 0)));
    ASSERT_TRUE(q.commit(2));
    EXPECT_TRUE(q.push(Ev(0, 0)));
    EXPECT_TRUE(q.push(Ev(0, 1)));
    EXPECT_FALSE(q.push(Ev(0, 2)));
    EXPECT_TRUE(q.clear());
    EXPECT_EQ(q.size(), 0u);
    EXPECT_TRUE(q.push(Ev(0, 3)));
    q.decommit();
    EXPECT_EQ(q.capacity(), 0u);
    EXPECT_FALSE(q.pop(nullptr));
    EXPECT_FALSE(q.push(Ev(0, 4)));
}

TEST(EventQueue, PopUpToATimeLeavesLaterEvents) {
    EventQueue q;
    ASSERT_TRUE(q.commit(4));
    q.push(Ev(20, 2));
    q.push(Ev(10, 1));
    EventQueue::Event e{};
    EXPECT_FALSE(q.pop(&e, 9));
    EXPECT_EQ(q.size(), 2u);
    ASSERT_TRUE(q.pop(&e, 10));
    EXPECT_EQ(e.data[1], 1);
    EXPECT_FALSE(q.pop(&e, 19));
    ASSERT_TRUE(q.pop(&e, 25));
    EXPECT_EQ(e.data[1], 2);
    EXPECT_FALSE(q.pop(&e, 100));
}

// A caller's time on the wrapping tick clock, placed on the monotonic clock: across the tick's wrap
// (every 2^32 ms) a time keeps its distance from now, and nothing is read as far ahead.
TEST(TimedOutputClock, CallersTimesAcrossTheTickWrap) {
    constexpr long long kPeriod = (1LL << 32) * 1000;
    struct Case {
        long long time;
        long long now;
        long long expected;
    };
    const Case cases[] = {
        {5000, 1000, 5000},                                         // plain future
        {0, 1000, 0},                                               // plain past
        {kPeriod - 2000, 1000, -2000},                              // given before the wrap, now after it
        {3000, kPeriod - 1000, kPeriod + 3000},                     // given after the wrap, now before it
        {kPeriod - 2000 + kPeriod, kPeriod + 500, kPeriod - 2000},  // second turn of the tick
        {2000, 3 * kPeriod + 1000, 3 * kPeriod + 2000},
        {-1000, 5000, -1000},
        {kPeriod + 7000, 5000, 7000},         // an unwrapped sum past the wrap
        {LLONG_MIN + 1, kPeriod / 2 + 5, 0},  // only its range is checked
    };
    for (const Case& c : cases) {
        const long long got = CMIDIOut::MonotonicTime(c.time, static_cast<uint64_t>(c.now));
        if (c.time != LLONG_MIN + 1) {
            EXPECT_EQ(got, c.expected) << c.time << " at " << c.now;
        }
        EXPECT_LE(got - c.now, kPeriod / 2);
        EXPECT_GE(got - c.now, -kPeriod / 2);
    }
}

long long Now() {
    return static_cast<long long>(static_cast<uint64_t>(QorX0::GetSysTick()) * 1000u);
}

class TimedOutputThreaded : public ::testing::Test {
protected:
    void SetUp() override {
        dst = loop.AddDestination("Tolva", " MIDI In");
        MidiBackendSet(&loop);
        key = MIDIDevKey("Tolva MIDI In", dst);
        ASSERT_TRUE(out.Open(&key, 4, 1024, 1024));
    }
    void TearDown() override {
        out.Close();
        MidiBackendSet(nullptr);
    }
    std::vector<uint8_t> SentTags() {
        std::vector<uint8_t> tags;
        for (const auto& s : loop.GetSent())
            if (!s.exclusive) tags.push_back(s.bytes.at(1));
        return tags;
    }

    CMidiLoopback loop;
    uint32_t dst = 0;
    MIDIDevKey key;
    CMIDIOut out;
};

TEST_F(TimedOutputThreaded, SendsInTimeOrderWhenDue) {
    const long long now = Now();
    const uint8_t a[] = {0x90, 30, 1}, b[] = {0x90, 10, 1}, c[] = {0x90, 20, 1};
    EXPECT_EQ(out.SendShort(now + 300000, a, 3), QS_OK);
    EXPECT_EQ(out.SendShort(now + 100000, b, 3), QS_OK);
    EXPECT_EQ(out.SendShort(now + 200000, c, 3), QS_OK);
    ASSERT_TRUE(loop.WaitSent(3, 5000));
    EXPECT_EQ(SentTags(), (std::vector<uint8_t>{10, 20, 30}));
    // None left before its time.
    for (const auto& s : loop.GetSent()) {
        const long long due = now + (s.bytes[1] == 10 ? 100000 : s.bytes[1] == 20 ? 200000 : 300000);
        EXPECT_GE(static_cast<long long>(s.timeUs / 1000 * 1000), due - 1000);
    }
}

TEST_F(TimedOutputThreaded, PastEventGoesAtOnceAndEqualTimesKeepPushOrder) {
    const long long past = Now() - 5000000;
    for (uint8_t tag : {5, 6, 7}) {
        const uint8_t m[] = {0x90, tag, 1};
        EXPECT_EQ(out.SendShort(past, m, 3), QS_OK);
    }
    ASSERT_TRUE(loop.WaitSent(3, 5000));
    EXPECT_EQ(SentTags(), (std::vector<uint8_t>{5, 6, 7}));
}

TEST_F(TimedOutputThreaded, QueueLimit) {
    const long long later = Now() + 600000000;
    const uint8_t m[] = {0xB0, 7, 100};
    for (int i = 0; i < 1024; ++i) ASSERT_EQ(out.SendShort(later, m, 3), QS_OK);
    g_enabletrace = 1;
    testing::internal::CaptureStdout();
    EXPECT_EQ(out.SendShort(later, m, 3), QN_QUEUEFULL);
    const std::string printed = testing::internal::GetCapturedStdout();
    g_enabletrace = 0;
    EXPECT_EQ(printed, "CMIDIOut: queue limit\n");
    EXPECT_TRUE(out.ClearPendings());
    EXPECT_EQ(out.SendShort(later, m, 3), QS_OK);
    EXPECT_TRUE(loop.GetSent().empty());
}

// A message far ahead is waited for, not spun on, and one given just before the tick's wrap and read
// after it is due, not 49 days ahead: the sender uses next to no processor time, sends what is due,
// and nothing leaves before its time.
TEST_F(TimedOutputThreaded, FarTimeIsWaitedForAndNothingLeavesEarly) {
    const uint8_t far[] = {0x90, 1, 1}, wrapped[] = {0x90, 3, 1}, soon[] = {0x90, 2, 1};
    ASSERT_EQ(out.SendShort(Now() + 1700000000000LL, far, 3), QS_OK);  // about 20 days ahead
    ASSERT_EQ(out.SendShort(Now() - 1000 + (1LL << 32) * 1000, wrapped, 3), QS_OK);
    ASSERT_TRUE(loop.WaitSent(1, 5000));
    EXPECT_EQ(SentTags(), std::vector<uint8_t>{3});
    loop.TakeSent();
    timespec cpu0{}, cpu1{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu0);
    std::vector<long long> due;
    for (int i = 0; i < 20; ++i) {
        // Not on a millisecond boundary, so a sender counting whole milliseconds would go early.
        const long long t = static_cast<long long>(MonotonicMicroseconds()) + 1700 + i * 10;
        ASSERT_EQ(out.SendShort(t, soon, 3), QS_OK);
        due.push_back(t);
        QorX0::SleepCurrentThread(10);
    }
    ASSERT_TRUE(loop.WaitSent(20, 5000));
    QorX0::SleepCurrentThread(100);
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu1);
    const long long cpuUs = (cpu1.tv_sec - cpu0.tv_sec) * 1000000LL + (cpu1.tv_nsec - cpu0.tv_nsec) / 1000;
    const auto sent = loop.GetSent();
    ASSERT_EQ(sent.size(), 20u);  // the far ones wait
    for (size_t i = 0; i < sent.size(); ++i)
        EXPECT_GE(static_cast<long long>(sent[i].timeUs), due[i]) << "message " << i << " left early";
    // A spinning sender would use about the whole 300 ms.
    EXPECT_LT(cpuUs, 100000) << "the sender spins";
}

TEST_F(TimedOutputThreaded, RefusesWhatIsNoShortMessage) {
    const uint8_t ok[] = {0xF3, 0x05};
    const uint8_t songTooHigh[] = {0xF3, 0x85};
    const uint8_t noStatus[] = {0x13, 0x05};
    const uint8_t five[] = {0x90, 1, 2, 3, 4};
    EXPECT_EQ(out.SendShort(0, songTooHigh, 2), QN_FAIL);
    EXPECT_EQ(out.SendShort(0, noStatus, 2), QN_FAIL);
    EXPECT_EQ(out.SendShort(0, five, 5), QN_FAIL);
    EXPECT_EQ(out.SendShort(0, five, 0), QN_FAIL);
    EXPECT_EQ(out.SendShort(0, nullptr, 2), QN_FAIL);
    EXPECT_EQ(out.SendShort(0, ok, 2), QS_OK);
    ASSERT_TRUE(loop.WaitSent(1, 5000));
    EXPECT_EQ(loop.GetSent().size(), 1u);
}

// Only one complete short message is taken: anything else could leave an exclusive message open on
// the wire or be read there as running status. One-byte real-time messages (host MIDI clock) pass.
TEST_F(TimedOutputThreaded, TakesExactlyOneCompleteShortMessage) {
    struct Case {
        Bytes bytes;
        bool taken;
    };
    const Case cases[] = {
        {{0xF0, 0x7E, 0x7F}, false},  // an exclusive start
        {{0xF7}, false},              // an exclusive end
        {{0xF4}, false},              // undefined
        {{0xF5, 0x01}, false},        // undefined
        {{0xF9}, false},              // undefined real-time
        {{0xFD}, false},              // undefined real-time
        {{0xF1, 0x10}, false},        // not passed on by our ports either
        {{0x90, 0x3C}, false},        // a note without its velocity
        {{0xC0, 0x05, 0x06}, false},  // a program change with a byte of running status behind it
        {{0xB0, 0x07, 0x64, 0x10}, false},
        {{0xE0, 0x00}, false},
        {{0xF2, 0x01}, false},
        {{0xF3}, false},
        {{0x3C, 0x40}, false},  // no status
        {{0x90, 0x3C, 0x40}, true},
        {{0xC0, 0x05}, true},
        {{0xD3, 0x7F}, true},
        {{0xE0, 0x00, 0x40}, true},
        {{0xF2, 0x01, 0x02}, true},
        {{0xF3, 0x05}, true},
        {{0xF6}, true},
        {{0xF8}, true},  // clock
        {{0xFA}, true},
        {{0xFB}, true},
        {{0xFC}, true},
        {{0xFE}, true},
        {{0xFF}, true},
    };
    size_t taken = 0;
    for (const Case& c : cases) {
        const QNRESULT r = out.SendShort(0, c.bytes.data(), static_cast<unsigned>(c.bytes.size()));
        EXPECT_EQ(r, c.taken ? QS_OK : QN_FAIL) << "first byte 0x" << std::hex << int{c.bytes[0]} << ", "
                                                << std::dec << c.bytes.size() << " bytes";
        if (c.taken) ++taken;
    }
    ASSERT_TRUE(loop.WaitSent(taken, 5000));
    QorX0::SleepCurrentThread(20);
    const auto sent = loop.GetSent();
    ASSERT_EQ(sent.size(), taken);
    size_t i = 0;
    for (const Case& c : cases) {
        if (!c.taken) continue;
        EXPECT_EQ(sent[i++].bytes, c.bytes);
    }
}

TEST_F(TimedOutputThreaded, ExclusiveGoesStraightOutUnderThePortMutex) {
    Bytes sx(1024, 0x01);
    sx[0] = 0xF0;
    out.PortMutex().Lock();
    EXPECT_EQ(out.SendLong(sx.data(), static_cast<unsigned>(sx.size())), QS_OK);
    // A short message due now waits until the port mutex is free.
    const uint8_t m[] = {0x90, 1, 1};
    EXPECT_EQ(out.SendShort(Now() - 1000, m, 3), QS_OK);
    const Bytes end{0xF7};
    EXPECT_EQ(out.SendLong(end.data(), 1), QS_OK);
    out.PortMutex().Unlock();
    ASSERT_TRUE(loop.WaitSent(3, 5000));
    const auto sent = loop.GetSent();
    EXPECT_TRUE(sent[0].exclusive);
    EXPECT_TRUE(sent[1].exclusive);
    EXPECT_FALSE(sent[2].exclusive);

    loop.SetSendFails(dst, true);
    EXPECT_EQ(out.SendLong(sx.data(), 10), QN_FAIL);
}

// The sender found a message due and waits for the port while an exclusive block goes out; meanwhile
// the pending messages are dropped and a later one is queued. The later one must wait for its time.
TEST_F(TimedOutputThreaded, MessageQueuedWhileTheSenderWaitsForThePortKeepsItsTime) {
    const uint8_t dueNow[] = {0x90, 1, 1}, later[] = {0x90, 2, 1};
    out.PortMutex().Lock();
    ASSERT_EQ(out.SendShort(Now() - 1000, dueNow, 3), QS_OK);
    QorX0::SleepCurrentThread(20);  // lets the sender reach the port mutex
    EXPECT_TRUE(out.ClearPendings());
    ASSERT_EQ(out.SendShort(Now() + 60000000, later, 3), QS_OK);
    out.PortMutex().Unlock();
    QorX0::SleepCurrentThread(50);
    EXPECT_TRUE(SentTags().empty());
}

// Host MIDI that keeps arriving while an exclusive message waits for the messages due before it:
// only those already queued go first, so a steady stream cannot hold the exclusive back for ever.
TEST_F(TimedOutputThreaded, ExclusiveIsNotHeldBackByShortMessagesThatKeepArriving) {
    struct Refill : CMidiLoopback::IListener {
        CMIDIOut* out = nullptr;
        int left = 2000;  // bounds the stream, so the test ends however the output behaves
        void OnLoopbackSend(uint32_t, const uint8_t*, size_t, bool exclusive) override {
            if (exclusive || left <= 0) return;
            --left;
            const uint8_t m[] = {0x90, 99, 1};
            out->SendShort(Now() - 1000, m, 3);
        }
    } refill;
    refill.out = &out;
    out.PortMutex().Lock();  // the sender thread stays out until the exclusive message has started
    const uint8_t first[] = {0x90, 1, 1}, second[] = {0x90, 2, 1};
    ASSERT_EQ(out.SendShort(Now() - 1000, first, 3), QS_OK);
    ASSERT_EQ(out.SendShort(Now() - 1000, second, 3), QS_OK);
    loop.SetListener(dst, &refill);
    const Bytes sx{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    EXPECT_EQ(out.SendLong(sx.data(), static_cast<unsigned>(sx.size())), QS_OK);
    out.PortMutex().Unlock();
    loop.SetListener(dst, nullptr);
    const auto sent = loop.GetSent();
    ASSERT_GE(sent.size(), 3u);
    EXPECT_EQ(sent[0].bytes.at(1), 1);
    EXPECT_EQ(sent[1].bytes.at(1), 2);
    EXPECT_TRUE(sent[2].exclusive);
}

TEST_F(TimedOutputThreaded, ExclusiveThatNeverCompletesFailsInsteadOfHanging) {
    loop.SetExclusiveNeverCompletes(dst, true);
    const Bytes sx{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    testing::internal::CaptureStdout();
    EXPECT_EQ(out.SendLong(sx.data(), 6), QN_FAIL);
    testing::internal::GetCapturedStdout();
}

TEST_F(TimedOutputThreaded, ClosedOutputFailsEverySend) {
    out.Close();
    const uint8_t m[] = {0x90, 1, 1};
    EXPECT_EQ(out.SendShort(0, m, 3), QN_FAIL);
    EXPECT_EQ(out.SendLong(m, 3), QN_FAIL);
    EXPECT_FALSE(out.ClearPendings());
    EXPECT_FALSE(out.IsRunning());
    // It may be opened again.
    ASSERT_TRUE(out.Open(&key, 4, 1024, 16));
    EXPECT_EQ(out.SendShort(0, m, 3), QS_OK);
    ASSERT_TRUE(loop.WaitSent(1, 5000));
}

TEST_F(TimedOutputThreaded, OpenFailsOnAMissingPort) {
    const MIDIDevKey missing("gone", 0x4242);
    EXPECT_FALSE(out.Open(&missing, 4, 1024, 1024));
    EXPECT_FALSE(out.IsRunning());
}

// Two producers, ClearPendings and Close racing the sender: each producer's messages that are sent
// arrive in its own order, nothing crashes, and sends after Close fail.
TEST_F(TimedOutputThreaded, ProducersClearAndCloseRaceTheSender) {
    std::atomic<bool> closed{false};
    std::atomic<int> failedAfterClose{0};
    const long long base = Now();
    auto producer = [&](uint8_t id) {
        for (int seq = 0; seq < 3000; ++seq) {
            const uint8_t m[] = {static_cast<uint8_t>(0x90 | id), static_cast<uint8_t>(seq >> 7),
                                 static_cast<uint8_t>(seq & 0x7F)};
            const bool wasClosed = closed.load();
            const QNRESULT r = out.SendShort(base + seq * 2, m, 3);
            if (wasClosed) {
                EXPECT_EQ(r, QN_FAIL);
                failedAfterClose.fetch_add(1);
            }
        }
    };
    std::thread p1(producer, 1), p2(producer, 2);
    std::thread clearer([&] {
        for (int i = 0; i < 200; ++i) out.ClearPendings();
    });
    clearer.join();
    QorX0::SleepCurrentThread(5);
    out.Close();
    closed.store(true);
    p1.join();
    p2.join();
    int last[3] = {-1, -1, -1};
    for (const auto& s : loop.GetSent()) {
        const int id = s.bytes[0] & 0x0F;
        const int seq = s.bytes[1] << 7 | s.bytes[2];
        ASSERT_GT(seq, last[id]);
        last[id] = seq;
    }
}

}  // namespace
