#include "Hfc/Draw/HfcBmp.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Hfc/Base/HfcBundle.h"
#include "Hfc/Base/HfcUtil.h"

namespace {

struct PngSource {
    const unsigned char* data;
    size_t pos;
    size_t size;
    bool sized;
};

void PngRead(png_structp png, png_bytep out, png_size_t length) {
    auto* src = static_cast<PngSource*>(png_get_io_ptr(png));
    if (src->sized && (src->pos > src->size || length > src->size - src->pos))
        png_error(png, "read past the end");
    std::memcpy(out, src->data + src->pos, length);
    src->pos += length;
}

// libpng's own handlers print and, without a jump buffer, abort: ours keep the reason and jump back.
void PngError(png_structp png, png_const_charp message) {
    if (char* reason = static_cast<char*>(png_get_error_ptr(png)))
        std::snprintf(reason, 128, "%s", message != nullptr ? message : "damaged image");
    png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}

// Plain C types only between setjmp and the jump: nothing here has a destructor.
// reason: 128 bytes for why it failed.
bool DecodePng(CHfcBmp* bmp, PngSource* source, char* reason) {
    reason[0] = 0;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, reason, PngError, PngWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    png_bytep* volatile rows = nullptr;
    volatile bool locked = false;
    if (setjmp(png_jmpbuf(png))) {
        std::free(rows);
        if (locked) bmp->UnlockPixels();
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, source, PngRead);
    png_read_info(png, info);
    png_uint_32 width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    png_get_IHDR(png, info, &width, &height, &bitDepth, &colourType, nullptr, nullptr, nullptr);
    // Refused by its header, before any pixel memory is taken.
    if (width > static_cast<png_uint_32>(CHfcBmp::kMaxImageSide) ||
        height > static_cast<png_uint_32>(CHfcBmp::kMaxImageSide)) {
        char tooLarge[128];
        std::snprintf(tooLarge, sizeof tooLarge, "the image is %u x %u pixels, more than %d a side",
                      static_cast<unsigned>(width), static_cast<unsigned>(height), CHfcBmp::kMaxImageSide);
        png_error(png, tooLarge);
    }
    if (png_get_valid(png, info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(png);
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (bitDepth > 8) png_set_strip_16(png);
    // Grey with alpha too: otherwise two bytes a pixel would land in four-byte pixels.
    if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    if ((colourType & PNG_COLOR_MASK_ALPHA) == 0) png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_bgr(png);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<png_size_t>(width) * 4)
        png_error(png, "unexpected row size");
    if (!bmp->Create(static_cast<int>(width), static_cast<int>(height))) png_error(png, "no memory");
    uint8_t* pixels = bmp->LockPixels();
    if (pixels == nullptr) png_error(png, "no pixels");
    locked = true;
    rows = static_cast<png_bytep*>(std::malloc(sizeof(png_bytep) * height));
    if (rows == nullptr) png_error(png, "no memory");
    for (png_uint_32 y = 0; y < height; ++y) rows[y] = pixels + static_cast<size_t>(y) * bmp->GetRowBytes();
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    std::free(rows);
    rows = nullptr;
    bmp->UnlockPixels();
    locked = false;
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

struct PngSink {
    FILE* file;
};

bool EncodePng(const CHfcBmp* bmp, FILE* file) {
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, PngError, PngWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    png_bytep volatile row = nullptr;
    if (setjmp(png_jmpbuf(png))) {
        std::free(row);
        png_destroy_write_struct(&png, &info);
        return false;
    }
    png_init_io(png, file);
    const int w = bmp->GetWidth(), h = bmp->GetHeight();
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    row = static_cast<png_bytep>(std::malloc(static_cast<size_t>(w) * 4));
    if (row == nullptr) png_error(png, "no memory");
    for (int y = 0; y < h; ++y) {
        const uint8_t* src = bmp->Pixels() + static_cast<size_t>(y) * bmp->GetRowBytes();
        for (int x = 0; x < w; ++x) {
            row[x * 4 + 0] = src[x * 4 + 2];
            row[x * 4 + 1] = src[x * 4 + 1];
            row[x * 4 + 2] = src[x * 4 + 0];
            row[x * 4 + 3] = src[x * 4 + 3];
        }
        png_write_row(png, row);
    }
    png_write_end(png, info);
    std::free(row);
    png_destroy_write_struct(&png, &info);
    return true;
}

}  // namespace

CHfcBmp::CHfcBmp() = default;

CHfcBmp::~CHfcBmp() {
    CHfcBmp::Destroy();
}

bool CHfcBmp::Create(int width, int height) {
    Destroy();
    if (width <= 0 || height <= 0) return false;
    const size_t bytes = static_cast<size_t>(width) * static_cast<size_t>(height) * 4u;
    if (bytes / 4u / static_cast<size_t>(width) != static_cast<size_t>(height) || width > (1 << 20) ||
        height > (1 << 20)) {
        return false;
    }
    m_pPixels = static_cast<uint8_t*>(std::calloc(bytes, 1));
    if (m_pPixels == nullptr) return false;
    m_iWidth = width;
    m_iHeight = height;
    return true;
}

bool CHfcBmp::Load(int) {
    Destroy();
    return false;
}

bool CHfcBmp::Load(const char* name) {
    Destroy();
    return LoadPNG(name, nullptr, 0);
}

bool CHfcBmp::LoadPNG(int id) {
    return Load(id);
}

bool CHfcBmp::LoadPNG(const char* name, unsigned char*, unsigned long) {
    Destroy();
    if (name == nullptr) return false;
    char fileName[256];
    std::snprintf(fileName, sizeof fileName, "%.251s.png", name);
    HfcBundleRef bundle = HfcMacGetBundle();
    HfcBundleRef lookIn = bundle != nullptr ? bundle : HfcMainBundle();
    std::string path;
    const unsigned char* data = nullptr;
    size_t size = 0;
    const bool found = HfcBundleFindResource(lookIn, fileName, &path, &data, &size);
    HfcBundleRelease(bundle);
    if (!found) return false;
    if (!path.empty()) return LoadPNGFromFile(path.c_str(), nullptr, 0);
    return LoadPNGFromMemory(data, size);
}

bool CHfcBmp::LoadPNGFromMemory(const unsigned char* data) {
    if (data == nullptr) return false;
    Destroy();
    PngSource source{data, 0, 0, false};
    return DecodePng(this, &source, m_loadError);
}

bool CHfcBmp::LoadPNGFromMemory(const unsigned char* data, size_t size) {
    if (data == nullptr) return false;
    Destroy();
    PngSource source{data, 0, size, true};
    return DecodePng(this, &source, m_loadError);
}

bool CHfcBmp::LoadPNGFromFile(const char* path, unsigned char* buffer, unsigned long bufferSize) {
    unsigned long long fileSize = 0;
    if (path == nullptr || !CHfcFile::GetFileSize(path, &fileSize)) return false;
    if (fileSize > (1ull << 31)) return false;
    std::vector<unsigned char> own;
    unsigned char* target = buffer;
    if (buffer == nullptr || bufferSize < fileSize) {
        try {
            own.resize(static_cast<size_t>(fileSize));
        } catch (...) {
            return false;
        }
        target = own.data();
    }
    FILE* file = std::fopen(path, "rb");
    if (file == nullptr) return false;
    const size_t got = fileSize == 0 ? 0 : std::fread(target, 1, static_cast<size_t>(fileSize), file);
    std::fclose(file);
    if (got != fileSize) return false;
    return LoadPNGFromMemory(target, static_cast<size_t>(fileSize));
}

bool CHfcBmp::Destroy() {
    std::free(m_pPixels);
    m_pPixels = nullptr;
    m_iWidth = 0;
    m_iHeight = 0;
    m_iLockCount = 0;
    return true;
}

bool CHfcBmp::Resize(int width, int height) {
    Destroy();
    return Create(width, height);
}

uint8_t* CHfcBmp::LockPixels() {
    if (m_pPixels == nullptr) return nullptr;
    ++m_iLockCount;
    return m_pPixels;
}

void CHfcBmp::UnlockPixels() {
    if (m_iLockCount <= 0) return;
    --m_iLockCount;
}

void CHfcBmp::FilterColor(uint32_t colour, CHfcBmp* source, int x, int y) {
    if (source == nullptr || m_pPixels == nullptr || source->m_pPixels == nullptr) return;
    const uint32_t mul[4] = {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF, colour >> 24};
    uint8_t* dst = LockPixels();
    const uint8_t* src = source->LockPixels();
    for (int j = 0; j < m_iHeight; ++j) {
        uint8_t* d = dst + static_cast<size_t>(j) * GetRowBytes();
        const int sy = y + j;
        for (int i = 0; i < m_iWidth; ++i) {
            const int sx = x + i;
            if (sy < 0 || sy >= source->m_iHeight || sx < 0 || sx >= source->m_iWidth) {
                std::memset(d + i * 4, 0, 4);
                continue;
            }
            const uint8_t* s = src + static_cast<size_t>(sy) * source->GetRowBytes() + sx * 4;
            for (int c = 0; c < 4; ++c) d[i * 4 + c] = static_cast<uint8_t>((s[c] * mul[c]) >> 8);
        }
    }
    source->UnlockPixels();
    UnlockPixels();
}

uint32_t CHfcBmp::GetPixel(int x, int y) const {
    if (m_pPixels == nullptr || x < 0 || y < 0 || x >= m_iWidth || y >= m_iHeight) return 0;
    const uint8_t* p = m_pPixels + static_cast<size_t>(y) * GetRowBytes() + x * 4;
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
           static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
}

void CHfcBmp::SetPixel(int x, int y, uint32_t argb) {
    if (m_pPixels == nullptr || x < 0 || y < 0 || x >= m_iWidth || y >= m_iHeight) return;
    uint8_t* p = m_pPixels + static_cast<size_t>(y) * GetRowBytes() + x * 4;
    p[0] = argb & 0xFF;
    p[1] = (argb >> 8) & 0xFF;
    p[2] = (argb >> 16) & 0xFF;
    p[3] = argb >> 24;
}

int HfcGetBmpTextWidth(tagHfcBmpFontInfo* font, const char* text) {
    if (font == nullptr || text == nullptr) return 0;
    int width = 0;
    for (const char* c = text; *c != '\0'; ++c) width += font->widths[static_cast<signed char>(*c) + 128];
    return width;
}

bool HfcLoadBmpFont(const char* name, tagHfcBmpFontInfo* font) {
    if (font == nullptr) return false;
    const HfcFontMetrics* metrics = HfcFindFontMetrics(name);
    if (metrics == nullptr) return false;
    auto* bmp = new CHfcBmp;
    if (!bmp->LoadPNG(name, nullptr, 0)) {
        delete bmp;
        return false;
    }
    font->bitmap = bmp;
    std::memcpy(font->widths, metrics->widths, sizeof font->widths);
    font->height = metrics->cellHeight;
    font->textHeight = metrics->textHeight;
    return true;
}

void HfcFreeBmpFont(tagHfcBmpFontInfo* font) {
    if (font == nullptr) return;
    delete font->bitmap;
    font->bitmap = nullptr;
}

bool HfcWritePng(const CHfcBmp* bmp, const char* path) {
    if (bmp == nullptr || path == nullptr || bmp->Pixels() == nullptr) return false;
    FILE* file = std::fopen(path, "wb");
    if (file == nullptr) return false;
    const bool ok = EncodePng(bmp, file);
    return std::fclose(file) == 0 && ok;
}
