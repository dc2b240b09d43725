#include "Common/Link/MidiOutQueue.h"

#include <time.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <new>

#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace QorX0 {

// ---- EventQueue

bool EventQueue::commit(unsigned capacity) {
    m_lock.Lock();
    delete[] m_events;
    m_events = capacity ? new (std::nothrow) Event[capacity]() : nullptr;
    m_capacity = m_events ? capacity : 0;
    m_count = m_write = m_read = 0;
    const bool ok = m_events != nullptr;
    m_lock.Unlock();
    return ok;
}

void EventQueue::decommit() {
    m_lock.Lock();
    delete[] m_events;
    m_events = nullptr;
    m_capacity = m_count = m_write = m_read = 0;
    m_lock.Unlock();
}

bool EventQueue::clear() {
    m_lock.Lock();
    m_count = m_write = m_read = 0;
    m_lock.Unlock();
    return true;
}

bool EventQueue::isfull() {
    m_lock.Lock();
    const bool full = m_count >= m_capacity;
    m_lock.Unlock();
    return full;
}

unsigned EventQueue::size() {
    m_lock.Lock();
    const unsigned n = m_count;
    m_lock.Unlock();
    return n;
}

unsigned EventQueue::capacity() {
    m_lock.Lock();
    const unsigned n = m_capacity;
    m_lock.Unlock();
    return n;
}

bool EventQueue::push(const Event& event) {
    m_lock.Lock();
    if (m_count >= m_capacity) {
        m_lock.Unlock();
        return false;
    }
    // Backward scan from the newest event: cheap for events that arrive in time order.
    unsigned at = m_count;  // position in queue order, 0 = oldest
    while (at > 0 && m_events[(m_read + at - 1) % m_capacity].time > event.time) --at;
    for (unsigned i = m_count; i > at; --i)
        m_events[(m_read + i) % m_capacity] = m_events[(m_read + i - 1) % m_capacity];
    m_events[(m_read + at) % m_capacity] = event;
    m_write = (m_write + 1) % m_capacity;
    ++m_count;
    m_lock.Unlock();
    return true;
}

bool EventQueue::pop(Event* event) {
    return pop(event, LLONG_MAX);
}

bool EventQueue::pop(Event* event, long long notAfter) {
    m_lock.Lock();
    if (m_count == 0 || m_events[m_read].time > notAfter) {
        m_lock.Unlock();
        return false;
    }
    if (event) *event = m_events[m_read];
    m_read = (m_read + 1) % m_capacity;
    --m_count;
    m_lock.Unlock();
    return true;
}

bool EventQueue::peeknext(long long* time) {
    m_lock.Lock();
    const bool any = m_count > 0;
    if (any && time) *time = m_events[m_read].time;
    m_lock.Unlock();
    return any;
}

// ---- CMIDIOut

namespace {
// The period of the caller's clock: the 32-bit millisecond tick, in microseconds.
constexpr long long kTickPeriodUs = (1LL << 32) * 1000;
// The longest single wait of the sender; a wake-up (new message, clear, close) ends it sooner.
constexpr long long kMaxWaitMs = 60000;

// Sleeps until a monotonic time in microseconds, at most two milliseconds away.
void SleepUntil(long long monotonicUs) {
    timespec until{};
    until.tv_sec = static_cast<time_t>(monotonicUs / 1000000);
    until.tv_nsec = static_cast<long>(monotonicUs % 1000000) * 1000;
    while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &until, nullptr) == EINTR) {
    }
}
}  // namespace

long long CMIDIOut::MonotonicTime(long long tickTimeUs, uint64_t nowUs) {
    const long long now = static_cast<long long>(nowUs);
    long long ahead = (tickTimeUs % kTickPeriodUs - now % kTickPeriodUs) % kTickPeriodUs;
    if (ahead >= kTickPeriodUs / 2) ahead -= kTickPeriodUs;
    if (ahead < -kTickPeriodUs / 2) ahead += kTickPeriodUs;
    return now + ahead;
}

// The event and the mutex live as long as the object: producers and the session worker may touch
// them while another thread closes the output.
CMIDIOut::CMIDIOut() : m_port(MIDIOutCreate()) {
    m_wake.Create();
    m_portMutex.Create();
}

CMIDIOut::~CMIDIOut() {
    Close();
    delete m_port;
    m_thread.Join();
}

