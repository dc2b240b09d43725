#pragma once
// Names, numbers, categories, tempo and assignments that the pages and browsers read from the remote
// synthesizer, and the display text of sound numbers. Main thread only.
#include <atomic>
#include <string>

#include "Common/Link/RemoteSynth.h"

class CHfcPopupMenu;
class CHfcWindow;

class QnUtils {
public:
    // The editor layer's model byte; set by each effect as it is made, on the host's thread.
    static std::atomic<int> mPMID;
    static std::string mProductName;
    static constexpr int kTempo_Min = 40;
    static constexpr int kTempo_Max = 240;

    // Sounds and banks (mode: 0, 1 combinations; 2, 3 programs; 4 multis).
    static std::string GetProgramName(QorX0::IRemoteSynth* synth, int mode, int bank, int program);
    static std::string GetBankName(QorX0::IRemoteSynth* synth, int mode, int bank);
    static int GetBankCount(QorX0::IRemoteSynth* synth, int mode);
    static bool IsGMBank(QorX0::IRemoteSynth* synth, int mode, int bank);
    static std::string GetProgNumberAsString(QorX0::IRemoteSynth* synth, int mode, int bank, int program);
    static std::string GetBankProgNumberAsString(QorX0::IRemoteSynth* synth, int mode, int bank, int program);
    // The number at the start of the text (minus 1 in a GM bank); -1 when the text starts with none.
    static int GetProgramNumberByString(QorX0::IRemoteSynth* synth, int mode, int bank, const char* text);
    static int ConvertFromParamBank(int bank) { return bank; }
    static int ConvertToParamBank(int bank) { return bank; }

    // Categories.
    static int GetCategory(QorX0::IRemoteSynth* synth, int mode, int bank, int program);
    static int GetCurSoundCategory(QorX0::IRemoteSynth* synth, int mode);
    static bool SetCurSoundCategory(QorX0::IRemoteSynth* synth, int mode, int category);
    static bool GetCategoryName(std::string& out, QorX0::IRemoteSynth* synth, int mode, int category,
                                bool trim);

    // Tempo and clock.
    static int GetTempoParamId(QorX0::IRemoteSynth* synth, QorX0::ISection** section);
    static int GetTempo(QorX0::IRemoteSynth* synth, int& tempo);
    static int SetTempo(QorX0::IRemoteSynth* synth, int tempo);
    static bool IsClockExternal(QorX0::IRemoteSynth* synth);

    // Assignments of the stored sounds' switches and knobs, and of the current sound's knobs.
    static std::string GetSWAssign(QorX0::IRemoteSynth* synth, int mode, int bank, int program, int index);
    static int GetKnobAssign(QorX0::IRemoteSynth* synth, int mode, int bank, int program, int index);
    static int GetCurKnobAssign(QorX0::IRemoteSynth* synth, int mode, int index);
    static std::string GetKnobAssignShortName(int number);

    // Kits, patterns, ports, menus.
    static std::string GetDrumKitName(QorX0::IRemoteSynth* synth, int index);
    static std::string GetArpeggioPatternName(QorX0::IRemoteSynth* synth, int index);
    static int GetMIDIInEntrySize(QorX0::IRemoteSynth* synth);
    static int GetMIDIOutEntrySize(QorX0::IRemoteSynth* synth);
    static std::string GetMIDIInName(QorX0::IRemoteSynth* synth, int index);
    static std::string GetMIDIOutName(QorX0::IRemoteSynth* synth, int index);
    static int TrackPopupMenu(CHfcPopupMenu* menu, int x, int y, CHfcWindow* window);
};
