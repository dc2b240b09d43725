#include "Common/Plugin/QorVst.h"

#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <set>

#include "Common/Link/RemoteSynthImpl.h"
#include "Hfc/Base/HfcUtil.h"
#include "Linux/MidiIO/Alsa/AlsaBackend.h"
#include "Linux/MidiIO/MidiFifo.h"
#include "Linux/RunLoop.h"
#include "Linux/Trace.h"

namespace QorX0 {
const char SZTITLE_Qor30_STANDALONE[] = "Tolva Editor";
const char SZTITLE_Qor30_PLUGIN[] = "Tolva Plug-In Editor";
const char SZTITLE_Qor40_STANDALONE[] = "Nerimo Editor";
const char SZTITLE_Qor40_PLUGIN[] = "Nerimo Plug-In Editor";
}  // namespace QorX0

namespace {

std::atomic<QorVst::SynthFactory> g_synthFactory{nullptr};

// The live effects, so that an exit that finds some never closed can abort what they run. Never
// destroyed (made in static storage): the exit of the process uses it after static destruction has
// begun.
struct LiveEffects {
    std::mutex lock;
    std::set<QorVst*> effects;
};
LiveEffects& Live() {
    alignas(LiveEffects) static unsigned char storage[sizeof(LiveEffects)];
    static LiveEffects* live = new (storage) LiveEffects;
    return *live;
}

// The RTAS hand-off record: 32 bytes, the signature at 8, the record address XOR the time at 16, the
// time at 24.
constexpr size_t kRtasRecordSize = 32;
constexpr char kRtasSignature1[] = "TLVR";
constexpr char kRtasSignature2[] = "TAS1";

struct LoopCall {
    std::mutex lock;
    std::condition_variable cv;
    bool finished = false;
};

// Runs fn on the loop's thread and waits until it ran (or the loop dropped it while going away).
void RunOnLoop(RunLoop* loop, const std::function<void()>& fn) {
    if (loop == nullptr || loop->IsLoopThread()) {
        fn();
        return;
    }
    auto call = std::make_shared<LoopCall>();
    // Signals when the posted work is destroyed: after it ran, or when the loop dropped it.
    struct Finish {
        explicit Finish(std::shared_ptr<LoopCall> c) : call(std::move(c)) {}
        Finish(const Finish&) = delete;
        Finish& operator=(const Finish&) = delete;
        std::shared_ptr<LoopCall> call;
        ~Finish() {
            std::lock_guard<std::mutex> l(call->lock);
            call->finished = true;
            call->cv.notify_all();
        }
    };
    auto finish = std::make_shared<Finish>(call);
    loop->Post(nullptr, [finish, &fn] { fn(); });
    finish.reset();
    std::unique_lock<std::mutex> l(call->lock);
    call->cv.wait(l, [&] { return call->finished; });
}

struct Teardown {
    std::mutex lock;
    std::condition_variable cv;
    bool done = false;
};

// Deletes the effect once its loop is back at the outermost level: a nested loop (a progress window
// of a transfer, a message box) may still have frames of the effect's objects on the stack.
void DeleteAtTopLevel(RunLoop* loop, QorVst* vst, const std::shared_ptr<Teardown>& teardown) {
    auto finish = [vst, teardown] {
        delete vst;
        std::lock_guard<std::mutex> l(teardown->lock);
        teardown->done = true;
        teardown->cv.notify_all();
    };
    // And once no host call is in flight: a host thread that waits for the loop to serve its call
    // returns through the effect.
    auto ready = [loop, vst] {
        return (loop == nullptr || loop->NestingDepth() <= 1) && vst->HostCallsInFlight() == 0;
    };
    if (loop == nullptr) vst->WaitForHostCalls();
    if (ready()) {
        finish();
        return;
    }
    auto timer = std::make_shared<RunLoop::TimerId>(0);
    *timer = loop->AddTimer(nullptr, 10, [loop, timer, finish, ready](RunLoop::TimerMessage) {
        if (!ready()) return;
        loop->RemoveTimer(*timer);
        finish();
    });
}

}  // namespace

// ---- construction, start and stop

