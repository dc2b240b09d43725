#pragma once
// The standalone program's audio output: the list of output devices with the formats offered for
// them, the chosen device, the render path (the hosted unit rendered into two float channels,
// faded, written to the chosen pair of device channels in the device's own format), start and stop
// with fades, device notifications and the CPU-load watch with its auto stop.
//
// Threads: everything runs on the main thread except Process, which runs on the device's IO thread.
// The IO thread reads state that the main thread changes only while the device is stopped; the
// fade gain, the CPU window and the cycle start are atomics; the IO thread takes no lock.
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Host/Audio/AudioBackend.h"
#include "Host/HostSupport.h"
#include "Host/HostedUnit.h"

class RunLoop;

// The host clock: nanoseconds of the monotonic clock, or a test's clock.
using HostClockFn = uint64_t (*)(void* context);
uint64_t HostClockMonotonicNs(void*);

// Told of each render cycle's start and of the engine's rate and period (the MIDI manager).
class IAudioCycleListener {
public:
    virtual void SetSampleRateAndBufferFrameSize(double rate, uint32_t frames) = 0;
    // On the IO thread, without blocking.
    virtual void InProcess(uint64_t cycleStartNs) = 0;

protected:
    ~IAudioCycleListener() = default;
};

// CPU load of the render path: each callback's duration over the callback period.
class CpuLoadWatch {
public:
    static constexpr uint32_t kMaxWindow = 256;

    void SetSampleRateAndBufferFrameSize(double rate, uint32_t frames);
    void BeginProcess(uint64_t nowNs) { m_begin = nowNs; }
    void EndProcess(uint64_t nowNs);
    void SetIsProcessing(bool on);
    bool GetIsProcessing() const { return m_processing.load(std::memory_order_relaxed); }
    // False, load 0, until one whole window was measured while processing.
    bool GetCPULoad(float* load) const;
    void SetAutoStop(bool on, int percent) {
        m_autoStop.store(on);
        m_limit.store(percent);
    }
    bool AutoStop() const { return m_autoStop.load(); }
    int Limit() const { return m_limit.load(); }
    uint32_t WindowSize() const { return m_window.load(); }

private:
    uint64_t m_begin = 0;  // IO thread only
    std::atomic<uint64_t> m_slots[kMaxWindow] = {};
    std::atomic<uint32_t> m_window{1};
    std::atomic<uint32_t> m_counter{0};
    std::atomic<double> m_k{0};
    std::atomic<bool> m_processing{false};
    std::atomic<bool> m_autoStop{false};
    std::atomic<int> m_limit{100};
};

// One offered format of a device.
struct OfferedStream {
    std::string label;
    AudioStreamBasicDescription format;
    double bufferMin = 32.0, bufferMax = 8192.0;
    uint32_t defaultBufferFrames = 256;
    uint32_t reserved = 0;
};

struct OutputDevice {
    uint32_t id = 0;  // 1-based position in the list when it was built; 0 is no device
    std::string backendID;
    bool anyRate = false;
    std::string name;
    std::vector<OfferedStream> formats;
    std::vector<uint32_t> clockSources;
    bool clockSettable = false;
    bool hasClockSources = false;
    uint32_t periodMin = 32, periodMax = 8192;
};

class VintorAudioEngine final : private IAudioIOProc, private IAudioBackendListener {
public:
    // backend and shell are not owned and outlive the engine.
    VintorAudioEngine(IAudioBackend* backend, IHostShell* shell, HostClockFn clock = HostClockMonotonicNs,
                      void* clockContext = nullptr);
    ~VintorAudioEngine();
    VintorAudioEngine(const VintorAudioEngine&) = delete;
    VintorAudioEngine& operator=(const VintorAudioEngine&) = delete;

    void SetUnit(IHostedUnit* unit) { m_unit = unit; }
    void SetCycleListener(IAudioCycleListener* listener) { m_cycleListener = listener; }

    // ---- Device list
    void getAllDevices();
    int GetDeviceCount() const { return static_cast<int>(m_devices.size()); }
    void GetDeviceName(int index, std::string* name) const;
    int GetDeviceFormatCount(int index) const;
    void GetDeviceFormat(int index, int formatIndex, AudioStreamBasicDescription* format) const;
    void GetDeviceFormatName(int index, int formatIndex, std::string* name) const;
    uint32_t getChannelsByAudioAudioDeviceID(uint32_t id, int formatIndex) const;
    uint32_t getAudioDeviceIDbyIndex(int index) const;
    int getAudioIndexByAudioDeviceID(uint32_t id) const;
    int getAudioDeviceIndexByName(const std::string& name, uint32_t* id) const;
    bool IsDeviceAnyRateAtIndex(int index) const;
    const AudioStreamBasicDescription* getStreamDescriptionByAudioDeviceIDAndIndex(uint32_t id,
                                                                                   int formatIndex) const;
    int getAudioStreamIndexByAudioStreamBasicDescription(uint32_t id,
                                                         const AudioStreamBasicDescription& d) const;
    void Device_IsSupportClockSource(uint32_t id, bool* has, bool* settable) const;
    void Device_GetClockSourceIDList(uint32_t id, std::vector<uint32_t>* list) const;
    uint32_t Device_GetCurrentClockSourceID();
    void Device_SetClockSourceID(uint32_t clockID);
    // The device's period range (maximum capped at 8192) and the current period.
    void Device_GetBufferFrameSizeRangeInCurrentFormat(uint32_t* min, uint32_t* max, uint32_t* current) const;

