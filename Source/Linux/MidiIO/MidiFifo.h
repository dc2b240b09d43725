#pragma once
// A small lock-guarded ring of MIDI events for passing MIDI between threads. Never allocates after
// construction.
#include <atomic>
#include <cstdint>

#include "Linux/Sync.h"

struct tagMidiData {
    uint8_t status;
    uint8_t data1;
    uint8_t data2;
    uint32_t time;  // the user's: a sample offset, or 0
};
static_assert(sizeof(tagMidiData) == 8);

class CMidiFifo {
public:
    // n must be a power of two; any other size makes a ring that holds nothing (IsValid false).
    explicit CMidiFifo(int n);
    virtual ~CMidiFifo();
    CMidiFifo(const CMidiFifo&) = delete;
    CMidiFifo& operator=(const CMidiFifo&) = delete;

    bool IsValid() const { return m_entries != nullptr; }
    int Capacity() const { return m_capacity; }
    // Read once at the start of a drain to know how many entries to pop.
    int Count() const { return m_count.load(); }

    // False when the ring is full; the entry is dropped.
    bool Push(unsigned char status, unsigned char data1, unsigned char data2, unsigned int time);
    // False when the ring is empty; *entry is left unchanged. entry may be null.
    bool Pop(tagMidiData* entry);
    void Reset();

private:
    tagMidiData* m_entries = nullptr;
    int m_capacity = 0;
    int m_read = 0;
    int m_write = 0;
    std::atomic<int> m_count{0};
    CHfcCriticalSection m_lock;
};
