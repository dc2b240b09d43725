#include "Linux/AsyncDispatch.h"

#include <algorithm>
#include <deque>
#include <iterator>
#include <map>
#include <memory>
#include <thread>
#include <vector>

#include "Linux/RingQueue.h"
#include "Linux/RunLoop.h"
#include "Linux/Sync.h"
#include "Linux/Trace.h"

namespace AsyncDispatchMac {

// The dispatcher's state lives apart from the interface object and is shared with the work it posts
// to the loop, so that work still queued or running when the dispatcher goes away finds it marked
// dead instead of freed.
struct DispatchCore : std::enable_shared_from_this<DispatchCore> {
    struct QE {
        IAsyncDispatchHandler* handler;
        long event;
        long argument;
    };
    struct TE {
        IAsyncDispatchHandler* handler;
        long period;  // 0: stopped
    };

    struct Call {
        IAsyncDispatchHandler* handler;
        std::thread::id thread;
    };

    ZbrMutex mutex{ZBRMUTEX_RECURSIVE};
    ZbrCondition callDone;    // signalled whenever a callback returns
    std::vector<Call> calls;  // callbacks running now, innermost last
    bool dead = false;
    // Queued events, in a ring that stops allocating once it has held its longest backlog, so that a
    // real-time thread can post without allocating.
    RingQueue<QE> queue{256};
    bool drainPosted = false;  // a drain is on the loop's queue and has not begun yet
    std::map<long, TE> timers;
    std::map<long, RunLoop::TimerId> running;
    RunLoop* loop = nullptr;
    std::thread::id mainThread;

    void Drain() {
        // A handler may destroy the dispatcher: the state lives until the drain is over.
        const std::shared_ptr<DispatchCore> self = shared_from_this();
        {
            // Events queued from now on need a drain of their own.
            ZbrStMutexLock lock(mutex);
            drainPosted = false;
        }
        for (;;) {
            QE entry;
            {
                ZbrStMutexLock lock(mutex);
                if (dead || queue.empty()) return;
                entry = queue.front();
                queue.pop_front();
                calls.push_back(Call{entry.handler, std::this_thread::get_id()});
            }
            entry.handler->OnAsyncEvent(entry.event, entry.argument);
            EndCall(entry.handler);
        }
    }

    void EndCall(IAsyncDispatchHandler* handler) {
        ZbrStMutexLock lock(mutex);
        const std::thread::id self = std::this_thread::get_id();
        for (auto it = calls.rbegin(); it != calls.rend(); ++it) {
            if (it->handler == handler && it->thread == self) {
                calls.erase(std::next(it).base());
                break;
            }
        }
        callDone.Broadcast();
    }

    void Fire(long id) {
        IAsyncDispatchHandler* handler = nullptr;
        {
            ZbrStMutexLock lock(mutex);
            if (dead) return;
            auto it = timers.find(id);
            if (it == timers.end() || it->second.period == 0) return;
            handler = it->second.handler;
            if (handler == nullptr) return;
            calls.push_back(Call{handler, std::this_thread::get_id()});
        }
        handler->OnAsyncTimer(id);
        EndCall(handler);
    }

    // Caller holds the mutex.
    void StopLocked(long id) {
        auto it = running.find(id);
        if (it == running.end()) return;
        if (loop != nullptr) loop->RemoveTimer(it->second);
        running.erase(it);
    }
};

class CAsyncDispatchMac : public IAsyncDispatch {
public:
    explicit CAsyncDispatchMac(RunLoop* loop) : m_core(std::make_shared<DispatchCore>()) {
        m_core->loop = loop;
        m_core->mainThread = std::this_thread::get_id();
        Trace("CAsyncDispatchMac::CAsyncDispatchMac()\n");
    }

    ~CAsyncDispatchMac() override {
        Trace("CAsyncDispatchMac::~CAsyncDispatchMac()\n");
        {
            ZbrStMutexLock lock(m_core->mutex);
            m_core->dead = true;
            m_core->queue.clear();
            while (!m_core->running.empty()) m_core->StopLocked(m_core->running.begin()->first);
            m_core->timers.clear();
        }
        // Drops our posted work; from another thread, also waits for a handler of ours that runs now.
        if (m_core->loop != nullptr) m_core->loop->CancelOwner(m_core.get());
    }

