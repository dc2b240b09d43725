// Streams and files of the remote synthesizer: the host's state kept while no instrument is there,
// what does not load refused with nothing changed, loads sent part by part to the simulated
// instrument before the editor takes them, and saves of every kind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "Synth/StreamFixture.h"

namespace {

using namespace QorX0;
using namespace SynthTest;

class SynthStreams : public StreamSynthFixture, public ::testing::WithParamInterface<unsigned char> {};

const std::string kEmpty(4, '\0');

TEST_P(SynthStreams, DisconnectedTheHostGetsBackExactlyWhatItGave) {
    Make(GetParam(), false);
    // Nothing handed over yet: the empty state, for every host chunk kind.
    for (FTYPE kind : {FTYPE_VSTBANK, FTYPE_VSTPROG, FTYPE_VSTCOMBI, FTYPE_VSTMULTI}) {
        bool ok = false;
        EXPECT_EQ(Save(kind, 0, &ok), kEmpty) << kind;
        EXPECT_TRUE(ok);
    }
    auto before = Image();
    EXPECT_TRUE(Load(kEmpty));
    EXPECT_TRUE(Load(""));
    EXPECT_TRUE(fixtures::SameImage(*before, *Image()));
    EXPECT_TRUE(impl->PendingState().empty());

    // A bank chunk comes back byte for byte, whatever host kind is asked, and the empty state
    // changes nothing.
    auto known = KnownImage(11);
    const std::string chunk = StreamOf(GetParam(), *known, FTYPE_VSTBANK);
    ASSERT_TRUE(Load(chunk));
    EXPECT_EQ(Save(FTYPE_VSTBANK), chunk);
    EXPECT_EQ(Save(FTYPE_VSTPROG), chunk);
    EXPECT_TRUE(Load(kEmpty));
    EXPECT_EQ(Save(FTYPE_VSTBANK), chunk);

    // A preset chunk goes on top of it: the host's next save holds both, the bank chunk's parts
    // with the preset's combination in the edit buffer.
    auto other = KnownImage(16);
    const std::string preset = StreamOf(GetParam(), *other, FTYPE_VSTCOMBI);
    ASSERT_TRUE(Load(preset));
    EXPECT_EQ(impl->PendingItems().size(), 2u);
    auto blank = std::make_unique<CHUNK_REMOTESYNTH>();
    InitAllChunk(blank.get());
    auto saved = Reloaded(Save(FTYPE_VSTBANK), *blank);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(SameBytes(*saved, *known, kAreaPrograms.offset, kAreaPrograms.Size()));
    EXPECT_TRUE(SameBytes(*saved, *known, kAreaCombis.offset, kAreaCombis.Size()));
    EXPECT_TRUE(SameBytes(*saved, *other, kAreaCurCombi.offset, kSizeCombi));
    EXPECT_TRUE(SameBytes(*saved, *known, kAreaCurProgram.offset, kSizeProgram));
}

TEST_P(SynthStreams, DisconnectedALoadedStreamIsShownInTheEditor) {
    // What the user loads while no instrument is there is what the editor shows (and a data file
    // saved now holds it); the next Connect sends it to the instrument.
    Make(GetParam(), false);
    auto known = KnownImage(12);
    ASSERT_TRUE(Load(StreamOf(GetParam(), *known, FTYPE_VSTBANK)));
    auto shown = Image();
    EXPECT_TRUE(SameBytes(*shown, *known, kAreaPrograms.offset,
                          ProgramBankCount(GetParam()) * kAreaPrograms.BankSize()));
    EXPECT_TRUE(SameBytes(*shown, *known, kAreaCombis.offset, kAreaCombis.Size()));
    EXPECT_TRUE(SameBytes(*shown, *known, kAreaDrumKits.offset, kAreaDrumKits.Size()));
    EXPECT_TRUE(SameBytes(*shown, *known, kAreaGlobal.offset, kAreaGlobal.Size()));
    Pump();
    EXPECT_TRUE(log.Has("bank 2 255:255")) << log.Joined();

    // One program (a kind 8 file) changes only the edit buffer.
    auto other = KnownImage(13);
    const std::string program = StreamOf(GetParam(), *other, FTYPE_PROG);
    ASSERT_TRUE(Load(program));
    auto after = Image();
    EXPECT_TRUE(SameBytes(*after, *other, kAreaCurProgram.offset, kSizeProgram));
    EXPECT_TRUE(SameBytes(*after, *shown, kAreaPrograms.offset, kAreaPrograms.Size()));
    // The host's state stays pending under it, and a host save hands over both.
    ASSERT_EQ(impl->PendingItems().size(), 2u);
    auto blank = std::make_unique<CHUNK_REMOTESYNTH>();
    InitAllChunk(blank.get());
    auto saved = Reloaded(Save(FTYPE_VSTBANK), *blank);
    ASSERT_TRUE(saved);
    EXPECT_TRUE(SameBytes(*saved, *known, kAreaPrograms.offset,
                          ProgramBankCount(GetParam()) * kAreaPrograms.BankSize()));
    EXPECT_TRUE(SameBytes(*saved, *other, kAreaCurProgram.offset, kSizeProgram));
}

// Streams that must not load: every one is refused, and neither the image nor the pending state
// changes, connected or not.
struct BadStream {
    const char* what;
    std::string bytes;
};

std::vector<BadStream> BadStreams(unsigned char pmid, const std::string& chunk) {
    auto known = KnownImage(14);
    std::string badHeader = chunk;
    badHeader[9] ^= 0x55;
    std::string shortBody = StreamOf(pmid, *known, FTYPE_ALLPROG);
    shortBody.resize(shortBody.size() - 1000);
    return {
        {"text", "this is not a file of ours at all"},
        {"five zero bytes", std::string(5, '\0')},
        {"a chunk cut short", chunk.substr(0, chunk.size() / 2)},
        {"a chunk with a broken header", badHeader},
        {"a file whose body is short", shortBody},
        {"more than 16 MiB", chunk + std::string((16u << 20) + 1 - chunk.size(), '\x7f')},
    };
}

TEST_P(SynthStreams, WhatDoesNotLoadIsRefusedAndChangesNothing) {
    const unsigned char pmid = GetParam();
    const std::string chunk = StreamOf(pmid, *KnownImage(15), FTYPE_VSTBANK);
    for (bool connected : {false, true}) {
        SCOPED_TRACE(connected ? "connected" : "disconnected");
        if (!connected) {
            Make(pmid, false);
            ASSERT_TRUE(Load(chunk));
        } else {
            ASSERT_TRUE(synth->Connect(false, false));
        }
        const std::string pending = impl->PendingState();
        auto before = Image();
        ClearSim();
        for (const BadStream& c : BadStreams(pmid, chunk)) {
            EXPECT_FALSE(Load(c.bytes)) << c.what;
            EXPECT_EQ(impl->PendingState(), pending) << c.what;
            EXPECT_TRUE(fixtures::SameImage(*before, *Image())) << c.what;
        }
        EXPECT_TRUE(Codes().empty());
        EXPECT_EQ(Save(FTYPE_VSTBANK), chunk);
    }
}

// A load while connected sends exactly the part its kind names, then the editor takes it.
TEST_P(SynthStreams, ConnectedALoadSendsItsPartThenTheEditorTakesIt) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    sim->With([](Sim::SimCore& c) { c.State().strictModes = false; });
    const unsigned banks = ProgramBankCount(pmid);
    const struct Row {
        FTYPE kind;
        unsigned index;
        int code;
        unsigned offset, size;  // what the editor takes
        Sim::Area area;         // one record the instrument must now hold
        int record;
        const char* event;
    } rows[] = {
        {FTYPE_PROG, 0, Sim::Code::CurProgDump, kAreaCurProgram.offset, kSizeProgram, Sim::Area::CurProgram,
         0, nullptr},
        {FTYPE_VSTPROG, 0, Sim::Code::CurProgDump, kAreaCurProgram.offset, kSizeProgram,
         Sim::Area::CurProgram, 0, nullptr},
        {FTYPE_COMBI, 0, Sim::Code::CurCombiDump, kAreaCurCombi.offset, kSizeCombi, Sim::Area::CurCombination,
         0, nullptr},
        {FTYPE_MULTI, 0, Sim::Code::CurMultiDump, kAreaCurMulti.offset, kSizeMulti, Sim::Area::CurMulti, 0,
         nullptr},
        {FTYPE_BANKPROG, 1, Sim::Code::ProgDump, kAreaPrograms.At(1, 0), kAreaPrograms.BankSize(),
         Sim::Area::Program, 128 + 77, "bank 2 1:255"},
        {FTYPE_BANKCOMBI, 2, Sim::Code::CombiDump, kAreaCombis.At(2, 0), kAreaCombis.BankSize(),
         Sim::Area::Combination, 256 + 5, "bank 0 2:255"},
        {FTYPE_ALLPROG, 0, Sim::Code::ProgDump, kAreaPrograms.offset, kAreaPrograms.Size(),
         Sim::Area::Program, static_cast<int>(banks - 1) * 128 + 127, "bank 2 255:255"},
        {FTYPE_ALLCOMBI, 0, Sim::Code::CombiDump, kAreaCombis.offset, kAreaCombis.Size(),
         Sim::Area::Combination, 300, "bank 0 255:255"},
        {FTYPE_ALLMULTI, 0, Sim::Code::MultiDump, kAreaMultis.offset, kAreaMultis.Size(), Sim::Area::Multi,
         100, "bank 4 255:255"},
        {FTYPE_ALLDKIT, 0, Sim::Code::DrumKitDump, kAreaDrumKits.offset, kAreaDrumKits.Size(),
         Sim::Area::DrumKit, 39, nullptr},
        {FTYPE_DKIT, 3, Sim::Code::DrumKitDump, kAreaDrumKits.At(3), kSizeDrumKit, Sim::Area::DrumKit, 3,
         nullptr},
        {FTYPE_ALLAPAT, 0, Sim::Code::ArpPatternDump, kAreaArpPatterns.offset, kAreaArpPatterns.Size(),
         Sim::Area::ArpPattern, 250, nullptr},
        {FTYPE_APAT, 7, Sim::Code::ArpPatternDump, kAreaArpPatterns.At(7), kSizeArpPattern,
         Sim::Area::ArpPattern, 7, nullptr},
        {FTYPE_ALLEXTC, 0, Sim::Code::ExtControlDump, kAreaExtControls.offset, kAreaExtControls.Size(),
         Sim::Area::ExtControl, 63, nullptr},
        {FTYPE_EXTC, 5, Sim::Code::ExtControlDump, kAreaExtControls.At(5), kSizeExtControl,
         Sim::Area::ExtControl, 5, nullptr},
    };
    uint32_t seed = 100;
    for (const Row& row : rows) {
        if (pmid == kPmidTolva && (row.kind == FTYPE_ALLEXTC || row.kind == FTYPE_EXTC)) continue;
        SCOPED_TRACE(::testing::Message() << "kind " << row.kind << " index " << row.index);
        auto known = KnownImage(++seed);
        const std::string bytes = StreamOf(pmid, *known, row.kind, row.index);
        auto before = Image();
        ClearSim();
        log.Clear();
        ASSERT_TRUE(Load(bytes, row.index));
        // A host's chunk is sent once the host's call has returned.
        if (IsHostChunkKind(row.kind)) {
            EXPECT_TRUE(PumpUntil([&] { return impl->PendingItems().empty(); }));
        }
        EXPECT_EQ(Codes(), std::vector<int>{row.code});
        auto after = Image();
        EXPECT_TRUE(SameBytes(*after, *known, row.offset, row.size));
        // Nothing else of the editor's image changed.
        auto expected = fixtures::CopyImage(*before);
        std::memcpy(expected->Bytes() + row.offset, known->Bytes() + row.offset, row.size);
        EXPECT_TRUE(fixtures::SameImage(*expected, *after));
        const Sim::AreaInfo& info = Sim::GetAreaInfo(row.area);
        EXPECT_TRUE(SimRecordIs(row.area, row.record,
                                known->Bytes() + info.offset + row.record * info.recordSize,
                                info.recordSize));
        if (row.event) {
            Pump();
            EXPECT_TRUE(log.Has(row.event)) << log.Joined();
        }
        if (row.kind == FTYPE_ALLPROG && pmid == kPmidTolva) {
            // The Tolva's fifth program bank is not the instrument's: the editor takes it, the
            // instrument keeps its own.
            EXPECT_FALSE(SimRecordIs(Sim::Area::Program, 4 * 128, known->Bytes() + kAreaPrograms.At(4, 0),
                                     kSizeProgram));
        }
    }
}

