#include "Common/Pages/GlobalSystemPages.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <typeinfo>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Controls/XBCtrlValueBar.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using namespace QorX0;

// ---- system and MIDI ----

namespace {

enum SystemControl { kHeading, kLabel, kBar, kDropdown, kCheckBox };

// The page's layout: headings, then each parameter's label and control.
struct SystemRow {
    SystemControl type;
    const char* text;
    int labelX, labelY, labelWidth;
    int controlX, controlY;
    int pid;
};
constexpr int kSystemLabelWidth = 90, kHeadingWidth = 120, kDefaultLabelWidth = 90;
constexpr SystemRow kSystemRows[] = {
    {kHeading, "Basic", 23, 19, kHeadingWidth, 0, 0, -1},
    {kBar, "Key Transpose", 26, 90, kSystemLabelWidth, 126, 90, 0x8200},
    {kDropdown, "Velocity Curve", 26, 112, kSystemLabelWidth, 126, 112, 0x8300},
    {kHeading, "MIDI", 23, 165, kHeadingWidth, 0, 0, -1},
    {kDropdown, "Convert Position", 26, 192, kSystemLabelWidth, 126, 192, 0x8700},
    {kHeading, "Foot", 287, 19, kHeadingWidth, 0, 0, -1},
    {kDropdown, "Foot SW Assign", 290, 46, kSystemLabelWidth, 390, 46, 0x8C00},
    {kDropdown, "Foot Pedal Assign", 290, 68, kDefaultLabelWidth, 390, 68, 0x8D00},
    {kDropdown, "Damper Polarity", 290, 90, kDefaultLabelWidth, 390, 90, 0x8600},
    {kDropdown, "Foot SW Polarity", 290, 112, kDefaultLabelWidth, 390, 112, 0x8500},
    {kHeading, "Auto Arpeggiator", 287, 165, kHeadingWidth, 0, 0, -1},
    {kCheckBox, "Program", 310, 192, kDefaultLabelWidth, 290, 192, 0x8800},
    {kCheckBox, "Combination", 310, 214, kDefaultLabelWidth, 290, 214, 0x8900},
};
constexpr int kMasterTuneLabelX = 26, kMasterTuneLabelY = 48, kMasterTuneLabelWidth = 120;
constexpr int kMasterTuneBarX = 126, kMasterTuneBarY = 68;
constexpr int kSystemDropdownLook = 2;
constexpr int kSystemDumpSwitchId = GlobalPageLayerBase::kLocalIdBase;

std::array<float, 101> MakeMasterTuneTable() {
    std::array<float, 101> table{};
    for (int i = 0; i < 101; ++i)
        table[static_cast<size_t>(i)] =
            static_cast<float>(std::round(440.0 * std::pow(2.0, (i - 50) / 1200.0) * 100.0) / 100.0);
    return table;
}

}  // namespace

const std::array<float, 101> GlobalSystemMIDILayer::kMasterTuneTable = MakeMasterTuneTable();

GlobalSystemMIDILayer::GlobalSystemMIDILayer(IRemoteSynth* synth)
    : GlobalPageLayerBase(synth, kSystemDumpSwitchId) {}

std::string GlobalSystemMIDILayer::MasterTuneText(int cents) {
    const int index = std::clamp(cents, -50, 50) + 50;
    char text[40];
    std::snprintf(text, sizeof text, "Master Tune[%6.2f Hz]", kMasterTuneTable[static_cast<size_t>(index)]);
    return text;
}

bool GlobalSystemMIDILayer::OnCreate() {
    QnControlCreater creater(GetBackground(), 0, 0);
    const int kind = GetTargetMode();
    AddPageLabel(creater, kMasterTuneLabelX, kMasterTuneLabelY, MasterTuneText(0).c_str(),
                 kMasterTuneLabelWidth, false, kMasterTuneLabelId);
    AddLinkedTo(creater.CreateHorizontalValueBar(kMasterTuneBarX, kMasterTuneBarY, -50, 50, 0,
                                                 RowControlId(kind, kMasterTunePid)),
                kind, kMasterTunePid);
    for (const SystemRow& row : kSystemRows) {
        AddPageLabel(creater, row.labelX, row.labelY, row.text, row.labelWidth, row.type == kHeading);
        const int id = RowControlId(kind, row.pid);
        switch (row.type) {
            case kBar:
                AddLinkedTo(creater.CreateHorizontalValueBar(row.controlX, row.controlY, 0, 100, 0, id), kind,
                            row.pid);
                break;
            case kDropdown:
                AddLinkedTo(creater.CreateDropdownList(row.controlX, row.controlY, kSystemDropdownLook, id),
                            kind, row.pid);
                break;
            case kCheckBox:
                AddLinkedTo(creater.CreateCehckBox(row.controlX, row.controlY, id), kind, row.pid);
                break;
            default:
                break;
        }
    }
    UpdateMasterTuneLabel();
    return GlobalPageLayerBase::OnCreate();
}

