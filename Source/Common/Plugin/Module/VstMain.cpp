// The plug-in's shared object: the entry points a host looks for. Everything else is hidden.
#include "Common/Layers/EditorManagers.h"
#include "Common/Plugin/QorVst.h"

#define TOLVA_EXPORT __attribute__((visibility("default")))

namespace {

// The editor layer's shared managers, plugged into the shell once, before the first effect is made.
void InstallEditorLayer() {
    static const PluginEditorHooks hooks = EditorManagerHooks(GetPluginEditorHooks());
    static const bool installed = (SetPluginEditorHooks(&hooks), true);
    (void)installed;
}

}  // namespace

extern "C" TOLVA_EXPORT AEffect* VSTPluginMain(audioMasterCallback audioMaster) {
    InstallEditorLayer();
    return QorVst::PluginMain(audioMaster);
}

// Older hosts look for the entry under the name "main"; C++ does not allow a function of that name
// with this signature, so it gets the symbol through its assembler name.
extern "C" TOLVA_EXPORT AEffect* TolvaVstMainEntry(audioMasterCallback audioMaster) asm("main");
extern "C" TOLVA_EXPORT AEffect* TolvaVstMainEntry(audioMasterCallback audioMaster) {
    InstallEditorLayer();
    return QorVst::PluginMain(audioMaster);
}

// The effect for a model byte (1 Tolva, 9 Nerimo): what a wrapper of another plug-in format calls.
extern "C" TOLVA_EXPORT void* QnEditorCreateEffectInstance(int model, audioMasterCallback audioMaster) {
    InstallEditorLayer();
    return QorVst::CreateInstance(model, audioMaster);
}
