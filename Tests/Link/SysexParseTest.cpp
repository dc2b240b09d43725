// The parser of received exclusive messages: recognition, length gates and decoded fields.
#include <gtest/gtest.h>

#include <vector>

#include "Common/Link/SysexMessages.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;
constexpr unsigned kCh = 3;
constexpr uint8_t G = 0x33;

// Parses a whole message given without its 0xF7.
SXParsed ParseComplete(const Bytes& b, unsigned char model = kPmidTolva) {
    return SXParse(b.data(), b.size(), b.size(), true, kCh, model);
}

TEST(SysexParse, InquiryReplyOfEitherModelAnyDeviceByte) {
    for (uint8_t member : {kPmidTolva, kPmidNerimo}) {
        const Bytes reply{0xF0, 0x7E,   0x0B, 0x06, 0x02, 0x42, 0x7A,
                          0x00, member, 0x00, 0x01, 0x02, 0x03, 0x04};
        const SXParsed p = ParseComplete(reply);
        EXPECT_EQ(p.kind, SXRcvKind::InquiryReply);
        EXPECT_TRUE(p.ready);
        EXPECT_EQ(p.channel, 0x0B);
        ASSERT_NE(p.record, nullptr);
        EXPECT_EQ(p.record[DEVICEINQUIRYDATA::MEMBER], member);
        EXPECT_EQ(p.record[8], 0x04);
        // Not complete yet: recognised but not acted on.
        EXPECT_FALSE(SXParse(reply.data(), reply.size(), reply.size(), false, kCh, kPmidTolva).ready);
    }
    // Member code 3 is not one of ours: not an inquiry reply, and not our frame either.
    const Bytes other{0xF0, 0x7E, 0x0B, 0x06, 0x02, 0x42, 0x7A, 0x00, 0x03, 0x00, 0x01, 0x02, 0x03, 0x04};
    EXPECT_EQ(ParseComplete(other).kind, SXRcvKind::Unhandled);
}

TEST(SysexParse, MasterVolumeAndOtherUniversalRealtime) {
    const SXParsed v = ParseComplete({0xF0, 0x7F, kCh, 0x04, 0x01, 0x00, 0x40});
    EXPECT_EQ(v.kind, SXRcvKind::MasterVolume);
    EXPECT_TRUE(v.ready);
    EXPECT_EQ(v.volume, 8192u);
    EXPECT_FALSE(ParseComplete({0xF0, 0x7F, kCh, 0x04, 0x01, 0x00}).ready);  // too short
    const SXParsed other = ParseComplete({0xF0, 0x7F, kCh, 0x04, 0x02, 0x10, 0x10});
    EXPECT_EQ(other.kind, SXRcvKind::UniversalRealtime);
    EXPECT_EQ(other.code, 0x02);
    // Another device byte: not for us, and not our frame.
    EXPECT_EQ(ParseComplete({0xF0, 0x7F, kCh + 1, 0x04, 0x01, 0x00, 0x40}).kind, SXRcvKind::Unhandled);
}

TEST(SysexParse, ForeignFramesAndUnknownCodes) {
    EXPECT_EQ(ParseComplete({0xF0, 0x41, G, 0x7A, 0x23}).kind, SXRcvKind::Unhandled);
    EXPECT_EQ(ParseComplete({0xF0, 0x42, 0x30, 0x7A, 0x23}).kind, SXRcvKind::Unhandled);  // other channel
    EXPECT_EQ(ParseComplete({0xF0, 0x42, G, 0x7A}).kind, SXRcvKind::Unhandled);           // too short
    const SXParsed u = ParseComplete({0xF0, 0x42, G, 0x7A, 0x77, 0x01});
    EXPECT_EQ(u.kind, SXRcvKind::UnknownCode);
    EXPECT_EQ(u.code, 0x77);
    EXPECT_EQ(SXParse(nullptr, 0, 0, true, kCh, kPmidTolva).kind, SXRcvKind::None);
}

