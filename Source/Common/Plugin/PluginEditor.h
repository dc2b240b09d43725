#pragma once
// What the plug-in needs of the editor layer: its three shared managers, its editor object and the
// model byte it shows. The layer plugs its own in through SetPluginEditorHooks; until it does (and in
// a build without windows), a headless editor stands in: it has the editor's size and lifecycle and
// keeps its MIDI display ring, but opens no window.
#include <cstdint>

#include "Common/Plugin/AEffEditor.h"

class CMidiFifo;
class QorVst;
namespace QorX0 {
class IRemoteSynth;
}

// The editor object as the plug-in drives it.
class QorVstEditorBase : public AEffEditor {
public:
    explicit QorVstEditorBase(AudioEffect* effect) : AEffEditor(effect) {}
    // Prepares the editor and registers it as the effect's editor; true when it can run.
    virtual bool Initialize() = 0;
    virtual bool Uninitialize() = 0;
    // A message to show (any thread); false when it was dropped.
    virtual bool MidiIn(unsigned char status, unsigned char data1, unsigned char data2) = 0;
};

struct PluginEditorHooks {
    // The image resource, form and font managers, in that order: Initialize counts one user more and
    // returns whether the manager exists; Uninitialize counts one less.
    bool (*initializeManager[3])();
    void (*uninitializeManager[3])();
    // The editor layer's model byte, set before anything of the editor runs.
    void (*setModel)(unsigned char model);
    QorVstEditorBase* (*createEditor)(QorVst* effect, QorX0::IRemoteSynth* synth);
};

// Null restores the headless stand-ins. Not thread-safe: set before any effect exists.
void SetPluginEditorHooks(const PluginEditorHooks* hooks);
const PluginEditorHooks& GetPluginEditorHooks();
// The headless stand-ins (a windowed editor keeps their managers and model).
const PluginEditorHooks& GetHeadlessPluginEditorHooks();

// The stand-in editor: a fixed rectangle, no window (open fails), a MIDI display ring of 1024.
class CHeadlessVstEditor : public QorVstEditorBase {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 640;

    explicit CHeadlessVstEditor(AudioEffect* effect);
    ~CHeadlessVstEditor() override;

    bool getRect(ERect** rect) override;
    bool open(void* window) override;

    bool Initialize() override;
    bool Uninitialize() override;
    bool MidiIn(unsigned char status, unsigned char data1, unsigned char data2) override;
    // For tests: messages shown so far and still waiting in the ring.
    int PendingMidi() const;

private:
    ERect m_rect{0, 0, kHeight, kWidth};
    CMidiFifo* m_ring = nullptr;
};
