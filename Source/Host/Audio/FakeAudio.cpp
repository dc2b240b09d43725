#include "Host/Audio/FakeAudio.h"

#include <time.h>

#include <algorithm>
#include <cerrno>

class FakeAudioBackend::Stream final : public IAudioStream {
public:
    explicit Stream(FakeAudioBackend* owner) : m_owner(owner) {}
    ~Stream() override {
        Stop();
        std::lock_guard<std::mutex> lock(m_owner->m_lock);
        if (m_owner->m_open == this) m_owner->m_open = nullptr;
    }
    AudioStreamBasicDescription PhysicalFormat() override {
        std::lock_guard<std::mutex> lock(m_owner->m_lock);
        return m_owner->m_format;
    }
    uint32_t PeriodFrames() override { return m_owner->m_period.load(); }
    bool Start(IAudioIOProc* proc) override;
    void Stop() override;
    uint32_t CurrentClockSource() override { return m_owner->m_clockSource.load(); }
    void SetClockSource(uint32_t id) override { m_owner->m_clockSource.store(id); }

private:
    FakeAudioBackend* m_owner;
};

FakeAudioBackend::FakeAudioBackend(bool withStandardDevices) {
    if (!withStandardDevices) return;
    AudioDeviceDescription stereo;
    stereo.id = stereo.name = "Fake Stereo";
    for (double rate : {44100.0, 48000.0})
        for (SampleKind k : {SampleKind::S16, SampleKind::S24_3, SampleKind::Float32})
            stereo.formats.push_back(MakeStreamDescription(k, rate, 2));
    stereo.periodMin = 32;
    stereo.periodMax = 4096;
    AddDevice(stereo);
    AudioDeviceDescription surround;
    surround.id = surround.name = "Fake Surround";
    surround.anyRate = true;
    surround.rateRanges = {{44100, 96000}};
    surround.formats.push_back(MakeStreamDescription(SampleKind::Float32, 0, 8, true));
    surround.hasClockSources = surround.clockSettable = true;
    surround.clockSources = {1, 2};
    AddDevice(surround);
}

FakeAudioBackend::~FakeAudioBackend() {
    m_running.store(false);
    if (m_thread.joinable()) m_thread.join();
}

void FakeAudioBackend::AddDevice(const AudioDeviceDescription& d) {
    std::lock_guard<std::mutex> lock(m_lock);
    Device device;
    device.d = d;
    m_devices.push_back(device);
}

FakeAudioBackend::Device* FakeAudioBackend::Find(const std::string& name) {
    for (Device& d : m_devices)
        if (d.d.name == name || d.d.id == name) return &d;
    return nullptr;
}

void FakeAudioBackend::SetRefuseBufferSize(const std::string& name, bool on) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (Device* d = Find(name)) d->refuseBufferSize = on;
}

void FakeAudioBackend::SetRefuseFormat(const std::string& name, bool on) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (Device* d = Find(name)) d->refuseFormat = on;
}

void FakeAudioBackend::SetBusy(const std::string& name, bool on) {
    std::lock_guard<std::mutex> lock(m_lock);
    if (Device* d = Find(name)) d->busy = on;
}

void FakeAudioBackend::Vanish(const std::string& name) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        auto it = std::find_if(m_devices.begin(), m_devices.end(),
                               [&](const Device& d) { return d.d.name == name || d.d.id == name; });
        if (it == m_devices.end()) return;
        m_devices.erase(it);
        m_dead.store(true);  // an opened stream of it plays no more
    }
    if (IAudioBackendListener* l = m_listener.load()) l->AudioDeviceListChanged();
}

void FakeAudioBackend::ChangeFormat(const AudioStreamBasicDescription& format) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_format = format;
    }
    if (IAudioBackendListener* l = m_listener.load()) l->AudioDeviceFormatChanged();
}

void FakeAudioBackend::ChangePeriod(uint32_t frames) {
    m_period.store(frames);
    if (IAudioBackendListener* l = m_listener.load()) l->AudioDeviceFormatChanged();
}

void FakeAudioBackend::ChangeClockSource(uint32_t id) {
    m_clockSource.store(id);
    if (IAudioBackendListener* l = m_listener.load()) l->AudioDeviceClockChanged();
}

bool FakeAudioBackend::Devices(std::vector<AudioDeviceDescription>* devices) {
    std::lock_guard<std::mutex> lock(m_lock);
    devices->clear();
    for (const Device& d : m_devices) devices->push_back(d.d);
    return true;
}

