#include "Linux/RunLoop.h"

#include <dlfcn.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <new>

#include "Linux/SysTick.h"

namespace {
thread_local RunLoop* t_current = nullptr;
constexpr uint64_t kConditionRecheckMs = 10;

uint64_t RealMs() {
    return MonotonicMicroseconds() / 1000u;
}
}  // namespace

RunLoop::RunLoop(Clock clock) : m_clock(std::move(clock)), m_thread(std::this_thread::get_id()) {
    m_wakeFd = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (t_current == nullptr) t_current = this;
}

RunLoop::~RunLoop() {
    if (t_current == this) t_current = nullptr;
    RingQueue<Posted> dropped(1);
    std::map<TimerId, Timer> timers;
    {
        // Under the lock: a Quit or Post from another thread may still be writing to the descriptor.
        std::lock_guard<std::mutex> lock(m_lock);
        dropped.swap(m_posted);
        timers.swap(m_timers);
        if (m_wakeFd >= 0) close(m_wakeFd);
        m_wakeFd = -1;
    }
    // Dropped work is destroyed here, outside the lock: its captures may signal waiters.
    dropped.clear();
}

RunLoop* RunLoop::Current() {
    return t_current;
}

bool RunLoop::IsLoopThread() const {
    return std::this_thread::get_id() == m_thread;
}

uint64_t RunLoop::NowMs() const {
    return m_clock ? m_clock() : RealMs();
}

// Caller holds m_lock, which keeps the descriptor open while it is written.
void RunLoop::Wake() {
    if (m_wakeFd >= 0) {
        const uint64_t one = 1;
        [[maybe_unused]] ssize_t n = write(m_wakeFd, &one, sizeof one);
    }
}

void RunLoop::Post(const void* owner, Work work) {
    if (!work) return;
    std::lock_guard<std::mutex> lock(m_lock);
    m_posted.push_back(Posted{owner, std::move(work)});
    Wake();
}

void RunLoop::CancelOwner(const void* owner) {
    std::deque<Posted> dropped;
    std::vector<std::shared_ptr<TimerCallback>> droppedTimers;
    {
        std::unique_lock<std::mutex> lock(m_lock);
        m_posted.remove_if([owner](const Posted& p) { return p.owner == owner; }, &dropped);
        for (auto it = m_timers.begin(); it != m_timers.end();) {
            if (it->second.owner == owner) {
                droppedTimers.push_back(std::move(it->second.callback));
                it = m_timers.erase(it);
            } else {
                ++it;
            }
        }
        if (!IsLoopThread() && owner != nullptr) {
            m_callbackDone.wait(lock, [&] {
                auto busy = m_busy.find(owner);
                return busy == m_busy.end();
            });
        }
    }
}

RunLoop::TimerId RunLoop::AddTimerLocked(const void* owner, uint32_t firstMs, uint32_t periodMs,
                                         TimerCallback callback, bool idle) {
    if (periodMs == 0 || !callback) return 0;
    const uint64_t now = NowMs();
    TimerId id;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        id = m_nextTimerId++;
        m_timers.emplace(id, Timer{owner, periodMs, idle, false, false, now + firstMs,
                                   std::make_shared<TimerCallback>(std::move(callback))});
        Wake();  // the loop may be waiting past the new timer's first due time
    }
    return id;
}

RunLoop::TimerId RunLoop::AddTimer(const void* owner, uint32_t periodMs, TimerCallback callback) {
    return AddTimerLocked(owner, periodMs, periodMs, std::move(callback), false);
}

RunLoop::TimerId RunLoop::AddTimer(const void* owner, uint32_t firstMs, uint32_t periodMs,
                                   TimerCallback callback) {
    return AddTimerLocked(owner, firstMs, periodMs, std::move(callback), false);
}

RunLoop::TimerId RunLoop::AddIdleTimer(const void* owner, uint32_t periodMs, TimerCallback callback) {
    return AddTimerLocked(owner, periodMs, periodMs, std::move(callback), true);
}

bool RunLoop::RemoveTimer(TimerId id) {
    std::shared_ptr<TimerCallback> dropped;
    std::lock_guard<std::mutex> lock(m_lock);
    auto it = m_timers.find(id);
    if (it == m_timers.end()) return false;
    dropped = std::move(it->second.callback);
    m_timers.erase(it);
    return true;
}

