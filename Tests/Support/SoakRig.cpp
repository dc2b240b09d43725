#include "Support/SoakRig.h"

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <deque>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <thread>
#include <typeinfo>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Editor/BackgroundLayer.h"
#include "Common/Editor/QorVstEditor.h"
#include "Common/Files/Persist.h"
#include "Common/Layers/TabControl.h"
#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Plugin/AtomicInstance.h"
#include "Common/Plugin/PluginEditor.h"
#include "Common/Plugin/QorVst.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcDialogs.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Hfc/Core/HfcModal.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Hfc/Headless/HfcHeadless.h"
#include "Linux/AsyncProgress.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Linux/Sync.h"
#include "Linux/Trace.h"
#include "Support/SimImage.h"
#include "Support/SimInstrument.h"
#include "Support/SimLoopback.h"
#include "Support/SimTableLocator.h"
#include "Support/TempConfigHome.h"
#include "Support/TestHost.h"

namespace Soak {

namespace {

struct ActInfo {
    const char* name;
    int weight;
};
constexpr ActInfo kActs[] = {
    {"HostSaveBank", 6},   {"HostSavePreset", 3}, {"HostRestore", 3},      {"HostRestoreDamaged", 2},
    {"HostEditor", 3},     {"HostMidi", 3},       {"HostParameter", 3},    {"HostProgram", 2},
    {"HostSuspend", 1},    {"HostReopen", 3},     {"UserMode", 3},         {"UserSound", 4},
    {"UserDrag", 4},       {"UserArrows", 3},     {"UserType", 3},         {"UserKeyPress", 4},
    {"UserKeyRelease", 3}, {"UserWheelPress", 2}, {"UserWheelRelease", 2}, {"UserOpenFile", 5},
    {"UserSaveFile", 3},   {"UserImport", 1},     {"UserExport", 1},       {"UserBrowser", 2},
    {"UserAnswer", 2},     {"InstPanel", 3},      {"InstSilent", 1},       {"InstOff", 2},
    {"InstFault", 2},
};
static_assert(sizeof kActs / sizeof kActs[0] == static_cast<size_t>(Act::kCount));

// Waits of the drawing thread (and of host calls) that a silent instrument can make long: the limit
// a link asks for its shortest reply.
constexpr unsigned kInstrumentWaitMs = 900;
// How long the instrument gets to come back online after a power cycle or a fault ends (a few of the
// link's polls); waiting is not asserted, only the state reached.
constexpr uint32_t kComeBackMs = 7000;
// "A while" of an instrument switched off or silent: longer than the link's poll period.
constexpr uint32_t kWhileMs = 2600;

// ---- blocking waits, counted by thread

std::atomic<std::thread::id> g_drawingThread{};
std::atomic<bool> g_inHostCall{false};
std::atomic<long> g_drawingWaits{0};       // every blocking wait of the drawing thread
std::atomic<long> g_drawingWaitedOut{0};   // of them, long ones that ended by time-out
std::atomic<long> g_hostCallWaitedOut{0};  // long ones that ended by time-out inside a host call

void ObserveWait(unsigned ms, bool signalled) {
    if (std::this_thread::get_id() != g_drawingThread.load()) return;
    g_drawingWaits.fetch_add(1);
    if (signalled || ms < kInstrumentWaitMs || ms == XEvent::INFINITE_WAIT) return;
    g_drawingWaitedOut.fetch_add(1);
    if (g_inHostCall.load()) g_hostCallWaitedOut.fetch_add(1);
}

struct HostCallScope {
    HostCallScope() { g_inHostCall.store(true); }
    ~HostCallScope() { g_inHostCall.store(false); }
};

VstIntPtr HostCallback(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void* ptr, float) {
    if (opcode == audioMasterVersion) return 2400;
    if (opcode == audioMasterGetProductString && ptr != nullptr) {
        std::strcpy(static_cast<char*>(ptr), "Soak Host");
        return 1;
    }
    return 0;
}

std::string g_portName;

using Image = QorX0::CHUNK_REMOTESYNTH;

std::vector<Sim::ImageDiff> Diff(Sim::Model model, const Image& a, const Image& b, bool all = true) {
    Sim::SimImage left(model);
    left.CopyFrom(a.Bytes(), sizeof a);
    std::vector<Sim::ImageDiff> out;
    for (const Sim::ImageDiff& d : left.Compare(b.Bytes(), sizeof b))
        if (all || (d.area != Sim::Area::ExtControl && d.area != Sim::Area::CurMulti)) out.push_back(d);
    return out;
}

// The first few records of a difference, and how many there are.
// Sounds are counted by bank ("programs of bank C (128)"), other records named one by one.
std::string Short(const std::vector<Sim::ImageDiff>& diffs) {
    std::vector<std::pair<std::string, int>> groups;
    for (const Sim::ImageDiff& d : diffs) {
        std::string name = d.label;
        if ((d.area == Sim::Area::Program || d.area == Sim::Area::Combination) && d.index >= 0)
            name = std::string(d.area == Sim::Area::Program ? "programs" : "combinations") + " of bank " +
                   static_cast<char>('A' + d.index / 128);
        else if (d.area == Sim::Area::DrumKit)
            name = "drum kits";
        else if (d.area == Sim::Area::ArpPattern)
            name = "arpeggio patterns";
        else if (d.area == Sim::Area::ExtControl)
            name = "external-control sets";
        else if (d.area == Sim::Area::Multi)
            name = "multis";
        if (!groups.empty() && groups.back().first == name)
            ++groups.back().second;
        else
            groups.push_back({name, 1});
    }
    std::string s;
    for (const auto& [name, n] : groups)
        s += (s.empty() ? "" : ", ") + (n > 1 ? name + " (" + std::to_string(n) + ")" : name);
    return s;
}

std::string ReadAll(const std::string& path) {
    std::ifstream is(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(is), std::istreambuf_iterator<char>());
}
void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream os(path, std::ios::binary | std::ios::trunc);
    os.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A cut or changed copy: the choice comes from arg.
std::string Damage(std::string bytes, uint32_t arg) {
    if (bytes.empty()) return bytes;
    switch (arg % 3) {
        case 0:  // cut short
            bytes.resize(bytes.size() * ((arg >> 4) % 90 + 5) / 100);
            break;
        case 1:  // a header byte changed
            bytes[(arg >> 4) % std::min<size_t>(bytes.size(), 16)] ^= 0x5A;
            break;
        default:  // the tail lost
            bytes.resize(bytes.size() > 8 ? bytes.size() - 8 : 0);
            break;
    }
    return bytes;
}

struct SavedChunk {
    std::string bytes;
    bool preset = false;
    std::unique_ptr<Image> shown;  // what the editor showed when it was saved
};

struct SavedFile {
    std::string path;
    QorX0::FTYPE kind;
    unsigned index;
};

class Rig {
public:
    explicit Rig(const Options& options)
        : m_options(options), m_model(static_cast<Sim::Model>(options.model)) {}
    ~Rig() { TearDown(); }

    Verdict Run(const std::vector<Step>& steps);

private:
    // ---- set-up
    bool SetUp();
    void TearDown();
    void PowerOn();
    void PowerOff();
    bool MakeEffect(const std::string* chunk);
    void CloseEffect();
    bool OpenEditor();
    void CloseEditor();

