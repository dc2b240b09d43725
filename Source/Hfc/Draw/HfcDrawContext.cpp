#include "Hfc/Draw/HfcDrawContext.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

constexpr float kTwoPi = 6.2831855f;

float ClampUnit(float f) {
    if (!(f >= 0.0f)) return 0.0f;  // NaN too
    return f > 1.0f ? 1.0f : f;
}

// Clipping of the port copy: the block must lie inside the source; a negative source origin moves
// the destination instead.
bool ClipPortCopy(int* x, int* y, int* w, int* h, const CHfcBmp* bmp, int* sx, int* sy) {
    int cw = (*sx + *w <= bmp->GetWidth()) ? *w : bmp->GetWidth() - *sx;
    if (*sx < 0) {
        cw += *sx;
        *x -= *sx;
        *sx = 0;
    }
    int ch = (*sy + *h <= bmp->GetHeight()) ? *h : bmp->GetHeight() - *sy;
    if (*sy < 0) {
        ch += *sy;
        *y -= *sy;
        *sy = 0;
    }
    *w = cw;
    *h = ch;
    return cw > 0 && ch > 0;
}

}  // namespace

CHfcDrawContext::CHfcDrawContext() = default;

CHfcDrawContext::CHfcDrawContext(CHfcBmp* port) {
    AttachPort(port);
}

CHfcDrawContext::~CHfcDrawContext() {
    DetachPort();
}

bool CHfcDrawContext::AttachPort(CHfcBmp* port) {
    DetachPort();
    if (port == nullptr || port->MutablePixels() == nullptr) return false;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        port->MutablePixels(), CAIRO_FORMAT_ARGB32, port->GetWidth(), port->GetHeight(), port->GetRowBytes());
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return false;
    }
    cairo_t* cg = cairo_create(surface);
    if (cairo_status(cg) != CAIRO_STATUS_SUCCESS) {
        cairo_destroy(cg);
        cairo_surface_destroy(surface);
        return false;
    }
    m_pPort = port;
    m_pSurface = surface;
    m_pCg = cg;
    return true;
}

void CHfcDrawContext::DetachPort() {
    if (m_pCg != nullptr) cairo_destroy(m_pCg);
    if (m_pSurface != nullptr) cairo_surface_destroy(m_pSurface);
    m_pCg = nullptr;
    m_pSurface = nullptr;
    m_pPort = nullptr;
}

void CHfcDrawContext::BeginPixelAccess() {
    if (m_pSurface != nullptr) cairo_surface_flush(m_pSurface);
}

void CHfcDrawContext::EndPixelAccess() {
    if (m_pSurface != nullptr) cairo_surface_mark_dirty(m_pSurface);
}

void CHfcDrawContext::SetSource(uint32_t argb) {
    cairo_set_source_rgba(m_pCg, ((argb >> 16) & 0xFF) / 255.0, ((argb >> 8) & 0xFF) / 255.0,
                          (argb & 0xFF) / 255.0, (argb >> 24) / 255.0 * m_fAlpha);
}

void CHfcDrawContext::MoveTo(float x, float y) {
    m_fCurX = x;
    m_fCurY = y;
    if (m_pCg == nullptr) return;
    cairo_new_path(m_pCg);
    cairo_move_to(m_pCg, x + 0.5, y + 0.5);
}

void CHfcDrawContext::MoveTo(int x, int y) {
    MoveTo(static_cast<float>(x), static_cast<float>(y));
}

void CHfcDrawContext::LineTo(float x, float y) {
    if (m_pCg != nullptr) {
        cairo_new_path(m_pCg);
        cairo_move_to(m_pCg, m_fCurX + 0.5, m_fCurY + 0.5);
        cairo_line_to(m_pCg, x + 0.5, y + 0.5);
        cairo_close_path(m_pCg);
        SetSource(m_uPen);
        cairo_set_line_width(m_pCg, m_fPenWidth);
        cairo_stroke(m_pCg);
    }
    MoveTo(x, y);
}