QorVst::QorVst(unsigned char model, audioMasterCallback audioMaster)
    : AudioEffectX(audioMaster, kNumPrograms, kNumParams), m_model(model), m_lock(model) {
    for (auto& row : m_notes)
        for (auto& n : row) n.store(0, std::memory_order_relaxed);
    for (int i = 0; i < 16; ++i) {
        m_bankMSB[i].store(255, std::memory_order_relaxed);
        m_bankLSB[i].store(255, std::memory_order_relaxed);
    }
    for (int i = 0; i < kNumParams; ++i) {
        m_paramValue[i].store(0.0f, std::memory_order_relaxed);
        m_paramSet[i].store(0, std::memory_order_relaxed);
        m_paramWritten[i].store(0, std::memory_order_relaxed);
    }
    // The main thread: the caller's own loop (tests, and a program that runs ours), else the
    // process's UI thread, which this effect holds until it is deleted.
    m_loop = RunLoop::Current();
    if (m_loop == nullptr) {
        UIThread::SetExitHook(&QorVst::AbortEveryEffect);
        m_loop = UIThread::Acquire();
        m_ownsUIThread = true;
        m_deferHostCalls = true;
    }
    {
        std::lock_guard<std::mutex> lock(Live().lock);
        Live().effects.insert(this);
    }
    setHostCallGate(&m_gate);
    setDeleter(&QorVst::Destroy);
    if (auto setModel = GetPluginEditorHooks().setModel) setModel(model);
}

QorVst::~QorVst() {
    {
        std::lock_guard<std::mutex> lock(Live().lock);
        Live().effects.erase(this);
    }
    Uninitialize();
    std::free(m_rtasRecord);
    m_rtasRecord = nullptr;
}

void QorVst::SetSynthFactory(SynthFactory factory) {
    g_synthFactory.store(factory);
}

void QorVst::Destroy(AudioEffect* effect) {
    auto* vst = dynamic_cast<QorVst*>(effect);
    if (vst == nullptr) {
        delete effect;
        return;
    }
    vst->RefuseHostCalls();
    vst->m_closing.store(true);
    // A connection that waits for the user to retry a transfer gives up.
    if (auto* synth = dynamic_cast<QorX0::CRemoteSynthImpl*>(vst->m_synth)) synth->SetClosing();
    vst->AbortSessions();
    const bool owns = vst->m_ownsUIThread;
    RunLoop* loop = vst->m_loop;
    auto teardown = std::make_shared<Teardown>();
    if (loop == nullptr || loop->IsLoopThread()) {
        // On the main thread itself nothing can wait: inside a nested loop, or while a host thread
        // waits for this loop to serve its call, the effect goes later.
        DeleteAtTopLevel(loop, vst, teardown);
    } else {
        // The calls in flight end soon: what they wait for on the main thread was aborted above.
        vst->WaitForHostCalls();
        loop->Post(nullptr, [loop, vst, teardown] { DeleteAtTopLevel(loop, vst, teardown); });
        std::unique_lock<std::mutex> l(teardown->lock);
        teardown->cv.wait(l, [&] { return teardown->done; });
    }
    if (owns) UIThread::Release();
}

bool QorVst::Initialize() {
    m_bypass.store(false);
    if (!m_lock.Validate()) return false;
    bool managers = true;
    CallOnMain([&] {
        const PluginEditorHooks& hooks = GetPluginEditorHooks();
        for (int i = 0; i < 3 && managers; ++i) {
            managers = hooks.initializeManager[i]();
            if (managers) ++m_managersUp;
        }
    });
    if (!managers) return false;
    // On the calling thread: it asks the host, and no host thread may wait for us while we do.
    CheckHost();
    bool result = false;
    CallOnMain([&] { result = InitializeOnMain(); });
    return result;
}

