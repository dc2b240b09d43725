#include "Linux/MidiIO/MidiFifo.h"

#include <new>

CMidiFifo::CMidiFifo(int n) {
    // Indices wrap with & (n - 1), which is only right for a power of two.
    if (n > 0 && (n & (n - 1)) == 0) {
        m_entries = new (std::nothrow) tagMidiData[static_cast<unsigned>(n)]();
        if (m_entries) m_capacity = n;
    }
}

CMidiFifo::~CMidiFifo() {
    delete[] m_entries;
}

bool CMidiFifo::Push(unsigned char status, unsigned char data1, unsigned char data2, unsigned int time) {
    m_lock.Lock();
    const bool stored = m_count.load() < m_capacity;
    if (stored) {
        m_entries[m_write] = tagMidiData{status, data1, data2, time};
        m_write = (m_write + 1) & (m_capacity - 1);
        m_count.fetch_add(1);
    }
    m_lock.Unlock();
    return stored;
}

bool CMidiFifo::Pop(tagMidiData* entry) {
    m_lock.Lock();
    const bool taken = m_count.load() > 0;
    if (taken) {
        if (entry) *entry = m_entries[m_read];
        m_read = (m_read + 1) & (m_capacity - 1);
        m_count.fetch_sub(1);
    }
    m_lock.Unlock();
    return taken;
}

void CMidiFifo::Reset() {
    m_lock.Lock();
    m_read = 0;
    m_write = 0;
    m_count.store(0);
    m_lock.Unlock();
}
