#pragma once
// The hosted editor as the program's engine sees it: initialised and uninitialised repeatedly,
// rendered into two non-interleaved float channels, fed MIDI at sample offsets, asked for its
// private plug-in object. The component layer presents the plug-in through this interface.
#include <cstdint>

#include "Common/HostInterface.h"

// What the unit reads through its host callbacks: the beat (always 0) and the tempo, from any
// thread (the plug-in asks on its audio thread).
class IHostTempo {
public:
    virtual double GetTempo() const = 0;

protected:
    ~IHostTempo() = default;
};

class IHostedUnit {
public:
    virtual ~IHostedUnit() = default;
    // Prepares rendering at the rate with blocks of at most maxFrames; false when refused.
    virtual bool Initialize(double sampleRate, uint32_t maxFrames) = 0;
    virtual void Uninitialize() = 0;
    // On the audio thread: fills frames samples of both channels; non-zero is a render error.
    // Must not block or allocate.
    virtual int Render(float* left, float* right, uint32_t frames) = 0;
    // From MIDI threads: one short message at a sample offset of the next rendered block.
    virtual void MIDIEvent(uint8_t status, uint8_t data1, uint8_t data2, uint32_t offsetFrames) = 0;
    // Hands the program's object over and returns the plug-in's (null: it has none).
    virtual IVINTORPLUGIN_vintorvstinterface1* HandOver(IVINTORHOST_vintorvstinterface1* host) = 0;
    // Where the unit's host callbacks read the tempo (null: none, before the source goes away).
    virtual void SetHostCallbacks(const IHostTempo* /*tempo*/) {}
};

// What the engine and the MIDI manager ask of the program's shell.
class IHostShell {
public:
    // Queues an idle task for the main thread (task ids of the program: 4 device info error,
    // 6 device list changed, 7 MIDI setup changed, 8 clock source changed, 9 format changed).
    virtual void DemandIdleTask(int id) = 0;
    // Audio stopped by itself (auto stop): the Play/Stop menu pair goes back to Play.
    virtual void AudioAutoStopped() {}

protected:
    ~IHostShell() = default;
};
