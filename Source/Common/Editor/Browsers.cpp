// The pick-list browsers by type, as the window asks for them.
#include "Common/Editor/Browsers.h"

#include "Common/Editor/PickList.h"

const char* PickListBrowserName(int type) {
    switch (type) {
        case 0:
            return "LoadProgram";
        case 1:
        case 2:
        case 3:
        case 4:
            return "Load Effect";
        case 5:
            return "Load ArpeggioPattern";
        default:
            return "";
    }
}

CTabPageLayer* NewPickListBrowser(int type, QorX0::IRemoteSynth* synth, int section, int paramId) {
    if (!synth) return nullptr;
    const std::string name = PickListBrowserName(type);
    switch (type) {
        case 0:
            return new LoadProgramBrowser(synth, section, paramId, name);
        case 1:
            return new EffectBrowser(synth, section, paramId, name);
        case 2:
            return new MultisampleBrowser(synth, section, paramId, name);
        case 3:
            return new DrumSampleBrowser(synth, section, paramId, name);
        case 4:
            return new DrumKitBrowser(synth, section, paramId, name);
        case 5:
            return new ArpeggioPatternBrowser(synth, section, paramId, name);
        default:
            return nullptr;
    }
}
