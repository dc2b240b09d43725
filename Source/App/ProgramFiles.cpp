#include "App/ProgramFiles.h"

#include <strings.h>

#include "Hfc/Core/HfcFileDialog.h"
#include "Linux/RunLoop.h"

const ProgramFileType kProgramBankFile{"Bank (*.Xvstbank)", ".Xvstbank"};
const ProgramFileType kProgramPresetFile{"Preset (*.Xvstpreset)", ".Xvstpreset"};

namespace {

bool HasExtension(const std::string& path, const char* extension) {
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > 0 && strcasecmp(name.c_str() + dot, extension) == 0;
}

// Hears one dialog to its end; the dialog deletes itself then.
class Choice final : public CHfcFileDialogListener {
public:
    Choice(bool save, const ProgramFileType& type) : m_save(save), m_type(type) {}

    void OnHfcFileDialogAction(CHfcFileDialog* dialog, int accepted, void*) override {
        FSRef item{};
        if (accepted != 1 || dialog->MacGetItemFSRef(0, &item) != 0) return;
        std::string path = item.path;
        if (m_save) {
            const std::string& name = dialog->GetSaveFileName();
            if (name.empty()) return;
            path = path.empty() || path.back() == '/' ? path + name : path + "/" + name;
        }
        m_path = path;
    }
    void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) override {
        m_done = true;
        CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, userData);
    }
    bool OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog*, FSRef* ref, bool isFolder, void*) override {
        return isFolder || (ref != nullptr && HasExtension(ref->path, m_type.extension));
    }

    bool Done() const { return m_done; }
    const std::string& Path() const { return m_path; }

private:
    bool m_save;
    const ProgramFileType& m_type;
    bool m_done = false;
    std::string m_path;
};

}  // namespace

std::string ProgramChooseFile(CHfcWindow* over, bool save, bool preset) {
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr) return {};
    const ProgramFileType& type = preset ? kProgramPresetFile : kProgramBankFile;
    Choice choice(save, type);
    CHfcFileDialog* dialog = nullptr;
    if (save) {
        dialog = new CHfcSaveFileDialog();
    } else {
        dialog = new CHfcOpenFileDialog();
    }
    if (!dialog->Create(over, &choice, nullptr)) {
        delete dialog;
        return {};
    }
    dialog->SetTitle(save ? (preset ? "Preset Export" : "Bank Save As")
                          : (preset ? "Preset Import" : "Bank Open"));
    dialog->AddFileType(type.extension, type.label);
    dialog->SetFileTypeIndex(0);
    if (save) dialog->SetFilePath((std::string("Untitled") + type.extension).c_str());
    const bool running = save ? static_cast<CHfcSaveFileDialog*>(dialog)->GetOneFile()
                              : static_cast<CHfcOpenFileDialog*>(dialog)->GetOneFile();
    if (!running) {
        dialog->Destroy();
        delete dialog;
        return {};
    }
    loop->RunUntil([&] { return choice.Done(); }, RunLoop::kForever);
    // The program is quitting under the dialog: it ends as a Cancel, and never calls back here.
    if (!choice.Done()) {
        dialog->AbortAndRelease();
        return {};
    }
    return choice.Path();
}
