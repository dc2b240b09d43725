#pragma once
// The settings window: the model's controls drawn on three panes (audio output, MIDI, other) of a
// dialog window of our toolkit, with popups, sliders, a check box, texts and the OK, Cancel and
// Apply buttons. Clicks change the model's values and become its control hits. Its close box only
// hides it. Main thread only.
#include <cstdint>

#include "Hfc/Core/HfcDialogs.h"
#include "Host/Shell/SettingsModel.h"

// Where everything sits (window coordinates), shared with tests that click it.
struct SettingsLayout {
    static constexpr int kWidth = 500;
    static constexpr int kHeight = 330;
    static constexpr int kTabTop = 12;
    static constexpr int kTabHeight = 24;
    static constexpr int kTabLeft = 16;
    static constexpr int kTabWidth = 96;
    static constexpr int kRowTop = 56;
    static constexpr int kRowPitch = 38;
    static constexpr int kRowHeight = 22;
    static constexpr int kLabelLeft = 28;
    static constexpr int kControlLeft = 170;
    static constexpr int kControlWidth = 300;
    static constexpr int kSliderWidth = 190;
    static constexpr int kSliderThumb = 10;

    // Left of tab n (1-based).
    static constexpr int TabLeft(int n) { return kTabLeft + (n - 1) * kTabWidth; }
    static constexpr int RowTop(int row) { return kRowTop + row * kRowPitch; }
    // The x of a slider position within its range (the thumb's centre).
    static int SliderX(int value, int minimum, int maximum);
};

// Which control a pane's row holds.
struct SettingsRow {
    uint32_t signature;
    int index;
    const char* label;
};

class CSettingsWindow final : public CHfcDialogWindow {
public:
    // Button results.
    enum : int { kOK = 1, kCancel = 2, kApply = 3 };
    // The pane rows: audio, MIDI, other.
    static const SettingsRow kRows[3][5];

    CSettingsWindow(CSettingsModel* model, ISettingsHost* host);
    ~CSettingsWindow() override;
    // Opens over the window (null: the screen); false when no window can be made.
    bool Open(CHfcWindow* over);
    // Draws the model again.
    void Refresh() { Redraw(); }

    // Where a row's control of the shown pane is, and its row (-1 none) for a signature.
    static tagHfcRect ControlRect(int row, uint32_t signature);
    static int RowOf(int pane, uint32_t signature, int index);

    void OnPlatformEvent(const HfcPlatformEvent& event) override;

protected:
    void DrawContent(CHfcOffscreenContext* ctx) override;
    void OnButton(const Button& button) override;
    bool OnKey(const HfcPlatformEvent& event) override;
    void OnPointerDown(const HfcPlatformEvent& event) override;
    void OnPointerUp(const HfcPlatformEvent& event) override;
    int CancelResult() const override { return kCancel; }

private:
    SettingsPopup* PopupOf(uint32_t signature, int index);
    SettingsSlider* SliderOf(uint32_t signature);
    void TrackPopup(const SettingsRow& row, const tagHfcRect& rect);
    void DragSlider(const SettingsRow& row, int x);
    void DrawPopup(CHfcOffscreenContext* ctx, const tagHfcRect& r, const SettingsPopup& popup);
    void DrawSlider(CHfcOffscreenContext* ctx, const tagHfcRect& r, const SettingsSlider& slider);

    CSettingsModel* m_model;
    ISettingsHost* m_host;
    int m_dragRow = -1;  // the slider row being dragged
};
