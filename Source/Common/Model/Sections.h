#pragma once
// What the editor, the link's owner and the plug-in see of the parameter sections, and what a
// section needs from its owner.
//
// Threads and the image lock: the main thread (the editor), the MIDI read thread (changes and dumps
// received from the instrument) and the thread that forwards host MIDI (realtime controls) all
// write the image. Every section of one owner guards the image bytes it reads or writes, and its own
// state (selections, effect type, knob state), with the owner's recursive image lock
// (IHostProxy::GetImageLock). The lock is held only around the bytes: never while a message goes to
// the link and never while observers run, so a link that waits for a reply on one thread cannot
// deadlock against a received change on another. An owner that copies a dump or a file into the
// image holds the same lock for the copy and calls the section's OnReinitialized after it.
#include <cstdint>
#include <string>

#include "Common/Model/Banks.h"
#include "Common/Model/ParamDesc.h"
#include "Common/Model/SynthData.h"

class IAsyncDispatch;
class CHfcCriticalSection;

namespace QorX0 {

class IRemoteMIDI;
class ISection;

// Write flags of PutParamIEx / PutParamSEx.
enum : unsigned {
    kPutNotify = 0x0001,  // observers hear of the change (on the main thread)
    kPutSend = 0x0002,    // a parameter change goes to the instrument
    kPutForce = 0x8000,   // protected rows are written too
    kPutPlain = 0x00FF,   // what PutParamI and PutParamS pass
};

// Section kinds (also the mode ids sent with a parameter change, where a kind is sent).
enum : int {
    kModeCombiPlay = 0,
    kModeCombiEdit = 1,
    kModeProgPlay = 2,
    kModeProgEdit = 3,
    kModeMulti = 4,
    kModeGlobal = 6,
    kKindDrumKits = 7,
    kKindArpPatterns = 8,
    kKindExtControls = 9,
    kKindSetup = 10,
};

// Observer of a section; always called on the main thread with the section's observer lock held.
class ISectionSink {
public:
    virtual void OnSectionReinitialized(ISection* section) = 0;
    virtual void OnSectionParamPropsChanged(ISection* section, int pid) = 0;
    virtual void OnSectionParamChanged(ISection* section, int pid) = 0;

protected:
    ~ISectionSink() = default;
};

class ISection {
public:
    virtual ~ISection() = default;
    virtual bool AdviseSink(ISectionSink* sink) = 0;
    virtual bool UnadviseSink(ISectionSink* sink) = 0;
    virtual int GetParamCount() = 0;
    virtual int GetParamIDByIndex(unsigned index) = 0;
    virtual int GetIndexByParamID(int pid) = 0;
    virtual bool GetParamDescByIndex(unsigned index, PARAMDESC* out) = 0;
    virtual bool GetParamDesc(int pid, PARAMDESC* out) = 0;
    virtual int GetParamI(int pid) = 0;
    virtual int PutParamI(int pid, int value) = 0;
    virtual int PutParamIEx(int pid, int value, unsigned flags) = 0;
    virtual std::string GetParamS(int pid) = 0;
    virtual std::string PutParamS(int pid, const char* text) = 0;
    virtual std::string PutParamSEx(int pid, const char* text, unsigned flags) = 0;
    virtual unsigned RawSize() = 0;
    virtual unsigned RawGet(void* dst, unsigned offset, unsigned count) = 0;
    virtual unsigned RawPut(const void* src, unsigned offset, unsigned count) = 0;
};

// An edit buffer: program, combination or multi, in play or edit view.
class ISoundSection : public ISection {
public:
    // The sub-section that holds pid (or the section itself); false when it does not exist.
    virtual bool FindSectionByPID(int pid, ISection** out) = 0;
    virtual ISection* GetIFX() = 0;
    virtual ISection* GetMFX1() = 0;
    virtual ISection* GetMFX2() = 0;
    virtual ISectionList* GetTrack() = 0;
    virtual ISectionList* GetToneAdj() = 0;
};

// Drum kits, arpeggio patterns or external-control sets, one item selected at a time.
class IGlobalArraySection : public ISection {
public:
    // Selection: the item in the low 32 bits, the sub-item (a drum kit's key) in the high 32 bits.
    virtual uint64_t Select(unsigned item, unsigned sub) = 0;
    virtual uint64_t GetSelection() = 0;
    virtual unsigned GetCurSel() = 0;
    virtual void PutCurSel(unsigned item) = 0;
    virtual IBank* GetNames() = 0;
};

// The owner's services to its sections.
class IHostProxy {
public:
    virtual IAsyncDispatch* GetDisp() = 0;
    virtual unsigned char GetPMID() = 0;
    virtual unsigned char GetRemoteMode() = 0;  // the image's mode byte
    virtual unsigned char GetRemoteVirtualMode() = 0;
    virtual unsigned char GetRemoteSoundMode() = 0;
    virtual int GetRemoteTempo() = 0;
    virtual IRemoteMIDI* GetRemoteMidi() = 0;  // null when there is no link
    virtual CHUNK_REMOTESYNTH* GetRawChunk() = 0;
    // The preset programs, kPresetProgBankCount banks of 128 x 444 bytes (kSizePresetImage); may be
    // null.
    virtual const uint8_t* GetRawChunkROM() = 0;
    // Guards the image and the sections' own state; recursive.
    virtual CHfcCriticalSection& GetImageLock() = 0;

protected:
    ~IHostProxy() = default;
};

}  // namespace QorX0
