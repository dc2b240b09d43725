// Audio output over ALSA PCM. Devices: "default" (when it opens), then per card every playback
// device as "hw:CARD=<id>,DEV=<n>" and "plughw:CARD=<id>,DEV=<n>" (card ids stay the same across
// reboots). Any other PCM name, such as "null", opens by name without being listed.
#include <alsa/asoundlib.h>
#include <pthread.h>
#include <sched.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdarg>
#include <cstring>
#include <mutex>
#include <thread>

#include "Host/Audio/AudioBackend.h"
#include "Host/Audio/PcmDescription.h"
#include "Linux/SysTick.h"
#include "Linux/Trace.h"

namespace {

constexpr uint32_t kMaxPeriod = 8192;
constexpr unsigned kPeriodsPerBuffer = 3;

void AlsaErrorToTrace(const char* file, int line, const char* function, int err, const char* fmt, ...) {
    char text[256];
    va_list args;
    va_start(args, fmt);
    vsnprintf(text, sizeof text, fmt, args);
    va_end(args);
    TRACE("ALSA: %s:%d %s: %s (%d)\n", file, line, function, text, err);
}

struct FormatChoice {
    snd_pcm_format_t alsa;
    SampleKind kind;
};
constexpr FormatChoice kFormats[] = {{SND_PCM_FORMAT_FLOAT_LE, SampleKind::Float32},
                                     {SND_PCM_FORMAT_S32_LE, SampleKind::S32},
                                     {SND_PCM_FORMAT_S24_3LE, SampleKind::S24_3},
                                     {SND_PCM_FORMAT_S24_LE, SampleKind::S24_4},
                                     {SND_PCM_FORMAT_S16_LE, SampleKind::S16}};

bool AlsaFormatOf(SampleKind kind, snd_pcm_format_t* out) {
    for (const FormatChoice& f : kFormats)
        if (f.kind == kind) {
            *out = f.alsa;
            return true;
        }
    return false;
}

class AlsaStream final : public IAudioStream {
public:
    AlsaStream(snd_pcm_t* pcm, const AudioStreamBasicDescription& format, uint32_t period, bool interleaved,
               std::atomic<IAudioBackendListener*>* listener)
        : m_pcm(pcm), m_format(format), m_period(period), m_interleaved(interleaved), m_listener(listener) {}
    ~AlsaStream() override {
        Stop();
        snd_pcm_close(m_pcm);
    }
    AudioStreamBasicDescription PhysicalFormat() override { return m_format; }
    uint32_t PeriodFrames() override { return m_period; }
    bool Start(IAudioIOProc* proc) override;
    void Stop() override;

private:
    void Run();

