#include "Support/RecordingRemoteSynth.h"

#include <algorithm>
#include <cstdio>

namespace QorX0 {

RecordingRemoteSynth::RecordingRemoteSynth(unsigned char pmid) : sections(pmid) {
    CHUNK_REMOTESYNTH* image = sections.host.GetRawChunk();
    BuildProgramBankList(&m_programs, pmid, image, sections.host.rom.data());
    BuildCombiBankList(&m_combis, image);
    BuildMultiBankList(&m_multis, image);
}

std::string RecordingRemoteSynth::Joined() const {
    std::string s;
    for (const auto& c : calls) s += (s.empty() ? "" : "|") + c;
    return s;
}

bool RecordingRemoteSynth::AdviseSink(IRemoteSynthSink* sink) {
    if (!sink || std::find(m_sinks.begin(), m_sinks.end(), sink) != m_sinks.end()) return false;
    m_sinks.push_back(sink);
    return true;
}

bool RecordingRemoteSynth::UnadviseSink(IRemoteSynthSink* sink) {
    auto it = std::find(m_sinks.begin(), m_sinks.end(), sink);
    if (it == m_sinks.end()) return false;
    m_sinks.erase(it);
    return true;
}

bool RecordingRemoteSynth::AdviseMIDISink(IRemoteSynthMIDISink* sink) {
    if (!sink || std::find(m_midiSinks.begin(), m_midiSinks.end(), sink) != m_midiSinks.end()) return false;
    m_midiSinks.push_back(sink);
    return true;
}

bool RecordingRemoteSynth::UnadviseMIDISink(IRemoteSynthMIDISink* sink) {
    auto it = std::find(m_midiSinks.begin(), m_midiSinks.end(), sink);
    if (it == m_midiSinks.end()) return false;
    m_midiSinks.erase(it);
    return true;
}

void RecordingRemoteSynth::FireModeChanged(unsigned char mode) {
    sections.host.SetMode(mode);
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthModeChanged(this, mode); });
}

void RecordingRemoteSynth::FireCurSoundChanged(const SOUNDINDEX& sound) {
    m_sound = sound;
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthCurSoundChanged(this, sound); });
}

void RecordingRemoteSynth::FireExtCtlStateChanged(const EXTCTLSTATE& state) {
    extState = state;
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthExtCtlStateChanged(this, state); });
}

void RecordingRemoteSynth::FireBankListChanged(int kind, const SOUNDINDEX& sound) {
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthBankListChanged(this, kind, sound); });
}

void RecordingRemoteSynth::FireMIDIIn(const void* data, unsigned length) {
    const std::vector<IRemoteSynthMIDISink*> sinks = m_midiSinks;
    for (IRemoteSynthMIDISink* s : sinks) s->OnRemoteSynthMIDIIn(this, data, length);
}

unsigned RecordingRemoteSynth::PutMasterVolume(unsigned volume) {
    m_volume = std::min(volume, 16383u);
    calls.push_back("Volume " + std::to_string(m_volume));
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthMasterVolumeChanged(this, m_volume); });
    return m_volume;
}

unsigned char RecordingRemoteSynth::PutMode(unsigned char mode) {
    calls.push_back("Mode " + std::to_string(mode));
    FireModeChanged(mode);
    return mode;
}

SOUNDINDEX RecordingRemoteSynth::PutCurSound(const SOUNDINDEX& sound) {
    calls.push_back("Sound " + std::to_string(sound.bank) + ":" + std::to_string(sound.number));
    FireCurSoundChanged(sound);
    return sound;
}

bool RecordingRemoteSynth::BeginAudition(AUDCTX context) {
    calls.push_back("Audition " + std::to_string(static_cast<int>(context)));
    if (m_audition) return false;
    m_audition = true;
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthAuditionStateChanged(this, true); });
    return true;
}

bool RecordingRemoteSynth::EndAudition(bool commit) {
    calls.push_back(std::string("EndAudition ") + (commit ? "1" : "0"));
    if (!m_audition) return false;
    m_audition = false;
    ForEachSink([&](IRemoteSynthSink* s) { s->OnRemoteSynthAuditionStateChanged(this, false); });
    return true;
}

bool RecordingRemoteSynth::MIDIOut(const void* data, unsigned length) {
    std::string text = "MIDI";
    const auto* bytes = static_cast<const uint8_t*>(data);
    for (unsigned i = 0; i < length; ++i) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", bytes[i]);
        text += hex;
    }
    calls.push_back(text);
    return true;
}

bool RecordingRemoteSynth::ExecCommand(int command, int item, int bank, int number, int flags) {
    calls.push_back("Command " + std::to_string(command) + " " + std::to_string(item) + " " +
                    std::to_string(bank) + " " + std::to_string(number) + " " + std::to_string(flags));
    return true;
}

IBankList* RecordingRemoteSynth::GetAllSounds(int kind) {
    switch (kind) {
        case kModeCombiPlay:
        case kModeCombiEdit:
            return &m_combis;
        case kModeProgPlay:
        case kModeProgEdit:
            return &m_programs;
        case kModeMulti:
            return &m_multis;
        default:
            return nullptr;
    }
}

ISoundSection* RecordingRemoteSynth::GetEditBuffer(int kind) {
    switch (kind) {
        case kModeCombiPlay:
            return &sections.combiPlay;
        case kModeCombiEdit:
            return &sections.combiEdit;
        case kModeProgPlay:
            return &sections.progPlay;
        case kModeProgEdit:
            return &sections.progEdit;
        case kModeMulti:
            return &sections.multi;
        default:
            return nullptr;
    }
}

}  // namespace QorX0
