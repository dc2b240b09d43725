#include "Common/Link/RemoteMIDI.h"
#include "Common/Model/ParamDesc.h"

#include <cstring>
#include <exception>
#include <thread>

#include "Common/Model/ModelStrings.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr int kOutA = 4, kOutB = 1024;
constexpr unsigned kOutCapacity = 1024;
constexpr int kInA = 128, kInB = 2048;
constexpr size_t kRawReserve = 2048;
constexpr size_t kDecodedReserve = 1048576;
constexpr unsigned kSearchPauseMs = 50;
constexpr unsigned kUnsolicitedMinimum = 0x3FFF;

long long NowUs() {
    return static_cast<long long>(QorX0::GetSysTick()) * 1000;
}

// Last user bank: 3 on the Tolva, 4 on the Nerimo; the next two are the GM and GM drum banks.
unsigned LastUserBank(unsigned char model) {
    return model == kPmidTolva ? 3u : 4u;
}

std::string PairText(const MIDIDevKey& out, const MIDIDevKey& in) {
    return formatstring("\"%s\" -> \"%s\"", out.name.c_str(), in.name.c_str());
}

struct OpenedInput {
    IMIDIIn* port;
    MIDIDevKey key;
};

void CloseInputs(std::vector<OpenedInput>& inputs) {
    for (OpenedInput& i : inputs) {
        i.port->Close();
        delete i.port;
    }
    inputs.clear();
}

}  // namespace

// A sender's hold on the output: counted before the pointer is read, so that ReleaseOut, which
// takes the pointer away first and then waits for the count, never frees what a sender still uses.
class CRemoteMIDIImpl::OutUse {
public:
    explicit OutUse(CRemoteMIDIImpl& link) : m_link(link) {
        m_link.m_outUsers.fetch_add(1);
        m_port = m_link.m_out.load();
        if (auto hook = s_outTakenHook.load(std::memory_order_relaxed)) hook();
    }
    ~OutUse() { m_link.m_outUsers.fetch_sub(1); }
    OutUse(const OutUse&) = delete;
    OutUse& operator=(const OutUse&) = delete;
    CLinkMIDIOut* get() const { return m_port; }

private:
    CRemoteMIDIImpl& m_link;
    CLinkMIDIOut* m_port;
};

std::atomic<void (*)()> CRemoteMIDIImpl::s_outTakenHook{nullptr};

CLinkMIDIOut* CRemoteMIDIImpl::ReleaseOut() {
    CLinkMIDIOut* out = m_out.exchange(nullptr);
    // A sender holds it only for one queue push: short.
    while (m_outUsers.load() != 0) std::this_thread::yield();
    return out;
}

IRemoteMIDI* RemoteMIDICreate(unsigned char model) {
    return new CRemoteMIDIImpl(model);
}

CRemoteMIDIImpl::CRemoteMIDIImpl(unsigned char model)
    : m_model(model), m_dispatch(AsyncDispatchCreate()), m_session(model) {}

CRemoteMIDIImpl::~CRemoteMIDIImpl() {
    // An unsolicited dump's event may be queued (or running on the main thread) for us.
    m_dispatch->WithdrawEvents(this);
    Disconnect();
    m_dispatch.reset();
}

// ---- Progress

bool CRemoteMIDIImpl::UIActivate() {
    if (!m_session.UIActivate()) return false;
    const OutUse use(*this);
    if (CLinkMIDIOut* out = use.get()) {
        out->ClearPendings();
        const uint8_t allSoundOff[3] = {static_cast<uint8_t>(0xB0 | GetGlobalChannel()), 0x78, 0x00};
        out->SendShort(NowUs(), allSoundOff, 3);
    }
    return true;
}

void CRemoteMIDIImpl::UIDeactivate() {
    m_session.UIDeactivate();
}

bool CRemoteMIDIImpl::UIIsActive() {
    return m_session.UIIsActive();
}

bool CRemoteMIDIImpl::UIIsAborted() {
    return m_session.UIIsAborted();
}

bool CRemoteMIDIImpl::UIConfigure(const char* text, unsigned total, unsigned scale, unsigned offset) {
    return m_session.UIConfigure(text, total, scale, offset);
}

void CRemoteMIDIImpl::UIProgress(unsigned total, unsigned position, const char* text) {
    m_session.NotifyPosTask(total, position, text);
}

int CRemoteMIDIImpl::UIWait(unsigned ms) {
    const unsigned flags = m_session.UIIsActive() ? unsigned{SXF_RXPROGRESS} : 0u;
    const QNRESULT begun = m_session.Begin(flags, 1, nullptr, 0, nullptr, 0, 1, SXSig(), SXSig());
    if (begun < 0) return begun;
    m_session.Wait(ms, flags != 0);
    m_session.End();
    return QS_OK;
}

// ---- Sessions

void CRemoteMIDIImpl::LockPort() {
    if (CLinkMIDIOut* out = m_out.load()) out->PortMutex().Lock();
}

void CRemoteMIDIImpl::UnlockPort() {
    if (CLinkMIDIOut* out = m_out.load()) out->PortMutex().Unlock();
}