    // ---- the loop and the host's audio
    void Pump(uint32_t ms) {
        m_loop.RunUntil([] { return false; }, ms);
    }
    template <class F>
    bool PumpUntil(F cond, uint32_t ms) {
        return m_loop.RunUntil(cond, ms);
    }
    void Block();
    void Settle();
    VstIntPtr Dispatch(VstInt32 op, VstInt32 index = 0, VstIntPtr value = 0, void* ptr = nullptr,
                       float opt = 0) {
        HostCallScope scope;
        return m_effect->dispatcher(m_effect, op, index, value, ptr, opt);
    }

    // ---- what the editor shows, and the instrument holds
    QorX0::CRemoteSynthImpl* Impl() const { return dynamic_cast<QorX0::CRemoteSynthImpl*>(m_synth); }
    std::unique_ptr<Image> Shown() const {
        auto im = std::make_unique<Image>();
        if (QorX0::CRemoteSynthImpl* impl = Impl()) impl->CopyImage(im.get());
        return im;
    }
    bool Connected() const {
        return m_synth != nullptr && m_synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, nullptr);
    }
    bool Online() const {
        bool online = false;
        return m_synth != nullptr &&
               m_synth->GetConnectionState(nullptr, nullptr, nullptr, nullptr, &online) && online;
    }
    bool Healthy() const { return m_powered && m_silentSteps == 0 && m_faultSteps == 0; }
    BackgroundLayer* Root() const;

    // ---- steps
    void Do(const Step& step);
    void HostSave(bool preset);
    void HostRestore(uint32_t arg, bool damaged);
    void HostReopen(uint32_t arg);
    void UserValue(uint32_t arg, int way);
    void UserKey(bool press, uint32_t arg);
    void UserWheel(bool press, uint32_t arg);
    void EndGestures();
    void UserOpen(uint32_t arg);
    void UserSave(uint32_t arg, bool pcg);
    void UserImport(uint32_t arg);
    void UserBrowser(uint32_t arg);
    void InstPanel(uint32_t arg);
    void InstFault(uint32_t arg);
    void Expire();
    bool Utility(const std::string& item, const std::string& folder, const std::string& name,
                 std::vector<int> rows, bool accepted);
    bool LoadIntoFresh(const std::string& bytes, unsigned index, Image* out, bool* loaded);
    void CheckFile(const SavedFile& file, const Image& shown);

    // ---- invariants
    void Fail(const std::string& key, const std::string& detail);
    void CheckAll();
    void CheckSync();
    void TakeNotes();  // what the instrument heard since the last look
    bool AtRest() const;
    void CheckNotes();
    void CheckWaits();
    void Note(const char* what) {
        if (m_options.trace) std::fprintf(stderr, "  . %s\n", what);
    }

    Options m_options;
    Sim::Model m_model;
    Verdict m_verdict;
    int m_stepIndex = -1;

    std::unique_ptr<Sim::TempConfigHome> m_config;
    RunLoop m_loop;
    CHfcHeadlessScreen m_screen{1280, 800};
    CMidiLoopback m_loopback;
    std::unique_ptr<Sim::SimInstrument> m_sim;
    std::unique_ptr<Sim::SimLoopbackPort> m_port;
    std::string m_dir;
    AEffect* m_effect = nullptr;
    QorVst* m_vst = nullptr;
    QorX0::IRemoteSynth* m_synth = nullptr;
    uintptr_t m_hostWindow = 0;
    bool m_editorOpen = false;
    bool m_suspended = false;
    bool m_setUp = false;

    // The instrument.
    bool m_powered = true;
    int m_offSteps = 0;
    int m_silentSteps = 0;
    int m_faultSteps = 0;
    bool m_everOnline = false;  // it answered this effect once: it must come back

    // The user.
    bool m_keyHeld = false;
    bool m_wheelHeld = false;
    bool m_answerYes = false;
    std::vector<std::string> m_boxes;  // texts of the boxes of this step
    bool m_toldSinceSync = false;      // a box told the user something since the two sides agreed
    bool m_modalInGesture = false;     // a modal window opened while a gesture was held, this step
    bool m_closedInGesture = false;    // the window closed while a gesture was held, this step
    bool m_effectClosed = false;       // the host closed the effect, this step
    bool m_gaveUp = false;  // the instrument did not come back: not waited for again until it is switched on
    std::vector<SavedFile> m_files;
    int m_fileCount = 0;
    // The popup menu's choice and the file dialog's answer for the next Utility item.
    std::string m_menuChoice;
    HfcFileDialogAnswer m_fileAnswer;

    // The host.
    std::deque<SavedChunk> m_chunks;  // a deque: m_lastBank stays where it points
    const SavedChunk* m_lastBank = nullptr;

    // Records loaded while no instrument answered (what they must still be once it answers).
    std::map<std::pair<int, int>, std::vector<uint8_t>> m_pendingRecords;

