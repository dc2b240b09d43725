#include "Common/Pages/GlobalDrumKitLayer.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using namespace QorX0;

namespace {

class NoteLock {
public:
    explicit NoteLock(CHfcCriticalSection& lock) : m_lock(lock) { m_lock.Lock(); }
    ~NoteLock() { m_lock.Unlock(); }
    NoteLock(const NoteLock&) = delete;
    NoteLock& operator=(const NoteLock&) = delete;

private:
    CHfcCriticalSection& m_lock;
};

using Row = GlobalPageLayerBase::SCtrlinfo;
constexpr int kCheck = GlobalPageLayerBase::kRowCheckBox, kEdit = GlobalPageLayerBase::kRowTextEdit,
              kBar = GlobalPageLayerBase::kRowValueBar, kList = GlobalPageLayerBase::kRowDropdown;

// A key's parameters, linked for key 0 (PID = the parameter's low byte) and relinked per key.
constexpr Row kVoiceRows[] = {
    {0, 0x1C, kCheck, "Single Trigger"},
    {0, 0x1A, kEdit, "Excl Group"},
    {0, 0x1D, kCheck, "Enable Note On"},
    {0, 0x1E, kCheck, "Enable Note Off"},
    {0, 0x16, kBar, "Pan"},
    {0, 0x17, kList, "BUS"},
    {0, 0x18, kBar, "Send1"},
    {0, 0x19, kBar, "Send2"},
};
constexpr Row kHighSampleRows[] = {
    {0, 0x04, kBar, "Level"},     {0, 0x02, kCheck, "Start Offset"}, {0, 0x03, kCheck, "Reverse"},
    {0, 0x05, kBar, "Transpose"}, {0, 0x06, kBar, "Tune"},           {0, 0x09, kBar, "Cutoff"},
    {0, 0x0A, kBar, "Resonance"}, {0, 0x07, kBar, "Attack"},         {0, 0x08, kBar, "Decay"},
};
constexpr Row kLowSampleRows[] = {
    {0, 0x0F, kBar, "Level"},     {0, 0x0D, kCheck, "Start Offset"}, {0, 0x0E, kCheck, "Reverse"},
    {0, 0x10, kBar, "Transpose"}, {0, 0x11, kBar, "Tune"},           {0, 0x14, kBar, "Cutoff"},
    {0, 0x15, kBar, "Resonance"}, {0, 0x12, kBar, "Attack"},         {0, 0x13, kBar, "Decay"},
};

// The page's layout.
struct DrumKitLayout {
    int kitPlaneX = 13, kitPlaneY = 8, keyPlaneX = 13, keyPlaneY = 64;
    int titleX = 15, titleY = 4, titleWidth = 50;
    int numberX = 96, numberY = 4, numberWidth = 40;
    int dropdownX = 140, dropdownY = 4, dropdownLook = 0;
    int selectorX = 23, selectorY = 33;
    int noteInputX = 140, noteInputY = 4;
    int assignX = 217, assignY = 4, assignLabelX = 235, assignLabelWidth = 60;
    int velocityLabelX = 309, velocityLabelY = 4, velocityLabelWidth = 100, velocityBarX = 415,
        velocityBarY = 4;
    int headingY = 104, headingWidth = 70;
    int voiceHeadingX = 16, highHeadingX = 202, lowHeadingX = 388;
    int sampleSelectorY = 129, highSelectorX = 204, lowSelectorX = 390, sampleSelectorLook = 0;
    int voiceX = 18, voiceY = 129, highX = 204, highY = 166, lowX = 390, lowY = 166;
};
constexpr DrumKitLayout kKitLayout;
constexpr int kAssignPid = 27, kVelocitySwitchPid = 31, kHighSamplePid = 1, kLowSamplePid = 12;
constexpr int kDrumSampleSelectorKind = 2;
// The program that plays a kit: oscillator mode 2 (drums) and its kit number.
constexpr int kProgOscModePid = 0x0001, kProgDrumKitPid = 0x0201, kOscModeDrums = 2;

}  // namespace

GlobalDrumKitLayer::GlobalDrumKitLayer(IRemoteSynth* synth) : GlobalPageLayerBase(synth, -1) {
    SetTargetMode(GetTargetMode() + 1);
}

