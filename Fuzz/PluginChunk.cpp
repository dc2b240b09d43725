// Chunk bytes from a host's project, handed to the plug-in as setChunk does, then read back as the
// host's next save does. A chunk that does not load must leave what the next save gives unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Common/Plugin/QorVst.h"
#include "Linux/RunLoop.h"

namespace {

VstIntPtr Host(AEffect*, VstInt32 opcode, VstInt32, VstIntPtr, void*, float) {
    return opcode == audioMasterVersion ? 2400 : 0;
}

AEffect* Effect() {
    static RunLoop* loop = new RunLoop();
    static AEffect* effect = [] {
        char pattern[] = "/tmp/tolva-fuzz-XXXXXX";
        if (mkdtemp(pattern) != nullptr) CAtomicInstance::SetFolder(pattern);
        return static_cast<AEffect*>(QorVst::CreateInstance(1, Host));
    }();
    // The loop is never run: the connection (which would look for an instrument) never starts.
    (void)loop;
    return effect;
}

std::string Save(AEffect* a, int preset) {
    void* data = nullptr;
    const VstIntPtr size = a->dispatcher(a, effGetChunk, preset, 0, &data, 0.0f);
    if (size <= 0 || data == nullptr) return std::string();
    return std::string(static_cast<const char*>(data), static_cast<size_t>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    AEffect* a = Effect();
    if (a == nullptr || size < 1) return 0;
    const int preset = data[0] & 1;
    // What each kind of save gives, kept from the last input: nothing runs between inputs, and only
    // a load that succeeds changes it (then both kinds are saved anew).
    static std::string saved[2];
    static bool known[2] = {false, false};
    if (!known[preset]) {
        saved[preset] = Save(a, preset);
        known[preset] = true;
    }
    std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const VstIntPtr loaded =
        a->dispatcher(a, effSetChunk, preset, static_cast<VstIntPtr>(bytes.size()), bytes.data(), 0.0f);
    const std::string after = Save(a, preset);
    if (loaded == 0 && after != saved[preset]) std::abort();
    if (loaded != 0) {
        known[0] = known[1] = false;
        saved[preset] = after;
        known[preset] = true;
    }
    return 0;
}
