#include "Common/Pages/CombiMultiFXLayers.h"

#include <memory>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Pages/CombiMultiMenus.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Pages/CombiMultiPlacement.h"
#include "Common/Pages/EffectEditLayer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using QorX0::IRemoteSynth;
using QorX0::ISection;
using QorX0::SOUNDINDEX;

namespace {

constexpr int kCombiInsertIds[7] = {0x0C00, 0x0C01, 0x0100, 40, 43, 41, 42};
constexpr int kMultiInsertIds[7] = {0x2500, 0x2501, 0x0100, 40, 43, 41, 42};
constexpr int kCombiMasterIds[6] = {0x0E00, 0x0E01, 0x0E02, 0x0E03, 0x0E06, 0x0E07};
constexpr int kMultiMasterIds[6] = {0x2700, 0x2701, 0x2702, 0x2703, 0x2706, 0x2707};

template <size_t N>
int Lookup(const int (&table)[N], int which) {
    return which >= 0 && static_cast<size_t>(which) < N ? table[which] : -1;
}

// The bus item that sends a column into the insert effect, as the section's bus lists name it.
constexpr const char* kInsertEffectBus = "IFX";
// Wires: the pitch of the bus columns, and the row the wires run along into the effect block.
constexpr int kWirePitch = 71, kWireTop = 97, kWireRow = 104, kWireEntryY = 126;

// The effect sub-page of slot (0 insert effect, 1 and 2 the master effects) on the host's sublevel
// tab control, told the slot's current effect type.
EffectEditLayer* AddEffectSubPage(EditTabPageLayerBase* host, int slot, int type) {
    CTabControl* tab = host->GetSubTabControl();
    if (!tab) return nullptr;
    auto page = std::make_unique<EffectEditLayer>(host->GetSynth(), host->GetTargetMode(), slot);
    if (!page->Create(host->GetWindow()) || !tab->AddTabPageLayer(host->GetWindow(), page.get())) {
        page->OnDestroy();
        if (CHfcWindow* window = page->GetWindow()) window->RemoveLayer(page.get(), false);
        return nullptr;
    }
    page->OnEffetcTypeChanged(type);
    return page.release();
}

void TellEffectType(EffectEditLayer* page, int type) {
    if (page) page->OnEffetcTypeChanged(type);
}

}  // namespace

// ---------------------------------------------------------------- insert effect

bool CombiMultiInsertFXLayerBase::OnCreate() {
    for (int i = 0; i < GetColumnCount(); ++i) {
        QnControlContainer* container = AddColumnContainer(i, "Container_CombiInsertFX", 4, 4);
        const int w = container->m_width;
        container->m_x = 4 + (i % 8) * w;
        const int b = ColumnBase(GetTargetMode(), i);
        QnControlCreater creater = CreaterFor(container);
        if (IsMulti())
            AddLamp(creater, container, (w - 26) / 2, 1, i, 0x10000 + i);
        else
            AddLamp(creater, container, (w - 13) / 2, 3, i, 0x10000 + i);
        PlaceLabel(creater, container, 3, 22, "BUS", 29, 13, false, 0, 1);
        PlaceLabel(creater, container, 3, 39, "DK-IFX", 35, 13, false, 0, 1);
        PlaceLabel(creater, container, 3, 56, "Send1", 29, 13, false, 0, 1);
        PlaceLabel(creater, container, 3, 73, "Send2", 29, 13, false, 0, 1);
        const int bus = b + GetParamId(3), patch = b + GetParamId(4);
        const int send1 = b + GetParamId(5), send2 = b + GetParamId(6);
        Place(creater.CreateDropdownList(31, 22, 5, bus), container, bus);
        Place(creater.CreateDropdownList(37, 39, 6, patch), container, patch);
        Place(creater.CreateTextEdit(31, 56, 37, 13, send1), container, send1);
        Place(creater.CreateTextEdit(31, 73, 37, 13, send2), container, send2);
    }
    SetActiveContainerIndex(0);

    QnControlCreater creater(GetBackground(), 0, 0);
    PlaceLabel(creater, nullptr, 25, 121, "Insert FX", 85, 0, true, 0, 0);
    Place(creater.CreateSwitch(82, 112, "Switch_ON", 2, GetParamId(1)), nullptr, GetParamId(1));
    Place(creater.CreateSoundSelector(119, 112, QnSoundSelector::kKindEffect, 1, GetParamId(0)), nullptr,
          GetParamId(0));

    if (CreateSublevelTab("Tab_Low_InsertFX", 142)) {
        CreateAndAddSublevelTab(SetupForm());
        m_pEffectPage = AddEffectSubPage(this, 0, GetParamValue(GetTargetMode(), GetParamId(0)));
    }
    return CombiMultiLayerBase::OnCreate();
}

