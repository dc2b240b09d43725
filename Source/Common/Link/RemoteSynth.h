#pragma once
// The remote synthesizer as the plug-in, the editor and its pages see it: the one object that owns
// the image of the instrument's memory, its sections and bank lists, and the link to the
// instrument. Every call is made on the main thread (the thread whose loop runs the object's
// dispatcher), except RTMIDIOut, which the host's audio thread calls. Observers are called on the
// main thread only, in the order they were added.
#include <cstdint>
#include <istream>
#include <ostream>
#include <vector>

#include "Common/Files/PersistParams.h"
#include "Common/Link/SysexMessages.h"
#include "Common/Model/Sections.h"
#include "Common/Model/SynthData.h"

// Endpoint identity of the port layer (Linux/MidiIO/MidiIO.h).
struct MIDIDevKey;

namespace QorX0 {

class IRemoteSynth;

// What an audition is about (BeginAudition).
enum AUDCTX : int {
    AUDCTX_NONE = 0,
    AUDCTX_SOUND = 1,  // a sound browser: the current sound, with the instrument switched to its play mode
    AUDCTX_SOUNDPICK = 2,   // a pick list of sounds or effects: the current sound, mode unchanged
    AUDCTX_DRUMKIT = 3,     // the selected drum kit (global mode only)
    AUDCTX_ARPPATTERN = 4,  // the selected user arpeggio pattern (global mode only)
    AUDCTX_EXTCONTROL = 5,  // the selected external-control set (global mode only)
};

// The instrument's external-control state as the poll reports it.
struct EXTCTLSTATE {
    uint8_t enabled;  // 0 off, 1 on
    uint8_t value;    // the instrument's external-control value
    uint8_t state;    // 2-bit state: 0 internal clock; 1 or 2 the tempo follows an external clock
};
static_assert(sizeof(EXTCTLSTATE) == 3);

// A 32-bit value the user interface keeps with each current sound (bytes 4 to 7 of its record in
// the image, host byte order).
struct UISTATEDATA {
    uint32_t value;
};
static_assert(sizeof(UISTATEDATA) == 4);

// Observer of the remote synthesizer; always called on the main thread with the sink lock held.
class IRemoteSynthSink {
public:
    virtual void OnRemoteSynthConnectionStateChanged(IRemoteSynth* synth, bool connected, bool online) = 0;
    virtual void OnRemoteSynthExtCtlStateChanged(IRemoteSynth* synth, const EXTCTLSTATE& state) = 0;
    virtual void OnRemoteSynthMasterVolumeChanged(IRemoteSynth* synth, unsigned volume) = 0;
    virtual void OnRemoteSynthModeChanged(IRemoteSynth* synth, int mode) = 0;
    virtual void OnRemoteSynthCurSoundChanged(IRemoteSynth* synth, const SOUNDINDEX& sound) = 0;
    // kind: sound mode (0 combination, 2 program, 4 multi); 0xFF in bank or number means all.
    virtual void OnRemoteSynthBankListChanged(IRemoteSynth* synth, int kind, const SOUNDINDEX& sound) = 0;
    virtual void OnRemoteSynthAuditionStateChanged(IRemoteSynth* synth, bool running) = 0;

protected:
    ~IRemoteSynthSink() = default;
};

// Receiver of the short messages (at most 3 bytes) the instrument sends, in the order received; on
// the main thread.
class IRemoteSynthMIDISink {
public:
    virtual void OnRemoteSynthMIDIIn(IRemoteSynth* synth, const void* data, unsigned length) = 0;

protected:
    ~IRemoteSynthMIDISink() = default;
};

// The one receiver of the instrument's short messages on the MIDI read thread, at once; time in
// microseconds of the GetSysTick x 1000 clock.
class IRTMIDISink {
public:
    virtual void OnRTMIDIIn(long long time, const void* data, unsigned length) = 0;

protected:
    ~IRTMIDISink() = default;
};

class IRemoteSynth {
public:
    virtual ~IRemoteSynth() = default;

    // Observers. False for null or one already listed (advise), or one not listed (unadvise).
    virtual bool AdviseSink(IRemoteSynthSink* sink) = 0;
    virtual bool UnadviseSink(IRemoteSynthSink* sink) = 0;
    virtual bool AdviseMIDISink(IRemoteSynthMIDISink* sink) = 0;
    virtual bool UnadviseMIDISink(IRemoteSynthMIDISink* sink) = 0;
    // Replaces the real-time sink (null clears it); true.
    virtual bool SetRTMIDISink(IRTMIDISink* sink) = 0;

