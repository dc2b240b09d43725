#pragma once
// Transfer sessions: one exclusive message out (sent by a worker thread in 1024-byte blocks), its
// reply or error reply recognised on the MIDI read thread, and the main thread waiting for either,
// for the user's Cancel or for the time-out, with the progress dialog for long transfers.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "Common/Link/SXSig.h"
#include "Common/Link/SysexMessages.h"
#include "Common/QnResult.h"
#include "Linux/AsyncDispatch.h"
#include "Linux/AsyncProgress.h"
#include "Linux/Sync.h"
#include "Linux/XThread.h"

namespace QorX0 {

// Holds a CHfcCriticalSection for a scope.
class CSLock {
public:
    explicit CSLock(CHfcCriticalSection& cs) : m_cs(cs) { m_cs.Lock(); }
    ~CSLock() { m_cs.Unlock(); }
    CSLock(const CSLock&) = delete;
    CSLock& operator=(const CSLock&) = delete;

private:
    CHfcCriticalSection& m_cs;
};

// Result of a session that has not completed yet.
constexpr QNRESULT SX_PENDING = QS_FALSE;

// The progress display of the link and the waiting of the main thread.
class ProgressWithUI : public IAsyncDispatchHandler, public IAsyncProgressHandler {
public:
    explicit ProgressWithUI(unsigned char model);
    ~ProgressWithUI() override;
    ProgressWithUI(const ProgressWithUI&) = delete;
    ProgressWithUI& operator=(const ProgressWithUI&) = delete;

    void Initialize(bool captionFlag);
    // Opens the dialog (false when it is up already or cannot be shown); clears the aborted flag.
    bool UIActivate();
    // Closes the dialog; clears the aborted flag.
    void UIDeactivate();
    bool UIIsActive();
    bool UIIsAborted();
    // The caption line (null: "Transferring...") and the scale of the bar: ((position * scale / total)
    // + offset) * 1024 / steps, with steps the given total. Only while the dialog is up.
    bool UIConfigure(const char* text, unsigned total, unsigned scale, unsigned offset);

    void NotifyPos(unsigned total, unsigned position, const char* text);
    // Completes the wait: the first result wins, except an abort, which always replaces it.
    void NotifyEnd(QNRESULT result);
    // Waits until completion, Cancel, or ms without activity (nothing sent or received, and no block
    // on its way out). With useDialog and the dialog up, the wait runs the dialog's modal loop.
    QNRESULT Wait(unsigned ms, bool useDialog);

    void OnAsyncTimer(long id) override;
    void OnAsyncEvent(long, long) override {}
    void OnAsyncCanceled() override;

    QNRESULT Result();
    IAsyncProgressUI* Dialog() { return m_dialog.get(); }

    // Any thread. Ends the running wait with QN_ABORT and makes every later session and dialog of
    // this link fail at once: its owner is going away.
    void AbortForGood();
    bool IsAbortedForGood() const { return m_abortedForGood.load(); }

protected:
    // Marks activity now (caller may hold m_lock).
    void Activity();
    // Starts a new pending result (Begin).
    void ResetResult();

    CHfcCriticalSection m_lock;
    unsigned char m_model;
    bool m_captionFlag = false;
    XEvent m_done;
    std::unique_ptr<IAsyncProgressUI> m_dialog;
    std::unique_ptr<IAsyncDispatch> m_dispatch;
    long m_timerId = 0;
    std::string m_caption;
    unsigned m_div = 1;
    unsigned m_mul = 1;
    unsigned m_add = 0;
    unsigned m_timeout = 0;
    uint32_t m_lastActivity = 0;
    unsigned m_lastTotal = 0;
    unsigned m_lastPosition = 0;
    QNRESULT m_result = QS_OK;
    bool m_useDialog = false;
    std::atomic<bool> m_aborted{false};
    std::atomic<bool> m_abortedForGood{false};
    // A block is on its way out: the time-out does not run meanwhile (the send itself is limited).
    std::atomic<bool> m_transmitting{false};
};

// Where the worker sends: the output port with its port mutex.
class ISXOutput {
public:
    virtual void LockPort() = 0;
    virtual void UnlockPort() = 0;
    // Sends exclusive bytes within a time limit; 0 or a failure result.
    virtual QNRESULT SendLong(const void* data, unsigned length) = 0;

protected:
    ~ISXOutput() = default;
};

class SXSessionCtx : public ProgressWithUI {
public:
    static constexpr unsigned kBlockSize = 1024;