std::unique_ptr<IAudioStream> FakeAudioBackend::Open(const std::string& id,
                                                     const AudioStreamBasicDescription& format,
                                                     uint32_t periodFrames, bool exactPeriod) {
    std::lock_guard<std::mutex> lock(m_lock);
    Device* d = Find(id);
    if (!d) throw ZbrMacOSException(-ENODEV);
    if (d->busy) throw ZbrMacOSException(-EBUSY);
    bool known = false;
    for (const AudioStreamBasicDescription& f : d->d.formats) {
        AudioStreamBasicDescription want = format;
        if (d->d.anyRate) want.mSampleRate = 0;
        known = known || f.SameAs(want);
    }
    if (d->d.anyRate) {
        bool inRange = false;
        for (const auto& r : d->d.rateRanges)
            inRange = inRange || (format.mSampleRate >= r.first && format.mSampleRate <= r.second);
        known = known && inRange;
    }
    if (d->refuseFormat || !known) throw AudioFormatRefused(-EINVAL);
    uint32_t period = periodFrames;
    const bool fits = period >= d->d.periodMin && period <= d->d.periodMax && !d->refuseBufferSize;
    if (!fits) {
        if (exactPeriod) throw AudioBufferSizeRefused(-EINVAL, d->d.periodMin, d->d.periodMax);
        period = d->refuseBufferSize ? 512 : std::clamp(period, d->d.periodMin, d->d.periodMax);
    }
    auto stream = std::make_unique<Stream>(this);
    m_open = stream.get();
    m_format = format;
    m_period.store(period);
    m_dead.store(false);
    m_clockSource.store(d->d.clockSources.empty() ? 0 : d->d.clockSources.front());
    return stream;
}

bool FakeAudioBackend::Stream::Start(IAudioIOProc* proc) {
    FakeAudioBackend* o = m_owner;
    if (o->m_dead.load()) return false;
    const AudioStreamBasicDescription f = PhysicalFormat();
    SampleKind kind = SampleKind::Float32;
    SampleKindOf(f, &kind);
    const bool nonInterleaved = f.mFormatFlags & kAudioFormatFlagIsNonInterleaved;
    const uint32_t frames = o->m_period.load();
    const size_t count = nonInterleaved ? f.mChannelsPerFrame : 1;
    const size_t bytes =
        static_cast<size_t>(frames) * SampleBytes(kind) * (nonInterleaved ? 1 : f.mChannelsPerFrame);
    o->m_buffers.assign(count, std::vector<uint8_t>(bytes, 0));
    o->m_pointers.clear();
    for (auto& b : o->m_buffers) o->m_pointers.push_back(b.data());
    o->m_capture.assign(kCaptured, Period{o->m_buffers});
    o->m_captureCount.store(0);
    o->m_proc = proc;
    o->m_runFrames = frames;
    o->m_runRate = f.mSampleRate > 0 ? f.mSampleRate : 48000;
    o->m_periods.store(0);
    o->m_started.store(true);
    if (o->m_paced) {
        o->m_running.store(true);
        const double rate = f.mSampleRate > 0 ? f.mSampleRate : 48000;
        const uint64_t periodNs = static_cast<uint64_t>(frames * 1e9 / rate);
        o->m_thread = std::thread([o, periodNs] {
            timespec next;
            clock_gettime(CLOCK_MONOTONIC, &next);
            while (o->m_running.load() && !o->m_dead.load()) {
                o->RunPeriod();
                next.tv_nsec += static_cast<long>(periodNs);
                while (next.tv_nsec >= 1000000000L) {
                    next.tv_nsec -= 1000000000L;
                    ++next.tv_sec;
                }
                while (clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr) == EINTR) {
                }
            }
        });
    }
    return true;
}

void FakeAudioBackend::Stream::Stop() {
    FakeAudioBackend* o = m_owner;
    o->m_running.store(false);
    if (o->m_thread.joinable()) o->m_thread.join();
    o->m_started.store(false);
}

void FakeAudioBackend::RunPeriod() {
    const uint32_t frames = m_runFrames;
    m_proc->Process(m_pointers.data(), static_cast<uint32_t>(m_pointers.size()), frames);
    Period& slot = m_capture[static_cast<size_t>(m_captureCount.load() % kCaptured)];
    for (size_t i = 0; i < m_buffers.size(); ++i)
        std::copy(m_buffers[i].begin(), m_buffers[i].end(), slot.buffers[i].begin());
    m_captureCount.fetch_add(1);
    m_periods.fetch_add(1);
}

int FakeAudioBackend::Pump(int n) {
    int run = 0;
    for (; run < n; ++run) {
        if (!m_started.load() || m_dead.load() || m_paced) break;
        RunPeriod();
        if (m_clock) m_clock->fetch_add(static_cast<uint64_t>(m_runFrames * 1e9 / m_runRate));
    }
    return run;
}

std::vector<FakeAudioBackend::Period> FakeAudioBackend::Captured() {
    std::vector<Period> out;
    const int count = m_captureCount.load();
    for (int i = std::max(0, count - kCaptured); i < count; ++i)
        out.push_back(m_capture[static_cast<size_t>(i % kCaptured)]);
    return out;
}
