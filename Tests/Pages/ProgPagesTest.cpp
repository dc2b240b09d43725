// The program pages' own behaviour: the filter graph coupled to the filter parameters, the enable
// rules of the oscillator mode, the play page's labels, the master effects' routing picture and
// switches, and note input into the arpeggiator's scan zone.
#include <gtest/gtest.h>

#include <list>
#include <string>
#include <vector>

#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlFilterGraph.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Model/Sections.h"
#include "Common/Pages/ProgPages.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class ProgPagesTest : public PagesFixture {
protected:
    void SetUp() override {
        PagesFixture::SetUp();
        for (int i = 0; i < EditPageCount(kEditTabProg); ++i)
            program.push_back(AdoptCatalogued(kEditTabProg, i));
    }
    template <class P>
    P* Page(int index) {
        return dynamic_cast<P*>(program[static_cast<size_t>(index)]);
    }
    ISection* Prog() { return synth->GetEditBuffer(kModeProgEdit); }
    // A change made on the instrument: the section tells its observers.
    void Receive(int pid, int value) { Prog()->PutParamIEx(pid, value, kPutNotify); }
    static std::vector<QnStaticText*> LabelsWithText(CTabPageLayer* page, const std::string& text) {
        std::vector<CHfcControl*> controls;
        page->GetControlVec(controls);
        std::vector<QnStaticText*> found;
        for (CHfcControl* c : controls)
            if (auto* l = dynamic_cast<QnStaticText*>(c); l && l->GetText() == text) found.push_back(l);
        return found;
    }
    std::vector<CTabPageLayer*> program;
};

TEST_F(ProgPagesTest, TheFilterGraphFollowsTheFilterType) {
    struct Case {
        int osc, type, lowCutoff, highCutoff, resonance;
    };
    const Case cases[] = {{0, 0, 40, 10, 20}, {0, 1, 40, 10, 20}, {1, 0, 99, 0, 0}, {1, 1, 7, 60, 33}};
    Receive(0x0001, 1);  // two oscillators: oscillator 2's filter takes values
    for (const Case& c : cases) {
        const int b = c.osc * 0xD00;
        auto* page = Page<ProgFilterLayer>(4 + c.osc);
        ASSERT_NE(page, nullptr);
        Receive(b + 0x700, c.lowCutoff);
        Receive(b + 0x800, c.highCutoff);
        Receive(b + 0x602, c.resonance);
        Receive(b + 0x600, c.type);
        ShowPage(page);
        const std::string where = "osc " + std::to_string(c.osc) + " type " + std::to_string(c.type);
        auto* label = dynamic_cast<QnStaticText*>(page->GetControlById(0x10003, 0));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->GetText(), c.type == 1 ? "HPF" : "Resonance") << where;
        EXPECT_EQ(page->GetControlById(b + 0x602, 0)->IsVisible(), c.type == 0) << where;
        EXPECT_EQ(page->GetControlById(b + 0x800, 0)->IsVisible(), c.type == 1) << where;
        CXBCtrlFilterGraph* graph = page->GetFilterGraph();
        EXPECT_EQ(graph->GetHandleCount(), c.type == 1 ? 2 : 1) << where;
        tagFilterValue low{}, high{};
        ASSERT_TRUE(graph->GetFilterValue(&low, 0));
        EXPECT_EQ(low.cutoff, 2 * c.lowCutoff) << where;
        EXPECT_EQ(low.resonance, c.type == 1 ? 99 : 99 + c.resonance) << where;
        if (c.type == 1) {
            ASSERT_TRUE(graph->GetFilterValue(&high, 1));
            EXPECT_EQ(high.cutoff, 2 * c.highCutoff) << where;
            EXPECT_EQ(high.resonance, 99) << where;
        }
    }
}