bool QorVst::InitializeOnMain() {
    isSynth(true);
    setNumInputs(2);
    setNumOutputs(2);
    canProcessReplacing(true);
    programsAreChunks(true);
    setUniqueID(kUniqueID);

    m_hostRing = new CMidiFifo(kRingSize);
    m_editorRing = new CMidiFifo(kRingSize);
    ResetBankSelects(0, 16);
    for (auto& row : m_notes)
        for (auto& n : row) n.store(0, std::memory_order_relaxed);

    // Other programs list our sequencer client by the model it edits (named when it first opens).
    AlsaMidiSetClientName(m_model == QorX0::kPmidNerimo ? QorX0::SZTITLE_Qor40_PLUGIN
                                                        : QorX0::SZTITLE_Qor30_PLUGIN);
    SynthFactory factory = g_synthFactory.load();
    m_synth = factory != nullptr ? factory(m_model) : QorX0::RemoteSynthCreate(m_model);
    // The host-facing operations use the synthesizer without a test: no synthesizer, no effect.
    if (m_synth == nullptr) return false;
    SetAbortable(m_synth);
    m_synth->AdviseSink(this);
    m_synth->SetRTMIDISink(this);

    m_dispatcher = AsyncDispatchCreate();

    bool result = false;
    QorVstEditorBase* newEditor = GetPluginEditorHooks().createEditor(this, m_synth);
    if (newEditor != nullptr) {
        setEditor(newEditor);
        m_editorUp = true;
        if (newEditor->Initialize()) {
            suspend();
            result = true;
        }
    }
    // The connection starts on the main thread once the host's call has returned.
    m_dispatcher->NotifyEvent(this, kEventConnect, 0, true);
    m_initialised = true;
    // The tables and records the synthesizer built go at exit only after the UI thread has stopped.
    if (m_ownsUIThread) UIThread::ArmExitStop();
    return result;
}

// Undoes exactly what was started, whichever step a failed start stopped at.
void QorVst::Uninitialize() {
    SetAbortable(nullptr);
    try {
        if (m_synth != nullptr) {
            m_synth->Disconnect();
            m_synth->SetRTMIDISink(nullptr);
            m_synth->UnadviseSink(this);
        }
    } catch (...) {
    }
    try {
        delete m_dispatcher;
    } catch (...) {
    }
    m_dispatcher = nullptr;
    try {
        if (editor != nullptr && m_editorUp) static_cast<QorVstEditorBase*>(editor)->Uninitialize();
    } catch (...) {
    }
    m_editorUp = false;
    try {
        delete m_synth;
    } catch (...) {
    }
    m_synth = nullptr;
    delete m_hostRing;
    m_hostRing = nullptr;
    delete m_editorRing;
    m_editorRing = nullptr;
    const PluginEditorHooks& hooks = GetPluginEditorHooks();
    while (m_managersUp > 0) {
        --m_managersUp;
        try {
            hooks.uninitializeManager[m_managersUp]();
        } catch (...) {
        }
    }
    m_initialised = false;
}

void QorVst::close() {
    // Anything the main thread starts from now on sees that the effect is going, and what it runs
    // now (a transfer, the connection) ends at once rather than keep the host waiting.
    m_closing.store(true);
    AbortSessions();
}

void QorVst::SetAbortable(QorX0::IRemoteSynth* synth) {
    std::lock_guard<std::mutex> lock(Live().lock);
    m_abortable = synth;
}

void QorVst::AbortSessions() {
    std::lock_guard<std::mutex> lock(Live().lock);
    if (m_abortable != nullptr) QorX0::RemoteSynthAbortSessions(m_abortable);
}

void QorVst::AbortEveryEffect() {
    std::lock_guard<std::mutex> lock(Live().lock);
    for (QorVst* effect : Live().effects) {
        effect->m_closing.store(true);
        if (effect->m_abortable != nullptr) QorX0::RemoteSynthAbortSessions(effect->m_abortable);
    }
}

// ---- threads

bool QorVst::OnMainThread() const {
    return m_loop == nullptr || m_loop->IsLoopThread();
}

void QorVst::CallOnMain(const std::function<void()>& fn) {
    if (OnMainThread()) {
        fn();
        return;
    }
    RunOnLoop(m_loop, fn);
    FlushHostCalls();
}

bool QorVst::Gate::Defer(VstInt32 opcode, VstInt32 index, VstIntPtr value, float opt) {
    if (!m_owner->m_deferHostCalls || !m_owner->OnMainThread()) return false;
    switch (opcode) {
        case audioMasterAutomate:
        case audioMasterIdle:
        case audioMasterIOChanged:
        case audioMasterSizeWindow:
        case audioMasterUpdateDisplay:
        case audioMasterBeginEdit:
        case audioMasterEndEdit:
            break;
        default:
            return false;
    }
    std::lock_guard<std::mutex> lock(m_owner->m_hostQueueLock);
    auto& queue = m_owner->m_hostQueue;
    // One pending display update says it all.
    if (opcode == audioMasterUpdateDisplay || opcode == audioMasterIdle) {
        for (const QueuedHostCall& c : queue)
            if (c.opcode == opcode) return true;
    }
    if (queue.size() < 4096) queue.push_back(QueuedHostCall{opcode, index, value, opt});
    return true;
}

