// Timbre, play view (28 bytes).
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"TRACK PARAMETERS\0"
     "TRACK PARAMETERS",
     nullptr, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, nullptr},
    {"PROGRAM BANK/NO.\0"
     "PROGRAM BANK/NO.",
     nullptr, 0x0000, 2, 7, 0, 0, 0, 0, 0, 0, 0, 0x0,
     "1\f0~127\t0~127\tA%03.0f,v\n128~255\t0~127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03."
     "0f,v\n512~639\t1~128\tG%03.0f,v\n640~767\t1~128\tg%03.0f,v\f9\f0~127\t0~127\tA%03.0f,v\n128~255\t0~"
     "127\tB%03.0f,v\n256~383\t0~127\tC%03.0f,v\n384~511\t0~127\tD%03.0f,v\n512~639\t0~127\tE%03.0f,v\n640~"
     "767\t1~128\tG%03.0f,v\n768~895\t1~128\tg%03.0f,v"},
    {"PAN\0"
     "PAN",
     nullptr, 0x0001, 2, 2, 11, 0, 7, 64, 0, 127, 0, 0x0,
     "0\tRND\n1~63\tL%03.0f,v\n64\tC064\n65~127\tR%03.0f,v"},
    {"VOLUME\0"
     "VOLUME",
     nullptr, 0x0002, 2, 2, 5, 0, 7, 0, 0, 127, 0, 0x0, "%.0f,v"},
    {"STATUS\0"
     "STATUS",
     nullptr, 0x0003, 3, 8, 2, 5, 7, 0, 0, 0, 0, 0x0, "0\tINT\n1\tOff\n2\tEXT\n3\tEX2"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_COMBIPLAYTRK = MakeTable(kRows);

}  // namespace QorX0
