#include "Host/Audio/AudioEngine.h"

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "Linux/RunLoop.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace {

constexpr double kRateTable[] = {44100, 48000, 64000, 88200, 96000, 128000, 176400, 192000};
constexpr uint32_t kMaxBufferFrames = 8192;
// Stop waits for the fade to reach silence: the fade's periods, one in flight, one of silence, and
// this margin, at most kStopFadeMaxWaitUs (a device that stopped calling never gets there).
constexpr uint64_t kStopFadeMarginUs = 50000;
constexpr uint64_t kStopFadeMaxWaitUs = 2000000;
constexpr uint64_t kAutoStopAfterUs = 1000000;

const char* const kCannotSetFormat = "Cannot set format to audio device.";
const char* const kCannotSetBufferSize = "Cannot set buffer size to audio device.";
const char* const kCannotSetSettings = "Cannot set settings to audio device.";

// Float samples are named apart from integers of the same width.
std::string FormatLabel(const AudioStreamBasicDescription& d) {
    char label[64];
    std::snprintf(label, sizeof label, "%dBits%s/%dHz/%dCH", static_cast<int>(d.mBitsPerChannel),
                  (d.mFormatFlags & kAudioFormatFlagIsFloat) ? " Float" : "", static_cast<int>(d.mSampleRate),
                  static_cast<int>(d.mChannelsPerFrame));
    return label;
}

// A number in the stream's default format (as "256", "0.5").
std::string DefaultNumber(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", v);
    return text;
}

inline float Clip(float x) {
    return x > 1.0f ? 1.0f : (x < -1.0f ? -1.0f : x);
}

// Writes one channel of float samples into a device buffer of the given kind, stride in bytes.
void WriteChannel(const float* src, uint8_t* dst, uint32_t frames, size_t stride, SampleKind kind) {
    switch (kind) {
        case SampleKind::Float32:
            for (uint32_t i = 0; i < frames; ++i, dst += stride) std::memcpy(dst, &src[i], 4);
            break;
        case SampleKind::S32:
            for (uint32_t i = 0; i < frames; ++i, dst += stride) {
                const int32_t v =
                    static_cast<int32_t>(std::lrint(static_cast<double>(Clip(src[i])) * 2147483647.0));
                std::memcpy(dst, &v, 4);
            }
            break;
        case SampleKind::S24_3:
        case SampleKind::S24_4:
            for (uint32_t i = 0; i < frames; ++i, dst += stride) {
                const int32_t v = static_cast<int32_t>(std::lrint(Clip(src[i]) * 8388607.0f));
                dst[0] = static_cast<uint8_t>(v);
                dst[1] = static_cast<uint8_t>(v >> 8);
                dst[2] = static_cast<uint8_t>(v >> 16);
                if (kind == SampleKind::S24_4) dst[3] = v < 0 ? 0xFF : 0;
            }
            break;
        case SampleKind::S16:
            for (uint32_t i = 0; i < frames; ++i, dst += stride) {
                const int16_t v = static_cast<int16_t>(std::lrint(Clip(src[i]) * 32767.0f));
                std::memcpy(dst, &v, 2);
            }
            break;
    }
}

}  // namespace

uint64_t HostClockMonotonicNs(void*) {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<uint64_t>(ts.tv_sec) * 1000000000u + static_cast<uint64_t>(ts.tv_nsec);
}

// ---- CPU load

void CpuLoadWatch::SetSampleRateAndBufferFrameSize(double rate, uint32_t frames) {
    if (frames == 0 || rate <= 0) return;
    const double c = rate / frames;  // callbacks per second
    m_k.store(c / 1e9);
    const int window = std::max(1, static_cast<int>(c / 30));
    m_window.store(std::min<uint32_t>(static_cast<uint32_t>(window), kMaxWindow));
    m_counter.store(0);
}

void CpuLoadWatch::EndProcess(uint64_t nowNs) {
    const uint32_t n = m_counter.load(std::memory_order_relaxed);
    const uint32_t window = m_window.load(std::memory_order_relaxed);
    m_slots[n % window].store(nowNs - m_begin, std::memory_order_relaxed);
    m_counter.store(n + 1, std::memory_order_release);
}

