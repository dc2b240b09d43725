// Connect, disconnect and the poll (main thread).
#include <algorithm>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/Persist.h"

#include "Common/Link/RemoteSynthImpl.h"
#include "Common/Model/ModelStrings.h"
#include "Hfc/Base/HfcMessageBox.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr int kPidAutoLocalControl = 0x9000;
constexpr int kLocalControlCC = 122;
constexpr const char* kTextNotFound = "Tolva Hardware is not found.\nRescan whole all MIDI devices?";
constexpr const char* kTextSyncFailed =
    "The data failed to synchronize.\nBe sure not to touch the instrument or the computer's mouse\nand "
    "keyboard "
    "while data is being sent or received.\n\nRetry?";
// Host state that arrives while a merge runs is merged once more; a host that keeps handing it over
// from inside the merge is served at the next Connect.
constexpr int kMaxMergeRounds = 3;

}  // namespace

void CRemoteSynthImpl::SendLocalControl(bool on) {
    if (!m_link) return;
    const uint8_t msg[3] = {static_cast<uint8_t>(0xB0 | (m_link->GetGlobalChannel() & 0x0F)), kLocalControlCC,
                            static_cast<uint8_t>(on ? 127 : 0)};
    m_link->SendShortMsg(static_cast<long long>(GetSysTick()) * 1000, msg, sizeof msg);
}

bool CRemoteSynthImpl::AskRetry(const char* text) {
    if (m_closing.load() || (m_link && m_link->UIIsAborted())) return false;
    // Unattended (no display and no hook) a box would answer yes for ever.
    if (!HfcMessageBoxCanAsk()) return false;
    const std::string caption = GetModalCaption(m_model, m_standalone.load());
    const bool yes = HfcMessageBox(text, caption.c_str(), HFC_MB_OKCANCEL, 0) == HFC_MB_RESULT_DEFAULT;
    return yes && !m_closing.load();
}

bool CRemoteSynthImpl::Connect(bool standalone, bool synchronise) {
    IRemoteMIDI* link = m_link;
    if (!link) return false;
    m_wanted = true;
    m_wantStandalone = standalone;
    m_wantSynchronise = synchronise;
    ListenToPorts(true);
    if (m_connected.load()) {
        Post(kEvConnection, 1 | (m_online.load() ? 1 : 0) << 8);
        return true;
    }
    return Establish(standalone, synchronise, false);
}