    // ---- Engine
    // Throws nothing: failures show their alert, then the settings are recovered once through
    // the recover function given here (the settings window's cancel and apply).
    void graphSetOutputDeviceAndStream(uint32_t device, bool anyRate,
                                       const AudioStreamBasicDescription& format, uint32_t bufferFrames,
                                       uint32_t startChannel, bool setClock, uint32_t clockSourceID,
                                       bool adoptDeviceBufferSize, bool* failed, bool* result);
    void SetRecoverFunction(void (*recover)(void*), void* context) {
        m_recover = recover;
        m_recoverContext = context;
    }
    void graphSetOutputDeviceToNone();
    void startGraph();
    bool stopGraph();
    void InternalAudioStop();
    void finishAudio();
    uint32_t getCurrentAudioDeviceID() const { return m_currentDevice; }
    const AudioStreamBasicDescription& getCurrentFormat() const { return m_currentFormat; }
    uint32_t GetDeviceBufferFrameSize() const { return m_bufferFrames; }
    uint64_t GetDeviceStartTime() const { return m_startTimeUs; }
    bool IsPlaying() const { return m_playing; }
    // The device's buffer size after the last device choice (the one read back when adopted).
    // The channel locations of the chosen pair: buffer number and channel within it, -1 not found.
    int FirstChannelBuffer() const { return m_loc[0].buffer; }
    int SecondChannelBuffer() const { return m_loc[1].buffer; }
    float FadeStep() const { return m_fadeStep.load(); }

    // ---- Idle tasks the shell runs on the main thread
    // Task 9's engine side: takes over the device's new format or period (stop, prepare, restart).
    void DeviceFormatChangedTask();
    // Main thread, once a second: the device list poll.
    void PollDevices() { m_backend->Poll(); }

    // ---- CPU load
    CpuLoadWatch& CpuLoad() { return m_cpu; }
    // The 0.1 s timer's work (installed on the current run loop when the rate is first set).
    void CpuTimerTick();
    void InstallCpuTimer(RunLoop* loop);

    // The render path, as the IO thread runs it (public for benchmarks).
    void Process(void* const* buffers, uint32_t bufferCount, uint32_t frames) override;

private:
    struct ChannelLocation {
        int buffer = -1;
        int channel = -1;
    };

    void uninitializeDevice();
    void InitializeInternalData(const AudioStreamBasicDescription& format, uint32_t frames);
    void getDeviceInfo(const AudioDeviceDescription& d, OutputDevice* out) const;
    const OutputDevice& DeviceAt(int index) const;
    const OutputDevice* DeviceByID(uint32_t id) const;
    void WriteOutput(void* const* buffers, uint32_t bufferCount, uint32_t frames);
    uint64_t Now() const { return m_clock(m_clockContext); }

    // IAudioBackendListener
    void AudioDeviceListChanged() override;
    void AudioDeviceFormatChanged() override;
    void AudioDeviceClockChanged() override;

    IAudioBackend* m_backend;
    IHostShell* m_shell;
    HostClockFn m_clock;
    void* m_clockContext;
    IHostedUnit* m_unit = nullptr;
    IAudioCycleListener* m_cycleListener = nullptr;
    void (*m_recover)(void*) = nullptr;
    void* m_recoverContext = nullptr;
    bool m_recovering = false;

    std::vector<OutputDevice> m_devices;
    uint32_t m_currentDevice = 0;
    std::string m_currentBackendID;
    std::unique_ptr<IAudioStream> m_stream;
    AudioStreamBasicDescription m_currentFormat{};
    uint32_t m_bufferFrames = 0;
    uint32_t m_startChannel = 0;
    // Render state: changed only while the IO thread is stopped.
    std::unique_ptr<ZbrAudioBufferList> m_temp;
    ChannelLocation m_loc[2];
    bool m_interleaved = true;
    uint32_t m_deviceChannels = 0;
    SampleKind m_sampleKind = SampleKind::Float32;
    bool m_unitInitialized = false;

    bool m_playing = false;
    uint64_t m_startTimeUs = 0;
    std::atomic<bool> m_fading{false};
    std::atomic<bool> m_fadingToStart{false};
    std::atomic<float> m_fadeGain{0};
    std::atomic<bool> m_fadedOut{false};  // a period at gain 0 went out since the stop began
    std::atomic<float> m_fadeStep{0};

    CpuLoadWatch m_cpu;
    RunLoop* m_timerLoop = nullptr;
    uint64_t m_timerID = 0;
};
