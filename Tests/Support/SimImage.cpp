#include "Support/SimImage.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <stdexcept>

namespace Sim {

namespace {

// Offsets come from the editor's own layout constants so that both images line up byte for byte.
const std::vector<AreaInfo>& AreaTable() {
    using namespace QorX0;
    static const std::vector<AreaInfo> table = {
        {Area::Global, "global", kAreaGlobal.offset, kAreaGlobal.recordSize, int(kAreaGlobal.count)},
        {Area::DrumKit, "drum kit", kAreaDrumKits.offset, kAreaDrumKits.recordSize, int(kAreaDrumKits.count)},
        {Area::ArpPattern, "arpeggio pattern", kAreaArpPatterns.offset, kAreaArpPatterns.recordSize,
         int(kAreaArpPatterns.count)},
        {Area::ExtControl, "external-control set", kAreaExtControls.offset, kAreaExtControls.recordSize,
         int(kAreaExtControls.count)},
        {Area::Program, "program", kAreaPrograms.offset, kAreaPrograms.recordSize, int(kAreaPrograms.count)},
        {Area::Combination, "combination", kAreaCombis.offset, kAreaCombis.recordSize,
         int(kAreaCombis.count)},
        {Area::Multi, "multi", kAreaMultis.offset, kAreaMultis.recordSize, int(kAreaMultis.count)},
        {Area::CurProgram, "current program", kAreaCurProgram.offset, kAreaCurProgram.recordSize, 1},
        {Area::CurCombination, "current combination", kAreaCurCombi.offset, kAreaCurCombi.recordSize, 1},
        {Area::CurMulti, "current multi", kAreaCurMulti.offset, kAreaCurMulti.recordSize, 1},
    };
    return table;
}

bool HasName(Area area) {
    return area != Area::Global;
}

// The instrument's category names in its global record: sixteen program categories at byte 328 and
// sixteen combination categories at byte 584, 16 characters each, space-padded.
constexpr size_t kProgCategoryNames = 328;
constexpr size_t kCombiCategoryNames = 584;
constexpr const char* kProgCategories[16] = {"Piano",  "E.Piano", "Organ", "Strings", "Choir",      "Brass",
                                             "Reed",   "Guitar",  "Bass",  "Pad",     "Poly Synth", "Lead",
                                             "Motion", "Effect",  "Arp",   "Drums"};
constexpr const char* kCombiCategories[16] = {
    "Piano", "Organ",  "Mallet", "Strings",    "Brass",      "Ensemble", "World", "Guitar",
    "Pads",  "Motion", "Synth",  "Lead Split", "Bass Split", "Effects",  "User",  "Rhythm"};

void PutCategoryNames(uint8_t* global) {
    for (int i = 0; i < 16; ++i) {
        char name[17];
        std::snprintf(name, sizeof name, "%-16s", kProgCategories[i]);
        std::memcpy(global + kProgCategoryNames + 16 * i, name, 16);
        std::snprintf(name, sizeof name, "%-16s", kCombiCategories[i]);
        std::memcpy(global + kCombiCategoryNames + 16 * i, name, 16);
    }
}

// Small deterministic generator so that factory data is the same on every run.
uint32_t NextRandom(uint32_t* state) {
    *state = *state * 1664525u + 1013904223u;
    return *state >> 8;
}

}  // namespace

const AreaInfo& GetAreaInfo(Area area) {
    return AreaTable()[static_cast<size_t>(area)];
}

const std::vector<Area>& AllAreas() {
    static const std::vector<Area> areas = {
        Area::Global,      Area::DrumKit, Area::ArpPattern, Area::ExtControl,     Area::Program,
        Area::Combination, Area::Multi,   Area::CurProgram, Area::CurCombination, Area::CurMulti};
    return areas;
}

std::string RecordLabel(Area area, int index) {
    const AreaInfo& info = GetAreaInfo(area);
    char text[64];
    if (area == Area::Program || area == Area::Combination)
        std::snprintf(text, sizeof text, "%s %d:%03d", info.name, index / kBankSize, index % kBankSize);
    else if (info.capacity == 1)
        std::snprintf(text, sizeof text, "%s", info.name);
    else
        std::snprintf(text, sizeof text, "%s %d", info.name, index);
    return text;
}

std::string FormatDiffs(const std::vector<ImageDiff>& diffs) {
    if (diffs.empty()) return "no differences";
    std::string text;
    for (const ImageDiff& d : diffs) {
        if (!text.empty()) text += ", ";
        text += d.label;
    }
    return text;
}

void WriteBitField(uint8_t* record, const BitField& field, int value) {
    uint32_t word = 0;
    for (int i = 0; i < field.byteCount; ++i) word = (word << 8) | record[field.byteOffset + i];
    int width = field.highBit - field.lowBit + 1;
    uint32_t mask = (width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1)) << field.lowBit;
    word = (word & ~mask) | ((static_cast<uint32_t>(value) << field.lowBit) & mask);
    for (int i = field.byteCount - 1; i >= 0; --i) {
        record[field.byteOffset + i] = static_cast<uint8_t>(word);
        word >>= 8;
    }
}