    explicit SXSessionCtx(unsigned char model);
    ~SXSessionCtx() override;

    // 0 with the session mutex held until End; QN_BUSY (another session, on any thread) or QN_ABORT
    // (the user cancelled and the dialog has not been reopened since). The result is pending from here
    // on, so a reply that comes before Wait is kept.
    QNRESULT Begin(unsigned flags, unsigned txTotal, const void* header, unsigned headerLength,
                   const void* body, unsigned bodyLength, unsigned replySize, const SXSig& reply,
                   const SXSig& error);
    // Ends the session. Waits until the worker has stopped using the caller's buffers, so nothing of
    // this session is sent after it.
    void End();
    bool IsActive();
    unsigned Flags();

    // MIDI read thread: a complete message (reply, error reply) and every piece of a dump.
    void NotifyEndRX(const void* bytes, size_t length, QNRESULT result);
    void NotifyPosRX(const void* bytes, size_t length, unsigned received);
    void NotifyPosTX(unsigned sent);
    void NotifyPosTask(unsigned total, unsigned position, const char* text);

    // Worker thread, after each wake-up: sends the transmit part of the running session once.
    void Transmit(ISXOutput* output);
    // Any thread: stops the transmission before its next block and fails the running session.
    void CancelTransmit();
    // Any thread: AbortForGood, and the transmission of the running session stops before its next
    // block.
    void AbortSessions();

private:
    QNRESULT HandleSendSysex(ISXOutput* output, uint64_t session, const uint8_t* header, unsigned hlen,
                             const uint8_t* body, unsigned blen);
    bool TransmitCancelled(uint64_t session);

    XMutex m_sessionMutex;
    bool m_active = false;
    bool m_dialogActivated = false;
    unsigned m_flags = 0;
    unsigned m_txTotal = 0;
    const uint8_t* m_header = nullptr;
    unsigned m_headerLength = 0;
    const uint8_t* m_body = nullptr;
    unsigned m_bodyLength = 0;
    unsigned m_replySize = 0;
    SXSig m_reply;
    SXSig m_error;

    // The worker's hold on the session's buffers.
    std::mutex m_workerLock;
    std::condition_variable m_workerIdle;
    uint64_t m_session = 0;     // number of the running session
    bool m_taken = true;        // the worker has picked up (or may no longer pick up) this session
    bool m_sending = false;     // the worker is inside Transmit for m_session
    bool m_cancelSend = false;  // stop before the next block
};

// The link's worker thread: woken once per session, sends its transmit part.
class SXSessionWorker : private IXThreadProc {
public:
    SXSessionWorker() = default;
    ~SXSessionWorker() { Stop(); }
    SXSessionWorker(const SXSessionWorker&) = delete;
    SXSessionWorker& operator=(const SXSessionWorker&) = delete;

    bool Start(SXSessionCtx* session, ISXOutput* output);
    // Returns once the thread has ended; a send in progress ends within its time limit.
    void Stop();
    void Wake() { m_wake.Set(); }
    bool IsRunning() const { return m_thread.IsRunning(); }

private:
    long ThreadProc() override;

    SXSessionCtx* m_session = nullptr;
    ISXOutput* m_output = nullptr;
    XEvent m_wake;
    XThread m_thread;
    std::atomic<bool> m_run{false};
};

}  // namespace QorX0
