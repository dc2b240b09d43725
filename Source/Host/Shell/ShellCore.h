#pragma once
// The standalone program's spine without its windows: the main thread's queue of idle tasks, the
// menu commands with their two exclusive pairs, the editor window's placement and the About text.
// The program's windows drive these; tests drive them directly.
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Idle task ids of the program.
enum : int {
    kIdleTaskDeviceChanged = 2,      // note alert "Device changed"
    kIdleTaskDeviceInfoError = 4,    // note alert "Device info error"
    kIdleTaskDeviceListChanged = 6,  // the audio device list changed
    kIdleTaskMIDIChanged = 7,        // the MIDI setup changed
    kIdleTaskClockChanged = 8,       // the output device's clock source changed
    kIdleTaskFormatChanged = 9,      // the output device's format or buffer size changed
};

// Tasks demanded from any thread, run on the main thread by the idle timer.
class CIdleTaskQueue {
public:
    static constexpr int kMaxTasksPerTick = 64;

    // Queues id unless it is queued already, or it is an alert task (1 to 4) whose own alert is
    // being shown (the task being run).
    void DemandIdleTask(int id);
    // One tick of the idle timer: runs every queued task in order through run (tasks demanded while
    // it runs included, up to kMaxTasksPerTick); with nothing queued runs idle instead. Returns the
    // tasks run.
    int Tick(const std::function<void(int)>& run, const std::function<void()>& idle);
    int DoingTask() const;
    std::vector<int> Queued() const;

private:
    mutable std::recursive_mutex m_lock;
    std::vector<int> m_queue;
    int m_doing = 0;
};

// Four-character command ids of the program's menus.
constexpr uint32_t ShellCommandId(const char (&text)[5]) {
    return (static_cast<uint32_t>(static_cast<uint8_t>(text[0])) << 24) |
           (static_cast<uint32_t>(static_cast<uint8_t>(text[1])) << 16) |
           (static_cast<uint32_t>(static_cast<uint8_t>(text[2])) << 8) |
           static_cast<uint32_t>(static_cast<uint8_t>(text[3]));
}
constexpr uint32_t kCmdPlay = ShellCommandId("PLAY");
constexpr uint32_t kCmdStop = ShellCommandId("STOP");
constexpr uint32_t kCmdLock = ShellCommandId("LOCK");
constexpr uint32_t kCmdUnlock = ShellCommandId("ULCK");
constexpr uint32_t kCmdAbout = ShellCommandId("abou");
constexpr uint32_t kCmdPreferences = ShellCommandId("pref");
constexpr uint32_t kCmdBankOpen = ShellCommandId("open");
constexpr uint32_t kCmdBankSaveAs = ShellCommandId("svas");
constexpr uint32_t kCmdPresetImport = ShellCommandId("Impo");
constexpr uint32_t kCmdPresetExport = ShellCommandId("Expo");
constexpr uint32_t kCmdQuit = ShellCommandId("quit");

// What the commands do, supplied by the program (and by tests).
class IShellActions {
public:
    // True when an output device is current (then audio is started).
    virtual bool StartAudio() = 0;
    virtual void StopAudio() = 0;
    virtual void SetEditWindowLock(bool locked) = 0;
    virtual void ShowAbout() = 0;
    virtual void ShowPreferences() = 0;
    // The plug-in object's file operations: 10 bank open, 12 bank save as, 13 preset import, 14
    // preset export.
    virtual void PluginOperation(int slot) = 0;
    virtual void Quit() = 0;
    // A note alert with a localisation key.
    virtual void NoteAlert(const char* key) = 0;

protected:
    ~IShellActions() = default;
};

enum class CommandResult { kHandled, kNotHandled };

// The menu commands and the enabled state of their items.
class CShellCommands {
public:
    explicit CShellCommands(IShellActions* actions) : m_actions(actions) {}
    // Runs a menu command; unknown ids and failures answer not handled.
    CommandResult Handle(uint32_t command);
    bool IsEnabled(uint32_t command) const;
    // After start-up: canPlay enables Stop, else Play.
    void SetPlaying(bool playing);
    bool Locked() const { return !m_lockEnabled; }

private:
    IShellActions* m_actions;
    bool m_playEnabled = true;
    bool m_lockEnabled = true;
};

// Where the editor window goes on the screen: centred, and below the menu bar when centring would
// put its title under it. Sizes round to the nearest pixel, halves up.
struct ShellPlacement {
    int left, top, width, height;
};
ShellPlacement PlaceEditorWindow(int screenWidth, int screenHeight, double viewWidth, double viewHeight,
                                 int menuBarHeight, int titleBarHeight);

// "Host: <name> version <version>\nCore: <name> version <version>".
std::string ShellAboutText(const std::string& hostName, const std::string& hostVersion,
                           const std::string& coreName, const std::string& coreVersion);
