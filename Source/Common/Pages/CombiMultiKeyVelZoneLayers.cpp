#include "Common/Pages/CombiMultiKeyVelZoneLayers.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "Common/Controls/QnControlCreater.h"
#include "Common/Pages/CombiMultiMenus.h"
#include "Common/Controls/QnDropdownList.h"
#include "Common/Controls/QorZoneSlopeBar.h"
#include "Common/Layers/QnControlContainer.h"
#include "Common/Model/Converters.h"
#include "Common/Model/ParamDesc.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"

using QorX0::IRemoteSynth;
using QorX0::ISection;
using QorX0::PARAMDESC;

namespace {

struct ZoneRow {
    const char* caption;
    int p;
    bool slope;  // a slope list, else a value field
};
struct ZoneBlock {
    int firstRowY;
    ZoneRow rows[4];
    int barY;  // the first column's bar; the others 9 pixels apart
    int barId;
    int minimum;  // of the bar's range (to 127)
    const char* scaleImage;
    int scaleY;
};
const ZoneBlock kKeyBlock{26,
                          {{"Top Key", CombiMultiKeyVelZoneLayer::kKeyTop, false},
                           {"Bottom Key", CombiMultiKeyVelZoneLayer::kKeyBottom, false},
                           {"Top Slope", CombiMultiKeyVelZoneLayer::kKeyTopSlope, true},
                           {"Bottom Slope", CombiMultiKeyVelZoneLayer::kKeyBottomSlope, true}},
                          119,
                          CombiMultiKeyVelZoneLayer::kKeyBarId,
                          0,
                          "Image_Keyboard",
                          195};
const ZoneBlock kVelBlock{220,
                          {{"Top Velocity", CombiMultiKeyVelZoneLayer::kVelTop, false},
                           {"Bottom Velocity", CombiMultiKeyVelZoneLayer::kVelBottom, false},
                           {"Top Slope", CombiMultiKeyVelZoneLayer::kVelTopSlope, true},
                           {"Bottom Slope", CombiMultiKeyVelZoneLayer::kVelBottomSlope, true}},
                          313,
                          CombiMultiKeyVelZoneLayer::kVelBarId,
                          1,
                          "Image_VelocityScale",
                          388};
constexpr int kRowPitch = 23, kBarPitch = 9, kBarX = 28;
// Where a bar's scale starts on the page (the bar's x plus its bar offset): the picture under the bars.
constexpr int kScaleX = 36;

// A slope index as the tables take it: a stored or chosen index outside 0..15 reads as the nearest.
int SlopeIndex(int index) {
    return std::clamp(index, 0, 15);
}

int NearestIndex(int width, int limit, int (*table)(int), int smallestStep) {
    if (limit < smallestStep) return 0;
    for (int j = 0; j < 15; ++j) {
        const int next = table(j + 1);
        if (next > limit) return j;
        if (width < next) return std::abs(next - width) < std::abs(table(j) - width) ? j + 1 : j;
    }
    return 15;
}

}  // namespace

int CombiMultiKeyVelZoneLayer::KeySlopeWidth(int index) {
    return kKeySlopes[SlopeIndex(index)];
}
int CombiMultiKeyVelZoneLayer::VelSlopeWidth(int index) {
    return SlopeIndex(index) * 8;
}

int CombiMultiKeyVelZoneLayer::GetNearestKeyIndex(int width, int limit) {
    return NearestIndex(width, limit, KeySlopeWidth, 1);
}

int CombiMultiKeyVelZoneLayer::GetNearestVelIndex(int width, int limit) {
    return NearestIndex(width, limit, VelSlopeWidth, 8);
}

CombiMultiKeyVelZoneLayer::CombiMultiKeyVelZoneLayer(IRemoteSynth* synth, int kind, bool twoGroups)
    : CombiMultiTableLayerBase(synth, kind, twoGroups) {}

CombiMultiKeyVelZoneLayer::~CombiMultiKeyVelZoneLayer() {
    if (m_bMIDIAdvised && GetSynth()) GetSynth()->UnadviseMIDISink(this);
}

