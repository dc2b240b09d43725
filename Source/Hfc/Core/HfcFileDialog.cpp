#include "Hfc/Core/HfcFileDialog.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Core/HfcTextEngine.h"
#include "Hfc/Draw/HfcBmp.h"
#include "Hfc/Draw/HfcDrawContext.h"
#include "Linux/RunLoop.h"

namespace {

std::string g_startFolder;

HfcFileDialogHook& Hook() {
    static HfcFileDialogHook hook;
    return hook;
}

bool IsFolder(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0;
}

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string Parent(const std::string& folder) {
    const size_t slash = folder.find_last_of('/');
    if (slash == std::string::npos || slash == 0) return "/";
    return folder.substr(0, slash);
}

struct Entry {
    std::string name;
    bool folder;
};

// The entries of a folder the dialog's filter lets through: folders first, then files, each sorted
// ignoring case; names starting with a dot are hidden.
std::vector<Entry> ListFolder(CHfcFileDialog* dialog, const std::string& folder) {
    std::vector<Entry> entries;
    DIR* dir = opendir(folder.c_str());
    if (dir == nullptr) return entries;
    while (dirent* d = readdir(dir)) {
        if (d->d_name[0] == '.') continue;
        const std::string path = Join(folder, d->d_name);
        const bool isFolder = IsFolder(path);
        if (dialog->Filter(path, isFolder)) entries.push_back(Entry{d->d_name, isFolder});
    }
    closedir(dir);
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.folder != b.folder) return a.folder;
        const int c = strcasecmp(a.name.c_str(), b.name.c_str());
        return c != 0 ? c < 0 : a.name < b.name;
    });
    return entries;
}

constexpr uint32_t kText = 0xFF000000;
constexpr uint32_t kListFace = 0xFFFFFFFF;
constexpr uint32_t kBorder = 0xFF7F7F7F;
constexpr uint32_t kSelection = 0xFF3A6FC4;
constexpr uint32_t kSelectionText = 0xFFFFFFFF;
constexpr uint32_t kFolderMark = 0xFF6A8FC8;
constexpr uint32_t kTypeAheadMs = 1000;
constexpr int kMaxName = 255;

// The end of a name's base: where its extension starts (a leading dot starts no extension).
int BaseLength(const std::string& name) {
    const size_t dot = name.find_last_of('.');
    return dot == std::string::npos || dot == 0 ? static_cast<int>(name.size()) : static_cast<int>(dot);
}

// A name the save dialog can save under: one entry of the folder shown, never a path.
bool IsUsableName(const std::string& name) {
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::string UnusableNameText(const std::string& name) {
    return "\"" + name + "\" cannot be used as a name. A name has no \"/\" and is not \".\" or \"..\".";
}

}  // namespace

std::string HfcReplaceQuestion(const std::string& name) {
    return name + " already exists. Replace it?";
}

void HfcFileDialogSetStartFolder(const char* folder) {
    g_startFolder = folder != nullptr ? folder : "";
}

std::string HfcFileDialogStartFolder() {
    if (!g_startFolder.empty() && IsFolder(g_startFolder)) return g_startFolder;
    const char* home = std::getenv("HOME");
    return home != nullptr && *home != 0 ? home : "/";
}

void HfcSetFileDialogHook(HfcFileDialogHook hook) {
    Hook() = std::move(hook);
}

void CHfcFileDialogListener::OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void*) {
    dialog->Destroy();
    delete dialog;
}

// ---------------------------------------------------------------------------------------------------

// The dialog's window: the folder path, the listing, the name field (saving), the type popup and the
// buttons.
class CHfcFileDialogWindow : public CHfcDialogWindow {
public:
    static constexpr int kWidth = 520;
    static constexpr int kHeight = 400;
    static constexpr int kRow = 18;
    static constexpr int kListTop = 40;
    static constexpr int kOk = 1;
    static constexpr int kCancel = 2;

    CHfcFileDialogWindow(CHfcFileDialog* dialog, HfcFileDialogKind kind, const std::string& name)
        : m_pDialog(dialog), m_kind(kind), m_proposed(name) {
        m_field.SetMaxLength(kMaxName);
        SetName(name);
    }