    // Notes and bends the instrument heard from the editor and the host.
    std::map<int, int> m_noteBalance;  // channel << 8 | note -> ons minus offs
    std::map<int, int> m_lastBend;     // channel -> last 14-bit bend
    long m_waitedOutSeen = 0;
    long m_hostWaitedOutSeen = 0;
};

BackgroundLayer* Rig::Root() const {
    if (!m_editorOpen || m_vst == nullptr) return nullptr;
    auto* shell = dynamic_cast<QorVstEditorShell*>(m_vst->getEditor());
    QorVstEditor* editor = shell != nullptr ? shell->GetWindow() : nullptr;
    return editor != nullptr ? editor->GetRootLayer() : nullptr;
}

// ---- set-up

bool Rig::SetUp() {
    m_config = std::make_unique<Sim::TempConfigHome>();
    if (m_options.productTrace) g_enabletrace = 1;
    char pattern[] = "/tmp/tolva-soak-XXXXXX";
    if (mkdtemp(pattern) == nullptr) return false;
    m_dir = pattern;
    CAtomicInstance::SetFolder(m_dir);
    MidiBackendSet(&m_loopback);
    m_screen.Install();
    g_drawingThread.store(std::this_thread::get_id());
    g_drawingWaits = 0;
    g_drawingWaitedOut = 0;
    g_hostCallWaitedOut = 0;
    XEvent::SetWaitObserver(&ObserveWait);
    // The toolkit's own boxes and progress windows, on the headless screen: each is a modal window,
    // answered by a key as a person would, and noted.
    HfcInstallToolkitWindows();
    RunLoop* owner = &m_loop;
    HfcSetMessageBoxPresenter([this, owner](const HfcMessageBoxRequest& request) {
        if (RunLoop::Current() != owner) return 0;
        m_boxes.push_back(request.caption + " / " + request.text);
        m_toldSinceSync = true;
        if (m_options.trace) std::fprintf(stderr, "  . box: %s\n", m_boxes.back().c_str());
        if (m_keyHeld || m_wheelHeld) m_modalInGesture = true;
        const int key = m_answerYes ? 13 : 27;
        m_loop.Post(nullptr, [this, key] { m_screen.Key(key, 0); });
        return HfcPresentMessageBox(request);
    });
    AsyncProgressSetViewFactory(
        [this, owner](IAsyncProgressViewOwner* viewOwner) -> std::unique_ptr<IAsyncProgressView> {
            if (RunLoop::Current() != owner || HfcGetPlatform() == nullptr) return nullptr;
            if (m_keyHeld || m_wheelHeld) m_modalInGesture = true;
            Note("a progress window opens");
            auto view = std::make_unique<CHfcProgressWindow>(viewOwner);
            if (!view->Open()) return nullptr;
            return view;
        });
    HfcSetPopupMenuHook([this](const HfcPopupMenuRequest& r) {
        for (const CHfcPopupMenu::Item& item : r.items)
            if (item.text == m_menuChoice && (item.flags & 3u) == 0) return item.id;
        return 0;
    });
    HfcSetFileDialogHook([this](const HfcFileDialogRequest&) { return m_fileAnswer; });
    SetPluginEditorHooks(&QorVstEditorShell::Hooks());

    m_sim = std::make_unique<Sim::SimInstrument>(m_model, 0);
    m_sim->With([this](Sim::SimCore& c) {
        c.Image().FillFactory(m_options.imageSeed);
        c.SetParamLocator(Sim::MakeTableLocator(c.GetModel(), &c.Image()));
    });
    PowerOn();
    QorVst::SetSynthFactory([](unsigned char m) -> QorX0::IRemoteSynth* {
        QorX0::IRemoteSynth* synth = QorX0::RemoteSynthCreate(m);
        synth->SetMIDIInPortName(g_portName.c_str());
        synth->SetMIDIOutPortName(g_portName.c_str());
        return synth;
    });
    m_setUp = true;
    if (!MakeEffect(nullptr)) return false;
    // A library of files of the instrument's own data, of several kinds, to open later.
    const struct {
        const char* name;
        QorX0::FTYPE kind;
        unsigned index;
    } library[] = {
        {"lib.Xall", QorX0::FTYPE_ALL, 0},      {"lib.Xbankprog", QorX0::FTYPE_BANKPROG, 1},
        {"lib.X1prog", QorX0::FTYPE_PROG, 0},   {"lib.Xbankcombi", QorX0::FTYPE_BANKCOMBI, 1},
        {"lib.X1combi", QorX0::FTYPE_COMBI, 0}, {"lib.X1dkit", QorX0::FTYPE_DKIT, 3},
    };
    for (const auto& l : library) {
        const std::string path = m_dir + "/" + l.name;
        if (m_synth->SaveFile(path.c_str(), l.kind, l.index)) m_files.push_back({path, l.kind, l.index});
    }
    // And a project of an earlier day: the host's bank chunk of an editor that held the whole memory.
    {
        std::unique_ptr<QorX0::IRemoteSynth> earlier(QorX0::RemoteSynthCreate(m_options.model));
        SavedChunk project;
        project.shown = std::make_unique<Image>();
        std::ostringstream os(std::ios::binary);
        if (earlier && !m_files.empty() && earlier->LoadFile(m_files[0].path.c_str(), 0) &&
            earlier->SaveStream(os, QorX0::FTYPE_VSTBANK, 0)) {
            project.bytes = std::move(os).str();
            if (auto* impl = dynamic_cast<QorX0::CRemoteSynthImpl*>(earlier.get()))
                impl->CopyImage(project.shown.get());
            m_chunks.push_back(std::move(project));
            m_lastBank = &m_chunks.back();
        }
        earlier.reset();
        Pump(5);
    }
    return true;
}

void Rig::TearDown() {
    if (!m_setUp) return;
    m_setUp = false;
    EndGestures();
    CloseEffect();
    QorVst::SetSynthFactory(nullptr);
    SetPluginEditorHooks(nullptr);
    HfcSetPopupMenuHook(nullptr);
    HfcSetFileDialogHook(nullptr);
    HfcUninstallToolkitWindows();
    XEvent::SetWaitObserver(nullptr);
    m_port.reset();
    m_sim.reset();
    MidiBackendSet(nullptr);
    CAtomicInstance::SetFolder("");
    std::error_code error;
    std::filesystem::remove_all(m_dir, error);
    m_config.reset();
}

void Rig::PowerOn() {
    m_port = std::make_unique<Sim::SimLoopbackPort>(m_loopback, *m_sim);
    g_portName = m_port->KeyName();
    m_powered = true;
    m_gaveUp = false;
    // A switched-on instrument plays no note and has its wheel at rest.
    m_sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    m_noteBalance.clear();
    m_lastBend.clear();
}

void Rig::PowerOff() {
    m_port.reset();
    m_powered = false;
}

bool Rig::MakeEffect(const std::string* chunk) {
    {
        HostCallScope scope;
        m_effect = static_cast<AEffect*>(QorVst::CreateInstance(m_options.model, &HostCallback));
    }
    if (m_effect == nullptr) {
        Fail("host/no-effect", "the entry made no effect");
        return false;
    }
    m_vst = static_cast<QorVst*>(AudioEffect::FromAEffect(m_effect));
    m_synth = m_vst->GetRemoteSynth();
    m_everOnline = false;
    m_suspended = false;
    Dispatch(effOpen);
    Dispatch(effSetSampleRate, 0, 0, nullptr, 48000.0f);
    Dispatch(effSetBlockSize, 0, 256);
    Dispatch(effMainsChanged, 0, 1);
    if (chunk != nullptr) {
        // A project reopened: the host hands its state over before anything else runs.
        auto before = Shown();
        const VstIntPtr ok =
            Dispatch(effSetChunk, 0, static_cast<VstIntPtr>(chunk->size()), const_cast<char*>(chunk->data()));
        auto after = Shown();
        if (ok == 1 && m_lastBank != nullptr && m_lastBank->shown) {
            const auto diffs = Diff(m_model, *m_lastBank->shown, *after);
            if (!diffs.empty())
                Fail("nothing-lost/reopened-project-differs",
                     "the project's chunk in a new effect shows " + Short(diffs) +
                         " otherwise than the editor did when it was saved");
        } else if (ok != 1) {
            Fail("nothing-lost/reopened-project-refused", "the new effect refused the host's own chunk");
        }
        if (!Connected()) {
            for (const Sim::ImageDiff& d : Diff(m_model, *before, *after)) {
                const uint8_t* r = after->Bytes() + Sim::GetAreaInfo(d.area).offset +
                                   Sim::GetAreaInfo(d.area).recordSize * static_cast<size_t>(d.index);
                m_pendingRecords[{static_cast<int>(d.area), d.index}] =
                    std::vector<uint8_t>(r, r + Sim::GetAreaInfo(d.area).recordSize);
            }
        }
    }
    // The connection runs on the main thread once the entry has returned.
    if (m_powered) {
        PumpUntil([&] { return Connected(); }, 20000);
        Settle();
    } else {
        Pump(300);
    }
    return true;
}

void Rig::CloseEffect() {
    if (m_effect == nullptr) return;
    CloseEditor();
    {
        HostCallScope scope;
        m_effect->dispatcher(m_effect, effClose, 0, 0, nullptr, 0);
    }
    m_effect = nullptr;
    m_vst = nullptr;
    m_synth = nullptr;
    m_effectClosed = true;
    m_gaveUp = false;
    Pump(20);
}

bool Rig::OpenEditor() {
    if (m_editorOpen || m_effect == nullptr) return m_editorOpen;
    if (m_hostWindow == 0) m_hostWindow = m_screen.CreateForeignWindow(40, 30, 900, 700);
    m_editorOpen = Dispatch(effEditOpen, 0, 0, reinterpret_cast<void*>(m_hostWindow)) == 1;
    Pump(200);
    return m_editorOpen;
}

void Rig::CloseEditor() {
    if (!m_editorOpen) return;
    if (m_keyHeld || m_wheelHeld) m_closedInGesture = true;
    Dispatch(effEditClose);
    m_editorOpen = false;
    // The person's hand is off the screen with it.
    m_keyHeld = m_wheelHeld = false;
    m_screen.ButtonUp();
    Pump(40);
}

void Rig::Block() {
    if (m_effect == nullptr || m_suspended) return;
    TestHost::Process(m_effect, {}, 256);
}

void Rig::Settle() {
    for (int round = 0; round < 2; ++round) {
        if (m_sim) m_sim->WaitIdle(3000);
        Pump(60);
        Block();
    }
    Pump(40);
    Block();
}

// ---- steps

void Rig::Do(const Step& step) {
    const uint32_t a = step.arg;
    m_boxes.clear();
    m_modalInGesture = false;
    m_closedInGesture = false;
    m_effectClosed = false;
    const bool needsEditor =
        step.act >= Act::UserMode && step.act <= Act::UserBrowser && step.act != Act::UserAnswer;
    if (needsEditor && !m_editorOpen) OpenEditor();
    switch (step.act) {
        case Act::HostSaveBank:
            HostSave(false);
            break;
        case Act::HostSavePreset:
            HostSave(true);
            break;
        case Act::HostRestore:
            HostRestore(a, false);
            break;
        case Act::HostRestoreDamaged:
            HostRestore(a, true);
            break;
        case Act::HostEditor:
            if (m_editorOpen)
                CloseEditor();
            else
                OpenEditor();
            break;
        case Act::HostMidi: {
            if (m_suspended) break;
            const unsigned char note = static_cast<unsigned char>(36 + a % 48);
            const unsigned char ch = static_cast<unsigned char>(m_synth->GetGlobalChannel() & 0x0F);
            TestHost::Process(m_effect, {TestHost::Midi(10, 0x90 | ch, note, 100)}, 256);
            TestHost::Process(m_effect, {TestHost::Midi(20, 0x80 | ch, note, 0)}, 256);
            break;
        }
        case Act::HostParameter: {
            const VstInt32 index =
                static_cast<VstInt32>(a % static_cast<uint32_t>(std::max(1, m_effect->numParams)));
            HostCallScope scope;
            m_effect->setParameter(m_effect, index, static_cast<float>((a >> 8) % 101) / 100.0f);
            break;
        }
        case Act::HostProgram:
            Dispatch(effSetProgram, 0, static_cast<VstIntPtr>(a % 128));
            break;
        case Act::HostSuspend:
            m_suspended = !m_suspended;
            Dispatch(effMainsChanged, 0, m_suspended ? 0 : 1);
            break;
        case Act::HostReopen:
            HostReopen(a);
            break;
        case Act::UserMode: {
            static constexpr unsigned char kModes[] = {QorX0::kModeCombiPlay, QorX0::kModeProgPlay,
                                                       QorX0::kModeMulti,     QorX0::kModeGlobal,
                                                       QorX0::kModeProgEdit,  QorX0::kModeCombiEdit};
            EndGestures();
            m_synth->PutMode(kModes[a % 6]);
            break;
        }
        case Act::UserSound: {
            EndGestures();
            BackgroundLayer* root = Root();
            if (root == nullptr) break;
            CHfcControl* c =
                root->GetControlById(a % 2 ? BackgroundLayer::kIdArrowUp : BackgroundLayer::kIdArrowDown, 0);
            if (c == nullptr || !c->IsVisible()) break;
            const tagHfcRect r = c->GetRect();
            m_screen.MoveTo(40 + (r.left + r.right) / 2, 30 + (r.top + r.bottom) / 2);
            m_screen.Click();
            break;
        }
        case Act::UserDrag:
            UserValue(a, 0);
            break;
        case Act::UserArrows:
            UserValue(a, 1);
            break;
        case Act::UserType:
            UserValue(a, 2);
            break;
        case Act::UserKeyPress:
            UserKey(true, a);
            break;
        case Act::UserKeyRelease:
            UserKey(false, a);
            break;
        case Act::UserWheelPress:
            UserWheel(true, a);
            break;
        case Act::UserWheelRelease:
            UserWheel(false, a);
            break;
        case Act::UserOpenFile:
            UserOpen(a);
            break;
        case Act::UserSaveFile:
            UserSave(a, false);
            break;
        case Act::UserImport:
            UserImport(a);
            break;
        case Act::UserExport:
            UserSave(a, true);
            break;
        case Act::UserBrowser:
            UserBrowser(a);
            break;
        case Act::UserAnswer:
            m_answerYes = (a & 1) != 0;
            break;
        case Act::InstPanel:
            InstPanel(a);
            break;
        case Act::InstSilent:
            if (!m_powered) break;
            m_silentSteps = static_cast<int>(2 + a % 2);  // this step and the next one or two
            m_sim->With([](Sim::SimCore& c) {
                c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::kAnyCode).Times(0));
            });
            // Long enough for the link's poll to find it silent.
            Pump(kWhileMs);
            break;
        case Act::InstOff:
            if (!m_powered) break;
            m_offSteps = static_cast<int>(2 + a % 3);  // this step and the next one to three
            PowerOff();
            Pump(kWhileMs);
            break;
        case Act::InstFault:
            InstFault(a);
            break;
        case Act::kCount:
            break;
    }
    Settle();
}

