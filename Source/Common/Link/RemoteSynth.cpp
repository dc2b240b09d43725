// The remote synthesizer: construction, observers and events, and the small accessors.
#include <algorithm>
#include <cstring>
#include <new>

#include "Common/Link/RemoteMIDI.h"
#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/Presets.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr int kPidSetupLatency = 0x9200;

}  // namespace

void CRemoteSynthImpl::AUDSTATE::clear() {
    kind.store(0);
    mode = virtualMode = soundMode = 255;
    bank = number = 0;
    std::memset(data, 0, sizeof data);
    std::memset(&rtc, 0, sizeof rtc);
}

IRemoteSynth* RemoteSynthCreate(unsigned char model) {
    if (model != kPmidTolva && model != kPmidNerimo) return nullptr;
    return new (std::nothrow) CRemoteSynthImpl(model);
}

void RemoteSynthAbortSessions(IRemoteSynth* synth) {
    auto* impl = dynamic_cast<CRemoteSynthImpl*>(synth);
    if (impl == nullptr) return;
    if (auto* link = dynamic_cast<CRemoteMIDIImpl*>(impl->GetRemoteMidi())) link->AbortSessions();
}

CRemoteSynthImpl::CRemoteSynthImpl(unsigned char model)
    : m_model(model),
      m_image(std::make_unique<CHUNK_REMOTESYNTH>()),
      m_preset(std::make_unique<uint8_t[]>(kSizePresetImage)),
      m_syncedImage(std::make_unique<CHUNK_REMOTESYNTH>()) {
    std::memcpy(m_setupBytes, INITCHUNK_SETUP, sizeof m_setupBytes);
    InitAllChunk(m_image.get());
    FillPresetImage(m_preset.get(), m_model);
    m_aud.clear();

    m_dispatch = AsyncDispatchCreate();
    if (!m_dispatch->CreateTimer(this, &m_pollTimer)) m_pollTimer = 0;
    if (!m_dispatch->CreateTimer(this, &m_oneShotTimer)) m_oneShotTimer = 0;
    if (!m_dispatch->CreateTimer(this, &m_pollWaitTimer)) m_pollWaitTimer = 0;
    if (!m_dispatch->CreateTimer(this, &m_portsTimer)) m_portsTimer = 0;
    if (!m_dispatch->CreateTimer(this, &m_sendTimer)) m_sendTimer = 0;

    m_link = RemoteMIDICreate(m_model);
    m_virtualMode = m_image->mode;
    m_soundMode = SoundModeOf(m_image->mode);
    InitAllChunk(m_syncedImage.get());

    CHUNK_REMOTESYNTH* image = m_image.get();
    // The read thread writes the image: the librarian's sounds read and write it under its lock.
    m_progBanks.SetLock(&m_imageLock);
    m_combiBanks.SetLock(&m_imageLock);
    m_multiBanks.SetLock(&m_imageLock);
    BuildProgramBankList(&m_progBanks, m_model, image, m_preset.get());
    BuildCombiBankList(&m_combiBanks, image);
    BuildMultiBankList(&m_multiBanks, image);

    m_setupSection.Init(this, m_setupBytes);
    m_rtc.Init(this, &m_progPlay, &m_progEdit, &m_combiPlay, &m_combiEdit, &m_multi, &m_global);
    m_global.Init(this, &m_rtc, &m_patterns, &m_progPlay, &m_progEdit, &m_combiPlay, &m_combiEdit, &m_multi,
                  image);
    m_kits.Init(this, GATYPE_DRUMKIT, image->drumkit[0], &m_global);
    m_patterns.Init(this, GATYPE_ARPPATTERN, image->arppattern[0], &m_global);
    m_exts.Init(this, GATYPE_EXTCONTROL, image->extcontrol[0], &m_global);
    m_progPlay.Init(this, &m_rtc, &m_progEdit, image);
    m_progEdit.Init(this, &m_rtc, image);
    m_combiPlay.Init(this, &m_rtc, &m_combiEdit, image);
    m_combiEdit.Init(this, &m_rtc, image);
    m_multi.Init(this, &m_rtc, image);
    m_setupSection.PersistLoad();

    // The audio thread reads the latency from a copy that follows the setup row.
    m_setupSection.AdviseSink(this);
    RefreshLatency();
}