void CHfcDrawContext::LineTo(int x, int y) {
    LineTo(static_cast<float>(x), static_cast<float>(y));
}

void CHfcDrawContext::ClearRect(float x, float y, float w, float h) {
    if (m_pCg == nullptr) return;
    cairo_save(m_pCg);
    cairo_set_operator(m_pCg, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(m_pCg, x, y, w, h);
    cairo_fill(m_pCg);
    cairo_restore(m_pCg);
}

void CHfcDrawContext::ClearRect(int x, int y, int w, int h) {
    ClearRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
}

void CHfcDrawContext::ClearRect(const tagHfcRect* r) {
    if (r != nullptr) ClearRect(r->left, r->top, r->right - r->left, r->bottom - r->top);
}

void CHfcDrawContext::FillRect(float x, float y, float w, float h) {
    if (m_pCg == nullptr) return;
    cairo_new_path(m_pCg);
    cairo_rectangle(m_pCg, x, y, w, h);
    SetSource(m_uBrush);
    cairo_fill(m_pCg);
}

void CHfcDrawContext::FillRect(int x, int y, int w, int h) {
    FillRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
}

void CHfcDrawContext::FillRect(const tagHfcRect* r) {
    if (r != nullptr) FillRect(r->left, r->top, r->right - r->left, r->bottom - r->top);
}

void CHfcDrawContext::FrameRect(float x, float y, float w, float h) {
    if (m_pCg == nullptr) return;
    cairo_new_path(m_pCg);
    cairo_rectangle(m_pCg, x + 0.5, y + 0.5, w - 1, h - 1);
    SetSource(m_uPen);
    cairo_set_line_width(m_pCg, m_fPenWidth);
    cairo_stroke(m_pCg);
}

void CHfcDrawContext::FrameRect(int x, int y, int w, int h) {
    FrameRect(static_cast<float>(x), static_cast<float>(y), static_cast<float>(w), static_cast<float>(h));
}

void CHfcDrawContext::FrameRect(const tagHfcRect* r) {
    if (r != nullptr) FrameRect(r->left, r->top, r->right - r->left, r->bottom - r->top);
}

void CHfcDrawContext::FillCircle(float x, float y, float r) {
    FillArc(x, y, r, 0.0f, kTwoPi, false);
}

void CHfcDrawContext::FrameCircle(float x, float y, float r) {
    FrameArc(x, y, r, 0.0f, kTwoPi, false);
}

// Screen angles run counter-clockwise with y down, so cairo sees them negated; clockwise on screen is
// cairo's positive direction.
void CHfcDrawContext::PiePath(float x, float y, float r, float start, float end, bool clockwise) {
    cairo_new_path(m_pCg);
    cairo_move_to(m_pCg, x, y);
    if (clockwise) {
        cairo_arc(m_pCg, x, y, r, -start, -end);
    } else {
        cairo_arc_negative(m_pCg, x, y, r, -start, -end);
    }
    cairo_close_path(m_pCg);
}

void CHfcDrawContext::FillArc(float x, float y, float r, float start, float end, bool clockwise) {
    if (m_pCg == nullptr) return;
    PiePath(x, y, r, start, end, clockwise);
    SetSource(m_uBrush);
    cairo_fill(m_pCg);
}

void CHfcDrawContext::FillArc(float x, float y, float r, float start, float sweep) {
    FillArc(x, y, r, start, start - sweep, sweep >= 0);
}

void CHfcDrawContext::FrameArc(float x, float y, float r, float start, float end, bool clockwise) {
    if (m_pCg == nullptr) return;
    cairo_new_path(m_pCg);
    if (clockwise) {
        cairo_arc(m_pCg, x + 0.5, y + 0.5, r, -start, -end);
    } else {
        cairo_arc_negative(m_pCg, x + 0.5, y + 0.5, r, -start, -end);
    }
    SetSource(m_uPen);
    cairo_set_line_width(m_pCg, m_fPenWidth);
    cairo_stroke(m_pCg);
}

void CHfcDrawContext::FrameArc(float x, float y, float r, float start, float sweep) {
    FrameArc(x, y, r, start, start - sweep, sweep >= 0);
}

void CHfcDrawContext::ClearArc(float x, float y, float r, float start, float end, bool clockwise) {
    if (m_pCg == nullptr) return;
    cairo_save(m_pCg);
    PiePath(x, y, r, start, end, clockwise);
    cairo_clip(m_pCg);
    cairo_set_operator(m_pCg, CAIRO_OPERATOR_CLEAR);
    cairo_paint(m_pCg);
    cairo_restore(m_pCg);
}

void CHfcDrawContext::ClearArc(float x, float y, float r, float start, float sweep) {
    ClearArc(x, y, r, start, start - sweep, sweep >= 0);
}

void CHfcDrawContext::CopyBmp(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) {
    CopyBmpAlpha(x, y, w, h, bmp, 1.0f, sx, sy);
}

void CHfcDrawContext::CopyBmp(const tagHfcRect* r, CHfcBmp* bmp, int sx, int sy) {
    if (r != nullptr) CopyBmp(r->left, r->top, r->right - r->left, r->bottom - r->top, bmp, sx, sy);
}

// Source-over into the opaque port: a' = trunc(a x factor), out = (s a' + d (255 - a') + 127) / 255.
void CHfcDrawContext::CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp* bmp, float factor, int sx, int sy) {
    if (m_pPort == nullptr || bmp == nullptr || bmp->Pixels() == nullptr) return;
    if (!ClipPortCopy(&x, &y, &w, &h, bmp, &sx, &sy)) return;
    // The port's own bounds.
    if (x < 0) {
        w += x;
        sx -= x;
        x = 0;
    }
    if (y < 0) {
        h += y;
        sy -= y;
        y = 0;
    }
    w = std::min(w, m_pPort->GetWidth() - x);
    h = std::min(h, m_pPort->GetHeight() - y);
    if (w <= 0 || h <= 0) return;
    const float scale = ClampUnit(factor) * m_fAlpha;
    const bool full = scale >= 1.0f;
    BeginPixelAccess();
    const int srcStride = bmp->GetRowBytes(), dstStride = m_pPort->GetRowBytes();
    const uint8_t* src = bmp->Pixels() + static_cast<size_t>(sy) * srcStride + sx * 4;
    uint8_t* dst = m_pPort->MutablePixels() + static_cast<size_t>(y) * dstStride + x * 4;
    for (int row = 0; row < h; ++row, src += srcStride, dst += dstStride) {
        for (int col = 0; col < w;) {
            const uint8_t* s = src + col * 4;
            uint8_t* d = dst + col * 4;
            const unsigned a = full ? s[3] : static_cast<unsigned>(s[3] * scale);
            if (a == 255) {
                // An opaque run lands as it is (its alpha is already 255).
                int end = col + 1;
                if (full) {
                    while (end < w && src[end * 4 + 3] == 255) ++end;
                    std::memcpy(d, s, static_cast<size_t>(end - col) * 4);
                } else {
                    d[0] = s[0];
                    d[1] = s[1];
                    d[2] = s[2];
                    d[3] = 255;
                }
                col = end;
                continue;
            }
            if (a != 0) {
                const unsigned na = 255 - a;
                d[0] = static_cast<uint8_t>((s[0] * a + d[0] * na + 127) / 255);
                d[1] = static_cast<uint8_t>((s[1] * a + d[1] * na + 127) / 255);
                d[2] = static_cast<uint8_t>((s[2] * a + d[2] * na + 127) / 255);
                d[3] = 255;
            }
            ++col;
        }
    }
    EndPixelAccess();
}

