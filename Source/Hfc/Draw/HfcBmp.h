#pragma once
// The toolkit's bitmap: a 32-bit pixel surface (words 0xAARRGGBB stored as bytes B, G, R, A; rows
// GetRowBytes() apart) holding layer surfaces, images and glyph strips. Images are decoded from PNG
// (libpng) by resource name, from memory or from a file. Main thread only.
#include <cstddef>
#include <cstdint>

class CHfcBmp {
public:
    CHfcBmp();
    virtual ~CHfcBmp();
    CHfcBmp(const CHfcBmp&) = delete;
    CHfcBmp& operator=(const CHfcBmp&) = delete;

    // Empties the bitmap and makes a width x height one with every pixel 0. False (empty) when either
    // size is not positive or the pixels cannot be allocated.
    virtual bool Create(int width, int height);
    // Picture resources by number do not exist here: false, bitmap empty.
    virtual bool Load(int id);
    // Empties the bitmap and loads the PNG resource "<name>.png".
    virtual bool Load(const char* name);
    virtual bool LoadPNG(int id);
    // The PNG resource "<name>.png" (the name cut so the whole stays within 255 characters) from the
    // toolkit bundle, else the main bundle: the bundle's override folder first, then the compiled-in
    // table. buffer and bufferSize are not used.
    virtual bool LoadPNG(const char* name, unsigned char* buffer, unsigned long bufferSize);
    // Decodes a whole PNG image. The data is trusted to be complete; prefer the sized form.
    virtual bool LoadPNGFromMemory(const unsigned char* data);
    // Reads the whole file (into buffer when it is given and large enough) and decodes it.
    virtual bool LoadPNGFromFile(const char* path, unsigned char* buffer, unsigned long bufferSize);
    virtual bool Destroy();

    // Decodes at most size bytes: a truncated or damaged image gives false and never reads past them.
    bool LoadPNGFromMemory(const unsigned char* data, size_t size);

    // Destroy then Create: the old pixels are lost.
    bool Resize(int width, int height);
    // Pointer to the first pixel (null when empty); every pixel access is bracketed by Lock/Unlock.
    uint8_t* LockPixels();
    void UnlockPixels();
    int GetRowBytes() const { return m_iWidth * 4; }
    // Fills this bitmap (its size) from source's block at (x, y): every byte times the matching byte
    // of colour (0xAARRGGBB), shifted right by 8.
    void FilterColor(uint32_t colour, CHfcBmp* source, int x, int y);

    int GetWidth() const { return m_iWidth; }
    int GetHeight() const { return m_iHeight; }
    int GetLockCount() const { return m_iLockCount; }
    bool IsPremultiplied() const { return m_bPremultiplied; }
    void SetPremultiplied(bool premultiplied) { m_bPremultiplied = premultiplied; }
    // Read-only view of the pixels without the lock count (drawing code that only reads).
    const uint8_t* Pixels() const { return m_pPixels; }
    uint8_t* MutablePixels() { return m_pPixels; }
    // The pixel at (x, y) as 0xAARRGGBB; 0 outside.
    uint32_t GetPixel(int x, int y) const;
    void SetPixel(int x, int y, uint32_t argb);

    // The largest side a decoded image may have: far above any image of ours (the tallest strip has
    // fewer than 3000 rows), so that a small file cannot claim a bitmap of a gigabyte.
    static constexpr int kMaxImageSide = 4096;
    // Why the last PNG decode failed ("" after a success).
    const char* GetLoadError() const { return m_loadError; }

private:
    int m_iWidth = 0;
    int m_iHeight = 0;
    int m_iLockCount = 0;
    bool m_bPremultiplied = false;
    uint8_t* m_pPixels = nullptr;
    char m_loadError[128] = {};
};

// A proportional bitmap font: the glyph strip (128 rows of cell height, glyphs white with coverage in
// alpha), widths[(signed char)c + 128] is the advance of character c (entries 0-127 the drawn width
// of characters 0-127), the row height and the height of capitals.
struct tagHfcBmpFontInfo {
    CHfcBmp* bitmap;
    int widths[256];
    int height;
    int textHeight;
};

// Sum of widths[(signed char)c + 128] over the text; 0 for a null font or text.
int HfcGetBmpTextWidth(tagHfcBmpFontInfo* font, const char* text);

// Loads a compiled-in proportional strip and its width table by font name (e.g. "HfcUiFont") into
// font, whose bitmap it allocates; false when either is missing. HfcFreeBmpFont deletes the bitmap.
bool HfcLoadBmpFont(const char* name, tagHfcBmpFontInfo* font);
void HfcFreeBmpFont(tagHfcBmpFontInfo* font);

// Writes a bitmap as an RGBA PNG file (snapshots and galleries); false on any failure.
bool HfcWritePng(const CHfcBmp* bmp, const char* path);
