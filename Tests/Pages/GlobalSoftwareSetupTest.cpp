// The software setup page: the port lists with their marks, the choice written to the setup, the
// total-recall switches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Common/Controls/QnDropdownList.h"
#include "Common/Model/ModelStrings.h"
#include "Common/Pages/GlobalSoftwareSetupLayer.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;
using Setup = GlobalSoftwareSetupLayer;

namespace {

// A synthesizer whose connection runs through ports the test names.
class PortSynth : public RecordingRemoteSynth {
public:
    MIDIDevKey connectedOut, connectedIn;
    bool GetConnectionState(MIDIDevKey* out, MIDIDevKey* in, DEVICEINQUIRYDATA*, MODEANDSTATE*,
                            bool* online) override {
        if (out) *out = connectedOut;
        if (in) *in = connectedIn;
        if (online) *online = !connectedIn.name.empty();
        return !connectedIn.name.empty();
    }
};

class SetupPageTest : public GlobalPageFixture<GlobalSoftwareSetupLayer> {
protected:
    std::unique_ptr<RecordingRemoteSynth> MakeSynth() override {
        auto s = std::make_unique<PortSynth>();
        s->inPorts = {MIDIDevKey("Tolva 1 In", 1), MIDIDevKey("Keys In", 2)};
        s->outPorts = {MIDIDevKey("Tolva 1 Out", 3), MIDIDevKey("Synth Out", 4)};
        return s;
    }
    PortSynth& Ports() { return static_cast<PortSynth&>(*synth); }
    static std::string Items(QnDropdownList* list) {
        std::string all;
        for (int i = 0; i < list->GetItemCount(); ++i) {
            std::string text;
            list->GetItemText(text, i);
            all += (i ? "|" : "") + text;
        }
        return all + " @" + std::to_string(list->GetIntValue());
    }
    std::string Saved(int pid) { return multiszlong(synth->sections.setup.GetParamS(pid)); }
    void Refill() {
        page->UpdateMIDIInDevice();
        page->UpdateMIDIOutDevice();
    }
};

TEST_F(SetupPageTest, PortListsShowTheSavedAndConnectedPortsWithTheirMarks) {
    struct Case {
        const char* what;
        const char* savedIn;
        const char* savedOut;
        const char* connectedIn;
        const char* connectedOut;
        const char* in;
        const char* out;
    };
    const Case cases[] = {
        {"nothing saved, no instrument", "", "", "", "", "(none)|Tolva 1 In|Keys In @0",
         "(none)|Tolva 1 Out|Synth Out @0"},
        {"saved ports gone from the machine", "Old In", "Old Out", "", "",
         "Old In (not connected)|Tolva 1 In|Keys In @0", "Old Out (not connected)|Tolva 1 Out|Synth Out @0"},
        {"saved ports present, instrument silent", "Keys In", "Tolva 1 Out", "", "",
         "Tolva 1 In|Keys In (not connected) @1", "Tolva 1 Out (not connected)|Synth Out @0"},
        {"connected", "Old In", "", "Keys In", "Synth Out", "Tolva 1 In|Keys In @1",
         "Tolva 1 Out|Synth Out @1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        synth->sections.setup.PutParamS(Setup::kPidMIDIInName, c.savedIn);
        synth->sections.setup.PutParamS(Setup::kPidMIDIOutName, c.savedOut);
        Ports().connectedIn = MIDIDevKey(c.connectedIn, 1);
        Ports().connectedOut = MIDIDevKey(c.connectedOut, 1);
        Refill();
        EXPECT_EQ(Items(page->GetMIDIInDropdown()), c.in);
        EXPECT_EQ(Items(page->GetMIDIOutDropdown()), c.out);
    }
}

TEST_F(SetupPageTest, AConnectionChangeRebuildsBothListsWithoutMarks) {
    synth->sections.setup.PutParamS(Setup::kPidMIDIInName, "Tolva 1 In");
    Refill();
    EXPECT_EQ(Items(page->GetMIDIInDropdown()), "Tolva 1 In (not connected)|Keys In @0");
    Ports().connectedIn = MIDIDevKey("Tolva 1 In", 1);
    Ports().connectedOut = MIDIDevKey("Tolva 1 Out", 3);
    page->OnRemoteSynthConnectionStateChanged(synth.get(), true, true);  // as the synthesizer tells
    Tick();
    EXPECT_EQ(Items(page->GetMIDIInDropdown()), "Tolva 1 In|Keys In @0");
    EXPECT_EQ(Items(page->GetMIDIOutDropdown()), "Tolva 1 Out|Synth Out @0");
}

TEST_F(SetupPageTest, OnlyAPlainPortChoiceIsSaved) {
    synth->sections.setup.PutParamS(Setup::kPidMIDIOutName, "Old Out");
    Refill();
    // "(none)" and a port marked not connected save nothing.
    page->OnHfcCtrlIntValueChanged(page->GetMIDIInDropdown(), 0);
    page->OnHfcCtrlIntValueChanged(page->GetMIDIOutDropdown(), 0);
    EXPECT_EQ(Saved(Setup::kPidMIDIInName), "");
    EXPECT_EQ(Saved(Setup::kPidMIDIOutName), "Old Out");
    // Out of the list: nothing either.
    page->OnHfcCtrlIntValueChanged(page->GetMIDIInDropdown(), 7);
    EXPECT_EQ(Saved(Setup::kPidMIDIInName), "");
    // A plain port is saved and shown as the port the next connection uses.
    page->OnHfcCtrlIntValueChanged(page->GetMIDIInDropdown(), 2);
    page->OnHfcCtrlIntValueChanged(page->GetMIDIOutDropdown(), 1);
    EXPECT_EQ(Saved(Setup::kPidMIDIInName), "Keys In");
    EXPECT_EQ(Saved(Setup::kPidMIDIOutName), "Tolva 1 Out");
    EXPECT_EQ(Items(page->GetMIDIInDropdown()), "Tolva 1 In|Keys In (not connected) @1");
    EXPECT_EQ(Items(page->GetMIDIOutDropdown()), "Tolva 1 Out (not connected)|Synth Out @0");
}

TEST_F(SetupPageTest, TotalRecallSwitchesEditTheSetup) {
    const int switches[] = {0x8200, 0x8500, 0x8800, 0x8A00, 0x8C00, 0x8E00, 0x9000, 0x8100};
    synth->sections.setup.PutParamI(0x8100, 0);  // "All" off: the kinds can be set one by one
    Tick();
    for (int pid : switches) {
        SCOPED_TRACE(pid);
        CHfcControl* box = Control(pid);
        ASSERT_NE(box, nullptr);
        const int before = synth->sections.setup.GetParamI(pid);
        page->OnHfcCtrlIntValueChanged(box, static_cast<int>(before ? 0x80000001u : 0x80000000u));
        Tick();
        EXPECT_EQ(synth->sections.setup.GetParamI(pid), before ? 0 : 1);
        EXPECT_EQ(box->GetIntValue(), before ? 0 : 1);
    }
    for (int pid : {0x8300, 0x8600}) EXPECT_EQ(page->GetParameterIdByControl(Control(pid)).pid, pid);
}

}  // namespace
