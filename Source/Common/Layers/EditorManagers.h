#pragma once
// The editor layer's shared managers as the plug-in starts them: the image cache, the form tables
// and the bitmap fonts, started in that order and stopped in the reverse one. The plug-in calls its
// manager hooks on its main thread (the UI thread under a host), so two instances started from two
// host threads both start and stop them there; the managers' counts are guarded all the same.
#include "Common/Plugin/PluginEditor.h"

// base with its three manager hooks replaced by the editor layer's managers (the rest kept).
PluginEditorHooks EditorManagerHooks(const PluginEditorHooks& base);
