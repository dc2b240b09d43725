#pragma once
// A musician's day, simulated: the plug-in driven through its effect record as a host does, its
// editor window headless with a person's input, and the simulated instrument on the loopback with
// its front panel, its power switch and its faults. Steps are drawn from a seed; after every step
// the invariants are checked (nothing lost, in sync, no hung note, no frozen thread). A failing list
// is shrunk to the shortest that fails the same way, and any list replays as it stands.
#include <cstdint>
#include <string>
#include <vector>

namespace Soak {

enum class Act : uint8_t {
    // The host.
    HostSaveBank,
    HostSavePreset,
    HostRestore,         // a chunk it saved earlier
    HostRestoreDamaged,  // one of them cut or changed
    HostEditor,          // opens the editor, or closes it
    HostMidi,            // audio blocks with notes
    HostParameter,
    HostProgram,
    HostSuspend,  // suspends, or resumes
    HostReopen,   // closes the effect and makes a new one from the last saved bank chunk
    // The user.
    UserMode,
    UserSound,
    UserDrag,
    UserArrows,
    UserType,  // text that names a value, or text that does not
    UserKeyPress,
    UserKeyRelease,
    UserWheelPress,
    UserWheelRelease,
    UserOpenFile,  // sometimes a damaged one
    UserSaveFile,
    UserImport,
    UserExport,
    UserBrowser,  // write, rename or audition from a browser, then cancelled
    UserAnswer,   // how the next boxes are answered
    // The instrument.
    InstPanel,
    InstSilent,
    InstOff,  // switched off for a few steps, then on again
    InstFault,
    kCount
};

struct Step {
    Act act;
    uint32_t arg;
};

const char* Name(Act act);
// The steps as C++ list items, e.g. "{Act::InstOff, 0x2}, {Act::HostSaveBank, 0x0}".
std::string Format(const std::vector<Step>& steps);

// Weighted random steps of a seed.
std::vector<Step> Generate(uint32_t seed, int count);

struct Options {
    unsigned char model = 1;    // 1 the Tolva, 9 the Nerimo
    uint32_t imageSeed = 7;     // the instrument's memory
    bool trace = false;         // each step on stderr as it runs
    bool productTrace = false;  // and the product's own trace
    // Failure keys that are noted and not treated as failures (a developer's run past a known fault);
    // "*" goes on past every one.
    std::vector<std::string> tolerate;
};

struct Verdict {
    std::string key;        // empty when every invariant held; else e.g. "nothing-lost/host-chunk-empty"
    std::string detail;     // what differed
    int step = -1;          // 0-based index of the step after which it failed (steps.size(): the close)
    int steps = 0;          // steps run
    long drawingWaits = 0;  // blocking waits of the drawing thread, for the record
    bool Ok() const { return key.empty(); }
};

Verdict Run(const Options& options, const std::vector<Step>& steps);

// Drops steps while the list still fails with the same key; replays counts the runs it took. It
// stops early after maxReplays runs or maxSeconds, with the shortest list found so far.
std::vector<Step> Shrink(const Options& options, std::vector<Step> steps, const std::string& key,
                         int* replays = nullptr, int maxReplays = 400, int maxSeconds = 150);

}  // namespace Soak
