// The toolkit's own dialog windows on the headless screen: the message box (every kind of buttons and
// mark, answered by click, Return, Escape and the close box), the progress window behind the transfer
// dialog, and the file dialogs (listing, filter, typing a name, the question before a save replaces a
// file, the listener's calls and their order, scripted answers).
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <strings.h>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/HfcDialogDriver.h"
#include "Hfc/HfcFixture.h"
#include "Hfc/HfcGallery.h"

namespace {

class RecordingListener : public CHfcFileDialogListener {
public:
    explicit RecordingListener(HfcLog* log) : m_log(log) {}
    void OnHfcFileDialogAction(CHfcFileDialog* dialog, int accepted, void* userData) override {
        FSRef ref{};
        const int err = dialog->MacGetItemFSRef(0, &ref);
        m_log->push_back("action " + std::to_string(accepted) + " items " +
                         std::to_string(dialog->GetNumItems()) +
                         (err == 0 ? " " + std::string(ref.path) : " err " + std::to_string(err)) +
                         (userData == this ? "" : " (user data lost)"));
        if (accepted) name = dialog->GetSaveFileName();
    }
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) override {
        m_log->push_back("terminate");
        CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, userData);
    }
    void OnHfcFileDialogFileTypeChanged(CHfcFileDialog*, int index, void*) override {
        m_log->push_back("type " + std::to_string(index));
    }
    bool OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog*, FSRef* ref, bool isFolder, void*) override {
        const std::string path = ref->path;
        const std::string name = path.substr(path.find_last_of('/') + 1);
        filtered.push_back(name + (isFolder ? "/" : ""));
        if (isFolder) return !refuseFolders;
        char ext[16] = {};
        CHfcFile::GetExtension(path.c_str(), ext, sizeof(ext));
        return !onlyXall || strcasecmp(ext, "Xall") == 0 || strcasecmp(ext, ".Xall") == 0;
    }
    HfcLog* m_log;
    std::vector<std::string> filtered;
    bool refuseFolders = false;
    bool onlyXall = false;
    std::string name;
};

class ProgressOwner : public IAsyncProgressViewOwner {
public:
    void OnProgressViewCancel() override { ++cancels; }
    void OnProgressViewBreak() override { ++breaks; }
    int cancels = 0;
    int breaks = 0;
};

}  // namespace

class ToolkitDialogs : public HfcWindowFixture {
protected:
    void SetUp() override {
        HfcWindowFixture::SetUp();
        HfcInstallToolkitWindows();
        char folder[] = "/tmp/tolva-dialog-XXXXXX";
        ASSERT_NE(mkdtemp(folder), nullptr);
        m_folder = folder;
        for (const char* name : {"a.Xall", "b.XALL", "c"}) std::ofstream(m_folder + "/" + name) << "x";
        mkdir((m_folder + "/sub").c_str(), 0700);
        HfcFileDialogSetStartFolder(m_folder.c_str());
        MakeWindow(100, 80, 640, 480);
    }
    void TearDown() override {
        HfcUninstallToolkitWindows();
        HfcSetFileDialogHook(nullptr);
        HfcWindowFixture::TearDown();
        std::system(("rm -rf " + m_folder).c_str());
    }
    CHfcDialogWindow* Top() { return HfcTopDialog(); }
    // A save dialog over the window proposing name, shown and listed.
    void OpenSave(RecordingListener* listener, const char* name) {
        HfcFileDialogSetStartFolder(m_folder.c_str());
        auto* dialog = new CHfcSaveFileDialog();
        ASSERT_TRUE(dialog->Create(m_window.get(), listener, listener));
        dialog->SetFilePath(name);
        ASSERT_TRUE(dialog->GetOneFile());
        m_loop.RunPending();
    }
    void ClickButton(const char* text) { HfcClickDialogButton(m_screen, text); }
    // Runs the loop until the dialog's listener has heard its end.
    void ServeUntil(const HfcLog& log, const std::string& last) {
        m_loop.RunUntil([&] { return !log.empty() && log.back() == last; }, 3000);
    }
    std::string m_folder;
};

