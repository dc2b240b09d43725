// Files built byte by byte from the format's description load as they should, and the product's
// writer produces exactly those bytes.
#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <utility>

#include "Common/Files/NativeFile.h"
#include "Common/Files/Persist.h"
#include "Common/Files/SampleTranslation.h"
#include "NativeFixtures.h"

using namespace QorX0;
using namespace fixtures;

namespace {

std::string Saved(FTYPE kind, uint32_t index, uint8_t model, CHUNK_REMOTESYNTH* image) {
    PERSISTPARAMS p{kind, index, image, {}, {}};
    std::ostringstream os;
    EXPECT_TRUE(PersistSaveStream(os, model, &p));
    return os.str();
}

struct Loaded {
    bool ok;
    PERSISTPARAMS params;
};

Loaded Load(const std::string& bytes, uint8_t model, CHUNK_REMOTESYNTH* image, uint32_t index = 0) {
    RTCSTAT marked;
    std::memset(&marked, 0x5A, sizeof(marked));
    Loaded r{false, {FTYPE_UNKNOWN, index, image, {}, marked}};
    std::istringstream is(bytes);
    r.ok = PersistLoadStream(is, model, &r.params);
    return r;
}

// Loads bytes into a fresh image and checks that exactly the given slices of source arrived.
void ExpectLoads(const std::string& bytes, uint8_t model, const CHUNK_REMOTESYNTH& source,
                 std::initializer_list<std::pair<size_t, size_t>> slices, FTYPE kind, uint32_t index = 0) {
    auto target = RandomImage(12);
    auto expected = CopyImage(*target);
    for (auto [offset, size] : slices) std::memcpy(expected->Bytes() + offset, source.Bytes() + offset, size);
    const Loaded r = Load(bytes, model, target.get(), index);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.params.kind, kind);
    EXPECT_TRUE(SameImage(*target, *expected));
}

}  // namespace

TEST(NativeFixture, ExternalControlSetFile) {
    auto source = RandomImage(11);
    const std::string file = NativeFile("tre ", "VTLV", Bytes(*source, 245650 + 5 * 40, 40));
    ASSERT_EQ(file.size(), 76u);
    EXPECT_EQ(file.substr(4, 4), BE32(68));

    ExpectLoads(file, 1, *source, {{245650 + 5 * 40, 40}}, FTYPE_EXTC, 5);

    EXPECT_EQ(Saved(FTYPE_EXTC, 5, 1, source.get()), file);
}

TEST(NativeFixture, ProgramFile) {
    auto source = RandomImage(13);
    source->curprogram[108] = 2;  // a drum program: no sample translation in any direction
    const std::string file =
        NativeFile("trp ", "VMRL", Bytes(*source, 897426, 444) + Bytes(*source, 899634, 8));
    ASSERT_EQ(file.size(), 488u);
    EXPECT_EQ(file.substr(4, 4), BE32(480));

    for (uint8_t model : {uint8_t{9}, uint8_t{1}})
        ExpectLoads(file, model, *source, {{897426, 444}, {899634, 8}}, FTYPE_PROG);
    EXPECT_EQ(Saved(FTYPE_PROG, 0, 9, source.get()), file);
}

TEST(NativeFixture, PresetChunk) {
    auto source = RandomImage(15);
    const std::string inner =
        NativeFile("trp ", "VTLV", Bytes(*source, 897426, 444) + Bytes(*source, 899634, 8));
    const std::string chunk = "Ccnk" + BE32(static_cast<uint32_t>(52 + inner.size())) + "FPCh" + Zeros(4) +
                              "VTLV" + Zeros(40) + inner;
    ASSERT_EQ(chunk.size(), 548u);

    ExpectLoads(chunk, 1, *source, {{897426, 444}, {899634, 8}}, FTYPE_PROG);

    EXPECT_EQ(Saved(FTYPE_VSTPROG, 0, 1, source.get()), chunk);
}

TEST(NativeFixture, BankHeaderIsSkippedWholeWhateverThePresetKind) {
    auto source = RandomImage(17);
    const std::string inner =
        NativeFile("trc ", "VTLV", Bytes(*source, 897870, 544) + Bytes(*source, 899642, 8));
    const std::string chunk = "Ccnk" + BE32(static_cast<uint32_t>(152 + inner.size())) + "FBCh" + Zeros(4) +
                              "VTLV" + Zeros(140) + inner;
    ExpectLoads(chunk, 1, *source, {{897870, 544}, {899642, 8}}, FTYPE_COMBI);
}

