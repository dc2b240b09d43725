// Save then load of every kind, both models: the loaded slice equals the saved one, nothing else
// in the target image changes, and saving the loaded image again gives the same bytes.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>
#include <vector>

#include "Common/Files/Persist.h"
#include "NativeFixtures.h"

using namespace QorX0;
using fixtures::RandomImage;

namespace {

struct Slice {
    uint32_t offset;
    uint32_t size;
};

// What each kind carries, listed from the file format's tables.
std::vector<Slice> KindSlices(FTYPE kind, uint32_t index) {
    switch (kind) {
        case FTYPE_ALL:
            return {{0, 899659}};
        case FTYPE_ALLPROG:
            return {{248210, 284160}};
        case FTYPE_ALLCOMBI:
            return {{532370, 208896}};
        case FTYPE_ALLMULTI:
            return {{741266, 156160}};
        case FTYPE_BANKPROG:
            return {{248210 + index * 56832, 56832}};
        case FTYPE_BANKCOMBI:
            return {{532370 + index * 69632, 69632}};
        case FTYPE_PROG:
        case FTYPE_VSTPROG:
            return {{897426, 444}, {899634, 8}};
        case FTYPE_COMBI:
        case FTYPE_VSTCOMBI:
            return {{897870, 544}, {899642, 8}};
        case FTYPE_MULTI:
        case FTYPE_VSTMULTI:
            return {{898414, 1220}, {899650, 8}};
        case FTYPE_ALLDKIT:
            return {{850, 164480}};
        case FTYPE_ALLAPAT:
            return {{165330, 80320}};
        case FTYPE_ALLEXTC:
            return {{245650, 2560}};
        case FTYPE_DKIT:
            return {{850 + index * 4112, 4112}};
        case FTYPE_APAT:
            return {{165330 + index * 320, 320}};
        case FTYPE_EXTC:
            return {{245650 + index * 40, 40}};
        default:
            return {};
    }
}

std::vector<Slice> FilterSlices(const FXBFILTERINFO& f) {
    std::vector<Slice> s;
    const uint32_t c0 = (f.combiBank & 0x80) ? 0 : f.combiBank, c1 = (f.combiBank & 0x80) ? 2 : f.combiBank;
    const uint32_t p0 = (f.progBank & 0x80) ? 0 : f.progBank, p1 = (f.progBank & 0x80) ? 4 : f.progBank;
    for (uint32_t b = c0; b <= c1; ++b) s.push_back({532370 + b * 69632, f.combiCount * 544u});
    s.push_back({741266, f.multiCount * 1220u});
    for (uint32_t b = p0; b <= p1; ++b) s.push_back({248210 + b * 56832, f.progCount * 444u});
    s.push_back({850, f.drumkitCount * 4112u});
    s.push_back({165330, f.arpCount * 320u});
    s.push_back({245650, f.extCount * 40u});
    s.push_back({897426, 2208});  // the three current sounds
    s.push_back({899634, 25});    // their records and the mode byte
    if (f.global) s.push_back({0, 850});
    return s;
}

FXBFILTERINFO Filter(std::vector<uint8_t> b) {
    b.resize(12, 0);
    FXBFILTERINFO f;
    std::memcpy(&f, b.data(), 12);
    return f;
}

const FXBFILTERINFO kAllFilter = Filter({0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 0x28, 0xFB, 0x40, 0x01});

RTCSTAT RandomRtc(uint32_t seed) {
    RTCSTAT r;
    for (int i = 0; i < 128; ++i) r.knob[i / 8][i % 8] = static_cast<uint8_t>((seed + i * 37) & 0xFF);
    return r;
}

struct Case {
    FTYPE kind;
    uint8_t model;
    uint32_t index;
};

std::string Name(const testing::TestParamInfo<Case>& info) {
    return "Kind" + std::to_string(info.param.kind) + (info.param.model == 1 ? "Tolva" : "Nerimo") + "Index" +
           std::to_string(info.param.index);
}

std::vector<Case> AllCases() {
    std::vector<Case> cases;
    for (uint8_t model : {uint8_t{1}, uint8_t{9}}) {
        for (uint32_t k = FTYPE_ALL; k <= FTYPE_VSTMULTI; ++k) {
            uint32_t index = 0;
            if (k == FTYPE_BANKPROG) index = model == 1 ? 3 : 4;  // the model's last bank
            if (k == FTYPE_BANKCOMBI) index = 2;
            if (k == FTYPE_DKIT) index = 39;
            if (k == FTYPE_APAT) index = 250;
            if (k == FTYPE_EXTC) index = 63;
            cases.push_back({static_cast<FTYPE>(k), model, index});
        }
    }
    return cases;
}

// Prepares a source image whose current-sound records name the banks the case saves.
void SetCurrentBanks(CHUNK_REMOTESYNTH* image, const Case& c) {
    image->curprogramrec[0] = static_cast<uint8_t>(c.kind == FTYPE_BANKPROG ? c.index : 0);
    image->curcombirec[0] = static_cast<uint8_t>(c.kind == FTYPE_BANKCOMBI ? c.index : 0);
}

std::string SaveBytes(uint8_t model, const PERSISTPARAMS& params) {
    std::ostringstream os;
    EXPECT_TRUE(PersistSaveStream(os, model, &params));
    return os.str();
}

void ExpectRoundTrip(const Case& c, const FXBFILTERINFO& filter, const std::vector<Slice>& slices) {
    auto source = RandomImage(1000 + c.kind);
    SetCurrentBanks(source.get(), c);
    PERSISTPARAMS save{c.kind, c.index, source.get(), filter, RandomRtc(c.kind)};
    const std::string bytes = SaveBytes(c.model, save);
    ASSERT_FALSE(bytes.empty());

    auto target = RandomImage(2000 + c.kind);
    SetCurrentBanks(target.get(), c);
    auto expected = fixtures::CopyImage(*target);
    for (const Slice& s : slices)
        std::memcpy(expected->Bytes() + s.offset, source->Bytes() + s.offset, s.size);

    PERSISTPARAMS load{FTYPE_UNKNOWN, c.index, target.get(), {}, {}};
    std::istringstream is(bytes);
    ASSERT_TRUE(PersistLoadStream(is, c.model, &load));
    EXPECT_TRUE(fixtures::SameImage(*target, *expected));

    const bool hasRtc = c.kind == FTYPE_ALL || c.kind == FTYPE_FILTERED || c.kind == FTYPE_VSTBANK;
    const RTCSTAT zero{};
    EXPECT_EQ(0, std::memcmp(&load.rtc, hasRtc ? &save.rtc : &zero, sizeof(RTCSTAT)));

    // Saved again from the loaded image, the bytes are the same.
    PERSISTPARAMS again{c.kind, c.index, target.get(), filter, load.rtc};
    EXPECT_EQ(bytes, SaveBytes(c.model, again));
}

}  // namespace

