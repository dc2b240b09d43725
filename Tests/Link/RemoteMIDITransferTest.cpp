// Every request and dump against the simulated instrument of both models, parameter changes and
// write commands, and each fault with its result: time-out, error reply, busy, cancel, a port that
// stops, with nothing half-applied on either side.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <thread>

#include "Common/Model/SynthData.h"
#include "Link/DumpBytes.h"
#include "Linux/SysTick.h"
#include "RemoteMIDIFixture.h"

using namespace LinkTest;
using namespace QorX0;
using Sim::Area;

namespace {

struct Span {
    Area area;
    int first;
    int count;
};

// Records of the instrument, one after another, as a dump body holds them.
Bytes Records(Sim::SimInstrument& sim, Span s) {
    Bytes out;
    sim.With([&](Sim::SimCore& c) {
        const size_t size = Sim::GetAreaInfo(s.area).recordSize;
        for (int i = 0; i < s.count; ++i) {
            const uint8_t* r = c.Image().Record(s.area, s.first + i);
            out.insert(out.end(), r, r + size);
        }
    });
    return out;
}

Bytes Pattern(size_t n, unsigned seed) {
    Bytes b(n);
    for (size_t i = 0; i < n; ++i) b[i] = static_cast<uint8_t>((i * 131 + seed * 17) >> 1);
    return b;
}

class RemoteMIDITransferThreaded : public LinkFixture, public ::testing::WithParamInterface<unsigned char> {
protected:
    void SetUp() override {
        LinkFixture::SetUp();
        model = GetParam();
        inst = &AddInstrument(model == kPmidTolva ? Sim::Model::Tolva : Sim::Model::Nerimo, 4);
        inst->sim.With([](Sim::SimCore& c) { c.State().strictModes = false; });
        MakeLink(model);
        ASSERT_TRUE(ConnectSaved(*inst));
    }
    int UserBanks() const { return model == kPmidTolva ? 4 : 5; }

