#include "Common/Plugin/AudioEffectX.h"

#include <cstring>

VstIntPtr AudioEffectX::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    // Operations that write through ptr are not called with a null one.
    auto text = static_cast<char*>(ptr);
    switch (opcode) {
        case effProcessEvents:
            return ptr != nullptr ? processEvents(static_cast<VstEvents*>(ptr)) : 0;
        case effCanBeAutomated:
            return canParameterBeAutomated(index) ? 1 : 0;
        case effString2Parameter:
            return string2parameter(index, text) ? 1 : 0;
        case effGetNumProgramCategories:
            return getNumCategories();
        case effGetProgramNameIndexed:
            return text != nullptr && getProgramNameIndexed(static_cast<VstInt32>(value), index, text) ? 1
                                                                                                       : 0;
        case effCopyProgram:
            return copyProgram(index) ? 1 : 0;
        case effConnectInput:
            inputConnected(index, value != 0);
            return 1;
        case effConnectOutput:
            outputConnected(index, value != 0);
            return 1;
        case effGetInputProperties:
            return ptr != nullptr && getInputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
        case effGetOutputProperties:
            return ptr != nullptr && getOutputProperties(index, static_cast<VstPinProperties*>(ptr)) ? 1 : 0;
        case effGetPlugCategory:
            return getPlugCategory();
        case effGetCurrentPosition:
            return reportCurrentPosition();
        case effGetDestinationBuffer:
            return reinterpret_cast<VstIntPtr>(reportDestinationBuffer());
        case effOfflineNotify:
            return offlineNotify(static_cast<VstAudioFile*>(ptr), static_cast<VstInt32>(value), index != 0)
                       ? 1
                       : 0;
        case effOfflinePrepare:
            return offlinePrepare(static_cast<VstOfflineTask*>(ptr), static_cast<VstInt32>(value)) ? 1 : 0;
        case effOfflineRun:
            return offlineRun(static_cast<VstOfflineTask*>(ptr), static_cast<VstInt32>(value)) ? 1 : 0;
        case effProcessVarIo:
            return processVariableIo(static_cast<VstVariableIo*>(ptr)) ? 1 : 0;
        case effSetSpeakerArrangement:
            return setSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement*>(value),
                                         static_cast<VstSpeakerArrangement*>(ptr))
                       ? 1
                       : 0;
        case effSetBlockSizeAndSampleRate:
            setBlockSizeAndSampleRate(static_cast<VstInt32>(value), opt);
            return 0;
        case effSetBypass:
            return setBypass(value != 0) ? 1 : 0;
        case effGetEffectName:
            return text != nullptr && getEffectName(text) ? 1 : 0;
        case effGetErrorText:
            return text != nullptr && getErrorText(text) ? 1 : 0;
        case effGetVendorString:
            return text != nullptr && getVendorString(text) ? 1 : 0;
        case effGetProductString:
            return text != nullptr && getProductString(text) ? 1 : 0;
        case effGetVendorVersion:
            return getVendorVersion();
        case effVendorSpecific:
            return vendorSpecific(index, value, ptr, opt);
        case effCanDo:
            return text != nullptr ? canDo(text) : 0;
        case effGetTailSize:
            return getGetTailSize();
        case effIdle:
            return fxIdle();
        case effGetIcon:
            return reinterpret_cast<VstIntPtr>(getIcon());
        case effSetViewPosition:
            return setViewPosition(index, static_cast<VstInt32>(value)) ? 1 : 0;
        case effGetParameterProperties:
            return ptr != nullptr && getParameterProperties(index, static_cast<VstParameterProperties*>(ptr))
                       ? 1
                       : 0;
        case effKeysRequired:
            return keysRequired() ? 1 : 0;
        case effGetVstVersion:
            return getVstVersion();
        case effEditKeyDown:
        case effEditKeyUp: {
            if (editor == nullptr) return 0;
            VstKeyCode key{index, static_cast<unsigned char>(value), static_cast<unsigned char>(opt)};
            return (opcode == effEditKeyDown ? editor->onKeyDown(key) : editor->onKeyUp(key)) ? 1 : 0;
        }
        case effSetEditKnobMode:
            return editor != nullptr && editor->setKnobMode(static_cast<VstInt32>(value)) ? 1 : 0;
        case effGetMidiProgramName:
            return getMidiProgramName(index, static_cast<MidiProgramName*>(ptr));
        case effGetCurrentMidiProgram:
            return getCurrentMidiProgram(index, static_cast<MidiProgramName*>(ptr));
        case effGetMidiProgramCategory:
            return getMidiProgramCategory(index, static_cast<MidiProgramCategory*>(ptr));
        case effHasMidiProgramsChanged:
            return hasMidiProgramsChanged(index) ? 1 : 0;
        case effGetMidiKeyName:
            return getMidiKeyName(index, static_cast<MidiKeyName*>(ptr)) ? 1 : 0;
        case effBeginSetProgram:
            return beginSetProgram();
        case effEndSetProgram:
            return endSetProgram();
        case effGetSpeakerArrangement:
            if (value == 0 || ptr == nullptr) return 0;
            return getSpeakerArrangement(reinterpret_cast<VstSpeakerArrangement**>(value),
                                         static_cast<VstSpeakerArrangement**>(ptr))
                       ? 1
                       : 0;
        case effShellGetNextPlugin:
            return text != nullptr ? getNextShellPlugin(text) : 0;
        case effStartProcess:
            return startProcess();
        case effStopProcess:
            return stopProcess();
        case effSetTotalSampleToProcess:
            return setTotalSampleToProcess(static_cast<VstInt32>(value));
        case effSetPanLaw:
            return setPanLaw(static_cast<VstInt32>(value), opt) ? 1 : 0;
        case effBeginLoadBank:
            return beginLoadBank(static_cast<VstPatchChunkInfo*>(ptr));
        case effBeginLoadProgram:
            return beginLoadProgram(static_cast<VstPatchChunkInfo*>(ptr));
        case effSetProcessPrecision:
            return setProcessPrecision(static_cast<VstInt32>(value)) ? 1 : 0;
        case effGetNumMidiInputChannels:
            return getNumMidiInputChannels();
        case effGetNumMidiOutputChannels:
            return getNumMidiOutputChannels();
        default:
            return AudioEffect::dispatcher(opcode, index, value, ptr, opt);
    }
}

