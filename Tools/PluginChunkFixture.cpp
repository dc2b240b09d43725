// Writes a known plug-in bank chunk: every part of a Tolva image set to a pattern of its own, so
// that a host that changed or dropped any byte of the project's state is seen at once.
//   tolva_chunk_fixture <out.bin>
#include <cstdio>
#include <memory>

#include "Common/Files/Persist.h"
#include "Common/Model/SynthData.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <out.bin>\n", argv[0]);
        return 2;
    }
    auto image = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
    QorX0::InitAllChunk(image.get());
    auto* bytes = reinterpret_cast<unsigned char*>(image.get());
    for (size_t i = 0; i < sizeof *image; i += 61) bytes[i] = static_cast<unsigned char>((i / 61) & 0x7F);
    QorX0::PERSISTPARAMS params{};
    params.kind = QorX0::FTYPE_VSTBANK;
    params.image = image.get();
    params.filter = QorX0::FXBFILTERINFO{0x80, 128, 0xFF, 128, 0x80, 128, 40, 251, 0, 1, {0, 0}};
    if (!QorX0::PersistSaveStream(argv[1], 1, &params)) {
        std::fprintf(stderr, "%s: the chunk could not be written\n", argv[0]);
        return 1;
    }
    return 0;
}
