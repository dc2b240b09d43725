#include "Layers/FormTestSupport.h"

#include <cstring>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Model/Sections.h"
#include "Hfc/Draw/HfcBmp.h"

namespace FormTest {

namespace {
bool EndsWith(const char* text, const char* tail) {
    const size_t n = std::strlen(text), m = std::strlen(tail);
    return n >= m && std::strcmp(text + n - m, tail) == 0;
}
}  // namespace

Host HostOf(const UI_FORMINFO& form) {
    const int id = form.kindId;
    const int kind = id <= 1066   ? QorX0::kModeProgEdit
                     : id <= 1074 ? QorX0::kModeCombiEdit
                                  : QorX0::kModeMulti;
    // The arpeggiator pages put their four form pages on the smaller background.
    const bool small = (id >= 1067 && id <= 1071) || (id >= 1075 && id <= 1079);
    if (small)
        return Host{kind, "Background_SubTab_Small", ArtGeometry::kSubPageWidth,
                    ArtGeometry::kSubPageSmallHeight};
    return Host{kind, "Background_SubTab", ArtGeometry::kSubPageWidth, ArtGeometry::kSubPageHeight};
}

std::vector<unsigned char> ModelsOf(const UI_FORMINFO& form) {
    if (EndsWith(form.caption, "_Marl")) return {QorX0::kPmidNerimo};
    return {QorX0::kPmidTolva, QorX0::kPmidNerimo};
}

const std::vector<Stated>& StatedForms() {
    static const std::vector<Stated> forms = {
        {1024, "ID_PROG_BASIC_PROGBASIC", 18, {"Voice Assign", "Scale"}, 8, 3, 0, 5, 0},
        {1029, "ID_PROG_BASIC_OSC1", 24, {"High", "Low"}, 11, 4, 0, 1, 6},
        {1031, "ID_PROG_BASIC_OSC2", 24, {"High", "Low"}, 11, 4, 0, 1, 6},
        {1032, "ID_PROG_BASIC_VELOCITY_ZONE", 10, {"OSC1", "OSC2"}, 4, 0, 4, 0, 0},
        {1034, "ID_PROG_BASIC_AUDITION", 4, {}, 2, 0, 0, 1, 1},
        {1035, "ID_PROG_PITCH_OSC1_Marl", 18, {"Pitch", "Pitch EG"}, 8, 0, 0, 2, 6},
        {1036, "ID_PROG_PITCH_OSC1_Tolva", 18, {"Pitch", "Pitch EG"}, 8, 0, 0, 2, 6},
        {1037, "ID_PROG_PITCH_OSC1_LFO_Marl", 18, {"LFO1", "LFO2"}, 8, 0, 0, 2, 6},
        {1038, "ID_PROG_PITCH_OSC1_LFO_Tolva", 18, {"LFO1", "LFO2"}, 8, 0, 0, 2, 6},
        {1039, "ID_PROG_PITCH_OSC2_Marl", 18, {"Pitch", "Pitch EG"}, 8, 0, 0, 2, 6},
        {1040, "ID_PROG_PITCH_OSC2_Tolva", 18, {"Pitch", "Pitch EG"}, 8, 0, 0, 2, 6},
        {1041, "ID_PROG_PITCH_OSC2_LFO_Marl", 18, {"LFO1", "LFO2"}, 8, 0, 0, 2, 6},
        {1042, "ID_PROG_PITCH_OSC2_LFO_Tolva", 18, {"LFO1", "LFO2"}, 8, 0, 0, 2, 6},
        {1043, "ID_PROG_PITCH_EG", 39, {"Pitch EG", "Level Mod.", "Time Mod."}, 18, 0, 6, 9, 3},
        {1044, "ID_PROG_LFOs_OSC1_LFO1", 25, {"OSC1 LFO1", "Freq.Mod", "MIDI/Tempo Sync."}, 11, 2, 0, 3, 6},
        {1045, "ID_PROG_LFOs_OSC1_LFO2", 25, {"OSC1 LFO2", "Freq.Mod", "MIDI/Tempo Sync."}, 11, 2, 0, 3, 6},
        {1046, "ID_PROG_LFOs_OSC2_LFO1", 25, {"OSC2 LFO1", "Freq.Mod", "MIDI/Tempo Sync."}, 11, 2, 0, 3, 6},
        {1047, "ID_PROG_LFOs_OSC2_LFO2", 25, {"OSC2 LFO2", "Freq.Mod", "MIDI/Tempo Sync."}, 11, 2, 0, 3, 6},
        {1048, "ID_PROG_FILTER1_BASIC", 8, {"Filter1", "Filter A"}, 3, 0, 0, 1, 2},
        {1049, "ID_PROG_FILTER1_MOD1", 28, {"Keyboard Track", "Filter EG"}, 13, 0, 2, 1, 10},
        {1050, "ID_PROG_FILTER1_MOD2", 18, {"Filter A", "Filter B"}, 8, 0, 0, 4, 4},
        {1051, "ID_PROG_FILTER1_LFO_MOD", 30, {"LFO1", "LFO2"}, 14, 0, 0, 2, 12},
        {1052, "ID_PROG_FILTER1_EG", 55, {"Level Mod.", "Time Mod.", "Filter1 EG"}, 26, 0, 9, 14, 3},
        {1053, "ID_PROG_FILTER2_BASIC", 8, {"Filter2", "Filter A"}, 3, 0, 0, 1, 2},
        {1054, "ID_PROG_FILTER2_MOD1", 28, {"Keyboard Track", "Filter EG"}, 13, 0, 2, 1, 10},
        {1055, "ID_PROG_FILTER2_MOD2", 18, {"Filter A", "Filter B"}, 8, 0, 0, 4, 4},
        {1056, "ID_PROG_FILTER2_LFO_MOD", 30, {"LFO1", "LFO2"}, 14, 0, 0, 2, 12},
        {1057, "ID_PROG_FILTER2_EG", 55, {"Level Mod.", "Time Mod.", "Filter2 EG"}, 26, 0, 9, 14, 3},
        {1058, "ID_PROG_AMP1", 8, {"Pan", "AMS,Intensity"}, 3, 1, 0, 1, 1},
        {1059,
         "ID_PROG_AMP1_MOD",
         30,
         {"Keyboard Track", "Amp Mod.", "LFO1 Mod.", "LFO2 Mod."},
         13,
         0,
         2,
         3,
         8},
        {1060, "ID_PROG_AMP1_EG", 53, {"Amp1 EG", "Level Mod.", "Time Mod."}, 25, 0, 8, 14, 3},
        {1061, "ID_PROG_AMP2", 5, {"AMS,Intensity"}, 2, 0, 0, 1, 1},
        {1062,
         "ID_PROG_AMP2_MOD",
         30,
         {"Keyboard Track", "Amp Mod.", "LFO1 Mod.", "LFO2 Mod."},
         13,
         0,
         2,
         3,
         8},
        {1063, "ID_PROG_AMP2_EG", 53, {"Amp2 EG", "Level Mod.", "Time Mod."}, 25, 0, 8, 14, 3},
        {1064, "ID_PROG_IFX_SETUP", 8, {}, 4, 0, 0, 1, 3},
        {1065, "ID_PROG_MFX_SETUP", 14, {"Return Level", "Chain"}, 6, 1, 0, 2, 3},
        {1066, "ID_PROG_MFX_MASTER_EQ", 20, {"Gain", "Frequency"}, 9, 0, 4, 2, 3},
        {1067, "ID_COMBI_ARP_ARP_A", 18, {}, 9, 4, 3, 2, 0},
        {1068, "ID_COMBI_ARP_ARP_B", 18, {}, 9, 4, 3, 2, 0},
        {1069, "ID_COMBI_ARP_SCAN_ZONE", 18, {"Arp A", "Arp B"}, 8, 0, 8, 0, 0},
        {1070, "ID_COMBI_ARP_CONTROLS_Marl", 12, {"Knob B Assign", "OCTAVE Keys"}, 5, 0, 0, 5, 0},
        {1071,
         "ID_COMBI_ARP_CONTROLS_Tolva",
         23,
         {"Knob B Assign", "SW1 Assign", "SW2 Assign"},
         10,
         2,
         0,
         8,
         0},
        {1072, "ID_COMBI_IFX_SETUP", 10, {}, 5, 0, 0, 2, 3},
        {1073, "ID_COMBI_MFX_SETUP", 21, {"Return Level", "Chain", "Control Channel"}, 9, 1, 0, 5, 3},
        {1074, "ID_COMBI_MFX_MASTER_EQ", 20, {"Gain", "Frequency"}, 9, 0, 4, 2, 3},
        {1075, "ID_MULTI_ARP_ARP_A", 18, {}, 9, 4, 3, 2, 0},
        {1076, "ID_MULTI_ARP_ARP_B", 18, {}, 9, 4, 3, 2, 0},
        {1077, "ID_MULTI_ARP_SCAN_ZONE", 18, {"Arp A", "Arp B"}, 8, 0, 8, 0, 0},
        {1078, "ID_MULTI_ARP_CONTROLS_Marl", 12, {"Knob B Assign", "OCTAVE Keys"}, 5, 0, 0, 5, 0},
        {1079,
         "ID_MULTI_ARP_CONTROLS_Tolva",
         23,
         {"Knob B Assign", "SW1 Assign", "SW2 Assign"},
         10,
         2,
         0,
         8,
         0},
        {1080, "ID_MULTI_IFX_SETUP", 10, {}, 5, 0, 0, 2, 3},
        {1081, "ID_MULTI_MFX_SETUP", 21, {"Return Level", "Chain", "Control Channel"}, 9, 1, 0, 5, 3},
        {1082, "ID_MULTI_MFX_MASTER_EQ", 20, {"Gain", "Frequency"}, 9, 0, 4, 2, 3},
    };
    return forms;
}

int InkWidth(const tagHfcBmpFontInfo& font, const std::string& text) {
    int width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const int code = static_cast<signed char>(text[i]);
        width += font.widths[code + 128];
        if (i + 1 == text.size()) width += font.widths[code & 0xFF] - font.widths[code + 128];
    }
    return width;
}

int PopupTextRoom(int width) {
    return width - 10 - 2 * 3;
}
int ValueBarTextRoom(int width) {
    return width - 71;
}
int EditTextRoom(int width) {
    return width - 2 * 2;
}
int EditTextMaxChars(int width, int height) {
    if (height == 13) {
        switch (width) {
            case 37:
                return 5;
            case 40:
                return 6;
            case 96:
                return 11;
            case 114:
                return 14;
            case 154:
                return 16;
            default:
                break;
        }
    }
    return width == 164 && height == 16 ? 16 : 1;
}

void ForEachForm(const std::function<void(const UI_FORMINFO& form)>& visit) {
    const UI_FORMINFOBLOCK& block = UIForms::_g_uiFormInfoBlock;
    for (int i = 0; i < block.count; ++i) visit(block.forms[i]);
}

}  // namespace FormTest
