// The Utility menu of the editor window over a recording synthesizer: what the menu shows for the
// page on view, what each item runs, the file dialogs' rows, names and filters, and what a chosen file
// becomes (which call, which index, which error).
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <deque>
#include <filesystem>
#include <fstream>
#include <list>
#include <memory>
#include <string>
#include <vector>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/MenuItems.h"
#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/TabControl.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/QnUtils/QnUtils.h"
#include "Editor/UtilityMenuScript.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/HfcFixture.h"
#include "Support/KnownStreams.h"
#include "Support/RecordingRemoteSynth.h"

namespace {

using QorX0::FTYPE;

// The recording synthesizer with a connection and file calls that answer as told.
class FileSynth : public QorX0::RecordingRemoteSynth {
public:
    using RecordingRemoteSynth::RecordingRemoteSynth;
    bool connected = true;
    bool loadOk = true;
    bool saveOk = true;
    bool execOk = true;

    bool GetConnectionState(MIDIDevKey*, MIDIDevKey*, QorX0::DEVICEINQUIRYDATA*, QorX0::MODEANDSTATE*,
                            bool* online) override {
        if (online) *online = connected;
        return connected;
    }
    bool LoadFile(const char* path, unsigned index) override {
        calls.push_back("Load " + std::string(path) + " " + std::to_string(index));
        return loadOk;
    }
    bool SaveFile(const char* path, FTYPE kind, unsigned index) override {
        calls.push_back("Save " + std::string(path) + " " + std::to_string(kind) + " " +
                        std::to_string(index));
        return saveOk;
    }
    bool ExecCommand(int command, int item, int bank, int number, int flags) override {
        RecordingRemoteSynth::ExecCommand(command, item, bank, number, flags);
        return execOk;
    }
    // The calls that start with prefix.
    std::vector<std::string> Calls(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const std::string& c : calls)
            if (c.rfind(prefix, 0) == 0) out.push_back(c);
        return out;
    }
};

// An edit page whose Utility items the test chooses.
class MenuPage : public EditTabPageLayerBase {
public:
    explicit MenuPage(QorX0::IRemoteSynth* synth) : EditTabPageLayerBase(synth, QorX0::kModeProgPlay) {}
    void GetMenuItemInfoList(std::list<MenuItemInfo>& out) override {
        out.insert(out.end(), items.begin(), items.end());
    }
    std::list<MenuItemInfo> items;
};

MenuItemInfo Item(int id, const char* name) {
    return MenuItemInfo{id, 0, name};
}

}  // namespace

