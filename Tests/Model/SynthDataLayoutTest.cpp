#include <gtest/gtest.h>

#include <memory>

#include "Common/Model/SynthData.h"

using namespace QorX0;

TEST(SynthDataLayout, AreasFollowEachOtherWithoutGapsAndFillTheImage) {
    const AREADESC areas[] = {kAreaGlobal,   kAreaDrumKits, kAreaArpPatterns, kAreaExtControls,
                              kAreaPrograms, kAreaCombis,   kAreaMultis,      kAreaCurProgram,
                              kAreaCurCombi, kAreaCurMulti, kAreaTail};
    unsigned next = 0;
    for (const AREADESC& a : areas) {
        EXPECT_EQ(a.offset, next);
        next = a.End();
    }
    EXPECT_EQ(next, 899659u);
    EXPECT_EQ(sizeof(CHUNK_REMOTESYNTH), 899659u);
}

TEST(SynthDataLayout, SoundOffsetsFollowBankTimes128PlusNumber) {
    // program bank b, number n at 248,210 + b x 56,832 + n x 444
    EXPECT_EQ(kAreaPrograms.At(3, 5), 248210u + 3 * 56832u + 5 * 444u);
    EXPECT_EQ(kAreaCombis.At(2, 127), 532370u + 2 * 69632u + 127 * 544u);
    EXPECT_EQ(kAreaArpPatterns.At(250), 165330u + 250 * 320u);
    auto image = std::make_unique<CHUNK_REMOTESYNTH>();
    EXPECT_EQ(&image->program[3][5][0], image->At(kAreaPrograms, 3 * 128 + 5));
    EXPECT_EQ(&image->combi[2][127][0], image->Bytes() + kAreaCombis.At(2, 127));
}

TEST(SynthDataLayout, ProgramBanksPerModel) {
    EXPECT_EQ(ProgramBankCount(kPmidTolva), 4u);
    EXPECT_EQ(ProgramBankCount(kPmidNerimo), 5u);
    EXPECT_EQ(AllDumpSize(kPmidTolva), 838034u);
    EXPECT_EQ(AllDumpSize(kPmidNerimo), 897426u);
}
