#include "Common/Link/DumpPacking.h"

#include <algorithm>
#include <cstring>

#include "Linux/SysTick.h"

namespace QorX0 {

// ---- ChunkEncode

size_t ChunkEncode::Read(void* buffer, size_t capacity) {
    auto* out = static_cast<uint8_t*>(buffer);
    size_t written = 0;
    while (written < capacity) {
        if (m_blockPosition >= m_blockLength) {
            if (m_position >= m_length) break;
            fillblock();
        }
        const size_t n = std::min<size_t>(capacity - written, m_blockLength - m_blockPosition);
        std::memcpy(out + written, m_block + m_blockPosition, n);
        m_blockPosition += static_cast<unsigned>(n);
        written += n;
    }
    return written;
}

void ChunkEncode::fillblock() {
    const size_t count = std::min<size_t>(7, m_length - m_position);
    uint8_t header = 0;
    for (size_t j = 0; j < count; ++j) {
        const uint8_t b = m_source[m_position + j];
        header |= static_cast<uint8_t>((b >> 7) << j);
        m_block[j + 1] = b & 0x7F;
    }
    m_block[0] = header;
    m_blockLength = static_cast<unsigned>(count + 1);
    m_blockPosition = 0;
    m_position += count;
}

// ---- ChunkDecode

void ChunkDecode::Begin() {
    m_output.clear();
    m_count = 0;
    m_active = true;
}

void ChunkDecode::End() {
    m_output.clear();
    m_count = 0;
    m_active = false;
}

void ChunkDecode::reserve(size_t n) {
    if (n == 0) {
        std::vector<uint8_t>().swap(m_output);
    } else {
        m_output.reserve(n);
    }
}

void ChunkDecode::Write(const void* bytes, size_t n, bool final) {
    const auto* in = static_cast<const uint8_t*>(bytes);
    for (size_t i = 0; i < n; ++i) {
        m_group[m_count++] = in[i];
        if (m_count == 8) flushblock();
    }
    if (final && m_count > 1) flushblock();
    // A group that holds only its header byte carries no data.
    if (final) m_count = 0;
}

void ChunkDecode::flushblock() {
    const uint8_t header = m_group[0];
    for (unsigned i = 1; i < m_count; ++i) {
        const uint8_t high = static_cast<uint8_t>(((header >> (i - 1)) & 1) << 7);
        m_output.push_back(static_cast<uint8_t>((m_group[i] & 0x7F) | high));
    }
    m_count = 0;
}

// ---- SXRcvCtx

void SXRcvCtx::reserve(size_t rawCapacity, size_t decodedCapacity) {
    m_lock.Lock();
    if (rawCapacity == 0) {
        std::vector<uint8_t>().swap(m_raw);
    } else {
        m_raw.reserve(std::min(rawCapacity, kMaxRawLength));
    }
    m_decoder.reserve(decodedCapacity);
    m_lock.Unlock();
}

void SXRcvCtx::EndLocked() {
    m_raw.clear();
    m_decoder.End();
    m_received.store(0);
    m_expected = 0;
    m_receiving = false;
    m_abandoned = false;
    m_discard.store(false);
}

void SXRcvCtx::End() {
    m_lock.Lock();
    EndLocked();
    m_lock.Unlock();
}

void SXRcvCtx::DropMatching(const SXSig& signature, unsigned forMs) {
    m_lock.Lock();
    m_dropSignature = signature;
    m_dropUntil = GetSysTick() + forMs;
    m_lock.Unlock();
}

void SXRcvCtx::StopDropping(const SXSig& signature) {
    m_lock.Lock();
    if (m_dropSignature == signature) m_dropSignature.Clear();
    m_lock.Unlock();
}

void SXRcvCtx::SetReceiving(bool receiving) {
    m_lock.Lock();
    m_receiving = receiving;
    m_lock.Unlock();
}

bool SXRcvCtx::IsReceiving() {
    m_lock.Lock();
    const bool receiving = m_receiving;
    m_lock.Unlock();
    return receiving;
}

bool SXRcvCtx::IsReceiving(unsigned idleMs) {
    m_lock.Lock();
    if (m_receiving && !m_abandoned && GetSysTick() - m_lastInput >= idleMs) m_abandoned = true;
    const bool receiving = m_receiving && !m_abandoned;
    m_lock.Unlock();
    return receiving;
}

void SXRcvCtx::Write(const void* bytes, size_t n, bool final) {
    if (!m_receiving || m_discard.load()) return;
    const unsigned received = m_received.load();
    if (m_decoder.IsActive()) {
        // A dump never runs past its announced size; a longer one is not the dump it claims to be.
        if (m_expected == 0 || received + n >= m_expected) {
            m_discard.store(true);
            return;
        }
        m_decoder.Write(bytes, n, final);
    } else {
        m_lock.Lock();
        const bool tooLong = m_raw.size() + n > kMaxRawLength;
        if (tooLong) {
            m_discard.store(true);
            m_raw.clear();
        } else {
            const auto* in = static_cast<const uint8_t*>(bytes);
            m_raw.insert(m_raw.end(), in, in + n);
        }
        m_lock.Unlock();
        if (tooLong) return;
    }
    m_received.store(received + static_cast<unsigned>(n));
}

void SXRcvCtx::Estimated(unsigned total, unsigned bodyOffset, bool final) {
    m_lock.Lock();
    if (!m_decoder.IsActive() && !m_discard.load() && m_raw.size() > bodyOffset) {
        if (m_raw.size() >= total) {
            m_discard.store(true);
        } else {
            m_expected = total;
            m_decoder.Begin();
            m_decoder.Write(m_raw.data() + bodyOffset, m_raw.size() - bodyOffset, final);
            m_raw.resize(bodyOffset);
        }
    }
    m_lock.Unlock();
}

bool SXRcvCtx::GetEstimation(unsigned* expected, SXSig* signature) {
    m_lock.Lock();
    const bool known = m_receiving && m_decoder.IsActive() && !m_discard.load();
    if (known) {
        if (expected) *expected = m_expected;
        if (signature) signature->Assign(m_raw.data(), m_raw.size());
    }
    m_lock.Unlock();
    return known;
}

// Stores bytes of the open message and lets the parser look at them. Until a dump is recognised the
// bytes go in small steps, so the header is seen before the raw buffer holds a large body.
void SXRcvCtx::Store(const uint8_t* bytes, size_t n, bool final, ISXFrameSink& sink) {
    size_t done = 0;
    do {
        size_t step = n - done;
        if (!m_decoder.IsActive() && step > kRawStep) step = kRawStep;
        const bool last = done + step == n;
        Write(bytes + done, step, final && last);
        done += step;
        if (m_discard.load()) return;
        if (m_checkDrop) {
            // Decided once the message holds as many bytes as the signature; until then the parser
            // does not see it (it reads the whole message again on every piece).
            m_lock.Lock();
            const bool decided = m_raw.size() >= m_dropSignature.size();
            const bool drop = decided && m_dropSignature.Match(m_raw.data(), m_raw.size());
            m_lock.Unlock();
            if (drop) {
                m_discard.store(true);
                return;
            }
            if (!decided && !(final && last)) continue;
            m_checkDrop = false;  // a complete message shorter than the signature cannot match it
        }
        sink.OnSXPiece(final && last);
    } while (done < n);
}

// Input framing. Bytes outside a message are dropped up to the next 0xF0. Inside a message, 0xF7
// completes it; a real-time byte (0xF8 to 0xFF) is skipped without ending it; any other status byte,
// a new 0xF0 included, means the message was cut short: it is dropped and never parsed as complete,
// and that byte is looked at again outside the message.
void SXRcvCtx::Frame(const void* data, size_t n, ISXFrameSink& sink) {
    const auto* bytes = static_cast<const uint8_t*>(data);
    m_lock.Lock();
    m_lastInput = GetSysTick();
    // Given up while it was idle: these bytes, up to the next message, belong to nothing.
    if (m_abandoned) EndLocked();
    m_lock.Unlock();
    size_t i = 0;
    while (i < n) {
        if (!IsReceiving()) {
            const uint8_t* start = static_cast<const uint8_t*>(std::memchr(bytes + i, 0xF0, n - i));
            if (!start) return;
            m_lock.Lock();
            EndLocked();
            m_receiving = true;
            // Wrap-aware: the drop lasts until its tick, never for a whole turn of the tick.
            m_checkDrop = !m_dropSignature.empty() && static_cast<int32_t>(m_dropUntil - GetSysTick()) > 0;
            if (!m_checkDrop) m_dropSignature.Clear();
            m_lock.Unlock();
            i = static_cast<size_t>(start - bytes);
        }
        // The stored 0xF0 that opens the message is the only status byte it holds.
        size_t k = i;
        if (m_received.load() == 0 && bytes[k] == 0xF0) ++k;
        while (k < n && bytes[k] < 0x80) ++k;
        if (k == n) {
            Store(bytes + i, n - i, false, sink);
            return;
        }
        const uint8_t status = bytes[k];
        if (status == 0xF7) {
            if (k > i) {
                Store(bytes + i, k - i, true, sink);
            } else if (!m_discard.load()) {
                // The 0xF7 came alone: the decoder still holds the last group.
                Write(nullptr, 0, true);
                if (!m_discard.load()) sink.OnSXPiece(true);
            }
            End();
        } else if (status >= 0xF8) {
            if (k > i) Store(bytes + i, k - i, false, sink);
        } else {
            if (k > i) Store(bytes + i, k - i, false, sink);
            End();
            i = k;
            continue;
        }
        i = k + 1;
    }
}

}  // namespace QorX0
