// Combination and multi pages against the simulated instrument: a column's control changes that
// timbre's or track's bytes on the instrument and no other's, dragged zone slopes store the slope
// the page works out, and a track's new MIDI channel is the one its column listens on.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Pages/CombiMultiColumnLayers.h"
#include "Common/Pages/CombiMultiKeyVelZoneLayers.h"
#include "Support/SimPageFixture.h"

using namespace QorX0;

namespace {

class CombiMultiSim : public SimPageFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        SimPageFixture::SetUp();
        MakeSynced(GetParam());
    }
    // The page, with the instrument in its mode.
    template <class Page>
    Page* Open(unsigned char mode) {
        synth->PutMode(mode);
        Settle();
        return SimPageFixture::Open<Page>();
    }
    std::string Record(Sim::Area area) {
        return sim->With([&](Sim::SimCore& c) {
            const uint8_t* r = c.Image().Record(area, 0);
            return std::string(reinterpret_cast<const char*>(r),
                               area == Sim::Area::CurMulti ? kSizeMulti : kSizeCombi);
        });
    }
    int Value(int pid) { return page->GetParamValue(page->GetTargetMode(), pid); }
    // The editor's and the instrument's current combination or multi record.
    std::string Editor() {
        auto image = Image();
        return page->GetTargetMode() == kModeMulti
                   ? std::string(reinterpret_cast<const char*>(image->curmulti), kSizeMulti)
                   : std::string(reinterpret_cast<const char*>(image->curcombi), kSizeCombi);
    }
    std::string Instrument() {
        Settle();
        return Record(page->GetTargetMode() == kModeMulti ? Sim::Area::CurMulti : Sim::Area::CurCombination);
    }
    void Remember() {
        m_editor = Editor();
        m_instrument = Instrument();
    }
    // The instrument changed exactly the bytes the editor changed, to the same values, and some.
    void ExpectSameChange() {
        const std::string editor = Editor(), instrument = Instrument();
        int changed = 0;
        for (size_t i = 0; i < editor.size(); ++i) {
            const bool e = editor[i] != m_editor[i], n = instrument[i] != m_instrument[i];
            EXPECT_EQ(e, n) << "byte " << i;
            if (e && n) {
                EXPECT_EQ(editor[i], instrument[i]) << "byte " << i;
            }
            changed += e;
        }
        EXPECT_GT(changed, 0);
        Remember();
    }
    std::string m_editor, m_instrument;
};

TEST_P(CombiMultiSim, AColumnsControlChangesThatTracksBytesOnTheInstrument) {
    Open<MultiTrackParamLayer>(kModeMulti);
    const int transpose5 = 5 * 256 + 10, transpose4 = 4 * 256 + 10;
    const int neighbour = Value(transpose4);
    Remember();
    const int wanted = Value(transpose5) == 3 ? 4 : 3;
    Type(transpose5, wanted == 3 ? "+3" : "+4");
    Tick();
    EXPECT_EQ(Value(transpose5), wanted);
    EXPECT_EQ(Value(transpose4), neighbour);
    ExpectSameChange();
}

TEST_P(CombiMultiSim, ATimbresControlChangesThatTimbresBytesOnTheInstrument) {
    Open<CombiTimbreParamLayer>(kModeCombiEdit);
    const int bend2 = 2 * 256 + 12, bend3 = 3 * 256 + 12;
    const int neighbour = Value(bend3);
    Remember();
    PARAMDESC desc{};
    ASSERT_TRUE(page->GetParamDesc(&desc, kModeCombiEdit, bend2));
    const int wanted = Value(bend2) == desc.minval ? desc.minval + 1 : desc.minval;
    std::string text = desc.converter->Format(wanted);
    text = text.substr(0, text.find('\0'));
    Type(bend2, text.c_str());
    Tick();
    EXPECT_EQ(Value(bend2), wanted);
    EXPECT_EQ(Value(bend3), neighbour);
    ExpectSameChange();
}

