// The display converters a section hands out in its descriptors are called by the editor's controls
// directly, on any thread. Those that read the image or the section's own state (the drum-kit and
// pattern name lists, the BUS SELECT list that depends on the track's program) read under the
// image lock: a text formatted while a writer holds the lock shows what the writer left.
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <string>
#include <thread>

#include "Support/SectionSet.h"

namespace QorX0 {
namespace {

struct Case {
    const char* name;
    std::function<ISection*(SectionSet&)> section;
    int pid, value;
    std::function<void(SectionSet&)> prepare, change;  // change runs while the lock is held
    const char* after;                                 // the text the reader must see
};

void PutName(uint8_t* record, const char* name) {
    std::memset(record, ' ', 16);
    std::memcpy(record, name, std::strlen(name));
}

TEST(ConverterLockThreaded, FormatSeesWhatTheLockHolderWrote) {
    const int bus = 0x0300 + 40;
    const Case cases[] = {
        {"drum kit name", [](SectionSet& s) -> ISection* { return &s.progEdit; }, 0x0201, 3,
         [](SectionSet& s) {
             s.progEdit.PutParamIEx(0x0001, 2, 0);  // Drums: the sample row lists the kits
             PutName(s.host.image->drumkit[3], "Before");
         },
         [](SectionSet& s) { PutName(s.host.image->drumkit[3], "After"); }, "03(INT):After"},
        {"pattern name", [](SectionSet& s) -> ISection* { return &s.global; }, 0x7C00, 5 + 7,
         [](SectionSet& s) { PutName(s.host.image->arppattern[7], "Before"); },
         [](SectionSet& s) { PutName(s.host.image->arppattern[7], "After"); }, "U007:After"},
        {"bus select", [](SectionSet& s) -> ISection* { return s.multi.GetTrack()->GetAt(2); }, bus, 0,
         [](SectionSet& s) {
             s.multi.GetTrack()->GetAt(2)->PutParamIEx(0x0300, 0, 0);  // program A000
             s.host.image->program[0][0][108] = 2;                     // in Drums mode
         },
         [](SectionSet& s) {
             // The program leaves Drums mode: "Drumkit IFX" leaves the list when it is described.
             s.host.image->program[0][0][108] = 0;
             PARAMDESC d;
             s.multi.GetTrack()->GetAt(2)->GetParamDesc(0x0300 + 40, &d);
         },
         "L/R"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SectionSet s;
        c.prepare(s);
        PARAMDESC d;
        ASSERT_TRUE(c.section(s)->GetParamDesc(c.pid, &d));
        ASSERT_NE(d.converter, nullptr);

        std::string seen;
        s.host.imageLock.Lock();
        std::thread editor([&] { seen = multiszlong(d.converter->Format(c.value)); });
        // Give the reader the time to run into the lock before the writer changes anything.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        c.change(s);
        s.host.imageLock.Unlock();
        editor.join();
        EXPECT_EQ(seen.substr(0, std::strlen(c.after)), c.after);
    }
}

}  // namespace
}  // namespace QorX0
