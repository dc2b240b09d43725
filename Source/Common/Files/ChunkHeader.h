#pragma once
// The header in front of the native file that the plug-in hands to its host: "Ccnk" (lower-case k,
// never taken for a standard bank or program file), then "FBCh" for a bank or "FPCh" for a preset.
#include <cstdint>
#include <istream>
#include <ostream>

#include "Common/Files/PersistParams.h"

namespace QorX0 {

constexpr uint32_t kChunkBankHeaderSize = 160;
constexpr uint32_t kChunkPresetHeaderSize = 60;

// Writes the 160-byte bank header (kind 17) or the 60-byte preset header (18 to 20) with size 0;
// the caller's ChunkWrite fills it in. False for another kind or a model other than 1 and 9.
bool SaveStreamVSTHeader(std::ostream& os, uint8_t model, const PERSISTPARAMS* params);

// Reads 28 bytes from the current position and accepts "Ccnk", "FBCh" or "FPCh" and one of the two
// model tags, with a size that the stream really holds; then moves to where the native header
// begins. Never throws on its own.
bool ParseStreamVSTHeader(std::istream& is);

}  // namespace QorX0