bool CRemoteSynthImpl::Establish(bool standalone, bool synchronise, bool quiet) {
    IRemoteMIDI* link = m_link;
    if (m_connecting.exchange(true)) return false;  // a Connect runs further down this thread
    struct ConnectingScope {
        CRemoteSynthImpl* self;
        ~ConnectingScope() {
            self->m_connecting.store(false);
            // Ports that changed meanwhile are looked at once this is over.
            if (self->m_portsChangedMeanwhile) {
                self->m_portsChangedMeanwhile = false;
                self->PostPortsChanged();
            }
        }
    } connectingScope{this};
    const bool activated = link->UIActivate();
    m_connected.store(true);
    m_online.store(true);
    m_standalone.store(standalone);
    RefreshLatency();

    // Text rows read back as double strings; the name is the long part.
    const std::string savedIn = multiszlong(m_setupSection.GetParamS(CSetupSectionImpl::kPidMidiInName));
    const std::string savedOut = multiszlong(m_setupSection.GetParamS(CSetupSectionImpl::kPidMidiOutName));
    const std::string caption = GetModalCaption(m_model, standalone);
    bool up = false;
    if (!savedIn.empty() && !savedOut.empty()) up = link->Connect(this, standalone, savedIn, savedOut);
    if (!up && !m_closing.load()) {
        // Found by itself (ports that appeared), the instrument is looked for without asking.
        const bool scan =
            quiet || savedIn.empty() || savedOut.empty() ||
            HfcMessageBox(kTextNotFound, caption.c_str(), HFC_MB_OKCANCEL, 0) == HFC_MB_RESULT_DEFAULT;
        if (scan && !m_closing.load()) up = link->Connect(this, standalone);
    }
    if (!up) {
        // What the user loaded or edited meanwhile stays: no instrument has answered.
        TRACE("RemoteSynth: connection failed\n");
        m_connected.store(false);
        m_online.store(false);
        m_standalone.store(false);
        if (activated) link->UIDeactivate();
        return false;
    }
    {
        CImageGuard g(this);
        InitAllChunk(m_image.get());
    }
    MIDIDevKey outKey, inKey;
    DEVICEINQUIRYDATA inquiry{};
    MODEANDSTATE state{};
    link->GetConnectionState(&outKey, &inKey, &inquiry, &state);
    TRACE("RemoteSynth: connected, out=\"%s\" in=\"%s\"\n", outKey.name.c_str(), inKey.name.c_str());
    if (savedIn != inKey.name) {
        m_setupSection.PutParamSEx(CSetupSectionImpl::kPidMidiInName, inKey.name.c_str(), 255);
        m_setupSection.PersistSave(CSetupSectionImpl::kPidMidiInName);
    }
    if (savedOut != outKey.name) {
        m_setupSection.PutParamSEx(CSetupSectionImpl::kPidMidiOutName, outKey.name.c_str(), 255);
        m_setupSection.PersistSave(CSetupSectionImpl::kPidMidiOutName);
    }

    unsigned char mode = state.Mode();
    if (mode > kModeMulti) {
        mode = kModeCombiPlay;
        link->SendModeChange(mode);
    }

    if (standalone && !state.LocalControl()) {
        TRACE("RemoteSynth: turn local control ON\n");
        m_localControl = 1;
        SendLocalControl(true);
    } else if (!standalone && state.LocalControl() && m_setupSection.GetParamI(kPidAutoLocalControl) != 0) {
        TRACE("RemoteSynth: turn local control OFF\n");
        m_localControl = 2;
        SendLocalControl(false);
    }

    {
        CImageGuard g(this);
        CHUNK_REMOTESYNTH* im = m_image.get();
        im->curprogramrec[0] = state.data[MODEANDSTATE::PROG_BANK];
        im->curprogramrec[1] = state.data[MODEANDSTATE::PROG_NUMBER];
        im->curcombirec[0] = state.data[MODEANDSTATE::COMBI_BANK];
        im->curcombirec[1] = state.data[MODEANDSTATE::COMBI_NUMBER];
        im->curmultirec[0] = 0;
        im->curmultirec[1] = state.data[MODEANDSTATE::MULTI_NUMBER];
    }
    SetModes(mode);

    if (synchronise) {
        bool received = false;
        while (!received) {
            received = QN_SUCCEEDED(HandleReceiveAll("synchronizing..."));
            if (!received && !AskRetry(kTextSyncFailed)) break;
        }
        bool merged = true;
        if (received) {
            {
                CImageGuard g(this);
                std::memcpy(m_syncedImage.get(), m_image.get(), sizeof(CHUNK_REMOTESYNTH));
            }
            m_synced.store(true);
            // Host state handed over while this ran (from inside a box or the progress loop) is
            // merged too.
            for (int round = 0; merged && !m_pending.empty() && round < kMaxMergeRounds; ++round)
                merged = MergePending();
        }
        TRACE("RemoteSynth: initial persistence %s\n", received && merged ? "succeeded" : "failed");
    }

    m_portsLost = false;
    m_recheck = false;
    m_patterns.APATUpdateSel();
    if (m_pollTimer != 0) m_dispatch->SetTimerPeriod(m_pollTimer, kPollPeriodMs);
    Post(kEvConnection, (m_connected.load() ? 1 : 0) | (m_online.load() ? 1 : 0) << 8);
    OnAsyncTimer(m_pollTimer);
    if (activated) link->UIDeactivate();
    return true;
}

void CRemoteSynthImpl::Disconnect() {
    m_wanted = false;
    if (m_portsTimer != 0) m_dispatch->SetTimerPeriod(m_portsTimer, 0);
    DropLink(true);
    Post(kEvConnection, 0);
}

void CRemoteSynthImpl::DropLink(bool restoreLocalControl) {
    if (restoreLocalControl && m_localControl == 2) {
        TRACE("RemoteSynth: turn local control ON\n");
        SendLocalControl(true);
    } else if (restoreLocalControl && m_localControl == 1) {
        TRACE("RemoteSynth: turn local control OFF\n");
        SendLocalControl(false);
    }
    if (m_link) m_link->Disconnect();
    // A poll's wait ends with the link.
    m_pollWaiting.store(false);
    if (m_pollWaitTimer != 0) m_dispatch->SetTimerPeriod(m_pollWaitTimer, 0);
    m_online.store(false);
    m_connected.store(false);
    m_standalone.store(false);
    const unsigned char mode = GetMode();
    m_virtualMode.store(mode);
    m_soundMode.store(SoundModeOf(mode));
    m_extCtl = EXTCTLSTATE{};
    m_localControl = 0;
    {
        CImageGuard g(this);
        InitAllChunk(m_syncedImage.get());
    }
    m_synced.store(false);
}

