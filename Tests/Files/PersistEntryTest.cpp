// The public save, load and type-finding functions: streams left as they were found, the path
// forms, and what the type finder reports.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "Common/Files/ChunkHeader.h"
#include "Common/Files/NativeFile.h"
#include "Common/Files/Persist.h"
#include "NativeFixtures.h"

using namespace QorX0;
using namespace fixtures;
namespace fs = std::filesystem;

namespace {

std::string SaveKind(FTYPE kind, uint8_t model, CHUNK_REMOTESYNTH* image, uint32_t index = 0) {
    const FXBFILTERINFO filter{0xFF, 0x80, 0xFF, 0x80, 0xFF, 0x80, 40, 251, 64, 1, {0, 0}};
    PERSISTPARAMS p{kind, index, image, filter, {}};
    std::ostringstream os;
    EXPECT_TRUE(PersistSaveStream(os, model, &p));
    return os.str();
}

class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/tolva-persist-XXXXXX";
        mPath = mkdtemp(pattern);
    }
    ~TempDir() { fs::remove_all(mPath); }
    std::string File(const char* name) const { return (mPath / name).string(); }
    fs::path Path() const { return mPath; }

private:
    fs::path mPath;
};

// Takes every byte written but cannot seek, like a pipe.
class PipeBuf : public std::streambuf {
public:
    std::string written;

protected:
    int overflow(int c) override {
        if (c != traits_type::eof()) written += static_cast<char>(c);
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        written.append(s, static_cast<size_t>(n));
        return n;
    }
};

std::string ReadFile(const std::string& path) {
    std::ifstream is(path, std::ios::binary);
    std::ostringstream os;
    os << is.rdbuf();
    return os.str();
}

}  // namespace

TEST(PersistEntry, FailuresAreTracedWithTheirTexts) {
    auto image = RandomImage(50);
    {
        PERSISTPARAMS p{static_cast<FTYPE>(27), 0, image.get(), {}, {}};
        std::ostringstream os;
        TraceCapture trace;
        EXPECT_FALSE(PersistSaveStream(os, 1, &p));
        EXPECT_EQ(trace.Text(), "FileIO: Save failed, invalid argument\n");
    }
    // Native files and chunks need a stream that seeks back to their size fields.
    for (auto [kind, text] :
         {std::pair{FTYPE_PROG, "save native failed"}, std::pair{FTYPE_VSTPROG, "save VST failed"}}) {
        PERSISTPARAMS p{kind, 0, image.get(), {}, {}};
        PipeBuf pipe;
        std::ostream os(&pipe);
        TraceCapture trace;
        EXPECT_FALSE(PersistSaveStream(os, 1, &p));
        EXPECT_EQ(trace.Text(), std::string("FileIO: Save failed, ") + text + "\n");
        EXPECT_TRUE(pipe.written.empty());
    }
    {
        PERSISTPARAMS p{FTYPE_UNKNOWN, 0, image.get(), {}, {}};
        std::istringstream is("");
        TraceCapture trace;
        EXPECT_FALSE(PersistLoadStream(is, 1, &p));
        EXPECT_EQ(trace.Text(), "FileIO: Load failed, unknown format\n");
    }
    {
        PERSISTPARAMS p{FTYPE_UNKNOWN, 0, nullptr, {}, {}};
        std::istringstream is(SaveKind(FTYPE_EXTC, 1, image.get()));
        TraceCapture trace;
        EXPECT_FALSE(PersistLoadStream(is, 1, &p));
        EXPECT_EQ(trace.Text(), "FileIO: Load failed, invalid argument\n");
    }
}

