// The Utility menu of the editor window, its file dialogs and the transfer commands.
#include "Common/Editor/BackgroundLayer.h"

void BackgroundLayer::OnUtilitySwitch() {}

void BackgroundLayer::OnRemoteSynthCommand(int, const std::string&) {}

void BackgroundLayer::OnHfcFileDialogAction(CHfcFileDialog*, int, void*) {}

void BackgroundLayer::OnHfcFileDialogFileTypeChanged(CHfcFileDialog*, int, void*) {}

bool BackgroundLayer::OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog*, FSRef*, bool isFolder, void*) {
    return isFolder;
}

void BackgroundLayer::MakeFileTypeInfoArray(std::vector<FiletypeInfo>& rows, QorX0::IRemoteSynth*, int) {
    rows.clear();
}

void BackgroundLayer::MakePCGFileTypeInfoArray(std::vector<FiletypeInfo>& rows, bool) {
    rows.clear();
}

void BackgroundLayer::AddFileTypesToDialog(CHfcFileDialog*, const std::vector<FiletypeInfo>&) {}
