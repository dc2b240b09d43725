// The lock-guarded MIDI ring.
#include <gtest/gtest.h>

#include <thread>

#include "Linux/MidiIO/MidiFifo.h"

namespace {

TEST(MidiFifo, FillsToCapacityAndKeepsOrder) {
    CMidiFifo fifo(1024);
    ASSERT_TRUE(fifo.IsValid());
    for (int i = 0; i < 1024; ++i)
        ASSERT_TRUE(fifo.Push(0x90, static_cast<uint8_t>(i & 0x7F), static_cast<uint8_t>(i >> 7), i));
    EXPECT_FALSE(fifo.Push(0x80, 0, 0, 9999));
    EXPECT_EQ(fifo.Count(), 1024);
    tagMidiData e{};
    ASSERT_TRUE(fifo.Pop(&e));
    EXPECT_EQ(e.time, 0u);
    EXPECT_TRUE(fifo.Push(0xB0, 7, 100, 1024));
    for (unsigned i = 1; i <= 1024; ++i) {
        ASSERT_TRUE(fifo.Pop(&e));
        ASSERT_EQ(e.time, i);
    }
    EXPECT_EQ(e.status, 0xB0);
    EXPECT_EQ(e.data2, 100);
}

TEST(MidiFifo, EmptyPopLeavesTheEntry) {
    CMidiFifo fifo(4);
    tagMidiData e{1, 2, 3, 4};
    EXPECT_FALSE(fifo.Pop(&e));
    EXPECT_EQ(e.status, 1);
    EXPECT_EQ(e.time, 4u);
    fifo.Push(0x90, 1, 1, 0);
    EXPECT_TRUE(fifo.Pop(nullptr));
    EXPECT_EQ(fifo.Count(), 0);
}

TEST(MidiFifo, ResetEmptiesIt) {
    CMidiFifo fifo(2);
    fifo.Push(0x90, 1, 1, 0);
    fifo.Push(0x90, 2, 2, 0);
    fifo.Reset();
    EXPECT_EQ(fifo.Count(), 0);
    EXPECT_TRUE(fifo.Push(0x90, 3, 3, 7));
    tagMidiData e{};
    ASSERT_TRUE(fifo.Pop(&e));
    EXPECT_EQ(e.time, 7u);
}

TEST(MidiFifo, SizeThatIsNotAPowerOfTwoIsRefused) {
    for (int n : {0, -4, 3, 1000, 1023}) {
        CMidiFifo fifo(n);
        EXPECT_FALSE(fifo.IsValid()) << n;
        EXPECT_EQ(fifo.Capacity(), 0) << n;
        EXPECT_FALSE(fifo.Push(0x90, 0, 0, 0)) << n;
        EXPECT_FALSE(fifo.Pop(nullptr)) << n;
    }
    EXPECT_TRUE(CMidiFifo(1).IsValid());
}

TEST(MidiFifoThreaded, ProducerAndConsumerOnTwoThreads) {
    CMidiFifo fifo(64);
    constexpr unsigned kCount = 20000;
    std::thread producer([&] {
        for (unsigned i = 0; i < kCount;)
            if (fifo.Push(0x90, 0, 0, i)) ++i;
    });
    unsigned next = 0;
    while (next < kCount) {
        const int n = fifo.Count();
        for (int k = 0; k < n; ++k) {
            tagMidiData e{};
            ASSERT_TRUE(fifo.Pop(&e));
            ASSERT_EQ(e.time, next);
            ++next;
        }
    }
    producer.join();
    EXPECT_EQ(fifo.Count(), 0);
}

}  // namespace