    snd_pcm_t* m_pcm;
    AudioStreamBasicDescription m_format;
    uint32_t m_period;
    bool m_interleaved;
    std::atomic<IAudioBackendListener*>* m_listener;
    IAudioIOProc* m_proc = nullptr;
    std::atomic<bool> m_running{false};
    std::thread m_thread;
    std::vector<std::vector<uint8_t>> m_buffers;
    std::vector<void*> m_pointers;
};

bool AlsaStream::Start(IAudioIOProc* proc) {
    if (m_thread.joinable()) return false;
    SampleKind kind = SampleKind::Float32;
    SampleKindOf(m_format, &kind);
    const uint32_t channels = m_format.mChannelsPerFrame;
    const size_t count = m_interleaved ? 1 : channels;
    const size_t bytes = static_cast<size_t>(m_period) * SampleBytes(kind) * (m_interleaved ? channels : 1);
    m_buffers.assign(count, std::vector<uint8_t>(bytes, 0));
    m_pointers.clear();
    for (auto& b : m_buffers) m_pointers.push_back(b.data());
    if (snd_pcm_prepare(m_pcm) < 0) return false;
    m_proc = proc;
    m_running.store(true);
    m_thread = std::thread([this] { Run(); });
    return true;
}

void AlsaStream::Stop() {
    const bool wasRunning = m_thread.joinable();
    m_running.store(false);
    if (m_thread.joinable()) m_thread.join();
    // What is queued is the end of the fade: played out, not thrown away, within the time the queue
    // takes to play and a margin (a device that stopped taking frames is then dropped). A broken
    // stream has nothing worth playing.
    if (wasRunning && snd_pcm_state(m_pcm) == SND_PCM_STATE_RUNNING && snd_pcm_nonblock(m_pcm, 1) == 0) {
        const int r = snd_pcm_drain(m_pcm);
        if (r == 0 || r == -EAGAIN) {
            const double rate = m_format.mSampleRate > 0 ? m_format.mSampleRate : 48000.0;
            const uint64_t until = MonotonicMicroseconds() +
                                   static_cast<uint64_t>(kPeriodsPerBuffer * m_period * 1e6 / rate) + 200000;
            while (snd_pcm_state(m_pcm) == SND_PCM_STATE_DRAINING && MonotonicMicroseconds() < until) {
                timespec ts{0, 2000000};
                nanosleep(&ts, nullptr);
            }
        }
        snd_pcm_nonblock(m_pcm, 0);
    }
    if (snd_pcm_state(m_pcm) != SND_PCM_STATE_SETUP) snd_pcm_drop(m_pcm);
}

void AlsaStream::Run() {
    // Real-time priority where the system allows it; a normal thread otherwise.
    sched_param param{};
    param.sched_priority = std::min(70, sched_get_priority_max(SCHED_FIFO));
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &param) != 0)
        TRACE("Audio: IO thread at normal priority\n");
    unsigned recovered = 0;
    SampleKind kind = SampleKind::Float32;
    SampleKindOf(m_format, &kind);
    const size_t frameBytes = SampleBytes(kind) * (m_interleaved ? m_format.mChannelsPerFrame : 1);
    while (m_running.load(std::memory_order_relaxed)) {
        m_proc->Process(m_pointers.data(), static_cast<uint32_t>(m_pointers.size()), m_period);
        snd_pcm_uframes_t done = 0;
        while (done < m_period && m_running.load(std::memory_order_relaxed)) {
            snd_pcm_sframes_t r;
            if (m_interleaved) {
                r = snd_pcm_writei(m_pcm, m_buffers[0].data() + done * frameBytes, m_period - done);
            } else {
                void* bufs[kMaxPcmChannels];
                for (size_t c = 0; c < m_pointers.size(); ++c)
                    bufs[c] = m_buffers[c].data() + done * frameBytes;
                r = snd_pcm_writen(m_pcm, bufs, m_period - done);
            }
            if (r >= 0) {
                done += static_cast<snd_pcm_uframes_t>(r);
                continue;
            }
            if (r == -ENODEV || r == -EBADFD) {
                TRACE("Audio: the device went away\n");
                m_running.store(false);
                if (IAudioBackendListener* l = m_listener->load()) l->AudioDeviceListChanged();
                return;
            }
            if (snd_pcm_recover(m_pcm, static_cast<int>(r), 1) < 0) {
                TRACE("Audio: write failed (%ld)\n", static_cast<long>(r));
                m_running.store(false);
                return;
            }
            ++recovered;
        }
    }
    if (recovered) TRACE("Audio: %u under-runs recovered\n", recovered);
}

class AlsaBackend final : public IAudioBackend {
public:
    explicit AlsaBackend(std::vector<std::string> extraNames) : m_extraNames(std::move(extraNames)) {
        static std::once_flag once;
        std::call_once(once, [] { snd_lib_error_set_handler(AlsaErrorToTrace); });
        m_cards = CardIds();
    }
    bool Devices(std::vector<AudioDeviceDescription>* devices) override;
    std::unique_ptr<IAudioStream> Open(const std::string& id, const AudioStreamBasicDescription& format,
                                       uint32_t periodFrames, bool exactPeriod) override;
    void SetListener(IAudioBackendListener* listener) override { m_listener.store(listener); }
    void Poll() override {
        const std::string cards = CardIds();
        if (cards == m_cards) return;
        m_cards = cards;
        if (IAudioBackendListener* l = m_listener.load()) l->AudioDeviceListChanged();
    }

private:
    static std::string CardIds();
    static bool Describe(const std::string& id, const std::string& name, bool converting,
                         AudioDeviceDescription* d);

    std::vector<std::string> m_extraNames;
    std::atomic<IAudioBackendListener*> m_listener{nullptr};
    std::string m_cards;
};

std::string AlsaBackend::CardIds() {
    std::string ids;
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        char* id = nullptr;
        char hw[16];
        snprintf(hw, sizeof hw, "hw:%d", card);
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, hw, 0) == 0) {
            snd_ctl_card_info_t* info;
            snd_ctl_card_info_alloca(&info);
            if (snd_ctl_card_info(ctl, info) == 0) ids += std::string(snd_ctl_card_info_get_id(info)) + ";";
            snd_ctl_close(ctl);
        }
        free(id);
    }
    return ids;
}

