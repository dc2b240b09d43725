#pragma once
// The dimming layer under a modal page (a pick list, the write or rename dialog): it darkens the
// window beneath it, holds the page's tab control, and asks to be closed when the user clicks beside
// that. Its owner, the window's root layer, looks at the close request on its idle tick.
#include "Common/Layers/QnLayerBase.h"

class CTabPageLayer;

class ModalLayer : public QnLayerBase {
public:
    static constexpr uint32_t kDimColour = 0x80000000;

    ModalLayer() = default;
    ~ModalLayer() override = default;

    void OnDrawBackground(CHfcOffscreenContext* context) override;
    // A press beside every control hides them and sets the close request. A press inside a control
    // that does not take it (disabled or hidden) is still the modal's: it goes no further down.
    bool PreMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;

    void SetCloseRequest(bool close) { m_bCloseRequest = close; }
    // The page running modal on this layer: once it ends (CTabPageLayer::EndModal) the layer asks to
    // be closed. The page must outlive the watch (the owner deletes both together).
    void WatchModalPage(CTabPageLayer* page) { m_pModalPage = page; }
    // Set by a click beside, by the owner, or by the end of the watched page.
    bool IsCloseRequested() const;

protected:
    bool m_bCloseRequest = false;
    CTabPageLayer* m_pModalPage = nullptr;
};