void AudioEffectX::resume() {
    if ((cEffect.flags & effFlagsIsSynth) == 0) {
        char what[] = "receiveVstMidiEvent";
        if (canDo(what) != 1) return;
    }
    wantEvents(1);
}

bool AudioEffectX::beginEdit(VstInt32 index) {
    return callHost(audioMasterBeginEdit, index) != 0;
}

bool AudioEffectX::endEdit(VstInt32 index) {
    return callHost(audioMasterEndEdit, index) != 0;
}

bool AudioEffectX::ioChanged() {
    return callHost(audioMasterIOChanged) != 0;
}

double AudioEffectX::updateSampleRate() {
    VstIntPtr rate = callHost(audioMasterGetSampleRate);
    if (rate > 0) sampleRate = static_cast<float>(rate);
    return sampleRate;
}

VstInt32 AudioEffectX::updateBlockSize() {
    VstIntPtr size = callHost(audioMasterGetBlockSize);
    if (size > 0) blockSize = static_cast<VstInt32>(size);
    return blockSize;
}

VstInt32 AudioEffectX::getInputLatency() {
    return static_cast<VstInt32>(callHost(audioMasterGetInputLatency));
}

VstInt32 AudioEffectX::getOutputLatency() {
    return static_cast<VstInt32>(callHost(audioMasterGetOutputLatency));
}

VstTimeInfo* AudioEffectX::getTimeInfo(VstInt32 filter) {
    return reinterpret_cast<VstTimeInfo*>(callHost(audioMasterGetTime, 0, filter));
}

VstInt32 AudioEffectX::getCurrentProcessLevel() {
    return static_cast<VstInt32>(callHost(audioMasterGetCurrentProcessLevel));
}

VstInt32 AudioEffectX::getAutomationState() {
    return static_cast<VstInt32>(callHost(audioMasterGetAutomationState));
}

namespace {
// Host texts arrive in a zeroed buffer larger than any host writes, then are cut to the 63
// characters (plus terminator) that our callers' 64-byte buffers hold.
bool HostText(AudioEffect* effect, VstInt32 opcode, char* text) {
    if (text == nullptr) return false;
    char buffer[256] = {};
    bool ok = effect->callHost(opcode, 0, 0, buffer) != 0;
    buffer[kVstMaxProductStrLen - 1] = 0;
    std::memcpy(text, buffer, std::strlen(buffer) + 1);
    return ok;
}
}  // namespace

bool AudioEffectX::getHostVendorString(char* text) {
    return HostText(this, audioMasterGetVendorString, text);
}

bool AudioEffectX::getHostProductString(char* text) {
    return HostText(this, audioMasterGetProductString, text);
}

VstInt32 AudioEffectX::getHostVendorVersion() {
    return static_cast<VstInt32>(callHost(audioMasterGetVendorVersion));
}

