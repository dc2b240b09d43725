#pragma once
// File dialogs: choose one file to open, or a folder and a name to save under. The dialog is our own
// window (a folder listing, a name field for saving, a file-type popup, the buttons), standing over the
// editor like a sheet: GetOneFile shows it and returns at once, and what the user does reaches the
// listener later on the main thread, in this order: the start (the file type index selected), type
// changes, the browse filter once per listed entry, the action (accepted or not), the end.
// While a dialog is up the window it stands for takes no input. Main thread only.
//
// Saving over an existing file asks first ("<name> already exists. Replace it?", OK and Cancel); a
// name typed without the type's extension is saved as typed.
#include <functional>
#include <string>
#include <vector>

#include "Hfc/Base/HfcFsRef.h"

class CHfcWindow;
class CHfcFileDialog;
class CHfcFileDialogWindow;
struct FSSpec;  // the older file form; never handed out here

class CHfcFileDialogListener {
public:
    virtual ~CHfcFileDialogListener() = default;
    virtual void OnHfcFileDialogAction(CHfcFileDialog*, int /*accepted*/, void* /*userData*/) {}
    // Default: destroys and deletes the dialog.
    virtual void OnHfcFileDialogTerminate(CHfcFileDialog* dialog, void* userData);
    virtual void OnHfcFileDialogFileTypeChanged(CHfcFileDialog*, int /*index*/, void* /*userData*/) {}
    virtual bool OnHfcFileDialogBrowseFilterFSRef(CHfcFileDialog*, FSRef*, bool /*isFolder*/, void*) {
        return true;
    }
    virtual bool OnHfcFileDialogBrowseFilterFSSpec(CHfcFileDialog*, FSSpec*, bool /*isFolder*/, void*) {
        return true;
    }
};

enum class HfcFileDialogKind { Open, Save };

class CHfcFileDialog {
public:
    // The user actions of a dialog.
    enum : int { kActionCancel = 0, kActionOpen = 2, kActionSaveAs = 3 };

    CHfcFileDialog();
    virtual ~CHfcFileDialog();
    CHfcFileDialog(const CHfcFileDialog&) = delete;
    CHfcFileDialog& operator=(const CHfcFileDialog&) = delete;

    // parent: the window the dialog stands over (null: the window that had input last).
    virtual bool Create(CHfcWindow* parent, CHfcFileDialogListener* listener, void* userData);
    virtual bool Destroy();

    bool SetTitle(const char* title);
    // The name a save dialog starts with.
    void SetFilePath(const char* name);
    // A file-type popup entry (the pattern is not used).
    bool AddFileType(const char* pattern, const char* name);
    void SetFileTypeIndex(int index);
    // The name in the save field of the running dialog.
    void SetSaveFileNameToDialog(const char* name);
    // 0, or -50 when no item was chosen or index is out of range. Open: the file; save: the folder.
    int MacGetItemFSRef(int index, FSRef* out) const;
    int GetNumItems() const { return m_iItemCount; }
    int GetFileTypeIndex() const { return m_iFileTypeIndex; }
    // The name typed in a save dialog.
    const std::string& GetSaveFileName() const { return m_saveName; }
    const std::string& GetTitle() const { return m_title; }
    const std::vector<std::string>& GetFileTypes() const { return m_types; }
    bool IsRunning() const { return m_bRunning; }

    // The callbacks of the running dialog, in their order.
    virtual void OnMacNavCBStart();
    virtual void OnMacNavCBPopupMenuSelect(int index);
    virtual void OnMacNavCBUserAction(int action);
    virtual void OnMacNavCBTerminate();
    virtual void OnMacNavCBEvent() {}
    virtual void OnMacNavCBCustomize() {}
    virtual void OnMacNavCBAdjustRect() {}
    virtual void OnMacNavCBNewLocation() {}
    virtual void OnMacNavCBShowDesktop() {}
    virtual void OnMacNavCBSelectEntry() {}
    virtual void OnMacNavCBAccept() {}
    virtual void OnMacNavCBCancel() {}
    virtual void OnMacNavCBAdjustPreview() {}
    virtual void OnMacNavCBOpenSelection() {}

    // For the dialog window and the scripted answers: whether an entry is listed.
    bool Filter(const std::string& path, bool isFolder);
    // The user's answer: accepted with the chosen path (open: the file; save: the folder and name).
    void Answer(bool accepted, const std::string& folder, const std::string& name);
    // Ends a running dialog as Cancel does, at once (the window it stands over is going). When one of
    // the dialog's handlers runs a nested loop (a question, the type menu), the end is heard as soon
    // as that handler's loop returns.
    void Abort();
    // For a listener that is going away with the window: ends the dialog as Abort does (the listener
    // still hears the Cancel), then forgets the listener. The dialog, which must have been made with
    // new, deletes itself once it has ended: at once, or when a handler's nested loop returns.
    void AbortAndRelease();
    // Around a nested loop run by the dialog's own handlers. EndBusy is true when the dialog was
    // ended meanwhile: the caller returns at once, touching nothing (the dialog may be gone).
    void BeginBusy() { ++m_iBusy; }
    bool EndBusy();

protected:
    bool Run(HfcFileDialogKind kind);

private:
    void Finish();
    void PostTerminate();

    int m_iItemCount = 0;
    CHfcFileDialogListener* m_pListener = nullptr;
    int m_iFileTypeIndex = -1;
    void* m_pUserData = nullptr;
    bool m_bUseSheet = true;
    bool m_bCreated = false;
    bool m_bRunning = false;
    bool m_bAnswered = false;
    bool m_bAborted = false;
    bool m_bReleased = false;  // ends by deleting itself, without telling the listener
    int m_iBusy = 0;
    HfcFileDialogKind m_kind = HfcFileDialogKind::Open;
    CHfcWindow* m_pParent = nullptr;
    std::string m_title;
    std::string m_saveName;
    std::vector<std::string> m_types;
    std::vector<std::string> m_items;
    CHfcFileDialogWindow* m_pWindow = nullptr;
};

class CHfcOpenFileDialog : public CHfcFileDialog {
public:
    // Shows the dialog; true when it runs (the answer comes through the listener).
    bool GetOneFile() { return Run(HfcFileDialogKind::Open); }
};

class CHfcSaveFileDialog : public CHfcFileDialog {
public:
    bool GetOneFile() { return Run(HfcFileDialogKind::Save); }
    uint32_t m_fileType = 0x20202020;     // '    '
    uint32_t m_fileCreator = 0x20202020;  // '    '
};

// The folder a new dialog starts in: the last one used in this process, else $HOME.
void HfcFileDialogSetStartFolder(const char* folder);
std::string HfcFileDialogStartFolder();

// Scripted answers for tests of callers: the hook sees what the dialog would show and answers in
// place of the user; the listener then hears the same calls in the same order as from the window.
struct HfcFileDialogRequest {
    HfcFileDialogKind kind;
    std::string title;
    std::vector<std::string> types;
    int typeIndex;
    std::string name;    // save: the name it starts with
    std::string folder;  // where it starts
};
struct HfcFileDialogAnswer {
    bool accepted = false;
    std::string folder;            // where the user went
    std::string name;              // open: the file in the folder; save: the typed name
    std::vector<int> typeChanges;  // popup entries chosen, in order
};
using HfcFileDialogHook = std::function<HfcFileDialogAnswer(const HfcFileDialogRequest&)>;
void HfcSetFileDialogHook(HfcFileDialogHook hook);

// Text of the question before a save replaces a file.
std::string HfcReplaceQuestion(const std::string& name);
