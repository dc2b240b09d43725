#pragma once
// Points XDG_CONFIG_HOME at a fresh temporary folder for the life of the object (the editor's
// preferences are read and written there), and puts the old value back afterwards.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <unistd.h>

namespace Sim {

class TempConfigHome {
public:
    TempConfigHome() {
        const char* old = std::getenv("XDG_CONFIG_HOME");
        m_hadOld = old != nullptr;
        if (old) m_old = old;
        std::string tmpl = (std::filesystem::temp_directory_path() / "tolva-config-XXXXXX").string();
        if (char* made = mkdtemp(tmpl.data())) m_path = made;
        setenv("XDG_CONFIG_HOME", m_path.c_str(), 1);
    }
    ~TempConfigHome() {
        if (m_hadOld)
            setenv("XDG_CONFIG_HOME", m_old.c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        std::error_code ec;
        if (!m_path.empty()) std::filesystem::remove_all(m_path, ec);
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::string m_old;
    bool m_hadOld = false;
};

}  // namespace Sim
