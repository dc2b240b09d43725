#pragma once
// A joinable thread running the body of an IXThreadProc.
#include <pthread.h>

class IXThreadProc {
public:
    // The thread body; its result becomes the thread's exit value.
    virtual long ThreadProc() = 0;

protected:
    ~IXThreadProc() = default;
};

class XThread {
public:
    XThread() = default;
    // Joins a thread still held, so a body never outlives the object that started it.
    ~XThread() { Join(); }
    XThread(const XThread&) = delete;
    XThread& operator=(const XThread&) = delete;

    // Joins a previous thread (blocking until its body returned), then starts body->ThreadProc() on a
    // new thread. True when the thread was started.
    bool Run(IXThreadProc* body);
    // Waits for the thread to end and clears the handle; false when no thread was held.
    bool Join(long* exitValue = nullptr);
    bool IsRunning() const { return m_started; }

private:
    static void* Entry(void* body);

    pthread_t m_thread{};
    bool m_started = false;
};
