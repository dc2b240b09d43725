// Host MIDI to the instrument: timing, bank and program rules, note counters, bypass.
#include "Linux/SysTick.h"
#include "PluginFixture.h"

using MidiPath = PluginTest;

namespace {
// The block's base time lies between the ticks read around the block.
struct Bracket {
    uint64_t low, high;
};
}  // namespace

TEST_F(MidiPath, EventTimesAreTheBlockStartPlusTheOffsetAtTheSampleRate) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    struct Row {
        float rate;
        int offset;
        uint64_t expected;
    } rows[] = {{44100, 0, 0}, {44100, 511, 11587}, {48000, 480, 10000}, {48000, -5, 0}, {0, 100, 2083}};
    for (const Row& row : rows) {
        Dispatch(a, effSetSampleRate, 0, 0, nullptr, row.rate);  // a rate of 0 keeps the one before
        synth->sent.clear();
        const uint64_t low = uint64_t(GetSysTick()) * 1000;
        Block(a, {Midi(row.offset, 0x91, 60, 100)});
        const uint64_t high = uint64_t(GetSysTick()) * 1000;
        auto sent = synth->SentCopy();
        ASSERT_EQ(sent.size(), 1u);
        const uint64_t t = static_cast<uint64_t>(sent[0].time);
        EXPECT_GE(t, low + row.expected) << row.rate << "/" << row.offset;
        EXPECT_LE(t, high + row.expected) << row.rate << "/" << row.offset;
        EXPECT_EQ(t % 1000, row.expected % 1000);
        EXPECT_EQ(sent[0].length, 3u);
    }
}

TEST_F(MidiPath, MessageLengthsAndDataBytes) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    Block(a, {Midi(0, 0xF8), Midi(0, 0xF0, 0x42), Midi(0, 0xC3, 0x85), Midi(0, 0xE0, 0xFF, 0xFF)});
    auto sent = Synth(a)->SentCopy();
    ASSERT_EQ(sent.size(), 4u);
    EXPECT_EQ(sent[0].length, 1u);
    EXPECT_EQ(sent[1].length, 0u);
    EXPECT_EQ(sent[2].length, 2u);
    EXPECT_EQ(sent[2].bytes[1], 0x05);  // bit 7 never reaches the instrument
    EXPECT_EQ(sent[3].bytes[1], 0x7F);
    EXPECT_EQ(sent[3].bytes[2], 0x7F);
}

TEST_F(MidiPath, NoteCounters) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorVst* vst = Vst(a);
    Block(a, {Midi(0, 0x90, 60, 100), Midi(1, 0x90, 60, 0), Midi(2, 0x80, 61, 0), Midi(3, 0x80, 61, 0),
              Midi(4, 0x92, 0xC8, 100), Midi(5, 0x92, 62, 1)});
    EXPECT_EQ(vst->GetNoteInfo(60, 1u), 0);
    EXPECT_EQ(vst->GetNoteInfo(61, 1u), -2);
    EXPECT_EQ(vst->GetNoteInfo(62, 1u << 2), 1);
    EXPECT_EQ(vst->GetNoteInfo(62, 1u), 0);
    // Key 200 arrives as 72 with bit 7 cleared, never as a column past the counters.
    EXPECT_EQ(vst->GetNoteInfo(72, 1u << 2), 1);
    EXPECT_EQ(vst->GetNoteInfo(200, 0x1FFFF), 0);
    EXPECT_EQ(vst->GetNoteInfo(-1, 0x1FFFF), 0);
    vst->NoteOn(16, 10, 1, 0);
    EXPECT_EQ(vst->GetNoteInfo(10, 1u << 16), 1);
    vst->NoteOn(17, 10, 1, 0);  // no such row
    vst->NoteOff(3, 300, 0);
}

TEST_F(MidiPath, BypassQueuesNothingAndIgnoresTheInstrument) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorVst* vst = Vst(a);
    EXPECT_EQ(Dispatch(a, effSetBypass, 0, 1), 0);
    Block(a, {Midi(0, 0x90, 60, 100)});
    vst->MidiInFromGUI(0x90, 61, 100);
    const unsigned char note[3] = {0x90, 62, 100};
    vst->OnRTMIDIIn(0, note, 3);
    EXPECT_TRUE(Synth(a)->SentCopy().empty());
    EXPECT_EQ(vst->GetNoteInfo(62, 0x1FFFF), 0);
    Dispatch(a, effSetBypass, 0, 0);
    vst->OnRTMIDIIn(0, note, 3);
    EXPECT_EQ(vst->GetNoteInfo(62, 1u), 1);
    // Without local control on the instrument its notes are not counted.
    Synth(a)->localControl = false;
    vst->OnRTMIDIIn(0, note, 3);
    EXPECT_EQ(vst->GetNoteInfo(62, 1u), 1);
}

TEST_F(MidiPath, AFullRingDropsTheRest) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    QorVst* vst = Vst(a);
    for (int i = 0; i < 1100; ++i) vst->MidiInFromMaster(0x91, 60, 1, 0);
    for (int i = 0; i < 1100; ++i) vst->MidiInFromGUI(0x92, 60, 1);
    Block(a, {});
    EXPECT_EQ(Synth(a)->SentCopy().size(), 2048u);
    EXPECT_EQ(vst->GetNoteInfo(60, 0x6), 2048);
}

TEST_F(MidiPath, EditorMessagesGoOutTimedAtTheBlockStart) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    Vst(a)->MidiInFromGUI(0x90, 64, 90);
    const uint64_t low = uint64_t(GetSysTick()) * 1000;
    Block(a, {});
    auto sent = Synth(a)->SentCopy();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_GE(static_cast<uint64_t>(sent[0].time), low);
    EXPECT_EQ(sent[0].time % 1000, 0);
    auto* shown = static_cast<CHeadlessVstEditor*>(Vst(a)->getEditor());
    EXPECT_EQ(shown->PendingMidi(), 1);
}