void RunLoop::NotifyUserInput() {
    const uint64_t now = NowMs();
    std::lock_guard<std::mutex> lock(m_lock);
    for (auto& [id, timer] : m_timers) {
        if (!timer.idle) continue;
        if (timer.idling) {
            timer.idling = false;
            timer.stopPending = true;
        }
        timer.due = now + timer.period;  // the idle count starts again from this input
    }
    Wake();
}

void RunLoop::SetFdSource(int fd, SourceDispatch dispatch) {
    m_sourceFd = fd;
    m_sourceDispatch = fd >= 0 ? std::move(dispatch) : nullptr;
}

void RunLoop::BeginCallback(const void* owner) {
    if (owner != nullptr) ++m_busy[owner];
}

void RunLoop::EndCallback(const void* owner) {
    if (owner == nullptr) return;
    auto it = m_busy.find(owner);
    if (it != m_busy.end() && --it->second == 0) {
        m_busy.erase(it);
        m_callbackDone.notify_all();
    }
}

int RunLoop::RunPostedBatch() {
    size_t batch;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        batch = m_posted.size();
    }
    // Only what was posted before the batch began, so that work which re-posts itself cannot starve
    // the timers and the descriptor.
    int ran = 0;
    for (; batch > 0; --batch) {
        Posted item;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            if (m_posted.empty()) break;
            item = std::move(m_posted.front());
            m_posted.pop_front();
            BeginCallback(item.owner);
        }
        item.work();
        item.work = nullptr;  // captures die before the owner counts as idle
        ++ran;
        std::lock_guard<std::mutex> lock(m_lock);
        EndCallback(item.owner);
    }
    return ran;
}

int RunLoop::RunDueTimers() {
    const uint64_t now = NowMs();
    int ran = 0;
    TimerId cursor = 0;
    for (;;) {
        std::shared_ptr<TimerCallback> callback;
        const void* owner = nullptr;
        TimerMessage message = kTimerFired;
        {
            std::lock_guard<std::mutex> lock(m_lock);
            auto it = m_timers.upper_bound(cursor);
            while (it != m_timers.end() && !it->second.stopPending && it->second.due > now) ++it;
            if (it == m_timers.end()) break;
            cursor = it->first;
            Timer& timer = it->second;
            if (timer.stopPending) {
                timer.stopPending = false;
                message = kIdleStopped;
            } else {
                if (timer.idle) {
                    message = timer.idling ? kIdling : kIdleStarted;
                    timer.idling = true;
                }
                timer.due += timer.period;
                if (timer.due <= now) timer.due = now + timer.period;
            }
            callback = timer.callback;
            owner = timer.owner;
            BeginCallback(owner);
        }
        (*callback)(message);
        callback.reset();
        ++ran;
        std::lock_guard<std::mutex> lock(m_lock);
        EndCallback(owner);
    }
    return ran;
}

void RunLoop::WaitForInput(uint64_t maxWaitMs) {
    if (m_sourceDispatch && m_sourceDispatch()) return;
    uint64_t wait = maxWaitMs;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (!m_posted.empty() || m_quit) return;
        const uint64_t now = NowMs();
        for (const auto& [id, timer] : m_timers) {
            if (timer.stopPending) return;
            wait = std::min<uint64_t>(wait, timer.due > now ? timer.due - now : 0);
        }
    }
    pollfd fds[2] = {{m_wakeFd, POLLIN, 0}, {m_sourceFd, POLLIN, 0}};
    const nfds_t count = m_sourceFd >= 0 ? 2 : 1;
    const int timeout = wait >= static_cast<uint64_t>(INT_MAX) ? -1 : static_cast<int>(wait);
    if (poll(fds, count, timeout) <= 0) return;
    if (fds[0].revents & POLLIN) {
        uint64_t value;
        [[maybe_unused]] ssize_t n = read(m_wakeFd, &value, sizeof value);
    }
    if (count == 2 && (fds[1].revents & (POLLIN | POLLHUP | POLLERR)) && m_sourceDispatch) m_sourceDispatch();
}

int RunLoop::RunPending() {
    return RunPostedBatch() + RunDueTimers();
}

namespace {
struct DepthGuard {
    explicit DepthGuard(int& d) : depth(d) { ++depth; }
    ~DepthGuard() { --depth; }
    int& depth;
};
}  // namespace

void RunLoop::Run() {
    DepthGuard nested(m_depth);
    while (!IsQuitting()) {
        if (RunPending() == 0) WaitForInput(UINT64_MAX);
    }
}