QNRESULT CRemoteMIDIImpl::SendLong(const void* data, unsigned length) {
    const OutUse use(*this);
    CLinkMIDIOut* out = use.get();
    return out != nullptr ? out->SendLong(data, length) : QN_FAIL;
}

QNRESULT CRemoteMIDIImpl::DoSXSession(unsigned flags, unsigned txTotal, const void* header,
                                      unsigned headerLength, const void* body, unsigned bodyLength,
                                      unsigned replySize, const SXSig& reply, const SXSig& error,
                                      unsigned timeoutMs) {
    if (!m_connected.load()) return QN_FAIL;
    if ((flags & SXF_TRANSMIT) && m_out.load() == nullptr) return QN_FAIL;
    // Input lost while the answer was on its way broke it: the request is made once more, and a
    // second loss fails it as any failed transfer does.
    for (int attempt = 0;; ++attempt) {
        const QNRESULT begun =
            m_session.Begin(flags, txTotal, header, headerLength, body, bodyLength, replySize, reply, error);
        if (begun < 0) return begun;
        // This request wants what an earlier cancelled one would have got.
        if (flags & SXF_WAITREPLY) m_rcv.StopDropping(reply);
        m_worker.Wake();
        const unsigned timeout = timeoutMs != 0 ? timeoutMs : SXDefaultWait(flags);
        const QNRESULT result = m_session.Wait(timeout, (flags & (SXF_TXPROGRESS | SXF_RXPROGRESS)) != 0);
        if (result < 0) TRACE("RemoteMIDI: SX session failed\n");
        // The rest of a dump the user gave up on is dropped, never applied; so is an answer that has not
        // begun yet, for as long as the request would have waited for it.
        if (result == QN_ABORT || m_session.UIIsAborted()) {
            m_rcv.SetDiscard(true);
            if (flags & SXF_WAITREPLY) m_rcv.DropMatching(reply, timeout);
        }
        m_session.End();
        if (result != QN_INPUTLOST) return result;
        if (attempt > 0 || !m_connected.load()) return QN_FAIL;
        TRACE("RemoteMIDI: input lost during a transfer; asking again\n");
    }
}

QNRESULT CRemoteMIDIImpl::DoMessage(const SXMessage& m, const void* body, unsigned bodyLength) {
    if (!m.valid()) return QN_FAIL;
    return DoSXSession(m.flags, m.txSize, m.bytes, m.length, body, bodyLength, m.replySize, m.reply, m.error,
                       m.timeoutMs);
}

QNRESULT CRemoteMIDIImpl::DoDump(const SXMessage& header, SXDump dump, SXScope scope, const void* data,
                                 unsigned size) {
    // A record of another size would go out as a dump the instrument cannot take.
    if (data == nullptr || size != SXDumpBodySize(dump, scope, m_model)) return QN_FAIL;
    return DoMessage(header, data, size);
}

// ---- Connecting

void CRemoteMIDIImpl::ResetState() {
    CSLock lock(m_stateLock);
    m_channel = 0;
    m_mode = 0;
    m_prog = m_combi = m_multi = SOUNDINDEX{255, 255};
    m_gmMapping = false;
    m_inquiry = DEVICEINQUIRYDATA{};
    m_modeState = MODEANDSTATE{};
    m_bankMsb = m_bankLsb = 0;
}

bool CRemoteMIDIImpl::BeginConnect(IRemoteMIDICallback* callback, bool captionFlag) {
    Disconnect();
    m_callback.store(callback);
    m_rcv.reserve(kRawReserve, kDecodedReserve);
    m_session.Initialize(captionFlag);
    m_worker.Start(&m_session, this);
    m_connected.store(true);
    m_captionFlag = captionFlag;
    const bool activated = UIActivate();
    std::vector<MIDIDevKey> outs, ins;
    {
        std::unique_ptr<IMIDIOut> out(MIDIOutCreate());
        out->EnumDevices(&outs);
        std::unique_ptr<IMIDIIn> in(MIDIInCreate());
        in->EnumDevices(&ins);
    }
    CSLock lock(m_stateLock);
    m_outKeys = std::move(outs);
    m_inKeys = std::move(ins);
    return activated;
}

bool CRemoteMIDIImpl::Inquire() {
    const QNRESULT r = DoMessage(SXDeviceInquiry());
    CSLock lock(m_stateLock);
    return r >= 0 && m_inquiry.MemberCode() == m_model;
}

void CRemoteMIDIImpl::StoreIdentity(const MIDIDevKey& out, const MIDIDevKey& in) {
    unsigned channel, member;
    {
        CSLock lock(m_stateLock);
        m_outKey = out;
        m_inKey = in;
        channel = m_channel;
        member = m_inquiry.MemberCode();
    }
    TRACE("RemoteMIDI: Device Inquiry\n");
    TRACE("  globalchannel=%u\n", channel);
    TRACE("  membercode=%u\n", member);
}