class UtilityMenu : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        char pattern[] = "/tmp/tolva-utility-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        window = MakeWindow(0, 0, ArtGeometry::kWindowWidth, ArtGeometry::kWindowHeight);
        ASSERT_TRUE(ResourceManager::Initialize());
        ASSERT_TRUE(FontManager::Initialize());
        ASSERT_TRUE(UIFormManager::Initialize());
        QnUtils::mProductName = "Tolva Plug-In Editor";
        HfcSetMessageBoxHook([this](const HfcMessageBoxRequest& r) {
            boxes.push_back(r.text);
            captions.push_back(r.caption);
            if (answers.empty()) return static_cast<int>(HFC_MB_RESULT_DEFAULT);
            const int a = answers.front();
            answers.pop_front();
            return a;
        });
        BackgroundLayer::SetModalPageFactory([](QorX0::IRemoteSynth* s, int kind, int) -> CTabPageLayer* {
            return new CTabPageLayer(s, kind == 1 ? "WriteProgram" : "RenameBrowser");
        });
        script.Install();
        root = new BackgroundLayer(nullptr, &synth);
        ASSERT_TRUE(root->Create(window));
        root->Show(false);
        Tick();
        synth.FireCurSoundChanged(QorX0::SOUNDINDEX{1, 5});
        Tick();
    }
    void TearDown() override {
        if (root != nullptr) {
            window->RemoveLayer(root, false);
            root->Destroy();
            delete root;
        }
        UtilityScript::Script::Remove();
        BackgroundLayer::SetModalPageFactory(nullptr);
        HfcSetMessageBoxHook(nullptr);
        UIFormManager::Uninitialize();
        FontManager::Uninitialize();
        ResourceManager::Uninitialize();
        std::filesystem::remove_all(dir);
        HfcWindowFixture::TearDown();
    }

    // The window's idle ticks: replays, tab switches, deferred work.
    void Tick() {
        for (int i = 0; i < 3; ++i) {
            m_loop.RunPending();
            root->Idle(0);
        }
    }
    void SetMode(unsigned char mode) {
        synth.FireModeChanged(mode);
        Tick();
    }
    // A page with these items, on view in the lit tab.
    MenuPage* ShowItems(std::list<MenuItemInfo> items) {
        if (page == nullptr) {
            page = new MenuPage(&synth);
            CTabPageLayerCreateParam param{
                0, 0, ResourceManager::GetInstance()->LoadImage("Background_MainTab_Large")};
            EXPECT_TRUE(page->Create(param, window));
            root->GetMainTab(BackgroundLayer::kTabProg)->AddTabPageLayer(window, page);
        }
        page->items = std::move(items);
        root->GetMainTab(BackgroundLayer::kTabProg)->SetActivePage(page, true);
        Tick();
        synth.calls.clear();
        return page;
    }
    // Chooses item through the Utility switch and waits for its file dialog, if it opened one.
    void Choose(const std::string& item) {
        script.choose = item;
        root->OnUtilitySwitch();
        EXPECT_TRUE(m_loop.RunUntil([&] { return root->GetFileDialog() == nullptr; }, 20000));
        m_loop.RunPending();
    }
    std::string WriteFile(const std::string& name, const std::string& bytes) {
        const std::string path = dir + "/" + name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }
    std::string Stream(unsigned char pmid, FTYPE kind, unsigned index = 0) {
        return SynthTest::StreamOf(pmid, *SynthTest::KnownImage(3), kind, index);
    }

    std::string dir;
    CTestWindow* window = nullptr;
    FileSynth synth;
    BackgroundLayer* root = nullptr;
    MenuPage* page = nullptr;
    UtilityScript::Script script;
    std::vector<std::string> boxes;
    std::vector<std::string> captions;
    std::deque<int> answers;
};

// ---- composition

TEST_F(UtilityMenu, ComposedFromThePageOnViewWithoutPageLocalItems) {
    const std::list<MenuItemInfo> oscillator = {kMenuItemInfo_WriteProgram,
                                                kMenuItemInfo_CopyOscillator,
                                                kMenuItemInfo_SwapOscillator,
                                                kMenuItemInfo_Separator,
                                                kMenuItemInfo_Load,
                                                kMenuItemInfo_Save,
                                                kMenuItemInfo_Separator,
                                                kMenuItemInfo_ReceiveOneProg,
                                                kMenuItemInfo_TransmitOneProg,
                                                kMenuItemInfo_CopySteps,
                                                kMenuItemInfo_ResetExtControlSetup};
    struct Case {
        const char* what;
        std::list<MenuItemInfo> items;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        {"empty list", {}, {"All Sound Off"}},
        {"oscillator page",
         oscillator,
         {"Write Program", "-", "Load", "Save", "-", "Receive 1 Prog", "Transmit 1 Prog", "-",
          "All Sound Off"}},
    };
    for (const Case& c : cases) {
        ShowItems(c.items);
        script.menus.clear();
        Choose("");
        ASSERT_EQ(script.menus.size(), 1u) << c.what;
        EXPECT_EQ(script.LastMenuTexts(), c.texts) << c.what;
        for (const CHfcPopupMenu::Item& item : script.menus.back()) {
            EXPECT_EQ(item.flags, item.id == -1 ? 1u : 0u) << c.what << ": " << item.text;
            EXPECT_FALSE(IsPageLocalMenuItemId(item.id)) << c.what << ": " << item.text;
        }
    }
    EXPECT_TRUE(synth.calls.empty()) << synth.Joined();
}

TEST_F(UtilityMenu, TheProgramPlayPageListsItsItemsInOrder) {
    SetMode(QorX0::kModeProgPlay);
    root->GetMainTab(BackgroundLayer::kTabProg)->SetActivePageByIndex(0, true);
    Tick();
    Choose("");
    ASSERT_EQ(script.menus.size(), 1u);
    const std::vector<std::string> expected = {"Write Program",
                                               "-",
                                               "Load",
                                               "Save",
                                               "-",
                                               "Import",
                                               "Export",
                                               "-",
                                               "Receive All",
                                               "Transmit All",
                                               "Receive Prog",
                                               "Transmit Prog",
                                               "Receive 1 Prog",
                                               "Transmit 1 Prog",
                                               "-",
                                               "All Sound Off"};
    EXPECT_EQ(script.LastMenuTexts(), expected);
}

