// The initial records may be read from any initialiser of the program: a global object of this
// file, made before any test runs and in no known order with the library's own, copies every one.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Common/Model/SynthData.h"

namespace QorX0 {
namespace {

struct EarlyCopies {
    EarlyCopies() {
        const std::pair<const uint8_t*, unsigned> records[] = {
            {INITCHUNK_GLOBAL, kSizeGlobal},         {INITCHUNK_DRUMKIT, kSizeDrumKit},
            {INITCHUNK_PROG, kSizeProgram},          {INITCHUNK_COMBI, kSizeCombi},
            {INITCHUNK_MULTI, kSizeMulti},           {INITCHUNK_SETUP, kSizeSetup},
            {INITCHUNK_ARPPATTERN, kSizeArpPattern}, {INITCHUNK_EXTCONTROL, kSizeExtControl}};
        for (auto [bytes, size] : records) copies.emplace_back(bytes, bytes + size);
    }
    std::vector<std::vector<uint8_t>> copies;
};
const EarlyCopies early;

TEST(InitRecordEarly, ReadFromAGlobalInitialiserTheyHoldTheInitialRecords) {
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    InitAllChunk(image.get());
    const std::vector<uint8_t> expected[] = {
        {image->global, image->global + kSizeGlobal},
        {image->drumkit[0], image->drumkit[0] + kSizeDrumKit},
        {image->curprogram, image->curprogram + kSizeProgram},
        {image->curcombi, image->curcombi + kSizeCombi},
        {image->curmulti, image->curmulti + kSizeMulti},
        {&INITCHUNK_SETUP[0], INITCHUNK_SETUP + kSizeSetup},
        {image->arppattern[0], image->arppattern[0] + kSizeArpPattern},
        {&INITCHUNK_EXTCONTROL[0], INITCHUNK_EXTCONTROL + kSizeExtControl},
    };
    ASSERT_EQ(early.copies.size(), std::size(expected));
    for (size_t i = 0; i < early.copies.size(); ++i) EXPECT_EQ(early.copies[i], expected[i]) << i;
}

}  // namespace
}  // namespace QorX0