bool CRemoteMIDIImpl::FinishConnect(bool found) {
    if (!found || SendModeAndStateReq() < 0) {
        Disconnect();
        return false;
    }
    MODEANDSTATE state;
    {
        CSLock lock(m_stateLock);
        state = m_modeState;
    }
    TRACE("RemoteMIDI: Mode And State\n");
    TRACE("  mode=%s\n", formatmode(state.Mode()).c_str());
    TRACE("  localcontrol=%s\n", state.LocalControl() ? "on" : "off");
    TRACE("  bankmap=%s\n", state.GMBankMap() ? "GM" : "VELK");
    TRACE("  poweronmode=%s\n", state.MemorizeOnPowerOn() ? "Memorize" : "Reset");
    TRACE("  protect=%s\n", state.Protect() ? "on" : "off");
    return true;
}

bool CRemoteMIDIImpl::Connect(IRemoteMIDICallback* callback, bool captionFlag) {
    bool found = false;
    std::vector<OpenedInput> inputs;
    try {
        const bool activated = BeginConnect(callback, captionFlag);
        const std::vector<MIDIDevKey> outs = GetMIDIOutKeyDevArray();
        for (const MIDIDevKey& key : GetMIDIInKeyDevArray()) {
            IMIDIIn* port = MIDIInCreate();
            if (port->Open(&key, this, kInA, kInB))
                inputs.push_back({port, key});
            else
                delete port;
        }
        const unsigned total = static_cast<unsigned>(outs.size() * inputs.size());
        UIConfigure("Searching...", total, total, 0);
        unsigned count = 0;
        for (const MIDIDevKey& outKey : outs) {
            if (found || UIIsAborted()) break;
            auto* out = new CLinkMIDIOut();
            m_out.store(out);
            if (out->Open(&outKey, kOutA, kOutB, kOutCapacity)) {
                for (size_t i = 0; i < inputs.size() && !UIIsAborted(); ++i) {
                    UIProgress(total, count++, PairText(outKey, inputs[i].key).c_str());
                    UIWait(kSearchPauseMs);
                    m_in.store(inputs[i].port);
                    if (Inquire()) {
                        StoreIdentity(outKey, inputs[i].key);
                        inputs.erase(inputs.begin() + static_cast<long>(i));
                        found = true;
                        break;
                    }
                    m_in.store(nullptr);
                }
            }
            if (!found) {
                ReleaseOut();
                out->Close();
                delete out;
            }
        }
        CloseInputs(inputs);
        if (activated) UIDeactivate();
    } catch (const std::exception&) {
        CloseInputs(inputs);
        found = false;
    }
    return FinishConnect(found);
}

bool CRemoteMIDIImpl::Connect(IRemoteMIDICallback* callback, bool captionFlag, std::string inputName,
                              std::string outputName) {
    // The setup keeps what a name row holds of a port's name: the keys are compared cut the same
    // way, so a stored port whose name is longer than the row is found again. Where several keys
    // share the cut name, the instrument's inquiry answer chooses among them.
    inputName = Name32Kept(inputName);
    outputName = Name32Kept(outputName);
    if (inputName.empty() || outputName.empty()) return false;
    bool found = false;
    IMIDIIn* in = nullptr;
    CLinkMIDIOut* out = nullptr;
    try {
        const bool activated = BeginConnect(callback, captionFlag);
        std::vector<MIDIDevKey> inKeys, outKeys;
        for (const MIDIDevKey& key : GetMIDIInKeyDevArray())
            if (Name32Kept(key.name) == inputName) inKeys.push_back(key);
        for (const MIDIDevKey& key : GetMIDIOutKeyDevArray())
            if (Name32Kept(key.name) == outputName) outKeys.push_back(key);
        const unsigned total = static_cast<unsigned>(inKeys.size() * outKeys.size());
        if (total > 0) UIConfigure("Searching...", total, total, 0);
        unsigned count = 0;
        for (const MIDIDevKey& outKey : outKeys) {
            if (found || UIIsAborted()) break;
            out = new CLinkMIDIOut();
            if (!out->Open(&outKey, kOutA, kOutB, kOutCapacity)) {
                delete out;
                out = nullptr;
                continue;
            }
            m_out.store(out);
            for (const MIDIDevKey& inKey : inKeys) {
                if (UIIsAborted()) break;
                in = MIDIInCreate();
                if (!in->Open(&inKey, this, kInA, kInB)) {
                    delete in;
                    in = nullptr;
                    continue;
                }
                const std::string text = PairText(outKey, inKey);
                UIProgress(total, count++, text.c_str());
                TRACE("%s\n", text.c_str());
                UIWait(kSearchPauseMs);
                m_in.store(in);
                if (Inquire()) {
                    StoreIdentity(outKey, inKey);
                    found = true;
                    break;
                }
                m_in.store(nullptr);
                in->Close();
                delete in;
                in = nullptr;
            }
            if (!found) {
                ReleaseOut();
                out->Close();
                delete out;
                out = nullptr;
            }
        }
        if (activated) UIDeactivate();
    } catch (const std::exception&) {
        m_in.store(nullptr);
        ReleaseOut();
        found = false;
    }
    if (!found) {
        if (in != nullptr) {
            in->Close();
            delete in;
        }
        if (out != nullptr) {
            out->Close();
            delete out;
        }
    }
    return FinishConnect(found);
}

