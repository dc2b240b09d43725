#pragma once
// Text helpers shared by the tables, the records and the link: printf into a string, mode and product
// names, record names, field splitting, list formats, double strings and ranked matching.
#include <string>
#include <vector>

namespace QorX0 {

// printf into a string of at most 255 characters.
std::string formatstring(const char* format, ...) __attribute__((format(printf, 1, 2)));

// "COMBIPLAY", "COMBIEDIT", "PROGPLAY", "PROGEDIT", "MULTI", "GLOBAL"; anything else "0x%02X".
std::string formatmode(unsigned char mode);

// Product title of a model, for message boxes and the preferences store; empty for unknown models.
std::string GetModalCaption(unsigned pmid, bool standalone);

// The name at the start of a record: up to 16 bytes, ending before the first byte below 0x20 or at
// or above 0x80; trailing spaces are kept.
std::string extractchunkname(const void* record);

// Field n (from 0) of text split at separator; empty when text is absent or has no such field.
std::string extractsubstring(const char* text, unsigned n, char separator);

// All fields of text split at separator; a separator at the very end adds no empty field.
std::vector<std::string> breakstring(const char* text, char separator);

// Reads a list format ("value<TAB>label|short" per line; a line without TAB takes the previous
// value + 1). Any output may be null; given outputs are cleared first.
void breakenumstring(const char* format, std::vector<int>* values, std::vector<std::string>* labels,
                     std::vector<std::string>* shortLabels);

// Double string: first, zero byte, second (first again when second is absent or empty), zero byte.
std::string makemultisz(const char* first, const char* second);
// The long and the short part of a double string (or of a row name written as "LONG\0SHORT").
std::string multiszlong(const std::string& text);
std::string multiszshort(const std::string& text);

// 5 equal, 4 equal ignoring case, 3 equal over the shorter length, 2 the same ignoring case, else 0.
int strcmprank(const char* a, const char* b);

// Integer reading of a text with the base taken from its prefix; false when no digits were read.
// The result is clamped to the int range.
bool parseint(const char* text, int* value);

}  // namespace QorX0