    unsigned char model = kPmidTolva;
    Instrument* inst = nullptr;
};

struct RequestCase {
    const char* name;
    std::function<QNRESULT(IRemoteMIDI&, int lastBank)> send;
    const char* kind;
    std::function<Span(int banks)> span;  // empty: the all-data body
};

TEST_P(RemoteMIDITransferThreaded, EveryRequestDeliversTheInstrumentsRecords) {
    const RequestCase cases[] = {
        {"current program", [](IRemoteMIDI& l, int) { return l.SendCurProgDumpReq(); }, "curprog",
         [](int) {
             return Span{Area::CurProgram, 0, 1};
         }},
        {"one program", [](IRemoteMIDI& l, int) { return l.SendProgDumpReq(1, 5); }, "prog",
         [](int) {
             return Span{Area::Program, 128 + 5, 1};
         }},
        {"program bank", [](IRemoteMIDI& l, int last) { return l.SendProgDumpReq(last, -1); }, "prog",
         [](int banks) {
             return Span{Area::Program, (banks - 1) * 128, 128};
         }},
        {"all programs", [](IRemoteMIDI& l, int) { return l.SendProgDumpReq(-1, -1); }, "prog",
         [](int banks) {
             return Span{Area::Program, 0, banks * 128};
         }},
        {"current combination", [](IRemoteMIDI& l, int) { return l.SendCurCombiDumpReq(); }, "curcombi",
         [](int) {
             return Span{Area::CurCombination, 0, 1};
         }},
        {"one combination", [](IRemoteMIDI& l, int) { return l.SendCombiDumpReq(2, 100); }, "combi",
         [](int) {
             return Span{Area::Combination, 256 + 100, 1};
         }},
        {"combination bank", [](IRemoteMIDI& l, int) { return l.SendCombiDumpReq(1, -1); }, "combi",
         [](int) {
             return Span{Area::Combination, 128, 128};
         }},
        {"all combinations", [](IRemoteMIDI& l, int) { return l.SendCombiDumpReq(-1, 0); }, "combi",
         [](int) {
             return Span{Area::Combination, 0, 384};
         }},
        {"current multi", [](IRemoteMIDI& l, int) { return l.SendCurMultiDumpReq(); }, "curmulti",
         [](int) {
             return Span{Area::CurMulti, 0, 1};
         }},
        {"one multi", [](IRemoteMIDI& l, int) { return l.SendMultiDumpReq(7); }, "multi",
         [](int) {
             return Span{Area::Multi, 7, 1};
         }},
        {"all multis", [](IRemoteMIDI& l, int) { return l.SendMultiDumpReq(-1); }, "multi",
         [](int) {
             return Span{Area::Multi, 0, 128};
         }},
        {"global", [](IRemoteMIDI& l, int) { return l.SendGlobalDumpReq(); }, "global",
         [](int) {
             return Span{Area::Global, 0, 1};
         }},
        {"one drum kit", [](IRemoteMIDI& l, int) { return l.SendDrumkitDumpReq(3); }, "drumkit",
         [](int) {
             return Span{Area::DrumKit, 3, 1};
         }},
        {"all drum kits", [](IRemoteMIDI& l, int) { return l.SendDrumkitDumpReq(-1); }, "drumkit",
         [](int) {
             return Span{Area::DrumKit, 0, 40};
         }},
        {"one pattern", [](IRemoteMIDI& l, int) { return l.SendArpPatternDumpReq(200); }, "arppattern",
         [](int) {
             return Span{Area::ArpPattern, 200, 1};
         }},
        {"all patterns", [](IRemoteMIDI& l, int) { return l.SendArpPatternDumpReq(-1); }, "arppattern",
         [](int) {
             return Span{Area::ArpPattern, 0, 251};
         }},
        {"one external-control set", [](IRemoteMIDI& l, int) { return l.SendExtControlDumpReq(10); },
         "extcontrol",
         [](int) {
             return Span{Area::ExtControl, 10, 1};
         }},
        {"all external-control sets", [](IRemoteMIDI& l, int) { return l.SendExtControlDumpReq(-1); },
         "extcontrol",
         [](int) {
             return Span{Area::ExtControl, 0, 64};
         }},
        {"all data", [](IRemoteMIDI& l, int) { return l.SendAllDumpReq(); }, "all", nullptr},
    };
    for (const RequestCase& c : cases) {
        const size_t before = recorder.DumpCount();
        ASSERT_EQ(c.send(*link, UserBanks() - 1), QS_OK) << c.name;
        ASSERT_EQ(recorder.DumpCount(), before + 1) << c.name;
        const Recorder::Dump got = recorder.Dumps().back();
        EXPECT_EQ(got.kind, c.kind) << c.name;
        Bytes expected;
        if (c.span)
            expected = Records(inst->sim, c.span(UserBanks()));
        else
            inst->sim.With([&](Sim::SimCore& core) { expected = core.Image().BuildAllBody(); });
        EXPECT_TRUE(got.data == expected) << c.name << ": " << got.data.size() << " vs " << expected.size();
    }
    // A bank the model does not have is answered with an error.
    EXPECT_EQ(link->SendProgDumpReq(UserBanks(), -1), QN_FAIL);
    EXPECT_EQ(link->SendModeAndStateReq(), QS_OK);
}

struct DumpCase {
    const char* name;
    std::function<QNRESULT(IRemoteMIDI&, const Bytes&, int lastBank)> send;
    std::function<Span(int banks)> span;
};

TEST_P(RemoteMIDITransferThreaded, EveryDumpSentIsTakenByTheInstrument) {
    const DumpCase cases[] = {
        {"current program",
         [](IRemoteMIDI& l, const Bytes& d, int) { return l.SendCurProgDump(d.data(), unsigned(d.size())); },
         [](int) {
             return Span{Area::CurProgram, 0, 1};
         }},
        {"one program",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendProgDump(2, 9, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Program, 256 + 9, 1};
         }},
        {"program bank",
         [](IRemoteMIDI& l, const Bytes& d, int last) {
             return l.SendProgDump(last, -1, d.data(), unsigned(d.size()));
         },
         [](int banks) {
             return Span{Area::Program, (banks - 1) * 128, 128};
         }},
        {"all programs",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendProgDump(-1, -1, d.data(), unsigned(d.size()));
         },
         [](int banks) {
             return Span{Area::Program, 0, banks * 128};
         }},
        {"current combination",
         [](IRemoteMIDI& l, const Bytes& d, int) { return l.SendCurCombiDump(d.data(), unsigned(d.size())); },
         [](int) {
             return Span{Area::CurCombination, 0, 1};
         }},
        {"one combination",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendCombiDump(0, 1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Combination, 1, 1};
         }},
        {"combination bank",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendCombiDump(2, -1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Combination, 256, 128};
         }},
        {"all combinations",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendCombiDump(-1, -1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Combination, 0, 384};
         }},
        {"current multi",
         [](IRemoteMIDI& l, const Bytes& d, int) { return l.SendCurMultiDump(d.data(), unsigned(d.size())); },
         [](int) {
             return Span{Area::CurMulti, 0, 1};
         }},
        {"one multi",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendMultiDump(127, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Multi, 127, 1};
         }},
        {"all multis",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendMultiDump(-1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::Multi, 0, 128};
         }},
        {"global",
         [](IRemoteMIDI& l, const Bytes& d, int) { return l.SendGlobalDump(d.data(), unsigned(d.size())); },
         [](int) {
             return Span{Area::Global, 0, 1};
         }},
        {"one drum kit",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendDrumkitDump(39, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::DrumKit, 39, 1};
         }},
        {"all drum kits",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendDrumkitDump(-1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::DrumKit, 0, 40};
         }},
        {"one pattern",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendArpPatternDump(250, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::ArpPattern, 250, 1};
         }},
        {"all patterns",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendArpPatternDump(-1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::ArpPattern, 0, 251};
         }},
        {"one external-control set",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendExtControlDump(0, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::ExtControl, 0, 1};
         }},
        {"all external-control sets",
         [](IRemoteMIDI& l, const Bytes& d, int) {
             return l.SendExtControlDump(-1, d.data(), unsigned(d.size()));
         },
         [](int) {
             return Span{Area::ExtControl, 0, 64};
         }},
    };
    unsigned seed = 1;
    for (const DumpCase& c : cases) {
        const Span span = c.span(UserBanks());
        const Bytes data = Pattern(Sim::GetAreaInfo(span.area).recordSize * span.count, seed++);
        ASSERT_EQ(c.send(*link, data, UserBanks() - 1), QS_OK) << c.name;
        EXPECT_TRUE(Records(inst->sim, span) == data) << c.name;
    }
    // All data, and a record of the wrong size, which is refused before anything is sent.
    const Bytes all = Pattern(AllDumpSize(model), 99);
    ASSERT_EQ(link->SendAllDump(all.data(), unsigned(all.size())), QS_OK);
    Bytes body;
    inst->sim.With([&](Sim::SimCore& c) { body = c.Image().BuildAllBody(); });
    EXPECT_TRUE(body == all);
    const size_t received = inst->sim.With([](Sim::SimCore& c) { return c.ReceivedMessages().size(); });
    EXPECT_EQ(link->SendGlobalDump(all.data(), kSizeGlobal - 1), QN_FAIL);
    EXPECT_EQ(inst->sim.With([](Sim::SimCore& c) { return c.ReceivedMessages().size(); }), received);
}

