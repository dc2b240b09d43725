// Files and transfers from the Utility menu, end to end: the plug-in's editor window over the real
// remote synthesizer and the simulated instrument, a click on the Utility switch, the menu and the
// file dialog answered by script. After every data move the instrument's memory equals the editor's.
#include <filesystem>
#include <fstream>
#include <iterator>

#include "Common/Link/RemoteSynthImpl.h"
#include "Common/QnUtils/QnUtils.h"
#include "Editor/UtilityMenuScript.h"
#include "Editor/WindowFixture.h"
#include "Support/KnownStreams.h"

using namespace WindowTest;

namespace {

bool IsLinkQuestion(const std::string& text) {
    return text.rfind("Tolva Hardware is not found.", 0) == 0 || text.find("synchroniz") != std::string::npos;
}

std::string ReadAll(const std::string& path) {
    std::ifstream is(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(is), std::istreambuf_iterator<char>());
}

}  // namespace

class FileTransferScenario : public EditorWindow {
protected:
    void SetUp() override {
        EditorWindow::SetUp();
        script.Install();
        // The link's own questions (search every port, retry a synchronisation) are declined and
        // not kept; the others are answered from the queue, then with OK, and kept.
        boxAnswer = [this](const HfcMessageBoxRequest& r) {
            if (IsLinkQuestion(r.text)) return static_cast<int>(HFC_MB_RESULT_CANCEL);
            texts.push_back(r.text);
            if (answers.empty()) return static_cast<int>(HFC_MB_RESULT_DEFAULT);
            const int a = answers.front();
            answers.erase(answers.begin());
            return a;
        };
    }
    void TearDown() override {
        UtilityScript::Script::Remove();
        EditorWindow::TearDown();
    }

    // The instrument in program play, connected, the window open.
    void StartInMode(uint8_t mode = Sim::Mode::ProgPlay) {
        Start();
        m_sim->With([mode](Sim::SimCore& c) { c.PanelModeChange(mode); });
        Settle();
    }
    // Chooses item with a click on the Utility switch; a file dialog it opens is answered with name in
    // the test's folder (cancelled without a name) after the type entries are picked.
    void Use(const std::string& item, const std::string& name = "", std::vector<int> types = {}) {
        script.Choose(item, m_dir, name, std::move(types), !name.empty());
        ClickControl(BackgroundLayer::kIdUtility);
        ASSERT_TRUE(PumpUntil([&] { return Root()->GetFileDialog() == nullptr; }, 120000)) << item;
        Settle();
    }
    std::string PathOf(const std::string& name) const { return m_dir + "/" + name; }
    // Where the instrument and the editor differ, without what they keep apart by design: the Tolva
    // has no external-control sets, and the poll writes the control track into the current multi.
    std::vector<Sim::ImageDiff> Differences() {
        Settle();
        auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
        auto* impl = dynamic_cast<QorX0::CRemoteSynthImpl*>(synth);
        EXPECT_NE(impl, nullptr);
        if (impl == nullptr) return {};
        impl->CopyImage(image.get());
        const auto all = m_sim->With(
            [&](Sim::SimCore& c) { return c.CompareWithEditor(image->Bytes(), sizeof *image, false); });
        std::vector<Sim::ImageDiff> left;
        for (const Sim::ImageDiff& d : all)
            if (d.area != Sim::Area::ExtControl && d.area != Sim::Area::CurMulti) left.push_back(d);
        return left;
    }
    void ExpectInStep(const char* where) {
        const auto diffs = Differences();
        EXPECT_TRUE(diffs.empty()) << where << ": " << Sim::FormatDiffs(diffs);
    }
    std::string SimName(Sim::Area area, int index) {
        return m_sim->With([&](Sim::SimCore& c) { return c.Image().RecordName(area, index); });
    }
    void Rename(Sim::Area area, int index, const std::string& name) {
        m_sim->With([&](Sim::SimCore& c) { c.Image().SetRecordName(area, index, name); });
    }
    // Exclusive messages of that function code the instrument received since the logs were cleared.
    size_t ReceivedOfCode(uint8_t code) {
        return m_sim->With([code](Sim::SimCore& c) {
            size_t n = 0;
            for (const auto& m : c.ReceivedMessages())
                if (m.bytes.size() > 8 && m.bytes[0] == 0xF0 && m.bytes[4] == code) ++n;
            return n;
        });
    }
    // The flags of an item of the last menu shown, -1 when it was not there.
    int FlagsOf(const std::string& text) const {
        if (script.menus.empty()) return -1;
        for (const CHfcPopupMenu::Item& item : script.menus.back())
            if (item.text == text) return static_cast<int>(item.flags);
        return -1;
    }

    UtilityScript::Script script;
    std::vector<std::string> texts;
    std::vector<int> answers;
};

// ---- files

