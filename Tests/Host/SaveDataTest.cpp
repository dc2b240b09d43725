// The preferences record as a file: its bytes, its versions, damaged files and safe saving.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "Host/HostSupport.h"
#include "Host/SaveData.h"

namespace {

SaveData KnownRecord() {
    SaveData d;
    d.deviceName = "Fake Stereo";
    d.format = MakeStreamDescription(SampleKind::Float32, 48000, 2);
    d.midiEndpointName[0] = "Port 1";
    d.midiDeviceName[0] = "Interface";
    d.midiEntry[0].exclusive = true;
    d.midiEntry[0].kind = 4;
    d.midiEntry[0].number = 2;
    d.midiEntry[0].uniqueID = 0x11223344;
    d.midiEntry[0].endpoint = 0x00140000;
    d.bufferFrames = 256;
    d.firstChannel = 2;
    d.autoStop = true;
    d.cpuLimit = 80;
    d.knobMode = 1;
    d.clockSourceID = 7;
    return d;
}

std::string Hex(const std::vector<uint8_t>& b, size_t at, size_t n) {
    std::string s;
    char x[4];
    for (size_t i = 0; i < n; ++i) {
        std::snprintf(x, sizeof x, "%02X", b[at + i]);
        s += (i ? " " : "") + std::string(x);
    }
    return s;
}

void Put32(std::vector<uint8_t>* b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) (*b)[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

std::string RefusalText(const std::vector<uint8_t>& b) {
    try {
        SaveDataDecode(b.data(), b.size());
    } catch (const ZbrException& e) {
        return e.what();
    }
    return "accepted";
}

}  // namespace

TEST(SaveData, KnownRecordBytesArePinned) {
    const std::vector<uint8_t> b = SaveDataEncode(KnownRecord());
    ASSERT_EQ(b.size(), 9464u);
    EXPECT_EQ(Hex(b, 0, 16), "43 74 6E 56 46 61 6B 65 20 53 74 65 72 65 6F 00");
    EXPECT_EQ(Hex(b, 1028, 40),
              "00 00 00 00 00 70 E7 40 6D 63 70 6C 09 00 00 00 08 00 00 00 01 00 00 00 08 00 00 00 "
              "02 00 00 00 20 00 00 00 00 00 00 00");
    EXPECT_EQ(Hex(b, 1068, 8), "50 6F 72 74 20 31 00 00");
    EXPECT_EQ(Hex(b, 2092, 10), "49 6E 74 65 72 66 61 63 65 00");
    EXPECT_EQ(Hex(b, 9260, 44),
              "00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00 04 00 00 00 02 00 00 00 01 00 00 00 "
              "44 33 22 11 00 00 14 00 00 00 00 00 00 00 00 00");
    EXPECT_EQ(Hex(b, 9436, 28),
              "00 01 00 00 02 00 00 00 03 00 00 00 01 00 00 00 50 00 00 00 01 00 00 00 07 00 00 00");
    // The other three entries are empty but for their word of 1 and kind 4.
    EXPECT_EQ(Hex(b, 9304, 44),
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 04 00 00 00 00 00 00 00 01 00 00 00 "
              "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(SaveData, RoundTripKeepsEveryField) {
    const SaveData in = KnownRecord();
    const std::vector<uint8_t> b = SaveDataEncode(in);
    const SaveData out = SaveDataDecode(b.data(), b.size());
    EXPECT_EQ(out.version, 3u);
    EXPECT_EQ(out.deviceName, in.deviceName);
    EXPECT_TRUE(out.format.SameAs(in.format));
    EXPECT_EQ(out.midiEndpointName[0], "Port 1");
    EXPECT_EQ(out.midiDeviceName[0], "Interface");
    EXPECT_TRUE(out.midiEntry[0].exclusive);
    EXPECT_EQ(out.midiEntry[0].uniqueID, 0x11223344u);
    EXPECT_EQ(out.bufferFrames, 256u);
    EXPECT_EQ(out.firstChannel, 2u);
    EXPECT_TRUE(out.autoStop);
    EXPECT_EQ(out.cpuLimit, 80u);
    EXPECT_EQ(out.knobMode, 1u);
    EXPECT_EQ(out.clockSourceID, 7u);
}

TEST(SaveData, NoDeviceLeavesTheFormatZero) {
    SaveData d = KnownRecord();
    d.deviceName.clear();
    const std::vector<uint8_t> b = SaveDataEncode(d);
    EXPECT_EQ(Hex(b, 1028, 8), "00 00 00 00 00 00 00 00");
}

TEST(SaveData, LongNameIsCutTo1023Bytes) {
    SaveData d = KnownRecord();
    d.deviceName = std::string(1500, 'x');
    const std::vector<uint8_t> b = SaveDataEncode(d);
    EXPECT_EQ(b[4 + 1022], 'x');
    EXPECT_EQ(b[4 + 1023], 0);
    EXPECT_EQ(SaveDataDecode(b.data(), b.size()).deviceName, std::string(1023, 'x'));
}

TEST(SaveData, NameWithoutItsNulEndsAtItsField) {
    std::vector<uint8_t> b = SaveDataEncode(KnownRecord());
    std::fill(b.begin() + 4, b.begin() + 1028, 'A');  // the device name runs into the format
    EXPECT_EQ(SaveDataDecode(b.data(), b.size()).deviceName, std::string(1023, 'A'));
}

// Which version a file is read as, by magic and length, and what its later fields become.
TEST(SaveData, VersionByMagicAndLength) {
    struct Case {
        const char* what;
        uint32_t magic;
        size_t length;
        uint32_t storedVersion;
        uint32_t version;  // 0: refused
    };
    const Case cases[] = {
        {"'Vntc' of 9444 bytes is version 1", 0x566E7463, 9444, 3, 1},
        {"'Vntc' of 9459 bytes is version 1", 0x566E7463, 9459, 3, 1},
        {"'Vntc' of 9460 bytes short of version 3 is version 1", 0x566E7463, 9460, 3, 1},
        {"'Vntc' of 9463 bytes is version 1", 0x566E7463, 9463, 3, 1},
        {"'Vntc' of 9464 bytes takes its stored version", 0x566E7463, 9464, 3, 3},
        {"'Vntc' of 9464 bytes, stored 2", 0x566E7463, 9464, 2, 2},
        {"'VntC' whole", 0x566E7443, 9464, 3, 3},
        {"'VntC' version 2 of 9460 bytes", 0x566E7443, 9460, 2, 2},
        {"'VntC' version 1 of 9448 bytes", 0x566E7443, 9448, 1, 1},
        {"'VntC' above 3 read as 3", 0x566E7443, 9464, 9, 3},
        {"'VntC' of 9446 bytes (version cut) refused", 0x566E7443, 9446, 3, 0},
        {"'VntC' version 3 of 9460 bytes refused", 0x566E7443, 9460, 3, 0},
        {"'VntC' version 2 of 9450 bytes refused", 0x566E7443, 9450, 2, 0},
        {"version 0 refused", 0x566E7443, 9464, 0, 0},
        {"wrong magic refused", 0x12345678, 9464, 3, 0},
    };
    for (const Case& c : cases) {
        std::vector<uint8_t> b = SaveDataEncode(KnownRecord());
        Put32(&b, 0, c.magic);
        Put32(&b, 9444, c.storedVersion);
        b.resize(c.length);
        if (c.version == 0) {
            EXPECT_NE(RefusalText(b), "accepted") << c.what;
            continue;
        }
        const SaveData d = SaveDataDecode(b.data(), b.size());
        EXPECT_EQ(d.version, c.version) << c.what;
        EXPECT_EQ(d.deviceName, "Fake Stereo") << c.what;
        EXPECT_EQ(d.autoStop, c.version >= 2) << c.what;
        EXPECT_EQ(d.cpuLimit, c.version >= 2 ? 80u : 100u) << c.what;
        EXPECT_EQ(d.knobMode, c.version >= 2 ? 1u : 2u) << c.what;
        EXPECT_EQ(d.clockSourceID, c.version >= 3 ? 7u : 0u) << c.what;
    }
}

TEST(SaveData, RefusalTexts) {
    std::vector<uint8_t> b = SaveDataEncode(KnownRecord());
    b.resize(9443);
    EXPECT_EQ(RefusalText(b), "(readLength >= (int)sizeof(SaveData)) is not");
    b = SaveDataEncode(KnownRecord());
    b.resize(9446);
    EXPECT_EQ(RefusalText(b), "(readLength >= (int)sizeof(SaveData)) is not");
}

class SaveDataFile : public ::testing::Test {
protected:
    void SetUp() override {
        char tmpl[] = "/tmp/tolva_prefs_XXXXXX";
        ASSERT_NE(mkdtemp(tmpl), nullptr);
        m_dir = tmpl;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }
    std::string m_dir;
};

TEST_F(SaveDataFile, PathFollowsTheConfigFolder) {
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    setenv("XDG_CONFIG_HOME", m_dir.c_str(), 1);
    EXPECT_EQ(getSettingFilePath(), m_dir + "/Velk Tolva Editor Preferences");
    if (old)
        setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

TEST_F(SaveDataFile, WriteThenReadMakesTheFolder) {
    const std::string path = m_dir + "/sub/folder/prefs";
    ASSERT_TRUE(SaveDataWriteFile(path, KnownRecord()));
    EXPECT_EQ(SaveDataReadFile(path).cpuLimit, 80u);
    struct stat st;
    EXPECT_NE(stat((path + ".part").c_str(), &st), 0) << "no temporary file is left behind";
}

TEST_F(SaveDataFile, FailedWriteKeepsTheOldFile) {
    const std::string path = m_dir + "/prefs";
    ASSERT_TRUE(SaveDataWriteFile(path, KnownRecord()));
    // The temporary file cannot be made: a folder has its name.
    ASSERT_EQ(mkdir((path + ".part").c_str(), 0755), 0);
    SaveData changed = KnownRecord();
    changed.cpuLimit = 55;
    EXPECT_FALSE(SaveDataWriteFile(path, changed));
    EXPECT_EQ(SaveDataReadFile(path).cpuLimit, 80u);
}

TEST_F(SaveDataFile, MissingAndShortFilesAreRefused) {
    try {
        SaveDataReadFile(m_dir + "/none");
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(), "fp is null");
    }
    std::ofstream(m_dir + "/short") << "Vn";
    try {
        SaveDataReadFile(m_dir + "/short");
        FAIL();
    } catch (const ZbrException& e) {
        EXPECT_STREQ(e.what(), "(readUnit == 1) is not");
    }
}
