#include "Support/SectionFakes.h"

#include <cstdio>

#include "Common/Link/DumpPacking.h"
#include "Common/Model/Banks.h"
#include "Common/Model/Presets.h"
#include "Linux/MidiIO/MidiIO.h"

namespace QorX0 {

QNRESULT RecordingLink::Record(const uint8_t* bytes, size_t length) {
    std::lock_guard<std::mutex> g(m_lock);
    m_sent.emplace_back(bytes, bytes + length);
    return QS_OK;
}

std::vector<RecordingLink::Bytes> RecordingLink::Sent() {
    std::lock_guard<std::mutex> g(m_lock);
    return m_sent;
}

void RecordingLink::Clear() {
    std::lock_guard<std::mutex> g(m_lock);
    m_sent.clear();
}

QNRESULT RecordingLink::SendShortMsg(long long, const void* data, unsigned length) {
    return Record(static_cast<const uint8_t*>(data), length);
}

QNRESULT RecordingLink::SendCurMultiDump(const void* data, unsigned size) {
    SXMessage m = SXCurMultiDump(channel);
    Bytes bytes(m.bytes, m.bytes + m.length);
    ChunkEncode enc(data, size);
    uint8_t block[256];
    while (size_t n = enc.Read(block, sizeof block)) bytes.insert(bytes.end(), block, block + n);
    bytes.push_back(0xF7);
    return Record(bytes.data(), bytes.size());
}

QNRESULT RecordingLink::SendMasterVolumeChange(unsigned volume) {
    SXMessage m = SXMasterVolume(channel, volume);
    return Record(m.bytes, m.length);
}

QNRESULT RecordingLink::SendParamChange(unsigned char mode, int pid, int value) {
    SXMessage m = SXParamChange(channel, mode, pid, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

QNRESULT RecordingLink::SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) {
    SXMessage m = SXDrumkitParamChange(channel, kit, slot, param, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

QNRESULT RecordingLink::SendArpPatternParamChange(unsigned pattern, int param, unsigned index, int value) {
    SXMessage m = SXArpPatternParamChange(channel, pattern, param, index, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

QNRESULT RecordingLink::SendExtControlParamChange(unsigned set, int param, int value) {
    SXMessage m = SXExtControlParamChange(channel, set, param, value);
    return m.valid() ? Record(m.bytes, m.length) : QN_FAIL;
}

std::vector<MIDIDevKey> RecordingLink::GetMIDIInKeyDevArray() const {
    return {};
}
std::vector<MIDIDevKey> RecordingLink::GetMIDIOutKeyDevArray() const {
    return {};
}

FakeHostProxy::FakeHostProxy(unsigned char model)
    : pmid(model), image(std::make_unique<CHUNK_REMOTESYNTH>()), rom(kSizePresetImage) {
    InitAllChunk(image.get());
    FillPresetImage(rom.data(), pmid);
    dispatch = AsyncDispatchCreate(&loop);
}

FakeHostProxy::~FakeHostProxy() {
    delete dispatch;
}

void FakeHostProxy::Pump() {
    while (loop.RunPending() > 0) {
    }
}

void FakeHostProxy::SetMode(unsigned char m) {
    mode = virtualMode = m;
    soundMode = m == 3 ? 2 : m == 1 ? 0 : m;
    image->mode = m;
}

void RecordingSink::OnSectionReinitialized(ISection* s) {
    events.push_back("R");
    sections.push_back(s);
}
void RecordingSink::OnSectionParamPropsChanged(ISection* s, int pid) {
    char b[16];
    std::snprintf(b, sizeof b, "P%04X", pid);
    events.push_back(b);
    sections.push_back(s);
}
void RecordingSink::OnSectionParamChanged(ISection* s, int pid) {
    char b[16];
    std::snprintf(b, sizeof b, "C%04X", pid);
    events.push_back(b);
    sections.push_back(s);
}
std::string RecordingSink::Joined() const {
    std::string s;
    for (const auto& e : events) s += (s.empty() ? "" : " ") + e;
    return s;
}

std::string Hex(const std::vector<uint8_t>& bytes) {
    std::string s;
    char b[4];
    for (uint8_t v : bytes) {
        std::snprintf(b, sizeof b, "%02X", v);
        s += (s.empty() ? "" : " ") + std::string(b);
    }
    return s;
}

}  // namespace QorX0