bool AlsaBackend::Describe(const std::string& id, const std::string& name, bool converting,
                           AudioDeviceDescription* d) {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, id.c_str(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) return false;
    snd_pcm_hw_params_t* hw;
    snd_pcm_hw_params_alloca(&hw);
    PcmCapabilities caps;
    caps.converting = converting;
    snd_pcm_uframes_t pmin = 0, pmax = 0;
    int dir = 0;
    bool ok = snd_pcm_hw_params_any(pcm, hw) >= 0;
    caps.interleaved = ok && snd_pcm_hw_params_test_access(pcm, hw, SND_PCM_ACCESS_RW_INTERLEAVED) == 0;
    ok = ok && snd_pcm_hw_params_set_access(
                   pcm, hw,
                   caps.interleaved ? SND_PCM_ACCESS_RW_INTERLEAVED : SND_PCM_ACCESS_RW_NONINTERLEAVED) >= 0;
    ok = ok && snd_pcm_hw_params_get_channels_min(hw, &caps.channelsMin) >= 0;
    ok = ok && snd_pcm_hw_params_get_channels_max(hw, &caps.channelsMax) >= 0;
    ok = ok && snd_pcm_hw_params_get_rate_min(hw, &caps.rateMin, &dir) >= 0;
    ok = ok && snd_pcm_hw_params_get_rate_max(hw, &caps.rateMax, &dir) >= 0;
    ok = ok && snd_pcm_hw_params_get_period_size_min(hw, &pmin, &dir) >= 0;
    ok = ok && snd_pcm_hw_params_get_period_size_max(hw, &pmax, &dir) >= 0;
    caps.periodMin = static_cast<uint32_t>(std::min<snd_pcm_uframes_t>(pmin, kMaxPeriod));
    caps.periodMax = static_cast<uint32_t>(std::min<snd_pcm_uframes_t>(pmax, kMaxPeriod));
    // Each question on a copy of the device's whole space, so that one answer narrows no other.
    snd_pcm_hw_params_t* probe;
    snd_pcm_hw_params_alloca(&probe);
    caps.takes = [&](SampleKind kind, unsigned channels, unsigned rate) {
        snd_pcm_format_t format;
        if (!AlsaFormatOf(kind, &format)) return false;
        snd_pcm_hw_params_copy(probe, hw);
        return snd_pcm_hw_params_set_format(pcm, probe, format) >= 0 &&
               snd_pcm_hw_params_set_channels(pcm, probe, channels) >= 0 &&
               (rate == 0 || snd_pcm_hw_params_set_rate(pcm, probe, rate, 0) >= 0);
    };
    d->id = id;
    d->name = name;
    ok = ok && DescribePcm(caps, d);
    snd_pcm_close(pcm);
    return ok;
}

bool AlsaBackend::Devices(std::vector<AudioDeviceDescription>* devices) {
    devices->clear();
    AudioDeviceDescription d;
    if (Describe("default", "default", true, &d)) devices->push_back(d);
    int card = -1;
    while (snd_card_next(&card) == 0 && card >= 0) {
        char hw[16];
        snprintf(hw, sizeof hw, "hw:%d", card);
        snd_ctl_t* ctl = nullptr;
        if (snd_ctl_open(&ctl, hw, 0) < 0) continue;
        snd_ctl_card_info_t* cardInfo;
        snd_ctl_card_info_alloca(&cardInfo);
        if (snd_ctl_card_info(ctl, cardInfo) < 0) {
            snd_ctl_close(ctl);
            continue;
        }
        const std::string cardID = snd_ctl_card_info_get_id(cardInfo);
        const std::string cardName = snd_ctl_card_info_get_name(cardInfo);
        int dev = -1;
        while (snd_ctl_pcm_next_device(ctl, &dev) == 0 && dev >= 0) {
            snd_pcm_info_t* info;
            snd_pcm_info_alloca(&info);
            snd_pcm_info_set_device(info, static_cast<unsigned>(dev));
            snd_pcm_info_set_subdevice(info, 0);
            snd_pcm_info_set_stream(info, SND_PCM_STREAM_PLAYBACK);
            if (snd_ctl_pcm_info(ctl, info) < 0) continue;
            const std::string pcmName = snd_pcm_info_get_name(info);
            const std::string where = "CARD=" + cardID + ",DEV=" + std::to_string(dev);
            for (const char* kind : {"hw", "plughw"}) {
                const std::string id = std::string(kind) + ":" + where;
                AudioDeviceDescription one;
                if (Describe(id, cardName + ": " + pcmName + " (" + id + ")", kind[0] == 'p', &one))
                    devices->push_back(one);
            }
        }
        snd_ctl_close(ctl);
    }
    for (const std::string& name : m_extraNames) {
        AudioDeviceDescription extra;
        if (Describe(name, name, true, &extra)) devices->push_back(extra);
    }
    return true;
}

