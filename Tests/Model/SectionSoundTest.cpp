// Sound sections: zone pairs, program rules by oscillator mode, effect slots following their type
// and the special effect types, timbre/track rules, PID routing and the multi's track calls.
#include <gtest/gtest.h>

#include <cstring>

#include "Common/Model/Tables/EffectTables.h"
#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

class SoundSections : public ::testing::Test {
protected:
    SectionSet s;
    RecordingSink sink;
    bool Protected(ISection& sec, int pid) {
        PARAMDESC d;
        EXPECT_TRUE(sec.GetParamDesc(pid, &d)) << std::hex << pid;
        return (d.flags & kPFlagProtected) != 0;
    }
    int Max(ISection& sec, int pid) {
        PARAMDESC d;
        EXPECT_TRUE(sec.GetParamDesc(pid, &d)) << std::hex << pid;
        return d.maxval;
    }
};

TEST_F(SoundSections, ZonePairsHoldForValuesAndTexts) {
    struct Case {
        ISection* sec;
        int top, bottom;
    } cases[] = {{&s.progEdit, 0x020D, 0x020C},  {&s.progEdit, 0x1D0A, 0x1D0B},
                 {&s.combiEdit, 0x0A0C, 0x0A0D}, {&s.combiEdit, 0x0B0A, 0x0B0B},
                 {&s.multi, 0x230A, 0x230B},     {&s.multi, 0x240C, 0x240D}};
    for (const Case& c : cases) {
        c.sec->PutParamIEx(c.bottom, 30, 0);
        c.sec->PutParamIEx(c.top, 80, 0);
        EXPECT_EQ(c.sec->PutParamIEx(c.bottom, 100, 0), 80) << std::hex << c.bottom;
        EXPECT_EQ(c.sec->PutParamIEx(c.top, 10, 0), 80) << std::hex << c.top;  // raised to the bottom (80)
        c.sec->PutParamIEx(c.bottom, 30, 0);
        EXPECT_EQ(c.sec->PutParamIEx(c.top, 10, 0), 30) << std::hex << c.top;
        c.sec->PutParamIEx(c.top, 80, 0);
        PARAMDESC d;
        ASSERT_TRUE(c.sec->GetParamDesc(c.bottom, &d));
        c.sec->PutParamS(c.bottom, multiszlong(d.converter->Format(100)).c_str());
        EXPECT_EQ(c.sec->GetParamI(c.bottom), 80) << std::hex << c.bottom;
    }
}

TEST_F(SoundSections, ProgramRowsFollowTheOscillatorMode) {
    s.progEdit.PutParamIEx(0x0001, 2, 0);  // Drums
    for (int pid : {0x0202, 0x0203, 0x0204, 0x0206, 0x0207, 0x0208, 0x0209, 0x020B, 0x0F01})
        EXPECT_TRUE(Protected(s.progEdit, pid)) << std::hex << pid;
    EXPECT_FALSE(Protected(s.progEdit, 0x0008));
    EXPECT_FALSE(Protected(s.progEdit, 0x0201));
    EXPECT_EQ(multiszlong(s.progEdit.GetParamS(0x0201)).substr(0, 8), "00(INT):");
    EXPECT_EQ(Max(s.progEdit, 0x0201), 40 + static_cast<int>(kDrumKitPresetCount) - 1);

    s.progEdit.PutParamIEx(0x0001, 0, 0);  // Single
    EXPECT_TRUE(Protected(s.progEdit, 0x0008));
    EXPECT_TRUE(Protected(s.progEdit, 0x0F01));
    EXPECT_FALSE(Protected(s.progEdit, 0x0206));
    EXPECT_EQ(Max(s.progEdit, 0x0201), static_cast<int>(kMultisampleCountTolva) - 1);
    s.progEdit.PutParamIEx(0x0001, 1, 0);  // Double
    EXPECT_FALSE(Protected(s.progEdit, 0x0F01));
}