    // Connection. standalone: the host is the standalone program; synchronise: receive all of the
    // instrument's data and merge the host's pending state into it.
    virtual bool Connect(bool standalone, bool synchronise) = 0;
    virtual void Disconnect() = 0;
    // Each pointer may be null; online receives whether the instrument answered the last poll.
    virtual bool GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA* inquiry,
                                    MODEANDSTATE* state, bool* online) = 0;
    virtual unsigned char GetGlobalChannel() = 0;
    virtual EXTCTLSTATE GetExtCtlState() = 0;
    virtual unsigned char GetGMMapping() = 0;

    // The user-interface value kept with the current sound of kind 0 to 4 (0, 1 combination; 2, 3
    // program; 4 multi); false for other kinds, the output untouched.
    virtual bool LoadUIState(unsigned char kind, UISTATEDATA* data) = 0;
    virtual bool SaveUIState(unsigned char kind, const UISTATEDATA& data) = 0;

    // Master volume 0 to 16383.
    virtual unsigned GetMasterVolume() = 0;
    virtual unsigned PutMasterVolume(unsigned volume) = 0;

    // Modes: 0 combination play, 1 combination edit, 2 program play, 3 program edit, 4 multi,
    // 6 global. Sound mode: 0 combination, 2 program, 4 multi, 255 none.
    virtual unsigned char GetMode() = 0;
    virtual unsigned char PutMode(unsigned char mode) = 0;
    virtual unsigned char GetVirtualMode() = 0;
    virtual unsigned char GetSoundMode() = 0;
    virtual SOUNDINDEX GetCurSound() = 0;
    virtual SOUNDINDEX PutCurSound(const SOUNDINDEX& sound) = 0;

    virtual bool BeginAudition(AUDCTX context) = 0;
    virtual bool EndAudition(bool commit) = 0;
    virtual bool GetAuditionState() = 0;

    // Short MIDI to the instrument at now (MIDIOut) or at time (microseconds, RTMIDIOut), plus the
    // setup's latency. RTMIDIOut may be called on the audio thread: it never waits.
    virtual bool MIDIOut(const void* data, unsigned length) = 0;
    virtual bool RTMIDIOut(long long time, const void* data, unsigned length) = 0;

    // Transfer commands (send/receive all, sounds, writes, global, kits, patterns, sets, setup,
    // hardware backup); a negative bank or number means all.
    virtual bool ExecCommand(int command, int item, int bank, int number, int flags) = 0;

    // Data files and host chunks. index: the bank (kinds 6, 7) or item (kinds 14 to 16).
    virtual bool LoadStream(std::istream& is, unsigned index) = 0;
    virtual bool SaveStream(std::ostream& os, FTYPE kind, unsigned index) = 0;
    virtual bool LoadFile(const char* path, unsigned index) = 0;
    virtual bool SaveFile(const char* path, FTYPE kind, unsigned index) = 0;

    // The stored sounds of a kind (0, 1 combinations; 2, 3 programs; 4 multis), null otherwise.
    virtual IBankList* GetAllSounds(int kind) = 0;
    // The edit buffer of a section kind (0 combination play ... 4 multi), null otherwise.
    virtual ISoundSection* GetEditBuffer(int kind) = 0;
    virtual ISection* GetRealtimeControl() = 0;
    virtual ISection* GetGlobal() = 0;
    virtual IGlobalArraySection* GetDrumKits() = 0;
    virtual IGlobalArraySection* GetArpPatterns() = 0;
    virtual IGlobalArraySection* GetExtControls() = 0;
    virtual ISection* GetSetup() = 0;

    // Multi tracks (kind 4); other kinds: the global channel, nothing changed.
    virtual unsigned char GetCurTimbreMIDICh(int kind, int track) = 0;
    virtual bool PutCurTimbreSound(int kind, int track, int value) = 0;
    virtual bool PutCurTimbreSound(int kind, int track, SOUNDINDEX& sound) = 0;

    // Ports found at the last scan; the vectors stay valid until the next call.
    virtual const std::vector<MIDIDevKey>* GetMIDIInKeyDevArray() = 0;
    virtual const std::vector<MIDIDevKey>* GetMIDIOutKeyDevArray() = 0;
    // Saved port names for the next Connect; true.
    virtual bool SetMIDIInPortName(const char* name) = 0;
    virtual bool SetMIDIOutPortName(const char* name) = 0;
};

// Creates the remote synthesizer of a model byte (1 Tolva, 9 Nerimo) on the calling thread, whose
// loop becomes its main thread; null for any other model. Deleted through the interface.
IRemoteSynth* RemoteSynthCreate(unsigned char model);

// Any thread, for an owner that is going away: ends the exclusive session the synthesizer's link
// runs now (as the progress window's Cancel does) and makes every later session, wait and progress
// window of that link fail at once, so that whatever runs them on the main thread unwinds. Does
// nothing for a synthesizer that RemoteSynthCreate did not make.
void RemoteSynthAbortSessions(IRemoteSynth* synth);

}  // namespace QorX0
