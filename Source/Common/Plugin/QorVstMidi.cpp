// Host MIDI in, its timing, bank and program handling, and the instrument's MIDI shown in the editor.
#include <cmath>
#include <cstring>

#include "Common/Plugin/QorVst.h"
#include "Linux/MidiIO/MidiFifo.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/SysTick.h"

namespace {
constexpr unsigned char kData = 0x7F;  // data bytes never carry bit 7 past the rings
constexpr int kMultiCurrentTrackPid = 0xFF16;
constexpr int kTrackChannelPid = 0x104;
}  // namespace

void QorVst::setSampleRate(float rate) {
    // A rate the time stamps cannot use keeps the one before.
    if (std::isfinite(rate) && rate > 0.0f) AudioEffectX::setSampleRate(rate);
}

bool QorVst::setBypass(bool onOff) {
    m_bypass.store(onOff);
    return false;
}

void QorVst::resume() {
    wantEvents(1);
}

VstInt32 QorVst::processEvents(VstEvents* events) {
    if (events == nullptr || events->numEvents <= 0) return 1;
    for (VstInt32 i = 0; i < events->numEvents; ++i) {
        const VstEvent* event = events->events[i];
        if (event == nullptr || event->type != kVstMidiType) continue;
        const auto* midi = reinterpret_cast<const VstMidiEvent*>(event);
        MidiInFromMaster(static_cast<unsigned char>(midi->midiData[0]),
                         static_cast<unsigned char>(midi->midiData[1]),
                         static_cast<unsigned char>(midi->midiData[2]),
                         midi->deltaFrames > 0 ? static_cast<unsigned>(midi->deltaFrames) : 0u);
    }
    return 1;
}

void QorVst::MidiInFromMaster(unsigned char status, unsigned char data1, unsigned char data2,
                              unsigned int deltaFrames) {
    if (m_bypass.load(std::memory_order_relaxed) || m_hostRing == nullptr) return;
    // An offset past any block is a host's negative one seen unsigned: it belongs at the block's start.
    if (deltaFrames > 0x7FFFFFFFu) deltaFrames = 0;
    m_hostRing->Push(status, data1 & kData, data2 & kData, deltaFrames);
}

void QorVst::MidiInFromGUI(unsigned char status, unsigned char data1, unsigned char data2) {
    if (m_bypass.load(std::memory_order_relaxed) || m_editorRing == nullptr) return;
    m_editorRing->Push(status, data1 & kData, data2 & kData, 0);
}

void QorVst::process(float**, float**, VstInt32) {
    if (m_hostRing == nullptr || m_synth == nullptr) return;
    m_blockBase = static_cast<uint64_t>(GetSysTick()) * 1000u;
    const float factor = 1000000.0f / sampleRate;
    DrainHostRing(m_blockBase, factor);
    DrainEditorRing(m_blockBase, factor);
}

void QorVst::processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) {
    process(inputs, outputs, sampleFrames);
    if (outputs == nullptr || sampleFrames <= 0) return;
    for (int channel = 0; channel < 2; ++channel)
        if (outputs[channel] != nullptr)
            std::memset(outputs[channel], 0, sizeof(float) * static_cast<size_t>(sampleFrames));
}

void QorVst::Forward(const tagMidiData& entry, uint64_t base, float factor) {
    const unsigned length = MidiShortLength(entry.status);
    const auto offset = static_cast<int64_t>(static_cast<float>(entry.time) * factor);
    const unsigned char message[3] = {entry.status, entry.data1, entry.data2};
    m_synth->RTMIDIOut(static_cast<long long>(base + static_cast<uint64_t>(offset)), message, length);
    if (editor != nullptr && m_editorUp)
        static_cast<QorVstEditorBase*>(editor)->MidiIn(entry.status, entry.data1, entry.data2);
}

void QorVst::CountNote(int row, unsigned char status, unsigned char key, unsigned char velocity) {
    if (row < 0 || row > 16 || key > 127) return;
    const unsigned kind = status & 0xF0;
    if (kind == 0x90 && velocity > 0)
        m_notes[row][key].fetch_add(1, std::memory_order_relaxed);
    else if (kind == 0x80 || kind == 0x90)
        m_notes[row][key].fetch_sub(1, std::memory_order_relaxed);
}

void QorVst::NoteOn(int channel, int key, int, unsigned int) {
    if (channel < 0 || channel > 16 || key < 0 || key > 127) return;
    m_notes[channel][key].fetch_add(1, std::memory_order_relaxed);
}

void QorVst::NoteOff(int channel, int key, unsigned int) {
    if (channel < 0 || channel > 16 || key < 0 || key > 127) return;
    m_notes[channel][key].fetch_sub(1, std::memory_order_relaxed);
}

int QorVst::GetNoteInfo(int key, unsigned int channelMask) {
    if (key < 0 || key > 127) return 0;
    int sum = 0;
    for (int row = 0; row < 17; ++row)
        if (channelMask & (1u << row)) sum += m_notes[row][key].load(std::memory_order_relaxed);
    return sum;
}

int QorVst::BankForGlobalChannel(unsigned char msb, unsigned char lsb) {
    if (msb == 255 || lsb == 255) return m_synth->GetCurSound().bank;
    const bool nerimo = m_model == 9;
    switch (m_synth->GetMode()) {
        case 0:
        case 1:
            return lsb < 8 ? lsb : lsb - 1;
        case 2:
        case 3:
            if (msb == 120) return nerimo ? 6 : 5;
            if (msb == 121) return nerimo ? 5 : 4;
            if (msb == (m_synth->GetGMMapping() ? 63 : 0)) return lsb;
            return 0;
        default:
            return 0;
    }
}