void CpuLoadWatch::SetIsProcessing(bool on) {
    m_processing.store(on);
    m_counter.store(0);
}

bool CpuLoadWatch::GetCPULoad(float* load) const {
    const uint32_t window = m_window.load();
    if (!m_processing.load() || m_counter.load(std::memory_order_acquire) < window) {
        *load = 0;
        return false;
    }
    double sum = 0;
    for (uint32_t i = 0; i < window; ++i)
        sum += static_cast<double>(m_slots[i].load(std::memory_order_relaxed));
    *load = static_cast<float>(sum / window * m_k.load());
    return true;
}

// ---- Engine

VintorAudioEngine::VintorAudioEngine(IAudioBackend* backend, IHostShell* shell, HostClockFn clock,
                                     void* clockContext)
    : m_backend(backend), m_shell(shell), m_clock(clock), m_clockContext(clockContext) {
    m_backend->SetListener(this);
}

VintorAudioEngine::~VintorAudioEngine() {
    finishAudio();
    m_backend->SetListener(nullptr);
    if (m_timerLoop && m_timerID) m_timerLoop->RemoveTimer(m_timerID);
}

void VintorAudioEngine::getDeviceInfo(const AudioDeviceDescription& d, OutputDevice* out) const {
    out->backendID = d.id;
    out->name = d.name;
    out->anyRate = !d.formats.empty() && d.formats[0].mSampleRate == 0;
    out->hasClockSources = d.hasClockSources;
    out->clockSettable = d.clockSettable;
    out->clockSources = d.clockSources;
    out->periodMin = d.periodMin;
    out->periodMax = std::min(d.periodMax, kMaxBufferFrames);
    std::vector<double> rates;
    if (out->anyRate) {
        for (const auto& range : d.rateRanges)
            for (double r : kRateTable) {
                if (r > range.second) break;
                if (r >= range.first && std::find(rates.begin(), rates.end(), r) == rates.end())
                    rates.push_back(r);
            }
    }
    for (const AudioStreamBasicDescription& f : d.formats) {
        if (f.mFormatID != kAudioFormatLinearPCM || f.mFramesPerPacket != 1 || f.mChannelsPerFrame <= 1)
            continue;
        OfferedStream s;
        if (out->anyRate) {
            for (double r : rates) {
                s.format = f;
                s.format.mSampleRate = r;
                s.label = FormatLabel(s.format);
                out->formats.push_back(s);
            }
        } else if (f.mSampleRate >= 44100) {
            s.format = f;
            s.label = FormatLabel(f);
            out->formats.push_back(s);
        }
    }
    // Ascending byte order of the labels; the first of equal labels stays first.
    std::stable_sort(out->formats.begin(), out->formats.end(),
                     [](const OfferedStream& a, const OfferedStream& b) { return a.label < b.label; });
}

void VintorAudioEngine::getAllDevices() {
    m_devices.clear();
    std::vector<AudioDeviceDescription> list;
    if (!m_backend->Devices(&list)) {
        m_shell->DemandIdleTask(4);
        return;
    }
    for (const AudioDeviceDescription& d : list) {
        if (d.formats.empty()) continue;  // no output stream
        OutputDevice device;
        getDeviceInfo(d, &device);
        device.id = static_cast<uint32_t>(m_devices.size() + 1);
        m_devices.push_back(std::move(device));
    }
    // The current device keeps its id only while the same backend device is at that place.
    if (m_currentDevice) {
        const OutputDevice* d = DeviceByID(m_currentDevice);
        if (!d || d->backendID != m_currentBackendID) {
            m_currentDevice = 0;
            for (const OutputDevice& dev : m_devices)
                if (dev.backendID == m_currentBackendID) m_currentDevice = dev.id;
        }
    }
}

const OutputDevice& VintorAudioEngine::DeviceAt(int index) const {
    if (!((0 <= index) && (index < static_cast<int>(m_devices.size()))))
        throw ZbrIfNotException("(0 <= inDeviceIndex) && (inDeviceIndex < (int)gAudioDeviceList.size())");
    return m_devices[static_cast<size_t>(index)];
}

