// The write and rename dialogs against the simulated instrument.
#include <gtest/gtest.h>

#include <cstring>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Editor/Browsers.h"
#include "Common/Editor/RenameBrowser.h"
#include "Common/Editor/WriteBrowser.h"
#include "Common/Model/Banks.h"
#include "Editor/BrowserFixture.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"

namespace {

class WriteDialog : public BrowserFixture {
protected:
    void Open() {
        // As the window opens it: the modal tab over the small blue page.
        MakeTabs(ArtGeometry::kBrowserTabX, ArtGeometry::kBrowserTabY, "Tab_Write_Prog",
                 ArtGeometry::kModalTabWidth, ArtGeometry::kModalTabHeight);
        page =
            static_cast<WriteBrowser*>(Adopt(NewWriteBrowser(synth.get()), "Background_BlueBrowser_Small"));
        ASSERT_NE(page, nullptr);
        page->DoModal();
        Tick();
    }
    CHfcControl* Control(int id) { return page->GetControlById(id, 0); }
    std::string Text(int id) {
        std::string t = static_cast<const char*>(Control(id)->GetPtrValue());
        while (!t.empty() && t.back() == ' ') t.pop_back();
        return t;
    }
    void Type(int id, const char* text) {
        page->OnHfcCtrlPtrValueChanged(Control(id), const_cast<char*>(text));
    }
    std::string StoredName(int bank, int number) {
        return synth->GetAllSounds(2)->GetAt(bank)->GetAt(number)->GetName();
    }

