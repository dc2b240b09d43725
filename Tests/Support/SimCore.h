#pragma once
// The simulated instrument without threads or ports: feed it the bytes it receives, take the
// messages it sends. It keeps its own memory and state, answers every request, applies and
// acknowledges what it is sent, offers a "front panel" to the test, and produces faults on demand.
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "Support/SimImage.h"
#include "Support/SimProtocol.h"

namespace Sim {

// Pseudo function codes for the universal messages, so that faults can name them.
constexpr int kInquiryCode = 0x106;
constexpr int kMasterVolumeCode = 0x104;
constexpr int kAnyCode = -1;

struct SimState {
    uint8_t channel = 0;  // global MIDI channel 0 to 15
    uint8_t mode = Mode::ProgPlay;
    uint8_t progBank = 0, progNumber = 0;  // bank 4 (Tolva) / 5 (Nerimo) is GM, the next GM drums
    uint8_t combiBank = 0, combiNumber = 0;
    uint8_t multiNumber = 0;
    bool localControl = true;
    bool protect = false;
    bool gmMap = false;
    bool powerOnMemorize = false;
    uint8_t extControlState = 0;  // two bits
    bool extControlEnabled = false;
    uint8_t extControlValue = 0;
    unsigned masterVolume = 0x3FFF;
    uint8_t bankMsb = 0, bankLsb = 0;  // last bank select received
    uint8_t version[4] = {1, 0, 0, 0};
    // When false, dumps, parameter changes and write commands are accepted in any mode.
    bool strictModes = true;
};

// What a dump holds; bank or index < 0 means all (and for sounds, index < 0 with a bank: one bank).
enum class DumpKind {
    CurProgram,
    Program,
    CurCombination,
    Combination,
    CurMulti,
    Multi,
    Global,
    DrumKit,
    ArpPattern,
    ExtControl,
    All,
};
struct DumpSpec {
    DumpKind kind = DumpKind::All;
    int bank = -1;   // Program, Combination
    int index = -1;  // sound number in the bank, or item index
};

enum class ParamKind { Sound, DrumKit, ArpPattern, ExtControl };
struct ParamChange {
    ParamKind kind = ParamKind::Sound;
    int mode = 0;   // Sound: the section's mode id
    int pid = 0;    // Sound: PID; DrumKit: slot << 8 | param; ArpPattern, ExtControl: param
    int item = 0;   // DrumKit: kit; ArpPattern: pattern; ExtControl: set
    int index = 0;  // ArpPattern: the step or tone index carried with params 5 to 21
    int value = 0;
};
bool operator==(const ParamChange& a, const ParamChange& b);

// Where a parameter lives, supplied by a test that knows the parameter tables.
struct ParamTarget {
    Area area = Area::CurProgram;
    int index = 0;
    BitField field;
    int minimum = -8192;
    int maximum = 8191;
    // False: the parameter exists but is not a plain field of the image (a selector, a value the
    // instrument keeps elsewhere); the change is acknowledged and logged, nothing is written.
    bool store = true;
    // Set for storage that is not one bit field (e.g. a bank and program in two 7-bit bytes): writes
    // the value into the record in place of 'field'.
    std::function<void(uint8_t* record, int value)> writer;
    // What the instrument resets by itself in the same record once the value is stored: a new
    // effect type's initial parameters, a new tone-adjust destination's initial amount.
    std::function<void(uint8_t* record, int value)> after;
};
using ParamLocator = std::function<bool(const ParamChange&, ParamTarget*)>;

// A fault the instrument produces when it answers a chosen message.
enum class FaultAction {
    NoReply,         // the message is applied, nothing is sent back
    Delay,           // the reply goes out after delayMs
    DeferToNext,     // the reply is held back and sent just before the reply to the next message
    ErrorReply,      // errorCode (0x22, 0x24 or 0x26) with reason instead of the reply; nothing applied
    Truncate,        // the reply is cut to 'offset' bytes, no F7
    Garble,          // reply byte 'offset' is XORed with 'value'
    SetByte,         // reply byte 'offset' becomes 'value' (e.g. a wrong member or family code)
    DropF7,          // the reply's closing F7 is left out; the next message starts with its own F0
    RealtimeInside,  // the real-time byte 'value' is inserted before reply byte 'offset'
    ErrorMidDump,    // once 'offset' bytes of the incoming message have arrived, a load error with
                     // 'reason' goes out and the rest of that message is ignored
    AbortReply,      // its reply is cut after 'offset' bytes (no F7), then errorCode with reason follows
    Vanish,          // the port disappears on receipt; nothing more is answered
};
struct Fault {
    FaultAction action = FaultAction::NoReply;
    int code = kAnyCode;  // function code of the received message (or kInquiryCode, ...)
    int nth = 0;          // 1-based number of the received exclusive message; 0 = any
    int times = 1;        // how often it fires; 0 = every time
    int delayMs = 0;
    uint8_t errorCode = Code::LoadError;
    uint8_t reason = Reason::Other;
    size_t offset = 0;
    uint8_t value = 0;

    static Fault Make(FaultAction action, int code) {
        Fault f;
        f.action = action;
        f.code = code;
        return f;
    }
    Fault& AtMessage(int n) {
        nth = n;
        return *this;
    }
    Fault& Times(int n) {
        times = n;
        return *this;
    }
};

struct TimedBytes {
    int64_t timeUs = 0;
    Bytes bytes;
};

// One message the instrument sends, with what must happen around it.
struct OutItem {
    Bytes bytes;
    int delayMs = 0;      // wait before sending
    bool vanish = false;  // the port disappears here (bytes empty)
};

class SimCore {
public:
    explicit SimCore(Model model, uint8_t channel = 0);

