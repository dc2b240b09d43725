#include "Linux/MidiIO/MidiBackend.h"

#include <time.h>

#include <algorithm>

uint64_t MidiReceiveTimeNs() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000u + static_cast<uint64_t>(ts.tv_nsec);
}

void MidiSetupListeners::Add(IMidiSetupListener* listener) {
    pthread_mutex_lock(&m_lock);
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
    pthread_mutex_unlock(&m_lock);
}

void MidiSetupListeners::Remove(IMidiSetupListener* listener) {
    pthread_mutex_lock(&m_lock);
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
    pthread_mutex_unlock(&m_lock);
}

void MidiSetupListeners::Notify() {
    pthread_mutex_lock(&m_lock);
    for (IMidiSetupListener* l : m_listeners) l->OnMidiSetupChanged();
    pthread_mutex_unlock(&m_lock);
}
