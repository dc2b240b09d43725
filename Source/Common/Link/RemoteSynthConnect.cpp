// Connect, disconnect and the poll (main thread).
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
    if (m_connected.load()) {
        Post(kEvConnection, 1 | (m_online.load() ? 1 : 0) << 8);
        return true;
    }
    if (m_connecting.exchange(true)) return false;  // a Connect runs further down this thread
    struct ConnectingScope {
        std::atomic<bool>& flag;
        ~ConnectingScope() { flag.store(false); }
    } connectingScope{m_connecting};
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
        const bool scan =
            savedIn.empty() || savedOut.empty() ||
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

    m_patterns.APATUpdateSel();
    if (m_pollTimer != 0) m_dispatch->SetTimerPeriod(m_pollTimer, kPollPeriodMs);
    Post(kEvConnection, (m_connected.load() ? 1 : 0) | (m_online.load() ? 1 : 0) << 8);
    OnAsyncTimer(m_pollTimer);
    if (activated) link->UIDeactivate();
    return true;
}

void CRemoteSynthImpl::Disconnect() {
    if (m_localControl == 2) {
        TRACE("RemoteSynth: turn local control ON\n");
        SendLocalControl(true);
    } else if (m_localControl == 1) {
        TRACE("RemoteSynth: turn local control OFF\n");
        SendLocalControl(false);
    }
    if (m_link) m_link->Disconnect();
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
    Post(kEvConnection, 0);
}

bool CRemoteSynthImpl::MergePending() {
    IRemoteMIDI* link = m_link;
    if (!link) return false;
    // 1. The host's state over the instrument's data, in a scratch image.
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    CopyImage(image.get());
    PERSISTPARAMS params{};
    params.image = image.get();
    {
        std::istringstream is(m_pending, std::ios::binary);
        if (!PersistLoadStream(is, m_model, &params)) {
            TRACE("RemoteSynth: Connect(), PersistLoadStream() failed (1st time)\n");
            return false;
        }
    }
    const RTCSTAT rtc = params.rtc;
    // 2. Of it, what the setup's total-recall filter selects.
    std::string filtered;
    {
        PERSISTPARAMS save{};
        save.kind = FTYPE_FILTERED;
        save.image = image.get();
        m_setupSection.BuildFilter(&save.filter);
        save.rtc = rtc;
        std::ostringstream os(std::ios::binary);
        if (!PersistSaveStream(os, m_model, &save)) {
            TRACE("RemoteSynth: Connect(), PersistSaveStream() failed\n");
            return false;
        }
        filtered = std::move(os).str();
    }
    // 3, 4. The instrument's data as received, overlaid with the filtered set.
    std::memcpy(image.get(), m_syncedImage.get(), sizeof *image);
    {
        PERSISTPARAMS load{};
        load.image = image.get();
        std::istringstream is(filtered, std::ios::binary);
        if (!PersistLoadStream(is, m_model, &load)) {
            TRACE("RemoteSynth: Connect(), PersistLoadStream() failed (2nd time)\n");
            return false;
        }
    }
    // 5. The merged image becomes the working image in one piece.
    if (image->mode > kModeMulti) image->mode = kModeCombiPlay;
    {
        CImageGuard g(this);
        std::memcpy(m_image.get(), image.get(), sizeof *image);
    }
    SetModes(image->mode);
    // The host's state is in the working image now: once this Connect is over, saves hand over the
    // merged image, not the old bytes, even when the send below fails. Until then a host that saves
    // from inside the send still gets its own state back.
    const std::string merging = m_pending;
    // 6. To the instrument.
    bool sent = false;
    while (!sent) {
        sent = QN_SUCCEEDED(HandleSendAll(image.get(), "Restoring song data..."));
        if (!sent && !AskRetry(kTextSyncFailed)) break;
    }
    if (sent && m_virtualMode.load() != kModeMulti) m_rtc.RestoreStat(rtc, 255);
    // 7.
    OnApplyAll();
    if (m_pending == merging) m_pending.clear();
    if (!sent) TRACE("RemoteSynth: Connect(), HandleSendAll() failedn");
    return sent;
}

void CRemoteSynthImpl::OnAsyncTimer(long id) {
    IRemoteMIDI* link = m_link;
    if (!link || id == 0) return;
    if (id == m_pollTimer) {
        PollOnce();
    } else if (id == m_oneShotTimer) {
        link->SendCurProgDumpReq();
        m_dispatch->SetTimerPeriod(m_oneShotTimer, 0);
    }
}

void CRemoteSynthImpl::PollOnce() {
    IRemoteMIDI* link = m_link;
    const QNRESULT r = link->SendModeAndStateReq();
    if (QN_SUCCEEDED(r)) {
        if (!m_online.load()) {
            m_online.store(true);
            Post(kEvConnection, (m_connected.load() ? 1 : 0) | 1 << 8);
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
    } else if (r != QN_BUSY && m_online.load()) {
        m_online.store(false);
        Post(kEvConnection, m_connected.load() ? 1 : 0);
    }
}

}  // namespace QorX0
