// Requests to the simulated instrument: each answered with the right message and size on both
// models, with the instrument's own data.
#include <gtest/gtest.h>

#include <string>

#include "SimTestFrames.h"
#include "Support/SimCore.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Exchange;
using SimTest::Frame;

namespace {

struct RequestCase {
    const char* name;
    Bytes request;      // after F0 42 3g 7A, F7 included by Frame
    Bytes replyHeader;  // the reply's bytes after F0 42 3g 7A, up to the packed body
    size_t tolvaSize;
    size_t nerimoSize;
    Area area;  // where the first record of the answer comes from
    int first;
    size_t recordBytes;  // decoded body size on the Tolva
};

const RequestCase kRequests[] = {
    {"current program", {0x10, 0x00}, {0x40, 0x00}, 515, 515, Area::CurProgram, 0, 444},
    {"one program",
     {0x1C, 0x22, 0x05, 0x00},
     {0x4C, 0xFF, 0x22, 0x05},
     517,
     517,
     Area::Program,
     2 * 128 + 5,
     444},
    {"program bank",
     {0x1C, 0x12, 0x00, 0x00},
     {0x4C, 0xFF, 0x12, 0x00},
     64960,
     64960,
     Area::Program,
     2 * 128,
     56832},
    {"all programs",
     {0x1C, 0x00, 0x00, 0x00},
     {0x4C, 0xFF, 0x00, 0x00},
     259813,
     324764,
     Area::Program,
     0,
     227328},
    {"current combination", {0x19, 0x00}, {0x49, 0x00}, 629, 629, Area::CurCombination, 0, 544},
    {"one combination",
     {0x1D, 0x21, 0x7F, 0x00},
     {0x4D, 0x00, 0x21, 0x7F},
     631,
     631,
     Area::Combination,
     255,
     544},
    {"combination bank",
     {0x1D, 0x10, 0x00, 0x00},
     {0x4D, 0x00, 0x10, 0x00},
     79589,
     79589,
     Area::Combination,
     0,
     69632},
    {"all combinations",
     {0x1D, 0x00, 0x00, 0x00},
     {0x4D, 0x00, 0x00, 0x00},
     238748,
     238748,
     Area::Combination,
     0,
     208896},
    {"current multi", {0x16, 0x00}, {0x4A, 0x00}, 1402, 1402, Area::CurMulti, 0, 1220},
    {"one multi", {0x18, 0x01, 0x05, 0x00}, {0x48, 0x01, 0x05, 0x00}, 1404, 1404, Area::Multi, 5, 1220},
    {"all multis",
     {0x18, 0x00, 0x00, 0x00},
     {0x48, 0x00, 0x00, 0x00},
     178478,
     178478,
     Area::Multi,
     0,
     156160},
    {"global", {0x0E, 0x00}, {0x51, 0x00}, 979, 979, Area::Global, 0, 850},
    {"one drum kit", {0x0D, 0x01, 0x27, 0x00}, {0x52, 0x01, 0x27, 0x00}, 4709, 4709, Area::DrumKit, 39, 4112},
    {"all drum kits",
     {0x0D, 0x00, 0x00, 0x00},
     {0x52, 0x00, 0x00, 0x00},
     187987,
     187987,
     Area::DrumKit,
     0,
     164480},
    {"one arpeggio pattern",
     {0x34, 0x40, 0x01, 0x48},
     {0x69, 0x40, 0x01, 0x48},
     375,
     375,
     Area::ArpPattern,
     200,
     320},
    {"all arpeggio patterns",
     {0x34, 0x00, 0x00, 0x00},
     {0x69, 0x00, 0x00, 0x00},
     91804,
     91804,
     Area::ArpPattern,
     0,
     80320},
    {"one external-control set",
     {0x1E, 0x01, 0x00, 0x05},
     {0x6E, 0x01, 0x05, 0x00},
     55,
     55,
     Area::ExtControl,
     5,
     40},
    {"all external-control sets",
     {0x1E, 0x00, 0x00, 0x00},
     {0x6E, 0x00, 0x00, 0x00},
     2935,
     2935,
     Area::ExtControl,
     0,
     2560},
    {"all data", {0x0F, 0x00}, {0x50, 0xFF, 0x00}, 957762, 1025638, Area::Global, 0, 838034},
};

class SimRequests : public ::testing::TestWithParam<std::tuple<Model, size_t>> {};

}  // namespace

