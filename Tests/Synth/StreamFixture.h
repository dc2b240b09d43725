#pragma once
// Streams for the remote synthesizer's tests: data files and host chunks made from known images by
// the file code, and the synthesizer's loads and saves through memory streams.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Common/Files/Persist.h"
#include "Files/NativeFixtures.h"
#include "Support/KnownStreams.h"
#include "Support/SynthHarness.h"

namespace SynthTest {

using QorX0::CHUNK_REMOTESYNTH;
using QorX0::FTYPE;

class StreamSynthFixture : public SynthFixture {
protected:
    unsigned char pmidOfTest = QorX0::kPmidTolva;  // set by Make
    void Make(unsigned char pmid, bool connect = true, bool synchronise = false) {
        pmidOfTest = pmid;
        SynthFixture::Make(pmid, connect, synchronise);
    }
    bool Load(const std::string& bytes, unsigned index = 0) {
        std::istringstream is(bytes, std::ios::binary);
        return synth->LoadStream(is, index);
    }
    std::string Save(FTYPE kind, unsigned index = 0, bool* ok = nullptr) {
        std::ostringstream os(std::ios::binary);
        const bool r = synth->SaveStream(os, kind, index);
        if (ok) *ok = r;
        return std::move(os).str();
    }
    // Function codes of the exclusive messages the instrument received since its logs were cleared,
    // without the poll's mode-and-state requests; a mode change is written as 0x4E00 | mode.
    std::vector<int> Codes() {
        sim->WaitIdle();
        return sim->With([](Sim::SimCore& c) {
            std::vector<int> codes;
            for (const Sim::TimedBytes& m : c.ReceivedMessages())
                if (m.bytes.size() > 5 && m.bytes[0] == 0xF0 && m.bytes[1] == 0x42 &&
                    m.bytes[4] != Sim::Rx::ModeAndStateReq)
                    codes.push_back(m.bytes[4] == Sim::Rx::ModeChange ? 0x4E00 | m.bytes[5] : m.bytes[4]);
            return codes;
        });
    }
    void ClearSim() {
        sim->WaitIdle();
        sim->With([](Sim::SimCore& c) { c.ClearLogs(); });
    }
    // What a stream (a host save, say) puts into a copy of base; null when it does not load.
    std::unique_ptr<CHUNK_REMOTESYNTH> Reloaded(const std::string& bytes, const CHUNK_REMOTESYNTH& base) {
        auto image = fixtures::CopyImage(base);
        QorX0::PERSISTPARAMS params{};
        params.image = image.get();
        std::istringstream is(bytes, std::ios::binary);
        if (!QorX0::PersistLoadStream(is, pmidOfTest, &params)) return nullptr;
        return image;
    }
    bool SimRecordIs(Sim::Area area, int index, const uint8_t* bytes, size_t n) {
        sim->WaitIdle();
        return sim->With(
            [&](Sim::SimCore& c) { return std::memcmp(c.Image().Record(area, index), bytes, n) == 0; });
    }
};

}  // namespace SynthTest
