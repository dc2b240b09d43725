// Realtime controls: knobs sent as control changes on the right channel, page-B assignments, page
// and arpeggiator rows over the current sound, incoming control changes, knob state.
#include <gtest/gtest.h>

#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

class RealtimeSection : public ::testing::Test {
protected:
    void SetUp() override { s.host.SetMode(kModeProgEdit); }
    // Track t of the multi on channel ch (stored 0-15) with status st (0 INT, 1 Off, 2 BTH).
    void Track(int t, int ch, int st) {
        ISection* track = s.multi.GetTrack()->GetAt(static_cast<unsigned>(t));
        track->PutParamIEx((t + 1) * 0x100 + 4, ch, 0);
        track->PutParamIEx((t + 1) * 0x100 + 3, st, 0);
    }
    std::vector<std::string> Sent() {
        std::vector<std::string> out;
        for (const auto& m : s.host.link.Sent()) out.push_back(Hex(m));
        return out;
    }
    SectionSet s;
    RecordingSink sink;
};

TEST_F(RealtimeSection, IncomingCutoffIsFollowedAndNotSentBack) {
    s.rtc.OnRcvMIDICC(0xB0, 74, 100);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidCutoff), 100);
    EXPECT_EQ(s.rtc.GetStat().knob[0][0], 0xE4);
    EXPECT_TRUE(s.host.link.Sent().empty());
    s.rtc.OnRcvMIDICC(0xB3, 74, 10);  // another channel
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidCutoff), 100);
}

TEST_F(RealtimeSection, KnobsGoOutOnTheGlobalChannelOrTheCurrentTracks) {
    s.rtc.PutParamI(CRTCSectionImpl::kPidCutoff, 90);
    EXPECT_EQ(Sent(), std::vector<std::string>{"B0 4A 5A"});
    s.host.SetMode(kModeMulti);
    Track(3, 4, 0);
    s.multi.PutParamIEx(CMultiSectionImpl::kPidCurTrack, 3, 0);
    s.host.link.Clear();
    s.rtc.PutParamI(CRTCSectionImpl::kPidCutoff, 90);
    EXPECT_EQ(Sent(), std::vector<std::string>{"B4 4A 5A"});
    EXPECT_EQ(s.rtc.GetStat().knob[3][0], 0x80 | 90);
}

TEST_F(RealtimeSection, PageBKnobsSendWhatTheirAssignmentSays) {
    struct Case {
        int type;
        std::string sent;
    } cases[] = {
        {5, MsgHex(SXMasterVolume(0, 100))},
        {0, ""},
        {13, "B0 4A 64"},
        {29, "B0 00 64"},
        {124, "B0 5F 64"},
        {120, "B0 5B 64"},
    };
    for (const Case& c : cases) {
        s.progEdit.PutParamIEx(0x0012, c.type, 0);
        s.host.link.Clear();
        s.rtc.PutParamI(0x8005, 100);
        auto sent = Sent();
        EXPECT_EQ(sent.empty() ? "" : sent[0], c.sent) << c.type;
        EXPECT_EQ(s.rtc.GetStat().knob[0][4], 0x80 | 100) << c.type;
    }
}

TEST_F(RealtimeSection, PageCSetsTheMsbRowAndReadsBack) {
    s.rtc.PutParamI(CRTCSectionImpl::kPidPage, 2);
    EXPECT_EQ(s.progEdit.GetParamI(0x0016), 0);
    EXPECT_EQ(s.progEdit.GetParamI(0x0019), 1);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidPage), 2);
    s.rtc.PutParamI(CRTCSectionImpl::kPidPage, 1);
    EXPECT_EQ(s.progEdit.GetParamI(0x0019), 0);
    EXPECT_EQ(s.progEdit.GetParamI(0x0016), 1);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidPage), 1);
    s.host.SetMode(kModeGlobal);
    s.host.virtualMode = 7;  // a mode without pages
    s.rtc.AdviseSink(&sink);
    s.rtc.PutParamIEx(CRTCSectionImpl::kPidPage, 0, kPutNotify);
    EXPECT_EQ(sink.Joined(), "C8000 R");
    s.rtc.UnadviseSink(&sink);
}

TEST_F(RealtimeSection, ArpeggiatorAndTempoRowsAreTheCurrentSounds) {
    s.host.SetMode(kModeProgPlay);
    s.host.link.Clear();
    s.rtc.PutParamI(CRTCSectionImpl::kPidTempo, 100);
    EXPECT_EQ(s.progPlay.GetParamI(0x0100), 100);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidTempo), 100);
    EXPECT_EQ(Sent(), std::vector<std::string>{MsgHex(SXParamChange(0, 2, 0x0100, 100))});
    s.host.SetMode(kModeGlobal);
    s.host.virtualMode = kModeMulti;
    s.multi.PutParamIEx(0x2200, 77, 0);
    s.host.SetMode(kModeMulti);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidTempo), 77);
}