TEST_P(SynthStreams, AWholeImageGoesToTheInstrumentBeforeTheEditorTakesIt) {
    const unsigned char pmid = GetParam();
    Make(pmid);
    auto known = KnownImage(21);
    known->mode = Sim::Mode::Global;  // shown as combination play
    // Refused by the instrument: the editor keeps its image.
    sim->With([](Sim::SimCore& c) { c.State().protect = true; });
    auto before = Image();
    EXPECT_FALSE(Load(StreamOf(pmid, *known, FTYPE_ALL)));
    EXPECT_FALSE(Load(StreamOf(pmid, *known, FTYPE_BANKPROG, 0), 0));
    EXPECT_TRUE(fixtures::SameImage(*before, *Image()));

    sim->With([](Sim::SimCore& c) { c.State().protect = false; });
    log.Clear();
    ASSERT_TRUE(Load(StreamOf(pmid, *known, FTYPE_ALL)));
    Settle();
    auto after = Image();
    EXPECT_TRUE(SameBytes(*after, *known, 0, kAreaCurMulti.End()));
    EXPECT_EQ(synth->GetMode(), kModeCombiPlay);
    auto diffs = Diffs(false);
    std::vector<Sim::ImageDiff> relevant;
    for (const Sim::ImageDiff& d : diffs)
        if (!(pmid == kPmidTolva && (d.area == Sim::Area::ExtControl || d.label.find("program 4:") == 0)))
            relevant.push_back(d);
    EXPECT_TRUE(relevant.empty()) << Sim::FormatDiffs(relevant);
    EXPECT_TRUE(log.Has("bank 2 255:255")) << log.Joined();
}