TEST_F(UtilityMenu, OneProgramTransfersAreDisabledInAGMBank) {
    ShowItems({kMenuItemInfo_ReceiveProg, kMenuItemInfo_ReceiveOneProg, kMenuItemInfo_TransmitOneProg});
    int gm = -1;
    for (int bank = 0; bank < 256 && gm < 0; ++bank)
        if (QnUtils::IsGMBank(&synth, QorX0::kModeProgPlay, bank)) gm = bank;
    ASSERT_GE(gm, 0);
    struct Case {
        int bank;
        unsigned oneFlags;
    };
    for (const Case& c : {Case{0, 0u}, Case{gm, 2u}}) {
        synth.FireCurSoundChanged(QorX0::SOUNDINDEX{static_cast<uint8_t>(c.bank), 3});
        Choose("Receive 1 Prog");
        ASSERT_FALSE(script.menus.empty());
        const std::vector<CHfcPopupMenu::Item>& items = script.menus.back();
        ASSERT_EQ(items.size(), 5u);
        EXPECT_EQ(items[0].flags, 0u) << "Receive Prog, bank " << c.bank;
        EXPECT_EQ(items[1].flags, c.oneFlags) << "Receive 1 Prog, bank " << c.bank;
        EXPECT_EQ(items[2].flags, c.oneFlags) << "Transmit 1 Prog, bank " << c.bank;
        // A disabled item is never chosen: nothing is asked, nothing sent.
        EXPECT_EQ(synth.Calls("Command").size(), c.oneFlags == 0 ? 1u : 0u) << c.bank;
        synth.calls.clear();
        boxes.clear();
    }
}

TEST_F(UtilityMenu, NoMenuWithoutALitModeSwitchOrAnEditPageOnView) {
    ShowItems({kMenuItemInfo_ReceiveAll});
    for (int i = 0; i < 4; ++i)
        if (CHfcControl* s = root->GetControlById(BackgroundLayer::kIdModeSwitch, i))
            s->SetIntValue(0, false);
    ASSERT_EQ(root->GetGUIMode(), -1);
    Choose("Receive All");
    EXPECT_TRUE(script.menus.empty());

    SetMode(QorX0::kModeProgPlay);
    auto* plain = new CTabPageLayer(&synth, "plain");
    CTabPageLayerCreateParam param{0, 0,
                                   ResourceManager::GetInstance()->LoadImage("Background_MainTab_Large")};
    ASSERT_TRUE(plain->Create(param, window));
    root->GetMainTab(BackgroundLayer::kTabProg)->AddTabPageLayer(window, plain);
    root->GetMainTab(BackgroundLayer::kTabProg)->SetActivePage(plain, true);
    Tick();
    Choose("Receive All");
    EXPECT_TRUE(script.menus.empty());
    EXPECT_TRUE(synth.Calls("Command").empty());
}

// ---- dispatch

