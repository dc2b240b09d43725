// The remote synthesizer as an object: construction per model, bank lists, accessors.
#include <gtest/gtest.h>

#include <memory>

#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/Presets.h"
#include "Linux/RunLoop.h"
#include "Support/TempConfigHome.h"

namespace {

using namespace QorX0;

class RemoteSynthObject : public ::testing::TestWithParam<unsigned char> {
protected:
    Sim::TempConfigHome config;
    RunLoop loop;
};

TEST_P(RemoteSynthObject, BankListsAndAccessorsOfTheModel) {
    const unsigned char model = GetParam();
    std::unique_ptr<IRemoteSynth> synth(RemoteSynthCreate(model));
    ASSERT_TRUE(synth);
    IBankList* progs = synth->GetAllSounds(2);
    ASSERT_NE(progs, nullptr);
    const unsigned userBanks = ProgramBankCount(model);
    ASSERT_EQ(progs->GetCount(), userBanks + 2);
    EXPECT_EQ(progs->GetAt(userBanks)->GetName(), "G");
    EXPECT_EQ(progs->GetAt(userBanks + 1)->GetName(), "g(d)");
    EXPECT_EQ(synth->GetAllSounds(3), progs);
    EXPECT_EQ(synth->GetAllSounds(0)->GetCount(), 3u);
    EXPECT_EQ(synth->GetAllSounds(1), synth->GetAllSounds(0));
    EXPECT_EQ(synth->GetAllSounds(4)->GetCount(), 1u);
    EXPECT_EQ(synth->GetAllSounds(5), nullptr);
    EXPECT_EQ(synth->GetAllSounds(-1), nullptr);
    EXPECT_EQ(synth->GetEditBuffer(-1), nullptr);
    EXPECT_EQ(synth->GetEditBuffer(5), nullptr);
    for (int k = 0; k < 5; ++k) EXPECT_NE(synth->GetEditBuffer(k), nullptr) << k;
    EXPECT_EQ(synth->GetMasterVolume(), 0x3FFFu);
    EXPECT_FALSE(synth->GetAuditionState());

    UISTATEDATA ui{0x12345678};
    EXPECT_FALSE(synth->LoadUIState(5, &ui));
    EXPECT_EQ(ui.value, 0x12345678u);
    EXPECT_FALSE(synth->SaveUIState(5, ui));
}

INSTANTIATE_TEST_SUITE_P(Models, RemoteSynthObject, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace

namespace {

TEST(RemoteSynthPorts, SavedPortNamesReadBackAsWritten) {
    Sim::TempConfigHome config;
    RunLoop loop;
    std::unique_ptr<QorX0::IRemoteSynth> synth(QorX0::RemoteSynthCreate(QorX0::kPmidNerimo));
    EXPECT_TRUE(synth->SetMIDIInPortName("NerimoMIDI"));
    EXPECT_TRUE(synth->SetMIDIOutPortName("Some Interface:Port 2"));
    EXPECT_EQ(QorX0::multiszlong(synth->GetSetup()->GetParamS(0x9300)), "NerimoMIDI");
    EXPECT_EQ(QorX0::multiszlong(synth->GetSetup()->GetParamS(0x9400)), "Some Interface:Port 2");
}

}  // namespace
