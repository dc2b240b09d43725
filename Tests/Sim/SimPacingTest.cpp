// Packets and their times for the simulated instrument's paced output.
#include <gtest/gtest.h>

#include "Support/SimPacing.h"

using namespace Sim;

TEST(SimPacing, UnthrottledWholeMessage) {
    Bytes msg(1000, 0x11);
    std::vector<Packet> p = SchedulePackets(msg, 500, Pacing::Unthrottled());
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].bytes, msg);
    EXPECT_EQ(p[0].dueUs, 500);
}

TEST(SimPacing, PacketsOfChosenSize) {
    Bytes msg(600);
    for (size_t i = 0; i < msg.size(); ++i) msg[i] = static_cast<uint8_t>(i);
    std::vector<Packet> p = SchedulePackets(msg, 0, Pacing::Unthrottled(256));
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[0].bytes.size(), 256u);
    EXPECT_EQ(p[1].bytes.size(), 256u);
    EXPECT_EQ(p[2].bytes.size(), 88u);
    EXPECT_EQ(p[2].bytes.front(), static_cast<uint8_t>(512));
    for (const Packet& packet : p) EXPECT_EQ(packet.dueUs, 0);
}

TEST(SimPacing, DinSpeedIsThreeThousandBytesASecond) {
    Bytes msg(3125 * 2, 0);
    std::vector<Packet> p = SchedulePackets(msg, 1000000, Pacing::Din(3125));
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].dueUs, 2000000);  // one second per 3125 bytes
    EXPECT_EQ(p[1].dueUs, 3000000);
    // A single byte needs 320 microseconds; the time is never rounded down.
    EXPECT_EQ(SchedulePackets(Bytes{0xF8}, 0, Pacing::Din())[0].dueUs, 320);
    EXPECT_EQ(SchedulePackets(Bytes(3, 0), 0, Pacing::Rate(1000000 / 3))[0].dueUs, 10);
}

TEST(SimPacing, ChosenRate) {
    std::vector<Packet> p = SchedulePackets(Bytes(515, 0), 0, Pacing::Rate(100000, 100));
    ASSERT_EQ(p.size(), 6u);
    EXPECT_EQ(p[0].dueUs, 1000);
    EXPECT_EQ(p[5].dueUs, 5150);
}

TEST(SimPacing, VirtualClockOnlyMovesForward) {
    VirtualClock clock;
    clock.AdvanceTo(100);
    clock.AdvanceTo(50);
    EXPECT_EQ(clock.NowUs(), 100);
    clock.Advance(5);
    EXPECT_EQ(clock.NowUs(), 105);
}
