#include "Common/Model/ModelStrings.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

namespace QorX0 {

std::string formatstring(const char* format, ...) {
    char buffer[256];
    va_list args;
    va_start(args, format);
    int n = vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return std::string();
    return std::string(buffer);
}

std::string formatmode(unsigned char mode) {
    switch (mode) {
        case 0:
            return "COMBIPLAY";
        case 1:
            return "COMBIEDIT";
        case 2:
            return "PROGPLAY";
        case 3:
            return "PROGEDIT";
        case 4:
            return "MULTI";
        case 6:
            return "GLOBAL";
        default:
            return formatstring("0x%02X", mode);
    }
}

std::string GetModalCaption(unsigned pmid, bool standalone) {
    if (pmid == 1) return standalone ? "Tolva Editor" : "Tolva Plug-In Editor";
    if (pmid == 9) return standalone ? "Nerimo Editor" : "Nerimo Plug-In Editor";
    return std::string();
}

std::string extractchunkname(const void* record) {
    const signed char* p = static_cast<const signed char*>(record);
    std::string name;
    for (unsigned i = 0; i < 16 && p[i] >= 0x20; ++i) name += static_cast<char>(p[i]);
    return name;
}

std::string extractsubstring(const char* text, unsigned n, char separator) {
    if (!text) return std::string();
    if (!separator) return n == 0 ? std::string(text) : std::string();  // the terminator splits nothing
    const char* start = text;
    for (unsigned i = 0; i < n; ++i) {
        start = strchr(start, separator);
        if (!start) return std::string();
        ++start;
    }
    const char* end = strchr(start, separator);
    return end ? std::string(start, end) : std::string(start);
}

std::vector<std::string> breakstring(const char* text, char separator) {
    std::vector<std::string> fields;
    if (!text) return fields;
    if (!separator) {  // the terminator splits nothing (strchr would find it and step past the text)
        if (*text) fields.emplace_back(text);
        return fields;
    }
    const char* start = text;
    while (*start) {
        const char* end = strchr(start, separator);
        if (!end) {
            fields.emplace_back(start);
            break;
        }
        fields.emplace_back(start, end);
        start = end + 1;
    }
    return fields;
}

bool parseint(const char* text, int* value) {
    if (!text) return false;
    char* end = nullptr;
    errno = 0;
    long long v = strtoll(text, &end, 0);
    if (end == text) return false;
    if (v > INT_MAX) v = INT_MAX;
    if (v < INT_MIN) v = INT_MIN;
    *value = static_cast<int>(v);
    return true;
}

void breakenumstring(const char* format, std::vector<int>* values, std::vector<std::string>* labels,
                     std::vector<std::string>* shortLabels) {
    if (values) values->clear();
    if (labels) labels->clear();
    if (shortLabels) shortLabels->clear();
    if (!format || !*format) return;
    int next = 0;
    const char* line = format;
    for (;;) {
        const char* eol = strchr(line, '\n');
        std::string text = eol ? std::string(line, eol) : std::string(line);
        std::string label = text;
        size_t tab = text.find('\t');
        int value = next;
        if (tab != std::string::npos) {
            int v = 0;
            value = parseint(text.substr(0, tab).c_str(), &v) ? v : 0;
            label = text.substr(tab + 1);
        }
        next = value + 1;
        std::string shortLabel;
        size_t bar = label.find('|');
        if (bar != std::string::npos) {
            shortLabel = label.substr(bar + 1);
            label.resize(bar);
        }
        if (shortLabel.empty()) shortLabel = label;
        if (values) values->push_back(value);
        if (labels) labels->push_back(label);
        if (shortLabels) shortLabels->push_back(shortLabel);
        if (!eol || !eol[1]) break;  // a line feed at the very end adds no entry
        line = eol + 1;
    }
}

std::string makemultisz(const char* first, const char* second) {
    std::string a = first ? first : "";
    std::string b = (second && *second) ? second : a;
    std::string out = a;
    out += '\0';
    out += b;
    out += '\0';
    return out;
}

std::string multiszlong(const std::string& text) {
    return std::string(text.c_str());
}

std::string multiszshort(const std::string& text) {
    size_t zero = text.find('\0');
    if (zero == std::string::npos) return text;
    std::string rest(text.c_str() + zero + 1);
    return rest.empty() ? multiszlong(text) : rest;
}

int strcmprank(const char* a, const char* b) {
    if (!a) a = "";
    if (!b) b = "";
    if (strcmp(a, b) == 0) return 5;
    if (strcasecmp(a, b) == 0) return 4;
    size_t n = std::min(strlen(a), strlen(b));
    if (strncmp(a, b, n) == 0) return 3;
    if (strncasecmp(a, b, n) == 0) return 2;
    return 0;
}

}  // namespace QorX0
