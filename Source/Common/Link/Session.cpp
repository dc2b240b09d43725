#include "Common/Link/Session.h"

#include <algorithm>
#include <cstring>

#include "Common/Model/ModelStrings.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

namespace {

constexpr long kTickMs = 100;
constexpr unsigned kBarScale = 1024;

const char* ResultName(QNRESULT r) {
    switch (r) {
        case QS_FALSE:
            return "QS_FALSE";
        case QN_FAIL:
            return "QN_FAIL";
        case QN_TIMEOUT:
            return "QN_TIMEOUT";
        default:
            return "OTHER";
    }
}

}  // namespace

// ---- ProgressWithUI

ProgressWithUI::ProgressWithUI(unsigned char model)
    : m_model(model), m_dialog(AsyncProgressUICreate()), m_dispatch(AsyncDispatchCreate()) {
    m_done.Create();
    if (!m_dispatch->CreateTimer(this, &m_timerId)) m_timerId = 0;
}

ProgressWithUI::~ProgressWithUI() {
    if (m_timerId != 0) m_dispatch->DestroyTimer(m_timerId);
    m_dispatch->WithdrawEvents(this);
    m_dispatch.reset();
    m_dialog.reset();
    m_done.Destroy();
}

void ProgressWithUI::Initialize(bool captionFlag) {
    CSLock lock(m_lock);
    m_captionFlag = captionFlag;
    if (m_dialog->IsActive()) m_dialog->SetTitle(GetModalCaption(m_model, captionFlag).c_str());
}

bool ProgressWithUI::UIActivate() {
    if (m_abortedForGood.load()) return false;
    bool captionFlag;
    {
        CSLock lock(m_lock);
        captionFlag = m_captionFlag;
    }
    if (!m_dialog->BeginModal(nullptr, GetModalCaption(m_model, captionFlag).c_str(), true, this))
        return false;
    m_aborted.store(false);
    return true;
}

void ProgressWithUI::UIDeactivate() {
    m_dialog->EndModal();
    if (!m_abortedForGood.load()) m_aborted.store(false);
}

bool ProgressWithUI::UIIsActive() {
    return m_dialog->IsActive();
}

bool ProgressWithUI::UIIsAborted() {
    return m_aborted.load() || m_abortedForGood.load();
}

bool ProgressWithUI::UIConfigure(const char* text, unsigned total, unsigned scale, unsigned offset) {
    if (!m_dialog->IsActive()) return false;
    {
        CSLock lock(m_lock);
        m_caption = text != nullptr ? text : "Transferring...";
        m_div = total > 1 ? total : 1;
        m_mul = scale > 1 ? scale : 1;
        m_add = offset;
    }
    NotifyPos(1, 0, "");
    return true;
}

void ProgressWithUI::NotifyPos(unsigned total, unsigned position, const char* text) {
    if (!m_dialog->IsActive()) return;
    CSLock lock(m_lock);
    if (total == m_lastTotal && position == m_lastPosition && text == nullptr) return;
    m_lastTotal = total;
    m_lastPosition = position;
    const unsigned bar = ((position * m_mul / std::max(total, 1u)) + m_add) * kBarScale / m_div;
    // The percentage is of the whole bar, whatever number of steps it was configured with.
    const std::string line =
        m_caption + "\n" +
        (text != nullptr ? std::string(text) : formatstring("%u %%", bar * 100 / kBarScale));
    m_dialog->NotifyProgress(line.c_str(), static_cast<int>(kBarScale), static_cast<int>(bar));
}

void ProgressWithUI::NotifyEnd(QNRESULT result) {
    CSLock lock(m_lock);
    if (m_result != SX_PENDING && result != QN_ABORT) return;
    m_result = result;
    if (m_useDialog && m_dialog->IsActive()) m_dialog->NotifyBreak();
    m_done.Set();
}

QNRESULT ProgressWithUI::Result() {
    CSLock lock(m_lock);
    return m_result;
}

