// The editor window end to end: the plug-in with its window over the real remote synthesizer and
// the simulated instrument, driven as a musician drives it.
#include "Editor/WindowFixture.h"

#include "Common/QnUtils/QnUtils.h"

using namespace WindowTest;

namespace {

class WindowScenario : public EditorWindow {
protected:
    void StartIn(uint8_t mode, int bank, int number) {
        m_preset = [=](Sim::SimCore& c) {
            c.State().mode = mode;
            c.State().progBank = static_cast<uint8_t>(bank);
            c.State().progNumber = static_cast<uint8_t>(number);
        };
        StartWith();
    }
    void StartWith(bool open = true, bool connect = true) {
        Start(false, connect);
        if (m_preset) m_sim->With(m_preset);
        Open();
        (void)open;
    }
    std::function<void(Sim::SimCore&)> m_preset;
};

}  // namespace

// S1: opened on an instrument in program play at B012.
TEST_F(WindowScenario, OpensOnTheInstrumentsModeAndSound) {
    Start(false);
    m_sim->With([](Sim::SimCore& c) { c.State().mode = Sim::Mode::ProgPlay; });
    QorX0::SOUNDINDEX b012{1, 12};
    synth->PutCurSound(b012);
    Settle();
    Open();
    Pump(200);
    EXPECT_EQ(Root()->GetGUIMode(), BackgroundLayer::kTabProg);
    EXPECT_TRUE(Tab(BackgroundLayer::kTabProg)->IsVisible());
    EXPECT_FALSE(Tab(BackgroundLayer::kTabCombi)->IsVisible());
    EXPECT_EQ(Tab(BackgroundLayer::kTabProg)->GetActiveIndex(), 0);
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundNumber), "012");
    EXPECT_EQ(Text(BackgroundLayer::kIdSoundName), QnUtils::GetProgramName(synth, 2, 1, 12));
    EXPECT_EQ(Text(BackgroundLayer::kIdBank), "B");
    EXPECT_EQ(Control(BackgroundLayer::kIdLogoMaker)->GetIntValue(), 0);
    Save("program-connected");
}