QorZoneSlopeBar* CombiMultiKeyVelZoneLayer::GetKeyBar(int column) const {
    return column >= 0 && column < 16 ? m_keyBars[column] : nullptr;
}

QorZoneSlopeBar* CombiMultiKeyVelZoneLayer::GetVelBar(int column) const {
    return column >= 0 && column < 16 ? m_velBars[column] : nullptr;
}

bool CombiMultiKeyVelZoneLayer::OnCreate() {
    std::fill(std::begin(m_keyBars), std::end(m_keyBars), nullptr);
    std::fill(std::begin(m_velBars), std::end(m_velBars), nullptr);
    CreateLampRow();
    CreateZoneRows(true);
    CreateZoneRows(false);
    // The bars came after their fields: every column's bar is set from its values now.
    SynchronizeAllControlWithParam(nullptr, true);
    if (IRemoteSynth* synth = GetSynth(); synth && !m_bMIDIAdvised)
        m_bMIDIAdvised = synth->AdviseMIDISink(this);
    return CombiMultiLayerBase::OnCreate();
}

bool CombiMultiKeyVelZoneLayer::OnDestroy() {
    if (m_bMIDIAdvised && GetSynth()) GetSynth()->UnadviseMIDISink(this);
    m_bMIDIAdvised = false;
    return CombiMultiLayerBase::OnDestroy();
}

void CombiMultiKeyVelZoneLayer::CreateZoneRows(bool keys) {
    const ZoneBlock& block = keys ? kKeyBlock : kVelBlock;
    int y = block.firstRowY;
    for (const ZoneRow& r : block.rows) {
        QnControlContainer* row = AddRow(y, r.caption, 10, 110);
        QnControlCreater creater = CreaterFor(row);
        for (int i = 0; i < GetColumnCount(); ++i) {
            const int pid = ColumnBase(GetTargetMode(), i) + r.p;
            CHfcControl* cell =
                r.slope ? static_cast<CHfcControl*>(creater.CreateDropdownList(CellX(i), 4, 4, pid))
                        : creater.CreateTextEdit(CellX(i), 4, 40, 13, pid);
            AddGroupControl(i, Place(cell, row, pid));
        }
        y += kRowPitch;
    }
    QnControlCreater creater(GetBackground(), 0, 0);
    for (int i = 0; i < GetColumnCount(); ++i) {
        QorZoneSlopeBar* bar =
            creater.CreateZoneSlopeBar(kBarX, block.barY + (i % 8) * kBarPitch, block.barId + i);
        if (!bar) continue;
        if (block.minimum != 0) bar->SetMinIntValue(block.minimum, false);
        (keys ? m_keyBars : m_velBars)[i] = Place(bar, nullptr, -1);
        AddGroupControl(i, bar);
    }
}

void CombiMultiKeyVelZoneLayer::OnPostDrawBackground(CHfcOffscreenContext* context) {
    for (const ZoneBlock* block : {&kKeyBlock, &kVelBlock}) {
        if (CHfcBmp* image = QnControlCreater::LoadImage(block->scaleImage))
            context->CopyBmp(kScaleX, block->scaleY, image->GetWidth(), image->GetHeight(), image, 0, 0);
    }
}

void CombiMultiKeyVelZoneLayer::ApplyKeyValueChange(int pid, int value, bool direct) {
    const int p = pid & 0xFF;
    if (p >= kKeyTop && p <= kKeyBottom) ApplyZoneValueChange(pid, value, direct, true);
}

void CombiMultiKeyVelZoneLayer::ApplyVelValueChange(int pid, int value, bool direct) {
    const int p = pid & 0xFF;
    if (p >= kVelTop && p <= kVelBottom) ApplyZoneValueChange(pid, value, direct, false);
}