// A sound change on the global channel runs on the main thread, and what followed it waits for it.
TEST_F(MidiPath, GlobalChannelBankRules) {
    struct Row {
        unsigned char model, mode, gm;
        int msb, lsb;  // -1: not sent
        int program;
        int bank;
    } rows[] = {
        {1, 2, 0, 0, 2, 5, 2},   {1, 2, 0, 121, 0, 5, 4}, {9, 2, 0, 121, 0, 5, 5}, {1, 2, 0, 120, 0, 1, 5},
        {9, 3, 0, 120, 0, 1, 6}, {1, 2, 1, 63, 3, 1, 3},  {1, 2, 1, 0, 3, 1, 0},   {1, 2, 0, 5, 3, 1, 0},
        {1, 0, 0, 9, 9, 4, 8},   {1, 1, 0, 0, 3, 4, 3},   {1, 2, 0, -1, -1, 9, 1}, {1, 2, 0, 0, -1, 9, 1},
        {1, 6, 0, 0, 3, 9, 0},
    };
    for (const Row& row : rows) {
        AEffect* a = Open(row.model);
        ASSERT_NE(a, nullptr);
        FakeRemoteSynth* synth = Synth(a);
        Pump();
        synth->mode = row.mode;
        synth->gmMapping = row.gm;
        synth->globalChannel = 2;
        // Each bank select ends the block's drain, as the program change does.
        if (row.msb >= 0) Block(a, {Midi(0, 0xB2, 0, static_cast<unsigned char>(row.msb))});
        if (row.lsb >= 0) Block(a, {Midi(0, 0xB2, 32, static_cast<unsigned char>(row.lsb))});
        Block(a, {Midi(0, 0xC2, static_cast<unsigned char>(row.program)), Midi(1, 0x92, 60, 100)});
        EXPECT_TRUE(synth->changes.empty());
        // The note behind the program change waits for it.
        Block(a, {});
        EXPECT_TRUE(synth->SentCopy().empty());
        Pump();
        ASSERT_EQ(synth->changes.size(), 1u);
        const auto& change = synth->changes[0];
        EXPECT_EQ(change.track, -1);
        EXPECT_EQ(change.bank, row.bank) << int(row.model) << " mode " << int(row.mode) << " msb " << row.msb;
        EXPECT_EQ(change.program, row.program);
        EXPECT_EQ(change.thread, std::this_thread::get_id());
        EXPECT_EQ(change.sentBefore, 0u);
        Block(a, {});
        auto sent = synth->SentCopy();
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(sent[0].bytes[0], 0x92);
        Close(a);
    }
}

TEST_F(MidiPath, OtherChannelsAreOnlyForwarded) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    Synth(a)->globalChannel = 0;
    Block(a, {Midi(0, 0xB5, 0, 1), Midi(0, 0xB5, 32, 1), Midi(0, 0xC5, 3)});
    Pump();
    EXPECT_EQ(Synth(a)->SentCopy().size(), 3u);
    EXPECT_TRUE(Synth(a)->changes.empty());
}

TEST_F(MidiPath, MultiTimbresOnTheChannelChangeAndTheChangeIsForwarded) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    synth->mode = 4;
    synth->timbreChannel[1] = 3;
    synth->timbreChannel[4] = 3;
    synth->timbreChannel[5] = 7;
    Block(a, {Midi(0, 0xB3, 0, 0), Midi(0, 0xB3, 32, 2)});
    // A mode change forgets the first selects; the second pair is what counts.
    Vst(a)->OnRemoteSynthModeChanged(synth, 4);
    Block(a, {Midi(0, 0xB3, 0, 121), Midi(1, 0xB3, 32, 0)});
    Block(a, {Midi(0, 0xC3, 9)});
    Pump();
    ASSERT_EQ(synth->changes.size(), 2u);
    EXPECT_EQ(synth->changes[0].track, 1);
    EXPECT_EQ(synth->changes[0].bank, 4);
    EXPECT_EQ(synth->changes[1].track, 4);
    EXPECT_EQ(synth->changes[1].bank, 4);
    EXPECT_EQ(synth->changes[0].thread, std::this_thread::get_id());
    // Every control change and the program change went out too.
    EXPECT_EQ(synth->SentCopy().size(), 5u);

    // A timbre without any bank select gets the program-only change.
    synth->changes.clear();
    Vst(a)->OnRemoteSynthModeChanged(synth, 4);
    Block(a, {Midi(0, 0xC7, 2)});
    Pump();
    ASSERT_EQ(synth->changes.size(), 1u);
    EXPECT_EQ(synth->changes[0].track, 5);
    EXPECT_EQ(synth->changes[0].bank, -1);
}

TEST_F(MidiPath, ABlockedMainThreadHoldsHostMidiOnlyForAWhile) {
    AEffect* a = Open();
    ASSERT_NE(a, nullptr);
    FakeRemoteSynth* synth = Synth(a);
    Pump();
    Block(a, {Midi(0, 0xC0, 3), Midi(0, 0x90, 60, 1)});
    Block(a, {});
    EXPECT_TRUE(synth->SentCopy().empty());
    // The main thread never ran the change; past the wait the note goes anyway.
    std::this_thread::sleep_for(std::chrono::milliseconds(QorVst::kSoundChangeWaitMs + 20));
    Block(a, {});
    EXPECT_EQ(synth->SentCopy().size(), 1u);
    Pump();
    EXPECT_EQ(synth->changes.size(), 1u);
}
