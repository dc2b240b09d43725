#pragma once
// The single-instance lock: one running effect per model on the machine. The lock is an advisory
// exclusive lock on a file in a shared folder; a second holder in the same process or in another one
// is refused, and a file left by a crashed holder is simply taken over.
#include <string>

class CAtomicInstance {
public:
    explicit CAtomicInstance(unsigned char model);
    ~CAtomicInstance();
    CAtomicInstance(const CAtomicInstance&) = delete;
    CAtomicInstance& operator=(const CAtomicInstance&) = delete;

    // True while this instance holds the lock.
    bool Validate() const { return m_valid; }
    const std::string& Path() const { return m_path; }

    // The folder of the lock files: "/tmp" unless TOLVA_LOCK_DIR names another, or a test set one
    // (empty: back to the default). Read when an instance is constructed.
    static void SetFolder(const std::string& folder);
    static std::string Folder();
    // The file name of a model's lock; empty for a model without one.
    static const char* LockName(unsigned char model);

    // Test seam: called between opening the file and taking the lock.
    static void SetAfterOpenHook(void (*hook)(const std::string& path));

private:
    bool Acquire();

    std::string m_path;
    int m_fd = -1;
    bool m_valid = false;
};
