#pragma once
// The small expression language of display formats: numbers, the variable v, parentheses, unary
// - and !, and the binary operators + - * / < > <= >= = != & |, evaluated strictly from left to
// right without precedence ("1+2*3" is 9).

namespace QorX0 {

class mathexp {
public:
    // False (and result untouched) for an absent or empty text, a syntax error, a division by zero
    // or parentheses nested deeper than kMaxDepth.
    static bool eval(const char* text, float v, float* result);

    static constexpr int kMaxDepth = 32;
};

}  // namespace QorX0
