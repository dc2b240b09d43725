#include "Common/Plugin/AtomicInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>

namespace {
std::mutex g_folderLock;
std::string g_folder;  // empty: the default
std::atomic<void (*)(const std::string&)> g_afterOpen{nullptr};

// A holder unlinks its file before closing it; a file replaced between our open and our lock is
// tried again, a bounded number of times.
constexpr int kAttempts = 8;
}  // namespace

void CAtomicInstance::SetFolder(const std::string& folder) {
    std::lock_guard<std::mutex> lock(g_folderLock);
    g_folder = folder;
}

std::string CAtomicInstance::Folder() {
    {
        std::lock_guard<std::mutex> lock(g_folderLock);
        if (!g_folder.empty()) return g_folder;
    }
    const char* env = std::getenv("TOLVA_LOCK_DIR");
    if (env != nullptr && *env != 0) return env;
    return "/tmp";
}

const char* CAtomicInstance::LockName(unsigned char model) {
    switch (model) {
        case 1:
            return "com.velk.TolvaPlugInEditor.lock";
        case 9:
            return "com.velk.NerimoPlugInEditor.lock";
        default:
            return "";
    }
}

void CAtomicInstance::SetAfterOpenHook(void (*hook)(const std::string& path)) {
    g_afterOpen.store(hook);
}

CAtomicInstance::CAtomicInstance(unsigned char model) {
    const char* name = LockName(model);
    if (*name == 0) return;
    m_path = Folder() + "/" + name;
    m_valid = Acquire();
}

bool CAtomicInstance::Acquire() {
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0 && errno == EACCES) {
            // Another user's file in a sticky folder: a lock works on any descriptor.
            fd = open(m_path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        }
        if (fd < 0) return false;
        if (auto hook = g_afterOpen.load()) hook(m_path);
        int r;
        do {
            r = flock(fd, LOCK_EX | LOCK_NB);
        } while (r != 0 && errno == EINTR);
        if (r != 0) {
            close(fd);
            return false;
        }
        // The previous holder may have unlinked the file after our open: then we hold a lock on a
        // file nobody else will ever see, and must lock the one at the path instead.
        struct stat held {};
        struct stat named {};
        if (fstat(fd, &held) == 0 && stat(m_path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            m_fd = fd;
            return true;
        }
        close(fd);
    }
    return false;
}

CAtomicInstance::~CAtomicInstance() {
    if (!m_valid) return;
    // Unlink while still holding, so that nobody can lock the old file after we let it go.
    unlink(m_path.c_str());
    close(m_fd);
    m_fd = -1;
    m_valid = false;
}
