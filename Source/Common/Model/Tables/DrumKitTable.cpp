// Drum kit (4112 bytes): the name, then a group of 31 rows per key (32-byte key record at 16 + 32 x key).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

const char kFormat0[] = "0\tOFF\n1\tON";
const char kFormat1[] = "%.0f,v";
const char kFormat2[] = "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v";
const char kFormat3[] = "0\tL/R\n1\tIFX\n6\t1\n7\t2\n10\t1/2\n12\tOff";
const char kFormat4[] = "0\tOff\n%.0f,v";
const char kFormat5[] = "0\tDIS\n1\tENA";

constinit const PARAMDESC kRows[] = {
    {"DRUMKIT NAME\0"
     "DRUMKIT NAME",
     nullptr, 0xFF00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"DRUMKEY 0\0"
     "DRUMKEY 0",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0002, 4, 2, 17, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0003, 4, 2, 17, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0001, 2, 4, 18, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0004, 2, 3, 20, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0005, 2, 3, 21, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0006, 2, 3, 22, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0007, 2, 3, 23, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0008, 2, 3, 24, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0009, 2, 3, 25, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x000A, 2, 3, 26, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x000D, 4, 2, 29, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x000E, 4, 2, 29, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x000C, 2, 4, 30, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x000F, 2, 3, 32, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0010, 2, 3, 33, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0011, 2, 3, 34, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0012, 2, 3, 35, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0013, 2, 3, 36, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0014, 2, 3, 37, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0015, 2, 3, 38, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0016, 2, 2, 40, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0017, 3, 2, 41, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0018, 2, 2, 42, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0019, 2, 2, 43, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x001A, 2, 2, 44, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x001B, 4, 2, 45, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x001C, 4, 2, 45, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x001D, 4, 2, 45, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x001E, 4, 2, 45, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x001F, 2, 2, 46, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 1\0"
     "DRUMKEY 1",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0102, 4, 2, 49, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0103, 4, 2, 49, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0101, 2, 4, 50, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0104, 2, 3, 52, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0105, 2, 3, 53, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0106, 2, 3, 54, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0107, 2, 3, 55, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0108, 2, 3, 56, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0109, 2, 3, 57, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x010A, 2, 3, 58, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x010D, 4, 2, 61, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x010E, 4, 2, 61, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x010C, 2, 4, 62, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x010F, 2, 3, 64, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0110, 2, 3, 65, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0111, 2, 3, 66, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0112, 2, 3, 67, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0113, 2, 3, 68, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0114, 2, 3, 69, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0115, 2, 3, 70, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0116, 2, 2, 72, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0117, 3, 2, 73, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0118, 2, 2, 74, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0119, 2, 2, 75, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x011A, 2, 2, 76, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x011B, 4, 2, 77, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x011C, 4, 2, 77, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x011D, 4, 2, 77, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x011E, 4, 2, 77, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x011F, 2, 2, 78, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 2\0"
     "DRUMKEY 2",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0202, 4, 2, 81, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0203, 4, 2, 81, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0201, 2, 4, 82, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0204, 2, 3, 84, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0205, 2, 3, 85, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0206, 2, 3, 86, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0207, 2, 3, 87, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0208, 2, 3, 88, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0209, 2, 3, 89, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x020A, 2, 3, 90, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x020D, 4, 2, 93, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x020E, 4, 2, 93, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x020C, 2, 4, 94, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x020F, 2, 3, 96, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0210, 2, 3, 97, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0211, 2, 3, 98, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0212, 2, 3, 99, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0213, 2, 3, 100, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0214, 2, 3, 101, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0215, 2, 3, 102, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0216, 2, 2, 104, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0217, 3, 2, 105, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0218, 2, 2, 106, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0219, 2, 2, 107, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x021A, 2, 2, 108, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x021B, 4, 2, 109, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x021C, 4, 2, 109, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x021D, 4, 2, 109, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x021E, 4, 2, 109, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x021F, 2, 2, 110, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 3\0"
     "DRUMKEY 3",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0302, 4, 2, 113, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0303, 4, 2, 113, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0301, 2, 4, 114, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0304, 2, 3, 116, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0305, 2, 3, 117, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0306, 2, 3, 118, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0307, 2, 3, 119, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0308, 2, 3, 120, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0309, 2, 3, 121, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x030A, 2, 3, 122, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x030D, 4, 2, 125, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x030E, 4, 2, 125, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x030C, 2, 4, 126, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x030F, 2, 3, 128, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0310, 2, 3, 129, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0311, 2, 3, 130, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0312, 2, 3, 131, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0313, 2, 3, 132, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0314, 2, 3, 133, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0315, 2, 3, 134, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0316, 2, 2, 136, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0317, 3, 2, 137, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0318, 2, 2, 138, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0319, 2, 2, 139, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x031A, 2, 2, 140, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x031B, 4, 2, 141, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x031C, 4, 2, 141, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x031D, 4, 2, 141, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x031E, 4, 2, 141, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x031F, 2, 2, 142, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 4\0"
     "DRUMKEY 4",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0402, 4, 2, 145, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0403, 4, 2, 145, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0401, 2, 4, 146, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0404, 2, 3, 148, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0405, 2, 3, 149, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0406, 2, 3, 150, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0407, 2, 3, 151, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0408, 2, 3, 152, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0409, 2, 3, 153, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x040A, 2, 3, 154, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x040D, 4, 2, 157, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x040E, 4, 2, 157, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x040C, 2, 4, 158, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x040F, 2, 3, 160, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0410, 2, 3, 161, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0411, 2, 3, 162, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0412, 2, 3, 163, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0413, 2, 3, 164, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0414, 2, 3, 165, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0415, 2, 3, 166, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0416, 2, 2, 168, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0417, 3, 2, 169, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0418, 2, 2, 170, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0419, 2, 2, 171, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x041A, 2, 2, 172, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x041B, 4, 2, 173, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x041C, 4, 2, 173, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x041D, 4, 2, 173, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x041E, 4, 2, 173, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x041F, 2, 2, 174, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 5\0"
     "DRUMKEY 5",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0502, 4, 2, 177, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0503, 4, 2, 177, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0501, 2, 4, 178, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0504, 2, 3, 180, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0505, 2, 3, 181, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0506, 2, 3, 182, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0507, 2, 3, 183, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0508, 2, 3, 184, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0509, 2, 3, 185, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x050A, 2, 3, 186, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x050D, 4, 2, 189, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x050E, 4, 2, 189, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x050C, 2, 4, 190, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x050F, 2, 3, 192, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0510, 2, 3, 193, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0511, 2, 3, 194, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0512, 2, 3, 195, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0513, 2, 3, 196, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0514, 2, 3, 197, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0515, 2, 3, 198, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0516, 2, 2, 200, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0517, 3, 2, 201, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0518, 2, 2, 202, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0519, 2, 2, 203, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x051A, 2, 2, 204, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x051B, 4, 2, 205, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x051C, 4, 2, 205, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x051D, 4, 2, 205, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x051E, 4, 2, 205, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x051F, 2, 2, 206, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 6\0"
     "DRUMKEY 6",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0602, 4, 2, 209, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0603, 4, 2, 209, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0601, 2, 4, 210, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0604, 2, 3, 212, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0605, 2, 3, 213, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0606, 2, 3, 214, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0607, 2, 3, 215, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0608, 2, 3, 216, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0609, 2, 3, 217, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x060A, 2, 3, 218, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x060D, 4, 2, 221, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x060E, 4, 2, 221, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x060C, 2, 4, 222, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x060F, 2, 3, 224, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0610, 2, 3, 225, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0611, 2, 3, 226, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0612, 2, 3, 227, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0613, 2, 3, 228, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0614, 2, 3, 229, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0615, 2, 3, 230, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0616, 2, 2, 232, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0617, 3, 2, 233, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0618, 2, 2, 234, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0619, 2, 2, 235, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x061A, 2, 2, 236, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x061B, 4, 2, 237, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x061C, 4, 2, 237, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x061D, 4, 2, 237, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x061E, 4, 2, 237, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x061F, 2, 2, 238, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 7\0"
     "DRUMKEY 7",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0702, 4, 2, 241, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0703, 4, 2, 241, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0701, 2, 4, 242, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0704, 2, 3, 244, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0705, 2, 3, 245, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0706, 2, 3, 246, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0707, 2, 3, 247, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0708, 2, 3, 248, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0709, 2, 3, 249, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x070A, 2, 3, 250, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x070D, 4, 2, 253, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x070E, 4, 2, 253, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x070C, 2, 4, 254, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x070F, 2, 3, 256, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0710, 2, 3, 257, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0711, 2, 3, 258, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0712, 2, 3, 259, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0713, 2, 3, 260, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0714, 2, 3, 261, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0715, 2, 3, 262, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0716, 2, 2, 264, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0717, 3, 2, 265, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0718, 2, 2, 266, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0719, 2, 2, 267, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x071A, 2, 2, 268, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x071B, 4, 2, 269, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x071C, 4, 2, 269, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x071D, 4, 2, 269, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x071E, 4, 2, 269, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x071F, 2, 2, 270, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 8\0"
     "DRUMKEY 8",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0802, 4, 2, 273, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0803, 4, 2, 273, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0801, 2, 4, 274, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0804, 2, 3, 276, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0805, 2, 3, 277, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0806, 2, 3, 278, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0807, 2, 3, 279, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0808, 2, 3, 280, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0809, 2, 3, 281, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x080A, 2, 3, 282, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x080D, 4, 2, 285, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x080E, 4, 2, 285, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x080C, 2, 4, 286, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x080F, 2, 3, 288, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0810, 2, 3, 289, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0811, 2, 3, 290, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0812, 2, 3, 291, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0813, 2, 3, 292, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0814, 2, 3, 293, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0815, 2, 3, 294, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0816, 2, 2, 296, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0817, 3, 2, 297, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0818, 2, 2, 298, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0819, 2, 2, 299, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x081A, 2, 2, 300, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x081B, 4, 2, 301, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x081C, 4, 2, 301, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x081D, 4, 2, 301, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x081E, 4, 2, 301, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x081F, 2, 2, 302, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 9\0"
     "DRUMKEY 9",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0902, 4, 2, 305, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0903, 4, 2, 305, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0901, 2, 4, 306, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0904, 2, 3, 308, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0905, 2, 3, 309, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0906, 2, 3, 310, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0907, 2, 3, 311, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0908, 2, 3, 312, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0909, 2, 3, 313, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x090A, 2, 3, 314, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x090D, 4, 2, 317, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x090E, 4, 2, 317, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x090C, 2, 4, 318, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x090F, 2, 3, 320, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0910, 2, 3, 321, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0911, 2, 3, 322, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0912, 2, 3, 323, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0913, 2, 3, 324, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0914, 2, 3, 325, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0915, 2, 3, 326, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0916, 2, 2, 328, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0917, 3, 2, 329, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0918, 2, 2, 330, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0919, 2, 2, 331, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x091A, 2, 2, 332, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x091B, 4, 2, 333, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x091C, 4, 2, 333, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x091D, 4, 2, 333, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x091E, 4, 2, 333, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x091F, 2, 2, 334, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 10\0"
     "DRUMKEY 10",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0A02, 4, 2, 337, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0A03, 4, 2, 337, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0A01, 2, 4, 338, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0A04, 2, 3, 340, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0A05, 2, 3, 341, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0A06, 2, 3, 342, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0A07, 2, 3, 343, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0A08, 2, 3, 344, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0A09, 2, 3, 345, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0A0A, 2, 3, 346, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0A0D, 4, 2, 349, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0A0E, 4, 2, 349, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0A0C, 2, 4, 350, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0A0F, 2, 3, 352, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0A10, 2, 3, 353, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0A11, 2, 3, 354, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0A12, 2, 3, 355, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0A13, 2, 3, 356, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0A14, 2, 3, 357, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0A15, 2, 3, 358, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0A16, 2, 2, 360, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0A17, 3, 2, 361, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0A18, 2, 2, 362, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0A19, 2, 2, 363, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0A1A, 2, 2, 364, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0A1B, 4, 2, 365, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0A1C, 4, 2, 365, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0A1D, 4, 2, 365, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0A1E, 4, 2, 365, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0A1F, 2, 2, 366, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 11\0"
     "DRUMKEY 11",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0B02, 4, 2, 369, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0B03, 4, 2, 369, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0B01, 2, 4, 370, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0B04, 2, 3, 372, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0B05, 2, 3, 373, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0B06, 2, 3, 374, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0B07, 2, 3, 375, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0B08, 2, 3, 376, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0B09, 2, 3, 377, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0B0A, 2, 3, 378, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0B0D, 4, 2, 381, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0B0E, 4, 2, 381, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0B0C, 2, 4, 382, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0B0F, 2, 3, 384, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0B10, 2, 3, 385, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0B11, 2, 3, 386, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0B12, 2, 3, 387, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0B13, 2, 3, 388, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0B14, 2, 3, 389, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0B15, 2, 3, 390, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0B16, 2, 2, 392, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0B17, 3, 2, 393, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0B18, 2, 2, 394, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0B19, 2, 2, 395, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0B1A, 2, 2, 396, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0B1B, 4, 2, 397, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0B1C, 4, 2, 397, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0B1D, 4, 2, 397, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0B1E, 4, 2, 397, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0B1F, 2, 2, 398, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 12\0"
     "DRUMKEY 12",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0C02, 4, 2, 401, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0C03, 4, 2, 401, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0C01, 2, 4, 402, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0C04, 2, 3, 404, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0C05, 2, 3, 405, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0C06, 2, 3, 406, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0C07, 2, 3, 407, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0C08, 2, 3, 408, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0C09, 2, 3, 409, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0C0A, 2, 3, 410, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0C0D, 4, 2, 413, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0C0E, 4, 2, 413, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0C0C, 2, 4, 414, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0C0F, 2, 3, 416, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0C10, 2, 3, 417, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0C11, 2, 3, 418, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0C12, 2, 3, 419, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0C13, 2, 3, 420, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0C14, 2, 3, 421, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0C15, 2, 3, 422, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0C16, 2, 2, 424, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0C17, 3, 2, 425, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0C18, 2, 2, 426, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0C19, 2, 2, 427, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0C1A, 2, 2, 428, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0C1B, 4, 2, 429, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0C1C, 4, 2, 429, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0C1D, 4, 2, 429, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0C1E, 4, 2, 429, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0C1F, 2, 2, 430, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 13\0"
     "DRUMKEY 13",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0D02, 4, 2, 433, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0D03, 4, 2, 433, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0D01, 2, 4, 434, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0D04, 2, 3, 436, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0D05, 2, 3, 437, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0D06, 2, 3, 438, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0D07, 2, 3, 439, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0D08, 2, 3, 440, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0D09, 2, 3, 441, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0D0A, 2, 3, 442, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0D0D, 4, 2, 445, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0D0E, 4, 2, 445, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0D0C, 2, 4, 446, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0D0F, 2, 3, 448, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0D10, 2, 3, 449, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0D11, 2, 3, 450, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0D12, 2, 3, 451, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0D13, 2, 3, 452, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0D14, 2, 3, 453, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0D15, 2, 3, 454, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0D16, 2, 2, 456, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0D17, 3, 2, 457, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0D18, 2, 2, 458, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0D19, 2, 2, 459, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0D1A, 2, 2, 460, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0D1B, 4, 2, 461, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0D1C, 4, 2, 461, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0D1D, 4, 2, 461, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0D1E, 4, 2, 461, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0D1F, 2, 2, 462, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 14\0"
     "DRUMKEY 14",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0E02, 4, 2, 465, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0E03, 4, 2, 465, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0E01, 2, 4, 466, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0E04, 2, 3, 468, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0E05, 2, 3, 469, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0E06, 2, 3, 470, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0E07, 2, 3, 471, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0E08, 2, 3, 472, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0E09, 2, 3, 473, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0E0A, 2, 3, 474, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0E0D, 4, 2, 477, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0E0E, 4, 2, 477, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0E0C, 2, 4, 478, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0E0F, 2, 3, 480, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0E10, 2, 3, 481, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0E11, 2, 3, 482, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0E12, 2, 3, 483, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0E13, 2, 3, 484, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0E14, 2, 3, 485, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0E15, 2, 3, 486, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0E16, 2, 2, 488, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0E17, 3, 2, 489, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0E18, 2, 2, 490, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0E19, 2, 2, 491, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0E1A, 2, 2, 492, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0E1B, 4, 2, 493, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0E1C, 4, 2, 493, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0E1D, 4, 2, 493, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0E1E, 4, 2, 493, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0E1F, 2, 2, 494, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 15\0"
     "DRUMKEY 15",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x0F02, 4, 2, 497, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x0F03, 4, 2, 497, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x0F01, 2, 4, 498, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x0F04, 2, 3, 500, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x0F05, 2, 3, 501, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x0F06, 2, 3, 502, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x0F07, 2, 3, 503, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x0F08, 2, 3, 504, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x0F09, 2, 3, 505, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x0F0A, 2, 3, 506, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x0F0D, 4, 2, 509, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x0F0E, 4, 2, 509, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x0F0C, 2, 4, 510, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x0F0F, 2, 3, 512, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x0F10, 2, 3, 513, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x0F11, 2, 3, 514, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x0F12, 2, 3, 515, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x0F13, 2, 3, 516, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x0F14, 2, 3, 517, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x0F15, 2, 3, 518, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x0F16, 2, 2, 520, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x0F17, 3, 2, 521, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x0F18, 2, 2, 522, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x0F19, 2, 2, 523, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x0F1A, 2, 2, 524, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x0F1B, 4, 2, 525, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x0F1C, 4, 2, 525, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x0F1D, 4, 2, 525, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x0F1E, 4, 2, 525, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x0F1F, 2, 2, 526, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 16\0"
     "DRUMKEY 16",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1002, 4, 2, 529, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1003, 4, 2, 529, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1001, 2, 4, 530, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1004, 2, 3, 532, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1005, 2, 3, 533, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1006, 2, 3, 534, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1007, 2, 3, 535, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1008, 2, 3, 536, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1009, 2, 3, 537, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x100A, 2, 3, 538, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x100D, 4, 2, 541, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x100E, 4, 2, 541, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x100C, 2, 4, 542, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x100F, 2, 3, 544, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1010, 2, 3, 545, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1011, 2, 3, 546, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1012, 2, 3, 547, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1013, 2, 3, 548, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1014, 2, 3, 549, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1015, 2, 3, 550, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1016, 2, 2, 552, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1017, 3, 2, 553, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1018, 2, 2, 554, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1019, 2, 2, 555, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x101A, 2, 2, 556, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x101B, 4, 2, 557, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x101C, 4, 2, 557, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x101D, 4, 2, 557, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x101E, 4, 2, 557, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x101F, 2, 2, 558, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 17\0"
     "DRUMKEY 17",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1102, 4, 2, 561, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1103, 4, 2, 561, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1101, 2, 4, 562, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1104, 2, 3, 564, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1105, 2, 3, 565, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1106, 2, 3, 566, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1107, 2, 3, 567, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1108, 2, 3, 568, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1109, 2, 3, 569, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x110A, 2, 3, 570, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x110D, 4, 2, 573, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x110E, 4, 2, 573, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x110C, 2, 4, 574, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x110F, 2, 3, 576, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1110, 2, 3, 577, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1111, 2, 3, 578, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1112, 2, 3, 579, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1113, 2, 3, 580, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1114, 2, 3, 581, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1115, 2, 3, 582, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1116, 2, 2, 584, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1117, 3, 2, 585, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1118, 2, 2, 586, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1119, 2, 2, 587, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x111A, 2, 2, 588, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x111B, 4, 2, 589, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x111C, 4, 2, 589, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x111D, 4, 2, 589, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x111E, 4, 2, 589, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x111F, 2, 2, 590, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 18\0"
     "DRUMKEY 18",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1202, 4, 2, 593, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1203, 4, 2, 593, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1201, 2, 4, 594, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1204, 2, 3, 596, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1205, 2, 3, 597, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1206, 2, 3, 598, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1207, 2, 3, 599, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1208, 2, 3, 600, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1209, 2, 3, 601, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x120A, 2, 3, 602, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x120D, 4, 2, 605, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x120E, 4, 2, 605, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x120C, 2, 4, 606, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x120F, 2, 3, 608, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1210, 2, 3, 609, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1211, 2, 3, 610, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1212, 2, 3, 611, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1213, 2, 3, 612, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1214, 2, 3, 613, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1215, 2, 3, 614, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1216, 2, 2, 616, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1217, 3, 2, 617, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1218, 2, 2, 618, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1219, 2, 2, 619, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x121A, 2, 2, 620, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x121B, 4, 2, 621, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x121C, 4, 2, 621, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x121D, 4, 2, 621, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x121E, 4, 2, 621, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x121F, 2, 2, 622, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 19\0"
     "DRUMKEY 19",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1302, 4, 2, 625, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1303, 4, 2, 625, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1301, 2, 4, 626, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1304, 2, 3, 628, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1305, 2, 3, 629, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1306, 2, 3, 630, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1307, 2, 3, 631, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1308, 2, 3, 632, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1309, 2, 3, 633, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x130A, 2, 3, 634, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x130D, 4, 2, 637, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x130E, 4, 2, 637, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x130C, 2, 4, 638, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x130F, 2, 3, 640, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1310, 2, 3, 641, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1311, 2, 3, 642, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1312, 2, 3, 643, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1313, 2, 3, 644, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1314, 2, 3, 645, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1315, 2, 3, 646, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1316, 2, 2, 648, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1317, 3, 2, 649, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1318, 2, 2, 650, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1319, 2, 2, 651, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x131A, 2, 2, 652, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x131B, 4, 2, 653, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x131C, 4, 2, 653, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x131D, 4, 2, 653, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x131E, 4, 2, 653, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x131F, 2, 2, 654, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 20\0"
     "DRUMKEY 20",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1402, 4, 2, 657, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1403, 4, 2, 657, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1401, 2, 4, 658, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1404, 2, 3, 660, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1405, 2, 3, 661, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1406, 2, 3, 662, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1407, 2, 3, 663, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1408, 2, 3, 664, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1409, 2, 3, 665, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x140A, 2, 3, 666, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x140D, 4, 2, 669, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x140E, 4, 2, 669, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x140C, 2, 4, 670, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x140F, 2, 3, 672, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1410, 2, 3, 673, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1411, 2, 3, 674, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1412, 2, 3, 675, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1413, 2, 3, 676, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1414, 2, 3, 677, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1415, 2, 3, 678, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1416, 2, 2, 680, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1417, 3, 2, 681, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1418, 2, 2, 682, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1419, 2, 2, 683, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x141A, 2, 2, 684, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x141B, 4, 2, 685, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x141C, 4, 2, 685, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x141D, 4, 2, 685, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x141E, 4, 2, 685, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x141F, 2, 2, 686, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 21\0"
     "DRUMKEY 21",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1502, 4, 2, 689, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1503, 4, 2, 689, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1501, 2, 4, 690, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1504, 2, 3, 692, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1505, 2, 3, 693, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1506, 2, 3, 694, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1507, 2, 3, 695, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1508, 2, 3, 696, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1509, 2, 3, 697, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x150A, 2, 3, 698, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x150D, 4, 2, 701, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x150E, 4, 2, 701, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x150C, 2, 4, 702, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x150F, 2, 3, 704, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1510, 2, 3, 705, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1511, 2, 3, 706, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1512, 2, 3, 707, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1513, 2, 3, 708, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1514, 2, 3, 709, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1515, 2, 3, 710, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1516, 2, 2, 712, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1517, 3, 2, 713, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1518, 2, 2, 714, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1519, 2, 2, 715, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x151A, 2, 2, 716, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x151B, 4, 2, 717, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x151C, 4, 2, 717, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x151D, 4, 2, 717, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x151E, 4, 2, 717, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x151F, 2, 2, 718, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 22\0"
     "DRUMKEY 22",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1602, 4, 2, 721, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1603, 4, 2, 721, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1601, 2, 4, 722, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1604, 2, 3, 724, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1605, 2, 3, 725, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1606, 2, 3, 726, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1607, 2, 3, 727, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1608, 2, 3, 728, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1609, 2, 3, 729, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x160A, 2, 3, 730, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x160D, 4, 2, 733, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x160E, 4, 2, 733, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x160C, 2, 4, 734, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x160F, 2, 3, 736, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1610, 2, 3, 737, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1611, 2, 3, 738, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1612, 2, 3, 739, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1613, 2, 3, 740, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1614, 2, 3, 741, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1615, 2, 3, 742, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1616, 2, 2, 744, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1617, 3, 2, 745, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1618, 2, 2, 746, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1619, 2, 2, 747, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x161A, 2, 2, 748, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x161B, 4, 2, 749, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x161C, 4, 2, 749, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x161D, 4, 2, 749, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x161E, 4, 2, 749, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x161F, 2, 2, 750, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 23\0"
     "DRUMKEY 23",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1702, 4, 2, 753, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1703, 4, 2, 753, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1701, 2, 4, 754, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1704, 2, 3, 756, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1705, 2, 3, 757, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1706, 2, 3, 758, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1707, 2, 3, 759, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1708, 2, 3, 760, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1709, 2, 3, 761, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x170A, 2, 3, 762, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x170D, 4, 2, 765, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x170E, 4, 2, 765, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x170C, 2, 4, 766, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x170F, 2, 3, 768, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1710, 2, 3, 769, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1711, 2, 3, 770, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1712, 2, 3, 771, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1713, 2, 3, 772, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1714, 2, 3, 773, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1715, 2, 3, 774, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1716, 2, 2, 776, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1717, 3, 2, 777, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1718, 2, 2, 778, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1719, 2, 2, 779, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x171A, 2, 2, 780, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x171B, 4, 2, 781, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x171C, 4, 2, 781, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x171D, 4, 2, 781, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x171E, 4, 2, 781, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x171F, 2, 2, 782, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 24\0"
     "DRUMKEY 24",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1802, 4, 2, 785, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1803, 4, 2, 785, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1801, 2, 4, 786, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1804, 2, 3, 788, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1805, 2, 3, 789, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1806, 2, 3, 790, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1807, 2, 3, 791, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1808, 2, 3, 792, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1809, 2, 3, 793, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x180A, 2, 3, 794, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x180D, 4, 2, 797, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x180E, 4, 2, 797, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x180C, 2, 4, 798, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x180F, 2, 3, 800, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1810, 2, 3, 801, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1811, 2, 3, 802, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1812, 2, 3, 803, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1813, 2, 3, 804, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1814, 2, 3, 805, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1815, 2, 3, 806, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1816, 2, 2, 808, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1817, 3, 2, 809, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1818, 2, 2, 810, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1819, 2, 2, 811, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x181A, 2, 2, 812, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x181B, 4, 2, 813, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x181C, 4, 2, 813, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x181D, 4, 2, 813, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x181E, 4, 2, 813, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x181F, 2, 2, 814, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 25\0"
     "DRUMKEY 25",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1902, 4, 2, 817, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1903, 4, 2, 817, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1901, 2, 4, 818, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1904, 2, 3, 820, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1905, 2, 3, 821, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1906, 2, 3, 822, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1907, 2, 3, 823, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1908, 2, 3, 824, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1909, 2, 3, 825, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x190A, 2, 3, 826, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x190D, 4, 2, 829, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x190E, 4, 2, 829, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x190C, 2, 4, 830, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x190F, 2, 3, 832, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1910, 2, 3, 833, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1911, 2, 3, 834, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1912, 2, 3, 835, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1913, 2, 3, 836, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1914, 2, 3, 837, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1915, 2, 3, 838, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1916, 2, 2, 840, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1917, 3, 2, 841, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1918, 2, 2, 842, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1919, 2, 2, 843, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x191A, 2, 2, 844, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x191B, 4, 2, 845, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x191C, 4, 2, 845, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x191D, 4, 2, 845, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x191E, 4, 2, 845, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x191F, 2, 2, 846, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 26\0"
     "DRUMKEY 26",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1A02, 4, 2, 849, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1A03, 4, 2, 849, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1A01, 2, 4, 850, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1A04, 2, 3, 852, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1A05, 2, 3, 853, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1A06, 2, 3, 854, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1A07, 2, 3, 855, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1A08, 2, 3, 856, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1A09, 2, 3, 857, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1A0A, 2, 3, 858, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1A0D, 4, 2, 861, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1A0E, 4, 2, 861, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1A0C, 2, 4, 862, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1A0F, 2, 3, 864, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1A10, 2, 3, 865, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1A11, 2, 3, 866, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1A12, 2, 3, 867, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1A13, 2, 3, 868, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1A14, 2, 3, 869, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1A15, 2, 3, 870, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1A16, 2, 2, 872, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1A17, 3, 2, 873, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1A18, 2, 2, 874, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1A19, 2, 2, 875, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1A1A, 2, 2, 876, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1A1B, 4, 2, 877, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1A1C, 4, 2, 877, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1A1D, 4, 2, 877, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1A1E, 4, 2, 877, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1A1F, 2, 2, 878, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 27\0"
     "DRUMKEY 27",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1B02, 4, 2, 881, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1B03, 4, 2, 881, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1B01, 2, 4, 882, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1B04, 2, 3, 884, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1B05, 2, 3, 885, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1B06, 2, 3, 886, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1B07, 2, 3, 887, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1B08, 2, 3, 888, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1B09, 2, 3, 889, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1B0A, 2, 3, 890, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1B0D, 4, 2, 893, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1B0E, 4, 2, 893, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1B0C, 2, 4, 894, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1B0F, 2, 3, 896, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1B10, 2, 3, 897, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1B11, 2, 3, 898, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1B12, 2, 3, 899, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1B13, 2, 3, 900, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1B14, 2, 3, 901, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1B15, 2, 3, 902, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1B16, 2, 2, 904, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1B17, 3, 2, 905, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1B18, 2, 2, 906, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1B19, 2, 2, 907, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1B1A, 2, 2, 908, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1B1B, 4, 2, 909, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1B1C, 4, 2, 909, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1B1D, 4, 2, 909, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1B1E, 4, 2, 909, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1B1F, 2, 2, 910, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 28\0"
     "DRUMKEY 28",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1C02, 4, 2, 913, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1C03, 4, 2, 913, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1C01, 2, 4, 914, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1C04, 2, 3, 916, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1C05, 2, 3, 917, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1C06, 2, 3, 918, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1C07, 2, 3, 919, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1C08, 2, 3, 920, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1C09, 2, 3, 921, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1C0A, 2, 3, 922, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1C0D, 4, 2, 925, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1C0E, 4, 2, 925, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1C0C, 2, 4, 926, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1C0F, 2, 3, 928, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1C10, 2, 3, 929, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1C11, 2, 3, 930, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1C12, 2, 3, 931, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1C13, 2, 3, 932, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1C14, 2, 3, 933, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1C15, 2, 3, 934, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1C16, 2, 2, 936, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1C17, 3, 2, 937, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1C18, 2, 2, 938, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1C19, 2, 2, 939, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1C1A, 2, 2, 940, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1C1B, 4, 2, 941, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1C1C, 4, 2, 941, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1C1D, 4, 2, 941, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1C1E, 4, 2, 941, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1C1F, 2, 2, 942, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 29\0"
     "DRUMKEY 29",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1D02, 4, 2, 945, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1D03, 4, 2, 945, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1D01, 2, 4, 946, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1D04, 2, 3, 948, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1D05, 2, 3, 949, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1D06, 2, 3, 950, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1D07, 2, 3, 951, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1D08, 2, 3, 952, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1D09, 2, 3, 953, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1D0A, 2, 3, 954, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1D0D, 4, 2, 957, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1D0E, 4, 2, 957, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1D0C, 2, 4, 958, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1D0F, 2, 3, 960, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1D10, 2, 3, 961, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1D11, 2, 3, 962, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1D12, 2, 3, 963, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1D13, 2, 3, 964, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1D14, 2, 3, 965, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1D15, 2, 3, 966, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1D16, 2, 2, 968, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1D17, 3, 2, 969, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1D18, 2, 2, 970, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1D19, 2, 2, 971, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1D1A, 2, 2, 972, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1D1B, 4, 2, 973, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1D1C, 4, 2, 973, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1D1D, 4, 2, 973, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1D1E, 4, 2, 973, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1D1F, 2, 2, 974, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 30\0"
     "DRUMKEY 30",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1E02, 4, 2, 977, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1E03, 4, 2, 977, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1E01, 2, 4, 978, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1E04, 2, 3, 980, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1E05, 2, 3, 981, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1E06, 2, 3, 982, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1E07, 2, 3, 983, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1E08, 2, 3, 984, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1E09, 2, 3, 985, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1E0A, 2, 3, 986, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1E0D, 4, 2, 989, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1E0E, 4, 2, 989, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1E0C, 2, 4, 990, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1E0F, 2, 3, 992, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1E10, 2, 3, 993, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1E11, 2, 3, 994, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1E12, 2, 3, 995, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1E13, 2, 3, 996, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1E14, 2, 3, 997, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1E15, 2, 3, 998, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1E16, 2, 2, 1000, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1E17, 3, 2, 1001, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1E18, 2, 2, 1002, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1E19, 2, 2, 1003, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1E1A, 2, 2, 1004, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1E1B, 4, 2, 1005, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1E1C, 4, 2, 1005, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1E1D, 4, 2, 1005, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1E1E, 4, 2, 1005, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1E1F, 2, 2, 1006, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 31\0"
     "DRUMKEY 31",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x1F02, 4, 2, 1009, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x1F03, 4, 2, 1009, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x1F01, 2, 4, 1010, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x1F04, 2, 3, 1012, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x1F05, 2, 3, 1013, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x1F06, 2, 3, 1014, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x1F07, 2, 3, 1015, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x1F08, 2, 3, 1016, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x1F09, 2, 3, 1017, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x1F0A, 2, 3, 1018, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x1F0D, 4, 2, 1021, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x1F0E, 4, 2, 1021, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x1F0C, 2, 4, 1022, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x1F0F, 2, 3, 1024, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x1F10, 2, 3, 1025, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x1F11, 2, 3, 1026, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x1F12, 2, 3, 1027, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x1F13, 2, 3, 1028, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x1F14, 2, 3, 1029, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x1F15, 2, 3, 1030, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x1F16, 2, 2, 1032, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x1F17, 3, 2, 1033, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x1F18, 2, 2, 1034, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x1F19, 2, 2, 1035, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x1F1A, 2, 2, 1036, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x1F1B, 4, 2, 1037, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x1F1C, 4, 2, 1037, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x1F1D, 4, 2, 1037, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x1F1E, 4, 2, 1037, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x1F1F, 2, 2, 1038, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 32\0"
     "DRUMKEY 32",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2002, 4, 2, 1041, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2003, 4, 2, 1041, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2001, 2, 4, 1042, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2004, 2, 3, 1044, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2005, 2, 3, 1045, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2006, 2, 3, 1046, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2007, 2, 3, 1047, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2008, 2, 3, 1048, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2009, 2, 3, 1049, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x200A, 2, 3, 1050, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x200D, 4, 2, 1053, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x200E, 4, 2, 1053, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x200C, 2, 4, 1054, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x200F, 2, 3, 1056, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2010, 2, 3, 1057, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2011, 2, 3, 1058, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2012, 2, 3, 1059, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2013, 2, 3, 1060, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2014, 2, 3, 1061, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2015, 2, 3, 1062, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2016, 2, 2, 1064, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2017, 3, 2, 1065, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2018, 2, 2, 1066, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2019, 2, 2, 1067, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x201A, 2, 2, 1068, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x201B, 4, 2, 1069, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x201C, 4, 2, 1069, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x201D, 4, 2, 1069, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x201E, 4, 2, 1069, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x201F, 2, 2, 1070, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 33\0"
     "DRUMKEY 33",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2102, 4, 2, 1073, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2103, 4, 2, 1073, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2101, 2, 4, 1074, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2104, 2, 3, 1076, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2105, 2, 3, 1077, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2106, 2, 3, 1078, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2107, 2, 3, 1079, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2108, 2, 3, 1080, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2109, 2, 3, 1081, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x210A, 2, 3, 1082, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x210D, 4, 2, 1085, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x210E, 4, 2, 1085, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x210C, 2, 4, 1086, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x210F, 2, 3, 1088, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2110, 2, 3, 1089, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2111, 2, 3, 1090, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2112, 2, 3, 1091, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2113, 2, 3, 1092, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2114, 2, 3, 1093, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2115, 2, 3, 1094, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2116, 2, 2, 1096, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2117, 3, 2, 1097, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2118, 2, 2, 1098, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2119, 2, 2, 1099, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x211A, 2, 2, 1100, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x211B, 4, 2, 1101, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x211C, 4, 2, 1101, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x211D, 4, 2, 1101, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x211E, 4, 2, 1101, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x211F, 2, 2, 1102, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 34\0"
     "DRUMKEY 34",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2202, 4, 2, 1105, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2203, 4, 2, 1105, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2201, 2, 4, 1106, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2204, 2, 3, 1108, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2205, 2, 3, 1109, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2206, 2, 3, 1110, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2207, 2, 3, 1111, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2208, 2, 3, 1112, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2209, 2, 3, 1113, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x220A, 2, 3, 1114, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x220D, 4, 2, 1117, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x220E, 4, 2, 1117, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x220C, 2, 4, 1118, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x220F, 2, 3, 1120, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2210, 2, 3, 1121, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2211, 2, 3, 1122, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2212, 2, 3, 1123, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2213, 2, 3, 1124, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2214, 2, 3, 1125, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2215, 2, 3, 1126, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2216, 2, 2, 1128, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2217, 3, 2, 1129, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2218, 2, 2, 1130, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2219, 2, 2, 1131, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x221A, 2, 2, 1132, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x221B, 4, 2, 1133, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x221C, 4, 2, 1133, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x221D, 4, 2, 1133, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x221E, 4, 2, 1133, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x221F, 2, 2, 1134, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 35\0"
     "DRUMKEY 35",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2302, 4, 2, 1137, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2303, 4, 2, 1137, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2301, 2, 4, 1138, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2304, 2, 3, 1140, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2305, 2, 3, 1141, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2306, 2, 3, 1142, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2307, 2, 3, 1143, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2308, 2, 3, 1144, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2309, 2, 3, 1145, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x230A, 2, 3, 1146, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x230D, 4, 2, 1149, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x230E, 4, 2, 1149, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x230C, 2, 4, 1150, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x230F, 2, 3, 1152, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2310, 2, 3, 1153, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2311, 2, 3, 1154, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2312, 2, 3, 1155, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2313, 2, 3, 1156, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2314, 2, 3, 1157, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2315, 2, 3, 1158, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2316, 2, 2, 1160, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2317, 3, 2, 1161, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2318, 2, 2, 1162, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2319, 2, 2, 1163, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x231A, 2, 2, 1164, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x231B, 4, 2, 1165, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x231C, 4, 2, 1165, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x231D, 4, 2, 1165, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x231E, 4, 2, 1165, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x231F, 2, 2, 1166, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 36\0"
     "DRUMKEY 36",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2402, 4, 2, 1169, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2403, 4, 2, 1169, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2401, 2, 4, 1170, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2404, 2, 3, 1172, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2405, 2, 3, 1173, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2406, 2, 3, 1174, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2407, 2, 3, 1175, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2408, 2, 3, 1176, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2409, 2, 3, 1177, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x240A, 2, 3, 1178, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x240D, 4, 2, 1181, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x240E, 4, 2, 1181, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x240C, 2, 4, 1182, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x240F, 2, 3, 1184, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2410, 2, 3, 1185, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2411, 2, 3, 1186, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2412, 2, 3, 1187, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2413, 2, 3, 1188, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2414, 2, 3, 1189, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2415, 2, 3, 1190, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2416, 2, 2, 1192, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2417, 3, 2, 1193, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2418, 2, 2, 1194, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2419, 2, 2, 1195, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x241A, 2, 2, 1196, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x241B, 4, 2, 1197, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x241C, 4, 2, 1197, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x241D, 4, 2, 1197, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x241E, 4, 2, 1197, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x241F, 2, 2, 1198, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 37\0"
     "DRUMKEY 37",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2502, 4, 2, 1201, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2503, 4, 2, 1201, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2501, 2, 4, 1202, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2504, 2, 3, 1204, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2505, 2, 3, 1205, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2506, 2, 3, 1206, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2507, 2, 3, 1207, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2508, 2, 3, 1208, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2509, 2, 3, 1209, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x250A, 2, 3, 1210, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x250D, 4, 2, 1213, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x250E, 4, 2, 1213, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x250C, 2, 4, 1214, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x250F, 2, 3, 1216, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2510, 2, 3, 1217, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2511, 2, 3, 1218, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2512, 2, 3, 1219, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2513, 2, 3, 1220, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2514, 2, 3, 1221, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2515, 2, 3, 1222, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2516, 2, 2, 1224, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2517, 3, 2, 1225, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2518, 2, 2, 1226, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2519, 2, 2, 1227, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x251A, 2, 2, 1228, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x251B, 4, 2, 1229, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x251C, 4, 2, 1229, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x251D, 4, 2, 1229, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x251E, 4, 2, 1229, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x251F, 2, 2, 1230, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 38\0"
     "DRUMKEY 38",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2602, 4, 2, 1233, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2603, 4, 2, 1233, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2601, 2, 4, 1234, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2604, 2, 3, 1236, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2605, 2, 3, 1237, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2606, 2, 3, 1238, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2607, 2, 3, 1239, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2608, 2, 3, 1240, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2609, 2, 3, 1241, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x260A, 2, 3, 1242, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x260D, 4, 2, 1245, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x260E, 4, 2, 1245, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x260C, 2, 4, 1246, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x260F, 2, 3, 1248, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2610, 2, 3, 1249, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2611, 2, 3, 1250, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2612, 2, 3, 1251, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2613, 2, 3, 1252, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2614, 2, 3, 1253, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2615, 2, 3, 1254, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2616, 2, 2, 1256, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2617, 3, 2, 1257, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2618, 2, 2, 1258, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2619, 2, 2, 1259, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x261A, 2, 2, 1260, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x261B, 4, 2, 1261, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x261C, 4, 2, 1261, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x261D, 4, 2, 1261, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x261E, 4, 2, 1261, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x261F, 2, 2, 1262, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 39\0"
     "DRUMKEY 39",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2702, 4, 2, 1265, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2703, 4, 2, 1265, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2701, 2, 4, 1266, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2704, 2, 3, 1268, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2705, 2, 3, 1269, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2706, 2, 3, 1270, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2707, 2, 3, 1271, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2708, 2, 3, 1272, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2709, 2, 3, 1273, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x270A, 2, 3, 1274, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x270D, 4, 2, 1277, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x270E, 4, 2, 1277, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x270C, 2, 4, 1278, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x270F, 2, 3, 1280, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2710, 2, 3, 1281, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2711, 2, 3, 1282, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2712, 2, 3, 1283, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2713, 2, 3, 1284, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2714, 2, 3, 1285, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2715, 2, 3, 1286, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2716, 2, 2, 1288, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2717, 3, 2, 1289, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2718, 2, 2, 1290, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2719, 2, 2, 1291, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x271A, 2, 2, 1292, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x271B, 4, 2, 1293, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x271C, 4, 2, 1293, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x271D, 4, 2, 1293, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x271E, 4, 2, 1293, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x271F, 2, 2, 1294, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 40\0"
     "DRUMKEY 40",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2802, 4, 2, 1297, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2803, 4, 2, 1297, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2801, 2, 4, 1298, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2804, 2, 3, 1300, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2805, 2, 3, 1301, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2806, 2, 3, 1302, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2807, 2, 3, 1303, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2808, 2, 3, 1304, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2809, 2, 3, 1305, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x280A, 2, 3, 1306, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x280D, 4, 2, 1309, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x280E, 4, 2, 1309, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x280C, 2, 4, 1310, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x280F, 2, 3, 1312, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2810, 2, 3, 1313, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2811, 2, 3, 1314, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2812, 2, 3, 1315, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2813, 2, 3, 1316, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2814, 2, 3, 1317, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2815, 2, 3, 1318, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2816, 2, 2, 1320, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2817, 3, 2, 1321, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2818, 2, 2, 1322, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2819, 2, 2, 1323, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x281A, 2, 2, 1324, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x281B, 4, 2, 1325, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x281C, 4, 2, 1325, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x281D, 4, 2, 1325, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x281E, 4, 2, 1325, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x281F, 2, 2, 1326, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 41\0"
     "DRUMKEY 41",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2902, 4, 2, 1329, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2903, 4, 2, 1329, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2901, 2, 4, 1330, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2904, 2, 3, 1332, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2905, 2, 3, 1333, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2906, 2, 3, 1334, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2907, 2, 3, 1335, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2908, 2, 3, 1336, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2909, 2, 3, 1337, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x290A, 2, 3, 1338, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x290D, 4, 2, 1341, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x290E, 4, 2, 1341, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x290C, 2, 4, 1342, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x290F, 2, 3, 1344, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2910, 2, 3, 1345, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2911, 2, 3, 1346, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2912, 2, 3, 1347, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2913, 2, 3, 1348, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2914, 2, 3, 1349, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2915, 2, 3, 1350, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2916, 2, 2, 1352, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2917, 3, 2, 1353, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2918, 2, 2, 1354, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2919, 2, 2, 1355, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x291A, 2, 2, 1356, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x291B, 4, 2, 1357, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x291C, 4, 2, 1357, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x291D, 4, 2, 1357, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x291E, 4, 2, 1357, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x291F, 2, 2, 1358, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 42\0"
     "DRUMKEY 42",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2A02, 4, 2, 1361, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2A03, 4, 2, 1361, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2A01, 2, 4, 1362, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2A04, 2, 3, 1364, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2A05, 2, 3, 1365, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2A06, 2, 3, 1366, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2A07, 2, 3, 1367, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2A08, 2, 3, 1368, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2A09, 2, 3, 1369, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2A0A, 2, 3, 1370, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2A0D, 4, 2, 1373, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2A0E, 4, 2, 1373, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2A0C, 2, 4, 1374, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2A0F, 2, 3, 1376, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2A10, 2, 3, 1377, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2A11, 2, 3, 1378, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2A12, 2, 3, 1379, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2A13, 2, 3, 1380, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2A14, 2, 3, 1381, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2A15, 2, 3, 1382, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2A16, 2, 2, 1384, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2A17, 3, 2, 1385, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2A18, 2, 2, 1386, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2A19, 2, 2, 1387, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2A1A, 2, 2, 1388, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2A1B, 4, 2, 1389, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2A1C, 4, 2, 1389, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2A1D, 4, 2, 1389, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2A1E, 4, 2, 1389, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2A1F, 2, 2, 1390, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 43\0"
     "DRUMKEY 43",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2B02, 4, 2, 1393, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2B03, 4, 2, 1393, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2B01, 2, 4, 1394, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2B04, 2, 3, 1396, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2B05, 2, 3, 1397, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2B06, 2, 3, 1398, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2B07, 2, 3, 1399, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2B08, 2, 3, 1400, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2B09, 2, 3, 1401, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2B0A, 2, 3, 1402, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2B0D, 4, 2, 1405, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2B0E, 4, 2, 1405, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2B0C, 2, 4, 1406, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2B0F, 2, 3, 1408, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2B10, 2, 3, 1409, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2B11, 2, 3, 1410, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2B12, 2, 3, 1411, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2B13, 2, 3, 1412, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2B14, 2, 3, 1413, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2B15, 2, 3, 1414, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2B16, 2, 2, 1416, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2B17, 3, 2, 1417, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2B18, 2, 2, 1418, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2B19, 2, 2, 1419, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2B1A, 2, 2, 1420, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2B1B, 4, 2, 1421, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2B1C, 4, 2, 1421, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2B1D, 4, 2, 1421, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2B1E, 4, 2, 1421, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2B1F, 2, 2, 1422, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 44\0"
     "DRUMKEY 44",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2C02, 4, 2, 1425, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2C03, 4, 2, 1425, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2C01, 2, 4, 1426, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2C04, 2, 3, 1428, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2C05, 2, 3, 1429, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2C06, 2, 3, 1430, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2C07, 2, 3, 1431, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2C08, 2, 3, 1432, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2C09, 2, 3, 1433, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2C0A, 2, 3, 1434, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2C0D, 4, 2, 1437, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2C0E, 4, 2, 1437, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2C0C, 2, 4, 1438, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2C0F, 2, 3, 1440, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2C10, 2, 3, 1441, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2C11, 2, 3, 1442, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2C12, 2, 3, 1443, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2C13, 2, 3, 1444, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2C14, 2, 3, 1445, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2C15, 2, 3, 1446, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2C16, 2, 2, 1448, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2C17, 3, 2, 1449, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2C18, 2, 2, 1450, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2C19, 2, 2, 1451, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2C1A, 2, 2, 1452, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2C1B, 4, 2, 1453, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2C1C, 4, 2, 1453, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2C1D, 4, 2, 1453, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2C1E, 4, 2, 1453, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2C1F, 2, 2, 1454, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 45\0"
     "DRUMKEY 45",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2D02, 4, 2, 1457, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2D03, 4, 2, 1457, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2D01, 2, 4, 1458, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2D04, 2, 3, 1460, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2D05, 2, 3, 1461, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2D06, 2, 3, 1462, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2D07, 2, 3, 1463, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2D08, 2, 3, 1464, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2D09, 2, 3, 1465, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2D0A, 2, 3, 1466, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2D0D, 4, 2, 1469, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2D0E, 4, 2, 1469, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2D0C, 2, 4, 1470, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2D0F, 2, 3, 1472, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2D10, 2, 3, 1473, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2D11, 2, 3, 1474, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2D12, 2, 3, 1475, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2D13, 2, 3, 1476, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2D14, 2, 3, 1477, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2D15, 2, 3, 1478, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2D16, 2, 2, 1480, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2D17, 3, 2, 1481, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2D18, 2, 2, 1482, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2D19, 2, 2, 1483, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2D1A, 2, 2, 1484, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2D1B, 4, 2, 1485, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2D1C, 4, 2, 1485, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2D1D, 4, 2, 1485, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2D1E, 4, 2, 1485, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2D1F, 2, 2, 1486, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 46\0"
     "DRUMKEY 46",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2E02, 4, 2, 1489, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2E03, 4, 2, 1489, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2E01, 2, 4, 1490, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2E04, 2, 3, 1492, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2E05, 2, 3, 1493, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2E06, 2, 3, 1494, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2E07, 2, 3, 1495, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2E08, 2, 3, 1496, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2E09, 2, 3, 1497, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2E0A, 2, 3, 1498, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2E0D, 4, 2, 1501, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2E0E, 4, 2, 1501, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2E0C, 2, 4, 1502, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2E0F, 2, 3, 1504, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2E10, 2, 3, 1505, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2E11, 2, 3, 1506, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2E12, 2, 3, 1507, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2E13, 2, 3, 1508, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2E14, 2, 3, 1509, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2E15, 2, 3, 1510, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2E16, 2, 2, 1512, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2E17, 3, 2, 1513, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2E18, 2, 2, 1514, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2E19, 2, 2, 1515, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2E1A, 2, 2, 1516, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2E1B, 4, 2, 1517, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2E1C, 4, 2, 1517, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2E1D, 4, 2, 1517, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2E1E, 4, 2, 1517, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2E1F, 2, 2, 1518, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 47\0"
     "DRUMKEY 47",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x2F02, 4, 2, 1521, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x2F03, 4, 2, 1521, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x2F01, 2, 4, 1522, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x2F04, 2, 3, 1524, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x2F05, 2, 3, 1525, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x2F06, 2, 3, 1526, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x2F07, 2, 3, 1527, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x2F08, 2, 3, 1528, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x2F09, 2, 3, 1529, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x2F0A, 2, 3, 1530, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x2F0D, 4, 2, 1533, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x2F0E, 4, 2, 1533, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x2F0C, 2, 4, 1534, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x2F0F, 2, 3, 1536, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x2F10, 2, 3, 1537, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x2F11, 2, 3, 1538, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x2F12, 2, 3, 1539, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x2F13, 2, 3, 1540, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x2F14, 2, 3, 1541, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x2F15, 2, 3, 1542, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x2F16, 2, 2, 1544, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x2F17, 3, 2, 1545, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x2F18, 2, 2, 1546, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x2F19, 2, 2, 1547, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x2F1A, 2, 2, 1548, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x2F1B, 4, 2, 1549, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x2F1C, 4, 2, 1549, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x2F1D, 4, 2, 1549, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x2F1E, 4, 2, 1549, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x2F1F, 2, 2, 1550, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 48\0"
     "DRUMKEY 48",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3002, 4, 2, 1553, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3003, 4, 2, 1553, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3001, 2, 4, 1554, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3004, 2, 3, 1556, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3005, 2, 3, 1557, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3006, 2, 3, 1558, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3007, 2, 3, 1559, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3008, 2, 3, 1560, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3009, 2, 3, 1561, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x300A, 2, 3, 1562, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x300D, 4, 2, 1565, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x300E, 4, 2, 1565, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x300C, 2, 4, 1566, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x300F, 2, 3, 1568, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3010, 2, 3, 1569, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3011, 2, 3, 1570, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3012, 2, 3, 1571, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3013, 2, 3, 1572, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3014, 2, 3, 1573, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3015, 2, 3, 1574, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3016, 2, 2, 1576, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3017, 3, 2, 1577, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3018, 2, 2, 1578, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3019, 2, 2, 1579, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x301A, 2, 2, 1580, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x301B, 4, 2, 1581, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x301C, 4, 2, 1581, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x301D, 4, 2, 1581, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x301E, 4, 2, 1581, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x301F, 2, 2, 1582, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 49\0"
     "DRUMKEY 49",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3102, 4, 2, 1585, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3103, 4, 2, 1585, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3101, 2, 4, 1586, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3104, 2, 3, 1588, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3105, 2, 3, 1589, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3106, 2, 3, 1590, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3107, 2, 3, 1591, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3108, 2, 3, 1592, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3109, 2, 3, 1593, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x310A, 2, 3, 1594, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x310D, 4, 2, 1597, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x310E, 4, 2, 1597, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x310C, 2, 4, 1598, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x310F, 2, 3, 1600, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3110, 2, 3, 1601, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3111, 2, 3, 1602, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3112, 2, 3, 1603, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3113, 2, 3, 1604, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3114, 2, 3, 1605, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3115, 2, 3, 1606, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3116, 2, 2, 1608, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3117, 3, 2, 1609, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3118, 2, 2, 1610, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3119, 2, 2, 1611, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x311A, 2, 2, 1612, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x311B, 4, 2, 1613, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x311C, 4, 2, 1613, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x311D, 4, 2, 1613, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x311E, 4, 2, 1613, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x311F, 2, 2, 1614, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 50\0"
     "DRUMKEY 50",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3202, 4, 2, 1617, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3203, 4, 2, 1617, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3201, 2, 4, 1618, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3204, 2, 3, 1620, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3205, 2, 3, 1621, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3206, 2, 3, 1622, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3207, 2, 3, 1623, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3208, 2, 3, 1624, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3209, 2, 3, 1625, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x320A, 2, 3, 1626, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x320D, 4, 2, 1629, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x320E, 4, 2, 1629, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x320C, 2, 4, 1630, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x320F, 2, 3, 1632, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3210, 2, 3, 1633, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3211, 2, 3, 1634, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3212, 2, 3, 1635, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3213, 2, 3, 1636, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3214, 2, 3, 1637, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3215, 2, 3, 1638, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3216, 2, 2, 1640, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3217, 3, 2, 1641, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3218, 2, 2, 1642, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3219, 2, 2, 1643, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x321A, 2, 2, 1644, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x321B, 4, 2, 1645, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x321C, 4, 2, 1645, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x321D, 4, 2, 1645, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x321E, 4, 2, 1645, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x321F, 2, 2, 1646, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 51\0"
     "DRUMKEY 51",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3302, 4, 2, 1649, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3303, 4, 2, 1649, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3301, 2, 4, 1650, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3304, 2, 3, 1652, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3305, 2, 3, 1653, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3306, 2, 3, 1654, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3307, 2, 3, 1655, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3308, 2, 3, 1656, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3309, 2, 3, 1657, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x330A, 2, 3, 1658, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x330D, 4, 2, 1661, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x330E, 4, 2, 1661, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x330C, 2, 4, 1662, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x330F, 2, 3, 1664, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3310, 2, 3, 1665, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3311, 2, 3, 1666, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3312, 2, 3, 1667, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3313, 2, 3, 1668, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3314, 2, 3, 1669, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3315, 2, 3, 1670, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3316, 2, 2, 1672, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3317, 3, 2, 1673, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3318, 2, 2, 1674, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3319, 2, 2, 1675, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x331A, 2, 2, 1676, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x331B, 4, 2, 1677, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x331C, 4, 2, 1677, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x331D, 4, 2, 1677, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x331E, 4, 2, 1677, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x331F, 2, 2, 1678, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 52\0"
     "DRUMKEY 52",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3402, 4, 2, 1681, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3403, 4, 2, 1681, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3401, 2, 4, 1682, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3404, 2, 3, 1684, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3405, 2, 3, 1685, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3406, 2, 3, 1686, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3407, 2, 3, 1687, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3408, 2, 3, 1688, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3409, 2, 3, 1689, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x340A, 2, 3, 1690, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x340D, 4, 2, 1693, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x340E, 4, 2, 1693, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x340C, 2, 4, 1694, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x340F, 2, 3, 1696, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3410, 2, 3, 1697, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3411, 2, 3, 1698, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3412, 2, 3, 1699, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3413, 2, 3, 1700, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3414, 2, 3, 1701, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3415, 2, 3, 1702, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3416, 2, 2, 1704, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3417, 3, 2, 1705, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3418, 2, 2, 1706, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3419, 2, 2, 1707, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x341A, 2, 2, 1708, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x341B, 4, 2, 1709, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x341C, 4, 2, 1709, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x341D, 4, 2, 1709, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x341E, 4, 2, 1709, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x341F, 2, 2, 1710, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 53\0"
     "DRUMKEY 53",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3502, 4, 2, 1713, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3503, 4, 2, 1713, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3501, 2, 4, 1714, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3504, 2, 3, 1716, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3505, 2, 3, 1717, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3506, 2, 3, 1718, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3507, 2, 3, 1719, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3508, 2, 3, 1720, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3509, 2, 3, 1721, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x350A, 2, 3, 1722, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x350D, 4, 2, 1725, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x350E, 4, 2, 1725, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x350C, 2, 4, 1726, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x350F, 2, 3, 1728, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3510, 2, 3, 1729, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3511, 2, 3, 1730, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3512, 2, 3, 1731, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3513, 2, 3, 1732, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3514, 2, 3, 1733, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3515, 2, 3, 1734, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3516, 2, 2, 1736, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3517, 3, 2, 1737, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3518, 2, 2, 1738, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3519, 2, 2, 1739, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x351A, 2, 2, 1740, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x351B, 4, 2, 1741, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x351C, 4, 2, 1741, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x351D, 4, 2, 1741, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x351E, 4, 2, 1741, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x351F, 2, 2, 1742, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 54\0"
     "DRUMKEY 54",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3602, 4, 2, 1745, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3603, 4, 2, 1745, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3601, 2, 4, 1746, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3604, 2, 3, 1748, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3605, 2, 3, 1749, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3606, 2, 3, 1750, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3607, 2, 3, 1751, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3608, 2, 3, 1752, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3609, 2, 3, 1753, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x360A, 2, 3, 1754, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x360D, 4, 2, 1757, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x360E, 4, 2, 1757, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x360C, 2, 4, 1758, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x360F, 2, 3, 1760, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3610, 2, 3, 1761, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3611, 2, 3, 1762, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3612, 2, 3, 1763, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3613, 2, 3, 1764, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3614, 2, 3, 1765, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3615, 2, 3, 1766, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3616, 2, 2, 1768, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3617, 3, 2, 1769, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3618, 2, 2, 1770, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3619, 2, 2, 1771, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x361A, 2, 2, 1772, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x361B, 4, 2, 1773, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x361C, 4, 2, 1773, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x361D, 4, 2, 1773, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x361E, 4, 2, 1773, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x361F, 2, 2, 1774, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 55\0"
     "DRUMKEY 55",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3702, 4, 2, 1777, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3703, 4, 2, 1777, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3701, 2, 4, 1778, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3704, 2, 3, 1780, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3705, 2, 3, 1781, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3706, 2, 3, 1782, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3707, 2, 3, 1783, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3708, 2, 3, 1784, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3709, 2, 3, 1785, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x370A, 2, 3, 1786, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x370D, 4, 2, 1789, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x370E, 4, 2, 1789, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x370C, 2, 4, 1790, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x370F, 2, 3, 1792, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3710, 2, 3, 1793, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3711, 2, 3, 1794, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3712, 2, 3, 1795, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3713, 2, 3, 1796, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3714, 2, 3, 1797, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3715, 2, 3, 1798, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3716, 2, 2, 1800, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3717, 3, 2, 1801, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3718, 2, 2, 1802, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3719, 2, 2, 1803, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x371A, 2, 2, 1804, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x371B, 4, 2, 1805, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x371C, 4, 2, 1805, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x371D, 4, 2, 1805, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x371E, 4, 2, 1805, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x371F, 2, 2, 1806, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 56\0"
     "DRUMKEY 56",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3802, 4, 2, 1809, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3803, 4, 2, 1809, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3801, 2, 4, 1810, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3804, 2, 3, 1812, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3805, 2, 3, 1813, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3806, 2, 3, 1814, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3807, 2, 3, 1815, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3808, 2, 3, 1816, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3809, 2, 3, 1817, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x380A, 2, 3, 1818, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x380D, 4, 2, 1821, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x380E, 4, 2, 1821, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x380C, 2, 4, 1822, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x380F, 2, 3, 1824, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3810, 2, 3, 1825, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3811, 2, 3, 1826, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3812, 2, 3, 1827, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3813, 2, 3, 1828, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3814, 2, 3, 1829, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3815, 2, 3, 1830, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3816, 2, 2, 1832, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3817, 3, 2, 1833, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3818, 2, 2, 1834, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3819, 2, 2, 1835, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x381A, 2, 2, 1836, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x381B, 4, 2, 1837, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x381C, 4, 2, 1837, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x381D, 4, 2, 1837, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x381E, 4, 2, 1837, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x381F, 2, 2, 1838, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 57\0"
     "DRUMKEY 57",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3902, 4, 2, 1841, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3903, 4, 2, 1841, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3901, 2, 4, 1842, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3904, 2, 3, 1844, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3905, 2, 3, 1845, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3906, 2, 3, 1846, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3907, 2, 3, 1847, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3908, 2, 3, 1848, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3909, 2, 3, 1849, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x390A, 2, 3, 1850, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x390D, 4, 2, 1853, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x390E, 4, 2, 1853, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x390C, 2, 4, 1854, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x390F, 2, 3, 1856, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3910, 2, 3, 1857, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3911, 2, 3, 1858, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3912, 2, 3, 1859, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3913, 2, 3, 1860, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3914, 2, 3, 1861, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3915, 2, 3, 1862, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3916, 2, 2, 1864, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3917, 3, 2, 1865, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3918, 2, 2, 1866, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3919, 2, 2, 1867, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x391A, 2, 2, 1868, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x391B, 4, 2, 1869, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x391C, 4, 2, 1869, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x391D, 4, 2, 1869, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x391E, 4, 2, 1869, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x391F, 2, 2, 1870, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 58\0"
     "DRUMKEY 58",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3A02, 4, 2, 1873, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3A03, 4, 2, 1873, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3A01, 2, 4, 1874, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3A04, 2, 3, 1876, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3A05, 2, 3, 1877, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3A06, 2, 3, 1878, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3A07, 2, 3, 1879, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3A08, 2, 3, 1880, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3A09, 2, 3, 1881, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3A0A, 2, 3, 1882, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3A0D, 4, 2, 1885, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3A0E, 4, 2, 1885, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3A0C, 2, 4, 1886, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3A0F, 2, 3, 1888, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3A10, 2, 3, 1889, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3A11, 2, 3, 1890, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3A12, 2, 3, 1891, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3A13, 2, 3, 1892, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3A14, 2, 3, 1893, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3A15, 2, 3, 1894, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3A16, 2, 2, 1896, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3A17, 3, 2, 1897, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3A18, 2, 2, 1898, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3A19, 2, 2, 1899, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3A1A, 2, 2, 1900, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3A1B, 4, 2, 1901, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3A1C, 4, 2, 1901, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3A1D, 4, 2, 1901, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3A1E, 4, 2, 1901, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3A1F, 2, 2, 1902, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 59\0"
     "DRUMKEY 59",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3B02, 4, 2, 1905, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3B03, 4, 2, 1905, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3B01, 2, 4, 1906, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3B04, 2, 3, 1908, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3B05, 2, 3, 1909, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3B06, 2, 3, 1910, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3B07, 2, 3, 1911, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3B08, 2, 3, 1912, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3B09, 2, 3, 1913, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3B0A, 2, 3, 1914, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3B0D, 4, 2, 1917, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3B0E, 4, 2, 1917, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3B0C, 2, 4, 1918, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3B0F, 2, 3, 1920, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3B10, 2, 3, 1921, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3B11, 2, 3, 1922, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3B12, 2, 3, 1923, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3B13, 2, 3, 1924, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3B14, 2, 3, 1925, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3B15, 2, 3, 1926, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3B16, 2, 2, 1928, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3B17, 3, 2, 1929, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3B18, 2, 2, 1930, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3B19, 2, 2, 1931, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3B1A, 2, 2, 1932, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3B1B, 4, 2, 1933, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3B1C, 4, 2, 1933, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3B1D, 4, 2, 1933, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3B1E, 4, 2, 1933, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3B1F, 2, 2, 1934, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 60\0"
     "DRUMKEY 60",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3C02, 4, 2, 1937, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3C03, 4, 2, 1937, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3C01, 2, 4, 1938, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3C04, 2, 3, 1940, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3C05, 2, 3, 1941, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3C06, 2, 3, 1942, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3C07, 2, 3, 1943, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3C08, 2, 3, 1944, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3C09, 2, 3, 1945, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3C0A, 2, 3, 1946, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3C0D, 4, 2, 1949, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3C0E, 4, 2, 1949, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3C0C, 2, 4, 1950, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3C0F, 2, 3, 1952, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3C10, 2, 3, 1953, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3C11, 2, 3, 1954, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3C12, 2, 3, 1955, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3C13, 2, 3, 1956, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3C14, 2, 3, 1957, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3C15, 2, 3, 1958, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3C16, 2, 2, 1960, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3C17, 3, 2, 1961, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3C18, 2, 2, 1962, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3C19, 2, 2, 1963, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3C1A, 2, 2, 1964, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3C1B, 4, 2, 1965, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3C1C, 4, 2, 1965, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3C1D, 4, 2, 1965, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3C1E, 4, 2, 1965, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3C1F, 2, 2, 1966, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 61\0"
     "DRUMKEY 61",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3D02, 4, 2, 1969, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3D03, 4, 2, 1969, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3D01, 2, 4, 1970, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3D04, 2, 3, 1972, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3D05, 2, 3, 1973, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3D06, 2, 3, 1974, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3D07, 2, 3, 1975, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3D08, 2, 3, 1976, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3D09, 2, 3, 1977, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3D0A, 2, 3, 1978, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3D0D, 4, 2, 1981, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3D0E, 4, 2, 1981, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3D0C, 2, 4, 1982, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3D0F, 2, 3, 1984, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3D10, 2, 3, 1985, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3D11, 2, 3, 1986, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3D12, 2, 3, 1987, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3D13, 2, 3, 1988, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3D14, 2, 3, 1989, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3D15, 2, 3, 1990, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3D16, 2, 2, 1992, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3D17, 3, 2, 1993, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3D18, 2, 2, 1994, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3D19, 2, 2, 1995, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3D1A, 2, 2, 1996, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3D1B, 4, 2, 1997, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3D1C, 4, 2, 1997, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3D1D, 4, 2, 1997, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3D1E, 4, 2, 1997, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3D1F, 2, 2, 1998, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 62\0"
     "DRUMKEY 62",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3E02, 4, 2, 2001, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3E03, 4, 2, 2001, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3E01, 2, 4, 2002, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3E04, 2, 3, 2004, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3E05, 2, 3, 2005, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3E06, 2, 3, 2006, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3E07, 2, 3, 2007, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3E08, 2, 3, 2008, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3E09, 2, 3, 2009, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3E0A, 2, 3, 2010, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3E0D, 4, 2, 2013, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3E0E, 4, 2, 2013, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3E0C, 2, 4, 2014, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3E0F, 2, 3, 2016, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3E10, 2, 3, 2017, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3E11, 2, 3, 2018, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3E12, 2, 3, 2019, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3E13, 2, 3, 2020, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3E14, 2, 3, 2021, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3E15, 2, 3, 2022, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3E16, 2, 2, 2024, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3E17, 3, 2, 2025, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3E18, 2, 2, 2026, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3E19, 2, 2, 2027, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3E1A, 2, 2, 2028, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3E1B, 4, 2, 2029, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3E1C, 4, 2, 2029, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3E1D, 4, 2, 2029, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3E1E, 4, 2, 2029, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3E1F, 2, 2, 2030, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 63\0"
     "DRUMKEY 63",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x3F02, 4, 2, 2033, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x3F03, 4, 2, 2033, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x3F01, 2, 4, 2034, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x3F04, 2, 3, 2036, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x3F05, 2, 3, 2037, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x3F06, 2, 3, 2038, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x3F07, 2, 3, 2039, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x3F08, 2, 3, 2040, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x3F09, 2, 3, 2041, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x3F0A, 2, 3, 2042, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x3F0D, 4, 2, 2045, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x3F0E, 4, 2, 2045, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x3F0C, 2, 4, 2046, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x3F0F, 2, 3, 2048, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x3F10, 2, 3, 2049, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x3F11, 2, 3, 2050, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x3F12, 2, 3, 2051, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x3F13, 2, 3, 2052, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x3F14, 2, 3, 2053, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x3F15, 2, 3, 2054, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x3F16, 2, 2, 2056, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x3F17, 3, 2, 2057, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x3F18, 2, 2, 2058, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x3F19, 2, 2, 2059, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x3F1A, 2, 2, 2060, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x3F1B, 4, 2, 2061, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x3F1C, 4, 2, 2061, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x3F1D, 4, 2, 2061, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x3F1E, 4, 2, 2061, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x3F1F, 2, 2, 2062, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 64\0"
     "DRUMKEY 64",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4002, 4, 2, 2065, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4003, 4, 2, 2065, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4001, 2, 4, 2066, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4004, 2, 3, 2068, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4005, 2, 3, 2069, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4006, 2, 3, 2070, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4007, 2, 3, 2071, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4008, 2, 3, 2072, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4009, 2, 3, 2073, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x400A, 2, 3, 2074, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x400D, 4, 2, 2077, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x400E, 4, 2, 2077, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x400C, 2, 4, 2078, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x400F, 2, 3, 2080, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4010, 2, 3, 2081, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4011, 2, 3, 2082, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4012, 2, 3, 2083, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4013, 2, 3, 2084, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4014, 2, 3, 2085, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4015, 2, 3, 2086, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4016, 2, 2, 2088, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4017, 3, 2, 2089, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4018, 2, 2, 2090, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4019, 2, 2, 2091, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x401A, 2, 2, 2092, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x401B, 4, 2, 2093, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x401C, 4, 2, 2093, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x401D, 4, 2, 2093, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x401E, 4, 2, 2093, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x401F, 2, 2, 2094, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 65\0"
     "DRUMKEY 65",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4102, 4, 2, 2097, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4103, 4, 2, 2097, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4101, 2, 4, 2098, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4104, 2, 3, 2100, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4105, 2, 3, 2101, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4106, 2, 3, 2102, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4107, 2, 3, 2103, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4108, 2, 3, 2104, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4109, 2, 3, 2105, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x410A, 2, 3, 2106, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x410D, 4, 2, 2109, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x410E, 4, 2, 2109, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x410C, 2, 4, 2110, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x410F, 2, 3, 2112, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4110, 2, 3, 2113, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4111, 2, 3, 2114, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4112, 2, 3, 2115, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4113, 2, 3, 2116, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4114, 2, 3, 2117, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4115, 2, 3, 2118, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4116, 2, 2, 2120, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4117, 3, 2, 2121, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4118, 2, 2, 2122, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4119, 2, 2, 2123, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x411A, 2, 2, 2124, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x411B, 4, 2, 2125, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x411C, 4, 2, 2125, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x411D, 4, 2, 2125, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x411E, 4, 2, 2125, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x411F, 2, 2, 2126, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 66\0"
     "DRUMKEY 66",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4202, 4, 2, 2129, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4203, 4, 2, 2129, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4201, 2, 4, 2130, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4204, 2, 3, 2132, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4205, 2, 3, 2133, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4206, 2, 3, 2134, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4207, 2, 3, 2135, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4208, 2, 3, 2136, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4209, 2, 3, 2137, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x420A, 2, 3, 2138, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x420D, 4, 2, 2141, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x420E, 4, 2, 2141, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x420C, 2, 4, 2142, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x420F, 2, 3, 2144, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4210, 2, 3, 2145, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4211, 2, 3, 2146, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4212, 2, 3, 2147, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4213, 2, 3, 2148, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4214, 2, 3, 2149, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4215, 2, 3, 2150, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4216, 2, 2, 2152, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4217, 3, 2, 2153, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4218, 2, 2, 2154, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4219, 2, 2, 2155, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x421A, 2, 2, 2156, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x421B, 4, 2, 2157, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x421C, 4, 2, 2157, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x421D, 4, 2, 2157, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x421E, 4, 2, 2157, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x421F, 2, 2, 2158, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 67\0"
     "DRUMKEY 67",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4302, 4, 2, 2161, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4303, 4, 2, 2161, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4301, 2, 4, 2162, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4304, 2, 3, 2164, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4305, 2, 3, 2165, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4306, 2, 3, 2166, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4307, 2, 3, 2167, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4308, 2, 3, 2168, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4309, 2, 3, 2169, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x430A, 2, 3, 2170, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x430D, 4, 2, 2173, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x430E, 4, 2, 2173, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x430C, 2, 4, 2174, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x430F, 2, 3, 2176, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4310, 2, 3, 2177, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4311, 2, 3, 2178, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4312, 2, 3, 2179, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4313, 2, 3, 2180, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4314, 2, 3, 2181, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4315, 2, 3, 2182, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4316, 2, 2, 2184, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4317, 3, 2, 2185, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4318, 2, 2, 2186, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4319, 2, 2, 2187, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x431A, 2, 2, 2188, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x431B, 4, 2, 2189, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x431C, 4, 2, 2189, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x431D, 4, 2, 2189, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x431E, 4, 2, 2189, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x431F, 2, 2, 2190, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 68\0"
     "DRUMKEY 68",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4402, 4, 2, 2193, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4403, 4, 2, 2193, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4401, 2, 4, 2194, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4404, 2, 3, 2196, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4405, 2, 3, 2197, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4406, 2, 3, 2198, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4407, 2, 3, 2199, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4408, 2, 3, 2200, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4409, 2, 3, 2201, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x440A, 2, 3, 2202, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x440D, 4, 2, 2205, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x440E, 4, 2, 2205, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x440C, 2, 4, 2206, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x440F, 2, 3, 2208, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4410, 2, 3, 2209, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4411, 2, 3, 2210, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4412, 2, 3, 2211, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4413, 2, 3, 2212, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4414, 2, 3, 2213, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4415, 2, 3, 2214, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4416, 2, 2, 2216, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4417, 3, 2, 2217, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4418, 2, 2, 2218, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4419, 2, 2, 2219, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x441A, 2, 2, 2220, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x441B, 4, 2, 2221, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x441C, 4, 2, 2221, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x441D, 4, 2, 2221, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x441E, 4, 2, 2221, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x441F, 2, 2, 2222, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 69\0"
     "DRUMKEY 69",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4502, 4, 2, 2225, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4503, 4, 2, 2225, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4501, 2, 4, 2226, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4504, 2, 3, 2228, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4505, 2, 3, 2229, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4506, 2, 3, 2230, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4507, 2, 3, 2231, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4508, 2, 3, 2232, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4509, 2, 3, 2233, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x450A, 2, 3, 2234, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x450D, 4, 2, 2237, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x450E, 4, 2, 2237, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x450C, 2, 4, 2238, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x450F, 2, 3, 2240, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4510, 2, 3, 2241, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4511, 2, 3, 2242, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4512, 2, 3, 2243, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4513, 2, 3, 2244, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4514, 2, 3, 2245, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4515, 2, 3, 2246, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4516, 2, 2, 2248, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4517, 3, 2, 2249, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4518, 2, 2, 2250, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4519, 2, 2, 2251, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x451A, 2, 2, 2252, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x451B, 4, 2, 2253, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x451C, 4, 2, 2253, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x451D, 4, 2, 2253, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x451E, 4, 2, 2253, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x451F, 2, 2, 2254, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 70\0"
     "DRUMKEY 70",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4602, 4, 2, 2257, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4603, 4, 2, 2257, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4601, 2, 4, 2258, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4604, 2, 3, 2260, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4605, 2, 3, 2261, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4606, 2, 3, 2262, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4607, 2, 3, 2263, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4608, 2, 3, 2264, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4609, 2, 3, 2265, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x460A, 2, 3, 2266, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x460D, 4, 2, 2269, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x460E, 4, 2, 2269, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x460C, 2, 4, 2270, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x460F, 2, 3, 2272, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4610, 2, 3, 2273, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4611, 2, 3, 2274, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4612, 2, 3, 2275, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4613, 2, 3, 2276, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4614, 2, 3, 2277, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4615, 2, 3, 2278, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4616, 2, 2, 2280, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4617, 3, 2, 2281, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4618, 2, 2, 2282, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4619, 2, 2, 2283, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x461A, 2, 2, 2284, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x461B, 4, 2, 2285, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x461C, 4, 2, 2285, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x461D, 4, 2, 2285, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x461E, 4, 2, 2285, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x461F, 2, 2, 2286, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 71\0"
     "DRUMKEY 71",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4702, 4, 2, 2289, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4703, 4, 2, 2289, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4701, 2, 4, 2290, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4704, 2, 3, 2292, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4705, 2, 3, 2293, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4706, 2, 3, 2294, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4707, 2, 3, 2295, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4708, 2, 3, 2296, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4709, 2, 3, 2297, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x470A, 2, 3, 2298, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x470D, 4, 2, 2301, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x470E, 4, 2, 2301, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x470C, 2, 4, 2302, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x470F, 2, 3, 2304, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4710, 2, 3, 2305, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4711, 2, 3, 2306, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4712, 2, 3, 2307, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4713, 2, 3, 2308, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4714, 2, 3, 2309, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4715, 2, 3, 2310, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4716, 2, 2, 2312, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4717, 3, 2, 2313, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4718, 2, 2, 2314, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4719, 2, 2, 2315, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x471A, 2, 2, 2316, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x471B, 4, 2, 2317, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x471C, 4, 2, 2317, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x471D, 4, 2, 2317, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x471E, 4, 2, 2317, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x471F, 2, 2, 2318, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 72\0"
     "DRUMKEY 72",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4802, 4, 2, 2321, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4803, 4, 2, 2321, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4801, 2, 4, 2322, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4804, 2, 3, 2324, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4805, 2, 3, 2325, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4806, 2, 3, 2326, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4807, 2, 3, 2327, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4808, 2, 3, 2328, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4809, 2, 3, 2329, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x480A, 2, 3, 2330, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x480D, 4, 2, 2333, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x480E, 4, 2, 2333, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x480C, 2, 4, 2334, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x480F, 2, 3, 2336, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4810, 2, 3, 2337, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4811, 2, 3, 2338, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4812, 2, 3, 2339, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4813, 2, 3, 2340, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4814, 2, 3, 2341, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4815, 2, 3, 2342, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4816, 2, 2, 2344, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4817, 3, 2, 2345, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4818, 2, 2, 2346, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4819, 2, 2, 2347, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x481A, 2, 2, 2348, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x481B, 4, 2, 2349, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x481C, 4, 2, 2349, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x481D, 4, 2, 2349, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x481E, 4, 2, 2349, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x481F, 2, 2, 2350, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 73\0"
     "DRUMKEY 73",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4902, 4, 2, 2353, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4903, 4, 2, 2353, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4901, 2, 4, 2354, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4904, 2, 3, 2356, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4905, 2, 3, 2357, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4906, 2, 3, 2358, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4907, 2, 3, 2359, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4908, 2, 3, 2360, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4909, 2, 3, 2361, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x490A, 2, 3, 2362, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x490D, 4, 2, 2365, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x490E, 4, 2, 2365, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x490C, 2, 4, 2366, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x490F, 2, 3, 2368, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4910, 2, 3, 2369, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4911, 2, 3, 2370, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4912, 2, 3, 2371, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4913, 2, 3, 2372, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4914, 2, 3, 2373, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4915, 2, 3, 2374, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4916, 2, 2, 2376, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4917, 3, 2, 2377, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4918, 2, 2, 2378, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4919, 2, 2, 2379, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x491A, 2, 2, 2380, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x491B, 4, 2, 2381, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x491C, 4, 2, 2381, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x491D, 4, 2, 2381, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x491E, 4, 2, 2381, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x491F, 2, 2, 2382, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 74\0"
     "DRUMKEY 74",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4A02, 4, 2, 2385, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4A03, 4, 2, 2385, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4A01, 2, 4, 2386, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4A04, 2, 3, 2388, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4A05, 2, 3, 2389, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4A06, 2, 3, 2390, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4A07, 2, 3, 2391, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4A08, 2, 3, 2392, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4A09, 2, 3, 2393, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4A0A, 2, 3, 2394, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4A0D, 4, 2, 2397, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4A0E, 4, 2, 2397, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4A0C, 2, 4, 2398, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4A0F, 2, 3, 2400, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4A10, 2, 3, 2401, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4A11, 2, 3, 2402, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4A12, 2, 3, 2403, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4A13, 2, 3, 2404, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4A14, 2, 3, 2405, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4A15, 2, 3, 2406, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4A16, 2, 2, 2408, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4A17, 3, 2, 2409, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4A18, 2, 2, 2410, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4A19, 2, 2, 2411, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4A1A, 2, 2, 2412, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4A1B, 4, 2, 2413, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4A1C, 4, 2, 2413, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4A1D, 4, 2, 2413, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4A1E, 4, 2, 2413, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4A1F, 2, 2, 2414, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 75\0"
     "DRUMKEY 75",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4B02, 4, 2, 2417, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4B03, 4, 2, 2417, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4B01, 2, 4, 2418, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4B04, 2, 3, 2420, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4B05, 2, 3, 2421, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4B06, 2, 3, 2422, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4B07, 2, 3, 2423, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4B08, 2, 3, 2424, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4B09, 2, 3, 2425, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4B0A, 2, 3, 2426, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4B0D, 4, 2, 2429, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4B0E, 4, 2, 2429, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4B0C, 2, 4, 2430, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4B0F, 2, 3, 2432, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4B10, 2, 3, 2433, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4B11, 2, 3, 2434, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4B12, 2, 3, 2435, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4B13, 2, 3, 2436, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4B14, 2, 3, 2437, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4B15, 2, 3, 2438, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4B16, 2, 2, 2440, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4B17, 3, 2, 2441, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4B18, 2, 2, 2442, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4B19, 2, 2, 2443, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4B1A, 2, 2, 2444, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4B1B, 4, 2, 2445, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4B1C, 4, 2, 2445, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4B1D, 4, 2, 2445, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4B1E, 4, 2, 2445, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4B1F, 2, 2, 2446, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 76\0"
     "DRUMKEY 76",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4C02, 4, 2, 2449, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4C03, 4, 2, 2449, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4C01, 2, 4, 2450, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4C04, 2, 3, 2452, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4C05, 2, 3, 2453, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4C06, 2, 3, 2454, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4C07, 2, 3, 2455, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4C08, 2, 3, 2456, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4C09, 2, 3, 2457, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4C0A, 2, 3, 2458, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4C0D, 4, 2, 2461, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4C0E, 4, 2, 2461, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4C0C, 2, 4, 2462, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4C0F, 2, 3, 2464, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4C10, 2, 3, 2465, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4C11, 2, 3, 2466, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4C12, 2, 3, 2467, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4C13, 2, 3, 2468, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4C14, 2, 3, 2469, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4C15, 2, 3, 2470, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4C16, 2, 2, 2472, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4C17, 3, 2, 2473, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4C18, 2, 2, 2474, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4C19, 2, 2, 2475, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4C1A, 2, 2, 2476, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4C1B, 4, 2, 2477, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4C1C, 4, 2, 2477, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4C1D, 4, 2, 2477, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4C1E, 4, 2, 2477, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4C1F, 2, 2, 2478, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 77\0"
     "DRUMKEY 77",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4D02, 4, 2, 2481, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4D03, 4, 2, 2481, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4D01, 2, 4, 2482, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4D04, 2, 3, 2484, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4D05, 2, 3, 2485, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4D06, 2, 3, 2486, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4D07, 2, 3, 2487, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4D08, 2, 3, 2488, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4D09, 2, 3, 2489, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4D0A, 2, 3, 2490, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4D0D, 4, 2, 2493, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4D0E, 4, 2, 2493, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4D0C, 2, 4, 2494, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4D0F, 2, 3, 2496, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4D10, 2, 3, 2497, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4D11, 2, 3, 2498, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4D12, 2, 3, 2499, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4D13, 2, 3, 2500, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4D14, 2, 3, 2501, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4D15, 2, 3, 2502, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4D16, 2, 2, 2504, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4D17, 3, 2, 2505, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4D18, 2, 2, 2506, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4D19, 2, 2, 2507, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4D1A, 2, 2, 2508, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4D1B, 4, 2, 2509, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4D1C, 4, 2, 2509, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4D1D, 4, 2, 2509, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4D1E, 4, 2, 2509, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4D1F, 2, 2, 2510, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 78\0"
     "DRUMKEY 78",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4E02, 4, 2, 2513, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4E03, 4, 2, 2513, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4E01, 2, 4, 2514, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4E04, 2, 3, 2516, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4E05, 2, 3, 2517, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4E06, 2, 3, 2518, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4E07, 2, 3, 2519, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4E08, 2, 3, 2520, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4E09, 2, 3, 2521, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4E0A, 2, 3, 2522, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4E0D, 4, 2, 2525, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4E0E, 4, 2, 2525, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4E0C, 2, 4, 2526, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4E0F, 2, 3, 2528, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4E10, 2, 3, 2529, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4E11, 2, 3, 2530, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4E12, 2, 3, 2531, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4E13, 2, 3, 2532, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4E14, 2, 3, 2533, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4E15, 2, 3, 2534, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4E16, 2, 2, 2536, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4E17, 3, 2, 2537, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4E18, 2, 2, 2538, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4E19, 2, 2, 2539, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4E1A, 2, 2, 2540, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4E1B, 4, 2, 2541, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4E1C, 4, 2, 2541, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4E1D, 4, 2, 2541, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4E1E, 4, 2, 2541, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4E1F, 2, 2, 2542, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 79\0"
     "DRUMKEY 79",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x4F02, 4, 2, 2545, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x4F03, 4, 2, 2545, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x4F01, 2, 4, 2546, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x4F04, 2, 3, 2548, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x4F05, 2, 3, 2549, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x4F06, 2, 3, 2550, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x4F07, 2, 3, 2551, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x4F08, 2, 3, 2552, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x4F09, 2, 3, 2553, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x4F0A, 2, 3, 2554, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x4F0D, 4, 2, 2557, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x4F0E, 4, 2, 2557, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x4F0C, 2, 4, 2558, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x4F0F, 2, 3, 2560, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x4F10, 2, 3, 2561, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x4F11, 2, 3, 2562, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x4F12, 2, 3, 2563, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x4F13, 2, 3, 2564, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x4F14, 2, 3, 2565, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x4F15, 2, 3, 2566, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x4F16, 2, 2, 2568, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x4F17, 3, 2, 2569, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x4F18, 2, 2, 2570, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x4F19, 2, 2, 2571, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x4F1A, 2, 2, 2572, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x4F1B, 4, 2, 2573, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x4F1C, 4, 2, 2573, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x4F1D, 4, 2, 2573, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x4F1E, 4, 2, 2573, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x4F1F, 2, 2, 2574, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 80\0"
     "DRUMKEY 80",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5002, 4, 2, 2577, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5003, 4, 2, 2577, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5001, 2, 4, 2578, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5004, 2, 3, 2580, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5005, 2, 3, 2581, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5006, 2, 3, 2582, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5007, 2, 3, 2583, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5008, 2, 3, 2584, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5009, 2, 3, 2585, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x500A, 2, 3, 2586, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x500D, 4, 2, 2589, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x500E, 4, 2, 2589, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x500C, 2, 4, 2590, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x500F, 2, 3, 2592, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5010, 2, 3, 2593, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5011, 2, 3, 2594, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5012, 2, 3, 2595, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5013, 2, 3, 2596, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5014, 2, 3, 2597, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5015, 2, 3, 2598, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5016, 2, 2, 2600, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5017, 3, 2, 2601, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5018, 2, 2, 2602, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5019, 2, 2, 2603, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x501A, 2, 2, 2604, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x501B, 4, 2, 2605, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x501C, 4, 2, 2605, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x501D, 4, 2, 2605, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x501E, 4, 2, 2605, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x501F, 2, 2, 2606, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 81\0"
     "DRUMKEY 81",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5102, 4, 2, 2609, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5103, 4, 2, 2609, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5101, 2, 4, 2610, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5104, 2, 3, 2612, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5105, 2, 3, 2613, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5106, 2, 3, 2614, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5107, 2, 3, 2615, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5108, 2, 3, 2616, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5109, 2, 3, 2617, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x510A, 2, 3, 2618, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x510D, 4, 2, 2621, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x510E, 4, 2, 2621, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x510C, 2, 4, 2622, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x510F, 2, 3, 2624, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5110, 2, 3, 2625, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5111, 2, 3, 2626, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5112, 2, 3, 2627, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5113, 2, 3, 2628, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5114, 2, 3, 2629, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5115, 2, 3, 2630, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5116, 2, 2, 2632, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5117, 3, 2, 2633, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5118, 2, 2, 2634, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5119, 2, 2, 2635, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x511A, 2, 2, 2636, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x511B, 4, 2, 2637, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x511C, 4, 2, 2637, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x511D, 4, 2, 2637, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x511E, 4, 2, 2637, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x511F, 2, 2, 2638, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 82\0"
     "DRUMKEY 82",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5202, 4, 2, 2641, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5203, 4, 2, 2641, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5201, 2, 4, 2642, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5204, 2, 3, 2644, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5205, 2, 3, 2645, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5206, 2, 3, 2646, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5207, 2, 3, 2647, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5208, 2, 3, 2648, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5209, 2, 3, 2649, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x520A, 2, 3, 2650, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x520D, 4, 2, 2653, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x520E, 4, 2, 2653, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x520C, 2, 4, 2654, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x520F, 2, 3, 2656, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5210, 2, 3, 2657, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5211, 2, 3, 2658, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5212, 2, 3, 2659, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5213, 2, 3, 2660, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5214, 2, 3, 2661, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5215, 2, 3, 2662, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5216, 2, 2, 2664, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5217, 3, 2, 2665, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5218, 2, 2, 2666, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5219, 2, 2, 2667, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x521A, 2, 2, 2668, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x521B, 4, 2, 2669, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x521C, 4, 2, 2669, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x521D, 4, 2, 2669, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x521E, 4, 2, 2669, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x521F, 2, 2, 2670, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 83\0"
     "DRUMKEY 83",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5302, 4, 2, 2673, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5303, 4, 2, 2673, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5301, 2, 4, 2674, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5304, 2, 3, 2676, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5305, 2, 3, 2677, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5306, 2, 3, 2678, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5307, 2, 3, 2679, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5308, 2, 3, 2680, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5309, 2, 3, 2681, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x530A, 2, 3, 2682, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x530D, 4, 2, 2685, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x530E, 4, 2, 2685, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x530C, 2, 4, 2686, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x530F, 2, 3, 2688, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5310, 2, 3, 2689, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5311, 2, 3, 2690, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5312, 2, 3, 2691, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5313, 2, 3, 2692, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5314, 2, 3, 2693, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5315, 2, 3, 2694, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5316, 2, 2, 2696, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5317, 3, 2, 2697, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5318, 2, 2, 2698, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5319, 2, 2, 2699, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x531A, 2, 2, 2700, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x531B, 4, 2, 2701, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x531C, 4, 2, 2701, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x531D, 4, 2, 2701, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x531E, 4, 2, 2701, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x531F, 2, 2, 2702, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 84\0"
     "DRUMKEY 84",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5402, 4, 2, 2705, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5403, 4, 2, 2705, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5401, 2, 4, 2706, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5404, 2, 3, 2708, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5405, 2, 3, 2709, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5406, 2, 3, 2710, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5407, 2, 3, 2711, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5408, 2, 3, 2712, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5409, 2, 3, 2713, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x540A, 2, 3, 2714, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x540D, 4, 2, 2717, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x540E, 4, 2, 2717, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x540C, 2, 4, 2718, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x540F, 2, 3, 2720, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5410, 2, 3, 2721, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5411, 2, 3, 2722, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5412, 2, 3, 2723, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5413, 2, 3, 2724, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5414, 2, 3, 2725, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5415, 2, 3, 2726, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5416, 2, 2, 2728, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5417, 3, 2, 2729, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5418, 2, 2, 2730, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5419, 2, 2, 2731, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x541A, 2, 2, 2732, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x541B, 4, 2, 2733, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x541C, 4, 2, 2733, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x541D, 4, 2, 2733, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x541E, 4, 2, 2733, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x541F, 2, 2, 2734, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 85\0"
     "DRUMKEY 85",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5502, 4, 2, 2737, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5503, 4, 2, 2737, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5501, 2, 4, 2738, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5504, 2, 3, 2740, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5505, 2, 3, 2741, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5506, 2, 3, 2742, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5507, 2, 3, 2743, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5508, 2, 3, 2744, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5509, 2, 3, 2745, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x550A, 2, 3, 2746, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x550D, 4, 2, 2749, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x550E, 4, 2, 2749, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x550C, 2, 4, 2750, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x550F, 2, 3, 2752, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5510, 2, 3, 2753, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5511, 2, 3, 2754, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5512, 2, 3, 2755, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5513, 2, 3, 2756, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5514, 2, 3, 2757, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5515, 2, 3, 2758, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5516, 2, 2, 2760, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5517, 3, 2, 2761, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5518, 2, 2, 2762, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5519, 2, 2, 2763, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x551A, 2, 2, 2764, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x551B, 4, 2, 2765, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x551C, 4, 2, 2765, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x551D, 4, 2, 2765, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x551E, 4, 2, 2765, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x551F, 2, 2, 2766, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 86\0"
     "DRUMKEY 86",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5602, 4, 2, 2769, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5603, 4, 2, 2769, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5601, 2, 4, 2770, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5604, 2, 3, 2772, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5605, 2, 3, 2773, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5606, 2, 3, 2774, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5607, 2, 3, 2775, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5608, 2, 3, 2776, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5609, 2, 3, 2777, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x560A, 2, 3, 2778, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x560D, 4, 2, 2781, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x560E, 4, 2, 2781, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x560C, 2, 4, 2782, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x560F, 2, 3, 2784, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5610, 2, 3, 2785, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5611, 2, 3, 2786, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5612, 2, 3, 2787, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5613, 2, 3, 2788, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5614, 2, 3, 2789, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5615, 2, 3, 2790, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5616, 2, 2, 2792, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5617, 3, 2, 2793, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5618, 2, 2, 2794, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5619, 2, 2, 2795, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x561A, 2, 2, 2796, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x561B, 4, 2, 2797, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x561C, 4, 2, 2797, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x561D, 4, 2, 2797, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x561E, 4, 2, 2797, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x561F, 2, 2, 2798, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 87\0"
     "DRUMKEY 87",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5702, 4, 2, 2801, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5703, 4, 2, 2801, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5701, 2, 4, 2802, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5704, 2, 3, 2804, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5705, 2, 3, 2805, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5706, 2, 3, 2806, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5707, 2, 3, 2807, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5708, 2, 3, 2808, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5709, 2, 3, 2809, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x570A, 2, 3, 2810, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x570D, 4, 2, 2813, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x570E, 4, 2, 2813, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x570C, 2, 4, 2814, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x570F, 2, 3, 2816, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5710, 2, 3, 2817, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5711, 2, 3, 2818, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5712, 2, 3, 2819, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5713, 2, 3, 2820, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5714, 2, 3, 2821, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5715, 2, 3, 2822, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5716, 2, 2, 2824, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5717, 3, 2, 2825, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5718, 2, 2, 2826, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5719, 2, 2, 2827, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x571A, 2, 2, 2828, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x571B, 4, 2, 2829, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x571C, 4, 2, 2829, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x571D, 4, 2, 2829, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x571E, 4, 2, 2829, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x571F, 2, 2, 2830, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 88\0"
     "DRUMKEY 88",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5802, 4, 2, 2833, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5803, 4, 2, 2833, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5801, 2, 4, 2834, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5804, 2, 3, 2836, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5805, 2, 3, 2837, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5806, 2, 3, 2838, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5807, 2, 3, 2839, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5808, 2, 3, 2840, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5809, 2, 3, 2841, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x580A, 2, 3, 2842, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x580D, 4, 2, 2845, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x580E, 4, 2, 2845, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x580C, 2, 4, 2846, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x580F, 2, 3, 2848, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5810, 2, 3, 2849, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5811, 2, 3, 2850, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5812, 2, 3, 2851, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5813, 2, 3, 2852, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5814, 2, 3, 2853, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5815, 2, 3, 2854, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5816, 2, 2, 2856, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5817, 3, 2, 2857, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5818, 2, 2, 2858, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5819, 2, 2, 2859, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x581A, 2, 2, 2860, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x581B, 4, 2, 2861, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x581C, 4, 2, 2861, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x581D, 4, 2, 2861, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x581E, 4, 2, 2861, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x581F, 2, 2, 2862, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 89\0"
     "DRUMKEY 89",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5902, 4, 2, 2865, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5903, 4, 2, 2865, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5901, 2, 4, 2866, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5904, 2, 3, 2868, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5905, 2, 3, 2869, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5906, 2, 3, 2870, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5907, 2, 3, 2871, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5908, 2, 3, 2872, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5909, 2, 3, 2873, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x590A, 2, 3, 2874, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x590D, 4, 2, 2877, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x590E, 4, 2, 2877, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x590C, 2, 4, 2878, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x590F, 2, 3, 2880, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5910, 2, 3, 2881, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5911, 2, 3, 2882, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5912, 2, 3, 2883, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5913, 2, 3, 2884, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5914, 2, 3, 2885, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5915, 2, 3, 2886, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5916, 2, 2, 2888, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5917, 3, 2, 2889, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5918, 2, 2, 2890, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5919, 2, 2, 2891, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x591A, 2, 2, 2892, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x591B, 4, 2, 2893, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x591C, 4, 2, 2893, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x591D, 4, 2, 2893, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x591E, 4, 2, 2893, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x591F, 2, 2, 2894, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 90\0"
     "DRUMKEY 90",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5A02, 4, 2, 2897, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5A03, 4, 2, 2897, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5A01, 2, 4, 2898, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5A04, 2, 3, 2900, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5A05, 2, 3, 2901, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5A06, 2, 3, 2902, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5A07, 2, 3, 2903, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5A08, 2, 3, 2904, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5A09, 2, 3, 2905, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5A0A, 2, 3, 2906, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5A0D, 4, 2, 2909, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5A0E, 4, 2, 2909, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5A0C, 2, 4, 2910, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5A0F, 2, 3, 2912, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5A10, 2, 3, 2913, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5A11, 2, 3, 2914, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5A12, 2, 3, 2915, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5A13, 2, 3, 2916, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5A14, 2, 3, 2917, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5A15, 2, 3, 2918, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5A16, 2, 2, 2920, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5A17, 3, 2, 2921, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5A18, 2, 2, 2922, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5A19, 2, 2, 2923, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5A1A, 2, 2, 2924, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5A1B, 4, 2, 2925, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5A1C, 4, 2, 2925, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5A1D, 4, 2, 2925, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5A1E, 4, 2, 2925, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5A1F, 2, 2, 2926, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 91\0"
     "DRUMKEY 91",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5B02, 4, 2, 2929, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5B03, 4, 2, 2929, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5B01, 2, 4, 2930, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5B04, 2, 3, 2932, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5B05, 2, 3, 2933, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5B06, 2, 3, 2934, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5B07, 2, 3, 2935, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5B08, 2, 3, 2936, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5B09, 2, 3, 2937, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5B0A, 2, 3, 2938, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5B0D, 4, 2, 2941, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5B0E, 4, 2, 2941, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5B0C, 2, 4, 2942, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5B0F, 2, 3, 2944, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5B10, 2, 3, 2945, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5B11, 2, 3, 2946, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5B12, 2, 3, 2947, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5B13, 2, 3, 2948, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5B14, 2, 3, 2949, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5B15, 2, 3, 2950, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5B16, 2, 2, 2952, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5B17, 3, 2, 2953, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5B18, 2, 2, 2954, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5B19, 2, 2, 2955, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5B1A, 2, 2, 2956, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5B1B, 4, 2, 2957, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5B1C, 4, 2, 2957, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5B1D, 4, 2, 2957, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5B1E, 4, 2, 2957, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5B1F, 2, 2, 2958, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 92\0"
     "DRUMKEY 92",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5C02, 4, 2, 2961, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5C03, 4, 2, 2961, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5C01, 2, 4, 2962, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5C04, 2, 3, 2964, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5C05, 2, 3, 2965, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5C06, 2, 3, 2966, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5C07, 2, 3, 2967, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5C08, 2, 3, 2968, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5C09, 2, 3, 2969, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5C0A, 2, 3, 2970, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5C0D, 4, 2, 2973, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5C0E, 4, 2, 2973, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5C0C, 2, 4, 2974, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5C0F, 2, 3, 2976, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5C10, 2, 3, 2977, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5C11, 2, 3, 2978, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5C12, 2, 3, 2979, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5C13, 2, 3, 2980, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5C14, 2, 3, 2981, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5C15, 2, 3, 2982, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5C16, 2, 2, 2984, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5C17, 3, 2, 2985, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5C18, 2, 2, 2986, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5C19, 2, 2, 2987, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5C1A, 2, 2, 2988, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5C1B, 4, 2, 2989, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5C1C, 4, 2, 2989, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5C1D, 4, 2, 2989, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5C1E, 4, 2, 2989, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5C1F, 2, 2, 2990, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 93\0"
     "DRUMKEY 93",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5D02, 4, 2, 2993, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5D03, 4, 2, 2993, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5D01, 2, 4, 2994, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5D04, 2, 3, 2996, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5D05, 2, 3, 2997, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5D06, 2, 3, 2998, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5D07, 2, 3, 2999, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5D08, 2, 3, 3000, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5D09, 2, 3, 3001, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5D0A, 2, 3, 3002, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5D0D, 4, 2, 3005, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5D0E, 4, 2, 3005, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5D0C, 2, 4, 3006, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5D0F, 2, 3, 3008, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5D10, 2, 3, 3009, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5D11, 2, 3, 3010, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5D12, 2, 3, 3011, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5D13, 2, 3, 3012, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5D14, 2, 3, 3013, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5D15, 2, 3, 3014, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5D16, 2, 2, 3016, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5D17, 3, 2, 3017, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5D18, 2, 2, 3018, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5D19, 2, 2, 3019, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5D1A, 2, 2, 3020, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5D1B, 4, 2, 3021, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5D1C, 4, 2, 3021, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5D1D, 4, 2, 3021, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5D1E, 4, 2, 3021, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5D1F, 2, 2, 3022, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 94\0"
     "DRUMKEY 94",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5E02, 4, 2, 3025, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5E03, 4, 2, 3025, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5E01, 2, 4, 3026, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5E04, 2, 3, 3028, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5E05, 2, 3, 3029, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5E06, 2, 3, 3030, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5E07, 2, 3, 3031, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5E08, 2, 3, 3032, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5E09, 2, 3, 3033, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5E0A, 2, 3, 3034, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5E0D, 4, 2, 3037, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5E0E, 4, 2, 3037, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5E0C, 2, 4, 3038, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5E0F, 2, 3, 3040, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5E10, 2, 3, 3041, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5E11, 2, 3, 3042, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5E12, 2, 3, 3043, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5E13, 2, 3, 3044, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5E14, 2, 3, 3045, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5E15, 2, 3, 3046, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5E16, 2, 2, 3048, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5E17, 3, 2, 3049, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5E18, 2, 2, 3050, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5E19, 2, 2, 3051, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5E1A, 2, 2, 3052, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5E1B, 4, 2, 3053, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5E1C, 4, 2, 3053, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5E1D, 4, 2, 3053, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5E1E, 4, 2, 3053, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5E1F, 2, 2, 3054, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 95\0"
     "DRUMKEY 95",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x5F02, 4, 2, 3057, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x5F03, 4, 2, 3057, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x5F01, 2, 4, 3058, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x5F04, 2, 3, 3060, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x5F05, 2, 3, 3061, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x5F06, 2, 3, 3062, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x5F07, 2, 3, 3063, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x5F08, 2, 3, 3064, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x5F09, 2, 3, 3065, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x5F0A, 2, 3, 3066, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x5F0D, 4, 2, 3069, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x5F0E, 4, 2, 3069, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x5F0C, 2, 4, 3070, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x5F0F, 2, 3, 3072, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x5F10, 2, 3, 3073, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x5F11, 2, 3, 3074, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x5F12, 2, 3, 3075, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x5F13, 2, 3, 3076, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x5F14, 2, 3, 3077, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x5F15, 2, 3, 3078, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x5F16, 2, 2, 3080, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x5F17, 3, 2, 3081, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x5F18, 2, 2, 3082, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x5F19, 2, 2, 3083, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x5F1A, 2, 2, 3084, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x5F1B, 4, 2, 3085, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x5F1C, 4, 2, 3085, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x5F1D, 4, 2, 3085, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x5F1E, 4, 2, 3085, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x5F1F, 2, 2, 3086, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 96\0"
     "DRUMKEY 96",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6002, 4, 2, 3089, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6003, 4, 2, 3089, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6001, 2, 4, 3090, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6004, 2, 3, 3092, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6005, 2, 3, 3093, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6006, 2, 3, 3094, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6007, 2, 3, 3095, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6008, 2, 3, 3096, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6009, 2, 3, 3097, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x600A, 2, 3, 3098, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x600D, 4, 2, 3101, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x600E, 4, 2, 3101, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x600C, 2, 4, 3102, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x600F, 2, 3, 3104, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6010, 2, 3, 3105, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6011, 2, 3, 3106, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6012, 2, 3, 3107, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6013, 2, 3, 3108, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6014, 2, 3, 3109, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6015, 2, 3, 3110, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6016, 2, 2, 3112, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6017, 3, 2, 3113, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6018, 2, 2, 3114, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6019, 2, 2, 3115, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x601A, 2, 2, 3116, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x601B, 4, 2, 3117, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x601C, 4, 2, 3117, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x601D, 4, 2, 3117, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x601E, 4, 2, 3117, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x601F, 2, 2, 3118, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 97\0"
     "DRUMKEY 97",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6102, 4, 2, 3121, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6103, 4, 2, 3121, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6101, 2, 4, 3122, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6104, 2, 3, 3124, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6105, 2, 3, 3125, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6106, 2, 3, 3126, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6107, 2, 3, 3127, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6108, 2, 3, 3128, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6109, 2, 3, 3129, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x610A, 2, 3, 3130, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x610D, 4, 2, 3133, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x610E, 4, 2, 3133, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x610C, 2, 4, 3134, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x610F, 2, 3, 3136, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6110, 2, 3, 3137, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6111, 2, 3, 3138, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6112, 2, 3, 3139, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6113, 2, 3, 3140, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6114, 2, 3, 3141, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6115, 2, 3, 3142, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6116, 2, 2, 3144, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6117, 3, 2, 3145, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6118, 2, 2, 3146, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6119, 2, 2, 3147, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x611A, 2, 2, 3148, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x611B, 4, 2, 3149, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x611C, 4, 2, 3149, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x611D, 4, 2, 3149, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x611E, 4, 2, 3149, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x611F, 2, 2, 3150, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 98\0"
     "DRUMKEY 98",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6202, 4, 2, 3153, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6203, 4, 2, 3153, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6201, 2, 4, 3154, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6204, 2, 3, 3156, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6205, 2, 3, 3157, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6206, 2, 3, 3158, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6207, 2, 3, 3159, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6208, 2, 3, 3160, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6209, 2, 3, 3161, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x620A, 2, 3, 3162, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x620D, 4, 2, 3165, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x620E, 4, 2, 3165, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x620C, 2, 4, 3166, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x620F, 2, 3, 3168, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6210, 2, 3, 3169, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6211, 2, 3, 3170, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6212, 2, 3, 3171, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6213, 2, 3, 3172, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6214, 2, 3, 3173, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6215, 2, 3, 3174, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6216, 2, 2, 3176, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6217, 3, 2, 3177, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6218, 2, 2, 3178, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6219, 2, 2, 3179, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x621A, 2, 2, 3180, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x621B, 4, 2, 3181, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x621C, 4, 2, 3181, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x621D, 4, 2, 3181, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x621E, 4, 2, 3181, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x621F, 2, 2, 3182, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 99\0"
     "DRUMKEY 99",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6302, 4, 2, 3185, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6303, 4, 2, 3185, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6301, 2, 4, 3186, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6304, 2, 3, 3188, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6305, 2, 3, 3189, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6306, 2, 3, 3190, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6307, 2, 3, 3191, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6308, 2, 3, 3192, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6309, 2, 3, 3193, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x630A, 2, 3, 3194, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x630D, 4, 2, 3197, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x630E, 4, 2, 3197, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x630C, 2, 4, 3198, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x630F, 2, 3, 3200, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6310, 2, 3, 3201, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6311, 2, 3, 3202, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6312, 2, 3, 3203, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6313, 2, 3, 3204, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6314, 2, 3, 3205, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6315, 2, 3, 3206, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6316, 2, 2, 3208, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6317, 3, 2, 3209, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6318, 2, 2, 3210, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6319, 2, 2, 3211, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x631A, 2, 2, 3212, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x631B, 4, 2, 3213, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x631C, 4, 2, 3213, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x631D, 4, 2, 3213, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x631E, 4, 2, 3213, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x631F, 2, 2, 3214, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 100\0"
     "DRUMKEY 100",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6402, 4, 2, 3217, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6403, 4, 2, 3217, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6401, 2, 4, 3218, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6404, 2, 3, 3220, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6405, 2, 3, 3221, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6406, 2, 3, 3222, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6407, 2, 3, 3223, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6408, 2, 3, 3224, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6409, 2, 3, 3225, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x640A, 2, 3, 3226, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x640D, 4, 2, 3229, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x640E, 4, 2, 3229, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x640C, 2, 4, 3230, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x640F, 2, 3, 3232, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6410, 2, 3, 3233, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6411, 2, 3, 3234, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6412, 2, 3, 3235, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6413, 2, 3, 3236, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6414, 2, 3, 3237, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6415, 2, 3, 3238, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6416, 2, 2, 3240, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6417, 3, 2, 3241, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6418, 2, 2, 3242, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6419, 2, 2, 3243, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x641A, 2, 2, 3244, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x641B, 4, 2, 3245, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x641C, 4, 2, 3245, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x641D, 4, 2, 3245, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x641E, 4, 2, 3245, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x641F, 2, 2, 3246, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 101\0"
     "DRUMKEY 101",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6502, 4, 2, 3249, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6503, 4, 2, 3249, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6501, 2, 4, 3250, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6504, 2, 3, 3252, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6505, 2, 3, 3253, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6506, 2, 3, 3254, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6507, 2, 3, 3255, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6508, 2, 3, 3256, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6509, 2, 3, 3257, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x650A, 2, 3, 3258, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x650D, 4, 2, 3261, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x650E, 4, 2, 3261, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x650C, 2, 4, 3262, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x650F, 2, 3, 3264, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6510, 2, 3, 3265, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6511, 2, 3, 3266, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6512, 2, 3, 3267, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6513, 2, 3, 3268, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6514, 2, 3, 3269, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6515, 2, 3, 3270, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6516, 2, 2, 3272, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6517, 3, 2, 3273, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6518, 2, 2, 3274, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6519, 2, 2, 3275, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x651A, 2, 2, 3276, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x651B, 4, 2, 3277, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x651C, 4, 2, 3277, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x651D, 4, 2, 3277, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x651E, 4, 2, 3277, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x651F, 2, 2, 3278, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 102\0"
     "DRUMKEY 102",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6602, 4, 2, 3281, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6603, 4, 2, 3281, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6601, 2, 4, 3282, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6604, 2, 3, 3284, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6605, 2, 3, 3285, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6606, 2, 3, 3286, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6607, 2, 3, 3287, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6608, 2, 3, 3288, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6609, 2, 3, 3289, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x660A, 2, 3, 3290, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x660D, 4, 2, 3293, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x660E, 4, 2, 3293, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x660C, 2, 4, 3294, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x660F, 2, 3, 3296, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6610, 2, 3, 3297, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6611, 2, 3, 3298, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6612, 2, 3, 3299, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6613, 2, 3, 3300, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6614, 2, 3, 3301, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6615, 2, 3, 3302, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6616, 2, 2, 3304, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6617, 3, 2, 3305, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6618, 2, 2, 3306, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6619, 2, 2, 3307, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x661A, 2, 2, 3308, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x661B, 4, 2, 3309, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x661C, 4, 2, 3309, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x661D, 4, 2, 3309, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x661E, 4, 2, 3309, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x661F, 2, 2, 3310, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 103\0"
     "DRUMKEY 103",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6702, 4, 2, 3313, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6703, 4, 2, 3313, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6701, 2, 4, 3314, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6704, 2, 3, 3316, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6705, 2, 3, 3317, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6706, 2, 3, 3318, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6707, 2, 3, 3319, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6708, 2, 3, 3320, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6709, 2, 3, 3321, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x670A, 2, 3, 3322, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x670D, 4, 2, 3325, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x670E, 4, 2, 3325, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x670C, 2, 4, 3326, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x670F, 2, 3, 3328, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6710, 2, 3, 3329, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6711, 2, 3, 3330, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6712, 2, 3, 3331, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6713, 2, 3, 3332, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6714, 2, 3, 3333, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6715, 2, 3, 3334, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6716, 2, 2, 3336, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6717, 3, 2, 3337, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6718, 2, 2, 3338, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6719, 2, 2, 3339, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x671A, 2, 2, 3340, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x671B, 4, 2, 3341, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x671C, 4, 2, 3341, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x671D, 4, 2, 3341, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x671E, 4, 2, 3341, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x671F, 2, 2, 3342, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 104\0"
     "DRUMKEY 104",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6802, 4, 2, 3345, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6803, 4, 2, 3345, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6801, 2, 4, 3346, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6804, 2, 3, 3348, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6805, 2, 3, 3349, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6806, 2, 3, 3350, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6807, 2, 3, 3351, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6808, 2, 3, 3352, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6809, 2, 3, 3353, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x680A, 2, 3, 3354, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x680D, 4, 2, 3357, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x680E, 4, 2, 3357, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x680C, 2, 4, 3358, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x680F, 2, 3, 3360, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6810, 2, 3, 3361, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6811, 2, 3, 3362, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6812, 2, 3, 3363, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6813, 2, 3, 3364, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6814, 2, 3, 3365, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6815, 2, 3, 3366, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6816, 2, 2, 3368, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6817, 3, 2, 3369, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6818, 2, 2, 3370, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6819, 2, 2, 3371, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x681A, 2, 2, 3372, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x681B, 4, 2, 3373, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x681C, 4, 2, 3373, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x681D, 4, 2, 3373, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x681E, 4, 2, 3373, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x681F, 2, 2, 3374, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 105\0"
     "DRUMKEY 105",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6902, 4, 2, 3377, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6903, 4, 2, 3377, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6901, 2, 4, 3378, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6904, 2, 3, 3380, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6905, 2, 3, 3381, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6906, 2, 3, 3382, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6907, 2, 3, 3383, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6908, 2, 3, 3384, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6909, 2, 3, 3385, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x690A, 2, 3, 3386, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x690D, 4, 2, 3389, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x690E, 4, 2, 3389, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x690C, 2, 4, 3390, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x690F, 2, 3, 3392, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6910, 2, 3, 3393, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6911, 2, 3, 3394, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6912, 2, 3, 3395, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6913, 2, 3, 3396, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6914, 2, 3, 3397, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6915, 2, 3, 3398, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6916, 2, 2, 3400, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6917, 3, 2, 3401, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6918, 2, 2, 3402, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6919, 2, 2, 3403, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x691A, 2, 2, 3404, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x691B, 4, 2, 3405, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x691C, 4, 2, 3405, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x691D, 4, 2, 3405, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x691E, 4, 2, 3405, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x691F, 2, 2, 3406, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 106\0"
     "DRUMKEY 106",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6A02, 4, 2, 3409, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6A03, 4, 2, 3409, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6A01, 2, 4, 3410, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6A04, 2, 3, 3412, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6A05, 2, 3, 3413, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6A06, 2, 3, 3414, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6A07, 2, 3, 3415, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6A08, 2, 3, 3416, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6A09, 2, 3, 3417, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6A0A, 2, 3, 3418, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6A0D, 4, 2, 3421, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6A0E, 4, 2, 3421, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6A0C, 2, 4, 3422, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6A0F, 2, 3, 3424, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6A10, 2, 3, 3425, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6A11, 2, 3, 3426, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6A12, 2, 3, 3427, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6A13, 2, 3, 3428, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6A14, 2, 3, 3429, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6A15, 2, 3, 3430, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6A16, 2, 2, 3432, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6A17, 3, 2, 3433, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6A18, 2, 2, 3434, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6A19, 2, 2, 3435, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6A1A, 2, 2, 3436, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6A1B, 4, 2, 3437, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6A1C, 4, 2, 3437, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6A1D, 4, 2, 3437, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6A1E, 4, 2, 3437, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6A1F, 2, 2, 3438, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 107\0"
     "DRUMKEY 107",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6B02, 4, 2, 3441, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6B03, 4, 2, 3441, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6B01, 2, 4, 3442, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6B04, 2, 3, 3444, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6B05, 2, 3, 3445, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6B06, 2, 3, 3446, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6B07, 2, 3, 3447, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6B08, 2, 3, 3448, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6B09, 2, 3, 3449, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6B0A, 2, 3, 3450, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6B0D, 4, 2, 3453, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6B0E, 4, 2, 3453, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6B0C, 2, 4, 3454, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6B0F, 2, 3, 3456, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6B10, 2, 3, 3457, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6B11, 2, 3, 3458, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6B12, 2, 3, 3459, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6B13, 2, 3, 3460, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6B14, 2, 3, 3461, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6B15, 2, 3, 3462, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6B16, 2, 2, 3464, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6B17, 3, 2, 3465, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6B18, 2, 2, 3466, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6B19, 2, 2, 3467, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6B1A, 2, 2, 3468, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6B1B, 4, 2, 3469, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6B1C, 4, 2, 3469, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6B1D, 4, 2, 3469, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6B1E, 4, 2, 3469, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6B1F, 2, 2, 3470, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 108\0"
     "DRUMKEY 108",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6C02, 4, 2, 3473, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6C03, 4, 2, 3473, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6C01, 2, 4, 3474, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6C04, 2, 3, 3476, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6C05, 2, 3, 3477, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6C06, 2, 3, 3478, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6C07, 2, 3, 3479, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6C08, 2, 3, 3480, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6C09, 2, 3, 3481, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6C0A, 2, 3, 3482, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6C0D, 4, 2, 3485, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6C0E, 4, 2, 3485, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6C0C, 2, 4, 3486, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6C0F, 2, 3, 3488, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6C10, 2, 3, 3489, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6C11, 2, 3, 3490, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6C12, 2, 3, 3491, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6C13, 2, 3, 3492, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6C14, 2, 3, 3493, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6C15, 2, 3, 3494, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6C16, 2, 2, 3496, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6C17, 3, 2, 3497, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6C18, 2, 2, 3498, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6C19, 2, 2, 3499, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6C1A, 2, 2, 3500, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6C1B, 4, 2, 3501, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6C1C, 4, 2, 3501, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6C1D, 4, 2, 3501, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6C1E, 4, 2, 3501, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6C1F, 2, 2, 3502, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 109\0"
     "DRUMKEY 109",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6D02, 4, 2, 3505, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6D03, 4, 2, 3505, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6D01, 2, 4, 3506, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6D04, 2, 3, 3508, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6D05, 2, 3, 3509, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6D06, 2, 3, 3510, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6D07, 2, 3, 3511, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6D08, 2, 3, 3512, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6D09, 2, 3, 3513, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6D0A, 2, 3, 3514, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6D0D, 4, 2, 3517, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6D0E, 4, 2, 3517, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6D0C, 2, 4, 3518, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6D0F, 2, 3, 3520, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6D10, 2, 3, 3521, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6D11, 2, 3, 3522, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6D12, 2, 3, 3523, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6D13, 2, 3, 3524, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6D14, 2, 3, 3525, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6D15, 2, 3, 3526, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6D16, 2, 2, 3528, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6D17, 3, 2, 3529, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6D18, 2, 2, 3530, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6D19, 2, 2, 3531, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6D1A, 2, 2, 3532, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6D1B, 4, 2, 3533, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6D1C, 4, 2, 3533, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6D1D, 4, 2, 3533, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6D1E, 4, 2, 3533, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6D1F, 2, 2, 3534, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 110\0"
     "DRUMKEY 110",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6E02, 4, 2, 3537, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6E03, 4, 2, 3537, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6E01, 2, 4, 3538, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6E04, 2, 3, 3540, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6E05, 2, 3, 3541, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6E06, 2, 3, 3542, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6E07, 2, 3, 3543, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6E08, 2, 3, 3544, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6E09, 2, 3, 3545, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6E0A, 2, 3, 3546, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6E0D, 4, 2, 3549, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6E0E, 4, 2, 3549, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6E0C, 2, 4, 3550, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6E0F, 2, 3, 3552, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6E10, 2, 3, 3553, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6E11, 2, 3, 3554, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6E12, 2, 3, 3555, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6E13, 2, 3, 3556, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6E14, 2, 3, 3557, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6E15, 2, 3, 3558, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6E16, 2, 2, 3560, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6E17, 3, 2, 3561, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6E18, 2, 2, 3562, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6E19, 2, 2, 3563, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6E1A, 2, 2, 3564, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6E1B, 4, 2, 3565, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6E1C, 4, 2, 3565, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6E1D, 4, 2, 3565, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6E1E, 4, 2, 3565, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6E1F, 2, 2, 3566, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 111\0"
     "DRUMKEY 111",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x6F02, 4, 2, 3569, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x6F03, 4, 2, 3569, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x6F01, 2, 4, 3570, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x6F04, 2, 3, 3572, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x6F05, 2, 3, 3573, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x6F06, 2, 3, 3574, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x6F07, 2, 3, 3575, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x6F08, 2, 3, 3576, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x6F09, 2, 3, 3577, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x6F0A, 2, 3, 3578, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x6F0D, 4, 2, 3581, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x6F0E, 4, 2, 3581, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x6F0C, 2, 4, 3582, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x6F0F, 2, 3, 3584, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x6F10, 2, 3, 3585, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x6F11, 2, 3, 3586, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x6F12, 2, 3, 3587, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x6F13, 2, 3, 3588, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x6F14, 2, 3, 3589, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x6F15, 2, 3, 3590, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x6F16, 2, 2, 3592, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x6F17, 3, 2, 3593, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x6F18, 2, 2, 3594, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x6F19, 2, 2, 3595, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x6F1A, 2, 2, 3596, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x6F1B, 4, 2, 3597, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x6F1C, 4, 2, 3597, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x6F1D, 4, 2, 3597, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x6F1E, 4, 2, 3597, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x6F1F, 2, 2, 3598, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 112\0"
     "DRUMKEY 112",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7002, 4, 2, 3601, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7003, 4, 2, 3601, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7001, 2, 4, 3602, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7004, 2, 3, 3604, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7005, 2, 3, 3605, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7006, 2, 3, 3606, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7007, 2, 3, 3607, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7008, 2, 3, 3608, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7009, 2, 3, 3609, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x700A, 2, 3, 3610, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x700D, 4, 2, 3613, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x700E, 4, 2, 3613, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x700C, 2, 4, 3614, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x700F, 2, 3, 3616, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7010, 2, 3, 3617, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7011, 2, 3, 3618, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7012, 2, 3, 3619, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7013, 2, 3, 3620, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7014, 2, 3, 3621, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7015, 2, 3, 3622, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7016, 2, 2, 3624, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7017, 3, 2, 3625, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7018, 2, 2, 3626, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7019, 2, 2, 3627, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x701A, 2, 2, 3628, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x701B, 4, 2, 3629, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x701C, 4, 2, 3629, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x701D, 4, 2, 3629, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x701E, 4, 2, 3629, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x701F, 2, 2, 3630, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 113\0"
     "DRUMKEY 113",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7102, 4, 2, 3633, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7103, 4, 2, 3633, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7101, 2, 4, 3634, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7104, 2, 3, 3636, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7105, 2, 3, 3637, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7106, 2, 3, 3638, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7107, 2, 3, 3639, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7108, 2, 3, 3640, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7109, 2, 3, 3641, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x710A, 2, 3, 3642, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x710D, 4, 2, 3645, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x710E, 4, 2, 3645, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x710C, 2, 4, 3646, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x710F, 2, 3, 3648, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7110, 2, 3, 3649, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7111, 2, 3, 3650, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7112, 2, 3, 3651, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7113, 2, 3, 3652, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7114, 2, 3, 3653, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7115, 2, 3, 3654, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7116, 2, 2, 3656, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7117, 3, 2, 3657, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7118, 2, 2, 3658, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7119, 2, 2, 3659, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x711A, 2, 2, 3660, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x711B, 4, 2, 3661, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x711C, 4, 2, 3661, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x711D, 4, 2, 3661, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x711E, 4, 2, 3661, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x711F, 2, 2, 3662, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 114\0"
     "DRUMKEY 114",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7202, 4, 2, 3665, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7203, 4, 2, 3665, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7201, 2, 4, 3666, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7204, 2, 3, 3668, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7205, 2, 3, 3669, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7206, 2, 3, 3670, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7207, 2, 3, 3671, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7208, 2, 3, 3672, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7209, 2, 3, 3673, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x720A, 2, 3, 3674, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x720D, 4, 2, 3677, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x720E, 4, 2, 3677, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x720C, 2, 4, 3678, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x720F, 2, 3, 3680, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7210, 2, 3, 3681, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7211, 2, 3, 3682, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7212, 2, 3, 3683, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7213, 2, 3, 3684, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7214, 2, 3, 3685, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7215, 2, 3, 3686, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7216, 2, 2, 3688, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7217, 3, 2, 3689, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7218, 2, 2, 3690, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7219, 2, 2, 3691, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x721A, 2, 2, 3692, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x721B, 4, 2, 3693, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x721C, 4, 2, 3693, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x721D, 4, 2, 3693, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x721E, 4, 2, 3693, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x721F, 2, 2, 3694, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 115\0"
     "DRUMKEY 115",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7302, 4, 2, 3697, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7303, 4, 2, 3697, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7301, 2, 4, 3698, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7304, 2, 3, 3700, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7305, 2, 3, 3701, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7306, 2, 3, 3702, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7307, 2, 3, 3703, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7308, 2, 3, 3704, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7309, 2, 3, 3705, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x730A, 2, 3, 3706, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x730D, 4, 2, 3709, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x730E, 4, 2, 3709, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x730C, 2, 4, 3710, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x730F, 2, 3, 3712, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7310, 2, 3, 3713, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7311, 2, 3, 3714, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7312, 2, 3, 3715, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7313, 2, 3, 3716, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7314, 2, 3, 3717, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7315, 2, 3, 3718, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7316, 2, 2, 3720, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7317, 3, 2, 3721, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7318, 2, 2, 3722, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7319, 2, 2, 3723, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x731A, 2, 2, 3724, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x731B, 4, 2, 3725, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x731C, 4, 2, 3725, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x731D, 4, 2, 3725, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x731E, 4, 2, 3725, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x731F, 2, 2, 3726, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 116\0"
     "DRUMKEY 116",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7402, 4, 2, 3729, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7403, 4, 2, 3729, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7401, 2, 4, 3730, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7404, 2, 3, 3732, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7405, 2, 3, 3733, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7406, 2, 3, 3734, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7407, 2, 3, 3735, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7408, 2, 3, 3736, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7409, 2, 3, 3737, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x740A, 2, 3, 3738, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x740D, 4, 2, 3741, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x740E, 4, 2, 3741, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x740C, 2, 4, 3742, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x740F, 2, 3, 3744, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7410, 2, 3, 3745, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7411, 2, 3, 3746, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7412, 2, 3, 3747, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7413, 2, 3, 3748, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7414, 2, 3, 3749, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7415, 2, 3, 3750, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7416, 2, 2, 3752, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7417, 3, 2, 3753, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7418, 2, 2, 3754, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7419, 2, 2, 3755, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x741A, 2, 2, 3756, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x741B, 4, 2, 3757, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x741C, 4, 2, 3757, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x741D, 4, 2, 3757, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x741E, 4, 2, 3757, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x741F, 2, 2, 3758, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 117\0"
     "DRUMKEY 117",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7502, 4, 2, 3761, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7503, 4, 2, 3761, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7501, 2, 4, 3762, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7504, 2, 3, 3764, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7505, 2, 3, 3765, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7506, 2, 3, 3766, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7507, 2, 3, 3767, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7508, 2, 3, 3768, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7509, 2, 3, 3769, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x750A, 2, 3, 3770, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x750D, 4, 2, 3773, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x750E, 4, 2, 3773, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x750C, 2, 4, 3774, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x750F, 2, 3, 3776, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7510, 2, 3, 3777, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7511, 2, 3, 3778, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7512, 2, 3, 3779, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7513, 2, 3, 3780, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7514, 2, 3, 3781, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7515, 2, 3, 3782, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7516, 2, 2, 3784, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7517, 3, 2, 3785, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7518, 2, 2, 3786, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7519, 2, 2, 3787, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x751A, 2, 2, 3788, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x751B, 4, 2, 3789, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x751C, 4, 2, 3789, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x751D, 4, 2, 3789, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x751E, 4, 2, 3789, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x751F, 2, 2, 3790, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 118\0"
     "DRUMKEY 118",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7602, 4, 2, 3793, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7603, 4, 2, 3793, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7601, 2, 4, 3794, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7604, 2, 3, 3796, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7605, 2, 3, 3797, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7606, 2, 3, 3798, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7607, 2, 3, 3799, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7608, 2, 3, 3800, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7609, 2, 3, 3801, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x760A, 2, 3, 3802, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x760D, 4, 2, 3805, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x760E, 4, 2, 3805, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x760C, 2, 4, 3806, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x760F, 2, 3, 3808, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7610, 2, 3, 3809, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7611, 2, 3, 3810, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7612, 2, 3, 3811, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7613, 2, 3, 3812, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7614, 2, 3, 3813, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7615, 2, 3, 3814, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7616, 2, 2, 3816, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7617, 3, 2, 3817, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7618, 2, 2, 3818, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7619, 2, 2, 3819, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x761A, 2, 2, 3820, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x761B, 4, 2, 3821, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x761C, 4, 2, 3821, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x761D, 4, 2, 3821, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x761E, 4, 2, 3821, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x761F, 2, 2, 3822, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 119\0"
     "DRUMKEY 119",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7702, 4, 2, 3825, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7703, 4, 2, 3825, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7701, 2, 4, 3826, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7704, 2, 3, 3828, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7705, 2, 3, 3829, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7706, 2, 3, 3830, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7707, 2, 3, 3831, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7708, 2, 3, 3832, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7709, 2, 3, 3833, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x770A, 2, 3, 3834, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x770D, 4, 2, 3837, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x770E, 4, 2, 3837, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x770C, 2, 4, 3838, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x770F, 2, 3, 3840, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7710, 2, 3, 3841, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7711, 2, 3, 3842, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7712, 2, 3, 3843, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7713, 2, 3, 3844, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7714, 2, 3, 3845, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7715, 2, 3, 3846, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7716, 2, 2, 3848, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7717, 3, 2, 3849, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7718, 2, 2, 3850, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7719, 2, 2, 3851, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x771A, 2, 2, 3852, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x771B, 4, 2, 3853, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x771C, 4, 2, 3853, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x771D, 4, 2, 3853, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x771E, 4, 2, 3853, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x771F, 2, 2, 3854, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 120\0"
     "DRUMKEY 120",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7802, 4, 2, 3857, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7803, 4, 2, 3857, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7801, 2, 4, 3858, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7804, 2, 3, 3860, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7805, 2, 3, 3861, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7806, 2, 3, 3862, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7807, 2, 3, 3863, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7808, 2, 3, 3864, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7809, 2, 3, 3865, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x780A, 2, 3, 3866, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x780D, 4, 2, 3869, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x780E, 4, 2, 3869, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x780C, 2, 4, 3870, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x780F, 2, 3, 3872, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7810, 2, 3, 3873, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7811, 2, 3, 3874, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7812, 2, 3, 3875, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7813, 2, 3, 3876, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7814, 2, 3, 3877, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7815, 2, 3, 3878, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7816, 2, 2, 3880, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7817, 3, 2, 3881, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7818, 2, 2, 3882, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7819, 2, 2, 3883, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x781A, 2, 2, 3884, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x781B, 4, 2, 3885, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x781C, 4, 2, 3885, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x781D, 4, 2, 3885, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x781E, 4, 2, 3885, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x781F, 2, 2, 3886, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 121\0"
     "DRUMKEY 121",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7902, 4, 2, 3889, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7903, 4, 2, 3889, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7901, 2, 4, 3890, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7904, 2, 3, 3892, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7905, 2, 3, 3893, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7906, 2, 3, 3894, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7907, 2, 3, 3895, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7908, 2, 3, 3896, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7909, 2, 3, 3897, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x790A, 2, 3, 3898, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x790D, 4, 2, 3901, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x790E, 4, 2, 3901, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x790C, 2, 4, 3902, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x790F, 2, 3, 3904, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7910, 2, 3, 3905, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7911, 2, 3, 3906, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7912, 2, 3, 3907, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7913, 2, 3, 3908, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7914, 2, 3, 3909, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7915, 2, 3, 3910, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7916, 2, 2, 3912, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7917, 3, 2, 3913, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7918, 2, 2, 3914, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7919, 2, 2, 3915, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x791A, 2, 2, 3916, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x791B, 4, 2, 3917, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x791C, 4, 2, 3917, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x791D, 4, 2, 3917, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x791E, 4, 2, 3917, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x791F, 2, 2, 3918, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 122\0"
     "DRUMKEY 122",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7A02, 4, 2, 3921, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7A03, 4, 2, 3921, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7A01, 2, 4, 3922, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7A04, 2, 3, 3924, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7A05, 2, 3, 3925, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7A06, 2, 3, 3926, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7A07, 2, 3, 3927, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7A08, 2, 3, 3928, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7A09, 2, 3, 3929, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7A0A, 2, 3, 3930, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7A0D, 4, 2, 3933, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7A0E, 4, 2, 3933, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7A0C, 2, 4, 3934, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7A0F, 2, 3, 3936, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7A10, 2, 3, 3937, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7A11, 2, 3, 3938, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7A12, 2, 3, 3939, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7A13, 2, 3, 3940, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7A14, 2, 3, 3941, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7A15, 2, 3, 3942, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7A16, 2, 2, 3944, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7A17, 3, 2, 3945, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7A18, 2, 2, 3946, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7A19, 2, 2, 3947, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7A1A, 2, 2, 3948, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7A1B, 4, 2, 3949, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7A1C, 4, 2, 3949, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7A1D, 4, 2, 3949, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7A1E, 4, 2, 3949, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7A1F, 2, 2, 3950, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 123\0"
     "DRUMKEY 123",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7B02, 4, 2, 3953, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7B03, 4, 2, 3953, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7B01, 2, 4, 3954, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7B04, 2, 3, 3956, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7B05, 2, 3, 3957, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7B06, 2, 3, 3958, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7B07, 2, 3, 3959, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7B08, 2, 3, 3960, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7B09, 2, 3, 3961, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7B0A, 2, 3, 3962, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7B0D, 4, 2, 3965, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7B0E, 4, 2, 3965, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7B0C, 2, 4, 3966, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7B0F, 2, 3, 3968, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7B10, 2, 3, 3969, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7B11, 2, 3, 3970, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7B12, 2, 3, 3971, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7B13, 2, 3, 3972, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7B14, 2, 3, 3973, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7B15, 2, 3, 3974, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7B16, 2, 2, 3976, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7B17, 3, 2, 3977, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7B18, 2, 2, 3978, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7B19, 2, 2, 3979, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7B1A, 2, 2, 3980, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7B1B, 4, 2, 3981, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7B1C, 4, 2, 3981, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7B1D, 4, 2, 3981, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7B1E, 4, 2, 3981, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7B1F, 2, 2, 3982, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 124\0"
     "DRUMKEY 124",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7C02, 4, 2, 3985, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7C03, 4, 2, 3985, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7C01, 2, 4, 3986, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7C04, 2, 3, 3988, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7C05, 2, 3, 3989, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7C06, 2, 3, 3990, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7C07, 2, 3, 3991, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7C08, 2, 3, 3992, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7C09, 2, 3, 3993, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7C0A, 2, 3, 3994, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7C0D, 4, 2, 3997, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7C0E, 4, 2, 3997, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7C0C, 2, 4, 3998, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7C0F, 2, 3, 4000, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7C10, 2, 3, 4001, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7C11, 2, 3, 4002, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7C12, 2, 3, 4003, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7C13, 2, 3, 4004, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7C14, 2, 3, 4005, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7C15, 2, 3, 4006, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7C16, 2, 2, 4008, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7C17, 3, 2, 4009, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7C18, 2, 2, 4010, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7C19, 2, 2, 4011, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7C1A, 2, 2, 4012, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7C1B, 4, 2, 4013, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7C1C, 4, 2, 4013, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7C1D, 4, 2, 4013, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7C1E, 4, 2, 4013, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7C1F, 2, 2, 4014, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 125\0"
     "DRUMKEY 125",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7D02, 4, 2, 4017, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7D03, 4, 2, 4017, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7D01, 2, 4, 4018, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7D04, 2, 3, 4020, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7D05, 2, 3, 4021, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7D06, 2, 3, 4022, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7D07, 2, 3, 4023, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7D08, 2, 3, 4024, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7D09, 2, 3, 4025, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7D0A, 2, 3, 4026, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7D0D, 4, 2, 4029, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7D0E, 4, 2, 4029, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7D0C, 2, 4, 4030, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7D0F, 2, 3, 4032, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7D10, 2, 3, 4033, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7D11, 2, 3, 4034, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7D12, 2, 3, 4035, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7D13, 2, 3, 4036, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7D14, 2, 3, 4037, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7D15, 2, 3, 4038, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7D16, 2, 2, 4040, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7D17, 3, 2, 4041, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7D18, 2, 2, 4042, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7D19, 2, 2, 4043, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7D1A, 2, 2, 4044, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7D1B, 4, 2, 4045, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7D1C, 4, 2, 4045, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7D1D, 4, 2, 4045, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7D1E, 4, 2, 4045, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7D1F, 2, 2, 4046, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 126\0"
     "DRUMKEY 126",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7E02, 4, 2, 4049, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7E03, 4, 2, 4049, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7E01, 2, 4, 4050, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7E04, 2, 3, 4052, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7E05, 2, 3, 4053, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7E06, 2, 3, 4054, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7E07, 2, 3, 4055, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7E08, 2, 3, 4056, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7E09, 2, 3, 4057, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7E0A, 2, 3, 4058, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7E0D, 4, 2, 4061, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7E0E, 4, 2, 4061, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7E0C, 2, 4, 4062, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7E0F, 2, 3, 4064, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7E10, 2, 3, 4065, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7E11, 2, 3, 4066, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7E12, 2, 3, 4067, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7E13, 2, 3, 4068, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7E14, 2, 3, 4069, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7E15, 2, 3, 4070, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7E16, 2, 2, 4072, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7E17, 3, 2, 4073, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7E18, 2, 2, 4074, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7E19, 2, 2, 4075, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7E1A, 2, 2, 4076, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7E1B, 4, 2, 4077, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7E1C, 4, 2, 4077, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7E1D, 4, 2, 4077, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7E1E, 4, 2, 4077, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7E1F, 2, 2, 4078, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
    {"DRUMKEY 127\0"
     "DRUMKEY 127",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"HIGHER START OFFSET\0"
     "HIGHER START OFFSET",
     nullptr, 0x7F02, 4, 2, 4081, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGHER REVERSE\0"
     "HIGHER REVERSE",
     nullptr, 0x7F03, 4, 2, 4081, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"HIGH SAMPLE NO\0"
     "HIGH SAMPLE NO",
     nullptr, 0x7F01, 2, 4, 4082, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"HIGHER LEVEL\0"
     "HIGHER LEVEL",
     nullptr, 0x7F04, 2, 3, 4084, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER TRANSPOSE\0"
     "HIGHER TRANSPOSE",
     nullptr, 0x7F05, 2, 3, 4085, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER TUNE\0"
     "HIGHER TUNE",
     nullptr, 0x7F06, 2, 3, 4086, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"HIGHER ATTACK LEVEL\0"
     "HIGHER ATTACK LEVEL",
     nullptr, 0x7F07, 2, 3, 4087, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER DECAY LEVEL\0"
     "HIGHER DECAY LEVEL",
     nullptr, 0x7F08, 2, 3, 4088, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGHER CUTOFF LEVEL\0"
     "HIGHER CUTOFF LEVEL",
     nullptr, 0x7F09, 2, 3, 4089, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"HIGH RESONANCE LEVEL\0"
     "HIGH RESONANCE LEVEL",
     nullptr, 0x7F0A, 2, 3, 4090, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER START OFFSET\0"
     "LOWER START OFFSET",
     nullptr, 0x7F0D, 4, 2, 4093, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOWER REVERSE\0"
     "LOWER REVERSE",
     nullptr, 0x7F0E, 4, 2, 4093, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"LOW SAMPLE NO\0"
     "LOW SAMPLE NO",
     nullptr, 0x7F0C, 2, 4, 4094, 0, 15, 0, 0, 517, 0, 0x0, kFormat1},
    {"LOWER LEVEL\0"
     "LOWER LEVEL",
     nullptr, 0x7F0F, 2, 3, 4096, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER TRANSPOSE\0"
     "LOWER TRANSPOSE",
     nullptr, 0x7F10, 2, 3, 4097, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER TUNE\0"
     "LOWER TUNE",
     nullptr, 0x7F11, 2, 3, 4098, 0, 7, 0, -99, 99, 0, 0x0, kFormat1},
    {"LOWER ATTACK LEVEL\0"
     "LOWER ATTACK LEVEL",
     nullptr, 0x7F12, 2, 3, 4099, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER DECAY LEVEL\0"
     "LOWER DECAY LEVEL",
     nullptr, 0x7F13, 2, 3, 4100, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOWER CUTOFF LEVEL\0"
     "LOWER CUTOFF LEVEL",
     nullptr, 0x7F14, 2, 3, 4101, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"LOW RESONANCE LEVEL\0"
     "LOW RESONANCE LEVEL",
     nullptr, 0x7F15, 2, 3, 4102, 0, 7, 0, -64, 63, 0, 0x0, kFormat1},
    {"PAN\0"
     "PAN",
     nullptr, 0x7F16, 2, 2, 4104, 0, 7, 64, 0, 127, 0, 0x0, kFormat2},
    {"BUS SELECT\0"
     "BUS SELECT",
     nullptr, 0x7F17, 3, 2, 4105, 0, 7, 0, 0, 0, 0, 0x0, kFormat3},
    {"SEND 1 LEVEL\0"
     "SEND 1 LEVEL",
     nullptr, 0x7F18, 2, 2, 4106, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"SEND 2 LEVEL\0"
     "SEND 2 LEVEL",
     nullptr, 0x7F19, 2, 2, 4107, 0, 7, 0, 0, 127, 0, 0x0, kFormat1},
    {"EXCLUSIVE GROUP\0"
     "EXCLUSIVE GROUP",
     nullptr, 0x7F1A, 2, 2, 4108, 0, 7, 0, 0, 127, 0, 0x0, kFormat4},
    {"VOICE ASSIGN\0"
     "VOICE ASSIGN",
     nullptr, 0x7F1B, 4, 2, 4109, 0, 0, 0, 0, 0, 0, 0x0, kFormat0},
    {"SINGLE TRIGGER\0"
     "SINGLE TRIGGER",
     nullptr, 0x7F1C, 4, 2, 4109, 1, 1, 0, 0, 0, 0, 0x0, kFormat0},
    {"RECEIVE NOTE ON\0"
     "RECEIVE NOTE ON",
     nullptr, 0x7F1D, 4, 2, 4109, 2, 2, 0, 0, 0, 0, 0x0, kFormat5},
    {"RECEIVE NOTE OFF\0"
     "RECEIVE NOTE OFF",
     nullptr, 0x7F1E, 4, 2, 4109, 3, 3, 0, 0, 0, 0, 0x0, kFormat5},
    {"VEL SAMPLE SW\0"
     "VEL SAMPLE SW",
     nullptr, 0x7F1F, 2, 2, 4110, 0, 7, 1, 1, 127, 0, 0x0, kFormat1},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_DRUMKIT = MakeTable(kRows);

}  // namespace QorX0
