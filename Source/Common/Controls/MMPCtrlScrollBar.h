#pragma once
// CMMPCtrlScrollBar: a scroll bar with a decrement switch at its start, an increment switch at its
// end, a thumb sized to the page, paging by presses on the track and auto-repeat while held. It
// reports the value it wants (OnHfcCtrlIntValueChanged); its owner sets the value it accepts.
#include <cstdint>

#include "Hfc/Core/HfcControl.h"

class CHfcBmp;

struct tagMMPCtrlScrollBarParam {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int backgroundX = 0;
    int backgroundY = 0;
    CHfcBmp* background = nullptr;
    // Four faces stacked: decrement, decrement pressed, increment, increment pressed.
    CHfcBmp* switchImage = nullptr;
    bool vertical = false;
    uint32_t thumbColour = 0;
    int reserved = 0;
    uint32_t trackColour = 0;
    int minimum = 0;  // also the starting value
    int maximum = 0;
    int pageSize = 1;
    int marginLeft = 0;
    int marginTop = 0;
    int marginRight = 0;
    int marginBottom = 0;
};

class CMMPCtrlScrollBar : public CHfcControl {
public:
    enum Mode {
        kModeNone = 0,
        kModeThumb = 1,
        kModeIncrement = 2,
        kModeDecrement = 3,
        kModePageDown = 4,
        kModePageUp = 5
    };
    // Areas along the axis (GetMouseDownArea), numbered like the modes they start.
    enum Area {
        kAreaThumb = 1,
        kAreaIncrement = 2,
        kAreaDecrement = 3,
        kAreaBeforeThumb = 4,
        kAreaAfterThumb = 5
    };
    static constexpr int kFirstRepeatMs = 500;
    static constexpr int kRepeatMs = 30;
    static constexpr int kMinThumb = 10;

    CMMPCtrlScrollBar();
    ~CMMPCtrlScrollBar() override;

    // False for a null record. Created enabled and shown.
    bool Create(const tagMMPCtrlScrollBarParam* param, int id, int listenerData);
    bool Destroy() override;

    // n <= 0 counts as 1.
    void SetPageSize(int n, bool redraw);
    int GetPageSize() const { return m_param.pageSize; }
    void SetMinIntValue(int value, bool redraw) override;
    void SetMaxIntValue(int value, bool redraw) override;
    // Clamped to the range; dirty only when it changed.
    void SetIntValue(int value, bool redraw) override;
    void RecalcStatus(bool redraw);

    int ValueToPosition(int value) const;
    int PositionToValue(int position) const;
    int GetMouseDownArea(int position) const;
    // Reports value (clamped) to the listener unless it equals the current value.
    bool ChangeValue(int value);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    void OnIdle(int elapsedMs) override;
    void Draw(CHfcDrawContext* context) override;

    int GetMode() const { return m_mode; }
    int GetSwitchLength() const { return m_switchLength; }
    int GetTrackLength() const { return m_trackLength; }
    int GetThickness() const { return m_thickness; }
    int GetThumbLength() const { return m_thumbLength; }
    int GetTravel() const { return m_travel; }
    int64_t GetRangeCount() const { return m_rangeCount; }
    // The thumb covers the whole track: nothing can scroll.
    bool ThumbFillsTrack() const { return m_travel <= 0; }

private:
    int Length() const;
    int LeadingMargin() const;
    int AlongAxis(int x, int y) const { return m_param.vertical ? y : x; }
    // The value plus delta, clamped to the range (no overflow at the ends of int).
    int Offset(int delta) const;
    void StopRepeat();

    tagMMPCtrlScrollBarParam m_param{};
    int m_switchLength = 0;
    int64_t m_rangeCount = 0;  // up to 2^32 for the whole int range
    int m_trackLength = 0;
    int m_thickness = 0;
    int m_thumbLength = 0;
    int m_travel = 0;
    int m_mode = kModeNone;
    int m_repeatTimer = 0;
    int m_lastPosition = 0;
    int m_thumbStart = 0;
};