TEST_P(SimRequests, AnswersWithDumpOfRightSizeAndContent) {
    auto [model, caseIndex] = GetParam();
    const RequestCase& c = kRequests[caseIndex];
    const uint8_t channel = 3;
    SimCore sim(model, channel);
    sim.Image().FillFactory(7);
    sim.Receive(Frame(c.request, channel));
    std::vector<Bytes> replies = sim.TakeMessages();
    ASSERT_EQ(replies.size(), 1u) << c.name;
    const Bytes& r = replies[0];
    EXPECT_EQ(r.size(), model == Model::Tolva ? c.tolvaSize : c.nerimoSize) << c.name;
    ASSERT_GT(r.size(), 4 + c.replyHeader.size());
    EXPECT_EQ(Bytes(r.begin(), r.begin() + 4), (Bytes{0xF0, 0x42, 0x33, 0x7A})) << c.name;
    for (size_t i = 0; i < c.replyHeader.size(); ++i) {
        uint8_t want = c.replyHeader[i];
        if (want == 0xFF) want = model == Model::Nerimo ? 1 : 0;  // the model flag of program and all dumps
        EXPECT_EQ(r[4 + i], want) << c.name << " header byte " << 4 + i;
    }
    EXPECT_EQ(r.back(), 0xF7);
    Bytes body = SimTest::UnpackByHand(Bytes(r.begin() + 4 + c.replyHeader.size(), r.end() - 1));
    size_t expected = c.recordBytes;
    if (model == Model::Nerimo && std::string(c.name) == "all programs") expected = 284160;
    if (model == Model::Nerimo && std::string(c.name) == "all data") expected = 897426;
    ASSERT_EQ(body.size(), expected) << c.name;
    const uint8_t* first = sim.Image().Record(c.area, c.first);
    EXPECT_TRUE(std::equal(first, first + GetAreaInfo(c.area).recordSize, body.begin())) << c.name;
}

INSTANTIATE_TEST_SUITE_P(BothModels, SimRequests,
                         ::testing::Combine(::testing::Values(Model::Tolva, Model::Nerimo),
                                            ::testing::Range<size_t>(0, std::size(kRequests))));

TEST(SimRequest, AllDataBodyFollowsDumpOrder) {
    for (Model model : {Model::Tolva, Model::Nerimo}) {
        SimCore sim(model);
        sim.Image().FillFactory(11);
        Bytes r = Exchange(sim, Frame({0x0F, 0x00}));
        Bytes body = SimTest::UnpackByHand(Bytes(r.begin() + 7, r.end() - 1));
        size_t at = 850 + 40 * 4112 + 251 * 320;  // global, kits, patterns, then combinations
        EXPECT_TRUE(
            std::equal(body.begin() + at, body.begin() + at + 544, sim.Image().Record(Area::Combination, 0)));
        at += 3 * 128 * 544;  // then the model's program banks
        EXPECT_TRUE(
            std::equal(body.begin() + at, body.begin() + at + 444, sim.Image().Record(Area::Program, 0)));
        at += (model == Model::Tolva ? 4 : 5) * 128 * 444 + 128 * 1220;  // after the multis
        if (model == Model::Nerimo) {
            EXPECT_TRUE(std::equal(body.begin() + at, body.end(), sim.Image().Record(Area::ExtControl, 0)));
            EXPECT_EQ(body.size(), at + 64 * 40);
        } else {
            EXPECT_EQ(body.size(), at);  // no external-control sets on the Tolva
        }
    }
}

TEST(SimRequest, DeviceInquiryCarriesMemberCodeAndChannel) {
    for (auto [model, member] : {std::pair{Model::Tolva, 1}, {Model::Nerimo, 9}}) {
        SimCore sim(model, 5);
        Bytes r = Exchange(sim, {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7});
        ASSERT_EQ(r.size(), 15u);
        EXPECT_EQ(r, (Bytes{0xF0, 0x7E, 0x05, 0x06, 0x02, 0x42, 0x7A, 0x00, static_cast<uint8_t>(member),
                            0x00, 1, 0, 0, 0, 0xF7}));
        // Addressed to its own channel it answers too; to another device it stays silent.
        EXPECT_EQ(Exchange(sim, {0xF0, 0x7E, 0x05, 0x06, 0x01, 0xF7}).size(), 15u);
        EXPECT_TRUE(Exchange(sim, {0xF0, 0x7E, 0x02, 0x06, 0x01, 0xF7}).empty());
    }
}

