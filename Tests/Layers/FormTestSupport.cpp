#include "Layers/FormTestSupport.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>
#include <set>
#include <sstream>

#include "Common/Controls/ArtGeometry.h"
#include "Common/Layers/Forms/UIFormManager.h"
#include "Common/Layers/QnSynthLayer.h"
#include "Common/Model/ParamTable.h"
#include "Common/Model/Sections.h"
#include "Hfc/Draw/HfcBmp.h"

namespace FormTest {

namespace {
bool EndsWith(const char* text, const char* tail) {
    const size_t n = std::strlen(text), m = std::strlen(tail);
    return n >= m && std::strcmp(text + n - m, tail) == 0;
}
// Lower-case words: letters, digits and the signs of "+X" and "-X"; "A.M." is one word, "am".
std::vector<std::string> Words(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t at; (at = text.find("a.m.")) != std::string::npos;) text.replace(at, 4, "am ");
    std::vector<std::string> words(1);
    for (char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-')
            words.back() += c;
        else if (!words.back().empty())
            words.emplace_back();
    }
    if (words.back().empty()) words.pop_back();
    return words;
}

std::string Joined(const std::vector<std::string>& words) {
    std::string out;
    for (const std::string& w : words)
        for (char c : w)
            if (std::isalnum(static_cast<unsigned char>(c))) out += c;
    return out;
}

bool IsNumber(const std::string& word) {
    return std::all_of(word.begin(), word.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

// The pages' own words for what the parameter names spell out.
const std::map<std::string, std::vector<std::string>>& Synonyms() {
    static const std::map<std::string, std::vector<std::string>> synonyms = {
        {"lvl", {"level"}},
        {"intensity", {"int"}},
        {"joystick", {"js"}},
        {"ams", {"am"}},
        {"ctrl", {"control", "ctrl"}},
        {"master", {"master", "mst"}},
        {"mode", {"toggle", "msb"}},
        {"function", {"assign"}},
        {"split", {"sw"}},
    };
    return synonyms;
}

// An envelope row: "<stage> LEVEL" or "<stage> TIME" (BREAK POINT LEVEL too); its stage and kind.
std::pair<std::string, std::string> EnvelopeRow(const std::vector<std::string>& words, bool caption) {
    static const std::set<std::string> stages = {"start", "attack",  "break",  "decay",
                                                 "slope", "sustain", "release"};
    std::string stage, kind;
    for (const std::string& w : words) {
        if (stage.empty() && stages.count(w)) stage = w;
        if (kind.empty() && (w == "level" || w == "time" || (caption && w == "lvl")))
            kind = w == "time" ? "time" : "level";
    }
    if (stage.empty() || kind.empty()) return {};
    if (!caption && (words.front() != stage || words.back() != kind)) return {};
    return {stage, kind};
}

}  // namespace

bool CaptionNamesParameter(const std::string& caption, const std::string& name, const std::string& group) {
    const std::vector<std::string> own = Words(name);
    std::vector<std::string> all = Words(group);
    all.insert(all.end(), own.begin(), own.end());
    const std::string ownJoined = Joined(own), allJoined = Joined(all);
    const std::vector<std::string> words = Words(caption);
    for (const std::string& word : words) {
        const auto synonym = Synonyms().find(word);
        const std::vector<std::string> forms =
            synonym == Synonyms().end() ? std::vector<std::string>{word} : synonym->second;
        const bool found = std::any_of(forms.begin(), forms.end(), [&](const std::string& w) {
            if (IsNumber(w)) return ownJoined.find(w) != std::string::npos;
            if (std::any_of(all.begin(), all.end(), [&](const std::string& n) {
                    return w.size() == 1 ? n == w : n.rfind(w, 0) == 0;
                }))
                return true;
            const bool longEnough = w.size() >= 3 || std::any_of(w.begin(), w.end(), [](char c) {
                                        return std::isdigit(static_cast<unsigned char>(c));
                                    });
            return longEnough && allJoined.find(Joined({w})) != std::string::npos;
        });
        if (!found) return false;
    }
    // Parenthesised rows (the modulation of a stage, "START (A.M.LEVEL)") are no envelope rows.
    const auto row =
        name.find('(') == std::string::npos ? EnvelopeRow(own, false) : std::pair<std::string, std::string>{};
    return EnvelopeRow(words, true) == row;
}

const UI_FORMINFO* ControlBeside(const UI_FORMINFO& form, const UI_FORMINFO& caption) {
    const UI_FORMINFO* found = nullptr;
    for (int j = 0; j < form.childCount; ++j) {
        const UI_FORMINFO& c = form.children[j];
        if (UI_FORM_Utils::IsControlClass(UI_FORM_Utils::GetItemClassInt(c)) && c.y == caption.y &&
            c.x >= caption.x + caption.width && c.x <= caption.x + caption.width + 10) {
            if (found != nullptr) return nullptr;
            found = &c;
        }
    }
    return found;
}

std::vector<std::string> FormProblems(const UI_FORMINFO& form, const QnSynthLayer& layer) {
    std::vector<std::string> problems;
    const auto where = [&](const UI_FORMINFO& row) {
        std::ostringstream s;
        s << form.caption << " (" << row.x << ", " << row.y << ") PID 0x" << std::hex << row.controlId;
        return s.str();
    };
    std::set<int> pids;
    for (int i = 0; i < form.childCount; ++i) {
        const UI_FORMINFO& row = form.children[i];
        if (UI_FORM_Utils::IsControlClass(UI_FORM_Utils::GetItemClassInt(row)) &&
            !pids.insert(row.controlId).second)
            problems.push_back(where(row) + ": PID on two controls");
    }
    const int kind = HostOf(form).kind;
    for (int i = 0; i < form.childCount; ++i) {
        const UI_FORMINFO& caption = form.children[i];
        if (caption.kindId != UIForms::kKindParamCaption) continue;
        const UI_FORMINFO* control = ControlBeside(form, caption);
        if (control == nullptr) {
            problems.push_back(std::string(form.caption) + " \"" + caption.caption +
                               "\": no one control beside it");
            continue;
        }
        QorX0::ISection* section = layer.GetParamSection(kind, control->controlId);
        const int index = section != nullptr ? section->GetIndexByParamID(control->controlId) : -1;
        QorX0::PARAMDESC desc{};
        if (index < 0 || !section->GetParamDescByIndex(static_cast<unsigned>(index), &desc)) {
            problems.push_back(where(*control) + ": no such parameter");
            continue;
        }
        std::string group;
        for (int k = index - 1; k >= 0 && group.empty(); --k) {
            QorX0::PARAMDESC above{};
            if (section->GetParamDescByIndex(static_cast<unsigned>(k), &above) &&
                above.ptype == QorX0::kPTypeCaption)
                group = QorX0::RowLongName(above);
        }
        const std::string name = QorX0::RowLongName(desc);
        if (!CaptionNamesParameter(caption.caption, name, group))
            problems.push_back(where(*control) + ": \"" + caption.caption + "\" does not name " + name);
    }
    return problems;
}

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