const OutputDevice* VintorAudioEngine::DeviceByID(uint32_t id) const {
    for (const OutputDevice& d : m_devices)
        if (d.id == id && id != 0) return &d;
    return nullptr;
}

void VintorAudioEngine::GetDeviceName(int index, std::string* name) const {
    *name = DeviceAt(index).name;
}

int VintorAudioEngine::GetDeviceFormatCount(int index) const {
    return static_cast<int>(DeviceAt(index).formats.size());
}

void VintorAudioEngine::GetDeviceFormat(int index, int formatIndex,
                                        AudioStreamBasicDescription* format) const {
    const OutputDevice& d = DeviceAt(index);
    if (!((0 <= formatIndex) && (formatIndex < static_cast<int>(d.formats.size()))))
        throw ZbrIfNotException(
            "(0 <= inFormatIndex) && (inFormatIndex < (int)gAudioDeviceList[inDeviceIndex].formats.size())");
    *format = d.formats[static_cast<size_t>(formatIndex)].format;
}

void VintorAudioEngine::GetDeviceFormatName(int index, int formatIndex, std::string* name) const {
    const OutputDevice& d = DeviceAt(index);
    if (!((0 <= formatIndex) && (formatIndex < static_cast<int>(d.formats.size()))))
        throw ZbrIfNotException(
            "(0 <= inFormatIndex) && (inFormatIndex < (int)gAudioDeviceList[inDeviceIndex].formats.size())");
    *name = d.formats[static_cast<size_t>(formatIndex)].label;
}

uint32_t VintorAudioEngine::getChannelsByAudioAudioDeviceID(uint32_t id, int formatIndex) const {
    const AudioStreamBasicDescription* d = getStreamDescriptionByAudioDeviceIDAndIndex(id, formatIndex);
    return d ? d->mChannelsPerFrame : 0;
}

uint32_t VintorAudioEngine::getAudioDeviceIDbyIndex(int index) const {
    if (index < 0 || index >= static_cast<int>(m_devices.size())) return 0;
    return m_devices[static_cast<size_t>(index)].id;
}

int VintorAudioEngine::getAudioIndexByAudioDeviceID(uint32_t id) const {
    for (size_t i = 0; i < m_devices.size(); ++i)
        if (m_devices[i].id == id && id != 0) return static_cast<int>(i + 1);
    return 0;
}

int VintorAudioEngine::getAudioDeviceIndexByName(const std::string& name, uint32_t* id) const {
    for (size_t i = 0; i < m_devices.size(); ++i)
        if (m_devices[i].name == name) {
            if (id) *id = m_devices[i].id;
            return static_cast<int>(i + 2);
        }
    if (id) *id = 0;
    return 0;
}

bool VintorAudioEngine::IsDeviceAnyRateAtIndex(int index) const {
    return DeviceAt(index).anyRate;
}

const AudioStreamBasicDescription* VintorAudioEngine::getStreamDescriptionByAudioDeviceIDAndIndex(
    uint32_t id, int formatIndex) const {
    const OutputDevice* d = DeviceByID(id);
    if (!d || formatIndex < 0 || formatIndex >= static_cast<int>(d->formats.size())) return nullptr;
    return &d->formats[static_cast<size_t>(formatIndex)].format;
}

int VintorAudioEngine::getAudioStreamIndexByAudioStreamBasicDescription(
    uint32_t id, const AudioStreamBasicDescription& f) const {
    const OutputDevice* d = DeviceByID(id);
    if (!d) return 0;
    for (size_t i = 0; i < d->formats.size(); ++i)
        if (d->formats[i].format.SameAs(f)) return static_cast<int>(i + 1);
    return 0;
}

void VintorAudioEngine::Device_IsSupportClockSource(uint32_t id, bool* has, bool* settable) const {
    const OutputDevice* d = DeviceByID(id);
    if (!d) throw ZbrIfNotException("audioIndex > 0");
    *has = d->hasClockSources;
    *settable = d->clockSettable;
}