void CombiMultiKeyVelZoneLayer::ApplyZoneValueChange(int pid, int value, bool direct, bool keys) {
    const int kind = GetTargetMode();
    const int b = pid & 0xFF00;
    const int first = keys ? kKeyTop : kVelTop;  // top, top slope, bottom slope, bottom follow
    int (*width)(int) = keys ? KeySlopeWidth : VelSlopeWidth;
    int (*nearest)(int, int) = keys ? GetNearestKeyIndex : GetNearestVelIndex;
    const int top = GetParamValue(kind, b + first);
    const int ts = width(GetParamValue(kind, b + first + 1));
    const int bs = width(GetParamValue(kind, b + first + 2));
    const int bottom = GetParamValue(kind, b + first + 3);
    int result = value;
    switch ((pid & 0xFF) - first) {
        case 0:  // top
            result = std::max(value, bottom + bs + ts);
            break;
        case 3:  // bottom
            result = std::min(value, top - ts - bs);
            break;
        case 1:  // top slope
            if (direct) {
                result = SlopeIndex(value);
                while (result > 0 && width(result) > top - bs - bottom) --result;
            } else {
                result = nearest(top - value, top - bs - bottom);
            }
            break;
        case 2:  // bottom slope
            if (direct) {
                result = SlopeIndex(value);
                while (result > 0 && width(result) > top - ts - bottom) --result;
            } else {
                result = nearest(value - bottom, top - ts - bottom);
            }
            break;
        default:
            return;
    }
    PutParamValue(kind, pid, result);
}

void CombiMultiKeyVelZoneLayer::OnHfcCtrlPtrValueChanged(CHfcControl* control, void* value) {
    if (!control) return;
    const int id = control->GetId();
    if (dynamic_cast<QorZoneSlopeBar*>(control) && value &&
        ((id & 0xF0000) == kKeyBarId || (id & 0xF0000) == kVelBarId)) {
        const bool keys = (id & 0xF0000) == kKeyBarId;
        const auto* change = static_cast<const tagZoneSlopeBarChange*>(value);
        const int b = ((id & 0xFF) + 1) * 256;
        // Ends: zone min, zone max, slope min, slope max.
        static constexpr int kKeyEnds[4] = {kKeyBottom, kKeyTop, kKeyBottomSlope, kKeyTopSlope};
        static constexpr int kVelEnds[4] = {kVelBottom, kVelTop, kVelBottomSlope, kVelTopSlope};
        if (change->end < 0 || change->end > 3) return;
        if (keys)
            ApplyKeyValueChange(b + kKeyEnds[change->end], change->value, false);
        else
            ApplyVelValueChange(b + kVelEnds[change->end], change->value, false);
        return;
    }
    if (auto* field = dynamic_cast<CHfcCtrlCharEditText*>(control)) {
        const SParamIdInfo link = GetParameterIdByControl(field);
        const int p = link.pid & 0xFF;
        if (link.pid == -1 || p < kKeyTop || p > kVelBottom || !value) return;
        PARAMDESC desc{};
        if (!GetParamDesc(&desc, GetTargetMode(), link.pid) || !desc.converter) return;
        int parsed = 0;
        if (!desc.converter->TryParse(static_cast<const char*>(value), &parsed)) {
            // Text that names no value changes nothing; the field shows the stored value again.
            SynchronizeControlWithParam(field, false);
            return;
        }
        if (p <= kKeyBottom)
            ApplyKeyValueChange(link.pid, parsed, true);
        else
            ApplyVelValueChange(link.pid, parsed, true);
        return;
    }
    QnSynthLayer::OnHfcCtrlPtrValueChanged(control, value);
}

void CombiMultiKeyVelZoneLayer::OnHfcCtrlIntValueChanged(CHfcControl* control, int value) {
    if (!control) return;
    const int id = control->GetId();
    if (id < 0 || id >= 0x10000) return;
    const int p = id & 0xFF;
    if (p >= kKeyTop && p <= kKeyBottom)
        ApplyKeyValueChange(id, value, true);
    else if (p >= kVelTop && p <= kVelBottom)
        ApplyVelValueChange(id, value, true);
}

