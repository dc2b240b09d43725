#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "Hfc/Base/HfcUtil.h"
#include "Linux/SysTick.h"

namespace {

TEST(HfcTime, IsTheMonotonicTickAndKeepsDifferencesAcrossTheWrap) {
    const uint32_t tick = GetSysTick();
    const uint32_t now = HfcGetSystemTimeMs();
    EXPECT_LE(now - tick, 1000u);
    // Just before and after the 32-bit millisecond wrap: a small number after a large one, and the
    // unsigned difference is the time that passed.
    constexpr uint64_t kWrapUs = (1ull << 32) * 1000u;
    const uint32_t before = SysTickFromMicroseconds(kWrapUs - 3000);
    const uint32_t after = SysTickFromMicroseconds(kWrapUs + 4000);
    EXPECT_GT(before, after);
    EXPECT_EQ(after - before, 7u);
}

TEST(HfcFile, GetExtension) {
    struct Case {
        const char* path;
        int size;
        bool ok;
        const char* out;
    };
    const Case cases[] = {
        {"sound.tlv", 16, true, ".tlv"},
        {"/a/b.c/d", 16, true, ".c/d"},  // only the last '.' counts, folders included
        {"a.b.pcg", 16, true, ".pcg"},
        {"archive.tar", 3, true, ".t"},  // cut to size - 1
        {"archive.tar", 1, true, ""},
        {".hidden", 16, false, "keep"},  // the only '.' is the first character
        {"noext", 16, false, "keep"},
        {"sound.tlv", 0, false, "keep"},  // size 0 or less: nothing written
        {"sound.tlv", -3, false, "keep"},
    };
    for (const Case& c : cases) {
        char out[16] = "keep";
        EXPECT_EQ(CHfcFile::GetExtension(c.path, out, c.size), c.ok) << c.path << " " << c.size;
        EXPECT_STREQ(out, c.out) << c.path << " " << c.size;
    }
    char out[4] = "abc";
    EXPECT_FALSE(CHfcFile::GetExtension(nullptr, out, 4));
    EXPECT_STREQ(out, "abc");
}

TEST(HfcFile, AddExtensionIsBounded) {
    char path[12] = "sound";
    EXPECT_TRUE(CHfcFile::AddExtension(path, sizeof path, ".tlv"));
    EXPECT_STREQ(path, "sound.tlv");
    EXPECT_FALSE(CHfcFile::AddExtension(path, sizeof path, ".pcg"));  // would need 14 bytes
    EXPECT_STREQ(path, "sound.tlv");
    EXPECT_TRUE(CHfcFile::AddExtension(path, sizeof path, ".x"));  // exactly fills the buffer
    EXPECT_STREQ(path, "sound.tlv.x");
    char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_FALSE(CHfcFile::AddExtension(unterminated, sizeof unterminated, ""));
    EXPECT_FALSE(CHfcFile::AddExtension(path, 0, ""));
}

TEST(HfcFile, GetFileSize) {
    const std::string folder = testing::TempDir() + "/hfcfile";
    std::filesystem::create_directories(folder);
    const std::string file = folder + "/data.bin";
    {
        std::ofstream out(file, std::ios::binary);
        out << std::string(1234, 'z');
    }
    unsigned long long size = 0;
    EXPECT_TRUE(CHfcFile::GetFileSize(file.c_str(), &size));
    EXPECT_EQ(size, 1234u);
    size = 7;
    EXPECT_FALSE(CHfcFile::GetFileSize(folder.c_str(), &size));
    EXPECT_FALSE(CHfcFile::GetFileSize((folder + "/missing").c_str(), &size));
    EXPECT_EQ(size, 7u);
    std::filesystem::remove_all(folder);
}

TEST(HfcGeometry, RectsAndPoints) {
    tagHfcRect a, b, u;
    HfcSetRect(&a, 10, 20, 30, 40);
    HfcSetRect(&b, 0, 25, 35, 35);
    HfcUnionRect(&u, &a, &b);
    EXPECT_EQ(u.left, 0);
    EXPECT_EQ(u.top, 20);
    EXPECT_EQ(u.right, 35);
    EXPECT_EQ(u.bottom, 40);
    tagHfcRect empty{0, 0, 0, 0};
    HfcUnionRect(&a, &a, &empty);  // empty rectangles count like any other; out may alias an input
    EXPECT_EQ(a.left, 0);
    EXPECT_EQ(a.top, 0);
    EXPECT_EQ(a.right, 30);

    tagHfcPoint p;
    HfcSetPoint(&p, -5, 7);
    HfcMacPoint m;
    HfcPoint2MacPoint(&m, &p);
    EXPECT_EQ(m.h, -5);
    EXPECT_EQ(m.v, 7);
    HfcMacPoint back{123, -456};
    MacPoint2HfcPoint(&p, &back);
    EXPECT_EQ(p.x, 123);
    EXPECT_EQ(p.y, -456);
    HfcSetPoint(&p, 70000, INT_MIN);
    HfcPoint2MacPoint(&m, &p);
    EXPECT_EQ(m.h, SHRT_MAX);
    EXPECT_EQ(m.v, SHRT_MIN);
}

TEST(HfcMemory, WrappersBehaveAsTheStandardOnes) {
    auto* block = static_cast<unsigned char*>(HfcMemAlloc(8));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(HfcMemSet(block, 0xAB, 8), block);
    block = static_cast<unsigned char*>(HfcMemRealloc(block, 16));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(block[7], 0xAB);
    HfcMemFree(block);
}

}  // namespace