void ProgressWithUI::ResetResult() {
    CSLock lock(m_lock);
    m_result = SX_PENDING;
    m_useDialog = false;
    m_lastActivity = QorX0::GetSysTick();
    m_done.Reset();
}

void ProgressWithUI::Activity() {
    CSLock lock(m_lock);
    m_lastActivity = QorX0::GetSysTick();
}

QNRESULT ProgressWithUI::Wait(unsigned ms, bool useDialog) {
    bool dialog;
    {
        CSLock lock(m_lock);
        m_useDialog = useDialog;
        m_timeout = ms;
        m_lastActivity = QorX0::GetSysTick();
        dialog = useDialog && m_dialog->IsActive() && m_timerId != 0;
    }
    if (dialog) {
        m_dispatch->SetTimerPeriod(m_timerId, kTickMs);
        // A break that is not this wait's (an earlier completion's, another window's) ends the loop
        // with the result still pending: the wait goes on.
        while (Result() == SX_PENDING && m_dialog->IsActive()) {
            if (!m_dialog->RunModal()) NotifyEnd(QN_FAIL);
        }
        m_dispatch->SetTimerPeriod(m_timerId, 0);
    }
    // Without the dialog (or when it went away meanwhile): the done event, with the time-out counted
    // from the last activity.
    for (;;) {
        unsigned remaining;
        {
            CSLock lock(m_lock);
            if (m_result != SX_PENDING) break;
            const uint32_t now = QorX0::GetSysTick();
            if (m_transmitting.load()) m_lastActivity = now;
            const uint32_t elapsed = now - m_lastActivity;
            if (elapsed >= ms) {
                NotifyEnd(QN_TIMEOUT);
                break;
            }
            remaining = ms - elapsed;
        }
        m_done.Wait(remaining);
    }
    QNRESULT result;
    {
        CSLock lock(m_lock);
        m_useDialog = false;
        result = m_result;
    }
    TRACE("Return 0x%08X [%s]\n", static_cast<unsigned>(result), ResultName(result));
    return result;
}

void ProgressWithUI::OnAsyncTimer(long id) {
    if (id != m_timerId) return;
    bool timeout = false;
    {
        CSLock lock(m_lock);
        if (m_result != SX_PENDING) {
            // Completed, but its break may have gone to a window that is no longer the one waiting.
            if (m_useDialog) m_dialog->NotifyBreak();
            return;
        }
        const uint32_t now = QorX0::GetSysTick();
        if (m_transmitting.load()) m_lastActivity = now;
        timeout = now - m_lastActivity >= m_timeout;
    }
    if (timeout) NotifyEnd(QN_TIMEOUT);
}

void ProgressWithUI::OnAsyncCanceled() {
    m_aborted.store(true);
    NotifyEnd(QN_ABORT);
}

void ProgressWithUI::AbortForGood() {
    m_abortedForGood.store(true);
    m_aborted.store(true);
    NotifyEnd(QN_ABORT);
}

// ---- SXSessionCtx

SXSessionCtx::SXSessionCtx(unsigned char model) : ProgressWithUI(model) {
    m_sessionMutex.Create();
}

SXSessionCtx::~SXSessionCtx() {
    End();
    m_sessionMutex.Destroy();
}

