#pragma once
// The progress dialog without a display: every window it is asked for is recorded instead of shown,
// and a test (or a scripted run) presses its Cancel button. Installs itself as the view factory of
// the dialogs for its lifetime.
#include <mutex>
#include <string>
#include <vector>

#include "Linux/AsyncProgress.h"

class CAsyncProgressHeadless {
public:
    CAsyncProgressHeadless();
    // Uninstalls the factory: later dialogs find no window. Destroy it after the dialogs it served.
    ~CAsyncProgressHeadless();
    CAsyncProgressHeadless(const CAsyncProgressHeadless&) = delete;
    CAsyncProgressHeadless& operator=(const CAsyncProgressHeadless&) = delete;

    // While set, no window can be created.
    void SetRefuse(bool refuse);

    bool IsShown() const;
    int WindowsOpened() const;
    std::string Title() const;
    std::string Text() const;  // the text shown now
    int Percent() const;       // the bar shown now
    bool CancelEnabled() const;
    // Every text and bar value shown, in order, over all windows.
    std::vector<std::string> Texts() const;
    std::vector<int> Percents() const;

    // Main thread: presses Cancel of the window shown now; false when none is shown or the button is
    // disabled.
    bool PressCancel();

private:
    class View;
    friend class View;

    mutable std::mutex m_lock;
    View* m_current = nullptr;
    bool m_refuse = false;
    int m_opened = 0;
    std::string m_title;
    std::string m_text;
    int m_percent = 0;
    bool m_cancelEnabled = true;
    std::vector<std::string> m_texts;
    std::vector<int> m_percents;
};
