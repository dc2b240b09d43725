#pragma once
// Our description of an audio format, kept in the preferences record and compared field by field.
// ALSA formats map onto it: float 32 (flags float|packed, 32 bits), S32 (signed|packed, 32),
// S24_3 (signed|packed, 24 bits in 3 bytes), S24 (signed, 24 bits in 4 bytes, not packed),
// S16 (signed|packed, 16).
#include <cstdint>

constexpr uint32_t kAudioFormatLinearPCM = 0x6C70636Du;  // 'lpcm'
constexpr uint32_t kAudioFormatFlagIsFloat = 1u << 0;
constexpr uint32_t kAudioFormatFlagIsSignedInteger = 1u << 2;
constexpr uint32_t kAudioFormatFlagIsPacked = 1u << 3;
constexpr uint32_t kAudioFormatFlagIsNonInterleaved = 1u << 5;

struct AudioStreamBasicDescription {
    double mSampleRate = 0;
    uint32_t mFormatID = 0;
    uint32_t mFormatFlags = 0;
    uint32_t mBytesPerPacket = 0;
    uint32_t mFramesPerPacket = 0;
    uint32_t mBytesPerFrame = 0;
    uint32_t mChannelsPerFrame = 0;
    uint32_t mBitsPerChannel = 0;
    uint32_t mReserved = 0;

    // Every field but the reserved one.
    bool SameAs(const AudioStreamBasicDescription& o) const {
        return mSampleRate == o.mSampleRate && mFormatID == o.mFormatID && mFormatFlags == o.mFormatFlags &&
               mBytesPerPacket == o.mBytesPerPacket && mFramesPerPacket == o.mFramesPerPacket &&
               mBytesPerFrame == o.mBytesPerFrame && mChannelsPerFrame == o.mChannelsPerFrame &&
               mBitsPerChannel == o.mBitsPerChannel;
    }
};

// The sample encodings the engine writes.
enum class SampleKind { Float32, S32, S24_3, S24_4, S16 };

// The description of an interleaved format of the given kind (rate 0 stands for any rate).
AudioStreamBasicDescription MakeStreamDescription(SampleKind kind, double rate, uint32_t channels,
                                                  bool nonInterleaved = false);
// The kind a description names; false when it is none the engine writes.
bool SampleKindOf(const AudioStreamBasicDescription& d, SampleKind* kind);
// Bytes of one sample of the kind.
uint32_t SampleBytes(SampleKind kind);
