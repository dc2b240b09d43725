// What the host keeps of the plug-in: chunks, programs, parameters, names.
#include <cmath>
#include <limits>

#include "Common/Plugin/Parameter.h"
#include "PluginFixture.h"

using State = PluginTest;

TEST_F(State, ChunkKindFollowsTheSoundMode) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    synth->streamToSave = "chunk";
    struct Row {
        unsigned char soundMode;
        int preset;
        QorX0::FTYPE kind;
    } rows[] = {{2, 1, QorX0::FTYPE_VSTPROG},
                {0, 1, QorX0::FTYPE_VSTCOMBI},
                {4, 1, QorX0::FTYPE_VSTMULTI},
                {2, 0, QorX0::FTYPE_VSTBANK},
                {4, 0, QorX0::FTYPE_VSTBANK}};
    for (const Row& row : rows) {
        synth->soundMode = row.soundMode;
        synth->savedKinds.clear();
        void* data = nullptr;
        EXPECT_EQ(Dispatch(a, effGetChunk, row.preset, 0, &data), 5);
        ASSERT_EQ(synth->savedKinds.size(), 1u);
        EXPECT_EQ(synth->savedKinds[0], row.kind);
        EXPECT_EQ(std::string(static_cast<char*>(data), 5), "chunk");
    }
    // No sound mode (no instrument has answered yet): asked as a program preset, which hands back
    // what the host gave while disconnected.
    synth->soundMode = 255;
    synth->savedKinds.clear();
    void* data = nullptr;
    EXPECT_EQ(Dispatch(a, effGetChunk, 1, 0, &data), 5);
    EXPECT_EQ(synth->savedKinds, std::vector<QorX0::FTYPE>{QorX0::FTYPE_VSTPROG});
    EXPECT_EQ(Dispatch(a, effGetChunk, 1, 0, nullptr), 0);
}

TEST_F(State, TwoKindsKeepTwoValidBuffers) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    void* bank = nullptr;
    void* preset = nullptr;
    synth->streamToSave = std::string(900000, 'b');
    ASSERT_EQ(Dispatch(a, effGetChunk, 0, 0, &bank), 900000);
    synth->streamToSave = "preset";
    ASSERT_EQ(Dispatch(a, effGetChunk, 1, 0, &preset), 6);
    EXPECT_EQ(static_cast<char*>(bank)[899999], 'b');
    EXPECT_EQ(std::string(static_cast<char*>(preset), 6), "preset");
    // A failed save hands over nothing.
    synth->streamToSave.clear();
    EXPECT_EQ(Dispatch(a, effGetChunk, 0, 0, &bank), 0);
    EXPECT_NE(bank, nullptr);
}

TEST_F(State, SetChunkTakesOnlyWhatLoads) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    std::string good = "OK-state";
    EXPECT_EQ(Dispatch(a, effSetChunk, 0, static_cast<VstIntPtr>(good.size()), good.data()), 1);
    ASSERT_EQ(synth->loaded.size(), 1u);
    EXPECT_EQ(synth->loaded[0], good);

    std::string bad = "garbage";
    struct Row {
        void* ptr;
        VstIntPtr size;
    } refused[] = {{bad.data(), static_cast<VstIntPtr>(bad.size())},  // does not load
                   {bad.data(), -1},
                   {nullptr, 8},
                   {bad.data(), QorVst::kMaxChunkBytes + 1},
                   {bad.data(), VstIntPtr(1) << 40}};
    for (const Row& row : refused) EXPECT_EQ(Dispatch(a, effSetChunk, 0, row.size, row.ptr), 0) << row.size;
    EXPECT_EQ(synth->loaded.size(), 1u);
}

TEST_F(State, SetChunkWithTheHostsOwnCopyOfOurBuffer) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    synth->streamToSave = "OK" + std::string(5000, 'z');
    void* data = nullptr;
    const VstIntPtr size = Dispatch(a, effGetChunk, 0, 0, &data);
    // The host hands back exactly the pointer it got (ASan sees any use of a freed buffer).
    EXPECT_EQ(Dispatch(a, effSetChunk, 0, size, data), 1);
    ASSERT_EQ(synth->loaded.size(), 1u);
    EXPECT_EQ(synth->loaded[0], synth->streamToSave);
}