TEST_F(SoundSections, StartOffsetNeedsASampleThatHasOne) {
    s.progEdit.PutParamIEx(0x0001, 0, 0);
    int with = -1, without = -1;
    for (unsigned i = 0; i < kMultisampleCountTolva && (with < 0 || without < 0); ++i)
        (g_MultisampleNames[i].attr ? with : without) = static_cast<int>(i);
    ASSERT_GE(with, 0);
    s.progEdit.PutParamIEx(0x0201, with, 0);
    EXPECT_FALSE(Protected(s.progEdit, 0x0202));
    if (without >= 0) {
        s.progEdit.PutParamIEx(0x0201, without, 0);
        EXPECT_TRUE(Protected(s.progEdit, 0x0202));
    }
}

TEST_F(SoundSections, SwitchModeMomentaryProtectsAndClearsTheSwitch) {
    s.progEdit.PutParamIEx(0x000E, 1, 0);
    s.progEdit.AdviseSink(&sink);
    s.progEdit.PutParamIEx(0x0010, 1, kPutNotify);
    EXPECT_EQ(s.progEdit.GetParamI(0x000E), 0);
    EXPECT_TRUE(Protected(s.progEdit, 0x000E));
    EXPECT_EQ(sink.Joined(), "C0010 P000E");
    EXPECT_TRUE(Protected(s.progPlay, 0x0300));
    s.progEdit.UnadviseSink(&sink);
}

TEST_F(SoundSections, EffectTypeChangeRebindsAndReinitialisesTheSlot) {
    ISection* ifx = s.progEdit.GetIFX();
    ASSERT_NE(ifx, nullptr);
    ifx->AdviseSink(&sink);
    uint8_t* block = s.host.image->curprogram + kProgOffInsertFx;
    std::memset(block, 0x55, kSizeFxParams);
    s.progEdit.PutParamIEx(0x1E00, 16, kPutNotify);
    EXPECT_EQ(std::memcmp(block, VINITCHUNK_FX[16], kSizeFxParams), 0);
    EXPECT_EQ(ifx->GetParamCount(), static_cast<int>(TABLEARRAY_FX[16].count));
    EXPECT_EQ(sink.Joined(), "R");
    EXPECT_TRUE(s.host.link.Sent().empty());  // the block is not sent
    ifx->UnadviseSink(&sink);
    // A whole new program rebinds from the types in it.
    s.host.image->curprogram[32] = 52;
    s.progEdit.RawPut(s.host.image->curprogram, 0, 0);
    s.progEdit.OnReinitialized();
    EXPECT_EQ(ifx->GetParamCount(), static_cast<int>(TABLEARRAY_FX[52].count));
}

// A type beyond the last (89) received from the instrument binds the last type's rows; the type
// byte and the effect's 16 bytes stay as they came. A whole program with such a type does the same.
TEST_F(SoundSections, EffectTypeBeyondTheLastBindsTheLastAndKeepsTheBytes) {
    ASSERT_NE(TABLEARRAY_FX[89].count, TABLEARRAY_FX[0].count);
    struct Slot {
        int typePid;
        unsigned typeOffset, blockOffset;
        ISection* (ISoundSection::*get)();
    };
    const Slot slots[] = {{0x1E00, 32, kProgOffInsertFx, &ISoundSection::GetIFX},
                          {0x2000, 56, kProgOffMasterFx1, &ISoundSection::GetMFX1},
                          {0x2001, 76, kProgOffMasterFx2, &ISoundSection::GetMFX2}};
    for (const Slot& slot : slots) {
        SCOPED_TRACE(slot.typePid);
        ISection* fx = (static_cast<ISoundSection&>(s.progEdit).*slot.get)();
        uint8_t* program = s.host.image->curprogram;
        for (int type : {90, 127}) {
            std::memset(program + slot.blockOffset, 0x23, kSizeFxParams);
            s.progEdit.OnRcvMIDIParam(slot.typePid, type);
            s.host.Pump();
            EXPECT_EQ(fx->GetParamCount(), static_cast<int>(TABLEARRAY_FX[89].count)) << type;
            EXPECT_EQ(program[slot.typeOffset], type);
            for (unsigned i = 0; i < kSizeFxParams; ++i) EXPECT_EQ(program[slot.blockOffset + i], 0x23) << i;
        }
        s.progEdit.OnRcvMIDIParam(slot.typePid, 0);
        EXPECT_EQ(fx->GetParamCount(), static_cast<int>(TABLEARRAY_FX[0].count));
        program[slot.typeOffset] = 100;
        s.progEdit.OnReinitialized();
        EXPECT_EQ(fx->GetParamCount(), static_cast<int>(TABLEARRAY_FX[89].count));
        EXPECT_EQ(program[slot.typeOffset], 100);
    }
}