TEST_F(ProgPagesTest, DraggingTheFilterGraphWritesItsParameters) {
    struct Case {
        int type;
        tagFilterValue dragged;
        int lowCutoff, highCutoff, resonance;  // expected afterwards
        int handleResonance;
    };
    // Start: low cutoff 50, high cutoff 20, resonance 40.
    const Case cases[] = {
        {1, {1, 150, 60}, 50, 30, 40, 99},  // handle 1 writes the high-pass cutoff, resonance untouched
        {1, {0, 20, 81}, 40, 20, 40, 99},   // handle 0 the low-pass cutoff, odd graph units rounded down
        {0, {0, 50, 40}, 20, 20, 0, 99},    // below the resonance floor: resonance 0
        {0, {0, 130, 198}, 99, 20, 31, 130},
    };
    auto* page = Page<ProgFilterLayer>(4);
    ShowPage(page);
    for (const Case& c : cases) {
        Receive(0x600, c.type);
        Receive(0x700, 50);
        Receive(0x800, 20);
        Receive(0x602, 40);
        Tick();
        tagFilterValue record = c.dragged;
        page->OnHfcCtrlPtrValueChanged(page->GetFilterGraph(), &record);
        EXPECT_EQ(Prog()->GetParamI(0x700), c.lowCutoff) << c.type << "/" << c.dragged.index;
        EXPECT_EQ(Prog()->GetParamI(0x800), c.highCutoff) << c.type << "/" << c.dragged.index;
        EXPECT_EQ(Prog()->GetParamI(0x602), c.resonance) << c.type << "/" << c.dragged.index;
        tagFilterValue shown{};
        ASSERT_TRUE(page->GetFilterGraph()->GetFilterValue(&shown, c.dragged.index));
        EXPECT_EQ(shown.resonance, c.handleResonance) << "the handle snaps to what was written";
    }
}

TEST_F(ProgPagesTest, TheOscillatorModeDecidesWhatIsEnabledAndWhichPickListOpens) {
    std::vector<int> requested;
    static std::vector<int>* sink = nullptr;
    sink = &requested;
    const auto saved = EditTabPageLayerBase::GetRedBrowserRequest();
    EditTabPageLayerBase::SetRedBrowserRequest([](CHfcWindowLayer*, int type, int, int) {
        sink->push_back(type);
        return true;
    });
    struct Case {
        int mode;
        bool osc2;       // oscillator 2's graphs enabled
        int pickerType;  // of the oscillator 1 high selector
    };
    const Case cases[] = {{1, true, 2}, {0, false, 2}, {2, false, 4}, {1, true, 2}};
    for (const Case& c : cases) {
        Receive(0x0001, c.mode);
        Tick();  // the pages replay the change at their idle
        auto* filter2 = Page<ProgFilterLayer>(5);
        auto* filter1 = Page<ProgFilterLayer>(4);
        auto* amp = Page<ProgAmpLayer>(6);
        auto* basic = Page<ProgBasicLayer>(1);
        for (int id : {0x10000, 0x10001}) {
            EXPECT_EQ(filter2->GetControlById(id, 0)->IsEnabled(), c.osc2) << "mode " << c.mode;
            EXPECT_TRUE(filter1->GetControlById(id, 0)->IsEnabled()) << "mode " << c.mode;
        }
        EXPECT_EQ(amp->GetControlById(0x10001, 0)->IsEnabled(), c.osc2) << "mode " << c.mode;
        EXPECT_TRUE(amp->GetControlById(0x10000, 0)->IsEnabled());
        requested.clear();
        ShowPage(basic);
        CHfcControl* selector = basic->GetControlById(0x0201, 0);
        ASSERT_NE(selector, nullptr);
        EXPECT_TRUE(basic->OnHfcCtrlMouseLButtonDown(selector, 2, 2, 0));
        ASSERT_EQ(requested.size(), 1u);
        EXPECT_EQ(requested[0], c.pickerType) << "mode " << c.mode;
    }
    EditTabPageLayerBase::SetRedBrowserRequest(saved);
}