TEST_F(FileTransferScenario, AllDataSavedThenLoadedPutsTheInstrumentBack) {
    StartInMode();
    ExpectInStep("connected");
    Use("Save", "all.Xall");
    EXPECT_TRUE(texts.empty()) << ::testing::PrintToString(texts);
    ASSERT_TRUE(std::filesystem::exists(PathOf("all.Xall")));
    EXPECT_GT(std::filesystem::file_size(PathOf("all.Xall")), 100000u);

    const std::string saved = SimName(Sim::Area::Program, 5);
    Rename(Sim::Area::Program, 5, "Changed Later");
    ASSERT_FALSE(Differences().empty());
    Use("Load", "all.Xall");
    EXPECT_TRUE(texts.empty()) << ::testing::PrintToString(texts);
    EXPECT_EQ(SimName(Sim::Area::Program, 5), saved);
    ExpectInStep("after loading all data");
    Save("utility-all-data-loaded");
}

TEST_F(FileTransferScenario, OneProgramAndBankFilesRoundTrip) {
    StartInMode();
    const int bank = synth->GetCurSound().bank;
    struct Case {
        const char* name;
        int row;  // Program, Bank Program
        Sim::Area area;
        int index;
    };
    for (const Case& c : {Case{"one.X1prog", 3, Sim::Area::CurProgram, 0},
                          Case{"bank.Xbankprog", 2, Sim::Area::Program, bank * 128 + 9}}) {
        texts.clear();
        Use("Save", c.name, {c.row});
        ASSERT_TRUE(std::filesystem::exists(PathOf(c.name))) << c.name;
        const std::string saved = SimName(c.area, c.index);
        Rename(c.area, c.index, "Changed Later");
        ASSERT_FALSE(Differences().empty()) << c.name;
        Use("Load", c.name);
        EXPECT_TRUE(texts.empty()) << c.name << ": " << ::testing::PrintToString(texts);
        EXPECT_EQ(SimName(c.area, c.index), saved) << c.name;
        ExpectInStep(c.name);
    }
}

TEST_F(FileTransferScenario, ANerimoFileAsksAndCancelSaysLoadErrorOKTranslatesIt) {
    StartInMode();
    std::ofstream(PathOf("n.X1prog"), std::ios::binary)
        << SynthTest::StreamOf(QorX0::kPmidNerimo, *SynthTest::KnownImage(5), QorX0::FTYPE_PROG);
    const std::string question = "File Contains Nerimo data. Are your sure?";
    const std::string before = SimName(Sim::Area::CurProgram, 0);
    answers = {HFC_MB_RESULT_CANCEL};
    Use("Load", "n.X1prog");
    EXPECT_EQ(texts, (std::vector<std::string>{question, "Load Error"}));
    EXPECT_EQ(SimName(Sim::Area::CurProgram, 0), before);
    ExpectInStep("cancelled");

    texts.clear();
    Use("Load", "n.X1prog");
    EXPECT_EQ(texts, std::vector<std::string>{question});
    EXPECT_NE(SimName(Sim::Area::CurProgram, 0), before);
    ExpectInStep("translated");
}

TEST_F(FileTransferScenario, SavingOverAFileAsksFirst) {
    StartInMode();
    std::ofstream(PathOf("old.Xall"), std::ios::binary) << "old bytes";
    answers = {HFC_MB_RESULT_CANCEL};
    Use("Save", "old.Xall");
    EXPECT_EQ(texts, std::vector<std::string>{HfcReplaceQuestion("old.Xall")});
    EXPECT_EQ(ReadAll(PathOf("old.Xall")), "old bytes");
    Save("utility-replace-cancelled");

    texts.clear();
    Use("Save", "old.Xall");
    EXPECT_EQ(texts, std::vector<std::string>{HfcReplaceQuestion("old.Xall")});
    EXPECT_GT(std::filesystem::file_size(PathOf("old.Xall")), 100000u);
}

TEST_F(FileTransferScenario, DisconnectedFileCommandsSayTheirErrorAndTouchNothing) {
    Start(true, false);
    std::ofstream(PathOf("all.Xall"), std::ios::binary)
        << SynthTest::StreamOf(QorX0::kPmidTolva, *SynthTest::KnownImage(3), QorX0::FTYPE_ALL);
    std::ofstream(PathOf("old.Xall"), std::ios::binary) << "old bytes";
    struct Case {
        const char* item;
        const char* name;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"Load", "all.Xall", {"Load Error"}},
        {"Import", "all.Xall", {"Load Error"}},
        {"Save", "new.Xall", {"Save Error"}},
        {"Export", "new.PCG", {"Save Error"}},
        // Told to replace, it still keeps the old file: nothing was there to save.
        {"Save", "old.Xall", {HfcReplaceQuestion("old.Xall"), "Save Error"}},
    };
    for (const Case& c : cases) {
        texts.clear();
        Use(c.item, c.name);
        ASSERT_NE(FlagsOf(c.item), -1) << c.item;
        EXPECT_EQ(texts, c.texts) << c.item << " " << c.name;
    }
    EXPECT_FALSE(std::filesystem::exists(PathOf("new.Xall")));
    EXPECT_FALSE(std::filesystem::exists(PathOf("new.PCG")));
    EXPECT_EQ(ReadAll(PathOf("old.Xall")), "old bytes");
}

