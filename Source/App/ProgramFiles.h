#pragma once
// The program's file menu: Bank Open..., Bank Save As..., Preset Import... and Preset Export... ask
// for a file with the toolkit's open and save dialogs, over the editor window, and wait for the
// answer in a nested loop (the window keeps drawing). The files hold the plug-in's bank or preset
// chunk as it is. Main thread only.
#include <string>

class CHfcWindow;

// The file types of the menu's files, shown in the dialog's Format popup.
struct ProgramFileType {
    const char* label;
    const char* extension;  // with its dot
};
extern const ProgramFileType kProgramBankFile;    // "Bank (*.Xvstbank)"
extern const ProgramFileType kProgramPresetFile;  // "Preset (*.Xvstpreset)"

// The path chosen (a save: the folder and the typed name), empty when the user cancelled or the
// dialog could not be shown. The open dialog lists folders and files of the type.
std::string ProgramChooseFile(CHfcWindow* over, bool save, bool preset);