TEST_P(CombiMultiSim, DraggedZoneSlopesStoreTheNearestSlopeThatFits) {
    auto* zones = Open<MultiKeyVelZoneLayer>(kModeMulti);
    using Z = CombiMultiKeyVelZoneLayer;
    const int b = 0x300;
    auto drag = [&](QorZoneSlopeBar* bar, int end, int value) {
        tagZoneSlopeBarChange change{end, value};
        zones->OnHfcCtrlPtrValueChanged(bar, &change);
        Tick();
    };
    Remember();
    QorZoneSlopeBar* keys = zones->GetKeyBar(2);
    QorZoneSlopeBar* vels = zones->GetVelBar(2);
    ASSERT_NE(keys, nullptr);
    drag(keys, 2, 0);    // no bottom slope
    drag(keys, 3, 200);  // no top slope
    drag(keys, 0, 40);   // bottom key 40
    drag(keys, 1, 60);   // top key 60
    ASSERT_EQ(Value(b + Z::kKeyBottom), 40);
    ASSERT_EQ(Value(b + Z::kKeyTop), 60);
    drag(keys, 3, 50);  // width 10
    EXPECT_EQ(Value(b + Z::kKeyTopSlope), 7);
    drag(keys, 2, 46);  // width 6, and 6 + 10 fits 20
    EXPECT_EQ(Value(b + Z::kKeyBottomSlope), 5);
    drag(keys, 2, 58);  // width 18 does not fit beside the top slope: the widest that does (10)
    EXPECT_EQ(Value(b + Z::kKeyBottomSlope), 7);
    EXPECT_EQ(keys->GetSlopeMax(), 60 - 10);
    EXPECT_EQ(keys->GetSlopeMin(), 40 + 10);
    drag(vels, 2, 0);    // no bottom slope
    drag(vels, 3, 200);  // no top slope
    drag(vels, 1, 127);
    drag(vels, 0, 1);
    drag(vels, 3, 100);  // width 27: nearest 24
    EXPECT_EQ(Value(b + Z::kVelTopSlope), 3);
    ExpectSameChange();
}

TEST_P(CombiMultiSim, ATracksNewChannelIsTheOneItsColumnListensOn) {
    auto* tracks = Open<MultiTrackParamLayer>(kModeMulti);
    const int t = 6, channelPid = (t + 1) * 256 + 4;
    auto* channel = dynamic_cast<QnDropdownList*>(Control(channelPid));
    ASSERT_NE(channel, nullptr);
    Remember();
    const int wanted = Value(channelPid) == 9 ? 10 : 9;
    tracks->OnHfcCtrlIntValueChanged(channel, channel->GetMinIntValue() + wanted);
    Tick();
    EXPECT_EQ(Value(channelPid), wanted);
    EXPECT_EQ(channel->GetIntValue(), wanted);
    ExpectSameChange();
    // The window plays the current track's channel: the one the multi's current track holds.
    tracks->OnHfcCtrlMouseLButtonDown(tracks->GetLamps()[t], 1, 1, 0);
    Tick();
    EXPECT_EQ(Value(CombiMultiLayerBase::kPidCurrentTrack), t);
    EXPECT_EQ(Value(Value(CombiMultiLayerBase::kPidCurrentTrack) * 256 + 260), wanted);
    tracks->OnMidiIn(static_cast<unsigned char>(0x90 | wanted), 60, 100);
    EXPECT_GT(tracks->GetLamps()[t]->GetRemaining(), 0);
}

TEST_P(CombiMultiSim, ANewToneAdjustDestinationStartsFromItsInitialAmountOnBothSides) {
    // A destination row of a timbre's or track's tone adjustment, and the destination chosen for it
    // (1 Resonance starts from 0, 23 from 1).
    const struct {
        unsigned char mode;
        int pid, to;
    } cases[] = {{kModeCombiEdit, 0x1200 + 2 * 0x100 + 2, 1},
                 {kModeCombiEdit, 0x1200 + 5 * 0x100 + 10, 23},
                 {kModeMulti, 0x2B00 + 9 * 0x100 + 0, 1},
                 {kModeMulti, 0x2B00 + 3 * 0x100 + 4, 23}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pid);
        if (c.mode == kModeCombiEdit)
            Open<CombiToneAdjustLayer>(c.mode);
        else
            Open<MultiToneAdjustLayer>(c.mode);
        // LPF Cutoff with an amount that is neither destination's initial one.
        ISection* section = page->GetParamSection(c.mode, c.pid);
        ASSERT_NE(section, nullptr);
        section->PutParamI(c.pid, 0);
        Tick();
        section->PutParamI(c.pid + 1, 5);
        Tick();
        ASSERT_EQ(Value(c.pid + 1), 5);
        Remember();
        CHfcControl* destination = Control(c.pid);
        ASSERT_NE(destination, nullptr);
        page->OnHfcCtrlIntValueChanged(destination, c.to);
        Tick();
        EXPECT_EQ(Value(c.pid), c.to);
        ExpectSameChange();
        Close();
    }
}

INSTANTIATE_TEST_SUITE_P(Models, CombiMultiSim, testing::Values(kPmidTolva, kPmidNerimo),
                         [](const testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