QNRESULT SXSessionCtx::Begin(unsigned flags, unsigned txTotal, const void* header, unsigned headerLength,
                             const void* body, unsigned bodyLength, unsigned replySize, const SXSig& reply,
                             const SXSig& error) {
    if (!m_sessionMutex.Trylock()) return QN_BUSY;
    {
        CSLock lock(m_lock);
        if (m_active) {
            m_sessionMutex.Unlock();
            return QN_BUSY;
        }
        if (m_aborted.load() || m_abortedForGood.load()) {
            m_sessionMutex.Unlock();
            return QN_ABORT;
        }
        m_active = true;
        m_flags = flags;
        m_txTotal = txTotal;
        m_header = static_cast<const uint8_t*>(header);
        m_headerLength = header != nullptr ? headerLength : 0;
        m_body = static_cast<const uint8_t*>(body);
        m_bodyLength = body != nullptr ? bodyLength : 0;
        m_replySize = replySize;
        m_reply = reply;
        m_error = error;
        m_dialogActivated = false;
    }
    ResetResult();
    // An abort for good that came while the session was being set up still ends it.
    if (m_abortedForGood.load()) NotifyEnd(QN_ABORT);
    {
        std::lock_guard<std::mutex> lock(m_workerLock);
        ++m_session;
        m_taken = false;
        m_cancelSend = false;
    }
    if (flags & (SXF_TXPROGRESS | SXF_RXPROGRESS)) {
        const bool activated = UIActivate();
        if (activated) {
            const bool tx = flags & SXF_TXPROGRESS;
            const bool rx = flags & SXF_RXPROGRESS;
            UIConfigure(tx && rx ? "Transferring..."
                        : tx     ? "Transmitting..."
                                 : "Receiving...",
                        kBarScale, kBarScale, 0);
        }
        CSLock lock(m_lock);
        m_dialogActivated = activated;
    }
    return QS_OK;
}

void SXSessionCtx::End() {
    bool dialogActivated;
    {
        CSLock lock(m_lock);
        if (!m_active) return;
        dialogActivated = m_dialogActivated;
    }
    {
        // The worker stops before its next block; wait until it no longer reads the caller's buffers
        // (each of its sends is limited in time), and never let it pick this session up later.
        std::unique_lock<std::mutex> lock(m_workerLock);
        m_cancelSend = true;
        m_taken = true;
        m_workerIdle.wait(lock, [this] { return !m_sending; });
    }
    if (dialogActivated) {
        m_dialog->EndModal();
        m_aborted.store(false);
    }
    {
        CSLock lock(m_lock);
        m_dialogActivated = false;
        m_flags = 0;
        m_header = nullptr;
        m_body = nullptr;
        m_active = false;
    }
    m_sessionMutex.Unlock();
}

bool SXSessionCtx::IsActive() {
    CSLock lock(m_lock);
    return m_active;
}

unsigned SXSessionCtx::Flags() {
    CSLock lock(m_lock);
    return m_active ? m_flags : 0;
}

void SXSessionCtx::NotifyEndRX(const void* bytes, size_t length, QNRESULT result) {
    QNRESULT end;
    {
        CSLock lock(m_lock);
        if (!m_active || !(m_flags & SXF_WAITREPLY)) return;
        if (m_reply.Match(bytes, length))
            end = result;
        else if (m_error.Match(bytes, length))
            end = QN_FAIL;
        else
            return;
    }
    NotifyEnd(end);
}

void SXSessionCtx::NotifyPosRX(const void* bytes, size_t length, unsigned received) {
    unsigned replySize;
    {
        CSLock lock(m_lock);
        if (!m_active || !(m_flags & SXF_WAITREPLY)) return;
        if (!m_reply.Match(bytes, length) && !m_error.Match(bytes, length)) return;
        m_lastActivity = QorX0::GetSysTick();
        if (!(m_flags & SXF_RXPROGRESS)) return;
        replySize = m_replySize;
    }
    NotifyPos(replySize, received, nullptr);
}

void SXSessionCtx::NotifyPosTX(unsigned sent) {
    unsigned total;
    {
        CSLock lock(m_lock);
        if (!m_active) return;
        m_lastActivity = QorX0::GetSysTick();
        if (!(m_flags & SXF_TXPROGRESS)) return;
        total = m_txTotal;
    }
    NotifyPos(total, sent, nullptr);
}

void SXSessionCtx::NotifyPosTask(unsigned total, unsigned position, const char* text) {
    Activity();
    NotifyPos(total, position, text);
}

bool SXSessionCtx::TransmitCancelled(uint64_t session) {
    std::lock_guard<std::mutex> lock(m_workerLock);
    return m_cancelSend || session != m_session;
}

void SXSessionCtx::CancelTransmit() {
    {
        std::lock_guard<std::mutex> lock(m_workerLock);
        m_cancelSend = true;
    }
    if (IsActive()) NotifyEnd(QN_FAIL);
}