void CRemoteMIDIImpl::Disconnect() {
    // The worker stops before its next block; a block on its way out ends within its time limit.
    m_worker.Stop();
    if (IMIDIIn* in = m_in.exchange(nullptr)) {
        in->Close();
        delete in;
    }
    if (CLinkMIDIOut* out = ReleaseOut()) {
        out->Close();
        delete out;
    }
    m_connected.store(false);
    m_captionFlag = false;
    m_rcv.reserve(0, 0);
    ResetState();
    m_session.End();
    m_rcv.End();
    m_callback.store(nullptr);
    CSLock lock(m_stateLock);
    m_inKey = MIDIDevKey();
    m_outKey = MIDIDevKey();
}

// ---- State

bool CRemoteMIDIImpl::GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry,
                                         MODEANDSTATE* state) const {
    CSLock lock(m_stateLock);
    if (out) *out = m_outKey;
    if (in) *in = m_inKey;
    if (inquiry) *inquiry = m_inquiry;
    if (state) *state = m_modeState;
    return m_connected.load();
}

unsigned char CRemoteMIDIImpl::GetMode() const {
    CSLock lock(m_stateLock);
    return m_mode;
}

SOUNDINDEX CRemoteMIDIImpl::GetBnkPgmPair() const {
    CSLock lock(m_stateLock);
    switch (m_mode) {
        case 0:
            return m_combi;
        case 2:
            return m_prog;
        case 4:
            return m_multi;
        default:
            return SOUNDINDEX{0, 0};
    }
}

unsigned char CRemoteMIDIImpl::GetGlobalChannel() const {
    CSLock lock(m_stateLock);
    return m_channel;
}

bool CRemoteMIDIImpl::GetGMMapping() const {
    CSLock lock(m_stateLock);
    return m_gmMapping;
}

const MODEANDSTATE* CRemoteMIDIImpl::GetModeAndState() const {
    return &m_modeState;
}

std::vector<MIDIDevKey> CRemoteMIDIImpl::GetMIDIInKeyDevArray() const {
    CSLock lock(m_stateLock);
    return m_inKeys;
}

std::vector<MIDIDevKey> CRemoteMIDIImpl::GetMIDIOutKeyDevArray() const {
    CSLock lock(m_stateLock);
    return m_outKeys;
}

// ---- Short messages

QNRESULT CRemoteMIDIImpl::SendShortMsg(long long time, const void* data, unsigned length) {
    const OutUse use(*this);
    CLinkMIDIOut* out = use.get();
    if (!m_connected.load() || out == nullptr) return QN_FAIL;
    return out->SendShort(time, data, length);
}

QNRESULT CRemoteMIDIImpl::SendProgramChange(unsigned bank, unsigned number) {
    const OutUse use(*this);
    CLinkMIDIOut* out = use.get();
    if (!m_connected.load() || out == nullptr) return QN_FAIL;
    TRACE("RemoteMIDI: SendProgramChange(%u,%u)\n", bank, number);
    uint8_t mode, channel;
    bool gm;
    {
        CSLock lock(m_stateLock);
        mode = m_mode;
        channel = m_channel;
        gm = m_gmMapping;
    }
    const long long time = NowUs();
    if (mode == 4) {
        const uint8_t songSelect[2] = {0xF3, static_cast<uint8_t>(number & 0x7F)};
        const QNRESULT r = out->SendShort(time, songSelect, 2);
        if (r >= 0) {
            CSLock lock(m_stateLock);
            m_multi = SOUNDINDEX{0, static_cast<uint8_t>(number)};
        }
        return r;
    }
    if (mode > 4) return QN_FAIL;
    const unsigned user = LastUserBank(m_model);
    uint8_t msb = 0, lsb = 0;
    if (bank <= user) {
        msb = gm ? 63 : 0;
        lsb = static_cast<uint8_t>(bank);
    } else {
        msb = bank == user + 1 ? 121 : bank == user + 2 ? 120 : 0;
    }
    const uint8_t messages[3][3] = {
        {static_cast<uint8_t>(0xB0 | channel), 0x00, msb},
        {static_cast<uint8_t>(0xB0 | channel), 0x20, lsb},
        {static_cast<uint8_t>(0xC0 | channel), static_cast<uint8_t>(number & 0x7F), 0}};
    const unsigned lengths[3] = {3, 3, 2};
    QNRESULT r = QS_OK;
    for (int i = 0; i < 3; ++i) {
        r = out->SendShort(time, messages[i], lengths[i]);
        if (r < 0) return r;
    }
    CSLock lock(m_stateLock);
    const SOUNDINDEX pair{static_cast<uint8_t>(bank), static_cast<uint8_t>(number)};
    if (mode == 0) m_combi = pair;
    if (mode == 2) m_prog = pair;
    return r;
}

