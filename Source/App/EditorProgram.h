#pragma once
// The standalone program "Tolva Editor": a top-level window holding the plug-in's editor view under
// a strip of menus, audio output through the engine, MIDI inputs through the MIDI manager, the
// settings window, the idle timer with its task queue, and the exit path that leaves the instrument
// as it found it.
#include <atomic>
#include <cstdio>
#include <memory>
#include <string>

#include "Hfc/Core/HfcPlatform.h"
#include "Host/HostedUnit.h"
#include "Host/Shell/SettingsModel.h"
#include "Host/Shell/ShellCore.h"

class RunLoop;
class CHfcX11Platform;
class CPluginComponent;
class IAudioBackend;
class IMidiBackend;
class VintorAudioEngine;
class VintorHostMIDIManager;
class CEditorWindow;
class CSettingsWindow;
class CProgramSignals;

extern const char kEditorProgramName[];  // "Tolva Editor"

struct EditorProgramOptions {
    std::string display;         // empty: $DISPLAY
    std::string pluginOverride;  // empty: the search ($TOLVA_PLUGIN first)
    bool fakeAudio = false;      // $TOLVA_AUDIO=fake: the timer-paced fake device
    std::string settingsPath;    // empty: the preferences file
    FILE* errors = stderr;       // where start-up failures are explained
    // From the environment ($DISPLAY, $TOLVA_PLUGIN, $TOLVA_AUDIO).
    static EditorProgramOptions FromEnvironment();
};

class CEditorProgram final : public IHostShell, private IShellActions, private ISettingsHost {
public:
    explicit CEditorProgram(EditorProgramOptions options);
    ~CEditorProgram();
    CEditorProgram(const CEditorProgram&) = delete;
    CEditorProgram& operator=(const CEditorProgram&) = delete;

    // Start-up; 0 when the window is up, else the exit status (the reason written to the error
    // stream, or shown in an alert for a missing plug-in).
    int Start();
    // Runs until the window is closed or Quit; then the exit path. Returns the exit status.
    int Run();
    // Closes the settings window, stops audio, closes the view, the plug-in (which restores the
    // instrument's local control) and the window. Safe to call more than once.
    void Exit();

    // IHostShell
    void DemandIdleTask(int id) override;
    void AudioAutoStopped() override;

    CShellCommands& Commands() { return m_commands; }
    CPluginComponent* Component() const { return m_component.get(); }
    CSettingsModel* Settings() const { return m_settings.get(); }
    bool SettingsShown() const { return m_settingsWindow != nullptr; }

private:
    // IShellActions
    bool StartAudio() override;
    void StopAudio() override;
    void SetEditWindowLock(bool locked) override;
    void ShowAbout() override;
    void ShowPreferences() override;
    void PluginOperation(int slot) override;
    void Quit() override;
    void NoteAlert(const char* key) override;
    // ISettingsHost
    void SettingsPlayingChanged(bool playing) override;
    void SettingsChanged() override;
    void HideSettings() override;

    int Fail(const std::string& text);
    void ApplySavedSettings();
    void RunIdleTask(int id);
    void IdleTick();

    EditorProgramOptions m_options;
    std::unique_ptr<RunLoop> m_loop;
    std::unique_ptr<CProgramSignals> m_signals;
    std::unique_ptr<CHfcX11Platform> m_platform;
    std::unique_ptr<CEditorWindow> m_window;
    std::unique_ptr<CPluginComponent> m_component;
    std::unique_ptr<IAudioBackend> m_audio;
    IMidiBackend* m_midi = nullptr;
    std::unique_ptr<VintorAudioEngine> m_engine;
    std::unique_ptr<VintorHostMIDIManager> m_midiManager;
    std::unique_ptr<CSettingsModel> m_settings;
    std::atomic<CSettingsModel*> m_settingsForNotices{nullptr};
    std::unique_ptr<CSettingsWindow> m_settingsWindow;
    CIdleTaskQueue m_tasks;
    CShellCommands m_commands{this};
    bool m_toolkitWindows = false;
    bool m_exited = false;
    bool m_started = false;
    bool m_locked = false;
};
