#pragma once
// One row per parameter: the static description in the tables, and the bound copy that a section
// hands out (same layout; the last three fields are filled at binding and by the section).
//
// Writing rows
// ------------
// name    Double string: long name, zero byte, short name. Write it as "LONG\0" "SHORT" (split the
//         literal so a short name that starts with a digit is not read as an octal escape); repeat
//         the long name when there is no shorter form: "PAN\0" "PAN". Captions too: "STEP 0\0" "STEP 0";
//         a caption may be empty or one line feed (a layout break).
// unit    "Cent", "%", "dB", "Hz", "ms", "bpm", "s" or nullptr.
// pid     High byte a group, low byte an index; -1 (kPidNone) for captions. A PID with bit 15 set
//         is never sent to the instrument.
// offset, lobit, hibit
//         Byte offset of the field in the record; bit 0 is the least significant bit of the field's
//         LAST byte (fields of 2 and 3 bytes are big-endian). A binder refuses (makes a caption of)
//         any row whose field would reach past the end of the record it is bound to.
// defval  Value space of the accessor: for list rows (PTYPE 3/4) the POSITION in the list.
// minval, maxval
//         Static range of continuous rows; replaced at binding by the converter's range.
// format  Display format, see below; nullptr or "" for captions and strings.
//
// Format strings
// --------------
// Per-model pieces: "1\f<format for model 1>\f9\f<format for model 9>"; a format without form feeds
// applies to every model.
//
// Continuous rows (PTYPE 2): one entry per line (LF between entries). An entry has 1 to 3 parts
// separated by TAB:
//     "<rawlo>~<rawhi>\t<displo>~<disphi>\t<printf>,<expr>,<expr>..."   raw range, display range
//     "<rawlo>~<rawhi>\t<printf>,<expr>..."                            display range = raw range
//     "<raw>\t<label>" or "<raw>\t<label>|<short>"                     one value shown as a label
//     "<printf>,<expr>..."                                             raw range = row's min..max
// A single number stands for lo = hi. The value d mapped linearly from the raw range onto the display
// range is the variable v of each expression; each expression result is handed to the printf part
// as a double, so use floating conversions: "%.0f,v", "%+.0f,v", "L%03.0f,v", "%.1f:1,v".
// Expressions (mathexp) are evaluated strictly left to right, no precedence: "1+2*3" is 9; use
// parentheses. Operators: + - * / < > <= >= = != & | and unary - and ! on a number.
// The converter's range is the union of the row's min..max and every entry's raw range.
// Examples: "0~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v"   "-39\t-Inf\n-38~24\t%+.0f,v"
//
// List rows (PTYPE 3 and 4): one entry per line, "<stored value>\t<label>" or "<value>\t<label>|<short>";
// the value takes its base from its prefix (0x.. hex, leading 0 octal); a line without a TAB takes
// the previous value + 1 (the first such line 0) and is all label: "00:No Effect\n01:Amp Sim".
// The accessor stores the line's value; the section sees the line's position.
#include <cstdint>
#include <string>

namespace QorX0 {

class IAccessor;
class IStringConverter;

// PTYPE: how a parameter is shown.
constexpr int32_t kPTypeCaption = 0;
constexpr int32_t kPTypeString = 1;
constexpr int32_t kPTypeCont = 2;
constexpr int32_t kPTypeList = 3;
constexpr int32_t kPTypeSwitch = 4;

// ATYPE: how a parameter is stored.
constexpr int32_t kATypeNone = 0;
constexpr int32_t kATypeName16 = 1;  // 16-character space-padded name
constexpr int32_t kATypeUBF8 = 2;    // unsigned bits in one byte
constexpr int32_t kATypeSBF8 = 3;    // signed bits in one byte
constexpr int32_t kATypeUBF16 = 4;   // unsigned bits in two bytes, big-endian
constexpr int32_t kATypeSBF16 = 5;   // signed bits in two bytes, big-endian
constexpr int32_t kATypeUBF24 = 6;   // unsigned bits in three bytes, big-endian
constexpr int32_t kATypeBnkPgm = 7;  // bank and program in two 7-bit bytes
constexpr int32_t kATypeCmbSts = 8;  // combination timbre status
constexpr int32_t kATypeName32 = 9;  // 32-character zero-padded name

// What a 32-character name row keeps of a text: its first 32 characters, without the spaces and
// zero bytes that pad them.
inline std::string Name32Kept(std::string text) {
    if (text.size() > 32) text.resize(32);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\0')) text.pop_back();
    return text;
}

// Row flags.
constexpr int32_t kPFlagProtected = 0x03;          // plain writes and instrument changes refused
constexpr int32_t kPFlagInitDefaultPlay = 0x10;    // initial value is the default (play-view rows)
constexpr int32_t kPFlagInitDefaultArp = 0x20;     // (arpeggio pattern select)
constexpr int32_t kPFlagInitDefaultGlobal = 0x40;  // (global rows, TEMPO among them)
constexpr int32_t kPFlagInitDefault = 0x70;

constexpr int32_t kPidNone = -1;
constexpr int32_t kPidNoSend = 0x8000;  // bit 15 of the low 16 bits: never sent as a parameter change

struct PARAMDESC {
    const char* name;
    const char* unit;
    int32_t pid;
    int32_t ptype;
    int32_t atype;
    int32_t offset;
    uint16_t lobit;
    uint16_t hibit;
    int32_t defval;
    int32_t minval;
    int32_t maxval;
    int32_t initval;
    int32_t flags;
    const char* format;
    // Filled at binding (shared, immutable objects of the pools) and by the section.
    const IAccessor* accessor = nullptr;
    const IStringConverter* converter = nullptr;
    void* record = nullptr;
};

struct TABLEDESC {
    const PARAMDESC* rows;
    uint32_t count;
};

// TABLEDESC of a static row array.
template <uint32_t N>
constexpr TABLEDESC MakeTable(const PARAMDESC (&rows)[N]) {
    return TABLEDESC{rows, N};
}

}  // namespace QorX0
