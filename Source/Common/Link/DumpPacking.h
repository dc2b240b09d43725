#pragma once
// Dumps: 8-bit records packed into 7-bit groups, the dump kinds with their record and message sizes,
// and the receive context that collects one incoming exclusive message and unpacks its body while
// the bytes arrive.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "Common/Link/SXSig.h"
#include "Common/Model/SynthData.h"
#include "Linux/Sync.h"

namespace QorX0 {

// Packed length of a record of n bytes: one header byte per group of up to 7 bytes.
constexpr unsigned PackedSize(unsigned n) {
    return n + (n + 6) / 7;
}

// What a dump carries.
enum class SXDump : uint8_t {
    CurProg,
    Prog,
    CurCombi,
    Combi,
    CurMulti,
    Multi,
    Global,
    Drumkit,
    ArpPattern,
    ExtControl,
    All,
};

// How much of its kind a dump holds. The values are the kind of a program or combination address.
enum class SXScope : uint8_t { All = 0, Bank = 1, One = 2 };

// Bytes before the packed body.
constexpr unsigned SXDumpHeaderLength(SXDump dump) {
    switch (dump) {
        case SXDump::CurProg:
        case SXDump::CurCombi:
        case SXDump::CurMulti:
        case SXDump::Global:
            return 6;
        case SXDump::All:
            return 7;
        default:
            return 8;
    }
}

// Unpacked body size. Scope matters for programs and combinations (all, bank, one) and for the
// indexed kinds (all or one); the current sounds, global and all data have one size.
constexpr unsigned SXDumpBodySize(SXDump dump, SXScope scope, unsigned char model) {
    const bool one = scope != SXScope::All;
    switch (dump) {
        case SXDump::CurProg:
            return kSizeProgram;
        case SXDump::Prog:
            return scope == SXScope::One    ? kSizeProgram
                   : scope == SXScope::Bank ? kAreaPrograms.BankSize()
                                            : ProgramBankCount(model) * kAreaPrograms.BankSize();
        case SXDump::CurCombi:
            return kSizeCombi;
        case SXDump::Combi:
            return scope == SXScope::One    ? kSizeCombi
                   : scope == SXScope::Bank ? kAreaCombis.BankSize()
                                            : kAreaCombis.Size();
        case SXDump::CurMulti:
            return kSizeMulti;
        case SXDump::Multi:
            return one ? kSizeMulti : kAreaMultis.Size();
        case SXDump::Global:
            return kSizeGlobal;
        case SXDump::Drumkit:
            return one ? kSizeDrumKit : kAreaDrumKits.Size();
        case SXDump::ArpPattern:
            return one ? kSizeArpPattern : kAreaArpPatterns.Size();
        case SXDump::ExtControl:
            return one ? kSizeExtControl : kAreaExtControls.Size();
        case SXDump::All:
            return AllDumpSize(model);
    }
    return 0;
}

// Whole message: header, packed body and the closing 0xF7.
constexpr unsigned SXDumpMessageSize(SXDump dump, SXScope scope, unsigned char model) {
    return SXDumpHeaderLength(dump) + PackedSize(SXDumpBodySize(dump, scope, model)) + 1;
}

// Packs a record on the fly: the sender reads packed bytes block by block without copying it.
class ChunkEncode {
public:
    ChunkEncode(const void* source, size_t length)
        : m_source(static_cast<const uint8_t*>(source)), m_length(source ? length : 0) {}

    // Copies packed bytes into buffer until it is full or the record is exhausted; 0 at the end.
    size_t Read(void* buffer, size_t capacity);

private:
    void fillblock();

    const uint8_t* m_source;
    size_t m_length;
    size_t m_position = 0;
    uint8_t m_block[8] = {};
    unsigned m_blockPosition = 0;
    unsigned m_blockLength = 0;
};

// Unpacks 7-bit groups as they arrive, in pieces of any size.
class ChunkDecode {
public:
    void Begin();
    void End();
    void reserve(size_t n);
    void Write(const void* bytes, size_t n, bool final);