void CHfcDrawContext::CopyBmpAlpha(const tagHfcRect* r, CHfcBmp* bmp, float factor, int sx, int sy) {
    if (r != nullptr)
        CopyBmpAlpha(r->left, r->top, r->right - r->left, r->bottom - r->top, bmp, factor, sx, sy);
}

void CHfcDrawContext::CopyBmpMax(int, int, int, int, CHfcBmp*, int, int) {}

void CHfcDrawContext::Scroll(const tagHfcRect*, int, int) {}

void CHfcDrawContext::SetAlpha(float alpha) {
    m_fAlpha = ClampUnit(alpha);
}

void CHfcDrawContext::SetBrushColor(uint32_t argb) {
    m_uBrush = argb;
}

void CHfcDrawContext::SetPenColor(uint32_t argb) {
    m_uPen = argb;
}

void CHfcDrawContext::SetPenWidth(float width) {
    m_fPenWidth = width;
}

void CHfcDrawContext::Flush() {
    if (m_pSurface != nullptr) cairo_surface_flush(m_pSurface);
}

void CHfcDrawContext::DrawBmpText(int x, int y, const char* text, int count, CHfcBmp* font, int cellWidth,
                                  int cellHeight) {
    if (text == nullptr || font == nullptr || font->Pixels() == nullptr) return;
    if (cellWidth == 0) cellWidth = font->GetWidth();
    if (cellHeight == 0) cellHeight = font->GetHeight() / 128;
    for (int i = 0; i < count && text[i] != '\0'; ++i) {
        const int code = static_cast<signed char>(text[i]);
        CopyBmp(x, y, cellWidth, cellHeight, font, 0, cellHeight * code);
        x += cellWidth;
    }
}

