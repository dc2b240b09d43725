// What the host sees of the plug-in's state: chunks, programs, automation parameters, names.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <istream>
#include <ostream>
#include <streambuf>

#include "Common/Model/Converters.h"
#include "Common/Plugin/Parameter.h"
#include "Common/Plugin/QorVst.h"
#include "Linux/Trace.h"

namespace {

// Writes into a string that grows as needed (a Nerimo bank is 900,000 bytes exactly, host states
// kept for later may be larger). The save goes back to fill in the sizes of what it wrote: a seek
// within what was written moves the write position, and what is written there overwrites.
class StringOutBuf : public std::streambuf {
public:
    explicit StringOutBuf(std::string& out) : m_out(out) {}

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        const char ch = static_cast<char>(c);
        Put(&ch, 1);
        return c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        if (n > 0) Put(s, static_cast<size_t>(n));
        return n;
    }
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode which) override {
        const off_type base = dir == std::ios_base::beg   ? 0
                              : dir == std::ios_base::cur ? static_cast<off_type>(m_pos)
                                                          : static_cast<off_type>(m_out.size());
        return seekpos(pos_type(base + off), which);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode which) override {
        const off_type p = pos;
        if (!(which & std::ios_base::out) || p < 0 || p > static_cast<off_type>(m_out.size()))
            return pos_type(off_type(-1));
        m_pos = static_cast<size_t>(p);
        return pos;
    }

private:
    void Put(const char* s, size_t n) {
        const size_t over = std::min(n, m_out.size() - m_pos);
        m_out.replace(m_pos, over, s, over);
        m_out.append(s + over, n - over);
        m_pos += n;
    }

    std::string& m_out;
    size_t m_pos = 0;
};

// Reads a byte range in place.
class BytesInBuf : public std::streambuf {
public:
    BytesInBuf(const char* data, size_t size) {
        char* p = const_cast<char*>(data);
        setg(p, p, p + size);
    }

protected:
    pos_type seekoff(off_type off, std::ios_base::seekdir dir, std::ios_base::openmode) override {
        off_type base = dir == std::ios_base::beg   ? 0
                        : dir == std::ios_base::cur ? gptr() - eback()
                                                    : egptr() - eback();
        return seekpos(pos_type(base + off), std::ios_base::in);
    }
    pos_type seekpos(pos_type pos, std::ios_base::openmode) override {
        const off_type p = pos;
        if (p < 0 || p > egptr() - eback()) return pos_type(off_type(-1));
        setg(eback(), eback() + p, egptr());
        return pos;
    }

private:
};

// Copies at most max characters and a terminator.
void CopyCut(char* dst, const std::string& text, size_t max) {
    const size_t n = text.size() < max ? text.size() : max;
    std::memcpy(dst, text.data(), n);
    dst[n] = 0;
}

// Program names go into 24-byte buffers (some hosts allocate exactly that): the text and its
// terminator fit. Parameter texts are 8 characters, as the realtime-control rows name them, and a
// terminator.
constexpr size_t kProgramNameChars = kVstMaxProgNameLen - 1;
constexpr size_t kParamTextChars = kVstMaxParamStrLen;

// The record of the private value/text conversions.
struct VendorValueText {
    float value;
    int32_t maxLength;
    char text[1];
};

}  // namespace

// ---- chunks

VstInt32 QorVst::getChunk(void** data, bool isPreset) {
    TRACE("GetChunk(%s)\n", isPreset ? "preset" : "bank");
    std::string& buffer = isPreset ? m_presetBuffer : m_bankBuffer;
    QorX0::FTYPE kind = QorX0::FTYPE_VSTBANK;
    if (isPreset) {
        switch (m_synth != nullptr ? m_synth->GetSoundMode() : 255) {
            case QorX0::kModeProgPlay:
                kind = QorX0::FTYPE_VSTPROG;
                break;
            case QorX0::kModeCombiPlay:
                kind = QorX0::FTYPE_VSTCOMBI;
                break;
            case QorX0::kModeMulti:
                kind = QorX0::FTYPE_VSTMULTI;
                break;
            default:
                // No sound mode yet (no instrument has answered): the synthesizer hands back the
                // state the host gave it, or the empty state.
                kind = QorX0::FTYPE_VSTPROG;
                break;
        }
    }
    std::string out;
    out.reserve(900000);
    bool ok = false;
    if (m_synth != nullptr && kind != QorX0::FTYPE_UNKNOWN) {
        StringOutBuf buf(out);
        std::ostream os(&buf);
        try {
            ok = m_synth->SaveStream(os, kind, 0) && os.good();
        } catch (...) {
            ok = false;
        }
    }
    // A failed save hands over nothing rather than a half-written chunk.
    if (!ok) out.clear();
    buffer.swap(out);
    *data = buffer.data();
    return static_cast<VstInt32>(buffer.size());
}

