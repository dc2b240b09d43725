#pragma once
// Per-application preferences: integers and strings by key, kept in one file per application under
// $XDG_CONFIG_HOME (default ~/.config). Writes are held in memory, seen by later reads, and written to
// disk by Close, atomically, so a crash never leaves a half-written file.
#include <map>
#include <set>
#include <string>

// The folder that holds the preference files (not created here).
std::string HfcPreferencesFolder();

class CHfcPreferences {
public:
    CHfcPreferences() = default;
    virtual ~CHfcPreferences();
    CHfcPreferences(const CHfcPreferences&) = delete;
    CHfcPreferences& operator=(const CHfcPreferences&) = delete;

    // Opens the store of the application `name` (closing any store open before); false for an
    // empty name. Nothing is read yet.
    bool Open(const char* name);
    // Writes pending changes to disk and closes the store.
    void Close();
    bool IsOpen() const { return m_open; }
    // The file behind the store (empty while closed).
    std::string FilePath() const;

    // The value under key; def when the store is closed, the key is missing or holds no integer.
    int ReadInteger(const char* key, int def);
    // Copies the string under key into buffer (size bytes with the terminator). When the store is
    // closed, the key is missing, holds no string or the string does not fit, copies def instead, cut
    // to size - 1 characters. With size <= 0 nothing is written.
    void ReadString(const char* key, char* buffer, int size, const char* def);
    void WriteInteger(const char* key, int value);
    void WriteString(const char* key, const char* value);

private:
    struct Value {
        bool isInteger;
        int integer;
        std::string text;
    };
    using Store = std::map<std::string, Value>;

    void Load();
    static Store ReadFile(const std::string& path);
    static bool WriteFile(const std::string& path, const Store& store);

    std::string m_name;
    bool m_open = false;
    bool m_loaded = false;
    Store m_values;
    std::set<std::string> m_changed;  // keys written since Open
};
