#include "Common/Layers/EditorManagers.h"

#include "Common/FontManager/FontManager.h"
#include "Common/FontManager/ResourceManager.h"
#include "Common/Layers/Forms/UIFormManager.h"

PluginEditorHooks EditorManagerHooks(const PluginEditorHooks& base) {
    PluginEditorHooks hooks = base;
    hooks.initializeManager[0] = &ResourceManager::Initialize;
    hooks.initializeManager[1] = &UIFormManager::Initialize;
    hooks.initializeManager[2] = &FontManager::Initialize;
    hooks.uninitializeManager[0] = &ResourceManager::Uninitialize;
    hooks.uninitializeManager[1] = &UIFormManager::Uninitialize;
    hooks.uninitializeManager[2] = &FontManager::Uninitialize;
    return hooks;
}