TEST_F(SoundSections, GraphicEqBandNamesFollowItsType) {
    s.progEdit.PutParamIEx(0x1E00, 8, kPutNotify);
    ISection* ifx = s.progEdit.GetIFX();
    ifx->AdviseSink(&sink);
    PARAMDESC d;
    ifx->PutParamIEx(0x1F00, 1, kPutNotify);
    ASSERT_TRUE(ifx->GetParamDesc(0x1F02, &d));
    EXPECT_STREQ(d.name, "120Hz");
    ASSERT_TRUE(ifx->GetParamDesc(0x1F08, &d));
    EXPECT_STREQ(d.name, "18kHz");
    EXPECT_EQ(sink.Joined(), "C1F00 R");
    ifx->UnadviseSink(&sink);
}

TEST_F(SoundSections, AutoReverseTimeRangeFollowsRecMode) {
    s.progEdit.PutParamIEx(0x2000, 42, kPutNotify);
    ISection* mfx = s.progEdit.GetMFX1();
    mfx->AdviseSink(&sink);
    mfx->PutParamIEx(0x2100, 1, kPutNotify);
    EXPECT_EQ(Max(*mfx, 0x2108), 156);
    mfx->PutParamIEx(0x2100, 0, kPutNotify);
    EXPECT_EQ(Max(*mfx, 0x2108), 222);
    EXPECT_EQ(sink.Joined(), "C2100 P2108 C2100 P2108");
    mfx->UnadviseSink(&sink);
}

TEST_F(SoundSections, BpmDelayTimeOverFollowsTempoWithoutDividingByZero) {
    s.progEdit.PutParamIEx(0x1E00, 50, kPutNotify);
    ISection* ifx = s.progEdit.GetIFX();
    EXPECT_TRUE(Protected(*ifx, 0x1F05));
    s.host.tempo = 40;
    ifx->PutParamIEx(0x1F00, 39, 0);  // MIDI: the host's tempo
    ifx->PutParamIEx(0x1F02, 7, 0);   // base "1"
    ifx->PutParamIEx(0x1F03, 15, kPutNotify);
    EXPECT_EQ(ifx->GetParamI(0x1F05), 1);
    ifx->PutParamIEx(0x1F00, 120, 0);
    ifx->PutParamIEx(0x1F02, 0, 0);
    ifx->PutParamIEx(0x1F04, 0, 0);
    ifx->PutParamIEx(0x1F03, 0, kPutNotify);
    EXPECT_EQ(ifx->GetParamI(0x1F05), 0);
    // A host without a tempo (0) or a wild one is held to the instrument's range.
    for (int tempo : {0, -5, 100000}) {
        s.host.tempo = tempo;
        ifx->PutParamIEx(0x1F00, 39, kPutNotify);
    }
    EXPECT_EQ(ifx->PutParamI(0x1F05, 0), 0);  // not writable
}

TEST_F(SoundSections, LcrBpmDelayFlagIsTheOrOfItsThreeDelays) {
    s.combiEdit.PutParamIEx(0x0E00, 49, kPutNotify);  // master effect 1
    ISection* fx = s.combiEdit.GetMFX1();
    fx->PutParamIEx(0x0F00, 40, 0);
    for (int base : {0x0F02, 0x0F05, 0x0F08}) {
        fx->PutParamIEx(base, 0, 0);
        fx->PutParamIEx(base + 1, 0, kPutNotify);
    }
    EXPECT_EQ(fx->GetParamI(0x0F0B), 0);
    fx->PutParamIEx(0x0F08, 7, 0);  // right delay: base "1", times 16 at 40 bpm
    fx->PutParamIEx(0x0F09, 15, kPutNotify);
    EXPECT_EQ(fx->GetParamI(0x0F0B), 1);
    fx->PutParamIEx(0x0F00, 240, kPutNotify);  // 16 whole notes are too long at any tempo
    EXPECT_EQ(fx->GetParamI(0x0F0B), 1);
    fx->PutParamIEx(0x0F09, 0, kPutNotify);
    EXPECT_EQ(fx->GetParamI(0x0F0B), 0);
}

