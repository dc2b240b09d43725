#include "Support/SimProtocol.h"

namespace Sim {

bool IsValidMode(int mode) {
    return (mode >= Mode::CombiPlay && mode <= Mode::Multi) || mode == Mode::Global;
}

int ProgBanks(Model model) {
    return model == Model::Nerimo ? 5 : 4;
}

size_t AllDumpBodySize(Model model) {
    size_t size = kGlobalSize + kDrumKits * kDrumKitSize + kArpPatterns * kArpPatternSize +
                  kCombiBanks * kBankSize * kCombiSize + ProgBanks(model) * kBankSize * kProgSize +
                  kMultis * kMultiSize;
    // Only the Nerimo carries its external-control sets in the all-data dump.
    if (model == Model::Nerimo) size += kExtControls * kExtControlSize;
    return size;
}

size_t PackedSize(size_t n) {
    return n + (n + 6) / 7;
}

void Pack7(const uint8_t* data, size_t n, Bytes* out) {
    out->reserve(out->size() + PackedSize(n));
    for (size_t group = 0; group < n; group += 7) {
        size_t count = n - group < 7 ? n - group : 7;
        uint8_t highBits = 0;
        for (size_t j = 0; j < count; ++j) highBits |= static_cast<uint8_t>((data[group + j] >> 7) << j);
        out->push_back(highBits);
        for (size_t j = 0; j < count; ++j) out->push_back(data[group + j] & 0x7F);
    }
}

bool Unpack7(const uint8_t* data, size_t n, Bytes* out) {
    out->reserve(out->size() + n);
    size_t pos = 0;
    while (pos < n) {
        uint8_t highBits = data[pos++];
        if (highBits & 0x80) return false;
        for (int j = 0; j < 7 && pos < n; ++j, ++pos) {
            if (data[pos] & 0x80) return false;
            out->push_back(static_cast<uint8_t>(data[pos] | (((highBits >> j) & 1) << 7)));
        }
    }
    return true;
}

void Encode14(int value, uint8_t* hi, uint8_t* lo) {
    unsigned v = static_cast<unsigned>(value) & 0x3FFF;
    *hi = static_cast<uint8_t>(v >> 7);
    *lo = static_cast<uint8_t>(v & 0x7F);
}

int Decode14(uint8_t hi, uint8_t lo) {
    int v = ((hi & 0x7F) << 7) | (lo & 0x7F);
    return v >= 0x2000 ? v - 0x4000 : v;
}

const char* ModeName(int mode) {
    switch (mode) {
        case Mode::CombiPlay:
            return "combination play";
        case Mode::CombiEdit:
            return "combination edit";
        case Mode::ProgPlay:
            return "program play";
        case Mode::ProgEdit:
            return "program edit";
        case Mode::Multi:
            return "multi";
        case Mode::Global:
            return "global";
        default:
            return "invalid mode";
    }
}

}  // namespace Sim
