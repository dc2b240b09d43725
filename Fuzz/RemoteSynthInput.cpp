// What the link hands the remote synthesizer from the wire: dumps with any index and any length,
// mode, program and parameter changes with any numbers, master volume. Whatever they hold, nothing
// may be written outside the image, and every section must still read itself afterwards.
//
// Input: 8 bytes per call. Byte 0 picks the callback, bytes 1-4 its numbers, byte 5 a record size
// (from the sizes the instrument uses) and byte 6 a signed offset to it; the dump's bytes come from
// the whole input, repeated.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "Common/Link/RemoteSynthImpl.h"

using namespace QorX0;

namespace {

CRemoteSynthImpl& Synth() {
    static CRemoteSynthImpl* s = static_cast<CRemoteSynthImpl*>(RemoteSynthCreate(kPmidNerimo));
    return *s;
}

const unsigned kSizes[] = {kSizeProgram,
                           kSizeCombi,
                           kSizeMulti,
                           kSizeGlobal,
                           kSizeDrumKit,
                           kSizeArpPattern,
                           kSizeExtControl,
                           kAreaPrograms.BankSize(),
                           kAreaCombis.BankSize(),
                           4 * kAreaPrograms.BankSize(),
                           5 * kAreaPrograms.BankSize(),
                           kAreaCombis.Size(),
                           kAreaMultis.Size(),
                           kAreaDrumKits.Size(),
                           kAreaArpPatterns.Size(),
                           kAreaExtControls.Size(),
                           0};

void ReadAll(ISection* section) {
    if (!section) return;
    const int count = section->GetParamCount(), step = count > 1000 ? 29 : 3;
    for (int i = 0; i < count; i += step) {
        const int pid = section->GetParamIDByIndex(static_cast<unsigned>(i));
        section->GetParamI(pid);
        section->GetParamS(pid);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CRemoteSynthImpl& s = Synth();
    {
        CImageGuard g(&s);
        InitAllChunk(s.GetRawChunk());
    }
    // The dumps' bytes: the input, repeated (copied in doubling runs; a byte at a time, this took
    // most of every input's time).
    static std::vector<uint8_t> body(6 * kAreaPrograms.BankSize());
    if (size > 0) {
        size_t filled = std::min(size, body.size());
        std::memcpy(body.data(), data, filled);
        while (filled < body.size()) {
            const size_t n = std::min(filled, body.size() - filled);
            std::memcpy(body.data() + filled, body.data(), n);
            filled += n;
        }
    }

    for (size_t at = 0; at + 8 <= size; at += 8) {
        const uint8_t* op = data + at;
        const int a = static_cast<int8_t>(op[1]);
        const int b = static_cast<int8_t>(op[2]);
        const unsigned ua = op[1], ub = op[2];
        const int value = static_cast<int16_t>((op[3] << 8) | op[4]);
        const long n = static_cast<long>(kSizes[op[5] % (sizeof kSizes / sizeof kSizes[0])]) +
                       static_cast<int8_t>(op[6]);
        const unsigned len = static_cast<unsigned>(n < 0 ? 0 : n);
        const void* d = body.data();
        switch (op[0] % 22) {
            case 0:
                s.OnRcvCurProgDump(nullptr, d, len);
                break;
            case 1:
                s.OnRcvProgDump(nullptr, a, b, d, len);
                break;
            case 2:
                s.OnRcvCurCombiDump(nullptr, d, len);
                break;
            case 3:
                s.OnRcvCombiDump(nullptr, a, b, d, len);
                break;
            case 4:
                s.OnRcvCurMultiDump(nullptr, d, len);
                break;
            case 5:
                s.OnRcvMultiDump(nullptr, a, d, len);
                break;
            case 6:
                s.OnRcvGlobalDump(nullptr, d, len);
                break;
            case 7:
                s.OnRcvDrumkitDump(nullptr, a, d, len);
                break;
            case 8:
                s.OnRcvArpPatternDump(nullptr, static_cast<int>(ua) - 1 + (b & 1) * 128, d, len);
                break;
            case 9:
                s.OnRcvExtControlDump(nullptr, a, d, len);
                break;
            case 10:
                s.OnRcvAllDump(nullptr, d, len);
                break;
            case 11:
                s.OnRcvMasterVolumeChange(nullptr, static_cast<unsigned>(value) * 3u);
                break;
            case 12:
                s.OnRcvModeChange(nullptr, op[1]);
                break;
            case 13:
                s.OnRcvProgramChange(nullptr, ua, ub);
                break;
            case 14:
                s.OnRcvParamChange(nullptr, op[1] % 8, (op[2] << 8) | op[7], value);
                break;
            case 15:
                s.OnRcvDrumkitParamChange(nullptr, ua, ub, op[7], value);
                break;
            case 16:
                s.OnRcvArpPatternParamChange(nullptr, ua + (op[7] & 1) * 128, op[2], op[7], value);
                break;
            case 17:
                s.OnRcvExtControlParamChange(nullptr, ua, op[2], value);
                break;
            case 18:
                s.OnRcvShortMsg(nullptr, 0, op + 1, op[2] % 5);
                break;
            case 19:
                s.ExecCommand(15, a, b, 0, 0);
                break;
            case 20:
                s.ExecCommand(28, a, 0, 0, 0);
                break;
            default: {
                SOUNDINDEX sound{op[1], op[2]};
                s.PutCurTimbreSound(4, a, sound);
                s.GetCurTimbreMIDICh(4, b);
                break;
            }
        }
    }
    s.GetCurSound();
    for (int k = 0; k < 5; ++k) ReadAll(s.GetEditBuffer(k));
    ReadAll(s.GetGlobal());
    ReadAll(s.GetRealtimeControl());
    ReadAll(s.GetDrumKits());
    ReadAll(s.GetArpPatterns());
    ReadAll(s.GetExtControls());
    return 0;
}
