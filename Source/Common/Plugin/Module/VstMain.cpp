// The plug-in's shared object: the entry points a host looks for. Everything else is hidden.
#include "Common/Plugin/QorVst.h"

#define TOLVA_EXPORT __attribute__((visibility("default")))

extern "C" TOLVA_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    return QorVst::PluginMain(audioMaster);
}

// Older hosts look for the entry under the name "main"; C++ does not allow a function of that name
// with this signature, so it gets the symbol through its assembler name.
extern "C" TOLVA_EXPORT AEffect* TolvaVstMainEntry(audioMasterCallback audioMaster) asm("main");
extern "C" TOLVA_EXPORT AEffect* TolvaVstMainEntry(audioMasterCallback audioMaster) {
    return QorVst::PluginMain(audioMaster);
}

// The effect for a model byte (1 Tolva, 9 Nerimo): what a wrapper of another plug-in format calls.
extern "C" TOLVA_EXPORT void* QnEditorCreateEffectInstance(int model, audioMasterCallback audioMaster) {
    return QorVst::CreateInstance(model, audioMaster);
}
