#pragma once
// Diagnostic output. TRACE and TRACEV print only while g_enabletrace is non-zero; nothing in the
// product sets it, so they are silent unless a build or a debugger turns them on. Trace never prints.
#include <cstdarg>

extern int g_enabletrace;

void TRACE(const char* format, ...) __attribute__((format(printf, 1, 2)));
void TRACEV(const char* format, va_list args) __attribute__((format(printf, 1, 0)));
void Trace(const char* format, ...) __attribute__((format(printf, 1, 2)));
