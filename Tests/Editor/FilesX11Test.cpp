// Files from the Utility menu in the editor window, on the headless screen and then on a private
// Xvfb with XTest input: the menu opened with a press on the Utility switch and "Save" chosen by
// letting go on it, the save dialog answered by typing a name, the file written; the instrument
// changed, and the same file loaded back through "Load", typed in the open dialog, putting the
// instrument back. The menu, the dialogs and the window on the server equal the headless render.
#include <filesystem>

#include "Editor/WindowX11Fixture.h"
#include "Hfc/Core/HfcFileDialog.h"

using namespace WindowTest;

namespace {

class FilesOnX : public EditorWindowOnX {
protected:
    void SetUp() override {
        EditorWindowOnX::SetUp();
        UseRealDialogs();
    }

    // The file dialog the menu opened, pictured as "<shot>"; typed into, then Return.
    void AnswerFileDialog(const std::string& typed, int erase, Shots& shots, const std::string& shot) {
        ASSERT_TRUE(PumpUntil([] { return DialogUp(); }, 10000)) << Backend();
        ASSERT_NE(Root()->GetFileDialog(), nullptr) << Backend();
        Pump(200);
        Keep(shots, shot, TopShot());
        for (int i = 0; i < erase; ++i) RawKey(XK_BackSpace);
        TypeText(typed.c_str());
        Key(XK_Return);
        EXPECT_TRUE(
            PumpUntil([&] { return Root()->GetFileDialog() == nullptr && HfcModalCount() == 0; }, 60000))
            << Backend();
        Settle();
    }
    std::string SimName(Sim::Area area, int index) {
        return m_sim->With([&](Sim::SimCore& c) { return c.Image().RecordName(area, index); });
    }

    // S11: all data saved to a file named by typing; the instrument changed; the file loaded back.
    void FilesScenario(Shots& shots) {
        StartOnFirstMemory();
        if (HasFatalFailure()) return;
        // The same empty folder for both runs, so that both dialogs list the same.
        const std::string folder = m_dir + "/files";
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        HfcFileDialogSetStartFolder(folder.c_str());
        Open();
        boxes.clear();

        ChooseFromUtility("Save", shots, "s11-utility-menu");
        // The dialog proposes "Untitled.Xall" with its base selected: typed over, the extension kept.
        AnswerFileDialog("Scene", 0, shots, "s11-save-dialog");
        const std::string path = folder + "/Scene.Xall";
        ASSERT_TRUE(std::filesystem::exists(path)) << Backend();
        EXPECT_GT(std::filesystem::file_size(path), 100000u) << Backend();
        EXPECT_TRUE(boxes.empty()) << Backend() << ": " << ::testing::PrintToString(boxes);
        Take(shots, "s11-saved");

        const std::string saved = SimName(Sim::Area::Program, 5);
        m_sim->With([](Sim::SimCore& c) { c.Image().SetRecordName(Sim::Area::Program, 5, "Changed Later"); });
        ASSERT_FALSE(EditorImageDiffs(*m_sim, synth, QorX0::kPmidTolva).empty());
        ChooseFromUtility("Load", shots, "s11-utility-menu-again");
        // Typing picks the file in the list.
        AnswerFileDialog("Sce", 0, shots, "s11-load-dialog");
        EXPECT_TRUE(boxes.empty()) << Backend() << ": " << ::testing::PrintToString(boxes);
        EXPECT_EQ(SimName(Sim::Area::Program, 5), saved) << Backend();
        ExpectImageEqual("after loading the file back");
        Take(shots, "s11-loaded");
        CloseEffect();
    }
};

}  // namespace

TEST_F(FilesOnX, SaveAndLoadFromTheUtilityMenuShowOnTheServerAsTheyRenderHeadless) {
    OnBothBackends([this](Shots& shots) { FilesScenario(shots); });
}