TEST(SysexParse, RepliesWithTheirMinimumLengths) {
    struct {
        Bytes bytes;
        SXRcvKind kind;
        bool ready;
        unsigned reason;
    } cases[] = {
        {{0xF0, 0x42, G, 0x7A, 0x21}, SXRcvKind::WriteComplete, true, 0},
        {{0xF0, 0x42, G, 0x7A, 0x23}, SXRcvKind::LoadComplete, true, 0},
        {{0xF0, 0x42, G, 0x7A, 0x22, 0x01}, SXRcvKind::WriteError, true, 1},
        {{0xF0, 0x42, G, 0x7A, 0x24, 0x28}, SXRcvKind::LoadError, true, 40},
        {{0xF0, 0x42, G, 0x7A, 0x26, 0x00}, SXRcvKind::FormatError, true, 0},
        {{0xF0, 0x42, G, 0x7A, 0x24}, SXRcvKind::LoadError, false, 0},
        {{0xF0, 0x42, G, 0x7A, 0x4E}, SXRcvKind::ModeChange, false, 0},
    };
    for (const auto& c : cases) {
        const SXParsed p = ParseComplete(c.bytes);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.ready, c.ready);
        EXPECT_EQ(p.reason, c.reason);
        // Nothing but a dump acts before it is complete.
        EXPECT_FALSE(SXParse(c.bytes.data(), c.bytes.size(), c.bytes.size(), false, kCh, kPmidTolva).ready);
    }
}

TEST(SysexParse, ModeAndStateRecord) {
    Bytes b{0xF0, 0x42, G, 0x7A, 0x42};
    for (int i = 0; i < 21; ++i) b.push_back(static_cast<uint8_t>(i == 0 ? 6 : i));
    const SXParsed p = ParseComplete(b);
    EXPECT_EQ(p.kind, SXRcvKind::ModeAndState);
    ASSERT_TRUE(p.ready);
    EXPECT_EQ(p.mode, 6);
    EXPECT_EQ(p.record, b.data() + 5);
    b.pop_back();
    EXPECT_FALSE(ParseComplete(b).ready);
}

TEST(SysexParse, ParameterChanges) {
    const SXParsed pc = ParseComplete({0xF0, 0x42, G, 0x7A, 0x41, 0x06, 0x00, 0x0A, 0x00, 0x05, 0x7F, 0x7F});
    ASSERT_TRUE(pc.ready);
    EXPECT_EQ(pc.kind, SXRcvKind::ParamChange);
    EXPECT_EQ(pc.mode, 6);
    EXPECT_EQ(pc.pid, 0x0A05);
    EXPECT_EQ(pc.value, -1);
    // 11 bytes before the 0xF7 are not a parameter change.
    EXPECT_FALSE(ParseComplete({0xF0, 0x42, G, 0x7A, 0x41, 0x06, 0x00, 0x0A, 0x00, 0x05, 0x7F}).ready);

    const SXParsed dk = ParseComplete({0xF0, 0x42, G, 0x7A, 0x53, 0x27, 0x7F, 0x00, 0x15, 0x40, 0x00});
    ASSERT_TRUE(dk.ready);
    EXPECT_EQ(dk.kit, 39u);
    EXPECT_EQ(dk.slot, 127u);
    EXPECT_EQ(dk.param, 0x15);
    EXPECT_EQ(dk.value, -8192);

    struct {
        uint8_t param;
        unsigned index;
    } arp[] = {{5, 0x0B}, {6, 0x2F}, {21, 0x2F}, {22, 0}, {4, 0}};
    for (const auto& c : arp) {
        const SXParsed a = ParseComplete(
            {0xF0, 0x42, G, 0x7A, 0x6D, 0x00, 0x01, 0x48, 0x2F, 0x0B, 0x00, c.param, 0x3F, 0x7F});
        ASSERT_TRUE(a.ready);
        EXPECT_EQ(a.pattern, 200u);
        EXPECT_EQ(a.param, c.param);
        EXPECT_EQ(static_cast<unsigned>(a.index), c.index) << int(c.param);
        EXPECT_EQ(a.value, 8191);
    }

    const SXParsed ec = ParseComplete({0xF0, 0x42, G, 0x7A, 0x6F, 0x3F, 0x00, 0x0B, 0x00, 0x7F});
    ASSERT_TRUE(ec.ready);
    EXPECT_EQ(ec.set, 63u);
    EXPECT_EQ(ec.param, 11);
    EXPECT_EQ(ec.value, 127);
}

