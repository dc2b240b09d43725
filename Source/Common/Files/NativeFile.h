#pragma once
// The native data file: a 32-byte big-endian header followed by raw slices of the data image.
// The same reader and writer serve files on disk, plug-in chunks and the merge at connection time.
#include <cstdint>
#include <istream>
#include <ostream>

#include "Common/Files/PersistParams.h"

namespace QorX0 {

constexpr uint32_t kNativeHeaderSize = 32;
constexpr long kNativeVersion = 1;

// One native kind: its tag, file extension and dialog label (null for the filtered set, which is
// never offered to the user) and the smallest size field the reader accepts.
struct NATIVEKINDINFO {
    FTYPE kind;
    char tag[5];
    const char* extension;
    const char* label;
    uint32_t minSize;
};

// The row of a native kind 1..16, or of the kind a chunk kind 17..20 wraps; null for any other.
const NATIVEKINDINFO* GetNativeKindInfo(FTYPE kind);

// The four-character model tag of model byte 1 or 9; null for another model.
const char* GetNativeModelTag(uint8_t model);

// Everything the header says; size is the big-endian field at offset 4.
struct NATIVEHEADER {
    FTYPE kind;
    uint8_t model;
    long version;
    uint32_t size;
};

// Reads 32 bytes. Fails on a short read, an unknown tag, a size below the kind's minimum or a size
// that claims more bytes than the stream holds. Never throws on its own.
bool ParseNativeHeader(std::istream& is, NATIVEHEADER* header);
bool ParseStreamNativeHeader(std::istream& is, FTYPE* kind, uint8_t* model, long* version);

// Writes the header with size 0 (the caller's ChunkWrite fills it in). False for a kind outside
// 1..20 or a model other than 1 and 9.
bool SaveStreamNativeHeader(std::ostream& os, uint8_t model, const PERSISTPARAMS* params);

// Checks everything a body save needs before a byte is written: kind, model, filter and index.
bool CheckNativeSave(uint8_t model, const PERSISTPARAMS* params);

// Writes the body of params->kind (17 as 2, 18..20 as 8..10). False when CheckNativeSave refuses.
bool SaveStreamNativeBody(std::ostream& os, uint8_t model, const PERSISTPARAMS* params);

// Reads the body of params->kind into params->image, translating sample numbers between the two
// models. Checks the filter, the index and that the body fits the header's size, and reads the whole
// body, before it writes anything: on failure (false, or a throw through the stream's exception mask
// when a read ends early) the image, rtc and filter are as they were.
bool LoadNativeBody(std::istream& is, const NATIVEHEADER& header, uint8_t targetModel, PERSISTPARAMS* params);
// As above for a caller that holds no header: the body may take whatever the stream still holds.
bool LoadStreamNativeBody(std::istream& is, uint8_t fileModel, long version, uint8_t targetModel,
                          PERSISTPARAMS* params);

// Filter bytes that address records outside their areas, or counts over their limits, are refused.
bool CheckFilter(const FXBFILTERINFO& filter);

// Body bytes of a filtered set, from the filter record to the last zero byte; 0 for a bad filter.
uint32_t FilteredBodySize(const FXBFILTERINFO& filter);

}  // namespace QorX0
