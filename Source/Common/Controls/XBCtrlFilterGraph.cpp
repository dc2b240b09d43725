#include "Common/Controls/XBCtrlFilterGraph.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "Common/Controls/FilterGraphTables.h"
#include "Hfc/Core/HfcInput.h"
#include "Hfc/Draw/HfcDrawContext.h"

namespace {

constexpr double kPi = 3.14159265358979323846;

}  // namespace

CXBCtrlFilterGraph::~CXBCtrlFilterGraph() {
    if (m_bCreated) CXBCtrlFilterGraph::Destroy();
}

bool CXBCtrlFilterGraph::Create(const tagXBCtrlFilterGraphParam* param, int id, int subId) {
    if (param == nullptr || param->width <= 0 || param->height <= 0) return false;
    // The handle positions divide by the maximum, the drag steps by the room the handles have.
    if (param->maximum <= 0 || param->maximum <= param->minimum) return false;
    if (param->width - param->markSize <= 0 || param->height - param->markSize <= 0) return false;
    if (m_bCreated) Destroy();
    m_param = *param;
    CreateBox(param->x, param->y, param->width, param->height, id, subId);
    SetMinIntValue(param->minimum, false);
    SetMaxIntValue(param->maximum, false);
    m_iHandles = param->filterType == 1 ? 2 : 1;
    for (int i = 0; i < kHandles; ++i) {
        m_values[i] = tagFilterValue{i, 0, 0};
        m_points[i] = tagHfcPoint{0, 0};
        m_aiRows[i] = 0;
    }
    m_iActive = m_iFocused = -2;
    m_iTop = 0;
    m_bVisible = true;
    m_bEnabled = true;
    m_bDirty = true;
    return true;
}

bool CXBCtrlFilterGraph::Destroy() {
    m_param = tagXBCtrlFilterGraphParam{};
    m_iHandles = 1;
    m_iActive = m_iFocused = -2;
    for (int i = 0; i < kHandles; ++i) {
        m_values[i] = tagFilterValue{i, 0, 0};
        m_points[i] = tagHfcPoint{0, 0};
    }
    return CHfcControl::Destroy();
}

// A value outside 0..maximum is placed at the nearer end, so that no handle leaves the graph.
void CXBCtrlFilterGraph::CalcPoints() {
    const int64_t s = m_param.markSize, max = m_param.maximum;
    if (max <= 0) return;
    const int64_t w = m_param.width - s, h = m_param.height - s;
    for (int i = 0; i < kHandles; ++i) {
        const int64_t cutoff = std::clamp<int64_t>(m_values[i].cutoff, 0, max);
        const int64_t resonance = std::clamp<int64_t>(m_values[i].resonance, 0, max);
        m_points[i] = {static_cast<int>(s / 2 + w * cutoff / max),
                       static_cast<int>(s / 2 + h - h * resonance / max)};
    }
}

tagHfcPoint CXBCtrlFilterGraph::GetPointPosition(int index) const {
    return index >= 0 && index < kHandles ? m_points[index] : tagHfcPoint{0, 0};
}

int CXBCtrlFilterGraph::ConvertCutoffValue(int cutoff) const {
    // The tables hold 100 rows; a cutoff outside 0..99 takes the nearer end.
    const int index = std::clamp(cutoff, 0, 99);
    return m_param.width >= 100 ? sm_aiConvertCutoffRealWave[index]
                                : sm_aiConvertCutoffRoutingJumpWave[index];
}

int CXBCtrlFilterGraph::GetPointNumberFromPosition(const tagHfcPoint* position) const {
    if (position == nullptr) return -2;
    for (int k = 0; k < m_iHandles; ++k) {
        // The handle drawn on top is hit first.
        const int i = m_iTop != 0 ? m_iHandles - 1 - k : k;
        if (InsideHandle(position->x, position->y, m_points[i].x + 2, m_points[i].y + 2, m_param.markSize,
                         10))
            return i;
    }
    return -2;
}

void CXBCtrlFilterGraph::Report(int index, int resonance, int cutoff) {
    m_reported = tagFilterValue{index, resonance, cutoff};
    if (m_pListener == nullptr) return;
    tagFilterValue value = m_reported;
    m_pListener->OnHfcCtrlPtrValueChanged(this, &value);
}

