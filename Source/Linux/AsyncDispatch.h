#pragma once
// Main-thread events and idle timers. Events posted from any thread are delivered on the thread of
// the dispatcher's RunLoop, in order; handlers are called with no lock of the dispatcher held, so a
// poster on a real-time thread never waits for a handler that runs a session or a dialog.
class RunLoop;

class IAsyncDispatchHandler {
public:
    virtual ~IAsyncDispatchHandler() = default;
    virtual void OnAsyncTimer(long id) = 0;
    virtual void OnAsyncEvent(long event, long argument) = 0;
};

class IAsyncDispatch {
public:
    virtual ~IAsyncDispatch() = default;
    // Reserves the lowest free timer id (128 to 1151), stopped; false when all are taken.
    virtual bool CreateTimer(IAsyncDispatchHandler* handler, long* id) = 0;
    // ms <= 0 stops the timer; ms > 0 (re)starts it as an idle timer with that period. False for an
    // unknown id.
    virtual bool SetTimerPeriod(long id, long ms) = 0;
    // Stops and frees the id; false for an unknown id.
    virtual bool DestroyTimer(long id) = 0;
    // On the main thread with alwaysQueue false: calls handler->OnAsyncEvent at once. Otherwise
    // queues it for the main thread's loop.
    virtual void NotifyEvent(IAsyncDispatchHandler* handler, long event, long argument, bool alwaysQueue) = 0;
    // Any thread. Drops every event queued for handler, then, when one of handler's callbacks runs
    // on another thread, waits until it has returned (from inside that callback, or on its thread,
    // it returns at once). A receiver calls it in its destructor so that nothing reaches it freed;
    // its timers are ended with DestroyTimer.
    virtual void WithdrawEvents(IAsyncDispatchHandler* handler) = 0;
};

constexpr long kAsyncTimerFirstId = 128;
constexpr long kAsyncTimerCount = 1024;

// A dispatcher on the calling thread's RunLoop (or, on a thread without one, the plug-in's UI thread
// loop). Without any loop, queued events are never delivered.
IAsyncDispatch* AsyncDispatchCreate();
// A dispatcher on the given loop; its main thread is the loop's thread.
IAsyncDispatch* AsyncDispatchCreate(RunLoop* loop);
