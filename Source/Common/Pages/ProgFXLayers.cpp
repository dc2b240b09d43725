#include "Common/Controls/QnSelectors.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Model/Sections.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Pages/ProgMenus.h"
#include "Common/Pages/ProgPageRows.h"
#include "Common/Pages/ProgPages.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using namespace QorX0;
using namespace ProgRows;

namespace {

constexpr int kIFXType = 0x1E00;
constexpr int kIFXOn = 0x1E01;
constexpr int kMFX1Type = 0x2000;
constexpr int kMFX2Type = 0x2001;
constexpr int kMFXChain = 0x2006;
constexpr int kMFXChainDirection = 0x2007;

const Row kInsertRows[] = {
    Category(27, 15, 85, "IFX"),
    Container(20, 26, "Container_Plane_221X29", 221, 29),
    Switch(2, 2, kIFXOn, "Switch_ON"),
    SoundSelector(39, 2, kIFXType, QnSoundSelector::kKindEffect, 1),
    EndContainer(),
    Category(296, 14, 80, "BUS"),
    Dropdown(296, 45, 0x0007, 2),
    Switch(441, 45, 0x0008),
    Label(460, 45, 100, "Use DrumKit Setting"),
    Label(288, 70, 65, "OSC 1 Send 1"),
    Knob(300, 87, 0x0E03, 0, 127, 2),
    Label(359, 70, 65, "OSC 1 Send 2"),
    Knob(371, 87, 0x0E04, 0, 127, 2),
    Label(430, 70, 65, "OSC 2 Send 1"),
    Knob(442, 87, 0x1B03, 0, 127, 2),
    Label(501, 70, 65, "OSC 2 Send 2"),
    Knob(513, 87, 0x1B04, 0, 127, 2),
};

// Routing switches: not parameters; each shows a sublevel page (id & 0xF).
constexpr int kShowSetup = 0x10000;
constexpr int kShowMFX1 = 0x10001;
constexpr int kShowMFX2 = 0x10002;
constexpr int kShowMasterEQ = 0x10003;
constexpr int kShowLast = 0x10004;

const Row kMasterRows[] = {
    Category(24, 15, 85, "MFX 1"),
    Category(24, 67, 85, "MFX 2"),
    Container(20, 26, "Container_Plane_221X29", 221, 29),
    Switch(2, 2, 0x2002, "Switch_ON"),
    SoundSelector(39, 2, kMFX1Type, QnSoundSelector::kKindEffect, 1),
    EndContainer(),
    Container(20, 78, "Container_Plane_221X29", 221, 29),
    Switch(2, 2, 0x2003, "Switch_ON"),
    SoundSelector(39, 2, kMFX2Type, QnSoundSelector::kKindEffect, 1),
    EndContainer(),
    Category(268, 14, 80, "MFX Routing"),
    Container(267, 28, "Container_MasterFX_Routing", 0, 0),
    Switch(64, 11, -1, "Switch_MFX1", 2, kShowMFX1),
    Switch(64, 38, -1, "Switch_MFX2", 2, kShowMFX2),
    Switch(90, 67, -1, "Switch_Return", 2, kShowSetup),
    Switch(161, 27, -1, "Switch_MasterEQ", 2, kShowMasterEQ),
    EndContainer(),
};

// A new effect sub-page of slot in host's sublevel tabs, told the slot's current type.
EffectEditLayer* AddEffectPage(EditTabPageLayerBase* host, int slot, int typePid) {
    CTabControl* tabs = host->GetSubTabControl();
    if (!tabs) return nullptr;
    auto* page = new EffectEditLayer(host->GetSynth(), host->GetTargetMode(), slot);
    if (!page->Create(host->GetWindow()) || !tabs->AddTabPageLayer(host->GetWindow(), page)) {
        page->OnDestroy();
        if (CHfcWindow* window = page->GetWindow()) window->RemoveLayer(page, false);
        delete page;
        return nullptr;
    }
    page->OnEffetcTypeChanged(host->GetParamValue(host->GetTargetMode(), typePid));
    return page;
}

void TellType(EditTabPageLayerBase* host, EffectEditLayer* page, int typePid) {
    if (page) page->OnEffetcTypeChanged(host->GetParamValue(host->GetTargetMode(), typePid));
}

}  // namespace

// ---- insert effect

