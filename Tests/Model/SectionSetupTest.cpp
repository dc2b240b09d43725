// Setup section: filter rows' protection, the 12-byte transfer filter, and the settings kept in the
// preferences (round trip, trimmed port names, values out of their rows' ranges).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "Hfc/Base/HfcPreferences.h"
#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

std::string FilterHex(const FXBFILTERINFO& f) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&f);
    return Hex(std::vector<uint8_t>(p, p + 10));
}

class SetupSection : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = std::filesystem::temp_directory_path() / ("sections-setup-" + std::to_string(getpid()));
        std::filesystem::create_directories(m_dir);
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_oldConfig = old ? old : "";
        m_hadConfig = old != nullptr;
        setenv("XDG_CONFIG_HOME", m_dir.c_str(), 1);
    }
    void TearDown() override {
        if (m_hadConfig)
            setenv("XDG_CONFIG_HOME", m_oldConfig.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::filesystem::remove_all(m_dir);
    }
    // Switches are set with AllSw off (they are protected while it is on).
    void Switches(SectionSet& s, bool all, std::initializer_list<std::pair<int, int>> values) {
        s.setup.PutParamI(CSetupSectionImpl::kPidAllSw, 0);
        for (int pid : {0x8200, 0x8500, 0x8800, 0x8A00, 0x8C00, 0x8E00}) s.setup.PutParamI(pid, 0);
        for (const auto& v : values) s.setup.PutParamI(v.first, v.second);
        s.setup.PutParamI(CSetupSectionImpl::kPidAllSw, all ? 1 : 0);
    }

    std::filesystem::path m_dir;
    std::string m_oldConfig;
    bool m_hadConfig = false;
};

TEST_F(SetupSection, FilterOfEverythingButTheGlobalRecord) {
    for (unsigned char pmid : {kPmidTolva, kPmidNerimo}) {
        SectionSet s(pmid);
        Switches(s, true, {});
        FXBFILTERINFO f;
        EXPECT_TRUE(s.setup.BuildFilter(&f));
        EXPECT_EQ(FilterHex(f),
                  pmid == kPmidTolva ? "FF 80 FF 80 FF 80 28 FB 00 00" : "FF 80 FF 80 FF 80 28 FB 40 00");
        EXPECT_EQ(f.reserved[0] | f.reserved[1], 0);
    }
}

TEST_F(SetupSection, FilterOfOneProgramBankAndTheGlobalRecord) {
    SectionSet s;
    Switches(s, false, {{0x8200, 1}, {0x8E00, 1}});
    s.setup.PutParamS(0x8300, "Bank B");
    FXBFILTERINFO f;
    s.setup.BuildFilter(&f);
    EXPECT_EQ(FilterHex(f), "FF 00 FF 00 01 80 00 00 00 01");
}

TEST_F(SetupSection, FilterRowsAreWritableOnlyWhenTheyCount) {
    SectionSet s;
    auto locked = [&](int pid) {
        PARAMDESC d;
        EXPECT_TRUE(s.setup.GetParamDesc(pid, &d));
        return (d.flags & kPFlagProtected) != 0;
    };
    Switches(s, true, {{0x8200, 1}});
    EXPECT_TRUE(locked(0x8200));
    EXPECT_TRUE(locked(0x8300));
    Switches(s, false, {{0x8200, 1}});
    EXPECT_FALSE(locked(0x8200));
    EXPECT_FALSE(locked(0x8300));
    EXPECT_FALSE(locked(0x8400));
    EXPECT_TRUE(locked(0x8600));
    EXPECT_TRUE(locked(0x8D00));
    EXPECT_FALSE(locked(0x9200));
}

TEST_F(SetupSection, NothingIsEverSent) {
    SectionSet s;
    s.setup.PutParamI(0x9200, 5);
    s.setup.PutParamI(CSetupSectionImpl::kPidAllSw, 0);
    s.setup.PutParamS(CSetupSectionImpl::kPidMidiInName, "Port");
    EXPECT_TRUE(s.host.link.Sent().empty());
}

