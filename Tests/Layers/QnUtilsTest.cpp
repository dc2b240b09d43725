// The editor's shared readers: sound numbers as text and back, tempo, categories and assignments,
// over the real sections and bank lists of a recording remote synthesizer.
#include <gtest/gtest.h>

#include <string>

#include "Common/QnUtils/QnUtils.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

int BankIndex(RecordingRemoteSynth& synth, int mode, const std::string& name) {
    IBankList* list = synth.GetAllSounds(mode);
    for (unsigned i = 0; list && i < list->GetCount(); ++i)
        if (list->GetAt(i)->GetName() == name) return static_cast<int>(i);
    return -1;
}

struct NumberCase {
    const char* bank;
    int program;
    const char* numberText;      // GetProgNumberAsString
    const char* bankNumberText;  // GetBankProgNumberAsString
};

TEST(QnUtils, ProgramNumbersAsText) {
    RecordingRemoteSynth synth;
    const NumberCase cases[] = {
        {"A", 0, "000", "A000"},   {"A", 127, "127", "A127"},  {"G", 0, "001", "G001"},
        {"G", 127, "128", "G128"}, {"g(d)", 0, "001", "g001"}, {"A", 255, "---", "A255"},
    };
    for (const NumberCase& c : cases) {
        const int bank = BankIndex(synth, kModeProgPlay, c.bank);
        ASSERT_GE(bank, 0) << c.bank;
        EXPECT_EQ(QnUtils::GetProgNumberAsString(&synth, kModeProgPlay, bank, c.program), c.numberText)
            << c.bank;
        EXPECT_EQ(QnUtils::GetBankProgNumberAsString(&synth, kModeProgPlay, bank, c.program),
                  c.bankNumberText)
            << c.bank;
    }
    // GM banks count from 1 in program mode only.
    EXPECT_TRUE(QnUtils::IsGMBank(&synth, kModeProgPlay, BankIndex(synth, kModeProgPlay, "G")));
    EXPECT_FALSE(QnUtils::IsGMBank(&synth, kModeCombiPlay, 0));
    EXPECT_EQ(QnUtils::GetProgramName(&synth, kModeProgPlay, 99, 0), "---------------");
    EXPECT_EQ(QnUtils::GetProgramName(nullptr, kModeProgPlay, 0, 0), "---------------");
    EXPECT_EQ(QnUtils::GetBankName(&synth, 6, 0), "-");
    EXPECT_EQ(QnUtils::GetBankName(&synth, kModeProgPlay, 0), "A");
}

TEST(QnUtils, ProgramNumberFromText) {
    RecordingRemoteSynth synth;
    const int gm = BankIndex(synth, kModeProgPlay, "G");
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, gm, "001"), 0);
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, 0, "001"), 1);
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, 0, "12 Piano"), 12);
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, 0, "Piano"), -1);
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, 0, ""), -1);
    EXPECT_EQ(QnUtils::GetProgramNumberByString(&synth, kModeProgPlay, 0, nullptr), -1);
}

TEST(QnUtils, TempoIsClampedAndWrittenWithSend) {
    RecordingRemoteSynth synth;
    synth.sections.host.SetMode(kModeProgPlay);
    const struct { int asked, written; } cases[] = {{20, 40}, {300, 240}, {133, 133}};
    for (const auto& c : cases) {
        const unsigned before = synth.sections.host.link.count;
        EXPECT_EQ(QnUtils::SetTempo(&synth, c.asked), c.written);
        int tempo = 0;
        EXPECT_EQ(QnUtils::GetTempo(&synth, tempo), c.written);
        EXPECT_EQ(tempo, c.written);
        EXPECT_EQ(synth.sections.host.link.count - before, 1u) << c.asked;
    }
    ISection* section = nullptr;
    EXPECT_EQ(QnUtils::GetTempoParamId(&synth, &section), 0x0100);
    EXPECT_EQ(section, synth.GetEditBuffer(kModeProgPlay));
    synth.sections.host.SetMode(kModeGlobal);
    EXPECT_EQ(QnUtils::GetTempoParamId(&synth, &section), 0x7C13);
    EXPECT_EQ(section, synth.GetGlobal());
    synth.sections.host.SetMode(5);
    int untouched = 77;
    EXPECT_EQ(QnUtils::GetTempo(&synth, untouched), -1);
    EXPECT_EQ(untouched, 77);
    EXPECT_EQ(QnUtils::SetTempo(&synth, 120), -1);
}

TEST(QnUtils, ExternalClockFromTheThirdByte) {
    RecordingRemoteSynth synth;
    for (uint8_t state : {0, 1, 2, 3}) {
        synth.extState = EXTCTLSTATE{1, 0, state};
        EXPECT_EQ(QnUtils::IsClockExternal(&synth), state == 1 || state == 2) << int(state);
    }
}