void CHfcDrawContext::DrawBmpTextProportional(int x, int y, const char* text, int width,
                                              tagHfcBmpFontInfo* font, uint32_t colour, bool tabs) {
    if (text == nullptr || font == nullptr || font->bitmap == nullptr || font->bitmap->Pixels() == nullptr ||
        font->height <= 0) {
        return;
    }
    CHfcBmp scratch;
    if (!scratch.Create(font->bitmap->GetWidth(), font->height)) return;
    int room = width;
    for (const char* p = text; *p != '\0'; ++p) {
        const int c = static_cast<signed char>(*p);
        if (c == 13) {
            if (tabs) {
                const int step = 40 - x % 40;
                x += step;
                room -= step;
            }
        } else {
            const int advance = font->widths[c + 128];
            if (c >= 0) {
                scratch.FilterColor(colour, font->bitmap, 0, c * font->height);
                CopyBmp(x, y, std::min(room, font->widths[c]), font->height, &scratch, 0, 0);
            }
            room -= advance;
            x += advance;
        }
        if (room <= 0) break;
    }
}

CHfcOffscreenContext::CHfcOffscreenContext(int width, int height) {
    m_pBmp = new CHfcBmp;
    m_bOwnsBmp = true;
    if (m_pBmp->Create(width, height)) AttachPort(m_pBmp);
}

CHfcOffscreenContext::~CHfcOffscreenContext() {
    DetachPort();
    if (m_bOwnsBmp) delete m_pBmp;
}

bool CHfcOffscreenContext::Resize(int width, int height) {
    DetachPort();
    if (m_pBmp == nullptr || !m_pBmp->Resize(width, height)) {
        HfcDebugPrintf("Failed to resize.");
        return false;
    }
    if (!AttachPort(m_pBmp)) {
        HfcDebugPrintf("Failed to create CGContextRef.");
        return false;
    }
    return true;
}

void CHfcOffscreenContext::CopyBmp(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) {
    Blend(x, y, w, h, bmp, sx, sy, 1.0f, false);
}

void CHfcOffscreenContext::CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp* bmp, float factor, int sx,
                                        int sy) {
    if (bmp == nullptr || m_pBmp == nullptr) return;
    if (m_pBmp->IsPremultiplied()) {
        HfcDebugPrintf(
            bmp->IsPremultiplied()
                ? "CHfcOffscreenContext::CopyBmp() - premultiplied * premultiplied is not supported yet..."
                : "CHfcBmp::CopyBmp() - nonmultiplied * premultiplied is not supported yet...");
        return;
    }
    Blend(x, y, w, h, bmp, sx, sy, ClampUnit(factor), true);
}

