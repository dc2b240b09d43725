// The editor's short messages against the simulated instrument, both models: device inquiry, mode
// and state, master volume, write commands, mode and parameter changes each way, and the error
// replies. Each message the editor builds is understood by the instrument as meant; each answer and
// front-panel message of the instrument is read by the editor's parser as meant and ends (or fails)
// the session that waits for it.
#include <gtest/gtest.h>

#include "CrossCheckHarness.h"

using namespace CrossCheck;
using namespace QorX0;
using Sim::Model;

namespace {

class CrossCheckMessages : public ::testing::TestWithParam<Model> {
protected:
    Model model() const { return GetParam(); }
    unsigned char byte() const { return ModelByte(GetParam()); }
};

TEST_P(CrossCheckMessages, DeviceInquiryGivesChannelAndMemberCode) {
    Sim::SimCore sim(model(), kChannel);
    const SXMessage req = SXDeviceInquiry();
    const Bytes answer = Answer(sim, Wire(req));
    EXPECT_TRUE(req.reply.Match(answer.data(), answer.size()));
    EXPECT_EQ(answer.size(), req.replySize);
    const Parsed got = ParseOne(model(), answer);
    ASSERT_EQ(got.p.kind, SXRcvKind::InquiryReply);
    EXPECT_EQ(got.p.channel, kChannel);
    ASSERT_EQ(got.record.size(), sizeof(DEVICEINQUIRYDATA));
    DEVICEINQUIRYDATA id;
    std::memcpy(id.data, got.record.data(), sizeof id.data);
    EXPECT_EQ(id.MemberCode(), byte());
    EXPECT_EQ(id.data[DEVICEINQUIRYDATA::MANUFACTURER], kSXManufacturer);
    EXPECT_EQ(id.data[DEVICEINQUIRYDATA::FAMILY_LO], kSXModelId);
}

TEST_P(CrossCheckMessages, ModeAndStateRecordReadsAsSet) {
    Sim::SimCore sim(model(), kChannel);
    Sim::SimState& s = sim.State();
    s.mode = Sim::Mode::Global;
    s.localControl = false;
    s.extControlState = 2;
    s.gmMap = true;
    s.powerOnMemorize = true;
    s.protect = true;
    s.progBank = 3;
    s.progNumber = 99;
    s.combiBank = 2;
    s.combiNumber = 127;
    s.multiNumber = 77;
    sim.Image().Record(Sim::Area::CurMulti, 0)[Sim::kMultiControlTrackOffset] = 15;
    s.extControlEnabled = true;
    s.extControlValue = 100;

    const SXMessage req = SXModeAndStateReq(kChannel);
    const Bytes answer = Answer(sim, Wire(req));
    EXPECT_TRUE(req.reply.Match(answer.data(), answer.size()));
    const Parsed got = ParseOne(model(), answer);
    ASSERT_EQ(got.p.kind, SXRcvKind::ModeAndState);
    ASSERT_EQ(got.record.size(), sizeof(MODEANDSTATE));
    MODEANDSTATE st;
    std::memcpy(st.data, got.record.data(), sizeof st.data);
    EXPECT_EQ(st.Mode(), Sim::Mode::Global);
    EXPECT_FALSE(st.LocalControl());
    EXPECT_EQ(st.ExtControlState(), 2u);
    EXPECT_TRUE(st.GMBankMap());
    EXPECT_TRUE(st.MemorizeOnPowerOn());
    EXPECT_TRUE(st.Protect());
    EXPECT_EQ(st.data[MODEANDSTATE::PROG_BANK], 3);
    EXPECT_EQ(st.data[MODEANDSTATE::PROG_NUMBER], 99);
    EXPECT_EQ(st.data[MODEANDSTATE::COMBI_BANK], 2);
    EXPECT_EQ(st.data[MODEANDSTATE::COMBI_NUMBER], 127);
    EXPECT_EQ(st.data[MODEANDSTATE::MULTI_NUMBER], 77);
    EXPECT_EQ(st.data[MODEANDSTATE::MULTI_CONTROL_TRACK], 15);
    EXPECT_EQ(st.data[MODEANDSTATE::EXTCTRL_ENABLED], 1);
    EXPECT_EQ(st.data[MODEANDSTATE::EXTCTRL_VALUE], 100);
}

TEST_P(CrossCheckMessages, MasterVolumeBothWays) {
    Sim::SimCore sim(model(), kChannel);
    sim.Receive(Wire(SXMasterVolume(kChannel, 0x2345)));
    EXPECT_TRUE(sim.TakeMessages().empty());
    EXPECT_EQ(sim.State().masterVolume, 0x2345u);

    sim.PanelMasterVolume(8192);
    const Parsed got = ParseOne(model(), sim.TakeOutputBytes());
    ASSERT_EQ(got.p.kind, SXRcvKind::MasterVolume);
    EXPECT_EQ(got.p.volume, 8192u);
}

TEST_P(CrossCheckMessages, WriteCommandsCompleteOrFailTheSession) {
    struct Case {
        SXMessage msg;
        uint8_t rightMode, wrongMode;
        Sim::Area area;
        int index;
    };
    const Case cases[] = {
        {SXProgWriteReq(kChannel, 3, 127), Sim::Mode::ProgEdit, Sim::Mode::Multi, Sim::Area::Program,
         3 * 128 + 127},
        {SXCombiWriteReq(kChannel, 2, 5), Sim::Mode::CombiEdit, Sim::Mode::ProgEdit, Sim::Area::Combination,
         261},
        {SXMultiWriteReq(kChannel, 127), Sim::Mode::Multi, Sim::Mode::CombiPlay, Sim::Area::Multi, 127},
    };
    for (const Case& c : cases) {
        Sim::SimCore sim(model(), kChannel);
        sim.Image().FillFactory(9);
        ASSERT_TRUE(c.msg.valid());

        sim.State().mode = c.wrongMode;
        Bytes answer = Answer(sim, Wire(c.msg));
        EXPECT_TRUE(c.msg.error.Match(answer.data(), answer.size()));
        Parsed got = ParseOne(model(), answer);
        EXPECT_EQ(got.p.kind, SXRcvKind::WriteError);
        EXPECT_EQ(got.p.reason, Sim::Reason::WrongMode);

        sim.State().mode = c.rightMode;
        answer = Answer(sim, Wire(c.msg));
        EXPECT_TRUE(c.msg.reply.Match(answer.data(), answer.size()));
        EXPECT_EQ(ParseOne(model(), answer).p.kind, SXRcvKind::WriteComplete);
        const Sim::Area from = c.area == Sim::Area::Program       ? Sim::Area::CurProgram
                               : c.area == Sim::Area::Combination ? Sim::Area::CurCombination
                                                                  : Sim::Area::CurMulti;
        EXPECT_TRUE(Records(sim, c.area, c.index, 1) == Records(sim, from, 0, 1));
    }
}

TEST_P(CrossCheckMessages, ModeChangesEachWay) {
    for (uint8_t mode : {0, 1, 2, 3, 4, 6}) {
        Sim::SimCore sim(model(), kChannel);
        const SXMessage msg = SXModeChange(kChannel, mode);
        const Bytes answer = Answer(sim, Wire(msg));
        EXPECT_TRUE(msg.reply.Match(answer.data(), answer.size()));
        EXPECT_EQ(sim.State().mode, mode);

        sim.State().mode = Sim::Mode::ProgPlay;
        ASSERT_TRUE(sim.PanelModeChange(mode));
        const Parsed got = ParseOne(model(), sim.TakeOutputBytes());
        ASSERT_EQ(got.p.kind, SXRcvKind::ModeChange);
        EXPECT_EQ(got.p.mode, mode);
    }
    Sim::SimCore sim(model(), kChannel);
    const SXMessage msg = SXModeChange(kChannel, 5);
    const Bytes answer = Answer(sim, Wire(msg));
    EXPECT_TRUE(msg.error.Match(answer.data(), answer.size()));
    EXPECT_EQ(ParseOne(model(), answer).p.reason, Sim::Reason::NotExist);
}

// One parameter change of each kind, at the edges of the 14-bit range and of its address fields.
struct ParamCase {
    SXMessage msg;
    Sim::ParamChange change;
};

std::vector<ParamCase> ParamCases() {
    using K = Sim::ParamKind;
    std::vector<ParamCase> v;
    for (int value : {-8192, -1, 0, 100, 8191}) {
        v.push_back({SXParamChange(kChannel, 3, 0x0A05, value), {K::Sound, 3, 0x0A05, 0, 0, value}});
        v.push_back({SXParamChange(kChannel, 4, 0x7F7F, value), {K::Sound, 4, 0x7F7F, 0, 0, value}});
        v.push_back({SXDrumkitParamChange(kChannel, 39, 127, 0x7F, value),
                     {K::DrumKit, 0, 127 << 8 | 0x7F, 39, 0, value}});
        v.push_back(
            {SXArpPatternParamChange(kChannel, 250, 5, 47, value), {K::ArpPattern, 0, 5, 250, 47, value}});
        v.push_back(
            {SXArpPatternParamChange(kChannel, 129, 6, 11, value), {K::ArpPattern, 0, 6, 129, 11, value}});
        v.push_back(
            {SXArpPatternParamChange(kChannel, 7, 21, 63, value), {K::ArpPattern, 0, 21, 7, 63, value}});
        v.push_back(
            {SXArpPatternParamChange(kChannel, 7, 22, 63, value), {K::ArpPattern, 0, 22, 7, 0, value}});
        v.push_back(
            {SXExtControlParamChange(kChannel, 63, 0x7F, value), {K::ExtControl, 0, 0x7F, 63, 0, value}});
    }
    return v;
}

TEST_P(CrossCheckMessages, ParameterChangesFromTheEditorAreUnderstood) {
    for (const ParamCase& c : ParamCases()) {
        Sim::SimCore sim(model(), kChannel);
        sim.State().strictModes = false;
        ASSERT_TRUE(c.msg.valid());
        const Bytes answer = Answer(sim, Wire(c.msg));
        EXPECT_TRUE(c.msg.reply.Match(answer.data(), answer.size()));
        ASSERT_EQ(sim.ParamChanges().size(), 1u);
        EXPECT_TRUE(sim.ParamChanges()[0] == c.change)
            << "pid 0x" << std::hex << c.change.pid << std::dec << " value " << c.change.value;
    }
}

TEST_P(CrossCheckMessages, ParameterChangesFromThePanelAreParsed) {
    for (const ParamCase& c : ParamCases()) {
        Sim::SimCore sim(model(), kChannel);
        ASSERT_TRUE(sim.PanelParamChange(c.change));
        const Bytes sent = sim.TakeOutputBytes();
        EXPECT_TRUE(sent == Wire(c.msg)) << "the panel sends what the editor would";
        const Parsed got = ParseOne(model(), sent);
        const Sim::ParamChange& w = c.change;
        EXPECT_EQ(got.p.value, w.value);
        switch (w.kind) {
            case Sim::ParamKind::Sound:
                ASSERT_EQ(got.p.kind, SXRcvKind::ParamChange);
                EXPECT_EQ(got.p.mode, w.mode);
                EXPECT_EQ(got.p.pid, w.pid);
                break;
            case Sim::ParamKind::DrumKit:
                ASSERT_EQ(got.p.kind, SXRcvKind::DrumkitParamChange);
                EXPECT_EQ(got.p.kit, static_cast<unsigned>(w.item));
                EXPECT_EQ(got.p.slot, static_cast<unsigned>(w.pid >> 8));
                EXPECT_EQ(got.p.param, w.pid & 0xFF);
                break;
            case Sim::ParamKind::ArpPattern:
                ASSERT_EQ(got.p.kind, SXRcvKind::ArpPatternParamChange);
                EXPECT_EQ(got.p.pattern, static_cast<unsigned>(w.item));
                EXPECT_EQ(got.p.param, w.pid);
                EXPECT_EQ(got.p.index, w.index);
                break;
            case Sim::ParamKind::ExtControl:
                ASSERT_EQ(got.p.kind, SXRcvKind::ExtControlParamChange);
                EXPECT_EQ(got.p.set, static_cast<unsigned>(w.item));
                EXPECT_EQ(got.p.param, w.pid);
                break;
        }
    }
}

// Refusals of each kind reach the editor as the session's error reply with their reason; a format
// error ends no session.
TEST_P(CrossCheckMessages, RefusalsAndFormatErrors) {
    Sim::SimCore sim(model(), kChannel);
    sim.State().mode = Sim::Mode::ProgEdit;
    sim.State().protect = true;

    SXMessage msg = SXProgDump(kChannel, byte(), 0, 0);
    Bytes answer = Answer(sim, Wire(msg, Bytes(444, 0x11)));
    EXPECT_TRUE(msg.error.Match(answer.data(), answer.size()));
    EXPECT_EQ(ParseOne(model(), answer).p.reason, Sim::Reason::Protected);

    msg = SXProgWriteReq(kChannel, 0, 0);
    answer = Answer(sim, Wire(msg));
    EXPECT_TRUE(msg.error.Match(answer.data(), answer.size()));
    EXPECT_EQ(ParseOne(model(), answer).p.kind, SXRcvKind::WriteError);

    msg = SXParamChange(kChannel, 6, 0x0001, 1);  // a global parameter outside global mode
    answer = Answer(sim, Wire(msg));
    EXPECT_TRUE(msg.error.Match(answer.data(), answer.size()));
    EXPECT_EQ(ParseOne(model(), answer).p.reason, Sim::Reason::WrongMode);

    // A request cut short gets a format error, which matches neither signature.
    msg = SXGlobalDumpReq(kChannel);
    Bytes cut = Wire(msg);
    cut.erase(cut.end() - 2);
    answer = Answer(sim, cut);
    EXPECT_FALSE(msg.reply.Match(answer.data(), answer.size()));
    EXPECT_FALSE(msg.error.Match(answer.data(), answer.size()));
    const Parsed got = ParseOne(model(), answer);
    EXPECT_EQ(got.p.kind, SXRcvKind::FormatError);
    EXPECT_EQ(got.p.reason, Sim::Reason::BadLength);
}

INSTANTIATE_TEST_SUITE_P(BothModels, CrossCheckMessages, ::testing::Values(Model::Tolva, Model::Nerimo),
                         [](const ::testing::TestParamInfo<Model>& i) {
                             return std::string(i.param == Model::Tolva ? "Tolva" : "Nerimo");
                         });

}  // namespace