TEST_F(UtilityMenu, TransfersAskByNameRunTheirCommandAndReportAFailure) {
    struct Case {
        int id;
        const char* name;
        const char* command;  // with sound mode 2 and current sound 1:5
    };
    const Case cases[] = {
        {1007, "Receive All", "Command 2 0 0 0 0"},
        {1008, "Transmit All", "Command 1 0 0 0 0"},
        {1009, "Receive Prog", "Command 4 2 -1 -1 255"},
        {1013, "Receive Combi", "Command 4 2 -1 -1 255"},
        {1017, "Receive Multi", "Command 4 2 -1 -1 255"},
        {1010, "Transmit Prog", "Command 3 2 -1 -1 255"},
        {1014, "Transmit Combi", "Command 3 2 -1 -1 255"},
        {1018, "Transmit Multi", "Command 3 2 -1 -1 255"},
        {1011, "Receive 1 Prog", "Command 4 2 1 5 255"},
        {1015, "Receive 1 Combi", "Command 4 2 1 5 255"},
        {1019, "Receive 1 Multi", "Command 4 2 1 5 255"},
        {1012, "Transmit 1 Prog", "Command 3 2 1 5 255"},
        {1016, "Transmit 1 Combi", "Command 3 2 1 5 255"},
        {1020, "Transmit 1 Multi", "Command 3 2 1 5 255"},
        {1029, "Receive Global Data", "Command 14 0 0 0 0"},
        {1030, "Transmit Global Data", "Command 13 0 0 0 0"},
        {1039, "Write Global Setting", "Command 13 0 0 0 0"},
        {1031, "Receive Drum Kit", "Command 17 -1 0 0 0"},
        {1032, "Transmit Drum Kit", "Command 16 -1 0 0 0"},
        {1041, "Write Drum Kits", "Command 16 -1 0 0 0"},
        {1033, "Receive Arpeggio Pattern", "Command 21 -1 0 0 0"},
        {1034, "Transmit Arpeggio Pattern", "Command 20 -1 0 0 0"},
        {1045, "Write Arpeggio Patterns", "Command 20 -1 0 0 0"},
        {1035, "Receive ExtControl Data", "Command 27 -1 0 0 0"},
        {1036, "Transmit ExtControl Data", "Command 26 -1 0 0 0"},
        {1051, "Write Ext.Control Setups", "Command 26 -1 0 0 0"},
        {1037, "Save Default", "Command 29 0 0 0 0"},
        {1038, "Restore Data", "Command 30 0 0 0 0"},
    };
    for (const Case& c : cases) {
        const std::string name = c.name;
        ShowItems({Item(c.id, c.name)});
        // OK: asked, then run.
        boxes.clear();
        synth.execOk = true;
        Choose(name);
        EXPECT_EQ(boxes, std::vector<std::string>{name + "?"}) << name;
        EXPECT_EQ(synth.Calls("Command"), std::vector<std::string>{c.command}) << name;
        // Cancel: nothing sent.
        synth.calls.clear();
        boxes.clear();
        answers = {HFC_MB_RESULT_CANCEL};
        Choose(name);
        EXPECT_EQ(boxes, std::vector<std::string>{name + "?"}) << name;
        EXPECT_TRUE(synth.Calls("Command").empty()) << name;
        // A failure says so by name.
        synth.calls.clear();
        boxes.clear();
        synth.execOk = false;
        Choose(name);
        EXPECT_EQ(boxes, (std::vector<std::string>{name + "?", name + " Error"})) << name;
        EXPECT_EQ(synth.Calls("Command").size(), 1u) << name;
    }
    for (const std::string& caption : captions) EXPECT_EQ(caption, "Tolva Plug-In Editor");
}

TEST_F(UtilityMenu, WriteRenameFileAndSoundOffItemsOpenWhatTheyName) {
    ShowItems({kMenuItemInfo_WriteProgram, kMenuItemInfo_RenameDrumKit, kMenuItemInfo_Load,
               kMenuItemInfo_Save, kMenuItemInfo_Import, kMenuItemInfo_Export, kMenuItemInfo_AllSoundOff});
    script.Choose("Write Program");
    root->OnUtilitySwitch();
    EXPECT_EQ(root->GetQueuedCommandCount(), 1);

    Choose("Rename Drum Kit");
    ASSERT_NE(root->GetModalLayer(), nullptr);
    root->CloseModalBrowser();

    struct DialogCase {
        const char* item;
        HfcFileDialogKind kind;
        const char* title;
        const char* name;
        std::vector<std::string> types;
    };
    const std::vector<std::string> native = {"All Data (*.Xall)", "All Prog (*.Xallprog)",
                                             "Bank Program (*.Xbankprog)", "Program (*.X1prog)"};
    const DialogCase dialogs[] = {
        {"Load", HfcFileDialogKind::Open, "", "", native},
        {"Save", HfcFileDialogKind::Save, "", "Untitled.Xall", native},
        {"Import", HfcFileDialogKind::Open, "Import", "", {"All Files (*.PCG)"}},
        {"Export",
         HfcFileDialogKind::Save,
         "Export",
         "",
         {"Cendra (*.PCG)", "Cendra Unit (*.PCG)", "Cendra Works (*.PCG)", "Cendra Apex (*.PCG)",
          "Cendra Mini (*.PCG)", "Tesk (*.PCG)", "Osvara (*.PCG)"}},
    };
    for (const DialogCase& c : dialogs) {
        script.dialogs.clear();
        script.Choose(c.item, dir, "", {}, false);
        Choose(c.item);
        ASSERT_EQ(script.dialogs.size(), 1u) << c.item;
        const HfcFileDialogRequest& r = script.dialogs[0];
        EXPECT_EQ(r.kind, c.kind) << c.item;
        EXPECT_EQ(r.title, c.title) << c.item;
        EXPECT_EQ(r.name, c.name) << c.item;
        EXPECT_EQ(r.types, c.types) << c.item;
        EXPECT_EQ(r.typeIndex, 0) << c.item;
    }
    EXPECT_TRUE(boxes.empty());
    EXPECT_TRUE(synth.Calls("Load").empty());
    EXPECT_TRUE(synth.Calls("Save").empty());

    synth.calls.clear();
    Choose("All Sound Off");
    EXPECT_EQ(synth.Calls("MIDI B0 78 00").size(), 1u);
    EXPECT_EQ(synth.Calls("MIDI BF 7B 00").size(), 1u);
}