    bool Open(const std::string& title, const std::string& folder, CHfcWindow* over) {
        if (!CHfcDialogWindow::Open(title.c_str(), kWidth, kHeight, over)) return false;
        AddButton(m_kind == HfcFileDialogKind::Save ? "Save" : "Open", kOk, true);
        AddButton("Cancel", kCancel, false);
        m_folder = folder;
        Redraw();
        return true;
    }

    // Lists the folder (the browse filter runs once per entry).
    void Enter(const std::string& folder) {
        m_folder = folder;
        m_entries = ListFolder(m_pDialog, folder);
        // The way up, first.
        if (folder != "/") m_entries.insert(m_entries.begin(), Entry{"..", true});
        m_iSelected = -1;
        m_iTop = 0;
        m_typed.clear();
        Redraw();
    }

    // The name field holds name with its base selected (typing replaces it, the extension stays).
    void SetName(const std::string& name) {
        m_field.SetText(name.c_str());
        const int base = BaseLength(GetName());
        m_field.SetCursorPosition(base);
        if (base > 0) m_field.SetSelection(0, base);
        Redraw();
    }
    std::string GetName() const { return m_field.GetText(); }
    const std::string& GetFolder() const { return m_folder; }
    void SetTypeIndex(int index) {
        m_iType = index;
        Redraw();
    }

    void Abort() override { m_pDialog->Abort(); }

protected:
    int CancelResult() const override { return kCancel; }

    int ListBottom() const {
        return kHeight - (m_kind == HfcFileDialogKind::Save ? 112 : 84) -
               (m_pDialog->GetFileTypes().empty() ? 0 : 0);
    }
    int VisibleRows() const { return (ListBottom() - kListTop) / kRow; }
    int NameTop() const { return ListBottom() + 10; }
    int TypeTop() const { return kHeight - kMargin - kButtonHeight - 34; }
    tagHfcRect TypeRect() const {
        tagHfcRect r{};
        HfcSetRect(&r, kMargin + 60, TypeTop(), kWidth - kMargin, TypeTop() + 22);
        return r;
    }

    void DrawContent(CHfcOffscreenContext* ctx) override {
        tagHfcBmpFontInfo* font = HfcChromeFont();
        tagHfcBmpFontInfo* bold = HfcChromeFontBold();
        const int listW = kWidth - 2 * kMargin;
        if (bold != nullptr)
            ctx->DrawBmpTextProportional(kMargin, 14, m_folder.c_str(), listW, bold, kText, false);
        ctx->SetBrushColor(kListFace);
        ctx->FillRect(kMargin, kListTop, listW, ListBottom() - kListTop);
        for (int row = 0; row < VisibleRows(); ++row) {
            const int i = m_iTop + row;
            if (i >= static_cast<int>(m_entries.size())) break;
            const int y = kListTop + row * kRow;
            const bool selected = i == m_iSelected;
            if (selected) {
                ctx->SetBrushColor(kSelection);
                ctx->FillRect(kMargin + 1, y, listW - 2, kRow);
            }
            if (m_entries[i].folder) {
                ctx->SetBrushColor(selected ? kSelectionText : kFolderMark);
                ctx->FillRect(kMargin + 6, y + 5, 12, 9);
                ctx->FillRect(kMargin + 6, y + 3, 5, 2);
            }
            if (font != nullptr) {
                ctx->DrawBmpTextProportional(kMargin + 24, y + (kRow - font->height) / 2,
                                             m_entries[i].name.c_str(), listW - 30, font,
                                             selected ? kSelectionText : kText, false);
            }
        }
        ctx->SetPenWidth(1.0f);
        ctx->SetPenColor(kBorder);
        ctx->FrameRect(kMargin, kListTop, listW, ListBottom() - kListTop);
        if (m_kind == HfcFileDialogKind::Save) {
            if (font != nullptr)
                ctx->DrawBmpTextProportional(kMargin, NameTop() + 5, "Name:", 56, font, kText, false);
            ctx->SetBrushColor(kListFace);
            ctx->FillRect(kMargin + 60, NameTop(), listW - 60, 22);
            ctx->SetPenColor(kBorder);
            ctx->FrameRect(kMargin + 60, NameTop(), listW - 60, 22);
            if (font != nullptr) DrawName(ctx, font, kMargin + 64, listW - 70);
        }
        const std::vector<std::string>& types = m_pDialog->GetFileTypes();
        if (!types.empty()) {
            const tagHfcRect r = TypeRect();
            if (font != nullptr)
                ctx->DrawBmpTextProportional(kMargin, r.top + 5, "Format:", 56, font, kText, false);
            ctx->SetBrushColor(0xFFFAFAFA);
            ctx->FillRect(&r);
            ctx->SetPenColor(kBorder);
            ctx->FrameRect(&r);
            const int shown = m_iType >= 0 && m_iType < static_cast<int>(types.size()) ? m_iType : 0;
            if (font != nullptr) {
                ctx->DrawBmpTextProportional(r.left + 6, r.top + 5, types[shown].c_str(),
                                             r.right - r.left - 24, font, kText, false);
            }
            ctx->SetBrushColor(kText);
            for (int i = 0; i < 4; ++i) ctx->FillRect(r.right - 14 + i, r.top + 9 + i, 7 - 2 * i, 1);
        }
    }