void CRemoteMIDIImpl::OnMIDIShort(IMIDIIn* port, long long time, const void* data, unsigned int length) {
    if (port == nullptr || port != m_in.load() || length == 0) return;
    const auto* b = static_cast<const uint8_t*>(data);
    IRemoteMIDICallback* callback = m_callback.load();
    const uint8_t status = b[0] & 0xF0;
    const uint8_t channel = b[0] & 0x0F;
    uint8_t globalChannel, mode;
    bool gm;
    {
        CSLock lock(m_stateLock);
        globalChannel = m_channel;
        mode = m_mode;
        gm = m_gmMapping;
    }
    if (status == 0xB0 && channel == globalChannel && length >= 3) {
        if (b[1] == 0x00) m_bankMsb = b[2];
        if (b[1] == 0x20) m_bankLsb = b[2];
    } else if (status == 0xC0 && channel == globalChannel && length >= 2 && mode <= 3) {
        unsigned bank = 0;
        if (m_bankMsb == (gm ? 63 : 0))
            bank = m_bankLsb;
        else if (m_bankMsb == 121)
            bank = LastUserBank(m_model) + 1;
        else if (m_bankMsb == 120)
            bank = LastUserBank(m_model) + 2;
        const unsigned number = b[1];
        {
            CSLock lock(m_stateLock);
            const SOUNDINDEX pair{static_cast<uint8_t>(bank), static_cast<uint8_t>(number)};
            if (mode == 0) m_combi = pair;
            if (mode == 2) m_prog = pair;
        }
        if (callback) callback->OnRcvProgramChange(this, bank, number);
        TRACE("Rcv: ProgramChange(%u, %u)\n", bank, number);
    } else if (b[0] == 0xF3 && length >= 2 && mode == 4) {
        {
            CSLock lock(m_stateLock);
            m_multi = SOUNDINDEX{0, b[1]};
        }
        if (callback) callback->OnRcvProgramChange(this, 0, b[1]);
        TRACE("Rcv: ProgramChange(0, %u)\n", b[1]);
    }
    if (callback) callback->OnRcvShortMsg(this, time, data, length);
}

// ---- Exclusive input

void CRemoteMIDIImpl::OnMIDILong(IMIDIIn* port, long long, const void* data, unsigned int length) {
    if (port == nullptr || port != m_in.load()) return;
    m_rcv.Frame(data, length, *this);
}

void CRemoteMIDIImpl::OnMIDILost(IMIDIIn* port) {
    if (port == nullptr || port != m_in.load()) return;
    // What was arriving is broken: the rest of it is dropped, and a transfer waiting for it hears at
    // once instead of at its time-out.
    m_rcv.End();
    if (m_session.IsActive()) m_session.NotifyEnd(QN_INPUTLOST);
}

void CRemoteMIDIImpl::Complete(QNRESULT result) {
    m_session.NotifyEndRX(m_rcv.Raw(), m_rcv.RawSize(), result);
}

void CRemoteMIDIImpl::HandleDump(const SXParsed& p, bool complete) {
    if (!p.ready) return;
    m_rcv.Estimated(p.expectedTotal, p.bodyOffset, complete);
    if (m_rcv.IsDiscarding()) return;
    m_session.NotifyPosRX(m_rcv.Raw(), m_rcv.RawSize(), m_rcv.Received());
    if (!complete) {
        // A large dump that nobody asked for gets a session of its own, so its progress shows.
        if (!m_session.IsActive() && !m_session.UIIsActive() && !m_eventPosted.load()) {
            unsigned expected = 0;
            SXSig signature;
            if (m_rcv.GetEstimation(&expected, &signature) && signature.size() > 4 &&
                expected > kUnsolicitedMinimum) {
                m_eventPosted.store(true);
                m_dispatch->NotifyEvent(this, kEventUnsolicitedDump, 0, true);
            }
        }
        return;
    }
    const ChunkDecode& body = m_rcv.Decoder();
    IRemoteMIDICallback* callback = m_callback.load();
    // A dump cut short or overlong is not the record it claims to be: nothing of it is applied.
    if (!body.IsActive() || body.size() != p.bodySize || callback == nullptr) {
        TRACE("RemoteMIDI: dump of %u bytes dropped, expected %u\n", static_cast<unsigned>(body.size()),
              p.bodySize);
        Complete(QN_FAIL);
        return;
    }
    const char* trace = SXDumpRcvTrace(p.dump);
    const void* d = body.data();
    const unsigned n = static_cast<unsigned>(body.size());
    int r = QS_OK;
    switch (p.dump) {
        case SXDump::CurProg:
            TRACE("%s", trace);
            r = callback->OnRcvCurProgDump(this, d, n);
            break;
        case SXDump::Prog:
            TRACE(trace, p.bank, p.number);
            r = callback->OnRcvProgDump(this, p.bank, p.number, d, n);
            break;
        case SXDump::CurCombi:
            TRACE("%s", trace);
            r = callback->OnRcvCurCombiDump(this, d, n);
            break;
        case SXDump::Combi:
            TRACE(trace, p.bank, p.number);
            r = callback->OnRcvCombiDump(this, p.bank, p.number, d, n);
            break;
        case SXDump::CurMulti:
            TRACE("%s", trace);
            r = callback->OnRcvCurMultiDump(this, d, n);
            break;
        case SXDump::Multi:
            TRACE(trace, p.index);
            r = callback->OnRcvMultiDump(this, p.index, d, n);
            break;
        case SXDump::Global:
            TRACE("%s", trace);
            r = callback->OnRcvGlobalDump(this, d, n);
            break;
        case SXDump::Drumkit:
            TRACE(trace, p.index);
            r = callback->OnRcvDrumkitDump(this, p.index, d, n);
            break;
        case SXDump::ArpPattern:
            TRACE(trace, p.index);
            r = callback->OnRcvArpPatternDump(this, p.index, d, n);
            break;
        case SXDump::ExtControl:
            TRACE(trace, p.index);
            r = callback->OnRcvExtControlDump(this, p.index, d, n);
            break;
        case SXDump::All:
            TRACE("%s", trace);
            r = callback->OnRcvAllDump(this, d, n);
            break;
    }
    Complete(r);
}

