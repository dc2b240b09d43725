#pragma once
// The queue through which every editor layer observes the remote synthesizer and the parameter
// sections. The sink callbacks only append a record; the owning layer drains the queue on the main
// thread from its idle tick, and each record is replayed as one of the OnIdle... operations below.
//
// Merging: a run of current-sound records (kind 4) collapses into its last record; a run of
// section-reinitialised records (kind 8) collapses per section, one replay per distinct section in
// the order of each section's last record; a bank-list record (kind 5) replaces the one of its list
// still queued, as every replay of it resynchronises the whole page. A queue that is not drained (a
// hidden page) stays bounded for every kind: past kHighWater the queue falls back to resynchronising
// the page, keeping the newest record of each remote-synthesizer kind (of each list for bank lists)
// and one reinitialisation of each section its section records named, in the order of their last
// records; later posts fold in the same way until the queue is drained. Nothing is lost by this, as
// every replay reads the current values. One drain replays at most kMaxReplaysPerDrain records;
// records posted by the replays themselves are replayed in the same drain up to that cap.
//
// Lock order: a section's observer lock, then this queue's lock. The queue's lock is never held
// while a replay runs.
#include <cstddef>
#include <cstdint>
#include <deque>

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
    // Queue length past which the queue falls back to resynchronising the page.
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
    // Whether a newer record makes an older one needless where records merge: bank lists by list,
    // reinitialisations by section, every other kind by kind (bank lists always, the others once the
    // queue has fallen back).
    static bool StandsForTheSame(const EventInfo& a, const EventInfo& b);
    // Appends a record to a queue that has fallen back: section records as a reinitialisation of
    // their section, each replacing the record it stands for the same thing as.
    void FoldLocked(EventInfo e);

    CHfcCriticalSection m_lock;
    std::deque<EventInfo> m_queue;
    bool m_fallenBack = false;  // past the high-water mark since the last complete drain
};