void RunLoop::Quit() {
    std::lock_guard<std::mutex> lock(m_lock);
    m_quit = true;
    Wake();
}

bool RunLoop::IsQuitting() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_quit;
}

void RunLoop::RunModal(const std::function<bool()>& done) {
    RunUntil(done, kForever);
}

bool RunLoop::RunUntil(const std::function<bool()>& condition, uint32_t timeoutMs) {
    DepthGuard nested(m_depth);
    const uint64_t start = RealMs();
    for (;;) {
        if (condition()) return true;
        if (IsQuitting()) return false;
        const int ran = RunPending();
        if (condition()) return true;
        uint64_t remaining = UINT64_MAX;
        if (timeoutMs != kForever) {
            const uint64_t elapsed = RealMs() - start;
            if (elapsed >= timeoutMs) return false;
            remaining = timeoutMs - elapsed;
        }
        // Conditions may be changed by other threads, which do not wake the loop: look again soon.
        if (ran == 0) WaitForInput(std::min<uint64_t>(remaining, kConditionRecheckMs));
    }
}

// ---- UIThread

namespace {
// Set by the UI thread when it has left its loop, the last thing it does.
struct UIThreadEnd {
    std::mutex lock;
    std::condition_variable cv;
    bool ended = false;
};

struct UIThreadState {
    std::mutex lock;
    int users = 0;
    std::thread thread;
    RunLoop* loop = nullptr;
    std::shared_ptr<UIThreadEnd> end;
    void (*exitHook)() = nullptr;
    void* pin = nullptr;  // our own reference to the shared object this code is in
};

// While the UI thread runs, the shared object holding this code (the plug-in) keeps a reference to
// itself, so that a host unloading it without closing its effects leaves it mapped instead of
// pulling the code from under the thread (a dlclose runs static destruction holding the loader's
// lock, which the thread may be waiting for, so it could not be joined there). Null in a program.
void* PinOwnModule() {
    Dl_info info;
    if (dladdr(reinterpret_cast<void*>(&PinOwnModule), &info) == 0 || info.dli_fname == nullptr)
        return nullptr;
    void* handle = dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
    if (handle == nullptr) return nullptr;
    void* program = dlopen(nullptr, RTLD_LAZY);
    const bool isProgram = handle == program;
    if (program != nullptr) dlclose(program);
    if (isProgram) {
        dlclose(handle);
        return nullptr;
    }
    return handle;
}

// Never destroyed (made in static storage, so that nothing of it outlives an unloaded object either):
// a thread left running at exit may still look for it. What static destruction must do with a
// thread nobody released, ExitGuard does.
UIThreadState& UI() {
    alignas(UIThreadState) static unsigned char storage[sizeof(UIThreadState)];
    static UIThreadState* state = new (storage) UIThreadState;
    return *state;
}

struct ExitGuard {
    ExitGuard() = default;
    ExitGuard(const ExitGuard&) = delete;
    ExitGuard& operator=(const ExitGuard&) = delete;
    ~ExitGuard() { UIThread::StopAtExit(); }
};

// Signals the waiting caller when the handed-over call is destroyed, run or dropped.
struct CallDone {
    std::mutex lock;
    std::condition_variable cv;
    bool finished = false;
    bool ran = false;
};
struct CallFinisher {
    explicit CallFinisher(std::shared_ptr<CallDone> d) : done(std::move(d)) {}
    CallFinisher(const CallFinisher&) = delete;
    CallFinisher& operator=(const CallFinisher&) = delete;
    std::shared_ptr<CallDone> done;
    ~CallFinisher() {
        std::lock_guard<std::mutex> lock(done->lock);
        done->finished = true;
        done->cv.notify_all();
    }
};
}  // namespace

RunLoop* UIThread::Acquire() {
    UIThreadState& ui = UI();
    std::lock_guard<std::mutex> lock(ui.lock);
    // Made on first use: static destruction reaches it after whatever was made later, so what the
    // UI thread may use and is made later (the MIDI backend) stops the thread itself first.
    static ExitGuard guard;
    if (ui.users++ == 0) {
        std::mutex readyLock;
        std::condition_variable ready;
        RunLoop* started = nullptr;
        auto end = std::make_shared<UIThreadEnd>();
        ui.end = end;
        ui.pin = PinOwnModule();
        ui.thread = std::thread([&readyLock, &ready, &started, end] {
            {
                RunLoop loop;
                {
                    // Notify under the lock: the starter's condition variable dies as soon as it
                    // sees us.
                    std::lock_guard<std::mutex> r(readyLock);
                    started = &loop;
                    ready.notify_all();
                }
                loop.Run();
            }
            std::lock_guard<std::mutex> l(end->lock);
            end->ended = true;
            end->cv.notify_all();
        });
        std::unique_lock<std::mutex> r(readyLock);
        ready.wait(r, [&] { return started != nullptr; });
        ui.loop = started;
    }
    return ui.loop;
}

