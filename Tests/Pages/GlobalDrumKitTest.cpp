// The drum kit page: kit and key selection, keys picked by played notes, relinking per key.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "Common/Controls/QnSelectors.h"
#include "Common/Pages/GlobalDrumKitLayer.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;
using GlobalTest::TextOf;

namespace {

class DrumKitTest : public GlobalPageFixture<GlobalDrumKitLayer> {
protected:
    void NoteInput(bool on) { Control(GlobalDrumKitLayer::kNoteInputId)->SetIntValue(on ? 1 : 0, false); }
    void Play(unsigned char status, unsigned char note, unsigned char velocity) {
        const unsigned char bytes[3] = {status, note, velocity};
        synth->FireMIDIIn(bytes, 3);
    }
};

TEST_F(DrumKitTest, OnlyTheLastOfSeveralNotesBeforeATickSelectsItsKey) {
    NoteInput(true);
    Play(0x90, 48, 100);  // C3
    Play(0x91, 52, 90);   // E3, another channel
    Tick();
    EXPECT_EQ(page->GetSelectedKey(), 52);
    EXPECT_EQ(TextOf(Control(GlobalDrumKitLayer::kKeyNumberId)), "E3");
    EXPECT_EQ(Control(GlobalDrumKitLayer::kKeySelectorId)->GetIntValue(), 52);
}

TEST_F(DrumKitTest, WhichMessagesPickAKey) {
    struct Case {
        const char* what;
        bool visible, noteInput;
        unsigned char status, note, velocity;
        bool editorPath;
        int key;  // the key afterwards (starts at 5)
    };
    const Case cases[] = {
        {"note-on", true, true, 0x90, 60, 100, false, 60},
        {"velocity 0 picks too", true, true, 0x90, 61, 0, false, 61},
        {"from the editor's own MIDI", true, true, 0x9F, 62, 1, true, 62},
        {"note-off", true, true, 0x80, 63, 64, false, 5},
        {"controller", true, true, 0xB0, 64, 1, false, 5},
        {"note input off", true, false, 0x90, 65, 100, false, 5},
        {"page hidden", false, true, 0x90, 66, 100, false, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        page->ChangeCurrentNote(5);
        NoteInput(c.noteInput);
        if (!c.visible) page->Hide(false);
        if (c.editorPath)
            page->OnMidiIn(c.status, c.note, c.velocity);
        else
            Play(c.status, c.note, c.velocity);
        if (!c.visible) page->Show(false);
        Tick();
        EXPECT_EQ(page->GetSelectedKey(), c.key);
    }
    // A message too short to hold a note.
    NoteInput(true);
    const unsigned char status = 0x90;
    synth->FireMIDIIn(&status, 1);
    Tick();
    EXPECT_EQ(page->GetSelectedKey(), 5);
}

TEST_F(DrumKitTest, TypedKitAndKeyNumbersAreHeldToTheKitsAndKeys) {
    struct Case {
        int id;
        const char* typed;
        int kit, key;
    };
    const Case cases[] = {
        {GlobalDrumKitLayer::kKitNumberId, "12", 12, 0},    {GlobalDrumKitLayer::kKitNumberId, "45", 39, 0},
        {GlobalDrumKitLayer::kKeyNumberId, "200", 39, 127}, {GlobalDrumKitLayer::kKeyNumberId, "-1", 39, 0},
        {GlobalDrumKitLayer::kKeyNumberId, "36", 39, 36},   {GlobalDrumKitLayer::kKeyNumberId, "x", 39, 36},
        {GlobalDrumKitLayer::kKitNumberId, "-7", 0, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Type(c.id, c.typed);
        Tick();
        EXPECT_EQ(page->GetSelectedKit(), c.kit);
        EXPECT_EQ(page->GetSelectedKey(), c.key);
        char kit[8];
        std::snprintf(kit, sizeof kit, "%02d", c.kit);
        EXPECT_EQ(TextOf(Control(GlobalDrumKitLayer::kKitNumberId)), kit);
        EXPECT_EQ(TextOf(Control(GlobalDrumKitLayer::kKeyNumberId)), GlobalPageLayerBase::NoteName(c.key));
    }
    // A key asked for directly is held the same way.
    page->ChangeCurrentNote(1000);
    EXPECT_EQ(page->GetSelectedKey(), 127);
    EXPECT_EQ(TextOf(Control(GlobalDrumKitLayer::kKeyNumberId)), "G9");
}

TEST_F(DrumKitTest, EveryParameterControlFollowsTheKeyAndShowsItsValues) {
    page->ChangeCurrentNote(60);
    const std::vector<int> pids = GlobalTest::LinkedPids(*page, &synth->sections.kits);
    ASSERT_EQ(pids.size(), 30u);  // voice 8, high and low sample 10 each, assign, velocity switch
    for (int pid : pids) EXPECT_EQ(pid >> 8, 60) << std::hex << pid;
    // The high sample's level of key 60 in the selected kit.
    Type(GlobalDrumKitLayer::kKitNumberId, "3");
    Tick();
    synth->sections.kits.PutParamI((60 << 8) | 0x04, 77);
    Tick();
    CHfcControl* level = Control((kKindDrumKits << 16) | 0x04);
    EXPECT_EQ(level->GetIntValue(), 77);
    EXPECT_EQ(page->GetParameterIdByControl(level).pid, (60 << 8) | 0x04);
    // Written from the page, the value lands on that key.
    Report((kKindDrumKits << 16) | 0x04, 12);
    EXPECT_EQ(synth->sections.kits.GetParamI((60 << 8) | 0x04), 12);
    EXPECT_NE(synth->sections.kits.GetParamI((61 << 8) | 0x04), 12);
}

TEST_F(DrumKitTest, ShowingThePageSelectsTheKitOfADrumProgram) {
    struct Case {
        int oscMode, programKit, kit;
    };
    for (const Case& c : {Case{2, 7, 7}, Case{0, 7, 0}, Case{2, 25, 25}}) {
        SCOPED_TRACE(c.oscMode);
        synth->sections.progEdit.PutParamI(0x0001, c.oscMode);
        synth->sections.progEdit.PutParamI(0x0201, c.programKit);
        Type(GlobalDrumKitLayer::kKitNumberId, "30");
        Tick();
        page->Hide(false);
        page->Show(false);
        Tick();
        EXPECT_EQ(page->GetSelectedKit(), c.kit);
        EXPECT_EQ(Control(GlobalDrumKitLayer::kKitDropdownId)->GetIntValue(), c.kit);
    }
}

TEST_F(DrumKitTest, PressingTheNoteInputSwitchTogglesItAndIsHandled) {
    CHfcControl* input = Control(GlobalDrumKitLayer::kNoteInputId);
    EXPECT_EQ(input->GetIntValue(), 0);
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(input, 0, 0, 0));
    EXPECT_EQ(input->GetIntValue(), 1);
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(input, 0, 0, 0));
    EXPECT_EQ(input->GetIntValue(), 0);
}

using DrumKitThreaded = DrumKitTest;

// Notes handed over on other threads while the page ticks: the newest always wins and nothing races.
TEST_F(DrumKitThreaded, RequestsFromAnotherThreadEndOnTheLastOne) {
    std::atomic<bool> done{false};
    std::thread player([&] {
        for (int i = 0; i < 2000; ++i) page->RequestChangeNote(i % 128);
        page->RequestChangeNote(99);
        done = true;
    });
    while (!done) page->Idle(0);
    player.join();
    Tick();
    EXPECT_EQ(page->GetSelectedKey(), 99);
}

}  // namespace
