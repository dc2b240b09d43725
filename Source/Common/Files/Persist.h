#pragma once
// The only way the rest of the system reads and writes data files: save, load and type-finding,
// each in a stream and a path form. They dispatch between native files, plug-in chunks and PCG
// files, catch every error, trace it and return false.
#include <cstdint>
#include <exception>
#include <istream>
#include <ostream>

#include "Common/Files/PersistParams.h"

namespace QorX0 {

// An error of the file code with a fixed text.
class fileioerror : public std::exception {
public:
    explicit fileioerror(const char* text) noexcept : mText(text) {}
    const char* what() const noexcept override { return mText; }

private:
    const char* mText;
};

// Remembers the stream position when made; Close writes the big-endian count of bytes written
// after the remembered position + 8 at the remembered position + 4, then returns to the end.
// A ChunkWrite that is never closed leaves the stream alone.
class ChunkWrite {
public:
    explicit ChunkWrite(std::ostream& os);
    void Close();

private:
    std::ostream& mOs;
    std::ostream::pos_type mStart;
};

// Writes params->kind (1 to 26) of model 1 or 9. A native or chunk save is checked whole before
// a byte is written. The path form writes a temporary file beside the path and renames it over
// the path only when everything was written, so a failed save never destroys the old file.
bool PersistSaveStream(std::ostream& os, uint8_t model, const PERSISTPARAMS* params);
bool PersistSaveStream(const char* path, uint8_t model, const PERSISTPARAMS* params);

// Tries the stream as a native file, then as a plug-in chunk, then as a PCG file, and loads it
// into params->image for the target model; params->kind becomes the kind found (the inner native
// kind for a chunk). On failure params and its image are left exactly as they were. In every case
// the stream is back at its start position with its exception mask restored and its error state
// cleared.
bool PersistLoadStream(std::istream& is, uint8_t model, PERSISTPARAMS* params);
bool PersistLoadStream(const char* path, uint8_t model, PERSISTPARAMS* params);

// Finds the kind (and for native files and chunks the model) of a stream; either pointer may be
// null. A chunk reports its inner kind. After a native or chunk result the stream stands behind
// the native header; otherwise it is back at its start.
bool PersistFindStreamType(std::istream& is, FTYPE* kind, uint8_t* model);
bool PersistFindStreamType(const char* path, FTYPE* kind, uint8_t* model);

}  // namespace QorX0
