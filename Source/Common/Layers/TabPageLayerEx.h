#pragma once
// A tab page whose key-number and velocity fields can be typed by playing a note: while one of its
// edit fields is in text entry, a note-on from the instrument (shown pages only) or from the host puts
// the note number or the velocity, as the parameter's text, into the field. The parameter itself is
// written only when the user confirms the entry.
#include <string>
#include <vector>

#include "Common/Layers/IMIDIReceiver.h"
#include "Common/Layers/TabControl.h"
#include "Common/Link/RemoteSynth.h"

class CTabPageLayerEx : public CTabPageLayer, public QorX0::IRemoteSynthMIDISink, public IMIDIReceiver {
public:
    CTabPageLayerEx(QorX0::IRemoteSynth* synth, std::string name);
    // A page deleted without OnDestroy still leaves the instrument's MIDI observers.
    ~CTabPageLayerEx() override;

    bool OnCreate() override;
    bool OnDestroy() override;

    // Fields linked to these PIDs take the note number (key) or the velocity; each PID once.
    void AddKeyParanId(unsigned pid);
    void AddVelParanId(unsigned pid);
    const std::vector<unsigned>& GetKeyParamIds() const { return m_keyPids; }
    const std::vector<unsigned>& GetVelParamIds() const { return m_velPids; }

    // MIDI from the instrument: note-ons only, and only while the page is shown.
    void OnRemoteSynthMIDIIn(QorX0::IRemoteSynth* synth, const void* data, unsigned length) override;
    // MIDI from the host through the editor window, also while the page is hidden.
    void OnMidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    virtual void OnNoteInput(unsigned char status, unsigned char note, unsigned char velocity);

private:
    void UnadviseMIDI();

    std::vector<unsigned> m_keyPids;
    std::vector<unsigned> m_velPids;
    bool m_bMIDIAdvised = false;
};
