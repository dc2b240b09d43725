#include "Linux/Trace.h"

#include <cstdio>

int g_enabletrace = 0;

void TRACEV(const char* format, va_list args) {
    if (g_enabletrace == 0 || format == nullptr) return;
    std::vfprintf(stdout, format, args);
}

void TRACE(const char* format, ...) {
    va_list args;
    va_start(args, format);
    TRACEV(format, args);
    va_end(args);
}

void Trace(const char*, ...) {}
