#pragma once
// The MIDI port layer: endpoint identities, input and output ports over the process's backend, and
// the splitter that cuts incoming packets into short messages and exclusive data.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Linux/MidiIO/MidiBackend.h"

// Identity of one endpoint: name = device, entity and endpoint names joined with nothing between;
// data = the 4 bytes of the endpoint handle.
struct MIDIDevKey {
    std::string name;
    std::vector<unsigned char> data;

    MIDIDevKey() = default;
    MIDIDevKey(std::string keyName, uint32_t handle);
    // The handle in data; 0 when data holds fewer than 4 bytes.
    uint32_t Handle() const;
};

class IMIDIIn;

// Receives input. Called on the backend's thread with the port's lock held; time is 0.
class IMIDIInCallback {
public:
    virtual void OnMIDIShort(IMIDIIn* port, long long time, const void* data, unsigned int length) = 0;
    virtual void OnMIDILong(IMIDIIn* port, long long time, const void* data, unsigned int length) = 0;
    // Bytes were lost between the calls before and after this one: what was open is broken.
    virtual void OnMIDILost(IMIDIIn* port) { (void)port; }

protected:
    ~IMIDIInCallback() = default;
};

class IMIDIIn {
public:
    virtual ~IMIDIIn() = default;
    // Clears keys and appends one key per source, in the backend's order.
    virtual void EnumDevices(std::vector<MIDIDevKey>* keys) = 0;
    // The two ints (buffer sizes the caller would like) are not needed by the backends.
    virtual bool Open(const MIDIDevKey* key, IMIDIInCallback* callback, int, int) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
};

class IMIDIOut {
public:
    virtual ~IMIDIOut() = default;
    virtual void EnumDevices(std::vector<MIDIDevKey>* keys) = 0;
    virtual bool Open(const MIDIDevKey* key, int, int) = 0;
    virtual void Close() = 0;
    virtual bool IsOpen() = 0;
    // One short message of 1 to kMaxShortLength bytes, sent at once.
    virtual bool SendShort(const void* data, unsigned int length) = 0;
    // Blocks until the exclusive bytes are out or timeoutMs passed (0xFFFFFFFF: no limit).
    virtual bool SendLong(const void* data, unsigned int length, unsigned int timeoutMs) = 0;

    static constexpr unsigned kMaxShortLength = 256;
};

// New, closed ports; the caller deletes them through the interface.
IMIDIIn* MIDIInCreate();
IMIDIOut* MIDIOutCreate();

// Bytes of the short message that begins with status; 0 for a byte that begins none we pass on.
unsigned MidiShortLength(uint8_t status);

// Cuts packets into messages for a callback. State across packets: whether an exclusive message is
// open. Never relies on running status. Inside an exclusive message, real-time bytes are passed on
// as short messages without ending it, and any other status byte ends it (a message cut short never
// swallows what follows; its last piece ends with that byte, as a complete message's ends with 0xF7,
// unless the byte is the 0xF0 of the next message); after the end the rest of the packet is read as
// short messages again.
class CMidiPacketSplitter {
public:
    void Reset() { m_inExclusive = false; }
    bool InExclusive() const { return m_inExclusive; }
    void Split(const uint8_t* bytes, size_t length, IMIDIIn* port, IMIDIInCallback* callback);

private:
    bool m_inExclusive = false;
};