TEST_F(ToolkitDialogs, MessageBoxAnswers) {
    struct Case {
        long buttons;
        long icon;
        const char* press;  // a button's text, or "Return", "Escape", "close"
        int expected;
    };
    const Case cases[] = {
        {HFC_MB_OK, 0, "OK", 1},
        {HFC_MB_OK, 0, "Escape", 1},
        {HFC_MB_OKCANCEL, HFC_MB_ICONCAUTION, "Cancel", 2},
        {HFC_MB_OKCANCEL, HFC_MB_ICONCAUTION, "Return", 1},
        {HFC_MB_OKCANCEL, 0, "close", 2},
        {HFC_MB_YESNO, HFC_MB_ICONSTOP, "No", 2},
        {HFC_MB_YESNO, HFC_MB_ICONSTOP, "Yes", 1},
        {HFC_MB_YESNO, 0, "Escape", 2},
        {HFC_MB_OKCANCELOTHER, 0, "Other", 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.press) + " of buttons " + std::to_string(c.buttons));
        m_screen.Later([&] {
            ASSERT_NE(Top(), nullptr);
            const std::string press = c.press;
            if (press == "Return") {
                m_screen.Key(13, 0);
            } else if (press == "Escape") {
                m_screen.Key(27, 27);
            } else if (press == "close") {
                HfcPlatformEvent close;
                close.kind = HfcEventKind::Close;
                Top()->OnPlatformEvent(close);
            } else {
                ClickButton(c.press);
            }
        });
        EXPECT_EQ(
            HfcMessageBoxForWindow("The explanation.", "The message", m_window.get(), c.buttons, c.icon),
            c.expected);
        EXPECT_EQ(HfcModalCount(), 0);
    }
}

TEST_F(ToolkitDialogs, AMessageBoxAskedForOnAnotherThreadAnswersTheDefaultWithoutAWindow) {
    int answer = 0;
    std::thread other(
        [&] { answer = HfcMessageBoxForWindow("text", "caption", nullptr, HFC_MB_OKCANCEL, 0); });
    other.join();
    EXPECT_EQ(answer, HFC_MB_RESULT_DEFAULT);
    EXPECT_EQ(HfcModalCount(), 0);
    EXPECT_EQ(m_screen.Frames().size(), 1u);  // our test window only
}

TEST_F(ToolkitDialogs, MessageBoxKindsLookAsDrawn) {
    const long icons[] = {HFC_MB_ICONPLAIN, HFC_MB_ICONNOTE, HFC_MB_ICONCAUTION, HFC_MB_ICONSTOP};
    for (long buttons = 0; buttons < 4; ++buttons) {
        for (long icon : icons) {
            m_screen.Later([&] {
                ASSERT_NE(Top(), nullptr);
                // The default button is the rightmost.
                const auto& b = Top()->GetButtons();
                for (size_t i = 1; i < b.size(); ++i) EXPECT_LT(b[i].rect.right, b[0].rect.left);
                EXPECT_TRUE(b[0].isDefault);
                if (buttons == 2 && icon == HFC_MB_ICONSTOP) {
                    m_screen.WritePng(HfcGalleryPath("message-box-yes-no-stop"));
                }
                if (buttons == 3 && icon == HFC_MB_ICONCAUTION) {
                    m_screen.WritePng(HfcGalleryPath("message-box-three-caution"));
                }
                m_screen.Key(13, 0);
            });
            HfcMessageBoxForWindow(
                "A longer explanation that the box wraps onto more than one line, since it is wider than "
                "the room the box has for it.",
                "Receive all data from the instrument?", m_window.get(), buttons, icon);
        }
    }
}

