// The common section: lookup, clamped writes, protection and force, notify and send flags, received
// changes, raw access and observers.
#include <gtest/gtest.h>

#include <cstring>
#include <thread>

#include "Common/Model/SectionBase.h"
#include "Support/SectionFakes.h"

namespace QorX0 {
namespace {

const PARAMDESC kRows[] = {
    {"HEAD\0HEAD", nullptr, kPidNone, kPTypeCaption, kATypeNone, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"NAME\0NAME", nullptr, 0x0100, kPTypeString, kATypeName16, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"LEVEL\0LEVEL", nullptr, 0x0101, kPTypeCont, kATypeUBF8, 16, 0, 7, 10, 0, 100, 0, 0, "%.0f,v"},
    {"LOCK\0LOCK", nullptr, 0x0102, kPTypeCont, kATypeUBF8, 17, 0, 7, 0, 0, 127, 0, 1, "%.0f,v"},
    {"PAN\0PAN", nullptr, 0x0103, kPTypeCont, kATypeSBF8, 18, 0, 7, 0, -64, 63, 0, 0, "%+.0f,v"},
    {"BIG\0BIG", nullptr, 0x0104, kPTypeCont, kATypeUBF24, 19, 0, 23, 0, 0, 100000, 0, 0, "%.0f,v"},
    {"LOCAL\0LOCAL", nullptr, 0x8001, kPTypeCont, kATypeUBF8, 22, 0, 7, 0, 0, 127, 0, 0, "%.0f,v"},
    {"INIT\0INIT", nullptr, 0x0105, kPTypeCont, kATypeUBF8, 23, 0, 7, 7, 0, 127, 0, 0, "%.0f,v"},
};
const TABLEDESC kTable = MakeTable(kRows);
constexpr unsigned kSize = 24;

class CTestSection : public CSectionImplBaseT<CTestSection, ISection> {};

class SectionBase : public ::testing::Test {
protected:
    void SetUp() override {
        std::memset(record, 0, sizeof record);
        std::memset(init, 0, sizeof init);
        init[23] = 42;
        section.Init(&host, kTable, 3, 0x1000, record, kSize, init);
        section.AdviseSink(&sink);
    }
    void TearDown() override { section.UnadviseSink(&sink); }