void VintorAudioEngine::Device_GetClockSourceIDList(uint32_t id, std::vector<uint32_t>* list) const {
    const OutputDevice* d = DeviceByID(id);
    if (!d) throw ZbrIfNotException("audioIndex > 0");
    *list = d->clockSources;
}

uint32_t VintorAudioEngine::Device_GetCurrentClockSourceID() {
    return m_stream ? m_stream->CurrentClockSource() : 0;
}

void VintorAudioEngine::Device_SetClockSourceID(uint32_t clockID) {
    if (m_stream) m_stream->SetClockSource(clockID);
}

void VintorAudioEngine::Device_GetBufferFrameSizeRangeInCurrentFormat(uint32_t* min, uint32_t* max,
                                                                      uint32_t* current) const {
    const OutputDevice* d = DeviceByID(m_currentDevice);
    *min = d ? d->periodMin : 32;
    *max = d ? d->periodMax : kMaxBufferFrames;
    *current = m_bufferFrames;
}

void VintorAudioEngine::uninitializeDevice() {
    if (m_stream) {
        if (m_playing) m_stream->Stop();
        m_stream.reset();
    }
    if (m_playing) {
        m_cpu.SetIsProcessing(false);
        if (m_unit && m_unitInitialized) m_unit->Uninitialize();
        m_unitInitialized = false;
        m_playing = false;
    }
    m_currentFormat = AudioStreamBasicDescription{};
    m_bufferFrames = 0;
    m_currentDevice = 0;
    m_currentBackendID.clear();
}

void VintorAudioEngine::graphSetOutputDeviceAndStream(uint32_t device, bool anyRate,
                                                      const AudioStreamBasicDescription& format,
                                                      uint32_t bufferFrames, uint32_t startChannel,
                                                      bool setClock, uint32_t clockSourceID,
                                                      bool adoptDeviceBufferSize, bool* failed,
                                                      bool* result) {
    (void)anyRate;  // the backend opens at the format's rate whether or not the device converts
    try {
        uninitializeDevice();
        const OutputDevice* d = DeviceByID(device);
        if (!d) throw ZbrIfNotException("audioIndex > 0");
        try {
            m_stream = m_backend->Open(d->backendID, format, bufferFrames, !adoptDeviceBufferSize);
        } catch (const AudioFormatRefused&) {
            throw VintorException(kCannotSetFormat);
        } catch (const AudioBufferSizeRefused& e) {
            throw VintorSetBufferSizeException(
                kCannotSetBufferSize, "( " + DefaultNumber(e.min) + " - " + DefaultNumber(e.max) + " )");
        }
        if (!m_stream) throw ZbrNullException("m_stream");
        m_currentDevice = device;
        m_currentBackendID = d->backendID;
        if (setClock) m_stream->SetClockSource(clockSourceID);
        m_startChannel = startChannel;
        InitializeInternalData(m_stream->PhysicalFormat(), m_stream->PeriodFrames());
        if (failed) *failed = false;
        if (result) *result = true;
        return;
    } catch (const VintorException& e) {
        uninitializeDevice();
        try {
            ShowErrorAlert(e.GetLocalizeKey(), e.GetSecondMessage());
        } catch (const ZbrException&) {
        }
    } catch (const ZbrException& e) {
        TRACE("Audio: %s\n", e.what());
        uninitializeDevice();
        try {
            ShowErrorAlert(kCannotSetSettings, std::string());
        } catch (const ZbrException&) {
        }
    }
    if (!m_recovering) {
        if (failed) *failed = true;
        if (result) *result = false;
        m_recovering = true;
        if (m_recover) m_recover(m_recoverContext);
        m_recovering = false;
    }
}

void VintorAudioEngine::graphSetOutputDeviceToNone() {
    uninitializeDevice();
}