    Model GetModel() const { return mModel; }
    SimState& State() { return mState; }
    const SimState& State() const { return mState; }
    SimImage& Image() { return mImage; }
    const SimImage& Image() const { return mImage; }
    void SetParamLocator(ParamLocator locator) { mLocator = std::move(locator); }

    // ---- the wire
    void Receive(const uint8_t* data, size_t n, int64_t timeUs);
    void Receive(const Bytes& bytes, int64_t timeUs = 0) { Receive(bytes.data(), bytes.size(), timeUs); }
    std::deque<OutItem> TakeOutput();
    bool HasOutput() const { return !mOut.empty(); }
    Bytes TakeOutputBytes();            // the bytes of every pending message, in order
    std::vector<Bytes> TakeMessages();  // pending messages one by one
    bool Vanished() const { return mVanished; }
    void Revive() { mVanished = false; }

    // ---- logs
    const std::vector<TimedBytes>& ReceivedLog() const { return mRxLog; }  // every byte, as delivered
    Bytes ReceivedBytes() const;
    const std::vector<TimedBytes>& ReceivedMessages() const { return mRxMessages; }  // complete ones
    const std::vector<Bytes>& DiscardedMessages() const { return mDiscarded; }       // broken exclusives
    const std::vector<ParamChange>& ParamChanges() const { return mParamChanges; }   // applied ones
    const std::vector<Bytes>& SentMessages() const { return mSent; }
    int ControlValue(int controller) const;  // last value of a controller on the global channel, -1 none
    void ClearLogs();

    // ---- faults
    void AddFault(const Fault& fault) { mFaults.push_back({fault, 0}); }
    void ClearFaults() { mFaults.clear(); }

    // ---- front panel: each changes the instrument's state and sends what the instrument sends
    bool PanelParamChange(const ParamChange& change);
    bool PanelModeChange(uint8_t mode);
    bool PanelProgramChange(int bank, int number);  // bank select and program change, modes 0 to 3
    bool PanelSongSelect(int number);               // selects the multi in multi mode
    void PanelMasterVolume(unsigned volume);
    void PanelControlChange(int controller, int value);
    // A key played on the instrument: note-on (or note-off) on the global channel, sent as the
    // instrument sends its keyboard.
    void PanelNote(bool on, int note, int velocity);
    bool PanelSendDump(const DumpSpec& spec);

    // Records that differ from the editor's flat image; with 'withState' also the current-sound
    // records (bank and number) and the mode byte of the image's tail.
    std::vector<ImageDiff> CompareWithEditor(const uint8_t* editorImage, size_t size,
                                             bool withState = true) const;

    // ---- builders of what the instrument sends (also used for its answers)
    bool BuildDump(const DumpSpec& spec, Bytes* out, uint8_t* reason = nullptr) const;
    Bytes BuildModeAndState() const;
    Bytes BuildInquiryReply() const;
    Bytes BuildReply(uint8_t code) const;
    Bytes BuildError(uint8_t code, uint8_t reason) const;

private:
    struct ArmedFault {
        Fault fault;
        int fired;
    };
    struct Range {
        Area area;
        int first;
        int count;
    };

    void Byte(uint8_t b);
    void EndSysex(bool complete);
    void HandleShort(const Bytes& msg);
    void HandleSysex(const Bytes& msg);
    Bytes Answer(const Bytes& msg, int code);
    Bytes AnswerOwn(const Bytes& msg);
    Bytes HandleRequest(const Bytes& msg);
    Bytes HandleDump(const Bytes& msg);
    Bytes HandleWrite(const Bytes& msg);
    Bytes HandleParam(const Bytes& msg);
    uint8_t ApplyParam(const ParamChange& change);
    void ApplyProgramChange(uint8_t number);
    void CheckMidDumpFault();

    ArmedFault* FindFault(int code, int nth, bool midDump);
    int MessageCode(const Bytes& msg) const;
    bool OwnFrame(const Bytes& msg) const;
    Bytes Frame(std::initializer_list<uint8_t> body) const;
    bool Resolve(const DumpSpec& spec, std::vector<Range>* ranges, uint8_t* reason) const;
    Bytes DumpHeader(const DumpSpec& spec) const;
    bool ParseDumpHeader(const Bytes& msg, DumpSpec* spec, size_t* headerLength) const;
    void Send(Bytes bytes, int delayMs = 0);

    Model mModel;
    SimState mState;
    SimImage mImage;
    ParamLocator mLocator;

    // input framing
    bool mInSysex = false;
    bool mDiscardSysex = false;
    Bytes mSysex;
    uint8_t mRunning = 0;
    Bytes mShort;
    size_t mShortNeed = 0;
    int64_t mNow = 0;
    int mSysexCount = 0;

    std::vector<TimedBytes> mRxLog;
    std::vector<TimedBytes> mRxMessages;
    std::vector<Bytes> mDiscarded;
    std::vector<ParamChange> mParamChanges;
    std::vector<Bytes> mSent;
    std::map<int, int> mControls;

    std::vector<ArmedFault> mFaults;
    std::vector<Bytes> mDeferred;
    std::deque<OutItem> mOut;
    bool mVanished = false;
};

}  // namespace Sim