TEST(SysexParse, DumpHeadersAddressesAndSizes) {
    struct {
        Bytes header;
        SXDump dump;
        SXScope scope;
        int bank, number, index;
        unsigned offset, tolva, nerimo;
    } cases[] = {
        {{0xF0, 0x42, G, 0x7A, 0x40, 0x00}, SXDump::CurProg, SXScope::One, -1, -1, -1, 6, 515, 515},
        // Byte 5 (the model flag the editor sends) is ignored.
        {{0xF0, 0x42, G, 0x7A, 0x4C, 0x01, 0x00, 0x00},
         SXDump::Prog,
         SXScope::All,
         -1,
         -1,
         -1,
         8,
         259813,
         324764},
        {{0xF0, 0x42, G, 0x7A, 0x4C, 0x00, 0x13, 0x09},
         SXDump::Prog,
         SXScope::Bank,
         3,
         -1,
         -1,
         8,
         64960,
         64960},
        {{0xF0, 0x42, G, 0x7A, 0x4C, 0x00, 0x22, 0x05}, SXDump::Prog, SXScope::One, 2, 5, -1, 8, 517, 517},
        // A kind above 2 carries one sound, and is addressed as one.
        {{0xF0, 0x42, G, 0x7A, 0x4D, 0x00, 0x31, 0x05}, SXDump::Combi, SXScope::One, 1, 5, -1, 8, 631, 631},
        {{0xF0, 0x42, G, 0x7A, 0x49, 0x00}, SXDump::CurCombi, SXScope::One, -1, -1, -1, 6, 629, 629},
        {{0xF0, 0x42, G, 0x7A, 0x4A, 0x00}, SXDump::CurMulti, SXScope::One, -1, -1, -1, 6, 1402, 1402},
        {{0xF0, 0x42, G, 0x7A, 0x48, 0x00, 0x00, 0x00},
         SXDump::Multi,
         SXScope::All,
         -1,
         -1,
         -1,
         8,
         178478,
         178478},
        {{0xF0, 0x42, G, 0x7A, 0x48, 0x01, 0x11, 0x00},
         SXDump::Multi,
         SXScope::One,
         -1,
         -1,
         17,
         8,
         1404,
         1404},
        {{0xF0, 0x42, G, 0x7A, 0x51, 0x00}, SXDump::Global, SXScope::One, -1, -1, -1, 6, 979, 979},
        {{0xF0, 0x42, G, 0x7A, 0x52, 0x01, 0x27, 0x00},
         SXDump::Drumkit,
         SXScope::One,
         -1,
         -1,
         39,
         8,
         4709,
         4709},
        {{0xF0, 0x42, G, 0x7A, 0x52, 0x00, 0x00, 0x00},
         SXDump::Drumkit,
         SXScope::All,
         -1,
         -1,
         -1,
         8,
         187987,
         187987},
        {{0xF0, 0x42, G, 0x7A, 0x69, 0x40, 0x01, 0x48},
         SXDump::ArpPattern,
         SXScope::One,
         -1,
         -1,
         200,
         8,
         375,
         375},
        {{0xF0, 0x42, G, 0x7A, 0x69, 0x00, 0x00, 0x00},
         SXDump::ArpPattern,
         SXScope::All,
         -1,
         -1,
         -1,
         8,
         91804,
         91804},
        {{0xF0, 0x42, G, 0x7A, 0x6E, 0x01, 0x3F, 0x00},
         SXDump::ExtControl,
         SXScope::One,
         -1,
         -1,
         63,
         8,
         55,
         55},
        {{0xF0, 0x42, G, 0x7A, 0x6E, 0x00, 0x00, 0x00},
         SXDump::ExtControl,
         SXScope::All,
         -1,
         -1,
         -1,
         8,
         2935,
         2935},
        {{0xF0, 0x42, G, 0x7A, 0x50, 0x00, 0x00}, SXDump::All, SXScope::All, -1, -1, -1, 7, 957762, 1025638},
    };
    for (const auto& c : cases) {
        for (unsigned char model : {kPmidTolva, kPmidNerimo}) {
            // Recognised as soon as the header is in, before the message is complete.
            const SXParsed p =
                SXParse(c.header.data(), c.header.size(), c.header.size() + 100, false, kCh, model);
            SCOPED_TRACE(int(p.code));
            EXPECT_EQ(p.kind, SXRcvKind::Dump);
            ASSERT_TRUE(p.ready);
            EXPECT_EQ(p.dump, c.dump);
            EXPECT_EQ(p.scope, c.scope);
            EXPECT_EQ(p.bank, c.bank);
            EXPECT_EQ(p.number, c.number);
            EXPECT_EQ(p.index, c.index);
            EXPECT_EQ(p.bodyOffset, c.offset);
            EXPECT_EQ(p.expectedTotal, model == kPmidTolva ? c.tolva : c.nerimo);
            EXPECT_EQ(p.bodySize, SXDumpBodySize(c.dump, c.scope, model));
            // One byte short of the header: recognised, not ready.
            const SXParsed shortp =
                SXParse(c.header.data(), c.header.size() - 1, c.header.size() - 1, false, kCh, model);
            EXPECT_EQ(shortp.kind, SXRcvKind::Dump);
            EXPECT_FALSE(shortp.ready);
        }
    }
}

