#include "Linux/XThread.h"

#include <cstdint>

void* XThread::Entry(void* body) {
    const long result = static_cast<IXThreadProc*>(body)->ThreadProc();
    return reinterpret_cast<void*>(static_cast<intptr_t>(result));
}

bool XThread::Run(IXThreadProc* body) {
    Join();
    if (body == nullptr) return false;
    m_started = pthread_create(&m_thread, nullptr, &XThread::Entry, body) == 0;
    return m_started;
}

bool XThread::Join(long* exitValue) {
    if (!m_started) return false;
    void* result = nullptr;
    pthread_join(m_thread, &result);
    m_started = false;
    if (exitValue != nullptr) *exitValue = static_cast<long>(reinterpret_cast<intptr_t>(result));
    return true;
}