namespace {

// The off-screen clipping: destination first, then source; counts limited by both bitmaps.
bool ClipOffscreen(int* x, int* y, int* w, int* h, int* sx, int* sy, const CHfcBmp* dst, const CHfcBmp* src) {
    if (*x < 0) {
        *w += *x;
        *sx -= *x;
        *x = 0;
    }
    if (*y < 0) {
        *sy -= *y;
        *h += *y;
        *y = 0;
    }
    if (*sx < 0) {
        *w += *sx;
        *x -= *sx;
        *sx = 0;
    }
    if (*sy < 0) {
        *h += *sy;
        *y -= *sy;
        *sy = 0;
    }
    *h = std::min({*h, dst->GetHeight() - *y, src->GetHeight() - *sy});
    *w = std::min({*w, dst->GetWidth() - *x, src->GetWidth() - *sx});
    return *w > 0 && *h > 0;
}

}  // namespace

bool g_scalarBlendOnly = false;

namespace {

// One row of the exact blend. Templated on the two per-call choices so that the pixel loop carries no
// branch on them; each pixel is read once into locals, so the stores never force a reload of the
// source through possible aliasing.
template <bool kAlphaForm, bool kPremultiplied>
void BlendRow(const uint8_t* __restrict s, uint8_t* __restrict d, int w, float factor, uint32_t k) {
    for (int col = 0; col < w; ++col, s += 4, d += 4) {
        const uint32_t s0 = s[0], s1 = s[1], s2 = s[2], s3 = s[3];
        const uint32_t a = kAlphaForm ? static_cast<uint32_t>(static_cast<float>(s3) * factor) : s3;
        const uint32_t weight = a * 256 + 255;
        if (!kPremultiplied && weight == 65535) {
            // An opaque source gives its own bytes exactly.
            d[0] = static_cast<uint8_t>(s0);
            d[1] = static_cast<uint8_t>(s1);
            d[2] = static_cast<uint8_t>(s2);
            d[3] = 255;
            continue;
        }
        const uint32_t d0 = d[0], d1 = d[1], d2 = d[2], d3 = d[3];
        const uint32_t inv = 65535 - weight;
        if (!kPremultiplied) {
            // s16 W + d16 (65535 - W) never exceeds 65535 x 65535: 32 bits hold it.
            d[0] = static_cast<uint8_t>(((s0 * 256u + 255u) * weight + (d0 * 256u + 255u) * inv) >> 24);
            d[1] = static_cast<uint8_t>(((s1 * 256u + 255u) * weight + (d1 * 256u + 255u) * inv) >> 24);
            d[2] = static_cast<uint8_t>(((s2 * 256u + 255u) * weight + (d2 * 256u + 255u) * inv) >> 24);
        } else {
            const uint32_t sc[3] = {s0, s1, s2}, dc[3] = {d0, d1, d2};
            for (int c = 0; c < 3; ++c) {
                const uint64_t s16 = sc[c] * 256u + 255u, d16 = dc[c] * 256u + 255u;
                d[c] = static_cast<uint8_t>(std::min<uint64_t>(255, (s16 * k + d16 * inv) >> 24));
            }
        }
        d[3] = static_cast<uint8_t>(std::min<uint32_t>(255, (weight + d3 * 256u + 255u) >> 8));
    }
}

#if defined(__x86_64__)
// The same row with AVX2, two pixels per step: every product of the exact formula fits 32 bits
// (s16 W + d16 inv <= 65535 x 65535), so 32-bit lanes give the scalar result bit for bit; an opaque
// source needs no special case (the formula returns its bytes and alpha 255).
template <bool kAlphaForm>
__attribute__((target("avx2"))) inline __m256i BlendTwoAvx2(__m256i sv, __m256i dv, __m256 f) {
    const __m256i k255 = _mm256_set1_epi32(255);
    __m256i a = _mm256_shuffle_epi32(sv, 0xFF);  // each pixel's alpha in its four lanes
    if (kAlphaForm) a = _mm256_cvttps_epi32(_mm256_mul_ps(_mm256_cvtepi32_ps(a), f));
    const __m256i weight = _mm256_add_epi32(_mm256_slli_epi32(a, 8), k255);
    const __m256i inv = _mm256_sub_epi32(_mm256_set1_epi32(65535), weight);
    const __m256i s16 = _mm256_add_epi32(_mm256_slli_epi32(sv, 8), k255);
    const __m256i d16 = _mm256_add_epi32(_mm256_slli_epi32(dv, 8), k255);
    const __m256i colour = _mm256_srli_epi32(
        _mm256_add_epi32(_mm256_mullo_epi32(s16, weight), _mm256_mullo_epi32(d16, inv)), 24);
    const __m256i alpha = _mm256_min_epu32(k255, _mm256_srli_epi32(_mm256_add_epi32(weight, d16), 8));
    return _mm256_blend_epi32(colour, alpha, 0x88);
}

// The same row with AVX2, four pixels per step: every product of the exact formula fits 32 bits
// (s16 W + d16 inv <= 65535 x 65535), so 32-bit lanes give the scalar result bit for bit; an opaque
// source needs no special case (the formula returns its bytes and alpha 255).
template <bool kAlphaForm>
__attribute__((target("avx2"))) void BlendRowAvx2(const uint8_t* __restrict s, uint8_t* __restrict d, int w,
                                                  float factor) {
    const __m256 f = _mm256_set1_ps(factor);
    // After the two packs pixel 0 and 2 sit in dwords 0 and 1, pixel 1 and 3 in dwords 4 and 5.
    const __m256i order = _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7);
    int col = 0;
    for (; col + 4 <= w; col += 4, s += 16, d += 16) {
        const __m128i s4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s));
        const __m128i d4 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(d));
        const __m256i lo = BlendTwoAvx2<kAlphaForm>(_mm256_cvtepu8_epi32(s4), _mm256_cvtepu8_epi32(d4), f);
        const __m256i hi = BlendTwoAvx2<kAlphaForm>(_mm256_cvtepu8_epi32(_mm_srli_si128(s4, 8)),
                                                    _mm256_cvtepu8_epi32(_mm_srli_si128(d4, 8)), f);
        const __m256i words = _mm256_packus_epi32(lo, hi);
        const __m256i bytes = _mm256_permutevar8x32_epi32(_mm256_packus_epi16(words, words), order);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm256_castsi256_si128(bytes));
    }
    if (col < w) BlendRow<kAlphaForm, false>(s, d, w - col, factor, 0);
}

