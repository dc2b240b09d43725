#include "Common/QnUtils/QnUtils.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Common/Model/Accessors.h"
#include "Common/Model/Converters.h"
#include "Hfc/Core/HfcPopupMenu.h"
#include "Linux/MidiIO/MidiIO.h"

using namespace QorX0;

std::atomic<int> QnUtils::mPMID{0};
std::string QnUtils::mProductName;

namespace {

const char* const kKnobShortNames[] = {
    "Off",    "KMod1",   "KMod2",   "KMod3",  "KMod4", "MstVol",  "PortTm", "Volume", "Ifx Pan", "Pan",
    "Exp",    "FxCtrl1", "FxCtrl2", "Cutoff", "Reso",  "FEG int", "Attack", "Decay",  "Sust",    "Rels",
    "LfoSpd", "LfoDep",  "LfoDly",  "SW1",    "SW2",   "FootSW",  "CC#83",  "Send1",  "Send2"};
constexpr int kKnobShortNameCount = sizeof kKnobShortNames / sizeof kKnobShortNames[0];

ISound* FindSound(IRemoteSynth* synth, int mode, int bank, int program) {
    if (!synth || bank < 0 || program < 0) return nullptr;
    IBankList* list = synth->GetAllSounds(mode);
    IBank* b = list ? list->GetAt(static_cast<unsigned>(bank)) : nullptr;
    return b ? b->GetAt(static_cast<unsigned>(program)) : nullptr;
}

IBank* FindBank(IRemoteSynth* synth, int mode, int bank) {
    if (!synth || bank < 0) return nullptr;
    IBankList* list = synth->GetAllSounds(mode);
    return list ? list->GetAt(static_cast<unsigned>(bank)) : nullptr;
}

// Edit section and assignment PID offsets of a sound mode.
struct AssignRow {
    int mode, section, switchOffset, knobOffset;
};
constexpr AssignRow kAssignRows[] = {{0, 1, 4, 10}, {2, 3, 12, 18}, {4, 4, 3, 9}};

const AssignRow* AssignRowOf(int mode) {
    for (const AssignRow& r : kAssignRows)
        if (r.mode == mode) return &r;
    return nullptr;
}

// Reads one integer field of a stored sound through the edit section's row for pid: the whole
// record is copied and the field read by its own accessor, so bits that share its byte do not leak
// in. False when anything is missing.
bool ReadStoredField(IRemoteSynth* synth, int mode, int bank, int program, int pid, int* value,
                     const IStringConverter** converter) {
    const AssignRow* row = AssignRowOf(mode);
    ISound* sound = FindSound(synth, mode, bank, program);
    if (!row || !sound) return false;
    ISoundSection* edit = synth->GetEditBuffer(row->section);
    PARAMDESC desc{};
    if (!edit || !edit->GetParamDesc(pid, &desc)) return false;
    const auto* accessor = dynamic_cast<const IAccessorI*>(desc.accessor);
    if (!accessor || desc.offset < 0) return false;
    std::vector<uint8_t> record(sound->RawSize());
    if (record.empty() ||
        sound->RawGet(record.data(), 0, static_cast<unsigned>(record.size())) != record.size())
        return false;
    if (static_cast<unsigned>(desc.offset) + accessor->Width() > record.size()) return false;
    *value = accessor->Get(record.data(), static_cast<unsigned>(desc.offset));
    if (converter) *converter = desc.converter;
    return true;
}

std::string ThreeDigits(int n) {
    char text[16];
    std::snprintf(text, sizeof text, "%03d", n);
    return text;
}

}  // namespace

std::string QnUtils::GetProgramName(IRemoteSynth* synth, int mode, int bank, int program) {
    ISound* sound = FindSound(synth, mode, bank, program);
    return sound ? sound->GetName() : std::string("---------------");
}

std::string QnUtils::GetBankName(IRemoteSynth* synth, int mode, int bank) {
    IBank* b = FindBank(synth, mode, bank);
    return b ? b->GetName() : std::string("-");
}

int QnUtils::GetBankCount(IRemoteSynth* synth, int mode) {
    IBankList* list = synth ? synth->GetAllSounds(mode) : nullptr;
    return list ? static_cast<int>(list->GetCount()) : 0;
}

