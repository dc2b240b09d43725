#include "Linux/AsyncProgressHeadless.h"

#include <memory>

class CAsyncProgressHeadless::View final : public IAsyncProgressView {
public:
    View(CAsyncProgressHeadless* host, IAsyncProgressViewOwner* owner) : m_host(host), m_owner(owner) {}

    ~View() override {
        std::lock_guard<std::mutex> lock(m_host->m_lock);
        if (m_host->m_current == this) m_host->m_current = nullptr;
    }

    void SetTitle(const std::string& title) override {
        std::lock_guard<std::mutex> lock(m_host->m_lock);
        m_host->m_title = title;
    }
    void SetText(const std::string& text) override {
        std::lock_guard<std::mutex> lock(m_host->m_lock);
        m_host->m_text = text;
        m_host->m_texts.push_back(text);
    }
    void SetPercent(int percent) override {
        std::lock_guard<std::mutex> lock(m_host->m_lock);
        m_host->m_percent = percent;
        m_host->m_percents.push_back(percent);
    }
    void SetCancelEnabled(bool enabled) override {
        std::lock_guard<std::mutex> lock(m_host->m_lock);
        m_host->m_cancelEnabled = enabled;
    }

    IAsyncProgressViewOwner* Owner() const { return m_owner; }

private:
    CAsyncProgressHeadless* m_host;
    IAsyncProgressViewOwner* m_owner;
};

CAsyncProgressHeadless::CAsyncProgressHeadless() {
    AsyncProgressSetViewFactory(
        [this](IAsyncProgressViewOwner* owner) -> std::unique_ptr<IAsyncProgressView> {
            std::lock_guard<std::mutex> lock(m_lock);
            if (m_refuse) return nullptr;
            auto view = std::make_unique<View>(this, owner);
            m_current = view.get();
            ++m_opened;
            m_title.clear();
            m_text.clear();
            m_percent = 0;
            m_cancelEnabled = true;
            return view;
        });
}

CAsyncProgressHeadless::~CAsyncProgressHeadless() {
    AsyncProgressSetViewFactory(nullptr);
}

void CAsyncProgressHeadless::SetRefuse(bool refuse) {
    std::lock_guard<std::mutex> lock(m_lock);
    m_refuse = refuse;
}

bool CAsyncProgressHeadless::IsShown() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_current != nullptr;
}

int CAsyncProgressHeadless::WindowsOpened() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_opened;
}

std::string CAsyncProgressHeadless::Title() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_title;
}

std::string CAsyncProgressHeadless::Text() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_text;
}

int CAsyncProgressHeadless::Percent() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_percent;
}

bool CAsyncProgressHeadless::CancelEnabled() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_cancelEnabled;
}

std::vector<std::string> CAsyncProgressHeadless::Texts() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_texts;
}

std::vector<int> CAsyncProgressHeadless::Percents() const {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_percents;
}

bool CAsyncProgressHeadless::PressCancel() {
    IAsyncProgressViewOwner* owner = nullptr;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (m_current == nullptr || !m_cancelEnabled) return false;
        owner = m_current->Owner();
    }
    // The owner may end the window from here; nothing of it is touched afterwards.
    owner->OnProgressViewCancel();
    return true;
}