VstIntPtr AudioEffectX::hostVendorSpecific(VstInt32 arg1, VstIntPtr arg2, void* ptr, float opt) {
    return callHost(audioMasterVendorSpecific, arg1, arg2, ptr, opt);
}

VstInt32 AudioEffectX::canHostDo(char* text) {
    return static_cast<VstInt32>(callHost(audioMasterCanDo, 0, 0, text));
}

VstInt32 AudioEffectX::getHostLanguage() {
    return static_cast<VstInt32>(callHost(audioMasterGetLanguage));
}

void* AudioEffectX::getDirectory() {
    return reinterpret_cast<void*>(callHost(audioMasterGetDirectory));
}

bool AudioEffectX::updateDisplay() {
    return callHost(audioMasterUpdateDisplay) != 0;
}

bool AudioEffectX::sizeWindow(VstInt32 width, VstInt32 height) {
    return callHost(audioMasterSizeWindow, width, height) != 0;
}

bool AudioEffectX::openFileSelector(VstFileSelect* selector) {
    return selector != nullptr && callHost(audioMasterOpenFileSelector, 0, 0, selector) != 0;
}

bool AudioEffectX::closeFileSelector(VstFileSelect* selector) {
    return selector != nullptr && callHost(audioMasterCloseFileSelector, 0, 0, selector) != 0;
}

bool AudioEffectX::offlineRead(VstOfflineTask* offline, VstInt32 option, bool readSource) {
    return callHost(audioMasterOfflineRead, readSource ? 1 : 0, option, offline) != 0;
}

bool AudioEffectX::offlineWrite(VstOfflineTask* offline, VstInt32 option) {
    return callHost(audioMasterOfflineWrite, 0, option, offline) != 0;
}

bool AudioEffectX::offlineStart(VstAudioFile* files, VstInt32 numAudioFiles, VstInt32 numNewAudioFiles) {
    return callHost(audioMasterOfflineStart, numNewAudioFiles, numAudioFiles, files) != 0;
}

VstInt32 AudioEffectX::offlineGetCurrentPass() {
    return static_cast<VstInt32>(callHost(audioMasterOfflineGetCurrentPass));
}

VstInt32 AudioEffectX::offlineGetCurrentMetaPass() {
    return static_cast<VstInt32>(callHost(audioMasterOfflineGetCurrentMetaPass));
}

void AudioEffectX::wantEvents(VstInt32 filter) {
    callHost(audioMasterWantMidi, 0, filter);
}

VstInt32 AudioEffectX::tempoAt(VstInt32 pos) {
    return static_cast<VstInt32>(callHost(audioMasterTempoAt, 0, pos));
}

VstInt32 AudioEffectX::getNumAutomatableParameters() {
    return static_cast<VstInt32>(callHost(audioMasterGetNumAutomatableParameters));
}

VstInt32 AudioEffectX::getParameterQuantization() {
    return static_cast<VstInt32>(callHost(audioMasterGetParameterQuantization));
}

bool AudioEffectX::needIdle() {
    return callHost(audioMasterNeedIdle) != 0;
}

AEffect* AudioEffectX::getPreviousPlug(VstInt32 input) {
    return reinterpret_cast<AEffect*>(callHost(audioMasterGetPreviousPlug, 0, input));
}

AEffect* AudioEffectX::getNextPlug(VstInt32 output) {
    return reinterpret_cast<AEffect*>(callHost(audioMasterGetNextPlug, 0, output));
}

VstInt32 AudioEffectX::willProcessReplacing() {
    return static_cast<VstInt32>(callHost(audioMasterWillReplaceOrAccumulate));
}

void AudioEffectX::setOutputSamplerate(float rate) {
    callHost(audioMasterSetOutputSampleRate, 0, 0, nullptr, rate);
}

VstSpeakerArrangement* AudioEffectX::getInputSpeakerArrangement() {
    return reinterpret_cast<VstSpeakerArrangement*>(callHost(audioMasterGetInputSpeakerArrangement));
}

VstSpeakerArrangement* AudioEffectX::getOutputSpeakerArrangement() {
    return reinterpret_cast<VstSpeakerArrangement*>(callHost(audioMasterGetOutputSpeakerArrangement));
}

bool AudioEffectX::openWindow(void* window) {
    return callHost(audioMasterOpenWindow, 0, 0, window) != 0;
}

bool AudioEffectX::closeWindow(void* window) {
    return callHost(audioMasterCloseWindow, 0, 0, window) != 0;
}

char* AudioEffectX::getChunkFile(void* nativePath) {
    return reinterpret_cast<char*>(callHost(audioMasterGetChunkFile, 0, 0, nativePath));
}