TEST_P(RemoteMIDITransferThreaded, ParameterChangesAreAcknowledgedOrRefusedByMode) {
    inst->sim.With([](Sim::SimCore& c) {
        c.State().strictModes = true;
        c.State().mode = Sim::Mode::ProgEdit;
    });
    EXPECT_EQ(link->SendParamChange(3, 0x0A05, 100), QS_OK);
    EXPECT_EQ(link->SendParamChange(3, 0x0102, -1), QS_OK);
    EXPECT_EQ(link->SendParamChange(1, 0x0102, 5), QN_FAIL);  // a combination change in program mode
    EXPECT_EQ(link->SendDrumkitParamChange(3, 2, 7, 60), QN_FAIL);
    EXPECT_EQ(link->SendModeChange(6), QS_OK);
    EXPECT_EQ(link->SendDrumkitParamChange(3, 2, 7, 60), QS_OK);
    EXPECT_EQ(link->SendArpPatternParamChange(200, 5, 9, -3), QS_OK);
    EXPECT_EQ(link->SendExtControlParamChange(12, 4, 127), QS_OK);
    EXPECT_EQ(link->SendMasterVolumeChange(0x1234), QS_OK);
    ASSERT_TRUE(inst->sim.WaitReceived(1));
    inst->sim.With([](Sim::SimCore& c) {
        const auto& changes = c.ParamChanges();
        ASSERT_EQ(changes.size(), 5u);
        EXPECT_EQ(changes[0].pid, 0x0A05);
        EXPECT_EQ(changes[0].value, 100);
        EXPECT_EQ(changes[1].value, -1);
        EXPECT_EQ(changes[2].kind, Sim::ParamKind::DrumKit);
        EXPECT_EQ(changes[3].item, 200);
        EXPECT_EQ(changes[3].index, 9);
        EXPECT_EQ(changes[3].value, -3);
        EXPECT_EQ(changes[4].item, 12);
        EXPECT_EQ(c.State().mode, Sim::Mode::Global);
    });
    ASSERT_TRUE(inst->sim.WaitIdle());
    inst->sim.With([](Sim::SimCore& c) { EXPECT_EQ(c.State().masterVolume, 0x1234u); });
}

