// The editor's dump requests and dumps against the simulated instrument, for every kind and address
// and both models: the request is answered with the dump it asks for, the answer matches the
// session's reply signature and expected size, and the editor's parser reads back the address and
// the very records the instrument holds; a dump the editor sends is taken whole into the
// instrument's memory.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "CrossCheckHarness.h"

using namespace CrossCheck;
using namespace QorX0;
using Sim::Area;
using Sim::Model;

namespace {

struct DumpCase {
    const char* name;
    std::function<SXMessage(unsigned char model)> request;
    std::function<SXMessage(unsigned char model)> dump;
    SXDump kind;
    SXScope scope;
    int bank, number, index;  // as the parser must report them
    Area area;
    int first;
    int tolvaCount, nerimoCount;  // records in the body
    uint8_t mode;                 // instrument mode in which the dump is accepted
};

const uint8_t kProgEdit = Sim::Mode::ProgEdit, kCombiEdit = Sim::Mode::CombiEdit, kMulti = Sim::Mode::Multi,
              kGlobal = Sim::Mode::Global;
const unsigned kCh = kChannel;

const DumpCase kCases[] = {
    {"current program", [](unsigned char) { return SXCurProgDumpReq(kCh); },
     [](unsigned char) { return SXCurProgDump(kCh); }, SXDump::CurProg, SXScope::One, -1, -1, -1,
     Area::CurProgram, 0, 1, 1, kProgEdit},
    {"one program", [](unsigned char m) { return SXProgDumpReq(kCh, m, 3, 127); },
     [](unsigned char m) { return SXProgDump(kCh, m, 3, 127); }, SXDump::Prog, SXScope::One, 3, 127, -1,
     Area::Program, 3 * 128 + 127, 1, 1, kProgEdit},
    {"program bank", [](unsigned char m) { return SXProgDumpReq(kCh, m, 1, -1); },
     [](unsigned char m) { return SXProgDump(kCh, m, 1, -1); }, SXDump::Prog, SXScope::Bank, 1, -1, -1,
     Area::Program, 128, 128, 128, kProgEdit},
    {"all programs", [](unsigned char m) { return SXProgDumpReq(kCh, m, -1, -1); },
     [](unsigned char m) { return SXProgDump(kCh, m, -1, -1); }, SXDump::Prog, SXScope::All, -1, -1, -1,
     Area::Program, 0, 4 * 128, 5 * 128, kProgEdit},
    {"current combination", [](unsigned char) { return SXCurCombiDumpReq(kCh); },
     [](unsigned char) { return SXCurCombiDump(kCh); }, SXDump::CurCombi, SXScope::One, -1, -1, -1,
     Area::CurCombination, 0, 1, 1, kCombiEdit},
    {"one combination", [](unsigned char) { return SXCombiDumpReq(kCh, 2, 64); },
     [](unsigned char) { return SXCombiDump(kCh, 2, 64); }, SXDump::Combi, SXScope::One, 2, 64, -1,
     Area::Combination, 2 * 128 + 64, 1, 1, kCombiEdit},
    {"combination bank", [](unsigned char) { return SXCombiDumpReq(kCh, 2, -1); },
     [](unsigned char) { return SXCombiDump(kCh, 2, -1); }, SXDump::Combi, SXScope::Bank, 2, -1, -1,
     Area::Combination, 256, 128, 128, kCombiEdit},
    {"all combinations", [](unsigned char) { return SXCombiDumpReq(kCh, -1, 7); },
     [](unsigned char) { return SXCombiDump(kCh, -1, 7); }, SXDump::Combi, SXScope::All, -1, -1, -1,
     Area::Combination, 0, 384, 384, kCombiEdit},
    {"current multi", [](unsigned char) { return SXCurMultiDumpReq(kCh); },
     [](unsigned char) { return SXCurMultiDump(kCh); }, SXDump::CurMulti, SXScope::One, -1, -1, -1,
     Area::CurMulti, 0, 1, 1, kMulti},
    {"one multi", [](unsigned char) { return SXMultiDumpReq(kCh, 127); },
     [](unsigned char) { return SXMultiDump(kCh, 127); }, SXDump::Multi, SXScope::One, -1, -1, 127,
     Area::Multi, 127, 1, 1, kMulti},
    {"all multis", [](unsigned char) { return SXMultiDumpReq(kCh, -1); },
     [](unsigned char) { return SXMultiDump(kCh, -1); }, SXDump::Multi, SXScope::All, -1, -1, -1, Area::Multi,
     0, 128, 128, kMulti},
    {"global", [](unsigned char) { return SXGlobalDumpReq(kCh); },
     [](unsigned char) { return SXGlobalDump(kCh); }, SXDump::Global, SXScope::One, -1, -1, -1, Area::Global,
     0, 1, 1, kGlobal},
    {"one drum kit", [](unsigned char) { return SXDrumkitDumpReq(kCh, 39); },
     [](unsigned char) { return SXDrumkitDump(kCh, 39); }, SXDump::Drumkit, SXScope::One, -1, -1, 39,
     Area::DrumKit, 39, 1, 1, kGlobal},
    {"all drum kits", [](unsigned char) { return SXDrumkitDumpReq(kCh, -1); },
     [](unsigned char) { return SXDrumkitDump(kCh, -1); }, SXDump::Drumkit, SXScope::All, -1, -1, -1,
     Area::DrumKit, 0, 40, 40, kGlobal},
    {"one arpeggio pattern (two index bytes)", [](unsigned char) { return SXArpPatternDumpReq(kCh, 200); },
     [](unsigned char) { return SXArpPatternDump(kCh, 200); }, SXDump::ArpPattern, SXScope::One, -1, -1, 200,
     Area::ArpPattern, 200, 1, 1, kGlobal},
    {"last arpeggio pattern", [](unsigned char) { return SXArpPatternDumpReq(kCh, 250); },
     [](unsigned char) { return SXArpPatternDump(kCh, 250); }, SXDump::ArpPattern, SXScope::One, -1, -1, 250,
     Area::ArpPattern, 250, 1, 1, kGlobal},
    {"all arpeggio patterns", [](unsigned char) { return SXArpPatternDumpReq(kCh, -1); },
     [](unsigned char) { return SXArpPatternDump(kCh, -1); }, SXDump::ArpPattern, SXScope::All, -1, -1, -1,
     Area::ArpPattern, 0, 251, 251, kGlobal},
    {"one external-control set", [](unsigned char) { return SXExtControlDumpReq(kCh, 63); },
     [](unsigned char) { return SXExtControlDump(kCh, 63); }, SXDump::ExtControl, SXScope::One, -1, -1, 63,
     Area::ExtControl, 63, 1, 1, kGlobal},
    {"all external-control sets", [](unsigned char) { return SXExtControlDumpReq(kCh, -1); },
     [](unsigned char) { return SXExtControlDump(kCh, -1); }, SXDump::ExtControl, SXScope::All, -1, -1, -1,
     Area::ExtControl, 0, 64, 64, kGlobal},
};

struct Param {
    Model model;
    size_t c;
};

class CrossCheckDumps : public ::testing::TestWithParam<Param> {
protected:
    const DumpCase& Case() const { return kCases[GetParam().c]; }
    Model GetModel() const { return GetParam().model; }
    int Count() const { return GetModel() == Model::Tolva ? Case().tolvaCount : Case().nerimoCount; }
};

TEST_P(CrossCheckDumps, RequestAnsweredWithTheDumpTheParserReadsBack) {
    const DumpCase& c = Case();
    Sim::SimCore sim(GetModel(), kChannel);
    sim.Image().FillFactory(7);
    const SXMessage req = c.request(ModelByte(GetModel()));
    ASSERT_TRUE(req.valid());

    const Bytes answer = Answer(sim, Wire(req));
    ASSERT_FALSE(answer.empty());
    EXPECT_TRUE(req.reply.Match(answer.data(), answer.size()));
    EXPECT_FALSE(req.error.Match(answer.data(), answer.size()));
    EXPECT_EQ(answer.size(), req.replySize);

    const Parsed got = ParseOne(GetModel(), answer);
    ASSERT_EQ(got.p.kind, SXRcvKind::Dump);
    EXPECT_EQ(got.p.dump, c.kind);
    EXPECT_EQ(got.p.scope, c.scope);
    EXPECT_EQ(got.p.expectedTotal, answer.size());
    if (c.kind == SXDump::Prog || c.kind == SXDump::Combi) {
        EXPECT_EQ(got.p.bank, c.bank);
        EXPECT_EQ(got.p.number, c.number);
    } else {
        EXPECT_EQ(got.p.index, c.index);
    }
    EXPECT_TRUE(got.body == Records(sim, c.area, c.first, Count()))
        << "decoded body differs from the records";
}

TEST_P(CrossCheckDumps, DumpSentByTheEditorIsTakenWhole) {
    const DumpCase& c = Case();
    Sim::SimCore sim(GetModel(), kChannel);
    sim.Image().FillFactory(3);
    sim.State().mode = c.mode;
    const SXMessage header = c.dump(ModelByte(GetModel()));
    ASSERT_TRUE(header.valid());
    const Bytes record = Pattern(static_cast<size_t>(Count()) * Sim::GetAreaInfo(c.area).recordSize, 11);
    const Bytes wire = Wire(header, record);
    EXPECT_EQ(wire.size(), header.txSize);

    const Bytes answer = Answer(sim, wire);
    EXPECT_TRUE(header.reply.Match(answer.data(), answer.size()));
    EXPECT_EQ(ParseOne(GetModel(), answer).p.kind, SXRcvKind::LoadComplete);
    EXPECT_TRUE(Records(sim, c.area, c.first, Count()) == record) << "records not taken";
}

std::vector<Param> AllParams() {
    std::vector<Param> all;
    for (Model m : {Model::Tolva, Model::Nerimo})
        for (size_t i = 0; i < std::size(kCases); ++i) all.push_back({m, i});
    return all;
}

INSTANTIATE_TEST_SUITE_P(EveryKindBothModels, CrossCheckDumps, ::testing::ValuesIn(AllParams()),
                         [](const ::testing::TestParamInfo<Param>& info) {
                             std::string n =
                                 std::string(info.param.model == Model::Tolva ? "Tolva_" : "Nerimo_") +
                                 kCases[info.param.c].name;
                             for (char& ch : n)
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
                             return n;
                         });

class CrossCheckAllData : public ::testing::TestWithParam<Model> {};

TEST_P(CrossCheckAllData, RequestAndDumpBothWays) {
    const Model model = GetParam();
    Sim::SimCore sim(model, kChannel);
    sim.Image().FillFactory(5);
    const SXMessage req = SXAllDumpReq(kChannel, ModelByte(model));
    const Bytes answer = Answer(sim, Wire(req));
    EXPECT_TRUE(req.reply.Match(answer.data(), answer.size()));
    EXPECT_EQ(answer.size(), req.replySize);
    const Parsed got = ParseOne(model, answer);
    ASSERT_EQ(got.p.kind, SXRcvKind::Dump);
    EXPECT_EQ(got.p.dump, SXDump::All);
    EXPECT_EQ(got.p.expectedTotal, answer.size());
    EXPECT_EQ(got.body.size(), AllDumpSize(ModelByte(model)));
    EXPECT_TRUE(got.body == sim.Image().BuildAllBody());

    // The same body back from the editor into a blank instrument gives the same memory.
    Sim::SimCore blank(model, kChannel);
    const SXMessage dump = SXAllDump(kChannel, ModelByte(model));
    const Bytes wire = Wire(dump, got.body);
    EXPECT_EQ(wire.size(), dump.txSize);
    const Bytes ack = Answer(blank, wire);
    EXPECT_TRUE(dump.reply.Match(ack.data(), ack.size()));
    EXPECT_TRUE(blank.Image().BuildAllBody() == got.body);
}

INSTANTIATE_TEST_SUITE_P(BothModels, CrossCheckAllData, ::testing::Values(Model::Tolva, Model::Nerimo));

// Addresses the instrument does not have: the editor builds them, the instrument refuses them with
// load error "not existing", and that refusal is the session's error reply.
TEST(CrossCheckRefusals, AddressesTheInstrumentLacks) {
    struct Case {
        Model model;
        SXMessage req;
    };
    const Case cases[] = {
        {Model::Tolva, SXProgDumpReq(kChannel, 1, 4, 0)},  // the Tolva has no fifth user bank
        {Model::Nerimo, SXProgDumpReq(kChannel, 9, 5, -1)},
        {Model::Tolva, SXCombiDumpReq(kChannel, 3, 0)},
        {Model::Tolva, SXDrumkitDumpReq(kChannel, 40)},
        {Model::Tolva, SXArpPatternDumpReq(kChannel, 251)},
        {Model::Nerimo, SXExtControlDumpReq(kChannel, 64)},
    };
    for (const Case& c : cases) {
        Sim::SimCore sim(c.model, kChannel);
        ASSERT_TRUE(c.req.valid());
        const Bytes answer = Answer(sim, Wire(c.req));
        EXPECT_TRUE(c.req.error.Match(answer.data(), answer.size()));
        const Parsed got = ParseOne(c.model, answer);
        EXPECT_EQ(got.p.kind, SXRcvKind::LoadError);
        EXPECT_EQ(got.p.reason, Sim::Reason::NotExist);
    }
}

}  // namespace
