#pragma once
// A remote synthesizer that records what the plug-in asks of it, with modes, channels and streams
// set by the test. Sections and bank lists come from a real synthesizer object (no link traffic).
#include <atomic>
#include <cstring>
#include <functional>
#include <istream>
#include <iterator>
#include <stdexcept>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Common/Link/RemoteSynth.h"

class FakeRemoteSynth : public QorX0::IRemoteSynth {
public:
    struct Sent {
        long long time;
        unsigned char bytes[3];
        unsigned length;
    };
    struct SoundChange {
        int track;  // -1: the current sound
        int bank;   // -1: none
        int program;
        std::thread::id thread;
        size_t sentBefore;  // messages forwarded before this change ran
    };

    explicit FakeRemoteSynth(unsigned char model) : m_real(QorX0::RemoteSynthCreate(model)) {
        s_live.fetch_add(1);
        s_last = this;
    }
    ~FakeRemoteSynth() override {
        delete m_real;
        s_live.fetch_sub(1);
        if (s_last == this) s_last = nullptr;
    }

    static inline std::atomic<int> s_live{0};
    static inline FakeRemoteSynth* s_last = nullptr;

    // What the test sets.
    std::atomic<unsigned char> mode{2};
    std::atomic<unsigned char> soundMode{2};
    std::atomic<unsigned char> globalChannel{0};
    std::atomic<unsigned char> gmMapping{0};
    std::atomic<bool> localControl{true};
    QorX0::SOUNDINDEX curSound{1, 7};
    unsigned char timbreChannel[16] = {};
    bool throwOnConnect = false;
    std::string streamToSave;                 // what SaveStream writes; empty: it fails
    std::string loadPrefix = "OK";            // LoadStream accepts what begins so
    std::function<void()> onRealtimeControl;  // what the first GetRealtimeControl once armed runs
    std::atomic<bool> armRealtimeControl{false};

    // What the plug-in did.
    std::mutex lock;
    std::vector<Sent> sent;
    std::vector<SoundChange> changes;
    std::vector<QorX0::FTYPE> savedKinds;
    std::vector<std::string> loaded;
    int connects = 0;
    int disconnects = 0;
    bool connectedStandalone = false;
    QorX0::IRemoteSynthSink* sink = nullptr;
    QorX0::IRTMIDISink* rtSink = nullptr;

    std::vector<Sent> SentCopy() {
        std::lock_guard<std::mutex> l(lock);
        return sent;
    }

