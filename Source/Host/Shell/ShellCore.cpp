#include "Host/Shell/ShellCore.h"

#include <algorithm>
#include <cmath>
#include <exception>

#include "Linux/Trace.h"

// ---- Idle tasks

void CIdleTaskQueue::DemandIdleTask(int id) {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    if (std::find(m_queue.begin(), m_queue.end(), id) != m_queue.end()) return;
    if (id >= 1 && id <= 4 && id == m_doing) return;
    m_queue.push_back(id);
}

int CIdleTaskQueue::Tick(const std::function<void(int)>& run, const std::function<void()>& idle) {
    int count = 0;
    // Tasks that keep demanding each other would hold the main thread for ever: after a bounded
    // number the rest waits for the next tick.
    while (count < kMaxTasksPerTick) {
        int id = 0;
        {
            std::lock_guard<std::recursive_mutex> lock(m_lock);
            if (m_queue.empty()) break;
            id = m_queue.front();
            m_queue.erase(m_queue.begin());
        }
        int previous = 0;
        {
            std::lock_guard<std::recursive_mutex> lock(m_lock);
            previous = m_doing;
            m_doing = id;
        }
        try {
            if (run) run(id);
        } catch (const std::exception& e) {
            TRACE("Shell: idle task %d failed: %s", id, e.what());
        }
        {
            std::lock_guard<std::recursive_mutex> lock(m_lock);
            m_doing = previous;
        }
        ++count;
    }
    if (count == 0 && idle) idle();
    return count;
}

int CIdleTaskQueue::DoingTask() const {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_doing;
}

std::vector<int> CIdleTaskQueue::Queued() const {
    std::lock_guard<std::recursive_mutex> lock(m_lock);
    return m_queue;
}

// ---- Commands

CommandResult CShellCommands::Handle(uint32_t command) {
    try {
        switch (command) {
            case kCmdPlay:
                if (m_actions->StartAudio()) {
                    m_playEnabled = false;
                } else {
                    m_actions->NoteAlert("Can not play Audio");
                }
                return CommandResult::kHandled;
            case kCmdStop:
                m_actions->StopAudio();
                m_playEnabled = true;
                return CommandResult::kHandled;
            case kCmdLock:
                m_actions->SetEditWindowLock(true);
                m_lockEnabled = false;
                return CommandResult::kNotHandled;  // the window's own handling runs too
            case kCmdUnlock:
                m_actions->SetEditWindowLock(false);
                m_lockEnabled = true;
                return CommandResult::kNotHandled;
            case kCmdAbout:
                m_actions->ShowAbout();
                return CommandResult::kHandled;
            case kCmdPreferences:
                m_actions->ShowPreferences();
                return CommandResult::kHandled;
            case kCmdBankOpen:
                m_actions->PluginOperation(10);
                return CommandResult::kHandled;
            case kCmdBankSaveAs:
                m_actions->PluginOperation(12);
                return CommandResult::kHandled;
            case kCmdPresetImport:
                m_actions->PluginOperation(13);
                return CommandResult::kHandled;
            case kCmdPresetExport:
                m_actions->PluginOperation(14);
                return CommandResult::kHandled;
            case kCmdQuit:
                m_actions->Quit();
                return CommandResult::kHandled;
            default:
                return CommandResult::kNotHandled;
        }
    } catch (const std::exception& e) {
        TRACE("Shell: command failed: %s", e.what());
        return CommandResult::kNotHandled;
    }
}

bool CShellCommands::IsEnabled(uint32_t command) const {
    switch (command) {
        case kCmdPlay:
            return m_playEnabled;
        case kCmdStop:
            return !m_playEnabled;
        case kCmdLock:
            return m_lockEnabled;
        case kCmdUnlock:
            return !m_lockEnabled;
        default:
            return true;
    }
}

void CShellCommands::SetPlaying(bool playing) {
    m_playEnabled = !playing;
}

// ---- Placement and About

ShellPlacement PlaceEditorWindow(int screenWidth, int screenHeight, double viewWidth, double viewHeight,
                                 int menuBarHeight, int titleBarHeight) {
    ShellPlacement p{};
    p.width = static_cast<int>(std::floor(viewWidth + 0.5));
    p.height = static_cast<int>(std::floor(viewHeight + 0.5));
    p.left = (screenWidth - p.width) / 2;
    p.top = (screenHeight - p.height) / 2;
    if (menuBarHeight > p.top - titleBarHeight) p.top = titleBarHeight + menuBarHeight + 2;
    return p;
}

std::string ShellAboutText(const std::string& hostName, const std::string& hostVersion,
                           const std::string& coreName, const std::string& coreVersion) {
    return "Host: " + hostName + " version " + hostVersion + "\nCore: " + coreName + " version " +
           coreVersion;
}
