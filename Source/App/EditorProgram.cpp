#include "App/EditorProgram.h"

#include <cstdlib>
#include <exception>

#include "Hfc/Base/HfcMessageBox.h"
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
    ZbrAlert::SetTitleText(kEditorProgramName);
    if (m_options.display.empty()) {
        return Fail("cannot open a window: no X display is set (DISPLAY is empty); run it on a desktop");
    }
    m_loop = std::make_unique<RunLoop>();
    m_platform = std::make_unique<CHfcX11Platform>();
    if (!m_platform->Open(m_options.display.c_str())) {
        return Fail("cannot open a window: the X display \"" + m_options.display + "\" does not answer");
    }
    m_platform->Install();

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
    if (!m_component) return Fail(error);
    // It must initialise; it is initialised again when audio starts.
    if (!m_component->Initialize(44100.0, kRenderFrames)) return Fail("the plug-in refused to initialise");
    m_component->Uninitialize();

    // Audio and MIDI.
    m_audio = m_options.fakeAudio ? std::unique_ptr<IAudioBackend>(std::make_unique<FakeAudioBackend>())
                                  : CreateAlsaAudioBackend();
    m_engine = std::make_unique<VintorAudioEngine>(m_audio.get(), this);
    m_engine->SetUnit(m_component.get());
    AlsaMidiSetClientName(kEditorProgramName);
    m_midi = AlsaMidiBackend();
    m_midiManager = std::make_unique<VintorHostMIDIManager>(m_midi, m_component.get(), this);
    m_engine->SetCycleListener(m_midiManager.get());
    m_engine->getAllDevices();
    ApplySavedSettings();
    m_commands.SetPlaying(m_canPlay);

    // The window, sized to the plug-in's view and centred.
    int width = kDefaultViewWidth, height = kDefaultViewHeight;
    m_component->EditorSize(&width, &height);
    int screenWidth = 0, screenHeight = 0;
    m_platform->GetScreenSize(&screenWidth, &screenHeight);
    const ShellPlacement place = PlaceEditorWindow(screenWidth, screenHeight, width, height, 0, 0);
    HfcFrameParams params;
    params.kind = HfcFrameKind::TopLevel;
    params.x = place.left;
    params.y = place.top;
    params.width = place.width;
    params.height = place.height;
    params.title = kEditorProgramName;
    m_frame = m_platform->CreateFrame(params, this);
    if (m_frame == nullptr) return Fail("cannot create the program's window");
    m_frame->Show();
    m_platform->Sync();
    if (!m_component->OpenEditor(m_frame->GetId())) TRACE("Program: the plug-in opened no editor view");
    m_component->SetSizeWindowHandler([this](int w, int h) {
        if (m_frame == nullptr || w <= 0 || h <= 0) return false;
        m_frame->Resize(w, h);
        return true;
    });

    m_loop->AddTimer(this, kIdlePeriodMs, kIdlePeriodMs, [this](RunLoop::TimerMessage) { IdleTick(); });
    m_loop->AddTimer(this, kDevicePollPeriodMs, [this](RunLoop::TimerMessage) {
        if (m_engine) m_engine->PollDevices();
    });
    m_started = true;
    return 0;
}

void CEditorProgram::ApplySavedSettings() {
    SaveData saved;
    const std::string path = m_options.settingsPath.empty() ? getSettingFilePath() : m_options.settingsPath;
    try {
        saved = SaveDataReadFile(path);
    } catch (const std::exception& e) {
        TRACE("Program: no saved settings (%s)", e.what());
        return;
    }
    if (m_midiManager) m_midiManager->SetKnobMode(static_cast<int>(saved.knobMode));
    uint32_t device = 0;
    const int index = m_engine->getAudioDeviceIndexByName(saved.deviceName, &device);
    if (index < 0) {
        TRACE("Program: the saved output device \"%s\" is not present", saved.deviceName.c_str());
        return;
    }
    if (m_engine->getAudioStreamIndexByAudioStreamBasicDescription(device, saved.format) < 0) {
        TRACE("Program: the saved format is not offered by \"%s\"", saved.deviceName.c_str());
        return;
    }
    bool failed = false, result = false;
    m_engine->graphSetOutputDeviceAndStream(device, m_engine->IsDeviceAnyRateAtIndex(index), saved.format,
                                            saved.bufferFrames, saved.firstChannel, false,
                                            saved.clockSourceID, false, &failed, &result);
    if (failed || !result) return;
    m_engine->startGraph();
    m_canPlay = m_engine->IsPlaying();
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
    // The view first, then audio, then the plug-in, which disconnects and gives the instrument its
    // local control back.
    if (m_component) m_component->CloseEditor();
    if (m_engine) {
        try {
            m_engine->finishAudio();
        } catch (const std::exception& e) {
            TRACE("Program: stopping audio: %s", e.what());
        }
        m_engine->SetCycleListener(nullptr);
    }
    m_midiManager.reset();
    m_engine.reset();
    m_component.reset();
    m_audio.reset();
    if (m_platform && m_frame) m_platform->DestroyFrame(m_frame);
    m_frame = nullptr;
    if (m_platform) {
        m_platform->Close();
        m_platform.reset();
    }
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
    switch (id) {
        case kIdleTaskDeviceChanged:
            NoteAlert("Device changed");
            break;
        case kIdleTaskDeviceInfoError:
            NoteAlert("Device info error");
            break;
        case kIdleTaskDeviceListChanged:
            if (m_engine) m_engine->getAllDevices();
            DemandIdleTask(kIdleTaskDeviceChanged);
            break;
        case kIdleTaskMIDIChanged:
            if (m_midiManager) m_midiManager->CheckUpdated();
            break;
        case kIdleTaskFormatChanged:
            if (m_engine) m_engine->DeviceFormatChangedTask();
            break;
        default:
            break;
    }
}

void CEditorProgram::DemandIdleTask(int id) {
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
    TRACE("Program: the settings window is not available yet");
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

void CEditorProgram::OnPlatformEvent(const HfcPlatformEvent& event) {
    switch (event.kind) {
        case HfcEventKind::Close:
            Quit();  // closing the editor window ends the program with status 0
            break;
        case HfcEventKind::Destroyed:
            m_frame = nullptr;
            Quit();
            break;
        case HfcEventKind::KeyDown:
            if (event.shortcut && (event.character == 'q' || event.character == 'Q')) {
                m_commands.Handle(kCmdQuit);
            }
            break;
        default:
            break;
    }
}