TEST_P(RemoteMIDITransferThreaded, WriteCommandsAcknowledgedAndRefused) {
    inst->sim.With([](Sim::SimCore& c) { c.State().strictModes = true; });
    EXPECT_EQ(link->SendProgWriteReq(1, 5), QS_OK);
    EXPECT_EQ(link->SendCombiWriteReq(0, 5), QN_FAIL);  // wrong mode
    EXPECT_EQ(link->SendMultiWriteReq(3), QN_FAIL);
    inst->sim.With([](Sim::SimCore& c) { c.State().protect = true; });
    EXPECT_EQ(link->SendProgWriteReq(1, 5), QN_FAIL);
    EXPECT_EQ(link->SendProgWriteReq(200, 5), QN_FAIL);  // not a 7-bit bank: nothing sent
}

TEST_P(RemoteMIDITransferThreaded, ChangesFromTheInstrumentReachTheOwner) {
    inst->sim.With([](Sim::SimCore& c) {
        Sim::ParamChange change;
        change.mode = 2;
        change.pid = 0x0203;
        change.value = -5;
        c.PanelParamChange(change);
        c.PanelModeChange(Sim::Mode::Multi);
    });
    ASSERT_TRUE(inst->sim.WaitIdle());
    ASSERT_TRUE(loopback.WaitIdle(2000));
    EXPECT_EQ(recorder.ParamChanges(), 1);
    EXPECT_EQ(recorder.ModeChanges(), 1);
    EXPECT_EQ(link->GetMode(), 4);
}

struct FaultCase {
    const char* name;
    Sim::Fault fault;
    std::function<QNRESULT(IRemoteMIDI&)> send;
    QNRESULT expected;
};

Sim::Fault ErrorReply(int code, uint8_t errorCode, uint8_t reason) {
    Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::ErrorReply, code);
    f.errorCode = errorCode;
    f.reason = reason;
    return f;
}

Sim::Fault Truncated(int code, size_t offset) {
    Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::Truncate, code);
    f.offset = offset;
    return f;
}

TEST_P(RemoteMIDITransferThreaded, FaultsGiveTheirResultAndApplyNothing) {
    const FaultCase cases[] = {
        {"no reply", Sim::Fault::Make(Sim::FaultAction::NoReply, 0x0E),
         [](IRemoteMIDI& l) { return l.SendGlobalDumpReq(); }, QN_TIMEOUT},
        {"load error", ErrorReply(0x0D, 0x24, 1), [](IRemoteMIDI& l) { return l.SendDrumkitDumpReq(2); },
         QN_FAIL},
        {"dump cut short", Truncated(0x0D, 3000), [](IRemoteMIDI& l) { return l.SendDrumkitDumpReq(2); },
         QN_TIMEOUT},
        {"format error", ErrorReply(0x10, 0x26, 0), [](IRemoteMIDI& l) { return l.SendCurProgDumpReq(); },
         QN_TIMEOUT},
    };
    for (const FaultCase& c : cases) {
        inst->sim.With([&](Sim::SimCore& core) { core.AddFault(c.fault); });
        EXPECT_EQ(c.send(*link), c.expected) << c.name;
        EXPECT_EQ(recorder.DumpCount(), 0u) << c.name;
    }
    // The link goes on working.
    EXPECT_EQ(link->SendDrumkitDumpReq(2), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), 1u);
}