bool HasAvx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

}  // namespace

void CHfcOffscreenContext::Blend(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy, float factor,
                                 bool alphaForm) {
    if (bmp == nullptr || m_pBmp == nullptr) return;
    if (!ClipOffscreen(&x, &y, &w, &h, &sx, &sy, m_pBmp, bmp)) return;
    uint8_t* dstBase = m_pBmp->LockPixels();
    uint8_t* srcBase = bmp->LockPixels();
    if (dstBase != nullptr && srcBase != nullptr) {
        BeginPixelAccess();
        const bool premultipliedSource = alphaForm && bmp->IsPremultiplied();
        const uint32_t k = premultipliedSource ? static_cast<uint32_t>(factor * 65535.0) : 0;
        const int srcStride = bmp->GetRowBytes(), dstStride = m_pBmp->GetRowBytes();
        auto row = !alphaForm            ? &BlendRow<false, false>
                   : premultipliedSource ? &BlendRow<true, true>
                                         : &BlendRow<true, false>;
#if defined(__x86_64__)
        if (HasAvx2() && !premultipliedSource && !g_scalarBlendOnly) {
            row = alphaForm ? [](const uint8_t* s, uint8_t* d, int n, float f,
                                 uint32_t) { BlendRowAvx2<true>(s, d, n, f); }
                            : [](const uint8_t* s, uint8_t* d, int n, float f, uint32_t) {
                                  BlendRowAvx2<false>(s, d, n, f);
                              };
        }
#endif
        for (int r = 0; r < h; ++r) {
            const uint8_t* s = srcBase + static_cast<size_t>(sy + r) * srcStride + sx * 4;
            uint8_t* d = dstBase + static_cast<size_t>(y + r) * dstStride + x * 4;
            row(s, d, w, factor, k);
        }
        EndPixelAccess();
    }
    if (srcBase != nullptr) bmp->UnlockPixels();
    if (dstBase != nullptr) m_pBmp->UnlockPixels();
}

