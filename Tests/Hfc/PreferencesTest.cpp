#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "Hfc/Base/HfcPreferences.h"

namespace {

// Every test gets its own configuration folder.
class Preferences : public testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-prefs-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_folder = pattern;
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_hadOld = old != nullptr;
        if (m_hadOld) m_old = old;
        m_config = m_folder + "/config";  // not there yet: Close creates it
        setenv("XDG_CONFIG_HOME", m_config.c_str(), 1);
    }
    void TearDown() override {
        if (m_hadOld)
            setenv("XDG_CONFIG_HOME", m_old.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(m_folder);
    }
    std::string ReadBack(const char* app, const char* key, int size = 64) {
        CHfcPreferences prefs;
        EXPECT_TRUE(prefs.Open(app));
        std::string buffer(static_cast<size_t>(size), 'X');
        prefs.ReadString(key, buffer.data(), size, "default");
        return buffer.c_str();
    }
    std::string m_folder, m_config, m_old;
    bool m_hadOld = false;
};

TEST_F(Preferences, RoundTripThroughCloseAndReopen) {
    {
        CHfcPreferences prefs;
        ASSERT_TRUE(prefs.Open("Tolva Editor"));
        prefs.WriteInteger("Filter.AllSw", 1);
        prefs.WriteInteger("Latency", -2147483647 - 1);
        prefs.WriteString("MIDIOutName", "Port 1\tA\\B\nC");
        prefs.WriteString("Empty", "");
        EXPECT_EQ(prefs.FilePath(), m_config + "/Tolva Editor.prefs");
    }  // the destructor closes and writes
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("Tolva Editor"));
    EXPECT_EQ(prefs.ReadInteger("Filter.AllSw", 0), 1);
    EXPECT_EQ(prefs.ReadInteger("Latency", 0), -2147483647 - 1);
    char buffer[64];
    prefs.ReadString("MIDIOutName", buffer, sizeof buffer, "none");
    EXPECT_STREQ(buffer, "Port 1\tA\\B\nC");
    prefs.ReadString("Empty", buffer, sizeof buffer, "none");
    EXPECT_STREQ(buffer, "");
    // Applications keep separate files.
    EXPECT_EQ(ReadBack("Nerimo Editor", "MIDIOutName"), "default");
}

TEST_F(Preferences, ReadsSeeWritesBeforeCloseAndNothingReachesDiskUntilThen) {
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("App"));
    prefs.WriteInteger("a", 5);
    prefs.WriteString("b", "text");
    EXPECT_EQ(prefs.ReadInteger("a", 0), 5);
    char buffer[16];
    prefs.ReadString("b", buffer, sizeof buffer, "");
    EXPECT_STREQ(buffer, "text");
    EXPECT_FALSE(std::filesystem::exists(prefs.FilePath()));
    prefs.Close();
    EXPECT_FALSE(prefs.IsOpen());
    EXPECT_EQ(ReadBack("App", "b"), "text");
    // The temporary file of the atomic write is gone.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_config)) files += entry.is_regular_file();
    EXPECT_EQ(files, 1);
}

TEST_F(Preferences, WrongTypedOrMissingValuesGiveTheDefault) {
    {
        CHfcPreferences prefs;
        ASSERT_TRUE(prefs.Open("App"));
        prefs.WriteString("text", "12");
        prefs.WriteInteger("number", 7);
    }
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("App"));
    EXPECT_EQ(prefs.ReadInteger("text", -1), -1);
    EXPECT_EQ(prefs.ReadInteger("missing", -1), -1);
    char buffer[16];
    prefs.ReadString("number", buffer, sizeof buffer, "def");
    EXPECT_STREQ(buffer, "def");
}

TEST_F(Preferences, DamagedFileLinesAreSkippedAndBadNumbersGiveTheDefault) {
    std::filesystem::create_directories(m_config);
    {
        std::ofstream out(m_config + "/App.prefs");
        out << "garbage without tabs\n"
            << "i\ttoo big\t4294967296\n"
            << "i\tnot a number\t12abc\n"
            << "x\tunknown type\t1\n"
            << "i\tgood\t-42\n";
    }
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("App"));
    EXPECT_EQ(prefs.ReadInteger("too big", 3), 3);
    EXPECT_EQ(prefs.ReadInteger("not a number", 3), 3);
    EXPECT_EQ(prefs.ReadInteger("unknown type", 3), 3);
    EXPECT_EQ(prefs.ReadInteger("good", 3), -42);
}

TEST_F(Preferences, ClosedStoreReadsDefaultsAndIgnoresWrites) {
    CHfcPreferences prefs;
    EXPECT_FALSE(prefs.Open(""));
    EXPECT_FALSE(prefs.Open(nullptr));
    prefs.WriteInteger("a", 1);
    EXPECT_EQ(prefs.ReadInteger("a", 9), 9);
    char buffer[8];
    prefs.ReadString("a", buffer, sizeof buffer, "default");
    EXPECT_STREQ(buffer, "default");  // cut to size - 1
    prefs.Close();
    EXPECT_FALSE(std::filesystem::exists(m_config));
}

TEST_F(Preferences, StringReadsRespectTheBuffer) {
    {
        CHfcPreferences prefs;
        ASSERT_TRUE(prefs.Open("App"));
        prefs.WriteString("name", "ABCDEFGH");
    }
    struct Case {
        int size;
        const char* expected;
    };
    // A value that does not fit gives the default, itself cut to size - 1.
    for (const Case& c :
         {Case{1, ""}, Case{4, "def"}, Case{8, "default"}, Case{9, "ABCDEFGH"}, Case{64, "ABCDEFGH"}}) {
        EXPECT_EQ(ReadBack("App", "name", c.size), c.expected) << c.size;
    }
    // size <= 0 writes nothing at all.
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("App"));
    for (int size : {0, -1}) {
        char buffer[4] = {'k', 'e', 'e', 'p'};
        prefs.ReadString("name", buffer, size, "default");
        EXPECT_EQ(std::string(buffer, 4), "keep") << size;
    }
}

TEST_F(Preferences, CloseKeepsKeysAnotherInstanceWroteMeanwhile) {
    CHfcPreferences first, second;
    ASSERT_TRUE(first.Open("App"));
    ASSERT_TRUE(second.Open("App"));
    first.WriteInteger("mine", 1);
    second.WriteInteger("theirs", 2);
    second.Close();
    first.Close();
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("App"));
    EXPECT_EQ(prefs.ReadInteger("mine", 0), 1);
    EXPECT_EQ(prefs.ReadInteger("theirs", 0), 2);
}

TEST_F(Preferences, NamesCannotLeaveTheFolder) {
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("../evil/name"));
    EXPECT_EQ(std::filesystem::path(prefs.FilePath()).parent_path(), m_config);
}

TEST_F(Preferences, FolderFallsBackToHomeConfig) {
    unsetenv("XDG_CONFIG_HOME");
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        EXPECT_EQ(HfcPreferencesFolder(), std::string(home) + "/.config");
    }
    setenv("XDG_CONFIG_HOME", "relative/path", 1);  // not absolute: ignored
    EXPECT_NE(HfcPreferencesFolder(), "relative/path");
}

}  // namespace
