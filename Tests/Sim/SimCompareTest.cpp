// Comparing the simulated instrument's memory with an editor image, area by area.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "Common/Model/SynthData.h"
#include "Support/SimCore.h"

using namespace Sim;

namespace {

std::vector<uint8_t> EditorCopy(const SimCore& sim) {
    std::vector<uint8_t> image(sim.Image().Data(), sim.Image().Data() + SimImage::kImageSize);
    image[QorX0::kAreaCurProgramRecord.offset] = sim.State().progBank;
    image[QorX0::kAreaCurProgramRecord.offset + 1] = sim.State().progNumber;
    image[QorX0::kAreaCurCombiRecord.offset] = sim.State().combiBank;
    image[QorX0::kAreaCurCombiRecord.offset + 1] = sim.State().combiNumber;
    image[QorX0::kAreaCurMultiRecord.offset + 1] = sim.State().multiNumber;
    image[QorX0::kOffMode] = sim.State().mode;
    return image;
}

}  // namespace

TEST(SimCompare, EqualImagesHaveNoDifferences) {
    SimCore sim(Model::Nerimo);
    sim.Image().FillFactory(9);
    std::vector<uint8_t> editor = EditorCopy(sim);
    EXPECT_TRUE(sim.CompareWithEditor(editor.data(), editor.size()).empty());
}

TEST(SimCompare, NamesEachDifferingRecord) {
    SimCore sim(Model::Tolva);
    sim.Image().FillFactory(9);
    std::vector<uint8_t> editor = EditorCopy(sim);
    editor[QorX0::kAreaPrograms.At(1, 12) + 443] ^= 1;
    editor[QorX0::kAreaDrumKits.At(39)] ^= 1;
    editor[QorX0::kAreaCurMulti.offset + 5] ^= 1;
    editor[QorX0::kAreaPrograms.At(4, 0)] ^= 1;  // bank E: not on the Tolva, not compared
    editor[QorX0::kOffMode] = 6;
    std::vector<ImageDiff> diffs = sim.CompareWithEditor(editor.data(), editor.size());
    EXPECT_EQ(FormatDiffs(diffs), "drum kit 39, program 1:012, current multi, mode");
    EXPECT_EQ(sim.CompareWithEditor(editor.data(), editor.size(), false).size(), 3u);
}

TEST(SimCompare, NerimoComparesBankE) {
    SimCore sim(Model::Nerimo);
    std::vector<uint8_t> editor = EditorCopy(sim);
    editor[QorX0::kAreaPrograms.At(4, 127)] ^= 1;
    EXPECT_EQ(FormatDiffs(sim.CompareWithEditor(editor.data(), editor.size())), "program 4:127");
}

TEST(SimCompare, AgainstInitialEditorImage) {
    // A fresh editor image differs from the instrument's factory data in every record.
    auto editor = std::make_unique<QorX0::CHUNK_REMOTESYNTH>();
    std::memset(editor.get(), 0, sizeof *editor);
    SimCore sim(Model::Tolva);
    sim.Image().FillFactory(1);
    std::vector<ImageDiff> diffs = sim.CompareWithEditor(editor->Bytes(), sizeof *editor, false);
    EXPECT_EQ(diffs.size(), 1u + 40 + 251 + 64 + 4 * 128 + 3 * 128 + 128 + 3);
}

TEST(SimCompare, CopyFromEditorTakesOnlyWhatTheInstrumentHas) {
    std::vector<uint8_t> editor(SimImage::kImageSize);
    for (size_t i = 0; i < editor.size(); ++i) editor[i] = static_cast<uint8_t>(i * 13 + 1);
    SimCore sim(Model::Tolva);
    ASSERT_TRUE(sim.Image().CopyFrom(editor.data(), editor.size()));
    EXPECT_TRUE(sim.CompareWithEditor(editor.data(), editor.size(), false).empty());
    EXPECT_EQ(sim.Image().Record(Area::Program, 4 * 128)[0], 0);  // bank E stays empty on the Tolva
    EXPECT_FALSE(sim.Image().CopyFrom(editor.data(), editor.size() - 1));
}