CRemoteSynthImpl::~CRemoteSynthImpl() {
    // No port notice comes after this.
    ListenToPorts(false);
    // Events queued for us (or one running on the main thread while we go on another) end here.
    if (m_dispatch) m_dispatch->WithdrawEvents(this);
    Disconnect();
    m_setupSection.UnadviseSink(this);
    if (m_sendTimer != 0) m_dispatch->DestroyTimer(m_sendTimer);
    if (m_portsTimer != 0) m_dispatch->DestroyTimer(m_portsTimer);
    if (m_pollWaitTimer != 0) m_dispatch->DestroyTimer(m_pollWaitTimer);
    if (m_oneShotTimer != 0) m_dispatch->DestroyTimer(m_oneShotTimer);
    if (m_pollTimer != 0) m_dispatch->DestroyTimer(m_pollTimer);
    // The link's threads end here: no callback comes after this.
    delete m_link;
    m_link = nullptr;
    // Drops every event still queued for this object and its sections.
    delete m_dispatch;
    m_dispatch = nullptr;
}

unsigned char CRemoteSynthImpl::SoundModeOf(unsigned char mode) {
    switch (mode) {
        case kModeCombiPlay:
        case kModeCombiEdit:
            return kModeCombiPlay;
        case kModeProgPlay:
        case kModeProgEdit:
            return kModeProgPlay;
        case kModeMulti:
            return kModeMulti;
        default:
            return 255;
    }
}

void CRemoteSynthImpl::CopyImage(CHUNK_REMOTESYNTH* out) {
    CImageGuard g(this);
    std::memcpy(out, m_image.get(), sizeof *out);
}

// ---------------------------------------------------------------- observers

bool CRemoteSynthImpl::AdviseSink(IRemoteSynthSink* sink) {
    CSLock g(m_sinkLock);
    if (!sink || std::find(m_sinks.begin(), m_sinks.end(), sink) != m_sinks.end()) return false;
    m_sinks.push_back(sink);
    return true;
}

bool CRemoteSynthImpl::UnadviseSink(IRemoteSynthSink* sink) {
    CSLock g(m_sinkLock);
    auto it = std::find(m_sinks.begin(), m_sinks.end(), sink);
    if (!sink || it == m_sinks.end()) return false;
    m_sinks.erase(it);
    return true;
}

bool CRemoteSynthImpl::AdviseMIDISink(IRemoteSynthMIDISink* sink) {
    CSLock g(m_sinkLock);
    if (!sink || std::find(m_midiSinks.begin(), m_midiSinks.end(), sink) != m_midiSinks.end()) return false;
    m_midiSinks.push_back(sink);
    return true;
}

bool CRemoteSynthImpl::UnadviseMIDISink(IRemoteSynthMIDISink* sink) {
    CSLock g(m_sinkLock);
    auto it = std::find(m_midiSinks.begin(), m_midiSinks.end(), sink);
    if (!sink || it == m_midiSinks.end()) return false;
    m_midiSinks.erase(it);
    return true;
}

bool CRemoteSynthImpl::SetRTMIDISink(IRTMIDISink* sink) {
    m_rtSink.store(sink);
    return true;
}

template <class Sink, class F>
void CRemoteSynthImpl::WalkSinks(const std::vector<Sink*>& list, F&& call) {
    // Called with the sink lock held. The walk goes over the list as it was when the event came;
    // an observer that is no longer listed when its turn comes is skipped.
    const std::vector<Sink*> snapshot = list;
    for (Sink* s : snapshot) {
        if (std::find(list.begin(), list.end(), s) == list.end()) continue;
        call(s);
    }
}

void CRemoteSynthImpl::Post(long event, long argument, bool force) {
    if (m_dispatch) m_dispatch->NotifyEvent(this, event, argument, force);
}

void CRemoteSynthImpl::PostBankList(unsigned kind, unsigned bank, unsigned number) {
    Post(kEvBankList, static_cast<long>((kind & 0xFF) << 16 | (bank & 0xFF) << 8 | (number & 0xFF)));
}