TEST_F(SoundSections, TrackSlopeRangesFollowTheZone) {
    ISection* t = s.combiEdit.GetTrack()->GetAt(0);
    t->PutParamIEx(0x0100 + 34, 36, 0);
    t->PutParamIEx(0x0100 + 31, 60, 0);
    t->PutParamIEx(0x0100 + 33, 8, 0);
    EXPECT_EQ(Max(*t, 0x0100 + 32), 8);
    t->PutParamIEx(0x0100 + 31, 47, 0);
    t->PutParamIEx(0x0100 + 33, 0, 0);
    EXPECT_EQ(Max(*t, 0x0100 + 32), 7);
    t->PutParamIEx(0x0100 + 38, 1, 0);
    t->PutParamIEx(0x0100 + 35, 17, 0);
    t->PutParamIEx(0x0100 + 36, 0, 0);
    EXPECT_EQ(Max(*t, 0x0100 + 37), 2);
    t->AdviseSink(&sink);
    t->PutParamIEx(0x0100 + 31, 70, kPutNotify);
    t->PutParamIEx(0x0100 + 36, 1, kPutNotify);
    EXPECT_EQ(sink.Joined(), "P0120 P0121 C011F P0125 C0124");
    t->UnadviseSink(&sink);
}

TEST_F(SoundSections, BusSelectOffersDrumKitIfxOnlyForDrumPrograms) {
    ISection* t = s.multi.GetTrack()->GetAt(2);
    const int base = 0x0300;
    t->PutParamIEx(base, 0, 0);  // program A000
    s.host.image->program[0][0][108] = 2;
    const int withKit = Max(*t, base + 40);
    t->PutParamIEx(base + 40, 0, 0);
    EXPECT_FALSE(Protected(*t, base + 43));
    s.host.image->program[0][0][108] = 0;
    EXPECT_EQ(Max(*t, base + 40), withKit - 1);
    EXPECT_TRUE(Protected(*t, base + 43));
    EXPECT_EQ(t->GetParamI(base + 40), 0);  // what was item 1 now comes first
}

TEST_F(SoundSections, TrackProgramOutsideThePresetBanksReadsNothingBeyondThem) {
    ISection* t = s.multi.GetTrack()->GetAt(0);
    PARAMDESC d;
    for (int raw : {640 + 3, 768 + 3, 0x3FFF}) {
        s.multi.OnRcvMIDIParam(0x0100, raw);
        EXPECT_TRUE(t->GetParamDesc(0x0100 + 40, &d)) << raw;
    }
    s.host.rom[3 * kSizeProgram + 108] = 2;  // preset G, program 3, in Drums mode
    s.multi.OnRcvMIDIParam(0x0100, 640 + 3);
    const int withKit = Max(*t, 0x0100 + 40);
    s.host.rom[3 * kSizeProgram + 108] = 0;
    EXPECT_EQ(Max(*t, 0x0100 + 40), withKit - 1);
}

TEST_F(SoundSections, PidsRouteToTheirSubSections) {
    ISection* out = nullptr;
    EXPECT_TRUE(s.combiPlay.FindSectionByPID(0x0302, &out));
    EXPECT_EQ(out, s.combiPlay.GetTrack()->GetAt(3));
    EXPECT_TRUE(s.combiPlay.FindSectionByPID(0x0800, &out));
    EXPECT_EQ(out, static_cast<ISection*>(&s.combiPlay));
    struct Case {
        ISoundSection* sec;
        int pid;
        ISection* want;
    } cases[] = {
        {&s.progEdit, 0x1F03, s.progEdit.GetIFX()},
        {&s.progEdit, 0x2205, s.progEdit.GetMFX2()},
        {&s.progEdit, 0x0201, &s.progEdit},
        {&s.combiEdit, 0x0D02, s.combiEdit.GetIFX()},
        {&s.combiEdit, 0x1001, s.combiEdit.GetMFX2()},
        {&s.combiEdit, 0x0305, s.combiEdit.GetTrack()->GetAt(2)},
        {&s.combiEdit, 0x1305, s.combiEdit.GetToneAdj()->GetAt(1)},
        {&s.combiEdit, 0x0C00, &s.combiEdit},
        {&s.multi, 0x1004, s.multi.GetTrack()->GetAt(15)},
        {&s.multi, 0x3A01, s.multi.GetToneAdj()->GetAt(15)},
        {&s.multi, 0x2801, s.multi.GetMFX1()},
        {&s.multi, 0xFF16, &s.multi},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.sec->FindSectionByPID(c.pid, &out)) << std::hex << c.pid;
        EXPECT_EQ(out, c.want) << std::hex << c.pid;
    }
    EXPECT_EQ(s.progPlay.GetIFX(), nullptr);
    EXPECT_EQ(s.progEdit.GetTrack(), nullptr);
    EXPECT_EQ(s.combiPlay.GetToneAdj(), nullptr);
}

