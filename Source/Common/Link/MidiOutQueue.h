#pragma once
// The link's output port: short messages are queued with their time and sent by the output's own
// thread when due, in time order; exclusive messages go straight out. Both send under one recursive
// port mutex, so a short message never lands inside an exclusive block.
#include <atomic>
#include <cstdint>

#include "Common/QnResult.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/Sync.h"
#include "Linux/XThread.h"

namespace QorX0 {

// A ring of timed short messages, kept in time order; equal times keep their push order.
class EventQueue {
public:
    struct Event {
        long long time;  // microseconds (CMIDIOut keeps them on the monotonic clock, never wrapping)
        uint8_t data[4];
        uint32_t length;  // 1 to 4
    };
    static_assert(sizeof(Event) == 16);

    EventQueue() = default;
    ~EventQueue() { decommit(); }
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    bool commit(unsigned capacity);
    void decommit();
    bool clear();
    bool isfull();
    bool push(const Event& event);
    bool pop(Event* event);
    // The same, but only when the oldest event's time is notAfter or earlier.
    bool pop(Event* event, long long notAfter);
    bool peeknext(long long* time);
    unsigned size();
    unsigned capacity();

private:
    CHfcCriticalSection m_lock;
    Event* m_events = nullptr;
    unsigned m_capacity = 0;
    unsigned m_count = 0;
    unsigned m_write = 0;
    unsigned m_read = 0;
};

class CMIDIOut : private IXThreadProc {
public:
    static constexpr unsigned kMaxShortLength = 4;

    CMIDIOut();
    ~CMIDIOut();
    CMIDIOut(const CMIDIOut&) = delete;
    CMIDIOut& operator=(const CMIDIOut&) = delete;

    // Opens the port on key (a and b go to the port), makes a queue of capacity events and starts
    // the sender thread.
    bool Open(const MIDIDevKey* key, int a, int b, unsigned capacity);
    void Close();
    bool IsRunning() const { return m_running.load(); }

    // Queues a short message for its time. QN_FAIL when closed or when the bytes are not exactly one
    // complete short message (a status whose MidiShortLength is above 0, then that many bytes in all,
    // 7-bit data); QN_QUEUEFULL when the queue is full.
    QNRESULT SendShort(long long time, const void* data, unsigned length);
    // Sends exclusive bytes now; the caller holds the port mutex. QN_FAIL when closed, on failure,
    // or when the port has not taken the bytes within ExclusiveTimeoutMs(length).
    QNRESULT SendLong(const void* data, unsigned length);
    // Drops every queued message not yet sent; false when closed.
    bool ClearPendings();

    // The port mutex (recursive), for the session worker's exclusive blocks.
    XMutex& PortMutex() { return m_portMutex; }

    // Where a caller's time (microseconds on the GetSysTick() * 1000 clock, which wraps with the
    // tick) lies on the monotonic microsecond clock, given that clock's now: the nearer way round the
    // tick's wrap, so a time given just before the wrap and one just after keep their order and
    // distance.
    static long long MonotonicTime(long long tickTimeUs, uint64_t nowUs);

    // How long an exclusive send may take before it counts as failed: far more than the bytes need
    // on the slowest wire (about 3 bytes a millisecond), so only a port that has stopped trips it.
    static constexpr unsigned ExclusiveTimeoutMs(unsigned length) { return 2000 + length / 3; }

private:
    // Sends the short messages due by now, in order, and only as many as were queued when it began;
    // the caller holds the port mutex.
    void SendDue();

    long ThreadProc() override;

    IMIDIOut* m_port;
    EventQueue m_queue;
    XMutex m_portMutex;
    XEvent m_wake;
    XThread m_thread;
    std::atomic<bool> m_running{false};
};

}  // namespace QorX0
