#include "App/EditorProgram.h"

#include <cstdlib>
#include <exception>

#include "App/EditorWindow.h"
#include "App/ProgramFiles.h"
#include "App/ProgramShortcuts.h"
#include "App/ProgramSignals.h"
#include "App/SettingsWindow.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/X11/HfcX11.h"
#include "Host/Audio/AudioBackend.h"
#include "Host/Audio/AudioEngine.h"
#include "Host/Audio/FakeAudio.h"
#include "Host/Component/PluginComponent.h"
#include "Host/HostMIDIManager.h"
#include "Host/HostSupport.h"
#include "Host/SaveData.h"
#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Linux/RunLoop.h"
#include "Linux/Trace.h"

const char kEditorProgramName[] = "Tolva Editor";

namespace {

constexpr uint32_t kIdlePeriodMs = 16;          // the idle timer, about 1/60 s
constexpr uint32_t kDevicePollPeriodMs = 1000;  // the audio device list
constexpr int kDefaultViewWidth = 816;
constexpr int kDefaultViewHeight = 600;
constexpr uint32_t kRenderFrames = 4096;  // the most frames one render asks of the plug-in

}  // namespace

EditorProgramOptions EditorProgramOptions::FromEnvironment() {
    EditorProgramOptions options;
    if (const char* display = std::getenv("DISPLAY")) options.display = display;
    if (const char* audio = std::getenv("TOLVA_AUDIO")) options.fakeAudio = std::string(audio) == "fake";
    return options;
}

CEditorProgram::CEditorProgram(EditorProgramOptions options) : m_options(std::move(options)) {}

CEditorProgram::~CEditorProgram() {
    Exit();
}

int CEditorProgram::Fail(const std::string& text) {
    std::fprintf(m_options.errors, "tolva-editor: %s\n", text.c_str());
    return 1;
}

