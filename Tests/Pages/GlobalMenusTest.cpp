// The Utility-menu items each global page lists, in order.
#include <gtest/gtest.h>

#include <list>
#include <memory>
#include <vector>

#include "Common/Editor/MenuItems.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/Pages/PageCatalogue.h"
#include "Support/RecordingRemoteSynth.h"

using namespace QorX0;

namespace {

TEST(GlobalMenus, EachPageListsItsItemsInOrder) {
    const MenuItemInfo& sep = kMenuItemInfo_Separator;
    const std::vector<const MenuItemInfo*> globalTail = {
        &kMenuItemInfo_Load,          &kMenuItemInfo_Save,        &sep,
        &kMenuItemInfo_Import,        &kMenuItemInfo_Export,      &sep,
        &kMenuItemInfo_ReceiveAll,    &kMenuItemInfo_TransmitAll, &kMenuItemInfo_ReceiveGlobal,
        &kMenuItemInfo_TransmitGlobal};
    auto with = [](std::vector<const MenuItemInfo*> head, const std::vector<const MenuItemInfo*>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const std::vector<const MenuItemInfo*> expected[6] = {
        {&kMenuItemInfo_SaveDefault, &kMenuItemInfo_RestoreData, &sep, &kMenuItemInfo_Load,
         &kMenuItemInfo_Save, &sep, &kMenuItemInfo_Import, &kMenuItemInfo_Export, &sep,
         &kMenuItemInfo_ReceiveAll, &kMenuItemInfo_TransmitAll},
        with({&kMenuItemInfo_WriteGlobalSetting, &sep}, globalTail),
        with({&kMenuItemInfo_WriteGlobalSetting, &kMenuItemInfo_CopyScale, &sep}, globalTail),
        with({&kMenuItemInfo_WriteGlobalSetting, &sep}, globalTail),
        {&kMenuItemInfo_WriteDrumKit, &kMenuItemInfo_RenameDrumKit, &kMenuItemInfo_CopyDrumKit,
         &kMenuItemInfo_CopyKeySetup, &sep, &kMenuItemInfo_Load, &kMenuItemInfo_Save, &sep,
         &kMenuItemInfo_Import, &kMenuItemInfo_Export, &sep, &kMenuItemInfo_ReceiveAll,
         &kMenuItemInfo_TransmitAll, &kMenuItemInfo_ReceiveDrumKit, &kMenuItemInfo_TransmitDrumKit},
        // The pattern page also offers Rename (the only way to the pattern's rename dialog).
        {&kMenuItemInfo_WriteArpeggioPattern, &kMenuItemInfo_RenameArpeggioPattern,
         &kMenuItemInfo_CopyArpeggioPattern, &kMenuItemInfo_CopySteps, &kMenuItemInfo_DeleteStep,
         &kMenuItemInfo_InsertStep, &sep, &kMenuItemInfo_Load, &kMenuItemInfo_Save, &sep,
         &kMenuItemInfo_Import, &kMenuItemInfo_Export, &sep, &kMenuItemInfo_ReceiveAll,
         &kMenuItemInfo_TransmitAll, &kMenuItemInfo_ReceiveArpeggioPattern,
         &kMenuItemInfo_TransmitArpeggioPattern},
    };
    RecordingRemoteSynth synth;
    for (int index = 0; index < 6; ++index) {
        SCOPED_TRACE(index);
        std::unique_ptr<CTabPageLayer> page(NewGlobalPage(&synth, index));
        auto* edit = dynamic_cast<EditTabPageLayerBase*>(page.get());
        ASSERT_NE(edit, nullptr);
        std::list<MenuItemInfo> items;
        edit->GetMenuItemInfoList(items);
        ASSERT_EQ(items.size(), expected[index].size());
        size_t i = 0;
        for (const MenuItemInfo& item : items) {
            EXPECT_EQ(item.id, expected[index][i]->id) << i << " " << item.name;
            EXPECT_EQ(item.name, expected[index][i]->name);
            ++i;
        }
    }
    EXPECT_EQ(NewGlobalPage(&synth, 6), nullptr);
    EXPECT_EQ(NewGlobalPage(&synth, -1), nullptr);
}

}  // namespace