TEST(PersistEntry, LoadReturnsToWhereTheStreamStoodAndRestoresItsMask) {
    auto image = RandomImage(51);
    const std::string file = SaveKind(FTYPE_COMBI, 1, image.get());
    for (size_t prefix : {size_t{0}, size_t{10}}) {
        SCOPED_TRACE(prefix);
        std::istringstream is(std::string(prefix, 'x') + file);
        is.seekg(static_cast<std::streamoff>(prefix));
        is.exceptions(std::ios::failbit);
        auto target = RandomImage(52);
        PERSISTPARAMS p{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
        ASSERT_TRUE(PersistLoadStream(is, 1, &p));
        EXPECT_EQ(p.kind, FTYPE_COMBI);
        EXPECT_EQ(is.tellg(), std::streampos(static_cast<std::streamoff>(prefix)));
        EXPECT_EQ(is.exceptions(), std::ios::failbit);
        // Loading twice from the same stream works: nothing was left consumed.
        EXPECT_TRUE(PersistLoadStream(is, 1, &p));
    }
}

TEST(PersistEntry, StreamThatArrivesInAFailedStateIsClearedFirst) {
    auto image = RandomImage(53);
    std::istringstream is(SaveKind(FTYPE_MULTI, 9, image.get()));
    is.setstate(std::ios::failbit);
    auto target = RandomImage(54);
    PERSISTPARAMS p{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
    EXPECT_TRUE(PersistLoadStream(is, 9, &p));
    EXPECT_EQ(0, std::memcmp(target->curmulti, image->curmulti, sizeof(image->curmulti)));

    std::ostringstream os;
    os.setstate(std::ios::badbit);
    os.exceptions(std::ios::eofbit);
    PERSISTPARAMS s{FTYPE_EXTC, 1, image.get(), {}, {}};
    EXPECT_TRUE(PersistSaveStream(os, 1, &s));
    EXPECT_EQ(os.str().size(), 76u);
    EXPECT_EQ(os.exceptions(), std::ios::eofbit);
}

TEST(PersistEntry, FindStreamType) {
    auto image = RandomImage(55);
    struct Case {
        FTYPE saved;
        uint8_t model;
        FTYPE found;
        std::streamoff after;  // where the stream stands afterwards
    };
    const Case cases[] = {
        {FTYPE_ALL, 1, FTYPE_ALL, 32},
        {FTYPE_DKIT, 9, FTYPE_DKIT, 32},
        {FTYPE_VSTBANK, 9, FTYPE_FILTERED, 192},
        {FTYPE_VSTMULTI, 1, FTYPE_MULTI, 92},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.saved);
        std::istringstream is(SaveKind(c.saved, c.model, image.get()));
        FTYPE kind = FTYPE_UNKNOWN;
        uint8_t model = 0;
        EXPECT_TRUE(PersistFindStreamType(is, &kind, &model));
        EXPECT_EQ(kind, c.found);
        EXPECT_EQ(model, c.model);
        EXPECT_EQ(is.tellg(), std::streampos(c.after));

        std::istringstream again(is.str());
        EXPECT_TRUE(PersistFindStreamType(again, nullptr, nullptr));
    }
    std::istringstream junk("VELK this is no data file of ours, long enough to be read");
    FTYPE kind = FTYPE_APAT;
    uint8_t model = 7;
    EXPECT_FALSE(PersistFindStreamType(junk, &kind, &model));
    EXPECT_EQ(kind, FTYPE_UNKNOWN);
    EXPECT_EQ(model, 0);
    EXPECT_EQ(junk.tellg(), std::streampos(0));
    EXPECT_FALSE(PersistFindStreamType(junk, nullptr, nullptr));
}

TEST(PersistEntry, ChunkHeaderParserSkipsToTheNativeHeader) {
    auto image = RandomImage(56);
    const std::string bank = SaveKind(FTYPE_VSTBANK, 1, image.get());
    const std::string preset = SaveKind(FTYPE_VSTCOMBI, 9, image.get());
    std::istringstream b(bank), p(preset);
    ASSERT_TRUE(ParseStreamVSTHeader(b));
    EXPECT_EQ(b.tellg(), std::streampos(160));
    ASSERT_TRUE(ParseStreamVSTHeader(p));
    EXPECT_EQ(p.tellg(), std::streampos(60));
    // The bank chunk's native size field at 164 counts its own file.
    const std::string native = bank.substr(160);
    std::istringstream n(native);
    NATIVEHEADER h;
    ASSERT_TRUE(ParseNativeHeader(n, &h));
    EXPECT_EQ(h.kind, FTYPE_FILTERED);
    EXPECT_EQ(h.size + 8, native.size());
    // Only 28 bytes are read before deciding; fewer fail.
    std::istringstream shortHeader(bank.substr(0, 27));
    EXPECT_FALSE(ParseStreamVSTHeader(shortHeader));
}

TEST(PersistEntry, KindInfo) {
    EXPECT_STREQ(GetNativeKindInfo(FTYPE_ALL)->label, "All Data (*.Xall)");
    EXPECT_STREQ(GetNativeKindInfo(FTYPE_APAT)->extension, "*.X1apat");
    EXPECT_EQ(GetNativeKindInfo(FTYPE_FILTERED)->label, nullptr);
    EXPECT_STREQ(GetNativeKindInfo(FTYPE_VSTBANK)->tag, "trx ");
    EXPECT_STREQ(GetNativeKindInfo(FTYPE_VSTMULTI)->tag, "trm ");
    EXPECT_EQ(GetNativeKindInfo(FTYPE_PCG_FIRST), nullptr);
    EXPECT_EQ(GetNativeKindInfo(FTYPE_PROG)->minSize, 480u);
    EXPECT_EQ(GetNativeKindInfo(FTYPE_ALL)->minSize, 899820u);
}

TEST(PersistEntry, PathForms) {
    TempDir dir;
    auto image = RandomImage(57);
    const std::string path = dir.File("bank.Xbankcombi");
    image->curcombirec[0] = 2;
    PERSISTPARAMS save{FTYPE_BANKCOMBI, 0, image.get(), {}, {}};
    ASSERT_TRUE(PersistSaveStream(path.c_str(), 1, &save));
    const std::string written = ReadFile(path);
    EXPECT_EQ(written.size(), 32u + 69632u + 4u);

    FTYPE kind = FTYPE_UNKNOWN;
    uint8_t model = 0;
    EXPECT_TRUE(PersistFindStreamType(path.c_str(), &kind, &model));
    EXPECT_EQ(kind, FTYPE_BANKCOMBI);
    EXPECT_EQ(model, 1);

    auto target = RandomImage(58);
    PERSISTPARAMS load{FTYPE_UNKNOWN, 1, target.get(), {}, {}};
    ASSERT_TRUE(PersistLoadStream(path.c_str(), 1, &load));
    EXPECT_EQ(0, std::memcmp(target->combi[1], image->combi[2], sizeof(image->combi[2])));

    // A refused save leaves the file that was there, and no temporary file behind.
    image->curcombirec[0] = 3;
    EXPECT_FALSE(PersistSaveStream(path.c_str(), 1, &save));
    EXPECT_EQ(ReadFile(path), written);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 1);

    const std::string missing = dir.File("missing.X1prog");
    EXPECT_FALSE(PersistLoadStream(missing.c_str(), 1, &load));
    EXPECT_FALSE(PersistFindStreamType(missing.c_str(), &kind, &model));
    EXPECT_EQ(kind, FTYPE_UNKNOWN);
    const std::string nowhere = dir.File("no/such/dir/x.X1prog");
    EXPECT_FALSE(PersistSaveStream(nowhere.c_str(), 1, &save));
}