void QorVst::FlushHostCalls() {
    if (OnMainThread() && m_deferHostCalls) return;
    std::vector<QueuedHostCall> calls;
    {
        std::lock_guard<std::mutex> lock(m_hostQueueLock);
        calls.swap(m_hostQueue);
    }
    for (const QueuedHostCall& c : calls) callHostDirect(c.opcode, c.index, c.value, nullptr, c.opt);
}

bool QorVst::NeedsMainThread(VstInt32 opcode) const {
    switch (opcode) {
        case effSetProgram:
        case effGetProgram:
        case effGetProgramName:
        case effGetProgramNameIndexed:
        case effGetChunk:
        case effSetChunk:
        case effEditGetRect:
        case effEditOpen:
        case effEditClose:
        case effEditDraw:
        case effEditMouse:
        case effEditKey:
        case effEditTop:
        case effEditSleep:
        case effEditKeyDown:
        case effEditKeyUp:
        case effSetEditKnobMode:
            return true;
        default:
            return false;
    }
}

VstIntPtr QorVst::dispatcher(VstInt32 opcode, VstInt32 index, VstIntPtr value, void* ptr, float opt) {
    if (opcode == effEditIdle || opcode == effIdle) {
        // The editor runs on its own timer on the main thread; the host's idle only brings back what
        // the main thread wanted to tell it.
        FlushHostCalls();
        return 0;
    }
    if (!NeedsMainThread(opcode) || OnMainThread())
        return AudioEffectX::dispatcher(opcode, index, value, ptr, opt);
    VstIntPtr result = 0;
    CallOnMain([&] { result = AudioEffectX::dispatcher(opcode, index, value, ptr, opt); });
    return result;
}

// ---- host detection

void QorVst::CheckHost() {
    if (m_hostChecked.load(std::memory_order_acquire)) return;
    std::lock_guard<std::mutex> lock(m_checkLock);
    if (m_hostChecked.load(std::memory_order_relaxed)) return;
    char product[64] = {};
    char name[64] = {};
    getHostProductString(product);
    getEffectName(name);
    product[63] = 0;
    auto expected = [&](const char* suffix) {
        std::string s = std::string(name) + suffix;
        if (s.size() > 63) s.resize(63);
        return s;
    };
    m_standalone = expected("Host") == product;
    if (!m_standalone) {
        if (expected("RTAS") == product) {
            auto* record = static_cast<uint8_t*>(std::calloc(1, kRtasRecordSize));
            if (record != nullptr) {
                const uint32_t now = HfcGetSystemTimeMs();
                const uint64_t address = reinterpret_cast<uintptr_t>(getAeffect());
                const uint64_t masked = address ^ now;
                std::memcpy(record + 8, kRtasSignature1, 4);
                std::memcpy(record + 12, kRtasSignature2, 4);
                std::memcpy(record + 16, &masked, 8);
                std::memcpy(record + 24, &now, 4);
                m_rtasRecord = record;
                m_rtas = true;
            }
        } else if (expected("AU") == product) {
            m_au = true;
        }
    }
    m_hostChecked.store(true, std::memory_order_release);
}

bool QorVst::isStandalone() {
    CheckHost();
    return m_standalone;
}

bool QorVst::IsHostStandalone() {
    CheckHost();
    return m_standalone;
}

bool QorVst::IsHostAUWrapper() {
    CheckHost();
    return m_au;
}

bool QorVst::IsHostRTASWrapper() {
    CheckHost();
    return m_rtas;
}

void* QorVst::GetRTASInfo() {
    CheckHost();
    return m_rtasRecord;
}

int QorVst::GetMode() {
    return m_synth != nullptr ? (m_synth->GetMode() & 0xFF) : 0;
}

void QorVst::SetMode(int mode) {
    if (m_synth != nullptr) m_synth->PutMode(static_cast<unsigned char>(mode & 0xFF));
}