GlobalDrumKitLayer::~GlobalDrumKitLayer() {
    if (m_bMIDIAdvised && GetSynth() != nullptr) GetSynth()->UnadviseMIDISink(this);
}

bool GlobalDrumKitLayer::OnCreate() {
    m_bKitChangePending = false;
    {
        NoteLock hold(m_noteLock);
        m_noteRequests.clear();
    }
    CreateMainControls();
    CreateLabelControls();
    CreateVoiceControls();
    CreateHighSampleControls();
    CreateLowSampleControls();
    ChangeCurrentNote(0);
    if (GetSynth() != nullptr && !m_bMIDIAdvised) m_bMIDIAdvised = GetSynth()->AdviseMIDISink(this);
    return GlobalPageLayerBase::OnCreate();
}

bool GlobalDrumKitLayer::OnDestroy() {
    if (m_bMIDIAdvised && GetSynth() != nullptr) GetSynth()->UnadviseMIDISink(this);
    m_bMIDIAdvised = false;
    return CTabPageLayer::OnDestroy();
}

void GlobalDrumKitLayer::CreateMainControls() {
    const DrumKitLayout& l = kKitLayout;
    const int kind = GetTargetMode();
    QnControlContainer* kitPlane = AddImageContainer("Container_Plane_543X21", l.kitPlaneX, l.kitPlaneY);
    QnControlCreater kitCreater(kitPlane->m_pBackground, l.kitPlaneX, l.kitPlaneY);
    kitPlane->AddControl(AddPageLabel(kitCreater, l.titleX, l.titleY, "Drum Kit", l.titleWidth, false));
    if (auto* number =
            AddLocal(kitCreater.CreateTextEdit(l.numberX, l.numberY, l.numberWidth, 13, kKitNumberId))) {
        number->SetMinIntValue(0, false);
        number->SetMaxIntValue(kKitCount - 1, false);
        kitPlane->AddControl(number);
    }
    kitPlane->AddControl(
        AddLocal(kitCreater.CreateDropdownList(l.dropdownX, l.dropdownY, l.dropdownLook, kKitDropdownId)));
    FillKitDropdown();
    if (auto* selection = Kits()) selection->Select(0, 0);

    auto* selector = new QnKeySelector();
    if (selector->Create(l.selectorX, l.selectorY, GetBackground(), l.selectorX, l.selectorY, kKeySelectorId))
        AddLocal(selector);
    else
        delete selector;

    QnControlContainer* keyPlane = AddImageContainer("Container_Plane_543X21", l.keyPlaneX, l.keyPlaneY);
    QnControlCreater keyCreater(keyPlane->m_pBackground, l.keyPlaneX, l.keyPlaneY);
    keyPlane->AddControl(AddPageLabel(keyCreater, l.titleX, l.titleY, "Key", l.titleWidth, false));
    if (auto* key =
            AddLocal(keyCreater.CreateTextEdit(l.numberX, l.numberY, l.numberWidth, 13, kKeyNumberId))) {
        key->SetMinIntValue(0, false);
        key->SetMaxIntValue(kKeyCount - 1, false);
        keyPlane->AddControl(key);
    }
    keyPlane->AddControl(AddLocal(keyCreater.CreateCehckBox(l.noteInputX, l.noteInputY, kNoteInputId)));
    keyPlane->AddControl(AddLinkedTo(
        keyCreater.CreateCehckBox(l.assignX, l.assignY, RowControlId(kind, kAssignPid)), kind, kAssignPid));
    keyPlane->AddControl(
        AddPageLabel(keyCreater, l.assignLabelX, l.assignY, "Assign", l.assignLabelWidth, false));
    keyPlane->AddControl(AddPageLabel(keyCreater, l.velocityLabelX, l.velocityLabelY, "Velocity Switch L-H",
                                      l.velocityLabelWidth, false));
    keyPlane->AddControl(
        AddLinkedTo(keyCreater.CreateHorizontalValueBar(l.velocityBarX, l.velocityBarY, 0, 127, 0,
                                                        RowControlId(kind, kVelocitySwitchPid)),
                    kind, kVelocitySwitchPid));
}