void CRemoteMIDIImpl::OnSXPiece(bool complete) {
    m_pieceComplete.store(complete);
    const unsigned received = m_rcv.Received();
    const SXParsed p = SXParse(m_rcv.Raw(), m_rcv.RawSize(), received, complete, GetGlobalChannel(), m_model);
    IRemoteMIDICallback* callback = m_callback.load();
    switch (p.kind) {
        case SXRcvKind::None:
            return;
        case SXRcvKind::InquiryReply:
            if (!p.ready) return;
            {
                CSLock lock(m_stateLock);
                std::memcpy(m_inquiry.data, p.record, sizeof m_inquiry.data);
                m_channel = p.channel;
            }
            Complete(QS_OK);
            return;
        case SXRcvKind::MasterVolume:
            if (p.ready && callback) Complete(callback->OnRcvMasterVolumeChange(this, p.volume));
            return;
        case SXRcvKind::UniversalRealtime:
            TRACE("RemoteMIDI: unhandled unversal SysEx (realtime) code=0x%02X length=%u\n", p.code,
                  received);
            return;
        case SXRcvKind::Unhandled:
            TRACE("RemoteMIDI: unhandled SysEx length=%u\n", received);
            return;
        case SXRcvKind::UnknownCode:
            TRACE("RemoteMIDI: unhandled QorX0 SysEx code=0x%02X length=%u\n", p.code, received);
            return;
        case SXRcvKind::Dump:
            HandleDump(p, complete);
            return;
        default:
            break;
    }
    if (!p.ready) return;
    int r = QS_OK;
    switch (p.kind) {
        case SXRcvKind::WriteComplete:
            TRACE("Rcv: WRITECOMPLETE\n");
            break;
        case SXRcvKind::LoadComplete:
            TRACE("Rcv: LOADCOMPLETE\n");
            break;
        case SXRcvKind::WriteError:
        case SXRcvKind::LoadError:
        case SXRcvKind::FormatError:
            TRACE(SXReasonText(p.code, p.reason), p.reason);
            break;
        case SXRcvKind::ModeAndState: {
            MODEANDSTATE state;
            std::memcpy(state.data, p.record, sizeof state.data);
            {
                CSLock lock(m_stateLock);
                m_modeState = state;
                m_mode = state.Mode();
                m_prog =
                    SOUNDINDEX{state.data[MODEANDSTATE::PROG_BANK], state.data[MODEANDSTATE::PROG_NUMBER]};
                m_combi =
                    SOUNDINDEX{state.data[MODEANDSTATE::COMBI_BANK], state.data[MODEANDSTATE::COMBI_NUMBER]};
                m_multi = SOUNDINDEX{0, state.data[MODEANDSTATE::MULTI_NUMBER]};
                m_gmMapping = state.GMBankMap();
            }
            if (callback) r = callback->OnRcvModeAndState(this, &state);
            break;
        }
        case SXRcvKind::ModeChange: {
            CSLock lock(m_stateLock);
            m_mode = p.mode;
        }
            TRACE("Rcv: Mode Change, mode=%s\n", formatmode(p.mode).c_str());
            if (callback) r = callback->OnRcvModeChange(this, p.mode);
            break;
        case SXRcvKind::ParamChange:
            TRACE("Rcv: Parameter Change, mode=%s, p=0x%04X, v=%d\n", formatmode(GetMode()).c_str(),
                  static_cast<unsigned>(p.pid), p.value);
            if (callback) r = callback->OnRcvParamChange(this, p.mode, p.pid, p.value);
            break;
        case SXRcvKind::DrumkitParamChange:
            TRACE("Rcv: Drumkit Parameter Change, k=%u, s=%u, p=0x%02X, v=%d\n", p.kit, p.slot,
                  static_cast<unsigned>(p.param), p.value);
            if (callback) r = callback->OnRcvDrumkitParamChange(this, p.kit, p.slot, p.param, p.value);
            break;
        case SXRcvKind::ArpPatternParamChange:
            TRACE("Rcv: Arppat Parameter Change, a=%u, p=0x%02X, iv=%u, v=%d\n", p.pattern,
                  static_cast<unsigned>(p.param), static_cast<unsigned>(p.index), p.value);
            if (callback)
                r = callback->OnRcvArpPatternParamChange(this, p.pattern, p.param,
                                                         static_cast<unsigned>(p.index), p.value);
            break;
        case SXRcvKind::ExtControlParamChange:
            if (callback) r = callback->OnRcvExtControlParamChange(this, p.set, p.param, p.value);
            break;
        default:
            return;
    }
    Complete(r);
}