TEST_F(UtilityMenu, EveryCommandButAllSoundOffEndsABrowserAuditionFirst) {
    ShowItems({kMenuItemInfo_ReceiveAll, kMenuItemInfo_Save, kMenuItemInfo_AllSoundOff});
    struct Case {
        const char* item;
        bool ends;
    };
    for (const Case& c : {Case{"Receive All", true}, Case{"Save", true}, Case{"All Sound Off", false}}) {
        ASSERT_TRUE(synth.BeginAudition(QorX0::AUDCTX_SOUND));
        synth.calls.clear();
        script.Choose(c.item, dir, "", {}, false);
        Choose(c.item);
        EXPECT_EQ(synth.GetAuditionState(), !c.ends) << c.item;
        // Ended without keeping the auditioned sound, before the command went out.
        const auto end = std::find(synth.calls.begin(), synth.calls.end(), "EndAudition 0");
        EXPECT_EQ(end != synth.calls.end(), c.ends) << c.item;
        const auto command = std::find_if(synth.calls.begin(), synth.calls.end(), [](const std::string& s) {
            return s.rfind("Command", 0) == 0 || s.rfind("MIDI", 0) == 0;
        });
        if (c.ends) {
            EXPECT_LT(end - synth.calls.begin(), command - synth.calls.begin()) << c.item;
        }
        if (synth.GetAuditionState()) synth.EndAudition(false);
    }
}

// ---- file dialogs

TEST(UtilityFileRows, NativeRowsFollowModeGlobalPageAndPattern) {
    struct Case {
        unsigned char mode, soundMode;
        int globalKind;
        unsigned pattern;
        std::vector<int> types;
    };
    const Case cases[] = {
        {2, 2, -1, 0, {1, 3, 6, 8}},        {3, 2, 0, 0, {1, 3, 6, 8}},  // kit rows only in global mode
        {0, 0, -1, 0, {1, 4, 7, 9}},        {4, 4, -1, 0, {1, 5, 10}},
        {6, 2, 0, 0, {1, 11, 14, 3, 6, 8}}, {6, 0, 1, 3, {1, 12, 4, 7, 9}},
        {6, 0, 1, 7, {1, 12, 15, 4, 7, 9}}, {6, 4, -1, 7, {1, 5, 10}},
        {6, 255, 0, 0, {1, 11, 14}},
    };
    for (const Case& c : cases) {
        QorX0::RecordingRemoteSynth synth;
        synth.sections.host.mode = c.mode;
        synth.sections.host.soundMode = c.soundMode;
        synth.sections.patterns.Select(c.pattern, 0);
        std::vector<FiletypeInfo> rows;
        BackgroundLayer::MakeFileTypeInfoArray(rows, &synth, c.globalKind);
        std::vector<int> types;
        for (const FiletypeInfo& row : rows) types.push_back(row.type);
        EXPECT_EQ(types, c.types) << "mode " << int(c.mode) << " kind " << c.globalKind << " pattern "
                                  << c.pattern;
    }
    // Labels and patterns of every native row.
    QorX0::RecordingRemoteSynth synth;
    synth.sections.host.mode = 6;
    synth.sections.patterns.Select(9, 0);
    std::vector<std::string> seen;
    for (unsigned char sound : {2, 0, 4}) {
        synth.sections.host.soundMode = sound;
        for (int kind : {0, 1}) {
            std::vector<FiletypeInfo> rows;
            BackgroundLayer::MakeFileTypeInfoArray(rows, &synth, kind);
            for (const FiletypeInfo& r : rows) {
                const std::string text = std::to_string(r.type) + " " + r.label + " " + r.pattern;
                if (std::find(seen.begin(), seen.end(), text) == seen.end()) seen.push_back(text);
            }
        }
    }
    std::sort(seen.begin(), seen.end(),
              [](const std::string& a, const std::string& b) { return std::stoi(a) < std::stoi(b); });
    const std::vector<std::string> expected = {
        "1 All Data (*.Xall) *.Xall",
        "3 All Prog (*.Xallprog) *.Xallprog",
        "4 All Combi (*.Xallcombi) *.Xallcombi",
        "5 All Multi (*.Xallmulti) *.Xallmulti",
        "6 Bank Program (*.Xbankprog) *.Xbankprog",
        "7 Bank Combi (*.Xbankcombi) *.Xbankcombi",
        "8 Program (*.X1prog) *.X1prog",
        "9 Combi (*.X1combi) *.X1combi",
        "10 Multi (*.X1multi) *.X1multi",
        "11 All DrumKit (*.Xalldkit) *.Xalldkit",
        "12 All Arpeggio Pattern (*.Xallapat) *.Xallapat",
        "14 DrumKit (*.X1dkit) *.X1dkit",
        "15 Arpeggio Pattern (*.X1apat) *.X1apat",
    };
    EXPECT_EQ(seen, expected);
}