void GlobalDrumKitLayer::CreateLabelControls() {
    const DrumKitLayout& l = kKitLayout;
    QnControlCreater creater(GetBackground(), 0, 0);
    AddPageLabel(creater, l.voiceHeadingX, l.headingY, "Voice", l.headingWidth, true);
    AddPageLabel(creater, l.highHeadingX, l.headingY, "High Sample", l.headingWidth, true);
    AddPageLabel(creater, l.lowHeadingX, l.headingY, "Low Sample", l.headingWidth, true);
}

void GlobalDrumKitLayer::CreateVoiceControls() {
    CreateControls(kVoiceRows, static_cast<int>(std::size(kVoiceRows)), kKitLayout.voiceX, kKitLayout.voiceY);
}

void GlobalDrumKitLayer::CreateSampleColumn(int selectorX, int samplePid, const SCtrlinfo* rows, int count,
                                            int x, int y) {
    const int kind = GetTargetMode();
    QnControlCreater creater(GetBackground(), 0, 0);
    AddLinkedTo(creater.CreateSoundSelector(selectorX, kKitLayout.sampleSelectorY, kDrumSampleSelectorKind,
                                            kKitLayout.sampleSelectorLook, RowControlId(kind, samplePid)),
                kind, samplePid);
    CreateControls(rows, count, x, y);
}

void GlobalDrumKitLayer::CreateHighSampleControls() {
    const DrumKitLayout& l = kKitLayout;
    CreateSampleColumn(l.highSelectorX, kHighSamplePid, kHighSampleRows,
                       static_cast<int>(std::size(kHighSampleRows)), l.highX, l.highY);
}

void GlobalDrumKitLayer::CreateLowSampleControls() {
    const DrumKitLayout& l = kKitLayout;
    CreateSampleColumn(l.lowSelectorX, kLowSamplePid, kLowSampleRows,
                       static_cast<int>(std::size(kLowSampleRows)), l.lowX, l.lowY);
}

void GlobalDrumKitLayer::FillKitDropdown() {
    auto* dropdown = dynamic_cast<QnDropdownList*>(GetControlById(kKitDropdownId, 0));
    if (dropdown == nullptr) return;
    const int value = dropdown->GetIntValue();
    dropdown->DeleteAllItems();
    for (int kit = 0; kit < kKitCount; ++kit)
        dropdown->AddItem(QnUtils::GetDrumKitName(GetSynth(), kit).c_str(), false);
    dropdown->SetIntValue(std::clamp(value, 0, kKitCount - 1), true);
}

IGlobalArraySection* GlobalDrumKitLayer::Kits() {
    return GetSynth() != nullptr ? GetSynth()->GetDrumKits() : nullptr;
}

int GlobalDrumKitLayer::GetSelectedKit() {
    auto* kits = Kits();
    return kits != nullptr ? static_cast<int>(kits->GetSelection() & 0xFFFFFFFFu) : 0;
}

int GlobalDrumKitLayer::GetSelectedKey() {
    auto* kits = Kits();
    return kits != nullptr ? static_cast<int>(kits->GetSelection() >> 32) : 0;
}

void GlobalDrumKitLayer::ChangeSelectedDrumKit(int kit) {
    kit = std::clamp(kit, 0, kKitCount - 1);
    CHfcControl* key = GetControlById(kKeyNumberId, 0);
    if (auto* kits = Kits())
        kits->Select(static_cast<unsigned>(kit),
                     static_cast<unsigned>(std::clamp(key ? key->GetIntValue() : 0, 0, 127)));
    OnChangeSelectedDrumKit();
}

void GlobalDrumKitLayer::OnChangeSelectedDrumKit() {
    const int kit = GetSelectedKit();
    char text[8];
    std::snprintf(text, sizeof text, "%02d", kit);
    ShowFieldValue(GetControlById(kKitNumberId, 0), kit, text);
    if (CHfcControl* dropdown = GetControlById(kKitDropdownId, 0)) dropdown->SetIntValue(kit, true);
    SynchronizeAllControlWithParam(Kits(), true);
}

