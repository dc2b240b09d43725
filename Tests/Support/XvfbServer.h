#pragma once
// A private X server for smoke tests: Xvfb on a free display number it picks itself (-displayfd),
// one screen at depth 24 (TrueColor), stopped with the object. Available() is false, with the reason,
// where Xvfb is not installed or does not start.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

class CXvfbServer {
public:
    explicit CXvfbServer(const char* screen = "1024x768x24") {
        int fds[2];
        if (pipe2(fds, O_CLOEXEC) != 0) {
            m_reason = "no pipe";
            return;
        }
        const std::string fd = std::to_string(fds[1]);
        m_pid = fork();
        if (m_pid == 0) {
            fcntl(fds[1], F_SETFD, 0);  // the server writes its display number here
            const int null = open("/dev/null", O_WRONLY);
            if (null >= 0) {
                dup2(null, 1);
                dup2(null, 2);
            }
            execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen, "-nolisten", "tcp",
                   static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        if (m_pid < 0) {
            close(fds[0]);
            m_reason = "cannot fork";
            return;
        }
        std::string number;
        pollfd p{fds[0], POLLIN, 0};
        while (poll(&p, 1, 15000) > 0) {
            char c = 0;
            if (read(fds[0], &c, 1) != 1) break;
            if (c == '\n') break;
            number += c;
        }
        close(fds[0]);
        if (number.empty()) {
            m_reason = "Xvfb is not installed or did not start";
            Stop();
            return;
        }
        m_name = ":" + number;
    }
    ~CXvfbServer() { Stop(); }
    CXvfbServer(const CXvfbServer&) = delete;
    CXvfbServer& operator=(const CXvfbServer&) = delete;

    bool Available() const { return !m_name.empty(); }
    const std::string& Reason() const { return m_reason; }
    // ":<n>"
    const char* Name() const { return m_name.c_str(); }

private:
    void Stop() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            int status = 0;
            waitpid(m_pid, &status, 0);
            m_pid = -1;
        }
        m_name.clear();
    }
    pid_t m_pid = -1;
    std::string m_name;
    std::string m_reason;
};