void CRemoteMIDIImpl::OnAsyncEvent(long event, long) {
    if (event != kEventUnsolicitedDump) return;
    m_eventPosted.store(false);
    if (m_session.IsActive() || m_session.UIIsActive()) return;
    unsigned expected = 0;
    SXSig signature;
    if (!m_rcv.GetEstimation(&expected, &signature) || signature.size() <= 4 ||
        expected <= kUnsolicitedMinimum)
        return;
    DoSXSession(SXF_WAITREPLY | SXF_RXPROGRESS, 0, nullptr, 0, nullptr, 0, expected, signature, signature, 0);
}

// ---- Requests

QNRESULT CRemoteMIDIImpl::SendModeAndStateReq() {
    // Never while a session runs or a message is arriving: its reply would be taken for a part of it.
    // A message whose last piece completed it is no longer arriving, even before the framing ends it;
    // nor is one that has had no byte for as long as this request would wait (a dump cut off mid-way).
    const SXMessage request = SXModeAndStateReq(GetGlobalChannel());
    if (m_session.IsActive() || (!m_pieceComplete.load() && m_rcv.IsReceiving(request.Wait())))
        return QN_BUSY;
    return DoMessage(request);
}

QNRESULT CRemoteMIDIImpl::PostModeAndStateReq() {
    if (!m_connected.load()) return QN_FAIL;
    const SXMessage request = SXModeAndStateReq(GetGlobalChannel());
    if (m_session.IsActive() || (!m_pieceComplete.load() && m_rcv.IsReceiving(request.Wait())))
        return QN_BUSY;
    // Its answer is wanted, whatever an earlier cancelled request left to be dropped.
    m_rcv.StopDropping(request.reply);
    const OutUse use(*this);
    CLinkMIDIOut* out = use.get();
    if (out == nullptr) return QN_FAIL;
    // Between two blocks of a session's message, never inside one.
    out->PortMutex().Lock();
    const QNRESULT r = out->SendLong(request.bytes, request.length);
    out->PortMutex().Unlock();
    return r;
}

QNRESULT CRemoteMIDIImpl::SendCurProgDumpReq() {
    return DoMessage(SXCurProgDumpReq(GetGlobalChannel()));
}

QNRESULT CRemoteMIDIImpl::SendProgDumpReq(int bank, int number) {
    return DoMessage(SXProgDumpReq(GetGlobalChannel(), m_model, bank, number));
}

QNRESULT CRemoteMIDIImpl::SendCurCombiDumpReq() {
    return DoMessage(SXCurCombiDumpReq(GetGlobalChannel()));
}

QNRESULT CRemoteMIDIImpl::SendCombiDumpReq(int bank, int number) {
    return DoMessage(SXCombiDumpReq(GetGlobalChannel(), bank, number));
}

QNRESULT CRemoteMIDIImpl::SendCurMultiDumpReq() {
    return DoMessage(SXCurMultiDumpReq(GetGlobalChannel()));
}

QNRESULT CRemoteMIDIImpl::SendMultiDumpReq(int index) {
    return DoMessage(SXMultiDumpReq(GetGlobalChannel(), index));
}

QNRESULT CRemoteMIDIImpl::SendGlobalDumpReq() {
    return DoMessage(SXGlobalDumpReq(GetGlobalChannel()));
}

QNRESULT CRemoteMIDIImpl::SendDrumkitDumpReq(int index) {
    return DoMessage(SXDrumkitDumpReq(GetGlobalChannel(), index));
}

QNRESULT CRemoteMIDIImpl::SendArpPatternDumpReq(int index) {
    return DoMessage(SXArpPatternDumpReq(GetGlobalChannel(), index));
}

QNRESULT CRemoteMIDIImpl::SendExtControlDumpReq(int index) {
    return DoMessage(SXExtControlDumpReq(GetGlobalChannel(), index));
}

QNRESULT CRemoteMIDIImpl::SendAllDumpReq() {
    return DoMessage(SXAllDumpReq(GetGlobalChannel(), m_model));
}

QNRESULT CRemoteMIDIImpl::SendProgWriteReq(int bank, int number) {
    return DoMessage(SXProgWriteReq(GetGlobalChannel(), bank, number));
}

QNRESULT CRemoteMIDIImpl::SendCombiWriteReq(int bank, int number) {
    return DoMessage(SXCombiWriteReq(GetGlobalChannel(), bank, number));
}

QNRESULT CRemoteMIDIImpl::SendMultiWriteReq(int number) {
    return DoMessage(SXMultiWriteReq(GetGlobalChannel(), number));
}

