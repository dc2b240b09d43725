// Fuzzes the PNG decoder with bounded input: any bytes decode or fail without reading past their end,
// and a decoded bitmap has the size its header gave.
#include <cstddef>
#include <cstdint>

#include "Hfc/Draw/HfcBmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CHfcBmp bmp;
    if (bmp.LoadPNGFromMemory(data, size)) {
        if (bmp.GetWidth() <= 0 || bmp.GetHeight() <= 0 || bmp.GetWidth() > CHfcBmp::kMaxImageSide)
            __builtin_trap();
        volatile uint32_t sum = 0;
        sum = sum + bmp.GetPixel(bmp.GetWidth() - 1, bmp.GetHeight() - 1);
    }
    if (bmp.GetLockCount() != 0) __builtin_trap();
    return 0;
}