    void OnButton(const Button& button) override {
        if (button.result == kOk) {
            Accept();
        } else {
            m_pDialog->Answer(false, m_folder, "");
        }
    }

    bool OnKey(const HfcPlatformEvent& event) override {
        const int ch = event.character;
        if (ch == 13 || ch == 27) {
            // A folder chosen in the listing is entered, when opening and when saving.
            if (ch == 13 && Selected() != nullptr && Selected()->folder) {
                Enter(Target(*Selected()));
                return true;
            }
            return CHfcDialogWindow::OnKey(event);
        }
        if (ch == 30 || ch == 31) {
            const int n = static_cast<int>(m_entries.size());
            if (n == 0) return true;
            Select(m_iSelected < 0 ? 0 : std::clamp(m_iSelected + (ch == 31 ? 1 : -1), 0, n - 1));
            return true;
        }
        if (m_kind == HfcFileDialogKind::Save) {
            if (ch == 8 || ch == 28 || ch == 29 || ch == 127) {
                m_field.KeyDown(ch, CHfcMouse::MacConvertKeyModifiers(event.modifiers));
            } else if (ch >= 32 && ch <= 126 && !event.shortcut) {
                // A name is one entry of the folder shown: no separator.
                if (ch != '/') m_field.Input(ch);
            } else {
                return false;
            }
            Redraw();
            return true;
        }
        // Opening: typing selects the first entry whose name starts with what was typed.
        if (ch >= 32 && ch <= 126 && !event.shortcut) {
            const uint32_t now = HfcGetSystemTimeMs();
            if (now - m_lastTyped > kTypeAheadMs) m_typed.clear();
            m_lastTyped = now;
            m_typed += static_cast<char>(ch);
            for (size_t i = 0; i < m_entries.size(); ++i) {
                if (strncasecmp(m_entries[i].name.c_str(), m_typed.c_str(), m_typed.size()) == 0) {
                    Select(static_cast<int>(i));
                    break;
                }
            }
            return true;
        }
        return false;
    }

    void OnPointerDown(const HfcPlatformEvent& event) override {
        const tagHfcRect type = TypeRect();
        if (!m_pDialog->GetFileTypes().empty() && event.x >= type.left && event.x < type.right &&
            event.y >= type.top && event.y < type.bottom) {
            ChooseType(type);
            return;
        }
        if (event.x < kMargin || event.x >= kWidth - kMargin || event.y < kListTop || event.y >= ListBottom())
            return;
        const int i = m_iTop + (event.y - kListTop) / kRow;
        if (i >= static_cast<int>(m_entries.size())) return;
        if (event.clickCount > 1 && i == m_iSelected) {
            if (m_entries[i].folder) {
                Enter(Target(m_entries[i]));
            } else if (m_kind == HfcFileDialogKind::Open) {
                Accept();
            }
            return;
        }
        Select(i);
    }

    void OnPlatformEvent(const HfcPlatformEvent& event) override {
        if (event.kind == HfcEventKind::MouseWheel && !HfcModalBlocksInput(this)) {
            const int maxTop = std::max(0, static_cast<int>(m_entries.size()) - VisibleRows());
            m_iTop = std::clamp(m_iTop - event.delta * 3, 0, maxTop);
            Redraw();
            return;
        }
        CHfcDialogWindow::OnPlatformEvent(event);
    }

private:
    const Entry* Selected() const {
        return m_iSelected >= 0 && m_iSelected < static_cast<int>(m_entries.size()) ? &m_entries[m_iSelected]
                                                                                    : nullptr;
    }

