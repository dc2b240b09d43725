// Every message the link sends, byte for byte, with its session parameters, for both models.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Link/SysexMessages.h"

using namespace QorX0;

namespace {

using Bytes = std::vector<uint8_t>;

Bytes BytesOf(const SXMessage& m) {
    return Bytes(m.bytes, m.bytes + m.length);
}

constexpr unsigned kCh = 5;  // global channel used throughout: byte 2 is 0x35
constexpr uint8_t G = 0x35;

struct Case {
    std::string name;
    SXMessage message;
    Bytes bytes;
    unsigned flags;
    unsigned txSize;  // transmit total (message length for everything but dumps)
    unsigned replySize;
    int replyCode;  // -1: no reply signature
    int errorCode;  // -1: no error signature
    unsigned wait;
};

std::vector<Case> Requests(unsigned char model) {
    const bool nerimo = model == kPmidNerimo;
    const unsigned allProg = nerimo ? 324764 : 259813;
    const unsigned allData = nerimo ? 1025638 : 957762;
    return {
        {"mode and state",
         SXModeAndStateReq(kCh),
         {0xF0, 0x42, G, 0x7A, 0x12, 0xF7},
         5,
         6,
         11,
         0x42,
         -1,
         1000},
        {"cur prog",
         SXCurProgDumpReq(kCh),
         {0xF0, 0x42, G, 0x7A, 0x10, 0x00, 0xF7},
         5,
         7,
         515,
         0x40,
         0x24,
         1000},
        {"prog all",
         SXProgDumpReq(kCh, model, -1, -1),
         {0xF0, 0x42, G, 0x7A, 0x1C, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         allProg,
         0x4C,
         0x24,
         10000},
        {"prog bank 3",
         SXProgDumpReq(kCh, model, 3, -1),
         {0xF0, 0x42, G, 0x7A, 0x1C, 0x13, 0x00, 0x00, 0xF7},
         13,
         9,
         64960,
         0x4C,
         0x24,
         10000},
        // Kind 2 in the high nibble, bank in the low one.
        {"prog 2:5",
         SXProgDumpReq(kCh, model, 2, 5),
         {0xF0, 0x42, G, 0x7A, 0x1C, 0x22, 0x05, 0x00, 0xF7},
         5,
         9,
         517,
         0x4C,
         0x24,
         1000},
        {"cur combi",
         SXCurCombiDumpReq(kCh),
         {0xF0, 0x42, G, 0x7A, 0x19, 0x00, 0xF7},
         5,
         7,
         629,
         0x49,
         0x24,
         1000},
        {"combi all",
         SXCombiDumpReq(kCh, -1, 7),
         {0xF0, 0x42, G, 0x7A, 0x1D, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         238748,
         0x4D,
         0x24,
         10000},
        {"combi bank 1",
         SXCombiDumpReq(kCh, 1, -1),
         {0xF0, 0x42, G, 0x7A, 0x1D, 0x11, 0x00, 0x00, 0xF7},
         13,
         9,
         79589,
         0x4D,
         0x24,
         10000},
        {"combi 0:127",
         SXCombiDumpReq(kCh, 0, 127),
         {0xF0, 0x42, G, 0x7A, 0x1D, 0x20, 0x7F, 0x00, 0xF7},
         5,
         9,
         631,
         0x4D,
         0x24,
         1000},
        {"cur multi",
         SXCurMultiDumpReq(kCh),
         {0xF0, 0x42, G, 0x7A, 0x16, 0x00, 0xF7},
         5,
         7,
         1402,
         0x4A,
         0x24,
         1000},
        {"multi all",
         SXMultiDumpReq(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x18, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         178478,
         0x48,
         0x24,
         10000},
        {"multi 9",
         SXMultiDumpReq(kCh, 9),
         {0xF0, 0x42, G, 0x7A, 0x18, 0x01, 0x09, 0x00, 0xF7},
         5,
         9,
         1404,
         0x48,
         0x24,
         1000},
        {"global",
         SXGlobalDumpReq(kCh),
         {0xF0, 0x42, G, 0x7A, 0x0E, 0x00, 0xF7},
         5,
         7,
         979,
         0x51,
         0x24,
         1000},
        {"drumkit all",
         SXDrumkitDumpReq(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x0D, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         187987,
         0x52,
         0x24,
         10000},
        {"drumkit 39",
         SXDrumkitDumpReq(kCh, 39),
         {0xF0, 0x42, G, 0x7A, 0x0D, 0x01, 0x27, 0x00, 0xF7},
         5,
         9,
         4709,
         0x52,
         0x24,
         1000},
        {"arp all",
         SXArpPatternDumpReq(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x34, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         91804,
         0x69,
         0x24,
         10000},
        {"arp 200",
         SXArpPatternDumpReq(kCh, 200),
         {0xF0, 0x42, G, 0x7A, 0x34, 0x40, 0x01, 0x48, 0xF7},
         5,
         9,
         375,
         0x69,
         0x24,
         1000},
        {"extctl all",
         SXExtControlDumpReq(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x1E, 0x00, 0x00, 0x00, 0xF7},
         13,
         9,
         2935,
         0x6E,
         0x24,
         10000},
        // The index is in byte 7 of this request.
        {"extctl 63",
         SXExtControlDumpReq(kCh, 63),
         {0xF0, 0x42, G, 0x7A, 0x1E, 0x01, 0x00, 0x3F, 0xF7},
         5,
         9,
         55,
         0x6E,
         0x24,
         1000},
        {"all data",
         SXAllDumpReq(kCh, model),
         {0xF0, 0x42, G, 0x7A, 0x0F, 0x00, 0xF7},
         13,
         7,
         allData,
         0x50,
         0x24,
         10000},
        {"write prog",
         SXProgWriteReq(kCh, 3, 127),
         {0xF0, 0x42, G, 0x7A, 0x11, 0x03, 0x7F, 0xF7},
         5,
         8,
         8,
         0x21,
         0x22,
         1000},
        {"write combi",
         SXCombiWriteReq(kCh, 2, 64),
         {0xF0, 0x42, G, 0x7A, 0x1A, 0x02, 0x40, 0xF7},
         5,
         8,
         8,
         0x21,
         0x22,
         1000},
        {"write multi",
         SXMultiWriteReq(kCh, 100),
         {0xF0, 0x42, G, 0x7A, 0x17, 0x00, 0x64, 0xF7},
         5,
         8,
         8,
         0x21,
         0x22,
         1000},
    };
}

std::vector<Case> Sends(unsigned char model) {
    const bool nerimo = model == kPmidNerimo;
    const uint8_t m = nerimo ? 1 : 0;
    const unsigned allProg = nerimo ? 324764 : 259813;
    const unsigned allData = nerimo ? 1025638 : 957762;
    return {
        {"cur prog", SXCurProgDump(kCh), {0xF0, 0x42, G, 0x7A, 0x40, 0x00}, 5, 515, 8, 0x23, 0x24, 1000},
        {"prog all",
         SXProgDump(kCh, model, -1, 0),
         {0xF0, 0x42, G, 0x7A, 0x4C, m, 0x00, 0x00},
         7,
         allProg,
         8,
         0x23,
         0x24,
         10000},
        {"prog bank",
         SXProgDump(kCh, model, 4, -1),
         {0xF0, 0x42, G, 0x7A, 0x4C, m, 0x14, 0x00},
         7,
         64960,
         8,
         0x23,
         0x24,
         10000},
        {"prog one",
         SXProgDump(kCh, model, 1, 99),
         {0xF0, 0x42, G, 0x7A, 0x4C, m, 0x21, 0x63},
         5,
         517,
         8,
         0x23,
         0x24,
         1000},
        {"cur combi", SXCurCombiDump(kCh), {0xF0, 0x42, G, 0x7A, 0x49, 0x00}, 5, 629, 8, 0x23, 0x24, 1000},
        {"combi all",
         SXCombiDump(kCh, -1, -1),
         {0xF0, 0x42, G, 0x7A, 0x4D, 0x00, 0x00, 0x00},
         7,
         238748,
         8,
         0x23,
         0x24,
         10000},
        {"combi bank",
         SXCombiDump(kCh, 2, -1),
         {0xF0, 0x42, G, 0x7A, 0x4D, 0x00, 0x12, 0x00},
         7,
         79589,
         8,
         0x23,
         0x24,
         10000},
        {"combi one",
         SXCombiDump(kCh, 2, 3),
         {0xF0, 0x42, G, 0x7A, 0x4D, 0x00, 0x22, 0x03},
         5,
         631,
         8,
         0x23,
         0x24,
         1000},
        {"cur multi", SXCurMultiDump(kCh), {0xF0, 0x42, G, 0x7A, 0x4A, 0x00}, 5, 1402, 8, 0x23, 0x24, 1000},
        {"multi all",
         SXMultiDump(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x48, 0x00, 0x00, 0x00},
         7,
         178478,
         8,
         0x23,
         0x24,
         10000},
        {"multi one",
         SXMultiDump(kCh, 127),
         {0xF0, 0x42, G, 0x7A, 0x48, 0x01, 0x7F, 0x00},
         5,
         1404,
         8,
         0x23,
         0x24,
         1000},
        {"global", SXGlobalDump(kCh), {0xF0, 0x42, G, 0x7A, 0x51, 0x00}, 5, 979, 8, 0x23, 0x24, 1000},
        {"drumkit all",
         SXDrumkitDump(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x52, 0x00, 0x00, 0x00},
         7,
         187987,
         8,
         0x23,
         0x24,
         10000},
        {"drumkit one",
         SXDrumkitDump(kCh, 12),
         {0xF0, 0x42, G, 0x7A, 0x52, 0x01, 0x0C, 0x00},
         5,
         4709,
         8,
         0x23,
         0x24,
         1000},
        {"arp all",
         SXArpPatternDump(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x69, 0x00, 0x00, 0x00},
         7,
         91804,
         8,
         0x23,
         0x24,
         10000},
        {"arp one",
         SXArpPatternDump(kCh, 250),
         {0xF0, 0x42, G, 0x7A, 0x69, 0x40, 0x01, 0x7A},
         5,
         375,
         8,
         0x23,
         0x24,
         1000},
        // The index is in byte 6 of this dump, unlike its request.
        {"extctl all",
         SXExtControlDump(kCh, -1),
         {0xF0, 0x42, G, 0x7A, 0x6E, 0x00, 0x00, 0x00},
         7,
         2935,
         8,
         0x23,
         0x24,
         10000},
        {"extctl one",
         SXExtControlDump(kCh, 5),
         {0xF0, 0x42, G, 0x7A, 0x6E, 0x01, 0x05, 0x00},
         5,
         55,
         8,
         0x23,
         0x24,
         1000},
        {"all data",
         SXAllDump(kCh, model),
         {0xF0, 0x42, G, 0x7A, 0x50, m, 0x00},
         7,
         allData,
         8,
         0x23,
         0x24,
         10000},
        {"mode change global",
         SXModeChange(kCh, 6),
         {0xF0, 0x42, G, 0x7A, 0x4E, 0x06, 0xF7},
         5,
         7,
         8,
         0x23,
         0x24,
         1000},
        {"param change",
         SXParamChange(kCh, 3, 0x0A05, 100),
         {0xF0, 0x42, G, 0x7A, 0x41, 0x03, 0x00, 0x0A, 0x00, 0x05, 0x00, 0x64, 0xF7},
         5,
         13,
         8,
         0x23,
         0x24,
         1000},
        {"param change global",
         SXParamChange(kCh, 6, 0x1234, -1),
         {0xF0, 0x42, G, 0x7A, 0x41, 0x06, 0x00, 0x12, 0x00, 0x34, 0x7F, 0x7F, 0xF7},
         5,
         13,
         8,
         0x23,
         0x24,
         1000},
        {"drumkit param",
         SXDrumkitParamChange(kCh, 39, 127, 0x15, -8192),
         {0xF0, 0x42, G, 0x7A, 0x53, 0x27, 0x7F, 0x00, 0x15, 0x40, 0x00, 0xF7},
         5,
         12,
         8,
         0x23,
         0x24,
         1000},
        {"arp param 5",
         SXArpPatternParamChange(kCh, 200, 5, 11, 3),
         {0xF0, 0x42, G, 0x7A, 0x6D, 0x00, 0x01, 0x48, 0x00, 0x0B, 0x00, 0x05, 0x00, 0x03, 0xF7},
         5,
         15,
         8,
         0x23,
         0x24,
         1000},
        {"arp param 6",
         SXArpPatternParamChange(kCh, 7, 6, 47, 8191),
         {0xF0, 0x42, G, 0x7A, 0x6D, 0x00, 0x00, 0x07, 0x2F, 0x00, 0x00, 0x06, 0x3F, 0x7F, 0xF7},
         5,
         15,
         8,
         0x23,
         0x24,
         1000},
        {"arp param 22",
         SXArpPatternParamChange(kCh, 7, 22, 47, 1),
         {0xF0, 0x42, G, 0x7A, 0x6D, 0x00, 0x00, 0x07, 0x00, 0x00, 0x00, 0x16, 0x00, 0x01, 0xF7},
         5,
         15,
         8,
         0x23,
         0x24,
         1000},
        {"extctl param",
         SXExtControlParamChange(kCh, 63, 11, 127),
         {0xF0, 0x42, G, 0x7A, 0x6F, 0x3F, 0x00, 0x0B, 0x00, 0x7F, 0xF7},
         5,
         11,
         8,
         0x23,
         0x24,
         1000},
    };
}

void CheckCase(const Case& c) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(c.message.valid());
    EXPECT_EQ(BytesOf(c.message), c.bytes);
    EXPECT_EQ(c.message.flags, c.flags);
    EXPECT_EQ(c.message.txSize, c.txSize);
    EXPECT_EQ(c.message.replySize, c.replySize);
    EXPECT_EQ(c.message.Wait(), c.wait);
    if (c.replyCode < 0) {
        EXPECT_TRUE(c.message.reply.empty());
    } else {
        EXPECT_EQ(c.message.reply, SXFrameSig(kCh, static_cast<uint8_t>(c.replyCode)));
    }
    if (c.errorCode < 0) {
        EXPECT_TRUE(c.message.error.empty());
    } else {
        EXPECT_EQ(c.message.error, SXFrameSig(kCh, static_cast<uint8_t>(c.errorCode)));
    }
    // Nothing inside a message has bit 7 set but its first and last byte.
    for (unsigned i = 1; i + 1 < c.message.length; ++i) EXPECT_LT(c.message.bytes[i], 0x80) << "byte " << i;
}

class SysexMessagesByModel : public ::testing::TestWithParam<unsigned char> {};

TEST_P(SysexMessagesByModel, RequestsAndWriteCommands) {
    for (const Case& c : Requests(GetParam())) CheckCase(c);
}

TEST_P(SysexMessagesByModel, DumpHeadersModeAndParameterChanges) {
    for (const Case& c : Sends(GetParam())) {
        CheckCase(c);
        EXPECT_EQ(c.message.isDump,
                  c.name.find("change") == std::string::npos && c.name.find("param") == std::string::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, SysexMessagesByModel, ::testing::Values(kPmidTolva, kPmidNerimo));

TEST(SysexMessages, UniversalMessages) {
    const SXMessage inquiry = SXDeviceInquiry();
    EXPECT_EQ(BytesOf(inquiry), (Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}));
    EXPECT_EQ(inquiry.flags, 5u);
    EXPECT_EQ(inquiry.replySize, 15u);
    EXPECT_EQ(inquiry.Wait(), 100u);
    EXPECT_TRUE(inquiry.error.empty());
    const Bytes reply{0xF0, 0x7E, 0x0C, 0x06, 0x02, 0x42, 0x7A, 0x00,
                      0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
    EXPECT_TRUE(inquiry.reply.Match(reply.data(), reply.size()));

    const SXMessage volume = SXMasterVolume(kCh, 0x3FFF);
    EXPECT_EQ(BytesOf(volume), (Bytes{0xF0, 0x7F, 0x05, 0x04, 0x01, 0x7F, 0x7F, 0xF7}));
    EXPECT_EQ(BytesOf(SXMasterVolume(0, 8192)), (Bytes{0xF0, 0x7F, 0x00, 0x04, 0x01, 0x00, 0x40, 0xF7}));
    EXPECT_EQ(volume.flags, 1u);
    EXPECT_EQ(volume.replySize, 1u);
    EXPECT_TRUE(volume.reply.empty());
    EXPECT_TRUE(volume.error.empty());
}

TEST(SysexMessages, ArgumentsThatDoNotFitTheirSevenBitFieldsAreRefused) {
    EXPECT_FALSE(SXProgWriteReq(kCh, 128, 0).valid());
    EXPECT_FALSE(SXProgWriteReq(kCh, 0, 200).valid());
    EXPECT_FALSE(SXProgWriteReq(kCh, -1, 0).valid());
    EXPECT_FALSE(SXCombiWriteReq(kCh, 0, 128).valid());
    EXPECT_FALSE(SXMultiWriteReq(kCh, 255).valid());
    EXPECT_FALSE(SXArpPatternParamChange(kCh, 1, 0x80, 0, 0).valid());
    EXPECT_FALSE(SXArpPatternParamChange(kCh, 1, -1, 0, 0).valid());
    EXPECT_FALSE(SXExtControlParamChange(kCh, 0x80, 1, 0).valid());
    EXPECT_FALSE(SXExtControlParamChange(kCh, 1, 0x90, 0).valid());
    EXPECT_FALSE(SXProgDumpReq(kCh, kPmidTolva, 16, 0).valid());
    EXPECT_FALSE(SXProgDump(kCh, kPmidTolva, 0, 128).valid());
    EXPECT_FALSE(SXMultiDumpReq(kCh, 128).valid());
    EXPECT_FALSE(SXDrumkitDump(kCh, 300).valid());
    // Masked, these would address another pattern, kit or slot.
    EXPECT_FALSE(SXArpPatternDumpReq(kCh, 0x4000).valid());
    EXPECT_FALSE(SXArpPatternDump(kCh, 0x4005).valid());
    EXPECT_FALSE(SXArpPatternParamChange(kCh, 0x100, 6, 0, 0).valid());
    EXPECT_FALSE(SXDrumkitParamChange(kCh, 0x80, 0, 1, 0).valid());
    EXPECT_FALSE(SXDrumkitParamChange(kCh, 1, 0x85, 1, 0).valid());
    // The edges still fit.
    EXPECT_TRUE(SXProgWriteReq(kCh, 127, 127).valid());
    EXPECT_TRUE(SXExtControlParamChange(kCh, 127, 127, 0).valid());
    EXPECT_TRUE(SXArpPatternDumpReq(kCh, 0x3FFF).valid());
    EXPECT_TRUE(SXArpPatternParamChange(kCh, 0xFF, 6, 0, 0).valid());
    EXPECT_TRUE(SXDrumkitParamChange(kCh, 0x7F, 0x7F, 1, 0).valid());
}

TEST(SysexMessages, ChannelIsMaskedIntoItsNibble) {
    EXPECT_EQ(SXModeAndStateReq(0x1F).bytes[2], 0x3F);
    EXPECT_EQ(SXMasterVolume(0x12, 0).bytes[2], 0x02);
}

TEST(ParamEncode, FourteenBitTwosComplement) {
    struct {
        int value;
        uint8_t hi, lo;
    } cases[] = {{-1, 0x7F, 0x7F},  {8191, 0x3F, 0x7F}, {-8192, 0x40, 0x00}, {0, 0, 0},
                 {100, 0x00, 0x64}, {128, 0x01, 0x00},  {-128, 0x7F, 0x00}};
    for (const auto& c : cases) {
        const SXParamBytes b = ParamEncode(c.value);
        EXPECT_EQ(b.hi, c.hi) << c.value;
        EXPECT_EQ(b.lo, c.lo) << c.value;
        EXPECT_EQ(ParamDecode(b.hi, b.lo), c.value);
    }
    for (int v = -8192; v <= 8191; ++v) {
        const SXParamBytes b = ParamEncode(v);
        ASSERT_EQ(ParamDecode(b.hi, b.lo), v);
    }
    // Values outside 14 bits wrap.
    EXPECT_EQ(ParamDecode(ParamEncode(8192).hi, ParamEncode(8192).lo), -8192);
}

TEST(SXSig, MatchRules) {
    const Bytes msg{0xF0, 0x42, 0x30, 0x7A, 0x23, 0xF7};
    EXPECT_TRUE(SXFrameSig(0, 0x23).Match(msg.data(), msg.size()));
    EXPECT_FALSE(SXFrameSig(1, 0x23).Match(msg.data(), msg.size()));
    EXPECT_FALSE(SXSig().Match(msg.data(), msg.size()));
    EXPECT_FALSE(SXFrameSig(0, 0x23).Match(msg.data(), 4));  // longer than the message
    EXPECT_TRUE((SXSig{0xF0, 0xFF, 0x30}).Match(msg.data(), msg.size()));
}

TEST(SXReasonText, EveryCodeAndReason) {
    struct {
        uint8_t code;
        unsigned reason;
        const char* text;
    } cases[] = {
        {0x22, 0, "Rcv: WRITEERROR - Dest Memory is protected (code %u)\n"},
        {0x22, 1, "Rcv: WRITEERROR - Dest Bank/Prog is not exist (code %u)\n"},
        {0x22, 2, "Rcv: WRITEERROR - The mode is wrong (code %u)\n"},
        {0x22, 3, "Rcv: WRITEERROR - Undefined type error (code %u)\n"},
        {0x22, 40, "Rcv: WRITEERROR - Another type error (code %u)\n"},
        {0x22, 41, "Rcv: WRITEERROR - Undefined type error (code %u)\n"},
        {0x24, 0, "Rcv: LOADERROR - Dest Memory is protected (code %u)\n"},
        {0x24, 1, "Rcv: LOADERROR - Dest Bank/Prog/Param is not exist (code %u)\n"},
        {0x24, 2, "Rcv: LOADERROR - The mode is wrong (code %u)\n"},
        {0x24, 3, "Rcv: LOADERROR - Memory over flow (code %u)\n"},
        {0x24, 40, "Rcv: LOADERROR - Another type error (code %u)\n"},
        {0x24, 7, "Rcv: LOADERROR - Undefined type error (code %u)\n"},
        {0x26, 0, "Rcv: FORMATERROR - Received Data Length is wrong (code %u)\n"},
        {0x26, 1, "Rcv: FORMATERROR - Received Function code is not registered (code %u)\n"},
        {0x26, 2, "Rcv: FORMATERROR - Undefined type error (code %u)\n"},
        {0x26, 3, "Rcv: FORMATERROR - Undefined type error (code %u)\n"},
        {0x26, 40, "Rcv: FORMATERROR - Another type error (code %u)\n"},
        {0x26, 127, "Rcv: FORMATERROR - Undefined type error (code %u)\n"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(SXReasonText(c.code, c.reason), c.text) << int(c.code) << " " << c.reason;
    EXPECT_EQ(SXReasonText(0x23, 0), nullptr);
}

TEST(SXDumpTraces, SendAndReceiveTexts) {
    EXPECT_STREQ(SXDumpSendTrace(SXDump::Prog), "Send: Prog Dump, %d:%d\n");
    EXPECT_STREQ(SXDumpSendTrace(SXDump::All), "Send: All Dump\n");
    EXPECT_STREQ(SXDumpRcvTrace(SXDump::All), "Rcv: All\n");
    EXPECT_STREQ(SXDumpRcvTrace(SXDump::ExtControl), "Rcv: ExtControl Dump, %d\n");
    EXPECT_STREQ(SXDumpRcvTrace(SXDump::CurMulti), "Rcv: Current Multi Dump\n");
}

}  // namespace
