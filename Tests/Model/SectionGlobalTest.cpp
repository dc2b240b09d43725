// Global section with its arpeggiator rows over the current sound, and the array sections: selection,
// element addressing, protection and the messages each sends.
#include <gtest/gtest.h>

#include <cstring>

#include "Common/Model/Presets.h"
#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

class GlobalSections : public ::testing::Test {
protected:
    SectionSet s;
    RecordingSink sink;
};

TEST_F(GlobalSections, ArpeggiatorRowsReadTheSoundOfTheModeShown) {
    s.progEdit.PutParamIEx(0x1C00, 100, 0);
    s.multi.PutParamIEx(0x2200, 150, 0);
    s.host.virtualMode = kModeProgEdit;
    EXPECT_EQ(s.global.GetParamI(0x7C13), 100);
    s.host.virtualMode = kModeMulti;
    EXPECT_EQ(s.global.GetParamI(0x7C13), 150);
    PARAMDESC d;
    for (int mode : {6, 5, 10}) {
        s.host.virtualMode = static_cast<unsigned char>(mode);
        EXPECT_FALSE(s.global.GetParamDesc(0x7C13, &d)) << mode;
        EXPECT_EQ(s.global.GetParamI(0x7C13), 0);
        EXPECT_EQ(s.global.PutParamI(0x7C13, 99), 0);
    }
}

TEST_F(GlobalSections, ArpeggiatorRowWritesTheSoundAndSendsAsGlobalMode6) {
    s.host.virtualMode = kModeProgEdit;
    EXPECT_EQ(s.global.PutParamI(0x7C13, 130), 130);
    EXPECT_EQ(s.progEdit.GetParamI(0x1C00), 130);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), "F0 42 30 7A 41 06 00 7C 00 13 01 02 F7");
}

TEST_F(GlobalSections, CombinationArpeggiatorFollowsTheArpeggiatorSelect) {
    s.host.virtualMode = kModeCombiEdit;
    s.host.soundMode = kModeCombiPlay;
    s.combiEdit.PutParamIEx(0x0A01, 1, 0);
    s.combiEdit.PutParamIEx(0x0B01, 4, 0);
    EXPECT_EQ(s.global.GetParamI(0x7C01), 1);
    s.patterns.PutParamIEx(CGArraySectionImpl::kPidArpSelect, 1, 0);
    EXPECT_EQ(s.global.GetParamI(0x7C01), 4);
    s.host.soundMode = kModeProgPlay;  // programs have one arpeggiator
    PARAMDESC d;
    ASSERT_TRUE(s.patterns.GetParamDesc(CGArraySectionImpl::kPidArpSelect, &d));
    EXPECT_EQ(d.maxval, 0);
}

TEST_F(GlobalSections, RealtimePageRowsExcludeEachOther) {
    s.host.virtualMode = kModeProgEdit;
    s.rtc.AdviseSink(&sink);
    s.global.PutParamIEx(0x7C0E, 1, kPutNotify);
    s.global.PutParamIEx(0x7C0F, 1, kPutNotify);
    EXPECT_EQ(s.progEdit.GetParamI(0x0016), 0);
    EXPECT_EQ(s.progEdit.GetParamI(0x0019), 1);
    s.global.PutParamIEx(0x7C13, 90, kPutNotify);
    EXPECT_EQ(sink.Joined(), "C8000 C8000 C800C");
    s.rtc.UnadviseSink(&sink);
}

TEST_F(GlobalSections, DrumKitSelectionIsClampedAndSent) {
    s.kits.AdviseSink(&sink);
    EXPECT_EQ(s.kits.Select(45, 200), (uint64_t{127} << 32) | 39);
    EXPECT_EQ(s.kits.GetCurSel(), 39u);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXDrumkitParamChange(0, 39, 127, 32, 0)));
    EXPECT_EQ(sink.Joined(), "R");
    s.kits.UnadviseSink(&sink);
}

TEST_F(GlobalSections, DrumKitRowsAddressTheSelectedKit) {
    s.kits.Select(7, 3);
    s.host.link.Clear();
    EXPECT_EQ(s.kits.PutParamI(0x0304, -5), -5);
    PARAMDESC d;
    ASSERT_TRUE(s.kits.GetParamDesc(0x0304, &d));
    EXPECT_EQ(d.record, s.host.image->drumkit[7]);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXDrumkitParamChange(0, 7, 3, 4, -5)));
    ASSERT_TRUE(s.kits.GetParamDesc(0x0301, &d));
    EXPECT_EQ(d.maxval, static_cast<int>(kDrumSampleCountTolva) - 1);
}