// The path form replaces the file whole: the user's own files beside it are never touched (a
// "<name>.part" among them), a symbolic link stays a link to the new contents, the file keeps its
// permissions, and a refused save changes nothing on disk.
TEST(PersistEntry, PathFormReplacesOnlyTheFileItNames) {
    TempDir dir;
    auto image = RandomImage(59);
    PERSISTPARAMS save{FTYPE_PROG, 0, image.get(), {}, {}};
    std::ostringstream expected;
    ASSERT_TRUE(PersistSaveStream(expected, 1, &save));

    const std::string real = dir.File("sounds.X1prog"), part = real + ".part", link = dir.File("link.X1prog");
    {
        std::ofstream(real, std::ios::binary) << "old contents";
        std::ofstream(part, std::ios::binary) << "the user's own notes";
    }
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("sounds.X1prog", link);

    // Refused (a combination bank with no bank selected): nothing changes.
    image->curcombirec[0] = 3;
    PERSISTPARAMS refused{FTYPE_BANKCOMBI, 0, image.get(), {}, {}};
    EXPECT_FALSE(PersistSaveStream(real.c_str(), 1, &refused));
    EXPECT_FALSE(PersistSaveStream(link.c_str(), 1, &refused));
    EXPECT_EQ(ReadFile(real), "old contents");
    EXPECT_EQ(ReadFile(part), "the user's own notes");

    // Saved through the link: the link remains and points at the new contents.
    ASSERT_TRUE(PersistSaveStream(link.c_str(), 1, &save));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(fs::read_symlink(link), "sounds.X1prog");
    EXPECT_EQ(ReadFile(real), expected.str());
    EXPECT_EQ(fs::status(real).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(ReadFile(part), "the user's own notes");

    // Saved by its own name: the same, and nothing else is left in the folder.
    ASSERT_TRUE(PersistSaveStream(real.c_str(), 1, &save));
    EXPECT_EQ(ReadFile(real), expected.str());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 3);

    // A link to a file not made yet: the file is made where the link points.
    const std::string dangling = dir.File("ahead.X1prog");
    fs::create_symlink("later.X1prog", dangling);
    ASSERT_TRUE(PersistSaveStream(dangling.c_str(), 1, &save));
    EXPECT_TRUE(fs::is_symlink(dangling));
    EXPECT_EQ(ReadFile(dir.File("later.X1prog")), expected.str());

    // A path that names a folder is refused and the folder stays.
    fs::create_directory(dir.File("folder"));
    EXPECT_FALSE(PersistSaveStream(dir.File("folder").c_str(), 1, &save));
    EXPECT_TRUE(fs::is_directory(dir.File("folder")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), fs::directory_iterator()), 6);
}