void GlobalSystemMIDILayer::UpdateMasterTuneLabel() {
    CHfcControl* label = GetControlById(kMasterTuneLabelId, 0);
    if (label == nullptr) return;
    std::string text = MasterTuneText(GetParamValue(GetTargetMode(), kMasterTunePid));
    label->SetPtrValue(text.data(), true);
}

void GlobalSystemMIDILayer::OnPostSynchronizeControlWithParam(CHfcControl*, ISection*, int) {
    UpdateMasterTuneLabel();
}

void GlobalSystemMIDILayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kSystemMIDI);
}

// ---- user scales ----

namespace {

// Note fields of an octave, as the keys of a keyboard octave, relative to their container; each
// label stands above its field.
struct OctaveKey {
    int x, y;
};
constexpr OctaveKey kOctaveKeys[12] = {{8, 85},   {38, 30},  {67, 85},  {97, 30},  {126, 85}, {185, 85},
                                       {215, 30}, {244, 85}, {274, 30}, {303, 85}, {333, 30}, {362, 85}};
constexpr const char* kOctaveKeyLabels[12] = {"C(Key)", "C#", "D",  "D#", "E",  "F",
                                              "F#",     "G",  "G#", "A",  "A#", "B"};
constexpr int kNoteFieldWidth = 40, kNoteFieldHeight = 13, kNoteLabelWidth = 40, kNoteLabelAbove = 18;
constexpr int kScaleDumpSwitchId = GlobalPageLayerBase::kLocalIdBase;

struct UserScaleLayout {
    int octavePlaneX = 17, octavePlaneY = 8;
    int octaveTitleX = 15, octaveTitleY = 4, octaveTitleWidth = 70;
    int scaleFieldX = 96, scaleFieldY = 4, scaleFieldWidth = 40;
    int octaveX = 43, octaveY = 41;
    int allNotesPlaneX = 15, allNotesPlaneY = 174;
    int allNotesTitleX = 15, allNotesTitleY = 6, allNotesTitleWidth = 70;
    int allNotesX = 43, allNotesY = 207;
    int selectorX = 25, selectorY = 331;
};
constexpr UserScaleLayout kScaleLayout;

}  // namespace

GlobalUserScaleLayer::GlobalUserScaleLayer(IRemoteSynth* synth)
    : GlobalPageLayerBase(synth, kScaleDumpSwitchId) {}

bool GlobalUserScaleLayer::OnCreate() {
    m_pOctaveImage = QnControlCreater::LoadImage("Container_UserScale_Octave");
    m_pOctave10Image = QnControlCreater::LoadImage("Container_UserScale_Octave10");
    CreateUserOctaveControls();
    CreateAllNotesControls();
    OnUserOctaveChanged(0);
    OnAllNotesOctaveChanged(0);
    return GlobalPageLayerBase::OnCreate();
}

void GlobalUserScaleLayer::CreateUserOctaveControls() {
    const UserScaleLayout& l = kScaleLayout;
    QnControlContainer* plane = AddImageContainer("Container_Plane_260X21", l.octavePlaneX, l.octavePlaneY);
    QnControlCreater creater(plane->m_pBackground, l.octavePlaneX, l.octavePlaneY);
    plane->AddControl(
        AddPageLabel(creater, l.octaveTitleX, l.octaveTitleY, "User Octave", l.octaveTitleWidth, false));
    CHfcCtrlCharEditText* field =
        AddLocal(creater.CreateTextEdit(l.scaleFieldX, l.scaleFieldY, l.scaleFieldWidth, 13, kScaleNumberId));
    if (field != nullptr) {
        field->SetMinIntValue(0, false);
        field->SetMaxIntValue(kScaleCount - 1, false);
        plane->AddControl(field);
    }
    QnControlContainer* octave = AddImageContainer("Container_UserScale_Octave", l.octaveX, l.octaveY);
    QnControlCreater octaveCreater(octave->m_pBackground, l.octaveX, l.octaveY);
    CreateOctaveEdit(octaveCreater, kOctaveScaleBase, octave);
}

