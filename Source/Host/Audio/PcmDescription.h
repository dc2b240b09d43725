#pragma once
// What an ALSA playback device is offered as: from what its hardware parameters take to the
// formats of its description. Kept apart from the ALSA calls so that any device can be described
// without a sound card.
#include <cstdint>
#include <functional>

#include "Host/Audio/AudioBackend.h"

// The rates a musician's interface runs at; a device that is not converting is offered at those of
// them it takes.
extern const double kStandardPcmRates[6];
// The most channels a device is described with.
constexpr uint32_t kMaxPcmChannels = 32;

struct PcmCapabilities {
    // Converts rates, encodings and channel counts itself (plughw, default): offered at any rate in
    // [rateMin, rateMax] as float or 16-bit stereo.
    bool converting = false;
    // Takes one interleaved buffer; else one buffer a channel.
    bool interleaved = true;
    unsigned channelsMin = 0, channelsMax = 0;
    unsigned rateMin = 0, rateMax = 0;
    uint32_t periodMin = 0, periodMax = 0;
    // Whether the device takes the encoding with that many channels at that rate (0: at some rate).
    std::function<bool(SampleKind kind, unsigned channels, unsigned rate)> takes;
};

// Fills the formats, rates and period range of d (id and name stay as they are): a device that is
// not converting is described with stereo where it takes two channels (else the fewest it takes,
// at most kMaxPcmChannels) at each standard rate it takes. False when nothing can be offered.
bool DescribePcm(const PcmCapabilities& caps, AudioDeviceDescription* d);