TEST_F(ToolkitDialogs, ProgressWindowShowsTextAndBarAndCancelOnlyInforms) {
    ProgressOwner owner;
    auto view = std::make_unique<CHfcProgressWindow>(&owner);
    ASSERT_TRUE(view->Open());
    view->SetTitle("Transfer");
    view->SetText("Receiving");
    view->SetPercent(50);
    m_screen.WritePng(HfcGalleryPath("progress-window-50"));
    int ox = 0, oy = 0;
    view->GetFrame()->GetRootOrigin(&ox, &oy);
    // Half the bar is filled.
    const auto shot = m_screen.Snapshot();
    const int barY = oy + 58;
    EXPECT_EQ(shot->GetPixel(ox + 16 + 100, barY), 0xFF3A6FC4u);
    EXPECT_EQ(shot->GetPixel(ox + 380 - 16 - 100, barY), 0xFFFFFFFFu);
    ClickButton("Cancel");
    EXPECT_EQ(owner.cancels, 1);
    EXPECT_NE(view->GetFrame(), nullptr);  // the window stays until its owner ends it
    view->SetCancelEnabled(false);
    ClickButton("Cancel");
    EXPECT_EQ(owner.cancels, 1);
    // The editor closing breaks the owner's loop.
    HfcModalAbortAll();
    EXPECT_EQ(owner.breaks, 1);
    view.reset();
    EXPECT_EQ(HfcModalCount(), 0);
}

TEST_F(ToolkitDialogs, TheTransferDialogRunsItsLoopInTheProgressWindowUntilABreak) {
    std::unique_ptr<IAsyncProgressUI> dialog(AsyncProgressUICreate());
    ASSERT_TRUE(dialog->BeginModal(nullptr, "Receive", true, nullptr));
    auto* window = dynamic_cast<CHfcProgressWindow*>(HfcModalTop());
    ASSERT_NE(window, nullptr);
    dialog->NotifyProgress("Receiving", 1024, 512);
    std::thread worker([&] { dialog->NotifyBreak(); });
    EXPECT_TRUE(dialog->RunModal());
    worker.join();
    EXPECT_EQ(window->GetText(), "Receiving");
    EXPECT_EQ(window->GetPercent(), 50);
    // Ended by the editor closing: the loop returns.
    m_screen.Later([&] { HfcModalAbortAll(); });
    EXPECT_TRUE(dialog->RunModal());
    dialog->EndModal();
    EXPECT_EQ(HfcModalCount(), 0);
}

TEST_F(ToolkitDialogs, OpenDialogListsFiltersAndOpensAFileChosenByTypingItsName) {
    HfcLog log;
    RecordingListener listener(&log);
    listener.onlyXall = true;
    auto* dialog = new CHfcOpenFileDialog();
    ASSERT_TRUE(dialog->Create(m_window.get(), &listener, &listener));
    dialog->SetTitle("Open");
    ASSERT_TRUE(dialog->GetOneFile());
    m_loop.RunPending();
    std::sort(listener.filtered.begin(), listener.filtered.end());
    EXPECT_EQ(listener.filtered, (std::vector<std::string>{"a.Xall", "b.XALL", "c", "sub/"}));
    m_screen.WritePng(HfcGalleryPath("file-dialog-open"));
    // Our window takes no input meanwhile.
    EXPECT_TRUE(HfcModalBlocksInput(m_window.get()));
    m_screen.Type("b.");
    m_screen.Key(13, 0);
    ServeUntil(log, "terminate");
    EXPECT_EQ(log, (HfcLog{"action 1 items 1 " + m_folder + "/b.XALL", "terminate"}));
    EXPECT_EQ(HfcModalCount(), 0);
}

TEST_F(ToolkitDialogs, CancelLeavesNoItemAndAListenerRefusingFoldersShowsNone) {
    HfcLog log;
    RecordingListener listener(&log);
    listener.refuseFolders = true;
    auto* dialog = new CHfcOpenFileDialog();
    ASSERT_TRUE(dialog->Create(m_window.get(), &listener, &listener));
    dialog->SetFileTypeIndex(-1);
    ASSERT_TRUE(dialog->GetOneFile());
    m_loop.RunPending();
    m_screen.WritePng(HfcGalleryPath("file-dialog-no-folders"));
    // Down, Down, Down from the way up: the third entry is the last file, no folder among them.
    for (int i = 0; i < 4; ++i) m_screen.Key(31, 40);
    ClickButton("Cancel");
    ServeUntil(log, "terminate");
    EXPECT_EQ(log, (HfcLog{"action 0 items 0 err -50", "terminate"}));
}