TEST(QnUtils, AssignmentsIgnoreBitsSharingTheirByte) {
    RecordingRemoteSynth synth;
    ISound* sound = synth.GetAllSounds(kModeProgPlay)->GetAt(0)->GetAt(5);
    ASSERT_NE(sound, nullptr);
    // SW1: assign type 3 with the toggle bit (6) and the on bit (7) set; knob 1: assign 5 with
    // REALTIME CONTROLS B (bit 7) set.
    const uint8_t sw = 0xC0 | 3, knob = 0x80 | 5;
    ASSERT_EQ(sound->RawPut(&sw, 114, 1), 1u);
    ASSERT_EQ(sound->RawPut(&knob, 116, 1), 1u);
    PARAMDESC desc{};
    ASSERT_TRUE(synth.GetEditBuffer(kModeProgEdit)->GetParamDesc(12, &desc));
    ASSERT_NE(desc.converter, nullptr);
    EXPECT_EQ(QnUtils::GetSWAssign(&synth, kModeProgPlay, 0, 5, 0), desc.converter->Format(3));
    EXPECT_EQ(QnUtils::GetKnobAssign(&synth, kModeProgPlay, 0, 5, 0), 5);
    // Missing data.
    EXPECT_EQ(QnUtils::GetSWAssign(&synth, kModeProgPlay, 255, 5, 0), "-----");
    EXPECT_EQ(QnUtils::GetKnobAssign(&synth, kModeProgPlay, 255, 5, 0), -1);
    EXPECT_EQ(QnUtils::GetKnobAssign(&synth, kModeProgPlay, 0, 255, 0), -1);
    EXPECT_EQ(QnUtils::GetKnobAssign(&synth, kModeGlobal, 0, 0, 0), -1);
    EXPECT_EQ(QnUtils::GetCategory(&synth, kModeProgPlay, 255, 0), -1);
    EXPECT_EQ(QnUtils::GetCurKnobAssign(&synth, kModeGlobal, 0), -1);
}

TEST(QnUtils, KnobShortNames) {
    const struct {
        int number;
        const char* name;
    } cases[] = {{0, "Off"},     {28, "Send2"}, {29, "CC#00"}, {30, "CC#01"},
                 {124, "CC#95"}, {-1, "---"},   {-7, "---"}};
    for (const auto& c : cases) EXPECT_EQ(QnUtils::GetKnobAssignShortName(c.number), c.name) << c.number;
}

TEST(QnUtils, CategoryNames) {
    RecordingRemoteSynth synth;
    std::string out = "x";
    EXPECT_FALSE(QnUtils::GetCategoryName(out, &synth, kModeCombiEdit, 0, true));
    EXPECT_EQ(out, "-----");
    EXPECT_TRUE(QnUtils::GetCategoryName(out, &synth, kModeProgPlay, -1, true));
    EXPECT_EQ(out, "-----");
    ISection* global = synth.GetGlobal();
    global->PutParamSEx(0x9000 + 2, "Pads  ", kPutNotify);
    EXPECT_TRUE(QnUtils::GetCategoryName(out, &synth, kModeProgPlay, 2, true));
    EXPECT_EQ(out, "Pads");
    EXPECT_TRUE(QnUtils::GetCategoryName(out, &synth, kModeProgPlay, 2, false));
    EXPECT_EQ(out.substr(0, 4), "Pads");
    global->PutParamSEx(0x9000 + 3, "    ", kPutNotify);
    EXPECT_TRUE(QnUtils::GetCategoryName(out, &synth, kModeProgPlay, 3, true));
    EXPECT_FALSE(out.empty());
    EXPECT_EQ(out.find_first_not_of(' '), std::string::npos);
}

TEST(QnUtils, CurrentSoundCategory) {
    RecordingRemoteSynth synth;
    EXPECT_EQ(QnUtils::GetCurSoundCategory(nullptr, kModeProgPlay), 0);
    EXPECT_EQ(QnUtils::GetCurSoundCategory(&synth, kModeMulti), -1);
    EXPECT_TRUE(QnUtils::SetCurSoundCategory(&synth, kModeProgPlay, 9));
    EXPECT_EQ(QnUtils::GetCurSoundCategory(&synth, kModeProgPlay), 9);
    EXPECT_FALSE(QnUtils::SetCurSoundCategory(nullptr, kModeProgPlay, 9));
}

TEST(QnUtils, PortsAndItemNames) {
    RecordingRemoteSynth synth;
    synth.inPorts.emplace_back("In A", 0x10000);
    EXPECT_EQ(QnUtils::GetMIDIInEntrySize(&synth), 1);
    EXPECT_EQ(QnUtils::GetMIDIOutEntrySize(&synth), 0);
    EXPECT_EQ(QnUtils::GetMIDIInName(&synth, 0), "In A");
    EXPECT_EQ(QnUtils::GetMIDIInName(&synth, 1), "");
    EXPECT_EQ(QnUtils::GetMIDIOutName(&synth, -1), "");
    EXPECT_EQ(QnUtils::GetDrumKitName(&synth, -1), "");
    EXPECT_EQ(QnUtils::GetDrumKitName(&synth, 100000), "");
    EXPECT_EQ(QnUtils::GetArpeggioPatternName(&synth, 0),
              synth.GetArpPatterns()->GetNames()->GetAt(0)->GetName());
}

}  // namespace