TEST(UtilityFileRows, PCGRowsForImportAndExport) {
    struct Case {
        bool import;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {true, {"1 All Files (*.PCG) *.PCG"}},
        {false,
         {"21 Cendra (*.PCG) *.PCG", "22 Cendra Unit (*.PCG) *.PCG", "23 Cendra Works (*.PCG) *.PCG",
          "24 Cendra Apex (*.PCG) *.PCG", "25 Cendra Mini (*.PCG) *.PCG", "25 Tesk (*.PCG) *.PCG",
          "26 Osvara (*.PCG) *.PCG"}},
    };
    for (const Case& c : cases) {
        std::vector<FiletypeInfo> rows = {FiletypeInfo{99, "old", "*.old"}};
        BackgroundLayer::MakePCGFileTypeInfoArray(rows, c.import);
        std::vector<std::string> texts;
        for (const FiletypeInfo& r : rows)
            texts.push_back(std::to_string(r.type) + " " + r.label + " " + r.pattern);
        EXPECT_EQ(texts, c.rows) << c.import;
    }
}

TEST_F(UtilityMenu, SaveNamesFollowTheTypeAndExportProposesNone) {
    ShowItems({kMenuItemInfo_Save, kMenuItemInfo_Export});
    struct Case {
        const char* item;
        int type;
        const char* before;
        const char* after;
    };
    for (const Case& c : {Case{"Save", 2, "Untitled.Xall", "Untitled.Xbankprog"},
                          Case{"Save", 3, "Untitled.Xall", "Untitled.X1prog"}, Case{"Export", 2, "", ""}}) {
        std::string before, after;
        script.inDialog = [&](const HfcFileDialogRequest&) {
            CHfcFileDialog* dialog = root->GetFileDialog();
            ASSERT_NE(dialog, nullptr);
            before = dialog->GetSaveFileName();
            dialog->OnMacNavCBPopupMenuSelect(c.type);
            after = dialog->GetSaveFileName();
        };
        script.Choose(c.item, dir, "", {}, false);
        Choose(c.item);
        EXPECT_EQ(before, c.before) << c.item << " " << c.type;
        EXPECT_EQ(after, c.after) << c.item << " " << c.type;
    }
}

