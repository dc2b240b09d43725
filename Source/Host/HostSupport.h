#pragma once
// The standalone program's failure family, its alerts, a UTF-8 string owner, an owned audio buffer
// list and an owning array pointer. Every failure of the program travels as a ZbrException; only
// VintorException texts reach the user, through ShowErrorAlert.
#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

class ZbrException : public std::exception {
public:
    explicit ZbrException(std::string message = "ZbrException", std::string second = std::string())
        : m_message(std::move(message)), m_second(std::move(second)) {}
    ~ZbrException() override = default;
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& Message() const { return m_message; }
    const std::string& SecondMessage() const { return m_second; }

private:
    std::string m_message;
    std::string m_second;
};

// An operating-system or library failure; the code is errno's or ALSA's (negative) value.
class ZbrMacOSException : public ZbrException {
public:
    explicit ZbrMacOSException(long code)
        : ZbrException("MacOSException error code=" + std::to_string(code)), m_code(code) {}
    long GetErrorCode() const { return m_code; }

private:
    long m_code;
};

class ZbrIfNotException : public ZbrException {
public:
    explicit ZbrIfNotException(const std::string& condition) : ZbrException("(" + condition + ") is not") {}
};

class ZbrNullException : public ZbrException {
public:
    explicit ZbrNullException(const std::string& expression) : ZbrException(expression + " is null") {}
};

// A failure the user sees: a localisation key and a second line.
class VintorException : public ZbrException {
public:
    explicit VintorException(const char* key, std::string second = std::string())
        : ZbrException(key, second), m_key(key), m_secondMessage(std::move(second)) {}
    const char* GetLocalizeKey() const { return m_key; }
    const std::string& GetSecondMessage() const { return m_secondMessage; }

private:
    const char* m_key;
    std::string m_secondMessage;
};

class VintorSetBufferSizeException : public VintorException {
public:
    VintorSetBufferSizeException(const char* key, std::string second)
        : VintorException(key, std::move(second)) {}
};

// Checks that throw the family's exceptions with the condition's own text.
#define ZBR_THROW_IF_NOT(cond)                       \
    do {                                             \
        if (!(cond)) throw ZbrIfNotException(#cond); \
    } while (0)

// A UTF-8 string owner; kept for the names the program uses.
class ZbrCFString {
public:
    ZbrCFString() = default;
    explicit ZbrCFString(std::string utf8) : m_text(std::move(utf8)), m_set(true) {}
    void SetUTF8String(const std::string& utf8) {
        m_text = utf8;
        m_set = true;
    }
    // Empty when no string is held.
    void GetUTF8String(std::string* utf8) const { *utf8 = m_set ? m_text : std::string(); }
    bool IsSet() const { return m_set; }
    const std::string& get() const { return m_text; }

private:
    std::string m_text;
    bool m_set = false;
};

// The localised text of a key: our own table, the key itself when it has no entry.
std::string VintorLocalizedString(const char* key);

class ZbrAlert {
public:
    enum Type { kPlain = 0, kNote = 1, kCaution = 2, kStop = 3 };
    static void SetTitleText(const std::string& title);
    static std::string GetTitleText();
    // Returns the button pressed (1 = the default).
    static int ShowStandardAlert(Type type, const std::string& title, const std::string& text);
    // With the shared title; throws ZbrNullException "*gTitleText" when none was set.
    static int MessageAlert(const std::string& text, Type type, void* window = nullptr);
    static int ErrorAlert(const std::string& text, void* window = nullptr);
};

void ShowNoteAlert(const char* key);
// The localised text of the key, then "\n" and the second message when that is not empty.
void ShowErrorAlert(const char* key, const std::string& second);

// Runs the program's start-up and event loop: a failure of the family (or any other exception)
// is written to the error stream with its text, and the status is 1; otherwise body's status. From
// here on a ZbrMutex that cannot be set up throws ZbrIfNotException "result == 0".
int ZbrRunMain(const char* programName, int (*body)(void*), void* context, FILE* errors = stderr);

// An owned list of buffers of 32-bit samples: buffers x channels per buffer x frames.
class ZbrAudioBufferList {
public:
    ZbrAudioBufferList(int numberBuffers, int channelsPerBuffer, int frameSize);
    int BufferCount() const { return static_cast<int>(m_buffers.size()); }
    int ChannelsPerBuffer() const { return m_channels; }
    int FrameSize() const { return m_frames; }
    // Bytes of one buffer: frames x channels x 4.
    size_t BufferBytes() const { return static_cast<size_t>(m_frames) * static_cast<size_t>(m_channels) * 4; }
    float* Buffer(int index) { return m_buffers[static_cast<size_t>(index)].data(); }
    float* const* GetBufferList() { return m_pointers.data(); }

private:
    int m_channels;
    int m_frames;
    std::vector<std::vector<float>> m_buffers;
    std::vector<float*> m_pointers;
};

template <typename T>
class ZbrAutoArray {
public:
    explicit ZbrAutoArray(T* p = nullptr) : m_p(p) {}
    ~ZbrAutoArray() { delete[] m_p; }
    ZbrAutoArray(const ZbrAutoArray&) = delete;
    ZbrAutoArray& operator=(const ZbrAutoArray&) = delete;
    void reset(T* p = nullptr) {
        if (p != m_p) {
            delete[] m_p;
            m_p = p;
        }
    }
    T* get() const { return m_p; }
    T& operator[](size_t i) const { return m_p[i]; }

private:
    T* m_p;
};
