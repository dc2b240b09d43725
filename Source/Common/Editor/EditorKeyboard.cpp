// The on-screen keyboard and wheels of the editor window, the MIDI they send, how incoming MIDI is
// shown on them and handed to the pages that watch notes, and All Sound Off.
#include <algorithm>
#include <array>
#include <cstdint>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Controls/QnControlCreater.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/Layers/TabControl.h"
#include "Hfc/Core/HfcCtrlKeyboard.h"
#include "Hfc/Core/HfcCtrlWheel.h"

namespace G = ArtGeometry;

namespace {

constexpr int kPitchCentre = 8192;
constexpr int kPitchMax = 16383;

// The keyboard's tables, made once from the art's geometry.
struct KeyboardTables {
    std::array<tagHfcRect, G::kCtlWhiteKeys> sm_amKeyRect{};
    std::array<int, G::kCtlKeyCount * 3> sm_amKeyPair{};
    std::array<uint8_t, G::kCtlKeyboardWidth * G::kCtlKeyboardHeight> sm_aiKeyMap{};
    KeyboardTables() {
        for (int r = 0; r < G::kCtlWhiteKeys; ++r) {
            const G::Rect rect = G::CtlRegionRect(r);
            sm_amKeyRect[r] = {rect.x, rect.y, rect.x + rect.w, rect.y + rect.h};
        }
        for (int key = 0; key < G::kCtlKeyCount; ++key) {
            const G::KeyRegions k = G::CtlKeyRegions(key);
            sm_amKeyPair[key * 3] = k.first;
            sm_amKeyPair[key * 3 + 1] = k.second;
            sm_amKeyPair[key * 3 + 2] = k.bits;
        }
        for (int y = 0; y < G::kCtlKeyboardHeight; ++y)
            for (int x = 0; x < G::kCtlKeyboardWidth; ++x)
                sm_aiKeyMap[y * G::kCtlKeyboardWidth + x] = static_cast<uint8_t>(G::CtlKeyAt(x, y));
    }
};
const KeyboardTables& Tables() {
    static const KeyboardTables tables;
    return tables;
}

bool OnKeyboard(int note) {
    return note >= G::kCtlLowestNote && note < G::kCtlLowestNote + G::kCtlKeyCount;
}

}  // namespace

int BackgroundLayer::PitchWheelToBend(int value, int maximum) {
    if (maximum <= 0) return kPitchCentre;
    // The wheel at rest is the instrument's centre exactly, so nothing stays detuned after a touch.
    if (value == kPitchWheelRest && maximum == kWheelMax) return kPitchCentre;
    return std::clamp(value, 0, maximum) * kPitchMax / maximum;
}

int BackgroundLayer::BendToPitchWheel(int bend, int maximum) {
    if (bend == kPitchCentre && maximum == kWheelMax) return kPitchWheelRest;
    return maximum * std::clamp(bend, 0, kPitchMax) / kPitchMax;
}

void BackgroundLayer::CreateKeyboardAndWheels() {
    const KeyboardTables& t = Tables();
    tagHfcCtrlKeyboardParam keys;
    keys.x = G::kCtlKeyboardX;
    keys.y = G::kCtlKeyboardY;
    keys.bitmap = QnControlCreater::LoadImage("ControllerKeyboard");
    keys.keys = G::kCtlKeyCount;
    keys.regions = G::kCtlWhiteKeys;
    keys.regionRects = t.sm_amKeyRect.data();
    keys.keyTable = t.sm_amKeyPair.data();
    keys.hitMap = t.sm_aiKeyMap.data();
    keys.lowestNote = G::kCtlLowestNote;
    if (keys.bitmap != nullptr) {
        m_pKeyboard = QnControlCreater::CreateOrNone<CHfcCtrlKeyboard>(
            [&](CHfcCtrlKeyboard& c) { return c.Create(&keys, kIdKeyboard, 0); });
        AddPanelControl(m_pKeyboard);
    }
    CHfcBmp* wheel = QnControlCreater::LoadImage("ControllerWheel");
    if (wheel == nullptr) return;
    struct WheelPlace {
        int x, y, rest;
        bool springs;
    };
    static constexpr WheelPlace sm_amWheelParam[2] = {{91, 539, kPitchWheelRest, true}, {112, 539, 0, false}};
    for (int sub = 0; sub < 2; ++sub) {
        tagHfcCtrlWheelParam param;
        param.x = sm_amWheelParam[sub].x;
        param.y = sm_amWheelParam[sub].y;
        param.bitmap = wheel;
        param.background = m_pBackground;
        param.backgroundX = param.x;
        param.backgroundY = param.y;
        param.frames = G::kWheelFrames;
        param.minimum = 0;
        param.maximum = kWheelMax;
        param.step = 1;
        param.restValue = sm_amWheelParam[sub].rest;
        param.returnsToRest = sm_amWheelParam[sub].springs ? 1 : 0;
        CHfcCtrlWheel* control = QnControlCreater::CreateOrNone<CHfcCtrlWheel>(
            [&](CHfcCtrlWheel& c) { return c.Create(&param, kIdWheel, sub); });
        if (control == nullptr) continue;
        control->SetIntValue(sm_amWheelParam[sub].rest, false);
        AddPanelControl(control);
        (sub == 0 ? m_pPitchWheel : m_pModWheel) = control;
    }
}

