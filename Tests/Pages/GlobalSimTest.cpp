// Global pages against the simulated instrument: edits made on the pages reach the instrument's
// memory, and the port chosen on the setup page is the one the next connection uses.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Pages/GlobalArpeggioPatternLayer.h"
#include "Common/Pages/GlobalDrumKitLayer.h"
#include "Common/Pages/GlobalSoftwareSetupLayer.h"
#include "Support/SimPageFixture.h"

using namespace QorX0;

namespace {

class GlobalSim : public SimPageFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    bool InstrumentRecordIs(Sim::Area area, int index, const uint8_t* bytes, size_t n) {
        Settle();
        return sim->With(
            [&](Sim::SimCore& c) { return std::memcmp(c.Image().Record(area, index), bytes, n) == 0; });
    }
};

TEST_P(GlobalSim, ADrumKeysSampleChangedOnThePageLandsInThatKeysBytes) {
    MakeSynced(GetParam(), kModeGlobal);  // kit and pattern edits are taken in global mode
    auto* kits = Open<GlobalDrumKitLayer>();
    Type(GlobalDrumKitLayer::kKitNumberId, "3");
    Type(GlobalDrumKitLayer::kKeyNumberId, "60");
    Tick();
    ASSERT_EQ(kits->GetSelectedKit(), 3);
    ASSERT_EQ(kits->GetSelectedKey(), 60);
    const int samplePid = (60 << 8) | 1;
    CHfcControl* selector = Control((kKindDrumKits << 16) | 1);
    ASSERT_NE(selector, nullptr);
    ASSERT_EQ(kits->GetParameterIdByControl(selector).pid, samplePid);
    ISection* section = synth->GetDrumKits();
    const int before = section->GetParamI(samplePid), neighbour = section->GetParamI((61 << 8) | 1);
    PARAMDESC desc{};
    ASSERT_TRUE(section->GetParamDesc(samplePid, &desc));
    const int wanted = before == desc.maxval ? desc.minval : before + 1;
    auto instrumentKit = [&] {
        return sim->With([](Sim::SimCore& c) {
            const uint8_t* r = c.Image().Record(Sim::Area::DrumKit, 3);
            return std::string(reinterpret_cast<const char*>(r), kSizeDrumKit);
        });
    };
    Settle();
    const std::string old = instrumentKit();

    kits->OnHfcCtrlIntValueChanged(selector, wanted);  // what the page hears from the selector's choice
    Tick();
    EXPECT_EQ(section->GetParamI(samplePid), wanted);
    EXPECT_EQ(section->GetParamI((61 << 8) | 1), neighbour);
    EXPECT_EQ(selector->GetIntValue(), wanted);
    // The instrument's kit 3 is the editor's, byte for byte, and it changed.
    auto image = Image();
    EXPECT_TRUE(InstrumentRecordIs(Sim::Area::DrumKit, 3, image->drumkit[3], kSizeDrumKit));
    EXPECT_TRUE(instrumentKit() != old);
}

TEST_P(GlobalSim, AnArpeggioPatternStepEditedOnThePageReachesTheInstrument) {
    MakeSynced(GetParam(), kModeGlobal);  // kit and pattern edits are taken in global mode
    auto* arp = Open<GlobalArpeggioPatternLayer>();
    Type(GlobalArpeggioPatternLayer::kPatternNumberId, "9");  // the fifth user pattern
    Tick();
    ASSERT_EQ(arp->GetSelectedPattern(), 9);
    Type(GlobalArpeggioPatternLayer::kStepNumberId, "13");
    const int gateId = (kKindArpPatterns << 16) | GlobalArpeggioPatternLayer::kPidGate;
    ASSERT_EQ(arp->GetParameterIdByControl(Control(gateId)).pid, (12 << 8) | 7);
    Type(gateId, "75");
    CHfcControl* box = arp->GetToneSwitch(12, 2);
    const int on = box->GetIntValue();
    arp->OnHfcCtrlIntValueChanged(box, static_cast<int>(on ? 0x80000001u : 0x80000000u));
    Tick();
    ISection* patterns = synth->GetArpPatterns();
    EXPECT_EQ(patterns->GetParamI((12 << 8) | 7), 75);
    EXPECT_EQ(patterns->GetParamI((12 << 8) | 12), on ? 0 : 1);
    auto image = Image();
    EXPECT_TRUE(InstrumentRecordIs(Sim::Area::ArpPattern, 9 - 5, image->arppattern[9 - 5], kSizeArpPattern));
}