void Rig::Expire() {
    if (m_offSteps > 0 && --m_offSteps == 0) {
        Note("switched on");
        PowerOn();
    }
    if (m_silentSteps > 0 && --m_silentSteps == 0) {
        Note("answers again");
        m_sim->With([](Sim::SimCore& c) { c.ClearFaults(); });
    }
    if (m_faultSteps > 0 && --m_faultSteps == 0) {
        Note("fault over");
        m_sim->With([](Sim::SimCore& c) {
            c.ClearFaults();
            c.State().protect = false;
        });
    }
}

void Rig::HostSave(bool preset) {
    void* data = nullptr;
    const VstIntPtr size = Dispatch(effGetChunk, preset ? 1 : 0, 0, &data);
    SavedChunk saved;
    saved.preset = preset;
    saved.shown = Shown();
    if (size <= 0 || data == nullptr) {
        Fail(preset ? "nothing-lost/host-preset-empty" : "nothing-lost/host-chunk-empty",
             std::string("the host's ") + (preset ? "preset" : "bank") + " save returned no state (" +
                 (Connected() ? "connected" : "disconnected") + ")");
        return;
    }
    saved.bytes.assign(static_cast<const char*>(data), static_cast<size_t>(size));
    if (!preset) {
        // What a fresh effect shows of it.
        auto fresh = std::make_unique<Image>();
        bool loaded = false;
        LoadIntoFresh(saved.bytes, 0, fresh.get(), &loaded);
        if (!loaded) {
            Fail("nothing-lost/host-chunk-unreadable", "a fresh effect refuses the host's bank chunk");
            return;
        }
        const auto diffs = Diff(m_model, *saved.shown, *fresh);
        if (!diffs.empty()) {
            Fail("nothing-lost/host-chunk-differs", "the bank chunk (" + std::to_string(size) +
                                                        " bytes) in a fresh effect shows " + Short(diffs) +
                                                        " otherwise than the editor");
            return;
        }
    }
    m_chunks.push_back(std::move(saved));
    if (!preset) m_lastBank = &m_chunks.back();
}

bool Rig::LoadIntoFresh(const std::string& bytes, unsigned index, Image* out, bool* loaded) {
    std::unique_ptr<QorX0::IRemoteSynth> fresh(QorX0::RemoteSynthCreate(m_options.model));
    if (!fresh) return false;
    std::istringstream is(bytes, std::ios::binary);
    *loaded = fresh->LoadStream(is, index);
    if (auto* impl = dynamic_cast<QorX0::CRemoteSynthImpl*>(fresh.get())) impl->CopyImage(out);
    fresh.reset();
    Pump(5);
    return true;
}