TEST_F(ProgPagesTest, PlayPageNamesAreSplitAtTheirLineFeed) {
    auto* play = program[0];
    struct Case {
        const char* text;
        int x, y;
    };
    // Column i stands at x = 18 + 45 i; its labels 8 pixels left of it.
    const Case cases[] = {{"Octave", 10, 20}, {"OSC", 100, 14}, {"Balance", 100, 26},
                          {"Decay", 235, 20}, {"MFX", 325, 14}, {"Arpeggiator", 407, 22}};
    for (const Case& c : cases) {
        bool found = false;
        for (QnStaticText* label : LabelsWithText(play, c.text))
            found |= label->GetRect().left == c.x && label->GetRect().top == c.y;
        EXPECT_TRUE(found) << c.text << " at " << c.x << "," << c.y;
    }
    EXPECT_EQ(LabelsWithText(play, "Balance").size(), 3u);
    // The text field beside each bar edits the same parameter.
    for (int pid = 0; pid < 8; ++pid) {
        CHfcControl* field = play->GetControlById(0x10000 | pid, 0);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(play->GetParameterIdByControl(field).pid, pid);
        EXPECT_EQ(play->GetParameterIdByControl(field).section, synth->GetEditBuffer(kModeProgPlay));
    }
}

TEST_F(ProgPagesTest, TheRoutingPictureShowsTheChainOnlyWhenItIsOn) {
    auto* master = Page<ProgMasterFXLayer>(9);
    ShowPage(master);
    ResourceManager* images = ResourceManager::GetInstance();
    CHfcBmp* forward = images->LoadImage("Image_MFX_Routing_MFX1ToMFX2");
    CHfcBmp* backward = images->LoadImage("Image_MFX_Routing_MFX2ToMFX1");
    ASSERT_NE(forward, nullptr);
    ASSERT_NE(backward, nullptr);
    // Whether the page's surface holds exactly that picture at (322, 52).
    auto shows = [&](const CHfcBmp* image) {
        const CHfcBmp* surface = master->GetContext()->GetBmp();
        for (int y = 0; y < image->GetHeight(); ++y)
            for (int x = 0; x < image->GetWidth(); ++x)
                if ((image->GetPixel(x, y) >> 24) == 0xFF &&
                    surface->GetPixel(322 + x, 52 + y) != image->GetPixel(x, y))
                    return false;
        return true;
    };
    struct Case {
        int chain, direction;
        const CHfcBmp* image;  // none: neither picture
    };
    const Case cases[] = {
        {0, 0, nullptr}, {0, 1, nullptr}, {1, 0, forward}, {1, 1, backward}, {0, 1, nullptr}};
    for (const Case& c : cases) {
        Receive(0x2006, c.chain);
        Receive(0x2007, c.direction);
        Tick();
        EXPECT_EQ(shows(forward), c.image == forward) << c.chain << "/" << c.direction;
        EXPECT_EQ(shows(backward), c.image == backward) << c.chain << "/" << c.direction;
    }
}

TEST_F(ProgPagesTest, RoutingSwitchesShowTheirSublevelPage) {
    auto* master = Page<ProgMasterFXLayer>(9);
    ShowPage(master);
    struct Case {
        int id, page;
    };
    const Case cases[] = {{0x10003, 3}, {0x10001, 1}, {0x10002, 2}, {0x10000, 0}, {0x10003, 3}};
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    for (const Case& c : cases) {
        CHfcControl* routing = master->GetControlById(c.id, 0);
        ASSERT_NE(routing, nullptr);
        EXPECT_EQ(master->GetParameterIdByControl(routing).section, nullptr) << "not a parameter";
        routing->OnHfcMouseLButtonDown(mouse, 3, 3, 0);  // press, then release through the capture
        mouse->ReleaseCapture();
        Tick();
        EXPECT_EQ(master->GetSubTabControl()->GetActiveIndex(), c.page) << std::hex << c.id;
        EXPECT_TRUE(master->GetSubTabControl()->GetTabPageLayer(c.page)->IsVisible());
    }
    EXPECT_EQ(synth->sections.host.link.count, 0u) << "routing switches write nothing";
}