VstInt32 QorVst::setChunk(void* data, VstInt32 byteSize, bool isPreset) {
    TRACE("SetChunk(%s)\n", isPreset ? "preset" : "bank");
    if (byteSize < 0 || byteSize > kMaxChunkBytes || (data == nullptr && byteSize > 0) || m_synth == nullptr)
        return 0;
    // Our own copy, first: the host may hand back the very buffer a getChunk gave it.
    std::string bytes(static_cast<const char*>(data), static_cast<size_t>(byteSize));
    bool ok = false;
    {
        BytesInBuf buf(bytes.data(), bytes.size());
        std::istream is(&buf);
        try {
            ok = m_synth->LoadStream(is, 0);
        } catch (...) {
            ok = false;
        }
    }
    if (!ok) return 0;
    (isPreset ? m_presetBuffer : m_bankBuffer).swap(bytes);
    return 1;
}

// ---- programs

VstInt32 QorVst::getProgram() {
    if (m_synth == nullptr) return 0;
    const QorX0::SOUNDINDEX sound = m_synth->GetCurSound();
    // No current sound: hosts index their program lists with what we answer.
    return sound.number < kNumPrograms ? sound.number : 0;
}

void QorVst::setProgram(VstInt32 program) {
    if (program < 0 || program >= kNumPrograms) return;
    curProgram = program;
    if (m_synth == nullptr) return;
    QorX0::SOUNDINDEX sound = m_synth->GetCurSound();
    sound.number = static_cast<uint8_t>(program);
    m_synth->PutCurSound(sound);
}

namespace {
QorX0::ISound* SoundOf(QorX0::IRemoteSynth* synth, int number) {
    if (synth == nullptr || number < 0) return nullptr;
    QorX0::IBankList* list = synth->GetAllSounds(synth->GetSoundMode());
    if (list == nullptr) return nullptr;
    const QorX0::SOUNDINDEX current = synth->GetCurSound();
    if (current.bank >= list->GetCount()) return nullptr;
    QorX0::IBank* bank = list->GetAt(current.bank);
    if (bank == nullptr || static_cast<unsigned>(number) >= bank->GetCount()) return nullptr;
    return bank->GetAt(static_cast<unsigned>(number));
}
}  // namespace

void QorVst::getProgramName(char* name) {
    if (m_synth == nullptr) return;
    if (QorX0::ISound* sound = SoundOf(m_synth, m_synth->GetCurSound().number)) {
        name[0] = 0;
        CopyCut(name, sound->GetName(), kProgramNameChars);
    }
}

bool QorVst::getProgramNameIndexed(VstInt32, VstInt32 index, char* name) {
    QorX0::ISound* sound = SoundOf(m_synth, index);
    if (sound == nullptr) return false;
    name[0] = 0;
    CopyCut(name, sound->GetName(), kProgramNameChars);
    return true;
}

void QorVst::setProgramName(char*) {}

// ---- automation parameters

bool QorVst::ParamRow(VstInt32 index, QorX0::PARAMDESC* desc) {
    if (index < 0 || index >= kNumParams || m_synth == nullptr) return false;
    QorX0::ISection* rtc = m_synth->GetRealtimeControl();
    return rtc != nullptr && rtc->GetParamDescByIndex(static_cast<unsigned>(index + 1), desc);
}

namespace {
int RangeOf(const QorX0::PARAMDESC& desc) {
    return desc.maxval - desc.minval + 1;
}
float SaneValue(float value) {
    if (std::isnan(value)) return 0.0f;
    if (value < 0.0f) return 0.0f;
    if (value > 1.0f) return 1.0f;
    return value;
}
}  // namespace

void QorVst::setParameter(VstInt32 index, float value) {
    if (index < 0 || index >= kNumParams) return;
    value = SaneValue(value);
    m_paramValue[index].store(value, std::memory_order_relaxed);
    m_paramSet[index].fetch_add(1, std::memory_order_acq_rel);
    if (OnMainThread()) {
        ApplyParameters();
        return;
    }
    // Writing a row may send to the instrument and wait for it: never on the host's thread.
    if (!m_paramPosted.exchange(true) && m_dispatcher != nullptr)
        m_dispatcher->NotifyEvent(this, kEventApplyParameters, 0, true);
}

