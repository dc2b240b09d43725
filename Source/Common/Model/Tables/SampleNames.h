#pragma once
// Sample name lists the sample-name converters show: riffs, multisamples and drum samples.
// The Nerimo's lists extend the Tolva's: its first entries are the Tolva's, in the same order.
#include <cstdint>

namespace QorX0 {

// One entry of a multisample or drum-sample list. attr is not shown: 0 means the sample has no start
// offset to choose, so the sections protect its start-offset rows.
struct SAMPLENAME {
    const char* name;
    uint32_t attr;
};

constexpr unsigned kRiffNameCount = 384;  // the first is "Off"
constexpr unsigned kMultisampleCountTolva = 470;
constexpr unsigned kMultisampleCountNerimo = 642;
constexpr unsigned kDrumSampleCountTolva = 518;
constexpr unsigned kDrumSampleCountNerimo = 929;

extern const char* const g_RiffNames[kRiffNameCount];
extern const SAMPLENAME g_MultisampleNames[kMultisampleCountNerimo];
extern const SAMPLENAME g_DrumSampleNames[kDrumSampleCountNerimo];

// The lists by the names the sections use: the Tolva's are the first entries of the Nerimo's.
inline const char* const* const RIFFNAMES = g_RiffNames;
inline const SAMPLENAME* const SAMPLENAMES_MS_Qor30 = g_MultisampleNames;  // 470 entries
inline const SAMPLENAME* const SAMPLENAMES_MS_Qor40 = g_MultisampleNames;  // 642 entries
inline const SAMPLENAME* const SAMPLENAMES_DS_Qor30 = g_DrumSampleNames;   // 518 entries
inline const SAMPLENAME* const SAMPLENAMES_DS_Qor40 = g_DrumSampleNames;   // 929 entries

// The lists of one model byte (1 Tolva, anything else Nerimo).
constexpr unsigned MultisampleCount(unsigned char pmid) {
    return pmid == 1 ? kMultisampleCountTolva : kMultisampleCountNerimo;
}
constexpr unsigned DrumSampleCount(unsigned char pmid) {
    return pmid == 1 ? kDrumSampleCountTolva : kDrumSampleCountNerimo;
}

}  // namespace QorX0
