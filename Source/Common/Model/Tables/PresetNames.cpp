// Our own neutral names for the fixed presets.
#include "Common/Model/Tables/PresetNames.h"

namespace QorX0 {

const char* const g_GMProgramNames[128] = {
    "Piano 1",      "Piano 2",      "Piano 3",      "Piano 4",      "Piano 5",      "Piano 6",
    "Piano 7",      "Piano 8",      "Chrom Perc 1", "Chrom Perc 2", "Chrom Perc 3", "Chrom Perc 4",
    "Chrom Perc 5", "Chrom Perc 6", "Chrom Perc 7", "Chrom Perc 8", "Organ 1",      "Organ 2",
    "Organ 3",      "Organ 4",      "Organ 5",      "Organ 6",      "Organ 7",      "Organ 8",
    "Guitar 1",     "Guitar 2",     "Guitar 3",     "Guitar 4",     "Guitar 5",     "Guitar 6",
    "Guitar 7",     "Guitar 8",     "Bass 1",       "Bass 2",       "Bass 3",       "Bass 4",
    "Bass 5",       "Bass 6",       "Bass 7",       "Bass 8",       "Strings 1",    "Strings 2",
    "Strings 3",    "Strings 4",    "Strings 5",    "Strings 6",    "Strings 7",    "Strings 8",
    "Ensemble 1",   "Ensemble 2",   "Ensemble 3",   "Ensemble 4",   "Ensemble 5",   "Ensemble 6",
    "Ensemble 7",   "Ensemble 8",   "Brass 1",      "Brass 2",      "Brass 3",      "Brass 4",
    "Brass 5",      "Brass 6",      "Brass 7",      "Brass 8",      "Reed 1",       "Reed 2",
    "Reed 3",       "Reed 4",       "Reed 5",       "Reed 6",       "Reed 7",       "Reed 8",
    "Pipe 1",       "Pipe 2",       "Pipe 3",       "Pipe 4",       "Pipe 5",       "Pipe 6",
    "Pipe 7",       "Pipe 8",       "Synth Lead 1", "Synth Lead 2", "Synth Lead 3", "Synth Lead 4",
    "Synth Lead 5", "Synth Lead 6", "Synth Lead 7", "Synth Lead 8", "Synth Pad 1",  "Synth Pad 2",
    "Synth Pad 3",  "Synth Pad 4",  "Synth Pad 5",  "Synth Pad 6",  "Synth Pad 7",  "Synth Pad 8",
    "Synth FX 1",   "Synth FX 2",   "Synth FX 3",   "Synth FX 4",   "Synth FX 5",   "Synth FX 6",
    "Synth FX 7",   "Synth FX 8",   "Ethnic 1",     "Ethnic 2",     "Ethnic 3",     "Ethnic 4",
    "Ethnic 5",     "Ethnic 6",     "Ethnic 7",     "Ethnic 8",     "Percussive 1", "Percussive 2",
    "Percussive 3", "Percussive 4", "Percussive 5", "Percussive 6", "Percussive 7", "Percussive 8",
    "Sound FX 1",   "Sound FX 2",   "Sound FX 3",   "Sound FX 4",   "Sound FX 5",   "Sound FX 6",
    "Sound FX 7",   "Sound FX 8",
};

const char* const g_GMDrumProgramNames[9] = {
    "Standard Kit", "Room Kit",  "Power Kit",     "Electronic Kit", "Analog Kit",
    "Jazz Kit",     "Brush Kit", "Orchestra Kit", "SFX Kit",
};

const char* const g_PresetDrumKitNames[9] = {
    "STANDARD        ", "ROOM            ", "POWER           ", "ELECTRONIC      ", "ANALOG          ",
    "JAZZ            ", "BRUSH           ", "ORCHESTRA       ", "SFX             ",
};

const char* const g_PresetArpPatternNames[5] = {"UP", "DOWN", "ALT1", "ALT2", "RANDOM"};

}  // namespace QorX0
