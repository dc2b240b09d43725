// The Utility menu of the editor window, its file dialogs and the transfer commands.
#include <strings.h>

#include <list>

#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/BackgroundLayerParts.h"
#include "Common/Editor/MenuItems.h"
#include "Common/Files/Persist.h"
#include "Common/Pages/EditTabPageLayerBase.h"
#include "Common/QnUtils/QnUtils.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcPopupMenu.h"

namespace {

// The rows of the file dialogs' type popups.
const FiletypeInfo kFileTypeInfo_AllData{1, "All Data (*.Xall)", "*.Xall"};
const FiletypeInfo kFileTypeInfo_AllProg{3, "All Prog (*.Xallprog)", "*.Xallprog"};
const FiletypeInfo kFileTypeInfo_AllCombi{4, "All Combi (*.Xallcombi)", "*.Xallcombi"};
const FiletypeInfo kFileTypeInfo_AllMulti{5, "All Multi (*.Xallmulti)", "*.Xallmulti"};
const FiletypeInfo kFileTypeInfo_BankProg{6, "Bank Program (*.Xbankprog)", "*.Xbankprog"};
const FiletypeInfo kFileTypeInfo_BankCombi{7, "Bank Combi (*.Xbankcombi)", "*.Xbankcombi"};
const FiletypeInfo kFileTypeInfo_OneProg{8, "Program (*.X1prog)", "*.X1prog"};
const FiletypeInfo kFileTypeInfo_OneCombi{9, "Combi (*.X1combi)", "*.X1combi"};
const FiletypeInfo kFileTypeInfo_OneMulti{10, "Multi (*.X1multi)", "*.X1multi"};
const FiletypeInfo kFileTypeInfo_AllDrumKit{11, "All DrumKit (*.Xalldkit)", "*.Xalldkit"};
const FiletypeInfo kFileTypeInfo_AllArpPattern{12, "All Arpeggio Pattern (*.Xallapat)", "*.Xallapat"};
const FiletypeInfo kFileTypeInfo_OneDrumKit{14, "DrumKit (*.X1dkit)", "*.X1dkit"};
const FiletypeInfo kFileTypeInfo_OneArpPattern{15, "Arpeggio Pattern (*.X1apat)", "*.X1apat"};
const FiletypeInfo kTypeInfo_PCGAll{1, "All Files (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendra{21, "Cendra (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendraUnit{22, "Cendra Unit (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendraWorks{23, "Cendra Works (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendraApex{24, "Cendra Apex (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendraMini{25, "Cendra Mini (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGCendraTesk{25, "Tesk (*.PCG)", "*.PCG"};
const FiletypeInfo kTypeInfo_PCGOsvara{26, "Osvara (*.PCG)", "*.PCG"};

// Stand-ins in the argument table for the values of the moment.
constexpr int kArgSoundMode = -1000;
constexpr int kArgBank = -1001;
constexpr int kArgNumber = -1002;

// The transfer commands: menu id -> ExecCommand(command, a, b, c, d).
struct TransferCommand {
    int id;
    int command;
    int args[4];
};
constexpr TransferCommand kTransferCommands[] = {
    {1007, 2, {0, 0, 0, 0}},                                // Receive All
    {1008, 1, {0, 0, 0, 0}},                                // Transmit All
    {1009, 4, {kArgSoundMode, -1, -1, 255}},                // Receive Prog
    {1013, 4, {kArgSoundMode, -1, -1, 255}},                // Receive Combi
    {1017, 4, {kArgSoundMode, -1, -1, 255}},                // Receive Multi
    {1010, 3, {kArgSoundMode, -1, -1, 255}},                // Transmit Prog
    {1014, 3, {kArgSoundMode, -1, -1, 255}},                // Transmit Combi
    {1018, 3, {kArgSoundMode, -1, -1, 255}},                // Transmit Multi
    {1011, 4, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Receive 1 Prog
    {1015, 4, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Receive 1 Combi
    {1019, 4, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Receive 1 Multi
    {1012, 3, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Transmit 1 Prog
    {1016, 3, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Transmit 1 Combi
    {1020, 3, {kArgSoundMode, kArgBank, kArgNumber, 255}},  // Transmit 1 Multi
    {1029, 14, {0, 0, 0, 0}},                               // Receive Global Data
    {1030, 13, {0, 0, 0, 0}},                               // Transmit Global Data
    {1039, 13, {0, 0, 0, 0}},                               // Write Global Setting
    {1031, 17, {-1, 0, 0, 0}},                              // Receive Drum Kit
    {1032, 16, {-1, 0, 0, 0}},                              // Transmit Drum Kit
    {1041, 16, {-1, 0, 0, 0}},                              // Write Drum Kits
    {1033, 21, {-1, 0, 0, 0}},                              // Receive Arpeggio Pattern
    {1034, 20, {-1, 0, 0, 0}},                              // Transmit Arpeggio Pattern
    {1045, 20, {-1, 0, 0, 0}},                              // Write Arpeggio Patterns
    {1035, 27, {-1, 0, 0, 0}},                              // Receive ExtControl Data
    {1036, 26, {-1, 0, 0, 0}},                              // Transmit ExtControl Data
    {1051, 26, {-1, 0, 0, 0}},                              // Write Ext.Control Setups
    {1037, 29, {0, 0, 0, 0}},                               // Save Default
    {1038, 30, {0, 0, 0, 0}},                               // Restore Data
};

// A row's pattern less its "*": the extension its files carry.
std::string Extension(const std::string& pattern) {
    return !pattern.empty() && pattern[0] == '*' ? pattern.substr(1) : pattern;
}

std::string UntitledName(const FiletypeInfo& row) {
    return "Untitled" + Extension(row.pattern);
}

std::string JoinPath(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

bool IsConnected(QorX0::IRemoteSynth* synth) {
    return synth != nullptr && synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, nullptr);
}

int Ask(const std::string& text, CHfcWindow* window) {
    BackgroundLayer::NestedLoopScope nested(window);
    return HfcMessageBoxForWindow(text.c_str(), QnUtils::mProductName.c_str(), window, HFC_MB_OKCANCEL, 0);
}

}  // namespace

// ---- the menu

void BackgroundLayer::OnUtilitySwitch() {
    const int guiMode = GetGUIMode();
    CTabControl* tab = guiMode >= 0 ? m_pMainTabs[guiMode] : nullptr;
    auto* page = tab != nullptr ? dynamic_cast<EditTabPageLayerBase*>(tab->GetActivePage()) : nullptr;
    if (page == nullptr) return;
    std::list<MenuItemInfo> items;
    page->GetMenuItemInfoList(items);
    if (!items.empty()) items.push_back(kMenuItemInfo_Separator);
    items.push_back(kMenuItemInfo_AllSoundOff);

    QorX0::IRemoteSynth* synth = GetSynth();
    const bool gmBank =
        synth != nullptr && QnUtils::IsGMBank(synth, synth->GetSoundMode(), synth->GetCurSound().bank);
    CHfcPopupMenu menu;
    if (!menu.Create(0)) return;
    int position = 0;
    for (const MenuItemInfo& item : items) {
        if (IsPageLocalMenuItemId(item.id)) continue;
        unsigned flags = item.flags;
        if (item.id == kMenuItemInfo_Separator.id) flags = 1;
        if (gmBank &&
            (item.id == kMenuItemInfo_ReceiveOneProg.id || item.id == kMenuItemInfo_TransmitOneProg.id))
            flags |= 2;
        menu.InsertItem(position++, item.id, item.name.c_str(), flags);
    }
    int chosen = 0;
    {
        NestedLoopScope nested(GetWindow());
        CHfcControl* utility = GetControlById(kIdUtility, 0);
        const tagHfcRect r = utility != nullptr ? utility->GetRect() : tagHfcRect{};
        chosen = QnUtils::TrackPopupMenu(&menu, r.left, r.bottom, GetWindow());
    }
    while (menu.GetNumItems() > 0) menu.DeleteItem(0);
    menu.Destroy();
    if (chosen == kMenuItemInfo_Separator.id || chosen == 0) return;
    for (const MenuItemInfo& item : items) {
        if (item.id == chosen) {
            RunUtilityCommand(chosen, item.name);
            return;
        }
    }
}

void BackgroundLayer::RunUtilityCommand(int id, const std::string& name) {
    // The sound on audition is not the edit buffer the command would work on: it goes first.
    if (id != kMenuItemInfo_AllSoundOff.id) CancelBrowserAudition();
    std::vector<FiletypeInfo> rows;
    switch (id) {
        case 1000:  // Write Program
        case 1021:  // Write Combination
        case 1026:  // Write Multi
            RequestOpenWriteBrowser();
            break;
        case 1003:    // Load
        case 1004: {  // Save
            const int page =
                m_pMainTabs[kTabGlobal] != nullptr ? m_pMainTabs[kTabGlobal]->GetActiveIndex() : -1;
            MakeFileTypeInfoArray(rows, GetSynth(), page == 4 ? 0 : page == 5 ? 1 : -1);
            if (id == 1003)
                OpenFileDialog(new CHfcOpenFileDialog(), nullptr, rows, false);
            else
                OpenFileDialog(new QnSaveFileDialog(), nullptr, rows, true);
            break;
        }
        case 1005:  // Import
            MakePCGFileTypeInfoArray(rows, true);
            OpenFileDialog(new CHfcOpenFileDialog(), "Import", rows, false);
            break;
        case 1006:  // Export
            MakePCGFileTypeInfoArray(rows, false);
            OpenFileDialog(new CHfcSaveFileDialog(), "Export", rows, false);
            break;
        case 1042:  // Rename Drum Kit
            OpenRenameBrowser(0);
            break;
        case 1046:  // Rename Arpeggio Pattern
            OpenRenameBrowser(1);
            break;
        case 1052:  // Rename Ext.Control Setup
            OpenRenameBrowser(2);
            break;
        case 1054:  // All Sound Off
            AllSoundOff();
            break;
        default:
            OnRemoteSynthCommand(id, name);
            break;
    }
}

// ---- transfers

void BackgroundLayer::OnRemoteSynthCommand(int id, const std::string& name) {
    QorX0::IRemoteSynth* synth = GetSynth();
    const TransferCommand* found = nullptr;
    for (const TransferCommand& c : kTransferCommands)
        if (c.id == id) found = &c;
    if (found == nullptr || synth == nullptr) return;
    if (Ask(name + "?", GetWindow()) != HFC_MB_RESULT_DEFAULT) return;
    const QorX0::SOUNDINDEX sound = synth->GetCurSound();
    int args[4];
    for (int i = 0; i < 4; ++i) {
        const int a = found->args[i];
        args[i] = a == kArgSoundMode ? synth->GetSoundMode()
                  : a == kArgBank    ? sound.bank
                  : a == kArgNumber  ? sound.number
                                     : a;
    }
    bool ok = false;
    {
        NestedLoopScope nested(GetWindow());
        ok = synth->ExecCommand(found->command, args[0], args[1], args[2], args[3]);
    }
    if (!ok) ShowError(name + " Error");
}

void BackgroundLayer::ShowError(const std::string& text) {
    NestedLoopScope nested(GetWindow());
    HfcMessageBoxForWindow(text.c_str(), QnUtils::mProductName.c_str(), GetWindow(), HFC_MB_OK, 0);
}

// ---- file dialogs

void BackgroundLayer::MakeFileTypeInfoArray(std::vector<FiletypeInfo>& rows, QorX0::IRemoteSynth* synth,
                                            int globalKind) {
    rows.clear();
    rows.push_back(kFileTypeInfo_AllData);
    if (synth == nullptr) return;
    if (synth->GetMode() == QorX0::kModeGlobal) {
        if (globalKind == 0) {
            rows.push_back(kFileTypeInfo_AllDrumKit);
            rows.push_back(kFileTypeInfo_OneDrumKit);
        } else if (globalKind == 1) {
            rows.push_back(kFileTypeInfo_AllArpPattern);
            // The preset patterns cannot be written: only a user pattern is offered alone.
            QorX0::IGlobalArraySection* patterns = synth->GetArpPatterns();
            if (patterns != nullptr && static_cast<uint32_t>(patterns->GetSelection()) > 4)
                rows.push_back(kFileTypeInfo_OneArpPattern);
        }
    }
    switch (synth->GetSoundMode()) {
        case QorX0::kModeProgPlay:
            rows.insert(rows.end(), {kFileTypeInfo_AllProg, kFileTypeInfo_BankProg, kFileTypeInfo_OneProg});
            break;
        case QorX0::kModeMulti:
            rows.insert(rows.end(), {kFileTypeInfo_AllMulti, kFileTypeInfo_OneMulti});
            break;
        case QorX0::kModeCombiPlay:
            rows.insert(rows.end(),
                        {kFileTypeInfo_AllCombi, kFileTypeInfo_BankCombi, kFileTypeInfo_OneCombi});
            break;
        default:
            break;
    }
}

void BackgroundLayer::MakePCGFileTypeInfoArray(std::vector<FiletypeInfo>& rows, bool import) {
    if (import) {
        rows = {kTypeInfo_PCGAll};
        return;
    }
    rows = {kTypeInfo_PCGCendra,     kTypeInfo_PCGCendraUnit, kTypeInfo_PCGCendraWorks,
            kTypeInfo_PCGCendraApex, kTypeInfo_PCGCendraMini, kTypeInfo_PCGCendraTesk,
            kTypeInfo_PCGOsvara};
}

void BackgroundLayer::AddFileTypesToDialog(CHfcFileDialog* dialog, const std::vector<FiletypeInfo>& rows) {
    if (dialog == nullptr) return;
    for (const FiletypeInfo& row : rows) dialog->AddFileType(row.pattern.c_str(), row.label.c_str());
}

void BackgroundLayer::OpenFileDialog(CHfcFileDialog* dialog, const char* title,
                                     const std::vector<FiletypeInfo>& rows, bool proposeName) {
    // One file dialog at a time: its rows are the layer's while it is up.
    if (m_pFileDialog != nullptr || !dialog->Create(GetWindow(), this, nullptr)) {
        delete dialog;
        return;
    }
    dialog->SetFileTypeIndex(0);
    if (title != nullptr) dialog->SetTitle(title);
    m_fileTypes = rows;
    AddFileTypesToDialog(dialog, m_fileTypes);
    if (proposeName && !m_fileTypes.empty()) dialog->SetFilePath(UntitledName(m_fileTypes[0]).c_str());
    m_pFileDialog = dialog;
    auto* save = dynamic_cast<CHfcSaveFileDialog*>(dialog);
    const bool running =
        save != nullptr ? save->GetOneFile() : static_cast<CHfcOpenFileDialog*>(dialog)->GetOneFile();
    if (!running) {
        m_pFileDialog = nullptr;
        dialog->Destroy();
        delete dialog;
    }
}

void BackgroundLayer::CloseFileDialog() {
    // The layer is going: the dialog must not call back into it, even when it ends later, under
    // a question it is asking.
    if (CHfcFileDialog* dialog = m_pFileDialog) {
        m_pFileDialog = nullptr;
        dialog->AbortAndRelease();
    }
}

void BackgroundLayer::OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData) {
    if (dialog == m_pFileDialog) m_pFileDialog = nullptr;
    CHfcFileDialogListener::OnHfcFileDialogTerminate(dialog, userData);
}

void BackgroundLayer::OnHfcFileDialogFileTypeChanged(CHfcFileDialog* dialog, int index, void*) {
    auto* save = dynamic_cast<QnSaveFileDialog*>(dialog);
    if (save == nullptr || index < 0 || index >= static_cast<int>(m_fileTypes.size())) return;
    const std::string name = UntitledName(m_fileTypes[index]);
    save->SetFilePath(name.c_str());
    save->SetSaveFileNameToDialog(name.c_str());
}

bool BackgroundLayer::OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog* dialog, FSRef* ref, bool isFolder,
                                                       void*) {
    if (isFolder) return true;
    const int row = dialog != nullptr ? dialog->GetFileTypeIndex() : -1;
    if (ref == nullptr || row < 0 || row >= static_cast<int>(m_fileTypes.size())) return false;
    const std::string path = ref->path;
    const size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot == std::string::npos) return false;
    return strcasecmp(name.c_str() + dot, Extension(m_fileTypes[row].pattern).c_str()) == 0;
}

void BackgroundLayer::OnHfcFileDialogAction(CHfcFileDialog* dialog, int action, void*) {
    if (action != 1 || dialog == nullptr) return;
    FSRef item{};
    if (dialog->MacGetItemFSRef(0, &item) != 0) return;
    const bool save = dynamic_cast<CHfcSaveFileDialog*>(dialog) != nullptr;
    std::string path = item.path;
    if (save) {
        const std::string name = dialog->GetSaveFileName();
        if (name.empty()) return;
        path = JoinPath(path, name);
        dialog->SetSaveFileNameToDialog(name.c_str());
    }
    const int row = dialog->GetFileTypeIndex();
    if (path.empty() || row < 0 || row >= static_cast<int>(m_fileTypes.size())) return;
    if (save)
        SaveChosenFile(path, m_fileTypes[row].type);
    else
        LoadChosenFile(path);
}

int BackgroundLayer::FileIndexArgument(int type) {
    QorX0::IRemoteSynth* synth = GetSynth();
    if (synth == nullptr) return 0;
    switch (type) {
        case QorX0::FTYPE_BANKPROG:
        case QorX0::FTYPE_BANKCOMBI:
            return synth->GetCurSound().bank;
        case QorX0::FTYPE_DKIT:
            return synth->GetDrumKits() != nullptr
                       ? static_cast<int>(static_cast<uint32_t>(synth->GetDrumKits()->GetSelection()))
                       : 0;
        case QorX0::FTYPE_APAT:
            // The user patterns follow the five presets; a preset selected gives no user pattern (< 0).
            return synth->GetArpPatterns() != nullptr
                       ? static_cast<int>(static_cast<uint32_t>(synth->GetArpPatterns()->GetSelection())) - 5
                       : -1;
        default:
            return 0;
    }
}

void BackgroundLayer::SaveChosenFile(const std::string& path, int type) {
    QorX0::IRemoteSynth* synth = GetSynth();
    const int index = FileIndexArgument(type);
    bool ok = false;
    // Without an instrument the image is not the instrument's: nothing is written.
    if (IsConnected(synth) && index >= 0) {
        NestedLoopScope nested(GetWindow());
        ok = synth->SaveFile(path.c_str(), static_cast<QorX0::FTYPE>(type), static_cast<unsigned>(index));
    }
    if (!ok) ShowError("Save Error");
}

void BackgroundLayer::LoadChosenFile(const std::string& path) {
    QorX0::IRemoteSynth* synth = GetSynth();
    bool ok = false;
    QorX0::FTYPE kind = QorX0::FTYPE_UNKNOWN;
    uint8_t model = 0;
    // The file's own kind chooses the place it loads into, whatever row it was chosen under.
    if (IsConnected(synth) && QorX0::PersistFindStreamType(path.c_str(), &kind, &model) &&
        kind != QorX0::FTYPE_UNKNOWN) {
        std::string question = "File Contains %s data. Are your sure?";
        question.replace(question.find("%s"), 2, "Nerimo");
        const bool go = model != QorX0::kPmidNerimo || Ask(question, GetWindow()) == HFC_MB_RESULT_DEFAULT;
        const int index = FileIndexArgument(kind);
        if (go && index >= 0) {
            NestedLoopScope nested(GetWindow());
            ok = synth->LoadFile(path.c_str(), static_cast<unsigned>(index));
        }
    }
    if (!ok) ShowError("Load Error");
}