bool CXBCtrlFilterGraph::OnHfcMouseLButtonDown(CHfcMouse* mouse, int x, int y, int modifiers) {
    m_iFocused = -2;
    if (OfferPress(x, y, modifiers)) return true;
    const tagHfcPoint position{x, y};
    const int hit = GetPointNumberFromPosition(&position);
    if (hit < 0) return false;
    m_iActive = hit;
    tagFilterValue value = m_values[hit];
    m_reported = value;
    BeginHandleDrag(mouse, &value);
    StartDragValues(x, y, value.cutoff, value.resonance, m_param.scale, m_param.minimum, m_param.maximum,
                    m_param.markSize);
    return true;
}

bool CXBCtrlFilterGraph::OnHfcMouseLButtonUp(CHfcMouse* mouse, int, int, int) {
    if (!HoldsCapture(mouse)) return false;
    mouse->ReleaseCapture();
    return true;
}

bool CXBCtrlFilterGraph::OnHfcMouseMove(CHfcMouse* mouse, int x, int y, int modifiers) {
    if (!HoldsCapture(mouse) || m_iActive < 0 || m_iActive >= kHandles) {
        return m_pListener != nullptr && m_pListener->OnHfcCtrlMouseMove(this, x, y, modifiers);
    }
    const int s = m_param.markSize, min = m_param.minimum, max = m_param.maximum;
    const float scale = m_param.scale;
    const float dx = static_cast<float>(x - DragLastX()) * scale,
                dy = static_cast<float>(y - DragLastY()) * scale;
    float r = GetMouseDeltaRatio();
    float cutoffStep, resonanceStep;
    if ((modifiers & 1) != 0) {
        cutoffStep = dx * 0.5f;
        resonanceStep = dy * 0.5f;
        r = 1.0f;
    } else {
        const float span = static_cast<float>(static_cast<int64_t>(max) - min + 1);
        cutoffStep = dx * span / static_cast<float>(m_param.width - s);
        resonanceStep = dy * span / static_cast<float>(m_param.height - s);
    }
    // The cutoff follows the pointer as it is; only the resonance is slowed by the pause.
    int cutoff = 0, resonance = 0;
    if (DragValues(x, y, cutoffStep, resonanceStep * r, &cutoff, &resonance))
        Report(m_iActive, resonance, cutoff);
    return true;
}

bool CXBCtrlFilterGraph::OnHfcMouseLostCapture(CHfcMouse*) {
    const int active = m_iActive;
    tagFilterValue value{};
    const bool valid = active >= 0 && active < kHandles;
    // What the drag asked for last (see the envelope graph): not a value the page has yet to set back.
    if (valid) value = m_reported.index == active ? m_reported : m_values[active];
    EndHandleDrag(valid ? &value : nullptr);
    // The handle just dragged is the one the arrow keys step next.
    if (valid) m_iFocused = active;
    m_iActive = -2;
    if (m_pListener != nullptr) m_pListener->OnHfcCtrlMouseLostCapture(this);
    return true;
}

bool CXBCtrlFilterGraph::OnKeyDown(int ch, int, int) {
    if (m_iFocused < 0 || m_iFocused >= m_iHandles) return false;
    if (HoldsCapture(CHfcMouse::GetInstance())) return false;
    const tagFilterValue& handle = m_values[m_iFocused];
    int cutoff = handle.cutoff, resonance = handle.resonance;
    if (!ArrowStep(ch, m_param.keyAdjust, m_param.minimum, m_param.maximum, &cutoff, &resonance))
        return false;
    if (cutoff != handle.cutoff || resonance != handle.resonance) {
        Report(m_iFocused, resonance, cutoff);
        RememberDragValues(cutoff, resonance);
    }
    return true;
}

bool CXBCtrlFilterGraph::OnKeyRepeat(int ch, int vkey, int modifiers) {
    return OnKeyDown(ch, vkey, modifiers);
}

void CXBCtrlFilterGraph::SetFilterType(int type, bool redraw) {
    if (type != 0 && type != 1) return;
    m_iHandles = type + 1;
    // A handle that is gone can be neither dragged nor stepped.
    if (m_iActive >= m_iHandles) m_iActive = -2;
    if (m_iFocused >= m_iHandles) m_iFocused = -2;
    if (redraw) m_bDirty = true;
}

