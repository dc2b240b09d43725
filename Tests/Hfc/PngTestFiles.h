#pragma once
// PNG files made by the tests with libpng, in any colour type and bit depth.
#include <png.h>

#include <cstdint>
#include <vector>

struct TestPng {
    int width = 1;
    int height = 1;
    int colourType = PNG_COLOR_TYPE_RGB;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> samples;      // packed rows as the format stores them
    std::vector<png_color> palette;    // type 3
    std::vector<png_byte> transAlpha;  // tRNS of a palette image
    bool hasTransColour = false;       // tRNS of a grey or RGB image
    png_color_16 transColour{};

    std::vector<uint8_t> Encode() const {
        std::vector<uint8_t> out;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            png_destroy_write_struct(&png, &info);
            return {};
        }
        png_set_write_fn(
            png, &out,
            [](png_structp p, png_bytep data, png_size_t n) {
                auto* v = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
                v->insert(v->end(), data, data + n);
            },
            [](png_structp) {});
        png_set_IHDR(png, info, width, height, bitDepth, colourType,
                     interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                     PNG_FILTER_TYPE_DEFAULT);
        if (!palette.empty()) png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
        if (!transAlpha.empty()) {
            png_set_tRNS(png, info, transAlpha.data(), static_cast<int>(transAlpha.size()), nullptr);
        }
        if (hasTransColour) png_set_tRNS(png, info, nullptr, 0, const_cast<png_color_16*>(&transColour));
        png_write_info(png, info);
        const size_t rowBytes = png_get_rowbytes(png, info);
        std::vector<png_bytep> rows(height);
        std::vector<uint8_t> copy = samples;
        copy.resize(rowBytes * height);
        for (int y = 0; y < height; ++y) rows[y] = copy.data() + rowBytes * y;
        png_write_image(png, rows.data());
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        return out;
    }
};
