#pragma once
// The toolkit's own dialog windows: a transient dialog frame over the window it stands for, drawn at
// run time (chrome fonts, vector marks, push buttons), taking its own pointer and key input, and on
// the modal stack while it is up. On it: the message box (the presenter of HfcMessageBoxForWindow)
// and the progress window of the transfer dialog. Main thread only.
#include <memory>
#include <string>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcWindow.h"
#include "Hfc/Core/HfcWindowLayer.h"
#include "Linux/AsyncProgress.h"

struct tagHfcBmpFontInfo;

// The toolkit's two chrome fonts (null when the strip is missing).
tagHfcBmpFontInfo* HfcChromeFont();
tagHfcBmpFontInfo* HfcChromeFontBold();

class CHfcDialogWindow : public CHfcWindow {
public:
    struct Button {
        std::string text;
        int result;
        tagHfcRect rect;
        bool enabled;
        bool isDefault;
    };
    static constexpr int kButtonWidth = 82;
    static constexpr int kButtonHeight = 24;
    static constexpr int kMargin = 16;

    CHfcDialogWindow();
    ~CHfcDialogWindow() override;

    // Makes the dialog frame width x height centred over the window it stands for (over, else the
    // window that had input last, else the screen), shows it and puts it on the modal stack. False
    // when no frame can be made.
    bool Open(const char* title, int width, int height, CHfcWindow* over = nullptr);
    // Takes the frame down and leaves the modal stack (also done by the destructor).
    void Close();
    // A nested loop until the dialog ends (an answer, Abort, its frame gone, or the loop's quit).
    int RunModal();
    bool IsDone() const { return m_bDone; }
    int GetResult() const { return m_iResult; }
    // Ends the dialog with result.
    void End(int result);
    // Ends it as the close box does (the editor closing under it).
    virtual void Abort() { End(CancelResult()); }

    void OnPlatformEvent(const HfcPlatformEvent& event) override;

    // Buttons, placed right to left from the bottom right corner in the order added.
    Button* AddButton(const char* text, int result, bool isDefault);
    const std::vector<Button>& GetButtons() const { return m_buttons; }

protected:
    // Draws the whole dialog: background, then DrawContent, then the buttons.
    void Redraw();
    virtual void DrawContent(CHfcOffscreenContext*) {}
    // A button was clicked (default: ends the dialog with its result).
    virtual void OnButton(const Button& button) { End(button.result); }
    // Keys: Return clicks the default button, Escape closes; true when taken.
    virtual bool OnKey(const HfcPlatformEvent& event);
    virtual void OnPointerDown(const HfcPlatformEvent&) {}
    virtual void OnPointerUp(const HfcPlatformEvent&) {}
    // The answer of Escape and the close box.
    virtual int CancelResult() const;
    void DrawButton(CHfcOffscreenContext* ctx, const Button& button, bool pressed);
    CHfcWindowLayer* Layer() { return &m_layer; }
    std::vector<Button>& Buttons() { return m_buttons; }

private:
    int ButtonAt(int x, int y) const;

    CHfcWindowLayer m_layer;
    std::vector<Button> m_buttons;
    int m_iPressed = -1;
    bool m_bDone = false;
    bool m_bGone = false;
    bool m_bOnStack = false;
    int m_iResult = 0;
};

// A text cut into lines no wider than width pixels (at spaces where it can).
std::vector<std::string> HfcWrapText(const std::string& text, tagHfcBmpFontInfo* font, int width);

// The message box window: alert mark, bold caption, wrapped text, buttons in result order with the
// default one rightmost.
class CHfcMessageBoxWindow : public CHfcDialogWindow {
public:
    explicit CHfcMessageBoxWindow(const HfcMessageBoxRequest& request);
    bool Open();

protected:
    void DrawContent(CHfcOffscreenContext* ctx) override;
    int CancelResult() const override;

private:
    HfcMessageBoxRequest m_request;
    std::vector<std::string> m_lines;
};

// Shows the box in a nested loop and returns the answer (1-based). On another thread than the
// toolkit's, or with no window to show, the answer is 0 (the caller falls back).
int HfcPresentMessageBox(const HfcMessageBoxRequest& request);

// The progress window: title, text line, a 0-100 bar and Cancel.
class CHfcProgressWindow : public CHfcDialogWindow, public IAsyncProgressView {
public:
    static constexpr int kWidth = 380;
    static constexpr int kHeight = 120;

    explicit CHfcProgressWindow(IAsyncProgressViewOwner* owner);
    ~CHfcProgressWindow() override;
    bool Open();

    void SetTitle(const std::string& title) override;
    void SetText(const std::string& text) override;
    void SetPercent(int percent) override;
    void SetCancelEnabled(bool enabled) override;
    void Abort() override;

    const std::string& GetText() const { return m_text; }
    int GetPercent() const { return m_iPercent; }

protected:
    void DrawContent(CHfcOffscreenContext* ctx) override;
    void OnButton(const Button& button) override;
    int CancelResult() const override { return 0; }

private:
    IAsyncProgressViewOwner* m_pOwner;
    std::string m_text;
    int m_iPercent = 0;
};

// Installs the message box presenter and the progress window factory of the toolkit (both work on
// the installed platform, on the thread that installs them); Uninstall removes them.
void HfcInstallToolkitWindows();
void HfcUninstallToolkitWindows();
