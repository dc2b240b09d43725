// Whatever bytes reach the simulated instrument, it stays up and answers only with whole, well-formed
// messages of its own.
#include <gtest/gtest.h>

#include <random>

#include "SimTestFrames.h"
#include "Support/SimCore.h"

using namespace Sim;
using SimTest::Bytes;
using SimTest::Frame;

namespace {

// Random traffic made of message pieces the instrument knows, cut and mixed with noise.
Bytes Noise(std::mt19937& rng, size_t n) {
    const Bytes pieces[] = {
        Frame({0x12}),
        Frame({0x10, 0x00}),
        Frame({0x4E, 0x03}),
        Frame({0x1C, 0x22, 0x05, 0x00}),
        Frame({0x41, 0x03, 0, 0x0A, 0, 0x05, 0, 1}),
        Frame({0x11, 0, 0}),
        {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7},
        {0xB0, 0x00, 0x00, 0xC0, 0x05},
        {0xF3, 0x01},
        {0xF8},
        SimTest::Dump({0x40, 0x00}, SimTest::Pattern(444, 1)),
    };
    Bytes out;
    while (out.size() < n) {
        switch (rng() % 4) {
            case 0:
                out.push_back(static_cast<uint8_t>(rng()));
                break;
            case 1: {
                const Bytes& p = pieces[rng() % std::size(pieces)];
                size_t cut = rng() % (p.size() + 1);
                out.insert(out.end(), p.begin(), p.begin() + static_cast<long>(cut));
                break;
            }
            default: {
                const Bytes& p = pieces[rng() % std::size(pieces)];
                Bytes m = p;
                if (rng() % 3 == 0) m[rng() % m.size()] = static_cast<uint8_t>(rng());
                out.insert(out.end(), m.begin(), m.end());
                break;
            }
        }
    }
    return out;
}

}  // namespace

TEST(SimRobustness, RandomTrafficGetsOnlyWellFormedAnswers) {
    std::mt19937 rng(12345);
    for (Model model : {Model::Tolva, Model::Nerimo}) {
        SimCore sim(model, 0);
        sim.State().strictModes = rng() % 2;
        size_t answers = 0;
        for (int round = 0; round < 50; ++round) {
            Bytes traffic = Noise(rng, 4000);
            size_t at = 0;
            while (at < traffic.size()) {  // delivered in random pieces
                size_t n = std::min<size_t>(1 + rng() % 300, traffic.size() - at);
                sim.Receive(traffic.data() + at, n, round);
                at += n;
            }
            for (const Bytes& m : sim.TakeMessages()) {
                ++answers;
                ASSERT_FALSE(m.empty());
                if (m[0] != 0xF0) {  // channel messages only come from the panel
                    ADD_FAILURE() << "unexpected status " << int(m[0]);
                    continue;
                }
                ASSERT_EQ(m.back(), 0xF7);
                for (size_t i = 1; i + 1 < m.size(); ++i) ASSERT_LT(m[i], 0x80) << "byte " << i;
                bool own = m[1] == 0x42 && m[2] == 0x30 && m[3] == 0x7A;
                bool inquiry = m.size() == 15 && m[1] == 0x7E && m[8] == static_cast<uint8_t>(model);
                EXPECT_TRUE(own || inquiry);
            }
        }
        EXPECT_GT(answers, 100u);
    }
}
