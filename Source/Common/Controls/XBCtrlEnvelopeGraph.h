#pragma once
// CXBCtrlEnvelopeGraph: an envelope drawn as a chain of points joined by lines, the area between the
// curve and a baseline filled. Each point has a level (vertical) and a time (horizontal, how far right
// of its predecessor it stands) in the graph's own units. The user drags a point to change both at
// once, or steps the point set by SetActivePoint with the arrow keys. The graph never changes its
// points itself: it reports the wanted point to its listener as a tagEnvelopeValue, and the page
// converts, writes the parameters and sets the point back.
#include <cstdint>
#include <vector>

#include "Common/Controls/XBCtrlGraph.h"

class CHfcBmp;

struct tagEnvelopeValue {
    int32_t index;  // point number from 0
    int32_t level;
    int32_t time;
};

struct tagXBCtrlEnvelopeGraphParam {
    int32_t x = 0;  // graph origin in the layer
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    CHfcBmp* back = nullptr;  // drawn from (backX - 2, backY - 2) over the control rectangle
    int32_t backX = 0;
    int32_t backY = 0;
    int32_t pointCount = 0;
    int32_t markSize = 0;          // side of a handle
    CHfcBmp* markImage = nullptr;  // one label row per point, height / 6 each
    int32_t minimum = 0;
    int32_t maximum = 0;
    uint32_t lineColour = 0;
    uint32_t zoneColour = 0;
    uint32_t unusedColour1 = 0;
    uint32_t unusedColour2 = 0;
    uint32_t pointFillColour = 0;
    uint32_t pointFrameColour = 0;
    float unusedFloat = 0.0f;
    float scale = 1.0f;                          // value units are the accumulated drag x scale
    int32_t keyTimeAdjust = 0;                   // the left and right arrows change the time by 2 - this
    int32_t zoneBaseline = 0;                    // 0 bottom (unipolar), 1 middle (bipolar), other: top
    const unsigned char* handleFlags = nullptr;  // per point: non-zero = a draggable handle
};

class CXBCtrlEnvelopeGraph : public CXBCtrlGraph {
public:
    // Rows of the label image (whatever the point count).
    static constexpr int kLabelRows = 6;

    CXBCtrlEnvelopeGraph() = default;
    ~CXBCtrlEnvelopeGraph() override;

    // False for a null record, a size or point count that leaves no room, or a range whose maximum
    // is not above 0 and above the minimum (the point positions divide by it).
    bool Create(const tagXBCtrlEnvelopeGraphParam* param, int id, int subId);

    using CHfcControl::OnHfcMouseLButtonDown;
    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonDoubleClick(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLButtonUp(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) override;
    bool OnHfcMouseLostCapture(CHfcMouse* mouse) override;
    bool Destroy() override;
    void Draw(CHfcDrawContext* context) override;
    void DrawFocus(CHfcDrawContext* context) override;
    void Erase(CHfcDrawContext* context) override;
    void SetPtrValue(void* value, bool redraw) override;
    bool OnKeyDown(int ch, int vkey, int modifiers) override;
    bool OnKeyRepeat(int ch, int vkey, int modifiers) override;

    // Set the level and time of the point the value names (or of index); a bad index is ignored.
    void SetEnvelopeValue(const tagEnvelopeValue* value, bool redraw);
    void SetEnvelopeValue(int index, const tagEnvelopeValue* value, bool redraw);
    // Every point gets value's level and time.
    void SetEnvelopeAllValue(const tagEnvelopeValue* value, bool redraw);
    bool GetEnvelopeValue(tagEnvelopeValue* value, int index) const;
    // Copies every point out (the caller gives point-count entries).
    void GetEnvelopeAllValue(tagEnvelopeValue* values) const;
    // index -1 or a point; ignored otherwise. With focus (and a graph that takes focus) the graph
    // takes the key focus. Active, focused and pressed point become index; the listener hears
    // OnHfcCtrlMouseLostCapture.
    void SetActivePoint(int index, bool focus);
    // The handle under the position (graph control coordinates), the highest index first; -2 none.
    int GetPointNumberFromPosition(const tagHfcPoint* position) const;

    int GetPointCount() const { return m_param.pointCount; }
    int GetActivePoint() const { return m_iActive; }
    int GetFocusedPoint() const { return m_iFocused; }
    // The point's position in graph coordinates (relative to the graph origin).
    tagHfcPoint GetPointPosition(int index) const;
    // Levels that stand for signed parameter values (the bipolar look).
    bool IsSignedLevel() const { return m_param.zoneBaseline == 1; }
    const tagXBCtrlEnvelopeGraphParam& GetParam() const { return m_param; }
    // The point share of the width: (width - mark size) / (point count - 1).
    int GetTimeShare() const;

private:
    void CalcPoints();
    bool HasHandle(int index) const;
    void DrawValueRange(CHfcDrawContext* context);
    void DrawZone(CHfcDrawContext* context);
    void DrawLines(CHfcDrawContext* context);
    void DrawPoints(CHfcDrawContext* context);
    void Report(int index, int level, int time);

    tagXBCtrlEnvelopeGraphParam m_param{};
    std::vector<unsigned char> m_handles;
    std::vector<tagEnvelopeValue> m_values;
    std::vector<tagHfcPoint> m_points;
    int m_iActive = -2;
    int m_iFocused = -2;
    int m_iPressed = -2;
    // The point as last reported (by the press, a move or a key).
    tagEnvelopeValue m_reported{-2, 0, 0};
};