bool QnUtils::IsGMBank(IRemoteSynth* synth, int mode, int bank) {
    if (mode != kModeProgPlay) return false;
    IBank* b = FindBank(synth, mode, bank);
    if (!b) return false;
    const std::string name = b->GetName();
    return name == "G" || name == "g(d)";
}

std::string QnUtils::GetProgNumberAsString(IRemoteSynth* synth, int mode, int bank, int program) {
    if (program == 255) return "---";
    return ThreeDigits(IsGMBank(synth, mode, bank) ? program + 1 : program);
}

std::string QnUtils::GetBankProgNumberAsString(IRemoteSynth* synth, int mode, int bank, int program) {
    const std::string bankName = GetBankName(synth, mode, bank);
    return bankName.substr(0, 1) + ThreeDigits(IsGMBank(synth, mode, bank) ? program + 1 : program);
}

int QnUtils::GetProgramNumberByString(IRemoteSynth* synth, int mode, int bank, const char* text) {
    if (!text) return -1;
    const char* p = text;
    while (*p == ' ') ++p;
    if (*p < '0' || *p > '9') return -1;
    const long n = std::strtol(p, nullptr, 10);
    if (n > 100000) return -1;
    return static_cast<int>(n) - (IsGMBank(synth, mode, bank) ? 1 : 0);
}

int QnUtils::GetCategory(IRemoteSynth* synth, int mode, int bank, int program) {
    if (!synth || bank == 255 || program == 255) return -1;
    int offset;
    uint8_t mask;
    if (mode == kModeCombiPlay) {
        offset = 118;
        mask = 0x0F;
    } else if (mode == kModeProgPlay) {
        offset = 110;
        mask = 0xFF;
    } else {
        return 255;
    }
    ISound* sound = FindSound(synth, mode, bank, program);
    uint8_t byte = 0;
    if (!sound || sound->RawGet(&byte, static_cast<unsigned>(offset), 1) != 1) return -1;
    return byte & mask;
}

namespace {
ISection* CategorySection(IRemoteSynth* synth, int mode) {
    if (mode == kModeCombiPlay) return synth->GetEditBuffer(kModeCombiEdit);
    if (mode == kModeProgPlay) return synth->GetEditBuffer(kModeProgEdit);
    return nullptr;
}
}  // namespace

int QnUtils::GetCurSoundCategory(IRemoteSynth* synth, int mode) {
    if (!synth) return 0;
    ISection* section = CategorySection(synth, mode);
    return section ? section->GetParamI(0xFF01) : -1;
}

bool QnUtils::SetCurSoundCategory(IRemoteSynth* synth, int mode, int category) {
    if (!synth) return false;
    if (ISection* section = CategorySection(synth, mode)) section->PutParamI(0xFF01, category);
    return true;
}

bool QnUtils::GetCategoryName(std::string& out, IRemoteSynth* synth, int mode, int category, bool trim) {
    out = "-----";
    if (mode != kModeCombiPlay && mode != kModeProgPlay) return false;
    if (category < 0 || !synth) return true;
    ISection* global = synth->GetGlobal();
    if (!global) return true;
    const int pid = (mode == kModeProgPlay ? 0x9000 : 0x9100) + category;
    std::string text = global->GetParamS(pid);
    text = text.substr(0, text.find('\0'));
    if (trim) {
        const size_t last = text.find_last_not_of(' ');
        if (last != std::string::npos) text.erase(last + 1);
    }
    out = text;
    return true;
}

int QnUtils::GetTempoParamId(IRemoteSynth* synth, ISection** section) {
    if (section) *section = nullptr;
    if (!synth) return -1;
    static constexpr int kTempoPids[] = {0x0800, 0x0900, 0x0100, 0x1C00, 0x2200};
    const int mode = synth->GetMode();
    if (mode >= 0 && mode <= 4) {
        if (section) *section = synth->GetEditBuffer(mode);
        return kTempoPids[mode];
    }
    if (mode == kModeGlobal) {
        if (section) *section = synth->GetGlobal();
        return 0x7C13;
    }
    return -1;
}

