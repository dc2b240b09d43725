#include "Common/Editor/CommandQueue.h"

#include <algorithm>

namespace {
class QueueLock {
public:
    explicit QueueLock(CHfcCriticalSection& lock) : m_lock(lock) { m_lock.Lock(); }
    ~QueueLock() { m_lock.Unlock(); }
    QueueLock(const QueueLock&) = delete;
    QueueLock& operator=(const QueueLock&) = delete;

private:
    CHfcCriticalSection& m_lock;
};
}  // namespace

void QnCommandQueue::Post(const QnCommand& command) {
    QueueLock lock(m_lock);
    m_commands.push_back(command);
}

bool QnCommandQueue::Peek(QnCommand& out) {
    QueueLock lock(m_lock);
    if (m_commands.empty()) return false;
    out = m_commands.front();
    m_commands.pop_front();
    return true;
}

void QnCommandQueue::DropBrowserRequests() {
    QueueLock lock(m_lock);
    m_commands.remove_if([](const QnCommand& c) {
        return c.kind == QnCommand::kOpenRedBrowser || c.kind == QnCommand::kOpenWriteBrowser;
    });
}

int QnCommandQueue::Count() const {
    QueueLock lock(m_lock);
    return static_cast<int>(m_commands.size());
}