int QorVst::BankForTimbre(unsigned char msb, unsigned char lsb) {
    const bool nerimo = m_model == 9;
    int bank;
    if (msb == 120)
        bank = nerimo ? 6 : 5;
    else if (msb == 121)
        bank = nerimo ? 5 : 4;
    else if (msb == (m_synth->GetGMMapping() ? 63 : 0))
        bank = lsb;
    else
        return -1;
    return bank >= 128 ? -1 : bank;
}

// A sound change runs exclusive sessions: never on the audio thread. The host ring waits for it (a
// bounded time) so that the notes after it are sent after it.
void QorVst::PostSoundChange(long event, long argument) {
    if (m_dispatcher == nullptr) return;
    m_soundChangePostedAt.store(GetSysTick(), std::memory_order_relaxed);
    m_soundChangesPending.fetch_add(1);
    m_dispatcher->NotifyEvent(this, event, argument, true);
}

void QorVst::DrainHostRing(uint64_t base, float factor) {
    if (m_soundChangesPending.load() > 0 &&
        GetSysTick() - m_soundChangePostedAt.load(std::memory_order_relaxed) < kSoundChangeWaitMs)
        return;
    const int count = m_hostRing->Count();
    for (int i = 0; i < count; ++i) {
        tagMidiData e;
        if (!m_hostRing->Pop(&e)) break;
        const int channel = e.status & 0x0F;
        const unsigned kind = e.status & 0xF0;
        if (kind == 0x80 || kind == 0x90) {
            CountNote(channel, e.status, e.data1, e.data2);
        } else if (kind == 0xB0) {
            if (m_synth->GetMode() == QorX0::kModeMulti) {
                for (int t = 0; t < 16; ++t) {
                    if (m_synth->GetCurTimbreMIDICh(QorX0::kModeMulti, t) != channel) continue;
                    if (e.data1 == 0) m_bankMSB[t].store(e.data2, std::memory_order_relaxed);
                    if (e.data1 == 32) m_bankLSB[t].store(e.data2, std::memory_order_relaxed);
                }
            } else if (channel == m_synth->GetGlobalChannel() && (e.data1 == 0 || e.data1 == 32)) {
                (e.data1 == 0 ? m_bankMSB[0] : m_bankLSB[0]).store(e.data2, std::memory_order_relaxed);
                return;  // the rest waits for the next block
            }
        } else if (kind == 0xC0) {
            if (m_synth->GetMode() == QorX0::kModeMulti) {
                for (int t = 0; t < 16; ++t) {
                    if (m_synth->GetCurTimbreMIDICh(QorX0::kModeMulti, t) != channel) continue;
                    const int bank = BankForTimbre(m_bankMSB[t].load(std::memory_order_relaxed),
                                                   m_bankLSB[t].load(std::memory_order_relaxed));
                    PostSoundChange(kEventPutTimbreSound,
                                    (t << 16) | ((bank < 0 ? 0xFF : bank) << 8) | e.data1);
                }
            } else if (channel == m_synth->GetGlobalChannel()) {
                const int bank = BankForGlobalChannel(m_bankMSB[0].load(std::memory_order_relaxed),
                                                      m_bankLSB[0].load(std::memory_order_relaxed));
                PostSoundChange(kEventPutCurSound, ((bank & 0xFF) << 8) | e.data1);
                return;
            }
        }
        Forward(e, base, factor);
    }
}

void QorVst::DrainEditorRing(uint64_t base, float factor) {
    const int count = m_editorRing->Count();
    for (int i = 0; i < count; ++i) {
        tagMidiData e;
        if (!m_editorRing->Pop(&e)) break;
        const unsigned kind = e.status & 0xF0;
        if (kind == 0x80 || kind == 0x90) CountNote(e.status & 0x0F, e.status, e.data1, e.data2);
        Forward(e, base, factor);
    }
}

void QorVst::OnRTMIDIIn(long long, const void* data, unsigned length) {
    if (m_bypass.load(std::memory_order_relaxed) || m_synth == nullptr || data == nullptr || length == 0)
        return;
    const auto* bytes = static_cast<const unsigned char*>(data);
    const unsigned char status = bytes[0];
    const unsigned char data1 = length > 1 ? bytes[1] & kData : 0;
    const unsigned char data2 = length > 2 ? bytes[2] & kData : 0;

    int row = 0;
    switch (m_synth->GetSoundMode()) {
        case 0:
        case 2:
            row = m_synth->GetGlobalChannel();
            break;
        case 4:
            if (QorX0::ISoundSection* multi = m_synth->GetEditBuffer(QorX0::kModeMulti)) {
                const int track = multi->GetParamI(kMultiCurrentTrackPid);
                const int pid = track * 256 + kTrackChannelPid;
                QorX0::ISection* sub = nullptr;
                if (track >= 0 && track < 16 && multi->FindSectionByPID(pid, &sub) && sub != nullptr)
                    row = sub->GetParamI(pid);
            }
            break;
        default:
            break;
    }

    QorX0::MODEANDSTATE state{};
    if (!m_synth->GetConnectionState(nullptr, nullptr, nullptr, &state, nullptr)) return;
    if (!state.LocalControl()) return;
    if ((status & 0xF0) == 0x80 || (status & 0xF0) == 0x90) CountNote(row, status, data1, data2);
    if (editor != nullptr && m_editorUp) static_cast<QorVstEditorBase*>(editor)->MidiIn(status, data1, data2);
}
