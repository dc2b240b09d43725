#include "Host/Audio/PcmDescription.h"

#include <algorithm>

const double kStandardPcmRates[6] = {44100, 48000, 88200, 96000, 176400, 192000};

namespace {

// The encodings the engine writes, best first.
constexpr SampleKind kKinds[] = {SampleKind::Float32, SampleKind::S32, SampleKind::S24_3, SampleKind::S24_4,
                                 SampleKind::S16};
constexpr uint32_t kMaxPeriod = 8192;

// Stereo where the device takes it, else the fewest channels above one; 0 when none fits.
unsigned ChannelsFor(const PcmCapabilities& caps, SampleKind kind) {
    if (caps.channelsMin <= 2 && caps.channelsMax >= 2 && caps.takes(kind, 2, 0)) return 2;
    const unsigned last = std::min<unsigned>(caps.channelsMax, kMaxPcmChannels);
    for (unsigned c = std::max(caps.channelsMin, 3u); c <= last; ++c)
        if (caps.takes(kind, c, 0)) return c;
    return 0;
}

}  // namespace

bool DescribePcm(const PcmCapabilities& caps, AudioDeviceDescription* d) {
    d->formats.clear();
    d->rateRanges.clear();
    d->anyRate = caps.converting;
    d->periodMin = std::max<uint32_t>(caps.periodMin, 1);
    d->periodMax = std::min(caps.periodMax, kMaxPeriod);
    if (caps.converting) {
        if (caps.channelsMax < 2) return false;
        d->rateRanges = {{static_cast<double>(caps.rateMin), static_cast<double>(caps.rateMax)}};
    }
    bool have24 = false;
    for (SampleKind kind : kKinds) {
        if (caps.converting && kind != SampleKind::Float32 && kind != SampleKind::S16) continue;
        // One 24-bit encoding is enough: the packed one where the device takes both.
        if (kind == SampleKind::S24_4 && have24) continue;
        const unsigned channels = caps.converting ? 2 : ChannelsFor(caps, kind);
        if (channels == 0 || !caps.takes(kind, channels, 0)) continue;
        if (kind == SampleKind::S24_3) have24 = true;
        if (caps.converting) {
            d->formats.push_back(MakeStreamDescription(kind, 0, channels, !caps.interleaved));
            continue;
        }
        for (double rate : kStandardPcmRates)
            if (caps.takes(kind, channels, static_cast<unsigned>(rate)))
                d->formats.push_back(MakeStreamDescription(kind, rate, channels, !caps.interleaved));
    }
    return !d->formats.empty();
}
