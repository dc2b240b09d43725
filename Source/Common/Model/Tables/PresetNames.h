#pragma once
// Names of the fixed presets.

namespace QorX0 {

extern const char* const g_GMProgramNames[128];
extern const char* const g_GMDrumProgramNames[9];
extern const char* const g_PresetDrumKitNames[9];  // 16-character name fields, space-padded
extern const char* const g_PresetArpPatternNames[5];

}  // namespace QorX0
