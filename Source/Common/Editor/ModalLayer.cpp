#include "Common/Editor/ModalLayer.h"

#include "Common/Layers/TabControl.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {
bool Inside(const tagHfcRect& r, int x, int y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
}  // namespace

void ModalLayer::OnDrawBackground(CHfcOffscreenContext* context) {
    context->SetBrushColor(kDimColour);
    context->FillRect(0, 0, GetWidth(), GetHeight());
}

bool ModalLayer::PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    // The controls answer first; whatever they leave (their own disabled or hidden parts too) ends
    // here and never reaches the window beneath.
    QnLayerBase::PreMouseLButtonDown(mouse, x, y, modifiers);
    return true;
}

bool ModalLayer::OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int) {
    for (int i = 0; i < GetNumControls(); ++i) {
        if (Inside(GetControl(i)->GetRect(), x, y)) return true;
    }
    for (int i = 0; i < GetNumControls(); ++i) GetControl(i)->Hide(true);
    m_bCloseRequest = true;
    return true;
}

bool ModalLayer::OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) {
    return OnHfcMouseLButtonDown(mouse, x, y, modifiers);
}

bool ModalLayer::IsCloseRequested() const {
    return m_bCloseRequest || (m_pModalPage != nullptr && !m_pModalPage->IsModal());
}
