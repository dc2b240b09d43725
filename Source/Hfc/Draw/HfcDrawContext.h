#pragma once
// Drawing contexts: lines, rectangles, circles and arcs (cairo), exact integer bitmap copies written by
// hand over our own pixels, and bitmap-font text. Integer pixel coordinates, origin top left, y down.
//
// A port context draws into a bitmap that stands for a window's port: the frame's opaque back buffer.
// Its bitmap copies are composited source-over with the source alpha scaled by a factor. An off-screen
// context (the surface of a layer) owns its bitmap and blends copies with the exact integer formula of
// the toolkit. Main thread only; a context is made for one paint, an off-screen one lives with its layer.
#include <cstdint>

#include "Hfc/Base/HfcUtil.h"
#include "Hfc/Draw/HfcBmp.h"

typedef struct _cairo cairo_t;
typedef struct _cairo_surface cairo_surface_t;

class CHfcDrawContext {
public:
    // A port context over port's pixels (null: a context without a port, which draws nothing).
    explicit CHfcDrawContext(CHfcBmp* port);
    virtual ~CHfcDrawContext();
    CHfcDrawContext(const CHfcDrawContext&) = delete;
    CHfcDrawContext& operator=(const CHfcDrawContext&) = delete;

    virtual void MoveTo(float x, float y);
    virtual void MoveTo(int x, int y);
    // Strokes one segment through pixel centres from the current point, which then moves to (x, y).
    virtual void LineTo(float x, float y);
    virtual void LineTo(int x, int y);
    // Clears the exact area to transparent.
    virtual void ClearRect(float x, float y, float w, float h);
    virtual void ClearRect(int x, int y, int w, int h);
    virtual void ClearRect(const tagHfcRect* rect);
    virtual void FillRect(float x, float y, float w, float h);
    virtual void FillRect(int x, int y, int w, int h);
    virtual void FillRect(const tagHfcRect* rect);
    // The outline on the outermost pixels of the area.
    virtual void FrameRect(float x, float y, float w, float h);
    virtual void FrameRect(int x, int y, int w, int h);
    virtual void FrameRect(const tagHfcRect* rect);
    virtual void FillCircle(float x, float y, float r);
    virtual void FrameCircle(float x, float y, float r);
    // Angles in radians, counter-clockwise on screen from the positive x axis; the sweep forms go
    // clockwise from start through sweep (end = start - sweep, clockwise = sweep >= 0).
    virtual void FillArc(float x, float y, float r, float start, float end, bool clockwise);
    virtual void FillArc(float x, float y, float r, float start, float sweep);
    virtual void FrameArc(float x, float y, float r, float start, float end, bool clockwise);
    virtual void FrameArc(float x, float y, float r, float start, float sweep);
    virtual void ClearArc(float x, float y, float r, float start, float end, bool clockwise);
    virtual void ClearArc(float x, float y, float r, float start, float sweep);
    // Copies the w x h block of bmp at (sx, sy) with its top-left pixel at (x, y).
    virtual void CopyBmp(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy);
    virtual void CopyBmp(const tagHfcRect* rect, CHfcBmp* bmp, int sx, int sy);
    // The same with the source alpha scaled by factor (taken within 0..1).
    virtual void CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp* bmp, float factor, int sx, int sy);
    virtual void CopyBmpAlpha(const tagHfcRect* rect, CHfcBmp* bmp, float factor, int sx, int sy);
    // Byte-wise maximum; nothing on a port.
    virtual void CopyBmpMax(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy);
    virtual void Scroll(const tagHfcRect* rect, int dx, int dy);
    // Opacity of the following vector drawing and port copies.
    virtual void SetAlpha(float alpha);

    void SetBrushColor(uint32_t argb);
    void SetPenColor(uint32_t argb);
    void SetPenWidth(float width);
    uint32_t GetBrushColor() const { return m_uBrush; }
    uint32_t GetPenColor() const { return m_uPen; }
    float GetPenWidth() const { return m_fPenWidth; }
    void Flush();
    // Fixed-cell text: glyph of code c (a signed byte) is the cell at row c of font; cellWidth 0 = the
    // font's width, cellHeight 0 = its height / 128. Ends at count characters or a NUL.
    void DrawBmpText(int x, int y, const char* text, int count, CHfcBmp* font, int cellWidth, int cellHeight);
    // Proportional text tinted with colour within width pixels of room; character 13 jumps to the next
    // multiple of 40 when tabs is set. Characters 128-255 draw nothing and advance as they measure.
    void DrawBmpTextProportional(int x, int y, const char* text, int width, tagHfcBmpFontInfo* font,
                                 uint32_t colour, bool tabs);

    // The bitmap drawn into (null without a port).
    CHfcBmp* GetPort() const { return m_pPort; }
    bool HasSurface() const { return m_pCg != nullptr; }

protected:
    CHfcDrawContext();
    // Makes the cairo context over port's pixels; false (no surface) on failure.
    bool AttachPort(CHfcBmp* port);
    void DetachPort();
    // cairo writes into pixels that hand-written code also writes: keep both views in step.
    void BeginPixelAccess();
    void EndPixelAccess();

    CHfcBmp* m_pPort = nullptr;
    cairo_surface_t* m_pSurface = nullptr;
    cairo_t* m_pCg = nullptr;

private:
    void SetSource(uint32_t argb);
    void PiePath(float x, float y, float r, float start, float end, bool clockwise);

    uint32_t m_uBrush = 0;
    uint32_t m_uPen = 0;
    float m_fPenWidth = 1.0f;
    float m_fAlpha = 1.0f;
    float m_fCurX = 0.0f;
    float m_fCurY = 0.0f;
};

// Tests only: true makes the off-screen blend use its portable loop even where a vector one exists,
// so that the two can be compared.
extern bool g_scalarBlendOnly;

class CHfcOffscreenContext : public CHfcDrawContext {
public:
    CHfcOffscreenContext(int width, int height);
    ~CHfcOffscreenContext() override;

    using CHfcDrawContext::CopyBmp;
    using CHfcDrawContext::CopyBmpAlpha;
    // The exact integer blend into the own bitmap.
    void CopyBmp(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) override;
    void CopyBmpAlpha(int x, int y, int w, int h, CHfcBmp* bmp, float factor, int sx, int sy) override;
    void CopyBmpMax(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy) override;
    // Moves the pixels of rect by (dx, dy) within the bitmap, as a memory move; uncovered pixels stay.
    virtual void MoveRect(const tagHfcRect* rect, int dx, int dy);
    virtual void CopyToContext(CHfcDrawContext* dest);
    virtual void CopyToContext(CHfcDrawContext* dest, int x, int y, int w, int h, int sx, int sy);

    // The bitmap is made anew (pixels lost); false with "Failed to resize." or "Failed to create
    // CGContextRef." on the debug output.
    bool Resize(int width, int height);
    CHfcBmp* GetBmp() const { return m_pBmp; }

private:
    void Blend(int x, int y, int w, int h, CHfcBmp* bmp, int sx, int sy, float factor, bool alphaForm);

    CHfcBmp* m_pBmp = nullptr;
    bool m_bOwnsBmp = false;
};