    WriteBrowser* page = nullptr;
};

TEST_F(WriteDialog, ProposesTheEditBuffersOwnNameAndCategoryAndWritesThem) {
    MakeSynced();
    synth->PutMode(3);
    Settle();
    // The edit buffer differs from its stored slot, as after loading a one-program file.
    QnUtils::SetCurSoundCategory(synth.get(), 2, 7);
    synth->GetEditBuffer(2)->PutParamS(0xFF00, "Edited Lead");
    Open();
    EXPECT_EQ(Text(WriteBrowser::kIdName), "Edited Lead");
    EXPECT_EQ(Control(WriteBrowser::kIdCategory)->GetIntValue(), 7);
    // The categories are the instrument's own names.
    std::string category;
    EXPECT_TRUE(static_cast<QnDropdownList*>(Control(WriteBrowser::kIdCategory))->GetItemText(category, 7));
    std::string stored;
    QnUtils::GetCategoryName(stored, synth.get(), 2, 7, true);
    EXPECT_EQ(category, stored);
    EXPECT_EQ(category, "Guitar");
    // Destination B, "7".
    page->OnHfcCtrlIntValueChanged(Control(WriteBrowser::kIdBank), 1);
    Type(WriteBrowser::kIdNumber, "7");
    std::string line = "007 " + QnUtils::GetProgramName(synth.get(), 2, 1, 7);
    while (line.back() == ' ') line.pop_back();
    EXPECT_EQ(Text(WriteBrowser::kIdNumber), line);
    Shot("write_dialog");
    Type(WriteBrowser::kIdName, "A name of twenty ch\xC3\xA9");
    EXPECT_EQ(Text(WriteBrowser::kIdName), "A name of twenty");
    AnswerBoxes(HFC_MB_RESULT_DEFAULT);
    page->OnSave();
    EXPECT_EQ(boxes, std::vector<std::string>{"Tolva Plug-In Editor / Are you sure?"});
    EXPECT_FALSE(page->IsModal());
    Settle();
    EXPECT_EQ(StoredName(1, 7), "A name of twenty");
    ExpectImageEqual("after the write");
}

TEST_F(WriteDialog, InProgramPlayAnEditedNameReachesTheInstrumentWithTheWrite) {
    // A name is not a parameter change: it stays in the editor's edit buffer until the write sends
    // the buffer, which the instrument then stores with its new name.
    MakeSynced();
    ASSERT_EQ(synth->GetMode(), 2);
    synth->GetEditBuffer(2)->PutParamS(0xFF00, "Played Name");
    Settle();
    auto simName = [&](Sim::Area area, int index) {
        return sim->With([&](Sim::SimCore& c) {
            return std::string(reinterpret_cast<const char*>(c.Image().Record(area, index)), 16);
        });
    };
    EXPECT_NE(simName(Sim::Area::CurProgram, 0), "Played Name     ");
    Open();
    EXPECT_EQ(Text(WriteBrowser::kIdName), "Played Name");
    page->OnHfcCtrlIntValueChanged(Control(WriteBrowser::kIdBank), 2);
    Type(WriteBrowser::kIdNumber, "9");
    AnswerBoxes(HFC_MB_RESULT_DEFAULT);
    page->OnSave();
    Settle();
    EXPECT_EQ(simName(Sim::Area::Program, 2 * 128 + 9), "Played Name     ");
    EXPECT_EQ(StoredName(2, 9), "Played Name     ");
    ExpectImageEqual("after the write in program play");
}

TEST_F(WriteDialog, TheNumberIsTypedAfterAClickIntoItOrATabFromTheName) {
    // How the user comes to type the number: a click into it, or Tab from the name being typed.
    enum Way { kClick, kTab };
    for (unsigned char pmid : {QorX0::kPmidTolva, QorX0::kPmidNerimo}) {
        for (Way way : {kClick, kTab}) {
            SCOPED_TRACE(std::string(pmid == QorX0::kPmidTolva ? "Tolva" : "Nerimo") +
                         (way == kClick ? ", click" : ", tab"));
            MakeSynced(pmid);
            Open();
            const std::string name = Text(WriteBrowser::kIdName);
            page->OnHfcCtrlIntValueChanged(Control(WriteBrowser::kIdBank), 1);
            auto* number = static_cast<CHfcCtrlCharEditText*>(Control(WriteBrowser::kIdNumber));
            if (way == kClick) {
                // A drag still steps the number, and types nothing.
                const tagHfcRect& l = page->GetRect();
                const tagHfcRect& r = number->GetRect();
                const int x = l.left + (r.left + r.right) / 2, y = l.top + (r.top + r.bottom) / 2;
                const int before = page->GetDestinationNumber();
                HfcTestClock::Now() += 1000;
                screen.MoveTo(x, y);
                screen.ButtonDown();
                screen.MoveTo(x, y - 3);
                screen.ButtonUp();
                Tick();
                EXPECT_NE(page->GetDestinationNumber(), before);
                EXPECT_FALSE(number->IsEditing());
                ClickOn(page, number);
            } else {
                CHfcControl* field = Control(WriteBrowser::kIdName);
                const tagHfcRect& l = page->GetRect();
                const tagHfcRect& r = field->GetRect();
                HfcTestClock::Now() += 1000;
                screen.MoveTo(l.left + (r.left + r.right) / 2, l.top + (r.top + r.bottom) / 2);
                screen.DoubleClick();
                screen.Type("Tabbed");
                screen.Key('\t', 0);
            }
            Tick();
            EXPECT_TRUE(number->IsEditing());
            screen.Type("7");
            screen.Key(13, 0);
            Tick();
            std::string line = "007 " + QnUtils::GetProgramName(synth.get(), 2, 1, 7);
            while (line.back() == ' ') line.pop_back();
            EXPECT_EQ(Text(WriteBrowser::kIdNumber), line);
            const std::string written = way == kTab ? "Tabbed" : name;
            EXPECT_EQ(Text(WriteBrowser::kIdName), written);
            AnswerBoxes(HFC_MB_RESULT_DEFAULT);
            page->OnSave();
            Settle();
            std::string stored = StoredName(1, 7);
            while (!stored.empty() && stored.back() == ' ') stored.pop_back();
            EXPECT_EQ(stored, written);
            ExpectImageEqual("after the typed write");
            DropTabs();
            page = nullptr;
        }
    }
}

TEST_F(WriteDialog, TypedNumbersAreHeldToTheBank) {
    MakeSynced();
    Open();
    struct Case {
        const char* typed;
        int number;
    };
    for (const Case& c :
         {Case{"300", 127}, Case{"200", 127}, Case{"abc", 0}, Case{"12x", 12}, Case{"127", 127}}) {
        Type(WriteBrowser::kIdNumber, c.typed);
        EXPECT_EQ(page->GetDestinationNumber(), c.number) << c.typed;
    }
}

TEST_F(WriteDialog, GMBanksAreNeverOffered) {
    MakeSynced();
    Open();
    auto* banks = static_cast<QnDropdownList*>(Control(WriteBrowser::kIdBank));
    ASSERT_GT(banks->GetItemCount(), 0);
    for (int i = 0; i < banks->GetItemCount(); ++i) EXPECT_FALSE(QnUtils::IsGMBank(synth.get(), 2, i));
    EXPECT_TRUE(QnUtils::IsGMBank(synth.get(), 2, banks->GetItemCount()));
}

TEST_F(WriteDialog, CancelAtTheQuestionAndAModeChangeWriteNothing) {
    MakeSynced();
    auto before = Image();
    Open();
    AnswerBoxes(HFC_MB_RESULT_CANCEL);
    page->OnSave();
    EXPECT_FALSE(page->IsModal());
    Settle();
    auto after = Image();
    EXPECT_EQ(0, std::memcmp(before->Bytes(), after->Bytes(), sizeof *before));

    Open();
    synth->PutMode(0);  // the instrument went to combinations under the dialog
    Settle();
    boxes.clear();
    AnswerBoxes(HFC_MB_RESULT_DEFAULT);
    sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    page->OnSave();
    EXPECT_EQ(boxes.back(), "Tolva Plug-In Editor / Write Error!");
    Settle();
    EXPECT_TRUE(sim->With([](Sim::SimCore& c) {
        for (const Sim::TimedBytes& m : c.ReceivedMessages())
            if (m.bytes.size() > 4 && m.bytes[0] == 0xF0 && m.bytes[4] == Sim::Rx::WriteProg) return false;
        return true;
    }));
}

TEST_F(WriteDialog, ARefusedWriteSaysWriteError) {
    MakeSynced();
    sim->With([](Sim::SimCore& c) { c.State().protect = true; });
    Open();
    AnswerBoxes(HFC_MB_RESULT_DEFAULT);
    page->OnSave();
    EXPECT_EQ(boxes.back(), "Tolva Plug-In Editor / Write Error!");
    EXPECT_FALSE(page->IsModal());
}

TEST_F(WriteDialog, MultiModeHasNoCategoryAndWritesToBankZero) {
    MakeSynced();
    synth->PutMode(4);
    Settle();
    Open();
    EXPECT_EQ(Control(WriteBrowser::kIdCategory), nullptr);
    EXPECT_FALSE(Control(WriteBrowser::kIdBank)->IsEnabled());
    Type(WriteBrowser::kIdNumber, "3");
    EXPECT_EQ(page->GetDestinationBank(), 0);
    Type(WriteBrowser::kIdName, "Multi Three");
    AnswerBoxes(HFC_MB_RESULT_DEFAULT);
    page->OnSave();
    Settle();
    EXPECT_EQ(synth->GetAllSounds(4)->GetAt(0)->GetAt(3)->GetName().substr(0, 11), "Multi Three");
    ExpectImageEqual("after the multi write");
}

class RenameDialog : public BrowserFixture {
protected:
    void Open(int kind) {
        MakeTabs(ArtGeometry::kBrowserTabX, ArtGeometry::kBrowserTabY, "Tab_Rename_DrumKit",
                 ArtGeometry::kModalTabWidth, ArtGeometry::kModalTabHeight);
        page = static_cast<RenameBrowser*>(
            Adopt(NewRenameBrowser(synth.get(), kind), "Background_BlueBrowser_Small"));
        ASSERT_NE(page, nullptr);
        page->DoModal();
        Tick();
    }
    CHfcControl* Name() { return page->GetControlById(RenameBrowser::kIdName, 0); }
    RenameBrowser* page = nullptr;
};

TEST_F(RenameDialog, RenamesTheSelectedKitKeepsItsKeyAndSendsIt) {
    MakeSynced();
    synth->PutMode(6);
    Settle();
    QorX0::IGlobalArraySection* kits = synth->GetDrumKits();
    kits->Select(5, 60);
    Settle();
    Open(0);
    EXPECT_EQ(std::string(static_cast<const char*>(Name()->GetPtrValue())), [&] {
        std::string n = kits->GetNames()->GetAt(5)->GetName();
        while (!n.empty() && n.back() == ' ') n.pop_back();
        return n;
    }());
    Shot("rename_dialog");
    page->OnHfcCtrlPtrValueChanged(Name(), const_cast<char*>("Kit Five Renamed Long"));
    EXPECT_EQ(std::string(static_cast<const char*>(Name()->GetPtrValue())), "Kit Five Renamed");
    ClickOn(page, page->GetControlById(RenameBrowser::kIdOK, 0));
    Tick();
    EXPECT_FALSE(page->IsModal());
    Settle();
    EXPECT_EQ(kits->GetNames()->GetAt(5)->GetName(), "Kit Five Renamed");
    EXPECT_EQ(kits->GetSelection(), (uint64_t{60} << 32) | 5) << "the kit's key stays selected";
    ExpectImageEqual("after the rename");
}

TEST_F(RenameDialog, CancelChangesNothingAndSendsNothing) {
    MakeSynced();
    synth->PutMode(6);
    Settle();
    auto before = Image();
    Open(1);
    page->OnHfcCtrlPtrValueChanged(Name(), const_cast<char*>("Never"));
    sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    ClickOn(page, page->GetControlById(RenameBrowser::kIdCancel, 0));
    Tick();
    EXPECT_FALSE(page->IsModal());
    Settle();
    auto after = Image();
    EXPECT_EQ(0, std::memcmp(before->Bytes(), after->Bytes(), sizeof *before));
}

}  // namespace