void CRemoteSynthImpl::OnAsyncEvent(long event, long argument) {
    const unsigned arg = static_cast<unsigned>(argument);
    switch (event) {
        case kEvAbortAudition:
            if (!GetAuditionState()) return;
            EndAudition(false);
            if (((arg >> 16) & 0xFF) == kAbortByMode) {
                TRACE("RemoteSynth: AM_ABORTAUDITION(ABORTAUD_BYMODE)\n");
                PutMode(static_cast<unsigned char>(arg & 0xFF));
            } else {
                TRACE("RemoteSynth: AM_ABORTAUDITION(ABORTAUD_BYSOUND)\n");
                const SOUNDINDEX s{static_cast<uint8_t>(arg >> 8), static_cast<uint8_t>(arg)};
                PutCurSound(s);
            }
            return;
        case kEvArmCurProgReq:
            if (m_oneShotTimer != 0) m_dispatch->SetTimerPeriod(m_oneShotTimer, kCurProgRequestDelayMs);
            return;
        case kEvSendPending:
            SendPending();
            return;
        case kEvPollAnswered:
            if (m_pollWaiting.load() && m_stateAnswers.load() != m_pollAnswersBefore) EndPoll(true);
            return;
        case kEvReassertSound: {
            const SOUNDINDEX want{static_cast<uint8_t>(arg >> 8), static_cast<uint8_t>(arg)};
            const SOUNDINDEX cur = GetCurSound();
            if (cur.bank != want.bank || cur.number != want.number) PutCurSound(want);
            return;
        }
        default:
            break;
    }

    CSLock g(m_sinkLock);
    switch (event) {
        case kEvConnection:
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) {
                s->OnRemoteSynthConnectionStateChanged(this, (arg & 0xFF) != 0, (arg >> 8) != 0);
            });
            break;
        case kEvExtCtlState: {
            const EXTCTLSTATE st{static_cast<uint8_t>(arg & 1), static_cast<uint8_t>(arg >> 8),
                                 static_cast<uint8_t>(arg >> 16)};
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) { s->OnRemoteSynthExtCtlStateChanged(this, st); });
            break;
        }
        case kEvMasterVolume:
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) { s->OnRemoteSynthMasterVolumeChanged(this, arg); });
            break;
        case kEvMode:
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) {
                s->OnRemoteSynthModeChanged(this, static_cast<int>(argument));
            });
            break;
        case kEvCurSound: {
            const SOUNDINDEX si{static_cast<uint8_t>(arg >> 8), static_cast<uint8_t>(arg)};
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) { s->OnRemoteSynthCurSoundChanged(this, si); });
            break;
        }
        case kEvBankList: {
            const SOUNDINDEX si{static_cast<uint8_t>(arg >> 8), static_cast<uint8_t>(arg)};
            const int kind = static_cast<int>((arg >> 16) & 0xFF);
            WalkSinks(m_sinks, [&](IRemoteSynthSink* s) { s->OnRemoteSynthBankListChanged(this, kind, si); });
            break;
        }
        case kEvAuditionState:
            WalkSinks(m_sinks,
                      [&](IRemoteSynthSink* s) { s->OnRemoteSynthAuditionStateChanged(this, arg != 0); });
            break;
        case kEvMIDIIn: {
            const uint8_t bytes[3] = {static_cast<uint8_t>(arg), static_cast<uint8_t>(arg >> 8),
                                      static_cast<uint8_t>(arg >> 16)};
            const unsigned length = std::min(arg >> 24, 3u);
            WalkSinks(m_midiSinks,
                      [&](IRemoteSynthMIDISink* s) { s->OnRemoteSynthMIDIIn(this, bytes, length); });
            break;
        }
        default:
            break;
    }
}

// ---------------------------------------------------------------- setup latency copy

void CRemoteSynthImpl::RefreshLatency() {
    m_latencyMs.store(m_setupSection.GetParamI(kPidSetupLatency));
}

void CRemoteSynthImpl::OnSectionReinitialized(ISection*) {
    RefreshLatency();
}

void CRemoteSynthImpl::OnSectionParamChanged(ISection*, int pid) {
    if (pid == kPidSetupLatency) RefreshLatency();
}

// ---------------------------------------------------------------- accessors

bool CRemoteSynthImpl::GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry,
                                          MODEANDSTATE* state, bool* online) {
    if (online) *online = m_online.load();
    return m_link && m_link->GetConnectionState(out, in, inquiry, state);
}

unsigned char CRemoteSynthImpl::GetGlobalChannel() {
    return m_link ? m_link->GetGlobalChannel() : 0;
}

EXTCTLSTATE CRemoteSynthImpl::GetExtCtlState() {
    return m_extCtl;
}

unsigned char CRemoteSynthImpl::GetGMMapping() {
    return m_link && m_link->GetGMMapping() ? 1 : 0;
}

