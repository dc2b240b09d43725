#include "Linux/AsyncProgress.h"

#include <atomic>
#include <cstdint>
#include <mutex>

#include "Linux/RunLoop.h"
#include "Linux/Sync.h"
#include "Linux/Trace.h"

namespace {

std::mutex g_factoryLock;
AsyncProgressViewFactory g_factory;

AsyncProgressViewFactory CurrentFactory() {
    std::lock_guard<std::mutex> lock(g_factoryLock);
    return g_factory;
}

// Length of the well-formed sequence at p (1 to 4), or 0.
size_t Utf8SequenceLength(const unsigned char* p, size_t left) {
    const unsigned char b = p[0];
    if (b < 0x80) return 1;
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3;
        if (b == 0xE0) lo = 0xA0;  // no overlong forms
        if (b == 0xED) hi = 0x9F;  // no surrogates
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4;
        if (b == 0xF0) lo = 0x90;
        if (b == 0xF4) hi = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (left < n) return 0;
    if (p[1] < lo || p[1] > hi) return 0;
    for (size_t i = 2; i < n; ++i)
        if (p[i] < 0x80 || p[i] > 0xBF) return 0;
    return n;
}

class CAsyncProgressUI final : public IAsyncProgressUI, private IAsyncProgressViewOwner {
public:
    CAsyncProgressUI() : m_mutex(ZBRMUTEX_RECURSIVE) {
        m_loop = RunLoop::Current();
        if (m_loop == nullptr) m_loop = UIThread::Loop();
        Trace("AsyncProgressUI: created\n");
    }

    ~CAsyncProgressUI() override {
        EndModal();
        if (m_loop != nullptr) m_loop->CancelOwner(this);
        Trace("AsyncProgressUI: destroyed\n");
    }

    bool BeginModal(void*, const char* title, bool, IAsyncProgressHandler* handler) override {
        {
            ZbrStMutexLock lock(m_mutex);
            if (m_view) return false;
        }
        AsyncProgressViewFactory factory = CurrentFactory();
        std::unique_ptr<IAsyncProgressView> view;
        if (m_loop != nullptr && factory) view = factory(this);
        if (!view) {
            Trace("AsyncProgressUI: no window\n");
            return false;
        }
        {
            ZbrStMutexLock lock(m_mutex);
            m_view = std::move(view);
            m_handler = handler;
            ++m_generation;
            m_breakPending = false;
            // A new window shows nothing yet.
            m_lastText.clear();
            m_lastPercent = 0;
            m_shownText.clear();
            m_shownPercent = -1;
            m_active.store(true);
        }
        SetTitle(title);
        return true;
    }

    bool RunModal() override {
        if (!m_active.load() || m_loop == nullptr) return false;
        uint64_t generation;
        {
            ZbrStMutexLock lock(m_mutex);
            // A break of this window that came before the loop started ends it at once.
            if (m_breakPending) {
                m_breakPending = false;
                return true;
            }
            generation = m_generation;
            m_modalRunning = true;
            m_quit = false;
        }
        m_loop->RunModal([this, generation] {
            ZbrStMutexLock lock(m_mutex);
            return m_quit || m_generation != generation;
        });
        ZbrStMutexLock lock(m_mutex);
        m_modalRunning = false;
        // A loop that is quitting ends every nested loop at once, and would again on the next call:
        // that is no break, and a caller waiting for one must not call again.
        return m_quit || m_generation != generation || !m_loop->IsQuitting();
    }

    void EndModal() override {
        std::unique_ptr<IAsyncProgressView> view;
        {
            ZbrStMutexLock lock(m_mutex);
            if (m_modalRunning) {
                m_quit = true;
                m_modalRunning = false;
            }
            if (!m_view) return;
            // Events still queued for this window carry its generation and are dropped.
            ++m_generation;
            m_breakPending = false;
            m_handler = nullptr;
            m_active.store(false);
            view = std::move(m_view);
        }
        Trace("AsyncProgressUI: EndModal\n");
        view.reset();
    }

    bool IsActive() override { return m_active.load(); }

