// The remote synthesizer as an object: construction per model, bank lists, accessors.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/Presets.h"
#include "Linux/RunLoop.h"
#include "Support/SynthHarness.h"
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

namespace {

using namespace QorX0;

class RemoteSynthSinks : public ::testing::Test {
protected:
    RemoteSynthSinks()
        : synth(RemoteSynthCreate(kPmidTolva)), impl(static_cast<CRemoteSynthImpl*>(synth.get())) {}
    Sim::TempConfigHome config;
    RunLoop loop;
    std::unique_ptr<IRemoteSynth> synth;
    CRemoteSynthImpl* impl;
};

// An observer that runs a chosen action when it hears the master volume.
struct ActingSink : SynthTest::EventLog {
    std::function<void()> onVolume;
    void OnRemoteSynthMasterVolumeChanged(IRemoteSynth* s, unsigned v) override {
        SynthTest::EventLog::OnRemoteSynthMasterVolumeChanged(s, v);
        if (onVolume) onVolume();
    }
};

TEST_F(RemoteSynthSinks, AnObserverIsListedOnceAndCalledOnce) {
    SynthTest::EventLog a;
    EXPECT_FALSE(synth->AdviseSink(nullptr));
    EXPECT_TRUE(synth->AdviseSink(&a));
    EXPECT_FALSE(synth->AdviseSink(&a));
    EXPECT_TRUE(synth->AdviseMIDISink(&a));
    EXPECT_FALSE(synth->AdviseMIDISink(&a));
    impl->OnRcvMasterVolumeChange(nullptr, 100);
    EXPECT_EQ(a.Joined(), "vol 100");
    EXPECT_TRUE(synth->UnadviseSink(&a));
    EXPECT_FALSE(synth->UnadviseSink(&a));
    EXPECT_FALSE(synth->UnadviseSink(nullptr));
    EXPECT_TRUE(synth->UnadviseMIDISink(&a));
    EXPECT_FALSE(synth->UnadviseMIDISink(&a));
    EXPECT_FALSE(synth->AdviseMIDISink(nullptr));
    impl->OnRcvMasterVolumeChange(nullptr, 200);
    EXPECT_EQ(a.Joined(), "vol 100");
}

TEST_F(RemoteSynthSinks, ObserversChangingTheListDuringAWalk) {
    ActingSink a, b, c, added;
    // a removes b and itself, and adds another: c still hears this event, b and the new one do not.
    a.onVolume = [&] {
        synth->UnadviseSink(&b);
        synth->UnadviseSink(&a);
        synth->AdviseSink(&added);
    };
    synth->AdviseSink(&a);
    synth->AdviseSink(&b);
    synth->AdviseSink(&c);
    impl->OnRcvMasterVolumeChange(nullptr, 7);
    EXPECT_EQ(a.Joined(), "vol 7");
    EXPECT_EQ(b.Joined(), "");
    EXPECT_EQ(c.Joined(), "vol 7");
    EXPECT_EQ(added.Joined(), "");
    impl->OnRcvMasterVolumeChange(nullptr, 8);
    EXPECT_EQ(a.Joined(), "vol 7");
    EXPECT_EQ(c.Joined(), "vol 7, vol 8");
    EXPECT_EQ(added.Joined(), "vol 8");
    synth->UnadviseSink(&c);
    synth->UnadviseSink(&added);
}

TEST_F(RemoteSynthSinks, EventsFromTheReadThreadArriveOnTheMainThreadInOrder) {
    struct ThreadLog : SynthTest::EventLog {
        std::thread::id main = std::this_thread::get_id();
        bool offThread = false;
        void OnRemoteSynthBankListChanged(IRemoteSynth* s, int k, const SOUNDINDEX& i) override {
            offThread |= std::this_thread::get_id() != main;
            SynthTest::EventLog::OnRemoteSynthBankListChanged(s, k, i);
        }
    } log;
    synth->AdviseSink(&log);
    std::thread reader([&] {
        std::vector<uint8_t> d(kAreaPrograms.Size());
        impl->OnRcvProgDump(nullptr, 1, 5, d.data(), kSizeProgram);
        impl->OnRcvProgDump(nullptr, 2, -1, d.data(), kAreaPrograms.BankSize());
        impl->OnRcvProgDump(nullptr, -1, -1, d.data(), 4 * kAreaPrograms.BankSize());
        impl->OnRcvCombiDump(nullptr, 2, 127, d.data(), kSizeCombi);
        impl->OnRcvCombiDump(nullptr, 0, -1, d.data(), kAreaCombis.BankSize());
        impl->OnRcvCombiDump(nullptr, -1, -1, d.data(), kAreaCombis.Size());
        impl->OnRcvMultiDump(nullptr, 9, d.data(), kSizeMulti);
        impl->OnRcvMultiDump(nullptr, -1, d.data(), kAreaMultis.Size());
        impl->OnRcvMasterVolumeChange(nullptr, 40000);
    });
    reader.join();
    EXPECT_TRUE(log.events.empty()) << "nothing is called on the read thread";
    loop.RunUntil([&] { return log.events.size() >= 9; }, 2000);
    EXPECT_EQ(log.Joined(),
              "bank 2 1:5, bank 2 2:255, bank 2 255:255, bank 0 2:127, bank 0 0:255, bank 0 255:255, "
              "bank 4 0:9, bank 4 255:255, vol 16383");
    EXPECT_FALSE(log.offThread);
    synth->UnadviseSink(&log);
}

TEST_F(RemoteSynthSinks, UnknownEventsAndMidiLengthsPastThree) {
    SynthTest::EventLog log;
    synth->AdviseMIDISink(&log);
    synth->AdviseSink(&log);
    impl->OnAsyncEvent(99, 1);
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvMIDIIn, static_cast<long>(0x07563412u));
    impl->OnAsyncEvent(CRemoteSynthImpl::kEvMIDIIn, static_cast<long>(0x02004AC1u));
    EXPECT_EQ(log.Joined(), "midi 12 34 56, midi c1 4a");
    synth->UnadviseSink(&log);
    synth->UnadviseMIDISink(&log);
}

TEST(RemoteSynthCreateTest, OnlyKnownModels) {
    Sim::TempConfigHome config;
    RunLoop loop;
    EXPECT_EQ(RemoteSynthCreate(0), nullptr);
    EXPECT_EQ(RemoteSynthCreate(2), nullptr);
}

}  // namespace
