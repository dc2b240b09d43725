#pragma once
// Small toolkit services: the millisecond clock, file-name and file-size operations, rectangles and
// points, and thin memory wrappers. Any thread may call the clock and the memory wrappers.
#include <cstddef>
#include <cstdint>

// Milliseconds of the monotonic clock truncated to 32 bits (the same tick as GetSysTick); unsigned
// differences stay right across the wrap.
uint32_t HfcGetSystemTimeMs();
// Tests replace the toolkit clock (drag ratios, double clicks, menu timing); null restores the
// real one. Returns the previous hook.
using HfcSystemTimeHook = uint32_t (*)();
HfcSystemTimeHook HfcSetSystemTimeHook(HfcSystemTimeHook hook);

// Debug output of the toolkit: prints nothing; a test may watch the lines through a hook.
void HfcDebugPrintf(const char* format, ...) __attribute__((format(printf, 1, 2)));
using HfcDebugHook = void (*)(const char* line);
HfcDebugHook HfcSetDebugHook(HfcDebugHook hook);

class CHfcFile {
public:
    // The text from the path's last '.' on (the '.' included), cut to size - 1 characters. False, with
    // out untouched, when there is no '.' after the first character or when size <= 0.
    static bool GetExtension(const char* path, char* out, int size);
    // Appends extension to the path held in a buffer of size bytes. False, with the path unchanged,
    // when the result would not fit.
    static bool AddExtension(char* path, int size, const char* extension);
    // The size in bytes of a file (links followed); false for a folder or anything that cannot be read.
    static bool GetFileSize(const char* path, unsigned long long* size);
};

struct tagHfcRect {
    int left;
    int top;
    int right;
    int bottom;
};

struct tagHfcPoint {
    int x;
    int y;
};

// A point of the window system, with 16-bit coordinates.
struct HfcMacPoint {
    short h;
    short v;
};

void HfcSetRect(tagHfcRect* rect, int left, int top, int right, int bottom);
void HfcSetPoint(tagHfcPoint* point, int x, int y);
// Left and top the smaller, right and bottom the larger of a and b; empty rectangles count like any
// other. out may be a or b.
void HfcUnionRect(tagHfcRect* out, const tagHfcRect* a, const tagHfcRect* b);
void MacPoint2HfcPoint(tagHfcPoint* out, const HfcMacPoint* platformPoint);
// Coordinates outside the 16-bit range are clamped to it.
void HfcPoint2MacPoint(HfcMacPoint* out, const tagHfcPoint* point);

void* HfcMemAlloc(size_t size);
void* HfcMemRealloc(void* block, size_t size);
void HfcMemFree(void* block);
void* HfcMemSet(void* block, int value, size_t count);