TEST_P(GlobalSim, TheLengthBarAndTheLengthRowBothFollowThePatternsLength) {
    MakeSynced(GetParam(), kModeGlobal);  // kit and pattern edits are taken in global mode
    auto* arp = Open<GlobalArpeggioPatternLayer>();
    Type(GlobalArpeggioPatternLayer::kPatternNumberId, "9");
    Tick();
    ASSERT_EQ(arp->GetSelectedPattern(), 9);
    auto* bar = dynamic_cast<QnArpLengthBar*>(Control(GlobalArpeggioPatternLayer::kLengthBarId));
    CHfcControl* row = Control((kKindArpPatterns << 16) | GlobalArpeggioPatternLayer::kPidLength);
    ASSERT_NE(bar, nullptr);
    ASSERT_NE(row, nullptr);
    ISection* patterns = synth->GetArpPatterns();
    auto instrumentLength = [&] {
        Settle();
        Tick();
        auto image = Image();
        EXPECT_TRUE(
            InstrumentRecordIs(Sim::Area::ArpPattern, 9 - 5, image->arppattern[9 - 5], kSizeArpPattern));
        return patterns->GetParamI(GlobalArpeggioPatternLayer::kPidLength);
    };

    // The instrument's own change reaches both controls.
    ASSERT_TRUE(sim->With([](Sim::SimCore& c) {
        return c.PanelParamChange(
            {Sim::ParamKind::ArpPattern, 0, GlobalArpeggioPatternLayer::kPidLength, 9 - 5, 0, 20});
    }));
    ASSERT_EQ(instrumentLength(), 20);
    EXPECT_EQ(bar->GetIntValue(), 20);
    EXPECT_EQ(row->GetIntValue(), 20);

    // A step of the row starts from what it shows.
    row->OnKeyDown(30, 0, 0);  // up arrow
    EXPECT_EQ(instrumentLength(), 21);
    EXPECT_EQ(bar->GetIntValue(), 21);
    EXPECT_EQ(row->GetIntValue(), 21);

    // A press on the bar where it would show 10 writes 10, in the range the bar shows.
    PARAMDESC desc{};
    ASSERT_TRUE(patterns->GetParamDesc(GlobalArpeggioPatternLayer::kPidLength, &desc));
    EXPECT_EQ(bar->GetMinIntValue(), desc.minval);
    EXPECT_EQ(bar->GetMaxIntValue(), desc.maxval);
    const tagHfcRect r = bar->GetRect();
    const int inner = r.right - r.left - 2, span = desc.maxval - desc.minval + 1;
    const int x = (10 * inner + span - 1) / span;
    ClickAt(r.left + x, r.top + 2);
    EXPECT_EQ(instrumentLength(), 10);
    EXPECT_EQ(bar->GetIntValue(), 10);
    EXPECT_EQ(row->GetIntValue(), 10);

    // The pattern as the instrument sends it whole: both show its length.
    ASSERT_TRUE(sim->With([&](Sim::SimCore& c) {
        Sim::BitField length;
        length.byteOffset = static_cast<size_t>(desc.offset);
        length.lowBit = desc.lobit;
        length.highBit = desc.hibit;
        Sim::WriteBitField(c.Image().Record(Sim::Area::ArpPattern, 9 - 5), length, 33);
        return c.PanelSendDump({Sim::DumpKind::ArpPattern, -1, 9 - 5});
    }));
    EXPECT_EQ(instrumentLength(), 33);
    EXPECT_EQ(bar->GetIntValue(), 33);
    EXPECT_EQ(row->GetIntValue(), 33);
}

TEST_P(GlobalSim, ThePortChosenOnTheSetupPageIsUsedAtTheNextConnect) {
    // Connected once, so that the ports are known; then saved names that lead nowhere: connecting
    // with them would have to ask.
    Make(GetParam());
    synth->Disconnect();
    synth->SetMIDIInPortName("Gone In");
    synth->SetMIDIOutPortName("Gone Out");
    auto* setup = Open<GlobalSoftwareSetupLayer>();
    const std::string name = port->KeyName();
    auto choose = [&](QnDropdownList* list) {
        for (int i = 0; i < list->GetItemCount(); ++i) {
            std::string text;
            list->GetItemText(text, i);
            if (text == name) {
                setup->OnHfcCtrlIntValueChanged(list, i);
                return true;
            }
        }
        return false;
    };
    std::string first;
    setup->GetMIDIInDropdown()->GetItemText(first, 0);

    EXPECT_EQ(first, "Gone In (not connected)");
    ASSERT_TRUE(choose(setup->GetMIDIInDropdown()));
    ASSERT_TRUE(choose(setup->GetMIDIOutDropdown()));
    // The link finds the instrument on the chosen ports without a question.
    ASSERT_TRUE(synth->Connect(false, false));
    EXPECT_EQ(unexpectedBoxes, 0);
    Tick();
    std::string in, out;
    setup->GetMIDIInDropdown()->GetItemText(in, setup->GetMIDIInDropdown()->GetIntValue());
    setup->GetMIDIOutDropdown()->GetItemText(out, setup->GetMIDIOutDropdown()->GetIntValue());
    EXPECT_EQ(in, name);
    EXPECT_EQ(out, name);
}

INSTANTIATE_TEST_SUITE_P(Models, GlobalSim, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