TEST_F(ProgPagesTest, PlayedNotesFillTheScanZoneFieldBeingEdited) {
    auto* arp = Page<ProgArpControlsLayer>(7);
    auto field = [&](int pid) { return dynamic_cast<CHfcCtrlCharEditText*>(arp->GetControlById(pid, 0)); };
    auto text = [&](int pid, int value) {
        PARAMDESC d{};
        EXPECT_TRUE(Prog()->GetParamDesc(pid, &d));
        const std::string t = d.converter->Format(value);
        return t.substr(0, t.find('\0'));
    };
    struct Case {
        const char* what;
        int editing;      // PID of the field in entry, -1 none
        bool shown;       // the page is the shown one
        bool fromWindow;  // through the window (OnMidiIn), else from the instrument
        std::vector<unsigned char> bytes;
        int expectValue;  // -1: the field keeps its text
    };
    const Case cases[] = {
        {"key from the instrument", 0x1D0B, true, false, {0x90, 60, 100}, 60},
        {"velocity 0 counts", 0x1D0D, true, false, {0x91, 60, 0}, 0},
        {"top velocity", 0x1D0C, true, true, {0x9F, 20, 99}, 99},
        {"top key from the window", 0x1D0A, true, true, {0x90, 72, 1}, 72},
        {"note-off", 0x1D0B, true, false, {0x80, 61, 64}, -1},
        {"control change", 0x1D0B, true, true, {0xB0, 62, 64}, -1},
        {"no field in entry", -1, true, false, {0x90, 63, 64}, -1},
        {"instrument, page hidden", 0x1D0B, false, false, {0x90, 64, 64}, -1},
        {"window, page hidden", 0x1D0B, false, true, {0x90, 65, 64}, 65},
        {"a cut message", 0x1D0B, true, false, {0x90}, 0},
        {"not MIDI data", 0x1D0B, true, true, {0x90, 0xC8, 64}, -1},
        {"a field of another parameter", 0x1D03, true, false, {0x90, 66, 64}, -1},
    };
    for (const Case& c : cases) {
        ShowPage(c.shown ? static_cast<CTabPageLayer*>(arp) : program[0]);
        for (int pid : {0x1D0A, 0x1D0B, 0x1D0C, 0x1D0D, 0x1D03}) {
            if (field(pid)->IsEditing()) field(pid)->LeaveEdit();
            field(pid)->SetPtrValue(const_cast<char*>("start"), false);
        }
        if (c.editing != -1) field(c.editing)->EnterEdit(nullptr);
        if (c.fromWindow)
            arp->OnMidiIn(c.bytes[0], c.bytes.size() > 1 ? c.bytes[1] : 0,
                          c.bytes.size() > 2 ? c.bytes[2] : 0);
        else
            synth->FireMIDIIn(c.bytes.data(), static_cast<unsigned>(c.bytes.size()));
        const int pid = c.editing == -1 ? 0x1D0B : c.editing;
        const std::string shown = static_cast<const char*>(field(pid)->GetPtrValue());
        EXPECT_EQ(shown, c.expectValue < 0 ? "start" : text(pid, c.expectValue)) << c.what;
        if (c.editing != -1) field(c.editing)->LeaveEdit();
    }
    EXPECT_EQ(synth->sections.host.link.count, 0u) << "nothing written before the entry is confirmed";
}

TEST_F(ProgPagesTest, AConfirmedNoteEntryWritesTheParameter) {
    auto* arp = Page<ProgArpControlsLayer>(7);
    ShowPage(arp);
    auto* bottom = dynamic_cast<CHfcCtrlCharEditText*>(arp->GetControlById(0x1D0B, 0));
    ASSERT_NE(bottom, nullptr);
    bottom->EnterEdit(nullptr);
    const unsigned char note[] = {0x90, 48, 90};
    synth->FireMIDIIn(note, 3);
    ASSERT_TRUE(bottom->SetFocus(1));
    bottom->OnKeyDown(13, 0, 0);  // Return confirms
    Tick();
    EXPECT_EQ(Prog()->GetParamI(0x1D0B), 48);
    EXPECT_GT(synth->sections.host.link.count, 0u);
}

}  // namespace

