#pragma once
// A page that watches the notes the editor window receives (MIDI the plug-in passes on, handed over
// by the window on its idle tick). Main thread only.

class IMIDIReceiver {
public:
    virtual void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) = 0;

protected:
    ~IMIDIReceiver() = default;
};