// A dump cut off mid-way, with no end ever coming: once it has been idle as long as the mode-and-state
// request would wait, that request goes out (a poll can see the instrument answer, or go away).
TEST_P(RemoteMIDITransferThreaded, DumpCutOffMidWayDoesNotMakeModeAndStateBusyForever) {
    inst->sim.With([&](Sim::SimCore& core) { core.AddFault(Truncated(0x0D, 3000)); });
    EXPECT_EQ(link->SendDrumkitDumpReq(2), QN_TIMEOUT);
    EXPECT_EQ(link->SendModeAndStateReq(), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), 0u);
    EXPECT_EQ(link->SendDrumkitDumpReq(2), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), 1u);
}

// A dump that ends (0xF7) before its record is whole fails its request at once (no time-out), and
// nothing of it reaches the owner.
TEST_P(RemoteMIDITransferThreaded, DumpOfTheWrongDecodedSizeFailsTheRequest) {
    inst->sim.With([](Sim::SimCore& c) {
        c.AddFault(Sim::Fault::Make(Sim::FaultAction::NoReply, Sim::Rx::DrumKitReq));
    });
    Bytes dump = linktest::DumpMessage(SXDrumkitDump(4, 2), linktest::RandomRecord(kSizeDrumKit, 3));
    dump.erase(dump.end() - 1 - 16, dump.end() - 1);  // 16 packed bytes short, its 0xF7 kept
    // The instrument's answer, while the request waits (a one-record request waits without the loop).
    std::thread instrument([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        loopback.Inject(inst->port.Source(), dump.data(), dump.size());
    });
    const uint32_t start = ::GetSysTick();
    EXPECT_EQ(link->SendDrumkitDumpReq(2), QN_FAIL);
    EXPECT_LT(::GetSysTick() - start, 900u);
    instrument.join();
    EXPECT_EQ(recorder.DumpCount(), 0u);
}

TEST_P(RemoteMIDITransferThreaded, ErrorInTheMiddleOfADumpEndsTheSessionAndChangesNothing) {
    Bytes before = Records(inst->sim, {Area::Program, 0, 128});
    Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::ErrorMidDump, 0x4C);
    f.offset = 3000;
    f.reason = 3;
    inst->sim.With([&](Sim::SimCore& c) { c.AddFault(f); });
    const Bytes bank = Pattern(kAreaPrograms.BankSize(), 5);
    EXPECT_EQ(link->SendProgDump(0, -1, bank.data(), unsigned(bank.size())), QN_FAIL);
    EXPECT_TRUE(Records(inst->sim, {Area::Program, 0, 128}) == before);
    // No block of the broken dump arrives inside the next message.
    EXPECT_EQ(link->SendModeAndStateReq(), QS_OK);
    EXPECT_EQ(link->SendProgDump(0, 3, bank.data(), kSizeProgram), QS_OK);
}

TEST_P(RemoteMIDITransferThreaded, CancelWhileReceivingABankAbortsAndDropsTheRest) {
    inst->sim.SetPacing(Sim::Pacing::Rate(40000, 256));
    bool pressed = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 10, [&](RunLoop::TimerMessage) {
        if (!pressed && headless.Percent() > 0) pressed = headless.PressCancel();
    });
    EXPECT_EQ(link->SendProgDumpReq(0, -1), QN_ABORT);
    loop.RemoveTimer(timer);
    EXPECT_TRUE(pressed);
    ASSERT_TRUE(inst->sim.WaitIdle(10000));
    ASSERT_TRUE(loopback.WaitIdle(2000));
    EXPECT_EQ(recorder.DumpCount(), 0u);  // the rest of the bank was dropped, nothing applied
    EXPECT_FALSE(link->UIIsAborted());
    inst->sim.SetPacing(Sim::Pacing::Unthrottled());
    EXPECT_EQ(link->SendProgDumpReq(0, 1), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), 1u);
}