void CombiMultiKeyVelZoneLayer::OnPostSynchronizeControlWithParam(CHfcControl*, ISection* section, int pid) {
    const int count = GetColumnCount();
    if (!section || count == 0) return;
    const int column = (((pid >> 8) & 0xFF) - 1 + count) % count;
    const int p = pid & 0xFF;
    const bool keys = p >= kKeyTop && p <= kKeyBottom;
    if (!keys && !(p >= kVelTop && p <= kVelBottom)) return;
    QorZoneSlopeBar* bar = keys ? m_keyBars[column] : m_velBars[column];
    if (!bar) return;
    const int b = pid & ~0xFF;
    const int first = keys ? kKeyTop : kVelTop;
    int (*width)(int) = keys ? KeySlopeWidth : VelSlopeWidth;
    const int v = section->GetParamI(pid);
    switch (p - first) {
        case 0:
            bar->SetParamZoneMax(v, true);
            bar->SetParamSlopeMax(v - width(section->GetParamI(b + first + 1)), true);
            break;
        case 1:
            bar->SetParamSlopeMax(section->GetParamI(b + first) - width(v), true);
            break;
        case 2:
            bar->SetParamSlopeMin(section->GetParamI(b + first + 3) + width(v), true);
            break;
        case 3:
            bar->SetParamZoneMin(v, true);
            bar->SetParamSlopeMin(v + width(section->GetParamI(b + first + 2)), true);
            break;
        default:
            break;
    }
}

void CombiMultiKeyVelZoneLayer::OnNoteInput(unsigned char status, unsigned char note,
                                            unsigned char velocity) {
    if ((status & 0xF0) != 0x90) return;
    CHfcCtrlCharEditText* field = nullptr;
    std::vector<CHfcControl*> controls;
    GetControlVec(controls);
    for (CHfcControl* c : controls) {
        auto* edit = dynamic_cast<CHfcCtrlCharEditText*>(c);
        if (edit && edit->IsEditing()) {
            field = edit;
            break;
        }
    }
    if (!field) return;
    const SParamIdInfo link = GetParameterIdByControl(field);
    if (link.pid == -1) return;
    const int p = link.pid & 0xFF;
    int value;
    if (p == kKeyTop || p == kKeyBottom)
        value = note;
    else if (p == kVelTop || p == kVelBottom)
        value = velocity;
    else
        return;
    PARAMDESC desc{};
    if (!GetParamDesc(&desc, GetTargetMode(), link.pid)) return;
    std::string text = desc.converter ? desc.converter->Format(value) : std::to_string(value);
    text = text.substr(0, text.find('\0'));
    field->SetPtrValue(text.data(), false);
}

void CombiMultiKeyVelZoneLayer::OnRemoteSynthMIDIIn(IRemoteSynth*, const void* data, unsigned length) {
    if (!IsVisible() || length == 0 || !data) return;
    const auto* bytes = static_cast<const unsigned char*>(data);
    if ((bytes[0] & 0xF0) != 0x90) return;
    OnNoteInput(bytes[0], length > 1 ? bytes[1] : 0, length > 2 ? bytes[2] : 0);
}

void CombiMultiKeyVelZoneLayer::OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    OnNoteInput(status, data1, data2);
    CombiMultiLayerBase::OnMidiIn(status, data1, data2);
}

CombiKeyVelZoneLayer::CombiKeyVelZoneLayer(IRemoteSynth* synth)
    : CombiMultiKeyVelZoneLayer(synth, QorX0::kModeCombiEdit, false) {}

void CombiKeyVelZoneLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, false, CombiMultiMenus::kColumns);
}

MultiKeyVelZoneLayer::MultiKeyVelZoneLayer(IRemoteSynth* synth)
    : CombiMultiKeyVelZoneLayer(synth, QorX0::kModeMulti, true) {}

void MultiKeyVelZoneLayer::GetMenuItemInfoList(std::list<MenuItemInfo>& list) {
    CombiMultiMenus::Append(list, true, CombiMultiMenus::kColumns);
}
