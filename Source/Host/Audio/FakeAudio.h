#pragma once
// A fake audio output backend: devices that exist only in this process, paced by a timer on
// absolute deadlines (like a sound card) or stepped by a test, with switches for every fault a real
// device shows. The program uses it when TOLVA_AUDIO=fake; tests use it to see the engine's results.
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "Host/Audio/AudioBackend.h"

class FakeAudioBackend final : public IAudioBackend {
public:
    // withStandardDevices: "Fake Stereo" (44100 and 48000 Hz; 16 and 24 bits and float; 2 channels;
    // periods 32-4096) and "Fake Surround" (any rate 44100-96000; float; 8 channels, one buffer a
    // channel; two clock sources).
    explicit FakeAudioBackend(bool withStandardDevices = true);
    ~FakeAudioBackend() override;

    // Paced: each opened device runs its own thread, one period per period of real time. Stepped
    // (the default for tests): nothing runs until Pump. clockNs, when given, is advanced by one
    // period after each pumped period (the engine's host clock in tests).
    void SetPaced(bool paced) { m_paced = paced; }
    void SetSteppedClock(std::atomic<uint64_t>* clockNs) { m_clock = clockNs; }
    // Runs n periods of the opened, started device on the calling thread; the number run.
    int Pump(int n);

    void AddDevice(const AudioDeviceDescription& d);
    // ---- Switches, by device name
    void SetRefuseBufferSize(const std::string& name, bool on);
    void SetRefuseFormat(const std::string& name, bool on);
    void SetBusy(const std::string& name, bool on);
    // The device disappears: no longer listed, an opened stream stops; the listener hears of it.
    void Vanish(const std::string& name);
    // The opened device changes its format or period by itself; the listener hears of it.
    void ChangeFormat(const AudioStreamBasicDescription& format);
    void ChangePeriod(uint32_t frames);
    void ChangeClockSource(uint32_t id);

    // ---- What was played: the last periods, as the device got them (kCaptured at most).
    static constexpr int kCaptured = 64;
    struct Period {
        std::vector<std::vector<uint8_t>> buffers;
    };
    std::vector<Period> Captured();
    int PeriodsRun() const { return m_periods.load(); }
    bool IsStarted() const { return m_started.load(); }

    // IAudioBackend
    bool Devices(std::vector<AudioDeviceDescription>* devices) override;
    std::unique_ptr<IAudioStream> Open(const std::string& id, const AudioStreamBasicDescription& format,
                                       uint32_t periodFrames, bool exactPeriod) override;
    void SetListener(IAudioBackendListener* listener) override { m_listener.store(listener); }

private:
    class Stream;
    friend class Stream;
    struct Device {
        AudioDeviceDescription d;
        bool refuseBufferSize = false, refuseFormat = false, busy = false;
    };
    Device* Find(const std::string& name);
    void RunPeriod();

    std::mutex m_lock;  // devices, switches and the opened stream's identity
    std::vector<Device> m_devices;
    std::atomic<IAudioBackendListener*> m_listener{nullptr};
    bool m_paced = false;
    std::atomic<uint64_t>* m_clock = nullptr;

    // The one opened device (a second Open replaces nothing: the engine opens one at a time).
    Stream* m_open = nullptr;
    std::atomic<bool> m_started{false};
    std::atomic<int> m_periods{0};
    std::atomic<bool> m_dead{false};
    std::atomic<bool> m_running{false};
    std::thread m_thread;
    IAudioIOProc* m_proc = nullptr;
    // The opened format; the IO side reads it only between start and stop.
    AudioStreamBasicDescription m_format{};
    std::atomic<uint32_t> m_period{0};
    uint32_t m_runFrames = 0;  // the period the started device runs with (a change needs a restart)
    double m_runRate = 48000;
    std::atomic<uint32_t> m_clockSource{0};
    std::vector<std::vector<uint8_t>> m_buffers;  // the device buffers of one period
    std::vector<void*> m_pointers;
    std::vector<Period> m_capture;  // ring of kCaptured, made before start
    std::atomic<int> m_captureCount{0};
};
