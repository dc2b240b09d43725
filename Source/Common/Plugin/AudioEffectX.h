#pragma once
// The version 2 extensions of the effect base: events, host queries, names and capabilities.
#include "Common/Plugin/AudioEffect.h"

class AudioEffectX : public AudioEffect {
public:
    AudioEffectX(audioMasterCallback audioMaster, VstInt32 numPrograms, VstInt32 numParams)
        : AudioEffect(audioMaster, numPrograms, numParams) {}

    VstIntPtr dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) override;
    void resume() override;

    virtual bool canParameterBeAutomated(VstInt32) { return true; }
    virtual bool string2parameter(VstInt32, char*) { return false; }
    virtual bool getParameterProperties(VstInt32, VstParameterProperties*) { return false; }
    virtual bool beginEdit(VstInt32 index);
    virtual bool endEdit(VstInt32 index);
    virtual bool getProgramNameIndexed(VstInt32, VstInt32, char* text) {
        *text = 0;
        return false;
    }
    virtual VstInt32 beginSetProgram() { return 0; }
    virtual VstInt32 endSetProgram() { return 0; }
    virtual VstInt32 beginLoadBank(VstPatchChunkInfo*) { return 0; }
    virtual VstInt32 beginLoadProgram(VstPatchChunkInfo*) { return 0; }
    virtual bool ioChanged();
    virtual double updateSampleRate();
    virtual VstInt32 updateBlockSize();
    virtual VstInt32 getInputLatency();
    virtual VstInt32 getOutputLatency();
    virtual bool getInputProperties(VstInt32, VstPinProperties*) { return false; }
    virtual bool getOutputProperties(VstInt32, VstPinProperties*) { return false; }
    virtual bool setSpeakerArrangement(VstSpeakerArrangement*, VstSpeakerArrangement*) { return false; }
    virtual bool getSpeakerArrangement(VstSpeakerArrangement** input, VstSpeakerArrangement** output) {
        *input = nullptr;
        *output = nullptr;
        return false;
    }
    virtual bool setBypass(bool) { return false; }
    virtual bool setPanLaw(VstInt32, float) { return false; }
    virtual bool setProcessPrecision(VstInt32) { return false; }
    virtual VstInt32 getNumMidiInputChannels() { return 0; }
    virtual VstInt32 getNumMidiOutputChannels() { return 0; }
    virtual VstTimeInfo* getTimeInfo(VstInt32 filter);
    virtual VstInt32 getCurrentProcessLevel();
    virtual VstInt32 getAutomationState();
    virtual VstInt32 processEvents(VstEvents*) { return 0; }
    virtual VstInt32 startProcess() { return 0; }
    virtual VstInt32 stopProcess() { return 0; }
    virtual bool processVariableIo(VstVariableIo*) { return false; }
    virtual VstInt32 setTotalSampleToProcess(VstInt32 value) { return value; }
    virtual bool getHostVendorString(char* text);
    virtual bool getHostProductString(char* text);
    virtual VstInt32 getHostVendorVersion();
    virtual VstIntPtr hostVendorSpecific(VstInt32 arg1, VstIntPtr arg2, void* ptr, float opt);
    virtual VstInt32 canHostDo(char* text);
    virtual VstInt32 getHostLanguage();
    virtual void isSynth(bool state = true) { setFlag(effFlagsIsSynth, state); }
    virtual void noTail(bool state = true) { setFlag(effFlagsNoSoundInStop, state); }
    virtual VstInt32 getGetTailSize() { return 0; }
    virtual void* getDirectory();
    virtual bool getEffectName(char* name) {
        *name = 0;
        return false;
    }
    virtual bool getVendorString(char* text) {
        *text = 0;
        return false;
    }
    virtual bool getProductString(char* text) {
        *text = 0;
        return false;
    }
    virtual VstInt32 getVendorVersion() { return 0; }
    virtual VstIntPtr vendorSpecific(VstInt32, VstIntPtr, void*, float) { return 0; }
    virtual VstInt32 canDo(char*) { return 0; }
    virtual VstInt32 getVstVersion() { return kVstVersion; }
    virtual VstPlugCategory getPlugCategory() {
        return (cEffect.flags & effFlagsIsSynth) != 0 ? kPlugCategSynth : kPlugCategUnknown;
    }
    virtual VstInt32 getMidiProgramName(VstInt32, MidiProgramName*) { return 0; }
    virtual VstInt32 getCurrentMidiProgram(VstInt32, MidiProgramName*) { return -1; }
    virtual VstInt32 getMidiProgramCategory(VstInt32, MidiProgramCategory*) { return 0; }
    virtual bool hasMidiProgramsChanged(VstInt32) { return false; }
    virtual bool getMidiKeyName(VstInt32, MidiKeyName*) { return false; }
    virtual bool updateDisplay();
    virtual bool sizeWindow(VstInt32 width, VstInt32 height);
    virtual bool openFileSelector(VstFileSelect* selector);
    virtual bool closeFileSelector(VstFileSelect* selector);
    virtual VstInt32 getNextShellPlugin(char* name) {
        *name = 0;
        return 0;
    }
    virtual bool allocateArrangement(VstSpeakerArrangement** arrangement, VstInt32) {
        *arrangement = nullptr;
        return false;
    }
    virtual bool deallocateArrangement(VstSpeakerArrangement** arrangement) {
        *arrangement = nullptr;
        return false;
    }
    virtual bool copySpeaker(VstSpeakerProperties*, VstSpeakerProperties*) { return false; }
    virtual bool matchArrangement(VstSpeakerArrangement**, VstSpeakerArrangement*) { return false; }
    virtual bool offlineRead(VstOfflineTask* offline, VstInt32 option, bool readSource = true);
    virtual bool offlineWrite(VstOfflineTask* offline, VstInt32 option);
    virtual bool offlineStart(VstAudioFile* ptr, VstInt32 numAudioFiles, VstInt32 numNewAudioFiles);
    virtual VstInt32 offlineGetCurrentPass();
    virtual VstInt32 offlineGetCurrentMetaPass();
    virtual bool offlineNotify(VstAudioFile*, VstInt32, bool) { return false; }
    virtual bool offlinePrepare(VstOfflineTask*, VstInt32) { return false; }
    virtual bool offlineRun(VstOfflineTask*, VstInt32) { return false; }
    virtual VstInt32 offlineGetNumPasses() { return 0; }
    virtual VstInt32 offlineGetNumMetaPasses() { return 0; }
    virtual void wantEvents(VstInt32 filter = 1);
    virtual VstInt32 tempoAt(VstInt32 pos);
    virtual VstInt32 getNumAutomatableParameters();
    virtual VstInt32 getParameterQuantization();
    virtual VstInt32 getNumCategories() { return 1; }
    virtual bool copyProgram(VstInt32) { return false; }
    virtual bool needIdle();
    virtual AEffect* getPreviousPlug(VstInt32 input);
    virtual AEffect* getNextPlug(VstInt32 output);
    virtual void inputConnected(VstInt32, bool) {}
    virtual void outputConnected(VstInt32, bool) {}
    virtual VstInt32 willProcessReplacing();
    virtual void wantAsyncOperation(bool state = true) { setFlag(effFlagsExtIsAsync, state); }
    virtual void hasExternalBuffer(bool state = true) { setFlag(effFlagsExtHasBuffer, state); }
    virtual VstInt32 reportCurrentPosition() { return 0; }
    virtual float* reportDestinationBuffer() { return nullptr; }
    virtual void setOutputSamplerate(float rate);
    virtual VstSpeakerArrangement* getInputSpeakerArrangement();
    virtual VstSpeakerArrangement* getOutputSpeakerArrangement();
    virtual bool openWindow(void* window);
    virtual bool closeWindow(void* window);
    virtual void setBlockSizeAndSampleRate(VstInt32 size, float rate) {
        blockSize = size;
        sampleRate = rate;
    }
    virtual bool getErrorText(char* text) {
        *text = 0;
        return false;
    }
    virtual void* getIcon() { return nullptr; }
    virtual bool setViewPosition(VstInt32, VstInt32) { return false; }
    virtual VstInt32 fxIdle() { return 0; }
    virtual bool keysRequired() { return false; }
    virtual char* getChunkFile(void* nativePath);
};
