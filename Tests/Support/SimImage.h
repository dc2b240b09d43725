#pragma once
// The simulated instrument's memory: every record it stores, kept in the same flat layout as the
// editor's data image so that the two can be compared area by area.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Common/Model/SynthData.h"
#include "Support/SimProtocol.h"

namespace Sim {

enum class Area {
    Global,
    DrumKit,
    ArpPattern,
    ExtControl,
    Program,      // index = bank * 128 + number
    Combination,  // index = bank * 128 + number
    Multi,
    CurProgram,
    CurCombination,
    CurMulti,
};

struct AreaInfo {
    Area area;
    const char* name;
    size_t offset;  // in the flat image
    size_t recordSize;
    int capacity;  // records the flat image has room for
};
const AreaInfo& GetAreaInfo(Area area);
const std::vector<Area>& AllAreas();

// One record that differs between two images.
struct ImageDiff {
    Area area;
    int index;
    std::string label;  // e.g. "program 1:012", "drum kit 3", "current multi"
};
std::string FormatDiffs(const std::vector<ImageDiff>& diffs);

// A bit field of a record: big-endian over byteCount bytes, bit 0 the lowest bit of the last byte.
struct BitField {
    size_t byteOffset = 0;
    int byteCount = 1;
    int lowBit = 0;
    int highBit = 7;
    bool isSigned = false;
};
void WriteBitField(uint8_t* record, const BitField& field, int value);
int ReadBitField(const uint8_t* record, const BitField& field);

class SimImage {
public:
    static constexpr size_t kImageSize = QorX0::kSizeImage;

    explicit SimImage(Model model);

    Model GetModel() const { return mModel; }
    // Records the instrument really has (the Tolva has four program banks).
    int RecordCount(Area area) const;
    uint8_t* Record(Area area, int index);
    const uint8_t* Record(Area area, int index) const;
    std::string RecordName(Area area, int index) const;  // first 16 bytes, trailing spaces cut
    void SetRecordName(Area area, int index, const std::string& name);

    // The whole flat image (editor layout; bytes the instrument has no record for stay zero).
    const uint8_t* Data() const { return mBytes.data(); }
    uint8_t* Data() { return mBytes.data(); }

    // Deterministic contents that differ from any initial image: named records, varied bytes.
    void FillFactory(uint32_t seed);
    // Every record of every area the instrument has set to 'value' (names included).
    void Fill(uint8_t value);

    // Takes every record the instrument has from a flat editor image (kImageSize bytes).
    bool CopyFrom(const uint8_t* editorImage, size_t size);

    // All-data dump body: global, kits, patterns, combinations, program banks, multis, and the
    // external-control sets on the Nerimo only.
    Bytes BuildAllBody() const;
    bool ApplyAllBody(const uint8_t* body, size_t size);

    // Records of this image that differ from 'editorImage' (a flat image of kImageSize bytes).
    std::vector<ImageDiff> Compare(const uint8_t* editorImage, size_t size) const;

private:
    Model mModel;
    std::vector<uint8_t> mBytes;
};

std::string RecordLabel(Area area, int index);

}  // namespace Sim
