// Arpeggio pattern (320 bytes): 19 header rows, then a group of 17 rows per step (6-byte step at 32 + 6 x
// step).
#include "Common/Model/Tables/SmallTables.h"
#include "Common/Model/Tables/SoundFormats.h"

namespace QorX0 {

namespace {

const char kFormat0[] = "0\tA\n1\tB";
const char kFormat1[] = "0\tUp\n1\tDown\n2\tBoth\n3\tParallel";
const char kFormat2[] = "0\tAs Played\n1\tAs Played(Fill)\n2\tRunning\n3\tUp&Down";
const char kFormat3[] = "0\tNormal\n1\tFixed Note";
const char kFormat4[] = "0\tAs Played\n1\tAll Tones";
const char kFormat5[] = "%.0f,v";
const char kFormat6[] = "0\tOff\n1~100\t%.0f,v\n101\tLegato";
const char kFormat7[] = "1~127\t%.0f,v\n128\tKey";
const char kFormat8[] = "0\tDIS\n1\tENA";

constinit const PARAMDESC kRows[] = {
    {"ARPEGGIATOR SELECT\0"
     "ARPEGGIATOR SELECT",
     nullptr, 0x0016, 3, 2, 0, 0, 7, 0, 0, 0, 0, 0x20, kFormat0},
    {"ARP.  NAME\0"
     "ARP.  NAME",
     nullptr, 0xFF00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"OCTAVE MOTION\0"
     "OCTAVE MOTION",
     nullptr, 0x0001, 3, 2, 16, 0, 1, 0, 0, 0, 0, 0x0, kFormat1},
    {"TYPE\0"
     "TYPE",
     nullptr, 0x0000, 3, 2, 16, 2, 3, 0, 0, 0, 0, 0x0, kFormat2},
    {"TONE MODE\0"
     "TONE MODE",
     nullptr, 0x0003, 3, 2, 16, 4, 4, 0, 0, 0, 0, 0x0, kFormat3},
    {"FIXED NOTE MODE\0"
     "FIXED NOTE MODE",
     nullptr, 0x0004, 3, 2, 16, 5, 5, 0, 0, 0, 0, 0x0, kFormat4},
    {"LENGTH\0"
     "LENGTH",
     nullptr, 0x0002, 2, 2, 17, 0, 7, 1, 1, 48, 0, 0x0, kFormat5},
    {"TONE 00 NOTE NO\0"
     "TONE 00 NOTE NO",
     nullptr, 0x0005, 3, 2, 20, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 01 NOTE NO\0"
     "TONE 01 NOTE NO",
     nullptr, 0x0105, 3, 2, 21, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 02 NOTE NO\0"
     "TONE 02 NOTE NO",
     nullptr, 0x0205, 3, 2, 22, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 03 NOTE NO\0"
     "TONE 03 NOTE NO",
     nullptr, 0x0305, 3, 2, 23, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 04 NOTE NO\0"
     "TONE 04 NOTE NO",
     nullptr, 0x0405, 3, 2, 24, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 05 NOTE NO\0"
     "TONE 05 NOTE NO",
     nullptr, 0x0505, 3, 2, 25, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 06 NOTE NO\0"
     "TONE 06 NOTE NO",
     nullptr, 0x0605, 3, 2, 26, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 07 NOTE NO\0"
     "TONE 07 NOTE NO",
     nullptr, 0x0705, 3, 2, 27, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 08 NOTE NO\0"
     "TONE 08 NOTE NO",
     nullptr, 0x0805, 3, 2, 28, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 09 NOTE NO\0"
     "TONE 09 NOTE NO",
     nullptr, 0x0905, 3, 2, 29, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 10 NOTE NO\0"
     "TONE 10 NOTE NO",
     nullptr, 0x0A05, 3, 2, 30, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"TONE 11 NOTE NO\0"
     "TONE 11 NOTE NO",
     nullptr, 0x0B05, 3, 2, 31, 0, 7, 0, 0, 0, 0, 0x0, kFmtNoteList},
    {"STEP 0\0"
     "STEP 0",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0006, 2, 3, 32, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0007, 2, 2, 33, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0008, 2, 2, 34, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0009, 2, 3, 35, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x000A, 4, 2, 37, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x000B, 4, 2, 37, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x000C, 4, 2, 37, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x000D, 4, 2, 37, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x000E, 4, 2, 37, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x000F, 4, 2, 37, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0010, 4, 2, 37, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0011, 4, 2, 37, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0012, 4, 2, 36, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0013, 4, 2, 36, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0014, 4, 2, 36, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0015, 4, 2, 36, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 1\0"
     "STEP 1",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0106, 2, 3, 38, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0107, 2, 2, 39, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0108, 2, 2, 40, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0109, 2, 3, 41, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x010A, 4, 2, 43, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x010B, 4, 2, 43, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x010C, 4, 2, 43, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x010D, 4, 2, 43, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x010E, 4, 2, 43, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x010F, 4, 2, 43, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0110, 4, 2, 43, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0111, 4, 2, 43, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0112, 4, 2, 42, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0113, 4, 2, 42, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0114, 4, 2, 42, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0115, 4, 2, 42, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 2\0"
     "STEP 2",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0206, 2, 3, 44, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0207, 2, 2, 45, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0208, 2, 2, 46, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0209, 2, 3, 47, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x020A, 4, 2, 49, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x020B, 4, 2, 49, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x020C, 4, 2, 49, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x020D, 4, 2, 49, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x020E, 4, 2, 49, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x020F, 4, 2, 49, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0210, 4, 2, 49, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0211, 4, 2, 49, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0212, 4, 2, 48, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0213, 4, 2, 48, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0214, 4, 2, 48, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0215, 4, 2, 48, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 3\0"
     "STEP 3",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0306, 2, 3, 50, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0307, 2, 2, 51, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0308, 2, 2, 52, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0309, 2, 3, 53, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x030A, 4, 2, 55, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x030B, 4, 2, 55, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x030C, 4, 2, 55, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x030D, 4, 2, 55, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x030E, 4, 2, 55, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x030F, 4, 2, 55, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0310, 4, 2, 55, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0311, 4, 2, 55, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0312, 4, 2, 54, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0313, 4, 2, 54, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0314, 4, 2, 54, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0315, 4, 2, 54, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 4\0"
     "STEP 4",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0406, 2, 3, 56, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0407, 2, 2, 57, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0408, 2, 2, 58, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0409, 2, 3, 59, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x040A, 4, 2, 61, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x040B, 4, 2, 61, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x040C, 4, 2, 61, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x040D, 4, 2, 61, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x040E, 4, 2, 61, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x040F, 4, 2, 61, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0410, 4, 2, 61, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0411, 4, 2, 61, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0412, 4, 2, 60, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0413, 4, 2, 60, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0414, 4, 2, 60, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0415, 4, 2, 60, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 5\0"
     "STEP 5",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0506, 2, 3, 62, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0507, 2, 2, 63, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0508, 2, 2, 64, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0509, 2, 3, 65, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x050A, 4, 2, 67, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x050B, 4, 2, 67, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x050C, 4, 2, 67, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x050D, 4, 2, 67, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x050E, 4, 2, 67, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x050F, 4, 2, 67, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0510, 4, 2, 67, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0511, 4, 2, 67, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0512, 4, 2, 66, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0513, 4, 2, 66, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0514, 4, 2, 66, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0515, 4, 2, 66, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 6\0"
     "STEP 6",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0606, 2, 3, 68, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0607, 2, 2, 69, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0608, 2, 2, 70, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0609, 2, 3, 71, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x060A, 4, 2, 73, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x060B, 4, 2, 73, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x060C, 4, 2, 73, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x060D, 4, 2, 73, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x060E, 4, 2, 73, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x060F, 4, 2, 73, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0610, 4, 2, 73, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0611, 4, 2, 73, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0612, 4, 2, 72, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0613, 4, 2, 72, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0614, 4, 2, 72, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0615, 4, 2, 72, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 7\0"
     "STEP 7",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0706, 2, 3, 74, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0707, 2, 2, 75, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0708, 2, 2, 76, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0709, 2, 3, 77, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x070A, 4, 2, 79, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x070B, 4, 2, 79, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x070C, 4, 2, 79, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x070D, 4, 2, 79, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x070E, 4, 2, 79, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x070F, 4, 2, 79, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0710, 4, 2, 79, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0711, 4, 2, 79, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0712, 4, 2, 78, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0713, 4, 2, 78, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0714, 4, 2, 78, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0715, 4, 2, 78, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 8\0"
     "STEP 8",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0806, 2, 3, 80, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0807, 2, 2, 81, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0808, 2, 2, 82, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0809, 2, 3, 83, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x080A, 4, 2, 85, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x080B, 4, 2, 85, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x080C, 4, 2, 85, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x080D, 4, 2, 85, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x080E, 4, 2, 85, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x080F, 4, 2, 85, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0810, 4, 2, 85, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0811, 4, 2, 85, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0812, 4, 2, 84, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0813, 4, 2, 84, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0814, 4, 2, 84, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0815, 4, 2, 84, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 9\0"
     "STEP 9",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0906, 2, 3, 86, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0907, 2, 2, 87, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0908, 2, 2, 88, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0909, 2, 3, 89, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x090A, 4, 2, 91, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x090B, 4, 2, 91, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x090C, 4, 2, 91, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x090D, 4, 2, 91, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x090E, 4, 2, 91, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x090F, 4, 2, 91, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0910, 4, 2, 91, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0911, 4, 2, 91, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0912, 4, 2, 90, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0913, 4, 2, 90, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0914, 4, 2, 90, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0915, 4, 2, 90, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 10\0"
     "STEP 10",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0A06, 2, 3, 92, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0A07, 2, 2, 93, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0A08, 2, 2, 94, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0A09, 2, 3, 95, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0A0A, 4, 2, 97, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0A0B, 4, 2, 97, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0A0C, 4, 2, 97, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0A0D, 4, 2, 97, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0A0E, 4, 2, 97, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0A0F, 4, 2, 97, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0A10, 4, 2, 97, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0A11, 4, 2, 97, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0A12, 4, 2, 96, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0A13, 4, 2, 96, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0A14, 4, 2, 96, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0A15, 4, 2, 96, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 11\0"
     "STEP 11",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0B06, 2, 3, 98, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0B07, 2, 2, 99, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0B08, 2, 2, 100, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0B09, 2, 3, 101, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0B0A, 4, 2, 103, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0B0B, 4, 2, 103, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0B0C, 4, 2, 103, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0B0D, 4, 2, 103, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0B0E, 4, 2, 103, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0B0F, 4, 2, 103, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0B10, 4, 2, 103, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0B11, 4, 2, 103, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0B12, 4, 2, 102, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0B13, 4, 2, 102, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0B14, 4, 2, 102, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0B15, 4, 2, 102, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 12\0"
     "STEP 12",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0C06, 2, 3, 104, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0C07, 2, 2, 105, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0C08, 2, 2, 106, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0C09, 2, 3, 107, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0C0A, 4, 2, 109, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0C0B, 4, 2, 109, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0C0C, 4, 2, 109, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0C0D, 4, 2, 109, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0C0E, 4, 2, 109, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0C0F, 4, 2, 109, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0C10, 4, 2, 109, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0C11, 4, 2, 109, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0C12, 4, 2, 108, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0C13, 4, 2, 108, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0C14, 4, 2, 108, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0C15, 4, 2, 108, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 13\0"
     "STEP 13",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0D06, 2, 3, 110, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0D07, 2, 2, 111, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0D08, 2, 2, 112, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0D09, 2, 3, 113, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0D0A, 4, 2, 115, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0D0B, 4, 2, 115, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0D0C, 4, 2, 115, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0D0D, 4, 2, 115, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0D0E, 4, 2, 115, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0D0F, 4, 2, 115, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0D10, 4, 2, 115, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0D11, 4, 2, 115, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0D12, 4, 2, 114, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0D13, 4, 2, 114, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0D14, 4, 2, 114, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0D15, 4, 2, 114, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 14\0"
     "STEP 14",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0E06, 2, 3, 116, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0E07, 2, 2, 117, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0E08, 2, 2, 118, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0E09, 2, 3, 119, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0E0A, 4, 2, 121, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0E0B, 4, 2, 121, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0E0C, 4, 2, 121, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0E0D, 4, 2, 121, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0E0E, 4, 2, 121, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0E0F, 4, 2, 121, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0E10, 4, 2, 121, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0E11, 4, 2, 121, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0E12, 4, 2, 120, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0E13, 4, 2, 120, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0E14, 4, 2, 120, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0E15, 4, 2, 120, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 15\0"
     "STEP 15",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x0F06, 2, 3, 122, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x0F07, 2, 2, 123, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x0F08, 2, 2, 124, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x0F09, 2, 3, 125, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x0F0A, 4, 2, 127, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x0F0B, 4, 2, 127, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x0F0C, 4, 2, 127, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x0F0D, 4, 2, 127, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x0F0E, 4, 2, 127, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x0F0F, 4, 2, 127, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x0F10, 4, 2, 127, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x0F11, 4, 2, 127, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x0F12, 4, 2, 126, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x0F13, 4, 2, 126, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x0F14, 4, 2, 126, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x0F15, 4, 2, 126, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 16\0"
     "STEP 16",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1006, 2, 3, 128, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1007, 2, 2, 129, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1008, 2, 2, 130, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1009, 2, 3, 131, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x100A, 4, 2, 133, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x100B, 4, 2, 133, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x100C, 4, 2, 133, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x100D, 4, 2, 133, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x100E, 4, 2, 133, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x100F, 4, 2, 133, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1010, 4, 2, 133, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1011, 4, 2, 133, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1012, 4, 2, 132, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1013, 4, 2, 132, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1014, 4, 2, 132, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1015, 4, 2, 132, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 17\0"
     "STEP 17",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1106, 2, 3, 134, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1107, 2, 2, 135, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1108, 2, 2, 136, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1109, 2, 3, 137, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x110A, 4, 2, 139, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x110B, 4, 2, 139, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x110C, 4, 2, 139, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x110D, 4, 2, 139, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x110E, 4, 2, 139, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x110F, 4, 2, 139, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1110, 4, 2, 139, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1111, 4, 2, 139, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1112, 4, 2, 138, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1113, 4, 2, 138, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1114, 4, 2, 138, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1115, 4, 2, 138, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 18\0"
     "STEP 18",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1206, 2, 3, 140, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1207, 2, 2, 141, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1208, 2, 2, 142, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1209, 2, 3, 143, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x120A, 4, 2, 145, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x120B, 4, 2, 145, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x120C, 4, 2, 145, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x120D, 4, 2, 145, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x120E, 4, 2, 145, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x120F, 4, 2, 145, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1210, 4, 2, 145, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1211, 4, 2, 145, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1212, 4, 2, 144, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1213, 4, 2, 144, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1214, 4, 2, 144, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1215, 4, 2, 144, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 19\0"
     "STEP 19",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1306, 2, 3, 146, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1307, 2, 2, 147, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1308, 2, 2, 148, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1309, 2, 3, 149, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x130A, 4, 2, 151, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x130B, 4, 2, 151, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x130C, 4, 2, 151, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x130D, 4, 2, 151, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x130E, 4, 2, 151, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x130F, 4, 2, 151, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1310, 4, 2, 151, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1311, 4, 2, 151, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1312, 4, 2, 150, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1313, 4, 2, 150, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1314, 4, 2, 150, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1315, 4, 2, 150, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 20\0"
     "STEP 20",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1406, 2, 3, 152, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1407, 2, 2, 153, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1408, 2, 2, 154, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1409, 2, 3, 155, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x140A, 4, 2, 157, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x140B, 4, 2, 157, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x140C, 4, 2, 157, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x140D, 4, 2, 157, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x140E, 4, 2, 157, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x140F, 4, 2, 157, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1410, 4, 2, 157, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1411, 4, 2, 157, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1412, 4, 2, 156, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1413, 4, 2, 156, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1414, 4, 2, 156, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1415, 4, 2, 156, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 21\0"
     "STEP 21",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1506, 2, 3, 158, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1507, 2, 2, 159, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1508, 2, 2, 160, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1509, 2, 3, 161, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x150A, 4, 2, 163, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x150B, 4, 2, 163, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x150C, 4, 2, 163, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x150D, 4, 2, 163, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x150E, 4, 2, 163, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x150F, 4, 2, 163, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1510, 4, 2, 163, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1511, 4, 2, 163, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1512, 4, 2, 162, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1513, 4, 2, 162, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1514, 4, 2, 162, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1515, 4, 2, 162, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 22\0"
     "STEP 22",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1606, 2, 3, 164, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1607, 2, 2, 165, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1608, 2, 2, 166, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1609, 2, 3, 167, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x160A, 4, 2, 169, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x160B, 4, 2, 169, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x160C, 4, 2, 169, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x160D, 4, 2, 169, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x160E, 4, 2, 169, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x160F, 4, 2, 169, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1610, 4, 2, 169, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1611, 4, 2, 169, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1612, 4, 2, 168, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1613, 4, 2, 168, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1614, 4, 2, 168, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1615, 4, 2, 168, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 23\0"
     "STEP 23",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1706, 2, 3, 170, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1707, 2, 2, 171, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1708, 2, 2, 172, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1709, 2, 3, 173, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x170A, 4, 2, 175, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x170B, 4, 2, 175, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x170C, 4, 2, 175, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x170D, 4, 2, 175, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x170E, 4, 2, 175, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x170F, 4, 2, 175, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1710, 4, 2, 175, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1711, 4, 2, 175, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1712, 4, 2, 174, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1713, 4, 2, 174, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1714, 4, 2, 174, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1715, 4, 2, 174, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 24\0"
     "STEP 24",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1806, 2, 3, 176, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1807, 2, 2, 177, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1808, 2, 2, 178, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1809, 2, 3, 179, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x180A, 4, 2, 181, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x180B, 4, 2, 181, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x180C, 4, 2, 181, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x180D, 4, 2, 181, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x180E, 4, 2, 181, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x180F, 4, 2, 181, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1810, 4, 2, 181, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1811, 4, 2, 181, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1812, 4, 2, 180, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1813, 4, 2, 180, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1814, 4, 2, 180, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1815, 4, 2, 180, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 25\0"
     "STEP 25",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1906, 2, 3, 182, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1907, 2, 2, 183, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1908, 2, 2, 184, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1909, 2, 3, 185, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x190A, 4, 2, 187, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x190B, 4, 2, 187, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x190C, 4, 2, 187, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x190D, 4, 2, 187, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x190E, 4, 2, 187, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x190F, 4, 2, 187, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1910, 4, 2, 187, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1911, 4, 2, 187, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1912, 4, 2, 186, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1913, 4, 2, 186, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1914, 4, 2, 186, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1915, 4, 2, 186, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 26\0"
     "STEP 26",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1A06, 2, 3, 188, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1A07, 2, 2, 189, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1A08, 2, 2, 190, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1A09, 2, 3, 191, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1A0A, 4, 2, 193, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1A0B, 4, 2, 193, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1A0C, 4, 2, 193, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1A0D, 4, 2, 193, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1A0E, 4, 2, 193, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1A0F, 4, 2, 193, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1A10, 4, 2, 193, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1A11, 4, 2, 193, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1A12, 4, 2, 192, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1A13, 4, 2, 192, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1A14, 4, 2, 192, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1A15, 4, 2, 192, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 27\0"
     "STEP 27",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1B06, 2, 3, 194, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1B07, 2, 2, 195, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1B08, 2, 2, 196, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1B09, 2, 3, 197, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1B0A, 4, 2, 199, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1B0B, 4, 2, 199, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1B0C, 4, 2, 199, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1B0D, 4, 2, 199, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1B0E, 4, 2, 199, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1B0F, 4, 2, 199, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1B10, 4, 2, 199, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1B11, 4, 2, 199, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1B12, 4, 2, 198, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1B13, 4, 2, 198, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1B14, 4, 2, 198, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1B15, 4, 2, 198, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 28\0"
     "STEP 28",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1C06, 2, 3, 200, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1C07, 2, 2, 201, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1C08, 2, 2, 202, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1C09, 2, 3, 203, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1C0A, 4, 2, 205, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1C0B, 4, 2, 205, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1C0C, 4, 2, 205, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1C0D, 4, 2, 205, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1C0E, 4, 2, 205, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1C0F, 4, 2, 205, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1C10, 4, 2, 205, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1C11, 4, 2, 205, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1C12, 4, 2, 204, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1C13, 4, 2, 204, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1C14, 4, 2, 204, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1C15, 4, 2, 204, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 29\0"
     "STEP 29",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1D06, 2, 3, 206, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1D07, 2, 2, 207, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1D08, 2, 2, 208, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1D09, 2, 3, 209, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1D0A, 4, 2, 211, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1D0B, 4, 2, 211, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1D0C, 4, 2, 211, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1D0D, 4, 2, 211, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1D0E, 4, 2, 211, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1D0F, 4, 2, 211, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1D10, 4, 2, 211, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1D11, 4, 2, 211, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1D12, 4, 2, 210, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1D13, 4, 2, 210, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1D14, 4, 2, 210, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1D15, 4, 2, 210, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 30\0"
     "STEP 30",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1E06, 2, 3, 212, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1E07, 2, 2, 213, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1E08, 2, 2, 214, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1E09, 2, 3, 215, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1E0A, 4, 2, 217, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1E0B, 4, 2, 217, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1E0C, 4, 2, 217, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1E0D, 4, 2, 217, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1E0E, 4, 2, 217, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1E0F, 4, 2, 217, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1E10, 4, 2, 217, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1E11, 4, 2, 217, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1E12, 4, 2, 216, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1E13, 4, 2, 216, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1E14, 4, 2, 216, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1E15, 4, 2, 216, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 31\0"
     "STEP 31",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x1F06, 2, 3, 218, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x1F07, 2, 2, 219, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x1F08, 2, 2, 220, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x1F09, 2, 3, 221, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x1F0A, 4, 2, 223, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x1F0B, 4, 2, 223, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x1F0C, 4, 2, 223, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x1F0D, 4, 2, 223, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x1F0E, 4, 2, 223, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x1F0F, 4, 2, 223, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x1F10, 4, 2, 223, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x1F11, 4, 2, 223, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x1F12, 4, 2, 222, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x1F13, 4, 2, 222, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x1F14, 4, 2, 222, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x1F15, 4, 2, 222, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 32\0"
     "STEP 32",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2006, 2, 3, 224, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2007, 2, 2, 225, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2008, 2, 2, 226, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2009, 2, 3, 227, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x200A, 4, 2, 229, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x200B, 4, 2, 229, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x200C, 4, 2, 229, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x200D, 4, 2, 229, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x200E, 4, 2, 229, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x200F, 4, 2, 229, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2010, 4, 2, 229, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2011, 4, 2, 229, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2012, 4, 2, 228, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2013, 4, 2, 228, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2014, 4, 2, 228, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2015, 4, 2, 228, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 33\0"
     "STEP 33",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2106, 2, 3, 230, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2107, 2, 2, 231, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2108, 2, 2, 232, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2109, 2, 3, 233, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x210A, 4, 2, 235, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x210B, 4, 2, 235, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x210C, 4, 2, 235, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x210D, 4, 2, 235, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x210E, 4, 2, 235, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x210F, 4, 2, 235, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2110, 4, 2, 235, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2111, 4, 2, 235, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2112, 4, 2, 234, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2113, 4, 2, 234, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2114, 4, 2, 234, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2115, 4, 2, 234, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 34\0"
     "STEP 34",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2206, 2, 3, 236, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2207, 2, 2, 237, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2208, 2, 2, 238, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2209, 2, 3, 239, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x220A, 4, 2, 241, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x220B, 4, 2, 241, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x220C, 4, 2, 241, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x220D, 4, 2, 241, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x220E, 4, 2, 241, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x220F, 4, 2, 241, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2210, 4, 2, 241, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2211, 4, 2, 241, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2212, 4, 2, 240, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2213, 4, 2, 240, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2214, 4, 2, 240, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2215, 4, 2, 240, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 35\0"
     "STEP 35",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2306, 2, 3, 242, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2307, 2, 2, 243, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2308, 2, 2, 244, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2309, 2, 3, 245, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x230A, 4, 2, 247, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x230B, 4, 2, 247, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x230C, 4, 2, 247, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x230D, 4, 2, 247, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x230E, 4, 2, 247, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x230F, 4, 2, 247, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2310, 4, 2, 247, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2311, 4, 2, 247, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2312, 4, 2, 246, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2313, 4, 2, 246, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2314, 4, 2, 246, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2315, 4, 2, 246, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 36\0"
     "STEP 36",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2406, 2, 3, 248, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2407, 2, 2, 249, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2408, 2, 2, 250, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2409, 2, 3, 251, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x240A, 4, 2, 253, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x240B, 4, 2, 253, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x240C, 4, 2, 253, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x240D, 4, 2, 253, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x240E, 4, 2, 253, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x240F, 4, 2, 253, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2410, 4, 2, 253, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2411, 4, 2, 253, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2412, 4, 2, 252, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2413, 4, 2, 252, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2414, 4, 2, 252, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2415, 4, 2, 252, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 37\0"
     "STEP 37",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2506, 2, 3, 254, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2507, 2, 2, 255, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2508, 2, 2, 256, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2509, 2, 3, 257, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x250A, 4, 2, 259, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x250B, 4, 2, 259, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x250C, 4, 2, 259, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x250D, 4, 2, 259, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x250E, 4, 2, 259, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x250F, 4, 2, 259, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2510, 4, 2, 259, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2511, 4, 2, 259, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2512, 4, 2, 258, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2513, 4, 2, 258, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2514, 4, 2, 258, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2515, 4, 2, 258, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 38\0"
     "STEP 38",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2606, 2, 3, 260, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2607, 2, 2, 261, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2608, 2, 2, 262, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2609, 2, 3, 263, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x260A, 4, 2, 265, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x260B, 4, 2, 265, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x260C, 4, 2, 265, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x260D, 4, 2, 265, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x260E, 4, 2, 265, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x260F, 4, 2, 265, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2610, 4, 2, 265, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2611, 4, 2, 265, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2612, 4, 2, 264, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2613, 4, 2, 264, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2614, 4, 2, 264, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2615, 4, 2, 264, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 39\0"
     "STEP 39",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2706, 2, 3, 266, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2707, 2, 2, 267, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2708, 2, 2, 268, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2709, 2, 3, 269, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x270A, 4, 2, 271, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x270B, 4, 2, 271, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x270C, 4, 2, 271, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x270D, 4, 2, 271, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x270E, 4, 2, 271, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x270F, 4, 2, 271, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2710, 4, 2, 271, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2711, 4, 2, 271, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2712, 4, 2, 270, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2713, 4, 2, 270, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2714, 4, 2, 270, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2715, 4, 2, 270, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 40\0"
     "STEP 40",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2806, 2, 3, 272, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2807, 2, 2, 273, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2808, 2, 2, 274, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2809, 2, 3, 275, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x280A, 4, 2, 277, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x280B, 4, 2, 277, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x280C, 4, 2, 277, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x280D, 4, 2, 277, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x280E, 4, 2, 277, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x280F, 4, 2, 277, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2810, 4, 2, 277, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2811, 4, 2, 277, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2812, 4, 2, 276, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2813, 4, 2, 276, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2814, 4, 2, 276, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2815, 4, 2, 276, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 41\0"
     "STEP 41",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2906, 2, 3, 278, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2907, 2, 2, 279, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2908, 2, 2, 280, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2909, 2, 3, 281, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x290A, 4, 2, 283, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x290B, 4, 2, 283, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x290C, 4, 2, 283, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x290D, 4, 2, 283, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x290E, 4, 2, 283, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x290F, 4, 2, 283, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2910, 4, 2, 283, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2911, 4, 2, 283, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2912, 4, 2, 282, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2913, 4, 2, 282, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2914, 4, 2, 282, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2915, 4, 2, 282, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 42\0"
     "STEP 42",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2A06, 2, 3, 284, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2A07, 2, 2, 285, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2A08, 2, 2, 286, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2A09, 2, 3, 287, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2A0A, 4, 2, 289, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2A0B, 4, 2, 289, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2A0C, 4, 2, 289, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2A0D, 4, 2, 289, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2A0E, 4, 2, 289, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2A0F, 4, 2, 289, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2A10, 4, 2, 289, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2A11, 4, 2, 289, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2A12, 4, 2, 288, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2A13, 4, 2, 288, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2A14, 4, 2, 288, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2A15, 4, 2, 288, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 43\0"
     "STEP 43",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2B06, 2, 3, 290, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2B07, 2, 2, 291, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2B08, 2, 2, 292, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2B09, 2, 3, 293, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2B0A, 4, 2, 295, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2B0B, 4, 2, 295, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2B0C, 4, 2, 295, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2B0D, 4, 2, 295, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2B0E, 4, 2, 295, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2B0F, 4, 2, 295, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2B10, 4, 2, 295, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2B11, 4, 2, 295, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2B12, 4, 2, 294, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2B13, 4, 2, 294, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2B14, 4, 2, 294, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2B15, 4, 2, 294, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 44\0"
     "STEP 44",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2C06, 2, 3, 296, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2C07, 2, 2, 297, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2C08, 2, 2, 298, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2C09, 2, 3, 299, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2C0A, 4, 2, 301, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2C0B, 4, 2, 301, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2C0C, 4, 2, 301, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2C0D, 4, 2, 301, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2C0E, 4, 2, 301, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2C0F, 4, 2, 301, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2C10, 4, 2, 301, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2C11, 4, 2, 301, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2C12, 4, 2, 300, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2C13, 4, 2, 300, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2C14, 4, 2, 300, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2C15, 4, 2, 300, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 45\0"
     "STEP 45",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2D06, 2, 3, 302, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2D07, 2, 2, 303, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2D08, 2, 2, 304, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2D09, 2, 3, 305, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2D0A, 4, 2, 307, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2D0B, 4, 2, 307, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2D0C, 4, 2, 307, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2D0D, 4, 2, 307, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2D0E, 4, 2, 307, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2D0F, 4, 2, 307, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2D10, 4, 2, 307, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2D11, 4, 2, 307, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2D12, 4, 2, 306, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2D13, 4, 2, 306, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2D14, 4, 2, 306, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2D15, 4, 2, 306, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 46\0"
     "STEP 46",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2E06, 2, 3, 308, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2E07, 2, 2, 309, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2E08, 2, 2, 310, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2E09, 2, 3, 311, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2E0A, 4, 2, 313, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2E0B, 4, 2, 313, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2E0C, 4, 2, 313, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2E0D, 4, 2, 313, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2E0E, 4, 2, 313, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2E0F, 4, 2, 313, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2E10, 4, 2, 313, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2E11, 4, 2, 313, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2E12, 4, 2, 312, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2E13, 4, 2, 312, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2E14, 4, 2, 312, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2E15, 4, 2, 312, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"STEP 47\0"
     "STEP 47",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PITCH OFFSET\0"
     "PITCH OFFSET",
     nullptr, 0x2F06, 2, 3, 314, 0, 7, 0, -48, 48, 0, 0x0, kFormat5},
    {"GATE\0"
     "GATE",
     "%", 0x2F07, 2, 2, 315, 0, 7, 0, 0, 101, 0, 0x0, kFormat6},
    {"VELOCITY\0"
     "VELOCITY",
     nullptr, 0x2F08, 2, 2, 316, 0, 7, 1, 1, 128, 0, 0x0, kFormat7},
    {"FLAM\0"
     "FLAM",
     nullptr, 0x2F09, 2, 3, 317, 0, 7, 0, -99, 99, 0, 0x0, kFormat5},
    {"TONE0\0"
     "TONE0",
     nullptr, 0x2F0A, 4, 2, 319, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE1\0"
     "TONE1",
     nullptr, 0x2F0B, 4, 2, 319, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE2\0"
     "TONE2",
     nullptr, 0x2F0C, 4, 2, 319, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE3\0"
     "TONE3",
     nullptr, 0x2F0D, 4, 2, 319, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE4\0"
     "TONE4",
     nullptr, 0x2F0E, 4, 2, 319, 4, 4, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE5\0"
     "TONE5",
     nullptr, 0x2F0F, 4, 2, 319, 5, 5, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE6\0"
     "TONE6",
     nullptr, 0x2F10, 4, 2, 319, 6, 6, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE7\0"
     "TONE7",
     nullptr, 0x2F11, 4, 2, 319, 7, 7, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE8\0"
     "TONE8",
     nullptr, 0x2F12, 4, 2, 318, 0, 0, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE9\0"
     "TONE9",
     nullptr, 0x2F13, 4, 2, 318, 1, 1, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE10\0"
     "TONE10",
     nullptr, 0x2F14, 4, 2, 318, 2, 2, 0, 0, 0, 0, 0x0, kFormat8},
    {"TONE11\0"
     "TONE11",
     nullptr, 0x2F15, 4, 2, 318, 3, 3, 0, 0, 0, 0, 0x0, kFormat8},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_ARPPATTERN = MakeTable(kRows);

}  // namespace QorX0
