#pragma once
// Conversions between a host's parameter values (0.0 to 1.0) and integer ranges, in single
// precision. Every operation takes what a host may send (NaN, infinities, values outside 0..1,
// ranges of one value) and answers within the range.
class CParameter {
public:
    static float Regulate(float x, float min, float max);
    static float Convert(float x, float min, float max);
    // base + clamp(trunc(n * x), 0, n - 1)
    static int Quantize(float x, int n, int base);
    // base + clamp(trunc(n * x - 1 / (2n)), 0, n - 1)
    static int QuantizeToInt(float x, int n, int base);
    // clamp(v - base, 0, n - 1) / (n - 1); 0 for a range of one value
    static float RegulateFromInt(int v, int n, int base);
    static bool SwitchOn(float x);
};
