#include "App/ProgramSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
std::atomic<int> g_writeEnd{-1};
struct sigaction g_previous[3];

void OnSignal(int signal) {
    // Only what is safe in a handler: one write, errno kept.
    const int saved = errno;
    const int fd = g_writeEnd.load();
    const unsigned char number = static_cast<unsigned char>(signal);
    if (fd >= 0) (void)!::write(fd, &number, 1);
    errno = saved;
}

}  // namespace

CProgramSignals::CProgramSignals(std::function<void(int)> onSignal) : m_onSignal(std::move(onSignal)) {
    if (::pipe2(m_pipe, O_CLOEXEC) != 0) return;
    ::fcntl(m_pipe[1], F_SETFL, O_NONBLOCK);
    g_writeEnd.store(m_pipe[1]);
    m_watcher = std::thread([this] { Watch(); });
    struct sigaction action {};
    action.sa_handler = &OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &action, &g_previous[i]);
    m_installed = true;
}

CProgramSignals::~CProgramSignals() {
    if (m_installed) {
        for (int i = 0; i < 3; ++i) ::sigaction(kSignals[i], &g_previous[i], nullptr);
    }
    g_writeEnd.store(-1);
    if (m_watcher.joinable()) {
        const unsigned char stop = 0;
        (void)!::write(m_pipe[1], &stop, 1);
        m_watcher.join();
    }
    for (int& fd : m_pipe) {
        if (fd >= 0) ::close(fd);
        fd = -1;
    }
}

void CProgramSignals::Watch() {
    for (;;) {
        unsigned char number = 0;
        const ssize_t n = ::read(m_pipe[0], &number, 1);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0 || number == 0) return;
        if (m_onSignal) m_onSignal(number);
    }
}
