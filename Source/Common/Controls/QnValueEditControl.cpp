#include "Common/Controls/QnValueEditControl.h"

#include <algorithm>

#include "Common/Controls/ControlMath.h"
#include "Common/Controls/QnControlDrawing.h"
#include "Hfc/Core/HfcInput.h"

namespace {

constexpr int kEngineCapacity = 1024;
constexpr uint32_t kEngineCaret = 0xFFFFFFFF;

}  // namespace

QnValueEditControl::QnValueEditControl() : m_engine(new CHfcEditTextEngine(this, kEngineCapacity)) {}

QnValueEditControl::~QnValueEditControl() {
    delete m_engine;
}

void QnValueEditControl::SetIntValue(int value, bool redraw) {
    value = std::clamp(value, m_iMin, std::max(m_iMin, m_iMax));
    if (value == m_iValue) return;
    m_iValue = value;
    if (redraw) m_bDirty = true;
}

void QnValueEditControl::Report(int value) {
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlIntValueChanged(this, value);
}

bool QnValueEditControl::OnKeyDown(int character, int, int modifiers) {
    if (m_editing) {
        if (character < 32 || character == 127) m_engine->KeyDown(character, modifiers);
        return true;
    }
    if (QnHoldsCapture(CHfcMouse::GetInstance(), this)) return false;
    const int direction = ArrowKeyDirection(character);
    if (direction == 0) return false;
    const int64_t value = m_iValue + int64_t{direction} * KeyStep();
    const int clamped =
        static_cast<int>(std::clamp<int64_t>(value, m_iMin, std::max<int64_t>(m_iMin, m_iMax)));
    if (clamped != m_iValue) Report(clamped);
    return true;
}

bool QnValueEditControl::OnKeyRepeat(int character, int virtualKey, int modifiers) {
    return OnKeyDown(character, virtualKey, modifiers);
}

bool QnValueEditControl::OnKeyChar(int character) {
    if (!m_editing) return false;
    m_engine->Input(character);
    return true;
}

void QnValueEditControl::OnKeyLostFocus() {
    LeaveEdit();
}

void QnValueEditControl::OnIdle(int time) {
    if (m_editing) m_engine->Idle(static_cast<uint32_t>(time));
    CHfcControl::OnIdle(time);
}

void QnValueEditControl::OnHfcEditTextEngineNeedRedrawn(CHfcEditTextEngine*) {
    m_bDirty = true;
}

void QnValueEditControl::OnHfcEditTextEngineEsc(CHfcEditTextEngine*) {
    LeaveEdit();
}

void QnValueEditControl::LeaveEdit() {
    if (!m_editing) return;
    m_editing = false;
    SetFocus(-1);
    m_bDirty = true;
}

void QnValueEditControl::SendText(char* text) {
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlPtrValueChanged(this, text);
    LeaveEdit();
}

void QnValueEditControl::ApplyEngineFont() {
    m_engine->SetDrawParameters(m_font, m_selectionColour, kEngineCaret, m_charWidth, m_charHeight, 0);
    const bool proportional = m_proportional && m_fontInfo != nullptr;
    if (proportional) m_engine->SetProportionalFont(m_fontInfo, m_textColour);
    m_engine->SetProportional(proportional);
}

void QnValueEditControl::SetEditSelectionColor(uint32_t colour) {
    m_selectionColour = colour;
    ApplyEngineFont();
}