// ---- sinks and events

void QorVst::OnRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) {}
void QorVst::OnRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth*, const QorX0::EXTCTLSTATE&) {}
void QorVst::OnRemoteSynthMasterVolumeChanged(QorX0::IRemoteSynth*, unsigned) {}
void QorVst::OnRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth*, bool) {}
void QorVst::OnRemoteSynthMIDIBroken(QorX0::IRemoteSynth*) {}

void QorVst::OnRemoteSynthModeChanged(QorX0::IRemoteSynth*, int mode) {
    updateDisplay();
    if (mode == 0 || mode == 2)
        ResetBankSelects(0, 1);
    else if (mode == 4)
        ResetBankSelects(0, 16);
}

void QorVst::OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth*, const QorX0::SOUNDINDEX&) {
    updateDisplay();
}

void QorVst::OnRemoteSynthBankListChanged(QorX0::IRemoteSynth*, int, const QorX0::SOUNDINDEX&) {
    updateDisplay();
}

void QorVst::ResetBankSelects(int first, int count) {
    for (int i = first; i < first + count; ++i) {
        m_bankMSB[i].store(255, std::memory_order_relaxed);
        m_bankLSB[i].store(255, std::memory_order_relaxed);
    }
}

void QorVst::OnAsyncTimer(long) {}

void QorVst::OnAsyncEvent(long event, long argument) {
    switch (event) {
        case kEventConnect:
            if (m_synth == nullptr || m_closing.load()) return;
            try {
                CheckHost();
                m_synth->Connect(m_standalone, true);
            } catch (...) {
                std::printf("Exception at RemoteSynth::Connection()\n");
                std::fflush(stdout);
            }
            if (m_ownsUIThread) UIThread::ArmExitStop();
            break;
        case kEventPutCurSound:
        case kEventPutTimbreSound: {
            if (m_synth != nullptr && !m_closing.load()) {
                const int bank = (argument >> 8) & 0xFF;
                const int program = argument & 0x7F;
                try {
                    if (event == kEventPutCurSound) {
                        m_synth->PutCurSound(
                            QorX0::SOUNDINDEX{static_cast<uint8_t>(bank), static_cast<uint8_t>(program)});
                    } else {
                        const int track = (argument >> 16) & 0x0F;
                        if (bank == 0xFF) {
                            m_synth->PutCurTimbreSound(QorX0::kModeMulti, track, program);
                        } else {
                            QorX0::SOUNDINDEX sound{static_cast<uint8_t>(bank),
                                                    static_cast<uint8_t>(program)};
                            m_synth->PutCurTimbreSound(QorX0::kModeMulti, track, sound);
                        }
                    }
                } catch (...) {
                }
            }
            m_soundChangesPending.fetch_sub(1);
            break;
        }
        case kEventApplyParameters:
            ApplyParameters();
            break;
        default:
            break;
    }
}

// ---- entry

namespace {
QorVst* CreateEffect(int model, audioMasterCallback audioMaster) {
    if (audioMaster == nullptr) return nullptr;
    auto* effect = new QorVst(static_cast<unsigned char>(model), audioMaster);
    bool ok = false;
    try {
        ok = effect->Initialize() && effect->getEditor() != nullptr;
    } catch (...) {
        ok = false;
    }
    if (!ok) {
        QorVst::Destroy(effect);
        return nullptr;
    }
    return effect;
}
}  // namespace

void* QorVst::CreateInstance(int model, audioMasterCallback audioMaster) {
    try {
        QorVst* effect = CreateEffect(model, audioMaster);
        if (effect == nullptr) return nullptr;
        if (void* record = effect->GetRTASInfo()) return record;
        return effect->getAeffect();
    } catch (...) {
        return nullptr;
    }
}

AEffect* QorVst::PluginMain(audioMasterCallback audioMaster) {
    try {
        if (audioMaster == nullptr) return nullptr;
        if (audioMaster(nullptr, audioMasterVersion, 0, 0, nullptr, 0.0f) == 0) return nullptr;
        // Always the effect record: a VST host reads what it gets as one.
        QorVst* effect = CreateEffect(1, audioMaster);
        return effect != nullptr ? effect->getAeffect() : nullptr;
    } catch (...) {
        return nullptr;
    }
}