    std::string Target(const Entry& e) const {
        return e.name == ".." ? Parent(m_folder) : Join(m_folder, e.name);
    }

    void Select(int i) {
        m_iSelected = i;
        if (i < m_iTop) m_iTop = i;
        if (i >= m_iTop + VisibleRows()) m_iTop = i - VisibleRows() + 1;
        if (m_kind == HfcFileDialogKind::Save && Selected() != nullptr && !Selected()->folder)
            SetName(Selected()->name);
        Redraw();
    }

    // The name with its selection (text on the selection colour) or its caret.
    void DrawName(CHfcOffscreenContext* ctx, tagHfcBmpFontInfo* font, int left, int width) {
        const std::string text = GetName();
        const int top = NameTop() + 5;
        auto offset = [&](int position) {
            return HfcGetBmpTextWidth(font, text.substr(0, static_cast<size_t>(position)).c_str());
        };
        ctx->DrawBmpTextProportional(left, top, text.c_str(), width, font, kText, false);
        if (m_field.HasSelection()) {
            const int start = m_field.GetSelectionStart(), end = m_field.GetSelectionEnd();
            const int x = left + offset(start);
            const int w = std::min(offset(end) - offset(start), left + width - x);
            ctx->SetBrushColor(kSelection);
            ctx->FillRect(x, NameTop() + 3, w, 16);
            const std::string part =
                text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start));
            ctx->DrawBmpTextProportional(x, top, part.c_str(), w, font, kSelectionText, false);
        } else {
            ctx->SetBrushColor(kText);
            ctx->FillRect(std::min(left + offset(m_field.GetCursorPosition()), left + width), NameTop() + 4,
                          1, 14);
        }
    }

    void ChooseType(const tagHfcRect& r) {
        CHfcPopupMenu menu;
        menu.Create(0);
        const std::vector<std::string>& types = m_pDialog->GetFileTypes();
        for (size_t i = 0; i < types.size(); ++i)
            menu.InsertItem(static_cast<int>(i), static_cast<int>(i) + 1, types[i].c_str(), 0);
        if (m_iType >= 0 && m_iType < static_cast<int>(types.size())) menu.CheckItem(m_iType, true);
        m_pDialog->BeginBusy();
        const int chosen = menu.TrackPopupById(r.left, r.bottom, this, std::max(0, m_iType));
        // Ended meanwhile: this window is gone.
        if (m_pDialog->EndBusy()) return;
        if (chosen > 0 && chosen - 1 != m_iType) {
            m_iType = chosen - 1;
            Redraw();
            m_pDialog->BeginBusy();
            m_pDialog->OnMacNavCBPopupMenuSelect(chosen - 1);
            if (m_pDialog->EndBusy()) return;
            // Another type shows other files: the folder is listed again through the filter.
            Enter(m_folder);
        }
    }

    void Accept() {
        if (m_kind == HfcFileDialogKind::Open) {
            const Entry* e = Selected();
            if (e == nullptr) return;
            if (e->folder) {
                Enter(Target(*e));
                return;
            }
            m_pDialog->Answer(true, m_folder, e->name);
            return;
        }
        const Entry* e = Selected();
        if (e != nullptr && e->folder) {
            Enter(Target(*e));
            return;
        }
        const std::string name = GetName();
        if (name.empty()) return;
        m_pDialog->Answer(true, m_folder, name);
    }

public:
    // A folder typed as the name is entered, never saved over; the name goes back to the one proposed.
    void EnterFolderNamed(const std::string& name) {
        Enter(Join(m_folder, name));
        SetName(m_proposed);
    }

private:
    CHfcFileDialog* m_pDialog;
    HfcFileDialogKind m_kind;
    std::string m_proposed;
    CHfcEditTextEngine m_field{nullptr, kMaxName + 1};
    std::string m_folder;
    std::vector<Entry> m_entries;
    int m_iSelected = -1;
    int m_iTop = 0;
    int m_iType = -1;
    std::string m_typed;
    uint32_t m_lastTyped = 0;
};

// ---------------------------------------------------------------------------------------------------

CHfcFileDialog::CHfcFileDialog() = default;

CHfcFileDialog::~CHfcFileDialog() {
    Destroy();
}