    bool CreateTimer(IAsyncDispatchHandler* handler, long* id) override {
        ZbrStMutexLock lock(m_core->mutex);
        long candidate = kAsyncTimerFirstId;
        for (const auto& entry : m_core->timers) {
            if (entry.first != candidate) break;
            ++candidate;
        }
        if (candidate >= kAsyncTimerFirstId + kAsyncTimerCount) return false;
        m_core->timers.emplace(candidate, DispatchCore::TE{handler, 0});
        if (id != nullptr) *id = candidate;
        return true;
    }

    bool SetTimerPeriod(long id, long ms) override {
        ZbrStMutexLock lock(m_core->mutex);
        auto it = m_core->timers.find(id);
        if (it == m_core->timers.end()) return false;
        m_core->StopLocked(id);
        it->second.period = ms > 0 ? ms : 0;
        if (ms > 0 && m_core->loop != nullptr) {
            std::weak_ptr<DispatchCore> weak = m_core;
            const RunLoop::TimerId timer = m_core->loop->AddIdleTimer(
                m_core.get(), static_cast<uint32_t>(std::min<long>(ms, 0x7FFFFFFFL)),
                [weak, id](RunLoop::TimerMessage) {
                    if (auto core = weak.lock()) core->Fire(id);
                });
            if (timer != 0) m_core->running[id] = timer;
        }
        return true;
    }

    bool DestroyTimer(long id) override {
        ZbrStMutexLock lock(m_core->mutex);
        auto it = m_core->timers.find(id);
        if (it == m_core->timers.end()) return false;
        m_core->StopLocked(id);
        m_core->timers.erase(it);
        return true;
    }

    void NotifyEvent(IAsyncDispatchHandler* handler, long event, long argument, bool alwaysQueue) override {
        if (handler == nullptr) return;
        bool direct;
        // Taken under the lock: once it is released the dispatcher may be destroyed on the main
        // thread (by another thread, or by the handler called here), and nothing of the object may be
        // read after that.
        std::shared_ptr<DispatchCore> core;
        {
            ZbrStMutexLock lock(m_core->mutex);
            if (m_core->dead) return;
            direct = !alwaysQueue && OnMainThread();
            if (!direct) {
                // Without a loop nothing would ever deliver it: keep nothing.
                if (m_core->loop == nullptr) return;
                m_core->queue.push_back(DispatchCore::QE{handler, event, argument});
                // One drain delivers every event queued before it begins. Posted under the lock, so
                // that a dispatcher going away (dead, then its posted work cancelled) never leaves a
                // drain behind; the drain's work holds only a pointer, which the loop keeps without
                // allocating.
                if (!m_core->drainPosted) {
                    m_core->drainPosted = true;
                    DispatchCore* raw = m_core.get();
                    m_core->loop->Post(raw, [raw] { raw->Drain(); });
                }
                return;
            }
            m_core->calls.push_back(DispatchCore::Call{handler, std::this_thread::get_id()});
            core = m_core;
        }
        handler->OnAsyncEvent(event, argument);
        core->EndCall(handler);
    }

    void WithdrawEvents(IAsyncDispatchHandler* handler) override {
        if (handler == nullptr) return;
        DispatchCore& core = *m_core;
        ZbrStMutexLock lock(core.mutex);
        core.queue.remove_if([handler](const DispatchCore::QE& e) { return e.handler == handler; });
        const std::thread::id self = std::this_thread::get_id();
        for (;;) {
            bool elsewhere = false;
            for (const auto& call : core.calls) {
                if (call.handler != handler) continue;
                // Its callback is on our own stack: waiting would never end.
                if (call.thread == self) return;
                elsewhere = true;
            }
            if (!elsewhere) return;
            core.callDone.Wait(core.mutex);
        }
    }

private:
    bool OnMainThread() const {
        return m_core->loop != nullptr ? m_core->loop->IsLoopThread()
                                       : std::this_thread::get_id() == m_core->mainThread;
    }

    std::shared_ptr<DispatchCore> m_core;
};

}  // namespace AsyncDispatchMac

IAsyncDispatch* AsyncDispatchCreate(RunLoop* loop) {
    return new AsyncDispatchMac::CAsyncDispatchMac(loop);
}

IAsyncDispatch* AsyncDispatchCreate() {
    RunLoop* loop = RunLoop::Current();
    if (loop == nullptr) loop = UIThread::Loop();
    return AsyncDispatchCreate(loop);
}
