#pragma once
// Running the built standalone program as a user does, for the tests that start it: a child process
// with its own environment and output file, its exit status, and its windows on an X server (through
// a connection of the test's own; Xlib stays out of this header, its names clash with the toolkit's).
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

class CHfcBmp;

namespace ProgramRun {

struct Child {
    pid_t pid = -1;
    std::string output;  // stdout and stderr
};

inline std::string TempFolder() {
    char pattern[] = "/tmp/tolva-program-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return made ? made : "";
}

// Starts the program with these variables added to (or, empty, removed from) the environment.
inline Child Launch(const char* program, const std::vector<std::pair<std::string, std::string>>& env,
                    const std::string& folder) {
    Child child;
    child.output = folder + "/output.txt";
    child.pid = fork();
    if (child.pid == 0) {
        for (const auto& [name, value] : env) {
            if (value.empty()) {
                unsetenv(name.c_str());
            } else {
                setenv(name.c_str(), value.c_str(), 1);
            }
        }
        FILE* out = std::freopen(child.output.c_str(), "w", stdout);
        if (out != nullptr) dup2(fileno(out), 2);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    return child;
}

// The child's exit status, or -1 when it did not end in time (then it is killed).
inline int WaitFor(pid_t pid, int seconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (std::chrono::steady_clock::now() < end) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

inline std::string ReadAll(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Polls until condition holds or the time is up; true when it held.
inline bool Eventually(const std::function<bool()>& condition, int milliseconds) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (std::chrono::steady_clock::now() < end) {
        if (condition()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return condition();
}

// A connection to an X server, with what the tests do there. Windows are X window ids.
class XSession {
public:
    explicit XSession(const char* display);
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;
    bool Ok() const { return m_display != nullptr; }
    // A viewable top-level window with this title, 0 when none.
    unsigned long FindTopLevel(const char* title) const;
    // The same, waiting up to milliseconds for it to appear.
    unsigned long WaitForTopLevel(const char* title, int milliseconds) const;
    bool Size(unsigned long window, int* width, int* height) const;
    // Where the window's top left corner is on the screen.
    void Origin(unsigned long window, int* x, int* y) const;
    // The window's pixels as the server shows them (children included).
    bool Screenshot(unsigned long window, CHfcBmp* shot) const;
    // Asks the window to close, as a window manager does.
    void Close(unsigned long window) const;
    // A press and release of the left button at a point of the screen, as a person gives it.
    void ClickAt(int x, int y) const;
    // The pointer to a point of the screen (keys go where it is, with no window manager).
    void MoveTo(int x, int y) const;
    // A press and release of a key, by its X keysym name ("Return", "q", "comma"), Control held
    // when asked.
    void Key(const char* keysym, bool control = false) const;
    // Every viewable top-level window with this title, bottom of the stack first.
    std::vector<unsigned long> TopLevels(const char* title) const;
    // Waits up to milliseconds for a window with this title other than besides (an alert titled as
    // the window it stands over); 0 when none came.
    unsigned long WaitForAnother(const char* title, unsigned long besides, int milliseconds) const;
    // An alert answered as a person does, once it has drawn: its picture goes to the standalone
    // gallery under name, then it is closed. False when it could not be pictured.
    bool PictureAndClose(unsigned long window, const char* name) const;

private:
    void* m_display = nullptr;
};

}  // namespace ProgramRun