void BackgroundLayer::RegistLayerAsMIDIReceiver(QnSynthLayer* layer, bool) {
    auto add = [this](CHfcWindowLayer* l) {
        auto* receiver = dynamic_cast<IMIDIReceiver*>(l);
        if (receiver != nullptr &&
            std::find(m_receivers.begin(), m_receivers.end(), receiver) == m_receivers.end())
            m_receivers.push_back(receiver);
    };
    if (layer == nullptr) return;
    add(layer);
    if (auto* page = dynamic_cast<CTabPageLayer*>(layer)) {
        if (CTabControl* sub = page->GetSubTabControl()) {
            for (int i = 0; i < sub->GetTabPageCount(); ++i) add(sub->GetTabPageLayer(i));
        }
    }
}

int BackgroundLayer::GetPlayChannel() {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return 0;
    switch (synth->GetSoundMode()) {
        case QorX0::kModeCombiPlay:
        case QorX0::kModeProgPlay:
            return synth->GetGlobalChannel() & 0x0F;
        case QorX0::kModeMulti: {
            QorX0::ISoundSection* multi = synth->GetEditBuffer(QorX0::kModeMulti);
            if (multi == nullptr) return 0;
            const int track = multi->GetParamI(0xFF16);
            const int pid = track * 256 + 260;
            QorX0::ISection* holder = nullptr;
            if (!multi->FindSectionByPID(pid, &holder) || holder == nullptr) return 0;
            return holder->GetParamI(pid) & 0x0F;
        }
        default:
            return 0;
    }
}

void BackgroundLayer::SendMidi(unsigned char status, unsigned char data1, unsigned char data2) {
    const unsigned char bytes[3] = {status, data1, data2};
    if (QorX0::IRemoteSynth* synth = GetSynth()) synth->MIDIOut(bytes, 3);
}

void BackgroundLayer::PlayKey(int value) {
    const bool down = value < 0;
    const unsigned char channel = static_cast<unsigned char>(GetPlayChannel());
    const unsigned char status = static_cast<unsigned char>((down ? 0x90 : 0x80) | channel);
    const unsigned char note = static_cast<unsigned char>(value & 0x7F);
    if (EditorParts::IsStandalone(m_pEffect)) {
        SendMidi(status, note, 64);
        OnMidiIn(status, note, 64);
    } else {
        // Passed on with the host's MIDI, and shown when it is played.
        EditorParts::MidiInFromGUI(m_pEffect, status, note, 64);
    }
}

void BackgroundLayer::MoveWheel(int sub, int value) {
    const int channel = GetPlayChannel() & 0x0F;
    unsigned char status = 0, data1 = 0, data2 = 0;
    if (sub == 0) {
        const int w = PitchWheelToBend(value, kWheelMax);
        status = static_cast<unsigned char>(0xE0 | channel);
        data1 = static_cast<unsigned char>(w & 0x7F);
        data2 = static_cast<unsigned char>((w >> 7) & 0x7F);
    } else {
        status = static_cast<unsigned char>(0xB0 | channel);
        data1 = 1;
        data2 = static_cast<unsigned char>(std::clamp(value, 0, kWheelMax) * 127 / kWheelMax);
    }
    SendMidi(status, data1, data2);
    for (IMIDIReceiver* receiver : std::vector<IMIDIReceiver*>(m_receivers))
        receiver->OnMidiIn(status, data1, data2);
}

void BackgroundLayer::OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) {
    switch (status & 0xF0) {
        case 0x90:
            if (data2 != 0) {
                // Notes from the wire beyond the keyboard's keys are not drawn; the pages still hear them.
                if (m_pKeyboard != nullptr && OnKeyboard(data1))
                    m_pKeyboard->SetIntValue(static_cast<int>(data1 | 0x80000000u), true);
                for (IMIDIReceiver* receiver : std::vector<IMIDIReceiver*>(m_receivers))
                    receiver->OnMidiIn(status, data1, data2);
                break;
            }
            [[fallthrough]];
        case 0x80:
            if (m_pKeyboard != nullptr && OnKeyboard(data1)) m_pKeyboard->SetIntValue(data1, true);
            break;
        case 0xE0:
            if (m_pPitchWheel != nullptr)
                m_pPitchWheel->SetIntValue(BendToPitchWheel((data1 & 0x7F) | (data2 & 0x7F) << 7, kWheelMax),
                                           true);
            break;
        case 0xB0:
            if (data1 == 1 && m_pModWheel != nullptr)
                m_pModWheel->SetIntValue((data2 & 0x7F) * kWheelMax / 127, true);
            break;
        default:
            break;
    }
}

void BackgroundLayer::AllSoundOff() {
    for (int channel = 0; channel < 16; ++channel) {
        SendMidi(static_cast<unsigned char>(0xB0 | channel), 120, 0);
        SendMidi(static_cast<unsigned char>(0xB0 | channel), 123, 0);
    }
    for (int note = 0; note < 128; ++note)
        EditorParts::MidiInFromGUI(m_pEffect, 0x80, static_cast<unsigned char>(note), 0);
}
