// The single-instance lock: one holder per model, whichever process asks.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>

#include "Common/Plugin/AtomicInstance.h"

namespace {

class AtomicInstanceTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tolva-lock-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_dir = pattern;
        CAtomicInstance::SetFolder(m_dir);
    }
    void TearDown() override {
        CAtomicInstance::SetFolder("");
        CAtomicInstance::SetAfterOpenHook(nullptr);
        chmod(m_dir.c_str(), 0700);
        std::filesystem::remove_all(m_dir);
    }
    std::string m_dir;
};

// Whether another process can take the lock of a model now.
bool OtherProcessTakes(unsigned char model) {
    pid_t pid = fork();
    if (pid == 0) {
        CAtomicInstance lock(model);
        _exit(lock.Validate() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(AtomicInstanceTest, OneHolderPerModelInAnyProcess) {
    auto first = std::make_unique<CAtomicInstance>(1);
    ASSERT_TRUE(first->Validate());
    EXPECT_EQ(first->Path(), m_dir + "/com.velk.TolvaPlugInEditor.lock");
    EXPECT_TRUE(std::filesystem::exists(first->Path()));

    CAtomicInstance second(1);
    EXPECT_FALSE(second.Validate());
    EXPECT_FALSE(OtherProcessTakes(1));

    // The other model has its own lock.
    CAtomicInstance nerimo(9);
    EXPECT_TRUE(nerimo.Validate());

    // Released: the file is gone and the next one starts.
    const std::string path = first->Path();
    first.reset();
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(OtherProcessTakes(1));
    CAtomicInstance third(1);
    EXPECT_TRUE(third.Validate());
}

TEST_F(AtomicInstanceTest, OtherModelsTouchNoFile) {
    CAtomicInstance lock(3);
    EXPECT_FALSE(lock.Validate());
    EXPECT_TRUE(std::filesystem::is_empty(m_dir));
}

TEST_F(AtomicInstanceTest, AFileLeftByACrashedHolderIsTaken) {
    std::ofstream(m_dir + "/com.velk.TolvaPlugInEditor.lock") << "stale";
    CAtomicInstance lock(1);
    EXPECT_TRUE(lock.Validate());
}

TEST_F(AtomicInstanceTest, AnUnwritableFolderStartsNothing) {
    if (geteuid() == 0) {
        // root writes anywhere: use a folder that does not exist instead.
        CAtomicInstance::SetFolder(m_dir + "/missing");
    } else {
        chmod(m_dir.c_str(), 0500);
    }
    CAtomicInstance lock(1);
    EXPECT_FALSE(lock.Validate());
}

TEST_F(AtomicInstanceTest, ALinkPlantedAtThePathIsNotFollowed) {
    const std::string target = m_dir + "/target";
    std::ofstream(target) << "keep";
    ASSERT_EQ(symlink(target.c_str(), (m_dir + "/com.velk.TolvaPlugInEditor.lock").c_str()), 0);
    CAtomicInstance lock(1);
    EXPECT_FALSE(lock.Validate());
    EXPECT_TRUE(std::filesystem::exists(target));
}

namespace {
// Between our open and our lock, the holder lets go (unlinks, closes) and a third instance takes a
// new file at the path. We must not end up holding the unlinked file as a second holder.
std::unique_ptr<CAtomicInstance>* g_holder;
std::unique_ptr<CAtomicInstance>* g_third;
void HolderLeavesAndAnotherArrives(const std::string&) {
    CAtomicInstance::SetAfterOpenHook(nullptr);
    g_holder->reset();
    *g_third = std::make_unique<CAtomicInstance>(1);
}
}  // namespace

TEST_F(AtomicInstanceTest, AnUnlinkRaceNeverYieldsTwoHolders) {
    std::unique_ptr<CAtomicInstance> holder = std::make_unique<CAtomicInstance>(1);
    std::unique_ptr<CAtomicInstance> third;
    ASSERT_TRUE(holder->Validate());
    g_holder = &holder;
    g_third = &third;
    CAtomicInstance::SetAfterOpenHook(HolderLeavesAndAnotherArrives);
    CAtomicInstance racer(1);
    ASSERT_TRUE(third != nullptr);
    EXPECT_TRUE(third->Validate());
    EXPECT_FALSE(racer.Validate());
}

TEST_F(AtomicInstanceTest, AnUnlinkRaceWithNobodyElseStillTakesTheLock) {
    std::unique_ptr<CAtomicInstance> holder = std::make_unique<CAtomicInstance>(1);
    g_holder = &holder;
    CAtomicInstance::SetAfterOpenHook([](const std::string&) {
        CAtomicInstance::SetAfterOpenHook(nullptr);
        g_holder->reset();
    });
    CAtomicInstance racer(1);
    EXPECT_TRUE(racer.Validate());
    EXPECT_TRUE(std::filesystem::exists(racer.Path()));
}
