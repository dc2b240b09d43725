#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "Common/Model/Banks.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Model/Presets.h"
#include "Common/Model/SynthData.h"
#include "Linux/Sync.h"

using namespace QorX0;

namespace {
struct Images {
    std::unique_ptr<CHUNK_REMOTESYNTH> image = std::make_unique<CHUNK_REMOTESYNTH>();
    std::vector<uint8_t> presets = std::vector<uint8_t>(kSizePresetImage);
    explicit Images(unsigned char pmid) {
        InitAllChunk(image.get());
        FillPresetImage(presets.data(), pmid);
    }
};

std::vector<std::string> Names(IBankList& list) {
    std::vector<std::string> names;
    for (unsigned i = 0; i < list.GetCount(); ++i) names.push_back(list.GetAt(i)->GetName());
    return names;
}
}  // namespace

TEST(Banks, ProgramBanksPerModelWithPresetBanksLast) {
    Images tolva(kPmidTolva), nerimo(kPmidNerimo);
    CBankListImpl t, n;
    BuildProgramBankList(&t, kPmidTolva, tolva.image.get(), tolva.presets.data());
    BuildProgramBankList(&n, kPmidNerimo, nerimo.image.get(), nerimo.presets.data());
    EXPECT_EQ(Names(t), (std::vector<std::string>{"A", "B", "C", "D", "G", "g(d)"}));
    EXPECT_EQ(Names(n), (std::vector<std::string>{"A", "B", "C", "D", "E", "G", "g(d)"}));
    EXPECT_EQ(t.GetAt(6), nullptr);
    for (unsigned b = 0; b < t.GetCount(); ++b) EXPECT_EQ(t.GetAt(b)->GetCount(), 128u);

    // The Tolva's bank E bytes exist in the image but no sound of its list lies in them.
    const uint8_t* e0 = tolva.image->program[4][0];
    const uint8_t* e1 = e0 + kAreaPrograms.BankSize();
    // Writing through every sound of every listed bank never reaches bank E.
    uint8_t marker[4] = {'Z', 'Z', 'Z', 'Z'};
    for (unsigned b = 0; b < 4; ++b)
        for (unsigned i = 0; i < 128; ++i) t.GetAt(b)->GetAt(i)->RawPut(marker, 0, 4);
    EXPECT_EQ(memcmp(tolva.image->program[3][127], "ZZZZ", 4), 0);
    for (const uint8_t* p = e0; p < e1; p += kSizeProgram)
        EXPECT_EQ(memcmp(p, INITCHUNK_PROG, kSizeProgram), 0);

    ISound* e = n.GetAt(4)->GetAt(5);
    EXPECT_EQ(e->RawPut(marker, 0, 4), 4u);
    EXPECT_EQ(memcmp(nerimo.image->program[4][5], "ZZZZ", 4), 0);
}

TEST(Banks, DrumPresetBankHoldsTheDrumProgramsOfTheGMMap) {
    Images img(kPmidTolva);
    CBankListImpl list;
    BuildProgramBankList(&list, kPmidTolva, img.image.get(), img.presets.data());
    IBank* gd = list.GetAt(5);
    ISound* first = gd->GetAt(0);  // the 129th preset program
    EXPECT_EQ(first->RawSize(), 444u);
    uint8_t rec[444];
    ASSERT_EQ(first->RawGet(rec, 0, 444), 444u);
    EXPECT_EQ(memcmp(rec, img.presets.data() + 128 * 444, 444), 0);
    EXPECT_EQ(memcmp(rec, PresetProgramGMD(0), 444), 0);
    EXPECT_EQ(gd->GetAt(24)->GetName(), extractchunkname(PresetProgramGMD(3)));
    EXPECT_EQ(gd->GetAt(56)->GetName(), extractchunkname(PresetProgramGMD(8)));
    EXPECT_EQ(gd->GetAt(100)->GetName(), extractchunkname(PresetProgramGMD(0)));
    const unsigned expected[][2] = {{0, 0},  {7, 0},  {8, 1},  {23, 2}, {24, 3}, {25, 4},
                                    {39, 5}, {47, 6}, {55, 7}, {63, 8}, {64, 0}, {127, 0}};
    for (auto& e : expected) EXPECT_EQ(VINITINDICES_PROG_GMD[e[0]], e[1]) << e[0];
    // Presets are read-only.
    uint8_t marker = 'Z';
    EXPECT_EQ(list.GetAt(4)->GetAt(0)->RawPut(&marker, 0, 1), 0u);
    EXPECT_NE(img.presets[0], 'Z');
}

