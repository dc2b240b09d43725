#pragma once
// The editor interface a VST host drives: rectangle, open inside the host's window, idle, close.
#include "Common/Plugin/VstAbi.h"

class AudioEffect;

class AEffEditor {
public:
    explicit AEffEditor(AudioEffect* effect = nullptr) : effect(effect) {}
    virtual ~AEffEditor() = default;
    AEffEditor(const AEffEditor&) = delete;
    AEffEditor& operator=(const AEffEditor&) = delete;

    virtual AudioEffect* getEffect() { return effect; }
    virtual bool getRect(ERect** rect) {
        *rect = nullptr;
        return false;
    }
    virtual bool open(void* window) {
        systemWindow = window;
        return false;
    }
    virtual void close() { systemWindow = nullptr; }
    virtual bool isOpen() { return systemWindow != nullptr; }
    virtual void idle() {}
    virtual void draw(ERect*) {}
    virtual VstInt32 mouse(VstInt32, VstIntPtr) { return 0; }
    virtual VstInt32 key(VstIntPtr) { return 0; }
    virtual void top() {}
    virtual void sleep() {}
    virtual bool onKeyDown(VstKeyCode&) { return false; }
    virtual bool onKeyUp(VstKeyCode&) { return false; }
    virtual bool onWheel(float) { return false; }
    virtual bool setKnobMode(VstInt32) { return false; }

protected:
    AudioEffect* effect;
    void* systemWindow = nullptr;
};
