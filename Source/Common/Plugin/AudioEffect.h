#pragma once
// The effect base a VST host meets: it fills the effect record, routes the host's opcodes to virtual
// operations and wraps the host's callback.
#include <atomic>

#include "Common/Plugin/AEffEditor.h"
#include "Common/Plugin/VstAbi.h"

class AudioEffect {
public:
    AudioEffect(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams);
    virtual ~AudioEffect();
    AudioEffect(const AudioEffect&) = delete;
    AudioEffect& operator=(const AudioEffect&) = delete;

    virtual VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);
    virtual void open() {}
    virtual void close() {}
    virtual void suspend() {}
    virtual void resume() {}
    virtual void setSampleRate(float rate) { sampleRate = rate; }
    virtual void setBlockSize(VstInt32 size) { blockSize = size; }
    virtual void processReplacing(float** inputs, float** outputs, VstInt32 sampleFrames) = 0;
    virtual void processDoubleReplacing(double**, double**, VstInt32) {}
    virtual void setParameter(VstInt32, float) {}
    virtual float getParameter(VstInt32) { return 0.0f; }
    virtual void setParameterAutomated(VstInt32 index, float value);
    virtual VstInt32 getProgram() { return curProgram; }
    virtual void setProgram(VstInt32 program) { curProgram = program; }
    virtual void setProgramName(char*) {}
    virtual void getProgramName(char* name) { *name = 0; }
    virtual void getParameterLabel(VstInt32, char* label) { *label = 0; }
    virtual void getParameterDisplay(VstInt32, char* text) { *text = 0; }
    virtual void getParameterName(VstInt32, char* text) { *text = 0; }
    virtual VstInt32 getChunk(void**, bool = false) { return 0; }
    virtual VstInt32 setChunk(void*, VstInt32, bool = false) { return 0; }
    virtual void setUniqueID(VstInt32 id) { cEffect.uniqueID = id; }
    virtual void setNumInputs(VstInt32 inputs) { cEffect.numInputs = inputs; }
    virtual void setNumOutputs(VstInt32 outputs) { cEffect.numOutputs = outputs; }
    virtual void canProcessReplacing(bool state = true) { setFlag(effFlagsCanReplacing, state); }
    virtual void canDoubleReplacing(bool state = true) { setFlag(effFlagsCanDoubleReplacing, state); }
    virtual void programsAreChunks(bool state = true) { setFlag(effFlagsProgramChunks, state); }
    virtual void setInitialDelay(VstInt32 delay) { cEffect.initialDelay = delay; }
    virtual AEffEditor* getEditor() { return editor; }
    virtual AEffect* getAeffect() { return &cEffect; }
    virtual float getSampleRate() { return sampleRate; }
    virtual VstInt32 getBlockSize() { return blockSize; }
    virtual VstInt32 getMasterVersion();
    virtual VstInt32 getCurrentUniqueId();
    virtual void masterIdle();
    virtual bool isInputConnected(VstInt32 input);
    virtual bool isOutputConnected(VstInt32 output);
    virtual void dB2string(float value, char* text, VstInt32 maxLen);
    virtual void Hz2string(float samples, char* text, VstInt32 maxLen);
    virtual void ms2string(float samples, char* text, VstInt32 maxLen);
    virtual void float2string(float value, char* text, VstInt32 maxLen);
    virtual void int2string(VstInt32 value, char* text, VstInt32 maxLen);
    virtual void process(float**, float**, VstInt32) {}
    virtual float getVu() { return 0.0f; }
    virtual void hasVu(bool state = true) { setFlag(effFlagsHasVu, state); }
    virtual void hasClip(bool state = true) { setFlag(effFlagsHasClip, state); }
    virtual void canMono(bool state = true) { setFlag(effFlagsCanMono, state); }
    virtual void setRealtimeQualities(VstInt32 qualities) { cEffect.realQualities = qualities; }
    virtual void setOfflineQualities(VstInt32 qualities) { cEffect.offQualities = qualities; }

    // Stores the editor (owned from now on) and sets or clears the has-editor flag.
    void setEditor(AEffEditor* newEditor);

    // Every call to the host goes through here; without a callback it answers 0.
    VstIntPtr callHost(VstInt32 opcode, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0.0f);

    // The effect behind a record the host hands back; null for anything that is not ours.
    static AudioEffect* FromAEffect(AEffect* effect);

    // Host calls in flight. Every entry function counts its call while it runs; once the effect is
    // closing, new calls are refused (they answer 0 and reach nothing), so that the teardown can wait
    // until every call that entered has left and no host thread returns into a deleted effect.
    bool EnterHostCall();
    void LeaveHostCall();
    void RefuseHostCalls() { hostClosing.store(true); }
    int HostCallsInFlight() const { return hostCallsInFlight.load(); }
    // Blocks until no host call is in flight (calls are refused by then, so none comes in).
    void WaitForHostCalls() const;

protected:
    void setFlag(VstInt32 flag, bool state) {
        if (state)
            cEffect.flags |= flag;
        else
            cEffect.flags &= ~flag;
    }

    // A subclass that must not call the host from some thread installs a gate: Defer returns true
    // when it took the call to issue it later (the caller then gets 0).
    class HostCallGate {
    public:
        virtual bool Defer(VstInt32 opcode, VstInt32 index, VstIntPtr value, float opt) = 0;

    protected:
        ~HostCallGate() = default;
    };
    void setHostCallGate(HostCallGate* gate) { hostGate = gate; }
    // Issues a call without consulting the gate (what a gate uses to flush).
    VstIntPtr callHostDirect(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt);

    // How effClose deletes the effect; a subclass that must tear down elsewhere replaces it.
    using Deleter = void (*)(AudioEffect* effect);
    void setDeleter(Deleter deleter) { closeDeleter = deleter; }
    friend VstIntPtr AudioEffectDispatchEntry(AEffect*, VstInt32, VstInt32, VstIntPtr, void*, float);

    audioMasterCallback audioMaster;
    AEffEditor* editor = nullptr;
    float sampleRate = 44100.0f;
    VstInt32 blockSize = 1024;
    VstInt32 numPrograms;
    VstInt32 numParams;
    VstInt32 curProgram = 0;
    AEffect cEffect;

private:
    HostCallGate* hostGate = nullptr;
    Deleter closeDeleter = nullptr;
    std::atomic<int> hostCallsInFlight{0};
    std::atomic<bool> hostClosing{false};
};

// The dispatcher entry placed in the effect record (exposed for the entry's own tests).
VstIntPtr AudioEffectDispatchEntry(AEffect* effect, VstInt32 opcode, VstInt32 index, VstIntPtr value,
                                   void* ptr, float opt);
