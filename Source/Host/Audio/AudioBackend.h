#pragma once
// Audio output devices as the engine sees them. Two backends: ALSA PCM (the real one) and a fake,
// timer-paced device for tests and for runs without a sound card.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Host/Audio/AudioTypes.h"
#include "Host/HostSupport.h"

struct AudioDeviceDescription {
    std::string id;    // what the backend opens
    std::string name;  // shown and saved; unique and stable
    // Rate 0 in every physical format: the device takes any rate inside rateRanges.
    bool anyRate = false;
    std::vector<std::pair<double, double>> rateRanges;
    // The device's physical formats of its one output stream (the non-interleaved flag marks a
    // device that takes one buffer per channel).
    std::vector<AudioStreamBasicDescription> formats;
    uint32_t periodMin = 32, periodMax = 8192;
    bool hasClockSources = false, clockSettable = false;
    std::vector<uint32_t> clockSources;
};

// The device refused the format.
class AudioFormatRefused : public ZbrMacOSException {
public:
    explicit AudioFormatRefused(long code) : ZbrMacOSException(code) {}
};
// The device refused the buffer size; its range.
class AudioBufferSizeRefused : public ZbrMacOSException {
public:
    AudioBufferSizeRefused(long code, uint32_t min, uint32_t max)
        : ZbrMacOSException(code), min(min), max(max) {}
    uint32_t min, max;
};

// Called on a device's IO thread once per period. buffers: one interleaved buffer, or one per
// channel; each holds frames samples of the stream's format. Must not block or allocate.
class IAudioIOProc {
public:
    virtual void Process(void* const* buffers, uint32_t bufferCount, uint32_t frames) = 0;

protected:
    ~IAudioIOProc() = default;
};

// An opened device.
class IAudioStream {
public:
    virtual ~IAudioStream() = default;
    virtual AudioStreamBasicDescription PhysicalFormat() = 0;
    virtual uint32_t PeriodFrames() = 0;
    // Starts calling proc; false when the device cannot start.
    virtual bool Start(IAudioIOProc* proc) = 0;
    // Stops after the device has played what it holds; once it returns proc is not called again.
    virtual void Stop() = 0;
    virtual uint32_t CurrentClockSource() { return 0; }
    virtual void SetClockSource(uint32_t) {}
};

// Told of changes, on any thread.
class IAudioBackendListener {
public:
    virtual void AudioDeviceListChanged() = 0;
    // The opened device's format or period changed from outside.
    virtual void AudioDeviceFormatChanged() = 0;
    virtual void AudioDeviceClockChanged() = 0;

protected:
    ~IAudioBackendListener() = default;
};

class IAudioBackend {
public:
    virtual ~IAudioBackend() = default;
    // False when the list itself cannot be read.
    virtual bool Devices(std::vector<AudioDeviceDescription>* devices) = 0;
    // Opens the device with the format (its rate the wanted rate) and period. exactPeriod: refuse
    // with AudioBufferSizeRefused unless the device takes exactly that period; else the nearest.
    // Throws AudioFormatRefused, AudioBufferSizeRefused or ZbrMacOSException (busy, missing).
    virtual std::unique_ptr<IAudioStream> Open(const std::string& id,
                                               const AudioStreamBasicDescription& format,
                                               uint32_t periodFrames, bool exactPeriod) = 0;
    virtual void SetListener(IAudioBackendListener* listener) = 0;
    // Main thread, about once a second: looks for added or removed devices (the listener is told).
    virtual void Poll() {}
};

// The ALSA PCM backend. extraNames: PCM names listed after the cards as converting devices (for
// tests: "null" plays everything at once and needs no sound card); the program lists none.
std::unique_ptr<IAudioBackend> CreateAlsaAudioBackend(std::vector<std::string> extraNames = {});