int QnUtils::GetTempo(IRemoteSynth* synth, int& tempo) {
    ISection* section = nullptr;
    const int pid = GetTempoParamId(synth, &section);
    if (pid < 0 || !section) return -1;
    tempo = section->GetParamI(pid);
    return tempo;
}

int QnUtils::SetTempo(IRemoteSynth* synth, int tempo) {
    ISection* section = nullptr;
    const int pid = GetTempoParamId(synth, &section);
    if (pid < 0 || !section) return -1;
    tempo = tempo < kTempo_Min ? kTempo_Min : tempo > kTempo_Max ? kTempo_Max : tempo;
    return section->PutParamI(pid, tempo);
}

bool QnUtils::IsClockExternal(IRemoteSynth* synth) {
    if (!synth) return false;
    const EXTCTLSTATE state = synth->GetExtCtlState();
    return state.state == 1 || state.state == 2;
}

std::string QnUtils::GetSWAssign(IRemoteSynth* synth, int mode, int bank, int program, int index) {
    const AssignRow* row = AssignRowOf(mode);
    int value = 0;
    const IStringConverter* converter = nullptr;
    if (bank == 255 || program == 255 || !row ||
        !ReadStoredField(synth, mode, bank, program, row->switchOffset + index, &value, &converter) ||
        !converter)
        return "-----";
    return converter->Format(value);
}

int QnUtils::GetKnobAssign(IRemoteSynth* synth, int mode, int bank, int program, int index) {
    const AssignRow* row = AssignRowOf(mode);
    int value = 0;
    if (bank == 255 || program == 255 || !row ||
        !ReadStoredField(synth, mode, bank, program, row->knobOffset + index, &value, nullptr))
        return -1;
    return value;
}

int QnUtils::GetCurKnobAssign(IRemoteSynth* synth, int mode, int index) {
    const AssignRow* row = AssignRowOf(mode);
    if (!synth || !row) return -1;
    ISection* section = synth->GetEditBuffer(row->section);
    return section ? section->GetParamI(row->knobOffset + index) : -1;
}

std::string QnUtils::GetKnobAssignShortName(int number) {
    if (number < 0) return "---";
    if (number < kKnobShortNameCount) return kKnobShortNames[number];
    char text[16];
    std::snprintf(text, sizeof text, "CC#%02d", number - kKnobShortNameCount);
    return text;
}

namespace {
std::string ItemName(IGlobalArraySection* section, int index) {
    IBank* names = section ? section->GetNames() : nullptr;
    ISound* item = (names && index >= 0) ? names->GetAt(static_cast<unsigned>(index)) : nullptr;
    return item ? item->GetName() : std::string();
}
std::string PortName(const std::vector<MIDIDevKey>* ports, int index) {
    if (!ports || index < 0 || static_cast<size_t>(index) >= ports->size()) return std::string();
    return (*ports)[static_cast<size_t>(index)].name;
}
}  // namespace

std::string QnUtils::GetDrumKitName(IRemoteSynth* synth, int index) {
    return synth ? ItemName(synth->GetDrumKits(), index) : std::string();
}

std::string QnUtils::GetArpeggioPatternName(IRemoteSynth* synth, int index) {
    return synth ? ItemName(synth->GetArpPatterns(), index) : std::string();
}

int QnUtils::GetMIDIInEntrySize(IRemoteSynth* synth) {
    const auto* ports = synth ? synth->GetMIDIInKeyDevArray() : nullptr;
    return ports ? static_cast<int>(ports->size()) : 0;
}

int QnUtils::GetMIDIOutEntrySize(IRemoteSynth* synth) {
    const auto* ports = synth ? synth->GetMIDIOutKeyDevArray() : nullptr;
    return ports ? static_cast<int>(ports->size()) : 0;
}

std::string QnUtils::GetMIDIInName(IRemoteSynth* synth, int index) {
    return synth ? PortName(synth->GetMIDIInKeyDevArray(), index) : std::string();
}

std::string QnUtils::GetMIDIOutName(IRemoteSynth* synth, int index) {
    return synth ? PortName(synth->GetMIDIOutKeyDevArray(), index) : std::string();
}

int QnUtils::TrackPopupMenu(CHfcPopupMenu* menu, int x, int y, CHfcWindow* window) {
    return menu ? menu->TrackPopupById(x, y, window, 0) : 0;
}