std::unique_ptr<IAudioStream> AlsaBackend::Open(const std::string& id,
                                                const AudioStreamBasicDescription& format,
                                                uint32_t periodFrames, bool exactPeriod) {
    snd_pcm_t* pcm = nullptr;
    int r = snd_pcm_open(&pcm, id.c_str(), SND_PCM_STREAM_PLAYBACK, 0);
    if (r < 0) throw ZbrMacOSException(r);
    struct Closer {
        snd_pcm_t*& pcm;
        ~Closer() {
            if (pcm) snd_pcm_close(pcm);
        }
    } closer{pcm};
    snd_pcm_hw_params_t* hw;
    snd_pcm_hw_params_alloca(&hw);
    if ((r = snd_pcm_hw_params_any(pcm, hw)) < 0) throw ZbrMacOSException(r);
    const bool wantNonInterleaved = format.mFormatFlags & kAudioFormatFlagIsNonInterleaved;
    bool interleaved = !wantNonInterleaved;
    if (snd_pcm_hw_params_set_access(
            pcm, hw, interleaved ? SND_PCM_ACCESS_RW_INTERLEAVED : SND_PCM_ACCESS_RW_NONINTERLEAVED) < 0)
        throw AudioFormatRefused(-EINVAL);
    SampleKind kind;
    snd_pcm_format_t alsaFormat;
    if (!SampleKindOf(format, &kind) || !AlsaFormatOf(kind, &alsaFormat)) throw AudioFormatRefused(-EINVAL);
    if ((r = snd_pcm_hw_params_set_format(pcm, hw, alsaFormat)) < 0) throw AudioFormatRefused(r);
    if ((r = snd_pcm_hw_params_set_channels(pcm, hw, format.mChannelsPerFrame)) < 0)
        throw AudioFormatRefused(r);
    if ((r = snd_pcm_hw_params_set_rate(pcm, hw, static_cast<unsigned>(format.mSampleRate), 0)) < 0)
        throw AudioFormatRefused(r);
    snd_pcm_uframes_t pmin = 0, pmax = 0;
    int dir = 0;
    snd_pcm_hw_params_get_period_size_min(hw, &pmin, &dir);
    snd_pcm_hw_params_get_period_size_max(hw, &pmax, &dir);
    snd_pcm_uframes_t period = periodFrames;
    if (exactPeriod) {
        if ((r = snd_pcm_hw_params_set_period_size(pcm, hw, period, 0)) < 0)
            throw AudioBufferSizeRefused(
                r, static_cast<uint32_t>(pmin),
                static_cast<uint32_t>(std::min<snd_pcm_uframes_t>(pmax, kMaxPeriod)));
    } else {
        dir = 0;
        if ((r = snd_pcm_hw_params_set_period_size_near(pcm, hw, &period, &dir)) < 0)
            throw ZbrMacOSException(r);
    }
    snd_pcm_uframes_t buffer = period * kPeriodsPerBuffer;
    snd_pcm_hw_params_set_buffer_size_near(pcm, hw, &buffer);
    if ((r = snd_pcm_hw_params(pcm, hw)) < 0) throw ZbrMacOSException(r);
    snd_pcm_hw_params_get_period_size(hw, &period, &dir);
    snd_pcm_sw_params_t* sw;
    snd_pcm_sw_params_alloca(&sw);
    if (snd_pcm_sw_params_current(pcm, sw) == 0) {
        snd_pcm_sw_params_set_avail_min(pcm, sw, period);
        snd_pcm_sw_params_set_start_threshold(pcm, sw, period);
        snd_pcm_sw_params(pcm, sw);
    }
    AudioStreamBasicDescription opened = format;
    auto stream =
        std::make_unique<AlsaStream>(pcm, opened, static_cast<uint32_t>(period), interleaved, &m_listener);
    pcm = nullptr;  // the stream owns it now
    return stream;
}

}  // namespace

std::unique_ptr<IAudioBackend> CreateAlsaAudioBackend(std::vector<std::string> extraNames) {
    return std::make_unique<AlsaBackend>(std::move(extraNames));
}
