// Value-row templates of the tone-adjust destinations, one per destination.
#include "Common/Model/Tables/SmallTables.h"

namespace QorX0 {

namespace {

constinit const PARAMDESC kRows[] = {
    {"LPF Cutoff\0"
     "LPF Cutoff",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Resonance/HPF Cutoff\0"
     "Reso/HPF",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter EG Intencity\0"
     "FilterEG Int",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Amp Velocity Intencity\0"
     "Amp Vel Int.",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter/Amp EG Attack\0"
     "F/A EG A",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter/Amp EG Decay\0"
     "F/A EG D",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter/Amp EG Sustain\0"
     "F/A EG S",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter/Amp EG Release\0"
     "F/A EG R",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter EG Attack\0"
     "Filter EG A",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter EG Decay\0"
     "Filter EG D",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter EG Sustain\0"
     "Filter EG S",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Filter EG Release\0"
     "Filter EG R",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Amp EG Attack\0"
     "Amp EG A",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Amp EG Decay\0"
     "Amp EG D",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Amp EG Sustain\0"
     "Amp EG S",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Amp EG Release\0"
     "Amp EG R",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"LFO1 Speed\0"
     "LFO1 Speed",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -199, 199, 0, 0x0, "%.0f,v"},
    {"LFO1 Pitch Intensity\0"
     "LFO1 P Int.",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0, 0x0, "-1200~1200\t-12~12\t%.2f,v"},
    {"LFO1 Fade\0"
     "LFO1 Fade",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"LFO1 Delay\0"
     "LFO1 Dly",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -99, 99, 0, 0x0, "%.0f,v"},
    {"Pitch Stretch\0"
     "P.Strch",
     nullptr, 0x0000, 2, 3, 0, 0, 7, 0, -12, 12, 0, 0x0, "%.0f,v"},
    {"Detune 1\0"
     "Detune1",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0, 0x0, "%.0f,v"},
    {"Detune 2\0"
     "Detune2",
     nullptr, 0x0000, 2, 5, 0, 0, 15, 0, -1200, 1200, 0, 0x0, "%.0f,v"},
    {"Hold\0"
     "Hold",
     nullptr, 0x0000, 3, 3, 0, 0, 7, 1, 0, 0, 0, 0x0, "-1\tOFF\n0\tPRG\n1\tON"},
    {"Reverse\0"
     "Reverse",
     nullptr, 0x0000, 3, 3, 0, 0, 7, 1, 0, 0, 0, 0x0, "-1\tOFF\n0\tPRG\n1\tON"},
};

}  // namespace

constinit const TABLEDESC TABLEDESC_TONEADJDESTTMPL = MakeTable(kRows);

}  // namespace QorX0