// Cancelled before its answer has begun: the answer that comes late is dropped, never handed to the
// owner, and the same request made again is answered.
TEST_P(RemoteMIDITransferThreaded, CancelBeforeTheAnswerBeginsDropsTheLateAnswer) {
    Sim::Fault f = Sim::Fault::Make(Sim::FaultAction::Delay, Sim::Rx::ProgReq);
    f.delayMs = 300;
    inst->sim.With([&](Sim::SimCore& c) { c.AddFault(f); });
    bool pressed = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 10, [&](RunLoop::TimerMessage) {
        if (!pressed && headless.IsShown()) pressed = headless.PressCancel();
    });
    EXPECT_EQ(link->SendProgDumpReq(0, -1), QN_ABORT);
    loop.RemoveTimer(timer);
    EXPECT_TRUE(pressed);
    ASSERT_TRUE(inst->sim.WaitIdle(10000));
    ASSERT_TRUE(loopback.WaitIdle(5000));
    loop.RunUntil([] { return false; }, 100);  // a late dump's own session would start here
    EXPECT_EQ(recorder.DumpCount(), 0u);
    EXPECT_EQ(link->SendProgDumpReq(0, -1), QS_OK);
    ASSERT_EQ(recorder.DumpCount(), 1u);
    EXPECT_TRUE(recorder.Dumps()[0].data == Records(inst->sim, {Area::Program, 0, 128}));
}

TEST_P(RemoteMIDITransferThreaded, SecondSessionDuringOneIsBusy) {
    inst->sim.SetPacing(Sim::Pacing::Rate(200000, 256));
    QNRESULT nested = QS_OK, nestedModeAndState = QS_OK;
    bool tried = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 10, [&](RunLoop::TimerMessage) {
        if (tried) return;
        tried = true;
        nested = link->SendGlobalDumpReq();
        nestedModeAndState = link->SendModeAndStateReq();
    });
    EXPECT_EQ(link->SendProgDumpReq(1, -1), QS_OK);
    loop.RemoveTimer(timer);
    EXPECT_TRUE(tried);
    EXPECT_EQ(nested, QN_BUSY);
    EXPECT_EQ(nestedModeAndState, QN_BUSY);
    EXPECT_EQ(recorder.DumpCount(), 1u);
}

TEST_P(RemoteMIDITransferThreaded, UnsolicitedLargeDumpGetsItsOwnProgress) {
    inst->sim.SetPacing(Sim::Pacing::Rate(400000, 512));
    inst->sim.With([](Sim::SimCore& c) { return c.PanelSendDump({Sim::DumpKind::Program, 1, -1}); });
    ASSERT_TRUE(loop.RunUntil([&] { return recorder.DumpCount() == 1; }, 10000));
    loop.RunUntil([&] { return !headless.IsShown(); }, 2000);
    EXPECT_EQ(headless.WindowsOpened(), 2);  // the search's, then the dump's
    bool receiving = false;
    for (const std::string& t : headless.Texts()) receiving |= t.rfind("Receiving...\n", 0) == 0;
    EXPECT_TRUE(receiving);
    EXPECT_EQ(recorder.Dumps()[0].a, 1);
    EXPECT_TRUE(recorder.Dumps()[0].data == Records(inst->sim, {Area::Program, 128, 128}));
    // A small one opens nothing.
    inst->sim.With([](Sim::SimCore& c) { return c.PanelSendDump({Sim::DumpKind::Program, 0, 3}); });
    ASSERT_TRUE(loop.RunUntil([&] { return recorder.DumpCount() == 2; }, 5000));
    loop.RunPending();
    EXPECT_EQ(headless.WindowsOpened(), 2);
}

TEST_P(RemoteMIDITransferThreaded, DisconnectDuringATransferOnAStuckPortReturns) {
    loopback.SetExclusiveNeverCompletes(inst->port.Destination(), true);
    bool disconnected = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 50, [&](RunLoop::TimerMessage) {
        if (disconnected) return;
        disconnected = true;
        link->Disconnect();
    });
    const Bytes all = Pattern(AllDumpSize(model), 3);
    EXPECT_EQ(link->SendAllDump(all.data(), unsigned(all.size())), QN_FAIL);
    loop.RemoveTimer(timer);
    EXPECT_TRUE(disconnected);
    EXPECT_FALSE(link->GetConnectionState(nullptr, nullptr, nullptr, nullptr));
    EXPECT_FALSE(headless.IsShown());
}

// The output paced like a DIN cable (320 us a byte after each block), set before the ports open.
class RemoteMIDIWireThreaded : public LinkFixture {
protected:
    void Connect(unsigned pausePerByte) {
        loopback.SetExclusivePauseMicrosPerByte(pausePerByte);
        inst = &AddInstrument(Sim::Model::Tolva);
        MakeLink(kPmidTolva);
        ASSERT_TRUE(ConnectSaved(*inst));
    }
    Instrument* inst = nullptr;
};