TEST_P(SynthStreams, SavingInProgramPlayTakesTheCurrentProgramFreshFirst) {
    Make(GetParam());
    synth->PutMode(kModeProgPlay);
    Settle();
    ClearSim();
    bool ok = false;
    const std::string bytes = Save(FTYPE_PROG, 0, &ok);
    ASSERT_TRUE(ok);
    const std::vector<int> codes = Codes();
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[0], 0x4E00 | kModeProgEdit);
    EXPECT_EQ(codes[1], 0x4E00 | kModeProgPlay);
    EXPECT_EQ(codes[2], Sim::Rx::CurProgReq);
    std::istringstream is(bytes, std::ios::binary);
    FTYPE kind = FTYPE_UNKNOWN;
    EXPECT_TRUE(PersistFindStreamType(is, &kind, nullptr));
    EXPECT_EQ(kind, FTYPE_PROG);
    // Connected, a host chunk is the image.
    EXPECT_GT(Save(FTYPE_VSTBANK).size(), 4u);
}

TEST_P(SynthStreams, AFileHoldsTheAskedKindWithNoInstrumentAndWithAPendingState) {
    const unsigned char pmid = GetParam();
    Make(pmid, false);
    auto known = KnownImage(31);
    const std::string chunk = StreamOf(pmid, *known, FTYPE_VSTBANK);
    const std::string folder = config.Path();
    for (bool pending : {false, true}) {
        if (pending) {
            ASSERT_TRUE(Load(chunk));
        }
        for (uint32_t k = FTYPE_ALL; k <= FTYPE_PCG_LAST; ++k) {
            const FTYPE kind = static_cast<FTYPE>(k);
            SCOPED_TRACE(::testing::Message() << "kind " << k << (pending ? ", pending" : ""));
            const std::string path = folder + "/file" + std::to_string(k);
            ASSERT_TRUE(synth->SaveFile(path.c_str(), kind, 0));
            FTYPE found = FTYPE_UNKNOWN;
            ASSERT_TRUE(PersistFindStreamType(path.c_str(), &found, nullptr));
            const FTYPE inner = kind == FTYPE_VSTBANK    ? FTYPE_FILTERED
                                : kind == FTYPE_VSTPROG  ? FTYPE_PROG
                                : kind == FTYPE_VSTCOMBI ? FTYPE_COMBI
                                : kind == FTYPE_VSTMULTI ? FTYPE_MULTI
                                                         : kind;
            if (kind >= FTYPE_PCG_FIRST)
                EXPECT_GE(found, FTYPE_PCG_FIRST);
            else
                EXPECT_EQ(found, inner);
            // It loads back.
            EXPECT_TRUE(synth->LoadFile(path.c_str(), 0));
            std::filesystem::remove(path);
        }
    }
    EXPECT_FALSE(synth->LoadFile((folder + "/no such file").c_str(), 0));
    EXPECT_FALSE(synth->SaveFile((folder + "/no such folder/file").c_str(), FTYPE_ALL, 0));
}

INSTANTIATE_TEST_SUITE_P(BothModels, SynthStreams, ::testing::Values(kPmidTolva, kPmidNerimo));

}  // namespace
