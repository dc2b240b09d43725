#include "Common/Plugin/AudioEffect.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// One host call in an entry function: the effect behind the record, while the call is counted in
// flight; none when the record is not ours or the effect is closing.
class HostCall {
public:
    explicit HostCall(AEffect* e) : m_effect(AudioEffect::FromAEffect(e)) {
        if (m_effect != nullptr && !m_effect->EnterHostCall()) m_effect = nullptr;
    }
    ~HostCall() {
        if (m_effect != nullptr) m_effect->LeaveHostCall();
    }
    HostCall(const HostCall&) = delete;
    HostCall& operator=(const HostCall&) = delete;
    AudioEffect* operator->() const { return m_effect; }
    explicit operator bool() const { return m_effect != nullptr; }

private:
    AudioEffect* m_effect;
};

// The entry functions of the record: each finds the effect through `object` and never lets an
// exception into the host.
void ProcessEntry(AEffect* e, float** inputs, float** outputs, VstInt32 frames) {
    try {
        if (HostCall effect{e}) effect->process(inputs, outputs, frames);
    } catch (...) {
    }
}

void ProcessReplacingEntry(AEffect* e, float** inputs, float** outputs, VstInt32 frames) {
    try {
        if (HostCall effect{e}) effect->processReplacing(inputs, outputs, frames);
    } catch (...) {
    }
}

void ProcessDoubleReplacingEntry(AEffect* e, double** inputs, double** outputs, VstInt32 frames) {
    try {
        if (HostCall effect{e}) effect->processDoubleReplacing(inputs, outputs, frames);
    } catch (...) {
    }
}

void SetParameterEntry(AEffect* e, VstInt32 index, float value) {
    try {
        if (HostCall effect{e}) effect->setParameter(index, value);
    } catch (...) {
    }
}

float GetParameterEntry(AEffect* e, VstInt32 index) {
    try {
        if (HostCall effect{e}) return effect->getParameter(index);
    } catch (...) {
    }
    return 0.0f;
}

}  // namespace

VstIntPtr AudioEffectDispatchEntry(AEffect* e, VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                   float opt) {
    AudioEffect* effect = nullptr;
    {
        HostCall call{e};
        if (!call) return 0;
        // From the close on, no new call comes in; those in flight are waited for below.
        if (opcode == effClose) call->RefuseHostCalls();
        try {
            VstIntPtr result = call->dispatcher(opcode, index, value, ptr, opt);
            if (opcode != effClose) return result;
        } catch (...) {
            if (opcode != effClose) return 0;
        }
        effect = AudioEffect::FromAEffect(e);
    }
    try {
        if (effect->closeDeleter != nullptr) {
            effect->closeDeleter(effect);
        } else {
            effect->WaitForHostCalls();
            delete effect;
        }
    } catch (...) {
    }
    return 1;
}

AudioEffect::AudioEffect(audioMasterCallback master, VstInt32 programs, VstInt32 params)
    : audioMaster(master), numPrograms(programs), numParams(params) {
    std::memset(&cEffect, 0, sizeof cEffect);
    cEffect.magic = kEffectMagic;
    cEffect.dispatcher = AudioEffectDispatchEntry;
    cEffect.process = ProcessEntry;
    cEffect.setParameter = SetParameterEntry;
    cEffect.getParameter = GetParameterEntry;
    cEffect.numPrograms = programs;
    cEffect.numParams = params;
    cEffect.numInputs = 1;
    cEffect.numOutputs = 2;
    cEffect.flags = effFlagsCanReplacing;
    cEffect.ioRatio = 1.0f;
    cEffect.object = this;
    cEffect.uniqueID = VstFourCC('N', 'o', 'E', 'f');
    cEffect.version = 1;
    cEffect.processReplacing = ProcessReplacingEntry;
    cEffect.processDoubleReplacing = ProcessDoubleReplacingEntry;
}

AudioEffect::~AudioEffect() {
    delete editor;
    editor = nullptr;
}

bool AudioEffect::EnterHostCall() {
    if (hostClosing.load()) return false;
    hostCallsInFlight.fetch_add(1);
    // A close that began meanwhile may already be waiting: it does not count on this call.
    if (hostClosing.load()) {
        hostCallsInFlight.fetch_sub(1);
        return false;
    }
    return true;
}

void AudioEffect::LeaveHostCall() {
    // The last touch of the effect by this call: the teardown may delete it right after.
    hostCallsInFlight.fetch_sub(1);
}