class NativeRoundTrip : public testing::TestWithParam<Case> {};

TEST_P(NativeRoundTrip, LoadsExactlyItsSliceAndSavesTheSameBytesAgain) {
    const Case& c = GetParam();
    std::vector<Slice> slices = KindSlices(c.kind, c.index);
    if (c.kind == FTYPE_FILTERED || c.kind == FTYPE_VSTBANK) slices = FilterSlices(kAllFilter);
    ExpectRoundTrip(c, kAllFilter, slices);
}

TEST_P(NativeRoundTrip, SizeFieldsCountTheBytesAfterOffsetEight) {
    const Case& c = GetParam();
    auto source = RandomImage(7);
    SetCurrentBanks(source.get(), c);
    PERSISTPARAMS save{c.kind, c.index, source.get(), kAllFilter, {}};
    const std::string bytes = SaveBytes(c.model, save);
    ASSERT_GE(bytes.size(), 64u);
    auto be32 = [&](size_t at) {
        return (uint32_t(uint8_t(bytes[at])) << 24) | (uint32_t(uint8_t(bytes[at + 1])) << 16) |
               (uint32_t(uint8_t(bytes[at + 2])) << 8) | uint8_t(bytes[at + 3]);
    };
    size_t native = 0;
    if (c.kind >= FTYPE_VSTBANK) {
        native = c.kind == FTYPE_VSTBANK ? 160 : 60;
        EXPECT_EQ(bytes.substr(0, 4), "Ccnk");
        EXPECT_EQ(be32(4), bytes.size() - 8);
        EXPECT_EQ(bytes.substr(16, 4), c.model == 1 ? "VTLV" : "VMRL");
    }
    EXPECT_EQ(be32(native + 4), bytes.size() - native - 8);
    EXPECT_EQ(be32(native + 8), 1u);
    EXPECT_EQ(bytes.substr(native + 16, 4), c.model == 1 ? "VTLV" : "VMRL");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string(4, '\0'));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NativeRoundTrip, testing::ValuesIn(AllCases()), Name);

