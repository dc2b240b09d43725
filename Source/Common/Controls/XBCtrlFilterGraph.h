#pragma once
// CXBCtrlFilterGraph: the magnitude response of the instrument's filter for the current cutoff and
// resonance, computed from the coefficient table, with a handle per filter stage that the user drags
// horizontally (cutoff) and vertically (resonance). Type 0 is a resonant four-pole low-pass with one
// handle; type 1 a two-pole low-pass followed by a two-pole high-pass, one handle each. Like the
// envelope graph it reports the wanted handle values to its listener and never changes them itself.
#include <cstdint>
#include <vector>

#include "Common/Controls/XBCtrlGraph.h"
#include "Hfc/Draw/HfcBmp.h"

struct tagFilterValue {
    int32_t index;      // handle number
    int32_t resonance;  // vertical, graph units
    int32_t cutoff;     // horizontal, graph units
};

struct tagXBCtrlFilterGraphParam {
    int32_t x = 0;  // graph origin in the layer
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
    CHfcBmp* back = nullptr;  // drawn from (backX - 2, backY - 2) over the control rectangle
    int32_t backX = 0;
    int32_t backY = 0;
    int32_t filterType = 0;  // 0 one handle, 1 two
    int32_t markSize = 0;
    CHfcBmp* markImage = nullptr;  // two label rows, height / 2 each
    int32_t minimum = 0;
    int32_t maximum = 0;
    uint32_t lineColour = 0;  // the curve
    uint32_t fillColour = 0;  // the area under the curve
    uint32_t unusedColour1 = 0;
    uint32_t unusedColour2 = 0;
    uint32_t pointFillColour = 0;
    uint32_t pointFrameColour = 0;
    int32_t unusedWord = 0;
    float scale = 1.0f;     // drag resolution
    int32_t keyAdjust = 0;  // the left and right arrows change the cutoff by 2 - this
};

class CXBCtrlFilterGraph : public CXBCtrlGraph {
public:
    static constexpr int kLabelRows = 2;
    static constexpr int kHandles = 2;
    // The response is drawn up to this frequency, sampled at the instrument's rate.
    static constexpr double kTopFrequency = 15625.0;
    static constexpr double kSampleRate = 31250.0;
    // Steps darker than this draw nothing.
    static constexpr double kFloorDb = -90.0;
    // A cutoff parameter 0..99 to a coefficient row (100 used, then four zeros): graphs at least 100
    // pixels wide, and narrower ones.
    static const int32_t sm_aiConvertCutoffRealWave[104];
    static const int32_t sm_aiConvertCutoffRoutingJumpWave[104];

    CXBCtrlFilterGraph() = default;
    ~CXBCtrlFilterGraph() override;

    // False for a null record, a size that leaves the handles no room, or a range whose maximum is
    // not above 0 and above the minimum (the handle positions divide by it).
    bool Create(const tagXBCtrlFilterGraphParam* param, int id, int subId);

    bool OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) override;
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
    // The handle under the position (control coordinates), the one drawn on top first; -2 none.
    virtual int GetPointNumberFromPosition(const tagHfcPoint* position) const;

    // 0: one handle, 1: two; other types keep the handles.
    void SetFilterType(int type, bool redraw);
    // Set a handle's resonance and cutoff (the index from the record, or given) and make it the top
    // handle; a bad index is ignored.
    void SetFilterValue(int index, const tagFilterValue* value, bool redraw);
    void SetFilterValue(const tagFilterValue* value, bool redraw);
    void SetFilterAllValue(const tagFilterValue* value, bool redraw);
    bool GetFilterValue(tagFilterValue* value, int index) const;
    void GetFilterAllValue(tagFilterValue* values) const;
    // The coefficient row of a cutoff parameter, taken within 0..99.
    int ConvertCutoffValue(int cutoff) const;

    int GetHandleCount() const { return m_iHandles; }
    int GetActivePoint() const { return m_iActive; }
    int GetFocusedPoint() const { return m_iFocused; }
    int GetTopPoint() const { return m_iTop; }
    // A handle's centre in graph coordinates (relative to the graph origin).
    tagHfcPoint GetPointPosition(int index) const;
    const tagXBCtrlFilterGraphParam& GetParam() const { return m_param; }

    // The response of one stage: kind 0 the resonant four-pole low-pass, 1 the two-pole low-pass,
    // 2 the two-pole high-pass, at coefficient row (taken within 0..99) and resonance in graph units
    // less 99 (negative: none); the gain in dB at frequency hz.
    static double ResponseDb(int row, int resonance, int kind, double hz);
    // Where a frequency and a gain stand in a graph of that width, relative to the control.
    static double CurveX(int width, double hz);
    static double CurveY(int width, double db);
    // The frequency of evaluation step n (0, 5, 10, ...).
    static double StepFrequency(int n);

    // One drawn step of a response curve, relative to the control's top-left corner: the line from
    // the pen (x0, y0) to the step's point (x1, y1), below which a 4-pixel column is filled down to
    // the graph's bottom; n is the step.
    struct CurveSegment {
        double x0, y0, x1, y1;
        int n;
    };
    // The drawn steps of one curve (coefficient row, resonance in graph units less 99, kind): a step
    // below -90 dB draws nothing and the next one drawn starts at its own point; the first audible
    // step only places the pen; later steps are drawn when their point lies inside the graph.
    std::vector<CurveSegment> CurveSegments(int row, int resonance, int kind) const;

private:
    void CalcPoints();
    void DrawRegion(CHfcDrawContext* context);
    // The filled columns of the curves: per pixel column of the control, the top of the fill and the
    // share of what lies below that the fill leaves (the columns of the steps composited one by one).
    struct CurveFill {
        std::vector<double> top;
        std::vector<float> keep;
    };
    void AddCurveFill(CurveFill* fill, const std::vector<CurveSegment>& segments, float alpha) const;
    // The curves are painted into the overlay, then composited over the graph in one copy.
    void PaintFill(const CurveFill& fill, uint32_t colour);
    // The curve's line: the rows each pixel column crosses, in the line colour at half its alpha (a
    // half-pixel pen), over what the overlay holds.
    void PaintLine(const std::vector<CurveSegment>& segments, uint32_t colour);
    void PaintOver(int x, int y, uint32_t colour);
    void DrawPoints(CHfcDrawContext* context);
    void Report(int index, int resonance, int cutoff);

    tagXBCtrlFilterGraphParam m_param{};
    tagFilterValue m_values[kHandles]{};
    tagHfcPoint m_points[kHandles]{};
    int m_iHandles = 1;
    int m_iActive = -2;
    int m_iFocused = -2;
    int m_iTop = 0;
    int m_aiRows[kHandles]{};
    // The handle as last reported (by the press, a move or a key).
    tagFilterValue m_reported{-2, 0, 0};
    CHfcBmp m_overlay;
    // The part of the overlay painted since it was last cleared.
    tagHfcRect m_painted{};
};