bool CRemoteSynthImpl::LoadPendingItem(const PendingItem& item, CHUNK_REMOTESYNTH* image, RTCSTAT* rtc,
                                       bool* hasRtc) {
    if (!IsHostChunkKind(item.kind)) {
        // A file goes where the user put it, whole.
        PERSISTPARAMS params{};
        params.index = item.index;
        params.image = image;
        params.rtc = *rtc;
        std::istringstream is(item.bytes, std::ios::binary);
        if (!PersistLoadStream(is, m_model, &params)) {
            TRACE("RemoteSynth: Connect(), PersistLoadStream() failed (1st time)\n");
            return false;
        }
        if (IsWholeImageKind(item.kind)) {
            *rtc = params.rtc;
            *hasRtc = true;
        }
        return true;
    }
    // The host's state: over the instrument's data, then of it what the setup's total-recall filter
    // selects.
    auto scratch = std::make_unique<CHUNK_REMOTESYNTH>();
    std::memcpy(scratch.get(), image, sizeof *scratch);
    PERSISTPARAMS params{};
    params.image = scratch.get();
    {
        std::istringstream is(item.bytes, std::ios::binary);
        if (!PersistLoadStream(is, m_model, &params)) {
            TRACE("RemoteSynth: Connect(), PersistLoadStream() failed (1st time)\n");
            return false;
        }
    }
    std::string filtered;
    {
        PERSISTPARAMS save{};
        save.kind = FTYPE_FILTERED;
        save.image = scratch.get();
        m_setupSection.BuildFilter(&save.filter);
        save.rtc = params.rtc;
        std::ostringstream os(std::ios::binary);
        if (!PersistSaveStream(os, m_model, &save)) {
            TRACE("RemoteSynth: Connect(), PersistSaveStream() failed\n");
            return false;
        }
        filtered = std::move(os).str();
    }
    PERSISTPARAMS load{};
    load.image = image;
    std::istringstream is(filtered, std::ios::binary);
    if (!PersistLoadStream(is, m_model, &load)) {
        TRACE("RemoteSynth: Connect(), PersistLoadStream() failed (2nd time)\n");
        return false;
    }
    *rtc = params.rtc;
    *hasRtc = true;
    return true;
}

bool CRemoteSynthImpl::MergePending() {
    IRemoteMIDI* link = m_link;
    if (!link) return false;
    // Every pending item in order, each at its place, over the instrument's data as received.
    const std::vector<PendingItem> merging = m_pending;
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    std::memcpy(image.get(), m_syncedImage.get(), sizeof *image);
    RTCSTAT rtc = m_rtc.GetStat();
    bool hasRtc = false;
    for (const PendingItem& item : merging)
        if (!LoadPendingItem(item, image.get(), &rtc, &hasRtc)) return false;
    // The merged image becomes the working image in one piece.
    if (image->mode > kModeMulti) image->mode = kModeCombiPlay;
    {
        CImageGuard g(this);
        std::memcpy(m_image.get(), image.get(), sizeof *image);
    }
    SetModes(image->mode);
    // To the instrument.
    bool sent = false;
    while (!sent) {
        sent = QN_SUCCEEDED(HandleSendAll(image.get(), "Restoring song data..."));
        if (!sent && !AskRetry(kTextSyncFailed)) break;
    }
    if (sent && hasRtc && m_virtualMode.load() != kModeMulti) m_rtc.RestoreStat(rtc, 255);
    OnApplyAll();
    if (!sent) {
        // Still pending: the next Connect merges it again. Meanwhile the editor shows the merged
        // image, and a host save hands that over.
        TRACE("RemoteSynth: Connect(), HandleSendAll() failedn");
        return false;
    }
    ForgetPending(merging);
    return true;
}

void CRemoteSynthImpl::ForgetPending(const std::vector<PendingItem>& done) {
    for (const PendingItem& d : done)
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it)
            if (it->serial == d.serial) {
                m_pending.erase(it);
                break;
            }
}

void CRemoteSynthImpl::PostSendPending() {
    if (!m_sendPendingPosted.exchange(true)) Post(kEvSendPending, 0, true);
}