TEST_F(RealtimeSection, TextEntryOfSoundRowsChangesTheSound) {
    RecordingSink sound;
    s.progEdit.AdviseSink(&sound);
    EXPECT_EQ(multiszlong(s.rtc.PutParamS(CRTCSectionImpl::kPidTempo, "99")), "99");
    EXPECT_EQ(s.progEdit.GetParamI(0x1C00), 99);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidTempo), 99);
    EXPECT_EQ(Sent(), std::vector<std::string>{MsgHex(SXParamChange(0, 3, 0x1C00, 99))});
    EXPECT_EQ(sound.Joined(), "C1C00");
    s.rtc.PutParamS(CRTCSectionImpl::kPidPage, "C");
    EXPECT_EQ(s.progEdit.GetParamI(0x0019), 1);
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidPage), 2);
    s.rtc.PutParamS(CRTCSectionImpl::kPidCutoff, "33");
    EXPECT_EQ(s.rtc.GetParamI(CRTCSectionImpl::kPidCutoff), 33);
    EXPECT_EQ(s.rtc.GetStat().knob[0][0], 0x80 | 33);
    s.progEdit.UnadviseSink(&sound);
}

TEST_F(RealtimeSection, MultiPanChangeReachesEveryPlayingTrackOnThatChannel) {
    s.host.SetMode(kModeMulti);
    for (int t = 0; t < 16; ++t) Track(t, 9, 0);
    Track(0, 1, 0);
    Track(4, 1, 2);
    Track(6, 1, 1);  // Off
    for (int t : {0, 4, 6}) s.multi.GetTrack()->GetAt(t)->PutParamIEx((t + 1) * 0x100 + 1, 30, 0);
    s.rtc.OnRcvMIDICC(0xB1, 10, 0);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(0)->GetParamI(0x0101), 1);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(4)->GetParamI(0x0501), 1);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(6)->GetParamI(0x0701), 30);
    EXPECT_TRUE(s.host.link.Sent().empty());
}

TEST_F(RealtimeSection, CombinationSendLevelFollowsOnlyTheGlobalChannel) {
    s.host.SetMode(kModeCombiEdit);
    ISection* t0 = s.combiEdit.GetTrack()->GetAt(0);
    ISection* t1 = s.combiEdit.GetTrack()->GetAt(1);
    t0->PutParamIEx(0x0104, 16, 0);  // the global channel
    t0->PutParamIEx(0x0103, 0, 0);
    t1->PutParamIEx(0x0204, 5, 0);
    t1->PutParamIEx(0x0203, 0, 0);
    s.rtc.OnRcvMIDICC(0xB5, 93, 33);  // not the global channel: ignored
    s.rtc.OnRcvMIDICC(0xB0, 93, 44);
    EXPECT_EQ(t0->GetParamI(0x0129), 44);
    EXPECT_NE(t1->GetParamI(0x0229), 44);
    s.combiEdit.PutParamIEx(0x0C06, 17, 0);  // All Routed
    s.rtc.OnRcvMIDICC(0xB5, 8, 20);
    EXPECT_EQ(s.combiEdit.GetParamI(0x0C02), 20);
}

TEST_F(RealtimeSection, RestoredStateIsResentPerTrackAndTheTrackComesBack) {
    s.host.SetMode(kModeMulti);
    for (int t = 0; t < 16; ++t) Track(t, t, 0);
    s.multi.PutParamIEx(CMultiSectionImpl::kPidCurTrack, 2, 0);
    RTCSTAT st = {};
    st.knob[5][0] = 0xC0;
    s.host.link.Clear();
    EXPECT_TRUE(s.rtc.RestoreStat(st, kPutSend));
    EXPECT_EQ(Sent(), std::vector<std::string>{"B5 4A 40"});
    EXPECT_EQ(s.multi.GetParamI(CMultiSectionImpl::kPidCurTrack), 2);
    EXPECT_EQ(s.rtc.GetStat().knob[5][0], 0xC0);
}

TEST_F(RealtimeSection, ResetLeavesEveryKnobCentredAndNothingMoved) {
    s.rtc.PutParamIEx(0x8003, 5, 0);
    s.rtc.PutParamIEx(0x8008, 9, 0);
    EXPECT_TRUE(s.rtc.ResetStat(0));
    for (int pid = 0x8001; pid <= 0x8008; ++pid) EXPECT_EQ(s.rtc.GetParamI(pid), 64);
    RTCSTAT st = s.rtc.GetStat();
    for (const auto& row : st.knob)
        for (uint8_t b : row) EXPECT_EQ(b, 0);
}

}  // namespace
}  // namespace QorX0