void GlobalUserScaleLayer::CreateAllNotesControls() {
    const UserScaleLayout& l = kScaleLayout;
    QnControlContainer* plane =
        AddImageContainer("Container_Plane_260X21", l.allNotesPlaneX, l.allNotesPlaneY);
    QnControlCreater creater(plane->m_pBackground, l.allNotesPlaneX, l.allNotesPlaneY);
    plane->AddControl(
        AddPageLabel(creater, l.allNotesTitleX, l.allNotesTitleY, "All Notes", l.allNotesTitleWidth, false));
    m_pAllNotesContainer = AddImageContainer("Container_UserScale_Octave", l.allNotesX, l.allNotesY);
    QnControlCreater notesCreater(m_pAllNotesContainer->m_pBackground, l.allNotesX, l.allNotesY);
    CreateOctaveEdit(notesCreater, kAllNotesBase, m_pAllNotesContainer);
    auto* selector = new QnOctaveSelector();
    if (selector->Create(l.selectorX, l.selectorY, GetBackground(), l.selectorX, l.selectorY,
                         kOctaveSelectorId)) {
        AddLocal(selector);
    } else {
        delete selector;
    }
}

void GlobalUserScaleLayer::CreateOctaveEdit(QnControlCreater& creater, int base,
                                            QnControlContainer* container) {
    const bool allNotes = base == kAllNotesBase;
    for (int i = 0; i < 12; ++i) {
        const OctaveKey& key = kOctaveKeys[i];
        QnStaticText* label = AddPageLabel(creater, key.x, key.y - kNoteLabelAbove,
                                           allNotes ? NoteName(i) : kOctaveKeyLabels[i], kNoteLabelWidth,
                                           false, (allNotes ? kAllNotesLabelIdBase : kOctaveLabelIdBase) + i);
        CHfcCtrlCharEditText* field =
            AddLinkedTo(creater.CreateTextEdit(key.x, key.y, kNoteFieldWidth, kNoteFieldHeight, base + i),
                        GetTargetMode(), base + i);
        if (container != nullptr) {
            container->AddControl(label);
            container->AddControl(field);
        }
    }
}

void GlobalUserScaleLayer::OnUserOctaveChanged(int scale) {
    scale = std::clamp(scale, 0, kScaleCount - 1);
    const std::string text = std::to_string(scale);
    ShowFieldValue(GetControlById(kScaleNumberId, 0), scale, text.c_str());
    for (int i = 0; i < 12; ++i) {
        CHfcControl* field = GetControlById(kOctaveScaleBase + i, 0);
        if (field == nullptr) continue;
        RelinkControlWithParam(field, GetTargetMode(), kOctaveScaleBase + 12 * scale + i);
        SynchronizeControlWithParam(field, true);
    }
}

void GlobalUserScaleLayer::OnAllNotesOctaveChanged(int octave) {
    octave = std::clamp(octave, 0, kLastOctave);
    if (CHfcControl* selector = GetControlById(kOctaveSelectorId, 0)) selector->SetIntValue(octave, true);
    for (int i = 0; i < 12; ++i) {
        const int note = 12 * octave + i;
        CHfcControl* label = GetControlById(kAllNotesLabelIdBase + i, 0);
        CHfcControl* field = GetControlById(kAllNotesBase + i, 0);
        // The scale ends at G9 (note 127): past it there is neither a name nor a parameter.
        const bool exists = note <= 127;
        if (label != nullptr) {
            char empty[1] = "";
            label->SetPtrValue(exists ? const_cast<char*>(NoteName(note)) : empty, true);
            if (exists)
                label->Show(true);
            else
                label->Hide(true);
        }
        if (field == nullptr) continue;
        if (exists) {
            RelinkControlWithParam(field, GetTargetMode(), kAllNotesBase + note);
            SynchronizeControlWithParam(field, true);
            field->Show(true);
        } else {
            // The field keeps the note it showed (there is no parameter past G9); hidden, it must
            // not keep the edit or the focus, or typing would change that note unseen.
            if (auto* edit = dynamic_cast<CHfcCtrlCharEditText*>(field); edit != nullptr && edit->IsEditing())
                edit->LeaveEdit();
            field->ReleaseFocus();
            field->Hide(true);
        }
    }
    if (m_pAllNotesContainer != nullptr)
        m_pAllNotesContainer->m_pBackground = octave == kLastOctave ? m_pOctave10Image : m_pOctaveImage;
    RequestRedraw();
}

void GlobalUserScaleLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    const int id = control != nullptr ? control->GetId() : -1;
    if (id == kScaleNumberId) {
        OnUserOctaveChanged(value);
    } else if (id == kOctaveSelectorId) {
        OnAllNotesOctaveChanged(value);
    } else {
        GlobalPageLayerBase::OnHfcCtrlIntValueChanged(control, value);
    }
}

void GlobalUserScaleLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    if (control != nullptr && control->GetId() == kScaleNumberId) {
        int scale = 0;
        if (ParseTypedInt(value, &scale))
            OnUserOctaveChanged(scale);
        else
            OnUserOctaveChanged(control->GetIntValue());  // no number: the field shows the scale again
    }
    GlobalPageLayerBase::OnHfcCtrlPtrValueChanged(control, value);
}

bool GlobalUserScaleLayer::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    return CTabPageLayer::PreMouseLButtonDown(mouse, x, y, modifiers);
}

void GlobalUserScaleLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kUserScale);
}

// ---- category names ----

namespace {

struct CategoryColumn {
    const char* title;
    int x;
    int base;
};
constexpr CategoryColumn kCategoryColumns[] = {{"Program", 15, GlobalCategoryNameLayer::kProgramNameBase},
                                               {"Combi", 297, GlobalCategoryNameLayer::kCombiNameBase}};
constexpr int kCategoryTop = 8, kCategoryRowStep = 23, kCategoryCount = 16;
constexpr int kTitleX = 15, kTitleY = 6, kTitleWidth = 50;
constexpr int kNumberX = 76, kNumberY = 4, kNumberWidth = 12;
constexpr int kNameX = 96, kNameY = 4, kNameWidth = 154, kNameHeight = 13;
constexpr int kCategoryDumpSwitchId = GlobalPageLayerBase::kLocalIdBase;

}  // namespace

GlobalCategoryNameLayer::GlobalCategoryNameLayer(IRemoteSynth* synth)
    : GlobalPageLayerBase(synth, kCategoryDumpSwitchId) {}

bool GlobalCategoryNameLayer::OnCreate() {
    CreateEditControls();
    return GlobalPageLayerBase::OnCreate();
}

void GlobalCategoryNameLayer::CreateEditControls() {
    for (const CategoryColumn& column : kCategoryColumns) {
        for (int c = 0; c < kCategoryCount; ++c) {
            const int y = kCategoryTop + kCategoryRowStep * c;
            QnControlContainer* plane = AddImageContainer("Container_Plane_260X21", column.x, y);
            QnControlCreater creater(plane->m_pBackground, column.x, y);
            if (c == 0)
                plane->AddControl(AddPageLabel(creater, kTitleX, kTitleY, column.title, kTitleWidth, false));
            char number[8];
            std::snprintf(number, sizeof number, "%d", c + 1);
            plane->AddControl(AddPageLabel(creater, kNumberX, kNumberY, number, kNumberWidth, false));
            const int pid = column.base + c;
            plane->AddControl(AddLinkedTo(
                creater.CreateTextEdit(kNameX, kNameY, kNameWidth, kNameHeight, pid), GetTargetMode(), pid));
        }
    }
}

void GlobalCategoryNameLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    if (control == nullptr || value == nullptr || typeid(*control) != typeid(CHfcCtrlCharEditText)) return;
    const SParamIdInfo link = GetParameterIdByControl(control);
    if (link.pid == -1) return;
    // Exactly the name's length: cut, or padded with zero bytes.
    char name[kNameLength + 1] = {};
    std::strncpy(name, static_cast<const char*>(value), kNameLength);
    control->SetPtrValue(name, true);
    PutParamString(GetTargetMode(), link.pid, name);
}

void GlobalCategoryNameLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    AppendPageMenu(items, kCategoryName);
}