bool CombiMultiInsertFXLayerBase::IsColumnRoutedToInsertEffect(int column) {
    auto* bus = dynamic_cast<QnDropdownList*>(GetControlById((column + 1) * 256 + GetParamId(3), 0));
    if (!bus) return false;
    // The lists differ by the timbre's program (a drum program's list starts with the drum-kit
    // bus), so the chosen item is told by its name, not by its place.
    std::string text;
    const int item = bus->GetIntValue() - bus->GetMinIntValue();
    return bus->GetIntValue() != static_cast<int>(0x80000000) && bus->GetItemText(text, item) &&
           text == kInsertEffectBus;
}

void CombiMultiInsertFXLayerBase::OnPostDrawBackground(CHfcOffscreenContext* context) {
    const float penWidth = context->GetPenWidth();
    context->SetPenWidth(2);
    context->SetPenColor(0xFFFF0000);
    auto line = [context](int x0, int y0, int x1, int y1) {
        context->MoveTo(x0, y0);
        context->LineTo(x1, y1);
    };
    const bool second = IsTrackShiftAllowed() && GetShownGroup() == 1;
    const int first = second ? 15 : 7, last = second ? 8 : 0;
    bool routed = false;
    for (int i = first; i >= last; --i) {
        if (i >= GetColumnCount() || !IsColumnRoutedToInsertEffect(i)) continue;
        const int x = (i % 8) * kWirePitch;
        line(x + 11, kWireTop, x + 11, kWireRow);
        if (!routed) {
            line(x + 12, kWireRow, 11, kWireRow);
            line(11, kWireRow, 11, kWireEntryY);
            line(10, kWireEntryY, 20, kWireEntryY);
        }
        routed = true;
    }
    // Showing tracks 1 to 8, routed tracks 9 to 16 come in from the right edge.
    if (IsTrackShiftAllowed() && !second) {
        bool hidden = false;
        for (int i = 15; i >= 8 && !hidden; --i)
            hidden = i < GetColumnCount() && IsColumnRoutedToInsertEffect(i);
        if (hidden) {
            line(580, kWireRow, 11, kWireRow);
            if (!routed) {
                line(11, kWireRow, 11, kWireEntryY);
                line(10, kWireEntryY, 20, kWireEntryY);
            }
        }
    }
    context->SetPenWidth(penWidth);
}

void CombiMultiInsertFXLayerBase::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    QnSynthLayer::OnHfcCtrlIntValueChanged(control, value);
}

void CombiMultiInsertFXLayerBase::OnSectionParamChanged(ISection* section, int pid) {
    if (pid == GetParamId(0)) {
        TellEffectType(m_pEffectPage, section ? section->GetParamI(pid) : 0);
        RequestRedraw();
    } else if ((pid & 0xFF) == GetParamId(3)) {
        RequestRedraw();
    }
    CombiMultiLayerBase::OnSectionParamChanged(section, pid);
}

void CombiMultiInsertFXLayerBase::OnSectionReinitialized(ISection* section) {
    RequestRedraw();
    QnRemoteSynthEventHandler::OnSectionReinitialized(section);
}

void CombiMultiInsertFXLayerBase::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    TellEffectType(m_pEffectPage, GetParamValue(GetTargetMode(), GetParamId(0)));
    RequestRedraw();
    CombiMultiLayerBase::OnRemoteSynthCurSoundChanged(synth, sound);
}

CombiInsertFXLayer::CombiInsertFXLayer(IRemoteSynth* synth)
    : CombiMultiInsertFXLayerBase(synth, QorX0::kModeCombiEdit, false) {}

int CombiInsertFXLayer::GetParamId(int which) const {
    return Lookup(kCombiInsertIds, which);
}

void CombiInsertFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kInsertFX);
}

MultiInsertFXLayer::MultiInsertFXLayer(IRemoteSynth* synth)
    : CombiMultiInsertFXLayerBase(synth, QorX0::kModeMulti, true) {}

int MultiInsertFXLayer::GetParamId(int which) const {
    return Lookup(kMultiInsertIds, which);
}

void MultiInsertFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kInsertFX);
}

// ---------------------------------------------------------------- master effects

CombiMultiMasterFXLayer::CombiMultiMasterFXLayer(IRemoteSynth* synth, int kind)
    : EditTabPageLayerBase(synth, kind) {}