TEST_F(ToolkitDialogs, SavingOverAFileAsksFirst) {
    HfcLog log;
    RecordingListener listener(&log);
    auto* dialog = new CHfcSaveFileDialog();
    ASSERT_TRUE(dialog->Create(m_window.get(), &listener, &listener));
    dialog->SetFilePath("Untitled.Xall");
    dialog->AddFileType("*.Xall", "All data");
    dialog->AddFileType("*.Xprg", "Programs");
    dialog->SetFileTypeIndex(1);
    ASSERT_TRUE(dialog->GetOneFile());
    m_loop.RunPending();
    m_screen.WritePng(HfcGalleryPath("file-dialog-save"));
    // Typing replaces the proposed base: a name that exists.
    m_screen.Type("a");
    std::vector<std::string> questions;
    HfcSetMessageBoxHook([&](const HfcMessageBoxRequest& r) {
        questions.push_back(r.caption + "|" + r.text + "|" + r.buttons[0] + "," + r.buttons[1]);
        return questions.size() == 1 ? HFC_MB_RESULT_CANCEL : HFC_MB_RESULT_DEFAULT;
    });
    m_screen.Key(13, 0);  // asked, answered Cancel: the dialog stays
    m_loop.RunPending();
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(HfcModalCount(), 1);
    ClickButton("Save");  // asked again, answered OK
    ServeUntil(log, "terminate");
    HfcSetMessageBoxHook(nullptr);
    EXPECT_EQ(questions, (std::vector<std::string>(2, "|a.Xall already exists. Replace it?|OK,Cancel")));
    EXPECT_EQ(log, (HfcLog{"action 1 items 1 " + m_folder, "terminate"}));
    EXPECT_EQ(listener.name, "a.Xall");
}

TEST_F(ToolkitDialogs, ScriptedAnswersReachTheListenerInTheSameOrder) {
    HfcLog log;
    RecordingListener listener(&log);
    std::vector<HfcFileDialogRequest> seen;
    HfcSetFileDialogHook([&](const HfcFileDialogRequest& request) {
        seen.push_back(request);
        HfcFileDialogAnswer answer;
        answer.accepted = true;
        answer.name = "new.Xall";
        answer.typeChanges = {1};
        return answer;
    });
    auto* dialog = new CHfcSaveFileDialog();
    ASSERT_TRUE(dialog->Create(nullptr, &listener, &listener));
    dialog->SetTitle("Save");
    dialog->SetFilePath("Untitled.Xall");
    dialog->AddFileType("*.Xall", "All data");
    dialog->AddFileType("*.Xprg", "Programs");
    ASSERT_TRUE(dialog->GetOneFile());
    EXPECT_TRUE(log.empty());  // nothing before the loop runs
    ServeUntil(log, "terminate");
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].kind, HfcFileDialogKind::Save);
    EXPECT_EQ(seen[0].title, "Save");
    EXPECT_EQ(seen[0].name, "Untitled.Xall");
    EXPECT_EQ(seen[0].types, (std::vector<std::string>{"All data", "Programs"}));
    EXPECT_EQ(seen[0].typeIndex, -1);
    EXPECT_EQ(log, (HfcLog{"type 1", "action 1 items 1 " + m_folder, "terminate"}));
    EXPECT_EQ(listener.name, "new.Xall");
    EXPECT_EQ(listener.filtered.size(), 4u);  // the browse filter saw every entry
}

