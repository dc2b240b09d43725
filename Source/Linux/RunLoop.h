#pragma once
// The main thread's loop: posted work from any thread, timers and idle timers on a monotonic
// millisecond clock, one optional file-descriptor source (the display connection), and nested loops
// that keep serving all of these. Everything a loop runs, it runs on the thread that owns it, with no
// lock of the loop held.
#include <pthread.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <unordered_map>

#include "Linux/RingQueue.h"

class RunLoop {
public:
    using Clock = std::function<uint64_t()>;  // milliseconds, never decreasing
    using Work = std::function<void()>;
    using TimerId = uint64_t;  // 0: none

    // What an idle timer's callback is told; plain timers always get kTimerFired.
    enum TimerMessage { kTimerFired, kIdleStarted, kIdling, kIdleStopped };
    using TimerCallback = std::function<void(TimerMessage)>;

    static constexpr uint32_t kForever = 0xFFFFFFFFu;

    // The loop belongs to the constructing thread and becomes that thread's Current() loop. An
    // injected clock times the timers (tests step it by hand); waits with a time-out always use the
    // real monotonic clock.
    explicit RunLoop(Clock clock = nullptr);
    ~RunLoop();
    RunLoop(const RunLoop&) = delete;
    RunLoop& operator=(const RunLoop&) = delete;

    // The loop owned by the calling thread, or null.
    static RunLoop* Current();
    bool IsLoopThread() const;
    uint64_t NowMs() const;

    // Any thread. Work tagged with an owner is dropped by CancelOwner(owner).
    void Post(const void* owner, Work work);

    // Any thread. Drops the owner's queued work and removes its timers. Called from another thread
    // while the loop runs one of the owner's callbacks, it waits until that callback has returned,
    // so the owner can be freed right after.
    void CancelOwner(const void* owner);

    // Any thread. A plain timer fires every period; an idle timer fires only while no user input
    // comes: first one period after the last input (or after it was added), then every period, and
    // once more (kIdleStopped) when input resumes.
    TimerId AddTimer(const void* owner, uint32_t periodMs, TimerCallback callback);
    TimerId AddIdleTimer(const void* owner, uint32_t periodMs, TimerCallback callback);
    // Any thread. A plain timer that fires first after firstMs, then every periodMs.
    TimerId AddTimer(const void* owner, uint32_t firstMs, uint32_t periodMs, TimerCallback callback);
    bool RemoveTimer(TimerId id);

    // Any thread. Key, button or motion input on our own windows (or a test's scripted input).
    void NotifyUserInput();

    // Loop thread. One descriptor watched for input (-1: none). dispatch is called when the
    // descriptor is readable and once before each wait, so that input a library has already read
    // into its own buffer is not left waiting; it returns true when it handled anything and must not
    // block.
    using SourceDispatch = std::function<bool()>;
    void SetFdSource(int fd, SourceDispatch dispatch);

    // Loop thread. Runs until Quit.
    void Run();
    // Any thread. Ends Run and every nested loop on this loop.
    void Quit();
    bool IsQuitting() const;

    // Loop thread. A nested loop serving everything until done() is true (or Quit); done() is tested
    // as in RunUntil.
    void RunModal(const std::function<bool()>& done);
    // Loop thread. Pumps until condition() is true, timeoutMs of real time have passed (kForever: no
    // limit) or Quit; returns condition(). The condition is tested after every callback and at least
    // every 10 ms, so another thread may be the one that makes it true.
    bool RunUntil(const std::function<bool()>& condition, uint32_t timeoutMs);
    // Loop thread. Runs the work posted so far and the timers due now, without waiting; returns how
    // many callbacks ran.
    int RunPending();
    // Loop thread. How many loops of this one are running on the stack now (Run, RunModal, RunUntil):
    // 1 at the outermost level, more inside a nested loop, 0 when none runs.
    int NestingDepth() const { return m_depth; }

private:
    struct Posted {
        const void* owner;
        Work work;
    };
    struct Timer {
        const void* owner;
        uint32_t period;
        bool idle;
        bool idling;
        bool stopPending;
        uint64_t due;
        std::shared_ptr<TimerCallback> callback;
    };

    TimerId AddTimerLocked(const void* owner, uint32_t firstMs, uint32_t periodMs, TimerCallback callback,
                           bool idle);
    int RunPostedBatch();
    int RunDueTimers();
    void WaitForInput(uint64_t maxWaitMs);
    void Wake();
    void BeginCallback(const void* owner);
    void EndCallback(const void* owner);

    Clock m_clock;
    std::thread::id m_thread;
    int m_wakeFd = -1;
    int m_sourceFd = -1;
    SourceDispatch m_sourceDispatch;

    mutable std::mutex m_lock;
    std::condition_variable m_callbackDone;
    RingQueue<Posted> m_posted;
    std::map<TimerId, Timer> m_timers;
    std::unordered_map<const void*, int> m_busy;  // owners with a callback running now
    TimerId m_nextTimerId = 1;
    bool m_quit = false;
    int m_depth = 0;  // loop thread only
};

// The process's UI thread for the plug-in: the first user starts it (with its own RunLoop), the last
// one stops it. Host calls that must run on the main thread are handed to it with Call.
class UIThread {
public:
    // Starts the thread on first use; returns its loop.
    static RunLoop* Acquire();
    // Stops and joins the thread when the last user releases it.
    static void Release();
    // The running UI thread's loop, or null.
    static RunLoop* Loop();
    // Runs fn on the UI thread and waits for it (runs it at once when called on the UI thread).
    // False when no UI thread runs.
    static bool Call(const std::function<void()>& fn);

    // What runs, on the exiting thread, when the process exits (or the module holding this code is
    // unloaded) while users never released the UI thread: it ends what would keep the thread busy
    // (transfers waiting for an instrument). One hook for the process; null: none.
    static void SetExitHook(void (*hook)());
    // Ends a UI thread that users never released: runs the exit hook, quits the loop and joins the
    // thread when it ends within kExitWaitMs, else leaves it detached. Nothing happens when no UI
    // thread runs. Static destruction calls it (before the MIDI backend goes); never the UI thread.
    static void StopAtExit();
    static constexpr unsigned kExitWaitMs = 3000;
    // Static destruction runs in the reverse order of construction, so an exit reaches what was
    // made after the UI thread started before it stops the thread. Users call this after work that
    // makes static objects the UI thread uses (tables built on first use): the exit then stops the
    // thread before any of those goes. Each call costs an exit handler; the first few count.
    static void ArmExitStop();
    static constexpr int kMaxExitStops = 64;
};
