#include "Common/Layers/QnRemoteSynthEventHandler.h"

#include <algorithm>
#include <vector>

#include "Linux/Trace.h"

using namespace QorX0;

namespace {

intptr_t Ptr(const void* p) {
    return reinterpret_cast<intptr_t>(p);
}

struct QueueLock {
    explicit QueueLock(CHfcCriticalSection& l) : lock(l) { lock.Lock(); }
    ~QueueLock() { lock.Unlock(); }
    QueueLock(const QueueLock&) = delete;
    QueueLock& operator=(const QueueLock&) = delete;
    CHfcCriticalSection& lock;
};

}  // namespace

void QnRemoteSynthEventHandler::OnRemoteSynthConnectionStateChanged(IRemoteSynth* synth, bool connected,
                                                                    bool online) {
    PostEvent(kEventConnectionState, Ptr(synth), connected ? 1 : 0, online ? 1 : 0, 0);
}

void QnRemoteSynthEventHandler::OnRemoteSynthExtCtlStateChanged(IRemoteSynth* synth,
                                                                const EXTCTLSTATE& state) {
    // All three bytes travel: the third tells whether the tempo follows an external clock.
    PostEvent(kEventExtCtlState, Ptr(synth), state.enabled, state.value, state.state);
}

void QnRemoteSynthEventHandler::OnRemoteSynthMasterVolumeChanged(IRemoteSynth* synth, unsigned volume) {
    PostEvent(kEventMasterVolume, Ptr(synth), static_cast<int>(volume), 0, 0);
}

void QnRemoteSynthEventHandler::OnRemoteSynthModeChanged(IRemoteSynth* synth, int mode) {
    PostEvent(kEventMode, Ptr(synth), mode, 0, 0);
}

void QnRemoteSynthEventHandler::OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) {
    PostEvent(kEventCurSound, Ptr(synth), sound.bank, sound.number, 0);
}

void QnRemoteSynthEventHandler::OnRemoteSynthBankListChanged(IRemoteSynth* synth, int kind,
                                                             const SOUNDINDEX& sound) {
    PostEvent(kEventBankList, Ptr(synth), kind, sound.bank, sound.number);
}

void QnRemoteSynthEventHandler::OnRemoteSynthAuditionStateChanged(IRemoteSynth* synth, bool running) {
    PostEvent(kEventAuditionState, Ptr(synth), running ? 1 : 0, 0, 0);
}

void QnRemoteSynthEventHandler::OnRemoteSynthMIDIBroken(IRemoteSynth* synth) {
    PostEvent(kEventMIDIBroken, Ptr(synth), 0, 0, 0);
}

void QnRemoteSynthEventHandler::OnSectionReinitialized(ISection* section) {
    PostEvent(kEventSectionReinitialized, Ptr(section), 0, 0, 0);
}

void QnRemoteSynthEventHandler::OnSectionParamPropsChanged(ISection* section, int pid) {
    PostEvent(kEventSectionParamProps, Ptr(section), pid, 0, 0);
}

void QnRemoteSynthEventHandler::OnSectionParamChanged(ISection* section, int pid) {
    PostEvent(kEventSectionParamChanged, Ptr(section), pid, 0, 0);
}

bool QnRemoteSynthEventHandler::StandsForTheSame(const EventInfo& a, const EventInfo& b) {
    if (a.kind != b.kind) return false;
    switch (a.kind) {
        case kEventSectionReinitialized:
            return a.a1 == b.a1;
        case kEventBankList:
            return a.a2 == b.a2;
        default:
            return true;
    }
}

void QnRemoteSynthEventHandler::FoldLocked(EventInfo e) {
    if (e.kind == kEventSectionParamProps || e.kind == kEventSectionParamChanged)
        e = EventInfo{kEventSectionReinitialized, e.a1, 0, 0, 0};  // the whole section is read again
    const auto twin = std::find_if(m_queue.begin(), m_queue.end(),
                                   [&](const EventInfo& q) { return StandsForTheSame(q, e); });
    if (twin != m_queue.end()) m_queue.erase(twin);
    m_queue.push_back(e);
}

