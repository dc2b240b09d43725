// External-control set (40 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"EXTERNAL SET NAME\0"
     "EXTERNAL SET NAME",
     nullptr, 0xFF00, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0x0, nullptr},
    {"KNOB 1-A\0"
     "KNOB 1-A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0000, 2, 2, 16, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x000C, 2, 3, 17, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-A\0"
     "KNOB 2-A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0001, 2, 2, 18, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x000D, 2, 3, 19, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-A\0"
     "KNOB 3-A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0002, 2, 2, 20, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x000E, 2, 3, 21, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-A\0"
     "KNOB 4-A",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0003, 2, 2, 22, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x000F, 2, 3, 23, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 1-B\0"
     "KNOB 1-B",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0004, 2, 2, 24, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0010, 2, 3, 25, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-B\0"
     "KNOB 2-B",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0005, 2, 2, 26, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0011, 2, 3, 27, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-B\0"
     "KNOB 3-B",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0006, 2, 2, 28, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0012, 2, 3, 29, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-B\0"
     "KNOB 4-B",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0007, 2, 2, 30, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0013, 2, 3, 31, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 1-C\0"
     "KNOB 1-C",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0008, 2, 2, 32, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0014, 2, 3, 33, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 2-C\0"
     "KNOB 2-C",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x0009, 2, 2, 34, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0015, 2, 3, 35, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 3-C\0"
     "KNOB 3-C",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x000A, 2, 2, 36, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0016, 2, 3, 37, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
    {"KNOB 4-C\0"
     "KNOB 4-C",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"MIDI CHANNEL\0"
     "MIDI CHANNEL",
     nullptr, 0x000B, 2, 2, 38, 0, 7, 16, 0, 16, 0, 0x0, "0~15\t1~16\t%.0f,v\n16\tGlobal Channel"},
    {"CC# ASSIGN\0"
     "CC# ASSIGN",
     nullptr, 0x0017, 2, 3, 39, 0, 7, -1, -1, 119, 0, 0x0, "-1\tOFF\n0~119\tCC#%.0f,v"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_EXTCONTROL = MakeTable(kRows);

}  // namespace QorX0