void CRemoteSynthImpl::SendPending() {
    m_sendPendingPosted.store(false);
    IRemoteMIDI* link = m_link;
    if (!link || m_sendingPending || m_connecting.load() || !m_connected.load() || !m_online.load() ||
        m_closing.load())
        return;
    if (link->UIIsActive()) {
        // Inside another transfer's progress loop: sent once it is over.
        if (m_sendTimer != 0) m_dispatch->SetTimerPeriod(m_sendTimer, kPortsRetryMs);
        return;
    }
    m_sendingPending = true;
    const std::vector<PendingItem> sending = m_pending;
    for (const PendingItem& item : sending) {
        auto scratch = std::make_unique<CHUNK_REMOTESYNTH>();
        CopyImage(scratch.get());
        PERSISTPARAMS params{};
        params.index = item.index;
        params.image = scratch.get();
        params.rtc = m_rtc.GetStat();
        std::istringstream is(item.bytes, std::ios::binary);
        bool sent = PersistLoadStream(is, m_model, &params) &&
                    ApplyLoaded(params.kind, item.index, scratch.get(), params.rtc, true);
        if (!sent) {
            // Kept for the next answer or the next Connect.
            TRACE("RemoteSynth: pending state not sent\n");
            break;
        }
        ForgetPending({item});
    }
    m_sendingPending = false;
}

void CRemoteSynthImpl::OnAsyncTimer(long id) {
    IRemoteMIDI* link = m_link;
    if (!link || id == 0) return;
    if (id == m_pollTimer) {
        PollOnce();
    } else if (id == m_pollWaitTimer) {
        EndPoll(m_stateAnswers.load() != m_pollAnswersBefore);
    } else if (id == m_sendTimer) {
        m_dispatch->SetTimerPeriod(m_sendTimer, 0);
        SendPending();
    } else if (id == m_portsTimer) {
        if (m_portsChanged.exchange(false)) OnPortsChanged();
    } else if (id == m_oneShotTimer) {
        link->SendCurProgDumpReq();
        m_dispatch->SetTimerPeriod(m_oneShotTimer, 0);
    }
}

void CRemoteSynthImpl::PollOnce() {
    IRemoteMIDI* link = m_link;
    if (m_pollWaiting.load()) return;  // the last request's wait runs
    // The request goes out and the main thread goes on; the answer (or the end of the wait for it)
    // arrives as an event.
    const unsigned before = m_stateAnswers.load();
    m_pollAnswersBefore = before;
    m_pollWaiting.store(true);
    const QNRESULT r = link->PostModeAndStateReq();
    if (r == QN_BUSY) {
        // A transfer is running: nothing is known.
        m_pollWaiting.store(false);
        return;
    }
    if (!QN_SUCCEEDED(r)) {
        EndPoll(false);
        return;
    }
    if (m_stateAnswers.load() != before) {
        EndPoll(true);
        return;
    }
    if (m_pollWaitTimer != 0) m_dispatch->SetTimerPeriod(m_pollWaitTimer, kPollReplyWaitMs);
}

void CRemoteSynthImpl::EndPoll(bool answered) {
    if (!m_pollWaiting.exchange(false)) return;
    if (m_pollWaitTimer != 0) m_dispatch->SetTimerPeriod(m_pollWaitTimer, 0);
    IRemoteMIDI* link = m_link;
    if (answered && link && m_connected.load()) {
        m_recheck = false;
        if (!m_online.load()) {
            m_online.store(true);
            Post(kEvConnection, (m_connected.load() ? 1 : 0) | 1 << 8);
            // What was loaded while it did not answer goes to it now.
            if (!m_pending.empty()) PostSendPending();
        }
        MODEANDSTATE state{};
        link->GetConnectionState(nullptr, nullptr, nullptr, &state);
        const EXTCTLSTATE st{static_cast<uint8_t>(state.data[MODEANDSTATE::EXTCTRL_ENABLED] != 0),
                             state.data[MODEANDSTATE::EXTCTRL_VALUE],
                             static_cast<uint8_t>(state.ExtControlState())};
        if (st.enabled != m_extCtl.enabled || st.value != m_extCtl.value || st.state != m_extCtl.state) {
            m_extCtl = st;
            Post(kEvExtCtlState, static_cast<long>(st.enabled | st.value << 8 | st.state << 16));
        }
        const int track = state.data[MODEANDSTATE::MULTI_CONTROL_TRACK];
        if (m_multi.GetParamI(CMultiSectionImpl::kPidCurTrack) != track)
            m_multi.PutParamIEx(CMultiSectionImpl::kPidCurTrack, track, kPutNotify);
        return;
    }
    if (m_online.load()) {
        m_online.store(false);
        Post(kEvConnection, m_connected.load() ? 1 : 0);
    }
    // The ports changed and it no longer answers: it was switched off and on.
    if (m_recheck && m_connected.load()) PostPortsChanged();
}