bool CombiMultiMasterFXLayer::OnCreate() {
    namespace P = CombiMultiPlacement;
    QnControlCreater page(GetBackground(), 0, 0);
    struct Slot {
        const char* title;
        int titleY, boxY;
        int onWhich, typeWhich;
    };
    static constexpr Slot kSlots[] = {{"MFX 1", 15, 26, 2, 0}, {"MFX 2", 67, 78, 3, 1}};
    for (const Slot& s : kSlots) {
        P::PlaceLabel(this, page, nullptr, 24, s.titleY, s.title, 85, 0, true, 0, 0);
        QnControlContainer* box = P::AddContainer(this, "Container_Plane_221X29", 20, s.boxY, false, 221, 29);
        QnControlCreater creater = P::CreaterFor(box);
        const int on = GetParamId(s.onWhich), type = GetParamId(s.typeWhich);
        P::PlaceControl(this, creater.CreateSwitch(2, 2, "Switch_ON", 2, on), box, on);
        P::PlaceControl(this, creater.CreateSoundSelector(39, 2, QnSoundSelector::kKindEffect, 1, type), box,
                        type);
    }
    P::PlaceLabel(this, page, nullptr, 267, 14, "MFX Routing", 80, 0, true, 0, 0);
    QnControlContainer* routing = P::AddContainer(this, "Container_MasterFX_Routing", 267, 28, false);
    QnControlCreater creater = P::CreaterFor(routing);
    struct Switch {
        const char* image;
        int id, x, y;
    };
    static constexpr Switch kSwitches[] = {{"Switch_Return", kIdReturn, 90, 67},
                                           {"Switch_MFX1", kIdMFX1, 64, 11},
                                           {"Switch_MFX2", kIdMFX2, 64, 38},
                                           {"Switch_MasterEQ", kIdMasterEQ, 161, 27}};
    for (const Switch& s : kSwitches)
        P::PlaceControl(this, creater.CreateSwitch(s.x, s.y, s.image, 2, s.id), routing, -1);

    if (CreateSublevelTab("Tab_Low_MasterFX", 142)) {
        CreateAndAddSublevelTab(SetupForm());
        m_pMFX1 = AddEffectSubPage(this, 1, GetParamValue(GetTargetMode(), GetParamId(0)));
        m_pMFX2 = AddEffectSubPage(this, 2, GetParamValue(GetTargetMode(), GetParamId(1)));
        CreateAndAddSublevelTab(MasterEQForm());
    }
    return CTabPageLayer::OnCreate();
}

void CombiMultiMasterFXLayer::OnPostDrawBackground(CHfcOffscreenContext* context) {
    if (GetParamValue(GetTargetMode(), GetParamId(4)) == 0) return;
    const int direction = GetParamValue(GetTargetMode(), GetParamId(5));
    const char* name = direction == 0   ? "Image_MFX_Routing_MFX1ToMFX2"
                       : direction == 1 ? "Image_MFX_Routing_MFX2ToMFX1"
                                        : nullptr;
    if (CHfcBmp* image = name ? QnControlCreater::LoadImage(name) : nullptr)
        context->CopyBmp(322, 52, image->GetWidth(), image->GetHeight(), image, 0, 0);
}

bool CombiMultiMasterFXLayer::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int flags) {
    const int id = control ? control->GetId() : -1;
    if (id >= kIdReturn && id <= kIdReturn + 4) {
        if (CTabControl* tab = GetSubTabControl()) tab->SetActivePageByIndex(id & 0x0F, true);
        return true;
    }
    return EditTabPageLayerBase::OnHfcCtrlMouseLButtonDown(control, x, y, flags);
}

void CombiMultiMasterFXLayer::OnSectionParamChanged(ISection* section, int pid) {
    if (pid == GetParamId(0)) {
        TellEffectType(m_pMFX1, section ? section->GetParamI(pid) : 0);
        RequestRedraw();
    } else if (pid == GetParamId(1)) {
        TellEffectType(m_pMFX2, section ? section->GetParamI(pid) : 0);
        RequestRedraw();
    } else if (pid == GetParamId(4) || pid == GetParamId(5)) {
        RequestRedraw();
    }
    QnRemoteSynthEventHandler::OnSectionParamChanged(section, pid);
}

void CombiMultiMasterFXLayer::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    TellEffectType(m_pMFX1, GetParamValue(GetTargetMode(), GetParamId(0)));
    TellEffectType(m_pMFX2, GetParamValue(GetTargetMode(), GetParamId(1)));
    RequestRedraw();
    QnRemoteSynthEventHandler::OnRemoteSynthCurSoundChanged(synth, sound);
}

CombiMasterFXLayer::CombiMasterFXLayer(IRemoteSynth* synth)
    : CombiMultiMasterFXLayer(synth, QorX0::kModeCombiEdit) {}

int CombiMasterFXLayer::GetParamId(int which) const {
    return Lookup(kCombiMasterIds, which);
}

void CombiMasterFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kMasterFX);
}

MultiMasterFXLayer::MultiMasterFXLayer(IRemoteSynth* synth)
    : CombiMultiMasterFXLayer(synth, QorX0::kModeMulti) {}

int MultiMasterFXLayer::GetParamId(int which) const {
    return Lookup(kMultiMasterIds, which);
}

void MultiMasterFXLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kMasterFX);
}