// The proposed name's base is selected: typing replaces it and the extension stays; Backspace and the
// arrows edit the name as a text field does; a separator cannot be typed.
TEST_F(ToolkitDialogs, TheSaveDialogSelectsTheProposedBaseAndEditsTheNameAsAField) {
    struct Case {
        std::vector<std::pair<int, int>> keys;  // character and virtual key; 0: type text
        const char* text;
        const char* saved;
    };
    const Case cases[] = {
        {{}, "MyBank", "MyBank.Xall"},
        {{{8, 8}}, "x", "x.Xall"},
        {{{29, 39}, {8, 8}}, "", "Untitle.Xall"},
        {{{28, 37}}, "A", "AUntitled.Xall"},
        {{}, "a/b", "ab.Xall"},
        {{{29, 39}, {29, 39}, {127, 46}}, "", "Untitled.all"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " after " + std::to_string(c.keys.size()) + " keys");
        HfcLog log;
        RecordingListener listener(&log);
        OpenSave(&listener, "Untitled.Xall");
        for (const auto& [character, virtualKey] : c.keys) m_screen.Key(character, virtualKey);
        m_screen.Type(c.text);
        m_screen.Key(13, 0);
        ServeUntil(log, "terminate");
        EXPECT_EQ(listener.name, c.saved);
    }
    // What opens shows the base on the selection colour, the extension on the field's face.
    HfcLog log;
    RecordingListener listener(&log);
    OpenSave(&listener, "Untitled.Xall");
    m_screen.WritePng(HfcGalleryPath("file-dialog-save-name"));
    const auto shot = m_screen.Snapshot();
    int ox = 0, oy = 0;
    Top()->GetFrame()->GetRootOrigin(&ox, &oy);
    const int fieldY = oy + Top()->GetFrame()->GetHeight() - 112 + 10 + 4;  // the name field's top row
    int selected = 0;
    for (int x = 0; x < 200; ++x) selected += shot->GetPixel(ox + 16 + 64 + x, fieldY) == 0xFF3A6FC4u;
    EXPECT_GT(selected, 20);
    EXPECT_LT(selected, 100);
    ClickButton("Cancel");
    ServeUntil(log, "terminate");
}

// Return with a folder chosen in the listing enters it; a folder's name typed is entered, never
// replaced; a name that is not one entry of the folder shown is refused with a message.
TEST_F(ToolkitDialogs, TheSaveDialogEntersFoldersAndRefusesPathsAsNames) {
    std::vector<std::string> boxes;
    HfcSetMessageBoxHook([&](const HfcMessageBoxRequest& r) {
        boxes.push_back(r.text);
        return HFC_MB_RESULT_DEFAULT;
    });
    {
        // Down to "sub" (after the way up), Return: entered; Return again saves there.
        HfcLog log;
        RecordingListener listener(&log);
        OpenSave(&listener, "Untitled.Xall");
        m_screen.Key(31, 40);
        m_screen.Key(31, 40);
        m_screen.Key(13, 0);
        m_loop.RunPending();
        EXPECT_TRUE(log.empty());
        m_screen.Key(13, 0);
        ServeUntil(log, "terminate");
        EXPECT_EQ(log, (HfcLog{"action 1 items 1 " + m_folder + "/sub", "terminate"}));
        EXPECT_EQ(listener.name, "Untitled.Xall");
    }
    {
        // The folder's name typed: entered, the proposed name back, nothing asked.
        HfcLog log;
        RecordingListener listener(&log);
        OpenSave(&listener, "Untitled");
        m_screen.Type("sub");
        m_screen.Key(13, 0);
        m_loop.RunPending();
        EXPECT_TRUE(log.empty());
        ClickButton("Save");
        ServeUntil(log, "terminate");
        EXPECT_EQ(log, (HfcLog{"action 1 items 1 " + m_folder + "/sub", "terminate"}));
        EXPECT_EQ(listener.name, "Untitled");
    }
    EXPECT_EQ(boxes, std::vector<std::string>{});
    const char* unusable[] = {"../x.Xall", "sub/x", ".", ".."};
    for (const char* name : unusable) {
        SCOPED_TRACE(name);
        boxes.clear();
        HfcLog log;
        RecordingListener listener(&log);
        auto* dialog = new CHfcSaveFileDialog();
        ASSERT_TRUE(dialog->Create(m_window.get(), &listener, &listener));
        ASSERT_TRUE(dialog->GetOneFile());
        m_loop.RunPending();
        dialog->SetSaveFileNameToDialog(name);
        ClickButton("Save");  // refused: the dialog stays
        m_loop.RunPending();
        EXPECT_EQ(boxes, std::vector<std::string>{"\"" + std::string(name) +
                                                  "\" cannot be used as a name. A name has no \"/\" and is "
                                                  "not \".\" or \"..\"."});
        EXPECT_TRUE(log.empty());
        ClickButton("Cancel");
        ServeUntil(log, "terminate");
        EXPECT_EQ(log, (HfcLog{"action 0 items 0 err -50", "terminate"}));
    }
    // A scripted answer with such a name, or a folder's, is a cancel.
    for (const char* name : {"../x.Xall", "sub"}) {
        SCOPED_TRACE(name);
        HfcLog log;
        RecordingListener listener(&log);
        HfcSetFileDialogHook([&](const HfcFileDialogRequest&) {
            HfcFileDialogAnswer answer;
            answer.accepted = true;
            answer.name = name;
            return answer;
        });
        HfcFileDialogSetStartFolder(m_folder.c_str());
        auto* dialog = new CHfcSaveFileDialog();
        ASSERT_TRUE(dialog->Create(nullptr, &listener, &listener));
        ASSERT_TRUE(dialog->GetOneFile());
        ServeUntil(log, "terminate");
        EXPECT_EQ(log, (HfcLog{"action 0 items 0 err -50", "terminate"}));
        HfcSetFileDialogHook(nullptr);
    }
    HfcSetMessageBoxHook(nullptr);
    struct stat st {};
    EXPECT_NE(stat((m_folder + "/../x.Xall").c_str(), &st), 0);
}

