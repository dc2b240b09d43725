// Connect, disconnect and the poll (main thread).
#include <cstring>
#include <string>

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
// The retry box is answered by a person; without one the loop must still end.
constexpr int kMaxSyncAttempts = 8;

}  // namespace

void CRemoteSynthImpl::SendLocalControl(bool on) {
    if (!m_link) return;
    const uint8_t msg[3] = {static_cast<uint8_t>(0xB0 | (m_link->GetGlobalChannel() & 0x0F)), kLocalControlCC,
                            static_cast<uint8_t>(on ? 127 : 0)};
    m_link->SendShortMsg(static_cast<long long>(GetSysTick()) * 1000, msg, sizeof msg);
}

bool CRemoteSynthImpl::Connect(bool standalone, bool synchronise) {
    IRemoteMIDI* link = m_link;
    if (!link) return false;
    if (m_connected.load()) {
        Post(kEvConnection, 1 | (m_online.load() ? 1 : 0) << 8);
        return true;
    }
    const bool activated = link->UIActivate();
    m_connected.store(true);
    m_online.store(true);
    m_standalone.store(standalone);
    {
        CImageGuard g(this);
        InitAllChunk(m_image.get());
    }
    RefreshLatency();

    // Text rows read back as double strings; the name is the long part.
    const std::string savedIn = multiszlong(m_setupSection.GetParamS(CSetupSectionImpl::kPidMidiInName));
    const std::string savedOut = multiszlong(m_setupSection.GetParamS(CSetupSectionImpl::kPidMidiOutName));
    const std::string caption = GetModalCaption(m_model, standalone);
    bool up = false;
    if (!savedIn.empty() && !savedOut.empty()) up = link->Connect(this, standalone, savedIn, savedOut);
    if (!up) {
        const bool scan =
            savedIn.empty() || savedOut.empty() ||
            HfcMessageBox(kTextNotFound, caption.c_str(), HFC_MB_OKCANCEL, 0) == HFC_MB_RESULT_DEFAULT;
        if (scan) up = link->Connect(this, standalone);
    }
    if (!up) {
        TRACE("RemoteSynth: connection failed\n");
        m_connected.store(false);
        m_online.store(false);
        m_standalone.store(false);
        if (activated) link->UIDeactivate();
        return false;
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
        for (int attempt = 0; attempt < kMaxSyncAttempts; ++attempt) {
            if (QN_SUCCEEDED(HandleReceiveAll("synchronizing..."))) {
                received = true;
                break;
            }
            if (link->UIIsAborted() ||
                HfcMessageBox(kTextSyncFailed, caption.c_str(), HFC_MB_OKCANCEL, 0) != HFC_MB_RESULT_DEFAULT)
                break;
        }
        bool merged = true;
        if (received) {
            {
                CImageGuard g(this);
                std::memcpy(m_syncedImage.get(), m_image.get(), sizeof(CHUNK_REMOTESYNTH));
            }
            m_synced.store(true);
            if (!m_pending.empty()) merged = MergePending();
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
