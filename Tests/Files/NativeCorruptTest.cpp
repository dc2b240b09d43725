// Corrupt, truncated and out-of-range input fails with its error and leaves the image, the
// caller's parameters and the stream as they were; refused saves write nothing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Files/Persist.h"
#include "NativeFixtures.h"

using namespace QorX0;
using namespace fixtures;

namespace {

constexpr FXBFILTERINFO kSmallFilter{0, 1, 0, 1, 0, 1, 1, 1, 1, 1, {0, 0}};

std::string SaveOk(FTYPE kind, uint8_t model, uint32_t index = 0,
                   const FXBFILTERINFO& filter = kSmallFilter) {
    static auto image = [] {
        auto im = RandomImage(40);
        im->curprogramrec[0] = 0;
        im->curcombirec[0] = 0;
        return im;
    }();
    PERSISTPARAMS p{kind, index, image.get(), filter, {}};
    std::ostringstream os;
    EXPECT_TRUE(PersistSaveStream(os, model, &p));
    return os.str();
}

std::string Patch(std::string s, size_t at, const std::string& bytes) {
    s.replace(at, bytes.size(), bytes);
    return s;
}

uint32_t SizeField(const std::string& s, size_t at) {
    return (uint32_t(uint8_t(s[at])) << 24) | (uint32_t(uint8_t(s[at + 1])) << 16) |
           (uint32_t(uint8_t(s[at + 2])) << 8) | uint8_t(s[at + 3]);
}

struct Corrupt {
    std::string name;
    std::string bytes;
    uint8_t model;
    uint32_t index;
    const char* error;
};

// Loads bytes that must fail, and checks everything the failure must leave alone.
// The image is shared by all cases: a failed load must leave it as it was anyway.
void ExpectRefused(const Corrupt& c, CHUNK_REMOTESYNTH* image, const CHUNK_REMOTESYNTH& before) {
    SCOPED_TRACE(c.name);
    RTCSTAT rtc;
    std::memset(&rtc, 0x33, sizeof(rtc));
    const FXBFILTERINFO filter{7, 7, 7, 7, 7, 7, 7, 7, 7, 7, {7, 7}};
    PERSISTPARAMS params{FTYPE_DKIT, c.index, image, filter, rtc};

    std::istringstream is(c.bytes);
    is.exceptions(std::ios::badbit);
    TraceCapture trace;
    EXPECT_FALSE(PersistLoadStream(is, c.model, &params));
    EXPECT_EQ(trace.Text(), std::string("FileIO: Load failed, ") + c.error + "\n");

    EXPECT_TRUE(SameImage(*image, before));
    EXPECT_EQ(params.kind, FTYPE_DKIT);
    EXPECT_EQ(params.index, c.index);
    EXPECT_EQ(0, std::memcmp(&params.filter, &filter, sizeof(filter)));
    EXPECT_EQ(0, std::memcmp(&params.rtc, &rtc, sizeof(rtc)));
    EXPECT_EQ(is.tellg(), std::streampos(0));
    EXPECT_EQ(is.exceptions(), std::ios::badbit);
    EXPECT_TRUE(is.good());
}

std::vector<Corrupt> CorruptInputs() {
    const std::string extc = SaveOk(FTYPE_EXTC, 1, 3);
    const std::string filtered = SaveOk(FTYPE_FILTERED, 1);
    const std::string bank = SaveOk(FTYPE_VSTBANK, 9);
    const std::string preset = SaveOk(FTYPE_VSTPROG, 1);
    const uint32_t extcSize = SizeField(extc, 4), filteredSize = SizeField(filtered, 4);
    const uint32_t bankOuter = SizeField(bank, 4);
    const char* unknown = "unknown format";
    const char* native = "load native failed";
    const char* vst = "load VST failed";

    std::vector<Corrupt> v = {
        {"empty", "", 1, 3, unknown},
        {"size one over", Patch(extc, 4, BE32(extcSize + 1)), 1, 3, unknown},
        {"size one under", Patch(extc, 4, BE32(extcSize - 1)), 1, 3, unknown},
        {"filtered size one under", Patch(filtered, 4, BE32(filteredSize - 1)), 1, 0, native},
        {"filtered size one over", Patch(filtered, 4, BE32(filteredSize + 1)), 1, 0, unknown},
        {"filtered size below its filter", Patch(filtered, 4, BE32(24 + 11)), 1, 0, native},
        // Longer than its filter needs: written with the global data, its filter says none.
        {"filtered set longer than its filter", Patch(filtered, 32 + 9, std::string(1, '\0')), 1, 0, native},
        {"filtered set longer than its filter in a chunk", Patch(bank, 192 + 9, std::string(1, '\0')), 9, 0,
         vst},
        {"filtered set with bytes after its end", Patch(filtered, 4, BE32(filteredSize + 4)) + Zeros(4), 1, 0,
         native},
        {"filtered set with half its trailer", Patch(filtered, 4, BE32(filteredSize - 2)), 1, 0, native},
        {"chunk size one over", Patch(bank, 4, BE32(bankOuter + 1)), 9, 0, unknown},
        {"huge size", Patch(extc, 4, BE32(0xFFFFFFFF)), 1, 3, unknown},
        {"huge chunk size", Patch(bank, 4, BE32(0xFFFFFFFF)), 9, 0, unknown},
        {"huge size inside a chunk", Patch(preset, 64, BE32(0x7FFFFFFF)), 1, 0, vst},
        {"wrong kind tag", Patch(extc, 0, "tRe "), 1, 3, unknown},
        {"wrong model tag", Patch(extc, 16, "VXXX"), 1, 3, unknown},
        {"upper-case chunk magic", Patch(bank, 0, "CcnK"), 9, 0, unknown},
        {"wrong chunk model tag", Patch(bank, 16, "VTLW"), 9, 0, unknown},
        {"wrong chunk kind", Patch(bank, 8, "FBCH"), 9, 0, unknown},
        {"chunk without a native file", Patch(preset, 60, "XXXX"), 1, 0, vst},
    };
    // A filter that addresses records outside their areas or counts over their limits.
    const std::pair<size_t, uint8_t> badFilters[] = {{0, 3},   {0, 0x7F}, {2, 1},   {2, 0x7F},
                                                     {4, 5},   {4, 0x7F}, {1, 129}, {3, 129},
                                                     {5, 129}, {6, 41},   {7, 252}, {8, 65}};
    for (auto [at, value] : badFilters) {
        const std::string name = "filter byte " + std::to_string(at) + " = " + std::to_string(value);
        v.push_back({name, Patch(filtered, 32 + at, std::string(1, char(value))), 1, 0, native});
        v.push_back({name + " in a chunk", Patch(bank, 192 + at, std::string(1, char(value))), 9, 0, vst});
    }
    // A bank or item outside the model's banks and counts.
    const std::string progBank = SaveOk(FTYPE_BANKPROG, 9), combiBank = SaveOk(FTYPE_BANKCOMBI, 1);
    v.push_back({"program bank E on the Tolva", progBank, 1, 4, native});
    v.push_back({"program bank 6 on the Nerimo", progBank, 9, 5, native});
    v.push_back({"combination bank 4", combiBank, 1, 3, native});
    v.push_back({"drum kit 41", SaveOk(FTYPE_DKIT, 1, 39), 1, 40, native});
    v.push_back({"pattern 252", SaveOk(FTYPE_APAT, 1, 250), 1, 251, native});
    v.push_back({"external-control set 65", extc, 1, 64, native});
    v.push_back({"index far out", extc, 9, 0xFFFFFFFF, native});
    // Truncated at every byte.
    for (const auto& [what, whole, model] :
         {std::tuple{"set file", extc, 1}, std::tuple{"preset chunk", preset, 1},
          std::tuple{"filtered set", filtered, 1}}) {
        for (size_t n = 1; n < whole.size(); ++n) {
            v.push_back({std::string(what) + " cut to " + std::to_string(n), whole.substr(0, n),
                         uint8_t(model), 3, unknown});
        }
    }
    return v;
}

}  // namespace

