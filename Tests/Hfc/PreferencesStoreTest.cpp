// The preferences store never loses settings: a file it cannot read is kept, a failed save is told
// to the caller, and stores closing at the same time keep each other's keys.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include "Hfc/Base/HfcPreferences.h"
#include "Support/TempConfigHome.h"

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

int Saved(const char* key) {
    CHfcPreferences prefs;
    prefs.Open("Tolva Editor");
    return prefs.ReadInteger(key, -1);
}

}  // namespace

// Saves one key as a user other than the one who made the folder's files: as root, in a child
// process that runs as nobody, who may write in the folder when it is given to them. The save's
// result and its error.
std::pair<bool, std::string> SaveAsAnotherUser(const std::string& folder, bool folderTheirs = true) {
    const auto save = [] {
        CHfcPreferences prefs;
        prefs.Open("Tolva Editor");
        prefs.WriteInteger("Latency", 3);
        const bool saved = prefs.Close();
        return std::pair<bool, std::string>(saved, prefs.LastError());
    };
    if (::geteuid() != 0) return save();
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return {true, "no pipe"};
    if (folderTheirs) {
        EXPECT_EQ(::chown(folder.c_str(), 65534, 65534), 0);
    }
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipeFds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) _exit(2);
        const auto [saved, error] = save();
        const std::string out = std::string(saved ? "1" : "0") + error;
        (void)!::write(pipeFds[1], out.data(), out.size());
        _exit(0);
    }
    ::close(pipeFds[1]);
    std::string out;
    char buffer[512];
    for (ssize_t n; (n = ::read(pipeFds[0], buffer, sizeof buffer)) > 0;)
        out.append(buffer, static_cast<size_t>(n));
    ::close(pipeFds[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (folderTheirs) {
        EXPECT_EQ(::chown(folder.c_str(), 0, 0), 0);
    }
    if (out.empty()) return {true, "the child failed"};
    return {out[0] == '1', out.substr(1)};
}

TEST(PreferencesStore, AFileThatCannotBeReadIsKeptAndTheSaveFails) {
    Sim::TempConfigHome home;
    const std::string path = home.Path() + "/Tolva Editor.prefs";
    const std::string content = "i\tOther\t7\ns\tMIDIOutName\tPort 1\n";
    struct Case {
        const char* what;
        void (*make)(const std::string& path, const std::string& content);
        std::string reason;  // in the error
    };
    const Case cases[] = {
        {"another user's file it may not read",
         [](const std::string& p, const std::string& text) {
             std::ofstream(p) << text;
             ::chmod(p.c_str(), ::geteuid() == 0 ? 0600 : 0200);
         },
         "cannot read it: Permission denied"},
        {"a folder in its place", [](const std::string& p, const std::string&) { ::mkdir(p.c_str(), 0700); },
         "it is not a file"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(path);
        c.make(path, content);
        const auto before = std::filesystem::status(path).type();
        const auto [saved, error] = SaveAsAnotherUser(home.Path());
        EXPECT_FALSE(saved) << c.what;
        EXPECT_EQ(error, path + ": " + c.reason) << c.what;
        // As it was.
        EXPECT_EQ(std::filesystem::status(path).type(), before) << c.what;
        if (before == std::filesystem::file_type::regular) {
            ::chmod(path.c_str(), 0600);
            EXPECT_EQ(ReadAll(path), content) << c.what;
        }
    }
    // Once it can be read again, a save merges into it and succeeds.
    std::filesystem::remove_all(path);
    std::ofstream(path) << content;
    CHfcPreferences prefs;
    ASSERT_TRUE(prefs.Open("Tolva Editor"));
    prefs.WriteInteger("Latency", 3);
    EXPECT_TRUE(prefs.Close());
    EXPECT_EQ(prefs.LastError(), "");
    EXPECT_EQ(Saved("Other"), 7);
    EXPECT_EQ(Saved("Latency"), 3);
}

TEST(PreferencesStore, AFolderThatCannotBeWrittenFailsTheSave) {
    Sim::TempConfigHome home;
    ::chmod(home.Path().c_str(), ::geteuid() == 0 ? 0755 : 0500);  // root's: nobody writes in it
    const auto [saved, error] = SaveAsAnotherUser(home.Path(), false);
    ::chmod(home.Path().c_str(), 0700);
    EXPECT_FALSE(saved);
    EXPECT_EQ(error, home.Path() + "/Tolva Editor.prefs: cannot lock it: Permission denied");
    EXPECT_FALSE(std::filesystem::exists(home.Path() + "/Tolva Editor.prefs"));
}

TEST(PreferencesStore, StoresClosingTogetherInTwoProcessesKeepEveryKey) {
    Sim::TempConfigHome home;
    // Each process saves its own keys one at a time, as the setup section saves one row at a time.
    constexpr int kKeys = 150;
    const auto saveKeys = [](const char* prefix) {
        for (int i = 0; i < kKeys; ++i) {
            CHfcPreferences prefs;
            prefs.Open("Tolva Editor");
            prefs.WriteInteger((prefix + std::to_string(i)).c_str(), i);
            if (!prefs.Close()) return false;
        }
        return true;
    };
    const pid_t child = fork();
    if (child == 0) _exit(saveKeys("child.") ? 0 : 1);
    EXPECT_TRUE(saveKeys("parent."));
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    int lost = 0;
    for (int i = 0; i < kKeys; ++i) {
        for (const char* prefix : {"child.", "parent."}) {
            if (Saved((prefix + std::to_string(i)).c_str()) != i) ++lost;
        }
    }
    EXPECT_EQ(lost, 0);
}