void GlobalDrumKitLayer::ChangeCurrentNote(int key) {
    // Typed numbers and played notes alike stay on the kit's keys.
    key = std::clamp(key, 0, kKeyCount - 1);
    ShowFieldValue(GetControlById(kKeyNumberId, 0), key, NoteName(key));
    if (CHfcControl* selector = GetControlById(kKeySelectorId, 0)) selector->SetIntValue(key, true);
    if (auto* kits = Kits())
        kits->Select(static_cast<unsigned>(GetSelectedKit()), static_cast<unsigned>(key));
    std::vector<CHfcControl*> controls;
    GetControlVec(controls);
    for (CHfcControl* control : controls) {
        const SParamIdInfo link = GetParameterIdByControl(control);
        if (link.section == nullptr || link.pid == -1) continue;
        RelinkControlWithParam(control, GetTargetMode(), (key << 8) | (link.pid & 0xFF));
        SynchronizeControlWithParam(control, true);
    }
}

void GlobalDrumKitLayer::RequestChangeNote(int key) {
    NoteLock hold(m_noteLock);
    m_noteRequests.push_back(key);
}

void GlobalDrumKitLayer::NoteOn(unsigned char status, unsigned char note) {
    if (!IsVisible()) return;
    CHfcControl* noteInput = GetControlById(kNoteInputId, 0);
    if (noteInput == nullptr || noteInput->GetIntValue() == 0) return;
    if ((status & 0xF0) == 0x90) RequestChangeNote(note & 0x7F);
}

void GlobalDrumKitLayer::OnRemoteSynthMIDIIn(IRemoteSynth*, const void* data, unsigned length) {
    if (data == nullptr || length < 2) return;
    const auto* bytes = static_cast<const unsigned char*>(data);
    NoteOn(bytes[0], bytes[1]);
}

void GlobalDrumKitLayer::OnMidiIn(unsigned char status, unsigned char data1, unsigned char) {
    NoteOn(status, data1);
}

void GlobalDrumKitLayer::OnIdle(unsigned long time) {
    if (m_bKitChangePending) {
        m_bKitChangePending = false;
        ChangeSelectedDrumKit(m_iRequestedKit);
    }
    // Only the newest request counts; the key is changed after the lock is let go, since the change
    // reaches the instrument and every observer.
    bool requested = false;
    int key = 0;
    {
        NoteLock hold(m_noteLock);
        if (!m_noteRequests.empty()) {
            key = m_noteRequests.back();
            m_noteRequests.clear();
            requested = true;
        }
    }
    if (requested) ChangeCurrentNote(key);
    CTabPageLayer::OnIdle(time);
}

bool GlobalDrumKitLayer::Show(bool redraw) {
    const bool shown = CTabPageLayer::Show(redraw);
    const bool drums = GetParamValue(kModeProgEdit, kProgOscModePid) == kOscModeDrums;
    m_iRequestedKit = drums ? GetParamValue(kModeProgEdit, kProgDrumKitPid) : 0;
    m_bKitChangePending = true;
    return shown;
}

void GlobalDrumKitLayer::OnIdleSectionReinitialized(ISection* section) {
    FillKitDropdown();
    OnChangeSelectedDrumKit();
    GlobalPageLayerBase::OnIdleSectionReinitialized(section);
}

void GlobalDrumKitLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    const int id = control != nullptr ? control->GetId() : -1;
    if (id == kKitNumberId || id == kKitDropdownId) {
        m_iRequestedKit = value;
        m_bKitChangePending = true;
    } else if (id == kKeyNumberId) {
        RequestChangeNote(value);
    } else {
        GlobalPageLayerBase::OnHfcCtrlIntValueChanged(control, value);
    }
}

void GlobalDrumKitLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    const int id = control != nullptr ? control->GetId() : -1;
    int number = 0;
    if (id == kKitNumberId) {
        m_iRequestedKit = ParseTypedInt(value, &number) ? number : GetSelectedKit();
        m_bKitChangePending = true;
    } else if (id == kKeyNumberId) {
        RequestChangeNote(ParseTypedInt(value, &number) ? number : GetSelectedKey());
    } else {
        QnSynthLayer::OnHfcCtrlPtrValueChanged(control, value);
    }
}

bool GlobalDrumKitLayer::OnHfcCtrlMouseLButtonDown(CHfcControl* control, int x, int y, int modifiers) {
    if (control != nullptr && control->GetId() == kNoteInputId) {
        control->SetIntValue(control->GetIntValue() != 0 ? 0 : 1, true);
        return true;
    }
    return EditTabPageLayerBase::OnHfcCtrlMouseLButtonDown(control, x, y, modifiers);
}

void GlobalDrumKitLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kDrumKit);
}
