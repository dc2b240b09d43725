#include "Hfc/Base/HfcUtil.h"

#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "Linux/SysTick.h"

namespace {
std::atomic<HfcSystemTimeHook> g_timeHook{nullptr};
}

uint32_t HfcGetSystemTimeMs() {
    const HfcSystemTimeHook hook = g_timeHook.load(std::memory_order_acquire);
    return hook != nullptr ? hook() : GetSysTick();
}

HfcSystemTimeHook HfcSetSystemTimeHook(HfcSystemTimeHook hook) {
    return g_timeHook.exchange(hook, std::memory_order_acq_rel);
}

namespace {
std::atomic<HfcDebugHook> g_debugHook{nullptr};
}

void HfcDebugPrintf(const char* format, ...) {
    const HfcDebugHook hook = g_debugHook.load(std::memory_order_acquire);
    if (hook == nullptr || format == nullptr) return;
    char line[512];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    hook(line);
}

HfcDebugHook HfcSetDebugHook(HfcDebugHook hook) {
    return g_debugHook.exchange(hook, std::memory_order_acq_rel);
}

bool CHfcFile::GetExtension(const char* path, char* out, int size) {
    if (path == nullptr || out == nullptr || size <= 0) return false;
    const char* dot = std::strrchr(path, '.');
    if (dot == nullptr || dot == path) return false;
    const size_t length = std::min(std::strlen(dot), static_cast<size_t>(size) - 1);
    std::memcpy(out, dot, length);
    out[length] = '\0';
    return true;
}

bool CHfcFile::AddExtension(char* path, int size, const char* extension) {
    if (path == nullptr || extension == nullptr || size <= 0) return false;
    const size_t have = strnlen(path, static_cast<size_t>(size));
    if (have == static_cast<size_t>(size)) return false;  // not even terminated within the buffer
    const size_t add = std::strlen(extension);
    if (have + add + 1 > static_cast<size_t>(size)) return false;
    std::memcpy(path + have, extension, add + 1);
    return true;
}

bool CHfcFile::GetFileSize(const char* path, unsigned long long* size) {
    struct stat info;
    if (path == nullptr || size == nullptr || stat(path, &info) != 0 || S_ISDIR(info.st_mode)) return false;
    *size = static_cast<unsigned long long>(info.st_size);
    return true;
}

void HfcSetRect(tagHfcRect* rect, int left, int top, int right, int bottom) {
    *rect = tagHfcRect{left, top, right, bottom};
}

void HfcSetPoint(tagHfcPoint* point, int x, int y) {
    *point = tagHfcPoint{x, y};
}

void HfcUnionRect(tagHfcRect* out, const tagHfcRect* a, const tagHfcRect* b) {
    const tagHfcRect result{std::min(a->left, b->left), std::min(a->top, b->top),
                            std::max(a->right, b->right), std::max(a->bottom, b->bottom)};
    *out = result;
}

void MacPoint2HfcPoint(tagHfcPoint* out, const HfcMacPoint* platformPoint) {
    *out = tagHfcPoint{platformPoint->h, platformPoint->v};
}

void HfcPoint2MacPoint(HfcMacPoint* out, const tagHfcPoint* point) {
    auto clamp16 = [](int v) { return static_cast<short>(std::clamp(v, SHRT_MIN, SHRT_MAX)); };
    *out = HfcMacPoint{clamp16(point->x), clamp16(point->y)};
}

void* HfcMemAlloc(size_t size) {
    return std::malloc(size);
}

void* HfcMemRealloc(void* block, size_t size) {
    return std::realloc(block, size);
}

void HfcMemFree(void* block) {
    std::free(block);
}

void* HfcMemSet(void* block, int value, size_t count) {
    return std::memset(block, value, count);
}
