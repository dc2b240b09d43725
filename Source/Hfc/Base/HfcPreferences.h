#pragma once
// Per-application preferences: integers and strings by key, kept in one file per application under
// $XDG_CONFIG_HOME (default ~/.config). Writes are held in memory, seen by later reads, and written to
// disk by Close, atomically, so a crash never leaves a half-written file. Close merges the keys
// written into the file as it is on disk, under an advisory lock on "<file>.lock" beside it, so that
// stores closing together keep each other's keys; a file that exists but cannot be read is never
// replaced (the save fails and the file stays as it is).
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
    // Writes pending changes to disk and closes the store. False when they could not be written
    // (LastError says why; the file on disk is unchanged); true when written or nothing changed.
    bool Close();
    // "<file>: <reason>" of the last failed Close; empty after one that succeeded.
    const std::string& LastError() const { return m_lastError; }
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
    // The file's entries; false with the reason when it exists but cannot be read (a missing file
    // is an empty store).
    static bool ReadFile(const std::string& path, Store* store, std::string* why);
    static bool WriteFile(const std::string& path, const Store& store, std::string* why);

    std::string m_name;
    bool m_open = false;
    bool m_loaded = false;
    Store m_values;
    std::set<std::string> m_changed;  // keys written since Open
    std::string m_lastError;
};
