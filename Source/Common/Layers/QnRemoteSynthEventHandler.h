#pragma once
// The queue through which every editor layer observes the remote synthesizer and the parameter
// sections. The sink callbacks only append a record; the owning layer drains the queue on the main
// thread from its idle tick, and each record is replayed as one of the OnIdle... operations below.
//
// Merging: a run of current-sound records (kind 4) collapses into its last record; a run of
// section-reinitialised records (kind 8) collapses per section, one replay per distinct section in
// the order of each section's last record. A queue that is not drained (a hidden page) stays
// bounded: above kHighWater, a property or parameter record equal to one still queued is dropped and
// a current-sound or reinitialised record replaces its queued twin. Nothing is lost by this, as every
// replay reads the current values. One drain replays at most kMaxReplaysPerDrain records; records
// posted by the replays themselves are replayed in the same drain up to that cap.
//
// Lock order: a section's observer lock, then this queue's lock. The queue's lock is never held
// while a replay runs.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <unordered_map>

#include "Common/Link/RemoteSynth.h"
#include "Common/Model/Sections.h"
#include "Linux/Sync.h"

class QnRemoteSynthEventHandler : public QorX0::IRemoteSynthSink, public QorX0::ISectionSink {
public:
    enum : int {
        kEventConnectionState = 0,
        kEventExtCtlState = 1,
        kEventMasterVolume = 2,
        kEventMode = 3,
        kEventCurSound = 4,
        kEventBankList = 5,
        kEventAuditionState = 6,
        kEventMIDIBroken = 7,
        kEventSectionReinitialized = 8,
        kEventSectionParamProps = 9,
        kEventSectionParamChanged = 10,
    };
    // Queue length from which duplicates are dropped or replaced.
    static constexpr size_t kHighWater = 1024;
    // Records one ProcessEventQueue call replays at most; the rest waits for the next call.
    static constexpr size_t kMaxReplaysPerDrain = 10000;

    // One queued notification: the kind, the object of the callback (pointer-sized) and three values.
    struct EventInfo {
        int kind;
        intptr_t a1;
        int a2;
        int a3;
        int a4;
    };

    // Remote synthesizer observer.
    void OnRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth* synth, bool connected,
                                             bool online) override;
    void OnRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth* synth,
                                         const QorX0::EXTCTLSTATE& state) override;
    void OnRemoteSynthMasterVolumeChanged(QorX0::IRemoteSynth* synth, unsigned volume) override;
    void OnRemoteSynthModeChanged(QorX0::IRemoteSynth* synth, int mode) override;
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth* synth, const QorX0::SOUNDINDEX& sound) override;
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth* synth, int kind,
                                      const QorX0::SOUNDINDEX& sound) override;
    void OnRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth* synth, bool running) override;
    virtual void OnRemoteSynthMIDIBroken(QorX0::IRemoteSynth* synth);

    // Section observer.
    void OnSectionReinitialized(QorX0::ISection* section) override;
    void OnSectionParamPropsChanged(QorX0::ISection* section, int pid) override;
    void OnSectionParamChanged(QorX0::ISection* section, int pid) override;

    // Replay targets, empty here.
    virtual void OnIdleRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) {}
    virtual void OnIdleRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth*, const QorX0::EXTCTLSTATE&) {}
    virtual void OnIdleRemoteSynthMasterVolumeChanged(QorX0::IRemoteSynth*, unsigned) {}
    virtual void OnIdleRemoteSynthModeChanged(QorX0::IRemoteSynth*, int) {}
    virtual void OnIdleRemoteSynthCurSoundChanged(QorX0::IRemoteSynth*, const QorX0::SOUNDINDEX&) {}
    virtual void OnIdleRemoteSynthBankListChanged(QorX0::IRemoteSynth*, int, const QorX0::SOUNDINDEX&) {}
    virtual void OnIdleRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth*, bool) {}
    virtual void OnIdleRemoteSynthMIDIBroken(QorX0::IRemoteSynth*) {}
    virtual void OnIdleSectionReinitialized(QorX0::ISection*) {}
    virtual void OnIdleSectionParamPropsChanged(QorX0::ISection*, int) {}
    virtual void OnIdleSectionParamChanged(QorX0::ISection*, int) {}

    // Calls the replay target of the record's kind; unknown kinds are ignored.
    virtual void ProcessEvent(const EventInfo& event);

    void PostEvent(int kind, intptr_t a1, int a2, int a3, int a4);
    // Main thread only. Returns the number of records replayed.
    size_t ProcessEventQueue();
    size_t GetQueuedEventCount();

protected:
    QnRemoteSynthEventHandler() = default;
    ~QnRemoteSynthEventHandler() = default;

private:
    struct Key {
        int kind;
        intptr_t a1;
        int a2;
        bool operator==(const Key& o) const { return kind == o.kind && a1 == o.a1 && a2 == o.a2; }
    };
    struct KeyHash {
        size_t operator()(const Key& k) const {
            return std::hash<intptr_t>()(k.a1) * 31u + static_cast<size_t>(k.kind) * 1000003u +
                   static_cast<size_t>(static_cast<unsigned>(k.a2));
        }
    };
    // The identity under which a record may be coalesced above the high-water mark.
    static Key KeyOf(const EventInfo& e);
    static bool Coalesces(int kind);
    void PushLocked(const EventInfo& e);
    EventInfo PopLocked();

    CHfcCriticalSection m_lock;
    std::deque<EventInfo> m_queue;
    std::unordered_map<Key, unsigned, KeyHash> m_queuedKeys;  // coalescible records now queued
};