TEST_F(UtilityMenu, BrowseShowsFoldersAndFilesOfTheChosenTypeIgnoringCase) {
    ShowItems({kMenuItemInfo_Load});
    struct Case {
        const char* path;
        bool folder;
        int typeIndex;
        bool shown;
    };
    const Case cases[] = {
        {"/d/a.Xall", false, 0, true},
        {"/d/A.XALL", false, 0, true},
        {"/d/a.xall", false, 0, true},
        {"/d/noextension", false, 0, false},
        {"/d.Xall/noextension", false, 0, false},
        {"/d/a.Xallprog", false, 0, false},
        {"/d/a.Xall.bak", false, 0, false},
        {"/d/a.Xbankprog", false, 2, true},
        {"/d/folder", true, 0, true},
        {"/d/a.Xall", false, -1, false},
        {"/d/folder", true, -1, true},
    };
    std::vector<std::string> wrong;
    script.inDialog = [&](const HfcFileDialogRequest&) {
        CHfcFileDialog* dialog = root->GetFileDialog();
        ASSERT_NE(dialog, nullptr);
        for (const Case& c : cases) {
            dialog->SetFileTypeIndex(c.typeIndex);
            FSRef ref{};
            std::snprintf(ref.path, sizeof ref.path, "%s", c.path);
            if (root->OnHfcFileDialogBrowseFilterFSRef(dialog, &ref, c.folder, nullptr) != c.shown)
                wrong.push_back(std::string(c.path) + " row " + std::to_string(c.typeIndex));
        }
        dialog->SetFileTypeIndex(0);
    };
    script.Choose("Load", dir, "", {}, false);
    Choose("Load");
    EXPECT_TRUE(wrong.empty()) << ::testing::PrintToString(wrong);
}

// ---- what a chosen file becomes

TEST_F(UtilityMenu, SaveTakesTheIndexOfTheChosenType) {
    synth.sections.kits.Select(9, 60);
    synth.sections.patterns.Select(7, 0);
    struct Case {
        unsigned char mode;
        int globalPage;  // -1: the test page in the program tab
        int row;
        const char* name;
        const char* call;  // after the folder
    };
    const Case cases[] = {
        {2, -1, 0, "a.Xall", "a.Xall 1 0"},
        {2, -1, 2, "b.Xbankprog", "b.Xbankprog 6 1"},
        {2, -1, 3, "p.X1prog", "p.X1prog 8 0"},
        {6, 4, 2, "k.X1dkit", "k.X1dkit 14 9"},
        {6, 5, 2, "pattern.X1apat", "pattern.X1apat 15 2"},
    };
    for (const Case& c : cases) {
        if (c.globalPage < 0) {
            ShowItems({kMenuItemInfo_Save});
        } else {
            SetMode(c.mode);
            root->GetMainTab(BackgroundLayer::kTabGlobal)->SetActivePageByIndex(c.globalPage, true);
            Tick();
        }
        synth.calls.clear();
        script.Choose("Save", dir, c.name, c.row == 0 ? std::vector<int>{} : std::vector<int>{c.row});
        Choose("Save");
        EXPECT_EQ(synth.Calls("Save"), std::vector<std::string>{"Save " + dir + "/" + c.call}) << c.name;
    }
    EXPECT_TRUE(boxes.empty()) << ::testing::PrintToString(boxes);
    // Export saves the PCG kind of its row.
    ShowItems({kMenuItemInfo_Export});
    script.Choose("Export", dir, "x.PCG", {5});
    Choose("Export");
    EXPECT_EQ(synth.Calls("Save"), std::vector<std::string>{"Save " + dir + "/x.PCG 25 0"});
}

TEST_F(UtilityMenu, LoadTakesTheIndexOfTheFilesOwnKind) {
    synth.sections.kits.Select(9, 60);
    synth.sections.patterns.Select(7, 0);
    SetMode(QorX0::kModeGlobal);
    root->GetMainTab(BackgroundLayer::kTabGlobal)->SetActivePageByIndex(4, true);
    Tick();
    struct Case {
        const char* name;
        FTYPE kind;
        int row;  // chosen under: 0 All Data, 2 DrumKit
        unsigned index;
    };
    const Case cases[] = {
        {"all.Xall", QorX0::FTYPE_ALL, 0, 0},
        {"kit.X1dkit", QorX0::FTYPE_DKIT, 2, 9},
        // A pattern file renamed as a kit file loads into the selected user pattern, not kit 9.
        {"renamed.X1dkit", QorX0::FTYPE_APAT, 2, 2},
        {"bank.Xbankprog", QorX0::FTYPE_BANKPROG, 0, 1},
        {"one.X1prog", QorX0::FTYPE_PROG, 2, 0},
    };
    for (const Case& c : cases) {
        const std::string path = WriteFile(c.name, Stream(QorX0::kPmidTolva, c.kind));
        synth.calls.clear();
        script.Choose("Load", dir, c.name, c.row == 0 ? std::vector<int>{} : std::vector<int>{c.row});
        Choose("Load");
        EXPECT_EQ(synth.Calls("Load"),
                  std::vector<std::string>{"Load " + path + " " + std::to_string(c.index)})
            << c.name;
    }
    EXPECT_TRUE(boxes.empty()) << ::testing::PrintToString(boxes);
}