TEST(NativeFixture, OlderAllDataFileIsTolvaDataWithoutRealtimeState) {
    auto source = RandomImage(19);
    const std::string body = AllDataBodyV0(*source);
    ASSERT_EQ(body.size(), 899664u);
    // The model tag says Nerimo; an all-data file of this size is always Tolva data.
    for (uint32_t size : {899688u, 899700u, 899819u}) {
        SCOPED_TRACE(size);
        const std::string file = Header("tra ", size, 0, "VMRL") + body + Zeros(size - 24 - body.size());
        std::istringstream is(file);
        FTYPE kind = FTYPE_UNKNOWN;
        uint8_t model = 0;
        ASSERT_TRUE(PersistFindStreamType(is, &kind, &model));
        EXPECT_EQ(kind, FTYPE_ALL);
        EXPECT_EQ(model, 1);

        auto target = RandomImage(20);
        const Loaded r = Load(file, 1, target.get());
        ASSERT_TRUE(r.ok);
        EXPECT_EQ(r.params.kind, FTYPE_ALL);
        EXPECT_TRUE(SameImage(*target, *source));
        const RTCSTAT zero{};
        EXPECT_EQ(0, std::memcmp(&r.params.rtc, &zero, sizeof(zero)));
    }
    // One byte shorter than the oldest layout is no all-data file at all.
    const std::string tooShort = Header("tra ", 899687, 0, "VTLV") + body.substr(0, body.size() - 1);
    auto target = RandomImage(21);
    EXPECT_FALSE(Load(tooShort, 1, target.get()).ok);
}

TEST(NativeFixture, AllDataFileWithRealtimeState) {
    auto source = RandomImage(22);
    RTCSTAT rtc;
    for (int i = 0; i < 128; ++i) rtc.knob[i / 8][i % 8] = static_cast<uint8_t>(0x80 | i);
    const std::string file = NativeFile(
        "tra ", "VTLV", AllDataBodyV0(*source) + std::string(reinterpret_cast<const char*>(&rtc), 128));
    ASSERT_EQ(file.substr(4, 4), BE32(899820));

    auto target = RandomImage(23);
    const Loaded r = Load(file, 1, target.get());
    ASSERT_TRUE(r.ok);
    EXPECT_TRUE(SameImage(*target, *source));
    EXPECT_EQ(0, std::memcmp(&r.params.rtc, &rtc, sizeof(rtc)));

    PERSISTPARAMS p{FTYPE_ALL, 0, source.get(), {}, rtc};
    std::ostringstream os;
    ASSERT_TRUE(PersistSaveStream(os, 1, &p));
    EXPECT_EQ(os.str(), file);
}

// The header and body readers on their own, as the merge at connection time calls them: the body
// is read for the kind the header found, translated from the file's model to the target's.
TEST(NativeFixture, HeaderAndBodyReadersOnTheirOwn) {
    auto source = RandomImage(24);
    source->curprogram[108] = 0;                                        // one oscillator
    source->curprogram[134] = static_cast<uint8_t>(0xC0 | (600 >> 8));  // Nerimo-only multisample, flags set
    source->curprogram[135] = static_cast<uint8_t>(600 & 0xFF);
    const std::string file =
        NativeFile("trp ", "VMRL", Bytes(*source, 897426, 444) + Bytes(*source, 899634, 8));

    std::istringstream is(file);
    FTYPE kind = FTYPE_UNKNOWN;
    uint8_t model = 0;
    long version = -1;
    ASSERT_TRUE(ParseStreamNativeHeader(is, &kind, &model, &version));
    EXPECT_EQ(kind, FTYPE_PROG);
    EXPECT_EQ(model, 9);
    EXPECT_EQ(version, 1);
    auto target = RandomImage(25);
    PERSISTPARAMS params{kind, 0, target.get(), {}, {}};
    ASSERT_TRUE(LoadStreamNativeBody(is, model, version, 1, &params));
    const unsigned expected = SAMPLECONVERT_MS_Qor40_Qor30[600];
    EXPECT_EQ(target->curprogram[134], 0xC0 | (expected >> 8));
    EXPECT_EQ(target->curprogram[135], expected & 0xFF);
    EXPECT_EQ(0, std::memcmp(target->curprogramrec, source->curprogramrec, 8));

    // An item the model does not have is refused before anything is read.
    const std::string kit = NativeFile("trd ", "VTLV", Bytes(*source, 850, 4112));
    std::istringstream kitStream(kit);
    ASSERT_TRUE(ParseStreamNativeHeader(kitStream, &kind, &model, &version));
    const auto before = CopyImage(*target);
    PERSISTPARAMS outside{kind, 40, target.get(), {}, {}};
    EXPECT_FALSE(LoadStreamNativeBody(kitStream, model, version, 1, &outside));
    EXPECT_TRUE(SameImage(*target, *before));
    EXPECT_EQ(kitStream.tellg(), std::streampos(32));
}