void CXBCtrlFilterGraph::SetPtrValue(void* value, bool redraw) {
    SetFilterValue(static_cast<const tagFilterValue*>(value), redraw);
}

void CXBCtrlFilterGraph::SetFilterValue(const tagFilterValue* value, bool redraw) {
    if (value != nullptr) SetFilterValue(value->index, value, redraw);
}

void CXBCtrlFilterGraph::SetFilterValue(int index, const tagFilterValue* value, bool redraw) {
    if (value == nullptr || index < 0 || index >= m_iHandles) return;
    m_values[index].resonance = value->resonance;
    m_values[index].cutoff = value->cutoff;
    CalcPoints();
    m_iTop = index;
    if (redraw) m_bDirty = true;
}

void CXBCtrlFilterGraph::SetFilterAllValue(const tagFilterValue* value, bool redraw) {
    if (value == nullptr) return;
    for (tagFilterValue& v : m_values) {
        v.resonance = value->resonance;
        v.cutoff = value->cutoff;
    }
    CalcPoints();
    if (redraw) m_bDirty = true;
}

bool CXBCtrlFilterGraph::GetFilterValue(tagFilterValue* value, int index) const {
    if (value == nullptr || index < 0 || index >= m_iHandles) return false;
    *value = m_values[index];
    return true;
}

void CXBCtrlFilterGraph::GetFilterAllValue(tagFilterValue* values) const {
    if (values != nullptr) std::copy_n(m_values, m_iHandles, values);
}

double CXBCtrlFilterGraph::StepFrequency(int n) {
    return 440.0 * std::pow(2.0, static_cast<double>(n - 690) / 120.0);
}

double CXBCtrlFilterGraph::CurveX(int width, double hz) {
    return width > 100 ? 50.0 * std::log10(hz) - 49.0 : 40.0 * std::log10(hz) - 40.0;
}

double CXBCtrlFilterGraph::CurveY(int width, double db) {
    return width > 100 ? 39.5 - 1.6 * db : 33.5 - 1.2 * db;
}

namespace {

// The stage's coefficients: pole d, feedback c, amount k.
struct Stage {
    double d, c, k;
};

Stage StageOf(int row, int resonance) {
    const float* coefficients = FilterCoefTBLHighPassWave[std::clamp(row, 0, 99)];
    if (resonance < 0) return {coefficients[0], 0.0, 0.0};
    return {coefficients[1], coefficients[2], std::min(resonance, 99) * 3.9 / 99.0};
}

// |H|^2 at z = e^(-jw) = cw - j sw, in real arithmetic.
double PowerGain(const Stage& s, int kind, double cw, double sw) {
    const double d = s.d;
    // |1 - d z|^2
    const double pole = 1.0 - 2.0 * d * cw + d * d;
    switch (kind) {
        case 1:
            return std::pow(1.0 - d, 4.0) / (pole * pole);
        case 2: {
            const double zero = 2.0 - 2.0 * cw;  // |1 - z|^2
            return std::pow(1.0 + d, 4.0) * zero * zero / (16.0 * pole * pole);
        }
        default: {
            const double c = s.c, k = s.k, g = std::pow(1.0 - d, 4.0);
            const double a[6] = {1.0,
                                 -(c + 4.0 * d + k * g * c),
                                 4.0 * d * c + 6.0 * d * d + k * g,
                                 -(6.0 * c * d * d + 4.0 * d * d * d),
                                 4.0 * c * d * d * d + d * d * d * d,
                                 -c * d * d * d * d};
            // The denominator by Horner's rule: a0 + z (a1 + z (a2 + ...)).
            double re = a[5], im = 0.0;
            for (int i = 4; i >= 0; --i) {
                const double r = re * cw + im * sw, m = im * cw - re * sw;
                re = r + a[i];
                im = m;
            }
            // |g (1 - c z)|^2
            const double numerator = g * g * (1.0 - 2.0 * c * cw + c * c);
            return numerator / (re * re + im * im);
        }
    }
}

// The evaluation steps n = 0, 5, 10, ... up to the top frequency: frequency, its logarithm and the
// angle's cosine and sine, the same for every graph.
struct Step {
    int n;
    double hz, log10Hz, cw, sw;
};

const std::vector<Step>& Steps() {
    static const std::vector<Step> steps = [] {
        std::vector<Step> out;
        for (int n = 0;; n += 5) {
            const double hz = CXBCtrlFilterGraph::StepFrequency(n);
            if (hz > CXBCtrlFilterGraph::kTopFrequency) break;
            const double w = 2.0 * kPi * hz / CXBCtrlFilterGraph::kSampleRate;
            out.push_back(Step{n, hz, std::log10(hz), std::cos(w), std::sin(w)});
        }
        return out;
    }();
    return steps;
}

}  // namespace