int CEditorProgram::Start() {
    // The program's name titles every alert.
    ZbrAlert::SetTitleText(kEditorProgramName);
    if (m_options.display.empty()) {
        return Fail("cannot open a window: no X display is set (DISPLAY is empty); run it on a desktop");
    }
    m_loop = std::make_unique<RunLoop>();
    // From here a signal ends the program as Quit does (a signal during start-up, once it runs).
    m_signals = std::make_unique<CProgramSignals>([loop = m_loop.get()](int) { loop->Quit(); });
    m_platform = std::make_unique<CHfcX11Platform>();
    if (!m_platform->Open(m_options.display.c_str())) {
        return Fail("cannot open a window: the X display \"" + m_options.display + "\" does not answer");
    }
    m_platform->Install();
    HfcInstallToolkitWindows();
    m_toolkitWindows = true;

    // The plug-in.
    std::string path = m_options.pluginOverride;
    if (path.empty()) path = FindPluginComponent(PluginSearch::FromEnvironment());
    if (path.empty()) {
        ShowErrorAlert(kPluginComponentNotFound, std::string());
        return Fail(std::string(kPluginComponentNotFound) +
                    " (looked in $TOLVA_PLUGIN, beside the program, " +
                    "$VST_PATH, ~/.vst, /usr/local/lib/vst and /usr/lib/vst)");
    }
    std::string error;
    m_component = CPluginComponent::Open(path, &error);
    if (!m_component) {
        // The plug-in refuses to start while another copy of it runs, here or in a host.
        const std::string lock = HeldPluginComponentLock();
        if (!lock.empty()) {
            const std::string why = "(its single-instance lock " + lock + " is held)";
            ShowErrorAlert(kPluginComponentRunning, why);
            return Fail(std::string(kPluginComponentRunning) + " " + why);
        }
        return Fail(error);
    }
    // It must initialise; it is initialised again when audio starts.
    if (!m_component->Initialize(44100.0, kRenderFrames)) return Fail("the plug-in refused to initialise");
    m_component->Uninitialize();

    // Audio and MIDI.
    if (m_options.fakeAudio) {
        auto fake = std::make_unique<FakeAudioBackend>();
        fake->SetPaced(true);
        m_audio = std::move(fake);
    } else {
        m_audio = CreateAlsaAudioBackend();
    }
    m_engine = std::make_unique<VintorAudioEngine>(m_audio.get(), this);
    m_engine->SetUnit(m_component.get());
    AlsaMidiSetClientName(kEditorProgramName);
    m_midi = AlsaMidiBackend();
    m_midiManager = std::make_unique<VintorHostMIDIManager>(m_midi, m_component.get(), this);
    m_midiManager->SetCpuWatch(&m_engine->CpuLoad());
    m_engine->SetCycleListener(m_midiManager.get());
    m_midiManager->CheckUpdated();
    m_engine->getAllDevices();

    // The settings window's content: device and MIDI lists, the default other settings.
    const std::string settingsPath =
        m_options.settingsPath.empty() ? getSettingFilePath() : m_options.settingsPath;
    m_settings = std::make_unique<CSettingsModel>(m_engine.get(), m_midiManager.get(), m_midi,
                                                  static_cast<ISettingsHost*>(this), settingsPath);
    m_settings->Populate();
    m_settingsForNotices.store(m_settings.get());

    // The window, sized to the plug-in's view (and the menu strip) and centred.
    int width = kDefaultViewWidth, height = kDefaultViewHeight;
    m_component->EditorSize(&width, &height);
    int screenWidth = 0, screenHeight = 0;
    m_platform->GetScreenSize(&screenWidth, &screenHeight);
    const ShellPlacement place =
        PlaceEditorWindow(screenWidth, screenHeight, width, height + EditorWindowLayout::kMenuHeight, 0, 0);
    CEditorWindow::Client client;
    client.command = [this](uint32_t command) { m_commands.Handle(command); };
    client.isEnabled = [this](uint32_t command) { return m_commands.IsEnabled(command); };
    client.close = [this] { Quit(); };  // closing the editor window ends the program with status 0
    client.gone = [this] { Quit(); };
    m_window = std::make_unique<CEditorWindow>(std::move(client));
    if (!m_window->Open(kEditorProgramName, place.left, place.top, width, height)) {
        return Fail("cannot create the program's window");
    }
    GrabProgramShortcuts(m_platform->GetDisplay(), m_window->GetFrame()->GetId());
    m_platform->Sync();
    // The file menu's operations ask over this window and report their failures in alerts.
    m_component->SetFileChooser(
        [this](bool save, bool preset) { return ProgramChooseFile(m_window.get(), save, preset); });
    m_component->SetErrorReporter(
        [](const char* key, const std::string& detail) { ShowErrorAlert(key, detail); });
    if (!m_component->OpenEditor(m_window->ViewParentId()))
        TRACE("Program: the plug-in opened no editor view");
    m_component->SetSizeWindowHandler([this](int w, int h) {
        if (!m_window || w <= 0 || h <= 0) return false;
        m_window->ResizeView(w, h);
        return true;
    });

    ApplySavedSettings();

    m_loop->AddTimer(this, kIdlePeriodMs, kIdlePeriodMs, [this](RunLoop::TimerMessage) { IdleTick(); });
    m_loop->AddTimer(this, kDevicePollPeriodMs, [this](RunLoop::TimerMessage) {
        if (m_engine) m_engine->PollDevices();
    });
    m_started = true;
    return 0;
}

void CEditorProgram::ApplySavedSettings() {
    bool attention = false;
    try {
        attention = m_settings->loadSettings(true);
    } catch (const std::exception& e) {
        TRACE("Program: no saved settings (%s)", e.what());
    }
    bool applied = true;
    try {
        applied = m_settings->setupPressed(false);
    } catch (const std::exception& e) {
        TRACE("Program: applying the settings failed: %s", e.what());
    }
    if (!applied) {
        m_settings->SetNoDevice();
        SettingsPlayingChanged(false);
        ShowPreferences();
    } else if (attention) {
        ShowPreferences();
    }
    m_commands.SetPlaying(m_settings->CanPlay());
}

int CEditorProgram::Run() {
    if (!m_started) return 1;
    m_loop->Run();
    Exit();
    return 0;
}

void CEditorProgram::Exit() {
    if (m_exited) return;
    m_exited = true;
    if (m_loop) m_loop->CancelOwner(this);
    m_settingsForNotices.store(nullptr);
    m_settingsWindow.reset();
    // The view first, then audio, then the plug-in, which disconnects and gives the instrument its
    // local control back. Always in this order, whatever was running.
    if (m_component) m_component->CloseEditor();
    if (m_engine) {
        try {
            m_engine->finishAudio();
        } catch (const std::exception& e) {
            TRACE("Program: stopping audio: %s", e.what());
        }
        m_engine->SetCycleListener(nullptr);
    }
    m_settings.reset();
    m_midiManager.reset();
    m_engine.reset();
    m_component.reset();
    m_audio.reset();
    m_window.reset();
    if (m_toolkitWindows) {
        HfcUninstallToolkitWindows();
        m_toolkitWindows = false;
    }
    if (m_platform) {
        m_platform->Close();
        m_platform.reset();
    }
    m_signals.reset();
    m_loop.reset();
}

