#pragma once
// The link against the simulated instrument on the loopback backend, with the headless progress
// dialog and a run loop on the test thread.
#include <gtest/gtest.h>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Common/Link/IRemoteMIDI.h"
#include "Linux/AsyncProgressHeadless.h"
#include "Linux/MidiIO/Loopback/LoopbackBackend.h"
#include "Linux/MidiIO/MidiIO.h"
#include "Linux/RunLoop.h"
#include "Support/SimLoopback.h"

namespace LinkTest {

using Bytes = std::vector<uint8_t>;

// The owner's side: records what the link hands over and answers with a chosen result.
class Recorder : public QorX0::IRemoteMIDICallback {
public:
    struct Dump {
        std::string kind;
        int a = -1;
        int b = -1;
        Bytes data;
    };

    std::vector<Dump> Dumps() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_dumps;
    }
    size_t DumpCount() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_dumps.size();
    }
    std::vector<std::pair<unsigned, unsigned>> ProgramChanges() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_programChanges;
    }
    std::vector<Bytes> ShortMessages() {
        std::lock_guard<std::mutex> lock(m_lock);
        return m_shorts;
    }
    int ModeChanges() const { return m_modeChanges.load(); }
    int ParamChanges() const { return m_paramChanges.load(); }

    std::atomic<int> result{0};

    int OnRcvShortMsg(QorX0::IRemoteMIDI*, long long, const void* data, unsigned length) override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_shorts.emplace_back(static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + length);
        return 0;
    }
    int OnRcvProgramChange(QorX0::IRemoteMIDI*, unsigned bank, unsigned number) override {
        std::lock_guard<std::mutex> lock(m_lock);
        m_programChanges.emplace_back(bank, number);
        return 0;
    }
    int OnRcvModeAndState(QorX0::IRemoteMIDI*, const QorX0::MODEANDSTATE*) override { return result; }
    int OnRcvCurProgDump(QorX0::IRemoteMIDI*, const void* d, unsigned n) override {
        return Add("curprog", -1, -1, d, n);
    }
    int OnRcvProgDump(QorX0::IRemoteMIDI*, int bank, int number, const void* d, unsigned n) override {
        return Add("prog", bank, number, d, n);
    }
    int OnRcvCurCombiDump(QorX0::IRemoteMIDI*, const void* d, unsigned n) override {
        return Add("curcombi", -1, -1, d, n);
    }
    int OnRcvCombiDump(QorX0::IRemoteMIDI*, int bank, int number, const void* d, unsigned n) override {
        return Add("combi", bank, number, d, n);
    }
    int OnRcvCurMultiDump(QorX0::IRemoteMIDI*, const void* d, unsigned n) override {
        return Add("curmulti", -1, -1, d, n);
    }
    int OnRcvMultiDump(QorX0::IRemoteMIDI*, int index, const void* d, unsigned n) override {
        return Add("multi", index, -1, d, n);
    }
    int OnRcvGlobalDump(QorX0::IRemoteMIDI*, const void* d, unsigned n) override {
        return Add("global", -1, -1, d, n);
    }
    int OnRcvDrumkitDump(QorX0::IRemoteMIDI*, int index, const void* d, unsigned n) override {
        return Add("drumkit", index, -1, d, n);
    }
    int OnRcvArpPatternDump(QorX0::IRemoteMIDI*, int index, const void* d, unsigned n) override {
        return Add("arppattern", index, -1, d, n);
    }
    int OnRcvExtControlDump(QorX0::IRemoteMIDI*, int index, const void* d, unsigned n) override {
        return Add("extcontrol", index, -1, d, n);
    }
    int OnRcvAllDump(QorX0::IRemoteMIDI*, const void* d, unsigned n) override {
        return Add("all", -1, -1, d, n);
    }
    int OnRcvMasterVolumeChange(QorX0::IRemoteMIDI*, unsigned) override { return 0; }
    int OnRcvModeChange(QorX0::IRemoteMIDI*, unsigned char) override {
        ++m_modeChanges;
        return result;
    }
    int OnRcvParamChange(QorX0::IRemoteMIDI*, unsigned char, int, int) override {
        ++m_paramChanges;
        return result;
    }
    int OnRcvDrumkitParamChange(QorX0::IRemoteMIDI*, unsigned, unsigned, int, int) override { return result; }
    int OnRcvArpPatternParamChange(QorX0::IRemoteMIDI*, unsigned, int, unsigned, int) override {
        return result;
    }
    int OnRcvExtControlParamChange(QorX0::IRemoteMIDI*, unsigned, int, int) override { return result; }

private:
    int Add(const char* kind, int a, int b, const void* d, unsigned n) {
        std::lock_guard<std::mutex> lock(m_lock);
        m_dumps.push_back(
            {kind, a, b, Bytes(static_cast<const uint8_t*>(d), static_cast<const uint8_t*>(d) + n)});
        return result;
    }

    std::mutex m_lock;
    std::vector<Dump> m_dumps;
    std::vector<std::pair<unsigned, unsigned>> m_programChanges;
    std::vector<Bytes> m_shorts;
    std::atomic<int> m_modeChanges{0};
    std::atomic<int> m_paramChanges{0};
};

// A simulated instrument on its own pair of loopback endpoints.
struct Instrument {
    Instrument(CMidiLoopback& loopback, Sim::Model model, uint8_t channel, const std::string& device,
               Sim::SimClock* clock)
        : sim(model, channel, clock), port(loopback, sim, device) {
        sim.With([](Sim::SimCore& c) { c.Image().FillFactory(7); });
    }
    Sim::SimInstrument sim;
    Sim::SimLoopbackPort port;
};

class LinkFixture : public ::testing::Test {
protected:
    void SetUp() override { MidiBackendSet(&loopback); }
    void TearDown() override {
        link.reset();
        instruments.clear();
        MidiBackendSet(nullptr);
    }

    Instrument& AddInstrument(Sim::Model model, uint8_t channel = 0, const std::string& device = "",
                              Sim::SimClock* clock = nullptr) {
        instruments.push_back(std::make_unique<Instrument>(loopback, model, channel, device, clock));
        return *instruments.back();
    }
    void MakeLink(unsigned char model) { link.reset(QorX0::RemoteMIDICreate(model)); }
    bool ConnectSaved(Instrument& i) {
        return link->Connect(&recorder, false, i.port.KeyName(), i.port.KeyName());
    }

    // The pair texts the search showed, without the bare caption it starts with.
    std::vector<std::string> SearchTexts() const {
        std::vector<std::string> texts;
        for (const std::string& t : headless.Texts())
            if (t != "Searching...\n") texts.push_back(t);
        return texts;
    }

    RunLoop loop;
    CAsyncProgressHeadless headless;
    CMidiLoopback loopback;
    std::vector<std::unique_ptr<Instrument>> instruments;
    Recorder recorder;
    std::unique_ptr<QorX0::IRemoteMIDI> link;
};

}  // namespace LinkTest