TEST_F(UtilityMenu, ANerimoFileAsksFirstAndCancelSaysLoadError) {
    ShowItems({kMenuItemInfo_Load});
    const std::string path = WriteFile("n.X1prog", Stream(QorX0::kPmidNerimo, QorX0::FTYPE_PROG));
    const std::string question = "File Contains Nerimo data. Are your sure?";
    struct Case {
        int answer;
        std::vector<std::string> boxes;
        size_t loads;
    };
    for (const Case& c : {Case{HFC_MB_RESULT_CANCEL, {question, "Load Error"}, 0},
                          Case{HFC_MB_RESULT_DEFAULT, {question}, 1}}) {
        boxes.clear();
        synth.calls.clear();
        answers = {c.answer};
        script.Choose("Load", dir, "n.X1prog");
        Choose("Load");
        EXPECT_EQ(boxes, c.boxes) << c.answer;
        EXPECT_EQ(synth.Calls("Load").size(), c.loads) << c.answer;
    }
}

TEST_F(UtilityMenu, FileCommandsFailWithTheirErrorAndDisconnectedCallNothing) {
    ShowItems({kMenuItemInfo_Load, kMenuItemInfo_Save, kMenuItemInfo_Import, kMenuItemInfo_Export});
    WriteFile("all.Xall", Stream(QorX0::kPmidTolva, QorX0::FTYPE_ALL));
    WriteFile("junk.Xall", "not a file of ours at all");
    struct Case {
        const char* what;
        const char* item;
        const char* name;
        bool connected, ok;
        const char* error;  // "" none
        size_t calls;
    };
    const Case cases[] = {
        {"load", "Load", "all.Xall", true, true, "", 1},
        {"load disconnected", "Load", "all.Xall", false, true, "Load Error", 0},
        {"load refused", "Load", "all.Xall", true, false, "Load Error", 1},
        {"load unknown file", "Load", "junk.Xall", true, true, "Load Error", 0},
        {"load missing file", "Load", "none.Xall", true, true, "Load Error", 0},
        {"import disconnected", "Import", "all.Xall", false, true, "Load Error", 0},
        {"save", "Save", "new.Xall", true, true, "", 1},
        {"save disconnected", "Save", "new.Xall", false, true, "Save Error", 0},
        {"save refused", "Save", "new.Xall", true, false, "Save Error", 1},
        {"export disconnected", "Export", "new.PCG", false, true, "Save Error", 0},
    };
    for (const Case& c : cases) {
        boxes.clear();
        synth.calls.clear();
        synth.connected = c.connected;
        synth.loadOk = synth.saveOk = c.ok;
        script.Choose(c.item, dir, c.name);
        Choose(c.item);
        EXPECT_EQ(boxes, *c.error ? std::vector<std::string>{c.error} : std::vector<std::string>{}) << c.what;
        const bool load = std::string(c.item) == "Load" || std::string(c.item) == "Import";
        EXPECT_EQ(synth.Calls(load ? "Load" : "Save").size(), c.calls) << c.what;
    }
}

TEST_F(UtilityMenu, SavingOverAFileAsksFirst) {
    ShowItems({kMenuItemInfo_Save});
    WriteFile("old.Xall", "old");
    struct Case {
        int answer;
        size_t saves;
    };
    for (const Case& c : {Case{HFC_MB_RESULT_CANCEL, 0}, Case{HFC_MB_RESULT_DEFAULT, 1}}) {
        boxes.clear();
        synth.calls.clear();
        answers = {c.answer};
        script.Choose("Save", dir, "old.Xall");
        Choose("Save");
        EXPECT_EQ(boxes, std::vector<std::string>{HfcReplaceQuestion("old.Xall")}) << c.answer;
        EXPECT_EQ(synth.Calls("Save").size(), c.saves) << c.answer;
    }
}
