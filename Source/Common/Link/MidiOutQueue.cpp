#include "Common/Link/MidiOutQueue.h"

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
// Now on the clock of the queued times: the tick times 1000.
long long TickMicroseconds() {
    return static_cast<long long>(static_cast<uint64_t>(GetSysTick()) * 1000u);
}
}  // namespace

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
    m_running.store(false);
    m_wake.Set();
    m_thread.Join();
    m_portMutex.Lock();
    if (m_port) m_port->Close();
    m_portMutex.Unlock();
    m_queue.decommit();
}

QNRESULT CMIDIOut::SendShort(long long time, const void* data, unsigned length) {
    if (!m_running.load() || !data || length == 0 || length > kMaxShortLength) return QN_FAIL;
    EventQueue::Event event{time, {0, 0, 0, 0}, length};
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
    // before the message arrives before it (never inside it: later blocks do not drain).
    EventQueue::Event event;
    if (length > 0 && static_cast<const uint8_t*>(data)[0] == 0xF0)
        while (m_queue.pop(&event, TickMicroseconds())) m_port->SendShort(event.data, event.length);
    const bool ok = m_port->SendLong(data, length, ExclusiveTimeoutMs(length));
    m_portMutex.Unlock();
    m_wake.Set();
    return ok ? QS_OK : QN_FAIL;
}

bool CMIDIOut::ClearPendings() {
    if (!m_running.load()) return false;
    m_queue.clear();
    m_wake.Set();
    return true;
}

long CMIDIOut::ThreadProc() {
    unsigned wait = XEvent::INFINITE_WAIT;
    while (m_running.load()) {
        if (wait != 0) m_wake.Wait(wait);
        if (!m_running.load()) break;
        long long next = 0;
        if (!m_queue.peeknext(&next)) {
            wait = XEvent::INFINITE_WAIT;
            continue;
        }
        const int due = static_cast<int>((next - TickMicroseconds()) / 1000);
        if (due > 0) {
            wait = static_cast<unsigned>(due);
            continue;
        }
        m_portMutex.Lock();
        EventQueue::Event event;
        // Only a message that is still due: while this thread waited for the port (an exclusive block
        // on its way out), the queue may have been cleared and refilled with later messages.
        // A failed short send is not reported; the next message goes on.
        if (m_queue.pop(&event, TickMicroseconds() + 999)) m_port->SendShort(event.data, event.length);
        m_portMutex.Unlock();
        wait = 0;
    }
    return 0;
}

}  // namespace QorX0