TEST(NativeFilteredSet, RoundTripsOverATableOfFilters) {
    const std::vector<std::vector<uint8_t>> filters = {
        {0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 0x28, 0xFB, 0x40, 0x01},  // everything
        {0xFF, 0x00, 0xFF, 0x00, 0x01, 0x80, 0x00, 0x00, 0x00, 0x01},  // one program bank and global
        {0x02, 0x80, 0x00, 0x05, 0x04, 0x7F, 0x01, 0x01, 0x01, 0x00},  // single banks, partial counts
        {0x80, 0x01, 0x80, 0x00, 0x00, 0x00, 0x27, 0xFA, 0x3F, 0x00},  // one combination per bank
        {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00},  // only the current sounds
        {0x01, 0x80, 0xFF, 0x80, 0xC3, 0x02, 0x28, 0x00, 0x40, 0x07, 0xAA, 0x55},  // reserved bytes kept
    };
    for (uint8_t model : {uint8_t{1}, uint8_t{9}}) {
        for (const auto& bytes : filters) {
            SCOPED_TRACE(testing::Message() << "model " << int(model) << " filter " << int(bytes[0]) << ","
                                            << int(bytes[1]) << "," << int(bytes[4]) << "," << int(bytes[5]));
            const FXBFILTERINFO f = Filter(bytes);
            ExpectRoundTrip({FTYPE_FILTERED, model, 0}, f, FilterSlices(f));
        }
    }
}

TEST(NativeFilteredSet, AllProgramBanksComeInBankOrder) {
    auto source = RandomImage(3);
    PERSISTPARAMS save{FTYPE_FILTERED, 0, source.get(), Filter({0, 0, 0, 0, 0x80, 2}), {}};
    const std::string bytes = SaveBytes(1, save);
    // Behind the header and the filter: programs 0 and 1 of banks 0, 1, 2, 3, 4.
    size_t at = 32 + 12;
    for (uint32_t bank = 0; bank < 5; ++bank) {
        for (uint32_t n = 0; n < 2; ++n, at += 444) {
            EXPECT_EQ(bytes.substr(at, 444), fixtures::Bytes(*source, 248210 + (bank * 128 + n) * 444, 444))
                << bank << ":" << n;
        }
    }
    EXPECT_EQ(bytes.substr(at, 544), fixtures::Bytes(*source, 897870, 544));  // current combination next
}

TEST(NativeChunk, LargestBankChunkIsExactlyNineHundredThousandBytes) {
    auto source = RandomImage(4);
    for (uint8_t model : {uint8_t{1}, uint8_t{9}}) {
        PERSISTPARAMS save{FTYPE_VSTBANK, 0, source.get(), kAllFilter, {}};
        EXPECT_EQ(SaveBytes(model, save).size(), 900000u);
    }
}

TEST(NativeChunk, ChunkKindsReportTheirInnerKinds) {
    auto source = RandomImage(5);
    const std::pair<FTYPE, FTYPE> kinds[] = {{FTYPE_VSTBANK, FTYPE_FILTERED},
                                             {FTYPE_VSTPROG, FTYPE_PROG},
                                             {FTYPE_VSTCOMBI, FTYPE_COMBI},
                                             {FTYPE_VSTMULTI, FTYPE_MULTI}};
    for (uint8_t model : {uint8_t{1}, uint8_t{9}}) {
        for (auto [outer, inner] : kinds) {
            PERSISTPARAMS save{outer, 0, source.get(), kAllFilter, {}};
            const std::string bytes = SaveBytes(model, save);
            std::istringstream is(bytes);
            FTYPE found = FTYPE_UNKNOWN;
            uint8_t foundModel = 0;
            EXPECT_TRUE(PersistFindStreamType(is, &found, &foundModel));
            EXPECT_EQ(found, inner);
            EXPECT_EQ(foundModel, model);

            auto target = RandomImage(6);
            PERSISTPARAMS load{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
            std::istringstream again(bytes);
            EXPECT_TRUE(PersistLoadStream(again, model, &load));
            EXPECT_EQ(load.kind, inner);
        }
    }
}