// Another format in the popup lists the folder again through the browse filter.
TEST_F(ToolkitDialogs, AnotherFormatListsTheFolderAgainThroughTheFilter) {
    class TypeListener : public RecordingListener {
    public:
        using RecordingListener::RecordingListener;
        void OnHfcFileDialogFileTypeChanged(CHfcFileDialog* dialog, int index, void* user) override {
            RecordingListener::OnHfcFileDialogFileTypeChanged(dialog, index, user);
            onlyXall = index == 1;
        }
    };
    HfcLog log;
    TypeListener listener(&log);
    auto* dialog = new CHfcOpenFileDialog();
    ASSERT_TRUE(dialog->Create(m_window.get(), &listener, &listener));
    dialog->AddFileType("*", "Everything");
    dialog->AddFileType("*.Xall", "All data");
    dialog->SetFileTypeIndex(0);
    ASSERT_TRUE(dialog->GetOneFile());
    m_loop.RunPending();
    EXPECT_EQ(listener.filtered.size(), 4u);
    HfcSetPopupMenuHook([](const HfcPopupMenuRequest&) { return 2; });  // "All data"
    int ox = 0, oy = 0;
    Top()->GetFrame()->GetRootOrigin(&ox, &oy);
    m_screen.MoveTo(ox + 300, oy + Top()->GetFrame()->GetHeight() - 16 - 24 - 34 + 10);
    m_screen.Click();
    HfcSetPopupMenuHook(nullptr);
    EXPECT_EQ(log, HfcLog{"type 1"});
    EXPECT_EQ(listener.filtered.size(), 8u);
    // "c" is no longer listed: typing its name chooses nothing to open.
    m_screen.Type("c");
    m_screen.Key(13, 0);
    m_loop.RunPending();
    EXPECT_EQ(log, HfcLog{"type 1"});
    Advance(2000);
    m_screen.Type("b");
    m_screen.Key(13, 0);
    ServeUntil(log, "terminate");
    EXPECT_EQ(log, (HfcLog{"type 1", "action 1 items 1 " + m_folder + "/b.XALL", "terminate"}));
}