// ---- the system's MIDI ports

void CRemoteSynthImpl::ListenToPorts(bool on) {
    // The main thread looks at the notices on a timer of its own: a notice may come while the
    // process exits and the main thread's loop is gone, so it only leaves a mark.
    if (m_portsTimer != 0) m_dispatch->SetTimerPeriod(m_portsTimer, on ? kPortsLookMs : 0);
    IMidiBackend* backend = on ? MidiBackendGet() : nullptr;
    if (backend == m_portsBackend) return;
    if (m_portsBackend) m_portsBackend->RemoveSetupListener(this);
    m_portsBackend = backend;
    if (backend) {
        m_knownPorts = ListedPorts(nullptr, nullptr);
        backend->AddSetupListener(this);
    }
}

void CRemoteSynthImpl::OnMidiSetupChanged() {
    PostPortsChanged();
}

void CRemoteSynthImpl::PostPortsChanged() {
    m_portsChanged.store(true);
}

std::vector<uint32_t> CRemoteSynthImpl::ListedPorts(std::vector<MIDIDevKey>* ins,
                                                    std::vector<MIDIDevKey>* outs) {
    std::vector<MIDIDevKey> in, out;
    {
        std::unique_ptr<IMIDIIn> port(MIDIInCreate());
        port->EnumDevices(&in);
        std::unique_ptr<IMIDIOut> oport(MIDIOutCreate());
        oport->EnumDevices(&out);
    }
    std::vector<uint32_t> handles;
    for (const MIDIDevKey& k : in) handles.push_back(k.Handle());
    for (const MIDIDevKey& k : out) handles.push_back(k.Handle() | 0x80000000u);
    if (ins) *ins = std::move(in);
    if (outs) *outs = std::move(out);
    return handles;
}

void CRemoteSynthImpl::OnPortsChanged() {
    IRemoteMIDI* link = m_link;
    if (!link || m_closing.load() || !m_wanted) return;
    if (m_connecting.load()) {
        m_portsChangedMeanwhile = true;
        return;
    }
    if (link->UIIsActive()) {
        // Inside a transfer's progress loop: looked at once it is over.
        PostPortsChanged();
        return;
    }
    std::vector<MIDIDevKey> ins, outs;
    const std::vector<uint32_t> now = ListedPorts(&ins, &outs);
    bool appeared = false;
    for (uint32_t h : now)
        appeared = appeared || std::find(m_knownPorts.begin(), m_knownPorts.end(), h) == m_knownPorts.end();
    m_knownPorts = now;
    if (!m_connected.load()) {
        // Not found so far: a port that appeared may be the instrument.
        if (appeared) Establish(m_wantStandalone, m_wantSynchronise, true);
        return;
    }
    MIDIDevKey outKey, inKey;
    link->GetConnectionState(&outKey, &inKey, nullptr, nullptr);
    auto listed = [](const std::vector<MIDIDevKey>& keys, const MIDIDevKey& key, bool byHandle) {
        for (const MIDIDevKey& k : keys)
            if (byHandle ? k.Handle() == key.Handle() : k.name == key.name) return true;
        return false;
    };
    const bool same = listed(ins, inKey, true) && listed(outs, outKey, true);
    const bool named = listed(ins, inKey, false) && listed(outs, outKey, false);
    if (!same && !m_portsLost) {
        // Unplugged or switched off: it cannot answer until its ports come back.
        m_portsLost = true;
        if (m_online.load()) {
            m_online.store(false);
            Post(kEvConnection, 1);
        }
    }
    if (!named) return;
    if (m_portsLost || !m_online.load()) {
        // Back (under the same names): the link is brought up again on them, as Connect does.
        TRACE("RemoteSynth: the instrument's ports are back\n");
        DropLink(false);
        if (!Establish(m_wantStandalone, m_wantSynchronise, true)) Post(kEvConnection, 0);
        return;
    }
    // Its ports changed while it answers (gone and back between two looks): the poll tells.
    m_recheck = true;
    PollOnce();
}

}  // namespace QorX0