    bool AdviseSink(QorX0::IRemoteSynthSink* s) override {
        sink = s;
        return true;
    }
    bool UnadviseSink(QorX0::IRemoteSynthSink* s) override {
        if (sink != s) return false;
        sink = nullptr;
        return true;
    }
    bool AdviseMIDISink(QorX0::IRemoteSynthMIDISink*) override { return true; }
    bool UnadviseMIDISink(QorX0::IRemoteSynthMIDISink*) override { return true; }
    bool SetRTMIDISink(QorX0::IRTMIDISink* s) override {
        rtSink = s;
        return true;
    }
    bool Connect(bool standalone, bool) override {
        ++connects;
        connectedStandalone = standalone;
        if (throwOnConnect) throw std::runtime_error("no port");
        return false;
    }
    void Disconnect() override { ++disconnects; }
    bool GetConnectionState(MIDIDevKey*, MIDIDevKey*, QorX0::DEVICEINQUIRYDATA*, QorX0::MODEANDSTATE* state,
                            bool* online) override {
        if (state != nullptr) {
            *state = QorX0::MODEANDSTATE{};
            state->data[QorX0::MODEANDSTATE::FLAGS] =
                localControl ? QorX0::MODEANDSTATE::FLAG_LOCALCONTROL : 0;
        }
        if (online != nullptr) *online = true;
        return true;
    }
    unsigned char GetGlobalChannel() override { return globalChannel; }
    QorX0::EXTCTLSTATE GetExtCtlState() override { return {}; }
    unsigned char GetGMMapping() override { return gmMapping; }
    bool LoadUIState(unsigned char, QorX0::UISTATEDATA*) override { return false; }
    bool SaveUIState(unsigned char, const QorX0::UISTATEDATA&) override { return false; }
    unsigned GetMasterVolume() override { return 0x3FFF; }
    unsigned PutMasterVolume(unsigned v) override { return v; }
    unsigned char GetMode() override { return mode; }
    unsigned char PutMode(unsigned char m) override {
        mode = m;
        return m;
    }
    unsigned char GetVirtualMode() override { return mode; }
    unsigned char GetSoundMode() override { return soundMode; }
    QorX0::SOUNDINDEX GetCurSound() override {
        std::lock_guard<std::mutex> l(lock);
        return curSound;
    }
    QorX0::SOUNDINDEX PutCurSound(const QorX0::SOUNDINDEX& sound) override {
        std::lock_guard<std::mutex> l(lock);
        changes.push_back(SoundChange{-1, sound.bank, sound.number, std::this_thread::get_id(), sent.size()});
        curSound = sound;
        return sound;
    }
    bool BeginAudition(QorX0::AUDCTX) override { return false; }
    bool EndAudition(bool) override { return false; }
    bool GetAuditionState() override { return false; }
    bool MIDIOut(const void*, unsigned) override { return true; }
    bool RTMIDIOut(long long time, const void* data, unsigned length) override {
        Sent s{time, {}, length};
        std::memcpy(s.bytes, data, 3);
        std::lock_guard<std::mutex> l(lock);
        sent.push_back(s);
        return true;
    }
    bool ExecCommand(int, int, int, int, int) override { return false; }
    bool LoadStream(std::istream& is, unsigned) override {
        std::string bytes((std::istreambuf_iterator<char>(is)), std::istreambuf_iterator<char>());
        if (bytes.compare(0, loadPrefix.size(), loadPrefix) != 0) return false;
        loaded.push_back(bytes);
        return true;
    }
    bool SaveStream(std::ostream& os, QorX0::FTYPE kind, unsigned) override {
        savedKinds.push_back(kind);
        if (streamToSave.empty()) return false;
        os.write(streamToSave.data(), static_cast<std::streamsize>(streamToSave.size()));
        return true;
    }
    bool LoadFile(const char*, unsigned) override { return false; }
    bool SaveFile(const char*, QorX0::FTYPE, unsigned) override { return false; }
    QorX0::IBankList* GetAllSounds(int kind) override { return m_real->GetAllSounds(kind); }
    QorX0::ISoundSection* GetEditBuffer(int kind) override { return m_real->GetEditBuffer(kind); }
    QorX0::ISection* GetRealtimeControl() override {
        // Runs once, the first time the realtime controls are asked for after the test armed it.
        if (onRealtimeControl && armRealtimeControl.exchange(false)) onRealtimeControl();
        return m_real->GetRealtimeControl();
    }
    QorX0::ISection* GetGlobal() override { return m_real->GetGlobal(); }
    QorX0::IGlobalArraySection* GetDrumKits() override { return m_real->GetDrumKits(); }
    QorX0::IGlobalArraySection* GetArpPatterns() override { return m_real->GetArpPatterns(); }
    QorX0::IGlobalArraySection* GetExtControls() override { return m_real->GetExtControls(); }
    QorX0::ISection* GetSetup() override { return m_real->GetSetup(); }
    unsigned char GetCurTimbreMIDICh(int, int track) override { return timbreChannel[track & 15]; }
    bool PutCurTimbreSound(int, int track, int value) override {
        std::lock_guard<std::mutex> l(lock);
        changes.push_back(SoundChange{track, -1, value, std::this_thread::get_id(), sent.size()});
        return true;
    }
    bool PutCurTimbreSound(int, int track, QorX0::SOUNDINDEX& sound) override {
        std::lock_guard<std::mutex> l(lock);
        changes.push_back(
            SoundChange{track, sound.bank, sound.number, std::this_thread::get_id(), sent.size()});
        return true;
    }
    const std::vector<MIDIDevKey>* GetMIDIInKeyDevArray() override { return nullptr; }
    const std::vector<MIDIDevKey>* GetMIDIOutKeyDevArray() override { return nullptr; }
    bool SetMIDIInPortName(const char*) override { return true; }
    bool SetMIDIOutPortName(const char*) override { return true; }

private:
    QorX0::IRemoteSynth* m_real;
};
