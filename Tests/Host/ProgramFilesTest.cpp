// The program's file menu asks with the toolkit's dialogs (answered here by a script in place of the
// user) and hands back the chosen path.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "App/ProgramFiles.h"
#include "Hfc/Core/HfcFileDialog.h"
#include "Linux/RunLoop.h"

TEST(ProgramFiles, EachCommandAsksWithItsDialogAndGivesThePathChosen) {
    RunLoop loop;
    struct Case {
        bool save, preset;
        HfcFileDialogKind kind;
        const char* title;
        const char* type;
        const char* proposed;
        const char* answered;  // the name the user gives
        const char* path;      // what the command gets
    };
    const Case cases[] = {
        {false, false, HfcFileDialogKind::Open, "Bank Open", "Bank (*.Xvstbank)", "", "a.Xvstbank",
         "/tmp/a.Xvstbank"},
        {true, false, HfcFileDialogKind::Save, "Bank Save As", "Bank (*.Xvstbank)", "Untitled.Xvstbank",
         "b.Xvstbank", "/tmp/b.Xvstbank"},
        {false, true, HfcFileDialogKind::Open, "Preset Import", "Preset (*.Xvstpreset)", "", "c.Xvstpreset",
         "/tmp/c.Xvstpreset"},
        {true, true, HfcFileDialogKind::Save, "Preset Export", "Preset (*.Xvstpreset)", "Untitled.Xvstpreset",
         "d", "/tmp/d"},
    };
    for (const Case& c : cases) {
        for (const bool accept : {true, false}) {
            std::vector<HfcFileDialogRequest> asked;
            HfcSetFileDialogHook([&](const HfcFileDialogRequest& request) {
                asked.push_back(request);
                HfcFileDialogAnswer answer;
                answer.accepted = accept;
                answer.folder = "/tmp";
                answer.name = c.answered;
                return answer;
            });
            const std::string path = ProgramChooseFile(nullptr, c.save, c.preset);
            HfcSetFileDialogHook(nullptr);
            ASSERT_EQ(asked.size(), 1u) << c.title;
            EXPECT_EQ(asked[0].kind, c.kind) << c.title;
            EXPECT_EQ(asked[0].title, c.title);
            EXPECT_EQ(asked[0].types, std::vector<std::string>{c.type}) << c.title;
            EXPECT_EQ(asked[0].typeIndex, 0) << c.title;
            EXPECT_EQ(asked[0].name, c.proposed) << c.title;
            EXPECT_EQ(path, accept ? std::string(c.path) : std::string()) << c.title;
        }
    }
}