bool CHfcFileDialog::Create(CHfcWindow* parent, CHfcFileDialogListener* listener, void* userData) {
    m_iItemCount = 0;
    m_items.clear();
    m_pListener = listener;
    m_pUserData = userData;
    m_pParent = parent;
    m_bCreated = true;
    return true;
}

bool CHfcFileDialog::Destroy() {
    if (RunLoop* loop = RunLoop::Current()) loop->CancelOwner(this);
    if (m_pWindow != nullptr) {
        CHfcFileDialogWindow* window = m_pWindow;
        m_pWindow = nullptr;
        window->Close();
        delete window;
    }
    m_bRunning = false;
    m_types.clear();
    m_pListener = nullptr;
    m_bCreated = false;
    return true;
}

bool CHfcFileDialog::SetTitle(const char* title) {
    if (title == nullptr) return false;
    m_title = title;
    if (m_pWindow != nullptr) m_pWindow->SetTitle(title);
    return true;
}

void CHfcFileDialog::SetFilePath(const char* name) {
    m_saveName = name != nullptr ? name : "";
}

bool CHfcFileDialog::AddFileType(const char*, const char* name) {
    m_types.push_back(name != nullptr ? name : "");
    return true;
}

void CHfcFileDialog::SetFileTypeIndex(int index) {
    m_iFileTypeIndex = index;
}

void CHfcFileDialog::SetSaveFileNameToDialog(const char* name) {
    m_saveName = name != nullptr ? name : "";
    if (m_pWindow != nullptr) m_pWindow->SetName(m_saveName);
}

int CHfcFileDialog::MacGetItemFSRef(int index, FSRef* out) const {
    if (out == nullptr || index < 0 || index >= m_iItemCount || index >= static_cast<int>(m_items.size()))
        return -50;
    const std::string& path = m_items[index];
    if (path.size() >= sizeof(out->path)) return -50;
    std::memcpy(out->path, path.c_str(), path.size() + 1);
    return 0;
}

bool CHfcFileDialog::Filter(const std::string& path, bool isFolder) {
    if (m_pListener == nullptr) return true;
    FSRef ref{};
    if (path.size() >= sizeof(ref.path)) return false;
    std::memcpy(ref.path, path.c_str(), path.size() + 1);
    return m_pListener->OnHfcFileDialogBrowseFilterFSRef(this, &ref, isFolder, m_pUserData);
}

void CHfcFileDialog::OnMacNavCBStart() {
    if (m_iFileTypeIndex >= 0 && m_pWindow != nullptr) m_pWindow->SetTypeIndex(m_iFileTypeIndex);
}

void CHfcFileDialog::OnMacNavCBPopupMenuSelect(int index) {
    m_iFileTypeIndex = index;
    if (m_pListener != nullptr) m_pListener->OnHfcFileDialogFileTypeChanged(this, index, m_pUserData);
}

void CHfcFileDialog::OnMacNavCBUserAction(int action) {
    if (action == kActionOpen || action == kActionSaveAs) {
        m_iItemCount = static_cast<int>(m_items.size());
        if (m_pListener != nullptr) m_pListener->OnHfcFileDialogAction(this, 1, m_pUserData);
    } else if (m_pListener != nullptr) {
        m_pListener->OnHfcFileDialogAction(this, 0, m_pUserData);
    }
}

void CHfcFileDialog::OnMacNavCBTerminate() {
    if (m_pWindow != nullptr) {
        CHfcFileDialogWindow* window = m_pWindow;
        m_pWindow = nullptr;
        window->Close();
        delete window;
    }
    m_bRunning = false;
    if (m_bReleased) {
        delete this;
        return;
    }
    // The last call: the listener may delete this dialog.
    if (m_pListener != nullptr) m_pListener->OnHfcFileDialogTerminate(this, m_pUserData);
}