void QorVst::ApplyParameters() {
    m_paramPosted.store(false);
    for (int i = 0; i < kNumParams; ++i) {
        const uint32_t set = m_paramSet[i].load(std::memory_order_acquire);
        if (set == m_paramWritten[i].load(std::memory_order_relaxed)) continue;
        const float value = m_paramValue[i].load(std::memory_order_relaxed);
        QorX0::PARAMDESC desc{};
        if (ParamRow(i, &desc))
            m_synth->GetRealtimeControl()->PutParamI(
                desc.pid, CParameter::QuantizeToInt(value, RangeOf(desc), desc.minval));
        // A value set meanwhile stays pending: the event it posted writes it.
        m_paramWritten[i].store(set, std::memory_order_release);
    }
}

float QorVst::getParameter(VstInt32 index) {
    QorX0::PARAMDESC desc{};
    if (!ParamRow(index, &desc)) return 0.0f;
    const int n = RangeOf(desc);
    // A value set but not yet written answers as it will be written.
    if (m_paramSet[index].load(std::memory_order_acquire) !=
        m_paramWritten[index].load(std::memory_order_acquire)) {
        const float pending = m_paramValue[index].load(std::memory_order_relaxed);
        return CParameter::RegulateFromInt(CParameter::QuantizeToInt(pending, n, desc.minval), n,
                                           desc.minval);
    }
    return CParameter::RegulateFromInt(m_synth->GetRealtimeControl()->GetParamI(desc.pid), n, desc.minval);
}

void QorVst::getParameterName(VstInt32 index, char* text) {
    QorX0::PARAMDESC desc{};
    if (!ParamRow(index, &desc)) return;
    CopyCut(text, desc.name != nullptr ? desc.name : "", kParamTextChars);
}

void QorVst::getParameterLabel(VstInt32 index, char* text) {
    QorX0::PARAMDESC desc{};
    if (!ParamRow(index, &desc)) return;
    CopyCut(text, desc.unit != nullptr ? desc.unit : "", kParamTextChars);
}

void QorVst::getParameterDisplay(VstInt32 index, char* text) {
    QorX0::PARAMDESC desc{};
    if (!ParamRow(index, &desc)) return;
    CopyCut(text, m_synth->GetRealtimeControl()->GetParamS(desc.pid), kParamTextChars);
}

VstIntPtr QorVst::vendorSpecific(VstInt32 lArg, VstIntPtr lArg2, void* ptr, float) {
    if ((lArg != 3 && lArg != 4) || ptr == nullptr || lArg2 < 0 || lArg2 >= kNumParams) return 0;
    QorX0::PARAMDESC desc{};
    if (!ParamRow(static_cast<VstInt32>(lArg2), &desc) || desc.converter == nullptr) return 0;
    auto* record = static_cast<VendorValueText*>(ptr);
    const int n = RangeOf(desc);
    if (lArg == 3) {
        if (record->maxLength < 0) return 0;
        const int value = CParameter::QuantizeToInt(record->value, n, desc.minval);
        record->text[0] = 0;
        CopyCut(record->text, desc.converter->Format(value), static_cast<size_t>(record->maxLength));
        return 1;
    }
    if (record->maxLength < 0) return 0;
    // The host's text is read only up to its stated length.
    std::string text(record->text, strnlen(record->text, static_cast<size_t>(record->maxLength) + 1));
    record->value = CParameter::RegulateFromInt(desc.converter->Parse(text.c_str()), n, desc.minval);
    return 1;
}

// ---- names and capabilities

bool QorVst::getEffectName(char* name) {
    std::memset(name, 0, kVstMaxEffectNameLen);
    CopyCut(name, QorX0::SZTITLE_Qor30_PLUGIN, kVstMaxEffectNameLen - 1);
    return true;
}

const char* QorVst::ProductTitle() {
    CheckHost();
    return m_standalone ? QorX0::SZTITLE_Qor30_STANDALONE : QorX0::SZTITLE_Qor30_PLUGIN;
}

bool QorVst::getProductString(char* text) {
    text[0] = 0;
    CopyCut(text, ProductTitle(), kVstMaxProductStrLen - 1);
    return true;
}

bool QorVst::getVendorString(char* text) {
    text[0] = 0;
    CopyCut(text, "VELK", kVstMaxVendorStrLen - 1);
    return true;
}

VstInt32 QorVst::getVendorVersion() {
    return 0x01000000;
}

VstInt32 QorVst::canDo(char* text) {
    if (text == nullptr) return 0;
    static const char* const kCanDo[] = {"QorX0",
                                         "sendVstEvents",
                                         "sendVstMidiEvent",
                                         "receiveVstEvents",
                                         "receiveVstMidiEvent",
                                         "receiveVstTimeInfo"};
    for (const char* what : kCanDo)
        if (std::strcmp(text, what) == 0) return 1;
    return 0;
}

bool QorVst::keysRequired() {
    return true;
}
