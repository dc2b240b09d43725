#pragma once
// Drives a control through mouse gestures the way the window routes them: presses to the control
// under the pointer, moves and the release to the capture (the control itself once pressed).
#include <string>
#include <vector>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcInput.h"

enum class HfcGesture { Down, Double, Move, Up, RightDown, RightUp, Char, Key };

struct HfcStep {
    HfcGesture gesture;
    int x = 0;  // relative to the control; the character for Char and Key
    int y = 0;
    int modifiers = 0;
};

class HfcControlDriver {
public:
    HfcControlDriver() {
        CHfcMouse::Initialize(false);
        m_mouse = CHfcMouse::GetInstance();
    }
    ~HfcControlDriver() { CHfcMouse::Uninitialize(); }
    HfcControlDriver(const HfcControlDriver&) = delete;
    HfcControlDriver& operator=(const HfcControlDriver&) = delete;

    CHfcMouse* Mouse() { return m_mouse; }
    bool Captured(CHfcControl* control) const { return m_mouse->GetCapture() == control; }

    // Runs the steps in order and returns each handler's result.
    std::vector<bool> Run(CHfcControl* control, const std::vector<HfcStep>& steps) {
        std::vector<bool> results;
        for (const HfcStep& s : steps) results.push_back(Step(control, s));
        return results;
    }
    bool Step(CHfcControl* control, const HfcStep& s) {
        switch (s.gesture) {
            case HfcGesture::Down:
                return control->OnHfcMouseLButtonDown(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::Double:
                return control->OnHfcMouseLButtonDoubleClick(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::Move:
                return control->OnHfcMouseMove(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::Up:
                return control->OnHfcMouseLButtonUp(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::RightDown:
                return control->OnHfcMouseRButtonDown(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::RightUp:
                return control->OnHfcMouseRButtonUp(m_mouse, s.x, s.y, s.modifiers);
            case HfcGesture::Char:
                return control->OnKeyChar(s.x);
            case HfcGesture::Key:
                return control->OnKeyDown(s.x, 0, s.modifiers);
        }
        return false;
    }

private:
    CHfcMouse* m_mouse = nullptr;
};
