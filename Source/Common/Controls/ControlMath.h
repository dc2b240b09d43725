#pragma once
// Conversions every control shares where a float or double accumulator becomes an integer value.
// A plain cast of an out-of-range or NaN floating value to int is undefined, so the controls convert
// through this one helper and then clamp to their own range.
#include <climits>
#include <cmath>
#include <type_traits>

// The value truncated toward zero; above INT_MAX gives INT_MAX, below INT_MIN gives INT_MIN, and a
// NaN gives INT_MIN (0x80000000, the marker of "no value"), so that a drag far beyond the range
// ends at the nearer end once the control clamps.
template <class F>
constexpr int SaturatingToInt(F value) {
    static_assert(std::is_floating_point_v<F>, "SaturatingToInt converts floating values");
    if (value != value) return INT_MIN;
    // 2^31 is exact in every floating type; INT_MAX itself is not exact in float.
    if (value >= static_cast<F>(2147483648.0)) return INT_MAX;
    if (value <= static_cast<F>(-2147483648.0)) return INT_MIN;
    return static_cast<int>(value);
}

// The value rounded toward minus infinity, saturating as above: an accumulator that starts half a
// step above a value then moves the same distance to the next value either way, below 0 as above.
template <class F>
int SaturatingFloorToInt(F value) {
    return SaturatingToInt(std::floor(value));
}

// The step an arrow key asks of the focused control: right (29) and up (30) increase, left (28)
// and down (31) decrease; 0 for any other key.
constexpr int ArrowKeyDirection(int character) {
    return character == 29 || character == 30 ? 1 : character == 28 || character == 31 ? -1 : 0;
}
