#pragma once
// Window commands: pages and menus never open a browser or the About box from inside their own
// handlers; they post a command, and the root layer runs one per idle tick. Any thread may post.
#include <list>

#include "Linux/Sync.h"

struct QnCommand {
    enum Kind : int { kNone = -1, kOpenAbout = 0, kOpenRedBrowser = 1, kOpenWriteBrowser = 2 };
    int kind = kNone;
    int a = 0;
    int b = 0;
    int c = 0;
};

class QnCommandQueue {
public:
    void Post(const QnCommand& command);
    // Takes the oldest command; false (and the command left as it was) when none is queued.
    bool Peek(QnCommand& out);
    // Drops every queued command that opens a browser: what was asked for belongs to a mode that is
    // no longer in force.
    void DropBrowserRequests();
    int Count() const;

private:
    std::list<QnCommand> m_commands;
    mutable CHfcCriticalSection m_lock;
};
