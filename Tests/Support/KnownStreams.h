#pragma once
// Data files and host chunks made by the file code from known images, for the tests of everything
// that loads and saves them.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include "Common/Files/Persist.h"
#include "Files/NativeFixtures.h"

namespace SynthTest {

using QorX0::CHUNK_REMOTESYNTH;
using QorX0::FTYPE;

// Every part of the image.
inline QorX0::FXBFILTERINFO FilterAll(unsigned char pmid) {
    return QorX0::FXBFILTERINFO{
        0x80, 128,   0xFF, 128, 0x80, 128, 40, 251, static_cast<uint8_t>(pmid == QorX0::kPmidNerimo ? 64 : 0),
        1,    {0, 0}};
}

// A stream of kind made by the file code from image (every part for the filtered kinds).
inline std::string StreamOf(unsigned char pmid, const CHUNK_REMOTESYNTH& image, FTYPE kind,
                            unsigned index = 0) {
    auto copy = fixtures::CopyImage(image);
    // A bank file holds the bank of the current sound.
    if (kind == QorX0::FTYPE_BANKPROG) copy->curprogramrec[0] = static_cast<uint8_t>(index);
    if (kind == QorX0::FTYPE_BANKCOMBI) copy->curcombirec[0] = static_cast<uint8_t>(index);
    QorX0::PERSISTPARAMS params{};
    params.kind = kind;
    params.index = index;
    params.image = copy.get();
    params.filter = FilterAll(pmid);
    std::ostringstream os(std::ios::binary);
    EXPECT_TRUE(QorX0::PersistSaveStream(os, pmid, &params)) << "kind " << kind;
    return std::move(os).str();
}

// A known image whose every byte is 7-bit (it goes to the instrument and back) and whose current
// sounds and mode are ones the instrument has.
inline std::unique_ptr<CHUNK_REMOTESYNTH> KnownImage(uint32_t seed) {
    auto image = fixtures::RandomImage(seed);
    uint8_t* p = image->Bytes();
    for (size_t i = 0; i < sizeof *image; ++i) p[i] &= 0x7F;
    std::memset(image->curprogramrec, 0, QorX0::kSizeCurSoundRecord * 3);
    image->curprogramrec[1] = 3;
    image->curcombirec[1] = 4;
    image->curmultirec[1] = 5;
    image->mode = 2;  // program play
    return image;
}

inline bool SameBytes(const CHUNK_REMOTESYNTH& a, const CHUNK_REMOTESYNTH& b, unsigned offset,
                      unsigned size) {
    return std::memcmp(a.Bytes() + offset, b.Bytes() + offset, size) == 0;
}

}  // namespace SynthTest
