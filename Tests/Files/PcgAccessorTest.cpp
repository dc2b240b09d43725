// The accessor over the data image: counts per model, where each record lies, what it refuses.
#include <gtest/gtest.h>

#include "Common/Files/PcgAccessor.h"
#include "PcgTestFile.h"

using namespace QorX0;
using namespace PcgTest;

TEST(PcgAccessor, CountsPerModel) {
    Image img(kSizeImage, 0);
    const CQorxxBufferAccessor tolva(0, img.data()), nerimo(1, img.data());
    EXPECT_EQ(tolva.numberOfPCMProgramBank(), 4);
    EXPECT_EQ(tolva.numberOfPCMProgram(), 512);
    EXPECT_EQ(nerimo.numberOfPCMProgramBank(), 5);
    EXPECT_EQ(nerimo.numberOfPCMProgram(), 640);
    for (const auto* a : {&tolva, &nerimo}) {
        EXPECT_EQ(a->numberOfCombinationBank(), 3);
        EXPECT_EQ(a->numberOfCombination(), 384);
        EXPECT_EQ(a->numberOfDrumKit(), 40);
        EXPECT_EQ(a->numberOfArpeggio(), 251);
    }
    int code = 0;
    try {
        CQorxxBufferAccessor bad(2, img.data());
    } catch (int c) {
        code = c;
    }
    EXPECT_EQ(code, 6);
}

TEST(PcgAccessor, RecordsLieAtTheirImageOffsets) {
    Image img = MakeImage(3);
    CQorxxBufferAccessor accessor(1, img.data());

    CQorxxPcmProgramStorage program(1);
    accessor.get(program, 639);
    EXPECT_EQ(0, std::memcmp(program.getBuffer(), img.data() + 248210 + 444 * 639, 444));
    CQorxxCombinationStorage combi(1);
    accessor.get(combi, 383);
    EXPECT_EQ(0, std::memcmp(combi.getBuffer(), img.data() + 532370 + 544 * 383, 544));
    CDrumKitStorage kit;
    accessor.get(kit, 39);
    EXPECT_EQ(0, std::memcmp(kit.getBuffer(), img.data() + 850 + 4112 * 39, 4112));
    CArpeggioStorage arp;
    accessor.get(arp, 250);
    EXPECT_EQ(0, std::memcmp(arp.getBuffer(), img.data() + 165330 + 320 * 250, 320));

    CArpeggioStorage blank;
    accessor.set(blank, 17);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(img.data() + 165330 + 320 * 17), 16), std::string(16, ' '));
}

TEST(PcgAccessor, IndicesOutsideTheModelDoNothing) {
    Image img = MakeImage(4);
    const Image before = img;
    CQorxxBufferAccessor tolva(0, img.data());

    CQorxxPcmProgramStorage program(0);
    tolva.get(program, 600);  // bank E exists in the image but not on this model
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(program.getBuffer()), 16), std::string(16, ' '));
    tolva.set(program, 512);
    tolva.set(program, -1);
    CArpeggioStorage arp;
    tolva.set(arp, 251);
    CDrumKitStorage kit;
    tolva.set(kit, 40);
    CQorxxCombinationStorage combi(0);
    tolva.set(combi, 384);
    EXPECT_EQ(img, before);

    CQorxxBufferAccessor nerimo(1, img.data());
    nerimo.get(program, 600);
    EXPECT_EQ(0, std::memcmp(program.getBuffer(), Program(img, 600), 444));

    CQorxxBufferAccessor none(0, nullptr);
    none.get(arp, 0);
    none.set(arp, 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(arp.getBuffer()), 16), std::string(16, ' '));
}

TEST(PcgAccessor, GlobalKeepsItsAuxiliaryBlockApart) {
    Image img = MakeImage(5);
    const Image before = img;
    CQorxxBufferAccessor accessor(0, img.data());
    CQorxxGlobalStorage global;
    accessor.get(global);
    EXPECT_EQ(0, std::memcmp(global.getBuffer(), img.data(), 840));
    EXPECT_EQ(0, std::memcmp(global.getBuffer() + 846, img.data() + 840, 10));
    EXPECT_EQ(std::vector<unsigned char>(global.getBuffer() + 840, global.getBuffer() + 846),
              std::vector<unsigned char>(6, 0));

    for (uint32_t i = 0; i < global.getSize(); ++i) global.getBuffer()[i] = static_cast<unsigned char>(i * 7);
    accessor.set(global);
    EXPECT_EQ(0, std::memcmp(img.data(), global.getBuffer(), 840));
    EXPECT_EQ(0, std::memcmp(img.data() + 840, global.getBuffer() + 846, 10));
    // Storage bytes 840..845 land nowhere; nothing after the global record changes.
    EXPECT_TRUE(std::equal(img.begin() + 850, img.end(), before.begin() + 850));
}
