// Fuzzes the readers of data files: the stream load, the type finder, the native header and body
// reader and the chunk header parser. The first byte picks the target model, the next two the bank
// or item index; the rest is the stream.
//
// Invariants: nothing escapes, a failed load leaves the image as it was, and a successful native
// load saved and loaded again gives the same image and the same bytes.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/ChunkHeader.h"
#include "Common/Files/NativeFile.h"
#include "Common/Files/Persist.h"

using namespace QorX0;

namespace {

const CHUNK_REMOTESYNTH& Pristine() {
    static const auto image = [] {
        auto im = std::make_unique<CHUNK_REMOTESYNTH>();
        uint32_t x = 0x12345678;
        for (size_t i = 0; i < sizeof(CHUNK_REMOTESYNTH); ++i) {
            x = x * 1103515245u + 12345u;
            im->Bytes()[i] = static_cast<uint8_t>(x >> 16);
        }
        return im;
    }();
    return *image;
}

void Check(bool ok) {
    if (!ok) std::abort();
}

std::string Save(uint8_t model, const PERSISTPARAMS& params) {
    std::ostringstream os;
    Check(PersistSaveStream(os, model, &params));
    return os.str();
}

// The image every load starts from: the pristine one, put back only after a load that changed it
// (a failed load must leave it alone anyway, which is checked).
CHUNK_REMOTESYNTH& Image() {
    static auto image = std::make_unique<CHUNK_REMOTESYNTH>(Pristine());
    return *image;
}

void FuzzPersist(const std::string& bytes, uint8_t model, uint32_t index) {
    CHUNK_REMOTESYNTH* image = &Image();
    PERSISTPARAMS params{FTYPE_UNKNOWN, index, image, {}, {}};
    std::istringstream is(bytes);
    if (!PersistLoadStream(is, model, &params)) {
        Check(std::memcmp(image, &Pristine(), sizeof(CHUNK_REMOTESYNTH)) == 0);
        Check(params.kind == FTYPE_UNKNOWN);
        return;
    }
    struct Restore {
        CHUNK_REMOTESYNTH* image;
        ~Restore() { std::memcpy(image, &Pristine(), sizeof(CHUNK_REMOTESYNTH)); }
    } restore{image};
    Check(is.tellg() == std::streampos(0));
    if (params.kind < FTYPE_ALL || params.kind > FTYPE_EXTC || (model != kPmidTolva && model != kPmidNerimo))
        return;

    // A bank file is saved from the bank of the current sound: point it at the loaded bank.
    if (params.kind == FTYPE_BANKPROG) image->curprogramrec[0] = static_cast<uint8_t>(index);
    if (params.kind == FTYPE_BANKCOMBI) image->curcombirec[0] = static_cast<uint8_t>(index);
    const std::string first = Save(model, params);

    static auto again = std::make_unique<CHUNK_REMOTESYNTH>();
    std::memcpy(again.get(), image, sizeof(CHUNK_REMOTESYNTH));
    PERSISTPARAMS reload{FTYPE_UNKNOWN, index, again.get(), {}, {}};
    std::istringstream is2(first);
    Check(PersistLoadStream(is2, model, &reload));
    Check(reload.kind == params.kind);
    Check(std::memcmp(again.get(), image, sizeof(CHUNK_REMOTESYNTH)) == 0);
    Check(Save(model, reload) == first);
}

void FuzzParsers(const std::string& bytes, uint8_t model, uint32_t index) {
    {
        std::istringstream is(bytes);
        FTYPE kind;
        uint8_t found;
        PersistFindStreamType(is, &kind, &found);
    }
    for (bool chunk : {false, true}) {
        std::istringstream is(bytes);
        if (chunk && !ParseStreamVSTHeader(is)) continue;
        NATIVEHEADER header;
        if (!ParseNativeHeader(is, &header)) continue;
        static auto image = std::make_unique<CHUNK_REMOTESYNTH>();
        PERSISTPARAMS params{header.kind, index, image.get(), {}, {}};
        is.exceptions(std::ios::badbit | std::ios::failbit | std::ios::eofbit);
        try {
            LoadNativeBody(is, header, model, &params);
        } catch (const std::ios::failure&) {
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 3) return 0;
    const uint8_t model = (data[0] & 1) ? kPmidNerimo : ((data[0] & 2) ? 2 : kPmidTolva);
    const uint32_t index = (data[1] & 0x80) ? 0xFFFFFF00u | data[2] : data[2];
    const std::string bytes(reinterpret_cast<const char*>(data) + 3, size - 3);
    FuzzParsers(bytes, model, index);
    FuzzPersist(bytes, model, index);
    return 0;
}
