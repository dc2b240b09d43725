#pragma once
// The ALSA sequencer backend: how Linux presents USB and DIN MIDI interfaces.
#include "Linux/MidiIO/MidiBackend.h"

// The process's one sequencer client, opened on first use. When no sequencer is available it lists
// nothing and opens nothing. Clients of this process (ours, and those of any other copy of this
// layer loaded into the process, whichever thread opened them) are never listed. Its ports are its
// own: no other client can subscribe to them.
IMidiBackend* AlsaMidiBackend();

// The client's name, for a program that is not the plug-in; call it before the first use of the
// backend (later calls change nothing).
void AlsaMidiSetClientName(const char* name);

// The name the client has (or will have when it opens).
const char* AlsaMidiClientName();

// The process (thread group) a task id belongs to, as the system tells; -1 when none is known.
int AlsaThreadGroupOf(int taskId);

// The name a port opened with the asked name carries: that name, or "Input Port" / "Output Port"
// when none was asked.
const char* AlsaMidiPortName(const char* asked, bool input);

// For tests that make their peer clients inside the test process: list this process's other
// clients too (our own client is never listed).
void AlsaMidiListOwnProcessClients(bool list);

// Handle of a sequencer port as the backend names it.
constexpr uint32_t AlsaEndpointHandle(int client, int port) {
    return (static_cast<uint32_t>(client) << 16) | static_cast<uint32_t>(port & 0xFFFF);
}
