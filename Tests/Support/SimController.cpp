#include "SimController.h"

SimController::SimController(CMidiLoopback& loopback, const std::string& name, int kind, int globalChannel)
    : m_loopback(loopback), m_kind(kind), m_globalChannel(globalChannel), m_channel(globalChannel) {
    m_before = loopback.AddSource(name, "Port A");
    m_exclusive = loopback.AddSource(name, "Exclusive");
    m_after = loopback.AddSource(name, "Port B");
    m_destination = loopback.AddDestination(name, "In");
    loopback.SetListener(m_destination, this);
}

SimController::~SimController() {
    m_loopback.SetListener(m_destination, nullptr);
}

std::vector<std::vector<uint8_t>> SimController::Received() {
    std::lock_guard<std::mutex> lock(m_lock);
    return m_received;
}

void SimController::Reply(std::vector<uint8_t> bytes) {
    if (!m_silent) m_loopback.Inject(m_exclusive, bytes.data(), bytes.size());
}

void SimController::SendEvent(int function, uint8_t byte6, uint8_t byte7) {
    const uint8_t k = static_cast<uint8_t>(m_kind);
    std::vector<uint8_t> m{0xF0,  0x42,  static_cast<uint8_t>(0x40 | m_channel),
                           0x6E,  k,     static_cast<uint8_t>(function),
                           byte6, byte7, 0xF7};
    m_loopback.Inject(m_exclusive, m.data(), m.size());
}

void SimController::OnLoopbackSend(uint32_t, const uint8_t* b, size_t length, bool) {
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_received.emplace_back(b, b + length);
    }
    const uint8_t k = static_cast<uint8_t>(m_kind);
    const std::vector<uint8_t> identityRequest{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7};
    if (std::vector<uint8_t>(b, b + length) == identityRequest) {
        Reply({0xF0, 0x7E, static_cast<uint8_t>(m_globalChannel), 0x06, 0x02, 0x42, 0x6E, 0x00,
               static_cast<uint8_t>(m_kind == 2 ? 2 : 0), 0x00, 0x01, 0x00, 0x00, 0x00, 0xF7});
        return;
    }
    if (length == 9 && b[1] == 0x42 && b[4] == 0x7F && b[5] == 0x1E) {  // probe
        Reply({0xF0, 0x42, 0x40, 0x6E, k, 0x1E, 0x05, 0x00, 0x03, 0x02, 0x02, 0x02, 0xF7});
        return;
    }
    if (m_kind == 1 || length < 9 || b[1] != 0x42 || b[3] != 0x6E) return;
    const uint8_t ch = b[2] & 0x0F;
    if (b[5] == 0x00 && b[6] == 0x00 && length == 9) {  // special mode
        Reply({0xF0, 0x42, static_cast<uint8_t>(0x40 | ch), 0x6E, k, 0x00, 0x00,
               static_cast<uint8_t>(b[7] ? 3 : 2), 0xF7});
        return;
    }
    if (b[5] == 0x3F && !m_neverConfirmSteps) {  // an initialisation step
        if (b[7] == 0x00) m_channel = b[9] & 0x0F;
        Reply({0xF0, 0x42, static_cast<uint8_t>(0x40 | ch), 0x6E, k, 0x1F, b[7], 0x00, 0xF7});
    }
}