void AudioEffect::WaitForHostCalls() const {
    while (hostCallsInFlight.load() != 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

AudioEffect* AudioEffect::FromAEffect(AEffect* effect) {
    if (effect == nullptr || effect->magic != kEffectMagic) return nullptr;
    return static_cast<AudioEffect*>(effect->object);
}

void AudioEffect::setEditor(AEffEditor* newEditor) {
    editor = newEditor;
    setFlag(effFlagsHasEditor, newEditor != nullptr);
}

VstIntPtr AudioEffect::callHostDirect(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr,
                                      float opt) {
    if (audioMaster == nullptr) return 0;
    return audioMaster(&cEffect, opcode, index, value, ptr, opt);
}

VstIntPtr AudioEffect::callHost(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    if (audioMaster == nullptr) return 0;
    if (hostGate != nullptr && ptr == nullptr && hostGate->Defer(opcode, index, value, opt)) return 0;
    return callHostDirect(opcode, index, value, ptr, opt);
}

VstIntPtr AudioEffect::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    switch (opcode) {
        case effOpen:
            open();
            return 0;
        case effClose:
            close();
            return 0;
        case effSetProgram:
            if (value >= 0 && value < numPrograms) setProgram(static_cast<VstInt32>(value));
            return 0;
        case effGetProgram:
            return getProgram();
        case effSetProgramName:
            if (ptr != nullptr) setProgramName(static_cast<char*>(ptr));
            return 0;
        case effGetProgramName:
            if (ptr != nullptr) getProgramName(static_cast<char*>(ptr));
            return 0;
        case effGetParamLabel:
            if (ptr != nullptr) getParameterLabel(index, static_cast<char*>(ptr));
            return 0;
        case effGetParamDisplay:
            if (ptr != nullptr) getParameterDisplay(index, static_cast<char*>(ptr));
            return 0;
        case effGetParamName:
            if (ptr != nullptr) getParameterName(index, static_cast<char*>(ptr));
            return 0;
        case effGetVu:
            return static_cast<VstIntPtr>(getVu() * 32767.0f);
        case effSetSampleRate:
            setSampleRate(opt);
            return 0;
        case effSetBlockSize:
            setBlockSize(static_cast<VstInt32>(value));
            return 0;
        case effMainsChanged:
            if (value == 0)
                suspend();
            else
                resume();
            return 0;
        case effEditGetRect:
            if (editor == nullptr || ptr == nullptr) return 0;
            return editor->getRect(static_cast<ERect**>(ptr)) ? 1 : 0;
        case effEditOpen:
            if (editor == nullptr || ptr == nullptr) return 0;
            return editor->open(ptr) ? 1 : 0;
        case effEditClose:
            if (editor != nullptr) editor->close();
            return 0;
        case effEditDraw:
            if (editor != nullptr) editor->draw(static_cast<ERect*>(ptr));
            return 0;
        case effEditMouse:
            return editor != nullptr ? editor->mouse(index, value) : 0;
        case effEditKey:
            return editor != nullptr ? editor->key(value) : 0;
        case effEditIdle:
            if (editor != nullptr) editor->idle();
            return 0;
        case effEditTop:
            if (editor != nullptr) editor->top();
            return 0;
        case effEditSleep:
            if (editor != nullptr) editor->sleep();
            return 0;
        case effIdentify:
            return VstFourCC('N', 'v', 'E', 'f');
        case effGetChunk:
            if (ptr == nullptr) return 0;
            return getChunk(static_cast<void**>(ptr), index != 0);
        case effSetChunk:
            // A size that does not fit the operation's int is no chunk of ours.
            if (value < 0 || value > 0x7FFFFFFF) return 0;
            return setChunk(ptr, static_cast<VstInt32>(value), index != 0);
        default:
            return 0;
    }
}

void AudioEffect::setParameterAutomated(VstInt32 index, float value) {
    setParameter(index, value);
    callHost(audioMasterAutomate, index, 0, nullptr, value);
}

VstInt32 AudioEffect::getMasterVersion() {
    VstIntPtr version = callHost(audioMasterVersion);
    return version == 0 ? 1 : static_cast<VstInt32>(version);
}

VstInt32 AudioEffect::getCurrentUniqueId() {
    return static_cast<VstInt32>(callHost(audioMasterCurrentId));
}

void AudioEffect::masterIdle() {
    callHost(audioMasterIdle);
}

bool AudioEffect::isInputConnected(VstInt32 input) {
    if (audioMaster == nullptr) return true;
    return callHost(audioMasterPinConnected, input, 0) == 0;
}

bool AudioEffect::isOutputConnected(VstInt32 output) {
    if (audioMaster == nullptr) return true;
    return callHost(audioMasterPinConnected, output, 1) == 0;
}

namespace {
// Writes at most maxLen - 1 characters and the terminator (maxLen is the buffer's size).
void PutText(char* text, VstInt32 maxLen, const char* value) {
    if (text == nullptr || maxLen <= 0) return;
    std::snprintf(text, static_cast<size_t>(maxLen), "%s", value);
}
}  // namespace

void AudioEffect::dB2string(float value, char* text, VstInt32 maxLen) {
    if (!(value > 0.0f)) {
        PutText(text, maxLen, "-oo");
        return;
    }
    float2string(20.0f * std::log10(value), text, maxLen);
}

void AudioEffect::Hz2string(float samples, char* text, VstInt32 maxLen) {
    if (samples == 0.0f) {
        float2string(0.0f, text, maxLen);
        return;
    }
    float2string(sampleRate / samples, text, maxLen);
}

void AudioEffect::ms2string(float samples, char* text, VstInt32 maxLen) {
    float2string(samples * 1000.0f / sampleRate, text, maxLen);
}

void AudioEffect::float2string(float value, char* text, VstInt32 maxLen) {
    char buffer[64];
    if (!std::isfinite(value))
        std::snprintf(buffer, sizeof buffer, "%s", std::isnan(value) ? "nan" : (value > 0 ? "oo" : "-oo"));
    else if (std::fabs(value) >= 1e7f)
        std::snprintf(buffer, sizeof buffer, "%s", "Huge!");
    else
        std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    PutText(text, maxLen, buffer);
}

void AudioEffect::int2string(VstInt32 value, char* text, VstInt32 maxLen) {
    char buffer[32];
    if (value >= 100000000 || value <= -100000000)
        std::snprintf(buffer, sizeof buffer, "%s", "Huge!");
    else
        std::snprintf(buffer, sizeof buffer, "%d", value);
    PutText(text, maxLen, buffer);
}