TEST_F(SoundSections, SubSectionPidBasesBecomeTheSentAddress) {
    EXPECT_GE(s.combiEdit.GetTrack()->GetAt(2)->GetIndexByParamID(0x0302), 0);
    EXPECT_EQ(s.combiEdit.GetTrack()->GetAt(2)->GetIndexByParamID(0x0202), -1);
    EXPECT_GE(s.combiPlay.GetTrack()->GetAt(2)->GetIndexByParamID(0x0202), 0);
    EXPECT_GE(s.multi.GetToneAdj()->GetAt(3)->GetIndexByParamID(0x2E01), 0);
    s.combiEdit.GetTrack()->GetAt(2)->PutParamI(0x0302, 90);
    ASSERT_EQ(s.host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(s.host.link.Sent()[0]), "F0 42 30 7A 41 01 00 03 00 02 00 5A F7");
}

TEST_F(SoundSections, ReceivedChangesReachTheirSubSection) {
    s.combiEdit.OnRcvMIDIParam(0x0302, 33);
    EXPECT_EQ(s.combiEdit.GetTrack()->GetAt(2)->GetParamI(0x0302), 33);
    s.combiPlay.OnRcvMIDIParam(0x0202, 44);
    EXPECT_EQ(s.combiPlay.GetTrack()->GetAt(2)->GetParamI(0x0202), 44);
    s.multi.OnRcvMIDIParam(0x1002, 55);
    EXPECT_EQ(s.multi.GetTrackMIDICh(15) >= 0, true);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(15)->GetParamI(0x1002), 55);
}

TEST_F(SoundSections, ToneAdjustValueTakesItsDestinationsShape) {
    ISection* ta = s.combiEdit.GetToneAdj()->GetAt(0);
    ta->AdviseSink(&sink);
    ta->PutParamIEx(0x1200, 1, kPutNotify);
    PARAMDESC dest, value, tmpl;
    ASSERT_TRUE(ta->GetParamDesc(0x1200, &dest));
    EXPECT_EQ(dest.maxval, static_cast<int>(TABLEDESC_TONEADJDESTTMPL.count) - 1);
    ASSERT_TRUE(ta->GetParamDesc(0x1201, &value));
    const CParamTable* t = CParamTable::GetInstance(TABLEDESC_TONEADJDESTTMPL, kPmidTolva);
    tmpl = *t->GetAt(1);
    EXPECT_EQ(value.pid, 0x1201);
    EXPECT_EQ(value.maxval, tmpl.maxval);
    EXPECT_EQ(ta->GetParamI(0x1201), std::clamp(tmpl.initval, tmpl.minval, tmpl.maxval));
    EXPECT_EQ(sink.Joined(), "P1201 C1200");
    ta->UnadviseSink(&sink);
}

TEST_F(SoundSections, MultiTrackSoundCallsCheckTheTrack) {
    SOUNDINDEX snd{1, 200};
    s.multi.AdviseSink(&sink);
    EXPECT_EQ(s.multi.PutTrackSound(16, snd), 0);
    EXPECT_EQ(snd.number, 200);
    EXPECT_EQ(s.multi.PutTrackSound(-1, 5), 0);
    EXPECT_EQ(s.multi.GetTrackMIDICh(16), -1);
    s.multi.PutTrackSound(4, snd);
    EXPECT_EQ(snd.number, 72);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(4)->GetParamI(0x0500), 128 + 72);
    s.multi.PutTrackSound(4, 3);
    EXPECT_EQ(s.multi.GetTrack()->GetAt(4)->GetParamI(0x0500), 128 + 3);
    EXPECT_TRUE(s.host.link.Sent().empty());
    s.multi.UnadviseSink(&sink);
}

