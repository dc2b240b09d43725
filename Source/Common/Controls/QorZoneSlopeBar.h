#pragma once
// QorZoneSlopeBar: a key or velocity zone shown as a horizontal bar over the value range: the zone
// itself (bottom to top), the slope range around it (lower to upper slope end) and needles, thin
// markers of single values that the page switches on and off. The user drags the zone ends and the
// slope ends; the bar reports which end moved and to which value, unclamped and unordered, and the
// page keeps the ends consistent and sets them back. No keyboard handling.
#include <cstdint>
#include <vector>

#include "Hfc/Core/HfcControl.h"
#include "Hfc/Core/HfcTextEngine.h"

class CHfcBmp;

struct tagJxCtrlZoneSlopeBarParam {
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;   // 0: the back image's
    int32_t height = 0;  // 0: the back image's
    int32_t backX = 0;   // source of the back image (also where it is drawn, from the control's corner)
    int32_t backY = 0;
    CHfcBmp* back = nullptr;
    int32_t barX = 0;  // the bar inside the control
    int32_t barY = 0;
    int32_t barWidth = 0;   // 0: the zone image's
    int32_t barHeight = 0;  // 0: the zone image's
    CHfcBmp* zoneImage = nullptr;
    CHfcBmp* slopeImage = nullptr;
    uint32_t needleColourInZone = 0;
    uint32_t needleColourOutside = 0;
    int32_t minimum = 0;
    int32_t maximum = 0;
    float scale = 1.0f;  // drag resolution
};

// SetPtrValue's record: a SetParameter kind and its value.
struct tagZoneSlopeBarValue {
    int32_t kind;
    int32_t value;
};

// What the bar reports: which end (0 zone min, 1 zone max, 2 slope min, 3 slope max) and the value.
struct tagZoneSlopeBarChange {
    int32_t end;
    int32_t value;
};

class QorZoneSlopeBar : public CHfcControl, public CHfcEditTextEngineListener {
public:
    enum : int {
        kZoneMin = 0,
        kZoneMax = 1,
        kSlopeMin = 2,
        kSlopeMax = 3,
        kNeedleOn = 4,
        kNeedleOff = 5,
        kClearAllNeedles = 6,
    };
    // Drag modes: none, then the end being dragged (end + 1).
    enum : int { kDragNone = 0, kDragZoneMin = 1, kDragZoneMax = 2, kDragSlopeMin = 3, kDragSlopeMax = 4 };
    // Fading of the slope image over the zone.
    static constexpr float kSlopeAlpha = 0.7f;
    // The most values one bar spans (a needle each).
    static constexpr int64_t kMaxValues = 65536;

    QorZoneSlopeBar() = default;
    ~QorZoneSlopeBar() override;

    // False for a null record, a missing back or zone image, an empty or inverted range (or one of
    // more than kMaxValues values), or a bar without width.
    bool Create(const tagJxCtrlZoneSlopeBarParam* param, int id, int subId);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void SetPtrValue(void* value, bool redraw) override;

    using CHfcControl::SetParameter;
    // kind 0-6 as the enumeration; other kinds do nothing.
    void SetParameter(int kind, int value, bool redraw);
    // Clamped to the range; no order between the four ends.
    void SetParamZoneMin(int value, bool redraw);
    void SetParamZoneMax(int value, bool redraw);
    void SetParamSlopeMin(int value, bool redraw);
    void SetParamSlopeMax(int value, bool redraw);
    // For a value in the range: the needle shown (1) or explicitly off (-1).
    void SetParamNeedleOn(int value, bool redraw);
    void SetParamNeedleOff(int value, bool redraw);
    void SetParamClearAllNeedles(int value, bool redraw);

    int GetNumValues() const;
    // The value under x (control coordinates), clamped to the range.
    int GetValueOnTheBar(int x) const;
    bool IsBarArea(int x, int y) const;

    int GetZoneMin() const { return m_iZoneMin; }
    int GetZoneMax() const { return m_iZoneMax; }
    int GetSlopeMin() const { return m_iSlopeMin; }
    int GetSlopeMax() const { return m_iSlopeMax; }
    int GetNeedle(int value) const;
    int GetDragMode() const { return m_iDragMode; }
    // The pixel of a value from the bar's left edge: its position less the minimum's.
    int PixelOf(int value) const;
    // Pixels per value.
    float UnitWidth() const;
    int GetBarX() const { return m_iBarX; }
    int GetBarY() const { return m_iBarY; }
    int GetBarWidth() const { return m_iBarWidth; }
    int GetBarHeight() const { return m_iBarHeight; }

private:
    bool OnMouseLButtonDownOnTheBar(CHfcMouse* mouse, int x, int y, int modifiers);
    void SetEnd(int* end, int value, bool redraw);
    void DrawRange(CHfcDrawContext* context, CHfcBmp* image, int from, int to, float factor);
    void DrawNeedles(CHfcDrawContext* context);
    void Report(int end, int value);

    CHfcBmp* m_pBack = nullptr;
    int m_iBackX = 0;
    int m_iBackY = 0;
    int m_iBarX = 0;
    int m_iBarY = 0;
    int m_iBarWidth = 0;
    int m_iBarHeight = 0;
    CHfcBmp* m_pZone = nullptr;
    CHfcBmp* m_pSlope = nullptr;
    uint32_t m_uNeedleInZone = 0;
    uint32_t m_uNeedleOutside = 0;
    float m_fScale = 1.0f;
    int m_iZoneMin = 0;
    int m_iZoneMax = 0;
    int m_iSlopeMin = 0;
    int m_iSlopeMax = 0;
    std::vector<int32_t> m_needles;
    int m_iDragMode = kDragNone;
    int m_iLastX = 0;
    int m_iLastValue = 0;
    float m_fAccumulator = 0.0f;
    uint32_t m_uLastPressTime = 0;
};
