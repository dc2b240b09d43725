// The global page base (row tables, the dump switch) and the system and MIDI page.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Common/Controls/QnSimpleControls.h"
#include "Common/Pages/GlobalPageLayerBase.h"
#include "Common/Pages/GlobalSystemPages.h"
#include "Hfc/Core/HfcCtrlSwitch.h"
#include "Pages/GlobalPageFixture.h"

using namespace QorX0;
using GlobalTest::TextOf;

namespace {

// A page built from one table of rows at (100, 40), and a dump switch when asked for.
class RowsPage : public GlobalPageLayerBase {
public:
    static constexpr SCtrlinfo kRows[] = {
        {0, 0x8800, kRowCheckBox, "Program"},  // kind 0: the page's own
        {kModeGlobal, 0x8200, kRowValueBar, "Transpose"},
        {0, -1, kRowNone, "none"},
        {kModeGlobal, 0x8300, kRowDropdown, "Curve"},
        {kKindArpPatterns, 0x0305, kRowTextEdit, "Note"},
    };
    RowsPage(IRemoteSynth* synth, int dumpId = -1) : GlobalPageLayerBase(synth, dumpId) {}
    bool OnCreate() override {
        CreateControls(kRows, static_cast<int>(std::size(kRows)), 100, 40);
        return GlobalPageLayerBase::OnCreate();
    }
};
class DumpPage : public RowsPage {
public:
    explicit DumpPage(IRemoteSynth* synth) : RowsPage(synth, 0x100000) {}
};

using RowsPageTest = GlobalPageFixture<RowsPage>;
using DumpPageTest = GlobalPageFixture<DumpPage>;

QnStaticText* LabelAt(QnSynthLayer& page, int x, int y) {
    for (int i = 0; i < page.GetNumControls(); ++i) {
        auto* label = dynamic_cast<QnStaticText*>(page.GetControl(i));
        if (label && label->GetRect().left == x && label->GetRect().top == y) return label;
    }
    return nullptr;
}

TEST_F(RowsPageTest, RowsLieTwentyTwoPixelsApartWithLabelsPlacedByTheirKind) {
    struct Case {
        int row, kind, pid, controlX, labelX, labelWidth;
        const char* label;
    };
    const int edit = 154 + QnControlCreater::kTextEditFocusMargin;
    const Case cases[] = {
        {0, kModeGlobal, 0x8800, 100, 119, 80, "Program"},  // a check box: its label to the right
        {1, kModeGlobal, 0x8200, 154, 100, 50, "Transpose"},
        {3, kModeGlobal, 0x8300, 154, 100, 50, "Curve"},
        {4, kKindArpPatterns, 0x0305, edit, 100, 50, "Note"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const int y = 40 + 22 * c.row;
        CHfcControl* control = Control((c.kind << 16) + c.pid);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->GetRect().left, c.controlX);
        EXPECT_EQ(control->GetRect().top,
                  c.kind == kKindArpPatterns ? y + QnControlCreater::kTextEditFocusMargin : y);
        const SParamIdInfo link = page->GetParameterIdByControl(control);
        EXPECT_EQ(link.section, page->GetParamSection(c.kind, c.pid));
        EXPECT_EQ(link.pid, c.pid);
        QnStaticText* label = LabelAt(*page, c.labelX, y);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(TextOf(label), c.label);
        EXPECT_EQ(label->GetRect().right - label->GetRect().left, c.labelWidth);
    }
    // The empty row makes nothing in its 22 pixels.
    for (int i = 0; i < page->GetNumControls(); ++i) {
        const tagHfcRect& r = page->GetControl(i)->GetRect();
        EXPECT_FALSE(r.top >= 40 + 44 && r.top < 40 + 66) << TextOf(page->GetControl(i));
    }
    // Synchronised at once: the check box shows the parameter's value.
    synth->sections.global.PutParamI(0x8800, 1);
    Tick();
    EXPECT_EQ(Control((kModeGlobal << 16) + 0x8800)->GetIntValue(), 1);
}

TEST_F(RowsPageTest, WithoutADumpSwitchEveryChangeWritesItsParameter) {
    EXPECT_FALSE(page->HasDumpSwitch());
    EXPECT_EQ(Control(0x100000), nullptr);
    Report((kModeGlobal << 16) + 0x8800, static_cast<int>(0x80000000u));  // a check box's press
    EXPECT_EQ(synth->sections.global.GetParamI(0x8800), 1);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(DumpPageTest, DumpSwitchAsksThenSendsTheGlobalSettingsOnlyOnOK) {
    CHfcControl* dump = Control(0x100000);
    ASSERT_NE(dump, nullptr);
    EXPECT_EQ(dump->GetRect().left, 495);
    EXPECT_EQ(dump->GetRect().top, 381);
    EXPECT_EQ(dump->GetRect().bottom - dump->GetRect().top, 22);  // one face of the strip

    struct Case {
        int answer;
        bool sent;
    };
    for (const Case& c : {Case{HFC_MB_RESULT_CANCEL, false}, Case{HFC_MB_RESULT_DEFAULT, true}}) {
        SCOPED_TRACE(c.answer);
        synth->calls.clear();
        boxes.clear();
        answer = c.answer;
        dump->SetIntValue(static_cast<int>(0x80000000u), false);  // shown pressed, as the press does
        Report(0x100000, static_cast<int>(0x80000000u));
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "Dump Global Setting /  ");
        EXPECT_EQ(synth->Joined(), c.sent ? "Command 13 0 0 0 0" : "");
        EXPECT_FALSE(static_cast<CHfcCtrlSwitch*>(dump)->IsPressed());
        // The release asks nothing.
        Report(0x100000, 0);
        EXPECT_EQ(boxes.size(), 1u);
    }
}

using SystemPageTest = GlobalPageFixture<GlobalSystemMIDILayer>;

TEST_F(SystemPageTest, MasterTuneLabelFollowsTheParameterAsAFrequency) {
    struct Case {
        int cents;
        const char* text;
    };
    const Case cases[] = {{-50, "Master Tune[427.47 Hz]"},
                          {0, "Master Tune[440.00 Hz]"},
                          {49, "Master Tune[452.63 Hz]"},
                          {50, "Master Tune[452.89 Hz]"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cents);
        // As the instrument changes it: the bar and the label follow together.
        synth->sections.global.PutParamIEx(0x8100, c.cents, kPutNotify);
        Tick();
        EXPECT_EQ(TextOf(Control(0x100001)), c.text);
        EXPECT_EQ(Control((kModeGlobal << 16) + 0x8100)->GetIntValue(), c.cents);
    }
    // Out of the table's range the text stays on its ends.
    EXPECT_EQ(GlobalSystemMIDILayer::MasterTuneText(-90), "Master Tune[427.47 Hz]");
    EXPECT_EQ(GlobalSystemMIDILayer::MasterTuneText(900), "Master Tune[452.89 Hz]");
}

TEST_F(SystemPageTest, EveryControlIsLinkedToItsGlobalParameterAndHasTheDumpSwitch) {
    const int pids[] = {0x8100, 0x8200, 0x8300, 0x8700, 0x8C00, 0x8D00, 0x8600, 0x8500, 0x8800, 0x8900};
    for (int pid : pids) {
        CHfcControl* control = Control((kModeGlobal << 16) + pid);
        ASSERT_NE(control, nullptr) << std::hex << pid;
        EXPECT_EQ(page->GetParameterIdByControl(control).section, &synth->sections.global);
        EXPECT_EQ(page->GetParameterIdByControl(control).pid, pid);
    }
    EXPECT_TRUE(page->HasDumpSwitch());
    EXPECT_NE(Control(0x100000), nullptr);
}

}  // namespace