TEST_F(RemoteMIDIWireThreaded, DrumKitAtDinSpeedDoesNotTimeOutWhileOnTheWire) {
    Connect(320);  // 4709 bytes: about 1.5 s on the wire, longer than the 1000 ms wait
    const Bytes kit = Pattern(kSizeDrumKit, 8);
    EXPECT_EQ(link->SendDrumkitDump(6, kit.data(), unsigned(kit.size())), QS_OK);
    EXPECT_TRUE(Records(inst->sim, {Area::DrumKit, 6, 1}) == kit);
}

TEST_F(RemoteMIDIWireThreaded, CancelWhileSendingStopsAfterTheBlockAndTheInstrumentKeepsItsData) {
    Connect(30);
    const Bytes before = Records(inst->sim, {Area::Program, 0, 512});
    bool pressed = false;
    const RunLoop::TimerId timer = loop.AddTimer(this, 10, [&](RunLoop::TimerMessage) {
        if (!pressed && headless.Percent() > 0) pressed = headless.PressCancel();
    });
    const Bytes all = Pattern(kAreaPrograms.BankSize() * 4, 4);
    EXPECT_EQ(link->SendProgDump(-1, -1, all.data(), unsigned(all.size())), QN_ABORT);
    loop.RemoveTimer(timer);
    EXPECT_TRUE(pressed);
    ASSERT_TRUE(inst->sim.WaitIdle());
    EXPECT_TRUE(Records(inst->sim, {Area::Program, 0, 512}) == before);
    // The instrument got a message closed early, nothing after it; the link goes on.
    EXPECT_EQ(link->SendProgDumpReq(0, 0), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), 1u);
}

// Incoming bytes lost on their way (the system's buffer overflowed while nobody read it): the broken
// answer is never taken, the request is made once more, and a second loss fails the transfer at
// once instead of leaving the link waiting, or holding the old data as if nothing had happened.
TEST_P(RemoteMIDITransferThreaded, AnAnswerBrokenByLostInputIsAskedForAgainAndArrivesWhole) {
    const auto received = [&] {
        return inst->sim.With([](Sim::SimCore& c) { return c.ReceivedMessages().size(); });
    };
    const size_t requests = received();
    const size_t dumps = recorder.DumpCount();
    loopback.LoseInput(inst->port.Source(), 100, 64);
    ASSERT_EQ(link->SendCurProgDumpReq(), QS_OK);
    EXPECT_EQ(received(), requests + 2) << "the request was not made again";
    ASSERT_EQ(recorder.DumpCount(), dumps + 1);
    EXPECT_EQ(recorder.Dumps().back().data, Records(inst->sim, Span{Area::CurProgram, 0, 1}));
}

TEST_P(RemoteMIDITransferThreaded, ASecondLossFailsTheTransferAndTheLinkCarriesOn) {
    const auto received = [&] {
        return inst->sim.With([](Sim::SimCore& c) { return c.ReceivedMessages().size(); });
    };
    const size_t requests = received();
    const size_t dumps = recorder.DumpCount();
    // Answers go out a moment late, so that the second one can be broken too once it is asked for.
    inst->sim.With([](Sim::SimCore& c) {
        Sim::Fault late = Sim::Fault::Make(Sim::FaultAction::Delay, Sim::kAnyCode).Times(0);
        late.delayMs = 300;
        c.AddFault(late);
    });
    loopback.LoseInput(inst->port.Source(), 100, 64);
    std::thread again([&] {
        if (inst->sim.WaitReceived(requests + 2, 5000)) loopback.LoseInput(inst->port.Source(), 100, 64);
    });
    EXPECT_EQ(link->SendCurProgDumpReq(), QN_FAIL);
    again.join();
    EXPECT_EQ(received(), requests + 2);
    EXPECT_EQ(recorder.DumpCount(), dumps);
    // With nothing lost the next request is answered.
    EXPECT_EQ(link->SendCurProgDumpReq(), QS_OK);
    EXPECT_EQ(recorder.DumpCount(), dumps + 1);
}

INSTANTIATE_TEST_SUITE_P(Models, RemoteMIDITransferThreaded, ::testing::Values(kPmidTolva, kPmidNerimo),
                         [](const ::testing::TestParamInfo<unsigned char>& info) {
                             return info.param == kPmidTolva ? std::string("Tolva") : std::string("Nerimo");
                         });

}  // namespace