TEST(NativeCorrupt, EveryCorruptInputFailsAndChangesNothing) {
    auto image = RandomImage(41);
    auto before = CopyImage(*image);
    for (const Corrupt& c : CorruptInputs()) ExpectRefused(c, image.get(), *before);
}

// A stream that reports its whole length (as a file does) but whose reads fail from one byte on,
// like a disk or network error part-way through the body.
class FailingReadBuf : public std::streambuf {
public:
    FailingReadBuf(std::string data, size_t failAt) : m_data(std::move(data)), m_failAt(failAt) { Place(0); }

protected:
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode) override {
        const off_type base = dir == std::ios::beg   ? 0
                              : dir == std::ios::cur ? gptr() - eback()
                                                     : off_type(m_data.size());
        const off_type to = base + off;
        if (to < 0 || to > off_type(m_data.size())) return pos_type(off_type(-1));
        Place(size_t(to));
        return pos_type(to);
    }
    pos_type seekpos(pos_type pos, std::ios::openmode which) override {
        return seekoff(off_type(pos), std::ios::beg, which);
    }
    int_type underflow() override { return traits_type::eof(); }

private:
    void Place(size_t at) {
        char* b = m_data.data();
        setg(b, b + at, b + std::max(at, std::min(m_failAt, m_data.size())));
    }
    std::string m_data;
    size_t m_failAt;
};