void Rig::HostRestore(uint32_t arg, bool damaged) {
    if (m_chunks.empty()) return;
    const SavedChunk& c = m_chunks[arg % m_chunks.size()];
    std::string bytes = damaged ? Damage(c.bytes, arg >> 8) : c.bytes;
    auto before = Shown();
    const bool wasConnected = Connected() && Online();
    const VstIntPtr ok =
        Dispatch(effSetChunk, c.preset ? 1 : 0, static_cast<VstIntPtr>(bytes.size()), bytes.data());
    auto after = Shown();
    if (ok != 1) {
        const auto diffs = Diff(m_model, *before, *after);
        if (!diffs.empty())
            Fail("nothing-lost/refused-chunk-changed-image", "a refused host chunk changed " + Short(diffs));
        return;
    }
    if (!wasConnected) {
        for (const Sim::ImageDiff& d : Diff(m_model, *before, *after)) {
            const Sim::AreaInfo& info = Sim::GetAreaInfo(d.area);
            const uint8_t* r = after->Bytes() + info.offset + info.recordSize * static_cast<size_t>(d.index);
            m_pendingRecords[{static_cast<int>(d.area), d.index}] =
                std::vector<uint8_t>(r, r + info.recordSize);
        }
    }
}

void Rig::HostReopen(uint32_t arg) {
    // Now and then a new project in place of the last one.
    const bool fresh = arg % 4 == 0 || m_lastBank == nullptr;
    const std::string chunk = fresh ? std::string() : m_lastBank->bytes;
    CloseEffect();
    m_pendingRecords.clear();
    MakeEffect(fresh ? nullptr : &chunk);
}

void Rig::EndGestures() {
    if (m_keyHeld || m_wheelHeld) {
        m_screen.ButtonUp();
        m_keyHeld = m_wheelHeld = false;
        Pump(40);
    }
}

void Rig::UserKey(bool press, uint32_t arg) {
    if (!press) {
        if (m_keyHeld) EndGestures();
        return;
    }
    EndGestures();
    if (Root() == nullptr) return;
    const int key = static_cast<int>(arg % 52);  // a white key
    const ArtGeometry::Rect r = ArtGeometry::CtlRegionRect(key);
    m_screen.MoveTo(40 + ArtGeometry::kCtlKeyboardX + r.x + 6, 30 + ArtGeometry::kCtlKeyboardY + 55);
    m_screen.ButtonDown();
    m_keyHeld = true;
}

void Rig::UserWheel(bool press, uint32_t arg) {
    if (!press) {
        if (m_wheelHeld) EndGestures();
        return;
    }
    EndGestures();
    if (Root() == nullptr) return;
    m_screen.MoveTo(40 + 100, 30 + 566);
    m_screen.ButtonDown();
    m_wheelHeld = true;
    const int span = static_cast<int>(4 + arg % 24);
    for (int dy = 0; dy <= span; dy += 4) {
        m_screen.MoveTo(40 + 100, 30 + 566 - dy);
        Pump(10);
    }
}

void Rig::UserValue(uint32_t arg, int way) {
    EndGestures();
    BackgroundLayer* root = Root();
    if (root == nullptr) return;
    CTabControl* tab = root->GetMainTab(root->GetGUIMode());
    if (tab == nullptr) return;
    // A page of the tab, then a control of it.
    const int pages = tab->GetTabPageCount();
    if (pages > 0 && (arg & 0x80000000u) != 0) {
        tab->SetActivePageByIndex(static_cast<int>((arg >> 20) % static_cast<uint32_t>(pages)), true);
        Pump(60);
    }
    CTabPageLayer* page = tab->GetActivePage();
    if (page == nullptr) return;
    std::vector<CHfcControl*> controls;
    page->GetControlVec(controls);
    std::erase_if(controls, [](CHfcControl* c) {
        const tagHfcRect& r = c->GetRect();
        return !c->IsVisible() || !c->IsEnabled() || r.right - r.left < 4 || r.bottom - r.top < 4 ||
               r.bottom > BackgroundLayer::kAuditionPressLimitY;
    });
    if (controls.empty()) return;
    CHfcControl* c = controls[arg % controls.size()];
    if (m_options.trace)
        std::fprintf(stderr, "  . page %s control %s %d:%d way %d\n", page->GetName().c_str(),
                     typeid(*c).name(), c->GetId(), c->GetUserValue(), way);
    const tagHfcRect r = c->GetRect();
    const int cx = 40 + (r.left + r.right) / 2, cy = 30 + (r.top + r.bottom) / 2;
    m_screen.MoveTo(cx, cy);
    switch (way) {
        case 0: {  // a drag, up or down, in steps as a hand moves
            const int dir = (arg >> 8) & 1 ? -1 : 1;
            const int span = static_cast<int>(6 + (arg >> 9) % 30);
            m_screen.ButtonDown();
            for (int d = 0; d <= span; d += 3) {
                m_screen.MoveTo(cx, cy + dir * d);
                Pump(8);
            }
            m_screen.ButtonUp();
            break;
        }
        case 1: {  // a click, then arrow keys
            m_screen.Click();
            Pump(20);
            const int key = 28 + static_cast<int>((arg >> 8) % 4);
            for (uint32_t i = 0; i <= (arg >> 10) % 3; ++i) m_screen.Key(key, key);
            break;
        }
        default: {  // a double click opens the text, then typed text and Return
            static constexpr const char* kTexts[] = {"12",  "-3", "0",   "127", "999999",
                                                     "abc", "",   "1.5", "+7"};
            m_screen.DoubleClick();
            Pump(20);
            m_screen.Type(kTexts[(arg >> 8) % 9]);
            m_screen.Key(13, 0);
            break;
        }
    }
    Pump(40);
}

bool Rig::Utility(const std::string& item, const std::string& folder, const std::string& name,
                  std::vector<int> rows, bool accepted) {
    BackgroundLayer* root = Root();
    if (root == nullptr) return false;
    m_menuChoice = item;
    m_fileAnswer = HfcFileDialogAnswer{accepted, folder, name, std::move(rows)};
    CHfcControl* c = root->GetControlById(BackgroundLayer::kIdUtility, 0);
    if (c == nullptr) return false;
    const tagHfcRect r = c->GetRect();
    m_screen.MoveTo(40 + (r.left + r.right) / 2, 30 + (r.top + r.bottom) / 2);
    m_screen.Click();
    PumpUntil([&] { return Root() == nullptr || Root()->GetFileDialog() == nullptr; }, 60000);
    m_menuChoice.clear();
    return true;
}