TEST(Banks, RawAccessIsClippedToTheRecord) {
    uint8_t record[444];
    for (unsigned i = 0; i < 444; ++i) record[i] = static_cast<uint8_t>(i);
    CSoundImpl sound(record, 444);
    uint8_t buffer[100];
    EXPECT_EQ(sound.RawGet(buffer, 400, 100), 44u);
    EXPECT_EQ(buffer[0], static_cast<uint8_t>(400));
    EXPECT_EQ(sound.RawGet(buffer, 444, 100), 0u);
    EXPECT_EQ(sound.RawPut(buffer, 444, 1), 0u);
    EXPECT_EQ(sound.RawPut(buffer, 440, 100), 4u);
}

TEST(Banks, SoundNamesAreTheRecordNames) {
    uint8_t record[444] = {};
    CSoundImpl sound(record, 444);
    EXPECT_EQ(sound.GetName(), "");
    memcpy(record, "ABCDEFGHIJKLMNOPQ", 17);
    EXPECT_EQ(sound.GetName(), "ABCDEFGHIJKLMNOP");
}

TEST(Banks, BankOutOfRangeAndEmptyNames) {
    uint8_t data[40 * 3];
    CBankImpl bank;
    bank.Init(nullptr, 3, data, sizeof data);
    EXPECT_EQ(bank.GetName(), "");
    EXPECT_EQ(bank.GetCount(), 3u);
    EXPECT_EQ(bank.GetAt(3), nullptr);
    EXPECT_EQ(bank.GetAt(2)->RawSize(), 40u);
    CBankImpl empty;
    empty.Init("X", 0, data, sizeof data);
    EXPECT_EQ(empty.GetCount(), 0u);
}

TEST(Banks, CombinationMultiAndItemLists) {
    Images img(kPmidNerimo);
    CBankListImpl combis, multis;
    BuildCombiBankList(&combis, img.image.get());
    BuildMultiBankList(&multis, img.image.get());
    EXPECT_EQ(Names(combis), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(Names(multis), (std::vector<std::string>{"M"}));
    EXPECT_EQ(combis.GetAt(2)->GetAt(127)->RawSize(), 544u);
    EXPECT_EQ(multis.GetAt(0)->GetAt(127)->RawSize(), 1220u);

    CBankImpl kits, patterns, ext;
    BuildDrumKitItems(&kits, img.image.get());
    BuildArpPatternItems(&patterns, img.image.get());
    BuildExtControlItems(&ext, img.image.get());
    EXPECT_EQ(kits.GetName(), "Drumkits");
    EXPECT_EQ(kits.GetCount(), 40u);
    EXPECT_EQ(kits.GetAt(0)->RawSize(), 4112u);
    EXPECT_EQ(patterns.GetName(), "Arp.Patterns");
    EXPECT_EQ(patterns.GetCount(), 256u);
    const char* presetNames[] = {"UP", "DOWN", "ALT1", "ALT2", "RANDOM"};
    for (unsigned i = 0; i < 5; ++i)
        EXPECT_EQ(patterns.GetAt(i)->GetName().substr(0, strlen(presetNames[i])), presetNames[i]);
    EXPECT_EQ(patterns.GetAt(5)->GetName(), "ArpeggioPat000  ");
    uint8_t marker = 'Z';
    EXPECT_EQ(patterns.GetAt(0)->RawPut(&marker, 0, 1), 0u);
    EXPECT_EQ(patterns.GetAt(5)->RawPut(&marker, 0, 1), 1u);
    EXPECT_EQ(img.image->arppattern[0][0], 'Z');
    EXPECT_EQ(ext.GetName(), "Ext.Controls");
    EXPECT_EQ(ext.GetCount(), 64u);
    EXPECT_EQ(ext.GetAt(63)->GetName(), "ExternalSet000  ");
}

// A sound reads and writes its record under the image's lock (another thread writes the image):
// while the lock is held elsewhere, a read waits for it, and the list hands the lock to every bank,
// those added after it was set too.
TEST(BanksThreaded, SoundsReadAndWriteUnderTheImageLock) {
    Images img(kPmidTolva);
    CHfcCriticalSection lock;
    CBankListImpl programs;
    programs.SetLock(&lock);
    BuildProgramBankList(&programs, kPmidTolva, img.image.get(), img.presets.data());
    CBankImpl kits;
    kits.SetLock(&lock);
    BuildDrumKitItems(&kits, img.image.get());
    ISound* const sounds[] = {programs.GetAt(0)->GetAt(3), programs.GetAt(5)->GetAt(1), kits.GetAt(2)};
    for (ISound* sound : sounds) {
        lock.Lock();
        std::atomic<int> done{0};
        std::thread reader([&] {
            uint8_t bytes[4];
            sound->RawGet(bytes, 0, 4);
            sound->GetName();
            done = 1;
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        EXPECT_EQ(done.load(), 0);  // still waiting for the lock
        lock.Unlock();
        reader.join();
        EXPECT_EQ(done.load(), 1);
    }
}