// Only the flag value for "all" addresses all items; every other value of the flag addresses one item
// (its index), so a one-item body is never taken for a whole set.
TEST(SysexParse, ItemFlagsOtherThanAllAddressOneItem) {
    struct Case {
        uint8_t code;
        uint8_t flag;   // header byte 5
        uint8_t index;  // header byte 6
        SXScope scope;
        int expectedIndex;
    };
    const Case cases[] = {
        {0x48, 0x00, 0x11, SXScope::All, -1},   {0x48, 0x01, 0x11, SXScope::One, 17},
        {0x48, 0x02, 0x11, SXScope::One, 17},   {0x48, 0x7F, 0x11, SXScope::One, 17},
        {0x52, 0x02, 0x05, SXScope::One, 5},    {0x52, 0x40, 0x05, SXScope::One, 5},
        {0x6E, 0x03, 0x09, SXScope::One, 9},    {0x6E, 0x7F, 0x09, SXScope::One, 9},
        {0x69, 0x3F, 0x01, SXScope::All, -1},  // the pattern's flag is the top bits only
        {0x69, 0x7F, 0x01, SXScope::One, 0x81},
    };
    for (const Case& c : cases) {
        const Bytes header{0xF0, 0x42, G, 0x7A, c.code, c.flag, c.index, 0x01};
        const SXParsed p = SXParse(header.data(), header.size(), header.size() + 100, false, kCh, kPmidTolva);
        SCOPED_TRACE(testing::Message() << std::hex << int(c.code) << " flag " << int(c.flag));
        ASSERT_TRUE(p.ready);
        EXPECT_EQ(p.scope, c.scope);
        EXPECT_EQ(p.index, c.expectedIndex);
        EXPECT_EQ(p.bodySize, SXDumpBodySize(p.dump, c.scope, kPmidTolva));
    }
    // Programs and combinations: kind 0 all, 1 a bank, any other kind one sound.
    for (uint8_t kind = 2; kind < 8; ++kind) {
        const Bytes header{0xF0, 0x42, G, 0x7A, 0x4C, 0x00, static_cast<uint8_t>(kind << 4 | 0x02), 0x05};
        const SXParsed p = SXParse(header.data(), header.size(), header.size() + 100, false, kCh, kPmidTolva);
        ASSERT_TRUE(p.ready);
        EXPECT_EQ(p.scope, SXScope::One) << int(kind);
        EXPECT_EQ(p.bank, 2);
        EXPECT_EQ(p.number, 5);
    }
}

TEST(SysexParse, NeverReadsBeyondTheRawBytes) {
    // A header-only raw buffer with a large received count: no field past the header is read.
    const Bytes header{0xF0, 0x42, G, 0x7A, 0x41};
    const SXParsed p = SXParse(header.data(), header.size(), 13, true, kCh, kPmidTolva);
    EXPECT_EQ(p.kind, SXRcvKind::ParamChange);
    EXPECT_FALSE(p.ready);
}

}  // namespace