void SXSessionCtx::AbortSessions() {
    AbortForGood();
    std::lock_guard<std::mutex> lock(m_workerLock);
    m_cancelSend = true;
}

void SXSessionCtx::Transmit(ISXOutput* output) {
    uint64_t session;
    {
        std::lock_guard<std::mutex> lock(m_workerLock);
        if (m_taken) return;
        m_taken = true;
        m_sending = true;
        session = m_session;
    }
    unsigned flags;
    const uint8_t* header;
    const uint8_t* body;
    unsigned hlen, blen;
    {
        CSLock lock(m_lock);
        flags = m_flags;
        header = m_header;
        hlen = m_headerLength;
        body = m_body;
        blen = m_bodyLength;
    }
    QNRESULT result = QS_OK;
    if (flags & SXF_TRANSMIT) {
        m_transmitting.store(true);
        output->LockPort();
        result = HandleSendSysex(output, session, header, hlen, body, blen);
        if (result != QS_OK) {
            // Close the interrupted message, so the instrument drops it.
            const uint8_t eox = 0xF7;
            output->SendLong(&eox, 1);
        }
        output->UnlockPort();
        Activity();
        m_transmitting.store(false);
    }
    if (!TransmitCancelled(session) && !(flags & SXF_WAITREPLY)) NotifyEnd(result);
    {
        std::lock_guard<std::mutex> lock(m_workerLock);
        m_sending = false;
    }
    m_workerIdle.notify_all();
}

QNRESULT SXSessionCtx::HandleSendSysex(ISXOutput* output, uint64_t session, const uint8_t* header,
                                       unsigned hlen, const uint8_t* body, unsigned blen) {
    uint8_t block[kBlockSize];
    unsigned fill = 0;
    unsigned sent = 0;
    auto flush = [&]() -> QNRESULT {
        // Cancelled, ended, or already answered (an error reply in the middle of a dump): the rest
        // would only be thrown away by the instrument.
        if (m_aborted.load() || TransmitCancelled(session) || Result() != SX_PENDING) return QN_ABORT;
        const QNRESULT r = output->SendLong(block, fill);
        if (r != QS_OK) return r;
        sent += fill;
        fill = 0;
        NotifyPosTX(sent);
        return QS_OK;
    };
    for (unsigned i = 0; i < hlen;) {
        const unsigned n = std::min(hlen - i, kBlockSize - fill);
        std::memcpy(block + fill, header + i, n);
        fill += n;
        i += n;
        if (fill == kBlockSize) {
            if (const QNRESULT r = flush(); r != QS_OK) return r;
        }
    }
    if (body != nullptr && blen != 0) {
        ChunkEncode encoder(body, blen);
        for (;;) {
            const size_t n = encoder.Read(block + fill, kBlockSize - fill);
            fill += static_cast<unsigned>(n);
            if (fill == kBlockSize) {
                if (const QNRESULT r = flush(); r != QS_OK) return r;
                continue;
            }
            if (n == 0) break;
        }
        block[fill++] = 0xF7;
    }
    if (fill > 0) return flush();
    return QS_OK;
}

// ---- SXSessionWorker

bool SXSessionWorker::Start(SXSessionCtx* session, ISXOutput* output) {
    Stop();
    m_session = session;
    m_output = output;
    m_wake.Create();
    m_run.store(true);
    if (!m_thread.Run(this)) {
        m_run.store(false);
        return false;
    }
    return true;
}

void SXSessionWorker::Stop() {
    if (m_thread.IsRunning()) {
        m_run.store(false);
        if (m_session != nullptr) m_session->CancelTransmit();
        m_wake.Set();
        m_thread.Join();
    }
    m_wake.Destroy();
}

long SXSessionWorker::ThreadProc() {
    while (m_run.load()) {
        m_wake.Wait(XEvent::INFINITE_WAIT);
        if (!m_run.load()) break;
        m_session->Transmit(m_output);
    }
    return 0;
}

}  // namespace QorX0