double CXBCtrlFilterGraph::ResponseDb(int row, int resonance, int kind, double hz) {
    const double w = 2.0 * kPi * hz / kSampleRate;
    return 10.0 * std::log10(PowerGain(StageOf(row, resonance), kind, std::cos(w), std::sin(w)));
}

void CXBCtrlFilterGraph::Draw(CHfcDrawContext* context) {
    if (!m_bVisible || context == nullptr) return;
    DrawBack(context, m_param.back, m_param.backX, m_param.backY);
    DrawRegion(context);
    m_aiRows[0] = ConvertCutoffValue(m_values[0].cutoff / 2);
    m_aiRows[1] = ConvertCutoffValue(m_values[1].cutoff / 2);
    // Resonance in graph units less 99; below 0 the curve has none.
    auto resonance = [](int value) {
        return static_cast<int>(std::clamp<int64_t>(int64_t{value} - 99, -1, 99));
    };
    std::vector<CurveSegment> curves[kHandles];
    if (m_iHandles == 1) {
        curves[0] = CurveSegments(m_aiRows[0], resonance(m_values[0].resonance), 0);
    } else {
        curves[0] = CurveSegments(m_aiRows[0], resonance(m_values[0].resonance), 1);
        curves[1] = CurveSegments(m_aiRows[1], resonance(m_values[1].resonance), 2);
    }
    const uint32_t fill = Shown(m_param.fillColour), line = Shown(m_param.lineColour);
    const int width = m_rect.right - m_rect.left, height = m_rect.bottom - m_rect.top;
    if (m_overlay.GetWidth() != width || m_overlay.GetHeight() != height) m_overlay.Create(width, height);
    m_painted = tagHfcRect{width, height, 0, 0};
    if ((fill >> 24) != 0) {
        CurveFill columns;
        for (const auto& curve : curves)
            AddCurveFill(&columns, curve, static_cast<float>(fill >> 24) / 255.0f);
        PaintFill(columns, fill);
    }
    if ((line >> 24) != 0)
        for (const auto& curve : curves) PaintLine(curve, line);
    if (m_painted.right > m_painted.left) {
        const tagHfcRect& p = m_painted;
        context->CopyBmpAlpha(m_rect.left + p.left, m_rect.top + p.top, p.right - p.left, p.bottom - p.top,
                              &m_overlay, 1.0f, p.left, p.top);
        // Cleared for the next drawing.
        for (int y = p.top; y < p.bottom; ++y)
            std::fill_n(m_overlay.MutablePixels() + (static_cast<size_t>(y) * width + p.left) * 4,
                        static_cast<size_t>(p.right - p.left) * 4, uint8_t{0});
    }
    DrawPoints(context);
}

void CXBCtrlFilterGraph::DrawRegion(CHfcDrawContext* context) {
    if (m_iActive < 0) return;
    const int gx = m_rect.left + 2, gy = m_rect.top + 2, s = m_param.markSize;
    context->SetBrushColor(kRangeColour);
    if (m_iHandles == 1)
        context->FillRect(gx - 1, gy - 1, m_param.width - 2, m_param.height / 2);
    else
        context->FillRect(gx - 1, gy + m_param.height / 2 - s, m_param.width - 2, 2 * s);
}

