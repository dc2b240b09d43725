#include "Common/Pages/CombiMultiColumnLayers.h"

#include "Common/Controls/QnControlCreater.h"
#include "Common/Pages/CombiMultiMenus.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QnKnob.h"
#include "Common/Controls/QnSelectors.h"
#include "Common/Controls/QnSimpleControls.h"
#include "Common/Layers/QnControlContainer.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Core/HfcCtrlSwitch.h"

using QorX0::IRemoteSynth;

namespace {

// Timbre/track parameter rows: section title and first row's y, then the rows.
enum class Cell { Dropdown, Text, Switch };
struct ParamRow {
    const char* caption;
    int p;  // added to the column base
    Cell cell;
};
struct ParamSection {
    const char* title;
    int labelY;  // the section's caption box
    int firstRowY;
    std::initializer_list<ParamRow> rows;
};
const ParamSection kParamSections[] = {
    {"MIDI",
     3,
     26,
     {{"Status", 3, Cell::Dropdown},
      {"MIDI Channel", 4, Cell::Dropdown},
      {"Bank[EX2]MSB", 5, Cell::Text},
      {"Bank[EX2]LSB", 6, Cell::Text}}},
    {"OSC",
     118,
     141,
     {{"Force OSC Mode", 7, Cell::Dropdown},
      {"OSC Select", 8, Cell::Dropdown},
      {"Portamento", 9, Cell::Text}}},
    {"Pitch",
     210,
     233,
     {{"Transpose", 10, Cell::Text}, {"Detune(BPM Adjust)", 11, Cell::Text}, {"Bend Range", 12, Cell::Text}}},
    // The scale row follows these two.
    {"Others", 302, 325, {{"Delay[ms]", 13, Cell::Text}, {"User Prog's Scale", 14, Cell::Switch}}},
};
constexpr int kRowPitch = 23;

// MIDI filter rows in the order shown; the joystick X row follows the two joystick Y rows.
struct FilterRow {
    const char* caption;
    int p;
};
constexpr FilterRow kFilterRows[] = {
    {"Program Change", 15},
    {"After Touch", 16},
    {"Damper CC#64", 17},
    {"Portamento SW CC#65", 18},
    {"JS(Y+)/MOD.Wheel CC#01", 20},
    {"JS(Y-) CC#02", 21},
    {"JS X/PBend as AMS", 19},
    {"Ribbon CC#16", 22},
    {"Knob1", 23},
    {"Knob2", 24},
    {"Knob3", 25},
    {"Knob4", 26},
    {"SW1", 27},
    {"SW2", 28},
    {"Foot Pedal/Switch", 29},
    {"Other Ctrl/Change", 30},
};

}  // namespace

// ---------------------------------------------------------------- tone adjust

bool CombiMultiToneAdjustLayer::OnCreate() {
    for (int i = 0; i < GetColumnCount(); ++i) {
        QnControlContainer* container =
            AddColumnContainer(i, "Container_ToneAdj_Timbre", 4 + (i % 8) * 71, 4);
        const int w = container->m_width;
        const int b = ColumnBase(GetTargetMode(), i);
        QnControlCreater creater = CreaterFor(container);
        AddLamp(creater, container, (w - (IsMulti() ? 26 : 13)) / 2, 3, i, 0x10000 + i);
        AddProgramSelector(creater, container, b);
        PlaceLabel(creater, container, 5, 53, "Pan", 20, 13, false, 0, 1);
        Place(creater.CreateTextEdit(25, 53, 40, 13, b + 1), container, b + 1);
        PlaceLabel(creater, container, 5, 70, "Vol", 20, 13, false, 0, 1);
        Place(creater.CreateTextEdit(25, 70, 40, 13, b + 2), container, b + 2);
        for (int j = 0; j < kSlots; ++j) {
            const int pid = GetBaseId(i, j);
            Place(creater.CreateDropdownList(1, 92 + 52 * j, 7, pid), container, pid);
            Place(creater.CreateKnob(18, 105 + 52 * j, 0, 100, 0, false, 3, pid + 1), container, pid + 1);
        }
    }
    SetActiveContainerIndex(0);
    return CombiMultiLayerBase::OnCreate();
}

CombiToneAdjustLayer::CombiToneAdjustLayer(IRemoteSynth* synth)
    : CombiMultiToneAdjustLayer(synth, QorX0::kModeCombiEdit, false) {}

void CombiToneAdjustLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kColumns);
}

MultiToneAdjustLayer::MultiToneAdjustLayer(IRemoteSynth* synth)
    : CombiMultiToneAdjustLayer(synth, QorX0::kModeMulti, true) {}

void MultiToneAdjustLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kColumns);
}

// ---------------------------------------------------------------- table pages