TEST_F(SetupSection, PreferencesKeepEverySettingAndTrimPortNames) {
    {
        SectionSet s;
        Switches(s, false, {{0x8500, 1}, {0x8A00, 1}});
        s.setup.PutParamS(0x8600, "Bank C");
        s.setup.PutParamI(0x8B00, 17);
        s.setup.PutParamI(0x9200, 7);
        s.setup.PutParamS(CSetupSectionImpl::kPidMidiInName, "USB MIDI In  ");
        s.setup.PutParamS(CSetupSectionImpl::kPidMidiOutName, "Out");
        EXPECT_TRUE(s.setup.PersistSave());
    }
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("Tolva Editor"));
    char name[33];
    prefs.ReadString("MIDIInName", name, sizeof name, "?");
    EXPECT_STREQ(name, "USB MIDI In");
    EXPECT_EQ(prefs.ReadInteger("Filter.CombiBank", -5), 2);
    prefs.Close();

    SectionSet s;
    RecordingSink sink;
    s.setup.AdviseSink(&sink);
    EXPECT_TRUE(s.setup.PersistLoad());
    EXPECT_EQ(sink.Joined(), "R");
    EXPECT_EQ(s.setup.GetParamI(CSetupSectionImpl::kPidAllSw), 0);
    EXPECT_EQ(multiszlong(s.setup.GetParamS(0x8600)), "Bank C");
    EXPECT_EQ(s.setup.GetParamI(0x8B00), 17);
    EXPECT_EQ(s.setup.GetParamI(0x9200), 7);
    EXPECT_EQ(multiszlong(s.setup.GetParamS(CSetupSectionImpl::kPidMidiInName)), "USB MIDI In");
    EXPECT_EQ(multiszlong(s.setup.GetParamS(CSetupSectionImpl::kPidMidiOutName)), "Out");
    s.setup.UnadviseSink(&sink);
}

TEST_F(SetupSection, ASaveThatCannotReachTheDiskSaysSo) {
    // Where the preferences file should be stands a folder: nothing can be written there.
    std::filesystem::create_directories(std::filesystem::path(HfcPreferencesFolder()) / "Tolva Editor.prefs");
    SectionSet s;
    s.setup.PutParamI(0x9200, 7);
    EXPECT_FALSE(s.setup.PersistSave());
    EXPECT_FALSE(s.setup.PersistSave(CSetupSectionImpl::kPidMidiInName));
}

TEST_F(SetupSection, StoredValuesOutsideTheirRowsAreHeldToThem) {
    {
        CHfcPreferences prefs;
        ASSERT_TRUE(prefs.Open("Tolva Editor"));
        prefs.WriteInteger("Filter.ProgBank", 4);  // bank E: the Nerimo's, not the Tolva's
        prefs.WriteInteger("MidiLatency", 99);
        prefs.WriteInteger("Filter.ArpPatNum", -40);
        prefs.WriteInteger("Filter.AllSw", 7);
    }
    SectionSet s;
    EXPECT_TRUE(s.setup.PersistLoad());
    EXPECT_EQ(multiszlong(s.setup.GetParamS(0x8300)), "All Banks");
    EXPECT_EQ(s.setupRecord[17], 10);
    EXPECT_EQ(s.setup.GetParamI(0x8D00), -1);
    EXPECT_EQ(s.setupRecord[0], INITCHUNK_SETUP[0]);
    SectionSet nerimo(kPmidNerimo);
    {
        CHfcPreferences prefs;
        ASSERT_TRUE(prefs.Open("Nerimo Editor"));
        prefs.WriteInteger("Filter.ProgBank", 4);
    }
    EXPECT_TRUE(nerimo.setup.PersistLoad());
    EXPECT_EQ(multiszlong(nerimo.setup.GetParamS(0x8300)), "Bank E");
}

TEST_F(SetupSection, PatternNumbersAboveOneHundredTwentySevenAreKept) {
    {
        SectionSet s;
        Switches(s, false, {{0x8C00, 1}});
        EXPECT_EQ(s.setup.PutParamI(0x8D00, 200), 200);
        EXPECT_EQ(s.setup.GetParamI(0x8D00), 200);
        EXPECT_EQ(multiszlong(s.setup.GetParamS(0x8D00)), "200");
        EXPECT_EQ(s.setup.PutParamI(0x8D00, 300), 250);
        EXPECT_TRUE(s.setup.PersistSave());
    }
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("Tolva Editor"));
    EXPECT_EQ(prefs.ReadInteger("Filter.ArpPatNum", 0), 250);
    prefs.Close();
    SectionSet s;
    EXPECT_EQ(s.setup.GetParamI(0x8D00), -1);  // "All" by default
    EXPECT_TRUE(s.setup.PersistLoad());
    EXPECT_EQ(s.setup.GetParamI(0x8D00), 250);
    Switches(s, false, {{0x8C00, 1}});
    EXPECT_EQ(s.setup.PutParamS(0x8D00, "All").substr(0, 3), "All");
    EXPECT_EQ(s.setup.GetParamI(0x8D00), -1);
}

TEST_F(SetupSection, OneSettingIsSavedAlone) {
    SectionSet s;
    s.setup.PutParamI(0x9200, 3);
    EXPECT_TRUE(s.setup.PersistSave(0x9200));
    EXPECT_FALSE(s.setup.PersistSave(0x1234));
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("Tolva Editor"));
    EXPECT_EQ(prefs.ReadInteger("MidiLatency", -1), 3);
    EXPECT_EQ(prefs.ReadInteger("Filter.AllSw", -1), -1);
}

}  // namespace
}  // namespace QorX0