TEST_F(State, ProgramsFollowTheCurrentSound) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    Pump();
    EXPECT_EQ(Dispatch(a, effGetProgram), 7);
    Dispatch(a, effSetProgram, 0, 12);
    ASSERT_EQ(synth->changes.size(), 1u);
    EXPECT_EQ(synth->changes[0].bank, 1);
    EXPECT_EQ(synth->changes[0].program, 12);
    Dispatch(a, effSetProgram, 0, 128);
    Dispatch(a, effSetProgram, 0, -3);
    EXPECT_EQ(synth->changes.size(), 1u);
    synth->curSound = QorX0::SOUNDINDEX{255, 255};
    EXPECT_EQ(Dispatch(a, effGetProgram), 0);

    // Names come from the current bank, cut to fit a 24-byte buffer.
    synth->curSound = QorX0::SOUNDINDEX{0, 0};
    synth->soundMode = 2;
    char name[24];
    std::memset(name, 'x', sizeof name);
    Dispatch(a, effGetProgramName, 0, 0, name);
    EXPECT_LT(std::strlen(name), 24u);
    char indexed[24];
    EXPECT_EQ(Dispatch(a, effGetProgramNameIndexed, 5, 0, indexed), 1);
    EXPECT_LT(std::strlen(indexed), 24u);
    EXPECT_EQ(Dispatch(a, effGetProgramNameIndexed, 128, 0, indexed), 0);
    EXPECT_EQ(Dispatch(a, effGetProgramNameIndexed, -1, 0, indexed), 0);
    // A bank past the list leaves the text as it was.
    synth->curSound = QorX0::SOUNDINDEX{200, 0};
    std::strcpy(name, "kept");
    Dispatch(a, effGetProgramName, 0, 0, name);
    EXPECT_STREQ(name, "kept");
}

TEST_F(State, TwelveParametersOfTheRealtimeControls) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    // Whole, as the rows name them: eight characters at most.
    const char* names[] = {"CUTOFF",  "RESO/HPF", "EG-INT",   "EG-RLS",  "KNOB1-B", "KNOB2-B",
                           "KNOB3-B", "KNOB4-B",  "ARP-GATE", "ARP-VEL", "ARP-LGT", "TEMPO"};
    for (int i = 0; i < 12; ++i) {
        char text[64];
        std::memset(text, 'x', sizeof text);
        Dispatch(a, effGetParamName, i, 0, text);
        EXPECT_STREQ(text, names[i]);
        Dispatch(a, effGetParamLabel, i, 0, text);
        EXPECT_LE(std::strlen(text), 8u);
        Dispatch(a, effGetParamDisplay, i, 0, text);
        EXPECT_LE(std::strlen(text), 8u);
    }
    char text[8] = "same";
    for (int index : {-1, 12, 1000}) {
        Dispatch(a, effGetParamName, index, 0, text);
        EXPECT_STREQ(text, "same");
        EXPECT_EQ(a->getParameter(a, index), 0.0f);
        a->setParameter(a, index, 0.5f);
    }
    // TEMPO (40..240): host 0.5 writes 140; 120 reads back as 0.4.
    a->setParameter(a, 11, 0.5f);
    QorX0::ISection* rtc = Synth(a)->GetRealtimeControl();
    EXPECT_EQ(rtc->GetParamI(0x800C), 140);
    rtc->PutParamIEx(0x800C, 120, 0);
    EXPECT_FLOAT_EQ(a->getParameter(a, 11), 0.4f);
    // Values a host should never send land on the ends of the range.
    a->setParameter(a, 0, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(rtc->GetParamI(0x8001), 0);
    a->setParameter(a, 0, std::numeric_limits<float>::infinity());
    EXPECT_EQ(rtc->GetParamI(0x8001), 127);
    a->setParameter(a, 0, -7.0f);
    EXPECT_EQ(rtc->GetParamI(0x8001), 0);
}