void VintorAudioEngine::InitializeInternalData(const AudioStreamBasicDescription& format, uint32_t frames) {
    m_currentFormat = format;
    m_bufferFrames = frames;
    m_deviceChannels = format.mChannelsPerFrame;
    m_interleaved = !(format.mFormatFlags & kAudioFormatFlagIsNonInterleaved);
    if (!SampleKindOf(format, &m_sampleKind)) throw ZbrIfNotException("SampleKindOf(format)");
    // Only channels the device has are located; the other stays -1 and gets nothing.
    for (int i = 0; i < 2; ++i) {
        const uint32_t ch = m_startChannel + static_cast<uint32_t>(i);
        if (ch < m_deviceChannels) {
            m_loc[i].buffer = m_interleaved ? 0 : static_cast<int>(ch);
            m_loc[i].channel = m_interleaved ? static_cast<int>(ch) : 0;
        } else {
            m_loc[i] = ChannelLocation{};
        }
    }
    m_temp = std::make_unique<ZbrAudioBufferList>(2, 1, static_cast<int>(std::max<uint32_t>(frames, 1)));
    if (m_cycleListener) m_cycleListener->SetSampleRateAndBufferFrameSize(format.mSampleRate, frames);
    m_cpu.SetSampleRateAndBufferFrameSize(format.mSampleRate, frames);
    if (!m_timerLoop && RunLoop::Current()) InstallCpuTimer(RunLoop::Current());
}

void VintorAudioEngine::InstallCpuTimer(RunLoop* loop) {
    if (m_timerLoop) return;
    m_timerLoop = loop;
    m_timerID = loop->AddTimer(this, 100, [this](RunLoop::TimerMessage) { CpuTimerTick(); });
}

void VintorAudioEngine::CpuTimerTick() {
    if (!m_cpu.AutoStop()) return;
    float load = 0;
    m_cpu.GetCPULoad(&load);
    if (static_cast<int>(100.0f * load + 0.5f) >= m_cpu.Limit()) {
        try {
            InternalAudioStop();
        } catch (const ZbrException&) {
        }
    }
}

void VintorAudioEngine::Process(void* const* buffers, uint32_t bufferCount, uint32_t frames) {
    if (!buffers || bufferCount == 0 || !m_temp) return;
    const uint64_t begin = Now();
    m_cpu.BeginProcess(begin);
    if (m_cycleListener) m_cycleListener->InProcess(begin);
    const uint32_t n = std::min(frames, m_bufferFrames);
    float* left = m_temp->Buffer(0);
    float* right = m_temp->Buffer(1);
    if (m_unit) {
        if (m_unit->Render(left, right, n) != 0) return;
    } else {
        std::fill(left, left + n, 0.0f);
        std::fill(right, right + n, 0.0f);
    }
    bool silent = false;
    if (m_fading.load(std::memory_order_relaxed)) {
        float gain = m_fadeGain.load(std::memory_order_relaxed);
        for (uint32_t i = 0; i < n; ++i) {
            left[i] *= gain;
            right[i] *= gain;
        }
        const float step = m_fadeStep.load(std::memory_order_relaxed);
        if (m_fadingToStart.load(std::memory_order_relaxed)) {
            gain += step;
            if (gain > 1.0f) m_fading.store(false, std::memory_order_relaxed);
        } else {
            silent = gain <= 0.0f;
            gain = std::max(0.0f, gain - step);
        }
        m_fadeGain.store(gain, std::memory_order_release);
    }
    WriteOutput(buffers, bufferCount, std::min(frames, n));
    // The fade out is complete once a period of silence has gone to the device.
    if (silent) m_fadedOut.store(true, std::memory_order_release);
    m_cpu.EndProcess(Now());
}

void VintorAudioEngine::WriteOutput(void* const* buffers, uint32_t bufferCount, uint32_t frames) {
    const size_t bytes = SampleBytes(m_sampleKind);
    const size_t stride = m_interleaved ? bytes * m_deviceChannels : bytes;
    // Channels other than the chosen pair stay silent.
    for (uint32_t b = 0; b < bufferCount; ++b)
        if (buffers[b]) std::memset(buffers[b], 0, stride * frames);
    for (int i = 0; i < 2; ++i) {
        const ChannelLocation& loc = m_loc[i];
        if (loc.buffer < 0 || static_cast<uint32_t>(loc.buffer) >= bufferCount || !buffers[loc.buffer])
            continue;
        uint8_t* dst = static_cast<uint8_t*>(buffers[loc.buffer]) + static_cast<size_t>(loc.channel) * bytes;
        WriteChannel(m_temp->Buffer(i), dst, frames, stride, m_sampleKind);
    }
}

