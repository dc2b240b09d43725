// Tab pages whose key and velocity fields are typed by playing a note: a note-on puts the note
// number or the velocity, as the parameter's text, into the field in text entry, and writes nothing.
#include <gtest/gtest.h>

#include "Common/Layers/TabPageLayerEx.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "PageFixture.h"

using namespace QorX0;

namespace {

constexpr int kTopKey = 0x1D0A;       // program edit, note names
constexpr int kTopVelocity = 0x1D0C;  // program edit, 1..127
constexpr int kStartLevel = 0x0100;   // program edit, neither list

class NotePage : public FactoryPageFixture<CTabPageLayerEx> {
protected:
    void SetUp() override {
        FactoryPageFixture::SetUp();
        page->AddKeyParanId(kTopKey);
        page->AddVelParanId(kTopVelocity);
        page->Show(false);
        key = Place(creater.CreateTextEdit(10, 10, 40, 13, 1), kTopKey);
        velocity = Place(creater.CreateTextEdit(10, 30, 40, 13, 2), kTopVelocity);
        other = Place(creater.CreateTextEdit(10, 50, 40, 13, 3), kStartLevel);
        unlinked = Place(creater.CreateTextEdit(10, 70, 40, 13, 4), -1);
        ASSERT_NE(unlinked, nullptr);
        Tick();
        keyText = static_cast<const char*>(key->GetPtrValue());
        sendsBefore = Sends();
    }
    static std::string Shown(CHfcCtrlCharEditText* field) {
        return static_cast<const char*>(field->GetEngine()->GetText());
    }
    void Instrument(std::vector<unsigned char> bytes) {
        synth->FireMIDIIn(bytes.data(), static_cast<unsigned>(bytes.size()));
    }
    // Nothing was written: the parameters keep their values and nothing went out.
    void ExpectNothingWritten() {
        EXPECT_EQ(Prog()->GetParamI(kTopKey), 127);
        EXPECT_EQ(Prog()->GetParamI(kTopVelocity), 127);
        EXPECT_EQ(Sends(), sendsBefore);
    }

    CHfcCtrlCharEditText *key = nullptr, *velocity = nullptr, *other = nullptr, *unlinked = nullptr;
    std::string keyText;
    unsigned sendsBefore = 0;
};

TEST_F(NotePage, ListsHoldEachPidOnce) {
    page->AddKeyParanId(kTopKey);
    page->AddVelParanId(kTopVelocity);
    page->AddVelParanId(kTopKey);
    EXPECT_EQ(page->GetKeyParamIds(), (std::vector<unsigned>{kTopKey}));
    EXPECT_EQ(page->GetVelParamIds(), (std::vector<unsigned>{kTopVelocity, kTopKey}));
}

TEST_F(NotePage, ANoteOnFillsTheFieldInEntryAndWritesNothing) {
    ASSERT_TRUE(key->EnterEdit(nullptr));
    Instrument({0x93, 60, 100});  // any channel
    EXPECT_EQ(Shown(key), Text(kTopKey, 60));
    key->LeaveEdit();

    ASSERT_TRUE(velocity->EnterEdit(nullptr));
    page->OnMidiIn(0x9F, 64, 77);  // from the host
    EXPECT_EQ(Shown(velocity), Text(kTopVelocity, 77));
    ExpectNothingWritten();
}

// What the page leaves alone: note-offs and other messages, no field in entry, a field whose
// parameter is in neither list or that is linked to nothing, an empty message.
TEST_F(NotePage, OtherMessagesAndFieldsAreLeftAlone) {
    Instrument({0x90, 60, 100});
    page->OnMidiIn(0x90, 61, 100);
    EXPECT_EQ(static_cast<const char*>(key->GetPtrValue()), keyText);

    ASSERT_TRUE(key->EnterEdit(nullptr));
    const std::string entry = Shown(key);
    Instrument({0x83, 60, 100});
    Instrument({0xB0, 60, 100});
    page->OnMidiIn(0x80, 60, 0);
    synth->FireMIDIIn(nullptr, 0);
    Instrument({});
    EXPECT_EQ(Shown(key), entry);
    key->LeaveEdit();

    for (CHfcCtrlCharEditText* field : {other, unlinked}) {
        ASSERT_TRUE(field->EnterEdit("x"));
        Instrument({0x90, 60, 100});
        EXPECT_EQ(Shown(field), "x");
        field->LeaveEdit();
    }
    ExpectNothingWritten();
}

// A note-on of velocity 0 still gives its note to a key field, and 0 to a velocity field.
TEST_F(NotePage, VelocityZeroCounts) {
    ASSERT_TRUE(key->EnterEdit(nullptr));
    Instrument({0x90, 48, 0});
    EXPECT_EQ(Shown(key), Text(kTopKey, 48));
    key->LeaveEdit();
    ASSERT_TRUE(velocity->EnterEdit(nullptr));
    Instrument({0x90, 48, 0});
    EXPECT_EQ(Shown(velocity), Text(kTopVelocity, 0));
    ExpectNothingWritten();
}

// A short note-on counts its missing bytes as 0.
TEST_F(NotePage, ShortMessagesReadMissingBytesAsZero) {
    ASSERT_TRUE(key->EnterEdit(nullptr));
    Instrument({0x90});
    EXPECT_EQ(Shown(key), Text(kTopKey, 0));
    ExpectNothingWritten();
}

// A hidden page ignores the instrument's notes but still takes the host's.
TEST_F(NotePage, AHiddenPageTakesOnlyTheHostsNotes) {
    ASSERT_TRUE(key->EnterEdit(nullptr));
    const std::string entry = Shown(key);
    page->Hide(false);
    Instrument({0x90, 60, 100});
    EXPECT_EQ(Shown(key), entry);
    page->OnMidiIn(0x90, 62, 100);
    EXPECT_EQ(Shown(key), Text(kTopKey, 62));
}

// The page watches the instrument's MIDI from its creation to its teardown, and a page deleted
// without teardown leaves no observer behind.
TEST_F(NotePage, WatchesTheInstrumentsMidiWhileItLives) {
    EXPECT_EQ(synth->MIDISinkCount(), 1u);
    page->OnDestroy();
    EXPECT_EQ(synth->MIDISinkCount(), 0u);
    window->RemoveLayer(page.get(), false);
    page.reset();

    auto second = std::make_unique<CTabPageLayerEx>(synth.get(), "second");
    ASSERT_TRUE(second->Create(0, 0, 100, 100, nullptr, window));
    second->OnCreate();
    EXPECT_EQ(synth->MIDISinkCount(), 1u);
    window->RemoveLayer(second.get(), false);
    second.reset();
    EXPECT_EQ(synth->MIDISinkCount(), 0u);
}

}  // namespace
