#pragma once
// The plug-in's editor: the window the host opens, with the editor's root layer over the whole of it.
// MIDI that the plug-in shows (from the host's audio thread and the MIDI thread) comes in through a
// ring and is drained on the window's idle tick, which then drives every shown layer and flushes the
// drawing once.
#include <cstdint>
#include <mutex>
#include <vector>

#include "Common/Link/RemoteSynth.h"
#include "Hfc/Vst/HfcVstEditor.h"

class BackgroundLayer;
class CMidiFifo;
class CParamListener;

class QorVstEditor : public CHfcVstEditor, public QorX0::IRemoteSynthSink {
public:
    static constexpr int kRingSize = 1024;

    // registered: the editor object the effect knows (a wrapper of this one); null for this one.
    QorVstEditor(AudioEffect* effect, QorX0::IRemoteSynth* synth, AEffEditor* registered = nullptr);
    ~QorVstEditor() override;

    bool Initialize() override;
    // Closes a window still open first: nothing of the editor stays advised to the synthesizer.
    bool Uninitialize() override;
    // Any thread. False when the ring is full or gone (the message is dropped).
    bool MidiIn(unsigned char status, unsigned char data1, unsigned char data2);
    void GetDefaultWindowSize(long* width, long* height) override;

    bool AddParamListener(CParamListener* listener);
    void RemoveParamListener(CParamListener* listener);
    int TellListeners(long index);
    void DoUpdate();

    // The window is drawn as it opens, not a timer's wait later.
    bool open(void* window) override;
    void draw(ERect* rect) override;
    void UpdateNoFlush(tagHfcRect* rect);

    bool OnCreate() override;
    void OnIdle() override;
    void OnDestroy() override;

    // The remote synthesizer's news reach the window through its layers' own queues.
    void OnRemoteSynthConnectionStateChanged(QorX0::IRemoteSynth*, bool, bool) override {}
    void OnRemoteSynthExtCtlStateChanged(QorX0::IRemoteSynth*, const QorX0::EXTCTLSTATE&) override {}
    void OnRemoteSynthMasterVolumeChanged(QorX0::IRemoteSynth*, unsigned) override {}
    void OnRemoteSynthModeChanged(QorX0::IRemoteSynth*, int) override {}
    void OnRemoteSynthCurSoundChanged(QorX0::IRemoteSynth*, const QorX0::SOUNDINDEX&) override {}
    void OnRemoteSynthBankListChanged(QorX0::IRemoteSynth*, int, const QorX0::SOUNDINDEX&) override {}
    void OnRemoteSynthAuditionStateChanged(QorX0::IRemoteSynth*, bool) override {}
    virtual void OnRemoteSynthMIDIBroken(QorX0::IRemoteSynth*) {}

    BackgroundLayer* GetRootLayer() const { return m_pRoot; }
    QorX0::IRemoteSynth* GetSynth() const { return m_pSynth; }
    int PendingMidi() const;
    // Whether the window drives itself (false under the wrapper whose host product is ours + "RTAS").
    bool HasOwnIdleTimer() const { return m_bOwnTimer; }

private:
    AEffEditor* m_pRegistered;
    QorX0::IRemoteSynth* m_pSynth;
    bool m_abPending[5] = {};
    std::vector<CParamListener*> m_listeners;
    BackgroundLayer* m_pRoot = nullptr;
    uint32_t m_uLastTick;
    CMidiFifo* m_pRing = nullptr;
    mutable std::mutex m_ringLock;  // the ring is only ever deleted under it
    bool m_bSinkAdvised = false;
    bool m_bOwnTimer = true;
};

// The editor as the plug-in holds it: the object registered with the effect, whose host calls go to
// the window.
#include "Common/Plugin/PluginEditor.h"

class QorVstEditorShell : public QorVstEditorBase {
public:
    QorVstEditorShell(AudioEffect* effect, QorX0::IRemoteSynth* synth);
    ~QorVstEditorShell() override;

    bool getRect(ERect** rect) override { return m_pWindow->getRect(rect); }
    bool open(void* window) override;
    void close() override;
    void idle() override { m_pWindow->idle(); }
    void draw(ERect* rect) override { m_pWindow->draw(rect); }
    VstInt32 mouse(VstInt32 x, VstIntPtr y) override { return m_pWindow->mouse(x, y); }
    VstInt32 key(VstIntPtr keyCode) override { return m_pWindow->key(keyCode); }
    void top() override { m_pWindow->top(); }
    void sleep() override { m_pWindow->sleep(); }
    bool onKeyDown(VstKeyCode& keyCode) override { return m_pWindow->onKeyDown(keyCode); }
    bool onKeyUp(VstKeyCode& keyCode) override { return m_pWindow->onKeyUp(keyCode); }
    bool onWheel(float distance) override { return m_pWindow->onWheel(distance); }
    bool setKnobMode(VstInt32 mode) override { return m_pWindow->setKnobMode(mode); }
    bool Initialize() override { return m_pWindow->Initialize(); }
    bool Uninitialize() override { return m_pWindow->Uninitialize(); }
    bool MidiIn(unsigned char status, unsigned char data1, unsigned char data2) override {
        return m_pWindow->MidiIn(status, data1, data2);
    }

    QorVstEditor* GetWindow() const { return m_pWindow; }

    // The hooks that make this editor, over the editor layer's managers.
    static const PluginEditorHooks& Hooks();

private:
    QorVstEditor* m_pWindow;
};
