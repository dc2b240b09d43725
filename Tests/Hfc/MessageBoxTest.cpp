#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Hfc/Base/HfcMessageBox.h"

namespace {

class MessageBox : public testing::Test {
protected:
    void TearDown() override { HfcSetMessageBoxHook(nullptr); }
};

TEST_F(MessageBox, ButtonsAndIconsFollowTheirCodes) {
    using Buttons = std::vector<std::string>;
    struct Case {
        long buttons, icon;
        Buttons shown;
        HfcAlertType alert;
    };
    const Case cases[] = {
        {0, 0, {"OK"}, HfcAlertType::Note},
        {1, 0, {"OK", "Cancel"}, HfcAlertType::Note},
        {2, 4, {"Yes", "No"}, HfcAlertType::Stop},
        {2, 0, {"Yes", "No"}, HfcAlertType::Note},
        {3, 0, {"OK", "Cancel", "Other"}, HfcAlertType::Plain},
        {99, 3, {"OK", "Cancel", "Other"}, HfcAlertType::Caution},
        {0, 1, {"OK"}, HfcAlertType::Plain},
        {3, 2, {"OK", "Cancel", "Other"}, HfcAlertType::Note},
        {1, 17, {"OK", "Cancel"}, HfcAlertType::Note},
    };
    for (const Case& c : cases) {
        const HfcMessageBoxRequest r = HfcMessageBoxDescribe("text", "caption", c.buttons, c.icon);
        EXPECT_EQ(r.buttons, c.shown) << c.buttons << "/" << c.icon;
        EXPECT_EQ(r.alert, c.alert) << c.buttons << "/" << c.icon;
    }
}

TEST_F(MessageBox, TheHookAnswersAndSeesTheCutTexts) {
    HfcMessageBoxRequest seen;
    HfcSetMessageBoxHook([&](const HfcMessageBoxRequest& r) {
        seen = r;
        return r.buttons.size() == 2 ? 2 : 1;  // press "No"
    });
    const std::string longText(400, 'x');
    EXPECT_EQ(HfcMessageBox(longText.c_str(), "Connect?", HFC_MB_YESNO, HFC_MB_ICONSTOP),
              HFC_MB_RESULT_CANCEL);
    EXPECT_EQ(seen.caption, "Connect?");
    EXPECT_EQ(seen.text, std::string(255, 'x'));
    EXPECT_EQ(seen.buttons, (std::vector<std::string>{"Yes", "No"}));
    EXPECT_EQ(seen.alert, HfcAlertType::Stop);
}

TEST_F(MessageBox, ResultsOfEachButtonAndOutOfRangeAnswers) {
    struct Case {
        long buttons;
        int pressed, result;
    };
    for (const Case& c : {Case{3, 3, 3}, Case{3, 2, 2}, Case{1, 1, 1}, Case{1, 3, 1}, Case{0, 2, 1},
                          Case{2, 0, 1}, Case{2, -4, 1}}) {
        HfcSetMessageBoxHook([&](const HfcMessageBoxRequest&) { return c.pressed; });
        EXPECT_EQ(HfcMessageBoxForWindow("t", "c", nullptr, c.buttons, 0), c.result)
            << c.buttons << "/" << c.pressed;
    }
}

TEST_F(MessageBox, WithoutHookOrDisplayWritesToStandardErrorAndAnswersTheDefault) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(HfcMessageBox("The instrument did not answer.", "Connect", HFC_MB_OKCANCEL, 0),
              HFC_MB_RESULT_DEFAULT);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Connect"), std::string::npos);
    EXPECT_NE(err.find("The instrument did not answer."), std::string::npos);
}

TEST_F(MessageBox, TestHookComesBeforeThePresenter) {
    HfcSetMessageBoxPresenter([](const HfcMessageBoxRequest&) { return 2; });
    EXPECT_EQ(HfcMessageBox("t", "c", HFC_MB_OKCANCEL, 0), 2);
    HfcSetMessageBoxHook([](const HfcMessageBoxRequest&) { return 1; });
    EXPECT_EQ(HfcMessageBox("t", "c", HFC_MB_OKCANCEL, 0), 1);
    HfcSetMessageBoxPresenter(nullptr);
}

}  // namespace