namespace {

// Offset of the user-interface value of a sound kind's current-sound record, 0 for none.
unsigned UIStateOffset(unsigned char kind) {
    switch (kind) {
        case kModeCombiPlay:
        case kModeCombiEdit:
            return kAreaCurCombiRecord.offset + 4;
        case kModeProgPlay:
        case kModeProgEdit:
            return kAreaCurProgramRecord.offset + 4;
        case kModeMulti:
            return kAreaCurMultiRecord.offset + 4;
        default:
            return 0;
    }
}

}  // namespace

bool CRemoteSynthImpl::LoadUIState(unsigned char kind, UISTATEDATA* data) {
    const unsigned off = UIStateOffset(kind);
    if (off == 0 || !data) return false;
    CImageGuard g(this);
    std::memcpy(&data->value, m_image->Bytes() + off, sizeof data->value);
    return true;
}

bool CRemoteSynthImpl::SaveUIState(unsigned char kind, const UISTATEDATA& data) {
    const unsigned off = UIStateOffset(kind);
    if (off == 0) return false;
    CImageGuard g(this);
    std::memcpy(m_image->Bytes() + off, &data.value, sizeof data.value);
    return true;
}

unsigned CRemoteSynthImpl::GetMasterVolume() {
    return m_masterVolume.load();
}

unsigned char CRemoteSynthImpl::GetMode() {
    CImageGuard g(this);
    return m_image->mode;
}

unsigned char CRemoteSynthImpl::GetVirtualMode() {
    return m_virtualMode.load();
}

unsigned char CRemoteSynthImpl::GetSoundMode() {
    return m_soundMode.load();
}

bool CRemoteSynthImpl::GetAuditionState() {
    return m_aud.kind.load() != 0;
}

int CRemoteSynthImpl::GetRemoteTempo() {
    return m_rtc.GetParamI(CRTCSectionImpl::kPidTempo);
}

IBankList* CRemoteSynthImpl::GetAllSounds(int kind) {
    switch (kind) {
        case kModeCombiPlay:
        case kModeCombiEdit:
            return &m_combiBanks;
        case kModeProgPlay:
        case kModeProgEdit:
            return &m_progBanks;
        case kModeMulti:
            return &m_multiBanks;
        default:
            return nullptr;
    }
}

ISoundSection* CRemoteSynthImpl::GetEditBuffer(int kind) {
    switch (kind) {
        case kModeCombiPlay:
            return &m_combiPlay;
        case kModeCombiEdit:
            return &m_combiEdit;
        case kModeProgPlay:
            return &m_progPlay;
        case kModeProgEdit:
            return &m_progEdit;
        case kModeMulti:
            return &m_multi;
        default:
            return nullptr;
    }
}

unsigned char CRemoteSynthImpl::GetCurTimbreMIDICh(int kind, int track) {
    if (kind == kModeMulti) {
        const int ch = m_multi.GetTrackMIDICh(track);
        if (ch >= 0) return static_cast<unsigned char>(ch);
    }
    return GetGlobalChannel();
}

bool CRemoteSynthImpl::PutCurTimbreSound(int kind, int track, int value) {
    if (kind != kModeMulti || track < 0 || track >= static_cast<int>(kMultiTrackCount)) return false;
    m_multi.PutTrackSound(track, value);
    return true;
}

bool CRemoteSynthImpl::PutCurTimbreSound(int kind, int track, SOUNDINDEX& sound) {
    if (kind != kModeMulti || track < 0 || track >= static_cast<int>(kMultiTrackCount)) return false;
    m_multi.PutTrackSound(track, sound);
    return true;
}

const std::vector<MIDIDevKey>* CRemoteSynthImpl::GetMIDIInKeyDevArray() {
    if (m_link) m_inKeys = m_link->GetMIDIInKeyDevArray();
    return &m_inKeys;
}

const std::vector<MIDIDevKey>* CRemoteSynthImpl::GetMIDIOutKeyDevArray() {
    if (m_link) m_outKeys = m_link->GetMIDIOutKeyDevArray();
    return &m_outKeys;
}

bool CRemoteSynthImpl::SetMIDIInPortName(const char* name) {
    m_setupSection.PutParamSEx(CSetupSectionImpl::kPidMidiInName, name ? name : "", 255);
    return true;
}

bool CRemoteSynthImpl::SetMIDIOutPortName(const char* name) {
    m_setupSection.PutParamSEx(CSetupSectionImpl::kPidMidiOutName, name ? name : "", 255);
    return true;
}

}  // namespace QorX0