    bool IsActive() const { return m_active; }
    const uint8_t* data() const { return m_output.data(); }
    size_t size() const { return m_output.size(); }

private:
    void flushblock();

    std::vector<uint8_t> m_output;
    uint8_t m_group[8] = {};
    unsigned m_count = 0;
    bool m_active = false;
};

// Told by the input framing about every piece of an exclusive message it has stored.
class ISXFrameSink {
public:
    // The receive context holds the message so far; complete: its 0xF7 has arrived.
    virtual void OnSXPiece(bool complete) = 0;

protected:
    ~ISXFrameSink() = default;
};

// Collects one incoming exclusive message: its raw bytes until the parser recognises a dump header,
// then the dump's unpacked body.
class SXRcvCtx {
public:
    // The raw bytes of a message that is not a dump never grow beyond this; longer ones are dropped.
    static constexpr size_t kMaxRawLength = 2048;
    // While no dump has been recognised the framing stores at most this many bytes before it asks the
    // parser, so that a dump's body goes to the decoder however large the pieces are.
    static constexpr size_t kRawStep = 32;

    SXRcvCtx() = default;
    SXRcvCtx(const SXRcvCtx&) = delete;
    SXRcvCtx& operator=(const SXRcvCtx&) = delete;

    // Reserves both buffers; 0 empties (and frees) one instead.
    void reserve(size_t rawCapacity, size_t decodedCapacity);
    void End();
    void Write(const void* bytes, size_t n, bool final);
    // A dump's header is in: from bodyOffset on, the bytes are the packed body of a message of total
    // bytes (0xF7 included).
    void Estimated(unsigned total, unsigned bodyOffset, bool final);
    bool GetEstimation(unsigned* expected, SXSig* signature);

    // The input framing of exclusive bytes from the port, piece by piece; see the .cpp.
    void Frame(const void* bytes, size_t n, ISXFrameSink& sink);

    void SetReceiving(bool receiving);
    bool IsReceiving();
    // The same, but a message that has had no byte for idleMs or longer (a dump cut off mid-way) is
    // abandoned: false, and the input thread drops it (and whatever is left of it) with its next bytes.
    bool IsReceiving(unsigned idleMs);
    // Set by the session when the user aborts: the rest of the message is dropped and never parsed.
    void SetDiscard(bool discard) { m_discard.store(discard); }
    bool IsDiscarding() const { return m_discard.load(); }
    // After a cancelled request: a message that begins within forMs from now and starts with
    // signature is dropped whole, so a late answer never reaches the owner. A later request waiting
    // for the same signature ends it with StopDropping.
    void DropMatching(const SXSig& signature, unsigned forMs);
    void StopDropping(const SXSig& signature);

    // For the parser, on the input thread: the raw bytes (the header once a dump is recognised), the
    // count of bytes received for this message, and the decoder.
    const uint8_t* Raw() const { return m_raw.data(); }
    size_t RawSize() const { return m_raw.size(); }
    unsigned Received() const { return m_received.load(); }
    unsigned Expected() const { return m_expected; }
    const ChunkDecode& Decoder() const { return m_decoder; }

private:
    void EndLocked();
    void Store(const uint8_t* bytes, size_t n, bool final, ISXFrameSink& sink);

    CHfcCriticalSection m_lock;
    std::vector<uint8_t> m_raw;
    ChunkDecode m_decoder;
    std::atomic<unsigned> m_received{0};
    unsigned m_expected = 0;
    bool m_receiving = false;
    std::atomic<bool> m_discard{false};
    SXSig m_dropSignature;     // under m_lock
    uint32_t m_dropUntil = 0;  // tick
    bool m_checkDrop = false;  // input thread: the open message is still to be checked against it
    uint32_t m_lastInput = 0;  // tick of the last bytes framed, under m_lock
    bool m_abandoned = false;  // under m_lock: the open message is to be dropped
};

}  // namespace QorX0