TEST_F(State, AParameterSetOnTheAudioThreadIsWrittenOnTheMainThread) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorX0::ISection* rtc = Synth(a)->GetRealtimeControl();
    const int before = rtc->GetParamI(0x8001);
    ASSERT_NE(before, 127);
    std::thread audio([&] { a->setParameter(a, 0, 1.0f); });
    audio.join();
    // Read back at once as it will be written, and written only when the main thread runs.
    EXPECT_FLOAT_EQ(a->getParameter(a, 0), 1.0f);
    EXPECT_EQ(rtc->GetParamI(0x8001), before);
    Pump();
    EXPECT_EQ(rtc->GetParamI(0x8001), 127);
}

// A host thread reads a parameter back while the main thread is writing the value it set: it reads
// the new value, never the old one.
TEST_F(State, AParameterReadWhileItsWriteRunsIsTheNewValue) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    QorX0::ISection* rtc = synth->GetRealtimeControl();
    rtc->PutParamIEx(0x8001, 0, 0);
    float seen = -1.0f;
    synth->onRealtimeControl = [&] { std::thread([&] { seen = a->getParameter(a, 0); }).join(); };
    std::thread audio([&] { a->setParameter(a, 0, 1.0f); });
    audio.join();
    // The main thread goes to the row to write it; the host reads meanwhile.
    synth->armRealtimeControl = true;
    Pump();
    EXPECT_EQ(rtc->GetParamI(0x8001), 127);
    EXPECT_FLOAT_EQ(seen, 1.0f);
    EXPECT_FLOAT_EQ(a->getParameter(a, 0), 1.0f);
}

TEST_F(State, VendorValueTextConversions) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    struct {
        float value;
        int32_t maxLength;
        char text[32];
    } record{};
    record.value = 0.5f;
    record.maxLength = 31;
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, 11, &record), 1);
    EXPECT_STREQ(record.text, "140");
    std::strcpy(record.text, "120");
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 4, 11, &record), 1);
    EXPECT_FLOAT_EQ(record.value, 0.4f);
    record.maxLength = 2;
    record.value = 0.5f;
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, 11, &record), 1);
    EXPECT_STREQ(record.text, "14");
    record.maxLength = -1;
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, 11, &record), 0);
    record.maxLength = 8;
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, 12, &record), 0);
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, -1, &record), 0);
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 5, 0, &record), 0);
    EXPECT_EQ(Dispatch(a, effVendorSpecific, 3, 0, nullptr), 0);
}

TEST_F(State, NamesAndCapabilities) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    char name[32];
    std::memset(name, 'x', sizeof name);
    EXPECT_EQ(Dispatch(a, effGetEffectName, 0, 0, name), 1);
    EXPECT_STREQ(name, "Tolva Plug-In Editor");
    for (size_t i = std::strlen(name); i < sizeof name; ++i) EXPECT_EQ(name[i], 0);
    char text[64];
    EXPECT_EQ(Dispatch(a, effGetVendorString, 0, 0, text), 1);
    EXPECT_STREQ(text, "VELK");
    EXPECT_EQ(Dispatch(a, effGetVendorVersion), 0x01000000);
    EXPECT_EQ(Dispatch(a, effGetPlugCategory), kPlugCategSynth);
    EXPECT_EQ(Dispatch(a, effGetVstVersion), 2400);
    EXPECT_EQ(Dispatch(a, effKeysRequired), 1);
    struct {
        const char* text;
        VstIntPtr answer;
    } rows[] = {{"QorX0", 1},
                {"sendVstEvents", 1},
                {"sendVstMidiEvent", 1},
                {"receiveVstEvents", 1},
                {"receiveVstMidiEvent", 1},
                {"receiveVstTimeInfo", 1},
                {"receiveVstMidiEventX", 0},
                {"receiveVstMidiEven", 0},
                {"", 0},
                {"bypass", 0}};
    for (const auto& row : rows) {
        std::string copy = row.text;
        EXPECT_EQ(Dispatch(a, effCanDo, 0, 0, copy.data()), row.answer) << row.text;
    }
    EXPECT_EQ(Dispatch(a, effCanDo, 0, 0, nullptr), 0);
}