void CEditorProgram::IdleTick() {
    m_tasks.Tick([this](int id) { RunIdleTask(id); },
                 [this] {
                     if (m_midiManager) m_midiManager->Idle();
                 });
    if (m_component) m_component->IdleEditor();
}

void CEditorProgram::RunIdleTask(int id) {
    if (!m_settings) return;
    switch (id) {
        case kIdleTaskDeviceChanged:
            NoteAlert("Device changed");
            break;
        case kIdleTaskDeviceInfoError:
            NoteAlert("Device info error");
            break;
        case kIdleTaskDeviceListChanged:
            m_settings->HardwareDevicesChanged();
            DemandIdleTask(kIdleTaskDeviceChanged);
            break;
        case kIdleTaskMIDIChanged:
            m_settings->MIDIDeviceChanged();
            break;
        case kIdleTaskClockChanged:
            m_settings->ClockSourceChanged();
            break;
        case kIdleTaskFormatChanged:
            m_settings->FormatChanged();
            break;
        default:
            break;
    }
}

void CEditorProgram::DemandIdleTask(int id) {
    if (id == kIdleTaskMIDIChanged) {
        if (CSettingsModel* settings = m_settingsForNotices.load()) settings->NoteMidiChange();
    }
    m_tasks.DemandIdleTask(id);
}

void CEditorProgram::AudioAutoStopped() {
    m_commands.SetPlaying(false);
}

bool CEditorProgram::StartAudio() {
    if (!m_engine || m_engine->getCurrentAudioDeviceID() == 0) return false;
    m_engine->startGraph();
    return true;
}

void CEditorProgram::StopAudio() {
    if (m_engine) m_engine->stopGraph();
}

void CEditorProgram::SetEditWindowLock(bool locked) {
    // A window manager moves windows as it likes: the flag is kept for the menu pair only.
    m_locked = locked;
}

void CEditorProgram::ShowAbout() {
    const std::string core = m_component ? m_component->EffectName() : std::string();
    ZbrAlert::MessageAlert(ShellAboutText(kEditorProgramName, TOLVA_PROGRAM_VERSION, core, "1.0.0"),
                           ZbrAlert::kPlain);
}

void CEditorProgram::ShowPreferences() {
    if (!m_settings) return;
    if (m_settingsWindow) {
        if (m_settingsWindow->GetFrame() != nullptr) m_settingsWindow->GetFrame()->SetInputFocus();
        return;
    }
    m_settingsWindow = std::make_unique<CSettingsWindow>(m_settings.get(), static_cast<ISettingsHost*>(this));
    if (!m_settingsWindow->Open(m_window.get())) {
        TRACE("Program: the settings window could not be opened");
        m_settingsWindow.reset();
    }
}

void CEditorProgram::HideSettings() {
    // Called from the window's own handlers: it goes once they have returned.
    if (m_loop && m_settingsWindow) m_loop->Post(this, [this] { m_settingsWindow.reset(); });
}

void CEditorProgram::SettingsChanged() {
    if (m_settingsWindow && m_settingsWindow->GetFrame() != nullptr) m_settingsWindow->Refresh();
}

void CEditorProgram::SettingsPlayingChanged(bool playing) {
    m_commands.SetPlaying(playing);
}

void CEditorProgram::PluginOperation(int slot) {
    if (!m_midiManager) return;
    switch (slot) {
        case 10:
            m_midiManager->HandleBankOpen();
            break;
        case 12:
            m_midiManager->HandleBankSaveAs();
            break;
        case 13:
            m_midiManager->HandlePresetImport();
            break;
        case 14:
            m_midiManager->HandlePresetExport();
            break;
        default:
            break;
    }
}

void CEditorProgram::Quit() {
    if (m_loop) m_loop->Quit();
}

void CEditorProgram::NoteAlert(const char* key) {
    ShowNoteAlert(key);
}