TEST_F(GlobalSections, PresetPatternsAreReadOnlyAndUserPatternsSendAsTheirNumber) {
    s.host.virtualMode = kModeGlobal;
    s.patterns.Select(3, 0);
    EXPECT_EQ(s.patterns.PutParamI(0x0003, 1), 0);
    std::vector<uint8_t> presets(PresetArpPatterns(),
                                 PresetArpPatterns() + kArpPresetCount * kSizeArpPattern);
    s.patterns.PutParamIEx(0x0003, 1, kPutForce | kPutSend);
    EXPECT_EQ(std::memcmp(presets.data(), PresetArpPatterns(), presets.size()), 0);
    s.patterns.Select(5, 0);
    s.host.link.Clear();
    EXPECT_EQ(s.patterns.PutParamI(0x0003, 1), 1);
    EXPECT_NE(s.host.image->arppattern[0][16] & 0x10, 0);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXArpPatternParamChange(0, 0, 3, 0, 1)));
    s.host.link.Clear();
    s.patterns.PutParamI(0x0205, 60);  // step 2's tone
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]),
              MsgHex(SXArpPatternParamChange(0, 0, 5, 2, s.patterns.GetParamI(0x0205))));
}

TEST_F(GlobalSections, PatternSelectionGoesToTheSoundAsItsPatternNumber) {
    s.host.virtualMode = kModeProgEdit;
    s.patterns.Select(300, 0);
    EXPECT_EQ(s.patterns.GetCurSel(), 255u);
    EXPECT_EQ(s.progEdit.GetParamI(0x1D00), 255);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXParamChange(0, 6, 0x7C00, 255)));
}

TEST_F(GlobalSections, ExternalControlSelectionIsClampedAndSent) {
    EXPECT_EQ(s.exts.Select(70, 9), 63u);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXExtControlParamChange(0, 63, 24, 0)));
    s.host.link.Clear();
    s.exts.PutParamI(0x000C, 20);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), MsgHex(SXExtControlParamChange(0, 63, 12, 20)));
}

TEST_F(GlobalSections, ReceivedKitChangeMovesTheSelectionWithOneReinitialisation) {
    s.kits.Select(2, 0);
    s.kits.AdviseSink(&sink);
    s.kits.OnRcvMIDIGlobalArrayParam(0x0304, 7, -9);
    EXPECT_EQ(s.kits.GetCurSel(), 7u);
    EXPECT_EQ(s.kits.GetParamI(0x0304), -9);
    EXPECT_EQ(sink.Joined(), "R");
    s.kits.OnRcvMIDIGlobalArrayParam(0x0304, 7, 4);
    EXPECT_EQ(sink.Joined(), "R C0304");
    s.kits.OnRcvMIDIGlobalArrayParam(0x0304, 40, 4);  // no such kit
    EXPECT_EQ(s.kits.GetCurSel(), 7u);
    EXPECT_EQ(s.host.link.Sent().size(), 1u);  // only the Select
    s.kits.UnadviseSink(&sink);
}

// A received change on a row that is protected where it lands (a preset pattern) writes nothing
// and tells the observers nothing; moving the selection there still reinitialises them once.
TEST_F(GlobalSections, ReceivedChangeOnAProtectedRowWritesAndTellsNothing) {
    s.patterns.Select(7, 0);
    s.patterns.AdviseSink(&sink);
    const int pid = 0x0003;
    s.patterns.OnRcvMIDIGlobalArrayParam(pid, 2, 1);  // preset pattern 2: moves there, protected
    EXPECT_EQ(s.patterns.GetCurSel(), 2u);
    EXPECT_EQ(sink.Joined(), "R");
    const int before = s.patterns.GetParamI(pid);
    for (int value : {0, 1, 5, -3}) {
        s.patterns.OnRcvMIDIGlobalArrayParam(pid, 2, value);
        EXPECT_EQ(s.patterns.GetParamI(pid), before) << value;
        EXPECT_EQ(sink.Joined(), "R") << value;
    }
    EXPECT_TRUE(s.host.link.Sent().size() <= 1u);  // at most the Select
    s.patterns.UnadviseSink(&sink);
}

TEST_F(GlobalSections, PatternSelectionFollowsTheSoundsPattern) {
    s.host.virtualMode = kModeProgEdit;
    s.progEdit.PutParamIEx(0x1D00, 9, 0);
    s.patterns.APATUpdateSel();
    EXPECT_EQ(s.patterns.GetCurSel(), 9u);
    s.host.virtualMode = kModeGlobal;  // no sound: no pattern number
    s.patterns.APATUpdateSel();
    EXPECT_EQ(s.patterns.GetCurSel(), 0u);
}

TEST_F(GlobalSections, NamesListEveryElement) {
    EXPECT_EQ(s.kits.GetNames()->GetCount(), 40u);
    EXPECT_EQ(s.patterns.GetNames()->GetCount(), 256u);
    EXPECT_EQ(s.exts.GetNames()->GetCount(), 64u);
}

}  // namespace
}  // namespace QorX0
