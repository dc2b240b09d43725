// The synth-event queue: what each callback stores, how a drain replays and merges, and that a
// queue nobody drains stays bounded without losing the last word on any parameter.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Common/Layers/QnRemoteSynthEventHandler.h"

using namespace QorX0;

namespace {

// Writes every replay down as text: "C<pid>@<section tag>", "R@<tag>", "S<bank>:<prog>" and so on.
class RecordingHandler : public QnRemoteSynthEventHandler {
public:
    virtual ~RecordingHandler() = default;
    std::vector<std::string> log;
    std::vector<const void*> objects;
    EXTCTLSTATE lastExt{};
    std::map<const void*, char> tags;
    std::function<void(ISection*, int)> onChanged;

    std::string Tag(const void* p) {
        auto it = tags.find(p);
        return it == tags.end() ? std::string("?") : std::string(1, it->second);
    }
    std::string Joined() const {
        std::string s;
        for (const auto& e : log) s += (s.empty() ? "" : "|") + e;
        return s;
    }
    void OnIdleRemoteSynthConnectionStateChanged(IRemoteSynth* s, bool c, bool o) override {
        Add(s, "N" + std::to_string(c) + std::to_string(o));
    }
    void OnIdleRemoteSynthExtCtlStateChanged(IRemoteSynth* s, const EXTCTLSTATE& st) override {
        lastExt = st;
        Add(s, "X");
    }
    void OnIdleRemoteSynthMasterVolumeChanged(IRemoteSynth* s, unsigned v) override {
        Add(s, "V" + std::to_string(v));
    }
    void OnIdleRemoteSynthModeChanged(IRemoteSynth* s, int m) override { Add(s, "M" + std::to_string(m)); }
    void OnIdleRemoteSynthCurSoundChanged(IRemoteSynth* s, const SOUNDINDEX& i) override {
        Add(s, "S" + std::to_string(i.bank) + ":" + std::to_string(i.number));
    }
    void OnIdleRemoteSynthBankListChanged(IRemoteSynth* s, int k, const SOUNDINDEX& i) override {
        Add(s, "B" + std::to_string(k) + "/" + std::to_string(i.bank) + ":" + std::to_string(i.number));
    }
    void OnIdleRemoteSynthAuditionStateChanged(IRemoteSynth* s, bool r) override {
        Add(s, "A" + std::to_string(r));
    }
    void OnIdleRemoteSynthMIDIBroken(IRemoteSynth* s) override { Add(s, "K"); }
    void OnIdleSectionReinitialized(ISection* s) override { Add(s, "R@" + Tag(s)); }
    void OnIdleSectionParamPropsChanged(ISection* s, int pid) override {
        Add(s, "P" + std::to_string(pid) + "@" + Tag(s));
    }
    void OnIdleSectionParamChanged(ISection* s, int pid) override {
        Add(s, "C" + std::to_string(pid) + "@" + Tag(s));
        if (onChanged) onChanged(s, pid);
    }

private:
    void Add(const void* p, std::string text) {
        log.push_back(std::move(text));
        objects.push_back(p);
    }
};

// Section objects are only compared by address here; heap blocks give real 64-bit addresses.
struct Sections {
    std::unique_ptr<char[]> blockA{new char[64]}, blockB{new char[64]};
    ISection* A() const { return reinterpret_cast<ISection*>(blockA.get()); }
    ISection* B() const { return reinterpret_cast<ISection*>(blockB.get()); }
};

struct PostStep {
    // 's' current sound (arg = program), 'c' param changed (arg = pid), 'r' reinit, 'p' props, 'b' bank
    // list (section = the list's mode digit, arg = program)
    char what;
    char section;
    int arg;
};

struct MergeCase {
    const char* name;
    std::vector<PostStep> posts;
    const char* expected;
};

class EventQueueMerge : public ::testing::TestWithParam<MergeCase> {};

TEST_P(EventQueueMerge, ReplaysInOrderWithRunsCollapsed) {
    Sections s;
    RecordingHandler h;
    h.tags = {{s.A(), 'A'}, {s.B(), 'B'}};
    auto sec = [&](char c) { return c == 'A' ? s.A() : s.B(); };
    for (const PostStep& p : GetParam().posts) {
        switch (p.what) {
            case 's':
                h.OnRemoteSynthCurSoundChanged(nullptr, SOUNDINDEX{0, static_cast<uint8_t>(p.arg)});
                break;
            case 'c':
                h.OnSectionParamChanged(sec(p.section), p.arg);
                break;
            case 'p':
                h.OnSectionParamPropsChanged(sec(p.section), p.arg);
                break;
            case 'r':
                h.OnSectionReinitialized(sec(p.section));
                break;
            case 'b':
                h.OnRemoteSynthBankListChanged(nullptr, p.section - '0',
                                               SOUNDINDEX{0, static_cast<uint8_t>(p.arg)});
                break;
        }
    }
    h.ProcessEventQueue();
    EXPECT_EQ(h.Joined(), GetParam().expected);
    EXPECT_EQ(h.GetQueuedEventCount(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EventQueueMerge,
    ::testing::Values(
        MergeCase{"SoundRunBrokenByChange",
                  {{'s', 0, 1}, {'s', 0, 2}, {'s', 0, 3}, {'c', 'A', 10}, {'s', 0, 4}},
                  "S0:3|C10@A|S0:4"},
        MergeCase{"ReinitTwoSectionsKeepsBoth", {{'r', 'A', 0}, {'r', 'B', 0}}, "R@A|R@B"},
        MergeCase{"ReinitSameSectionOnce", {{'r', 'A', 0}, {'r', 'A', 0}, {'r', 'A', 0}}, "R@A"},
        MergeCase{"ReinitOrderOfLastAppearance", {{'r', 'A', 0}, {'r', 'B', 0}, {'r', 'A', 0}}, "R@B|R@A"},
        MergeCase{"ChangesNeverMerged",
                  {{'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7},
                   {'c', 'A', 7}},
                  "C7@A|C7@A|C7@A|C7@A|C7@A|C7@A|C7@A|C7@A|C7@A|C7@A"},
        MergeCase{"PropsNotMergedWithReinit", {{'r', 'A', 0}, {'p', 'A', 3}, {'r', 'A', 0}}, "R@A|P3@A|R@A"},
        // Every bank-list replay resynchronises the page: one per list, the newest, where it came last.
        MergeCase{"BankListsMergePerList",
                  {{'b', '2', 1}, {'b', '2', 2}, {'c', 'A', 5}, {'b', '0', 7}, {'b', '2', 3}},
                  "C5@A|B0/0:7|B2/0:3"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EventQueue, EveryCallbackReplaysItsArguments) {
    Sections s;
    RecordingHandler h;
    h.tags = {{s.A(), 'A'}};
    auto* synth = reinterpret_cast<IRemoteSynth*>(s.blockB.get());
    h.OnRemoteSynthConnectionStateChanged(synth, true, false);
    h.OnRemoteSynthMasterVolumeChanged(synth, 16383);
    h.OnRemoteSynthModeChanged(synth, 6);
    h.OnRemoteSynthBankListChanged(synth, 2, SOUNDINDEX{0xFF, 0xFF});
    h.OnRemoteSynthAuditionStateChanged(synth, true);
    h.OnRemoteSynthMIDIBroken(synth);
    h.OnSectionParamPropsChanged(s.A(), 0x7C13);
    h.PostEvent(99, 0, 0, 0, 0);  // unknown kinds are ignored
    h.ProcessEventQueue();
    EXPECT_EQ(h.Joined(), "N10|V16383|M6|B2/255:255|A1|K|P31763@A");
    // Pointers come back whole (heap addresses above 4 GB would not survive 32 bits).
    ASSERT_EQ(h.objects.size(), 7u);
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(h.objects[i], synth);
    EXPECT_EQ(h.objects[6], s.A());
}

TEST(EventQueue, ExternalControlStateKeepsItsClockByte) {
    RecordingHandler h;
    h.OnRemoteSynthExtCtlStateChanged(nullptr, EXTCTLSTATE{1, 0x42, 2});
    h.ProcessEventQueue();
    EXPECT_EQ(h.lastExt.enabled, 1);
    EXPECT_EQ(h.lastExt.value, 0x42);
    EXPECT_EQ(h.lastExt.state, 2);
    // The enabled byte is normalised to 0 or 1.
    h.OnRemoteSynthExtCtlStateChanged(nullptr, EXTCTLSTATE{7, 1, 0});
    h.ProcessEventQueue();
    EXPECT_EQ(h.lastExt.enabled, 1);
    EXPECT_EQ(h.lastExt.state, 0);
}

TEST(EventQueue, RecordPostedDuringReplayIsReplayedInTheSameDrain) {
    Sections s;
    RecordingHandler h;
    h.tags = {{s.A(), 'A'}};
    h.onChanged = [&](ISection* sec, int pid) {
        if (pid == 1) h.OnSectionParamChanged(sec, 2);
    };
    h.OnSectionParamChanged(s.A(), 1);
    EXPECT_EQ(h.ProcessEventQueue(), 2u);
    EXPECT_EQ(h.Joined(), "C1@A|C2@A");
}

TEST(EventQueue, EndlessRepostingStopsAtTheCapAndGoesOnNextTime) {
    Sections s;
    RecordingHandler h;
    h.onChanged = [&](ISection* sec, int pid) { h.OnSectionParamChanged(sec, pid + 1); };
    h.OnSectionParamChanged(s.A(), 0);
    EXPECT_EQ(h.ProcessEventQueue(), QnRemoteSynthEventHandler::kMaxReplaysPerDrain);
    EXPECT_EQ(h.GetQueuedEventCount(), 1u);
    h.log.clear();
    h.onChanged = nullptr;
    EXPECT_EQ(h.ProcessEventQueue(), 1u);
    EXPECT_EQ(h.Joined(), "C" + std::to_string(QnRemoteSynthEventHandler::kMaxReplaysPerDrain) + "@?");
}

// A page nobody drains (a hidden one) keeps a bounded queue whatever kinds keep coming: past the
// high-water mark it falls back to resynchronising the page, with the newest record of every kind
// (of every list) and one reinitialisation of each section named, so the last word on everything
// is still replayed, once.
TEST(EventQueue, UndrainedQueueStaysBoundedForEveryKindAndKeepsTheLastWord) {
    Sections s;
    RecordingHandler h;
    h.tags = {{s.A(), 'A'}, {s.B(), 'B'}};
    auto* synth = reinterpret_cast<IRemoteSynth*>(s.blockA.get());
    size_t most = 0;
    for (int i = 0; i < 40000; ++i) {
        const auto n = static_cast<uint8_t>(i % 128);
        h.OnSectionParamChanged(s.A(), i % 10);
        h.OnSectionParamPropsChanged(s.B(), i % 7);
        h.OnRemoteSynthConnectionStateChanged(synth, i % 2 == 1, true);
        h.OnRemoteSynthExtCtlStateChanged(synth, EXTCTLSTATE{1, n, 0});
        h.OnRemoteSynthMasterVolumeChanged(synth, static_cast<unsigned>(i));
        h.OnRemoteSynthModeChanged(synth, i % 5);
        h.OnRemoteSynthCurSoundChanged(synth, SOUNDINDEX{1, n});
        h.OnRemoteSynthBankListChanged(synth, 2, SOUNDINDEX{0, n});
        h.OnRemoteSynthBankListChanged(synth, 0, SOUNDINDEX{3, n});
        h.OnRemoteSynthAuditionStateChanged(synth, i % 2 == 0);
        h.OnRemoteSynthMIDIBroken(synth);
        most = std::max(most, h.GetQueuedEventCount());
    }
    EXPECT_LE(most, QnRemoteSynthEventHandler::kHighWater + 1);
    EXPECT_EQ(h.GetQueuedEventCount(), 11u);
    h.ProcessEventQueue();
    std::vector<std::string> replayed = h.log;
    std::sort(replayed.begin(), replayed.end());
    std::vector<std::string> expected = {"R@A",   "R@B",     "N11",     "X",  "V39999", "M4",
                                         "S1:63", "B2/0:63", "B0/3:63", "A0", "K"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(replayed, expected);
    EXPECT_EQ(h.lastExt.value, 63);
    // Drained, the queue is an ordinary queue again.
    h.log.clear();
    h.OnSectionParamChanged(s.A(), 1);
    h.OnSectionParamChanged(s.A(), 1);
    h.ProcessEventQueue();
    EXPECT_EQ(h.Joined(), "C1@A|C1@A");
}

}  // namespace