TEST(NativeCorrupt, ReadsFailingPartWayChangeNothing) {
    const FXBFILTERINFO all{0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 40, 251, 0, 1, {0, 0}};
    struct Case {
        FTYPE kind;
        uint8_t fileModel, targetModel;
    };
    const Case cases[] = {{FTYPE_ALL, 1, 1},    {FTYPE_ALL, 9, 1},     {FTYPE_FILTERED, 1, 9},
                          {FTYPE_PROG, 9, 1},   {FTYPE_ALLDKIT, 1, 9}, {FTYPE_VSTBANK, 1, 1},
                          {FTYPE_VSTPROG, 1, 9}};
    auto image = RandomImage(44);
    auto before = CopyImage(*image);
    for (const Case& c : cases) {
        const std::string whole = SaveOk(c.kind, c.fileModel, 0, all);
        for (size_t failAt : {whole.size() / 2, whole.size() - 40, whole.size() - 5}) {
            SCOPED_TRACE(testing::Message() << "kind " << c.kind << " failing at " << failAt);
            FailingReadBuf buf(whole, failAt);
            std::istream is(&buf);
            RTCSTAT rtc;
            std::memset(&rtc, 0x5A, sizeof rtc);
            PERSISTPARAMS p{FTYPE_UNKNOWN, 0, image.get(), {}, rtc};
            TraceCapture trace;
            EXPECT_FALSE(PersistLoadStream(is, c.targetModel, &p));
            // Found and refused while its body was read, not before.
            EXPECT_NE(trace.Text().find(" failed\n"), std::string::npos) << trace.Text();
            EXPECT_EQ(trace.Text().find("unknown format"), std::string::npos) << trace.Text();
            EXPECT_TRUE(SameImage(*image, *before));
            EXPECT_EQ(p.kind, FTYPE_UNKNOWN);
            EXPECT_EQ(0, std::memcmp(&p.rtc, &rtc, sizeof rtc));
        }
        // Read whole, the same bytes load.
        FailingReadBuf buf(whole, whole.size());
        std::istream is(&buf);
        auto target = CopyImage(*before);
        PERSISTPARAMS p{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
        EXPECT_TRUE(PersistLoadStream(is, c.targetModel, &p)) << c.kind;
    }
}

// The four zero bytes at the end of a filtered set are never read, and older files may lack them.
TEST(NativeCorrupt, FilteredSetWithoutItsTrailerLoads) {
    const std::string whole = SaveOk(FTYPE_FILTERED, 1);
    const std::string cut = Patch(whole, 4, BE32(SizeField(whole, 4) - 4)).substr(0, whole.size() - 4);
    auto a = RandomImage(43), b = CopyImage(*a);
    for (auto [bytes, image] : {std::pair{&whole, a.get()}, std::pair{&cut, b.get()}}) {
        PERSISTPARAMS p{FTYPE_UNKNOWN, 0, image, {}, {}};
        std::istringstream is(*bytes);
        ASSERT_TRUE(PersistLoadStream(is, 1, &p));
        EXPECT_EQ(p.kind, FTYPE_FILTERED);
    }
    EXPECT_TRUE(SameImage(*a, *b));
}

TEST(NativeCorrupt, RefusedSavesWriteNothing) {
    auto image = RandomImage(42);
    const FXBFILTERINFO good{0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 40, 251, 64, 1, {0, 0}};
    FXBFILTERINFO tooManyKits = good, badBank = good;
    tooManyKits.drumkitCount = 41;
    badBank.progBank = 5;
    struct Case {
        const char* name;
        FTYPE kind;
        uint8_t model;
        uint32_t index;
        FXBFILTERINFO filter;
        uint8_t progRecBank, combiRecBank;
        const char* error;
    };
    const Case cases[] = {
        {"kind 27", static_cast<FTYPE>(27), 1, 0, good, 0, 0, "invalid argument"},
        {"kind 0", FTYPE_UNKNOWN, 1, 0, good, 0, 0, "invalid argument"},
        {"PCG for model 2", FTYPE_PCG_FIRST, 2, 0, good, 0, 0, "invalid argument"},
        {"41 drum kits", FTYPE_FILTERED, 1, 0, tooManyKits, 0, 0, "save native failed"},
        {"program bank byte 5", FTYPE_FILTERED, 9, 0, badBank, 0, 0, "save native failed"},
        {"41 drum kits in a chunk", FTYPE_VSTBANK, 1, 0, tooManyKits, 0, 0, "save VST failed"},
        {"model 2", FTYPE_ALL, 2, 0, good, 0, 0, "save native failed"},
        {"model 2 chunk", FTYPE_VSTPROG, 2, 0, good, 0, 0, "save VST failed"},
        {"current program in bank E on the Tolva", FTYPE_BANKPROG, 1, 0, good, 4, 0, "save native failed"},
        {"current program in the GM bank on the Nerimo", FTYPE_BANKPROG, 9, 0, good, 5, 0,
         "save native failed"},
        {"current combination in bank 4", FTYPE_BANKCOMBI, 1, 0, good, 0, 3, "save native failed"},
        {"drum kit 41", FTYPE_DKIT, 1, 40, good, 0, 0, "save native failed"},
        {"pattern 252", FTYPE_APAT, 9, 251, good, 0, 0, "save native failed"},
        {"external-control set 65", FTYPE_EXTC, 9, 64, good, 0, 0, "save native failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        image->curprogramrec[0] = c.progRecBank;
        image->curcombirec[0] = c.combiRecBank;
        PERSISTPARAMS p{c.kind, c.index, image.get(), c.filter, {}};
        std::ostringstream os;
        TraceCapture trace;
        EXPECT_FALSE(PersistSaveStream(os, c.model, &p));
        EXPECT_EQ(trace.Text(), std::string("FileIO: Save failed, ") + c.error + "\n");
        EXPECT_TRUE(os.str().empty());
        EXPECT_EQ(os.exceptions(), std::ios::goodbit);
    }
}