TEST_F(SoundSections, TempoArpeggiatorAndPageRowsTellTheRealtimeSection) {
    struct Case {
        ISection* sec;
        int tempo, gate, velocity, length, pageAB, pageMSB;
    } cases[] = {
        {&s.progPlay, 0x0100, 0x0102, 0x0103, 0x0104, 0x0302, 0x0303},
        {&s.progEdit, 0x1C00, 0x1C02, 0x1C03, 0x1C04, 0x0016, 0x0019},
        {&s.combiPlay, 0x0800, 0x0804, 0x0805, 0x0806, 0x0B02, 0x0B03},
        {&s.combiEdit, 0x0900, 0x0904, 0x0905, 0x0906, 0x000E, 0x000F},
        {&s.multi, 0x2200, 0x2204, 0x2205, 0x2206, 0x000D, 0x000E},
    };
    s.rtc.AdviseSink(&sink);
    for (const Case& c : cases) {
        sink.Clear();
        for (int pid : {c.tempo, c.gate, c.velocity, c.length}) c.sec->PutParamIEx(pid, 100, kPutNotify);
        EXPECT_EQ(sink.Joined(), "C800C C8009 C800A C800B") << std::hex << c.tempo;
        sink.Clear();
        c.sec->PutParamIEx(c.pageMSB, 1, 0);
        c.sec->PutParamIEx(c.pageAB, 1, kPutNotify);
        EXPECT_EQ(c.sec->GetParamI(c.pageMSB), 0) << std::hex << c.pageAB;
        c.sec->PutParamIEx(c.pageMSB, 1, kPutNotify);
        EXPECT_EQ(c.sec->GetParamI(c.pageAB), 0) << std::hex << c.pageMSB;
        EXPECT_EQ(sink.Joined(), "C8000 C8000") << std::hex << c.pageAB;
    }
    s.rtc.UnadviseSink(&sink);
}

TEST_F(SoundSections, AnEditViewWithoutAnImageHasNothingToReadOrWrite) {
    CProgEditSectionImpl edit;
    edit.Init(&s.host, &s.rtc, nullptr);
    ASSERT_NE(edit.GetIFX(), nullptr);
    EXPECT_EQ(edit.PutParamI(0x1E00, 8), 0);
    EXPECT_EQ(edit.GetIFX()->PutParamI(0x1F00, 3), 0);
    EXPECT_EQ(edit.GetIFX()->GetParamI(0x1F00), 0);
    EXPECT_EQ(edit.RawSize(), kSizeProgram);
    uint8_t buf[4] = {};
    EXPECT_EQ(edit.RawGet(buf, 0, 4), 0u);
    EXPECT_TRUE(s.host.link.Sent().empty());
}

TEST_F(SoundSections, ControlTrackWithSendSendsTheMultiAndItsKnobsAgain) {
    s.host.SetMode(kModeMulti);
    s.multi.PutParamIEx(0xFF16, 2, 0);
    s.rtc.PutParamIEx(CRTCSectionImpl::kPidCutoff, 90, 0);  // moved on track 2
    s.host.link.Clear();
    s.multi.PutParamIEx(0xFF16, 5, kPutPlain);
    auto sent = s.host.link.Sent();
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(Hex(std::vector<uint8_t>(sent[0].begin(), sent[0].begin() + 5)), "F0 42 30 7A 4A");
    EXPECT_EQ(sent[0].size(), SXDumpMessageSize(SXDump::CurMulti, SXScope::One, kPmidTolva));
    const int ch = s.multi.GetTrackMIDICh(2);
    EXPECT_EQ(Hex(sent[1]), Hex({static_cast<uint8_t>(0xB0 | ch), 74, 90}));
    EXPECT_EQ(s.multi.GetParamI(0xFF16), 5);
}

}  // namespace
}  // namespace QorX0
