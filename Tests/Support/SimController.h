#pragma once
// A stand-in for the maker's hardware controllers on the loopback: three sources (the one before
// the exclusive port, the exclusive port, the one after) and one destination. It answers the
// identity request and the probe, confirms exclusive mode and each initialisation step, and records
// everything it was sent. Its kind: 0 first kind, 2 second kind, 1 the third kind (no hand-shake).
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "Linux/MidiIO/Loopback/LoopbackBackend.h"

class SimController final : private CMidiLoopback::IListener {
public:
    SimController(CMidiLoopback& loopback, const std::string& name, int kind, int globalChannel = 3);
    ~SimController();

    uint32_t Before() const { return m_before; }
    uint32_t Exclusive() const { return m_exclusive; }
    uint32_t After() const { return m_after; }
    uint32_t Destination() const { return m_destination; }

    // Switches: never confirm the initialisation steps; never answer at all.
    void SetNeverConfirmSteps(bool on) { m_neverConfirmSteps = on; }
    void SetSilent(bool on) { m_silent = on; }

    // A controller event sent from the exclusive port.
    void SendEvent(int function, uint8_t byte6, uint8_t byte7);
    std::vector<std::vector<uint8_t>> Received();

private:
    void OnLoopbackSend(uint32_t destination, const uint8_t* bytes, size_t length, bool exclusive) override;
    void Reply(std::vector<uint8_t> bytes);

    CMidiLoopback& m_loopback;
    int m_kind;
    int m_globalChannel;
    uint32_t m_before, m_exclusive, m_after, m_destination;
    bool m_neverConfirmSteps = false;
    bool m_silent = false;
    std::mutex m_lock;
    std::vector<std::vector<uint8_t>> m_received;
    int m_channel;
};