ProgInsertFXLayer::ProgInsertFXLayer(IRemoteSynth* synth) : EditTabPageLayerBase(synth, kModeProgEdit) {}

bool ProgInsertFXLayer::OnCreate() {
    Build(this, kInsertRows);
    CreateSublevelTab();
    return CTabPageLayer::OnCreate();
}

bool ProgInsertFXLayer::CreateSublevelTab() {
    if (!EditTabPageLayerBase::CreateSublevelTab("Tab_Low_InsertFX", 142)) return false;
    CreateAndAddSublevelTab(1064);
    m_pEffect = AddEffectPage(this, EffectEditLayer::kSlotInsert, kIFXType);
    TellType(this, m_pEffect, kIFXType);
    return true;
}

void ProgInsertFXLayer::OnSectionParamChanged(ISection* section, int pid) {
    if (pid == kIFXType && section && section == GetParamSection(GetTargetMode(), kIFXType) && m_pEffect) {
        m_pEffect->OnEffetcTypeChanged(section->GetParamI(kIFXType));
        RequestRedraw();
    }
    EditTabPageLayerBase::OnSectionParamChanged(section, pid);
}

void ProgInsertFXLayer::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    TellType(this, m_pEffect, kIFXType);
    EditTabPageLayerBase::OnRemoteSynthCurSoundChanged(synth, sound);
}

void ProgInsertFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kInsertFX);
}

// ---- master effects

ProgMasterFXLayer::ProgMasterFXLayer(IRemoteSynth* synth) : EditTabPageLayerBase(synth, kModeProgEdit) {}

bool ProgMasterFXLayer::OnCreate() {
    Build(this, kMasterRows);
    CreateSublevelTab();
    return CTabPageLayer::OnCreate();
}

bool ProgMasterFXLayer::CreateSublevelTab() {
    if (!EditTabPageLayerBase::CreateSublevelTab("Tab_Low_MasterFX", 142)) return false;
    CreateAndAddSublevelTab(1065);
    m_pMFX1 = AddEffectPage(this, EffectEditLayer::kSlotMaster1, kMFX1Type);
    m_pMFX2 = AddEffectPage(this, EffectEditLayer::kSlotMaster2, kMFX2Type);
    CreateAndAddSublevelTab(1066);
    return true;
}

void ProgMasterFXLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (control && control->GetId() >= kShowSetup && control->GetId() <= kShowLast)
        if (CTabControl* tabs = GetSubTabControl()) tabs->SetActivePageByIndex(control->GetId() & 0xF, true);
    EditTabPageLayerBase::OnHfcCtrlIntValueChanged(control, value);
}

void ProgMasterFXLayer::OnSectionParamChanged(ISection* section, int pid) {
    if (section && section == GetParamSection(GetTargetMode(), kMFX1Type)) {
        if (pid == kMFX1Type && m_pMFX1) {
            m_pMFX1->OnEffetcTypeChanged(section->GetParamI(pid));
            RequestRedraw();
        } else if (pid == kMFX2Type && m_pMFX2) {
            m_pMFX2->OnEffetcTypeChanged(section->GetParamI(pid));
            RequestRedraw();
        } else if (pid == kMFXChain || pid == kMFXChainDirection) {
            RequestRedraw();
        }
    }
    EditTabPageLayerBase::OnSectionParamChanged(section, pid);
}

void ProgMasterFXLayer::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    TellType(this, m_pMFX1, kMFX1Type);
    TellType(this, m_pMFX2, kMFX2Type);
    RequestRedraw();
    EditTabPageLayerBase::OnRemoteSynthCurSoundChanged(synth, sound);
}

void ProgMasterFXLayer::OnPostDrawBackground(CHfcOffscreenContext* context) {
    const int kind = GetTargetMode();
    if (!context || GetParamValue(kind, kMFXChain) == 0) return;
    const int direction = GetParamValue(kind, kMFXChainDirection);
    const char* name = direction == 0   ? "Image_MFX_Routing_MFX1ToMFX2"
                       : direction == 1 ? "Image_MFX_Routing_MFX2ToMFX1"
                                        : nullptr;
    ResourceManager* images = ResourceManager::GetInstance();
    CHfcBmp* image = name && images ? images->LoadImage(name) : nullptr;
    if (image) context->CopyBmp(322, 52, image->GetWidth(), image->GetHeight(), image, 0, 0);
}

void ProgMasterFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kMasterFX);
}
