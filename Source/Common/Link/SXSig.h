#pragma once
// A byte signature that a received exclusive message must begin with.
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace QorX0 {

class SXSig {
public:
    static constexpr size_t kMaxLength = 16;
    static constexpr uint8_t kAny = 0xFF;  // matches any byte

    SXSig() = default;
    // Keeps at most kMaxLength bytes; message headers are never longer.
    SXSig(const void* bytes, size_t length) { Assign(bytes, length); }
    SXSig(std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes)
            if (m_length < kMaxLength) m_bytes[m_length++] = b;
    }

    void Assign(const void* bytes, size_t length) {
        m_length = length < kMaxLength ? length : kMaxLength;
        for (size_t i = 0; i < m_length; ++i) m_bytes[i] = static_cast<const uint8_t*>(bytes)[i];
    }
    void Clear() { m_length = 0; }

    // An empty signature matches nothing, nor does one longer than the message.
    bool Match(const void* message, size_t length) const {
        if (m_length == 0 || m_length > length || message == nullptr) return false;
        const auto* msg = static_cast<const uint8_t*>(message);
        for (size_t i = 0; i < m_length; ++i)
            if (m_bytes[i] != kAny && m_bytes[i] != msg[i]) return false;
        return true;
    }

    bool empty() const { return m_length == 0; }
    size_t size() const { return m_length; }
    const uint8_t* data() const { return m_bytes; }

    friend bool operator==(const SXSig& a, const SXSig& b) {
        if (a.m_length != b.m_length) return false;
        for (size_t i = 0; i < a.m_length; ++i)
            if (a.m_bytes[i] != b.m_bytes[i]) return false;
        return true;
    }

private:
    uint8_t m_bytes[kMaxLength] = {};
    size_t m_length = 0;
};

}  // namespace QorX0