namespace {

TEST_F(ProgPagesTest, PagesLeaveTheSynthesizersObserversHoweverTheyGo) {
    const size_t sinks = synth->SinkCount(), midiSinks = synth->MIDISinkCount();
    // Deleted without OnDestroy: only a page without sublevel pages (those go with OnDestroy).
    for (bool destroyFirst : {true, false}) {
        for (int index : destroyFirst ? std::vector<int>{1, 4, 7, 8, 9} : std::vector<int>{0, 7}) {
            CTabPageLayer* page = NewEditPage(synth.get(), kEditTabProg, index);
            CTabPageLayerCreateParam param{
                0, 0, ResourceManager::GetInstance()->LoadImage("Background_MainTab_Large")};
            ASSERT_TRUE(page->Create(param, window));
            EXPECT_GT(synth->SinkCount() + synth->MIDISinkCount(), sinks + midiSinks) << index;
            if (destroyFirst) {
                page->OnDestroy();
            } else {
                // The controls are the creator's to delete (OnDestroy does it); the page itself
                // must still leave the synthesizer.
                std::vector<CHfcControl*> controls;
                page->GetControlVec(controls);
                for (CHfcControl* c : controls) {
                    page->RemoveControl(c, false);
                    c->Destroy();
                    delete c;
                }
            }
            window->RemoveLayer(page, false);
            delete page;
            EXPECT_EQ(synth->SinkCount(), sinks) << index << (destroyFirst ? " destroyed" : " deleted");
            EXPECT_EQ(synth->MIDISinkCount(), midiSinks)
                << index << (destroyFirst ? " destroyed" : " deleted");
        }
    }
}

}  // namespace

namespace {

TEST_F(ProgPagesTest, EveryProgramPageListsItsUtilityMenuItems) {
    const std::vector<const MenuItemInfo*> tail = {
        &kMenuItemInfo_Separator,      &kMenuItemInfo_Load,         &kMenuItemInfo_Save,
        &kMenuItemInfo_Separator,      &kMenuItemInfo_Import,       &kMenuItemInfo_Export,
        &kMenuItemInfo_Separator,      &kMenuItemInfo_ReceiveAll,   &kMenuItemInfo_TransmitAll,
        &kMenuItemInfo_ReceiveProg,    &kMenuItemInfo_TransmitProg, &kMenuItemInfo_ReceiveOneProg,
        &kMenuItemInfo_TransmitOneProg};
    const std::vector<const MenuItemInfo*> oscillator = {
        &kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyOscillator, &kMenuItemInfo_SwapOscillator};
    const std::vector<const MenuItemInfo*> heads[] = {
        {&kMenuItemInfo_WriteProgram},
        oscillator,
        oscillator,
        {&kMenuItemInfo_WriteProgram},
        oscillator,
        oscillator,
        oscillator,
        {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyArpeggiator},
        {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyInsertEffect},
        {&kMenuItemInfo_WriteProgram, &kMenuItemInfo_CopyMasterEffect, &kMenuItemInfo_SwapMasterEffect},
    };
    for (int i = 0; i < EditPageCount(kEditTabProg); ++i) {
        std::vector<const MenuItemInfo*> expected = heads[i];
        expected.insert(expected.end(), tail.begin(), tail.end());
        std::list<MenuItemInfo> items;
        Page<EditTabPageLayerBase>(i)->GetMenuItemInfoList(items);
        ASSERT_EQ(items.size(), expected.size()) << "page " << i;
        size_t k = 0;
        for (const MenuItemInfo& item : items) {
            EXPECT_EQ(item.id, expected[k]->id) << "page " << i << " item " << k;
            EXPECT_EQ(item.name, expected[k]->name) << "page " << i << " item " << k;
            ++k;
        }
        // What the window shows: the page's Copy and Swap items are the page's own and drop out.
        int shown = 0;
        for (const MenuItemInfo& item : items) shown += !IsPageLocalMenuItemId(item.id);
        EXPECT_EQ(shown, static_cast<int>(1 + tail.size())) << "page " << i;
    }
    std::list<MenuItemInfo> none;
    EditTabPageLayerBase plain(synth.get(), kModeProgEdit);
    plain.GetMenuItemInfoList(none);
    EXPECT_TRUE(none.empty());
}

}  // namespace
