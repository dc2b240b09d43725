#pragma once
// Stand-ins for the hosted plug-in and the program's shell in the engine's tests.
#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "Common/HostInterface.h"
#include "Host/HostedUnit.h"

// The plug-in's object: records every call.
class FakePluginObject final : public IVINTORPLUGIN_vintorvstinterface1 {
public:
    struct Call {
        int slot;
        int a, b, c, d;
        bool operator==(const Call& o) const = default;
    };
    void AskChannel(unsigned char* channel) override {
        Add({0, 0, 0, 0, 0});
        *channel = static_cast<unsigned char>(channelAnswer);
    }
    void ControllerAttached(int kind, int source) override { Add({1, kind, source, 0, 0}); }
    void ControllerDetached(int source) override { Add({2, source, 0, 0, 0}); }
    void ControllerEvent3(int source, int index, int delta) override { Add({3, source, index, delta, 0}); }
    void ControllerEvent4(int source, int n, int v) override { Add({4, source, n, v, 0}); }
    void ControllerEvent5(int source, int pad, bool on, int vel) override { Add({5, source, pad, on, vel}); }
    void ControllerEvent6(int source, bool on, int v) override { Add({6, source, on, v, 0}); }
    void ControllerEvent7(int source, int index, bool on) override { Add({7, source, index, on, 0}); }
    void ControllerEvent8(int source, int n, int v) override { Add({8, source, n, v, 0}); }
    void ControllerEvent9(int source, bool on, int v) override { Add({9, source, on, v, 0}); }
    void BankOpen() override { Add({10, 0, 0, 0, 0}); }
    void BankSaveAs() override { Add({12, 0, 0, 0, 0}); }
    void PresetImport() override { Add({13, 0, 0, 0, 0}); }
    void PresetExport() override { Add({14, 0, 0, 0, 0}); }
    void SetKnobMode(int mode) override { Add({15, mode, 0, 0, 0}); }

    std::vector<Call> Take() {
        std::lock_guard<std::mutex> lock(m_lock);
        std::vector<Call> out;
        out.swap(m_calls);
        return out;
    }
    int channelAnswer = 1;

private:
    void Add(const Call& c) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_calls.push_back(c);
    }
    std::mutex m_lock;
    std::vector<Call> m_calls;
};

// The hosted unit: renders a constant, records MIDI, can take a known time per render.
class FakeUnit final : public IHostedUnit {
public:
    struct Event {
        uint8_t status, d1, d2;
        uint32_t offset;
        bool operator==(const Event& o) const = default;
    };
    bool Initialize(double rate, uint32_t maxFrames) override {
        initRate = rate;
        initFrames = maxFrames;
        ++initCount;
        return !refuseInit;
    }
    void Uninitialize() override { ++uninitCount; }
    int Render(float* left, float* right, uint32_t frames) override {
        for (uint32_t i = 0; i < frames; ++i) {
            left[i] = leftValue;
            right[i] = rightValue;
        }
        renders.fetch_add(1, std::memory_order_relaxed);
        if (clockNs) clockNs->fetch_add(renderCostNs.load(std::memory_order_relaxed));
        return 0;
    }
    void MIDIEvent(uint8_t status, uint8_t d1, uint8_t d2, uint32_t offset) override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_events.push_back({status, d1, d2, offset});
    }
    IVINTORPLUGIN_vintorvstinterface1* HandOver(IVINTORHOST_vintorvstinterface1* host) override {
        handedHost = host;
        return plugin;
    }
    std::vector<Event> TakeEvents() {
        std::lock_guard<std::mutex> lock(m_lock);
        std::vector<Event> out;
        out.swap(m_events);
        return out;
    }

    float leftValue = 1.0f, rightValue = -0.5f;
    double initRate = 0;
    uint32_t initFrames = 0;
    int initCount = 0, uninitCount = 0;
    bool refuseInit = false;
    std::atomic<int> renders{0};
    std::atomic<uint64_t>* clockNs = nullptr;  // advanced by renderCostNs per render
    std::atomic<uint64_t> renderCostNs{0};
    IVINTORPLUGIN_vintorvstinterface1* plugin = nullptr;
    IVINTORHOST_vintorvstinterface1* handedHost = nullptr;

private:
    std::mutex m_lock;
    std::vector<Event> m_events;
};

class FakeShell final : public IHostShell {
public:
    void DemandIdleTask(int id) override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_tasks.push_back(id);
    }
    void AudioAutoStopped() override { autoStopped.fetch_add(1); }
    std::vector<int> Take() {
        std::lock_guard<std::mutex> lock(m_lock);
        std::vector<int> out;
        out.swap(m_tasks);
        return out;
    }
    std::atomic<int> autoStopped{0};

private:
    std::mutex m_lock;
    std::vector<int> m_tasks;
};
