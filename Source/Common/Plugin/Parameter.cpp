#include "Common/Plugin/Parameter.h"

#include <cmath>

namespace {
// NaN counts as the range's start; infinities as its ends.
float Sane(float x) {
    return std::isnan(x) ? 0.0f : x;
}

// trunc(v) clamped to 0..n-1 without ever converting an out-of-range float to int.
int ClampIndex(float v, int n) {
    if (n <= 1 || !(v > 0.0f)) return 0;
    if (v >= static_cast<float>(n - 1)) return n - 1;
    return static_cast<int>(v);
}
}  // namespace

float CParameter::Regulate(float x, float min, float max) {
    if (max == min) return 0.0f;
    return (Sane(x) - min) / (max - min);
}

float CParameter::Convert(float x, float min, float max) {
    return min + (max - min) * Sane(x);
}

int CParameter::Quantize(float x, int n, int base) {
    float nf = static_cast<float>(n);
    return base + ClampIndex(nf * Sane(x), n);
}

int CParameter::QuantizeToInt(float x, int n, int base) {
    if (n <= 1) return base;
    float nf = static_cast<float>(n);
    return base + ClampIndex(nf * Sane(x) - 1.0f / (2.0f * nf), n);
}

float CParameter::RegulateFromInt(int v, int n, int base) {
    if (n <= 1) return 0.0f;
    long long d = static_cast<long long>(v) - base;
    if (d < 0) d = 0;
    if (d > n - 1) d = n - 1;
    return static_cast<float>(d) / static_cast<float>(n - 1);
}

bool CParameter::SwitchOn(float x) {
    return !(Sane(x) < 0.5f);
}