TEST(SimRequest, ModeAndStateRecord) {
    SimCore sim(Model::Nerimo, 15);
    SimState& s = sim.State();
    s.mode = Mode::Multi;
    s.localControl = false;
    s.extControlState = 2;
    s.gmMap = true;
    s.powerOnMemorize = true;
    s.protect = true;
    s.progBank = 4;
    s.progNumber = 127;
    s.combiBank = 2;
    s.combiNumber = 9;
    s.multiNumber = 77;
    sim.Image().Record(Area::CurMulti, 0)[kMultiControlTrackOffset] = 0x70 | 12;
    s.extControlEnabled = true;
    s.extControlValue = 99;
    Bytes r = Exchange(sim, Frame({0x12}, 15));
    ASSERT_EQ(r.size(), 27u);
    Bytes expected = {0xF0, 0x42, 0x3F, 0x7A, 0x42, 4, 0,  0x34, 0, 1, 0,  4, 127, 0,
                      0,    2,    9,    0,    0,    0, 77, 12,   0, 1, 99, 0, 0xF7};
    EXPECT_EQ(r, expected);
}

TEST(SimRequest, ItemsOutOfRangeGetLoadErrorNotExist) {
    struct Case {
        Model model;
        Bytes request;
    };
    const Case cases[] = {
        {Model::Tolva, Frame({0x1C, 0x24, 0x00, 0x00})},  // program bank E does not exist on the Tolva
        {Model::Tolva, Frame({0x1C, 0x14, 0x00, 0x00})},
        {Model::Nerimo, Frame({0x1C, 0x25, 0x00, 0x00})},
        {Model::Tolva, Frame({0x1D, 0x23, 0x00, 0x00})},  // combination bank D
        {Model::Tolva, Frame({0x1C, 0x30, 0x00, 0x00})},  // kind 3
        {Model::Tolva, Frame({0x0D, 0x01, 40, 0x00})},
        {Model::Tolva, Frame({0x34, 0x40, 0x01, 0x7B})},  // pattern 251
        {Model::Tolva, Frame({0x1E, 0x01, 0x00, 64})},
        {Model::Tolva, Frame({0x18, 0x02, 0x00, 0x00})},  // "one" flag neither 0 nor 1
    };
    for (const Case& c : cases) {
        SimCore sim(c.model);
        EXPECT_EQ(Exchange(sim, c.request), SimTest::LoadError(1));
    }
    SimCore nerimo(Model::Nerimo);
    EXPECT_EQ(Exchange(nerimo, Frame({0x1C, 0x24, 0x00, 0x00})).size(), 517u);  // bank E exists on the Nerimo
}

TEST(SimRequest, FormatErrors) {
    SimCore sim(Model::Tolva);
    EXPECT_EQ(Exchange(sim, Frame({0x7D})), SimTest::FormatError(1));              // unknown function
    EXPECT_EQ(Exchange(sim, Frame({0x12, 0x00})), SimTest::FormatError(0));        // mode request too long
    EXPECT_EQ(Exchange(sim, Frame({0x1C, 0x25, 0x05})), SimTest::FormatError(0));  // one byte short
    EXPECT_EQ(Exchange(sim, Frame({})), SimTest::FormatError(0));                  // no function code
}

TEST(SimRequest, ForeignFramesAreIgnored) {
    SimCore sim(Model::Tolva, 2);
    EXPECT_TRUE(Exchange(sim, Frame({0x12}, 3)).empty());                      // another channel
    EXPECT_TRUE(Exchange(sim, {0xF0, 0x42, 0x32, 0x7B, 0x12, 0xF7}).empty());  // another model
    EXPECT_TRUE(Exchange(sim, {0xF0, 0x43, 0x32, 0x7A, 0x12, 0xF7}).empty());  // another maker
    EXPECT_EQ(Exchange(sim, Frame({0x12}, 2)).size(), 27u);
    EXPECT_EQ(sim.ReceivedMessages().size(), 4u);
}