    FakeHostProxy host;
    uint8_t record[kSize];
    uint8_t init[kSize];
    CTestSection section;
    RecordingSink sink;
};

TEST_F(SectionBase, PidsCarryTheBaseBothWays) {
    EXPECT_EQ(section.GetParamCount(), 8);
    EXPECT_EQ(section.GetParamIDByIndex(0), kPidNone);
    EXPECT_EQ(section.GetParamIDByIndex(2), 0x1101);
    EXPECT_EQ(section.GetIndexByParamID(0x1101), 2);
    EXPECT_EQ(section.GetIndexByParamID(0x0101), -1);
    EXPECT_EQ(section.GetIndexByParamID(kPidNone), -1);
    PARAMDESC d;
    ASSERT_TRUE(section.GetParamDesc(0x1101, &d));
    EXPECT_EQ(d.pid, 0x1101);
    EXPECT_EQ(d.record, record);
    EXPECT_FALSE(section.GetParamDesc(kPidNone, &d));
    EXPECT_FALSE(section.GetParamDescByIndex(8, &d));
}

TEST_F(SectionBase, InitialValueComesFromTheInitialImageOrTheDefault) {
    PARAMDESC d;
    ASSERT_TRUE(section.GetParamDesc(0x1105, &d));
    EXPECT_EQ(d.initval, 42);
    CTestSection bare;
    bare.Init(&host, kTable, 3, 0, record, kSize, nullptr);
    ASSERT_TRUE(bare.GetParamDesc(0x0105, &d));
    EXPECT_EQ(d.initval, 7);
}

TEST_F(SectionBase, ValuesAreClampedOnWriteAndOnRead) {
    EXPECT_EQ(section.PutParamIEx(0x1101, 150, 0), 100);
    EXPECT_EQ(record[16], 100);
    EXPECT_EQ(section.PutParamIEx(0x1103, -100, 0), -64);
    record[16] = 120;  // out of range in the record
    EXPECT_EQ(section.GetParamI(0x1101), 100);
    EXPECT_EQ(multiszlong(section.GetParamS(0x1101)), "120");
}

TEST_F(SectionBase, ProtectedRowsNeedTheForceFlag) {
    EXPECT_EQ(section.PutParamI(0x1102, 5), 0);
    EXPECT_EQ(record[17], 0);
    EXPECT_TRUE(host.link.Sent().empty());
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(section.PutParamIEx(0x1102, 5, kPutForce), 5);
    EXPECT_EQ(record[17], 5);
    EXPECT_TRUE(host.link.Sent().empty());
    EXPECT_TRUE(sink.events.empty());
    EXPECT_EQ(multiszlong(section.PutParamS(0x1102, "9")), "");
    EXPECT_EQ(record[17], 5);
}

TEST_F(SectionBase, PlainWritesNotifyAndSendTheStoredRawValue) {
    host.link.channel = 2;
    EXPECT_EQ(section.PutParamI(0x1103, -3), -3);
    ASSERT_EQ(host.link.Sent().size(), 1u);
    EXPECT_EQ(Hex(host.link.Sent()[0]), "F0 42 32 7A 41 03 00 11 00 03 7F 7D F7");
    EXPECT_EQ(sink.Joined(), "C1103");
    EXPECT_EQ(sink.sections[0], static_cast<ISection*>(&section));
}

TEST_F(SectionBase, FlagsChooseNotifyAndSendSeparately) {
    struct Case {
        unsigned flags;
        size_t sent;
        size_t heard;
    } cases[] = {{0, 0, 0}, {kPutNotify, 0, 1}, {kPutSend, 1, 0}, {kPutNotify | kPutSend, 1, 1}};
    for (const Case& c : cases) {
        host.link.Clear();
        sink.Clear();
        section.PutParamIEx(0x1101, 50, c.flags);
        EXPECT_EQ(host.link.Sent().size(), c.sent) << c.flags;
        EXPECT_EQ(sink.events.size(), c.heard) << c.flags;
    }
}

TEST_F(SectionBase, StringRowsStoreTextAndAreNeverSent) {
    EXPECT_EQ(section.PutParamIEx(0x1100, 5, kPutPlain), 5);
    EXPECT_EQ(multiszlong(section.GetParamS(0x1100)).substr(0, 1), "5");
    EXPECT_EQ(multiszlong(section.PutParamS(0x1100, "PIANO")).substr(0, 5), "PIANO");
    EXPECT_EQ(std::string(reinterpret_cast<char*>(record), 5), "PIANO");
    EXPECT_TRUE(host.link.Sent().empty());
    EXPECT_EQ(sink.Joined(), "C1100 C1100");
}

TEST_F(SectionBase, RowsWithBit15AndUnsentSectionsNeverSend) {
    section.PutParamI(0x9001, 5);
    EXPECT_EQ(record[22], 5);
    EXPECT_TRUE(host.link.Sent().empty());
    CTestSection silent;
    silent.Init(&host, kTable, -1, 0, record, kSize, nullptr);
    silent.PutParamI(0x0101, 7);
    EXPECT_EQ(record[16], 7);
    EXPECT_TRUE(host.link.Sent().empty());
}

// The instrument reads the 14 bits of a change as a signed number: 8192 and above would arrive
// negative, so only -8192..8191 is sent.
TEST_F(SectionBase, ValuesBeyondFourteenBitsAreStoredButNotSent) {
    EXPECT_EQ(section.PutParamI(0x1104, 8191), 8191);
    EXPECT_EQ(host.link.Sent().size(), 1u);
    for (int value : {8192, 16383, 70000}) {
        host.link.Clear();
        EXPECT_EQ(section.PutParamI(0x1104, value), value);
        EXPECT_EQ(section.GetParamI(0x1104), value);
        EXPECT_TRUE(host.link.Sent().empty()) << value;
    }
}

// A change received on another thread queues its event for the main thread; a section destroyed
// before the loop runs withdraws it. The section's storage is wiped after it is destroyed, so that a
// call into it could not pass unnoticed.
TEST_F(SectionBase, QueuedEventsOfADestroyedSectionAreNeverDelivered) {
    alignas(CTestSection) unsigned char storage[sizeof(CTestSection)];
    auto* doomed = new (storage) CTestSection;
    doomed->Init(&host, kTable, 3, 0x1000, record, kSize, init);
    RecordingSink other;
    doomed->AdviseSink(&other);
    std::thread([&] { doomed->OnRcvMIDIParam(0x1101, 5); }).join();
    doomed->UnadviseSink(&other);
    doomed->~CTestSection();
    std::memset(storage, 0, sizeof storage);
    host.Pump();
    EXPECT_TRUE(other.events.empty());

    // The live section's own event still arrives.
    std::thread([&] { section.OnRcvMIDIParam(0x1101, 6); }).join();
    host.Pump();
    EXPECT_EQ(sink.Joined(), "C1101");
}

TEST_F(SectionBase, ReceivedChangesAreStoredUnclampedAndNeverSentBack) {
    section.OnRcvMIDIParam(0x1101, 120);
    EXPECT_EQ(record[16], 120);
    EXPECT_TRUE(host.link.Sent().empty());
    EXPECT_EQ(sink.Joined(), "C1101");
    section.OnRcvMIDIParam(0x1102, 9);  // protected
    section.OnRcvMIDIParam(0x1100, 9);  // string
    section.OnRcvMIDIParam(0x7777, 9);  // unknown
    EXPECT_EQ(record[17], 0);
    EXPECT_EQ(sink.Joined(), "C1101");
}

TEST_F(SectionBase, RawAccessIsBoundedAndReinitialises) {
    uint8_t buf[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(section.RawGet(buf, kSize, 4), 0u);
    EXPECT_EQ(section.RawPut(buf, kSize - 4, 10), 4u);
    EXPECT_EQ(record[kSize - 1], 4);
    EXPECT_EQ(sink.Joined(), "R");
    EXPECT_EQ(section.RawPut(buf, kSize, 1), 0u);
    EXPECT_EQ(sink.Joined(), "R");
    uint8_t out[4] = {};
    EXPECT_EQ(section.RawGet(out, kSize - 2, 4), 2u);
    EXPECT_EQ(out[1], 4);
}

TEST_F(SectionBase, ObserversAreCalledOnceInAdviseOrderUntilUnadvised) {
    RecordingSink second;
    EXPECT_FALSE(section.AdviseSink(&sink));
    EXPECT_FALSE(section.AdviseSink(nullptr));
    EXPECT_TRUE(section.AdviseSink(&second));
    section.PutParamIEx(0x1101, 1, kPutNotify);
    EXPECT_EQ(sink.Joined(), "C1101");
    EXPECT_EQ(second.Joined(), "C1101");
    EXPECT_TRUE(section.UnadviseSink(&second));
    EXPECT_FALSE(section.UnadviseSink(&second));
    section.PutParamIEx(0x1101, 2, kPutNotify);
    EXPECT_EQ(second.Joined(), "C1101");
    EXPECT_EQ(sink.Joined(), "C1101 C1101");
}

TEST_F(SectionBase, EachEventReachesTheObserversInAdviseOrder) {
    class LogSink : public ISectionSink {
    public:
        LogSink(std::vector<std::string>* log, const char* name) : m_log(log), m_name(name) {}
        void OnSectionReinitialized(ISection*) override { m_log->push_back(m_name + "R"); }
        void OnSectionParamPropsChanged(ISection*, int) override { m_log->push_back(m_name + "P"); }
        void OnSectionParamChanged(ISection*, int) override { m_log->push_back(m_name + "C"); }

    private:
        std::vector<std::string>* m_log;
        std::string m_name;
    };
    std::vector<std::string> log;
    LogSink a(&log, "a"), b(&log, "b"), c(&log, "c");
    for (LogSink* sk : {&b, &a, &c}) section.AdviseSink(sk);
    section.PutParamIEx(0x1101, 3, kPutNotify);
    section.RawPut(record, 0, 1);
    EXPECT_EQ(log, (std::vector<std::string>{"bC", "aC", "cC", "bR", "aR", "cR"}));
    for (LogSink* sk : {&b, &a, &c}) section.UnadviseSink(sk);
}

TEST_F(SectionBase, ObserversMayUnadviseDuringTheWalk) {
    // Unadvises the observers it is given when it hears a change.
    class LeavingSink : public RecordingSink {
    public:
        void OnSectionParamChanged(ISection* s, int pid) override {
            RecordingSink::OnSectionParamChanged(s, pid);
            for (ISectionSink* sk : leave) s->UnadviseSink(sk);
            leave.clear();
        }
        std::vector<ISectionSink*> leave;
    };
    LeavingSink first;
    RecordingSink second, third;
    section.UnadviseSink(&sink);
    for (ISectionSink* sk : std::initializer_list<ISectionSink*>{&first, &second, &third})
        section.AdviseSink(sk);
    first.leave = {&first};
    section.PutParamIEx(0x1101, 1, kPutNotify);
    EXPECT_EQ(first.Joined(), "C1101");
    EXPECT_EQ(second.Joined(), "C1101");
    EXPECT_EQ(third.Joined(), "C1101");
    section.UnadviseSink(&second);
    section.UnadviseSink(&third);
    for (ISectionSink* sk : std::initializer_list<ISectionSink*>{&first, &second, &third})
        section.AdviseSink(sk);
    first.leave = {&third};
    section.PutParamIEx(0x1101, 2, kPutNotify);
    EXPECT_EQ(second.Joined(), "C1101 C1101");
    EXPECT_EQ(third.Joined(), "C1101");  // unadvised before its turn
    section.UnadviseSink(&first);
    section.UnadviseSink(&second);
    section.AdviseSink(&sink);
}

TEST_F(SectionBase, ASectionWithoutARecordReadsAndWritesNothing) {
    CTestSection empty;
    empty.Init(&host, kTable, 3, 0, nullptr, kSize, init);
    PARAMDESC d;
    EXPECT_FALSE(empty.GetParamDesc(0x0101, &d));
    EXPECT_EQ(empty.PutParamI(0x0101, 5), 0);
    EXPECT_EQ(empty.GetParamI(0x0101), 0);
    empty.OnRcvMIDIParam(0x0101, 5);
    EXPECT_TRUE(host.link.Sent().empty());
}

TEST_F(SectionBase, UnknownPidsAndUnboundSectionsAnswerEmpty) {
    EXPECT_EQ(section.GetParamI(0x4444), 0);
    EXPECT_EQ(section.PutParamI(0x4444, 3), 0);
    EXPECT_EQ(multiszlong(section.GetParamS(0x4444)), "");
    CTestSection unbound;
    EXPECT_EQ(unbound.GetParamCount(), 0);
    EXPECT_EQ(unbound.GetParamI(0x0101), 0);
    EXPECT_EQ(unbound.PutParamI(0x0101, 3), 0);
    EXPECT_EQ(unbound.GetIndexByParamID(0x0101), -1);
}

}  // namespace
}  // namespace QorX0
