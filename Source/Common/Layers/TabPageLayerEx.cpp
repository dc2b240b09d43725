#include "Common/Layers/TabPageLayerEx.h"

#include <algorithm>

#include "Common/Model/Converters.h"
#include "Hfc/Core/HfcCtrlCharEditText.h"

using namespace QorX0;

namespace {

void AddOnce(std::vector<unsigned>& list, unsigned pid) {
    if (std::find(list.begin(), list.end(), pid) == list.end()) list.push_back(pid);
}

bool Contains(const std::vector<unsigned>& list, unsigned pid) {
    return std::find(list.begin(), list.end(), pid) != list.end();
}

}  // namespace

CTabPageLayerEx::CTabPageLayerEx(IRemoteSynth* synth, std::string name)
    : CTabPageLayer(synth, std::move(name)) {}

CTabPageLayerEx::~CTabPageLayerEx() {
    UnadviseMIDI();
}

bool CTabPageLayerEx::OnCreate() {
    if (IRemoteSynth* synth = GetSynth(); synth && !m_bMIDIAdvised)
        m_bMIDIAdvised = synth->AdviseMIDISink(this);
    return CTabPageLayer::OnCreate();
}

bool CTabPageLayerEx::OnDestroy() {
    UnadviseMIDI();
    return CTabPageLayer::OnDestroy();
}

void CTabPageLayerEx::UnadviseMIDI() {
    if (!m_bMIDIAdvised) return;
    m_bMIDIAdvised = false;
    if (IRemoteSynth* synth = GetSynth()) synth->UnadviseMIDISink(this);
}

void CTabPageLayerEx::AddKeyParanId(unsigned pid) {
    AddOnce(m_keyPids, pid);
}

void CTabPageLayerEx::AddVelParanId(unsigned pid) {
    AddOnce(m_velPids, pid);
}

void CTabPageLayerEx::OnRemoteSynthMIDIIn(IRemoteSynth*, const void* data, unsigned length) {
    if (!IsVisible() || length == 0 || data == nullptr) return;
    const unsigned char* bytes = static_cast<const unsigned char*>(data);
    if ((bytes[0] & 0xF0) != 0x90) return;
    OnNoteInput(bytes[0], length > 1 ? bytes[1] : 0, length > 2 ? bytes[2] : 0);
}

void CTabPageLayerEx::OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    OnNoteInput(status, data1, data2);
}

void CTabPageLayerEx::OnNoteInput(unsigned char status, unsigned char note, unsigned char velocity) {
    if ((status & 0xF0) != 0x90) return;
    CHfcCtrlCharEditText* field = nullptr;
    for (int i = 0; i < GetNumControls() && field == nullptr; ++i) {
        auto* edit = dynamic_cast<CHfcCtrlCharEditText*>(GetControl(i));
        if (edit != nullptr && edit->IsEditing()) field = edit;
    }
    if (field == nullptr) return;
    const SParamIdInfo link = GetParameterIdByControl(field);
    if (link.section == nullptr || link.pid == -1) return;
    const unsigned pid = static_cast<unsigned>(link.pid);
    int value;
    if (Contains(m_keyPids, pid)) {
        value = note;
    } else if (Contains(m_velPids, pid)) {
        value = velocity;
    } else {
        return;
    }
    PARAMDESC desc{};
    if (!GetParamDesc(&desc, GetTargetMode(), link.pid)) return;
    std::string text = desc.converter ? desc.converter->Format(value) : std::to_string(value);
    text = text.substr(0, text.find('\0'));
    field->SetPtrValue(text.data(), false);
}