void Rig::UserOpen(uint32_t arg) {
    EndGestures();
    if (m_files.empty()) return;
    const SavedFile& file = m_files[arg % m_files.size()];
    const bool damaged = (arg >> 8) % 4 == 0;
    if (m_options.trace)
        std::fprintf(stderr, "  . open %s%s into %u (%s)\n", file.path.c_str(), damaged ? " damaged" : "",
                     (arg >> 12) % 4, Connected() ? "connected" : "disconnected");
    std::string path = file.path;
    if (damaged) {
        path = m_dir + "/damaged" + std::to_string(m_fileCount++) +
               std::filesystem::path(file.path).extension().string();
        WriteAll(path, Damage(ReadAll(file.path), arg >> 10));
    }
    // Where it goes: the bank or item of the file's kind the user has chosen.
    const unsigned place = (arg >> 12) % 4;
    auto before = Shown();
    auto instrumentBefore = m_sim->With([](Sim::SimCore& c) { return c.Image(); });
    const bool connected = Connected();
    bool loaded = false;
    if (connected) {
        // The Utility menu's Load puts a bank into the current sound's bank.
        if (file.kind == QorX0::FTYPE_BANKPROG || file.kind == QorX0::FTYPE_BANKCOMBI) {
            QorX0::SOUNDINDEX s = m_synth->GetCurSound();
            s.bank = static_cast<uint8_t>(place);
            m_synth->PutCurSound(s);
            Settle();
            before = Shown();
            instrumentBefore = m_sim->With([](Sim::SimCore& c) { return c.Image(); });
        }
        Utility("Load", std::filesystem::path(path).parent_path().string(),
                std::filesystem::path(path).filename().string(), {}, true);
        loaded = true;  // the editor tells whether it did
    } else {
        // Without an instrument the program's File menu opens it (the Utility menu needs one).
        const unsigned index = file.kind == QorX0::FTYPE_BANKPROG || file.kind == QorX0::FTYPE_BANKCOMBI
                                   ? place
                               : file.kind == QorX0::FTYPE_DKIT ? 10 + place
                                                                : 0;
        loaded = m_synth->LoadFile(path.c_str(), index);
        Pump(40);
    }
    Settle();
    auto after = Shown();
    const auto changed = Diff(m_model, *before, *after);
    if (damaged && !loaded && !changed.empty())
        Fail("nothing-lost/refused-file-changed-image", "a refused damaged file changed " + Short(changed));
    if (!connected && loaded) {
        for (const Sim::ImageDiff& d : changed) {
            const Sim::AreaInfo& info = Sim::GetAreaInfo(d.area);
            const uint8_t* r = after->Bytes() + info.offset + info.recordSize * static_cast<size_t>(d.index);
            m_pendingRecords[{static_cast<int>(d.area), d.index}] =
                std::vector<uint8_t>(r, r + info.recordSize);
        }
    }
    if (connected && damaged && changed.empty() && m_powered) {
        const auto instrumentAfter = m_sim->With([](Sim::SimCore& c) { return c.Image(); });
        const auto moved = instrumentBefore.Compare(instrumentAfter.Data(), Sim::SimImage::kImageSize);
        if (!moved.empty())
            Fail("nothing-lost/refused-file-changed-instrument",
                 "a damaged file the editor did not show changed the instrument's " + Short(moved));
    }
}

void Rig::UserSave(uint32_t arg, bool pcg) {
    EndGestures();
    const std::string name =
        (pcg ? "export" : "save") + std::to_string(m_fileCount++) + (pcg ? ".PCG" : ".Xall");
    const int row = static_cast<int>(arg % 4);
    auto shown = Shown();
    Utility(pcg ? "Export" : "Save", m_dir, name, row == 0 ? std::vector<int>{} : std::vector<int>{row},
            true);
    const std::string path = m_dir + "/" + name;
    if (!std::filesystem::exists(path)) return;
    QorX0::FTYPE kind = QorX0::FTYPE_UNKNOWN;
    uint8_t model = 0;
    if (!QorX0::PersistFindStreamType(path.c_str(), &kind, &model)) {
        Fail("nothing-lost/saved-file-unreadable", "the saved " + name + " is of no kind the editor reads");
        return;
    }
    const SavedFile file{path, kind, 0};
    // Exports are in other models' formats, which hold less than this one: they are only read back.
    if (!pcg) CheckFile(file, *shown);
    m_files.push_back(file);
}

void Rig::CheckFile(const SavedFile& file, const Image& shown) {
    // A fresh editor loads it into the place it came from: every record it brings equals what was shown.
    auto fresh = std::make_unique<Image>();
    auto init = std::make_unique<Image>();
    bool loaded = false;
    LoadIntoFresh(std::string(), 0, init.get(), &loaded);
    unsigned index = 0;
    if (file.kind == QorX0::FTYPE_BANKPROG || file.kind == QorX0::FTYPE_BANKCOMBI)
        index = m_synth->GetCurSound().bank;
    LoadIntoFresh(ReadAll(file.path), index, fresh.get(), &loaded);
    if (!loaded) {
        Fail("nothing-lost/saved-file-refused", "a fresh editor refuses the saved " + file.path);
        return;
    }
    std::vector<Sim::ImageDiff> wrong;
    const auto brought = Diff(m_model, *init, *fresh);
    const auto differs = Diff(m_model, shown, *fresh);
    for (const Sim::ImageDiff& d : differs)
        for (const Sim::ImageDiff& b : brought)
            if (b.area == d.area && b.index == d.index && d.area != Sim::Area::CurMulti &&
                d.area != Sim::Area::CurProgram && d.area != Sim::Area::CurCombination)
                wrong.push_back(d);
    if (!wrong.empty())
        Fail("nothing-lost/saved-file-differs",
             "the saved file loads " + Short(wrong) + " otherwise than the editor showed it");
}

void Rig::UserImport(uint32_t arg) {
    EndGestures();
    std::vector<const SavedFile*> pcgs;
    for (const SavedFile& f : m_files)
        if (f.kind >= QorX0::FTYPE_PCG_FIRST && f.kind <= QorX0::FTYPE_PCG_LAST) pcgs.push_back(&f);
    if (pcgs.empty()) return;
    const SavedFile& f = *pcgs[arg % pcgs.size()];
    Utility("Import", m_dir, std::filesystem::path(f.path).filename().string(), {}, true);
}

void Rig::UserBrowser(uint32_t arg) {
    EndGestures();
    BackgroundLayer* root = Root();
    if (root == nullptr) return;
    switch (arg % 3) {
        case 0:
            root->RequestOpenWriteBrowser();
            break;
        case 1:
            root->OpenRenameBrowser(0);
            break;
        default:
            root->RequestOpenRedBrowser(0, QorX0::kModeProgEdit, 0x100);
            break;
    }
    PumpUntil([&] { return Root() == nullptr || Root()->GetModalLayer() != nullptr; }, 1000);
    Pump(100);
    // Cancelled: a click beside the page.
    m_screen.MoveTo(40 + 600, 30 + 300);
    m_screen.Click();
    PumpUntil([&] { return Root() == nullptr || Root()->GetModalLayer() == nullptr; }, 2000);
}

void Rig::InstPanel(uint32_t arg) {
    if (!m_powered) return;
    m_sim->With([arg](Sim::SimCore& c) {
        switch (arg % 3) {
            case 0:
                c.PanelProgramChange(static_cast<int>((arg >> 4) % 3), static_cast<int>((arg >> 8) % 128));
                break;
            case 1: {
                static constexpr uint8_t kModes[] = {Sim::Mode::CombiPlay, Sim::Mode::ProgPlay,
                                                     Sim::Mode::Global};
                c.PanelModeChange(kModes[(arg >> 4) % 3]);
                break;
            }
            default:
                c.PanelMasterVolume((arg >> 4) % 0x3FFF);
                break;
        }
    });
}

void Rig::InstFault(uint32_t arg) {
    if (!m_powered) return;
    m_faultSteps = 2;
    m_sim->With([arg](Sim::SimCore& c) {
        switch (arg % 4) {
            case 0: {  // a refusal
                Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::ErrorReply, Sim::kAnyCode).Times(2);
                f.errorCode = Sim::Code::LoadError;
                f.reason = Sim::Reason::Other;
                c.AddFault(f);
                break;
            }
            case 1: {  // lost bytes
                Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::Truncate, Sim::kAnyCode).Times(2);
                f.offset = 6;
                c.AddFault(f);
                break;
            }
            case 2: {  // a late answer
                Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::Delay, Sim::kAnyCode).Times(1);
                f.delayMs = 1200;
                c.AddFault(f);
                break;
            }
            default:  // memory protected
                c.State().protect = true;
                break;
        }
    });
}