void QnRemoteSynthEventHandler::PostEvent(int kind, intptr_t a1, int a2, int a3, int a4) {
    const EventInfo e{kind, a1, a2, a3, a4};
    QueueLock hold(m_lock);
    if (m_fallenBack) {
        FoldLocked(e);
        return;
    }
    if (kind == kEventBankList) {
        const auto twin = std::find_if(m_queue.begin(), m_queue.end(),
                                       [&](const EventInfo& q) { return StandsForTheSame(q, e); });
        if (twin != m_queue.end()) m_queue.erase(twin);
    }
    m_queue.push_back(e);
    if (m_queue.size() <= kHighWater) return;
    TRACE("QnRemoteSynthEventHandler: %zu records queued, the page will be resynchronised\n", m_queue.size());
    m_fallenBack = true;
    std::deque<EventInfo> queued;
    queued.swap(m_queue);
    for (const EventInfo& q : queued) FoldLocked(q);
}

size_t QnRemoteSynthEventHandler::GetQueuedEventCount() {
    QueueLock hold(m_lock);
    return m_queue.size();
}

size_t QnRemoteSynthEventHandler::ProcessEventQueue() {
    size_t replayed = 0;
    std::vector<EventInfo> batch;
    const auto pop = [this] {
        const EventInfo e = m_queue.front();
        m_queue.pop_front();
        return e;
    };
    for (;;) {
        batch.clear();
        {
            QueueLock hold(m_lock);
            if (m_queue.empty()) {
                m_fallenBack = false;
                return replayed;
            }
            if (replayed >= kMaxReplaysPerDrain) {
                TRACE("QnRemoteSynthEventHandler: %zu records replayed, %zu left for the next tick\n",
                      replayed, m_queue.size());
                return replayed;
            }
            EventInfo held = pop();
            if (held.kind == kEventCurSound) {
                while (!m_queue.empty() && m_queue.front().kind == kEventCurSound) held = pop();
                batch.push_back(held);
            } else if (held.kind == kEventSectionReinitialized) {
                // One replay per section, in the order of each section's last record in the run.
                batch.push_back(held);
                while (!m_queue.empty() && m_queue.front().kind == kEventSectionReinitialized) {
                    const EventInfo next = pop();
                    batch.erase(std::remove_if(batch.begin(), batch.end(),
                                               [&](const EventInfo& b) { return b.a1 == next.a1; }),
                                batch.end());
                    batch.push_back(next);
                }
            } else {
                batch.push_back(held);
            }
        }
        for (const EventInfo& e : batch) {
            ProcessEvent(e);
            ++replayed;
        }
    }
}

void QnRemoteSynthEventHandler::ProcessEvent(const EventInfo& e) {
    auto* synth = reinterpret_cast<IRemoteSynth*>(e.a1);
    auto* section = reinterpret_cast<ISection*>(e.a1);
    switch (e.kind) {
        case kEventConnectionState:
            OnIdleRemoteSynthConnectionStateChanged(synth, e.a2 != 0, e.a3 != 0);
            break;
        case kEventExtCtlState: {
            const EXTCTLSTATE state{static_cast<uint8_t>(e.a2 != 0), static_cast<uint8_t>(e.a3),
                                    static_cast<uint8_t>(e.a4)};
            OnIdleRemoteSynthExtCtlStateChanged(synth, state);
            break;
        }
        case kEventMasterVolume:
            OnIdleRemoteSynthMasterVolumeChanged(synth, static_cast<unsigned>(e.a2));
            break;
        case kEventMode:
            OnIdleRemoteSynthModeChanged(synth, e.a2);
            break;
        case kEventCurSound: {
            const SOUNDINDEX index{static_cast<uint8_t>(e.a2), static_cast<uint8_t>(e.a3)};
            OnIdleRemoteSynthCurSoundChanged(synth, index);
            break;
        }
        case kEventBankList: {
            const SOUNDINDEX index{static_cast<uint8_t>(e.a3), static_cast<uint8_t>(e.a4)};
            OnIdleRemoteSynthBankListChanged(synth, e.a2, index);
            break;
        }
        case kEventAuditionState:
            OnIdleRemoteSynthAuditionStateChanged(synth, e.a2 != 0);
            break;
        case kEventMIDIBroken:
            OnIdleRemoteSynthMIDIBroken(synth);
            break;
        case kEventSectionReinitialized:
            OnIdleSectionReinitialized(section);
            break;
        case kEventSectionParamProps:
            OnIdleSectionParamPropsChanged(section, e.a2);
            break;
        case kEventSectionParamChanged:
            OnIdleSectionParamChanged(section, e.a2);
            break;
        default:
            break;
    }
}
