// Main-thread dispatch figures, printed, never asserted:
// - cross-thread latency from NotifyEvent on a worker thread to OnAsyncEvent on the UI thread
//   (median and 99th percentile), posts spaced out and in bursts;
// - lateness of a dispatcher idle timer against its ideal schedule (median and 99th percentile).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

#include "Linux/AsyncDispatch.h"
#include "Linux/RunLoop.h"
#include "Linux/SysTick.h"

namespace {

double Percentile(std::vector<double> values, double p) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[std::min(values.size() - 1, static_cast<size_t>(static_cast<double>(values.size()) * p))];
}

struct LatencyHandler : IAsyncDispatchHandler {
    std::vector<double> latencyUs;  // written on the UI thread only
    std::vector<double> timerFireUs;
    std::atomic<int> received{0};
    std::atomic<int> timerCalls{0};
    void OnAsyncEvent(long, long postedUs) override {
        latencyUs.push_back(static_cast<double>(MonotonicMicroseconds() - static_cast<uint64_t>(postedUs)));
        received.fetch_add(1, std::memory_order_release);
    }
    void OnAsyncTimer(long) override {
        timerFireUs.push_back(static_cast<double>(MonotonicMicroseconds()));
        timerCalls.fetch_add(1, std::memory_order_release);
    }
};

// Arg: posts per burst (1: spaced out by 200 us).
void BM_CrossThreadPostLatency(benchmark::State& state) {
    const int burst = static_cast<int>(state.range(0));
    constexpr int kPosts = 4000;
    UIThread::Acquire();
    IAsyncDispatch* dispatch = nullptr;
    UIThread::Call([&] { dispatch = AsyncDispatchCreate(); });
    LatencyHandler handler;
    for (auto _ : state) {
        for (int i = 0; i < kPosts; i += burst) {
            for (int j = 0; j < burst; ++j) {
                dispatch->NotifyEvent(&handler, 1, static_cast<long>(MonotonicMicroseconds()), false);
            }
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        while (handler.received.load(std::memory_order_acquire) < kPosts) std::this_thread::yield();
    }
    UIThread::Call([&] { delete dispatch; });
    UIThread::Release();
    state.counters["posts"] = static_cast<double>(handler.latencyUs.size());
    state.counters["latency_median_us"] = Percentile(handler.latencyUs, 0.5);
    state.counters["latency_p99_us"] = Percentile(handler.latencyUs, 0.99);
}
BENCHMARK(BM_CrossThreadPostLatency)->Arg(1)->Arg(16)->Iterations(1)->Unit(benchmark::kMillisecond);

// Arg: timer period in ms.
void BM_IdleTimerLateness(benchmark::State& state) {
    const long period = static_cast<long>(state.range(0));
    constexpr int kFires = 40;
    UIThread::Acquire();
    IAsyncDispatch* dispatch = nullptr;
    LatencyHandler handler;
    long id = 0;
    uint64_t startUs = 0;
    for (auto _ : state) {
        UIThread::Call([&] {
            dispatch = AsyncDispatchCreate();
            dispatch->CreateTimer(&handler, &id);
            startUs = MonotonicMicroseconds();
            dispatch->SetTimerPeriod(id, period);
        });
        while (handler.timerCalls.load(std::memory_order_acquire) < kFires) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        UIThread::Call([&] {
            dispatch->DestroyTimer(id);
            delete dispatch;
        });
    }
    UIThread::Release();
    std::vector<double> lateUs;
    for (size_t k = 0; k < handler.timerFireUs.size(); ++k) {
        const double ideal = static_cast<double>(startUs) + static_cast<double>((k + 1) * period * 1000);
        lateUs.push_back(handler.timerFireUs[k] - ideal);
    }
    state.counters["late_median_us"] = Percentile(lateUs, 0.5);
    state.counters["late_p99_us"] = Percentile(lateUs, 0.99);
}
BENCHMARK(BM_IdleTimerLateness)->Arg(5)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
