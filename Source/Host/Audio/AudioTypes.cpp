#include "Host/Audio/AudioTypes.h"

uint32_t SampleBytes(SampleKind kind) {
    switch (kind) {
        case SampleKind::S16:
            return 2;
        case SampleKind::S24_3:
            return 3;
        default:
            return 4;
    }
}

AudioStreamBasicDescription MakeStreamDescription(SampleKind kind, double rate, uint32_t channels,
                                                  bool nonInterleaved) {
    AudioStreamBasicDescription d;
    d.mSampleRate = rate;
    d.mFormatID = kAudioFormatLinearPCM;
    const uint32_t bytes = SampleBytes(kind);
    switch (kind) {
        case SampleKind::Float32:
            d.mFormatFlags = kAudioFormatFlagIsFloat | kAudioFormatFlagIsPacked;
            d.mBitsPerChannel = 32;
            break;
        case SampleKind::S32:
            d.mFormatFlags = kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked;
            d.mBitsPerChannel = 32;
            break;
        case SampleKind::S24_3:
            d.mFormatFlags = kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked;
            d.mBitsPerChannel = 24;
            break;
        case SampleKind::S24_4:
            d.mFormatFlags = kAudioFormatFlagIsSignedInteger;
            d.mBitsPerChannel = 24;
            break;
        case SampleKind::S16:
            d.mFormatFlags = kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked;
            d.mBitsPerChannel = 16;
            break;
    }
    if (nonInterleaved) d.mFormatFlags |= kAudioFormatFlagIsNonInterleaved;
    d.mFramesPerPacket = 1;
    d.mChannelsPerFrame = channels;
    d.mBytesPerFrame = d.mBytesPerPacket = nonInterleaved ? bytes : bytes * channels;
    return d;
}

bool SampleKindOf(const AudioStreamBasicDescription& d, SampleKind* kind) {
    if (d.mFormatID != kAudioFormatLinearPCM) return false;
    const uint32_t flags = d.mFormatFlags & ~kAudioFormatFlagIsNonInterleaved;
    const uint32_t sampleBytes =
        (d.mFormatFlags & kAudioFormatFlagIsNonInterleaved) || d.mChannelsPerFrame == 0
            ? d.mBytesPerFrame
            : d.mBytesPerFrame / d.mChannelsPerFrame;
    SampleKind k;
    if (flags == (kAudioFormatFlagIsFloat | kAudioFormatFlagIsPacked) && d.mBitsPerChannel == 32) {
        k = SampleKind::Float32;
    } else if (flags == (kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked) &&
               d.mBitsPerChannel == 32) {
        k = SampleKind::S32;
    } else if (flags == (kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked) &&
               d.mBitsPerChannel == 24) {
        k = SampleKind::S24_3;
    } else if (flags == kAudioFormatFlagIsSignedInteger && d.mBitsPerChannel == 24) {
        k = SampleKind::S24_4;
    } else if (flags == (kAudioFormatFlagIsSignedInteger | kAudioFormatFlagIsPacked) &&
               d.mBitsPerChannel == 16) {
        k = SampleKind::S16;
    } else {
        return false;
    }
    if (sampleBytes != SampleBytes(k)) return false;
    *kind = k;
    return true;
}
