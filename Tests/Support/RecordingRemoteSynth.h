#pragma once
// A remote synthesizer for page and window tests, without a link: every real section over a
// SectionSet (so parameter writes reach its RecordingLink as the bytes a real write sends), the
// real bank lists of its image, and a record of what the editor asked of it (modes, current sounds,
// auditions, MIDI). Observers are called on the calling thread, as the real object's dispatcher
// does on the main thread; Fire... calls stand for the instrument's own changes.
#include <string>
#include <vector>

#include "Common/Link/RemoteSynth.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Support/SectionSet.h"

namespace QorX0 {

class RecordingRemoteSynth : public IRemoteSynth {
public:
    explicit RecordingRemoteSynth(unsigned char pmid = kPmidTolva);
    ~RecordingRemoteSynth() override = default;

    SectionSet sections;
    // What the editor asked: "Mode 3", "Sound 0:5", "Audition 1", "EndAudition 1", "MIDI 90 3C 40".
    std::vector<std::string> calls;
    std::string Joined() const;
    std::vector<MIDIDevKey> inPorts, outPorts;
    EXTCTLSTATE extState{0, 0, 0};

    // The instrument's own changes, told to every observer.
    void FireModeChanged(unsigned char mode);
    void FireCurSoundChanged(const SOUNDINDEX& sound);
    void FireExtCtlStateChanged(const EXTCTLSTATE& state);
    void FireBankListChanged(int kind, const SOUNDINDEX& sound);
    void FireMIDIIn(const void* data, unsigned length);
    size_t SinkCount() const { return m_sinks.size(); }
    size_t MIDISinkCount() const { return m_midiSinks.size(); }

    bool AdviseSink(IRemoteSynthSink* sink) override;
    bool UnadviseSink(IRemoteSynthSink* sink) override;
    bool AdviseMIDISink(IRemoteSynthMIDISink* sink) override;
    bool UnadviseMIDISink(IRemoteSynthMIDISink* sink) override;
    bool SetRTMIDISink(IRTMIDISink*) override { return true; }
    bool Connect(bool, bool) override { return false; }
    void Disconnect() override {}
    bool GetConnectionState(MIDIDevKey*, MIDIDevKey*, DEVICEINQUIRYDATA*, MODEANDSTATE*,
                            bool* online) override {
        if (online) *online = false;
        return false;
    }
    unsigned char GetGlobalChannel() override { return 0; }
    EXTCTLSTATE GetExtCtlState() override { return extState; }
    unsigned char GetGMMapping() override { return 0; }
    bool LoadUIState(unsigned char, UISTATEDATA*) override { return false; }
    bool SaveUIState(unsigned char, const UISTATEDATA&) override { return false; }
    unsigned GetMasterVolume() override { return m_volume; }
    unsigned PutMasterVolume(unsigned volume) override;
    unsigned char GetMode() override { return sections.host.mode; }
    unsigned char PutMode(unsigned char mode) override;
    unsigned char GetVirtualMode() override { return sections.host.virtualMode; }
    unsigned char GetSoundMode() override { return sections.host.soundMode; }
    SOUNDINDEX GetCurSound() override { return m_sound; }
    SOUNDINDEX PutCurSound(const SOUNDINDEX& sound) override;
    bool BeginAudition(AUDCTX context) override;
    bool EndAudition(bool commit) override;
    bool GetAuditionState() override { return m_audition; }
    bool MIDIOut(const void* data, unsigned length) override;
    bool RTMIDIOut(long long, const void* data, unsigned length) override { return MIDIOut(data, length); }
    bool ExecCommand(int command, int item, int bank, int number, int flags) override;
    bool LoadStream(std::istream&, unsigned) override { return false; }
    bool SaveStream(std::ostream&, FTYPE, unsigned) override { return false; }
    bool LoadFile(const char*, unsigned) override { return false; }
    bool SaveFile(const char*, FTYPE, unsigned) override { return false; }
    IBankList* GetAllSounds(int kind) override;
    ISoundSection* GetEditBuffer(int kind) override;
    ISection* GetRealtimeControl() override { return &sections.rtc; }
    ISection* GetGlobal() override { return &sections.global; }
    IGlobalArraySection* GetDrumKits() override { return &sections.kits; }
    IGlobalArraySection* GetArpPatterns() override { return &sections.patterns; }
    IGlobalArraySection* GetExtControls() override { return &sections.exts; }
    ISection* GetSetup() override { return &sections.setup; }
    unsigned char GetCurTimbreMIDICh(int, int) override { return 0; }
    bool PutCurTimbreSound(int, int, int) override { return false; }
    bool PutCurTimbreSound(int, int, SOUNDINDEX&) override { return false; }
    const std::vector<MIDIDevKey>* GetMIDIInKeyDevArray() override { return &inPorts; }
    const std::vector<MIDIDevKey>* GetMIDIOutKeyDevArray() override { return &outPorts; }
    bool SetMIDIInPortName(const char*) override { return true; }
    bool SetMIDIOutPortName(const char*) override { return true; }

private:
    template <class F>
    void ForEachSink(F f) {
        const std::vector<IRemoteSynthSink*> sinks = m_sinks;  // a sink may unadvise itself
        for (IRemoteSynthSink* s : sinks) f(s);
    }
    std::vector<IRemoteSynthSink*> m_sinks;
    std::vector<IRemoteSynthMIDISink*> m_midiSinks;
    CBankListImpl m_programs, m_combis, m_multis;
    SOUNDINDEX m_sound{0, 0};
    unsigned m_volume = 16383;
    bool m_audition = false;
};

}  // namespace QorX0
