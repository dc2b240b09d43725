// Data files through the remote synthesizer and the simulated instrument: every kind the editor saves
// loads back as it was saved, into an instrument of the same model or of the other one (sample
// numbers translated), and the instrument then holds what the editor shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <vector>

#include "Common/Files/SampleTranslation.h"
#include "Synth/StreamFixture.h"

namespace {

using namespace QorX0;
using namespace SynthTest;

// A slice of the image: records [first, first + count) of an area.
struct Slice {
    const AREADESC* area;
    unsigned first;
    unsigned count;

    unsigned Offset() const { return area->At(first); }
    unsigned Size() const { return count * area->recordSize; }
};

// One native kind: the instrument's mode while it is saved and loaded (a current-sound dump is
// taken only in its own mode), the current sound chosen before saving (a bank file holds the bank of
// the current sound), the index it is loaded to, and what it carries back into the editor.
struct KindCase {
    FTYPE kind;
    unsigned char mode;
    SOUNDINDEX sound;
    unsigned index;
    std::vector<Slice> carried;
};

const std::vector<KindCase>& Kinds() {
    static const std::vector<KindCase> kinds = {
        // Everything, with the edit buffers (the records and the mode are checked apart).
        {FTYPE_ALL,
         kModeProgPlay,
         {0, 3},
         0,
         {{&kAreaGlobal, 0, 1},
          {&kAreaDrumKits, 0, 40},
          {&kAreaArpPatterns, 0, 251},
          {&kAreaPrograms, 0, 640},
          {&kAreaCombis, 0, 384},
          {&kAreaMultis, 0, 128},
          {&kAreaCurProgram, 0, 1},
          {&kAreaCurCombi, 0, 1},
          {&kAreaCurMulti, 0, 1}}},
        {FTYPE_ALLPROG, kModeProgPlay, {0, 3}, 0, {{&kAreaPrograms, 0, 640}}},
        {FTYPE_ALLCOMBI, kModeCombiPlay, {0, 4}, 0, {{&kAreaCombis, 0, 384}}},
        {FTYPE_ALLMULTI, kModeMulti, {0, 5}, 0, {{&kAreaMultis, 0, 128}}},
        {FTYPE_BANKPROG, kModeProgPlay, {1, 9}, 1, {{&kAreaPrograms, 128, 128}}},
        {FTYPE_BANKCOMBI, kModeCombiPlay, {2, 17}, 2, {{&kAreaCombis, 256, 128}}},
        {FTYPE_PROG, kModeProgPlay, {3, 40}, 0, {{&kAreaCurProgram, 0, 1}}},
        {FTYPE_COMBI, kModeCombiPlay, {1, 41}, 0, {{&kAreaCurCombi, 0, 1}}},
        {FTYPE_MULTI, kModeMulti, {0, 42}, 0, {{&kAreaCurMulti, 0, 1}}},
        {FTYPE_ALLDKIT, kModeProgPlay, {0, 3}, 0, {{&kAreaDrumKits, 0, 40}}},
        {FTYPE_ALLAPAT, kModeProgPlay, {0, 3}, 0, {{&kAreaArpPatterns, 0, 251}}},
        {FTYPE_DKIT, kModeProgPlay, {0, 3}, 27, {{&kAreaDrumKits, 27, 1}}},
        {FTYPE_APAT, kModeProgPlay, {0, 3}, 201, {{&kAreaArpPatterns, 201, 1}}},
    };
    return kinds;
}

bool SameSlice(const CHUNK_REMOTESYNTH& a, const CHUNK_REMOTESYNTH& b, const Slice& s) {
    return SameBytes(a, b, s.Offset(), s.Size());
}

// The image as a model that loads a file of another model sees it: the programs' multisamples and
// the kits' drum samples by the target model's numbers.
std::unique_ptr<CHUNK_REMOTESYNTH> AsLoadedBy(const CHUNK_REMOTESYNTH& saved, unsigned char fileModel,
                                              unsigned char targetModel) {
    auto image = fixtures::CopyImage(saved);
    if (const SAMPLECONVERT* cvt = GetSampleConvert(fileModel, targetModel)) {
        for (unsigned i = 0; i < kAreaPrograms.count; ++i)
            ProgCvtSample(image->Bytes() + kAreaPrograms.At(i), cvt->prog, cvt->progEntries);
        ProgCvtSample(image->curprogram, cvt->prog, cvt->progEntries);
        for (unsigned k = 0; k < kAreaDrumKits.count; ++k)
            DkitCvtSample(image->drumkit[k], cvt->dkit, cvt->dkitEntries);
    }
    return image;
}

// A second instrument and editor after the first, and what the two must agree on.
class RoundTripFixture : public StreamSynthFixture {
protected:
    void Drop() {
        synth->UnadviseSink(&log);
        synth.reset();
        port.reset();
        sim.reset();
    }
    // The instrument in the kind's mode with its sound chosen, as the user would have it.
    void Prepare(const KindCase& k) {
        synth->PutMode(k.mode);
        Settle();
        synth->PutCurSound(k.sound);
        Settle();
        ASSERT_EQ(synth->GetMode(), k.mode);
    }
    // Other data in the instrument and the editor, so that a load has something to replace.
    void HoldOtherData(unsigned char pmid, uint32_t seed) {
        ASSERT_TRUE(Load(StreamOf(pmid, *KnownImage(seed), FTYPE_ALL)));
        Settle();
    }
    // Differences that matter: the Tolva keeps no external-control sets (and its fifth program bank
    // is not compared); the poll writes the control track the instrument reports into the editor's
    // current multi, which the simulated instrument keeps apart from its own record.
    std::vector<Sim::ImageDiff> Relevant(unsigned char pmid) {
        std::vector<Sim::ImageDiff> left;
        for (const Sim::ImageDiff& d : Diffs())
            if (!(pmid == kPmidTolva && d.area == Sim::Area::ExtControl) && d.area != Sim::Area::CurMulti)
                left.push_back(d);
        return left;
    }
};

// Saved by one model (first), loaded by one model (second).
class FileRoundTrip : public RoundTripFixture,
                      public ::testing::WithParamInterface<std::tuple<unsigned char, unsigned char>> {};

TEST_P(FileRoundTrip, EveryKindLoadsBackAsSaved) {
    const auto [fileModel, targetModel] = GetParam();
    const std::string folder = config.Path();
    auto path = [&](const KindCase& k) { return folder + "/saved" + std::to_string(k.kind); };

    // Save every kind from an instrument whose data the editor has received.
    Make(fileModel, true, true);
    std::vector<std::unique_ptr<CHUNK_REMOTESYNTH>> saved;
    for (const KindCase& k : Kinds()) {
        SCOPED_TRACE(::testing::Message() << "saving kind " << k.kind);
        Prepare(k);
        ASSERT_TRUE(synth->SaveFile(path(k).c_str(), k.kind, k.index));
        auto image = Image();
        saved.push_back(AsLoadedBy(*image, fileModel, targetModel));
        // Between the models the sample numbers differ, so the translation shows.
        if (k.kind == FTYPE_ALL) {
            EXPECT_EQ(fileModel == targetModel, SameBytes(*image, *saved.back(), 0, kAreaCurMulti.End()));
        }
        FTYPE found = FTYPE_UNKNOWN;
        unsigned char model = 0;
        ASSERT_TRUE(PersistFindStreamType(path(k).c_str(), &found, &model));
        EXPECT_EQ(found, k.kind);
        EXPECT_EQ(model, fileModel);
    }
    Drop();

    // Load each into an instrument and an editor that hold other data meanwhile.
    Make(targetModel, true, true);
    uint32_t seed = 40;
    for (size_t i = 0; i < Kinds().size(); ++i) {
        const KindCase& k = Kinds()[i];
        SCOPED_TRACE(::testing::Message() << "loading kind " << k.kind);
        HoldOtherData(targetModel, ++seed);
        Prepare(k);
        auto before = Image();
        for (const Slice& s : k.carried) ASSERT_FALSE(SameSlice(*before, *saved[i], s)) << s.Offset();

        ASSERT_TRUE(synth->LoadFile(path(k).c_str(), k.index));
        Settle();
        auto after = Image();
        for (const Slice& s : k.carried)
            EXPECT_TRUE(SameSlice(*after, *saved[i], s)) << "image offset " << s.Offset();
        if (k.kind == FTYPE_ALL) {
            EXPECT_EQ(0, std::memcmp(after->curprogramrec, saved[i]->curprogramrec, kAreaTail.Size() - 1));
            EXPECT_EQ(after->mode, saved[i]->mode);
        } else {
            // A kind that carries part of the data leaves the rest of the editor's data as it was.
            for (const AREADESC* area : {&kAreaGlobal, &kAreaDrumKits, &kAreaArpPatterns, &kAreaPrograms,
                                         &kAreaCombis, &kAreaMultis}) {
                if (std::none_of(k.carried.begin(), k.carried.end(),
                                 [&](const Slice& s) { return s.area == area; })) {
                    EXPECT_TRUE(SameBytes(*after, *before, area->offset, area->Size())) << area->offset;
                }
            }
        }
        auto diffs = Relevant(targetModel);
        EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
        std::filesystem::remove(path(k));
    }
}

INSTANTIATE_TEST_SUITE_P(SavedByLoadedBy, FileRoundTrip,
                         ::testing::Combine(::testing::Values(kPmidTolva, kPmidNerimo),
                                            ::testing::Values(kPmidTolva, kPmidNerimo)),
                         [](const auto& info) {
                             auto name = [](unsigned char m) { return m == kPmidTolva ? "Tolva" : "Nerimo"; };
                             return std::string(name(std::get<0>(info.param))) + "To" +
                                    name(std::get<1>(info.param));
                         });

// PCG files of every kind the editor exports, imported into a fresh instrument of the same model.
// What each kind carries: the program banks the family has room for (all of the model's, only four
// for kind 25), the three combination banks, the drum kits (40, only 24 for kind 25), the user
// arpeggio patterns (232 for kind 21, 216 for kind 25, none for kind 26, else all 251) and the global
// data. Sample numbers, bank numbers and patterns beyond a family's range are mapped by the
// conversion, so records are compared with the source by name, and whole once they have been through
// the conversion.
struct PcgCase {
    FTYPE kind;
    unsigned programBanks;  // of the Nerimo; the Tolva has four
    unsigned kits;
    unsigned patterns;
};
const PcgCase kPcgCases[] = {
    {static_cast<FTYPE>(21), 5, 40, 232}, {static_cast<FTYPE>(22), 5, 40, 251},
    {static_cast<FTYPE>(23), 5, 40, 251}, {static_cast<FTYPE>(24), 5, 40, 251},
    {static_cast<FTYPE>(25), 4, 24, 216}, {static_cast<FTYPE>(26), 5, 40, 0},
};

class PcgFileRoundTrip : public RoundTripFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

bool SameNames(const CHUNK_REMOTESYNTH& a, const CHUNK_REMOTESYNTH& b, const AREADESC& area, unsigned count) {
    for (unsigned i = 0; i < count; ++i)
        if (!SameBytes(a, b, area.At(i), 16)) return false;
    return true;
}

TEST_P(PcgFileRoundTrip, EveryExportImportsIntoAFreshInstrument) {
    const unsigned char pmid = GetParam();
    const std::string folder = config.Path();
    auto path = [&](const PcgCase& c) { return folder + "/export" + std::to_string(c.kind); };

    Make(pmid, true, true);
    auto source = Image();
    for (const PcgCase& c : kPcgCases) ASSERT_TRUE(synth->SaveFile(path(c).c_str(), c.kind, 0)) << c.kind;
    Drop();

    Make(pmid, true, true);
    uint32_t seed = 60;
    for (const PcgCase& c : kPcgCases) {
        SCOPED_TRACE(::testing::Message() << "kind " << c.kind);
        const std::string file = Read(path(c));
        FTYPE found = FTYPE_UNKNOWN;
        ASSERT_TRUE(PersistFindStreamType(path(c).c_str(), &found, nullptr));
        HoldOtherData(pmid, ++seed);
        auto before = Image();

        ASSERT_TRUE(synth->LoadFile(path(c).c_str(), 0));
        Settle();
        auto after = Image();
        const unsigned programs = std::min(c.programBanks, ProgramBankCount(pmid)) * kSoundsPerBank;
        EXPECT_TRUE(SameNames(*after, *source, kAreaPrograms, programs));
        EXPECT_TRUE(SameNames(*after, *source, kAreaCombis, kAreaCombis.count));
        EXPECT_TRUE(SameNames(*after, *source, kAreaDrumKits, c.kits));
        EXPECT_TRUE(SameBytes(*after, *source, kAreaArpPatterns.offset, c.patterns * kSizeArpPattern));
        // What the kind does not carry stays as the instrument had it.
        EXPECT_TRUE(SameBytes(*after, *before, kAreaArpPatterns.At(c.patterns),
                              (kAreaArpPatterns.count - c.patterns) * kSizeArpPattern));
        EXPECT_TRUE(SameBytes(*after, *before, kAreaDrumKits.At(c.kits), (40 - c.kits) * kSizeDrumKit));
        EXPECT_TRUE(SameBytes(*after, *before, kAreaMultis.offset, kAreaMultis.Size()));
        EXPECT_TRUE(SameBytes(*after, *before, kAreaPrograms.At(programs),
                              kAreaPrograms.Size() - programs * kSizeProgram));
        // The instrument holds what the editor shows.
        auto diffs = Relevant(pmid);
        EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);

        // The import maps what the family cannot hold (the source's data fills every field), so the
        // first import is where data may change; from then on the kind's data goes out and comes in
        // unchanged: export it again, import that over other data, and both instrument and editor
        // hold the same records, which export as the same file.
        const std::string again = folder + "/again";
        ASSERT_TRUE(synth->SaveFile(again.c_str(), c.kind, 0));
        const std::string second = Read(again);
        HoldOtherData(pmid, seed + 100);
        ASSERT_TRUE(synth->LoadFile(again.c_str(), 0));
        Settle();
        auto twice = Image();
        for (const Slice& s : std::vector<Slice>{{&kAreaGlobal, 0, 1},
                                                 {&kAreaPrograms, 0, programs},
                                                 {&kAreaCombis, 0, kAreaCombis.count},
                                                 {&kAreaDrumKits, 0, c.kits},
                                                 {&kAreaArpPatterns, 0, c.patterns}})
            EXPECT_TRUE(SameSlice(*twice, *after, s)) << "image offset " << s.Offset();
        diffs = Relevant(pmid);
        EXPECT_TRUE(diffs.empty()) << Sim::FormatDiffs(diffs);
        ASSERT_TRUE(synth->SaveFile(again.c_str(), c.kind, 0));
        EXPECT_TRUE(Read(again) == second);
        std::filesystem::remove(path(c));
    }
}

INSTANTIATE_TEST_SUITE_P(BothModels, PcgFileRoundTrip, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const auto& info) { return info.param == kPmidTolva ? "Tolva" : "Nerimo"; });

}  // namespace
