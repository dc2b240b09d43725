// The plug-in's editor as the shared object ships it: the editor window with its root layer inside
// the host's window.
#include "Common/Editor/QorVstEditor.h"

namespace {

// Installed when the shared object is loaded, before any effect exists; the entry points add the
// editor layer's managers over it.
struct InstallWindowedEditor {
    InstallWindowedEditor() {
        static PluginEditorHooks hooks = GetHeadlessPluginEditorHooks();
        hooks.createEditor = QorVstEditorShell::Hooks().createEditor;
        hooks.setModel = QorVstEditorShell::Hooks().setModel;
        SetPluginEditorHooks(&hooks);
    }
} g_installWindowedEditor;

}  // namespace