// The response sampled every 1/24 octave from about 8.24 Hz, placed relative to the control's
// top-left corner.
std::vector<CXBCtrlFilterGraph::CurveSegment> CXBCtrlFilterGraph::CurveSegments(int row, int resonance,
                                                                                int kind) const {
    std::vector<CurveSegment> out;
    const int width = m_param.width, height = m_param.height;
    double penX = 0.0, penY = 0.0;
    bool started = false, gap = false;
    const Stage stage = StageOf(row, resonance);
    const bool wide = width > 100;
    for (const Step& step : Steps()) {
        const int n = step.n;
        if (n >= width * 10) break;
        const double db = 10.0 * std::log10(PowerGain(stage, kind, step.cw, step.sw));
        const double x = wide ? 50.0 * step.log10Hz - 49.0 : 40.0 * step.log10Hz - 40.0;
        const double y = CurveY(width, db);
        if (n == 0) {
            penX = x + 4.0;
            penY = y;
        }
        if (!(db >= kFloorDb)) {
            gap = true;
            continue;
        }
        if (!started) {
            started = true;
            if (y < height && y > 2.0 && x >= 30.0 && x < width + 50) {
                penX = x;
                penY = y;
            }
            continue;
        }
        if (!(y > 2.0 && y < height + 1 && x > 2.0 && x < width - 1)) continue;
        if (gap) {
            penX = x;
            penY = y;
            gap = false;
        }
        out.push_back(CurveSegment{penX, penY, x, y, n});
        penX = x;
        penY = y;
    }
    return out;
}

// Each step fills the column [x - 1.5, x + 2.5) from y + 0.5 down (a 4-pixel pen through pixel
// centres); compositing one colour several times over is one composite at 1 - the product of what
// each leaves, so a pixel column is filled once.
void CXBCtrlFilterGraph::AddCurveFill(CurveFill* fill, const std::vector<CurveSegment>& segments,
                                      float alpha) const {
    const int columns = m_rect.right - m_rect.left;
    if (fill->top.empty()) {
        fill->top.assign(static_cast<size_t>(columns), std::numeric_limits<double>::infinity());
        fill->keep.assign(static_cast<size_t>(columns), 1.0f);
    }
    for (const CurveSegment& s : segments) {
        const double from = s.x1 - 1.5, to = s.x1 + 2.5;
        for (int c = std::max(0, static_cast<int>(std::floor(from))); c < columns && c < to; ++c) {
            const double cover = std::min<double>(c + 1, to) - std::max<double>(c, from);
            if (cover <= 0.0) continue;
            fill->keep[static_cast<size_t>(c)] *= 1.0f - alpha * static_cast<float>(cover);
            fill->top[static_cast<size_t>(c)] = std::min(fill->top[static_cast<size_t>(c)], s.y1 + 0.5);
        }
    }
}

void CXBCtrlFilterGraph::PaintOver(int x, int y, uint32_t colour) {
    // Non-premultiplied "over": the colour on top of what the pixel holds.
    uint8_t* p = m_overlay.MutablePixels() + (static_cast<size_t>(y) * m_overlay.GetWidth() + x) * 4;
    m_painted.left = std::min<int>(m_painted.left, x);
    m_painted.top = std::min<int>(m_painted.top, y);
    m_painted.right = std::max<int>(m_painted.right, x + 1);
    m_painted.bottom = std::max<int>(m_painted.bottom, y + 1);
    if (p[3] == 0) {
        p[0] = static_cast<uint8_t>(colour);
        p[1] = static_cast<uint8_t>(colour >> 8);
        p[2] = static_cast<uint8_t>(colour >> 16);
        p[3] = static_cast<uint8_t>(colour >> 24);
        return;
    }
    const float ta = static_cast<float>(colour >> 24) / 255.0f, ba = static_cast<float>(p[3]) / 255.0f;
    const float a = ta + ba * (1.0f - ta);
    if (a <= 0.0f) return;
    const float top[3] = {static_cast<float>(colour & 0xFF), static_cast<float>((colour >> 8) & 0xFF),
                          static_cast<float>((colour >> 16) & 0xFF)};
    for (int i = 0; i < 3; ++i)
        p[i] = static_cast<uint8_t>((top[i] * ta + static_cast<float>(p[i]) * ba * (1.0f - ta)) / a + 0.5f);
    p[3] = static_cast<uint8_t>(a * 255.0f + 0.5f);
}