    bool SetTitle(const char* title) override {
        if (title == nullptr) return false;
        ZbrStMutexLock lock(m_mutex);
        if (!m_view) return false;
        m_view->SetTitle(MakeValidUtf8(title));
        return true;
    }

    bool SetCancellable(bool cancellable) override {
        ZbrStMutexLock lock(m_mutex);
        if (m_view) m_view->SetCancelEnabled(cancellable);
        return true;
    }

    void NotifyProgress(const char* text, int total, int done) override {
        const int percent =
            total == 0 ? 0 : static_cast<int>(static_cast<int64_t>(done) * 100 / static_cast<int64_t>(total));
        std::string shown = MakeValidUtf8(text);
        ZbrStMutexLock lock(m_mutex);
        if (shown == m_lastText && percent == m_lastPercent) return;
        m_lastText = std::move(shown);
        m_lastPercent = percent;
        Post(&CAsyncProgressUI::OnProgressEvent);
    }

    void NotifyBreak() override {
        ZbrStMutexLock lock(m_mutex);
        Post(&CAsyncProgressUI::OnBreakEvent);
    }

private:
    // Queues an event for the window shown now; the caller holds the mutex.
    void Post(void (CAsyncProgressUI::*handler)(uint64_t)) {
        if (m_loop == nullptr) return;
        const uint64_t generation = m_generation;
        m_loop->Post(this, [this, handler, generation] { (this->*handler)(generation); });
    }

    void OnProgressEvent(uint64_t generation) {
        ZbrStMutexLock lock(m_mutex);
        if (generation != m_generation || !m_view) return;
        // Several events may find the same values: the window is redrawn once.
        if (m_shownPercent != m_lastPercent) m_view->SetPercent(m_lastPercent);
        if (m_shownText != m_lastText) m_view->SetText(m_lastText);
        m_shownPercent = m_lastPercent;
        m_shownText = m_lastText;
    }

    void OnBreakEvent(uint64_t generation) {
        ZbrStMutexLock lock(m_mutex);
        if (generation != m_generation || !m_view) return;
        if (m_modalRunning)
            m_quit = true;
        else
            m_breakPending = true;
    }

    void OnProgressViewBreak() override {
        uint64_t generation;
        {
            ZbrStMutexLock lock(m_mutex);
            generation = m_generation;
        }
        OnBreakEvent(generation);
    }

    void OnProgressViewCancel() override {
        IAsyncProgressHandler* handler;
        {
            ZbrStMutexLock lock(m_mutex);
            handler = m_handler;
        }
        if (handler != nullptr) handler->OnAsyncCanceled();
    }

    ZbrMutex m_mutex;
    RunLoop* m_loop = nullptr;
    IAsyncProgressHandler* m_handler = nullptr;
    std::unique_ptr<IAsyncProgressView> m_view;
    std::atomic<bool> m_active{false};
    bool m_modalRunning = false;
    bool m_quit = false;
    bool m_breakPending = false;
    uint64_t m_generation = 0;
    std::string m_lastText;
    int m_lastPercent = 0;
    std::string m_shownText;  // what the window shows now
    int m_shownPercent = -1;
};

}  // namespace

IAsyncProgressUI* AsyncProgressUICreate() {
    return new CAsyncProgressUI();
}

void AsyncProgressSetViewFactory(AsyncProgressViewFactory factory) {
    std::lock_guard<std::mutex> lock(g_factoryLock);
    g_factory = std::move(factory);
}

std::string MakeValidUtf8(const char* text) {
    std::string out;
    if (text == nullptr) return out;
    const auto* p = reinterpret_cast<const unsigned char*>(text);
    size_t left = 0;
    while (p[left] != 0) ++left;
    while (left > 0) {
        const size_t n = Utf8SequenceLength(p, left);
        if (n == 0) {
            out += "\xEF\xBF\xBD";
            ++p;
            --left;
        } else {
            out.append(reinterpret_cast<const char*>(p), n);
            p += n;
            left -= n;
        }
    }
    return out;
}
