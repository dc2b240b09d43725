#include "Common/Controls/QnSelectors.h"
#include "Common/Model/Sections.h"
#include "Common/Pages/NoteInput.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Pages/ProgMenus.h"
#include "Common/Pages/ProgPageRows.h"
#include "Common/Pages/ProgPages.h"

using namespace QorX0;
using namespace ProgRows;

namespace {

constexpr int kTopKey = 0x1D0A;
constexpr int kBottomKey = 0x1D0B;
constexpr int kTopVelocity = 0x1D0C;
constexpr int kBottomVelocity = 0x1D0D;

const Row kArpRows[] = {
    // Arpeggiator set-up.
    Category(24, 15, 100, "Arpeggiator Setup"),
    Switch(16, 28, 0x1C01, "Switch_ON"),
    SoundSelector(54, 28, 0x1D00, QnSoundSelector::kKindArpeggioPattern, 1),
    Label(31, 69, 50, "Octave"),
    Dropdown(86, 69, 0x1D02, 2),
    Label(31, 91, 50, "Resolution"),
    Dropdown(86, 91, 0x1D01, 2),
    Label(31, 113, 50, "Gate"),
    TextEdit(86, 113, 0x1D03, 96, 13),
    Label(31, 135, 50, "Velocity"),
    TextEdit(86, 135, 0x1D04, 96, 13),
    Label(31, 157, 50, "Swing"),
    TextEdit(86, 157, 0x1D05, 96, 13),
    Switch(32, 182, 0x1D06),
    Label(50, 182, 50, "Sort"),
    Switch(32, 201, 0x1D07),
    Label(50, 201, 50, "Latch"),
    Switch(104, 182, 0x1D08),
    Label(122, 182, 50, "Key Sync"),
    Switch(104, 201, 0x1D09),
    Label(122, 201, 50, "Keyboard"),
    // Scan zone: the four fields that take a played note.
    Category(28, 252, 100, "Arp Scan Zone"),
    Label(31, 272, 80, "Bottom Key"),
    TextEdit(114, 272, kBottomKey, 40, 13),
    Label(31, 294, 80, "Top Key"),
    TextEdit(114, 294, kTopKey, 40, 13),
    Label(31, 316, 80, "Bottom Velocity"),
    TextEdit(114, 316, kBottomVelocity, 40, 13),
    Label(31, 338, 80, "Top Velocity"),
    TextEdit(114, 338, kTopVelocity, 40, 13),
    // The realtime knobs' B assignments.
    Category(289, 34, 150, "Knob B Assign"),
    Label(292, 54, 80, "Knob1-B"),
    Dropdown(346, 54, 0x0012, 1),
    Label(292, 76, 80, "Knob2-B"),
    Dropdown(346, 76, 0x0013, 1),
    Label(292, 98, 80, "Knob3-B"),
    Dropdown(346, 98, 0x0014, 1),
    Label(292, 120, 80, "Knob4-B"),
    Dropdown(346, 120, 0x0015, 1),
    // The assignable switches.
    Category(289, 155, 150, "SW 1/2 Assign"),
    CheckBox(292, 177, 0x000E),
    Label(312, 179, 80, "SW1 On/Off"),
    Label(292, 199, 80, "SW1 Assign"),
    Dropdown(349, 199, 0x000C, 2),
    Label(292, 221, 80, "SW1 Mode"),
    Dropdown(349, 221, 0x0010, 2),
    CheckBox(292, 243, 0x000F),
    Label(312, 245, 80, "SW2 On/Off"),
    Label(292, 265, 80, "SW2 Assign"),
    Dropdown(349, 265, 0x000D, 2),
    Label(292, 287, 80, "SW2 Mode "),
    Dropdown(349, 287, 0x0011, 2),
};

}  // namespace

ProgArpControlsLayer::ProgArpControlsLayer(IRemoteSynth* synth)
    : EditTabPageLayerBase(synth, kModeProgEdit) {}

ProgArpControlsLayer::~ProgArpControlsLayer() {
    if (m_bMIDIAdvised && GetSynth()) GetSynth()->UnadviseMIDISink(this);
}

bool ProgArpControlsLayer::OnCreate() {
    Build(this, kArpRows);
    if (IRemoteSynth* synth = GetSynth(); synth && !m_bMIDIAdvised)
        m_bMIDIAdvised = synth->AdviseMIDISink(this);
    return CTabPageLayer::OnCreate();
}

bool ProgArpControlsLayer::OnDestroy() {
    if (m_bMIDIAdvised && GetSynth()) GetSynth()->UnadviseMIDISink(this);
    m_bMIDIAdvised = false;
    return CTabPageLayer::OnDestroy();
}

void ProgArpControlsLayer::OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    OnNoteInput(status, data1, data2);
}

void ProgArpControlsLayer::OnRemoteSynthMIDIIn(IRemoteSynth*, const void* data, unsigned length) {
    if (!IsVisible() || length == 0 || !data) return;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if ((bytes[0] & 0xF0) != 0x90) return;
    OnNoteInput(bytes[0], length > 1 ? bytes[1] : 0, length > 2 ? bytes[2] : 0);
}

void ProgArpControlsLayer::OnNoteInput(unsigned char status, unsigned char note, unsigned char velocity) {
    NoteInput::Fill(this, status, note, velocity, {kTopKey, kBottomKey}, {kTopVelocity, kBottomVelocity});
}

void ProgArpControlsLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& items) {
    ProgMenus::Append(items, ProgMenus::kArpeggiator);
}