TEST_F(FileTransferScenario, EveryExportedPCGKindImportsBack) {
    StartInMode();
    // Cendra, Cendra Unit, Cendra Works, Cendra Apex, Cendra Mini, Tesk, Osvara.
    for (int row = 0; row < 7; ++row) {
        const std::string name = "set" + std::to_string(row) + ".PCG";
        texts.clear();
        Use("Export", name, {row});
        ASSERT_TRUE(std::filesystem::exists(PathOf(name))) << name;
        EXPECT_TRUE(texts.empty()) << name << ": " << ::testing::PrintToString(texts);
        Rename(Sim::Area::Program, 3, "Changed Later");
        Use("Import", name);
        EXPECT_TRUE(texts.empty()) << name << ": " << ::testing::PrintToString(texts);
        ExpectInStep(name.c_str());
    }
}

// ---- transfers

TEST_F(FileTransferScenario, ReceiveAllAsksThenTakesTheInstrumentsMemory) {
    StartInMode();
    Rename(Sim::Area::Program, 7, "Panel Edit");
    ASSERT_FALSE(Differences().empty());
    answers = {HFC_MB_RESULT_CANCEL};
    Use("Receive All");
    EXPECT_EQ(texts, std::vector<std::string>{"Receive All?"});
    EXPECT_FALSE(Differences().empty());
    texts.clear();
    Use("Receive All");
    EXPECT_EQ(texts, std::vector<std::string>{"Receive All?"});
    ExpectInStep("received");
}

TEST_F(FileTransferScenario, TransmitProgPutsTheEditorsProgramsBack) {
    StartInMode();
    Rename(Sim::Area::Program, 130, "Panel Edit");
    ASSERT_FALSE(Differences().empty());
    Use("Transmit Prog");
    EXPECT_EQ(texts, std::vector<std::string>{"Transmit Prog?"});
    ExpectInStep("transmitted");
}

TEST_F(FileTransferScenario, OneProgramTransfersAreDisabledOnAGMBank) {
    StartInMode();
    int gm = -1;
    for (int bank = 0; bank < 32 && gm < 0; ++bank)
        if (QnUtils::IsGMBank(synth, QorX0::kModeProgPlay, bank)) gm = bank;
    ASSERT_GE(gm, 0);
    Use("");
    EXPECT_EQ(FlagsOf("Receive 1 Prog"), 0);
    m_sim->With([gm](Sim::SimCore& c) { c.PanelProgramChange(gm, 3); });
    Settle();
    ClearLogs();
    Use("Receive 1 Prog");
    EXPECT_EQ(FlagsOf("Receive 1 Prog"), 2);
    EXPECT_EQ(FlagsOf("Transmit 1 Prog"), 2);
    EXPECT_EQ(FlagsOf("Receive Prog"), 0);
    EXPECT_TRUE(texts.empty()) << ::testing::PrintToString(texts);
    Save("utility-gm-bank");
}

TEST_F(FileTransferScenario, ARefusedTransmitSaysTransmitAllError) {
    StartInMode();
    m_sim->With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::ErrorReply, Sim::Code::AllDump));
    });
    Use("Transmit All");
    EXPECT_EQ(texts, (std::vector<std::string>{"Transmit All?", "Transmit All Error"}));
}

TEST_F(FileTransferScenario, SaveDefaultWritesThePreferences) {
    StartInMode(Sim::Mode::Global);
    const std::filesystem::path home = std::getenv("XDG_CONFIG_HOME");
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(home, error))
        std::filesystem::remove_all(entry.path(), error);
    Use("Save Default");
    EXPECT_EQ(texts, std::vector<std::string>{"Save Default?"});
    EXPECT_FALSE(std::filesystem::is_empty(home));
}

TEST_F(FileTransferScenario, RestoreDataWithoutASynchronisationIsRefused) {
    // Every request for all data is refused: the synchronisation at connect fails (and is not
    // retried), so there is no backup of the instrument to restore.
    m_sim = std::make_unique<Sim::SimInstrument>(Sim::Model::Tolva, 0);
    m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
    m_sim->With([](Sim::SimCore& c) {
        c.Image().FillFactory(7);
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::ErrorReply, Sim::Rx::AllReq).Times(0));
    });
    StartInMode(Sim::Mode::Global);
    texts.clear();
    ClearLogs();
    Use("Restore Data");
    EXPECT_EQ(texts, (std::vector<std::string>{"Restore Data?", "Restore Data Error"}));
    EXPECT_EQ(ReceivedOfCode(Sim::Code::AllDump), 0u);
}