// ---- Dumps

QNRESULT CRemoteMIDIImpl::SendCurProgDump(const void* data, unsigned size) {
    TRACE("Send: Current Prog Dump\n");
    return DoDump(SXCurProgDump(GetGlobalChannel()), SXDump::CurProg, SXScope::One, data, size);
}

QNRESULT CRemoteMIDIImpl::SendProgDump(int bank, int number, const void* data, unsigned size) {
    TRACE("Send: Prog Dump, %d:%d\n", bank, number);
    return DoDump(SXProgDump(GetGlobalChannel(), m_model, bank, number), SXDump::Prog,
                  SXScopeOf(bank, number), data, size);
}

QNRESULT CRemoteMIDIImpl::SendCurCombiDump(const void* data, unsigned size) {
    TRACE("Send: Current Combi Dump\n");
    return DoDump(SXCurCombiDump(GetGlobalChannel()), SXDump::CurCombi, SXScope::One, data, size);
}

QNRESULT CRemoteMIDIImpl::SendCombiDump(int bank, int number, const void* data, unsigned size) {
    TRACE("Send: Combi Dump, %d:%d\n", bank, number);
    return DoDump(SXCombiDump(GetGlobalChannel(), bank, number), SXDump::Combi, SXScopeOf(bank, number), data,
                  size);
}

QNRESULT CRemoteMIDIImpl::SendCurMultiDump(const void* data, unsigned size) {
    TRACE("Send: Current Multi Dump\n");
    return DoDump(SXCurMultiDump(GetGlobalChannel()), SXDump::CurMulti, SXScope::One, data, size);
}

QNRESULT CRemoteMIDIImpl::SendMultiDump(int index, const void* data, unsigned size) {
    TRACE("Send: Multi Dump, %d\n", index);
    return DoDump(SXMultiDump(GetGlobalChannel(), index), SXDump::Multi, SXScopeOf(index), data, size);
}

QNRESULT CRemoteMIDIImpl::SendGlobalDump(const void* data, unsigned size) {
    TRACE("Send: Global Dump\n");
    return DoDump(SXGlobalDump(GetGlobalChannel()), SXDump::Global, SXScope::One, data, size);
}

QNRESULT CRemoteMIDIImpl::SendDrumkitDump(int index, const void* data, unsigned size) {
    TRACE("Send: Drumkit Dump, %d\n", index);
    return DoDump(SXDrumkitDump(GetGlobalChannel(), index), SXDump::Drumkit, SXScopeOf(index), data, size);
}

QNRESULT CRemoteMIDIImpl::SendArpPatternDump(int index, const void* data, unsigned size) {
    TRACE("Send: ArpPattern Dump, %d\n", index);
    return DoDump(SXArpPatternDump(GetGlobalChannel(), index), SXDump::ArpPattern, SXScopeOf(index), data,
                  size);
}

QNRESULT CRemoteMIDIImpl::SendExtControlDump(int index, const void* data, unsigned size) {
    TRACE("Send: ExtControl Dump, %d\n", index);
    return DoDump(SXExtControlDump(GetGlobalChannel(), index), SXDump::ExtControl, SXScopeOf(index), data,
                  size);
}

QNRESULT CRemoteMIDIImpl::SendAllDump(const void* data, unsigned size) {
    TRACE("Send: All Dump\n");
    return DoDump(SXAllDump(GetGlobalChannel(), m_model), SXDump::All, SXScope::All, data, size);
}

// ---- Changes

QNRESULT CRemoteMIDIImpl::SendMasterVolumeChange(unsigned volume) {
    return DoMessage(SXMasterVolume(GetGlobalChannel(), volume));
}

QNRESULT CRemoteMIDIImpl::SendModeChange(unsigned char mode) {
    TRACE("Send: Mode Change, %s\n", formatmode(mode).c_str());
    const QNRESULT r = DoMessage(SXModeChange(GetGlobalChannel(), mode));
    // Only a mode the instrument took is the link's mode.
    if (r >= 0) {
        CSLock lock(m_stateLock);
        m_mode = mode;
    }
    return r;
}

QNRESULT CRemoteMIDIImpl::SendParamChange(unsigned char mode, int pid, int value) {
    return DoMessage(SXParamChange(GetGlobalChannel(), mode, pid, value));
}

QNRESULT CRemoteMIDIImpl::SendDrumkitParamChange(unsigned kit, unsigned slot, int param, int value) {
    return DoMessage(SXDrumkitParamChange(GetGlobalChannel(), kit, slot, param, value));
}

QNRESULT CRemoteMIDIImpl::SendArpPatternParamChange(unsigned pattern, int param, unsigned index, int value) {
    return DoMessage(SXArpPatternParamChange(GetGlobalChannel(), pattern, param, index, value));
}

QNRESULT CRemoteMIDIImpl::SendExtControlParamChange(unsigned set, int param, int value) {
    return DoMessage(SXExtControlParamChange(GetGlobalChannel(), set, param, value));
}

}  // namespace QorX0
