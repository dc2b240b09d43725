#include "Common/Model/Mathexp.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "Linux/Trace.h"

namespace QorX0 {

namespace {

enum TokKind { kNumber, kOperator };

struct Token {
    TokKind kind;
    float number;  // kNumber
    char op[3];    // kOperator
};

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool Evaluate(const char* text, size_t length, float v, int depth, float* result);

// Splits text[0, length) into tokens; sub-expressions are evaluated at once into numbers.
// Returns false on error (already traced).
bool Tokenize(const char* text, size_t length, float v, int depth, std::vector<Token>* tokens) {
    size_t i = 0;
    while (i < length) {
        char c = text[i];
        if (IsSpace(c)) {
            ++i;
            continue;
        }
        if (c == '(') {
            int nesting = 1;
            size_t j = i + 1;
            for (; j < length; ++j) {
                if (text[j] == '(') ++nesting;
                if (text[j] == ')' && --nesting == 0) break;
            }
            if (j >= length || depth >= mathexp::kMaxDepth) {
                TRACE("mathexp: parenthesis missmatch\n");
                return false;
            }
            float inner = 0;
            if (!Evaluate(text + i + 1, j - i - 1, v, depth + 1, &inner)) return false;
            tokens->push_back(Token{kNumber, inner, {}});
            i = j + 1;
            continue;
        }
        if (i + 1 < length && text[i + 1] == '=' && (c == '<' || c == '>' || c == '!')) {
            tokens->push_back(Token{kOperator, 0, {c, '=', 0}});
            i += 2;
            continue;
        }
        if (strchr("<>=!&|+-*/", c)) {
            tokens->push_back(Token{kOperator, 0, {c, 0, 0}});
            ++i;
            continue;
        }
        if (c == 'v') {
            tokens->push_back(Token{kNumber, v, {}});
            ++i;
            continue;
        }
        // A number. The range ends at the text's end or at a ')', which strtod never reads past.
        char* end = nullptr;
        double number = strtod(text + i, &end);
        if (end == text + i || end > text + length) {
            TRACE("mathexp: invalid token\n");
            return false;
        }
        tokens->push_back(Token{kNumber, static_cast<float>(number), {}});
        i = static_cast<size_t>(end - text);
    }
    return true;
}

// Reads one operand at tokens[*pos]: a number, "-" number or "!" number.
bool Operand(const std::vector<Token>& tokens, size_t* pos, float* value) {
    size_t i = *pos;
    if (i >= tokens.size()) return false;
    if (tokens[i].kind == kNumber) {
        *value = tokens[i].number;
        *pos = i + 1;
        return true;
    }
    if (i + 1 < tokens.size() && tokens[i + 1].kind == kNumber && tokens[i].op[1] == 0) {
        if (tokens[i].op[0] == '-') {
            *value = -tokens[i + 1].number;
            *pos = i + 2;
            return true;
        }
        if (tokens[i].op[0] == '!') {
            *value = tokens[i + 1].number == 0 ? 1.0f : 0.0f;
            *pos = i + 2;
            return true;
        }
    }
    return false;
}

bool Apply(const char* op, float a, float b, float* out) {
    std::string o(op);
    if (o == "+")
        *out = a + b;
    else if (o == "-")
        *out = a - b;
    else if (o == "*")
        *out = a * b;
    else if (o == "/") {
        if (b == 0) return false;
        *out = a / b;
    } else if (o == "<")
        *out = a < b;
    else if (o == ">")
        *out = a > b;
    else if (o == "<=")
        *out = a <= b;
    else if (o == ">=")
        *out = a >= b;
    else if (o == "=")
        *out = a == b;
    else if (o == "!=")
        *out = a != b;
    else if (o == "&")
        *out = (a != 0 && b != 0);
    else if (o == "|")
        *out = (a != 0 || b != 0);
    else
        return false;
    return true;
}

bool Evaluate(const char* text, size_t length, float v, int depth, float* result) {
    std::vector<Token> tokens;
    if (!Tokenize(text, length, v, depth, &tokens)) return false;
    if (tokens.empty()) return false;
    size_t pos = 0;
    float acc = 0;
    if (!Operand(tokens, &pos, &acc)) {
        TRACE("mathexp: invalid token sequence\n");
        return false;
    }
    while (pos < tokens.size()) {
        float rhs = 0;
        const Token& op = tokens[pos];
        ++pos;
        if (op.kind != kOperator || !Operand(tokens, &pos, &rhs)) {
            TRACE("mathexp: invalid token sequence\n");
            return false;
        }
        if (!Apply(op.op, acc, rhs, &acc)) {
            if (op.op[0] == '/' && op.op[1] == 0) {
                TRACE("mathexp: division by zero\n");
            } else {
                TRACE("mathexp: invalid token sequence\n");
            }
            return false;
        }
    }
    *result = acc;
    return true;
}

}  // namespace

bool mathexp::eval(const char* text, float v, float* result) {
    if (!text || !*text || !result) return false;
    return Evaluate(text, strlen(text), v, 0, result);
}

}  // namespace QorX0
