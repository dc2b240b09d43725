#pragma once
// Ctrl+C in a terminal (SIGINT), a logout (SIGHUP) and kill (SIGTERM) end the program the way Quit
// does, so that the plug-in disconnects and the instrument gets its local control back: the handler
// only writes the signal's number into a pipe, and a watcher thread hands it to the program (which
// asks its main loop to quit). A second signal of the same kind ends the program on the spot, as if
// no handler were installed, for an exit that hangs.
#include <functional>
#include <thread>

class CProgramSignals {
public:
    // onSignal runs on the watcher thread with the signal's number.
    explicit CProgramSignals(std::function<void(int)> onSignal);
    // Puts the previous handlers back and ends the watcher.
    ~CProgramSignals();
    CProgramSignals(const CProgramSignals&) = delete;
    CProgramSignals& operator=(const CProgramSignals&) = delete;

    bool Installed() const { return m_installed; }

private:
    void Watch();

    std::function<void(int)> m_onSignal;
    int m_pipe[2] = {-1, -1};
    bool m_installed = false;
    std::thread m_watcher;
};
