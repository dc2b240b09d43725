// The combination and multi column pages: activity lamps, the current column and the multi's current
// track, the track shift, what each column's controls are linked to, the insert effect's wires, the
// master effect page's routing and the pages' Utility menus.
#include <gtest/gtest.h>

#include <set>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Pages/CombiMultiArpLayers.h"
#include "Common/Pages/CombiMultiColumnLayers.h"
#include "Common/Pages/CombiMultiFXLayers.h"
#include "Common/Pages/CombiMultiPlayLayers.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Pages/PagesFixture.h"

using namespace QorX0;

namespace {

class CombiMultiPagesTest : public PagesFixture {
protected:
    template <class P>
    P* Make() {
        P* p = Adopt(new P(synth.get()), "Background_MainTab_Large");
        ShowPage(p);
        return p;
    }
    // Stores v in the instrument's image as the instrument's own change (observers told, nothing sent).
    void Instrument(int kind, int pid, int v) {
        ISection* section = nullptr;
        ASSERT_TRUE(synth->GetEditBuffer(kind)->FindSectionByPID(pid, &section));
        section->PutParamIEx(pid, v, kPutNotify);
    }
    int Stored(int kind, int pid) {
        ISection* section = nullptr;
        EXPECT_TRUE(synth->GetEditBuffer(kind)->FindSectionByPID(pid, &section));
        return section ? section->GetParamI(pid) : -1;
    }
    unsigned Sends() { return synth->sections.host.link.count; }
    static std::set<int> Lit(const CombiMultiLayerBase* page) {
        std::set<int> lit;
        for (size_t i = 0; i < page->GetLamps().size(); ++i)
            if (page->GetLamps()[i]->GetRemaining() > 0) lit.insert(static_cast<int>(i));
        return lit;
    }
};

TEST_F(CombiMultiPagesTest, LampsLightForTheColumnsOnTheMessagesChannel) {
    struct Case {
        const char* what;
        bool multi;
        unsigned char mode, soundMode;
        bool shown;
        unsigned char status;
        std::set<int> lit;
    };
    // Channels: column 0 on 1, column 1 on 2, column 2 on the global channel (combination only),
    // the rest on 6.
    const Case cases[] = {
        {"combination edit", false, kModeCombiEdit, kModeCombiPlay, true, 0x90, {0, 2}},
        {"combination play consults the edit buffer",
         false,
         kModeCombiPlay,
         kModeCombiPlay,
         true,
         0xB1,
         {1, 2}},
        {"a program sound lights nothing", false, kModeCombiEdit, kModeProgPlay, true, 0x90, {}},
        {"a hidden page lights nothing", false, kModeCombiEdit, kModeCombiPlay, false, 0x90, {}},
        {"multi", true, kModeMulti, kModeMulti, true, 0x95, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15}},
        {"multi, channel 1", true, kModeMulti, kModeMulti, true, 0x90, {0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const int kind = c.multi ? kModeMulti : kModeCombiEdit;
        const int columns = c.multi ? 16 : 8;
        for (int i = 0; i < columns; ++i)
            Instrument(kind, 0x104 + i * 0x100, i < 2 ? i : i == 2 && !c.multi ? 16 : 5);
        CombiMultiLayerBase* page = c.multi ? static_cast<CombiMultiLayerBase*>(Make<MultiToneAdjustLayer>())
                                            : Make<CombiToneAdjustLayer>();
        if (!c.shown) page->Hide(false);
        synth->sections.host.mode = c.mode;
        synth->sections.host.soundMode = c.soundMode;
        page->OnMidiIn(c.status, 60, 100);
        EXPECT_EQ(Lit(page), c.lit);
        // What lights shows: a lit lamp's next tick draws a lit face, not the dark one.
        for (CMMPCtrlFlash* lamp : page->GetLamps()) {
            lamp->OnIdle(0);
            EXPECT_EQ(lamp->GetFrame() > 0 && lamp->GetFrame() < lamp->GetLevels(), lamp->GetRemaining() > 0);
        }
    }
}

TEST_F(CombiMultiPagesTest, ALampClickMakesItsColumnCurrentAndOnMultiPagesTheCurrentTrack) {
    auto* multi = Make<MultiToneAdjustLayer>();
    multi->TrackShift(1);
    const unsigned before = Sends();
    EXPECT_TRUE(multi->OnHfcCtrlMouseLButtonDown(multi->GetLamps()[11], 1, 1, 0) == false);
    EXPECT_EQ(multi->GetActiveContainerIndex(), 11);
    EXPECT_EQ(Stored(kModeMulti, 0xFF16), 11);
    EXPECT_GT(Sends(), before);

    // The multi play page's lamps are told apart by their place (they all have the id -1).
    auto* play = Make<MultiPlayLayer>();
    play->OnHfcCtrlMouseLButtonDown(play->GetLamps()[9], 1, 1, 0);
    EXPECT_EQ(play->GetActiveContainerIndex(), 9);
    EXPECT_EQ(Stored(kModeMulti, 0xFF16), 9);

    auto* combi = Make<CombiToneAdjustLayer>();
    const unsigned quiet = Sends();
    combi->OnHfcCtrlMouseLButtonDown(combi->GetLamps()[3], 1, 1, 0);
    EXPECT_EQ(combi->GetActiveContainerIndex(), 3);
    EXPECT_EQ(Sends(), quiet);
}

TEST_F(CombiMultiPagesTest, TheHighlightFollowsTheInstrumentsCurrentTrackWithinTheNotification) {
    auto* page = Make<MultiMIDIFilterLayer>();
    Instrument(kModeMulti, 0xFF16, 5);
    synth->sections.host.Pump();  // the notification arrives; the page has no idle tick yet
    EXPECT_EQ(page->GetActiveContainerIndex(), 5);
    // A track of the hidden group: the highlight goes there, the shown group stays.
    Instrument(kModeMulti, 0xFF16, 12);
    synth->sections.host.Pump();
    EXPECT_EQ(page->GetActiveContainerIndex(), 12);
    EXPECT_EQ(page->GetShownGroup(), 0);
}

TEST_F(CombiMultiPagesTest, TrackShiftShowsOneGroupAndLeavesRowsAndTheScaleInPlace) {
    auto* page = Make<MultiTrackParamLayer>();
    auto visible = [&](int id) {
        CHfcControl* c = page->GetControlById(id, 0);
        EXPECT_NE(c, nullptr) << std::hex << id;
        return c && c->IsVisible();
    };
    const int transposeOfTrack2 = 2 * 256 + 10, transposeOfTrack10 = 10 * 256 + 10;
    EXPECT_TRUE(visible(transposeOfTrack2));
    EXPECT_FALSE(page->GetGroupControls(1).empty());
    page->TrackShift(0);
    EXPECT_TRUE(visible(transposeOfTrack2));
    EXPECT_FALSE(visible(transposeOfTrack10));
    page->TrackShift(1);
    EXPECT_FALSE(visible(transposeOfTrack2));
    EXPECT_TRUE(visible(transposeOfTrack10));
    EXPECT_FALSE(page->GetLamps()[0]->IsVisible());
    EXPECT_TRUE(page->GetLamps()[9]->IsVisible());
    // The scale row (type PID 0, key 1, random 2) is in no group.
    EXPECT_TRUE(visible(0));
    EXPECT_TRUE(visible(1));
    EXPECT_TRUE(visible(2));
    EXPECT_TRUE(page->IsTrackShiftAllowed());
    // Combination pages have one group and keep the window's switch off.
    EXPECT_FALSE(Make<CombiTimbreParamLayer>()->IsTrackShiftAllowed());
    // The play pages' columns are in no group: a shift only redraws.
    auto* play = Make<MultiPlayLayer>();
    play->TrackShift(1);
    EXPECT_TRUE(play->GetLamps()[0]->IsVisible());
    EXPECT_TRUE(play->IsRedrawRequested());
}

TEST_F(CombiMultiPagesTest, ColumnControlsAreLinkedToTheirTimbresAndTracks) {
    struct Case {
        const char* what;
        int page;  // 0 combination, 1 multi; index of the catalogue
        int index;
        int id;
        int pid;
    };
    const Case cases[] = {
        {"multi tone adjust, track 12 slot 3 destination", 1, 1, 0x3606, 0x3606},
        {"multi tone adjust, track 12 slot 3 amount", 1, 1, 0x3607, 0x3607},
        {"combination tone adjust, timbre 8 slot 5 amount", 0, 1, 0x1200 + 7 * 256 + 11,
         0x1200 + 7 * 256 + 11},
        {"combination scale type", 0, 2, 1, 1},
        {"combination scale key", 0, 2, 2, 2},
        {"combination random", 0, 2, 3, 3},
        {"multi scale type", 1, 2, 0, 0},
        {"multi random", 1, 2, 2, 2},
        {"multi track 16 MIDI channel", 1, 2, 0x1004, 0x1004},
        {"combination play volume of timbre 3", 0, 0, 0x202, 0x202},
        {"its text field", 0, 0, 0x10202, 0x202},
        {"multi play volume of track 16", 1, 0, 0x1002, 0x1002},
        {"multi MIDI filter of track 9, JS X", 1, 3, 0x0913, 0x0913},
        {"multi arpeggiator assign of track 16", 1, 5, 0x1027, 0x1027},
        {"multi arpeggiator B pattern", 1, 5, 0x2400, 0x2400},
        {"combination insert effect bus of timbre 2", 0, 6, 0x228, 0x228},
        {"multi drum-kit effect patch of track 16", 1, 6, 0x102B, 0x102B},
        {"multi master effect 2 type", 1, 7, 0x2701, 0x2701},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CTabPageLayer* page = AdoptCatalogued(c.page, c.index);
        const SParamIdInfo link = page->GetParameterIdByControlId(c.id, 0);
        EXPECT_NE(link.section, nullptr);
        EXPECT_EQ(link.pid, c.pid);
    }
}

TEST_F(CombiMultiPagesTest, TheVolumeBarAndItsFieldShowTheSameParameter) {
    auto* page = Make<CombiPlayLayer>();
    page->PutParamValue(kModeCombiPlay, 0x202, 42);
    Tick();
    auto* field = dynamic_cast<CHfcCtrlCharEditText*>(page->GetControlById(0x10202, 0));
    ASSERT_NE(field, nullptr);
    EXPECT_STREQ(static_cast<const char*>(field->GetPtrValue()), "42");
    EXPECT_EQ(page->GetControlById(0x202, 0)->GetIntValue(), 42);
}

// ---------------------------------------------------------------- insert effect wires

class InsertFXWiresTest : public CombiMultiPagesTest {
protected:
    // Chooses the bus item of that name in column i's list, as a click in the list does.
    void ChooseBus(CombiMultiInsertFXLayerBase* page, int column, const std::string& item) {
        auto* bus = dynamic_cast<QnDropdownList*>(page->GetControlById((column + 1) * 256 + 40, 0));
        ASSERT_NE(bus, nullptr);
        for (int k = 0; k < bus->GetItemCount(); ++k) {
            std::string text;
            if (bus->GetItemText(text, k) && text == item) {
                page->OnHfcCtrlIntValueChanged(bus, bus->GetMinIntValue() + k);
                Tick();
                return;
            }
        }
        FAIL() << "no item " << item;
    }
    bool Red(CTabPageLayer* page, int x, int y) {
        page->RequestRedraw();
        page->Idle(0);
        return page->GetContext()->GetBmp()->GetPixel(x, y) == 0xFFFF0000u;
    }
    // Makes timbre i's program a drum program, whose bus list starts with the drum kit's bus.
    void DrumProgram(CombiMultiInsertFXLayerBase* page, int column) {
        const int raw = Stored(page->GetTargetMode(), (column + 1) * 256);
        synth->sections.host.image->program[raw >> 7][raw & 0x7F][108] = 2;
        page->SynchronizeControlWithParam(page->GetControlById((column + 1) * 256 + 40, 0), true);
    }
};

TEST_F(InsertFXWiresTest, AColumnWhoseBusIsIFXIsWiredIntoTheInsertEffect) {
    auto* page = Make<CombiInsertFXLayer>();
    const int stub = 3 * 71 + 11;  // timbre 4's wire
    EXPECT_FALSE(Red(page, stub, 100));
    EXPECT_FALSE(Red(page, 11, 115));
    ChooseBus(page, 3, "IFX");
    EXPECT_TRUE(page->IsColumnRoutedToInsertEffect(3));
    EXPECT_TRUE(Red(page, stub, 100));
    EXPECT_TRUE(Red(page, 100, 104));  // along the row to the entry
    EXPECT_TRUE(Red(page, 11, 115));
    ChooseBus(page, 3, "L/R");
    EXPECT_FALSE(Red(page, stub, 100));
}

TEST_F(InsertFXWiresTest, ADrumProgramsLongerBusListIsReadByName) {
    auto* page = Make<CombiInsertFXLayer>();
    DrumProgram(page, 2);
    auto* bus = dynamic_cast<QnDropdownList*>(page->GetControlById(3 * 256 + 40, 0));
    ASSERT_NE(bus, nullptr);
    std::string first;
    ASSERT_TRUE(bus->GetItemText(first, 0));
    EXPECT_EQ(first.substr(0, 4), "Drum") << "the list of a drum program starts with its kit's bus";
    ChooseBus(page, 2, "L/R");
    EXPECT_FALSE(page->IsColumnRoutedToInsertEffect(2));
    EXPECT_FALSE(Red(page, 2 * 71 + 11, 100));
    ChooseBus(page, 2, "IFX");
    EXPECT_TRUE(page->IsColumnRoutedToInsertEffect(2));
    EXPECT_TRUE(Red(page, 2 * 71 + 11, 100));
}

TEST_F(InsertFXWiresTest, HiddenTracksComeInFromTheRightEdge) {
    auto* page = Make<MultiInsertFXLayer>();
    ChooseBus(page, 12, "IFX");  // track 13 only
    page->TrackShift(0);
    EXPECT_TRUE(Red(page, 560, 104));
    EXPECT_TRUE(Red(page, 11, 115));
    EXPECT_FALSE(Red(page, 4 * 71 + 11, 100)) << "no shown column is routed";
    page->TrackShift(1);
    EXPECT_TRUE(Red(page, 4 * 71 + 11, 100)) << "track 13 is the fifth shown";
    ChooseBus(page, 12, "L/R");
    ChooseBus(page, 4, "IFX");  // track 5, in the hidden group now
    EXPECT_FALSE(Red(page, 11, 115));
    EXPECT_FALSE(Red(page, 560, 104));
}

// ---------------------------------------------------------------- master effects

TEST_F(CombiMultiPagesTest, RoutingSwitchesOpenTheirSublevelPagesAndStoreNothing) {
    auto* page = Make<CombiMasterFXLayer>();
    CHfcControl* mfx2 = page->GetControlById(CombiMultiMasterFXLayer::kIdMFX2, 0);
    ASSERT_NE(mfx2, nullptr);
    const unsigned before = Sends();
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(mfx2, 1, 1, 0));
    Tick();
    EXPECT_EQ(page->GetSubTabControl()->GetActiveIndex(), 2);
    EXPECT_EQ(page->GetSubTabControl()->GetActivePage(), static_cast<CTabPageLayer*>(page->GetEffectPage(1)));
    EXPECT_TRUE(page->OnHfcCtrlMouseLButtonDown(page->GetControlById(CombiMultiMasterFXLayer::kIdMasterEQ, 0),
                                                1, 1, 0));
    Tick();
    EXPECT_EQ(page->GetSubTabControl()->GetActiveIndex(), 3);
    EXPECT_EQ(Sends(), before);
}

TEST_F(CombiMultiPagesTest, TheRoutingPictureFollowsTheChain) {
    auto* page = Make<MultiMasterFXLayer>();
    auto picture = [&] {
        page->RequestRedraw();
        page->Idle(0);
        std::vector<uint32_t> px;
        for (int y = 52; y < 76; ++y)
            for (int x = 322; x < 330; ++x) px.push_back(page->GetContext()->GetBmp()->GetPixel(x, y));
        return px;
    };
    Instrument(kModeMulti, 0x2706, 0);
    Tick();
    const auto off = picture();
    Instrument(kModeMulti, 0x2706, 1);
    Instrument(kModeMulti, 0x2707, 0);
    Tick();
    const auto oneIntoTwo = picture();
    EXPECT_NE(oneIntoTwo, off);
    Instrument(kModeMulti, 0x2707, 1);
    synth->sections.host.Pump();
    EXPECT_TRUE(page->IsRedrawRequested()) << "a new direction redraws the picture";
    Tick();
    EXPECT_NE(picture(), oneIntoTwo);
}

// ---------------------------------------------------------------- menus

TEST_F(CombiMultiPagesTest, UtilityMenusHeadEachPageThenTheModesTail) {
    struct Case {
        int tab, index;
        std::vector<std::string> head;
    };
    const Case cases[] = {
        {0, 0, {"WriteCombination"}},
        {0, 5, {"WriteCombination", "CopyArpeggiator"}},
        {0, 6, {"WriteCombination", "CopyInsertEffect"}},
        {0, 7, {"WriteCombination", "CopyMasterEffect", "SwapMasterEffect"}},
        {1, 4, {"WriteMulti", "CopyFromCombination"}},
        {1, 5, {"WriteMulti", "CopyFromCombination", "CopyArpeggiator"}},
        {1, 6, {"WriteMulti", "CopyInsertEffect"}},
        {1, 7, {"WriteMulti", "CopyInsertEffect", "DrumKitIFXPatch"}},
    };
    const std::pair<std::string, const MenuItemInfo*> names[] = {
        {"WriteCombination", &kMenuItemInfo_WriteCombination},
        {"CopyArpeggiator", &kMenuItemInfo_CopyArpeggiator},
        {"CopyInsertEffect", &kMenuItemInfo_CopyInsertEffect},
        {"CopyMasterEffect", &kMenuItemInfo_CopyMasterEffect},
        {"SwapMasterEffect", &kMenuItemInfo_SwapMasterEffect},
        {"WriteMulti", &kMenuItemInfo_WriteMulti},
        {"CopyFromCombination", &kMenuItemInfo_CopyFromCombination},
        {"DrumKitIFXPatch", &kMenuItemInfo_DrumKitIFXPatch},
    };
    auto idOf = [&](const std::string& n) {
        for (const auto& [name, item] : names)
            if (name == n) return item->id;
        return -1;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tab * 10 + c.index);
        auto* page = dynamic_cast<EditTabPageLayerBase*>(AdoptCatalogued(c.tab, c.index));
        ASSERT_NE(page, nullptr);
        std::list<MenuItemInfo> items;
        page->GetMenuItemInfoList(items);
        std::vector<int> ids;
        for (const MenuItemInfo& m : items) ids.push_back(m.id);
        std::vector<int> want;
        for (const std::string& n : c.head) want.push_back(idOf(n));
        for (const MenuItemInfo* m :
             {&kMenuItemInfo_Separator, &kMenuItemInfo_Load, &kMenuItemInfo_Save, &kMenuItemInfo_Separator,
              &kMenuItemInfo_Import, &kMenuItemInfo_Export, &kMenuItemInfo_Separator,
              &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll})
            want.push_back(m->id);
        for (const MenuItemInfo* m :
             c.tab == 1
                 ? std::vector<const MenuItemInfo*>{&kMenuItemInfo_ReceiveMulti, &kMenuItemInfo_TransmitMulti,
                                                    &kMenuItemInfo_ReceiveOneMulti,
                                                    &kMenuItemInfo_TransmitOneMulti}
                 : std::vector<const MenuItemInfo*>{&kMenuItemInfo_ReceiveCombi, &kMenuItemInfo_TransmitCombi,
                                                    &kMenuItemInfo_ReceiveOneCombi,
                                                    &kMenuItemInfo_TransmitOneCombi})
            want.push_back(m->id);
        EXPECT_EQ(ids, want);
    }
}

}  // namespace
