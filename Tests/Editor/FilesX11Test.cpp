// Files from the Utility menu in the editor window, on the headless screen and then on a private
// Xvfb with XTest input: the menu opened with a press on the Utility switch and "Save" chosen by
// letting go on it, the save dialog answered by typing a name, the file written; the instrument
// changed, and the same file loaded back through "Load", typed in the open dialog, putting the
// instrument back. The menu, the dialogs and the window on the server equal the headless render.
#include <filesystem>
#include <list>

#include "Common/Editor/MenuItems.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Editor/WindowX11Fixture.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcPopupMenu.h"

using namespace WindowTest;

namespace {

class FilesOnX : public EditorWindowOnX {
protected:
    void SetUp() override {
        EditorWindowOnX::SetUp();
        UseRealDialogs();
    }

    // The top of the Utility menu's row with this text, in the menu window: the rows the page on view
    // gives, then a separator and "All Sound Off", without the page-local ones.
    int MenuRowTop(const std::string& text) {
        CTabControl* tab = Tab(Root()->GetGUIMode());
        auto* page = tab != nullptr ? dynamic_cast<EditTabPageLayerBase*>(tab->GetActivePage()) : nullptr;
        if (page == nullptr) return -1;
        std::list<MenuItemInfo> items;
        page->GetMenuItemInfoList(items);
        items.push_back(kMenuItemInfo_Separator);
        items.push_back(kMenuItemInfo_AllSoundOff);
        int top = 0;
        for (const MenuItemInfo& item : items) {
            if (IsPageLocalMenuItemId(item.id)) continue;
            if (item.name == text && item.id != kMenuItemInfo_Separator.id) return top;
            top += item.id == kMenuItemInfo_Separator.id ? kHfcMenuSeparatorHeight : kHfcMenuRowHeight;
        }
        return -1;
    }
    static bool MenuUp() { return HfcModalCount() > 0 && !DialogUp(); }

    // A press on the Utility switch opens the menu; the pointer goes down onto the item and lets go
    // there. The open menu is pictured as "<shot>".
    void ChooseFromUtility(const std::string& item, Shots& shots, const std::string& shot) {
        const int row = MenuRowTop(item);
        ASSERT_GE(row, 0) << item;
        std::unique_ptr<CHfcBmp> menu;
        auto chosen = WhenReady(&MenuUp, [&] {
            menu = TopShot();
            int ox = 0, oy = 0;
            HfcModalTop()->GetFrame()->GetRootOrigin(&ox, &oy);
            RawMoveTo(ox + 30, oy + row + kHfcMenuRowHeight / 2);
            RawRelease();
        });
        CHfcControl* utility = Control(BackgroundLayer::kIdUtility);
        ASSERT_NE(utility, nullptr);
        const tagHfcRect r = utility->GetRect();
        Press((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        EXPECT_TRUE(PumpUntil([&] { return *chosen && !MenuUp(); }, 40000)) << Backend() << ": " << item;
        DropScheduled();
        Keep(shots, shot, std::move(menu));
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
        // The dialog proposes "Untitled.Xall": erased and typed over.
        AnswerFileDialog("Scene.Xall", static_cast<int>(std::string("Untitled.Xall").size()), shots,
                         "s11-save-dialog");
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