void VintorAudioEngine::startGraph() {
    if (m_playing) return;
    if (!m_stream) throw ZbrNullException("currentAudioDeviceID");
    if (m_unit && !m_unitInitialized) {
        if (!m_unit->Initialize(m_currentFormat.mSampleRate, m_bufferFrames)) throw ZbrMacOSException(-1);
        m_unitInitialized = true;
    }
    m_fadeStep.store(static_cast<float>(m_bufferFrames * 1000000.0 / m_currentFormat.mSampleRate / 50000.0));
    m_fadeGain.store(0.0f);
    m_fadingToStart.store(true);
    m_fading.store(true);
    m_startTimeUs = Now() / 1000;
    if (!m_stream->Start(this)) {
        if (m_unit) m_unit->Uninitialize();
        m_unitInitialized = false;
        throw ZbrMacOSException(-5);  // EIO
    }
    m_playing = true;
    m_cpu.SetIsProcessing(true);
}

bool VintorAudioEngine::stopGraph() {
    if (!m_playing) return false;
    m_fadedOut.store(false);
    m_fadeGain.store(1.0f);
    m_fadingToStart.store(false);
    m_fading.store(true);
    const double rate = m_currentFormat.mSampleRate;
    const double periodUs = rate > 0 ? m_bufferFrames * 1000000.0 / rate : 0.0;
    const float step = m_fadeStep.load();
    const double periods = (step > 0.0f ? std::ceil(1.0 / step) : 0.0) + 2.0;
    const uint64_t waitUs =
        std::min<uint64_t>(kStopFadeMaxWaitUs, static_cast<uint64_t>(periods * periodUs) + kStopFadeMarginUs);
    const uint64_t until = MonotonicMicroseconds() + waitUs;
    while (!m_fadedOut.load(std::memory_order_acquire) && MonotonicMicroseconds() < until) {
        timespec ts{0, 1000000};
        nanosleep(&ts, nullptr);
    }
    // The device plays out what it holds (the end of the fade) before it stops.
    if (m_stream) m_stream->Stop();
    m_cpu.SetIsProcessing(false);
    m_playing = false;
    if (m_unit && m_unitInitialized) m_unit->Uninitialize();
    m_unitInitialized = false;
    return true;
}

void VintorAudioEngine::InternalAudioStop() {
    if (Now() / 1000 - m_startTimeUs < kAutoStopAfterUs) return;
    if (stopGraph()) {
        m_shell->AudioAutoStopped();
        ShowNoteAlert("Device was auto stoped.");
    }
}

void VintorAudioEngine::finishAudio() {
    try {
        stopGraph();
    } catch (const ZbrException&) {
    }
    uninitializeDevice();
}

void VintorAudioEngine::DeviceFormatChangedTask() {
    if (!m_stream) return;
    const AudioStreamBasicDescription f = m_stream->PhysicalFormat();
    const uint32_t frames = m_stream->PeriodFrames();
    if (f.SameAs(m_currentFormat) && frames == m_bufferFrames) return;
    bool wasPlaying = false;
    try {
        wasPlaying = stopGraph();
        InitializeInternalData(f, frames);
        if (wasPlaying) startGraph();
    } catch (const ZbrException& e) {
        TRACE("Audio: taking the device's new format failed: %s\n", e.what());
    }
}

void VintorAudioEngine::AudioDeviceListChanged() {
    m_shell->DemandIdleTask(6);
}

void VintorAudioEngine::AudioDeviceFormatChanged() {
    m_shell->DemandIdleTask(9);
}

void VintorAudioEngine::AudioDeviceClockChanged() {
    m_shell->DemandIdleTask(8);
}