void CXBCtrlFilterGraph::PaintFill(const CurveFill& fill, uint32_t colour) {
    const int bottom = std::min(m_param.height + 1, m_overlay.GetHeight() - 1);
    for (size_t c = 0; c < fill.keep.size(); ++c) {
        const int alpha = std::min(255, static_cast<int>((1.0f - fill.keep[c]) * 255.0f + 0.5f));
        if (alpha <= 0) continue;
        const uint32_t shade = (colour & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24;
        for (int y = std::max(0, static_cast<int>(std::floor(fill.top[c]))); y <= bottom; ++y)
            PaintOver(static_cast<int>(c), y, shade);
    }
}

// Segments from pixel centre to pixel centre, cut into the rows each pixel column crosses.
void CXBCtrlFilterGraph::PaintLine(const std::vector<CurveSegment>& segments, uint32_t colour) {
    const int columns = m_overlay.GetWidth(), rows = m_overlay.GetHeight();
    std::vector<int> top(static_cast<size_t>(columns), rows), bottom(static_cast<size_t>(columns), -1);
    for (const CurveSegment& s : segments) {
        const double x0 = s.x0 + 0.5, y0 = s.y0 + 0.5, x1 = s.x1 + 0.5, y1 = s.y1 + 0.5;
        if (x0 == x1 && y0 == y1) continue;
        const double left = std::min(x0, x1), right = std::max(x0, x1);
        const int first = std::max(0, static_cast<int>(std::floor(left)));
        const int last = std::min(columns - 1, static_cast<int>(std::floor(right)));
        for (int c = first; c <= last; ++c) {
            double ya = y0, yb = y1;
            if (x1 != x0) {
                const double a = std::max<double>(c, left), b = std::min<double>(c + 1, right);
                ya = y0 + (y1 - y0) * (a - x0) / (x1 - x0);
                yb = y0 + (y1 - y0) * (b - x0) / (x1 - x0);
            }
            const int r0 = std::max(0, static_cast<int>(std::floor(std::min(ya, yb))));
            const int r1 = std::min(rows - 1, static_cast<int>(std::floor(std::max(ya, yb))));
            if (r0 > r1) continue;
            top[static_cast<size_t>(c)] = std::min(top[static_cast<size_t>(c)], r0);
            bottom[static_cast<size_t>(c)] = std::max(bottom[static_cast<size_t>(c)], r1);
        }
    }
    const uint32_t shade = ScaleAlpha(colour, 0.5f);
    for (int c = 0; c < columns; ++c)
        for (int y = top[static_cast<size_t>(c)]; y <= bottom[static_cast<size_t>(c)]; ++y)
            PaintOver(c, y, shade);
}

void CXBCtrlFilterGraph::DrawPoints(CHfcDrawContext* context) {
    const int gx = m_rect.left + 2, gy = m_rect.top + 2, s = m_param.markSize;
    auto draw = [&](int i) {
        const int cx = gx + m_points[i].x, cy = gy + m_points[i].y;
        DrawHandle(context, cx, cy, s, m_param.pointFillColour, m_param.pointFrameColour);
        DrawLabel(context, cx - s / 2 + 4, cy - s / 2 + 3, m_param.markImage, i, kLabelRows);
    };
    for (int k = 0; k < m_iHandles; ++k) {
        const int i = m_iTop != 0 ? k : m_iHandles - 1 - k;
        if (i != m_iActive) draw(i);
    }
    if (m_iActive >= 0 && m_iActive < m_iHandles) draw(m_iActive);
    if (IsFocused()) DrawFocus(context);
}

void CXBCtrlFilterGraph::DrawFocus(CHfcDrawContext* context) {
    if (context == nullptr || !m_bCreated || !m_bVisible) return;
    if (m_iFocused < 0 || m_iFocused >= m_iHandles) return;
    DrawBrackets(context, m_rect.left + 2 + m_points[m_iFocused].x, m_rect.top + 2 + m_points[m_iFocused].y,
                 5, 3);
}

void CXBCtrlFilterGraph::Erase(CHfcDrawContext* context) {
    CopyBack(context, m_param.back, m_param.backX, m_param.backY);
}