void CombiMultiTableLayerBase::CreateLampRow() {
    for (int i = 0; i < GetColumnCount(); ++i) {
        QnControlContainer* container =
            AddColumnContainer(i, "Container_ArpControls", 121 + (i % 8) * 57, 3, 40, 20);
        QnControlCreater creater = CreaterFor(container);
        CMMPCtrlFlash* lamp = AddLamp(creater, container, 0, 2, i, 0x10000 + i);
        if (!lamp) continue;
        const tagHfcRect& r = lamp->GetRect();
        lamp->Move(container->m_x + (40 - (r.right - r.left)) / 2,
                   container->m_y + 1 + (20 - (r.bottom - r.top)) / 2, false);
    }
    SetActiveContainerIndex(0);
}

QnControlContainer* CombiMultiTableLayerBase::AddRow(int y, const char* caption, int labelX, int labelWidth) {
    QnControlContainer* row = AddPlainContainer("Container_HorizontalBar", 5, y, IsMulti());
    QnControlCreater creater = CreaterFor(row);
    PlaceLabel(creater, row, labelX, 4, caption, labelWidth, 13, false, 0, 1);
    return row;
}

bool CombiMultiTrackParamLayer::OnCreate() {
    CreateLampRow();
    for (const ParamSection& s : kParamSections) {
        QnControlContainer* box = AddPlainContainer("Container_SectionLabel", 5, s.labelY, IsMulti());
        QnControlCreater creater = CreaterFor(box);
        PlaceLabel(creater, box, 5, 5, s.title, 50, 0, true, 0, 0);
    }
    int lastY = 0;
    for (const ParamSection& s : kParamSections) {
        int y = s.firstRowY;
        for (const ParamRow& r : s.rows) {
            QnControlContainer* row = AddRow(y, r.caption, 15, 110);
            QnControlCreater creater = CreaterFor(row);
            for (int i = 0; i < GetColumnCount(); ++i) {
                const int pid = ColumnBase(GetTargetMode(), i) + r.p;
                CHfcControl* cell = nullptr;
                switch (r.cell) {
                    case Cell::Dropdown:
                        cell = Place(creater.CreateDropdownList(CellX(i), 4, 4, pid), row, pid);
                        break;
                    case Cell::Text:
                        cell = Place(creater.CreateTextEdit(CellX(i), 4, 40, 13, pid), row, pid);
                        break;
                    case Cell::Switch:
                        cell = Place(creater.CreateSwitch(SwitchX(i), 4, pid), row, pid);
                        break;
                }
                AddGroupControl(i, cell);
            }
            lastY = y;
            y += kRowPitch;
        }
    }
    // The sound's own scale: one set of controls for the page, in no column.
    QnControlContainer* row = AddRow(lastY + kRowPitch, ScaleCaption(), 15, 110);
    QnControlCreater creater = CreaterFor(row);
    Place(creater.CreateDropdownList(116, 4, 0, GetParamId(0)), row, GetParamId(0));
    PlaceLabel(creater, row, 318, 4, "Key", 25, 13, false, 0, 1);
    Place(creater.CreateTextEdit(344, 4, 40, 13, GetParamId(1)), row, GetParamId(1));
    PlaceLabel(creater, row, 410, 4, "Random", 42, 13, false, 0, 1);
    Place(creater.CreateTextEdit(458, 4, 40, 13, GetParamId(2)), row, GetParamId(2));
    return CombiMultiLayerBase::OnCreate();
}

CombiTimbreParamLayer::CombiTimbreParamLayer(IRemoteSynth* synth)
    : CombiMultiTrackParamLayer(synth, QorX0::kModeCombiEdit, false) {}

void CombiTimbreParamLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kColumns);
}

MultiTrackParamLayer::MultiTrackParamLayer(IRemoteSynth* synth)
    : CombiMultiTrackParamLayer(synth, QorX0::kModeMulti, true) {}

void MultiTrackParamLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kColumns);
}

bool CombiMultiMIDIFilterLayer::OnCreate() {
    CreateLampRow();
    int y = 26;
    for (const FilterRow& r : kFilterRows) {
        QnControlContainer* row = AddRow(y, r.caption, 10, 115);
        QnControlCreater creater = CreaterFor(row);
        for (int i = 0; i < GetColumnCount(); ++i) {
            const int pid = ColumnBase(GetTargetMode(), i) + r.p;
            AddGroupControl(i, Place(creater.CreateSwitch(SwitchX(i), 4, pid), row, pid));
        }
        y += kRowPitch;
    }
    return CombiMultiLayerBase::OnCreate();
}

CombiMIDIFilterLayer::CombiMIDIFilterLayer(IRemoteSynth* synth)
    : CombiMultiMIDIFilterLayer(synth, QorX0::kModeCombiEdit, false) {}

void CombiMIDIFilterLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kColumns);
}

MultiMIDIFilterLayer::MultiMIDIFilterLayer(IRemoteSynth* synth)
    : CombiMultiMIDIFilterLayer(synth, QorX0::kModeMulti, true) {}

void MultiMIDIFilterLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kColumns);
}
