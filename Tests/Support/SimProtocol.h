#pragma once
// The simulated instrument's view of its exclusive protocol: frame, function codes, record sizes,
// 7-bit packing and the 14-bit value encoding. Written from the instrument's side on purpose: it
// shares no code with the editor's link, so a fault in one is not copied into the other.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Sim {

using Bytes = std::vector<uint8_t>;

enum class Model : uint8_t { Tolva = 1, Nerimo = 9 };

// Manufacturer and model bytes of the instrument's own exclusive frame F0 42 3g 7A code ... F7.
constexpr uint8_t kManufacturer = 0x42;
constexpr uint8_t kFamily = 0x7A;

// Function codes the instrument receives.
namespace Rx {
constexpr uint8_t ModeAndStateReq = 0x12;
constexpr uint8_t CurProgReq = 0x10;
constexpr uint8_t ProgReq = 0x1C;
constexpr uint8_t CurCombiReq = 0x19;
constexpr uint8_t CombiReq = 0x1D;
constexpr uint8_t CurMultiReq = 0x16;
constexpr uint8_t MultiReq = 0x18;
constexpr uint8_t GlobalReq = 0x0E;
constexpr uint8_t DrumKitReq = 0x0D;
constexpr uint8_t ArpPatternReq = 0x34;
constexpr uint8_t ExtControlReq = 0x1E;
constexpr uint8_t AllReq = 0x0F;
constexpr uint8_t WriteProg = 0x11;
constexpr uint8_t WriteCombi = 0x1A;
constexpr uint8_t WriteMulti = 0x17;
constexpr uint8_t ModeChange = 0x4E;
constexpr uint8_t ParamChange = 0x41;
constexpr uint8_t DrumKitParamChange = 0x53;
constexpr uint8_t ArpPatternParamChange = 0x6D;
constexpr uint8_t ExtControlParamChange = 0x6F;
}  // namespace Rx

// Function codes of dumps (both directions) and of the instrument's replies.
namespace Code {
constexpr uint8_t CurProgDump = 0x40;
constexpr uint8_t ProgDump = 0x4C;
constexpr uint8_t CurCombiDump = 0x49;
constexpr uint8_t CombiDump = 0x4D;
constexpr uint8_t CurMultiDump = 0x4A;
constexpr uint8_t MultiDump = 0x48;
constexpr uint8_t GlobalDump = 0x51;
constexpr uint8_t DrumKitDump = 0x52;
constexpr uint8_t ArpPatternDump = 0x69;
constexpr uint8_t ExtControlDump = 0x6E;
constexpr uint8_t AllDump = 0x50;
constexpr uint8_t ModeAndState = 0x42;
constexpr uint8_t WriteComplete = 0x21;
constexpr uint8_t WriteError = 0x22;
constexpr uint8_t LoadComplete = 0x23;
constexpr uint8_t LoadError = 0x24;
constexpr uint8_t FormatError = 0x26;
}  // namespace Code

// Reason bytes of the error replies.
namespace Reason {
constexpr uint8_t Protected = 0;
constexpr uint8_t NotExist = 1;  // bank, sound, item or parameter out of range
constexpr uint8_t WrongMode = 2;
constexpr uint8_t MemoryOverflow = 3;
constexpr uint8_t Other = 40;
// Format error reasons.
constexpr uint8_t BadLength = 0;
constexpr uint8_t UnknownFunction = 1;
}  // namespace Reason

// Instrument modes as the mode byte holds them.
namespace Mode {
constexpr uint8_t CombiPlay = 0;
constexpr uint8_t CombiEdit = 1;
constexpr uint8_t ProgPlay = 2;
constexpr uint8_t ProgEdit = 3;
constexpr uint8_t Multi = 4;
constexpr uint8_t Global = 6;
}  // namespace Mode
bool IsValidMode(int mode);

// Record sizes and counts.
constexpr size_t kGlobalSize = 850;
constexpr size_t kDrumKitSize = 4112;
constexpr size_t kArpPatternSize = 320;
constexpr size_t kExtControlSize = 40;
constexpr size_t kProgSize = 444;
constexpr size_t kCombiSize = 544;
constexpr size_t kMultiSize = 1220;
// The multi byte whose low four bits are its control track.
constexpr size_t kMultiControlTrackOffset = 1216;
constexpr int kDrumKits = 40;
constexpr int kArpPatterns = 251;
constexpr int kExtControls = 64;
constexpr int kCombiBanks = 3;
constexpr int kMultis = 128;
constexpr int kBankSize = 128;
constexpr size_t kModeAndStateSize = 21;

int ProgBanks(Model model);  // user program banks: 4 Tolva, 5 Nerimo
size_t AllDumpBodySize(Model model);

// 8-bit records in 7-bit groups: one byte of high bits, then up to 7 bytes with bit 7 cleared.
size_t PackedSize(size_t n);
void Pack7(const uint8_t* data, size_t n, Bytes* out);  // appends
// Unpacks a whole packed body; false when a byte has bit 7 set.
bool Unpack7(const uint8_t* data, size_t n, Bytes* out);

// 14-bit two's complement value as two 7-bit bytes, high first.
void Encode14(int value, uint8_t* hi, uint8_t* lo);
int Decode14(uint8_t hi, uint8_t lo);

const char* ModeName(int mode);

}  // namespace Sim