bool CMIDIOut::Open(const MIDIDevKey* key, int a, int b, unsigned capacity) {
    Close();
    if (!m_port || !m_port->Open(key, a, b)) return false;
    if (!m_queue.commit(capacity)) {
        m_port->Close();
        return false;
    }
    m_wake.Reset();
    m_running.store(true);
    if (!m_thread.Run(this)) {
        m_running.store(false);
        m_port->Close();
        m_queue.decommit();
        return false;
    }
    return true;
}

void CMIDIOut::Close() {
    const bool wasRunning = m_running.exchange(false);
    m_wake.Set();
    m_thread.Join();
    m_portMutex.Lock();
    // What was due already goes out before the port closes: a message sent for now just before a
    // close (the local-control switch of a disconnect) is never lost.
    if (wasRunning && m_port) SendDue();
    if (m_port) m_port->Close();
    m_portMutex.Unlock();
    m_queue.decommit();
}

QNRESULT CMIDIOut::SendShort(long long time, const void* data, unsigned length) {
    if (!m_running.load() || !data || length == 0 || length > kMaxShortLength) return QN_FAIL;
    EventQueue::Event event{MonotonicTime(time, MonotonicMicroseconds()), {0, 0, 0, 0}, length};
    std::memcpy(event.data, data, length);
    // Exactly one complete message: a status that begins a short message (never an exclusive start or
    // end, nor an undefined status), then its own number of data bytes. Anything else could leave an
    // exclusive message open on the wire or be read as running status.
    if (MidiShortLength(event.data[0]) != length) return QN_FAIL;
    // Data bytes with bit 7 set would be read as status bytes by the instrument.
    for (unsigned i = 1; i < length; ++i)
        if (event.data[i] & 0x80) return QN_FAIL;
    if (m_queue.isfull() || !m_queue.push(event)) {
        if (!m_running.load()) return QN_FAIL;
        TRACE("CMIDIOut: queue limit\n");
        return QN_QUEUEFULL;
    }
    m_wake.Set();
    return QS_OK;
}

QNRESULT CMIDIOut::SendLong(const void* data, unsigned length) {
    if (!m_running.load() || !m_port) return QN_FAIL;
    m_portMutex.Lock();
    // At the start of an exclusive message, short messages already due go first: what was sent
    // before the message arrives before it (never inside it: later blocks do not drain). Only what
    // was due when the message came: host MIDI that keeps arriving must not hold it back for ever.
    if (length > 0 && static_cast<const uint8_t*>(data)[0] == 0xF0) SendDue();
    const bool ok = m_port->SendLong(data, length, ExclusiveTimeoutMs(length));
    m_portMutex.Unlock();
    m_wake.Set();
    return ok ? QS_OK : QN_FAIL;
}

void CMIDIOut::SendDue() {
    const long long due = static_cast<long long>(MonotonicMicroseconds());
    EventQueue::Event event;
    for (unsigned left = m_queue.size(); left > 0 && m_queue.pop(&event, due); --left)
        m_port->SendShort(event.data, event.length);
}

bool CMIDIOut::ClearPendings() {
    if (!m_running.load()) return false;
    m_queue.clear();
    m_wake.Set();
    return true;
}

// Times are compared in microseconds, so nothing leaves before its time. The wait counts whole
// milliseconds while two or more are left (a new message, a clear or Close wakes it); the rest, under
// two milliseconds, is slept precisely. Every pass either sends or waits.
long CMIDIOut::ThreadProc() {
    while (m_running.load()) {
        long long next = 0;
        if (!m_queue.peeknext(&next)) {
            m_wake.Wait(XEvent::INFINITE_WAIT);
            continue;
        }
        const long long ahead = next - static_cast<long long>(MonotonicMicroseconds());
        if (ahead >= 2000) {
            // One millisecond short: a timed wait may wake late, the precise sleep below does not.
            m_wake.Wait(static_cast<unsigned>(std::min(ahead / 1000 - 1, kMaxWaitMs)));
            continue;
        }
        if (ahead > 0) {
            SleepUntil(next);
            continue;
        }
        m_portMutex.Lock();
        EventQueue::Event event;
        // Only a message that is still due: while this thread waited for the port (an exclusive block
        // on its way out), the queue may have been cleared and refilled with later messages.
        // A failed short send is not reported; the next message goes on.
        if (m_queue.pop(&event, static_cast<long long>(MonotonicMicroseconds())))
            m_port->SendShort(event.data, event.length);
        m_portMutex.Unlock();
    }
    return 0;
}

}  // namespace QorX0