bool CHfcFileDialog::Run(HfcFileDialogKind kind) {
    if (!m_bCreated || m_bRunning) return false;
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr) return false;
    m_kind = kind;
    m_bAnswered = false;
    m_iItemCount = 0;
    m_items.clear();
    const std::string folder = HfcFileDialogStartFolder();
    if (Hook()) {
        HfcFileDialogRequest request{kind, m_title, m_types, m_iFileTypeIndex, m_saveName, folder};
        m_bRunning = true;
        loop->Post(this, [this, request] {
            OnMacNavCBStart();
            const HfcFileDialogAnswer answer = Hook()(request);
            for (int index : answer.typeChanges) OnMacNavCBPopupMenuSelect(index);
            const std::string where = answer.folder.empty() ? request.folder : answer.folder;
            ListFolder(this, where);
            Answer(answer.accepted, where, answer.name);
        });
        return true;
    }
    if (HfcGetPlatform() == nullptr) return false;
    auto* window = new CHfcFileDialogWindow(this, kind, m_saveName);
    if (!window->Open(m_title, folder, m_pParent)) {
        delete window;
        return false;
    }
    m_pWindow = window;
    m_bRunning = true;
    loop->Post(this, [this, folder] {
        OnMacNavCBStart();
        if (m_pWindow != nullptr) m_pWindow->Enter(folder);
    });
    return true;
}

void CHfcFileDialog::Answer(bool accepted, const std::string& folder, const std::string& name) {
    if (!m_bRunning || m_bAnswered) return;
    if (accepted && m_kind == HfcFileDialogKind::Save) {
        const std::string path = Join(folder, name);
        if (!IsUsableName(name)) {
            BeginBusy();
            HfcMessageBoxForWindow(UnusableNameText(name).c_str(), "", nullptr, HFC_MB_OK,
                                   HFC_MB_ICONCAUTION);
            if (EndBusy()) return;
            if (!m_bRunning || m_bAnswered) return;
            if (m_pWindow == nullptr) Answer(false, folder, "");
            return;
        }
        if (IsFolder(path)) {
            // Entered, never replaced; a scripted answer has no dialog to enter it in.
            if (m_pWindow != nullptr) {
                m_pWindow->EnterFolderNamed(name);
            } else {
                Answer(false, folder, "");
            }
            return;
        }
        if (Exists(path)) {
            BeginBusy();
            const int answer = HfcMessageBoxForWindow(HfcReplaceQuestion(name).c_str(), "", nullptr,
                                                      HFC_MB_OKCANCEL, HFC_MB_ICONCAUTION);
            if (EndBusy()) return;                   // ended meanwhile, and perhaps gone
            if (!m_bRunning || m_bAnswered) return;  // answered meanwhile
            if (answer != HFC_MB_RESULT_DEFAULT) {
                // Back to the dialog; a scripted answer has no dialog to go back to.
                if (m_pWindow == nullptr) Answer(false, folder, "");
                return;
            }
        }
    }
    m_bAnswered = true;
    if (accepted) {
        HfcFileDialogSetStartFolder(folder.c_str());
        if (m_kind == HfcFileDialogKind::Save) {
            m_saveName = name;
            m_items = {folder};
        } else {
            m_items = {Join(folder, name)};
        }
    }
    OnMacNavCBUserAction(accepted ? (m_kind == HfcFileDialogKind::Save ? kActionSaveAs : kActionOpen)
                                  : kActionCancel);
    PostTerminate();
}

void CHfcFileDialog::PostTerminate() {
    if (RunLoop* loop = RunLoop::Current()) {
        loop->Post(this, [this] { OnMacNavCBTerminate(); });
    } else {
        OnMacNavCBTerminate();
    }
}

void CHfcFileDialog::Abort() {
    if (!m_bRunning || m_bAborted) return;
    if (RunLoop* loop = RunLoop::Current()) loop->CancelOwner(this);
    if (!m_bAnswered) {
        m_bAnswered = true;
        OnMacNavCBUserAction(kActionCancel);
    }
    if (m_iBusy > 0) {
        // A handler of the dialog is still under its nested loop: the end comes when it returns.
        m_bAborted = true;
        return;
    }
    // At once: whoever listens may be going away right after.
    OnMacNavCBTerminate();
}

void CHfcFileDialog::AbortAndRelease() {
    m_bReleased = true;
    if (!m_bRunning) {
        delete this;
    } else if (!m_bAborted) {
        Abort();  // the listener hears the Cancel; the end may delete this dialog at once
    }
}

bool CHfcFileDialog::EndBusy() {
    --m_iBusy;
    if (!m_bAborted) return false;
    if (m_iBusy == 0) {
        m_bAborted = false;
        OnMacNavCBTerminate();  // the last call: this dialog may be deleted
    }
    return true;
}
