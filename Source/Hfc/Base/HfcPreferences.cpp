#include "Hfc/Base/HfcPreferences.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "Linux/Trace.h"

// File layout, one entry per line: a type letter ('i' integer, 's' string), a tab, the key, a tab, the
// value. Backslash, tab and newline in keys and values are written as \\, \t and \n.
namespace {

std::string Escape(const std::string& in) {
    std::string out;
    for (char c : in) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\t')
            out += "\\t";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

std::string Unescape(const std::string& in) {
    std::string out;
    for (size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\' || i + 1 == in.size()) {
            out += in[i];
            continue;
        }
        const char c = in[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
    }
    return out;
}

bool ParseInt32(const std::string& text, int* value) {
    if (text.empty()) return false;
    errno = 0;
    char* end = nullptr;
    const long long v = std::strtoll(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < INT_MIN || v > INT_MAX) return false;
    *value = static_cast<int>(v);
    return true;
}

void MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        mkdir(folder.substr(0, slash).c_str(), 0700);
        if (slash == std::string::npos) break;
    }
}

// Holds the advisory lock on the file beside a preferences file for its life: one read-merge-write at
// a time, in this process and in others. The holder removes the file before letting it go, so the
// folder keeps only the preferences; a waiter that then holds a removed file tries again.
class MergeLock {
public:
    explicit MergeLock(const std::string& path) : m_path(path + ".lock") {
        for (int attempt = 0; attempt < 64 && m_fd < 0; ++attempt) {
            const int fd = open(m_path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (fd < 0) return;
            int r;
            do {
                r = flock(fd, LOCK_EX);
            } while (r != 0 && errno == EINTR);
            struct stat held {};
            struct stat named {};
            if (r == 0 && fstat(fd, &held) == 0 && stat(m_path.c_str(), &named) == 0 &&
                held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
                m_fd = fd;
            } else {
                const int saved = errno;
                close(fd);
                if (r != 0) {
                    errno = saved;
                    return;
                }
            }
        }
    }
    ~MergeLock() {
        if (m_fd < 0) return;
        unlink(m_path.c_str());
        close(m_fd);
    }
    MergeLock(const MergeLock&) = delete;
    MergeLock& operator=(const MergeLock&) = delete;
    bool Held() const { return m_fd >= 0; }

private:
    std::string m_path;
    int m_fd = -1;
};

}  // namespace

std::string HfcPreferencesFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr && home[0] != '\0' ? home : "/tmp") + "/.config";
}

CHfcPreferences::~CHfcPreferences() {
    Close();
}

bool CHfcPreferences::Open(const char* name) {
    Close();
    if (name == nullptr || name[0] == '\0') return false;
    m_name = name;
    // The name becomes a file name: no folder separators, no hidden or relative names.
    for (char& c : m_name) {
        if (c == '/') c = '_';
    }
    if (m_name[0] == '.') m_name[0] = '_';
    m_open = true;
    return true;
}

std::string CHfcPreferences::FilePath() const {
    return m_open ? HfcPreferencesFolder() + "/" + m_name + ".prefs" : std::string();
}

bool CHfcPreferences::Close() {
    if (!m_open) return true;
    bool saved = true;
    m_lastError.clear();
    if (!m_changed.empty()) {
        // Merge into what is on disk now, so that keys another instance wrote meanwhile survive.
        const std::string path = FilePath();
        MakeFolders(HfcPreferencesFolder());
        MergeLock lock(path);
        std::string why;
        Store merged;
        if (!lock.Held()) {
            why = std::string("cannot lock it: ") + std::strerror(errno);
            saved = false;
        } else if (!ReadFile(path, &merged, &why)) {
            // Writing now would replace every key it holds with ours alone.
            saved = false;
        } else {
            for (const std::string& key : m_changed) merged[key] = m_values[key];
            saved = WriteFile(path, merged, &why);
        }
        if (!saved) {
            m_lastError = path + ": " + why;
            TRACE("Preferences: not saved, %s\n", m_lastError.c_str());
        }
    }
    m_open = false;
    m_loaded = false;
    m_values.clear();
    m_changed.clear();
    m_name.clear();
    return saved;
}