int ReadBitField(const uint8_t* record, const BitField& field) {
    uint32_t word = 0;
    for (int i = 0; i < field.byteCount; ++i) word = (word << 8) | record[field.byteOffset + i];
    int width = field.highBit - field.lowBit + 1;
    uint32_t value = (word >> field.lowBit) & (width >= 32 ? 0xFFFFFFFFu : ((1u << width) - 1));
    if (field.isSigned && width < 32 && (value >> (width - 1)) & 1)
        return static_cast<int>(value) - (1 << width);
    return static_cast<int>(value);
}

SimImage::SimImage(Model model) : mModel(model), mBytes(kImageSize, 0) {}

int SimImage::RecordCount(Area area) const {
    if (area == Area::Program) return ProgBanks(mModel) * kBankSize;
    return GetAreaInfo(area).capacity;
}

uint8_t* SimImage::Record(Area area, int index) {
    return const_cast<uint8_t*>(static_cast<const SimImage*>(this)->Record(area, index));
}

const uint8_t* SimImage::Record(Area area, int index) const {
    const AreaInfo& info = GetAreaInfo(area);
    if (index < 0 || index >= info.capacity) throw std::out_of_range("SimImage::Record");
    return mBytes.data() + info.offset + static_cast<size_t>(index) * info.recordSize;
}

std::string SimImage::RecordName(Area area, int index) const {
    const uint8_t* p = Record(area, index);
    std::string name(reinterpret_cast<const char*>(p), 16);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\0')) name.pop_back();
    return name;
}

void SimImage::SetRecordName(Area area, int index, const std::string& name) {
    uint8_t* p = Record(area, index);
    for (size_t i = 0; i < 16; ++i) p[i] = i < name.size() ? static_cast<uint8_t>(name[i]) : ' ';
}

void SimImage::FillFactory(uint32_t seed) {
    uint32_t state = seed;
    for (Area area : AllAreas()) {
        const AreaInfo& info = GetAreaInfo(area);
        for (int i = 0; i < RecordCount(area); ++i) {
            uint8_t* p = Record(area, i);
            for (size_t b = 0; b < info.recordSize; ++b) p[b] = static_cast<uint8_t>(NextRandom(&state));
            if (HasName(area)) {
                char name[17];
                std::snprintf(name, sizeof name, "Sim %.6s %03d", info.name, i % 1000);
                SetRecordName(area, i, name);
            }
        }
    }
    PutCategoryNames(Record(Area::Global, 0));
}

void SimImage::Fill(uint8_t value) {
    for (Area area : AllAreas())
        for (int i = 0; i < RecordCount(area); ++i)
            std::memset(Record(area, i), value, GetAreaInfo(area).recordSize);
}

namespace {

// The areas of the all-data dump body in their order, with the number of records of each.
std::vector<std::pair<Area, int>> AllBodyLayout(Model model) {
    std::vector<std::pair<Area, int>> layout = {
        {Area::Global, 1},
        {Area::DrumKit, kDrumKits},
        {Area::ArpPattern, kArpPatterns},
        {Area::Combination, kCombiBanks * kBankSize},
        {Area::Program, ProgBanks(model) * kBankSize},
        {Area::Multi, kMultis},
    };
    if (model == Model::Nerimo) layout.push_back({Area::ExtControl, kExtControls});
    return layout;
}

}  // namespace

Bytes SimImage::BuildAllBody() const {
    Bytes body;
    body.reserve(AllDumpBodySize(mModel));
    for (auto [area, count] : AllBodyLayout(mModel)) {
        const uint8_t* p = Record(area, 0);
        body.insert(body.end(), p, p + count * GetAreaInfo(area).recordSize);
    }
    return body;
}

bool SimImage::ApplyAllBody(const uint8_t* body, size_t size) {
    if (size != AllDumpBodySize(mModel)) return false;
    for (auto [area, count] : AllBodyLayout(mModel)) {
        size_t n = count * GetAreaInfo(area).recordSize;
        std::memcpy(Record(area, 0), body, n);
        body += n;
    }
    return true;
}

bool SimImage::CopyFrom(const uint8_t* editorImage, size_t size) {
    if (size < kImageSize) return false;
    for (Area area : AllAreas()) {
        const AreaInfo& info = GetAreaInfo(area);
        std::memcpy(Record(area, 0), editorImage + info.offset, RecordCount(area) * info.recordSize);
    }
    return true;
}

std::vector<ImageDiff> SimImage::Compare(const uint8_t* editorImage, size_t size) const {
    std::vector<ImageDiff> diffs;
    if (size < kImageSize) {
        diffs.push_back({Area::Global, -1, "editor image too small"});
        return diffs;
    }
    for (Area area : AllAreas()) {
        const AreaInfo& info = GetAreaInfo(area);
        for (int i = 0; i < RecordCount(area); ++i) {
            size_t at = info.offset + static_cast<size_t>(i) * info.recordSize;
            if (std::memcmp(mBytes.data() + at, editorImage + at, info.recordSize) != 0)
                diffs.push_back({area, i, RecordLabel(area, i)});
        }
    }
    return diffs;
}

}  // namespace Sim
