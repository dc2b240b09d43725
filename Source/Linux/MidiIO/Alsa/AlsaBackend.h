#pragma once
// The ALSA sequencer backend: how Linux presents USB and DIN MIDI interfaces.
#include "Linux/MidiIO/MidiBackend.h"

// The process's one sequencer client, opened on first use. When no sequencer is available it lists
// nothing and opens nothing.
IMidiBackend* AlsaMidiBackend();

// Handle of a sequencer port as the backend names it.
constexpr uint32_t AlsaEndpointHandle(int client, int port) {
    return (static_cast<uint32_t>(client) << 16) | static_cast<uint32_t>(port & 0xFFFF);
}
