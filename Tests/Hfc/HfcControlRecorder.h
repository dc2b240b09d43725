#pragma once
// Test support for the stock controls: a control listener that records every call in order as a
// short text and can answer like a layer (writing reported values back, giving defaults).
#include <cstdio>
#include <string>
#include <vector>

#include "Hfc/Core/HfcControl.h"

class HfcControlRecorder : public CHfcControlListener {
public:
    std::vector<std::string> calls;
    // Writes every reported int value back with SetIntValue, as the owning layer does.
    bool echo = false;
    // Answers OnHfcCtrlDefaultIntValueRequired with this value when set.
    bool hasDefault = false;
    int defaultValue = 0;
    // Answers the mouse offers with true (takes the event).
    bool takeMouse = false;

    static std::string Value(int v) {
        char text[32];
        if (v < 0) {
            std::snprintf(text, sizeof text, "value %d|on", v & 0x7fffffff);
        } else {
            std::snprintf(text, sizeof text, "value %d", v);
        }
        return text;
    }

    void OnHfcCtrlIntValueChanged(CHfcControl* control, int value) override {
        calls.push_back(Value(value));
        if (echo) control->SetIntValue(value, true);
    }
    void OnHfcCtrlPtrValueChanged(CHfcControl*, void* pointer) override {
        calls.push_back(std::string("text ") + (pointer ? static_cast<const char*>(pointer) : "(null)"));
    }
    bool OnHfcCtrlDefaultIntValueRequired(CHfcControl*, int* value) override {
        calls.push_back("default?");
        if (hasDefault) *value = defaultValue;
        return hasDefault;
    }
    void OnHfcCtrlBeginEdit(CHfcControl*) override { calls.push_back("begin"); }
    void OnHfcCtrlEndEdit(CHfcControl*) override { calls.push_back("end"); }
    bool OnHfcCtrlMouseLButtonDown(CHfcControl*, int x, int y, int) override {
        calls.push_back("offer down " + std::to_string(x) + "," + std::to_string(y));
        return takeMouse;
    }
    bool OnHfcCtrlMouseLButtonDoubleClick(CHfcControl*, int, int, int) override {
        calls.push_back("offer double");
        return takeMouse;
    }
    bool OnHfcCtrlMouseLButtonUp(CHfcControl*, int, int, int) override {
        calls.push_back("offer up");
        return takeMouse;
    }
    bool OnHfcCtrlMouseRButtonDown(CHfcControl*, int, int, int) override {
        calls.push_back("right down");
        return takeMouse;
    }
    bool OnHfcCtrlMouseRButtonUp(CHfcControl*, int, int, int) override {
        calls.push_back("right up");
        return takeMouse;
    }
    bool OnHfcCtrlMouseMove(CHfcControl*, int x, int y, int) override {
        calls.push_back("move " + std::to_string(x) + "," + std::to_string(y));
        return false;
    }
    bool OnHfcCtrlMouseLostCapture(CHfcControl*) override {
        calls.push_back("lost capture");
        return false;
    }

    // The recorded calls without the mouse offers and moves, which most tables leave out.
    std::vector<std::string> Reports() const {
        std::vector<std::string> out;
        for (const std::string& call : calls) {
            if (call.rfind("offer", 0) != 0 && call.rfind("move", 0) != 0) out.push_back(call);
        }
        return out;
    }
};
