// Cutting incoming packets into short messages and exclusive pieces.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Linux/MidiIO/MidiIO.h"

namespace {

using Bytes = std::vector<uint8_t>;

// Records calls as "S:90 3C 64" and "L:F0 42".
class Recorder : public IMIDIInCallback {
public:
    void OnMIDIShort(IMIDIIn*, long long time, const void* data, unsigned length) override {
        Add("S", time, data, length);
    }
    void OnMIDILong(IMIDIIn*, long long time, const void* data, unsigned length) override {
        Add("L", time, data, length);
    }
    std::vector<std::string> calls;

private:
    void Add(const char* kind, long long time, const void* data, unsigned length) {
        EXPECT_EQ(time, 0);
        std::string s = kind;
        s += ":";
        for (unsigned i = 0; i < length; ++i) {
            char buf[4];
            std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", static_cast<const uint8_t*>(data)[i]);
            s += buf;
        }
        calls.push_back(s);
    }
};

struct Case {
    const char* name;
    std::vector<Bytes> packets;
    std::vector<std::string> calls;
    bool inExclusiveAfter;
};

TEST(MidiPacketSplitter, Cases) {
    const Case cases[] = {
        {"two notes", {{0x90, 0x3C, 0x64, 0x80, 0x3C, 0x00}}, {"S:90 3C 64", "S:80 3C 00"}, false},
        {"running status is not relied on", {{0x90, 0x3C, 0x64, 0x3E, 0x64}}, {"S:90 3C 64"}, false},
        {"clock then an incomplete controller", {{0xF8, 0xB0, 0x07}}, {"S:F8"}, false},
        {"exclusive over three packets, then a short message",
         {{0xF0, 0x42, 0x30}, {0x7A, 0x23, 0xF7}, {0xC0, 0x05}},
         {"L:F0 42 30", "L:7A 23 F7", "S:C0 05"},
         false},
        {"exclusive left open", {{0xF0, 0x42, 0x30}}, {"L:F0 42 30"}, true},
        {"real-time inside exclusive does not break it",
         {{0xF0, 0x42, 0xF8, 0x30}, {0xFE, 0x7A, 0xF7}},
         {"L:F0 42", "S:F8", "L:30", "S:FE", "L:7A F7"},
         false},
        {"undefined real-time inside exclusive is dropped",
         {{0xF0, 0x42, 0xF9, 0xFD, 0x30, 0xF7}},
         {"L:F0 42", "L:30 F7"},
         false},
        {"exclusive cut short by a note: its last piece ends with the note's status",
         {{0xF0, 0x42, 0x30, 0x90, 0x3C, 0x64}},
         {"L:F0 42 30 90", "S:90 3C 64"},
         false},
        {"exclusive cut short in a later packet",
         {{0xF0, 0x42}, {0x30, 0xB0, 0x07, 0x7F}},
         {"L:F0 42", "L:30 B0", "S:B0 07 7F"},
         false},
        {"exclusive cut short at a packet boundary",
         {{0xF0, 0x42, 0x30}, {0xC0, 0x05}},
         {"L:F0 42 30", "L:C0", "S:C0 05"},
         false},
        {"exclusive cut short by a new one",
         {{0xF0, 0x01, 0xF0, 0x02, 0xF7}},
         {"L:F0 01", "L:F0 02 F7"},
         false},
        {"short messages after F7 in the same packet",
         {{0xF0, 0x43, 0xF7, 0x90, 0x3C, 0x64, 0xF8}},
         {"L:F0 43 F7", "S:90 3C 64", "S:F8"},
         false},
        {"incomplete message cut short by a status", {{0xB0, 0x07, 0x90, 0x3C, 0x64}}, {"S:90 3C 64"}, false},
        {"bytes that begin nothing", {{0xF9, 0xFD, 0xF4, 0xF5, 0xF7, 0x12}}, {}, false},
        {"other lengths",
         {{0xC0, 0x05, 0xF3, 0x01, 0xF6, 0xF2, 0x01, 0x02, 0xE0, 0x00, 0x40, 0xD0, 0x10}},
         {"S:C0 05", "S:F3 01", "S:F6", "S:F2 01 02", "S:E0 00 40", "S:D0 10"},
         false},
        {"status at the end of the packet", {{0x90}}, {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CMidiPacketSplitter splitter;
        Recorder rec;
        for (const Bytes& p : c.packets) splitter.Split(p.data(), p.size(), nullptr, &rec);
        EXPECT_EQ(rec.calls, c.calls);
        EXPECT_EQ(splitter.InExclusive(), c.inExclusiveAfter);
    }
}

TEST(MidiPacketSplitter, ShortLengths) {
    EXPECT_EQ(MidiShortLength(0x85), 3u);
    EXPECT_EQ(MidiShortLength(0xAF), 3u);
    EXPECT_EQ(MidiShortLength(0xBF), 3u);
    EXPECT_EQ(MidiShortLength(0xC3), 2u);
    EXPECT_EQ(MidiShortLength(0xDF), 2u);
    EXPECT_EQ(MidiShortLength(0xEF), 3u);
    for (uint8_t b : {0xF0, 0xF1, 0xF4, 0xF5, 0xF7, 0xF9, 0xFD, 0x00, 0x7F})
        EXPECT_EQ(MidiShortLength(b), 0u);
    for (uint8_t b : {0xF6, 0xF8, 0xFA, 0xFB, 0xFC, 0xFE, 0xFF}) EXPECT_EQ(MidiShortLength(b), 1u);
}

TEST(MidiPacketSplitter, NoCallbackNoCalls) {
    CMidiPacketSplitter splitter;
    const Bytes p{0xF0, 0x42};
    splitter.Split(p.data(), p.size(), nullptr, nullptr);
    EXPECT_FALSE(splitter.InExclusive());
}

}  // namespace