void CHfcPreferences::Load() {
    if (m_loaded) return;
    Store onDisk;
    std::string why;
    // An unreadable file reads as defaults; Close then refuses to replace it.
    if (!ReadFile(FilePath(), &onDisk, &why)) TRACE("Preferences: %s: %s\n", FilePath().c_str(), why.c_str());
    for (const std::string& key : m_changed) onDisk[key] = m_values[key];
    m_values.swap(onDisk);
    m_loaded = true;
}

int CHfcPreferences::ReadInteger(const char* key, int def) {
    if (!m_open || key == nullptr) return def;
    Load();
    auto it = m_values.find(key);
    return it != m_values.end() && it->second.isInteger ? it->second.integer : def;
}

void CHfcPreferences::ReadString(const char* key, char* buffer, int size, const char* def) {
    if (buffer == nullptr || size <= 0) return;
    const size_t room = static_cast<size_t>(size) - 1;
    if (m_open && key != nullptr) {
        Load();
        auto it = m_values.find(key);
        if (it != m_values.end() && !it->second.isInteger && it->second.text.size() <= room) {
            std::memcpy(buffer, it->second.text.c_str(), it->second.text.size() + 1);
            return;
        }
    }
    const size_t length = def != nullptr ? strnlen(def, room) : 0;
    if (length > 0) std::memcpy(buffer, def, length);
    buffer[length] = '\0';
}

void CHfcPreferences::WriteInteger(const char* key, int value) {
    if (!m_open || key == nullptr) return;
    Load();
    m_values[key] = Value{true, value, std::string()};
    m_changed.insert(key);
}

void CHfcPreferences::WriteString(const char* key, const char* value) {
    if (!m_open || key == nullptr || value == nullptr) return;
    Load();
    m_values[key] = Value{false, 0, value};
    m_changed.insert(key);
}

bool CHfcPreferences::ReadFile(const std::string& path, Store* out, std::string* why) {
    Store& store = *out;
    store.clear();
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;  // nothing saved yet
        *why = std::string("cannot read it: ") + std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        *why = "it is not a file";
        return false;
    }
    errno = 0;
    std::ifstream in(path);
    if (!in) {
        if (errno == ENOENT) return true;  // nothing saved yet
        *why = std::string("cannot read it: ") + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    std::string line;
    while (std::getline(in, line)) {
        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab1 != 1 || tab2 == std::string::npos) continue;  // not ours: skipped, never fatal
        const std::string key = Unescape(line.substr(2, tab2 - 2));
        const std::string value = Unescape(line.substr(tab2 + 1));
        if (line[0] == 'i') {
            int number = 0;
            // An unreadable number is kept as text, so integer reads of it give their default.
            store[key] =
                ParseInt32(value, &number) ? Value{true, number, std::string()} : Value{false, 0, value};
        } else if (line[0] == 's') {
            store[key] = Value{false, 0, value};
        }
    }
    if (in.bad()) {
        *why = std::string("cannot read it: ") + std::strerror(errno != 0 ? errno : EIO);
        return false;
    }
    return true;
}

bool CHfcPreferences::WriteFile(const std::string& path, const Store& store, std::string* why) {
    std::ostringstream text;
    for (const auto& [key, value] : store) {
        text << (value.isInteger ? 'i' : 's') << '\t' << Escape(key) << '\t'
             << (value.isInteger ? std::to_string(value.integer) : Escape(value.text)) << '\n';
    }
    const std::string data = text.str();
    const std::string temp = path + ".tmp" + std::to_string(getpid());
    const int fd = open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0) {
        *why = std::string("cannot write in its folder: ") + std::strerror(errno);
        return false;
    }
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    bool ok = done == data.size() && fsync(fd) == 0;
    if (!ok) *why = std::string("cannot write it: ") + std::strerror(errno != 0 ? errno : ENOSPC);
    if (close(fd) != 0 && ok) {
        *why = std::string("cannot write it: ") + std::strerror(errno);
        ok = false;
    }
    if (ok && rename(temp.c_str(), path.c_str()) != 0) {
        *why = std::string("cannot replace it: ") + std::strerror(errno);
        ok = false;
    }
    if (!ok) unlink(temp.c_str());
    return ok;
}