void CHfcOffscreenContext::CopyBmpMax(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) {
    if (bmp == nullptr || m_pBmp == nullptr) return;
    if (!ClipOffscreen(&x, &y, &w, &h, &sx, &sy, m_pBmp, bmp)) return;
    uint8_t* dstBase = m_pBmp->LockPixels();
    uint8_t* srcBase = bmp->LockPixels();
    if (dstBase != nullptr && srcBase != nullptr) {
        BeginPixelAccess();
        for (int row = 0; row < h; ++row) {
            const uint8_t* s = srcBase + static_cast<size_t>(sy + row) * bmp->GetRowBytes() + sx * 4;
            uint8_t* d = dstBase + static_cast<size_t>(y + row) * m_pBmp->GetRowBytes() + x * 4;
            for (int col = 0; col < w; ++col, s += 4, d += 4) {
                if (s[3] == 0) continue;
                for (int c = 0; c < 4; ++c) d[c] = std::max(d[c], s[c]);
            }
        }
        EndPixelAccess();
    }
    if (srcBase != nullptr) bmp->UnlockPixels();
    if (dstBase != nullptr) m_pBmp->UnlockPixels();
}

void CHfcOffscreenContext::MoveRect(const tagHfcRect* rect, int dx, int dy) {
    if (rect == nullptr || m_pBmp == nullptr || m_pBmp->Pixels() == nullptr) return;
    const int bw = m_pBmp->GetWidth(), bh = m_pBmp->GetHeight();
    int left = std::max(rect->left, 0), top = std::max(rect->top, 0);
    int right = std::min(rect->right, bw), bottom = std::min(rect->bottom, bh);
    // The destination inside the bitmap too.
    left = std::max(left, -dx);
    top = std::max(top, -dy);
    right = std::min(right, bw - dx);
    bottom = std::min(bottom, bh - dy);
    const int cols = right - left, rows = bottom - top;
    if (cols <= 0 || rows <= 0) return;
    uint8_t* base = m_pBmp->LockPixels();
    BeginPixelAccess();
    const int stride = m_pBmp->GetRowBytes();
    for (int i = 0; i < rows; ++i) {
        const int row = dy >= 0 ? top + rows - 1 - i : top + i;
        std::memmove(base + static_cast<size_t>(row + dy) * stride + (left + dx) * 4,
                     base + static_cast<size_t>(row) * stride + left * 4, static_cast<size_t>(cols) * 4);
    }
    EndPixelAccess();
    m_pBmp->UnlockPixels();
}

void CHfcOffscreenContext::CopyToContext(CHfcDrawContext* dest) {
    if (dest == nullptr || m_pBmp == nullptr) return;
    dest->CopyBmp(0, 0, m_pBmp->GetWidth(), m_pBmp->GetHeight(), m_pBmp, 0, 0);
}

void CHfcOffscreenContext::CopyToContext(CHfcDrawContext* dest, int x, int y, int w, int h, int sx, int sy) {
    if (dest != nullptr) dest->CopyBmp(x, y, w, h, m_pBmp, sx, sy);
}
