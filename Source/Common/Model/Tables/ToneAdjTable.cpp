// Tone-adjust record (24 bytes): six destination and value pairs.
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"TONE ADJUST PARAMETER 1\0"
     "TONE ADJUST PARAMETER 1",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x0000, 2, 2, 0, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x0001, 2, 5, 2, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 2\0"
     "TONE ADJUST PARAMETER 2",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x0002, 2, 2, 4, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x0003, 2, 5, 6, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 3\0"
     "TONE ADJUST PARAMETER 3",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x0004, 2, 2, 8, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x0005, 2, 5, 10, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 4\0"
     "TONE ADJUST PARAMETER 4",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x0006, 2, 2, 12, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x0007, 2, 5, 14, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 5\0"
     "TONE ADJUST PARAMETER 5",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x0008, 2, 2, 16, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x0009, 2, 5, 18, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"TONE ADJUST PARAMETER 6\0"
     "TONE ADJUST PARAMETER 6",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"DESTINATION\0"
     "DESTINATION",
     nullptr, 0x000A, 2, 2, 20, 0, 7, 0, -1, 1, 0, 0x0, "%.0f,v"},
    {"placeholder\0"
     "placeholder",
     nullptr, 0x000B, 2, 5, 22, 0, 15, 0, -1, 1, 0, 0x0, "%.0f,v"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_TONEADJ = MakeTable(kRows);

}  // namespace QorX0