void UIThread::Release() {
    UIThreadState& ui = UI();
    RunLoop* loop = nullptr;
    std::thread thread;
    void* pin = nullptr;
    {
        std::lock_guard<std::mutex> lock(ui.lock);
        if (ui.users == 0 || --ui.users > 0) return;
        loop = ui.loop;
        ui.loop = nullptr;
        thread = std::move(ui.thread);
        ui.end.reset();
        pin = ui.pin;
        ui.pin = nullptr;
    }
    // Outside the lock: what the UI thread runs until it ends may still call Loop or Call (they find
    // no UI thread now). The loop lives on that thread's stack until the join.
    loop->Quit();
    thread.join();
    // The host holds its own reference while it calls us: this never unloads the object.
    if (pin != nullptr) dlclose(pin);
}

void UIThread::SetExitHook(void (*hook)()) {
    UIThreadState& ui = UI();
    std::lock_guard<std::mutex> lock(ui.lock);
    ui.exitHook = hook;
}

void UIThread::StopAtExit() {
    UIThreadState& ui = UI();
    RunLoop* loop = nullptr;
    std::thread thread;
    std::shared_ptr<UIThreadEnd> end;
    void (*hook)() = nullptr;
    {
        std::lock_guard<std::mutex> lock(ui.lock);
        if (!ui.thread.joinable()) return;
        loop = ui.loop;
        ui.loop = nullptr;
        ui.users = 0;
        thread = std::move(ui.thread);
        end = std::move(ui.end);
        hook = ui.exitHook;
    }
    if (thread.get_id() == std::this_thread::get_id()) {
        // The UI thread itself is exiting the process: nothing can wait for it.
        loop->Quit();
        thread.detach();
        return;
    }
    if (hook != nullptr) hook();
    loop->Quit();
    bool ended;
    {
        std::unique_lock<std::mutex> lock(end->lock);
        ended = end->cv.wait_for(lock, std::chrono::milliseconds(kExitWaitMs), [&] { return end->ended; });
    }
    if (ended)
        thread.join();
    else
        thread.detach();
}

extern "C" int __cxa_atexit(void (*fn)(void*), void* arg, void* dso);
extern void* __dso_handle;  // this object's own handle, given by the toolchain

namespace {
void StopAtExitHandler(void*) {
    UIThread::StopAtExit();
}
}  // namespace

void UIThread::ArmExitStop() {
    static std::atomic<int> armed{0};
    if (armed.fetch_add(1) >= kMaxExitStops) return;
    // Registered for this object by name (as atexit does inside a shared object), so that an unload
    // runs it and nothing calls into the object after it is gone, even where a runtime wraps atexit.
    __cxa_atexit(&StopAtExitHandler, nullptr, &__dso_handle);
}

RunLoop* UIThread::Loop() {
    UIThreadState& ui = UI();
    std::lock_guard<std::mutex> lock(ui.lock);
    return ui.loop;
}

bool UIThread::Call(const std::function<void()>& fn) {
    auto done = std::make_shared<CallDone>();
    bool direct = false;
    {
        UIThreadState& ui = UI();
        std::lock_guard<std::mutex> lock(ui.lock);
        if (ui.loop == nullptr) return false;
        direct = ui.loop->IsLoopThread();
    }
    if (direct) {
        fn();
        return true;
    }
    {
        UIThreadState& ui = UI();
        std::lock_guard<std::mutex> lock(ui.lock);
        if (ui.loop == nullptr) return false;
        auto finisher = std::make_shared<CallFinisher>(done);
        ui.loop->Post(nullptr, [finisher, &fn] {
            fn();
            std::lock_guard<std::mutex> l(finisher->done->lock);
            finisher->done->ran = true;
        });
    }
    std::unique_lock<std::mutex> lock(done->lock);
    done->cv.wait(lock, [&] { return done->finished; });
    return done->ran;
}