// ---- invariants

void Rig::Fail(const std::string& key, const std::string& detail) {
    if (!m_verdict.key.empty()) return;
    for (const std::string& t : m_options.tolerate)
        if (t == key || t == "*") {
            if (m_options.trace) std::fprintf(stderr, "  tolerated %s: %s\n", key.c_str(), detail.c_str());
            return;
        }
    m_verdict.key = key;
    m_verdict.detail = detail;
    m_verdict.step = m_stepIndex;
}

void Rig::TakeNotes() {
    const auto messages = m_sim->With([](Sim::SimCore& c) {
        auto m = c.ReceivedMessages();
        c.ClearLogs();
        return m;
    });
    for (const Sim::TimedBytes& m : messages) {
        const Sim::Bytes& b = m.bytes;
        if (m_options.trace && !b.empty()) {
            std::string t;
            char x[8];
            for (size_t i = 0; i < std::min<size_t>(b.size(), 14); ++i) {
                std::snprintf(x, sizeof x, " %02x", b[i]);
                t += x;
            }
            std::fprintf(stderr, "  > %s%s (%zu)\n", t.c_str(), b.size() > 14 ? " ..." : "", b.size());
        }
        if (b.size() < 3 || b[0] >= 0xF0) continue;
        const int ch = b[0] & 0x0F;
        const int kind = b[0] & 0xF0;
        if (kind == 0x90 && b[2] > 0) ++m_noteBalance[ch << 8 | b[1]];
        if (kind == 0x80 || (kind == 0x90 && b[2] == 0)) --m_noteBalance[ch << 8 | b[1]];
        if (kind == 0xE0) m_lastBend[ch] = b[1] | b[2] << 7;
        // All Notes Off ends them; All Sound Off only silences them.
        if (kind == 0xB0 && b[1] == 123)
            for (auto& [k, v] : m_noteBalance)
                if ((k >> 8) == ch) v = std::min(v, 0);
    }
}

bool Rig::AtRest() const {
    for (const auto& [k, v] : m_noteBalance)
        if (v > 0) return false;
    for (const auto& [ch, bend] : m_lastBend)
        if (bend != 8192) return false;
    return true;
}

void Rig::CheckNotes() {
    if (!m_powered) return;
    TakeNotes();
    // Notes the user still holds, and those the host path has not yet carried while it is suspended.
    if (m_suspended) return;
    const bool gestureEnded = !m_keyHeld && !m_wheelHeld;
    const bool mustBeAtRest = gestureEnded || m_modalInGesture || !m_editorOpen;
    if (!mustBeAtRest) return;
    // What the window has still to hand to the host path goes out with its next ticks and blocks.
    for (int round = 0; round < 60 && !AtRest(); ++round) {
        Pump(25);
        Block();
        m_sim->WaitIdle(500);
        TakeNotes();
    }
    const char* when = m_modalInGesture    ? "modal-mid-gesture"
                       : m_effectClosed    ? "effect-closed"
                       : m_closedInGesture ? "closed-mid-gesture"
                                           : "after-gesture";
    // A hung note or bent wheel is told once (a run that goes on past it does not hear of it again).
    for (auto& [k, v] : m_noteBalance)
        if (v > 0) {
            v = 0;
            Fail(std::string("no-hung-note/") + when,
                 "note " + std::to_string(k & 0xFF) + " on channel " + std::to_string((k >> 8) + 1) +
                     " has no note-off" +
                     (m_modalInGesture ? " after a modal window opened mid-gesture" : ""));
            return;
        }
    for (auto& [ch, bend] : m_lastBend)
        if (bend != 8192) {
            const int stays = bend;
            bend = 8192;
            Fail(std::string("no-bent-wheel/") + when,
                 "the bend on channel " + std::to_string(ch + 1) + " stays at " + std::to_string(stays));
            return;
        }
}

void Rig::CheckSync() {
    if (m_effect == nullptr) return;
    // An instrument that answered this effect, switched on and well, comes back by itself.
    if (Healthy() && m_everOnline && !m_gaveUp && !(Connected() && Online())) {
        PumpUntil([&] { return Connected() && Online(); }, kComeBackMs);
        Settle();
        if (!(Connected() && Online())) {
            m_gaveUp = true;
            Fail("in-sync/instrument-never-back",
                 std::string("the instrument is on and answers, but the editor stays ") +
                     (Connected() ? "offline" : "disconnected"));
            return;
        }
    }
    // One switched on while the effect had none is found (its ports appear).
    if (Healthy() && !m_everOnline && !m_gaveUp && !Connected()) {
        PumpUntil([&] { return Connected() && Online(); }, kComeBackMs);
        Settle();
        if (!(Connected() && Online())) {
            m_gaveUp = true;
            Fail("in-sync/instrument-never-found",
                 "the instrument is on and answers, but an effect made while it "
                 "was off never finds it");
            return;
        }
    }
    if (!(Healthy() && Connected() && Online())) return;
    m_everOnline = true;
    auto shown = Shown();
    // What was loaded while no instrument answered is still what the user sees, now that one does.
    if (!m_pendingRecords.empty()) {
        std::vector<Sim::ImageDiff> lost;
        for (const auto& [where, bytes] : m_pendingRecords) {
            const Sim::Area area = static_cast<Sim::Area>(where.first);
            const Sim::AreaInfo& info = Sim::GetAreaInfo(area);
            if (area == Sim::Area::CurMulti || area == Sim::Area::CurProgram ||
                area == Sim::Area::CurCombination || area == Sim::Area::ExtControl)
                continue;
            const uint8_t* r =
                shown->Bytes() + info.offset + info.recordSize * static_cast<size_t>(where.second);
            if (std::memcmp(r, bytes.data(), bytes.size()) != 0)
                lost.push_back({area, where.second, Sim::RecordLabel(area, where.second)});
        }
        m_pendingRecords.clear();
        if (!lost.empty()) {
            Fail("nothing-lost/loaded-offline-lost-at-connect",
                 "what was loaded while no instrument answered is gone once it did: " + Short(lost));
            return;
        }
    }
    auto compare = [&] {
        shown = Shown();
        auto d = m_sim->With(
            [&](Sim::SimCore& c) { return c.CompareWithEditor(shown->Bytes(), sizeof *shown, false); });
        // While a browser auditions, the editor keeps the saved sound and the instrument plays the
        // auditioned one; the instrument's preset (GM) sounds are not simulated.
        const bool audition = m_synth->GetAuditionState();
        const int gmBank = m_model == Sim::Model::Tolva ? 4 : 5;
        const bool gm = shown->curprogramrec[0] >= gmBank;
        std::erase_if(d, [&](const Sim::ImageDiff& x) {
            const bool current = x.area == Sim::Area::CurProgram || x.area == Sim::Area::CurCombination;
            return x.area == Sim::Area::ExtControl || x.area == Sim::Area::CurMulti ||
                   (current && audition) || (x.area == Sim::Area::CurProgram && gm);
        });
        return d;
    };
    auto diffs = compare();
    // An exchange still under way (a sound's edit buffer asked for after its program change) ends first.
    for (int round = 0; round < 3 && !diffs.empty(); ++round) {
        Pump(150);
        Settle();
        if (!(Healthy() && Connected() && Online())) return;
        diffs = compare();
    }
    if (diffs.empty()) {
        m_toldSinceSync = false;
        return;
    }
    if (!m_toldSinceSync) {
        // The first byte that differs, for the reader.
        const Sim::AreaInfo& info = Sim::GetAreaInfo(diffs[0].area);
        const uint8_t* mine =
            shown->Bytes() + info.offset + info.recordSize * static_cast<size_t>(diffs[0].index);
        std::vector<uint8_t> theirs = m_sim->With([&](Sim::SimCore& c) {
            const uint8_t* r = c.Image().Record(diffs[0].area, diffs[0].index);
            return std::vector<uint8_t>(r, r + info.recordSize);
        });
        std::string where;
        for (size_t i = 0; i < info.recordSize; ++i)
            if (mine[i] != theirs[i]) {
                char b[64];
                std::snprintf(b, sizeof b, " (byte %zu: editor %02x, instrument %02x)", i, mine[i],
                              theirs[i]);
                where = b;
                if (diffs[0].area == Sim::Area::CurCombination) {
                    char c[96];
                    const uint8_t slot =
                        shown->combi[shown->curcombirec[0] % 3][shown->curcombirec[1] & 0x7F][i];
                    const uint8_t simSlot = m_sim->With([&](Sim::SimCore& core) {
                        return core.Image().Record(
                            Sim::Area::Combination,
                            (shown->curcombirec[0] % 3) * 128 + (shown->curcombirec[1] & 0x7F))[i];
                    });
                    std::snprintf(c, sizeof c, " [slot %d:%d editor %02x instrument %02x]",
                                  shown->curcombirec[0], shown->curcombirec[1], slot, simSlot);
                    where += c;
                }
                where += " editor \"" + std::string(reinterpret_cast<const char*>(mine), 16) +
                         "\" instrument \"" + std::string(reinterpret_cast<const char*>(theirs.data()), 16) +
                         "\"";
                break;
            }
        Fail("in-sync/differs-untold:" + Sim::RecordLabel(diffs[0].area, diffs[0].index),
             "online and idle, the instrument differs from the editor in " + Short(diffs) + where +
                 " and the user was not told");
    }
}