TEST(PersistEntry, PcgKindsGoThroughTheEngine) {
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();  // all zero: values every PCG kind can hold
    for (uint8_t model : {uint8_t{1}, uint8_t{9}}) {
        for (uint32_t k = FTYPE_PCG_FIRST; k <= FTYPE_PCG_LAST; ++k) {
            SCOPED_TRACE(testing::Message() << "model " << int(model) << " kind " << k);
            PERSISTPARAMS save{static_cast<FTYPE>(k), 0, image.get(), {}, {}};
            std::ostringstream os;
            ASSERT_TRUE(PersistSaveStream(os, model, &save));
            EXPECT_EQ(os.str().substr(0, 4), "VELK");

            // Exports hold no "DIV1" or "INI1" chunks, so kinds 22 and 23 are found as plain 21.
            const FTYPE expect = (k == 22 || k == 23) ? FTYPE_PCG_FIRST : static_cast<FTYPE>(k);
            std::istringstream is(os.str());
            FTYPE kind = FTYPE_UNKNOWN;
            EXPECT_TRUE(PersistFindStreamType(is, &kind, nullptr));
            EXPECT_EQ(kind, expect);
            EXPECT_EQ(is.tellg(), std::streampos(0));  // ready to be loaded from its start

            auto target = std::make_unique<CHUNK_REMOTESYNTH>(*image);
            PERSISTPARAMS load{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
            std::istringstream again(os.str());
            EXPECT_TRUE(PersistLoadStream(again, model, &load));
            EXPECT_EQ(load.kind, expect);
            EXPECT_EQ(again.tellg(), std::streampos(0));

            // A target model the engine has no tables for is refused before anything is converted.
            PERSISTPARAMS other{FTYPE_UNKNOWN, 0, target.get(), {}, {}};
            std::istringstream third(os.str());
            TraceCapture trace;
            EXPECT_FALSE(PersistLoadStream(third, 2, &other));
            EXPECT_EQ(trace.Text(), "FileIO: Load failed, invalid argument\n");
            EXPECT_EQ(other.kind, FTYPE_UNKNOWN);
        }
    }
}