void Rig::CheckWaits() {
    const long hostOut = g_hostCallWaitedOut.load();
    const long out = g_drawingWaitedOut.load();
    if (hostOut > m_hostWaitedOutSeen) {
        m_hostWaitedOutSeen = hostOut;
        m_waitedOutSeen = out;
        Fail("no-frozen-host/host-call-waited-out", "a host call waited out a silent instrument's time-out");
        return;
    }
    if (out > m_waitedOutSeen) {
        m_waitedOutSeen = out;
        Fail("no-frozen-window/drawing-thread-waited-out",
             "the drawing thread blocked until a silent instrument's time-out instead of serving its loop");
    }
}

void Rig::CheckAll() {
    if (m_effect == nullptr) return;
    CheckWaits();
    CheckNotes();
    CheckSync();
    if (!m_editorOpen) m_modalInGesture = false;
}

Verdict Rig::Run(const std::vector<Step>& steps) {
    m_verdict = Verdict{};
    if (!SetUp()) {
        if (m_verdict.key.empty()) Fail("rig/set-up", "the soak could not start");
        return m_verdict;
    }
    m_everOnline = Connected() && Online();
    for (size_t i = 0; i < steps.size() && m_verdict.Ok(); ++i) {
        m_stepIndex = static_cast<int>(i);
        if (m_options.trace) std::fprintf(stderr, "step %zu: %s 0x%x\n", i, Name(steps[i].act), steps[i].arg);
        Expire();
        Do(steps[i]);
        if (m_effect == nullptr) break;
        CheckAll();
        m_verdict.steps = static_cast<int>(i) + 1;
    }
    // At the end of the day: the instrument on and well again, everything let go.
    if (m_verdict.Ok() && m_effect != nullptr) {
        m_stepIndex = static_cast<int>(steps.size());
        m_offSteps = std::min(m_offSteps, 1);
        m_silentSteps = std::min(m_silentSteps, 1);
        m_faultSteps = std::min(m_faultSteps, 1);
        Expire();
        EndGestures();
        Settle();
        CheckAll();
    }
    m_verdict.drawingWaits = g_drawingWaits.load();
    TearDown();
    return m_verdict;
}

}  // namespace

const char* Name(Act act) {
    const size_t i = static_cast<size_t>(act);
    return i < static_cast<size_t>(Act::kCount) ? kActs[i].name : "?";
}

std::string Format(const std::vector<Step>& steps) {
    std::string out;
    char b[64];
    for (const Step& s : steps) {
        std::snprintf(b, sizeof b, "%s{Act::%s, 0x%x}", out.empty() ? "" : ", ", Name(s.act), s.arg);
        out += b;
    }
    return out;
}

std::vector<Step> Generate(uint32_t seed, int count) {
    std::mt19937 rng(seed);
    int total = 0;
    for (const ActInfo& a : kActs) total += a.weight;
    std::vector<Step> out;
    for (int i = 0; i < count; ++i) {
        // Now and then a stretch of work without the instrument: it is switched off for the next four
        // steps, which open, save and reopen what a musician works on meanwhile.
        if (rng() % 30 == 0 && i + 5 <= count) {
            out.push_back(Step{Act::InstOff, static_cast<uint32_t>(rng() / 3 * 3 + 2)});
            static constexpr Act kOffline[] = {Act::HostReopen,  Act::UserOpenFile, Act::HostSaveBank,
                                               Act::HostRestore, Act::UserSaveFile, Act::UserSound};
            for (int k = 0; k < 4; ++k)
                out.push_back(Step{kOffline[rng() % 6], static_cast<uint32_t>(rng())});
            i += 4;
            continue;
        }
        int pick = static_cast<int>(rng() % static_cast<uint32_t>(total));
        size_t k = 0;
        while (pick >= kActs[k].weight) pick -= kActs[k++].weight;
        out.push_back(Step{static_cast<Act>(k), static_cast<uint32_t>(rng())});
    }
    return out;
}

Verdict Run(const Options& options, const std::vector<Step>& steps) {
    Rig rig(options);
    return rig.Run(steps);
}

std::vector<Step> Shrink(const Options& options, std::vector<Step> steps, const std::string& key,
                         int* replays, int maxReplays, int maxSeconds) {
    int runs = 0;
    // A budget, so that a failing seed still reports within the test's own time limit.
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(maxSeconds);
    auto more = [&] { return runs < maxReplays && std::chrono::steady_clock::now() < until; };
    auto fails = [&](const std::vector<Step>& s) {
        ++runs;
        return Run(options, s).key == key;
    };
    // Everything after the failing step is not needed.
    {
        const Verdict v = Run(options, steps);
        ++runs;
        if (v.key == key && v.step >= 0 && static_cast<size_t>(v.step) < steps.size())
            steps.resize(v.step + 1);
    }
    // Chunks of halving size, then single steps, dropped while the list still fails the same way.
    for (size_t chunk = std::max<size_t>(steps.size() / 2, 1); chunk >= 1 && more(); chunk /= 2) {
        bool dropped = true;
        while (dropped && more()) {
            dropped = false;
            for (size_t start = 0; start < steps.size() && more();) {
                std::vector<Step> trial;
                trial.insert(trial.end(), steps.begin(), steps.begin() + static_cast<long>(start));
                if (start + chunk < steps.size())
                    trial.insert(trial.end(), steps.begin() + static_cast<long>(start + chunk), steps.end());
                if (trial.size() < steps.size() && fails(trial)) {
                    steps = std::move(trial);
                    dropped = true;
                } else {
                    start += chunk;
                }
            }
        }
        if (chunk == 1) break;
    }
    if (replays != nullptr) *replays = runs;
    return steps;
}

}  // namespace Soak
